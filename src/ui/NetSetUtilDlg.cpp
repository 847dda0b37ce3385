#include "ui/NetSetUtilDlg.h"

#include "core/cipher/SecretWipe.h"
#include "core/commands/WindowCommands.h"
#include "core/import/ImportProfiles.h"
#include "core/settings/StateFile.h"
#include "i18n/MessageCatalog.h"
#include "platform/DesktopVolumes.h"
#include "platform/NetworkManagerSettings.h"
#include "platform/SystemBus.h"
#include "ui/AboutDlg.h"
#include "ui/CatalogText.h"
#include "ui/ConnectionPanel.h"
#include "ui/ControlMirror.h"
#include "ui/FileDialogChooser.h"
#include "ui/ImportNetworksDlg.h"
#include "ui/IpAddressEdit.h"
#include "ui/Mnemonics.h"
#include "ui/QtMessageBox.h"
#include "ui/RemovalProgress.h"
#include "ui/UtilityIcon.h"
#include "ui/WifiSecurity.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#endif

namespace {

// The window's arrangement in logical pixels; longer texts widen their column or button, and
// the window grows with them rather than clipping anything.
constexpr QSize TabControlSize(600, 490);
constexpr int RowHeight = 26;
constexpr int ButtonHeight = 30;
constexpr int ListItemHeight = 22;

constexpr int WirelessSlotRole = Qt::UserRole;

class CListItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(qMax(size.height(), ListItemHeight));
        return size;
    }
};

QLabel *MakeLabel(QWidget *parent, const QString &name, QWidget *buddy)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    label->setMinimumHeight(RowHeight);
    return label;
}

// A key of `owner` that runs `slot` in `receiver`'s thread and lifetime; returns the key.
template<typename Slot>
QKeySequence AddShortcut(QObject *receiver, QWidget *owner, const QKeySequence &key,
    Qt::ShortcutContext context, Slot slot)
{
    auto *shortcut = new QShortcut(key, owner);
    shortcut->setContext(context);
    QObject::connect(shortcut, &QShortcut::activated, receiver, std::move(slot));
    return key;
}

QPushButton *MakeButton(QWidget *parent, const QString &name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    // Enter on a focused button clicks it; elsewhere it is the window's OK command. No button
    // stands in as the default, so none is drawn as one.
    button->setAutoDefault(false);
    return button;
}

} // namespace

QString CNetSetUtilDlg::AboutMenuText()
{
    return QStringLiteral("&About This utility...");
}

