#pragma once
// Plays a list of audio files one after the other through the audio player
// service, created on first use. It holds the list as local-file URLs, a play
// order and a current position; it moves on when an entry has played to its
// end, steps forward and backward on request, plays a chosen entry, and tells a
// user interface through signals which way playback moved.
//
// Shuffle mode plays the entries in a random order (the entries played so far
// keep their places, so stepping back retraces them); loop mode starts the list
// again after its last entry instead of ending. An entry that cannot be loaded
// is passed over. The list is mirrored in playListModel() for a list view.

#include <QDir>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <QUrl>

namespace QMMultiMedia {

class PlayListModel;

class AudioListPlayer : public QObject
{
    Q_OBJECT
public:
    static AudioListPlayer* instance();
    ~AudioListPlayer() override;

    // Replaces the list and plays from its first position. An empty list
    // changes nothing.
    void setPlayList(QList<QUrl> const& urls);
    // The same with a folder's files that match the filters.
    void setPlayList(QDir const& dir, QStringList const& nameFilters);
    // Adds entries at the end without touching playback.
    void appendToPlayList(QList<QUrl> const& urls);

    QList<QUrl> const& playList() const { return m_lPlayList; }
    // The list index played at a position; -1 for a position outside the list.
    int index(int position) const;

    // The current entry. With an empty list: -1 for the index, empty values
    // for the others.
    int currentNumber() const { return m_iCurrent; }
    int currentIndex() const;
    QUrl currentUrl() const;
    // The entry's file name as it is on disk, URL escapes decoded.
    QString currentName() const;
    // Looked up once per entry: asked again for the same entry, the cover
    // found before.
    QPixmap currentCover() const;

    // Plays any file, once; the list and its position are not touched, and the
    // end of that file does not move the list on.
    void play(QString const& fileName);
    void play();
    void stop();
    void pause();
    bool isPlaying() const;
    bool isStopped() const;
    bool isPaused() const;
    bool isMuted() const;
    double volume() const;

    void setShuffleMode(bool on);
    void setLoopMode(bool on);
    bool isShuffleMode() const { return m_bShuffle; }
    bool isLoopMode() const { return m_bLoop; }

    // The list as a model for a list view, with the entries' playing times.
    PlayListModel* playListModel() const { return m_pModel; }

public slots:
    void slotPlayNext();
    void slotPlayPrevious();
    void slotPlayFromList(QUrl const& url);
    // An entry has played to its end.
    void slotFinished();
    void setMuted(bool on);
    void setVolume(double volume);

signals:
    // The last entry has played to its end (never in loop mode).
    void finished();
    void nextTriggered();
    void previousTriggered();
    void listChanged();
    void stopped();

private:
    AudioListPlayer();
    // The order 0, 1, ..., n - 1, or in shuffle mode a random one in which the
    // positions up to `keep` stay as they are.
    void rebuildOrder(int keep);
    void playPosition(int position);
    // Past the last position: again from the first in loop mode, else the end.
    void wrapAround();
    static QStringList localPaths(QList<QUrl> const& urls);

    static AudioListPlayer* m_uniqueInstance;

    QList<QUrl> m_lPlayList;
    QList<int> m_lOrder;
    int m_iCurrent = 0;
    bool m_bShuffle = false;
    bool m_bLoop = false;
    PlayListModel* m_pModel;
    // The file of the entry the list started last; empty when something else
    // was played since, so that its end does not move the list.
    QString m_sEntryPlaying;
    // Entries in a row that could not be loaded; a loop over a list in which
    // none can be loaded ends.
    int m_iFailedInRow = 0;
    // The cover last looked up, and the entry it belongs to.
    mutable QUrl m_coverUrl;
    mutable QPixmap m_cover;
};

} // namespace QMMultiMedia
