#include "DocumentProbe.h"
#include "core/model/ConnectionBlock.h"

#include <QTest>

using DocumentProbe::Dotted;
using DocumentProbe::ProfileText;
using namespace Qt::StringLiterals;

class TestConnectionBlock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordToControlsAndBack_data()
    {
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<int>("parts"); // of the IP address that are filled
        QTest::addColumn<int>("useProxy");
        QTest::addColumn<bool>("clear");
        // The DHCP radio, the IP address, the boxes enabled (five addresses, two for the proxy),
        // the proxy tick.
        QTest::addColumn<QString>("controls");
        QTest::addColumn<QString>("back"); // the DHCP flag, IP address, proxy flag
        QTest::newRow("DHCP off opens the boxes, three parts go blank, any flag but 0 is 1")
            << 0 << 3 << 7 << false << u"1  7 1"_s << u"0  1"_s;
        QTest::newRow("DHCP on closes them, the address still shows, any DHCP but 0 is 1")
            << 2 << 4 << 0 << false << u"0 192.168.4.20 0 0"_s << u"1 192.168.4.20 0"_s;
        QTest::newRow("Clear empties and disables the block, which then writes the defaults")
            << 0 << 4 << 1 << true << u"0  0 0"_s << u"1  0"_s;
    }

    void recordToControlsAndBack()
    {
        QFETCH(int, dhcp);
        QFETCH(int, parts);
        QFETCH(int, useProxy);
        QFETCH(bool, clear);
        CNetworkSetting record, back;
        record.m_ssid = back.m_ssid = u"Lab"_s; // outside the block, so never touched
        record.m_dhcp = dhcp;
        record.m_ipAddress = IpAddressField::Complete(192, 168, 4, 20);
        record.m_ipAddress.m_filledParts = parts;
        record.m_secondaryDns = IpAddressField::Complete(8, 8, 4, 4);
        record.m_useProxy = useProxy;
        record.m_proxyAddress = u" proxy = ; \"x\" "_s;
        record.m_proxyPort = u"80a"_s;

        ConnectionControls c;
        c.FromSetting(record);
        if (clear) {
            c.Clear();
            record = back;
        }
        int enabled = int(c.m_proxyAddress.m_enabled) + int(c.m_proxyPort.m_enabled);
        for (const AddressControl *address : c.Addresses())
            enabled += int(address->m_enabled);
        QTEST(u"%1 %2 %3 %4"_s.arg(c.m_dhcpRadio)
                  .arg(Dotted(c.m_ipAddress.Address()))
                  .arg(enabled)
                  .arg(int(c.m_useProxyChecked)),
            "controls");

        c.ToSetting(back);
        QTEST(u"%1 %2 %3"_s.arg(back.m_dhcp).arg(Dotted(back.m_ipAddress)).arg(back.m_useProxy),
            "back");
        back.m_dhcp = record.m_dhcp;
        back.m_ipAddress = record.m_ipAddress;
        back.m_useProxy = record.m_useProxy;
        QCOMPARE(ProfileText(back), ProfileText(record));
    }
};

QTEST_GUILESS_MAIN(TestConnectionBlock)
#include "tst_connectionblock.moc"
