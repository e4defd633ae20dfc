// The kept listing: on a file system whose clock tells our own quick changes
// apart, walking while deleting reads no folder again, yet a change made
// behind our back still shows, even one whose folder time is put back; a walk
// (Count, Item, Directory) tells folders from files by what the folder listed.
#include "FolderItem.h"
#include "Sandbox.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

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

// Count(), Item(i), Directory(), as the tree walks take every item.
std::vector<std::string> walk(const FolderItem& folder)
{
    std::vector<std::string> seen;
    for (int i = 1; i <= folder.Count(); ++i) {
        const FolderItem item = folder.Item(i);
        seen.push_back(item.Name().toStdString() + (item.Directory() ? "/" : ""));
    }
    return seen;
}

TEST(FolderListingWalk, TellsFoldersFromFilesAndFollowsLinks)
{
    Sandbox box;
    Sandbox::WriteFile(box.volume / "a file", "x");
    fs::create_directories(box.volume / "b folder");
    fs::create_directory_symlink("b folder", box.volume / "c link to folder");
    fs::create_symlink("a file", box.volume / "d link to file");
    fs::create_symlink("nowhere", box.volume / "e broken link");
    EXPECT_EQ(walk(FolderItem(box.volume)), (std::vector<std::string>{"a file", "b folder/", "c link to folder/",
                                                                      "d link to file", "e broken link"}));
}

TEST(FolderListingWalk, AnItemReplacedBetweenTwoWalksIsSeenAsItIsNow)
{
    Sandbox box;
    Sandbox::WriteFile(box.volume / "Themes", "a file for now");
    const FolderItem volume(box.volume);
    ASSERT_EQ(walk(volume), (std::vector<std::string>{"Themes"}));
    fs::remove(box.volume / "Themes");
    fs::create_directories(box.volume / "Themes");
    EXPECT_EQ(walk(volume), (std::vector<std::string>{"Themes/"}));
    EXPECT_TRUE(volume.Child("Themes").Directory());
}

} // namespace
