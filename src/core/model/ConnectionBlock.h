#pragma once

#include "core/model/NetworkSetting.h"
#include "core/model/Validators.h"
#include "i18n/MessageCatalog.h"

#include <QString>

#include <array>

struct EditControl
{
    QString m_text;
    bool m_enabled = true;
};

// An IPv4 address control: four octet fields, each blank (-1) or 0..255.
struct AddressControl
{
    std::array<int, 4> m_fields { -1, -1, -1, -1 };
    bool m_enabled = true;

    // The four parts (a blank one reads as 0) and the count of non-blank parts.
    IpAddressField Address() const;
    // A complete address fills all four fields; anything else clears the control.
    void SetAddress(const IpAddressField &address);
    void Clear() { m_fields = { -1, -1, -1, -1 }; }
};

inline constexpr int ConnectionAddressCount = 5;

// The connection block that the wired page and the wireless property dialog share: the DHCP
// choice, the five addresses, the proxy tick with its address and port.
struct ConnectionControls
{
    int m_dhcpRadio = 0; // 0 "DHCP On", 1 "DHCP Off", -1 neither chosen
    AddressControl m_ipAddress;
    AddressControl m_subnetMask;
    AddressControl m_defaultGateway;
    AddressControl m_dns;
    AddressControl m_secondaryDns;
    bool m_useProxyChecked = false;
    EditControl m_proxyAddress;
    EditControl m_proxyPort;

    // The five address controls in the order of the block.
    std::array<AddressControl *, ConnectionAddressCount> Addresses();
    std::array<const AddressControl *, ConnectionAddressCount> Addresses() const;

    // A record stores 1 for DHCP on; the first radio button is "DHCP On".
    static int DhcpRadioFor(int dhcp) { return dhcp != 0 ? 0 : 1; }
    static int DhcpFlagFor(int radio) { return radio == 0 ? 1 : 0; }

    // The block's fields of `setting` into the controls, with the enabling they imply.
    void FromSetting(const CNetworkSetting &setting);
    // The controls into the block's fields of `setting`; its other fields stay as they are.
    // Disabled controls keep their contents, and those contents count.
    void ToSetting(CNetworkSetting &setting) const;
    // The two halves of ToSetting: the DHCP flag with the addresses, and the proxy fields.
    void AddressesToSetting(CNetworkSetting &setting) const;
    void ProxyToSetting(CNetworkSetting &setting) const;

    void EnableAddresses(bool enable);
    void EnableProxy(bool enable);
    // Blank addresses under "DHCP On", proxy unticked and empty, all of it disabled.
    void Clear();
};

// The catalogue texts that report a proxy check, in one set per page.
struct ProxyMessages
{
    MessageId m_addressCharacters;
    MessageId m_addressLength;
    MessageId m_inputAddress;
    MessageId m_inputPort;
    MessageId m_invalidPort;
};

inline constexpr ProxyMessages WiredProxyMessages { Msg::WiredProxyAddressCharacters,
    Msg::WiredProxyAddressLength, Msg::WiredInputProxyAddress, Msg::WiredInputProxyPort,
    Msg::WiredInvalidProxyPort };
inline constexpr ProxyMessages WirelessProxyMessages { Msg::WirelessProxyAddressCharacters,
    Msg::WirelessProxyAddressLength, Msg::WirelessInputProxyAddress, Msg::WirelessInputProxyPort,
    Msg::WirelessInvalidProxyPort };

// The message for a failed CheckProxyAddress or CheckProxyPort result.
MessageId ProxyAddressMessage(ValidationCode code, const ProxyMessages &messages);
MessageId ProxyPortMessage(ValidationCode code, const ProxyMessages &messages);
