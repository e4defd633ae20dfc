// Counting, copying and deleting trees: results, what lands where, and the
// bar's Value at every file.
#include "EngineTestSupport.h"

#include <QTimer>
#include <functional>

namespace {

// A tree of 3 files at the top and 2 in a subfolder.
void MakeFiveFileTree(const fs::path& dir)
{
    Sandbox::WriteFile(dir / "a.txt", "A");
    Sandbox::WriteFile(dir / "b.txt", "BB");
    Sandbox::WriteFile(dir / "c.txt", "CCC");
    Sandbox::WriteFile(dir / "sub" / "d.txt", "DDDD");
    Sandbox::WriteFile(dir / "sub" / "e.txt", "EEEEE");
}

struct CountCase {
    const char* name;
    std::function<FolderItem(const fs::path& root)> folder;
    bool recursive;
    int expected;
};

class CountFilesTest : public EngineTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountFilesTest, Counts)
{
    EXPECT_EQ(installer.CountFiles(GetParam().folder(box.root), GetParam().recursive), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Trees, CountFilesTest, ::testing::Values(
    CountCase{"Nil", [](const fs::path&) { return FolderItem(); }, true, 0},
    CountCase{"Missing", [](const fs::path& r) { return FolderItem(r / "nowhere"); }, true, 0},
    CountCase{"Empty", [](const fs::path& r) { fs::create_directories(r / "t"); return FolderItem(r / "t"); }, true, 0},
    CountCase{"OnlyEmptyFolders", [](const fs::path& r) {
        fs::create_directories(r / "t" / "x" / "y");
        fs::create_directories(r / "t" / "z");
        return FolderItem(r / "t"); }, true, 0},
    CountCase{"ThreeAndTwoInSubfolder", [](const fs::path& r) { MakeFiveFileTree(r / "t"); return FolderItem(r / "t"); }, true, 5},
    CountCase{"TopLevelItemsFoldersIncluded", [](const fs::path& r) {
        Sandbox::WriteFile(r / "t" / "1", "");
        Sandbox::WriteFile(r / "t" / "2", "");
        Sandbox::WriteFile(r / "t" / "sub" / "3", "");
        return FolderItem(r / "t"); }, false, 3},
    CountCase{"DeepNesting", [](const fs::path& r) {
        Sandbox::WriteFile(r / "t" / "a" / "b" / "c" / "1", "");
        Sandbox::WriteFile(r / "t" / "a" / "2", "");
        return FolderItem(r / "t"); }, true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

using CopyFilesTest = EngineTest;

TEST_F(CopyFilesTest, CopiesEveryFileWithOneStepEach)
{
    MakeFiveFileTree(box.root / "src");
    const FolderItem dest = Folder(box.root / "dest");
    bar.SetValue(0);
    BarRecorder steps(bar, FileOp::Write, box.root / "dest");

    EXPECT_TRUE(installer.CopyFiles(At(box.root / "src"), dest, bar, 1));

    EXPECT_EQ(steps.values, Range(1, 5));
    EXPECT_EQ(bar.Value(), 5);
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), Sandbox::Tree(box.root / "src"));
    EXPECT_EQ(Sandbox::ReadFile(box.root / "dest" / "sub" / "e.txt"), "EEEEE");
    EXPECT_EQ(Sandbox::ReadFile(box.root / "dest" / "b.txt"), "BB");
}

TEST_F(CopyFilesTest, StepsContinueFromTheCallersValue)
{
    MakeFiveFileTree(box.root / "src");
    bar.SetValue(7);
    BarRecorder steps(bar, FileOp::Write, box.root / "dest");
    EXPECT_TRUE(installer.CopyFiles(At(box.root / "src"), Folder(box.root / "dest"), bar, 1));
    EXPECT_EQ(steps.values, Range(8, 12));
}

// While events are let through for a file, its step is made and the file is
// not yet copied.
TEST_F(CopyFilesTest, LetsEventsThroughAfterTheStepAndBeforeTheCopy)
{
    MakeFiveFileTree(box.root / "src");
    bar.SetValue(0);
    BarRecorder copies(bar, FileOp::Write, box.root / "dest");
    std::vector<std::pair<int, int>> seen;   // Value, copies begun
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { seen.emplace_back(bar.Value(), int(copies.values.size())); });
    timer.start();

    EXPECT_TRUE(installer.CopyFiles(At(box.root / "src"), Folder(box.root / "dest"), bar, 1));
    timer.stop();

    ASSERT_FALSE(seen.empty()) << "no events were handled during the copy";
    for (const auto& [value, begun] : seen)
        EXPECT_EQ(value, begun + 1);
}

TEST_F(CopyFilesTest, EmptySourceCopiesNothingAndLeavesTheBar)
{
    const FolderItem src = Folder(box.root / "src");
    const FolderItem dest = Folder(box.root / "dest");
    bar.SetValue(3);
    EXPECT_TRUE(installer.CopyFiles(src, dest, bar, 1));
    EXPECT_EQ(bar.Value(), 3);
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "");
}

