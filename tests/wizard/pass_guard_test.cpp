// While a progress page copies, the engine lets events through between
// files. A close or quit that arrives then must not cut the copy off or
// destroy the window under it: it is refused, and the pass runs to its end.
#include "FileFaults.h"
#include "WizardFixture.h"
#include <QAction>
#include <QMainWindow>
#include <QTimer>
#include <functional>

namespace {

enum class Request { CloseCall, CloseBox, Quit, QuitMenuItem, ContinuePress };

struct GuardCase {
    const char* name;
    bool powerPoint;
    Request request;
};
void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }


QAction* QuitAction(mainWindow& w)
{
    for (QAction* action : w.Widget()->findChildren<QAction*>())
        if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Quit"))
            return action;
    return nullptr;
}

void Make(Request request, mainWindow& w)
{
    switch (request) {
    case Request::CloseCall: w.Close(); break;
    case Request::CloseBox: w.Widget()->close(); break;
    case Request::Quit: Application::Quit(0); break;
    case Request::QuitMenuItem:
        ASSERT_NE(QuitAction(w), nullptr);
        QuitAction(w)->trigger();
        break;
    case Request::ContinuePress: WizardFixture::Continue(); break;
    }
}

class PassGuard : public WizardFixture, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(PassGuard, RequestDuringThePassIsRefusedAndThePassCompletes)
{
    const GuardCase& c = GetParam();
    if (c.powerPoint)
        ToPowerPointLocations();
    else
        ToDestination();
    mainWindow& w = Wizard();

    // Fires at the first chance the pass gives events.
    bool made = false;
    QString headingAfterRequest;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (made || !mainWindow::IsOpen() || !Wizard().passRunning)
            return;
        made = true;
        Make(c.request, Wizard());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        headingAfterRequest = mainWindow::IsOpen() ? Wizard().mainHeading->Text() : QString();
    });
    timer.start();
    Continue();
    timer.stop();

    ASSERT_TRUE(made) << "the pass let no events through";
    Flush();
    ASSERT_TRUE(mainWindow::IsOpen());
    EXPECT_TRUE(w.Widget()->isVisible());
    EXPECT_FALSE(w.passRunning);
    EXPECT_EQ(headingAfterRequest, QStringLiteral("Installation in Progress"));
    if (c.powerPoint) {
        EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation completed sucessfully"));
        EXPECT_TRUE(SameTree(sb.cd() / "Backgrounds", LumoraApp() / "Backgrounds"));
        EXPECT_TRUE(SameTree(sb.cd() / "Templates", LumoraApp() / "Templates"));
        EXPECT_TRUE(SameTree(sb.cd() / "LumoraFonts", LumoraApp() / "LumoraFonts"));
        EXPECT_TRUE(fs::exists(PrefFile()));
    } else {
        ASSERT_EQ(Page(), 4);
        EXPECT_EQ(w.mainHeading->Text(), QStringLiteral("Installation Successful"));
        EXPECT_TRUE(SameTree(sb.cd() / "Themes", ThemesDir()));
        EXPECT_TRUE(SameTree(sb.cd() / "Backgrounds", LumoraApp() / "Backgrounds"));
        EXPECT_TRUE(SameTree(sb.cd() / "LumoraFonts", LumoraApp() / "LumoraFonts"));
        EXPECT_TRUE(fs::exists(LogFile()));
    }

    // Once the pass has ended the window closes as usual.
    Continue();
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

INSTANTIATE_TEST_SUITE_P(, PassGuard, ::testing::Values(
    GuardCase{"Keynote_Close", false, Request::CloseCall},
    GuardCase{"Keynote_CloseBox", false, Request::CloseBox},
    GuardCase{"Keynote_Quit", false, Request::Quit},
    GuardCase{"Keynote_QuitMenuItem", false, Request::QuitMenuItem},
    GuardCase{"PowerPoint_Close", true, Request::CloseCall},
    GuardCase{"PowerPoint_CloseBox", true, Request::CloseBox},
    GuardCase{"PowerPoint_Quit", true, Request::Quit},
    GuardCase{"PowerPoint_QuitMenuItem", true, Request::QuitMenuItem},
    GuardCase{"PowerPoint_ContinuePress", true, Request::ContinuePress}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardFixture, KeynotePassHidesTheCloseBoxUntilTheFinishPage)
{
    ToDestination();
    mainWindow& w = Wizard();
    bool closeBoxDuringPass = true;
    ScopedFileFault spy([&](FileOp, const fs::path&) {
        if (w.passRunning)
            closeBoxDuringPass = closeBoxDuringPass && w.CloseButton();
        return 0;
    });
    Continue();
    EXPECT_FALSE(closeBoxDuringPass);
    EXPECT_TRUE(w.CloseButton());
}

TEST_F(WizardFixture, PassThatRaisesStillLetsTheWindowClose)
{
    ToDestination();
    mainWindow& w = Wizard();
    {
        ScopedFileFault boom([](FileOp, const fs::path&) -> int { throw std::runtime_error("disk gone"); });
        Continue();
    }
    ASSERT_EQ(unhandled.size(), 1u);
    unhandled.clear();
    EXPECT_FALSE(w.passRunning);
    w.Close();
    Flush();
    EXPECT_FALSE(mainWindow::IsOpen());
}

} // namespace
