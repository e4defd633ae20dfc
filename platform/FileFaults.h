#pragma once
// Test seam for the file errors a test cannot cause for real (the tests run
// as root, whom permissions do not stop): a full disk, a folder that refuses
// writes, an item that cannot be deleted. The hook is asked before each such
// operation; a non-zero errno makes the operation fail with that error, as
// the system would report it. An empty hook restores normal operation.
// The target is the item the operation is about: the file being written
// (under its own name, also while a temporary file stands in for it), the
// item being deleted, the folder being created.
#include <filesystem>
#include <functional>

enum class FileOp { Write, Delete, CreateFolder };
using FileFaultHook = std::function<int(FileOp op, const std::filesystem::path& target)>;

void SetFileFaultHook(FileFaultHook hook);
int InjectedFileFault(FileOp op, const std::filesystem::path& target);   // 0 when none
bool FileFaultHookInstalled();   // lets a hot path skip work done only for the hook

// Installs a hook for the lifetime of the object.
class ScopedFileFault {
public:
    explicit ScopedFileFault(FileFaultHook hook) { SetFileFaultHook(std::move(hook)); }
    ~ScopedFileFault() { SetFileFaultHook({}); }
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;
};
