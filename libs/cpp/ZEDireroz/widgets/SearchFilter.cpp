#include "ZEDireroz/widgets/SearchFilter.h"

#include "ZEDireroz/frame/Common.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

namespace ZEDireroz {

SearchFilter::SearchFilter(QWidget* parent)
    : QLineEdit(parent)
    , m_pClearButton(new QPushButton)
    , m_pEscapeAction(new QAction(QStringLiteral("Close"), this))
{
    Common::extend(this, QStringLiteral("SearchFilter"), tr("Search Filter"));
    Common::extend(m_pClearButton, QStringLiteral("SearchFilterDel"), tr("Clear"));
    m_pClearButton->setFixedSize(16, 16);
    m_pClearButton->setFlat(true);
    m_pClearButton->setCursor(Qt::ArrowCursor);
    m_pClearButton->setMouseTracking(true);
    m_pClearButton->hide();
    auto* layout = new QHBoxLayout;
    Common::zeroMargins(layout);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addWidget(m_pClearButton);
    setLayout(layout);

    // Scoped to the filter: a window-wide Escape would be ambiguous with two
    // filters in one window, and would keep Escape from closing a dialog. While
    // the filter is empty there is nothing to clear, and Escape passes on.
    m_pEscapeAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_pEscapeAction->setShortcutContext(Qt::WidgetShortcut);
    m_pEscapeAction->setEnabled(false);
    addAction(m_pEscapeAction);

    connect(m_pClearButton, &QPushButton::clicked, this, &SearchFilter::slotClearClicked);
    connect(m_pEscapeAction, &QAction::triggered, this, &SearchFilter::slotClearClicked);
    connect(this, &QLineEdit::textChanged, this, &SearchFilter::slotTextChanged);
}

void SearchFilter::slotClearClicked()
{
    clear();
    m_pClearButton->hide();
}

void SearchFilter::slotTextChanged(const QString& text)
{
    // Follows the text itself, not whether the button is on screen, so that
    // edits while the filter is hidden leave the right state.
    m_pClearButton->setHidden(text.isEmpty());
    m_pEscapeAction->setEnabled(!text.isEmpty());
}

void SearchFilter::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!text().isEmpty())
        return;
    QPainter painter(this);
    if (QApplication::focusWidget() != this) {
        painter.setPen(Qt::white);
        painter.drawText(QRect(5, 0, width(), height()), Qt::AlignVCenter | Qt::AlignLeft, tr("Search:"));
    }
    int const h = height();
    QPixmap const glass =
        QPixmap(QStringLiteral(":/pix/search.png")).scaled(h, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawPixmap(QRect(width() - h, 0, h, h), glass);
}

} // namespace ZEDireroz
