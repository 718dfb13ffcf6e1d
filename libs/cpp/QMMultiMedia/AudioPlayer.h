#pragma once
// The application-wide player for one sound at a time, created on first use.
// Over the platform player it adds looped play, the volume and the mute state
// kept in the settings from one run to the next, and the platform player's
// signals. The play-list player plays every entry through it.
//
// A looped sound starts again at its own length until a stop. Pausing holds the
// loop and resuming carries it on; loading another sound or stopping ends it.

#include <QObject>
#include <QString>
#include <QTimer>

namespace QMMultiMedia {

class NativeAudioPlayer;

class AudioPlayer : public QObject
{
    Q_OBJECT
public:
    static AudioPlayer* instance();
    // Stores volume and mute and stops; a later instance() builds a new player.
    ~AudioPlayer() override;

    // Loads the file and plays it from the start, once or looped. A file that
    // cannot be loaded plays nothing and ends with one finished().
    void play(QString const& fileName, bool looped);
    // Resumes after pause(), starts from the beginning after a stop; does nothing
    // once a sound has played to its end.
    void play();
    void stop();
    void pause();

    bool isMuted() const;
    double volume() const;
    qint64 duration() const;
    qint64 position() const;
    void setPosition(qint64 ms);
    qint64 remainingDuration() const;
    bool isPlaying() const;
    bool isStopped() const;
    bool isPaused() const;
    bool isLooping() const { return m_bLooping; }
    QString fileName() const { return m_sFileName; }

    // Settings keys, read at creation and written at the end of a run.
    static QString const kMuteKey;
    static QString const kVolumeKey;

public slots:
    void slotStop();
    void setMuted(bool on);
    void setVolume(double volume);
    // One loop step: the loaded sound starts again from the beginning.
    void loopedPlay();
    // Stores volume and mute in the settings and stops. Runs when the
    // application is about to quit and when the player is deleted.
    void slotSetAboutToQuit();

signals:
    void finished();
    void positionChanged(qint64 ms);
    // A stop request ended the sound (not emitted when a sound plays to its end).
    void stopped();

private:
    AudioPlayer();
    void restoreSettings();
    // Arms the loop timer, or ends the loop when there is nothing to loop.
    void armLoop(qint64 ms);
    void slotPlatformFinished();

    static AudioPlayer* _uniqueInstance;

    NativeAudioPlayer* m_pPlayer;
    QTimer m_loopTimer;
    bool m_bLooping = false;
    // The volume that unmuting brings back, also what a muted run stores.
    double m_dVolumeBeforeMute = 0.5;
    QString m_sFileName;
};

} // namespace QMMultiMedia
