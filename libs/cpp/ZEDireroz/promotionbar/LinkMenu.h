#pragma once
// The menu of links that the promotion bar and the more-apps button share: rows
// with an icon and a title that open their web page when chosen.

#include <QObject>

class QAction;
class QMenu;
class QPixmap;
class QSignalMapper;
class QString;

namespace ZEDireroz {

class LinkMenu
{
public:
    // Rows are appended to menu; their actions are children of owner, and the
    // mapper (a child of owner) hands each row's link to owner's slot
    // slotCallUrl(const QString&).
    LinkMenu(QMenu* menu, QObject* owner);

    QMenu* menu() const { return m_pMenu; }
    QSignalMapper* mapper() const { return m_pMapper; }

    void addLink(QPixmap const& icon, QString const& title, QString const& url);
    // The store page of another application, the same link form as the rating link.
    void addAppLink(QPixmap const& icon, QString const& title, QString const& name, QString const& id);
    void addAction(QAction* action);
    void addSeparator();

    // Opens a link in the user's browser; whether that worked is not looked at.
    static void openUrl(QString const& url);

private:
    QMenu* m_pMenu;
    QObject* m_pOwner;
    QSignalMapper* m_pMapper;
};

} // namespace ZEDireroz
