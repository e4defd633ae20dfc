#include "FolderListing.h"

#include "FileSupport.h"

#include <algorithm>
#include <chrono>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace FolderListing {

namespace {

// A name with the kind of item the folder gave with it (a DT_ value of
// readdir; DT_UNKNOWN for names we added ourselves).
struct Entry {
    std::string name;
    unsigned char type = DT_UNKNOWN;
    bool operator<(const Entry& other) const { return name < other.name; }
};

bool nameBefore(const Entry& entry, const std::string& name)
{
    return entry.name < name;
}

struct Listing {
    std::vector<Entry> names;         // sorted by name; names[first..] are the items
    size_t first = 0;
    timespec mtime{};
    timespec ctime{};
    dev_t device = 0;
    ino_t inode = 0;
    int64_t readAt = 0;               // wall clock just before the read
    size_t callsSinceRead = 0;
    uint64_t generation = 0;          // new after every read and patch

    size_t size() const { return names.size() - first; }
};

constexpr size_t kSmallFolder = 64;
constexpr size_t kRecheckShare = 32;
constexpr size_t kMaxListings = 2048;
constexpr int64_t kFineGap = 500'000;   // ns; a clock ticking in milliseconds never stamps closer
constexpr int kFineSightings = 2;

std::mutex mutex;
std::unordered_map<std::string, Listing> listings;
uint64_t lastGeneration = 0;
std::unordered_map<dev_t, int> fineSightings;   // per device, up to kFineSightings

bool sameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool sameFolderState(const Listing& listing, const struct stat& st)
{
    return sameTime(listing.mtime, FileSupport::ModificationTime(st))
        && sameTime(listing.ctime, FileSupport::ChangeTime(st)) && listing.device == st.st_dev
        && listing.inode == st.st_ino;
}

void takeFolderState(Listing& listing, const struct stat& st)
{
    listing.mtime = FileSupport::ModificationTime(st);
    listing.ctime = FileSupport::ChangeTime(st);
    listing.device = st.st_dev;
    listing.inode = st.st_ino;
}

// Change times cannot be set by hand, so two of our own changes stamped
// closer than a coarse clock's tick prove the device's clock fine.
void noteOwnChange(const Listing& before, const struct stat& after)
{
    if (before.device != after.st_dev || before.inode != after.st_ino)
        return;
    const int64_t gap = FileSupport::Nanoseconds(FileSupport::ChangeTime(after)) - FileSupport::Nanoseconds(before.ctime);
    if (gap > 0 && gap < kFineGap) {
        int& sightings = fineSightings[after.st_dev];
        sightings = std::min(sightings + 1, kFineSightings);
    }
}

bool fineClock(dev_t device)
{
    const auto found = fineSightings.find(device);
    return found != fineSightings.end() && found->second >= kFineSightings;
}

bool racy(const Listing& listing)
{
    if (fineClock(listing.device))
        return false;
    // A time with no fraction comes from a file system that keeps whole
    // seconds (or two), whose ticks are that long.
    const int64_t tick = listing.mtime.tv_nsec == 0 ? 2'000'000'000 : 50'000'000;
    return listing.readAt - FileSupport::Nanoseconds(listing.mtime) < tick;
}

bool dueForRecheck(const Listing& listing)
{
    if (!racy(listing))
        return false;
    return listing.size() <= kSmallFolder || listing.callsSinceRead * kRecheckShare >= listing.size();
}

bool read(const fs::path& folder, const struct stat& st, Listing& listing)
{
    const int64_t readAt = FileSupport::NowNanoseconds();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    std::vector<Entry> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(Entry{std::string(name), entry->d_type});
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    listing.names = std::move(names);
    listing.first = 0;
    takeFolderState(listing, st);
    listing.readAt = readAt;
    listing.callsSinceRead = 0;
    listing.generation = ++lastGeneration;
    return true;
}

// The current listing of folder, read when needed; nullptr when it is no folder.
Listing* current(const fs::path& folder)
{
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        listings.erase(folder.native());
        return nullptr;
    }
    auto found = listings.find(folder.native());
    if (found == listings.end()) {
        if (listings.size() >= kMaxListings)
            listings.clear();
        found = listings.emplace(folder.native(), Listing()).first;
    } else if (sameFolderState(found->second, st) && !dueForRecheck(found->second)) {
        ++found->second.callsSinceRead;
        return &found->second;
    }
    if (!read(folder, st, found->second)) {
        listings.erase(found);
        return nullptr;
    }
    ++found->second.callsSinceRead;
    return &found->second;
}

