#pragma once
// A one-line e-mail address field with two small buttons, send an e-mail and send
// an e-card, enabled only while the text is a valid address. It only signals;
// the sending is the business of the window that holds it.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace ZEDireroz {

class EmailEdit : public QWidget
{
    Q_OBJECT
public:
    explicit EmailEdit(QWidget* parent = nullptr);

    void setText(QString const& text);
    QString text() const;

    static bool isValidAddress(QString const& text);

    QLineEdit* lineEdit() const { return m_pLineEdit; }
    QPushButton* eCardButton() const { return m_pECardButton; }
    QPushButton* emailButton() const { return m_pEmailButton; }

signals:
    void sendEmail(QString const& address);
    void sendECard(QString const& address);
    void textChanged(QString const& text);

public slots:
    void slotSendEmail();
    void slotSendECard();
    void slotTextChanged();

private:
    void validate(QString const& text);

    QLineEdit* m_pLineEdit = nullptr;
    QPushButton* m_pECardButton = nullptr;
    QPushButton* m_pEmailButton = nullptr;
};

} // namespace ZEDireroz
