#pragma once
// The maker's other applications that the More menus promote, in one place for
// the start-up and the image-note editor (which list them) and for the asset
// generator (which draws their icons as ":/" + internal name + "64x64.png").
// Plain data without Qt, so that every side can read it.

namespace PromotedApps {

struct Product
{
    // One word; the icon's resource name and the page "/apps/<lower case>/".
    char const* internalName;
    // What the menu shows.
    char const* title;
    // The name as the store spells it: one word, no blanks.
    char const* storeName;
    // The store identifier: "id" and nine digits.
    char const* storeId;
};

// In menu order: five page links, a separator, the store link, two page links.
inline constexpr Product kProducts[] = {
    {"Pitchfinch", "Pitchfinch Tuner", "PitchfinchTuner", "id910000001"},
    {"Chordlark", "Chordlark Chord Book", "ChordlarkChordBook", "id910000002"},
    {"Staffowl", "Staffowl Note Reader", "StaffowlNoteReader", "id910000003"},
    {"Drumkite", "Drumkite Rhythms", "DrumkiteRhythms", "id910000004"},
    {"Scalepipit", "Scalepipit Scales", "ScalepipitScales", "id910000005"},
    {"Songplover", "Songplover Songbook", "SongPloverSongbook", "id910000006"},
    {"Echotern", "Echotern Recorder", "EchoternRecorder", "id910000007"},
    {"Tabrobin", "Tabrobin Tablature", "TabrobinTablature", "id910000008"},
};

inline constexpr int kProductCount = int(sizeof kProducts / sizeof kProducts[0]);
// The one row that leads to the store; the separator stands just above it.
inline constexpr int kStoreRow = 5;

} // namespace PromotedApps
