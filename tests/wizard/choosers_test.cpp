// The destination choosers of the wizard: the Destination page's location
// buttons, the Office location chooser that copies the add-in, and the
// PowerPoint locations page's Browse buttons; then the roads through them,
// clicking the real buttons, from the Welcome page to the closed window.
//
// Folder choosers are answered by ScriptedDialogs (a nil answer is a cancel);
// message boxes are read back from it. Every test runs on its own sandboxed
// volume (named "MacHD" in colon paths) with the small CD, fresh Global state
// and a fresh wizard window, which is closed and deleted at the end.
#include "Application.h"
#include "Dialogs.h"
#include "FileFaults.h"
#include "Global.h"
#include "OpenWizard.h"

#include <QApplication>
#include <QTest>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The add-in folder of the small CD, as it must arrive in the start-up folder.
const std::string kAddInTree =
    "Lumora Toolbar Resources/\n"
    "Lumora Toolbar Resources/icons.dat\n"
    "Lumora Toolbar.ppa\n";

// Where the tests lay out Microsoft Office, and its colon path.
const char* const kOfficeName = "Microsoft Office 2004";
const QString kOfficePath = QStringLiteral("MacHD:Applications:Microsoft Office 2004:");

std::vector<std::string> Messages(const ScriptedDialogs& dialogs)
{
    std::vector<std::string> texts;
    for (const QString& m : dialogs.messages)
        texts.push_back(m.toStdString());
    return texts;
}

// Whether any item of the add-in (or of a stand-in for it) lies below dir.
bool HoldsAddIn(const fs::path& dir)
{
    const std::string tree = Sandbox::Tree(dir);
    return tree.find("Lumora Toolbar") != std::string::npos || tree.find("PPA") != std::string::npos;
}

} // namespace

class ChooserTest : public OpenWizard {
public:
    using OpenWizard::sandbox;
    using OpenWizard::w;
    ScriptedDialogs dialogs;
    ScopedDialogDriver driver{dialogs};
    std::vector<QString> unhandled;

    void SetUp() override
    {
        Application::SetUnhandledExceptionHook([this](const QString& m) { unhandled.push_back(m); });
        sandbox.MakeCD();
        fs::create_directories(sandbox.volume / "Library" / "Preferences");
        Global::Reset();
        OpenWizard::SetUp();
    }

    void TearDown() override
    {
        OpenWizard::TearDown();
        EXPECT_FALSE(mainWindow::IsOpen()) << "the wizard window was not deleted";
        for (const QString& m : unhandled)
            ADD_FAILURE() << "unhandled exception: " << m.toStdString();
        Application::SetUnhandledExceptionHook({});
        Global::Reset();
    }

    fs::path Office() const { return sandbox.volume / "Applications" / kOfficeName; }

    // Creates folders below the Office folder ("Office/StartUp/Powerpoint").
    fs::path MakeOffice(std::initializer_list<const char*> layout) const
    {
        fs::create_directories(Office());
        for (const char* sub : layout)
            fs::create_directories(Office() / sub);
        return Office();
    }

    void Answer(std::initializer_list<FolderItem> folders)
    {
        for (const FolderItem& f : folders)
            dialogs.folderAnswers.push_back(f);
    }

    // A click on a control the user can reach: shown and enabled.
    void Click(Control* control)
    {
        ASSERT_TRUE(control->IsShown()) << control->Name().toStdString() << " is not on screen";
        ASSERT_TRUE(control->Enabled()) << control->Name().toStdString() << " is disabled";
        QTest::mouseClick(control->Widget(), Qt::LeftButton);
    }

    // The Office location page as the wizard enters it, with the CD's add-in
    // folder known whatever the media discovery found.
    void EnterOfficeLocationPage()
    {
        w->Pages->SetValue(7);
        Global::cdPPA = FolderItem(sandbox.cd() / "PPA");
    }
};

// ---------------------------------------------------------------------------
// Destination page (Keynote backgrounds)

