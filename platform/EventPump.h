#pragma once
// The one place where long work lets the event loop run: the per-file
// Application::DoEvents of a tree walk, and the file copy between chunks of a
// big file. Cheap enough to call per file or per chunk:
// - posted events (deferred deletions, queued calls, repaints asked for) are
//   handled at every call;
// - the full pass of the event loop (input, timers, the window system), which
//   costs a poll of the system, runs when the last one is at least 4 ms old.
// - the full pass also runs at the next call after a progress bar reached
//   either end, so a finished step is drawn, and seen by whatever watches the
//   bar from the event loop, before the next step starts.
// So a window answers and redraws within a few milliseconds however the work
// is cut, and twenty thousand small files do not pay twenty thousand polls.
namespace EventPump {
void LetEventsThrough();
void FullPassNext();
}
