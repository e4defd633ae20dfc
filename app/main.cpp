// Start-up: the application object with the shared menu bar, the wizard
// window, then the event loop until the program quits. The command line is
// read first: --help and usage errors need no display, and the unattended
// mode must pick the offscreen platform before the application object exists.
#include "App.h"
#include "CommandLine.h"
#include "MenuBar1.h"
#include "Unattended.h"
#include "mainWindow.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const CommandLine command = CommandLine::Parse(argc, argv);
    switch (command.mode) {
    case CommandLine::Mode::Help:
        std::fputs(CommandLine::Usage().toUtf8().constData(), stdout);
        return 0;
    case CommandLine::Mode::UsageError:
        std::fprintf(stderr, "lumora-installer: %s (lumora-installer --help shows the usage)\n",
                     command.error.toUtf8().constData());
        return 2;
    case CommandLine::Mode::Unattended:
        Unattended::PrepareProcess();
        break;
    case CommandLine::Mode::Window:
        break;
    }

    App app(argc, argv);
    app.SetMenuBar(&MenuBar1::instance());
    if (command.mode == CommandLine::Mode::Unattended)
        return Unattended(command).Run(app);
    // Building the wizard runs its Open event; an exception there is
    // reported like one from any other handler.
    RunHandler([] { mainWindow::instance(); });
    return app.Run();
}
