// Application::DoEvents(-1) as a tree walk calls it, once per file: every
// call is a full pass of the event loop, however close the calls come, so
// what watches from the loop (a timer of interval 0) sees every file.
#include "Application.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(DoEventsPerFile, EveryCallHandlesPostedEventsAndFiresZeroTimers)
{
    QTimer everyPass;
    everyPass.setInterval(0);
    int passes = 0;
    QObject::connect(&everyPass, &QTimer::timeout, [&passes] { ++passes; });
    everyPass.start();
    int handled = 0;
    for (int i = 0; i < 200; ++i) {
        QTimer::singleShot(0, [&handled] { ++handled; });
        Application::DoEvents(-1);
        ASSERT_EQ(handled, i + 1) << "call " << i;
        ASSERT_EQ(passes, i + 1) << "call " << i;
    }
}

} // namespace
