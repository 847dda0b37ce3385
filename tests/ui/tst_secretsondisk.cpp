#include "DialogScript.h"
#include "MessageRecorder.h"
#include "NetSetUtilDlg.h"
#include "OemCodePage.h"
#include "ScriptedPathChooser.h"
#include "SecretCipher.h"
#include "SingleInstance.h"
#include "StateFile.h"
#include "WifiSecurity.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// A whole run of the utility, with every place it may write redirected under one temporary
// folder: afterwards no file there may hold a password or key in any form it could take as
// text, while the sealed values in them open back to the very secrets.

namespace {

struct Secret
{
    const char *name;
    QString plain;
    // Its bytes in code pages 437 and 850, which agree on these letters, by their tables.
    QByteArray oem;
};

const Secret FolderPassword { "network-folder password",
    QString::fromUtf8("Ordner-Pa\u00dfwort-\u00fc7"),
    QByteArray("Ordner-Pa\xe1wort-\x81"
               "7") };
const Secret LoadedKey { "key from the loaded file",
    QString::fromUtf8("B\u00fcro-Schl\u00fcssel-\u00e4\u00f6-2024"),
    QByteArray("B\x81ro-Schl\x81ssel-\x84\x94-2024") };
const Secret TypedKey { "key typed in the property dialog",
    QString::fromUtf8("Labor-W\u00e4rme-\u00d1and\u00fa-99"),
    QByteArray("Labor-W\x84rme-\xa5"
               "and\xa3-99") };

const QString CheckerPath = QStringLiteral(MERIDOCK_CHECKER_PATH);

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every way the secret could stand in a file as text, its own bytes hex-encoded included (a
// sealing that forgot to encrypt).
QList<std::pair<QString, QByteArray>> Forms(const Secret &secret)
{
    QByteArray utf16le, utf16be;
    for (const QChar c : secret.plain) {
        const char16_t u = c.unicode();
        utf16le.append(char(u & 0xFF)).append(char(u >> 8));
        utf16be.append(char(u >> 8)).append(char(u & 0xFF));
    }
    const QByteArray latin1 = secret.plain.toLatin1();
    const QByteArray utf8 = secret.plain.toUtf8();
    return {
        { QStringLiteral("Latin-1"), latin1 },
        { QStringLiteral("UTF-8"), utf8 },
        { QStringLiteral("UTF-16LE"), utf16le },
        { QStringLiteral("UTF-16BE"), utf16be },
        { QStringLiteral("OEM code page"), secret.oem },
        { QStringLiteral("hex of the OEM bytes"), secret.oem.toHex().toUpper() },
        { QStringLiteral("hex of the OEM bytes, lower case"), secret.oem.toHex() },
        { QStringLiteral("hex of the Latin-1 bytes"), latin1.toHex().toUpper() },
        { QStringLiteral("hex of the UTF-8 bytes"), utf8.toHex().toUpper() },
    };
}

// The value of `key` in a file of CRLF lines; a null string when the key is not there.
QString ValueOf(const QByteArray &file, const QByteArray &key)
{
    for (const QByteArray &line : file.split('\n')) {
        const QByteArray trimmed = line.endsWith('\r') ? line.chopped(1) : line;
        if (trimmed.startsWith(key + '='))
            return QString::fromLatin1(trimmed.mid(key.size() + 1));
    }
    return {};
}

// What a sealed value opens to; a marker text when it does not open.
QString Opened(const QString &sealed)
{
    QString plain;
    if (sealed.isEmpty() || DecryptSecret(sealed, plain) != 1)
        return QStringLiteral("<does not open: \"%1\">").arg(sealed);
    return plain;
}


// Types `text` as key presses; letters beyond ASCII come as the key events a keyboard layout
// with them sends.
void Type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(
            QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

QStringList Lines(const CMessageRecorder &recorder)
{
    QStringList lines;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        lines.append(MessageLine(m.text, m.caption, m.icon, m.buttons));
    return lines;
}

} // namespace

class TestSecretsOnDisk : public QObject
{
    Q_OBJECT

public:
    explicit TestSecretsOnDisk(QString root)
        : m_root(std::move(root))
    { }

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void windowSessionWritesNoPlaintext();
    void checkerWritesNoPlaintext();

private:
    QString Folder(const char *name) const { return m_root + u'/' + QLatin1String(name); }
    // Reads every file under the root but the test's own input into `scanned` and fails for
    // each secret found in any form.
    void ExpectNoPlaintextOnDisk(const QList<Secret> &secrets, QStringList &scanned);

    QString m_root;
    QString m_input;
};

void TestSecretsOnDisk::initTestCase()
{
    SetCurrentLanguageSlot(0);
    SetUserOemCodePage(850);
    QCOMPARE(StateFilePath(), Folder("config") + QStringLiteral("/MeridockSettingUtil.dat"));
    QCOMPARE(CSingleInstance::MarkerFolder(), Folder("runtime"));

    // The file a user loads: a wireless key and the network-folder values, sealed as the
    // device's side seals them.
    QString sealedKey, sealedPassword;
    QCOMPARE(EncryptSecret(LoadedKey.plain, sealedKey), 1);
    QCOMPARE(EncryptSecret(FolderPassword.plain, sealedPassword), 1);
    QVERIFY(QDir().mkpath(Folder("input")));
    m_input = Folder("input") + QStringLiteral("/NetworkSetting.ini");
    QVERIFY(WriteFile(m_input,
        "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\nWIRED_PROXY=0\r\n"
        "WIRELESS_DHCP=1\r\nWIRELESS_PROXY=0\r\nWIRELESS_SSID=office-net\r\n"
        "WIRELESS_SEQLITY_MODE=4\r\nWIRELESS_PSK="
            + sealedKey.toLatin1()
            + "\r\nWIRELESS_FORCE=0\r\nWIRELESS_CONNECTION_AUTOMATICALLY=1\r\n"
              "[Common]\r\nNETWORK_PRIORITY=1\r\nNETWORK_DEVICE_POWER_MANAGEMENT=1\r\n"
              "WIRELESS_SETTING_TOTAL=1\r\n"
              "[NewtworkFolderSetting]\r\nNETFOLDER_NAME=nas-01\r\nNETFOLDER_UID=alice_1\r\n"
              "NETFOLDER_PASS="
            + sealedPassword.toLatin1() + "\r\n"));
}

void TestSecretsOnDisk::cleanup()
{
    SetUserOemCodePage(850);
}

void TestSecretsOnDisk::windowSessionWritesNoPlaintext()
{
    // As the program starts: the single-instance marker, then the window on the state file.
    CSingleInstance instance(CSingleInstance::ProgramKey());
    QVERIFY(instance.Claim());
    CMessageRecorder windowBox, dialogBox;
    CScriptedPathChooser chooser;
    auto window = std::make_unique<CNetSetUtilDlg>();
    CWifiSecurityLauncher launcher(window.get(), &dialogBox);
    window->SetMessageBox(&windowBox);
    window->SetPathChooser(&chooser);
    window->SetPropertyDialog(&launcher);
    window->StartSession(StateFilePath());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(windowBox.m_messages.isEmpty());

    // Load the file with the sealed key and folder password.
    chooser.m_file = m_input;
    Press(*window, "loadSettingsButton");
    QCOMPARE(Lines(windowBox),
        QStringList { ExpectedMessage(
            Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information) });
    QVERIFY(Find<QRadioButton>(*window, "folderCustomizeRadio")->isChecked());
    QVERIFY(Find<QLineEdit>(*window, "passwordEdit")->text() == FolderPassword.plain);
    QVERIFY(window->Document().m_wirelessSettings[0].m_networkKey == LoadedKey.plain);

    // A second network, its key typed into the property dialog.
    QTabBar *tabs = Find<QTabWidget>(*window, "tabControl")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    {
        CDialogScript script([](CWifiSecurity &dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), QStringLiteral("lab-net"));
            Find<QComboBox>(dialog, "security")->setCurrentIndex(5); // WPA2-PSK (AES)
            Type(Find<QLineEdit>(dialog, "networkKey"), TypedKey.plain);
            Type(Find<QLineEdit>(dialog, "keyConfirm"), TypedKey.plain);
            Press(dialog, "ok");
        });
        Press(*window, "addButton");
        QVERIFY(script.m_ran);
        QVERIFY(!script.m_leftOpen);
    }
    QVERIFY(dialogBox.m_messages.isEmpty());
    QCOMPARE(Find<QListWidget>(*window, "wirelessList")->count(), 2);

