#pragma once

#include "core/commands/FileCommands.h"

class QFileDialog;
class QWidget;

// The file commands' locations picked in the host's file dialogs, modal over `owner`. The
// removable volumes mounted when a dialog opens are among its shortcuts, by their labels.
class CFileDialogChooser : public IPathChooser
{
public:
    explicit CFileDialogChooser(QWidget *owner, IRemovableVolumes &volumes = NoRemovableVolumes());

    QString ChooseFileToOpen(const QString &startFolder) override;
    QString ChooseFolder(const QString &startFolder) override;

private:
    // Where the dialog opens; adds the volume shortcuts.
    QString Prepare(QFileDialog &dialog, const QString &startFolder);

    QWidget *m_owner;
    IRemovableVolumes &m_volumes;
};
