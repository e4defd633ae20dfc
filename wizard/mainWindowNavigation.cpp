// Continue and Go Back.
#include "mainWindow.h"

void mainWindow::continueButton_Action() {}
void mainWindow::backButton_Action() {}
