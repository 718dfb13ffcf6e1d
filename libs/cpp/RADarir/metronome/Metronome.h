#pragma once
// The metronome: a picture of a little wren whose eyes look left and right in
// turn with every tick, the beat lamps along its top and the controls near
// its bottom. It ticks from construction to destruction; the first beat of a
// bar shows its own picture and rings a bell, the other beats tick.
//
// The beat belongs to the sound. The audio engine sounds every beat by
// itself (a BeatTrack), at its frame of the output stream, and steps the
// bar's state (MetronomeBar) as it renders each beat, so no stall of the GUI
// thread moves, drops or doubles a sound. The window only shows what is
// heard: each beat's lamp and picture when the engine says the beat leaves
// the output. The controls tell the engine what changes: a new tempo starts
// a new series of beats one full interval later; the beats per bar and the
// switches hold from the next beat not yet rendered. The pictures are scaled
// for the window's size off the GUI thread; until they are ready the old
// ones are shown as they are. A beat repaints only where its picture differs.

#include "RADarir/metronome/MetronomeBar.h"

#include <QFrame>
#include <QFutureWatcher>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QTimer>
#include <QVector>

#include <memory>

class QHBoxLayout;

namespace TickwrenAudio {
class BeatTrack;
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
    // Draws a picture over the whole picture area, centred: pixel for pixel
    // once the pictures are scaled for the current size.
    void drawPixmap(QPainter* painter, QPixmap const& pixmap);

    // The picture of the last beat heard (null before the first picture
    // change, and while it is still being scaled).
    QPixmap currentPix() const;
    MetronomeBar::Picture currentPicture() const { return m_currentPicture; }
    // The beats shown so far, and the moment the last of them was heard on
    // the player's clock (QMMultiMedia::NativeAudioPlayer::clockNs(); -1 before).
    qint64 beatsShown() const { return m_iBeatsShown; }
    qint64 lastHeardNs() const { return m_iLastHeardNs; }
    QTimer const& tickTimer() const { return m_timer; }
    MetronomeControls* controls() const { return m_pControls; }
    MetronomeBeats* beats() const { return m_pBeats; }
    // The engine's side of the beat, for those who listen to it.
    TickwrenAudio::BeatTrack& track() const { return *m_pTrack; }

    // A picture scaled for a size, and the part of it that is not transparent.
    struct ScaledPicture
    {
        QImage image;
        QRect drawn;
    };

    // The timer interval for a tempo: whole milliseconds per beat, the tempo
    // kept within 38..208.
    static int intervalForTempo(int bpm);
    // All eight pictures are scaled for the current size.
    bool picturesScaled() const;

signals:
    // New pictures for the current size are in place.
    void picturesRescaled();

public slots:
    // The tick timer's turn: shows the beats heard by now.
    void slotTick();
    // Shows the lamps and pictures of the beats heard by now and waits for the next.
    void slotShowHeardTicks();
    // Starts scaling every picture for the current size, off the GUI thread.
    void slotPrescalePictures();
    void slotVisibleTickChanged(bool checked);
    void slotAudibleTickChanged(bool checked);
    void slotBeatsCountChanged(int count);
    void slotTickIntervalChanged(int bpm);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The picture scaled for the current size; scaled here and now when
    // there is none at all yet.
    QPixmap cachedPix(MetronomeBar::Picture picture);
    QSize pictureSizeInPixels() const;
    // Where the pictures stand in the frame, at the current size.
    QRect pictureRect() const;
    // What showing or taking away a picture over the background repaints.
    QRect changedBy(MetronomeBar::Picture picture) const;
    void updateChanged();
    void picturesScaledOffThread();
    void restartTimer(int intervalMs);
    // Shows one step: its lamp and picture.
    void showStep(MetronomeBar::Step const& step);
    // Shows every beat rendered so far, heard or not: a switch is shown at
    // once, over the beats still to be heard.
    void showAllRendered();
    // Takes in a switch between two rendered beats, and shows it at once.
    void switchChanged();

    MetronomeControls* m_pControls;
    MetronomeBeats* m_pBeats;
    QHBoxLayout* m_pLampRow;
    std::unique_ptr<TickwrenAudio::BeatTrack> m_pTrack;
    MetronomeBar* m_pBar; // owned by the track; touched only through it
    QPixmap m_lPictures[MetronomeBar::kPictureCount];
    MetronomeBar::Picture m_currentPicture = MetronomeBar::Unchanged;
    QTimer m_timer;
    QTimer m_prescaleTimer;
    QTimer m_showTimer;
    QRect m_lDrawn[MetronomeBar::kPictureCount];
    QRegion m_changed;
    QFutureWatcher<QVector<ScaledPicture>> m_scaling;
    QSize m_scalingFor;
    qint64 m_iBeatsShown = 0;
    qint64 m_iLastHeardNs = -1;
    bool m_bVisible;
    bool m_bAudible;
    int m_nTempo;
    QString m_sResourcePath;
};

} // namespace RADarir
