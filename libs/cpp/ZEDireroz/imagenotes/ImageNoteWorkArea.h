#pragma once
// The drawing surface of the image-note editor. It shows one picture at its own
// size and lets the user annotate it with freehand pen, eraser, highlighter,
// rectangles, blur, ovals, lines, arrows and text notes. Annotations go into a
// transparent layer over the picture, never into the picture itself. A gesture
// is drawn provisionally while the button is down and committed into the layer
// by the mouse handlers, so painting never changes the model. Each undo or redo
// step keeps only the tiles of the layer that its gesture changed, with the
// pixels they held before (or, once undone, after); together they are bounded
// by memory. Drawing, undo, redo, repaints and the composed picture all work on
// the tiles or the rectangles that changed, so their cost follows the pixels a
// gesture touches, not the size of the picture.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QStack>
#include <QVector>
#include <QWidget>

class QPainter;

namespace ZEDireroz {

class NoteEditWidget;

class ImageNoteWorkArea : public QWidget
{
    Q_OBJECT
public:
    enum Mode : int {
        Pen = 0,
        Eraser = 1,
        Highlighter = 2,
        Rectangle = 3,
        FilledRectangle = 4,
        Blur = 5,
        Oval = 6,
        FilledOval = 7,
        Line = 8,
        Arrow = 9,
        Text = 10,
        TextCancelled = 11,
        TextAccepted = 12
    };

    // Undo and redo together keep at most this many bytes of pixels by default.
    static constexpr qint64 kDefaultUndoMemory = qint64(256) * 1024 * 1024;
    static constexpr int kBlurRadius = 10;
    // A text click (or a short drag) places a box of this size.
    static constexpr int kTextBoxWidth = 220;
    static constexpr int kTextBoxHeight = 90;
    // Undo steps keep the layer in square tiles of this many device pixels.
    static constexpr int kTileSize = 64;

    explicit ImageNoteWorkArea(QWidget* parent = nullptr);
    ~ImageNoteWorkArea() override;

    // The picture with the layer painted over it, at the picture's device pixels.
    // Only what changed since the last call is composed again, in place when no
    // one else holds the returned picture.
    QPixmap const& pixContent();
    bool isDirty() const { return m_bDirty; }
    void applyToTextEdit();
    void drawArrow(QPainter* painter);

    // The annotation layer at the picture's device pixels.
    QImage const& layer() const { return m_layer; }
    NoteEditWidget* textBox() const { return m_pTextBox; }
    int mode() const { return m_mode; }
    int undoCount() const { return m_undo.size(); }
    int redoCount() const { return m_redo.size(); }
    // When the pixels kept by undo and redo together would take more than
    // bytes, the oldest undo steps are dropped, then the redo steps farthest
    // from the current layer; at least one step is always kept.
    void setUndoMemoryLimit(qint64 bytes);
    qint64 undoMemory() const;

signals:
    void changed();
    void redoAvailable(bool available);
    void undoAvailable(bool available);

public slots:
    void slotSetPixmap(QPixmap const& picture);
    void slotSetMode(int const& mode);
    void slotSetColor(QColor const& colour);
    void slotSetFont(QFont const& font);
    void slotSetThikness(int const& thickness);
    void slotSetDashLine(bool on);
    // Writes a note still open in the text box into the picture, as the box's
    // accept button does, then asks for a file and writes the annotated
    // picture; true when it was written.
    bool slotSave();
    void slotUndo();
    void slotRedo();
    void slotEditCanceled();
    void slotEditAccepted();
    void slotSwitchToEdit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A square of the layer in device pixels (smaller at the layer's edges)
    // and the pixels to put back there; none when they are all transparent.
    struct Tile
    {
        QRect area;
        QImage pixels;
    };
    // One step of the history: the tiles its gesture changed. A text step is
    // pushed when its box is placed and receives its tiles when the text is
    // written.
    struct UndoStep
    {
        QVector<Tile> tiles;
        qint64 bytes = 0;
        bool awaitingText = false;
        // The bytes its tiles take, pixels and bookkeeping.
        qint64 size() const;
    };

    bool isFreehand() const;
    bool isShape() const;
    // Draws the gesture under way with painter; onLayer selects the committed form.
    void drawGesture(QPainter& painter, bool onLayer);
    void drawSegments(QPainter& painter) const;
    void drawEraser(QPainter& painter);
    void drawHighlighter(QPainter& painter);
    void drawRectangle(QPainter& painter, QPen const& pen);
    void drawOval(QPainter& painter, QPen const& pen);
    void drawBlur(QPainter& painter, bool onLayer);
    // The eraser's provisional form over the part of the layer under area.
    void drawErasing(QPainter& painter, QRect const& area);
    void commitGesture();
    void placeTextBox();
    void writeText();
    // How far, in points, the gesture's pen reaches beyond its points.
    int reach() const;
    QRect segmentBounds(QLine const& segment) const;
    // The rectangle, in points, that the gesture under way paints into.
    QRect gestureBounds() const;
    // Rectangles in points that together hold everything the gesture paints,
    // each about half a tile long along strokes, lines and outlines.
    QVector<QRect> gestureAreas() const;
    QRegion gestureRegion() const;
    QRect toDevice(QRect const& points) const;
    QRect toPoints(QRect const& device) const;
    UndoStep& pushUndo();
    // Keeps in step the tiles of the layer under areas (in points), before they are drawn on.
    void saveTiles(UndoStep& step, QVector<QRect> const& areas) const;
    // Drops the saved tiles that drawing left as they were and shows the others.
    void keepChangedTiles(UndoStep& step);
    void trimUndo();
    void exchange(UndoStep& step);
    void stepBack(QStack<UndoStep>& from, QStack<UndoStep>& to);
    // The layer changed in this rectangle of device pixels.
    void layerChanged(QRect const& device);
    // Closes the text box and writes its note into the layer.
    void acceptNote();
    void finishTextBox(int mode);
    void leaveTextBox();
    QImage newLayer() const;

    QPixmap m_base;
    QImage m_layer;
    QPixmap m_content;
    QPoint m_previous;
    QPoint m_current;
    QPoint m_press;
    int m_mode = Pen;
    QColor m_color = Qt::yellow;
    QFont m_font;
    int m_thickness = 1;
    bool m_bDash = false;
    bool m_bButtonDown = false;
    NoteEditWidget* m_pTextBox;
    QStack<UndoStep> m_undo;
    QStack<UndoStep> m_redo;
    QList<QLine> m_segments;
    // Device pixels of the composed picture that no longer match picture and layer.
    QRegion m_staleContent;
    bool m_bDirty = true;
    qint64 m_undoMemoryLimit = kDefaultUndoMemory;
};

} // namespace ZEDireroz
