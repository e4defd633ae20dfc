// Top-level windows on QMainWindow: the central widget is the fixed content
// area, the menu bar sits above it.
#include "Window.h"
#include "Application.h"
#include "FolderItem.h"
#include "MenuBar.h"
#include "WidgetBridge.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>

namespace {

std::vector<Window*> s_windows;   // every Window object alive, in creation order

Qt::WindowFlags FlagsFor(Window::Frame frame, bool closeButton)
{
    Qt::WindowFlags flags = (frame == Window::Frame::Sheet ? Qt::Sheet : Qt::Window)
        | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint;
    if (closeButton)
        flags |= Qt::WindowCloseButtonHint;
    return flags;
}

bool OnAPage(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget())
        if (qobject_cast<const QStackedWidget*>(w))
            return true;
    return false;
}

} // namespace

class Window::Impl {
public:
    Frame frame = Frame::Document;
    bool closeButton = true;
    bool approvedClose = false;   // inside a close that CancelClose already allowed
    bool closed = false;
    bool destroyScheduled = false;
    const MenuBar* shownMenuBar = nullptr;

    // The window goes away once control is back in the event loop, and never
    // while a handler runs: the handler may still be using it.
    static void DestroyLater(Window* window)
    {
        if (window->m_impl->destroyScheduled)
            return;
        window->m_impl->destroyScheduled = true;
        QTimer::singleShot(0, window->m_widget, [window] {
            window->m_impl->destroyScheduled = false;
            if (InsideHandler())
                DestroyLater(window);
            else
                delete window;
        });
    }

    static void CloseSheetsOf(Window* window)
    {
        for (Window* sheet : OpenWindows())
            if (sheet != window && sheet->m_widget->parentWidget() == window->m_widget)
                CloseNow(sheet);
    }

    // Closes without asking CancelClose (the caller already did), with the
    // sheets that hang on the window.
    static void CloseNow(Window* window)
    {
        CloseSheetsOf(window);
        window->m_impl->closed = true;
        window->m_impl->approvedClose = true;
        window->m_widget->close();
        window->m_impl->approvedClose = false;
        DestroyLater(window);
    }

    static PushButton* DefaultButton(const Window& window)
    {
        PushButton* fallback = nullptr;
        for (const auto& control : window.m_controls) {
            auto* button = dynamic_cast<PushButton*>(control.get());
            if (!button || !button->Default() || !button->Widget()->isVisible() || !button->Widget()->isEnabled())
                continue;
            if (OnAPage(button->Widget(), window.m_widget))
                return button;
            if (!fallback)
                fallback = button;
        }
        return fallback;
    }

    static void ShowMenuBar(Window& window)
    {
        const MenuBar* model = window.m_menuBar;
        if (!model && window.m_impl->frame == Frame::Document && Application::Instance())
            model = Application::Instance()->GetMenuBar();
        if (model == window.m_impl->shownMenuBar)
            return;
        window.m_impl->shownMenuBar = model;
        window.m_widget->setMenuBar(model ? BuildMenuBar(*model, window.m_widget) : nullptr);
        window.m_widget->layout()->activate();
    }
};

// The QMainWindow: close requests and Return come to the Window.
class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(Qt::WindowFlags flags) : QMainWindow(nullptr, flags) {}
    std::function<void(QCloseEvent*)> onClose;
    std::function<bool()> onReturn;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        onClose(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onReturn()) {
            event->accept();
            return;
        }
        QMainWindow::keyPressEvent(event);
    }
};

Window::Window(int contentWidth, int contentHeight, Frame frame)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->frame = frame;
    auto* widget = new WindowWidget(FlagsFor(frame, true));
    m_widget = widget;
    m_content = new QWidget;
    m_content->setFixedSize(contentWidth, contentHeight);
    m_widget->setCentralWidget(m_content);
    m_widget->layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_widget->layout()->activate();   // fixed from the start, not only once shown
    m_widget->setWindowTitle(QStringLiteral("Untitled"));

    widget->onClose = [this](QCloseEvent* event) {
        if (m_impl->approvedClose) {
            event->accept();
            return;
        }
        if (m_impl->closed || !m_impl->closeButton) {
            event->setAccepted(m_impl->closed);
            return;
        }
        bool cancel = true;
        RunHandler([&] { cancel = CancelClose(); });
        if (cancel) {
            event->ignore();
            return;
        }
        m_impl->closed = true;
        event->accept();
        Impl::CloseSheetsOf(this);
        Impl::DestroyLater(this);
    };
    widget->onReturn = [this] {
        PushButton* button = Impl::DefaultButton(*this);
        if (!button)
            return false;
        RunHandler([button] { button->Push(); });
        return true;
    };
    s_windows.push_back(this);
}

