#include "RADarir/chordviews/ChordPhotoView.h"

#include "ZEDireroz/frame/Common.h"

#include <QPainter>

namespace RADarir {

ChordPhotoView::ChordPhotoView(QWidget* parent)
    : ChordBaseView(parent)
{
}

QString ChordPhotoView::photoName(QString const& instrument, QVector<int> const& tab)
{
    QString code;
    // An entry the instrument page did not fill names no photo of a chord.
    if (tab.isEmpty()) {
    } else if (instrument == QLatin1String("piano")) {
        code = pianoTabToCode(tab);
    } else {
        for (int value : tab)
            code += value < 0 ? QStringLiteral("X") : QString::number(value);
    }
    return instrument + QLatin1Char('_') + code + QStringLiteral(".jpg");
}

QString ChordPhotoView::photoName() const
{
    return photoName(m_strInstrumentName, m_vecTab);
}

void ChordPhotoView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    if (ZEDireroz::Common::isPocketDevice())
        painter.setBrush(QBrush(QPixmap(QStringLiteral(":/panelbackground.png"))));
    else
        painter.setBrush(QColor(71, 71, 71));
    painter.drawRect(rect());
    drawChordPicture(&painter, photoName());
}

} // namespace RADarir
