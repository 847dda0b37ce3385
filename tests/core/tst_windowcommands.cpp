#include "DocumentProbe.h"
#include "core/commands/WindowCommands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clearEmptiesOnlyTheWiredPage()
    {
        CSettingsDocument document;
        DocumentProbe::Prefill(document);
        // Since the last gather the user ticked "Use wireless" and "Use proxy" and chose the
        // default network folder.
        document.m_controls.m_useWirelessChecked = true;
        document.m_controls.m_folderModeRadio = 0;
        document.m_controls.m_connection.m_useProxyChecked = true;
        document.m_controls.m_connection.EnableProxy(true);
        const QStringList before = DocumentProbe::Snapshot(document, true);
        ClearWiredSettings(document);
        QStringList changes = DocumentProbe::Snapshot(document, true);
        changes.removeIf([&before](const QString &line) { return before.contains(line); });

        // The clicks survive; the list, the profiles, the wired record, the folder texts and the
        // last path stay.
        QCOMPARE(changes.join(u'|'),
            u"folder.mode=0|radios=0 0 0 1|useWireless=1|wired.addressesEnabled=0|wired.dhcpMode=0|"
            u"wired.dns=|wired.dns2=|wired.gateway=|wired.ip=|wired.mask=|wired.proxy=0|"
            u"wired.proxyAddress=|wired.proxyEnabled=0|wired.proxyPort="_s);
    }
};

QTEST_GUILESS_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
