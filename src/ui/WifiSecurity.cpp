#include "ui/WifiSecurity.h"

#include "ui/IpAddressEdit.h"
#include "i18n/MessageCatalog.h"
#include "ui/KeyReveal.h"
#include "ui/QtMessageBox.h"
#include "core/import/WifiImport.h"
#include "platform/QrImageDecoder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMimeData>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QString Text(MessageId id)
{
    return MessageText(id).toString();
}

void MirrorEdit(QLineEdit *edit, const EditControl &control)
{
    if (edit->text() != control.m_text)
        edit->setText(control.m_text);
    edit->setEnabled(control.m_enabled);
}

void MirrorAddress(CIpAddressEdit *edit, const AddressControl &control)
{
    if (edit->Fields() != control.m_fields)
        edit->SetFields(control.m_fields);
    edit->setEnabled(control.m_enabled);
}

// A red frame drawn over a field. It sits on top of the field instead of restyling it, so that
// marking a field never changes its size or its platform look.
class CFieldMark : public QWidget
{
public:
    explicit CFieldMark(QWidget *field)
        : QWidget(field)
    {
        setObjectName(QStringLiteral("fieldMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        field->installEventFilter(this);
        setGeometry(field->rect());
        hide();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return QWidget::eventFilter(watched, event);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0xc0, 0, 0), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

void ShowFieldMark(QWidget *field, const QString &message)
{
    auto *mark
        = field->findChild<QWidget *>(QStringLiteral("fieldMark"), Qt::FindDirectChildrenOnly);
    Q_ASSERT(mark);
    mark->setVisible(!message.isEmpty());
    mark->raise();
    field->setToolTip(message);
    field->setAccessibleDescription(message);
}

} // namespace

CWifiSecurity::CWifiSecurity(QWidget *owner)
    : QDialog(owner)
    , m_hostMessageBox(std::make_unique<CQtMessageBox>(this))
    , m_messageBox(m_hostMessageBox.get())
{
    CreateControls();
    // Made before the tab order is set, so that the marks take no place in it.
    for (QWidget *field : std::initializer_list<QWidget *> { m_ssid, m_networkKey, m_keyConfirm,
             m_ipAddress, m_subnetMask, m_proxyAddress, m_proxyPort })
        new CFieldMark(field);
    ApplyTexts();
    SetTabOrder();
    ConnectControls();
    SetProfile(CNetworkSetting());
    setAcceptDrops(true);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->installEventFilter(this);
}

CWifiSecurity::~CWifiSecurity() = default;

void CWifiSecurity::SetMessageBox(IMessageBox *box)
{
    m_messageBox = box ? box : m_hostMessageBox.get();
}

void CWifiSecurity::SetProfile(const CNetworkSetting &profile)
{
    m_editor.m_profile = profile;
    m_editor.Open();
    ApplyValues();
}

void CWifiSecurity::CreateControls()
{
    setObjectName(QStringLiteral("wifiSecurity"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const auto named = [](auto *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    m_securityGroup = new QGroupBox(this);
    m_ssidLabel = new QLabel(m_securityGroup);
    m_ssid = named(new QLineEdit(m_securityGroup), "ssid");
    m_securityLabel = new QLabel(m_securityGroup);
    m_security = named(new QComboBox(m_securityGroup), "security");
    m_stealth = named(new QCheckBox(m_securityGroup), "stealthSsid");
    m_networkKeyLabel = new QLabel(m_securityGroup);
    m_networkKey = named(new QLineEdit(m_securityGroup), "networkKey");
    m_networkKey->setEchoMode(QLineEdit::Password);
    m_keyConfirmLabel = new QLabel(m_securityGroup);
    m_keyConfirm = named(new QLineEdit(m_securityGroup), "keyConfirm");
    m_keyConfirm->setEchoMode(QLineEdit::Password);
    m_keyReveal = new CKeyReveal({ m_networkKey, m_keyConfirm }, this);
    m_ssidLabel->setBuddy(m_ssid);
    m_securityLabel->setBuddy(m_security);
    m_networkKeyLabel->setBuddy(m_networkKey);
    m_keyConfirmLabel->setBuddy(m_keyConfirm);
    auto *securityLayout = new QGridLayout(m_securityGroup);
    securityLayout->addWidget(m_ssidLabel, 0, 0);
    securityLayout->addWidget(m_ssid, 0, 1, 1, 2);
    securityLayout->addWidget(m_securityLabel, 1, 0);
    securityLayout->addWidget(m_security, 1, 1);
    securityLayout->addWidget(m_stealth, 1, 2);
    securityLayout->addWidget(m_networkKeyLabel, 2, 0);
    securityLayout->addWidget(m_networkKey, 2, 1, 1, 2);
    securityLayout->addWidget(m_keyConfirmLabel, 3, 0);
    securityLayout->addWidget(m_keyConfirm, 3, 1, 1, 2);
    securityLayout->setColumnStretch(1, 1);
    securityLayout->setColumnStretch(2, 1);

    m_ipGroup = new QGroupBox(this);
    m_dhcpOn = named(new QRadioButton(m_ipGroup), "dhcpOn");
    m_dhcpOff = named(new QRadioButton(m_ipGroup), "dhcpOff");
    m_dhcpGroup = new QButtonGroup(this);
    m_dhcpGroup->addButton(m_dhcpOn, 0);
    m_dhcpGroup->addButton(m_dhcpOff, 1);
    m_ipAddressLabel = new QLabel(m_ipGroup);
    m_subnetMaskLabel = new QLabel(m_ipGroup);
    m_defaultGatewayLabel = new QLabel(m_ipGroup);
    m_dnsLabel = new QLabel(m_ipGroup);
    m_secondaryDnsLabel = new QLabel(m_ipGroup);
    m_ipAddress = named(new CIpAddressEdit(m_ipGroup), "ipAddress");
    m_subnetMask = named(new CIpAddressEdit(m_ipGroup), "subnetMask");
    m_defaultGateway = named(new CIpAddressEdit(m_ipGroup), "defaultGateway");
    m_dns = named(new CIpAddressEdit(m_ipGroup), "dns");
    m_secondaryDns = named(new CIpAddressEdit(m_ipGroup), "secondaryDns");
    auto *ipLayout = new QGridLayout(m_ipGroup);
    auto *dhcpRow = new QHBoxLayout;
    dhcpRow->addStretch(1);
    dhcpRow->addWidget(m_dhcpOn, 2);
    dhcpRow->addWidget(m_dhcpOff, 2);
    ipLayout->addLayout(dhcpRow, 0, 0, 1, 3);
    const std::array<std::pair<QLabel *, CIpAddressEdit *>, 5> addressRows { {
        { m_ipAddressLabel, m_ipAddress },
        { m_subnetMaskLabel, m_subnetMask },
        { m_defaultGatewayLabel, m_defaultGateway },
        { m_dnsLabel, m_dns },
        { m_secondaryDnsLabel, m_secondaryDns },
    } };
    for (size_t i = 0; i < addressRows.size(); ++i) {
        addressRows[i].first->setBuddy(addressRows[i].second);
        ipLayout->addWidget(addressRows[i].first, int(i) + 1, 0);
        ipLayout->addWidget(addressRows[i].second, int(i) + 1, 1);
    }
    ipLayout->setColumnStretch(2, 1);

    m_proxyGroup = new QGroupBox(this);
    m_useProxy = named(new QCheckBox(m_proxyGroup), "useProxy");
    m_proxyAddressLabel = new QLabel(m_proxyGroup);
    m_proxyAddress = named(new QLineEdit(m_proxyGroup), "proxyAddress");
    m_proxyPortLabel = new QLabel(m_proxyGroup);
    m_proxyPort = named(new QLineEdit(m_proxyGroup), "proxyPort");
    m_proxyPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_proxyPort));
    m_proxyAddressLabel->setBuddy(m_proxyAddress);
    m_proxyPortLabel->setBuddy(m_proxyPort);
    auto *proxyLayout = new QGridLayout(m_proxyGroup);
    proxyLayout->addWidget(m_useProxy, 0, 0, 1, 2);
    proxyLayout->addWidget(m_proxyAddressLabel, 1, 0);
    proxyLayout->addWidget(m_proxyPortLabel, 1, 1);
    proxyLayout->addWidget(m_proxyAddress, 2, 0);
    proxyLayout->addWidget(m_proxyPort, 2, 1);
    proxyLayout->setColumnStretch(0, 3);
    proxyLayout->setColumnStretch(1, 1);

    m_qrImport = named(new QPushButton(this), "qrImport");
    m_qrImport->setAutoDefault(false);
    m_clear = named(new QPushButton(this), "clear");
    m_ok = named(new QPushButton(this), "ok");
    m_cancel = named(new QPushButton(this), "cancel");
    m_clear->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    m_ok->setDefault(true);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_qrImport);
    buttonRow->addWidget(m_clear);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_ok);
    buttonRow->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_securityGroup);
    layout->addWidget(m_ipGroup);
    layout->addWidget(m_proxyGroup);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CWifiSecurity::ApplyTexts()
{
    setWindowTitle(Text(Msg::PropertyDialogTitle));
    m_securityGroup->setTitle(Text(Msg::WirelessSecurityGroup));
    m_ssidLabel->setText(Text(Msg::SsidLabel));
    m_securityLabel->setText(Text(Msg::SecurityLabel));
    m_stealth->setText(Text(Msg::StealthSsid));
    m_networkKeyLabel->setText(Text(Msg::NetworkKeyLabel));
    m_keyConfirmLabel->setText(Text(Msg::ConfirmNetworkKeyLabel));
    m_security->clear();
    for (const SecurityListEntry &entry : SecurityList)
        m_security->addItem(Text(entry.m_text), entry.m_code);

    m_ipGroup->setTitle(Text(Msg::WirelessIpSettingsGroup));
    m_dhcpOn->setText(Text(Msg::WirelessDhcpOn));
    m_dhcpOff->setText(Text(Msg::WirelessDhcpOff));
    const std::array<std::pair<QLabel *, MessageId>, 5> addressLabels { {
        { m_ipAddressLabel, Msg::WirelessIpAddressLabel },
        { m_subnetMaskLabel, Msg::WirelessSubnetMaskLabel },
        { m_defaultGatewayLabel, Msg::WirelessDefaultGatewayLabel },
        { m_dnsLabel, Msg::WirelessDnsLabel },
        { m_secondaryDnsLabel, Msg::WirelessSecondaryDnsLabel },
    } };
    for (const auto &[label, id] : addressLabels) {
        label->setText(Text(id));
        static_cast<CIpAddressEdit *>(label->buddy())->SetAccessibleLabel(Text(id));
    }

    m_proxyGroup->setTitle(Text(Msg::WirelessProxySettingsGroup));
    m_useProxy->setText(Text(Msg::WirelessUseProxy));
    m_proxyAddressLabel->setText(Text(Msg::WirelessProxyAddressLabel));
    m_proxyPortLabel->setText(Text(Msg::WirelessProxyPortLabel));

    m_qrImport->setText(Text(Msg::QrImportButton));
    m_qrImport->setToolTip(Text(Msg::QrImportTip));
    m_qrImport->setAccessibleName(Text(Msg::QrImportButton));
    m_qrImport->setAccessibleDescription(Text(Msg::QrImportTip));
    m_keyReveal->ApplyTexts();
    m_clear->setText(Text(Msg::ClearButton));
    m_ok->setText(Text(Msg::OkButton));
    m_cancel->setText(Text(Msg::CancelButton));
}

void CWifiSecurity::SetTabOrder()
{
    const QList<QWidget *> order { m_ssid, m_security, m_stealth, m_networkKey, m_keyConfirm,
        m_dhcpOn, m_dhcpOff, m_ipAddress, m_subnetMask, m_defaultGateway, m_dns, m_secondaryDns,
        m_useProxy, m_proxyAddress, m_proxyPort, m_qrImport, m_clear, m_ok, m_cancel };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CWifiSecurity::ConnectControls()
{
    connect(m_security, &QComboBox::currentIndexChanged, this, &CWifiSecurity::OnSecurityChanged);
    connect(m_dhcpOff, &QRadioButton::toggled, this, &CWifiSecurity::OnDhcpToggled);
    connect(m_useProxy, &QCheckBox::toggled, this, &CWifiSecurity::OnUseProxyToggled);
    for (QLineEdit *edit : { m_ssid, m_networkKey, m_keyConfirm, m_proxyAddress, m_proxyPort })
        connect(edit, &QLineEdit::textChanged, this, &CWifiSecurity::OnFieldEdited);
    for (CIpAddressEdit *edit :
        { m_ipAddress, m_subnetMask, m_defaultGateway, m_dns, m_secondaryDns })
        connect(edit, &CIpAddressEdit::AddressEdited, this, &CWifiSecurity::OnFieldEdited);
    connect(m_qrImport, &QPushButton::clicked, this, &CWifiSecurity::OnImportQrCode);
    connect(m_clear, &QPushButton::clicked, this, &CWifiSecurity::OnClear);
    connect(m_ok, &QPushButton::clicked, this, &CWifiSecurity::OnOk);
    connect(m_cancel, &QPushButton::clicked, this, &CWifiSecurity::OnCancel);
}

void CWifiSecurity::CollectValues()
{
    WifiPropertyValues &values = m_editor.m_values;
    values.m_ssid.m_text = m_ssid->text();
    values.m_selectedSecurity
        = m_security->currentIndex() < 0 ? NoSecuritySelected : m_security->currentData().toInt();
    values.m_stealthChecked = m_stealth->isChecked();
    values.m_networkKey.m_text = m_networkKey->text();
    values.m_keyConfirm.m_text = m_keyConfirm->text();
    values.m_dhcpRadio = m_dhcpOff->isChecked() ? 1 : 0;
    values.m_ipAddress.m_fields = m_ipAddress->Fields();
    values.m_subnetMask.m_fields = m_subnetMask->Fields();
    values.m_defaultGateway.m_fields = m_defaultGateway->Fields();
    values.m_dns.m_fields = m_dns->Fields();
    values.m_secondaryDns.m_fields = m_secondaryDns->Fields();
    values.m_useProxyChecked = m_useProxy->isChecked();
    values.m_proxyAddress.m_text = m_proxyAddress->text();
    values.m_proxyPort.m_text = m_proxyPort->text();
}

void CWifiSecurity::ApplyValues()
{
    const WifiPropertyValues &values = m_editor.m_values;
    m_applying = true;
    MirrorEdit(m_ssid, values.m_ssid);
    m_security->setCurrentIndex(m_security->findData(values.m_selectedSecurity));
    m_stealth->setChecked(values.m_stealthChecked);
    MirrorEdit(m_networkKey, values.m_networkKey);
    MirrorEdit(m_keyConfirm, values.m_keyConfirm);
    (values.m_dhcpRadio != 0 ? m_dhcpOff : m_dhcpOn)->setChecked(true);
    // Tab enters the radio group at its chosen button, as in the host's own dialogs.
    m_dhcpOn->setFocusPolicy(values.m_dhcpRadio == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    m_dhcpOff->setFocusPolicy(values.m_dhcpRadio != 0 ? Qt::StrongFocus : Qt::ClickFocus);
    MirrorAddress(m_ipAddress, values.m_ipAddress);
    MirrorAddress(m_subnetMask, values.m_subnetMask);
    MirrorAddress(m_defaultGateway, values.m_defaultGateway);
    MirrorAddress(m_dns, values.m_dns);
    MirrorAddress(m_secondaryDns, values.m_secondaryDns);
    m_useProxy->setChecked(values.m_useProxyChecked);
    MirrorEdit(m_proxyAddress, values.m_proxyAddress);
    MirrorEdit(m_proxyPort, values.m_proxyPort);
    m_applying = false;
    UpdateFieldMarks();
}

void CWifiSecurity::OnSecurityChanged()
{
    if (m_applying)
        return;
    CollectValues();
    m_editor.ChangeSecurity(m_editor.m_values.m_selectedSecurity);
    ApplyValues();
}

void CWifiSecurity::OnDhcpToggled()
{
    if (m_applying)
        return;
    CollectValues();
    m_editor.ChooseDhcp(m_editor.m_values.m_dhcpRadio);
    ApplyValues();
}

void CWifiSecurity::OnUseProxyToggled()
{
    if (m_applying)
        return;
    CollectValues();
    m_editor.ChangeUseProxy(m_editor.m_values.m_useProxyChecked);
    ApplyValues();
}

void CWifiSecurity::OnFieldEdited()
{
    if (m_applying)
        return;
    CollectValues();
    UpdateFieldMarks();
}

void CWifiSecurity::OnClear()
{
    CollectValues();
    m_editor.Clear();
    ApplyValues();
}

void CWifiSecurity::OnOk()
{
    CollectValues();
    const bool accepted = m_editor.Accept(*m_messageBox);
    ApplyValues();
    if (accepted)
        accept();
}

void CWifiSecurity::OnCancel()
{
    m_editor.Cancel();
    reject();
}

void CWifiSecurity::UpdateFieldMarks()
{
    const auto messages = WifiPropertyFieldMessages(m_editor.m_values);
    const auto textOf = [&messages](WifiPropertyField field) {
        const std::optional<MessageId> &message = messages[size_t(field)];
        return message ? Text(*message) : QString();
    };
    const std::array<std::pair<QLineEdit *, WifiPropertyField>, 5> edits { {
        { m_ssid, WifiPropertyField::Ssid },
        { m_networkKey, WifiPropertyField::NetworkKey },
        { m_keyConfirm, WifiPropertyField::KeyConfirm },
        { m_proxyAddress, WifiPropertyField::ProxyAddress },
        { m_proxyPort, WifiPropertyField::ProxyPort },
    } };
    for (const auto &[edit, field] : edits)
        ShowFieldMark(edit, textOf(field));
    const std::array<std::pair<CIpAddressEdit *, WifiPropertyField>, 2> addresses { {
        { m_ipAddress, WifiPropertyField::IpAddress },
        { m_subnetMask, WifiPropertyField::SubnetMask },
    } };
    for (const auto &[edit, field] : addresses) {
        const QString text = textOf(field);
        ShowFieldMark(edit, text);
        // A screen reader reads the octet that has the focus, not the frame around it.
        for (int i = 0; i < CIpAddressEdit::FieldCount; ++i)
            edit->Field(i)->setAccessibleDescription(text);
    }
}

void CWifiSecurity::SetQrImageChooser(std::function<QString()> chooser)
{
    m_qrImageChooser = std::move(chooser);
}

void CWifiSecurity::ShowError(MessageId text)
{
    m_messageBox->ShowMessage(ComposedMessage(MessageText(text)), Text(Msg::WirelessLanCaption),
        MessageIcon::Error, MessageButtons::Ok, QString());
}

bool CWifiSecurity::FillFromWifiCode(const QString &text)
{
    const WifiQrParseResult parsed = ParseWifiQrText(text);
    if (parsed.m_status != WifiQrParseStatus::Ok) {
        ShowError(Msg::QrTextNotWifi);
        return false;
    }
    const WifiImportResult result = MapWifiQrCode(parsed.m_code);
    if (!result.IsUsable()) {
        ShowError(WifiImportRefusalMessage(result));
        return false;
    }
    const CNetworkSetting &profile = result.m_profile;
    CollectValues();
    WifiPropertyValues &values = m_editor.m_values;
    values.m_ssid.m_text = profile.m_ssid;
    values.m_stealthChecked = profile.m_stealthSsid != 0;
    m_editor.ChangeSecurity(profile.m_securityMode);
    values.m_networkKey.m_text = profile.m_networkKey;
    values.m_keyConfirm.m_text = profile.m_networkKey;
    ApplyValues();
    return true;
}

bool CWifiSecurity::FillFromQrImageFile(const QString &path)
{
    const QrImageText decoded = DecodeQrImageFile(path);
    switch (decoded.m_status) {
    case QrImageStatus::Unreadable:
        ShowError(Msg::QrImageUnreadable);
        return false;
    case QrImageStatus::NoCode:
        ShowError(Msg::QrNoWifiCode);
        return false;
    case QrImageStatus::Ok:
        break;
    }
    if (ParseWifiQrText(decoded.m_text).m_status == WifiQrParseStatus::NotWifiCode) {
        ShowError(Msg::QrNoWifiCode);
        return false;
    }
    return FillFromWifiCode(decoded.m_text);
}

void CWifiSecurity::OnImportQrCode()
{
    QString path;
    if (m_qrImageChooser) {
        path = m_qrImageChooser();
    } else {
        QStringList patterns;
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
        path = QFileDialog::getOpenFileName(this, Text(Msg::QrOpenTitle), QString(),
            Text(Msg::QrImageFilter).arg(patterns.join(QLatin1Char(' '))));
    }
    if (!path.isEmpty())
        FillFromQrImageFile(path);
}

bool CWifiSecurity::eventFilter(QObject *watched, QEvent *event)
{
    // A Wi-Fi network code pasted into any field fills the dialog instead of that field.
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        const QString text = QGuiApplication::clipboard()->text();
        if (ParseWifiQrText(text).m_status != WifiQrParseStatus::NotWifiCode) {
            FillFromWifiCode(text);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

QString DroppedImagePath(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

void CWifiSecurity::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (!DroppedImagePath(mime).isEmpty() || mime->hasImage()
        || ParseWifiQrText(mime->text()).m_status != WifiQrParseStatus::NotWifiCode)
        event->acceptProposedAction();
}

void CWifiSecurity::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    event->acceptProposedAction();
    const QString path = DroppedImagePath(mime);
    if (!path.isEmpty()) {
        FillFromQrImageFile(path);
    } else if (mime->hasImage()) {
        const QrImageText decoded = DecodeQrImage(qvariant_cast<QImage>(mime->imageData()));
        if (decoded.m_status != QrImageStatus::Ok
            || ParseWifiQrText(decoded.m_text).m_status == WifiQrParseStatus::NotWifiCode)
            ShowError(Msg::QrNoWifiCode);
        else
            FillFromWifiCode(decoded.m_text);
    } else {
        FillFromWifiCode(mime->text());
    }
}

CWifiSecurityLauncher::CWifiSecurityLauncher(QWidget *owner, IMessageBox *box)
    : m_owner(owner)
    , m_box(box)
{ }

DialogResult CWifiSecurityLauncher::RunPropertyDialog(CNetworkSetting &profile)
{
    CWifiSecurity dialog(m_owner);
    dialog.SetMessageBox(m_box);
    dialog.SetProfile(profile);
    if (dialog.exec() != QDialog::Accepted)
        return DialogResult::Cancel;
    profile = dialog.Profile();
    return DialogResult::Ok;
}
