// Finding the CD's content and the system volume, and reading an earlier
// installation's log.
#include "WizardFixture.h"
#include <optional>

namespace {

class Media : public WizardFixture {};

FolderItem At(const fs::path& p) { return FolderItem(p); }

TEST_F(Media, FullCDRecordsEveryFolderAndTheVolume)
{
    Wizard().VerifyCDContents();
    EXPECT_EQ(Global::osVolume, At(sb.volume));
    EXPECT_EQ(Global::cdThemeFolder, At(sb.cd() / "Themes"));
    EXPECT_EQ(Global::cdBgFolder, At(sb.cd() / "Backgrounds"));
    EXPECT_EQ(Global::cdLMBackgroundPath, At(sb.cd() / "Backgrounds"));
    EXPECT_EQ(Global::cdPPA, At(sb.cd() / "PPA"));
    EXPECT_EQ(Global::cdLmTemplatePath, At(sb.cd() / "Templates"));
    EXPECT_EQ(Global::cdKeynoteTemplates, At(sb.cd() / "KeynoteTemplates"));
    EXPECT_EQ(Global::cdLMFonts, At(sb.cd() / "LumoraFonts"));
    EXPECT_EQ(Global::cdLMWebUpdater, At(sb.cd() / "LumoraWebUpdater"));
}

TEST_F(Media, NoContentFolderRecordsNothingButTheVolume)
{
    fs::remove_all(sb.cd());
    Wizard().VerifyCDContents();
    EXPECT_EQ(Global::osVolume, At(sb.volume));
    for (const FolderItem* item : {&Global::cdThemeFolder, &Global::cdBgFolder, &Global::cdPPA, &Global::cdLmTemplatePath,
                                   &Global::cdLMBackgroundPath, &Global::cdKeynoteTemplates, &Global::cdLMFonts,
                                   &Global::cdLMWebUpdater})
        EXPECT_TRUE(item->IsNil());
}

TEST_F(Media, EachCallSeesTheCDAsItIsNow)
{
    mainWindow& w = Wizard();
    w.VerifyCDContents();
    fs::remove_all(sb.cd() / "Themes");
    w.VerifyCDContents();
    EXPECT_TRUE(Global::cdThemeFolder.IsNil());
    EXPECT_EQ(Global::cdBgFolder, At(sb.cd() / "Backgrounds"));
    EXPECT_EQ(Global::cdLMFonts, At(sb.cd() / "LumoraFonts"));
}

TEST_F(Media, MissingSystemVolumeIsNil)
{
    setenv("LUMORA_VOLUME", (sb.root / "no-such-volume").c_str(), 1);
    Wizard().VerifyCDContents();
    EXPECT_TRUE(Global::osVolume.IsNil());
    EXPECT_EQ(Global::cdThemeFolder, At(sb.cd() / "Themes"));
}

// The install log in the forms it is found in. Folders are given relative to
// the sandbox volume ("MacHD:" in the log); nullopt means nil.
struct LogCase {
    const char* name;
    const char* log;
    bool themes;
    std::optional<std::string> themesFolder;
    bool backgrounds;
    std::optional<std::string> backgroundsFolder;
};
void PrintTo(const LogCase& c, std::ostream* os) { *os << c.name; }


class InstallLog : public WizardFixture, public ::testing::WithParamInterface<LogCase> {};

TEST_P(InstallLog, IsReadAsWritten)
{
    const LogCase& c = GetParam();
    WriteLog(c.log);
    EXPECT_TRUE(Wizard().VerifyPrevInstallation());
    EXPECT_EQ(Global::themeInstalled, c.themes);
    EXPECT_EQ(Global::bgInstalled, c.backgrounds);
    auto expect = [this](const FolderItem& actual, const std::optional<std::string>& relative) {
        if (!relative) {
            EXPECT_TRUE(actual.IsNil()) << actual.NativePath();
            return;
        }
        EXPECT_EQ(actual, FolderItem(sb.volume / *relative)) << (actual.IsNil() ? QString("nil") : actual.AbsolutePath());
    };
    expect(Global::themeInstalledFolder, c.themesFolder);
    expect(Global::bgInstalledFolder, c.backgroundsFolder);
}

INSTANTIATE_TEST_SUITE_P(, InstallLog, ::testing::Values(
    LogCase{"ThemesOnlyAsWritten",
            "Brenwick Keynote Installer\nThemes=yes\nthmpath=MacHD:Themes:Lumora:\nBackgrounds=no\nbgpath=\n",
            true, "Themes/Lumora", false, std::nullopt},
    LogCase{"BothInCapitals",
            "BRENWICK KEYNOTE INSTALLER\nTHEMES=YES\nTHMPATH=MacHD:T:\nBACKGROUNDS=YES\nBGPATH=MacHD:B:\n",
            true, "T", true, "B"},
    LogCase{"OldMacLineEnds",
            "Brenwick Keynote Installer\rThemes=no\rthmpath=\rBackgrounds=Yes\rbgpath=MacHD:B:\r",
            false, std::nullopt, true, "B"},
    LogCase{"LaterNoWinsButKeepsTheFolder",
            "Brenwick Keynote Installer\nThemes=yes\nthmpath=MacHD:T:\nThemes=no\nthmpath=\n",
            false, "T", false, std::nullopt},
    LogCase{"PathWithEqualsSignReadWhole",
            "Brenwick Keynote Installer\nThemes=yes\nthmpath=MacHD:Art=Work:Themes:\nBackgrounds=yes\nbgpath=MacHD:a=b=c:\n",
            true, "Art=Work/Themes", true, "a=b=c"},
    LogCase{"EmptyPathNamesNoFolder",
            "Brenwick Keynote Installer\nThemes=yes\nthmpath=\nBackgrounds=yes\n\n",
            true, std::nullopt, true, std::nullopt},
    LogCase{"MissingPathLineNamesNoFolder",
            "Brenwick Keynote Installer\nThemes=no\nthmpath=\nBackgrounds=yes\n",
            false, std::nullopt, true, std::nullopt},
    LogCase{"UninstallLogWithEmptyLines",
            "Brenwick Keynote Installer\nThemes=no\n\nBackgrounds=no\n\n",
            false, std::nullopt, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Media, NoLogGivesFalseAndChangesNothing)
{
    Global::themeInstalled = true;
    Global::themeInstalledFolder = At(sb.volume / "T");
    EXPECT_FALSE(Wizard().VerifyPrevInstallation());
    EXPECT_TRUE(Global::themeInstalled);
    EXPECT_FALSE(Global::bgInstalled);
    EXPECT_EQ(Global::themeInstalledFolder, At(sb.volume / "T"));
}

} // namespace
