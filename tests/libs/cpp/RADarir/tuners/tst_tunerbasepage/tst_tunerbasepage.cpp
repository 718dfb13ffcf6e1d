// The tuner page frame: button sizes, the exclusive selection of repeat mode
// and its one-second timer, what a press plays at the stored pitch, a missing
// sample, and the picture on black.
#include "RADarir/tuners/ModesPanel.h"
#include "RADarir/tuners/TunerBasePage.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/frame/App.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace RADarir;

namespace {

ZEDireroz::App* app()
{
    return ZEDireroz::App::theApp();
}

// A page with two strings, bound as an instrument page binds them.
class TwoStringPage : public TunerBasePage
{
public:
    TwoStringPage()
        : TunerBasePage(nullptr)
    {
        for (int i : {0, 1}) {
            button(i)->show();
            button(i)->setText(i ? "A4" : "D3");
            mapButton(i, m_strResourcesPath + (i ? "guitar_%1_E4.mp3" : "guitar_%1_D3.mp3"));
        }
    }
    QString resourcesPath() const { return m_strResourcesPath; }
};

int liveSounds(QObject const& page)
{
    return page.findChildren<QMMultiMedia::NativeAudioPlayer*>().size();
}

} // namespace

class TestTunerBasePage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app()->removeSettingsValue("Pitch");
        app()->removeSettingsValue("Repeat");
    }

    void buttonSide_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("side");
        QTest::newRow("650") << 650 << 100;
        QTest::newRow("300 truncated") << 300 << 46;
        QTest::newRow("652 truncated") << 652 << 100;
        QTest::newRow("1300") << 1300 << 200;
    }
    void buttonSide()
    {
        QFETCH(int, width);
        QFETCH(int, side);
        QCOMPARE(ButtonsPanel::buttonSide(width), side);
        ButtonsPanel panel(nullptr);
        panel.resize(width, 400);
        panel.show();
        QTRY_COMPARE(panel.button(0)->size(), QSize(side, side));
        QCOMPARE(panel.button(9)->size(), QSize(side, side));
    }

    void buttonsBeforeFirstResize()
    {
        ButtonsPanel panel(nullptr);
        QCOMPARE(panel.button(0)->size(), QSize(46, 46));
        QVERIFY(panel.button(0)->isHidden());
        QCOMPARE(panel.button(0)->objectName(), QString("TuneButton"));
        QVERIFY(!panel.button(10));
        QVERIFY(!panel.button(-1));
        QCOMPARE(panel.timer()->interval(), 1000);
        QVERIFY(!panel.timer()->isSingleShot());
        QVERIFY(!panel.timer()->isActive());
    }

    void storedRepeatApplied()
    {
        app()->setSettingsValue("Repeat", true);
        ButtonsPanel panel(nullptr);
        QVERIFY(panel.isRepeatMode());
        QVERIFY(panel.timer()->isActive());
        QVERIFY(panel.button(3)->isCheckable());
    }

    void resourceFolderIsTheApplications()
    {
        TwoStringPage page;
        QCOMPARE(page.resourcesPath(), app()->bundleResourcePath());
        QVERIFY(QFileInfo::exists(page.resourcesPath() + "guitar_440_E4.mp3"));
    }

    void clickPlaysOnceWithoutRepeat()
    {
        TwoStringPage page;
        page.show();
        QSignalSpy spy(&page, &TunerBasePage::soundStarted);
        QTest::mouseClick(page.button(1), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), page.resourcesPath() + "guitar_440_E4.mp3");
        QVERIFY(!page.button(1)->isChecked());
        QVERIFY(!page.buttonsPanel()->timer()->isActive());
    }

    // The pitch is read at every sound: a change needs no rebuild.
    void pitchReadAtEachSound_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("file");
        QTest::newRow("442") << QVariant(442) << "guitar_442_E4.mp3";
        QTest::newRow("415") << QVariant(415) << "guitar_415_E4.mp3";
        QTest::newRow("not a number") << QVariant("abc") << "guitar_440_E4.mp3";
        QTest::newRow("not in the menu") << QVariant(441) << "guitar_440_E4.mp3";
    }
    void pitchReadAtEachSound()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, file);
        TwoStringPage page;
        page.show();
        QSignalSpy spy(&page, &TunerBasePage::soundStarted);
        app()->setSettingsValue("Pitch", stored);
        page.button(1)->click();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), page.resourcesPath() + file);
    }

    void repeatSelectionIsExclusive()
    {
        TwoStringPage page;
        page.show();
        page.slotSetRepeatMode(true);
        page.button(0)->click();
        QVERIFY(page.button(0)->isChecked());
        page.button(1)->click();
        QVERIFY(!page.button(0)->isChecked());
        QVERIFY(page.button(1)->isChecked());
        page.button(1)->click();
        QVERIFY(!page.button(0)->isChecked());
        QVERIFY(!page.button(1)->isChecked());
    }

    void repeatPlaysSelectedEverySecond()
    {
        TwoStringPage page;
        page.show();
        page.slotSetRepeatMode(true);
        QSignalSpy spy(&page, &TunerBasePage::soundStarted);
        QSignalSpy ticks(page.buttonsPanel()->timer(), &QTimer::timeout);
        page.button(1)->click();
        QCOMPARE(spy.size(), 1);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.last().at(0).toString(), page.resourcesPath() + "guitar_440_E4.mp3");
        // A click on the selected button sounds once more and ends the repetitions.
        page.button(1)->click();
        QCOMPARE(spy.size(), 3);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(spy.size(), 3);
    }

    void repeatOffStopsAndClears()
    {
        TwoStringPage page;
        page.show();
        page.slotSetRepeatMode(true);
        page.button(0)->click();
        page.slotSetRepeatMode(false);
        QVERIFY(!page.buttonsPanel()->timer()->isActive());
        QVERIFY(!page.button(0)->isChecked());
        QVERIFY(!page.button(0)->isCheckable());
        QSignalSpy spy(&page, &TunerBasePage::soundStarted);
        page.button(0)->click();
        page.button(0)->click();
        QCOMPARE(spy.size(), 2);
    }

    void ownCheckBoxSwitchesRepeat()
    {
        TwoStringPage page;
        page.show();
        page.modesPanel()->repeatCheckBox()->click();
        QVERIFY(page.buttonsPanel()->isRepeatMode());
        QVERIFY(page.buttonsPanel()->timer()->isActive());
    }

    // A hidden page's timer keeps running but nothing sounds; its note
    // resumes when the page is shown again.
    void hiddenPageStaysSilent()
    {
        TwoStringPage page;
        page.show();
        page.slotSetRepeatMode(true);
        page.button(0)->click();
        page.hide();
        QSignalSpy spy(&page, &TunerBasePage::soundStarted);
        page.buttonsPanel()->slotTimeOut();
        QCOMPARE(spy.size(), 0);
        QVERIFY(page.buttonsPanel()->timer()->isActive());
        page.show();
        page.buttonsPanel()->slotTimeOut();
        QCOMPARE(spy.size(), 1);
    }

    void soundsReleaseThemselves()
    {
        TwoStringPage page;
        page.show();
        page.button(0)->click();
        QCOMPARE(liveSounds(page), 1);
        QTRY_COMPARE_WITH_TIMEOUT(liveSounds(page), 0, 10000);
    }

    // A missing sample releases its player as any other and tells the user
    // once, without a dialog, even when repeat mode asks for it every second.
    void missingSampleShownOnceAndReleased()
    {
        TwoStringPage page;
        page.show();
        QString const pattern = page.resourcesPath() + "nosuchstring_%1_A4.mp3";
        QVERIFY(!page.missingSoundLabel()->isVisible());
        for (int i = 0; i < 3; ++i)
            page.slotPlay(pattern);
        QVERIFY(page.missingSoundLabel()->isVisible());
        QVERIFY(page.missingSoundLabel()->text().contains("nosuchstring_440_A4.mp3"));
        QTRY_COMPARE(liveSounds(page), 0);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<QDialog*>(w) || !w->isVisible(), qPrintable(w->objectName()));
    }

    void pictureFitsWidthCentredOnBlack()
    {
        TunerBasePage page(nullptr);
        page.modesPanel()->hide();
        page.buttonsPanel()->hide();
        QPixmap picture(200, 100);
        picture.fill(Qt::red);
        page.setPicture(picture);
        page.resize(300, 300);
        QImage const shot = page.grab().toImage();
        // 300 x 150 in the middle: black above and below.
        QCOMPARE(shot.pixelColor(150, 20), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(150, 280), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(150, 150), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(2, 80), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(297, 220), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(150, 70), QColor(Qt::black));
    }
};

TW_APP_TEST_MAIN(TestTunerBasePage)
#include "tst_tunerbasepage.moc"
