#include "DialogScript.h"
#include "ui/Mnemonics.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestMnemonics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void assignment_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("englishTexts");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QStringList>("marked");

        // "a|b": the texts "a" and "b".
        const auto row = [](const char *rule, QStringView texts, QStringView english,
                             const QString &taken, QStringView marked) {
            const auto split = [](QStringView t) {
                return t.toString().split(u'|', Qt::SkipEmptyParts);
            };
            QTest::newRow(rule) << split(texts) << split(english) << taken << split(marked);
        };
        row("each text's first letter when free", u"Load settings|Exit", {}, {},
            u"&Load settings|&Exit");
        row("a clash moves to the next word's first letter", u"Priority Up|Priority Down", {}, {},
            u"&Priority Up|Priority &Down");
        row("no word left: the earliest letter", u"Add|Address", {}, {}, u"&Add|A&ddress");
        row("letters compared without case", u"Exit|exit now", {}, {}, u"&Exit|exit &now");
        row("descenders never underlined, capitals are", u"gpy jq|yes|Gateway", {}, {},
            u"gpy jq|y&es|&Gateway");
        row("keys taken around a page are avoided", u"Exit", {}, u"E"_s, u"E&xit");
        row("an earlier text moves to its next key for a later one", u"Ab|A", {}, {}, u"A&b|&A");
        row("out of keys: the text stays unmarked", u"A|A:", {}, {}, u"&A|A:");
        row("an ampersand of the text is doubled", u"Load & save|& more", {}, {},
            u"&Load && save|&& &more");
        row("Japanese takes the English text's letter", u"設定の読み込み", u"Load settings", {},
            u"設定の読み込み(&L)");
        row("the added key stands before a closing colon and blanks",
            u"IPアドレス:  |名前：|参照...", u"IP address:|Name:|Browse...", {},
            u"IPアドレス(&I):  |名前(&N)：|参照(&B)...");
        row("Chinese clash takes the English text's next word", u"加载设置|加载文件",
            u"Load settings|Load file", {}, u"加载设置(&L)|加载文件(&F)");
        row("no English text: the alphabet", u"確認|取消", {}, u"A"_s, u"確認(&B)|取消(&C)");
        row("a Latin text among Japanese ones is marked in place", u"SSID|削除", u"SSID|Delete", {},
            u"&SSID|削除(&D)");
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
