#include "MTools/Delay.h"

#include <QTimer>

namespace MTools {

namespace {

// A negative interval would never fire and the wait would never end.
int waitInterval(int ms)
{
    return ms < 0 ? 0 : ms;
}

} // namespace

void delay(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(waitInterval(ms), &loop, &QEventLoop::quit);
    loop.exec();
}

Delay::Delay(QObject* parent)
    : QObject(nullptr)
{
    Q_UNUSED(parent)
}

Delay::~Delay() = default;

int Delay::wait(int ms)
{
    QTimer::singleShot(waitInterval(ms), this, &Delay::slotUnblock);
    return m_loop.exec();
}

void Delay::slotUnblock()
{
    m_loop.exit(0);
}

} // namespace MTools
