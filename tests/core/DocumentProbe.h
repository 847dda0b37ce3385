#pragma once

#include "core/model/SettingsDocument.h"

#include <QString>
#include <QStringList>

// A document as "name=value" lines, so that a failure names the value that differs.
namespace DocumentProbe {

QString Dotted(const IpAddressField &address);
// Every field of a record on one line.
QString ProfileText(const CNetworkSetting &record);
// The fields of a record that differ from a new profile's, as "name=value" in name order.
QStringList ChangedFields(const CNetworkSetting &record);

// Window-held values and every profile slot in use ("p0.ssid=...", "p0.key=...") in name order.
// With allSlots, the free slots and the staging record are described too.
QStringList Snapshot(const CSettingsDocument &document, bool allSlots = false);

// The items of `expectations` ("name=value", separated by '|') that the document does not hold,
// each with what it holds instead; empty when everything matches.
QStringList Mismatches(const CSettingsDocument &document, QStringView expectations);

// Every value differs from what a load produces, to show that a load replaces them all.
void Prefill(CSettingsDocument &document);

} // namespace DocumentProbe
