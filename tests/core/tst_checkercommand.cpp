#include "CheckerCommand.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "RuntimeRandom.h"
#include "SecretCipher.h"
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
    QString err;
    RunResult result;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        result.status = RunNetconfCheck(
            QStringList { QStringLiteral("/usr/bin/meridock-netconf-check") } + arguments,
            outStream, errStream);
    }
    result.out = out.split(u'\n');
    if (!result.out.isEmpty() && result.out.last().isEmpty())
        result.out.removeLast();
    result.err = err;
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
    void init();
    void cleanup();
    void cleanFileLoadsWithStatus0();
    void brokenFilePrintsEveryMessageWithStatus1();
    void unusableFile_data();
    void unusableFile();
    void help();
    void wrongCommandLine_data();
    void wrongCommandLine();
    void doubleDashEndsOptions();
    void linesFollowTheUserLanguage();
    void writeOfACleanFileIsWhatTheWriterProduces();
    void writeKeepsValuesAndResealsSecrets();
    void writeStopsAtTheFirstFailedCheck_data();
    void writeStopsAtTheFirstFailedCheck();
    void writeAfterALoadWithErrorsRepairs();
    void writeToAnUnusablePathFails();
    void executableRunsTheSameChecks();

private:
    QTemporaryDir m_dir;
    QString Path(const QString &name) const { return m_dir.filePath(name); }
    QString m_clean;
    QString m_broken;
};

void TestCheckerCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_clean = QFINDTESTDATA("data/clean.ini");
    m_broken = QFINDTESTDATA("data/broken.ini");
    QVERIFY(!m_clean.isEmpty() && !m_broken.isEmpty());
}

void TestCheckerCommand::init()
{
    SetCurrentLanguageSlot(0);
}

void TestCheckerCommand::cleanup()
{
    SetCurrentLanguageSlot(0);
    SetTickSource(nullptr);
}

void TestCheckerCommand::cleanFileLoadsWithStatus0()
{
    const RunResult r = Run({ m_clean });
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringList { kLoadedClean });
    QCOMPARE(r.err, QString());
}

void TestCheckerCommand::brokenFilePrintsEveryMessageWithStatus1()
{
    const RunResult r = Run({ m_broken });
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, kBrokenLines);
    QCOMPARE(r.err, QString());
}

void TestCheckerCommand::unusableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << QStringLiteral("missing")
                                  << QStringLiteral("Setting file is not exist in selected place.");
    QTest::newRow("directory") << QStringLiteral("directory")
                               << QStringLiteral("not a regular file");
    QTest::newRow("binary data") << QStringLiteral(
        "binary") << QStringLiteral("holds NUL characters: binary data, not a settings file");
    QTest::newRow("file above the size limit") << QStringLiteral(
        "huge") << QStringLiteral("larger than 4194304 bytes, which no settings file comes near");
}

void TestCheckerCommand::unusableFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    const QString path = Path(QStringLiteral("unusable-") + kind);
    if (kind == u"directory")
        QVERIFY(QDir().mkpath(path));
    else if (kind == u"binary")
        QVERIFY(TestFiles::Write(path, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    else if (kind == u"huge")
        QVERIFY(TestFiles::Write(path, QByteArray(4 * 1024 * 1024 + 1, ';')));
    const RunResult r = Run({ path });
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QStringList());
    QCOMPARE(r.err,
        QStringLiteral("meridock-netconf-check: ") + path + QStringLiteral(": ") + reason + u'\n');

    const RunResult w = Run({ QStringLiteral("--write"), Path(QStringLiteral("never.ini")), path });
    QCOMPARE(w.status, 2);
    QVERIFY(!QFileInfo::exists(Path(QStringLiteral("never.ini"))));
}

void TestCheckerCommand::help()
{
    for (const QString &option : { QStringLiteral("--help"), QStringLiteral("-h") }) {
        const RunResult r = Run({ option });
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.size() > 3);
        QCOMPARE(r.out[0], QStringLiteral("Usage: meridock-netconf-check FILE"));
        QCOMPARE(r.out[1], QStringLiteral("       meridock-netconf-check --write OUT FILE"));
        QCOMPARE(r.err, QString());
    }
}

void TestCheckerCommand::wrongCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");

    const QString usage = QStringLiteral("Usage: meridock-netconf-check FILE");
    QTest::newRow("no file") << QStringList {} << usage;
    QTest::newRow("two files") << QStringList { m_clean, m_broken } << usage;
    QTest::newRow("--write without anything") << QStringList { QStringLiteral("--write") } << usage;
    QTest::newRow("--write without FILE")
        << QStringList { QStringLiteral("--write"), Path(QStringLiteral("o.ini")) } << usage;
    QTest::newRow("--write twice") << QStringList { QStringLiteral("--write"),
        Path(QStringLiteral("o.ini")), QStringLiteral("--write"), Path(QStringLiteral("p.ini")),
        m_clean } << usage;
    QTest::newRow("--write with an empty OUT")
        << QStringList { QStringLiteral("--write"), QString(), m_clean } << usage;
    QTest::newRow("unknown option") << QStringList { QStringLiteral("--verbose"),
        m_clean } << QStringLiteral("meridock-netconf-check: unknown option --verbose");
}

