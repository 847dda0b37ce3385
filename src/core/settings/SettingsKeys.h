#pragma once

#include "core/model/NetworkSetting.h"

#include <QString>
#include <QStringView>

#include <array>

// Section and key names exactly as the reader device expects them, misspellings included.
namespace Section {
inline constexpr QStringView UserNetworkSetting = u"UserNetworkSetting";
inline constexpr QStringView Common = u"Common";
inline constexpr QStringView NetworkFolder = u"NewtworkFolderSetting";
inline constexpr QStringView Utility = u"NetworkSettingUtility";
} // namespace Section

namespace Key {
inline constexpr QStringView NetworkPriority = u"NETWORK_PRIORITY";
inline constexpr QStringView PowerManagement = u"NETWORK_DEVICE_POWER_MANAGEMENT";
inline constexpr QStringView WirelessTotal = u"WIRELESS_SETTING_TOTAL";
inline constexpr QStringView FolderName = u"NETFOLDER_NAME";
inline constexpr QStringView FolderUserId = u"NETFOLDER_UID";
inline constexpr QStringView FolderPassword = u"NETFOLDER_PASS";
inline constexpr QStringView FolderDefault = u"NETFOLDER_DEF";
inline constexpr QStringView LastPath = u"LAST_PATS";
} // namespace Key

enum class Encoding {
    Flag,      // "%d" of a 0/1 field
    ProxyFlag, // "1" when the field is 1, otherwise "0"
    Address,   // dotted decimal when complete, otherwise empty
    Number,    // "%d"
    Text,      // verbatim
    Secret,    // sealed when not empty, otherwise empty
};

struct KeyName
{
    QStringView name;
    Encoding encoding;
};

// The fields of one connection, in writing order. The wired keys are the first nine of these
// fields under their own names; a wireless profile writes all fourteen.
enum ConnectionField {
    FieldDhcp,
    FieldIpAddress,
    FieldSubnetMask,
    FieldDefaultGateway,
    FieldDns,
    FieldSecondaryDns,
    FieldUseProxy,
    FieldProxyAddress,
    FieldProxyPort,
    FieldSsid,
    FieldSecurityMode,
    FieldNetworkKey,
    FieldStealthSsid,
    FieldConnectAutomatically,
    ConnectionFieldCount
};

inline constexpr int WiredKeyCount = 9;

// The address of one of the five address fields, FieldIpAddress .. FieldSecondaryDns.
template<typename Record> // CNetworkSetting, const or not
auto &AddressOf(Record &record, int field)
{
    switch (field) {
    case FieldIpAddress:
        return record.m_ipAddress;
    case FieldSubnetMask:
        return record.m_subnetMask;
    case FieldDefaultGateway:
        return record.m_defaultGateway;
    case FieldDns:
        return record.m_dns;
    default:
        return record.m_secondaryDns;
    }
}

inline constexpr std::array<KeyName, WiredKeyCount> kWiredKeys { {
    { u"WIRED_DHCP", Encoding::Flag },
    { u"WIRED_IP", Encoding::Address },
    { u"WIRED_SUBNET_MASK", Encoding::Address },
    { u"WIRED_DEFAULT_GATEWAY", Encoding::Address },
    { u"WIRED_DNS", Encoding::Address },
    { u"WIRED_DNS_SECONDARY", Encoding::Address },
    { u"WIRED_PROXY", Encoding::ProxyFlag },
    { u"WIRED_PROXY_ADDRESS", Encoding::Text },
    { u"WIRED_PROXY_PORT", Encoding::Text },
} };

inline constexpr std::array<KeyName, ConnectionFieldCount> kWirelessKeys { {
    { u"WIRELESS_DHCP", Encoding::Flag },
    { u"WIRELESS_IP", Encoding::Address },
    { u"WIRELESS_SUBNET_MASK", Encoding::Address },
    { u"WIRELESS_DEFAULT_GATEWAY", Encoding::Address },
    { u"WIRELESS_DNS", Encoding::Address },
    { u"WIRELESS_DNS_SECONDARY", Encoding::Address },
    { u"WIRELESS_PROXY", Encoding::ProxyFlag },
    { u"WIRELESS_PROXY_ADDRESS", Encoding::Text },
    { u"WIRELESS_PROXY_PORT", Encoding::Text },
    { u"WIRELESS_SSID", Encoding::Text },
    { u"WIRELESS_SEQLITY_MODE", Encoding::Number },
    { u"WIRELESS_PSK", Encoding::Secret },
    { u"WIRELESS_FORCE", Encoding::Flag },
    { u"WIRELESS_CONNECTION_AUTOMATICALLY", Encoding::Flag },
} };

// Key of field `index` of the profile at 0-based position n: the base name for the first
// profile, "<base>_<n+1>" after it ("WIRELESS_SSID_2" ... "WIRELESS_SSID_30"; never "_1").
const QString &ProfileKeyName(int n, int index);
