#include "ui/ImportNetworksDlg.h"

#include "core/commands/WifiProperty.h"
#include "i18n/MessageCatalog.h"
#include "ui/CatalogText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int NetworkIndexRole = Qt::UserRole;

QString SecurityText(int code)
{
    const int position = SecurityListPosition(code);
    return position < 0 ? QString() : Text(SecurityList[size_t(position)].m_text);
}

} // namespace

CImportNetworksDlg::CImportNetworksDlg(const QList<KnownWifiNetwork> &networks, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("importNetworks"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(Text(Msg::ImportNetworksTitle));

    m_prompt = new QLabel(Text(Msg::ImportNetworksPrompt), this);
    m_prompt->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("importList"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({ Text(Msg::ImportSsidColumn), Text(Msg::ImportSecurityColumn) });
    m_list->setAccessibleName(Text(Msg::ImportNetworksPrompt));
    m_list->setMinimumSize(460, 240);
    m_prompt->setBuddy(m_list);

    for (qsizetype i = 0; i < networks.size(); ++i) {
        const WifiImportResult &result = networks.at(i).m_result;
        auto *item = new QTreeWidgetItem(m_list);
        const QString ssid = result.m_refusal == WifiImportRefusal::SsidNotText
            ? networks.at(i).m_connectionName
            : result.m_profile.m_ssid;
        item->setText(0, ssid);
        item->setData(0, NetworkIndexRole, int(i));
        if (result.IsUsable()) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
            item->setText(1, SecurityText(result.m_profile.m_securityMode));
        } else {
            const QString reason = Text(WifiImportRefusalMessage(result));
            item->setFlags(Qt::ItemIsSelectable);
            item->setText(1, reason);
            item->setToolTip(0, reason);
            item->setToolTip(1, reason);
        }
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    m_add = new QPushButton(Text(Msg::ImportAddButton), this);
    m_add->setObjectName(QStringLiteral("importAdd"));
    m_add->setDefault(true);
    m_cancel = new QPushButton(Text(Msg::CancelButton), this);
    m_cancel->setObjectName(QStringLiteral("importCancel"));
    m_cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_add);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemChanged, this, &CImportNetworksDlg::UpdateAddButton);
    UpdateAddButton();
}

QList<int> CImportNetworksDlg::Chosen() const
{
    QList<int> chosen;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        if ((item->flags() & Qt::ItemIsEnabled) && item->checkState(0) == Qt::Checked)
            chosen.append(item->data(0, NetworkIndexRole).toInt());
    }
    return chosen;
}

void CImportNetworksDlg::UpdateAddButton()
{
    m_add->setEnabled(!Chosen().isEmpty());
}

QList<int> CImportNetworksLauncher::ChooseNetworks(const QList<KnownWifiNetwork> &networks)
{
    CImportNetworksDlg dialog(networks, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.Chosen();
}
