// The lamp row: how many lamps show, and which one is lit.
#include "RADarir/metronome/MetronomeBeats.h"

#include <QLabel>
#include <QtTest>

using RADarir::MetronomeBeats;

namespace {

QList<QLabel*> lamps(MetronomeBeats const& row)
{
    // Children come in creation order, left to right.
    return row.findChildren<QLabel*>("Beat", Qt::FindDirectChildrenOnly);
}

// "x" lit, "o" dark, one letter per lamp; "-" for a hidden lamp.
QString picture(MetronomeBeats const& row)
{
    QString s;
    for (QLabel* lamp : lamps(row))
        s += lamp->isHidden() ? '-' : (lamp->isEnabled() ? 'x' : 'o');
    return s;
}

} // namespace

class TestMetronomeBeats : public QObject
{
    Q_OBJECT
private slots:
    void construction()
    {
        MetronomeBeats row;
        row.show();
        QCOMPARE(row.objectName(), QString("MetronomeBeats"));
        QCOMPARE(row.height(), 60);
        QList<QLabel*> const all = lamps(row);
        QCOMPARE(all.size(), 12);
        for (QLabel* lamp : all) {
            QCOMPARE(lamp->size(), QSize(50, 50));
            QVERIFY(lamp->text().isEmpty());
        }
        // All shown and dark until told otherwise.
        QCOMPARE(picture(row), QString("oooooooooooo"));
        QCOMPARE(row.count(), 12);
    }

    void setBeats_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown");
        // Each case starts from 4 lamps.
        QTest::newRow("twelve") << 12 << 12 << "oooooooooooo";
        QTest::newRow("thirteen is ignored") << 13 << 4 << "oooo--------";
        QTest::newRow("zero hides all") << 0 << 0 << "------------";
        QTest::newRow("negative is ignored") << -1 << 4 << "oooo--------";
        QTest::newRow("two") << 2 << 2 << "oo----------";
    }
    void setBeats()
    {
        QFETCH(int, n);
        QFETCH(int, count);
        QFETCH(QString, shown);
        MetronomeBeats row;
        row.slotSetBeats(4);
        row.slotSetBeats(n);
        QCOMPARE(row.count(), count);
        QCOMPARE(picture(row), shown);
        QCOMPARE(row.maximumHeight(), 60);
        QCOMPARE(row.minimumHeight(), 60);
    }

    void currentBeat_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("lit");
        // Each case starts with lamp 1 lit, 4 lamps shown.
        QTest::newRow("three") << 3 << "ooox--------";
        QTest::newRow("first") << 0 << "xooo--------";
        QTest::newRow("hidden lamp") << 5 << "oooo--------";
        QTest::newRow("twelve is ignored") << 12 << "oxoo--------";
        QTest::newRow("negative is ignored") << -1 << "oxoo--------";
    }
    void currentBeat()
    {
        QFETCH(int, index);
        QFETCH(QString, lit);
        MetronomeBeats row;
        row.slotSetBeats(4);
        row.setCurrentBeat(1);
        row.setCurrentBeat(index);
        QCOMPARE(picture(row), lit);
        // Lighting a hidden lamp is allowed; it shows nothing.
        if (index == 5)
            QVERIFY(lamps(row)[5]->isEnabled());
    }

    void narrowRowsGetSmallerLamps_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("beats");
        QTest::addColumn<int>("side");
        // 5 + n x (side + 7) + 5 must fit the width.
        QTest::newRow("wide, twelve") << 1000 << 12 << 50;
        QTest::newRow("just wide enough") << 694 << 12 << 50;
        QTest::newRow("narrowest window, twelve") << 518 << 12 << 35;
        QTest::newRow("narrowest window, four") << 518 << 4 << 50;
        QTest::newRow("very narrow") << 100 << 12 << 16;
        QTest::newRow("no width known") << 0 << 12 << 50;
    }
    void narrowRowsGetSmallerLamps()
    {
        QFETCH(int, width);
        QFETCH(int, beats);
        QFETCH(int, side);
        MetronomeBeats row;
        row.slotSetBeats(2);
        row.setAvailableWidth(width);
        // A later count is fitted to the same width.
        row.slotSetBeats(beats);
        for (QLabel* lamp : lamps(row)) {
            QCOMPARE(lamp->minimumSize(), QSize(side, side));
            QCOMPARE(lamp->maximumSize(), QSize(side, side));
        }
        // Unless the smallest lamps are reached, the row fits its width.
        if (width > 0 && side > 16)
            QVERIFY(10 + beats * (side + 7) <= width);
    }
};

QTEST_MAIN(TestMetronomeBeats)
#include "tst_metronomebeats.moc"
