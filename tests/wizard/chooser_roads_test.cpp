// The roads through the destination choosers by the real buttons, from the
// Welcome page to the closed window: PowerPoint into the default and into
// chosen folders, and Keynote backgrounds into an alternate folder.
#include "ChooserFixture.h"

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
