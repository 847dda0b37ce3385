#include "DialogScript.h"
#include "ui/IpAddressEdit.h"

#include <QClipboard>

using Fields = std::array<int, 4>;
Q_DECLARE_METATYPE(Fields)

constexpr int B = CIpAddressEdit::BlankField;

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
        QTest::newRow("dot after 3 digits stays") << "255.255.255.0" << Fields { 255, 255, 255, 0 };
        QTest::newRow("digit into a full field goes on") << "123[4" << Fields { 123, 4, B, B };
        QTest::newRow("letters, signs, blanks refused") << "1a- 2" << Fields { 12, B, B, B };
        QTest::newRow("dot in the last field swallowed") << "1.2.3.4.5" << Fields { 1, 2, 3, 45 };
        QTest::newRow("last field does not move on") << "1.2.3.2551" << Fields { 1, 2, 3, 255 };
        QTest::newRow("pasted blanks go") << "^  10.0.0.1\n" << Fields { 10, 0, 0, 1 };
        QTest::newRow("five parts refused") << "^1.2.3.4.5" << Fields { B, B, B, B };
        QTest::newRow("part above 255 refused") << "^10.0.0.256" << Fields { B, B, B, B };
        QTest::newRow("non-ASCII digits") << "^\xd9\xa1.2.3.4" << Fields { B, B, B, B };
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
        for (const QChar c : keys)
            c == u'[' ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left)
                      : QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTEST(edit.Fields(), "fields");
    }
};

QTEST_MAIN(TestIpAddressEdit)
#include "tst_ipaddressedit.moc"
