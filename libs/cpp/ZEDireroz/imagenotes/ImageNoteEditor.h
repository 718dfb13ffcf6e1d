#pragma once
// The window of the image-note editor: the work area in a scroll area, a column
// of drawing tools with the drag preview on top and a new-screen-shot button
// below, and a bar with colour, thickness, undo, redo, save and the menus. The
// window keeps no picture state: everything lives in the work area. It asks
// before unsaved work is dropped.

#include <QFrame>

#include <functional>

class QAction;
class QScrollArea;

namespace ZEDireroz {

class ImageNoteWorkArea;
class NoteEditDragPreview;

class ImageNoteEditor : public QFrame
{
    Q_OBJECT
public:
    explicit ImageNoteEditor(QWidget* parent = nullptr);

    ImageNoteWorkArea* workArea() const { return m_pWorkArea; }
    NoteEditDragPreview* dragPreview() const { return m_pDragPreview; }
    // Where the screen's scale factor and the desktop's size come from; by
    // default the operating system and the primary screen.
    void setScreenMetrics(std::function<qreal()> scaleFactor, std::function<QSize()> desktopSize);

signals:
    void changed();
    void shown();
    void doNewScreenShot();

public slots:
    void slotSetPixmap(QPixmap const& pixmap);
    // Quits the application, after asking about unsaved work.
    void slotQuit();

private slots:
    void slotNewScreenShot();
    void slotChanged();
    void slotSetPenTool();
    void slotSetEraserTool();
    void slotSetHighlighterTool();
    void slotSetRectangleTool();
    void slotSetFilledRectangleTool();
    void slotSetBlurRectangleTool();
    void slotSetOvalTool();
    void slotSetFilledOvalTool();
    void slotSetLineTool();
    void slotSetArrowTool();
    void slotSetTextTool();
    void slotSetDrawTool(QAction* action);
    void slotSetThikness(QAction* action);
    void slotSetDashLine(bool on);
    void slotSetFont();
    void slotAbout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int askToSave();
    // The picture is unsaved, or a note is still open in the text box.
    bool hasUnsavedWork() const;

    ImageNoteWorkArea* m_pWorkArea;
    QScrollArea* m_pScrollArea;
    QFrame* m_pToolColumn;
    NoteEditDragPreview* m_pDragPreview;
    std::function<qreal()> m_scaleFactor;
    std::function<QSize()> m_desktopSize;
};

} // namespace ZEDireroz
