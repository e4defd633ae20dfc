// The wizard's controls as the window lays them out: one table row per
// control, checked for kind, container, geometry, text, look and initial
// state; which controls each page shows; and the radio groups.
#include "OpenWizard.h"
#include <QRgb>
#include <QTest>
#include <QWidget>
#include <functional>
#include <optional>
#include <set>

namespace {

enum class Kind { StaticText, installSteps, indicators, CheckBox, RadioButton, PushButton, ProgressBar, Rectangle,
                  PagePanel };

struct Box { int left, top, width, height; };

struct Expected {
    const char* name;
    int index = -1;
    Kind kind;
    const char* in;                 // "window", "page N" (a page of Pages) or a rectangle's name
    Box at;                         // window content coordinates
    QString text = {};              // a label's text or a button's caption
    int size = 0;
    bool bold = false;
    QRgb color = 0x000000;
    TextAlign align = TextAlign::Left;
    bool multiline = false;
    bool visible = true;
    bool enabled = true;
    std::optional<bool> value = {}; // check boxes and radio buttons
    std::optional<QRgb> fill = {};  // rectangles and step markers
    bool isDefault = false;
    bool handler = false;           // an Action (Change for Pages) is bound
    // The Welcome page's entry actions, which run as the window opens, may
    // already have replaced the laid-out caption with this one.
    QString orOnWelcome = {};
};

const QString kWelcome = "Welcome to the Tessaly, Inc. Lumora™ Installer. \r\rYou will be guided through the "
                         "necessary steps to install Lumora for either Apple® KeyNote® or Microsoft® PowerPoint®.";
const QString kProgramChoice = "Lumora™ installs Templates and Backgrounds into both Apple® KeyNote® and "
                               "Microsoft® PowerPoint®. You can choose one at this time; to install to both simply "
                               "run this installer again.\r\rMake sure to close Apple® KeyNote® or Microsoft® "
                               "PowerPoint® prior to installation.";
const QString kPowerPointIntro = "The following screen will require you to locate where Microsoft® Office® X or "
                                 "Microsoft® Office® 2004 is installed.  \r\rYou will be guided through the steps "
                                 "necessary to properly install Lumora for Microsoft® PowerPoint®. ";
const QString kOfficeLocation = "Click the Browse button below to locate your Microsoft® Office® directory.\r\rIn "
                                "most cases, the default location for Microsoft® Office® is found in the "
                                "Applications directory.";

constexpr QRgb kGreen = 0x079100, kGrey = 0xBFBFBF, kDarkGrey = 0xAAAAAA, kRed = 0xFF0900;

// The state right after the window opened: the markers are already marked
// for step 0, so the laid-out #00BAFF no longer shows.
const std::vector<Expected> kControls = {
    // The window's own controls.
    {.name = "mainHeading", .kind = Kind::StaticText, .in = "window", .at = {172, 25, 446, 20},
     .text = "Welcome to the Lumora™ Installer", .size = 14, .bold = true},
    {.name = "Pages", .kind = Kind::PagePanel, .in = "window", .at = {164, 49, 446, 323}, .handler = true},
    {.name = "installSteps", .index = 0, .kind = Kind::installSteps, .in = "window", .at = {31, 70, 100, 20},
     .text = "Introduction", .bold = true},
    {.name = "installSteps", .index = 1, .kind = Kind::installSteps, .in = "window", .at = {31, 94, 121, 20},
     .text = "Installation Type", .bold = true, .enabled = false},
    {.name = "installSteps", .index = 2, .kind = Kind::installSteps, .in = "window", .at = {31, 118, 121, 20},
     .text = "Select Destination", .bold = true, .enabled = false},
    {.name = "installSteps", .index = 3, .kind = Kind::installSteps, .in = "window", .at = {31, 142, 121, 20},
     .text = "Install", .bold = true, .enabled = false},
    {.name = "installSteps", .index = 4, .kind = Kind::installSteps, .in = "window", .at = {31, 166, 121, 20},
     .text = "Finish Up", .bold = true, .enabled = false},
    {.name = "indicators", .index = 0, .kind = Kind::indicators, .in = "window", .at = {13, 75, 10, 10},
     .enabled = false, .fill = kGreen},
    {.name = "indicators", .index = 1, .kind = Kind::indicators, .in = "window", .at = {13, 99, 10, 10},
     .enabled = false, .fill = kGrey},
    {.name = "indicators", .index = 2, .kind = Kind::indicators, .in = "window", .at = {13, 123, 10, 10},
     .enabled = false, .fill = kGrey},
    {.name = "indicators", .index = 3, .kind = Kind::indicators, .in = "window", .at = {13, 147, 10, 10},
     .enabled = false, .fill = kGrey},
    {.name = "indicators", .index = 4, .kind = Kind::indicators, .in = "window", .at = {13, 171, 10, 10},
     .enabled = false, .fill = kGrey},
    {.name = "continueButton", .kind = Kind::PushButton, .in = "window", .at = {496, 388, 100, 20},
     .text = "Continue", .isDefault = true, .handler = true},
    {.name = "backButton", .kind = Kind::PushButton, .in = "window", .at = {384, 388, 100, 20}, .text = "Go Back",
     .handler = true, .orOnWelcome = "Cancel"},

    // Page 0, Welcome.
    {.name = "Rectangle1", .kind = Kind::Rectangle, .in = "page 0", .at = {170, 56, 430, 316}, .fill = kGrey},
    {.name = "StaticText1", .kind = Kind::StaticText, .in = "Rectangle1", .at = {182, 66, 407, 120},
     .text = kWelcome, .multiline = true},

    // Page 1, Keynote options.
    {.name = "Rectangle2", .kind = Kind::Rectangle, .in = "page 1", .at = {170, 56, 430, 316}, .fill = kGrey},
    {.name = "rbInstall", .kind = Kind::RadioButton, .in = "Rectangle2", .at = {182, 71, 282, 20},
     .text = "Lumora for KeyNote® Options", .value = true, .handler = true},
    {.name = "chkInstTheme", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 103, 152, 20},
     .text = "Install Themes", .value = true, .handler = true},
    {.name = "StaticText6", .kind = Kind::StaticText, .in = "Rectangle2", .at = {384, 103, 65, 20},
     .text = ".kth files"},
    {.name = "StaticText11", .kind = Kind::StaticText, .in = "Rectangle2", .at = {461, 103, 65, 20},
     .text = "141 MB", .align = TextAlign::Right},
    {.name = "chkInstBg", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 134, 152, 20},
     .text = "Install Backgrounds", .value = true, .handler = true},
    {.name = "StaticText4", .kind = Kind::StaticText, .in = "Rectangle2", .at = {384, 134, 65, 20},
     .text = ".jpg files"},
    {.name = "StaticText9", .kind = Kind::StaticText, .in = "Rectangle2", .at = {461, 134, 65, 20},
     .text = "181 MB", .align = TextAlign::Right},
    {.name = "chkInstallKeyTemplates", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 165, 152, 20},
     .text = "Install Templates", .size = 12, .value = true, .handler = true},
    {.name = "StaticText5", .kind = Kind::StaticText, .in = "Rectangle2", .at = {384, 165, 65, 20},
     .text = ".key files"},
    {.name = "StaticText10", .kind = Kind::StaticText, .in = "Rectangle2", .at = {461, 165, 65, 20},
     .text = "177 MB", .align = TextAlign::Right},
    {.name = "ChkInstallLMFonts", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 197, 152, 20},
     .text = "Install Fonts", .size = 12, .value = true, .handler = true},
    {.name = "StaticText8", .kind = Kind::StaticText, .in = "Rectangle2", .at = {384, 197, 65, 20},
     .text = ".ttf files"},
    {.name = "StaticText12", .kind = Kind::StaticText, .in = "Rectangle2", .at = {461, 197, 65, 20},
     .text = "3 MB", .align = TextAlign::Right},
    {.name = "rbUninstall", .kind = Kind::RadioButton, .in = "Rectangle2", .at = {187, 241, 161, 20},
     .text = "Uninstall", .visible = false, .enabled = false, .value = false, .handler = true},
    {.name = "chkUnistTheme", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 273, 161, 20},
     .text = "Uninstall Themes", .visible = false, .enabled = false, .value = true, .handler = true},
    {.name = "chkUnistBg", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 305, 205, 20},
     .text = "Uninstall Background Images", .visible = false, .enabled = false, .value = true, .handler = true},
    {.name = "chkuninstallKeynoteTempl", .kind = Kind::CheckBox, .in = "Rectangle2", .at = {220, 337, 208, 18},
     .text = "Uninstall Keynote Templates", .size = 12, .visible = false, .enabled = false, .value = true,
     .handler = true},

    // Page 2, Destination.
    {.name = "Rectangle3", .kind = Kind::Rectangle, .in = "page 2", .at = {170, 56, 430, 316}, .fill = kGrey},
    {.name = "StaticText2", .kind = Kind::StaticText, .in = "Rectangle3", .at = {182, 66, 407, 19},
     .multiline = true},
    {.name = "rbDefaultLoc", .kind = Kind::RadioButton, .in = "Rectangle3", .at = {178, 97, 411, 23},
     .text = "Location of Lumora Backgrounds and  KeynoteTemplates", .value = true, .handler = true},
    {.name = "lblDefLocInfo", .kind = Kind::StaticText, .in = "Rectangle3", .at = {210, 143, 373, 36},
     .text = "Lumora backgrounds and KeynoteTemplates will be installed to \"/Applications/Lumora/\"", .size = 12,
     .multiline = true},
    {.name = "rbAltLoc", .kind = Kind::RadioButton, .in = "Rectangle3", .at = {184, 177, 152, 20},
     .text = "Alternate Location", .visible = false, .value = false, .handler = true},
    {.name = "lblAltLocInfo", .kind = Kind::StaticText, .in = "Rectangle3", .at = {210, 201, 373, 49}, .size = 11,
     .multiline = true},
    {.name = "BrowseButton", .kind = Kind::PushButton, .in = "Rectangle3", .at = {488, 261, 85, 22},
     .text = "Browse", .size = 12, .visible = false, .enabled = false, .handler = true},

    // Page 3, Keynote progress.
    {.name = "Rectangle4", .kind = Kind::Rectangle, .in = "page 3", .at = {170, 56, 430, 316}, .fill = kGrey},
    {.name = "lblInstallStatus", .kind = Kind::StaticText, .in = "Rectangle4", .at = {194, 159, 327, 20},
     .text = "Installing Themes", .size = 13, .bold = true},
    {.name = "installProgress", .kind = Kind::ProgressBar, .in = "Rectangle4", .at = {194, 187, 382, 18}},

    // Page 4, Finish.
    {.name = "Rectangle5", .kind = Kind::Rectangle, .in = "page 4", .at = {170, 56, 430, 316}, .fill = kGrey},
    {.name = "lblFinishMessage", .kind = Kind::StaticText, .in = "Rectangle5", .at = {182, 66, 407, 40},
     .multiline = true},
    {.name = "lblFinishNote", .kind = Kind::StaticText, .in = "Rectangle5", .at = {182, 126, 407, 70}, .size = 11,
     .multiline = true},

    // Page 5, Program choice.
    {.name = "Rectangle6", .kind = Kind::Rectangle, .in = "page 5", .at = {170, 56, 430, 316}, .fill = kDarkGrey},
    {.name = "staticSelect", .kind = Kind::StaticText, .in = "Rectangle6", .at = {184, 69, 410, 39},
     .text = "What presentation software do you use?", .size = 14, .bold = true, .multiline = true,
     .visible = false},
    {.name = "StaticText3", .kind = Kind::StaticText, .in = "page 5", .at = {184, 75, 377, 115},
     .text = kProgramChoice, .multiline = true},
    {.name = "rbdKeyNote", .kind = Kind::RadioButton, .in = "Rectangle6", .at = {197, 231, 173, 29},
     .text = "Install for KeyNote®", .size = 12, .bold = true, .value = false},
    {.name = "rbdLumora", .kind = Kind::RadioButton, .in = "Rectangle6", .at = {401, 231, 173, 29},
     .text = "Install for PowerPoint®", .size = 12, .bold = true, .value = false},
    {.name = "txtinform", .kind = Kind::StaticText, .in = "Rectangle6", .at = {197, 272, 377, 36}, .size = 12,
     .bold = true, .color = kRed},

    // Page 6, PowerPoint introduction.
    {.name = "RectLMHome", .kind = Kind::Rectangle, .in = "page 6", .at = {170, 56, 430, 316}, .fill = kDarkGrey},
    {.name = "staticLmDescription", .kind = Kind::StaticText, .in = "RectLMHome", .at = {184, 78, 407, 120},
     .text = kPowerPointIntro, .size = 12, .multiline = true},

    // Page 7, Office location.
    {.name = "Rectangle7", .kind = Kind::Rectangle, .in = "page 7", .at = {170, 56, 430, 316}, .fill = kDarkGrey},
    {.name = "StaticText7", .kind = Kind::StaticText, .in = "Rectangle7", .at = {184, 72, 407, 109},
     .text = kOfficeLocation, .multiline = true},
    {.name = "LMBrowse", .kind = Kind::PushButton, .in = "Rectangle7", .at = {363, 181, 64, 22}, .text = "Browse",
     .size = 10, .isDefault = true, .handler = true},
    {.name = "chkSelectofficeLoc", .kind = Kind::CheckBox, .in = "Rectangle7", .at = {326, 207, 181, 28},
     .text = "Select Microsoft Office Location", .size = 10, .visible = false, .value = true},
    {.name = "rbdInstallLM", .kind = Kind::RadioButton, .in = "Rectangle7", .at = {201, 208, 113, 26},
     .text = "Install", .size = 12, .visible = false, .value = true},
    {.name = "lblMicrosoftOfficeLocation", .kind = Kind::StaticText, .in = "Rectangle7", .at = {183, 227, 406, 62},
     .size = 12, .color = kRed},

    // Page 8, PowerPoint locations.
    {.name = "Rectangle8", .kind = Kind::Rectangle, .in = "page 8", .at = {170, 56, 430, 316}, .fill = kDarkGrey},
    {.name = "rbdDefault", .kind = Kind::RadioButton, .in = "Rectangle8", .at = {259, 70, 293, 32},
     .text = "Location for Templates and Backgrounds", .size = 10, .value = true, .handler = true},
    {.name = "LMDefaultLocat", .kind = Kind::StaticText, .in = "Rectangle8", .at = {187, 116, 399, 25}, .size = 12,
     .multiline = true},
    {.name = "rbdAlternateLocation", .kind = Kind::RadioButton, .in = "page 8", .at = {262, 151, 292, 25},
     .text = "Alternate Location", .size = 10, .visible = false, .value = false, .handler = true},
    {.name = "RctPath", .kind = Kind::Rectangle, .in = "Rectangle8", .at = {192, 181, 394, 150}, .visible = false,
     .fill = kDarkGrey},
    {.name = "chkTemplate", .kind = Kind::CheckBox, .in = "RctPath", .at = {217, 199, 187, 19},
     .text = "Select Location for Templates ", .size = 10, .visible = false, .value = true},
    {.name = "TemplateBrowse", .kind = Kind::PushButton, .in = "RctPath", .at = {454, 201, 81, 16},
     .text = "Browse", .size = 10, .visible = false, .isDefault = true, .handler = true},
    {.name = "lblTemplatePath", .kind = Kind::StaticText, .in = "RctPath", .at = {205, 236, 369, 21}, .size = 10},
    {.name = "chkBackgrounds", .kind = Kind::CheckBox, .in = "RctPath", .at = {218, 271, 195, 19},
     .text = "Select Location for Backgrounds", .size = 10, .visible = false, .value = true},
    {.name = "BcgBrowse", .kind = Kind::PushButton, .in = "RctPath", .at = {454, 268, 86, 19}, .text = "Browse",
     .size = 10, .visible = false, .handler = true},
    {.name = "lblBcgPath", .kind = Kind::StaticText, .in = "RctPath", .at = {202, 298, 372, 24}, .size = 10},

    // Page 9, PowerPoint progress.
    {.name = "Rectangle9", .kind = Kind::Rectangle, .in = "page 9", .at = {170, 56, 430, 316}, .fill = kDarkGrey},
    {.name = "installLMProgress", .kind = Kind::ProgressBar, .in = "Rectangle9", .at = {193, 158, 398, 23}},
    {.name = "lblFinishstmt", .kind = Kind::StaticText, .in = "Rectangle9", .at = {197, 231, 392, 83}, .size = 12,
     .multiline = true},
};

