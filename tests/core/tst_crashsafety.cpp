#include "SettingsDocument.h"
#include "SettingsReader.h"
#include "StateFile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

CSettingsDocument CrashTestDocument(int variant);

namespace {

class CountingBox : public IMessageBox
{
public:
    MessageAnswer ShowMessage(const QString &text, const QString &, MessageIcon, MessageButtons) override
    {
        m_texts << text;
        return MessageAnswer::Ok;
    }
    QStringList m_texts;
};

// Which of the two documents the loaded one is: 0, 1, or -1 for neither.
int Variant(const CSettingsDocument &loaded, bool withFolderState)
{
    for (int variant = 0; variant < 2; ++variant) {
        const CSettingsDocument expected = CrashTestDocument(variant);
        bool same = loaded.m_controls.m_wirelessList.size() == MaxWirelessProfiles
            && loaded.m_useWireless == expected.m_controls.m_useWirelessChecked
            && loaded.m_controls.m_ipAddress.m_fields == expected.m_controls.m_ipAddress.m_fields;
        for (int i = 0; same && i < MaxWirelessProfiles; ++i) {
            const CNetworkSetting &a = loaded.m_wirelessSettings[size_t(i)];
            const CNetworkSetting &b = expected.m_wirelessSettings[size_t(i)];
            same = a.m_ssid == b.m_ssid && a.m_networkKey == b.m_networkKey;
        }
        if (same && withFolderState)
            same = loaded.m_lastPath == expected.m_lastPath
                && loaded.m_controls.m_deviceName.m_text == expected.m_controls.m_deviceName.m_text
                && loaded.m_controls.m_password.m_text == expected.m_controls.m_password.m_text;
        if (same)
            return variant;
    }
    return -1;
}

} // namespace

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

void TestCrashSafety::killedWriterLeavesOldOrNew()
{
    QFETCH(QString, mode);
    const bool state = mode == QStringLiteral("state");
    QTemporaryDir dir;
    const QString path = dir.filePath(state ? QStringLiteral("MeridockSettingUtil.dat")
                                            : QStringLiteral("NetworkSetting.ini"));
    const int kills = qEnvironmentVariableIntValue("MERIDOCK_CRASH_KILLS") > 0
        ? qEnvironmentVariableIntValue("MERIDOCK_CRASH_KILLS")
        : 60;
    int seen[2] = { 0, 0 };
    for (int round = 0; round < kills; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(MERIDOCK_CRASH_WRITER), { mode, path });
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(60000));
        QThread::usleep(QRandomGenerator::global()->bounded(0, 20000));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());
        CSettingsDocument loaded;
        CountingBox box;
        if (state) {
            OpenSession(loaded, box, path);
        } else {
            QCOMPARE(ReadSettingsFile(loaded, box, path), 1);
        }
        QVERIFY2(box.m_texts.isEmpty(), qPrintable(box.m_texts.join(u'|')));
        const int variant = Variant(loaded, state);
        QVERIFY2(variant >= 0, qPrintable(QStringLiteral("round %1: neither old nor new").arg(round)));
        ++seen[variant];
    }
    qInfo("%d kills: %d times the first document, %d times the second", kills, seen[0], seen[1]);
    QCOMPARE(seen[0] + seen[1], kills);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
