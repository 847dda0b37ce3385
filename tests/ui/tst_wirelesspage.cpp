#include "DialogScript.h"
#include "IpAddressEdit.h"
#include "MessageCatalog.h"
#include "MessageRecorder.h"
#include "NetSetUtilDlg.h"
#include "ScriptedPathChooser.h"
#include "SecretCipher.h"
#include "WifiSecurity.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {


// What a user does for a new profile: SSID, the security entry at `position`, the key twice.
std::function<void(CWifiSecurity &)> TypeProfile(
    const QString &ssid, int position, const QString &key)
{
    return [=](CWifiSecurity &dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), ssid);
        Find<QComboBox>(dialog, "security")->setCurrentIndex(position);
        QTest::keyClicks(Find<QLineEdit>(dialog, "networkKey"), key);
        QTest::keyClicks(Find<QLineEdit>(dialog, "keyConfirm"), key);
        Press(dialog, "ok");
    };
}

QStringList ListTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QStringList MessageTexts(const CMessageRecorder &box)
{
    QStringList texts;
    for (const CMessageRecorder::Message &message : box.m_messages)
        texts.append(message.text);
    return texts;
}

} // namespace

class TestWirelessPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void init();
    void cleanup();

    void addOpensDialogAndAppends();
    void addCancelledAddsNothing();
    void addRefusedAtThirty();
    void doubleClickOpensProperty();
    void propertyClearThenCancelKeepsProfile();
    void propertyWithoutSelectionOpensNothing();
    void priorityButtonsMoveSelectedEntry();
    void deleteButton();
    void dragMovesEntryLikePriorityPresses();
    void createWritesListOrderAndLoadsBack();

private:
    QListWidget *List() const { return Find<QListWidget>(*m_window, "wirelessList"); }
    void Add(const QString &ssid, int position, const QString &key);

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
    m_windowBox.m_messages.clear();
    m_dialogBox.m_messages.clear();
    m_chooser = CScriptedPathChooser();
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
    CDialogScript script(TypeProfile(ssid, position, key));
    Press(*m_window, "addButton");
    QVERIFY(script.m_ran);
    QVERIFY(!script.m_leftOpen);
}

void TestWirelessPage::addOpensDialogAndAppends()
{
    Add(QStringLiteral("Alpha"), 5, QStringLiteral("alpha-secret"));
    Add(QStringLiteral("Beta"), 1, QStringLiteral("beta5"));

    QCOMPARE(ListTexts(List()), (QStringList { QStringLiteral("Alpha"), QStringLiteral("Beta") }));
    QCOMPARE(List()->currentRow(), 1);
    QVERIFY(List()->item(1)->isSelected());
    const CSettingsDocument &document = m_window->Document();
    QCOMPARE(document.m_wirelessSettings[0].m_ssid, QStringLiteral("Alpha"));
    QCOMPARE(document.m_wirelessSettings[0].m_securityMode, 4);
    QCOMPARE(document.m_wirelessSettings[0].m_networkKey, QStringLiteral("alpha-secret"));
    QCOMPARE(document.m_wirelessSettings[1].m_ssid, QStringLiteral("Beta"));
    QCOMPARE(document.m_wirelessSettings[1].m_securityMode, 1);
    QCOMPARE(document.m_wirelessSettings[1].m_connectAutomatically, 1);
    QCOMPARE(m_dialogBox.m_messages.size(), 0);
    QCOMPARE(m_windowBox.m_messages.size(), 0);
}

void TestWirelessPage::addCancelledAddsNothing()
{
    CDialogScript script([](CWifiSecurity &dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), QStringLiteral("Gamma"));
        Press(dialog, "cancel");
    });
    Press(*m_window, "addButton");
    QVERIFY(script.m_ran);
    QCOMPARE(List()->count(), 0);
    QCOMPARE(m_window->Document().m_wirelessSettings[0], CNetworkSetting());
}