QString Label(const Expected& e)
{
    return e.index < 0 ? QString(e.name) : QStringLiteral("%1(%2)").arg(e.name).arg(e.index);
}

const Expected& Row(const QString& name)
{
    for (const Expected& e : kControls)
        if (name == e.name)
            return e;
    throw std::logic_error("no row " + name.toStdString());
}

// The page a row's control lies on, -1 for the window's own controls.
int PageOf(const Expected& e)
{
    const QString in = e.in;
    if (in == "window")
        return -1;
    if (in.startsWith("page "))
        return in.mid(5).toInt();
    return PageOf(Row(in));
}

// Own flag and the flags of the rectangles it sits in.
bool VisibleThroughRectangles(const Expected& e)
{
    const QString in = e.in;
    if (!e.visible)
        return false;
    if (in == "window" || in.startsWith("page "))
        return true;
    return VisibleThroughRectangles(Row(in));
}

bool IsKind(Control& c, Kind kind)
{
    switch (kind) {
    case Kind::StaticText: return dynamic_cast<StaticText*>(&c) && !dynamic_cast<installSteps*>(&c);
    case Kind::installSteps: return dynamic_cast<installSteps*>(&c);
    case Kind::indicators: return dynamic_cast<indicators*>(&c);
    case Kind::CheckBox: return dynamic_cast<CheckBox*>(&c);
    case Kind::RadioButton: return dynamic_cast<RadioButton*>(&c);
    case Kind::PushButton: return dynamic_cast<PushButton*>(&c);
    case Kind::ProgressBar: return dynamic_cast<ProgressBar*>(&c);
    case Kind::Rectangle: return dynamic_cast<Rectangle*>(&c);
    case Kind::PagePanel: return dynamic_cast<PagePanel*>(&c);
    }
    return false;
}

