// The eight instrument chord pages, each through the same checks: every entry
// of both tables (the sample of each string found by note arithmetic on the
// open string, with the ends of the mapped range), every file a page can ask
// for present among the generated samples, a photo for every voicing, chord 0
// "A" in the views, a shop made once that goes with the page, indexes outside
// the tables ignored, the two bass pages' samples, and each page as a user
// sees it on a virtual screen.
#include "RADarir/chordpages/BalalaikaChordsMainPage.h"
#include "RADarir/chordpages/BanjoChordsMainPage.h"
#include "RADarir/chordpages/BassChordsMainPage.h"
#include "RADarir/chordpages/BassChordsMainPage2.h"
#include "RADarir/chordpages/GuitarChordsMainPage.h"
#include "RADarir/chordpages/MandolinChordsMainPage.h"
#include "RADarir/chordpages/PianoChordsMainPage.h"
#include "RADarir/chordpages/UkuleleChordsMainPage.h"
#include "RADarir/chordviews/ChordBaseView.h"
#include "RADarir/chordviews/ChordPhotoView.h"
#include "RADarir/chordviews/ChordStandardView.h"
#include "RADarir/chordviews/ChordTabView.h"
#include "RADarir/chordviews/ChordView.h"
#include "RADarir/music/MusicShopBase.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/NoteNumbers.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"
#include "assets/generator/InstrumentSamples.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

using namespace RADarir;

namespace {

// How the test reaches one page class.
struct PageKind
{
    std::function<ChordsMainPage*()> make;
    // setChord with the index and the values, whatever the page's arity.
    std::function<void(ChordsMainPage*, int, QVector<int> const&)> setChord;
};

template <class Page, std::size_t... I>
void callSetChord(ChordsMainPage* page, int index, QVector<int> const& values, std::index_sequence<I...>)
{
    static_cast<Page*>(page)->setChord(index, values.value(int(I), -1)...);
}

template <class Page, std::size_t N>
PageKind kindOf()
{
    return {[] { return new Page; },
            [](ChordsMainPage* page, int index, QVector<int> const& values) {
                callSetChord<Page>(page, index, values, std::make_index_sequence<N>());
            }};
}

QVector<int> pianoTab(QString const& keys)
{
    QVector<int> tab(24, -1);
    for (int midi : NoteNumbers::fromNames(keys))
        tab[midi - InstrumentSamples::midiOf("C3")] = 0;
    return tab;
}

// A tab with one value at one string and every other string silent.
QVector<int> single(int strings, int string, int value)
{
    QVector<int> tab(strings, -1);
    tab[string] = value;
    return tab;
}

QString expectedFile(QString const& prefix, int midi)
{
    return prefix + QStringLiteral("_440_") + InstrumentSamples::noteName(midi) + QStringLiteral(".mp3");
}

// The photo a tab shows: its values in order, "X" for a silent string; the
// piano's by its twelve pitch classes.
QString photoCode(QString const& id, QVector<int> const& tab)
{
    if (id == QLatin1String("piano"))
        return ChordBaseView::pianoTabToCode(tab);
    QString code;
    for (int value : tab)
        code += value < 0 ? QStringLiteral("X") : QString::number(value);
    return code;
}

int countPixels(QImage const& image, std::function<bool(QColor const&)> const& match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += match(QColor(image.pixel(x, y)));
    }
    return n;
}

bool fingertipRed(QColor const& c)
{
    return c.red() > 180 && c.green() < 110 && c.blue() < 90;
}

bool openRingGreen(QColor const& c)
{
    return c.green() > 170 && c.red() < 150 && c.blue() < 170;
}

} // namespace

Q_DECLARE_METATYPE(PageKind)

