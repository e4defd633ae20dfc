#pragma once
// Where the Mac folders are on this machine. Read from the environment at
// every call, so a test can point them at temporary folders:
// - LUMORA_VOLUME: the folder standing for the system volume (default "/").
//   Its name is the volume's name in colon paths ("Macintosh HD" for "/",
//   or the root volume's own name on macOS).
// - HOME: the user's home; its Library/Preferences is the Preferences folder.
// - LUMORA_MEDIA: the folder holding the CD's "Lumora" folder (the installer
//   folder); default the folder of the running program (on macOS the folder
//   holding the application bundle).
#include "FolderItem.h"
#include <QString>

namespace SpecialFolder {
FolderItem Library();            // the system volume's Library folder; its Parent is the volume
}

FolderItem HomeFolder();         // the user's home ($HOME)
FolderItem PreferencesFolder();  // ~/Library/Preferences, created when missing
// The item at a colon path; nil when the path names no place on this machine.
// An empty path gives the installer folder.
FolderItem GetFolderItem(const QString& path, int mode = 0);
