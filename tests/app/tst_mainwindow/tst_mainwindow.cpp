// The program's start-up from the identity to the event loop, run as the
// program runs it, with a fresh home folder: the page with its promotion bar
// across the top and no gap beneath, the More menu's rows, the Rate button
// hidden, the introduction half a second after start, a picture of the whole
// window, and Quit in the application menu ending the loop.
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeMainPage.h"
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/PromotionTesting.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotionbar/AppMenu.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"
#include "app/Startup.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QScreen>
#include <QtTest>

using ZEDireroz::App;

namespace {

RADarir::MetronomeMainPage* findPage()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* page = qobject_cast<RADarir::MetronomeMainPage*>(w))
            return page;
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void wholeStartUp()
    {
        App* app = App::theApp();
        QElapsedTimer clock;

        // What the window looks like while the loop runs, before the introduction.
        bool looked = false;
        QTimer::singleShot(250, [&]() {
            looked = true;
            RADarir::MetronomeMainPage* page = findPage();
            QVERIFY(page);
            QVERIFY(QTest::qWaitForWindowExposed(page));
            ZEDireroz::PromoMenuBar* bar = page->promoMenuBar();
            QCOMPARE(bar->parentWidget(), page);
            QVERIFY(bar->isVisible());
            // Across the top, the height the style sheet gives it: 45 pixels and
            // the padding beneath its buttons.
            QCOMPARE(bar->geometry().topLeft(), QPoint(0, 0));
            QCOMPARE(bar->width(), page->width());
            QCOMPARE(bar->height(), 45 + 7);
            // The metronome right beneath it, down to the page's bottom: no gap.
            QRect const metronome = page->metronome()->geometry();
            QCOMPARE(metronome.top(), bar->geometry().bottom() + 1);
            QCOMPARE(metronome.bottom(), page->height() - 1);
            QCOMPARE(metronome.width(), page->width());
            QVERIFY(bar->rateButton()->isHidden());
            for (QPushButton* b : {bar->introButton(), bar->moreButton(), bar->shareButton(), bar->joinButton(),
                                   bar->moreAppsButton(), static_cast<QPushButton*>(bar->appButton())})
                QVERIFY(b->isVisible());
            QStringList rows;
            for (QAction* a : bar->shopMenu()->actions())
                rows << (a->isSeparator() ? QStringLiteral("separator")
                                          : a->text() + (a->icon().isNull() ? " (no icon)" : ""));
            QCOMPARE(rows.size(), 9);
            QCOMPARE(rows.indexOf("separator"), 5);
            QVERIFY(!rows.join('|').contains("(no icon)"));
            QCOMPARE(page->windowTitle(), QStringLiteral("TickwrenTrial"));
            QCOMPARE(page->size(), QSize(540, 765));

            // The picture of the whole window as the X server shows it.
            QImage const shot = page->screen()->grabWindow(page->winId()).toImage();
            QVERIFY(!shot.isNull());
            QVERIFY(shot.save(QStringLiteral(SHOT_FILE)));
            // The bar is drawn: its middle row is not one flat colour.
            qreal const ratio = shot.width() / qreal(page->width());
            int const barRow = int(bar->height() / 2 * ratio);
            QSet<QRgb> colours;
            for (int x = 0; x < shot.width(); x += 4)
                colours << shot.pixel(x, barRow);
            QVERIFY(colours.size() > 8);
        });

        // Quit from the application menu ends the loop.
        auto quit = []() {
            RADarir::MetronomeMainPage* page = findPage();
            QVERIFY(page);
            ZEDireroz::AppMenu* menu = page->promoMenuBar()->appButton()->appMenu();
            QAction* entry = PromotionTesting::menuEntry(menu, QStringLiteral("Quit"));
            QVERIFY(entry);
            entry->trigger();
        };

        // The introduction about half a second after start; a second after it
        // is closed, Quit (counted from the introduction, not from the start,
        // which a loaded machine may stretch).
        qint64 introAfter = -1;
        ModalAnswer intro([&](QDialog* d) {
            introAfter = clock.elapsed();
            d->reject();
            QTimer::singleShot(1000, quit);
        });
        QTimer::singleShot(20000, []() { QCoreApplication::exit(7); });

        clock.start();
        QCOMPARE(Startup::run(*app), 0);
        QVERIFY(looked);
        QVERIFY(intro.seen());
        QCOMPARE(intro.seenClass(), QStringLiteral("ZEDireroz::HelpDialog"));
        QVERIFY2(introAfter >= 480, qPrintable(QString::number(introAfter)));
        // The page went with the end of the start-up.
        QVERIFY(!findPage());
    }
};

int main(int argc, char** argv)
{
    // The page is drawn without OpenGL; left on, the X platform loads the
    // system's GL driver, whose caches the leak check reports once the driver
    // has been unloaded at exit.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
