#include "SingleInstance.h"
#include "TestFiles.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using TestFiles::ReadAll;

namespace {

constexpr uid_t NobodyId = 65534;
const QString TestKey = QStringLiteral("netconf-test");

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

struct stat LinkStat(const QString &path)
{
    struct stat st = {};
    if (::lstat(Native(path).constData(), &st) != 0)
        st.st_mode = 0;
    return st;
}

bool IsOwnPrivateFile(const QString &path)
{
    const struct stat st = LinkStat(path);
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0600
        && st.st_nlink == 1;
}

const QByteArray TargetText = "someone else's file\n";

bool WriteFile(const QString &path, mode_t mode, uid_t owner = ::geteuid())
{
    return TestFiles::Write(path, TargetText) && ::chmod(Native(path).constData(), mode) == 0
        && ::chown(Native(path).constData(), owner, static_cast<gid_t>(-1)) == 0;
}

// A lock held on `path` through a descriptor of its own, as another process would hold it.
std::unique_ptr<QFile> Hold(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite) || ::flock(file->handle(), LOCK_EX | LOCK_NB) != 0)
        return nullptr;
    return file;
}

// A stream socket, closed when it goes.
struct CSocket
{
    CSocket() = default;
    ~CSocket() { ::close(m_fd); }
    CSocket(const CSocket &) = delete;
    CSocket &operator=(const CSocket &) = delete;
    int m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
};

sockaddr_un Address(const QString &path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = Native(path);
    std::copy_n(bytes.begin(), std::min(bytes.size(), qsizetype(sizeof address.sun_path - 1)),
        address.sun_path);
    return address;
}

// Runs `step` in a child process that has become the unprivileged user; the system takes the
// peer's user from the process that listens or connects. The child only makes system calls.
template<typename Step> int AsNobody(Step step)
{
    int result[2];
    if (::pipe(result) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const unsigned char r = ::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0 ? 100 : step();
        (void)::write(result[1], &r, 1);
        // Ended by a signal, so that no exit handler runs on the parent's inherited state.
        ::kill(::getpid(), SIGKILL);
    }
    ::close(result[1]);
    unsigned char r = 0;
    const bool reported = pid > 0 && ::read(result[0], &r, 1) == 1;
    ::close(result[0]);
    if (pid > 0)
        ::waitpid(pid, nullptr, 0);
    return reported ? r : -1;
}

// Waits until the copy holding the marker for `key` answers on its socket.
bool WaitUntilListening(const QString &key, QProcess &process)
{
    for (int attempt = 0; attempt < 200 && process.state() != QProcess::NotRunning; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(CSingleInstance::ServerName(key));
        if (probe.waitForConnected(100))
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstCopyHoldsAPrivateMarkerAndSocket();
    void requestsOnTheSocket_data();
    void requestsOnTheSocket();
    void plantedMarkerIsNotTrusted_data();
    void plantedMarkerIsNotTrusted();
    void folderInTheMarkersPlaceDoesNotStopTheStart();
    void noRuntimeFolderMakesNoMarkerElsewhere();
    void notifyTalksOnlyToAnOwnCopy_data();
    void notifyTalksOnlyToAnOwnCopy();
    void serverIgnoresAnotherUsersRequest();
    void programStarts();

private:
    void StartProgram(QProcess &process);

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<QTemporaryDir> m_config;
};

void TestSingleInstance::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid() && m_config->isValid());
    qputenv("XDG_RUNTIME_DIR", Native(m_runtime->path()));
    qputenv("XDG_CONFIG_HOME", Native(m_config->path()));
    QCOMPARE(CSingleInstance::MarkerFolder(), m_runtime->path());
}

void TestSingleInstance::cleanup()
{
    m_runtime.reset();
    m_config.reset();
}

void TestSingleInstance::StartProgram(QProcess &process)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MERIDOCK_NETCONF_EXE), {});
    QVERIFY(process.waitForStarted());
}

