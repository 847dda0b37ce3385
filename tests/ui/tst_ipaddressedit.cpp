#include "DialogScript.h"
#include "ui/IpAddressEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using Fields = std::array<int, 4>;
Q_DECLARE_METATYPE(Fields)

constexpr int B = CIpAddressEdit::BlankField;
constexpr Fields Blank { B, B, B, B };

class TestIpAddressEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void typingAndPasting_data()
    {
        // [ is the left arrow key; ^ pastes the rest of the text instead.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<Fields>("fields");
        QTest::newRow("a dot after a third digit does not skip a field")
            << "255.255.255.0" << Fields { 255, 255, 255, 0 };
        QTest::newRow("a digit into a full field goes on") << "123[4" << Fields { 123, 4, B, B };
        QTest::newRow("letters, signs and blanks are refused") << "1a- 2" << Fields { 12, B, B, B };
        QTest::newRow("a dot in the last field is swallowed")
            << "1.2.3.4.5" << Fields { 1, 2, 3, 45 };
        QTest::newRow("the last field does not move on") << "1.2.3.2551" << Fields { 1, 2, 3, 255 };
        QTest::newRow("blanks around a pasted address go") << "^  10.0.0.1\n"
                                                           << Fields { 10, 0, 0, 1 };
        QTest::newRow("a paste of five parts is refused whole") << "^1.2.3.4.5" << Blank;
        QTest::newRow("a paste with a part above 255 is refused whole") << "^10.0.0.256" << Blank;
        QTest::newRow("a paste of non-ASCII digits is refused whole")
            << QString::fromUtf8("^\xd9\xa1.2.3.4") << Blank;
    }
    void typingAndPasting()
    {
        QFETCH(QString, keys);
        CIpAddressEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setFocus();
        if (keys.startsWith(u'^')) {
            QApplication::clipboard()->setText(keys.mid(1));
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
            keys.clear();
        }
        for (const QChar c : keys) {
            if (c == u'[')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
            else
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
        QTEST(edit.Fields(), "fields");
    }
};

QTEST_MAIN(TestIpAddressEdit)
#include "tst_ipaddressedit.moc"
