// The wizard's controls: where each one sits, how it reads and what state it
// starts in, and which handler each event runs.
//
// Every page has a background rectangle that is created first on its page
// and holds the page's other controls, so it lies beneath them and is the
// radio group of the page's radio buttons. Two controls sit on the page
// itself instead: StaticText3 (above page 5's rectangle) and
// rbdAlternateLocation (so it is not grouped with rbdDefault).
// Coordinates are the window's content coordinates throughout.
#include "mainWindow.h"
#include <initializer_list>

namespace {

QColor Rgb(QRgb rgb) { return QColor::fromRgb(rgb); }

const QColor kInstallPageFill = Rgb(0xBFBFBF);    // pages 0 to 4
const QColor kProgramPageFill = Rgb(0xAAAAAA);    // pages 5 to 9
const QColor kStepMarkerFill = Rgb(0x00BAFF);     // until Open marks the steps
const QColor kWarningRed = Rgb(0xFF0900);

// How a control's text reads. Font size 0 is the system's size.
struct Look {
    int size = 0;
    bool bold = false;
    QColor color = Qt::black;
    TextAlign align = TextAlign::Left;
    bool multiline = false;
};

template <class C>
C* Styled(C* control, Look look)
{
    control->SetTextSize(look.size);
    control->SetBold(look.bold);
    control->SetTextColor(look.color);
    return control;
}

template <class T>
T* Label(T* label, const QString& text, Look look = {})
{
    Styled(label, look);
    label->SetAlignment(look.align);
    label->SetMultiline(look.multiline);
    label->SetText(text);
    return label;
}

template <class C>
C* Checked(C* control, bool value)
{
    control->SetValue(value);
    return control;
}

void Hide(Control* control) { control->SetVisible(false); }
void Disable(Control* control) { control->SetEnabled(false); }

Rectangle* Background(Container* page, const char* name, QColor fill)
{
    auto* rect = new Rectangle(page, name, 170, 56, 430, 316);
    rect->SetFillColor(fill);
    return rect;
}

void BuildWelcomePage(mainWindow& w)
{
    auto* page = w.Rectangle1 = Background(w.Pages->Page(0), "Rectangle1", kInstallPageFill);
    w.StaticText1 = Label(new StaticText(page, "StaticText1", 182, 66, 407, 120),
        "Welcome to the Tessaly, Inc. Lumora™ Installer. \r\rYou will be guided through the necessary "
        "steps to install Lumora for either Apple® KeyNote® or Microsoft® PowerPoint®.",
        {.multiline = true});
}

void BuildKeynoteOptionsPage(mainWindow& w)
{
    auto* page = w.Rectangle2 = Background(w.Pages->Page(1), "Rectangle2", kInstallPageFill);
    const Look figure{.align = TextAlign::Right};

    w.rbInstall = Checked(new RadioButton(page, "rbInstall", 182, 71, 282, 20, "Lumora for KeyNote® Options"), true);
    w.chkInstTheme = Checked(new CheckBox(page, "chkInstTheme", 220, 103, 152, 20, "Install Themes"), true);
    w.StaticText6 = Label(new StaticText(page, "StaticText6", 384, 103, 65, 20), ".kth files");
    w.StaticText11 = Label(new StaticText(page, "StaticText11", 461, 103, 65, 20), "141 MB", figure);
    w.chkInstBg = Checked(new CheckBox(page, "chkInstBg", 220, 134, 152, 20, "Install Backgrounds"), true);
    w.StaticText4 = Label(new StaticText(page, "StaticText4", 384, 134, 65, 20), ".jpg files");
    w.StaticText9 = Label(new StaticText(page, "StaticText9", 461, 134, 65, 20), "181 MB", figure);
    w.chkInstallKeyTemplates = Checked(Styled(new CheckBox(page, "chkInstallKeyTemplates", 220, 165, 152, 20,
        "Install Templates"), {.size = 12}), true);
    w.StaticText5 = Label(new StaticText(page, "StaticText5", 384, 165, 65, 20), ".key files");
    w.StaticText10 = Label(new StaticText(page, "StaticText10", 461, 165, 65, 20), "177 MB", figure);
    w.ChkInstallLMFonts = Checked(Styled(new CheckBox(page, "ChkInstallLMFonts", 220, 197, 152, 20,
        "Install Fonts"), {.size = 12}), true);
    w.StaticText8 = Label(new StaticText(page, "StaticText8", 384, 197, 65, 20), ".ttf files");
    w.StaticText12 = Label(new StaticText(page, "StaticText12", 461, 197, 65, 20), "3 MB", figure);

    // The uninstall section is laid out but never shown.
    w.rbUninstall = Checked(new RadioButton(page, "rbUninstall", 187, 241, 161, 20, "Uninstall"), false);
    w.chkUnistTheme = Checked(new CheckBox(page, "chkUnistTheme", 220, 273, 161, 20, "Uninstall Themes"), true);
    w.chkUnistBg = Checked(new CheckBox(page, "chkUnistBg", 220, 305, 205, 20, "Uninstall Background Images"), true);
    w.chkuninstallKeynoteTempl = Checked(Styled(new CheckBox(page, "chkuninstallKeynoteTempl", 220, 337, 208, 18,
        "Uninstall Keynote Templates"), {.size = 12}), true);
    for (Control* c : std::initializer_list<Control*>{w.rbUninstall, w.chkUnistTheme, w.chkUnistBg,
                                                       w.chkuninstallKeynoteTempl}) {
        Hide(c);
        Disable(c);
    }

    w.rbInstall->Action = [&w] { w.rbInstall_Action(); };
    w.chkInstTheme->Action = [&w] { w.chkInstTheme_Action(); };
    w.chkInstBg->Action = [&w] { w.chkInstBg_Action(); };
    w.chkInstallKeyTemplates->Action = [&w] { w.chkInstallKeyTemplates_Action(); };
    w.ChkInstallLMFonts->Action = [&w] { w.ChkInstallLMFonts_Action(); };
    w.rbUninstall->Action = [&w] { w.rbUninstall_Action(); };
    w.chkUnistTheme->Action = [&w] { w.chkUnistTheme_Action(); };
    w.chkUnistBg->Action = [&w] { w.chkUnistBg_Action(); };
    w.chkuninstallKeynoteTempl->Action = [&w] { w.chkuninstallKeynoteTempl_Action(); };
}

void BuildDestinationPage(mainWindow& w)
{
    auto* page = w.Rectangle3 = Background(w.Pages->Page(2), "Rectangle3", kInstallPageFill);
    w.StaticText2 = Label(new StaticText(page, "StaticText2", 182, 66, 407, 19), "", {.multiline = true});
    w.rbDefaultLoc = Checked(new RadioButton(page, "rbDefaultLoc", 178, 97, 411, 23,
        "Location of Lumora Backgrounds and  KeynoteTemplates"), true);
    w.lblDefLocInfo = Label(new StaticText(page, "lblDefLocInfo", 210, 143, 373, 36),
        "Lumora backgrounds and KeynoteTemplates will be installed to \"/Applications/Lumora/\"",
        {.size = 12, .multiline = true});
    w.rbAltLoc = Checked(new RadioButton(page, "rbAltLoc", 184, 177, 152, 20, "Alternate Location"), false);
    Hide(w.rbAltLoc);
    w.lblAltLocInfo = Label(new StaticText(page, "lblAltLocInfo", 210, 201, 373, 49), "",
        {.size = 11, .multiline = true});
    w.BrowseButton = Styled(new PushButton(page, "BrowseButton", 488, 261, 85, 22, "Browse"), {.size = 12});
    Hide(w.BrowseButton);
    Disable(w.BrowseButton);

    w.rbDefaultLoc->Action = [&w] { w.rbDefaultLoc_Action(); };
    w.rbAltLoc->Action = [&w] { w.rbAltLoc_Action(); };
    w.BrowseButton->Action = [&w] { w.BrowseButton_Action(); };
}

void BuildKeynoteProgressPage(mainWindow& w)
{
    auto* page = w.Rectangle4 = Background(w.Pages->Page(3), "Rectangle4", kInstallPageFill);
    w.lblInstallStatus = Label(new StaticText(page, "lblInstallStatus", 194, 159, 327, 20), "Installing Themes",
        {.size = 13, .bold = true});
    w.installProgress = new ProgressBar(page, "installProgress", 194, 187, 382, 18);
    w.installProgress->SetMaximum(100);
    w.installProgress->SetValue(0);
}

void BuildFinishPage(mainWindow& w)
{
    auto* page = w.Rectangle5 = Background(w.Pages->Page(4), "Rectangle5", kInstallPageFill);
    w.lblFinishMessage = Label(new StaticText(page, "lblFinishMessage", 182, 66, 407, 40), "", {.multiline = true});
    w.lblFinishNote = Label(new StaticText(page, "lblFinishNote", 182, 126, 407, 70), "",
        {.size = 11, .multiline = true});
}

void BuildProgramChoicePage(mainWindow& w)
{
    Container* panelPage = w.Pages->Page(5);
    auto* page = w.Rectangle6 = Background(panelPage, "Rectangle6", kProgramPageFill);
    w.staticSelect = Label(new StaticText(page, "staticSelect", 184, 69, 410, 39),
        "What presentation software do you use?", {.size = 14, .bold = true, .multiline = true});
    Hide(w.staticSelect);
    w.StaticText3 = Label(new StaticText(panelPage, "StaticText3", 184, 75, 377, 115),
        "Lumora™ installs Templates and Backgrounds into both Apple® KeyNote® and Microsoft® PowerPoint®. "
        "You can choose one at this time; to install to both simply run this installer again.\r\r"
        "Make sure to close Apple® KeyNote® or Microsoft® PowerPoint® prior to installation.",
        {.multiline = true});
    w.rbdKeyNote = Checked(Styled(new RadioButton(page, "rbdKeyNote", 197, 231, 173, 29, "Install for KeyNote®"),
        {.size = 12, .bold = true}), false);
    w.rbdLumora = Checked(Styled(new RadioButton(page, "rbdLumora", 401, 231, 173, 29, "Install for PowerPoint®"),
        {.size = 12, .bold = true}), false);
    w.txtinform = Label(new StaticText(page, "txtinform", 197, 272, 377, 36), "",
        {.size = 12, .bold = true, .color = kWarningRed});
}

void BuildPowerPointIntroPage(mainWindow& w)
{
    auto* page = w.RectLMHome = Background(w.Pages->Page(6), "RectLMHome", kProgramPageFill);
    w.staticLmDescription = Label(new StaticText(page, "staticLmDescription", 184, 78, 407, 120),
        "The following screen will require you to locate where Microsoft® Office® X or Microsoft® Office® 2004 "
        "is installed.  \r\rYou will be guided through the steps necessary to properly install Lumora for "
        "Microsoft® PowerPoint®. ",
        {.size = 12, .multiline = true});
}

void BuildOfficeLocationPage(mainWindow& w)
{
    auto* page = w.Rectangle7 = Background(w.Pages->Page(7), "Rectangle7", kProgramPageFill);
    w.StaticText7 = Label(new StaticText(page, "StaticText7", 184, 72, 407, 109),
        "Click the Browse button below to locate your Microsoft® Office® directory.\r\r"
        "In most cases, the default location for Microsoft® Office® is found in the Applications directory.",
        {.multiline = true});
    w.LMBrowse = Styled(new PushButton(page, "LMBrowse", 363, 181, 64, 22, "Browse"), {.size = 10});
    w.LMBrowse->SetDefault(true);
    w.chkSelectofficeLoc = Checked(Styled(new CheckBox(page, "chkSelectofficeLoc", 326, 207, 181, 28,
        "Select Microsoft Office Location"), {.size = 10}), true);
    Hide(w.chkSelectofficeLoc);
    w.rbdInstallLM = Checked(Styled(new RadioButton(page, "rbdInstallLM", 201, 208, 113, 26, "Install"),
        {.size = 12}), true);
    Hide(w.rbdInstallLM);
    w.lblMicrosoftOfficeLocation = Label(new StaticText(page, "lblMicrosoftOfficeLocation", 183, 227, 406, 62), "",
        {.size = 12, .color = kWarningRed});

    w.LMBrowse->Action = [&w] { w.LMBrowse_Action(); };
}

void BuildPowerPointLocationsPage(mainWindow& w)
{
    Container* panelPage = w.Pages->Page(8);
    auto* page = w.Rectangle8 = Background(panelPage, "Rectangle8", kProgramPageFill);
    w.rbdDefault = Checked(Styled(new RadioButton(page, "rbdDefault", 259, 70, 293, 32,
        "Location for Templates and Backgrounds"), {.size = 10}), true);
    w.LMDefaultLocat = Label(new StaticText(page, "LMDefaultLocat", 187, 116, 399, 25), "",
        {.size = 12, .multiline = true});
    w.rbdAlternateLocation = Checked(Styled(new RadioButton(panelPage, "rbdAlternateLocation", 262, 151, 292, 25,
        "Alternate Location"), {.size = 10}), false);
    Hide(w.rbdAlternateLocation);

    auto* paths = w.RctPath = new Rectangle(page, "RctPath", 192, 181, 394, 150);
    paths->SetFillColor(kProgramPageFill);
    Hide(paths);
    w.chkTemplate = Checked(Styled(new CheckBox(paths, "chkTemplate", 217, 199, 187, 19,
        "Select Location for Templates "), {.size = 10}), true);
    Hide(w.chkTemplate);
    w.TemplateBrowse = Styled(new PushButton(paths, "TemplateBrowse", 454, 201, 81, 16, "Browse"), {.size = 10});
    w.TemplateBrowse->SetDefault(true);
    Hide(w.TemplateBrowse);
    w.lblTemplatePath = Label(new StaticText(paths, "lblTemplatePath", 205, 236, 369, 21), "", {.size = 10});
    w.chkBackgrounds = Checked(Styled(new CheckBox(paths, "chkBackgrounds", 218, 271, 195, 19,
        "Select Location for Backgrounds"), {.size = 10}), true);
    Hide(w.chkBackgrounds);
    w.BcgBrowse = Styled(new PushButton(paths, "BcgBrowse", 454, 268, 86, 19, "Browse"), {.size = 10});
    Hide(w.BcgBrowse);
    w.lblBcgPath = Label(new StaticText(paths, "lblBcgPath", 202, 298, 372, 24), "", {.size = 10});

    w.rbdDefault->Action = [&w] { w.rbdDefault_Action(); };
    w.rbdAlternateLocation->Action = [&w] { w.rbdAlternateLocation_Action(); };
    w.TemplateBrowse->Action = [&w] { w.TemplateBrowse_Action(); };
    w.BcgBrowse->Action = [&w] { w.BcgBrowse_Action(); };
}

void BuildPowerPointProgressPage(mainWindow& w)
{
    auto* page = w.Rectangle9 = Background(w.Pages->Page(9), "Rectangle9", kProgramPageFill);
    w.installLMProgress = new ProgressBar(page, "installLMProgress", 193, 158, 398, 23);
    w.installLMProgress->SetMaximum(100);
    w.installLMProgress->SetValue(0);
    w.lblFinishstmt = Label(new StaticText(page, "lblFinishstmt", 197, 231, 392, 83), "",
        {.size = 12, .multiline = true});
}

// The five steps, top to bottom: a bold label with a round marker beside it.
void BuildSteps(mainWindow& w)
{
    static const char* const titles[] = {"Introduction", "Installation Type", "Select Destination", "Install",
                                         "Finish Up"};
    for (int k = 0; k < 5; ++k) {
        const int top = 70 + 24 * k;
        auto* label = new installSteps(&w, "installSteps", 31, top, k == 0 ? 100 : 121, 20, k);
        w.installStepLabels[k] = Label(label, titles[k], {.bold = true});
        w.installStepLabels[k]->SetEnabled(k == 0);

        auto* marker = new indicators(&w, "indicators", 13, top + 5, 10, 10, k);
        marker->SetFillColor(kStepMarkerFill);
        Disable(marker);
        w.stepIndicators[k] = marker;
    }
}

} // namespace

void mainWindow::BuildLayout()
{
    mainHeading = Label(new StaticText(this, "mainHeading", 172, 25, 446, 20), "Welcome to the Lumora™ Installer",
        {.size = 14, .bold = true});

    Pages = new PagePanel(this, "Pages", 164, 49, 446, 323, 10);
    BuildWelcomePage(*this);
    BuildKeynoteOptionsPage(*this);
    BuildDestinationPage(*this);
    BuildKeynoteProgressPage(*this);
    BuildFinishPage(*this);
    BuildProgramChoicePage(*this);
    BuildPowerPointIntroPage(*this);
    BuildOfficeLocationPage(*this);
    BuildPowerPointLocationsPage(*this);
    BuildPowerPointProgressPage(*this);

    BuildSteps(*this);

    continueButton = new PushButton(this, "continueButton", 496, 388, 100, 20, "Continue");
    continueButton->SetDefault(true);
    backButton = new PushButton(this, "backButton", 384, 388, 100, 20, "Go Back");

    Pages->Change = [this] { Pages_Change(); };
    continueButton->Action = [this] { continueButton_Action(); };
    backButton->Action = [this] { backButton_Action(); };
}
