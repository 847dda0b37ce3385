#pragma once

#include <QString>

#include <array>
#include <cstdint>

inline constexpr int MaxWirelessProfiles = 30;

// Security mode codes as stored in files. The property dialog lists them in another order;
// files and records always carry these numbers.
enum SecurityMode : int {
    SecurityModeNone = 0,
    SecurityModeWep = 1,
    SecurityModeWpaPskTkip = 2,
    SecurityModeWpaPskAes = 3,
    SecurityModeWpa2PskAes = 4,
    SecurityModeWpa2PskTkip = 5,
};

// One IPv4 address as entered or as read. Only a complete address (all four parts filled) is
// written to a file or shown in an address control; any other count reads as blank.
struct IpAddressField
{
    std::array<std::uint8_t, 4> m_octets {};
    std::uint8_t m_filledParts = 0;

    bool IsComplete() const { return m_filledParts == 4; }
    static IpAddressField Complete(std::uint8_t o1, std::uint8_t o2, std::uint8_t o3,
                                   std::uint8_t o4);

    friend bool operator==(const IpAddressField &a, const IpAddressField &b)
    {
        return a.m_octets == b.m_octets && a.m_filledParts == b.m_filledParts;
    }
    friend bool operator!=(const IpAddressField &a, const IpAddressField &b) { return !(a == b); }
};

// The settings of one connection: the wired LAN, or one wireless profile. The wired record
// leaves the wireless-only fields at their defaults.
class CNetworkSetting
{
public:
    QString m_ssid; // empty marks a free profile slot
    int m_stealthSsid = 0;
    int m_securityMode = SecurityModeNone;
    QString m_networkKey; // plain text; only files hold it sealed
    int m_dhcp = 1;
    IpAddressField m_ipAddress;
    IpAddressField m_subnetMask;
    IpAddressField m_defaultGateway;
    IpAddressField m_dns;
    IpAddressField m_secondaryDns;
    int m_useProxy = 0;
    QString m_proxyAddress;
    QString m_proxyPort;
    // No control shows this flag: it comes from a loaded file and goes back unchanged.
    int m_connectAutomatically = 1;

    friend bool operator==(const CNetworkSetting &a, const CNetworkSetting &b);
    friend bool operator!=(const CNetworkSetting &a, const CNetworkSetting &b) { return !(a == b); }
};

void ResetNetworkSetting(CNetworkSetting &record);

// Network folder credentials, used as a temporary record while such values are read or checked.
class CNetFolderSetting
{
public:
    QString m_deviceName;
    QString m_userId;
    QString m_password; // plain text
};
