#include "RADarir/metronome/Metronome.h"

#include "RADarir/metronome/MetronomeBeats.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include <climits>

namespace RADarir {

Metronome::Metronome(QWidget* parent)
    : QFrame(parent)
    , m_pControls(nullptr)
    , m_pBeats(nullptr)
    , m_pLampRow(nullptr)
    , m_nTickCounter(0)
    , m_bVisible(true)
    , m_bAudible(true)
    , m_nBeatIndex(0)
    , m_nTempo(0)
{
    setObjectName("Metronome");
    if (auto* app = ZEDireroz::App::theApp())
        m_sResourcePath = app->bundleResourcePath();

    m_pBeats = new MetronomeBeats(nullptr);
    m_pControls = new MetronomeControls(nullptr);
    m_pBeats->slotSetBeats(m_pControls->beatsCount());

    connect(m_pControls, &MetronomeControls::beatsCountChanged, m_pBeats, &MetronomeBeats::slotSetBeats);
    connect(m_pControls, &MetronomeControls::visibleTickChanged, this, &Metronome::slotVisibleTickChanged);
    connect(m_pControls, &MetronomeControls::audibleTickChanged, this, &Metronome::slotAudibleTickChanged);
    connect(m_pControls, &MetronomeControls::intervalChanged, this, &Metronome::slotTickIntervalChanged);
    connect(&m_timer, &QTimer::timeout, this, &Metronome::slotTick);

    // The default coarse timer may move a tick by up to 5 % of the interval;
    // the precise one keeps the timer near the grid the sounds are due on.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_nTempo = qBound(int(MetronomeControls::kMinTempo), m_pControls->interval(), int(MetronomeControls::kMaxTempo));
    restartTimer(intervalForTempo(m_nTempo));

    // A resize comes in bursts while the window is dragged: the pictures are
    // scaled once it has settled.
    m_prescaleTimer.setSingleShot(true);
    connect(&m_prescaleTimer, &QTimer::timeout, this, &Metronome::slotPrescalePictures);
    // The sound stream opened now, so that its clock has settled by the first sound.
    TickwrenAudio::AudioEngine::instance().prepare();
    m_showTimer.setSingleShot(true);
    m_showTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { slotShowHeardTicks(false); });

    auto* column = new QVBoxLayout;
    ZEDireroz::Common::zeroMargins(column, 0);
    column->addStretch(23);
    column->addWidget(m_pControls);
    column->addStretch(1);
    auto* controlsRow = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(controlsRow, 0);
    controlsRow->addStretch(1);
    controlsRow->addLayout(column);
    controlsRow->addStretch(1);
    m_pLampRow = new QHBoxLayout;
    m_pLampRow->addStretch(1);
    m_pLampRow->addWidget(m_pBeats);
    m_pLampRow->addStretch(1);
    auto* layout = new QVBoxLayout;
    layout->addLayout(m_pLampRow);
    layout->addLayout(controlsRow);
    setLayout(layout);
}

Metronome::~Metronome() = default;

int Metronome::intervalForTempo(int bpm)
{
    // A tempo outside the range (0 or below would divide by zero or run the
    // timer backwards) is taken as the nearest bound.
    bpm = qBound(int(MetronomeControls::kMinTempo), bpm, int(MetronomeControls::kMaxTempo));
    return 60000 / bpm;
}

void Metronome::restartTimer(int intervalMs)
{
    m_timer.stop();
    m_timer.setInterval(intervalMs);
    m_timer.start();
    restartGrid(QMMultiMedia::NativeAudioPlayer::clockNs(), qint64(intervalMs) * 1000000);
}

void Metronome::restartGrid(qint64 startNs, qint64 intervalNs)
{
    m_iGridStartNs = startNs;
    m_iGridTicks = 0;
    m_pSeries = QMMultiMedia::NativeAudioPlayer::startSeries(startNs + kSoundLeadNs, intervalNs);
}

