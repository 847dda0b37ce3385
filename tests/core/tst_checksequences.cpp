#include "CheckSequences.h"
#include "LoadReports.h"
#include "MessageRecorder.h"

#include <QTest>

namespace {

// "a|b": the texts "a" and "b".
QStringList Texts(const QString &texts)
{
    return texts.split(u'|');
}

} // namespace

class TestCheckSequences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void networkFolder_data();
    void networkFolder();
    void wiredLan_data();
    void wiredLan();
};

void TestCheckSequences::networkFolder_data()
{
    // The fields as "device name|user ID|password|confirmation", before and after; with a stop
    // at the first failure, the stop columns unless they are empty.
    QTest::addColumn<int>("mode"); // the radio: 0 default setting, 1 customised
    QTest::addColumn<QString>("fields");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QString>("after");
    QTest::addColumn<MessageIds>("stopMessages");
    QTest::addColumn<QString>("stopAfter");
    const auto row = [](const char *rule, const QString &fields, const MessageIds &messages,
                         const QString &after, const MessageIds &stopMessages = {},
                         const QString &stopAfter = {}) {
        QTest::newRow(rule) << 1 << fields << messages << after << stopMessages << stopAfter;
    };

    const QString pass = QStringLiteral("caf\u00e9 ") + Chars(27);
    const QString limits = Chars(15) + u'|' + Chars(32) + u'|' + pass + u'|' + pass;
    const QString longPass = Chars(33) + u'|' + Chars(33);
    QTest::newRow("default setting checks nothing")
        << 0 << QStringLiteral("12_|a.b|x|y") << MessageIds {} << QStringLiteral("12_|a.b|x|y")
        << MessageIds {} << QString();
    row("all valid, at the limits", limits, {}, limits);
    row("name of 16 chars", Chars(16) + QStringLiteral("|u|p|p"), { 72 }, QStringLiteral("|u|p|p"));
    row("name with underscore", QStringLiteral("my_nas|u|p|p"), { 73 }, QStringLiteral("|u|p|p"));
    row("name of digits only", QStringLiteral("123|u|p|p"), { 74 }, QStringLiteral("|u|p|p"));
    row("name of hyphens only", QStringLiteral("--|u|p|p"), { 75 }, QStringLiteral("|u|p|p"));
    row("user ID of 33 chars", QStringLiteral("n|") + Chars(33) + QStringLiteral("|p|p"), { 78 },
        QStringLiteral("n||p|p"));
    row("user ID with full stop", QStringLiteral("n|john.doe|p|p"), { 79 },
        QStringLiteral("n||p|p"));
    row("passwords differ in case", QStringLiteral("n|u|abc|ABC"), { 80 }, QStringLiteral("n|u||"));
    row("password of 33 chars", QStringLiteral("n|u|") + longPass, { 81 }, QStringLiteral("n|u||"));
    row("password with a tab and 256", QStringLiteral("n|u|a\tb\u0100|a\tb\u0100"), { 82 },
        QStringLiteral("n|u||"));
    row("mismatch empties both, so the length check passes",
        QStringLiteral("n|u|") + Chars(40) + u'|' + Chars(39), { 80 }, QStringLiteral("n|u||"));
    row("empty name: asked for, then its length", QStringLiteral("|u|p|p"), { 71, 72 },
        QStringLiteral("|u|p|p"), { 71 }, QStringLiteral("|u|p|p"));
    row("empty user ID: asked for, then its length", QStringLiteral("n||p|p"), { 77, 78 },
        QStringLiteral("n||p|p"), { 77 }, QStringLiteral("n||p|p"));
    row("every field wrong: all reported in order, or the first",
        QStringLiteral("a_b|a.b|") + longPass, { 73, 79, 81 }, QStringLiteral("|||"), { 73 },
        QStringLiteral("|a.b|") + longPass);
    row("bad name and mismatch; a stop keeps the passwords", QStringLiteral("999|u|x|y"),
        { 74, 80 }, QStringLiteral("|u||"), { 74 }, QStringLiteral("|u|x|y"));
}

