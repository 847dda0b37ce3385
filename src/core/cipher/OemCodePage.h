#pragma once

#include <QByteArray>
#include <QString>

// Secrets are sealed as bytes of the code page that a Windows host uses as its OEM code page, since
// that is what the reader device opens them into. This layer picks that code page for the user's
// locale and converts to and from it.

// 437 for English (United States) and every locale without a code page of its own; 850 for
// Western Europe, 852 Central Europe, 866 Cyrillic, 932 Japanese, 936 Chinese (PRC, Singapore),
// 950 Chinese (Taiwan, Hong Kong, Macao), and so on.
unsigned OemCodePageForLcid(quint32 lcid);

// The code page for this process: OemCodePageForLcid(UserDefaultLcid()), fixed at first use.
unsigned UserOemCodePage();
// Replaces the process's code page, for tests; 0 goes back to the user's locale.
void SetUserOemCodePage(unsigned codePage);

// A character the code page lacks becomes its base letter when it has one ('ą' -> 'a' in 437),
// otherwise '?', as Windows' best-fit conversion does.
QByteArray ToOemBytes(QStringView text, unsigned codePage);
// Bytes that do not form a character of the code page become '?'.
QString FromOemBytes(QByteArrayView bytes, unsigned codePage);
