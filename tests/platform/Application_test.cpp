// The event loop's exit status, quitting against CancelClose, and the
// report of exceptions that leave a handler.
#include "Application.h"
#include "Controls.h"
#include "Dialogs.h"
#include "FolderItem.h"
#include "MenuBar.h"
#include "Window.h"

#include <QAction>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <cstdio>
#include <stdexcept>

namespace {

int g_argc = 1;
char g_name[] = "platform_Application_test";
char* g_argv[] = {g_name, nullptr};

class GuardedWindow : public Window {
public:
    GuardedWindow() : Window(200, 100) {}
    bool CancelClose() override { return busy; }
    bool busy = false;
};

// Records reports instead of ending the program.
class ReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::SetUnhandledExceptionHook([this](const QString& m) { reports.push_back(m); });
    }
    void TearDown() override
    {
        Application::SetUnhandledExceptionHook(nullptr);
        for (Window* window : Window::OpenWindows())
            window->Close();
        Application::DoEvents();
    }
    std::vector<QString> reports;
};

struct ThrownCase {
    const char* name;
    std::function<void()> raise;
    const char* type;
    const char* detail;
};

class ThrownTest : public ReportTest, public ::testing::WithParamInterface<ThrownCase> {};

TEST_P(ThrownTest, AClickWhoseHandlerThrowsIsReportedByTypeAndMessage)
{
    auto* window = new Window(200, 100);
    auto* button = new PushButton(window, QStringLiteral("go"), 10, 10, 100, 20, QStringLiteral("Go"));
    button->Action = GetParam().raise;
    window->Show();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].contains(QString::fromLatin1(GetParam().type))) << reports[0].toStdString();
    EXPECT_TRUE(reports[0].contains(QString::fromLatin1(GetParam().detail))) << reports[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kinds, ThrownTest, ::testing::Values(
    ThrownCase{"nil_object", [] { throw NilObjectException("no folder Themes"); }, "NilObjectException", "no folder Themes"},
    ThrownCase{"standard", [] { throw std::out_of_range("index 12"); }, "std::out_of_range", "index 12"},
    ThrownCase{"not_an_exception_class", [] { throw 42; }, "int", "not handled"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, AnExceptionInANestedChangeStopsTheHandlerThatAssignedAndIsReportedOnce)
{
    auto* window = new Window(200, 100);
    auto* pages = new PagePanel(window, QStringLiteral("Pages"), 0, 0, 200, 60, 3);
    auto* button = new PushButton(window, QStringLiteral("next"), 10, 70, 100, 20, QStringLiteral("Continue"));
    pages->Change = [pages] {
        if (pages->Value() == 2)
            throw NilObjectException("nothing on page 2");
        pages->SetValue(2);
    };
    bool handlerWentOn = false;
    button->Action = [&] {
        pages->SetValue(1);
        handlerWentOn = true;
    };
    window->Show();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_FALSE(handlerWentOn);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("nothing on page 2")));
    EXPECT_EQ(pages->Value(), 2);
}

TEST_F(ReportTest, AnEventRaisedOutsideEveryHandlerIsReportedAtOnce)
{
    auto* window = new Window(200, 100);
    auto* pages = new PagePanel(window, QStringLiteral("Pages"), 0, 0, 200, 60, 2);
    pages->Change = [] { throw std::runtime_error("page change failed"); };
    pages->SetValue(1);   // does not throw
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("page change failed")));
}

TEST_F(ReportTest, ACancelCloseThatThrowsIsReportedAndKeepsTheWindow)
{
    struct Throwing : Window {
        Throwing() : Window(100, 50) {}
        bool armed = true;
        bool CancelClose() override
        {
            if (armed)
                throw std::runtime_error("cannot decide");
            return false;
        }
    };
    auto* window = new Throwing;
    window->Show();
    EXPECT_FALSE(window->Widget()->close());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("cannot decide")));
    window->armed = false;
}

// Shows each message box's text on stderr, where the death test reads it.
class EchoDialogs : public ScriptedDialogs {
public:
    void MsgBox(const QString& text) override
    {
        std::fprintf(stderr, "message box: %s\n", text.toLocal8Bit().constData());
    }
};

TEST(ReportDeath, WithoutAHookTheMessageIsShownAndTheProcessEndsWithANonZeroStatus)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            EchoDialogs dialogs;
            ScopedDialogDriver driver(dialogs);
            RunHandler([] { throw NilObjectException("the CD is gone"); });
        },
        ::testing::ExitedWithCode(1), "message box: An exception of class NilObjectException.*the CD is gone");
}

class LoopTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Application::SetUnhandledExceptionHook(nullptr);
        for (Window* window : Window::OpenWindows()) {
            if (auto* guarded = dynamic_cast<GuardedWindow*>(window))
                guarded->busy = false;
            window->Close();
        }
        Application::DoEvents();
    }
};

TEST_F(LoopTest, AnUnhandledExceptionInTheLoopEndsItWithStatusOne)
{
    ScriptedDialogs dialogs;
    ScopedDialogDriver driver(dialogs);
    Application app(g_argc, g_argv);
    auto* window = new Window(200, 100);
    window->Show();
    QTimer::singleShot(0, [] {
        RunHandler([] { throw std::runtime_error("copy failed"); });
        Application::Quit(0);   // too late: the status stays 1
    });
    testing::internal::CaptureStderr();
    const int status = app.Run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("copy failed"), std::string::npos) << err;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("std::runtime_error")));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("copy failed")));
}

TEST_F(LoopTest, QuitEndsTheLoopWithItsStatusAndClosesTheWindows)
{
    for (int code : {0, 3}) {
        Application app(g_argc, g_argv);
        auto* window = new Window(200, 100);
        window->Show();
        QTimer::singleShot(0, [code] { RunHandler([code] { Application::Quit(code); }); });
        EXPECT_EQ(app.Run(), code);
        EXPECT_TRUE(Window::OpenWindows().empty());
        EXPECT_FALSE(window->Widget()->isVisible());
        Application::DoEvents();
    }
}

TEST_F(LoopTest, AWindowThatRefusesToCloseRefusesTheQuit)
{
    Application app(g_argc, g_argv);
    auto* window = new GuardedWindow;
    window->busy = true;
    window->Show();
    bool loopWentOn = false;
    QTimer::singleShot(0, [&] {
        RunHandler([] { Application::Quit(5); });
        EXPECT_EQ(Window::OpenWindows().size(), 1u);
        QTimer::singleShot(0, [&] {
            loopWentOn = true;
            window->busy = false;
            RunHandler([] { Application::Quit(0); });
        });
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(loopWentOn);
}

TEST_F(LoopTest, AQuitMenuItemQuitsWithStatusZero)
{
    Application app(g_argc, g_argv);
    MenuBar menu(QStringLiteral("bar"));
    auto file = std::make_unique<MenuItem>(QStringLiteral("FileMenu"), QStringLiteral("&File"));
    file->Append(std::make_unique<QuitMenuItem>(QStringLiteral("FileQuit"), QStringLiteral("Quit"), QStringLiteral("Cmd+Q")));
    menu.Append(std::move(file));
    app.SetMenuBar(&menu);
    auto* window = new Window(200, 100);   // a document window shows the application's menu bar
    window->Show();
    QAction* quit = window->Widget()->findChild<QAction*>(QStringLiteral("FileQuit"));
    ASSERT_NE(quit, nullptr);
    QTimer::singleShot(0, quit, &QAction::trigger);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(Window::OpenWindows().empty());
    Application::DoEvents();
}

TEST_F(LoopTest, ClosingTheLastWindowEndsTheLoopWhenAutoQuitIsOn)
{
    Application app(g_argc, g_argv);
    app.SetAutoQuit(true);
    EXPECT_TRUE(app.AutoQuit());
    auto* window = new Window(200, 100);
    window->Show();
    QTimer::singleShot(0, window->Widget(), [window] { window->Widget()->close(); });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(Window::OpenWindows().empty());
}

TEST_F(LoopTest, AQuitBeforeTheLoopRunsEndsItAtOnce)
{
    Application app(g_argc, g_argv);
    EXPECT_EQ(Application::Instance(), &app);
    Application::Quit(4);
    EXPECT_EQ(app.Run(), 4);
}

TEST(DoEvents, HandlesPendingEventsWithoutAnApplicationObject)
{
    ASSERT_EQ(Application::Instance(), nullptr);
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    Application::DoEvents(-1);
    EXPECT_TRUE(fired);
}

TEST(ScreenSize, AnOverrideStandsForTheMainScreenUntilCleared)
{
    Screen::OverrideSize(1024, 768);
    EXPECT_EQ(Screen(0).Width(), 1024);
    EXPECT_EQ(Screen(0).Height(), 768);
    Screen::OverrideSize(0, 0);
    EXPECT_GT(Screen(0).Width(), 0);
    EXPECT_NE(Screen(0).Width() * 10000 + Screen(0).Height(), 1024 * 10000 + 768);
    EXPECT_THROW(Screen(7), NilObjectException);
}

} // namespace
