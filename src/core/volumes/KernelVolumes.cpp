#include "core/volumes/KernelVolumes.h"

#include "core/file/BoundedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// The table escapes blanks, tabs, line breaks and backslashes in paths as three octal digits.
QString DecodeField(QByteArrayView field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], d = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && d >= '0' && d <= '7') {
                out += char(((a - '0') << 6) | ((b - '0') << 3) | (d - '0'));
                i += 3;
                continue;
            }
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

bool ParseDeviceNumbers(QByteArrayView field, int &major, int &minor)
{
    const qsizetype colon = field.indexOf(':');
    if (colon <= 0)
        return false;
    bool okMajor = false, okMinor = false;
    major = field.first(colon).toInt(&okMajor);
    minor = field.sliced(colon + 1).toInt(&okMinor);
    return okMajor && okMinor && major >= 0 && minor >= 0;
}

QByteArray ReadSmallFile(const QString &path)
{
    QByteArray bytes;
    if (ReadBoundedFile(path, 4096, bytes) != BoundedReadStatus::Read)
        return {};
    return bytes.trimmed();
}

} // namespace

QList<MountInfoEntry> ParseMountInfo(const QByteArray &text)
{
    QList<MountInfoEntry> entries;
    for (const QByteArray &line : text.split('\n')) {
        // id parent major:minor root mount-point options [optional fields...] - type source super
        QList<QByteArray> fields = line.split(' ');
        fields.removeAll(QByteArray());
        const qsizetype separator = fields.indexOf(QByteArray("-"));
        if (separator < 6 || fields.size() < separator + 3)
            continue;
        MountInfoEntry entry;
        if (!ParseDeviceNumbers(fields[2], entry.major, entry.minor))
            continue;
        entry.root = DecodeField(fields[3]);
        entry.mountPoint = DecodeField(fields[4]);
        entry.fileSystem = DecodeField(fields[separator + 1]);
        entry.source = DecodeField(fields[separator + 2]);
        entries.append(entry);
    }
    return entries;
}

CKernelVolumes::CKernelVolumes(QString mountInfoPath, QString sysRoot)
    : m_mountInfoPath(std::move(mountInfoPath))
    , m_sysRoot(std::move(sysRoot))
{ }

bool CKernelVolumes::IsRemovableDevice(int major, int minor) const
{
    // Major 0 is no block device (proc, tmpfs, overlays): most of a desktop's mounts, each of
    // which would otherwise cost a look into sysfs after every Create.
    if (major == 0)
        return false;
    const QString link = m_sysRoot + QStringLiteral("/dev/block/%1:%2").arg(major).arg(minor);
    QString device = QFileInfo(link).canonicalFilePath();
    if (device.isEmpty())
        return false;
    // A partition's attributes are its disk's, one folder up.
    if (QFileInfo::exists(device + QStringLiteral("/partition")))
        device = QFileInfo(device).path();
    if (ReadSmallFile(device + QStringLiteral("/removable")) == "1")
        return true;
    // Built-in card readers mark their cards fixed; the card type says what they are.
    if (ReadSmallFile(device + QStringLiteral("/device/type")) == "SD")
        return true;
    return device.contains(QStringLiteral("/usb"));
}

QList<RemovableVolume> CKernelVolumes::MountedVolumes()
{
    QByteArray table;
    if (ReadBoundedFile(m_mountInfoPath, 4 * 1024 * 1024, table) != BoundedReadStatus::Read)
        return {};
    QList<RemovableVolume> volumes;
    QSet<QString> seen;
    for (const MountInfoEntry &entry : ParseMountInfo(table)) {
        // A bind mount of one folder is not the volume, and the system's own root is never
        // offered, even when it was started from a stick.
        if (entry.root != u'/' || entry.mountPoint == u'/' || seen.contains(entry.mountPoint))
            continue;
        if (!IsRemovableDevice(entry.major, entry.minor))
            continue;
        seen.insert(entry.mountPoint);
        volumes.append({ entry.mountPoint, QFileInfo(entry.mountPoint).fileName(), {} });
    }
    return volumes;
}

void CKernelVolumes::Eject(const RemovableVolume &, EjectDone done)
{
    done({ EjectStatus::NotPossible, {} });
}
