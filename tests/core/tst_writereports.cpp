#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "core/commands/FileCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The window's Create shows why a write failed, as the detail under its failure message. The
// suite runs under LC_ALL=C, so the system's texts are English.
class TestWriteReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createShowsTheReason_data();
    void createShowsTheReason();
};

void TestWriteReports::createShowsTheReason_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("detail");
    QTest::newRow("a folder that is gone")
        << u"gone"_s
        << u"The file could not be written: No such file or directory. An earlier file is unchanged."_s;
    QTest::newRow("a link planted at the file's name")
        << u"link"_s << u"The output is a symbolic link; nothing was written."_s;
    QTest::newRow("a folder at the file's name")
        << u"folder"_s << u"The output is a folder; nothing was written."_s;
}

void TestWriteReports::createShowsTheReason()
{
    QFETCH(QString, setup);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    QString folder = dir.filePath(u"card"_s);
    QVERIFY(QDir().mkdir(folder));
    const QString file = folder + u"/NetworkSetting.ini"_s;
    const QString victim = dir.filePath(u"victim"_s);
    if (setup == u"gone")
        folder = dir.filePath(u"pulled"_s);
    else if (setup == u"link")
        QVERIFY(QFile::link(victim, file));
    else if (setup == u"folder")
        QVERIFY(QDir().mkdir(file));

    CSettingsDocument document;
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = folder;
    CreateSettingFileCommand(document, recorder, chooser);

    const CMessageRecorder::Message &last = recorder.m_messages.last();
    QCOMPARE(MessageLine(last.text, last.caption, last.icon, last.buttons),
        ExpectedMessage(
            Msg::SettingsFileCreateFailed, Msg::CreateSettingCaption, MessageIcon::Error));
    QCOMPARE(last.detail, detail);
    QVERIFY(!QFile::exists(victim));
}

QTEST_GUILESS_MAIN(TestWriteReports)
#include "tst_writereports.moc"
