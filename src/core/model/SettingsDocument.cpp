#include "core/model/SettingsDocument.h"

void CSettingsDocument::Gather()
{
    m_folderSettingMode = m_controls.m_folderModeRadio;
    m_dhcpMode = m_controls.m_connection.m_dhcpRadio;
    m_wiredUseProxy = m_controls.m_connection.m_useProxyChecked ? 1 : 0;
    m_useWireless = m_controls.m_useWirelessChecked ? 1 : 0;
}

void CSettingsDocument::Push()
{
    m_controls.m_folderModeRadio = m_folderSettingMode;
    m_controls.m_connection.m_dhcpRadio = m_dhcpMode;
    m_controls.m_connection.m_useProxyChecked = m_wiredUseProxy != 0;
    m_controls.m_useWirelessChecked = m_useWireless != 0;
}

CNetworkSetting CSettingsDocument::WiredSettingFromControls() const
{
    CNetworkSetting wired;
    m_controls.m_connection.ToSetting(wired);
    // The bound members, not the controls, say what was last gathered.
    wired.m_dhcp = ConnectionControls::DhcpFlagFor(m_dhcpMode);
    wired.m_useProxy = m_wiredUseProxy;
    return wired;
}

MessageAnswer CSettingsDocument::ShowMessage(IMessageBox &box, MessageId text, MessageId caption,
                                             MessageIcon icon, MessageButtons buttons,
                                             const QString &detail)
{
    return ShowCatalogueMessage(box, m_messageText, text, caption, icon, buttons, detail);
}

void CSettingsDocument::SetFolderSettingMode(int mode)
{
    m_folderSettingMode = mode;
    const bool enable = mode == 1;
    for (EditControl *edit : { &m_controls.m_deviceName, &m_controls.m_userId,
                               &m_controls.m_password, &m_controls.m_passwordConfirm })
        edit->m_enabled = enable;
}

void CSettingsDocument::ResetSettings()
{
    for (CNetworkSetting &slot : m_wirelessSettings)
        ResetNetworkSetting(slot);
    ResetNetworkSetting(m_wiredSetting);
    m_lastPath.clear();
}
