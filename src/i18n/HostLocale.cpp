#include "i18n/HostLocale.h"

#include "i18n/MessageCatalog.h"

#include <QByteArrayList>
#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace {

constexpr quint32 EnglishUnitedStates = 0x0409;

struct LocaleLcid
{
    const char *name; // "ll" for the language's default, "ll_CC" for a country
    quint32 lcid;
};

// Sorted by name, for binary search.
constexpr LocaleLcid kLocaleTable[] = {
    { "af", 0x0436 }, { "af_ZA", 0x0436 }, { "ar", 0x0401 }, { "ar_AE", 0x3801 },
    { "ar_BH", 0x3C01 }, { "ar_DZ", 0x1401 }, { "ar_EG", 0x0C01 }, { "ar_IQ", 0x0801 },
    { "ar_JO", 0x2C01 }, { "ar_KW", 0x3401 }, { "ar_LB", 0x3001 }, { "ar_LY", 0x1001 },
    { "ar_MA", 0x1801 }, { "ar_OM", 0x2001 }, { "ar_QA", 0x4001 }, { "ar_SA", 0x0401 },
    { "ar_SY", 0x2801 }, { "ar_TN", 0x1C01 }, { "ar_YE", 0x2401 }, { "be", 0x0423 },
    { "be_BY", 0x0423 }, { "bg", 0x0402 }, { "bg_BG", 0x0402 }, { "ca", 0x0403 },
    { "ca_ES", 0x0403 }, { "cs", 0x0405 }, { "cs_CZ", 0x0405 }, { "cy", 0x0452 },
    { "cy_GB", 0x0452 }, { "da", 0x0406 }, { "da_DK", 0x0406 }, { "de", 0x0407 },
    { "de_AT", 0x0C07 }, { "de_CH", 0x0807 }, { "de_DE", 0x0407 }, { "de_LI", 0x1407 },
    { "de_LU", 0x1007 }, { "el", 0x0408 }, { "el_GR", 0x0408 }, { "en", 0x0409 },
    { "en_AU", 0x0C09 }, { "en_BZ", 0x2809 }, { "en_CA", 0x1009 }, { "en_GB", 0x0809 },
    { "en_IE", 0x1809 }, { "en_IN", 0x4009 }, { "en_JM", 0x2009 }, { "en_MY", 0x4409 },
    { "en_NZ", 0x1409 }, { "en_PH", 0x3409 }, { "en_SG", 0x4809 }, { "en_TT", 0x2C09 },
    { "en_US", 0x0409 }, { "en_ZA", 0x1C09 }, { "en_ZW", 0x3009 }, { "es", 0x0C0A },
    { "es_AR", 0x2C0A }, { "es_BO", 0x400A }, { "es_CL", 0x340A }, { "es_CO", 0x240A },
    { "es_CR", 0x140A }, { "es_DO", 0x1C0A }, { "es_EC", 0x300A }, { "es_ES", 0x0C0A },
    { "es_GT", 0x100A }, { "es_HN", 0x480A }, { "es_MX", 0x080A }, { "es_NI", 0x4C0A },
    { "es_PA", 0x180A }, { "es_PE", 0x280A }, { "es_PR", 0x500A }, { "es_PY", 0x3C0A },
    { "es_SV", 0x440A }, { "es_US", 0x540A }, { "es_UY", 0x380A }, { "es_VE", 0x200A },
    { "et", 0x0425 }, { "et_EE", 0x0425 }, { "eu", 0x042D }, { "eu_ES", 0x042D },
    { "fa", 0x0429 }, { "fa_IR", 0x0429 }, { "fi", 0x040B }, { "fi_FI", 0x040B },
    { "fo", 0x0438 }, { "fo_FO", 0x0438 }, { "fr", 0x040C }, { "fr_BE", 0x080C },
    { "fr_CA", 0x0C0C }, { "fr_CH", 0x100C }, { "fr_FR", 0x040C }, { "fr_LU", 0x140C },
    { "fr_MC", 0x180C }, { "ga", 0x083C }, { "ga_IE", 0x083C }, { "gl", 0x0456 },
    { "gl_ES", 0x0456 }, { "he", 0x040D }, { "he_IL", 0x040D }, { "hi", 0x0439 },
    { "hi_IN", 0x0439 }, { "hr", 0x041A }, { "hr_HR", 0x041A }, { "hu", 0x040E },
    { "hu_HU", 0x040E }, { "id", 0x0421 }, { "id_ID", 0x0421 }, { "is", 0x040F },
    { "is_IS", 0x040F }, { "it", 0x0410 }, { "it_CH", 0x0810 }, { "it_IT", 0x0410 },
    { "ja", 0x0411 }, { "ja_JP", 0x0411 }, { "kk", 0x043F }, { "kk_KZ", 0x043F },
    { "ko", 0x0412 }, { "ko_KR", 0x0412 }, { "lt", 0x0427 }, { "lt_LT", 0x0427 },
    { "lv", 0x0426 }, { "lv_LV", 0x0426 }, { "mk", 0x042F }, { "mk_MK", 0x042F },
    { "ms", 0x043E }, { "ms_MY", 0x043E }, { "nb", 0x0414 }, { "nb_NO", 0x0414 },
    { "nl", 0x0413 }, { "nl_BE", 0x0813 }, { "nl_NL", 0x0413 }, { "nn", 0x0814 },
    { "nn_NO", 0x0814 }, { "no", 0x0414 }, { "no_NO", 0x0414 }, { "pl", 0x0415 },
    { "pl_PL", 0x0415 }, { "pt", 0x0816 }, { "pt_BR", 0x0416 }, { "pt_PT", 0x0816 },
    { "ro", 0x0418 }, { "ro_RO", 0x0418 }, { "ru", 0x0419 }, { "ru_MD", 0x0819 },
    { "ru_RU", 0x0419 }, { "sk", 0x041B }, { "sk_SK", 0x041B }, { "sl", 0x0424 },
    { "sl_SI", 0x0424 }, { "sq", 0x041C }, { "sq_AL", 0x041C }, { "sr", 0x0C1A },
    { "sr_RS", 0x0C1A }, { "sv", 0x041D }, { "sv_FI", 0x081D }, { "sv_SE", 0x041D },
    { "th", 0x041E }, { "th_TH", 0x041E }, { "tr", 0x041F }, { "tr_TR", 0x041F },
    { "uk", 0x0422 }, { "uk_UA", 0x0422 }, { "vi", 0x042A }, { "vi_VN", 0x042A },
    { "zh", 0x0804 }, { "zh_CN", 0x0804 }, { "zh_HK", 0x0C04 }, { "zh_MO", 0x1404 },
    { "zh_SG", 0x1004 }, { "zh_TW", 0x0404 },
};

