
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// A write the checker cannot make: standard output keeps exactly the window's lines, and the
// reason goes to standard error. The suite runs under LC_ALL=C, so the system's texts are
// English.
class TestCheckerWriteFailures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reasons_data();
    void reasons();
};

void TestCheckerWriteFailures::reasons_data()
{
    QTest::addColumn<QString>("output"); // under a fresh folder
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a missing folder")
        << u"card/NetworkSetting.ini"_s << u""_s
        << u"The file could not be written: No such file or directory. An earlier file is unchanged."_s;
    QTest::newRow("a dangling link, which would create a file elsewhere")
        << u"NetworkSetting.ini"_s << u"dangling"_s
        << u"The output is a symbolic link; nothing was written."_s;
    QTest::newRow("a FIFO, which must neither block nor be replaced")
        << u"NetworkSetting.ini"_s << u"fifo"_s
        << u"The output is a device, pipe or socket, not a file; nothing was written."_s;
    QTest::newRow("a folder") << u"NetworkSetting.ini"_s << u"folder"_s
                              << u"The output is a folder; nothing was written."_s;
}

void TestCheckerWriteFailures::reasons()
{
    QFETCH(QString, output);
    QFETCH(QString, setup);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(output);
    if (setup == u"dangling")
        QVERIFY(QFile::link(dir.filePath(u"elsewhere.ini"_s), path));
    else if (setup == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (setup == u"folder")
        QVERIFY(QDir().mkdir(path));
    const QString input = QFINDTESTDATA("../core/data/clean.ini");
    QVERIFY(!input.isEmpty());

    QProcess checker;
    checker.start(QStringLiteral(MERIDOCK_CHECKER_PATH), { u"--write"_s, path, input });
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(checker.readAllStandardOutput()),
        u"Load settings: Settings loaded successfully.\n"
        u"Create setting: Create setting file is failed.\n"_s);
    QCOMPARE(QString::fromUtf8(checker.readAllStandardError()),
        u"meridock-netconf-check: "_s + path + u": "_s + reason + u'\n');
    QVERIFY(!QFileInfo::exists(dir.filePath(u"elsewhere.ini"_s)));
    QCOMPARE(QFileInfo(path).isFile(), false);
}

QTEST_GUILESS_MAIN(TestCheckerWriteFailures)
#include "tst_checkerwritefailures.moc"
