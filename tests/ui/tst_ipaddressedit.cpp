#include "DialogScript.h"
#include "ui/IpAddressEdit.h"

#include <QClipboard>
#include <QScopeGuard>
#include <QPushButton>
#include <QVBoxLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

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

    void dotsBetweenFields_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<bool>("fontAfterCreation");
        QTest::newRow("enabled") << true << Qt::LeftToRight << false;
        QTest::newRow("greyed out") << false << Qt::LeftToRight << false;
        QTest::newRow("right to left") << true << Qt::RightToLeft << false;
        QTest::newRow("font changed after creation") << true << Qt::LeftToRight << true;
    }
    // Between two fields there is room for a whole dot, and the dot is drawn there in the
    // colour of text on the window, greyed with the control. (A large font, so that the dot
    // has solid pixels of that colour.)
    void dotsBetweenFields()
    {
        QFETCH(bool, enabled);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(bool, fontAfterCreation);
        const QFont defaultFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(defaultFont); });
        QFont large = defaultFont;
        large.setPointSize(40);
        if (!fontAfterCreation)
            QApplication::setFont(large);
        CIpAddressEdit edit;
        if (fontAfterCreation)
            edit.setFont(large);
        edit.setLayoutDirection(direction);
        edit.setEnabled(enabled);
        edit.resize(edit.sizeHint());
        const QImage image = edit.grab().toImage();
        const QColor text = edit.palette().color(
            enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        const int dotWidth = QFontMetrics(large).boundingRect(u'.').width();
        for (int i = 0; i + 1 < CIpAddressEdit::FieldCount; ++i) {
            const QRect a = edit.Field(i)->geometry();
            const QRect b = edit.Field(i + 1)->geometry();
            const QRect gap = direction == Qt::LeftToRight
                ? QRect(QPoint(a.right() + 1, a.top()), QPoint(b.left() - 1, a.bottom()))
                : QRect(QPoint(b.right() + 1, a.top()), QPoint(a.left() - 1, a.bottom()));
            QVERIFY2(gap.width() >= dotWidth,
                qPrintable(QStringLiteral("gap %1 is %2 px").arg(i).arg(gap.width())));
            int textPixels = 0;
            for (int y = gap.top(); y <= gap.bottom(); ++y) {
                for (int x = gap.left(); x <= gap.right(); ++x)
                    textPixels += image.pixelColor(x, y) == text;
            }
            QVERIFY2(textPixels > 0, qPrintable(QStringLiteral("no dot in gap %1").arg(i)));
        }
    }

    void looksTheSameBeforeItsLineEditsExist_data()
    {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<int>("pointSize"); // 0: the default font
        QTest::newRow("full") << Fields { 192, 168, 100, 1 } << true << Qt::LeftToRight << 0;
        QTest::newRow("blanks") << Fields { 1, B, 111, B } << true << Qt::LeftToRight << 0;
        QTest::newRow("greyed out")
            << Fields { 255, 255, 255, 0 } << false << Qt::LeftToRight << 0;
        QTest::newRow("right to left") << Fields { 10, 0, 0, 254 } << true << Qt::RightToLeft << 0;
        // Line edits as tall as the frame's inside, as with the taller fonts of Japanese or
        // Chinese desktops: they cover the frame's inner shade.
        for (int size : { 11, 12, 13 }) {
            QTest::addRow("font of %d points", size)
                << Fields { 192, 168, 100, 1 } << true << Qt::LeftToRight << size;
            QTest::addRow("font of %d points, greyed out", size)
                << Fields { 1, B, 111, B } << false << Qt::LeftToRight << size;
        }
    }
    // The octets are painted by the control until their line edits are made, and then drawn by
    // those: the switch must not move or change a pixel.
    void looksTheSameBeforeItsLineEditsExist()
    {
        QFETCH(Fields, fields);
        QFETCH(bool, enabled);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(int, pointSize);
        QWidget form;
        form.setLayoutDirection(direction);
        if (pointSize > 0) {
            QFont font = form.font();
            font.setPointSize(pointSize);
            form.setFont(font);
        }
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(new QPushButton(u"Focus"_s, &form)); // takes the first focus
        auto *edit = new CIpAddressEdit(&form);
        edit->setMinimumSize(230, 26);
        layout->addWidget(edit);
        edit->SetFields(fields);
        edit->setEnabled(enabled);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!edit->findChild<QLineEdit *>());
        const QImage painted = edit->grab().toImage();
        edit->Field(0);
        QCOMPARE(edit->findChildren<QLineEdit *>().size(), CIpAddressEdit::FieldCount);
        QCOMPARE(edit->Fields(), fields);
        QCOMPARE(edit->grab().toImage(), painted);
    }

    // The line edits are made when the address is first entered, and take its place in the
    // tab order: Tab goes through each address once, Shift+Tab back, as before they existed.
    void octetsJoinTheTabOrderWhereTheAddressIs()
    {
        QWidget form;
        auto *layout = new QVBoxLayout(&form);
        auto *before = new QLineEdit(&form);
        auto *first = new CIpAddressEdit(&form);
        auto *second = new CIpAddressEdit(&form);
        auto *after = new QLineEdit(&form);
        for (QWidget *w : std::initializer_list<QWidget *> { before, first, second, after })
            layout->addWidget(w);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        const auto tab = [](Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            return QApplication::focusWidget();
        };
        // Each address makes its octets when Tab enters it, not when Field() is asked.
        QWidget *focused = tab();
        QVERIFY(qobject_cast<QLineEdit *>(focused) && focused->parentWidget() == first);
        QCOMPARE(focused, first->Field(0));
        focused = tab();
        QVERIFY(qobject_cast<QLineEdit *>(focused) && focused->parentWidget() == second);
        QCOMPARE(focused, second->Field(0));
        QCOMPARE(tab(), after);
        QCOMPARE(tab(Qt::ShiftModifier), second->Field(0));
        QCOMPARE(tab(Qt::ShiftModifier), first->Field(0));
        QCOMPARE(tab(Qt::ShiftModifier), before);
    }

    // The first click makes the line edits and lands in the octet under the pointer, with the
    // cursor where it was clicked.
    void firstClickLandsInTheOctet()
    {
        CIpAddressEdit probe; // where the octets go, learnt from a twin that has its edits
        probe.resize(230, 26);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        const QRect third = probe.Field(2)->geometry();
        QVERIFY(third.width() > 20);
        probe.hide();
        QWidget form;
        auto *focus = new QPushButton(u"Focus"_s, &form); // takes the first focus
        auto *edit = new CIpAddressEdit(&form);
        edit->setGeometry(0, 40, 230, 26);
        edit->SetFields({ 10, 200, 30, 4 });
        form.resize(240, 80);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), focus);
        QVERIFY(!edit->findChild<QLineEdit *>());
        // Left of the centred "30": the cursor goes before it, not to the end where focusing
        // alone would leave it.
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(third.left() + 2, third.center().y()));
        QCOMPARE(QApplication::focusWidget(), edit->Field(2));
        QCOMPARE(edit->Field(2)->cursorPosition(), 0);
        QTest::keyClick(QApplication::focusWidget(), '1');
        QCOMPARE(edit->Fields(), (Fields { 10, 200, 130, 4 }));
    }
};

QTEST_MAIN(TestIpAddressEdit)
#include "tst_ipaddressedit.moc"
