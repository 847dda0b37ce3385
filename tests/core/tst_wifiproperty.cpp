#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "WifiProperty.h"

#include <QTest>

namespace {

using Values = WifiPropertyValues;
const std::pair<const char *, EditControl Values::*> kEdits[] = { { "ssid", &Values::m_ssid },
    { "key", &Values::m_networkKey }, { "confirm", &Values::m_keyConfirm },
    { "proxyAddress", &Values::m_proxyAddress }, { "proxyPort", &Values::m_proxyPort } };
const std::pair<const char *, AddressControl Values::*> kAddresses[]
    = { { "ip", &Values::m_ipAddress }, { "mask", &Values::m_subnetMask },
          { "gateway", &Values::m_defaultGateway }, { "dns", &Values::m_dns },
          { "dns2", &Values::m_secondaryDns } };

// "a|b": the lines "a" and "b".
QStringList Lines(QStringView lines)
{
    return lines.toString().split(u'|');
}

// The controls as sorted "name=value" lines, addresses as "192.168..10" (an empty part is
// blank), the choices as numbers, and "enabled" listing the boxes that can be edited.
QStringList Controls(const Values &v)
{
    QStringList lines { QStringLiteral("mode=") + QString::number(v.m_selectedSecurity),
        QStringLiteral("stealth=") + QString::number(int(v.m_stealthChecked)),
        QStringLiteral("dhcp=") + QString::number(v.m_dhcpRadio),
        QStringLiteral("proxy=") + QString::number(int(v.m_useProxyChecked)) };
    QStringList enabled;
    for (const auto &[name, member] : kEdits) {
        lines.append(QLatin1String(name) + u'=' + (v.*member).m_text);
        if ((v.*member).m_enabled)
            enabled.append(QLatin1String(name));
    }
    for (const auto &[name, member] : kAddresses) {
        QStringList parts;
        for (const int field : (v.*member).m_fields)
            parts.append(field < 0 ? QString() : QString::number(field));
        const QString dotted = parts.join(u'.');
        lines.append(QLatin1String(name) + u'=' + (dotted == u"..." ? QString() : dotted));
        if ((v.*member).m_enabled)
            enabled.append(QLatin1String(name));
    }
    lines.append(QStringLiteral("enabled=") + enabled.join(u','));
    lines.sort();
    return lines;
}

// Every field of a record, named as in DocumentProbe::ProfileText.
QStringList Fields(const CNetworkSetting &record)
{
    return DocumentProbe::ProfileText(record).split(QStringLiteral(" | "));
}

// The lines of `to` that `from` lacks, sorted: the values that differ.
QStringList Changes(const QStringList &from, const QStringList &to)
{
    QStringList changes;
    for (const QString &line : to) {
        if (!from.contains(line))
            changes.append(line);
    }
    changes.sort();
    return changes;
}

// Opens the dialog on the working profile and types `lines` ("name=value", names as in
// Controls) as the user would; the SSID is "Home" unless a line sets it.
void Type(CWifiPropertyEditor &editor, const QStringList &lines)
{
    QMap<QString, QString> typed { { QStringLiteral("ssid"), QStringLiteral("Home") } };
    for (const QString &line : lines)
        typed.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    editor.Open();
    editor.ChangeSecurity(typed.value(QStringLiteral("mode")).toInt());
    editor.ChooseDhcp(typed.value(QStringLiteral("dhcp")).toInt());
    editor.ChangeUseProxy(typed.value(QStringLiteral("proxy")) == u"1");
    for (const auto &[name, member] : kEdits)
        (editor.m_values.*member).m_text = typed.value(QLatin1String(name));
    for (const auto &[name, member] : kAddresses) {
        const QStringList parts = typed.value(QLatin1String(name)).split(u'.');
        for (int i = 0; i < 4 && parts.size() == 4; ++i)
            (editor.m_values.*member).m_fields[size_t(i)]
                = parts.at(i).isEmpty() ? -1 : parts.at(i).toInt();
    }
}

} // namespace

class TestWifiProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void securityListShowsCodesOutOfOrder();
    void openThenOk_data();
    void openThenOk();
    void accept_data();
    void accept();
    void fieldMarks_data();
    void fieldMarks();
    void clearAndCancelResetTheProfile();
};

