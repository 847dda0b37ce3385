#pragma once

#include "SettingsDocument.h"

// Files larger than this are refused as a whole: no real settings file comes near it.
inline constexpr qint64 MaxSettingsFileSize = 4 * 1024 * 1024;

// Loads a settings file into the document and its window-held values, checking every value.
// Each failure is reported at once through `box` (caption "Load settings", error icon) and
// loading goes on. Returns 1 when everything loaded cleanly, 0 when anything failed.
// A missing file reads as an empty one.
int ReadSettingsFile(CSettingsDocument &document, IMessageBox &box, const QString &path);

// Dotted-quad text to an address: 1 when accepted (address complete), -1 when rejected
// (address blank).
int ParseIpAddress(QStringView text, IpAddressField &address);
