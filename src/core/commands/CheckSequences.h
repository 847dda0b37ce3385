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

// The rule the reader applies to the wired IP address, applied before it is written, so that
// no file we write carries an address its own load refuses: an address in the loopback network
// is refused. With DHCP on the address is not in use and is blanked without a message; with
// DHCP off it is reported (with showMessages) and the window is asked to focus it. Returns 1
// when the address can be written as it stands, 0 otherwise. The close sequence blanks either
// way.
enum class LoopbackAddressChoice { Report, Blank };
int ValidateWiredIpAddress(
    CSettingsDocument &document, IMessageBox &box, LoopbackAddressChoice choice);