void TestWifiProperty::securityListShowsCodesOutOfOrder()
{
    QStringList shown;
    for (const SecurityListEntry &entry : SecurityList)
        shown.append(MessageText(entry.m_text).toString() + u'=' + QString::number(entry.m_code));
    QCOMPARE(shown,
        Lines(u"No security=0|WEP=1|WPA PSK TKIP=2|WPA PSK AES=3|WPA2 PSK TKIP=5|WPA2 PSK AES=4"));
}

void TestWifiProperty::openThenOk_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<int>("useProxy");
    QTest::addColumn<QStringList>("opened"); // controls that differ between the rows
    QTest::addColumn<QStringList>("stored"); // what OK changes in the profile

    QTest::newRow("a listed code is selected; DHCP on disables the addresses")
        << 4 << 1 << 0 << Lines(u"dhcp=0|dns2=|enabled=ssid,key,confirm|mode=4|proxy=0")
        << Lines(u"dns2=");
    QTest::newRow("WPA2 PSK TKIP; DHCP off and the proxy enable their boxes")
        << 5 << 0 << 1
        << Lines(u"dhcp=1|dns2=192.168.10.3|enabled=ssid,key,confirm,proxyAddress,proxyPort,ip,"
                 "mask,gateway,dns,dns2|mode=5|proxy=1")
        << QStringList();
    QTest::newRow("no security disables the key boxes and stores no key")
        << 0 << 1 << 0 << Lines(u"dhcp=0|dns2=|enabled=ssid|mode=0|proxy=0")
        << Lines(u"dns2=|key=");
    QTest::newRow("a code outside the list selects nothing; OK stores no security")
        << 7 << 1 << 0 << Lines(u"dhcp=0|dns2=|enabled=ssid,key,confirm|mode=-1|proxy=0")
        << Lines(u"dns2=|key=|mode=0");
}

void TestWifiProperty::openThenOk()
{
    QFETCH(int, mode);
    QFETCH(int, dhcp);
    QFETCH(int, useProxy);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, stored);

    CWifiPropertyEditor editor;
    CNetworkSetting &profile = editor.m_profile;
    profile.m_ssid = QStringLiteral("Cafe");
    profile.m_stealthSsid = 1;
    profile.m_securityMode = mode;
    profile.m_networkKey = QStringLiteral("secret-key");
    profile.m_dhcp = dhcp;
    profile.m_ipAddress = IpAddressField::Complete(192, 168, 10, 20);
    profile.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
    profile.m_defaultGateway = IpAddressField::Complete(192, 168, 10, 1);
    profile.m_dns = IpAddressField::Complete(192, 168, 10, 2);
    profile.m_secondaryDns = IpAddressField::Complete(192, 168, 10, 3);
    // Under DHCP on, a partial address: it opens as a blank control, and OK stores it blank.
    if (dhcp == 1)
        profile.m_secondaryDns.m_filledParts = 3;
    profile.m_useProxy = useProxy;
    profile.m_proxyAddress = QStringLiteral("proxy.local");
    profile.m_proxyPort = QStringLiteral("8080");
    profile.m_connectAutomatically = 0;
    const CNetworkSetting original = profile;
    editor.Open();

    opened += Lines(u"confirm=secret-key|dns=192.168.10.2|gateway=192.168.10.1|"
                    "ip=192.168.10.20|key=secret-key|mask=255.255.255.0|proxyAddress=proxy.local|"
                    "proxyPort=8080|ssid=Cafe|stealth=1");
    opened.sort();
    QCOMPARE(Changes({}, Controls(editor.m_values)), opened);
    CMessageRecorder box;
    QVERIFY(editor.Accept(box));
    QCOMPARE(box.m_messages.size(), 0);
    QCOMPARE(Changes(Fields(original), Fields(editor.m_profile)), stored);
}

