// The install log across installs and uninstalls, the line list it is read
// into, and pref.txt.
#include "EngineTestSupport.h"

#include <optional>

namespace {

const std::string kThemesPath = "MacHD:Library:Application Support:Keynote:Themes:Lumora:";
const std::string kBgPath = "MacHD:Applications:Lumora:Backgrounds:";

class LogTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Global::osVolume = At(box.volume);
        Global::themeInstallFolder = Folder(box.volume / "Library" / "Application Support" / "Keynote" / "Themes" / "Lumora");
        Global::bgInstallFolder = Folder(box.volume / "Applications" / "Lumora" / "Backgrounds");
    }
    fs::path LogFile() const { return box.home / "Library" / "Preferences" / "Brenwick" / "ThemeInstallLog.log"; }
    std::optional<std::string> Log() const
    {
        if (!fs::exists(LogFile()))
            return std::nullopt;
        return Sandbox::ReadFile(LogFile());
    }
};

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// One pass that ends by writing the log.
struct Pass {
    bool install;   // CreateLog, else CreateUninstallLog
    bool themes;
    bool backgrounds;
};
constexpr Pass Install(bool themes, bool backgrounds) { return {true, themes, backgrounds}; }
constexpr Pass Uninstall(bool themes, bool backgrounds) { return {false, themes, backgrounds}; }

struct LogCase {
    const char* name;
    std::optional<std::string> previous;   // the log before the passes
    std::vector<Pass> passes;
    std::optional<std::string> expected;   // nullopt: no log afterwards
};

class LogSequenceTest : public LogTest, public ::testing::WithParamInterface<LogCase> {};

TEST_P(LogSequenceTest, WritesTheLog)
{
    const LogCase& c = GetParam();
    if (c.previous)
        Sandbox::WriteFile(LogFile(), *c.previous);
    for (const Pass& pass : c.passes) {
        Installer fresh;
        if (pass.install)
            fresh.CreateLog(pass.themes, pass.backgrounds);
        else
            fresh.CreateUninstallLog(pass.themes, pass.backgrounds);
    }
    EXPECT_EQ(Log(), c.expected);
}

const std::string kHeader = "Brenwick Keynote Installer";
const std::string kBoth = Lines({kHeader, "Themes=yes", "thmpath=" + kThemesPath, "Backgrounds=yes", "bgpath=" + kBgPath});

