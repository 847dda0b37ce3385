#include "TestFiles.h"
#include "core/file/AtomicFile.h"
#include "core/settings/SettingsWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kOld = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";

QString SystemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Everything in a folder, hidden entries included, in code point order.
QStringList Entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.sort();
    return names;
}

// A small tmpfs of its own: a real filesystem that fills up, or refuses writes.
struct CTmpfs
{
    explicit CTmpfs(const char *options) { m_mounted = Mount(0, options); }
    ~CTmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(Path()).constData(), MNT_DETACH);
    }
    bool Mount(unsigned long flags, const char *options)
    {
        const QByteArray path = QFile::encodeName(Path());
        return ::mount("tmpfs", path.constData(), "tmpfs", flags, options) == 0;
    }
    QString Path() const { return m_dir.path(); }
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// The real steps, recorded; the last one named in `m_script` fails with `m_error` instead. The
// unnamed file is refused where `m_unnamed` is off, as on a filesystem that has none.
class CRecordingSteps : public CPosixFileSteps
{
public:
    QStringList m_calls;
    QStringList m_script;
    int m_error = 0;
    bool m_unnamed = true;

    int CreateUnnamed(int folder, unsigned mode, int &fd) override
    {
        return Fails("CreateUnnamed") ? m_error
            : m_unnamed               ? Base::CreateUnnamed(folder, mode, fd)
                                      : EOPNOTSUPP;
    }
    int CreateNamed(int folder, const QByteArray &name, unsigned mode, int &fd) override
    {
        return Fails("CreateNamed") ? m_error : Base::CreateNamed(folder, name, mode, fd);
    }
    int Write(int fd, const char *data, qsizetype size) override
    {
        return Fails("Write") ? m_error : Base::Write(fd, data, size);
    }
    int SyncFile(int fd) override { return Fails("SyncFile") ? m_error : Base::SyncFile(fd); }
    int Link(int fd, int folder, const QByteArray &name) override
    {
        return Fails("Link") ? m_error : Base::Link(fd, folder, name);
    }
    int Rename(int folder, const QByteArray &from, const QByteArray &to) override
    {
        return Fails("Rename") ? m_error : Base::Rename(folder, from, to);
    }
    int SyncFolder(int f) override { return Fails("SyncFolder") ? m_error : Base::SyncFolder(f); }

private:
    using Base = CPosixFileSteps;
    bool Fails(const char *name)
    {
        m_calls.append(QString::fromLatin1(name));
        return m_error && m_calls.size() == m_script.size();
    }
};

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data();
    void steps();
    void failureReasons_data();
    void failureReasons();
    void refusedOutput_data();
    void refusedOutput();
};

void TestAtomicFile::steps_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<QString>("calls"); // in order; with an error, the last one fails
    QTest::addColumn<int>("error");
    QTest::addColumn<FileStep>("step");
    const auto row = [](const char *rule, bool unnamed, const char *calls, int error,
                         FileStep step = FileStep::Rename) {
        QTest::newRow(rule) << unnamed << QString::fromLatin1(calls) << error << step;
    };
    row("an unnamed file gets a name just before the rename", true,
        "CreateUnnamed Write SyncFile Link Rename SyncFolder", 0);
    row("a filesystem without unnamed files gets a named one", false,
        "CreateUnnamed CreateNamed Write SyncFile Rename SyncFolder", 0);
    row("the rename, unnamed", true, "CreateUnnamed Write SyncFile Link Rename", EIO);
    row("the folder's sync, after the rename", true,
        "CreateUnnamed Write SyncFile Link Rename SyncFolder", EIO, FileStep::SyncFolder);
}

void TestAtomicFile::steps()
{
    QFETCH(bool, unnamed);
    QFETCH(QString, calls);
    QFETCH(int, error);
    QFETCH(FileStep, step);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    QVERIFY(TestFiles::Write(path, kOld));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    CRecordingSteps steps;
    steps.m_unnamed = unnamed;
    steps.m_script = calls.split(u' ');
    steps.m_error = error;
    const QByteArray bytes(3000, 'n');
    const FileWriteResult result = CommitFileAtomically(path, bytes, FileAccess::Shared, steps);

    QCOMPARE(steps.m_calls, steps.m_script);
    QCOMPARE(Entries(dir.path()), QStringList { u"NetworkSetting.ini"_s });
    // Only the folder's sync comes after the rename.
    QCOMPARE(TestFiles::ReadAll(path), !error || step == FileStep::SyncFolder ? bytes : kOld);
    if (!error) {
        QVERIFY2(result.Succeeded(), qPrintable(result.reason));
        QCOMPARE(TestFiles::Mode(path), 0640); // a shared file keeps its mode
        return;
    }
    QVERIFY(!result);
    QCOMPARE(result.status, FileWriteStatus::Failed);
    QCOMPARE(result.step, step);
    QCOMPARE(result.error, error);
    QCOMPARE(result.reason, SystemText(error));
}

