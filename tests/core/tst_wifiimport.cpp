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
    const QStringList parts = dotted.split(u'.');
    const quint32 host = (parts.at(0).toUInt() << 24) | (parts.at(1).toUInt() << 16)
        | (parts.at(2).toUInt() << 8) | parts.at(3).toUInt();
    return qToBigEndian(host);
}

// A connection from lines "setting.property=value". Values: "ssid" as text or "ssid-hex" as
// bytes; "proto", "pairwise", "dns" and "dns-data" comma-separated; "address-data" as
// "a.b.c.d/prefix"; "addresses" as "a.b.c.d/prefix/gateway"; "hidden" true or false;
// "wep-key-type" a number. Every connection is a Wi-Fi one unless "connection.type" says not.
NmConnectionSettings Connection(const QStringList &lines)
{
    NmConnectionSettings settings;
    settings[u"connection"_s][u"type"_s] = u"802-11-wireless"_s;
    settings[u"connection"_s][u"id"_s] = u"Connection 1"_s;
    settings[u"802-11-wireless"_s][u"mode"_s] = u"infrastructure"_s;
    for (const QString &line : lines) {
        const QString path = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        QString setting = path.section(u'.', 0, 0);
        const QString property = path.section(u'.', 1);
        if (setting == u"wireless")
            setting = u"802-11-wireless"_s;
        else if (setting == u"security")
            setting = u"802-11-wireless-security"_s;
        QVariant typed = value;
        if (property == u"ssid") {
            typed = value.toUtf8();
        } else if (property == u"ssid-hex") {
            settings[setting][u"ssid"_s] = QByteArray::fromHex(value.toLatin1());
            continue;
        } else if (property == u"proto" || property == u"pairwise" || property == u"dns-data") {
            typed = value.split(u',', Qt::SkipEmptyParts);
        } else if (property == u"hidden") {
            typed = value == u"true";
        } else if (property == u"wep-key-type") {
            typed = value.toUInt();
        } else if (property == u"dns") {
            QVariantList servers;
            for (const QString &server : value.split(u','))
                servers.append(NetworkOrder(server));
            typed = servers;
        } else if (property == u"address-data") {
            typed = QVariantList { QVariantMap { { u"address"_s, value.section(u'/', 0, 0) },
                { u"prefix"_s, value.section(u'/', 1).toUInt() } } };
        } else if (property == u"addresses") {
            const QStringList parts = value.split(u'/');
            typed = QVariantList { QVariantList {
                NetworkOrder(parts.at(0)), parts.at(1).toUInt(), NetworkOrder(parts.at(2)) } };
        }
        settings[setting][property] = typed;
    }
    return settings;
}

QString Dotted(const IpAddressField &address)
{
    if (!address.IsComplete())
        return {};
    return u"%1.%2.%3.%4"_s.arg(address.m_octets[0])
        .arg(address.m_octets[1])
        .arg(address.m_octets[2])
        .arg(address.m_octets[3]);
}

// The stored fields of a profile as one line, addresses blank when not complete.
QString Summary(const CNetworkSetting &p)
{
    return u"ssid=%1 stealth=%2 mode=%3 key=%4 dhcp=%5 ip=%6 mask=%7 gw=%8 dns=%9 dns2=%10"_s
        .arg(p.m_ssid)
        .arg(p.m_stealthSsid)
        .arg(p.m_securityMode)
        .arg(p.m_networkKey)
        .arg(p.m_dhcp)
        .arg(Dotted(p.m_ipAddress), Dotted(p.m_subnetMask), Dotted(p.m_defaultGateway),
            Dotted(p.m_dns), Dotted(p.m_secondaryDns));
}

const QString kPsk = u"correct horse"_s;

} // namespace

class TestWifiImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsConnection_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<WifiImportRefusal>("refusal");
        QTest::addColumn<QString>("profile"); // checked when the network is imported
        QTest::addColumn<bool>("keyMissing");

        const QString dhcp = u" dhcp=1 ip= mask= gw= dns= dns2="_s;
        const auto psk = [](const QString &proto, const QString &pairwise) {
            QStringList lines { u"wireless.ssid=Home"_s, u"security.key-mgmt=wpa-psk"_s,
                u"security.psk=correct horse"_s };
            if (!proto.isEmpty())
                lines.append(u"security.proto="_s + proto);
            if (!pairwise.isEmpty())
                lines.append(u"security.pairwise="_s + pairwise);
            return lines;
        };
        const QString wpa = u"ssid=Home stealth=0 mode=%1 key=correct horse"_s + dhcp;

        QTest::newRow("no security setting is an open network")
            << QStringList { u"wireless.ssid=Cafe"_s } << WifiImportRefusal::None
            << u"ssid=Cafe stealth=0 mode=0 key="_s + dhcp << false;
        QTest::newRow("hidden gives Stealth SSID")
            << QStringList { u"wireless.ssid=Cafe"_s, u"wireless.hidden=true"_s }
            << WifiImportRefusal::None << u"ssid=Cafe stealth=1 mode=0 key="_s + dhcp << false;
        QTest::newRow("WPA2 with AES")
            << psk(u"rsn"_s, u"ccmp"_s) << WifiImportRefusal::None << wpa.arg(4) << false;
        QTest::newRow("WPA2 with TKIP")
            << psk(u"rsn"_s, u"tkip"_s) << WifiImportRefusal::None << wpa.arg(5) << false;
        QTest::newRow("WPA with TKIP")
            << psk(u"wpa"_s, u"tkip"_s) << WifiImportRefusal::None << wpa.arg(2) << false;
        QTest::newRow("WPA with AES")
            << psk(u"wpa"_s, u"ccmp"_s) << WifiImportRefusal::None << wpa.arg(3) << false;
        QTest::newRow("both protocols and both ciphers is WPA2 AES")
            << psk(u"wpa,rsn"_s, u"tkip,ccmp"_s) << WifiImportRefusal::None << wpa.arg(4) << false;
        QTest::newRow("nothing said is WPA2 AES")
            << psk({}, {}) << WifiImportRefusal::None << wpa.arg(4) << false;
        QTest::newRow("WPA only with either cipher is WPA AES")
            << psk(u"wpa"_s, {}) << WifiImportRefusal::None << wpa.arg(3) << false;
        QTest::newRow("WPA3 transition network saved as WPA-PSK is WPA2 AES")
            << psk(u"rsn"_s, u"ccmp"_s) + QStringList { u"security.pmf=2"_s }
            << WifiImportRefusal::None << wpa.arg(4) << false;
        QTest::newRow("PSK not handed over imports without key")
            << QStringList { u"wireless.ssid=Home"_s, u"security.key-mgmt=wpa-psk"_s }
            << WifiImportRefusal::None << u"ssid=Home stealth=0 mode=4 key="_s + dhcp << true;
        QTest::newRow("PSK of 64 hex digits")
            << QStringList { u"wireless.ssid=Home"_s, u"security.key-mgmt=wpa-psk"_s,
                   u"security.psk="_s + QString(64, u'a') }
            << WifiImportRefusal::None
            << u"ssid=Home stealth=0 mode=4 key="_s + QString(64, u'a') + dhcp << false;
        QTest::newRow("PSK of 7 characters fails the key check") << QStringList {
            u"wireless.ssid=Home"_s, u"security.key-mgmt=wpa-psk"_s, u"security.psk=1234567"_s
        } << WifiImportRefusal::FailsChecks << QString() << false;

        const QString wepKey = u"ssid=Old stealth=0 mode=1 key=%1"_s + dhcp;
        QTest::newRow("WEP key type key, 13 characters")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s,
                   u"security.wep-key-type=1"_s, u"security.wep-key0=abcdefghijklm"_s }
            << WifiImportRefusal::None << wepKey.arg(u"abcdefghijklm"_s) << false;
        QTest::newRow("WEP key type key, 10 hex digits")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s,
                   u"security.wep-key-type=1"_s, u"security.wep-key0=0123456789"_s }
            << WifiImportRefusal::None << wepKey.arg(u"0123456789"_s) << false;
        // Expected keys from `openssl md5` over the passphrase repeated to 64 bytes, first 13
        // bytes.
        QTest::newRow("WEP key type passphrase is hashed to the 104-bit key")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s,
                   u"security.wep-key-type=2"_s, u"security.wep-key0=test"_s }
            << WifiImportRefusal::None << wepKey.arg(u"9FDF3BFDFB10AFEB0925EF9605"_s) << false;
        QTest::newRow("WEP key type unknown with a passphrase is hashed")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s,
                   u"security.wep-key0=test"_s }
            << WifiImportRefusal::None << wepKey.arg(u"9FDF3BFDFB10AFEB0925EF9605"_s) << false;
        QTest::newRow("WEP passphrase that does not divide 64 bytes")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s,
                   u"security.wep-key-type=2"_s, u"security.wep-key0=abc"_s }
            << WifiImportRefusal::None << wepKey.arg(u"EFEFEEDAE197ED614B582E1490"_s) << false;
        QTest::newRow("WEP key type unknown with a key of 5 characters") << QStringList {
            u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s, u"security.wep-key0=abcde"_s
        } << WifiImportRefusal::None << wepKey.arg(u"abcde"_s) << false;
        QTest::newRow("WEP key type key of the wrong length fails the key check")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s,
                   u"security.wep-key-type=1"_s, u"security.wep-key0=abcdef"_s }
            << WifiImportRefusal::FailsChecks << QString() << false;
        QTest::newRow("WEP without its key imports without key")
            << QStringList { u"wireless.ssid=Old"_s, u"security.key-mgmt=none"_s }
            << WifiImportRefusal::None << wepKey.arg(QString()) << true;

        QTest::newRow("SAE is refused") << QStringList { u"wireless.ssid=New"_s,
            u"security.key-mgmt=sae"_s, u"security.psk=correct horse"_s }
                                        << WifiImportRefusal::Wpa3Only << QString() << false;
        QTest::newRow("OWE is refused")
            << QStringList { u"wireless.ssid=Free"_s, u"security.key-mgmt=owe"_s }
            << WifiImportRefusal::EnhancedOpen << QString() << false;
        QTest::newRow("WPA-EAP is refused")
            << QStringList { u"wireless.ssid=Work"_s, u"security.key-mgmt=wpa-eap"_s }
            << WifiImportRefusal::Enterprise << QString() << false;
        QTest::newRow("WPA-EAP suite B is refused")
            << QStringList { u"wireless.ssid=Work"_s, u"security.key-mgmt=wpa-eap-suite-b-192"_s }
            << WifiImportRefusal::Enterprise << QString() << false;
        QTest::newRow("dynamic WEP over 802.1X is refused")
            << QStringList { u"wireless.ssid=Work"_s, u"security.key-mgmt=ieee8021x"_s }
            << WifiImportRefusal::Enterprise << QString() << false;
        QTest::newRow("unknown key management is refused")
            << QStringList { u"wireless.ssid=Work"_s, u"security.key-mgmt=wapi-psk"_s }
            << WifiImportRefusal::UnknownSecurity << QString() << false;

        QTest::newRow("SSID bytes not UTF-8")
            << QStringList { u"wireless.ssid-hex=48ff6f6d65"_s } << WifiImportRefusal::SsidNotText
            << QString() << false;
        QTest::newRow("SSID with a truncated UTF-8 sequence")
            << QStringList { u"wireless.ssid-hex=486f6dc3"_s } << WifiImportRefusal::SsidNotText
            << QString() << false;
        QTest::newRow("SSID of 32 characters")
            << QStringList { u"wireless.ssid="_s + QString(32, u'x') } << WifiImportRefusal::None
            << u"ssid="_s + QString(32, u'x') + u" stealth=0 mode=0 key="_s + dhcp << false;
        QTest::newRow("SSID of 33 characters")
            << QStringList { u"wireless.ssid="_s + QString(33, u'x') }
            << WifiImportRefusal::FailsChecks << QString() << false;
        QTest::newRow("SSID with a character from U+0100 up")
            << QStringList { u"wireless.ssid=Caf\u0107"_s } << WifiImportRefusal::FailsChecks
            << QString() << false;
        QTest::newRow("SSID with a character up to U+00FF")
            << QStringList { u"wireless.ssid=Caf\u00e9"_s } << WifiImportRefusal::None
            << u"ssid=Caf\u00e9 stealth=0 mode=0 key="_s + dhcp << false;
        QTest::newRow("empty SSID") << QStringList { u"wireless.ssid-hex="_s }
                                    << WifiImportRefusal::FailsChecks << QString() << false;
        QTest::newRow("wired connection") << QStringList { u"connection.type=802-3-ethernet"_s }
                                          << WifiImportRefusal::NotWireless << QString() << false;

        const QString open = u"wireless.ssid=Lab"_s;
        QTest::newRow("manual IPv4 from address data")
            << QStringList { open, u"ipv4.method=manual"_s, u"ipv4.address-data=192.168.5.20/24"_s,
                   u"ipv4.gateway=192.168.5.1"_s, u"ipv4.dns=192.168.5.2,8.8.8.8,9.9.9.9"_s }
            << WifiImportRefusal::None
            << u"ssid=Lab stealth=0 mode=0 key= dhcp=0 ip=192.168.5.20 mask=255.255.255.0 "
               u"gw=192.168.5.1 dns=192.168.5.2 dns2=8.8.8.8"_s
            << false;
        QTest::newRow("manual IPv4 from legacy addresses")
            << QStringList { open, u"ipv4.method=manual"_s,
                   u"ipv4.addresses=10.1.2.3/20/10.1.0.1"_s, u"ipv4.dns=10.1.0.53"_s }
            << WifiImportRefusal::None
            << u"ssid=Lab stealth=0 mode=0 key= dhcp=0 ip=10.1.2.3 mask=255.255.240.0 "
               u"gw=10.1.0.1 dns=10.1.0.53 dns2="_s
            << false;
        QTest::newRow("manual IPv4 with DNS as text")
            << QStringList { open, u"ipv4.method=manual"_s, u"ipv4.address-data=172.16.0.9/30"_s,
                   u"ipv4.dns-data=1.1.1.1,1.0.0.1"_s }
            << WifiImportRefusal::None
            << u"ssid=Lab stealth=0 mode=0 key= dhcp=0 ip=172.16.0.9 mask=255.255.255.252 "
               u"gw= dns=1.1.1.1 dns2=1.0.0.1"_s
            << false;
        QTest::newRow("manual IPv4 without an address fails the address check")
            << QStringList { open, u"ipv4.method=manual"_s } << WifiImportRefusal::FailsChecks
            << QString() << false;
        QTest::newRow("manual IPv4 on the loopback network fails the address check")
            << QStringList { open, u"ipv4.method=manual"_s, u"ipv4.address-data=127.0.0.2/8"_s }
            << WifiImportRefusal::FailsChecks << QString() << false;
        QTest::newRow("automatic IPv4 is DHCP")
            << QStringList { open, u"ipv4.method=auto"_s, u"ipv4.dns=192.168.5.2"_s }
            << WifiImportRefusal::None << u"ssid=Lab stealth=0 mode=0 key="_s + dhcp << false;
        QTest::newRow("link-local IPv4 is DHCP")
            << QStringList { open, u"ipv4.method=link-local"_s } << WifiImportRefusal::None
            << u"ssid=Lab stealth=0 mode=0 key="_s + dhcp << false;
    }

    void mapsConnection()
    {
        QFETCH(QStringList, lines);
        QFETCH(WifiImportRefusal, refusal);
        QFETCH(QString, profile);
        QFETCH(bool, keyMissing);

        const WifiImportResult result = MapNetworkManagerConnection(Connection(lines));
        QCOMPARE(result.m_refusal, refusal);
        QCOMPARE(result.IsUsable(), refusal == WifiImportRefusal::None);
        if (refusal == WifiImportRefusal::None) {
            QCOMPARE(Summary(result.m_profile), profile);
            QCOMPARE(result.m_keyMissing, keyMissing);
            QVERIFY(!result.m_checkMessage);
        } else {
            // A refused network never carries a key anywhere.
            QVERIFY(result.m_profile.m_networkKey.isEmpty());
        }
        QCOMPARE(result.m_checkMessage.has_value(), refusal == WifiImportRefusal::FailsChecks);
    }

    void refusalNamesTheFailedCheck_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<MessageId>("message");
        QTest::newRow("33 characters") << QStringList { u"wireless.ssid="_s + QString(33, u'x') }
                                       << MessageId(Msg::SsidLength);
        QTest::newRow("character U+0107")
            << QStringList { u"wireless.ssid=Caf\u0107"_s } << MessageId(Msg::SsidCharacters);
        QTest::newRow("short PSK") << QStringList { u"wireless.ssid=Home"_s,
            u"security.key-mgmt=wpa-psk"_s, u"security.psk=short"_s }
                                   << MessageId(Msg::NetworkKeyLength);
        QTest::newRow("no address")
            << QStringList { u"wireless.ssid=Lab"_s, u"ipv4.method=manual"_s }
            << MessageId(Msg::InputIpAddress);
        QTest::newRow("not UTF-8")
            << QStringList { u"wireless.ssid-hex=ff"_s } << MessageId(Msg::ImportSsidNotText);
        QTest::newRow("SAE") << QStringList { u"wireless.ssid=New"_s, u"security.key-mgmt=sae"_s }
                             << MessageId(Msg::ImportWpa3Security);
        QTest::newRow("EAP") << QStringList { u"wireless.ssid=W"_s, u"security.key-mgmt=wpa-eap"_s }
                             << MessageId(Msg::ImportEnterpriseSecurity);
        QTest::newRow("OWE") << QStringList { u"wireless.ssid=W"_s, u"security.key-mgmt=owe"_s }
                             << MessageId(Msg::ImportEnhancedOpenSecurity);
    }

    void refusalNamesTheFailedCheck()
    {
        QFETCH(QStringList, lines);
        QFETCH(MessageId, message);
        QCOMPARE(WifiImportRefusalMessage(MapNetworkManagerConnection(Connection(lines))), message);
    }

    void parsesQrText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<WifiQrParseStatus>("status");
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("hidden");

        const auto ok = WifiQrParseStatus::Ok;
        const auto bad = WifiQrParseStatus::Malformed;
        const auto none = WifiQrParseStatus::NotWifiCode;
        QTest::newRow("usual order") << u"WIFI:T:WPA;S:Home;P:secret12;H:true;;"_s << ok
                                     << u"Home"_s << u"WPA"_s << u"secret12"_s << true;
        QTest::newRow("fields out of order") << u"WIFI:P:secret12;H:false;S:Home;T:WEP;;"_s << ok
                                             << u"Home"_s << u"WEP"_s << u"secret12"_s << false;
        QTest::newRow("only the SSID")
            << u"WIFI:S:Cafe;;"_s << ok << u"Cafe"_s << QString() << QString() << false;
        QTest::newRow("no closing semicolons")
            << u"WIFI:S:Cafe;T:nopass"_s << ok << u"Cafe"_s << u"nopass"_s << QString() << false;
        QTest::newRow("escaped separators in the SSID")
            << u"WIFI:S:a\\;b\\,c\\:d\\\\e\\\"f;T:WPA;P:12345678;;"_s << ok << u"a;b,c:d\\e\"f"_s
            << u"WPA"_s << u"12345678"_s << false;
        QTest::newRow("key with semicolon and backslash")
            << u"WIFI:T:WPA;P:pa\\;ss\\\\word;S:Home;;"_s << ok << u"Home"_s << u"WPA"_s
            << u"pa;ss\\word"_s << false;
        QTest::newRow("unescaped colon in a value is part of it")
            << u"WIFI:S:Home;P:a:b:c:d;T:WPA;;"_s << ok << u"Home"_s << u"WPA"_s << u"a:b:c:d"_s
            << false;
        QTest::newRow("quoted value") << u"WIFI:S:\"1234\";T:WPA;P:\"abcdefgh\";;"_s << ok
                                      << u"1234"_s << u"WPA"_s << u"abcdefgh"_s << false;
        QTest::newRow("SAE type kept") << u"WIFI:T:SAE;S:New;P:secret12;;"_s << ok << u"New"_s
                                       << u"SAE"_s << u"secret12"_s << false;
        QTest::newRow("lower-case scheme and blanks around")
            << u"  wifi:S:Home;T:WPA;P:12345678;;\n"_s << ok << u"Home"_s << u"WPA"_s
            << u"12345678"_s << false;
        QTest::newRow("first of a repeated field wins")
            << u"WIFI:S:First;S:Second;;"_s << ok << u"First"_s << QString() << QString() << false;
        QTest::newRow("H other than true is not hidden")
            << u"WIFI:S:Home;H:yes;;"_s << ok << u"Home"_s << QString() << QString() << false;
        QTest::newRow("non-Latin SSID parses")
            << u"WIFI:S:\u5bb6;;"_s << ok << u"\u5bb6"_s << QString() << QString() << false;

        QTest::newRow("missing SSID")
            << u"WIFI:T:WPA;P:12345678;;"_s << bad << QString() << QString() << QString() << false;
        QTest::newRow("empty SSID")
            << u"WIFI:S:;T:nopass;;"_s << bad << QString() << QString() << QString() << false;
        QTest::newRow("field without a colon")
            << u"WIFI:S:Home;garbage;;"_s << bad << QString() << QString() << QString() << false;
        QTest::newRow("dangling escape")
            << u"WIFI:S:Home;P:abc\\"_s << bad << QString() << QString() << QString() << false;
        QTest::newRow("unclosed quote")
            << u"WIFI:S:\"Home;;"_s << bad << QString() << QString() << QString() << false;
        QTest::newRow("prefix only")
            << u"WIFI:"_s << bad << QString() << QString() << QString() << false;
        QTest::newRow("a web address")
            << u"https://example.org/"_s << none << QString() << QString() << QString() << false;
        QTest::newRow("empty text")
            << QString() << none << QString() << QString() << QString() << false;
        QTest::newRow("prefix not at the start")
            << u"see WIFI:S:Home;;"_s << none << QString() << QString() << QString() << false;
    }

    void parsesQrText()
    {
        QFETCH(QString, text);
        QFETCH(WifiQrParseStatus, status);
        const WifiQrParseResult result = ParseWifiQrText(text);
        QCOMPARE(result.m_status, status);
        if (status != WifiQrParseStatus::Ok)
            return;
        QTEST(result.m_code.m_ssid, "ssid");
        QTEST(result.m_code.m_type, "type");
        QTEST(result.m_code.m_password, "password");
        QTEST(result.m_code.m_hidden, "hidden");
    }

    void mapsQrCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<WifiImportRefusal>("refusal");
        QTest::addColumn<QString>("profile");

        const QString dhcp = u" dhcp=1 ip= mask= gw= dns= dns2="_s;
        QTest::newRow("WPA is WPA2 PSK AES with the key")
            << u"WIFI:T:WPA;S:Home;P:secret12;;"_s << WifiImportRefusal::None
            << u"ssid=Home stealth=0 mode=4 key=secret12"_s + dhcp;
        QTest::newRow("WEP with the key")
            << u"WIFI:T:WEP;S:Old;P:abcde;H:true;;"_s << WifiImportRefusal::None
            << u"ssid=Old stealth=1 mode=1 key=abcde"_s + dhcp;
        QTest::newRow("nopass has no key even if one is given")
            << u"WIFI:T:nopass;S:Cafe;P:ignored;;"_s << WifiImportRefusal::None
            << u"ssid=Cafe stealth=0 mode=0 key="_s + dhcp;
        QTest::newRow("missing type is no security")
            << u"WIFI:S:Cafe;;"_s << WifiImportRefusal::None
            << u"ssid=Cafe stealth=0 mode=0 key="_s + dhcp;
        QTest::newRow("SAE is refused")
            << u"WIFI:T:SAE;S:New;P:secret12;;"_s << WifiImportRefusal::Wpa3Only << QString();
        QTest::newRow("enterprise is refused")
            << u"WIFI:T:WPA2-EAP;S:Work;E:PEAP;;"_s << WifiImportRefusal::Enterprise << QString();
        QTest::newRow("unknown type is refused")
            << u"WIFI:T:XYZ;S:Odd;;"_s << WifiImportRefusal::UnknownSecurity << QString();
        QTest::newRow("SSID of 33 characters is refused")
            << u"WIFI:S:"_s + QString(33, u'y') + u";;"_s << WifiImportRefusal::FailsChecks
            << QString();
        QTest::newRow("SSID beyond U+00FF is refused")
            << u"WIFI:S:\u5bb6;;"_s << WifiImportRefusal::FailsChecks << QString();
        // The dialog checks the key when the user presses OK.
        QTest::newRow("short WPA key is left to the dialog")
            << u"WIFI:T:WPA;S:Home;P:short;;"_s << WifiImportRefusal::None
            << u"ssid=Home stealth=0 mode=4 key=short"_s + dhcp;
    }

    void mapsQrCode()
    {
        QFETCH(QString, text);
        QFETCH(WifiImportRefusal, refusal);
        const WifiQrParseResult parsed = ParseWifiQrText(text);
        QCOMPARE(parsed.m_status, WifiQrParseStatus::Ok);
        const WifiImportResult result = MapWifiQrCode(parsed.m_code);
        QCOMPARE(result.m_refusal, refusal);
        if (refusal == WifiImportRefusal::None)
            QTEST(Summary(result.m_profile), "profile");
        else
            QVERIFY(result.m_profile.m_networkKey.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWifiImport)
#include "tst_wifiimport.moc"
