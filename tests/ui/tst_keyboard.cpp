#include "DialogScript.h"
#include "MessageRecorder.h"
#include "ui/Mnemonics.h"
#include "ui/NetSetUtilDlg.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

// Stands in for the property dialog: each run names the profile after the next SSID.
struct CNamingDialog final : IWifiPropertyDialog
{
    DialogResult RunPropertyDialog(CNetworkSetting &profile) override
    {
        profile.m_ssid = m_names.isEmpty() ? u"X"_s : m_names.takeFirst();
        return DialogResult::Ok;
    }

    QStringList m_names;
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
void VerifyScreenReaderView(QWidget *window)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face ? face->text(QAccessible::Name) : QString();
        QVERIFY2(!name.trimmed().isEmpty() && StripMnemonic(name) == name,
            qPrintable(widget->objectName() + u'=' + name));
    }
    // An address reads as a whole: the label's words, then the address as shown.
    for (QLabel *label : window->findChildren<QLabel *>()) {
        auto *address = qobject_cast<CIpAddressEdit *>(label->buddy());
        if (!address || !address->isVisibleTo(window))
            continue;
        address->SetFields({ 192, 168, 7, CIpAddressEdit::BlankField });
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(address);
        const QString name = face->text(QAccessible::Name);
        QVERIFY2(name.size() > 1 && StripMnemonic(label->text()).startsWith(name),
            qPrintable(label->text() + u'=' + name));
        QCOMPARE(face->text(QAccessible::Description), u"192.168.7."_s);
    }
    QList<QWidget *> reading, tabbing;
    ReadingOrder(QAccessible::queryAccessibleInterface(window), window, reading);
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (Reached(w, window, tabbing))
            tabbing.append(w);
    QCOMPARE(reading, tabbing);
}

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_box;
    CNamingDialog m_dialog;
    QListWidget *m_list = nullptr;

    // The window with the profiles A, B and C listed; whether it came up active.
    bool OpenWindowWithThreeProfiles()
    {
        m_window = std::make_unique<CNetSetUtilDlg>();
        m_window->SetMessageBox(&m_box);
        m_window->SetPropertyDialog(&m_dialog);
        m_window->ShowPage(1);
        m_window->show();
        m_list = Find<QListWidget>(*m_window, "wirelessList");
        m_dialog.m_names = { u"A"_s, u"B"_s, u"C"_s, u"D"_s };
        for (int i = 0; i < 3; ++i)
            Press(*m_window, "addButton");
        return QTest::qWaitForWindowActive(m_window.get());
    }

    QStringList Entries() const
    {
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row)
            texts.append(m_list->item(row)->text());
        return texts;
    }

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void cleanup()
    {
        m_window.reset();
        SetCurrentLanguageSlot(0);
    }

    void addressLabelKeysEnterTheAddress_data()
    {
        QTest::addColumn<LanguageSlot>("slot");
        QTest::newRow("English") << LanguageSlot(0);
        QTest::newRow("Japanese, \"(&X)\" keys") << LanguageSlot(9);
    }
    // An address label's Alt key puts the cursor in the address's first octet, which it makes
    // then if the address has not been entered before.
    void addressLabelKeysEnterTheAddress()
    {
        QFETCH(LanguageSlot, slot);
        SetCurrentLanguageSlot(slot);
        m_window = std::make_unique<CNetSetUtilDlg>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        Click(Find<QRadioButton>(*m_window, "dhcpOffRadio")); // the addresses take input
        int entered = 0;
        for (QLabel *label : m_window->findChildren<QLabel *>()) {
            auto *address = qobject_cast<CIpAddressEdit *>(label->buddy());
            if (!address)
                continue;
            QVERIFY2(!address->findChild<QLineEdit *>(), qPrintable(label->text()));
            const QKeySequence key = QKeySequence::mnemonic(label->text());
            QVERIFY2(!key.isEmpty(), qPrintable(label->text()));
            QTest::keySequence(m_window.get(), key);
            // Taken before Field() is asked, which would make the octets itself.
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(qobject_cast<QLineEdit *>(focused));
            QCOMPARE(focused, address->Field(0));
            for (const char c : { '1', '0', '.', '2' })
                QTest::keyClick(QApplication::focusWidget(), c);
            QCOMPARE(address->Fields(), (std::array<int, 4> { 10, 2, -1, -1 }));
            ++entered;
        }
        QCOMPARE(entered, 5);
    }

    void tabsSwitchFromAnywhere()
    {
        QVERIFY(OpenWindowWithThreeProfiles());
        auto *tabs = Find<QTabWidget>(*m_window, "tabControl");
        // From a command outside the tab control, and each switch wraps round to the other tab;
        // the last one as X11 sends Ctrl+Shift+Tab.
        QWidget *load = Find<QPushButton>(*m_window, "loadSettingsButton");
        for (const QKeyCombination key : { Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageUp,
                 Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab }) {
            const int from = tabs->currentIndex();
            load->setFocus();
            QTest::keyClick(load, key.key(), key.keyboardModifiers());
            QCOMPARE(tabs->currentIndex(), 1 - from);
        }
    }

    void listKeys_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected"); // -2: not checked
        QTest::newRow("Ctrl+Up moves up") << 1 << QKeySequence(Qt::CTRL | Qt::Key_Up)
                                          << QStringList { u"B"_s, u"A"_s, u"C"_s } << 0;
        QTest::newRow("F2 opens the selected profile")
            << 2 << QKeySequence(Qt::Key_F2) << QStringList { u"A"_s, u"B"_s, u"D"_s } << -2;
        QTest::newRow("Delete deletes the selected profile")
            << 1 << QKeySequence(QKeySequence::Delete) << QStringList { u"A"_s, u"C"_s } << -2;
    }
    void listKeys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(int, selected);
        QVERIFY(OpenWindowWithThreeProfiles());
        QFETCH(int, row);
        m_list->setCurrentRow(row);
        m_list->setFocus();
        QTest::keySequence(m_list, key);
        QTEST(Entries(), "entries");
        if (selected >= -1)
            QCOMPARE(m_list->currentRow(), selected);
        // The greying follows the selection the command left.
        const int now = m_list->currentRow();
        const auto enabled = [&](const char *name) {
            return Find<QPushButton>(*m_window, name)->isEnabled();
        };
        QCOMPARE(enabled("priorityUpButton"), now > 0);
        QCOMPARE(enabled("priorityDownButton"), now >= 0 && now < m_list->count() - 1);
        QCOMPARE(enabled("propertyButton"), now >= 0);
    }

    // In German, whose texts differ most from the English ones the names could fall back to.
    void screenReaders()
    {
        SetCurrentLanguageSlot(3);
        QVERIFY(OpenWindowWithThreeProfiles());
        for (int page = 0; page < 2; ++page) {
            m_window->ShowPage(page);
            VerifyScreenReaderView(m_window.get());
        }
        // Each entry says its place in the order.
        QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(m_list)->child(1);
        QVERIFY(entry && entry->text(QAccessible::Name) == u"B"_s);
        QCOMPARE(entry->text(QAccessible::Description),
            MessageTextInSlot(Msg::WirelessEntryPriority, 3).toString().arg(2).arg(3));
        CWifiSecurity dialog(m_window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        VerifyScreenReaderView(&dialog);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
