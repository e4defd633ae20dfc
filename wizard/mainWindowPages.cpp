// What entering each page does.
#include "mainWindow.h"

void mainWindow::Pages_Change() {}
