// The shared menu bar: its exact menus and items, and File > Quit ending
// the program, or not while the wizard is busy.
#include "App.h"
#include "MenuBar1.h"
#include "Sandbox.h"
#include "Window.h"
#include "mainWindow.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

int g_argc = 1;
char g_name[] = "app_MenuBar1_test";
char* g_argv[] = {g_name, nullptr};

struct Row {
    const char* menu;
    const char* name;
    const char* text;
    const char* shortcut;
    QKeySequence keys;
};

const std::vector<Row>& Table()
{
    static const std::vector<Row> rows = {
        {"FileMenu", "FileQuit", "Quit", "Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"EditMenu", "EditUndo", "&Undo", "Cmd+Z", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"EditMenu", "UntitledMenu1", "-", "", {}},
        {"EditMenu", "EditCut", "Cu&t", "Cmd+X", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"EditMenu", "EditCopy", "&Copy", "Cmd+C", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"EditMenu", "EditPaste", "&Paste", "Cmd+V", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"EditMenu", "EditClear", "Clear", "", {}},
        {"EditMenu", "UntitledMenu0", "-", "", {}},
        {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A", QKeySequence(Qt::CTRL | Qt::Key_A)},
    };
    return rows;
}

TEST(MenuBar1, HasExactlyTheMenusAndItemsInOrder)
{
    MenuBar1& bar = MenuBar1::instance();
    EXPECT_EQ(&bar, &MenuBar1::instance());
    ASSERT_EQ(bar.Count(), 2);
    EXPECT_EQ(bar.Item(0).Name(), QStringLiteral("FileMenu"));
    EXPECT_EQ(bar.Item(0).Text(), QStringLiteral("&File"));
    EXPECT_EQ(bar.Item(1).Name(), QStringLiteral("EditMenu"));
    EXPECT_EQ(bar.Item(1).Text(), QStringLiteral("&Edit"));
    EXPECT_EQ(bar.Item(0).Count() + bar.Item(1).Count(), int(Table().size()));

    int fileIndex = 0, editIndex = 0;
    for (const Row& row : Table()) {
        SCOPED_TRACE(row.name);
        MenuItem* menu = bar.Child(QString::fromLatin1(row.menu));
        ASSERT_NE(menu, nullptr);
        int& index = menu == &bar.Item(0) ? fileIndex : editIndex;
        const MenuItem& item = menu->Item(index++);
        EXPECT_EQ(item.Name(), QString::fromLatin1(row.name));
        EXPECT_EQ(item.Text(), QString::fromLatin1(row.text));
        EXPECT_EQ(item.KeyboardShortcut(), QString::fromLatin1(row.shortcut));
        EXPECT_TRUE(item.AutoEnable());
        EXPECT_TRUE(menu->AutoEnable());
        EXPECT_EQ(item.IsQuitItem(), QString::fromLatin1(row.name) == QStringLiteral("FileQuit"));
    }
}

class ShellTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (mainWindow::IsOpen())
            mainWindow::instance().passRunning = false;
        for (Window* window : Window::OpenWindows())
            window->Close();
        Application::DoEvents();
        Screen::OverrideSize(0, 0);
    }
    Sandbox sandbox;
};

TEST_F(ShellTest, TheWizardWindowShowsTheMenuBarAsQtMenus)
{
    App app(g_argc, g_argv);
    app.SetMenuBar(&MenuBar1::instance());
    mainWindow& wizard = mainWindow::instance();
    QList<QAction*> menus = wizard.Widget()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Edit"));
    QList<QAction*> items = menus[0]->menu()->actions();
    items.append(menus[1]->menu()->actions());
    ASSERT_EQ(items.size(), qsizetype(Table().size()));
    for (size_t i = 0; i < Table().size(); ++i) {
        const Row& row = Table()[i];
        SCOPED_TRACE(row.name);
        QAction* item = items[qsizetype(i)];
        EXPECT_EQ(item->isSeparator(), QString::fromLatin1(row.text) == QStringLiteral("-"));
        if (!item->isSeparator()) {
            EXPECT_EQ(item->text(), QString::fromLatin1(row.text));
        }
        EXPECT_EQ(item->shortcut(), row.keys);
        EXPECT_TRUE(item->isEnabled());
    }
}

TEST_F(ShellTest, FileQuitEndsTheProgramWithStatusZero)
{
    App app(g_argc, g_argv);
    app.SetMenuBar(&MenuBar1::instance());
    mainWindow& wizard = mainWindow::instance();
    QAction* quit = wizard.Widget()->findChild<QAction*>(QStringLiteral("FileQuit"));
    ASSERT_NE(quit, nullptr);
    QTimer::singleShot(0, quit, &QAction::trigger);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(Window::OpenWindows().empty());
}

TEST_F(ShellTest, TheQuitShortcutEndsTheProgramWithStatusZero)
{
    App app(g_argc, g_argv);
    app.SetMenuBar(&MenuBar1::instance());
    mainWindow& wizard = mainWindow::instance();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard.Widget()));
    QTimer::singleShot(0, wizard.Widget(), [&wizard] {
        QTest::keyClick(wizard.Widget(), Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(Window::OpenWindows().empty());
}

TEST_F(ShellTest, FileQuitIsRefusedWhileTheWizardRunsAPass)
{
    App app(g_argc, g_argv);
    app.SetMenuBar(&MenuBar1::instance());
    mainWindow& wizard = mainWindow::instance();
    wizard.passRunning = true;
    QAction* quit = wizard.Widget()->findChild<QAction*>(QStringLiteral("FileQuit"));
    ASSERT_NE(quit, nullptr);
    bool stillOpen = false;
    QTimer::singleShot(0, quit, [&, quit] {
        quit->trigger();
        stillOpen = wizard.Widget()->isVisible();
        wizard.passRunning = false;
        quit->trigger();
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(stillOpen);
}

TEST_F(ShellTest, TheWizardOpensCentredOnTheMainScreen)
{
    Screen::OverrideSize(1024, 768);
    mainWindow& wizard = mainWindow::instance();
    EXPECT_EQ(wizard.Left(), 202);
    EXPECT_EQ(wizard.Top(), 174);
    EXPECT_EQ(wizard.Width(), 620);
    EXPECT_EQ(wizard.Height(), 420);
    EXPECT_TRUE(wizard.Widget()->isVisible());
}

TEST_F(ShellTest, OpenSetsAutoQuitSoClosingTheWizardEndsTheProgram)
{
    App app(g_argc, g_argv);
    app.SetAutoQuit(false);
    EXPECT_EQ(App::instance(), &app);
    mainWindow& wizard = mainWindow::instance();
    QTimer::singleShot(0, wizard.Widget(), [&wizard] { wizard.Widget()->close(); });
    EXPECT_EQ(app.Run(), 0);   // Run raises Open first
    EXPECT_TRUE(app.AutoQuit());
    EXPECT_TRUE(Window::OpenWindows().empty());
}

} // namespace