QString TextOf(Control& c)
{
    if (auto* t = dynamic_cast<StaticText*>(&c))
        return t->Text();
    if (auto* b = dynamic_cast<CheckBox*>(&c))
        return b->Caption();
    if (auto* r = dynamic_cast<RadioButton*>(&c))
        return r->Caption();
    if (auto* p = dynamic_cast<PushButton*>(&c))
        return p->Caption();
    return {};
}

std::optional<bool> ValueOf(Control& c)
{
    if (auto* b = dynamic_cast<CheckBox*>(&c))
        return b->Value();
    if (auto* r = dynamic_cast<RadioButton*>(&c))
        return r->Value();
    return std::nullopt;
}

std::optional<QRgb> FillOf(Control& c)
{
    if (auto* o = dynamic_cast<Oval*>(&c))
        return o->FillColor().rgb() & 0xFFFFFF;
    if (auto* r = dynamic_cast<Rectangle*>(&c))
        return r->FillColor().rgb() & 0xFFFFFF;
    return std::nullopt;
}

bool HasHandler(Control& c)
{
    if (auto* b = dynamic_cast<CheckBox*>(&c))
        return bool(b->Action);
    if (auto* r = dynamic_cast<RadioButton*>(&c))
        return bool(r->Action);
    if (auto* p = dynamic_cast<PushButton*>(&c))
        return bool(p->Action);
    if (auto* p = dynamic_cast<PagePanel*>(&c))
        return bool(p->Change);
    return false;
}

