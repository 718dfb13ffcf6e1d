#pragma once
// Records every widget that is shown as a window of its own while it lives:
// a widget shown before it has a parent flashes up as a separate window.

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>

class StrayWindows : public QObject
{
public:
    StrayWindows() { qApp->installEventFilter(this); }
    ~StrayWindows() override { qApp->removeEventFilter(this); }

    // Class and object name of each window shown, in order.
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow())
                shown << QStringLiteral("%1 \"%2\"")
                             .arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
        }
        return false;
    }
};
