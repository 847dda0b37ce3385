#pragma once

#include "core/commands/FileCommands.h"
#include "core/model/SettingsDocument.h"
#include "core/commands/WirelessList.h"

#include <QDialog>

#include <memory>

class CConnectionPanel;
class IImportChooser;
class IKnownNetworksSource;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

// The main window: the wired and wireless pages over one tab control, the file commands and
// Exit. It owns the settings document; its widgets only mirror the document's window-held
// values (m_controls): every command copies the widgets into them, runs the core operation and
// copies them back. The network folder values have no widgets: they live in m_controls alone.
class CNetSetUtilDlg : public QDialog
{
    Q_OBJECT

public:
    // Same in every language.
    static QString AboutMenuText();

    explicit CNetSetUtilDlg(QWidget *parent = nullptr);
    ~CNetSetUtilDlg() override;

    // Replace the host's message boxes and file dialogs; the window does not take ownership.
    void SetMessageBox(IMessageBox *box);
    void SetPathChooser(IPathChooser *chooser);
    // Replaces the wireless property dialog that Add and Property run; not owned.
    void SetPropertyDialog(IWifiPropertyDialog *dialog);
    // Replace where Import reads the networks this computer knows (NetworkManager on the system
    // bus, reached only when Import is pressed) and the list that asks which to add; not owned.
    void SetKnownNetworksSource(IKnownNetworksSource *source);
    void SetImportChooser(IImportChooser *chooser);

    // Resets the document and reads the state file at `stateFilePath` into the window. Any
    // message about a bad value in it comes before the window shows.
    void StartSession(const QString &stateFilePath);

    CSettingsDocument &Document() { return m_document; }
    const CSettingsDocument &Document() const { return m_document; }

    // Widgets -> m_controls, and back. Both directions carry every value losslessly; the network
    // folder values, which no widget shows, stay as they are.
    void CollectControlState();
    void ApplyControlState();

    // Shows page 0 (wired) or 1 (wireless); other indices change nothing.
    void ShowPage(int index);
    void ShowAboutBox();
    // Brings this program's own open dialogs and message boxes back in front of the window.
    void BringOwnWindowsForward();
    // Our own open windows that BringOwnWindowsForward raises, in that order.
    QList<QWidget *> OwnWindowsToBringForward() const;
    // A later start of the program asked for this window, handing on its launcher's activation
    // token (may be empty).
    void BringToFront(const QByteArray &activationToken = {});

public Q_SLOTS:
    // The OK command (Enter outside a push button) and the Cancel command (Exit, Esc, the
    // close box) both run the close sequence, which writes the state file.
    void accept() override;
    void reject() override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    void CreateControls();
    QWidget *CreateWiredPage();
    // The wireless page's controls, built into its empty page on first need; from then on
    // they carry the wireless values as the wired page's controls carry theirs.
    void BuildWirelessPage();
    void ApplyTexts();
    void ApplyWirelessTexts();
    void ApplyMinimumSizes();
    void ApplyWirelessMinimumSizes();
    void ConnectControls();
    void ConnectWirelessControls();
    void CreateShortcuts();
    void CreateListShortcuts();
    void ApplyWirelessState();
    // Greys out the list commands that cannot act on the current selection.
    void UpdateListCommands();

    // Copies the widgets into m_controls, runs `operation`, copies m_controls back.
    template<typename Operation> void RunOnDocument(Operation &&operation);
    void RunCloseSequence(bool ok);

    void OnLoadSettings();
    void OnCreateSettingFile();
    void OnClearSettings();
    void OnUseProxyClicked();
    void OnDhcpClicked(bool dhcpOff);

    // The wireless profile list commands.
    void OnPriorityUp();
    void OnPriorityDown();
    void OnAdd();
    void OnImport();
    void OnDelete();
    void OnProperty();
    void OnListDoubleClicked();
    // A drag inside the list moved one entry from `from` to `to`.
    void OnListEntryDragged(int from, int to);

    CSettingsDocument m_document;
    std::unique_ptr<IRemovableVolumes> m_hostVolumes; // before the choosers that use it
    std::unique_ptr<IRemovableVolumes> m_removalProgress;
    std::unique_ptr<IMessageBox> m_hostMessageBox;
    std::unique_ptr<IPathChooser> m_hostPathChooser;
    IMessageBox *m_messageBox = nullptr;
    IPathChooser *m_pathChooser = nullptr;
    std::unique_ptr<IWifiPropertyDialog> m_hostPropertyDialog;
    IWifiPropertyDialog *m_propertyDialog = nullptr;
    std::unique_ptr<IKnownNetworksSource> m_hostKnownNetworks;
    IKnownNetworksSource *m_knownNetworks = nullptr;
    std::unique_ptr<IImportChooser> m_hostImportChooser;
    IImportChooser *m_importChooser = nullptr;
    bool m_closing = false;
    bool m_bringingForward = false;
#ifdef Q_OS_WIN
    // Adds "About" to the window's system menu, once.
    void AddAboutToSystemMenu();
    bool m_systemMenuReady = false;
#endif

    // Bottom row, shown on every page.
    QPushButton *m_loadSettings = nullptr;
    QPushButton *m_createSettingFile = nullptr;
    QPushButton *m_exit = nullptr;
    QTabWidget *m_tabControl = nullptr;

    // Page 0, wired LAN.
    CConnectionPanel *m_wiredPanel = nullptr;
    QPushButton *m_clearSettings = nullptr;

    // Page 1, wireless LAN.
    QWidget *m_wirelessPage = nullptr;
    QCheckBox *m_useWireless = nullptr;
    QLabel *m_wirelessListLabel = nullptr;
    QListWidget *m_wirelessList = nullptr;
    QPushButton *m_priorityUp = nullptr;
    QPushButton *m_priorityDown = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_property = nullptr;
};
