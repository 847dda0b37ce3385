#include "DialogScript.h"
#include "MessageRecorder.h"
#include "i18n/MessageCatalog.h"
#include "ui/IpAddressEdit.h"
#include "ui/Mnemonics.h"
#include "ui/NetSetUtilDlg.h"
#include "ui/WifiSecurity.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the property dialog: each run names the profile after the next SSID.
class CNamingDialog final : public IWifiPropertyDialog
{
public:
    DialogResult RunPropertyDialog(CNetworkSetting &profile) override
    {
        m_shown.append(profile.m_ssid);
        profile.m_ssid = m_names.isEmpty() ? u"X"_s : m_names.takeFirst();
        return DialogResult::Ok;
    }

    QStringList m_names;
    QStringList m_shown;
};

bool Reached(QWidget *w, QWidget *window, const QList<QWidget *> &order)
{
    return w && w->isVisibleTo(window) && w->focusPolicy() & Qt::TabFocus && w->isEnabled()
        && !order.contains(w);
}

// The focusable controls in the order of the accessibility tree.
void ReadingOrder(QAccessibleInterface *face, QWidget *window, QList<QWidget *> &order)
{
    for (int i = 0; i < face->childCount(); ++i) {
        if (QAccessibleInterface *child = face->child(i)) {
            if (auto *w = qobject_cast<QWidget *>(child->object()); Reached(w, window, order))
                order.append(w);
            ReadingOrder(child, window, order);
        }
    }
}

// Every control a screen reader visits has a name without its key marking, and the reader
// visits them in the order Tab does.
void VerifyScreenReaderView(QWidget *window, const char *where)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face ? face->text(QAccessible::Name) : QString();
        const QString what = QLatin1String(where) + u": "_s + widget->objectName() + u'=' + name;
        QVERIFY2(!name.trimmed().isEmpty() && StripMnemonic(name) == name, qPrintable(what));
    }
    // An address reads as a whole: the label's words, then the address as shown.
    for (QLabel *label : window->findChildren<QLabel *>()) {
        auto *address = qobject_cast<CIpAddressEdit *>(label->buddy());
        if (!address || !address->isVisibleTo(window))
            continue;
        address->SetFields({ 192, 168, 7, CIpAddressEdit::BlankField });
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(address);
        const QString name = face->text(QAccessible::Name);
        const QString what = QLatin1String(where) + u": "_s + label->text() + u'=' + name;
        QVERIFY2(
            name.size() > 1 && StripMnemonic(label->text()).startsWith(name), qPrintable(what));
        QCOMPARE(face->text(QAccessible::Description), u"192.168.7."_s);
    }
    QList<QWidget *> reading, tabbing;
    ReadingOrder(QAccessible::queryAccessibleInterface(window), window, reading);
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (Reached(w, window, tabbing))
            tabbing.append(w);
    QCOMPARE(reading, tabbing);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_box;
    CNamingDialog m_dialog;
    QListWidget *m_list = nullptr;

    void OpenWindowWithProfiles(int count)
    {
        m_window = std::make_unique<CNetSetUtilDlg>();
        m_window->SetMessageBox(&m_box);
        m_window->SetPropertyDialog(&m_dialog);
        m_window->ShowPage(1);
        m_window->show();
        m_list = Find<QListWidget>(*m_window, "wirelessList");
        m_dialog.m_names = { u"A"_s, u"B"_s, u"C"_s, u"D"_s };
        for (int i = 0; i < count; ++i)
            Press(*m_window, "addButton");
        m_dialog.m_shown.clear();
    }

    QStringList Entries() const
    {
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row)
            texts.append(m_list->item(row)->text());
        return texts;
    }

    bool Enabled(const char *button) const
    {
        return Find<QPushButton>(*m_window, button)->isEnabled();
    }

