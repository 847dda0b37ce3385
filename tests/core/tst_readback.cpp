#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"
#include "core/settings/SettingsReadBack.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Before the read-back, the file is damaged as a failing card would.
class CDamagingSteps final : public CPosixFileSteps
{
public:
    QString m_path;
    QString m_damage;

    int SyncFolder(int folder) override
    {
        if (m_damage == u"flip a bit")
            TestFiles::Write(m_path, TestFiles::ReadAll(m_path).replace("DHCP=1", "DHCP=0"));
        else if (m_damage == u"lose the file")
            QFile::remove(m_path);
        return CPosixFileSteps::SyncFolder(folder);
    }
};

} // namespace

// The suite runs under LC_ALL=C, so the system's texts are English.
class TestReadBack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createReports_data();
    void createReports();
    void fileThatLoadsOtherwise();
};

void TestReadBack::createReports_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("shown"); // the box, then its detail with the folder as "~"
    const QString failed = ExpectedMessage(Msg::SettingsFileCreateFailed,
                               Msg::CreateSettingCaption, MessageIcon::Error)
        + u'|';
    QTest::newRow("success") << u"none"_s
                             << ExpectedMessage(Msg::SettingsFileCreated,
                                    Msg::CreateSettingCaption, MessageIcon::Information)
            + u"|File: ~/NetworkSetting.ini"_s;
    QTest::newRow("a flipped bit")
        << u"flip a bit"_s
        << failed + u"The file read back from the folder is not what was written."_s;
    QTest::newRow("the file gone")
        << u"lose the file"_s
        << failed + u"The file could not be read back: No such file or directory"_s;
    QTest::newRow("a folder that is gone before the write")
        << u"pulled"_s
        << failed
            + u"The file could not be written: No such file or directory. An earlier file is "
              u"unchanged."_s;
}

void TestReadBack::createReports()
{
    QFETCH(QString, damage);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    CSettingsDocument document;
    CMessageRecorder box;
    CScriptedPathChooser chooser;
    chooser.m_folder = damage == u"pulled" ? dir.filePath(u"pulled"_s) : dir.path();
    CDamagingSteps steps;
    steps.m_path = dir.filePath(u"NetworkSetting.ini"_s);
    steps.m_damage = damage;
    CreateSettingFileCommand(document, box, chooser, NoRemovableVolumes(), steps);
    QCOMPARE(ShownLines(box, dir.path()), QStringList { shown });
}

// A clean file of other values than the document's fails the check.
void TestReadBack::fileThatLoadsOtherwise()
{
    const QByteArray bytes = "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n";
    const TestFiles::CSettingsFolder folder(bytes);
    CSettingsDocument document;
    document.m_wiredSetting.m_proxyPort = u"8080"_s;
    QCOMPARE(CheckWrittenSettings(folder.m_path, bytes, document).status,
        ReadBackStatus::ValuesDiffer);
}

QTEST_GUILESS_MAIN(TestReadBack)
#include "tst_readback.moc"
