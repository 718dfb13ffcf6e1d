#pragma once
// The tuners' fixed data in one place: the applications their More menus
// link to (the asset generator draws their icons as ":/" + internal name +
// "64x64.png") and the shop rows of the five instruments that have no shop
// object of their own. Plain data without Qt, for the pages and the generator.

#include "RADarir/music/MusicShopTable.h"

namespace TunerTables {

struct App
{
    char const* internalName;
    char const* title;
    // The name as the store spells it; the store link lower-cases it.
    char const* storeName;
    char const* storeId;
};

enum AppId {
    PianoChords,
    GuitarChords,
    BassChords,
    UkuleleChords,
    BanjoChords,
    BalalaikaChords,
    MandolinChords,
    Harmonaut,
    Recorder,
    kAppCount
};

inline constexpr App kApps[kAppCount] = {
    {"PianoChords", "Piano Chords", "TickwrenPianoChords", "id920000001"},
    {"GuitarChords", "Guitar Chords", "TickwrenGuitarChords", "id920000002"},
    {"BassChords", "Bass Chords", "TickwrenBassChords", "id920000003"},
    {"UkuleleChords", "Ukulele Chords", "TickwrenUkuleleChords", "id920000004"},
    {"BanjoChords", "Banjo Chords", "TickwrenBanjoChords", "id920000005"},
    {"BalalaikaChords", "Balalaika Chords", "TickwrenBalalaikaChords", "id920000006"},
    {"MandolinChords", "Mandolin Chords", "TickwrenMandolinChords", "id920000007"},
    {"Harmonaut", "Harmonaut", "Harmonaut", "id920000010"},
    {"Echotern", "Echotern Recorder", "EchoternRecorder", "id910000007"},
};

// Shop rows of the instruments without a shop object, in the same form as
// the shops' own rows.
inline constexpr MusicShopTable::InstrumentRow kViolin = {{"Violin", "Violine", "Violon"},
                                                          {{5180101, 5180102, 5180103, 5180104, 5180105},
                                                           {5180201, 5180202, 5180203, 5180204, 5180205},
                                                           {5180301, 5180302, 5180303, 5180304, 5180305},
                                                           {5180401, 5180402, 5180403, 5180404, 5180405},
                                                           {5180501, 5180502, 5180503, 5180504, 5180505}}};
inline constexpr MusicShopTable::InstrumentRow kViola = {{"Viola", "Bratsche", "Alto_(instrument_\xC3\xA0_cordes)"},
                                                         {{5190101, 5190102, 5190103, 5190104, 5190105},
                                                          {5190201, 5190202, 5190203, 5190204, 5190205},
                                                          {5190301, 5190302, 5190303, 5190304, 5190305},
                                                          {5190401, 5190402, 5190403, 5190404, 5190405},
                                                          {5190501, 5190502, 5190503, 5190504, 5190505}}};
inline constexpr MusicShopTable::InstrumentRow kCello = {{"Cello", "Violoncello", "Violoncelle"},
                                                         {{5200101, 5200102, 5200103, 5200104, 5200105},
                                                          {5200201, 5200202, 5200203, 5200204, 5200205},
                                                          {5200301, 5200302, 5200303, 5200304, 5200305},
                                                          {5200401, 5200402, 5200403, 5200404, 5200405},
                                                          {5200501, 5200502, 5200503, 5200504, 5200505}}};
inline constexpr MusicShopTable::InstrumentRow kDoubleBass = {{"Double_bass", "Kontrabass", "Contrebasse"},
                                                              {{5210101, 5210102, 5210103, 5210104, 5210105},
                                                               {5210201, 5210202, 5210203, 5210204, 5210205},
                                                               {5210301, 5210302, 5210303, 5210304, 5210305},
                                                               {5210401, 5210402, 5210403, 5210404, 5210405},
                                                               {5210501, 5210502, 5210503, 5210504, 5210505}}};
inline constexpr MusicShopTable::InstrumentRow kDombra = {{"Dombra", "Dombra", "Dombra"},
                                                          {{5220101, 5220102, 5220103, 5220104, 5220105},
                                                           {5220201, 5220202, 5220203, 5220204, 5220205},
                                                           {5220301, 5220302, 5220303, 5220304, 5220305},
                                                           {5220401, 5220402, 5220403, 5220404, 5220405},
                                                           {5220501, 5220502, 5220503, 5220504, 5220505}}};

} // namespace TunerTables
