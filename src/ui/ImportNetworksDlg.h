#pragma once

#include "platform/KnownNetworks.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// Asks which of the networks this computer knows to add to the wireless list.
class IImportChooser
{
public:
    virtual ~IImportChooser() = default;
    // Positions in `networks` of those chosen; empty when the user cancels.
    virtual QList<int> ChooseNetworks(const QList<KnownWifiNetwork> &networks) = 0;
};

// The list of known networks with a tick box each. Networks the reader cannot use are shown
// greyed with the reason in place of their security.
class CImportNetworksDlg : public QDialog
{
    Q_OBJECT

public:
    CImportNetworksDlg(const QList<KnownWifiNetwork> &networks, QWidget *owner);

    QList<int> Chosen() const;
    QTreeWidget *List() const { return m_list; }
    QPushButton *AddButton() const { return m_add; }

private:
    void UpdateAddButton();

    QLabel *m_prompt = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_cancel = nullptr;
};

class CImportNetworksLauncher final : public IImportChooser
{
public:
    explicit CImportNetworksLauncher(QWidget *owner)
        : m_owner(owner)
    { }
    QList<int> ChooseNetworks(const QList<KnownWifiNetwork> &networks) override;

private:
    QWidget *m_owner;
};
