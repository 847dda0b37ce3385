#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The user's locale as the C library sees it (LC_ALL, then LC_MESSAGES, then LANG), and the Windows
// locale identifier that a Windows host would report for the same language and country. The code
// page of sealed secrets is derived from this answer; the language of the texts may be overridden
// by LANGUAGE, as in every other program of the desktop.

// Locale name as set in the environment, e.g. "de_DE.UTF-8"; "C" when nothing is set.
QByteArray UserLocaleName();

// Windows LCID for a POSIX locale name ("es_ES", "nb_NO.UTF-8", "zh_TW@variant"). A language
// without a country takes the language's primary country; C, POSIX and unknown names give
// English (United States), 0x0409.
quint32 LcidForLocaleName(QByteArrayView name);

// LcidForLocaleName(UserLocaleName()).
quint32 UserDefaultLcid();

// The language the texts are shown in: the first entry of LANGUAGE (a colon-separated list of
// locale names) whose language has a slot in the catalogue, unless the locale is C or POSIX
// (the untranslated output scripts ask for); otherwise UserDefaultLcid().
quint32 UserMessagesLcid();
