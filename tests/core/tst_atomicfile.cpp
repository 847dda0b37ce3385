#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

namespace {

// A save file whose device misbehaves part-way through the write.
class FaultySaveFile : public QSaveFile
{
public:
    FaultySaveFile(const QString &name, qint64 failAfter, std::function<void()> onFirstWrite = {})
        : QSaveFile(name), m_failAfter(failAfter), m_onFirstWrite(std::move(onFirstWrite))
    {
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_onFirstWrite) {
            m_onFirstWrite();
            m_onFirstWrite = {};
        }
        if (m_written + len > m_failAfter) {
            const qint64 part = m_failAfter - m_written;
            if (part > 0)
                QSaveFile::writeData(data, part);
            m_written = m_failAfter;
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_written += len;
        return QSaveFile::writeData(data, len);
    }

private:
    qint64 m_failAfter;
    qint64 m_written = 0;
    std::function<void()> m_onFirstWrite;
};

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
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
    void replacesTheWholeFile();
    void deviceFailingPartWayKeepsTheOldFile_data();
    void deviceFailingPartWayKeepsTheOldFile();
    void targetFolderVanishing();
    void missingFolder();
    void ownerOnlyStaysOwnerOnly();
    void fullFileSystem();
    void readOnlyFileSystem();
    void replacementRefused();

private:
    bool MountTmpfs(const QString &options);
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_mounts;
};

void TestAtomicFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestAtomicFile::cleanup()
{
    while (!m_mounts.isEmpty())
        Run(QStringLiteral("umount"), { m_mounts.takeLast() });
    m_dir.reset();
}

bool TestAtomicFile::MountTmpfs(const QString &options)
{
    if (geteuid() != 0)
        return false;
    const QString point = m_dir->filePath(QStringLiteral("small"));
    QDir().mkpath(point);
    if (!Run(QStringLiteral("mount"), { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                        options, QStringLiteral("tmpfs"), point }))
        return false;
    m_mounts << point;
    return true;
}

void TestAtomicFile::replacesTheWholeFile()
{
    const QString path = m_dir->filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(WriteFile(path, kOld));
    QVERIFY(CommitFileAtomically(path, "new"));
    QCOMPARE(ReadAll(path), QByteArray("new"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("NetworkSetting.ini") });
}

void TestAtomicFile::deviceFailingPartWayKeepsTheOldFile_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::newRow("nothing written") << qint64(0);
    QTest::newRow("half written") << qint64(kNew.size() / 2);
    QTest::newRow("all but the last byte") << qint64(kNew.size() - 1);
}

void TestAtomicFile::deviceFailingPartWayKeepsTheOldFile()
{
    QFETCH(qint64, failAfter);
    const QString path = m_dir->filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(WriteFile(path, kOld));
    {
        FaultySaveFile file(path, failAfter);
        QVERIFY(!CommitThrough(file, kNew, FileAccess::Shared));
    }
    QCOMPARE(ReadAll(path), kOld);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestAtomicFile::targetFolderVanishing()
{
    const QString folder = m_dir->filePath(QStringLiteral("card"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/NetworkSetting.ini");
    QVERIFY(WriteFile(path, kOld));
    {
        FaultySaveFile file(path, kNew.size() * 2, [folder] { QDir(folder).removeRecursively(); });
        QVERIFY(!CommitThrough(file, kNew, FileAccess::Shared));
    }
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestAtomicFile::missingFolder()
{
    QVERIFY(!CommitFileAtomically(m_dir->filePath(QStringLiteral("gone/NetworkSetting.ini")), kOld));
    QVERIFY(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

void TestAtomicFile::ownerOnlyStaysOwnerOnly()
{
    const QString path = m_dir->filePath(QStringLiteral("MeridockSettingUtil.dat"));
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto mask = ownerOnly | QFileDevice::ExeOwner | QFileDevice::ReadGroup
        | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QVERIFY(CommitFileAtomically(path, kOld, FileAccess::OwnerOnly));
    QCOMPARE(QFile::permissions(path) & mask, ownerOnly);
    // Someone widened it; the next rewrite narrows it again.
    QVERIFY(QFile::setPermissions(path, ownerOnly | QFileDevice::ReadOther));
    QVERIFY(CommitFileAtomically(path, kNew, FileAccess::OwnerOnly));
    QCOMPARE(QFile::permissions(path) & mask, ownerOnly);
}

void TestAtomicFile::fullFileSystem()
{
    if (!MountTmpfs(QStringLiteral("size=64k")))
        QSKIP("needs root to mount a small tmpfs of its own");
    const QString path = m_mounts.last() + QStringLiteral("/NetworkSetting.ini");
    QVERIFY(WriteFile(path, kOld));
    QVERIFY(!CommitFileAtomically(path, kNew));
    QCOMPARE(ReadAll(path), kOld);
    QCOMPARE(QDir(m_mounts.last()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestAtomicFile::readOnlyFileSystem()
{
    if (!MountTmpfs(QStringLiteral("size=64k")))
        QSKIP("needs root to mount a small tmpfs of its own");
    const QString point = m_mounts.last();
    const QString path = point + QStringLiteral("/NetworkSetting.ini");
    QVERIFY(WriteFile(path, kOld));
    QVERIFY(Run(QStringLiteral("mount"), { QStringLiteral("-o"), QStringLiteral("remount,ro"), point }));
    QVERIFY(!CommitFileAtomically(path, "new"));
    QCOMPARE(ReadAll(path), kOld);
    QCOMPARE(QDir(point).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestAtomicFile::replacementRefused()
{
    if (geteuid() != 0)
        QSKIP("needs root to pin the target with a bind mount");
    // A file that is a mount point cannot be renamed over: the final step fails.
    const QString path = m_dir->filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(WriteFile(path, kOld));
    if (!Run(QStringLiteral("mount"), { QStringLiteral("--bind"), path, path }))
        QSKIP("bind mounts are not available here");
    m_mounts << path;
    QVERIFY(!CommitFileAtomically(path, "new"));
    QCOMPARE(ReadAll(path), kOld);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