void TestSingleInstance::firstCopyHoldsAPrivateMarkerAndSocket()
{
    // This test program was started as tst_singleinstance.
    QCOMPARE(CSingleInstance::ProgramKey(), QStringLiteral("tst_singleinstance"));
    const QString socket = CSingleInstance::ServerName(TestKey);
    {
        CSingleInstance first(TestKey);
        CSingleInstance second(TestKey);
        CSingleInstance renamed(QStringLiteral("netconf-copy"));
        QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
        QVERIFY(first.Claim());
        QVERIFY(!second.Claim());
        QVERIFY(renamed.Claim());
        second.NotifyRunningCopy();
        QTRY_COMPARE(raised.count(), 1);

        // Nothing else is left in the folder, not even the socket's first place.
        const QString user = u'-' + QString::number(::getuid());
        QCOMPARE(
            QDir(m_runtime->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDir::Name),
            (QStringList { QStringLiteral("netconf-copy") + user + QStringLiteral(".lock"),
                QStringLiteral("netconf-copy") + user + QStringLiteral(".socket"),
                TestKey + user + QStringLiteral(".lock"),
                TestKey + user + QStringLiteral(".socket") }));
        QVERIFY(IsOwnPrivateFile(CSingleInstance::MarkerPath(TestKey)));
        QCOMPARE(LinkStat(socket).st_mode & 077, mode_t(0));
    }
    // Marker and socket go with their holder.
    QVERIFY(!QFileInfo::exists(socket));
    CSingleInstance next(TestKey);
    QVERIFY(next.Claim());
}

void TestSingleInstance::requestsOnTheSocket_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<int>("raises");

    using Writes = QList<QByteArray>;
    QTest::newRow("the request in one write raises") << Writes { "raise\n" } << 1;
    QTest::newRow("the request in two writes raises") << Writes { "rai", "se\n" } << 1;
    QTest::newRow("only the first six bytes count") << Writes { "raise\nraise\n" } << 1;
    QTest::newRow("a long stream of garbage raises nothing")
        << Writes { QByteArray(4096, 'x') } << 0;
    QTest::newRow("the request without its line end raises nothing") << Writes { "raise" } << 0;
    QTest::newRow("another word raises nothing") << Writes { "lower\n" } << 0;
}

void TestSingleInstance::requestsOnTheSocket()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(int, raises);
    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);

    QLocalSocket socket;
    socket.connectToServer(CSingleInstance::ServerName(TestKey));
    QVERIFY(socket.waitForConnected(1000));
    for (const QByteArray &bytes : writes) {
        socket.write(bytes);
        QVERIFY(socket.waitForBytesWritten(1000));
        QTest::qWait(50);
    }
    socket.disconnectFromServer();
    QTest::qWait(100);
    QCOMPARE(raised.count(), raises);
}

enum class Plant {
    LinkToHeldFile,
    LinkToMissingFile,
    OtherUsersHeldFile,
    LooseOwnHeldFile,
    HardLinkToHeldFile,
    Fifo,
    Socket,
};

void TestSingleInstance::plantedMarkerIsNotTrusted_data()
{
    QTest::addColumn<Plant>("plant");
    QTest::newRow("a link to a marker held elsewhere is not followed") << Plant::LinkToHeldFile;
    QTest::newRow("a link to a missing file makes nothing at its target")
        << Plant::LinkToMissingFile;
    QTest::newRow("another user's file, held, does not stop the start")
        << Plant::OtherUsersHeldFile;
    QTest::newRow("an own file others may open, held, is replaced") << Plant::LooseOwnHeldFile;
    QTest::newRow("a file with a second name elsewhere, held there, is replaced")
        << Plant::HardLinkToHeldFile;
    QTest::newRow("a FIFO neither hangs the start nor stays") << Plant::Fifo;
    QTest::newRow("a socket in the marker's place is replaced") << Plant::Socket;
}

