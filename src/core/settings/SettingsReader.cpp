#include "core/settings/SettingsReader.h"

#include "core/file/BoundedFile.h"
#include "core/file/ProfileFile.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/SettingsKeys.h"
#include "core/model/Validators.h"

#include <algorithm>

namespace {

constexpr int MaxOctetPartLength = 3;

// Raw values of the nine fields a wired record and a wireless profile share.
// Views into the loaded file, which outlives the load.
using ConnectionValues = std::array<QStringView, WiredKeyCount>;
using ProfileValues = std::array<QStringView, ConnectionFieldCount>;

constexpr std::array<MessageId, 5> kAddressMessages {
    Msg::InvalidIpAddressInFile,
    Msg::InvalidSubnetInFile,
    Msg::InvalidGatewayInFile,
    Msg::InvalidDnsInFile,
    Msg::InvalidDnsInFile,
};

// A value as a detail shows it: cut short when long, control characters made visible.
QString ShownValue(QStringView value)
{
    constexpr qsizetype MaxShown = 64;
    QString shown;
    for (const QChar c : value.first(std::min(value.size(), MaxShown))) {
        const char16_t u = c.unicode();
        if (u < 32 || u == 127)
            shown += QChar(char16_t(0x2400 + (u < 32 ? u : 0x21))); // the control pictures
        else if (u > 127 && u < 160)
            shown += QChar::ReplacementCharacter;
        else
            shown += c;
    }
    if (value.size() > MaxShown)
        shown += QChar(0x2026);
    return shown;
}

} // namespace

CNetFolderSetting ReadFolderValues(
    const CProfileFile &file, QStringView section, const LoadReport &report)
{
    CNetFolderSetting folder;
    folder.m_deviceName = file.Value(section, Key::FolderName);
    folder.m_userId = file.Value(section, Key::FolderUserId);
    folder.m_password = file.Value(section, Key::FolderPassword);
    if (!folder.m_password.isEmpty()) {
        QString plain;
        if (DecryptSecret(folder.m_password, plain)) {
            folder.m_password = plain;
        } else {
            report(Msg::FolderPasswordDecryptionError,
                KeyDetail(section, Key::FolderPassword, false));
            folder.m_password.clear();
        }
    }
    return folder;
}

void CheckFolderValues(CNetFolderSetting &folder, QStringView section, const LoadReport &report)
{
    if (!folder.m_deviceName.isEmpty()
        && CheckFolderDeviceName(folder.m_deviceName) != ValidationCode::Valid) {
        report(Msg::InvalidFolderDeviceNameInFile,
            KeyDetail(section, Key::FolderName, true, folder.m_deviceName));
        folder.m_deviceName.clear();
    }
    if (!folder.m_userId.isEmpty() && CheckFolderUserId(folder.m_userId) != ValidationCode::Valid) {
        report(Msg::InvalidFolderUserIdInFile,
            KeyDetail(section, Key::FolderUserId, true, folder.m_userId));
        folder.m_userId.clear();
    }
    if (CheckFolderPassword(folder.m_password) != ValidationCode::Valid) {
        report(Msg::InvalidFolderPasswordInFile, KeyDetail(section, Key::FolderPassword, false));
        folder.m_password.clear();
    }
}

void CopyFolderToControls(const CNetFolderSetting &folder, MainWindowControls &controls)
{
    controls.m_deviceName.m_text = folder.m_deviceName;
    controls.m_userId.m_text = folder.m_userId;
    controls.m_password.m_text = folder.m_password;
    controls.m_passwordConfirm.m_text = folder.m_password;
}

QString KeyDetail(QStringView section, QStringView key, bool withValue, QStringView value)
{
    if (!withValue)
        return MessageText(Msg::WhereSectionKey).toString().arg(section, key);
    return MessageText(Msg::WhereSectionKeyValue)
        .toString()
        .arg(section.toString(), key.toString(), ShownValue(value));
}

QString ProfileDetail(int n, QStringView ssid)
{
    if (ssid.isEmpty())
        return MessageText(Msg::WhereProfileWithoutSsid).toString().arg(n + 1);
    return MessageText(Msg::WhereProfile).toString().arg(QString::number(n + 1), ShownValue(ssid));
}

namespace {

class CSettingsLoader
{
public:
    CSettingsLoader(CSettingsDocument &document, IMessageBox &box, const CProfileFile &file)
        : m_document(document)
        , m_box(box)
        , m_file(file)
    { }

