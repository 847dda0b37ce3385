#pragma once

#include <QStringView>

// Every text the user sees comes from this compiled-in catalogue: 158 rows, one text per language
// slot. The slot is chosen once at start-up; a lookup returns a view on constant data and never
// allocates or converts.

using MessageId = unsigned;
using LanguageSlot = unsigned;

inline constexpr MessageId MessageCount = 158;
inline constexpr LanguageSlot LanguageSlotCount = 15;

// Rows of our own follow the 158 original rows, which stay exactly as they are. Each topic keeps
// a block of ids (see Msg below); an id without a row is a programming error.
inline constexpr MessageId OwnMessageFirst = MessageCount;
bool IsOwnMessage(MessageId id);
// Every own row's id, ascending; for tests that check each row in every slot.
int OwnMessageCount();
MessageId OwnMessageAt(int index);

// Text of row `id` in the current language slot.
QStringView MessageText(MessageId id);
QStringView MessageTextInSlot(MessageId id, LanguageSlot slot);

LanguageSlot CurrentLanguageSlot();
// Start-up sets the slot through SelectLanguageSlot; tests set it directly.
void SetCurrentLanguageSlot(LanguageSlot slot);

// Sets the current slot from a Windows locale identifier (LCID), compared as a whole 32-bit value.
void SelectLanguageSlot(quint32 lcid);
LanguageSlot LanguageSlotForLcid(quint32 lcid);

// Names for the rows that the program shows. Rows that are equal in English but belong to
// different windows keep separate names, as translations may differ.
namespace Msg {
enum : MessageId {
    MainWindowTitle = 0,
    AboutTitle = 1,
    VersionLine = 2,
    TabControlName = 3,
    WirelessLanTab = 5,
    WiredLanTab = 7,
    LoadSettingsButton = 8,
    CreateSettingFileButton = 9,
    ExitButton = 10,
    UseDefaultSetting = 11,
    CustomizeSettings = 12,
    NetworkFolderSettingsGroup = 13,
    DeviceNameLabel = 14,
    UserIdLabel = 15,
    PasswordLabel = 16,
    ConfirmPasswordLabel = 17,
    WiredDhcpOn = 18,
    WiredDhcpOff = 19,
    WiredIpSettingsGroup = 20,
    WiredIpAddressLabel = 21,
    WiredSubnetMaskLabel = 22,
    WiredDefaultGatewayLabel = 23,
    WiredDnsLabel = 24,
    WiredSecondaryDnsLabel = 25,
    WiredProxySettingsGroup = 26,
    WiredUseProxy = 27,
    WiredProxyAddressLabel = 28,
    WiredProxyPortLabel = 29,
    ClearSettingsButton = 30,
    UseWirelessToConnect = 32,
    WirelessSettingsList = 33,
    PriorityUpButton = 34,
    PriorityDownButton = 35,
    AddButton = 36,
    DeleteButton = 37,
    PropertyButton = 38,

    LoadSettingsCaption = 45,
    SettingsLoaded = 46,
    SettingsLoadedWithError = 47,
    SettingFileMissing = 48,
    FolderPasswordDecryptionError = 49,
    InvalidFolderDeviceNameInFile = 50,
    InvalidFolderUserIdInFile = 51,
    InvalidFolderPasswordInFile = 52,
    InvalidIpAddressInFile = 53,
    InvalidSubnetInFile = 54,
    InvalidGatewayInFile = 55,
    InvalidDnsInFile = 56,
    NetworkKeyDecryptionError = 57,
    InvalidSsidInFile = 58,
    InvalidNetworkKeyInFile = 60,
    ProxyAddressMissingInFile = 61,
    ProxyPortMissingInFile = 62,
    InvalidProxyAddressInFile = 63,
    InvalidProxyPortInFile = 64,

    SelectFolderTitle = 65,
    CreateSettingCaption = 66,
    OverwriteExistingFile = 67,
    SettingsFileCreated = 68,
    SettingsFileCreateFailed = 69,

    NetworkFolderCaption = 70,
    InputDeviceName = 71,
    DeviceNameLength = 72,
    DeviceNameCharacters = 73,
    DeviceNameDigitsOnly = 74,
    DeviceNameHyphensOnly = 75,
    ConfirmNetworkFolderSetting = 76,
    InputUserId = 77,
    UserIdLength = 78,
    UserIdCharacters = 79,
    FolderPasswordMismatch = 80,
    FolderPasswordLength = 81,
    FolderPasswordCharacters = 82,

    WiredLanCaption = 83,
    WiredInputProxyAddress = 84,
    WiredInputProxyPort = 85,
    WiredProxyAddressCharacters = 86,
    WiredInvalidProxyPort = 87,
    WiredProxyAddressLength = 88,

