#include "MessageRecorder.h"
#include "WirelessList.h"

#include <QTest>

namespace {

// Stands in for the property dialog: records what it was opened on and answers as told.
class ScriptedDialog : public IWifiPropertyDialog
{
public:
    DialogResult RunPropertyDialog(CNetworkSetting &profile) override
    {
        m_openedOn.append(profile);
        if (!m_accept)
            return DialogResult::Cancel;
        profile = m_answer;
        return DialogResult::Ok;
    }
    bool m_accept = true;
    CNetworkSetting m_answer;
    QList<CNetworkSetting> m_openedOn;
};

CNetworkSetting Profile(const QString &ssid)
{
    CNetworkSetting profile;
    profile.m_ssid = ssid;
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = ssid + QStringLiteral("-key-1234");
    return profile;
}

QString Thirty(int without = -1, QStringView added = {})
{
    QStringList entries;
    for (int i = 0; i < MaxWirelessProfiles; ++i) {
        if (i != without)
            entries.append(QStringLiteral("net%1@%1").arg(i));
    }
    if (!added.isEmpty())
        entries.append(added.toString());
    return entries.join(u',');
}

} // namespace

class TestWirelessList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void commands_data();
    void commands();
};

void TestWirelessList::commands_data()
{
    // "A@2,B@0": entry "A" above entry "B", naming slots 2 and 0, each slot holding the profile
    // of its entry. Commands run in turn; "add=N" answers the dialog with profile "N", "add"
    // cancels it; "blank=0" empties the SSID of slot 0 but leaves its entry.
    QTest::addColumn<QString>("entries");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("entriesAfter");
    QTest::addColumn<int>("selectionAfter");
    QTest::addColumn<QString>("opened"); // what the dialog opened on: "new" or the profile's SSID
    QTest::addColumn<QString>("message");

    const auto row = [](const char *rule, QStringView entries, int selection, QStringView commands,
                         QStringView after, int selectionAfter, QStringView opened = {},
                         QStringView message = {}) {
        QTest::newRow(rule) << entries.toString() << selection << commands.toString()
                            << after.toString() << selectionAfter << opened.toString()
                            << message.toString();
    };
    const QStringView abc = u"A@0,B@1,C@2";
    const QStringView ab = u"A@2,B@0";
    row("Up moves the selection and its slot", abc, 1, u"up", u"B@1,A@0,C@2", 0);
    row("Up on the first entry", abc, 0, u"up", abc, 0);
    row("Down moves the selection", abc, 1, u"down", u"A@0,C@2,B@1", 2);
    row("Down on the last entry", abc, 2, u"down", abc, 2);
    row("Down with a selection past the end", abc, 7, u"down", abc, 7);
    row("drag past the end lands last, selected", abc, -1, u"move=0,9", u"B@1,C@2,A@0", 2);
    row("drag before the start lands first, selected", abc, -1, u"move=2,-5", u"C@2,A@0,B@1", 0);
    row("drag from outside the list", abc, 1, u"move=3,0", abc, 1);

    row("Delete the first entry selects the new first", abc, 0, u"delete", u"B@1,C@2", 0);
    row("Delete a later entry selects the one above", abc, 2, u"delete", u"A@0,B@1", 1);
    row("Delete the only entry selects nothing", u"A@4", 0, u"delete", u"", -1);
    row("Delete without a selection", abc, -1, u"delete", abc, -1);
    row("Delete on an empty list says so", u"", -1, u"delete", u"", -1, u"",
        u"No setting exist.   ");

    row("Add appends in the lowest free slot, selected; SSIDs may repeat", ab, 0, u"add=A",
        u"A@2,B@0,A@1", 2, u"new");
    row("Add cancelled", ab, 0, u"add", ab, 0, u"new");
    row("Add answered with an empty SSID", ab, 0, u"add=", ab, 0, u"new");
    row("Add of a 31st profile is refused", Thirty(), 3, u"add=N", Thirty(), 3, u"",
        u"Maximum number of wireless setting is 30.   ");
    row("Add after Delete reuses the freed slot", Thirty(), 3, u"delete;add=N", Thirty(3, u"N@3"),
        29, u"new");
    // Sharing it would let one profile overwrite the other.
    row("Add skips a free-looking slot that an entry still names", u"A@0,B@1", 0, u"blank=0;add=N",
        u"A@0,B@1,N@2", 2, u"new");

    row("Property OK keeps the place and clears the selection", ab, 1, u"edit=B2", u"A@2,B2@0", -1,
        u"B");
    row("Property cancelled", ab, 1, u"edit", ab, 1, u"B");
    // The entry would name a slot that reads as free.
    row("Property answered with an empty SSID", ab, 1, u"edit=", ab, 1, u"B");
    row("Property without a selection opens nothing", ab, -1, u"edit=X", ab, -1);
    row("an entry without a valid slot is left alone", u"A@0,B@30", 1, u"up;move=1,0;delete;edit=X",
        u"A@0,B@30", 1);
}

