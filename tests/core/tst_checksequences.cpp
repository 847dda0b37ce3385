#include "CheckSequences.h"
#include "LoadReports.h"
#include "MessageRecorder.h"

#include <QTest>


namespace {


struct FolderInput
{
    QString name;
    QString userId;
    QString password;
    QString confirm;
};

void SetFolder(CSettingsDocument &document, int mode, const FolderInput &input)
{
    MainWindowControls &c = document.m_controls;
    c.m_folderModeRadio = mode;
    c.m_deviceName.m_text = input.name;
    c.m_userId.m_text = input.userId;
    c.m_password.m_text = input.password;
    c.m_passwordConfirm.m_text = input.confirm;
}

void SetProxy(
    CSettingsDocument &document, bool useProxy, const QString &address, const QString &port)
{
    MainWindowControls &c = document.m_controls;
    c.m_useProxyChecked = useProxy;
    c.m_proxyAddress.m_text = address;
    c.m_proxyPort.m_text = port;
}


} // namespace

class TestCheckSequences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void defaultFolderSettingChecksNothing();
    void networkFolder_data();
    void networkFolder();
    void networkFolderMessageForm();
    void folderModeIsTakenFromTheControls();
    void wiredLan_data();
    void wiredLan();
    void wiredLanMessageForm();
    void wiredLanLeavesAddressesAlone();
};

void TestCheckSequences::initTestCase()
{
    SetCurrentLanguageSlot(0);
}

void TestCheckSequences::defaultFolderSettingChecksNothing()
{
    CSettingsDocument document;
    const FolderInput bad { QStringLiteral("12_"), QStringLiteral("a.b"), Chars(40),
        QStringLiteral("other") };
    SetFolder(document, 0, bad);
    CMessageRecorder recorder;
    QCOMPARE(ValidateNetworkFolder(document, recorder, true, true), 1);
    QCOMPARE(ValidateNetworkFolder(document, recorder, true, false), 1);
    QVERIFY(recorder.m_messages.isEmpty());
    QCOMPARE(document.m_controls.m_deviceName.m_text, bad.name);
    QCOMPARE(document.m_controls.m_userId.m_text, bad.userId);
    QCOMPARE(document.m_controls.m_password.m_text, bad.password);
    QCOMPARE(document.m_controls.m_passwordConfirm.m_text, bad.confirm);
}