    WirelessLanCaption = 89,
    InputSsid = 90,
    SsidLength = 91,
    SsidCharacters = 92,
    ConfirmSetting = 93,
    NetworkKeyMismatch = 94,
    InputNetworkKey = 95,
    NetworkKeyLength = 96,
    NetworkKeyCharacters = 97,
    InputIpAddress = 98,
    InputSubnetMask = 99,
    WirelessInputProxyAddress = 100,
    WirelessInputProxyPort = 101,
    WirelessProxyAddressCharacters = 102,
    WirelessInvalidProxyPort = 103,
    WirelessProxyAddressLength = 104,
    InvalidIpAddress = 105,

    PropertyDialogTitle = 106,
    CancelButton = 107,
    ClearButton = 108,
    OkButton = 109,
    WirelessSecurityGroup = 110,
    SsidLabel = 111,
    StealthSsid = 112,
    SecurityLabel = 113,
    NetworkKeyLabel = 114,
    ConfirmNetworkKeyLabel = 115,
    WirelessIpSettingsGroup = 116,
    WirelessDhcpOn = 117,
    WirelessDhcpOff = 118,
    WirelessIpAddressLabel = 119,
    WirelessSubnetMaskLabel = 120,
    WirelessDefaultGatewayLabel = 121,
    WirelessDnsLabel = 122,
    WirelessSecondaryDnsLabel = 123,
    WirelessProxySettingsGroup = 124,
    WirelessUseProxy = 125,
    WirelessProxyAddressLabel = 126,
    WirelessProxyPortLabel = 127,
    SecurityNone = 129,
    SecurityWep = 130,
    SecurityWpaPskTkip = 131,
    SecurityWpaPskAes = 132,
    SecurityWpa2PskAes = 133,
    SecurityWpa2PskTkip = 134,

    WirelessSettingCaption = 135,
    NoSettingExists = 136,
    MaximumWirelessSettings = 137,
    LocalSecuritySettingTitle = 138,
    LocalSecuritySettingTitle2 = 150,
    SelectTargetTitle = 153,

    // Our own rows, in blocks by topic (OwnMessageCatalog.cpp holds their texts).
    // Writing files: 158..179
    OutputIsLink = 158,
    OutputIsDirectory = 159,
    OutputIsSpecial = 160,
    FileNotWritten = 161,
    FolderNotSynced = 162,
    // Reading files and the checker's output: 180..219
    NotSettingsFile = 180,
    BinarySettingsFile = 181,
    OversizedSettingsFile = 182,
    NotARegularFile = 183,
    UnreadableFile = 184,
    WhereSectionKeyValue = 185,
    WhereSectionKey = 186,
    WhereProfile = 187,
    WhereProfileWithoutSsid = 188,
    WhereFile = 189,
    WepKeyForms = 190,
    WpaKeyForms = 191,
    LoopbackAddress = 192,
    CheckerNoInputFile = 193,
    CheckerOptionNeedsValue = 194,
    CheckerUnknownOption = 195,
    CheckerTooManyFiles = 196,
    CheckerOptionRepeated = 197,
    KeyNotSealable = 198,
    // Importing networks, QR codes, showing the key: 220..259
    ImportNetworksButton = 220,
    ImportNetworksTip = 221,
    ImportNetworksTitle = 222,
    ImportNetworksPrompt = 223,
    ImportSsidColumn = 224,
    ImportSecurityColumn = 225,
    ImportAddButton = 226,
    ImportNoSystemBus = 227,
    ImportNoNetworkManager = 228,
    ImportNoNetworks = 229,
    ImportSsidNotText = 230,
    ImportEnterpriseSecurity = 231,
    ImportWpa3Security = 232,
    ImportEnhancedOpenSecurity = 233,
    ImportUnknownSecurity = 234,
    ImportNotWireless = 235,
    ImportAlreadyListed = 236,
    ImportListFull = 237,
    ImportKeysMissing = 238,
    ShowNetworkKey = 239,
    HideNetworkKey = 240,
    QrImportButton = 241,
    QrImportTip = 242,
    QrOpenTitle = 243,
    QrImageFilter = 244,
    QrNoWifiCode = 245,
    QrImageUnreadable = 246,
    QrTextNotWifi = 247,
    QrReaderMissing = 248,
    // Removable volumes, verifying and ejecting: 260..289
    SafelyRemoveButton = 260,
    FileOnRemovableVolume = 261,
    VolumeRemoved = 262,
    VolumeNotRemoved = 263,
    VolumeBusy = 264,
    VolumeRemovalUnavailable = 265,
    ReadBackFailed = 266,
    ReadBackDiffers = 267,
    ReadBackValuesDiffer = 268,
    VolumeRemoving = 269,
    // Keyboard, shortcuts and screen readers: 290..329
    WirelessEntryPriority = 290,
    TabSwitchKeys = 291,
};
} // namespace Msg
