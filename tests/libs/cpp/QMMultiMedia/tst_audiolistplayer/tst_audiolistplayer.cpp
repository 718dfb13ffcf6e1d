// The play-list player: starting a list, moving through it by finished sounds,
// by steps and by choice, the end of the list, shuffle and loop, entries that
// cannot be loaded, and a file played from outside the list. Sounds run on the
// audio engine's silent clock, so they take their real time.
#include "QMMultiMedia/AudioListPlayer.h"
#include "QMMultiMedia/AudioPlayer.h"
#include "QMMultiMedia/PlayListModel.h"

#include "TestSupport/TestTone.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <numeric>

using QMMultiMedia::AudioListPlayer;
using QMMultiMedia::AudioPlayer;

namespace {

constexpr int kSlackMs = 250;
// How long to wait for something that must come, on a loaded machine.
constexpr int kEventMs = 15000;

// What the list played, in order: the position and whether a sound started.
struct Moves
{
    QVector<int> positions;
    QVector<bool> sounding;
    explicit Moves(AudioListPlayer* list)
    {
        QObject::connect(list, &AudioListPlayer::nextTriggered, list, [this, list]() {
            positions.append(list->currentNumber());
            sounding.append(AudioPlayer::instance()->isPlaying());
        });
    }
};

} // namespace

class TestAudioListPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    AudioListPlayer* list() { return AudioListPlayer::instance(); }

    // A tone of its own name, so that every entry is a different file.
    QUrl tone(QString const& name, int ms)
    {
        QString const path = m_dir.filePath(name + QStringLiteral(".wav"));
        if (!QFile::exists(path))
            TestTone::writeWav(path, std::int64_t(ms) * 8000 / 1000, 8000, 1);
        return QUrl::fromLocalFile(path);
    }
    QUrl damaged(QString const& name)
    {
        QString const path = m_dir.filePath(name + QStringLiteral(".mp3"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray("this is no sound").repeated(100));
        return QUrl::fromLocalFile(path);
    }
    QList<QUrl> tones(int count, int ms)
    {
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i)
            urls << tone(QStringLiteral("t%1_%2").arg(i).arg(ms), ms);
        return urls;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void cleanup()
    {
        delete AudioListPlayer::instance();
        delete AudioPlayer::instance();
    }

    void anEmptyListHasNoCurrentEntry()
    {
        QCOMPARE(list()->currentNumber(), 0);
        QCOMPARE(list()->currentIndex(), -1);
        QCOMPARE(list()->currentUrl(), QUrl());
        QCOMPARE(list()->currentName(), QString());
        QVERIFY(list()->currentCover().isNull());
        QCOMPARE(list()->index(0), -1);
        QSignalSpy next(list(), &AudioListPlayer::nextTriggered);
        QSignalSpy previous(list(), &AudioListPlayer::previousTriggered);
        list()->slotPlayNext();
        list()->slotPlayPrevious();
        list()->slotFinished();
        list()->slotPlayFromList(tone(QStringLiteral("a"), 200));
        QCOMPARE(next.count() + previous.count(), 0);
        QVERIFY(!list()->isPlaying());
    }

    void currentNameIsTheFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("hash") << "side#2.wav";
        QTest::newRow("percent") << "100%.wav";
        QTest::newRow("question mark") << "what?.wav";
        QTest::newRow("space and accents") << QString::fromUtf8("d\xc3\xa9j\xc3\xa0 vu.wav");
    }
    void currentNameIsTheFileName()
    {
        QFETCH(QString, name);
        QString const path = m_dir.filePath(name);
        QVERIFY(TestTone::writeWav(path, 800, 8000, 1));
        list()->setPlayList({QUrl::fromLocalFile(path)});
        QCOMPARE(list()->currentName(), name);
    }

    void theCoverIsLookedUpOncePerEntry()
    {
        // Each entry in a folder of its own, with a picture of its own colour.
        QTemporaryDir folders;
        QList<QUrl> urls;
        for (QString const& name : {QStringLiteral("a"), QStringLiteral("b")}) {
            QVERIFY(QDir(folders.path()).mkdir(name));
            QString const song = folders.filePath(name + QStringLiteral("/song.wav"));
            QVERIFY(TestTone::writeWav(song, 800, 8000, 1));
            QImage picture(4, 4, QImage::Format_RGB32);
            picture.fill(name == QLatin1String("a") ? Qt::red : Qt::blue);
            QVERIFY(picture.save(folders.filePath(name + QStringLiteral("/cover.png"))));
            urls << QUrl::fromLocalFile(song);
        }
        list()->setPlayList(urls);
        QCOMPARE(list()->currentCover().toImage().pixelColor(1, 1), QColor(Qt::red));
        // Changed on disk: the entry keeps the cover it was given.
        QImage green(4, 4, QImage::Format_RGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(folders.filePath(QStringLiteral("a/cover.png"))));
        QCOMPARE(list()->currentCover().toImage().pixelColor(1, 1), QColor(Qt::red));
        // Another entry has a cover of its own, and coming back looks again.
        list()->slotPlayNext();
        QCOMPARE(list()->currentCover().toImage().pixelColor(1, 1), QColor(Qt::blue));
        list()->slotPlayPrevious();
        QCOMPARE(list()->currentCover().toImage().pixelColor(1, 1), QColor(Qt::green));
    }

    void settingAListStartsItsFirstEntry()
    {
        QList<QUrl> const urls = tones(3, 4000);
        QSignalSpy next(list(), &AudioListPlayer::nextTriggered);
        list()->setPlayList(urls);
        QCOMPARE(next.count(), 1);
        QCOMPARE(list()->currentNumber(), 0);
        QCOMPARE(list()->currentUrl(), urls.first());
        QCOMPARE(list()->currentName(), QStringLiteral("t0_4000.wav"));
        QVERIFY(!list()->currentCover().isNull());
        QVERIFY(list()->isPlaying());
        QCOMPARE(AudioPlayer::instance()->fileName(), urls.first().toLocalFile());
        QCOMPARE(list()->playListModel()->rowCount(), 3);

        // An empty list keeps everything as it was.
        list()->setPlayList(QList<QUrl>());
        QCOMPARE(list()->playList(), urls);
        QCOMPARE(next.count(), 1);
        QVERIFY(list()->isPlaying());

        // Stepping, and doing nothing past either end.
        QSignalSpy previous(list(), &AudioListPlayer::previousTriggered);
        list()->slotPlayPrevious();
        QCOMPARE(previous.count(), 0);
        list()->slotPlayNext();
        list()->slotPlayNext();
        QCOMPARE(list()->currentNumber(), 2);
        QCOMPARE(AudioPlayer::instance()->fileName(), urls.at(2).toLocalFile());
        list()->slotPlayNext();
        QCOMPARE(next.count(), 3);
        QCOMPARE(list()->currentNumber(), 2);
        list()->slotPlayPrevious();
        QCOMPARE(previous.count(), 1);
        QCOMPARE(list()->currentNumber(), 1);
    }

    void playFromList_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("direction"); // 1 next, -1 previous, 0 nothing
        QTest::newRow("A ahead") << "ABCA" << 1 << "A" << 3 << 1;
        QTest::newRow("A behind, the nearest") << "ABCA" << 3 << "A" << 0 << -1;
        QTest::newRow("C ahead") << "ABCA" << 0 << "C" << 2 << 1;
        QTest::newRow("B behind") << "ABCA" << 3 << "B" << 1 << -1;
        QTest::newRow("A ahead of A") << "ABCA" << 0 << "A" << 3 << 1;
        QTest::newRow("only the current entry") << "A" << 0 << "A" << 0 << 0;
        QTest::newRow("not in the list") << "ABCA" << 1 << "D" << 1 << 0;
    }
    void playFromList()
    {
        QFETCH(QString, entries);
        QFETCH(int, start);
        QFETCH(QString, chosen);
        QFETCH(int, position);
        QFETCH(int, direction);
        QList<QUrl> urls;
        for (QChar c : entries)
            urls << tone(c, 5000);
        list()->setPlayList(urls);
        for (int i = 0; i < start; ++i)
            list()->slotPlayNext();
        QCOMPARE(list()->currentNumber(), start);
        QSignalSpy next(list(), &AudioListPlayer::nextTriggered);
        QSignalSpy previous(list(), &AudioListPlayer::previousTriggered);
        list()->slotPlayFromList(tone(chosen, 5000));
        QCOMPARE(list()->currentNumber(), position);
        QCOMPARE(next.count(), direction > 0 ? 1 : 0);
        QCOMPARE(previous.count(), direction < 0 ? 1 : 0);
        if (direction != 0)
            QCOMPARE(AudioPlayer::instance()->fileName(), tone(chosen, 5000).toLocalFile());
    }

    void theEndOfTheList_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<bool>("shuffle");
        QTest::newRow("plain") << false << false;
        QTest::newRow("shuffled") << false << true;
        QTest::newRow("looped") << true << false;
        QTest::newRow("shuffled and looped") << true << true;
    }
    void theEndOfTheList()
    {
        QFETCH(bool, loop);
        QFETCH(bool, shuffle);
        list()->setLoopMode(loop);
        list()->setShuffleMode(shuffle);
        QCOMPARE(list()->isLoopMode(), loop);
        QCOMPARE(list()->isShuffleMode(), shuffle);
        QSignalSpy finished(list(), &AudioListPlayer::finished);
        Moves moves(list());
        QVector<int> played;
        connect(list(), &AudioListPlayer::nextTriggered, this, [&played, this]() { played << list()->currentIndex(); });
        list()->setPlayList(tones(3, 300));
        if (!loop) {
            // Each entry once, then one finished() and silence.
            QVERIFY(finished.wait(kEventMs));
            QTest::qWait(500 + kSlackMs);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(moves.positions, (QVector<int>{0, 1, 2}));
            QVERIFY(!list()->isPlaying());
            QCOMPARE(list()->currentNumber(), 0);
        } else {
            // Round after round, and no finished().
            QTRY_VERIFY_WITH_TIMEOUT(moves.positions.size() >= 5, kEventMs);
            QCOMPARE(moves.positions.mid(0, 5), (QVector<int>{0, 1, 2, 0, 1}));
            QCOMPARE(finished.count(), 0);
            list()->stop();
        }
        QVERIFY(!moves.sounding.contains(false));
        // Every entry plays once in a round, shuffled or not.
        QVector<int> round = played.mid(0, 3);
        if (!shuffle)
            QCOMPARE(round, (QVector<int>{0, 1, 2}));
        std::sort(round.begin(), round.end());
        QCOMPARE(round, (QVector<int>{0, 1, 2}));
    }

    void shuffleMode()
    {
        int const n = 20;
        QList<QUrl> const urls = tones(n, 5000);
        QVector<int> identity(n);
        std::iota(identity.begin(), identity.end(), 0);
        auto order = [this](int count) {
            QVector<int> o;
            for (int p = 0; p < count; ++p)
                o << list()->index(p);
            return o;
        };
        auto sorted = [](QVector<int> o) {
            std::sort(o.begin(), o.end());
            return o;
        };

        // A list set in shuffle mode starts at a random entry of a random order.
        list()->setShuffleMode(true);
        list()->setPlayList(urls);
        QCOMPARE(sorted(order(n)), identity);
        QVERIFY2(order(n) != identity, "20 entries kept their order: no shuffle");
        QCOMPARE(list()->currentUrl(), urls.at(list()->index(0)));
        QCOMPARE(AudioPlayer::instance()->fileName(), urls.at(list()->index(0)).toLocalFile());
        list()->setShuffleMode(false);
        for (int p = 0; p < n; ++p)
            QCOMPARE(list()->index(p), p);

        list()->setPlayList(urls);
        list()->slotPlayNext();
        list()->slotPlayNext();
        QUrl const playing = list()->currentUrl();
        list()->setShuffleMode(true);
        // The entries played so far keep their places; the rest is shuffled.
        QCOMPARE(list()->currentNumber(), 2);
        QCOMPARE(list()->currentUrl(), playing);
        QVector<int> const shuffled = order(n);
        QCOMPARE(shuffled.mid(0, 3), (QVector<int>{0, 1, 2}));
        QCOMPARE(sorted(shuffled), identity);
        QVERIFY2(shuffled != identity, "17 entries kept their order: no shuffle");

        // Appended entries go among those still to come.
        list()->appendToPlayList({tone(QStringLiteral("new"), 5000)});
        QCOMPARE(list()->currentUrl(), playing);
        QCOMPARE(list()->index(2), 2);
        QVector<int> after;
        for (int p = 3; p <= n; ++p)
            after << list()->index(p);
        QVERIFY(after.contains(n));

        // Back to list order from the entry playing now.
        list()->slotPlayNext();
        QUrl const now = list()->currentUrl();
        list()->setShuffleMode(false);
        QCOMPARE(list()->currentUrl(), now);
        QCOMPARE(list()->currentNumber(), list()->playList().indexOf(now));
        for (int p = 0; p <= n; ++p)
            QCOMPARE(list()->index(p), p);
    }

    void unloadableEntriesArePassedOver_data()
    {
        QTest::addColumn<QString>("entries"); // t: tone, x: damaged
        QTest::addColumn<bool>("loop");
        QTest::addColumn<QVector<int>>("moves");
        QTest::addColumn<QVector<bool>>("sounding");
        QTest::newRow("in the middle") << "txt" << false << QVector<int>{0, 1, 2} << QVector<bool>{true, false, true};
        QTest::newRow("first and last") << "xtx" << false << QVector<int>{0, 1, 2} << QVector<bool>{false, true, false};
        QTest::newRow("all, looped") << "xx" << true << QVector<int>{0, 1} << QVector<bool>{false, false};
    }
    void unloadableEntriesArePassedOver()
    {
        QFETCH(QString, entries);
        QFETCH(bool, loop);
        QFETCH(QVector<int>, moves);
        QFETCH(QVector<bool>, sounding);
        QList<QUrl> urls;
        for (int i = 0; i < entries.size(); ++i) {
            QString const name = QStringLiteral("e%1").arg(i);
            urls << (entries.at(i) == QLatin1Char('t') ? tone(name, 300) : damaged(name));
        }
        list()->setLoopMode(loop);
        QSignalSpy finished(list(), &AudioListPlayer::finished);
        Moves seen(list());
        list()->setPlayList(urls);
        QVERIFY(finished.wait(kEventMs));
        QCOMPARE(seen.positions.mid(0, moves.size()), moves);
        QCOMPARE(seen.sounding.mid(0, sounding.size()), sounding);
        QTest::qWait(500 + kSlackMs);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!list()->isPlaying());
    }

    void aFileFromOutsideDoesNotMoveTheList()
    {
        QList<QUrl> const urls = tones(2, 5000);
        QSignalSpy next(list(), &AudioListPlayer::nextTriggered);
        QSignalSpy finished(list(), &AudioListPlayer::finished);
        list()->setPlayList(urls);
        QString const outside = tone(QStringLiteral("outside"), 300).toLocalFile();
        QSignalSpy ended(AudioPlayer::instance(), &AudioPlayer::finished);
        list()->play(outside);
        QCOMPARE(list()->currentUrl(), urls.first());
        QVERIFY(ended.wait(kEventMs));
        // The list's position and the sound stay where the outside file left them.
        QCOMPARE(list()->currentNumber(), 0);
        QCOMPARE(next.count(), 1);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!list()->isPlaying());
        QCOMPARE(AudioPlayer::instance()->fileName(), outside);
    }

    void appendingLeavesTheSoundAlone()
    {
        list()->setPlayList(tones(1, 4000));
        QTRY_VERIFY(list()->isPlaying() && AudioPlayer::instance()->position() >= 200);
        QSignalSpy changed(list(), &AudioListPlayer::listChanged);
        QSignalSpy next(list(), &AudioListPlayer::nextTriggered);
        qint64 const before = AudioPlayer::instance()->position();
        list()->appendToPlayList(tones(3, 300));
        list()->appendToPlayList({});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(next.count(), 0);
        QVERIFY(list()->isPlaying());
        QVERIFY(AudioPlayer::instance()->position() >= before);
        QCOMPARE(list()->playList().size(), 4);
        QCOMPARE(list()->playListModel()->rowCount(), 4);
        QCOMPARE(list()->currentNumber(), 0);
    }

    void stopIsRelayed()
    {
        list()->setPlayList(tones(1, 4000));
        QSignalSpy stopped(list(), &AudioListPlayer::stopped);
        list()->stop();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(list()->isStopped());
    }
};

QTEST_MAIN(TestAudioListPlayer)

#include "tst_audiolistplayer.moc"
