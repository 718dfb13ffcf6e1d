#pragma once
// A framed preview of one picture file. Its context menu only emits requests
// (edit, operations) for the window that hosts it to carry out.

#include "QMViewer/Thumbnail.h"

#include <QFrame>
#include <QPixmap>
#include <QString>

class QMenu;

namespace QMViewer {

class PreviewArea : public QFrame
{
    Q_OBJECT
public:
    explicit PreviewArea(QWidget* parent = nullptr);

    // Shows the item path again.
    virtual void refresh();
    // A copy of the picture as last fitted to the widget.
    QPixmap pixmap() const;
    // The file shown: empty until a picture has loaded.
    QString itemPath() const { return m_strItem; }

signals:
    void showItem(QString const& path);
    void editItem(QString const& path);
    // Part of the interface for hosts and subclasses; the preview area itself
    // emits operateItem for its operations instead.
    void rotateItem(QString const& path);
    void negateItem(QString const& path);
    void operateItem(QString const& strItem, QString const& operation);

public slots:
    // Loads and shows a picture file; a file that does not load changes nothing.
    void displayItem(QString const& str);
    // Shows a picture that comes from no file; the item path stays.
    void displayPixmap(QPixmap const& pix);
    void slotEditItem();
    void slotOperateItem();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    QMenu* contextMenu() const { return m_menu; }

private:
    void createMenu();
    void fitToWidget();
    QSize largestUsefulSize() const;

    QString m_strItem = QStringLiteral("");
    Thumbnail m_source;
    QPixmap m_display;
    QMenu* m_menu = nullptr;
};

} // namespace QMViewer
