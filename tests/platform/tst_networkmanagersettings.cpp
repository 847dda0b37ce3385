#include "MockBus.h"
#include "core/settings/SettingsWriter.h"
#include "platform/NetworkManagerSettings.h"

#include <QtEndian>

class TestNetworkManagerSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Values in the shapes NetworkManager sends them: the SSID as bytes, lists of strings,
    // addresses as "aa{sv}" and as "au" in network order, keys from GetSecrets, a NoSecrets
    // error or no answer at all; a wired connection is not listed.
    void listsWifiConnectionsWithTheirKeys()
    {
        qDBusRegisterMetaType<QList<QVariantMap>>();
        qDBusRegisterMetaType<QList<uint>>();
        CNmMockBus bus;
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        SettingsMap home = WifiConnection(u"Home"_s, "Home \xc3\xa9", u"wpa-psk"_s);
        home[u"802-11-wireless-security"_s].insert(u"proto"_s, QStringList { u"wpa"_s });
        home[u"802-11-wireless-security"_s].insert(u"pairwise"_s, QStringList { u"tkip"_s });
        home[u"802-11-wireless"_s].insert(u"hidden"_s, true);
        const SettingsMap key { { u"802-11-wireless-security"_s,
            { { u"psk"_s, u"pa;ss\\wd"_s } } } };
        QVERIFY2(!bus.AddConnection(home, key).isEmpty(), qPrintable(bus.Error()));
        QVERIFY(!bus.AddConnection(WifiConnection(u"Office"_s, "Office", u"wpa-psk"_s)).isEmpty());
        SettingsMap lab = WifiConnection(u"Lab"_s, "Lab", {});
        const QVariantMap address { { u"address"_s, u"10.0.0.20"_s }, { u"prefix"_s, uint(16) } };
        lab[u"ipv4"_s] = QVariantMap { { u"method"_s, u"manual"_s },
            { u"address-data"_s, QVariant::fromValue(QList<QVariantMap> { address }) },
            { u"gateway"_s, u"10.0.0.1"_s },
            { u"dns"_s,
                QVariant::fromValue(QList<uint> {
                    qToBigEndian(quint32(0x0a000035)), qToBigEndian(quint32(0x08080808)) }) } };
        QVERIFY(!bus.AddConnection(lab).isEmpty());
        SettingsMap wired = WifiConnection(u"Wired"_s, "Wired", {});
        wired[u"connection"_s][u"type"_s] = u"802-3-ethernet"_s;
        QVERIFY(!bus.AddConnection(wired).isEmpty());
        const QString slow = bus.AddConnection(WifiConnection(u"Slow"_s, "Slow", u"wpa-psk"_s),
            { { u"802-11-wireless-security"_s, { { u"psk"_s, u"12345678"_s } } } });
        QVERIFY2(bus.Mock(slow, u"AddMethod"_s,
                     { u"org.freedesktop.NetworkManager.Settings.Connection"_s, u"GetSecrets"_s,
                         u"s"_s, u"a{sa{sv}}"_s, u"import time\ntime.sleep(8)"_s }),
            qPrintable(bus.Error()));

        const KnownNetworksList list
            = CNetworkManagerSettings(bus.Connection()).ListKnownWifiNetworks();
        QCOMPARE(list.m_status, KnownNetworksStatus::Ok);
        QStringList lines;
        for (const KnownWifiNetwork &network : list.m_networks) {
            const CNetworkSetting &profile = network.m_result.m_profile;
            QStringList addresses;
            for (const IpAddressField *a : { &profile.m_ipAddress, &profile.m_subnetMask,
                     &profile.m_defaultGateway, &profile.m_dns, &profile.m_secondaryDns })
                addresses.append(FormatIpAddress(*a));
            lines.append(u"%1|%2|%3|%4|%5|%6"_s.arg(network.m_connectionName, profile.m_ssid,
                QString::number(profile.m_securityMode),
                network.m_result.m_keyMissing ? u"key missing"_s : profile.m_networkKey,
                profile.m_stealthSsid ? u"hidden"_s : u"visible"_s,
                profile.m_dhcp ? u"DHCP"_s : addresses.join(u' ')));
        }
        lines.sort();
        QCOMPARE(lines,
            QStringList({ u"Home|Home \u00e9|2|pa;ss\\wd|hidden|DHCP"_s,
                u"Lab|Lab|0||visible|10.0.0.20 255.255.0.0 10.0.0.1 10.0.0.53 8.8.8.8"_s,
                u"Office|Office|4|key missing|visible|DHCP"_s,
                u"Slow|Slow|4|key missing|visible|DHCP"_s }));
    }
};

QTEST_GUILESS_MAIN(TestNetworkManagerSettings)
#include "tst_networkmanagersettings.moc"
