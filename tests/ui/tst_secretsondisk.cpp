#include "DialogScript.h"
#include "MessageRecorder.h"
#include "MockBus.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/cipher/OemCodePage.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/StateFile.h"
#include "platform/NetworkManagerSettings.h"
#include "platform/QrImageDecoder.h"
#include "ui/ImportNetworksDlg.h"
#include "ui/NetSetUtilDlg.h"
#include "ui/SingleInstance.h"
#include "ui/WifiSecurity.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QStringEncoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

// A whole run of the utility, with every place it may write redirected under one temporary
// folder: afterwards no file there may hold a password or key in any form it could take as
// text, while the sealed values in them open back to the very secrets.

namespace {

QString g_root;

QString Folder(const char *name)
{
    return g_root + u'/' + QLatin1String(name);
}

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
const Secret ImportedKey { "key imported from NetworkManager",
    QStringLiteral("Heim-Netz-\u00e9t\u00e9-\u00e7a-42"),
    QByteArray("Heim-Netz-\x82t\x82-\x87\x61-42") };
const Secret QrKey { "key read from a QR code",
    QStringLiteral("QR-Schl\u00fcssel-gr\u00fcn-\u00e1-7"),
    QByteArray("QR-Schl\x81ssel-gr\x81n-\xa0-7") };

// What the value of `key` in a file of CRLF lines opens to; a marker text when it does not open.
QString Opened(const QString &path, const QByteArray &key)
{
    for (const QByteArray &line : TestFiles::ReadAll(path).split('\n')) {
        QString plain;
        if (line.startsWith(key + '=')
            && DecryptSecret(QString::fromLatin1(line.mid(key.size() + 1).trimmed()), plain))
            return plain;
    }
    return QStringLiteral("<%1 does not open>").arg(QLatin1String(key));
}

// Letters beyond ASCII come as the key events a keyboard layout with them sends.
void Type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(
            QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// Fails for each secret found in any text form in a file under the root but the test's own
// input, and for each of `written` that was not there to be read.
void ExpectNoPlaintextOnDisk(const QString &input, QStringList written)
{
    QStringList found;
    QDirIterator files(
        g_root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path == input || files.fileInfo().isSymLink() || !files.fileInfo().isFile())
            continue; // sockets and links hold nothing of their own
        written.removeAll(path);
        const QByteArray content = TestFiles::ReadAll(path);
        const QByteArray lower = content.toLower(); // hex digits in either case
        for (const Secret &secret : { FolderPassword, LoadedKey, TypedKey, ImportedKey, QrKey }) {
            const QByteArray latin1 = secret.plain.toLatin1(), utf8 = secret.plain.toUtf8();
            const QByteArray utf16le = QStringEncoder(QStringEncoder::Utf16LE)(secret.plain);
            const QByteArray utf16be = QStringEncoder(QStringEncoder::Utf16BE)(secret.plain);
            // The hex forms stand for a sealing that forgot to encrypt.
            const bool there = content.contains(latin1) || content.contains(utf8)
                || content.contains(utf16le) || content.contains(utf16be)
                || content.contains(secret.oem) || lower.contains(secret.oem.toHex())
                || lower.contains(latin1.toHex()) || lower.contains(utf8.toHex());
            if (there)
                found.append(path + QStringLiteral(": ") + QLatin1String(secret.name));
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    QVERIFY2(written.isEmpty(), qPrintable(written.join(u'\n')));
}

} // namespace

class TestSecretsOnDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowSessionWritesNoPlaintext()
    {
        SetCurrentLanguageSlot(0);
        SetUserOemCodePage(850);
        // The file a user loads: a wireless key and the network-folder password, sealed as the
        // device's side seals them.
        QVERIFY(QDir().mkpath(Folder("input")));
        const QString input = Folder("input") + QStringLiteral("/NetworkSetting.ini");
        QVERIFY(TestFiles::Write(input,
            TestFiles::Bytes(QStringLiteral(
                "[UserNetworkSetting]\nWIRED_DHCP=1\nWIRED_PROXY=0\nWIRELESS_DHCP=1\n"
                "WIRELESS_PROXY=0\nWIRELESS_SSID=office-net\nWIRELESS_SEQLITY_MODE=4\n"
                "WIRELESS_PSK=$seal(%1)\nWIRELESS_FORCE=0\nWIRELESS_CONNECTION_AUTOMATICALLY=1\n"
                "[Common]\nNETWORK_PRIORITY=1\nNETWORK_DEVICE_POWER_MANAGEMENT=1\n"
                "WIRELESS_SETTING_TOTAL=1\n[NewtworkFolderSetting]\nNETFOLDER_NAME=nas-01\n"
                "NETFOLDER_UID=alice_1\nNETFOLDER_PASS=$seal(%2)\n")
                                 .arg(LoadedKey.plain, FolderPassword.plain))));

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
        chooser.m_file = input;
        Press(*window, "loadSettingsButton");

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

        CNmMockBus bus;
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        QVERIFY(!bus.AddConnection(WifiConnection(QStringLiteral("home-net"), "home-net",
                                       QStringLiteral("wpa-psk")),
                        { { QStringLiteral("802-11-wireless-security"),
                            { { QStringLiteral("psk"), ImportedKey.plain } } } })
                     .isEmpty());
        CNetworkManagerSettings source(bus.Connection());
        window->SetKnownNetworksSource(&source);
        CModalScript<CImportNetworksDlg> importScript([](CImportNetworksDlg &dialog) {
            dialog.List()->topLevelItem(0)->setCheckState(0, Qt::Checked);
            QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        });
        Press(*window, "importButton");
        window->SetKnownNetworksSource(nullptr);

        // The QR code image lies outside the folders the run may write.
        QTemporaryDir images(QStringLiteral("/tmp/qr-images-XXXXXX"));
        const QString image = images.filePath(QStringLiteral("code.png"));
        QProcess qrencode;
        qrencode.start(QStringLiteral("qrencode"),
            { QStringLiteral("-8"), QStringLiteral("-o"), image,
                QStringLiteral("WIFI:T:WPA;S:qr-net;P:%1;;").arg(QrKey.plain) });
        QVERIFY(qrencode.waitForFinished(20000) && qrencode.exitCode() == 0);
        SetQrCodeModule(QStringLiteral(MERIDOCK_QR_MODULE));
        CDialogScript qrScript([&image](CWifiSecurity &dialog) {
            dialog.SetQrImageChooser([&image] { return image; });
            Press(dialog, "qrImport");
            Press(dialog, "ok");
        });
        Press(*window, "addButton");
        QVERIFY(qrScript.m_ran && !qrScript.m_leftOpen);

        QVERIFY(QDir().mkpath(Folder("card")));
        chooser.m_folder = Folder("card");
        Press(*window, "createSettingFileButton");
        Press(*window, "exitButton");
        QVERIFY(!window->isVisible());
        window.reset();

        const QString card = Folder("card") + QStringLiteral("/NetworkSetting.ini");
        ExpectNoPlaintextOnDisk(input,
            { card, StateFilePath(), CSingleInstance::MarkerPath(CSingleInstance::ProgramKey()) });
        for (const QString &file : { card, StateFilePath() }) {
            int number = 1;
            for (const Secret &secret : { LoadedKey, TypedKey, ImportedKey, QrKey }) {
                const QByteArray suffix = number == 1 ? "" : "_" + QByteArray::number(number);
                QCOMPARE(Opened(file, "WIRELESS_PSK" + suffix), secret.plain);
                ++number;
            }
        }
        QCOMPARE(Opened(StateFilePath(), "NETFOLDER_PASS"), FolderPassword.plain);
    }
};

int main(int argc, char *argv[])
{
    // Every place the run may write goes under one temporary root before Qt starts: home,
    // configuration, cache, data, state, runtime and temporary folders.
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    g_root = root.path();
    for (const auto &[variable, folder] : { std::pair { "HOME", "home" },
             std::pair { "XDG_CONFIG_HOME", "config" }, std::pair { "XDG_CACHE_HOME", "cache" },
             std::pair { "XDG_DATA_HOME", "data" }, std::pair { "XDG_STATE_HOME", "state" },
             std::pair { "XDG_RUNTIME_DIR", "runtime" }, std::pair { "TMPDIR", "tmp" } }) {
        if (!QDir().mkpath(Folder(folder))
            || !QFile::setPermissions(
                Folder(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return 1;
        qputenv(variable, QFile::encodeName(Folder(folder)));
    }
    QApplication application(argc, argv);
    TestSecretsOnDisk test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_secretsondisk.moc"
