#include "DialogScript.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/cipher/OemCodePage.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/StateFile.h"
#include "ui/NetSetUtilDlg.h"

#include <QComboBox>
#include <QDirIterator>
#include <QStringEncoder>
#include <QTemporaryDir>

// After a window session no file it wrote holds a password or key in any text form, while the
// sealed values open back to the secrets.

QTemporaryDir g_root;

QString Folder(const char *name)
{
    return g_root.filePath(QLatin1String(name));
}

// Every place the run may write goes under the root before Qt starts.
const bool g_redirected = [] {
    for (const char *variable : { "HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
             "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR" }) {
        if (!QDir().mkpath(Folder(variable))
            || !QFile::setPermissions(
                Folder(variable), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
        qputenv(variable, QFile::encodeName(Folder(variable)));
    }
    return g_root.isValid();
}();

// Each secret with its bytes in code pages 437 and 850, which agree on these letters.
const QString FolderPassword = QStringLiteral("Ordner-Pa\u00dfwort-\u00fc7");
const QString LoadedKey = QStringLiteral("B\u00fcro-Schl\u00fcssel-\u00e4\u00f6-2024");
const QString TypedKey = QStringLiteral("Labor-W\u00e4rme-\u00d1and\u00fa-99");
const std::pair<QString, QByteArray> Secrets[] = { { FolderPassword, "Ordner-Pa\xe1wort-\x81\x37" },
    { LoadedKey, "B\x81ro-Schl\x81ssel-\x84\x94-2024" },
    { TypedKey, "Labor-W\x84rme-\xa5\x61nd\xa3-99" } };

QString Opened(const QString &path, const QByteArray &key)
{
    QString plain;
    for (const QByteArray &line : TestFiles::ReadAll(path).split('\n'))
        if (line.startsWith(key + '=')
            && DecryptSecret(QString::fromLatin1(line.mid(key.size() + 1).trimmed()), plain))
            return plain;
    return QStringLiteral("<%1 does not open>").arg(QLatin1String(key));
}

class TestSecretsOnDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void windowSessionWritesNoPlaintext()
    {
        SetCurrentLanguageSlot(0);
        SetUserOemCodePage(850);
        QVERIFY(g_redirected && QDir().mkpath(Folder("card")));
        const QString input = Folder("loaded.ini");
        QVERIFY(TestFiles::Write(input,
            TestFiles::Bytes(QStringLiteral(
                "[UserNetworkSetting]\nWIRED_DHCP=1\nWIRED_PROXY=0\nWIRELESS_DHCP=1\n"
                "WIRELESS_PROXY=0\nWIRELESS_SSID=office-net\nWIRELESS_SEQLITY_MODE=4\n"
                "WIRELESS_PSK=$seal(%1)\nWIRELESS_FORCE=0\nWIRELESS_CONNECTION_AUTOMATICALLY=1\n"
                "[Common]\nNETWORK_PRIORITY=1\nNETWORK_DEVICE_POWER_MANAGEMENT=1\n"
                "WIRELESS_SETTING_TOTAL=1\n[NewtworkFolderSetting]\nNETFOLDER_NAME=nas-01\n"
                "NETFOLDER_UID=alice_1\nNETFOLDER_PASS=$seal(%2)\n")
                                 .arg(LoadedKey, FolderPassword))));

        CMessageRecorder box;
        CScriptedPathChooser chooser;
        auto window = std::make_unique<CNetSetUtilDlg>();
        CWifiSecurityLauncher launcher(window.get(), &box);
        window->SetMessageBox(&box);
        window->SetPathChooser(&chooser);
        window->SetPropertyDialog(&launcher);
        window->StartSession(StateFilePath());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        chooser.m_file = input;
        Press(*window, "loadSettingsButton");
        window->ShowPage(1);
        CDialogScript script([](CWifiSecurity &dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), QStringLiteral("lab-net"));
            Find<QComboBox>(dialog, "security")->setCurrentIndex(5); // WPA2-PSK (AES)
            for (const char *field : { "networkKey", "keyConfirm" })
                for (const QChar c : TypedKey) // as a layout with these letters sends them
                    QTest::sendKeyEvent(QTest::Click, Find<QLineEdit>(dialog, field),
                        Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
            Press(dialog, "ok");
        });
        Press(*window, "addButton");
        chooser.m_folder = Folder("card");
        Press(*window, "createSettingFileButton");
        Press(*window, "exitButton");
        window.reset();
        const QString card = Folder("card") + QStringLiteral("/NetworkSetting.ini");
        QStringList found, written { card, StateFilePath() };
        QDirIterator files(
            g_root.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path == input || files.fileInfo().isSymLink() || !files.fileInfo().isFile())
                continue; // sockets and links hold nothing of their own
            written.removeAll(path);
            const QByteArray content = TestFiles::ReadAll(path), lower = content.toLower();
            for (const auto &[plain, oem] : Secrets) {
                // The hex forms stand for a sealing that forgot to encrypt.
                for (const QByteArray &form : { plain.toLatin1(), plain.toUtf8(), oem,
                         QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(plain)),
                         QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(plain)) })
                    if (content.contains(form) || lower.contains(form.toHex()))
                        found.append(path + QStringLiteral(": ") + plain);
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QVERIFY2(written.isEmpty(), qPrintable(written.join(u'\n')));
        for (const QString &file : { card, StateFilePath() }) {
            QCOMPARE(Opened(file, "WIRELESS_PSK"), LoadedKey);
            QCOMPARE(Opened(file, "WIRELESS_PSK_2"), TypedKey);
        }
        QCOMPARE(Opened(StateFilePath(), "NETFOLDER_PASS"), FolderPassword);
    }
};

QTEST_MAIN(TestSecretsOnDisk)
#include "tst_secretsondisk.moc"
