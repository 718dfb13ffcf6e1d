#pragma once
// The reminders that ask, now and then after start, to rate the application, to
// share it or to join the maker's channels. One modal dialog records which of
// its buttons ended it; the subclasses give it its words and its middle row.

#include <QDialog>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace ZEDireroz {

class ReminderDialog : public QDialog
{
    Q_OBJECT
public:
    // What ended the dialog.
    enum State { Closed = 0, Now = 1, MaybeLater = 2, NeverAskMeAgain = 3 };

    explicit ReminderDialog(QWidget* parent = nullptr);

    int state() const { return m_nState; }

    QLabel* textLabel() const { return m_pTextLabel; }
    QLabel* logoLabel() const { return m_pLogoLabel; }
    QPushButton* nowButton() const { return m_pNow; }
    QPushButton* maybeLaterButton() const { return m_pMaybeLater; }
    QPushButton* secondMaybeLaterButton() const { return m_pMaybeLater2; }
    QPushButton* neverButton() const { return m_pNever; }
    QHBoxLayout* contentRow() const { return m_pContentRow; }

public slots:
    void slotNow();
    void slotMaybeLater();
    void slotNeverAskMeAgain();

protected:
    void focusInEvent(QFocusEvent* event) override;
    // Closes the heading that the constructor opened, after the subclass's line.
    void finishText(QString const& line);

private:
    QLabel* m_pTextLabel = nullptr;
    int m_nState = Closed;
    QPushButton* m_pNow = nullptr;
    QPushButton* m_pMaybeLater = nullptr;
    QPushButton* m_pMaybeLater2 = nullptr;
    QPushButton* m_pNever = nullptr;
    QHBoxLayout* m_pContentRow = nullptr;
    QLabel* m_pLogoLabel = nullptr;
    bool m_bPocket = false;
};

class RateReminderDialog : public ReminderDialog
{
    Q_OBJECT
public:
    explicit RateReminderDialog(QWidget* parent = nullptr);
};

class TellReminderDialog : public ReminderDialog
{
    Q_OBJECT
public:
    explicit TellReminderDialog(QWidget* parent = nullptr);
};

class JoinReminderDialog : public ReminderDialog
{
    Q_OBJECT
public:
    explicit JoinReminderDialog(QWidget* parent = nullptr);
};

} // namespace ZEDireroz
