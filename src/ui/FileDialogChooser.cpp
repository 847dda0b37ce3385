#include "ui/FileDialogChooser.h"

#include "i18n/MessageCatalog.h"

#include <QDir>
#include <QFileDialog>

namespace {

// The host's dialogs open on the desktop when there is no folder to go back to; the current
// directory of a program started from a menu means nothing to its user.
QString StartFolder(const QString &folder)
{
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QDir::homePath();
}

} // namespace

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
    dialog.setDirectory(StartFolder(startFolder));
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
    dialog.setDirectory(StartFolder(startFolder));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}
