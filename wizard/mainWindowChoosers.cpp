// The location radio buttons and Browse buttons.
#include "mainWindow.h"

void mainWindow::rbDefaultLoc_Action() {}
void mainWindow::rbAltLoc_Action() {}
void mainWindow::BrowseButton_Action() {}
void mainWindow::LMBrowse_Action() {}
void mainWindow::rbdDefault_Action() {}
void mainWindow::rbdAlternateLocation_Action() {}
void mainWindow::TemplateBrowse_Action() {}
void mainWindow::BcgBrowse_Action() {}
