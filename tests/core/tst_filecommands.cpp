#include "FileCommands.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"

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

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

const std::array<int, 4> Blank { -1, -1, -1, -1 };

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void init();

    void settingsFilePath_data();
    void settingsFilePath();

    void loadCancelledDoesNothing();
    void loadGoodFile();
    void loadBadFileReportsThenFails();
    void loadVanishedFileIsNoSuccess();

    void createStopsAtValidation_data();
    void createStopsAtValidation();
    void createWritesIntoPickedFolder_data();
    void createWritesIntoPickedFolder();
    void createOpensOnLastPath();
    void createCancelledFolderDoesNothing();
    void overwriteDeclinedLeavesFile();
    void overwriteAcceptedReplacesFile();
    void createWriteFailureReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileCommands::settingsFilePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");

    QTest::newRow("folder gets a separator") << QStringLiteral(
        "/media/card/settings") << QStringLiteral("/media/card/settings/NetworkSetting.ini");
    QTest::newRow("folder ending in a separator gets none")
        << QStringLiteral("/media/card/") << QStringLiteral("/media/card/NetworkSetting.ini");
    QTest::newRow("root of the file system")
        << QStringLiteral("/") << QStringLiteral("/NetworkSetting.ini");
}

void TestFileCommands::settingsFilePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(SettingsFilePathInFolder(folder), path);
}

void TestFileCommands::loadCancelledDoesNothing()
{
    CSettingsDocument document;
    document.m_lastPath = QStringLiteral("/media/card");
    document.m_controls.m_proxyAddress.m_text = QStringLiteral("kept");
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;

    LoadSettingsCommand(document, recorder, chooser);

    QCOMPARE(chooser.m_calls, QStringList { QStringLiteral("open:/media/card") });
    QVERIFY(recorder.m_messages.isEmpty());
    QCOMPARE(document.m_controls.m_proxyAddress.m_text, QStringLiteral("kept"));
}

void TestFileCommands::loadGoodFile()
{
    const QString path = m_dir->filePath(QStringLiteral("NetworkSetting.ini"));
    WriteFile(path,
        "[UserNetworkSetting]\r\n"
        "WIRED_DHCP=0\r\n"
        "WIRED_IP=192.168.10.20\r\n"
        "WIRED_SUBNET_MASK=255.255.255.0\r\n"
        "WIRED_PROXY=1\r\n"
        "WIRED_PROXY_ADDRESS=proxy.example\r\n"
        "WIRED_PROXY_PORT=3128\r\n"
        "[Common]\r\n"
        "NETWORK_PRIORITY=0\r\n"
        "NETWORK_DEVICE_POWER_MANAGEMENT=0\r\n"
        "WIRELESS_SETTING_TOTAL=0\r\n");
    CSettingsDocument document;
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_file = path;

    LoadSettingsCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder),
        QStringList { ExpectedMessage(
            Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information) });
    const MainWindowControls &c = document.m_controls;
    QCOMPARE(c.m_dhcpModeRadio, 1);
    QCOMPARE(c.m_ipAddress.m_fields, (std::array<int, 4> { 192, 168, 10, 20 }));
    QCOMPARE(c.m_subnetMask.m_fields, (std::array<int, 4> { 255, 255, 255, 0 }));
    QCOMPARE(c.m_defaultGateway.m_fields, Blank);
    QVERIFY(c.m_ipAddress.m_enabled);
    QCOMPARE(c.m_useProxyChecked, true);
    QCOMPARE(c.m_proxyAddress.m_text, QStringLiteral("proxy.example"));
    QCOMPARE(c.m_proxyPort.m_text, QStringLiteral("3128"));
    QCOMPARE(c.m_useWirelessChecked, false);
    // Loading does not move the folder that "Create Setting file" opens on.
    QCOMPARE(document.m_lastPath, QString());
}

