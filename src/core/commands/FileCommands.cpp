#include "core/commands/FileCommands.h"

#include "core/commands/CheckSequences.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReadBack.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool EndsInSeparator(const QString &folder)
{
#ifdef Q_OS_WIN
    if (folder.endsWith(u'\\'))
        return true;
#endif
    return folder.endsWith(u'/');
}

// The message that says whether the volume called `label` may be taken out.
void ReportRemoval(
    CSettingsDocument &document, IMessageBox &box, const QString &label, const EjectResult &removed)
{
    const bool ok = removed.status == EjectStatus::Removed;
    // Our sentence says what to do; the system's own words, when it gave any, say why.
    QString detail;
    if (removed.status == EjectStatus::Busy)
        detail = MessageText(Msg::VolumeBusy).toString();
    else if (removed.status == EjectStatus::NotPossible)
        detail = MessageText(Msg::VolumeRemovalUnavailable).toString();
    if (!removed.reason.isEmpty())
        detail += (detail.isEmpty() ? QString() : QStringLiteral("\n")) + removed.reason;
    document.m_messageText
        = ComposedMessage(MessageText(ok ? Msg::VolumeRemoved : Msg::VolumeNotRemoved).arg(label));
    box.ShowMessage(document.m_messageText, MessageText(Msg::CreateSettingCaption).toString(),
        ok ? MessageIcon::Information : MessageIcon::Error, MessageButtons::Ok, detail);
}

// The success message of a file written into `folder`, with the offer to remove its volume
// safely when there is one. If the user asks for it, the removal starts and its outcome is
// reported when it ends, which may be after this returns.
void ReportFileCreated(CSettingsDocument &document, IMessageBox &box, IRemovableVolumes &volumes,
    const QString &folder, const QString &where)
{
    const QList<RemovableVolume> mounted = volumes.MountedVolumes();
    const RemovableVolume *volume = VolumeHolding(mounted, folder);
    if (!volume || volume->ejectHandle.isEmpty()) {
        document.ShowMessage(box, Msg::SettingsFileCreated, Msg::CreateSettingCaption,
            MessageIcon::Information, MessageButtons::Ok, where);
        return;
    }
    const QString offer = MessageText(Msg::FileOnRemovableVolume).arg(volume->label);
    if (document.ShowMessage(box, Msg::SettingsFileCreated, Msg::CreateSettingCaption,
            MessageIcon::Information, MessageButtons::OkSafelyRemove,
            where.isEmpty() ? offer : where + u'\n' + offer)
        != MessageAnswer::SafelyRemove)
        return;

    // The document and the box belong to the window, which outlives the removal.
    volumes.Eject(*volume, [&document, &box, label = volume->label](const EjectResult &removed) {
        ReportRemoval(document, box, label, removed);
    });
}

} // namespace

QString SettingsFilePathInFolder(const QString &folder)
{
    QString path = folder;
    if (!EndsInSeparator(path))
        path += u'/';
    path += SettingsFileName;
    return path;
}

void LoadSettingsCommand(CSettingsDocument &document, IMessageBox &box, IPathChooser &chooser)
{
    const QString path = chooser.ChooseFileToOpen(document.m_lastPath);
    if (path.isEmpty())
        return;
    // The reader takes a missing file for an empty one and would report a clean load of
    // nothing; a file that vanished after it was picked must not look like a success.
    if (!QFileInfo(path).isFile()) {
        document.ShowMessage(
            box, Msg::SettingFileMissing, Msg::LoadSettingsCaption, MessageIcon::Error);
        return;
    }
    // A file that is no settings file leaves the window as it was and says why.
    CProfileFile file;
    QString systemError;
    const SettingsFileStatus status = LoadSettingsProfile(path, file, &systemError);
    if (status != SettingsFileStatus::Loaded) {
        document.ShowMessage(box, Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption,
            MessageIcon::Error, MessageButtons::Ok, RefusalText(status, systemError));
        return;
    }
    if (ReadSettingsProfile(document, box, file))
        document.ShowMessage(
            box, Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information);
    else
        document.ShowMessage(
            box, Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption, MessageIcon::Error);
}

void CreateSettingFileCommand(CSettingsDocument &document, IMessageBox &box, IPathChooser &chooser,
    IRemovableVolumes &volumes, IFileSteps &steps)
{
    if (!ValidateNetworkFolder(document, box, CheckMode::ReportFirst))
        return;
    if (!ValidateWiredLan(document, box, CheckMode::ReportFirst))
        return;
    if (!ValidateWiredIpAddress(document, box, LoopbackAddressChoice::Report))
        return;

    const QString folder = chooser.ChooseFolder(document.m_lastPath);
    if (folder.isEmpty())
        return;
    // Kept even when the overwrite is declined or the write fails: the next create opens here.
    document.m_lastPath = folder;
    const QString path = SettingsFilePathInFolder(folder);

    const QString where = MessageText(Msg::WhereFile)
                              .toString()
                              .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    if (QFileInfo::exists(path)
        && document.ShowMessage(box, Msg::OverwriteExistingFile, Msg::CreateSettingCaption,
               MessageIcon::None, MessageButtons::OkCancel, where)
            != MessageAnswer::Ok)
        return;

    const VerifiedWriteResult written = WriteVerifiedSettingsFile(document, path, steps);
    if (written)
        ReportFileCreated(document, box, volumes, folder, where);
    else
        document.ShowMessage(box, Msg::SettingsFileCreateFailed, Msg::CreateSettingCaption,
            MessageIcon::Error, MessageButtons::Ok, VerifiedWriteFailureDetail(written));
}