    bool Run()
    {
        LoadNetworkFolder();
        LoadWiredLan();
        LoadCommon();
        LoadWirelessProfiles();
        m_document.Push();
        return m_result;
    }

private:
    void Report(MessageId text, const QString &detail)
    {
        m_document.ShowMessage(
            m_box, text, Msg::LoadSettingsCaption, MessageIcon::Error, MessageButtons::Ok, detail);
        m_result = false;
    }

    QStringView Value(QStringView section, QStringView key, QStringView defaultValue = {}) const
    {
        return m_file.ValueView(section, key, defaultValue);
    }

    void LoadNetworkFolder();
    void LoadWiredLan();
    void LoadCommon();
    void LoadWirelessProfiles();
    // Where the values of ParseConnection come from: the wired keys, or profile n's keys.
    struct Place
    {
        int profile = -1; // -1: the wired record
        QStringView ssid; // the profile's SSID as the file holds it
    };
    void ParseConnection(const ConnectionValues &values, CNetworkSetting &record, Place place);
    QString ConnectionKey(Place place, int field) const
    {
        return place.profile < 0 ? kWiredKeys[size_t(field)].name.toString()
                                 : ProfileKeyName(place.profile, field);
    }
    QString Where(Place place, int field, bool withValue, QStringView value = {}) const
    {
        const QString key
            = KeyDetail(Section::UserNetworkSetting, ConnectionKey(place, field), withValue, value);
        return place.profile < 0 ? key : ProfileDetail(place.profile, place.ssid) + u'\n' + key;
    }

