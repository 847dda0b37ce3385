#include "NmMockBus.h"
#include "platform/NetworkManagerSettings.h"

#include <QDBusMetaType>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(KnownNetworksStatus)

namespace {

using SettingsMap = QMap<QString, QVariantMap>;

const KnownWifiNetwork *Find(const KnownNetworksList &list, const QString &name)
{
    for (const KnownWifiNetwork &network : list.m_networks) {
        if (network.m_connectionName == name)
            return &network;
    }
    return nullptr;
}

QString Dotted(const IpAddressField &a)
{
    return a.IsComplete() ? u"%1.%2.%3.%4"_s.arg(a.m_octets[0])
                                .arg(a.m_octets[1])
                                .arg(a.m_octets[2])
                                .arg(a.m_octets[3])
                          : QString();
}

} // namespace

class TestNetworkManagerSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsWifiConnectionsWithTheirKeys()
    {
        CNmMockBus bus;
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));

        SettingsMap home = WifiConnection(u"Home"_s, "Home", u"wpa-psk"_s);
        home[u"802-11-wireless-security"_s].insert(u"proto"_s, QStringList { u"rsn"_s });
        home[u"802-11-wireless-security"_s].insert(u"pairwise"_s, QStringList { u"ccmp"_s });
        QVERIFY(!bus.AddConnection(home,
                        { { u"802-11-wireless-security"_s, { { u"psk"_s, u"pa;ss\\word"_s } } } })
                     .isEmpty());

        SettingsMap old = WifiConnection(u"Old router"_s, "Old", u"none"_s);
        old[u"802-11-wireless-security"_s].insert(u"wep-key-type"_s, uint(1));
        old[u"802-11-wireless"_s].insert(u"hidden"_s, true);
        QVERIFY(!bus.AddConnection(old,
                        { { u"802-11-wireless-security"_s,
                            { { u"wep-key0"_s, u"abcdefghijklm"_s } } } })
                     .isEmpty());

        // Manual addresses in the shapes NetworkManager sends: "aa{sv}" and "au".
        SettingsMap lab = WifiConnection(u"Lab"_s, "Lab \xc3\xa9", {});
        lab[u"ipv4"_s] = QVariantMap { { u"method"_s, u"manual"_s },
            { u"address-data"_s,
                QVariant::fromValue(QList<QVariantMap> { QVariantMap {
                    { u"address"_s, u"10.0.0.20"_s }, { u"prefix"_s, uint(16) } } }) },
            { u"gateway"_s, u"10.0.0.1"_s },
            { u"dns"_s,
                QVariant::fromValue(QList<uint> { qToBigEndian(quint32(0x0a000035)),
                    qToBigEndian(quint32(0x08080808)), qToBigEndian(quint32(0x01010101)) }) } };
        QVERIFY(!bus.AddConnection(lab).isEmpty());

        QVERIFY(!bus.AddConnection(WifiConnection(u"New"_s, "New", u"sae"_s),
                        { { u"802-11-wireless-security"_s, { { u"psk"_s, u"secret-sae"_s } } } })
                     .isEmpty());
        QVERIFY(!bus.AddConnection(WifiConnection(u"Bytes"_s, QByteArray("\xff\xfe", 2), {}))
                     .isEmpty());

        SettingsMap wired;
        wired[u"connection"_s] = QVariantMap { { u"id"_s, u"Wired connection 1"_s },
            { u"type"_s, u"802-3-ethernet"_s },
            { u"uuid"_s, u"d3e8f1b2-0000-4000-8000-000000000001"_s } };
        wired[u"802-3-ethernet"_s] = QVariantMap { { u"mtu"_s, uint(0) } };
        QVERIFY(!bus.AddConnection(wired).isEmpty());

        CNetworkManagerSettings source(bus.Connection());
        const KnownNetworksList list = source.ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::Ok);
        QCOMPARE(list.m_networks.size(), 5); // the wired connection is not listed
        QVERIFY(!Find(list, u"Wired connection 1"_s));

        const KnownWifiNetwork *network = Find(list, u"Home"_s);
        QVERIFY(network);
        QVERIFY(network->m_result.IsUsable());
        QCOMPARE(network->m_result.m_profile.m_ssid, u"Home"_s);
        QCOMPARE(network->m_result.m_profile.m_securityMode, int(SecurityModeWpa2PskAes));
        QCOMPARE(network->m_result.m_profile.m_networkKey, u"pa;ss\\word"_s);
        QVERIFY(!network->m_result.m_keyMissing);

        network = Find(list, u"Old router"_s);
        QVERIFY(network);
        QVERIFY(network->m_result.IsUsable());
        QCOMPARE(network->m_result.m_profile.m_ssid, u"Old"_s);
        QCOMPARE(network->m_result.m_profile.m_securityMode, int(SecurityModeWep));
        QCOMPARE(network->m_result.m_profile.m_networkKey, u"abcdefghijklm"_s);
        QCOMPARE(network->m_result.m_profile.m_stealthSsid, 1);

        network = Find(list, u"Lab"_s);
        QVERIFY(network);
        QVERIFY(network->m_result.IsUsable());
        const CNetworkSetting &lab2 = network->m_result.m_profile;
        QCOMPARE(lab2.m_ssid, u"Lab \u00e9"_s);
        QCOMPARE(lab2.m_securityMode, int(SecurityModeNone));
        QCOMPARE(lab2.m_dhcp, 0);
        QCOMPARE(Dotted(lab2.m_ipAddress), u"10.0.0.20"_s);
        QCOMPARE(Dotted(lab2.m_subnetMask), u"255.255.0.0"_s);
        QCOMPARE(Dotted(lab2.m_defaultGateway), u"10.0.0.1"_s);
        QCOMPARE(Dotted(lab2.m_dns), u"10.0.0.53"_s);
        QCOMPARE(Dotted(lab2.m_secondaryDns), u"8.8.8.8"_s);

        network = Find(list, u"New"_s);
        QVERIFY(network);
        QCOMPARE(network->m_result.m_refusal, WifiImportRefusal::Wpa3Only);
        QVERIFY(network->m_result.m_profile.m_networkKey.isEmpty());

        network = Find(list, u"Bytes"_s);
        QVERIFY(network);
        QCOMPARE(network->m_result.m_refusal, WifiImportRefusal::SsidNotText);
    }

    void withoutSecretsTheKeyIsMissing()
    {
        CNmMockBus bus;
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        QVERIFY(!bus.AddConnection(WifiConnection(u"Office"_s, "Office", u"wpa-psk"_s)).isEmpty());

        const KnownNetworksList list
            = CNetworkManagerSettings(bus.Connection()).ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::Ok);
        QCOMPARE(list.m_networks.size(), 1);
        const WifiImportResult &result = list.m_networks.front().m_result;
        QVERIFY(result.IsUsable());
        QVERIFY(result.m_keyMissing);
        QCOMPARE(result.m_profile.m_securityMode, int(SecurityModeWpa2PskAes));
        QVERIFY(result.m_profile.m_networkKey.isEmpty());
    }

    void secretsThatNeverComeLeaveTheKeyMissing()
    {
        CNmMockBus bus;
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        const QString path = bus.AddConnection(WifiConnection(u"Slow"_s, "Slow", u"wpa-psk"_s),
            { { u"802-11-wireless-security"_s, { { u"psk"_s, u"12345678"_s } } } });
        QVERIFY(!path.isEmpty());
        QVERIFY(bus.MakeMethodHang(path, u"org.freedesktop.NetworkManager.Settings.Connection"_s,
            u"GetSecrets"_s, u"s"_s, u"a{sa{sv}}"_s));

        const KnownNetworksList list
            = CNetworkManagerSettings(bus.Connection()).ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::Ok);
        QCOMPARE(list.m_networks.size(), 1);
        QVERIFY(list.m_networks.front().m_result.IsUsable());
        QVERIFY(list.m_networks.front().m_result.m_keyMissing);
    }

    void networkManagerThatDoesNotAnswer()
    {
        CNmMockBus bus;
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        QVERIFY(!bus.AddConnection(WifiConnection(u"Home"_s, "Home", {})).isEmpty());
        QVERIFY(bus.MakeMethodHang(u"/org/freedesktop/NetworkManager/Settings"_s,
            u"org.freedesktop.NetworkManager.Settings"_s, u"ListConnections"_s, QString(),
            u"ao"_s));

        const KnownNetworksList list
            = CNetworkManagerSettings(bus.Connection()).ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::NoNetworkManager);
        QVERIFY(list.m_networks.isEmpty());
    }

    void noNetworkManagerOnTheBus()
    {
        CNmMockBus bus(CNmMockBus::Service::None);
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        const KnownNetworksList list
            = CNetworkManagerSettings(bus.Connection()).ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::NoNetworkManager);
        QVERIFY(list.m_networks.isEmpty());
    }

    void noBusAtAll()
    {
        QTemporaryDir dir;
        const QDBusConnection nowhere = QDBusConnection::connectToBus(
            u"unix:path="_s + dir.filePath(u"no-bus"_s), u"nowhere"_s);
        QVERIFY(!nowhere.isConnected());
        const KnownNetworksList list = CNetworkManagerSettings(nowhere).ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::NoSystemBus);
        QDBusConnection::disconnectFromBus(u"nowhere"_s);
    }
};

QTEST_GUILESS_MAIN(TestNetworkManagerSettings)
#include "tst_networkmanagersettings.moc"
