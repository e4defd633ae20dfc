#pragma once
// The one menu bar the application object and the wizard window share:
// File (Quit) and Edit (Undo, Cut, Copy, Paste, Clear, Select All).
#include "MenuBar.h"

class MenuBar1 : public MenuBar {
public:
    static MenuBar1& instance();    // created on first use, kept for the program's life
private:
    MenuBar1();
};
