// The controls on Qt widgets. Every control's widget is a child of its
// container's widget, so Qt's own rules give what the program relies on:
// a control on a page that is not current is not shown, and a hidden
// control takes no input. Radio buttons are grouped per container by an
// explicit button group (see ContainerGroup).
#include "Controls.h"
#include "Application.h"
#include "FolderItem.h"
#include "Window.h"
#include "WidgetBridge.h"

#include <QApplication>
#include <QFontDatabase>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <algorithm>

namespace {

// The filled shape of an Oval or a Rectangle, with its 1-pixel black border.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, bool oval) : QWidget(parent), m_oval(oval) {}
    QColor fill = Qt::white;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(fill);
        if (m_oval) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        } else {
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    bool m_oval;
};

// Return and Enter belong to the window, which presses its default button
// (see Window); a focused push button must not take them for itself.
class ButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->ignore();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

ShapeWidget* Shape(QWidget* widget) { return static_cast<ShapeWidget*>(widget); }

// Labels show "\r" (the Mac's line end) and "\r\n" as line breaks.
QString DisplayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Qt::Alignment AlignmentFor(TextAlign align)
{
    switch (align) {
    case TextAlign::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right: return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

// ---- Control -----------------------------------------------------------

Control::Control(Container* container, QString name, int left, int top, int width, int height, int index)
    : m_parent(container), m_name(std::move(name)), m_index(index),
      m_left(left), m_top(top), m_width(width), m_height(height)
{
}

// The widget belongs to its Qt parent and goes with the window's widget.
Control::~Control() = default;

void Control::Attach(QWidget* widget)
{
    m_widget = widget;
    if (m_parent) {
        widget->setGeometry(m_left - m_parent->OriginLeft(), m_top - m_parent->OriginTop(), m_width, m_height);
        widget->show();
    }
    ApplyFont();
    if (m_parent)
        m_parent->OwnerWindow()->Adopt(this);
}

bool Control::Enabled() const { return !m_widget || !m_widget->testAttribute(Qt::WA_ForceDisabled); }

void Control::SetEnabled(bool enabled)
{
    if (m_widget)
        m_widget->setEnabled(enabled);
}

bool Control::Visible() const { return !m_widget || !m_widget->isHidden(); }

void Control::SetVisible(bool visible)
{
    if (m_widget)
        m_widget->setVisible(visible);
}

bool Control::IsShown() const { return m_widget && m_widget->isVisible(); }

int Control::Left() const { return m_left; }
int Control::Top() const { return m_top; }
int Control::Width() const { return m_width; }
int Control::Height() const { return m_height; }

void Control::SetTextSize(int points)
{
    m_textSize = points;
    ApplyFont();
}

void Control::SetBold(bool bold)
{
    m_bold = bold;
    ApplyFont();
}

void Control::SetTextColor(QColor color)
{
    m_textColor = color;
    ApplyFont();
}

namespace {

// The font of size 0. The layout was made for the Mac's system font (Lucida
// Grande, 13 pixels); elsewhere the common sans-serif faces are much wider,
// so a condensed face at 12 pixels stands in for it and the captions fit
// their fixed sizes.
QFont SystemFont(QWidget* widget)
{
    QFont font = QApplication::font(widget);
#ifndef Q_OS_MACOS
    static const bool condensed = QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Condensed"));
    if (condensed)
        font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(12);
#endif
    return font;
}

} // namespace

void Control::ApplyFont()
{
    if (!m_widget)
        return;
    QFont font = SystemFont(m_widget);
    // Sizes are the Mac's points at 72 dpi: one point is one pixel, which is
    // what the layout's fixed control sizes were made for.
    if (m_textSize > 0)
        font.setPixelSize(m_textSize);
    font.setBold(m_bold);
    m_widget->setFont(font);
    // Only the active and inactive colours: the disabled ones stay Qt's,
    // so a disabled control is drawn dimmed.
    QPalette palette = m_widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(group, role, m_textColor);
    m_widget->setPalette(palette);
}

// ---- StaticText ------------------------------------------------------------

StaticText::StaticText(Container* container, QString name, int left, int top, int width, int height, int index)
    : Control(container, std::move(name), left, top, width, height, index)
{
    auto* label = new QLabel(container->ContainerWidget());
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(AlignmentFor(m_align));
    Attach(label);
}

void StaticText::SetText(const QString& text)
{
    m_text = text;
    static_cast<QLabel*>(Widget())->setText(DisplayText(text));
}

void StaticText::SetAlignment(TextAlign align)
{
    m_align = align;
    static_cast<QLabel*>(Widget())->setAlignment(AlignmentFor(align));
}

void StaticText::SetMultiline(bool multiline)
{
    m_multiline = multiline;
    static_cast<QLabel*>(Widget())->setWordWrap(multiline);
}

// ---- CheckBox --------------------------------------------------------------

CheckBox::CheckBox(Container* container, QString name, int left, int top, int width, int height, QString caption)
    : Control(container, std::move(name), left, top, width, height, -1)
{
    auto* box = new QCheckBox(caption, container->ContainerWidget());
    // clicked comes from the user (or click()), never from setChecked.
    QObject::connect(box, &QAbstractButton::clicked, box, [this] { RunHandler(Action); });
    Attach(box);
}

QString CheckBox::Caption() const { return static_cast<QCheckBox*>(Widget())->text(); }
bool CheckBox::Value() const { return static_cast<QCheckBox*>(Widget())->isChecked(); }
void CheckBox::SetValue(bool value) { static_cast<QCheckBox*>(Widget())->setChecked(value); }

// ---- RadioButton -----------------------------------------------------------

// The radio group of a container. Qt's auto-exclusive grouping also reaches
// into child widgets: choosing a lone button on a page would clear a lone
// button inside a rectangle on that page. An explicit group per container
// widget keeps each group to the buttons placed directly in the container.
namespace {
QButtonGroup* ContainerGroup(QWidget* container)
{
    static const QString name = QStringLiteral("lumoraRadioGroup");
    auto* group = container->findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QButtonGroup(container);
        group->setObjectName(name);
    }
    return group;
}
} // namespace

RadioButton::RadioButton(Container* container, QString name, int left, int top, int width, int height, QString caption)
    : Control(container, std::move(name), left, top, width, height, -1)
{
    auto* radio = new QRadioButton(caption, container->ContainerWidget());
    ContainerGroup(container->ContainerWidget())->addButton(radio);
    QObject::connect(radio, &QAbstractButton::clicked, radio, [this] { RunHandler(Action); });
    Attach(radio);
}

QString RadioButton::Caption() const { return static_cast<QRadioButton*>(Widget())->text(); }
bool RadioButton::Value() const { return static_cast<QRadioButton*>(Widget())->isChecked(); }

void RadioButton::SetValue(bool value)
{
    auto* radio = static_cast<QRadioButton*>(Widget());
    if (value) {
        radio->setChecked(true);
        return;
    }
    // An exclusive group refuses to clear its checked button; making the
    // group inclusive for a moment lets it go.
    QButtonGroup* group = radio->group();
    group->setExclusive(false);
    radio->setChecked(false);
    group->setExclusive(true);
}

// ---- PushButton ------------------------------------------------------------

PushButton::PushButton(Container* container, QString name, int left, int top, int width, int height, QString caption)
    : Control(container, std::move(name), left, top, width, height, -1), m_caption(std::move(caption))
{
    auto* button = new ButtonWidget(m_caption, container->ContainerWidget());
    button->setAutoDefault(false);
    QObject::connect(button, &QAbstractButton::clicked, button, [this] { RunHandler(Action); });
    Attach(button);
}

void PushButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    static_cast<QPushButton*>(Widget())->setText(caption);
}

