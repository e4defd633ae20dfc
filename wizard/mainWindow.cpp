// Placeholder until the wizard window is laid out: the bare window, centred.
#include "mainWindow.h"
#include "Application.h"

namespace {
mainWindow* s_instance = nullptr;
}

mainWindow& mainWindow::instance()
{
    if (!s_instance)
        s_instance = new mainWindow;
    return *s_instance;
}

bool mainWindow::IsOpen() { return s_instance != nullptr; }

mainWindow::mainWindow() : Window(620, 420)
{
    SetTitle(QStringLiteral("Install Lumora™"));
    Open();
}

mainWindow::~mainWindow()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void mainWindow::Open()
{
    Screen screen(0);
    SetLeft(int((screen.Width() - Width()) / 2.0));
    SetTop(int((screen.Height() - Height()) / 2.0));
    Show();
}

bool mainWindow::CancelClose() { return passRunning; }
void mainWindow::BuildLayout() {}
void mainWindow::ToggleIndicators(int, int) {}
void mainWindow::ShowMessage(const QString&) {}
