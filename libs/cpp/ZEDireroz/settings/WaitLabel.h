#pragma once
// A translucent, frameless window with a text and a busy animation, shown while
// the update check waits for the server.

#include <QLabel>

class QMovie;

namespace ZEDireroz {

class WaitLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WaitLabel(QString const& text, QWidget* parent = nullptr);

private:
    QLabel* m_pAnimationLabel;
    QMovie* m_pMovie;
};

} // namespace ZEDireroz
