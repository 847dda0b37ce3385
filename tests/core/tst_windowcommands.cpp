#include "DocumentProbe.h"
#include "WindowCommands.h"

#include <QTest>

namespace {

// Every value of a document that differs from a filled one, as "name=value"; the document's
// bound members stand as they were at the last gather, and since then the user ticked "Use
// wireless" and chose the default network folder.
QStringList ChangesAfter(void (*command)(CSettingsDocument &), bool proxyTicked, bool proxyEnabled)
{
    CSettingsDocument document;
    DocumentProbe::Prefill(document);
    document.m_controls.m_useWirelessChecked = true;
    document.m_controls.m_folderModeRadio = 0;
    document.m_controls.m_useProxyChecked = proxyTicked;
    document.EnableProxyFields(proxyEnabled);
    const QStringList before = DocumentProbe::Snapshot(document, true);
    command(document);
    QStringList changes;
    for (const QString &line : DocumentProbe::Snapshot(document, true)) {
        if (!before.contains(line))
            changes.append(line);
    }
    return changes;
}

} // namespace

class TestWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void clearEmptiesOnlyTheWiredPage();
    void useProxyChoice();
    void forwardTitles();
};

void TestWindowCommands::clearEmptiesOnlyTheWiredPage()
{
    // The clicks since the last gather survive; the list, the profiles, the wired record, the
    // folder texts and the last path stay.
    const QStringList expected { QStringLiteral("folder.mode=0"), QStringLiteral("radios=0 0 0 1"),
        QStringLiteral("useWireless=1"), QStringLiteral("wired.addressesEnabled=0"),
        QStringLiteral("wired.dhcpMode=0"), QStringLiteral("wired.dns="),
        QStringLiteral("wired.dns2="), QStringLiteral("wired.gateway="),
        QStringLiteral("wired.ip="), QStringLiteral("wired.mask="), QStringLiteral("wired.proxy=0"),
        QStringLiteral("wired.proxyAddress="), QStringLiteral("wired.proxyEnabled=0"),
        QStringLiteral("wired.proxyPort=") };
    QCOMPARE(ChangesAfter(&ClearWiredSettings, true, true), expected);
}

void TestWindowCommands::useProxyChoice()
{
    // The edits follow the box and keep their texts; the click gathers every binding.
    QCOMPARE(ChangesAfter(&ApplyUseProxyChoice, true, false),
        (QStringList { QStringLiteral("folder.mode=0"), QStringLiteral("useWireless=1"),
            QStringLiteral("wired.proxyEnabled=1") }));
    QCOMPARE(ChangesAfter(&ApplyUseProxyChoice, false, true),
        (QStringList { QStringLiteral("folder.mode=0"), QStringLiteral("useWireless=1"),
            QStringLiteral("wired.proxy=0"), QStringLiteral("wired.proxyEnabled=0") }));
}

void TestWindowCommands::forwardTitles()
{
    const QStringList expected { QStringLiteral("Local Security Setting"),
        QStringLiteral("Select target"), QStringLiteral("About network configuration utility"),
        QStringLiteral("Wireless LAN Property"), QStringLiteral("Load settings"),
        QStringLiteral("Create setting"), QStringLiteral("Network folder setting"),
        QStringLiteral("Wired LAN setting"), QStringLiteral("Wireless LAN setting"),
        QStringLiteral("Wireless setting"), QStringLiteral("Local Security Setting") };
    QCOMPARE(ForwardWindowTitles(), expected);
    // Norwegian is the one slot whose two "Local Security Setting" rows differ.
    SetCurrentLanguageSlot(7);
    const QStringList titles = ForwardWindowTitles();
    SetCurrentLanguageSlot(0);
    QCOMPARE(titles[7], MessageTextInSlot(Msg::WiredLanCaption, 7).toString());
    QCOMPARE(titles[10], MessageTextInSlot(Msg::LocalSecuritySettingTitle2, 7).toString());
    QVERIFY(titles[0] != titles[10]);
}

QTEST_GUILESS_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
