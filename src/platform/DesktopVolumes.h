#pragma once

#include "core/volumes/RemovableVolumes.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

// The removable volumes as the desktop's disk service (UDisks2) sees them: filesystems that are
// mounted on a drive that is removable, takes removable media, or sits on USB or SDIO. Without
// the service the kernel's tables stand in, and nothing can be removed.
//
// Every call waits at most SystemBusTimeoutMs, except the unmount and power-off of a removal,
// which the user asked for and which may need to write the filesystem's last changes; the
// removal's calls run while the event loop goes on, and their outcome comes from it.
class CDesktopVolumes final : public IRemovableVolumes
{
public:
    // Connects to the system bus only when first asked, never at start-up.
    CDesktopVolumes();
    // For tests: another bus, and the kernel's tables from elsewhere.
    CDesktopVolumes(QDBusConnection bus, QString mountInfoPath, QString sysRoot);

    QList<RemovableVolume> MountedVolumes() override;
    void Eject(const RemovableVolume &volume, EjectDone done) override;

private:
    QDBusConnection Bus();
    // Sends `call` and hands its reply, or the error in its place, to `then`.
    void Call(const QDBusMessage &call, int timeoutMs,
        std::function<void(const QDBusMessage &)> then);

    std::optional<QDBusConnection> m_bus; // none yet: the system bus, when first asked
    QString m_mountInfoPath;
    QString m_sysRoot;
    QObject m_calls; // the replies still awaited
};
