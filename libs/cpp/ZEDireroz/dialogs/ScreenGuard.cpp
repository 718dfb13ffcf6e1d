#include "ZEDireroz/dialogs/ScreenGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ZEDireroz {

void setVisibleChildren(QObject* object, bool visible)
{
    if (!object)
        return;
    for (QWidget* widget : object->findChildren<QWidget*>())
        widget->setVisible(visible);
}

NoScreeShotFilter::NoScreeShotFilter(QObject* parent)
    : QObject(parent)
{
}

bool NoScreeShotFilter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    setVisibleChildren(parent(), false);
    return true;
}

NoScreenShotWidget::NoScreenShotWidget(QWidget* parent)
    : QLabel(parent)
{
    init(QString());
}

NoScreenShotWidget::NoScreenShotWidget(QString const& text, QWidget* parent)
    : QLabel(parent)
{
    init(text);
}

void NoScreenShotWidget::init(QString const& text)
{
    connect(qApp, &QApplication::focusChanged, this, &NoScreenShotWidget::slotFocusChanged);
    setText(text.isEmpty() ? "<H1><CENTER>" + tr("No!") + "</CENTER></H1>" : text);
}

void NoScreenShotWidget::slotFocusChanged(QWidget*, QWidget*)
{
    setVisibleChildren(this, QApplication::activeWindow() != nullptr);
}

void NoScreenShotWidget::installFilters()
{
    for (QWidget* widget : findChildren<QWidget*>())
        widget->installEventFilter(new NoScreeShotFilter(this));
}

} // namespace ZEDireroz
