#include "DocumentProbe.h"
#include "core/import/WifiImport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "setting.property=value" items separated by '|', "wireless" and "security" standing for the
// 802-11 settings; "ssid-hex" gives the SSID as bytes, "address-data" is "a.b.c.d/prefix".
NmConnectionSettings Connection(QStringView items)
{
    NmConnectionSettings settings;
    settings[u"connection"_s][u"type"_s] = u"802-11-wireless"_s;
    settings[u"802-11-wireless"_s][u"mode"_s] = u"infrastructure"_s;
    for (const QString &item : items.toString().split(u'|', Qt::SkipEmptyParts)) {
        QString setting = item.section(u'.', 0, 0);
        if (setting == u"wireless" || setting == u"security")
            setting = setting == u"wireless" ? u"802-11-wireless"_s : u"802-11-wireless-security"_s;
        const QString property = item.section(u'=', 0, 0).section(u'.', 1);
        const QString value = item.section(u'=', 1);
        QVariant typed = value;
        if (property == u"ssid")
            typed = value.toUtf8();
        else if (property == u"ssid-hex")
            typed = QByteArray::fromHex(value.toLatin1());
        else if (property == u"proto" || property == u"pairwise" || property == u"dns-data")
            typed = value.split(u',');
        else if (property == u"wep-key-type")
            typed = value.toUInt();
        else if (property == u"address-data")
            typed = QVariantList { QVariantMap { { u"address"_s, value.section(u'/', 0, 0) },
                { u"prefix"_s, value.section(u'/', 1).toUInt() } } };
        settings[setting][property == u"ssid-hex" ? u"ssid"_s : property] = typed;
    }
    return settings;
}

// What an import gives: the fields that differ from a new profile, or the message that refuses
// it and any key left.
QString Outcome(const WifiImportResult &r)
{
    if (r.IsUsable()) {
        const QStringList defaults = DocumentProbe::ProfileText(CNetworkSetting()).split(u" | "_s);
        QStringList fields = DocumentProbe::ProfileText(r.m_profile).split(u" | "_s);
        fields.removeIf([&defaults](const QString &field) { return defaults.contains(field); });
        return fields.join(u'|') + (r.m_keyMissing ? u"|no key"_s : QString());
    }
    return u"refused %1%2"_s.arg(uint(WifiImportRefusalMessage(r))).arg(r.m_profile.m_networkKey);
}

QString Refused(MessageId message)
{
    return u"refused %1"_s.arg(uint(message));
}

} // namespace

class TestWifiImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imports_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *rule, QStringView source, QStringView expected) {
            QTest::newRow(rule) << source.toString() << expected.toString();
        };
        const QString psk
            = u"wireless.ssid=Home|security.key-mgmt=wpa-psk|security.psk=secret12|"_s;
        const QString wep = u"wireless.ssid=Old|security.key-mgmt=none|"_s;

        row("no security setting is an open network", u"wireless.ssid=Cafe", u"ssid=Cafe");
        row("WPA2 with TKIP", psk + u"security.proto=rsn|security.pairwise=tkip"_s,
            u"key=secret12|mode=5|ssid=Home");
        row("both protocols and both ciphers is WPA2 AES",
            psk + u"security.proto=wpa,rsn|security.pairwise=tkip,ccmp"_s,
            u"key=secret12|mode=4|ssid=Home");
        // The keys are `openssl md5` over the passphrase repeated to 64 bytes, first 13 bytes.
        row("WEP key type passphrase is hashed, even when it does not divide 64 bytes",
            wep + u"security.wep-key-type=2|security.wep-key0=abc"_s,
            u"key=EFEFEEDAE197ED614B582E1490|mode=1|ssid=Old");
        row("WEP key type unknown with a key of 5 characters", wep + u"security.wep-key0=abcde"_s,
            u"key=abcde|mode=1|ssid=Old");
        row("WEP without its key imports without key", wep, u"mode=1|ssid=Old|no key");
        row("SAE", u"wireless.ssid=N|security.key-mgmt=sae|security.psk=secret12",
            Refused(Msg::ImportWpa3Security));
        row("dynamic WEP over 802.1X", u"wireless.ssid=W|security.key-mgmt=ieee8021x",
            Refused(Msg::ImportEnterpriseSecurity));
        row("SSID with a truncated UTF-8 sequence", u"wireless.ssid-hex=486f6dc3",
            Refused(Msg::ImportSsidNotText));
        row("SSID of 33 characters", u"wireless.ssid="_s + QString(33, u'x'),
            Refused(Msg::SsidLength));
        row("wired connection", u"connection.type=802-3-ethernet", Refused(Msg::ImportNotWireless));
        row("manual IPv4 with DNS as text",
            u"wireless.ssid=Lab|ipv4.method=manual|ipv4.address-data=172.16.0.9/30|"
            u"ipv4.dns-data=1.1.1.1,1.0.0.1",
            u"dhcp=0|dns=1.1.1.1|dns2=1.0.0.1|ip=172.16.0.9|mask=255.255.255.252|ssid=Lab");
        row("manual IPv4 on the loopback network",
            u"wireless.ssid=Lab|ipv4.method=manual|ipv4.address-data=127.0.0.2/8",
            Refused(Msg::InvalidIpAddress));
        row("automatic IPv4 is DHCP, its servers ignored",
            u"wireless.ssid=Lab|ipv4.method=auto|ipv4.dns-data=192.168.5.2", u"ssid=Lab");

        row("QR: fields out of order, WEP", u"WIFI:P:abcde;H:false;S:Old;T:WEP;;",
            u"key=abcde|mode=1|ssid=Old");
        row("QR: nopass drops a given key, no closing semicolons", u"WIFI:T:nopass;S:Cafe;P:x",
            u"ssid=Cafe");
        row("QR: escaped separators", u"WIFI:S:a\\;b\\,c\\:d\\\\e\\\"f;T:WPA;P:pa\\;ss\\\\word;;",
            u"key=pa;ss\\word|mode=4|ssid=a;b,c:d\\e\"f");
        row("QR: unknown type", u"WIFI:T:XYZ;S:Odd;;", Refused(Msg::ImportUnknownSecurity));
        row("QR: empty SSID", u"WIFI:S:;T:nopass;;", u"malformed");
        row("QR: dangling escape", u"WIFI:S:Home;P:abc\\", u"malformed");
        row("QR: prefix not at the start", u"see WIFI:S:Home;;", u"no Wi-Fi code");
    }

    void imports()
    {
        QFETCH(QString, source);
        if (!source.contains(u"wifi:", Qt::CaseInsensitive)) {
            QTEST(Outcome(MapNetworkManagerConnection(Connection(source))), "expected");
            return;
        }
        const WifiQrParseResult parsed = ParseWifiQrText(source);
        if (parsed.m_status == WifiQrParseStatus::Ok)
            QTEST(Outcome(MapWifiQrCode(parsed.m_code)), "expected");
        else
            QTEST(parsed.m_status == WifiQrParseStatus::Malformed ? u"malformed"_s
                                                                  : u"no Wi-Fi code"_s,
                "expected");
    }
};

QTEST_GUILESS_MAIN(TestWifiImport)
#include "tst_wifiimport.moc"
