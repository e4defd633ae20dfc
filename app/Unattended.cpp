// Driving the wizard without a person.
#include "Unattended.h"
#include "Application.h"
#include "Window.h"
#include "mainWindow.h"
#include "messageWindow.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kKeynoteOptionsPage = 1;
constexpr int kProgramChoicePage = 5;
constexpr int kOfficeLocationPage = 7;

// Every road through the wizard takes well under this many presses; a
// wizard that needs more is going round in circles.
constexpr int kMaxPresses = 30;
// Continue on a page it does not leave would be pressed again and again.
constexpr int kMaxPressesOnPage = 3;

void PrintError(const QString& text)
{
    std::fflush(stdout);
    std::fputs(("lumora-installer: " + text + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

// Closed, as opposed to deleted: a closed window lingers until the event
// loop deletes it.
bool IsOpen(const Window* window)
{
    const auto open = Window::OpenWindows();
    return window && std::find(open.begin(), open.end(), window) != open.end();
}

bool IsEndCaption(const QString& caption)
{
    return caption.compare(QLatin1String("Finish"), Qt::CaseInsensitive) == 0
        || caption.compare(QLatin1String("Close"), Qt::CaseInsensitive) == 0;
}

} // namespace

void Unattended::PrepareProcess()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform's warnings (no raise(), no runtime folder)
    // concern a window no one sees.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fputs((qFormatLogMessage(type, context, message) + QLatin1Char('\n')).toUtf8().constData(), stderr);
    });
}

Unattended::Unattended(const CommandLine& command) : m_command(command) {}

Unattended::~Unattended()
{
    Application::SetUnhandledExceptionHook(nullptr);
}

int Unattended::Run(Application& app)
{
    ScopedDialogDriver dialogs(*this);
    // The platform has already written the exception's report on stderr;
    // the run ends with status 1 after the press that raised it.
    Application::SetUnhandledExceptionHook([this](const QString&) { m_failed = true; });

    // Building the wizard runs its Open event, as in the window mode.
    RunHandler([this] { m_wizard = &mainWindow::instance(); });
    if (m_failed || !m_wizard)
        return 1;
    m_report.Attach(*m_wizard);
    // The presses start once the event loop runs, as a person's clicks do.
    QTimer::singleShot(0, [this] { Step(); });
    app.Run();
    if (!m_ended) {
        m_report.Detach();
        PrintError(QStringLiteral("the wizard ended before the installation did"));
        return 1;
    }
    return m_status;
}

void Unattended::Step()
{
    if (m_ended)
        return;
    m_report.Update();
    mainWindow& wizard = *m_wizard;
    if (IsEndCaption(wizard.continueButton->Caption())) {
        Conclude();
        return;
    }

    const int page = wizard.Pages->Value();
    m_pressesOnPage = page == m_page ? m_pressesOnPage + 1 : 1;
    m_page = page;
    if (m_pressesOnPage > kMaxPressesOnPage || ++m_presses > kMaxPresses) {
        Fail(QStringLiteral("the wizard does not leave \"%1\", however often it is pressed on").arg(Heading()));
        return;
    }

    bool pressed = false;
    if (page == kKeynoteOptionsPage && m_pressesOnPage == 1)
        ReportChoices();
    if (page == kProgramChoicePage) {
        RadioButton& program = m_command.program == CommandLine::Program::Keynote ? *wizard.rbdKeyNote
                                                                                    : *wizard.rbdLumora;
        pressed = Click(program) && Press(*wizard.continueButton);
    } else if (page == kOfficeLocationPage && m_command.program == CommandLine::Program::PowerPoint) {
        pressed = Press(*wizard.LMBrowse);
    } else {
        pressed = Press(*wizard.continueButton);
    }
    if (pressed)
        AfterPress();
}

// What a person would see after the press, looked at before the next one.
void Unattended::AfterPress()
{
    if (m_ended)
        return;
    if (m_failed) {
        End(1);
        return;
    }
    if (!IsOpen(m_wizard)) {
        Fail(QStringLiteral("the wizard window closed before the installation ended"));
        return;
    }
    m_report.Update();
    if (messageWindow::IsOpen()) {
        PrintError(messageWindow::instance().lblMessage->Text());
        End(1);
        return;
    }
    QTimer::singleShot(0, [this] { Step(); });
}