TEST_F(CopyFilesTest, EmptyFoldersAreRecreatedWithoutSteps)
{
    fs::create_directories(box.root / "src" / "x" / "y");
    fs::create_directories(box.root / "src" / "z");
    bar.SetValue(0);
    EXPECT_TRUE(installer.CopyFiles(At(box.root / "src"), Folder(box.root / "dest"), bar, 1));
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "x/\nx/y/\nz/\n");
}

TEST_F(CopyFilesTest, ExistingFolderOfTheSameNameIsFilled)
{
    MakeFiveFileTree(box.root / "src");
    Sandbox::WriteFile(box.root / "dest" / "sub" / "mine.txt", "mine");
    Sandbox::WriteFile(box.root / "dest" / "a.txt", "old A, longer than the new one");
    EXPECT_TRUE(installer.CopyFiles(At(box.root / "src"), At(box.root / "dest"), bar, 1));
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "a.txt\nb.txt\nc.txt\nsub/\nsub/d.txt\nsub/e.txt\nsub/mine.txt\n");
    EXPECT_EQ(Sandbox::ReadFile(box.root / "dest" / "sub" / "mine.txt"), "mine");
    EXPECT_EQ(Sandbox::ReadFile(box.root / "dest" / "a.txt"), "A");
}

struct UnusableCase {
    const char* name;
    bool nilSource, missingSource, nilDestination, missingDestination;
};

class CopyFilesUnusable : public EngineTest, public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(CopyFilesUnusable, ReturnsFalseAndCreatesNothing)
{
    const UnusableCase& c = GetParam();
    if (!c.missingSource)
        MakeFiveFileTree(box.root / "src");
    if (!c.missingDestination)
        fs::create_directories(box.root / "dest");
    const FolderItem src = c.nilSource ? FolderItem() : At(box.root / "src");
    const FolderItem dest = c.nilDestination ? FolderItem() : At(box.root / "dest");
    const std::string before = Sandbox::Tree(box.root);
    bar.SetValue(0);

    bool result = true;
    EXPECT_NO_THROW(result = installer.CopyFiles(src, dest, bar, 1));
    EXPECT_FALSE(result);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(Sandbox::Tree(box.root), before);
}

INSTANTIATE_TEST_SUITE_P(Folders, CopyFilesUnusable, ::testing::Values(
    UnusableCase{"NilSource", true, false, false, false},
    UnusableCase{"MissingSource", false, true, false, false},
    UnusableCase{"NilDestination", false, false, true, false},
    UnusableCase{"MissingDestination", false, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A disk that fills up on the second file: the copy stops there and fails.
TEST_F(CopyFilesTest, FullDiskStopsTheCopyAndFails)
{
    MakeFiveFileTree(box.root / "src");
    bar.SetValue(0);
    BarRecorder steps(bar, FileOp::Write, box.root / "dest", 2, ENOSPC);

    EXPECT_FALSE(installer.CopyFiles(At(box.root / "src"), Folder(box.root / "dest"), bar, 1));

    EXPECT_EQ(steps.values, Range(1, 2));
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "a.txt\n");
    EXPECT_EQ(Sandbox::ReadFile(box.root / "dest" / "a.txt"), "A");
}

TEST_F(CopyFilesTest, FailureInASubfolderEndsTheWholeCopy)
{
    Sandbox::WriteFile(box.root / "src" / "a" / "1.txt", "1");
    Sandbox::WriteFile(box.root / "src" / "a" / "2.txt", "2");
    Sandbox::WriteFile(box.root / "src" / "b.txt", "b");
    BarRecorder steps(bar, FileOp::Write, box.root / "dest", 2, ENOSPC);
    EXPECT_FALSE(installer.CopyFiles(At(box.root / "src"), Folder(box.root / "dest"), bar, 1));
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "a/\na/1.txt\n");
}

TEST_F(CopyFilesTest, DestinationThatRefusesWritesFails)
{
    MakeFiveFileTree(box.root / "src");
    const FolderItem dest = Folder(box.root / "dest");
    ScopedFileFault refuse([&](FileOp op, const fs::path& target) {
        return op != FileOp::Delete && IsInside(target, box.root / "dest") ? EACCES : 0;
    });
    EXPECT_FALSE(installer.CopyFiles(At(box.root / "src"), dest, bar, 1));
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "");
}

