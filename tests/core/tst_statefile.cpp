#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "TestFiles.h"
#include "core/settings/StateFile.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

using namespace DocumentProbe;
using namespace Qt::StringLiterals;

class TestStateFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void stateFilePath()
    {
        // A relative XDG_CONFIG_HOME is ignored.
        const QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", "cfg");
        QCOMPARE(StateFilePath(), home.path() + u"/.config/MeridockSettingUtil.dat"_s);
    }

    void sessionRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("found"); // the state file at the start; null: none
        QTest::addColumn<MessageIds>("messages");
        QTest::addColumn<QString>("opened"); // null: as on a first run
        // A first run: no configuration folder yet.
        QTest::newRow("first run") << QByteArray() << MessageIds {} << QString();
        // A default folder setting's texts stay unchecked; a password that does not open is
        // reported.
        QTest::newRow("earlier run's state file that others may read")
            << TestFiles::Bytes(u"[NetworkSettingUtility]\nNETFOLDER_DEF=2\nNETFOLDER_NAME=12_\n"
                                u"NETFOLDER_UID=a.b\nNETFOLDER_PASS=0000\n"_s)
            << MessageIds { 49 }
            << u"folder.mode=0|folder.enabled=0|folder.name=12_|folder.uid=a.b|folder.password="_s;
    }

    // Whatever the start found, the close leaves an owner-only state file holding this run's
    // values, which the next start restores.
    void sessionRoundTrip()
    {
        QFETCH(QByteArray, found);
        QFETCH(MessageIds, messages);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        const QString path = dir.filePath(u".config/MeridockSettingUtil.dat"_s);
        if (!found.isNull())
            QVERIFY(QDir(dir.path()).mkdir(u".config"_s) && TestFiles::Write(path, found)
                && ::chmod(QFile::encodeName(path).constData(), 0644) == 0);

        CMessageRecorder recorder;
        CSettingsDocument firstRun, document, next;
        OpenSession(firstRun, recorder, dir.filePath(u"never.dat"_s));
        Prefill(document);
        OpenSession(document, recorder, path);
        QCOMPARE(IdsOf(recorder), messages);
        if (opened.isNull())
            QCOMPARE(Snapshot(document, true), Snapshot(firstRun, true));
        else
            QCOMPARE(Mismatches(document, opened), QStringList());

        // What a user leaves: a customised network folder, a loopback wired address that the
        // close drops, two profiles listed out of slot order.
        MainWindowControls &c = document.m_controls;
        c.m_folderModeRadio = c.m_connection.m_dhcpRadio = 1;
        c.m_deviceName.m_text = u"nas-01"_s;
        c.m_userId.m_text = u"reader_1"_s;
        c.m_password.m_text = c.m_passwordConfirm.m_text = u"p\u00e4ss word"_s;
        document.m_wirelessSettings[4].m_ssid = u"Home"_s;
        document.m_wirelessSettings[1].m_ssid = u"Work"_s;
        c.m_wirelessList = { { u"Home"_s, 4 }, { u"Work"_s, 1 } };
        document.m_lastPath = u"/media/READER"_s;
        c.m_connection.m_ipAddress.m_fields = { 127, 1, 2, 3 };
        CloseSession(document);
        QCOMPARE(TestFiles::Mode(path), 0600);
        if (found.isNull())
            QCOMPARE(TestFiles::Mode(dir.filePath(u".config"_s)), 0700);
        OpenSession(next, recorder, path);
        QCOMPARE(IdsOf(recorder), messages); // nothing more
        const QString filled = u"folder.mode=1|folder.enabled=1|folder.name=nas-01|"
                               u"folder.uid=reader_1|folder.password=p\u00e4ss word|"
                               u"folder.confirm=p\u00e4ss word|list=Home,Work|p0.ssid=Home|"
                               u"p1.ssid=Work|lastPath=/media/READER|wired.dhcpMode=1|wired.ip="_s;
        QCOMPARE(Mismatches(next, filled), QStringList());
        QCOMPARE(next.m_controls.m_folderModeRadio, 1);
    }
};

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
