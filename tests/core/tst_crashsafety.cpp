#include "MessageRecorder.h"
#include "SettingsReader.h"
#include "StateFile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

CSettingsDocument CrashTestDocument(int variant);

class TestCrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLeavesOldOrNew_data();
    void killedWriterLeavesOldOrNew();
};

void TestCrashSafety::killedWriterLeavesOldOrNew_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("settings file") << QStringLiteral("settings");
    QTest::newRow("state file") << QStringLiteral("state");
}

// A writer killed at any moment leaves either of the two documents it alternates between.
void TestCrashSafety::killedWriterLeavesOldOrNew()
{
    QFETCH(QString, mode);
    const bool state = mode == u"state";
    QTemporaryDir dir;
    const QString path = dir.filePath(
        state ? QStringLiteral("MeridockSettingUtil.dat") : QStringLiteral("NetworkSetting.ini"));
    // Both documents differ in every profile, the wired values and the folder state.
    const auto same = [state](const CSettingsDocument &a, const CSettingsDocument &b) {
        const MainWindowControls &x = a.m_controls;
        const MainWindowControls &y = b.m_controls;
        return a.m_wirelessSettings == b.m_wirelessSettings
            && x.m_useWirelessChecked == y.m_useWirelessChecked
            && x.m_ipAddress.m_fields == y.m_ipAddress.m_fields
            && (!state
                || (a.m_lastPath == b.m_lastPath && x.m_deviceName.m_text == y.m_deviceName.m_text
                    && x.m_password.m_text == y.m_password.m_text));
    };
    for (int round = 0; round < 60; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(MERIDOCK_CRASH_WRITER), { mode, path });
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(60000));
        QThread::usleep(QRandomGenerator::global()->bounded(0, 20000));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());
        CSettingsDocument loaded;
        CMessageRecorder box;
        if (state)
            OpenSession(loaded, box, path);
        else
            QCOMPARE(ReadSettingsFile(loaded, box, path), 1);
        QVERIFY(box.m_messages.isEmpty());
        QVERIFY2(same(loaded, CrashTestDocument(0)) || same(loaded, CrashTestDocument(1)),
            qPrintable(QStringLiteral("round %1: neither old nor new").arg(round)));
    }
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