    CSettingsDocument &m_document;
    IMessageBox &m_box;
    const CProfileFile &m_file;
    bool m_result = true;
};

void CSettingsLoader::LoadNetworkFolder()
{
    const LoadReport report = [this](MessageId text, const QString &detail) {
        Report(text, detail);
    };
    CNetFolderSetting folder = ReadFolderValues(m_file, Section::NetworkFolder, report);
    if (!folder.m_deviceName.isEmpty() && !folder.m_userId.isEmpty()) {
        CheckFolderValues(folder, Section::NetworkFolder, report);
        m_document.SetFolderSettingMode(1);
    } else {
        folder = CNetFolderSetting();
        m_document.SetFolderSettingMode(0);
    }
    CopyFolderToControls(folder, m_document.m_controls);
}

// The nine shared fields, with the reports of steps common to the wired record and a profile.
void CSettingsLoader::ParseConnection(
    const ConnectionValues &values, CNetworkSetting &record, Place place)
{
    record.m_dhcp = values[FieldDhcp] == u"0" ? 0 : 1;

    for (int field = FieldIpAddress; field <= FieldSecondaryDns; ++field) {
        const QStringView text = values[size_t(field)];
        if (text.isEmpty())
            continue;
        IpAddressField &address = AddressOf(record, field);
        if (!ParseIpAddress(text, address)) {
            Report(
                kAddressMessages[size_t(field - FieldIpAddress)], Where(place, field, true, text));
            continue;
        }
        // The device's own address cannot lie in the loopback network; a DNS there is fine.
        if (field == FieldIpAddress && address.m_octets[0] == 127) {
            Report(Msg::InvalidIpAddress,
                Where(place, field, true, text) + u'\n'
                    + MessageText(Msg::LoopbackAddress).toString());
            address = IpAddressField();
        }
    }

    const QStringView proxyFlag = values[FieldUseProxy];
    record.m_useProxy = !proxyFlag.isEmpty() && proxyFlag != u"0" ? 1 : 0;

    CNetworkSetting candidate;
    candidate.m_proxyAddress = values[FieldProxyAddress].toString();
    if (!candidate.m_proxyAddress.isEmpty()) {
        if (CheckProxyAddress(candidate) == ValidationCode::Valid)
            record.m_proxyAddress = candidate.m_proxyAddress;
        else
            Report(Msg::InvalidProxyAddressInFile,
                Where(place, FieldProxyAddress, true, candidate.m_proxyAddress));
    } else if (record.m_useProxy == 1) {
        Report(Msg::ProxyAddressMissingInFile, Where(place, FieldProxyAddress, false));
    }

    candidate.m_proxyPort = values[FieldProxyPort].toString();
    if (!candidate.m_proxyPort.isEmpty()) {
        if (CheckProxyPort(candidate) == ValidationCode::Valid)
            record.m_proxyPort = candidate.m_proxyPort;
        else
            Report(Msg::InvalidProxyPortInFile,
                Where(place, FieldProxyPort, true, candidate.m_proxyPort));
    } else if (record.m_useProxy == 1) {
        Report(Msg::ProxyPortMissingInFile, Where(place, FieldProxyPort, false));
    }
}

void CSettingsLoader::LoadWiredLan()
{
    ConnectionValues values;
    for (int field = 0; field < WiredKeyCount; ++field)
        values[size_t(field)] = Value(Section::UserNetworkSetting, kWiredKeys[size_t(field)].name);

    CNetworkSetting &wired = m_document.m_wiredSetting;
    ResetNetworkSetting(wired);
    ParseConnection(values, wired, Place {});
    m_document.m_controls.m_connection.FromSetting(wired);
    // The bound members as a gather would leave them; the load's final push keeps the controls.
    m_document.m_dhcpMode = m_document.m_controls.m_connection.m_dhcpRadio;
    m_document.m_wiredUseProxy = wired.m_useProxy;
}

void CSettingsLoader::LoadCommon()
{
    m_document.m_useWireless = Value(Section::Common, Key::PowerManagement) == u"0" ? 0 : 1;
}

void CSettingsLoader::LoadWirelessProfiles()
{
    std::array<ProfileValues, MaxWirelessProfiles> raw;
    constexpr QStringView zero = u"0";
    for (int n = 0; n < MaxWirelessProfiles; ++n) {
        for (int field = 0; field < ConnectionFieldCount; ++field) {
            const bool defaultsToZero = field == FieldSecurityMode || field == FieldStealthSsid;
            raw[size_t(n)][size_t(field)] = Value(Section::UserNetworkSetting,
                ProfileKeyName(n, field), defaultsToZero ? zero : QStringView());
        }
    }

    std::array<CNetworkSetting, MaxWirelessProfiles> loaded;
    for (int n = 0; n < MaxWirelessProfiles; ++n) {
        const ProfileValues &values = raw[size_t(n)];
        CNetworkSetting &profile = loaded[size_t(n)];

        const Place place { n, values[FieldSsid] };
        ConnectionValues shared;
        std::copy_n(values.begin(), WiredKeyCount, shared.begin());
        ParseConnection(shared, profile, place);

        profile.m_ssid = values[FieldSsid].toString();

        const QStringView mode = values[FieldSecurityMode];
        profile.m_securityMode = mode.size() == 1 && mode[0] >= u'1' && mode[0] <= u'5'
            ? mode[0].unicode() - u'0'
            : SecurityModeNone;

        const QStringView sealed = values[FieldNetworkKey];
        if (!sealed.isEmpty()) {
            QString plain;
            if (DecryptSecret(sealed, plain))
                profile.m_networkKey = plain;
            else
                Report(Msg::NetworkKeyDecryptionError, Where(place, FieldNetworkKey, false));
        }

        profile.m_stealthSsid = values[FieldStealthSsid] == u"1" ? 1 : 0;
        profile.m_connectAutomatically = values[FieldConnectAutomatically] == u"0" ? 0 : 1;

        if (!profile.m_ssid.isEmpty() && CheckSsid(profile.m_ssid) != ValidationCode::Valid) {
            Report(Msg::InvalidSsidInFile, Where(place, FieldSsid, true, profile.m_ssid));
            ResetNetworkSetting(profile);
        }
        if (profile.m_ssid.isEmpty())
            continue;
        if (profile.m_securityMode == SecurityModeNone) {
            profile.m_networkKey.clear();
            continue;
        }
        const ValidationCode form = CheckKeyLength(profile.m_networkKey, profile.m_securityMode);
        const bool keyValid
            = (form == ValidationCode::Valid
                  && CheckLatin1Chars(profile.m_networkKey) == ValidationCode::Valid)
            || (form == ValidationCode::ValidHexForm
                && CheckHexChars(profile.m_networkKey) == ValidationCode::Valid);
        if (!keyValid) {
            Report(Msg::InvalidNetworkKeyInFile,
                Where(place, FieldNetworkKey, false) + u'\n'
                    + KeyFormsText(profile.m_securityMode));
            ResetNetworkSetting(profile);
        }
    }

    // Every slot is freed, not only those the list refers to, so that no profile outside the
    // list can survive a load.
    m_document.m_controls.m_wirelessList.clear();
    for (CNetworkSetting &slot : m_document.m_wirelessSettings)
        ResetNetworkSetting(slot);

    int k = 0;
    for (const CNetworkSetting &profile : loaded) {
        if (profile.m_ssid.isEmpty())
            continue;
        m_document.m_wirelessSettings[size_t(k)] = profile;
        m_document.m_controls.m_wirelessList.append(WirelessListEntry { profile.m_ssid, k });
        ++k;
    }
    m_document.m_controls.m_wirelessSelection = k > 0 ? 0 : -1;
}

} // namespace

