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

// The rule the reader applies to the wired IP address, applied before it is written, so that
// no file we write carries an address its own load refuses: an address in the loopback network
// is refused. With DHCP on the address is not in use and is blanked without a message; with
// DHCP off it is reported and the window is asked to focus it. True when the address can be
// written as it stands. The close sequence blanks either way.
enum class LoopbackAddressChoice { Report, Blank };
bool ValidateWiredIpAddress(
    CSettingsDocument &document, IMessageBox &box, LoopbackAddressChoice choice);