// The wizard offers Finish (success) or Close (error): report the outcome
// as the last page shows it, then press the button, which closes the window.
void Unattended::Conclude()
{
    mainWindow& wizard = *m_wizard;
    const bool success = wizard.continueButton->Caption().compare(QLatin1String("Finish"), Qt::CaseInsensitive) == 0;
    QStringList texts;
    if (wizard.Pages->Value() == 4)
        texts << wizard.lblFinishMessage->Text() << wizard.lblFinishNote->Text();
    else
        texts << wizard.lblFinishstmt->Text();
    m_report.Detach();
    if (!success)
        texts.prepend(Heading());
    for (const QString& text : texts) {
        if (text.trimmed().isEmpty())
            continue;
        if (success)
            m_report.Print(text);
        else
            PrintError(text);
    }

    if (!Press(*wizard.continueButton))
        return;
    if (m_ended)
        return;
    if (m_failed) {
        End(1);
        return;
    }
    if (IsOpen(m_wizard)) {
        Fail(QStringLiteral("the wizard window stays open after %1").arg(wizard.continueButton->Caption()));
        return;
    }
    m_wizard = nullptr;
    End(success ? 0 : 1);
}

bool Unattended::Press(PushButton& button)
{
    if (!button.IsShown() || !button.Enabled()) {
        Fail(QStringLiteral("\"%1\" cannot be pressed on \"%2\"").arg(button.Caption(), Heading()));
        return false;
    }
    button.Push();
    return true;
}

// As a click: the radio button becomes the selected one of its group, then
// its Action runs.
bool Unattended::Click(RadioButton& radio)
{
    if (!radio.IsShown() || !radio.Enabled()) {
        Fail(QStringLiteral("\"%1\" cannot be chosen on \"%2\"").arg(radio.Caption(), Heading()));
        return false;
    }
    radio.SetValue(true);
    RunHandler(radio.Action);
    return true;
}

// The content choices as the Keynote options page shows them: a person
// would see a box the CD cannot fill cleared and greyed out.
void Unattended::ReportChoices()
{
    const mainWindow& wizard = *m_wizard;
    for (const CheckBox* box : {wizard.chkInstTheme, wizard.chkInstBg, wizard.chkInstallKeyTemplates,
                                wizard.ChkInstallLMFonts}) {
        if (!box->IsShown())
            continue;
        m_report.Print(QStringLiteral("  [%1] %2%3")
                           .arg(box->Value() ? QLatin1Char('x') : QLatin1Char(' '))
                           .arg(box->Caption(), box->Enabled() ? QString() : QStringLiteral(" (not offered)")));
    }
}

QString Unattended::Heading() const
{
    return IsOpen(m_wizard) ? m_wizard->mainHeading->Text() : QString();
}

FolderItem Unattended::SelectFolder()
{
    ++m_folderRequests;
    if (m_folderRequests == 1 && m_command.program == CommandLine::Program::PowerPoint)
        return FolderItem(std::filesystem::path(m_command.officeFolder.toStdString()));
    PrintError(m_command.program == CommandLine::Program::PowerPoint
                   ? QStringLiteral("the installer asks for another folder after %1 (it looks for "
                                    "Office/StartUp/Powerpoint inside it); an unattended run cannot choose one")
                         .arg(m_command.officeFolder)
                   : QStringLiteral("the installer asks for a folder; an unattended run cannot choose one"));
    m_failed = true;
    return FolderItem();
}

void Unattended::MsgBox(const QString& text)
{
    PrintError(text);
    m_failed = true;
}

void Unattended::Fail(const QString& reason)
{
    PrintError(reason);
    End(1);
}

// Ends the event loop with the status; the windows close as File > Quit
// would close them, and one that refuses does not keep the run waiting.
void Unattended::End(int status)
{
    m_ended = true;
    m_status = status;
    m_report.Detach();
    m_wizard = nullptr;
    Application::Quit(status);
    if (!Window::OpenWindows().empty())
        QCoreApplication::exit(status);
}
