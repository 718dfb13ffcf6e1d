#pragma once
// A small modal dialog that asks for one line of text or one integer, in the
// look of the application's own dialogs.

#include <QDialog>
#include <QLineEdit>

#include <climits>

class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace ZEDireroz {

class InputDialog : public QDialog
{
    Q_OBJECT
public:
    // A fixed underlying type, since other values may be stored as well.
    enum Type : int { Value = 0, String = 1 };

    // name and modal are accepted for callers' sake; exec() makes the dialog modal.
    explicit InputDialog(QString const& label, QWidget* parent = nullptr, char const* name = nullptr, bool modal = true,
                         Type type = Value);

    // Value shows the spin box, String the line edit; any other value is only stored.
    void setType(Type type);
    Type type() const { return m_eType; }
    QSpinBox* valueWidget() const { return m_pSpinBox; }
    QLineEdit* stringWidget() const { return m_pLineEdit; }

    // Returns the entered text with *ok true when the user confirmed; on Cancel
    // returns text unchanged with *ok false.
    static QString getText(QWidget* parent, QString const& title, QString const& label,
                           QLineEdit::EchoMode mode = QLineEdit::Normal, QString const& text = QString(),
                           bool* ok = nullptr, char const* name = nullptr);
    // Returns the entered value (value pulled into the range to start with) with
    // *ok true when the user confirmed; on Cancel returns value with *ok false.
    // The step argument is accepted and not used.
    static int getInteger(QWidget* parent, QString const& title, QString const& label, int value = 0,
                          int minValue = INT_MIN, int maxValue = INT_MAX, int step = 1, bool* ok = nullptr,
                          char const* name = nullptr);

public slots:
    void accept() override;
    void reject() override;

private:
    QSpinBox* m_pSpinBox;
    QLineEdit* m_pLineEdit;
    QPushButton* m_pOkButton;
    QPushButton* m_pCancelButton;
    QStackedWidget* m_pStack;
    Type m_eType;
};

} // namespace ZEDireroz
