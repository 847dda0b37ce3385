#include "ui/WifiSecurity.h"

#include "i18n/MessageCatalog.h"
#include "ui/ConnectionPanel.h"
#include "ui/ControlMirror.h"
#include "ui/IpAddressEdit.h"
#include "ui/Mnemonics.h"
#include "ui/QtMessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
             m_connection->IpAddress(), m_connection->SubnetMask(), m_connection->ProxyAddress(),
             m_connection->ProxyPort() })
        new CFieldMark(field);
    ApplyTexts();
    ApplyMnemonics(this);
    SetTabOrder();
    ConnectControls();
    SetProfile(CNetworkSetting());
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

    m_connection = new CConnectionPanel(CConnectionPanel::Arrangement::WirelessProperty, this);

    m_clear = named(new QPushButton(this), "clear");
    m_ok = named(new QPushButton(this), "ok");
    m_cancel = named(new QPushButton(this), "cancel");
    m_clear->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    m_ok->setDefault(true);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_clear);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_ok);
    buttonRow->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_securityGroup);
    layout->addWidget(m_connection);
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

    m_connection->ApplyTexts();

    m_clear->setText(Text(Msg::ClearButton));
    m_ok->setText(Text(Msg::OkButton));
    m_cancel->setText(Text(Msg::CancelButton));
}

void CWifiSecurity::SetTabOrder()
{
    QList<QWidget *> order { m_ssid, m_security, m_stealth, m_networkKey, m_keyConfirm,
        m_connection->DhcpOn(), m_connection->DhcpOff() };
    for (CIpAddressEdit *address : m_connection->Addresses())
        order.append(address);
    order << m_connection->UseProxy() << m_connection->ProxyAddress() << m_connection->ProxyPort()
          << m_clear << m_ok << m_cancel;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CWifiSecurity::ConnectControls()
{
    connect(m_security, &QComboBox::currentIndexChanged, this, &CWifiSecurity::OnSecurityChanged);
    connect(m_connection->DhcpOff(), &QRadioButton::toggled, this, &CWifiSecurity::OnDhcpToggled);
    connect(m_connection->UseProxy(), &QCheckBox::toggled, this, &CWifiSecurity::OnUseProxyToggled);
    for (QLineEdit *edit : { m_ssid, m_networkKey, m_keyConfirm, m_connection->ProxyAddress(),
             m_connection->ProxyPort() })
        connect(edit, &QLineEdit::textChanged, this, &CWifiSecurity::OnFieldEdited);
    for (CIpAddressEdit *edit : m_connection->Addresses())
        connect(edit, &CIpAddressEdit::AddressEdited, this, &CWifiSecurity::OnFieldEdited);
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
    m_connection->Collect(values.m_connection);
}

void CWifiSecurity::ApplyValues()
{
    const WifiPropertyValues &values = m_editor.m_values;
    m_applying = true;
    ApplyEdit(m_ssid, values.m_ssid);
    m_security->setCurrentIndex(m_security->findData(values.m_selectedSecurity));
    m_stealth->setChecked(values.m_stealthChecked);
    ApplyEdit(m_networkKey, values.m_networkKey);
    ApplyEdit(m_keyConfirm, values.m_keyConfirm);
    m_connection->Apply(values.m_connection);
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
    m_editor.ChooseDhcp(m_editor.m_values.m_connection.m_dhcpRadio);
    ApplyValues();
}

void CWifiSecurity::OnUseProxyToggled()
{
    if (m_applying)
        return;
    CollectValues();
    m_editor.ChangeUseProxy(m_editor.m_values.m_connection.m_useProxyChecked);
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
        { m_connection->ProxyAddress(), WifiPropertyField::ProxyAddress },
        { m_connection->ProxyPort(), WifiPropertyField::ProxyPort },
    } };
    for (const auto &[edit, field] : edits)
        ShowFieldMark(edit, textOf(field));
    const std::array<std::pair<CIpAddressEdit *, WifiPropertyField>, 2> addresses { {
        { m_connection->IpAddress(), WifiPropertyField::IpAddress },
        { m_connection->SubnetMask(), WifiPropertyField::SubnetMask },
    } };
    for (const auto &[edit, field] : addresses) {
        const QString text = textOf(field);
        ShowFieldMark(edit, text);
        // A screen reader reads the octet that has the focus, not the frame around it.
        for (int i = 0; i < CIpAddressEdit::FieldCount; ++i)
            edit->Field(i)->setAccessibleDescription(text);
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
