// Windows: the default button on Return, the close box and CancelClose,
// Close destroying the window later, the content area and the menu bar.
#include "Application.h"
#include "Controls.h"
#include "MenuBar.h"
#include "Window.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TestWindow : public Window {
public:
    explicit TestWindow(bool* destroyed = nullptr) : Window(300, 200), m_destroyed(destroyed) {}
    ~TestWindow() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }
    bool CancelClose() override
    {
        ++closeRequests;
        return refuseClose;
    }
    bool refuseClose = false;
    int closeRequests = 0;

private:
    bool* m_destroyed;
};

void CloseAllWindows()
{
    for (Window* window : Window::OpenWindows()) {
        if (auto* w = dynamic_cast<TestWindow*>(window))
            w->refuseClose = false;
        window->Close();
    }
    Application::DoEvents();
}

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override { CloseAllWindows(); }
};

// A window button and a page button, both default, and a plain button.
class DefaultButtonTest : public WindowTest {
protected:
    void SetUp() override
    {
        window = new TestWindow;
        pages = new PagePanel(window, QStringLiteral("Pages"), 0, 0, 300, 150, 2);
        onWindow = Button(window, "onWindow", 180, 170);
        onPage = Button(pages->Page(1), "onPage", 20, 20);
        plain = Button(window, "plain", 20, 170);
        onWindow->SetDefault(true);
        onPage->SetDefault(true);
        window->Show();
    }
    PushButton* Button(Container* c, const char* name, int left, int top)
    {
        auto* b = new PushButton(c, QString::fromLatin1(name), left, top, 100, 20, QString::fromLatin1(name));
        b->Action = [this, b] { pressed.push_back(b->Name().toStdString()); };
        return b;
    }
    void Return(QWidget* target = nullptr)
    {
        QTest::keyClick(target ? target : window->Widget(), Qt::Key_Return);
    }
    TestWindow* window = nullptr;
    PagePanel* pages = nullptr;
    PushButton *onWindow = nullptr, *onPage = nullptr, *plain = nullptr;
    std::vector<std::string> pressed;
};

TEST_F(DefaultButtonTest, ReturnPressesTheWindowsDefaultButton)
{
    Return();
    QTest::keyClick(window->Widget(), Qt::Key_Enter);
    EXPECT_EQ(pressed, (std::vector<std::string>{"onWindow", "onWindow"}));
}

TEST_F(DefaultButtonTest, ADefaultButtonOnTheCurrentPageComesFirst)
{
    pages->SetValue(1);
    Return();
    onPage->SetEnabled(false);
    Return();
    onPage->SetEnabled(true);
    onPage->SetVisible(false);
    Return();
    EXPECT_EQ(pressed, (std::vector<std::string>{"onPage", "onWindow", "onWindow"}));
}

TEST_F(DefaultButtonTest, ReturnOnAFocusedPlainButtonStillPressesTheDefaultOne)
{
    plain->Widget()->setFocus();
    Return(plain->Widget());
    EXPECT_EQ(pressed, (std::vector<std::string>{"onWindow"}));
}

TEST_F(DefaultButtonTest, NoDefaultButtonShownAndEnabledMeansNothingHappens)
{
    onWindow->SetEnabled(false);
    Return();
    onWindow->SetDefault(false);
    onWindow->SetEnabled(true);
    Return();
    EXPECT_TRUE(pressed.empty());
}

TEST_F(WindowTest, TheCloseBoxAsksCancelCloseAndARefusalKeepsTheWindow)
{
    auto* window = new TestWindow;
    window->Show();
    window->refuseClose = true;
    EXPECT_FALSE(window->Widget()->close());
    EXPECT_EQ(window->closeRequests, 1);
    EXPECT_TRUE(window->Widget()->isVisible());

    window->refuseClose = false;
    EXPECT_TRUE(window->Widget()->close());
    EXPECT_FALSE(window->Widget()->isVisible());
    EXPECT_TRUE(Window::OpenWindows().empty());
}

