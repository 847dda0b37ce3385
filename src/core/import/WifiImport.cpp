#include "core/import/WifiImport.h"

#include "core/cipher/Libcrypto.h"
#include "core/commands/WifiProperty.h"
#include "core/model/Validators.h"

#include <QSet>
#include <QStringDecoder>
#include <QtEndian>


#include <array>

using namespace Qt::StringLiterals;

namespace {

// NetworkManager's WEP key types.
constexpr uint WepKeyTypeKey = 1;
constexpr uint WepKeyTypePassphrase = 2;

struct Ipv4Config
{
    bool m_manual = false;
    IpAddressField m_address;
    int m_prefix = -1;
    IpAddressField m_gateway;
    QList<IpAddressField> m_dns;
};

// Strict dotted quad: four decimal parts of 1..3 digits, each 0..255.
IpAddressField ParseDottedQuad(const QString &text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return {};
    IpAddressField address;
    for (int i = 0; i < 4; ++i) {
        const QString &part = parts.at(i);
        if (part.isEmpty() || part.size() > 3)
            return {};
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return {};
        }
        const int value = part.toInt();
        if (value > 255)
            return {};
        address.m_octets[size_t(i)] = std::uint8_t(value);
    }
    address.m_filledParts = 4;
    return address;
}

// NetworkManager's legacy "au" addresses are in network byte order.
IpAddressField FromNetworkOrder(quint32 value)
{
    const quint32 host = qFromBigEndian(value);
    return IpAddressField::Complete(std::uint8_t(host >> 24), std::uint8_t(host >> 16),
        std::uint8_t(host >> 8), std::uint8_t(host));
}

IpAddressField PrefixMask(int prefix)
{
    const quint32 mask = prefix <= 0 ? 0 : prefix >= 32 ? 0xffffffffu : ~(0xffffffffu >> prefix);
    return IpAddressField::Complete(std::uint8_t(mask >> 24), std::uint8_t(mask >> 16),
        std::uint8_t(mask >> 8), std::uint8_t(mask));
}

Ipv4Config ReadIpv4(const QVariantMap &ipv4)
{
    Ipv4Config config;
    config.m_manual = ipv4.value(u"method"_s).toString() == u"manual";
    if (!config.m_manual)
        return config;

    const QVariantList addressData = ipv4.value(u"address-data"_s).toList();
    const QVariantList legacy = ipv4.value(u"addresses"_s).toList();
    if (!addressData.isEmpty()) {
        const QVariantMap first = addressData.front().toMap();
        config.m_address = ParseDottedQuad(first.value(u"address"_s).toString());
        bool ok = false;
        const uint prefix = first.value(u"prefix"_s).toUInt(&ok);
        config.m_prefix = ok && prefix <= 32 ? int(prefix) : -1;
    } else if (!legacy.isEmpty()) {
        // [address, prefix, gateway]
        const QVariantList first = legacy.front().toList();
        if (first.size() >= 2) {
            config.m_address = FromNetworkOrder(first.at(0).toUInt());
            const uint prefix = first.at(1).toUInt();
            config.m_prefix = prefix <= 32 ? int(prefix) : -1;
        }
        if (first.size() >= 3 && first.at(2).toUInt() != 0)
            config.m_gateway = FromNetworkOrder(first.at(2).toUInt());
    }

    const QString gateway = ipv4.value(u"gateway"_s).toString();
    if (!gateway.isEmpty())
        config.m_gateway = ParseDottedQuad(gateway);

    const QVariantList dnsData = ipv4.value(u"dns-data"_s).toList();
    if (!dnsData.isEmpty()) {
        for (const QVariant &server : dnsData) {
            const IpAddressField address = ParseDottedQuad(server.toString());
            if (address.IsComplete())
                config.m_dns.append(address);
        }
    } else {
        for (const QVariant &server : ipv4.value(u"dns"_s).toList())
            config.m_dns.append(FromNetworkOrder(server.toUInt()));
    }
    return config;
}

