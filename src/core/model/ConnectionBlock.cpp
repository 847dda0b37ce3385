#include "core/model/ConnectionBlock.h"

IpAddressField AddressControl::Address() const
{
    IpAddressField address;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i] >= 0) {
            address.m_octets[i] = std::uint8_t(m_fields[i]);
            ++address.m_filledParts;
        }
    }
    return address;
}

void AddressControl::SetAddress(const IpAddressField &address)
{
    if (!address.IsComplete()) {
        Clear();
        return;
    }
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i] = address.m_octets[i];
}

namespace {

template<typename Setting> auto AddressesOf(Setting &setting)
{
    return std::array { &setting.m_ipAddress, &setting.m_subnetMask, &setting.m_defaultGateway,
        &setting.m_dns, &setting.m_secondaryDns };
}

} // namespace

std::array<AddressControl *, ConnectionAddressCount> ConnectionControls::Addresses()
{
    return { &m_ipAddress, &m_subnetMask, &m_defaultGateway, &m_dns, &m_secondaryDns };
}

std::array<const AddressControl *, ConnectionAddressCount> ConnectionControls::Addresses() const
{
    return { &m_ipAddress, &m_subnetMask, &m_defaultGateway, &m_dns, &m_secondaryDns };
}

void ConnectionControls::FromSetting(const CNetworkSetting &setting)
{
    m_dhcpRadio = DhcpRadioFor(setting.m_dhcp);
    const auto controls = Addresses();
    const auto addresses = AddressesOf(setting);
    for (size_t i = 0; i < controls.size(); ++i)
        controls[i]->SetAddress(*addresses[i]);
    m_useProxyChecked = setting.m_useProxy != 0;
    m_proxyAddress.m_text = setting.m_proxyAddress;
    m_proxyPort.m_text = setting.m_proxyPort;
    EnableAddresses(setting.m_dhcp == 0);
    EnableProxy(m_useProxyChecked);
}

void ConnectionControls::ToSetting(CNetworkSetting &setting) const
{
    AddressesToSetting(setting);
    ProxyToSetting(setting);
}

void ConnectionControls::AddressesToSetting(CNetworkSetting &setting) const
{
    setting.m_dhcp = DhcpFlagFor(m_dhcpRadio);
    const auto controls = Addresses();
    const auto addresses = AddressesOf(setting);
    for (size_t i = 0; i < controls.size(); ++i)
        *addresses[i] = controls[i]->Address();
}

void ConnectionControls::ProxyToSetting(CNetworkSetting &setting) const
{
    setting.m_useProxy = m_useProxyChecked ? 1 : 0;
    setting.m_proxyAddress = m_proxyAddress.m_text;
    setting.m_proxyPort = m_proxyPort.m_text;
}

void ConnectionControls::EnableAddresses(bool enable)
{
    for (AddressControl *address : Addresses())
        address->m_enabled = enable;
}

void ConnectionControls::EnableProxy(bool enable)
{
    m_proxyAddress.m_enabled = enable;
    m_proxyPort.m_enabled = enable;
}

void ConnectionControls::Clear()
{
    m_dhcpRadio = 0;
    for (AddressControl *address : Addresses())
        address->Clear();
    m_useProxyChecked = false;
    m_proxyAddress.m_text.clear();
    m_proxyPort.m_text.clear();
    EnableAddresses(false);
    EnableProxy(false);
}

MessageId ProxyAddressMessage(ValidationCode code, const ProxyMessages &messages)
{
    switch (code) {
    case ValidationCode::BadCharacter:
        return messages.m_addressCharacters;
    case ValidationCode::BadLength:
        return messages.m_addressLength;
    default:
        return messages.m_inputAddress;
    }
}

MessageId ProxyPortMessage(ValidationCode code, const ProxyMessages &messages)
{
    return code == ValidationCode::Missing ? messages.m_inputPort : messages.m_invalidPort;
}
