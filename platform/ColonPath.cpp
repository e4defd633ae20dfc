#include "ColonPath.h"

#include <QStringList>
#include <cstdlib>
#include <sys/stat.h>
#ifdef Q_OS_MACOS
#include <QStorageInfo>
#endif

namespace fs = std::filesystem;

namespace ColonPath {

namespace {

const QChar kSeparator = QLatin1Char(':');

QString rootVolumeName()
{
#ifdef Q_OS_MACOS
    const QString name = QStorageInfo::root().name();
    if (!name.isEmpty())
        return name;
#endif
    return QStringLiteral("Macintosh HD");
}

bool isFolder(const fs::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The part of path below root, or nullopt when path is not inside root.
std::optional<fs::path> below(const fs::path& path, const fs::path& root)
{
    const fs::path rest = path.lexically_relative(root);
    if (rest.empty())
        return std::nullopt;
    if (rest == ".")
        return fs::path();
    if (*rest.begin() == "..")
        return std::nullopt;
    return rest;
}

} // namespace

fs::path Normalized(const fs::path& path)
{
    std::error_code ec;
    fs::path result = fs::absolute(path, ec);
    if (ec)
        result = path;
    result = result.lexically_normal();
    if (!result.has_filename() && result != result.root_path())
        result = result.parent_path();
    return result;
}

fs::path SystemVolumeRoot()
{
    const char* value = std::getenv("LUMORA_VOLUME");
    return Normalized(value && *value ? fs::path(value) : fs::path("/"));
}

std::vector<Volume> Volumes()
{
    const fs::path system = SystemVolumeRoot();
    const fs::path hostRoot("/");
    if (system == hostRoot)
        return {{rootVolumeName(), hostRoot}};
    const QString systemName = MacName(system.filename().native());
    QString hostName = rootVolumeName();
    if (hostName == systemName)
        hostName += QStringLiteral(" 2");
    return {{systemName, system}, {hostName, hostRoot}};
}

QString MacName(const std::string& nativeName)
{
    QString name = QString::fromUtf8(nativeName);
    name.replace(kSeparator, QLatin1Char('/'));
    return name;
}

std::optional<std::string> NativeName(const QString& macName)
{
    if (macName.isEmpty() || macName == QLatin1String(".") || macName == QLatin1String("..")
        || macName.contains(QChar(0)))
        return std::nullopt;
    QString name = macName;
    name.replace(QLatin1Char('/'), kSeparator);
    return name.toStdString();
}

QString ItemName(const fs::path& path)
{
    for (const Volume& volume : Volumes()) {
        if (path == volume.root)
            return volume.name;
    }
    return MacName(path.filename().native());
}

QString FromNative(const fs::path& path)
{
    for (const Volume& volume : Volumes()) {
        const std::optional<fs::path> rest = below(path, volume.root);
        if (!rest)
            continue;
        QString text = volume.name;
        for (const fs::path& name : *rest)
            text += kSeparator + MacName(name.native());
        if (rest->empty() || isFolder(path))
            text += kSeparator;
        return text;
    }
    return QString();   // unreachable for an absolute path: the host root holds it
}

std::optional<fs::path> ToNative(const QString& colonPath)
{
    const QStringList parts = colonPath.split(kSeparator);
    std::optional<fs::path> result;
    for (const Volume& volume : Volumes()) {
        if (volume.name == parts.first()) {
            result = volume.root;
            break;
        }
    }
    if (!result || parts.first().isEmpty())
        return std::nullopt;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const bool trailingColon = i == parts.size() - 1 && parts[i].isEmpty();
        if (trailingColon)
            break;
        const std::optional<std::string> name = NativeName(parts[i]);
        if (!name)
            return std::nullopt;
        *result /= *name;
    }
    return result;
}

} // namespace ColonPath
