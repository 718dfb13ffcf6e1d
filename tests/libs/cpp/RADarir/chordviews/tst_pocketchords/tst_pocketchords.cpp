// The chord page on a pocket screen: the style sheet's small sizes, the view
// frame's narrow column and thin margins, the page's size policies and the
// photo view's textured ground.
#include "RADarir/chordviews/ChordPhotoView.h"
#include "RADarir/chordviews/ChordStandardView.h"
#include "RADarir/chordviews/ChordView.h"
#include "RADarir/chordviews/ChordsMainPage.h"
#include "RADarir/music/ChordsButtonsPanel.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/chordviews/ChordsTesting.h"
#include "tests/libs/cpp/RADarir/chordviews/PictureTesting.h"
#include "tests/libs/cpp/RADarir/chordviews/StyleTesting.h"

#include <QDir>
#include <QLayout>
#include <QScreen>
#include <QtTest>

using namespace RADarir;
using StyleTesting::ruleOf;

class TestPocketChords : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(ZEDireroz::App::theApp()->isPocketDevice(), "the screen is not a pocket screen"); }

    void styleSizes()
    {
        ChordsMainPage::applyStyle();
        QString const sheet = qApp->styleSheet();
        qApp->setStyleSheet(QString());
        QVERIFY(!sheet.contains("<!"));
        QString const panel = ruleOf(sheet, "QPushButton#PanelButton");
        QVERIFY(panel.contains("min-width:28px") && panel.contains("min-height:28px"));
        QVERIFY(ruleOf(sheet, "QPushButton#TransposerButton").contains("font:bold 11px"));
        QVERIFY(ruleOf(sheet, "QPushButton#PushButton").contains("font:bold 14px"));
    }

    void frameLayout()
    {
        ChordView frame;
        auto* column = frame.findChild<QFrame*>("ViewOptionsFrame");
        QCOMPARE(column->maximumWidth(), 56);
        QCOMPARE(column->layout()->contentsMargins(), QMargins(2, 2, 2, 2));
        QCOMPARE(column->layout()->spacing(), 2);
        QCOMPARE(frame.layout()->contentsMargins(), QMargins(1, 1, 1, 1));
        QCOMPARE(frame.layout()->spacing(), 1);
    }

    void pagePolicies()
    {
        ChordsTesting::GuitarPage page;
        QSizePolicy const panel = page.chordsButtonsPanel()->sizePolicy();
        QCOMPARE(panel.horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(panel.verticalPolicy(), QSizePolicy::Expanding);
        QSizePolicy const view = page.chordView()->sizePolicy();
        QCOMPARE(view.horizontalPolicy(), QSizePolicy::Preferred);
        QCOMPARE(view.verticalPolicy(), QSizePolicy::Fixed);
    }

    // The photo's ground is the panel texture, not the desktop's flat gray.
    void photoGround()
    {
        QImage const image =
            PictureTesting::render<ChordPhotoView>("guitar", {-1, 0, 2, 2, 2, 0}, QSize(200, 150), "A");
        QImage const texture(":/panelbackground.png");
        QVERIFY(!texture.isNull());
        int matches = 0;
        for (int y = 0; y < 150; y += 5) {
            for (int x = 0; x < 200; x += 5) {
                QVERIFY(image.pixelColor(x, y) != QColor(Qt::red));
                matches += image.pixel(x, y) == texture.pixel(x % texture.width(), y % texture.height());
            }
        }
        QCOMPARE(matches, 30 * 40);
    }

    // The whole page on the small screen, with the pocket sheet: every part
    // fits the screen's width, and the chord pictures keep a usable size.
    void screenshot()
    {
        ChordsMainPage::applyStyle();
        ChordsTesting::GuitarPage page;
        page.setCurrentChord("G7");
        page.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QImage const shot = QGuiApplication::primaryScreen()->grabWindow(page.winId()).toImage();
        shot.save(QDir::current().filePath("pocketchordspage.png"));
        QVERIFY(page.width() <= 400);
        for (QWidget* part : QList<QWidget*>{page.chordsButtonsPanel(), page.chordView()}) {
            QRect const area(part->mapTo(&page, QPoint(0, 0)), part->size());
            QVERIFY2(page.rect().contains(area), part->metaObject()->className());
        }
        QVERIFY(page.chordView()->standardView()->height() >= 80);
        qApp->setStyleSheet(QString());
    }
};

TW_APP_TEST_MAIN(TestPocketChords)
#include "tst_pocketchords.moc"
