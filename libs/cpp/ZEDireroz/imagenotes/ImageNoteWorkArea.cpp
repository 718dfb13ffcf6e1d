#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextEdit>
#include <QTimer>

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
    // A note left open belongs to the old picture: the new one starts without
    // its box, and no later press writes it there.
    m_pTextBox->hideAll();
    m_pTextBox->textEdit()->clear();
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
    acceptNote();
}

void ImageNoteWorkArea::acceptNote()
{
    m_pTextBox->hideAll();
    writeText();
    finishTextBox(TextAccepted);
}

// Going on with another tool closes the box. A note typed into it is written
// into the picture as accept writes it, with its own undo step, so only the
// box's cancel ever drops typed text. Runs before the press moves the points
// that still hold the box's rectangle.
void ImageNoteWorkArea::leaveTextBox()
{
    bool const note = m_pTextBox->holdsNote();
    m_pTextBox->hideAll();
    if (note)
        writeText();
}

// With the text tool still chosen, the closed box leaves it for a moment and
// then takes it up again, so that the next gesture places a new box. A tool
// the user chose, while the box was open or in that moment, stays chosen.
void ImageNoteWorkArea::finishTextBox(int mode)
{
    update();
    if (m_mode != Text)
        return;
    m_mode = mode;
    QTimer::singleShot(100, this, [this] {
        if (m_mode == TextCancelled || m_mode == TextAccepted)
            slotSwitchToEdit();
    });
}

void ImageNoteWorkArea::slotSwitchToEdit()
{
    m_mode = Text;
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
            leaveTextBox();
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

} // namespace ZEDireroz