void TestWirelessPage::addRefusedAtThirty()
{
    for (int i = 0; i < MaxWirelessProfiles; ++i) {
        m_window->Document().m_wirelessSettings[size_t(i)].m_ssid = QStringLiteral("n%1").arg(i);
        m_window->Document().m_controls.m_wirelessList.append({ QStringLiteral("n%1").arg(i), i });
    }
    m_window->ApplyControlState();
    CDialogScript script([](CWifiSecurity &dialog) { Press(dialog, "cancel"); });
    Press(*m_window, "addButton");
    QVERIFY(!script.m_ran);
    QCOMPARE(MessageTexts(m_windowBox),
        QStringList { QStringLiteral("Maximum number of wireless setting is 30.   ") });
    QCOMPARE(m_windowBox.m_messages.at(0).caption, QStringLiteral("Wireless setting"));
    QCOMPARE(List()->count(), 30);
}

void TestWirelessPage::doubleClickOpensProperty()
{
    Add(QStringLiteral("Alpha"), 0, QString());
    Add(QStringLiteral("Beta"), 0, QString());
    Add(QStringLiteral("Gamma"), 0, QString());

    QString shownSsid;
    CDialogScript script([&shownSsid](CWifiSecurity &dialog) {
        QLineEdit *ssid = Find<QLineEdit>(dialog, "ssid");
        shownSsid = ssid->text();
        ssid->selectAll();
        QTest::keyClicks(ssid, QStringLiteral("Beta 5G"));
        Press(dialog, "ok");
    });
    const QRect rect = List()->visualItemRect(List()->item(1));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(script.m_ran);
    QVERIFY(!script.m_leftOpen);

    QCOMPARE(shownSsid, QStringLiteral("Beta"));
    QCOMPARE(ListTexts(List()),
        (QStringList {
            QStringLiteral("Alpha"), QStringLiteral("Beta 5G"), QStringLiteral("Gamma") }));
    QVERIFY(List()->selectedItems().isEmpty());
    QCOMPARE(m_window->Document().m_wirelessSettings[1].m_ssid, QStringLiteral("Beta 5G"));
}

void TestWirelessPage::propertyClearThenCancelKeepsProfile()
{
    Add(QStringLiteral("Alpha"), 2, QStringLiteral("alpha-secret"));
    m_window->Document().m_wirelessSettings[0].m_connectAutomatically = 0;
    const CNetworkSetting before = m_window->Document().m_wirelessSettings[0];

    CDialogScript script([](CWifiSecurity &dialog) {
        Press(dialog, "clear");
        Press(dialog, "cancel");
    });
    Press(*m_window, "propertyButton");
    QVERIFY(script.m_ran);
    QCOMPARE(m_window->Document().m_wirelessSettings[0], before);
    QCOMPARE(ListTexts(List()), QStringList { QStringLiteral("Alpha") });
    QCOMPARE(List()->currentRow(), 0);
    QVERIFY(List()->item(0)->isSelected());
}

void TestWirelessPage::propertyWithoutSelectionOpensNothing()
{
    Add(QStringLiteral("Alpha"), 0, QString());
    List()->clearSelection();
    CDialogScript script([](CWifiSecurity &dialog) { Press(dialog, "cancel"); });
    Press(*m_window, "propertyButton");
    QVERIFY(!script.m_ran);
    QCOMPARE(m_windowBox.m_messages.size(), 0);
}

