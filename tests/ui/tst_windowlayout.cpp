#include "NetSetUtilDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// Every label and button text must fit its control in every language slot: long German, Polish
// or Finnish texts may widen the window, never clip.
class TestWindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { SetCurrentLanguageSlot(0); }
    void textsFit_data();
    void textsFit();

private:
    QTemporaryDir m_config;
};

void TestWindowLayout::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestWindowLayout::textsFit_data()
{
    QTest::addColumn<unsigned>("slot");
    for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot)
        QTest::addRow("slot %u", slot) << slot;
}

void TestWindowLayout::textsFit()
{
    QFETCH(unsigned, slot);
    SetCurrentLanguageSlot(slot);
    CNetSetUtilDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(window.width() >= 640);
    QVERIFY(window.height() >= 565);
    // Still fits a small laptop screen.
    QVERIFY2(window.width() <= 1024 && window.height() <= 720,
        qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabControl"));
    QVERIFY(tabs);
    QVERIFY(tabs->tabBar()->width() >= tabs->tabBar()->sizeHint().width());
    int checked = 0;
    for (int page = 0; page < 2; ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QList<QWidget *> widgets = window.findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisible())
                continue;
            QString text;
            QSize needed;
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                text = label->text();
                needed = label->sizeHint();
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                text = button->text();
                needed = button->sizeHint();
            } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
                text = group->title();
                needed = group->minimumSizeHint();
            } else {
                continue;
            }
            if (text.isEmpty())
                continue;
            ++checked;
            const QString what = QStringLiteral("slot %1, \"%2\": %3 x %4 in %5 x %6")
                                     .arg(slot)
                                     .arg(text)
                                     .arg(needed.width())
                                     .arg(needed.height())
                                     .arg(widget->width())
                                     .arg(widget->height());
            QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height(),
                qPrintable(what));
            // Nothing hangs out of the control that holds it.
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(what));
        }
    }
    // Both pages' labels, buttons and groups, and the three commands twice.
    QVERIFY(checked >= 30);
}

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
