// Application::DoEvents(-1) as a tree walk calls it, once per file: posted
// events at every call, the full pass of the event loop at least every few
// milliseconds and as soon as a progress bar reaches either end.
#include "Application.h"
#include "Controls.h"

#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>

namespace {

// A timer of interval 0 fires once in every full pass of the event loop.
struct FullPasses {
    QTimer timer;
    int count = 0;
    FullPasses()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] { ++count; });
        timer.start();
    }
};

TEST(DoEventsInALoop, PostedEventsAreHandledAtEveryCallHoweverClose)
{
    int handled = 0;
    for (int i = 0; i < 200; ++i) {
        QTimer::singleShot(0, [&handled] { ++handled; });
        Application::DoEvents(-1);
        ASSERT_EQ(handled, i + 1) << "call " << i;
    }
}

TEST(DoEventsInALoop, ABarReachingEitherEndGetsAFullPassAtTheNextCall)
{
    ProgressBar bar(nullptr, QStringLiteral("installProgress"), 0, 0, 100, 10);
    bar.SetMaximum(3);
    FullPasses passes;
    struct Step { const char* name; int value; };
    for (const Step& step : {Step{"up to the maximum", 3}, Step{"down to 0", 0}, Step{"past the maximum", 5}}) {
        const int before = passes.count;
        bar.SetValue(step.value);
        Application::DoEvents(-1);
        EXPECT_EQ(passes.count, before + 1) << step.name;
    }
}

TEST(DoEventsInALoop, TimersStillFireWhileALoopCallsItWithoutPause)
{
    FullPasses passes;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(30);
    while (std::chrono::steady_clock::now() < end)
        Application::DoEvents(-1);
    EXPECT_GE(passes.count, 2);
}

} // namespace
