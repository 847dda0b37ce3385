#include "MessageRecorder.h"
#include "i18n/MessageCatalog.h"
#include "ui/AboutDlg.h"
#include "ui/IpAddressEdit.h"
#include "ui/Mnemonics.h"
#include "ui/NetSetUtilDlg.h"
#include "ui/WifiSecurity.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template<typename T> T *Find(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

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

// Every text with an Alt key that shows in `window` now, as Qt itself reads the keys: the
// controls, and the tabs of the tab bars.
struct ShownKey
{
    QString text;
    QKeySequence key;
    bool isLabel;
};

QList<ShownKey> ShownKeys(QWidget &window)
{
    QList<ShownKey> keys;
    const auto add = [&keys](const QString &text, bool isLabel = false) {
        keys.append({ text, QKeySequence::mnemonic(text), isLabel });
    };
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        if (auto *bar = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < bar->count(); ++i)
                add(bar->tabText(i));
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (!button->text().isEmpty())
                add(button->text());
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy()) {
            add(label->text(), true);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget); group && group->isCheckable()) {
            add(group->title());
        }
    }
    return keys;
}

void VerifyKeysUnique(QWidget &window, const char *where)
{
    const auto keys = ShownKeys(window);
    QVERIFY2(!keys.isEmpty(), where);
    QHash<QKeySequence, QString> seen;
    int unkeyedLabels = 0;
    for (const auto &[text, key, isLabel] : keys) {
        // A command always has its key; a label goes without one only when its text has no
        // letter left, as in a language with many long labels.
        QVERIFY2(!key.isEmpty() || isLabel,
            qPrintable(u"%1: no key for \"%2\""_s.arg(QLatin1String(where), text)));
        if (key.isEmpty()) {
            ++unkeyedLabels;
            continue;
        }
        QVERIFY2(!seen.contains(key),
            qPrintable(u"%1: \"%2\" and \"%3\" share %4"_s.arg(
                QLatin1String(where), text, seen.value(key), key.toString())));
        seen.insert(key, text);
    }
    QVERIFY2(unkeyedLabels <= 1, where);
}

QString Name(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls a screen reader visits, in the order of the accessibility tree.
void ReadingOrder(QAccessibleInterface *face, QWidget *window, QList<QWidget *> &order)
{
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface *child = face->child(i);
        if (!child)
            continue;
        auto *widget = qobject_cast<QWidget *>(child->object());
        if (widget && widget->isVisibleTo(window) && widget->focusPolicy() & Qt::TabFocus
            && widget->isEnabled() && !order.contains(widget))
            order.append(widget);
        ReadingOrder(child, window, order);
    }
}

QList<QWidget *> TabOrder(QWidget *window)
{
    QList<QWidget *> order;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(window) && w->focusPolicy() & Qt::TabFocus && w->isEnabled()
            && !order.contains(w))
            order.append(w);
    }
    return order;
}

QStringList ObjectNames(const QList<QWidget *> &widgets)
{
    QStringList names;
    for (const QWidget *w : widgets)
        names.append(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                               : w->objectName());
    return names;
}

void VerifyNamed(QWidget &window, const char *where)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const QString name = Name(widget);
        QVERIFY2(!name.trimmed().isEmpty(),
            qPrintable(u"%1: %2 has no name"_s.arg(QLatin1String(where), widget->objectName())));
        QVERIFY2(StripMnemonic(name) == name || name.contains(u"&"_s) == false,
            qPrintable(u"%1: %2 reads its key marking: %3"_s.arg(
                QLatin1String(where), widget->objectName(), name)));
    }
    // An address reads as a whole: the label's words, then the address as shown.
    for (QLabel *label : window.findChildren<QLabel *>()) {
        auto *address = qobject_cast<CIpAddressEdit *>(label->buddy());
        if (!address || !address->isVisibleTo(&window))
            continue;
        address->SetFields({ 192, 168, 7, CIpAddressEdit::BlankField });
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(address);
        QVERIFY2(StripMnemonic(label->text()).startsWith(face->text(QAccessible::Name))
                && face->text(QAccessible::Name).size() > 1,
            qPrintable(u"%1: %2 is named %3"_s.arg(
                QLatin1String(where), label->text(), face->text(QAccessible::Name))));
        QCOMPARE(face->text(QAccessible::Description), u"192.168.7."_s);
    }
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
        m_box.m_messages.clear();
        m_dialog.m_shown.clear();
        m_window->SetMessageBox(&m_box);
        m_window->SetPropertyDialog(&m_dialog);
        m_window->ShowPage(1);
        m_window->show();
        m_list = Find<QListWidget>(*m_window, "wirelessList");
        m_dialog.m_names = { u"A"_s, u"B"_s, u"C"_s, u"D"_s };
        for (int i = 0; i < count; ++i)
            Find<QPushButton>(*m_window, "addButton")->click();
    }

    QStringList Entries() const
    {
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row)
            texts.append(m_list->item(row)->text());
        return texts;
    }

