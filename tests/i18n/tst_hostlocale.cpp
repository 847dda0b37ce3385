#include "i18n/HostLocale.h"

#include <QTest>

class TestHostLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lcids_data()
    {
        QTest::addColumn<QByteArrayList>("environment");
        QTest::addColumn<quint32>("messagesLcid");
        QTest::addColumn<quint32>("localeLcid");
        // LANGUAGE, LC_ALL, LC_MESSAGES and LANG; empty: unset.
        const auto row
            = [](const char *rule, QByteArrayList environment, quint32 messages, quint32 locale) {
                  QTest::newRow(rule) << environment << messages << locale;
              };
        row("LC_ALL wins", { "", "de_DE", "fr_FR", "it_IT" }, 0x0407, 0x0407);
        row("then LC_MESSAGES", { "", "", "fr_FR", "it_IT" }, 0x040C, 0x040C);
        row("then LANG; the country decides", { "", "", "", "es_US" }, 0x540A, 0x540A);
        row("language only takes its main country", { "", "", "", "fr" }, 0x040C, 0x040C);
        row("nothing set is English (United States)", { "", "", "", "" }, 0x0409, 0x0409);
        // The code page of sealed secrets follows the locale alone, never LANGUAGE.
        row("LANGUAGE before LC_ALL, codeset dropped", { "ja", "de_AT.UTF-8", "", "" }, 0x0411,
            0x0C07);
        row("first entry wins", { "de:fr", "", "", "it_IT" }, 0x0407, 0x0410);
        row("language without a slot passed over", { "pt_BR:fr_FR", "", "", "it_IT" }, 0x040C,
            0x0410);
        row("English is a slot of its own", { "en_GB:de", "", "", "de_DE" }, 0x0809, 0x0407);
        row("no entry with a slot: locale decides", { "pt:eo", "", "", "nl_NL" }, 0x0413, 0x0413);
        row("C.UTF-8 ignores LANGUAGE", { "de", "", "", "C.UTF-8" }, 0x0409, 0x0409);
    }
    void lcids()
    {
        QFETCH(QByteArrayList, environment);
        const char *names[] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
        for (int i = 0; i < 4; ++i)
            environment[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], environment[i]);
        QTEST(UserMessagesLcid(), "messagesLcid");
        QTEST(UserDefaultLcid(), "localeLcid");
    }
};

QTEST_GUILESS_MAIN(TestHostLocale)
#include "tst_hostlocale.moc"
