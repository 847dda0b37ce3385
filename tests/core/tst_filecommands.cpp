#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data()
    {
        // "load", "load, refused" (nothing may change), or "create" with its variations, in the
        // folder "SD card [1]"
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("messages"); // with the detail, the folder as "~"
        QTest::addColumn<QByteArray>("existing"); // the settings file there before
        QTest::addColumn<QByteArray>("fileStart"); // after; empty for none
        const auto row = [](const char *rule, QStringView command, const QStringList &messages,
                             const QByteArray &existing = {}, const QByteArray &fileStart = {}) {
            QTest::newRow(rule) << command.toString() << messages << existing << fileStart;
        };
        const auto create
            = [](MessageId text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok) {
                  return ExpectedMessage(text, Msg::CreateSettingCaption, icon, buttons)
                      + u"|File: ~/SD card [1]/NetworkSetting.ini"_s;
              };
        const QString question
            = create(Msg::OverwriteExistingFile, MessageIcon::None, MessageButtons::OkCancel);
        const QString created = create(Msg::SettingsFileCreated, MessageIcon::Information);
        const auto load = [](MessageId text, MessageIcon icon, const QString &detail = {}) {
            return ExpectedMessage(text, Msg::LoadSettingsCaption, icon) + u'|' + detail;
        };
        const auto notSettings = [&load](const QString &holds) {
            return load(Msg::SettingsLoadedWithError, MessageIcon::Error,
                u"The file holds "_s + holds
                    + u", so it is not a settings file. Nothing was loaded."_s);
        };
        const char *const clean = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=10.0.0.5\r\n";
        const QByteArray wrongSection
            = "[Common]\nWIRED_IP=10.0.0.1\n[UserNetworkSetting]\nNETWORK_PRIORITY=1\n";
        const QByteArray binary = QByteArray::fromHex("7f454c46020101000000");

        row("load: a clean file, left as it was", u"load",
            { load(Msg::SettingsLoaded, MessageIcon::Information) }, clean, clean);
        // The reader would take it for an empty file and report a clean load of nothing.
        row("load: a file that vanished after it was picked", u"load",
            { load(Msg::SettingFileMissing, MessageIcon::Error) });
        row("load: settings keys in the wrong section", u"load, refused",
            { notSettings(u"none of the network settings"_s) }, wrongSection, wrongSection);
        row("load: binary data", u"load, refused", { notSettings(u"binary data, not text"_s) },
            binary, binary);
        row("create: DHCP on writes an address of the loopback network blank", u"create, loopback",
            { created }, "", "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\nWIRED_IP=\r\n");
        row("create: overwrite declined", u"create, decline", { question }, "old", "old");
        row("create: overwrite accepted replaces the file", u"create", { question, created }, "old",
            "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n");
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, existing);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"SD card [1]"_s);
        const QString file = folder + u"/NetworkSetting.ini"_s;
        QVERIFY(QDir().mkpath(folder) && (existing.isEmpty() || TestFiles::Write(file, existing)));
        CSettingsDocument document;
        if (command.startsWith(u"load"))
            DocumentProbe::Prefill(document);
        if (command.contains(u"loopback"))
            document.m_controls.m_connection.m_ipAddress.m_fields = { 127, 200, 3, 4 };
        CMessageRecorder recorder;
        if (command.endsWith(u"decline"))
            recorder.m_answers = { MessageAnswer::Cancel };
        CScriptedPathChooser chooser;
        chooser.m_folder = folder;
        chooser.m_file = file;

        const QStringList before = DocumentProbe::Snapshot(document, true);
        if (command.startsWith(u"create"))
            CreateSettingFileCommand(document, recorder, chooser);
        else
            LoadSettingsCommand(document, recorder, chooser);
        if (command.endsWith(u"refused")) // nothing changes but the text composed for the box
            QCOMPARE(
                DocumentProbe::Snapshot(document, true)
                    .replaceInStrings(u"messageText=Settings loading is finished with error.   "_s,
                        u"messageText="_s),
                before);

        QTEST(ShownLines(recorder, dir.path()), "messages");
        QFETCH(QByteArray, fileStart);
        QCOMPARE(QFile::exists(file), !fileStart.isEmpty());
        QCOMPARE(TestFiles::ReadAll(file).left(fileStart.size()), fileStart);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
