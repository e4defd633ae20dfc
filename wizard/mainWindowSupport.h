#pragma once
// Small checks the wizard's handlers share. The system's own words ("install",
// "Error", the log's "yes") are compared without regard to letter case.
#include "FolderItem.h"
#include <QString>
#include <initializer_list>

namespace wizard {

// The pages of mainWindow::Pages, by value.
enum Page { Welcome = 0, KeynoteOptions = 1, Destination = 2, KeynoteProgress = 3, Finish = 4,
            ProgramChoice = 5, PowerPointIntro = 6, OfficeLocation = 7, PowerPointLocations = 8,
            PowerPointProgress = 9 };

// What the wizard says where the system volume is needed and was not found.
inline const QString kNoVolumeMessage = QStringLiteral("Cannot find OS Volume. Select alternate location.");

inline bool SameText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// A folder reference that is set and names something on disk.
inline bool Present(const FolderItem& item)
{
    return !item.IsNil() && item.Exists();
}

// Walks down from base through names, creating each level that is missing,
// and returns the innermost folder. Existing folders are left untouched. A
// level that cannot be created is still returned (missing), so the operation
// that needs it reports the failure.
inline FolderItem MakeFolders(const FolderItem& base, std::initializer_list<QString> names)
{
    FolderItem folder = base;
    for (const QString& name : names) {
        folder = folder.Child(name);
        if (!folder.Exists())
            folder.CreateAsFolder();
    }
    return folder;
}

} // namespace wizard
