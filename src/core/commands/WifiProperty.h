#pragma once

#include "core/commands/MessageBox.h"
#include "i18n/MessageCatalog.h"
#include "core/model/NetworkSetting.h"
#include "core/model/SettingsDocument.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

struct SecurityListEntry
{
    MessageId m_text;
    int m_code;
};

// The property dialog shows WPA2 PSK TKIP before WPA2 PSK AES, although their codes run the other
// way. The list stores codes; a record never carries a list position.
inline constexpr std::array<SecurityListEntry, 6> SecurityList { {
    { Msg::SecurityNone, SecurityModeNone },
    { Msg::SecurityWep, SecurityModeWep },
    { Msg::SecurityWpaPskTkip, SecurityModeWpaPskTkip },
    { Msg::SecurityWpaPskAes, SecurityModeWpaPskAes },
    { Msg::SecurityWpa2PskTkip, SecurityModeWpa2PskTkip },
    { Msg::SecurityWpa2PskAes, SecurityModeWpa2PskAes },
} };

inline constexpr int NoSecuritySelected = -1;

// Position of the first list entry that stores `code`, -1 when no entry does.
int SecurityListPosition(int code);

// The state of every control of the wireless property dialog. The dialog mirrors these into its
// widgets and back; the rules below never see a widget.
struct WifiPropertyValues
{
    EditControl m_ssid;
    int m_selectedSecurity = NoSecuritySelected; // code of the selected entry
    bool m_stealthChecked = false;
    EditControl m_networkKey;
    EditControl m_keyConfirm;
    ConnectionControls m_connection;
};

// The fields that OK can reject, in the order of the dialog.
enum class WifiPropertyField {
    Ssid,
    NetworkKey,
    KeyConfirm,
    IpAddress,
    SubnetMask,
    ProxyAddress,
    ProxyPort,
};
inline constexpr int WifiPropertyFieldCount = 7;

struct WifiPropertyFailure
{
    WifiPropertyField m_field;
    MessageId m_message;
    bool m_emptiesKeyBoxes; // OK empties the key and its confirmation after this message
};

// Every check that OK would fail on the current values, in the order OK runs them. OK shows the
// first one; the dialog marks each field with the first one that names it.
QList<WifiPropertyFailure> WifiPropertyFailures(const WifiPropertyValues &values);

// For each field, the message OK would show about it, if any.
std::array<std::optional<MessageId>, WifiPropertyFieldCount> WifiPropertyFieldMessages(
    const WifiPropertyValues &values);

// The security code that OK stores for the selection. A profile with a code outside the list
// opens with nothing selected; OK then stores "No security", which is also what a settings file
// load makes of such a code.
int SelectedSecurityCode(const WifiPropertyValues &values);

// The working profile of the wireless property dialog and the commands of that dialog.
class CWifiPropertyEditor
{
public:
    CWifiPropertyEditor() = default;

    CNetworkSetting m_profile; // the working profile; the caller reads it only after OK
    WifiPropertyValues m_values;
    QString m_messageText;

    // Fills the controls from the working profile before the dialog shows.
    void Open();
    void ChangeSecurity(int code);
    void ChooseDhcp(int radio);
    void ChangeUseProxy(bool checked);
    void Clear();
    // The Cancel button. The close box and Esc end the dialog without it.
    void Cancel();
    // The OK button: true when the dialog may end with OK. Otherwise one message was shown
    // through `box` and the dialog stays open.
    bool Accept(IMessageBox &box);

private:
    void EnableKeyBoxes(bool enable);
};
