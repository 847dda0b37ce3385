#pragma once

#include "core/commands/MessageBox.h"
#include "core/model/SettingsDocument.h"

#include <QList>
#include <QStringList>

// What adding imported profiles to the wireless list did, by SSID.
struct WirelessImportReport
{
    QStringList m_added;
    QStringList m_alreadyListed;
    QStringList m_noRoom; // the list held 30 profiles
    QStringList m_keysMissing; // added, but without the key they need
    int m_firstKeyMissingPosition = -1; // list position of the first of those
};

// Adds `profiles` at the end of the wireless list, in their order. An SSID that the list already
// holds (or that came earlier in `profiles`) is skipped, and nothing is added past 30 profiles.
// The selection moves to the last profile added.
WirelessImportReport ImportWirelessProfiles(
    CSettingsDocument &document, const QList<CNetworkSetting> &profiles);

// One message about what the user must know: the profiles skipped and those whose key must be
// typed. Nothing is shown when every profile was added complete.
void ShowWirelessImportReport(IMessageBox &box, const WirelessImportReport &report);