void insertName(Listing& listing, const std::string& name)
{
    const auto begin = listing.names.begin() + listing.first;
    const auto at = std::lower_bound(begin, listing.names.end(), name, nameBefore);
    if (at == listing.names.end() || at->name != name)
        listing.names.insert(at, Entry{name, DT_UNKNOWN});
}

void removeName(Listing& listing, const std::string& name)
{
    const auto begin = listing.names.begin() + listing.first;
    const auto at = std::lower_bound(begin, listing.names.end(), name, nameBefore);
    if (at == listing.names.end() || at->name != name)
        return;
    if (at == begin) {
        // Deleting item 1 over and over is the common case: move the start
        // instead of shifting every name, and compact once half is unused.
        ++listing.first;
        if (listing.first > 1024 && listing.first * 2 > listing.names.size()) {
            listing.names.erase(listing.names.begin(), listing.names.begin() + listing.first);
            listing.first = 0;
        }
    } else {
        listing.names.erase(at);
    }
}

} // namespace

// A walk takes each item as Count(), Item(i), and then asks whether the item
// is a folder. Each step stands on the look the one before made, when it
// follows at once: nothing read or changed in between, less than a
// millisecond after the folder was looked at. A change made by another
// program in that instant shows at the next Count().
namespace {

struct WalkStep {
    uint64_t generation = 0;           // the listing looked at; 0 for none
    std::chrono::steady_clock::time_point at;   // when the folder was looked at
    std::string item;                  // after Item(): the item's path
    unsigned char type = DT_UNKNOWN;   // after Item(): its kind, as the folder gave it
};
WalkStep lastStep;

WalkStep takeRecentStep()
{
    WalkStep step = std::move(lastStep);
    lastStep = {};
    if (step.generation == 0 || std::chrono::steady_clock::now() - step.at > std::chrono::milliseconds(1))
        return {};
    return step;
}

} // namespace

int Count(const fs::path& folder)
{
    std::lock_guard lock(mutex);
    const Listing* listing = current(folder);
    lastStep = {};
    if (!listing)
        return 0;
    lastStep.generation = listing->generation;
    lastStep.at = std::chrono::steady_clock::now();
    return int(listing->size());
}

std::optional<std::string> Item(const fs::path& folder, int index)
{
    std::lock_guard lock(mutex);
    WalkStep step = takeRecentStep();
    const Listing* listing = nullptr;
    if (step.generation != 0 && step.item.empty()) {
        const auto found = listings.find(folder.native());
        if (found != listings.end() && found->second.generation == step.generation) {
            listing = &found->second;
            ++found->second.callsSinceRead;
        }
    }
    if (!listing) {
        listing = current(folder);
        step.at = std::chrono::steady_clock::now();
    }
    if (!listing || index < 1 || size_t(index) > listing->size())
        return std::nullopt;
    const Entry& entry = listing->names[listing->first + size_t(index) - 1];
    step.generation = listing->generation;
    step.item = folder.native();
    if (step.item.empty() || step.item.back() != '/')
        step.item += '/';
    step.item += entry.name;
    step.type = entry.type;
    lastStep = std::move(step);
    return entry.name;
}

std::optional<bool> KnownFolder(const fs::path& item)
{
    std::lock_guard lock(mutex);
    const WalkStep step = takeRecentStep();
    if (step.generation == 0 || step.item != item.native() || step.type == DT_UNKNOWN || step.type == DT_LNK)
        return std::nullopt;
    return step.type == DT_DIR;
}

Change::Change(const fs::path& folder) : m_folder(folder)
{
    std::lock_guard lock(mutex);
    lastStep = {};
    const auto found = listings.find(folder.native());
    if (found == listings.end())
        return;
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0 && sameFolderState(found->second, st))
        m_generation = found->second.generation;
    else
        listings.erase(found);
}

void Change::Update(const std::string& name)
{
    apply(name, nullptr);
}

void Change::Update(const std::string& name, bool present)
{
    apply(name, &present);
}

void Change::apply(const std::string& name, const bool* knownPresent)
{
    std::lock_guard lock(mutex);
    const auto found = listings.find(m_folder.native());
    if (found == listings.end())
        return;
    Listing& listing = found->second;
    struct stat st;
    if (m_generation == 0 || listing.generation != m_generation || ::stat(m_folder.c_str(), &st) != 0) {
        listings.erase(found);
        return;
    }
    struct stat item;
    const bool present = knownPresent ? *knownPresent : ::lstat((m_folder / name).c_str(), &item) == 0;
    if (present)
        insertName(listing, name);
    else
        removeName(listing, name);
    noteOwnChange(listing, st);
    takeFolderState(listing, st);
    listing.generation = ++lastGeneration;
    m_generation = listing.generation;
}

} // namespace FolderListing
