#include "FileCommands.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Lines(const CMessageRecorder &recorder)
{
    QStringList lines;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        lines.append(MessageLine(m.text, m.caption, m.icon, m.buttons));
    return lines;
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void settingsFilePath();
    void load_data();
    void load();
    void create_data();
    void create();
};

void TestFileCommands::settingsFilePath()
{
    QCOMPARE(SettingsFilePathInFolder(QStringLiteral("/media/card/settings")),
        QStringLiteral("/media/card/settings/NetworkSetting.ini"));
    QCOMPARE(SettingsFilePathInFolder(QStringLiteral("/media/card/")),
        QStringLiteral("/media/card/NetworkSetting.ini"));
}

void TestFileCommands::load_data()
{
    QTest::addColumn<QByteArray>("file"); // "(cancel)": no file picked; "(none)": it vanished
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("proxyAfter"); // the wired proxy address, "kept" before the load
    const auto load = [](MessageId text, MessageIcon icon = MessageIcon::Error) {
        return ExpectedMessage(text, Msg::LoadSettingsCaption, icon);
    };

    QTest::newRow("no file picked")
        << QByteArray("(cancel)") << QStringList() << QStringLiteral("kept");
    QTest::newRow("a clean file") << QByteArray(
        "[UserNetworkSetting]\r\nWIRED_PROXY=1\r\nWIRED_PROXY_ADDRESS=proxy.example\r\n"
        "WIRED_PROXY_PORT=3128\r\n")
                                  << QStringList { load(
                                         Msg::SettingsLoaded, MessageIcon::Information) }
                                  << QStringLiteral("proxy.example");
    // The reader's own reports come first, in file order, then the command's summary.
    QTest::newRow("a file with bad values")
        << QByteArray("[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=256.1.1.1\r\n"
                      "WIRED_SUBNET_MASK=255.255.0.0\r\nWIRED_DNS=1.2.3\r\n")
        << QStringList { load(Msg::InvalidIpAddressInFile), load(Msg::InvalidDnsInFile),
               load(Msg::SettingsLoadedWithError) }
        << QString();
    // The reader would take it for an empty file and report a clean load of nothing.
    QTest::newRow("a file that vanished after it was picked")
        << QByteArray("(none)") << QStringList { load(Msg::SettingFileMissing) }
        << QStringLiteral("kept");
}

void TestFileCommands::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, messages);
    QFETCH(QString, proxyAfter);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NetworkSetting.ini"));
    if (!file.startsWith('('))
        QVERIFY(TestFiles::Write(path, file));
    CSettingsDocument document;
    document.m_lastPath = QStringLiteral("/media/card");
    document.m_controls.m_proxyAddress.m_text = QStringLiteral("kept");
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_file = file == "(cancel)" ? QString() : path;

    LoadSettingsCommand(document, recorder, chooser);

    QCOMPARE(chooser.m_calls, QStringList { QStringLiteral("open:/media/card") });
    QCOMPARE(Lines(recorder), messages);
    QCOMPARE(document.m_controls.m_proxyAddress.m_text, proxyAfter);
    // Loading does not move the folder that "Create Setting file" opens on.
    QCOMPARE(document.m_lastPath, QStringLiteral("/media/card"));
}

void TestFileCommands::create_data()
{
    QTest::addColumn<QString>("failing"); // "folder" or "wired": a check that fails
    QTest::addColumn<QString>("picked"); // relative to a new folder; "(cancel)" for none
    QTest::addColumn<QByteArray>("existing"); // a settings file already there
    QTest::addColumn<bool>("overwrite"); // the answer to the overwrite question
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("fileStart"); // empty when there is no file
    QTest::addColumn<bool>("pickedIsLastPath");
    const auto row = [](const char *rule, QStringView failing, QStringView picked,
                         const char *existing, bool overwrite, const QStringList &messages,
                         const char *fileStart, bool pickedIsLastPath) {
        QTest::newRow(rule) << failing.toString() << picked.toString() << QByteArray(existing)
                            << overwrite << messages << QByteArray(fileStart) << pickedIsLastPath;
    };
    const auto create = [](MessageId text, MessageIcon icon = MessageIcon::Error) {
        return ExpectedMessage(text, Msg::CreateSettingCaption, icon);
    };
    const QString created = create(Msg::SettingsFileCreated, MessageIcon::Information);
    const QString overwrite = ExpectedMessage(Msg::OverwriteExistingFile, Msg::CreateSettingCaption,
        MessageIcon::None, MessageButtons::OkCancel);
    const char *const written = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=10.0.0.5\r\n";

    row("a failed folder check stops before the wired one and the folder dialog", u"folder", u"sub",
        "", true,
        { ExpectedMessage(
            Msg::DeviceNameDigitsOnly, Msg::NetworkFolderCaption, MessageIcon::Error) },
        "", false);
    row("a failed wired check stops before the folder dialog", u"wired", u"sub", "", true,
        { ExpectedMessage(Msg::WiredInputProxyAddress, Msg::WiredLanCaption, MessageIcon::Error) },
        "", false);
    row("no folder picked", u"", u"(cancel)", "", true, {}, "", false);
    row("written into the picked folder, which becomes the last path", u"", u"sub", "", true,
        { created }, written, true);
    row("overwrite declined keeps the file; the folder is still the last path", u"", u"sub", "old",
        false, { overwrite }, "old", true);
    row("overwrite accepted replaces the file", u"", u"sub", "old", true, { overwrite, created },
        written, true);
    row("a failed write is reported", u"", u"sub/not/there", "", true,
        { create(Msg::SettingsFileCreateFailed) }, "", true);
}

void TestFileCommands::create()
{
    QFETCH(QString, failing);
    QFETCH(QString, picked);
    QFETCH(QByteArray, existing);
    QFETCH(bool, overwrite);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, fileStart);
    QFETCH(bool, pickedIsLastPath);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString folder = dir.filePath(picked);
    const QString file = folder + QStringLiteral("/NetworkSetting.ini");
    if (!existing.isEmpty())
        QVERIFY(TestFiles::Write(file, existing));
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_dhcpModeRadio = 1;
    c.m_ipAddress.m_fields = { 10, 0, 0, 5 };
    c.m_folderModeRadio = failing == u"folder" ? 1 : 0;
    c.m_deviceName.m_text = QStringLiteral("123");
    c.m_userId.m_text = QStringLiteral("user");
    c.m_useProxyChecked = !failing.isEmpty();
    c.m_proxyPort.m_text = QStringLiteral("8080");
    document.m_lastPath = QStringLiteral("/from/the/state/file");
    CMessageRecorder recorder;
    recorder.m_answers = { overwrite ? MessageAnswer::Ok : MessageAnswer::Cancel };
    CScriptedPathChooser chooser;
    chooser.m_folder = picked == u"(cancel)" ? QString() : folder;

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder), messages);
    QCOMPARE(chooser.m_calls,
        failing.isEmpty() ? QStringList { QStringLiteral("folder:/from/the/state/file") }
                          : QStringList());
    QCOMPARE(
        document.m_lastPath, pickedIsLastPath ? folder : QStringLiteral("/from/the/state/file"));
    QCOMPARE(QFile::exists(file), !fileStart.isEmpty());
    QCOMPARE(TestFiles::ReadAll(file).left(fileStart.size()), fileStart);
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