void TestSingleInstance::plantedMarkerIsNotTrusted()
{
    QFETCH(Plant, plant);
    if (plant == Plant::OtherUsersHeldFile && ::geteuid() != 0)
        QSKIP("planting another user's file needs root");

    const QString marker = CSingleInstance::MarkerPath(TestKey);
    const QByteArray path = Native(marker);
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("target"));
    std::unique_ptr<QFile> holder;
    QLocalServer planted;
    switch (plant) {
    case Plant::LinkToHeldFile:
        QVERIFY(WriteFile(target, 0600) && (holder = Hold(target)) && QFile::link(target, marker));
        break;
    case Plant::LinkToMissingFile:
        QVERIFY(QFile::link(target, marker));
        break;
    case Plant::OtherUsersHeldFile:
        QVERIFY(WriteFile(marker, 0600, NobodyId) && (holder = Hold(marker)));
        break;
    case Plant::LooseOwnHeldFile:
        QVERIFY(WriteFile(marker, 0666) && (holder = Hold(marker)));
        break;
    case Plant::HardLinkToHeldFile:
        QVERIFY(WriteFile(target, 0600) && ::link(Native(target).constData(), path.constData()) == 0
            && (holder = Hold(target)));
        break;
    case Plant::Fifo:
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
        break;
    case Plant::Socket:
        QVERIFY(planted.listen(marker));
        break;
    }

    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());

    QVERIFY(IsOwnPrivateFile(marker));
    QCOMPARE(ReadAll(marker), QByteArray());
    if (plant == Plant::LinkToMissingFile)
        QVERIFY(!QFileInfo::exists(target));
    if (plant == Plant::LinkToHeldFile || plant == Plant::HardLinkToHeldFile) {
        QCOMPARE(ReadAll(target), TargetText);
        QCOMPARE(LinkStat(target).st_nlink, nlink_t(1));
    }
    // The new marker works as one: the next copy defers and is heard.
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
    CSingleInstance second(TestKey);
    QVERIFY(!second.Claim());
    second.NotifyRunningCopy();
    QTRY_COMPARE(raised.count(), 1);
}

void TestSingleInstance::folderInTheMarkersPlaceDoesNotStopTheStart()
{
    const QString marker = CSingleInstance::MarkerPath(TestKey);
    QVERIFY(QDir().mkdir(marker));
    QVERIFY(WriteFile(marker + QStringLiteral("/kept"), 0600));

    CSingleInstance first(TestKey);
    CSingleInstance second(TestKey);
    QVERIFY(first.Claim());
    QVERIFY(second.Claim());

    QCOMPARE(ReadAll(marker + QStringLiteral("/kept")), TargetText);
    // Without a marker neither copy may take the other's socket away.
    QVERIFY(!QFileInfo::exists(CSingleInstance::ServerName(TestKey)));
}

