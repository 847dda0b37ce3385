#include "ui/FileDialogChooser.h"

#include "i18n/MessageCatalog.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QUrl>

namespace {

// The row role under which the dialog's places list keeps each place's address.
constexpr int PlaceUrlRole = Qt::UserRole + 1;

void AddVolumeShortcuts(QFileDialog &dialog, const QList<RemovableVolume> &volumes)
{
    if (volumes.isEmpty())
        return;
    QList<QUrl> places = dialog.sidebarUrls();
    for (const RemovableVolume &volume : volumes) {
        const QUrl place = QUrl::fromLocalFile(volume.mountPath);
        if (!places.contains(place))
            places.append(place);
    }
    dialog.setSidebarUrls(places);
    // The list names a place after its folder; a card is known by its label.
    auto *list = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
    QAbstractItemModel *model = list ? list->model() : nullptr;
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QString path = model->data(index, PlaceUrlRole).toUrl().toLocalFile();
        for (const RemovableVolume &volume : volumes) {
            if (!path.isEmpty() && QDir::cleanPath(path) == QDir::cleanPath(volume.mountPath)) {
                model->setData(index, volume.label, Qt::DisplayRole);
                model->setData(index, QDir::toNativeSeparators(volume.mountPath), Qt::ToolTipRole);
            }
        }
    }
}

} // namespace

CFileDialogChooser::CFileDialogChooser(QWidget *owner, IRemovableVolumes &volumes)
    : m_owner(owner)
    , m_volumes(volumes)
{ }

QString CFileDialogChooser::Prepare(QFileDialog &dialog, const QString &startFolder)
{
    const QList<RemovableVolume> volumes = m_volumes.MountedVolumes();
    AddVolumeShortcuts(dialog, volumes);
    // The host's dialogs open on the desktop when there is no folder to go back to; the current
    // directory of a program started from a menu means nothing to its user.
    return ChooserStartFolder(startFolder, volumes, QDir::homePath());
}

QString CFileDialogChooser::ChooseFileToOpen(const QString &startFolder)
{
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("(*.ini)"));
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    dialog.setDirectory(Prepare(dialog, startFolder));
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
    dialog.setDirectory(Prepare(dialog, startFolder));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}
