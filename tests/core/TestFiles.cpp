#include "TestFiles.h"

#include "core/cipher/SecretCipher.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>

namespace TestFiles {

QByteArray Bytes(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("\\$seal\\(([^)]*)\\)"));
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text)) {
        QString sealed;
        if (!EncryptSecret(m.captured(1), sealed))
            qFatal("cannot seal a test value");
        result += QStringView(text).sliced(last, m.capturedStart() - last);
        result += sealed;
        last = m.capturedEnd();
    }
    result += QStringView(text).sliced(last);
    return result.replace(u'\n', QStringLiteral("\r\n")).toUtf8();
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Mode(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                    : -1;
}

QStringList Entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.sort();
    return names;
}

CSettingsFolder::CSettingsFolder(const QByteArray &bytes)
{
    if (!Write(m_path, bytes))
        qFatal("cannot write a test settings file");
}

} // namespace TestFiles
