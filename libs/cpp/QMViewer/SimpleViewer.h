#pragma once
// A bare widget that paints one picture file stretched to its whole size.

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

namespace QMViewer {

class SimpleViewer : public QWidget
{
    Q_OBJECT
public:
    explicit SimpleViewer(QWidget* parent = nullptr);

    QString item() const { return m_strItem; }

public slots:
    // Stores the path; the picture shows at the next paint.
    void slotSetItem(QString const& str);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage stretchedPicture();

    QString m_strItem;
    // The picture as last read for this path, size and file time: repaints of
    // an unchanged widget do not read the file again.
    QImage m_cached;
    QString m_cachedKey;
};

} // namespace QMViewer
