#include "checker/CheckerCommand.h"
#include "MessageRecorder.h"
#include "core/cipher/RuntimeRandom.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// The exit status and the lines of standard output and of standard error of one run of the
// checker, as a script would run it (the suite runs under LC_ALL=C).
struct RunResult
{
    int status = -1;
    QStringList out;
    QStringList err;
};

RunResult Run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(MERIDOCK_CHECKER_PATH), arguments);
    process.waitForFinished(60000);
    const auto lines = [](const QByteArray &bytes) {
        return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    };
    return { process.exitCode(), lines(process.readAllStandardOutput()),
        lines(process.readAllStandardError()) };
}

const QString kLoadedClean = u"Load settings: Settings loaded successfully."_s;
const QString kLoadedWithError = u"Load settings: Settings loading is finished with error."_s;
const QString kCreated = u"Create setting: Settings file created successfully."_s;

} // namespace

class TestCheckerCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void write_data();
    void write();
    void writeIsWhatTheWindowWrites();
    void commandLine_data();
    void commandLine();
    void verboseAddsTheDetails();

private:
    QTemporaryDir m_dir;
    QString m_clean;
};

void TestCheckerCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_clean = QFINDTESTDATA("../core/data/clean.ini");
    QVERIFY(!m_clean.isEmpty());
    // Relative names below are in the temporary folder.
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestCheckerCommand::write_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    // The last lines of standard output; for a run that prints none, the first of standard error.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("file"); // written as input.ini first, unless empty
    const auto row = [](const char *rule, const QStringList &arguments, int status,
                         const QStringList &lines, const QString &file = {}) {
        QTest::newRow(rule) << arguments << status << lines << file;
    };

    const QString write = u"--write"_s;
    const QString input = u"input.ini"_s;
    row("a missing file is not written", { write, u"never.ini"_s, u"absent.ini"_s }, 2,
        { u"meridock-netconf-check: absent.ini: Setting file is not exist in selected place."_s });
    // The load's own lines come first, and nothing after the one that stopped the write.
    row("a proxy without address stops the write", { write, u"stopped.ini"_s, input }, 1,
        { kLoadedWithError, u"Wired LAN setting: Please input Proxy address."_s },
        u"[UserNetworkSetting]\nWIRED_PROXY=1\nWIRED_PROXY_PORT=8080\n"_s);
    row("an output that cannot be written",
        { write, u"no-such-folder/NetworkSetting.ini"_s, m_clean }, 2,
        { kLoadedClean, u"Create setting: Create setting file is failed."_s });
    // The output replaces the input in one step; the load's errors still show in the status.
    row("the input repaired in place", { write, input, input }, 1, { kLoadedWithError, kCreated },
        u"[UserNetworkSetting]\nWIRED_IP=127.0.0.1\nWIRELESS_SSID_2=Kept\n"_s);
}

void TestCheckerCommand::write()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    QFETCH(QString, file);
    if (!file.isEmpty())
        QVERIFY(TestFiles::Write(u"input.ini"_s, TestFiles::Bytes(file)));

    const RunResult r = Run(arguments);
    QCOMPARE(r.status, status);
    QCOMPARE(r.out.isEmpty() ? r.err.mid(0, 1) : r.out.mid(r.out.size() - lines.size()), lines);
    // An output exists only when the last line says so, and what was written passes every check.
    const QString output = arguments.at(1);
    const bool created = lines.last() == kCreated;
    QCOMPARE(QFileInfo::exists(output), created || output == arguments.last());
    if (created)
        QCOMPARE(Run({ output }).out, QStringList { kLoadedClean });
}

void TestCheckerCommand::writeIsWhatTheWindowWrites()
{
    // In this process, so that the checker and the window draw from the same generator state.
    SetTickSource([] { return quint32(123456); });
    RuntimeRandom::Seed(1);
    QString out;
    QTextStream stream(&out);
    const QStringList arguments { u"checker"_s, u"--write"_s, u"checker.ini"_s, m_clean };
    QCOMPARE(RunNetconfCheck(arguments, stream, stream), 0);
    stream.flush();
    QCOMPARE(out, kLoadedClean + u'\n' + kCreated + u'\n');

    CSettingsDocument document;
    CMessageRecorder recorder;
    QVERIFY(ReadSettingsFile(document, recorder, m_clean));
    RuntimeRandom::Seed(1);
    QVERIFY(WriteSettingsFile(document, u"window.ini"_s).Succeeded());
    SetTickSource(nullptr);
    QCOMPARE(TestFiles::ReadAll(u"checker.ini"_s), TestFiles::ReadAll(u"window.ini"_s));
}