void TestWifiProperty::accept_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message"); // empty when OK ends the dialog
    QTest::addColumn<QStringList>("changed"); // controls that OK changes
    QTest::addColumn<QStringList>("stored"); // every field of the profile that is not the default

    const QStringList none;
    const QStringList keysEmptied = Lines(u"confirm=|key=");
    QTest::newRow("no security stores no key, whatever the boxes hold")
        << Lines(u"key=x|confirm=y") << QString() << none << Lines(u"ssid=Home");
    QTest::newRow("empty SSID is checked before the key, whose boxes stay")
        << Lines(u"ssid=|mode=2|key=a|confirm=b") << QStringLiteral("Please input SSID.") << none
        << none;
    QTest::newRow("SSID of 33 characters")
        << QStringList { QStringLiteral("ssid=") + QString(33, u's') }
        << QStringLiteral("Valid length of SSID is from 1 to 32 characters.") << none << none;
    QTest::newRow("SSID with a character above 255")
        << Lines(u"ssid=Caf\u0107") << QStringLiteral("Please use ASCII characters for SSID.")
        << none << none;
    QTest::newRow("WEP key of 26 hex digits is stored")
        << Lines(u"mode=1|key=0123456789abcdefABCDEF0123|confirm=0123456789abcdefABCDEF0123")
        << QString() << none << Lines(u"key=0123456789abcdefABCDEF0123|mode=1|ssid=Home");
    QTest::newRow("mismatch compares case, comes before the key's validity, empties both")
        << Lines(u"mode=1|key=abc|confirm=ABC") << QStringLiteral("Network key is not match.")
        << keysEmptied << none;
    QTest::newRow("WPA with both boxes empty")
        << Lines(u"mode=2") << QStringLiteral("Please input network key.") << none << none;
    QTest::newRow("WEP of 12 characters, checked before the addresses, empties both")
        << Lines(u"mode=1|key=abcdefghijkl|confirm=abcdefghijkl|dhcp=1")
        << QStringLiteral("Length of Network key is invalid.") << keysEmptied << none;
    QTest::newRow("WPA key above 255 empties both boxes")
        << Lines(u"mode=3|key=passw\u0101rd|confirm=passw\u0101rd")
        << QStringLiteral("Invalid character is entered for network key.") << keysEmptied << none;
    QTest::newRow("DHCP off with a partial IP address, checked before the proxy")
        << Lines(u"dhcp=1|ip=192.168..10|mask=255.255.255.0|proxy=1")
        << QStringLiteral("Please input IP address.") << none << none;
    QTest::newRow("DHCP off asks for the mask before rejecting loopback")
        << Lines(u"dhcp=1|ip=127.0.0.1") << QStringLiteral("Please input Subnet mask address.")
        << none << none;
    QTest::newRow("DHCP off with a loopback address")
        << Lines(u"dhcp=1|ip=127.0.0.1|mask=255.255.255.0") << QStringLiteral("Invalid IP address.")
        << none << none;
    QTest::newRow("DHCP on blanks a loopback address without a message")
        << Lines(u"ip=127.0.0.1|mask=255.255.255.0") << QString() << Lines(u"ip=")
        << Lines(u"mask=255.255.255.0|ssid=Home");
    QTest::newRow("DHCP off stores the addresses, a partial gateway as it is")
        << Lines(u"dhcp=1|ip=192.168.1.10|mask=255.255.255.0|gateway=192.168..") << QString()
        << none
        << Lines(u"dhcp=0|gateway=192.168.0.0 (2 parts)|ip=192.168.1.10|mask=255.255.255.0|"
                 "ssid=Home");
    QTest::newRow("proxy on with an empty address; a loopback under DHCP is blanked first")
        << Lines(u"ip=127.0.0.1|proxy=1|proxyPort=8080")
        << QStringLiteral("Please input Proxy address.") << Lines(u"ip=") << none;
    QTest::newRow("proxy address with character 127")
        << Lines(u"proxy=1|proxyAddress=proxy\u007f|proxyPort=8080")
        << QStringLiteral("Invalid character is entered for proxy address.") << none << none;
    QTest::newRow("proxy address of 1024 characters")
        << Lines(u"proxy=1|proxyPort=8080")
            + QStringList { QStringLiteral("proxyAddress=") + QString(1024, u'p') }
        << QStringLiteral("Length of Proxy address is invalid.") << none << none;
    QTest::newRow("proxy on with an empty port")
        << Lines(u"proxy=1|proxyAddress=proxy.example")
        << QStringLiteral("Please input Proxy port.") << none << none;
    QTest::newRow("proxy port 65536")
        << Lines(u"proxy=1|proxyAddress=proxy.example|proxyPort=65536")
        << QStringLiteral("Invalid proxy port number.") << none << none;
    QTest::newRow("proxy on with address and port 65535 is stored")
        << Lines(u"proxy=1|proxyAddress=proxy.example|proxyPort=65535") << QString() << none
        << Lines(u"proxy=1|proxyAddress=proxy.example|proxyPort=65535|ssid=Home");
    QTest::newRow("proxy off drops a bad address silently, the box keeps it")
        << Lines(u"proxyAddress=a\tb|proxyPort=3128") << QString() << none
        << Lines(u"proxyPort=3128|ssid=Home");
    QTest::newRow("proxy off drops a bad port silently, the box keeps it")
        << Lines(u"proxyAddress=proxy.example|proxyPort=70000") << QString() << none
        << Lines(u"proxyAddress=proxy.example|ssid=Home");
}

