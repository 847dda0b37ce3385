#include "DocumentProbe.h"
#include "core/commands/WindowCommands.h"

#include <QTest>

class TestWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void clearEmptiesOnlyTheWiredPage();
    void forwardTitles();
};

void TestWindowCommands::clearEmptiesOnlyTheWiredPage()
{
    CSettingsDocument document;
    DocumentProbe::Prefill(document);
    // Since the last gather the user ticked "Use wireless" and "Use proxy" and chose the default
    // network folder.
    document.m_controls.m_useWirelessChecked = true;
    document.m_controls.m_folderModeRadio = 0;
    document.m_controls.m_connection.m_useProxyChecked = true;
    document.m_controls.m_connection.EnableProxy(true);
    const QStringList before = DocumentProbe::Snapshot(document, true);
    ClearWiredSettings(document);
    QStringList changes;
    for (const QString &line : DocumentProbe::Snapshot(document, true)) {
        if (!before.contains(line))
            changes.append(line);
    }

    // The clicks survive; the list, the profiles, the wired record, the folder texts and the last
    // path stay.
    const QStringList expected { QStringLiteral("folder.mode=0"), QStringLiteral("radios=0 0 0 1"),
        QStringLiteral("useWireless=1"), QStringLiteral("wired.addressesEnabled=0"),
        QStringLiteral("wired.dhcpMode=0"), QStringLiteral("wired.dns="),
        QStringLiteral("wired.dns2="), QStringLiteral("wired.gateway="),
        QStringLiteral("wired.ip="), QStringLiteral("wired.mask="), QStringLiteral("wired.proxy=0"),
        QStringLiteral("wired.proxyAddress="), QStringLiteral("wired.proxyEnabled=0"),
        QStringLiteral("wired.proxyPort=") };
    QCOMPARE(changes, expected);
}

void TestWindowCommands::forwardTitles()
{
    // The message boxes come after the dialogs, so that a box ends in front of its dialog.
    const QStringList expected { QStringLiteral("Local Security Setting"),
        QStringLiteral("Select target"), QStringLiteral("About network configuration utility"),
        QStringLiteral("Wireless LAN Property"), QStringLiteral("Load settings"),
        QStringLiteral("Create setting"), QStringLiteral("Network folder setting"),
        QStringLiteral("Wired LAN setting"), QStringLiteral("Wireless LAN setting"),
        QStringLiteral("Wireless setting"), QStringLiteral("Local Security Setting") };
    QCOMPARE(ForwardWindowTitles(), expected);
}

QTEST_GUILESS_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
