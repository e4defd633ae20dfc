#pragma once
// The installer wizard: one fixed 620 x 420 window with a heading, five step
// labels with markers, a page panel of ten pages and the Go Back / Continue
// buttons. Pages by Pages->Value(): 0 Welcome, 1 Keynote options,
// 2 Destination, 3 Keynote progress, 4 Finish, 5 Program choice,
// 6 PowerPoint introduction, 7 Office location, 8 PowerPoint locations,
// 9 PowerPoint progress.
//
// The wizard changes pages only by assigning Pages->SetValue(); every
// assignment runs Pages_Change for the page entered, nested inside the
// assignment. The controls are owned by the window; the members below are
// plain pointers to them.
//
// The code is split by concern: mainWindow.cpp (accessor, Open, indicators,
// Finish message), mainWindowLayout.cpp (controls and bindings),
// mainWindowMedia.cpp (CD and install log discovery), mainWindowPages.cpp
// (page entry actions), mainWindowNavigation.cpp (Continue, Go Back),
// mainWindowOptions.cpp (option controls), mainWindowChoosers.cpp
// (destination choosers).
#include "Controls.h"
#include "Installer.h"
#include "Window.h"
#include <QString>
#include <array>
#include <memory>

// The members of the step marker and step label control arrays.
class indicators : public Oval {
public:
    using Oval::Oval;
};
class installSteps : public StaticText {
public:
    using StaticText::StaticText;
};

class mainWindow : public Window {
public:
    static mainWindow& instance();   // the open wizard, created (layout, then Open) when none is open
    static bool IsOpen();
    ~mainWindow() override;

    // State shared by the page actions, navigation and option controls.
    bool instTheme = true;
    bool uninstTheme = true;
    QString instType = QStringLiteral("install");
    bool instBg = true;
    bool uninstBg = true;
    QString instLocation = QStringLiteral("default");
    QString instStatus = QStringLiteral("success");
    bool movingForward = true;
    std::unique_ptr<Installer> oInstaller;
    bool MSOfficePath = false;
    bool LmTempPath = false;
    bool LMBckPath = false;
    bool instKeyTemplates = true;
    bool uninstallKeynoteTempl = true;
    bool instLMFonts = true;

    // Window controls.
    StaticText* mainHeading = nullptr;
    PagePanel* Pages = nullptr;
    std::array<installSteps*, 5> installStepLabels{};   // installSteps(0..4)
    std::array<indicators*, 5> stepIndicators{};        // indicators(0..4)
    PushButton* continueButton = nullptr;
    PushButton* backButton = nullptr;