void TestCheckerCommand::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine"); // of standard output when the status is 0, else of
                                            // standard error
    const QString version = u"meridock-netconf-check 3.0.0"_s;
    QTest::newRow("--version prints the version") << QStringList { u"--version"_s } << 0 << version;
    QTest::newRow("--version wins over a file")
        << QStringList { u"x.ini"_s, u"--version"_s } << 0 << version;
    QTest::newRow("--write OUT without the file to check") << QStringList { u"--write"_s,
        u"out.ini"_s } << 2 << u"meridock-netconf-check: No settings file to check was given."_s;
    QTest::newRow("--write as the last word") << QStringList { u"in.ini"_s,
        u"--write"_s } << 2 << u"meridock-netconf-check: The option --write needs a file name."_s;
    QTest::newRow("--write twice")
        << QStringList { u"--write"_s, u"a.ini"_s, u"--write"_s, u"b.ini"_s, u"in.ini"_s } << 2
        << u"meridock-netconf-check: The option --write is given more than once."_s;
    QTest::newRow("no arguments at all")
        << QStringList {} << 2 << u"meridock-netconf-check: No settings file to check was given."_s;
    QTest::newRow("two files") << QStringList {
        u"a.ini"_s, u"b.ini"_s
    } << 2 << u"meridock-netconf-check: Only one settings file can be checked at a time."_s;
    QTest::newRow("an unknown option") << QStringList { u"--quiet"_s, u"a.ini"_s } << 2
                                       << u"meridock-netconf-check: Unknown option --quiet."_s;
    QTest::newRow("after --, a name starting with a dash is a file")
        << QStringList { u"--"_s, u"-odd.ini"_s } << 2
        << u"meridock-netconf-check: -odd.ini: Setting file is not exist in selected place."_s;
    QTest::newRow("an empty file is no settings file")
        << QStringList { u"empty.ini"_s } << 2
        << u"meridock-netconf-check: empty.ini: The file holds none of the network settings, so "
           u"it is not a settings file. Nothing was loaded."_s;
    QTest::newRow("a desktop entry is no settings file")
        << QStringList { u"entry.desktop"_s } << 2
        << u"meridock-netconf-check: entry.desktop: The file holds none of the network settings, "
           u"so it is not a settings file. Nothing was loaded."_s;
}

void TestCheckerCommand::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    QVERIFY(TestFiles::Write(u"empty.ini"_s, QByteArray()));
    QVERIFY(TestFiles::Write(u"entry.desktop"_s, "[Desktop Entry]\nType=Application\nName=X\n"));
    const RunResult r = Run(arguments);
    QCOMPARE(r.status, status);
    const QStringList &lines = status == 0 ? r.out : r.err;
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), firstLine);
    // A usage error is followed by the usage; a refused file is not.
    const bool usage = firstLine.contains(u"option"_s) || firstLine.contains(u"given"_s)
        || firstLine.contains(u"one settings file"_s);
    if (status != 0)
        QCOMPARE(lines.size() > 1 && lines[1].startsWith(u"Usage: "_s), usage);
    if (status != 0)
        QVERIFY(r.out.isEmpty());
}

void TestCheckerCommand::verboseAddsTheDetails()
{
    QVERIFY(TestFiles::Write(u"damaged.ini"_s,
        TestFiles::Bytes(u"[UserNetworkSetting]\nWIRED_IP=10.0.0.300\nWIRELESS_SSID_2=Lab\n"
                         u"WIRELESS_SEQLITY_MODE_2=2\nWIRELESS_PSK_2=$seal(short)\n"_s)));
    const QStringList plain { u"Load settings: Invalid IP address value is detected in setting "
                              u"file."_s,
        u"Load settings: Invalid network key is detected in setting file."_s, kLoadedWithError };
    const RunResult quiet = Run({ u"damaged.ini"_s });
    QCOMPARE(quiet.status, 1);
    QCOMPARE(quiet.out, plain);

    const RunResult verbose = Run({ u"--verbose"_s, u"damaged.ini"_s });
    QCOMPARE(verbose.status, 1);
    QCOMPARE(verbose.out,
        (QStringList { plain[0], u"    Section [UserNetworkSetting], key WIRED_IP: “10.0.0.300”"_s,
            plain[1], u"    Wireless profile 2, SSID “Lab”"_s,
            u"    Section [UserNetworkSetting], key WIRELESS_PSK_2"_s,
            u"    A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits."_s,
            plain[2] }));
    QVERIFY(!verbose.out.join(u'\n').contains(u"short"_s));
}

QTEST_GUILESS_MAIN(TestCheckerCommand)
#include "tst_checkercommand.moc"
