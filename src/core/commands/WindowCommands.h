#pragma once

#include "core/model/SettingsDocument.h"

#include <QStringList>

// "Clear settings" of the wired page: blanks the five addresses, chooses "DHCP On", unticks
// "Use proxy" and empties both proxy edits, disabling what that choice disables. The wireless
// list, the wired record and the network folder stay as they are.
void ClearWiredSettings(CSettingsDocument &document);

// The "Use proxy" box was clicked: both proxy edits follow the box as it is now.
void ApplyUseProxyChoice(CSettingsDocument &document);

enum class CloseCommand { Ok, Cancel };

// However the window closes, the close sequence writes the state file first; the OK command then
// gathers once more.
void FinishSession(CSettingsDocument &document, CloseCommand command);

// Titles of the program's own dialogs and message boxes, in the order in which they are brought
// back in front of the main window; a window found later ends in front of one found earlier.
QStringList ForwardWindowTitles();
