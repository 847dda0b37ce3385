#pragma once

#include "core/model/ConnectionBlock.h"

#include <QWidget>

#include <array>

class CIpAddressEdit;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The connection block as widgets: the IP settings group (DHCP choice, five addresses) and the
// proxy group (tick, address, port). It only mirrors a ConnectionControls value; the window that
// holds it connects to its widgets and runs the core's rules.
class CConnectionPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Arrangement {
        // Labels in one column beside the fields, the port under the proxy address.
        WiredPage,
        // The property dialog: the proxy address and port side by side under their labels.
        WirelessProperty,
    };

    explicit CConnectionPanel(Arrangement arrangement, QWidget *parent = nullptr);
    ~CConnectionPanel() override;

    // The catalogue texts of the arrangement's page.
    void ApplyTexts();
    // The wired page's sizes for the texts as shown, with their Alt keys: after the keys are
    // marked, so that no text is measured twice.
    void ApplyMinimumSizes();

    // Widgets -> values, and back. Both directions carry every value losslessly.
    void Collect(ConnectionControls &controls) const;
    void Apply(const ConnectionControls &controls);

    QGroupBox *IpGroup() const { return m_ipGroup; }
    QGroupBox *ProxyGroup() const { return m_proxyGroup; }
    QRadioButton *DhcpOn() const { return m_dhcpOn; }
    QRadioButton *DhcpOff() const { return m_dhcpOff; }
    // In the block's order: IP address, subnet mask, default gateway, DNS, secondary DNS.
    const std::array<CIpAddressEdit *, ConnectionAddressCount> &Addresses() const
    {
        return m_addresses;
    }
    CIpAddressEdit *IpAddress() const { return m_addresses[0]; }
    CIpAddressEdit *SubnetMask() const { return m_addresses[1]; }
    QCheckBox *UseProxy() const { return m_useProxy; }
    QLineEdit *ProxyAddress() const { return m_proxyAddress; }
    QLineEdit *ProxyPort() const { return m_proxyPort; }
    // The labels of the five addresses, the proxy address and the port.
    QList<QLabel *> Labels() const;

private:
    void CreateControls();
    void ArrangeWiredPage();
    void ArrangeWirelessProperty();
    QString Name(const char *base, const char *wiredSuffix) const;

    Arrangement m_arrangement;
    QGroupBox *m_ipGroup = nullptr;
    QRadioButton *m_dhcpOn = nullptr;
    QRadioButton *m_dhcpOff = nullptr;
    QButtonGroup *m_dhcpGroup = nullptr;
    std::array<CIpAddressEdit *, ConnectionAddressCount> m_addresses {};
    std::array<QLabel *, ConnectionAddressCount> m_addressLabels {};
    QGroupBox *m_proxyGroup = nullptr;
    QCheckBox *m_useProxy = nullptr;
    QLabel *m_proxyAddressLabel = nullptr;
    QLineEdit *m_proxyAddress = nullptr;
    QLabel *m_proxyPortLabel = nullptr;
    QLineEdit *m_proxyPort = nullptr;
};
