// A sheet blocks input to its parent window until it closes. Clicks go
// through the window system here, where Qt applies modality.
#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Controls.h"
#include "Window.h"

#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Sheet, BlocksItsParentUntilItClosesAndReturnsAtOnce)
{
    auto* parent = new Window(400, 300);
    auto* parentButton = new PushButton(parent, QStringLiteral("parentButton"), 20, 20, 100, 20, QStringLiteral("Continue"));
    int parentClicks = 0;
    parentButton->Action = [&] { ++parentClicks; };
    parent->Show();
    QTest::mouseClick(parentButton->Widget(), Qt::LeftButton);
    ASSERT_EQ(parentClicks, 1);

    auto* sheet = new Window(200, 80, Window::Frame::Sheet);
    auto* ok = new PushButton(sheet, QStringLiteral("ok"), 100, 50, 80, 20, QStringLiteral("OK"));
    ok->Action = [sheet] { sheet->Close(); };
    sheet->ShowModalWithin(*parent);   // returns at once
    QPointer<QMainWindow> sheetWidget = sheet->Widget();
    EXPECT_TRUE(sheetWidget->isVisible());

    QTest::mouseClick(parentButton->Widget(), Qt::LeftButton);
    EXPECT_EQ(parentClicks, 1);

    QTest::mouseClick(ok->Widget(), Qt::LeftButton);
    Application::DoEvents();
    EXPECT_TRUE(sheetWidget.isNull());   // closed and destroyed
    QTest::mouseClick(parentButton->Widget(), Qt::LeftButton);
    EXPECT_EQ(parentClicks, 2);

    parent->Close();
    Application::DoEvents();
}

} // namespace