void TestSingleInstance::noRuntimeFolderMakesNoMarkerElsewhere()
{
    if (::geteuid() != 0)
        QSKIP("a runtime folder owned by another user needs root");
    // A runtime folder of another user, and a temporary folder where none can be made: there
    // is no runtime folder at all.
    QVERIFY(::chown(Native(m_runtime->path()).constData(), NobodyId, NobodyId) == 0);
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/proc");
    // Qt says why it found no runtime folder; that is expected here.
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QString folder = CSingleInstance::MarkerFolder();
    const QString key = TestKey + u'-' + QString::number(QCoreApplication::applicationPid());
    const bool claimed = CSingleInstance(key).Claim();
    qInstallMessageHandler(previous);
    if (oldTmp.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmp);
    const QString atRoot = u'/' + key + u'-' + QString::number(::getuid());
    const bool strayMarker = QFile::remove(atRoot + QStringLiteral(".lock"));
    const bool straySocket = QFile::remove(atRoot + QStringLiteral(".socket"));
    QVERIFY(::chown(Native(m_runtime->path()).constData(), ::geteuid(), ::getegid()) == 0);

    QCOMPARE(folder, QString());
    QVERIFY(claimed);
    QVERIFY(!strayMarker);
    QVERIFY(!straySocket);
    QCOMPARE(
        QDir(m_runtime->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
        QStringList());
}

enum class Impostor { OtherUsersSocketFile, LinkToASocketElsewhere, OtherUsersServer };

void TestSingleInstance::notifyTalksOnlyToAnOwnCopy_data()
{
    QTest::addColumn<Impostor>("impostor");
    QTest::newRow("a socket file of another user") << Impostor::OtherUsersSocketFile;
    QTest::newRow("a link to a listening socket elsewhere") << Impostor::LinkToASocketElsewhere;
    QTest::newRow("another user's process behind an own socket file") << Impostor::OtherUsersServer;
}

void TestSingleInstance::notifyTalksOnlyToAnOwnCopy()
{
    QFETCH(Impostor, impostor);
    if (impostor != Impostor::LinkToASocketElsewhere && ::geteuid() != 0)
        QSKIP("another user's socket or process needs root");
    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());
    const QString name = CSingleInstance::ServerName(TestKey);
    QVERIFY(QFile::remove(name));

    QTemporaryDir elsewhere;
    const QString bound = impostor == Impostor::LinkToASocketElsewhere
        ? elsewhere.filePath(QStringLiteral("s"))
        : name;
    CSocket listener;
    const sockaddr_un address = Address(bound);
    QVERIFY(
        ::bind(listener.m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
    if (impostor == Impostor::OtherUsersServer)
        QCOMPARE(AsNobody([&listener] { return ::listen(listener.m_fd, 4) == 0 ? 0 : 1; }), 0);
    else
        QCOMPARE(::listen(listener.m_fd, 4), 0);
    if (impostor == Impostor::OtherUsersSocketFile)
        QCOMPARE(::chown(Native(name).constData(), NobodyId, NobodyId), 0);
    if (impostor == Impostor::LinkToASocketElsewhere)
        QVERIFY(QFile::link(bound, name));

    CSingleInstance second(TestKey);
    QVERIFY(!second.Claim());
    second.NotifyRunningCopy();

    // The socket file alone rules the first two out; the process behind the third gives itself
    // away once connected, and must then get nothing.
    QByteArray received;
    pollfd p { listener.m_fd, POLLIN, 0 };
    const bool connected = ::poll(&p, 1, 200) == 1;
    QCOMPARE(connected, impostor == Impostor::OtherUsersServer);
    if (connected) {
        const int connection = ::accept(listener.m_fd, nullptr, nullptr);
        char buffer[64];
        ssize_t n = 0;
        pollfd q { connection, POLLIN, 0 };
        while (connection >= 0 && ::poll(&q, 1, 1000) == 1
            && (n = ::read(connection, buffer, sizeof buffer)) > 0)
            received.append(buffer, n);
        ::close(connection);
    }
    QCOMPARE(received, QByteArray());
}

void TestSingleInstance::serverIgnoresAnotherUsersRequest()
{
    if (::geteuid() != 0)
        QSKIP("a process of another user needs root");
    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
    // Opened up on purpose, with a second name where the other user can reach it.
    const QString name = CSingleInstance::ServerName(TestKey);
    QVERIFY(::chmod(Native(name).constData(), 0777) == 0);
    QTemporaryDir reachableFolder;
    QVERIFY(::chmod(Native(reachableFolder.path()).constData(), 0755) == 0);
    const QString reachable = reachableFolder.filePath(QStringLiteral("s"));
    QVERIFY(::link(Native(name).constData(), Native(reachable).constData()) == 0);

    // The same way in works for this user.
    QLocalSocket own;
    own.connectToServer(reachable);
    QVERIFY(own.waitForConnected(1000));
    own.write("raise\n");
    QVERIFY(own.waitForBytesWritten(1000));
    QTRY_COMPARE(raised.count(), 1);

    const sockaddr_un address = Address(reachable);
    QCOMPARE(AsNobody([&address] {
        CSocket socket;
        if (::connect(socket.m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address)
            != 0)
            return 1;
        return ::write(socket.m_fd, "raise\n", 6) == 6 ? 0 : 2;
    }),
        0); // it did reach the server and send its request
    QTest::qWait(200);
    QCOMPARE(raised.count(), 1);
}

void TestSingleInstance::programStarts()
{
    QProcess crashed;
    StartProgram(crashed);
    QVERIFY(WaitUntilListening(QStringLiteral("meridock-netconf"), crashed));
    crashed.kill();
    QVERIFY(crashed.waitForFinished());

    // Its socket file is left behind; the next start must still become the first copy.
    QProcess next;
    StartProgram(next);
    QVERIFY(WaitUntilListening(QStringLiteral("meridock-netconf"), next));

    // A later start asks that copy and ends at once: no output, no state file of its own.
    QProcess later;
    StartProgram(later);
    QVERIFY(later.waitForFinished(10000));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(later.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFile::exists(m_config->filePath(QStringLiteral("MeridockSettingUtil.dat"))));
    QCOMPARE(next.state(), QProcess::Running);
    next.kill();
    QVERIFY(next.waitForFinished());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
