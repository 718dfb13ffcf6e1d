#include "ZEDireroz/widgets/ListWidgetItem.h"

namespace ZEDireroz {

ListWidgetItem::ListWidgetItem(QListWidget* view, int type)
    : QListWidgetItem(view, type)
{
}

ListWidgetItem::ListWidgetItem(QString const& text, QListWidget* view, int type)
    : QListWidgetItem(text, view, type)
{
}

ListWidgetItem::ListWidgetItem(QIcon const& icon, QString const& text, QListWidget* view, int type)
    : QListWidgetItem(icon, text, view, type)
{
}

ListWidgetItem::ListWidgetItem(QListWidgetItem const& other)
    : QListWidgetItem(other)
{
    if (auto const* item = dynamic_cast<ListWidgetItem const*>(&other))
        m_sFullPath = item->m_sFullPath;
}

ListWidgetItem::ListWidgetItem(ListWidgetItem const& other)
    : QListWidgetItem(other)
    , m_sFullPath(other.m_sFullPath)
{
}

ListWidgetItem::~ListWidgetItem() = default;

QListWidgetItem* ListWidgetItem::clone() const
{
    return new ListWidgetItem(*this);
}

} // namespace ZEDireroz
