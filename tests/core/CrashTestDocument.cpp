#include "SettingsDocument.h"

// Two full documents that differ in every profile, the wired values and the folder state.
CSettingsDocument CrashTestDocument(int variant)
{
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_useWirelessChecked = variant == 1;
    c.m_dhcpModeRadio = 1;
    c.m_ipAddress.m_fields = { 192, 168, 1, 10 + variant };
    c.m_subnetMask.m_fields = { 255, 255, 255, 0 };
    c.m_folderModeRadio = 1;
    c.m_deviceName.m_text = variant ? QStringLiteral("reader-b") : QStringLiteral("reader-a");
    c.m_userId.m_text = QStringLiteral("owner");
    c.m_password.m_text = variant ? QStringLiteral("pass-b") : QStringLiteral("pass-a");
    c.m_passwordConfirm.m_text = c.m_password.m_text;
    document.m_lastPath = variant ? QStringLiteral("/media/b") : QStringLiteral("/media/a");
    for (int i = 0; i < MaxWirelessProfiles; ++i) {
        CNetworkSetting &p = document.m_wirelessSettings[size_t(i)];
        p.m_ssid = QStringLiteral("net-%1-%2").arg(variant).arg(i);
        p.m_securityMode = SecurityModeWpa2PskAes;
        p.m_networkKey = QStringLiteral("key-%1-%2-0123456789").arg(variant).arg(i);
        c.m_wirelessList.append({ p.m_ssid, i });
    }
    return document;
}
