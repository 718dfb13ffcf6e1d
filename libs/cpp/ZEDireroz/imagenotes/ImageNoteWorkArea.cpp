#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include "VAruzoD/DrawTools.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/FileDialog.h"
#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include <QDateTime>
#include <QDebug>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QTextEdit>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ZEDireroz {

ImageNoteWorkArea::ImageNoteWorkArea(QWidget* parent)
    : QWidget(parent)
{
    m_pTextBox = new NoteEditWidget(this);
    m_pTextBox->setAutoFillBackground(true);
    m_pTextBox->hide();
    connect(m_pTextBox, &NoteEditWidget::cancelClicked, this, &ImageNoteWorkArea::slotEditCanceled);
    connect(m_pTextBox, &NoteEditWidget::okClicked, this, &ImageNoteWorkArea::slotEditAccepted);
    applyToTextEdit();
}

ImageNoteWorkArea::~ImageNoteWorkArea() = default;

// The composed picture starts as a copy of the picture (the layer is empty
// then) and is mended where the layer changed: the picture's pixels are put back and
// the layer is drawn over them. It keeps the picture's format, so saving it
// encodes the same kind of pixels as the bare picture.
QPixmap const& ImageNoteWorkArea::pixContent()
{
    if (m_staleContent.isEmpty() || m_content.isNull())
        return m_content;
    // Drawn in device pixels.
    qreal const ratio = m_content.devicePixelRatio();
    m_content.setDevicePixelRatio(1.0);
    {
        QPainter painter(&m_content);
        for (QRect const& area : m_staleContent) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawPixmap(area, m_base, area);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.drawImage(area, m_layer, area);
        }
    }
    m_content.setDevicePixelRatio(ratio);
    m_staleContent = QRegion();
    return m_content;
}

void ImageNoteWorkArea::layerChanged(QRect const& device)
{
    m_staleContent += device;
    update(toPoints(device));
}

void ImageNoteWorkArea::applyToTextEdit()
{
    m_pTextBox->textEdit()->setStyleSheet(
        QStringLiteral("QTextEdit{color: %1; background: rgba(10, 10, 10, 5);}").arg(m_color.name()));
}

QImage ImageNoteWorkArea::newLayer() const
{
    if (m_base.isNull())
        return QImage();
    QImage layer(m_base.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(m_base.devicePixelRatio());
    layer.fill(QColor(0, 0, 0, 0));
    return layer;
}

void ImageNoteWorkArea::slotSetPixmap(QPixmap const& picture)
{
    m_bDirty = true;
    m_base = picture;
    // The composed picture gets pixels of its own while the picture is being
    // opened, so that no gesture pays for copying the whole picture.
    m_content = QPixmap::fromImage(picture.toImage().copy());
    qreal const ratio = picture.devicePixelRatio();
    setFixedSize(qRound(picture.width() / ratio), qRound(picture.height() / ratio));
    m_layer = newLayer();
    m_staleContent = QRegion();
    m_undo.clear();
    m_redo.clear();
    m_segments.clear();
    m_bButtonDown = false;
    emit redoAvailable(false);
    emit undoAvailable(false);
    update();
}

void ImageNoteWorkArea::slotSetMode(int const& mode)
{
    m_mode = mode;
}

void ImageNoteWorkArea::slotSetColor(QColor const& colour)
{
    m_color = colour;
    applyToTextEdit();
}

void ImageNoteWorkArea::slotSetFont(QFont const& font)
{
    m_font = font;
    applyToTextEdit();
}

void ImageNoteWorkArea::slotSetThikness(int const& thickness)
{
    m_thickness = thickness;
}

void ImageNoteWorkArea::slotSetDashLine(bool on)
{
    m_bDash = on;
}

// What is written is exactly the picture with its committed annotations; an
// open text box is not part of it. The file appears only once it is whole.
bool ImageNoteWorkArea::slotSave()
{
    QString const name = QStringLiteral("EditedScreenShot_")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"))
                         + QStringLiteral(".png");
    QString folder = App::theApp() ? App::theApp()->saveDirPath() : QString();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QString const path = FileDialog::getSaveFileName(this, tr("Save Picture"), folder + name, QStringLiteral("*.png"));
    if (path.isEmpty())
        return false;

    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly))
        error = file.errorString();
    else if (!pixContent().save(&file, "PNG"))
        error = file.error() != QFileDevice::NoError ? file.errorString() : tr("The picture could not be encoded.");
    else if (!file.commit())
        error = file.errorString();
    if (!error.isEmpty()) {
        file.cancelWriting();
        MessageBox::warning(this, tr("Save Picture"),
                            tr("The picture could not be saved as \"%1\".\n%2").arg(path, error), QMessageBox::Ok);
        return false;
    }
    m_bDirty = false;
    if (App::theApp())
        App::theApp()->setSaveDirPath(path);
    return true;
}

