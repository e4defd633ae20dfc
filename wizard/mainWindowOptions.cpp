// The Keynote options page's check boxes and radio buttons. Each check box
// keeps one state property equal to what it shows; the section operations
// set box and property together, and switch an item on only when its content
// is on the CD (install) or recorded as installed (uninstall).
#include "mainWindow.h"
#include "Global.h"
#include "mainWindowSupport.h"

namespace {

// Enables and ticks the box when on, clears and disables it when off, and
// stores the same value in the property.
void SetItem(CheckBox* box, bool& property, bool on)
{
    box->SetEnabled(on);
    box->SetValue(on);
    property = on;
}

} // namespace

void mainWindow::chkInstTheme_Action() { instTheme = chkInstTheme->Value(); }
void mainWindow::chkInstBg_Action() { instBg = chkInstBg->Value(); }
void mainWindow::chkInstallKeyTemplates_Action() { instKeyTemplates = chkInstallKeyTemplates->Value(); }
void mainWindow::ChkInstallLMFonts_Action() { instLMFonts = ChkInstallLMFonts->Value(); }
void mainWindow::chkUnistTheme_Action() { uninstTheme = chkUnistTheme->Value(); }
void mainWindow::chkUnistBg_Action() { uninstBg = chkUnistBg->Value(); }
void mainWindow::chkuninstallKeynoteTempl_Action() { uninstallKeynoteTempl = chkuninstallKeynoteTempl->Value(); }

void mainWindow::rbInstall_Action()
{
    instType = QStringLiteral("install");
    ToggleInstallSection(true);
    ToggleUninstallSection(false);
}

void mainWindow::rbUninstall_Action()
{
    instType = QStringLiteral("uninstall");
    ToggleUninstallSection(true);
    ToggleInstallSection(false);
}

void mainWindow::ToggleInstallSection(bool on)
{
    ToggleThemeInstall(on);
    ToggleBgInstall(on);
}

void mainWindow::ToggleUninstallSection(bool on)
{
    ToggleThemeUninstall(on);
    ToggleBgUninstall(on);
    ToggleKTuninstall(on);
}

void mainWindow::ToggleThemeInstall(bool on)
{
    SetItem(chkInstTheme, instTheme, on && wizard::Present(Global::cdThemeFolder));
}

void mainWindow::ToggleBgInstall(bool on)
{
    SetItem(chkInstBg, instBg, on && wizard::Present(Global::cdBgFolder));
}

void mainWindow::ToggleThemeUninstall(bool on)
{
    SetItem(chkUnistTheme, uninstTheme, on && Global::themeInstalled);
}

void mainWindow::ToggleBgUninstall(bool on)
{
    SetItem(chkUnistBg, uninstBg, on && Global::bgInstalled);
}

void mainWindow::ToggleKTuninstall(bool on)
{
    SetItem(chkuninstallKeynoteTempl, uninstallKeynoteTempl, on);
}
