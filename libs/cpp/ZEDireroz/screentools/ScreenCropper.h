#pragma once
// A screen-capture overlay. grabScreen() takes a picture of the screen under the
// pointer at device resolution and shows it in a window of its own (full screen
// by default); the user drags a rectangle over it, and the rectangle is cut out
// of the picture in device pixels and handed to the owner by done(). slotSave()
// writes the last cut picture as a PNG file into the user's pictures folder and,
// when the user held Alt at the release or pressed Return, reveals it in the
// file manager.

#include <QDateTime>
#include <QFrame>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

namespace ZEDireroz {

class ScreenCropper : public QFrame
{
    Q_OBJECT
public:
    enum ShowModes { ShowFullScreen = 0, ShowMaximized = 1, ShowNormal = 2 };

    // Where a capture takes its picture from: device pixels, with devicePixelRatio()
    // the device pixels per screen point; a null picture is a failed grab.
    using ScreenSource = std::function<QPixmap()>;

    explicit ScreenCropper(QWidget* parent = nullptr);
    ~ScreenCropper() override;

    // Takes effect at the next grabScreen(); values other than 0 and 1 show the
    // window at its current size.
    void setShowMode(int mode);
    // An empty text brings the default message back.
    void setMessage(QString const& text);
    virtual QString defaultMessage() const;
    QString simpleMessage() const;
    QPixmap result() const;
    // Shows the last screen picture again.
    void recreatePix2();
    // Chooses the save folder and the words that name it in the default message.
    virtual void retranslateUi();
    QString saveFolder() const;

    // Replaces the real screen, for a host with a picture of its own to cut.
    void setScreenSource(ScreenSource source);

    // The device-pixel rectangle, corners included, under a drag from start to end
    // (widget coordinates) on a widget of widgetSize showing a picture of
    // pictureSize stretched over it. Points outside the widget count as its edge.
    static QRect cutRectangle(QPoint const& start, QPoint const& end, QSize const& pictureSize,
                              QSize const& widgetSize);
    // The file name for a save at stamp (local time); count > 1 for the further
    // saves of the same second.
    static QString fileName(QDateTime const& stamp, int count);

public slots:
    virtual void grabScreen();
    virtual void slotClose();
    void slotSave();

signals:
    void done();
    void done(QPixmap const& picture);
    void saved();
    void closed();
    void escaped();
    // The cut picture could not be written to path (or there was none to write).
    void saveFailed(QString const& path);
    // The screen could not be read; the user has been told.
    void grabFailed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Takes a new screen picture into the screen and display pictures; on a failed
    // grab tells the user, emits grabFailed() and returns false.
    bool takeScreenPicture();
    // Device pixels per screen point of the last screen picture.
    qreal screenScale() const;
    // The hint box with the message (or the default one) in the given font size.
    void drawHintBox(QPainter& painter, QRect const& box, int pixelSize, QString const& defaultText);

    QPixmap m_pixScreen;
    bool m_bPressed = false;
    QPoint m_pStart;
    QPoint m_pEnd;
    QString m_sSaveFolder;
    QString m_sLocation;
    QString m_sMessage;
    QPixmap m_pixResult;
    bool m_bReveal = false;
    int m_nShowMode = ShowFullScreen;
    QPixmap m_pixDisplay;
    double m_dRatio = 1.0;

private:
    void showByMode();
    ScreenSource m_fnSource;
};

} // namespace ZEDireroz
