#include "i18n/HostLocale.h"

#include <QTest>

class TestHostLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userDefaultLcid_data()
    {
        QTest::addColumn<QByteArrayList>("lcAllMessagesLang");
        QTest::addColumn<quint32>("lcid");
        using Env = QByteArrayList;
        QTest::newRow("LC_ALL wins") << Env { "de_DE", "fr_FR", "it_IT" } << 0x0407u;
        QTest::newRow("then LC_MESSAGES") << Env { "", "fr_FR", "it_IT" } << 0x040Cu;
        QTest::newRow("then LANG; the country decides") << Env { "", "", "es_US" } << 0x540Au;
        QTest::newRow("codeset dropped") << Env { "", "", "zh_TW.UTF-8" } << 0x0404u;
        QTest::newRow("modifier dropped") << Env { "", "", "it_CH@euro" } << 0x0810u;
        QTest::newRow("language only takes its main country") << Env { "", "", "fr" } << 0x040Cu;
        QTest::newRow("unknown country keeps the language") << Env { "", "", "de_XX" } << 0x0407u;
        QTest::newRow("nothing set is English (United States)") << Env { "", "", "" } << 0x0409u;
    }
    void userDefaultLcid()
    {
        QFETCH(QByteArrayList, lcAllMessagesLang);
        QFETCH(quint32, lcid);
        const char *names[] = { "LC_ALL", "LC_MESSAGES", "LANG" };
        for (int i = 0; i < 3; ++i) {
            if (lcAllMessagesLang[i].isEmpty())
                qunsetenv(names[i]);
            else
                qputenv(names[i], lcAllMessagesLang[i]);
        }
        QCOMPARE(UserDefaultLcid(), lcid);
    }

    void userMessagesLcid_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArrayList>("lcAllMessagesLang");
        QTest::addColumn<quint32>("messagesLcid");
        QTest::addColumn<quint32>("localeLcid");
        using Env = QByteArrayList;
        QTest::newRow("LANGUAGE before LC_ALL")
            << QByteArray("ja") << Env { "de_DE.UTF-8", "", "" } << 0x0411u << 0x0407u;
        QTest::newRow("first entry wins")
            << QByteArray("de:fr") << Env { "", "", "it_IT" } << 0x0407u << 0x0410u;
        QTest::newRow("language without a slot skipped")
            << QByteArray("pt_BR:fr_FR") << Env { "", "", "it_IT" } << 0x040Cu << 0x0410u;
        QTest::newRow("unknown language skipped")
            << QByteArray("eo:sv") << Env { "", "", "de_DE" } << 0x041Du << 0x0407u;
        QTest::newRow("English is a slot of its own")
            << QByteArray("en_GB:de") << Env { "", "", "de_DE" } << 0x0809u << 0x0407u;
        QTest::newRow("empty entries skipped")
            << QByteArray("::nb") << Env { "", "", "de_DE" } << 0x0414u << 0x0407u;
        QTest::newRow("entry with codeset and country")
            << QByteArray("zh_TW.UTF-8") << Env { "", "en_US", "" } << 0x0404u << 0x0409u;
        QTest::newRow("no entry with a slot: the locale decides")
            << QByteArray("pt:eo") << Env { "", "", "nl_NL" } << 0x0413u << 0x0413u;
        QTest::newRow("empty LANGUAGE: the locale decides")
            << QByteArray() << Env { "", "", "fi_FI" } << 0x040Bu << 0x040Bu;
        QTest::newRow("C locale ignores LANGUAGE")
            << QByteArray("de") << Env { "C", "", "fr_FR" } << 0x0409u << 0x0409u;
        QTest::newRow("POSIX locale ignores LANGUAGE")
            << QByteArray("de") << Env { "", "POSIX", "fr_FR" } << 0x0409u << 0x0409u;
        QTest::newRow("C.UTF-8 ignores LANGUAGE")
            << QByteArray("de") << Env { "", "", "C.UTF-8" } << 0x0409u << 0x0409u;
        QTest::newRow("no locale at all ignores LANGUAGE")
            << QByteArray("de") << Env { "", "", "" } << 0x0409u << 0x0409u;
    }
    void userMessagesLcid()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArrayList, lcAllMessagesLang);
        QFETCH(quint32, messagesLcid);
        QFETCH(quint32, localeLcid);
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
        QCOMPARE(UserMessagesLcid(), messagesLcid);
        // The code page of sealed secrets follows the locale alone.
        QCOMPARE(UserDefaultLcid(), localeLcid);
    }

    void cleanup() { qunsetenv("LANGUAGE"); }
};

QTEST_GUILESS_MAIN(TestHostLocale)
#include "tst_hostlocale.moc"
