#pragma once

#include "core/model/SettingsDocument.h"

#include <functional>

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
    NoSettings, // text in which no section and key of the settings occurs; `file` holds it
};

// Reads and parses the file at `path` within the bounds above. `file` is empty unless the
// status is Loaded or NoSettings. `systemError` receives the system's reason for Unreadable.
SettingsFileStatus LoadSettingsProfile(
    const QString &path, CProfileFile &file, QString *systemError = nullptr);

// Whether any section and key the reader takes a value from occurs in `file`.
bool HoldsSettings(const CProfileFile &file);

// Why a file of this status is not loaded, in the current language; empty for Loaded.
QString RefusalText(SettingsFileStatus status, const QString &systemError = QString());

// Reports one failed value of a file: the catalogue text and the detail under it.
using LoadReport = std::function<void(MessageId text, const QString &detail)>;

// The network folder's values as the settings file and the state file both hold them in
// `section`, the sealed password opened; one that does not open is reported and left empty.
CNetFolderSetting ReadFolderValues(
    const CProfileFile &file, QStringView section, const LoadReport &report);
// Empties each folder value outside the device's limits, with a report. An empty device name
// or user ID passes; the caller decides what it means.
void CheckFolderValues(
    CNetFolderSetting &folder, QStringView section, const LoadReport &report);
// The folder values into the window-held controls, the password into both of its boxes.
void CopyFolderToControls(const CNetFolderSetting &folder, MainWindowControls &controls);

// Details of a load message, in the current language: where the value stands and, with
// `withValue`, the value itself (never pass a secret).
QString KeyDetail(QStringView section, QStringView key, bool withValue, QStringView value = {});
// Profile n (0-based; shown counted from 1) with its SSID as the file holds it.
QString ProfileDetail(int n, QStringView ssid);

// The checks and loading of ReadSettingsFile, on a file already parsed.
bool ReadSettingsProfile(CSettingsDocument &document, IMessageBox &box, const CProfileFile &file);
