#include "i18n/HostLocale.h"

#include <QTest>

class TestHostLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lcids_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArrayList>("lcAllMessagesLang");
        QTest::addColumn<quint32>("messagesLcid");
        QTest::addColumn<quint32>("localeLcid");
        // LANGUAGE (null: unset), then LC_ALL, LC_MESSAGES and LANG.
        const auto row = [](const char *rule, const char *language, QByteArrayList env,
                             quint32 messages, quint32 locale) {
            QTest::newRow(rule) << QByteArray(language) << env << messages << locale;
        };
        row("LC_ALL wins", nullptr, { "de_DE", "fr_FR", "it_IT" }, 0x0407, 0x0407);
        row("then LC_MESSAGES", nullptr, { "", "fr_FR", "it_IT" }, 0x040C, 0x040C);
        row("then LANG; the country decides", nullptr, { "", "", "es_US" }, 0x540A, 0x540A);
        row("codeset dropped", nullptr, { "", "", "zh_TW.UTF-8" }, 0x0404, 0x0404);
        row("language only takes its main country", nullptr, { "", "", "fr" }, 0x040C, 0x040C);
        row("nothing set is English (United States)", nullptr, { "", "", "" }, 0x0409, 0x0409);
        // The code page of sealed secrets follows the locale alone, never LANGUAGE.
        row("LANGUAGE before LC_ALL", "ja", { "de_DE.UTF-8", "", "" }, 0x0411, 0x0407);
        row("first entry wins", "de:fr", { "", "", "it_IT" }, 0x0407, 0x0410);
        row("language without a slot skipped", "pt_BR:fr_FR", { "", "", "it_IT" }, 0x040C, 0x0410);
        row("English is a slot of its own", "en_GB:de", { "", "", "de_DE" }, 0x0809, 0x0407);
        row("no entry with a slot: locale decides", "pt:eo", { "", "", "nl_NL" }, 0x0413, 0x0413);
        row("C locale ignores LANGUAGE", "de", { "C", "", "fr_FR" }, 0x0409, 0x0409);
        row("C.UTF-8 ignores LANGUAGE", "de", { "", "", "C.UTF-8" }, 0x0409, 0x0409);
    }
    void lcids()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArrayList, lcAllMessagesLang);
        const char *names[] = { "LC_ALL", "LC_MESSAGES", "LANG" };
        for (int i = 0; i < 3; ++i) {
            if (lcAllMessagesLang[i].isEmpty())
                qunsetenv(names[i]);
            else
                qputenv(names[i], lcAllMessagesLang[i]);
        }
        if (language.isNull())
            qunsetenv("LANGUAGE");
        else
            qputenv("LANGUAGE", language);
        QTEST(UserMessagesLcid(), "messagesLcid");
        QTEST(UserDefaultLcid(), "localeLcid");
    }
};

QTEST_GUILESS_MAIN(TestHostLocale)
#include "tst_hostlocale.moc"
