// The kept listing on a file system whose clock tells our own quick changes
// apart: walking while deleting reads no folder again, yet a change made
// behind our back still shows, even one whose folder time is put back.
#include "FolderItem.h"
#include "Sandbox.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST(FolderListingClock, AChangeBehindOurBackShowsAfterQuickOwnDeletionsEvenWithTheTimePutBack)
{
    Sandbox box;
    const fs::path walk = box.volume / "Walk";
    for (int i = 0; i < 20; ++i)
        Sandbox::WriteFile(walk / ("f" + std::to_string(100 + i)), "x");
    const FolderItem folder(walk);
    // Quick deletions one after another: where the clock is fine, they
    // show it, and the listing stops being read again.
    while (folder.Count() > 10)
        ASSERT_TRUE(folder.Item(1).Delete());

    struct stat before {};
    ASSERT_EQ(::stat(walk.c_str(), &before), 0);
    Sandbox::WriteFile(walk / "f000", "someone else's");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, walk.c_str(), times, 0), 0);

    ASSERT_EQ(folder.Count(), 11);
    EXPECT_EQ(folder.Item(1).Name().toStdString(), "f000");
    ASSERT_TRUE(folder.Item(1).Delete());
    fs::remove(walk / "f119");
    EXPECT_EQ(folder.Count(), 9);
}

} // namespace
