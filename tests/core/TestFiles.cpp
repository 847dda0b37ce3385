#include "TestFiles.h"

#include "core/cipher/SecretCipher.h"

#include <QFile>
#include <QRegularExpression>

namespace TestFiles {

QString WithSealedValues(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("\\$seal\\(([^)]*)\\)"));
    QString result;
    qsizetype last = 0;
    QRegularExpressionMatchIterator it = marker.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        result += QStringView(text).sliced(last, m.capturedStart() - last);
        QString sealed;
        if (!EncryptSecret(m.captured(1), sealed))
            qFatal("cannot seal a test value");
        result += sealed;
        last = m.capturedEnd();
    }
    result += QStringView(text).sliced(last);
    return result;
}

QByteArray Bytes(const QString &text)
{
    QString crlf = WithSealedValues(text);
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return crlf.toUtf8();
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
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace TestFiles
