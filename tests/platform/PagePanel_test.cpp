// The page panel: Change after every assignment, nested and in order, and
// which page's controls are on screen.
#include "Application.h"
#include "Controls.h"
#include "FolderItem.h"
#include "Window.h"

#include <QStackedWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class PagePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new Window(300, 200);
        panel = new PagePanel(window, QStringLiteral("Pages"), 10, 20, 280, 170, 4);
    }
    void TearDown() override
    {
        window->Close();
        Application::DoEvents();
    }
    std::vector<std::string> log;
    Window* window = nullptr;
    PagePanel* panel = nullptr;
};

TEST_F(PagePanelTest, ChangeFollowsEveryAssignmentAlsoOfTheCurrentValue)
{
    panel->Change = [&] { log.push_back(std::to_string(panel->Value())); };
    panel->SetValue(2);
    panel->SetValue(2);
    panel->SetValue(0);
    panel->SetValue(0);
    EXPECT_EQ(log, (std::vector<std::string>{"2", "2", "0", "0"}));
}

TEST_F(PagePanelTest, AssignmentsInsideChangeNestAndRunAtOnce)
{
    // Page 1 moves on to 2, page 2 to 3: each Change runs inside the
    // assignment that raised it, and sees the value it was raised for.
    panel->Change = [&] {
        const int entered = panel->Value();
        log.push_back("enter " + std::to_string(entered));
        if (entered == 1 || entered == 2)
            panel->SetValue(entered + 1);
        log.push_back("leave " + std::to_string(entered) + " at " + std::to_string(panel->Value()));
    };
    panel->SetValue(1);
    log.push_back("after");
    EXPECT_EQ(log, (std::vector<std::string>{"enter 1", "enter 2", "enter 3", "leave 3 at 3",
                                             "leave 2 at 3", "leave 1 at 3", "after"}));
    EXPECT_EQ(panel->Value(), 3);
    EXPECT_EQ(static_cast<QStackedWidget*>(panel->Widget())->currentIndex(), 3);
}

TEST_F(PagePanelTest, ValuesOutsideThePagesAreIgnored)
{
    panel->SetValue(2);
    panel->Change = [&] { log.push_back("changed"); };
    for (int value : {-1, 4, 100}) {
        panel->SetValue(value);
        EXPECT_EQ(panel->Value(), 2) << value;
    }
    EXPECT_TRUE(log.empty());
    EXPECT_THROW(panel->Page(4), NilObjectException);
}

TEST_F(PagePanelTest, OnlyTheCurrentPagesControlsShowAndHiddenOnesStayHidden)
{
    auto* onFirst = new StaticText(panel->Page(0), QStringLiteral("onFirst"), 20, 30, 100, 20);
    auto* onSecond = new StaticText(panel->Page(1), QStringLiteral("onSecond"), 20, 30, 100, 20);
    auto* hiddenOnSecond = new CheckBox(panel->Page(1), QStringLiteral("hiddenOnSecond"), 20, 60, 100, 20, QStringLiteral("x"));
    hiddenOnSecond->SetVisible(false);
    window->Show();

    EXPECT_TRUE(onFirst->IsShown());
    EXPECT_FALSE(onSecond->IsShown());
    EXPECT_TRUE(onSecond->Visible());

    panel->SetValue(1);
    EXPECT_FALSE(onFirst->IsShown());
    EXPECT_TRUE(onFirst->Visible());
    EXPECT_TRUE(onSecond->IsShown());
    EXPECT_FALSE(hiddenOnSecond->IsShown());
    EXPECT_FALSE(hiddenOnSecond->Visible());

    hiddenOnSecond->SetVisible(true);
    EXPECT_TRUE(hiddenOnSecond->IsShown());
}

TEST_F(PagePanelTest, ControlsOnAPageArePlacedInWindowCoordinates)
{
    auto* label = new StaticText(panel->Page(2), QStringLiteral("label"), 50, 60, 100, 20);
    EXPECT_EQ(label->Left(), 50);
    EXPECT_EQ(label->Top(), 60);
    EXPECT_EQ(label->Widget()->mapTo(window->ContainerWidget(), QPoint(0, 0)), QPoint(50, 60));
    EXPECT_EQ(label->Widget()->size(), QSize(100, 20));
    EXPECT_EQ(label->Parent()->OwnerWindow(), window);
}

} // namespace
