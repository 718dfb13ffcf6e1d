#include "ZEDireroz/dialogs/TopWidget.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZEDireroz {

IconLabel::IconLabel(QWidget* parent)
    : QLabel(parent)
{
}

void IconLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
}

TitleLabel::TitleLabel(QWidget* parent)
    : QLabel(parent)
{
}

TitleLabel::~TitleLabel()
{
    delete m_pDecoration.data();
}

void TitleLabel::setDecoration(QWidget* widget, QPoint const& offset)
{
    if (m_pDecoration != widget)
        delete m_pDecoration.data();
    m_pDecoration = widget;
    m_decorationOffset = offset;
    if (!widget)
        return;
    widget->setWindowFlags(Qt::ToolTip);
    if (isVisible()) {
        placeDecoration();
        widget->show();
    }
}

void TitleLabel::placeDecoration()
{
    if (m_pDecoration)
        m_pDecoration->move(mapToGlobal(m_decorationOffset));
}

void TitleLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressPosition = event->pos();
    QLabel::mousePressEvent(event);
}

void TitleLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        // Keep the point that was pressed under the cursor.
        QWidget* target = window();
        target->move(event->globalPos() - mapTo(target, m_pressPosition));
        placeDecoration();
    }
    QLabel::mouseMoveEvent(event);
}

void TitleLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    placeDecoration();
}

void TitleLabel::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (m_pDecoration) {
        placeDecoration();
        m_pDecoration->show();
    }
}

void TitleLabel::hideEvent(QHideEvent* event)
{
    QLabel::hideEvent(event);
    if (m_pDecoration)
        m_pDecoration->hide();
}

TopWidget::TopWidget(bool decorated, QWidget* parent)
    : QFrame(parent)
    , m_pTopLayout(nullptr)
    , m_pCloseButton(new QPushButton)
    , m_pMaximizeButton(new QPushButton)
    , m_pMinimizeButton(new QPushButton)
    , m_pTitleLabel(new TitleLabel)
    , m_pIconLabel(new IconLabel)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    m_pTitleLabel->setAlignment(Qt::AlignCenter);
    m_pIconLabel->setFixedSize(24, 24);
    m_pIconLabel->hide();

    struct TitleButton
    {
        QPushButton* button;
        char const* objectName;
        QString toolTip;
        char const* icon;
    };
    TitleButton const buttons[] = {
        {m_pCloseButton, "TopWidgetClose", tr("Close"), ":/images/topwidget_close.png"},
        {m_pMaximizeButton, "TopWidgetMaximize", tr("Maximize"), ":/images/topwidget_maximize.png"},
        {m_pMinimizeButton, "TopWidgetMinimize", tr("Minimize"), ":/images/topwidget_minimize.png"},
    };
    for (TitleButton const& b : buttons) {
        Common::extend(b.button, b.objectName, b.toolTip);
        b.button->setFixedSize(24, 24);
        b.button->setFlat(true);
        b.button->setFocusPolicy(Qt::NoFocus);
        // Without a style sheet for them the buttons would be blank squares.
        b.button->setIcon(QIcon(QString::fromLatin1(b.icon)));
    }
    connect(m_pCloseButton, &QPushButton::clicked, this, &TopWidget::reject);
    connect(m_pMaximizeButton, &QPushButton::clicked, this, &TopWidget::showMaximized);
    connect(m_pMinimizeButton, &QPushButton::clicked, this, &TopWidget::showMinimized);

    Common::extend(m_pTitleLabel, "TopWidgetTitle", tr("Title"));
    m_pTitleLabel->setFixedHeight(28);
    m_pTitleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* titleRow = new QHBoxLayout(m_pTitleLabel);
    titleRow->setContentsMargins(1, 1, 1, 1);
    titleRow->setSpacing(1);
    if (App::theApp()->isAppStore()) {
        titleRow->addWidget(m_pCloseButton);
        titleRow->addWidget(m_pMaximizeButton);
        titleRow->addWidget(m_pMinimizeButton);
        titleRow->addStretch(1);
        titleRow->addWidget(m_pIconLabel);
        titleRow->addStretch(1);
    } else {
        titleRow->addWidget(m_pIconLabel);
        titleRow->addStretch(1);
        titleRow->addWidget(m_pMinimizeButton);
        titleRow->addWidget(m_pMaximizeButton);
        titleRow->addWidget(m_pCloseButton);
    }

    if (decorated) {
        auto* over = new QWidget;
        over->setObjectName("TopOverWidget");
        m_pTopLayout = new QVBoxLayout(over);
        Common::zeroMargins(m_pTopLayout, 0);
        auto* windowLayout = new QVBoxLayout(this);
        Common::zeroMargins(windowLayout, 0);
        windowLayout->addWidget(m_pTitleLabel);
        windowLayout->addWidget(over);
    } else {
        m_pTopLayout = new QVBoxLayout(this);
        m_pTopLayout->setContentsMargins(1, 1, 1, 1);
        m_pTopLayout->setSpacing(1);
        m_pTopLayout->addWidget(m_pTitleLabel);
    }
}