void TestWifiProperty::accept()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, stored);

    CWifiPropertyEditor editor;
    Type(editor, typed);
    const auto before = Controls(editor.m_values);
    CMessageRecorder box;
    const bool accepted = editor.Accept(box);

    QCOMPARE(accepted, message.isEmpty());
    QCOMPARE(box.m_messages.size(), accepted ? 0 : 1);
    for (const CMessageRecorder::Message &shown : box.m_messages) {
        QCOMPARE(shown.text, message + QStringLiteral("   "));
        QCOMPARE(shown.caption, QStringLiteral("Wireless LAN setting"));
        QCOMPARE(shown.icon, MessageIcon::Error);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
    }
    QCOMPARE(Changes(before, Controls(editor.m_values)), changed);
    if (accepted)
        QCOMPARE(Changes(Fields(CNetworkSetting()), Fields(editor.m_profile)), stored);
}

void TestWifiProperty::fieldMarks_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("marks"); // field=message, in the order of the dialog

    QTest::newRow("a mismatch marks the confirmation, the bad key its own box")
        << Lines(u"mode=1|key=abc|confirm=abd")
        << Lines(u"key=Length of Network key is invalid.|confirm=Network key is not match.");
    QTest::newRow("a field shows its first failure")
        << Lines(u"dhcp=1|ip=127.0..")
        << Lines(u"ip=Please input IP address.|mask=Please input Subnet mask address.");
    QTest::newRow("the key boxes of no security are not marked")
        << Lines(u"key=abc|confirm=abd") << QStringList();
}

void TestWifiProperty::fieldMarks()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, marks);
    static const char *const names[]
        = { "ssid", "key", "confirm", "ip", "mask", "proxyAddress", "proxyPort" };
    CWifiPropertyEditor editor;
    Type(editor, typed);
    QStringList shown;
    const auto messages = WifiPropertyFieldMessages(editor.m_values);
    for (size_t i = 0; i < messages.size(); ++i) {
        if (messages[i])
            shown.append(QLatin1String(names[i]) + u'=' + MessageText(*messages[i]).toString());
    }
    QCOMPARE(shown, marks);
}

void TestWifiProperty::clearAndCancelResetTheProfile()
{
    CWifiPropertyEditor editor;
    editor.m_profile.m_connectAutomatically = 0;
    Type(editor,
        Lines(u"mode=4|key=k|confirm=k|dhcp=1|ip=10.1.2.3|mask=255.0.0.0|proxy=1|"
              "proxyAddress=p|proxyPort=80"));
    editor.m_values.m_stealthChecked = true;
    editor.Clear();
    QCOMPARE(Changes({}, Controls(editor.m_values)),
        Lines(u"confirm=|dhcp=0|dns2=|dns=|enabled=ssid|gateway=|ip=|key=|mask=|mode=0|proxy=0|"
              "proxyAddress=|proxyPort=|ssid=|stealth=0"));
    QCOMPARE(editor.m_profile, CNetworkSetting());

    editor.m_profile.m_ssid = QStringLiteral("Cafe");
    editor.m_profile.m_connectAutomatically = 0;
    editor.Cancel();
    QCOMPARE(editor.m_profile, CNetworkSetting());
}

QTEST_APPLESS_MAIN(TestWifiProperty)
#include "tst_wifiproperty.moc"
