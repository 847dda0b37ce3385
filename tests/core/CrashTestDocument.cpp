#include "core/model/SettingsDocument.h"

// Two full documents that differ in every profile and in the network folder password.
CSettingsDocument CrashTestDocument(int variant)
{
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_folderModeRadio = 1;
    c.m_deviceName.m_text = QStringLiteral("reader");
    c.m_userId.m_text = QStringLiteral("owner");
    c.m_password.m_text = variant ? QStringLiteral("pass-b") : QStringLiteral("pass-a");
    c.m_passwordConfirm.m_text = c.m_password.m_text;
    for (int i = 0; i < MaxWirelessProfiles; ++i) {
        CNetworkSetting &p = document.m_wirelessSettings[size_t(i)];
        p.m_ssid = QStringLiteral("net-%1-%2").arg(variant).arg(i);
        p.m_securityMode = SecurityModeWpa2PskAes;
        p.m_networkKey = QStringLiteral("key-%1-%2-0123456789").arg(variant).arg(i);
        c.m_wirelessList.append({ p.m_ssid, i });
    }
    return document;
}
