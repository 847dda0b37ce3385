#include "core/model/SettingsDocument.h"

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

void CSettingsDocument::Gather()
{
    m_folderSettingMode = m_controls.m_folderModeRadio;
    m_dhcpMode = m_controls.m_dhcpModeRadio;
    m_wiredUseProxy = m_controls.m_useProxyChecked ? 1 : 0;
    m_useWireless = m_controls.m_useWirelessChecked ? 1 : 0;
}

void CSettingsDocument::Push()
{
    m_controls.m_folderModeRadio = m_folderSettingMode;
    m_controls.m_dhcpModeRadio = m_dhcpMode;
    m_controls.m_useProxyChecked = m_wiredUseProxy != 0;
    m_controls.m_useWirelessChecked = m_useWireless != 0;
}

CNetworkSetting CSettingsDocument::WiredSettingFromControls() const
{
    const MainWindowControls &c = m_controls;
    CNetworkSetting wired;
    wired.m_dhcp = m_dhcpMode == 0 ? 1 : 0;
    wired.m_ipAddress = c.m_ipAddress.Address();
    wired.m_subnetMask = c.m_subnetMask.Address();
    wired.m_defaultGateway = c.m_defaultGateway.Address();
    wired.m_dns = c.m_dns.Address();
    wired.m_secondaryDns = c.m_secondaryDns.Address();
    wired.m_useProxy = m_wiredUseProxy;
    wired.m_proxyAddress = c.m_proxyAddress.m_text;
    wired.m_proxyPort = c.m_proxyPort.m_text;
    return wired;
}

const QString &CSettingsDocument::ComposeMessageText(QStringView text)
{
    m_messageText = ComposedMessage(text);
    return m_messageText;
}

MessageAnswer CSettingsDocument::ShowMessage(IMessageBox &box, MessageId text, MessageId caption,
                                             MessageIcon icon, MessageButtons buttons,
                                             const QString &detail)
{
    return box.ShowMessage(ComposeMessageText(MessageText(text)),
                           MessageText(caption).toString(), icon, buttons, detail);
}

void CSettingsDocument::EnableFolderFields(bool enable)
{
    for (EditControl *edit : { &m_controls.m_deviceName, &m_controls.m_userId,
                               &m_controls.m_password, &m_controls.m_passwordConfirm })
        edit->m_enabled = enable;
}

void CSettingsDocument::EnableAddressFields(bool enable)
{
    for (AddressControl *address :
         { &m_controls.m_ipAddress, &m_controls.m_subnetMask, &m_controls.m_defaultGateway,
           &m_controls.m_dns, &m_controls.m_secondaryDns })
        address->m_enabled = enable;
}

void CSettingsDocument::EnableProxyFields(bool enable)
{
    m_controls.m_proxyAddress.m_enabled = enable;
    m_controls.m_proxyPort.m_enabled = enable;
}

void CSettingsDocument::ResetSettings()
{
    for (CNetworkSetting &slot : m_wirelessSettings)
        ResetNetworkSetting(slot);
    ResetNetworkSetting(m_wiredSetting);
    m_lastPath.clear();
}
