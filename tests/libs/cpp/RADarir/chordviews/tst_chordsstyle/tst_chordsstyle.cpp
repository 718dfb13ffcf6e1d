// The chord pages' style sheet on the desktop: the sizes applyStyle puts in,
// that the template stays a template (a later filling for another device gets
// that device's sizes), and that every picture the sheet names is there.
#include "RADarir/chordviews/ChordsMainPage.h"
#include "RADarir/chordviews/ChordsStyle.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/chordviews/StyleTesting.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace RADarir;
using StyleTesting::ruleOf;

class TestChordsStyle : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }

    void desktopSizes()
    {
        QVERIFY(!ZEDireroz::App::theApp()->isPocketDevice());
        ChordsMainPage::applyStyle();
        QString const sheet = qApp->styleSheet();
        QVERIFY(!sheet.isEmpty());
        QVERIFY(!sheet.contains("<!"));
        QVERIFY(!sheet.contains("!>"));
        QString const panel = ruleOf(sheet, "QPushButton#PanelButton");
        QVERIFY(panel.contains("min-width:32px"));
        QVERIFY(panel.contains("min-height:32px"));
        QVERIFY(panel.contains("font:bold 16px"));
        QVERIFY(ruleOf(sheet, "QPushButton#TransposerButton").contains("font:bold 14px"));
        QVERIFY(ruleOf(sheet, "QPushButton#PushButton").contains("font:bold 14px"));
        QString const play = ruleOf(sheet, "QPushButton#PlayButton");
        for (QString const bound : {"min-width", "max-width", "min-height", "max-height"})
            QVERIFY2(play.contains(bound + ":48px"), qPrintable(bound));
        QString const tab = ruleOf(sheet, "QTabBar::tab");
        QVERIFY(tab.contains("height:40px") && tab.contains("width:55px") && tab.contains("font-size:12px"));
        QVERIFY(ruleOf(sheet, "QTabBar::scroller").contains("width:40px"));
        QVERIFY(ruleOf(sheet, "QFrame#MenuBar").contains("max-height:44px"));
        QVERIFY(ruleOf(sheet, "QPushButton#MoreButton").contains("min-width:32px"));
    }

    void pocketSizes_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("pocket");
        QTest::newRow("panel width") << "QPushButton#PanelButton"
                                     << "min-width:32px"
                                     << "min-width:28px";
        QTest::newRow("panel height") << "QPushButton#PanelButton"
                                      << "min-height:32px"
                                      << "min-height:28px";
        QTest::newRow("transposer font") << "QPushButton#TransposerButton"
                                         << "font:bold 14px"
                                         << "font:bold 11px";
        QTest::newRow("push button font") << "QPushButton#PushButton"
                                          << "font:bold 14px"
                                          << "font:bold 14px";
    }
    // The template is filled in a copy: after the desktop's sizes were
    // applied, a filling for a pocket screen still gets the pocket's sizes,
    // and the other way round.
    void pocketSizes()
    {
        QFETCH(QString, selector);
        QFETCH(QString, desktop);
        QFETCH(QString, pocket);
        ChordsMainPage::applyStyle();
        QVERIFY(strChordsStyle.contains("<!PANEL_BUTTON_MINWIDTH!>"));
        QString const small = chordsStyleSheet(true);
        QVERIFY(ruleOf(small, selector).contains(pocket));
        QVERIFY(!small.contains("<!"));
        QVERIFY(ruleOf(chordsStyleSheet(false), selector).contains(desktop));
        ChordsMainPage::applyStyle();
        QVERIFY(ruleOf(qApp->styleSheet(), selector).contains(desktop));
    }

    // The bar buttons' placeholder is spelled with one t in "Buton".
    void templatePlaceholders()
    {
        QVERIFY(strChordsStyle.contains("<!ToolButonSize!>"));
        QVERIFY(!strChordsStyle.contains("<!ToolButtonSize!>"));
        QVERIFY(!strChordsStyle.contains('\n'));
        for (QChar c : strChordsStyle)
            QVERIFY(c.unicode() < 128);
    }

    void instrumentLabels_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("picture");
        for (char const* id : {"mandolin", "guitar", "piano", "ukulele", "banjo", "balalaika", "bass"})
            QTest::newRow(id) << id << QString(":/%1.png").arg(id);
        QTest::newRow("bass2") << "bass2"
                               << ":/bass.png";
    }
    void instrumentLabels()
    {
        QFETCH(QString, id);
        QFETCH(QString, picture);
        QString const rule = ruleOf(chordsStyleSheet(false), "QFrame#InstrumentLabel_" + id);
        QVERIFY(rule.contains("url(" + picture + ")"));
        QImage const image(picture);
        QVERIFY(!image.isNull());
        // The label is 40 x 105: its picture has the same shape.
        QCOMPARE(image.width() * 105, image.height() * 40);
    }

    // Every picture the sheet names is there to be shown.
    void everyPictureExists()
    {
        QRegularExpression const url(QStringLiteral("url\\(([^)]*)\\)"));
        auto it = url.globalMatch(chordsStyleSheet(false));
        int pictures = 0;
        while (it.hasNext()) {
            QString const path = it.next().captured(1);
            QVERIFY2(path.startsWith(":/"), qPrintable(path));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            ++pictures;
        }
        QVERIFY(pictures > 40);
    }
};

TW_APP_TEST_MAIN(TestChordsStyle)
#include "tst_chordsstyle.moc"
