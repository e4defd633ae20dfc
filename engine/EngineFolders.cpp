#include "EngineFolders.h"
#include "Folders.h"
#include "Global.h"

#include <QtGlobal>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace EngineFolders {

FolderItem TakeFolders(const FolderItem& base, const QStringList& names)
{
    if (base.IsNil())
        return {};
    FolderItem item = base;
    bool creating = true;   // a level that could not be made holds nothing to make
    for (const QString& name : names) {
        item = item.Child(name);
        if (creating)
            creating = MakeFolder(item);
    }
    return item;
}

bool MakeFolder(const FolderItem& folder)
{
    if (folder.Exists() || folder.CreateAsFolder())
        return true;
    qWarning("Cannot create the folder %s", qUtf8Printable(folder.AbsolutePath()));
    return false;
}

bool IsPresent(const FolderItem& item)
{
    return !item.IsNil() && item.Exists();
}

bool IsFolder(const FolderItem& item)
{
    return !item.IsNil() && item.Directory();
}

bool IsEmptyFolder(const FolderItem& folder)
{
    return folder.Count() == 0;
}

namespace {

std::optional<fs::path> RealPath(const FolderItem& item)
{
    const FolderItem real = item.RealItem();
    if (real.IsNil())
        return std::nullopt;
    return real.NativePath();
}

// True when outer is inner or one of the folders above it.
bool Holds(const fs::path& outer, const fs::path& inner)
{
    auto o = outer.begin(), i = inner.begin();
    for (; o != outer.end(); ++o, ++i) {
        if (o->empty())   // a trailing separator
            continue;
        if (i == inner.end() || *o != *i)
            return false;
    }
    return true;
}

// The places an uninstall must never take away, as real paths.
std::vector<fs::path> ProtectedPlaces()
{
    std::vector<fs::path> places;
    auto add = [&places](const FolderItem& item) {
        if (item.IsNil())
            return;
        if (auto real = RealPath(item))
            places.push_back(*real);
    };
    add(HomeFolder());
    add(GetFolderItem(""));
    add(Global::osVolume);
    add(SpecialFolder::Library().Parent());
    return places;
}

bool Refuse(const FolderItem& folder, const char* reason)
{
    qWarning("Not deleting %s: %s", qUtf8Printable(folder.AbsolutePath()), reason);
    return false;
}

bool IsVolume(const FolderItem& folder)
{
    // A volume's colon path is its name and one ":".
    const QString path = folder.AbsolutePath();
    return folder.Parent().IsNil() || path.count(QLatin1Char(':')) <= 1;
}

bool EndsWith(const fs::path& path, const QStringList& names)
{
    fs::path p = path;
    for (qsizetype k = names.size() - 1; k >= 0; --k) {
        if (p.filename().string() != names[k].toStdString())
            return false;
        p = p.parent_path();
    }
    return true;
}

}

bool MayRemove(const FolderItem& folder, const QList<QStringList>& shapes)
{
    if (folder.IsNil())
        return false;
    if (IsVolume(folder))
        return Refuse(folder, "it is a volume");
    const std::optional<fs::path> real = RealPath(folder);
    if (!real)
        return Refuse(folder, "its real location cannot be found");
    bool shaped = false;
    for (const QStringList& names : shapes)
        shaped = shaped || EndsWith(*real, names);
    if (!shaped)
        return Refuse(folder, "it is not named as the folder this installer creates");
    for (const fs::path& place : ProtectedPlaces()) {
        if (Holds(*real, place))
            return Refuse(folder, "it is or holds the volume, the home folder or the installer");
    }
    return true;
}

bool MayRemoveInside(const FolderItem& folder, const FolderItem& base, const QStringList& names)
{
    if (!MayRemove(folder, {names}))
        return false;
    const std::optional<fs::path> real = RealPath(folder);
    std::optional<fs::path> expected = RealPath(base);
    if (expected) {
        for (const QString& name : names)
            *expected /= name.toStdString();
    }
    if (!real || !expected || *real != *expected)
        return Refuse(folder, "a link leads it away from its place");
    return true;
}

}
