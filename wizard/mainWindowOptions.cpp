// The Keynote options page's check boxes and radio buttons.
#include "mainWindow.h"

void mainWindow::rbInstall_Action() {}
void mainWindow::rbUninstall_Action() {}
void mainWindow::chkInstTheme_Action() {}
void mainWindow::chkInstBg_Action() {}
void mainWindow::chkInstallKeyTemplates_Action() {}
void mainWindow::ChkInstallLMFonts_Action() {}
void mainWindow::chkUnistTheme_Action() {}
void mainWindow::chkUnistBg_Action() {}
void mainWindow::chkuninstallKeynoteTempl_Action() {}
void mainWindow::ToggleInstallSection(bool) {}
void mainWindow::ToggleUninstallSection(bool) {}
void mainWindow::ToggleThemeInstall(bool) {}
void mainWindow::ToggleBgInstall(bool) {}
void mainWindow::ToggleThemeUninstall(bool) {}
void mainWindow::ToggleBgUninstall(bool) {}
void mainWindow::ToggleKTuninstall(bool) {}
