#include "DialogScript.h"
#include "MessageRecorder.h"
#include "MockBus.h"
#include "ScriptedPathChooser.h"
#include "ui/NetSetUtilDlg.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

// The window while the disk service takes its time over the unmount: the disk service's mock
// holds its reply until the test lets it go.
class TestCardRemoval : public QObject
{
    Q_OBJECT

    CUDisksMock m_udisks;
    QTemporaryDir m_card;

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void initTestCase()
    {
        QVERIFY2(!m_udisks.Address().isEmpty(), qPrintable(m_udisks.Error()));
        // The window talks to the system bus; this one is the mock's.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_udisks.Address().toUtf8());
        SetCurrentLanguageSlot(0);
    }

    void windowStaysResponsiveWhileRemoving()
    {
        const QString release = m_card.filePath(u"release"_s);
        QVERIFY(m_udisks.AddDrive(
            u"card"_s, { { u"ConnectionBus"_s, u"sdio"_s }, { u"CanPowerOff"_s, true } }));
        QVERIFY(m_udisks.AddFilesystem(u"card1"_s, u"card"_s, u"MY CARD"_s, { m_card.path() },
            u"import os, time\nfor _ in range(600):\n    if os.path.exists('%1'): break\n    time.sleep(0.05)\n"_s
                .arg(release)));

        CMessageRecorder box;
        box.m_answers = { MessageAnswer::SafelyRemove };
        CScriptedPathChooser chooser;
        chooser.m_folder = m_card.path();
        CNetSetUtilDlg window;
        window.SetMessageBox(&box);
        window.SetPathChooser(&chooser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *create = Find<QPushButton>(window, "createSettingFileButton");
        create->click();
        QTRY_VERIFY_WITH_TIMEOUT(m_udisks.Calls().contains(u"card1 Unmount"_s), 20000);

        // The unmount has not answered: the user sees the removal under way, and a click on Create
        // does not reach the window.
        QCOMPARE(box.m_messages.size(), 1);
        auto *progress = window.findChild<QDialog *>(u"removalProgress"_s);
        QVERIFY(progress && progress->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(progress));
        QCOMPARE(progress->findChild<QLabel *>()->text(),
            MessageText(Msg::VolumeRemoving).arg(u"MY CARD"_s));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
            create->mapTo(&window, create->rect().center()));
        QTest::qWait(0);
        QCOMPARE(chooser.m_calls.size(), 1);

        QVERIFY(QFile(release).open(QIODevice::WriteOnly));
        QTRY_COMPARE_WITH_TIMEOUT(box.m_messages.size(), 2, 20000);
        const CMessageRecorder::Message &shown = box.m_messages.last();
        QCOMPARE(MessageLine(shown.text, shown.caption, shown.icon, shown.buttons),
            MessageLine(ComposedMessage(MessageText(Msg::VolumeRemoved).arg(u"MY CARD"_s)),
                Text(Msg::CreateSettingCaption), MessageIcon::Information, MessageButtons::Ok));
        QVERIFY(!window.findChild<QDialog *>(u"removalProgress"_s));
        QCOMPARE(m_udisks.Calls(), QStringList({ u"card1 Unmount"_s, u"card PowerOff"_s }));
    }
};

QTEST_MAIN(TestCardRemoval)
#include "tst_cardremoval.moc"
