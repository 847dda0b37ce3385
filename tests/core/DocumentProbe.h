#pragma once

#include "SettingsDocument.h"

#include <QString>
#include <QStringList>

// Reads a document out as "name=value" lines, so that tests can state what they expect in that
// form and a failure names the value that differs.
namespace DocumentProbe {

QString Dotted(const IpAddressField &address);
// Every field of a record on one line, for comparisons that show what differs.
QString ProfileText(const CNetworkSetting &record);

// Window-held values and every profile slot in use ("p0.ssid=...", "p0.key=...") in name order.
// With allSlots, the free slots and the staging record are described too.
QStringList Snapshot(const CSettingsDocument &document, bool allSlots = false);

// Compares `expectations` ("name=value" items separated by '|') with the document; returns the
// differences as readable lines, empty when everything matches.
QStringList Mismatches(const CSettingsDocument &document, QStringView expectations);

// Breaks of the rules every load must leave behind, whatever the file held: list items refer to
// slots 0..n-1 in order, every other slot is free, listed profiles pass the checks, the bound
// members were pushed, every address is complete or blank. Empty when all hold.
QStringList BrokenInvariants(const CSettingsDocument &document);

// A document whose every value differs from what a load produces, to show that a load replaces
// them all.
void Prefill(CSettingsDocument &document);

} // namespace DocumentProbe
