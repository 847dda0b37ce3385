#pragma once

#include "core/volumes/RemovableVolumes.h"

#include <QByteArray>

// One line of /proc/self/mountinfo.
struct MountInfoEntry
{
    int major = 0;
    int minor = 0;
    QString root; // the part of the filesystem mounted here, "/" for all of it
    QString mountPoint; // escapes decoded
    QString fileSystem;
    QString source; // the device, escapes decoded
};

// Parses the kernel's mount table text; lines that do not have its shape are left out.
QList<MountInfoEntry> ParseMountInfo(const QByteArray &text);

// The kernel's view of removable volumes, for a desktop without a disk service: mounts of whole
// filesystems on block devices that are marked removable, are SD cards or sit on USB. It cannot
// remove a volume. The paths are parameters so that tests can hand it tables of their own.
class CKernelVolumes final : public IRemovableVolumes
{
public:
    explicit CKernelVolumes(QString mountInfoPath = QStringLiteral("/proc/self/mountinfo"),
        QString sysRoot = QStringLiteral("/sys"));

    QList<RemovableVolume> MountedVolumes() override;
    void Eject(const RemovableVolume &volume, EjectDone done) override;

    // Whether the block device `major`:`minor` is, or is a partition of, a removable disk.
    bool IsRemovableDevice(int major, int minor) const;

private:
    QString m_mountInfoPath;
    QString m_sysRoot;
};
