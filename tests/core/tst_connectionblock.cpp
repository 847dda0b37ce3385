#include "DocumentProbe.h"
#include "core/model/ConnectionBlock.h"

#include <QTest>

using DocumentProbe::Dotted;
using DocumentProbe::ProfileText;
using namespace Qt::StringLiterals;

namespace {

// The fields of an address control as "a.b.c.d", a blank field empty.
QString Fields(const AddressControl &address)
{
    QStringList parts;
    for (const int field : address.m_fields)
        parts.append(field < 0 ? QString() : QString::number(field));
    return parts.join(u'.');
}

// The DHCP radio, the IP fields, how many addresses are enabled, the proxy tick, how many proxy
// boxes are enabled.
QString Describe(const ConnectionControls &c)
{
    int addresses = 0;
    for (const AddressControl *address : c.Addresses())
        addresses += int(address->m_enabled);
    return u"%1 %2 %3 %4 %5"_s.arg(c.m_dhcpRadio)
        .arg(Fields(c.m_ipAddress))
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
        QTest::addColumn<QString>("controls"); // as Describe() gives them
        QTest::addColumn<QString>("back"); // the DHCP flag, the IP address, the proxy flag
        const IpAddressField full = IpAddressField::Complete(192, 168, 4, 20);
        QTest::newRow("DHCP off opens the addresses")
            << 0 << full << 0 << u"1 192.168.4.20 5 0 0"_s << u"0 192.168.4.20 0"_s;
        QTest::newRow("DHCP on closes them, the address still shows")
            << 1 << full << 1 << u"0 192.168.4.20 0 1 2"_s << u"1 192.168.4.20 1"_s;
        QTest::newRow("any DHCP flag but 0 is on, and goes back as 1")
            << 2 << full << 0 << u"0 192.168.4.20 0 0 0"_s << u"1 192.168.4.20 0"_s;
        QTest::newRow("any proxy flag but 0 ticks the box, and goes back as 1")
            << 0 << full << 7 << u"1 192.168.4.20 5 1 2"_s << u"0 192.168.4.20 1"_s;
        IpAddressField threeParts = IpAddressField::Complete(10, 0, 0, 0);
        threeParts.m_filledParts = 3;
        QTest::newRow("three parts show blank and go back blank")
            << 0 << threeParts << 0 << u"1 ... 5 0 0"_s << u"0  0"_s;
        QTest::newRow("all-zero address is an address")
            << 0 << IpAddressField::Complete(0, 0, 0, 0) << 0 << u"1 0.0.0.0 5 0 0"_s
            << u"0 0.0.0.0 0"_s;
    }

    void recordToControlsAndBack()
    {
        QFETCH(int, dhcp);
        QFETCH(IpAddressField, ip);
        QFETCH(int, useProxy);
        CNetworkSetting record = WithProfileFields();
        record.m_dhcp = dhcp;
        record.m_ipAddress = ip;
        record.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
        record.m_defaultGateway = IpAddressField::Complete(192, 168, 4, 1);
        record.m_dns = IpAddressField::Complete(192, 168, 4, 2);
        record.m_secondaryDns = IpAddressField::Complete(8, 8, 4, 4);
        record.m_useProxy = useProxy;
        record.m_proxyAddress = u" proxy = ; \"x\" "_s;
        record.m_proxyPort = u"80a"_s;

        ConnectionControls controls;
        controls.m_proxyAddress.m_text = u"stale"_s;
        controls.FromSetting(record);
        QTEST(Describe(controls), "controls");
        QCOMPARE(Fields(controls.m_secondaryDns), u"8.8.4.4"_s);
        QCOMPARE(controls.m_proxyAddress.m_text, u" proxy = ; \"x\" "_s);

        CNetworkSetting back = WithProfileFields();
        controls.ToSetting(back);
        QTEST(u"%1 %2 %3"_s.arg(back.m_dhcp).arg(Dotted(back.m_ipAddress)).arg(back.m_useProxy),
            "back");
        // Every other field goes back as it came, and the profile's own fields stay.
        back.m_dhcp = dhcp;
        back.m_ipAddress = ip;
        back.m_useProxy = useProxy;
        QCOMPARE(ProfileText(back), ProfileText(record));
    }

    void clearLeavesTheBlockEmptyAndDisabled()
    {
        CNetworkSetting record = WithProfileFields();
        record.m_dhcp = 0;
        record.m_ipAddress = IpAddressField::Complete(10, 1, 2, 3);
        record.m_useProxy = 1;
        record.m_proxyAddress = u"proxy"_s;
        record.m_proxyPort = u"3128"_s;
        ConnectionControls controls;
        controls.FromSetting(record);
        controls.Clear();
        QCOMPARE(Describe(controls), u"0 ... 0 0 0"_s);
        for (const AddressControl *address : controls.Addresses())
            QCOMPARE(Fields(*address), u"..."_s);
        QCOMPARE(controls.m_proxyAddress.m_text + controls.m_proxyPort.m_text, QString());
        // What a cleared block writes: DHCP on, no address, no proxy.
        controls.ToSetting(record);
        QCOMPARE(ProfileText(record), ProfileText(WithProfileFields()));
    }
};

QTEST_GUILESS_MAIN(TestConnectionBlock)
#include "tst_connectionblock.moc"
