#pragma once
// The install state that the wizard and the Installer share. Everything
// starts false or nil and keeps its value until its setter runs again; there
// is one set per process.
#include "FolderItem.h"

namespace Global {
inline bool themeInstalled = false;        // the install log records themes as installed
inline bool bgInstalled = false;           // the install log records backgrounds as installed
inline FolderItem osVolume;                // the system volume (parent of the Library folder)
inline FolderItem cdThemeFolder;           // CD: Lumora/Themes
inline FolderItem cdBgFolder;              // CD: Lumora/Backgrounds, for Keynote
inline FolderItem bgInstallFolder;         // where Keynote backgrounds go
inline FolderItem LmBackgroundPath;        // where PowerPoint backgrounds go
inline FolderItem LMTemplatePath;          // where PowerPoint templates go
inline FolderItem alternatLoc;             // the alternate folder chosen for Keynote backgrounds
inline FolderItem ppaFolder;               // PowerPoint's start-up folder (the add-in goes there)
inline FolderItem cdPPA;                   // CD: Lumora/PPA, the add-in
inline FolderItem cdLmTemplatePath;        // CD: Lumora/Templates
inline FolderItem cdLMBackgroundPath;      // CD: Lumora/Backgrounds, for PowerPoint
inline FolderItem cdKeynoteTemplates;      // CD: Lumora/KeynoteTemplates
inline FolderItem cdLMFonts;               // CD: Lumora/LumoraFonts
inline FolderItem cdLMWebUpdater;          // CD: Lumora/LumoraWebUpdater
inline FolderItem themeInstalledFolder;    // the themes folder the install log records
inline FolderItem bgInstalledFolder;       // the backgrounds folder the install log records
inline FolderItem themeInstallFolder;      // the themes folder of this installation

// Back to the start state: for tests, and for a run that begins anew.
void Reset();
}
