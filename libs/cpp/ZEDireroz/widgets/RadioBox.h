#pragma once
// Buttons in a row or column that act as one exclusive choice: the last clicked
// one is checked, every other one unchecked. Users listen to the buttons.

#include <QBoxLayout>
#include <QWidget>

class QAbstractButton;

namespace ZEDireroz {

class RadioBox : public QWidget
{
    Q_OBJECT
public:
    explicit RadioBox(QBoxLayout::Direction direction, QWidget* parent = nullptr);

    // Makes the button checkable (its checked state is left as it is) and appends it.
    void addButton(QAbstractButton* button);

public slots:
    void slotButtonClicked();

private:
    QBoxLayout* m_pLayout;
};

} // namespace ZEDireroz
