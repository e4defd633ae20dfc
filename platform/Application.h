#pragma once
// The application object and the event loop.
//
// Unhandled exceptions: the platform catches every C++ exception at the edge
// of an event handler and passes it to ReportUnhandled, which names it in a
// message (and on stderr) and then ends the program with a non-zero status.
// Tests replace the report with SetUnhandledExceptionHook.
#include <QString>
#include <exception>
#include <functional>
#include <memory>

class MenuBar;
class QApplication;

class Application {
public:
    Application(int& argc, char** argv);
    virtual ~Application();
    static Application* Instance();       // nullptr before one exists

    bool AutoQuit() const;                 // quit when the last window closes
    void SetAutoQuit(bool on);
    void SetMenuBar(MenuBar* menuBar);     // not owned
    MenuBar* GetMenuBar() const;

    int Run();                             // raises Open, runs the event loop, returns the exit status
    virtual void Open() {}

    // Handles pending events, redrawing included, and returns. Works with or
    // without an Application object (only a QApplication is needed).
    static void DoEvents(int milliseconds = -1);
    // Ends the event loop with this exit status once control returns to it.
    static void Quit(int exitCode = 0);

    static void ReportUnhandled(const std::exception_ptr& error);
    static void SetUnhandledExceptionHook(std::function<void(const QString& message)> hook);

private:
    MenuBar* m_menuBar = nullptr;
    std::unique_ptr<QApplication> m_qapp;
};

// Runs fn and sends any exception that leaves it to ReportUnhandled.
void RunHandler(const std::function<void()>& fn);

// The main screen's size in pixels.
class Screen {
public:
    explicit Screen(int index = 0);
    int Width() const;
    int Height() const;
    // Tests fix the size a window is centred on; an empty size restores the real one.
    static void OverrideSize(int width, int height);
private:
    int m_width, m_height;
};
