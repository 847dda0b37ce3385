#include "ui/WifiSecurity.h"

#include "core/import/WifiImport.h"
#include "core/model/Validators.h"
#include "i18n/MessageCatalog.h"
#include "platform/QrImageDecoder.h"
#include "ui/CatalogText.h"
#include "ui/ConnectionPanel.h"
#include "ui/ControlMirror.h"
#include "ui/IpAddressEdit.h"
#include "ui/KeyReveal.h"
#include "ui/Mnemonics.h"
#include "ui/QtMessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

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
    // The dialog watches every line edit (a network code pasted into any field) and lays its
    // field marks over them: the address octets must exist for both.
    for (CIpAddressEdit *address : findChildren<CIpAddressEdit *>())
        address->CreateFields();
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

    m_connection = new CConnectionPanel(CConnectionPanel::Arrangement::WirelessProperty, this);

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
    QList<QWidget *> order { m_ssid, m_security, m_stealth, m_networkKey,
        m_keyReveal->ButtonOf(m_networkKey), m_keyConfirm, m_keyReveal->ButtonOf(m_keyConfirm),
        m_connection->DhcpOn(), m_connection->DhcpOff() };
    for (CIpAddressEdit *address : m_connection->Addresses())
        order.append(address);
    order << m_connection->UseProxy() << m_connection->ProxyAddress() << m_connection->ProxyPort()
          << m_qrImport << m_clear << m_ok << m_cancel;
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
    m_touched.insert(sender());
    CollectValues();
    UpdateFieldMarks();
}

void CWifiSecurity::OnClear()
{
    m_touched.clear();
    m_markAll = false;
    CollectValues();
    m_editor.Clear();
    ApplyValues();
}

void CWifiSecurity::OnOk()
{
    m_markAll = true;
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
    const auto textOf = [this, &messages](WifiPropertyField field) {
        const std::optional<MessageId> &message = messages[size_t(field)];
        if (!message)
            return QString();
        // The length rule is easier to meet when the hint names the forms that pass.
        if (*message == Msg::NetworkKeyLength)
            return Text(*message) + u'\n' + KeyFormsText(SelectedSecurityCode(m_editor.m_values));
        return Text(*message);
    };
    const auto shown = [this](const QObject *field, const QString &text) {
        return m_markAll || m_touched.contains(field) ? text : QString();
    };
    const std::array<std::pair<QLineEdit *, WifiPropertyField>, 5> edits { {
        { m_ssid, WifiPropertyField::Ssid },
        { m_networkKey, WifiPropertyField::NetworkKey },
        { m_keyConfirm, WifiPropertyField::KeyConfirm },
        { m_connection->ProxyAddress(), WifiPropertyField::ProxyAddress },
        { m_connection->ProxyPort(), WifiPropertyField::ProxyPort },
    } };
    for (const auto &[edit, field] : edits)
        ShowFieldMark(edit, shown(edit, textOf(field)));
    const std::array<std::pair<CIpAddressEdit *, WifiPropertyField>, 2> addresses { {
        { m_connection->IpAddress(), WifiPropertyField::IpAddress },
        { m_connection->SubnetMask(), WifiPropertyField::SubnetMask },
    } };
    for (const auto &[edit, field] : addresses) {
        const QString text = shown(edit, textOf(field));
        ShowFieldMark(edit, text);
        // A screen reader reads the octet that has the focus, not the frame around it.
        edit->SetFieldDescription(text);
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
    return FillFromDecodedImage(DecodeQrImageFile(path));
}

bool CWifiSecurity::FillFromDecodedImage(const QrImageText &decoded)
{
    switch (decoded.m_status) {
    case QrImageStatus::Unreadable:
        ShowError(Msg::QrImageUnreadable);
        return false;
    case QrImageStatus::NoCode:
        ShowError(Msg::QrNoWifiCode);
        return false;
    case QrImageStatus::NoReader:
        ShowError(Msg::QrReaderMissing);
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

void CWifiSecurity::keyPressEvent(QKeyEvent *event)
{
    // Enter on a focused button presses that button, as on the main window; a keyboard Cancel
    // must never commit the edits through the default OK.
    const bool plain = event->modifiers() == Qt::NoModifier
        || (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

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
        FillFromDecodedImage(DecodeQrImage(qvariant_cast<QImage>(mime->imageData())));
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
