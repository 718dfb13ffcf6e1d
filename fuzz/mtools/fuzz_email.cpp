// The e-mail pattern on arbitrary text: it must answer, and whatever it accepts
// must have the shape of an address.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QRegExp>
#include <QString>

#include "MTools/RegExps.h"

namespace {

bool isLetter(QChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

bool looksLikeAddress(const QString& text)
{
    if (text.count('@') != 1)
        return false;
    for (QChar c : text)
        if (!isLetter(c) && !isDigit(c) && c != '_' && c != '-' && c != '.' && c != '@')
            return false;
    const int at = text.indexOf('@');
    const int dot = text.lastIndexOf('.');
    // Something before the at sign, something between it and the last dot.
    if (at < 1 || dot < at + 2)
        return false;
    const QString ending = text.mid(dot + 1);
    const bool letters = ending.size() >= 2 && std::all_of(ending.begin(), ending.end(), isLetter);
    const bool digits = ending.size() >= 1 && ending.size() <= 3 && std::all_of(ending.begin(), ending.end(), isDigit);
    return letters || digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    QRegExp email = MTools::RegExps::email();
    if (email.exactMatch(text) && !looksLikeAddress(text))
        std::abort();
    return 0;
}
