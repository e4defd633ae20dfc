#pragma once
// The source trees the benchmark copies and deletes, and the checks that a
// copy came out whole. Files are written and compared through a fixed 1 MiB
// buffer so the benchmark's own memory stays small whatever the file sizes;
// its peak is reported as the engine's.
#include <cstdint>
#include <filesystem>
#include <string>

struct TreeShape {
    std::string name;
    int folders;              // 0: the files lie directly in the tree's top folder
    int filesPerFolder;       // with folders > 0, in a subfolder of each folder
    std::uint64_t fileBytes;

    int FileCount() const { return folders == 0 ? filesPerFolder : folders * filesPerFolder; }
    std::uint64_t TotalBytes() const { return std::uint64_t(FileCount()) * fileBytes; }
};

// Writes the tree into root (which must not exist) with content that differs
// from file to file.
void MakeTree(const std::filesystem::path& root, const TreeShape& shape);

// "" when the two trees hold the same folders and files with the same bytes;
// otherwise what differs first.
std::string CompareTrees(const std::filesystem::path& expected, const std::filesystem::path& actual);


// Reads every file of the tree, so that the run that follows finds it in
// memory whatever the system paged out since the last run.
void ReadTree(const std::filesystem::path& root);
