#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"
#include "core/settings/SettingsReadBack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Once the folder is synced and before the read-back, the file is damaged as a failing card would.
class CDamagingSteps final : public CPosixFileSteps
{
public:
    QString m_path;
    QString m_damage;

    int SyncFolder(int folder) override
    {
        const int error = CPosixFileSteps::SyncFolder(folder);
        QFile file(m_path);
        if (m_damage == u"flip a byte") {
            QByteArray bytes = TestFiles::ReadAll(m_path);
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            TestFiles::Write(m_path, bytes);
        } else if (m_damage == u"lose the file" || m_damage == u"a folder in its place") {
            file.remove();
            if (m_damage == u"a folder in its place")
                ::mkdir(QFile::encodeName(m_path).constData(), 0755);
        }
        return error;
    }
};

// A static wired address, a proxy and three profiles; or, for "defaults", nothing.
void FillDocument(CSettingsDocument &document, const QString &kind)
{
    ConnectionControls &wired = document.m_controls.m_connection;
    if (kind != u"defaults") {
        wired.m_dhcpRadio = 1;
        wired.m_ipAddress.m_fields = { 192, 168, 1, 20 };
        wired.m_subnetMask.m_fields = { 255, 255, 255, 0 };
        wired.m_defaultGateway.m_fields = { 192, 168, 1, 1 };
        wired.m_dns.m_fields = { 8, 8, 8, 8 };
        wired.m_useProxyChecked = true;
        wired.m_proxyAddress.m_text = u"proxy.example"_s;
        wired.m_proxyPort.m_text = u"8080"_s;
        document.m_controls.m_useWirelessChecked = true;
        const QStringList names { u"Caf\u00e9 \u00e9tage"_s, u"home"_s, u"b=ad;\"q\""_s };
        for (int i = 0; i < names.size(); ++i) {
            const int slot = 5 - i; // listed in another order than the slots
            CNetworkSetting &profile = document.m_wirelessSettings[size_t(slot)];
            profile.m_ssid = names[i];
            profile.m_securityMode = SecurityModeWpa2PskAes;
            profile.m_networkKey = u"key \u00e4 %1 "_s.arg(i);
            profile.m_stealthSsid = i % 2;
            profile.m_connectAutomatically = i == 1 ? 0 : 1;
            if (i == 2) {
                profile.m_dhcp = 0;
                profile.m_ipAddress = IpAddressField::Complete(10, 0, 0, 9);
                profile.m_subnetMask = IpAddressField::Complete(255, 0, 0, 0);
            }
            document.m_controls.m_wirelessList.append({ names[i], slot });
        }
    }
}

} // namespace

// The suite runs under LC_ALL=C, so the system's texts are English.
class TestReadBack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createReports_data();
    void createReports();
    void fileThatLoadsOtherwise_data();
    void fileThatLoadsOtherwise();
};

void TestReadBack::createReports_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("detail"); // null: success; ending in "…": how it begins
    QTest::newRow("static address, proxy, profiles: success") << u"none"_s << QString();
    QTest::newRow("a flipped byte")
        << u"flip a byte"_s << u"The file read back from the folder is not what was written."_s;
    QTest::newRow("the file gone")
        << u"lose the file"_s << u"The file could not be read back: No such file or directory"_s;
    QTest::newRow("a folder in its place")
        << u"a folder in its place"_s << u"The file could not be read back: …"_s;
    QTest::newRow("a folder that is gone before the write")
        << u"pulled"_s
        << u"The file could not be written: No such file or directory. An earlier file is unchanged."_s;
}

void TestReadBack::createReports()
{
    QFETCH(QString, damage);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    CSettingsDocument document;
    FillDocument(document, u"full"_s);
    CMessageRecorder box;
    CScriptedPathChooser chooser;
    chooser.m_folder = damage == u"pulled" ? dir.filePath(u"pulled"_s) : dir.path();
    CDamagingSteps steps;
    steps.m_path = dir.filePath(u"NetworkSetting.ini"_s);
    steps.m_damage = damage;
    CreateSettingFileCommand(document, box, chooser, NoRemovableVolumes(), steps);

    QCOMPARE(box.m_messages.size(), 1);
    const CMessageRecorder::Message &m = box.m_messages.first();
    const QString line = MessageLine(m.text, m.caption, m.icon, m.buttons);
    if (detail.isNull()) {
        QCOMPARE(line,
            ExpectedMessage(
                Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information));
        return;
    }
    QCOMPARE(line,
        ExpectedMessage(
            Msg::SettingsFileCreateFailed, Msg::CreateSettingCaption, MessageIcon::Error));
    if (detail.endsWith(u'…'))
        QVERIFY2(m.detail.startsWith(detail.chopped(1)), qPrintable(m.detail));
    else
        QCOMPARE(m.detail, detail);
}

void TestReadBack::fileThatLoadsOtherwise_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("documentKind");
    QTest::newRow("the reader reports a bad value")
        << u"[UserNetworkSetting]\nWIRED_DHCP=0\nWIRED_IP=10.0.0.300\n"_s << u"defaults"_s;
    QTest::newRow("a clean file of other values")
        << u"[UserNetworkSetting]\nWIRED_DHCP=1\n[Common]\nPowerManagement=1\n"_s << u"full"_s;
}

void TestReadBack::fileThatLoadsOtherwise()
{
    QFETCH(QString, text);
    QFETCH(QString, documentKind);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    const QByteArray bytes = TestFiles::Bytes(text);
    QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    FillDocument(document, documentKind);
    document.Gather();
    document.m_wiredSetting = document.WiredSettingFromControls();
    QCOMPARE(CheckWrittenSettings(path, bytes, document).status, ReadBackStatus::ValuesDiffer);
}

QTEST_GUILESS_MAIN(TestReadBack)
#include "tst_readback.moc"
