#pragma once
// An event filter that centres a widget when it is shown: a child widget in its
// parent, a window over its parent window, a window without parent on the desktop.
// Install it on the widget to be centred.

#include <QObject>

namespace ZEDireroz {

class CenterFilter : public QObject
{
    Q_OBJECT
public:
    explicit CenterFilter(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ZEDireroz
