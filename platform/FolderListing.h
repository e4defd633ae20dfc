#pragma once
// The sorted listing of each folder, kept between calls so that walking a
// folder item by item costs one stat per call, not a re-read.
//
// A listing is read again when the folder's modification time, device or
// inode differ from when it was read. Our own changes (FolderListing::Change)
// patch it in place instead. File systems stamp times with a coarse clock, so
// a change made in the same tick as the last known one leaves the time as it
// was: while the listing's time is that recent it is "racy" and is read again
// now and then (every call for small folders, every size/32 calls for big
// ones), which keeps a walk linear and still sees another program's change.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace FolderListing {

int Count(const std::filesystem::path& folder);        // 0 when it is no folder
// The name of item index (1-based), nullopt outside 1..Count.
std::optional<std::string> Item(const std::filesystem::path& folder, int index);

// Brackets one of our own changes to a folder's items: create it before the
// change (it checks the kept listing is still current), call Update with the
// changed name after it. A listing changed meanwhile by anything else is
// dropped and read again when next needed.
class Change {
public:
    explicit Change(const std::filesystem::path& folder);
    void Update(const std::string& name);
private:
    std::filesystem::path m_folder;
    uint64_t m_generation = 0;   // 0: no current listing to patch
};

} // namespace FolderListing
