// What every beat of the metronome lights, shows and sounds, as the audio
// engine steps the bar: the first bar after the start, bars of every length,
// no bar at all, the switches, and a bar that shrinks in its middle. Each
// beat is described as "lamp/picture/sound", the picture being the one on
// show after it ("none" before the first change).
#include "RADarir/metronome/MetronomeBar.h"

#include <QtTest>

using RADarir::MetronomeBar;

namespace {

class Bar
{
public:
    QString tick() { return describe(bar.tick()); }
    QString refresh() { return describe(bar.updateState(false)); }

    MetronomeBar bar;

private:
    QString describe(MetronomeBar::Step const& s)
    {
        static char const* const names[] = {"none",      "base",     "right",  "beat",      "muteLeft",
                                            "muteRight", "muteBeat", "closed", "closedMute"};
        if (s.lamp >= 0)
            m_nLamp = s.lamp;
        if (s.picture != MetronomeBar::Unchanged)
            m_picture = s.picture;
        // The tag carries the step to the window unchanged.
        if (!(MetronomeBar::Step::fromTag(s.tag()) == s))
            return "tag lost the step";
        char const* sound = s.sound == MetronomeBar::TickSound   ? "tick"
                            : s.sound == MetronomeBar::BellSound ? "bell"
                                                                 : "-";
        return QString("%1/%2/%3").arg(s.lamp >= 0 ? m_nLamp : -1).arg(names[m_picture]).arg(sound);
    }
    int m_nLamp = -1;
    MetronomeBar::Picture m_picture = MetronomeBar::Unchanged;
};

} // namespace

class TestMetronomeBar : public QObject
{
    Q_OBJECT
private slots:
    void tickSequence_data()
    {
        QTest::addColumn<int>("beats");
        QTest::addColumn<bool>("eyeOff");
        QTest::addColumn<bool>("earOff");
        QTest::addColumn<QStringList>("ticks");
        // The first tick after the start lights lamp 0 and is silent; the
        // first bell rings on tick n + 1.
        QTest::newRow("4 beats") << 4 << false << false << QStringList{"0/none/-",    "1/base/tick", "2/right/tick",
                                                                       "3/base/tick", "0/beat/bell", "1/base/tick"};
        QTest::newRow("4 beats, eye off")
            << 4 << true << false << QStringList{"0/none/-",      "1/closed/tick", "2/closed/tick",
                                                 "3/closed/tick", "0/closed/bell", "1/closed/tick"};
        QTest::newRow("4 beats, ear off")
            << 4 << false << true
            << QStringList{"0/none/-", "1/muteLeft/-", "2/muteRight/-", "3/muteLeft/-", "0/muteBeat/-", "1/muteLeft/-"};
        QTest::newRow("4 beats, both off")
            << 4 << true << true << QStringList{"0/none/-",       "1/closedMute/-", "2/closedMute/-",
                                                "3/closedMute/-", "0/closedMute/-", "1/closedMute/-"};
        QTest::newRow("2 beats") << 2 << false << false
                                 << QStringList{"0/none/-", "1/base/tick", "0/beat/bell", "1/base/tick", "0/beat/bell"};
        QTest::newRow("12 beats, into the second bar")
            << 12 << false << false
            << QStringList{"0/none/-",      "1/base/tick",  "2/right/tick", "3/base/tick",  "4/right/tick",
                           "5/base/tick",   "6/right/tick", "7/base/tick",  "8/right/tick", "9/base/tick",
                           "10/right/tick", "11/base/tick", "0/beat/bell",  "1/base/tick"};
        // No bar at all: every tick ticks, the eyes alternate from the right.
        QTest::newRow("0 beats") << 0 << false << false
                                 << QStringList{"-1/right/tick", "-1/base/tick", "-1/right/tick", "-1/base/tick"};
        QTest::newRow("0 beats, ear off")
            << 0 << false << true << QStringList{"-1/muteRight/-", "-1/muteLeft/-", "-1/muteRight/-"};
        QTest::newRow("0 beats, eye off") << 0 << true << false << QStringList{"-1/closed/tick", "-1/closed/tick"};
    }
    void tickSequence()
    {
        QFETCH(int, beats);
        QFETCH(bool, eyeOff);
        QFETCH(bool, earOff);
        QFETCH(QStringList, ticks);
        Bar b;
        b.bar.setBeatsPerBar(beats);
        b.bar.setVisible(!eyeOff);
        b.bar.setAudible(!earOff);
        QStringList seen;
        for (int i = 0; i < ticks.size(); ++i)
            seen << b.tick();
        QCOMPARE(seen, ticks);
        QCOMPARE(b.bar.tickCounter(), ticks.size());
    }

    void fewerBeatsInTheMiddleOfABar()
    {
        Bar b;
        b.bar.setBeatsPerBar(8);
        QStringList seen;
        for (int i = 0; i < 6; ++i)
            seen << b.tick();
        QCOMPARE(seen.last(), QString("5/base/tick"));
        // During beat 6 of 8 the bar shrinks to 3: the next tick starts a bar.
        b.bar.setBeatsPerBar(3);
        QCOMPARE(b.tick(), QString("0/beat/bell"));
        QCOMPARE(b.tick(), QString("1/base/tick"));
        QCOMPARE(b.tick(), QString("2/right/tick"));
        QCOMPARE(b.tick(), QString("0/beat/bell"));
    }

    void switchAtTheEndOfABar_data()
    {
        QTest::addColumn<bool>("ear");
        QTest::addColumn<QStringList>("after");
        // The switch starts the new bar at once, silently; the tick that
        // follows shows lamp 0 again without sound or a new picture.
        QTest::newRow("ear") << true << QStringList{"0/muteBeat/-", "0/muteBeat/-", "1/muteLeft/-", "2/muteRight/-"};
        QTest::newRow("eye") << false << QStringList{"0/closed/-", "0/closed/-", "1/closed/tick", "2/closed/tick"};
    }
    void switchAtTheEndOfABar()
    {
        QFETCH(bool, ear);
        QFETCH(QStringList, after);
        Bar b;
        for (int i = 0; i < 4; ++i)
            b.tick();
        if (ear)
            b.bar.setAudible(false);
        else
            b.bar.setVisible(false);
        QStringList seen{b.refresh()};
        for (int i = 1; i < after.size(); ++i)
            seen << b.tick();
        QCOMPARE(seen, after);
    }

    void switchesInTheMiddleOfABar()
    {
        Bar b;
        b.tick();
        b.tick();
        // The picture follows the switch at once, for the coming beat, without a sound.
        b.bar.setVisible(false);
        QCOMPARE(b.refresh(), QString("2/closed/-"));
        b.bar.setVisible(true);
        QCOMPARE(b.refresh(), QString("2/right/-"));
        b.bar.setAudible(false);
        QCOMPARE(b.refresh(), QString("2/muteRight/-"));
        // Taking in a switch neither counts a tick nor advances the bar.
        QCOMPARE(b.bar.tickCounter(), 2);
        QCOMPARE(b.tick(), QString("2/muteRight/-"));
    }
};

QTEST_GUILESS_MAIN(TestMetronomeBar)
#include "tst_metronomebar.moc"
