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
};

QTEST_GUILESS_MAIN(TestHostLocale)
#include "tst_hostlocale.moc"
