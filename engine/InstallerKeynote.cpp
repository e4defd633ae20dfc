// Keynote content: themes into Keynote's theme folder of the Library,
// backgrounds into the chosen folder, Keynote templates into
// Applications:Lumora on the system volume; and their removal.
//
// A removal deletes a folder named by the install log, which the user can
// edit: it goes ahead only for a folder shaped like the one the install made
// (EngineFolders::MayRemove), and reports false when anything is left.
#include "Installer.h"
#include "Controls.h"
#include "EngineFolders.h"
#include "Folders.h"
#include "Global.h"

using EngineFolders::IsFolder;
using EngineFolders::IsPresent;
using EngineFolders::TakeFolders;

bool Installer::InstallThemes(ProgressBar& bar)
{
    const FolderItem lumora = TakeFolders(SpecialFolder::Library(), {"Application Support", "Keynote", "Themes", "Lumora"});
    Global::themeInstallFolder = lumora;
    if (!IsPresent(Global::cdThemeFolder))
        return false;
    return CopyContent(Global::cdThemeFolder, lumora, bar);
}

bool Installer::InstallBackgrounds(ProgressBar& bar)
{
    if (!IsPresent(Global::cdBgFolder))
        return false;
    const FolderItem destination = Global::bgInstallFolder;
    if (destination.IsNil())
        return false;
    EngineFolders::MakeFolder(destination);
    if (!IsFolder(destination))
        return false;
    return CopyIntoEmpty(Global::cdBgFolder, destination, bar);
}

bool Installer::InstallKeynoteTemplates(ProgressBar& bar)
{
    const FolderItem templates = TakeFolders(Global::osVolume, {"Applications", "Lumora", "KeynoteTemplates"});
    if (!IsFolder(templates))
        return false;
    return CopyIntoEmpty(Global::cdKeynoteTemplates, templates, bar);
}

namespace {

// Runs the bar down from the folder's file count as the files go.
bool RemoveWithCountdown(Installer& installer, const FolderItem& folder, ProgressBar& bar)
{
    const int files = installer.CountFiles(folder, true);
    bar.SetMaximum(files);
    bar.SetValue(files);
    installer.DeleteFiles(folder, bar);
    return !folder.Exists();
}

}

bool Installer::UninstallThemes(ProgressBar& bar)
{
    const FolderItem folder = Global::themeInstalledFolder;
    if (!IsPresent(folder) || !EngineFolders::MayRemove(folder, {{"Themes", "Lumora"}}))
        return false;
    return RemoveWithCountdown(*this, folder, bar);
}

bool Installer::UninstallBackgrounds(ProgressBar& bar)
{
    const FolderItem folder = Global::bgInstalledFolder;
    if (!IsPresent(folder) || !EngineFolders::MayRemove(folder, {{"Backgrounds"}, {"BrenwickBackgrounds"}}))
        return false;
    return RemoveWithCountdown(*this, folder, bar);
}

bool Installer::uninstallKeynoteTemplates(ProgressBar& bar)
{
    if (Global::osVolume.IsNil())
        return false;
    const QStringList chain{"Applications", "Lumora", "KeynoteTemplates"};
    FolderItem templates = Global::osVolume;
    for (const QString& name : chain)
        templates = templates.Child(name);
    if (!IsPresent(templates) || !EngineFolders::MayRemoveInside(templates, Global::osVolume, chain))
        return false;
    // The bar counts down from where the caller left it.
    bar.SetMaximum(CountFiles(templates, true));
    DeleteFiles(templates, bar);
    return !templates.Exists();
}
