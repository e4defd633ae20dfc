// The folder chooser and message box: the scripted driver tests use, and the
// real Qt dialogs answered by a timer.
#include "Dialogs.h"
#include "Sandbox.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(DialogsTest, ScriptedDialogsAnswerInOrderThenCancel)
{
    Sandbox box;
    ScriptedDialogs script;
    script.folderAnswers = {FolderItem(box.volume), FolderItem(box.home)};
    ScopedDialogDriver scoped(script);
    EXPECT_TRUE(SelectFolder() == FolderItem(box.volume));
    EXPECT_TRUE(SelectFolder() == FolderItem(box.home));
    EXPECT_TRUE(SelectFolder().IsNil());
    EXPECT_EQ(script.folderRequests, 3);
    MsgBox("first");
    MsgBox("second");
    EXPECT_EQ(script.messages, (std::vector<QString>{"first", "second"}));
}

TEST(DialogsTest, ScopedDriversNestAndRestore)
{
    ScriptedDialogs outer, inner;
    EXPECT_EQ(CurrentDialogDriver(), nullptr);
    {
        ScopedDialogDriver a(outer);
        {
            ScopedDialogDriver b(inner);
            MsgBox("to inner");
        }
        EXPECT_EQ(CurrentDialogDriver(), &outer);
        MsgBox("to outer");
    }
    EXPECT_EQ(CurrentDialogDriver(), nullptr);
    EXPECT_EQ(inner.messages, (std::vector<QString>{"to inner"}));
    EXPECT_EQ(outer.messages, (std::vector<QString>{"to outer"}));
}

TEST(DialogsTest, TheRealMessageBoxShowsTheTextWithOneButton)
{
    QString shown;
    int buttons = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        buttons = int(box->buttons().size());
        box->accept();
    });
    MsgBox("Please insert the Lumora CD");
    EXPECT_EQ(shown, "Please insert the Lumora CD");
    EXPECT_EQ(buttons, 1);
}

TEST(DialogsTest, TheRealFolderChooserGivesTheChosenFolderOrNil)
{
    Sandbox box;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(QString::fromStdString(box.volume.string()));
        dialog->selectFile(QString::fromStdString(box.volume.string()));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_TRUE(SelectFolder() == FolderItem(box.volume));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_TRUE(SelectFolder().IsNil());
}

} // namespace
