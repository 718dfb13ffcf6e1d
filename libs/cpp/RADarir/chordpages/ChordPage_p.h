#pragma once
// What the eight chord pages share: their sample paths, the one way an entry
// is written into the base's tables, the registration of the chord photos and
// the shop that is made once. Private to the chord pages.

#include "RADarir/chordpages/tables/ChordTables.h"
#include "RADarir/music/BaseMainPage.h"

#include <QLoggingCategory>
#include <QStringList>
#include <QVector>

Q_DECLARE_LOGGING_CATEGORY(lcChordPages)

namespace RADarir {

class ChordView;

namespace ChordPagesPrivate {

// The full path of every file of the page's sample set, lowest note first.
QStringList samplePaths(QString const& resourcePath, ChordTables::Layout const& layout);

// Writes entry `index` of both tables: the values unchanged, and for each the
// path of the sample it selects or an empty path. An index outside the tables
// is ignored, so that no caller can write past them.
void storeChord(QVector<QStringList>& sounds, QVector<QVector<int>>& tabs, QStringList const& samplePaths,
                ChordTables::Layout const& layout, int index, QVector<int> const& values);

// Makes the chord photos of the bundle's resource folder readable as ":/"
// resources, once per program; a missing file leaves the photo view empty.
void registerPhotos(QString const& resourcePath);

// The last construction step of every page: the view opens on chord 0, "A".
void showFirstChord(ChordView* view, QVector<QVector<int>> const& tabs);

// A page makes its shop once: a second call would add a second shop and a
// second set of menu entries.
template <class Shop>
void addShopOnce(BaseMainPage* page, MusicShopBase*& shop)
{
    if (shop)
        return;
    shop = new Shop(page);
    page->doShopConnections();
}

} // namespace ChordPagesPrivate
} // namespace RADarir
