#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString ProgramPath = QStringLiteral(MERIDOCK_NETCONF_EXE);

// Waits until the copy holding the marker for `key` answers on its socket.
bool WaitUntilListening(const QString &key, QProcess &process)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (process.state() == QProcess::NotRunning)
            return false;
        QLocalSocket probe;
        probe.connectToServer(CSingleInstance::ServerName(key));
        if (probe.waitForConnected(100)) {
            probe.disconnectFromServer();
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

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

// A lock held on `path` by a descriptor of its own, as another process would hold it.
class CHeldLock
{
public:
    explicit CHeldLock(const QString &path)
        : m_fd(::open(Native(path).constData(), O_RDWR | O_CLOEXEC))
    {
        m_held = m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    }
    ~CHeldLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CHeldLock(const CHeldLock &) = delete;
    CHeldLock &operator=(const CHeldLock &) = delete;
    bool m_held = false;

private:
    int m_fd;
};

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool FillAddress(sockaddr_un &address, const QByteArray &path)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    return true;
}

// Waits up to `ms` for one byte on `fd`; -1 when none came.
int ReadByte(int fd, int ms)
{
    pollfd p { fd, POLLIN, 0 };
    unsigned char byte = 0;
    if (::poll(&p, 1, ms) != 1 || ::read(fd, &byte, 1) != 1)
        return -1;
    return byte;
}

// A process that has become the unprivileged user. The child only makes system calls.
class CChildAsNobody
{
public:
    ~CChildAsNobody()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        for (int fd : { m_report[0], m_report[1], m_result[0], m_result[1] })
            if (fd >= 0)
                ::close(fd);
    }

    // Runs `body` in the child; its return value is the child's result.
    template<typename Body> bool Start(Body body)
    {
        if (::pipe(m_report) != 0 || ::pipe(m_result) != 0)
            return false;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(m_report[0]);
            ::close(m_result[0]);
            const unsigned char result = ::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0
                ? 100
                : static_cast<unsigned char>(body(m_report[1]));
            (void)::write(m_result[1], &result, 1);
            // Ended by a signal, so that no exit handler runs on the parent's inherited state
            // (under memcheck that would count the vanished threads' memory as leaks).
            ::kill(::getpid(), SIGKILL);
        }
        for (int &fd : { std::ref(m_report[1]), std::ref(m_result[1]) }) {
            ::close(fd);
            fd = -1;
        }
        return m_pid > 0;
    }

    // A byte the child wrote to its report descriptor, or -1.
    int Report(int ms) { return ReadByte(m_report[0], ms); }

    // The child's result once it has one, with the event loop running meanwhile; -1 when it
    // gave none in time.
    int Finish(int ms)
    {
        for (int waited = 0; waited < ms; waited += 20) {
            const int result = ReadByte(m_result[0], 0);
            if (result >= 0) {
                ::waitpid(m_pid, nullptr, 0);
                m_pid = -1;
                return result;
            }
            QTest::qWait(20);
        }
        return -1;
    }

private:
    pid_t m_pid = -1;
    int m_report[2] = { -1, -1 };
    int m_result[2] = { -1, -1 };
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void secondClaimLosesAndRaisesTheFirst();
    void otherNamesRunSideBySide();
    void markerGoesWithItsHolder();
    void socketIsOwnerOnly();
    void garbageOnTheSocketRaisesNothing();
    void requestsOnTheSocket_data();
    void requestsOnTheSocket();
    void onlyMarkerAndSocketInTheFolder();
    void socketGoesWithItsHolder();
    void programKeyIsTheStartedName();
    void markerIsAnOwnerOnlyFileInTheRuntimeFolder();
    void plantedMarkerIsNotTrusted_data();
    void plantedMarkerIsNotTrusted();
    void folderInTheMarkersPlaceDoesNotStopTheStart();
    void noRuntimeFolderMakesNoMarkerElsewhere();
    void notifyTalksOnlyToAnOwnSocket_data();
    void notifyTalksOnlyToAnOwnSocket();
    void notifyIgnoresAServerOfAnotherUser();
    void serverIgnoresAnotherUsersRequest();

    void secondProgramStartExitsAtOnce();
    void crashedCopyDoesNotBlockTheNextStart();

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
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
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
    process.start(ProgramPath, {});
    QVERIFY(process.waitForStarted());
}

void TestSingleInstance::secondClaimLosesAndRaisesTheFirst()
{
    CSingleInstance first(QStringLiteral("netconf-test"));
    CSingleInstance second(QStringLiteral("netconf-test"));
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);

    QVERIFY(first.Claim());
    QVERIFY(!second.Claim());
    second.NotifyRunningCopy();

    QTRY_COMPARE(raised.count(), 1);
}

