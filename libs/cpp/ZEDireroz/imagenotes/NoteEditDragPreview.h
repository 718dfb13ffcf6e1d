#pragma once
// The thumbnail of the edited picture at the top of the image-note editor's
// tool column. Dragged out of the window, it writes the picture as a PNG file of
// its own into the work directory and drags that file, so any program that
// takes dropped files can take the annotated picture.

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <functional>

class QDrag;

namespace ZEDireroz {

class NoteEditDragPreview : public QWidget
{
    Q_OBJECT
public:
    // Files of earlier drags older than this are removed when a new drag starts;
    // until then a program that took a drop may still read its file.
    static constexpr int kKeepDragFilesHours = 24;

    explicit NoteEditDragPreview(QWidget* parent = nullptr);

    // Writes the picture into a new file and drags it; nothing happens for a
    // missing picture or a file that cannot be written.
    void startDrag();
    // Writes the picture into a file no other drag uses; the path, or an empty
    // string when nothing could be written.
    QString writeDragFile() const;
    // Runs the drag; by default QDrag::exec with the copy action.
    void setDragRunner(std::function<void(QDrag*)> runner);
    QPixmap const& pixmap() const { return m_pixmap; }

public slots:
    void slotSetPixmap(QPixmap const& pixmap);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void removeOldDragFiles() const;

    QPixmap m_pixmap;
    QPoint m_dragStart;
    std::function<void(QDrag*)> m_runner;
};

} // namespace ZEDireroz