    // Create the settings file on the card, then close: the state file is written.
    QVERIFY(QDir().mkpath(Folder("card")));
    chooser.m_folder = Folder("card");
    Press(*window, "createSettingFileButton");
    QCOMPARE(Lines(windowBox).last(),
        ExpectedMessage(
            Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information));
    Press(*window, "exitButton");
    QVERIFY(!window->isVisible());
    QCOMPARE(windowBox.m_messages.size(), 2);
    window.reset();

    const QString card = Folder("card") + QStringLiteral("/NetworkSetting.ini");
    QStringList scanned;
    ExpectNoPlaintextOnDisk({ FolderPassword, LoadedKey, TypedKey }, scanned);
    if (QTest::currentTestFailed())
        return;
    for (const QString &written :
        { card, StateFilePath(), CSingleInstance::MarkerPath(CSingleInstance::ProgramKey()) })
        QVERIFY2(scanned.contains(written), qPrintable(written));

    // The sealed values are there and open to the secrets, in the card file and the state file.
    const QByteArray cardFile = ReadFile(card);
    QVERIFY(Opened(ValueOf(cardFile, "WIRELESS_PSK")) == LoadedKey.plain);
    QVERIFY(Opened(ValueOf(cardFile, "WIRELESS_PSK_2")) == TypedKey.plain);
    const QByteArray stateFile = ReadFile(StateFilePath());
    QVERIFY(Opened(ValueOf(stateFile, "WIRELESS_PSK")) == LoadedKey.plain);
    QVERIFY(Opened(ValueOf(stateFile, "WIRELESS_PSK_2")) == TypedKey.plain);
    QVERIFY(Opened(ValueOf(stateFile, "NETFOLDER_PASS")) == FolderPassword.plain);
}

