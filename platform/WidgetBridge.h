#pragma once
// Glue shared by the window, control, menu and application code; not for
// callers outside the platform.
#include <functional>

class MenuBar;
class QMenuBar;
class QWidget;

// Runs an event the program raised itself (a page change, Push()). Inside a
// handler the exception travels on to the caller, so the handler that made
// the assignment stops there, as it would with any other exception; the
// outermost handler (always entered from Qt through RunHandler) reports it.
// Outside every handler the event is reported at once.
void RaiseEvent(const std::function<void()>& event);

// True while a handler runs (RunHandler is on the stack).
bool InsideHandler();

// A QMenuBar showing the model; choosing a quit item quits the application.
QMenuBar* BuildMenuBar(const MenuBar& model, QWidget* parent);
