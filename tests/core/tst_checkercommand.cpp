#include "CheckerCommand.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "RuntimeRandom.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct RunResult
{
    int status = -1;
    QStringList out; // lines
    QString err;
};

RunResult Run(const QStringList &arguments)
{
    QString out;
    RunResult result;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&result.err);
        result.status = RunNetconfCheck(
            QStringList { QStringLiteral("/usr/bin/meridock-netconf-check") } + arguments,
            outStream, errStream);
    }
    result.out = out.split(u'\n', Qt::SkipEmptyParts);
    return result;
}

quint32 FixedTick()
{
    return 123456;
}

const QStringList kBrokenLines {
    QStringLiteral("Load settings: Network folder password Decryption error."),
    QStringLiteral(
        "Load settings: Invalid Network folder Device name is detected in setting file."),
    QStringLiteral("Load settings: Invalid Network folder user ID is detected in setting file."),
    QStringLiteral("Load settings: Invalid IP address."),
    QStringLiteral("Load settings: Invalid SubNet value is detected in setting file."),
    QStringLiteral("Load settings: Invalid DNS value is detected in setting file."),
    QStringLiteral("Load settings: Proxy address is missing in setting file."),
    QStringLiteral("Load settings: Invalid proxy port number is detected in setting file."),
    QStringLiteral("Load settings: Invalid network key is detected in setting file."),
    QStringLiteral("Load settings: Invalid SSID is detected in setting file."),
    QStringLiteral("Load settings: Wireless LAN Network key Decryption error."),
    QStringLiteral("Load settings: Invalid IP address value is detected in setting file."),
    QStringLiteral("Load settings: Settings loading is finished with error."),
};

const QString kLoadedClean = QStringLiteral("Load settings: Settings loaded successfully.");
const QString kCreated = QStringLiteral("Create setting: Settings file created successfully.");

} // namespace

class TestCheckerCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { QDir::setCurrent(m_startFolder); }
    void files_data();
    void files();
    void commandLine_data();
    void commandLine();
    void writeIsWhatTheWindowWrites();
    void writeStops_data();
    void writeStops();
    void writeRepairsInPlace();
    void executableRunsTheSameChecks();

private:
    QTemporaryDir m_dir;
    QString m_startFolder = QDir::currentPath();
    QString m_clean;
    QString m_broken;
};

void TestCheckerCommand::initTestCase()
{
    SetCurrentLanguageSlot(0);
    QVERIFY(m_dir.isValid());
    m_clean = QFINDTESTDATA("data/clean.ini");
    m_broken = QFINDTESTDATA("data/broken.ini");
    QVERIFY(!m_clean.isEmpty() && !m_broken.isEmpty());
    // Relative names below are in the temporary folder.
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(QFile::copy(m_clean, QStringLiteral("-dash.ini")));
    QVERIFY(QDir().mkdir(QStringLiteral("directory")));
    QVERIFY(TestFiles::Write(
        QStringLiteral("binary"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    QVERIFY(TestFiles::Write(QStringLiteral("huge"), QByteArray(4 * 1024 * 1024 + 1, ';')));
}

void TestCheckerCommand::files_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");

    const QString prefix = QStringLiteral("meridock-netconf-check: ");
    QTest::newRow("a clean file") << QStringList { m_clean } << 0 << QStringList { kLoadedClean }
                                  << QString();
    QTest::newRow("every message of a broken file, in order")
        << QStringList { m_broken } << 1 << kBrokenLines << QString();
    QTest::newRow("after --, a name that starts with - is a file")
        << QStringList { QStringLiteral("--"), QStringLiteral("-dash.ini") } << 0
        << QStringList { kLoadedClean } << QString();
    QTest::newRow("a missing file")
        << QStringList { QStringLiteral("absent.ini") } << 2 << QStringList()
        << prefix + QStringLiteral("absent.ini: Setting file is not exist in selected place.\n");
    QTest::newRow("a directory") << QStringList { QStringLiteral("directory") } << 2
                                 << QStringList()
                                 << prefix + QStringLiteral("directory: not a regular file\n");
    QTest::newRow("binary data") << QStringList { QStringLiteral("binary") } << 2 << QStringList()
                                 << prefix
            + QStringLiteral("binary: holds NUL characters: binary data, not a settings file\n");
    QTest::newRow("a file above the size limit")
        << QStringList { QStringLiteral("huge") } << 2 << QStringList()
        << prefix
            + QStringLiteral(
                "huge: larger than 4194304 bytes, which no settings file comes near\n");
}

void TestCheckerCommand::files()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QString, err);

    const RunResult r = Run(arguments);
    QCOMPARE(r.status, status);
    QCOMPARE(r.out, out);
    QCOMPARE(r.err, err);
    if (status == 2) {
        const RunResult w = Run(
            QStringList { QStringLiteral("--write"), QStringLiteral("never.ini") } + arguments);
        QCOMPARE(w.status, 2);
        QVERIFY(!QFileInfo::exists(QStringLiteral("never.ini")));
    }
}

