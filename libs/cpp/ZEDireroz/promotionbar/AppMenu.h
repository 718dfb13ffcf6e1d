#pragma once
// The application menu behind the bar's right-most button: rate, share, join,
// the maker's other applications, contact, the support page, About and Quit.

#include <QMenu>
#include <QPushButton>

namespace ZEDireroz {

class AppMenu : public QMenu
{
    Q_OBJECT
public:
    explicit AppMenu(QWidget* parent = nullptr);

signals:
    void quitPressed();

public slots:
    void slotAbout();
};

class AppButton : public QPushButton
{
    Q_OBJECT
public:
    explicit AppButton(QWidget* parent = nullptr);

    AppMenu* appMenu() const { return m_pMenu; }

signals:
    void quitPressed();

private:
    AppMenu* m_pMenu;
};

} // namespace ZEDireroz