private Q_SLOTS:
    void cleanup()
    {
        m_window.reset();
        SetCurrentLanguageSlot(0);
    }

    void tabsSwitchFromAnywhere_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("from");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab wraps") << int(Qt::Key_Tab) << ctrl << 1;
        QTest::newRow("Ctrl+PageUp wraps") << int(Qt::Key_PageUp) << ctrl << 0;
        QTest::newRow("Ctrl+Shift+Tab as X11 sends it") << int(Qt::Key_Backtab) << ctrlShift << 1;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Tab) << ctrlShift << 1;
    }
    void tabsSwitchFromAnywhere()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, from);
        CNetSetUtilDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *tabs = Find<QTabWidget>(window, "tabControl");
        window.ShowPage(from);
        // Focus on a command outside the tab control; with two tabs every switch is to the other.
        QWidget *load = Find<QPushButton>(window, "loadSettingsButton");
        load->setFocus();
        QTest::keyClick(load, Qt::Key(key), modifiers);
        QCOMPARE(tabs->currentIndex(), 1 - from);
        // The tabs tell which keys do it.
        const QString tip = tabs->tabBar()->tabToolTip(1 - from);
        for (const QKeyCombination keys : { Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageUp })
            QVERIFY2(tip.contains(QKeySequence(keys).toString(QKeySequence::NativeText)),
                qPrintable(tip));
    }

    void listKeys_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("dialogShown");
        QTest::addColumn<QByteArray>("button");
        const QKeySequence up(Qt::CTRL | Qt::Key_Up), down(Qt::CTRL | Qt::Key_Down);
        QTest::newRow("Ctrl+Up moves up") << 1 << up << QStringList { u"B"_s, u"A"_s, u"C"_s } << 0
                                          << QStringList() << QByteArray("priorityUpButton");
        QTest::newRow("Ctrl+Down moves down")
            << 1 << down << QStringList { u"A"_s, u"C"_s, u"B"_s } << 2 << QStringList()
            << QByteArray("priorityDownButton");
        QTest::newRow("F2 opens the selected profile")
            << 2 << QKeySequence(Qt::Key_F2) << QStringList { u"A"_s, u"B"_s, u"D"_s } << -2
            << QStringList { u"C"_s } << QByteArray("propertyButton");
        QTest::newRow("Delete deletes the selected profile")
            << 1 << QKeySequence(QKeySequence::Delete) << QStringList { u"A"_s, u"C"_s } << -2
            << QStringList() << QByteArray("deleteButton");
    }
    void listKeys()
    {
        QFETCH(int, row);
        QFETCH(QKeySequence, key);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        QFETCH(QByteArray, button);
        OpenWindowWithProfiles(3);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_list->setCurrentRow(row);
        m_list->setFocus();
        QTest::keySequence(m_list, key);
        QCOMPARE(Entries(), entries);
        QTEST(m_dialog.m_shown, "dialogShown");
        if (selected >= -1)
            QCOMPARE(m_list->currentRow(), selected);
        // The greying follows the selection the command left.
        const int now = m_list->currentRow();
        QCOMPARE(Enabled("priorityUpButton"), now > 0);
        QCOMPARE(Enabled("priorityDownButton"), now >= 0 && now < m_list->count() - 1);
        QCOMPARE(Enabled("propertyButton"), now >= 0);
        m_list->clearSelection(); // add and delete stay enabled for their messages
        QVERIFY(!Enabled("priorityUpButton") && !Enabled("priorityDownButton"));
        QVERIFY(!Enabled("propertyButton") && Enabled("addButton") && Enabled("deleteButton"));
        // The button says which key does its work.
        const QString tip = Find<QPushButton>(*m_window, button.constData())->toolTip();
        QVERIFY2(tip.contains(key.toString(QKeySequence::NativeText)), qPrintable(tip));
    }

    // In German, whose texts differ most from the English ones the names could fall back to.
    void screenReaders()
    {
        SetCurrentLanguageSlot(3);
        OpenWindowWithProfiles(3);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        for (int page = 0; page < 2; ++page) {
            m_window->ShowPage(page);
            VerifyScreenReaderView(m_window.get(), page == 0 ? "wired page" : "wireless page");
        }

        // Each entry says its place in the order.
        const QString format = MessageTextInSlot(Msg::WirelessEntryPriority, 3).toString();
        for (int row = 0; row < 3; ++row) {
            QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(m_list)->child(row);
            QVERIFY(entry && entry->text(QAccessible::Name) == Entries()[row]);
            QCOMPARE(entry->text(QAccessible::Description), format.arg(row + 1).arg(3));
        }

        CWifiSecurity dialog(m_window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        VerifyScreenReaderView(&dialog, "property dialog");
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
