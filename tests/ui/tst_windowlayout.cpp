#include "DialogScript.h"
#include "ui/AboutDlg.h"
#include "ui/NetSetUtilDlg.h"
#include "ui/WifiSecurity.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

using namespace Qt::StringLiterals;

// The Alt keys of every control, tab and field label that shows in `window`, as Qt reads them,
// are told apart; a label goes without one only when its text has no letter left. Shown texts fit.
void VerifyKeysAndFit(QWidget &window, const char *where)
{
    QHash<QKeySequence, QString> seen;
    int unkeyedLabels = 0;
    const auto check = [&](const QString &text, bool isLabel = false) {
        if (text.isEmpty())
            return;
        const QKeySequence key = QKeySequence::mnemonic(text);
        QVERIFY2((!key.isEmpty() || isLabel) && (key.isEmpty() || !seen.contains(key)),
            qPrintable(QLatin1String(where) + u": "_s + text + u" / "_s + seen.value(key)));
        unkeyedLabels += key.isEmpty();
        seen.insert(key, text);
    };
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        if (widget->isVisible()
            && (widget->inherits("QLabel") || widget->inherits("QAbstractButton")))
            QVERIFY2(widget->size() == widget->size().expandedTo(widget->sizeHint()),
                qPrintable(widget->property("text").toString()));
        if (auto *bar = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < bar->count(); ++i)
                check(bar->tabText(i));
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            check(button->text());
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy()) {
            check(label->text(), true);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget); group && group->isCheckable()) {
            check(group->title());
        }
    }
    QVERIFY2(!seen.isEmpty() && unkeyedLabels <= 1, where);
}

// Names each widget of a window that receives a layout request.
class CLayoutRequestLog : public QObject
{
public:
    explicit CLayoutRequestLog(QWidget &window)
    {
        window.installEventFilter(this);
        for (QWidget *widget : window.findChildren<QWidget *>())
            widget->installEventFilter(this);
    }

    QStringList m_requested;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            m_requested << watched->objectName();
        return false;
    }
};

class TestWindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void everySlot_data()
    {
        QTest::addColumn<LanguageSlot>("slot");
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot)
            QTest::addRow("slot %u", slot) << slot;
    }
    // In every language, with the window on a laptop screen.
    void everySlot()
    {
        QFETCH(LanguageSlot, slot);
        SetCurrentLanguageSlot(slot);
        CNetSetUtilDlg window;
        window.show();
        QVERIFY(window.width() <= 1024 && window.height() <= 720);
        // Mapped at its final size: growing it afterwards would paint it twice.
        const QSize shown = window.size();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window.size(), shown);
        VerifyKeysAndFit(window, "wired page");
        // One label column for both groups: the fields start where the address fields start,
        // the Alt keys' "(&X)" included in the labels' widths.
        const auto left = [&window](const char *name) {
            const auto *field = window.findChild<QWidget *>(QLatin1String(name));
            return field ? field->mapTo(&window, QPoint()).x() : -1;
        };
        QVERIFY(left("ipAddressEdit") > 0);
        for (const char *name : { "subnetMaskEdit", "dnsEdit", "proxyAddressEdit", "proxyPortEdit" })
            QCOMPARE(left(name), left("ipAddressEdit"));
        // The wireless page, built now, fits the room the window already has.
        window.ShowPage(1);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window.size(), shown);
        VerifyKeysAndFit(window, "wireless page");
        VerifyKeysAndFit(*new CWifiSecurity(&window), "property dialog"); // owned by the window
        VerifyKeysAndFit(*new CAboutDlg(&window), "About box");
    }

    void wirelessPageCompleteAtOnce_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("click on its tab") << true;
        QTest::newRow("Ctrl+Tab") << false;
    }
    // Built when it first shows, the wireless page is shown complete and in place by the same
    // event: nothing about it is left for a later round, which would paint it half-made first.
    void wirelessPageCompleteAtOnce()
    {
        QFETCH(bool, mouse);
        CNetSetUtilDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *bar = window.findChild<QTabBar *>();
        QVERIFY(bar);
        mouse ? QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center())
              : QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
        auto *page = window.findChild<QWidget *>(u"wirelessPage"_s);
        QVERIFY(page && page->isVisible());
        const auto controls = [page] {
            QStringList shown;
            for (const QWidget *widget : page->findChildren<QWidget *>()) {
                const QRect r = widget->geometry();
                shown << u"%1 %2 %3,%4 %5x%6"_s.arg(widget->objectName())
                             .arg(widget->isVisible())
                             .arg(r.x())
                             .arg(r.y())
                             .arg(r.width())
                             .arg(r.height());
            }
            return shown;
        };
        const QStringList atOnce = controls();
        QVERIFY(atOnce.size() > 8);
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents();
        QCOMPARE(atOnce, controls());
    }

    // Laid out in full before it is mapped. A layout request left for after the first paint
    // reaches the tab widget, which answers it by painting itself again.
    void noLayoutRequestLeftAfterShowing()
    {
        CNetSetUtilDlg window;
        window.show();
        CLayoutRequestLog log(window);
        // Events posted while others are delivered wait for the next round.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents();
        QCOMPARE(log.m_requested, QStringList());
    }

    // Compiled in, so an installed program needs neither the source tree nor an icon theme.
    // Compared premultiplied, the pixmap's own form, to keep rounding at the edges out.
    void windowIconIsTheInstalledImage()
    {
        const QIcon icon = CNetSetUtilDlg().windowIcon();
        constexpr auto premultiplied = QImage::Format_ARGB32_Premultiplied;
        // 256 px is the launcher's, from the theme; the window carries up to 128 px.
        QCOMPARE(icon.availableSizes().constLast(), QSize(128, 128));
        for (int size : { 16, 24, 32, 48, 64, 128 })
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(premultiplied),
                QImage(QStringLiteral(MERIDOCK_ICON_DIR "/meridock-netconf-%1.png").arg(size))
                    .convertToFormat(premultiplied));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
