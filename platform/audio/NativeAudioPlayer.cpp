#include "platform/audio/NativeAudioPlayer.h"

#include "platform/audio/AudioEngine.h"
#include "platform/audio/NativeAudioPlayerInternal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QSet>

namespace QMMultiMedia {

namespace {

// Every player in existence (GUI thread only).
QSet<NativeAudioPlayer*>& livePlayers()
{
    static QSet<NativeAudioPlayer*> s_players;
    return s_players;
}

bool s_releaseAdded = false;

// When the application object goes away, one-shot players still sounding
// (or whose failed load has not been reported yet) would never see the
// finished() that deletes them, and ones whose deleteLater() came as the
// event loop ended would never be deleted: both are released here.
void releaseLeftPlayers()
{
    s_releaseAdded = false;
    QList<QPointer<NativeAudioPlayer>> left;
    for (NativeAudioPlayer* p : livePlayers())
        left << p;
    for (QPointer<NativeAudioPlayer> const& p : left)
        if (p)
            QCoreApplication::sendPostedEvents(p, QEvent::DeferredDelete);
    for (QPointer<NativeAudioPlayer> const& p : left)
        if (p && !p->parent() && p->awaitsFinished())
            delete p;
}

} // namespace

NativeAudioPlayer::NativeAudioPlayer(QObject* parent)
    : QObject(parent)
    , m_pInternal(new NativeAudioPlayerInternal(this))
{
    connect(m_pInternal, &NativeAudioPlayerInternal::finished, this, &NativeAudioPlayer::finished);
    connect(m_pInternal, &NativeAudioPlayerInternal::positionChanged, this, &NativeAudioPlayer::positionChanged);
    livePlayers().insert(this);
    if (!s_releaseAdded && QCoreApplication::instance()) {
        qAddPostRoutine(&releaseLeftPlayers);
        s_releaseAdded = true;
    }
}

NativeAudioPlayer::~NativeAudioPlayer()
{
    livePlayers().remove(this);
}

bool NativeAudioPlayer::awaitsFinished() const
{
    return m_pInternal->awaitsFinished();
}

void NativeAudioPlayer::play(QString const& path)
{
    m_pInternal->play(path);
}

void NativeAudioPlayer::play()
{
    m_pInternal->play();
}

void NativeAudioPlayer::play(QString const& path, qint64 dueNs)
{
    m_pInternal->play(path, dueNs);
}

void NativeAudioPlayer::playAt(qint64 dueNs)
{
    m_pInternal->play(dueNs);
}

qint64 NativeAudioPlayer::clockNs()
{
    return TickwrenAudio::AudioEngine::nowNs();
}

NativeAudioPlayer::Series NativeAudioPlayer::startSeries(qint64 originNs, qint64 intervalNs)
{
    return std::make_shared<TickwrenAudio::BeatSeries>(originNs, intervalNs);
}

void NativeAudioPlayer::play(QString const& path, Series const& series, qint64 beat)
{
    m_pInternal->play(path, series, beat);
}

qint64 NativeAudioPlayer::heardAtNs(Series const& series, qint64 beat)
{
    if (!series)
        return -1;
    return TickwrenAudio::AudioEngine::instance().heardAtNs(*series, beat);
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
