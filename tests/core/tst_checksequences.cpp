#include "LoadReports.h"
#include "core/commands/CheckSequences.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCheckSequences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void sequences_data()
    {
        // "device name|user ID|password|confirmation", or for the wired page "proxy address|port".
        QTest::addColumn<int>("choice"); // the folder radio, 1 customised; or "Use proxy"
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("message"); // the first failure, -1 for none
        QTest::addColumn<QString>("after"); // as the silent check on closing leaves them
        QTest::addColumn<QString>("createAfter"); // as "Create Setting file" leaves them
        const auto row = [](const char *rule, int choice, QStringView boxes, int message,
                             QStringView after, QStringView createAfter = {}) {
            QTest::newRow(rule) << choice << boxes.toString() << message << after.toString()
                                << (createAfter.isNull() ? after : createAfter).toString();
        };

        const QString longPass = Chars(33) + u'|' + Chars(33);
        row("default setting checks nothing", 0, u"12_|a.b|x|y", -1, u"12_|a.b|x|y");
        row("valid values pass", 1, u"nas-01|reader_1|p w|p w", -1, u"nas-01|reader_1|p w|p w");
        row("empty name is asked for", 1, u"|u|p|p", 71, u"|u|p|p");
        row("name of 16 chars", 1, Chars(16) + u"|u|p|p"_s, 72, u"|u|p|p");
        row("name of digits only", 1, u"123|u|p|p", 74, u"|u|p|p");
        row("empty user ID is asked for", 1, u"n||p|p", 77, u"n||p|p");
        row("user ID with full stop", 1, u"n|john.doe|p|p", 79, u"n||p|p");
        row("passwords differ in case", 1, u"n|u|abc|ABC", 80, u"n|u||");
        row("password with a tab and 256", 1, u"n|u|a\tb\u0100|a\tb\u0100", 82, u"n|u||");
        row("every field wrong: the first is reported, a silent check empties all", 1,
            u"a_b|a.b|"_s + longPass, 73, u"|||", u"|a.b|"_s + longPass);

        row("proxy on, address and port valid", 1, u"proxy.example|8080", -1,
            u"proxy.example|8080");
        row("proxy on, empty address", 1, u"|8080", 84, u"|8080");
        row("proxy on, address of 1024 chars", 1, Chars(1024) + u"|8080"_s, 88, u"|8080");
        row("proxy on, empty port", 1, u"p|", 85, u"p|");
        row("proxy on, port 0", 1, u"p|0", 87, u"p|");
        row("proxy off silently empties an invalid port", 0, u"p|65536", -1, u"p|");
        row("both bad: the address is reported, a silent check empties both", 1, u"a\u007fb|0", 86,
            u"|", u"|0");
    }

    void sequences()
    {
        QFETCH(int, choice);
        QFETCH(QString, boxes);
        const bool wired = boxes.count(u'|') == 1;
        QFETCH(int, message);
        QFETCH(QString, after);
        QFETCH(QString, createAfter);

        for (const bool create : { true, false }) {
            CSettingsDocument document;
            MainWindowControls &c = document.m_controls;
            QList<EditControl *> edits { &c.m_deviceName, &c.m_userId, &c.m_password,
                &c.m_passwordConfirm };
            if (wired)
                edits = { &c.m_connection.m_proxyAddress, &c.m_connection.m_proxyPort };
            for (qsizetype i = 0; i < edits.size(); ++i)
                edits[i]->m_text = boxes.section(u'|', int(i), int(i));
            // Read from the controls, not from the last gather.
            c.m_folderModeRadio = wired ? 0 : choice;
            document.m_folderSettingMode = 1 - c.m_folderModeRadio;
            c.m_connection.m_useProxyChecked = wired && choice == 1;
            CMessageRecorder recorder;
            const CheckMode mode = create ? CheckMode::ReportFirst : CheckMode::SilentAll;
            const bool result = wired ? ValidateWiredLan(document, recorder, mode)
                                      : ValidateNetworkFolder(document, recorder, mode);
            QCOMPARE(result, message < 0);
            QCOMPARE(IdsOf(recorder, wired ? Msg::WiredLanCaption : Msg::NetworkFolderCaption),
                create && message >= 0 ? MessageIds { message } : MessageIds {});
            QStringList texts;
            for (const EditControl *edit : edits)
                texts.append(edit->m_text);
            QCOMPARE(texts.join(u'|'), create ? createAfter : after);
            QCOMPARE(c.m_connection.m_useProxyChecked, wired && choice == 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestCheckSequences)
#include "tst_checksequences.moc"
