#pragma once
// Plays one audio file. The one sound type of the whole program: every tick,
// note and chord string gets a player of its own, usually one that deletes
// itself when its sound ends:
//
//     auto* player = new QMMultiMedia::NativeAudioPlayer;
//     QObject::connect(player, &QMMultiMedia::NativeAudioPlayer::finished,
//                      player, &QObject::deleteLater);
//     player->play(path);
//
// A file that cannot be loaded plays nothing; a play(path) of such a file
// still ends with finished(), so that such a player releases itself too.
// Players without a parent that are still waiting for their finished() when
// the application object goes away are deleted then; a player that outlives
// the application object must have an owner that is gone before it.
//
// Every sound starts a constant latency after the moment it was asked for.
// A caller that knows when a sound is due (a metronome's beat) gives that
// moment instead, on clockNs(): the sound then starts exactly that latency
// after it, however late the call came, as long as it came within it.
//
// Sounds due at equal intervals (a metronome's beats) belong to a series:
// beat k of a series is due at its origin + k intervals, and each beat played
// as such starts whole intervals of the output's own frames after the
// series' earlier beats, so consecutive beats are evenly apart to the frame
// whatever the estimate of the output's clock does meanwhile. A new tempo,
// or a stop, starts a new series.
//
//     auto series = QMMultiMedia::NativeAudioPlayer::startSeries(firstDueNs, intervalNs);
//     player->play(path, series, beat);                       // beat k of it
//     QMMultiMedia::NativeAudioPlayer::heardAtNs(series, beat); // when it is heard

#include <QObject>
#include <QString>

#include <memory>

namespace TickwrenAudio {
class BeatSeries;
}

namespace QMMultiMedia {

class NativeAudioPlayerInternal;

class NativeAudioPlayer : public QObject
{
    Q_OBJECT
public:
    explicit NativeAudioPlayer(QObject* parent = nullptr);
    ~NativeAudioPlayer() override;

    void play(QString const& path);
    void play();
    // As play(path) and play(), for a sound due at `dueNs` on clockNs().
    void play(QString const& path, qint64 dueNs);
    void playAt(qint64 dueNs);
    // The steady clock of due times, in nanoseconds.
    static qint64 clockNs();

    using Series = std::shared_ptr<TickwrenAudio::BeatSeries>;
    // A series whose beat k is due at originNs + k * intervalNs on clockNs().
    static Series startSeries(qint64 originNs, qint64 intervalNs);
    // As play(path), as beat `beat` of `series`.
    void play(QString const& path, Series const& series, qint64 beat);
    // When beat `beat` of `series` leaves the output, on clockNs(), whether
    // or not a sound plays on it: the moment to show that beat.
    static qint64 heardAtNs(Series const& series, qint64 beat);
    void setMedia(QString const& path);
    QString fileName() const { return m_sFileName; }
    qint64 duration() const;
    void setVolume(double v);
    double volume() const;
    bool isMuted() const;
    void setMuted(bool on);
    void setPosition(qint64 ms);
    qint64 position() const;
    void stop();
    void pause();
    bool isPaused() const;
    bool isStopped() const;
    bool isPlaying() const;
    void setBalance(float pan);
    // A sound was started and its finished() has not come yet.
    bool awaitsFinished() const;

signals:
    void finished();
    void positionChanged(qint64 ms);

private:
    NativeAudioPlayerInternal* m_pInternal;
    QString m_sFileName;
    // The volume that unmuting brings back; starts at the default volume.
    double m_dRememberedVolume = 0.5;
};

} // namespace QMMultiMedia
