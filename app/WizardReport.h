#pragma once
// What an unattended run shows on the terminal: each page's heading as the
// wizard enters it, and the progress of each copying step as one line (step
// label, percentage, files done of total).
//
// It only watches the wizard: it reads the heading, the progress page's
// status label and bar, and notices page changes through the page panel's
// Change event, which it wraps. The engine lets events through once per file,
// so a timer that fires at every pass of the event loop sees each file; the
// lines themselves are throttled. On a terminal the step's line is redrawn in
// place ("\r"); into a file or a pipe it is printed as plain lines, a few a
// second at most, and always once more with the step's final count.
#include <QString>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

class mainWindow;
class ProgressBar;
class QTimer;

class WizardReport {
public:
    explicit WizardReport(std::FILE* out = stdout);
    ~WizardReport();
    WizardReport(const WizardReport&) = delete;
    WizardReport& operator=(const WizardReport&) = delete;

    // Starts watching; prints the heading of the page the wizard shows now.
    void Attach(mainWindow& wizard);
    // Stops watching (before the wizard window closes), ending a progress line.
    void Detach();

    // Prints what changed since the last look: the heading, the progress.
    void Update();
    // Ends the current step's line with its final count.
    void EndStep();
    // A plain line of text on the report's stream, after any progress line.
    void Print(const QString& text);

private:
    struct Step {
        const ProgressBar* bar = nullptr;
        QString label;
        const void* installer = nullptr;
        int maximum = 0;
        int base = 0;        // the bar's value when the step began
        int done = 0;
        bool moved = false;  // the bar moved: the step copies (and is shown)
        QString shown;       // the last line written for this step
    };

    void UpdateProgress();
    QString StepLabel(int page) const;
    void Write(const QString& line);
    QString LineOf(const Step& step) const;

    std::FILE* m_out;
    bool m_terminal;
    mainWindow* m_wizard = nullptr;
    std::function<void()> m_originalChange;   // the wizard's own Pages_Change
    std::unique_ptr<QTimer> m_ticker;
    QString m_heading;
    bool m_headingShown = false;
    Step m_step;
    bool m_inStep = false;
    bool m_lineOpen = false;   // a redrawn line waits for its line feed
    int m_lastValue[2] = {0, 0};   // installProgress, installLMProgress
    std::chrono::steady_clock::time_point m_lastWrite;
};
