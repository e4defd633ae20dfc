// The message sheet: a multi-line label and an OK button.
#include "messageWindow.h"

#include <algorithm>

namespace {
messageWindow* s_instance = nullptr;
}

messageWindow& messageWindow::instance()
{
    // A dialog that was closed is gone for its callers even before the
    // event loop gets round to destroying it.
    if (s_instance) {
        const auto open = Window::OpenWindows();
        if (std::find(open.begin(), open.end(), s_instance) == open.end())
            s_instance = nullptr;
    }
    if (!s_instance)
        s_instance = new messageWindow;
    return *s_instance;
}

bool messageWindow::IsOpen()
{
    if (!s_instance)
        return false;
    const auto open = Window::OpenWindows();
    return std::find(open.begin(), open.end(), s_instance) != open.end();
}

messageWindow::messageWindow() : Window(341, 98, Frame::Sheet)
{
    SetTitle(QStringLiteral("Untitled"));

    lblMessage = new StaticText(this, QStringLiteral("lblMessage"), 20, 14, 309, 45);
    lblMessage->SetMultiline(true);

    okButton = new PushButton(this, QStringLiteral("okButton"), 249, 66, 80, 20, QStringLiteral("OK"));
    okButton->SetDefault(true);
    okButton->Action = [this] { okButton_Action(); };
}

messageWindow::~messageWindow()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void messageWindow::okButton_Action() { Close(); }
