// The application object.
#include "App.h"

App::App(int& argc, char** argv) : Application(argc, argv) {}

App* App::instance() { return static_cast<App*>(Application::Instance()); }

// Closing the wizard window ends the program.
void App::Open() { SetAutoQuit(true); }
