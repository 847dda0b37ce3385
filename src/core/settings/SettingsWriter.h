#pragma once

#include "core/file/AtomicFile.h"
#include "core/model/SettingsDocument.h"

class CProfileFile;

// Composes the network part of the document into `file`, in the order the reader device reads:
// the nine wired keys, the two switch keys, the fourteen keys of each profile in list order and
// the profile count. Takes the bound values and the wired controls first. Returns false when a
// value cannot be stored (a line break in a text, a secret too long to seal).
bool ComposeSettingsFile(CSettingsDocument &document, CProfileFile &file);

// The profiles a settings file holds, in list order: the first MaxWirelessProfiles entries that
// name a slot.
QList<const CNetworkSetting *> WrittenProfiles(const CSettingsDocument &document);

// Replaces the file at `path` with a freshly composed settings file through CommitFileAtomically.
// The result says whether it was written, and if not, why; `written`, when given, receives the
// bytes composed for the file.
FileWriteResult WriteSettingsFile(CSettingsDocument &document, const QString &path,
                                  IFileSteps &steps = DefaultFileSteps(),
                                  QByteArray *written = nullptr);

// The detail under a failed write's message, in the user's language: what stood in the way and
// the system's reason. Empty for a success.
QString WriteFailureDetail(const FileWriteResult &result);

// Dotted decimal of a complete address, empty otherwise.
QString FormatIpAddress(const IpAddressField &address);
