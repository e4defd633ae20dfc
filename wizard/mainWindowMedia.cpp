// Finding the CD's content folders and reading an earlier installation's log.
#include "mainWindow.h"

void mainWindow::VerifyCDContents() {}
bool mainWindow::VerifyPrevInstallation() { return false; }
