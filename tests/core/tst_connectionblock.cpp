#include "core/model/ConnectionBlock.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int B = -1;
using Fields = std::array<int, 4>;

IpAddressField Parts(std::initializer_list<int> octets)
{
    IpAddressField field;
    size_t i = 0;
    for (const int octet : octets) {
        field.m_octets[i++] = std::uint8_t(octet);
        ++field.m_filledParts;
    }
    return field;
}

// The fields a record keeps outside the block, all away from their defaults.
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
    void recordToControlsAndBack_data();
    void recordToControlsAndBack();
    void clearLeavesTheBlockEmptyAndDisabled();
};

void TestConnectionBlock::recordToControlsAndBack_data()
{
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<IpAddressField>("ip");
    QTest::addColumn<int>("useProxy");
    QTest::addColumn<int>("radio");
    QTest::addColumn<Fields>("ipFields");
    QTest::addColumn<bool>("addressesEnabled");
    QTest::addColumn<bool>("proxyEnabled");
    QTest::addColumn<int>("dhcpBack");
    QTest::addColumn<IpAddressField>("ipBack");
    QTest::addColumn<int>("useProxyBack");

    const IpAddressField full = IpAddressField::Complete(192, 168, 4, 20);
    QTest::newRow("DHCP off opens the addresses")
        << 0 << full << 0 << 1 << Fields { 192, 168, 4, 20 } << true << false << 0 << full << 0;
    QTest::newRow("DHCP on closes them, the address still shows")
        << 1 << full << 1 << 0 << Fields { 192, 168, 4, 20 } << false << true << 1 << full << 1;
    QTest::newRow("any DHCP flag but 0 is on, and goes back as 1")
        << 2 << full << 0 << 0 << Fields { 192, 168, 4, 20 } << false << false << 1 << full << 0;
    QTest::newRow("any proxy flag but 0 ticks the box, and goes back as 1")
        << 0 << full << 7 << 1 << Fields { 192, 168, 4, 20 } << true << true << 0 << full << 1;
    QTest::newRow("three parts show blank and go back blank")
        << 0 << Parts({ 10, 0, 0 }) << 0 << 1 << Fields { B, B, B, B } << true << false << 0
        << IpAddressField() << 0;
    QTest::newRow("all-zero address is an address")
        << 0 << IpAddressField::Complete(0, 0, 0, 0) << 0 << 1 << Fields { 0, 0, 0, 0 } << true
        << false << 0 << IpAddressField::Complete(0, 0, 0, 0) << 0;
}

void TestConnectionBlock::recordToControlsAndBack()
{
    QFETCH(int, dhcp);
    QFETCH(IpAddressField, ip);
    QFETCH(int, useProxy);
    QFETCH(int, radio);
    QFETCH(Fields, ipFields);
    QFETCH(bool, addressesEnabled);
    QFETCH(bool, proxyEnabled);
    QFETCH(int, dhcpBack);
    QFETCH(IpAddressField, ipBack);
    QFETCH(int, useProxyBack);

    CNetworkSetting record;
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
    QCOMPARE(controls.m_dhcpRadio, radio);
    QCOMPARE(controls.m_ipAddress.m_fields, ipFields);
    QCOMPARE(controls.m_secondaryDns.m_fields, (Fields { 8, 8, 4, 4 }));
    for (const AddressControl *address : controls.Addresses())
        QCOMPARE(address->m_enabled, addressesEnabled);
    QCOMPARE(controls.m_useProxyChecked, useProxy != 0);
    QCOMPARE(controls.m_proxyAddress.m_enabled, proxyEnabled);
    QCOMPARE(controls.m_proxyPort.m_enabled, proxyEnabled);
    QCOMPARE(controls.m_proxyAddress.m_text, u" proxy = ; \"x\" "_s);

    CNetworkSetting back = WithProfileFields();
    controls.ToSetting(back);
    CNetworkSetting expected = WithProfileFields();
    expected.m_dhcp = dhcpBack;
    expected.m_ipAddress = ipBack;
    expected.m_subnetMask = record.m_subnetMask;
    expected.m_defaultGateway = record.m_defaultGateway;
    expected.m_dns = record.m_dns;
    expected.m_secondaryDns = record.m_secondaryDns;
    expected.m_useProxy = useProxyBack;
    expected.m_proxyAddress = record.m_proxyAddress;
    expected.m_proxyPort = record.m_proxyPort;
    QVERIFY(back == expected);
}

void TestConnectionBlock::clearLeavesTheBlockEmptyAndDisabled()
{
    ConnectionControls controls;
    controls.FromSetting([] {
        CNetworkSetting record;
        record.m_dhcp = 0;
        record.m_ipAddress = IpAddressField::Complete(10, 1, 2, 3);
        record.m_useProxy = 1;
        record.m_proxyAddress = u"proxy"_s;
        record.m_proxyPort = u"3128"_s;
        return record;
    }());
    controls.Clear();

    QCOMPARE(controls.m_dhcpRadio, 0);
    for (const AddressControl *address : controls.Addresses()) {
        QCOMPARE(address->m_fields, (Fields { B, B, B, B }));
        QVERIFY(!address->m_enabled);
    }
    QVERIFY(!controls.m_useProxyChecked);
    QVERIFY(controls.m_proxyAddress.m_text.isEmpty());
    QVERIFY(controls.m_proxyPort.m_text.isEmpty());
    QVERIFY(!controls.m_proxyAddress.m_enabled);
    QVERIFY(!controls.m_proxyPort.m_enabled);

    // What a cleared block writes: DHCP on, no address, no proxy.
    CNetworkSetting written = WithProfileFields();
    controls.ToSetting(written);
    QVERIFY(written == WithProfileFields());
}

QTEST_GUILESS_MAIN(TestConnectionBlock)
#include "tst_connectionblock.moc"
