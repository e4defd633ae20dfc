#pragma once
// All the file work of installing and uninstalling. An Installer holds no
// state between calls; the wizard makes a new one for each pass or step.
//
// Results: true when the work was done or there was nothing to do; false when
// a needed folder was unset or missing, or when a file could not be copied
// (the copy stops at the first such file). Progress: one Value step per file,
// always in the order change Value, let events through, then copy or delete.
#include "FolderItem.h"
#include <QStringList>

class ProgressBar;
class TextOutputStream;

class Installer {
public:
    // Tree operations.
    int CountFiles(const FolderItem& folder, bool recursive);   // 0 for nil or missing
    bool CopyFiles(const FolderItem& source, const FolderItem& destination, ProgressBar& bar, int level);
    void DeleteFiles(const FolderItem& folder, ProgressBar& bar);

    // Install log and pref.txt.
    QStringList ParseLogFile(const FolderItem& file);   // element 0 is "", element k is line k
    void CreateLog(bool themes, bool backgrounds);
    void CreateUninstallLog(bool themes, bool backgrounds);
    bool InstallPreftxt();                               // false when pref.txt could not be written

    // Keynote content.
    bool InstallThemes(ProgressBar& bar);
    bool InstallBackgrounds(ProgressBar& bar);
    bool InstallKeynoteTemplates(ProgressBar& bar);
    bool UninstallThemes(ProgressBar& bar);
    bool UninstallBackgrounds(ProgressBar& bar);
    bool uninstallKeynoteTemplates(ProgressBar& bar);

    // PowerPoint content.
    bool InstallLMBackground(ProgressBar& bar);
    bool InstallLMTemplates(ProgressBar& bar);
    bool InstallLMFonts(ProgressBar& bar);
    bool InstallLMWebUpdater();

    // Declared by the design; no operation reads or writes them.
    TextOutputStream* outfile = nullptr;
    FolderItem fout;

private:
    // A content operation's copy: the bar's Maximum from the source's file
    // count, then the copy into the existing destination.
    bool CopyContent(const FolderItem& source, const FolderItem& destination, ProgressBar& bar);
    // As CopyContent, but a destination that already holds any item is left
    // as it is and counts as done.
    bool CopyIntoEmpty(const FolderItem& source, const FolderItem& destination, ProgressBar& bar);
};
