#include "platform/audio/NativeAudioPlayerInternal.h"

#include "platform/audio/AudioEngine.h"

#include <QPointer>

#include <atomic>
#include <cmath>

namespace QMMultiMedia {

namespace {
std::atomic<int> s_iInstances{0};
}

NativeAudioPlayerInternal::NativeAudioPlayerInternal(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(500);
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &NativeAudioPlayerInternal::slotPositionChanged);
    ++s_iInstances;
}

NativeAudioPlayerInternal::~NativeAudioPlayerInternal()
{
    --s_iInstances;
}

int NativeAudioPlayerInternal::instanceCount()
{
    return s_iInstances.load();
}

void NativeAudioPlayerInternal::setMedia(QString const& path)
{
    ++m_uLoadGeneration;
    if (m_pPlayer) {
        m_pPlayer->stop();
        m_pPlayer.reset();
    }
    // The sound that was playing or paused is gone: without this a poll would
    // take the newly loaded, not yet started file for a finished one, report a
    // false end and throw the new file away.
    m_timer.stop();
    m_iState = Stopped;
    m_bLoadFailurePending = false;
    m_pPlayer = TickwrenAudio::AudioVoice::open(path);
}

void NativeAudioPlayerInternal::play(QString const& path, qint64 dueNs)
{
    if (load(path))
        play(dueNs);
}

void NativeAudioPlayerInternal::play(QString const& path, std::shared_ptr<TickwrenAudio::BeatSeries> const& series,
                                     qint64 beat)
{
    if (load(path))
        start(-1, series, beat);
}

bool NativeAudioPlayerInternal::load(QString const& path)
{
    setMedia(path);
    if (m_pPlayer)
        return true;
    m_bLoadFailurePending = true;
    // A one-shot player is released by its finished(); without a sound that
    // signal would never come and the object would live forever. Report the
    // failed play as an ended one, from the event loop so that the caller's
    // own code runs first, unless something else was loaded meanwhile.
    unsigned const generation = m_uLoadGeneration;
    QPointer<NativeAudioPlayerInternal> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, generation]() {
            if (self)
                self->emitLoadFailure(generation);
        },
        Qt::QueuedConnection);
    return false;
}

void NativeAudioPlayerInternal::emitLoadFailure(unsigned generation)
{
    if (generation == m_uLoadGeneration && !m_pPlayer) {
        m_bLoadFailurePending = false;
        emit finished();
    }
}

bool NativeAudioPlayerInternal::awaitsFinished() const
{
    return (m_iState == Playing && m_pPlayer) || m_bLoadFailurePending;
}

void NativeAudioPlayerInternal::play(qint64 dueNs)
{
    start(dueNs, {}, -1);
}

void NativeAudioPlayerInternal::start(qint64 dueNs, std::shared_ptr<TickwrenAudio::BeatSeries> const& series,
                                      qint64 beat)
{
    if (!m_pPlayer)
        return;
    m_pPlayer->setVolume(float(m_dVolume));
    m_pPlayer->setPan(m_fBalance);
    if (series)
        m_pPlayer->play(series, beat);
    else
        m_pPlayer->play(dueNs);
    m_timer.start();
    m_iState = Playing;
}

qint64 NativeAudioPlayerInternal::duration() const
{
    if (!m_pPlayer)
        return 0;
    return qint64(m_pPlayer->duration() * 1000.0);
}

void NativeAudioPlayerInternal::setVolume(double v)
{
    if (std::isnan(v))
        return;
    m_dVolume = qBound(0.0, v, 1.0);
    if (m_pPlayer)
        m_pPlayer->setVolume(float(m_dVolume));
}

void NativeAudioPlayerInternal::setPosition(qint64 ms)
{
    if (m_pPlayer)
        m_pPlayer->setCurrentTime(double(ms) / 1000.0);
}

qint64 NativeAudioPlayerInternal::position() const
{
    if (!m_pPlayer)
        return 0;
    return qRound64(float(m_pPlayer->currentTime() * 1000.0));
}

void NativeAudioPlayerInternal::stop()
{
    if (!m_pPlayer)
        return;
    m_timer.stop();
    m_pPlayer->stop();
    m_iState = Stopped;
}

void NativeAudioPlayerInternal::pause()
{
    if (!m_pPlayer)
        return;
    m_pPlayer->pause();
    m_iState = Paused;
}

bool NativeAudioPlayerInternal::isPlaying() const
{
    return m_pPlayer && m_pPlayer->isPlaying();
}

void NativeAudioPlayerInternal::setBalance(float pan)
{
    if (std::isnan(pan))
        return;
    m_fBalance = qBound(-1.0f, pan, 1.0f);
    if (m_pPlayer)
        m_pPlayer->setPan(m_fBalance);
}

void NativeAudioPlayerInternal::slotPositionChanged()
{
    if (!m_pPlayer)
        return;
    if (m_pPlayer->isPlaying()) {
        emit positionChanged(position());
        return;
    }
    if (m_iState == Stopped || m_iState == Paused)
        return;
    // Played to its end by itself.
    m_timer.stop();
    m_pPlayer.reset();
    emit finished();
}

} // namespace QMMultiMedia
