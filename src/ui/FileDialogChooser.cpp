#include "FileDialogChooser.h"

#include "MessageCatalog.h"

#include <QDir>
#include <QFileDialog>

CFileDialogChooser::CFileDialogChooser(QWidget *owner)
    : m_owner(owner)
{ }

QString CFileDialogChooser::ChooseFileToOpen(const QString &startFolder)
{
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("(*.ini)"));
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (!startFolder.isEmpty() && QDir(startFolder).exists())
        dialog.setDirectory(startFolder);
    dialog.selectFile(SettingsFileName.toString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString CFileDialogChooser::ChooseFolder(const QString &startFolder)
{
    QFileDialog dialog(m_owner, MessageText(Msg::SelectFolderTitle).toString());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Opening inside the last folder lets the user confirm it with one click.
    if (!startFolder.isEmpty() && QDir(startFolder).exists())
        dialog.setDirectory(startFolder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}
