// The install log (ThemeInstallLog.log in Brenwick of the user's Preferences)
// and pref.txt (Library:Preferences:Brenwick on the system volume).
//
// The log is five lines: a header, then for themes and for backgrounds a
// "Key=yes|no" line followed by its path line. The reader takes a path line
// only after its "yes". Both files are rewritten whole through the text
// stream, which replaces the old file only once the new one is complete, so
// a failed write keeps the previous file.
#include "Installer.h"
#include "EngineFolders.h"
#include "Folders.h"
#include "Global.h"
#include "TextStreams.h"

#include <QtGlobal>

namespace {

const QString kLogHeader = QStringLiteral("Brenwick Keynote Installer");
const QString kLogName = QStringLiteral("ThemeInstallLog.log");

// One section of the log: its state line and its path line.
struct Section {
    QString state;
    QString path;
};

Section Installed(const QString& key, const QString& pathKey, const FolderItem& folder)
{
    return {key + "=yes", pathKey + "=" + folder.AbsolutePath()};
}

Section NotInstalled(const QString& key, const QString& pathKey)
{
    return {key + "=no", pathKey + "="};
}

// The previous log's section at elements first and first + 1, verbatim; a
// log too short to hold both lines counts as recording nothing installed.
Section Previous(const QStringList& previous, int first, const QString& key, const QString& pathKey)
{
    if (previous.size() > first + 1)
        return {previous[first], previous[first + 1]};
    return NotInstalled(key, pathKey);
}

bool WriteFile(const FolderItem& file, const QStringList& lines)
{
    std::unique_ptr<TextOutputStream> out = file.CreateTextFile();
    if (!out) {
        qWarning("Cannot create the file %s", qUtf8Printable(file.AbsolutePath()));
        return false;
    }
    for (const QString& line : lines)
        out->WriteLine(line);
    const FileResult closed = out->Close();
    if (!closed)
        qWarning("%s", qUtf8Printable(closed.message));
    return closed.ok;
}

QStringList LogLines(const Section& themes, const Section& backgrounds)
{
    return {kLogHeader, themes.state, themes.path, backgrounds.state, backgrounds.path};
}

// A folder's colon path without the ":" that ends it.
QString PrefLine(const FolderItem& folder)
{
    const QString path = folder.AbsolutePath();
    return path.size() > 1 ? path.left(path.size() - 1) : path;
}

}

QStringList Installer::ParseLogFile(const FolderItem& file)
{
    QStringList lines{QString()};
    if (file.IsNil())
        return lines;
    std::unique_ptr<TextInputStream> in = file.OpenAsTextFile();
    if (!in)
        return lines;
    while (!in->Eof())
        lines.append(in->ReadLine());
    in->Close();
    return lines;
}

void Installer::CreateLog(bool themes, bool backgrounds)
{
    const FolderItem log = EngineFolders::TakeFolders(PreferencesFolder(), {"Brenwick"}).Child(kLogName);
    const bool hadLog = log.Exists();
    const QStringList previous = hadLog ? ParseLogFile(log) : QStringList{QString()};

    Section themeLines, bgLines;
    if (themes)
        themeLines = Installed("Themes", "thmpath", Global::themeInstallFolder);
    else if (hadLog)
        themeLines = Previous(previous, 2, "Themes", "thmpath");
    else
        themeLines = NotInstalled("Themes", "thmpath");
    if (backgrounds)
        bgLines = Installed("Backgrounds", "bgpath", Global::bgInstallFolder);
    else if (hadLog)
        bgLines = Previous(previous, 4, "Backgrounds", "bgpath");
    else
        bgLines = NotInstalled("Backgrounds", "bgpath");

    WriteFile(log, LogLines(themeLines, bgLines));
}

void Installer::CreateUninstallLog(bool themes, bool backgrounds)
{
    const FolderItem log = GetFolderItem(PreferencesFolder().AbsolutePath() + "Brenwick:" + kLogName);
    if (log.IsNil() || !log.Exists())
        return;
    const QStringList previous = ParseLogFile(log);

    if (themes && backgrounds) {
        const FileResult deleted = log.Delete();
        if (!deleted)
            qWarning("%s", qUtf8Printable(deleted.message));
        return;
    }
    // The path line of an uninstalled section is left empty.
    const Section themeLines = themes ? Section{"Themes=no", ""} : Previous(previous, 2, "Themes", "thmpath");
    const Section bgLines = backgrounds ? Section{"Backgrounds=no", ""} : Previous(previous, 4, "Backgrounds", "bgpath");
    WriteFile(log, LogLines(themeLines, bgLines));
}

bool Installer::InstallPreftxt()
{
    const QStringList lines{PrefLine(Global::LmBackgroundPath), PrefLine(Global::LMTemplatePath)};
    if (Global::osVolume.IsNil()) {
        qWarning("Cannot write pref.txt: the system volume is not known");
        return false;
    }
    // Only Brenwick is made here: without the volume's Library:Preferences
    // there is no place for the file.
    const FolderItem preferences = Global::osVolume.Child("Library").Child("Preferences");
    if (!EngineFolders::IsFolder(preferences)) {
        qWarning("Cannot write pref.txt: the folder %s does not exist", qUtf8Printable(preferences.AbsolutePath()));
        return false;
    }
    return WriteFile(EngineFolders::TakeFolders(preferences, {"Brenwick"}).Child("pref.txt"), lines);
}
