#include "RADarir/chordviews/ChordBaseView.h"

#include "ZEDireroz/frame/App.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace RADarir {

namespace {

constexpr int kPianoOctaves = 2;
constexpr int kPreferredWidth = 180;
constexpr int kPreferredHeight = 130;
constexpr int kPitchClasses = 12;

qreal screenRatio()
{
    ZEDireroz::App const* app = ZEDireroz::App::theApp();
    return app ? app->devicePixelRatio() : 1.0;
}

} // namespace

ChordBaseView::ChordBaseView(QWidget* parent)
    : QWidget(parent)
{
    setToolTip(tr("Drag&Drop this picture to any editor"));
}

ChordBaseView::~ChordBaseView() = default;

void ChordBaseView::setChordTabAndName(int chordIndex, QVector<int> const& tab, QString const& name)
{
    m_nChordIndex = chordIndex;
    m_strName = name;
    m_vecTab = tab;
    update();
}

void ChordBaseView::setInstrumentName(QString const& id)
{
    m_strInstrumentName = id;
}

QSize ChordBaseView::sizeHint() const
{
    return QSize(kPreferredWidth, kPreferredHeight);
}

QString ChordBaseView::pianoTabToCode() const
{
    return pianoTabToCode(m_vecTab);
}

QString ChordBaseView::pianoTabToCode(QVector<int> const& tab)
{
    QString code(kPitchClasses, QLatin1Char('X'));
    // Only the entries the tab has: a short tab leaves its missing keys silent.
    int const keys = qMin(tab.size(), kPianoOctaves * kPitchClasses);
    for (int i = 0; i < keys; ++i) {
        if (tab.at(i) == 0)
            code[i % kPitchClasses] = QLatin1Char('0');
    }
    return code;
}

QString ChordBaseView::chordPicturePath(QString const& pictureName)
{
    ZEDireroz::App const* app = ZEDireroz::App::theApp();
    QString const offset = app ? app->resourceOffset() : QString();
    return QStringLiteral(":/") + offset + QStringLiteral("_resources/imgs/Chords/") + pictureName;
}

ChordBaseView::Placement ChordBaseView::placePicture(QSize const& pictureSize, QSize const& widgetSize, qreal ratio)
{
    Placement placement;
    if (pictureSize.isEmpty())
        return placement;
    QSize const box(int(widgetSize.width() * ratio), int(widgetSize.height() * ratio));
    placement.scaled = pictureSize.scaled(box, Qt::KeepAspectRatio);
    qreal const pw = placement.scaled.width() / ratio;
    qreal const ph = placement.scaled.height() / ratio;
    placement.target =
        QRect(int((widgetSize.width() - pw) * 0.5), int((widgetSize.height() - ph) * 0.5), int(pw), int(ph));
    return placement;
}

void ChordBaseView::drawChordPicture(QPainter* painter, QString const& pictureName) const
{
    QPixmap const picture(chordPicturePath(pictureName));
    if (picture.isNull())
        return;
    Placement const placement = placePicture(picture.size(), size(), screenRatio());
    QPixmap const scaled = picture.scaled(placement.scaled, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter->drawPixmap(placement.target, scaled);
}

void ChordBaseView::drawKeyboard(QPainter* painter, QString const& prefix) const
{
    drawChordPicture(painter, prefix + pianoTabToCode() + QStringLiteral(".png"));
    QFont font = painter->font();
    font.setPixelSize(height() / 7 + 7);
    painter->setFont(font);
    QFontMetrics const metrics(font);
    int const tw = metrics.horizontalAdvance(m_strName);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 220));
    painter->drawRect(QRect((width() - tw) / 2, 0, tw, metrics.height()));
    painter->restore();
    drawName(painter, font);
}

void ChordBaseView::drawName(QPainter* painter) const
{
    QFont font = painter->font();
    font.setPixelSize(height() / 7 + 7);
    drawName(painter, font);
}

// A chord's name reads left to right in every language: in a right-to-left
// window "A #" would show its sign first.
void ChordBaseView::drawName(QPainter* painter, QFont const& font) const
{
    painter->setFont(font);
    painter->setPen(inkPen());
    Qt::LayoutDirection const direction = painter->layoutDirection();
    painter->setLayoutDirection(Qt::LeftToRight);
    painter->drawText(rect(), Qt::AlignHCenter | Qt::AlignTop, m_strName);
    painter->setLayoutDirection(direction);
}

QPen ChordBaseView::inkPen() const
{
    return QPen(QBrush(Qt::black), height() / 50);
}

bool ChordBaseView::isPiano() const
{
    // Exactly "piano": any other identifier, "Piano" too, is a string instrument.
    return m_strInstrumentName == QLatin1String("piano");
}

QMimeData* ChordBaseView::dragData(QString const& path)
{
    auto* data = new QMimeData;
    // A file URL from the path itself: "#", "?" and "%" in a folder name stay
    // part of the path instead of starting a fragment, a query or an escape.
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

void ChordBaseView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_ptDragStart = event->pos();
    QWidget::mousePressEvent(event);
}

void ChordBaseView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        if ((event->pos() - m_ptDragStart).manhattanLength() > QApplication::startDragDistance())
            startDrag();
    }
    QWidget::mouseMoveEvent(event);
}

void ChordBaseView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(rect());
}

void ChordBaseView::startDrag()
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    if (!app)
        return;
    QString const path = QDir(app->workDirectory()).filePath(QStringLiteral("Chord.png"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QPixmap picture(size());
    render(&picture);
    bool const saved = picture.save(&file, "PNG");
    file.close();
    if (!saved)
        return;

    auto* drag = new QDrag(this);
    drag->setMimeData(dragData(path));
    drag->setPixmap(picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    drag->exec(Qt::CopyAction);
    // One drag object per drag, not one per drag for the view's lifetime.
    drag->deleteLater();
}

} // namespace RADarir
