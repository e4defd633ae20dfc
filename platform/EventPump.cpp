#include "EventPump.h"

#include <QCoreApplication>
#include <chrono>

namespace EventPump {

void LetEventsThrough()
{
    using Clock = std::chrono::steady_clock;
    static Clock::time_point lastFullPass;
    if (!QCoreApplication::instance())
        return;
    const Clock::time_point now = Clock::now();
    if (now - lastFullPass < std::chrono::milliseconds(4)) {
        QCoreApplication::sendPostedEvents();
        return;
    }
    lastFullPass = now;
    QCoreApplication::processEvents();
}

} // namespace EventPump
