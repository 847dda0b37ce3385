#include "core/settings/SettingsWriter.h"

#include "core/file/AtomicFile.h"
#include "core/file/ProfileFile.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/SettingsKeys.h"

const QString &ProfileKeyName(int n, int index)
{
    Q_ASSERT(n >= 0 && n < MaxWirelessProfiles && index >= 0 && index < ConnectionFieldCount);
    // Every load and write asks for all 420 names; compose them once.
    static const auto names = [] {
        std::array<std::array<QString, ConnectionFieldCount>, MaxWirelessProfiles> table;
        for (int profile = 0; profile < MaxWirelessProfiles; ++profile) {
            // "_2" .. "_30" after the name; the first profile's keys have no number.
            static_assert(MaxWirelessProfiles < 100);
            const int number = profile + 1;
            char16_t suffix[3] = {};
            qsizetype length = 0;
            if (profile > 0) {
                suffix[length++] = u'_';
                if (number >= 10)
                    suffix[length++] = char16_t(u'0' + number / 10);
                suffix[length++] = char16_t(u'0' + number % 10);
            }
            for (int field = 0; field < ConnectionFieldCount; ++field) {
                const QStringView name = kWirelessKeys[size_t(field)].name;
                QString key(name.size() + length, Qt::Uninitialized);
                std::copy(name.begin(), name.end(), key.begin());
                std::copy_n(suffix, length, key.begin() + name.size());
                table[size_t(profile)][size_t(field)] = std::move(key);
            }
        }
        return table;
    }();
    return names[size_t(n)][size_t(index)];
}

QString FormatIpAddress(const IpAddressField &address)
{
    if (!address.IsComplete())
        return {};
    return QString::number(address.m_octets[0]) + u'.' + QString::number(address.m_octets[1])
        + u'.' + QString::number(address.m_octets[2]) + u'.'
        + QString::number(address.m_octets[3]);
}

namespace {


// The stored text of one field; false when it cannot be stored.
bool ComposeValue(const CNetworkSetting &record, int field, QString &value)
{
    switch (field) {
    case FieldDhcp:
        value = QString::number(record.m_dhcp);
        return true;
    case FieldIpAddress:
    case FieldSubnetMask:
    case FieldDefaultGateway:
    case FieldDns:
    case FieldSecondaryDns:
        value = FormatIpAddress(AddressOf(record, field));
        return true;
    case FieldUseProxy:
        value = record.m_useProxy == 1 ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    case FieldProxyAddress:
        value = record.m_proxyAddress;
        return true;
    case FieldProxyPort:
        value = record.m_proxyPort;
        return true;
    case FieldSsid:
        value = record.m_ssid;
        return true;
    case FieldSecurityMode:
        value = QString::number(record.m_securityMode);
        return true;
    case FieldNetworkKey:
        value.clear();
        return record.m_networkKey.isEmpty() || EncryptSecret(record.m_networkKey, value);
    case FieldStealthSsid:
        value = QString::number(record.m_stealthSsid);
        return true;
    case FieldConnectAutomatically:
        value = QString::number(record.m_connectAutomatically);
        return true;
    default:
        return false;
    }
}

} // namespace

bool ComposeSettingsFile(CSettingsDocument &document, CProfileFile &file)
{
    document.Gather();
    document.m_wiredSetting = document.WiredSettingFromControls();

    const QString network = Section::UserNetworkSetting.toString();
    const QString common = Section::Common.toString();
    QString value;
    for (int field = 0; field < WiredKeyCount; ++field) {
        if (!ComposeValue(document.m_wiredSetting, field, value)
            || !file.SetValue(network, kWiredKeys[size_t(field)].name.toString(), value))
            return false;
    }
    const QString useWireless = QString::number(document.m_useWireless);
    if (!file.SetValue(common, Key::NetworkPriority.toString(), useWireless)
        || !file.SetValue(common, Key::PowerManagement.toString(), useWireless))
        return false;

    const QList<const CNetworkSetting *> profiles = WrittenProfiles(document);
    for (int n = 0; n < profiles.size(); ++n) {
        for (int field = 0; field < ConnectionFieldCount; ++field) {
            if (!ComposeValue(*profiles[n], field, value)
                || !file.SetValue(network, ProfileKeyName(n, field), value))
                return false;
        }
    }
    return file.SetValue(common, Key::WirelessTotal.toString(), QString::number(profiles.size()));
}

QList<const CNetworkSetting *> WrittenProfiles(const CSettingsDocument &document)
{
    QList<const CNetworkSetting *> profiles;
    for (const WirelessListEntry &entry : document.m_controls.m_wirelessList) {
        if (profiles.size() == MaxWirelessProfiles)
            break;
        if (entry.m_slot >= 0 && entry.m_slot < MaxWirelessProfiles)
            profiles.append(&document.m_wirelessSettings[size_t(entry.m_slot)]);
    }
    return profiles;
}

FileWriteResult WriteSettingsFile(CSettingsDocument &document, const QString &path,
                                  IFileSteps &steps, QByteArray *written)
{
    CProfileFile file;
    if (!ComposeSettingsFile(document, file))
        return FileWriteResult { FileWriteStatus::Unstorable, FileStep::OpenFolder, 0, {} };
    QByteArray bytes = file.ToBytes();
    FileWriteResult result = CommitFileAtomically(path, bytes, FileAccess::Shared, steps);
    if (written)
        *written = std::move(bytes);
    return result;
}

QString WriteFailureDetail(const FileWriteResult &result)
{
    switch (result.status) {
    case FileWriteStatus::Written:
    case FileWriteStatus::Unstorable:
        return {};
    case FileWriteStatus::OutputIsLink:
        return MessageText(Msg::OutputIsLink).toString();
    case FileWriteStatus::OutputIsDirectory:
        return MessageText(Msg::OutputIsDirectory).toString();
    case FileWriteStatus::OutputIsSpecial:
        return MessageText(Msg::OutputIsSpecial).toString();
    case FileWriteStatus::Failed:
        break;
    }
    return MessageText(result.step == FileStep::SyncFolder ? Msg::FolderNotSynced
                                                            : Msg::FileNotWritten)
            .arg(result.reason);
}