bool ParseIpAddress(QStringView text, IpAddressField &address)
{
    address = IpAddressField();
    if (text.isEmpty())
        return true;
    // One pass: digits and dots only, three dots that each end a part of one to three digits.
    // The fourth part runs to the end, further dots included ("1.2.3.4.5" is 1.2.3.4), as the
    // device reads it: only its leading digits count, and it must still start with one.
    std::array<std::uint8_t, 4> octets {};
    size_t part = 0;
    qsizetype start = 0; // where the current part starts
    unsigned value = 0;
    bool leading = true; // still in the current part's leading digits
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.') {
            if (i == start)
                return false;
            if (part == 3) {
                leading = false;
                continue;
            }
            if (i == size - 1 || i - start > MaxOctetPartLength || value > 255)
                return false;
            octets[part++] = std::uint8_t(value);
            start = i + 1;
            value = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            return false;
        if (leading)
            value = value * 10 + unsigned(c - u'0');
    }
    if (part < 3 || size - start > MaxOctetPartLength || value > 255)
        return false;
    octets[3] = std::uint8_t(value);
    address.m_octets = octets;
    address.m_filledParts = 4;
    return true;
}

SettingsFileStatus LoadSettingsProfile(
    const QString &path, CProfileFile &file, QString *systemError)
{
    file = CProfileFile();
    QByteArray bytes;
    switch (ReadBoundedFile(path, MaxSettingsFileSize, bytes, systemError)) {
    case BoundedReadStatus::Read:
        break;
    case BoundedReadStatus::Missing:
        return SettingsFileStatus::Missing;
    case BoundedReadStatus::NotRegularFile:
        return SettingsFileStatus::NotRegularFile;
    case BoundedReadStatus::TooLarge:
        return SettingsFileStatus::TooLarge;
    case BoundedReadStatus::Failed:
        return SettingsFileStatus::Unreadable;
    }
    // No settings file holds a NUL. One that does is binary data or UTF-16 without a byte-order
    // mark, and reading it as text would silently load defaults over the window's values.
    file = CProfileFile::FromBytes(bytes);
    if (file.HoldsNul()) {
        file = CProfileFile();
        return SettingsFileStatus::NotText;
    }
    // An empty file or another program's INI file would load as defaults over everything.
    return HoldsSettings(file) ? SettingsFileStatus::Loaded : SettingsFileStatus::NoSettings;
}

bool HoldsSettings(const CProfileFile &file)
{
    for (QStringView key : { Key::FolderName, Key::FolderUserId, Key::FolderPassword }) {
        if (file.Contains(Section::NetworkFolder, key))
            return true;
    }
    for (QStringView key : { Key::NetworkPriority, Key::PowerManagement, Key::WirelessTotal }) {
        if (file.Contains(Section::Common, key))
            return true;
    }
    for (const KeyName &key : kWiredKeys) {
        if (file.Contains(Section::UserNetworkSetting, key.name))
            return true;
    }
    for (int n = 0; n < MaxWirelessProfiles; ++n) {
        for (int field = 0; field < ConnectionFieldCount; ++field) {
            if (file.Contains(Section::UserNetworkSetting, ProfileKeyName(n, field)))
                return true;
        }
    }
    return false;
}

QString RefusalText(SettingsFileStatus status, const QString &systemError)
{
    switch (status) {
    case SettingsFileStatus::Missing:
        return MessageText(Msg::SettingFileMissing).toString();
    case SettingsFileStatus::NotRegularFile:
        return MessageText(Msg::NotARegularFile).toString();
    case SettingsFileStatus::TooLarge:
        return MessageText(Msg::OversizedSettingsFile).toString();
    case SettingsFileStatus::NotText:
        return MessageText(Msg::BinarySettingsFile).toString();
    case SettingsFileStatus::Unreadable:
        return MessageText(Msg::UnreadableFile).toString().arg(systemError);
    case SettingsFileStatus::NoSettings:
        return MessageText(Msg::NotSettingsFile).toString();
    case SettingsFileStatus::Loaded:
        break;
    }
    return {};
}

bool ReadSettingsProfile(CSettingsDocument &document, IMessageBox &box, const CProfileFile &file)
{
    return CSettingsLoader(document, box, file).Run();
}

bool ReadSettingsFile(CSettingsDocument &document, IMessageBox &box, const QString &path)
{
    CProfileFile file;
    const SettingsFileStatus status = LoadSettingsProfile(path, file);
    if (status != SettingsFileStatus::Loaded && status != SettingsFileStatus::Missing)
        return false;
    return ReadSettingsProfile(document, box, file);
}
