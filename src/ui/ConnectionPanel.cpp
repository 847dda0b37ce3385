#include "ui/ConnectionPanel.h"

#include "i18n/MessageCatalog.h"
#include "ui/CatalogText.h"
#include "ui/ControlMirror.h"
#include "ui/DigitsValidator.h"
#include "ui/IpAddressEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The wired page's arrangement in logical pixels; longer texts widen their column.
constexpr int RowHeight = 26;
constexpr int RowSpacing = 12;
constexpr int LabelColumnWidth = 200;
constexpr int AddressWidth = 230;
constexpr int ProxyAddressWidth = 230;
constexpr int ProxyPortWidth = 100;
constexpr int ChoiceWidth = 180;

struct PanelTexts
{
    MessageId m_ipGroup;
    MessageId m_dhcpOn;
    MessageId m_dhcpOff;
    std::array<MessageId, ConnectionAddressCount> m_addresses;
    MessageId m_proxyGroup;
    MessageId m_useProxy;
    MessageId m_proxyAddress;
    MessageId m_proxyPort;
};

constexpr PanelTexts WiredTexts { Msg::WiredIpSettingsGroup, Msg::WiredDhcpOn, Msg::WiredDhcpOff,
    { Msg::WiredIpAddressLabel, Msg::WiredSubnetMaskLabel, Msg::WiredDefaultGatewayLabel,
        Msg::WiredDnsLabel, Msg::WiredSecondaryDnsLabel },
    Msg::WiredProxySettingsGroup, Msg::WiredUseProxy, Msg::WiredProxyAddressLabel,
    Msg::WiredProxyPortLabel };

constexpr PanelTexts WirelessTexts { Msg::WirelessIpSettingsGroup, Msg::WirelessDhcpOn,
    Msg::WirelessDhcpOff,
    { Msg::WirelessIpAddressLabel, Msg::WirelessSubnetMaskLabel, Msg::WirelessDefaultGatewayLabel,
        Msg::WirelessDnsLabel, Msg::WirelessSecondaryDnsLabel },
    Msg::WirelessProxySettingsGroup, Msg::WirelessUseProxy, Msg::WirelessProxyAddressLabel,
    Msg::WirelessProxyPortLabel };

constexpr std::array<const char *, ConnectionAddressCount> AddressNames { "ipAddress", "subnetMask",
    "defaultGateway", "dns", "secondaryDns" };

} // namespace

CConnectionPanel::CConnectionPanel(Arrangement arrangement, QWidget *parent)
    : QWidget(parent)
    , m_arrangement(arrangement)
{
    setObjectName(QStringLiteral("connectionPanel"));
    CreateControls();
    if (m_arrangement == Arrangement::WiredPage)
        ArrangeWiredPage();
    else
        ArrangeWirelessProperty();
}

CConnectionPanel::~CConnectionPanel() = default;

QString CConnectionPanel::Name(const char *base, const char *wiredSuffix) const
{
    QString name = QString::fromLatin1(base);
    if (m_arrangement == Arrangement::WiredPage)
        name += QLatin1String(wiredSuffix);
    return name;
}

void CConnectionPanel::CreateControls()
{
    // Created in tab order.
    m_ipGroup = new QGroupBox(this);
    m_dhcpOn = new QRadioButton(m_ipGroup);
    m_dhcpOn->setObjectName(Name("dhcpOn", "Radio"));
    m_dhcpOff = new QRadioButton(m_ipGroup);
    m_dhcpOff->setObjectName(Name("dhcpOff", "Radio"));
    m_dhcpGroup = new QButtonGroup(this);
    m_dhcpGroup->addButton(m_dhcpOn, 0);
    m_dhcpGroup->addButton(m_dhcpOff, 1);
    for (size_t i = 0; i < m_addresses.size(); ++i) {
        m_addresses[i] = new CIpAddressEdit(m_ipGroup);
        m_addresses[i]->setObjectName(Name(AddressNames[i], "Edit"));
    }
    for (size_t i = 0; i < m_addressLabels.size(); ++i) {
        m_addressLabels[i] = new QLabel(m_ipGroup);
        m_addressLabels[i]->setObjectName(
            QString::fromLatin1(AddressNames[i]) + QStringLiteral("Label"));
        m_addressLabels[i]->setBuddy(m_addresses[i]);
    }

    m_proxyGroup = new QGroupBox(this);
    m_useProxy = new QCheckBox(m_proxyGroup);
    m_useProxy->setObjectName(Name("useProxy", "Check"));
    m_proxyAddress = new QLineEdit(m_proxyGroup);
    m_proxyAddress->setObjectName(Name("proxyAddress", "Edit"));
    m_proxyPort = new QLineEdit(m_proxyGroup);
    m_proxyPort->setObjectName(Name("proxyPort", "Edit"));
    m_proxyPort->setValidator(new CDigitsValidator(m_proxyPort));
    m_proxyAddressLabel = new QLabel(m_proxyGroup);
    m_proxyAddressLabel->setObjectName(QStringLiteral("proxyAddressLabel"));
    m_proxyAddressLabel->setBuddy(m_proxyAddress);
    m_proxyPortLabel = new QLabel(m_proxyGroup);
    m_proxyPortLabel->setObjectName(QStringLiteral("proxyPortLabel"));
    m_proxyPortLabel->setBuddy(m_proxyPort);

    for (QLabel *label : Labels())
        label->setTextFormat(Qt::PlainText);
}

