#pragma once
// The private half of the native audio player: owns the platform player (a
// voice of the audio engine), the 500 ms position poll and the play state.

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace TickwrenAudio {
class AudioVoice;
class BeatSeries;
} // namespace TickwrenAudio

namespace QMMultiMedia {

class NativeAudioPlayerInternal : public QObject
{
    Q_OBJECT
public:
    enum State { Playing = 0, Stopped = 1, Paused = 2 };

    explicit NativeAudioPlayerInternal(QObject* parent);
    ~NativeAudioPlayerInternal() override;

    void play(QString const& path, qint64 dueNs = -1);
    void play(qint64 dueNs = -1);
    // As beat `beat` of a series of sounds at equal intervals.
    void play(QString const& path, std::shared_ptr<TickwrenAudio::BeatSeries> const& series, qint64 beat);
    void setMedia(QString const& path);
    qint64 duration() const;
    void setVolume(double v);
    double volume() const { return m_dVolume; }
    void setPosition(qint64 ms);
    qint64 position() const;
    void stop();
    void pause();
    bool isPaused() const { return m_iState == Paused; }
    bool isStopped() const { return m_iState == Stopped; }
    bool isPlaying() const;
    void setBalance(float pan);
    float balance() const { return m_fBalance; }

    // A sound was started and its finished() has not come yet: it is
    // sounding, or its file failed to load and the notice is on its way.
    bool awaitsFinished() const;

    // Platform parts in existence, for leak checks.
    static int instanceCount();

signals:
    void finished();
    void positionChanged(qint64 ms);

public slots:
    void slotPositionChanged();

private:
    void emitLoadFailure(unsigned generation);
    // Loads `path`; when that fails, reports the failed play as an ended one.
    bool load(QString const& path);
    void start(qint64 dueNs, std::shared_ptr<TickwrenAudio::BeatSeries> const& series, qint64 beat);

    float m_fBalance = 0.0f;
    std::unique_ptr<TickwrenAudio::AudioVoice> m_pPlayer;
    QTimer m_timer;
    // A player that nothing has started, stopped or paused yet is stopped.
    int m_iState = Stopped;
    double m_dVolume = 0.5;
    // Grows with every load, so that a late notice about an earlier load is dropped.
    unsigned m_uLoadGeneration = 0;
    bool m_bLoadFailurePending = false;
};

} // namespace QMMultiMedia
