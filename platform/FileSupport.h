#pragma once
// Helpers shared by the file services: how paths and system errors read in a
// message, and the temporary names used while a file is being replaced.
#include <QString>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <sys/types.h>

namespace FileSupport {

QString Native(const std::filesystem::path& path);        // the path as text (UTF-8 names)
QString Quoted(const std::filesystem::path& path);        // “/a/b.txt”
QString QuotedFolder(const std::filesystem::path& path);  // “/a/b/”
QString Reason(int error);                                // the system's text for errno

// A hidden name in target's folder that no file had a moment ago.
std::filesystem::path TempNameBeside(const std::filesystem::path& target);
// Opens a new file (O_EXCL) under a temporary name beside target; the name is
// returned in temp. -1 with errno set on failure.
int CreateTempBeside(const std::filesystem::path& target, mode_t mode, std::filesystem::path& temp);

int64_t Nanoseconds(const timespec& t);
timespec ModificationTime(const struct stat& st);
timespec AccessTime(const struct stat& st);
timespec ChangeTime(const struct stat& st);   // the inode's last change; no one can set it
int64_t NowNanoseconds();   // wall clock, the clock file times come from

} // namespace FileSupport
