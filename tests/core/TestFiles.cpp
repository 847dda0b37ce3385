#include "TestFiles.h"

#include "core/cipher/SecretCipher.h"

#include <QFile>
#include <QRegularExpression>

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

} // namespace TestFiles