class Layout : public OpenWizard {
protected:
    Control& Find(const Expected& e) { return w->FindControl(e.name, e.index); }

    Container* ContainerNamed(const QString& in)
    {
        if (in == "window")
            return w;
        if (in.startsWith("page "))
            return w->Pages->Page(in.mid(5).toInt());
        return dynamic_cast<Container*>(&w->FindControl(in));
    }
};

TEST_F(Layout, EveryControlIsLaidOutAsDesigned)
{
    for (const Expected& e : kControls) {
        SCOPED_TRACE(Label(e).toStdString());
        Control& c = Find(e);
        EXPECT_TRUE(IsKind(c, e.kind));
        EXPECT_EQ(c.Parent(), ContainerNamed(e.in));
        EXPECT_EQ(c.Left(), e.at.left);
        EXPECT_EQ(c.Top(), e.at.top);
        EXPECT_EQ(c.Width(), e.at.width);
        EXPECT_EQ(c.Height(), e.at.height);
        if (e.orOnWelcome.isEmpty()) {
            EXPECT_EQ(TextOf(c), e.text);
        } else {
            EXPECT_TRUE(TextOf(c) == e.text || TextOf(c) == e.orOnWelcome) << TextOf(c).toStdString();
        }
        EXPECT_EQ(c.TextSize(), e.size);
        EXPECT_EQ(c.Bold(), e.bold);
        EXPECT_EQ(c.TextColor().rgb() & 0xFFFFFF, e.color);
        EXPECT_EQ(c.Visible(), e.visible);
        EXPECT_EQ(c.Enabled(), e.enabled);
        EXPECT_EQ(ValueOf(c), e.value);
        EXPECT_EQ(FillOf(c), e.fill);
        EXPECT_EQ(HasHandler(c), e.handler);
        if (auto* t = dynamic_cast<StaticText*>(&c)) {
            EXPECT_EQ(t->Alignment(), e.align);
            EXPECT_EQ(t->Multiline(), e.multiline);
        }
        if (auto* p = dynamic_cast<PushButton*>(&c)) {
            EXPECT_EQ(p->Default(), e.isDefault);
        }
        if (auto* bar = dynamic_cast<ProgressBar*>(&c)) {
            EXPECT_EQ(bar->Value(), 0);
            EXPECT_EQ(bar->Maximum(), 100);
        }
    }
}

