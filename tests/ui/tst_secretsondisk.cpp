#include "DialogScript.h"
#include "MessageRecorder.h"
#include "NetSetUtilDlg.h"
#include "OemCodePage.h"
#include "ScriptedPathChooser.h"
#include "SecretCipher.h"
#include "SingleInstance.h"
#include "StateFile.h"
#include "TestFiles.h"
#include "WifiSecurity.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

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
    QStringLiteral("Ordner-Pa\u00dfwort-\u00fc7"), QByteArray("Ordner-Pa\xe1wort-\x81\x37") };
const Secret LoadedKey { "key from the loaded file",
    QStringLiteral("B\u00fcro-Schl\u00fcssel-\u00e4\u00f6-2024"),
    QByteArray("B\x81ro-Schl\x81ssel-\x84\x94-2024") };
const Secret TypedKey { "key typed in the property dialog",
    QStringLiteral("Labor-W\u00e4rme-\u00d1and\u00fa-99"),
    QByteArray("Labor-W\x84rme-\xa5\x61nd\xa3-99") };

// What the value of `key` in a file of CRLF lines opens to; a marker text when it does not open.
QString Opened(const QString &path, const QByteArray &key)
{
    for (const QByteArray &line : TestFiles::ReadAll(path).split('\n')) {
        QString plain;
        if (line.startsWith(key + '=')
            && DecryptSecret(QString::fromLatin1(line.mid(key.size() + 1).trimmed()), plain) == 1)
            return plain;
    }
    return QStringLiteral("<%1 does not open>").arg(QLatin1String(key));
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
    void initTestCase()
    {
        SetCurrentLanguageSlot(0);
        SetUserOemCodePage(850);
        QCOMPARE(StateFilePath(), Folder("config") + QStringLiteral("/MeridockSettingUtil.dat"));
        QCOMPARE(CSingleInstance::MarkerFolder(), Folder("runtime"));

        // The file a user loads: a wireless key and the network-folder password, sealed as the
        // device's side seals them.
        QVERIFY(QDir().mkpath(Folder("input")));
        m_input = Folder("input") + QStringLiteral("/NetworkSetting.ini");
        QVERIFY(TestFiles::Write(m_input,
            TestFiles::Bytes(QStringLiteral(
                "[UserNetworkSetting]\nWIRED_DHCP=1\nWIRED_PROXY=0\nWIRELESS_DHCP=1\n"
                "WIRELESS_PROXY=0\nWIRELESS_SSID=office-net\nWIRELESS_SEQLITY_MODE=4\n"
                "WIRELESS_PSK=$seal(%1)\nWIRELESS_FORCE=0\nWIRELESS_CONNECTION_AUTOMATICALLY=1\n"
                "[Common]\nNETWORK_PRIORITY=1\nNETWORK_DEVICE_POWER_MANAGEMENT=1\n"
                "WIRELESS_SETTING_TOTAL=1\n[NewtworkFolderSetting]\nNETFOLDER_NAME=nas-01\n"
                "NETFOLDER_UID=alice_1\nNETFOLDER_PASS=$seal(%2)\n")
                                 .arg(LoadedKey.plain, FolderPassword.plain))));
    }

    void windowSessionWritesNoPlaintext()
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

        chooser.m_file = m_input;
        Press(*window, "loadSettingsButton");
        QCOMPARE(Lines(windowBox),
            QStringList { ExpectedMessage(
                Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information) });
        QVERIFY(Find<QRadioButton>(*window, "folderCustomizeRadio")->isChecked());
        QVERIFY(Find<QLineEdit>(*window, "passwordEdit")->text() == FolderPassword.plain);

        // A second network, its key typed into the property dialog.
        QTabBar *tabs = Find<QTabWidget>(*window, "tabControl")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        CDialogScript script([](CWifiSecurity &dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), QStringLiteral("lab-net"));
            Find<QComboBox>(dialog, "security")->setCurrentIndex(5); // WPA2-PSK (AES)
            Type(Find<QLineEdit>(dialog, "networkKey"), TypedKey.plain);
            Type(Find<QLineEdit>(dialog, "keyConfirm"), TypedKey.plain);
            Press(dialog, "ok");
        });
        Press(*window, "addButton");
        QVERIFY(script.m_ran && !script.m_leftOpen);
        QVERIFY(dialogBox.m_messages.isEmpty());
        QCOMPARE(Find<QListWidget>(*window, "wirelessList")->count(), 2);

        // Create the settings file on the card, then close: the state file is written.
        QVERIFY(QDir().mkpath(Folder("card")));
        chooser.m_folder = Folder("card");
        Press(*window, "createSettingFileButton");
        Press(*window, "exitButton");
        QCOMPARE(Lines(windowBox).mid(1),
            QStringList { ExpectedMessage(
                Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information) });
        QVERIFY(!window->isVisible());
        window.reset();

        const QString card = Folder("card") + QStringLiteral("/NetworkSetting.ini");
        ExpectNoPlaintextOnDisk({ FolderPassword, LoadedKey, TypedKey },
            { card, StateFilePath(), CSingleInstance::MarkerPath(CSingleInstance::ProgramKey()) });
        QVERIFY(Opened(card, "WIRELESS_PSK") == LoadedKey.plain);
        QVERIFY(Opened(card, "WIRELESS_PSK_2") == TypedKey.plain);
        QVERIFY(Opened(StateFilePath(), "WIRELESS_PSK") == LoadedKey.plain);
        QVERIFY(Opened(StateFilePath(), "WIRELESS_PSK_2") == TypedKey.plain);
        QVERIFY(Opened(StateFilePath(), "NETFOLDER_PASS") == FolderPassword.plain);
    }

    void checkerWritesNoPlaintext()
    {
        QVERIFY(QDir().mkpath(Folder("checked")));
        const QString output = Folder("checked") + QStringLiteral("/NetworkSetting.ini");
        QProcess checker;
        checker.start(
            QStringLiteral(MERIDOCK_CHECKER_PATH), { QStringLiteral("--write"), output, m_input });
        QVERIFY(checker.waitForFinished(30000));
        QCOMPARE(checker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(checker.readAllStandardError(), QByteArray());
        QCOMPARE(checker.exitCode(), 0);
        ExpectNoPlaintextOnDisk({ FolderPassword, LoadedKey }, { output });
        QVERIFY(Opened(output, "WIRELESS_PSK") == LoadedKey.plain);
    }

private:
    QString Folder(const char *name) const { return m_root + u'/' + QLatin1String(name); }

    // Fails for each secret found in any text form in any file under the root but the test's own
    // input, and for each of `written` that was not there to be read.
    void ExpectNoPlaintextOnDisk(const QList<Secret> &secrets, QStringList written)
    {
        QStringList found;
        QDirIterator files(
            m_root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path == m_input || files.fileInfo().isSymLink() || !files.fileInfo().isFile())
                continue; // the test's own input; sockets and links hold nothing of their own
            written.removeAll(path);
            const QByteArray content = TestFiles::ReadAll(path);
            const QByteArray lower = content.toLower(); // hex digits in either case
            for (const Secret &secret : secrets) {
                QByteArray utf16le, utf16be;
                for (const QChar c : secret.plain) {
                    utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
                    utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
                }
                // The hex forms stand for a sealing that forgot to encrypt.
                const QList<std::pair<const char *, bool>> forms {
                    { "Latin-1", content.contains(secret.plain.toLatin1()) },
                    { "UTF-8", content.contains(secret.plain.toUtf8()) },
                    { "UTF-16LE", content.contains(utf16le) },
                    { "UTF-16BE", content.contains(utf16be) },
                    { "OEM code page", content.contains(secret.oem) },
                    { "hex of the OEM bytes", lower.contains(secret.oem.toHex()) },
                    { "hex of the Latin-1 bytes", lower.contains(secret.plain.toLatin1().toHex()) },
                    { "hex of the UTF-8 bytes", lower.contains(secret.plain.toUtf8().toHex()) },
                };
                for (const auto &[form, there] : forms) {
                    if (there)
                        found.append(path
                            + QStringLiteral(": %1 as %2")
                                  .arg(QLatin1String(secret.name), QLatin1String(form)));
                }
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QVERIFY2(written.isEmpty(), qPrintable(written.join(u'\n')));
    }

    QString m_root;
    QString m_input;
};

int main(int argc, char *argv[])
{
    // Every place the run may write goes under one temporary root before Qt starts: home,
    // configuration, cache, data, state, runtime and temporary folders.
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    for (const auto &[variable, folder] : { std::pair { "HOME", "home" },
             std::pair { "XDG_CONFIG_HOME", "config" }, std::pair { "XDG_CACHE_HOME", "cache" },
             std::pair { "XDG_DATA_HOME", "data" }, std::pair { "XDG_STATE_HOME", "state" },
             std::pair { "XDG_RUNTIME_DIR", "runtime" }, std::pair { "TMPDIR", "tmp" } }) {
        const QString place = root.path() + u'/' + QLatin1String(folder);
        if (!QDir().mkpath(place)
            || !QFile::setPermissions(
                place, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return 1;
        qputenv(variable, QFile::encodeName(place));
    }
    QApplication application(argc, argv);
    TestSecretsOnDisk test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_secretsondisk.moc"