void TestSingleInstance::otherNamesRunSideBySide()
{
    CSingleInstance first(QStringLiteral("netconf-test"));
    CSingleInstance renamed(QStringLiteral("netconf-copy"));
    QVERIFY(first.Claim());
    QVERIFY(renamed.Claim());
}

void TestSingleInstance::markerGoesWithItsHolder()
{
    {
        CSingleInstance first(QStringLiteral("netconf-test"));
        QVERIFY(first.Claim());
    }
    CSingleInstance next(QStringLiteral("netconf-test"));
    QVERIFY(next.Claim());
}

void TestSingleInstance::socketIsOwnerOnly()
{
    CSingleInstance first(QStringLiteral("netconf-test"));
    QVERIFY(first.Claim());
    const QFileInfo socket(CSingleInstance::ServerName(QStringLiteral("netconf-test")));
    QVERIFY(socket.exists());
    QVERIFY(socket.absolutePath() == m_runtime->path());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(socket.permissions() & others, QFile::Permissions());
}

void TestSingleInstance::garbageOnTheSocketRaisesNothing()
{
    CSingleInstance first(QStringLiteral("netconf-test"));
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);

    QLocalSocket socket;
    socket.connectToServer(CSingleInstance::ServerName(QStringLiteral("netconf-test")));
    QVERIFY(socket.waitForConnected(1000));
    socket.write(QByteArray(4096, 'x'));
    QVERIFY(socket.waitForBytesWritten(1000));
    QTest::qWait(100);
    socket.disconnectFromServer();
    QTest::qWait(100);

    QCOMPARE(raised.count(), 0);
}

void TestSingleInstance::requestsOnTheSocket_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<int>("raises");

    using Writes = QList<QByteArray>;
    QTest::newRow("the request in one write raises") << Writes { "raise\n" } << 1;
    QTest::newRow("the request in two writes raises") << Writes { "rai", "se\n" } << 1;
    QTest::newRow("only the first six bytes count") << Writes { "raise\nraise\n" } << 1;
    QTest::newRow("the request without its line end raises nothing") << Writes { "raise" } << 0;
    QTest::newRow("another word raises nothing") << Writes { "lower\n" } << 0;
    QTest::newRow("capitals raise nothing") << Writes { "RAISE\n" } << 0;
    QTest::newRow("a blank before it raises nothing") << Writes { " raise\n" } << 0;
}

void TestSingleInstance::requestsOnTheSocket()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(int, raises);

    CSingleInstance first(QStringLiteral("netconf-test"));
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);

    QLocalSocket socket;
    socket.connectToServer(CSingleInstance::ServerName(QStringLiteral("netconf-test")));
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

void TestSingleInstance::onlyMarkerAndSocketInTheFolder()
{
    CSingleInstance first(QStringLiteral("netconf-test"));
    QVERIFY(first.Claim());
    const QString user = QString::number(::getuid());
    const QStringList expected { QStringLiteral("netconf-test-") + user + QStringLiteral(".lock"),
        QStringLiteral("netconf-test-") + user + QStringLiteral(".socket") };
    QCOMPARE(QDir(m_runtime->path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                     QDir::Name),
        expected);
}

void TestSingleInstance::socketGoesWithItsHolder()
{
    const QString socket = CSingleInstance::ServerName(QStringLiteral("netconf-test"));
    {
        CSingleInstance first(QStringLiteral("netconf-test"));
        QVERIFY(first.Claim());
        QVERIFY(QFileInfo::exists(socket));
    }
    QVERIFY(!QFileInfo::exists(socket));
}

void TestSingleInstance::programKeyIsTheStartedName()
{
    // This test program was started as tst_singleinstance.
    QCOMPARE(CSingleInstance::ProgramKey(), QStringLiteral("tst_singleinstance"));
}

void TestSingleInstance::markerIsAnOwnerOnlyFileInTheRuntimeFolder()
{
    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());

    const QString uid = QString::number(::getuid());
    const QString marker
        = m_runtime->path() + QStringLiteral("/netconf-test-") + uid + QStringLiteral(".lock");
    QCOMPARE(CSingleInstance::MarkerPath(TestKey), marker);
    QCOMPARE(CSingleInstance::ServerName(TestKey),
        m_runtime->path() + QStringLiteral("/netconf-test-") + uid + QStringLiteral(".socket"));
    const struct stat st = LinkStat(marker);
    QVERIFY(S_ISREG(st.st_mode));
    QCOMPARE(st.st_uid, ::geteuid());
    QCOMPARE(st.st_mode & 07777, mode_t(0600));
    QCOMPARE(st.st_nlink, nlink_t(1));
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
    QTest::addColumn<bool>("needsRoot");
    QTest::newRow("a link to a marker held elsewhere is not followed")
        << Plant::LinkToHeldFile << false;
    QTest::newRow("a link to a missing file makes nothing at its target")
        << Plant::LinkToMissingFile << false;
    QTest::newRow("another user's file, held, does not stop the start")
        << Plant::OtherUsersHeldFile << true;
    QTest::newRow("an own file others may open, held, is replaced")
        << Plant::LooseOwnHeldFile << false;
    QTest::newRow("a file with a second name elsewhere, held there, is replaced")
        << Plant::HardLinkToHeldFile << false;
    QTest::newRow("a FIFO neither hangs the start nor stays") << Plant::Fifo << false;
    QTest::newRow("a socket in the marker's place is replaced") << Plant::Socket << false;
}

