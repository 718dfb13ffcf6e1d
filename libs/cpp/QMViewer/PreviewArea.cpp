#include "QMViewer/PreviewArea.h"

#include "ViewerLogging_p.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

Q_LOGGING_CATEGORY(lcViewer, "tickwren.viewer")

namespace QMViewer {

namespace {

constexpr int kMinimumSide = 30;
constexpr int kFrameWidth = 2;
constexpr qreal kMenuOpacity = 0.6;

} // namespace

PreviewArea::PreviewArea(QWidget* parent)
    : QFrame(parent)
    , m_source(width(), height())
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kFrameWidth);
    setMinimumSize(kMinimumSide, kMinimumSide);
    // The widget covers its whole area. It paints through the backing store like
    // any other widget: drawing on screen directly (WA_PaintOnScreen) leaves it
    // blank on the xcb and offscreen platforms, where a QPainter gets no engine
    // for such a widget.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_source.fill(Qt::darkGray);
    createMenu();
}

void PreviewArea::createMenu()
{
    // The entries' texts travel in operateItem, so they stay untranslated.
    m_menu = new QMenu(this);
    m_menu->addAction(QStringLiteral("&Edit"), this, &PreviewArea::slotEditItem);
    QMenu* operations = m_menu->addMenu(QStringLiteral("&Operations"));
    for (char const* text : {"&Rotate", "&Negate", "&Contrast/Brightnes/Intensity"})
        operations->addAction(QString::fromLatin1(text), this, &PreviewArea::slotOperateItem);
    m_menu->addAction(QStringLiteral("&Empty2"));
    operations->setWindowOpacity(kMenuOpacity);
    m_menu->setWindowOpacity(kMenuOpacity);
}

void PreviewArea::refresh()
{
    displayItem(m_strItem);
}

QPixmap PreviewArea::pixmap() const
{
    return m_display;
}

QSize PreviewArea::largestUsefulSize() const
{
    QScreen const* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    QSize const screenSize = shownOn ? shownOn->size() * shownOn->devicePixelRatio() : QSize();
    return screenSize.expandedTo(size());
}

void PreviewArea::displayItem(QString const& str)
{
    // No preview is ever larger than the screen, so a larger photo is decoded at
    // about screen size rather than whole.
    QImage const image = Thumbnail::readFitted(str, largestUsefulSize());
    if (image.isNull()) {
        qCDebug(lcViewer).noquote() << tr("Cannot load %1.").arg(str);
        return;
    }
    m_strItem = str;
    m_source = Thumbnail(image.width(), image.height(), image);
    fitToWidget();
    update();
}

void PreviewArea::displayPixmap(QPixmap const& pix)
{
    m_source = Thumbnail(pix.width(), pix.height(), pix);
    fitToWidget();
    update();
}

void PreviewArea::fitToWidget()
{
    m_display = Thumbnail(width(), height(), static_cast<QPixmap const&>(m_source));
}

void PreviewArea::paintEvent(QPaintEvent* event)
{
    // Refitted only when the widget's size changed since the picture was fitted;
    // fitting a large picture on every paint would slow scrolling and exposure.
    if (m_display.size() != size())
        fitToWidget();
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_display);
    }
    QFrame::paintEvent(event);
}

void PreviewArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit showItem(m_strItem);
}

void PreviewArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        m_menu->exec(event->globalPos());
}

void PreviewArea::slotEditItem()
{
    if (!m_strItem.isNull())
        emit editItem(m_strItem);
}

void PreviewArea::slotOperateItem()
{
    auto const* action = qobject_cast<QAction const*>(sender());
    if (!action || m_strItem.isNull())
        return;
    emit operateItem(m_strItem, action->text());
}

} // namespace QMViewer