void Metronome::slotTick()
{
    qint64 const intervalNs = qint64(m_timer.interval()) * 1000000;
    qint64 const now = QMMultiMedia::NativeAudioPlayer::clockNs();
    ++m_iGridTicks;
    // The timer gives up on ticks it could not deliver for more than a whole
    // interval and carries on one interval from there: the grid follows it.
    if (now - (m_iGridStartNs + m_iGridTicks * intervalNs) > intervalNs)
        restartGrid(now, intervalNs);
    m_iTickDueNs = m_iGridStartNs + m_iGridTicks * intervalNs + kSoundLeadNs;
    m_nLampToShow = -1;
    updateState(true);
    // Only the parity matters; wrap instead of overflowing (INT_MAX is odd).
    m_nTickCounter = m_nTickCounter == INT_MAX ? 0 : m_nTickCounter + 1;
    // Seen when it is heard: the engine knows when its frames leave the
    // output, whether or not this tick sounds.
    m_iTickHeardNs = QMMultiMedia::NativeAudioPlayer::heardAtNs(m_pSeries, m_iGridTicks);
    m_lToShow.append(TickToShow{m_iTickHeardNs, m_nLampToShow, m_pixCurrent});
    slotShowHeardTicks(false);
}

void Metronome::slotShowHeardTicks(bool all)
{
    // A timer event may come up to a millisecond early.
    qint64 const now = QMMultiMedia::NativeAudioPlayer::clockNs() + 1000000;
    bool shown = false;
    while (!m_lToShow.isEmpty() && (all || m_lToShow.first().atNs <= now)) {
        TickToShow const t = m_lToShow.takeFirst();
        if (t.lamp >= 0)
            m_pBeats->setCurrentBeat(t.lamp);
        m_pixShown = t.picture;
        shown = true;
    }
    if (shown)
        update();
    if (m_lToShow.isEmpty())
        m_showTimer.stop();
    else
        m_showTimer.start(int(qMax<qint64>(0, (m_lToShow.first().atNs - now + 1000000 + 999999) / 1000000)));
}

void Metronome::setFirstBeatPicture(bool tick)
{
    // The sound first: a picture still to be scaled must not hold it up.
    if (tick && m_bAudible)
        play("bell.wav");
    if (m_bVisible)
        m_pixCurrent = m_bAudible ? beatPix() : muteBeatPix();
    else
        m_pixCurrent = m_bAudible ? eyesClosedPix() : closedMutePix();
}

void Metronome::updateState(bool tick)
{
    int const n = m_pControls->beatsCount();
    if (n == 0) {
        normalBehavior(tick);
        return;
    }
    if (m_nBeatIndex >= n) {
        m_nBeatIndex = 0;
        setFirstBeatPicture(tick);
    }
    m_nLampToShow = m_nBeatIndex;
    if (!tick)
        m_pBeats->setCurrentBeat(m_nBeatIndex);
    if (m_nBeatIndex != 0)
        normalBehavior(tick);
    if (tick)
        ++m_nBeatIndex;
}

void Metronome::normalBehavior(bool tick)
{
    if (tick && m_bAudible)
        play("tick.wav");
    bool const odd = m_nTickCounter % 2 != 0;
    if (m_bVisible && m_bAudible)
        m_pixCurrent = odd ? baseEyesLeftPix() : eyesRightPix();
    else if (m_bVisible)
        m_pixCurrent = odd ? muteEyesLeftPix() : muteEyesRightPix();
    else
        m_pixCurrent = m_bAudible ? eyesClosedPix() : closedMutePix();
}

void Metronome::play(QString const& fileName)
{
    auto* player = new QMMultiMedia::NativeAudioPlayer;
    connect(player, &QMMultiMedia::NativeAudioPlayer::finished, player, &QObject::deleteLater);
    player->play(m_sResourcePath + fileName, m_pSeries, m_iGridTicks);
}

void Metronome::slotVisibleTickChanged(bool checked)
{
    m_bVisible = !checked;
    m_pBeats->setVisible(m_bVisible);
    // What the switch changes is shown at once, over any tick still to be heard.
    slotShowHeardTicks(true);
    updateState(false);
    m_pixShown = m_pixCurrent;
    update();
}

void Metronome::slotAudibleTickChanged(bool checked)
{
    m_bAudible = !checked;
    slotShowHeardTicks(true);
    updateState(false);
    m_pixShown = m_pixCurrent;
    update();
}

void Metronome::slotTickIntervalChanged(int bpm)
{
    bpm = qBound(int(MetronomeControls::kMinTempo), bpm, int(MetronomeControls::kMaxTempo));
    // Restarting delays the next tick by a whole interval: a press of plus at
    // the top of the range, or the same tempo announced twice, must not do it.
    if (bpm == m_nTempo)
        return;
    m_nTempo = bpm;
    restartTimer(intervalForTempo(bpm));
}

