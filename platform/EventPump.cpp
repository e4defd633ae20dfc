#include "EventPump.h"

#include <QCoreApplication>
#include <chrono>

namespace EventPump {

void LetEventsThrough()
{
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last;
    if (!QCoreApplication::instance())
        return;
    const Clock::time_point now = Clock::now();
    if (now - last < std::chrono::milliseconds(25))
        return;
    last = now;
    QCoreApplication::processEvents();
}

} // namespace EventPump
