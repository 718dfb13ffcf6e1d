#pragma once
// Reading one rule of a style sheet: the declarations of the first rule whose
// selector list names the selector.

#include <QString>

namespace StyleTesting {

inline QString ruleOf(QString const& sheet, QString const& selector)
{
    for (QString const& rule : sheet.split(QLatin1Char('}'))) {
        int const open = rule.indexOf(QLatin1Char('{'));
        if (open < 0)
            continue;
        for (QString const& s : rule.left(open).split(QLatin1Char(','))) {
            if (s.trimmed() == selector)
                return rule.mid(open + 1);
        }
    }
    return QString();
}

} // namespace StyleTesting
