#include "ZEDireroz/widgets/IconView.h"

#include "QMViewer/Thumbnail.h"
#include "ZEDireroz/widgets/ListWidgetItem.h"

#include <QDataStream>
#include <QDir>
#include <QDrag>
#include <QDragMoveEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTimer>
#include <QtConcurrent>

Q_LOGGING_CATEGORY(lcIconView, "tickwren.widgets.iconview")

namespace ZEDireroz {

QString const IconView::kPieceFormat = QStringLiteral("image/x-puzzle-piece");

namespace {

constexpr int kIconSide = 80;
constexpr int kSpacing = 10;
constexpr qreal kMenuOpacity = 0.6;
constexpr int kPixmapRole = Qt::UserRole;
constexpr int kLocationRole = Qt::UserRole + 1;
// The longest the view appends icons before it lets other events through.
constexpr int kAppendSliceMs = 10;

// Runs in the thread pool: the picture read no larger than an icon.
QImage readIconPicture(QString const& path)
{
    return QMViewer::Thumbnail::readFitted(path, QSize(kIconSide, kIconSide));
}

} // namespace

IconView::IconView(QWidget* parent)
    : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(false);
    setDragEnabled(true);
    setIconSize(QSize(kIconSide, kIconSide));
    setSpacing(kSpacing);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // Thousands of icons are laid out in batches between other events.
    setLayoutMode(QListView::Batched);
    createMenu();
    connect(this, &QListWidget::itemClicked, this, &IconView::slotItemClicked);
    connect(this, &QListWidget::itemDoubleClicked, this, &IconView::slotItemDoubleClicked);
}

IconView::~IconView()
{
    cancelFill();
}

void IconView::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->addAction(tr("&Open In Separate View"), this, &IconView::slotSeparateView);
    m_menu->addAction(QStringLiteral("&Empty2"));
    m_menu->setWindowOpacity(kMenuOpacity);
}

void IconView::refresh()
{
    addItems(m_folder);
}

bool IconView::isFilling() const
{
    return m_fill != nullptr;
}

void IconView::cancelFill()
{
    if (!m_fill)
        return;
    // The pool finishes the reads it has begun and starts no more; their
    // results reach no one, since the watcher goes with this fill.
    m_fill->disconnect(this);
    m_fill->cancel();
    // Later, not now: this may run inside the watcher's own signal, when a slot
    // connected to the list starts a new fill while an icon goes in.
    m_fill->deleteLater();
    m_fill = nullptr;
    m_fillPaths.clear();
}

