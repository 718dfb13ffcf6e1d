#include "RADarir/tuners/InstrumentTuners.h"

#include "RADarir/music/MusicShopBase.h"
#include "RADarir/tuners/ModesPanel.h"
#include "RADarir/tuners/TunerTables.h"

#include <QLocale>
#include <QMenu>
#include <QPushButton>

namespace RADarir {

namespace {

using namespace TunerTables;

// The maker's chord applications listed after the separator, in this order,
// less the page's own one, which already heads the menu.
constexpr AppId kChordApps[] = {PianoChords, GuitarChords, BassChords, UkuleleChords};

void addAppLink(ModesPanel* panel, AppId id)
{
    App const& app = kApps[id];
    panel->addMenuAppLink(QPixmap(QStringLiteral(":/") + QLatin1String(app.internalName) + QStringLiteral("64x64.png")),
                          QString::fromUtf8(app.title), QString::fromLatin1(app.storeName),
                          QString::fromLatin1(app.storeId));
}

void setLinks(ModesPanel* panel, MusicShopLinks const& links)
{
    panel->setMustHave(links.mustHave);
    panel->setNiceToHave(links.niceToHave);
    panel->setRead(links.read);
    panel->setHear(links.hear);
    panel->setSee(links.see);
    panel->setWikipedia(links.encyclopedia);
}

MusicShopLinks linksFor(MusicShopTable::Instrument instrument)
{
    return musicShopLinks(instrument, QLocale::system().country());
}

MusicShopLinks linksFor(MusicShopTable::InstrumentRow const& row)
{
    return musicShopLinks(row, QLocale::system().country());
}

} // namespace

InstrumentTunerPage::InstrumentTunerPage(QWidget* parent, TunerDescription const& description)
    : TunerBasePage(parent)
{
    setPicture(QPixmap(QString::fromLatin1(description.picture)));
    QStringList const notes = QString::fromLatin1(description.notes).split(QLatin1Char(' '));
    for (int i = 0; i < notes.size(); ++i) {
        button(i)->show();
        button(i)->setText(notes.at(i));
        mapButton(i, m_strResourcesPath + QString::fromLatin1(description.stem) + QStringLiteral("_%1_") + notes.at(i)
                         + QStringLiteral(".mp3"));
    }
    ModesPanel* panel = modesPanel();
    if (description.ownApp >= 0)
        addAppLink(panel, AppId(description.ownApp));
    addAppLink(panel, Harmonaut);
    addAppLink(panel, Recorder);
    panel->addMenuSeparator();
    for (AppId id : kChordApps) {
        if (id != description.ownApp)
            addAppLink(panel, id);
    }
    panel->addMenuSeparator();
    panel->addBaseActions();
}

ViolinTuner::ViolinTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Violin.jpg", "violine", "G3 D4 A4 E5", -1})
{
    setLinks(modesPanel(), linksFor(kViolin));
}

ViolaTuner::ViolaTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Viola.jpg", "violine", "C3 G3 D4 A4", -1})
{
    setLinks(modesPanel(), linksFor(kViola));
}

CelloTuner::CelloTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Cello.jpg", "cello", "C2 G2 D3 A3", -1})
{
    setLinks(modesPanel(), linksFor(kCello));
}

DoubleBassTuner::DoubleBassTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/DoubleBass.jpg", "doublebass", "E1 A1 D2 G2", -1})
{
    setLinks(modesPanel(), linksFor(kDoubleBass));
}

GuitarTuner::GuitarTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Guitar.jpg", "guitar", "E2 A2 D3 G3 B3 E4", GuitarChords})
{
    setLinks(modesPanel(), linksFor(MusicShopTable::Guitar));
}

BassGuitarTuner::BassGuitarTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/BassGuitar.jpg", "bassguitar", "B0 E1 A1 D2 G2", BassChords})
{
    button(0)->hide();
    QPushButton* modes = modesPanel()->modesButton();
    modes->show();
    auto* menu = new QMenu(modes);
    menu->addAction(tr("5 Strings"), this, &BassGuitarTuner::slot5Strings);
    menu->addAction(tr("4 Strings"), this, &BassGuitarTuner::slot4Strings);
    modes->setMenu(menu);
    setLinks(modesPanel(), linksFor(MusicShopTable::Bass));
}

void BassGuitarTuner::slot5Strings()
{
    button(0)->show();
}

void BassGuitarTuner::slot4Strings()
{
    // A string that is not there cannot stay selected for repeating.
    button(0)->setChecked(false);
    button(0)->hide();
}

UkuleleTuner::UkuleleTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Ukulele.jpg", "ukulele", "G4 C4 E4 A4", UkuleleChords})
{
    setLinks(modesPanel(), linksFor(MusicShopTable::Ukulele));
}

BanjoTuner::BanjoTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Banjo.jpg", "banjo", "G4 D3 G3 B3 D4", BanjoChords})
{
    setLinks(modesPanel(), linksFor(MusicShopTable::Banjo));
}

BalalaikaTuner::BalalaikaTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Balalaika.jpg", "balalaika", "E4 E4 A4", BalalaikaChords})
{
    setLinks(modesPanel(), linksFor(MusicShopTable::Balalaika));
}

MandolinTuner::MandolinTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Mandolin.jpg", "mandolin", "G3 D4 A4 E5", MandolinChords})
{
    setLinks(modesPanel(), linksFor(MusicShopTable::Mandolin));
}

DombraTuner::DombraTuner(QWidget* parent)
    : InstrumentTunerPage(parent, {":/Dombra.jpg", "dombra", "D3 G3", -1})
{
    MusicShopLinks links = linksFor(kDombra);
    // The German shop has no dombra books or films: those two stay with the
    // United States shop.
    if (links.encyclopedia.contains(QLatin1String(MusicShopTable::kEncyclopediaHosts[MusicShopTable::German]))) {
        MusicShopLinks const us = musicShopLinks(kDombra, QLocale::UnitedStates);
        links.read = us.read;
        links.see = us.see;
    }
    setLinks(modesPanel(), links);
}

} // namespace RADarir
