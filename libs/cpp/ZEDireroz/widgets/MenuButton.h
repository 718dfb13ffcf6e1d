#pragma once
// A push button that writes "Menu" in white over the lower half of its face.

#include <QPushButton>

namespace ZEDireroz {

class MenuButton : public QPushButton
{
    Q_OBJECT
public:
    explicit MenuButton(QWidget* parent = nullptr);
    explicit MenuButton(QString const& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ZEDireroz
