#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "UDisksMock.h"
#include "core/commands/FileCommands.h"
#include "platform/DesktopVolumes.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

// Create on a folder of a card that the mock disk service reports mounted, through to the
// removal the user asks for in the success message.
class TestCardRemoval : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void createThenRemove_data();
    void createThenRemove();

private:
    CPrivateBus m_bus;
    CUDisksMock m_udisks;
};

void TestCardRemoval::initTestCase()
{
    QVERIFY(m_bus.Start(u"card-bus"_s));
    QVERIFY(m_udisks.Start(m_bus));
}

void TestCardRemoval::createThenRemove_data()
{
    QTest::addColumn<bool>("onCard");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QString>("unmountCode");
    QTest::addColumn<QStringList>("messages"); // "offer", "plain", "removed", "busy", "refused"
    QTest::addColumn<QStringList>("calls");

    const QList<MessageAnswer> remove { MessageAnswer::SafelyRemove };
    const QString busy
        = CUDisksMock::Raise(u"org.freedesktop.UDisks2.Error.DeviceBusy"_s, u"target is busy"_s);
    const QString denied
        = CUDisksMock::Raise(u"org.freedesktop.UDisks2.Error.NotAuthorized"_s, u"Not authorized"_s);
    QTest::newRow("removed when asked")
        << true << remove << QString() << QStringList { u"offer"_s, u"removed"_s }
        << QStringList { u"card1 Unmount"_s, u"card PowerOff"_s };
    QTest::newRow("OK leaves the card mounted")
        << true << QList<MessageAnswer> { MessageAnswer::Ok } << QString()
        << QStringList { u"offer"_s } << QStringList();
    QTest::newRow("busy card: the reason is shown, the card stays")
        << true << remove << busy << QStringList { u"offer"_s, u"busy"_s }
        << QStringList { u"card1 Unmount"_s };
    QTest::newRow("refused: the system's words are shown")
        << true << remove << denied << QStringList { u"offer"_s, u"refused"_s }
        << QStringList { u"card1 Unmount"_s };
    QTest::newRow("folder not on a card: no offer")
        << false << remove << QString() << QStringList { u"plain"_s } << QStringList();
}

void TestCardRemoval::createThenRemove()
{
    QFETCH(bool, onCard);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, unmountCode);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, calls);

    QTemporaryDir card;
    QTemporaryDir elsewhere;
    QVERIFY(card.isValid() && elsewhere.isValid());
    QVERIFY(m_udisks.Reset());
    QVERIFY(m_udisks.AddDrive(
        u"card"_s, { { u"ConnectionBus"_s, u"sdio"_s }, { u"CanPowerOff"_s, true } }));
    QVERIFY(
        m_udisks.AddFilesystem(u"card1"_s, u"card"_s, u"MY CARD"_s, { card.path() }, unmountCode));

    CSettingsDocument document;
    CMessageRecorder box;
    box.m_answers = answers;
    CScriptedPathChooser chooser;
    chooser.m_folder = onCard ? card.path() : elsewhere.path();
    CDesktopVolumes volumes(m_bus.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
    CreateSettingFileCommand(document, box, chooser, volumes);

    QVERIFY(QFileInfo::exists(chooser.m_folder + u"/NetworkSetting.ini"_s));
    const QString created = MessageText(Msg::SettingsFileCreated).toString() + u"   "_s;
    const QString caption = MessageText(Msg::CreateSettingCaption).toString();
    QCOMPARE(box.m_messages.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const CMessageRecorder::Message &shown = box.m_messages[i];
        const QString &kind = messages[i];
        QCOMPARE(shown.caption, caption);
        if (kind == u"offer" || kind == u"plain") {
            QCOMPARE(shown.text, created);
            QCOMPARE(shown.icon, MessageIcon::Information);
            QCOMPARE(shown.buttons,
                kind == u"offer" ? MessageButtons::OkSafelyRemove : MessageButtons::Ok);
            const QString where = MessageText(Msg::WhereFile).toString().arg(
                QDir::toNativeSeparators(chooser.m_folder + u"/NetworkSetting.ini"_s));
            QCOMPARE(shown.detail,
                kind == u"offer"
                    ? where + u'\n' + MessageText(Msg::FileOnRemovableVolume).arg(u"MY CARD"_s)
                    : where);
        } else if (kind == u"removed") {
            QCOMPARE(shown.text, MessageText(Msg::VolumeRemoved).arg(u"MY CARD"_s) + u"   "_s);
            QCOMPARE(shown.icon, MessageIcon::Information);
        } else {
            QCOMPARE(shown.text, MessageText(Msg::VolumeNotRemoved).arg(u"MY CARD"_s) + u"   "_s);
            QCOMPARE(shown.icon, MessageIcon::Error);
            QCOMPARE(shown.detail,
                kind == u"busy" ? MessageText(Msg::VolumeBusy).toString() + u"\ntarget is busy"_s
                                : u"Not authorized"_s);
        }
    }
    QCOMPARE(m_udisks.Calls(), calls);
}

QTEST_GUILESS_MAIN(TestCardRemoval)
#include "tst_cardremoval.moc"
