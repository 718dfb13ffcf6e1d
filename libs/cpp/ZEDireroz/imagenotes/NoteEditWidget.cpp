#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace ZEDireroz {

namespace {

QPushButton* flatButton(QString const& name, QString const& toolTip)
{
    auto* button = new QPushButton;
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setFlat(true);
    return button;
}

} // namespace

// The box leaves the application's save folder alone: several boxes may exist,
// and creating one must not undo a folder the user has just chosen.
NoteEditWidget::NoteEditWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("NoteEditWidget"));
    m_pTextEdit = new QTextEdit;
    m_pTextEdit->setAttribute(Qt::WA_TranslucentBackground);
    m_pAccept = flatButton(QStringLiteral("NoteEditWidgetAccept"), tr("Accept"));
    m_pCancel = flatButton(QStringLiteral("NoteEditWidgetReject"), tr("Cancel"));
    QPushButton* increase = flatButton(QStringLiteral("NoteEditWidgetInc"), tr("Increase"));
    QPushButton* decrease = flatButton(QStringLiteral("NoteEditWidgetDec"), tr("Decrease"));

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_pAccept);
    row->addWidget(m_pCancel);
    row->addStretch(1);
    row->addWidget(increase);
    row->addWidget(decrease);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_pTextEdit);
    column->addLayout(row);

    connect(increase, &QPushButton::clicked, this, &NoteEditWidget::slotIncrease);
    connect(decrease, &QPushButton::clicked, this, &NoteEditWidget::slotDecrease);
    connect(m_pCancel, &QPushButton::clicked, this, &NoteEditWidget::cancelClicked);
    connect(m_pAccept, &QPushButton::clicked, this, &NoteEditWidget::okClicked);
}

void NoteEditWidget::hideAll()
{
    hide();
    m_pTextEdit->hide();
    m_pAccept->hide();
    m_pCancel->hide();
}

void NoteEditWidget::showAll()
{
    show();
    m_pTextEdit->show();
    m_pAccept->show();
    m_pCancel->show();
    m_pTextEdit->setFocus(Qt::OtherFocusReason);
}

qreal NoteEditWidget::fontPointSize() const
{
    return m_pTextEdit->fontPointSize();
}

void NoteEditWidget::slotIncrease()
{
    changeSize(kSizeStep);
}

void NoteEditWidget::slotDecrease()
{
    changeSize(-kSizeStep);
}

// The whole text is selected first, so the box always shows one size, and the
// note is written into the picture in that size.
void NoteEditWidget::changeSize(int delta)
{
    m_pTextEdit->selectAll();
    int const size = qMax(kMinimumPointSize, m_pTextEdit->currentFont().pointSize() + delta);
    m_pTextEdit->setFontPointSize(size);
}

} // namespace ZEDireroz
