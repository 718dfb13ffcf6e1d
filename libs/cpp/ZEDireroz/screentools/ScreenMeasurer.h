#pragma once
// An on-screen ruler: shows a picture of the screen centred at one widget pixel
// per device pixel and, while the user drags a rectangle over it, labels the
// rectangle with its width and height in screen points ("120x45"), inside the
// rectangle or, when that is too small for the text, in a tag above it. It cuts
// and saves nothing.

#include "ZEDireroz/screentools/ScreenCropper.h"

#include <QFont>

namespace ZEDireroz {

class ScreenMeasurer : public ScreenCropper
{
    Q_OBJECT
public:
    explicit ScreenMeasurer(QWidget* parent = nullptr);

    QString defaultMessage() const override;
    // The measurer keeps no save folder of its own.
    void retranslateUi() override;

    // The label of a drag from start to end (widget pixels, both ends included):
    // its text, its font, and whether it goes into the tag above the start point.
    struct SizeLabel
    {
        QString text;
        QFont font;
        bool tag = false;
    };
    // ratio scales the shown numbers; scale is the device pixels per screen point.
    static SizeLabel sizeLabel(QPoint const& start, QPoint const& end, qreal ratio, qreal scale);

    // Below this height in pixels the label font is unreadable inside the rectangle.
    static constexpr int kSmallestLabelHeight = 9;
    static constexpr int kTagPixelSize = 13;

public slots:
    void slotClose() override;
    void grabScreen() override;

signals:
    // A new screen picture has been taken.
    void done();
    // The window has been put away.
    void doQuit();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawLabel(QPainter& painter);
};

} // namespace ZEDireroz
