#include "ZEDireroz/dialogs/InputDialog.h"

#include "ZEDireroz/frame/Common.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace ZEDireroz {

InputDialog::InputDialog(QString const& label, QWidget* parent, char const*, bool, Type type)
    : QDialog(parent)
    , m_pSpinBox(new QSpinBox)
    , m_pLineEdit(new QLineEdit)
    , m_pOkButton(new QPushButton(tr("Ok")))
    , m_pCancelButton(new QPushButton("Cancel"))
    , m_pStack(new QStackedWidget)
    , m_eType(type)
{
    setObjectName("InputDialog");

    m_pLineEdit->setFixedHeight(32);
    m_pStack->addWidget(m_pSpinBox);
    m_pStack->addWidget(m_pLineEdit);

    Common::applyPushButtonDetails(m_pOkButton);
    Common::applyPushButtonDetails(m_pCancelButton);
    connect(m_pOkButton, &QPushButton::clicked, this, &InputDialog::accept);
    connect(m_pCancelButton, &QPushButton::clicked, this, &InputDialog::reject);

    QBoxLayout* buttonRow = Common::isPocketDevice() ? static_cast<QBoxLayout*>(new QVBoxLayout)
                                                     : static_cast<QBoxLayout*>(new QHBoxLayout);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_pOkButton);
    buttonRow->addWidget(m_pCancelButton);

    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(label));
    content->addWidget(m_pStack);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(10, 10, 10, 10);
    mainLayout->setSpacing(7);
    mainLayout->addLayout(content);
    mainLayout->addLayout(buttonRow);

    setType(type);
}

void InputDialog::setType(Type type)
{
    m_eType = type;
    if (type == Value) {
        m_pStack->setCurrentIndex(0);
        m_pSpinBox->setFocus();
    } else if (type == String) {
        m_pStack->setCurrentIndex(1);
        m_pLineEdit->setFocus();
    }
}

void InputDialog::accept()
{
    QDialog::accept();
}

void InputDialog::reject()
{
    QDialog::reject();
}

QString InputDialog::getText(QWidget* parent, QString const& title, QString const& label, QLineEdit::EchoMode mode,
                             QString const& text, bool* ok, char const* name)
{
    QPointer<InputDialog> dialog = new InputDialog(label, parent, name, true, String);
    dialog->setWindowTitle(title);
    dialog->stringWidget()->setEchoMode(mode);
    dialog->stringWidget()->setText(text);
    bool const accepted = dialog->exec() == QDialog::Accepted && dialog;
    if (ok)
        *ok = accepted;
    // A cancelled dialog leaves the caller's text as it was.
    QString const result = accepted ? dialog->stringWidget()->text() : text;
    delete dialog.data();
    return result;
}

int InputDialog::getInteger(QWidget* parent, QString const& title, QString const& label, int value, int minValue,
                            int maxValue, int, bool* ok, char const* name)
{
    QPointer<InputDialog> dialog = new InputDialog(label, parent, name, true, Value);
    dialog->setWindowTitle(title);
    // The range first, so that a value inside it is kept as it is.
    dialog->valueWidget()->setRange(minValue, maxValue);
    dialog->valueWidget()->setValue(value);
    bool const accepted = dialog->exec() == QDialog::Accepted && dialog;
    if (ok)
        *ok = accepted;
    int const result = accepted ? dialog->valueWidget()->value() : value;
    delete dialog.data();
    return result;
}

} // namespace ZEDireroz
