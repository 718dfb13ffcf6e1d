#include "ZEDireroz/dialogs/MessageBox.h"

#include "ZEDireroz/frame/Common.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ZEDireroz {

namespace {

// The buttons in the order they are laid out, whatever order the caller
// combined their bits in.
struct ButtonEntry
{
    int bit;
    char const* text;
    void (MessageBox::*slot)();
};

} // namespace

MessageBox::MessageBox(Icon icon, QString const& title, QString const& text, int buttons, QWidget* parent)
    : QDialog(parent)
    , m_pTextLabel(new QLabel)
    , m_pIconLabel(new QLabel)
{
    setObjectName("MessageBox");
    setWindowTitle(title);

    m_pTextLabel->setWordWrap(true);
    m_pTextLabel->setText(text);
    QPixmap const picture = MessageBox::icon(icon);
    m_pIconLabel->setPixmap(picture);
    m_pIconLabel->setFixedSize(picture.size());

    ButtonEntry const entries[] = {
        {QMessageBox::Ok, QT_TR_NOOP("Ok"), &MessageBox::slotOk},
        {QMessageBox::Cancel, QT_TR_NOOP("Cancel"), &MessageBox::slotCancel},
        {QMessageBox::No, QT_TR_NOOP("No"), &MessageBox::slotNo},
        {QMessageBox::Yes, QT_TR_NOOP("Yes"), &MessageBox::slotYes},
        {QMessageBox::Abort, QT_TR_NOOP("Abort"), &MessageBox::slotAbort},
        {QMessageBox::Retry, QT_TR_NOOP("Retry"), &MessageBox::slotRetry},
        {QMessageBox::Ignore, QT_TR_NOOP("Ignore"), &MessageBox::slotIgnore},
        {QMessageBox::YesToAll, QT_TR_NOOP("YesAll"), &MessageBox::slotYesAll},
        {QMessageBox::NoToAll, QT_TR_NOOP("NoAll"), &MessageBox::slotNoAll},
    };

    QBoxLayout* buttonRow = Common::isPocketDevice() ? static_cast<QBoxLayout*>(new QVBoxLayout)
                                                     : static_cast<QBoxLayout*>(new QHBoxLayout);
    buttonRow->setContentsMargins(1, 1, 1, 1);
    buttonRow->setSpacing(3);
    buttonRow->addStretch(1);
    for (ButtonEntry const& entry : entries) {
        if (!(buttons & entry.bit))
            continue;
        auto* button = new QPushButton(tr(entry.text));
        Common::applyPushButtonDetails(button);
        connect(button, &QPushButton::clicked, this, entry.slot);
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch(1);

    auto* topRow = new QHBoxLayout;
    topRow->setContentsMargins(1, 1, 1, 1);
    topRow->setSpacing(1);
    topRow->addWidget(m_pIconLabel);
    topRow->addWidget(m_pTextLabel);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(5, 5, 5, 5);
    mainLayout->setSpacing(5);
    mainLayout->addLayout(topRow);
    mainLayout->addLayout(buttonRow);
}

void MessageBox::showEvent(QShowEvent* event)
{
    setMinimumSize(sizeHint());
    QDialog::showEvent(event);
}

QPixmap MessageBox::icon(Icon icon)
{
    QStyle::StandardPixmap standard;
    switch (icon) {
    case Information:
        standard = QStyle::SP_MessageBoxInformation;
        break;
    case Warning:
        standard = QStyle::SP_MessageBoxWarning;
        break;
    case Critical:
        standard = QStyle::SP_MessageBoxCritical;
        break;
    case Question:
        standard = QStyle::SP_MessageBoxQuestion;
        break;
    default:
        return QPixmap();
    }
    return QApplication::style()->standardPixmap(standard, nullptr, nullptr);
}

int MessageBox::run(Icon icon, QWidget* parent, QString const& title, QString const& text, int buttons)
{
    // The box is deleted when it has answered; the guard covers a parent that
    // goes away (and takes the box with it) while the box is still open.
    QPointer<MessageBox> box = new MessageBox(icon, title, text, buttons, parent);
    int const result = box->exec();
    delete box.data();
    return result;
}

int MessageBox::information(QWidget* parent, QString const& title, QString const& text, int buttons, int)
{
    return run(Information, parent, title, text, buttons);
}

int MessageBox::warning(QWidget* parent, QString const& title, QString const& text, int buttons, int)
{
    return run(Warning, parent, title, text, buttons);
}

int MessageBox::critical(QWidget* parent, QString const& title, QString const& text, int buttons, int)
{
    return run(Critical, parent, title, text, buttons);
}

int MessageBox::question(QWidget* parent, QString const& title, QString const& text, int buttons, int)
{
    return run(Question, parent, title, text, buttons);
}

void MessageBox::slotOk()
{
    done(QMessageBox::Ok);
}
void MessageBox::slotCancel()
{
    done(QMessageBox::Cancel);
}
void MessageBox::slotNo()
{
    done(QMessageBox::No);
}
void MessageBox::slotYes()
{
    done(QMessageBox::Yes);
}
void MessageBox::slotAbort()
{
    done(QMessageBox::Abort);
}
void MessageBox::slotRetry()
{
    done(QMessageBox::Retry);
}
void MessageBox::slotIgnore()
{
    done(QMessageBox::Ignore);
}
void MessageBox::slotYesAll()
{
    done(QMessageBox::YesToAll);
}
void MessageBox::slotNoAll()
{
    done(QMessageBox::NoToAll);
}

} // namespace ZEDireroz
