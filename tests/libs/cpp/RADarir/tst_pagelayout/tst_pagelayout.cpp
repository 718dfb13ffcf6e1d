// Every music page and window as a user sees it, at its default size and at
// its minimum size, in the languages TW_LAYOUT_LANGUAGES lists (English when
// none): no text cut off, no picture shrunk away, no blank button, no controls
// on top of each other or cut by what holds them. With TW_SCREENSHOT_DIR set,
// each one is saved as a picture.
#include "RADarir/chordpages/BalalaikaChordsMainPage.h"
#include "RADarir/chordpages/BanjoChordsMainPage.h"
#include "RADarir/chordpages/BassChordsMainPage.h"
#include "RADarir/chordpages/BassChordsMainPage2.h"
#include "RADarir/chordpages/GuitarChordsMainPage.h"
#include "RADarir/chordpages/MandolinChordsMainPage.h"
#include "RADarir/chordpages/PianoChordsMainPage.h"
#include "RADarir/chordpages/UkuleleChordsMainPage.h"
#include "RADarir/metronome/MetronomeMainPage.h"
#include "RADarir/music/FavoritesDeleteDlg.h"
#include "RADarir/music/Transposer.h"
#include "RADarir/piano/PianoNotesFinder.h"
#include "RADarir/piano/PianoNotesFinderMainPage.h"
#include "RADarir/tuners/InstrumentTuners.h"
#include "RADarir/tuners/TunersMainPage.h"
#include "TestSupport/LayoutCheck.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/StrayWindows.h"
#include "ZEDireroz/promotion/AboutDialog.h"

#include <QtTest>

#include <functional>
#include <memory>

using namespace RADarir;

namespace {

enum class Style { Own, Tuners, Chords };

struct Window
{
    std::function<QWidget*()> make;
    Style style = Style::Own;
    // The size it opens at; empty for its own size hint.
    QSize defaultSize;
};

template <class W>
Window window(Style style, QSize defaultSize = QSize())
{
    return {[] { return new W(nullptr); }, style, defaultSize};
}

QSize const kTunerSize(TunersMainPage::kDefaultWidth, TunersMainPage::kDefaultHeight);
// The application opens the metronome page at this size when nothing is stored.
QSize const kMetronomeSize(540, 765);

bool scaled()
{
    return !LayoutCheck::scaleSuffix().isEmpty();
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestPageLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }

    void fits_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("language");
        QList<QPair<QString, Window>> windows = {
            {"metronome", window<MetronomeMainPage>(Style::Own, kMetronomeSize)},
            {"bassguitar", window<BassGuitarTuner>(Style::Tuners, kTunerSize)},
            {"notesfinderpage", window<PianoNotesFinderMainPage>(Style::Own)},
            {"guitarchords", window<GuitarChordsMainPage>(Style::Chords)},
            {"transposer", window<Transposer>(Style::Chords)},
        };
        if (!scaled()) {
            windows += {
                {"tuners", {[] { return new TunersMainPage(nullptr, false); }, Style::Own, kTunerSize}},
                {"tuners-bassguitar",
                 {[] {
                      auto* page = new TunersMainPage(nullptr, false);
                      page->slotShowBassGuitar();
                      return page;
                  },
                  Style::Own, kTunerSize}},
                {"violin", window<ViolinTuner>(Style::Tuners, kTunerSize)},
                {"viola", window<ViolaTuner>(Style::Tuners, kTunerSize)},
                {"cello", window<CelloTuner>(Style::Tuners, kTunerSize)},
                {"doublebass", window<DoubleBassTuner>(Style::Tuners, kTunerSize)},
                {"guitar", window<GuitarTuner>(Style::Tuners, kTunerSize)},
                {"ukulele", window<UkuleleTuner>(Style::Tuners, kTunerSize)},
                {"banjo", window<BanjoTuner>(Style::Tuners, kTunerSize)},
                {"balalaika", window<BalalaikaTuner>(Style::Tuners, kTunerSize)},
                {"mandolin", window<MandolinTuner>(Style::Tuners, kTunerSize)},
                {"dombra", window<DombraTuner>(Style::Tuners, kTunerSize)},
                {"notesfinder", window<PianoNotesFinder>(Style::Own)},
                {"ukulelechords", window<UkuleleChordsMainPage>(Style::Chords)},
                {"pianochords", window<PianoChordsMainPage>(Style::Chords)},
                {"mandolinchords", window<MandolinChordsMainPage>(Style::Chords)},
                {"banjochords", window<BanjoChordsMainPage>(Style::Chords)},
                {"basschords", window<BassChordsMainPage>(Style::Chords)},
                {"bass2chords", window<BassChordsMainPage2>(Style::Chords)},
                {"balalaikachords", window<BalalaikaChordsMainPage>(Style::Chords)},
                {"favoritesdelete", window<FavoritesDeleteDlg>(Style::Chords)},
                // The About box the tuners' App menu opens, also under the tuners' style.
                {"about", window<ZEDireroz::AboutDialog>(Style::Own)},
                {"about-tuners", window<ZEDireroz::AboutDialog>(Style::Tuners)},
            };
        }
        // Language by language, so that each is installed once.
        for (QString const& language : LayoutCheck::languages())
            for (auto const& entry : windows)
                QTest::newRow(qPrintable(entry.first + LayoutCheck::languageSuffix(language)))
                    << entry.second << language;
    }
    // Shown at its default size first, then brought down to its smallest, in
    // the language the application would have installed before making it.
    void fits()
    {
        QFETCH(Window, window);
        QFETCH(QString, language);
        LayoutCheck::useLanguage(language);
        if (window.style == Style::Chords)
            ChordsMainPage::applyStyle();
        StrayWindows stray;
        std::unique_ptr<QWidget> w(window.make());
        if (window.style == Style::Tuners)
            w->setStyleSheet(TunersMainPage::styleSheetText());
        if (auto* transposer = qobject_cast<Transposer*>(w.get()))
            transposer->setCurrentChords({"A", "C#m7", "Fmaj7", "Gsus4", "Bbdim"});
        if (auto* page = qobject_cast<ChordsMainPage*>(w.get())) {
            page->addShopMenu();
            page->setCurrentChord(QStringLiteral("C"));
            page->setCurrentTransposerChords({"A", "C#m7", "Fmaj7", "Gsus4"});
        }
        QString const name = QLatin1String(QTest::currentDataTag());
        LayoutCheck::verifySizes(w.get(), window.defaultSize, false, name);
        if (auto* page = qobject_cast<ChordsMainPage*>(w.get())) {
            // The transposer's sound button reads "Sound Off" once clicked:
            // that text must fit as well.
            QPushButton* sound = nullptr;
            for (QPushButton* b : page->transposer()->findChildren<QPushButton*>())
                sound = b->isCheckable() ? b : sound;
            QVERIFY(sound);
            sound->click();
            QCoreApplication::sendPostedEvents();
            LayoutCheck::verify(w.get(), name + QStringLiteral("-minimum-sound") + LayoutCheck::screenSuffix());
        }
        QCOMPARE(stray.shown.size(), 1);
    }
};

TW_APP_TEST_MAIN(TestPageLayout)
#include "tst_pagelayout.moc"
