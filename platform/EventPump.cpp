#include "EventPump.h"

#include <QCoreApplication>
#include <chrono>

namespace EventPump {

namespace {
bool fullPassDue = false;
}

void LetEventsThrough()
{
    using Clock = std::chrono::steady_clock;
    static Clock::time_point lastFullPass;
    if (!QCoreApplication::instance())
        return;
    const Clock::time_point now = Clock::now();
    if (!fullPassDue && now - lastFullPass < std::chrono::milliseconds(4)) {
        QCoreApplication::sendPostedEvents();
        return;
    }
    fullPassDue = false;
    lastFullPass = now;
    QCoreApplication::processEvents();
}

void FullPassNext()
{
    fullPassDue = true;
}

} // namespace EventPump
