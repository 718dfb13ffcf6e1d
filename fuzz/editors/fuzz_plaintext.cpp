// Reading any bytes as plain text and writing the text back: the same bytes,
// whatever they are. After an edit (chosen by the first byte: a character
// inserted, removed or a line broken at a place), the text written once and
// written again from the format of the first write gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QString>

#include "ZEDireroz/editors/PlainTextFile.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const ZEDireroz::PlainText read = ZEDireroz::readPlainText(bytes);
    QByteArray written;
    check(ZEDireroz::writePlainText(read.text, read.format, &written));
    check(written == bytes);

    if (size == 0)
        return 0;
    QString text = read.text;
    const int at = text.isEmpty() ? 0 : int(data[0]) % (text.size() + 1);
    switch (data[0] % 4) {
    case 0:
        text.insert(at, QLatin1Char('x'));
        break;
    case 1:
        text.remove(at, 1);
        break;
    case 2:
        text.insert(at, QLatin1Char('\n'));
        break;
    default:
        text.insert(at, QChar(0x20ac));
        break;
    }
    ZEDireroz::PlainTextFormat format;
    if (!ZEDireroz::writePlainText(text, read.format, &written, &format))
        return 0;
    QByteArray again;
    check(ZEDireroz::writePlainText(text, format, &again));
    check(again == written);
    return 0;
}
