#include "TestFiles.h"
#include "core/file/AtomicFile.h"
#include "core/settings/SettingsWriter.h"

#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kOld = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";

// The real steps, recorded; the last one named in `m_script` fails with `m_error` instead. The
// unnamed file is refused where `m_unnamed` is off, as on a filesystem that has none.
class CRecordingSteps : public CPosixFileSteps
{
public:
    QStringList m_calls, m_script;
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
    QTest::addColumn<QString>("calls"); // in order; with an error, the last one fails
    QTest::addColumn<int>("error");
    const auto row = [](const char *rule, const char *calls, int error) {
        QTest::newRow(rule) << QString::fromLatin1(calls) << error;
    };
    row("an unnamed file gets a name just before the rename",
        "CreateUnnamed Write SyncFile Link Rename SyncFolder", 0);
    // As on a filesystem without unnamed files.
    row("a named file where the unnamed one is refused",
        "CreateUnnamed CreateNamed Write SyncFile Rename SyncFolder", 0);
    row("the rename, unnamed", "CreateUnnamed Write SyncFile Link Rename", EIO);
    row("the folder's sync, after the rename",
        "CreateUnnamed Write SyncFile Link Rename SyncFolder", EIO);
}

void TestAtomicFile::steps()
{
    QFETCH(QString, calls);
    QFETCH(int, error);
    const FileStep step = calls.endsWith(u"SyncFolder") ? FileStep::SyncFolder : FileStep::Rename;
    const TestFiles::CSettingsFolder folder(kOld);
    QCOMPARE(::chmod(QFile::encodeName(folder.m_path).constData(), 0640), 0);
    CRecordingSteps steps;
    steps.m_unnamed = !calls.contains(u"CreateNamed");
    steps.m_script = calls.split(u' ');
    steps.m_error = error;
    const QByteArray bytes(3000, 'n');
    const FileWriteResult result
        = CommitFileAtomically(folder.m_path, bytes, FileAccess::Shared, steps);

    QCOMPARE(steps.m_calls, steps.m_script);
    QCOMPARE(TestFiles::Entries(folder.m_dir.path()), QStringList { u"NetworkSetting.ini"_s });
    // Only the folder's sync comes after the rename.
    QCOMPARE(TestFiles::ReadAll(folder.m_path),
        !error || step == FileStep::SyncFolder ? bytes : kOld);
    QCOMPARE(TestFiles::Mode(folder.m_path), 0640); // a shared file keeps its mode
    QCOMPARE(result.status, error ? FileWriteStatus::Failed : FileWriteStatus::Written);
    QVERIFY(!error || result.step == step);
    QCOMPARE(result.error, error);
    QCOMPARE(result.reason, error ? QString::fromLocal8Bit(std::strerror(error)) : QString());
}

void TestAtomicFile::failureReasons_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<FileStep>("step");
    QTest::addColumn<int>("error");
    QTest::newRow("a read-only filesystem") << true << FileStep::Create << EROFS;
    QTest::newRow("no room left") << false << FileStep::Write << ENOSPC;
}

void TestAtomicFile::failureReasons()
{
    QFETCH(bool, readOnly);
    QFETCH(FileStep, step);
    QFETCH(int, error);
    // A small tmpfs of its own: a real filesystem that fills up, or refuses writes. Room for the
    // old file and a filler only.
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    if (::mount("tmpfs", root.constData(), "tmpfs", 0, "size=8k,mode=0755") != 0)
        QSKIP("mounting a tmpfs was refused");
    const auto unmount = qScopeGuard([&] { ::umount2(root.constData(), MNT_DETACH); });
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    QVERIFY(TestFiles::Write(path, kOld));
    if (readOnly)
        QCOMPARE(::mount("tmpfs", root.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=8k"), 0);
    else
        QVERIFY(TestFiles::Write(dir.filePath(u"filler"_s), QByteArray(3000, 'f')));
    const FileWriteResult result = CommitFileAtomically(path, QByteArray(10000, 'n'));
    QCOMPARE(result.status, FileWriteStatus::Failed);
    QCOMPARE(result.step, step);
    QCOMPARE(result.error, error);
    QVERIFY(WriteFailureDetail(result).contains(QString::fromLocal8Bit(std::strerror(error))));
    QCOMPARE(TestFiles::ReadAll(path), kOld);
    QCOMPARE(TestFiles::Entries(dir.path()).size(), readOnly ? 1 : 2); // no temporary file
}

void TestAtomicFile::refusedOutput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<MessageId>("detail");
    QTest::newRow("a link to another file") << u"link"_s << MessageId(Msg::OutputIsLink);
    QTest::newRow("a FIFO, which must not block") << u"fifo"_s << MessageId(Msg::OutputIsSpecial);
}

void TestAtomicFile::refusedOutput()
{
    QFETCH(QString, kind);
    QFETCH(MessageId, detail);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    const QByteArray name = QFile::encodeName(path);
    const QString victim = dir.filePath(u"victim.txt"_s);
    QVERIFY(TestFiles::Write(victim, "the victim's own text"));
    if (kind == u"fifo")
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    else
        QVERIFY(QFile::link(victim, path));
    struct stat before = {}, after = {};
    QCOMPARE(::lstat(name.constData(), &before), 0);

    const FileWriteResult result = CommitFileAtomically(path, "[Common]\r\n");
    QCOMPARE(WriteFailureDetail(result), MessageText(detail).toString());
    // The same link or FIFO stays, and nothing is written through it or beside it.
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(TestFiles::ReadAll(victim), QByteArray("the victim's own text"));
    QCOMPARE(TestFiles::Entries(dir.path()),
        (QStringList { u"NetworkSetting.ini"_s, u"victim.txt"_s }));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
