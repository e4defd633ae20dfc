#pragma once
// The application object: AutoQuit on Open, the shared menu bar.
#include "Application.h"

class App : public Application {
public:
    App(int& argc, char** argv);
    static App* instance();
    void Open() override;
};
