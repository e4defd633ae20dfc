// PowerPoint content: backgrounds and templates into the folders chosen (or
// the defaults the wizard makes), fonts and the web updater into
// Applications:Lumora on the system volume.
#include "Installer.h"
#include "Controls.h"
#include "EngineFolders.h"
#include "Global.h"

#include <QtGlobal>

using EngineFolders::IsFolder;
using EngineFolders::TakeFolders;

bool Installer::InstallLMBackground(ProgressBar& bar)
{
    const FolderItem destination = Global::LmBackgroundPath;
    if (!IsFolder(destination))
        return false;
    return CopyIntoEmpty(Global::cdLMBackgroundPath, destination, bar);
}

// Copied on every install: a file of the same name is replaced.
bool Installer::InstallLMTemplates(ProgressBar& bar)
{
    const FolderItem destination = Global::LMTemplatePath;
    if (!IsFolder(destination))
        return false;
    return CopyContent(Global::cdLmTemplatePath, destination, bar);
}

bool Installer::InstallLMFonts(ProgressBar& bar)
{
    const FolderItem fonts = TakeFolders(Global::osVolume, {"Applications", "Lumora", "LumoraFonts"});
    if (!IsFolder(fonts))
        return false;
    return CopyIntoEmpty(Global::cdLMFonts, fonts, bar);
}

// A CD without the updater is no failure; an updater that cannot be copied is.
bool Installer::InstallLMWebUpdater()
{
    const FolderItem lumora = TakeFolders(Global::osVolume, {"Applications", "Lumora"});
    if (lumora.IsNil())
        return false;
    const FolderItem updater = Global::cdLMWebUpdater;
    if (!EngineFolders::IsPresent(updater))
        return true;
    const FileResult copied = updater.CopyFileTo(lumora);
    if (!copied) {
        qWarning("%s", qUtf8Printable(copied.message));
        return false;
    }
    return true;
}
