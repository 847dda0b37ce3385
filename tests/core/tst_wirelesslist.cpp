#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "core/commands/WirelessList.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

CNetworkSetting Profile(const QString &ssid)
{
    CNetworkSetting profile;
    profile.m_ssid = ssid;
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = ssid + u"-key-1234"_s;
    return profile;
}

// Notes what it was opened on ("new" for an empty profile); answers with `m_answer`'s profile.
class CScriptedDialog final : public IWifiPropertyDialog
{
public:
    DialogResult RunPropertyDialog(CNetworkSetting &profile) override
    {
        m_openedOn.append(profile == CNetworkSetting() ? u"new"_s : profile.m_ssid);
        if (!m_answer)
            return DialogResult::Cancel;
        profile = Profile(*m_answer);
        return DialogResult::Ok;
    }
    std::optional<QString> m_answer;
    QStringList m_openedOn;
};

} // namespace

class TestWirelessList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void commands_data()
    {
        // "A@2,B@0#1": entry "A" above entry "B", naming slots 2 and 0 that hold their profiles,
        // "B" selected. "add=N" answers the dialog with profile "N", "add" cancels it.
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("shown"); // what the dialog opened on, then any message
        const auto row = [](const char *rule, QStringView before, QStringView commands,
                             QStringView after, const QString &shown = {}) {
            QTest::newRow(rule) << before.toString() << commands.toString() << after.toString()
                                << shown;
        };
        const auto told = [](MessageId text) {
            return ExpectedMessage(text, Msg::WirelessSettingCaption, MessageIcon::Information);
        };
        QString full;
        for (int i = 0; i < MaxWirelessProfiles; ++i)
            full += u"net%1@%1,"_s.arg(i);
        full.back() = u'#';
        full += u'3';

        row("Up moves the selected entry, selection follows", u"A@0,B@1#1", u"up", u"B@1,A@0#0");
        row("drag past the end lands last, selected", u"A@0,B@1,C@2#-1", u"move=0,9",
            u"B@1,C@2,A@0#2");
        row("Delete a later entry selects the one above", u"A@0,B@1,C@2#2", u"delete",
            u"A@0,B@1#1");
        row("Delete on an empty list says so", u"#-1", u"delete", u"#-1",
            told(Msg::NoSettingExists));
        row("Add appends in the lowest free slot, selected; SSIDs may repeat", u"A@2,B@0#0",
            u"add=A", u"A@2,B@0,A@1#2", u"new"_s);
        row("Add of a 31st profile is refused", full, u"add=N", full,
            told(Msg::MaximumWirelessSettings));
        row("Add skips a free-looking slot that an entry still names", u"@0,B@1#1", u"add=N",
            u"@0,B@1,N@2#2", u"new"_s);
        row("Property answered with an empty SSID", u"A@2,B@0#1", u"edit=", u"A@2,B@0#1", u"B"_s);
        row("an entry without a valid slot is left alone", u"A@0,B@30#1",
            u"up;move=1,0;delete;edit=X", u"A@0,B@30#1");
    }

    void commands()
    {
        QFETCH(QString, before);
        QFETCH(QString, commands);
        CSettingsDocument document;
        QList<WirelessListEntry> &list = document.m_controls.m_wirelessList;
        for (const QString &entry : before.section(u'#', 0, 0).split(u',', Qt::SkipEmptyParts)) {
            const int slot = entry.section(u'@', 1).toInt();
            list.append({ entry.section(u'@', 0, 0), slot });
            if (slot < MaxWirelessProfiles)
                document.m_wirelessSettings[size_t(slot)] = Profile(list.last().m_text);
        }
        document.m_controls.m_wirelessSelection = before.section(u'#', 1).toInt();
        CScriptedDialog dialog;
        CMessageRecorder box;
        for (const QString &command : commands.split(u';')) {
            const QString name = command.section(u'=', 0, 0);
            const QString argument = command.section(u'=', 1);
            dialog.m_answer = command.contains(u'=') ? std::optional(argument) : std::nullopt;
            if (name == u"up")
                RaiseWirelessPriority(document);
            else if (name == u"down")
                LowerWirelessPriority(document);
            else if (name == u"move")
                MoveWirelessProfile(document, argument.section(u',', 0, 0).toInt(),
                    argument.section(u',', 1).toInt());
            else if (name == u"delete")
                DeleteWirelessProfile(document, box);
            else if (name == u"add")
                AddWirelessProfile(document, box, dialog);
            else
                EditWirelessProfile(document, dialog);
        }

        QStringList after;
        for (const WirelessListEntry &entry : list)
            after.append(entry.m_text + u'@' + QString::number(entry.m_slot));
        QTEST(after.join(u',') + u'#' + QString::number(document.m_controls.m_wirelessSelection),
            "after");
        // Each slot holds the profile of the entry naming it, or nothing.
        for (int slot = 0; slot < MaxWirelessProfiles; ++slot) {
            CNetworkSetting expected;
            for (const WirelessListEntry &entry : list)
                expected = entry.m_slot == slot ? Profile(entry.m_text) : expected;
            QVERIFY2(document.m_wirelessSettings[size_t(slot)] == expected, qPrintable(before));
        }
        for (const CMessageRecorder::Message &m : box.m_messages)
            dialog.m_openedOn.append(MessageLine(m.text, m.caption, m.icon, m.buttons));
        QTEST(dialog.m_openedOn.join(u','), "shown");
    }
};

QTEST_APPLESS_MAIN(TestWirelessList)
#include "tst_wirelesslist.moc"
