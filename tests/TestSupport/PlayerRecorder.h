#pragma once
// Records when a player's signals arrive, for the timing tests of the player,
// and plays a sound the way the pages do.

#include "platform/audio/NativeAudioPlayer.h"

#include <QElapsedTimer>
#include <QPair>
#include <QVector>

namespace PlayerTest {

// How late a timer-driven signal may come on a loaded test machine.
constexpr qint64 kSlackMs = 150;

struct Recorder
{
    QElapsedTimer clock;
    QVector<QPair<qint64, qint64>> positions; // (ms since start, reported position)
    QVector<qint64> finishes;                 // ms since start

    explicit Recorder(QMMultiMedia::NativeAudioPlayer& player)
    {
        using QMMultiMedia::NativeAudioPlayer;
        QObject::connect(&player, &NativeAudioPlayer::positionChanged, &player, [this](qint64 ms) {
            positions.append({clock.elapsed(), ms});
        });
        QObject::connect(&player, &NativeAudioPlayer::finished, &player,
                         [this]() { finishes.append(clock.elapsed()); });
        clock.start();
    }
};

// A player that deletes itself when its sound has ended, as the pages use them.
inline void playAndForget(QString const& path)
{
    auto* player = new QMMultiMedia::NativeAudioPlayer;
    QObject::connect(player, &QMMultiMedia::NativeAudioPlayer::finished, player, &QObject::deleteLater);
    player->play(path);
}

} // namespace PlayerTest
