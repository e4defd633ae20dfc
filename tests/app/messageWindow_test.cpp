// The message sheet: its layout, OK and Return closing it, a fresh dialog
// for the next message, and the parent blocked while it is shown. Clicks go
// through the window system, where Qt applies modality.
#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "messageWindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MessageWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = new Window(620, 420);
        parentButton = new PushButton(parent, QStringLiteral("continueButton"), 496, 388, 100, 20, QStringLiteral("Continue"));
        parentButton->Action = [this] { ++parentClicks; };
        parent->Show();
    }
    void TearDown() override
    {
        for (Window* window : Window::OpenWindows())
            window->Close();
        Application::DoEvents();
    }
    void Say(const QString& text)
    {
        messageWindow::instance().lblMessage->SetText(text);
        messageWindow::instance().ShowModalWithin(*parent);
    }
    Window* parent = nullptr;
    PushButton* parentButton = nullptr;
    int parentClicks = 0;
};

TEST_F(MessageWindowTest, IsTheSheetOfItsLayout)
{
    messageWindow& dialog = messageWindow::instance();
    EXPECT_EQ(dialog.Title(), QStringLiteral("Untitled"));
    EXPECT_EQ(dialog.Width(), 341);
    EXPECT_EQ(dialog.Height(), 98);
    EXPECT_TRUE(dialog.Widget()->windowFlags().testFlag(Qt::Sheet));
    EXPECT_EQ(dialog.Widget()->minimumSize(), dialog.Widget()->maximumSize());
    ASSERT_EQ(dialog.Controls().size(), 2u);

    StaticText* label = dialog.lblMessage;
    EXPECT_EQ(&dialog.FindControl(QStringLiteral("lblMessage")), label);
    EXPECT_EQ(QRect(label->Left(), label->Top(), label->Width(), label->Height()), QRect(20, 14, 309, 45));
    EXPECT_TRUE(label->Multiline());
    EXPECT_TRUE(label->Text().isEmpty());
    EXPECT_EQ(label->TextSize(), 0);
    EXPECT_EQ(label->Alignment(), TextAlign::Left);

    PushButton* ok = dialog.okButton;
    EXPECT_EQ(&dialog.FindControl(QStringLiteral("okButton")), ok);
    EXPECT_EQ(QRect(ok->Left(), ok->Top(), ok->Width(), ok->Height()), QRect(249, 66, 80, 20));
    EXPECT_EQ(ok->Caption(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->Default());
    EXPECT_TRUE(ok->Enabled());
    EXPECT_TRUE(ok->Visible());
}

TEST_F(MessageWindowTest, ShowsTheTextOverItsParentWhichTakesNoInputMeanwhile)
{
    Say(QStringLiteral("Please select a program."));
    messageWindow& dialog = messageWindow::instance();
    EXPECT_TRUE(messageWindow::IsOpen());
    EXPECT_TRUE(dialog.Widget()->isVisible());
    EXPECT_EQ(dialog.Widget()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog.Widget()->parentWidget(), parent->Widget());
    EXPECT_EQ(static_cast<QLabel*>(dialog.lblMessage->Widget())->text(), QStringLiteral("Please select a program."));
    EXPECT_EQ(dialog.Title(), QStringLiteral("Untitled"));

    QTest::mouseClick(parentButton->Widget(), Qt::LeftButton);
    EXPECT_EQ(parentClicks, 0);

    QTest::mouseClick(dialog.okButton->Widget(), Qt::LeftButton);
    EXPECT_FALSE(messageWindow::IsOpen());
    Application::DoEvents();
    QTest::mouseClick(parentButton->Widget(), Qt::LeftButton);
    EXPECT_EQ(parentClicks, 1);
}

TEST_F(MessageWindowTest, OkDestroysTheDialogSoTheNextMessageIsAloneInAFreshOne)
{
    Say(QStringLiteral("First message"));
    QPointer<QMainWindow> first = messageWindow::instance().Widget();
    messageWindow::instance().okButton->Push();
    EXPECT_FALSE(first->isVisible());

    // Even before the event loop destroys the first one.
    messageWindow& second = messageWindow::instance();
    EXPECT_NE(second.Widget(), first.data());
    EXPECT_TRUE(second.lblMessage->Text().isEmpty());
    Application::DoEvents();
    EXPECT_TRUE(first.isNull());

    Say(QStringLiteral("Second message"));
    EXPECT_EQ(messageWindow::instance().lblMessage->Text(), QStringLiteral("Second message"));
    EXPECT_EQ(Window::OpenWindows().size(), 2u);   // the parent and one dialog
}

TEST_F(MessageWindowTest, ReturnPressesOk)
{
    Say(QStringLiteral("Nothing selected"));
    QTest::keyClick(messageWindow::instance().Widget(), Qt::Key_Return);
    EXPECT_FALSE(messageWindow::IsOpen());
}

} // namespace
