// What entering each page does. Pages_Change runs inside every assignment of
// Pages->SetValue; an entry action that selects another page runs that
// page's actions nested, and does nothing more itself afterwards.
//
// The two progress pages run their whole pass synchronously. The engine lets
// events through between files, so while a pass runs passRunning is set: the
// window refuses to close (CancelClose) and Continue and Go Back ignore
// presses, and a close or quit cannot destroy the window under the copy.
#include "mainWindow.h"
#include "Global.h"
#include "mainWindowSupport.h"

using namespace wizard;

namespace {

const QString kCloseToExit = QStringLiteral("Click Close button to exit installation. ");
const QString kErrorHeading = QStringLiteral("Error occured during Installation");

// Holds the flag true for its lifetime, also when an exception leaves.
class PassGuard {
public:
    explicit PassGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~PassGuard() { m_flag = false; }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;
private:
    bool& m_flag;
};

QString PathOf(const FolderItem& folder)
{
    return folder.IsNil() ? QString() : folder.AbsolutePath();
}

// The outcome of a Keynote pass. Once a chosen step has failed the run is an
// error whatever later steps report, so the Finish page never claims success
// and the log never records content that did not arrive.
class KeynoteOutcome {
public:
    KeynoteOutcome(mainWindow& window, QString successMessage)
        : m_window(window), m_success(std::move(successMessage)) {}

    // A step whose success is announced (themes, backgrounds, removals).
    void Report(bool ok)
    {
        m_failed = m_failed || !ok;
        m_window.instStatus = m_failed ? QStringLiteral("Error") : QStringLiteral("Success");
        m_window.ShowMessage(m_failed ? kCloseToExit : m_success);
    }
    // A step that changes the outcome only by failing (templates, fonts).
    void ReportFailure(bool ok)
    {
        if (!ok)
            Report(false);
    }

private:
    mainWindow& m_window;
    QString m_success;
    bool m_failed = false;
};

void EnterWelcome(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("Welcome to the Lumora™ Installer"));
    w.backButton->SetCaption(QStringLiteral("Cancel"));
    w.ToggleIndicators(0, 0);
}

void EnterProgramChoice(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("What presentation software do you use?"));
    w.backButton->SetCaption(QStringLiteral("Go Back"));
}

void EnterKeynoteOptions(mainWindow& w)
{
    w.ToggleIndicators(1, 1);
    if (w.movingForward) {
        w.continueButton->SetEnabled(false);
        w.mainHeading->SetText(QStringLiteral("Verifying Installation CD..."));

        w.VerifyCDContents();
        w.ToggleInstallSection(true);

        if (w.VerifyPrevInstallation() && (Global::themeInstalled || Global::bgInstalled)) {
            w.rbUninstall->SetEnabled(true);
            w.ToggleUninstallSection(false);
        }
    }
    // On the way back the CD is not examined again and the choices stay; the
    // page only gets its own heading back.
    w.mainHeading->SetText(QStringLiteral("Select Install/Uninstall Type"));
    if (w.movingForward) {
        w.backButton->SetEnabled(true);
        w.backButton->SetCaption(QStringLiteral("Go Back"));
        w.continueButton->SetEnabled(true);
        w.Refresh();
    }
}

void EnterDestination(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("Destination"));
    w.ToggleIndicators(2, 2);
    w.backButton->SetCaption(QStringLiteral("Go Back"));
    if (!w.movingForward)
        return;

    w.continueButton->SetEnabled(false);
    if (Present(Global::osVolume))
        w.lblDefLocInfo->SetText(QStringLiteral("Lumora will be installed to ") + Global::osVolume.AbsolutePath()
                                 + QStringLiteral("\\Applications\\Lumora."));
    else
        w.lblDefLocInfo->SetText(kNoVolumeMessage);

    // The chosen content must still be on the CD.
    if (w.instTheme && !Present(Global::cdThemeFolder)) {
        w.instStatus = QStringLiteral("error");
        w.Pages->SetValue(Finish);
        return;
    }
    if (w.instBg && !Present(Global::cdBgFolder)) {
        w.instStatus = QStringLiteral("error");
        w.ShowMessage(QStringLiteral("There is no background images in the CD to install. ") + kCloseToExit);
        w.Pages->SetValue(Finish);
        return;
    }
    w.continueButton->SetEnabled(true);
}