void TestFileCommands::loadBadFileReportsThenFails()
{
    const QString path = m_dir->filePath(QStringLiteral("NetworkSetting.ini"));
    WriteFile(path,
        "[UserNetworkSetting]\r\n"
        "WIRED_DHCP=0\r\n"
        "WIRED_IP=256.1.1.1\r\n"
        "WIRED_SUBNET_MASK=255.255.0.0\r\n"
        "WIRED_DNS=1.2.3\r\n");
    CSettingsDocument document;
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_file = path;

    LoadSettingsCommand(document, recorder, chooser);

    // The reader's own reports first, in file order, then the command's summary.
    const QStringList expected {
        ExpectedMessage(Msg::InvalidIpAddressInFile, Msg::LoadSettingsCaption, MessageIcon::Error),
        ExpectedMessage(Msg::InvalidDnsInFile, Msg::LoadSettingsCaption, MessageIcon::Error),
        ExpectedMessage(Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption, MessageIcon::Error),
    };
    QCOMPARE(Lines(recorder), expected);
    // What passed is kept.
    QCOMPARE(document.m_controls.m_ipAddress.m_fields, Blank);
    QCOMPARE(document.m_controls.m_subnetMask.m_fields, (std::array<int, 4> { 255, 255, 0, 0 }));
    QCOMPARE(document.m_controls.m_dns.m_fields, Blank);
}

void TestFileCommands::loadVanishedFileIsNoSuccess()
{
    CSettingsDocument document;
    document.m_controls.m_dhcpModeRadio = 1;
    document.m_controls.m_ipAddress.m_fields = { 10, 0, 0, 1 };
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_file = m_dir->filePath(QStringLiteral("gone/NetworkSetting.ini"));

    LoadSettingsCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder),
        QStringList { ExpectedMessage(
            Msg::SettingFileMissing, Msg::LoadSettingsCaption, MessageIcon::Error) });
    QCOMPARE(document.m_controls.m_dhcpModeRadio, 1);
    QCOMPARE(document.m_controls.m_ipAddress.m_fields, (std::array<int, 4> { 10, 0, 0, 1 }));
}

void TestFileCommands::createStopsAtValidation_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<QString>("deviceName");
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("proxyAddress");
    QTest::addColumn<QString>("expected");

    QTest::newRow("proxy on without an address")
        << 0 << QString() << true << QString()
        << ExpectedMessage(Msg::WiredInputProxyAddress, Msg::WiredLanCaption, MessageIcon::Error);
    QTest::newRow("customised folder without a device name")
        << 1 << QString() << false << QString()
        << ExpectedMessage(Msg::InputDeviceName, Msg::NetworkFolderCaption, MessageIcon::Error);
    QTest::newRow("folder failure stops before the wired check")
        << 1 << QStringLiteral("123") << true << QString()
        << ExpectedMessage(
               Msg::DeviceNameDigitsOnly, Msg::NetworkFolderCaption, MessageIcon::Error);
}

void TestFileCommands::createStopsAtValidation()
{
    QFETCH(int, folderMode);
    QFETCH(QString, deviceName);
    QFETCH(bool, useProxy);
    QFETCH(QString, proxyAddress);
    QFETCH(QString, expected);

    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_folderModeRadio = folderMode;
    c.m_deviceName.m_text = deviceName;
    c.m_userId.m_text = QStringLiteral("user");
    c.m_useProxyChecked = useProxy;
    c.m_proxyAddress.m_text = proxyAddress;
    c.m_proxyPort.m_text = QStringLiteral("8080");
    document.m_lastPath = m_dir->path();
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = m_dir->path();

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder), QStringList { expected });
    QVERIFY(chooser.m_calls.isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("NetworkSetting.ini"))));
}

void TestFileCommands::createWritesIntoPickedFolder_data()
{
    QTest::addColumn<QString>("subFolder");
    QTest::addColumn<bool>("trailingSeparator");

    QTest::newRow("root-like folder ending in a separator") << QString() << true;
    QTest::newRow("sub-folder") << QStringLiteral("settings") << false;
}

