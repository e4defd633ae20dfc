#pragma once
// Windows' controls, as the wizard uses them. Positions are always given in
// pixels from the top left of the window's content area, also for controls
// inside a page or a rectangle; the platform converts them for Qt.
//
// Ownership: a control is created with `new` on a container and belongs to
// the window it is on; the window deletes its controls when it is destroyed.
// Callers keep plain pointers.
//
// Events: handlers are std::function. A C++ exception that leaves a handler
// never crosses Qt's event loop: it goes to Application::ReportUnhandled.
//
// Radio buttons form a group with the other radio buttons of the same
// container (the window, a page of a PagePanel, or a Rectangle).
#include <QColor>
#include <QString>
#include <functional>
#include <vector>

class QWidget;
class Window;

// Something controls can sit in: a window's content area, a page of a
// PagePanel, or a Rectangle.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* ContainerWidget() const = 0;
    virtual int OriginLeft() const = 0;   // the container's top left, in window content coordinates
    virtual int OriginTop() const = 0;
    virtual Window* OwnerWindow() const = 0;
};

enum class TextAlign { Left, Center, Right };

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return m_name; }
    int Index() const { return m_index; }          // member of a control array, or -1
    Container* Parent() const { return m_parent; }

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;                          // the control's own flag
    void SetVisible(bool visible);
    bool IsShown() const;                          // really on screen: own flag, container and page shown

    int Left() const;                              // window content coordinates
    int Top() const;
    int Width() const;
    int Height() const;

    int TextSize() const { return m_textSize; }    // 0: the system's size
    void SetTextSize(int points);
    bool Bold() const { return m_bold; }
    void SetBold(bool bold);
    QColor TextColor() const { return m_textColor; }
    void SetTextColor(QColor color);

    QWidget* Widget() const { return m_widget; }   // for tests and the platform itself

protected:
    // The subclass creates its widget as a child of container->ContainerWidget().
    Control(Container* container, QString name, int left, int top, int width, int height, int index);
    void Attach(QWidget* widget);                  // positions, registers with the window
    void ApplyFont();

private:
    Container* m_parent;
    QString m_name;
    int m_index;
    int m_left, m_top, m_width, m_height;
    int m_textSize = 0;
    bool m_bold = false;
    QColor m_textColor = Qt::black;
    QWidget* m_widget = nullptr;
};

class StaticText : public Control {
public:
    StaticText(Container* container, QString name, int left, int top, int width, int height, int index = -1);
    const QString& Text() const { return m_text; }   // reads back exactly as set
    void SetText(const QString& text);               // "\r", "\r\n" and "\n" all show as line breaks
    TextAlign Alignment() const { return m_align; }
    void SetAlignment(TextAlign align);
    bool Multiline() const { return m_multiline; }
    void SetMultiline(bool multiline);
private:
    QString m_text;
    TextAlign m_align = TextAlign::Left;
    bool m_multiline = false;
};

class CheckBox : public Control {
public:
    CheckBox(Container* container, QString name, int left, int top, int width, int height, QString caption);
    QString Caption() const;
    bool Value() const;
    void SetValue(bool value);                       // by code: raises no Action
    std::function<void()> Action;                    // the user clicked; Value is the new state
};

class RadioButton : public Control {
public:
    RadioButton(Container* container, QString name, int left, int top, int width, int height, QString caption);
    QString Caption() const;
    bool Value() const;
    void SetValue(bool value);                       // true clears the group's others; by code: no Action
    std::function<void()> Action;                    // the user clicked it (also when already selected)
};

class PushButton : public Control {
public:
    PushButton(Container* container, QString name, int left, int top, int width, int height, QString caption);
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Default() const;
    // Return in the window presses the default button that is shown and
    // enabled, preferring one on the current page over one of the window.
    void SetDefault(bool isDefault);
    void Push();                                     // as a click: runs Action when enabled
    std::function<void()> Action;
private:
    QString m_caption;
};

// Value and Maximum read back exactly as set, also when Value lies outside
// 0..Maximum (the display is clamped); the engine counts on that.
class ProgressBar : public Control {
public:
    // container may be nullptr: a bar on no window (for engine tests and tools).
    ProgressBar(Container* container, QString name, int left, int top, int width, int height);
    int Value() const { return m_value; }
    void SetValue(int value);
    int Maximum() const { return m_maximum; }
    void SetMaximum(int maximum);
private:
    void Show();
    int m_value = 0;
    int m_maximum = 100;
};

class Oval : public Control {
public:
    Oval(Container* container, QString name, int left, int top, int width, int height, int index = -1);
    QColor FillColor() const;
    void SetFillColor(QColor color);                 // shows at once
};

// A filled rectangle with a 1-pixel black border; also a container.
class Rectangle : public Control, public Container {
public:
    Rectangle(Container* container, QString name, int left, int top, int width, int height);
    QColor FillColor() const;
    void SetFillColor(QColor color);
    QWidget* ContainerWidget() const override;
    int OriginLeft() const override { return Left(); }
    int OriginTop() const override { return Top(); }
    Window* OwnerWindow() const override;
};

// Pages numbered from 0. Change follows every assignment of Value, also one
// of the current value and one made inside a Change handler: the handler runs
// synchronously inside SetValue, nested as deep as assignments nest.
class PagePanel : public Control {
public:
    PagePanel(Container* container, QString name, int left, int top, int width, int height, int pageCount);
    int PageCount() const;
    Container* Page(int index) const;
    int Value() const { return m_value; }
    void SetValue(int value);                        // values outside the pages are ignored
    std::function<void()> Change;
private:
    class PageContainer;
    std::vector<PageContainer*> m_pages;
    int m_value = 0;
};