void TestWirelessList::commands()
{
    QFETCH(QString, entries);
    QFETCH(int, selection);
    QFETCH(QString, commands);
    QFETCH(QString, entriesAfter);
    QFETCH(int, selectionAfter);
    QFETCH(QString, opened);
    QFETCH(QString, message);

    CSettingsDocument document;
    QList<WirelessListEntry> &list = document.m_controls.m_wirelessList;
    for (const QString &entry : entries.split(u',', Qt::SkipEmptyParts)) {
        list.append({ entry.section(u'@', 0, 0), entry.section(u'@', 1).toInt() });
        if (list.last().m_slot < MaxWirelessProfiles)
            document.m_wirelessSettings[size_t(list.last().m_slot)] = Profile(list.last().m_text);
    }
    document.m_controls.m_wirelessSelection = selection;
    ScriptedDialog dialog;
    CMessageRecorder box;
    QList<int> blanked;
    for (const QString &command : commands.split(u';')) {
        const QString name = command.section(u'=', 0, 0);
        const QString argument = command.section(u'=', 1);
        dialog.m_accept = command.contains(u'=');
        dialog.m_answer = Profile(argument);
        if (name == u"up")
            RaiseWirelessPriority(document);
        else if (name == u"down")
            LowerWirelessPriority(document);
        else if (name == u"move")
            MoveWirelessProfile(
                document, argument.section(u',', 0, 0).toInt(), argument.section(u',', 1).toInt());
        else if (name == u"delete")
            DeleteWirelessProfile(document, box);
        else if (name == u"add")
            AddWirelessProfile(document, box, dialog);
        else if (name == u"edit")
            EditWirelessProfile(document, dialog);
        else if (name == u"blank") {
            document.m_wirelessSettings[size_t(argument.toInt())].m_ssid.clear();
            blanked.append(argument.toInt());
        }
    }

    QStringList after;
    for (const WirelessListEntry &entry : list)
        after.append(entry.m_text + u'@' + QString::number(entry.m_slot));
    QCOMPARE(after.join(u','), entriesAfter);
    QCOMPARE(document.m_controls.m_wirelessSelection, selectionAfter);
    // Every slot holds the profile of the entry that names it; no other slot holds anything.
    for (int slot = 0; slot < MaxWirelessProfiles; ++slot) {
        CNetworkSetting expected;
        for (const WirelessListEntry &entry : list) {
            if (entry.m_slot == slot)
                expected = Profile(entry.m_text);
        }
        if (blanked.contains(slot))
            expected.m_ssid.clear();
        QVERIFY2(
            document.m_wirelessSettings[size_t(slot)] == expected, qPrintable(after.join(u',')));
    }
    QStringList openedOn;
    for (const CNetworkSetting &profile : dialog.m_openedOn)
        openedOn.append(profile == CNetworkSetting() ? QStringLiteral("new")
                : profile == Profile(profile.m_ssid) ? profile.m_ssid
                                                     : QStringLiteral("other"));
    QCOMPARE(openedOn.join(u','), opened);
    QCOMPARE(box.m_messages.size(), message.isEmpty() ? 0 : 1);
    for (const CMessageRecorder::Message &m : box.m_messages) {
        QCOMPARE(m.text, message);
        QCOMPARE(m.caption, QStringLiteral("Wireless setting"));
        QCOMPARE(m.icon, MessageIcon::Information);
        QCOMPARE(m.buttons, MessageButtons::Ok);
    }
}

QTEST_APPLESS_MAIN(TestWirelessList)
#include "tst_wirelesslist.moc"
