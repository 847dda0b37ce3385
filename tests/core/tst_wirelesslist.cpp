#include "MessageCatalog.h"
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

// Entries named by `names`, top first, in the slots given (slot i for entry i when empty).
void Fill(CSettingsDocument &document, const QStringList &names, QList<int> slots = {})
{
    for (int i = 0; i < names.size(); ++i) {
        const int slot = slots.isEmpty() ? i : slots.at(i);
        document.m_wirelessSettings[size_t(slot)] = Profile(names.at(i));
        document.m_controls.m_wirelessList.append({ names.at(i), slot });
    }
}

QStringList Texts(const CSettingsDocument &document)
{
    QStringList texts;
    for (const WirelessListEntry &entry : document.m_controls.m_wirelessList)
        texts.append(entry.m_text);
    return texts;
}

QList<int> Slots(const CSettingsDocument &document)
{
    QList<int> slots;
    for (const WirelessListEntry &entry : document.m_controls.m_wirelessList)
        slots.append(entry.m_slot);
    return slots;
}

QStringList Letters(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("net%1").arg(i));
    return names;
}

} // namespace

class TestWirelessList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void reorder_data();
    void reorder();
    void entryWithoutSlotIsLeftAlone();
    void deleteEntry_data();
    void deleteEntry();
    void deleteOnEmptyList();
    void addAppendsInLowestFreeSlot();
    void addCancelled();
    void addRefusesAtThirty();
    void addAfterDeleteReusesFreedSlot();
    void addSameSsidTwice();
    void addSkipsSlotStillNamedByEntry();
    void propertyOkKeepsPlaceAndDeselects();
    void propertyCancelKeepsEverything();
    void propertyWithoutSelectionOpensNothing();
};

