#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReadBack.h"
#include "core/settings/SettingsWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// The real file steps; once the folder is synced, before anything reads the file back, it is
// damaged on disk the way a failing card or a second writer would.
class CDamagingSteps final : public CPosixFileSteps
{
public:
    CDamagingSteps(QString path, QString damage)
        : m_path(std::move(path))
        , m_damage(std::move(damage))
    { }

    int SyncFolder(int folder) override
    {
        const int error = CPosixFileSteps::SyncFolder(folder);
        QFile file(m_path);
        if (m_damage == u"flip a byte") {
            QByteArray bytes = TestFiles::ReadAll(m_path);
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            TestFiles::Write(m_path, bytes);
        } else if (m_damage == u"cut short") {
            file.resize(file.size() - 1);
        } else if (m_damage == u"lose the file") {
            file.remove();
        } else if (m_damage == u"a folder in its place") {
            file.remove();
            ::mkdir(QFile::encodeName(m_path).constData(), 0755);
        }
        return error;
    }

private:
    QString m_path;
    QString m_damage;
};

void FillDocument(CSettingsDocument &document, const QString &kind)
{
    ConnectionControls &wired = document.m_controls.m_connection;
    if (kind.contains(u"static")) {
        wired.m_dhcpRadio = 1;
        wired.m_ipAddress.m_fields = { 192, 168, 1, 20 };
        wired.m_subnetMask.m_fields = { 255, 255, 255, 0 };
        wired.m_defaultGateway.m_fields = { 192, 168, 1, 1 };
        wired.m_dns.m_fields = { 8, 8, 8, 8 };
    }
    if (kind.contains(u"proxy")) {
        wired.m_useProxyChecked = true;
        wired.m_proxyAddress.m_text = u"proxy.example"_s;
        wired.m_proxyPort.m_text = u"8080"_s;
    }
    if (kind.contains(u"wireless")) {
        document.m_controls.m_useWirelessChecked = true;
        const QStringList names { u"Caf\u00e9 \u00e9tage"_s, u"home"_s, u"b=ad;\"q\""_s };
        for (int i = 0; i < names.size(); ++i) {
            // Listed in another order than the slots.
            const int slot = 5 - i;
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

class TestReadBack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenFileReadsBackTheSame_data();
    void writtenFileReadsBackTheSame();
    void damageBeforeReadBackIsAFailure_data();
    void damageBeforeReadBackIsAFailure();
    void fileThatLoadsOtherwise_data();
    void fileThatLoadsOtherwise();
};

void TestReadBack::writtenFileReadsBackTheSame_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("defaults") << u"defaults"_s;
    QTest::newRow("static address") << u"static"_s;
    QTest::newRow("static address and proxy") << u"static proxy"_s;
    QTest::newRow("wireless profiles listed out of slot order") << u"wireless"_s;
    QTest::newRow("everything") << u"static proxy wireless"_s;
}

void TestReadBack::writtenFileReadsBackTheSame()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CSettingsDocument document;
    FillDocument(document, kind);
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    const VerifiedWriteResult result = WriteVerifiedSettingsFile(document, path);
    QVERIFY2(bool(result), qPrintable(VerifiedWriteFailureDetail(result)));
    QCOMPARE(result.readBack.status, ReadBackStatus::Same);
    QVERIFY(VerifiedWriteFailureDetail(result).isEmpty());
}

void TestReadBack::damageBeforeReadBackIsAFailure_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("fileReadable"); // what is left can still be read as a file

    QTest::newRow("a flipped byte")
        << u"flip a byte"_s << MessageText(Msg::ReadBackDiffers).toString() << true;
    QTest::newRow("a byte short") << u"cut short"_s << MessageText(Msg::ReadBackDiffers).toString()
                                  << true;
    QTest::newRow("the file gone")
        << u"lose the file"_s
        << MessageText(Msg::ReadBackFailed).arg(QString::fromLocal8Bit(strerror(ENOENT))) << false;
    QTest::newRow("a folder in its place") << u"a folder in its place"_s << QString() << false;
    QTest::newRow("no damage: success") << u"none"_s << QString() << true;
}

void TestReadBack::damageBeforeReadBackIsAFailure()
{
    QFETCH(QString, damage);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    CSettingsDocument document;
    FillDocument(document, u"static wireless"_s);
    CMessageRecorder box;
    CScriptedPathChooser chooser;
    chooser.m_folder = dir.path();
    CDamagingSteps steps(path, damage);
    CreateSettingFileCommand(document, box, chooser, NoRemovableVolumes(), steps);

    QCOMPARE(box.m_messages.size(), 1);
    const CMessageRecorder::Message &shown = box.m_messages.first();
    if (damage == u"none") {
        QCOMPARE(shown.text, MessageText(Msg::SettingsFileCreated).toString() + u"   "_s);
        return;
    }
    QCOMPARE(shown.text, MessageText(Msg::SettingsFileCreateFailed).toString() + u"   "_s);
    QCOMPARE(shown.icon, MessageIcon::Error);
    if (!detail.isEmpty())
        QCOMPARE(shown.detail, detail);
    else
        QVERIFY(shown.detail.startsWith(MessageText(Msg::ReadBackFailed).left(10)));
}

void TestReadBack::fileThatLoadsOtherwise_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("documentKind");

    QTest::newRow("the reader reports a bad value")
        << u"[UserNetworkSetting]\nWIRED_DHCP=0\nWIRED_IP=10.0.0.300\n"_s << u"defaults"_s;
    QTest::newRow("a clean file of other values")
        << u"[UserNetworkSetting]\nWIRED_DHCP=1\n[Common]\nPowerManagement=1\n"_s << u"static"_s;
    QTest::newRow("a profile missing")
        << u"[UserNetworkSetting]\nWIRED_DHCP=1\n"_s << u"wireless"_s;
}

void TestReadBack::fileThatLoadsOtherwise()
{
    QFETCH(QString, text);
    QFETCH(QString, documentKind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
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