TEST_F(Layout, HasNoControlBeyondTheDesign)
{
    std::set<std::pair<QString, int>> designed;
    for (const Expected& e : kControls)
        designed.insert({e.name, e.index});
    EXPECT_EQ(designed.size(), kControls.size()) << "a row is listed twice";
    for (const auto& c : w->Controls())
        EXPECT_TRUE(designed.count({c->Name(), c->Index()})) << c->Name().toStdString() << " " << c->Index();
    EXPECT_EQ(w->Controls().size(), kControls.size());
    EXPECT_EQ(w->Pages->PageCount(), 10);
}

// The two controls that sit on a page beside its background rectangle
// (not inside it) must be drawn above it, or the rectangle would cover them.
TEST_F(Layout, ControlsBesideABackgroundLieAboveIt)
{
    const std::pair<Control*, Control*> above[] = {
        {w->StaticText3, w->Rectangle6},
        {w->rbdAlternateLocation, w->Rectangle8},
    };
    for (const auto& [control, background] : above) {
        SCOPED_TRACE(control->Name().toStdString());
        QWidget* page = background->Widget()->parentWidget();
        ASSERT_EQ(control->Widget()->parentWidget(), page);
        const QObjectList stack = page->children();   // bottom to top
        EXPECT_LT(stack.indexOf(background->Widget()), stack.indexOf(control->Widget()));
    }
}

