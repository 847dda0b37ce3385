#include "core/volumes/RemovableVolumes.h"

#include <QDir>
#include <QFileInfo>

namespace {

class CNoRemovableVolumes final : public IRemovableVolumes
{
public:
    QList<RemovableVolume> MountedVolumes() override { return {}; }
    void Eject(const RemovableVolume &, EjectDone done) override
    {
        done({ EjectStatus::NotPossible, {} });
    }
};

// Compares whole path components: /media/card does not hold /media/card2.
bool IsInside(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (path == folder)
        return true;
    if (folder.endsWith(u'/'))
        return path.startsWith(folder);
    return path.startsWith(folder) && path.at(folder.size()) == u'/';
}

QString Comparable(const QString &path)
{
    // Links resolved, so that a path through a symbolic link still finds its volume.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return QDir::cleanPath(QDir::fromNativeSeparators(canonical.isEmpty() ? path : canonical));
}

} // namespace

IRemovableVolumes &NoRemovableVolumes()
{
    static CNoRemovableVolumes none;
    return none;
}

const RemovableVolume *VolumeHolding(const QList<RemovableVolume> &volumes, const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    const QString target = Comparable(path);
    const RemovableVolume *best = nullptr;
    qsizetype bestLength = -1;
    for (const RemovableVolume &volume : volumes) {
        const QString mount = Comparable(volume.mountPath);
        if (IsInside(target, mount) && mount.size() > bestLength) {
            best = &volume;
            bestLength = mount.size();
        }
    }
    return best;
}

QString ChooserStartFolder(
    const QString &remembered, const QList<RemovableVolume> &volumes, const QString &fallback)
{
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    if (volumes.size() == 1)
        return volumes.first().mountPath;
    return fallback;
}