// Puts the step's pixels into the layer and keeps the ones they replace, so
// that the same step brings them back when it goes the other way.
namespace {

// A tile that is wholly transparent is kept as a null picture: most strokes
// go where nothing was drawn yet, and such a step then costs no pixels.
bool isClear(QImage const& layer, QRect const& area)
{
    int const rowBytes = area.width() * 4;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar const* row = layer.constScanLine(y) + area.left() * 4;
        if (row[0] != 0 || std::memcmp(row, row + 1, size_t(rowBytes - 1)) != 0)
            return false;
    }
    return true;
}

QImage cut(QImage const& layer, QRect const& area)
{
    return isClear(layer, area) ? QImage() : layer.copy(area);
}

void put(QImage& layer, QRect const& area, QImage const& pixels)
{
    int const rowBytes = area.width() * 4;
    for (int y = 0; y < area.height(); ++y) {
        uchar* row = layer.scanLine(area.top() + y) + area.left() * 4;
        if (pixels.isNull())
            std::memset(row, 0, size_t(rowBytes));
        else
            std::memcpy(row, pixels.constScanLine(y), size_t(rowBytes));
    }
}

bool holds(QImage const& layer, QRect const& area, QImage const& pixels)
{
    if (pixels.isNull())
        return isClear(layer, area);
    int const rowBytes = area.width() * 4;
    for (int y = 0; y < area.height(); ++y)
        if (std::memcmp(layer.constScanLine(area.top() + y) + area.left() * 4, pixels.constScanLine(y),
                        size_t(rowBytes))
            != 0)
            return false;
    return true;
}

} // namespace

qint64 ImageNoteWorkArea::UndoStep::size() const
{
    qint64 bytes = 0;
    for (Tile const& tile : tiles)
        bytes += qint64(sizeof(Tile)) + tile.pixels.sizeInBytes();
    return bytes;
}

void ImageNoteWorkArea::exchange(UndoStep& step)
{
    for (Tile& tile : step.tiles) {
        QImage const replaced = cut(m_layer, tile.area);
        put(m_layer, tile.area, tile.pixels);
        tile.pixels = replaced;
        layerChanged(tile.area);
    }
    step.bytes = step.size();
}

void ImageNoteWorkArea::stepBack(QStack<UndoStep>& from, QStack<UndoStep>& to)
{
    if (from.isEmpty())
        return;
    UndoStep step = from.pop();
    exchange(step);
    to.push(step);
    // The pixels a step gives back may take more room than the ones it took.
    trimUndo();
    emit changed();
}

void ImageNoteWorkArea::slotUndo()
{
    stepBack(m_undo, m_redo);
    emit undoAvailable(!m_undo.isEmpty());
    emit redoAvailable(!m_redo.isEmpty());
}

void ImageNoteWorkArea::slotRedo()
{
    stepBack(m_redo, m_undo);
    emit redoAvailable(!m_redo.isEmpty());
    emit undoAvailable(!m_undo.isEmpty());
}

// Only the box's own buttons close it this way; a stray direct call is ignored.
void ImageNoteWorkArea::slotEditCanceled()
{
    if (!qobject_cast<QWidget*>(sender()))
        return;
    m_pTextBox->hideAll();
    m_pTextBox->textEdit()->clear();
    finishTextBox(TextCancelled);
}

void ImageNoteWorkArea::slotEditAccepted()
{
    if (!qobject_cast<QWidget*>(sender()))
        return;
    m_pTextBox->hideAll();
    writeText();
    finishTextBox(TextAccepted);
}

