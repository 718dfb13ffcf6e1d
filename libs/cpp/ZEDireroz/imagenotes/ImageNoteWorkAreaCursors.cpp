// The tool cursors, set while the pointer is over the work area.
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include "VAruzoD/DrawTools.h"

#include <QDebug>
#include <QGuiApplication>

namespace ZEDireroz {

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
