// The Keynote road through the real window: from the Welcome page to the
// closed window, the content on disk, the install log, the error endings and
// the uninstall runs.
#include "WizardFixture.h"

namespace {

const QString kFinishInstall = QStringLiteral("Click Finish button to complete Installation. ");
const QString kFinishUninstall = QStringLiteral("Click Finish button to complete Uninstallation.");
const QString kCloseToExit = QStringLiteral("Click Close button to exit installation. ");
const QString kErrorHeading = QStringLiteral("Error occured during Installation");

const std::string kFullLog =
    "Brenwick Keynote Installer\n"
    "Themes=yes\n"
    "thmpath=MacHD:Library:Application Support:Keynote:Themes:Lumora:\n"
    "Backgrounds=yes\n"
    "bgpath=MacHD:Applications:Lumora:Backgrounds:\n";

class KeynoteRoad : public WizardFixture {};

TEST_F(KeynoteRoad, InstallsEverythingFromWelcomeToClosedWindow)
{
    mainWindow& w = Wizard();
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(w.backButton->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Welcome to the Lumora™ Installer"));

    Continue();
    EXPECT_EQ(Page(), 5);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("What presentation software do you use?"));

    Click(w.rbdKeyNote);
    Continue();
    ASSERT_EQ(Page(), 1);
    EXPECT_EQ(w.Title(), QStringLiteral("Install for Keynote"));
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Select Install/Uninstall Type"));
    EXPECT_EQ(w.stepIndicators[1]->FillColor(), kCurrentStep);
    for (CheckBox* box : {w.chkInstTheme, w.chkInstBg, w.chkInstallKeyTemplates, w.ChkInstallLMFonts}) {
        EXPECT_TRUE(box->Value()) << box->Name();
        EXPECT_TRUE(box->Enabled()) << box->Name();
    }
    EXPECT_FALSE(w.rbUninstall->Enabled());   // no earlier installation
    EXPECT_TRUE(w.continueButton->Enabled());

    Continue();
    ASSERT_EQ(Page(), 2);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Destination"));
    EXPECT_EQ(w.lblDefLocInfo->Text(), QStringLiteral("Lumora will be installed to MacHD:\\Applications\\Lumora."));
    EXPECT_TRUE(w.continueButton->Enabled());

    Continue();   // runs the Keynote pass and lands on the Finish page
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation Successful"));
    EXPECT_EQ(w.lblFinishMessage->Text(), kFinishInstall);
    EXPECT_EQ(w.lblFinishNote->Text(),
              QStringLiteral("Lumora KeyNote® Themes will be present next time you open Keynote.\n"
                             "Lumora Backgrounds are installed to \nMacHD:Applications:Lumora:Backgrounds:"));
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Finish"));
    EXPECT_TRUE(w.continueButton->Enabled());
    EXPECT_FALSE(w.backButton->Enabled());
    EXPECT_TRUE(w.CloseButton());
    EXPECT_EQ(w.stepIndicators[4]->FillColor(), kCurrentStep);

    EXPECT_TRUE(SameTree(sb.cd() / "Themes", ThemesDir()));
    EXPECT_TRUE(SameTree(sb.cd() / "Backgrounds", LumoraApp() / "Backgrounds"));
    EXPECT_TRUE(SameTree(sb.cd() / "KeynoteTemplates", LumoraApp() / "KeynoteTemplates"));
    EXPECT_TRUE(SameTree(sb.cd() / "LumoraFonts", LumoraApp() / "LumoraFonts"));
    EXPECT_EQ(Sandbox::ReadFile(LogFile()), kFullLog);

    Continue();   // "Finish"
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

TEST_F(KeynoteRoad, ThemesOnlySkipTheDestinationPageAndLogNoBackgrounds)
{
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    Click(w.chkInstBg);
    EXPECT_FALSE(w.instBg);
    Continue();
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation Successful"));
    EXPECT_EQ(w.lblFinishNote->Text(), QStringLiteral("Lumora KeyNote® Themes will be present next time you open Keynote.\n"));
    EXPECT_TRUE(Global::bgInstallFolder.IsNil());
    EXPECT_FALSE(fs::exists(LumoraApp() / "Backgrounds"));
    EXPECT_EQ(Sandbox::ReadFile(LogFile()),
              "Brenwick Keynote Installer\nThemes=yes\n"
              "thmpath=MacHD:Library:Application Support:Keynote:Themes:Lumora:\n"
              "Backgrounds=no\nbgpath=\n");
}

TEST_F(KeynoteRoad, InstallTypeInCapitalsInstalls)
{
    ToDestination();
    Wizard().instType = QStringLiteral("INSTALL");
    Continue();
    EXPECT_EQ(Wizard().mainHeading->Text(), QStringLiteral("Installation Successful"));
    EXPECT_TRUE(SameTree(sb.cd() / "Themes", ThemesDir()));
}

TEST_F(KeynoteRoad, GoingBackToTheOptionsPageKeepsChoicesAndDoesNotRecheckTheCD)
{
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    Click(w.chkInstallKeyTemplates);
    Continue();
    ASSERT_EQ(Page(), 2);
    fs::remove_all(sb.cd() / "Themes");   // would disable the themes choice if looked at again

    Back();
    ASSERT_EQ(Page(), 1);
    EXPECT_FALSE(w.movingForward);
    EXPECT_TRUE(w.instTheme);
    EXPECT_TRUE(w.chkInstTheme->Value());
    EXPECT_TRUE(w.chkInstTheme->Enabled());
    EXPECT_FALSE(w.instKeyTemplates);
    EXPECT_FALSE(w.chkInstallKeyTemplates->Value());
    EXPECT_EQ(w.stepIndicators[1]->FillColor(), kCurrentStep);
    EXPECT_NE(w.stepIndicators[2]->FillColor(), kCurrentStep);
}

// Content chosen on the options page and gone from the CD by the time the
// Destination page is entered.
TEST_F(KeynoteRoad, ThemesMissingOnTheCDEndOnTheFinishPageWithoutMessage)
{
    ToKeynoteOptions();
    fs::remove_all(sb.cd() / "Themes");
    Continue();
    mainWindow& w = Wizard();
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(w.lblFinishMessage->Text(), QString());
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
    EXPECT_FALSE(fs::exists(LogFile()));
    EXPECT_FALSE(fs::exists(ThemesDir()));

    Continue();   // "Close"
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

TEST_F(KeynoteRoad, BackgroundsMissingOnTheCDSayWhy)
{
    ToKeynoteOptions();
    fs::remove_all(sb.cd() / "Backgrounds");
    Continue();
    mainWindow& w = Wizard();
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(w.lblFinishMessage->Text(),
              QStringLiteral("There is no background images in the CD to install. Click Close button to exit installation. "));
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
    EXPECT_FALSE(fs::exists(LogFile()));
}

// Once a chosen step has failed, the run is an error whatever later steps
// report; an unchosen step whose content is missing changes nothing.
struct StepFailure {
    const char* name;
    const char* removedFromCD;
    bool untickTemplates;
    bool expectError;
};
void PrintTo(const StepFailure& c, std::ostream* os) { *os << c.name; }


class KeynoteStepFailure : public WizardFixture, public ::testing::WithParamInterface<StepFailure> {};

TEST_P(KeynoteStepFailure, EndsAsTheStepsSay)
{
    const StepFailure& c = GetParam();
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    if (c.untickTemplates)
        Click(w.chkInstallKeyTemplates);
    Continue();
    ASSERT_EQ(Page(), 2);
    fs::remove_all(sb.cd() / c.removedFromCD);   // the CD changed under the wizard
    Continue();
    ASSERT_EQ(Page(), 4);

    if (c.expectError) {
        EXPECT_EQ(w.instStatus, QStringLiteral("Error"));
        EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
        EXPECT_EQ(w.lblFinishMessage->Text(), kCloseToExit);
        EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
        EXPECT_FALSE(fs::exists(LogFile())) << "a failed run must not be logged";
    } else {
        EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation Successful"));
        EXPECT_EQ(w.lblFinishMessage->Text(), kFinishInstall);
        EXPECT_EQ(Sandbox::ReadFile(LogFile()), kFullLog);
    }
    // The later steps still ran.
    if (std::string(c.removedFromCD) != "LumoraFonts") {
        EXPECT_TRUE(SameTree(sb.cd() / "LumoraFonts", LumoraApp() / "LumoraFonts"));
    }
}

INSTANTIATE_TEST_SUITE_P(, KeynoteStepFailure, ::testing::Values(
    StepFailure{"ThemesFailBackgroundsSucceed", "Themes", false, true},
    StepFailure{"BackgroundsFail", "Backgrounds", false, true},
    StepFailure{"KeynoteTemplatesFail", "KeynoteTemplates", false, true},
    StepFailure{"FontsFail", "LumoraFonts", false, true},
    StepFailure{"UnchosenTemplatesMissing", "KeynoteTemplates", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- uninstall -------------------------------------------------------------

class KeynoteUninstall : public WizardFixture {
public:
    // On the options page of a new run, the hidden uninstall choice operated
    // as its handlers would be.
    void ChooseUninstall(bool themes, bool backgrounds)
    {
        ToKeynoteOptions();
        mainWindow& w = Wizard();
        ASSERT_TRUE(w.rbUninstall->Enabled());
        EXPECT_FALSE(w.rbUninstall->IsShown());
        w.rbUninstall->SetValue(true);
        w.rbUninstall_Action();
        if (!themes) {
            w.chkUnistTheme->SetValue(false);
            w.chkUnistTheme_Action();
        }
        if (!backgrounds) {
            w.chkUnistBg->SetValue(false);
            w.chkUnistBg_Action();
        }
    }
};

TEST_F(KeynoteUninstall, BackgroundsOnlyRemovesThemAndRewritesTheLog)
{
    InstallForKeynote();
    NewRun();
    ChooseUninstall(false, true);
    mainWindow& w = Wizard();
    Continue();   // the Destination page is skipped
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Uninstallation Successful"));
    EXPECT_EQ(w.lblFinishMessage->Text(), kFinishUninstall);
    EXPECT_EQ(w.lblFinishNote->Text(), QStringLiteral("Run the Lumora installer again to install for Keynote®"));
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Finish"));

    EXPECT_FALSE(fs::exists(LumoraApp() / "Backgrounds"));
    EXPECT_FALSE(fs::exists(LumoraApp() / "KeynoteTemplates"));
    EXPECT_TRUE(SameTree(sb.cd() / "Themes", ThemesDir()));
    EXPECT_TRUE(SameTree(sb.cd() / "LumoraFonts", LumoraApp() / "LumoraFonts"));
    EXPECT_EQ(Sandbox::ReadFile(LogFile()),
              "Brenwick Keynote Installer\nThemes=yes\n"
              "thmpath=MacHD:Library:Application Support:Keynote:Themes:Lumora:\n"
              "Backgrounds=no\n\n");
}

TEST_F(KeynoteUninstall, BothRemoveTheContentAndTheLog)
{
    InstallForKeynote();
    NewRun();
    ChooseUninstall(true, true);
    Continue();
    mainWindow& w = Wizard();
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Uninstallation Successful"));
    EXPECT_FALSE(fs::exists(ThemesDir()));
    EXPECT_FALSE(fs::exists(LumoraApp() / "Backgrounds"));
    EXPECT_FALSE(fs::exists(LumoraApp() / "KeynoteTemplates"));
    EXPECT_TRUE(fs::exists(ThemesDir().parent_path()));   // only the content folders go
    EXPECT_FALSE(fs::exists(LogFile()));
    EXPECT_EQ(w.installProgress->Value(), 98);   // 100, less one per Keynote template
}

TEST_F(KeynoteUninstall, ThemesRemovedByHandEndAsAnErrorAndKeepTheLog)
{
    InstallForKeynote();
    NewRun();
    fs::remove_all(ThemesDir());
    ChooseUninstall(true, false);
    Continue();
    mainWindow& w = Wizard();
    ASSERT_EQ(Page(), 4);
    EXPECT_EQ(w.mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(w.lblFinishMessage->Text(), kCloseToExit);
    EXPECT_EQ(w.continueButton->Caption(), QStringLiteral("Close"));
    EXPECT_EQ(Sandbox::ReadFile(LogFile()), kFullLog);
}

TEST_F(KeynoteUninstall, ThemesRemovedThenKeynoteTemplatesMissingIsAnError)
{
    InstallForKeynote();
    NewRun();
    fs::remove_all(LumoraApp() / "KeynoteTemplates");
    ChooseUninstall(true, false);
    Continue();
    EXPECT_EQ(Wizard().mainHeading->Text(), kErrorHeading);
    EXPECT_FALSE(fs::exists(ThemesDir()));
    EXPECT_EQ(Sandbox::ReadFile(LogFile()), kFullLog);
}

// A backgrounds folder whose path holds "=" is found again from the log and
// removed; the installer folder that an empty path would name is never touched.
TEST_F(KeynoteUninstall, RecordedFolderWithEqualsSignIsRemovedWhole)
{
    const fs::path alternate = sb.volume / "Art=Work";
    fs::create_directories(alternate);
    ToDestination();
    Wizard().instLocation = QStringLiteral("alternate");   // as the alternate chooser leaves it
    Global::alternatLoc = FolderItem(alternate);
    Continue();
    ASSERT_EQ(Wizard().mainHeading->Text(), QStringLiteral("Installation Successful"));
    EXPECT_TRUE(SameTree(sb.cd() / "Backgrounds", alternate / "BrenwickBackgrounds"));
    Continue();
    NewRun();

    ChooseUninstall(false, true);
    Continue();
    EXPECT_EQ(Wizard().mainHeading->Text(), QStringLiteral("Uninstallation Successful"));
    EXPECT_FALSE(fs::exists(alternate / "BrenwickBackgrounds"));
    EXPECT_TRUE(fs::exists(alternate));
}

TEST_F(KeynoteUninstall, EmptyRecordedPathDeletesNothing)
{
    WriteLog("Brenwick Keynote Installer\nThemes=yes\nthmpath=\nBackgrounds=no\nbgpath=\n");
    const std::string cdBefore = Sandbox::Tree(sb.media);
    ChooseUninstall(true, false);
    Continue();
    EXPECT_EQ(Wizard().mainHeading->Text(), kErrorHeading);
    EXPECT_EQ(Sandbox::Tree(sb.media), cdBefore);
}

} // namespace
