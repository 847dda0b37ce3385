#include "IpAddressEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using Fields = std::array<int, 4>;
Q_DECLARE_METATYPE(Fields)

namespace {

constexpr int B = CIpAddressEdit::BlankField;

// Types `keys` into whatever has the focus, as a user would. "{BS}", "{LEFT}", "{RIGHT}" and
// "{KPCOMMA}" (the keypad's decimal key on a German layout) stand for those keys.
void Type(const QString &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (keys[i] == u'{') {
            const qsizetype end = keys.indexOf(u'}', i);
            const QString name = keys.mid(i + 1, end - i - 1);
            i = end;
            if (name == QStringLiteral("BS"))
                QTest::keyClick(target, Qt::Key_Backspace);
            else if (name == QStringLiteral("LEFT"))
                QTest::keyClick(target, Qt::Key_Left);
            else if (name == QStringLiteral("RIGHT"))
                QTest::keyClick(target, Qt::Key_Right);
            else if (name == QStringLiteral("KPCOMMA"))
                QTest::keyClick(target, Qt::Key_Comma, Qt::KeypadModifier);
            else
                QFAIL("unknown key name");
            continue;
        }
        QTest::keyClick(target, keys[i].toLatin1());
    }
}

} // namespace

class TestIpAddressEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typing_data();
    void typing();
    void digitIntoFullFieldGoesOn();
    void leadingZerosReadAsTheNumber();
    void tabLeavesTheWholeControl();
    void pasteOfWholeAddress_data();
    void pasteOfWholeAddress();
    void setAndClearAddress();
    void setFieldsOutOfRange();
    void filledFieldCount_data();
    void filledFieldCount();
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
    m_edit = new CIpAddressEdit(m_window.get());
    m_next = new QLineEdit(m_window.get());
    layout->addWidget(m_edit);
    layout->addWidget(m_next);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(0));
}

void TestIpAddressEdit::cleanup()
{
    m_window.reset();
}

void TestIpAddressEdit::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<int>("focusedField");

    QTest::newRow("dots move to the next field")
        << QStringLiteral("10.1.2.3") << Fields { 10, 1, 2, 3 } << 3;
    QTest::newRow("a third digit moves to the next field")
        << QStringLiteral("192168100200") << Fields { 192, 168, 100, 200 } << 3;
    QTest::newRow("a dot after a third digit does not skip a field")
        << QStringLiteral("255.255.255.0") << Fields { 255, 255, 255, 0 } << 3;
    QTest::newRow("a dot in an empty field stays there")
        << QStringLiteral("1..2") << Fields { 1, 2, B, B } << 1;
    QTest::newRow("a value above 255 becomes 255")
        << QStringLiteral("300") << Fields { 255, B, B, B } << 1;
    QTest::newRow("two digits above 25 then a third become 255")
        << QStringLiteral("26") + QStringLiteral("7.1") << Fields { 255, 1, B, B } << 1;
    QTest::newRow("letters and signs are refused")
        << QStringLiteral("1a-2") << Fields { 12, B, B, B } << 0;
    QTest::newRow("blanks are refused") << QStringLiteral("1 2") << Fields { 12, B, B, B } << 0;
    QTest::newRow("backspace in an empty field goes back")
        << QStringLiteral("12.{BS}{BS}") << Fields { 1, B, B, B } << 0;
    QTest::newRow("backspace in a filled field deletes")
        << QStringLiteral("12.34{BS}") << Fields { 12, 3, B, B } << 1;
    QTest::newRow("left at the start goes back to the end of the field before")
        << QStringLiteral("1.2{LEFT}{LEFT}3") << Fields { 13, 2, B, B } << 0;
    QTest::newRow("right at the end goes on to the start of the next field")
        << QStringLiteral("1.2{LEFT}{LEFT}{RIGHT}5") << Fields { 1, 52, B, B } << 1;
    QTest::newRow("a dot in the last field is swallowed")
        << QStringLiteral("1.2.3.4.5") << Fields { 1, 2, 3, 45 } << 3;
    QTest::newRow("the last field does not move on")
        << QStringLiteral("1.2.3.2551") << Fields { 1, 2, 3, 255 } << 3;
    QTest::newRow("the keypad decimal key of a German layout separates")
        << QStringLiteral("10{KPCOMMA}0{KPCOMMA}0{KPCOMMA}1") << Fields { 10, 0, 0, 1 } << 3;
}

void TestIpAddressEdit::typing()
{
    QFETCH(QString, keys);
    QFETCH(Fields, fields);
    QFETCH(int, focusedField);

    Type(keys);

    QCOMPARE(m_edit->Fields(), fields);
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(focusedField));
}