void TestWirelessList::reorder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("slots");
    QTest::addColumn<int>("selectionAfter");

    const QStringList abc { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") };
    const QStringList bac { QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C") };
    const QStringList acb { QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B") };
    const QStringList bca { QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A") };
    const QStringList cab { QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B") };

    QTest::newRow("B up gives B, A, C with B selected")
        << "up" << 0 << 0 << 1 << bac << QList<int> { 1, 0, 2 } << 0;
    QTest::newRow("up on the first entry changes nothing")
        << "up" << 0 << 0 << 0 << abc << QList<int> { 0, 1, 2 } << 0;
    QTest::newRow("up without a selection changes nothing")
        << "up" << 0 << 0 << -1 << abc << QList<int> { 0, 1, 2 } << -1;
    QTest::newRow("B down gives A, C, B with B selected")
        << "down" << 0 << 0 << 1 << acb << QList<int> { 0, 2, 1 } << 2;
    QTest::newRow("down on the last entry changes nothing")
        << "down" << 0 << 0 << 2 << abc << QList<int> { 0, 1, 2 } << 2;
    QTest::newRow("down without a selection changes nothing")
        << "down" << 0 << 0 << -1 << abc << QList<int> { 0, 1, 2 } << -1;
    QTest::newRow("down with a selection past the end changes nothing")
        << "down" << 0 << 0 << 7 << abc << QList<int> { 0, 1, 2 } << 7;
    QTest::newRow("drag first to last is two downs")
        << "move" << 0 << 2 << -1 << bca << QList<int> { 1, 2, 0 } << 2;
    QTest::newRow("drag last to first is two ups")
        << "move" << 2 << 0 << 1 << cab << QList<int> { 2, 0, 1 } << 0;
    QTest::newRow("drag B up one place is one up")
        << "move" << 1 << 0 << 1 << bac << QList<int> { 1, 0, 2 } << 0;
    QTest::newRow("drag onto itself selects it and moves nothing")
        << "move" << 1 << 1 << -1 << abc << QList<int> { 0, 1, 2 } << 1;
    QTest::newRow("drag beyond the end stops at the last place")
        << "move" << 0 << 9 << 0 << bca << QList<int> { 1, 2, 0 } << 2;
    QTest::newRow("drag from outside the list changes nothing")
        << "move" << 3 << 0 << 2 << abc << QList<int> { 0, 1, 2 } << 2;
}

void TestWirelessList::reorder()
{
    QFETCH(QString, command);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, selection);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, slots);
    QFETCH(int, selectionAfter);

    CSettingsDocument document;
    Fill(document, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    const auto profilesBefore = document.m_wirelessSettings;
    document.m_controls.m_wirelessSelection = selection;

    if (command == u"up")
        RaiseWirelessPriority(document);
    else if (command == u"down")
        LowerWirelessPriority(document);
    else
        MoveWirelessProfile(document, from, to);

    QCOMPARE(Texts(document), texts);
    QCOMPARE(Slots(document), slots);
    QCOMPARE(document.m_controls.m_wirelessSelection, selectionAfter);
    // Moving entries never moves or changes a profile.
    QVERIFY(document.m_wirelessSettings == profilesBefore);
}

void TestWirelessList::entryWithoutSlotIsLeftAlone()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A"), QStringLiteral("B") });
    document.m_controls.m_wirelessList[1].m_slot = MaxWirelessProfiles;
    document.m_controls.m_wirelessSelection = 1;
    RaiseWirelessPriority(document);
    MoveWirelessProfile(document, 1, 0);
    CMessageRecorder box;
    DeleteWirelessProfile(document, box);
    ScriptedDialog dialog;
    EditWirelessProfile(document, dialog);

    QCOMPARE(Texts(document), (QStringList { QStringLiteral("A"), QStringLiteral("B") }));
    QCOMPARE(Slots(document), (QList<int> { 0, MaxWirelessProfiles }));
    QCOMPARE(document.m_controls.m_wirelessSelection, 1);
    QCOMPARE(box.m_messages.size(), 0);
    QCOMPARE(dialog.m_openedOn.size(), 0);
}

void TestWirelessList::deleteEntry_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("selectionAfter");
    QTest::addColumn<int>("freedSlot");

    QTest::newRow("delete at 0 selects the new first entry")
        << 4 << 0
        << QStringList { QStringLiteral("net1"), QStringLiteral("net2"), QStringLiteral("net3") }
        << 0 << 0;
    QTest::newRow("delete at 3 selects position 2")
        << 5 << 3
        << QStringList { QStringLiteral("net0"), QStringLiteral("net1"), QStringLiteral("net2"),
               QStringLiteral("net4") }
        << 2 << 3;
    QTest::newRow("delete the last entry selects the one above")
        << 3 << 2 << QStringList { QStringLiteral("net0"), QStringLiteral("net1") } << 1 << 2;
    QTest::newRow("delete the only entry empties the list and selects nothing")
        << 1 << 0 << QStringList() << -1 << 0;
    QTest::newRow("delete without a selection does nothing")
        << 2 << -1 << QStringList { QStringLiteral("net0"), QStringLiteral("net1") } << -1 << -1;
}

void TestWirelessList::deleteEntry()
{
    QFETCH(int, count);
    QFETCH(int, selection);
    QFETCH(QStringList, texts);
    QFETCH(int, selectionAfter);
    QFETCH(int, freedSlot);

    CSettingsDocument document;
    Fill(document, Letters(count));
    document.m_controls.m_wirelessSelection = selection;
    CMessageRecorder box;
    DeleteWirelessProfile(document, box);

    QCOMPARE(Texts(document), texts);
    QCOMPARE(document.m_controls.m_wirelessSelection, selectionAfter);
    QCOMPARE(box.m_messages.size(), 0);
    for (int slot = 0; slot < count; ++slot) {
        const CNetworkSetting &profile = document.m_wirelessSettings[size_t(slot)];
        if (slot == freedSlot)
            QCOMPARE(profile, CNetworkSetting());
        else
            QCOMPARE(profile.m_ssid, QStringLiteral("net%1").arg(slot));
    }
}

void TestWirelessList::deleteOnEmptyList()
{
    CSettingsDocument document;
    CMessageRecorder box;
    DeleteWirelessProfile(document, box);
    QCOMPARE(box.m_messages.size(), 1);
    QCOMPARE(box.m_messages.at(0).text, QStringLiteral("No setting exist.   "));
    QCOMPARE(box.m_messages.at(0).caption, QStringLiteral("Wireless setting"));
    QCOMPARE(box.m_messages.at(0).icon, MessageIcon::Information);
    QCOMPARE(box.m_messages.at(0).buttons, MessageButtons::Ok);
    QCOMPARE(document.m_controls.m_wirelessSelection, -1);
}

void TestWirelessList::addAppendsInLowestFreeSlot()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A"), QStringLiteral("B") }, { 2, 0 });
    ScriptedDialog dialog;
    dialog.m_answer = Profile(QStringLiteral("N"));
    CMessageRecorder box;
    AddWirelessProfile(document, box, dialog);

    QCOMPARE(dialog.m_openedOn.size(), 1);
    QCOMPARE(dialog.m_openedOn.at(0), CNetworkSetting());
    QCOMPARE(Texts(document),
        (QStringList { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("N") }));
    QCOMPARE(Slots(document), (QList<int> { 2, 0, 1 }));
    QCOMPARE(document.m_controls.m_wirelessSelection, 2);
    QCOMPARE(document.m_wirelessSettings[1], Profile(QStringLiteral("N")));
    QCOMPARE(box.m_messages.size(), 0);
}

void TestWirelessList::addCancelled()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A") });
    document.m_controls.m_wirelessSelection = 0;
    ScriptedDialog dialog;
    dialog.m_accept = false;
    CMessageRecorder box;
    AddWirelessProfile(document, box, dialog);

    QCOMPARE(dialog.m_openedOn.size(), 1);
    QCOMPARE(Texts(document), QStringList { QStringLiteral("A") });
    QCOMPARE(document.m_controls.m_wirelessSelection, 0);
    QCOMPARE(document.m_wirelessSettings[1], CNetworkSetting());
}

