// The main of every test program: an offscreen QApplication, and a check
// after each test that it left no window open.
#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class NoWindowLeftOver : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                ADD_FAILURE() << info.name() << " left a window open: "
                              << w->windowTitle().toStdString();
                w->close();
            }
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new NoWindowLeftOver);
    return RUN_ALL_TESTS();
}
