#include "DialogScript.h"
#include "MessageRecorder.h"
#include "NetSetUtilDlg.h"
#include "ScriptedPathChooser.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

// The list's entries, top first, joined by commas.
QString Shown(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts.join(u',');
}

} // namespace

// The wireless page with the real property dialog, run modally and played by a script.
class TestWirelessPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void init();
    void cleanup();

    void propertyEditsTheChosenEntry();
    void listButtonsAndDragMoveEntries();
    void addThenCreateAndLoadBack();

private:
    QListWidget *List() const { return Find<QListWidget>(*m_window, "wirelessList"); }
    // Add, then in the dialog: the SSID, the security entry at `position`, the key twice, OK.
    void Add(const QString &ssid, int position = 0, const QString &key = QString());

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CNetSetUtilDlg> m_window;
    std::unique_ptr<CWifiSecurityLauncher> m_launcher;
    CMessageRecorder m_windowBox;
    CMessageRecorder m_dialogBox;
    CScriptedPathChooser m_chooser;
};

void TestWirelessPage::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_windowBox = CMessageRecorder();
    m_dialogBox = CMessageRecorder();
    m_window = std::make_unique<CNetSetUtilDlg>();
    m_window->SetMessageBox(&m_windowBox);
    m_window->SetPathChooser(&m_chooser);
    m_launcher = std::make_unique<CWifiSecurityLauncher>(m_window.get(), &m_dialogBox);
    m_window->SetPropertyDialog(m_launcher.get());
    m_window->StartSession(m_folder->filePath(QStringLiteral("state.dat")));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->ShowPage(1);
}

void TestWirelessPage::cleanup()
{
    m_window.reset();
    m_launcher.reset();
    m_folder.reset();
}

void TestWirelessPage::Add(const QString &ssid, int position, const QString &key)
{
    CDialogScript script([=](CWifiSecurity &dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), ssid);
        Find<QComboBox>(dialog, "security")->setCurrentIndex(position);
        QTest::keyClicks(Find<QLineEdit>(dialog, "networkKey"), key);
        QTest::keyClicks(Find<QLineEdit>(dialog, "keyConfirm"), key);
        Press(dialog, "ok");
    });
    Press(*m_window, "addButton");
    QVERIFY(script.m_ran);
    QVERIFY(!script.m_leftOpen);
}

void TestWirelessPage::propertyEditsTheChosenEntry()
{
    Add(QStringLiteral("Alpha"), 2, QStringLiteral("alpha-secret"));
    Add(QStringLiteral("Beta"));
    QString shownSsid;
    CDialogScript renamed([&shownSsid](CWifiSecurity &dialog) {
        QLineEdit *ssid = Find<QLineEdit>(dialog, "ssid");
        shownSsid = ssid->text();
        ssid->selectAll();
        QTest::keyClicks(ssid, QStringLiteral("Beta 5G"));
        Press(dialog, "ok");
    });
    const QRect rect = List()->visualItemRect(List()->item(1));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(renamed.m_ran && !renamed.m_leftOpen);
    QCOMPARE(shownSsid, QStringLiteral("Beta"));
    QCOMPARE(Shown(List()), QStringLiteral("Alpha,Beta 5G"));
    QVERIFY(List()->selectedItems().isEmpty());
    QCOMPARE(m_window->Document().m_wirelessSettings[1].m_ssid, QStringLiteral("Beta 5G"));

    // Cancel resets the dialog's working profile; the list's own profile must survive it.
    m_window->Document().m_wirelessSettings[0].m_connectAutomatically = 0;
    const CNetworkSetting before = m_window->Document().m_wirelessSettings[0];
    List()->setCurrentRow(0);
    CDialogScript cancelled([](CWifiSecurity &dialog) {
        Press(dialog, "clear");
        Press(dialog, "cancel");
    });
    Press(*m_window, "propertyButton");
    QVERIFY(cancelled.m_ran);
    QCOMPARE(m_window->Document().m_wirelessSettings[0], before);
    QCOMPARE(Shown(List()), QStringLiteral("Alpha,Beta 5G"));
    QVERIFY(List()->item(0)->isSelected());
}

