// Copying single files: every size around the copy's chunks arrives whole,
// and a destination that is missing or is a file fails with its reason.
#include "FolderItem.h"
#include "Sandbox.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct SizeCase {
    const char* name;
    size_t bytes;
};

class FileSizeTest : public ::testing::TestWithParam<SizeCase> {
protected:
    Sandbox box;
};

TEST_P(FileSizeTest, TheCopyHasEveryByteTheModeAndTheTime)
{
    std::string content(GetParam().bytes, '\0');
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = char(i * 31 + i / 8191);
    const fs::path source = box.media / "file.dat";
    Sandbox::WriteFile(source, content);
    ASSERT_EQ(::chmod(source.c_str(), 0640), 0);
    const timespec times[2] = {{1200000000, 7}, {1200000000, 7}};
    ASSERT_EQ(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);

    ASSERT_TRUE(FolderItem(source).CopyFileTo(FolderItem(box.volume)));
    const fs::path copy = box.volume / "file.dat";
    EXPECT_TRUE(Sandbox::ReadFile(copy) == content);
    struct stat st {};
    ASSERT_EQ(::stat(copy.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1200000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 7);
}

// The in-place copy starts with 256 KiB and doubles while the kernel is quick.
constexpr size_t kMiB = size_t(1) << 20;

INSTANTIATE_TEST_SUITE_P(Sizes, FileSizeTest,
                         ::testing::Values(SizeCase{"Empty", 0}, SizeCase{"OneByte", 1},
                                           SizeCase{"FirstChunk", kMiB / 4}, SizeCase{"FirstChunkAndAByte", kMiB / 4 + 1},
                                           SizeCase{"ThreeChunks", 7 * kMiB / 4},
                                           SizeCase{"ThreeChunksAndAByte", 7 * kMiB / 4 + 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DestinationCase {
    const char* name;
    bool fileInTheWay;   // else the folder is missing
    const char* reason;
};

class FileDestinationTest : public ::testing::TestWithParam<DestinationCase> {
protected:
    Sandbox box;
};

TEST_P(FileDestinationTest, FailsNamingTheFileTheFolderAndTheReason)
{
    Sandbox::WriteFile(box.media / "a.kth", "a");
    const fs::path folder = box.volume / "Themes";
    if (GetParam().fileInTheWay)
        Sandbox::WriteFile(folder, "not a folder");
    const FileResult result = FolderItem(box.media / "a.kth").CopyFileTo(FolderItem(folder));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message.toStdString(), "Cannot copy “" + (box.media / "a.kth").string() + "” to “"
                                                + folder.string() + "/”: " + GetParam().reason);
    EXPECT_EQ(Sandbox::Tree(box.volume), GetParam().fileInTheWay ? "Themes\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Destinations, FileDestinationTest,
                         ::testing::Values(DestinationCase{"Missing", false, "No such file or directory"},
                                           DestinationCase{"AFile", true, "Not a directory"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
