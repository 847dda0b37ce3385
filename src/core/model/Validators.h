#pragma once

#include "core/model/NetworkSetting.h"

#include <QString>
#include <QStringView>

// The device's limits as small rule functions. Each returns a ValidationCode and shows nothing:
//   1  valid; for a key: hexadecimal form, or a security mode that needs no key
//   0  valid; for a key: character form
//  -1  length out of range
//  -2  a character outside the allowed set
//  -3  device name of digits only
//  -4  device name of hyphens only
//  -5  value out of range (port not 1..65535; IP address with first octet 127)
//  -6  required value missing
using ValidationCode = int;

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

// The C library's leading-integer conversion of a text: leading white space, an optional sign,
// the digits up to the first other character; 0 when there are none; clamped to the long range.
long LeadingInteger(QStringView text);

// The valid forms of a network key for a security mode, in the current language; empty for a
// mode without a key.
QString KeyFormsText(int securityMode);