void TestCheckerCommand::wrongCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);
    const RunResult r = Run(arguments);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QStringList());
    QCOMPARE(r.err.section(u'\n', 0, 0), firstLine);
    QVERIFY(r.err.contains(QStringLiteral("Usage: meridock-netconf-check FILE\n")));
    QVERIFY(!QFileInfo::exists(Path(QStringLiteral("o.ini"))));
}

void TestCheckerCommand::doubleDashEndsOptions()
{
    const QString path = Path(QStringLiteral("-dash.ini"));
    QVERIFY(QFile::copy(m_clean, path));
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const RunResult r = Run({ QStringLiteral("--"), QStringLiteral("-dash.ini") });
    QVERIFY(QDir::setCurrent(current));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringList { kLoadedClean });
}

void TestCheckerCommand::linesFollowTheUserLanguage()
{
    constexpr LanguageSlot german = 3;
    SetCurrentLanguageSlot(german);
    const RunResult r = Run({ m_broken });
    QCOMPARE(r.status, 1);
    const QList<MessageId> ids { 49, 50, 51, 105, 54, 56, 61, 64, 60, 58, 57, 53, 47 };
    QCOMPARE(r.out.size(), ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        QCOMPARE(r.out[i],
            MessageTextInSlot(45, german).toString() + QStringLiteral(": ")
                + MessageTextInSlot(ids[i], german).toString());
    }
    QVERIFY(r.out[0] != kBrokenLines[0]);
}

void TestCheckerCommand::writeOfACleanFileIsWhatTheWriterProduces()
{
    SetTickSource(&FixedTick);
    const QString out = Path(QStringLiteral("checker-out.ini"));
    RuntimeRandom::Seed(1);
    const RunResult r = Run({ QStringLiteral("--write"), out, m_clean });
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, (QStringList { kLoadedClean, kCreated }));
    QCOMPARE(r.err, QString());

    // The window: load the same file, then the writer, from the same generator state.
    CSettingsDocument document;
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, m_clean), 1);
    const QString reference = Path(QStringLiteral("window-out.ini"));
    RuntimeRandom::Seed(1);
    QCOMPARE(WriteSettingsFile(document, reference), 1);
    const QByteArray written = TestFiles::ReadAll(out);
    QVERIFY(!written.isEmpty());
    QCOMPARE(written, TestFiles::ReadAll(reference));
}

void TestCheckerCommand::writeKeepsValuesAndResealsSecrets()
{
    const QString out = Path(QStringLiteral("resealed.ini"));
    QCOMPARE(Run({ QStringLiteral("--write"), out, m_clean }).status, 0);

    // The fixture without its network-folder section (a written settings file never carries
    // one), line for line; only the sealed keys differ, by their fresh IVs.
    QList<QByteArray> expected = TestFiles::ReadAll(m_clean).split('\n');
    const qsizetype folder = expected.indexOf("[NewtworkFolderSetting]\r");
    QVERIFY(folder > 0);
    expected = expected.mid(0, folder);
    expected.append(QByteArray());
    const QList<QByteArray> actual = TestFiles::ReadAll(out).split('\n');
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (!expected[i].startsWith("WIRELESS_PSK") || expected[i].endsWith("=\r")) {
            QCOMPARE(actual[i], expected[i]);
            continue;
        }
        const qsizetype eq = expected[i].indexOf('=');
        QCOMPARE(actual[i].left(eq + 1), expected[i].left(eq + 1));
        QVERIFY(actual[i] != expected[i]);
        QString was;
        QString now;
        QCOMPARE(DecryptSecret(QString::fromLatin1(expected[i].mid(eq + 1).trimmed()), was), 1);
        QCOMPARE(DecryptSecret(QString::fromLatin1(actual[i].mid(eq + 1).trimmed()), now), 1);
        QCOMPARE(now, was);
    }
}

void TestCheckerCommand::writeStopsAtTheFirstFailedCheck_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("folder name dropped by the load stops the write")
        << QString()
        << (kBrokenLines
               + QStringList {
                   QStringLiteral("Network folder setting: Please input Device name.") });
    QTest::newRow("proxy without address stops the write")
        << QStringLiteral("[UserNetworkSetting]\nWIRED_PROXY=1\nWIRED_PROXY_PORT=8080\n")
        << QStringList { QStringLiteral("Load settings: Proxy address is missing in setting file."),
               QStringLiteral("Load settings: Settings loading is finished with error."),
               QStringLiteral("Wired LAN setting: Please input Proxy address.") };
    QTest::newRow("folder is checked before the wired LAN")
        << QStringLiteral("[NewtworkFolderSetting]\nNETFOLDER_NAME=nas_x\nNETFOLDER_UID=u\n"
                          "[UserNetworkSetting]\nWIRED_PROXY=1\n")
        << QStringList { QStringLiteral("Load settings: Invalid Network folder Device name is "
                                        "detected in setting file."),
               QStringLiteral("Load settings: Proxy address is missing in setting file."),
               QStringLiteral("Load settings: Proxy port number is missing in setting file."),
               QStringLiteral("Load settings: Settings loading is finished with error."),
               QStringLiteral("Network folder setting: Please input Device name.") };
}