Window::~Window()
{
    s_windows.erase(std::remove(s_windows.begin(), s_windows.end(), this), s_windows.end());
    // A sheet on this window must not go down with the QMainWindow under its
    // own Window object: it is detached and closed.
    for (Window* sheet : std::vector<Window*>(s_windows)) {
        if (sheet->m_widget->parentWidget() != m_widget)
            continue;
        sheet->m_widget->hide();
        sheet->m_widget->setParent(nullptr, sheet->m_widget->windowFlags());
        sheet->m_impl->closed = true;
        Impl::DestroyLater(sheet);
    }
    delete m_widget;
    m_widget = nullptr;
    m_controls.clear();
}

QString Window::Title() const { return m_widget->windowTitle(); }
void Window::SetTitle(const QString& title) { m_widget->setWindowTitle(title); }
int Window::Left() const { return m_widget->x(); }
int Window::Top() const { return m_widget->y(); }
void Window::SetLeft(int left) { m_widget->move(left, m_widget->y()); }
void Window::SetTop(int top) { m_widget->move(m_widget->x(), top); }
int Window::Width() const { return m_content->width(); }
int Window::Height() const { return m_content->height(); }
bool Window::CloseButton() const { return m_impl->closeButton; }

void Window::SetCloseButton(bool available)
{
    if (available == m_impl->closeButton)
        return;
    m_impl->closeButton = available;
    // Changing a window's flags hides it; it comes back where it was.
    const bool shown = m_widget->isVisible();
    const QPoint position = m_widget->pos();
    m_widget->setWindowFlag(Qt::WindowCloseButtonHint, available);
    if (shown) {
        m_widget->move(position);
        m_widget->show();
    }
}

void Window::SetMenuBar(MenuBar* menuBar)
{
    m_menuBar = menuBar;
    Impl::ShowMenuBar(*this);
}

MenuBar* Window::GetMenuBar() const { return m_menuBar; }

void Window::Show()
{
    Impl::ShowMenuBar(*this);
    m_widget->show();
    m_widget->raise();
    m_widget->activateWindow();
}

void Window::Refresh() { m_widget->repaint(); }

void Window::Close()
{
    if (m_impl->closed)
        return;
    bool cancel = false;
    RaiseEvent([&] { cancel = CancelClose(); });
    if (cancel || m_impl->closed)
        return;
    Impl::CloseNow(this);
}

void Window::ShowModalWithin(Window& parent)
{
    if (&parent == this || m_impl->closed) {
        Show();
        return;
    }
    m_widget->setParent(parent.m_widget, m_widget->windowFlags());
    m_widget->setWindowModality(Qt::WindowModal);
    // Like a sheet: centred on the parent, hanging from the top of its content.
    const QPoint contentTop = parent.m_content->mapToGlobal(QPoint(0, 0));
    m_widget->move(contentTop.x() + (parent.Width() - Width()) / 2, contentTop.y());
    Show();
}

Control& Window::FindControl(const QString& name, int index) const
{
    for (const auto& control : m_controls)
        if (control->Name() == name && control->Index() == index)
            return *control;
    std::string what = "window \"" + Title().toStdString() + "\" has no control " + name.toStdString();
    if (index >= 0)
        what += "(" + std::to_string(index) + ")";
    throw NilObjectException(what);
}

QWidget* Window::ContainerWidget() const { return m_content; }

std::vector<Window*> Window::OpenWindows()
{
    std::vector<Window*> open;
    for (Window* window : s_windows)
        if (!window->m_impl->closed)
            open.push_back(window);
    return open;
}

void Window::RaiseOpen()
{
    RaiseEvent([this] { Open(); });
}

void Window::Adopt(Control* control)
{
    m_controls.emplace_back(control);
}