bool PushButton::Default() const { return static_cast<QPushButton*>(Widget())->isDefault(); }
void PushButton::SetDefault(bool isDefault) { static_cast<QPushButton*>(Widget())->setDefault(isDefault); }

void PushButton::Push()
{
    if (Widget()->isEnabled())
        RaiseEvent(Action);
}

// ---- ProgressBar -----------------------------------------------------------

ProgressBar::ProgressBar(Container* container, QString name, int left, int top, int width, int height)
    : Control(container, std::move(name), left, top, width, height, -1)
{
    if (!container)
        return;
    auto* bar = new QProgressBar(container->ContainerWidget());
    bar->setTextVisible(false);
    bar->setRange(0, m_maximum);
    Attach(bar);
    Show();
}

void ProgressBar::SetValue(int value)
{
    m_value = value;
    Show();
}

void ProgressBar::SetMaximum(int maximum)
{
    m_maximum = maximum;
    Show();
}

// Called once per copied file: the widget is touched only when what it
// shows changes.
void ProgressBar::Show()
{
    auto* bar = static_cast<QProgressBar*>(Widget());
    if (!bar)
        return;
    const int maximum = std::max(0, m_maximum);
    const int shown = std::clamp(m_value, 0, maximum);
    if (bar->maximum() != maximum)
        bar->setMaximum(maximum);
    if (bar->value() != shown)
        bar->setValue(shown);
}

