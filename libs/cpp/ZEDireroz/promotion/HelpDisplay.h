#pragma once
// The picture area of the introduction slide show: paints one slide, centred
// on black, at half its pixel size so that it keeps full detail on
// high-density screens.

#include <QFrame>
#include <QString>

namespace ZEDireroz {

class HelpDisplay : public QFrame
{
    Q_OBJECT
public:
    explicit HelpDisplay(QWidget* parent = nullptr);

    void setSlide(QString const& file);
    QString slide() const { return m_sSlide; }

    // Where a picture of the given pixel size lands in a widget of the given size:
    // scaled to fit twice the widget, then drawn at half its size, centred.
    static QRect targetRect(QSize const& widgetSize, QSize const& pictureSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_sSlide;
};

} // namespace ZEDireroz
