#pragma once
// A folder tree that reports a clicked folder (showContent) or file (showItem)
// by its absolute path. Only the name column shows.

#include <QFrame>
#include <QModelIndex>
#include <QString>

class QFileSystemModel;
class QTreeView;

namespace ZEDireroz {

class DirView : public QFrame
{
    Q_OBJECT
public:
    explicit DirView(QWidget* parent = nullptr);

    QFileSystemModel* model() const { return m_model; }
    QTreeView* treeView() const { return m_tree; }

signals:
    void showContent(QString const& path);
    void showItem(QString const& path);

public slots:
    void slotTreeViewClicked(QModelIndex const& index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QFileSystemModel* m_model = nullptr;
    QTreeView* m_tree = nullptr;
};

} // namespace ZEDireroz