TEST_F(WindowTest, WithoutItsCloseButtonTheWindowRefusesCloseRequests)
{
    auto* window = new TestWindow;
    window->SetLeft(40);
    window->SetTop(50);
    window->Show();

    window->SetCloseButton(false);
    EXPECT_FALSE(window->CloseButton());
    EXPECT_TRUE(window->Widget()->isVisible());
    EXPECT_FALSE(window->Widget()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->Left(), 40);
    EXPECT_EQ(window->Top(), 50);
    EXPECT_FALSE(window->Widget()->close());
    EXPECT_EQ(window->closeRequests, 0);
    EXPECT_TRUE(window->Widget()->isVisible());

    window->SetCloseButton(true);
    EXPECT_TRUE(window->Widget()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(window->Widget()->close());
    EXPECT_EQ(window->closeRequests, 1);
}

TEST_F(WindowTest, CloseAsksCancelCloseAndThenDestroysTheWindowLater)
{
    bool destroyed = false;
    auto* window = new TestWindow(&destroyed);
    window->Show();
    window->refuseClose = true;
    window->Close();
    EXPECT_TRUE(window->Widget()->isVisible());

    window->refuseClose = false;
    QPointer<QMainWindow> widget = window->Widget();
    window->Close();
    EXPECT_EQ(window->closeRequests, 2);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_FALSE(destroyed);
    EXPECT_TRUE(Window::OpenWindows().empty());

    Application::DoEvents();
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(widget.isNull());
}

TEST_F(WindowTest, AWindowClosedByItsOwnHandlerOutlivesTheHandler)
{
    bool destroyed = false;
    auto* window = new TestWindow(&destroyed);
    auto* button = new PushButton(window, QStringLiteral("finish"), 10, 10, 100, 20, QStringLiteral("Finish"));
    bool aliveAfterEvents = false;
    button->Action = [&] {
        window->Close();
        Application::DoEvents();   // as a long copy does
        aliveAfterEvents = !destroyed && button->Caption() == QStringLiteral("Finish");
    };
    window->Show();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_TRUE(aliveAfterEvents);
    Application::DoEvents();
    EXPECT_TRUE(destroyed);
}

TEST_F(WindowTest, TheContentAreaHasTheGivenSizeBelowTheMenuBarAndIsFixed)
{
    MenuBar menu(QStringLiteral("bar"));
    auto file = std::make_unique<MenuItem>(QStringLiteral("FileMenu"), QStringLiteral("&File"));
    file->Append(std::make_unique<QuitMenuItem>(QStringLiteral("FileQuit"), QStringLiteral("Quit"), QStringLiteral("Cmd+Q")));
    menu.Append(std::move(file));

    auto* window = new TestWindow;
    window->SetMenuBar(&menu);
    auto* label = new StaticText(window, QStringLiteral("corner"), 0, 0, 10, 10);
    window->SetTitle(QStringLiteral("Install Lumora™"));
    window->Show();

    EXPECT_EQ(window->GetMenuBar(), &menu);
    EXPECT_EQ(window->Width(), 300);
    EXPECT_EQ(window->Height(), 200);
    EXPECT_EQ(window->ContainerWidget()->size(), QSize(300, 200));
    const int menuHeight = window->Widget()->menuBar()->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(label->Widget()->mapTo(window->Widget(), QPoint(0, 0)), QPoint(0, menuHeight));
    EXPECT_EQ(window->Widget()->minimumSize(), window->Widget()->maximumSize());
    EXPECT_FALSE(window->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->Title(), QStringLiteral("Install Lumora™"));

    window->Close();
    Application::DoEvents();   // the window goes before the menu model
}

TEST_F(WindowTest, ClosingAWindowClosesTheSheetOnIt)
{
    bool parentGone = false, sheetGone = false;
    auto* parent = new TestWindow(&parentGone);
    auto* sheet = new TestWindow(&sheetGone);
    parent->Show();
    sheet->ShowModalWithin(*parent);
    EXPECT_EQ(sheet->Widget()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->Widget()->parentWidget(), parent->Widget());

    parent->Close();
    EXPECT_FALSE(sheet->Widget()->isVisible());
    EXPECT_TRUE(Window::OpenWindows().empty());
    Application::DoEvents();
    EXPECT_TRUE(parentGone);
    EXPECT_TRUE(sheetGone);
}

TEST_F(WindowTest, DestroyingAWindowDirectlyLeavesItsSheetWhole)
{
    bool sheetGone = false;
    auto* parent = new TestWindow;
    auto* sheet = new TestWindow(&sheetGone);
    parent->Show();
    sheet->ShowModalWithin(*parent);
    delete parent;
    EXPECT_FALSE(sheetGone);
    EXPECT_EQ(sheet->Widget()->parentWidget(), nullptr);
    EXPECT_FALSE(sheet->Widget()->isVisible());
    Application::DoEvents();
    EXPECT_TRUE(sheetGone);
}

} // namespace
