#pragma once
// The colon form of paths and how it maps onto native paths.
//
// The system volume is the folder LUMORA_VOLUME names ("/" when unset), under
// the name of its last component, or the root volume's name when it is "/".
// Every other native path belongs to the host's root volume, which gets a
// name of its own that never equals the system volume's, so every native path
// has exactly one colon form and the colon form leads back to it.
// Names swap ":" and "/": a native "a:b" is "a/b" in colon form.
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ColonPath {

struct Volume {
    QString name;                 // as written in colon paths
    std::filesystem::path root;   // native folder
};

// Read from the environment at every call; the system volume comes first.
std::vector<Volume> Volumes();
std::filesystem::path SystemVolumeRoot();

// An absolute, lexically normal native path without a trailing separator.
std::filesystem::path Normalized(const std::filesystem::path& path);

// The colon form of a normalized native path; a folder's ends in ":".
QString FromNative(const std::filesystem::path& path);
// The native path of a colon path; nullopt when its volume is unknown or a
// name in it is empty, "." or "..".
std::optional<std::filesystem::path> ToNative(const QString& colonPath);

QString MacName(const std::string& nativeName);                  // ":" becomes "/"
std::optional<std::string> NativeName(const QString& macName);   // "/" becomes ":"; nullopt for no name
// The item's own name: the volume's name for a volume's root folder.
QString ItemName(const std::filesystem::path& path);

} // namespace ColonPath