void TestAtomicFile::failureReasons_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<FileStep>("step");
    QTest::addColumn<int>("error");
    QTest::newRow("a read-only filesystem") << u"readonly"_s << FileStep::Create << EROFS;
    QTest::newRow("no inode left") << u"inodes"_s << FileStep::Create << ENOSPC;
    QTest::newRow("no room left") << u"full"_s << FileStep::Write << ENOSPC;
}

void TestAtomicFile::failureReasons()
{
    QFETCH(QString, setup);
    QFETCH(FileStep, step);
    QFETCH(int, error);
    // Room for the old file and a filler only; three inodes: the root, the old file, a filler.
    CTmpfs fs(setup == u"full" ? "size=8k,mode=0755" : "size=64k,nr_inodes=3,mode=0755");
    if (!fs.m_mounted)
        QSKIP(qPrintable(u"mounting a tmpfs was refused: "_s + SystemText(errno)));
    const QString path = fs.Path() + u"/NetworkSetting.ini"_s;
    QVERIFY(TestFiles::Write(path, kOld));
    if (setup == u"readonly")
        QVERIFY(fs.Mount(MS_REMOUNT | MS_RDONLY, "size=64k"));
    else
        QVERIFY(TestFiles::Write(fs.Path() + u"/filler"_s, QByteArray(3000, 'f')));
    const FileWriteResult result = CommitFileAtomically(path, QByteArray(10000, 'n'));
    QCOMPARE(result.status, FileWriteStatus::Failed);
    QCOMPARE(result.step, step);
    QCOMPARE(result.error, error);
    QCOMPARE(result.reason, SystemText(error));
    QCOMPARE(TestFiles::ReadAll(path), kOld);
    for (const QString &entry : Entries(fs.Path()))
        QVERIFY(!QFile::encodeName(entry).startsWith(TemporaryNamePrefix("NetworkSetting.ini")));
    QVERIFY(WriteFailureDetail(result).contains(SystemText(error)));
}

void TestAtomicFile::refusedOutput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<FileWriteStatus>("status");
    QTest::newRow("a link to a file elsewhere") << u"link"_s << FileWriteStatus::OutputIsLink;
    QTest::newRow("a dangling link") << u"dangling"_s << FileWriteStatus::OutputIsLink;
    QTest::newRow("a FIFO, which must not block") << u"fifo"_s << FileWriteStatus::OutputIsSpecial;
}

void TestAtomicFile::refusedOutput()
{
    QFETCH(QString, kind);
    QFETCH(FileWriteStatus, status);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"card"_s) && QDir(dir.path()).mkdir(u"elsewhere"_s));
    const QString path = dir.filePath(u"card/NetworkSetting.ini"_s);
    const QByteArray name = QFile::encodeName(path);
    const QString victim = dir.filePath(u"elsewhere/victim.txt"_s);
    QVERIFY(TestFiles::Write(victim, "the victim's own text"));
    if (kind == u"link") {
        QVERIFY(QFile::link(victim, path));
    } else if (kind == u"dangling") {
        QVERIFY(QFile::link(dir.filePath(u"elsewhere/made.ini"_s), path));
    } else {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    }
    struct stat before = {};
    QCOMPARE(::lstat(name.constData(), &before), 0);
    const QString linkTarget = QFile::symLinkTarget(path);

    const FileWriteResult result = CommitFileAtomically(path, "[Common]\r\n");
    QCOMPARE(result.status, status);
    QVERIFY(!result);

    struct stat after = {};
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(QFile::symLinkTarget(path), linkTarget);
    QCOMPARE(TestFiles::ReadAll(victim), QByteArray("the victim's own text"));
    QCOMPARE(Entries(dir.filePath(u"card"_s)), QStringList { u"NetworkSetting.ini"_s });
    QCOMPARE(Entries(dir.filePath(u"elsewhere"_s)), QStringList { u"victim.txt"_s });
    QCOMPARE(WriteFailureDetail(result),
        MessageText(kind == u"fifo" ? Msg::OutputIsSpecial : Msg::OutputIsLink).toString());
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
