#include "DialogScript.h"
#include "TestFiles.h"
#include "ui/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString TestKey = u"netconf-test"_s;

// Found in place, not through a link, of this user and for this user alone.
bool IsOwnPrivate(const QString &path, mode_t type)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & S_IFMT) == type
        && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0600 && st.st_nlink == 1;
}

bool Answers(const QString &key)
{
    QLocalSocket probe;
    probe.connectToServer(CSingleInstance::ServerName(key));
    return probe.waitForConnected(100);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_runtime;

private Q_SLOTS:
    void init()
    {
        FailOnWarnings();
        m_runtime = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
        QCOMPARE(CSingleInstance::MarkerFolder(), m_runtime->path());
    }

    void raiseRequests_data()
    {
        QTest::addColumn<QByteArray>("token"); // handed to a later copy, or
        QTest::addColumn<QByteArray>("bytes"); // written to the socket as they are
        QTest::addColumn<QByteArrayList>("tokens"); // of each raise
        const QByteArray longer(CSingleInstance::MaxActivationTokenLength + 1, 'a');
        const QByteArray none;
        const auto row = [](const char *name, const QByteArray &token, const QByteArray &bytes,
                             const QByteArrayList &tokens) {
            QTest::newRow(name) << token << bytes << tokens;
        };
        row("Wayland token", "6d7f2a90-1c4e_a:b", none, { "6d7f2a90-1c4e_a:b" });
        row("longer token dropped", longer, none, { none });
        row("token with a newline dropped", "ab\nraise x", none, { none });
        row("only the first line is read", none, "raise\nraise other\n", { none });
        row("control character: token dropped", none, "raise a\tb\n", { none });
        row("no newline before hang-up", none, "raise ab", {});
        row("over-long request", none, "raise " + longer + '\n', {});
    }
    void raiseRequests()
    {
        QFETCH(QByteArray, bytes);
        const QString socketPath = CSingleInstance::ServerName(TestKey);
        {
            CSingleInstance first(TestKey), second(TestKey);
            QSignalSpy raised(&first, &CSingleInstance::RaiseRequested);
            QVERIFY(first.Claim() && !second.Claim());
            QVERIFY(IsOwnPrivate(CSingleInstance::MarkerPath(TestKey), S_IFREG));
            QVERIFY(IsOwnPrivate(socketPath, S_IFSOCK));
            QLocalSocket socket;
            if (bytes.isEmpty()) {
                QFETCH(QByteArray, token);
                second.NotifyRunningCopy(token);
                QTRY_COMPARE(raised.count(), 1);
            } else { // the sending side ends; the holder must act and hang up
                socket.connectToServer(socketPath);
                QVERIFY(socket.waitForConnected(1000) && socket.write(bytes) == bytes.size());
                QVERIFY(socket.flush() && ::shutdown(int(socket.socketDescriptor()), SHUT_WR) == 0);
                QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 10000);
            }
            QByteArrayList tokens;
            for (const QList<QVariant> &arguments : raised)
                tokens.append(arguments.first().toByteArray());
            QTEST(tokens, "tokens");
        }
        // The socket goes with its holder, and the marker is free again.
        QVERIFY(!QFileInfo::exists(socketPath));
        QVERIFY(CSingleInstance(TestKey).Claim());
    }

    void plantedMarkerIsReplaced_data()
    {
        QTest::addColumn<QString>("plant"); // shell commands on the marker $1 and a file $2
        QTest::newRow("a link is not followed") << u"ln -s \"$2\" \"$1\""_s;
        QTest::newRow("another user's file") << u"echo x >\"$1\" && chown 65534 \"$1\""_s;
        QTest::newRow("an own file others may open") << u"echo x >\"$1\" && chmod 666 \"$1\""_s;
        QTest::newRow("a file with a second name elsewhere")
            << u"echo x >\"$2\" && ln \"$2\" \"$1\""_s;
        QTest::newRow("a FIFO does not hang the start") << u"mkfifo -m 600 \"$1\""_s;
    }

    void plantedMarkerIsReplaced()
    {
        QFETCH(QString, plant);
        const QString marker = CSingleInstance::MarkerPath(TestKey);
        QTemporaryDir elsewhere;
        QCOMPARE(QProcess::execute(u"sh"_s,
                     { u"-c"_s, u"umask 077 && "_s + plant, u"sh"_s, marker,
                         elsewhere.filePath(u"t"_s) }),
            0);
        CSingleInstance first(TestKey);
        QVERIFY(first.Claim());
        QVERIFY(IsOwnPrivate(marker, S_IFREG));
        QCOMPARE(TestFiles::ReadAll(marker), QByteArray());
    }

    void folderInTheMarkersPlaceDoesNotStopTheStart()
    {
        const QString marker = CSingleInstance::MarkerPath(TestKey), kept = marker + u"/kept"_s;
        QVERIFY(QDir().mkdir(marker) && TestFiles::Write(kept, "someone else's file\n"));
        CSingleInstance first(TestKey), second(TestKey);
        QVERIFY(first.Claim() && second.Claim());
        QCOMPARE(TestFiles::ReadAll(kept), QByteArray("someone else's file\n"));
        // Without a marker neither copy may take the other's socket away.
        QVERIFY(!QFileInfo::exists(CSingleInstance::ServerName(TestKey)));
    }

    void programStarts()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString program = QStringLiteral(MERIDOCK_NETCONF_EXE), key = u"meridock-netconf"_s;
        QProcess next, later;
        next.start(program, {});
        QTRY_VERIFY_WITH_TIMEOUT(Answers(key), 10000);
        next.kill();
        QVERIFY(next.waitForFinished());
        // Its socket file is left behind; the next start must still become the first copy.
        next.start(program, {});
        QTRY_VERIFY_WITH_TIMEOUT(Answers(key), 10000);
        // A later start asks that copy and ends at once: no output, no state file of its own.
        later.start(program, {});
        QVERIFY(later.waitForFinished(10000));
        QVERIFY(later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0);
        QCOMPARE(later.readAllStandardOutput(), QByteArray());
        QVERIFY(!QFile::exists(config.filePath(u"MeridockSettingUtil.dat"_s)));
        QCOMPARE(next.state(), QProcess::Running);
        next.kill();
        QVERIFY(next.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