TEST_F(ChooserTest, DestinationRadioButtonsEnableBrowseAndRecordTheChoice)
{
    w->Pages->SetValue(2);
    EXPECT_FALSE(w->BrowseButton->Enabled());

    w->rbAltLoc_Action();
    EXPECT_TRUE(w->BrowseButton->Enabled());
    EXPECT_EQ(w->instLocation, "alternate");

    w->rbDefaultLoc_Action();
    EXPECT_FALSE(w->BrowseButton->Enabled());
    EXPECT_EQ(w->instLocation, "default");
}

TEST_F(ChooserTest, BrowseButtonShowsTheBackgroundsFolderAndKeepsEveryLaterAnswer)
{
    const fs::path chosen = sandbox.volume / "Alt Backgrounds";
    fs::create_directories(chosen);
    w->Pages->SetValue(2);
    w->rbAltLoc_Action();
    const QString shown = QStringLiteral("Lumora Backgrounds will be installed to\nMacHD:Alt Backgrounds:BrenwickBackgrounds");

    Answer({FolderItem(chosen)});
    w->BrowseButton_Action();
    EXPECT_EQ(w->lblAltLocInfo->Text(), shown);
    EXPECT_EQ(Global::alternatLoc, FolderItem(chosen));

    // A folder that does not exist is recorded, but shown nowhere.
    Answer({FolderItem(sandbox.volume / "Gone")});
    w->BrowseButton_Action();
    EXPECT_EQ(Global::alternatLoc, FolderItem(sandbox.volume / "Gone"));
    EXPECT_EQ(w->lblAltLocInfo->Text(), shown);

    // A cancel clears the choice; the label still shows the first folder.
    w->BrowseButton_Action();
    EXPECT_TRUE(Global::alternatLoc.IsNil());
    EXPECT_EQ(w->lblAltLocInfo->Text(), shown);

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(fs::exists(chosen / "BrenwickBackgrounds")) << "choosing must not create the folder";
}

// ---------------------------------------------------------------------------
// Office location page: where the add-in goes

struct Placement {
    const char* name;
    std::vector<const char*> layout;       // folders made below the Office folder
    std::vector<const char*> answers;      // folders chosen, "" for the Office folder itself
    const char* destination;               // where the add-in must arrive, below the Office folder
};

class AddInPlacement : public ChooserTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(AddInPlacement, CopiesTheAddInAndShowsThePowerPointLocationsPage)
{
    const Placement& p = GetParam();
    for (const char* sub : p.layout)
        fs::create_directories(Office() / sub);
    for (const char* answer : p.answers)
        Answer({FolderItem(Office() / answer)});
    EnterOfficeLocationPage();
    w->movingForward = false;

    w->LMBrowse_Action();

    const fs::path destination = Office() / p.destination;
    EXPECT_EQ(Sandbox::Tree(destination), kAddInTree);
    EXPECT_EQ(Global::ppaFolder, FolderItem(destination));
    EXPECT_EQ(dialogs.folderRequests, int(p.answers.size()));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().toStdString();
    EXPECT_EQ(w->lblMicrosoftOfficeLocation->Text(), kOfficePath);
    EXPECT_TRUE(w->MSOfficePath);
    EXPECT_EQ(w->Pages->Value(), 8);
    EXPECT_FALSE(w->movingForward) << "the chooser is not a Continue";
    // Nothing was left anywhere else in the Office folder.
    const std::string tree = Sandbox::Tree(Office());
    EXPECT_EQ(tree.find("Lumora Toolbar.ppa"), tree.rfind("Lumora Toolbar.ppa"));
}

