// Counting, copying and deleting folder trees. Each walk reads the folder's
// Count before every item and takes items by index: the platform keeps the
// listing per folder, so this stays linear however large the folder is.
#include "Installer.h"
#include "Application.h"
#include "Controls.h"
#include "EngineFolders.h"

#include <QtGlobal>

int Installer::CountFiles(const FolderItem& folder, bool recursive)
{
    if (!EngineFolders::IsPresent(folder))
        return 0;
    if (!recursive)
        return folder.Count();
    int files = 0;
    for (int i = 1; i <= folder.Count(); ++i) {
        const FolderItem item = folder.Item(i);
        files += item.Directory() ? CountFiles(item, true) : 1;
    }
    return files;
}

// Stops at the first file or folder that cannot be made in the destination:
// an install that went on would report success with content missing.
bool Installer::CopyFiles(const FolderItem& source, const FolderItem& destination, ProgressBar& bar, int level)
{
    Q_UNUSED(level);   // 1 from callers, 2 inside the tree; nothing depends on it
    if (!EngineFolders::IsPresent(source))
        return false;
    if (destination.IsNil() || !destination.Directory()) {
        qWarning("Cannot copy %s: the destination %s is not a folder", qUtf8Printable(source.AbsolutePath()),
                 destination.IsNil() ? "(none)" : qUtf8Printable(destination.AbsolutePath()));
        return false;
    }
    for (int i = 1; i <= source.Count(); ++i) {
        const FolderItem item = source.Item(i);
        if (item.Directory()) {
            const FolderItem inner = destination.Child(item.Name());
            if (!EngineFolders::MakeFolder(inner) || !CopyFiles(item, inner, bar, 2))
                return false;
        } else {
            bar.SetValue(bar.Value() + 1);
            Application::DoEvents(-1);
            const FileResult copied = item.CopyFileTo(destination);
            if (!copied) {
                qWarning("%s", qUtf8Printable(copied.message));
                return false;
            }
        }
    }
    return true;
}

// An item that cannot be deleted is passed over and the walk goes on with the
// next one, so the deletion always ends; the caller sees what is left.
void Installer::DeleteFiles(const FolderItem& folder, ProgressBar& bar)
{
    if (!EngineFolders::IsPresent(folder))
        return;
    int next = 1;   // items before this one could not be deleted
    while (next <= folder.Count()) {
        const FolderItem item = folder.Item(next);
        FileResult deleted;
        if (item.Directory()) {
            // A link to a folder goes as a link: what it leads to is not ours.
            if (!item.IsAlias())
                DeleteFiles(item, bar);
            deleted = item.Delete();
        } else {
            bar.SetValue(bar.Value() - 1);
            Application::DoEvents(-1);
            deleted = item.Delete();
        }
        if (!deleted) {
            qWarning("%s", qUtf8Printable(deleted.message));
            ++next;
        }
    }
    const FileResult deleted = folder.Delete();
    if (!deleted)
        qWarning("%s", qUtf8Printable(deleted.message));
}

bool Installer::CopyContent(const FolderItem& source, const FolderItem& destination, ProgressBar& bar)
{
    bar.SetMaximum(CountFiles(source, true));
    return CopyFiles(source, destination, bar, 1);
}

bool Installer::CopyIntoEmpty(const FolderItem& source, const FolderItem& destination, ProgressBar& bar)
{
    if (!EngineFolders::IsEmptyFolder(destination))
        return true;
    return CopyContent(source, destination, bar);
}
