// The PowerPoint progress page, entered by Continue from the PowerPoint
// locations page as the Office location chooser leaves it.
#include "WizardFixture.h"

namespace {

const QString kToolbar = QStringLiteral("Lumora Toolbar will be available the next time you open PowerPoint®");
const QString kErrorHeading = QStringLiteral("Error occured during Installation");

class PowerPointProgress : public WizardFixture {};

TEST_F(PowerPointProgress, DefaultLocationsInstallEverythingAndFinish)
{
    ToPowerPointLocations();
    mainWindow& w = Wizard();
    ASSERT_EQ(Page(), 8);
    EXPECT_EQ(w.LMDefaultLocat->Text(), QStringLiteral("Installation path MacHD:/Applications/Lumora"));
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Install"));
    EXPECT_TRUE(w.rbdDefault->Value());

    Continue();
    ASSERT_EQ(Page(), 9);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation completed sucessfully"));
    EXPECT_EQ(w.lblFinishstmt->Text(), kToolbar);
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Finish"));
    EXPECT_FALSE(w.backButton->Enabled());
    EXPECT_FALSE(w.installLMProgress->Visible());
    EXPECT_EQ(w.stepIndicators[4]->FillColor(), kCurrentStep);

    EXPECT_EQ(Global::LmBackgroundPath, FolderItem(LumoraApp() / "Backgrounds"));
    EXPECT_EQ(Global::LMTemplatePath, FolderItem(LumoraApp() / "Templates"));
    EXPECT_TRUE(SameTree(sb.cd() / "Backgrounds", LumoraApp() / "Backgrounds"));
    EXPECT_TRUE(SameTree(sb.cd() / "Templates", LumoraApp() / "Templates"));
    EXPECT_TRUE(SameTree(sb.cd() / "LumoraFonts", LumoraApp() / "LumoraFonts"));
    EXPECT_TRUE(SameTree(sb.cd() / "LumoraWebUpdater", LumoraApp() / "LumoraWebUpdater"));
    EXPECT_EQ(Sandbox::ReadFile(PrefFile()),
              "MacHD:Applications:Lumora:Backgrounds\nMacHD:Applications:Lumora:Templates\n");

    Continue();   // "Finish"
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

// A failed background, templates or fonts step ends the page as an error that
// Continue does not paper over, and Continue then closes the window. The
// steps keep their order: a failed background step skips templates and fonts
// but not the web updater and pref.txt; a failed fonts step ends the pass.
struct PowerPointFailure {
    const char* name;
    const char* removedFromCD;
    bool templatesInstalled;
    bool updaterAndPrefWritten;
};
void PrintTo(const PowerPointFailure& c, std::ostream* os) { *os << c.name; }


class PowerPointStepFailure : public WizardFixture, public ::testing::WithParamInterface<PowerPointFailure> {};

TEST_P(PowerPointStepFailure, EndsWithTheErrorAndClose)
{
    const PowerPointFailure& c = GetParam();
    fs::remove_all(sb.cd() / c.removedFromCD);
    ToPowerPointLocations();
    mainWindow& w = Wizard();
    Continue();
    ASSERT_EQ(Page(), 9);
    EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(w.lblFinishstmt->Text(), QString());
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
    EXPECT_FALSE(w.backButton->Enabled());

    EXPECT_EQ(!Empty(LumoraApp() / "Templates"), c.templatesInstalled);
    EXPECT_EQ(fs::exists(LumoraApp() / "LumoraWebUpdater"), c.updaterAndPrefWritten);
    EXPECT_EQ(fs::exists(PrefFile()), c.updaterAndPrefWritten);

    Continue();   // "Close"
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

INSTANTIATE_TEST_SUITE_P(, PowerPointStepFailure, ::testing::Values(
    PowerPointFailure{"BackgroundsFail", "Backgrounds", false, true},
    PowerPointFailure{"TemplatesFail", "Templates", false, true},
    PowerPointFailure{"FontsFail", "LumoraFonts", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PowerPointProgress, BackgroundsAlreadyThereAreKeptAndCountAsDone)
{
    Sandbox::WriteFile(LumoraApp() / "Backgrounds" / "Mine.jpg", "mine");
    ToPowerPointLocations();
    Continue();
    EXPECT_EQ(Wizard().mainHeading->Text(), QStringLiteral("Installation completed sucessfully"));
    EXPECT_EQ(Sandbox::Tree(LumoraApp() / "Backgrounds"), "Mine.jpg\n");
    EXPECT_TRUE(SameTree(sb.cd() / "Templates", LumoraApp() / "Templates"));
}

// pref.txt is how the toolbar finds the content: a pass that could not write
// it is not a success, even though every copy went through.
TEST_F(PowerPointProgress, UnwritablePreferenceFileEndsAsAnError)
{
    fs::remove_all(sb.volume / "Library" / "Preferences");
    ToPowerPointLocations();
    mainWindow& w = Wizard();
    Continue();
    ASSERT_EQ(Page(), 9);
    EXPECT_TRUE(SameTree(sb.cd() / "Templates", LumoraApp() / "Templates"));
    EXPECT_FALSE(fs::exists(PrefFile()));
    EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(w.lblFinishstmt->Text(), QString());
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
    Continue();
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

TEST_F(PowerPointProgress, MissingSystemVolumeIsShownAndFailsWithoutRaising)
{
    setenv("LUMORA_VOLUME", (sb.root / "no-such-volume").c_str(), 1);   // the Sandbox restores it
    ToPowerPointLocations();
    mainWindow& w = Wizard();
    EXPECT_TRUE(Global::osVolume.IsNil());
    EXPECT_EQ(w.LMDefaultLocat->Text(), QStringLiteral("Cannot find OS Volume. Select alternate location."));

    Continue();
    ASSERT_EQ(Page(), 9);
    EXPECT_EQ(w.LMDefaultLocat->Text(), QStringLiteral("Cannot find OS Volume. Select alternate location."));
    EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
    EXPECT_FALSE(fs::exists(sb.root / "no-such-volume"));
}

TEST_F(PowerPointProgress, ChosenFoldersAreUsedWhenBothWereChosen)
{
    const fs::path templates = sb.root / "chosen" / "T";
    const fs::path backgrounds = sb.root / "chosen" / "B";
    fs::create_directories(templates);
    fs::create_directories(backgrounds);
    ToPowerPointLocations();
    mainWindow& w = Wizard();
    // As the two Browse buttons leave things.
    Global::LMTemplatePath = FolderItem(templates);
    Global::LmBackgroundPath = FolderItem(backgrounds);
    w.LmTempPath = w.LMBckPath = true;
    w.rbdDefault->SetValue(false);

    Continue();
    ASSERT_EQ(Page(), 9);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation completed sucessfully"));
    EXPECT_TRUE(SameTree(sb.cd() / "Templates", templates));
    EXPECT_TRUE(SameTree(sb.cd() / "Backgrounds", backgrounds));
    EXPECT_FALSE(fs::exists(LumoraApp() / "Backgrounds"));
    EXPECT_FALSE(w.backButton->Enabled());
}

} // namespace