void TestWirelessPage::listButtonsAndDragMoveEntries()
{
    Add(QStringLiteral("A"));
    Add(QStringLiteral("B"));
    Add(QStringLiteral("C"));
    const MainWindowControls &controls = m_window->Document().m_controls;
    List()->setCurrentRow(1);
    Press(*m_window, "priorityUpButton");
    QCOMPARE(Shown(List()), QStringLiteral("B,A,C"));
    QCOMPARE(List()->currentRow(), 0);
    Press(*m_window, "priorityDownButton");
    Press(*m_window, "priorityDownButton");
    QCOMPARE(Shown(List()), QStringLiteral("A,C,B"));
    QCOMPARE(List()->currentRow(), 2);
    // Entries move, slots stay: B is still slot 1.
    QCOMPARE(controls.m_wirelessList.at(2).m_slot, 1);

    // A drop inside the list ends in the model moving the row; here A goes below B.
    QCOMPARE(List()->dragDropMode(), QAbstractItemView::InternalMove);
    List()->setCurrentRow(0);
    QVERIFY(List()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QTRY_COMPARE(controls.m_wirelessList.at(2).m_text, QStringLiteral("A"));
    QCOMPARE(Shown(List()), QStringLiteral("C,B,A"));
    QCOMPARE(controls.m_wirelessList.at(2).m_slot, 0);
    QVERIFY(List()->item(2)->isSelected());

    Press(*m_window, "deleteButton");
    QCOMPARE(Shown(List()), QStringLiteral("C,B"));
    QCOMPARE(m_window->Document().m_wirelessSettings[0], CNetworkSetting());
    QCOMPARE(m_windowBox.m_messages.size(), 0);
}

void TestWirelessPage::addThenCreateAndLoadBack()
{
    Add(QStringLiteral("Alpha"), 5, QStringLiteral("alpha-secret"));
    Add(QStringLiteral("Beta"), 1, QStringLiteral("beta5"));
    CDialogScript cancelled([](CWifiSecurity &dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), QStringLiteral("Gamma"));
        Press(dialog, "cancel");
    });
    Press(*m_window, "addButton");
    QVERIFY(cancelled.m_ran);
    Add(QStringLiteral("Open Cafe"));
    QCOMPARE(Shown(List()), QStringLiteral("Alpha,Beta,Open Cafe"));
    QVERIFY(List()->item(2)->isSelected());
    const auto &profiles = m_window->Document().m_wirelessSettings;
    QCOMPARE(profiles[0].m_securityMode, 4); // the sixth entry, WPA2 PSK AES
    QCOMPARE(profiles[0].m_networkKey, QStringLiteral("alpha-secret"));
    QCOMPARE(profiles[1].m_securityMode, 1);
    QCOMPARE(profiles[2].m_ssid, QStringLiteral("Open Cafe"));
    QCOMPARE(profiles[3], CNetworkSetting());
    QCOMPARE(m_dialogBox.m_messages.size(), 0);

    List()->setCurrentRow(1);
    Press(*m_window, "priorityUpButton");
    m_chooser.m_folder = m_folder->path();
    Press(*m_window, "createSettingFileButton");
    QCOMPARE(m_windowBox.m_messages.size(), 1);
    QCOMPARE(m_windowBox.m_messages.at(0).text,
        QStringLiteral("Settings file created successfully.   "));

    // A fresh window loads the file back into the same list and profiles, keys included.
    CNetSetUtilDlg loaded;
    CMessageRecorder loadBox;
    CScriptedPathChooser loadChooser;
    loaded.SetMessageBox(&loadBox);
    loaded.SetPathChooser(&loadChooser);
    loaded.StartSession(m_folder->filePath(QStringLiteral("other-state.dat")));
    loadChooser.m_file = m_folder->filePath(QStringLiteral("NetworkSetting.ini"));
    Press(loaded, "loadSettingsButton");
    QCOMPARE(loadBox.m_messages.size(), 1);
    QCOMPARE(loadBox.m_messages.at(0).text, QStringLiteral("Settings loaded successfully.   "));
    QCOMPARE(
        Shown(Find<QListWidget>(loaded, "wirelessList")), QStringLiteral("Beta,Alpha,Open Cafe"));
    const auto &read = loaded.Document().m_wirelessSettings;
    QCOMPARE(read[0], profiles[1]);
    QCOMPARE(read[1], profiles[0]);
    QCOMPARE(read[2], profiles[2]);
}

QTEST_MAIN(TestWirelessPage)
#include "tst_wirelesspage.moc"
