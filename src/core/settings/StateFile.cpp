#include "core/settings/StateFile.h"

#include "core/file/AtomicFile.h"
#include "core/commands/CheckSequences.h"
#include "core/file/ProfileFile.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString UserConfigFolder()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#else
    // A relative XDG_CONFIG_HOME would make the place depend on the working folder; such a
    // value is to be ignored.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home) && QFileInfo(home).isDir())
        return QDir(home).filePath(QStringLiteral(".config"));
    return {};
#endif
}

FileWriteResult CommitOwnerOnly(const QString &path, const CProfileFile &file)
{
    // The configuration folder may not exist yet on a fresh account; it is the user's own, so
    // it gets the owner-only permissions such folders are meant to have. If it cannot be made,
    // the write says why.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && QDir().mkpath(folder))
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return CommitFileAtomically(path, file.ToBytes(), FileAccess::OwnerOnly);
}

void ReportLoadFailure(
    CSettingsDocument &document, IMessageBox &box, MessageId text, const QString &detail)
{
    document.ShowMessage(
        box, text, Msg::LoadSettingsCaption, MessageIcon::Error, MessageButtons::Ok, detail);
}

} // namespace

QString StateFilePath()
{
    QString folder = UserConfigFolder();
    if (folder.isEmpty() && QCoreApplication::instance())
        folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty())
        return {};
    // The full path, however long: a path cut to fit a fixed buffer would name another file.
    return QDir(folder).filePath(StateFileName.toString());
}

void ComposeFolderState(CSettingsDocument &document, CProfileFile &file)
{
    document.Gather();
    const MainWindowControls &c = document.m_controls;
    const QString section = Section::Utility.toString();

    QString sealed;
    if (!c.m_password.m_text.isEmpty() && !EncryptSecret(c.m_password.m_text, sealed))
        sealed.clear(); // never the plain text; the password has to be entered again

    // A value that cannot be stored (a line break in a folder name) is left out on its own;
    // it then reads back as empty, and the other values are still kept.
    file.SetValue(section, Key::LastPath.toString(), document.m_lastPath);
    file.SetValue(section, Key::FolderDefault.toString(),
        document.m_folderSettingMode == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    file.SetValue(section, Key::FolderName.toString(), c.m_deviceName.m_text);
    file.SetValue(section, Key::FolderUserId.toString(), c.m_userId.m_text);
    file.SetValue(section, Key::FolderPassword.toString(), sealed);
}

namespace {

void ReadFolderSection(CSettingsDocument &document, IMessageBox &box, const CProfileFile &file)
{
    const QStringView section = Section::Utility;
    document.m_lastPath = file.Value(section, Key::LastPath);
    const QString folderDefault = file.Value(section, Key::FolderDefault, QStringLiteral("1"));
    const LoadReport report = [&document, &box](MessageId text, const QString &detail) {
        ReportLoadFailure(document, box, text, detail);
    };
    CNetFolderSetting folder = ReadFolderValues(file, section, report);
    if (folderDefault != u"0") {
        // Kept as they are for the next run; nothing writes them to a settings file.
        document.SetFolderSettingMode(0);
    } else {
        CheckFolderValues(folder, section, report);
        document.SetFolderSettingMode(1);
    }
    CopyFolderToControls(folder, document.m_controls);
    document.Push();
}

bool HasUsableFolderSection(SettingsFileStatus status)
{
    return status == SettingsFileStatus::Loaded || status == SettingsFileStatus::Missing
        || status == SettingsFileStatus::NoSettings;
}

} // namespace

void OpenSession(CSettingsDocument &document, IMessageBox &box, const QString &stateFilePath)
{
    document.ResetSettings();
    document.SetFolderSettingMode(0);
    document.m_dhcpMode = 0;
    document.m_controls.m_connection.EnableAddresses(false);
    document.m_wiredUseProxy = 0;
    document.m_controls.m_connection.EnableProxy(false);
    document.Push();
    document.m_stateFilePath = stateFilePath;
    // A state file that cannot be used (binary, too large, not a file) gives the start of a
    // first run, not the half-reset document a refused load would leave; the close then
    // replaces it.
    // Both parts come from one read, so a file replaced meanwhile cannot mix two versions.
    CProfileFile file;
    const SettingsFileStatus status = LoadSettingsProfile(stateFilePath, file);
    ReadSettingsProfile(document, box, file);
    if (HasUsableFolderSection(status))
        ReadFolderSection(document, box, file);
}

FileWriteResult CloseSession(CSettingsDocument &document)
{
    CSilentMessageBox silent;
    ValidateNetworkFolder(document, silent, CheckMode::SilentAll);
    if (!ValidateWiredLan(document, silent, CheckMode::SilentAll)) {
        document.m_wiredUseProxy = 0;
        document.m_controls.m_connection.EnableProxy(false);
        document.Push();
    }
    ValidateWiredIpAddress(document, silent, LoopbackAddressChoice::Blank);

    const QString &path = document.m_stateFilePath;
    if (path.isEmpty())
        return {};
    // One file, one replacement: the network sections and the extra section go to disk
    // together, so an interrupted close never leaves half a state file. A value the writer
    // cannot store ends its part early, as a failed write would; the rest is still saved.
    CProfileFile file;
    ComposeSettingsFile(document, file);
    ComposeFolderState(document, file);
    return CommitOwnerOnly(path, file);
}
