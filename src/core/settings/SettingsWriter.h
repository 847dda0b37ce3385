#pragma once

#include "core/model/SettingsDocument.h"

class CProfileFile;

// Composes the network part of the document into `file`, in the order the reader device reads:
// the nine wired keys, the two switch keys, the fourteen keys of each profile in list order and
// the profile count. Takes the bound values and the wired controls first. Returns false when a
// value cannot be stored (a line break in a text, a secret too long to seal).
bool ComposeSettingsFile(CSettingsDocument &document, CProfileFile &file);

// Replaces the file at `path` with a freshly composed settings file, atomically: on any failure
// the old file stays as it was. Returns 1 when written, 0 when not.
int WriteSettingsFile(CSettingsDocument &document, const QString &path);

// Dotted decimal of a complete address, empty otherwise.
QString FormatIpAddress(const IpAddressField &address);
