#include "Base64.h"

#include "QByteArrayExtensions.h"

namespace MTools {

QString Base64::codeQString(const QString& text)
{
    return codeQByteArray(QByteArrayExtensions::convertFromQString(text));
}

QString Base64::decodeQString(const QString& code)
{
    return QByteArrayExtensions::convertToQString(decodeQByteArray(code));
}

QString Base64::codeQByteArray(const QByteArray& data)
{
    return QString::fromLatin1(data.toBase64());
}

QByteArray Base64::decodeQByteArray(const QString& code)
{
    return QByteArray::fromBase64(code.toLatin1());
}

} // namespace MTools
