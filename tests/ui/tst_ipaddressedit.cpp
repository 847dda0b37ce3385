#include "IpAddressEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

using Fields = std::array<int, 4>;
Q_DECLARE_METATYPE(Fields)

constexpr int B = CIpAddressEdit::BlankField;

class TestIpAddressEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_window.reset(); }

    void typing_data();
    void typing();
    void pasteOfWholeAddress_data();
    void pasteOfWholeAddress();
    void tabLeavesTheWholeControl();
    void settingValues();
    void accessibleNames();

private:
    std::unique_ptr<QWidget> m_window;
    CIpAddressEdit *m_edit = nullptr;
    QLineEdit *m_next = nullptr;
};

void TestIpAddressEdit::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    layout->addWidget(m_edit = new CIpAddressEdit(m_window.get()));
    layout->addWidget(m_next = new QLineEdit(m_window.get()));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(0));
}

void TestIpAddressEdit::typing_data()
{
    QTest::addColumn<QString>("keys"); // < backspace, [ left, ] right, , the keypad decimal key
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<int>("focusedField");

    QTest::newRow("dots move to the next field") << "10.1.2.3" << Fields { 10, 1, 2, 3 } << 3;
    QTest::newRow("a dot after a third digit does not skip a field")
        << "255.255.255.0" << Fields { 255, 255, 255, 0 } << 3;
    QTest::newRow("a dot in an empty field stays there") << "1..2" << Fields { 1, 2, B, B } << 1;
    QTest::newRow("a digit into a full field goes on to the next")
        << "123[4" << Fields { 123, 4, B, B } << 1;
    QTest::newRow("a value above 255 becomes 255") << "300" << Fields { 255, B, B, B } << 1;
    QTest::newRow("leading zeros read as the number") << "007" << Fields { 7, B, B, B } << 1;
    QTest::newRow("letters, signs and blanks are refused")
        << "1a- 2" << Fields { 12, B, B, B } << 0;
    QTest::newRow("backspace in an empty field goes back") << "12.<<" << Fields { 1, B, B, B } << 0;
    QTest::newRow("backspace in a filled field deletes") << "12.34<" << Fields { 12, 3, B, B } << 1;
    QTest::newRow("left at the start goes back to the end of the field before")
        << "1.2[[3" << Fields { 13, 2, B, B } << 0;
    QTest::newRow("right at the end goes on to the start of the next field")
        << "1.2[[]5" << Fields { 1, 52, B, B } << 1;
    QTest::newRow("a dot in the last field is swallowed")
        << "1.2.3.4.5" << Fields { 1, 2, 3, 45 } << 3;
    QTest::newRow("the last field does not move on")
        << "1.2.3.2551" << Fields { 1, 2, 3, 255 } << 3;
    QTest::newRow("the keypad decimal key of a German layout separates")
        << "10,0,0,1" << Fields { 10, 0, 0, 1 } << 3;
}

void TestIpAddressEdit::typing()
{
    QFETCH(QString, keys);
    QFETCH(Fields, fields);
    QFETCH(int, focusedField);

    for (const QChar c : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (c == u'<')
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (c == u'[' || c == u']')
            QTest::keyClick(target, c == u'[' ? Qt::Key_Left : Qt::Key_Right);
        else if (c == u',')
            QTest::keyClick(target, Qt::Key_Comma, Qt::KeypadModifier);
        else
            QTest::keyClick(target, c.toLatin1());
    }

    QCOMPARE(m_edit->Fields(), fields);
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(focusedField));
    // Only four filled fields make a complete address; a 0 is filled.
    QCOMPARE(m_edit->FilledFieldCount(),
        int(std::count_if(fields.begin(), fields.end(), [](int f) { return f != B; })));
}

void TestIpAddressEdit::pasteOfWholeAddress_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<Fields>("fields");

    QTest::newRow("dotted quad fills all four fields")
        << "172.16.0.254" << Fields { 172, 16, 0, 254 };
    QTest::newRow("blanks around the address are dropped") << "  10.0.0.1\n"
                                                           << Fields { 10, 0, 0, 1 };
    QTest::newRow("blank inside is refused whole") << "1 2.3.4.5" << Fields { B, B, B, B };
    QTest::newRow("five parts are refused whole") << "1.2.3.4.5" << Fields { B, B, B, B };
    QTest::newRow("a part above 255 is refused whole") << "10.0.0.256" << Fields { B, B, B, B };
    QTest::newRow("an empty part is refused whole") << "10..0.1" << Fields { B, B, B, B };
    QTest::newRow("non-ASCII digits are refused whole")
        << QString::fromUtf8("\xd9\xa1.2.3.4") << Fields { B, B, B, B };
    QTest::newRow("digits alone go into the field") << "42" << Fields { 42, B, B, B };
}

void TestIpAddressEdit::pasteOfWholeAddress()
{
    QFETCH(QString, clipboard);
    QFETCH(Fields, fields);

    QApplication::clipboard()->setText(clipboard);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);

    QCOMPARE(m_edit->Fields(), fields);
}

void TestIpAddressEdit::tabLeavesTheWholeControl()
{
    QTest::keyClicks(m_edit->Field(0), QStringLiteral("1."));
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_next);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(0));
}

void TestIpAddressEdit::settingValues()
{
    m_edit->SetFields({ -5, 0, 999, B });
    QCOMPARE(m_edit->Fields(), (Fields { B, 0, 255, B }));
    m_edit->SetAddress(0xC0A80114u);
    QCOMPARE(m_edit->Fields(), (Fields { 192, 168, 1, 20 }));
    m_edit->ClearAddress();
    QCOMPARE(m_edit->Fields(), (Fields { B, B, B, B }));
}

void TestIpAddressEdit::accessibleNames()
{
    m_edit->SetAccessibleLabel(QStringLiteral("Subnet mask:"));
    QCOMPARE(m_edit->accessibleName(), QStringLiteral("Subnet mask"));
    QCOMPARE(m_edit->Field(2)->accessibleName(), QStringLiteral("Subnet mask 3/4"));
    // The full-width colon of the Japanese labels goes too.
    m_edit->SetAccessibleLabel(QString::fromUtf8("\xe3\x82\xb5\xe3\x83\x96\xef\xbc\x9a"));
    QCOMPARE(m_edit->accessibleName(), QString::fromUtf8("\xe3\x82\xb5\xe3\x83\x96"));
}

QTEST_MAIN(TestIpAddressEdit)
#include "tst_ipaddressedit.moc"
