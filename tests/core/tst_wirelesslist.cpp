#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "core/commands/WirelessList.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Notes what it was opened on ("new" for an empty profile); answers with `m_answer` as the SSID.
struct CScriptedDialog final : IWifiPropertyDialog
{
    DialogResult RunPropertyDialog(CNetworkSetting &profile) override
    {
        m_openedOn.append(profile == CNetworkSetting() ? u"new"_s : profile.m_ssid);
        profile.m_ssid = m_answer;
        return DialogResult::Ok;
    }
    QString m_answer;
    QStringList m_openedOn;
};

} // namespace

class TestWirelessList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data()
    {
        // "A@2,B@0#1": entry "A" above entry "B", naming slots 2 and 0 that hold their profiles,
        // "B" selected. "add=N" answers the dialog with the SSID "N".
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("commands");
        // The list after, then what the dialog opened on and any message.
        QTest::addColumn<QString>("after");
        const auto row = [](const char *rule, QStringView before, QStringView commands,
                             QStringView after, const QString &shown = {}) {
            QTest::newRow(rule) << before.toString() << commands.toString()
                                << after.toString() + u' ' + shown;
        };
        const auto told = [](MessageId text) {
            return ExpectedMessage(text, Msg::WirelessSettingCaption, MessageIcon::Information)
                + u'|';
        };
        QStringList full;
        for (int i = 0; i < MaxWirelessProfiles; ++i)
            full += u"net%1@%1"_s.arg(i);
        const QString fullList = full.join(u',') + u"#3"_s;

        row("Up moves the selected entry, selection follows", u"A@0,B@1#1", u"up", u"B@1,A@0#0");
        row("Delete selects the entry above", u"A@0,B@1,C@2#2", u"delete", u"A@0,B@1#1");
        row("Delete on an empty list", u"#-1", u"delete", u"#-1", told(Msg::NoSettingExists));
        row("Add takes the lowest slot no entry names, selected; SSIDs may repeat", u"A@2,@0#0",
            u"add=A", u"A@2,@0,A@1#2", u"new"_s);
        row("31st Add refused", fullList, u"add=N", fullList, told(Msg::MaximumWirelessSettings));
        row("Property answered with an empty SSID", u"A@2,B@0#1", u"edit=", u"A@2,B@0#1", u"B"_s);
        row("an entry without a valid slot", u"A@0,B@30#1", u"up;delete;edit=X", u"A@0,B@30#1");
    }

    void commands()
    {
        QFETCH(QString, before);
        QFETCH(QString, commands);
        CSettingsDocument document;
        QList<WirelessListEntry> &list = document.m_controls.m_wirelessList;
        for (const QString &entry : before.section(u'#', 0, 0).split(u',', Qt::SkipEmptyParts)) {
            list.append({ entry.section(u'@', 0, 0), entry.section(u'@', 1).toInt() });
            if (list.last().m_slot < MaxWirelessProfiles)
                document.m_wirelessSettings[size_t(list.last().m_slot)].m_ssid = list.last().m_text;
        }
        document.m_controls.m_wirelessSelection = before.section(u'#', 1).toInt();
        CScriptedDialog dialog;
        CMessageRecorder box;
        for (const QString &command : commands.split(u';')) {
            dialog.m_answer = command.section(u'=', 1);
            if (command == u"up")
                RaiseWirelessPriority(document);
            else if (command == u"delete")
                DeleteWirelessProfile(document, box);
            else if (command.startsWith(u"add"))
                AddWirelessProfile(document, box, dialog);
            else
                EditWirelessProfile(document, dialog);
        }

        QStringList after;
        for (const WirelessListEntry &entry : list)
            after.append(entry.m_text + u'@' + QString::number(entry.m_slot));
        dialog.m_openedOn += ShownLines(box);
        QTEST(after.join(u',') + u'#' + QString::number(document.m_controls.m_wirelessSelection)
                + u' ' + dialog.m_openedOn.join(u','),
            "after");
        // Each slot holds the profile of the entry naming it, or nothing.
        std::array<CNetworkSetting, MaxWirelessProfiles> held;
        for (const WirelessListEntry &entry : list)
            if (entry.m_slot < MaxWirelessProfiles)
                held[size_t(entry.m_slot)].m_ssid = entry.m_text;
        QVERIFY(document.m_wirelessSettings == held);
    }
};

QTEST_APPLESS_MAIN(TestWirelessList)
#include "tst_wirelesslist.moc"
