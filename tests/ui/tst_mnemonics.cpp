#include "ui/Mnemonics.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestMnemonics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void assignment_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("englishTexts");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QStringList>("marked");

        const QStringList none;
        QTest::newRow("each text's first letter when free") << QStringList { u"Load settings"_s,
            u"Exit"_s } << none << QString() << QStringList { u"&Load settings"_s, u"&Exit"_s };
        QTest::newRow("a clash moves to the next word's first letter")
            << QStringList { u"Priority Up"_s, u"Priority Down"_s } << none << QString()
            << QStringList { u"&Priority Up"_s, u"Priority &Down"_s };
        QTest::newRow("no word left: the earliest letter") << QStringList { u"Add"_s,
            u"Address"_s } << none << QString() << QStringList { u"&Add"_s, u"A&ddress"_s };
        QTest::newRow("letters compared without case") << QStringList { u"Exit"_s,
            u"exit now"_s } << none << QString() << QStringList { u"&Exit"_s, u"exit &now"_s };
        QTest::newRow("descenders never underlined, capitals are")
            << QStringList { u"gpy jq"_s, u"yes"_s, u"Gateway"_s } << none << QString()
            << QStringList { u"gpy jq"_s, u"y&es"_s, u"&Gateway"_s };
        QTest::newRow("cedilla and ogonek never underlined") << QStringList { u"ça va"_s,
            u"ęą ok"_s } << none << QString() << QStringList { u"ça &va"_s, u"ęą &ok"_s };
        QTest::newRow("keys taken around a page are avoided")
            << QStringList { u"Exit"_s } << none << u"E"_s << QStringList { u"E&xit"_s };
        QTest::newRow("an earlier text moves to its next key for a later one")
            << QStringList { u"Ab"_s, u"A"_s } << none << QString()
            << QStringList { u"A&b"_s, u"&A"_s };
        QTest::newRow("out of keys: the text stays unmarked") << QStringList { u"A"_s,
            u"A:"_s } << none << QString() << QStringList { u"&A"_s, u"A:"_s };
        QTest::newRow("an ampersand of the text is doubled") << QStringList { u"Load & save"_s,
            u"& more"_s } << none << QString() << QStringList { u"&Load && save"_s, u"&& &more"_s };
        QTest::newRow("Cyrillic letters; their descenders skipped")
            << QStringList { u"Вверх"_s, u"Вниз"_s, u"рука"_s } << none << QString()
            << QStringList { u"&Вверх"_s, u"В&низ"_s, u"ру&ка"_s };
        QTest::newRow("Japanese takes the English text's letter")
            << QStringList { u"設定の読み込み"_s } << QStringList { u"Load settings"_s }
            << QString() << QStringList { u"設定の読み込み(&L)"_s };
        QTest::newRow("the added key stands before a closing colon and blanks")
            << QStringList { u"IPアドレス:  "_s, u"名前："_s, u"参照..."_s }
            << QStringList { u"IP address:"_s, u"Name:"_s, u"Browse..."_s } << QString()
            << QStringList { u"IPアドレス(&I):  "_s, u"名前(&N)："_s, u"参照(&B)..."_s };
        QTest::newRow("Chinese clash takes the English text's next word")
            << QStringList { u"加载设置"_s, u"加载文件"_s }
            << QStringList { u"Load settings"_s, u"Load file"_s } << QString()
            << QStringList { u"加载设置(&L)"_s, u"加载文件(&F)"_s };
        QTest::newRow("no English text: the alphabet") << QStringList { u"確認"_s,
            u"取消"_s } << none << u"A"_s << QStringList { u"確認(&B)"_s, u"取消(&C)"_s };
        QTest::newRow("a Latin text among Japanese ones is marked in place")
            << QStringList { u"SSID"_s, u"削除"_s } << QStringList { u"SSID"_s, u"Delete"_s }
            << QString() << QStringList { u"&SSID"_s, u"削除(&D)"_s };
    }
    void assignment()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, englishTexts);
        QFETCH(QString, taken);
        QFETCH(QStringList, marked);

        QList<MnemonicItem> items;
        for (int i = 0; i < texts.size(); ++i)
            items.append({ texts[i], i < englishTexts.size() ? englishTexts[i] : QString() });
        QList<QChar> takenKeys(taken.begin(), taken.end());
        const QList<MnemonicResult> results = AssignMnemonics(items, takenKeys);

        QCOMPARE(results.size(), texts.size());
        QStringList got;
        for (int i = 0; i < results.size(); ++i) {
            got.append(results[i].m_marked);
            // What Qt itself reads as the key is the key reported, and the text shows unchanged.
            const QKeySequence qtKey = QKeySequence::mnemonic(results[i].m_marked);
            QCOMPARE(results[i].m_key.isNull(), qtKey.isEmpty());
            if (!qtKey.isEmpty())
                QCOMPARE(qtKey, QKeySequence(Qt::ALT | results[i].m_key.unicode()));
            QCOMPARE(StripMnemonic(results[i].m_marked), texts[i]);
        }
        QCOMPARE(got, marked);
    }
};

QTEST_GUILESS_MAIN(TestMnemonics)
#include "tst_mnemonics.moc"
