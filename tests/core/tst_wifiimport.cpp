#include "DocumentProbe.h"
#include "core/import/WifiImport.h"

#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(WifiImportRefusal)
Q_DECLARE_METATYPE(WifiQrParseStatus)

namespace {

// "192.168.1.10" as NetworkManager's legacy "au" value: the address bytes in network order.
uint NetworkOrder(const QString &dotted)
{
    quint32 host = 0;
    for (const QString &part : dotted.split(u'.'))
        host = (host << 8) | part.toUInt();
    return qToBigEndian(host);
}

// A Wi-Fi connection from "setting.property=value" items separated by '|', "wireless" and
// "security" standing for the 802-11 settings. Lists are comma-separated; "ssid-hex" gives the
// SSID as bytes; "address-data" is "a.b.c.d/prefix", "addresses" "a.b.c.d/prefix/gateway".
NmConnectionSettings Connection(QStringView items)
{
    static const QMap<QString, QString> names { { u"wireless"_s, u"802-11-wireless"_s },
        { u"security"_s, u"802-11-wireless-security"_s } };
    NmConnectionSettings settings;
    settings[u"connection"_s][u"type"_s] = u"802-11-wireless"_s;
    settings[u"802-11-wireless"_s][u"mode"_s] = u"infrastructure"_s;
    for (const QString &item : items.toString().split(u'|', Qt::SkipEmptyParts)) {
        const QString setting = item.section(u'.', 0, 0);
        QString property = item.section(u'=', 0, 0).section(u'.', 1);
        const QString value = item.section(u'=', 1);
        const QStringList list = value.split(u',', Qt::SkipEmptyParts);
        QVariant typed = value;
        if (property == u"ssid") {
            typed = value.toUtf8();
        } else if (property == u"ssid-hex") {
            property = u"ssid"_s;
            typed = QByteArray::fromHex(value.toLatin1());
        } else if (property == u"proto" || property == u"pairwise" || property == u"dns-data") {
            typed = list;
        } else if (property == u"wep-key-type") {
            typed = value.toUInt();
        } else if (property == u"dns") {
            QVariantList servers;
            for (const QString &server : list)
                servers.append(NetworkOrder(server));
            typed = servers;
        } else if (property == u"address-data") {
            typed = QVariantList { QVariantMap { { u"address"_s, value.section(u'/', 0, 0) },
                { u"prefix"_s, value.section(u'/', 1).toUInt() } } };
        } else if (property == u"addresses") {
            typed = QVariantList { QVariantList { NetworkOrder(value.section(u'/', 0, 0)),
                value.section(u'/', 1, 1).toUInt(), NetworkOrder(value.section(u'/', 2)) } };
        }
        settings[names.value(setting, setting)][property] = typed;
    }
    return settings;
}

// The fields of a profile that differ from a new one, as "name=value" items separated by '|'.
QString Stored(const CNetworkSetting &profile)
{
    const QStringList defaults = DocumentProbe::ProfileText(CNetworkSetting()).split(u" | "_s);
    QStringList fields = DocumentProbe::ProfileText(profile).split(u" | "_s);
    fields.removeIf([&defaults](const QString &field) { return defaults.contains(field); });
    return fields.join(u'|');
}

} // namespace

class TestWifiImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsConnection_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<WifiImportRefusal>("refusal");
        QTest::addColumn<uint>("message"); // the reason given for a refusal
        QTest::addColumn<QString>("stored"); // of an imported network
        QTest::addColumn<bool>("keyMissing");
        const auto imports
            = [](const char *rule, QStringView items, QStringView stored, bool keyMissing = false) {
                  QTest::newRow(rule) << items.toString() << WifiImportRefusal::None << 0u
                                      << stored.toString() << keyMissing;
              };
        const auto refuses = [](const char *rule, QStringView items, WifiImportRefusal refusal,
                                 MessageId message) {
            QTest::newRow(rule) << items.toString() << refusal << message << QString() << false;
        };
        using R = WifiImportRefusal;
        const QString psk
            = u"wireless.ssid=Home|security.key-mgmt=wpa-psk|security.psk=secret12|"_s;
        const QString wep = u"wireless.ssid=Old|security.key-mgmt=none|"_s;

        imports("no security setting is an open network", u"wireless.ssid=Cafe", u"ssid=Cafe");
        imports("WPA2 with AES", psk + u"security.proto=rsn|security.pairwise=ccmp"_s,
            u"key=secret12|mode=4|ssid=Home");
        imports("WPA2 with TKIP", psk + u"security.proto=rsn|security.pairwise=tkip"_s,
            u"key=secret12|mode=5|ssid=Home");
        imports("WPA with AES", psk + u"security.proto=wpa|security.pairwise=ccmp"_s,
            u"key=secret12|mode=3|ssid=Home");
        imports("both protocols and both ciphers is WPA2 AES",
            psk + u"security.proto=wpa,rsn|security.pairwise=tkip,ccmp"_s,
            u"key=secret12|mode=4|ssid=Home");
        refuses("PSK of 7 characters fails the key check",
            u"wireless.ssid=Home|security.key-mgmt=wpa-psk|security.psk=1234567", R::FailsChecks,
            Msg::NetworkKeyLength);

        imports("WEP key type key",
            wep + u"security.wep-key-type=1|security.wep-key0=abcdefghijklm"_s,
            u"key=abcdefghijklm|mode=1|ssid=Old");
        // Expected keys from `openssl md5` over the passphrase repeated to 64 bytes, first 13
        // bytes.
        imports("WEP key type passphrase is hashed, even when it does not divide 64 bytes",
            wep + u"security.wep-key-type=2|security.wep-key0=abc"_s,
            u"key=EFEFEEDAE197ED614B582E1490|mode=1|ssid=Old");
        imports("WEP key type unknown with a passphrase is hashed",
            wep + u"security.wep-key0=test"_s, u"key=9FDF3BFDFB10AFEB0925EF9605|mode=1|ssid=Old");
        imports("WEP key type unknown with a key of 5 characters",
            wep + u"security.wep-key0=abcde"_s, u"key=abcde|mode=1|ssid=Old");
        refuses("WEP key type key of the wrong length fails the key check",
            wep + u"security.wep-key-type=1|security.wep-key0=abcdef"_s, R::FailsChecks,
            Msg::NetworkKeyLength);
        imports("WEP without its key imports without key", wep, u"mode=1|ssid=Old", true);

        refuses("SAE", u"wireless.ssid=N|security.key-mgmt=sae|security.psk=secret12", R::Wpa3Only,
            Msg::ImportWpa3Security);
        refuses("OWE", u"wireless.ssid=F|security.key-mgmt=owe", R::EnhancedOpen,
            Msg::ImportEnhancedOpenSecurity);
        refuses("WPA-EAP suite B", u"wireless.ssid=W|security.key-mgmt=wpa-eap-suite-b-192",
            R::Enterprise, Msg::ImportEnterpriseSecurity);
        refuses("dynamic WEP over 802.1X", u"wireless.ssid=W|security.key-mgmt=ieee8021x",
            R::Enterprise, Msg::ImportEnterpriseSecurity);
        refuses("unknown key management", u"wireless.ssid=W|security.key-mgmt=wapi-psk",
            R::UnknownSecurity, Msg::ImportUnknownSecurity);
        refuses("SSID with a truncated UTF-8 sequence", u"wireless.ssid-hex=486f6dc3",
            R::SsidNotText, Msg::ImportSsidNotText);
        refuses("SSID of 33 characters", u"wireless.ssid="_s + QString(33, u'x'), R::FailsChecks,
            Msg::SsidLength);
        refuses("SSID with a character from U+0100 up", u"wireless.ssid=Caf\u0107", R::FailsChecks,
            Msg::SsidCharacters);
        refuses("empty SSID", u"wireless.ssid-hex=", R::FailsChecks, Msg::InputSsid);
        refuses("wired connection", u"connection.type=802-3-ethernet", R::NotWireless,
            Msg::ImportNotWireless);

        imports("manual IPv4 from legacy addresses",
            u"wireless.ssid=Lab|ipv4.method=manual|ipv4.addresses=10.1.2.3/20/10.1.0.1|"
            u"ipv4.dns=10.1.0.53",
            u"dhcp=0|dns=10.1.0.53|gateway=10.1.0.1|ip=10.1.2.3|mask=255.255.240.0|ssid=Lab");
        imports("manual IPv4 with DNS as text",
            u"wireless.ssid=Lab|ipv4.method=manual|ipv4.address-data=172.16.0.9/30|"
            u"ipv4.dns-data=1.1.1.1,1.0.0.1",
            u"dhcp=0|dns=1.1.1.1|dns2=1.0.0.1|ip=172.16.0.9|mask=255.255.255.252|ssid=Lab");
        refuses("manual IPv4 without an address", u"wireless.ssid=Lab|ipv4.method=manual",
            R::FailsChecks, Msg::InputIpAddress);
        refuses("manual IPv4 on the loopback network",
            u"wireless.ssid=Lab|ipv4.method=manual|ipv4.address-data=127.0.0.2/8", R::FailsChecks,
            Msg::InvalidIpAddress);
        imports("automatic IPv4 is DHCP, its servers ignored",
            u"wireless.ssid=Lab|ipv4.method=auto|ipv4.dns=192.168.5.2", u"ssid=Lab");
    }

    void mapsConnection()
    {
        QFETCH(QString, items);
        QFETCH(WifiImportRefusal, refusal);
        QFETCH(uint, message);
        const WifiImportResult result = MapNetworkManagerConnection(Connection(items));
        QCOMPARE(result.m_refusal, refusal);
        QCOMPARE(result.IsUsable(), refusal == WifiImportRefusal::None);
        QCOMPARE(result.m_checkMessage.has_value(), refusal == WifiImportRefusal::FailsChecks);
        if (refusal != WifiImportRefusal::None) {
            QCOMPARE(WifiImportRefusalMessage(result), message);
            QVERIFY(result.m_profile.m_networkKey.isEmpty()); // never a key from a refusal
            return;
        }
        QTEST(Stored(result.m_profile), "stored");
        QTEST(result.m_keyMissing, "keyMissing");
    }

    void mapsQrCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<WifiQrParseStatus>("status");
        QTest::addColumn<WifiImportRefusal>("refusal");
        QTest::addColumn<QString>("stored"); // of an imported network
        const auto imports = [](const char *rule, QStringView text, QStringView stored) {
            QTest::newRow(rule) << text.toString() << WifiQrParseStatus::Ok
                                << WifiImportRefusal::None << stored.toString();
        };
        const auto refuses = [](const char *rule, QStringView text, WifiQrParseStatus status,
                                 WifiImportRefusal refusal = WifiImportRefusal::None) {
            QTest::newRow(rule) << text.toString() << status << refusal << QString();
        };
        using S = WifiQrParseStatus;
        using R = WifiImportRefusal;
        // tst_wifiqrfill fills the dialog from the usual codes; these are the rarer forms.
        imports("fields out of order, WEP", u"WIFI:P:abcde;H:false;S:Old;T:WEP;;",
            u"key=abcde|mode=1|ssid=Old");
        imports("nopass drops a given key, no closing semicolons", u"WIFI:T:nopass;S:Cafe;P:x",
            u"ssid=Cafe");
        imports("escaped separators", u"WIFI:S:a\\;b\\,c\\:d\\\\e\\\"f;T:WPA;P:pa\\;ss\\\\word;;",
            u"key=pa;ss\\word|mode=4|ssid=a;b,c:d\\e\"f");
        imports("unescaped colon in a value is part of it", u"WIFI:S:Home;P:a:b:c:d;T:WPA;;",
            u"key=a:b:c:d|mode=4|ssid=Home");
        imports("quoted values", u"WIFI:S:\"1234\";T:WPA;P:\"abcdefgh\";;",
            u"key=abcdefgh|mode=4|ssid=1234");
        imports("lower-case scheme and blanks around", u"  wifi:S:Home;T:WPA;P:12345678;;\n",
            u"key=12345678|mode=4|ssid=Home");
        imports("first of a repeated field wins, H other than true is not hidden",
            u"WIFI:S:First;S:Second;H:yes;;", u"ssid=First");
        // The dialog checks the key when the user presses OK.
        imports("short WPA key is left to the dialog", u"WIFI:T:WPA;S:Home;P:short;;",
            u"key=short|mode=4|ssid=Home");

        refuses("enterprise", u"WIFI:T:WPA2-EAP;S:Work;E:PEAP;;", S::Ok, R::Enterprise);
        refuses("unknown type", u"WIFI:T:XYZ;S:Odd;;", S::Ok, R::UnknownSecurity);
        refuses("SSID of 33 characters", u"WIFI:S:"_s + QString(33, u'y') + u";;"_s, S::Ok,
            R::FailsChecks);
        refuses("SSID beyond U+00FF", u"WIFI:S:\u5bb6;;", S::Ok, R::FailsChecks);

        refuses("empty SSID", u"WIFI:S:;T:nopass;;", S::Malformed);
        refuses("field without a colon", u"WIFI:S:Home;garbage;;", S::Malformed);
        refuses("dangling escape", u"WIFI:S:Home;P:abc\\", S::Malformed);
        refuses("unclosed quote", u"WIFI:S:\"Home;;", S::Malformed);
        refuses("prefix not at the start", u"see WIFI:S:Home;;", S::NotWifiCode);
    }

    void mapsQrCode()
    {
        QFETCH(QString, text);
        QFETCH(WifiQrParseStatus, status);
        QFETCH(WifiImportRefusal, refusal);
        const WifiQrParseResult parsed = ParseWifiQrText(text);
        QCOMPARE(parsed.m_status, status);
        if (status != WifiQrParseStatus::Ok)
            return;
        const WifiImportResult result = MapWifiQrCode(parsed.m_code);
        QCOMPARE(result.m_refusal, refusal);
        QTEST(refusal == WifiImportRefusal::None ? Stored(result.m_profile)
                                                 : result.m_profile.m_networkKey,
            "stored");
    }
};

QTEST_GUILESS_MAIN(TestWifiImport)
#include "tst_wifiimport.moc"
