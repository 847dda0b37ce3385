#include "NetSetUtilDlg.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// Long German, Polish or Finnish texts may widen the window, never clip nor push it off a small
// laptop screen.
class TestWindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsFit_data()
    {
        QTest::addColumn<unsigned>("slot");
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot)
            QTest::addRow("slot %u", slot) << slot;
    }

    void textsFit()
    {
        QFETCH(unsigned, slot);
        SetCurrentLanguageSlot(slot);
        CNetSetUtilDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.width() <= 1024 && window.height() <= 720);
        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabControl"));
        QVERIFY(tabs->tabBar()->width() >= tabs->tabBar()->sizeHint().width());
        int checked = 0;
        for (int page = 0; page < 2; ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(widget);
                const auto *button = qobject_cast<QAbstractButton *>(widget);
                const auto *group = qobject_cast<QGroupBox *>(widget);
                const QString text = label ? label->text()
                    : button               ? button->text()
                    : group                ? group->title()
                                           : QString();
                if (text.isEmpty() || !widget->isVisible())
                    continue;
                ++checked;
                const QSize needed = group ? group->minimumSizeHint() : widget->sizeHint();
                QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height()
                        && widget->parentWidget()->rect().contains(widget->geometry()),
                    qPrintable(text));
            }
        }
        // Both pages' labels, buttons and groups, and the three commands twice.
        QVERIFY(checked >= 30);
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