CNetSetUtilDlg::CNetSetUtilDlg(QWidget *parent)
    : QDialog(parent)
    , m_hostVolumes(std::make_unique<CDesktopVolumes>())
    , m_removalProgress(std::make_unique<CRemovalProgress>(this, *m_hostVolumes))
    , m_hostMessageBox(std::make_unique<CQtMessageBox>(this))
    , m_hostPathChooser(std::make_unique<CFileDialogChooser>(this, *m_hostVolumes))
    , m_hostPropertyDialog(std::make_unique<CWifiSecurityLauncher>(this))
    , m_hostImportChooser(std::make_unique<CImportNetworksLauncher>(this))
{
    m_importChooser = m_hostImportChooser.get();
    m_messageBox = m_hostMessageBox.get();
    m_pathChooser = m_hostPathChooser.get();
    m_propertyDialog = m_hostPropertyDialog.get();

    setObjectName(QStringLiteral("netSetUtilDlg"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(UtilityIcon());
    setWindowTitle(MessageText(Msg::MainWindowTitle).toString());

    CreateControls();
    ApplyTexts();
    ApplyMnemonics(this);
    ApplyMinimumSizes();
    ConnectControls();
    CreateShortcuts();

    m_tabControl->setCurrentIndex(0);
    ShowPage(0);
    m_loadSettings->setFocus(Qt::OtherFocusReason);

    AddShortcut(this, this, QKeySequence::HelpContents, Qt::WindowShortcut,
        [this] { ShowAboutBox(); });
}

CNetSetUtilDlg::~CNetSetUtilDlg() = default;

void CNetSetUtilDlg::SetMessageBox(IMessageBox *box)
{
    m_messageBox = box ? box : m_hostMessageBox.get();
}

void CNetSetUtilDlg::SetPathChooser(IPathChooser *chooser)
{
    m_pathChooser = chooser ? chooser : m_hostPathChooser.get();
}

void CNetSetUtilDlg::SetPropertyDialog(IWifiPropertyDialog *dialog)
{
    m_propertyDialog = dialog ? dialog : m_hostPropertyDialog.get();
}

void CNetSetUtilDlg::SetKnownNetworksSource(IKnownNetworksSource *source)
{
    m_knownNetworks = source ? source : m_hostKnownNetworks.get();
}

void CNetSetUtilDlg::SetImportChooser(IImportChooser *chooser)
{
    m_importChooser = chooser ? chooser : m_hostImportChooser.get();
}

void CNetSetUtilDlg::StartSession(const QString &stateFilePath)
{
    RunOnDocument([&] { OpenSession(m_document, *m_messageBox, stateFilePath); });
}

void CNetSetUtilDlg::CreateControls()
{
    // Created in tab order: the three commands first, so that focus starts on "Load settings".
    m_loadSettings = MakeButton(this, QStringLiteral("loadSettingsButton"));
    m_createSettingFile = MakeButton(this, QStringLiteral("createSettingFileButton"));
    m_exit = MakeButton(this, QStringLiteral("exitButton"));

    m_tabControl = new QTabWidget(this);
    m_tabControl->setObjectName(QStringLiteral("tabControl"));
    m_tabControl->setMinimumSize(TabControlSize);
    m_tabControl->addTab(CreateWiredPage(), QString());
    // The wireless page's controls are built the first time it shows: at start the window
    // paints sooner without them, and a user who never opens the tab never pays for them.
    m_wirelessPage = new QWidget;
    m_wirelessPage->setObjectName(QStringLiteral("wirelessPage"));
    m_wirelessPage->installEventFilter(this);
    m_tabControl->addTab(m_wirelessPage, QString());
    // A screen reader reads a widget's children in the order they stack, bottom first: the tabs
    // come before their pages, as the tab order has it. The two never overlap.
    if (auto *tabs = m_tabControl->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly))
        tabs->lower();

    auto *commands = new QHBoxLayout;
    commands->setSpacing(10);
    commands->addWidget(m_loadSettings);
    commands->addWidget(m_createSettingFile);
    commands->addStretch(1);
    commands->addSpacing(20);
    commands->addWidget(m_exit);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 15, 20, 15);
    layout->setSpacing(15);
    layout->addWidget(m_tabControl, 1);
    layout->addLayout(commands);
    // The window keeps exactly the size its contents need, so no text can ever be squeezed.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *CNetSetUtilDlg::CreateWiredPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("wiredPage"));

    m_wiredPanel = new CConnectionPanel(CConnectionPanel::Arrangement::WiredPage, page);

    m_clearSettings = MakeButton(page, QStringLiteral("clearSettingsButton"));
    auto *clearRow = new QHBoxLayout;
    clearRow->setContentsMargins(0, 0, 10, 0);
    clearRow->addStretch(1);
    clearRow->addWidget(m_clearSettings);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 10, 28, 10);
    layout->setSpacing(8);
    layout->addWidget(m_wiredPanel);
    layout->addLayout(clearRow);
    layout->addStretch(1);
    return page;
}

