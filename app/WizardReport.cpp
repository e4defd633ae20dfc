// The terminal report of an unattended run.
#include "WizardReport.h"
#include "mainWindow.h"

#include <QTimer>
#include <algorithm>
#include <unistd.h>

namespace {

constexpr int kKeynoteProgressPage = 3;
constexpr int kPowerPointProgressPage = 9;

// How often a step's line may change: redrawing in place is cheap, while
// plain lines pile up in a log.
constexpr std::chrono::milliseconds kRedrawInterval{100};
constexpr std::chrono::milliseconds kLineInterval{500};

} // namespace

WizardReport::WizardReport(std::FILE* out)
    : m_out(out), m_terminal(isatty(fileno(out)) == 1)
{
}

WizardReport::~WizardReport()
{
    if (m_ticker)
        m_ticker->stop();
}

void WizardReport::Attach(mainWindow& wizard)
{
    m_wizard = &wizard;
    m_lastValue[0] = wizard.installProgress ? wizard.installProgress->Value() : 0;
    m_lastValue[1] = wizard.installLMProgress ? wizard.installLMProgress->Value() : 0;

    // A page's entry actions may enter another page before they return (the
    // Keynote progress page enters the Finish page): looking before the
    // entry as well shows the heading the page left behind.
    m_originalChange = wizard.Pages->Change;
    wizard.Pages->Change = [this, original = m_originalChange] {
        Update();
        if (original)
            original();
        Update();
    };

    // Interval 0: a look at every pass of the event loop, so at every file
    // the engine copies.
    m_ticker = std::make_unique<QTimer>();
    m_ticker->setInterval(0);
    QObject::connect(m_ticker.get(), &QTimer::timeout, [this] { Update(); });
    m_ticker->start();
    Update();
}

void WizardReport::Detach()
{
    if (!m_wizard)
        return;
    Update();
    EndStep();
    m_ticker->stop();
    if (mainWindow::IsOpen())
        m_wizard->Pages->Change = m_originalChange;
    m_wizard = nullptr;
}

void WizardReport::Update()
{
    // The window is deleted by the event loop some time after it closes.
    if (!m_wizard || !mainWindow::IsOpen())
        return;
    const QString heading = m_wizard->mainHeading->Text();
    if (!m_headingShown || heading != m_heading) {
        m_heading = heading;
        m_headingShown = true;
        Print(heading);
    }
    UpdateProgress();
}

void WizardReport::UpdateProgress()
{
    const int page = m_wizard->Pages->Value();
    const ProgressBar* bar = page == kKeynoteProgressPage     ? m_wizard->installProgress
                           : page == kPowerPointProgressPage ? m_wizard->installLMProgress
                                                             : nullptr;
    if (!bar) {
        EndStep();
        return;
    }
    int& lastValue = m_lastValue[bar == m_wizard->installProgress ? 0 : 1];
    const int value = bar->Value();
    const int maximum = bar->Maximum();
    const QString label = StepLabel(page);
    const void* installer = m_wizard->oInstaller.get();

    // A copying step sets the bar's maximum to its file count; a new label
    // or a new Installer also marks a new step. The Keynote page sets the
    // bar back to 0 before each step, the PowerPoint page goes on from where
    // the last step left it: a value above the last one seen is a
    // continuation.
    const bool newLabel = !m_inStep || m_step.label != label;
    if (newLabel || m_step.bar != bar || m_step.installer != installer || m_step.maximum != maximum) {
        EndStep();
        m_step = Step{bar, label, installer, maximum, value > lastValue ? lastValue : 0, 0, false, QString()};
        // Work that lets events through without moving the bar (the web
        // updater's copy) is no copying step. The Keynote page's new label
        // with a bar above 0 is: its first file may bring the bar back to
        // the value the last step ended on.
        m_step.moved = newLabel && value != 0;
        m_inStep = true;
    }
    m_step.moved = m_step.moved || value != lastValue;
    lastValue = value;
    m_step.done = std::clamp(value - m_step.base, 0, std::max(maximum, 0));
    if (!m_step.moved || m_step.done == 0)
        return;   // nothing copied yet: not (yet) a copying step

    const QString line = LineOf(m_step);
    const auto now = std::chrono::steady_clock::now();
    if (line != m_step.shown && now - m_lastWrite >= (m_terminal ? kRedrawInterval : kLineInterval))
        Write(line);
}

QString WizardReport::StepLabel(int page) const
{
    if (page == kKeynoteProgressPage) {
        const QString status = m_wizard->lblInstallStatus->Text().trimmed();
        // The page clears its status label for the themes, its first step.
        return status.isEmpty() ? QStringLiteral("Installing Lumora Themes") : status;
    }
    // The PowerPoint page has no status label; its steps are told apart by
    // the new Installer each one runs on.
    return QStringLiteral("Installing PowerPoint content");
}

QString WizardReport::LineOf(const Step& step) const
{
    const int percent = step.maximum > 0 ? int(qint64(step.done) * 100 / step.maximum) : 100;
    return QStringLiteral("  %1  %2%  %3 of %4 files")
        .arg(step.label)
        .arg(percent, 3)
        .arg(step.done)
        .arg(step.maximum);
}

void WizardReport::EndStep()
{
    if (m_inStep && m_step.moved && m_step.done > 0) {
        const QString line = LineOf(m_step);
        if (line != m_step.shown)
            Write(line);
    }
    m_inStep = false;
    if (m_lineOpen) {
        std::fputc('\n', m_out);
        std::fflush(m_out);
        m_lineOpen = false;
    }
}

void WizardReport::Print(const QString& text)
{
    if (m_inStep && m_step.moved && m_step.done > 0 && LineOf(m_step) != m_step.shown)
        Write(LineOf(m_step));
    if (m_lineOpen) {
        std::fputc('\n', m_out);
        m_lineOpen = false;
    }
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), m_out);
    std::fflush(m_out);
}

// On a terminal the line of the step is rewritten in place and ended when
// the step ends; elsewhere every write is a line of its own.
void WizardReport::Write(const QString& line)
{
    if (m_terminal) {
        std::fputs(("\r" + line + QStringLiteral("\033[K")).toUtf8().constData(), m_out);
        m_lineOpen = true;
    } else {
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), m_out);
    }
    std::fflush(m_out);
    m_step.shown = line;
    m_lastWrite = std::chrono::steady_clock::now();
}
