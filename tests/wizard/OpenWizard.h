#pragma once
// A fresh wizard for each test: opened in a sandbox on a 1024 x 768 main
// screen, then closed and deleted so the next test gets a new one.
#include "Application.h"
#include "Sandbox.h"
#include "mainWindow.h"
#include <QApplication>
#include <QEvent>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class OpenWizard : public ::testing::Test {
protected:
    void SetUp() override
    {
        Screen::OverrideSize(1024, 768);
        w = &mainWindow::instance();
    }

    void TearDown() override
    {
        CloseWizard();
        Screen::OverrideSize(0, 0);
    }

    // Closes the wizard if one is open and lets its deferred deletion run.
    static void CloseWizard()
    {
        if (mainWindow::IsOpen()) {
            mainWindow& open = mainWindow::instance();
            open.passRunning = false;
            open.Close();
        }
        FlushDeletes();
    }

    static void FlushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    // Puts page n in front the way the panel shows it, without running the
    // page's entry actions (they belong to other tests).
    void ShowPageOnly(int n)
    {
        auto change = std::exchange(w->Pages->Change, nullptr);
        w->Pages->SetValue(n);
        w->Pages->Change = std::move(change);
    }

    Sandbox sandbox;
    mainWindow* w = nullptr;
};
