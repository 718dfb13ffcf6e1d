#pragma once
// The pictures of one folder as 80 x 80 icons. An icon can be dragged out as a
// "piece" ("image/x-puzzle-piece": its pixmap, then its location); clicks,
// double clicks and the menu's "open in a separate view" are reported with the
// picture's full path.
//
// The folder fills in the background: the pictures are read at icon size in a
// thread pool and the icons appended in the folder's order as they come, so the
// window stays live. A newer fill (or the view's deletion) cancels an older one.

#include <QFutureWatcher>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>

class QMenu;

namespace ZEDireroz {

class IconView : public QListWidget
{
    Q_OBJECT
public:
    // The drag format of a piece.
    static QString const kPieceFormat;

    explicit IconView(QWidget* parent = nullptr);
    ~IconView() override;

    // Fills again from the folder held.
    void refresh();
    // Appends one icon: the pixmap, where the piece belongs and its file.
    void addPiece(QPixmap pixmap, QPoint location, QString const& path);

    QString folder() const { return m_folder; }
    // True while a fill still reads pictures.
    bool isFilling() const;

signals:
    void showItem(QString const& path);
    void showViewerItem(QString const& path);
    void showInSeparateView(QString const& path);

public slots:
    // Shows the pictures of the folder, in name order ignoring letter case;
    // files that are not pictures are left out.
    virtual void addItems(QString const& folder);
    void slotItemClicked(QListWidgetItem* item);
    void slotItemDoubleClicked(QListWidgetItem* item);
    void slotSeparateView();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void createMenu();
    void cancelFill();
    void takeReadyPictures();
    void appendReadyPictures();

    QMenu* m_menu = nullptr;
    QString m_folder;

    // The running fill: the files being read, the watcher of their reading, the
    // next file to append and the number of pictures appended so far.
    QStringList m_fillPaths;
    QFutureWatcher<QImage>* m_fill = nullptr;
    int m_nextResult = 0;
    int m_piecesAdded = 0;
};

} // namespace ZEDireroz
