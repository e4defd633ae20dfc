#pragma once
// The small sheet in which the wizard says that a choice is missing. At most
// one is open; instance() gives the open one or makes a fresh one with an
// empty text. OK (or Return) closes it, and closing destroys it.
#include "Window.h"

class messageWindow : public Window {
public:
    static messageWindow& instance();
    static bool IsOpen();
    ~messageWindow() override;

    StaticText* lblMessage = nullptr;
    PushButton* okButton = nullptr;

    void okButton_Action();

private:
    messageWindow();
};
