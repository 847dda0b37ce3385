#include "TestFiles.h"
#include "ui/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString TestKey = QStringLiteral("netconf-test");

// Found in place, not through a link, of this user and for this user alone.
bool IsOwnPrivate(const QString &path, mode_t type)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & S_IFMT) == type
        && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0600 && st.st_nlink == 1;
}

bool WriteFile(const QString &path, mode_t mode, uid_t owner = ::geteuid())
{
    const QByteArray native = QFile::encodeName(path);
    return TestFiles::Write(path, "someone else's file\n") && ::chmod(native.constData(), mode) == 0
        && ::chown(native.constData(), owner, static_cast<gid_t>(-1)) == 0;
}

bool Answers(const QString &key)
{
    QLocalSocket probe;
    probe.connectToServer(CSingleInstance::ServerName(key));
    return probe.waitForConnected(100);
}

// Sends `bytes` on a connection of its own, ends the sending side and waits until the holder,
// served by this thread's event loop, has closed the connection: by then it has acted on the
// request or dropped it.
bool SendAndWaitForHangUp(const QString &name, const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(1000) && socket.write(bytes) == bytes.size() && socket.flush()
        && ::shutdown(static_cast<int>(socket.socketDescriptor()), SHUT_WR) == 0
        && QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 10000);
}

enum class Plant { LinkToMissingFile, OtherUsersFile, LooseOwnFile, HardLinkedFile, Fifo };

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_runtime;

