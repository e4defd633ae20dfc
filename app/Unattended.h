#pragma once
// The unattended mode: the wizard window runs offscreen and is driven through
// the same controls a person uses. It chooses the program on the Program
// choice page as a click on its radio button would, keeps every default
// choice, presses Continue page by page (and, for PowerPoint, the Office
// location page's Browse button, whose folder chooser it answers with the
// --office folder) and finally presses Finish or Close. Nothing here calls
// the engine: the wizard's own handlers do all the work.
//
// Exit status: 0 when the wizard ended in success (it offered "Finish"),
// 1 when it ended in error (it offered "Close", or stopped without either)
// with the error texts on stderr. Anything that would wait for a person (a
// message box, the message sheet, a second folder chooser, a page that
// Continue does not leave) prints its text on stderr and ends the run with
// status 1: an unattended run never waits.
#include "CommandLine.h"
#include "Dialogs.h"
#include "WizardReport.h"

#include <QString>

class Application;
class PushButton;
class RadioButton;
class mainWindow;

class Unattended : public DialogDriver {
public:
    explicit Unattended(const CommandLine& command);
    ~Unattended() override;

    // Before the application object exists: the offscreen platform (no
    // display is needed), and only the framework's serious messages on
    // stderr, which an unattended run keeps for its own.
    static void PrepareProcess();

    // Opens the wizard, drives it inside app's event loop and returns the
    // process's exit status.
    int Run(Application& app);

    // The wizard's dialogs, answered without a person.
    FolderItem SelectFolder() override;
    void MsgBox(const QString& text) override;

private:
    void Step();
    void AfterPress();
    void Conclude();
    void ReportChoices();
    bool Press(PushButton& button);
    bool Click(RadioButton& radio);
    void Fail(const QString& reason);
    void End(int status);
    QString Heading() const;

    CommandLine m_command;
    WizardReport m_report;
    mainWindow* m_wizard = nullptr;
    bool m_failed = false;          // a dialog or an exception stopped the wizard
    bool m_ended = false;
    int m_status = 1;
    int m_presses = 0;
    int m_page = -1;                // the page of the previous press
    int m_pressesOnPage = 0;
    int m_folderRequests = 0;
};
