#include "RADarir/music/FavoriteText.h"

#include <algorithm>

namespace RADarir {
namespace FavoriteText {

namespace {

QChar const kNameEnd = QLatin1Char(':');
QChar const kEntrySeparator = QLatin1Char(',');
QLatin1String const kKeyPrefix("Favorite");

} // namespace

QString toText(QString const& name, QStringList const& chords)
{
    return name + kNameEnd + chords.join(kEntrySeparator);
}

Favorite fromText(QString const& value)
{
    int const nameEnd = value.lastIndexOf(kNameEnd);
    Favorite favorite;
    favorite.name = nameEnd < 0 ? value : value.left(nameEnd);
    favorite.chords = value.mid(nameEnd + 1).split(kEntrySeparator, Qt::SkipEmptyParts);
    return favorite;
}

Favorite fromValue(QVariant const& value)
{
    if (value.userType() == QMetaType::QStringList)
        return fromText(value.toStringList().join(kEntrySeparator));
    return fromText(value.toString());
}

QString key(int index)
{
    return kKeyPrefix + QString::number(index);
}

QList<int> indexesOf(QStringList const& keys)
{
    QList<int> indexes;
    for (QString const& candidate : keys) {
        if (!candidate.startsWith(kKeyPrefix))
            continue;
        QString const digits = candidate.mid(kKeyPrefix.size());
        bool ok = false;
        int const index = digits.toInt(&ok);
        if (ok && index >= 0 && QString::number(index) == digits)
            indexes << index;
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

} // namespace FavoriteText
} // namespace RADarir