void CNetSetUtilDlg::BuildWirelessPage()
{
    if (m_wirelessList)
        return;
    QWidget *page = m_wirelessPage;

    m_useWireless = new QCheckBox(page);
    m_useWireless->setObjectName(QStringLiteral("useWirelessCheck"));
    m_wirelessList = new QListWidget(page);
    m_wirelessList->setObjectName(QStringLiteral("wirelessList"));
    m_wirelessList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wirelessList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_wirelessList->setSortingEnabled(false);
    m_wirelessList->setDragDropMode(QAbstractItemView::InternalMove);
    m_wirelessList->setDefaultDropAction(Qt::MoveAction);
    m_wirelessList->setItemDelegate(new CListItemDelegate(m_wirelessList));
    m_wirelessList->setMinimumSize(350, 270);
    m_wirelessListLabel = MakeLabel(page, QStringLiteral("wirelessListLabel"), m_wirelessList);
    m_priorityUp = MakeButton(page, QStringLiteral("priorityUpButton"));
    m_priorityDown = MakeButton(page, QStringLiteral("priorityDownButton"));
    m_add = MakeButton(page, QStringLiteral("addButton"));
    m_import = MakeButton(page, QStringLiteral("importButton"));
    m_delete = MakeButton(page, QStringLiteral("deleteButton"));
    m_property = MakeButton(page, QStringLiteral("propertyButton"));

    auto *priority = new QVBoxLayout;
    priority->setSpacing(20);
    priority->addWidget(m_import);
    priority->addStretch(1);
    priority->addWidget(m_priorityUp);
    priority->addWidget(m_priorityDown);
    priority->addSpacing(20);

    auto *addDelete = new QHBoxLayout;
    addDelete->setSpacing(10);
    addDelete->addWidget(m_add, 1);
    addDelete->addWidget(m_delete, 1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(24);
    grid->addWidget(m_wirelessList, 0, 0);
    grid->addLayout(priority, 0, 1);
    grid->addLayout(addDelete, 1, 0);
    grid->addWidget(m_property, 1, 1);
    grid->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 15, 28, 10);
    layout->setSpacing(4);
    layout->addWidget(m_useWireless);
    layout->addSpacing(10);
    layout->addWidget(m_wirelessListLabel);
    layout->addLayout(grid);
    layout->addStretch(1);

    ApplyWirelessTexts();
    ApplyMnemonics(this);
    ApplyWirelessMinimumSizes();
    ConnectWirelessControls();
    CreateListShortcuts();
    ApplyWirelessState();
    // Built while the page is being shown (a click on its tab), the controls would appear and
    // be laid out only in the next round of events, after a paint of the page without them.
    if (page->isVisible()) {
        for (QWidget *child : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            child->show();
        layout->activate();
    }
}

bool CNetSetUtilDlg::eventFilter(QObject *watched, QEvent *event)
{
    // A click on the tab, its Alt key and the arrow keys on the tab bar all end here.
    if (watched == m_wirelessPage && event->type() == QEvent::Show)
        BuildWirelessPage();
    return QDialog::eventFilter(watched, event);
}

void CNetSetUtilDlg::ApplyTexts()
{
    m_loadSettings->setText(Text(Msg::LoadSettingsButton));
    m_createSettingFile->setText(Text(Msg::CreateSettingFileButton));
    m_exit->setText(Text(Msg::ExitButton));
    m_tabControl->setAccessibleName(Text(Msg::TabControlName));
    m_tabControl->setTabText(0, Text(Msg::WiredLanTab));
    m_tabControl->setTabText(1, Text(Msg::WirelessLanTab));

    m_wiredPanel->ApplyTexts();
    m_clearSettings->setText(Text(Msg::ClearSettingsButton));
}

void CNetSetUtilDlg::ApplyWirelessTexts()
{
    m_wirelessListLabel->setText(Text(Msg::WirelessSettingsList));
    m_wirelessList->setAccessibleName(Text(Msg::WirelessSettingsList));
    m_useWireless->setText(Text(Msg::UseWirelessToConnect));
    m_priorityUp->setText(Text(Msg::PriorityUpButton));
    m_priorityDown->setText(Text(Msg::PriorityDownButton));
    m_add->setText(Text(Msg::AddButton));
    m_import->setText(Text(Msg::ImportNetworksButton));
    m_import->setToolTip(Text(Msg::ImportNetworksTip));
    m_import->setAccessibleName(Text(Msg::ImportNetworksButton));
    m_import->setAccessibleDescription(Text(Msg::ImportNetworksTip));
    m_delete->setText(Text(Msg::DeleteButton));
    m_property->setText(Text(Msg::PropertyButton));
}

void CNetSetUtilDlg::CreateShortcuts()
{
    const auto switchPage = [this](int step) {
        const int count = m_tabControl->count();
        ShowPage((m_tabControl->currentIndex() + step + count) % count);
    };
    // From anywhere in the window, not only from inside the tab control as Qt has it.
    const QKeySequence next[] = {
        AddShortcut(this, this, QKeySequence(Qt::CTRL | Qt::Key_Tab), Qt::WindowShortcut,
            [switchPage] { switchPage(1); }),
        AddShortcut(this, this, QKeySequence(Qt::CTRL | Qt::Key_PageDown), Qt::WindowShortcut,
            [switchPage] { switchPage(1); }),
    };
    const QKeySequence previous[] = {
        AddShortcut(this, this, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), Qt::WindowShortcut,
            [switchPage] { switchPage(-1); }),
        AddShortcut(this, this, QKeySequence(Qt::CTRL | Qt::Key_PageUp), Qt::WindowShortcut,
            [switchPage] { switchPage(-1); }),
    };
    const auto names = [](const QKeySequence(&keys)[2]) {
        return keys[0].toString(QKeySequence::NativeText) + QStringLiteral(", ")
            + keys[1].toString(QKeySequence::NativeText);
    };
    const QString tabKeys
        = MessageText(Msg::TabSwitchKeys).toString().arg(names(next), names(previous));
    for (int i = 0; i < m_tabControl->count(); ++i)
        m_tabControl->setTabToolTip(i, tabKeys);
}

