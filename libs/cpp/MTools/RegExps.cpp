#include "MTools/RegExps.h"

namespace MTools {

QRegExp RegExps::email()
{
    // The ending after the last dot is either a name of two or more letters
    // (newer top-level domains such as "museum" or "photography" are longer than
    // four) or one to three digits of a numeric host.
    return QRegExp(QStringLiteral("([a-zA-Z0-9_\\-\\.]+)@([a-zA-Z0-9_.-])+\\.([a-zA-Z]{2,}|[0-9]{1,3})"),
                   Qt::CaseSensitive, QRegExp::RegExp);
}

} // namespace MTools
