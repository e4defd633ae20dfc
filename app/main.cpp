// Start-up: the application object with the shared menu bar, the wizard
// window, then the event loop until the program quits.
#include "App.h"
#include "MenuBar1.h"
#include "mainWindow.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    app.SetMenuBar(&MenuBar1::instance());
    // Building the wizard runs its Open event; an exception there is
    // reported like one from any other handler.
    RunHandler([] { mainWindow::instance(); });
    return app.Run();
}