// ---- Oval and Rectangle ----------------------------------------------------

Oval::Oval(Container* container, QString name, int left, int top, int width, int height, int index)
    : Control(container, std::move(name), left, top, width, height, index)
{
    Attach(new ShapeWidget(container->ContainerWidget(), true));
}

QColor Oval::FillColor() const { return Shape(Widget())->fill; }

void Oval::SetFillColor(QColor color)
{
    Shape(Widget())->fill = color;
    Widget()->update();
}

Rectangle::Rectangle(Container* container, QString name, int left, int top, int width, int height)
    : Control(container, std::move(name), left, top, width, height, -1)
{
    Attach(new ShapeWidget(container->ContainerWidget(), false));
}

QColor Rectangle::FillColor() const { return Shape(Widget())->fill; }

void Rectangle::SetFillColor(QColor color)
{
    Shape(Widget())->fill = color;
    Widget()->update();
}

QWidget* Rectangle::ContainerWidget() const { return Widget(); }
Window* Rectangle::OwnerWindow() const { return Parent()->OwnerWindow(); }

// ---- PagePanel -------------------------------------------------------------

// A page is both the stacked widget's page and the container of the
// controls on it; Qt deletes it with the panel.
class PagePanel::PageContainer : public QWidget, public Container {
public:
    explicit PageContainer(const PagePanel& panel) : m_panel(panel) {}
    QWidget* ContainerWidget() const override { return const_cast<PageContainer*>(this); }
    int OriginLeft() const override { return m_panel.Left(); }
    int OriginTop() const override { return m_panel.Top(); }
    Window* OwnerWindow() const override { return m_panel.Parent()->OwnerWindow(); }

private:
    const PagePanel& m_panel;
};

PagePanel::PagePanel(Container* container, QString name, int left, int top, int width, int height, int pageCount)
    : Control(container, std::move(name), left, top, width, height, -1)
{
    auto* stack = new QStackedWidget(container->ContainerWidget());
    for (int i = 0; i < pageCount; ++i) {
        auto* page = new PageContainer(*this);
        stack->addWidget(page);
        m_pages.push_back(page);
    }
    Attach(stack);
}

int PagePanel::PageCount() const { return int(m_pages.size()); }

Container* PagePanel::Page(int index) const
{
    if (index < 0 || index >= PageCount())
        throw NilObjectException("page panel " + Name().toStdString() + " has no page " + std::to_string(index));
    return m_pages[size_t(index)];
}

void PagePanel::SetValue(int value)
{
    if (value < 0 || value >= PageCount())
        return;
    m_value = value;
    static_cast<QStackedWidget*>(Widget())->setCurrentIndex(value);
    RaiseEvent(Change);
}
