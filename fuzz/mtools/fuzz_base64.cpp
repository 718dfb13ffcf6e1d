// Base64 decoding of arbitrary text, read both as Latin-1 and as UTF-16 code
// units (whose Latin-1 narrowing the decoder does itself), against QByteArray's
// own conversions in both directions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QByteArray>
#include <QString>

#include "MTools/Base64.h"
#include "MTools/QByteArrayExtensions.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void decodeAndRecode(const QString& code)
{
    using MTools::Base64;
    const QByteArray bytes = Base64::decodeQByteArray(code);
    // Our own conversions give QByteArray's bytes and text, whatever the input.
    check(bytes == QByteArray::fromBase64(code.toLatin1()));

    // Whatever was decoded encodes to canonical Base64 and decodes back to itself.
    const QString recoded = Base64::codeQByteArray(bytes);
    check(recoded == QString::fromLatin1(bytes.toBase64()));
    check(recoded.size() % 4 == 0);
    check(recoded.size() == (bytes.size() + 2) / 3 * 4);
    for (QChar c : recoded) {
        const ushort u = c.unicode();
        check((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '+' || u == '/'
              || u == '=');
    }
    check(Base64::decodeQByteArray(recoded) == bytes);

    const QString text = Base64::decodeQString(code);
    check(text == MTools::QByteArrayExtensions::convertToQString(bytes));
    check(Base64::decodeQString(Base64::codeQString(text)) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int n = int(size);
    decodeAndRecode(QString::fromLatin1(reinterpret_cast<const char*>(data), n));
    QString units(n / 2, Qt::Uninitialized);
    std::memcpy(units.data(), data, size_t(units.size()) * 2);
    decodeAndRecode(units);
    return 0;
}