void ImageNoteWorkArea::finishTextBox(int mode)
{
    m_mode = mode;
    update();
    QTimer::singleShot(100, this, &ImageNoteWorkArea::slotSwitchToEdit);
}

void ImageNoteWorkArea::slotSwitchToEdit()
{
    m_mode = Text;
}

void ImageNoteWorkArea::setUndoMemoryLimit(qint64 bytes)
{
    m_undoMemoryLimit = bytes;
    trimUndo();
}

qint64 ImageNoteWorkArea::undoMemory() const
{
    qint64 bytes = 0;
    for (QStack<UndoStep> const* stack : {&m_undo, &m_redo})
        for (UndoStep const& step : *stack)
            bytes += step.bytes;
    return bytes;
}

void ImageNoteWorkArea::trimUndo()
{
    while (m_undo.size() > 1 && undoMemory() > m_undoMemoryLimit)
        m_undo.removeFirst();
}

QRect ImageNoteWorkArea::toDevice(QRect const& points) const
{
    qreal const ratio = m_layer.devicePixelRatio();
    QRect const device(QPoint(qFloor(points.left() * ratio), qFloor(points.top() * ratio)),
                       QPoint(qCeil((points.right() + 1) * ratio) - 1, qCeil((points.bottom() + 1) * ratio) - 1));
    return device.intersected(m_layer.rect());
}

QRect ImageNoteWorkArea::toPoints(QRect const& device) const
{
    qreal const ratio = m_layer.devicePixelRatio();
    return QRect(QPoint(qFloor(device.left() / ratio), qFloor(device.top() / ratio)),
                 QPoint(qCeil((device.right() + 1) / ratio) - 1, qCeil((device.bottom() + 1) / ratio) - 1));
}

// Everything a gesture paints lies within its points' bounding rectangle
// widened by the pen: square caps reach out up to width / sqrt(2) at a slant,
// and antialiasing one pixel more. The arrow's head reaches about 33 points
// back from its tip.
int ImageNoteWorkArea::reach() const
{
    int width = m_thickness;
    switch (m_mode) {
    case Blur:
        return 1;
    case Eraser:
        width = m_thickness * 10;
        break;
    case Highlighter:
        width = m_thickness * 8;
        break;
    default:
        break;
    }
    return qAbs(width) + 2;
}

QRect ImageNoteWorkArea::segmentBounds(QLine const& segment) const
{
    int const margin = reach();
    return QRect(segment.p1(), segment.p2()).normalized().adjusted(-margin, -margin, margin, margin);
}

QRect ImageNoteWorkArea::gestureBounds() const
{
    QRect span = QRect(m_press, m_current).normalized();
    if (m_mode == Arrow)
        span |= QRect(m_current - QPoint(33, 33), QSize(67, 67));
    if (isFreehand()) {
        span = QRect(m_press, m_press);
        for (QLine const& segment : m_segments)
            span |= QRect(segment.p1(), segment.p2()).normalized();
    }
    int const margin = reach();
    return span.adjusted(-margin, -margin, margin, margin);
}

namespace {

// A line cut into pieces about half a tile long, so that their bounds follow it
// closely also at a slant.
void addPieces(QVector<QLine>& pieces, QLine const& line)
{
    int const count = 1 + qMax(qAbs(line.dx()), qAbs(line.dy())) / (ImageNoteWorkArea::kTileSize / 2);
    for (int i = 0; i < count; ++i) {
        QPoint const from = line.p1() + (line.p2() - line.p1()) * i / count;
        QPoint const to = line.p1() + (line.p2() - line.p1()) * (i + 1) / count;
        pieces.append(QLine(from, to));
    }
}

} // namespace

