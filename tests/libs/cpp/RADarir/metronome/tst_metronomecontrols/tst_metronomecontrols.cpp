// The control block: tempo, tempo ranges, beats menu and the two switches,
// seen through the signals the metronome listens to.
#include "RADarir/metronome/MetronomeControls.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using RADarir::MetronomeControls;

namespace {

QLabel* tempoLabel(MetronomeControls const& c)
{
    return c.findChild<QLabel*>("TempoLabel");
}
QTreeWidget* list(MetronomeControls const& c)
{
    return c.findChild<QTreeWidget*>();
}
QPushButton* button(MetronomeControls const& c, char const* name)
{
    return c.findChild<QPushButton*>(name);
}

QList<int> emitted(QSignalSpy const& spy)
{
    QList<int> values;
    for (QList<QVariant> const& args : spy)
        values << args.at(0).toInt();
    return values;
}

// Brings the controls to a tempo with its range selected, without the
// list's jump to the range's lower bound.
void reach(MetronomeControls& c, int bpm)
{
    c.setInterval(bpm);
    QSignalBlocker const block(list(c));
    c.setSelectListItem(bpm);
}

} // namespace

class TestMetronomeControls : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        MetronomeControls c;
        QCOMPARE(c.objectName(), QString("MetronomeControls"));
        QCOMPARE(c.interval(), 38);
        QCOMPARE(tempoLabel(c)->text(), QString("38"));
        QCOMPARE(c.beatsCount(), 4);
        QCOMPARE(button(c, "BeatCombo")->text(), QString("4"));
        QCOMPARE(list(c)->currentItem(), list(c)->topLevelItem(0));
        QCOMPARE(list(c)->topLevelItemCount(), 6);
        QStringList names, ranges;
        for (int i = 0; i < 6; ++i) {
            names << list(c)->topLevelItem(i)->text(0);
            ranges << list(c)->topLevelItem(i)->text(1);
        }
        QCOMPARE(names, QStringList({"Largo", "Adagio", "Andante", "Moderato", "Allegro", "Presto"}));
        QCOMPARE(ranges, QStringList({"38-56", "57-70", "71-96", "97-108", "109-168", "169-208"}));
        QVERIFY(!button(c, "VisibleTickButton")->isChecked());
        QVERIFY(!button(c, "AudiableTickButton")->isChecked());
        QCOMPARE(button(c, "VisibleTickButton")->toolTip(), QString("Visible Tick"));
        QCOMPARE(button(c, "AudiableTickButton")->toolTip(), QString("Audible Tick"));
    }

    void tempo_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("tempo");
        QTest::addColumn<QList<int>>("announced");
        QTest::addColumn<QString>("range");
        QTest::newRow("plus inside a range") << 40 << "+" << 41 << QList<int>{41} << "Largo";
        QTest::newRow("minus inside a range") << 100 << "-" << 99 << QList<int>{99} << "Moderato";
        // Plus into the next range: the list moves and announces its lower
        // bound, the same tempo, a second time.
        QTest::newRow("plus from 56") << 56 << "+" << 57 << QList<int>{57, 57} << "Adagio";
        // Minus into the previous range selects it without jumping to 38.
        QTest::newRow("minus from 57") << 57 << "-" << 56 << QList<int>{56} << "Largo";
        QTest::newRow("plus at 208") << 208 << "+" << 208 << QList<int>{208} << "Presto";
        QTest::newRow("minus at 38") << 38 << "-" << 38 << QList<int>{38} << "Largo";
        QTest::newRow("choose Allegro") << 38 << "Allegro" << 109 << QList<int>{109} << "Allegro";
        QTest::newRow("choose Presto") << 100 << "Presto" << 169 << QList<int>{169} << "Presto";
        QTest::newRow("choose Largo") << 200 << "Largo" << 38 << QList<int>{38} << "Largo";
    }
    void tempo()
    {
        QFETCH(int, start);
        QFETCH(QString, action);
        QFETCH(int, tempo);
        QFETCH(QList<int>, announced);
        QFETCH(QString, range);
        MetronomeControls c;
        reach(c, start);
        QSignalSpy spy(&c, &MetronomeControls::intervalChanged);
        if (action == "+") {
            button(c, "TempoIncButton")->click();
        } else if (action == "-") {
            button(c, "TempoDecButton")->click();
        } else {
            QList<QTreeWidgetItem*> found = list(c)->findItems(action, Qt::MatchExactly, 0);
            QCOMPARE(found.size(), 1);
            list(c)->setCurrentItem(found.first());
        }
        QCOMPARE(c.interval(), tempo);
        QCOMPARE(tempoLabel(c)->text(), QString::number(tempo));
        QCOMPARE(emitted(spy), announced);
        QCOMPARE(list(c)->currentItem()->text(0), range);
    }

    void prestoThenMinus()
    {
        MetronomeControls c;
        list(c)->setCurrentItem(list(c)->topLevelItem(5));
        QCOMPARE(c.interval(), 169);
        button(c, "TempoDecButton")->click();
        QCOMPARE(c.interval(), 168);
        QCOMPARE(list(c)->currentItem()->text(0), QString("Allegro"));
    }

    void setIntervalKeepsTheRange_data()
    {
        QTest::addColumn<int>("bpm");
        QTest::addColumn<int>("shown");
        QTest::newRow("zero") << 0 << 38;
        QTest::newRow("negative") << -60 << 38;
        QTest::newRow("too fast") << 500 << 208;
        QTest::newRow("inside") << 120 << 120;
    }
    void setIntervalKeepsTheRange()
    {
        QFETCH(int, bpm);
        QFETCH(int, shown);
        MetronomeControls c;
        QSignalSpy spy(&c, &MetronomeControls::intervalChanged);
        c.setInterval(bpm);
        QCOMPARE(c.interval(), shown);
        QCOMPARE(emitted(spy), QList<int>{shown});
    }

    void beatsMenu_data()
    {
        QTest::addColumn<int>("beats");
        for (int n : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void beatsMenu()
    {
        QFETCH(int, beats);
        MetronomeControls c;
        QMenu* menu = button(c, "BeatCombo")->menu();
        QVERIFY(menu);
        QList<QAction*> const actions = menu->actions();
        QStringList texts;
        for (QAction* a : actions)
            texts << a->text();
        QCOMPARE(texts, QStringList({"0", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
        QAction* chosen = nullptr;
        for (QAction* a : actions)
            if (a->text() == QString::number(beats))
                chosen = a;
        QVERIFY(chosen);
        QVERIFY(chosen->shortcut().isEmpty());
        // Desktop styles put "&" into menu texts for keyboard access; the
        // count must not depend on the text.
        chosen->setText("&" + chosen->text());
        QSignalSpy spy(&c, &MetronomeControls::beatsCountChanged);
        chosen->trigger();
        QCOMPARE(emitted(spy), QList<int>{beats});
        QCOMPARE(c.beatsCount(), beats);
        QCOMPARE(button(c, "BeatCombo")->text(), QString::number(beats));
    }

    void switches_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("eye") << "VisibleTickButton";
        QTest::newRow("ear") << "AudiableTickButton";
    }
    void switches()
    {
        QFETCH(QString, name);
        MetronomeControls c;
        QSignalSpy visible(&c, &MetronomeControls::visibleTickChanged);
        QSignalSpy audible(&c, &MetronomeControls::audibleTickChanged);
        QSignalSpy& spy = name == "VisibleTickButton" ? visible : audible;
        QSignalSpy& other = name == "VisibleTickButton" ? audible : visible;
        QPushButton* b = button(c, qPrintable(name));
        QVERIFY(b->isCheckable());
        b->click();
        b->click();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
        QCOMPARE(other.count(), 0);
    }

    // The tempo display with its minus and plus ends, and the beat picture
    // with the beats button, are pictures that join: in either direction they
    // stand left to right, each piece's edge on the next one's.
    void joinedPiecesReadLeftToRight_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
    void joinedPiecesReadLeftToRight()
    {
        QFETCH(Qt::LayoutDirection, direction);
        qApp->setLayoutDirection(direction);
        MetronomeControls c;
        c.resize(400, 300);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        auto rect = [&](QWidget* w) { return QRect(w->mapTo(&c, QPoint(0, 0)), w->size()); };
        QList<QList<QWidget*>> const groups = {
            {button(c, "TempoDecButton"), tempoLabel(c), button(c, "TempoIncButton")},
            {button(c, "BeatButton"), button(c, "BeatCombo")},
        };
        for (QList<QWidget*> const& group : groups)
            for (int i = 1; i < group.size(); ++i)
                QCOMPARE(rect(group[i]).left(), rect(group[i - 1]).right() + 1);
        // The rest of the block follows the language: the eye stands first.
        QCOMPARE(rect(button(c, "VisibleTickButton")).x() < rect(button(c, "AudiableTickButton")).x(),
                 direction == Qt::LeftToRight);
        qApp->setLayoutDirection(Qt::LeftToRight);
    }
};

QTEST_MAIN(TestMetronomeControls)
#include "tst_metronomecontrols.moc"
