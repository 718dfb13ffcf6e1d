#pragma once
// A small modal message box in the look of the application's own dialogs: an
// icon, a text and a chosen set of answer buttons. exec() returns the pressed
// button's standard-button bit, or 0 when the box is closed without an answer.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QBoxLayout;

namespace ZEDireroz {

class MessageBox : public QDialog
{
    Q_OBJECT
public:
    enum Icon : int { Information = 1, Warning = 2, Critical = 3, Question = 4 };

    MessageBox(Icon icon, QString const& title, QString const& text, int buttons, QWidget* parent = nullptr);

    // The style's standard picture for the icon; an empty picture for any other value.
    static QPixmap icon(Icon icon);

    // Each runs a box over parent and returns the pressed button's bit (0 when
    // closed without an answer). The last argument is accepted and not used.
    static int information(QWidget* parent, QString const& title, QString const& text, int buttons, int = 0);
    static int warning(QWidget* parent, QString const& title, QString const& text, int buttons, int = 0);
    static int critical(QWidget* parent, QString const& title, QString const& text, int buttons, int = 0);
    static int question(QWidget* parent, QString const& title, QString const& text, int buttons, int = 0);

protected:
    // A wrapped text needs more lines as the box gets narrower, which a
    // window's minimum height cannot follow: the box never gets smaller than
    // it opens at, so no line of the message is ever cut off.
    void showEvent(QShowEvent* event) override;

private slots:
    void slotOk();
    void slotCancel();
    void slotNo();
    void slotYes();
    void slotAbort();
    void slotRetry();
    void slotIgnore();
    void slotYesAll();
    void slotNoAll();

private:
    static int run(Icon icon, QWidget* parent, QString const& title, QString const& text, int buttons);

    QLabel* m_pTextLabel;
    QLabel* m_pIconLabel;
};

} // namespace ZEDireroz
