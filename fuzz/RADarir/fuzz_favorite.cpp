// Stored favorites on arbitrary text: reading must answer, keep no empty
// entry, and a favorite read back and written again must read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QString>

#include "RADarir/music/FavoriteText.h"

using namespace RADarir;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString const value = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    FavoriteText::Favorite const favorite = FavoriteText::fromText(value);
    for (QString const& chord : favorite.chords) {
        if (chord.isEmpty())
            std::abort();
    }
    // The entries come from after the value's last ":", so they hold none, and
    // the ":" written after the name is again the last one.
    FavoriteText::Favorite const again = FavoriteText::fromText(FavoriteText::toText(favorite.name, favorite.chords));
    if (again.name != favorite.name || again.chords != favorite.chords)
        std::abort();
    return 0;
}
