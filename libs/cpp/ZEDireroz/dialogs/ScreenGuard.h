#pragma once
// Guards a widget's content against screen captures: the content is hidden
// whenever the application has no active window (the user has switched to
// another program) and, once the filters are installed, whenever a key is
// pressed in it. What stays visible is the guard's own text.

#include <QLabel>

namespace ZEDireroz {

// Shows or hides every widget below object, at all levels; object itself is left alone.
void setVisibleChildren(QObject* object, bool visible);

// Consumes key presses of the widget it watches and hides the content of its
// parent, the guard.
class NoScreeShotFilter : public QObject
{
    Q_OBJECT
public:
    explicit NoScreeShotFilter(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

class NoScreenShotWidget : public QLabel
{
    Q_OBJECT
public:
    explicit NoScreenShotWidget(QWidget* parent = nullptr);
    explicit NoScreenShotWidget(QString const& text, QWidget* parent = nullptr);

    // Filters every widget below the guard; call it after filling the guard.
    // Widgets added later are not filtered.
    void installFilters();

public slots:
    void slotFocusChanged(QWidget* old, QWidget* now);

private:
    void init(QString const& text);
};

} // namespace ZEDireroz
