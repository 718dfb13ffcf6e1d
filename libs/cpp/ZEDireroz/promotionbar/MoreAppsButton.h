#pragma once
// A stand-alone button whose menu lists links, like the promotion bar's More
// menu. Its user gives it its name, tool tip and size.

#include <QPushButton>

class QAction;

namespace ZEDireroz {

class LinkMenu;

class MoreAppsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit MoreAppsButton(QWidget* parent = nullptr);
    ~MoreAppsButton() override;

    void addMenuLink(QPixmap const& icon, QString const& title, QString const& url);
    void addMenuAppLink(QPixmap const& icon, QString const& title, QString const& name, QString const& id);
    void addMenuAction(QAction* action);
    void addMenuSeparator();

public slots:
    void slotCallUrl(QString const& strUrl);

private:
    LinkMenu* m_pLinks;
};

} // namespace ZEDireroz