bool IsWepKeyForm(const QString &key)
{
    const qsizetype length = key.size();
    if (length == 5 || length == 13)
        return true;
    return (length == 10 || length == 26) && CheckHexChars(key) == ValidationCode::Valid;
}

void SetWpaMode(CNetworkSetting &profile, const QVariantMap &security)
{
    const QStringList proto = security.value(u"proto"_s).toStringList();
    const QStringList pairwise = security.value(u"pairwise"_s).toStringList();
    // Where both are allowed, or nothing is said, WPA2 and AES are the choice that works with
    // every access point that offers them and is the stronger one.
    const bool wpaOnly = proto.contains(u"wpa"_s) && !proto.contains(u"rsn"_s);
    const bool tkipOnly = pairwise.contains(u"tkip"_s) && !pairwise.contains(u"ccmp"_s);
    if (wpaOnly)
        profile.m_securityMode = tkipOnly ? SecurityModeWpaPskTkip : SecurityModeWpaPskAes;
    else
        profile.m_securityMode = tkipOnly ? SecurityModeWpa2PskTkip : SecurityModeWpa2PskAes;
}

// The key the reader should use for WEP key 0, by NetworkManager's key type.
QString WepKey(const QVariantMap &security)
{
    const QString key = security.value(u"wep-key0"_s).toString();
    if (key.isEmpty())
        return key;
    const uint type = security.value(u"wep-key-type"_s).toUInt();
    if (type == WepKeyTypePassphrase || (type != WepKeyTypeKey && !IsWepKeyForm(key)))
        return WepPassphraseKey(key);
    return key;
}

// Runs the property dialog's OK checks on the profile; a key that was not handed over is the
// user's to type, so its checks are left out.
std::optional<MessageId> FirstCheckFailure(const CNetworkSetting &profile, bool keyMissing)
{
    CWifiPropertyEditor editor;
    editor.m_profile = profile;
    editor.Open();
    for (const WifiPropertyFailure &failure : WifiPropertyFailures(editor.m_values)) {
        const bool keyField = failure.m_field == WifiPropertyField::NetworkKey
            || failure.m_field == WifiPropertyField::KeyConfirm;
        if (keyMissing && keyField)
            continue;
        return failure.m_message;
    }
    return std::nullopt;
}

// A refused network keeps no key.
WifiImportResult Refused(WifiImportResult result, WifiImportRefusal refusal)
{
    result.m_refusal = refusal;
    result.m_profile.m_networkKey.clear();
    return result;
}

bool KeyMissing(const CNetworkSetting &profile)
{
    return profile.m_securityMode != SecurityModeNone && profile.m_networkKey.isEmpty();
}

// Both sources end alike: a profile that fails a check is refused with the first failure.
WifiImportResult Checked(WifiImportResult result, std::optional<MessageId> failure)
{
    result.m_checkMessage = failure;
    if (failure)
        return Refused(std::move(result), WifiImportRefusal::FailsChecks);
    return result;
}

} // namespace