INSTANTIATE_TEST_SUITE_P(
    OfficeLayouts, AddInPlacement,
    ::testing::Values(
        Placement{"Complete", {"Office/StartUp/Powerpoint"}, {""}, "Office/StartUp/Powerpoint"},
        // The second chooser stands in for StartUp; Powerpoint is looked up in it.
        Placement{"StartUpMissing", {"Office", "Elsewhere/Powerpoint"}, {"", "Elsewhere"}, "Elsewhere/Powerpoint"},
        Placement{"StartUpAndPowerpointMissing", {"Office", "Elsewhere", "Chosen"},
                  {"", "Elsewhere", "Chosen"}, "Chosen"},
        // The third chooser's folder is the destination itself.
        Placement{"PowerpointMissing", {"Office/StartUp", "Chosen"}, {"", "Chosen"}, "Chosen"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChooserTest, SecondInstallationReplacesTheAddInAlreadyInPlace)
{
    const fs::path startUp = MakeOffice({"Office/StartUp/Powerpoint"}) / "Office/StartUp/Powerpoint";
    Sandbox::WriteFile(startUp / "Lumora Toolbar.ppa", "old add-in, a longer text than the new one");
    Sandbox::WriteFile(startUp / "Lumora Toolbar Resources" / "icons.dat", "old icons");
    Sandbox::WriteFile(startUp / "Other Add-in.ppa", "not ours");
    EnterOfficeLocationPage();
    Answer({FolderItem(Office())});

    w->LMBrowse_Action();

    EXPECT_EQ(Sandbox::ReadFile(startUp / "Lumora Toolbar.ppa"), "add-in");
    EXPECT_EQ(Sandbox::ReadFile(startUp / "Lumora Toolbar Resources" / "icons.dat"), "icons");
    EXPECT_EQ(Sandbox::ReadFile(startUp / "Other Add-in.ppa"), "not ours");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(w->Pages->Value(), 8);
}

// An add-in that cannot be copied must not lead on to an installation that
// ends by promising the toolbar.
TEST_F(ChooserTest, AddInThatCannotBeCopiedIsReportedAndThePageStays)
{
    const fs::path startUp = MakeOffice({"Office/StartUp/Powerpoint"}) / "Office/StartUp/Powerpoint";
    ScopedFileFault full([&](FileOp, const fs::path& target) {
        return target.string().rfind(startUp.string(), 0) == 0 ? ENOSPC : 0;
    });
    EnterOfficeLocationPage();
    Answer({FolderItem(Office())});

    w->LMBrowse_Action();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString message = dialogs.messages.front();
    EXPECT_TRUE(message.startsWith(QStringLiteral("The Lumora Toolbar could not be copied to "
                                                  "MacHD:Applications:Microsoft Office 2004:Office:StartUp:Powerpoint:\n")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Lumora Toolbar.ppa"))) << message.toStdString();
    EXPECT_FALSE(w->MSOfficePath);
    EXPECT_EQ(w->Pages->Value(), 7);
}

// ---------------------------------------------------------------------------
// Every refusal of the choosers, with its exact text and the state it leaves.

namespace {

const QString kEarlierLabel = QStringLiteral("MacHD:Earlier:");

struct Refusal {
    const char* name;
    int page;
    void (mainWindow::*handler)();
    std::function<void(ChooserTest&)> arrange;      // folders, chooser answers
    std::vector<std::string> messages;
    int folderRequests;
    std::function<void(const ChooserTest&)> check;  // the state afterwards
};

// The Office location page refused: nothing copied, the page stays.
void OfficeStays(const ChooserTest& t, const QString& label)
{
    EXPECT_FALSE(t.w->MSOfficePath);
    EXPECT_EQ(t.w->Pages->Value(), 7);
    EXPECT_EQ(t.w->lblMicrosoftOfficeLocation->Text(), label);
    if (fs::exists(t.Office())) {
        EXPECT_FALSE(HoldsAddIn(t.Office())) << Sandbox::Tree(t.Office());
    }
}

// The PowerPoint locations page after a refused or cancelled Browse: no
// choice recorded, rbdDefault still selected, Default where it was.
void LocationsUnchanged(const ChooserTest& t)
{
    const FolderItem earlier(t.sandbox.volume / "Earlier");
    EXPECT_FALSE(t.w->LmTempPath);
    EXPECT_FALSE(t.w->LMBckPath);
    EXPECT_EQ(Global::LMTemplatePath, earlier);
    EXPECT_EQ(Global::LmBackgroundPath, earlier);
    EXPECT_TRUE(t.w->rbdDefault->Value());
    EXPECT_TRUE(t.w->TemplateBrowse->Default());
    EXPECT_FALSE(t.w->BcgBrowse->Default());
}

const QString kTemplatesBefore = QStringLiteral("Templates are installed to :") + kEarlierLabel;
const QString kBackgroundsBefore = QStringLiteral("Backgrounds are installed to : ") + kEarlierLabel;

void ChooseOffice(ChooserTest& t, std::initializer_list<const char*> layout)
{
    t.MakeOffice(layout);
    t.Answer({FolderItem(t.Office())});
}

void ChooseMissing(ChooserTest& t) { t.Answer({FolderItem(t.sandbox.volume / "Gone")}); }

void Cancel(ChooserTest&) {}

const Refusal kRefusals[] = {
    {"OfficeChooserCancelled", 7, &mainWindow::LMBrowse_Action, Cancel, {}, 1,
     [](const ChooserTest& t) { OfficeStays(t, QStringLiteral("Select a Valid Path")); }},
    {"OfficeFolderMissing", 7, &mainWindow::LMBrowse_Action, ChooseMissing, {"Enter a Valid path"}, 1,
     [](const ChooserTest& t) { OfficeStays(t, kEarlierLabel); }},
    {"NoOfficeFolderInside", 7, &mainWindow::LMBrowse_Action,
     [](ChooserTest& t) { ChooseOffice(t, {"StartUp/Powerpoint"}); },
     {"Select Microsoft Office folder"}, 1,
     [](const ChooserTest& t) {
         OfficeStays(t, kOfficePath);
         EXPECT_EQ(Global::ppaFolder, FolderItem(t.Office() / "Office"));
     }},
    {"AddInOnTheCdIsNotAFolder", 7, &mainWindow::LMBrowse_Action,
     [](ChooserTest& t) {
         ChooseOffice(t, {"Office/StartUp/Powerpoint"});
         Sandbox::WriteFile(t.sandbox.cd() / "PPA.ppa", "a file");
         Global::cdPPA = FolderItem(t.sandbox.cd() / "PPA.ppa");
     },
     {"Enter a Valid path"}, 1,
     [](const ChooserTest& t) {
         OfficeStays(t, kOfficePath);
         EXPECT_EQ(Global::ppaFolder, FolderItem(t.Office() / "Office/StartUp/Powerpoint"));
     }},
    {"NoAddInOnTheCd", 7, &mainWindow::LMBrowse_Action,
     [](ChooserTest& t) {
         ChooseOffice(t, {"Office/StartUp/Powerpoint"});
         Global::cdPPA = FolderItem();
     },
     {"Enter a Valid path"}, 1, [](const ChooserTest& t) { OfficeStays(t, kOfficePath); }},
    // A second chooser opens for the missing StartUp folder, a third for
    // the missing Powerpoint folder; cancelling either ends quietly.
    {"StartUpChooserCancelled", 7, &mainWindow::LMBrowse_Action,
     [](ChooserTest& t) { ChooseOffice(t, {"Office"}); }, {}, 2,
     [](const ChooserTest& t) { OfficeStays(t, kOfficePath); }},
    {"PowerpointChooserCancelled", 7, &mainWindow::LMBrowse_Action,
     [](ChooserTest& t) { ChooseOffice(t, {"Office/StartUp"}); }, {}, 2,
     [](const ChooserTest& t) { OfficeStays(t, kOfficePath); }},
    {"TemplatesFolderMissing", 8, &mainWindow::TemplateBrowse_Action, ChooseMissing,
     {"Please select a valid path"}, 1,
     [](const ChooserTest& t) {
         LocationsUnchanged(t);
         EXPECT_EQ(t.w->lblTemplatePath->Text(), "");
         EXPECT_EQ(t.w->lblBcgPath->Text(), kBackgroundsBefore);
     }},
    {"TemplatesChooserCancelled", 8, &mainWindow::TemplateBrowse_Action, Cancel, {}, 1,
     [](const ChooserTest& t) {
         LocationsUnchanged(t);
         EXPECT_EQ(t.w->lblTemplatePath->Text(), kTemplatesBefore);
     }},
    {"BackgroundsFolderMissing", 8, &mainWindow::BcgBrowse_Action, ChooseMissing, {"Enter a Valid Path"}, 1,
     [](const ChooserTest& t) {
         LocationsUnchanged(t);
         EXPECT_EQ(t.w->lblBcgPath->Text(), "");
         EXPECT_EQ(t.w->lblTemplatePath->Text(), kTemplatesBefore);
     }},
    {"BackgroundsChooserCancelled", 8, &mainWindow::BcgBrowse_Action, Cancel, {}, 1,
     [](const ChooserTest& t) {
         LocationsUnchanged(t);
         EXPECT_EQ(t.w->lblBcgPath->Text(), kBackgroundsBefore);
     }},
};

} // namespace

class ChooserRefusal : public ChooserTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ChooserRefusal, ShowsItsTextAndChangesNothingElse)
{
    const Refusal& r = GetParam();
    w->Pages->SetValue(r.page);
    if (r.page == 7) {
        Global::cdPPA = FolderItem(sandbox.cd() / "PPA");
        w->MSOfficePath = true;   // every use of the chooser clears it
        w->lblMicrosoftOfficeLocation->SetText(kEarlierLabel);
    } else {
        w->lblTemplatePath->SetText(kTemplatesBefore);
        w->lblBcgPath->SetText(kBackgroundsBefore);
        Global::LMTemplatePath = FolderItem(sandbox.volume / "Earlier");
        Global::LmBackgroundPath = FolderItem(sandbox.volume / "Earlier");
    }
    r.arrange(*this);

    (w->*r.handler)();

    EXPECT_EQ(Messages(dialogs), r.messages);
    EXPECT_EQ(dialogs.folderRequests, r.folderRequests);
    r.check(*this);
}

INSTANTIATE_TEST_SUITE_P(FailureTable, ChooserRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// PowerPoint locations page

TEST_F(ChooserTest, AlternateAndDefaultLocationShowAndHideTheFolderControls)
{
    w->Pages->SetValue(8);
    w->lblTemplatePath->SetText(QStringLiteral("old templates"));
    w->lblBcgPath->SetText(QStringLiteral("old backgrounds"));
    w->LmTempPath = true;
    w->LMBckPath = true;
    const std::vector<Control*> folderControls = {w->chkTemplate, w->chkBackgrounds, w->TemplateBrowse, w->BcgBrowse};

    w->rbdAlternateLocation->SetValue(true);
    w->rbdAlternateLocation_Action();
    for (Control* c : folderControls)
        EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
    EXPECT_EQ(w->lblTemplatePath->Text(), "");
    EXPECT_EQ(w->lblBcgPath->Text(), "");
    EXPECT_FALSE(w->RctPath->Visible()) << "the container is not shown by the radio button";
    EXPECT_TRUE(w->rbdDefault->Value()) << "the two radio buttons are not one group";

    w->lblTemplatePath->SetText(QStringLiteral("chosen templates"));
    w->lblBcgPath->SetText(QStringLiteral("chosen backgrounds"));
    w->RctPath->SetVisible(true);
    w->rbdDefault_Action();
    for (Control* c : folderControls)
        EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
    EXPECT_EQ(w->lblTemplatePath->Text(), "");
    EXPECT_EQ(w->lblBcgPath->Text(), "");
    EXPECT_FALSE(w->RctPath->Visible());
    EXPECT_TRUE(w->LmTempPath);
    EXPECT_TRUE(w->LMBckPath);

    // Deselected, the alternate button hides the controls and clears the
    // default location's text.
    for (Control* c : folderControls)
        c->SetVisible(true);
    w->LMDefaultLocat->SetText(QStringLiteral("Installation path somewhere"));
    w->rbdAlternateLocation->SetValue(false);
    w->rbdAlternateLocation_Action();
    for (Control* c : folderControls)
        EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
    EXPECT_EQ(w->LMDefaultLocat->Text(), "");
}

TEST_F(ChooserTest, DefaultLocationButtonDoesNothingWhileNotSelected)
{
    w->Pages->SetValue(8);
    w->rbdAlternateLocation->SetValue(true);
    w->rbdAlternateLocation_Action();
    w->lblTemplatePath->SetText(QStringLiteral("chosen templates"));
    w->rbdDefault->SetValue(false);

    w->rbdDefault_Action();

    EXPECT_TRUE(w->TemplateBrowse->Visible());
    EXPECT_EQ(w->lblTemplatePath->Text(), "chosen templates");
}

TEST_F(ChooserTest, AcceptedFoldersAreShownAndMoveTheDefaultButton)
{
    const fs::path templates = sandbox.volume / "My Templates";
    const fs::path backgrounds = sandbox.volume / "My Backgrounds";
    fs::create_directories(templates);
    fs::create_directories(backgrounds);
    w->Pages->SetValue(8);
    ASSERT_TRUE(w->TemplateBrowse->Default());
    ASSERT_FALSE(w->BcgBrowse->Default());

    Answer({FolderItem(templates)});
    w->TemplateBrowse_Action();
    EXPECT_EQ(w->lblTemplatePath->Text(), "Templates are installed to :MacHD:My Templates:");
    EXPECT_EQ(Global::LMTemplatePath, FolderItem(templates));
    EXPECT_TRUE(w->LmTempPath);
    EXPECT_FALSE(w->LMBckPath);
    EXPECT_FALSE(w->rbdDefault->Value());
    EXPECT_FALSE(w->TemplateBrowse->Default());
    EXPECT_TRUE(w->BcgBrowse->Default()) << "the backgrounds button is the next to use";

    w->rbdDefault->SetValue(true);
    Answer({FolderItem(backgrounds)});
    w->BcgBrowse_Action();
    EXPECT_EQ(w->lblBcgPath->Text(), "Backgrounds are installed to : MacHD:My Backgrounds:");
    EXPECT_EQ(Global::LmBackgroundPath, FolderItem(backgrounds));
    EXPECT_TRUE(w->LMBckPath);
    EXPECT_FALSE(w->rbdDefault->Value());
    EXPECT_FALSE(w->TemplateBrowse->Default());
    EXPECT_FALSE(w->BcgBrowse->Default());

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(fs::exists(templates / "Lumora")) << "the chosen folder is used as it is";
}

TEST_F(ChooserTest, BackgroundsFirstLeavesTheTemplatesButtonDefault)
{
    const fs::path backgrounds = sandbox.volume / "My Backgrounds";
    fs::create_directories(backgrounds);
    w->Pages->SetValue(8);

    Answer({FolderItem(backgrounds)});
    w->BcgBrowse_Action();

    EXPECT_TRUE(w->TemplateBrowse->Default());
    EXPECT_FALSE(w->BcgBrowse->Default());
    EXPECT_TRUE(w->LMBckPath);
    EXPECT_FALSE(w->LmTempPath);
}

// ---------------------------------------------------------------------------
// The roads, by the real buttons

class RoadTest : public ChooserTest {
protected:
    // Welcome page to the Office location page, choosing PowerPoint.
    void ToOfficeLocationPage()
    {
        ASSERT_EQ(w->Pages->Value(), 0);
        Click(w->continueButton);
        ASSERT_EQ(w->Pages->Value(), 5);
        Click(w->rbdLumora);
        Click(w->continueButton);
        ASSERT_EQ(w->Pages->Value(), 6);
        Click(w->continueButton);
        ASSERT_EQ(w->Pages->Value(), 7);
    }

    // Welcome page to the Destination page, choosing Keynote.
    void ToDestinationPage()
    {
        Click(w->continueButton);
        Click(w->rbdKeyNote);
        Click(w->continueButton);
        ASSERT_EQ(w->Pages->Value(), 1);
        Click(w->continueButton);
        ASSERT_EQ(w->Pages->Value(), 2);
    }

    // The last Continue closes the wizard, which is then deleted.
    void FinishAndClose()
    {
        ASSERT_EQ(w->continueButton->Caption(), "Finish");
        Click(w->continueButton);
        FlushDeletes();
        EXPECT_FALSE(mainWindow::IsOpen());
    }

    fs::path Lumora() const { return sandbox.volume / "Applications" / "Lumora"; }
    std::string Pref() const
    {
        return Sandbox::ReadFile(sandbox.volume / "Library" / "Preferences" / "Brenwick" / "pref.txt");
    }
};

TEST_F(RoadTest, PowerPointFromWelcomeToClosedWindow)
{
    const fs::path startUp = MakeOffice({"Office/StartUp/Powerpoint"}) / "Office/StartUp/Powerpoint";
    ToOfficeLocationPage();
    EXPECT_EQ(w->mainHeading->Text(), "Choose your Microsoft Office location");

    // Continue alone never leaves the Office location page.
    Click(w->continueButton);
    EXPECT_EQ(w->Pages->Value(), 7);
    EXPECT_FALSE(HoldsAddIn(Office()));

    Answer({FolderItem(Office())});
    Click(w->LMBrowse);
    EXPECT_EQ(Sandbox::Tree(startUp), kAddInTree);
    EXPECT_EQ(w->lblMicrosoftOfficeLocation->Text(), kOfficePath);
    ASSERT_EQ(w->Pages->Value(), 8);
    EXPECT_TRUE(w->rbdDefault->Value());

    Click(w->continueButton);
    ASSERT_EQ(w->Pages->Value(), 9);
    EXPECT_EQ(w->mainHeading->Text(), "Installation completed sucessfully");
    EXPECT_EQ(w->lblFinishstmt->Text(), "Lumora Toolbar will be available the next time you open PowerPoint®");
    EXPECT_FALSE(w->backButton->Enabled());
    EXPECT_EQ(Sandbox::Tree(Lumora()),
              "Backgrounds/\n"
              "Backgrounds/Dawn.jpg\n"
              "Backgrounds/Dusk.jpg\n"
              "Backgrounds/Noon.jpg\n"
              "LumoraFonts/\n"
              "LumoraFonts/Lumora Sans.ttf\n"
              "LumoraFonts/Lumora Serif.ttf\n"
              "LumoraWebUpdater/\n"
              "LumoraWebUpdater/Lumora Web Updater.app\n"
              "Templates/\n"
              "Templates/Lumora Pitch.pot\n"
              "Templates/Lumora Report.pot\n");
    EXPECT_EQ(Pref(), "MacHD:Applications:Lumora:Backgrounds\nMacHD:Applications:Lumora:Templates\n");
    EXPECT_TRUE(dialogs.messages.empty());

    FinishAndClose();
}

TEST_F(RoadTest, PowerPointIntoChosenFolders)
{
    MakeOffice({"Office/StartUp/Powerpoint"});
    const fs::path templates = sandbox.volume / "Chosen Templates";
    const fs::path backgrounds = sandbox.volume / "Chosen Backgrounds";
    fs::create_directories(templates);
    fs::create_directories(backgrounds);
    ToOfficeLocationPage();
    Answer({FolderItem(Office())});
    Click(w->LMBrowse);
    ASSERT_EQ(w->Pages->Value(), 8);

    // The alternate controls are laid out hidden; they are operated directly.
    w->rbdAlternateLocation->SetValue(true);
    w->rbdAlternateLocation_Action();
    Answer({FolderItem(templates), FolderItem(backgrounds)});
    w->TemplateBrowse_Action();
    w->BcgBrowse_Action();
    ASSERT_FALSE(w->rbdDefault->Value());

    Click(w->continueButton);
    ASSERT_EQ(w->Pages->Value(), 9);
    EXPECT_EQ(Sandbox::Tree(templates), "Lumora Pitch.pot\nLumora Report.pot\n");
    EXPECT_EQ(Sandbox::Tree(backgrounds), "Dawn.jpg\nDusk.jpg\nNoon.jpg\n");
    EXPECT_FALSE(fs::exists(Lumora() / "Backgrounds"));
    EXPECT_FALSE(fs::exists(Lumora() / "Templates"));
    EXPECT_EQ(Pref(), "MacHD:Chosen Backgrounds\nMacHD:Chosen Templates\n");

    FinishAndClose();
}

TEST_F(RoadTest, PowerPointAlternateWithoutFoldersInstallsToTheDefaults)
{
    MakeOffice({"Office/StartUp/Powerpoint"});
    const fs::path templates = sandbox.volume / "Chosen Templates";
    fs::create_directories(templates);
    ToOfficeLocationPage();
    Answer({FolderItem(Office())});
    Click(w->LMBrowse);
    w->rbdAlternateLocation->SetValue(true);
    w->rbdAlternateLocation_Action();
    ASSERT_TRUE(w->rbdDefault->Value());

    Click(w->continueButton);

    ASSERT_EQ(w->Pages->Value(), 9);
    EXPECT_EQ(Sandbox::Tree(Lumora() / "Templates"), "Lumora Pitch.pot\nLumora Report.pot\n");
    EXPECT_EQ(Sandbox::Tree(templates), "");
    FinishAndClose();
}

TEST_F(RoadTest, OfficeLocatedAgainAfterGoingBack)
{
    const fs::path startUp = MakeOffice({"Office/StartUp/Powerpoint"}) / "Office/StartUp/Powerpoint";
    ToOfficeLocationPage();
    Answer({FolderItem(Office())});
    Click(w->LMBrowse);
    ASSERT_EQ(w->Pages->Value(), 8);

    Click(w->backButton);
    ASSERT_EQ(w->Pages->Value(), 7);
    EXPECT_FALSE(w->MSOfficePath);

    // A cancel on the second visit leaves the page where it is.
    Click(w->LMBrowse);
    EXPECT_EQ(w->Pages->Value(), 7);
    EXPECT_EQ(w->lblMicrosoftOfficeLocation->Text(), "Select a Valid Path");

    Answer({FolderItem(Office())});
    Click(w->LMBrowse);
    EXPECT_EQ(w->Pages->Value(), 8);
    EXPECT_EQ(Sandbox::Tree(startUp), kAddInTree);
}

TEST_F(RoadTest, KeynoteBackgroundsIntoAnAlternateFolder)
{
    const fs::path chosen = sandbox.volume / "Alt Backgrounds";
    fs::create_directories(chosen);
    ToDestinationPage();

    // The alternate controls are laid out hidden; they are operated directly.
    w->rbAltLoc->SetValue(true);
    w->rbAltLoc_Action();
    Answer({FolderItem(chosen)});
    w->BrowseButton_Action();
    EXPECT_EQ(w->lblAltLocInfo->Text(),
              "Lumora Backgrounds will be installed to\nMacHD:Alt Backgrounds:BrenwickBackgrounds");

    Click(w->continueButton);
    ASSERT_EQ(w->Pages->Value(), 4);
    EXPECT_EQ(w->mainHeading->Text(), "Installation Successful");
    EXPECT_EQ(Sandbox::Tree(chosen / "BrenwickBackgrounds"), "Dawn.jpg\nDusk.jpg\nNoon.jpg\n");
    EXPECT_FALSE(fs::exists(sandbox.volume / "Applications" / "Lumora" / "Backgrounds"));
    EXPECT_TRUE(w->lblFinishNote->Text().endsWith(
        QStringLiteral("Lumora Backgrounds are installed to \nMacHD:Alt Backgrounds:BrenwickBackgrounds:")))
        << w->lblFinishNote->Text().toStdString();
    EXPECT_TRUE(dialogs.messages.empty());

    FinishAndClose();
}

TEST_F(RoadTest, KeynoteCancelledAlternateAsksAgainAndDefaultStillWorks)
{
    const fs::path chosen = sandbox.volume / "Alt Backgrounds";
    fs::create_directories(chosen);
    ToDestinationPage();
    w->rbAltLoc->SetValue(true);
    w->rbAltLoc_Action();
    Answer({FolderItem(chosen)});
    w->BrowseButton_Action();
    w->BrowseButton_Action();   // cancelled

    Click(w->continueButton);
    EXPECT_EQ(Messages(dialogs), std::vector<std::string>{"Select a location for Lumora Backgrounds"});
    ASSERT_EQ(w->Pages->Value(), 2);

    // Back to the default location: the folder chosen earlier plays no part.
    Answer({FolderItem(chosen)});
    w->BrowseButton_Action();
    w->rbDefaultLoc->SetValue(true);
    w->rbDefaultLoc_Action();
    Click(w->continueButton);
    ASSERT_EQ(w->Pages->Value(), 4);
    EXPECT_EQ(Sandbox::Tree(sandbox.volume / "Applications" / "Lumora" / "Backgrounds"), "Dawn.jpg\nDusk.jpg\nNoon.jpg\n");
    EXPECT_FALSE(fs::exists(chosen / "BrenwickBackgrounds"));

    FinishAndClose();
}
