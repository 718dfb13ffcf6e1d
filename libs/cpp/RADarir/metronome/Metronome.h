#pragma once
// The metronome: a picture of a little wren whose eyes look left and right in
// turn with every tick, the beat lamps along its top and the controls near
// its bottom. It ticks from construction to destruction; the first beat of a
// bar shows its own picture and rings a bell, the other beats tick.
//
// The beat keeps its own grid: tick n after the timer's (re)start is due at
// the start + n intervals + a short lead, and the sound is asked for with that
// due time, before any of the tick's other work, so the audio engine starts it
// at the exact frame whatever the GUI thread was doing. The timer fires the
// lead ahead of the due time, so that a tick held up by other work still
// asks for its sound before it is due. The sounds of one grid are one series
// of beats for the audio engine, which places them whole intervals of the
// output's frames apart; a tempo change starts a new one. A tick's lamp and
// picture are shown when its beat is heard, a moment the engine tells from
// its stream, not when the timer fires. The pictures are scaled for the
// window's size at start and after a resize, outside the ticks.

#include <QFrame>
#include <QPixmap>
#include <QTimer>
#include <QVector>

#include <memory>

class QHBoxLayout;

namespace TickwrenAudio {
class BeatSeries;
}

namespace RADarir {

class MetronomeBeats;
class MetronomeControls;

class Metronome : public QFrame
{
    Q_OBJECT
public:
    explicit Metronome(QWidget* parent = nullptr);
    ~Metronome() override;

    // Advances (tick = true) or only redraws for new switches (tick = false).
    void updateState(bool tick);
    // An ordinary beat: the eyes alternate with the tick counter's parity.
    void normalBehavior(bool tick);

    QPixmap baseEyesLeftPix();
    QPixmap eyesRightPix();
    QPixmap beatPix();
    QPixmap muteEyesLeftPix();
    QPixmap muteEyesRightPix();
    QPixmap muteBeatPix();
    QPixmap eyesClosedPix();
    QPixmap closedMutePix();
    // Forgets the scaled pictures; they are scaled again when next needed.
    void setNeedsRecreatePixmaps();
    void drawPixmap(QPainter* painter, QPixmap const& pixmap);

    // The picture of the last tick (null before the first picture change).
    QPixmap const& currentPix() const { return m_pixCurrent; }
    // The picture on the screen: the last tick's once its beat is heard.
    QPixmap const& shownPix() const { return m_pixShown; }
    // Ticks whose beat has not been heard yet, so not shown yet.
    int ticksToShow() const { return m_lToShow.size(); }
    // When the beat of the last tick is heard, on the player's clock.
    qint64 tickHeardNs() const { return m_iTickHeardNs; }
    QTimer const& tickTimer() const { return m_timer; }
    MetronomeControls* controls() const { return m_pControls; }
    MetronomeBeats* beats() const { return m_pBeats; }

    // The timer interval for a tempo: whole milliseconds per beat, the tempo
    // kept within 38..208.
    static int intervalForTempo(int bpm);

    // How far ahead of its sound's due time a tick's timer fires: more than
    // the GUI thread is ever held up, less than the ear notices between the
    // picture and the sound.
    static constexpr qint64 kSoundLeadNs = 40000000;
    // The due time of the tick being handled or last handled, on the
    // player's clock (QMMultiMedia::NativeAudioPlayer::clockNs()); -1 before
    // the first tick.
    qint64 tickDueNs() const { return m_iTickDueNs; }
    // All eight pictures are scaled for the current size.
    bool picturesScaled() const;

public slots:
    void slotTick();
    // Shows the lamps and pictures of the ticks whose beat is heard by now;
    // with `all`, of every tick so far.
    void slotShowHeardTicks(bool all = false);
    // Scales every picture for the current size, unless a tick is near.
    void slotPrescalePictures();
    void slotVisibleTickChanged(bool checked);
    void slotAudibleTickChanged(bool checked);
    void slotTickIntervalChanged(int bpm);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Plays one of the sound files of the resource folder and forgets it.
    virtual void play(QString const& fileName);

private:
    QPixmap cachedPix(QPixmap& cache, char const* resource);
    void setFirstBeatPicture(bool tick);
    void restartTimer(int intervalMs);
    // A new grid from `startNs`, and a new series of beats with it.
    void restartGrid(qint64 startNs, qint64 intervalNs);

    struct TickToShow
    {
        qint64 atNs;
        int lamp; // -1: the lamps stay
        QPixmap picture;
    };

    MetronomeControls* m_pControls;
    MetronomeBeats* m_pBeats;
    QHBoxLayout* m_pLampRow;
    QPixmap m_pixBaseEyesLeft;
    QPixmap m_pixEyesRight;
    QPixmap m_pixBeat;
    QPixmap m_pixMuteEyesLeft;
    QPixmap m_pixMuteEyesRight;
    QPixmap m_pixMuteBeat;
    QPixmap m_pixEyesClosed;
    QPixmap m_pixClosedMute;
    QPixmap m_pixCurrent;
    QPixmap m_pixShown;
    QTimer m_timer;
    QTimer m_prescaleTimer;
    QTimer m_showTimer;
    QVector<TickToShow> m_lToShow;
    int m_nLampToShow = -1;
    qint64 m_iTickHeardNs = -1;
    std::shared_ptr<TickwrenAudio::BeatSeries> m_pSeries;
    // The beat grid: when the timer was (re)started, and ticks since then.
    qint64 m_iGridStartNs = 0;
    qint64 m_iGridTicks = 0;
    qint64 m_iTickDueNs = -1;
    int m_nTickCounter;
    bool m_bVisible;
    bool m_bAudible;
    int m_nBeatIndex;
    int m_nTempo;
    QString m_sResourcePath;
};

} // namespace RADarir
