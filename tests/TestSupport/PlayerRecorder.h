#pragma once
// Records when a player's signals arrive, for the timing tests of the player.

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

} // namespace PlayerTest
