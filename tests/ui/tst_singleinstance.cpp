#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