void TestWirelessList::addRefusesAtThirty()
{
    CSettingsDocument document;
    Fill(document, Letters(30));
    document.m_controls.m_wirelessSelection = 4;
    ScriptedDialog dialog;
    dialog.m_answer = Profile(QStringLiteral("N"));
    CMessageRecorder box;
    AddWirelessProfile(document, box, dialog);

    QCOMPARE(dialog.m_openedOn.size(), 0);
    QCOMPARE(box.m_messages.size(), 1);
    QCOMPARE(
        box.m_messages.at(0).text, QStringLiteral("Maximum number of wireless setting is 30.   "));
    QCOMPARE(box.m_messages.at(0).caption, QStringLiteral("Wireless setting"));
    QCOMPARE(box.m_messages.at(0).icon, MessageIcon::Information);
    QCOMPARE(box.m_messages.at(0).buttons, MessageButtons::Ok);
    QCOMPARE(document.m_controls.m_wirelessList.size(), 30);
    QCOMPARE(document.m_controls.m_wirelessSelection, 4);
}

void TestWirelessList::addAfterDeleteReusesFreedSlot()
{
    CSettingsDocument document;
    Fill(document, Letters(30));
    document.m_controls.m_wirelessSelection = 3;
    CMessageRecorder box;
    DeleteWirelessProfile(document, box);
    ScriptedDialog dialog;
    dialog.m_answer = Profile(QStringLiteral("N"));
    AddWirelessProfile(document, box, dialog);

    QCOMPARE(box.m_messages.size(), 0);
    QCOMPARE(document.m_controls.m_wirelessList.size(), 30);
    QCOMPARE(document.m_controls.m_wirelessList.last().m_text, QStringLiteral("N"));
    QCOMPARE(document.m_controls.m_wirelessList.last().m_slot, 3);
    QCOMPARE(document.m_controls.m_wirelessList.at(3).m_text, QStringLiteral("net4"));
    QCOMPARE(document.m_controls.m_wirelessSelection, 29);
    QCOMPARE(document.m_wirelessSettings[3].m_ssid, QStringLiteral("N"));
}

void TestWirelessList::addSameSsidTwice()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A") });
    ScriptedDialog dialog;
    dialog.m_answer = Profile(QStringLiteral("A"));
    CMessageRecorder box;
    AddWirelessProfile(document, box, dialog);
    QCOMPARE(Texts(document), (QStringList { QStringLiteral("A"), QStringLiteral("A") }));
    QCOMPARE(Slots(document), (QList<int> { 0, 1 }));
}

void TestWirelessList::addSkipsSlotStillNamedByEntry()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A"), QStringLiteral("B") });
    document.m_wirelessSettings[0].m_ssid.clear();
    ScriptedDialog dialog;
    dialog.m_answer = Profile(QStringLiteral("N"));
    CMessageRecorder box;
    AddWirelessProfile(document, box, dialog);
    QCOMPARE(Slots(document), (QList<int> { 0, 1, 2 }));
    QCOMPARE(document.m_wirelessSettings[2].m_ssid, QStringLiteral("N"));
}

void TestWirelessList::propertyOkKeepsPlaceAndDeselects()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, { 0, 5, 2 });
    document.m_wirelessSettings[5].m_connectAutomatically = 0;
    document.m_controls.m_wirelessSelection = 1;
    const CNetworkSetting before = document.m_wirelessSettings[5];
    ScriptedDialog dialog;
    dialog.m_answer = Profile(QStringLiteral("B2"));
    dialog.m_answer.m_dhcp = 0;
    dialog.m_answer.m_ipAddress = IpAddressField::Complete(10, 0, 0, 9);
    EditWirelessProfile(document, dialog);

    QCOMPARE(dialog.m_openedOn.size(), 1);
    QCOMPARE(dialog.m_openedOn.at(0), before);
    QCOMPARE(Texts(document),
        (QStringList { QStringLiteral("A"), QStringLiteral("B2"), QStringLiteral("C") }));
    QCOMPARE(Slots(document), (QList<int> { 0, 5, 2 }));
    QCOMPARE(document.m_controls.m_wirelessSelection, -1);
    QCOMPARE(document.m_wirelessSettings[5], dialog.m_answer);
}

void TestWirelessList::propertyCancelKeepsEverything()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A"), QStringLiteral("B") });
    document.m_controls.m_wirelessSelection = 0;
    const auto profilesBefore = document.m_wirelessSettings;
    ScriptedDialog dialog;
    dialog.m_accept = false;
    EditWirelessProfile(document, dialog);

    QCOMPARE(dialog.m_openedOn.size(), 1);
    QCOMPARE(Texts(document), (QStringList { QStringLiteral("A"), QStringLiteral("B") }));
    QCOMPARE(document.m_controls.m_wirelessSelection, 0);
    QVERIFY(document.m_wirelessSettings == profilesBefore);
}

void TestWirelessList::propertyWithoutSelectionOpensNothing()
{
    CSettingsDocument document;
    Fill(document, { QStringLiteral("A") });
    ScriptedDialog dialog;
    EditWirelessProfile(document, dialog);
    QCOMPARE(dialog.m_openedOn.size(), 0);
    QCOMPARE(Texts(document), QStringList { QStringLiteral("A") });
}

QTEST_APPLESS_MAIN(TestWirelessList)
#include "tst_wirelesslist.moc"
