#pragma once

#include "core/model/NetworkSetting.h"
#include "i18n/MessageCatalog.h"

#include <QMap>
#include <QString>
#include <QVariantMap>

#include <optional>

// A connection as NetworkManager describes it: setting name -> property -> value, with the secrets
// merged in. D-Bus structures arrive here as plain values: byte arrays for "ay", QVariantList for
// arrays of arrays or of maps, QVariantMap for "a{sv}".
using NmConnectionSettings = QMap<QString, QVariantMap>;

// Why a network cannot become a profile of the reader.
enum class WifiImportRefusal {
    None,
    NotWireless,
    SsidNotText, // SSID bytes that are not UTF-8
    Enterprise, // 802.1X / EAP
    Wpa3Only, // SAE
    EnhancedOpen, // OWE
    UnknownSecurity,
    FailsChecks, // the property dialog's OK would refuse it; m_checkMessage says why
};

struct WifiImportResult
{
    WifiImportRefusal m_refusal = WifiImportRefusal::None;
    std::optional<MessageId> m_checkMessage;
    // The profile to add when m_refusal is None; also holds the SSID and the security a refused
    // network would have had, so that a list can show them.
    CNetworkSetting m_profile;
    // The network needs a key that was not handed over; the profile is complete otherwise.
    bool m_keyMissing = false;

    bool IsUsable() const { return m_refusal == WifiImportRefusal::None; }
};

// The message that says why `result` was refused.
MessageId WifiImportRefusalMessage(const WifiImportResult &result);

// One NetworkManager connection as a wireless profile, checked as the property dialog's OK would
// check it (a missing key excepted).
WifiImportResult MapNetworkManagerConnection(const NmConnectionSettings &settings);

// A "WIFI:" network code as found in QR codes.
struct WifiQrCode
{
    QString m_ssid;
    QString m_type; // as written: "WPA", "WEP", "nopass", "SAE", ...; empty when absent
    QString m_password;
    bool m_hidden = false;
};

enum class WifiQrParseStatus {
    Ok,
    NotWifiCode, // does not start with "WIFI:"
    Malformed, // a field without ':', a dangling escape, a missing or empty SSID
};

struct WifiQrParseResult
{
    WifiQrParseStatus m_status = WifiQrParseStatus::NotWifiCode;
    WifiQrCode m_code;
};

// Fields in any order, separated by ';', with '\' escaping the next character. Blanks around the
// whole text are ignored, so that a pasted line with its newline still reads.
WifiQrParseResult ParseWifiQrText(QStringView text);

// A network code as a profile: security by the same rules as an imported connection. The SSID is
// checked; the key is left to the property dialog, which the user still confirms.
WifiImportResult MapWifiQrCode(const WifiQrCode &code);

// The 26 hexadecimal digits of the WEP-104 key that a WEP passphrase stands for (MD5 over the
// passphrase repeated to 64 bytes, first 13 bytes).
QString WepPassphraseKey(const QString &passphrase);
