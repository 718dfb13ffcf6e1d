#pragma once
// The concert pitch and the repeat mode are one state for all tuner screens:
// every panel shows them and every page's buttons follow them, whichever
// panel the user changed them on. This object stores a change and tells
// every panel and page about it.

#include <QObject>

namespace RADarir {

class TunerSettings : public QObject
{
    Q_OBJECT
public:
    // The one object of the running application.
    static TunerSettings* instance();

    // Stores the pitch (already one of the menu's) and announces it.
    void setPitch(int hz);
    // Stores the repeat mode and announces it.
    void setRepeat(bool on);

signals:
    void pitchChanged(int hz);
    void repeatChanged(bool on);

private:
    explicit TunerSettings(QObject* parent);
};

} // namespace RADarir
