#include "ui/NetSetUtilDlg.h"

#include <QTabWidget>
#include <QTest>

// Long German or Finnish texts may widen the window, never clip nor push it off a laptop screen.
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
        QVERIFY(window.width() <= 1024 && window.height() <= 720);
        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabControl"));
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                const QString text = widget->property("text").toString();
                if (!text.isEmpty() && widget->isVisible()
                    && (widget->inherits("QLabel") || widget->inherits("QAbstractButton")))
                    QVERIFY2(widget->size() == widget->size().expandedTo(widget->sizeHint()),
                        qPrintable(text));
            }
        }
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