QList<QLabel *> CConnectionPanel::Labels() const
{
    QList<QLabel *> labels(m_addressLabels.begin(), m_addressLabels.end());
    labels << m_proxyAddressLabel << m_proxyPortLabel;
    return labels;
}

void CConnectionPanel::ArrangeWiredPage()
{
    m_ipGroup->setObjectName(QStringLiteral("ipSettingsGroup"));
    m_proxyGroup->setObjectName(QStringLiteral("proxyGroup"));
    for (CIpAddressEdit *edit : m_addresses)
        edit->setMinimumSize(AddressWidth, RowHeight);
    for (QLabel *label : Labels())
        label->setMinimumHeight(RowHeight);
    m_proxyAddress->setMinimumSize(ProxyAddressWidth, RowHeight);
    m_proxyPort->setMinimumSize(ProxyPortWidth, RowHeight);
    // Five digits are all a port has.
    m_proxyPort->setFixedWidth(qMax(ProxyPortWidth,
        m_proxyPort->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12));

    auto *dhcpRow = new QHBoxLayout;
    dhcpRow->setContentsMargins(10, 0, 0, 0);
    dhcpRow->setSpacing(10);
    dhcpRow->addWidget(m_dhcpOn);
    dhcpRow->addWidget(m_dhcpOff);
    dhcpRow->addStretch(1);

    auto *ipGrid = new QGridLayout(m_ipGroup);
    ipGrid->setContentsMargins(20, 10, 20, 14);
    ipGrid->setHorizontalSpacing(30);
    ipGrid->setVerticalSpacing(RowSpacing);
    ipGrid->addLayout(dhcpRow, 0, 0, 1, 3);
    for (size_t i = 0; i < m_addresses.size(); ++i) {
        ipGrid->addWidget(m_addressLabels[i], int(i) + 1, 0);
        ipGrid->addWidget(m_addresses[i], int(i) + 1, 1);
    }
    ipGrid->setColumnStretch(2, 1);

    auto *proxyCheckRow = new QHBoxLayout;
    proxyCheckRow->setContentsMargins(10, 0, 0, 0);
    proxyCheckRow->addWidget(m_useProxy);
    proxyCheckRow->addStretch(1);

    auto *proxyGrid = new QGridLayout(m_proxyGroup);
    proxyGrid->setContentsMargins(20, 10, 20, 14);
    proxyGrid->setHorizontalSpacing(30);
    proxyGrid->setVerticalSpacing(RowSpacing);
    proxyGrid->addLayout(proxyCheckRow, 0, 0, 1, 3);
    proxyGrid->addWidget(m_proxyAddressLabel, 1, 0);
    proxyGrid->addWidget(m_proxyAddress, 1, 1);
    proxyGrid->addWidget(m_proxyPortLabel, 2, 0);
    proxyGrid->addWidget(m_proxyPort, 2, 1, Qt::AlignLeft);
    proxyGrid->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_ipGroup);
    layout->addWidget(m_proxyGroup);
}