TEST_F(Layout, EachPageShowsOnlyItsOwnControls)
{
    for (int page = 0; page < 10; ++page) {
        ShowPageOnly(page);
        EXPECT_EQ(w->Pages->Value(), page);
        for (const Expected& e : kControls) {
            SCOPED_TRACE(("page " + QString::number(page) + ": " + Label(e)).toStdString());
            const int on = PageOf(e);
            const bool expected = VisibleThroughRectangles(e) && (on < 0 || on == page);
            EXPECT_EQ(Find(e).IsShown(), expected);
        }
    }
}

// Enabling a control that the layout hides must not show it: the uninstall
// section is enabled when an earlier installation is found, yet stays out
// of sight, and so do the other hidden choices.
TEST_F(Layout, HiddenControlsStayHiddenWhenEnabled)
{
    std::vector<const Expected*> hidden;
    for (const Expected& e : kControls)
        if (!e.visible)
            hidden.push_back(&e);
    ASSERT_EQ(hidden.size(), 15u);

    for (const Expected* e : hidden)
        Find(*e).SetEnabled(true);
    for (int round = 0; round < 2; ++round) {
        for (int page = 0; page < 10; ++page) {
            ShowPageOnly(page);
            for (const Expected* e : hidden) {
                SCOPED_TRACE(("page " + QString::number(page) + ": " + Label(*e)).toStdString());
                EXPECT_FALSE(Find(*e).IsShown());
                EXPECT_FALSE(Find(*e).Visible());
            }
        }
    }
}

