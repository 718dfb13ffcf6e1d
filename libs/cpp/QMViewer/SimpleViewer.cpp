#include "QMViewer/SimpleViewer.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace QMViewer {

SimpleViewer::SimpleViewer(QWidget* parent)
    : QWidget(parent)
{
}

void SimpleViewer::slotSetItem(QString const& str)
{
    m_strItem = str;
}

QImage SimpleViewer::stretchedPicture()
{
    if (m_strItem.isEmpty() || size().isEmpty())
        return QImage();
    QFileInfo const info(m_strItem);
    QString const key = QStringLiteral("%1|%2x%3|%4")
                            .arg(m_strItem)
                            .arg(width())
                            .arg(height())
                            .arg(info.lastModified().toMSecsSinceEpoch());
    if (key != m_cachedKey) {
        // Decoded straight at the widget's size: the picture is stretched to it
        // anyway, and a large photo is never held whole.
        QImageReader reader(m_strItem);
        reader.setAutoTransform(true);
        QSize const stored = reader.size();
        bool const turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        QSize const target = turned ? size().transposed() : size();
        if (stored.isValid() && (stored.width() > target.width() || stored.height() > target.height()))
            reader.setScaledSize(target);
        QImage image = reader.read();
        if (!image.isNull() && image.size() != size())
            image = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_cached = image;
        m_cachedKey = key;
    }
    return m_cached;
}

void SimpleViewer::paintEvent(QPaintEvent*)
{
    QImage const picture = stretchedPicture();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Qt::darkGray));
    painter.drawRect(rect());
    if (!picture.isNull())
        painter.drawImage(0, 0, picture);
}

void SimpleViewer::resizeEvent(QResizeEvent* event)
{
    repaint();
    QWidget::resizeEvent(event);
}

} // namespace QMViewer
