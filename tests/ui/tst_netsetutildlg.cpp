#include "DialogScript.h"
#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/settings/StateFile.h"
#include "ui/IpAddressEdit.h"
#include "ui/NetSetUtilApp.h"
#include "ui/NetSetUtilDlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

constexpr int B = CIpAddressEdit::BlankField;

class TestNetSetUtilDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        FailOnWarnings();
        SetCurrentLanguageSlot(0);
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
        m_recorder = CMessageRecorder();
        m_window = std::make_unique<CNetSetUtilDlg>();
        m_window->SetMessageBox(&m_recorder);
    }
    void cleanup()
    {
        m_window.reset();
        m_config.reset();
    }

    void sessionSurvivesTheClose_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::addColumn<int>("result");
        QTest::newRow("close box") << false << int(QDialog::Rejected);
        QTest::newRow("Enter in the proxy address field") << true << int(QDialog::Accepted);
    }
    // The last run's folder values come back at the start, the typed wired values are added, and
    // the close saves both, by close box or Enter. The wireless profile comes through although
    // its page was never opened, so never built.
    void sessionSurvivesTheClose()
    {
        QFETCH(bool, enter);
        QVERIFY(TestFiles::Write(StateFilePath(),
            "[UserNetworkSetting]\r\nWIRELESS_SSID=office\r\n"
            "[NetworkSettingUtility]\r\nLAST_PATS=/media/card\r\nNETFOLDER_DEF=0\r\n"
            "NETFOLDER_NAME=nas-01\r\nNETFOLDER_UID=reader_1\r\nNETFOLDER_PASS=\r\n"));
        m_window->StartSession(StateFilePath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        Click(Find<QRadioButton>(*m_window, "dhcpOffRadio"));
        TypeAddress(Find<CIpAddressEdit>(*m_window, "ipAddressEdit"), u"10.1.2.3"_s);
        Click(Find<QCheckBox>(*m_window, "useProxyCheck"));
        auto *proxy = Find<QLineEdit>(*m_window, "proxyAddressEdit");
        QTest::keyClicks(proxy, u"proxy.example"_s);
        QTest::keyClicks(Find<QLineEdit>(*m_window, "proxyPortEdit"), u"80a80"_s);

        QVERIFY(!m_window->findChild<QListWidget *>(u"wirelessList"_s));
        enter ? QTest::keyClick(proxy, Qt::Key_Return) : void(m_window->close());
        QVERIFY(!m_window->isVisible());
        QTEST(m_window->result(), "result");
        QVERIFY(m_recorder.m_messages.isEmpty());
        const QByteArray state = TestFiles::ReadAll(StateFilePath());
        QVERIFY2(state.startsWith("[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=10.1.2.3\r\n"
                                  "WIRED_SUBNET_MASK=\r\nWIRED_DEFAULT_GATEWAY=\r\nWIRED_DNS=\r\n"
                                  "WIRED_DNS_SECONDARY=\r\nWIRED_PROXY=1\r\n"
                                  "WIRED_PROXY_ADDRESS=proxy.example\r\nWIRED_PROXY_PORT=8080\r\n"),
            state.constData());
        QVERIFY2(state.contains("\r\nWIRELESS_SSID=office\r\n"), state.constData());
        QVERIFY(
            state.contains("[NetworkSettingUtility]\r\nLAST_PATS=/media/card\r\nNETFOLDER_DEF=0\r\n"
                           "NETFOLDER_NAME=nas-01\r\nNETFOLDER_UID=reader_1\r\n"));
    }
    void controlStateRoundTrip_data()
    {
        // The wireless page is built when it first shows; values pushed before that are what
        // it shows once built.
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("pageBuiltFirst");
        for (bool built : { true, false }) {
            const char *page = built ? "page built" : "page built later";
            QTest::addRow("everything set and enabled, partial addresses, hostile texts, %s", page)
                << 1 << built;
            QTest::addRow("everything cleared and disabled, %s", page) << 0 << built;
            QTest::addRow("radio groups with no button chosen, %s", page) << -1 << built;
        }
    }
    void controlStateRoundTrip()
    {
        QFETCH(int, variant);
        QFETCH(bool, pageBuiltFirst);
        MainWindowControls in;
        in.m_connection.m_dhcpRadio = variant;
        const bool on = variant != 0;
        in.m_connection.m_proxyAddress.m_enabled = in.m_connection.m_proxyPort.m_enabled = on;
        for (AddressControl *a : in.m_connection.Addresses())
            a->m_enabled = on;
        if (on) {
            in.m_connection.m_ipAddress.m_fields = { 10, B, 3, B };
            in.m_connection.m_subnetMask.m_fields = { 255, 255, 255, 0 };
            in.m_connection.m_defaultGateway.m_fields = { 0, 0, 0, 0 };
            in.m_connection.m_dns.m_fields = { B, B, B, 0 };
            in.m_connection.m_secondaryDns.m_fields = { 1, 1, 1, 1 };
            in.m_connection.m_useProxyChecked = true;
            in.m_connection.m_proxyAddress.m_text = QString(1024, u'x') + u" =;\"\xe9\x263a"_s;
            in.m_connection.m_proxyPort.m_text = u" 80a "_s; // no digit rule on what a file gave
            in.m_useWirelessChecked = true;
            in.m_wirelessList
                = { { u"office"_s, 4 }, { u" lead and trail "_s, 29 }, { u"office"_s, 2 } };
            in.m_wirelessSelection = variant == 1 ? 2 : -1;
        }

        CSettingsDocument &document = m_window->Document();
        document.m_controls = in;
        const QStringList expected = DocumentProbe::Snapshot(document, true);
        if (pageBuiltFirst)
            m_window->ShowPage(1);
        m_window->ApplyControlState();
        if (!pageBuiltFirst)
            m_window->ShowPage(1);
        // What the widgets show is wiped; no widget shows the network folder values.
        document.m_controls.m_connection = {};
        document.m_controls.m_useWirelessChecked = false;
        document.m_controls.m_wirelessList.clear();
        document.m_controls.m_wirelessSelection = -1;
        m_window->CollectControlState();
        QCOMPARE(DocumentProbe::Snapshot(document, true), expected);
    }
    void runEndsWithZeroAfterTheWindowCloses()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        bool sawWindow = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<CNetSetUtilDlg *>(QApplication::activeModalWidget());
            sawWindow = window && window->isVisible() && window->close();
        });
        QCOMPARE(CNetSetUtilApp().Run(), 0);
        QVERIFY(sawWindow);
        QVERIFY(QFile::exists(StateFilePath()));
    }
    void createRefusingALoopbackAddressFocusesIt()
    {
        CScriptedPathChooser chooser;
        chooser.m_folder = m_config->path();
        m_window->SetPathChooser(&chooser);
        m_window->StartSession(StateFilePath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        Click(Find<QRadioButton>(*m_window, "dhcpOffRadio"));
        auto *ip = Find<CIpAddressEdit>(*m_window, "ipAddressEdit");
        TypeAddress(ip, u"127.9.9.9"_s);
        // The user moves on to the other tab before creating the file.
        Find<QTabWidget>(*m_window, "tabControl")->setCurrentIndex(1);
        Press(*m_window, "createSettingFileButton");

        QCOMPARE(m_recorder.m_messages.size(), 1);
        QCOMPARE(m_recorder.m_messages[0].caption + u'|' + m_recorder.m_messages[0].text,
            u"Wired LAN setting|Invalid IP address.   "_s);
        QCOMPARE(chooser.m_calls, QStringList());
        QCOMPARE(Find<QTabWidget>(*m_window, "tabControl")->currentIndex(), 0);
        QVERIFY(ip->isAncestorOf(QApplication::focusWidget())); // the edit or one of its fields
        QVERIFY(!QFile::exists(m_config->filePath(u"NetworkSetting.ini"_s)));
    }

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_recorder;
};

QTEST_MAIN(TestNetSetUtilDlg)
#include "tst_netsetutildlg.moc"
