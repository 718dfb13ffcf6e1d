#pragma once

#include <QRegExp>

namespace MTools {

// Ready-made regular expressions. Callers match them against the whole text.
class RegExps
{
public:
    static QRegExp email();
};

} // namespace MTools
