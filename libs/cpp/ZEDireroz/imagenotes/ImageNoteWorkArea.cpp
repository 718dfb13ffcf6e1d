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
#include <QPainter>
#include <QSaveFile>
#include <QTextEdit>
#include <QTimer>
#include <QtMath>

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
    connect(m_pTextBox, &NoteEditWidget::edited, this, [this] { m_bDirty = true; });
    applyToTextEdit();
}

ImageNoteWorkArea::~ImageNoteWorkArea() = default;

QPixmap const& ImageNoteWorkArea::pixContent()
{
    m_content = m_base.copy();
    m_content.setDevicePixelRatio(m_base.devicePixelRatio());
    if (!m_content.isNull()) {
        QPainter painter(&m_content);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawImage(0, 0, m_layer);
    }
    return m_content;
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
    m_content = picture;
    qreal const ratio = picture.devicePixelRatio();
    setFixedSize(qRound(picture.width() / ratio), qRound(picture.height() / ratio));
    m_layer = newLayer();
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
void ImageNoteWorkArea::exchange(UndoStep& step)
{
    if (step.pixels.isNull())
        return;
    QImage const replaced = m_layer.copy(step.area);
    int const rowBytes = step.area.width() * 4;
    for (int y = 0; y < step.area.height(); ++y)
        std::memcpy(m_layer.scanLine(step.area.top() + y) + step.area.left() * 4, step.pixels.constScanLine(y),
                    size_t(rowBytes));
    step.pixels = replaced;
}

void ImageNoteWorkArea::stepBack(QStack<UndoStep>& from, QStack<UndoStep>& to)
{
    if (from.isEmpty())
        return;
    UndoStep step = from.pop();
    exchange(step);
    to.push(step);
    update();
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
            bytes += step.pixels.sizeInBytes();
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

// Everything a gesture paints lies within its points' bounding rectangle
// widened by the pen: square caps reach out up to width / sqrt(2) at a slant,
// and antialiasing one pixel more. The arrow's head reaches about 33 points
// back from its tip.
QRect ImageNoteWorkArea::gestureBounds() const
{
    QRect span = QRect(m_press, m_current).normalized();
    int width = m_thickness;
    switch (m_mode) {
    case Blur:
        return span.adjusted(-1, -1, 1, 1);
    case Eraser:
        width = m_thickness * 10;
        break;
    case Highlighter:
        width = m_thickness * 8;
        break;
    case Arrow:
        span |= QRect(m_current - QPoint(33, 33), QSize(67, 67));
        break;
    default:
        break;
    }
    if (isFreehand()) {
        span = QRect(m_press, m_press);
        for (QLine const& segment : m_segments)
            span |= QRect(segment.p1(), segment.p2()).normalized();
    }
    int const margin = qAbs(width) + 2;
    return span.adjusted(-margin, -margin, margin, margin);
}

// A new gesture makes the steps that undo put aside meaningless: redoing one
// would bring back a layer without the newest annotation.
ImageNoteWorkArea::UndoStep& ImageNoteWorkArea::pushUndo(QRect const& points)
{
    m_redo.clear();
    UndoStep step;
    if (!points.isEmpty() && !m_layer.isNull()) {
        step.area = toDevice(points);
        if (!step.area.isEmpty())
            step.pixels = m_layer.copy(step.area);
    }
    m_undo.push(step);
    trimUndo();
    emit redoAvailable(false);
    emit undoAvailable(true);
    return m_undo.top();
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
        update();
    }
    QWidget::mousePressEvent(event);
}

// Every move becomes a segment here, however many moves arrive before a paint,
// so quick strokes keep all their points.
void ImageNoteWorkArea::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_bButtonDown) {
        m_previous = m_current;
        m_current = event->pos();
        if (isFreehand())
            m_segments.append(QLine(m_previous, m_current));
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void ImageNoteWorkArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_bButtonDown) {
        m_bButtonDown = false;
        m_previous = m_current;
        m_current = event->pos();
        if (isFreehand() && m_current != m_previous)
            m_segments.append(QLine(m_previous, m_current));
        commitGesture();
        update();
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
    pushUndo(gestureBounds());
    {
        QPainter painter(&m_layer);
        painter.setRenderHint(QPainter::Antialiasing);
        drawGesture(painter, true);
    }
    m_segments.clear();
    m_bDirty = true;
    emit changed();
}