QString WepPassphraseKey(const QString &passphrase)
{
    const QByteArray bytes = passphrase.toLatin1();
    if (bytes.isEmpty())
        return {};
    std::array<char, 64> buffer {};
    for (size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = bytes.at(qsizetype(i) % bytes.size());
    const Libcrypto *crypto = OpenLibcrypto();
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest {};
    unsigned int digestLength = 0;
    if (!crypto
        || crypto->m_digest(
               buffer.data(), buffer.size(), digest.data(), &digestLength, crypto->m_md5(), nullptr)
            != 1
        || digestLength < 13)
        return {};
    const QByteArray key(reinterpret_cast<const char *>(digest.data()), 13);
    return QString::fromLatin1(key.toHex().toUpper());
}

MessageId WifiImportRefusalMessage(const WifiImportResult &result)
{
    switch (result.m_refusal) {
    case WifiImportRefusal::NotWireless:
        return Msg::ImportNotWireless;
    case WifiImportRefusal::SsidNotText:
        return Msg::ImportSsidNotText;
    case WifiImportRefusal::Enterprise:
        return Msg::ImportEnterpriseSecurity;
    case WifiImportRefusal::Wpa3Only:
        return Msg::ImportWpa3Security;
    case WifiImportRefusal::EnhancedOpen:
        return Msg::ImportEnhancedOpenSecurity;
    case WifiImportRefusal::UnknownSecurity:
        return Msg::ImportUnknownSecurity;
    case WifiImportRefusal::FailsChecks:
        return result.m_checkMessage.value_or(Msg::ConfirmSetting);
    case WifiImportRefusal::None:
        break;
    }
    return Msg::ConfirmSetting;
}

WifiImportResult MapNetworkManagerConnection(const NmConnectionSettings &settings)
{
    WifiImportResult result;
    CNetworkSetting &profile = result.m_profile;
    const QVariantMap connection = settings.value(u"connection"_s);
    if (connection.value(u"type"_s).toString() != u"802-11-wireless"
        || !settings.contains(u"802-11-wireless"_s)) {
        return Refused(std::move(result), WifiImportRefusal::NotWireless);
    }

    const QVariantMap wireless = settings.value(u"802-11-wireless"_s);
    const QByteArray ssid = wireless.value(u"ssid"_s).toByteArray();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    profile.m_ssid = utf8.decode(ssid);
    if (utf8.hasError()) {
        profile.m_ssid = connection.value(u"id"_s).toString();
        return Refused(std::move(result), WifiImportRefusal::SsidNotText);
    }
    profile.m_stealthSsid = wireless.value(u"hidden"_s).toBool() ? 1 : 0;

    if (settings.contains(u"802-11-wireless-security"_s)) {
        const QVariantMap security = settings.value(u"802-11-wireless-security"_s);
        const QString keyManagement = security.value(u"key-mgmt"_s).toString();
        if (keyManagement == u"none") {
            // Static WEP: without a security setting the network is open.
            profile.m_securityMode = SecurityModeWep;
            profile.m_networkKey = WepKey(security);
        } else if (keyManagement == u"wpa-psk") {
            SetWpaMode(profile, security);
            profile.m_networkKey = security.value(u"psk"_s).toString();
        } else if (keyManagement == u"sae") {
            return Refused(std::move(result), WifiImportRefusal::Wpa3Only);
        } else if (keyManagement == u"owe") {
            return Refused(std::move(result), WifiImportRefusal::EnhancedOpen);
        } else if (keyManagement == u"ieee8021x" || keyManagement.startsWith(u"wpa-eap")) {
            return Refused(std::move(result), WifiImportRefusal::Enterprise);
        } else {
            return Refused(std::move(result), WifiImportRefusal::UnknownSecurity);
        }
    }
    result.m_keyMissing = KeyMissing(profile);

    const Ipv4Config ipv4 = ReadIpv4(settings.value(u"ipv4"_s));
    if (ipv4.m_manual) {
        profile.m_dhcp = 0;
        profile.m_ipAddress = ipv4.m_address;
        if (ipv4.m_prefix >= 0)
            profile.m_subnetMask = PrefixMask(ipv4.m_prefix);
        profile.m_defaultGateway = ipv4.m_gateway;
        if (!ipv4.m_dns.isEmpty())
            profile.m_dns = ipv4.m_dns.at(0);
        if (ipv4.m_dns.size() > 1)
            profile.m_secondaryDns = ipv4.m_dns.at(1);
    }

    const std::optional<MessageId> failure = FirstCheckFailure(profile, result.m_keyMissing);
    return Checked(std::move(result), failure);
}

WifiQrParseResult ParseWifiQrText(QStringView text)
{
    WifiQrParseResult result;
    const QStringView trimmed = text.trimmed();
    constexpr QStringView prefix = u"WIFI:";
    if (!trimmed.startsWith(prefix, Qt::CaseInsensitive))
        return result;
    result.m_status = WifiQrParseStatus::Malformed;

    // Splits at unescaped ';' and removes the escapes. A field remembers where its first
    // unescaped ':' was, since an escaped one belongs to the value.
    struct Field
    {
        QString m_name;
        QString m_value;
    };
    QList<Field> fields;
    Field current;
    bool inName = true;
    bool quoted = false; // the value began with an unescaped '"'
    bool closedQuote = false;
    const auto finish = [&]() -> bool {
        if (inName) {
            // An empty field (";;" at the end) is allowed; a name without ':' is not.
            if (!current.m_name.isEmpty())
                return false;
        } else {
            if (quoted && !closedQuote)
                return false;
            fields.append(current);
        }
        current = Field();
        inName = true;
        quoted = false;
        closedQuote = false;
        return true;
    };
    for (qsizetype i = prefix.size(); i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c == u'\\') {
            if (++i == trimmed.size())
                return result;
            (inName ? current.m_name : current.m_value).append(trimmed.at(i));
            continue;
        }
        if (c == u';') {
            if (!finish())
                return result;
            continue;
        }
        if (inName) {
            if (c == u':')
                inName = false;
            else
                current.m_name.append(c);
            continue;
        }
        // Some generators quote a value that could be read as hexadecimal: S:"1234";
        if (c == u'"' && current.m_value.isEmpty() && !quoted) {
            quoted = true;
            continue;
        }
        if (c == u'"' && quoted && !closedQuote) {
            closedQuote = true;
            continue;
        }
        if (closedQuote)
            return result;
        current.m_value.append(c);
    }
    if (!finish())
        return result;

    bool haveSsid = false;
    QSet<QString> seen;
    for (const Field &field : fields) {
        const QString name = field.m_name.trimmed().toUpper();
        if (seen.contains(name))
            continue;
        seen.insert(name);
        if (name == u"S") {
            result.m_code.m_ssid = field.m_value;
            haveSsid = true;
        } else if (name == u"T") {
            result.m_code.m_type = field.m_value;
        } else if (name == u"P") {
            result.m_code.m_password = field.m_value;
        } else if (name == u"H") {
            result.m_code.m_hidden = field.m_value.compare(u"true"_s, Qt::CaseInsensitive) == 0;
        }
    }
    if (!haveSsid || result.m_code.m_ssid.isEmpty())
        return result;
    result.m_status = WifiQrParseStatus::Ok;
    return result;
}

