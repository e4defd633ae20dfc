// The wizard window as it opens: one instance through the accessor, centred,
// on the Welcome page with step 0 marked and its state at the start values;
// the step markers, the Finish message and the close guard.
#include "MenuBar1.h"
#include "OpenWizard.h"
#include <QMainWindow>
#include <array>
#include <vector>

namespace {

constexpr QRgb kGreen = 0x079100, kGrey = 0xBFBFBF;

QRgb Fill(const mainWindow& w, int step) { return w.stepIndicators[step]->FillColor().rgb() & 0xFFFFFF; }

class Opened : public OpenWizard {
protected:
    // Marker k green with its label enabled for the steps marked true, grey
    // with a dimmed label for the others; markers themselves stay disabled.
    void ExpectSteps(std::array<bool, 5> current)
    {
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE("step " + std::to_string(k));
            EXPECT_EQ(Fill(*w, k), current[k] ? kGreen : kGrey);
            EXPECT_EQ(w->installStepLabels[k]->Enabled(), current[k]);
            EXPECT_FALSE(w->stepIndicators[k]->Enabled());
        }
    }
};

TEST_F(Opened, ShowsTheWelcomePageWithStepZeroMarked)
{
    EXPECT_TRUE(w->Widget()->isVisible());
    EXPECT_EQ(w->Title(), "Install Lumora™");
    EXPECT_EQ(w->Width(), 620);
    EXPECT_EQ(w->Height(), 420);
    EXPECT_EQ(w->GetMenuBar(), &MenuBar1::instance());
    EXPECT_TRUE(w->CloseButton());
    EXPECT_EQ(w->Pages->Value(), 0);
    EXPECT_TRUE(w->StaticText1->IsShown());
    EXPECT_EQ(w->mainHeading->Text(), "Welcome to the Lumora™ Installer");
    ExpectSteps({true, false, false, false, false});
}

TEST_F(Opened, CannotBeResized)
{
    EXPECT_EQ(w->Widget()->minimumSize(), w->Widget()->maximumSize());
}

TEST_F(Opened, StartsWithEveryStatePropertyAtItsInitialValue)
{
    EXPECT_TRUE(w->instTheme);
    EXPECT_TRUE(w->uninstTheme);
    EXPECT_EQ(w->instType, "install");
    EXPECT_TRUE(w->instBg);
    EXPECT_TRUE(w->uninstBg);
    EXPECT_EQ(w->instLocation, "default");
    EXPECT_EQ(w->instStatus, "success");
    EXPECT_TRUE(w->movingForward);
    EXPECT_EQ(w->oInstaller, nullptr);
    EXPECT_FALSE(w->MSOfficePath);
    EXPECT_FALSE(w->LmTempPath);
    EXPECT_FALSE(w->LMBckPath);
    EXPECT_TRUE(w->instKeyTemplates);
    EXPECT_TRUE(w->uninstallKeynoteTempl);
    EXPECT_TRUE(w->instLMFonts);
    EXPECT_FALSE(w->passRunning);
}

struct CentringCase {
    const char* name;
    int screenWidth, screenHeight;
    int left, top;
};

const CentringCase kCentring[] = {
    {"1024 x 768", 1024, 768, 202, 174},
    {"odd differences drop the half pixel", 1025, 769, 202, 174},
    {"1280 x 800", 1280, 800, 330, 190},
    {"a screen the window's size", 620, 420, 0, 0},
};

TEST_F(Opened, IsCentredOnTheMainScreen)
{
    for (const CentringCase& c : kCentring) {
        SCOPED_TRACE(c.name);
        CloseWizard();
        Screen::OverrideSize(c.screenWidth, c.screenHeight);
        w = &mainWindow::instance();
        EXPECT_EQ(w->Left(), c.left);
        EXPECT_EQ(w->Top(), c.top);
    }
}

TEST_F(Opened, TheAccessorKeepsOneWizardAndMakesAFreshOneAfterClose)
{
    EXPECT_TRUE(mainWindow::IsOpen());
    EXPECT_EQ(&mainWindow::instance(), w);
    EXPECT_EQ(Window::OpenWindows().size(), 1u);

    w->instTheme = false;
    w->instStatus = "Error";
    w->ShowMessage("Click Close button to exit installation. ");
    w->ToggleIndicators(4, 4);
    CloseWizard();
    EXPECT_FALSE(mainWindow::IsOpen());
    EXPECT_TRUE(Window::OpenWindows().empty());

    w = &mainWindow::instance();
    EXPECT_TRUE(w->instTheme);
    EXPECT_EQ(w->instStatus, "success");
    EXPECT_EQ(w->lblFinishMessage->Text(), "");
    ExpectSteps({true, false, false, false, false});
}

struct ToggleCase {
    const char* name;
    std::vector<int> before;        // steps made current earlier, in order
    int step;
    std::array<bool, 5> current;    // green markers with enabled labels afterwards
};

const ToggleCase kToggles[] = {
    {"step 0 again", {}, 0, {true, false, false, false, false}},
    {"step 3 right after open keeps 0 and greys 1 and 2", {}, 3, {true, false, false, true, false}},
    {"the last step", {}, 4, {true, false, false, false, true}},
    {"back to step 2 after step 4 greys 3 and 4, keeps 0 and 1", {1, 2, 3, 4}, 2, {true, true, true, false, false}},
    {"back to step 2 after a jump to 4 leaves 1 grey", {4}, 2, {true, false, true, false, false}},
    {"back to step 1 from the Office location page", {1, 2, 3}, 1, {true, true, false, false, false}},
    {"a step past the last changes nothing", {2}, 5, {true, false, true, false, false}},
    {"a step before the first touches only real markers", {2}, -1, {false, false, false, false, false}},
};

TEST_F(Opened, ToggleIndicatorsMarksTheCurrentStepFromThereOn)
{
    for (const ToggleCase& c : kToggles) {
        SCOPED_TRACE(c.name);
        w->ToggleIndicators(0, 0);
        for (int step : c.before)
            w->ToggleIndicators(step, step);
        w->ToggleIndicators(c.step, c.step);
        ExpectSteps(c.current);
    }
}

TEST_F(Opened, ShowMessageSetsAndEmptiesTheFinishMessage)
{
    w->ShowMessage("Click Finish button to complete Installation. ");
    EXPECT_EQ(w->lblFinishMessage->Text(), "Click Finish button to complete Installation. ");
    w->ShowMessage("Click Close button to exit installation. ");
    EXPECT_EQ(w->lblFinishMessage->Text(), "Click Close button to exit installation. ");
    w->ShowMessage("");
    EXPECT_EQ(w->lblFinishMessage->Text(), "");
}

TEST_F(Opened, StaysOpenWhileAPassRuns)
{
    w->passRunning = true;
    w->Close();
    FlushDeletes();
    ASSERT_TRUE(mainWindow::IsOpen());
    EXPECT_TRUE(w->Widget()->isVisible());

    w->passRunning = false;
    w->Close();
    FlushDeletes();
    EXPECT_FALSE(mainWindow::IsOpen());
}

} // namespace
