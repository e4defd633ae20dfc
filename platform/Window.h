#pragma once
// A top-level window: a fixed content area that is also the container of its
// controls, an optional menu bar, and the Open/CancelClose events.
//
// Lifecycle: Close() hides the window and destroys the Window object once
// control is back in the event loop (never under a running handler); the
// subclass's destructor is where an accessor forgets its instance.
#include "Controls.h"
#include <QString>
#include <memory>
#include <vector>

class MenuBar;
class QMainWindow;

class Window : public Container {
public:
    enum class Frame { Document, Sheet };

    Window(int contentWidth, int contentHeight, Frame frame = Frame::Document);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    QString Title() const;
    void SetTitle(const QString& title);
    int Left() const;
    int Top() const;
    void SetLeft(int left);
    void SetTop(int top);
    int Width() const;                    // content size
    int Height() const;
    bool CloseButton() const;
    void SetCloseButton(bool available);  // may change while the window is shown
    void SetMenuBar(MenuBar* menuBar);    // the menu bar is not owned
    MenuBar* GetMenuBar() const;

    void Show();
    void Refresh();                       // redraw now
    void Close();                         // asks CancelClose first, as the close box does
    // A window-modal sheet over parent; returns at once, blocks input to parent.
    void ShowModalWithin(Window& parent);

    // Events for subclasses.
    virtual void Open() {}                // once, after the subclass has built its layout: call RaiseOpen()
    virtual bool CancelClose() { return false; }   // true keeps the window open

    // Controls created on this window, in creation order; FindControl throws
    // NilObjectException when no control has that name (and index).
    const std::vector<std::unique_ptr<Control>>& Controls() const { return m_controls; }
    Control& FindControl(const QString& name, int index = -1) const;

    // Container
    QWidget* ContainerWidget() const override;
    int OriginLeft() const override { return 0; }
    int OriginTop() const override { return 0; }
    Window* OwnerWindow() const override { return const_cast<Window*>(this); }

    QMainWindow* Widget() const { return m_widget; }
    static std::vector<Window*> OpenWindows();

protected:
    void RaiseOpen();

private:
    friend class Control;
    void Adopt(Control* control);
    class Impl;
    std::vector<std::unique_ptr<Control>> m_controls;
    QMainWindow* m_widget = nullptr;
    QWidget* m_content = nullptr;
    MenuBar* m_menuBar = nullptr;
    std::unique_ptr<Impl> m_impl;
};
