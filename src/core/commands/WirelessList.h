#pragma once

#include "core/model/SettingsDocument.h"

enum class DialogResult { Ok, Cancel };

// The wireless property dialog as the list commands see it: shown modally on a working profile,
// ended with OK or Cancel.
class IWifiPropertyDialog
{
public:
    virtual ~IWifiPropertyDialog() = default;
    // `profile` goes in as the dialog's working profile. After Ok it holds the accepted profile,
    // whose SSID is never empty; after Cancel the caller ignores it.
    virtual DialogResult RunPropertyDialog(CNetworkSetting &profile) = 0;
};

// The commands of the wireless list. The list gives the priority order, the slots hold the
// profiles; a command that meets an entry without a valid slot changes nothing.
void RaiseWirelessPriority(CSettingsDocument &document);
void LowerWirelessPriority(CSettingsDocument &document);
// Moves the entry at `from` to `to` (clamped to the list) and selects it there: what as many
// Priority Up or Down presses would do.
void MoveWirelessProfile(CSettingsDocument &document, int from, int to);
void DeleteWirelessProfile(CSettingsDocument &document, IMessageBox &box);
void AddWirelessProfile(CSettingsDocument &document, IMessageBox &box, IWifiPropertyDialog &dialog);
// Property, and a double-click on an entry.
void EditWirelessProfile(CSettingsDocument &document, IWifiPropertyDialog &dialog);

// The lowest-numbered slot that no entry uses and whose SSID is empty; -1 when all are taken.
int FreeWirelessSlot(const CSettingsDocument &document);