void CNetSetUtilDlg::CreateListShortcuts()
{
    // The list's own keys; a greyed-out command stays silent from the keyboard too.
    const std::pair<QPushButton *, QKeySequence> listKeys[] = {
        { m_delete, QKeySequence(QKeySequence::Delete) },
        { m_priorityUp, QKeySequence(Qt::CTRL | Qt::Key_Up) },
        { m_priorityDown, QKeySequence(Qt::CTRL | Qt::Key_Down) },
        { m_property, QKeySequence(Qt::Key_F2) },
    };
    for (const auto &[button, key] : listKeys) {
        QPushButton *target = button;
        AddShortcut(this, m_wirelessList, key, Qt::WidgetShortcut, [target] {
            if (target->isEnabled())
                target->click();
        });
        target->setToolTip(QStringLiteral("%1 (%2)").arg(
            StripMnemonic(target->text()), key.toString(QKeySequence::NativeText)));
    }
}

void CNetSetUtilDlg::UpdateListCommands()
{
    if (!m_wirelessList)
        return;
    const QModelIndexList selected = m_wirelessList->selectionModel()->selectedIndexes();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    m_priorityUp->setEnabled(row > 0);
    m_priorityDown->setEnabled(row >= 0 && row < m_wirelessList->count() - 1);
    m_property->setEnabled(row >= 0);
}

void CNetSetUtilDlg::ApplyMinimumSizes()
{
    SetMinimumExtent(m_loadSettings, 230, ButtonHeight);
    SetMinimumExtent(m_createSettingFile, 230, ButtonHeight);
    SetMinimumExtent(m_exit, 110, ButtonHeight);
    SetMinimumExtent(m_clearSettings, 180, ButtonHeight);
    m_wiredPanel->ApplyMinimumSizes();
}

void CNetSetUtilDlg::ApplyWirelessMinimumSizes()
{
    for (QPushButton *button :
        { m_priorityUp, m_priorityDown, m_add, m_import, m_delete, m_property })
        SetMinimumExtent(button, 170, ButtonHeight);
    SetMinimumExtent(m_useWireless, 0, 30);
}

void CNetSetUtilDlg::ConnectControls()
{
    connect(m_loadSettings, &QPushButton::clicked, this, &CNetSetUtilDlg::OnLoadSettings);
    connect(m_createSettingFile, &QPushButton::clicked, this, &CNetSetUtilDlg::OnCreateSettingFile);
    connect(m_exit, &QPushButton::clicked, this, &CNetSetUtilDlg::reject);
    connect(m_tabControl, &QTabWidget::currentChanged, this, &CNetSetUtilDlg::ShowPage);

    connect(m_wiredPanel->DhcpOn(), &QRadioButton::clicked, this, [this] { OnDhcpClicked(false); });
    connect(m_wiredPanel->DhcpOff(), &QRadioButton::clicked, this, [this] { OnDhcpClicked(true); });
    connect(
        m_wiredPanel->UseProxy(), &QCheckBox::clicked, this, &CNetSetUtilDlg::OnUseProxyClicked);
    connect(m_clearSettings, &QPushButton::clicked, this, &CNetSetUtilDlg::OnClearSettings);
}

