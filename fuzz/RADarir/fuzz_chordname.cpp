// Chord names on arbitrary text: the reader must answer, with no chord or a
// chord index in range, and whatever it reads as a chord must be one of the
// names built from the root names and suffixes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QString>

#include "RADarir/music/ChordNames.h"

using namespace RADarir;

namespace {

bool isChordName(QString const& text, int index)
{
    for (QString const& root : ChordNames::rootNames()) {
        if (!text.startsWith(root))
            continue;
        int const type = ChordNames::suffixes().indexOf(text.mid(root.size()));
        if (type >= 0 && ChordNames::rootOfName(root) * ChordNames::kTypeCount + type == index)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString const text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    int const index = ChordNames::chordIndex(text);
    if (index == ChordNames::kNoChord)
        return 0;
    if (index < 0 || index >= ChordNames::kChordCount || !isChordName(text, index))
        std::abort();
    return 0;
}
