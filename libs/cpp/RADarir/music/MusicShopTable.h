#pragma once
// The web store and the online encyclopedia that the music pages link to, in
// one place: the regional stores (host and our partner tag), the category node
// of every instrument in every store, the encyclopedia's editions and the
// article title of every instrument. The values are neutral placeholders of
// ours until the product has real partners. Plain data without Qt, so that the
// shop link sets and the tuner pages read the same table.

namespace MusicShopTable {

// The regional stores, in the order of the node columns below.
enum Store { UnitedStatesStore, GermanStore, CanadianStore, FrenchStore, UnitedKingdomStore, kStoreCount };

// The encyclopedia's editions, in the order of the title columns below.
enum Edition { English, German, French, kEditionCount };

// The instruments that have a link set, in the order of the rows below.
enum Instrument { Ukulele, Guitar, Banjo, Bass, Balalaika, Piano, Mandolin, kInstrumentCount };

// The store categories, in menu order: Must Have, Nice to Have, Read, Hear, See.
inline constexpr int kCategoryCount = 5;

struct StoreSite
{
    char const* host;
    // Our partner tag, the first path segment of every category link.
    char const* tag;
};

inline constexpr StoreSite kStores[kStoreCount] = {
    {"us.shop-at.example", "tickwren-music-us"}, {"de.shop-at.example", "tickwren-music-de"},
    {"ca.shop-at.example", "tickwren-music-ca"}, {"fr.shop-at.example", "tickwren-music-fr"},
    {"uk.shop-at.example", "tickwren-music-uk"},
};

inline constexpr char const* kEncyclopediaHosts[kEditionCount] = {
    "en.encyclopedia.example",
    "de.encyclopedia.example",
    "fr.encyclopedia.example",
};

struct InstrumentRow
{
    // The article title in each edition, words joined by "_", as UTF-8.
    char const* titles[kEditionCount];
    // The store's category pages: one node per store and category.
    unsigned nodes[kStoreCount][kCategoryCount];
};

inline constexpr InstrumentRow kInstruments[kInstrumentCount] = {
    // Ukulele
    {{"Ukulele", "Ukulele", "Ukul\xC3\xA9l\xC3\xA9"},
     {{5110101, 5110102, 5110103, 5110104, 5110105},
      {5110201, 5110202, 5110203, 5110204, 5110205},
      {5110301, 5110302, 5110303, 5110304, 5110305},
      {5110401, 5110402, 5110403, 5110404, 5110405},
      {5110501, 5110502, 5110503, 5110504, 5110505}}},
    // Guitar
    {{"Guitar", "Gitarre", "Guitare"},
     {{5120101, 5120102, 5120103, 5120104, 5120105},
      {5120201, 5120202, 5120203, 5120204, 5120205},
      {5120301, 5120302, 5120303, 5120304, 5120305},
      {5120401, 5120402, 5120403, 5120404, 5120405},
      {5120501, 5120502, 5120503, 5120504, 5120505}}},
    // Banjo
    {{"Banjo", "Banjo", "Banjo"},
     {{5130101, 5130102, 5130103, 5130104, 5130105},
      {5130201, 5130202, 5130203, 5130204, 5130205},
      {5130301, 5130302, 5130303, 5130304, 5130305},
      {5130401, 5130402, 5130403, 5130404, 5130405},
      {5130501, 5130502, 5130503, 5130504, 5130505}}},
    // Bass
    {{"Bass_guitar", "E-Bass", "Guitare_basse"},
     {{5140101, 5140102, 5140103, 5140104, 5140105},
      {5140201, 5140202, 5140203, 5140204, 5140205},
      {5140301, 5140302, 5140303, 5140304, 5140305},
      {5140401, 5140402, 5140403, 5140404, 5140405},
      {5140501, 5140502, 5140503, 5140504, 5140505}}},
    // Balalaika
    {{"Balalaika", "Balalaika", "Balala\xC3\xAFka"},
     {{5150101, 5150102, 5150103, 5150104, 5150105},
      {5150201, 5150202, 5150203, 5150204, 5150205},
      {5150301, 5150302, 5150303, 5150304, 5150305},
      {5150401, 5150402, 5150403, 5150404, 5150405},
      {5150501, 5150502, 5150503, 5150504, 5150505}}},
    // Piano
    {{"Piano", "Klavier", "Piano"},
     {{5160101, 5160102, 5160103, 5160104, 5160105},
      {5160201, 5160202, 5160203, 5160204, 5160205},
      {5160301, 5160302, 5160303, 5160304, 5160305},
      {5160401, 5160402, 5160403, 5160404, 5160405},
      {5160501, 5160502, 5160503, 5160504, 5160505}}},
    // Mandolin
    {{"Mandolin", "Mandoline", "Mandoline"},
     {{5170101, 5170102, 5170103, 5170104, 5170105},
      {5170201, 5170202, 5170203, 5170204, 5170205},
      {5170301, 5170302, 5170303, 5170304, 5170305},
      {5170401, 5170402, 5170403, 5170404, 5170405},
      {5170501, 5170502, 5170503, 5170504, 5170505}}},
};

} // namespace MusicShopTable