void TestCheckSequences::networkFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("stopAtFirst");
    QTest::addColumn<int>("expected");
    QTest::addColumn<MessageIds>("messages");
    // Field contents afterwards: name, user ID, password, confirmation.
    QTest::addColumn<QStringList>("after");

    const QString name = QStringLiteral("nas-01");
    const QString uid = QStringLiteral("user_1");
    const QString pwd = QStringLiteral("Secret 1");
    const QStringList valid { name, uid, pwd, pwd };

    for (const bool stop : { true, false }) {
        const char *tag = stop ? "stop" : "no stop";
        QTest::addRow("all valid (%s)", tag)
            << name << uid << pwd << pwd << stop << 1 << MessageIds {} << valid;
        QTest::addRow("name of 15 chars passes (%s)", tag)
            << Chars(15) << uid << pwd << pwd << stop << 1 << MessageIds {}
            << QStringList { Chars(15), uid, pwd, pwd };
        QTest::addRow("user ID of 32 chars passes (%s)", tag)
            << name << Chars(32) << pwd << pwd << stop << 1 << MessageIds {}
            << QStringList { name, Chars(32), pwd, pwd };
        QTest::addRow("password of 32 chars passes (%s)", tag)
            << name << uid << Chars(32) << Chars(32) << stop << 1 << MessageIds {}
            << QStringList { name, uid, Chars(32), Chars(32) };
        QTest::addRow("empty passwords pass (%s)", tag)
            << name << uid << QString() << QString() << stop << 1 << MessageIds {}
            << QStringList { name, uid, QString(), QString() };
        QTest::addRow("password with e acute passes (%s)", tag)
            << name << uid << QStringLiteral("caf\u00e9") << QStringLiteral("caf\u00e9") << stop
            << 1 << MessageIds {}
            << QStringList { name, uid, QStringLiteral("caf\u00e9"), QStringLiteral("caf\u00e9") };
        QTest::addRow("name of 16 chars is too long (%s)", tag)
            << Chars(16) << uid << pwd << pwd << stop << 0 << MessageIds { 72 }
            << QStringList { QString(), uid, pwd, pwd };
        QTest::addRow("name with underscore (%s)", tag)
            << QStringLiteral("my_nas") << uid << pwd << pwd << stop << 0 << MessageIds { 73 }
            << QStringList { QString(), uid, pwd, pwd };
        QTest::addRow("name of digits only (%s)", tag)
            << QStringLiteral("123") << uid << pwd << pwd << stop << 0 << MessageIds { 74 }
            << QStringList { QString(), uid, pwd, pwd };
        QTest::addRow("name of hyphens only (%s)", tag)
            << QStringLiteral("--") << uid << pwd << pwd << stop << 0 << MessageIds { 75 }
            << QStringList { QString(), uid, pwd, pwd };
        QTest::addRow("user ID of 33 chars is too long (%s)", tag)
            << name << Chars(33) << pwd << pwd << stop << 0 << MessageIds { 78 }
            << QStringList { name, QString(), pwd, pwd };
        QTest::addRow("user ID with full stop (%s)", tag)
            << name << QStringLiteral("john.doe") << pwd << pwd << stop << 0 << MessageIds { 79 }
            << QStringList { name, QString(), pwd, pwd };
        QTest::addRow("passwords differ in case (%s)", tag)
            << name << uid << QStringLiteral("abc") << QStringLiteral("ABC") << stop << 0
            << MessageIds { 80 } << QStringList { name, uid, QString(), QString() };
        QTest::addRow("password of 33 chars is too long (%s)", tag)
            << name << uid << Chars(33) << Chars(33) << stop << 0 << MessageIds { 81 }
            << QStringList { name, uid, QString(), QString() };
        QTest::addRow("password with character 256 (%s)", tag)
            << name << uid << QStringLiteral("ab\u0100") << QStringLiteral("ab\u0100") << stop << 0
            << MessageIds { 82 } << QStringList { name, uid, QString(), QString() };
        QTest::addRow("password with tab (%s)", tag)
            << name << uid << QStringLiteral("a\tb") << QStringLiteral("a\tb") << stop << 0
            << MessageIds { 82 } << QStringList { name, uid, QString(), QString() };
    }

    QTest::newRow("empty name with stop shows 71 only")
        << QString() << uid << pwd << pwd << true << 0 << MessageIds { 71 }
        << QStringList { QString(), uid, pwd, pwd };
    QTest::newRow("empty name without stop shows 71 then 72")
        << QString() << uid << pwd << pwd << false << 0 << MessageIds { 71, 72 }
        << QStringList { QString(), uid, pwd, pwd };
    QTest::newRow("empty user ID with stop shows 77 only")
        << name << QString() << pwd << pwd << true << 0 << MessageIds { 77 }
        << QStringList { name, QString(), pwd, pwd };
    QTest::newRow("empty user ID without stop shows 77 then 78")
        << name << QString() << pwd << pwd << false << 0 << MessageIds { 77, 78 }
        << QStringList { name, QString(), pwd, pwd };
    QTest::newRow("every field wrong, stop at the name")
        << QStringLiteral("a_b") << QStringLiteral("a.b") << Chars(33) << Chars(33) << true << 0
        << MessageIds { 73 }
        << QStringList { QString(), QStringLiteral("a.b"), Chars(33), Chars(33) };
    QTest::newRow("every field wrong, all reported in order")
        << QStringLiteral("a_b") << QStringLiteral("a.b") << Chars(33) << Chars(33) << false << 0
        << MessageIds { 73, 79, 81 } << QStringList { QString(), QString(), QString(), QString() };
    QTest::newRow("all empty without stop")
        << QString() << QString() << QString() << QString() << false << 0
        << MessageIds { 71, 72, 77, 78 }
        << QStringList { QString(), QString(), QString(), QString() };
    QTest::newRow("mismatch empties both, so the length check passes")
        << name << uid << Chars(40) << Chars(39) << false << 0 << MessageIds { 80 }
        << QStringList { name, uid, QString(), QString() };
    QTest::newRow("bad name and mismatch without stop")
        << QStringLiteral("999") << uid << QStringLiteral("x") << QStringLiteral("y") << false << 0
        << MessageIds { 74, 80 } << QStringList { QString(), uid, QString(), QString() };
    QTest::newRow("bad name and mismatch, stop keeps the passwords")
        << QStringLiteral("999") << uid << QStringLiteral("x") << QStringLiteral("y") << true << 0
        << MessageIds { 74 }
        << QStringList { QString(), uid, QStringLiteral("x"), QStringLiteral("y") };
}

