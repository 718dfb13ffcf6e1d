#pragma once
// A plain frame that hosts an application's main widget, standing in for a
// phone screen; the style sheet dresses it through its object name.

#include <QFrame>
#include <QPointer>

class QHBoxLayout;

namespace ZEDireroz {

class MobileSimulator : public QFrame
{
    Q_OBJECT
public:
    explicit MobileSimulator(QWidget* parent = nullptr);

    // Appends w to the frame (which becomes its parent) and remembers it.
    void setMainWidget(QWidget* w);
    QWidget* mainWidget() const { return m_pMainWidget; }

private:
    QHBoxLayout* m_pLayout;
    QPointer<QWidget> m_pMainWidget;
};

} // namespace ZEDireroz
