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
        // As the silent check on closing leaves them, then after '>' as "Create Setting file" does.
        QTest::addColumn<QString>("after");
        const auto row = [](const char *rule, int choice, QStringView boxes, int message,
                             const QString &after) {
            QTest::newRow(rule) << choice << boxes.toString() << message << after;
        };

        const QString longPass = Chars(33) + u'|' + Chars(33);
        row("default setting checks nothing", 0, u"12_|a.b|x|y", -1, u"12_|a.b|x|y"_s);
        row("valid values pass", 1, u"nas-01|reader_1|p w|p w", -1, u"nas-01|reader_1|p w|p w"_s);
        row("name of 16 chars", 1, Chars(16) + u"|u|p|p"_s, 72, u"|u|p|p"_s);
        row("passwords differ in case", 1, u"n|u|abc|ABC", 80, u"n|u||"_s);
        row("every field wrong: the first is reported, a silent check empties all", 1,
            u"a_b|a.b|"_s + longPass, 73, u"|||>|a.b|"_s + longPass);
        row("proxy on, address of 1024 chars", 1, Chars(1024) + u"|8080"_s, 88, u"|8080"_s);
        row("proxy off silently empties an invalid port", 0, u"p|65536", -1, u"p|"_s);
        row("both bad: address reported, all emptied silently", 1, u"a\u007fb|0", 86, u"|>|0"_s);
    }

    void sequences()
    {
        QFETCH(int, choice);
        QFETCH(QString, boxes);
        QFETCH(int, message);
        QFETCH(QString, after);
        const bool wired = boxes.count(u'|') == 1;
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
            const auto validate = wired ? ValidateWiredLan : ValidateNetworkFolder;
            QCOMPARE(validate(document, recorder,
                         create ? CheckMode::ReportFirst : CheckMode::SilentAll),
                message < 0);
            QCOMPARE(IdsOf(recorder, wired ? Msg::WiredLanCaption : Msg::NetworkFolderCaption),
                create && message >= 0 ? MessageIds { message } : MessageIds {});
            QStringList texts;
            for (const EditControl *edit : edits)
                texts.append(edit->m_text);
            QCOMPARE(texts.join(u'|'), after.section(u'>', create ? -1 : 0, create ? -1 : 0));
        }
    }
};

QTEST_GUILESS_MAIN(TestCheckSequences)
#include "tst_checksequences.moc"
