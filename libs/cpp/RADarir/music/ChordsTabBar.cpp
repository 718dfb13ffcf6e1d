#include "RADarir/music/ChordsTabBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>

namespace RADarir {

namespace {

// The name of the style the application draws with. An application style
// sheet wraps that style in one without a name, which keeps it as its child.
QString applicationStyleKey()
{
    QStyle const* style = QApplication::style();
    if (style->objectName().isEmpty()) {
        if (auto const* base = style->findChild<QStyle*>(QString(), Qt::FindDirectChildrenOnly))
            return base->objectName();
    }
    return style->objectName();
}

// Lays out every label left to right: a chord's name reads as written in
// every language ("A #", not "# A"). A painter lays text out in the
// application's direction whatever the widget's, so the bar's own direction
// does not reach its labels; the tabs still run in the bar's direction.
class LeftToRightLabelStyle : public QProxyStyle
{
public:
    LeftToRightLabelStyle()
        : QProxyStyle(applicationStyleKey())
    {
    }

    void drawItemText(QPainter* painter, QRect const& rect, int flags, QPalette const& palette, bool enabled,
                      QString const& text, QPalette::ColorRole textRole) const override
    {
        Qt::LayoutDirection const direction = painter->layoutDirection();
        painter->setLayoutDirection(Qt::LeftToRight);
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        painter->setLayoutDirection(direction);
    }
};

} // namespace

ChordsTabBar::ChordsTabBar(QWidget* parent)
    : QTabBar(parent)
{
    // The tab texts stay the chords as they are, without direction marks:
    // the transposer reads them back.
    auto* style = new LeftToRightLabelStyle;
    style->setParent(this);
    setStyle(style);
}

void ChordsTabBar::mouseReleaseEvent(QMouseEvent* event)
{
    // The base class ends a drag here and leaves a moved tab where it was
    // dropped; the tab under the pointer is then the one the user released on.
    QTabBar::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    int const index = tabAt(event->pos());
    if (index < 0)
        return;
    setCurrentIndex(index);
    emit tabClicked();
}

void ChordsTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    emit countChanged(count());
}

void ChordsTabBar::tabRemoved(int index)
{
    QTabBar::tabRemoved(index);
    emit countChanged(count());
}

} // namespace RADarir