    // Page 0, Welcome.
    Rectangle* Rectangle1 = nullptr;
    StaticText* StaticText1 = nullptr;
    // Page 1, Keynote options.
    Rectangle* Rectangle2 = nullptr;
    RadioButton* rbInstall = nullptr;
    CheckBox* chkInstTheme = nullptr;
    StaticText* StaticText6 = nullptr;
    StaticText* StaticText11 = nullptr;
    CheckBox* chkInstBg = nullptr;
    StaticText* StaticText4 = nullptr;
    StaticText* StaticText9 = nullptr;
    CheckBox* chkInstallKeyTemplates = nullptr;
    StaticText* StaticText5 = nullptr;
    StaticText* StaticText10 = nullptr;
    CheckBox* ChkInstallLMFonts = nullptr;
    StaticText* StaticText8 = nullptr;
    StaticText* StaticText12 = nullptr;
    RadioButton* rbUninstall = nullptr;
    CheckBox* chkUnistTheme = nullptr;
    CheckBox* chkUnistBg = nullptr;
    CheckBox* chkuninstallKeynoteTempl = nullptr;
    // Page 2, Destination.
    Rectangle* Rectangle3 = nullptr;
    StaticText* StaticText2 = nullptr;
    RadioButton* rbDefaultLoc = nullptr;
    StaticText* lblDefLocInfo = nullptr;
    RadioButton* rbAltLoc = nullptr;
    StaticText* lblAltLocInfo = nullptr;
    PushButton* BrowseButton = nullptr;
    // Page 3, Keynote progress.
    Rectangle* Rectangle4 = nullptr;
    StaticText* lblInstallStatus = nullptr;
    ProgressBar* installProgress = nullptr;
    // Page 4, Finish.
    Rectangle* Rectangle5 = nullptr;
    StaticText* lblFinishMessage = nullptr;
    StaticText* lblFinishNote = nullptr;
    // Page 5, Program choice.
    Rectangle* Rectangle6 = nullptr;
    StaticText* staticSelect = nullptr;
    StaticText* StaticText3 = nullptr;
    RadioButton* rbdKeyNote = nullptr;
    RadioButton* rbdLumora = nullptr;
    StaticText* txtinform = nullptr;
    // Page 6, PowerPoint introduction.
    Rectangle* RectLMHome = nullptr;
    StaticText* staticLmDescription = nullptr;
    // Page 7, Office location.
    Rectangle* Rectangle7 = nullptr;
    StaticText* StaticText7 = nullptr;
    PushButton* LMBrowse = nullptr;
    CheckBox* chkSelectofficeLoc = nullptr;
    RadioButton* rbdInstallLM = nullptr;
    StaticText* lblMicrosoftOfficeLocation = nullptr;
    // Page 8, PowerPoint locations.
    Rectangle* Rectangle8 = nullptr;
    RadioButton* rbdDefault = nullptr;
    StaticText* LMDefaultLocat = nullptr;
    RadioButton* rbdAlternateLocation = nullptr;
    Rectangle* RctPath = nullptr;
    CheckBox* chkTemplate = nullptr;
    PushButton* TemplateBrowse = nullptr;
    StaticText* lblTemplatePath = nullptr;
    CheckBox* chkBackgrounds = nullptr;
    PushButton* BcgBrowse = nullptr;
    StaticText* lblBcgPath = nullptr;
    // Page 9, PowerPoint progress.
    Rectangle* Rectangle9 = nullptr;
    ProgressBar* installLMProgress = nullptr;
    StaticText* lblFinishstmt = nullptr;

    // Window operations.
    void Open() override;
    bool CancelClose() override;
    void ToggleIndicators(int firstStep, int currentStep);
    void ShowMessage(const QString& message);

    // CD and previous installation.
    void VerifyCDContents();
    bool VerifyPrevInstallation();

    // Page entry actions.
    void Pages_Change();

    // Navigation.
    void continueButton_Action();
    void backButton_Action();

    // Option controls.
    void rbInstall_Action();
    void rbUninstall_Action();
    void chkInstTheme_Action();
    void chkInstBg_Action();
    void chkInstallKeyTemplates_Action();
    void ChkInstallLMFonts_Action();
    void chkUnistTheme_Action();
    void chkUnistBg_Action();
    void chkuninstallKeynoteTempl_Action();
    void ToggleInstallSection(bool on);
    void ToggleUninstallSection(bool on);
    void ToggleThemeInstall(bool on);
    void ToggleBgInstall(bool on);
    void ToggleThemeUninstall(bool on);
    void ToggleBgUninstall(bool on);
    void ToggleKTuninstall(bool on);

    // Destination choosers.
    void rbDefaultLoc_Action();
    void rbAltLoc_Action();
    void BrowseButton_Action();
    void LMBrowse_Action();
    void rbdDefault_Action();
    void rbdAlternateLocation_Action();
    void TemplateBrowse_Action();
    void BcgBrowse_Action();

    // True while a progress page runs its pass: the window must not close
    // and the program must not quit under it (see CancelClose).
    bool passRunning = false;

private:
    mainWindow();
    void BuildLayout();   // mainWindowLayout.cpp
};
