#include "core/model/NetworkSetting.h"

IpAddressField IpAddressField::Complete(std::uint8_t o1, std::uint8_t o2, std::uint8_t o3,
                                        std::uint8_t o4)
{
    IpAddressField field;
    field.m_octets = { o1, o2, o3, o4 };
    field.m_filledParts = 4;
    return field;
}

bool operator==(const CNetworkSetting &a, const CNetworkSetting &b)
{
    return a.m_ssid == b.m_ssid && a.m_stealthSsid == b.m_stealthSsid
        && a.m_securityMode == b.m_securityMode && a.m_networkKey == b.m_networkKey
        && a.m_dhcp == b.m_dhcp && a.m_ipAddress == b.m_ipAddress
        && a.m_subnetMask == b.m_subnetMask && a.m_defaultGateway == b.m_defaultGateway
        && a.m_dns == b.m_dns && a.m_secondaryDns == b.m_secondaryDns
        && a.m_useProxy == b.m_useProxy && a.m_proxyAddress == b.m_proxyAddress
        && a.m_proxyPort == b.m_proxyPort
        && a.m_connectAutomatically == b.m_connectAutomatically;
}

void ResetNetworkSetting(CNetworkSetting &record)
{
    record = CNetworkSetting();
}
