#include "platform/DesktopVolumes.h"

#include "core/volumes/KernelVolumes.h"
#include "platform/SystemBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString Service = QStringLiteral("org.freedesktop.UDisks2");
const QString Root = QStringLiteral("/org/freedesktop/UDisks2");
const QString BlockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString FilesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString DriveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");

// Unmounting writes what the filesystem still holds in memory; a slow stick can take a while.
constexpr int RemovalTimeoutMs = 30000;

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QString, Interfaces>;

// A property value as a plain Qt value: containers arrive as D-Bus arguments still to be read.
QList<QByteArray> ByteStrings(const QVariant &value)
{
    QList<QByteArray> list;
    if (value.canConvert<QDBusArgument>()) {
        const QDBusArgument argument = value.value<QDBusArgument>();
        if (argument.currentSignature() == u"aay")
            argument >> list;
    }
    return list;
}

QString ObjectPath(const QVariant &value)
{
    return value.value<QDBusObjectPath>().path();
}

QDBusMessage ManagedObjectsCall()
{
    return QDBusMessage::createMethodCall(
        Service, Root, u"org.freedesktop.DBus.ObjectManager"_s, u"GetManagedObjects"_s);
}

bool ReadManagedObjects(const QDBusMessage &reply, ManagedObjects &objects)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1
        || reply.signature() != u"a{oa{sa{sv}}}")
        return false;
    const QDBusArgument argument = reply.arguments().first().value<QDBusArgument>();
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        Interfaces interfaces;
        argument.beginMapEntry();
        argument >> path >> interfaces;
        argument.endMapEntry();
        objects.insert(path.path(), interfaces);
    }
    argument.endMap();
    return true;
}

bool IsRemovableDrive(const QVariantMap &drive)
{
    const QString bus = drive.value(u"ConnectionBus"_s).toString();
    return drive.value(u"Removable"_s).toBool() || drive.value(u"MediaRemovable"_s).toBool()
        || bus == u"usb" || bus == u"sdio";
}

QStringList MountPoints(const Interfaces &object)
{
    QStringList points;
    for (QByteArray point :
        ByteStrings(object.value(FilesystemInterface).value(u"MountPoints"_s))) {
        // Each path is stored with its terminating NUL.
        if (point.endsWith('\0'))
            point.chop(1);
        if (!point.isEmpty())
            points.append(QString::fromLocal8Bit(point));
    }
    return points;
}

QString DriveOf(const Interfaces &object)
{
    return ObjectPath(object.value(BlockInterface).value(u"Drive"_s));
}

QList<RemovableVolume> RemovableFrom(const ManagedObjects &objects)
{
    QList<RemovableVolume> volumes;
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        const Interfaces &object = it.value();
        if (!object.contains(FilesystemInterface) || !object.contains(BlockInterface))
            continue;
        const QVariantMap block = object.value(BlockInterface);
        if (block.value(u"HintIgnore"_s).toBool())
            continue;
        const QString drive = DriveOf(object);
        if (drive.isEmpty() || drive == u"/"
            || !IsRemovableDrive(objects.value(drive).value(DriveInterface)))
            continue;
        QString label = block.value(u"IdLabel"_s).toString();
        for (const QString &point : MountPoints(object)) {
            if (point == u"/")
                continue;
            volumes.append(
                { point, label.isEmpty() ? QFileInfo(point).fileName() : label, it.key() });
        }
    }
    return volumes;
}

EjectResult Failure(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    if (name == u"org.freedesktop.UDisks2.Error.DeviceBusy")
        return { EjectStatus::Busy, reply.errorMessage() };
    if (name == u"org.freedesktop.DBus.Error.ServiceUnknown")
        return { EjectStatus::NotPossible, reply.errorMessage() };
    return { EjectStatus::Failed, reply.errorMessage() };
}

QDBusMessage CallWithNoOptions(const QString &path, const QString &interface, const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, interface, method);
    call << QVariantMap();
    return call;
}