// Lines and strokes are followed piece by piece; filled shapes, ovals and the
// blur take their whole rectangle.
QVector<QRect> ImageNoteWorkArea::gestureAreas() const
{
    QVector<QLine> pieces;
    if (isFreehand()) {
        for (QLine const& segment : m_segments)
            addPieces(pieces, segment);
    } else if (m_mode == Line || m_mode == Arrow) {
        addPieces(pieces, QLine(m_press, m_current));
    } else if (m_mode == Rectangle) {
        QRect const r = QRect(m_press, m_current).normalized();
        for (QLine const& side : {QLine(r.topLeft(), r.topRight()), QLine(r.topRight(), r.bottomRight()),
                                  QLine(r.bottomRight(), r.bottomLeft()), QLine(r.bottomLeft(), r.topLeft())})
            addPieces(pieces, side);
    } else {
        return {gestureBounds()};
    }
    QVector<QRect> areas;
    for (QLine const& piece : pieces)
        areas.append(segmentBounds(piece));
    if (m_mode == Arrow)
        areas.append(segmentBounds(QLine(m_current - QPoint(33, 33), m_current + QPoint(33, 33))));
    return areas;
}

QRegion ImageNoteWorkArea::gestureRegion() const
{
    QRegion region;
    for (QRect const& area : gestureAreas())
        region += area;
    return region;
}

// A new gesture makes the steps that undo put aside meaningless: redoing one
// would bring back a layer without the newest annotation.
ImageNoteWorkArea::UndoStep& ImageNoteWorkArea::pushUndo()
{
    m_redo.clear();
    m_undo.push(UndoStep());
    emit redoAvailable(false);
    emit undoAvailable(true);
    return m_undo.top();
}

void ImageNoteWorkArea::saveTiles(UndoStep& step, QVector<QRect> const& areas) const
{
    if (m_layer.isNull())
        return;
    auto const key = [](QPoint const& origin) { return (quint64(quint32(origin.y())) << 32) | quint32(origin.x()); };
    QSet<quint64> saved;
    for (Tile const& tile : qAsConst(step.tiles))
        saved.insert(key(tile.area.topLeft()));
    for (QRect const& points : areas) {
        QRect const device = toDevice(points);
        if (device.isEmpty())
            continue;
        for (int y = device.top() / kTileSize; y <= device.bottom() / kTileSize; ++y)
            for (int x = device.left() / kTileSize; x <= device.right() / kTileSize; ++x) {
                QRect const area =
                    QRect(x * kTileSize, y * kTileSize, kTileSize, kTileSize).intersected(m_layer.rect());
                if (saved.contains(key(area.topLeft())))
                    continue;
                saved.insert(key(area.topLeft()));
                step.tiles.append(Tile{area, cut(m_layer, area)});
            }
    }
}

void ImageNoteWorkArea::keepChangedTiles(UndoStep& step)
{
    auto const unchanged = [this](Tile const& tile) { return holds(m_layer, tile.area, tile.pixels); };
    step.tiles.erase(std::remove_if(step.tiles.begin(), step.tiles.end(), unchanged), step.tiles.end());
    step.bytes = step.size();
    for (Tile const& tile : qAsConst(step.tiles))
        layerChanged(tile.area);
}

bool ImageNoteWorkArea::isFreehand() const
{
    return m_mode == Pen || m_mode == Eraser || m_mode == Highlighter || m_mode < 0 || m_mode > TextAccepted;
}

bool ImageNoteWorkArea::isShape() const
{
    return m_mode >= Rectangle && m_mode <= Arrow;
}

void ImageNoteWorkArea::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        if (m_mode != Text && m_mode != TextCancelled && m_mode != TextAccepted)
            m_pTextBox->hideAll();
        m_bButtonDown = true;
        m_press = m_previous = m_current = event->pos();
        m_segments.clear();
        if (isFreehand())
            m_segments.append(QLine(m_current, m_current));
        if (m_mode == Text)
            update();
        else
            update(gestureRegion());
    }
    QWidget::mousePressEvent(event);
}

// Every move becomes a segment here, however many moves arrive before a paint,
// so quick strokes keep all their points.
void ImageNoteWorkArea::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_bButtonDown) {
        // Only what the move changes is painted again: the new segment of a
        // stroke, or the shape where it was and where it is now.
        QRegion const before = isFreehand() ? QRegion() : gestureRegion();
        m_previous = m_current;
        m_current = event->pos();
        if (isFreehand())
            m_segments.append(QLine(m_previous, m_current));
        if (m_mode == Text)
            update();
        else if (isFreehand())
            update(segmentBounds(m_segments.last()));
        else
            update(before + gestureRegion());
    }
    QWidget::mouseMoveEvent(event);
}

void ImageNoteWorkArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_bButtonDown) {
        m_bButtonDown = false;
        QRegion const before = gestureRegion();
        m_previous = m_current;
        m_current = event->pos();
        if (isFreehand() && m_current != m_previous)
            m_segments.append(QLine(m_previous, m_current));
        // The provisional form goes from the screen; the layer shows its own changes.
        if (m_mode == Text || m_mode == TextCancelled || m_mode == TextAccepted)
            update();
        else
            update(before + gestureRegion());
        commitGesture();
    }
    QWidget::mouseReleaseEvent(event);
}

void ImageNoteWorkArea::commitGesture()
{
    if (m_mode == Text) {
        placeTextBox();
        return;
    }
    if (m_mode == TextCancelled || m_mode == TextAccepted)
        return;
    // A click without movement draws nothing and leaves no undo step.
    bool moved = m_press != m_current;
    for (QLine const& segment : qAsConst(m_segments))
        moved = moved || segment.p1() != segment.p2();
    if (!moved || m_layer.isNull()) {
        m_segments.clear();
        return;
    }
    UndoStep& step = pushUndo();
    saveTiles(step, gestureAreas());
    {
        QPainter painter(&m_layer);
        painter.setRenderHint(QPainter::Antialiasing);
        drawGesture(painter, true);
    }
    keepChangedTiles(step);
    trimUndo();
    m_segments.clear();
    m_bDirty = true;
    emit changed();
}

void ImageNoteWorkArea::placeTextBox()
{
    if (!m_pTextBox->isVisible())
        pushUndo().awaitingText = true;
    QRect box;
    if ((m_press - m_current).manhattanLength() < 101)
        box = QRect(m_press, QSize(kTextBoxWidth, kTextBoxHeight));
    else
        box = QRect(m_press, m_current).normalized();
    m_press = box.topLeft();
    m_current = box.bottomRight();
    m_pTextBox->setGeometry(box);
    m_pTextBox->showAll();
    emit changed();
}

void ImageNoteWorkArea::writeText()
{
    QTextEdit* edit = m_pTextBox->textEdit();
    QString const text = edit->toPlainText();
    if (!text.isEmpty() && !m_layer.isNull()) {
        QPainter painter(&m_layer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(edit->currentFont());
        painter.setPen(QPen(QBrush(m_color, Qt::SolidPattern), m_thickness, m_bDash ? Qt::DashLine : Qt::SolidLine,
                            Qt::SquareCap, Qt::BevelJoin));
        QRect const box(QPoint(m_press.x() + 3, m_press.y() + 3), m_current);
        // The text is not clipped to its box, so the step keeps what it really
        // covers; the placing step takes it unless undo has moved that away.
        int const margin = qAbs(m_thickness) + 4;
        QRect const covered =
            painter.boundingRect(box, Qt::TextWordWrap, text).united(box).adjusted(-margin, -margin, margin, margin);
        UndoStep& step = !m_undo.isEmpty() && m_undo.top().awaitingText ? m_undo.top() : pushUndo();
        step.awaitingText = false;
        saveTiles(step, {covered});
        painter.drawText(box, Qt::TextWordWrap, text);
        painter.end();
        keepChangedTiles(step);
        trimUndo();
    }
    edit->clear();
    m_bDirty = true;
    emit changed();
}

void ImageNoteWorkArea::drawSegments(QPainter& painter) const
{
    // A segment that lies wholly outside a clipped painter cannot show.
    QRectF const clip = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
    // One call per segment: overlapping highlighter segments grow denser, as ink does.
    for (QLine const& segment : m_segments)
        if (clip.isNull() || clip.intersects(segmentBounds(segment)))
            painter.drawLines(&segment, 1);
}

void ImageNoteWorkArea::drawGesture(QPainter& painter, bool onLayer)
{
    Qt::PenStyle const style = m_bDash ? Qt::DashLine : Qt::SolidLine;
    QPen const toolPen(QBrush(m_color, Qt::SolidPattern), m_thickness, style, Qt::SquareCap, Qt::BevelJoin);

    switch (m_mode) {
    case Eraser:
        drawEraser(painter);
        break;
    case Highlighter:
        drawHighlighter(painter);
        break;
    case Rectangle:
    case FilledRectangle:
        drawRectangle(painter, toolPen);
        break;
    case Oval:
    case FilledOval:
        drawOval(painter, toolPen);
        break;
    case Line: {
        painter.setPen(toolPen);
        QLine const line(m_press, m_current);
        painter.drawLines(&line, 1);
        break;
    }
    case Arrow:
        painter.setPen(toolPen);
        drawArrow(&painter);
        break;
    case Blur:
        drawBlur(painter, onLayer);
        break;
    case Text:
    case TextCancelled:
    case TextAccepted:
        break;
    default:
        painter.setPen(QPen(QBrush(m_color, Qt::SolidPattern), m_thickness, style, Qt::RoundCap, Qt::BevelJoin));
        drawSegments(painter);
        break;
    }
}

// Erasing replaces the layer's pixels under the stroke with transparent ones.
void ImageNoteWorkArea::drawEraser(QPainter& painter)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(QPen(QBrush(QColor(0, 0, 0, 0), Qt::SolidPattern), m_thickness * 10, Qt::SolidLine, Qt::RoundCap,
                        Qt::BevelJoin));
    drawSegments(painter);
}

