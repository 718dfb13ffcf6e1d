#include "ZEDireroz/promotion/EmailEdit.h"

#include "MTools/RegExps.h"
#include "ZEDireroz/frame/Common.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace ZEDireroz {

EmailEdit::EmailEdit(QWidget* parent)
    : QWidget(parent)
{
    m_pLineEdit = new QLineEdit;
    m_pECardButton = new QPushButton;
    m_pEmailButton = new QPushButton;
    Common::extend(m_pECardButton, QStringLiteral("CardEditButton"), tr("Send an ecard"));
    Common::extend(m_pEmailButton, QStringLiteral("EmailEditButton"), tr("Send an email"));
    for (QPushButton* button : {m_pECardButton, m_pEmailButton}) {
        button->setFixedSize(24, 24);
        button->setFlat(true);
        button->setEnabled(false);
    }

    connect(m_pLineEdit, &QLineEdit::textChanged, this, &EmailEdit::slotTextChanged);
    connect(m_pECardButton, &QPushButton::clicked, this, &EmailEdit::slotSendECard);
    connect(m_pEmailButton, &QPushButton::clicked, this, &EmailEdit::slotSendEmail);

    QHBoxLayout* layout = new QHBoxLayout(this);
    Common::zeroMargins(layout, 0);
    layout->addWidget(m_pLineEdit);
    layout->addWidget(m_pECardButton);
    layout->addWidget(m_pEmailButton);
}

void EmailEdit::setText(QString const& text)
{
    m_pLineEdit->setText(text);
    validate(text);
}

QString EmailEdit::text() const
{
    return m_pLineEdit->text();
}

bool EmailEdit::isValidAddress(QString const& text)
{
    return MTools::RegExps::email().exactMatch(text);
}

void EmailEdit::slotSendEmail()
{
    emit sendEmail(text());
}

void EmailEdit::slotSendECard()
{
    emit sendECard(text());
}

void EmailEdit::slotTextChanged()
{
    QString const current = text();
    emit textChanged(current);
    validate(current);
}

void EmailEdit::validate(QString const& text)
{
    bool const valid = isValidAddress(text);
    m_pECardButton->setEnabled(valid);
    m_pEmailButton->setEnabled(valid);
}

} // namespace ZEDireroz
