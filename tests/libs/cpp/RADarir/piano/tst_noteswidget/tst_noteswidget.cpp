// The grand-staff note picker: which note each staff step names, the note
// places at any height, the label and signal with an accidental, notes shown
// from outside, and the sample a click plays.
#include "RADarir/piano/NotesWidget.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/piano/PianoTesting.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using RADarir::NotesWidget;
using Staff = PianoTesting::Recording<NotesWidget>;

Q_DECLARE_METATYPE(QList<int>)

namespace {

// 324 pixels high: a line every 12 pixels, a half-line step every 6.
constexpr int kHeight = 324;
constexpr int kHalfStep = 6;

// Moves the pointer to y and paints, which is when the staff names the note.
void hover(NotesWidget& staff, int y)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(staff.width() / 2, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&staff, &move);
    staff.grab();
}

// Moves the pointer to y without painting: the staff is not repainted before
// whatever comes next, as when a pointer jumps and presses at once.
void jump(NotesWidget& staff, int y)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(staff.width() / 2, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&staff, &move);
}

void click(NotesWidget& staff, int y)
{
    QTest::mouseClick(&staff, Qt::LeftButton, Qt::NoModifier, QPoint(staff.width() / 2, y));
}

QString labelText(NotesWidget& staff)
{
    return staff.findChild<QLabel*>("NoteLabel")->text();
}

QPushButton* button(NotesWidget& staff, char const* name)
{
    return staff.findChild<QPushButton*>(name);
}

// The staff, shown and sized like on a page.
struct Fixture
{
    Staff staff;
    explicit Fixture(int height = kHeight)
    {
        staff.resize(400, height);
        staff.show();
    }
};

QString const kNaturals[] = {"C", "D", "E", "F", "G", "A", "B"};

QStringList allNaturals()
{
    QStringList names{"A0", "B0"};
    for (int octave = 1; octave <= 7; ++octave)
        for (QString const& letter : kNaturals)
            names << letter + QString::number(octave);
    names << "C8";
    return names;
}

} // namespace

