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
    void commands_data();
    void commands();
    void noSettingsFileIsRefused_data();
    void noSettingsFileIsRefused();
    void createChecksTheWiredIpAddress_data();
    void createChecksTheWiredIpAddress();
    void createNamesTheFullPath();
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

void TestFileCommands::noSettingsFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // the detail under the load's failure message
    const QString notSettings = u"The file holds none of the network settings, so it is not a "
                                u"settings file. Nothing was loaded."_s;
    QTest::newRow("an empty file") << QByteArray() << notSettings;
    QTest::newRow("blank lines and comments only")
        << QByteArray("\r\n; note\r\n\r\n") << notSettings;
    QTest::newRow("a desktop entry")
        << QByteArray("[Desktop Entry]\nType=Application\nName=Editor\nExec=editor %F\n")
        << notSettings;
    QTest::newRow("settings keys in the wrong section")
        << QByteArray("[Common]\nWIRED_IP=10.0.0.1\n[UserNetworkSetting]\nNETWORK_PRIORITY=1\n")
        << notSettings;
    QTest::newRow("a profile key beyond the thirtieth")
        << QByteArray("[UserNetworkSetting]\nWIRELESS_SSID_31=Far\n") << notSettings;
    QTest::newRow("only the state file's own section")
        << QByteArray("[NetworkSettingUtility]\nLAST_PATS=/media\n") << notSettings;
    QTest::newRow("binary data")
        << QByteArray("\x7f"
                      "ELF\x02\x01\x01\0\0\0",
               10)
        << u"The file holds binary data, not text, so it is not a settings file. Nothing was "
           u"loaded."_s;
}

void TestFileCommands::noSettingsFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    DocumentProbe::Prefill(document);
    const QStringList before = DocumentProbe::Snapshot(document, true);
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_file = path;

    LoadSettingsCommand(document, recorder, chooser);

    QCOMPARE(recorder.m_messages.size(), 1);
    const CMessageRecorder::Message &m = recorder.m_messages.first();
    QCOMPARE(MessageLine(m.text, m.caption, m.icon, m.buttons),
        ExpectedMessage(
            Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption, MessageIcon::Error));
    QCOMPARE(m.detail, reason);
    // Only the message text the window composed for that box differs.
    QStringList after = DocumentProbe::Snapshot(document, true);
    after.replaceInStrings(
        u"messageText=Settings loading is finished with error.   "_s, u"messageText="_s);
    QCOMPARE(after, before);
}

void TestFileCommands::createChecksTheWiredIpAddress_data()
{
    QTest::addColumn<bool>("dhcpOn");
    QTest::addColumn<QList<int>>("ip");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QByteArray>("written"); // the WIRED_IP line of the file
    QTest::newRow("DHCP off, loopback address: refused, focus on it")
        << false << QList<int> { 127, 0, 0, 1 } << true << QByteArray();
    QTest::newRow("DHCP off, loopback network, not only 127.0.0.1")
        << false << QList<int> { 127, 200, 3, 4 } << true << QByteArray();
    QTest::newRow("DHCP on, loopback address: written blank, no message")
        << true << QList<int> { 127, 0, 0, 1 } << false << QByteArray("WIRED_IP=\r\n");
    QTest::newRow("DHCP off, 126.255.255.255 is written")
        << false << QList<int> { 126, 255, 255, 255 } << false
        << QByteArray("WIRED_IP=126.255.255.255\r\n");
    QTest::newRow("DHCP off, 128.0.0.1 is written")
        << false << QList<int> { 128, 0, 0, 1 } << false << QByteArray("WIRED_IP=128.0.0.1\r\n");
}

void TestFileCommands::createChecksTheWiredIpAddress()
{
    QFETCH(bool, dhcpOn);
    QFETCH(QList<int>, ip);
    QFETCH(bool, refused);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_connection.m_dhcpRadio = dhcpOn ? 0 : 1;
    c.m_connection.m_ipAddress.m_fields = { ip[0], ip[1], ip[2], ip[3] };
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = dir.path();

    CreateSettingFileCommand(document, recorder, chooser);

    const QString file = dir.filePath(u"NetworkSetting.ini"_s);
    QCOMPARE(QFile::exists(file), !refused);
    if (refused) {
        QCOMPARE(recorder.m_messages.size(), 1);
        const CMessageRecorder::Message &m = recorder.m_messages.first();
        QCOMPARE(MessageLine(m.text, m.caption, m.icon, m.buttons),
            ExpectedMessage(Msg::InvalidIpAddress, Msg::WiredLanCaption, MessageIcon::Error));
        QCOMPARE(m.detail,
            u"Addresses that begin with 127 are reserved for loopback and cannot be used as the "
            u"IP address."_s);
        QCOMPARE(chooser.m_calls, QStringList()); // no folder browser
        QVERIFY(c.m_focusRequest == FocusRequest::WiredIpAddress);
        QCOMPARE(c.m_connection.m_ipAddress.m_fields,
            (std::array<int, 4> { ip[0], ip[1], ip[2], ip[3] }));
        return;
    }
    QCOMPARE(recorder.m_messages.size(), 1);
    QCOMPARE(recorder.m_messages.first().icon, MessageIcon::Information);
    QVERIFY(TestFiles::ReadAll(file).contains("\r\n" + written));
}

void TestFileCommands::createNamesTheFullPath()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"SD card [1]"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/NetworkSetting.ini"_s;
    QVERIFY(TestFiles::Write(path, "old"));
    CSettingsDocument document;
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = folder;

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(recorder.m_messages.size(), 2);
    QCOMPARE(recorder.m_messages[0].text, u"Overwrite the existing file?   "_s);
    QCOMPARE(recorder.m_messages[0].detail, u"File: "_s + path);
    QCOMPARE(recorder.m_messages[1].text, u"Settings file created successfully.   "_s);
    QCOMPARE(recorder.m_messages[1].detail, u"File: "_s + path);
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
