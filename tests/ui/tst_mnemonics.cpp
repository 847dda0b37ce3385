#include "DialogScript.h"
#include "ui/Mnemonics.h"

#include <QTest>

class TestMnemonics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void assignment_data()
    {
        QTest::addColumn<QString>("texts"); // "a|b": the texts "a" and "b"
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QString>("marked");
        const auto row = [](const char *rule, QStringView texts, QStringView marked,
                             QStringView english = {}, QStringView taken = {}) {
            QTest::newRow(rule) << texts.toString() << english.toString() << taken.toString()
                                << marked.toString();
        };
        row("first letter when free", u"Load settings|Exit", u"&Load settings|&Exit");
        row("clash: next word's first letter", u"Priority Up|Priority Down",
            u"&Priority Up|Priority &Down");
        row("no word left: the earliest letter", u"Add|Address", u"&Add|A&ddress");
        row("letters compared without case", u"Exit|exit now", u"&Exit|exit &now");
        row("no descenders, capitals", u"gpy jq|yes|Gateway", u"gpy jq|y&es|&Gateway");
        row("keys taken around a page are avoided", u"Exit", u"E&xit", {}, u"E");
        row("an earlier text moves on for a later one", u"Ab|A", u"A&b|&A");
        row("out of keys: the text stays unmarked", u"A|A:", u"&A|A:");
        row("an ampersand is doubled", u"Load & save|& more", u"&Load && save|&& &more");
        row("added key before a closing colon and blanks", u"IPアドレス:  |名前：|参照...",
            u"IPアドレス(&I):  |名前(&N)：|参照(&B)...", u"IP address:|Name:|Browse...");
        row("Chinese clash: the English next word", u"加载设置|加载文件",
            u"加载设置(&L)|加载文件(&F)", u"Load settings|Load file");
        row("no English text: the alphabet", u"確認|取消", u"確認(&B)|取消(&C)", {}, u"A");
        row("Latin among Japanese marked in place", u"SSID|削除", u"&SSID|削除(&D)",
            u"SSID|Delete");
    }
    void assignment()
    {
        QFETCH(QString, texts);
        QFETCH(QString, english);
        QFETCH(QString, taken);
        const QStringList shown = texts.split(u'|'), englishTexts = english.split(u'|');
        QList<MnemonicItem> items;
        for (int i = 0; i < shown.size(); ++i)
            items.append({ shown[i], english.isEmpty() ? QString() : englishTexts.value(i) });
        QStringList got;
        for (const MnemonicResult &result :
            AssignMnemonics(items, { taken.begin(), taken.end() })) {
            // What Qt itself reads as the key is the key reported, and the text shows unchanged.
            QCOMPARE(QKeySequence::mnemonic(result.m_marked),
                result.m_key.isNull() ? QKeySequence()
                                      : QKeySequence(Qt::ALT | result.m_key.unicode()));
            QCOMPARE(StripMnemonic(result.m_marked), shown.value(got.size()));
            got.append(result.m_marked);
        }
        QTEST(got.join(u'|'), "marked");
    }
};

QTEST_GUILESS_MAIN(TestMnemonics)
#include "tst_mnemonics.moc"