class TestNotesWidget : public QObject
{
    Q_OBJECT
private slots:
    void stepNamesNote_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("solfege");
        QTest::newRow("middle C, line 15") << 30 << "C4"
                                           << "do4";
        QTest::newRow("bottom line of the treble staff") << 28 << "E4"
                                                         << "mi4";
        QTest::newRow("top line of the treble staff") << 20 << "F5"
                                                      << "fa5";
        QTest::newRow("top line of the bass staff") << 32 << "A3"
                                                    << "la3";
        QTest::newRow("bottom line of the bass staff") << 40 << "G2"
                                                       << "sol2";
        QTest::newRow("half a step below the lowest line") << 53 << "A0"
                                                           << "la0";
        QTest::newRow("second line from the top") << 2 << "C8"
                                                  << "do8";
        QTest::newRow("space below it") << 3 << "B7"
                                        << "si7";
    }
    void stepNamesNote()
    {
        QFETCH(int, step);
        QFETCH(QString, name);
        QFETCH(QString, solfege);
        Fixture f;
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        // Anywhere within the step's band.
        hover(f.staff, step * kHalfStep + 1);
        QCOMPARE(f.staff.currentName(), name);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), name);
        QCOMPARE(changed.at(0).at(1).toInt(), 0);
        QVERIFY(labelText(f.staff).contains(">" + name + "<"));
        QVERIFY(labelText(f.staff).contains("(" + solfege + ")"));
        hover(f.staff, step * kHalfStep + kHalfStep - 1);
        QCOMPARE(changed.count(), 1);
    }

    // The top line and the space below it name nothing: the last name stays.
    void topStepsKeepTheLastName_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("top line") << 0;
        QTest::newRow("space below it") << 1;
    }
    void topStepsKeepTheLastName()
    {
        QFETCH(int, step);
        Fixture f;
        hover(f.staff, 30 * kHalfStep + 2);
        QString const label = labelText(f.staff);
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        hover(f.staff, step * kHalfStep + 2);
        QCOMPARE(f.staff.currentName(), QString("C4"));
        QCOMPARE(labelText(f.staff), label);
        QCOMPARE(changed.count(), 0);
    }

    void nothingShownAtFirst()
    {
        Fixture f;
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        f.staff.grab();
        QVERIFY(labelText(f.staff).isEmpty());
        QVERIFY(f.staff.currentName().isEmpty());
        // A pointer exactly at (0, 0) is no note either.
        QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.staff, &move);
        f.staff.grab();
        QVERIFY(f.staff.currentName().isEmpty());
        QCOMPARE(changed.count(), 0);
        QVERIFY(button(f.staff, "NaturalSignButton")->isChecked());
    }

    // Every note's place names that note again, at any height.
    void placesNameTheirNote_data()
    {
        QTest::addColumn<int>("height");
        for (int h : {300, 324, 517, 811, 1000})
            QTest::newRow(qPrintable(QString::number(h))) << h;
    }
    void placesNameTheirNote()
    {
        QFETCH(int, height);
        Fixture f(height);
        for (QString const& name : allNaturals()) {
            QPoint const at = f.staff.nameToPos(name);
            QCOMPARE(at.x(), 10);
            hover(f.staff, at.y());
            QVERIFY2(f.staff.currentName() == name,
                     qPrintable(QString("%1 at y %2 named %3").arg(name).arg(at.y()).arg(f.staff.currentName())));
        }
        QCOMPARE(f.staff.nameToPos("H4"), QPoint(10, 0));
    }

    void placesFollowTheHeight()
    {
        Fixture f(600);
        f.staff.resize(400, kHeight);
        QCOMPARE(f.staff.nameToPos("C4").y(), 184);
        QCOMPARE(f.staff.nameToPos("A4").y(), 154);
    }

    void accidentalButtonsExcludeEachOther_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QList<int>>("checked"); // flat, sharp, natural
        QTest::newRow("flat") << "FlatSignButton" << QList<int>{1, 0, 0};
        QTest::newRow("sharp") << "SharpSignButton" << QList<int>{0, 1, 0};
        QTest::newRow("natural") << "NaturalSignButton" << QList<int>{0, 0, 1};
    }
    void accidentalButtonsExcludeEachOther()
    {
        QFETCH(QString, clicked);
        QFETCH(QList<int>, checked);
        Fixture f;
        for (char const* other : {"FlatSignButton", "SharpSignButton", "NaturalSignButton"}) {
            button(f.staff, other)->click();
            button(f.staff, qPrintable(clicked))->click();
            QCOMPARE((QList<int>{f.staff.isFlat(), f.staff.isSharp(), f.staff.isNatural()}), checked);
        }
    }

    // A sharp is written in the label and the signal once the hovered note
    // changes; choosing it alone renames nothing.
    void sharpShowsInLabelAndSignal()
    {
        Fixture f;
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        hover(f.staff, 30 * kHalfStep + 1);
        button(f.staff, "SharpSignButton")->click();
        f.staff.grab();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!labelText(f.staff).contains("#"));
        hover(f.staff, 31 * kHalfStep + 1);
        hover(f.staff, 30 * kHalfStep + 1);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last(), (QList<QVariant>{"C4", 1}));
        QVERIFY(labelText(f.staff).contains(">#C4<"));
        QVERIFY(labelText(f.staff).contains("(#do4)"));
    }

    // The key that sounds is the one the accidental names: a sharp the key above
    // the natural, a flat the one below, never beyond the piano's ends.
    void clickPlaysTheNoteShown_data()
    {
        QTest::addColumn<QString>("accidental");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("sample");
        QTest::newRow("C4") << "NaturalSignButton"
                            << "C4"
                            << "C4";
        QTest::newRow("C sharp 4") << "SharpSignButton"
                                   << "C4"
                                   << "Cd4";
        QTest::newRow("D flat 4") << "FlatSignButton"
                                  << "D4"
                                  << "Cd4";
        QTest::newRow("C flat 4 is B3") << "FlatSignButton"
                                        << "C4"
                                        << "B3";
        QTest::newRow("E sharp 4 is F4") << "SharpSignButton"
                                         << "E4"
                                         << "F4";
        QTest::newRow("B sharp 4 is C5") << "SharpSignButton"
                                         << "B4"
                                         << "C5";
        QTest::newRow("A flat 0 stays A0") << "FlatSignButton"
                                           << "A0"
                                           << "A0";
        QTest::newRow("C sharp 8 stays C8") << "SharpSignButton"
                                            << "C8"
                                            << "C8";
        QTest::newRow("A sharp 0") << "SharpSignButton"
                                   << "A0"
                                   << "Ad0";
    }
    void clickPlaysTheNoteShown()
    {
        QFETCH(QString, accidental);
        QFETCH(QString, note);
        QFETCH(QString, sample);
        Fixture f;
        button(f.staff, qPrintable(accidental))->click();
        int const y = f.staff.nameToPos(note).y();
        hover(f.staff, y);
        click(f.staff, y);
        QCOMPARE(f.staff.played.size(), 1);
        QVERIFY2(f.staff.played.first().endsWith("/piano_440_" + sample + ".mp3"), qPrintable(f.staff.played.first()));
        QVERIFY2(PianoTesting::isGeneratedPianoSample(f.staff.played.first()), qPrintable(f.staff.played.first()));
    }

    // A press names and sounds the note under the press itself, whatever the
    // staff last painted: the pointer rests on one note (painted), jumps to
    // another and presses before any repaint, or presses with no move at all
    // (a tap, a pen).
    void pressSoundsTheNoteUnderIt_data()
    {
        QTest::addColumn<QString>("rest"); // painted there first; empty: nowhere
        QTest::addColumn<bool>("moved");   // a move to the press's place comes first, unpainted
        QTest::addColumn<QString>("pressed");
        QTest::newRow("rest on F4, jump to F5") << "F4" << true << "F5";
        QTest::newRow("rest on B5, jump to G4") << "B5" << true << "G4";
        QTest::newRow("rest on C8, jump to A0") << "C8" << true << "A0";
        QTest::newRow("rest on E4, press on G2 with no move") << "E4" << false << "G2";
        QTest::newRow("first press, no move before") << "" << false << "C4";
        QTest::newRow("first press after an unpainted move") << "" << true << "A4";
    }
    void pressSoundsTheNoteUnderIt()
    {
        QFETCH(QString, rest);
        QFETCH(bool, moved);
        QFETCH(QString, pressed);
        Fixture f;
        if (!rest.isEmpty()) {
            hover(f.staff, f.staff.nameToPos(rest).y());
            QCOMPARE(f.staff.currentName(), rest);
        }
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        int const y = f.staff.nameToPos(pressed).y();
        if (moved)
            jump(f.staff, y);
        QTest::mousePress(&f.staff, Qt::LeftButton, Qt::NoModifier, QPoint(f.staff.width() / 2, y));
        QCOMPARE(f.staff.played.size(), 1);
        QVERIFY2(f.staff.played.first().endsWith("/piano_440_" + pressed + ".mp3"), qPrintable(f.staff.played.first()));
        QVERIFY2(PianoTesting::isGeneratedPianoSample(f.staff.played.first()), qPrintable(f.staff.played.first()));
        QCOMPARE(f.staff.currentName(), pressed);
        QVERIFY2(labelText(f.staff).contains(">" + pressed + "<"), qPrintable(labelText(f.staff)));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first(), (QList<QVariant>{pressed, 0}));
        // The repaint that follows draws the same note and names nothing new.
        f.staff.grab();
        QTest::mouseRelease(&f.staff, Qt::LeftButton, Qt::NoModifier, QPoint(f.staff.width() / 2, y));
        QCOMPARE(f.staff.currentName(), pressed);
        QCOMPARE(changed.count(), 1);
    }

    // A press on the top steps before any note was named asks for a file that
    // is not there; its player still goes away.
    void missingSampleLeavesNoPlayer()
    {
        Fixture f;
        click(f.staff, 1 * kHalfStep + 1);
        QCOMPARE(f.staff.played.size(), 1);
        QVERIFY(f.staff.played.first().endsWith("/piano_440_.mp3"));
        QVERIFY(!QFileInfo::exists(f.staff.played.first()));
        QTRY_VERIFY(f.staff.lastPlayer.isNull());
    }

    void showNoteFromOutside()
    {
        Fixture f;
        hover(f.staff, 30 * kHalfStep + 1);
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        f.staff.slotShowNote("A0", 1);
        QVERIFY(f.staff.isSharp());
        QVERIFY(!f.staff.isNatural() && !f.staff.isFlat());
        QVERIFY(labelText(f.staff).contains(">#A0<"));
        QVERIFY(labelText(f.staff).contains("(#la)"));
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.first(), (QList<QVariant>{"A0", 1}));
        QVERIFY(labelText(f.staff).contains("(#la0)"));
        QCOMPARE(f.staff.currentName(), QString("A0"));
    }

    // A name off the staff changes the label and buttons only.
    void showNoteOffTheStaff()
    {
        Fixture f;
        hover(f.staff, 30 * kHalfStep + 1);
        QSignalSpy changed(&f.staff, &NotesWidget::noteChanged);
        f.staff.slotShowNote("H4", -1);
        QVERIFY(f.staff.isFlat());
        QVERIFY(labelText(f.staff).contains("H4"));
        QVERIFY(labelText(f.staff).contains(QString(QChar(0x266D)) + "</b>si)"));
        f.staff.grab();
        QCOMPARE(f.staff.currentName(), QString("C4"));
        QCOMPARE(changed.count(), 0);
    }

    void wrapperPassesSignalAndSlotThrough()
    {
        RADarir::DecoratedNotesWidget wrapper;
        wrapper.resize(500, 400);
        wrapper.show();
        QCOMPARE(wrapper.notesWidget()->parent(), &wrapper);
        QSignalSpy picker(wrapper.notesWidget(), &NotesWidget::noteChanged);
        QSignalSpy passed(&wrapper, &RADarir::DecoratedNotesWidget::noteChanged);
        wrapper.slotShowNote("E4", -1);
        QTRY_COMPARE(passed.count(), 1);
        QCOMPARE(passed.first(), (QList<QVariant>{"E4", -1}));
        QCOMPARE(picker.count(), 1);
        hover(*wrapper.notesWidget(), wrapper.notesWidget()->nameToPos("G2").y());
        QCOMPARE(passed.count(), 2);
        QCOMPARE(passed.last(), (QList<QVariant>{"G2", -1}));
    }
};

TW_APP_TEST_MAIN(TestNotesWidget)
#include "tst_noteswidget.moc"
