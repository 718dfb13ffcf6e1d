#include "RADarir/metronome/Metronome.h"

#include "RADarir/metronome/MetronomeBeats.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/BeatTrack.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace RADarir {

namespace {

char const* const kResources[MetronomeBar::kPictureCount] = {
    ":/BaseEyesLeft.png",  ":/EyesRight.png", ":/Beat.png",       ":/MuteEyesLeft.png",
    ":/MuteEyesRight.png", ":/MuteBeat.png",  ":/EyesClosed.png", ":/EyesClosedMute.png",
};
// Every picture is drawn at this size, and shown at the largest size of the
// same shape that the frame holds.
QSize const kDrawnSize(1536, 2048);

int slot(MetronomeBar::Picture picture)
{
    return int(picture) - 1;
}

// The part of a picture that is not transparent, in its pixels.
QRect drawnRect(QImage const& image)
{
    int left = image.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        auto const* line = reinterpret_cast<QRgb const*>(image.constScanLine(y));
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first < 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = qMin(left, first);
        right = qMax(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The large drawing read as an image, scaled smoothly and let go: no
// full-size copy of it is kept. Safe on any thread.
Metronome::ScaledPicture scaledPicture(MetronomeBar::Picture picture, QSize const& pixels)
{
    QImage const source(QString::fromLatin1(kResources[slot(picture)]));
    if (source.isNull() || pixels.isEmpty())
        return {};
    // In the screen's own pixel format, so that it becomes a pixmap without a copy.
    QImage scaled = source.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QRect const drawn = drawnRect(scaled);
    return Metronome::ScaledPicture{std::move(scaled), drawn};
}

// The bar as the engine's thread steps it, one beat at a time.
class BarPattern : public TickwrenAudio::BeatPattern
{
public:
    TickwrenAudio::BeatChoice beat(std::int64_t) override
    {
        MetronomeBar::Step const step = bar.tick();
        return TickwrenAudio::BeatChoice{int(step.sound), step.tag()};
    }
    MetronomeBar bar;
};

} // namespace

Metronome::Metronome(QWidget* parent)
    : QFrame(parent)
    , m_pControls(nullptr)
    , m_pBeats(nullptr)
    , m_pLampRow(nullptr)
    , m_pBar(nullptr)
    , m_bVisible(true)
    , m_bAudible(true)
    , m_nTempo(0)
{
    setObjectName("Metronome");
    if (auto* app = ZEDireroz::App::theApp())
        m_sResourcePath = app->bundleResourcePath();

    m_pBeats = new MetronomeBeats(nullptr);
    m_pControls = new MetronomeControls(nullptr);
    m_pBeats->slotSetBeats(m_pControls->beatsCount());

    // The sounds in the order of MetronomeBar::Sound.
    auto pattern = std::make_unique<BarPattern>();
    m_pBar = &pattern->bar;
    m_pBar->setBeatsPerBar(m_pControls->beatsCount());
    m_pTrack = std::make_unique<TickwrenAudio::BeatTrack>(
        QStringList{m_sResourcePath + "tick.wav", m_sResourcePath + "bell.wav"}, std::move(pattern));

    connect(m_pControls, &MetronomeControls::beatsCountChanged, m_pBeats, &MetronomeBeats::slotSetBeats);
    connect(m_pControls, &MetronomeControls::beatsCountChanged, this, &Metronome::slotBeatsCountChanged);
    connect(m_pControls, &MetronomeControls::visibleTickChanged, this, &Metronome::slotVisibleTickChanged);
    connect(m_pControls, &MetronomeControls::audibleTickChanged, this, &Metronome::slotAudibleTickChanged);
    connect(m_pControls, &MetronomeControls::intervalChanged, this, &Metronome::slotTickIntervalChanged);
    connect(&m_timer, &QTimer::timeout, this, &Metronome::slotTick);

    m_showTimer.setSingleShot(true);
    m_showTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_showTimer, &QTimer::timeout, this, &Metronome::slotShowHeardTicks);
    // The sound stream opened now, so that its clock has settled by the first beat.
    TickwrenAudio::AudioEngine::instance().prepare();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_nTempo = qBound(int(MetronomeControls::kMinTempo), m_pControls->interval(), int(MetronomeControls::kMaxTempo));
    restartTimer(intervalForTempo(m_nTempo));

    // A resize comes in bursts while the window is dragged: the pictures are
    // scaled once it pauses.
    m_prescaleTimer.setSingleShot(true);
    connect(&m_prescaleTimer, &QTimer::timeout, this, &Metronome::slotPrescalePictures);
    connect(&m_scaling, &QFutureWatcher<QVector<ScaledPicture>>::finished, this, &Metronome::picturesScaledOffThread);

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

Metronome::~Metronome()
{
    // The engine lets go of the track before the bar goes with it.
    m_pTrack.reset();
}

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
    // The next beat one full new interval from now, and every one after it
    // counted in the output's frames by the engine.
    qint64 const intervalNs = qint64(intervalMs) * 1000000;
    m_pTrack->start(QMMultiMedia::NativeAudioPlayer::clockNs() + intervalNs, intervalNs);
    slotShowHeardTicks();
}

void Metronome::slotTick()
{
    slotShowHeardTicks();
}

QRect Metronome::pictureRect() const
{
    QSize const shown = kDrawnSize.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

QRect Metronome::changedBy(MetronomeBar::Picture picture) const
{
    // The background drawn over itself changes nothing.
    if (picture == MetronomeBar::Unchanged || picture == MetronomeBar::BaseEyesLeft)
        return {};
    QPixmap const& pixmap = m_lPictures[slot(picture)];
    if (pixmap.isNull() || pixmap.size() != pictureSizeInPixels())
        return rect();
    QRect const drawn = m_lDrawn[slot(picture)];
    if (drawn.isEmpty())
        return {};
    qreal const ratio = pixmap.devicePixelRatio();
    QRectF const logical(QPointF(drawn.topLeft()) / ratio, QSizeF(drawn.size()) / ratio);
    return logical.toAlignedRect().translated(pictureRect().topLeft()).adjusted(-1, -1, 1, 1);
}

void Metronome::showStep(MetronomeBar::Step const& step)
{
    if (step.lamp >= 0)
        m_pBeats->setCurrentBeat(step.lamp);
    if (step.picture != MetronomeBar::Unchanged && step.picture != m_currentPicture) {
        // Only where the old or the new picture is drawn over the background:
        // a beat repaints the eyes, not the whole window.
        m_changed += changedBy(m_currentPicture);
        m_changed += changedBy(step.picture);
        m_currentPicture = step.picture;
    }
}

void Metronome::updateChanged()
{
    if (!m_changed.isEmpty())
        update(m_changed);
    m_changed = QRegion();
}

void Metronome::slotShowHeardTicks()
{
    // A timer event may come up to a millisecond early.
    qint64 const now = QMMultiMedia::NativeAudioPlayer::clockNs() + 1000000;
    std::vector<TickwrenAudio::RenderedBeat> const heard = m_pTrack->takeHeard(now);
    for (TickwrenAudio::RenderedBeat const& b : heard) {
        showStep(MetronomeBar::Step::fromTag(b.tag));
        m_iLastHeardNs = b.heardNs;
    }
    m_iBeatsShown += qint64(heard.size());
    updateChanged();
    qint64 const next = m_pTrack->nextHeardNs();
    if (next < 0) {
        m_showTimer.stop();
        return;
    }
    // A beat due by now but not rendered yet (the silent clock renders as
    // time passes) is looked for again a millisecond later.
    m_showTimer.start(int(qBound<qint64>(1, (next - now + 1000000 + 999999) / 1000000, 60000)));
}

void Metronome::showAllRendered()
{
    std::vector<TickwrenAudio::RenderedBeat> const rendered = m_pTrack->takeRendered();
    for (TickwrenAudio::RenderedBeat const& b : rendered) {
        showStep(MetronomeBar::Step::fromTag(b.tag));
        m_iLastHeardNs = b.heardNs;
    }
    m_iBeatsShown += qint64(rendered.size());
}

void Metronome::switchChanged()
{
    showAllRendered();
    MetronomeBar::Step step;
    bool const visible = m_bVisible;
    bool const audible = m_bAudible;
    MetronomeBar* bar = m_pBar;
    m_pTrack->withPattern([&](TickwrenAudio::BeatPattern&) {
        bar->setVisible(visible);
        bar->setAudible(audible);
        step = bar->updateState(false);
    });
    showStep(step);
    updateChanged();
    slotShowHeardTicks();
}

void Metronome::slotVisibleTickChanged(bool checked)
{
    m_bVisible = !checked;
    m_pBeats->setVisible(m_bVisible);
    switchChanged();
}

void Metronome::slotAudibleTickChanged(bool checked)
{
    m_bAudible = !checked;
    switchChanged();
}

void Metronome::slotBeatsCountChanged(int count)
{
    MetronomeBar* bar = m_pBar;
    m_pTrack->withPattern([bar, count](TickwrenAudio::BeatPattern&) { bar->setBeatsPerBar(count); });
}

void Metronome::slotTickIntervalChanged(int bpm)
{
    bpm = qBound(int(MetronomeControls::kMinTempo), bpm, int(MetronomeControls::kMaxTempo));
    // Restarting delays the next beat by a whole interval: a press of plus at
    // the top of the range, or the same tempo announced twice, must not do it.
    if (bpm == m_nTempo)
        return;
    m_nTempo = bpm;
    restartTimer(intervalForTempo(bpm));
}

QSize Metronome::pictureSizeInPixels() const
{
    return kDrawnSize.scaled(size() * devicePixelRatioF(), Qt::KeepAspectRatio);
}

bool Metronome::picturesScaled() const
{
    QSize const pixels = pictureSizeInPixels();
    for (QPixmap const& p : m_lPictures)
        if (p.isNull() || p.size() != pixels)
            return false;
    return true;
}

void Metronome::slotPrescalePictures()
{
    QSize const pixels = pictureSizeInPixels();
    // One scaling at a time; when it ends it looks at the size again.
    if (pixels.isEmpty() || m_scaling.isRunning() || picturesScaled())
        return;
    m_scalingFor = pixels;
    m_scaling.setFuture(QtConcurrent::run([pixels] {
        QVector<ScaledPicture> pictures;
        for (int i = 1; i <= MetronomeBar::kPictureCount; ++i)
            pictures << scaledPicture(MetronomeBar::Picture(i), pixels);
        return pictures;
    }));
}

void Metronome::picturesScaledOffThread()
{
    // The empty future set below reports itself finished too.
    if (m_scaling.future().resultCount() == 0)
        return;
    QVector<ScaledPicture> pictures = m_scaling.result();
    // The future lets go of its copy, so that each image is ours alone and
    // becomes a pixmap in place, without copying its pixels.
    m_scaling.setFuture(QFuture<QVector<ScaledPicture>>());
    // Taken even when the window was resized meanwhile: during a long drag
    // the pictures come ever nearer its size, and the last scaling fits.
    qreal const ratio = devicePixelRatioF();
    for (int i = 0; i < pictures.size() && i < MetronomeBar::kPictureCount; ++i) {
        if (pictures[i].image.isNull())
            continue;
        m_lPictures[i] = QPixmap::fromImage(std::move(pictures[i].image));
        m_lPictures[i].setDevicePixelRatio(ratio);
        m_lDrawn[i] = pictures[i].drawn;
    }
    update();
    if (m_scalingFor == pictureSizeInPixels())
        emit picturesRescaled();
    else
        slotPrescalePictures();
}

QPixmap Metronome::cachedPix(MetronomeBar::Picture picture)
{
    QPixmap& cache = m_lPictures[slot(picture)];
    if (cache.isNull() && !size().isEmpty()) {
        // The very first time, before anything could be scaled ahead.
        ScaledPicture scaled = scaledPicture(picture, pictureSizeInPixels());
        cache = QPixmap::fromImage(std::move(scaled.image));
        cache.setDevicePixelRatio(devicePixelRatioF());
        m_lDrawn[slot(picture)] = scaled.drawn;
    }
    return cache;
}

QPixmap Metronome::currentPix() const
{
    if (m_currentPicture == MetronomeBar::Unchanged)
        return {};
    return m_lPictures[slot(m_currentPicture)];
}

QPixmap Metronome::baseEyesLeftPix()
{
    return cachedPix(MetronomeBar::BaseEyesLeft);
}
QPixmap Metronome::eyesRightPix()
{
    return cachedPix(MetronomeBar::EyesRight);
}
QPixmap Metronome::beatPix()
{
    return cachedPix(MetronomeBar::Beat);
}
QPixmap Metronome::muteEyesLeftPix()
{
    return cachedPix(MetronomeBar::MuteEyesLeft);
}
QPixmap Metronome::muteEyesRightPix()
{
    return cachedPix(MetronomeBar::MuteEyesRight);
}
QPixmap Metronome::muteBeatPix()
{
    return cachedPix(MetronomeBar::MuteBeat);
}
QPixmap Metronome::eyesClosedPix()
{
    return cachedPix(MetronomeBar::EyesClosed);
}
QPixmap Metronome::closedMutePix()
{
    return cachedPix(MetronomeBar::EyesClosedMute);
}

void Metronome::setNeedsRecreatePixmaps()
{
    for (QPixmap& p : m_lPictures)
        p = QPixmap();
}

void Metronome::drawPixmap(QPainter* painter, QPixmap const& pixmap)
{
    if (pixmap.isNull())
        return;
    // Pixel for pixel, centred. Pictures scaled for an older size are shown at
    // that size until their copies for the new one are ready: stretching
    // them on every paint of a resize would hold the GUI thread far longer.
    QSize const shown(qRound(pixmap.width() / pixmap.devicePixelRatio()),
                      qRound(pixmap.height() / pixmap.devicePixelRatio()));
    painter->drawPixmap(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), pixmap);
}

void Metronome::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(rect());
    drawPixmap(&painter, baseEyesLeftPix());
    drawPixmap(&painter, currentPix());
}

void Metronome::resizeEvent(QResizeEvent* event)
{
    m_prescaleTimer.start(50);
    // The layout has taken the new size already; twelve full-size lamps are
    // wider than the narrowest window.
    m_pBeats->setAvailableWidth(m_pLampRow->contentsRect().width());
    QFrame::resizeEvent(event);
}

} // namespace RADarir