void TestCheckerCommand::writeStopsAtTheFirstFailedCheck()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QString input = m_broken;
    if (!file.isEmpty()) {
        input = Path(QStringLiteral("stop.ini"));
        QVERIFY(TestFiles::Write(input, TestFiles::Bytes(file)));
    }
    const QString out = Path(QStringLiteral("stopped.ini"));
    const RunResult r = Run({ QStringLiteral("--write"), out, input });
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, lines);
    QVERIFY(!QFileInfo::exists(out));
}

void TestCheckerCommand::writeAfterALoadWithErrorsRepairs()
{
    const QString path = Path(QStringLiteral("repair.ini"));
    QVERIFY(TestFiles::Write(path,
        TestFiles::Bytes(
            QStringLiteral("[UserNetworkSetting]\nWIRED_IP=127.0.0.1\nWIRED_DNS=8.8.8.8\n"
                           "WIRELESS_SSID=")
            + QString(33, u'x') + QStringLiteral("\nWIRELESS_SSID_2=Kept\n"))));
    // Repairing in place: the output replaces the input in one step.
    const RunResult r = Run({ QStringLiteral("--write"), path, path });
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out,
        (QStringList { QStringLiteral("Load settings: Invalid IP address."),
            QStringLiteral("Load settings: Invalid SSID is detected in setting file."),
            QStringLiteral("Load settings: Settings loading is finished with error."), kCreated }));
    const CProfileFile repaired = CProfileFile::FromBytes(TestFiles::ReadAll(path));
    QCOMPARE(repaired.Value(u"UserNetworkSetting", u"WIRED_IP"), QString());
    QCOMPARE(repaired.Value(u"UserNetworkSetting", u"WIRED_DNS"), QStringLiteral("8.8.8.8"));
    QCOMPARE(repaired.Value(u"UserNetworkSetting", u"WIRELESS_SSID"), QStringLiteral("Kept"));
    QVERIFY(!repaired.Contains(u"UserNetworkSetting", u"WIRELESS_SSID_2"));
    QCOMPARE(repaired.Value(u"Common", u"WIRELESS_SETTING_TOTAL"), QStringLiteral("1"));
    QCOMPARE(Run({ path }).status, 0);
}

void TestCheckerCommand::writeToAnUnusablePathFails()
{
    const QString out = Path(QStringLiteral("no-such-folder/NetworkSetting.ini"));
    const RunResult r = Run({ QStringLiteral("--write"), out, m_clean });
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out,
        (QStringList {
            kLoadedClean, QStringLiteral("Create setting: Create setting file is failed.") }));
    QVERIFY(!QFileInfo::exists(out));
}

void TestCheckerCommand::executableRunsTheSameChecks()
{
    const QString program = QStringLiteral(MERIDOCK_CHECKER_PATH);
    QVERIFY(QFileInfo(program).isExecutable());
    const auto run = [&program](const QStringList &arguments, const QByteArray &locale) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        process.waitForFinished(60000);
        return std::make_tuple(process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()));
    };

    auto [status, out, err] = run({ m_clean }, "C");
    QCOMPARE(status, 0);
    QCOMPARE(out, kLoadedClean + u'\n');
    QCOMPARE(err, QString());

    std::tie(status, out, err) = run({ m_broken }, "C");
    QCOMPARE(status, 1);
    QCOMPARE(out, kBrokenLines.join(u'\n') + u'\n');

    std::tie(status, out, err) = run({ Path(QStringLiteral("absent.ini")) }, "C");
    QCOMPARE(status, 2);
    QCOMPARE(out, QString());
    QCOMPARE(err,
        QStringLiteral("meridock-netconf-check: ") + Path(QStringLiteral("absent.ini"))
            + QStringLiteral(": Setting file is not exist in selected place.\n"));

    std::tie(status, out, err) = run({ QStringLiteral("--help") }, "C");
    QCOMPARE(status, 0);
    QVERIFY(out.startsWith(QStringLiteral("Usage: meridock-netconf-check FILE\n")));

    // The language comes from the user's locale, as for the window.
    std::tie(status, out, err) = run({ m_clean }, "de_DE.UTF-8");
    QCOMPARE(status, 0);
    QCOMPARE(out,
        MessageTextInSlot(45, 3).toString() + QStringLiteral(": ")
            + MessageTextInSlot(46, 3).toString() + u'\n');
}

QTEST_GUILESS_MAIN(TestCheckerCommand)
#include "tst_checkercommand.moc"
