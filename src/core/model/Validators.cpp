#include "core/model/Validators.h"

#include "i18n/MessageCatalog.h"

#include <limits>

namespace {

constexpr int MaxSsidLength = 32;
constexpr int MaxProxyAddressLength = 1023;
constexpr long MinPort = 1;
constexpr long MaxPort = 65535;
constexpr qsizetype MaxDeviceNameLength = 15;
constexpr qsizetype MaxUserIdLength = 32;
constexpr qsizetype MaxFolderPasswordLength = 32;

bool IsPrintableLatin1(char16_t c)
{
    return (c >= 32 && c <= 126) || (c >= 160 && c <= 255);
}

bool IsHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The white space the C library's conversions skip in the "C" locale.
bool IsConversionSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

long LeadingInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && IsConversionSpace(text[i].unicode()))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate towards the sign so that the most negative value is reachable, and clamp
    // instead of wrapping: a wrapped value could land inside a valid range.
    constexpr long lowest = std::numeric_limits<long>::min();
    constexpr long highest = std::numeric_limits<long>::max();
    long value = 0;
    bool clamped = false;
    for (; i < size && IsDigit(text[i].unicode()); ++i) {
        if (clamped)
            continue;
        const long digit = long(text[i].unicode() - u'0');
        if (negative) {
            if (value < (lowest + digit) / 10) {
                value = lowest;
                clamped = true;
                continue;
            }
            value = value * 10 - digit;
        } else {
            if (value > (highest - digit) / 10) {
                value = highest;
                clamped = true;
                continue;
            }
            value = value * 10 + digit;
        }
    }
    return value;
}

ValidationCode CheckKeyLength(QStringView key, int securityMode)
{
    const qsizetype length = key.size();
    if (securityMode == SecurityModeWep) {
        if (length == 5 || length == 13)
            return ValidationCode::Valid;
        if (length == 10 || length == 26)
            return ValidationCode::ValidHexForm;
        return ValidationCode::BadLength;
    }
    if (securityMode >= SecurityModeWpaPskTkip && securityMode <= SecurityModeWpa2PskTkip) {
        if (length >= 8 && length <= 63)
            return ValidationCode::Valid;
        if (length == 64)
            return ValidationCode::ValidHexForm;
        return ValidationCode::BadLength;
    }
    return ValidationCode::ValidHexForm;
}

ValidationCode CheckLatin1Chars(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 255)
            return ValidationCode::BadCharacter;
    }
    return ValidationCode::Valid;
}

ValidationCode CheckHexChars(QStringView text)
{
    for (const QChar c : text) {
        if (!IsHexDigit(c.unicode()))
            return ValidationCode::BadCharacter;
    }
    return ValidationCode::Valid;
}

ValidationCode CheckWirelessKey(const CNetworkSetting &setting)
{
    const int mode = setting.m_securityMode;
    if (mode < SecurityModeWep || mode > SecurityModeWpa2PskTkip)
        return ValidationCode::ValidHexForm;
    switch (CheckKeyLength(setting.m_networkKey, mode)) {
    case ValidationCode::Valid:
        return CheckLatin1Chars(setting.m_networkKey);
    case ValidationCode::ValidHexForm:
        return CheckHexChars(setting.m_networkKey) == ValidationCode::BadCharacter
            ? ValidationCode::BadCharacter
            : ValidationCode::ValidHexForm;
    default:
        return ValidationCode::BadLength;
    }
}

ValidationCode CheckSsid(QStringView ssid)
{
    if (ssid.isEmpty() || ssid.size() > MaxSsidLength)
        return ValidationCode::BadLength;
    return CheckLatin1Chars(ssid);
}

ValidationCode CheckProxyAddress(const CNetworkSetting &setting)
{
    const QString &address = setting.m_proxyAddress;
    if (address.isEmpty())
        return ValidationCode::Missing;
    if (CheckPrintableChars(address) != ValidationCode::Valid)
        return ValidationCode::BadCharacter;
    if (address.size() > MaxProxyAddressLength)
        return ValidationCode::BadLength;
    return ValidationCode::Valid;
}

ValidationCode CheckProxyPort(const CNetworkSetting &setting)
{
    const QString &port = setting.m_proxyPort;
    if (port.isEmpty())
        return ValidationCode::Missing;
    if (CheckPrintableChars(port) != ValidationCode::Valid)
        return ValidationCode::BadCharacter;
    const long value = LeadingInteger(port);
    if (value < MinPort || value > MaxPort)
        return ValidationCode::OutOfRange;
    return ValidationCode::Valid;
}

ValidationCode CheckIpAddress(const CNetworkSetting &setting)
{
    const IpAddressField &address = setting.m_ipAddress;
    if (address.m_filledParts == 0)
        return ValidationCode::Missing;
    // The loopback network cannot be the device's own address.
    if (address.m_octets[0] == 127)
        return ValidationCode::OutOfRange;
    return ValidationCode::Valid;
}

ValidationCode CheckPrintableChars(QStringView text)
{
    for (const QChar c : text) {
        if (!IsPrintableLatin1(c.unicode()))
            return ValidationCode::BadCharacter;
    }
    return ValidationCode::Valid;
}

ValidationCode CheckDeviceName(QStringView name)
{
    bool digit = false;
    bool letter = false;
    bool hyphen = false;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (IsDigit(c))
            digit = true;
        else if (IsAsciiLetter(c))
            letter = true;
        else if (c == u'-')
            hyphen = true;
        else
            return ValidationCode::BadCharacter;
    }
    if (name.isEmpty() || letter)
        return ValidationCode::Valid;
    if (hyphen)
        return digit ? ValidationCode::Valid : ValidationCode::HyphensOnly;
    return ValidationCode::DigitsOnly;
}

ValidationCode CheckUserId(QStringView userId)
{
    for (const QChar qc : userId) {
        const char16_t c = qc.unicode();
        if (!IsDigit(c) && !IsAsciiLetter(c) && c != u'-' && c != u'_')
            return ValidationCode::BadCharacter;
    }
    return ValidationCode::Valid;
}

ValidationCode CheckFolderDeviceName(QStringView name)
{
    if (name.isEmpty() || name.size() > MaxDeviceNameLength)
        return ValidationCode::BadLength;
    return CheckDeviceName(name);
}

ValidationCode CheckFolderUserId(QStringView userId)
{
    if (userId.isEmpty() || userId.size() > MaxUserIdLength)
        return ValidationCode::BadLength;
    return CheckUserId(userId);
}

ValidationCode CheckFolderPassword(QStringView password)
{
    if (password.size() > MaxFolderPasswordLength)
        return ValidationCode::BadLength;
    return CheckPrintableChars(password);
}

QString KeyFormsText(int securityMode)
{
    if (securityMode == SecurityModeWep)
        return MessageText(Msg::WepKeyForms).toString();
    if (securityMode >= SecurityModeWpaPskTkip && securityMode <= SecurityModeWpa2PskTkip)
        return MessageText(Msg::WpaKeyForms).toString();
    return {};
}