void ImageNoteWorkArea::drawHighlighter(QPainter& painter)
{
    QPen pen;
    pen.setColor(m_color);
    pen.setWidth(m_thickness * 8);
    painter.setOpacity(0.1);
    painter.setPen(pen);
    drawSegments(painter);
    painter.setOpacity(1.0);
}

namespace {

// Filled shapes take the colour at a fixed alpha.
QColor fillOf(QColor colour)
{
    colour.setAlpha(200);
    return colour;
}

} // namespace

void ImageNoteWorkArea::drawRectangle(QPainter& painter, QPen const& pen)
{
    QRect const span = QRect(m_press, m_current).normalized();
    painter.setPen(pen);
    painter.setBrush(m_mode == FilledRectangle ? QBrush(fillOf(m_color), Qt::SolidPattern) : QBrush());
    painter.drawRects(&span, 1);
}

void ImageNoteWorkArea::drawOval(QPainter& painter, QPen const& toolPen)
{
    QRect const span = QRect(m_press, m_current).normalized();
    QPen pen = toolPen;
    if (span.width() < 6 || span.height() < 6)
        pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(m_mode == FilledOval ? QBrush(fillOf(m_color), Qt::SolidPattern) : QBrush());
    painter.drawEllipse(span);
}

// The blur softens the picture itself (never the layer) inside the dragged
// rectangle and covers whatever the layer held there. Only the rectangle is
// taken from the picture: the blur reads nothing outside it.
void ImageNoteWorkArea::drawBlur(QPainter& painter, bool onLayer)
{
    QRect const area = QRect(m_press, m_current).normalized().intersected(rect());
    if (area.isEmpty() || m_base.isNull())
        return;
    // The picture may carry more device pixels than the widget has points.
    qreal const ratio = m_base.devicePixelRatio();
    QRect const device(QPoint(qFloor(area.left() * ratio), qFloor(area.top() * ratio)),
                       QPoint(qCeil((area.right() + 1) * ratio) - 1, qCeil((area.bottom() + 1) * ratio) - 1));
    QImage const part = m_base.toImage().copy(device);
    QImage const image = VAruzoD::DrawTools::blurred(part, part.rect(), kBlurRadius, false);
    if (onLayer)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(area), image, QRectF(image.rect()));
}

// Erasing cannot be shown by drawing over the layer, so the part of the layer
// under area is copied and erased, and the copy is shown in its place.
void ImageNoteWorkArea::drawErasing(QPainter& painter, QRect const& area)
{
    QRect const device = toDevice(area);
    if (device.isEmpty())
        return;
    QRect const points = toPoints(device);
    QImage preview = m_layer.copy(device);
    preview.setDevicePixelRatio(m_layer.devicePixelRatio());
    {
        QPainter erase(&preview);
        erase.setRenderHint(QPainter::Antialiasing);
        erase.translate(-points.topLeft());
        erase.setClipRect(points);
        drawGesture(erase, false);
    }
    painter.drawImage(points.topLeft(), preview);
}

