// The destination choosers operated directly: the Destination page's
// location buttons, the Office location chooser that copies the add-in, the
// PowerPoint locations page's Browse buttons, and every refusal among them.
#include "ChooserFixture.h"

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
