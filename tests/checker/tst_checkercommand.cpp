#include "MessageRecorder.h"
#include "TestFiles.h"
#include "checker/CheckerCommand.h"
#include "core/cipher/RuntimeRandom.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// The exit status and the lines of standard output and error of one run (under LC_ALL=C).
struct RunResult
{
    int status = -1;
    QStringList out, err;
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
    QTemporaryDir m_dir;
    QString m_clean;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_clean = QFINDTESTDATA("../core/data/clean.ini");
        QVERIFY(!m_clean.isEmpty());
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("setup"); // what input.ini holds
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out"); // a first line "..." stands for any lines before
        QTest::addColumn<QString>("err"); // the first line on standard error, after the name
        QTest::addColumn<bool>("usage"); // the usage follows it
        const auto row
            = [](const char *rule, const QStringList &arguments, const QString &setup, int status,
                  const QStringList &out, const QString &err = {}, bool usage = false) {
                  QTest::newRow(rule) << arguments << setup << status << out << err << usage;
              };
        const QString write = u"--write"_s;
        const QString input = u"input.ini"_s;
        const QString failed = u"Create setting: Create setting file is failed."_s;
        const QString damaged = u"[UserNetworkSetting]\nWIRED_IP=10.0.0.300\nWIRELESS_SSID_2=Lab\n"
                                u"WIRELESS_SEQLITY_MODE_2=2\nWIRELESS_PSK_2=$seal(short)\n"_s;
        const QString badIp
            = u"Load settings: Invalid IP address value is detected in setting file."_s;
        const QString badKey = u"Load settings: Invalid network key is detected in setting file."_s;

        row("an unknown option", { u"--quiet"_s, input }, {}, 2, {}, u"Unknown option --quiet."_s,
            true);
        row("a damaged file", { input }, damaged, 1, { badIp, badKey, kLoadedWithError });
        // Never the key itself.
        row("--verbose adds where and why", { u"--verbose"_s, input }, damaged, 1,
            { badIp, u"    Section [UserNetworkSetting], key WIRED_IP: “10.0.0.300”"_s, badKey,
                u"    Wireless profile 2, SSID “Lab”"_s,
                u"    Section [UserNetworkSetting], key WIRELESS_PSK_2"_s,
                u"    A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits."_s,
                kLoadedWithError });

        row("a proxy without address stops the write", { write, u"stopped.ini"_s, input },
            u"[UserNetworkSetting]\nWIRED_PROXY=1\nWIRED_PROXY_PORT=8080\n"_s, 1,
            { u"..."_s, kLoadedWithError, u"Wired LAN setting: Please input Proxy address."_s });
        row("an output in a missing folder", { write, u"no-such-folder/out.ini"_s, m_clean }, {}, 2,
            { kLoadedClean, failed },
            u"no-such-folder/out.ini: The file could not be written: No such file or directory. An "
            u"earlier file is unchanged."_s);
        // In one step; the load's errors still show in the status.
        row("the input repaired in place", { write, input, input },
            u"[UserNetworkSetting]\nWIRED_IP=127.0.0.1\nWIRELESS_SSID_2=Kept\n"_s, 1,
            { u"..."_s, kLoadedWithError, kCreated });
    }

    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, setup);
        QFETCH(int, status);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        QFETCH(bool, usage);
        const bool writes = arguments.value(0) == u"--write";
        const QString output = writes ? arguments.at(1) : QString();
        if (!setup.isEmpty())
            QVERIFY(TestFiles::Write(u"input.ini"_s, TestFiles::Bytes(setup)));

        const RunResult r = Run(arguments);
        QCOMPARE(r.status, status);
        const bool tail = out.value(0) == u"...";
        if (tail)
            out.removeFirst();
        QCOMPARE(tail ? r.out.mid(r.out.size() - out.size()) : r.out, out);
        QCOMPARE(r.err.mid(0, 1),
            err.isEmpty() ? QStringList() : QStringList { u"meridock-netconf-check: "_s + err });
        QCOMPARE(r.err.size() > 1 && r.err[1].startsWith(u"Usage: "_s), usage);
        if (!writes)
            return;
        // An output only when the last line says so, and it passes every check.
        const bool created = out.endsWith(kCreated);
        QCOMPARE(QFileInfo(output).isFile(), created || output == arguments.last());
        if (created)
            QCOMPARE(Run({ output }).out, QStringList { kLoadedClean });
    }

    void writeIsWhatTheWindowWrites()
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
};

QTEST_GUILESS_MAIN(TestCheckerCommand)
#include "tst_checkercommand.moc"