INSTANTIATE_TEST_SUITE_P(Passes, LogSequenceTest, ::testing::Values(
    LogCase{"FirstInstallOfThemes", std::nullopt, {Install(true, false)},
            Lines({kHeader, "Themes=yes", "thmpath=" + kThemesPath, "Backgrounds=no", "bgpath="})},
    LogCase{"FirstInstallOfBackgrounds", std::nullopt, {Install(false, true)},
            Lines({kHeader, "Themes=no", "thmpath=", "Backgrounds=yes", "bgpath=" + kBgPath})},
    LogCase{"FirstInstallOfNeither", std::nullopt, {Install(false, false)},
            Lines({kHeader, "Themes=no", "thmpath=", "Backgrounds=no", "bgpath="})},
    LogCase{"ThemesThenBackgrounds", std::nullopt, {Install(true, false), Install(false, true)}, kBoth},
    LogCase{"ReinstallOfBoth", std::nullopt, {Install(true, true), Install(true, true)}, kBoth},
    LogCase{"ThenUninstallOfThemes", std::nullopt, {Install(true, false), Install(false, true), Uninstall(true, false)},
            Lines({kHeader, "Themes=no", "", "Backgrounds=yes", "bgpath=" + kBgPath})},
    LogCase{"ThenUninstallOfBackgrounds", std::nullopt, {Install(true, true), Uninstall(false, true)},
            Lines({kHeader, "Themes=yes", "thmpath=" + kThemesPath, "Backgrounds=no", ""})},
    LogCase{"ThenUninstallOfOneAfterTheOther", std::nullopt, {Install(true, true), Uninstall(true, false), Uninstall(false, true)},
            Lines({kHeader, "Themes=no", "", "Backgrounds=no", ""})},
    LogCase{"ThenUninstallOfBoth", std::nullopt, {Install(true, true), Uninstall(true, true)}, std::nullopt},
    LogCase{"UninstallWithoutALog", std::nullopt, {Uninstall(true, false), Uninstall(true, true)}, std::nullopt},
    LogCase{"OtherLinesCarriedVerbatim", Lines({"Edited header", "Themes=YES", "thmpath=Odd=Name:Lumora:", "Backgrounds=maybe", "bgpath=x"}),
            {Install(false, false)},
            Lines({kHeader, "Themes=YES", "thmpath=Odd=Name:Lumora:", "Backgrounds=maybe", "bgpath=x"})},
    LogCase{"CrLineEndsOfAnOlderLog", std::string("Brenwick Keynote Installer\rThemes=yes\rthmpath=Old:Lumora:\rBackgrounds=no\rbgpath=\r"),
            {Install(false, true)},
            Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:", "Backgrounds=yes", "bgpath=" + kBgPath})},
    // A previous log too short to hold a section counts as not recording it.
    LogCase{"ThreeLineLogThenBackgrounds", Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:"}), {Install(false, true)},
            Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:", "Backgrounds=yes", "bgpath=" + kBgPath})},
    LogCase{"ThreeLineLogThenThemes", Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:"}), {Install(true, false)},
            Lines({kHeader, "Themes=yes", "thmpath=" + kThemesPath, "Backgrounds=no", "bgpath="})},
    LogCase{"FourLineLogThenThemes", Lines({kHeader, "Themes=no", "thmpath=", "Backgrounds=yes"}), {Install(true, false)},
            Lines({kHeader, "Themes=yes", "thmpath=" + kThemesPath, "Backgrounds=no", "bgpath="})},
    LogCase{"TwoLineLogThenBackgrounds", Lines({kHeader, "Themes=yes"}), {Install(false, true)},
            Lines({kHeader, "Themes=no", "thmpath=", "Backgrounds=yes", "bgpath=" + kBgPath})},
    LogCase{"EmptyLogThenNeither", std::string(), {Install(false, false)},
            Lines({kHeader, "Themes=no", "thmpath=", "Backgrounds=no", "bgpath="})},
    LogCase{"ThreeLineLogThenUninstallOfThemes", Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:"}), {Uninstall(true, false)},
            Lines({kHeader, "Themes=no", "", "Backgrounds=no", "bgpath="})},
    LogCase{"ThreeLineLogThenUninstallOfBackgrounds", Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:"}), {Uninstall(false, true)},
            Lines({kHeader, "Themes=yes", "thmpath=Old:Lumora:", "Backgrounds=no", ""})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogTest, ThemesFolderPathWithAnEqualsSignIsWrittenWhole)
{
    Global::themeInstallFolder = Folder(box.volume / "a=b" / "Lumora");
    installer.CreateLog(true, false);
    EXPECT_EQ(Log(), Lines({kHeader, "Themes=yes", "thmpath=MacHD:a=b:Lumora:", "Backgrounds=no", "bgpath="}));
}

TEST_F(LogTest, ParseLogFileGivesAnEmptyElementThenTheLines)
{
    Sandbox::WriteFile(box.root / "log", "one\r\n  two  \n\nfour\n");
    EXPECT_EQ(installer.ParseLogFile(At(box.root / "log")), (QStringList{"", "one", "  two  ", "", "four"}));
    Sandbox::WriteFile(box.root / "empty", "");
    EXPECT_EQ(installer.ParseLogFile(At(box.root / "empty")), QStringList{""});
    EXPECT_EQ(installer.ParseLogFile(At(box.root / "missing")), QStringList{""});
    EXPECT_EQ(installer.ParseLogFile(FolderItem()), QStringList{""});
}

TEST_F(LogTest, WhatTheWritersWriteReadsBackAsLines)
{
    installer.CreateLog(true, true);
    EXPECT_EQ(installer.ParseLogFile(At(LogFile())),
              (QStringList{"", QString::fromStdString(kHeader), "Themes=yes", QString::fromStdString("thmpath=" + kThemesPath),
                           "Backgrounds=yes", QString::fromStdString("bgpath=" + kBgPath)}));
}

// A log that cannot be rewritten keeps the previous one, byte for byte.
struct UnwritableCase {
    const char* name;
    Pass pass;
};

class UnwritableLogTest : public LogTest, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableLogTest, KeepsThePreviousLog)
{
    const std::string previous = "Brenwick Keynote Installer\r\nThemes=yes\r\nthmpath=Old:Lumora:\r\nBackgrounds=yes\r\nbgpath=Old:Backgrounds:\r\n";
    Sandbox::WriteFile(LogFile(), previous);
    const std::string before = Sandbox::Tree(LogFile().parent_path());
    {
        ScopedFileFault full([&](FileOp op, const fs::path& target) {
            return op == FileOp::Write && IsInside(target, LogFile().parent_path()) ? ENOSPC : 0;
        });
        if (GetParam().pass.install)
            installer.CreateLog(GetParam().pass.themes, GetParam().pass.backgrounds);
        else
            installer.CreateUninstallLog(GetParam().pass.themes, GetParam().pass.backgrounds);
    }
    EXPECT_EQ(Log(), previous);
    EXPECT_EQ(Sandbox::Tree(LogFile().parent_path()), before);
}

INSTANTIATE_TEST_SUITE_P(Passes, UnwritableLogTest, ::testing::Values(
    UnwritableCase{"InstallOfThemes", Install(true, false)},
    UnwritableCase{"InstallOfNeither", Install(false, false)},
    UnwritableCase{"UninstallOfBackgrounds", Uninstall(false, true)}),
    [](const auto& info) { return std::string(info.param.name); });

class PrefTxtTest : public LogTest {
protected:
    void SetUp() override
    {
        LogTest::SetUp();
        Global::LmBackgroundPath = Folder(box.volume / "Applications" / "Lumora" / "Backgrounds");
        Global::LMTemplatePath = Folder(box.volume / "Applications" / "Lumora" / "Templates");
    }
    fs::path PrefFile() const { return box.volume / "Library" / "Preferences" / "Brenwick" / "pref.txt"; }
    const std::string kDefaultPref = "MacHD:Applications:Lumora:Backgrounds\nMacHD:Applications:Lumora:Templates\n";
};

TEST_F(PrefTxtTest, NamesBothFoldersWithoutTheirFinalColon)
{
    fs::create_directories(box.volume / "Library" / "Preferences");
    EXPECT_TRUE(installer.InstallPreftxt());
    EXPECT_EQ(Sandbox::ReadFile(PrefFile()), kDefaultPref);
}

TEST_F(PrefTxtTest, ReplacesAnEarlierFileWhole)
{
    Sandbox::WriteFile(PrefFile(), "a much longer earlier line one\nan earlier line two\nand a third\n");
    installer.InstallPreftxt();
    EXPECT_EQ(Sandbox::ReadFile(PrefFile()), kDefaultPref);
}

TEST_F(PrefTxtTest, ChosenFoldersAreWrittenAsChosen)
{
    fs::create_directories(box.volume / "Library" / "Preferences" / "Brenwick");
    Global::LmBackgroundPath = Folder(box.volume / "Users" / "Pics=1");
    Global::LMTemplatePath = Folder(box.volume / "Users" / "Slides");
    installer.InstallPreftxt();
    EXPECT_EQ(Sandbox::ReadFile(PrefFile()), "MacHD:Users:Pics=1\nMacHD:Users:Slides\n");
}

TEST_F(PrefTxtTest, WithoutTheVolumesPreferencesNothingIsWritten)
{
    fs::remove_all(box.volume / "Library");
    EXPECT_FALSE(installer.InstallPreftxt());
    EXPECT_FALSE(fs::exists(box.volume / "Library"));
    fs::create_directories(box.volume / "Library");
    EXPECT_FALSE(installer.InstallPreftxt());
    EXPECT_EQ(Sandbox::Tree(box.volume / "Library"), "");
}

TEST_F(PrefTxtTest, AnUnwritableFileKeepsThePreviousOne)
{
    const std::string previous = "Old:Backgrounds\nOld:Templates\n";
    Sandbox::WriteFile(PrefFile(), previous);
    {
        ScopedFileFault full([&](FileOp op, const fs::path& target) {
            return op == FileOp::Write && IsInside(target, PrefFile().parent_path()) ? ENOSPC : 0;
        });
        EXPECT_FALSE(installer.InstallPreftxt());
    }
    EXPECT_EQ(Sandbox::ReadFile(PrefFile()), previous);
    EXPECT_EQ(Sandbox::Tree(PrefFile().parent_path()), "pref.txt\n");
}

} // namespace
