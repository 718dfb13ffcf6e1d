#include "QMMultiMedia/AudioPlayer.h"

#include "QMMultiMedia/MediaLogging_p.h"
#include "ZEDireroz/frame/App.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QCoreApplication>

#include <limits>

namespace QMMultiMedia {

AudioPlayer* AudioPlayer::_uniqueInstance = nullptr;

QString const AudioPlayer::kMuteKey = QStringLiteral("/SoundMute");
QString const AudioPlayer::kVolumeKey = QStringLiteral("/SoundVolume");

namespace {
constexpr double kDefaultVolume = 0.5;
}

AudioPlayer* AudioPlayer::instance()
{
    if (!_uniqueInstance) {
        _uniqueInstance = new AudioPlayer;
        _uniqueInstance->restoreSettings();
        // Nothing deletes the single instance before the program ends, so the
        // volume and mute state are stored when the event loop ends.
        if (QCoreApplication* app = QCoreApplication::instance())
            connect(app, &QCoreApplication::aboutToQuit, _uniqueInstance, &AudioPlayer::slotSetAboutToQuit);
    }
    return _uniqueInstance;
}

AudioPlayer::AudioPlayer()
    : m_pPlayer(new NativeAudioPlayer(this))
{
    m_loopTimer.setSingleShot(true);
    // A coarse timer may fire a few percent late, after the platform player has
    // already seen the end of the sound.
    m_loopTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_loopTimer, &QTimer::timeout, this, &AudioPlayer::loopedPlay);
    connect(m_pPlayer, &NativeAudioPlayer::finished, this, &AudioPlayer::slotPlatformFinished);
    connect(m_pPlayer, &NativeAudioPlayer::positionChanged, this, &AudioPlayer::positionChanged);
}

AudioPlayer::~AudioPlayer()
{
    slotSetAboutToQuit();
    if (_uniqueInstance == this)
        _uniqueInstance = nullptr;
}

void AudioPlayer::restoreSettings()
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    if (!app)
        return;
    bool const muted = app->settingsValue(kMuteKey, false).toBool();
    bool ok = false;
    double volume = app->settingsValue(kVolumeKey, kDefaultVolume).toDouble(&ok);
    if (!ok)
        volume = kDefaultVolume;
    // The volume first: muting then remembers it, so that unmuting brings it back.
    setVolume(volume);
    if (muted)
        setMuted(true);
}

void AudioPlayer::slotSetAboutToQuit()
{
    if (ZEDireroz::App* app = ZEDireroz::App::theApp()) {
        // A muted player's volume is 0; the one to keep is the volume before the mute.
        app->setSettingsValue(kVolumeKey, isMuted() ? m_dVolumeBeforeMute : volume());
        app->setSettingsValue(kMuteKey, isMuted());
    }
    stop();
}

void AudioPlayer::play(QString const& fileName, bool looped)
{
    m_loopTimer.stop();
    m_sFileName = fileName;
    m_bLooping = looped;
    m_pPlayer->stop();
    m_pPlayer->play(fileName);
    if (m_bLooping)
        armLoop(duration());
}

void AudioPlayer::play()
{
    m_loopTimer.stop();
    m_pPlayer->play();
    if (m_bLooping && m_pPlayer->isPlaying())
        armLoop(qMax<qint64>(1, duration() - position()));
}

void AudioPlayer::armLoop(qint64 ms)
{
    // A sound without length (not loaded, or already released) would restart
    // at once and for ever.
    if (duration() <= 0) {
        m_bLooping = false;
        return;
    }
    m_loopTimer.start(int(qMin<qint64>(ms, std::numeric_limits<int>::max())));
}

void AudioPlayer::loopedPlay()
{
    if (!m_bLooping)
        return;
    armLoop(duration());
    if (!m_bLooping)
        return;
    m_pPlayer->stop();
    m_pPlayer->play();
}

void AudioPlayer::slotPlatformFinished()
{
    if (m_bLooping) {
        // The platform player saw the end before the loop point and released
        // the sound: load it again and go on looping.
        qCDebug(lcMedia) << "loop restarted after the end of" << m_sFileName;
        play(m_sFileName, true);
        return;
    }
    emit finished();
}

void AudioPlayer::stop()
{
    m_bLooping = false;
    m_loopTimer.stop();
    m_pPlayer->stop();
    emit stopped();
}

void AudioPlayer::slotStop()
{
    stop();
}

void AudioPlayer::pause()
{
    // The loop point is armed again by the play() that resumes.
    m_loopTimer.stop();
    m_pPlayer->pause();
}

void AudioPlayer::setMuted(bool on)
{
    if (on && !isMuted())
        m_dVolumeBeforeMute = volume();
    m_pPlayer->setMuted(on);
}

void AudioPlayer::setVolume(double volume)
{
    m_pPlayer->setVolume(volume);
}

bool AudioPlayer::isMuted() const
{
    return m_pPlayer->isMuted();
}

double AudioPlayer::volume() const
{
    return m_pPlayer->volume();
}

qint64 AudioPlayer::duration() const
{
    return m_pPlayer->duration();
}

qint64 AudioPlayer::position() const
{
    return m_pPlayer->position();
}

void AudioPlayer::setPosition(qint64 ms)
{
    m_pPlayer->setPosition(ms);
    // The next loop point follows the new position.
    if (m_bLooping && m_loopTimer.isActive())
        armLoop(qMax<qint64>(1, duration() - position()));
}

qint64 AudioPlayer::remainingDuration() const
{
    return duration() - position();
}

bool AudioPlayer::isPlaying() const
{
    return m_pPlayer->isPlaying();
}

bool AudioPlayer::isStopped() const
{
    return m_pPlayer->isStopped();
}

bool AudioPlayer::isPaused() const
{
    return m_pPlayer->isPaused();
}

} // namespace QMMultiMedia
