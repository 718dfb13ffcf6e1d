#pragma once
// A music-shop link set: the six links that a music page offers for one
// instrument, five categories of a web store (Must Have, Nice to Have, Read,
// Hear, See) and an encyclopedia article. The links are chosen once, when the
// object is built, by the country of the system locale: Austria, Germany and
// Switzerland get the German store and article, France the French ones,
// Canada and the United Kingdom their own store with the English article, and
// every other country the United States store with the English article.
// Hosts, tags and category nodes come from MusicShopTable.h.

#include "RADarir/music/MusicShopTable.h"

#include <QLocale>
#include <QObject>
#include <QString>

namespace RADarir {

// The six links of one instrument for one country, in menu order.
struct MusicShopLinks
{
    QString mustHave;
    QString niceToHave;
    QString read;
    QString hear;
    QString see;
    QString encyclopedia;
};

// The country rule: the links of an instrument for a country of the system
// locale. The tuner pages fill their own menus from it.
MusicShopLinks musicShopLinks(MusicShopTable::Instrument instrument, QLocale::Country country);
// The same for a row of the caller's own (instruments that have no shop object).
MusicShopLinks musicShopLinks(MusicShopTable::InstrumentRow const& row, QLocale::Country country);

// The pictures of the shop entries in the music pages' More menus.
namespace MusicShopPictures {
inline constexpr char kMustHave[] = ":/musthave.png";
inline constexpr char kNiceToHave[] = ":/nicetohave.png";
inline constexpr char kRead[] = ":/read.png";
inline constexpr char kHear[] = ":/ohr.png";
inline constexpr char kSee[] = ":/eye.png";
inline constexpr char kWikipedia[] = ":/wikipedia.png";
} // namespace MusicShopPictures

class MusicShopBase : public QObject
{
    Q_OBJECT
public:
    explicit MusicShopBase(QObject* parent);
    ~MusicShopBase() override;

    QString mustHave() const { return m_strMustHave; }
    QString niceToHave() const { return m_strNiceToHave; }
    QString read() const { return m_strRead; }
    QString hear() const { return m_strHear; }
    QString see() const { return m_strSee; }
    QString wikipedia() const { return m_strWikipedia; }

protected:
    // For the subclasses' constructors: all six links at once.
    void setLinks(MusicShopLinks const& links);
    // The links of the instrument for the country of the system locale.
    void setLinksForSystemCountry(MusicShopTable::Instrument instrument);

    QString m_strMustHave;
    QString m_strNiceToHave;
    QString m_strRead;
    QString m_strHear;
    QString m_strSee;
    QString m_strWikipedia;
};

} // namespace RADarir
