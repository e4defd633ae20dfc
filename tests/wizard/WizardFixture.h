#pragma once
// Drives the real wizard window in-process: fresh Global state, a sandbox
// machine with a small CD, scripted folder choosers and message boxes, and
// clicks on the window's real controls. Each test gets a fresh wizard, closed
// and destroyed at the end.
#include "Application.h"
#include "Dialogs.h"
#include "Global.h"
#include "Sandbox.h"
#include "mainWindow.h"
#include "messageWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

class WizardFixture : public ::testing::Test {
public:
    Sandbox sb;
    ScriptedDialogs dialogs;
    std::unique_ptr<ScopedDialogDriver> driver;
    std::vector<QString> unhandled;   // exceptions that left a handler

    void SetUp() override
    {
        Global::Reset();
        sb.MakeCD();
        // A system volume has its Library and Library/Preferences folders.
        fs::create_directories(sb.volume / "Library" / "Preferences");
        driver = std::make_unique<ScopedDialogDriver>(dialogs);
        Application::SetUnhandledExceptionHook([this](const QString& m) { unhandled.push_back(m); });
    }

    void TearDown() override
    {
        for (const QString& m : unhandled)
            ADD_FAILURE() << "unhandled exception: " << m.toStdString();
        CloseEverything();
        Application::SetUnhandledExceptionHook({});
        driver.reset();
        Global::Reset();
    }

    // ---- the window -----------------------------------------------------

    static mainWindow& Wizard() { return mainWindow::instance(); }
    static int Page() { return Wizard().Pages->Value(); }

    // Lets the window's deferred deletion happen.
    static void Flush()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }
    }

    static void CloseEverything()
    {
        if (messageWindow::IsOpen())
            messageWindow::instance().Close();
        if (mainWindow::IsOpen()) {
            Wizard().passRunning = false;
            Wizard().Close();
        }
        Flush();
    }

    // A real mouse click: near the left edge for check boxes and radio
    // buttons (their box), in the middle for push buttons.
    static void Click(Control* control)
    {
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(control->IsShown()) << control->Name().toStdString() << " is not on screen";
        QWidget* widget = control->Widget();
        QPoint at = widget->rect().center();
        if (dynamic_cast<CheckBox*>(control) || dynamic_cast<RadioButton*>(control))
            at = QPoint(7, widget->height() / 2);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    }
    static void Continue() { Click(Wizard().continueButton); }
    static void Back() { Click(Wizard().backButton); }

    // ---- the roads --------------------------------------------------------

    static void ToProgramChoice() { Wizard(); Continue(); }
    static void ToKeynoteOptions() { ToProgramChoice(); Click(Wizard().rbdKeyNote); Continue(); }
    static void ToDestination() { ToKeynoteOptions(); Continue(); }
    static void ToPowerPointIntro() { ToProgramChoice(); Click(Wizard().rbdLumora); Continue(); }
    static void ToOfficeLocation() { ToPowerPointIntro(); Continue(); }
    // As the Office location chooser leaves things once it has copied the
    // add-in into PowerPoint's start-up folder and selected page 8.
    void ToPowerPointLocations()
    {
        ToOfficeLocation();
        const fs::path startUp = sb.volume / "Applications" / "Microsoft Office 2004" / "Office" / "StartUp" / "Powerpoint";
        fs::create_directories(startUp);
        Global::ppaFolder = FolderItem(startUp);
        Wizard().MSOfficePath = true;
        Wizard().Pages->SetValue(8);
    }

    // A whole Keynote installation with the default choices, ended with Finish.
    void InstallForKeynote()
    {
        ToDestination();
        Continue();
        ASSERT_EQ(Wizard().mainHeading->Text(), QStringLiteral("Installation Successful"));
        Continue();
        Flush();
        ASSERT_FALSE(mainWindow::IsOpen());
    }

    // The next run of the program starts with nothing remembered.
    static void NewRun()
    {
        CloseEverything();
        Global::Reset();
    }

    // ---- the disk ---------------------------------------------------------

    fs::path ThemesDir() const { return sb.volume / "Library" / "Application Support" / "Keynote" / "Themes" / "Lumora"; }
    fs::path LumoraApp() const { return sb.volume / "Applications" / "Lumora"; }
    fs::path LogFile() const { return sb.home / "Library" / "Preferences" / "Brenwick" / "ThemeInstallLog.log"; }
    fs::path PrefFile() const { return sb.volume / "Library" / "Preferences" / "Brenwick" / "pref.txt"; }

    void WriteLog(const std::string& text) const { Sandbox::WriteFile(LogFile(), text); }

    // Same files and folders with the same bytes.
    static ::testing::AssertionResult SameTree(const fs::path& expected, const fs::path& actual)
    {
        if (!fs::is_directory(actual))
            return ::testing::AssertionFailure() << actual << " is not a folder";
        if (Sandbox::Tree(expected) != Sandbox::Tree(actual))
            return ::testing::AssertionFailure() << "expected\n" << Sandbox::Tree(expected) << "found\n" << Sandbox::Tree(actual);
        for (const auto& entry : fs::recursive_directory_iterator(expected)) {
            if (entry.is_directory())
                continue;
            const fs::path other = actual / fs::relative(entry.path(), expected);
            if (Sandbox::ReadFile(entry.path()) != Sandbox::ReadFile(other))
                return ::testing::AssertionFailure() << other << " differs from " << entry.path();
        }
        return ::testing::AssertionSuccess();
    }

    static bool Empty(const fs::path& dir) { return !fs::exists(dir) || fs::is_empty(dir); }
};

inline std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const FolderItem& f, std::ostream* os)
{
    if (f.IsNil())
        *os << "nil";
    else
        *os << f.NativePath();
}

// The colour of a current step's marker.
inline const QColor kCurrentStep(0x07, 0x91, 0x00);
