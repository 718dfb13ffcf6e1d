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
// asks for its sound before it is due. The pictures are scaled for the
// window's size at start and after a resize, outside the ticks.

#include <QFrame>
#include <QPixmap>
#include <QTimer>

class QHBoxLayout;

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
    QTimer m_timer;
    QTimer m_prescaleTimer;
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
