#pragma once
// A list item that also carries a full file path (the icon view keeps the path
// of each picture in it). Copies and clones keep the path.

#include <QListWidgetItem>
#include <QString>

namespace ZEDireroz {

class ListWidgetItem : public QListWidgetItem
{
public:
    explicit ListWidgetItem(QListWidget* view = nullptr, int type = Type);
    explicit ListWidgetItem(QString const& text, QListWidget* view = nullptr, int type = Type);
    ListWidgetItem(QIcon const& icon, QString const& text, QListWidget* view = nullptr, int type = Type);
    // Takes the other item's data, and its path when it is a ListWidgetItem.
    ListWidgetItem(QListWidgetItem const& other);
    ListWidgetItem(ListWidgetItem const& other);
    ListWidgetItem& operator=(ListWidgetItem const& other) = default;
    ~ListWidgetItem() override;

    QListWidgetItem* clone() const override;

    void setFullPath(QString const& path) { m_sFullPath = path; }
    QString fullPath() const { return m_sFullPath; }

private:
    QString m_sFullPath;
};

} // namespace ZEDireroz
