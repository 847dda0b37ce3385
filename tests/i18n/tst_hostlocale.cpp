#include "HostLocale.h"

#include <QTest>

class TestHostLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lcidForLocaleName_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<quint32>("lcid");
        QTest::newRow("the country picks the identifier") << QByteArray("es_US") << 0x540Au;
        QTest::newRow("codeset dropped") << QByteArray("zh_TW.UTF-8") << 0x0404u;
        QTest::newRow("modifier dropped") << QByteArray("de_DE@euro") << 0x0407u;
        QTest::newRow("dash instead of underscore") << QByteArray("it-CH") << 0x0810u;
        QTest::newRow("language only takes its main country") << QByteArray("fr") << 0x040Cu;
        QTest::newRow("unknown country keeps the language") << QByteArray("de_XX") << 0x0407u;
        QTest::newRow("C is English (United States)") << QByteArray("C.UTF-8") << 0x0409u;
        QTest::newRow("empty is English (United States)") << QByteArray() << 0x0409u;
    }
    void lcidForLocaleName()
    {
        QFETCH(QByteArray, name);
        QFETCH(quint32, lcid);
        QCOMPARE(LcidForLocaleName(name), lcid);
    }

    void environmentPrecedence_data()
    {
        QTest::addColumn<QByteArrayList>("lcAllMessagesLang");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("LC_ALL wins")
            << QByteArrayList { "de_DE", "fr_FR", "it_IT" } << QByteArray("de_DE");
        QTest::newRow("then LC_MESSAGES")
            << QByteArrayList { "", "fr_FR", "it_IT" } << QByteArray("fr_FR");
        QTest::newRow("then LANG") << QByteArrayList { "", "", "it_IT" } << QByteArray("it_IT");
        QTest::newRow("nothing set is C") << QByteArrayList { "", "", "" } << QByteArray("C");
    }
    void environmentPrecedence()
    {
        QFETCH(QByteArrayList, lcAllMessagesLang);
        QFETCH(QByteArray, expected);
        const char *names[] = { "LC_ALL", "LC_MESSAGES", "LANG" };
        for (int i = 0; i < 3; ++i) {
            if (lcAllMessagesLang[i].isEmpty())
                qunsetenv(names[i]);
            else
                qputenv(names[i], lcAllMessagesLang[i]);
        }
        QCOMPARE(UserLocaleName(), expected);
        QCOMPARE(UserDefaultLcid(), LcidForLocaleName(expected));
    }
};

QTEST_GUILESS_MAIN(TestHostLocale)
#include "tst_hostlocale.moc"
