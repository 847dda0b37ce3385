#pragma once

#include "core/model/SettingsDocument.h"

enum class CheckMode {
    // Shows the first failure (catalogue text + three blanks, error icon) and stops there.
    ReportFirst,
    // Shows nothing and runs every check.
    SilentAll,
};

// The main window's two check sequences over its network-folder and wired values. Failing
// fields are emptied in either mode. True when everything passed.
bool ValidateNetworkFolder(CSettingsDocument &document, IMessageBox &box, CheckMode mode);
bool ValidateWiredLan(CSettingsDocument &document, IMessageBox &box, CheckMode mode);
