#include "AtomicFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A save file whose device fails part-way through the write, after running `onFirstWrite`.
class FaultySaveFile : public QSaveFile
{
public:
    FaultySaveFile(const QString &name, qint64 failAfter, std::function<void()> onFirstWrite = {})
        : QSaveFile(name)
        , m_failAfter(failAfter)
        , m_onFirstWrite(std::move(onFirstWrite))
    { }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_onFirstWrite)
            std::exchange(m_onFirstWrite, {})();
        if (len > m_failAfter) {
            QSaveFile::writeData(data, m_failAfter);
            setErrorString(u"No space left on device"_s);
            return -1;
        }
        m_failAfter -= len;
        return QSaveFile::writeData(data, len);
    }

private:
    qint64 m_failAfter;
    std::function<void()> m_onFirstWrite;
};

bool Run(const QStringList &command)
{
    QProcess process;
    process.start(command.first(), command.mid(1));
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

const QByteArray kOld = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";
const QByteArray kNew(200 * 1024, 'n');

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void replacesTheWholeFileOwnerOnlyIfAsked();
    void targetFolderVanishing();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();

private:
    QString Path() const { return m_dir->filePath(u"NetworkSetting.ini"_s); }
    QStringList Files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden); }
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_mounts;
};

void TestAtomicFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(TestFiles::Write(Path(), kOld));
}

void TestAtomicFile::cleanup()
{
    while (!m_mounts.isEmpty())
        Run({ u"umount"_s, m_mounts.takeLast() });
    m_dir.reset();
}

void TestAtomicFile::replacesTheWholeFileOwnerOnlyIfAsked()
{
    QVERIFY(QFile::setPermissions(
        Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    QVERIFY(CommitFileAtomically(Path(), "new", FileAccess::OwnerOnly));
    QCOMPARE(TestFiles::ReadAll(Path()), QByteArray("new"));
    // Someone had widened it; the rewrite narrows it again.
    QCOMPARE(QFile::permissions(Path())
            & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(Files(), QStringList { u"NetworkSetting.ini"_s });
}

// The card is pulled while the file is written.
void TestAtomicFile::targetFolderVanishing()
{
    const QString folder = m_dir->filePath(u"card"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/NetworkSetting.ini"_s;
    QVERIFY(TestFiles::Write(path, kOld));
    {
        FaultySaveFile file(path, kNew.size() * 2, [folder] { QDir(folder).removeRecursively(); });
        QVERIFY(!CommitThrough(file, kNew, FileAccess::Shared));
    }
    QVERIFY(!QFileInfo::exists(folder));
    QCOMPARE(Files(), QStringList { u"NetworkSetting.ini"_s });
}

void TestAtomicFile::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::newRow("device failing before the last byte") << u"device"_s;
    QTest::newRow("file system full") << u"full"_s;
    QTest::newRow("file system read-only") << u"read-only"_s;
    // A file that is a mount point cannot be renamed over: the final step fails.
    QTest::newRow("target pinned by a bind mount") << u"pinned"_s;
}

void TestAtomicFile::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, refusal);
    if (refusal != u"device" && geteuid() != 0)
        QSKIP("needs root to mount");
    QString folder = m_dir->path();
    if (refusal == u"full" || refusal == u"read-only") {
        folder = m_dir->filePath(u"small"_s);
        QVERIFY(QDir().mkpath(folder));
        if (!Run({ u"mount"_s, u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, folder }))
            QSKIP("cannot mount a small tmpfs here");
        m_mounts << folder;
    }
    const QString path = folder + u"/NetworkSetting.ini"_s;
    QVERIFY(TestFiles::Write(path, kOld));
    if (refusal == u"read-only")
        QVERIFY(Run({ u"mount"_s, u"-o"_s, u"remount,ro"_s, folder }));
    if (refusal == u"pinned") {
        if (!Run({ u"mount"_s, u"--bind"_s, path, path }))
            QSKIP("bind mounts are not available here");
        m_mounts << path;
    }
    if (refusal == u"device") {
        FaultySaveFile file(path, kNew.size() - 1);
        QVERIFY(!CommitThrough(file, kNew, FileAccess::Shared));
    } else {
        QVERIFY(!CommitFileAtomically(path, refusal == u"full" ? kNew : "new"));
    }
    QCOMPARE(TestFiles::ReadAll(path), kOld);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
        QStringList { u"NetworkSetting.ini"_s });
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
