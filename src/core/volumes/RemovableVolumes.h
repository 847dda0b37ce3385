#pragma once

#include <QList>
#include <QString>

#include <functional>

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

using EjectDone = std::function<void(const EjectResult &)>;

// The removable volumes mounted now, and their safe removal. The desktop implements it with its
// disk service or the kernel's tables; tests with a script.
class IRemovableVolumes
{
public:
    virtual ~IRemovableVolumes() = default;
    virtual QList<RemovableVolume> MountedVolumes() = 0;
    // Unmounting writes what the filesystem still holds and may take many seconds, so the
    // removal does not wait: `done` gets the outcome once, from the event loop or, when the
    // removal cannot even start, before Eject returns. It is never called once the provider is
    // destroyed.
    virtual void Eject(const RemovableVolume &volume, EjectDone done) = 0;
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
