#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "core/cipher/OemCodePage.h"
#include "core/commands/WifiProperty.h"

#include <QTest>

using DocumentProbe::ProfileText;
using namespace Qt::StringLiterals;

namespace {

using Values = WifiPropertyValues;
using Block = ConnectionControls;
const std::pair<const char *, EditControl Values::*> kEdits[] = { { "ssid", &Values::m_ssid },
    { "key", &Values::m_networkKey }, { "confirm", &Values::m_keyConfirm } };
const std::pair<const char *, EditControl Block::*> kProxyEdits[]
    = { { "proxyAddress", &Block::m_proxyAddress }, { "proxyPort", &Block::m_proxyPort } };
const std::pair<const char *, AddressControl Block::*> kAddresses[]
    = { { "ip", &Block::m_ipAddress }, { "mask", &Block::m_subnetMask },
          { "gateway", &Block::m_defaultGateway }, { "dns", &Block::m_dns },
          { "dns2", &Block::m_secondaryDns } };

// "a|b": the lines "a" and "b".
QStringList Lines(QStringView lines)
{
    return lines.toString().split(u'|', Qt::SkipEmptyParts);
}

// The texts of the boxes as "name=value" lines, a blank address as an empty value.
QStringList Boxes(const Values &v)
{
    QStringList lines;
    for (const auto &[name, member] : kEdits)
        lines.append(QLatin1String(name) + u'=' + (v.*member).m_text);
    for (const auto &[name, member] : kProxyEdits)
        lines.append(QLatin1String(name) + u'=' + (v.m_connection.*member).m_text);
    for (const auto &[name, member] : kAddresses)
        lines.append(
            QLatin1String(name) + u'=' + DocumentProbe::Dotted((v.m_connection.*member).Address()));
    return lines;
}

// The lines of `to` that `from` lacks: the values that differ.
QStringList Changes(const QStringList &from, QStringList to)
{
    to.removeIf([&from](const QString &line) { return from.contains(line); });
    return to;
}

// Every field of a record that is not the default, named as in DocumentProbe::ProfileText.
QStringList Stored(const CNetworkSetting &record)
{
    const QString defaults = ProfileText(CNetworkSetting());
    return Changes(defaults.split(u" | "_s), ProfileText(record).split(u" | "_s));
}

// Opens the dialog on a profile with the choices of `lines` ("mode=1", "dhcp=1" for the DHCP Off
// radio, "proxy=1", "stealth=1", "auto=0") and types the texts of the other lines
// ("ip=192.168..10", an empty part blank) into the boxes; the SSID is "Home" unless a line sets it.
// A "clear" line presses Clear after the typing, then types the SSID again.
void Type(CWifiPropertyEditor &editor, const QStringList &lines)
{
    QMap<QString, QString> typed { { u"ssid"_s, u"Home"_s }, { u"auto"_s, u"1"_s } };
    for (const QString &line : lines)
        typed.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    editor.m_profile.m_securityMode = typed.value(u"mode"_s).toInt();
    editor.m_profile.m_stealthSsid = typed.value(u"stealth"_s).toInt();
    editor.m_profile.m_dhcp = typed.value(u"dhcp"_s) == u"1" ? 0 : 1;
    editor.m_profile.m_useProxy = typed.value(u"proxy"_s).toInt();
    editor.m_profile.m_connectAutomatically = typed.value(u"auto"_s).toInt();
    editor.Open();
    for (const auto &[name, member] : kEdits)
        (editor.m_values.*member).m_text = typed.value(QLatin1String(name));
    for (const auto &[name, member] : kProxyEdits)
        (editor.m_values.m_connection.*member).m_text = typed.value(QLatin1String(name));
    for (const auto &[name, member] : kAddresses) {
        const QStringList parts = typed.value(QLatin1String(name)).split(u'.');
        for (int i = 0; i < 4 && parts.size() == 4; ++i)
            (editor.m_values.m_connection.*member).m_fields[size_t(i)]
                = parts.at(i).isEmpty() ? -1 : parts.at(i).toInt();
    }
    if (typed.contains(u"clear"_s)) {
        editor.Clear();
        editor.m_values.m_ssid.m_text = typed.value(u"ssid"_s);
    }
}

} // namespace

class TestWifiProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        SetCurrentLanguageSlot(0);
        // The code page of an English host has no A with tilde; a key with one would be sealed
        // as another character, and the reader would get a key other than the one typed.
        SetUserOemCodePage(437);
    }

    void accept_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("message"); // -1 when OK ends the dialog
        QTest::addColumn<QString>("detail"); // under the message
        QTest::addColumn<QStringList>("changed"); // boxes that OK changes
        QTest::addColumn<QStringList>("stored"); // every field of the profile not the default
        const auto row = [](const char *rule, QStringView typed, int message, QStringView changed,
                             QStringView stored, const QString &detail = {}) {
            QTest::newRow(rule) << Lines(typed) << message << detail << Lines(changed)
                                << Lines(stored);
        };
        const QStringView emptied = u"key=|confirm=";
        const QString wep = u"A WEP key has 5 or 13 characters, or 10 or 26 hexadecimal digits."_s;
        const QString wpa
            = u"A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits."_s;
        const QString unsealable = u"The network key holds a character that the reader cannot "
                                   u"receive. Use other characters or the hexadecimal form."_s;
        row("no security stores no key, whatever the boxes hold", u"key=x|confirm=y", -1, u"",
            u"ssid=Home");
        row("empty SSID is checked before the key, whose boxes stay",
            u"ssid=|mode=2|key=a|confirm=b", Msg::InputSsid, u"", u"");
        row("mismatch compares case, comes before the key's validity, empties both",
            u"mode=1|key=abc|confirm=ABC", Msg::NetworkKeyMismatch, emptied, u"");
        row("WEP of 11 characters, checked before the addresses, names the WEP forms",
            u"mode=1|key=abcdefghijk|confirm=abcdefghijk|dhcp=1", Msg::NetworkKeyLength, emptied,
            u"", wep);
        row("WPA of 7 characters names the WPA forms", u"mode=2|key=abcdefg|confirm=abcdefg",
            Msg::NetworkKeyLength, emptied, u"", wpa);
        row("a character the reader's code page lacks",
            u"mode=3|key=caf\u00c3 latte|confirm=caf\u00c3 latte", Msg::NetworkKeyCharacters,
            emptied, u"", unsealable);
        row("a C1 control character", u"mode=1|key=ab\u0085cd|confirm=ab\u0085cd",
            Msg::NetworkKeyCharacters, emptied, u"", unsealable);
        row("a character beyond Latin-1 keeps its own message",
            u"mode=3|key=\u4e2d12345678|confirm=\u4e2d12345678", Msg::NetworkKeyCharacters, emptied,
            u"");
        row("characters the code page has pass",
            u"mode=3|key=caf\u00e9 \u00e4\u00f1\u00a3!|"
            u"confirm=caf\u00e9 \u00e4\u00f1\u00a3!",
            -1, u"", u"key=caf\u00e9 \u00e4\u00f1\u00a3!|mode=3|ssid=Home");
        row("DHCP off with a partial IP address, checked before the proxy",
            u"dhcp=1|ip=192.168..10|mask=255.255.255.0|proxy=1", Msg::InputIpAddress, u"", u"");
        row("DHCP off asks for the mask before rejecting loopback", u"dhcp=1|ip=127.0.0.1",
            Msg::InputSubnetMask, u"", u"");
        row("DHCP on blanks a loopback address without a message",
            u"ip=127.0.0.1|mask=255.255.255.0", -1, u"ip=", u"mask=255.255.255.0|ssid=Home");
        row("proxy address before port; a loopback under DHCP on is blanked first",
            u"ip=127.0.0.1|proxy=1|proxyPort=0", Msg::WirelessInputProxyAddress, u"ip=", u"");
        row("every field is stored, the flag no control shows kept",
            u"mode=5|key=sesame-1|confirm=sesame-1|stealth=1|auto=0|dhcp=1|ip=10.0.0.5|"
            u"mask=255.0.0.0|gateway=10.0.0.1|dns=10.0.0.2|dns2=10.0.0.3|proxy=1|proxyAddress=p|"
            u"proxyPort=8080",
            -1, u"",
            u"auto=0|dhcp=0|dns=10.0.0.2|dns2=10.0.0.3|force=1|gateway=10.0.0.1|ip=10.0.0.5|"
            u"key=sesame-1|mask=255.0.0.0|mode=5|proxy=1|proxyAddress=p|proxyPort=8080|ssid=Home");
        row("Clear empties every box and choice, and the profile",
            u"mode=4|key=k|confirm=k|stealth=1|auto=0|dhcp=1|ip=10.1.2.3|mask=255.0.0.0|proxy=1|"
            u"proxyAddress=p|proxyPort=80|clear",
            -1, u"", u"ssid=Home");
        row("proxy off drops a bad address silently, the box keeps it",
            u"proxyAddress=a\tb|proxyPort=3128", -1, u"", u"proxyPort=3128|ssid=Home");
        row("proxy off drops a bad port silently, the box keeps it",
            u"proxyAddress=p|proxyPort=70000", -1, u"", u"proxyAddress=p|ssid=Home");
    }

    void accept()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, message);
        QFETCH(QString, detail);
        QFETCH(QStringList, changed);
        QFETCH(QStringList, stored);

        CWifiPropertyEditor editor;
        Type(editor, typed);
        const QStringList before = Boxes(editor.m_values);
        CMessageRecorder box;
        QCOMPARE(editor.Accept(box), message < 0);
        QCOMPARE(box.m_messages.size(), message < 0 ? 0 : 1);
        for (const CMessageRecorder::Message &m : box.m_messages) {
            QCOMPARE(MessageLine(m.text, m.caption, m.icon, m.buttons),
                ExpectedMessage(MessageId(message), Msg::WirelessLanCaption, MessageIcon::Error));
            QCOMPARE(m.detail, detail);
        }
        QCOMPARE(Changes(before, Boxes(editor.m_values)), changed);
        if (message >= 0)
            return;
        QCOMPARE(Stored(editor.m_profile), stored);
        // Property on the stored profile, then OK without a change, must give it back unchanged.
        CWifiPropertyEditor again;
        again.m_profile = editor.m_profile;
        again.Open();
        QVERIFY(again.Accept(box));
        QCOMPARE(ProfileText(again.m_profile), ProfileText(editor.m_profile));
    }
};

QTEST_APPLESS_MAIN(TestWifiProperty)
#include "tst_wifiproperty.moc"