void TestIpAddressEdit::digitIntoFullFieldGoesOn()
{
    m_edit->SetFields({ 123, B, B, B });
    m_edit->Field(0)->setFocus();
    m_edit->Field(0)->setCursorPosition(3);

    Type(QStringLiteral("45"));

    QCOMPARE(m_edit->Fields(), (Fields { 123, 45, B, B }));
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(1));
}

void TestIpAddressEdit::leadingZerosReadAsTheNumber()
{
    Type(QStringLiteral("007"));

    QCOMPARE(m_edit->Fields(), (Fields { 7, B, B, B }));
    // Leaving the field shows the number the way it will be read back.
    QCOMPARE(m_edit->Field(0)->text(), QStringLiteral("7"));
}

void TestIpAddressEdit::tabLeavesTheWholeControl()
{
    Type(QStringLiteral("1.2"));
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(1));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_next);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), m_edit->Field(0));
}

void TestIpAddressEdit::pasteOfWholeAddress_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<Fields>("fields");

    QTest::newRow("dotted quad fills all four fields")
        << QStringLiteral("172.16.0.254") << Fields { 172, 16, 0, 254 };
    QTest::newRow("blanks around the address are dropped")
        << QStringLiteral("  10.0.0.1\n") << Fields { 10, 0, 0, 1 };
    QTest::newRow("blank inside is refused whole")
        << QStringLiteral("1 2.3.4.5") << Fields { B, B, B, B };
    QTest::newRow("five parts are refused whole")
        << QStringLiteral("1.2.3.4.5") << Fields { B, B, B, B };
    QTest::newRow("a part above 255 is refused whole")
        << QStringLiteral("10.0.0.256") << Fields { B, B, B, B };
    QTest::newRow("an empty part is refused whole")
        << QStringLiteral("10..0.1") << Fields { B, B, B, B };
    QTest::newRow("non-ASCII digits are refused whole")
        << QString::fromUtf8("\xd9\xa1.2.3.4") << Fields { B, B, B, B };
    QTest::newRow("digits alone go into the field")
        << QStringLiteral("42") << Fields { 42, B, B, B };
}

void TestIpAddressEdit::pasteOfWholeAddress()
{
    QFETCH(QString, clipboard);
    QFETCH(Fields, fields);

    QApplication::clipboard()->setText(clipboard);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);

    QCOMPARE(m_edit->Fields(), fields);
}

void TestIpAddressEdit::setAndClearAddress()
{
    m_edit->SetAddress(0xC0A80114u);
    QCOMPARE(m_edit->Fields(), (Fields { 192, 168, 1, 20 }));
    QCOMPARE(m_edit->Field(3)->text(), QStringLiteral("20"));
    QCOMPARE(m_edit->FilledFieldCount(), 4);

    m_edit->ClearAddress();
    QCOMPARE(m_edit->Fields(), (Fields { B, B, B, B }));
    QCOMPARE(m_edit->FilledFieldCount(), 0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m_edit->Field(i)->text(), QString());
}

void TestIpAddressEdit::setFieldsOutOfRange()
{
    m_edit->SetFields({ -5, 0, 999, B });
    QCOMPARE(m_edit->Fields(), (Fields { B, 0, 255, B }));
}

void TestIpAddressEdit::filledFieldCount_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("count");

    QTest::newRow("nothing typed") << QString() << 0;
    QTest::newRow("two fields") << QStringLiteral("1.2") << 2;
    QTest::newRow("a zero counts as filled") << QStringLiteral("0.0.0") << 3;
    QTest::newRow("gap in the middle") << QStringLiteral("1.2.{BS}{BS}{BS}") << 1;
    QTest::newRow("complete") << QStringLiteral("8.8.4.4") << 4;
}

void TestIpAddressEdit::filledFieldCount()
{
    QFETCH(QString, keys);
    QFETCH(int, count);
    Type(keys);
    QCOMPARE(m_edit->FilledFieldCount(), count);
}

void TestIpAddressEdit::accessibleNames()
{
    m_edit->SetAccessibleLabel(QStringLiteral("Subnet mask:"));
    QCOMPARE(m_edit->accessibleName(), QStringLiteral("Subnet mask"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m_edit->Field(i)->accessibleName(), QStringLiteral("Subnet mask %1/4").arg(i + 1));

    m_edit->SetAccessibleLabel(QString::fromUtf8("\xe3\x82\xb5\xe3\x83\x96\xef\xbc\x9a"));
    QCOMPARE(m_edit->accessibleName(), QString::fromUtf8("\xe3\x82\xb5\xe3\x83\x96"));
}

QTEST_MAIN(TestIpAddressEdit)
#include "tst_ipaddressedit.moc"