struct RadioCase {
    const char* name;
    const char* choose;
    std::vector<const char*> cleared;   // same group
    std::vector<const char*> kept;      // other groups, chosen before
};

const RadioCase kRadioCases[] = {
    {"install and uninstall are one group", "rbUninstall", {"rbInstall"}, {"rbDefaultLoc", "rbdDefault"}},
    {"and back to install", "rbInstall", {"rbUninstall"}, {}},
    {"default and alternate location are one group", "rbAltLoc", {"rbDefaultLoc"}, {"rbInstall"}},
    {"PowerPoint alternate location is grouped with no other button", "rbdAlternateLocation", {},
     {"rbdDefault", "rbdInstallLM", "rbInstall"}},
    {"Keynote and PowerPoint are one group", "rbdLumora", {"rbdKeyNote"}, {"rbInstall", "rbdInstallLM"}},
};

TEST_F(Layout, RadioButtonsAreGroupedByTheirContainer)
{
    auto radio = [this](const char* name) { return dynamic_cast<RadioButton*>(&w->FindControl(name)); };
    radio("rbdKeyNote")->SetValue(true);
    for (const RadioCase& c : kRadioCases) {
        SCOPED_TRACE(c.name);
        for (const char* name : c.cleared)
            radio(name)->SetValue(true);
        for (const char* name : c.kept)
            radio(name)->SetValue(true);
        radio(c.choose)->SetValue(true);
        EXPECT_TRUE(radio(c.choose)->Value());
        for (const char* name : c.cleared)
            EXPECT_FALSE(radio(name)->Value()) << name;
        for (const char* name : c.kept)
            EXPECT_TRUE(radio(name)->Value()) << name;
    }
}

TEST_F(Layout, ClickingTheOtherProgramClearsTheFirst)
{
    ShowPageOnly(5);
    QTest::mouseClick(w->rbdKeyNote->Widget(), Qt::LeftButton);
    EXPECT_TRUE(w->rbdKeyNote->Value());
    QTest::mouseClick(w->rbdLumora->Widget(), Qt::LeftButton);
    EXPECT_TRUE(w->rbdLumora->Value());
    EXPECT_FALSE(w->rbdKeyNote->Value());
    EXPECT_TRUE(w->rbInstall->Value()) << "a button of another page is not in the group";
}