WifiImportResult MapWifiQrCode(const WifiQrCode &code)
{
    WifiImportResult result;
    CNetworkSetting &profile = result.m_profile;
    profile.m_ssid = code.m_ssid;
    profile.m_stealthSsid = code.m_hidden ? 1 : 0;
    const QString type = code.m_type.toUpper();
    if (type.isEmpty() || type == u"NOPASS") {
        profile.m_securityMode = SecurityModeNone;
    } else if (type == u"WEP") {
        profile.m_securityMode = SecurityModeWep;
        profile.m_networkKey = code.m_password;
    } else if (type == u"WPA" || type == u"WPA2") {
        // The code does not say which protocol or cipher; the same choice as for a connection
        // that allows both.
        profile.m_securityMode = SecurityModeWpa2PskAes;
        profile.m_networkKey = code.m_password;
    } else if (type == u"SAE" || type == u"WPA3") {
        return Refused(std::move(result), WifiImportRefusal::Wpa3Only);
    } else if (type.contains(u"EAP"_s)) {
        return Refused(std::move(result), WifiImportRefusal::Enterprise);
    } else {
        return Refused(std::move(result), WifiImportRefusal::UnknownSecurity);
    }
    result.m_keyMissing = KeyMissing(profile);

    switch (CheckSsid(profile.m_ssid)) {
    case ValidationCode::Valid:
        return result;
    case ValidationCode::BadCharacter:
        return Checked(std::move(result), Msg::SsidCharacters);
    default:
        return Checked(std::move(result), Msg::SsidLength);
    }
}