void TestCheckerCommand::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine"); // of standard output for 0, of standard error else

    const QString usage = QStringLiteral("Usage: meridock-netconf-check FILE");
    const QString write = QStringLiteral("--write");
    const QString out = QStringLiteral("o.ini");
    QTest::newRow("--help") << QStringList { QStringLiteral("--help") } << 0 << usage;
    QTest::newRow("-h") << QStringList { QStringLiteral("-h") } << 0 << usage;
    QTest::newRow("no file") << QStringList {} << 2 << usage;
    QTest::newRow("two files") << QStringList { m_clean, m_broken } << 2 << usage;
    QTest::newRow("--write alone") << QStringList { write } << 2 << usage;
    QTest::newRow("--write without FILE") << QStringList { write, out } << 2 << usage;
    QTest::newRow("--write twice")
        << QStringList { write, out, write, QStringLiteral("p.ini"), m_clean } << 2 << usage;
    QTest::newRow("--write with an empty OUT")
        << QStringList { write, QString(), m_clean } << 2 << usage;
    QTest::newRow("unknown option") << QStringList { QStringLiteral("--verbose"),
        m_clean } << 2 << QStringLiteral("meridock-netconf-check: unknown option --verbose");
}

void TestCheckerCommand::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    const RunResult r = Run(arguments);
    QCOMPARE(r.status, status);
    QCOMPARE(status == 0 ? r.out.value(0) : r.err.section(u'\n', 0, 0), firstLine);
    QCOMPARE(status == 0 ? r.err.isEmpty() : r.out.isEmpty(), true);
    QVERIFY(!QFileInfo::exists(QStringLiteral("o.ini")));
}

void TestCheckerCommand::writeIsWhatTheWindowWrites()
{
    SetTickSource(&FixedTick);
    RuntimeRandom::Seed(1);
    const RunResult r = Run({ QStringLiteral("--write"), QStringLiteral("checker.ini"), m_clean });
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, (QStringList { kLoadedClean, kCreated }));
    QCOMPARE(r.err, QString());

    // The window: load the same file, then the writer, from the same generator state.
    CSettingsDocument document;
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, m_clean), 1);
    RuntimeRandom::Seed(1);
    QCOMPARE(WriteSettingsFile(document, QStringLiteral("window.ini")), 1);
    SetTickSource(nullptr);
    const QByteArray written = TestFiles::ReadAll(QStringLiteral("checker.ini"));
    QVERIFY(written.startsWith("[UserNetworkSetting]\r\n"));
    QCOMPARE(written, TestFiles::ReadAll(QStringLiteral("window.ini")));
}

