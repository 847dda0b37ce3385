#include "core/model/Validators.h"

#include "i18n/MessageCatalog.h"

#include <limits>

namespace {

constexpr int MaxSsidLength = 32;
constexpr int MaxProxyAddressLength = 1023;
constexpr long MinPort = 1;
constexpr long MaxPort = 65535;

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
            return 0;
        if (length == 10 || length == 26)
            return 1;
        return -1;
    }
    if (securityMode >= SecurityModeWpaPskTkip && securityMode <= SecurityModeWpa2PskTkip) {
        if (length >= 8 && length <= 63)
            return 0;
        if (length == 64)
            return 1;
        return -1;
    }
    return 1;
}

ValidationCode CheckLatin1Chars(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 255)
            return -2;
    }
    return 0;
}

ValidationCode CheckHexChars(QStringView text)
{
    for (const QChar c : text) {
        if (!IsHexDigit(c.unicode()))
            return -2;
    }
    return 0;
}

ValidationCode CheckWirelessKey(const CNetworkSetting &setting)
{
    const int mode = setting.m_securityMode;
    if (mode < SecurityModeWep || mode > SecurityModeWpa2PskTkip)
        return 1;
    switch (CheckKeyLength(setting.m_networkKey, mode)) {
    case 0:
        return CheckLatin1Chars(setting.m_networkKey);
    case 1:
        return CheckHexChars(setting.m_networkKey) == -2 ? -2 : 1;
    default:
        return -1;
    }
}

ValidationCode CheckSsid(QStringView ssid)
{
    if (ssid.isEmpty() || ssid.size() > MaxSsidLength)
        return -1;
    return CheckLatin1Chars(ssid);
}

ValidationCode CheckProxyAddress(const CNetworkSetting &setting)
{
    const QString &address = setting.m_proxyAddress;
    if (address.isEmpty())
        return -6;
    if (CheckPrintableChars(address) != 0)
        return -2;
    if (address.size() > MaxProxyAddressLength)
        return -1;
    return 0;
}

ValidationCode CheckProxyPort(const CNetworkSetting &setting)
{
    const QString &port = setting.m_proxyPort;
    if (port.isEmpty())
        return -6;
    if (CheckPrintableChars(port) != 0)
        return -2;
    const long value = LeadingInteger(port);
    if (value < MinPort || value > MaxPort)
        return -5;
    return 0;
}

ValidationCode CheckIpAddress(const CNetworkSetting &setting)
{
    const IpAddressField &address = setting.m_ipAddress;
    if (address.m_filledParts == 0)
        return -6;
    // The loopback network cannot be the device's own address.
    if (address.m_octets[0] == 127)
        return -5;
    return 0;
}

ValidationCode CheckPrintableChars(QStringView text)
{
    for (const QChar c : text) {
        if (!IsPrintableLatin1(c.unicode()))
            return -2;
    }
    return 0;
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
            return -2;
    }
    if (name.isEmpty() || letter)
        return 0;
    if (hyphen)
        return digit ? 0 : -4;
    return -3;
}

ValidationCode CheckUserId(QStringView userId)
{
    for (const QChar qc : userId) {
        const char16_t c = qc.unicode();
        if (!IsDigit(c) && !IsAsciiLetter(c) && c != u'-' && c != u'_')
            return -2;
    }
    return 0;
}

QString KeyFormsText(int securityMode)
{
    if (securityMode == SecurityModeWep)
        return MessageText(Msg::WepKeyForms).toString();
    if (securityMode >= SecurityModeWpaPskTkip && securityMode <= SecurityModeWpa2PskTkip)
        return MessageText(Msg::WpaKeyForms).toString();
    return {};
}
