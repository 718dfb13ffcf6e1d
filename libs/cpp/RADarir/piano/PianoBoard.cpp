#include "RADarir/piano/PianoBoard.h"

#include "RADarir/piano/PianoKeys.h"
#include "RADarir/piano/PianoSample.h"
#include "ZEDireroz/frame/App.h"

#include <QMouseEvent>
#include <QPainter>

namespace RADarir {

namespace {

template <int N>
QString findRange(PianoKeys::Range const (&ranges)[N], float x)
{
    for (PianoKeys::Range const& r : ranges)
        if (x >= r.lo && x < r.hi)
            return QLatin1String(r.name);
    return QString();
}

} // namespace

PianoBoard::PianoBoard(QWidget* parent)
    : QFrame(parent)
    , m_basePixmap(QStringLiteral(":/Piano_0.png"))
{
    setMinimumSize(300, 250);
    if (!m_basePixmap.isNull())
        m_aspect = float(m_basePixmap.width()) / float(m_basePixmap.height());
    else
        m_aspect = float(PianoKeys::kFrameWidth) / float(PianoKeys::kFrameHeight);
}

void PianoBoard::slotSetNote(QString const& name, int accidental)
{
    int const key = PianoKeys::keyNumber(name, accidental);
    if (key == 0)
        return;
    m_key = QString::number(key);
    update();
}

QString PianoBoard::positionToNote(int x, int y) const
{
    if (width() <= 0 || height() <= 0)
        return QString();
    float const fx = float(x) * PianoKeys::kFrameWidth / float(width());
    float const fy = float(y) * PianoKeys::kFrameHeight / float(height());
    if (fy >= PianoKeys::kWhiteFrontTop && fy < PianoKeys::kWhiteBottom)
        return findRange(PianoKeys::kWhiteKeys, fx);
    if (fy >= PianoKeys::kBlackTop && fy < PianoKeys::kWhiteFrontTop) {
        QString const black = findRange(PianoKeys::kBlackKeys, fx);
        return black.isEmpty() ? findRange(PianoKeys::kWhiteSlivers, fx) : black;
    }
    return QString();
}

void PianoBoard::mousePressEvent(QMouseEvent* event)
{
    QString const name = positionToNote(event->pos().x(), event->pos().y());
    if (name.isEmpty())
        return;
    bool const sharp = name.endsWith(QLatin1Char('#'));
    QString const note = name.left(2);
    int const a = sharp ? 1 : 0;
    slotSetNote(note, a);
    emit noteChanged(note, a);
    playSample(pianoSamplePath(PianoKeys::sampleNote(PianoKeys::keyNumber(note, a))));
}

QMMultiMedia::NativeAudioPlayer* PianoBoard::playSample(QString const& path)
{
    return playPianoSample(path);
}

void PianoBoard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect const all(0, 0, width(), height());
    painter.drawPixmap(all, m_basePixmap);
    if (m_key.isEmpty())
        return;
    ZEDireroz::App const* app = ZEDireroz::App::theApp();
    qreal const ratio = app ? app->devicePixelRatio() : devicePixelRatioF();
    QPixmap const lit =
        QPixmap(QStringLiteral(":/Piano_%1.png").arg(m_key))
            .scaled(int(width() * ratio), int(height() * ratio), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawPixmap(all, lit);
}

void PianoBoard::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // In whole numbers where the picture is there: width / aspect in floating
    // point can fall a hair short of the exact height and lose a pixel row.
    if (!m_basePixmap.isNull())
        setFixedHeight(width() * m_basePixmap.height() / m_basePixmap.width());
    else
        setFixedHeight(int(width() / m_aspect));
}

} // namespace RADarir
