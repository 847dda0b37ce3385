#include "DocumentProbe.h"
#include "core/model/ConnectionBlock.h"

#include <QTest>

using DocumentProbe::Dotted;
using DocumentProbe::ProfileText;
using namespace Qt::StringLiterals;

namespace {

// The DHCP radio, the IP address, the addresses enabled, the proxy tick, the proxy boxes enabled.
QString Describe(const ConnectionControls &c)
{
    int addresses = 0;
    for (const AddressControl *address : c.Addresses())
        addresses += int(address->m_enabled);
    return u"%1 %2 %3 %4 %5"_s.arg(c.m_dhcpRadio)
        .arg(Dotted(c.m_ipAddress.Address()))
        .arg(addresses)
        .arg(int(c.m_useProxyChecked))
        .arg(int(c.m_proxyAddress.m_enabled) + int(c.m_proxyPort.m_enabled));
}

// A record whose fields outside the block are all away from their defaults.
CNetworkSetting WithProfileFields()
{
    CNetworkSetting record;
    record.m_ssid = u"Lab"_s;
    record.m_stealthSsid = 1;
    record.m_securityMode = SecurityModeWpa2PskAes;
    record.m_networkKey = u"lab-key-123"_s;
    record.m_connectAutomatically = 0;
    return record;
}

} // namespace

class TestConnectionBlock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordToControlsAndBack_data()
    {
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<IpAddressField>("ip");
        QTest::addColumn<int>("useProxy");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QString>("controls"); // as Describe() gives them
        QTest::addColumn<QString>("back"); // the DHCP flag, IP address, proxy flag
        const IpAddressField full = IpAddressField::Complete(192, 168, 4, 20);
        IpAddressField threeParts = IpAddressField::Complete(10, 0, 0, 0);
        threeParts.m_filledParts = 3;
        QTest::newRow("DHCP off opens the addresses, any proxy flag but 0 is 1")
            << 0 << full << 7 << false << u"1 192.168.4.20 5 1 2"_s << u"0 192.168.4.20 1"_s;
        QTest::newRow("DHCP on closes them, the address still shows, any flag but 0 is 1")
            << 2 << full << 1 << false << u"0 192.168.4.20 0 1 2"_s << u"1 192.168.4.20 1"_s;
        QTest::newRow("three parts show blank and go back blank")
            << 0 << threeParts << 0 << false << u"1  5 0 0"_s << u"0  0"_s;
        QTest::newRow("Clear empties and disables the block, which then writes the defaults")
            << 0 << full << 1 << true << u"0  0 0 0"_s << u"1  0"_s;
    }

    void recordToControlsAndBack()
    {
        QFETCH(int, dhcp);
        QFETCH(IpAddressField, ip);
        QFETCH(int, useProxy);
        QFETCH(bool, clear);
        CNetworkSetting record = WithProfileFields();
        record.m_dhcp = dhcp;
        record.m_ipAddress = ip;
        record.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
        record.m_secondaryDns = IpAddressField::Complete(8, 8, 4, 4);
        record.m_useProxy = useProxy;
        record.m_proxyAddress = u" proxy = ; \"x\" "_s;
        record.m_proxyPort = u"80a"_s;

        ConnectionControls controls;
        controls.m_proxyAddress.m_text = u"stale"_s;
        controls.FromSetting(record);
        if (clear) {
            controls.Clear();
            record = WithProfileFields();
        }
        QTEST(Describe(controls), "controls");

        CNetworkSetting back = WithProfileFields();
        controls.ToSetting(back);
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
