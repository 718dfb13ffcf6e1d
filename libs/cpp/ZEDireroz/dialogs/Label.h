#pragma once
// A label that paints a high-resolution picture scaled to its size, sharp on
// high-density screens.

#include <QLabel>
#include <QPixmap>
#include <QRect>

namespace ZEDireroz {

class Label : public QLabel
{
    Q_OBJECT
public:
    // Fit keeps the whole picture, centred; any other value fills the label,
    // anchored at the top left, and cuts off what lies beyond.
    enum Mode : int { Fit = 0, Fill = 1 };

    explicit Label(QWidget* parent = nullptr);

    void setMode(Mode mode) { m_eMode = mode; }
    Mode mode() const { return m_eMode; }
    void setRetinaPixmap(QPixmap const& pixmap);
    QPixmap retinaPixmap() const { return m_retinaPixmap; }

    // Where a picture of pictureSize is drawn in a label of labelSize (both in
    // their own pixels) on a screen of the given pixel ratio.
    static QRect pictureRect(QSize const& labelSize, QSize const& pictureSize, qreal ratio, Mode mode);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_retinaPixmap;
    Mode m_eMode = Fit;
};

} // namespace ZEDireroz
