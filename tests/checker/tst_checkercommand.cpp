#include "MessageRecorder.h"
#include "TestFiles.h"
#include "checker/CheckerCommand.h"
#include "core/cipher/RuntimeRandom.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// The exit status and the lines of standard output and error of one run (under LC_ALL=C).
std::tuple<int, QStringList, QStringList> Run(const QStringList &arguments)
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
        m_clean = QFINDTESTDATA("../core/data/clean.ini");
        QVERIFY(!m_clean.isEmpty() && m_dir.isValid() && QDir::setCurrent(m_dir.path()));
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("setup"); // what input.ini holds
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out"); // the last lines of standard output
        QTest::addColumn<QString>("err"); // the first line on standard error, after the name
        const auto row = [](const char *rule, const QStringList &arguments, const QString &setup,
                             int status, const QStringList &out, const QString &err = {}) {
            QTest::newRow(rule) << arguments << setup << status << out << err;
        };
        const QString write = u"--write"_s;
        const QString input = u"input.ini"_s;
        const QString damaged = u"[UserNetworkSetting]\nWIRED_IP=10.0.0.300\nWIRELESS_SSID_2=Lab\n"
                                u"WIRELESS_SEQLITY_MODE_2=2\nWIRELESS_PSK_2=$seal(short)\n"_s;

        row("an unknown option", { u"--quiet"_s, input }, {}, 2, {}, u"Unknown option --quiet."_s);
        // Never the key itself.
        row("--verbose adds where and why", { u"--verbose"_s, input }, damaged, 1,
            { u"Load settings: Invalid IP address value is detected in setting file."_s,
                u"    Section [UserNetworkSetting], key WIRED_IP: “10.0.0.300”"_s,
                u"Load settings: Invalid network key is detected in setting file."_s,
                u"    Wireless profile 2, SSID “Lab”"_s,
                u"    Section [UserNetworkSetting], key WIRELESS_PSK_2"_s,
                u"    A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits."_s,
                kLoadedWithError });

        row("a proxy without address stops the write", { write, u"stopped.ini"_s, input },
            u"[UserNetworkSetting]\nWIRED_PROXY=1\nWIRED_PROXY_PORT=8080\n"_s, 1,
            { kLoadedWithError, u"Wired LAN setting: Please input Proxy address."_s });
        row("an output in a missing folder", { write, u"no-such-folder/out.ini"_s, m_clean }, {}, 2,
            { kLoadedClean, u"Create setting: Create setting file is failed."_s },
            u"no-such-folder/out.ini: The file could not be written: No such file or directory. An "
            u"earlier file is unchanged."_s);
        // In one step; the load's errors still show in the status.
        row("the input repaired in place", { write, input, input },
            u"[UserNetworkSetting]\nWIRED_IP=127.0.0.1\n"_s, 1, { kLoadedWithError, kCreated });
    }

    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, setup);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        QVERIFY(setup.isEmpty() || TestFiles::Write(u"input.ini"_s, TestFiles::Bytes(setup)));
        const auto [status, shown, errors] = Run(arguments);
        QTEST(status, "status");
        QCOMPARE(shown.mid(shown.size() - out.size()), out);
        QCOMPARE(errors.value(0), err.isEmpty() ? err : u"meridock-netconf-check: "_s + err);
        if (arguments.value(0) != u"--write")
            return;
        // An output only when the last line says so, and it passes every check.
        QCOMPARE(TestFiles::Mode(arguments.at(1)) >= 0,
            out.endsWith(kCreated) || arguments.at(1) == arguments.last());
        if (out.endsWith(kCreated))
            QCOMPARE(std::get<1>(Run({ arguments.at(1) })), QStringList { kLoadedClean });
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
        CSettingsDocument document;
        CMessageRecorder recorder;
        QVERIFY(ReadSettingsFile(document, recorder, m_clean));
        RuntimeRandom::Seed(1);
        QVERIFY(WriteSettingsFile(document, u"window.ini"_s).Succeeded());
        QCOMPARE(TestFiles::ReadAll(u"checker.ini"_s), TestFiles::ReadAll(u"window.ini"_s));
    }
};

QTEST_GUILESS_MAIN(TestCheckerCommand)
#include "tst_checkercommand.moc"
