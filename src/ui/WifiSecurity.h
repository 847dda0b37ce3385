#pragma once

#include "core/commands/WifiProperty.h"
#include "core/commands/WirelessList.h"

#include <QDialog>
#include <QSet>

#include <functional>
#include <memory>

class CConnectionPanel;
class QButtonGroup;
class CKeyReveal;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct QrImageText;

// "Wireless LAN Property": edits one wireless profile. The widgets only mirror the core editor's
// control values; every command copies the widgets in, runs the editor and copies them back.
// Cancel resets the working profile; the close box and Esc end the dialog without that reset.
class CWifiSecurity : public QDialog
{
    Q_OBJECT

public:
    explicit CWifiSecurity(QWidget *owner = nullptr);
    ~CWifiSecurity() override;

    // Replaces the real message boxes over this dialog; not owned.
    void SetMessageBox(IMessageBox *box);

    // The working profile. Setting it fills the controls as the dialog's opening does.
    void SetProfile(const CNetworkSetting &profile);
    const CNetworkSetting &Profile() const { return m_editor.m_profile; }

    // Widgets -> control values, and back.
    void CollectValues();
    void ApplyValues();

    // "Import from QR code" asks this for an image file; an empty answer cancels. The default
    // shows a file dialog.
    void SetQrImageChooser(std::function<QString()> chooser);
    // Fills SSID, security, key and Stealth SSID from a Wi-Fi network code, in text or in an image
    // file; anything else is refused with a message. True when the fields were filled.
    bool FillFromWifiCode(const QString &text);
    bool FillFromQrImageFile(const QString &path);
    CKeyReveal *KeyReveal() const { return m_keyReveal; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void CreateControls();
    void ApplyTexts();
    void SetTabOrder();
    void ConnectControls();

    void OnSecurityChanged();
    void OnDhcpToggled();
    void OnUseProxyToggled();
    void OnFieldEdited();
    void OnClear();
    void OnOk();
    void OnCancel();
    void OnImportQrCode();
    void ShowError(MessageId text);
    bool FillFromDecodedImage(const QrImageText &decoded);
    // Marks every field whose content OK would refuse, with the message OK would show.
    void UpdateFieldMarks();

    CWifiPropertyEditor m_editor;
    std::unique_ptr<IMessageBox> m_hostMessageBox;
    IMessageBox *m_messageBox = nullptr;
    bool m_applying = false;
    // A field is marked only once the user has edited it, or for every field after OK.
    QSet<const QObject *> m_touched;
    bool m_markAll = false;
    std::function<QString()> m_qrImageChooser;
    CKeyReveal *m_keyReveal = nullptr;

    QGroupBox *m_securityGroup = nullptr;
    QLabel *m_ssidLabel = nullptr;
    QLineEdit *m_ssid = nullptr;
    QLabel *m_securityLabel = nullptr;
    QComboBox *m_security = nullptr;
    QCheckBox *m_stealth = nullptr;
    QLabel *m_networkKeyLabel = nullptr;
    QLineEdit *m_networkKey = nullptr;
    QLabel *m_keyConfirmLabel = nullptr;
    QLineEdit *m_keyConfirm = nullptr;

    CConnectionPanel *m_connection = nullptr;

    QPushButton *m_qrImport = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

// The list commands' way to run the property dialog: a modal CWifiSecurity over `owner`.
class CWifiSecurityLauncher : public IWifiPropertyDialog
{
public:
    // `box`, when given, replaces the dialog's own message boxes; not owned.
    explicit CWifiSecurityLauncher(QWidget *owner, IMessageBox *box = nullptr);

    DialogResult RunPropertyDialog(CNetworkSetting &profile) override;

private:
    QWidget *m_owner;
    IMessageBox *m_box;
};
