#include "RADarir/music/FavoriteText.h"

namespace RADarir {
namespace FavoriteText {

namespace {

QChar const kNameEnd = QLatin1Char(':');
QChar const kEntrySeparator = QLatin1Char(',');

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

} // namespace FavoriteText
} // namespace RADarir