void CNetSetUtilDlg::ConnectWirelessControls()
{
    // "Use wireless to connect network" needs no handler: the next gather takes its state.
    connect(m_priorityUp, &QPushButton::clicked, this, &CNetSetUtilDlg::OnPriorityUp);
    connect(m_priorityDown, &QPushButton::clicked, this, &CNetSetUtilDlg::OnPriorityDown);
    connect(m_add, &QPushButton::clicked, this, &CNetSetUtilDlg::OnAdd);
    connect(m_import, &QPushButton::clicked, this, &CNetSetUtilDlg::OnImport);
    connect(m_delete, &QPushButton::clicked, this, &CNetSetUtilDlg::OnDelete);
    connect(m_property, &QPushButton::clicked, this, &CNetSetUtilDlg::OnProperty);
    connect(m_wirelessList, &QListWidget::itemSelectionChanged, this,
        &CNetSetUtilDlg::UpdateListCommands);
    connect(m_wirelessList, &QListWidget::itemDoubleClicked, this,
        &CNetSetUtilDlg::OnListDoubleClicked);
    // The list widget has already moved the row when this arrives; the move is handed to the
    // document once the drop has finished, as the list commands must not rebuild the list
    // under a running drop.
    connect(m_wirelessList->model(), &QAbstractItemModel::rowsMoved, this,
        [this](const QModelIndex &, int start, int, const QModelIndex &, int row) {
            const int to = row > start ? row - 1 : row;
            QMetaObject::invokeMethod(
                this, [this, start, to] { OnListEntryDragged(start, to); }, Qt::QueuedConnection);
        });
}

void CNetSetUtilDlg::CollectControlState()
{
    MainWindowControls &c = m_document.m_controls;

    m_wiredPanel->Collect(c.m_connection);

    // Until its page is built, the wireless values have no controls to change them.
    if (!m_wirelessList)
        return;
    c.m_useWirelessChecked = m_useWireless->isChecked();
    c.m_wirelessList.clear();
    for (int row = 0; row < m_wirelessList->count(); ++row) {
        const QListWidgetItem *item = m_wirelessList->item(row);
        c.m_wirelessList.append({ item->text(), item->data(WirelessSlotRole).toInt() });
    }
    const QModelIndexList selected = m_wirelessList->selectionModel()->selectedIndexes();
    c.m_wirelessSelection = selected.isEmpty() ? -1 : selected.first().row();
}

void CNetSetUtilDlg::ApplyControlState()
{
    const MainWindowControls &c = m_document.m_controls;

    m_wiredPanel->Apply(c.m_connection);
    ApplyWirelessState();

    if (c.m_focusRequest == FocusRequest::WiredIpAddress) {
        ShowPage(0);
        m_wiredPanel->IpAddress()->setFocus(Qt::OtherFocusReason);
    }
    m_document.m_controls.m_focusRequest = FocusRequest::None;
}

void CNetSetUtilDlg::ApplyWirelessState()
{
    if (!m_wirelessList)
        return;
    const MainWindowControls &c = m_document.m_controls;
    m_useWireless->setChecked(c.m_useWirelessChecked);
    bool sameEntries = m_wirelessList->count() == c.m_wirelessList.size();
    for (int row = 0; sameEntries && row < m_wirelessList->count(); ++row) {
        const QListWidgetItem *item = m_wirelessList->item(row);
        const WirelessListEntry &entry = c.m_wirelessList[row];
        sameEntries
            = item->text() == entry.m_text && item->data(WirelessSlotRole).toInt() == entry.m_slot;
    }
    if (!sameEntries) {
        m_wirelessList->clear();
        for (const WirelessListEntry &entry : c.m_wirelessList) {
            auto *item = new QListWidgetItem(entry.m_text, m_wirelessList);
            item->setData(WirelessSlotRole, entry.m_slot);
        }
    }
    // A screen reader names each entry's place in the order, which the list shows only by position.
    const int count = m_wirelessList->count();
    for (int row = 0; row < count; ++row) {
        m_wirelessList->item(row)->setData(Qt::AccessibleDescriptionRole,
            MessageText(Msg::WirelessEntryPriority).toString().arg(row + 1).arg(count));
    }
    if (c.m_wirelessSelection >= 0 && c.m_wirelessSelection < m_wirelessList->count()) {
        m_wirelessList->setCurrentRow(c.m_wirelessSelection, QItemSelectionModel::ClearAndSelect);
    } else {
        m_wirelessList->clearSelection();
        m_wirelessList->setCurrentRow(-1);
    }
    UpdateListCommands();
}