void ImageNoteWorkArea::drawArrow(QPainter* painter)
{
    QLine const shaft(m_press, m_current);
    painter->drawLines(&shaft, 1);
    // A zero-length arrow has no direction, so it gets no head.
    if (m_press == m_current)
        return;
    painter->save();
    QPen pen = painter->pen();
    pen.setStyle(Qt::SolidLine);
    painter->setPen(pen);
    qreal const dx = m_press.x() - m_current.x();
    qreal const dy = m_press.y() - m_current.y();
    painter->translate(m_current);
    painter->rotate(qRadiansToDegrees(std::atan2(dy, dx)));
    // The legs point back along the shaft, each about 21.8 degrees off it.
    QLine const legs[2] = {QLine(0, 0, 30, 12), QLine(0, 0, 30, -12)};
    painter->drawLines(legs, 2);
    painter->restore();
}

// Painting only shows the model: the picture, the layer and the gesture under
// way. It changes nothing, so repaints and render() cannot alter the picture.
void ImageNoteWorkArea::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Only the part that changed is painted, however large the picture.
    painter.setClipRect(event->rect());
    painter.drawPixmap(0, 0, m_base);
    if (m_bButtonDown && m_mode == Eraser && !m_layer.isNull()) {
        drawErasing(painter, event->rect());
        return;
    }
    painter.drawImage(0, 0, m_layer);
    if (m_mode == Text) {
        if (m_bButtonDown) {
            painter.drawRect(QRect(m_press, m_current));
        } else if (m_pTextBox->isVisible()) {
            painter.setPen(QPen(QBrush(Qt::white, Qt::SolidPattern), 2, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
            painter.drawRect(QRect(m_press, m_current));
        }
        return;
    }
    if (m_bButtonDown)
        drawGesture(painter, false);
}

namespace {

struct ToolCursor
{
    int mode;
    char const* picture;
    bool tinted;
};

ToolCursor const kCursors[] = {
    {ImageNoteWorkArea::Pen, ":/imagenotes/cursor-pen.png", true},
    {ImageNoteWorkArea::Eraser, ":/imagenotes/cursor-eraser.png", false},
    {ImageNoteWorkArea::Highlighter, ":/imagenotes/cursor-highlighter.png", true},
    {ImageNoteWorkArea::Rectangle, ":/imagenotes/cursor-rectangle.png", true},
    {ImageNoteWorkArea::FilledRectangle, ":/imagenotes/cursor-filled-rectangle.png", true},
    {ImageNoteWorkArea::Blur, ":/imagenotes/cursor-blur.png", false},
    {ImageNoteWorkArea::Oval, ":/imagenotes/cursor-oval.png", true},
    {ImageNoteWorkArea::Line, ":/imagenotes/cursor-line.png", true},
    {ImageNoteWorkArea::Arrow, ":/imagenotes/cursor-arrow.png", true},
    {ImageNoteWorkArea::Text, ":/imagenotes/cursor-text.png", true},
};

void setApplicationCursor(QCursor const& cursor)
{
    // Replaced rather than stacked, so entering and leaving never piles cursors up.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

} // namespace

void ImageNoteWorkArea::enterEvent(QEvent* event)
{
    QCursor cursor(Qt::ArrowCursor);
    bool found = false;
    for (ToolCursor const& entry : kCursors) {
        if (entry.mode != m_mode)
            continue;
        QImage image(QString::fromLatin1(entry.picture));
        if (entry.tinted)
            image = VAruzoD::DrawTools::colorizeImage(image, QColor(0, 0, 255, 255), m_color);
        cursor = QCursor(QPixmap::fromImage(image));
        found = true;
    }
    if (!found)
        qDebug() << "Default";
    setApplicationCursor(cursor);
    QWidget::enterEvent(event);
}

void ImageNoteWorkArea::leaveEvent(QEvent* event)
{
    setApplicationCursor(QCursor(Qt::ArrowCursor));
    QWidget::leaveEvent(event);
}

} // namespace ZEDireroz
