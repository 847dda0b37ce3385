#pragma once

#include "core/model/SettingsDocument.h"

class CProfileFile;

// Files larger than this are refused as a whole: no real settings file comes near it.
inline constexpr qint64 MaxSettingsFileSize = 4 * 1024 * 1024;

// Loads a settings file into the document and its window-held values, checking every value.
// Each failure is reported at once through `box` (caption "Load settings", error icon) and
// loading goes on. True when everything loaded cleanly, false when anything failed.
// A missing file reads as an empty one. A file that cannot be taken as a settings file at all
// (see SettingsFileStatus) gives false with no message and leaves the document untouched.
bool ReadSettingsFile(CSettingsDocument &document, IMessageBox &box, const QString &path);

// Dotted-quad text to an address: true when accepted (address complete), false when rejected
// (address blank). The empty text is accepted as a blank address; the reader never passes it.
bool ParseIpAddress(QStringView text, IpAddressField &address);

enum class SettingsFileStatus {
    Loaded, // the file was read and parsed
    Missing, // no file: reads as one without keys
    NotRegularFile, // a directory, device, FIFO or socket
    TooLarge, // above MaxSettingsFileSize
    NotText, // holds NUL characters: binary data, or UTF-16 without a byte-order mark
    Unreadable, // exists but cannot be opened or read
};

// Reads and parses the file at `path` within the bounds above. `file` is empty unless the
// status is Loaded. `systemError` receives the system's reason for Unreadable.
SettingsFileStatus LoadSettingsProfile(
    const QString &path, CProfileFile &file, QString *systemError = nullptr);

// The checks and loading of ReadSettingsFile, on a file already parsed.
bool ReadSettingsProfile(CSettingsDocument &document, IMessageBox &box, const CProfileFile &file);
