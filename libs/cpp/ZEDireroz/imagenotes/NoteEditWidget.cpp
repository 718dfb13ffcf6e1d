#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include "ZEDireroz/frame/Common.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextDocument>
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

// The four buttons show round pictures and light up under the pointer. Only
// the box's own buttons are addressed: the text edit keeps the colours the
// work area gives it.
QString buttonStyleSheet()
{
    struct Picture
    {
        char const* name;
        char const* picture;
    };
    Picture const pictures[] = {{"NoteEditWidgetAccept", "accept"},
                                {"NoteEditWidgetReject", "cancel"},
                                {"NoteEditWidgetInc", "increase"},
                                {"NoteEditWidgetDec", "decrease"}};
    QString sheet;
    QStringList selectors;
    for (Picture const& entry : pictures) {
        sheet += QStringLiteral("QPushButton#%1 { image: url(:/imagenotes/note-%2.png); }\n")
                     .arg(QLatin1String(entry.name), QLatin1String(entry.picture));
        selectors << QStringLiteral("QPushButton#") + QLatin1String(entry.name);
    }
    sheet += selectors.join(QStringLiteral(", "))
             + QStringLiteral(" { min-width: 24px; max-width: 24px; min-height: 24px; max-height: 24px;"
                              " padding: 1px; border: 1px solid transparent; border-radius: 5px;"
                              " background: transparent; }\n");
    sheet += selectors.join(QStringLiteral(":hover, "))
             + QStringLiteral(":hover { background: rgba(0, 0, 0, 30); border-color: rgba(0, 0, 0, 50); }\n");
    sheet +=
        selectors.join(QStringLiteral(":pressed, ")) + QStringLiteral(":pressed { background: rgba(0, 0, 0, 60); }\n");
    return sheet;
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
    Common::zeroMargins(row);
    row->setSpacing(0);
    row->addWidget(m_pAccept);
    row->addWidget(m_pCancel);
    row->addStretch(1);
    row->addWidget(increase);
    row->addWidget(decrease);

    auto* column = new QVBoxLayout(this);
    Common::zeroMargins(column);
    column->setSpacing(0);
    column->addWidget(m_pTextEdit);
    column->addLayout(row);

    connect(increase, &QPushButton::clicked, this, &NoteEditWidget::slotIncrease);
    connect(decrease, &QPushButton::clicked, this, &NoteEditWidget::slotDecrease);
    connect(m_pCancel, &QPushButton::clicked, this, &NoteEditWidget::cancelClicked);
    connect(m_pAccept, &QPushButton::clicked, this, &NoteEditWidget::okClicked);
    connect(m_pTextEdit, &QTextEdit::textChanged, this, [this] {
        if (!isHidden())
            emit edited();
    });
    setStyleSheet(buttonStyleSheet());
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
    emit edited();
}

bool NoteEditWidget::holdsNote() const
{
    return !isHidden() && !m_pTextEdit->document()->isEmpty();
}

void NoteEditWidget::accept()
{
    m_pAccept->click();
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
