#include "ZEDireroz/imagenotes/NoteEditDragPreview.h"

#include "ZEDireroz/frame/App.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

namespace ZEDireroz {

namespace {

QString const kDragStem = QStringLiteral("CropAndNoteDrag");

QString dragFolder()
{
    if (App::theApp())
        return App::theApp()->workDirectory();
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QLatin1Char('/');
}

} // namespace

NoteEditDragPreview::NoteEditDragPreview(QWidget* parent)
    : QWidget(parent)
    , m_runner([](QDrag* drag) { drag->exec(Qt::CopyAction); })
{
    setMinimumWidth(60);
    setMinimumHeight(50);
}

void NoteEditDragPreview::setDragRunner(std::function<void(QDrag*)> runner)
{
    m_runner = std::move(runner);
}

void NoteEditDragPreview::slotSetPixmap(QPixmap const& pixmap)
{
    m_pixmap = pixmap;
    update();
}

void NoteEditDragPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_pixmap.isNull())
        painter.drawPixmap(rect(), m_pixmap);
    QRect const band(QPoint(0, 0), QPoint(width() - 1, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 127));
    painter.drawRect(band);
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, tr("Drag"));
    painter.drawPixmap(rect(), QPixmap(QStringLiteral(":/imagenotes/preview-glass.png")));
}

void NoteEditDragPreview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStart = event->pos();
    QWidget::mousePressEvent(event);
}

void NoteEditDragPreview::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton)
        && (event->pos() - m_dragStart).manhattanLength() > QApplication::startDragDistance())
        startDrag();
    QWidget::mouseMoveEvent(event);
}

// Every drag gets a file of its own: a program that took an earlier drop may
// keep a link to its file, which must not change under it.
QString NoteEditDragPreview::writeDragFile() const
{
    if (m_pixmap.isNull())
        return QString();
    QTemporaryFile file(dragFolder() + kDragStem + QStringLiteral("-XXXXXX.png"));
    if (!file.open())
        return QString();
    if (!m_pixmap.save(&file, "PNG") || !file.flush()) {
        file.remove();
        return QString();
    }
    file.setAutoRemove(false);
    return file.fileName();
}

void NoteEditDragPreview::removeOldDragFiles() const
{
    QDir const folder(dragFolder());
    QDateTime const limit = QDateTime::currentDateTime().addSecs(-3600 * kKeepDragFilesHours);
    for (QFileInfo const& info : folder.entryInfoList({kDragStem + QStringLiteral("-*.png")}, QDir::Files)) {
        if (info.lastModified() < limit)
            QFile::remove(info.absoluteFilePath());
    }
}

void NoteEditDragPreview::startDrag()
{
    removeOldDragFiles();
    QString const path = writeDragFile();
    if (path.isEmpty())
        return;
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(path)});
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(m_pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_runner(drag);
    drag->deleteLater();
}

} // namespace ZEDireroz
