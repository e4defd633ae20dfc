// The application object, the event loop and the report of exceptions that
// no handler caught.
#include "Application.h"
#include "Dialogs.h"
#include "FolderItem.h"
#include "MenuBar.h"
#include "Window.h"
#include "WidgetBridge.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace {

Application* s_instance = nullptr;
std::function<void(const QString&)> s_hook;
int s_handlerDepth = 0;
bool s_inLoop = false;
bool s_failed = false;          // an unhandled exception ended the loop
bool s_reporting = false;
int s_pendingExit = -1;         // Quit() before the loop ran
int s_overrideWidth = 0, s_overrideHeight = 0;

QString Demangled(const std::type_info* type)
{
    if (!type)
        return QStringLiteral("unknown exception");
    int status = 0;
    char* name = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    QString result = QString::fromUtf8(status == 0 && name ? name : type->name());
    std::free(name);
    return result;
}

// "An exception of class NilObjectException was not handled: <what>. ..."
QString DescribeException(const std::exception_ptr& error)
{
    QString type, detail;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        type = Demangled(&typeid(e));
        detail = QString::fromUtf8(e.what());
    } catch (...) {
        type = Demangled(abi::__cxa_current_exception_type());
    }
    QString message = QStringLiteral("An exception of class %1 was not handled").arg(type);
    if (!detail.isEmpty())
        message += QStringLiteral(": ") + detail;
    return message + QStringLiteral(". The application must shut down.");
}

} // namespace

// ---- handlers ----------------------------------------------------------

void RunHandler(const std::function<void()>& fn)
{
    if (!fn)
        return;
    ++s_handlerDepth;
    try {
        fn();
    } catch (...) {
        --s_handlerDepth;
        Application::ReportUnhandled(std::current_exception());
        return;
    }
    --s_handlerDepth;
}

void RaiseEvent(const std::function<void()>& event)
{
    if (!event)
        return;
    if (InsideHandler())
        event();
    else
        RunHandler(event);
}

bool InsideHandler() { return s_handlerDepth > 0; }

// ---- Application ---------------------------------------------------------

Application::Application(int& argc, char** argv)
{
    if (!QApplication::instance())
        m_qapp = std::make_unique<QApplication>(argc, argv);
    s_instance = this;
    s_failed = false;
    s_pendingExit = -1;
}

Application::~Application()
{
    if (s_instance == this)
        s_instance = nullptr;
}

Application* Application::Instance() { return s_instance; }

bool Application::AutoQuit() const { return QGuiApplication::quitOnLastWindowClosed(); }
void Application::SetAutoQuit(bool on) { QGuiApplication::setQuitOnLastWindowClosed(on); }

void Application::SetMenuBar(MenuBar* menuBar)
{
    m_menuBar = menuBar;
#ifdef Q_OS_MACOS
    // The Mac shows one menu bar for the application: a QMenuBar without a
    // parent becomes that bar.
    if (menuBar)
        BuildMenuBar(*menuBar, nullptr);
#endif
}

MenuBar* Application::GetMenuBar() const { return m_menuBar; }

int Application::Run()
{
    RunHandler([this] { Open(); });
    if (s_failed)
        return 1;
    if (s_pendingExit >= 0) {
        int code = s_pendingExit;
        s_pendingExit = -1;
        return code;
    }
    s_inLoop = true;
    int status = QApplication::exec();
    s_inLoop = false;
    return s_failed ? 1 : status;
}

void Application::DoEvents(int milliseconds)
{
    if (!QCoreApplication::instance())
        return;
    if (milliseconds < 0)
        QCoreApplication::processEvents();
    else
        QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds);
}

void Application::Quit(int exitCode)
{
    if (s_failed)
        return;
    // Front to back, as the user would close them; a window that refuses
    // ends the quit, the windows closed before it stay closed.
    std::vector<Window*> windows = Window::OpenWindows();
    std::reverse(windows.begin(), windows.end());
    // The loop ends with exitCode below; the last window closing must not
    // end it first with 0.
    const bool autoQuit = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    bool refused = false;
    for (Window* window : windows) {
        const auto open = Window::OpenWindows();
        if (std::find(open.begin(), open.end(), window) == open.end())
            continue;   // closed along with another one
        try {
            window->Close();
        } catch (...) {
            QGuiApplication::setQuitOnLastWindowClosed(autoQuit);
            throw;
        }
        const auto after = Window::OpenWindows();
        if (std::find(after.begin(), after.end(), window) != after.end()) {
            refused = true;
            break;
        }
    }
    QGuiApplication::setQuitOnLastWindowClosed(autoQuit);
    if (refused)
        return;
    if (s_inLoop)
        QCoreApplication::exit(exitCode);
    else
        s_pendingExit = exitCode;
}

void Application::SetUnhandledExceptionHook(std::function<void(const QString&)> hook)
{
    s_hook = std::move(hook);
}

void Application::ReportUnhandled(const std::exception_ptr& error)
{
    const QString message = DescribeException(error);
    std::fprintf(stderr, "lumora: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (s_reporting)
        return;   // an exception while the report itself is shown
    s_reporting = true;
    const bool replaced = bool(s_hook);
    try {
        if (replaced)
            s_hook(message);
        else
            MsgBox(message);
    } catch (...) {
    }
    s_reporting = false;
    if (replaced)
        return;
    s_failed = true;
    if (s_inLoop)
        QCoreApplication::exit(1);
    else
        std::exit(1);
}

// ---- Screen -----------------------------------------------------------------

Screen::Screen(int index) : m_width(0), m_height(0)
{
    if (s_overrideWidth > 0 && s_overrideHeight > 0 && index == 0) {
        m_width = s_overrideWidth;
        m_height = s_overrideHeight;
        return;
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* screen = index == 0 ? QGuiApplication::primaryScreen()
                                 : (index > 0 && index < screens.size() ? screens.at(index) : nullptr);
    if (!screen)
        throw NilObjectException("Screen(" + std::to_string(index) + "): there is no such screen");
    m_width = screen->geometry().width();
    m_height = screen->geometry().height();
}

int Screen::Width() const { return m_width; }
int Screen::Height() const { return m_height; }

void Screen::OverrideSize(int width, int height)
{
    s_overrideWidth = width > 0 && height > 0 ? width : 0;
    s_overrideHeight = width > 0 && height > 0 ? height : 0;
}