void TestCheckSequences::networkFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, userId);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(bool, stopAtFirst);
    QFETCH(int, expected);
    QFETCH(MessageIds, messages);
    QFETCH(QStringList, after);

    for (const bool showMessages : { true, false }) {
        CSettingsDocument document;
        SetFolder(document, 1, { name, userId, password, confirm });
        CMessageRecorder recorder;
        QCOMPARE(ValidateNetworkFolder(document, recorder, showMessages, stopAtFirst), expected);
        QCOMPARE(
            IdsOf(recorder, Msg::NetworkFolderCaption), showMessages ? messages : MessageIds {});
        const MainWindowControls &c = document.m_controls;
        QCOMPARE(QStringList({ c.m_deviceName.m_text, c.m_userId.m_text, c.m_password.m_text,
                     c.m_passwordConfirm.m_text }),
            after);
        QCOMPARE(document.m_folderSettingMode, 1);
    }
}

void TestCheckSequences::networkFolderMessageForm()
{
    CSettingsDocument document;
    SetFolder(document, 1, { QString(), QStringLiteral("u"), QString(), QString() });
    CMessageRecorder recorder;
    QCOMPARE(ValidateNetworkFolder(document, recorder, true, false), 0);
    QCOMPARE(recorder.m_messages.size(), 2);
    QCOMPARE(recorder.m_messages[0].text, QStringLiteral("Please input Device name.   "));
    QCOMPARE(recorder.m_messages[1].text,
        QStringLiteral("Valid length of Device name is from 1 to 15 characters.   "));
    for (const CMessageRecorder::Message &m : recorder.m_messages) {
        QCOMPARE(m.caption, QStringLiteral("Network folder setting"));
        QCOMPARE(m.icon, MessageIcon::Error);
        QCOMPARE(m.buttons, MessageButtons::Ok);
    }
    QCOMPARE(document.m_messageText,
        QStringLiteral("Valid length of Device name is from 1 to 15 characters.   "));
}

void TestCheckSequences::folderModeIsTakenFromTheControls()
{
    CSettingsDocument document;
    document.m_folderSettingMode = 0;
    SetFolder(document, 1, { QStringLiteral("123"), QStringLiteral("u"), QString(), QString() });
    CMessageRecorder recorder;
    QCOMPARE(ValidateNetworkFolder(document, recorder, true, true), 0);
    QCOMPARE(IdsOf(recorder, Msg::NetworkFolderCaption), MessageIds { 74 });

    document.m_folderSettingMode = 1;
    document.m_controls.m_folderModeRadio = 0;
    document.m_controls.m_deviceName.m_text = QStringLiteral("123");
    recorder.m_messages.clear();
    QCOMPARE(ValidateNetworkFolder(document, recorder, true, true), 1);
    QVERIFY(recorder.m_messages.isEmpty());
    QCOMPARE(document.m_folderSettingMode, 0);
}

void TestCheckSequences::wiredLan_data()
{
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("stopAtFirst");
    QTest::addColumn<int>("expected");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QString>("addressAfter");
    QTest::addColumn<QString>("portAfter");

    const QString host = QStringLiteral("proxy.example.net");
    const QString port = QStringLiteral("8080");
    const QString del = QStringLiteral("a\u007fb");

    for (const bool stop : { true, false }) {
        const char *tag = stop ? "stop" : "no stop";
        QTest::addRow("proxy on, valid values (%s)", tag)
            << true << host << port << stop << 1 << MessageIds {} << host << port;
        QTest::addRow("proxy on, port 80x passes (%s)", tag)
            << true << host << QStringLiteral("80x") << stop << 1 << MessageIds {} << host
            << QStringLiteral("80x");
        QTest::addRow("proxy on, address of 1023 chars passes (%s)", tag)
            << true << Chars(1023) << port << stop << 1 << MessageIds {} << Chars(1023) << port;
        QTest::addRow("proxy on, empty address (%s)", tag)
            << true << QString() << port << stop << 0 << MessageIds { 84 } << QString() << port;
        QTest::addRow("proxy on, address with character 127 (%s)", tag)
            << true << del << port << stop << 0 << MessageIds { 86 } << QString() << port;
        QTest::addRow("proxy on, address of 1024 chars (%s)", tag)
            << true << Chars(1024) << port << stop << 0 << MessageIds { 88 } << QString() << port;
        QTest::addRow("proxy on, empty port (%s)", tag)
            << true << host << QString() << stop << 0 << MessageIds { 85 } << host << QString();
        QTest::addRow("proxy on, port 0 (%s)", tag) << true << host << QStringLiteral("0") << stop
                                                    << 0 << MessageIds { 87 } << host << QString();
        QTest::addRow("proxy on, port 65536 (%s)", tag)
            << true << host << QStringLiteral("65536") << stop << 0 << MessageIds { 87 } << host
            << QString();
        QTest::addRow("proxy on, port 65535 passes (%s)", tag)
            << true << host << QStringLiteral("65535") << stop << 1 << MessageIds {} << host
            << QStringLiteral("65535");
        QTest::addRow("proxy on, port with a character 256 (%s)", tag)
            << true << host << QStringLiteral("80\u0100") << stop << 0 << MessageIds { 87 } << host
            << QString();
        QTest::addRow("proxy off, valid values stay (%s)", tag)
            << false << host << port << stop << 1 << MessageIds {} << host << port;
        QTest::addRow("proxy off, invalid port silently emptied (%s)", tag)
            << false << host << QStringLiteral("65536") << stop << 1 << MessageIds {} << host
            << QString();
        QTest::addRow("proxy off, invalid address silently emptied (%s)", tag)
            << false << del << port << stop << 1 << MessageIds {} << QString() << port;
        QTest::addRow("proxy off, empty values pass (%s)", tag)
            << false << QString() << QString() << stop << 1 << MessageIds {} << QString()
            << QString();
    }
    QTest::newRow("proxy on, both empty, stop at the address")
        << true << QString() << QString() << true << 0 << MessageIds { 84 } << QString()
        << QString();
    QTest::newRow("proxy on, both bad, stop keeps the port")
        << true << del << QStringLiteral("0") << true << 0 << MessageIds { 86 } << QString()
        << QStringLiteral("0");
    QTest::newRow("proxy on, both bad, both reported")
        << true << del << QStringLiteral("0") << false << 0 << MessageIds { 86, 87 } << QString()
        << QString();
    QTest::newRow("proxy on, both empty, both reported")
        << true << QString() << QString() << false << 0 << MessageIds { 84, 85 } << QString()
        << QString();
}

