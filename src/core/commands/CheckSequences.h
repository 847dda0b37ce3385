#pragma once

#include "core/model/SettingsDocument.h"

// The main window's two check sequences over its network-folder and wired values. With
// showMessages each failure is shown (catalogue text + three blanks, error icon); with
// stopAtFirst the sequence returns 0 at the first failure. Failing fields are emptied either
// way. Return 1 when everything passed, 0 otherwise.
int ValidateNetworkFolder(CSettingsDocument &document, IMessageBox &box, bool showMessages,
                          bool stopAtFirst);
int ValidateWiredLan(CSettingsDocument &document, IMessageBox &box, bool showMessages,
                     bool stopAtFirst);
