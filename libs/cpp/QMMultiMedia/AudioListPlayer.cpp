#include "QMMultiMedia/AudioListPlayer.h"

#include "QMMultiMedia/AudioPlayer.h"
#include "QMMultiMedia/ID3Info.h"
#include "QMMultiMedia/PlayListModel.h"

#include <QRandomGenerator>

#include <algorithm>

namespace QMMultiMedia {

AudioListPlayer* AudioListPlayer::m_uniqueInstance = nullptr;

AudioListPlayer* AudioListPlayer::instance()
{
    if (!m_uniqueInstance)
        m_uniqueInstance = new AudioListPlayer;
    return m_uniqueInstance;
}

AudioListPlayer::AudioListPlayer()
    : m_pModel(new PlayListModel(this))
{
    AudioPlayer* player = AudioPlayer::instance();
    connect(player, &AudioPlayer::stopped, this, &AudioListPlayer::stopped);
    connect(player, &AudioPlayer::finished, this, &AudioListPlayer::slotFinished);
}

AudioListPlayer::~AudioListPlayer()
{
    if (m_uniqueInstance == this)
        m_uniqueInstance = nullptr;
}

QStringList AudioListPlayer::localPaths(QList<QUrl> const& urls)
{
    QStringList paths;
    paths.reserve(urls.size());
    for (QUrl const& url : urls)
        paths.append(url.toLocalFile());
    return paths;
}

void AudioListPlayer::setPlayList(QList<QUrl> const& urls)
{
    if (urls.isEmpty())
        return;
    m_lPlayList = urls;
    m_iFailedInRow = 0;
    rebuildOrder(-1);
    m_pModel->setPlayList(localPaths(urls));
    playPosition(0);
    emit nextTriggered();
}

void AudioListPlayer::setPlayList(QDir const& dir, QStringList const& nameFilters)
{
    QList<QUrl> urls;
    for (QString const& name : dir.entryList(nameFilters, QDir::Files, QDir::NoSort))
        urls.append(QUrl::fromLocalFile(dir.absoluteFilePath(name)));
    setPlayList(urls);
}

void AudioListPlayer::appendToPlayList(QList<QUrl> const& urls)
{
    if (urls.isEmpty())
        return;
    m_lPlayList.append(urls);
    rebuildOrder(m_iCurrent);
    m_pModel->appendToPlayList(localPaths(urls));
    emit listChanged();
}

void AudioListPlayer::rebuildOrder(int keep)
{
    int const n = m_lPlayList.size();
    if (!m_bShuffle || keep < 0 || keep >= m_lOrder.size()) {
        m_lOrder.clear();
        for (int i = 0; i < n; ++i)
            m_lOrder.append(i);
        if (m_bShuffle)
            std::shuffle(m_lOrder.begin(), m_lOrder.end(), *QRandomGenerator::global());
        return;
    }
    // Shuffled: the entries up to `keep` have been played in this round and stay;
    // every other entry, new ones included, goes after them in a random order.
    QList<int> const kept = m_lOrder.mid(0, keep + 1);
    QList<int> rest;
    for (int i = 0; i < n; ++i) {
        if (!kept.contains(i))
            rest.append(i);
    }
    std::shuffle(rest.begin(), rest.end(), *QRandomGenerator::global());
    m_lOrder = kept + rest;
}

int AudioListPlayer::index(int position) const
{
    return position >= 0 && position < m_lOrder.size() ? m_lOrder.at(position) : -1;
}

int AudioListPlayer::currentIndex() const
{
    return index(m_iCurrent);
}

QUrl AudioListPlayer::currentUrl() const
{
    int const i = currentIndex();
    return i >= 0 ? m_lPlayList.at(i) : QUrl();
}

QString AudioListPlayer::currentName() const
{
    // Decoded: "side#2.wav", not "side%232.wav".
    return currentUrl().fileName(QUrl::FullyDecoded);
}

QPixmap AudioListPlayer::currentCover() const
{
    QUrl const url = currentUrl();
    if (url.isEmpty())
        return QPixmap();
    // The lookup lists a folder and reads pictures; a view asks at every repaint.
    if (url != m_coverUrl) {
        m_cover = ID3Info(url.toLocalFile()).cover();
        m_coverUrl = url;
    }
    return m_cover;
}

void AudioListPlayer::playPosition(int position)
{
    m_iCurrent = position;
    m_sEntryPlaying = m_lPlayList.at(m_lOrder.at(position)).toLocalFile();
    AudioPlayer* player = AudioPlayer::instance();
    player->play(m_sEntryPlaying, false);
    // A file that cannot be loaded has no length; the player reports it with
    // finished(), which moves the list past it.
    m_iFailedInRow = player->duration() > 0 ? 0 : m_iFailedInRow + 1;
}

void AudioListPlayer::slotFinished()
{
    // Only the end of the list's own entry moves the list on.
    if (m_sEntryPlaying.isEmpty() || AudioPlayer::instance()->fileName() != m_sEntryPlaying)
        return;
    if (m_iCurrent + 1 < m_lOrder.size()) {
        playPosition(m_iCurrent + 1);
        emit nextTriggered();
        return;
    }
    wrapAround();
}

void AudioListPlayer::wrapAround()
{
    if (m_bLoop && m_iFailedInRow < m_lOrder.size()) {
        rebuildOrder(-1);
        playPosition(0);
        emit nextTriggered();
        return;
    }
    m_iCurrent = 0;
    m_sEntryPlaying.clear();
    emit finished();
}

void AudioListPlayer::slotPlayNext()
{
    if (m_lOrder.isEmpty())
        return;
    if (m_iCurrent + 1 < m_lOrder.size()) {
        playPosition(m_iCurrent + 1);
        emit nextTriggered();
    } else if (m_bLoop) {
        rebuildOrder(-1);
        playPosition(0);
        emit nextTriggered();
    }
}

void AudioListPlayer::slotPlayPrevious()
{
    if (m_lOrder.isEmpty())
        return;
    if (m_iCurrent >= 1) {
        playPosition(m_iCurrent - 1);
        emit previousTriggered();
    } else if (m_bLoop) {
        playPosition(m_lOrder.size() - 1);
        emit previousTriggered();
    }
}

void AudioListPlayer::slotPlayFromList(QUrl const& url)
{
    // The nearest match after the current position, then the nearest before it;
    // the current entry itself is not compared.
    for (int p = m_iCurrent + 1; p < m_lOrder.size(); ++p) {
        if (m_lPlayList.at(m_lOrder.at(p)) == url) {
            playPosition(p);
            emit nextTriggered();
            return;
        }
    }
    for (int p = qMin(m_iCurrent, m_lOrder.size()) - 1; p >= 0; --p) {
        if (m_lPlayList.at(m_lOrder.at(p)) == url) {
            playPosition(p);
            emit previousTriggered();
            return;
        }
    }
}

void AudioListPlayer::play(QString const& fileName)
{
    m_sEntryPlaying.clear();
    AudioPlayer::instance()->play(fileName, false);
}

void AudioListPlayer::play()
{
    AudioPlayer::instance()->play();
}

void AudioListPlayer::stop()
{
    AudioPlayer::instance()->stop();
}

void AudioListPlayer::pause()
{
    AudioPlayer::instance()->pause();
}

bool AudioListPlayer::isPlaying() const
{
    return AudioPlayer::instance()->isPlaying();
}

bool AudioListPlayer::isStopped() const
{
    return AudioPlayer::instance()->isStopped();
}

bool AudioListPlayer::isPaused() const
{
    return AudioPlayer::instance()->isPaused();
}

bool AudioListPlayer::isMuted() const
{
    return AudioPlayer::instance()->isMuted();
}

double AudioListPlayer::volume() const
{
    return AudioPlayer::instance()->volume();
}

void AudioListPlayer::setMuted(bool on)
{
    AudioPlayer::instance()->setMuted(on);
}

void AudioListPlayer::setVolume(double volume)
{
    AudioPlayer::instance()->setVolume(volume);
}

void AudioListPlayer::setShuffleMode(bool on)
{
    if (on == m_bShuffle)
        return;
    int const entry = currentIndex();
    m_bShuffle = on;
    if (m_lOrder.isEmpty())
        return;
    if (on) {
        // What has played so far keeps its places; the rest is shuffled.
        rebuildOrder(m_iCurrent);
    } else {
        // Back to list order, going on from the entry now playing.
        rebuildOrder(-1);
        m_iCurrent = qMax(0, entry);
    }
}

void AudioListPlayer::setLoopMode(bool on)
{
    m_bLoop = on;
}

} // namespace QMMultiMedia
