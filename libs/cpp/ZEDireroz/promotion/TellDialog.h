#pragma once
// The share dialog: a thank-you text and the share panel.

#include <QDialog>

class QLabel;

namespace ZEDireroz {

class TellWidget;

class TellDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TellDialog(QWidget* parent = nullptr);

    TellWidget* tellWidget() const { return m_pTellWidget; }
    QLabel* textLabel() const { return m_pText; }

private:
    QLabel* m_pText = nullptr;
    TellWidget* m_pTellWidget = nullptr;
};

} // namespace ZEDireroz
