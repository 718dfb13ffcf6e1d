#pragma once
// A checkable push button that reports every change of its checked state, by the
// user or by setChecked, as exactly one of onClicked() or offClicked().

#include <QPushButton>

namespace ZEDireroz {

class CheckButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CheckButton(QWidget* parent = nullptr);

signals:
    void onClicked();
    void offClicked();

public slots:
    void slotClicked(bool on);
};

} // namespace ZEDireroz