template<typename Operation> void CNetSetUtilDlg::RunOnDocument(Operation &&operation)
{
    CollectControlState();
    operation();
    ApplyControlState();
}

void CNetSetUtilDlg::ShowPage(int index)
{
    if (index != 0 && index != 1)
        return;
    if (index == 1)
        BuildWirelessPage();
    if (m_tabControl->currentIndex() != index)
        m_tabControl->setCurrentIndex(index);
}

void CNetSetUtilDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Polishing and showing the controls post layout requests, and the tab widget answers its
    // own by repainting itself. Answered now, before the window is mapped, a size they change is
    // the size the window appears with, and their repaints join the first paint instead of
    // following it. Answering one can post the next (a resized window lays out its tab widget,
    // which asks its parents again), and those wait for the next round: the chain runs two deep,
    // the third round is to spare.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
#ifdef Q_OS_WIN
    AddAboutToSystemMenu();
#endif
}

void CNetSetUtilDlg::OnLoadSettings()
{
    RunOnDocument([this] { LoadSettingsCommand(m_document, *m_messageBox, *m_pathChooser); });
}

void CNetSetUtilDlg::OnCreateSettingFile()
{
    RunOnDocument([this] {
        CreateSettingFileCommand(m_document, *m_messageBox, *m_pathChooser, *m_removalProgress);
    });
}

void CNetSetUtilDlg::OnClearSettings()
{
    RunOnDocument([this] { ClearWiredSettings(m_document); });
}

void CNetSetUtilDlg::OnUseProxyClicked()
{
    RunOnDocument([this] { ApplyUseProxyChoice(m_document); });
}

void CNetSetUtilDlg::OnDhcpClicked(bool dhcpOff)
{
    // Only the enabling follows the click; m_dhcpMode follows at the next gather.
    RunOnDocument([this, dhcpOff] { m_document.m_controls.m_connection.EnableAddresses(dhcpOff); });
}

void CNetSetUtilDlg::OnPriorityUp()
{
    RunOnDocument([this] { RaiseWirelessPriority(m_document); });
}

void CNetSetUtilDlg::OnPriorityDown()
{
    RunOnDocument([this] { LowerWirelessPriority(m_document); });
}

void CNetSetUtilDlg::OnAdd()
{
    RunOnDocument([this] { AddWirelessProfile(m_document, *m_messageBox, *m_propertyDialog); });
}

