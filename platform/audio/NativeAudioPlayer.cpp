#include "platform/audio/NativeAudioPlayer.h"

#include "platform/audio/NativeAudioPlayerInternal.h"

namespace QMMultiMedia {

NativeAudioPlayer::NativeAudioPlayer(QObject* parent)
    : QObject(parent)
    , m_pInternal(new NativeAudioPlayerInternal(this))
{
    connect(m_pInternal, &NativeAudioPlayerInternal::finished, this, &NativeAudioPlayer::finished);
    connect(m_pInternal, &NativeAudioPlayerInternal::positionChanged, this, &NativeAudioPlayer::positionChanged);
}

NativeAudioPlayer::~NativeAudioPlayer() = default;

void NativeAudioPlayer::play(QString const& path)
{
    m_pInternal->play(path);
}

void NativeAudioPlayer::play()
{
    m_pInternal->play();
}

void NativeAudioPlayer::setMedia(QString const& path)
{
    m_sFileName = path;
    m_pInternal->setMedia(path);
}

qint64 NativeAudioPlayer::duration() const
{
    return m_pInternal->duration();
}

void NativeAudioPlayer::setVolume(double v)
{
    m_pInternal->setVolume(v);
}

double NativeAudioPlayer::volume() const
{
    return m_pInternal->volume();
}

bool NativeAudioPlayer::isMuted() const
{
    return volume() <= 0;
}

void NativeAudioPlayer::setMuted(bool on)
{
    if (on) {
        // Muting twice must not make silence the volume to come back to.
        if (!isMuted()) {
            m_dRememberedVolume = volume();
            setVolume(0);
        }
    } else if (isMuted()) {
        setVolume(m_dRememberedVolume);
    }
}

void NativeAudioPlayer::setPosition(qint64 ms)
{
    m_pInternal->setPosition(ms);
}

qint64 NativeAudioPlayer::position() const
{
    return m_pInternal->position();
}

void NativeAudioPlayer::stop()
{
    m_pInternal->stop();
}

void NativeAudioPlayer::pause()
{
    m_pInternal->pause();
}

bool NativeAudioPlayer::isPaused() const
{
    return m_pInternal->isPaused();
}

bool NativeAudioPlayer::isStopped() const
{
    return m_pInternal->isStopped();
}

bool NativeAudioPlayer::isPlaying() const
{
    return m_pInternal->isPlaying();
}

void NativeAudioPlayer::setBalance(float pan)
{
    m_pInternal->setBalance(pan);
}

} // namespace QMMultiMedia