void TestSecretsOnDisk::checkerWritesNoPlaintext()
{
    QVERIFY(QDir().mkpath(Folder("checked")));
    const QString output = Folder("checked") + QStringLiteral("/NetworkSetting.ini");
    QProcess checker;
    checker.start(CheckerPath, { QStringLiteral("--write"), output, m_input });
    QVERIFY(checker.waitForFinished(30000));
    QCOMPARE(checker.exitStatus(), QProcess::NormalExit);
    QCOMPARE(checker.readAllStandardError(), QByteArray());
    QCOMPARE(checker.exitCode(), 0);

    QStringList scanned;
    ExpectNoPlaintextOnDisk({ FolderPassword, LoadedKey }, scanned);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(scanned.contains(output));
    QVERIFY(Opened(ValueOf(ReadFile(output), "WIRELESS_PSK")) == LoadedKey.plain);
}

void TestSecretsOnDisk::ExpectNoPlaintextOnDisk(const QList<Secret> &secrets, QStringList &scanned)
{
    QStringList found;
    qint64 bytes = 0;
    QDirIterator files(
        m_root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QFileInfo info(path);
        if (path == m_input || info.isSymLink() || !info.isFile())
            continue; // the test's own input; sockets and links hold nothing of their own
        const QByteArray content = ReadFile(path);
        scanned.append(path);
        bytes += content.size();
        for (const Secret &secret : secrets) {
            for (const auto &[form, needle] : Forms(secret)) {
                if (content.contains(needle))
                    found.append(
                        QStringLiteral("%1: %2 as %3").arg(path, QLatin1String(secret.name), form));
            }
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    qInfo("scanned %lld bytes in %lld files", bytes, qint64(scanned.size()));
}

int main(int argc, char *argv[])
{
    // Every place the run may write goes under one temporary root before Qt starts: home,
    // configuration, cache, data, state, runtime and temporary folders.
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    const QString path = root.path();
    for (const auto &[variable, folder] : {
             std::pair { "HOME", "home" },
             std::pair { "XDG_CONFIG_HOME", "config" },
             std::pair { "XDG_CACHE_HOME", "cache" },
             std::pair { "XDG_DATA_HOME", "data" },
             std::pair { "XDG_STATE_HOME", "state" },
             std::pair { "XDG_RUNTIME_DIR", "runtime" },
             std::pair { "TMPDIR", "tmp" },
         }) {
        const QString place = path + u'/' + QLatin1String(folder);
        if (!QDir().mkpath(place)
            || !QFile::setPermissions(
                place, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return 1;
        qputenv(variable, QFile::encodeName(place));
    }
    QApplication application(argc, argv);
    TestSecretsOnDisk test(path);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_secretsondisk.moc"