private Q_SLOTS:
    void cleanup()
    {
        m_window.reset();
        SetCurrentLanguageSlot(0);
    }

    void keysUniqueInEverySlot_data()
    {
        QTest::addColumn<LanguageSlot>("slot");
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot)
            QTest::addRow("slot %u", slot) << slot;
    }
    void keysUniqueInEverySlot()
    {
        QFETCH(LanguageSlot, slot);
        SetCurrentLanguageSlot(slot);
        CNetSetUtilDlg window;
        for (int page = 0; page < 2; ++page) {
            window.ShowPage(page);
            VerifyKeysUnique(window, page == 0 ? "wired page" : "wireless page");
        }
        CWifiSecurity dialog(&window);
        VerifyKeysUnique(dialog, "property dialog");
        CAboutDlg about(&window);
        VerifyKeysUnique(about, "About box");
    }

    void tabsSwitchFromAnywhere_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << 0 << 1;
        QTest::newRow("Ctrl+Tab wraps") << int(Qt::Key_Tab) << ctrl << 1 << 0;
        QTest::newRow("Ctrl+PageDown") << int(Qt::Key_PageDown) << ctrl << 0 << 1;
        QTest::newRow("Ctrl+PageUp") << int(Qt::Key_PageUp) << ctrl << 1 << 0;
        QTest::newRow("Ctrl+PageUp wraps") << int(Qt::Key_PageUp) << ctrl << 0 << 1;
        QTest::newRow("Ctrl+Shift+Tab as X11 sends it")
            << int(Qt::Key_Backtab) << ctrlShift << 1 << 0;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Tab) << ctrlShift << 1 << 0;
    }
    void tabsSwitchFromAnywhere()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, from);
        QFETCH(int, to);
        CNetSetUtilDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *tabs = Find<QTabWidget>(window, "tabControl");
        window.ShowPage(from);
        // Focus on a command outside the tab control.
        QWidget *load = Find<QPushButton>(window, "loadSettingsButton");
        load->setFocus();
        QTest::keyClick(load, Qt::Key(key), modifiers);
        QCOMPARE(tabs->currentIndex(), to);
        // The tabs tell which keys do it.
        const QString tip = tabs->tabBar()->tabToolTip(to);
        QVERIFY2(
            tip.contains(QKeySequence(Qt::CTRL | Qt::Key_Tab).toString(QKeySequence::NativeText)),
            qPrintable(tip));
        QVERIFY2(tip.contains(
                     QKeySequence(Qt::CTRL | Qt::Key_PageUp).toString(QKeySequence::NativeText)),
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
        const QStringList abc { u"A"_s, u"B"_s, u"C"_s };
        QTest::newRow("Ctrl+Up moves up")
            << 1 << QKeySequence(Qt::CTRL | Qt::Key_Up) << QStringList { u"B"_s, u"A"_s, u"C"_s }
            << 0 << QStringList() << QByteArray("priorityUpButton");
        QTest::newRow("Ctrl+Down moves down")
            << 1 << QKeySequence(Qt::CTRL | Qt::Key_Down) << QStringList { u"A"_s, u"C"_s, u"B"_s }
            << 2 << QStringList() << QByteArray("priorityDownButton");
        QTest::newRow("Ctrl+Up on the first does nothing")
            << 0 << QKeySequence(Qt::CTRL | Qt::Key_Up) << abc << 0 << QStringList()
            << QByteArray("priorityUpButton");
        QTest::newRow("Ctrl+Down on the last does nothing")
            << 2 << QKeySequence(Qt::CTRL | Qt::Key_Down) << abc << 2 << QStringList()
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
        QFETCH(QStringList, dialogShown);
        QFETCH(QByteArray, button);
        OpenWindowWithProfiles(3);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(Entries(), (QStringList { u"A"_s, u"B"_s, u"C"_s }));
        m_dialog.m_shown.clear();
        m_list->setCurrentRow(row);
        m_list->setFocus();
        QTest::keySequence(m_list, key);
        QCOMPARE(Entries(), entries);
        if (selected >= -1)
            QCOMPARE(m_list->currentRow(), selected);
        QCOMPARE(m_dialog.m_shown, dialogShown);
        // The button says which key does its work.
        const QString tip = Find<QPushButton>(*m_window, button.constData())->toolTip();
        QVERIFY2(tip.contains(key.toString(QKeySequence::NativeText)), qPrintable(tip));
    }

    void buttonsThatCannotActAreGreyed_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("property");
        QTest::newRow("empty list") << 0 << -1 << false << false << false;
        QTest::newRow("nothing selected") << 3 << -1 << false << false << false;
        QTest::newRow("first") << 3 << 0 << false << true << true;
        QTest::newRow("middle") << 3 << 1 << true << true << true;
        QTest::newRow("last") << 3 << 2 << true << false << true;
        QTest::newRow("only") << 1 << 0 << false << false << true;
    }
    void buttonsThatCannotActAreGreyed()
    {
        QFETCH(int, count);
        QFETCH(int, row);
        QFETCH(bool, up);
        QFETCH(bool, down);
        QFETCH(bool, property);
        OpenWindowWithProfiles(count);
        if (row < 0)
            m_list->clearSelection();
        else
            m_list->setCurrentRow(row);
        QCOMPARE(Find<QPushButton>(*m_window, "priorityUpButton")->isEnabled(), up);
        QCOMPARE(Find<QPushButton>(*m_window, "priorityDownButton")->isEnabled(), down);
        QCOMPARE(Find<QPushButton>(*m_window, "propertyButton")->isEnabled(), property);
        // Their messages (the full list, the empty list) keep these two enabled.
        QVERIFY(Find<QPushButton>(*m_window, "addButton")->isEnabled());
        QVERIFY(Find<QPushButton>(*m_window, "deleteButton")->isEnabled());
    }

    void greyingFollowsTheCommands()
    {
        OpenWindowWithProfiles(2);
        m_list->setCurrentRow(1);
        auto *up = Find<QPushButton>(*m_window, "priorityUpButton");
        auto *down = Find<QPushButton>(*m_window, "priorityDownButton");
        up->click();
        QCOMPARE(m_list->currentRow(), 0);
        QVERIFY(!up->isEnabled());
        QVERIFY(down->isEnabled());
        Find<QPushButton>(*m_window, "deleteButton")->click();
        Find<QPushButton>(*m_window, "deleteButton")->click();
        QCOMPARE(m_list->count(), 0);
        QVERIFY(!up->isEnabled() && !down->isEnabled());
        QVERIFY(!Find<QPushButton>(*m_window, "propertyButton")->isEnabled());
    }

    void screenReaders_data()
    {
        QTest::addColumn<LanguageSlot>("slot");
        QTest::newRow("English") << LanguageSlot(0);
        QTest::newRow("German") << LanguageSlot(3);
    }
    void screenReaders()
    {
        QFETCH(LanguageSlot, slot);
        SetCurrentLanguageSlot(slot);
        OpenWindowWithProfiles(3);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        for (int page = 0; page < 2; ++page) {
            m_window->ShowPage(page);
            VerifyNamed(*m_window, page == 0 ? "wired page" : "wireless page");
            QList<QWidget *> reading;
            ReadingOrder(
                QAccessible::queryAccessibleInterface(m_window.get()), m_window.get(), reading);
            QCOMPARE(ObjectNames(reading), ObjectNames(TabOrder(m_window.get())));
        }

        // Each entry says its place in the order.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_list);
        QVERIFY(list);
        QStringList descriptions;
        for (int row = 0; row < m_list->count(); ++row) {
            QAccessibleInterface *entry = list->child(row);
            QVERIFY(entry);
            QCOMPARE(entry->text(QAccessible::Name), Entries()[row]);
            descriptions.append(entry->text(QAccessible::Description));
        }
        const QString format = MessageTextInSlot(Msg::WirelessEntryPriority, slot).toString();
        QCOMPARE(descriptions,
            (QStringList { format.arg(1).arg(3), format.arg(2).arg(3), format.arg(3).arg(3) }));
        QVERIFY(descriptions[0] != descriptions[1]);

        CWifiSecurity dialog(m_window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        VerifyNamed(dialog, "property dialog");
        QList<QWidget *> reading;
        ReadingOrder(QAccessible::queryAccessibleInterface(&dialog), &dialog, reading);
        QCOMPARE(ObjectNames(reading), ObjectNames(TabOrder(&dialog)));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