void TestCheckSequences::wiredLan()
{
    QFETCH(bool, useProxy);
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(bool, stopAtFirst);
    QFETCH(int, expected);
    QFETCH(MessageIds, messages);
    QFETCH(QString, addressAfter);
    QFETCH(QString, portAfter);

    for (const bool showMessages : { true, false }) {
        CSettingsDocument document;
        SetProxy(document, useProxy, address, port);
        CMessageRecorder recorder;
        QCOMPARE(ValidateWiredLan(document, recorder, showMessages, stopAtFirst), expected);
        QCOMPARE(IdsOf(recorder, Msg::WiredLanCaption), showMessages ? messages : MessageIds {});
        QCOMPARE(document.m_controls.m_proxyAddress.m_text, addressAfter);
        QCOMPARE(document.m_controls.m_proxyPort.m_text, portAfter);
        // The sequence reports; switching the proxy off is its caller's decision.
        QCOMPARE(document.m_controls.m_useProxyChecked, useProxy);
        QCOMPARE(document.m_wiredUseProxy, useProxy ? 1 : 0);
    }
}

void TestCheckSequences::wiredLanMessageForm()
{
    CSettingsDocument document;
    SetProxy(document, true, QString(), QString());
    CMessageRecorder recorder;
    QCOMPARE(ValidateWiredLan(document, recorder, true, false), 0);
    QCOMPARE(recorder.m_messages.size(), 2);
    QCOMPARE(recorder.m_messages[0].text, QStringLiteral("Please input Proxy address.   "));
    QCOMPARE(recorder.m_messages[1].text, QStringLiteral("Please input Proxy port.   "));
    for (const CMessageRecorder::Message &m : recorder.m_messages) {
        QCOMPARE(m.caption, QStringLiteral("Wired LAN setting"));
        QCOMPARE(m.icon, MessageIcon::Error);
        QCOMPARE(m.buttons, MessageButtons::Ok);
    }
}

void TestCheckSequences::wiredLanLeavesAddressesAlone()
{
    CSettingsDocument document;
    document.m_controls.m_dhcpModeRadio = 1;
    document.m_controls.m_ipAddress.m_fields = { 127, 0, 0, 1 };
    document.m_controls.m_subnetMask.m_fields = { 255, -1, -1, -1 };
    SetProxy(document, false, QString(), QString());
    CMessageRecorder recorder;
    QCOMPARE(ValidateWiredLan(document, recorder, true, true), 1);
    QVERIFY(recorder.m_messages.isEmpty());
    QCOMPARE(document.m_controls.m_ipAddress.m_fields, (std::array<int, 4> { 127, 0, 0, 1 }));
    QCOMPARE(document.m_controls.m_subnetMask.m_fields, (std::array<int, 4> { 255, -1, -1, -1 }));
    QCOMPARE(document.m_dhcpMode, 1);
}

QTEST_GUILESS_MAIN(TestCheckSequences)
#include "tst_checksequences.moc"
