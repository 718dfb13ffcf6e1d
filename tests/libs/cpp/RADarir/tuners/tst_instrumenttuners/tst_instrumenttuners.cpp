// The eleven instrument pages: what each string button plays (checked
// against the generated sample set), the bass guitar's four and five
// strings, the pictures and the More menu.
#include "RADarir/tuners/InstrumentTuners.h"
#include "RADarir/tuners/ModesPanel.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "assets/generator/InstrumentSamples.h"

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

using namespace RADarir;

namespace {

using Factory = std::function<TunerBasePage*()>;

template <class Page>
Factory make()
{
    return [] { return new Page(nullptr); };
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
    return texts;
}

QStringList const kBase = {"Must Have", "Nice to Have", "Read", "Hear", "See", "--", "Wikipedia"};

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestInstrumentTuners : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZEDireroz::App::theApp()->setSettingsValue("Pitch", 442); }

    void buttonsPlayTheirNotes_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("violin") << make<ViolinTuner>() << ":/Violin.jpg" << QStringList{"G3", "D4", "A4", "E5"}
                                << QStringList{"violine_442_G3.mp3", "violine_442_D4.mp3", "violine_442_A4.mp3",
                                               "violine_442_E5.mp3"};
        QTest::newRow("viola") << make<ViolaTuner>() << ":/Viola.jpg" << QStringList{"C3", "G3", "D4", "A4"}
                               << QStringList{"violine_442_C3.mp3", "violine_442_G3.mp3", "violine_442_D4.mp3",
                                              "violine_442_A4.mp3"};
        QTest::newRow("cello") << make<CelloTuner>() << ":/Cello.jpg" << QStringList{"C2", "G2", "D3", "A3"}
                               << QStringList{"cello_442_C2.mp3", "cello_442_G2.mp3", "cello_442_D3.mp3",
                                              "cello_442_A3.mp3"};
        QTest::newRow("double bass") << make<DoubleBassTuner>() << ":/DoubleBass.jpg"
                                     << QStringList{"E1", "A1", "D2", "G2"}
                                     << QStringList{"doublebass_442_E1.mp3", "doublebass_442_A1.mp3",
                                                    "doublebass_442_D2.mp3", "doublebass_442_G2.mp3"};
        QTest::newRow("guitar") << make<GuitarTuner>() << ":/Guitar.jpg"
                                << QStringList{"E2", "A2", "D3", "G3", "B3", "E4"}
                                << QStringList{"guitar_442_E2.mp3", "guitar_442_A2.mp3", "guitar_442_D3.mp3",
                                               "guitar_442_G3.mp3", "guitar_442_B3.mp3", "guitar_442_E4.mp3"};
        QTest::newRow("bass guitar") << make<BassGuitarTuner>() << ":/BassGuitar.jpg"
                                     << QStringList{"E1", "A1", "D2", "G2"}
                                     << QStringList{"bassguitar_442_E1.mp3", "bassguitar_442_A1.mp3",
                                                    "bassguitar_442_D2.mp3", "bassguitar_442_G2.mp3"};
        QTest::newRow("ukulele") << make<UkuleleTuner>() << ":/Ukulele.jpg" << QStringList{"G4", "C4", "E4", "A4"}
                                 << QStringList{"ukulele_442_G4.mp3", "ukulele_442_C4.mp3", "ukulele_442_E4.mp3",
                                                "ukulele_442_A4.mp3"};
        QTest::newRow("banjo") << make<BanjoTuner>() << ":/Banjo.jpg" << QStringList{"G4", "D3", "G3", "B3", "D4"}
                               << QStringList{"banjo_442_G4.mp3", "banjo_442_D3.mp3", "banjo_442_G3.mp3",
                                              "banjo_442_B3.mp3", "banjo_442_D4.mp3"};
        QTest::newRow("balalaika") << make<BalalaikaTuner>() << ":/Balalaika.jpg" << QStringList{"E4", "E4", "A4"}
                                   << QStringList{"balalaika_442_E4.mp3", "balalaika_442_E4.mp3",
                                                  "balalaika_442_A4.mp3"};
        QTest::newRow("mandolin") << make<MandolinTuner>() << ":/Mandolin.jpg" << QStringList{"G3", "D4", "A4", "E5"}
                                  << QStringList{"mandolin_442_G3.mp3", "mandolin_442_D4.mp3", "mandolin_442_A4.mp3",
                                                 "mandolin_442_E5.mp3"};
        QTest::newRow("dombra") << make<DombraTuner>() << ":/Dombra.jpg" << QStringList{"D3", "G3"}
                                << QStringList{"dombra_442_D3.mp3", "dombra_442_G3.mp3"};
    }
    void buttonsPlayTheirNotes()
    {
        QFETCH(Factory, factory);
        QFETCH(QString, picture);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, files);
        QStringList generated;
        for (InstrumentSamples::Sample const& s : InstrumentSamples::all())
            generated << s.fileName();
        std::unique_ptr<TunerBasePage> page(factory());
        page->show();
        QVERIFY(!QPixmap(picture).isNull());
        QSignalSpy spy(page.get(), &TunerBasePage::soundStarted);
        QStringList shown;
        QStringList played;
        for (int i = 0; i < ButtonsPanel::kButtonCount; ++i) {
            if (!page->button(i)->isVisible())
                continue;
            shown << page->button(i)->text();
            page->button(i)->click();
            QCOMPARE(spy.size(), 1);
            QString const path = spy.takeFirst().at(0).toString();
            QVERIFY(path.startsWith(ZEDireroz::App::theApp()->bundleResourcePath()));
            played << QFileInfo(path).fileName();
        }
        QCOMPARE(shown, labels);
        QCOMPARE(played, files);
        for (QString const& file : files)
            QVERIFY2(generated.contains(file), qPrintable(file));
    }

    void bassGuitarStrings()
    {
        BassGuitarTuner page(nullptr);
        page.show();
        QPushButton* modes = page.modesPanel()->modesButton();
        QVERIFY(modes->isVisible());
        QCOMPARE(menuTexts(modes->menu()), QStringList({"5 Strings", "4 Strings"}));
        QVERIFY(!page.button(0)->isVisible());
        QCOMPARE(page.button(0)->text(), QString("B0"));
        for (int round = 0; round < 2; ++round) {
            modes->menu()->actions().at(0)->trigger();
            QVERIFY(page.button(0)->isVisible());
            QVERIFY(page.button(0)->x() < page.button(1)->x());
        }
        QSignalSpy spy(&page, &TunerBasePage::soundStarted);
        page.button(0)->click();
        QCOMPARE(QFileInfo(spy.at(0).at(0).toString()).fileName(), QString("bassguitar_442_B0.mp3"));
        for (int round = 0; round < 2; ++round) {
            modes->menu()->actions().at(1)->trigger();
            QVERIFY(!page.button(0)->isVisible());
        }
        QVERIFY(page.button(1)->isVisible());
    }

    // In repeat mode the selected low B goes silent and unselected when the
    // page switches to four strings.
    void hiddenStringStopsRepeating()
    {
        BassGuitarTuner page(nullptr);
        page.show();
        page.slotSetRepeatMode(true);
        page.slot5Strings();
        page.button(0)->click();
        QVERIFY(page.button(0)->isChecked());
        page.modesPanel()->modesButton()->menu()->actions().at(1)->trigger();
        QVERIFY(!page.button(0)->isChecked());
        QSignalSpy sounds(&page, &TunerBasePage::soundStarted);
        QSignalSpy ticks(page.buttonsPanel()->timer(), &QTimer::timeout);
        QVERIFY(ticks.wait(2500));
        QCOMPARE(sounds.size(), 0);
        // Showing the string again does not bring back the old selection.
        page.slot5Strings();
        QVERIFY(ticks.wait(2500));
        QCOMPARE(sounds.size(), 0);
    }

    void otherPagesHaveNoModes()
    {
        GuitarTuner page(nullptr);
        page.show();
        QVERIFY(!page.modesPanel()->modesButton()->isVisible());
    }

    void moreMenu_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<QStringList>("apps");
        QStringList const all{"Harmonaut",   "Echotern Recorder", "--", "Piano Chords", "Guitar Chords",
                              "Bass Chords", "Ukulele Chords",    "--"};
        QTest::newRow("violin") << make<ViolinTuner>() << all;
        QTest::newRow("dombra") << make<DombraTuner>() << all;
        QTest::newRow("guitar") << make<GuitarTuner>()
                                << QStringList{"Guitar Chords", "Harmonaut",   "Echotern Recorder", "--",
                                               "Piano Chords",  "Bass Chords", "Ukulele Chords",    "--"};
        QTest::newRow("bass guitar") << make<BassGuitarTuner>()
                                     << QStringList{"Bass Chords",  "Harmonaut",     "Echotern Recorder", "--",
                                                    "Piano Chords", "Guitar Chords", "Ukulele Chords",    "--"};
        QTest::newRow("banjo") << make<BanjoTuner>() << QStringList(QStringList{"Banjo Chords"} + all);
    }
    void moreMenu()
    {
        QFETCH(Factory, factory);
        QFETCH(QStringList, apps);
        std::unique_ptr<TunerBasePage> page(factory());
        QMenu* menu = page->modesPanel()->moreMenu();
        QCOMPARE(menuTexts(menu), QStringList(apps + kBase));
        for (QAction* a : menu->actions())
            QVERIFY2(a->isSeparator() || !a->icon().isNull(), qPrintable(a->text()));
    }

    // Outside the countries with stores of their own, the United States store
    // and the English article.
    void linksOfPageWithoutShopObject()
    {
        if (QLocale::system().country() != QLocale::UnitedStates && QLocale::system().country() != QLocale::AnyCountry)
            QSKIP("needs a system locale without a store of its own");
        UrlCatcher catcher;
        ViolaTuner page(nullptr);
        QMenu* menu = page.modesPanel()->moreMenu();
        QStringList opened;
        for (QAction* a : menu->actions().mid(menu->actions().size() - kBase.size())) {
            if (a->isSeparator())
                continue;
            a->trigger();
            opened << catcher.takeOne().toString(QUrl::FullyDecoded);
        }
        QCOMPARE(opened.size(), 6);
        QVERIFY(opened.at(0).endsWith("?_encoding=UTF8&node=5190101"));
        QVERIFY(opened.at(4).endsWith("?_encoding=UTF8&node=5190105"));
        QVERIFY(opened.at(5).endsWith("/wiki/Viola"));
    }
};

TW_APP_TEST_MAIN(TestInstrumentTuners)
#include "tst_instrumenttuners.moc"