void ImageNoteWorkArea::placeTextBox()
{
    if (!m_pTextBox->isVisible())
        pushUndo(QRect()).awaitingText = true;
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
        UndoStep* step = !m_undo.isEmpty() && m_undo.top().awaitingText ? &m_undo.top() : nullptr;
        if (step) {
            step->area = toDevice(covered);
            step->pixels = m_layer.copy(step->area);
            step->awaitingText = false;
            trimUndo();
        } else {
            pushUndo(covered);
        }
        painter.drawText(box, Qt::TextWordWrap, text);
    }
    edit->clear();
    m_bDirty = true;
    emit changed();
}

void ImageNoteWorkArea::drawSegments(QPainter& painter) const
{
    // One call per segment: overlapping highlighter segments grow denser, as ink does.
    for (QLine const& segment : m_segments)
        painter.drawLines(&segment, 1);
}

void ImageNoteWorkArea::drawGesture(QPainter& painter, bool onLayer)
{
    Qt::PenStyle const style = m_bDash ? Qt::DashLine : Qt::SolidLine;
    QPen const toolPen(QBrush(m_color, Qt::SolidPattern), m_thickness, style, Qt::SquareCap, Qt::BevelJoin);
    QColor fill = m_color;
    fill.setAlpha(200);
    QRect const span = QRect(m_press, m_current).normalized();

    switch (m_mode) {
    case Eraser:
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setPen(QPen(QBrush(QColor(0, 0, 0, 0), Qt::SolidPattern), m_thickness * 10, Qt::SolidLine, Qt::RoundCap,
                            Qt::BevelJoin));
        drawSegments(painter);
        break;
    case Highlighter: {
        QPen pen;
        pen.setColor(m_color);
        pen.setWidth(m_thickness * 8);
        painter.setOpacity(0.1);
        painter.setPen(pen);
        drawSegments(painter);
        painter.setOpacity(1.0);
        break;
    }
    case Rectangle:
    case FilledRectangle:
        painter.setPen(toolPen);
        painter.setBrush(m_mode == FilledRectangle ? QBrush(fill, Qt::SolidPattern) : QBrush());
        painter.drawRects(&span, 1);
        break;
    case Oval:
    case FilledOval: {
        QPen pen = toolPen;
        if (span.width() < 6 || span.height() < 6)
            pen.setStyle(Qt::SolidLine);
        painter.setPen(pen);
        painter.setBrush(m_mode == FilledOval ? QBrush(fill, Qt::SolidPattern) : QBrush());
        painter.drawEllipse(span);
        break;
    }
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
    case Blur: {
        QRect const area = span.intersected(rect());
        if (area.isEmpty() || m_base.isNull())
            break;
        // The picture may carry more device pixels than the widget has points.
        qreal const ratio = m_base.devicePixelRatio();
        QRect const device(QPoint(qFloor(area.left() * ratio), qFloor(area.top() * ratio)),
                           QPoint(qCeil((area.right() + 1) * ratio) - 1, qCeil((area.bottom() + 1) * ratio) - 1));
        QImage const image = VAruzoD::DrawTools::blurred(m_base.toImage(), device, kBlurRadius, false);
        if (onLayer)
            painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QRectF(area), image, QRectF(device));
        break;
    }
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
    painter.drawPixmap(0, 0, m_base);
    if (m_bButtonDown && m_mode == Eraser && !m_layer.isNull()) {
        QImage preview = m_layer.copy();
        preview.setDevicePixelRatio(m_layer.devicePixelRatio());
        {
            QPainter erase(&preview);
            erase.setRenderHint(QPainter::Antialiasing);
            drawGesture(erase, false);
        }
        painter.drawImage(0, 0, preview);
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
