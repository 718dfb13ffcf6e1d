#include "ZEDireroz/widgets/DirView.h"

#include <QDir>
#include <QFileSystemModel>
#include <QResizeEvent>
#include <QTreeView>

namespace ZEDireroz {

namespace {

constexpr int kMinimumWidth = 180;
constexpr int kMinimumHeight = 100;
// Size, type and date: only the name column shows.
constexpr int kHiddenColumns[] = {1, 2, 3};

} // namespace

DirView::DirView(QWidget* parent)
    : QFrame(parent)
    , m_model(new QFileSystemModel(this))
    , m_tree(new QTreeView(this))
{
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    // The whole file system from its root, folders first and names ignoring
    // letter case. The model reads each folder in a thread of its own the first
    // time it is shown, so a large folder never blocks the window.
    m_model->setRootPath(QDir::rootPath());
    m_model->setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::AllDirs);
    m_tree->setModel(m_model);
    m_tree->setWindowTitle(tr("Dir View"));
    for (int column : kHiddenColumns)
        m_tree->setColumnHidden(column, true);
    connect(m_tree, &QTreeView::clicked, this, &DirView::slotTreeViewClicked);
}

void DirView::slotTreeViewClicked(QModelIndex const& index)
{
    if (!index.isValid())
        return;
    QString const path = m_model->filePath(index);
    if (m_model->isDir(index))
        emit showContent(path);
    else
        emit showItem(path);
}

void DirView::resizeEvent(QResizeEvent* event)
{
    m_tree->resize(event->size());
    m_tree->setColumnWidth(0, event->size().width());
    QFrame::resizeEvent(event);
}

} // namespace ZEDireroz