private Q_SLOTS:
    void init()
    {
        m_runtime = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
        QCOMPARE(CSingleInstance::MarkerFolder(), m_runtime->path());
    }

    void firstCopyIsRaisedWithTheToken_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("received");
        const QByteArray longest(CSingleInstance::MaxActivationTokenLength, 'x');
        QTest::newRow("Wayland token")
            << QByteArray("6d7f2a90-1c4e_a:b") << QByteArray("6d7f2a90-1c4e_a:b");
        QTest::newRow("no token") << QByteArray() << QByteArray();
        QTest::newRow("longest token") << longest << longest;
        QTest::newRow("longer token dropped") << longest + 'x' << QByteArray();
        QTest::newRow("token with a newline dropped") << QByteArray("ab\nraise x") << QByteArray();
    }
    void firstCopyIsRaisedWithTheToken()
    {
        QFETCH(QByteArray, sent);
        const QString socket = CSingleInstance::ServerName(TestKey);
        {
            CSingleInstance first(TestKey);
            CSingleInstance second(TestKey);
            QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
            QVERIFY(first.Claim());
            QVERIFY(!second.Claim());
            QVERIFY(IsOwnPrivate(CSingleInstance::MarkerPath(TestKey), S_IFREG));
            QVERIFY(IsOwnPrivate(socket, S_IFSOCK));
            second.NotifyRunningCopy(sent);
            QTRY_COMPARE(raised.count(), 1);
            QTEST(raised.first().first().toByteArray(), "received");
        }
        // The socket goes with its holder, and the marker is free again.
        QVERIFY(!QFileInfo::exists(socket));
        CSingleInstance next(TestKey);
        QVERIFY(next.Claim());
    }

    void requestsAreReadStrictly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("raises");
        QTest::addColumn<QByteArray>("token");
        const QByteArray tooLong
            = "raise " + QByteArray(CSingleInstance::MaxActivationTokenLength + 1, 'a') + '\n';
        QTest::newRow("bare request") << QByteArray("raise\n") << true << QByteArray();
        QTest::newRow("request with token")
            << QByteArray("raise t0k\n") << true << QByteArray("t0k");
        QTest::newRow("only the first line is read")
            << QByteArray("raise\nraise other\n") << true << QByteArray();
        QTest::newRow("control character: token dropped")
            << QByteArray("raise a\tb\n") << true << QByteArray();
        QTest::newRow("other verb") << QByteArray("raised\n") << false << QByteArray();
        QTest::newRow("no newline before hang-up")
            << QByteArray("raise ab") << false << QByteArray();
        QTest::newRow("over-long request") << tooLong << false << QByteArray();
    }
    void requestsAreReadStrictly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, raises);
        QFETCH(QByteArray, token);
        CSingleInstance first(TestKey);
        QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
        QVERIFY(first.Claim());
        QVERIFY(SendAndWaitForHangUp(CSingleInstance::ServerName(TestKey), bytes));
        QCOMPARE(raised.count(), raises ? 1 : 0);
        if (raises)
            QCOMPARE(raised.first().first().toByteArray(), token);
    }

    void plantedMarkerIsReplaced_data()
    {
        QTest::addColumn<Plant>("plant");
        QTest::newRow("a link is not followed") << Plant::LinkToMissingFile;
        QTest::newRow("another user's file") << Plant::OtherUsersFile;
        QTest::newRow("an own file others may open") << Plant::LooseOwnFile;
        QTest::newRow("a file with a second name elsewhere") << Plant::HardLinkedFile;
        QTest::newRow("a FIFO does not hang the start") << Plant::Fifo;
    }

    void plantedMarkerIsReplaced()
    {
        QFETCH(Plant, plant);
        if (plant == Plant::OtherUsersFile && ::geteuid() != 0)
            QSKIP("planting another user's file needs root");

        const QString marker = CSingleInstance::MarkerPath(TestKey);
        const QByteArray path = QFile::encodeName(marker);
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("target"));
        switch (plant) {
        case Plant::LinkToMissingFile:
            QVERIFY(QFile::link(target, marker));
            break;
        case Plant::OtherUsersFile:
            QVERIFY(WriteFile(marker, 0600, 65534));
            break;
        case Plant::LooseOwnFile:
            QVERIFY(WriteFile(marker, 0666));
            break;
        case Plant::HardLinkedFile:
            QVERIFY(WriteFile(target, 0600)
                && ::link(QFile::encodeName(target).constData(), path.constData()) == 0);
            break;
        case Plant::Fifo:
            QVERIFY(::mkfifo(path.constData(), 0600) == 0);
            break;
        }

        CSingleInstance first(TestKey);
        QVERIFY(first.Claim());
        QVERIFY(IsOwnPrivate(marker, S_IFREG));
        QCOMPARE(TestFiles::ReadAll(marker), QByteArray());
    }

    void folderInTheMarkersPlaceDoesNotStopTheStart()
    {
        const QString marker = CSingleInstance::MarkerPath(TestKey);
        QVERIFY(QDir().mkdir(marker));
        QVERIFY(WriteFile(marker + QStringLiteral("/kept"), 0600));

        CSingleInstance first(TestKey);
        CSingleInstance second(TestKey);
        QVERIFY(first.Claim());
        QVERIFY(second.Claim());

        QCOMPARE(TestFiles::ReadAll(marker + QStringLiteral("/kept")),
            QByteArray("someone else's file\n"));
        // Without a marker neither copy may take the other's socket away.
        QVERIFY(!QFileInfo::exists(CSingleInstance::ServerName(TestKey)));
    }

    void programStarts()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QString key = QStringLiteral("meridock-netconf");
        const auto start = [](QProcess &process) {
            process.start(QStringLiteral(MERIDOCK_NETCONF_EXE), {});
            return process.waitForStarted();
        };

        QProcess crashed;
        QVERIFY(start(crashed));
        QTRY_VERIFY_WITH_TIMEOUT(Answers(key), 10000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());

        // Its socket file is left behind; the next start must still become the first copy.
        QProcess next;
        QVERIFY(start(next));
        QTRY_VERIFY_WITH_TIMEOUT(Answers(key), 10000);

        // A later start asks that copy and ends at once: no output, no state file of its own.
        QProcess later;
        QVERIFY(start(later));
        QVERIFY(later.waitForFinished(10000));
        QCOMPARE(later.exitStatus(), QProcess::NormalExit);
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(later.readAllStandardOutput(), QByteArray());
        QVERIFY(!QFile::exists(config.filePath(QStringLiteral("MeridockSettingUtil.dat"))));
        QCOMPARE(next.state(), QProcess::Running);
        next.kill();
        QVERIFY(next.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
