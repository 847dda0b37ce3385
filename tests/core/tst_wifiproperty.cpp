#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "core/cipher/OemCodePage.h"
#include "core/commands/WifiProperty.h"

#include <QTest>

using DocumentProbe::ProfileText;
using namespace Qt::StringLiterals;

namespace {

const QStringList kEditNames { u"ssid"_s, u"key"_s, u"confirm"_s, u"proxyAddress"_s,
    u"proxyPort"_s };
const QStringList kAddressNames { u"ip"_s, u"mask"_s, u"gateway"_s, u"dns"_s, u"dns2"_s };

std::array<EditControl *, 5> Edits(WifiPropertyValues &v)
{
    return { &v.m_ssid, &v.m_networkKey, &v.m_keyConfirm, &v.m_connection.m_proxyAddress,
        &v.m_connection.m_proxyPort };
}

// The texts of the boxes as "name=value" lines, a blank address as an empty value.
QStringList Boxes(WifiPropertyValues &v)
{
    QStringList lines;
    for (size_t i = 0; i < 5; ++i)
        lines << kEditNames[qsizetype(i)] + u'=' + Edits(v)[i]->m_text
              << kAddressNames[qsizetype(i)] + u'='
                + DocumentProbe::Dotted(v.m_connection.Addresses()[i]->Address());
    return lines;
}

QStringList Changes(const QStringList &from, QStringList to) // the lines that differ
{
    to.removeIf([&from](const QString &line) { return from.contains(line); });
    return to;
}

// Opens the dialog on the choices of `lines` ("dhcp=1" is DHCP Off) and types the rest
// ("ip=1..3.4" leaves a part blank; the SSID is "Home" unless given); "clear" presses Clear, then
// types the SSID.
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
    for (int i = 0; i < 5; ++i) {
        Edits(editor.m_values)[size_t(i)]->m_text = typed.value(kEditNames[i]);
        const QStringList parts = typed.value(kAddressNames[i]).split(u'.');
        for (int f = 0; f < 4 && parts.size() == 4; ++f)
            editor.m_values.m_connection.Addresses()[size_t(i)]->m_fields[size_t(f)]
                = parts.at(f).isEmpty() ? -1 : parts.at(f).toInt();
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
        // No A with tilde in it: a key with one would reach the reader as another key.
        SetUserOemCodePage(437);
    }

    void accept_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("message"); // -1 when OK ends the dialog
        QTest::addColumn<QStringList>("changed"); // boxes that OK changes
        QTest::addColumn<QStringList>("stored"); // the fields not at their defaults
        const auto row = [](const char *rule, QStringView typed, int message, QStringView changed,
                             QStringView stored) {
            const auto lines = [](QStringView v) {
                return v.toString().split(u'|', Qt::SkipEmptyParts);
            };
            QTest::newRow(rule) << lines(typed) << message << lines(changed) << lines(stored);
        };
        const QStringView emptied = u"key=|confirm=";
        const QString latin = u"caf\u00e9 \u00e4\u00f1\u00a3!"_s;
        row("empty SSID is checked before the key, whose boxes stay",
            u"ssid=|mode=2|key=a|confirm=b", Msg::InputSsid, u"", u"");
        row("mismatch compares case, comes before the key's validity, empties both",
            u"mode=1|key=abc|confirm=ABC", Msg::NetworkKeyMismatch, emptied, u"");
        row("WEP of 11 characters, checked before the addresses, names the WEP forms",
            u"mode=1|key=abcdefghijk|confirm=abcdefghijk|dhcp=1", Msg::NetworkKeyLength, emptied,
            u"");
        row("a character the reader's code page lacks",
            u"mode=3|key=caf\u00c3 latte|confirm=caf\u00c3 latte", Msg::NetworkKeyCharacters,
            emptied, u"");
        row("proxy address before port; a loopback under DHCP on is blanked first",
            u"ip=127.0.0.1|proxy=1|proxyPort=0", Msg::WirelessInputProxyAddress, u"ip=", u"");
        row("every field is stored, the flag no control shows kept, a key the code page has",
            u"mode=5|key=%1|confirm=%1|stealth=1|auto=0|dhcp=1|ip=10.0.0.5|mask=255.0.0.0|"
            u"gateway=10.0.0.1|dns=10.0.0.2|dns2=10.0.0.3|proxy=1|proxyAddress=p|proxyPort=8080"_s
                .arg(latin),
            -1, u"",
            u"auto=0|dhcp=0|dns=10.0.0.2|dns2=10.0.0.3|force=1|gateway=10.0.0.1|ip=10.0.0.5|"
            u"key=%1|mask=255.0.0.0|mode=5|proxy=1|proxyAddress=p|proxyPort=8080|ssid=Home"_s.arg(
                latin));
        row("Clear empties every box and choice, and the profile",
            u"mode=4|key=k|confirm=k|stealth=1|auto=0|dhcp=1|ip=10.1.2.3|mask=255.0.0.0|proxy=1|"
            u"proxyAddress=p|proxyPort=80|clear",
            -1, u"", u"ssid=Home");
    }

    void accept()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, message);

        CWifiPropertyEditor editor;
        Type(editor, typed);
        const QStringList before = Boxes(editor.m_values);
        CMessageRecorder box;
        QCOMPARE(editor.Accept(box), message < 0);
        QCOMPARE(box.m_messages.size(), message < 0 ? 0 : 1);
        for (const CMessageRecorder::Message &m : box.m_messages)
            QCOMPARE(MessageLine(m.text, m.caption, m.icon, m.buttons),
                ExpectedMessage(MessageId(message), Msg::WirelessLanCaption, MessageIcon::Error));
        QTEST(Changes(before, Boxes(editor.m_values)), "changed");
        if (message >= 0)
            return;
        QTEST(Changes(ProfileText(CNetworkSetting()).split(u" | "_s),
                  ProfileText(editor.m_profile).split(u" | "_s)),
            "stored");
        CWifiPropertyEditor again;
        again.m_profile = editor.m_profile;
        again.Open();
        QVERIFY(again.Accept(box));
        QCOMPARE(ProfileText(again.m_profile), ProfileText(editor.m_profile));
    }
};

QTEST_APPLESS_MAIN(TestWifiProperty)
#include "tst_wifiproperty.moc"
