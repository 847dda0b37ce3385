#pragma once

#include <QList>
#include <QString>

// A mounted volume the user can take out: an SD card, a USB stick.
struct RemovableVolume
{
    QString mountPath; // where its files are, without a trailing separator
    QString label; // the name the user knows it by
    // What the provider needs to remove it safely; empty when it cannot.
    QString ejectHandle;
};

enum class EjectStatus {
    Removed, // unmounted (and powered off where the drive allows): it may be pulled now
    Busy, // a program still has files on it open
    NotPossible, // no service that can remove it is running
    Failed, // refused or failed for another reason, see `reason`
};

struct EjectResult
{
    EjectStatus status = EjectStatus::Failed;
    QString reason; // the system's words, when it gave any
};

// The removable volumes mounted now, and their safe removal. The desktop implements it with its
// disk service or the kernel's tables; tests with a script.
class IRemovableVolumes
{
public:
    virtual ~IRemovableVolumes() = default;
    virtual QList<RemovableVolume> MountedVolumes() = 0;
    virtual EjectResult Eject(const RemovableVolume &volume) = 0;
};

// For callers with no way to see volumes: none are mounted.
IRemovableVolumes &NoRemovableVolumes();

// The volume whose files include `path` (the deepest, should volumes be mounted inside one
// another), or nullptr.
const RemovableVolume *VolumeHolding(const QList<RemovableVolume> &volumes, const QString &path);

// Where a folder or file chooser opens: the remembered folder while it exists; else the one
// removable volume when exactly one is mounted; else `fallback`.
QString ChooserStartFolder(
    const QString &remembered, const QList<RemovableVolume> &volumes, const QString &fallback);
