// The menu model and the Qt menu bar built from it.
#include "FolderItem.h"
#include "MenuBar.h"
#include "Window.h"
#include "Application.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<MenuBar> SampleBar()
{
    auto bar = std::make_unique<MenuBar>(QStringLiteral("bar"));
    auto edit = std::make_unique<MenuItem>(QStringLiteral("EditMenu"), QStringLiteral("&Edit"));
    edit->Append(std::make_unique<MenuItem>(QStringLiteral("EditUndo"), QStringLiteral("&Undo"), QStringLiteral("Cmd+Z")));
    edit->Append(std::make_unique<MenuItem>(QStringLiteral("Sep"), QStringLiteral("-")));
    edit->Append(std::make_unique<MenuItem>(QStringLiteral("EditClear"), QStringLiteral("Clear")));
    edit->Append(std::make_unique<QuitMenuItem>(QStringLiteral("Leave"), QStringLiteral("Quit"), QStringLiteral("Cmd+Shift+Q")));
    bar->Append(std::move(edit));
    return bar;
}

TEST(MenuModel, ItemsAreReachedByPositionAndByName)
{
    auto bar = SampleBar();
    MenuItem& edit = bar->Item(0);
    EXPECT_EQ(edit.Count(), 4);
    EXPECT_EQ(edit.Item(0).Name(), QStringLiteral("EditUndo"));
    EXPECT_EQ(edit.Child(QStringLiteral("EditClear")), &edit.Item(2));
    EXPECT_EQ(edit.Child(QStringLiteral("EditRedo")), nullptr);
    EXPECT_TRUE(edit.Item(3).IsQuitItem());
    EXPECT_FALSE(edit.Item(0).IsQuitItem());
    EXPECT_TRUE(edit.Item(0).AutoEnable());
    EXPECT_THROW(edit.Item(4), NilObjectException);
    EXPECT_THROW(bar->Item(-1), NilObjectException);
}

TEST(MenuModel, TheWindowDrawsMenusItemsSeparatorsAndCommandKeyShortcuts)
{
    auto bar = SampleBar();
    auto* window = new Window(100, 50);
    window->SetMenuBar(bar.get());
    QList<QAction*> menus = window->Widget()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&Edit"));
    QList<QAction*> items = menus[0]->menu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_TRUE(items[2]->shortcut().isEmpty());
    EXPECT_EQ(items[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    for (QAction* item : items)
        EXPECT_TRUE(item->isEnabled());
    window->Close();
    Application::DoEvents();
}

} // namespace
