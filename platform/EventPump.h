#pragma once
// The one place where long file work lets the event loop run, so a window
// keeps redrawing during a big copy. Calls closer together than a frame are
// skipped, so callers may ask as often as they like (per file, per chunk).
namespace EventPump {
void LetEventsThrough();
}