void TestSingleInstance::plantedMarkerIsNotTrusted()
{
    QFETCH(Plant, plant);
    QFETCH(bool, needsRoot);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("planting another user's file needs root");

    const QString marker = CSingleInstance::MarkerPath(TestKey);
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString target = elsewhere.filePath(QStringLiteral("target"));
    const QByteArray targetText = "someone else's file\n";
    std::unique_ptr<CHeldLock> holder;
    QLocalServer planted;
    switch (plant) {
    case Plant::LinkToHeldFile:
        QVERIFY(WriteFile(target, targetText));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        holder = std::make_unique<CHeldLock>(target);
        QVERIFY(QFile::link(target, marker));
        break;
    case Plant::LinkToMissingFile:
        QVERIFY(QFile::link(target, marker));
        break;
    case Plant::OtherUsersHeldFile:
        QVERIFY(WriteFile(marker, targetText));
        QVERIFY(::chmod(Native(marker).constData(), 0600) == 0);
        QVERIFY(::chown(Native(marker).constData(), NobodyId, NobodyId) == 0);
        holder = std::make_unique<CHeldLock>(marker);
        break;
    case Plant::LooseOwnHeldFile:
        QVERIFY(WriteFile(marker, targetText));
        QVERIFY(::chmod(Native(marker).constData(), 0666) == 0);
        holder = std::make_unique<CHeldLock>(marker);
        break;
    case Plant::HardLinkToHeldFile:
        QVERIFY(WriteFile(target, targetText));
        QVERIFY(::chmod(Native(target).constData(), 0600) == 0);
        QVERIFY(::link(Native(target).constData(), Native(marker).constData()) == 0);
        holder = std::make_unique<CHeldLock>(target);
        break;
    case Plant::Fifo:
        QVERIFY(::mkfifo(Native(marker).constData(), 0600) == 0);
        break;
    case Plant::Socket:
        QVERIFY(planted.listen(marker));
        break;
    }
    if (holder)
        QVERIFY(holder->m_held);

    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());

    const struct stat st = LinkStat(marker);
    QVERIFY(S_ISREG(st.st_mode));
    QCOMPARE(st.st_uid, ::geteuid());
    QCOMPARE(st.st_mode & 07777, mode_t(0600));
    QCOMPARE(st.st_nlink, nlink_t(1));
    QCOMPARE(ReadFile(marker), QByteArray());
    switch (plant) {
    case Plant::LinkToMissingFile:
        QVERIFY(!QFileInfo::exists(target));
        break;
    case Plant::LinkToHeldFile:
    case Plant::HardLinkToHeldFile:
        QCOMPARE(ReadFile(target), targetText);
        QCOMPARE(LinkStat(target).st_nlink, nlink_t(1));
        break;
    default:
        break;
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
    QVERIFY(WriteFile(marker + QStringLiteral("/kept"), "x"));

    CSingleInstance first(TestKey);
    CSingleInstance second(TestKey);
    QVERIFY(first.Claim());
    QVERIFY(second.Claim());

    QVERIFY(S_ISDIR(LinkStat(marker).st_mode));
    QCOMPARE(ReadFile(marker + QStringLiteral("/kept")), QByteArray("x"));
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
    bool claimed = false;
    {
        CSingleInstance first(key);
        claimed = first.Claim();
    }
    qInstallMessageHandler(previous);
    qputenv("TMPDIR", oldTmp);
    if (oldTmp.isEmpty())
        qunsetenv("TMPDIR");
    const QString uid = QString::number(::getuid());
    const QString atRoot = QStringLiteral("/") + key + u'-' + uid;
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

enum class Impostor { OtherUsersSocket, LinkToOwnServer };

void TestSingleInstance::notifyTalksOnlyToAnOwnSocket_data()
{
    QTest::addColumn<Impostor>("impostor");
    QTest::addColumn<bool>("needsRoot");
    QTest::newRow("a socket file of another user") << Impostor::OtherUsersSocket << true;
    QTest::newRow("a link to a listening socket elsewhere") << Impostor::LinkToOwnServer << false;
}

void TestSingleInstance::notifyTalksOnlyToAnOwnSocket()
{
    QFETCH(Impostor, impostor);
    QFETCH(bool, needsRoot);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("a socket of another user needs root");

    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
    const QString name = CSingleInstance::ServerName(TestKey);
    QVERIFY(QFile::remove(name));

    QTemporaryDir elsewhere;
    QLocalServer server;
    QSignalSpy connections(&server, &QLocalServer::newConnection);
    if (impostor == Impostor::OtherUsersSocket) {
        QVERIFY(server.listen(name));
        QVERIFY(::chown(Native(name).constData(), NobodyId, NobodyId) == 0);
    } else {
        const QString real = elsewhere.filePath(QStringLiteral("s"));
        QVERIFY(server.listen(real));
        QVERIFY(QFile::link(real, name));
    }

    CSingleInstance second(TestKey);
    QVERIFY(!second.Claim());
    second.NotifyRunningCopy();
    QTest::qWait(200);

    QCOMPARE(connections.count(), 0);
    QCOMPARE(raised.count(), 0);
}

void TestSingleInstance::notifyIgnoresAServerOfAnotherUser()
{
    if (::geteuid() != 0)
        QSKIP("a process of another user needs root");
    CSingleInstance first(TestKey);
    QVERIFY(first.Claim());
    const QString name = CSingleInstance::ServerName(TestKey);
    QVERIFY(QFile::remove(name));

    // The other user's process listens in a folder of its own; the socket is then moved into
    // the runtime folder and given this user as owner, so that only the process behind it
    // gives it away.
    QTemporaryDir theirs;
    QVERIFY(::chown(Native(theirs.path()).constData(), NobodyId, NobodyId) == 0);
    const QByteArray theirSocket = Native(theirs.filePath(QStringLiteral("s")));
    sockaddr_un address;
    QVERIFY(FillAddress(address, theirSocket));
    CChildAsNobody child;
    QVERIFY(child.Start([&address](int report) {
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (listener < 0
            || ::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
            || ::listen(listener, 4) != 0)
            return 1;
        const unsigned char ready = 'L';
        if (::write(report, &ready, 1) != 1)
            return 2;
        unsigned char received = 0;
        pollfd p { listener, POLLIN, 0 };
        if (::poll(&p, 1, 3000) == 1) {
            const int connection = ::accept(listener, nullptr, nullptr);
            pollfd q { connection, POLLIN, 0 };
            char buffer[64];
            ssize_t n = 0;
            while (connection >= 0 && ::poll(&q, 1, 1000) == 1
                && (n = ::read(connection, buffer, sizeof buffer)) > 0)
                received = static_cast<unsigned char>(received + n);
        }
        return ::write(report, &received, 1) == 1 ? 0 : 3;
    }));
    QCOMPARE(child.Report(5000), int('L'));
    QVERIFY(::rename(theirSocket.constData(), Native(name).constData()) == 0);
    QVERIFY(::chown(Native(name).constData(), ::geteuid(), ::getegid()) == 0);

    CSingleInstance second(TestKey);
    QVERIFY(!second.Claim());
    second.NotifyRunningCopy();

    QCOMPARE(child.Report(6000), 0); // bytes the other user's process received
    QCOMPARE(child.Finish(5000), 0);
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
    {
        QLocalSocket own;
        own.connectToServer(reachable);
        QVERIFY(own.waitForConnected(1000));
        own.write("raise\n");
        QVERIFY(own.waitForBytesWritten(1000));
        QTRY_COMPARE(raised.count(), 1);
    }

    sockaddr_un address;
    QVERIFY(FillAddress(address, Native(reachable)));
    CChildAsNobody child;
    QVERIFY(child.Start([&address](int) {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (s < 0 || ::connect(s, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            return 1;
        if (::write(s, "raise\n", 6) != 6)
            return 2;
        // Until the server hangs up, or a while.
        pollfd p { s, POLLIN, 0 };
        char byte;
        if (::poll(&p, 1, 2000) == 1)
            (void)::read(s, &byte, 1);
        return 0;
    }));
    QCOMPARE(child.Finish(6000), 0); // it did reach the server and send its request
    QTest::qWait(100);
    QCOMPARE(raised.count(), 1);
}

void TestSingleInstance::secondProgramStartExitsAtOnce()
{
    QProcess first;
    StartProgram(first);
    QVERIFY(WaitUntilListening(QStringLiteral("meridock-netconf"), first));

    QProcess second;
    StartProgram(second);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // It asked the first copy and ended: no state file of its own, nothing written.
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFile::exists(m_config->filePath(QStringLiteral("MeridockSettingUtil.dat"))));

    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    QVERIFY(first.waitForFinished());
}

void TestSingleInstance::crashedCopyDoesNotBlockTheNextStart()
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

    QProcess later;
    StartProgram(later);
    QVERIFY(later.waitForFinished(10000));
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(next.state(), QProcess::Running);

    next.kill();
    QVERIFY(next.waitForFinished());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
