#pragma once
// The sorted listing of each folder, kept between calls so that walking a
// folder item by item costs one stat per call, not a re-read.
//
// A listing is read again when the folder's modification or change time,
// device or inode differ from when it was read. Our own changes
// (FolderListing::Change) patch it in place instead. Many file systems stamp
// times with a coarse clock, so a change made in the same tick as the last
// known one leaves the times as they were: while the listing's time is that
// recent it is "racy" and is read again now and then (every call for small
// folders, every size/32 calls for big ones), which keeps a walk linear and
// still sees another program's change.
//
// Other file systems give a change made after a look at the folder a time of
// its own (Linux's fine-grained times after a stat, nanosecond clocks). A
// device is taken to be one of them once two of our own changes, a stat apart,
// were seen stamped less than 0.5 ms apart, which a clock that ticks in
// milliseconds cannot do; there a listing is never racy, since any later
// change shows in the times, and walking while deleting reads each folder once.
// What no time can show is a change another program makes in the instant
// between our check and our own change of the same folder; that one is seen
// at the next read.
//
// A walk takes each item as Count(), Item(i), then asks whether it is a
// folder: an Item() that follows Count() of the same folder at once, and a
// KnownFolder() that follows Item() of that item at once (within 1 ms of the
// look at the folder, nothing read or changed in between), rely on that look
// and on the kind of item the folder listed, instead of making their own.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace FolderListing {

int Count(const std::filesystem::path& folder);        // 0 when it is no folder
// The name of item index (1-based), nullopt outside 1..Count.
std::optional<std::string> Item(const std::filesystem::path& folder, int index);
// Whether item is a folder, when the Item() call just before gave it and its
// folder said what it is; nullopt when a look of its own is needed (a link,
// an unknown kind, or any other call in between).
std::optional<bool> KnownFolder(const std::filesystem::path& item);

// Brackets one of our own changes to a folder's items: create it before the
// change (it checks the kept listing is still current), call Update with the
// changed name after it. A listing changed meanwhile by anything else is
// dropped and read again when next needed.
class Change {
public:
    explicit Change(const std::filesystem::path& folder);
    void Update(const std::string& name);
    // As Update, when the caller knows whether the name is there now.
    void Update(const std::string& name, bool present);
private:
    void apply(const std::string& name, const bool* knownPresent);
    std::filesystem::path m_folder;
    uint64_t m_generation = 0;   // 0: no current listing to patch
};

} // namespace FolderListing