quint32 Lookup(QByteArrayView key)
{
    const auto *end = std::end(kLocaleTable);
    const auto *it = std::lower_bound(std::begin(kLocaleTable), end, key,
                                      [](const LocaleLcid &e, QByteArrayView k) {
                                          return QByteArrayView(e.name) < k;
                                      });
    if (it != end && QByteArrayView(it->name) == key)
        return it->lcid;
    return 0;
}

// The name without ".codeset" and "@modifier": "sr_RS.UTF-8@latin" -> "sr_RS".
QByteArrayView BaseName(QByteArrayView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == '.' || name[i] == '@')
            return name.first(i);
    }
    return name;
}

// 0 for a name whose language is not in the table.
quint32 KnownLcid(QByteArrayView name)
{
    QByteArray base = BaseName(name).toByteArray();
    base.replace('-', '_'); // "de-DE" as some desktops write it
    const qsizetype underscore = base.indexOf('_');
    QByteArray language = (underscore < 0 ? base : base.left(underscore)).toLower();
    QByteArray key = language;
    if (underscore >= 0)
        key += '_' + base.mid(underscore + 1).toUpper();

    if (const quint32 lcid = Lookup(key))
        return lcid;
    return Lookup(language);
}

bool IsEnglish(quint32 lcid)
{
    constexpr quint32 PrimaryLanguageMask = 0x3FF;
    constexpr quint32 LangEnglish = 0x09;
    return (lcid & PrimaryLanguageMask) == LangEnglish;
}

} // namespace

QByteArray UserLocaleName()
{
    for (const char *variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return QByteArrayLiteral("C");
}

quint32 LcidForLocaleName(QByteArrayView name)
{
    const quint32 lcid = KnownLcid(name);
    return lcid ? lcid : EnglishUnitedStates;
}

quint32 UserDefaultLcid()
{
    return LcidForLocaleName(UserLocaleName());
}

quint32 UserMessagesLcid()
{
    const QByteArray locale = UserLocaleName();
    const QByteArrayView base = BaseName(locale);
    if (base == "C" || base == "POSIX")
        return UserDefaultLcid();
    const QByteArray languages = qgetenv("LANGUAGE");
    for (const QByteArray &entry : languages.split(':')) {
        // English has slot 0 by its own right, not only as the fallback for a language without one.
        const quint32 lcid = entry.isEmpty() ? 0 : KnownLcid(entry);
        if (lcid && (IsEnglish(lcid) || LanguageSlotForLcid(lcid) != 0))
            return lcid;
    }
    return UserDefaultLcid();
}