void RunKeynoteInstall(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("Installation in Progress"));
    w.oInstaller = std::make_unique<Installer>();
    Installer& installer = *w.oInstaller;
    ProgressBar& bar = *w.installProgress;
    KeynoteOutcome outcome(w, QStringLiteral("Click Finish button to complete Installation. "));
    // Templates and fonts go under Applications on the system volume.
    const bool volume = Present(Global::osVolume);

    if (w.instTheme) {
        bar.SetValue(0);
        w.lblInstallStatus->SetText(QString());
        outcome.Report(installer.InstallThemes(bar));
    }
    if (w.instBg) {
        bar.SetValue(0);
        w.lblInstallStatus->SetText(QStringLiteral("Installing Brenwick Backgrounds..."));
        outcome.Report(installer.InstallBackgrounds(bar));
    }
    if (w.instKeyTemplates) {
        bar.SetValue(0);
        w.lblInstallStatus->SetText(QStringLiteral("Installing Keynote Templates"));
        outcome.ReportFailure(volume && installer.InstallKeynoteTemplates(bar));
    }
    if (w.instLMFonts) {
        bar.SetValue(0);
        w.lblInstallStatus->SetText(QStringLiteral("Installing Lumora Fonts"));
        outcome.ReportFailure(volume && installer.InstallLMFonts(bar));
    }
}

void RunKeynoteUninstall(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("Uninstallation in Progress"));
    w.oInstaller = std::make_unique<Installer>();
    Installer& installer = *w.oInstaller;
    ProgressBar& bar = *w.installProgress;
    KeynoteOutcome outcome(w, QStringLiteral("Click Finish button to complete Uninstallation."));

    if (w.uninstTheme) {
        bar.SetValue(100);
        w.lblInstallStatus->SetText(QStringLiteral("Uninstalling Lumora Themes..."));
        outcome.Report(installer.UninstallThemes(bar));
    }
    if (w.uninstBg) {
        bar.SetValue(100);
        outcome.Report(installer.UninstallBackgrounds(bar));
    }
    if (w.uninstallKeynoteTempl) {
        bar.SetValue(100);
        w.lblInstallStatus->SetText(QStringLiteral("Uninstalling KeynoteTemplates"));
        outcome.Report(Present(Global::osVolume) && installer.uninstallKeynoteTemplates(bar));
    }
}

void EnterKeynoteProgress(mainWindow& w)
{
    w.ToggleIndicators(3, 3);
    w.backButton->SetEnabled(false);
    w.continueButton->SetEnabled(false);
    w.SetCloseButton(false);
    w.Refresh();
    {
        PassGuard running(w.passRunning);
        if (SameText(w.instType, QStringLiteral("install")))
            RunKeynoteInstall(w);
        else
            RunKeynoteUninstall(w);
    }
    w.Pages->SetValue(Finish);
}

void EnterFinish(mainWindow& w)
{
    const bool failed = SameText(w.instStatus, QStringLiteral("Error"));
    const bool install = SameText(w.instType, QStringLiteral("Install"));
    if (!failed) {
        if (!w.oInstaller)
            w.oInstaller = std::make_unique<Installer>();
        if (install)
            w.oInstaller->CreateLog(w.instTheme, w.instBg);
        else
            w.oInstaller->CreateUninstallLog(w.uninstTheme, w.uninstBg);
    }

    w.ToggleIndicators(4, 4);
    w.backButton->SetEnabled(false);
    w.continueButton->SetEnabled(true);
    w.SetCloseButton(true);

    if (failed) {
        w.mainHeading->SetText(kErrorHeading);
        w.continueButton->SetCaption(QStringLiteral("Close"));
        return;
    }
    if (install) {
        w.mainHeading->SetText(QStringLiteral("Installation Successful"));
        QString note;
        if (w.instTheme)
            note = QStringLiteral("Lumora KeyNote® Themes will be present next time you open Keynote.") + QChar(10);
        if (w.instBg)
            note += QStringLiteral("Lumora Backgrounds are installed to ") + QChar(10) + PathOf(Global::bgInstallFolder);
        if (w.instTheme || w.instBg)
            w.lblFinishNote->SetText(note);
    } else {
        w.mainHeading->SetText(QStringLiteral("Uninstallation Successful"));
        w.lblFinishNote->SetText(QStringLiteral("Run the Lumora installer again to install for Keynote®"));
    }
    w.continueButton->SetCaption(QStringLiteral("Finish"));
}

void EnterPowerPointIntro(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("Lumora"));
    w.backButton->SetCaption(QStringLiteral("Cancel"));
}