void TestCheckerCommand::writeStops_data()
{
    QTest::addColumn<QString>("file"); // empty for the clean fixture
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("lastLine");

    QTest::newRow("a proxy without address stops the write")
        << QStringLiteral("[UserNetworkSetting]\nWIRED_PROXY=1\nWIRED_PROXY_PORT=8080\n")
        << QStringLiteral("stopped.ini") << 1
        << QStringLiteral("Wired LAN setting: Please input Proxy address.");
    QTest::newRow("the folder is checked before the wired LAN")
        << QStringLiteral("[NewtworkFolderSetting]\nNETFOLDER_NAME=nas_x\nNETFOLDER_UID=u\n"
                          "[UserNetworkSetting]\nWIRED_PROXY=1\n")
        << QStringLiteral("stopped.ini") << 1
        << QStringLiteral("Network folder setting: Please input Device name.");
    QTest::newRow("an output that cannot be written")
        << QString() << QStringLiteral("no-such-folder/NetworkSetting.ini") << 2
        << QStringLiteral("Create setting: Create setting file is failed.");
}

void TestCheckerCommand::writeStops()
{
    QFETCH(QString, file);
    QFETCH(QString, out);
    QFETCH(int, status);
    QFETCH(QString, lastLine);
    QString input = m_clean;
    if (!file.isEmpty()) {
        input = QStringLiteral("stop.ini");
        QVERIFY(TestFiles::Write(input, TestFiles::Bytes(file)));
    }
    const RunResult r = Run({ QStringLiteral("--write"), out, input });
    QCOMPARE(r.status, status);
    // The load's own lines come first, and nothing after the one that stopped the write.
    QCOMPARE(r.out.value(r.out.size() - 2), file.isEmpty() ? kLoadedClean : kBrokenLines.last());
    QCOMPARE(r.out.last(), lastLine);
    QVERIFY(!QFileInfo::exists(out));
}

void TestCheckerCommand::writeRepairsInPlace()
{
    const QString path = QStringLiteral("repair.ini");
    QVERIFY(TestFiles::Write(path,
        TestFiles::Bytes(
            QStringLiteral("[UserNetworkSetting]\nWIRED_IP=127.0.0.1\nWIRED_DNS=8.8.8.8\n"
                           "WIRELESS_SSID=")
            + QString(33, u'x') + QStringLiteral("\nWIRELESS_SSID_2=Kept\n"))));
    // The output replaces the input in one step; the load's errors still show in the status.
    const RunResult r = Run({ QStringLiteral("--write"), path, path });
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out,
        (QStringList { QStringLiteral("Load settings: Invalid IP address."),
            QStringLiteral("Load settings: Invalid SSID is detected in setting file."),
            QStringLiteral("Load settings: Settings loading is finished with error."), kCreated }));
    const CProfileFile repaired = CProfileFile::FromBytes(TestFiles::ReadAll(path));
    QCOMPARE(repaired.Value(u"UserNetworkSetting", u"WIRED_IP"), QString());
    QCOMPARE(repaired.Value(u"UserNetworkSetting", u"WIRELESS_SSID"), QStringLiteral("Kept"));
    QVERIFY(!repaired.Contains(u"UserNetworkSetting", u"WIRELESS_SSID_2"));
    QCOMPARE(repaired.Value(u"Common", u"WIRELESS_SETTING_TOTAL"), QStringLiteral("1"));
    QCOMPARE(Run({ path }).status, 0);
}

void TestCheckerCommand::executableRunsTheSameChecks()
{
    const auto run = [](const QStringList &arguments, const char *locale) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MERIDOCK_CHECKER_PATH), arguments);
        process.waitForFinished(60000);
        return QStringList { QString::number(process.exitCode()),
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) };
    };

    QCOMPARE(run({ m_clean }, "C"),
        (QStringList { QStringLiteral("0"), kLoadedClean + u'\n', QString() }));
    // The language comes from the user's locale, as for the window.
    QCOMPARE(run({ m_clean }, "de_DE.UTF-8"),
        (QStringList { QStringLiteral("0"),
            MessageTextInSlot(Msg::LoadSettingsCaption, 3).toString() + QStringLiteral(": ")
                + MessageTextInSlot(Msg::SettingsLoaded, 3).toString() + u'\n',
            QString() }));
}

QTEST_GUILESS_MAIN(TestCheckerCommand)
#include "tst_checkercommand.moc"