void CConnectionPanel::ArrangeWirelessProperty()
{
    auto *ipLayout = new QGridLayout(m_ipGroup);
    auto *dhcpRow = new QHBoxLayout;
    dhcpRow->addStretch(1);
    dhcpRow->addWidget(m_dhcpOn, 2);
    dhcpRow->addWidget(m_dhcpOff, 2);
    ipLayout->addLayout(dhcpRow, 0, 0, 1, 3);
    for (size_t i = 0; i < m_addresses.size(); ++i) {
        ipLayout->addWidget(m_addressLabels[i], int(i) + 1, 0);
        ipLayout->addWidget(m_addresses[i], int(i) + 1, 1);
    }
    ipLayout->setColumnStretch(2, 1);

    auto *proxyLayout = new QGridLayout(m_proxyGroup);
    proxyLayout->addWidget(m_useProxy, 0, 0, 1, 2);
    proxyLayout->addWidget(m_proxyAddressLabel, 1, 0);
    proxyLayout->addWidget(m_proxyPortLabel, 1, 1);
    proxyLayout->addWidget(m_proxyAddress, 2, 0);
    proxyLayout->addWidget(m_proxyPort, 2, 1);
    proxyLayout->setColumnStretch(0, 3);
    proxyLayout->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ipGroup);
    layout->addWidget(m_proxyGroup);
}

void CConnectionPanel::ApplyTexts()
{
    const PanelTexts &texts = m_arrangement == Arrangement::WiredPage ? WiredTexts : WirelessTexts;
    m_ipGroup->setTitle(Text(texts.m_ipGroup));
    m_dhcpOn->setText(Text(texts.m_dhcpOn));
    m_dhcpOff->setText(Text(texts.m_dhcpOff));
    for (size_t i = 0; i < m_addresses.size(); ++i) {
        const QString label = Text(texts.m_addresses[i]);
        m_addressLabels[i]->setText(label);
        m_addresses[i]->SetAccessibleLabel(label);
    }
    m_proxyGroup->setTitle(Text(texts.m_proxyGroup));
    m_useProxy->setText(Text(texts.m_useProxy));
    m_proxyAddressLabel->setText(Text(texts.m_proxyAddress));
    m_proxyAddress->setAccessibleName(Text(texts.m_proxyAddress));
    m_proxyPortLabel->setText(Text(texts.m_proxyPort));
    m_proxyPort->setAccessibleName(Text(texts.m_proxyPort));
}

void CConnectionPanel::ApplyMinimumSizes()
{
    if (m_arrangement != Arrangement::WiredPage)
        return;
    for (QWidget *choice : std::initializer_list<QWidget *> { m_dhcpOn, m_dhcpOff, m_useProxy })
        SetMinimumExtent(choice, ChoiceWidth, RowHeight);
    // One label column for both groups, so that the fields line up.
    int labelWidth = LabelColumnWidth;
    for (const QLabel *label : Labels())
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    for (QGroupBox *group : { m_ipGroup, m_proxyGroup })
        static_cast<QGridLayout *>(group->layout())->setColumnMinimumWidth(0, labelWidth);
}

void CConnectionPanel::Collect(ConnectionControls &controls) const
{
    controls.m_dhcpRadio = RadioIndex(m_dhcpOn, m_dhcpOff);
    const auto values = controls.Addresses();
    for (size_t i = 0; i < values.size(); ++i) {
        values[i]->m_fields = m_addresses[i]->Fields();
        values[i]->m_enabled = IsOwnEnabled(m_addresses[i]);
    }
    controls.m_useProxyChecked = m_useProxy->isChecked();
    CollectEdit(m_proxyAddress, controls.m_proxyAddress);
    CollectEdit(m_proxyPort, controls.m_proxyPort);
}

void CConnectionPanel::Apply(const ConnectionControls &controls)
{
    SetRadioIndex(m_dhcpGroup, m_dhcpOn, m_dhcpOff, controls.m_dhcpRadio);
    if (m_arrangement == Arrangement::WirelessProperty) {
        // Tab enters the radio group at its chosen button, as in the host's own dialogs.
        m_dhcpOn->setFocusPolicy(controls.m_dhcpRadio == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        m_dhcpOff->setFocusPolicy(controls.m_dhcpRadio != 0 ? Qt::StrongFocus : Qt::ClickFocus);
    }
    const auto values = controls.Addresses();
    for (size_t i = 0; i < values.size(); ++i) {
        if (m_addresses[i]->Fields() != values[i]->m_fields)
            m_addresses[i]->SetFields(values[i]->m_fields);
        m_addresses[i]->setEnabled(values[i]->m_enabled);
    }
    m_useProxy->setChecked(controls.m_useProxyChecked);
    ApplyEdit(m_proxyAddress, controls.m_proxyAddress);
    ApplyEdit(m_proxyPort, controls.m_proxyPort);
}
