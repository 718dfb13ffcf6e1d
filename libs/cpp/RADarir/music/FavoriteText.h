#pragma once
// How a transposer favorite is kept in the settings file: its name, ":", and
// its chord entries joined with ",". Every chord entry is a root name, a line
// feed and a type suffix, so entries never hold ":" or ","; the name is
// everything before the value's last ":", which lets a name hold ":" and ","
// and still read back whole. Pure functions, no settings access.

#include <QString>
#include <QStringList>
#include <QVariant>

namespace RADarir {
namespace FavoriteText {

struct Favorite
{
    QString name;
    QStringList chords;
};

QString toText(QString const& name, QStringList const& chords);
// A value without ":" is all name and all entries, as older files may hold.
// Empty entries are dropped: a favorite stored without chords reads back empty.
Favorite fromText(QString const& value);
// The favorite a stored value holds. A value written into the file by hand,
// without quotes, comes back from the settings split at its commas; it is
// read as the one text it is.
Favorite fromValue(QVariant const& value);

// The settings key of the favorite at index: "Favorite0", "Favorite1", ...
QString key(int index);
// The indexes that keys name, in ascending order; only keys of the form key()
// writes count ("Favorite01" or "Favorite-1" do not).
QList<int> indexesOf(QStringList const& keys);

} // namespace FavoriteText
} // namespace RADarir