// Powering off stops the whole drive: only when nothing else on it is still mounted. A drive
// that will not power off is still safe to pull once its filesystem is unmounted.
bool MayPowerOff(const ManagedObjects &objects, const QString &filesystem, const QString &drive)
{
    if (!objects.value(drive).value(DriveInterface).value(u"CanPowerOff"_s).toBool())
        return false;
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        if (it.key() != filesystem && DriveOf(it.value()) == drive
            && !MountPoints(it.value()).isEmpty())
            return false;
    }
    return true;
}

} // namespace

CDesktopVolumes::CDesktopVolumes()
    : m_mountInfoPath(u"/proc/self/mountinfo"_s)
    , m_sysRoot(u"/sys"_s)
{ }

QDBusConnection CDesktopVolumes::Bus()
{
    if (!m_bus)
        m_bus = SystemBus();
    return *m_bus;
}

CDesktopVolumes::CDesktopVolumes(QDBusConnection bus, QString mountInfoPath, QString sysRoot)
    : m_bus(std::move(bus))
    , m_mountInfoPath(std::move(mountInfoPath))
    , m_sysRoot(std::move(sysRoot))
{ }

QList<RemovableVolume> CDesktopVolumes::MountedVolumes()
{
    ManagedObjects objects;
    const QDBusConnection bus = Bus();
    if (bus.isConnected()
        && ReadManagedObjects(
            bus.call(ManagedObjectsCall(), QDBus::Block, SystemBusTimeoutMs), objects))
        return RemovableFrom(objects);
    return CKernelVolumes(m_mountInfoPath, m_sysRoot).MountedVolumes();
}

void CDesktopVolumes::Call(
    const QDBusMessage &call, int timeoutMs, std::function<void(const QDBusMessage &)> then)
{
    // Owned by m_calls: a reply that comes after this object is gone is dropped with it.
    auto *watcher = new QDBusPendingCallWatcher(Bus().asyncCall(call, timeoutMs), &m_calls);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_calls,
        [watcher, then = std::move(then)] {
            watcher->deleteLater();
            then(watcher->reply());
        });
}

void CDesktopVolumes::Eject(const RemovableVolume &volume, EjectDone done)
{
    if (volume.ejectHandle.isEmpty() || !Bus().isConnected())
        return done({ EjectStatus::NotPossible, {} });
    const QString filesystem = volume.ejectHandle;
    Call(ManagedObjectsCall(), SystemBusTimeoutMs,
        [this, filesystem, done = std::move(done)](const QDBusMessage &reply) {
            ManagedObjects objects;
            if (!ReadManagedObjects(reply, objects))
                return done({ EjectStatus::NotPossible, {} });
            if (!objects.contains(filesystem))
                return done({ EjectStatus::Failed, {} });
            const QString drive = DriveOf(objects.value(filesystem));
            // A refused power-off leaves an unmounted filesystem, which is safe to pull.
            const auto powerOff = [this, drive, done](bool allowed) {
                if (!allowed)
                    return done({ EjectStatus::Removed, {} });
                Call(CallWithNoOptions(drive, DriveInterface, u"PowerOff"_s), RemovalTimeoutMs,
                    [done](const QDBusMessage &) { done({ EjectStatus::Removed, {} }); });
            };
            const bool mayPowerOff = MayPowerOff(objects, filesystem, drive);
            if (MountPoints(objects.value(filesystem)).isEmpty())
                return powerOff(mayPowerOff);
            Call(CallWithNoOptions(filesystem, FilesystemInterface, u"Unmount"_s),
                RemovalTimeoutMs, [done, powerOff, mayPowerOff](const QDBusMessage &unmounted) {
                    if (unmounted.type() != QDBusMessage::ReplyMessage)
                        return done(Failure(unmounted));
                    powerOff(mayPowerOff);
                });
        });
}
