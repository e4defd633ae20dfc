// Finding the CD's content folders and reading an earlier installation's log.
// Both only record facts in Global; a folder that is not there is recorded
// as nil, and the pages that need it react to its absence.
#include "mainWindow.h"
#include "Folders.h"
#include "Global.h"
#include "TextStreams.h"
#include "mainWindowSupport.h"

using wizard::SameText;

namespace {

// The item of that name in the CD's "Lumora" folder, or nil when the content
// folder or the item is missing. The installer folder is resolved anew for
// each lookup, so a CD changed between calls is seen as it is now.
FolderItem ContentItem(const QString& name)
{
    FolderItem installer = GetFolderItem(QString(), 0);
    if (installer.IsNil())
        return {};
    FolderItem content = installer.Child(QStringLiteral("Lumora"));
    if (!content.Exists())
        return {};
    FolderItem item = content.Child(name);
    return item.Exists() ? item : FolderItem();
}

// The folder a path line of the log names: the whole text after its first
// "=", so a path that itself holds "=" is found again. An empty or missing
// path names no folder (nil), never the installer folder that an empty path
// would resolve to: an uninstall empties the folder recorded here.
FolderItem PathLineFolder(const QString& line)
{
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    const QString path = line.mid(equals + 1);
    if (path.isEmpty())
        return {};
    return GetFolderItem(path, 0);
}

} // namespace

void mainWindow::VerifyCDContents()
{
    FolderItem library = SpecialFolder::Library();
    FolderItem volume = library.IsNil() ? FolderItem() : library.Parent();
    Global::osVolume = wizard::Present(volume) ? volume : FolderItem();

    Global::cdThemeFolder = ContentItem(QStringLiteral("Themes"));
    Global::cdBgFolder = ContentItem(QStringLiteral("Backgrounds"));
    Global::cdPPA = ContentItem(QStringLiteral("PPA"));
    Global::cdLmTemplatePath = ContentItem(QStringLiteral("Templates"));
    Global::cdLMBackgroundPath = ContentItem(QStringLiteral("Backgrounds"));
    Global::cdKeynoteTemplates = ContentItem(QStringLiteral("KeynoteTemplates"));
    Global::cdLMFonts = ContentItem(QStringLiteral("LumoraFonts"));
    Global::cdLMWebUpdater = ContentItem(QStringLiteral("LumoraWebUpdater"));
}

bool mainWindow::VerifyPrevInstallation()
{
    const QString logPath = PreferencesFolder().AbsolutePath() + QStringLiteral("Brenwick:ThemeInstallLog.log");
    FolderItem log = GetFolderItem(logPath, 0);
    if (log.IsNil() || !log.Exists())
        return false;

    std::unique_ptr<TextInputStream> in = log.OpenAsTextFile();
    if (!in)
        return true;

    while (!in->Eof()) {
        const QString line = in->ReadLine();
        if (!line.contains(QLatin1Char('=')))
            continue;
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1, 1);
        const bool yes = SameText(value, QStringLiteral("Yes"));

        bool* installed = nullptr;
        FolderItem* folder = nullptr;
        if (SameText(key, QStringLiteral("Themes"))) {
            installed = &Global::themeInstalled;
            folder = &Global::themeInstalledFolder;
        } else if (SameText(key, QStringLiteral("Backgrounds"))) {
            installed = &Global::bgInstalled;
            folder = &Global::bgInstalledFolder;
        } else {
            continue;
        }

        *installed = yes;
        if (yes)   // the path line comes next and is consumed here
            *folder = in->Eof() ? FolderItem() : PathLineFolder(in->ReadLine());
    }
    in->Close();
    return true;
}
