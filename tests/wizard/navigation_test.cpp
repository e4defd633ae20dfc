// Continue and Go Back from every page: one table, a row per case. Each row
// drives the real window to its page, presses the real button once and
// checks the page reached and what else the press must have done.
#include "WizardFixture.h"
#include <functional>

namespace {

constexpr int kClosed = -1;

struct NavCase {
    const char* name;
    std::function<void(WizardFixture&)> arrange;
    bool pressContinue;
    int expectedPage;                                  // kClosed: the wizard window is gone
    std::function<void(WizardFixture&)> check = {};
void PrintTo(const NavCase& c, std::ostream* os) { *os << c.name; }

};

class Navigation : public WizardFixture, public ::testing::WithParamInterface<NavCase> {};

mainWindow& W() { return WizardFixture::Wizard(); }

void ExpectDialog(const QString& text)
{
    ASSERT_TRUE(messageWindow::IsOpen());
    EXPECT_EQ(messageWindow::instance().lblMessage->Text(), text);
    WizardFixture::Click(messageWindow::instance().okButton);
    WizardFixture::Flush();
    EXPECT_FALSE(messageWindow::IsOpen());
}

void UntickThemesAndBackgrounds(WizardFixture& f)
{
    f.ToKeynoteOptions();
    WizardFixture::Click(W().chkInstTheme);
    WizardFixture::Click(W().chkInstBg);
}

void PreviousInstallation(WizardFixture& f)
{
    f.WriteLog("Brenwick Keynote Installer\nThemes=yes\nthmpath=MacHD:Library:Application Support:Keynote:Themes:Lumora:\n"
               "Backgrounds=yes\nbgpath=MacHD:Applications:Lumora:Backgrounds:\n");
}

TEST_P(Navigation, PressGoesWhereItShould)
{
    const NavCase& c = GetParam();
    c.arrange(*this);
    ASSERT_TRUE(mainWindow::IsOpen());
    ASSERT_TRUE(unhandled.empty());

    if (c.pressContinue)
        Continue();
    else
        Back();
    Flush();

    if (c.expectedPage == kClosed) {
        EXPECT_FALSE(mainWindow::IsOpen());
    } else {
        ASSERT_TRUE(mainWindow::IsOpen());
        EXPECT_EQ(Page(), c.expectedPage);
        EXPECT_EQ(W().movingForward, c.pressContinue);
    }
    if (c.check)
        c.check(*this);
}

const NavCase kCases[] = {
    // ---- Continue ----
    {"Welcome_Continue", [](auto&) { W(); }, true, 5},
    {"ProgramChoice_NothingSelected", [](auto& f) { f.ToProgramChoice(); }, true, 5,
     [](auto&) {
         EXPECT_EQ(W().txtinform->Text(), QStringLiteral("Select an option to continue."));
         EXPECT_EQ(W().backButton->Caption(), QStringLiteral("Go Back"));
     }},
    {"ProgramChoice_Keynote",
     [](auto& f) { f.ToProgramChoice(); WizardFixture::Continue(); WizardFixture::Click(W().rbdKeyNote); }, true, 1,
     [](auto&) {
         EXPECT_EQ(W().Title(), QStringLiteral("Install for Keynote"));
         EXPECT_EQ(W().txtinform->Text(), QString());
         EXPECT_EQ(W().backButton->Caption(), QStringLiteral("Go Back"));
     }},
    {"ProgramChoice_PowerPoint", [](auto& f) { f.ToProgramChoice(); WizardFixture::Click(W().rbdLumora); }, true, 6,
     [](auto&) {
         EXPECT_EQ(W().Title(), QStringLiteral("Install for PowerPoint"));
         EXPECT_EQ(W().mainHeading->Text(), QStringLiteral("Lumora"));
         EXPECT_EQ(W().backButton->Caption(), QStringLiteral("Go Back"));
     }},
    {"KeynoteOptions_NoThemesNoBackgrounds", UntickThemesAndBackgrounds, true, 1,
     [](auto&) { ExpectDialog(QStringLiteral("Select items to Install.")); }},
    {"KeynoteOptions_UninstallNothingChosen",
     [](auto& f) {
         PreviousInstallation(f);
         f.ToKeynoteOptions();
         W().rbUninstall->SetValue(true);
         W().rbUninstall_Action();
         W().chkUnistTheme->SetValue(false);
         W().chkUnistTheme_Action();
         W().chkUnistBg->SetValue(false);
         W().chkUnistBg_Action();
     },
     true, 1, [](auto&) { ExpectDialog(QStringLiteral("Select items to uninstall.")); }},
    {"KeynoteOptions_WithBackgrounds", [](auto& f) { f.ToKeynoteOptions(); }, true, 2},
    {"KeynoteOptions_WithoutBackgroundsSkipsDestination",
     [](auto& f) { f.ToKeynoteOptions(); WizardFixture::Click(W().chkInstBg); }, true, 4,
     [](auto&) {
         EXPECT_TRUE(Global::bgInstallFolder.IsNil());
         EXPECT_EQ(W().mainHeading->Text(), QStringLiteral("Installation Successful"));
     }},
    {"KeynoteOptions_UninstallSkipsDestination",
     [](auto& f) {
         PreviousInstallation(f);
         f.ToKeynoteOptions();
         W().rbUninstall->SetValue(true);
         W().rbUninstall_Action();
     },
     true, 4, [](auto&) { EXPECT_TRUE(Global::bgInstallFolder.IsNil()); }},
    {"Destination_Default",
     [](auto& f) {
         Sandbox::WriteFile(f.sb.volume / "Applications" / "Other" / "keep.txt", "keep");
         f.ToDestination();
     },
     true, 4,
     [](auto& f) {
         EXPECT_EQ(Global::bgInstallFolder, FolderItem(f.LumoraApp() / "Backgrounds"));
         EXPECT_EQ(Sandbox::ReadFile(f.sb.volume / "Applications" / "Other" / "keep.txt"), "keep");
         EXPECT_TRUE(WizardFixture::SameTree(f.sb.cd() / "Backgrounds", f.LumoraApp() / "Backgrounds"));
     }},
    {"Destination_DefaultWithoutSystemVolume",
     [](auto& f) {
         setenv("LUMORA_VOLUME", (f.sb.root / "no-such-volume").c_str(), 1);
         f.ToDestination();
     },
     true, 2,
     [](auto& f) {
         EXPECT_EQ(W().lblDefLocInfo->Text(), QStringLiteral("Cannot find OS Volume. Select alternate location."));
         ASSERT_EQ(f.dialogs.messages.size(), 1u);
         EXPECT_EQ(f.dialogs.messages[0], QStringLiteral("Cannot find OS Volume. Select alternate location."));
         EXPECT_TRUE(Global::bgInstallFolder.IsNil());
     }},
    {"Destination_AlternateNotChosen",
     [](auto& f) { f.ToDestination(); W().instLocation = QStringLiteral("alternate"); }, true, 2,
     [](auto& f) {
         ASSERT_EQ(f.dialogs.messages.size(), 1u);
         EXPECT_EQ(f.dialogs.messages[0], QStringLiteral("Select a location for Lumora Backgrounds"));
         EXPECT_TRUE(Global::bgInstallFolder.IsNil());
     }},
    {"Destination_AlternateChosen",
     [](auto& f) {
         fs::create_directories(f.sb.root / "alt");
         f.ToDestination();
         W().instLocation = QStringLiteral("Alternate");
         Global::alternatLoc = FolderItem(f.sb.root / "alt");
     },
     true, 4,
     [](auto& f) {
         EXPECT_EQ(Global::bgInstallFolder, FolderItem(f.sb.root / "alt" / "BrenwickBackgrounds"));
         EXPECT_TRUE(WizardFixture::SameTree(f.sb.cd() / "Backgrounds", f.sb.root / "alt" / "BrenwickBackgrounds"));
         EXPECT_FALSE(fs::exists(f.LumoraApp() / "Backgrounds"));
     }},
    {"Finish_Closes", [](auto& f) { f.ToDestination(); WizardFixture::Continue(); }, true, kClosed},
    {"CaptionCloseInAnyCase_Closes",
     [](auto& f) { f.ToProgramChoice(); W().continueButton->SetCaption(QStringLiteral("cLoSe")); }, true, kClosed},
    {"PowerPointIntro_Continue", [](auto& f) { f.ToPowerPointIntro(); }, true, 7,
     [](auto&) {
         EXPECT_EQ(W().mainHeading->Text(), QStringLiteral("Choose your Microsoft Office location"));
         EXPECT_EQ(W().continueButton->Caption(), QStringLiteral("Install"));
         EXPECT_FALSE(Global::cdPPA.IsNil());
     }},
    {"OfficeLocation_Stays", [](auto& f) { f.ToOfficeLocation(); }, true, 7,
     [](auto&) { EXPECT_FALSE(W().MSOfficePath); }},
    {"PowerPointLocations_Default", [](auto& f) { f.ToPowerPointLocations(); }, true, 9,
     [](auto&) {
         EXPECT_EQ(W().mainHeading->Text(), QStringLiteral("Installation completed sucessfully"));
         EXPECT_FALSE(W().backButton->Enabled());
     }},
    {"PowerPointLocations_OneFolderNoDefault",
     [](auto& f) {
         f.ToPowerPointLocations();
         W().rbdDefault->SetValue(false);
         W().LmTempPath = true;
     },
     true, 8, [](auto& f) { EXPECT_TRUE(f.dialogs.messages.empty()); EXPECT_FALSE(fs::exists(f.LumoraApp())); }},
    // ---- Go Back ----
    {"Welcome_Back_Quits", [](auto&) { W(); }, false, kClosed},
    {"ProgramChoice_Back", [](auto& f) { f.ToProgramChoice(); }, false, 0,
     [](auto&) { EXPECT_EQ(W().backButton->Caption(), QStringLiteral("Cancel")); }},
    {"KeynoteOptions_Back", [](auto& f) { f.ToKeynoteOptions(); }, false, 0,
     [](auto&) { EXPECT_EQ(W().Title(), QStringLiteral("Install for Keynote")); }},
    {"Destination_Back", [](auto& f) { f.ToDestination(); }, false, 1,
     [](auto&) {
         EXPECT_EQ(W().mainHeading->Text(), QStringLiteral("Select Install/Uninstall Type"));
         EXPECT_EQ(W().stepIndicators[1]->FillColor(), kCurrentStep);
     }},
    {"PowerPointIntro_Back", [](auto& f) { f.ToPowerPointIntro(); }, false, 0},
    {"OfficeLocation_Back", [](auto& f) { f.ToOfficeLocation(); }, false, 6,
     [](auto&) { EXPECT_EQ(W().backButton->Caption(), QStringLiteral("Cancel")); }},
    {"PowerPointLocations_Back", [](auto& f) { f.ToPowerPointLocations(); }, false, 7,
     [](auto&) { EXPECT_FALSE(W().MSOfficePath); }},
};

INSTANTIATE_TEST_SUITE_P(, Navigation, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardFixture, WindowOpensOnTheWelcomePageWithCancel)
{
    mainWindow& w = Wizard();
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(w.backButton->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(w.stepIndicators[0]->FillColor(), kCurrentStep);
}

} // namespace
