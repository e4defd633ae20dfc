// Text files: reading any line end, writing UTF-8 with LF, and replacing a
// file only when the whole text is in.
#include "FileFaults.h"
#include "FolderItem.h"
#include "Sandbox.h"
#include "TextStreams.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class TextStreamsTest : public ::testing::Test {
protected:
    Sandbox box;

    std::vector<QString> readLines(const std::string& content)
    {
        const fs::path file = box.home / "in.txt";
        Sandbox::WriteFile(file, content);
        std::unique_ptr<TextInputStream> in = FolderItem(file).OpenAsTextFile();
        EXPECT_NE(in, nullptr);
        std::vector<QString> lines;
        while (in && !in->Eof() && lines.size() < 100)
            lines.push_back(in->ReadLine());
        if (in) {
            EXPECT_EQ(in->ReadLine(), QString());   // nothing past the end
            EXPECT_TRUE(in->Eof());
            in->Close();
        }
        return lines;
    }
};

struct ReadCase {
    const char* label;
    std::string content;
    std::vector<QString> lines;
};

TEST_F(TextStreamsTest, ReadLineAcceptsEveryLineEnd)
{
    const ReadCase cases[] = {
        {"LF", "yes\nno\n", {"yes", "no"}},
        {"CR", "yes\rno\r", {"yes", "no"}},
        {"CRLF", "yes\r\nno\r\n", {"yes", "no"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"no final line end", "yes\nno", {"yes", "no"}},
        {"empty lines kept", "a\n\n\nb\n", {"a", "", "", "b"}},
        {"CR CR is two lines", "a\r\rb", {"a", "", "b"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"only a line end", "\n", {""}},
        {"empty file", "", {}},
        {"UTF-8", "Thème ™\n", {"Thème ™"}},
        {"byte order mark", "\xEF\xBB\xBFyes\n", {"yes"}},
        {"Latin-1 when not UTF-8", "Th\xE8me\n", {"Thème"}},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(readLines(c.content), c.lines) << c.label;
}

TEST_F(TextStreamsTest, OnlyReadableFilesOpen)
{
    EXPECT_EQ(FolderItem(box.home / "missing.txt").OpenAsTextFile(), nullptr);
    EXPECT_EQ(FolderItem(box.home).OpenAsTextFile(), nullptr);
}

TEST_F(TextStreamsTest, WrittenLinesAreUTF8WithLF)
{
    const FolderItem file(box.home / "pref.txt");
    std::unique_ptr<TextOutputStream> out = file.CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("MacHD:Applications:Lumora:Backgrounds:");
    out->WriteLine("Thème ™");
    out->WriteLine("");
    EXPECT_FALSE(fs::exists(file.NativePath()));   // nothing in place before Close
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(Sandbox::ReadFile(file.NativePath()), "MacHD:Applications:Lumora:Backgrounds:\nThème ™\n\n");
    EXPECT_EQ(Sandbox::Tree(box.home), "pref.txt\n");
    EXPECT_TRUE(out->Close());   // a second Close repeats the outcome
}

TEST_F(TextStreamsTest, ANewFileReplacesTheOldOneAndKeepsItsMode)
{
    const fs::path file = box.home / "log.log";
    Sandbox::WriteFile(file, "old line one\nold line two\nold line three\n");
    fs::permissions(file, fs::perms(0640));
    std::unique_ptr<TextOutputStream> out = FolderItem(file).CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("new");
    EXPECT_EQ(Sandbox::ReadFile(file), "old line one\nold line two\nold line three\n");
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(Sandbox::ReadFile(file), "new\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
}

TEST_F(TextStreamsTest, AFailedWriteLeavesTheOldFileWhole)
{
    const fs::path file = box.home / "ThemeInstallLog.log";
    Sandbox::WriteFile(file, "old\n");
    std::unique_ptr<TextOutputStream> out = FolderItem(file).CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("new");
    ScopedFileFault fault([](FileOp op, const fs::path&) { return op == FileOp::Write ? ENOSPC : 0; });
    const FileResult result = out->Close();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message.toStdString(), "Cannot write “" + file.string() + "”: No space left on device");
    EXPECT_EQ(Sandbox::ReadFile(file), "old\n");
    EXPECT_EQ(Sandbox::Tree(box.home), "ThemeInstallLog.log\n");
}

TEST_F(TextStreamsTest, AStreamDroppedWithoutCloseChangesNothing)
{
    const fs::path file = box.home / "pref.txt";
    Sandbox::WriteFile(file, "old\n");
    {
        std::unique_ptr<TextOutputStream> out = FolderItem(file).CreateTextFile();
        ASSERT_NE(out, nullptr);
        out->WriteLine("new");
    }
    EXPECT_EQ(Sandbox::ReadFile(file), "old\n");
    EXPECT_EQ(Sandbox::Tree(box.home), "pref.txt\n");
}

TEST_F(TextStreamsTest, ATextFileCannotBeCreatedInAMissingFolderOrOverAFolder)
{
    EXPECT_EQ(FolderItem(box.home / "Brenwick" / "pref.txt").CreateTextFile(), nullptr);
    fs::create_directories(box.home / "Brenwick");
    EXPECT_EQ(FolderItem(box.home / "Brenwick").CreateTextFile(), nullptr);
    EXPECT_EQ(Sandbox::Tree(box.home), "Brenwick/\n");
}

TEST_F(TextStreamsTest, AClosedFileShowsInItsFolderListing)
{
    Sandbox::WriteFile(box.home / "b.txt", "b");
    const FolderItem home(box.home);
    ASSERT_EQ(home.Count(), 1);
    std::unique_ptr<TextOutputStream> out = home.Child("a.txt").CreateTextFile();
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(out->Close());
    ASSERT_EQ(home.Count(), 2);
    EXPECT_TRUE(home.Item(1) == home.Child("a.txt"));
}

} // namespace
