#include "MessageRecorder.h"
#include "TestFiles.h"
#include "core/file/AtomicFile.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/StateFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

CSettingsDocument CrashTestDocument(int variant);

class TestCrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLeavesOldOrNew();
};

void TestCrashSafety::killedWriterLeavesOldOrNew()
{
    // The two differ in every profile and in the folder password, which only the state file holds.
    const auto whole = [](const CSettingsDocument &loaded, bool withPassword) {
        const auto expected = CrashTestDocument(loaded.m_wirelessSettings[0].m_ssid == u"net-1-0");
        return loaded.m_wirelessSettings == expected.m_wirelessSettings
            && loaded.m_controls.m_password.m_text
            == (withPassword ? expected.m_controls.m_password.m_text : QString());
    };
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("NetworkSetting.ini"));
    const QString state = dir.filePath(QStringLiteral("MeridockSettingUtil.dat"));
    for (int round = 0; round < 80; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(MERIDOCK_CRASH_WRITER), { settings, state });
        QVERIFY(writer.waitForReadyRead(60000));
        QTest::qSleep(round % 20); // each round kills it at another moment
        writer.kill();
        QVERIFY(writer.waitForFinished());
        CSettingsDocument fromSettings, fromState;
        CMessageRecorder box;
        QVERIFY(ReadSettingsFile(fromSettings, box, settings));
        OpenSession(fromState, box, state);
        QVERIFY(box.m_messages.isEmpty() && whole(fromSettings, false) && whole(fromState, true));
        // A kill between a temporary file's link and its rename can leave it behind; it must
        // then be recognisably ours and beside the file it was for.
        for (const QString &entry : TestFiles::Entries(dir.path())) {
            QVERIFY2(entry.toLatin1().startsWith(TemporaryNamePrefix("NetworkSetting.ini"))
                    || entry.toLatin1().startsWith(TemporaryNamePrefix("MeridockSettingUtil.dat"))
                    || entry == u"NetworkSetting.ini" || entry == u"MeridockSettingUtil.dat",
                qPrintable(entry));
        }
    }
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
