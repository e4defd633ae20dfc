// FolderItem: nil and missing items, listings that follow changes, copying
// and deleting with their failures.
#include "FileFaults.h"
#include "FolderItem.h"
#include "Sandbox.h"
#include "TextStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct stat statOf(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

void setModificationTime(const fs::path& path, time_t seconds, long nanoseconds)
{
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

void restoreModificationTime(const fs::path& path, const struct stat& st)
{
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// The file's content, permission bits and modification time, as one value.
std::string fingerprint(const fs::path& file)
{
    const struct stat st = statOf(file);
    return Sandbox::ReadFile(file) + " mode " + std::to_string(st.st_mode & 07777) + " mtime "
        + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

std::vector<std::string> names(const FolderItem& folder)
{
    std::vector<std::string> result;
    for (int i = 1; i <= folder.Count(); ++i)
        result.push_back(folder.Item(i).NativePath().filename().string());
    return result;
}

class FolderItemTest : public ::testing::Test {
protected:
    Sandbox box;
};

// ---- nil and missing items ------------------------------------------------

TEST_F(FolderItemTest, EveryOperationOnANilItemThrowsTheNilException)
{
    const FolderItem nil;
    EXPECT_TRUE(nil.IsNil());
    EXPECT_FALSE(bool(nil));
    EXPECT_TRUE(nil == FolderItem());
    EXPECT_FALSE(nil == FolderItem(box.volume));

    const std::pair<const char*, std::function<void()>> operations[] = {
        {"Child", [&] { nil.Child("a"); }},
        {"Exists", [&] { nil.Exists(); }},
        {"Directory", [&] { nil.Directory(); }},
        {"CreateAsFolder", [&] { nil.CreateAsFolder(); }},
        {"Count", [&] { nil.Count(); }},
        {"Item", [&] { nil.Item(1); }},
        {"Name", [&] { nil.Name(); }},
        {"Parent", [&] { nil.Parent(); }},
        {"AbsolutePath", [&] { nil.AbsolutePath(); }},
        {"CopyFileTo", [&] { nil.CopyFileTo(FolderItem(box.volume)); }},
        {"Delete", [&] { nil.Delete(); }},
        {"OpenAsTextFile", [&] { nil.OpenAsTextFile(); }},
        {"CreateTextFile", [&] { nil.CreateTextFile(); }},
        {"NativePath", [&] { nil.NativePath(); }},
    };
    for (const auto& [name, operation] : operations)
        EXPECT_THROW(operation(), NilObjectException) << name;
}

TEST_F(FolderItemTest, AMissingItemGivesPlainAnswers)
{
    const FolderItem missing(box.volume / "nothing" / "here");
    EXPECT_FALSE(missing.Exists());
    EXPECT_FALSE(missing.Directory());
    EXPECT_EQ(missing.Count(), 0);
    EXPECT_TRUE(missing.Item(1).IsNil());
    EXPECT_FALSE(missing.CreateAsFolder());   // its parent is missing too
    EXPECT_EQ(missing.OpenAsTextFile(), nullptr);
    EXPECT_EQ(missing.CreateTextFile(), nullptr);
    EXPECT_TRUE(missing.Delete());

    Sandbox::WriteFile(box.volume / "file.txt", "x");
    const FolderItem file(box.volume / "file.txt");
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(file.Item(1).IsNil());
    EXPECT_FALSE(file.Child("x").Exists());
    EXPECT_FALSE(file.CopyFileTo(missing));
    EXPECT_FALSE(file.CopyFileTo(FolderItem()));
    EXPECT_FALSE(missing.CopyFileTo(FolderItem(box.volume)));
}

TEST_F(FolderItemTest, CreateAsFolderMakesOneLevel)
{
    const FolderItem folder(box.volume / "Applications");
    EXPECT_TRUE(folder.CreateAsFolder());
    EXPECT_TRUE(folder.Directory());
    EXPECT_TRUE(folder.CreateAsFolder());   // already there
    Sandbox::WriteFile(box.volume / "plain", "x");
    EXPECT_FALSE(FolderItem(box.volume / "plain").CreateAsFolder());
    {
        ScopedFileFault fault([](FileOp op, const fs::path&) { return op == FileOp::CreateFolder ? EROFS : 0; });
        EXPECT_FALSE(folder.Child("Lumora").CreateAsFolder());
    }
    EXPECT_FALSE(folder.Child("Lumora").Exists());
}

// ---- listings ---------------------------------------------------------------

TEST_F(FolderItemTest, ItemsAreSortedByNameWithHiddenFilesCountingFromOne)
{
    for (const char* name : {"b", ".hidden", "A", "a", "Z 1", "é"})
        Sandbox::WriteFile(box.volume / name, name);
    fs::create_directories(box.volume / "Folder");
    const FolderItem volume(box.volume);
    EXPECT_EQ(names(volume), (std::vector<std::string>{".hidden", "A", "Folder", "Z 1", "a", "b", "é"}));
    EXPECT_TRUE(volume.Item(0).IsNil());
    EXPECT_TRUE(volume.Item(-1).IsNil());
    EXPECT_TRUE(volume.Item(8).IsNil());
    EXPECT_TRUE(volume.Item(3).Directory());
    EXPECT_TRUE(volume.Item(3).Parent() == volume);
}

TEST_F(FolderItemTest, DeletingItemOneOverAndOverEmptiesTheFolderInOrder)
{
    // More items than a folder the listing re-reads on every call.
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%04d", i);
        Sandbox::WriteFile(box.volume / name, "x");
        expected.push_back(name);
    }
    const FolderItem volume(box.volume);
    std::vector<std::string> deleted;
    while (volume.Count() > 0) {
        const FolderItem first = volume.Item(1);
        deleted.push_back(first.NativePath().filename().string());
        ASSERT_TRUE(first.Delete());
        ASSERT_EQ(volume.Count(), int(expected.size() - deleted.size()));
    }
    EXPECT_EQ(deleted, expected);
    EXPECT_TRUE(fs::is_empty(box.volume));
}

TEST_F(FolderItemTest, TheListingFollowsChangesMadeBehindItsBack)
{
    for (const char* name : {"b", "d", "f"})
        Sandbox::WriteFile(box.volume / name, "x");
    const FolderItem volume(box.volume);
    ASSERT_EQ(names(volume), (std::vector<std::string>{"b", "d", "f"}));

    ASSERT_TRUE(volume.Item(1).Delete());          // our own change
    Sandbox::WriteFile(box.volume / "a", "x");      // someone else's, right after
    fs::remove(box.volume / "f");
    EXPECT_EQ(names(volume), (std::vector<std::string>{"a", "d"}));
}

TEST_F(FolderItemTest, AChangeThatLeavesTheFolderTimeAsItWasIsStillSeen)
{
    // A coarse file system clock stamps two quick changes with the same time;
    // putting the time back by hand makes that happen every run.
    Sandbox::WriteFile(box.volume / "a", "x");
    const FolderItem volume(box.volume);
    ASSERT_EQ(volume.Count(), 1);
    const struct stat before = statOf(box.volume);
    Sandbox::WriteFile(box.volume / "b", "x");
    restoreModificationTime(box.volume, before);
    EXPECT_EQ(names(volume), (std::vector<std::string>{"a", "b"}));
}

TEST_F(FolderItemTest, AFolderReplacedByAnotherOfTheSameNameIsReadAgain)
{
    Sandbox::WriteFile(box.volume / "Themes" / "old", "x");
    const FolderItem themes(box.volume / "Themes");
    ASSERT_EQ(themes.Count(), 1);
    const struct stat before = statOf(themes.NativePath());
    fs::rename(themes.NativePath(), box.volume / "Gone");
    Sandbox::WriteFile(box.volume / "Themes" / "new", "x");
    restoreModificationTime(themes.NativePath(), before);
    EXPECT_EQ(names(themes), (std::vector<std::string>{"new"}));
}

// ---- copying ------------------------------------------------------------------

TEST_F(FolderItemTest, CopyingAFileReplacesItByteForByteWithModeAndTime)
{
    const fs::path source = box.media / "Lumora Blue.kth";
    Sandbox::WriteFile(source, std::string("theme\0blue\n", 11));
    fs::permissions(source, fs::perms(0751));
    setModificationTime(source, 1100000000, 123456789);
    const fs::path target = box.volume / "Themes" / "Lumora Blue.kth";
    Sandbox::WriteFile(target, "an older, longer theme file");

    const FolderItem themes(box.volume / "Themes");
    ASSERT_EQ(themes.Count(), 1);
    ASSERT_TRUE(FolderItem(source).CopyFileTo(themes));
    EXPECT_EQ(fingerprint(target), fingerprint(source));
    EXPECT_EQ(Sandbox::Tree(themes.NativePath()), "Lumora Blue.kth\n");   // nothing left over
    EXPECT_EQ(themes.Count(), 1);

    Sandbox::WriteFile(box.media / "Lumora Green.kth", "green");
    ASSERT_TRUE(FolderItem(box.media / "Lumora Green.kth").CopyFileTo(themes));
    EXPECT_EQ(names(themes), (std::vector<std::string>{"Lumora Blue.kth", "Lumora Green.kth"}));
}

TEST_F(FolderItemTest, CopyingAFolderMergesItIntoAnExistingOne)
{
    const fs::path source = box.media / "Backgrounds";
    Sandbox::WriteFile(source / "Dawn.jpg", "dawn");
    Sandbox::WriteFile(source / ".DS_Store", "hidden");
    Sandbox::WriteFile(source / "Night" / "Moon.jpg", "moon");
    Sandbox::WriteFile(source / "Night" / ".hidden", "");
    fs::create_directories(source / "Empty");
    fs::permissions(source / "Dawn.jpg", fs::perms(0600));
    setModificationTime(source / "Dawn.jpg", 1000000000, 5);
    setModificationTime(source / "Night" / "Moon.jpg", 1000000001, 999999999);

    const fs::path target = box.volume / "Applications" / "Backgrounds";
    Sandbox::WriteFile(target / "Dawn.jpg", "an old dawn");
    Sandbox::WriteFile(target / "Mine.jpg", "the user's own");
    Sandbox::WriteFile(target / "Night" / "Star.jpg", "star");

    ASSERT_TRUE(FolderItem(source).CopyFileTo(FolderItem(box.volume / "Applications")));
    EXPECT_EQ(Sandbox::Tree(target),
              ".DS_Store\nDawn.jpg\nEmpty/\nMine.jpg\nNight/\nNight/.hidden\nNight/Moon.jpg\nNight/Star.jpg\n");
    for (const char* file : {"Dawn.jpg", ".DS_Store", "Night/Moon.jpg", "Night/.hidden"})
        EXPECT_EQ(fingerprint(target / file), fingerprint(source / file)) << file;
    EXPECT_EQ(Sandbox::ReadFile(target / "Mine.jpg"), "the user's own");
}

TEST_F(FolderItemTest, ACopiedFolderKeepsItsModeAndTimeAndStaysWritable)
{
    const fs::path source = box.media / "Fonts";
    Sandbox::WriteFile(source / "Sans.ttf", "sans");
    setModificationTime(source, 1000000000, 42);
    fs::permissions(source, fs::perms(0555));   // as on a CD
    ASSERT_TRUE(FolderItem(source).CopyFileTo(FolderItem(box.volume)));
    const struct stat copied = statOf(box.volume / "Fonts");
    EXPECT_EQ(copied.st_mode & 07777, 0755u);
    EXPECT_EQ(copied.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(copied.st_mtim.tv_nsec, 42);
}

TEST_F(FolderItemTest, ABigFileIsCopiedWhole)
{
    std::string content(9 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = char(i * 7 + i / 4096);
    Sandbox::WriteFile(box.media / "big.dat", content);
    ASSERT_TRUE(FolderItem(box.media / "big.dat").CopyFileTo(FolderItem(box.volume)));
    EXPECT_TRUE(Sandbox::ReadFile(box.volume / "big.dat") == content);
}

TEST_F(FolderItemTest, SymbolicLinksAreCopiedAsLinks)
{
    Sandbox::WriteFile(box.media / "Pack" / "real.txt", "real");
    fs::create_symlink("real.txt", box.media / "Pack" / "link.txt");
    fs::create_directory_symlink("..", box.media / "Pack" / "up");   // would loop if followed
    ASSERT_TRUE(FolderItem(box.media / "Pack").CopyFileTo(FolderItem(box.volume)));
    EXPECT_EQ(fs::read_symlink(box.volume / "Pack" / "link.txt"), "real.txt");
    EXPECT_EQ(fs::read_symlink(box.volume / "Pack" / "up"), "..");
}

TEST_F(FolderItemTest, CopyingAnItemOntoItselfChangesNothing)
{
    Sandbox::WriteFile(box.volume / "Themes" / "a.kth", "a");
    const FolderItem themes(box.volume / "Themes");
    EXPECT_TRUE(themes.Child("a.kth").CopyFileTo(themes));
    EXPECT_EQ(Sandbox::ReadFile(box.volume / "Themes" / "a.kth"), "a");
    EXPECT_TRUE(themes.CopyFileTo(FolderItem(box.volume)));

    const FileResult intoItself = themes.CopyFileTo(themes);
    EXPECT_FALSE(intoItself);
    EXPECT_TRUE(intoItself.message.contains("cannot be copied into itself")) << intoItself.message.toStdString();
    EXPECT_EQ(Sandbox::Tree(box.volume), "Themes/\nThemes/a.kth\n");
}

TEST_F(FolderItemTest, AFailedFileCopyNamesTheFileAndReasonAndKeepsTheOldFile)
{
    Sandbox::WriteFile(box.media / "a.kth", "new");
    Sandbox::WriteFile(box.media / "b.kth", "new");
    Sandbox::WriteFile(box.volume / "a.kth", "old");
    ScopedFileFault fault([](FileOp op, const fs::path&) { return op == FileOp::Write ? ENOSPC : 0; });

    const FileResult replacing = FolderItem(box.media / "a.kth").CopyFileTo(FolderItem(box.volume));
    EXPECT_FALSE(replacing);
    EXPECT_EQ(replacing.message.toStdString(), "Cannot copy “" + (box.media / "a.kth").string() + "” to “"
                                                   + box.volume.string() + "/”: No space left on device");
    EXPECT_FALSE(FolderItem(box.media / "b.kth").CopyFileTo(FolderItem(box.volume)));
    EXPECT_EQ(Sandbox::Tree(box.volume), "a.kth\n");
    EXPECT_EQ(Sandbox::ReadFile(box.volume / "a.kth"), "old");
}

TEST_F(FolderItemTest, AFailureInsideAFolderCopyStopsItAndIsReported)
{
    Sandbox::WriteFile(box.media / "Pack" / "Inner" / "bad.dat", "bad");
    const fs::path bad = box.media / "Pack" / "Inner" / "bad.dat";
    ScopedFileFault fault([](FileOp op, const fs::path& target) {
        return op == FileOp::Write && target.filename() == "bad.dat" ? EIO : 0;
    });
    const FileResult result = FolderItem(box.media / "Pack").CopyFileTo(FolderItem(box.volume));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message.toStdString(), "Cannot copy “" + bad.string() + "” to “"
                                                + (box.volume / "Pack" / "Inner").string() + "/”: Input/output error");
    EXPECT_FALSE(fs::exists(box.volume / "Pack" / "Inner" / "bad.dat"));
}

TEST_F(FolderItemTest, AFolderThatCannotBeCreatedFailsTheCopy)
{
    Sandbox::WriteFile(box.media / "Pack" / "Inner" / "a.dat", "a");
    Sandbox::WriteFile(box.volume / "Pack" / "Inner", "a file where a folder must go");
    const FileResult blocked = FolderItem(box.media / "Pack").CopyFileTo(FolderItem(box.volume));
    EXPECT_FALSE(blocked);
    EXPECT_TRUE(blocked.message.contains(QString::fromStdString((box.media / "Pack" / "Inner").string())));
    EXPECT_TRUE(blocked.message.endsWith(": File exists")) << blocked.message.toStdString();
    EXPECT_EQ(Sandbox::ReadFile(box.volume / "Pack" / "Inner"), "a file where a folder must go");

    ScopedFileFault fault([](FileOp op, const fs::path&) { return op == FileOp::CreateFolder ? EACCES : 0; });
    const FileResult refused = FolderItem(box.media / "Pack").CopyFileTo(FolderItem(box.root));
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.message.endsWith(": Permission denied")) << refused.message.toStdString();
    EXPECT_FALSE(fs::exists(box.root / "Pack"));
}

// ---- deleting ------------------------------------------------------------------

TEST_F(FolderItemTest, DeleteRemovesFilesAndEmptyFoldersOnly)
{
    Sandbox::WriteFile(box.volume / "Full" / "a.txt", "a");
    fs::create_directories(box.volume / "Empty");
    Sandbox::WriteFile(box.volume / "file.txt", "x");

    EXPECT_TRUE(FolderItem(box.volume / "file.txt").Delete());
    EXPECT_TRUE(FolderItem(box.volume / "Empty").Delete());
    EXPECT_TRUE(FolderItem(box.volume / "never there").Delete());
    const FileResult full = FolderItem(box.volume / "Full").Delete();
    EXPECT_FALSE(full);
    EXPECT_EQ(full.message.toStdString(), "Cannot delete “" + (box.volume / "Full").string() + "”: Directory not empty");
    EXPECT_EQ(Sandbox::Tree(box.volume), "Full/\nFull/a.txt\n");
}

TEST_F(FolderItemTest, ARefusedDeleteLeavesTheItemAndTheListing)
{
    Sandbox::WriteFile(box.volume / "a.txt", "a");
    const FolderItem volume(box.volume);
    ASSERT_EQ(volume.Count(), 1);
    ScopedFileFault fault([](FileOp op, const fs::path&) { return op == FileOp::Delete ? EPERM : 0; });
    const FileResult result = volume.Item(1).Delete();
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.message.endsWith(": Operation not permitted"));
    EXPECT_EQ(Sandbox::ReadFile(box.volume / "a.txt"), "a");
    EXPECT_EQ(volume.Count(), 1);
}

} // namespace