void TestCheckSequences::networkFolder()
{
    QFETCH(int, mode);
    QFETCH(QString, fields);
    QFETCH(MessageIds, messages);
    QFETCH(QString, after);
    QFETCH(MessageIds, stopMessages);
    QFETCH(QString, stopAfter);

    for (const bool stop : { false, true }) {
        for (const bool show : { true, false }) {
            CSettingsDocument document;
            MainWindowControls &c = document.m_controls;
            const QStringList typed = Texts(fields);
            c.m_deviceName.m_text = typed[0];
            c.m_userId.m_text = typed[1];
            c.m_password.m_text = typed[2];
            c.m_passwordConfirm.m_text = typed[3];
            // The choice is read from the radio, not from the last gather.
            c.m_folderModeRadio = mode;
            document.m_folderSettingMode = 1 - mode;
            const MessageIds expected = stop && !stopAfter.isEmpty() ? stopMessages : messages;
            CMessageRecorder recorder;
            QCOMPARE(
                ValidateNetworkFolder(document, recorder, show, stop), expected.isEmpty() ? 1 : 0);
            QCOMPARE(IdsOf(recorder, Msg::NetworkFolderCaption), show ? expected : MessageIds {});
            QCOMPARE(QStringList({ c.m_deviceName.m_text, c.m_userId.m_text, c.m_password.m_text,
                                     c.m_passwordConfirm.m_text })
                         .join(u'|'),
                stop && !stopAfter.isEmpty() ? stopAfter : after);
        }
    }
}

void TestCheckSequences::wiredLan_data()
{
    // The proxy boxes as "address|port", before and after; the stop columns as above.
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QString>("after");
    QTest::addColumn<MessageIds>("stopMessages");
    QTest::addColumn<QString>("stopAfter");
    const auto row = [](const char *rule, bool useProxy, const QString &boxes,
                         const MessageIds &messages, const QString &after,
                         const MessageIds &stopMessages = {}, const QString &stopAfter = {}) {
        QTest::newRow(rule) << useProxy << boxes << messages << after << stopMessages << stopAfter;
    };

    const QString host = QStringLiteral("proxy.example.net|");
    const QString valid = host + QStringLiteral("8080");
    row("proxy on, valid", true, valid, {}, valid);
    row("proxy on, empty address", true, QStringLiteral("|8080"), { 84 }, QStringLiteral("|8080"));
    row("proxy on, address with 127", true, QStringLiteral("a\u007fb|8080"), { 86 },
        QStringLiteral("|8080"));
    row("proxy on, address of 1024 chars", true, Chars(1024) + QStringLiteral("|8080"), { 88 },
        QStringLiteral("|8080"));
    row("proxy on, empty port", true, host, { 85 }, host);
    row("proxy on, port 0", true, host + QStringLiteral("0"), { 87 }, host);
    row("proxy on, port with 256 is an invalid port", true, host + QStringLiteral("80\u0100"),
        { 87 }, host);
    row("proxy off keeps valid values", false, valid, {}, valid);
    row("proxy off silently empties an invalid port", false, host + QStringLiteral("65536"), {},
        host);
    row("proxy off silently empties an invalid address", false, QStringLiteral("a\u007fb|8080"), {},
        QStringLiteral("|8080"));
    row("proxy on, both empty", true, QStringLiteral("|"), { 84, 85 }, QStringLiteral("|"), { 84 },
        QStringLiteral("|"));
    row("proxy on, both bad; a stop keeps the port", true, QStringLiteral("a\u007fb|0"), { 86, 87 },
        QStringLiteral("|"), { 86 }, QStringLiteral("|0"));
}

void TestCheckSequences::wiredLan()
{
    QFETCH(bool, useProxy);
    QFETCH(QString, boxes);
    QFETCH(MessageIds, messages);
    QFETCH(QString, after);
    QFETCH(MessageIds, stopMessages);
    QFETCH(QString, stopAfter);

    for (const bool stop : { false, true }) {
        for (const bool show : { true, false }) {
            CSettingsDocument document;
            MainWindowControls &c = document.m_controls;
            c.m_useProxyChecked = useProxy;
            c.m_proxyAddress.m_text = Texts(boxes)[0];
            c.m_proxyPort.m_text = Texts(boxes)[1];
            c.m_dhcpModeRadio = 1;
            c.m_ipAddress.m_fields = { 127, 0, 0, 1 };
            const MessageIds expected = stop && !stopAfter.isEmpty() ? stopMessages : messages;
            CMessageRecorder recorder;
            QCOMPARE(ValidateWiredLan(document, recorder, show, stop), expected.isEmpty() ? 1 : 0);
            QCOMPARE(IdsOf(recorder, Msg::WiredLanCaption), show ? expected : MessageIds {});
            QCOMPARE(c.m_proxyAddress.m_text + u'|' + c.m_proxyPort.m_text,
                stop && !stopAfter.isEmpty() ? stopAfter : after);
            // Only the proxy boxes are this sequence's: switching the proxy off is its caller's
            // decision, and the addresses are left as they are.
            QCOMPARE(c.m_useProxyChecked, useProxy);
            QCOMPARE(document.m_wiredUseProxy, useProxy ? 1 : 0);
            QCOMPARE(c.m_ipAddress.m_fields, (std::array<int, 4> { 127, 0, 0, 1 }));
        }
    }
}

QTEST_GUILESS_MAIN(TestCheckSequences)
#include "tst_checksequences.moc"
