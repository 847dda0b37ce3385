#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "core/cipher/OemCodePage.h"
#include "core/commands/WifiProperty.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kBoxNames { u"ssid"_s, u"key"_s, u"confirm"_s, u"proxyAddress"_s, u"proxyPort"_s,
    u"ip"_s, u"mask"_s, u"gateway"_s, u"dns"_s, u"dns2"_s };

// Opens the dialog on the record's choices in `lines` and types the rest (the SSID is "Home"
// unless given); "clear" presses Clear, then types the SSID.
void Type(CWifiPropertyEditor &editor, const QStringList &lines)
{
    QMap<QString, QString> typed { { u"ssid"_s, u"Home"_s } };
    for (const QString &line : lines)
        typed.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    CNetworkSetting &p = editor.m_profile;
    p.m_securityMode = typed.value(u"mode"_s).toInt();
    p.m_stealthSsid = typed.value(u"stealth"_s).toInt();
    p.m_dhcp = typed.value(u"dhcp"_s, u"1"_s).toInt();
    p.m_useProxy = typed.value(u"proxy"_s).toInt();
    p.m_connectAutomatically = typed.value(u"auto"_s, u"1"_s).toInt();
    editor.Open();
    WifiPropertyValues &v = editor.m_values;
    const std::array<EditControl *, 5> edits { &v.m_ssid, &v.m_networkKey, &v.m_keyConfirm,
        &v.m_connection.m_proxyAddress, &v.m_connection.m_proxyPort };
    for (size_t i = 0; i < 5; ++i) {
        edits[i]->m_text = typed.value(kBoxNames[qsizetype(i)]);
        const QStringList parts = typed.value(kBoxNames[qsizetype(i) + 5]).split(u'.');
        for (int f = 0; f < 4 && parts.size() == 4; ++f)
            v.m_connection.Addresses()[i]->m_fields[size_t(f)] = parts.at(f).toInt();
    }
    if (typed.contains(u"clear"_s)) {
        editor.Clear();
        v.m_ssid.m_text = typed.value(u"ssid"_s);
    }
}

} // namespace

class TestWifiProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No A with tilde in it: a key with one would reach the reader as another key.
    void initTestCase() { SetUserOemCodePage(437); }

    void accept_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("message"); // -1 when OK ends the dialog
        QTest::addColumn<QString>("left"); // after a refusal: the key, confirmation and IP boxes
        QTest::addColumn<QStringList>("stored"); // the fields not at their defaults
        const auto row = [](const char *rule, QStringView typed, int message, const QString &left,
                             QStringView stored = {}) {
            QTest::newRow(rule) << typed.toString().split(u'|') << message << left
                                << stored.toString().split(u'|', Qt::SkipEmptyParts);
        };
        const QString latin = u"caf\u00e9 \u00e4\u00f1\u00a3!"_s;
        row("empty SSID is checked before the key, whose boxes stay",
            u"ssid=|mode=2|key=a|confirm=b", Msg::InputSsid, u"a|b|"_s);
        row("mismatch compares case, comes before the key's validity, empties both",
            u"mode=1|key=abc|confirm=ABC", Msg::NetworkKeyMismatch, u"||"_s);
        row("a character the reader's code page lacks",
            u"mode=3|key=\u00c3 latte!|confirm=\u00c3 latte!", Msg::NetworkKeyCharacters, u"||"_s);
        row("proxy address before port; a loopback under DHCP on is blanked first",
            u"ip=127.0.0.1|proxy=1|proxyPort=0", Msg::WirelessInputProxyAddress, u"||"_s);
        row("every field is stored, the flag no control shows kept, a key the code page has",
            u"mode=5|key=%1|confirm=%1|stealth=1|auto=0|dhcp=0|ip=10.0.0.5|mask=255.0.0.0|"
            u"gateway=10.0.0.1|dns=10.0.0.2|dns2=10.0.0.3|proxy=1|proxyAddress=p|proxyPort=8080"_s
                .arg(latin),
            -1, {},
            u"auto=0|dhcp=0|dns=10.0.0.2|dns2=10.0.0.3|force=1|gateway=10.0.0.1|ip=10.0.0.5|"
            u"key=%1|mask=255.0.0.0|mode=5|proxy=1|proxyAddress=p|proxyPort=8080|ssid=Home"_s.arg(
                latin));
        row("Clear empties every box and choice, and the profile",
            u"mode=4|key=k|confirm=k|stealth=1|auto=0|dhcp=0|ip=10.1.2.3|proxy=1|clear", -1, {},
            u"ssid=Home");
    }

    void accept()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, message);
        CWifiPropertyEditor editor;
        Type(editor, typed);
        CMessageRecorder box;
        QCOMPARE(editor.Accept(box), message < 0);
        QCOMPARE(box.m_messages.size(), message < 0 ? 0 : 1);
        for (const CMessageRecorder::Message &m : box.m_messages)
            QCOMPARE(MessageLine(m.text, m.caption, m.icon, m.buttons),
                ExpectedMessage(MessageId(message), Msg::WirelessLanCaption, MessageIcon::Error));
        if (message >= 0) {
            QTEST(editor.m_values.m_networkKey.m_text + u'|' + editor.m_values.m_keyConfirm.m_text
                    + u'|'
                    + DocumentProbe::Dotted(editor.m_values.m_connection.m_ipAddress.Address()),
                "left");
            return;
        }
        editor.Open(); // a stored record opens as it was stored
        QVERIFY(editor.Accept(box));
        QTEST(DocumentProbe::ChangedFields(editor.m_profile), "stored");
    }
};

QTEST_APPLESS_MAIN(TestWifiProperty)
#include "tst_wifiproperty.moc"
