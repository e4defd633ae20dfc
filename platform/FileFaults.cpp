#include "FileFaults.h"

namespace {
FileFaultHook& hook()
{
    static FileFaultHook installed;
    return installed;
}
} // namespace

void SetFileFaultHook(FileFaultHook newHook)
{
    hook() = std::move(newHook);
}

int InjectedFileFault(FileOp op, const std::filesystem::path& target)
{
    const FileFaultHook& installed = hook();
    return installed ? installed(op, target) : 0;
}

bool FileFaultHookInstalled()
{
    return bool(hook());
}