void TestFileCommands::createWritesIntoPickedFolder()
{
    QFETCH(QString, subFolder);
    QFETCH(bool, trailingSeparator);

    QString target = m_dir->path();
    if (!subFolder.isEmpty()) {
        QVERIFY(QDir(target).mkdir(subFolder));
        target += u'/' + subFolder;
    }
    const QString picked = trailingSeparator ? target + u'/' : target;

    CSettingsDocument document;
    document.m_controls.m_dhcpModeRadio = 1;
    document.m_controls.m_ipAddress.m_fields = { 10, 0, 0, 5 };
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = picked;

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder),
        QStringList { ExpectedMessage(
            Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information) });
    QCOMPARE(document.m_lastPath, picked);
    const QByteArray written = ReadFile(target + QStringLiteral("/NetworkSetting.ini"));
    QVERIFY(written.startsWith("[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=10.0.0.5\r\n"));
}

void TestFileCommands::createOpensOnLastPath()
{
    CSettingsDocument document;
    document.m_lastPath = QStringLiteral("/kept/from/the/state/file");
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = m_dir->path();

    CreateSettingFileCommand(document, recorder, chooser);
    CreateSettingFileCommand(document, recorder, chooser);

    const QStringList expected { QStringLiteral("folder:/kept/from/the/state/file"),
        QStringLiteral("folder:") + m_dir->path() };
    QCOMPARE(chooser.m_calls, expected);
}

void TestFileCommands::createCancelledFolderDoesNothing()
{
    CSettingsDocument document;
    document.m_lastPath = m_dir->path();
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(chooser.m_calls.size(), 1);
    QVERIFY(recorder.m_messages.isEmpty());
    QCOMPARE(document.m_lastPath, m_dir->path());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("NetworkSetting.ini"))));
}

void TestFileCommands::overwriteDeclinedLeavesFile()
{
    QTemporaryDir other;
    const QString path = other.filePath(QStringLiteral("NetworkSetting.ini"));
    WriteFile(path, "[Common]\r\nWIRELESS_SETTING_TOTAL=7\r\n");
    CSettingsDocument document;
    document.m_lastPath = m_dir->path();
    CMessageRecorder recorder;
    recorder.m_answers = { MessageAnswer::Cancel };
    CScriptedPathChooser chooser;
    chooser.m_folder = other.path();

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder),
        QStringList { ExpectedMessage(Msg::OverwriteExistingFile, Msg::CreateSettingCaption,
            MessageIcon::None, MessageButtons::OkCancel) });
    QCOMPARE(ReadFile(path), QByteArray("[Common]\r\nWIRELESS_SETTING_TOTAL=7\r\n"));
    QCOMPARE(document.m_lastPath, other.path());
}

void TestFileCommands::overwriteAcceptedReplacesFile()
{
    const QString path = m_dir->filePath(QStringLiteral("NetworkSetting.ini"));
    WriteFile(path, "old");
    CSettingsDocument document;
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = m_dir->path();

    CreateSettingFileCommand(document, recorder, chooser);

    const QStringList expected {
        ExpectedMessage(Msg::OverwriteExistingFile, Msg::CreateSettingCaption, MessageIcon::None,
            MessageButtons::OkCancel),
        ExpectedMessage(
            Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information),
    };
    QCOMPARE(Lines(recorder), expected);
    QVERIFY(ReadFile(path).startsWith("[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n"));
}

void TestFileCommands::createWriteFailureReported()
{
    const QString missing = m_dir->filePath(QStringLiteral("not/there"));
    CSettingsDocument document;
    CMessageRecorder recorder;
    CScriptedPathChooser chooser;
    chooser.m_folder = missing;

    CreateSettingFileCommand(document, recorder, chooser);

    QCOMPARE(Lines(recorder),
        QStringList { ExpectedMessage(
            Msg::SettingsFileCreateFailed, Msg::CreateSettingCaption, MessageIcon::Error) });
    QCOMPARE(document.m_lastPath, missing);
    QVERIFY(!QFile::exists(missing));
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
