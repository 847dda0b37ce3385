#pragma once

#include "core/commands/FileCommands.h"

class QWidget;

// The file commands' locations picked in the host's file dialogs, modal over `owner`.
class CFileDialogChooser : public IPathChooser
{
public:
    explicit CFileDialogChooser(QWidget *owner);

    QString ChooseFileToOpen(const QString &startFolder) override;
    QString ChooseFolder(const QString &startFolder) override;

private:
    QWidget *m_owner;
};
