#pragma once
// The destination choosers' tests: a fresh wizard on a sandboxed volume
// (named "MacHD" in colon paths) holding the small CD, fresh Global state,
// folder choosers answered by ScriptedDialogs (a nil answer is a cancel) and
// message boxes read back from it.
#include "Application.h"
#include "Dialogs.h"
#include "FileFaults.h"
#include "Global.h"
#include "OpenWizard.h"

#include <QApplication>
#include <QTest>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// The add-in folder of the small CD, as it must arrive in the start-up folder.
inline const std::string kAddInTree =
    "Lumora Toolbar Resources/\n"
    "Lumora Toolbar Resources/icons.dat\n"
    "Lumora Toolbar.ppa\n";

// Where the tests lay out Microsoft Office, and its colon path.
inline const char* const kOfficeName = "Microsoft Office 2004";
inline const QString kOfficePath = QStringLiteral("MacHD:Applications:Microsoft Office 2004:");

inline std::vector<std::string> Messages(const ScriptedDialogs& dialogs)
{
    std::vector<std::string> texts;
    for (const QString& m : dialogs.messages)
        texts.push_back(m.toStdString());
    return texts;
}

// Whether any item of the add-in (or of a stand-in for it) lies below dir.
inline bool HoldsAddIn(const fs::path& dir)
{
    const std::string tree = Sandbox::Tree(dir);
    return tree.find("Lumora Toolbar") != std::string::npos || tree.find("PPA") != std::string::npos;
}

class ChooserTest : public OpenWizard {
public:
    using OpenWizard::sandbox;
    using OpenWizard::w;
    ScriptedDialogs dialogs;
    ScopedDialogDriver driver{dialogs};
    std::vector<QString> unhandled;

    void SetUp() override
    {
        Application::SetUnhandledExceptionHook([this](const QString& m) { unhandled.push_back(m); });
        sandbox.MakeCD();
        fs::create_directories(sandbox.volume / "Library" / "Preferences");
        Global::Reset();
        OpenWizard::SetUp();
    }

    void TearDown() override
    {
        OpenWizard::TearDown();
        EXPECT_FALSE(mainWindow::IsOpen()) << "the wizard window was not deleted";
        for (const QString& m : unhandled)
            ADD_FAILURE() << "unhandled exception: " << m.toStdString();
        Application::SetUnhandledExceptionHook({});
        Global::Reset();
    }

    fs::path Office() const { return sandbox.volume / "Applications" / kOfficeName; }

    // Creates folders below the Office folder ("Office/StartUp/Powerpoint").
    fs::path MakeOffice(std::initializer_list<const char*> layout) const
    {
        fs::create_directories(Office());
        for (const char* sub : layout)
            fs::create_directories(Office() / sub);
        return Office();
    }

    void Answer(std::initializer_list<FolderItem> folders)
    {
        for (const FolderItem& f : folders)
            dialogs.folderAnswers.push_back(f);
    }

    // A click on a control the user can reach: shown and enabled.
    void Click(Control* control)
    {
        ASSERT_TRUE(control->IsShown()) << control->Name().toStdString() << " is not on screen";
        ASSERT_TRUE(control->Enabled()) << control->Name().toStdString() << " is disabled";
        QTest::mouseClick(control->Widget(), Qt::LeftButton);
    }

    // The Office location page as the wizard enters it, with the CD's add-in
    // folder known whatever the media discovery found.
    void EnterOfficeLocationPage()
    {
        w->Pages->SetValue(7);
        Global::cdPPA = FolderItem(sandbox.cd() / "PPA");
    }
};
