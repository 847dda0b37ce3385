#include "DocumentProbe.h"
#include "core/import/WifiImport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "setting.property=value" items separated by '|', "wireless" and "security" standing for the
// 802-11 settings; "ssid-hex" gives the SSID as bytes, "address-data" is "a.b.c.d/prefix".
NmConnectionSettings Connection(const QString &items)
{
    NmConnectionSettings settings;
    const QString all = u"connection.type=802-11-wireless|wireless.mode=infrastructure|"_s + items;
    for (const QString &item : all.split(u'|', Qt::SkipEmptyParts)) {
        const QString setting = item.section(u'.', 0, 0)
                                    .replace(u"wireless"_s, u"802-11-wireless"_s)
                                    .replace(u"security"_s, u"802-11-wireless-security"_s);
        const QString property = item.section(u'=', 0, 0).section(u'.', 1);
        const QString value = item.section(u'=', 1);
        QVariant typed = value;
        if (property.startsWith(u"ssid"))
            typed = property == u"ssid" ? value.toUtf8() : QByteArray::fromHex(value.toLatin1());
        else if (property == u"proto" || property == u"pairwise" || property == u"dns-data")
            typed = value.split(u',');
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
    if (r.IsUsable())
        return DocumentProbe::ChangedFields(r.m_profile).join(u'|')
            + (r.m_keyMissing ? u"|no key"_s : QString());
    return u"refused %1%2"_s.arg(uint(WifiImportRefusalMessage(r))).arg(r.m_profile.m_networkKey);
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
        const auto refused = [](MessageId m) {
            return u"refused %1"_s.arg(uint(m));
        };
        const QString psk = u"wireless.ssid=H|security.key-mgmt=wpa-psk|security.psk=secret12|"_s;
        const QString wep = u"wireless.ssid=Old|security.key-mgmt=none|"_s;

        row("no security setting is an open network", u"wireless.ssid=Cafe", u"ssid=Cafe");
        row("WPA2 with TKIP", psk + u"security.proto=rsn|security.pairwise=tkip"_s,
            u"key=secret12|mode=5|ssid=H");
        row("both protocols and both ciphers is WPA2 AES",
            psk + u"security.proto=wpa,rsn|security.pairwise=tkip,ccmp"_s,
            u"key=secret12|mode=4|ssid=H");
        // The keys are `openssl md5` over the passphrase repeated to 64 bytes, first 13 bytes.
        row("WEP key type passphrase is hashed, even when it does not divide 64 bytes",
            wep + u"security.wep-key-type=2|security.wep-key0=abc"_s,
            u"key=EFEFEEDAE197ED614B582E1490|mode=1|ssid=Old");
        row("WEP key of 5", wep + u"security.wep-key0=abcde"_s, u"key=abcde|mode=1|ssid=Old");
        row("WEP without its key imports without key", wep, u"mode=1|ssid=Old|no key");
        row("SAE", u"wireless.ssid=N|security.key-mgmt=sae|security.psk=secret12",
            refused(Msg::ImportWpa3Security));
        row("802.1X", u"wireless.ssid=W|security.key-mgmt=ieee8021x",
            refused(Msg::ImportEnterpriseSecurity));
        row("SSID not UTF-8", u"wireless.ssid-hex=486f6dc3", refused(Msg::ImportSsidNotText));
        row("wired connection", u"connection.type=802-3-ethernet", refused(Msg::ImportNotWireless));
        const QString manual = u"wireless.ssid=Lab|ipv4.method=manual|ipv4.address-data="_s;
        row("manual IPv4 with DNS as text",
            manual + u"172.16.0.9/30|ipv4.dns-data=1.1.1.1,1.0.0.1"_s,
            u"dhcp=0|dns=1.1.1.1|dns2=1.0.0.1|ip=172.16.0.9|mask=255.255.255.252|ssid=Lab");
        // Refused after its key was read, which it must not keep.
        row("manual IPv4 on the loopback network", manual + u"127.0.0.2/8|"_s + psk,
            refused(Msg::InvalidIpAddress));

        row("QR: WEP, any order", u"WIFI:P:abcde;H:false;S:Old;T:WEP;;",
            u"key=abcde|mode=1|ssid=Old");
        row("QR: nopass drops a key, no closing ;", u"WIFI:T:nopass;S:Cafe;P:x", u"ssid=Cafe");
        row("QR: escaped separators", u"WIFI:S:a\\;b\\,c\\:d\\\\e\\\"f;T:WPA;P:pa\\;ss\\\\word;;",
            u"key=pa;ss\\word|mode=4|ssid=a;b,c:d\\e\"f");
        row("QR: unknown type", u"WIFI:T:XYZ;S:Odd;;", refused(Msg::ImportUnknownSecurity));
    }

    void imports()
    {
        QFETCH(QString, source);
        QTEST(
            Outcome(source.startsWith(u"WIFI:") ? MapWifiQrCode(ParseWifiQrText(source).m_code)
                                                : MapNetworkManagerConnection(Connection(source))),
            "expected");
    }
};

QTEST_GUILESS_MAIN(TestWifiImport)
#include "tst_wifiimport.moc"