void EnterOfficeLocation(mainWindow& w)
{
    w.mainHeading->SetText(QStringLiteral("Choose your Microsoft Office location"));
    w.ToggleIndicators(1, 1);
    // The PowerPoint road does not pass the Keynote options page.
    w.VerifyCDContents();
    w.continueButton->SetCaption(QStringLiteral("Install"));
    w.backButton->SetCaption(QStringLiteral("Go Back"));
    w.MSOfficePath = false;
}

void EnterPowerPointLocations(mainWindow& w)
{
    w.ToggleIndicators(2, 2);
    if (Present(Global::osVolume))
        w.LMDefaultLocat->SetText(QStringLiteral("Installation path ") + Global::osVolume.AbsolutePath()
                                  + QStringLiteral("/Applications/Lumora"));
    else
        w.LMDefaultLocat->SetText(kNoVolumeMessage);
    w.continueButton->SetCaption(QStringLiteral("Install"));
}

// The PowerPoint steps in their order: a failed background step skips the
// templates and fonts, a failed templates step skips the fonts, a failed
// fonts step ends the pass. Returns whether every step that ran succeeded;
// a pref.txt that could not be written counts as a failed step, since the
// toolbar finds the content through it.
bool RunPowerPointSteps(mainWindow& w)
{
    ProgressBar& bar = *w.installLMProgress;
    const bool volume = Present(Global::osVolume);
    auto fresh = [&w]() -> Installer& {
        w.oInstaller = std::make_unique<Installer>();
        return *w.oInstaller;
    };

    bool failed = false;
    bool flag = fresh().InstallLMBackground(bar);
    failed = failed || !flag;
    if (flag) {
        flag = fresh().InstallLMTemplates(bar);
        failed = failed || !flag;
    }
    if (flag) {
        flag = volume && fresh().InstallLMFonts(bar);
        if (!flag)
            return false;
    }
    // Web updater and pref.txt follow also after a skipped step.
    if (volume)
        fresh().InstallLMWebUpdater();
    w.installLMProgress->SetVisible(false);
    if (volume && !Global::LmBackgroundPath.IsNil() && !Global::LMTemplatePath.IsNil())
        failed = !fresh().InstallPreftxt() || failed;
    return !failed;
}

void EnterPowerPointProgress(mainWindow& w)
{
    w.ToggleIndicators(3, 3);
    if (w.rbdDefault->Value()) {
        if (Present(Global::osVolume)) {
            Global::LmBackgroundPath = MakeFolders(Global::osVolume,
                {QStringLiteral("Applications"), QStringLiteral("Lumora"), QStringLiteral("Backgrounds")});
            Global::LMTemplatePath = MakeFolders(Global::osVolume,
                {QStringLiteral("Applications"), QStringLiteral("Lumora"), QStringLiteral("Templates")});
        } else {
            // No default destinations: the steps that need them fail.
            Global::LmBackgroundPath = FolderItem();
            Global::LMTemplatePath = FolderItem();
            w.LMDefaultLocat->SetText(kNoVolumeMessage);
        }
    }
    w.mainHeading->SetText(QStringLiteral("Installation in Progress"));
    w.backButton->SetEnabled(false);

    bool succeeded;
    {
        PassGuard running(w.passRunning);
        succeeded = RunPowerPointSteps(w);
    }

    w.ToggleIndicators(4, 4);
    if (succeeded) {
        w.instStatus = QStringLiteral("Success");
        w.lblFinishstmt->SetText(QStringLiteral("Lumora Toolbar will be available the next time you open PowerPoint®"));
        w.continueButton->SetCaption(QStringLiteral("Finish"));
    } else {
        w.instStatus = QStringLiteral("Error");
        w.mainHeading->SetText(kErrorHeading);
        w.continueButton->SetCaption(QStringLiteral("Close"));
    }
}

} // namespace

void mainWindow::Pages_Change()
{
    switch (Pages->Value()) {
    case Welcome: EnterWelcome(*this); break;
    case KeynoteOptions: EnterKeynoteOptions(*this); break;
    case Destination: EnterDestination(*this); break;
    case KeynoteProgress: EnterKeynoteProgress(*this); break;
    case Finish: EnterFinish(*this); break;
    case ProgramChoice: EnterProgramChoice(*this); break;
    case PowerPointIntro: EnterPowerPointIntro(*this); break;
    case OfficeLocation: EnterOfficeLocation(*this); break;
    case PowerPointLocations: EnterPowerPointLocations(*this); break;
    case PowerPointProgress: EnterPowerPointProgress(*this); break;
    default: break;
    }
}