void CNetSetUtilDlg::OnImport()
{
    if (!m_knownNetworks) {
        m_hostKnownNetworks = std::make_unique<CNetworkManagerSettings>(SystemBus());
        m_knownNetworks = m_hostKnownNetworks.get();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    KnownNetworksList known = m_knownNetworks->ListKnownWifiNetworks();
    QApplication::restoreOverrideCursor();

    const auto show = [this](MessageId text, MessageIcon icon) {
        m_messageBox->ShowMessage(ComposedMessage(MessageText(text)),
            MessageText(Msg::WirelessSettingCaption).toString(), icon, MessageButtons::Ok,
            QString());
    };
    if (known.m_status == KnownNetworksStatus::NoSystemBus) {
        show(Msg::ImportNoSystemBus, MessageIcon::Error);
        return;
    }
    if (known.m_status == KnownNetworksStatus::NoNetworkManager) {
        show(Msg::ImportNoNetworkManager, MessageIcon::Error);
        return;
    }
    if (known.m_networks.isEmpty()) {
        show(Msg::ImportNoNetworks, MessageIcon::Information);
        return;
    }

    QList<CNetworkSetting> profiles;
    for (const int index : m_importChooser->ChooseNetworks(known.m_networks)) {
        if (index >= 0 && index < known.m_networks.size()
            && known.m_networks.at(index).m_result.IsUsable())
            profiles.append(known.m_networks.at(index).m_result.m_profile);
    }
    for (KnownWifiNetwork &network : known.m_networks)
        WipeString(network.m_result.m_profile.m_networkKey);
    if (profiles.isEmpty())
        return;

    WirelessImportReport report;
    RunOnDocument(
        [this, &profiles, &report] { report = ImportWirelessProfiles(m_document, profiles); });
    // Told after the list shows the new entries, so that the message speaks of what is there.
    ShowWirelessImportReport(*m_messageBox, report);
    for (CNetworkSetting &profile : profiles)
        WipeString(profile.m_networkKey);
    if (report.m_firstKeyMissingPosition >= 0) {
        RunOnDocument([this, &report] {
            m_document.m_controls.m_wirelessSelection = report.m_firstKeyMissingPosition;
            EditWirelessProfile(m_document, *m_propertyDialog);
        });
    }
}

void CNetSetUtilDlg::OnDelete()
{
    RunOnDocument([this] { DeleteWirelessProfile(m_document, *m_messageBox); });
}

void CNetSetUtilDlg::OnProperty()
{
    RunOnDocument([this] { EditWirelessProfile(m_document, *m_propertyDialog); });
}

void CNetSetUtilDlg::OnListDoubleClicked()
{
    OnProperty();
}

void CNetSetUtilDlg::OnListEntryDragged(int from, int to)
{
    RunOnDocument([this, from, to] {
        // The gathered list already shows the drop; put the entry back so that the document's
        // own move decides the order, the entry texts and the selection.
        QList<WirelessListEntry> &list = m_document.m_controls.m_wirelessList;
        if (from < 0 || from >= list.size() || to < 0 || to >= list.size())
            return;
        list.move(to, from);
        MoveWirelessProfile(m_document, from, to);
    });
}

void CNetSetUtilDlg::RunCloseSequence(bool ok)
{
    RunOnDocument(
        [this, ok] { FinishSession(m_document, ok ? CloseCommand::Ok : CloseCommand::Cancel); });
}

void CNetSetUtilDlg::accept()
{
    if (m_closing)
        return;
    m_closing = true;
    RunCloseSequence(true);
    QDialog::accept();
    m_closing = false;
}

void CNetSetUtilDlg::reject()
{
    if (m_closing)
        return;
    m_closing = true;
    RunCloseSequence(false);
    QDialog::reject();
    m_closing = false;
}

void CNetSetUtilDlg::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier
        || (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Reaches the window only when the focused control did not use the key.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isVisible())
            button->click();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CNetSetUtilDlg::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(AboutMenuText(), this, &CNetSetUtilDlg::ShowAboutBox);
    menu.exec(event->globalPos());
}

void CNetSetUtilDlg::ShowAboutBox()
{
    CAboutDlg about(this);
    about.exec();
}

QList<QWidget *> CNetSetUtilDlg::OwnWindowsToBringForward() const
{
    // Only this process's windows: another program's window that shares a title is not ours
    // to raise.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QList<QWidget *> found;
    for (const QString &title : ForwardWindowTitles()) {
        for (QWidget *window : windows) {
            if (window != this && window->isVisible() && window->windowTitle() == title
                && !found.contains(window))
                found.append(window);
        }
    }
    return found;
}

void CNetSetUtilDlg::BringOwnWindowsForward()
{
    if (m_bringingForward)
        return;
    m_bringingForward = true;
    const QList<QWidget *> windows = OwnWindowsToBringForward();
    for (QWidget *window : windows)
        window->raise();
    if (!windows.isEmpty())
        windows.last()->activateWindow();
    m_bringingForward = false;
}

void CNetSetUtilDlg::BringToFront(const QByteArray &activationToken)
{
    // A Wayland compositor ignores raise() and lets a window come forward only with a token
    // from the launcher; Qt's Wayland platform takes the token for the next activation from
    // this variable (and clears it). The later start's token stands for this start's window.
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    // As the host does for a second start: to the front, but a minimised window stays so.
    raise();
    activateWindow();
}

bool CNetSetUtilDlg::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::WindowStateChange:
    case QEvent::ZOrderChange:
        BringOwnWindowsForward();
        break;
    default:
        break;
    }
    return handled;
}

#ifdef Q_OS_WIN
namespace {
constexpr UINT AboutCommand = 0x0010;
}

void CNetSetUtilDlg::AddAboutToSystemMenu()
{
    if (m_systemMenuReady)
        return;
    m_systemMenuReady = true;
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!menu)
        return;
    const std::wstring text = AboutMenuText().toStdWString();
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, AboutCommand, text.c_str());
}

bool CNetSetUtilDlg::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    const MSG *msg = static_cast<const MSG *>(message);
    if (eventType == "windows_generic_MSG" && msg->message == WM_SYSCOMMAND
        && (msg->wParam & 0xFFF0) == AboutCommand) {
        ShowAboutBox();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif
