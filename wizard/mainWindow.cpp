// The wizard window's life: the single-instance accessor, the Open event
// (step marker, centring, first page) and the two small operations the page
// actions use, ToggleIndicators and ShowMessage.
#include "mainWindow.h"
#include "Application.h"
#include "MenuBar1.h"
#include <algorithm>

namespace {

mainWindow* s_instance = nullptr;

const QColor kCurrentStep(0x07, 0x91, 0x00);   // #079100
const QColor kOtherStep(0xBF, 0xBF, 0xBF);     // #BFBFBF

} // namespace

mainWindow& mainWindow::instance()
{
    if (!s_instance)
        new mainWindow;   // registers itself; the platform deletes it when it closes
    return *s_instance;
}

bool mainWindow::IsOpen() { return s_instance != nullptr; }

// The instance is registered before the layout and Open run: the page entry
// actions that Open triggers reach the wizard through the accessor, and must
// find this window rather than build a second one.
mainWindow::mainWindow() : Window(620, 420, Frame::Document)
{
    s_instance = this;
    try {
        SetTitle(QStringLiteral("Install Lumora™"));
        SetMenuBar(&MenuBar1::instance());
        BuildLayout();
        RaiseOpen();
    } catch (...) {
        s_instance = nullptr;   // no half-built wizard behind the accessor
        throw;
    }
}

mainWindow::~mainWindow()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void mainWindow::Open()
{
    ToggleIndicators(0, 0);
    Screen screen(0);
    SetLeft(int((screen.Width() - Width()) / 2.0));
    SetTop(int((screen.Height() - Height()) / 2.0));
    Pages->SetValue(0);
    Show();
}

// A progress page's pass must finish before the window may go.
bool mainWindow::CancelClose() { return passRunning; }

// Marks currentStep as the current step from firstStep on: its marker green
// and its label enabled, every later step grey and dimmed. Earlier steps keep
// what they showed, so a step once reached stays green. Steps outside 0..4
// do not exist and are skipped rather than indexed.
void mainWindow::ToggleIndicators(int firstStep, int currentStep)
{
    for (int i = std::max(firstStep, 0); i < int(stepIndicators.size()); ++i) {
        const bool current = i == currentStep;
        stepIndicators[i]->SetFillColor(current ? kCurrentStep : kOtherStep);
        installStepLabels[i]->SetEnabled(current);
    }
}

void mainWindow::ShowMessage(const QString& message)
{
    lblFinishMessage->SetText(message);
}
