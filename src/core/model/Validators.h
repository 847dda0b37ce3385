#pragma once

#include "core/model/NetworkSetting.h"

#include <QString>
#include <QStringView>

// What a rule function says about a value. The rules show nothing; the caller picks the message.
enum class ValidationCode {
    ValidHexForm, // valid; for a key: hexadecimal form, or a security mode that needs no key
    Valid, // valid; for a key: character form
    BadLength,
    BadCharacter, // a character outside the allowed set
    DigitsOnly, // a device name of digits only
    HyphensOnly, // a device name of hyphens only
    OutOfRange, // port not 1..65535; IP address with first octet 127
    Missing, // a required value is empty
};

// The device's limits as small rule functions.

ValidationCode CheckKeyLength(QStringView key, int securityMode);
ValidationCode CheckLatin1Chars(QStringView text);
ValidationCode CheckHexChars(QStringView text);
ValidationCode CheckWirelessKey(const CNetworkSetting &setting);
ValidationCode CheckSsid(QStringView ssid);
ValidationCode CheckProxyAddress(const CNetworkSetting &setting);
ValidationCode CheckProxyPort(const CNetworkSetting &setting);
ValidationCode CheckIpAddress(const CNetworkSetting &setting);
ValidationCode CheckPrintableChars(QStringView text);
ValidationCode CheckDeviceName(QStringView name);
ValidationCode CheckUserId(QStringView userId);
// The network folder's values as the device takes them: BadLength for a device name outside
// 1..15 characters, a user ID outside 1..32 or a password above 32, else the character rule's
// code (CheckDeviceName, CheckUserId, CheckPrintableChars).
ValidationCode CheckFolderDeviceName(QStringView name);
ValidationCode CheckFolderUserId(QStringView userId);
ValidationCode CheckFolderPassword(QStringView password);

// The C library's leading-integer conversion of a text: leading white space, an optional sign,
// the digits up to the first other character; 0 when there are none; clamped to the long range.
long LeadingInteger(QStringView text);

// The valid forms of a network key for a security mode, in the current language; empty for a
// mode without a key.
QString KeyFormsText(int securityMode);
