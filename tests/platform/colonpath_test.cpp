// Colon paths: the round trip from any item to its path and back, the names
// of the volumes, and the paths that name no place.
#include "FolderItem.h"
#include "Folders.h"
#include "Sandbox.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct NameCase {
    const char* label;
    std::string nativeName;
    QString colonName;   // how the name is written in a colon path
};

const NameCase kNames[] = {
    {"plain", "Themes", "Themes"},
    {"spaces", "Lumora Blue Theme.kth", "Lumora Blue Theme.kth"},
    {"colon inside", "Report: 2004", "Report/ 2004"},
    {"only a colon", ":", "/"},
    {"trailing colon", "x:", "x/"},
    {"leading dot", ".hidden", ".hidden"},
    {"two dots and more", "..more", "..more"},
    {"non-ASCII", "Thème Ünïcode ™ 日本", "Thème Ünïcode ™ 日本"},
    {"volume-like name", "Macintosh HD", "Macintosh HD"},
};

class ColonPathTest : public ::testing::Test {
protected:
    Sandbox box;
};

TEST_F(ColonPathTest, ItemsInsideTheVolumeHaveTheExpectedPathAndComeBack)
{
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.label);
        const fs::path file = box.volume / "Library" / c.nativeName;
        const fs::path folder = box.volume / "Applications" / c.nativeName;
        Sandbox::WriteFile(file, "x");
        fs::create_directories(folder);

        const FolderItem fileItem(file);
        const FolderItem folderItem(folder);
        EXPECT_EQ(fileItem.AbsolutePath(), "MacHD:Library:" + c.colonName);
        EXPECT_EQ(folderItem.AbsolutePath(), "MacHD:Applications:" + c.colonName + ":");
        EXPECT_EQ(fileItem.Name(), c.colonName);
        EXPECT_TRUE(GetFolderItem(fileItem.AbsolutePath()) == fileItem);
        EXPECT_TRUE(GetFolderItem(folderItem.AbsolutePath()) == folderItem);
        EXPECT_TRUE(fileItem.Parent().Child(fileItem.Name()) == fileItem);
    }
}

TEST_F(ColonPathTest, ItemsOutsideTheVolumeAndMissingItemsComeBack)
{
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.label);
        const fs::path outside = box.root / "outside" / c.nativeName;
        Sandbox::WriteFile(outside / "inner.txt", "x");
        const FolderItem items[] = {FolderItem(outside), FolderItem(outside / "inner.txt"),
                                    FolderItem(outside / "missing"), FolderItem(box.volume / "missing" / c.nativeName)};
        for (const FolderItem& item : items) {
            const QString path = item.AbsolutePath();
            EXPECT_TRUE(GetFolderItem(path) == item) << path.toStdString();
        }
        EXPECT_TRUE(FolderItem(outside).AbsolutePath().startsWith("Macintosh HD:"));
        EXPECT_TRUE(FolderItem(outside).AbsolutePath().endsWith(c.colonName + ":"));
    }
}

TEST_F(ColonPathTest, TheVolumeItselfAndTheHostRoot)
{
    const FolderItem volume(box.volume);
    EXPECT_EQ(volume.AbsolutePath(), "MacHD:");
    EXPECT_EQ(volume.Name(), "MacHD");
    EXPECT_TRUE(GetFolderItem("MacHD:") == volume);
    EXPECT_TRUE(GetFolderItem("MacHD") == volume);

    const FolderItem root(fs::path("/"));
    EXPECT_EQ(root.AbsolutePath(), "Macintosh HD:");
    EXPECT_EQ(root.Name(), "Macintosh HD");
    EXPECT_TRUE(root.Parent().IsNil());
    EXPECT_TRUE(GetFolderItem("Macintosh HD:") == root);
    // The volume folder seen from the host root leads to the same place.
    EXPECT_TRUE(GetFolderItem(volume.Parent().AbsolutePath() + "MacHD:") == volume);
}

