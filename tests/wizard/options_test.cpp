// The Keynote options page's check boxes and radio buttons, and the section
// operations the page's entry uses.
#include "WizardFixture.h"

namespace {

class Options : public WizardFixture {};

// Every option property, to show which ones a click changed.
struct Snapshot {
    bool instTheme, instBg, instKeyTemplates, instLMFonts, uninstTheme, uninstBg, uninstallKeynoteTempl;
    QString instType;
    bool operator==(const Snapshot&) const = default;
};
Snapshot Take(const mainWindow& w)
{
    return {w.instTheme, w.instBg, w.instKeyTemplates, w.instLMFonts, w.uninstTheme, w.uninstBg,
            w.uninstallKeynoteTempl, w.instType};
}

void ExpectBox(const CheckBox* box, bool on)
{
    EXPECT_EQ(box->Value(), on) << box->Name().toStdString();
    EXPECT_EQ(box->Enabled(), on) << box->Name().toStdString();
}

TEST_F(Options, ClickingACheckBoxChangesOnlyItsOwnProperty)
{
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    struct { CheckBox* box; bool mainWindow::*property; } boxes[] = {
        {w.chkInstTheme, &mainWindow::instTheme},
        {w.chkInstBg, &mainWindow::instBg},
        {w.chkInstallKeyTemplates, &mainWindow::instKeyTemplates},
        {w.ChkInstallLMFonts, &mainWindow::instLMFonts},
    };
    for (auto& b : boxes) {
        const Snapshot before = Take(w);
        Click(b.box);
        EXPECT_FALSE(w.*b.property) << b.box->Name().toStdString();
        EXPECT_FALSE(b.box->Value());
        // Apart from its own property, nothing changed.
        w.*b.property = true;
        EXPECT_EQ(Take(w), before) << b.box->Name().toStdString() << " changed another property";
        w.*b.property = false;

        Click(b.box);
        EXPECT_TRUE(w.*b.property);
        EXPECT_EQ(Take(w), before);
    }
}

TEST_F(Options, UninstallBoxHandlersMirrorTheirBoxes)
{
    mainWindow& w = Wizard();
    struct { CheckBox* box; void (mainWindow::*handler)(); bool mainWindow::*property; } boxes[] = {
        {w.chkUnistTheme, &mainWindow::chkUnistTheme_Action, &mainWindow::uninstTheme},
        {w.chkUnistBg, &mainWindow::chkUnistBg_Action, &mainWindow::uninstBg},
        {w.chkuninstallKeynoteTempl, &mainWindow::chkuninstallKeynoteTempl_Action, &mainWindow::uninstallKeynoteTempl},
    };
    for (auto& b : boxes) {
        b.box->SetValue(false);
        (w.*b.handler)();
        EXPECT_FALSE(w.*b.property);
        b.box->SetValue(true);
        (w.*b.handler)();
        EXPECT_TRUE(w.*b.property);
    }
}

TEST_F(Options, CDWithoutThemesDisablesTheThemesChoice)
{
    fs::remove_all(sb.cd() / "Themes");
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    ExpectBox(w.chkInstTheme, false);
    EXPECT_FALSE(w.instTheme);
    ExpectBox(w.chkInstBg, true);
    EXPECT_TRUE(w.instBg);
}

TEST_F(Options, BackgroundsFolderNilSwitchesTheChoiceOff)
{
    mainWindow& w = Wizard();
    Global::cdBgFolder = FolderItem();
    w.ToggleBgInstall(true);
    ExpectBox(w.chkInstBg, false);
    EXPECT_FALSE(w.instBg);
}

TEST_F(Options, InstallSectionRestoresThemesButNotTemplates)
{
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    Click(w.chkInstTheme);
    Click(w.chkInstallKeyTemplates);
    w.ToggleInstallSection(true);
    ExpectBox(w.chkInstTheme, true);
    EXPECT_TRUE(w.instTheme);
    EXPECT_FALSE(w.chkInstallKeyTemplates->Value());
    EXPECT_FALSE(w.instKeyTemplates);
}

TEST_F(Options, UninstallSectionWithoutPreviousInstallationOffersOnlyKeynoteTemplates)
{
    mainWindow& w = Wizard();
    w.ToggleUninstallSection(true);
    ExpectBox(w.chkUnistTheme, false);
    ExpectBox(w.chkUnistBg, false);
    ExpectBox(w.chkuninstallKeynoteTempl, true);
    EXPECT_FALSE(w.uninstTheme);
    EXPECT_FALSE(w.uninstBg);
    EXPECT_TRUE(w.uninstallKeynoteTempl);
}

TEST_F(Options, UninstallThenInstallLeavesAnInstall)
{
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    w.rbUninstall->SetValue(true);
    w.rbUninstall_Action();
    EXPECT_EQ(w.instType, QStringLiteral("uninstall"));
    ExpectBox(w.chkInstTheme, false);
    ExpectBox(w.chkuninstallKeynoteTempl, true);

    Click(w.rbInstall);
    EXPECT_EQ(w.instType, QStringLiteral("install"));
    ExpectBox(w.chkInstTheme, true);
    ExpectBox(w.chkInstBg, true);
    EXPECT_TRUE(w.instTheme && w.instBg);
    EXPECT_FALSE(w.uninstTheme || w.uninstBg || w.uninstallKeynoteTempl);
}

TEST_F(Options, PreviousInstallationEnablesTheHiddenUninstallChoice)
{
    WriteLog("Brenwick Keynote Installer\nThemes=no\nthmpath=\nBackgrounds=yes\nbgpath=MacHD:B:\n");
    ToKeynoteOptions();
    mainWindow& w = Wizard();
    EXPECT_TRUE(w.rbUninstall->Enabled());
    EXPECT_FALSE(w.rbUninstall->IsShown());
    EXPECT_TRUE(w.rbInstall->Value());
    for (CheckBox* box : {w.chkUnistTheme, w.chkUnistBg, w.chkuninstallKeynoteTempl}) {
        ExpectBox(box, false);
        EXPECT_FALSE(box->IsShown());
    }
    EXPECT_FALSE(w.uninstTheme || w.uninstBg || w.uninstallKeynoteTempl);
    EXPECT_TRUE(Global::bgInstalled);
}

} // namespace
