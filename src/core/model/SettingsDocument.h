#pragma once

#include "core/commands/MessageBox.h"
#include "core/model/ConnectionBlock.h"
#include "core/model/NetworkSetting.h"
#include "i18n/MessageCatalog.h"

#include <QList>
#include <QString>

#include <array>

struct WirelessListEntry
{
    QString m_text; // the profile's SSID
    int m_slot = -1; // index into CSettingsDocument::m_wirelessSettings
};

// A control that a failed check asks the window to focus when the command returns.
enum class FocusRequest { None, WiredIpAddress };

// The state of every main-window control that the file operations and checks read or write.
// The Qt window mirrors these into its widgets and back; the core never sees a widget.
struct MainWindowControls
{
    // Network folder values. No window shows them, so these are their only store: the readers
    // fill them, the checks empty them, the state file keeps them.
    int m_folderModeRadio = 0; // 0 "Use default setting", 1 "Customize the settings"
    EditControl m_deviceName;
    EditControl m_userId;
    EditControl m_password;
    EditControl m_passwordConfirm;

    // Wired LAN page.
    ConnectionControls m_connection;

    // Wireless LAN page.
    bool m_useWirelessChecked = false;
    QList<WirelessListEntry> m_wirelessList; // priority order, top first
    int m_wirelessSelection = -1;

    FocusRequest m_focusRequest = FocusRequest::None; // the window resets it once applied
};

// The settings document of the main window and the window-held values it works on.
// The four bound members follow their controls only through Gather and Push, never on their
// own: several operations rely on a member still holding what was last gathered.
class CSettingsDocument
{
public:
    CSettingsDocument() = default;

    std::array<CNetworkSetting, MaxWirelessProfiles> m_wirelessSettings;
    CNetworkSetting m_wiredSetting;
    QString m_messageText;
    QString m_lastPath;
    QString m_stateFilePath;

    int m_folderSettingMode = 0;
    int m_dhcpMode = 0;
    int m_wiredUseProxy = 0;
    int m_useWireless = 0;

    MainWindowControls m_controls;

    // Controls -> bound members, and back; always all four bindings together.
    void Gather();
    void Push();
    // The wired record as the controls and bound members hold it now. Disabled controls keep
    // their contents, and those contents count.
    CNetworkSetting WiredSettingFromControls() const;

    // Composes the catalogue text `text` and shows it with the catalogue caption `caption`.
    MessageAnswer ShowMessage(IMessageBox &box, MessageId text, MessageId caption,
                              MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                              const QString &detail = QString());

    // The folder choice with the enabling of the four folder fields that follows it.
    void SetFolderSettingMode(int mode);

    // Puts every profile slot and the wired record back to defaults and forgets m_lastPath.
    void ResetSettings();
};