TEST_F(Layout, MembersPointAtTheNamedControls)
{
    const std::pair<const char*, Control*> members[] = {
        {"mainHeading", w->mainHeading}, {"Pages", w->Pages}, {"continueButton", w->continueButton},
        {"backButton", w->backButton}, {"Rectangle1", w->Rectangle1}, {"StaticText1", w->StaticText1},
        {"Rectangle2", w->Rectangle2}, {"rbInstall", w->rbInstall}, {"chkInstTheme", w->chkInstTheme},
        {"StaticText6", w->StaticText6}, {"StaticText11", w->StaticText11}, {"chkInstBg", w->chkInstBg},
        {"StaticText4", w->StaticText4}, {"StaticText9", w->StaticText9},
        {"chkInstallKeyTemplates", w->chkInstallKeyTemplates}, {"StaticText5", w->StaticText5},
        {"StaticText10", w->StaticText10}, {"ChkInstallLMFonts", w->ChkInstallLMFonts},
        {"StaticText8", w->StaticText8}, {"StaticText12", w->StaticText12}, {"rbUninstall", w->rbUninstall},
        {"chkUnistTheme", w->chkUnistTheme}, {"chkUnistBg", w->chkUnistBg},
        {"chkuninstallKeynoteTempl", w->chkuninstallKeynoteTempl}, {"Rectangle3", w->Rectangle3},
        {"StaticText2", w->StaticText2}, {"rbDefaultLoc", w->rbDefaultLoc}, {"lblDefLocInfo", w->lblDefLocInfo},
        {"rbAltLoc", w->rbAltLoc}, {"lblAltLocInfo", w->lblAltLocInfo}, {"BrowseButton", w->BrowseButton},
        {"Rectangle4", w->Rectangle4}, {"lblInstallStatus", w->lblInstallStatus},
        {"installProgress", w->installProgress}, {"Rectangle5", w->Rectangle5},
        {"lblFinishMessage", w->lblFinishMessage}, {"lblFinishNote", w->lblFinishNote},
        {"Rectangle6", w->Rectangle6}, {"staticSelect", w->staticSelect}, {"StaticText3", w->StaticText3},
        {"rbdKeyNote", w->rbdKeyNote}, {"rbdLumora", w->rbdLumora}, {"txtinform", w->txtinform},
        {"RectLMHome", w->RectLMHome}, {"staticLmDescription", w->staticLmDescription},
        {"Rectangle7", w->Rectangle7}, {"StaticText7", w->StaticText7}, {"LMBrowse", w->LMBrowse},
        {"chkSelectofficeLoc", w->chkSelectofficeLoc}, {"rbdInstallLM", w->rbdInstallLM},
        {"lblMicrosoftOfficeLocation", w->lblMicrosoftOfficeLocation}, {"Rectangle8", w->Rectangle8},
        {"rbdDefault", w->rbdDefault}, {"LMDefaultLocat", w->LMDefaultLocat},
        {"rbdAlternateLocation", w->rbdAlternateLocation}, {"RctPath", w->RctPath},
        {"chkTemplate", w->chkTemplate}, {"TemplateBrowse", w->TemplateBrowse},
        {"lblTemplatePath", w->lblTemplatePath}, {"chkBackgrounds", w->chkBackgrounds},
        {"BcgBrowse", w->BcgBrowse}, {"lblBcgPath", w->lblBcgPath}, {"Rectangle9", w->Rectangle9},
        {"installLMProgress", w->installLMProgress}, {"lblFinishstmt", w->lblFinishstmt},
    };
    for (const auto& [name, member] : members)
        EXPECT_EQ(member, &w->FindControl(name)) << name;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(w->installStepLabels[k], &w->FindControl("installSteps", k)) << k;
        EXPECT_EQ(w->stepIndicators[k], &w->FindControl("indicators", k)) << k;
    }
}

} // namespace