class TestChordPages : public QObject
{
    Q_OBJECT
private:
    // Each page with what its own description says of it.
    void pageRows()
    {
        QTest::addColumn<PageKind>("kind");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QVector<int>>("open");
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("shop");
        QTest::addColumn<QVector<int>>("firstTab");

        QTest::newRow("ukulele") << kindOf<UkuleleChordsMainPage, 4>() << "ukulele"
                                 << "ukulele" << NoteNumbers::fromNames("G4 C4 E4 A4") << 8 << 30
                                 << "RADarir::UkuleleShop" << QVector<int>{2, 1, 0, 0};
        QTest::newRow("piano") << kindOf<PianoChordsMainPage, 24>() << "piano"
                               << "piano" << NoteNumbers::pianoChordKeys() << 0 << 40 << "RADarir::PianoShop"
                               << pianoTab("A3 Cd4 E4");
        QTest::newRow("mandolin") << kindOf<MandolinChordsMainPage, 4>() << "mandolin"
                                  << "mandolin" << NoteNumbers::fromNames("G3 D4 A4 E5") << 8 << 30
                                  << "RADarir::MandolinShop" << QVector<int>{2, 2, 4, 0};
        QTest::newRow("guitar") << kindOf<GuitarChordsMainPage, 6>() << "guitar"
                                << "guitar" << NoteNumbers::fromNames("E2 A2 D3 G3 B3 E4") << 8 << 30
                                << "RADarir::GuitarShop" << QVector<int>{0, 0, 2, 2, 2, 0};
        QTest::newRow("banjo") << kindOf<BanjoChordsMainPage, 5>() << "banjo"
                               << "banjo" << NoteNumbers::fromNames("G4 D3 G3 B3 D4") << 11 << 30
                               << "RADarir::BanjoShop" << QVector<int>{-1, 2, 2, 2, 2};
        QTest::newRow("bass") << kindOf<BassChordsMainPage, 4>() << "bass"
                              << "bass" << NoteNumbers::fromNames("E1 A1 D2 G2") << 8 << 80 << "RADarir::BassShop"
                              << QVector<int>{0, 4, 2, 2};
        QTest::newRow("bass2") << kindOf<BassChordsMainPage2, 4>() << "bass2"
                               << "bass" << NoteNumbers::fromNames("E1 A1 D2 G2") << 13 << 50 << "RADarir::BassShop"
                               << QVector<int>{9, 7, 7, 6};
        QTest::newRow("balalaika") << kindOf<BalalaikaChordsMainPage, 3>() << "balalaika"
                                   << "balalaika" << NoteNumbers::fromNames("E4 E4 A4") << 9 << 40
                                   << "RADarir::BalalaikaShop" << QVector<int>{5, 0, 4};
    }

private slots:
    void everyEntry_data() { pageRows(); }
    void everyEntry()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, id);
        QFETCH(QString, prefix);
        QFETCH(QVector<int>, open);
        QFETCH(int, highest);
        QFETCH(int, delay);
        QFETCH(QVector<int>, firstTab);

        std::unique_ptr<ChordsMainPage> page(kind.make());
        QCOMPARE(page->tabs().size(), 132);
        QCOMPARE(page->sounds().size(), 132);
        QCOMPARE(page->delay(), delay);
        for (int i = 0; i < 132; ++i) {
            QVector<int> const tab = page->tabs().at(i);
            QStringList const sounds = page->sounds().at(i);
            QCOMPARE(tab.size(), open.size());
            QCOMPARE(sounds.size(), open.size());
            for (int k = 0; k < tab.size(); ++k) {
                int const v = tab.at(k);
                QString const expected =
                    v >= 0 && v <= highest ? page->resourcesPath() + expectedFile(prefix, open.at(k) + v) : QString();
                QVERIFY2(sounds.at(k) == expected, qPrintable(QStringLiteral("entry %1 string %2").arg(i).arg(k)));
            }
        }

        // Right after construction the views show entry 0 as "A".
        QCOMPARE(page->tabs().at(0), firstTab);
        ChordView* view = page->chordView();
        QCOMPARE(view->instrumentName(), id);
        for (ChordBaseView* v : QList<ChordBaseView*>{view->standardView(), view->tabView(), view->photoView()}) {
            QCOMPARE(v->chordIndex(), 0);
            QCOMPARE(v->name(), QStringLiteral("A"));
            QCOMPARE(v->tab(), firstTab);
            QCOMPARE(v->instrumentName(), id);
        }
    }

    // The ends of each mapped range, and the values just beyond them.
    void rangeEnds_data()
    {
        QTest::addColumn<PageKind>("kind");
        QTest::addColumn<int>("strings");
        QTest::addColumn<int>("string");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("file");

        PageKind const ukulele = kindOf<UkuleleChordsMainPage, 4>(), mandolin = kindOf<MandolinChordsMainPage, 4>();
        PageKind const guitar = kindOf<GuitarChordsMainPage, 6>(), banjo = kindOf<BanjoChordsMainPage, 5>();
        PageKind const bass = kindOf<BassChordsMainPage, 4>(), bass2 = kindOf<BassChordsMainPage2, 4>();
        PageKind const balalaika = kindOf<BalalaikaChordsMainPage, 3>(), piano = kindOf<PianoChordsMainPage, 24>();
        QTest::newRow("ukulele A 8") << ukulele << 4 << 3 << 8 << "ukulele_440_F5.mp3";
        QTest::newRow("ukulele A 9") << ukulele << 4 << 3 << 9 << "";
        QTest::newRow("mandolin E 8") << mandolin << 4 << 3 << 8 << "mandolin_440_C6.mp3";
        QTest::newRow("mandolin G 0") << mandolin << 4 << 0 << 0 << "mandolin_440_G3.mp3";
        QTest::newRow("mandolin E 9") << mandolin << 4 << 3 << 9 << "";
        QTest::newRow("mandolin G -2") << mandolin << 4 << 0 << -2 << "";
        QTest::newRow("guitar high E 8") << guitar << 6 << 5 << 8 << "guitar_440_C5.mp3";
        QTest::newRow("guitar low E 9") << guitar << 6 << 0 << 9 << "";
        QTest::newRow("banjo D 11") << banjo << 5 << 1 << 11 << "banjo_440_Cd4.mp3";
        QTest::newRow("banjo short 11") << banjo << 5 << 0 << 11 << "banjo_440_Fd5.mp3";
        QTest::newRow("banjo short 12") << banjo << 5 << 0 << 12 << "";
        QTest::newRow("bass G 8") << bass << 4 << 3 << 8 << "bass_440_Dd3.mp3";
        QTest::newRow("bass G 9") << bass << 4 << 3 << 9 << "";
        QTest::newRow("bass2 G 13") << bass2 << 4 << 3 << 13 << "bass_440_Gd3.mp3";
        QTest::newRow("bass2 E 13") << bass2 << 4 << 0 << 13 << "bass_440_F2.mp3";
        QTest::newRow("bass2 G 14") << bass2 << 4 << 3 << 14 << "";
        QTest::newRow("bass2 E -2") << bass2 << 4 << 0 << -2 << "";
        QTest::newRow("balalaika A 9") << balalaika << 3 << 2 << 9 << "balalaika_440_Fd5.mp3";
        QTest::newRow("balalaika A 10") << balalaika << 3 << 2 << 10 << "";
        QTest::newRow("piano C3") << piano << 24 << 0 << 0 << "piano_440_C3.mp3";
        QTest::newRow("piano B4") << piano << 24 << 23 << 0 << "piano_440_B4.mp3";
        QTest::newRow("piano G#4") << piano << 24 << 20 << 0 << "piano_440_Gd4.mp3";
        QTest::newRow("piano value 1") << piano << 24 << 20 << 1 << "";
    }
    void rangeEnds()
    {
        QFETCH(PageKind, kind);
        QFETCH(int, strings);
        QFETCH(int, string);
        QFETCH(int, value);
        QFETCH(QString, file);

        std::unique_ptr<ChordsMainPage> page(kind.make());
        kind.setChord(page.get(), 5, single(strings, string, value));
        QString const expected = file.isEmpty() ? QString() : page->resourcesPath() + file;
        QCOMPARE(page->sounds().at(5).at(string), expected);
        // The tab keeps the value as given, and the silent strings stay silent.
        QCOMPARE(page->tabs().at(5), single(strings, string, value));
        QCOMPARE(page->sounds().at(5).count(QString()), file.isEmpty() ? strings : strings - 1);
    }

    // Whatever value a string is given, the page never names a file that the
    // bundle lacks.
    void everyRequestableSampleExists_data() { pageRows(); }
    void everyRequestableSampleExists()
    {
        QFETCH(PageKind, kind);
        QFETCH(QVector<int>, open);

        std::unique_ptr<ChordsMainPage> page(kind.make());
        QSet<QString> missing;
        int files = 0;
        for (int string = 0; string < open.size(); ++string) {
            for (int value = -3; value <= 16; ++value) {
                kind.setChord(page.get(), 1, single(open.size(), string, value));
                QString const path = page->sounds().at(1).at(string);
                if (path.isEmpty())
                    continue;
                ++files;
                if (!QFileInfo(path).isFile())
                    missing << QFileInfo(path).fileName();
            }
        }
        QVERIFY(files > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.values()).join(' ')));
    }

    // The photo view names a photo from the values of every entry; each must
    // exist, and show a fingertip where a string is stopped and a ring where
    // one sounds open.
    void photoForEveryEntry_data() { pageRows(); }
    void photoForEveryEntry()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, id);

        std::unique_ptr<ChordsMainPage> page(kind.make());
        QSet<QString> seen;
        for (QVector<int> const& tab : page->tabs()) {
            QString const name = id + QLatin1Char('_') + photoCode(id, tab) + QStringLiteral(".jpg");
            QCOMPARE(ChordPhotoView::photoName(id, tab), name);
            if (seen.contains(name))
                continue;
            seen << name;
            QImage const photo(ChordBaseView::chordPicturePath(name));
            QVERIFY2(!photo.isNull(), qPrintable(name));
            QCOMPARE(photo.size(), QSize(320, 440));
            bool const stopped =
                id == QLatin1String("piano") || std::any_of(tab.begin(), tab.end(), [](int v) { return v > 0; });
            bool const open = id != QLatin1String("piano") && tab.contains(0);
            QVERIFY2((countPixels(photo, fingertipRed) > 40) == stopped, qPrintable(name));
            QVERIFY2((countPixels(photo, openRingGreen) > 20) == open, qPrintable(name));
            // The piano's diagram and tablature show keyboard pictures named by the same code.
            if (id == QLatin1String("piano")) {
                for (QString const prefix : {"a_", "b_"}) {
                    QString const keyboard = prefix + photoCode(id, tab) + QStringLiteral(".png");
                    QVERIFY2(!QImage(ChordBaseView::chordPicturePath(keyboard)).isNull(), qPrintable(keyboard));
                }
            }
        }
    }

    // A second call must not add a second shop or a second set of entries;
    // the shop is the page's child and goes with it.
    void shopIsMadeOnceAndGoesWithThePage_data() { pageRows(); }
    void shopIsMadeOnceAndGoesWithThePage()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, shop);

        ChordsMainPage* page = kind.make();
        QVERIFY(!page->shop());
        page->addShopMenu();
        page->addShopMenu();
        QCOMPARE(page->findChildren<MusicShopBase*>().size(), 1);
        QPointer<MusicShopBase> made = page->shop();
        QVERIFY(made);
        QCOMPARE(QString::fromLatin1(made->metaObject()->className()), shop);
        QCOMPARE(made->parent(), page);
        int mustHave = 0;
        for (QAction* action : page->promoMenuBar()->shopMenu()->actions())
            mustHave += action->text() == QLatin1String("Must Have");
        QCOMPARE(mustHave, 1);
        delete page;
        QVERIFY(made.isNull());
    }

    // An index outside the tables is ignored: nothing is written anywhere.
    void indexOutsideTheTablesIsIgnored_data() { pageRows(); }
    void indexOutsideTheTablesIsIgnored()
    {
        QFETCH(PageKind, kind);
        QFETCH(QVector<int>, open);

        std::unique_ptr<ChordsMainPage> page(kind.make());
        QVector<QVector<int>> const tabs = page->tabs();
        QVector<QStringList> const sounds = page->sounds();
        for (int index : {132, 133, -1, 100000})
            kind.setChord(page.get(), index, QVector<int>(open.size(), 0));
        QCOMPARE(page->tabs(), tabs);
        QCOMPARE(page->sounds(), sounds);
    }

    // Both bass pages play the "bass" files: the same path for the same fret,
    // and the second reaches the five semitones E3 to G♯3 beyond the first.
    void secondBassAgainstTheFirst()
    {
        BassChordsMainPage first;
        BassChordsMainPage2 second;
        QSet<QString> firstFiles, secondFiles;
        for (int string = 0; string < 4; ++string) {
            for (int value = 0; value <= 13; ++value) {
                first.setChord(0, string == 0 ? value : -1, string == 1 ? value : -1, string == 2 ? value : -1,
                               string == 3 ? value : -1);
                second.setChord(0, string == 0 ? value : -1, string == 1 ? value : -1, string == 2 ? value : -1,
                                string == 3 ? value : -1);
                QString const a = first.sounds().at(0).at(string), b = second.sounds().at(0).at(string);
                if (value <= 8)
                    QCOMPARE(a, b);
                else
                    QVERIFY(a.isEmpty());
                firstFiles << QFileInfo(a).fileName();
                secondFiles << QFileInfo(b).fileName();
            }
        }
        firstFiles.remove(QString());
        QVERIFY(secondFiles.contains(firstFiles));
        QSet<QString> const more = secondFiles - firstFiles;
        QCOMPARE(more, (QSet<QString>{"bass_440_E3.mp3", "bass_440_F3.mp3", "bass_440_Fd3.mp3", "bass_440_G3.mp3",
                                      "bass_440_Gd3.mp3"}));
        QCOMPARE(firstFiles.size(), 24);
    }

    // Each page as a user sees it, with the chord pages' style sheet: the
    // diagram and tablature drawn in ink, the photo filling its view.
    void screenshot_data() { pageRows(); }
    void screenshot()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, id);

        ChordsMainPage::applyStyle();
        std::unique_ptr<ChordsMainPage> page(kind.make());
        page->addShopMenu();
        page->setCurrentChord(QStringLiteral("C"));
        page->resize(760, 820);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        ChordView* view = page->chordView();
        QCOMPARE(view->photoView()->name(), QStringLiteral("C"));
        QImage const shot = QGuiApplication::primaryScreen()->grabWindow(page->winId()).toImage();
        QVERIFY(!shot.isNull());
        shot.save(QDir::current().filePath(QStringLiteral("chordpage-%1.png").arg(id)));

        auto area = [&](QWidget* w) { return shot.copy(QRect(w->mapTo(page.get(), QPoint(0, 0)), w->size())); };
        QImage const diagram = area(view->standardView());
        QVERIFY(countPixels(diagram, [](QColor const& c) { return qGray(c.rgb()) < 40; }) > 50);
        QImage const photo = area(view->photoView());
        int const background = countPixels(photo, [](QColor const& c) { return c == QColor(71, 71, 71); });
        QVERIFY2(background < photo.width() * photo.height() / 2, qPrintable(QString::number(background)));
        qApp->setStyleSheet(QString());
    }
};

TW_APP_TEST_MAIN(TestChordPages)
#include "tst_chordpages.moc"