bool Metronome::picturesScaled() const
{
    for (QPixmap const* p : {&m_pixBaseEyesLeft, &m_pixEyesRight, &m_pixBeat, &m_pixMuteEyesLeft, &m_pixMuteEyesRight,
                             &m_pixMuteBeat, &m_pixEyesClosed, &m_pixClosedMute})
        if (p->isNull())
            return false;
    return true;
}

void Metronome::slotPrescalePictures()
{
    // Scaling all eight takes a while: done just after a tick rather than
    // just before one.
    constexpr int kScaleBudgetMs = 150;
    if (m_timer.isActive() && m_timer.remainingTime() < kScaleBudgetMs) {
        m_prescaleTimer.start(m_timer.remainingTime() + 20);
        return;
    }
    baseEyesLeftPix();
    eyesRightPix();
    beatPix();
    muteEyesLeftPix();
    muteEyesRightPix();
    muteBeatPix();
    eyesClosedPix();
    closedMutePix();
}

QPixmap Metronome::cachedPix(QPixmap& cache, char const* resource)
{
    if (cache.isNull() && !size().isEmpty()) {
        // Kept at the size it is shown at, in the screen's pixels: eight
        // pictures at twice that size held some 50 MB for a window of
        // ordinary size. The large drawing is read as an image and let go
        // once scaled, without a full-size pixmap copy of it.
        QImage const source(QString::fromLatin1(resource));
        if (!source.isNull()) {
            qreal const ratio = devicePixelRatioF();
            cache = QPixmap::fromImage(source.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            cache.setDevicePixelRatio(ratio);
        }
    }
    return cache;
}

QPixmap Metronome::baseEyesLeftPix()
{
    return cachedPix(m_pixBaseEyesLeft, ":/BaseEyesLeft.png");
}
QPixmap Metronome::eyesRightPix()
{
    return cachedPix(m_pixEyesRight, ":/EyesRight.png");
}
QPixmap Metronome::beatPix()
{
    return cachedPix(m_pixBeat, ":/Beat.png");
}
QPixmap Metronome::muteEyesLeftPix()
{
    return cachedPix(m_pixMuteEyesLeft, ":/MuteEyesLeft.png");
}
QPixmap Metronome::muteEyesRightPix()
{
    return cachedPix(m_pixMuteEyesRight, ":/MuteEyesRight.png");
}
QPixmap Metronome::muteBeatPix()
{
    return cachedPix(m_pixMuteBeat, ":/MuteBeat.png");
}
QPixmap Metronome::eyesClosedPix()
{
    return cachedPix(m_pixEyesClosed, ":/EyesClosed.png");
}
QPixmap Metronome::closedMutePix()
{
    return cachedPix(m_pixClosedMute, ":/EyesClosedMute.png");
}

void Metronome::setNeedsRecreatePixmaps()
{
    m_pixBaseEyesLeft = QPixmap();
    m_pixEyesRight = QPixmap();
    m_pixBeat = QPixmap();
    m_pixMuteEyesLeft = QPixmap();
    m_pixMuteEyesRight = QPixmap();
    m_pixMuteBeat = QPixmap();
    m_pixEyesClosed = QPixmap();
    m_pixClosedMute = QPixmap();
}

void Metronome::drawPixmap(QPainter* painter, QPixmap const& pixmap)
{
    if (pixmap.isNull())
        return;
    int const w = qRound(pixmap.width() / pixmap.devicePixelRatio());
    int const h = qRound(pixmap.height() / pixmap.devicePixelRatio());
    int const left = qAbs(width() - w) / 2;
    int const top = qAbs(height() - h) / 2;
    painter->drawPixmap(QRect(left, top, w, h), pixmap);
}

void Metronome::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(rect());
    // The pictures were scaled smoothly to the size they are shown at, so they
    // are drawn pixel for pixel.
    drawPixmap(&painter, baseEyesLeftPix());
    drawPixmap(&painter, m_pixShown);
}

void Metronome::resizeEvent(QResizeEvent* event)
{
    setNeedsRecreatePixmaps();
    m_prescaleTimer.start(100);
    // The layout has taken the new size already; twelve full-size lamps are
    // wider than the narrowest window.
    m_pBeats->setAvailableWidth(m_pLampRow->contentsRect().width());
    QFrame::resizeEvent(event);
}

} // namespace RADarir
