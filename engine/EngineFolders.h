#pragma once
// Folder helpers the Installer operations share.
#include "FolderItem.h"
#include <QStringList>

namespace EngineFolders {

// The item reached from base through each name in turn, creating every level
// that does not exist before taking the next. Nil only when base is nil. The
// result may still be missing when a level could not be created (the failure
// goes to stderr); callers ask Directory() before they rely on it.
FolderItem TakeFolders(const FolderItem& base, const QStringList& names);

// Creates the folder when it does not exist (its parent must); false, with
// the reason on stderr, when it could not be made.
bool MakeFolder(const FolderItem& folder);

// Set, and there (a file or a folder).
bool IsPresent(const FolderItem& item);

// Set and an existing folder.
bool IsFolder(const FolderItem& item);

// A folder holding no item at all, file or folder.
bool IsEmptyFolder(const FolderItem& folder);

// Whether an uninstall may delete this folder. The folder comes from the
// install log, a file the user can edit, so it must look like one this
// installer creates: its real path (links and ".." resolved) must end with
// one of the given chains of names, outermost first (e.g. {{"Themes",
// "Lumora"}}), and it must
// not be a volume, the home folder, the installer folder, the system volume,
// or a folder that holds any of them. Refusals go to stderr with the reason.
bool MayRemove(const FolderItem& folder, const QList<QStringList>& shapes);

// As MayRemove, and the folder's real path must be exactly the given chain
// of names inside base (no link along the way leads elsewhere).
bool MayRemoveInside(const FolderItem& folder, const FolderItem& base, const QStringList& names);

}
