#include "core/settings/SettingsReadBack.h"

#include "core/commands/MessageBox.h"
#include "core/file/BoundedFile.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"
#include "i18n/MessageCatalog.h"

#include <cerrno>
#include <cstring>

namespace {

// What the file keeps of a record: a partly filled address is stored blank.
CNetworkSetting Stored(CNetworkSetting record)
{
    for (IpAddressField *address : { &record.m_ipAddress, &record.m_subnetMask,
             &record.m_defaultGateway, &record.m_dns, &record.m_secondaryDns }) {
        if (!address->IsComplete())
            *address = IpAddressField();
    }
    record.m_useProxy = record.m_useProxy == 1 ? 1 : 0;
    return record;
}

QList<CNetworkSetting> ListedProfiles(const CSettingsDocument &document)
{
    QList<CNetworkSetting> profiles;
    for (const CNetworkSetting *profile : WrittenProfiles(document))
        profiles.append(Stored(*profile));
    return profiles;
}

bool SameValues(const CSettingsDocument &meant, CSettingsDocument &loaded)
{
    loaded.Gather();
    return Stored(meant.m_wiredSetting) == Stored(loaded.WiredSettingFromControls())
        && meant.m_useWireless == loaded.m_useWireless
        && ListedProfiles(meant) == ListedProfiles(loaded);
}

} // namespace

ReadBackResult CheckWrittenSettings(
    const QString &path, const QByteArray &meant, const CSettingsDocument &document)
{
    // The file's pages are clean after the sync; dropped, the read goes to the device.
    QByteArray bytes;
    QString error;
    const BoundedReadStatus read
        = ReadBoundedFile(path, MaxSettingsFileSize, bytes, &error, CachedPages::Drop);
    if (read != BoundedReadStatus::Read) {
        if (read == BoundedReadStatus::Missing)
            error = QString::fromLocal8Bit(strerror(ENOENT));
        return { ReadBackStatus::Unreadable, error };
    }
    if (bytes != meant)
        return { ReadBackStatus::BytesDiffer, {} };

    CSettingsDocument loaded;
    CSilentMessageBox box;
    // The reader fails exactly when it shows a message.
    if (!ReadSettingsProfile(loaded, box, CProfileFile::FromBytes(bytes))
        || !SameValues(document, loaded))
        return { ReadBackStatus::ValuesDiffer, {} };
    return {};
}

VerifiedWriteResult WriteVerifiedSettingsFile(
    CSettingsDocument &document, const QString &path, IFileSteps &steps)
{
    VerifiedWriteResult result;
    QByteArray bytes;
    result.write = WriteSettingsFile(document, path, steps, &bytes);
    if (result.write)
        result.readBack = CheckWrittenSettings(path, bytes, document);
    return result;
}

QString VerifiedWriteFailureDetail(const VerifiedWriteResult &result)
{
    if (!result.write)
        return WriteFailureDetail(result.write);
    switch (result.readBack.status) {
    case ReadBackStatus::Same:
        return {};
    case ReadBackStatus::Unreadable:
        return MessageText(Msg::ReadBackFailed).arg(result.readBack.reason);
    case ReadBackStatus::BytesDiffer:
        return MessageText(Msg::ReadBackDiffers).toString();
    case ReadBackStatus::ValuesDiffer:
        break;
    }
    return MessageText(Msg::ReadBackValuesDiffer).toString();
}
