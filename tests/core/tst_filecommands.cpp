#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data()
    {
        // "load", "load, refused" (nothing may change), or "create" with its variations
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("picked"); // under a new folder, "." for itself; empty for none
        QTest::addColumn<QStringList>("messages"); // with the detail, the folder as "~"
        QTest::addColumn<QByteArray>("existing"); // the settings file there before
        QTest::addColumn<QByteArray>("fileStart"); // after; empty for none
        const auto row = [](const char *rule, QStringView command, QStringView picked,
                             const QStringList &messages, const QByteArray &existing = {},
                             const QByteArray &fileStart = {}) {
            QTest::newRow(rule) << command.toString() << picked.toString() << messages << existing
                                << fileStart;
        };
        const QString file = u"|File: ~/SD card [1]/NetworkSetting.ini"_s;
        const QString question
            = ExpectedMessage(Msg::OverwriteExistingFile, Msg::CreateSettingCaption,
                  MessageIcon::None, MessageButtons::OkCancel)
            + file;
        const QString created = ExpectedMessage(Msg::SettingsFileCreated, Msg::CreateSettingCaption,
                                    MessageIcon::Information)
            + file;
        const QStringView card = u"SD card [1]";
        const char *const clean = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=10.0.0.5\r\n";

        row("load: a clean file, left as it was", u"load", u".",
            { ExpectedMessage(
                Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information) },
            clean, clean);
        // The reader would take it for an empty file and report a clean load of nothing.
        row("load: a file that vanished after it was picked", u"load", u".",
            { ExpectedMessage(
                Msg::SettingFileMissing, Msg::LoadSettingsCaption, MessageIcon::Error) });
        const QString refused = ExpectedMessage(
            Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption, MessageIcon::Error);
        const QString notSettings = u"|The file holds none of the network settings, so it is not "
                                    u"a settings file. Nothing was loaded."_s;
        const QByteArray wrongSection = "[Common]\nWIRED_IP=10.0.0.1\n["
                                        "UserNetworkSetting]\nNETWORK_PRIORITY=1\n";
        const QByteArray binary = QByteArray::fromHex("7f454c46020101000000");
        row("load: settings keys in the wrong section", u"load, refused", u".",
            { refused + notSettings }, wrongSection, wrongSection);
        row("load: binary data", u"load, refused", u".",
            { refused
                + u"|The file holds binary data, not text, so it is not a settings file. "
                  u"Nothing was loaded."_s },
            binary, binary);
        row("create: DHCP off refuses the loopback network, not only 127.0.0.1",
            u"create, DHCP off, IP 127.200.3.4", card,
            { ExpectedMessage(Msg::InvalidIpAddress, Msg::WiredLanCaption, MessageIcon::Error)
                + u"|Addresses that begin with 127 are reserved for loopback and cannot "
                  u"be used as the IP address."_s });
        row("create: DHCP on writes a loopback address blank", u"create, IP 127.0.0.1", card,
            { created }, "", "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\nWIRED_IP=\r\n");
        row("create: overwrite declined keeps the file", u"create, decline", card, { question },
            "old", "old");
        row("create: overwrite accepted replaces the file", u"create", card, { question, created },
            "old", "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n");
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, picked);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, fileStart);
        QTemporaryDir dir;
        const QString file = dir.path() + u'/' + picked + u"/NetworkSetting.ini"_s;
        QVERIFY(QDir(dir.path()).mkpath(picked.isEmpty() ? u"."_s : picked));
        if (!existing.isEmpty())
            QVERIFY(TestFiles::Write(file, existing));
        CSettingsDocument document;
        if (command.startsWith(u"load"))
            DocumentProbe::Prefill(document);
        ConnectionControls &wired = document.m_controls.m_connection;
        if (command.contains(u"DHCP off"))
            wired.m_dhcpRadio = 1;
        const QStringList ip = command.section(u"IP "_s, 1).split(u'.');
        for (qsizetype i = 0; i < 4 && ip.size() == 4; ++i)
            wired.m_ipAddress.m_fields[size_t(i)] = ip.at(i).toInt();
        CMessageRecorder recorder;
        if (command.endsWith(u"decline"))
            recorder.m_answers = { MessageAnswer::Cancel };
        CScriptedPathChooser chooser;
        chooser.m_folder = picked.isEmpty() ? QString() : dir.filePath(picked);
        chooser.m_file = picked.isEmpty() ? QString() : file;

        const QStringList before = DocumentProbe::Snapshot(document, true);
        if (command.startsWith(u"create"))
            CreateSettingFileCommand(document, recorder, chooser);
        else
            LoadSettingsCommand(document, recorder, chooser);
        if (command.endsWith(u"refused")) {
            QStringList after = DocumentProbe::Snapshot(document, true);
            after.replaceInStrings(
                u"messageText=Settings loading is finished with error.   "_s, u"messageText="_s);
            QCOMPARE(after, before); // but for the text composed for the box
        }

        QStringList shown;
        for (const CMessageRecorder::Message &m : recorder.m_messages) {
            QString detail = m.detail;
            shown.append(MessageLine(m.text, m.caption, m.icon, m.buttons)
                + (detail.isEmpty() ? QString() : u'|' + detail.replace(dir.path(), u"~"_s)));
        }
        QCOMPARE(shown, messages);
        QCOMPARE(QFile::exists(file), !fileStart.isEmpty());
        QCOMPARE(TestFiles::ReadAll(file).left(fileStart.size()), fileStart);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