void IconView::addItems(QString const& folder)
{
    cancelFill();
    clear();
    m_folder = folder;
    m_nextResult = 0;
    m_piecesAdded = 0;

    QDir const dir(folder);
    QFileInfoList const files = dir.entryInfoList({QStringLiteral("*.*")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (QFileInfo const& file : files)
        m_fillPaths << file.absoluteFilePath();
    if (m_fillPaths.isEmpty())
        return;

    m_fill = new QFutureWatcher<QImage>(this);
    connect(m_fill, &QFutureWatcherBase::resultReadyAt, this, &IconView::takeReadyPictures);
    connect(m_fill, &QFutureWatcherBase::finished, this, &IconView::takeReadyPictures);
    m_fill->setFuture(QtConcurrent::mapped(m_fillPaths, readIconPicture));
}

void IconView::takeReadyPictures()
{
    if (m_fill && sender() == m_fill)
        appendReadyPictures();
}

void IconView::appendReadyPictures()
{
    if (!m_fill)
        return;
    // Pictures come back in any order; icons go in the folder's order, so each
    // waits for the ones before it. Appending an icon tells the list's watchers,
    // which may start another fill or delete the view: the loop stops as soon as
    // this fill is no longer the current one. A long run of ready pictures is
    // appended over several turns of the event loop, so the window stays live.
    QFutureWatcher<QImage>* const fill = m_fill;
    QPointer<IconView> const alive(this);
    QFuture<QImage> const future = fill->future();
    QElapsedTimer turn;
    turn.start();
    while (m_nextResult < m_fillPaths.size() && future.isResultReadyAt(m_nextResult)) {
        if (turn.elapsed() >= kAppendSliceMs) {
            QTimer::singleShot(0, this, [this, fill] {
                if (m_fill == fill)
                    appendReadyPictures();
            });
            return;
        }
        QImage const picture = future.resultAt(m_nextResult);
        QString const path = m_fillPaths.at(m_nextResult);
        ++m_nextResult;
        if (picture.isNull())
            continue;
        addPiece(QMViewer::Thumbnail(kIconSide, kIconSide, picture), QPoint(0, m_piecesAdded++), path);
        if (!alive || m_fill != fill)
            return;
    }
    bool const allIn = m_nextResult >= m_fillPaths.size();
    if (allIn || (fill->isFinished() && !future.isResultReadyAt(m_nextResult))) {
        // Dropping the watcher frees the pictures its future still holds.
        m_fill->disconnect(this);
        m_fill->deleteLater();
        m_fill = nullptr;
        m_fillPaths.clear();
    }
}

void IconView::addPiece(QPixmap pixmap, QPoint location, QString const& path)
{
    // Built whole before it joins the list: the list's watchers hear of it as it
    // joins, and may clear the list there and then.
    auto* item = new ListWidgetItem;
    item->setIcon(QIcon(pixmap));
    item->setText(QFileInfo(path).baseName());
    item->setFullPath(path);
    item->setBackground(QColor(Qt::darkGray));
    item->setData(kPixmapRole, pixmap);
    item->setData(kLocationRole, location);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled);
    addItem(item);
}

void IconView::slotItemClicked(QListWidgetItem* item)
{
    if (auto const* picture = dynamic_cast<ListWidgetItem const*>(item))
        emit showItem(picture->fullPath());
}

void IconView::slotItemDoubleClicked(QListWidgetItem* item)
{
    if (auto const* picture = dynamic_cast<ListWidgetItem const*>(item))
        emit showViewerItem(picture->fullPath());
}

void IconView::slotSeparateView()
{
    auto const* picture = dynamic_cast<ListWidgetItem const*>(currentItem());
    if (!picture)
        return;
    qCDebug(lcIconView).noquote() << "$$$$$$$$$$$$$$$$";
    qCDebug(lcIconView).nospace() << "####:" << picture->fullPath();
    emit showInSeparateView(picture->fullPath());
}

void IconView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The menu acts on the icon that was current before this press.
        QPointer<IconView> const alive(this);
        m_menu->exec(event->globalPos());
        if (!alive)
            return;
    }
    QListWidget::mousePressEvent(event);
}

void IconView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(kPieceFormat)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void IconView::dropEvent(QDropEvent* event)
{
    // A piece dropped back on the view stays where it was.
    event->ignore();
}

void IconView::startDrag(Qt::DropActions)
{
    QListWidgetItem* item = currentItem();
    if (!item)
        return;
    QPixmap const pixmap = item->data(kPixmapRole).value<QPixmap>();
    QPoint const location = item->data(kLocationRole).toPoint();

    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << pixmap << location;

    auto* mimeData = new QMimeData;
    mimeData->setData(kPieceFormat, bytes);
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(pixmap);
    drag->setHotSpot(QPoint(pixmap.width() / 2, pixmap.height() / 2));

    // The drag runs its own event loop, in which a new fill may clear the list:
    // the item is looked up again afterwards rather than trusted.
    QPersistentModelIndex const dragged(indexFromItem(item));
    QPointer<IconView> const alive(this);
    Qt::DropAction const result = drag->exec(Qt::MoveAction);
    if (!alive)
        return;
    drag->deleteLater();
    if (result == Qt::MoveAction && dragged.isValid())
        delete takeItem(dragged.row());
}

} // namespace ZEDireroz
