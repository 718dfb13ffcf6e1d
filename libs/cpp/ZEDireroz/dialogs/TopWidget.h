#pragma once
// A top-level window without the system's frame. It draws its own title row (a
// title that drags the window, an optional icon, and close, maximise and
// minimise buttons) and can run modally like a dialog: exec() returns 1 after
// accept() and 0 after reject(), the close button, Escape or any other close.

#include <QFrame>
#include <QLabel>
#include <QPoint>
#include <QPointer>

class QAction;
class QEventLoop;
class QMovie;
class QPushButton;
class QVBoxLayout;

namespace ZEDireroz {

// The icon at the edge of the title row.
class IconLabel : public QLabel
{
    Q_OBJECT
public:
    explicit IconLabel(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The title row: dragging it moves the window. It may carry a decoration, a
// small frameless window that floats over the title at a fixed offset and
// travels with it; the label owns the decoration.
class TitleLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TitleLabel(QWidget* parent = nullptr);
    ~TitleLabel() override;

    // Deletes the current decoration and floats widget at offset (in label
    // coordinates) over the title instead; null removes the decoration.
    void setDecoration(QWidget* widget, QPoint const& offset);
    QWidget* decoration() const { return m_pDecoration; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void placeDecoration();

    QPoint m_pressPosition;
    QPoint m_decorationOffset;
    QPointer<QWidget> m_pDecoration;
};

class TopWidget : public QFrame
{
    Q_OBJECT
public:
    explicit TopWidget(bool decorated = false, QWidget* parent = nullptr);
    ~TopWidget() override;

    // Where subclasses put their widgets.
    QVBoxLayout* topLayout() const { return m_pTopLayout; }

    void setTitleLabel(QString const& text);
    void setTitleHeight(int height);
    void setIcon(QPixmap const& pixmap);

    void hideClose();
    void hideMaximize();
    void hideMinimize();
    void showClose();
    void showMaximize();
    void showMinimize();

    void setDecoration(QWidget* widget, QPoint const& offset);
    void setDecoration(QMovie* movie, QPoint const& offset);
    void setDecoration(QPixmap const& pixmap, QPoint const& offset);

    // Shows the window modally and blocks until it is accepted (1) or rejected
    // or closed in any other way (0); the window is hidden afterwards.
    int exec();

public slots:
    void accept();
    void reject();

protected:
    // A close from outside (the window manager's close, Alt+F4, close()) must
    // end a running exec(), or the program would wait for a window that is gone.
    void closeEvent(QCloseEvent* event) override;

private:
    void finish(int result);

    QVBoxLayout* m_pTopLayout;
    QPushButton* m_pCloseButton;
    QPushButton* m_pMaximizeButton;
    QPushButton* m_pMinimizeButton;
    TitleLabel* m_pTitleLabel;
    IconLabel* m_pIconLabel;
    QEventLoop* m_pEventLoop = nullptr; // the loop of a running exec(), else null
    QAction* m_pEscapeAction = nullptr;
};

} // namespace ZEDireroz