void TestWirelessPage::priorityButtonsMoveSelectedEntry()
{
    Add(QStringLiteral("A"), 0, QString());
    Add(QStringLiteral("B"), 0, QString());
    Add(QStringLiteral("C"), 0, QString());
    List()->setCurrentRow(1);
    Press(*m_window, "priorityUpButton");
    QCOMPARE(ListTexts(List()),
        (QStringList { QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C") }));
    QCOMPARE(List()->currentRow(), 0);
    Press(*m_window, "priorityUpButton");
    QCOMPARE(ListTexts(List()),
        (QStringList { QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C") }));
    Press(*m_window, "priorityDownButton");
    Press(*m_window, "priorityDownButton");
    QCOMPARE(ListTexts(List()),
        (QStringList { QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B") }));
    QCOMPARE(List()->currentRow(), 2);
    QVERIFY(List()->item(2)->isSelected());
    // Slots stay where they were: B is still slot 1.
    QCOMPARE(m_window->Document().m_controls.m_wirelessList.at(2).m_slot, 1);
}

void TestWirelessPage::deleteButton()
{
    Press(*m_window, "deleteButton");
    QCOMPARE(MessageTexts(m_windowBox), QStringList { QStringLiteral("No setting exist.   ") });
    QCOMPARE(m_windowBox.m_messages.at(0).caption, QStringLiteral("Wireless setting"));
    QCOMPARE(m_windowBox.m_messages.at(0).icon, MessageIcon::Information);

    Add(QStringLiteral("A"), 0, QString());
    Add(QStringLiteral("B"), 0, QString());
    List()->setCurrentRow(0);
    Press(*m_window, "deleteButton");
    QCOMPARE(ListTexts(List()), QStringList { QStringLiteral("B") });
    QCOMPARE(List()->currentRow(), 0);
    QCOMPARE(m_window->Document().m_wirelessSettings[0], CNetworkSetting());
    Press(*m_window, "deleteButton");
    QCOMPARE(List()->count(), 0);
    QVERIFY(List()->selectedItems().isEmpty());
    QCOMPARE(m_windowBox.m_messages.size(), 1);
}

void TestWirelessPage::dragMovesEntryLikePriorityPresses()
{
    QCOMPARE(List()->dragDropMode(), QAbstractItemView::InternalMove);
    Add(QStringLiteral("A"), 0, QString());
    Add(QStringLiteral("B"), 0, QString());
    Add(QStringLiteral("C"), 0, QString());
    List()->setCurrentRow(0);
    // A drop inside the list ends in the model moving the row; here A goes below C.
    QVERIFY(List()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QTRY_COMPARE(m_window->Document().m_controls.m_wirelessList.at(2).m_text, QStringLiteral("A"));

    QCOMPARE(ListTexts(List()),
        (QStringList { QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A") }));
    QCOMPARE(m_window->Document().m_controls.m_wirelessList.at(2).m_slot, 0);
    QCOMPARE(m_window->Document().m_controls.m_wirelessSelection, 2);
    QCOMPARE(List()->currentRow(), 2);
    QVERIFY(List()->item(2)->isSelected());
}

void TestWirelessPage::createWritesListOrderAndLoadsBack()
{
    Add(QStringLiteral("Alpha"), 5, QStringLiteral("alpha-secret"));
    Add(QStringLiteral("Beta"), 1, QStringLiteral("beta5"));
    Add(QStringLiteral("Open Cafe"), 0, QStringLiteral("ignored"));
    List()->setCurrentRow(1);
    Press(*m_window, "priorityUpButton");
    QCOMPARE(ListTexts(List()),
        (QStringList {
            QStringLiteral("Beta"), QStringLiteral("Alpha"), QStringLiteral("Open Cafe") }));

    Find<QCheckBox>(*m_window, "useWirelessCheck")->setChecked(true);
    m_chooser.m_folder = m_folder->path();
    Press(*m_window, "createSettingFileButton");
    QCOMPARE(MessageTexts(m_windowBox),
        QStringList { QStringLiteral("Settings file created successfully.   ") });

    QFile file(m_folder->filePath(QStringLiteral("NetworkSetting.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    const QStringList wired {
        QStringLiteral("[UserNetworkSetting]"),
        QStringLiteral("WIRED_DHCP=1"),
        QStringLiteral("WIRED_IP="),
        QStringLiteral("WIRED_SUBNET_MASK="),
        QStringLiteral("WIRED_DEFAULT_GATEWAY="),
        QStringLiteral("WIRED_DNS="),
        QStringLiteral("WIRED_DNS_SECONDARY="),
        QStringLiteral("WIRED_PROXY=0"),
        QStringLiteral("WIRED_PROXY_ADDRESS="),
        QStringLiteral("WIRED_PROXY_PORT="),
    };
    const auto profile = [](const QString &suffix, const QString &ssid, int mode) {
        return QStringList {
            QStringLiteral("WIRELESS_DHCP%1=1").arg(suffix),
            QStringLiteral("WIRELESS_IP%1=").arg(suffix),
            QStringLiteral("WIRELESS_SUBNET_MASK%1=").arg(suffix),
            QStringLiteral("WIRELESS_DEFAULT_GATEWAY%1=").arg(suffix),
            QStringLiteral("WIRELESS_DNS%1=").arg(suffix),
            QStringLiteral("WIRELESS_DNS_SECONDARY%1=").arg(suffix),
            QStringLiteral("WIRELESS_PROXY%1=0").arg(suffix),
            QStringLiteral("WIRELESS_PROXY_ADDRESS%1=").arg(suffix),
            QStringLiteral("WIRELESS_PROXY_PORT%1=").arg(suffix),
            QStringLiteral("WIRELESS_SSID%1=%2").arg(suffix, ssid),
            QStringLiteral("WIRELESS_SEQLITY_MODE%1=%2").arg(suffix).arg(mode),
            QStringLiteral("WIRELESS_PSK%1=").arg(suffix), // sealed value checked below
            QStringLiteral("WIRELESS_FORCE%1=0").arg(suffix),
            QStringLiteral("WIRELESS_CONNECTION_AUTOMATICALLY%1=1").arg(suffix),
        };
    };
    const QStringList common {
        QStringLiteral("[Common]"),
        QStringLiteral("NETWORK_PRIORITY=1"),
        QStringLiteral("NETWORK_DEVICE_POWER_MANAGEMENT=1"),
        QStringLiteral("WIRELESS_SETTING_TOTAL=3"),
        QString(),
    };
    const QStringList expected = wired + profile(QString(), QStringLiteral("Beta"), 1)
        + profile(QStringLiteral("_2"), QStringLiteral("Alpha"), 4)
        + profile(QStringLiteral("_3"), QStringLiteral("Open Cafe"), 0) + common;
    QCOMPARE(lines.size(), expected.size());

    const QRegularExpression sealedLine(QStringLiteral("^(WIRELESS_PSK(_\\d+)?=)([0-9A-F]*)$"));
    QStringList sealedKeys;
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch sealed = sealedLine.match(lines.at(i));
        if (!sealed.hasMatch()) {
            QCOMPARE(lines.at(i), expected.at(i));
            continue;
        }
        QCOMPARE(sealed.captured(1), expected.at(i));
        sealedKeys.append(sealed.captured(3));
    }
    QCOMPARE(sealedKeys.size(), 3);
    // A key of up to 16 bytes seals to the IV and one block: 64 hexadecimal digits.
    QCOMPARE(sealedKeys.at(0).size(), 64);
    QCOMPARE(sealedKeys.at(1).size(), 64);
    QCOMPARE(sealedKeys.at(2), QString());
    QString opened;
    QCOMPARE(DecryptSecret(sealedKeys.at(0), opened), 1);
    QCOMPARE(opened, QStringLiteral("beta5"));
    QCOMPARE(DecryptSecret(sealedKeys.at(1), opened), 1);
    QCOMPARE(opened, QStringLiteral("alpha-secret"));

    // A fresh window loads the file back into the same list.
    const auto writtenProfiles = m_window->Document().m_wirelessSettings;
    CNetSetUtilDlg loaded;
    CMessageRecorder loadBox;
    CScriptedPathChooser loadChooser;
    loaded.SetMessageBox(&loadBox);
    loaded.SetPathChooser(&loadChooser);
    loaded.StartSession(m_folder->filePath(QStringLiteral("other-state.dat")));
    loadChooser.m_file = file.fileName();
    Press(loaded, "loadSettingsButton");
    QCOMPARE(
        MessageTexts(loadBox), QStringList { QStringLiteral("Settings loaded successfully.   ") });
    const QListWidget *loadedList = Find<QListWidget>(loaded, "wirelessList");
    QCOMPARE(ListTexts(loadedList),
        (QStringList {
            QStringLiteral("Beta"), QStringLiteral("Alpha"), QStringLiteral("Open Cafe") }));
    const CSettingsDocument &document = loaded.Document();
    QCOMPARE(document.m_wirelessSettings[0], writtenProfiles[1]);
    QCOMPARE(document.m_wirelessSettings[1], writtenProfiles[0]);
    QCOMPARE(document.m_wirelessSettings[2], writtenProfiles[2]);
}

QTEST_MAIN(TestWirelessPage)
#include "tst_wirelesspage.moc"
