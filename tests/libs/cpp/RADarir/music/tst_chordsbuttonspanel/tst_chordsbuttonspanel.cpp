// The chord buttons panel: its buttons and grids, what a click reports, and
// how a chord name selects the buttons.
#include "RADarir/music/ChordsButtonsPanel.h"
#include "TestSupport/ModalDriver.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using RADarir::ChordsButtonsPanel;

namespace {

QString const kFlat = QString(QChar(0x266D));

using Report = QPair<int, QString>;

QList<Report> reports(QSignalSpy const& spy)
{
    QList<Report> list;
    for (QList<QVariant> const& args : spy)
        list << Report(args.at(0).toInt(), args.at(1).toString());
    return list;
}

QFrame* frame(ChordsButtonsPanel& panel, char const* name)
{
    return panel.findChild<QFrame*>(name);
}

// The panel button of a frame with the given text.
QPushButton* button(ChordsButtonsPanel& panel, char const* frameName, QString const& text)
{
    for (QPushButton* b : frame(panel, frameName)->findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QPushButton* root(ChordsButtonsPanel& panel, QString const& text)
{
    return button(panel, "ChordButtonsFrame", text);
}

QPushButton* type(ChordsButtonsPanel& panel, QString const& text)
{
    return button(panel, "ChordOptionsFrame", text);
}

// The text of the button at a grid position, "-" for an empty cell.
QString cell(QFrame* frame, int row, int column)
{
    auto* grid = qobject_cast<QGridLayout*>(frame->layout());
    QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
    auto* b = item ? qobject_cast<QPushButton*>(item->widget()) : nullptr;
    return b ? b->text() : QStringLiteral("-");
}

// The picture of every root button, by its text, in a panel made in the given
// direction; the letters run from the right in a right-to-left panel.
QMap<QString, QImage> rootPictures(Qt::LayoutDirection direction)
{
    qApp->setLayoutDirection(direction);
    QMap<QString, QImage> pictures;
    {
        ChordsButtonsPanel panel(nullptr);
        panel.resize(420, 200);
        panel.show();
        if (QTest::qWaitForWindowExposed(&panel)
            && (root(panel, "A")->x() > root(panel, "G")->x()) == (direction == Qt::RightToLeft)) {
            for (QPushButton* b : frame(panel, "ChordButtonsFrame")->findChildren<QPushButton*>())
                pictures.insert(b->text(), b->grab().toImage());
        }
    }
    qApp->setLayoutDirection(Qt::LeftToRight);
    return pictures;
}

} // namespace

class TestChordsButtonsPanel : public QObject
{
    Q_OBJECT
private slots:
    void buttonsAndGrids()
    {
        ChordsButtonsPanel panel(nullptr);
        QCOMPARE(panel.objectName(), QString("ChordsButtonsPanel"));
        QList<QPushButton*> const buttons = panel.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 32);
        for (QPushButton* b : buttons) {
            QCOMPARE(b->objectName(), QString("PanelButton"));
            QVERIFY(b->isFlat());
            QVERIFY(b->isCheckable());
        }
        // Each column holds one letter as natural, flat and sharp.
        QFrame* roots = frame(panel, "ChordButtonsFrame");
        QStringList const letters = {"A", "B", "C", "D", "E", "F", "G"};
        for (int column = 0; column < letters.size(); ++column) {
            QCOMPARE(cell(roots, 0, column), letters.at(column));
            QCOMPARE(cell(roots, 1, column), letters.at(column) + kFlat);
            QCOMPARE(cell(roots, 2, column), letters.at(column) + " #");
        }
        QFrame* types = frame(panel, "ChordOptionsFrame");
        QStringList row0, row1;
        for (int column = 0; column < 6; ++column) {
            row0 << cell(types, 0, column);
            row1 << cell(types, 1, column);
        }
        QCOMPARE(row0, QStringList({"", "m", "m6", "m7", "maj7", "aug"}));
        QCOMPARE(row1, QStringList({"-", "6", "7", "9", "dim", "sus4"}));

        QCOMPARE(panel.currentChordPart1(), QString("A"));
        QCOMPARE(panel.currentChordPart2(), QString());
        QCOMPARE(panel.currentChord(), QString("A"));
    }

    // Both groups belong to the panel and go with it.
    void groupsGoWithThePanel()
    {
        auto* panel = new ChordsButtonsPanel(nullptr);
        QList<QButtonGroup*> const groups = panel->findChildren<QButtonGroup*>();
        QCOMPARE(groups.size(), 2);
        QPointer<QButtonGroup> first = groups.at(0), second = groups.at(1);
        QVERIFY(first->exclusive() && second->exclusive());
        delete panel;
        QVERIFY(first.isNull());
        QVERIFY(second.isNull());
    }

    void clicks_data()
    {
        QTest::addColumn<QStringList>("clicks"); // "r:" root, "t:" type
        QTest::addColumn<QList<Report>>("reported");
        QTest::newRow("sharp root then minor")
            << QStringList({"r:F #", "t:m"}) << QList<Report>({{121, "F #"}, {122, "F #m"}});
        QTest::newRow("the selected A again") << QStringList({"r:A"}) << QList<Report>({{0, "A"}});
        QTest::newRow("flat root, minor seventh")
            << QStringList({"r:B" + kFlat, "t:m7"}) << QList<Report>({{33, "B" + kFlat}, {41, "B" + kFlat + "m7"}});
        QTest::newRow("maj7 and m7 keep their index order")
            << QStringList({"r:C", "t:maj7", "t:m7"}) << QList<Report>({{44, "C"}, {51, "Cmaj7"}, {52, "Cm7"}});
        QTest::newRow("back to major") << QStringList({"t:sus4", "t:"}) << QList<Report>({{10, "Asus4"}, {0, "A"}});
        QTest::newRow("B sharp is C") << QStringList({"r:B #", "t:9"}) << QList<Report>({{44, "B #"}, {53, "B #9"}});
    }
    void clicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QList<Report>, reported);
        ChordsButtonsPanel panel(nullptr);
        QSignalSpy spy(&panel, &ChordsButtonsPanel::chordChanged);
        for (QString const& click : clicks) {
            QString const text = click.mid(2);
            QPushButton* b = click.startsWith("r:") ? root(panel, text) : type(panel, text);
            QVERIFY2(b, qPrintable(click));
            b->click();
            QVERIFY(b->isChecked());
        }
        QCOMPARE(reports(spy), reported);
    }

    void setChord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rootText");
        QTest::addColumn<QString>("typeText");
        QTest::addColumn<int>("index");
        QTest::newRow("E flat minor") << "E" + kFlat + "m"
                                      << "E" + kFlat << "m" << 89;
        QTest::newRow("Adim, not m") << "Adim"
                                     << "A"
                                     << "dim" << 3;
        QTest::newRow("Am6, not 6") << "Am6"
                                    << "A"
                                    << "m6" << 5;
        QTest::newRow("Amaj7") << "Amaj7"
                               << "A"
                               << "maj7" << 7;
        QTest::newRow("Am7") << "Am7"
                             << "A"
                             << "m7" << 8;
        QTest::newRow("C #7 keeps its name") << "C #7"
                                             << "C #"
                                             << "7" << 72;
        QTest::newRow("G flat sus4") << "G" + kFlat + "sus4"
                                     << "G" + kFlat << "sus4" << 131;
        QTest::newRow("F # major") << "F #"
                                   << "F #"
                                   << "" << 121;
        QTest::newRow("C flat aug") << "C" + kFlat + "aug"
                                    << "C" + kFlat << "aug" << 24;
        QTest::newRow("D9") << "D9"
                            << "D"
                            << "9" << 64;
    }
    void setChord()
    {
        QFETCH(QString, name);
        QFETCH(QString, rootText);
        QFETCH(QString, typeText);
        QFETCH(int, index);
        ChordsButtonsPanel panel(nullptr);
        panel.setChord("Gm7"); // something else selected before
        QSignalSpy spy(&panel, &ChordsButtonsPanel::chordChanged);
        panel.setChord(name);
        QCOMPARE(reports(spy), QList<Report>({{index, name}}));
        QCOMPARE(panel.currentChordPart1(), rootText);
        QCOMPARE(panel.currentChordPart2(), typeText);
        QVERIFY(root(panel, rootText)->isChecked());
        QVERIFY(type(panel, typeText)->isChecked());
    }

    // A text that names no chord is not shown or reported as some other chord.
    void unreadableNamesAreIgnored_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("letter b for flat") << "Ab";
        QTest::newRow("empty") << "";
        QTest::newRow("sharp without space") << "F#m";
        QTest::newRow("lower case") << "am";
        QTest::newRow("unknown suffix") << "Dadd9";
    }
    void unreadableNamesAreIgnored()
    {
        QFETCH(QString, name);
        ChordsButtonsPanel panel(nullptr);
        panel.setChord("E" + kFlat + "m7");
        QSignalSpy spy(&panel, &ChordsButtonsPanel::chordChanged);
        panel.setChord(name);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(panel.currentChord(), "E" + kFlat + "m7");
    }

    void hiddenButtonStillWorks()
    {
        ChordsButtonsPanel panel(nullptr);
        panel.show();
        QPushButton* minor = type(panel, "m");
        QVERIFY(minor->isVisible());
        panel.hideM();
        QVERIFY(!minor->isVisible());
        QVERIFY(type(panel, "m7")->isVisible());
        QCOMPARE(cell(frame(panel, "ChordOptionsFrame"), 0, 1), QString("m"));
        QCOMPARE(minor->group()->buttons().size(), 11);
        QSignalSpy spy(&panel, &ChordsButtonsPanel::chordChanged);
        panel.setChord("Am");
        QVERIFY(minor->isChecked());
        QCOMPARE(reports(spy), QList<Report>({{1, "Am"}}));
    }

    void eachHideHidesItsButton_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("blank") << "";
        QTest::newRow("m") << "m";
        QTest::newRow("aug") << "aug";
        QTest::newRow("dim") << "dim";
        QTest::newRow("6") << "6";
        QTest::newRow("m6") << "m6";
        QTest::newRow("7") << "7";
        QTest::newRow("m7") << "m7";
        QTest::newRow("maj7") << "maj7";
        QTest::newRow("9") << "9";
        QTest::newRow("sus4") << "sus4";
    }
    void eachHideHidesItsButton()
    {
        QFETCH(QString, text);
        QMap<QString, void (ChordsButtonsPanel::*)()> const hides = {
            {"", &ChordsButtonsPanel::hideBlank},    {"m", &ChordsButtonsPanel::hideM},
            {"aug", &ChordsButtonsPanel::hideAug},   {"dim", &ChordsButtonsPanel::hideDim},
            {"6", &ChordsButtonsPanel::hide6},       {"m6", &ChordsButtonsPanel::hideM6},
            {"7", &ChordsButtonsPanel::hide7},       {"m7", &ChordsButtonsPanel::hideM7},
            {"maj7", &ChordsButtonsPanel::hideMaj7}, {"9", &ChordsButtonsPanel::hide9},
            {"sus4", &ChordsButtonsPanel::hideSus4}};
        ChordsButtonsPanel panel(nullptr);
        panel.show();
        (panel.*hides.value(text))();
        QStringList hidden;
        for (QPushButton* b : frame(panel, "ChordOptionsFrame")->findChildren<QPushButton*>()) {
            if (!b->isVisible())
                hidden << b->text();
        }
        QCOMPARE(hidden, QStringList{text});
    }

    // In a right-to-left window the grid mirrors, but each note name still
    // reads as written: "A #", not "# A"; A and the flat sign, not the other
    // way. Each button looks exactly as it does left to right.
    void rootNamesReadLeftToRight()
    {
        QMap<QString, QImage> const ltr = rootPictures(Qt::LeftToRight);
        QMap<QString, QImage> const rtl = rootPictures(Qt::RightToLeft);
        QCOMPARE(rtl.keys(), ltr.keys());
        QCOMPARE(ltr.size(), 21);
        QStringList reversed;
        for (QString const& name : ltr.keys())
            if (rtl.value(name) != ltr.value(name))
                reversed << name;
        QCOMPARE(reversed, QStringList());
    }
};

TW_APP_TEST_MAIN(TestChordsButtonsPanel)
#include "tst_chordsbuttonspanel.moc"