TEST_F(ColonPathTest, AVolumeAtTheRootIsMacintoshHD)
{
    setenv("LUMORA_VOLUME", "/", 1);
    const FolderItem item(box.volume / "a:b");
    Sandbox::WriteFile(item.NativePath(), "x");
    const QString path = item.AbsolutePath();
    EXPECT_TRUE(path.startsWith("Macintosh HD:")) << path.toStdString();
    EXPECT_TRUE(path.endsWith(":MacHD:a/b")) << path.toStdString();
    EXPECT_TRUE(GetFolderItem(path) == item);
    EXPECT_TRUE(SpecialFolder::Library().Parent() == FolderItem(fs::path("/")));
    EXPECT_TRUE(GetFolderItem("MacHD:a/b").IsNil());   // no volume of that name any more
}

TEST_F(ColonPathTest, AVolumeNamedLikeTheHostRootKeepsBothReachable)
{
    const fs::path volume = box.root / "Macintosh HD";
    fs::create_directories(volume / "Library");
    setenv("LUMORA_VOLUME", volume.c_str(), 1);
    const FolderItem inside(volume / "Library");
    const FolderItem outside(box.home);
    EXPECT_EQ(inside.AbsolutePath(), "Macintosh HD:Library:");
    EXPECT_NE(outside.AbsolutePath().section(':', 0, 0), "Macintosh HD");
    EXPECT_TRUE(GetFolderItem(inside.AbsolutePath()) == inside);
    EXPECT_TRUE(GetFolderItem(outside.AbsolutePath()) == outside);
}

TEST_F(ColonPathTest, TheEnvironmentIsReadAtEveryCall)
{
    const FolderItem item(box.volume / "Library");
    EXPECT_EQ(item.AbsolutePath(), "MacHD:Library");
    const fs::path other = box.root / "Other";
    fs::create_directories(other);
    setenv("LUMORA_VOLUME", other.c_str(), 1);
    EXPECT_TRUE(item.AbsolutePath().startsWith("Macintosh HD:"));
    EXPECT_TRUE(SpecialFolder::Library() == FolderItem(other / "Library"));
}

TEST_F(ColonPathTest, PathsThatNameNoPlaceGiveNil)
{
    const char* bad[] = {
        "Nowhere:Library:", "MacHD::Library", "MacHD:.:Library", "MacHD:..:Library", "MacHD:Library:..",
        "MacHD:Library::", ":MacHD:Library", ":", "/tmp",
    };
    for (const char* path : bad)
        EXPECT_TRUE(GetFolderItem(path).IsNil()) << path;
}

TEST_F(ColonPathTest, ARelativePathAppendedToAFolderPathResolves)
{
    const FolderItem preferences = PreferencesFolder();
    ASSERT_TRUE(preferences.Directory());
    EXPECT_TRUE(preferences == FolderItem(box.home / "Library" / "Preferences"));
    const FolderItem log = GetFolderItem(preferences.AbsolutePath() + "Brenwick:ThemeInstallLog.log");
    EXPECT_TRUE(log == FolderItem(box.home / "Library" / "Preferences" / "Brenwick" / "ThemeInstallLog.log"));
}

TEST_F(ColonPathTest, LibraryIsOnTheVolumeEvenBeforeItExists)
{
    const FolderItem library = SpecialFolder::Library();
    EXPECT_FALSE(library.Exists());
    EXPECT_TRUE(library.Parent() == FolderItem(box.volume));
    EXPECT_EQ(library.Parent().AbsolutePath(), "MacHD:");
}

TEST_F(ColonPathTest, AnEmptyPathIsTheInstallerFolder)
{
    EXPECT_TRUE(GetFolderItem("") == FolderItem(box.media));
    unsetenv("LUMORA_MEDIA");
    EXPECT_TRUE(GetFolderItem("") == FolderItem(QCoreApplication::applicationDirPath().toStdString()));
}

TEST_F(ColonPathTest, ChildNamesCannotLeaveTheFolder)
{
    const FolderItem volume(box.volume);
    EXPECT_TRUE(volume.Child("").IsNil());
    EXPECT_TRUE(volume.Child(".").IsNil());
    EXPECT_TRUE(volume.Child("..").IsNil());
    EXPECT_TRUE(volume.Child("../etc") == FolderItem(box.volume / "..:etc"));
    EXPECT_TRUE(volume.Child("a/b") == FolderItem(box.volume / "a:b"));
    EXPECT_TRUE(volume.Child("a/b").Parent() == volume);
}

} // namespace