TEST_F(CopyFilesTest, SubfolderThatCannotBeCreatedFails)
{
    Sandbox::WriteFile(box.root / "src" / "sub" / "x.txt", "x");
    ScopedFileFault refuse([&](FileOp op, const fs::path&) { return op == FileOp::CreateFolder ? EROFS : 0; });
    bar.SetValue(0);
    EXPECT_FALSE(installer.CopyFiles(At(box.root / "src"), Folder(box.root / "dest"), bar, 1));
    EXPECT_EQ(bar.Value(), 0);
}

using DeleteFilesTest = EngineTest;

TEST_F(DeleteFilesTest, DeletesEveryFileWithOneStepBackEach)
{
    MakeFiveFileTree(box.root / "t");
    bar.SetMaximum(5);
    bar.SetValue(5);
    BarRecorder steps(bar, FileOp::Delete, box.root / "t");

    installer.DeleteFiles(At(box.root / "t"), bar);

    EXPECT_EQ(steps.values, Range(4, 0));
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(bar.Maximum(), 5);
    EXPECT_FALSE(fs::exists(box.root / "t"));
}

TEST_F(DeleteFilesTest, NilOrMissingFolderIsLeftAlone)
{
    bar.SetValue(4);
    EXPECT_NO_THROW(installer.DeleteFiles(FolderItem(), bar));
    EXPECT_NO_THROW(installer.DeleteFiles(At(box.root / "nowhere"), bar));
    EXPECT_EQ(bar.Value(), 4);
}

// Without the skip, the undeletable first item would be taken again forever.
TEST_F(DeleteFilesTest, UndeletableItemIsSkippedAndTheRestGoes)
{
    MakeFiveFileTree(box.root / "t");
    ScopedFileFault stuck([&](FileOp op, const fs::path& target) {
        return op == FileOp::Delete && target.filename() == "a.txt" ? EBUSY : 0;
    });
    bar.SetValue(5);
    installer.DeleteFiles(At(box.root / "t"), bar);
    EXPECT_EQ(Sandbox::Tree(box.root / "t"), "a.txt\n");
    EXPECT_EQ(Sandbox::ReadFile(box.root / "t" / "a.txt"), "A");
    EXPECT_EQ(bar.Value(), 0);
}

TEST_F(DeleteFilesTest, UndeletableFolderIsEmptiedAndSkipped)
{
    MakeFiveFileTree(box.root / "t");
    Sandbox::WriteFile(box.root / "t" / "zzz.txt", "last");
    ScopedFileFault stuck([&](FileOp op, const fs::path& target) {
        return op == FileOp::Delete && target.filename() == "sub" ? EPERM : 0;
    });
    installer.DeleteFiles(At(box.root / "t"), bar);
    EXPECT_EQ(Sandbox::Tree(box.root / "t"), "sub/\n");
}

TEST_F(DeleteFilesTest, LinkedFolderGoesAsALinkAndWhatItLeadsToStays)
{
    Sandbox::WriteFile(box.root / "keep" / "precious.txt", "precious");
    Sandbox::WriteFile(box.root / "t" / "a.txt", "A");
    fs::create_directory_symlink(box.root / "keep", box.root / "t" / "link");
    installer.DeleteFiles(At(box.root / "t"), bar);
    EXPECT_FALSE(fs::exists(fs::symlink_status(box.root / "t")));
    EXPECT_EQ(Sandbox::ReadFile(box.root / "keep" / "precious.txt"), "precious");
}

} // namespace
