#include "Folders.h"

#include "ColonPath.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

fs::path environmentPath(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

// The folder holding the running program; on macOS the one holding its bundle.
fs::path programFolder()
{
    fs::path folder;
    if (QCoreApplication::instance()) {
        folder = QCoreApplication::applicationDirPath().toStdString();
    } else {
        std::error_code ec;
        folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
        if (ec)
            folder = fs::current_path(ec);
    }
#ifdef Q_OS_MACOS
    // …/Name.app/Contents/MacOS
    const fs::path bundle = folder.parent_path().parent_path();
    if (folder.filename() == "MacOS" && bundle.extension() == ".app")
        folder = bundle.parent_path();
#endif
    return folder;
}

} // namespace

namespace SpecialFolder {

FolderItem Library()
{
    return FolderItem(ColonPath::SystemVolumeRoot() / "Library");
}

} // namespace SpecialFolder

FolderItem HomeFolder()
{
    const fs::path home = environmentPath("HOME");
    return FolderItem(home.empty() ? fs::path(QDir::homePath().toStdString()) : home);
}

FolderItem PreferencesFolder()
{
    const fs::path preferences = HomeFolder().NativePath() / "Library" / "Preferences";
    std::error_code ec;
    fs::create_directories(preferences, ec);   // callers see a missing one through Exists
    return FolderItem(preferences);
}

FolderItem GetFolderItem(const QString& path, int /*mode*/)
{
    if (path.isEmpty()) {
        const fs::path media = environmentPath("LUMORA_MEDIA");
        return FolderItem(media.empty() ? programFolder() : media);
    }
    const std::optional<fs::path> native = ColonPath::ToNative(path);
    return native ? FolderItem(*native) : FolderItem();
}
