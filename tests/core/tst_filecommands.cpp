#include "core/commands/FileCommands.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data();
    void commands();
};

void TestFileCommands::commands_data()
{
    // "load" or "create", the latter with a bad folder or wired value, or declining an overwrite
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("picked"); // under a new folder, "." for itself; empty for none
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("existing"); // the settings file there before
    QTest::addColumn<QByteArray>("fileStart"); // how the file there begins after; empty for none
    const auto row
        = [](const char *rule, QStringView command, QStringView picked, const QStringList &messages,
              const char *existing = "", const char *fileStart = "") {
              QTest::newRow(rule) << command.toString() << picked.toString() << messages
                                  << QByteArray(existing) << QByteArray(fileStart);
          };
    const QString question = ExpectedMessage(Msg::OverwriteExistingFile, Msg::CreateSettingCaption,
        MessageIcon::None, MessageButtons::OkCancel);
    const QString created = ExpectedMessage(
        Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information);
    const char *const clean = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=10.0.0.5\r\n";

    row("load: no file picked", u"load", u"", {});
    row("load: a clean file, left as it was", u"load", u".",
        { ExpectedMessage(
            Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information) },
        clean, clean);
    // The reader would take it for an empty file and report a clean load of nothing.
    row("load: a file that vanished after it was picked", u"load", u".",
        { ExpectedMessage(Msg::SettingFileMissing, Msg::LoadSettingsCaption, MessageIcon::Error) });
    row("create: a bad folder value stops it first", u"create, bad folder", u".",
        { ExpectedMessage(
            Msg::DeviceNameDigitsOnly, Msg::NetworkFolderCaption, MessageIcon::Error) });
    row("create: a bad wired value stops it", u"create, bad wired", u".",
        { ExpectedMessage(Msg::WiredInputProxyAddress, Msg::WiredLanCaption, MessageIcon::Error) });
    row("create: no folder picked", u"create", u"", {});
    row("create: overwrite declined keeps the file", u"create, decline", u".", { question }, "old",
        "old");
    row("create: overwrite accepted replaces the file", u"create", u".", { question, created },
        "old", "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n");
    row("create: a failed write is reported", u"create", u"not/there",
        { ExpectedMessage(
            Msg::SettingsFileCreateFailed, Msg::CreateSettingCaption, MessageIcon::Error) });
}

void TestFileCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, picked);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, fileStart);
    QTemporaryDir dir;
    const QString file = dir.path() + u'/' + picked + u"/NetworkSetting.ini"_s;
    if (!existing.isEmpty())
        QVERIFY(TestFiles::Write(file, existing));
    CSettingsDocument document;
    document.m_controls.m_folderModeRadio = command.endsWith(u"bad folder") ? 1 : 0;
    document.m_controls.m_deviceName.m_text = u"123"_s;
    document.m_controls.m_connection.m_useProxyChecked
        = command.contains(u"bad"); // with no address
    CMessageRecorder recorder;
    if (command.endsWith(u"decline"))
        recorder.m_answers = { MessageAnswer::Cancel };
    CScriptedPathChooser chooser;
    chooser.m_folder = picked.isEmpty() ? QString() : dir.filePath(picked);
    chooser.m_file = picked.isEmpty() ? QString() : file;

    if (command.startsWith(u"create"))
        CreateSettingFileCommand(document, recorder, chooser);
    else
        LoadSettingsCommand(document, recorder, chooser);

    QStringList shown;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        shown.append(MessageLine(m.text, m.caption, m.icon, m.buttons));
    QCOMPARE(shown, messages);
    QCOMPARE(QFile::exists(file), !fileStart.isEmpty());
    QCOMPARE(TestFiles::ReadAll(file).left(fileStart.size()), fileStart);
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