TopWidget::~TopWidget()
{
    // A window deleted while its exec() runs: let exec() return instead of
    // leaving it in a loop that nothing can end.
    if (m_pEventLoop)
        m_pEventLoop->exit(0);
}

void TopWidget::setTitleLabel(QString const& text)
{
    m_pTitleLabel->setText(text);
    setWindowTitle(text);
}

void TopWidget::setTitleHeight(int height)
{
    m_pTitleLabel->setFixedHeight(height);
}

void TopWidget::setIcon(QPixmap const& pixmap)
{
    m_pIconLabel->setPixmap(pixmap.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    m_pIconLabel->show();
}

void TopWidget::hideClose()
{
    m_pCloseButton->hide();
}
void TopWidget::hideMaximize()
{
    m_pMaximizeButton->hide();
}
void TopWidget::hideMinimize()
{
    m_pMinimizeButton->hide();
}
void TopWidget::showClose()
{
    m_pCloseButton->show();
}
void TopWidget::showMaximize()
{
    m_pMaximizeButton->show();
}
void TopWidget::showMinimize()
{
    m_pMinimizeButton->show();
}

void TopWidget::setDecoration(QWidget* widget, QPoint const& offset)
{
    m_pTitleLabel->setDecoration(widget, offset);
}

void TopWidget::setDecoration(QMovie* movie, QPoint const& offset)
{
    auto* label = new QLabel;
    label->setMovie(movie);
    if (movie) {
        movie->start();
        QPixmap const frame = movie->currentPixmap();
        label->setFixedSize(frame.size());
        label->setMask(frame.mask());
    }
    label->setAutoFillBackground(false);
    m_pTitleLabel->setDecoration(label, offset);
}

void TopWidget::setDecoration(QPixmap const& pixmap, QPoint const& offset)
{
    auto* label = new QLabel;
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    label->setAutoFillBackground(false);
    // Transparent parts let clicks and the desktop through.
    label->setMask(pixmap.mask());
    m_pTitleLabel->setDecoration(label, offset);
}

int TopWidget::exec()
{
    if (m_pEventLoop) {
        qWarning("TopWidget::exec: already running");
        return 0;
    }
    setAttribute(Qt::WA_ShowModal, true);
    show();
    if (!m_pEscapeAction) {
        m_pEscapeAction = new QAction(this);
        m_pEscapeAction->setShortcut(Qt::Key_Escape);
        connect(m_pEscapeAction, &QAction::triggered, this, &TopWidget::reject);
        addAction(m_pEscapeAction);
    }
    // The loop lives on this stack frame, so the window may even be deleted
    // while it runs.
    QEventLoop loop;
    m_pEventLoop = &loop;
    QPointer<TopWidget> guard(this);
    int const result = loop.exec(QEventLoop::DialogExec);
    if (guard) {
        m_pEventLoop = nullptr;
        hide();
    }
    return result;
}

void TopWidget::finish(int result)
{
    if (m_pEventLoop)
        m_pEventLoop->exit(result);
    else
        hide();
}

void TopWidget::accept()
{
    finish(1);
}

void TopWidget::reject()
{
    finish(0);
}

void TopWidget::closeEvent(QCloseEvent* event)
{
    if (m_pEventLoop)
        m_pEventLoop->exit(0);
    QFrame::closeEvent(event);
}

} // namespace ZEDireroz
