#pragma once
// The one place where the file copy lets the event loop run between chunks of
// a big file. Cheap enough to call per chunk however small: posted events
// (deferred deletions, queued calls, repaints asked for) are handled at every
// call, the full pass of the event loop (input, timers, the window system),
// which costs a poll of the system, when the last one is at least 4 ms old.
// So a window answers and redraws within a few milliseconds however the work
// is cut.
namespace EventPump {
void LetEventsThrough();
}
