// The menu model, and the QMenuBar a window draws from it.
#include "MenuBar.h"
#include "Application.h"
#include "FolderItem.h"
#include "WidgetBridge.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

MenuItem::MenuItem(QString name, QString text, QString shortcut)
    : m_name(std::move(name)), m_text(std::move(text)), m_shortcut(std::move(shortcut))
{
}

void MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    if (item)
        m_items.push_back(std::move(item));
}

MenuItem& MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw NilObjectException("menu " + m_name.toStdString() + " has no item " + std::to_string(index));
    return *m_items[size_t(index)];
}

MenuItem* MenuItem::Child(const QString& name) const
{
    for (const auto& item : m_items)
        if (item->Name() == name)
            return item.get();
    return nullptr;
}

namespace {

// "Cmd+Q" names the command key: Qt's Ctrl, which Qt maps to Command on the Mac.
QKeySequence ShortcutFor(const QString& shortcut)
{
    if (shortcut.isEmpty())
        return {};
    QStringList parts = shortcut.split(QLatin1Char('+'));
    for (QString& part : parts) {
        if (part.compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Ctrl");
        else if (part.compare(QLatin1String("Option"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Alt");
    }
    return QKeySequence::fromString(parts.join(QLatin1Char('+')), QKeySequence::PortableText);
}

void AddItems(const MenuItem& model, QMenu* menu)
{
    for (int i = 0; i < model.Count(); ++i) {
        const MenuItem& item = model.Item(i);
        if (item.Text() == QLatin1String("-")) {
            menu->addSeparator()->setObjectName(item.Name());
            continue;
        }
        if (item.Count() > 0) {
            QMenu* sub = menu->addMenu(item.Text());
            sub->setObjectName(item.Name());
            sub->menuAction()->setObjectName(item.Name());
            AddItems(item, sub);
            continue;
        }
        QAction* action = menu->addAction(item.Text());
        action->setObjectName(item.Name());
        action->setShortcut(ShortcutFor(item.KeyboardShortcut()));
        action->setEnabled(true);
        if (item.IsQuitItem()) {
            action->setMenuRole(QAction::QuitRole);
            QObject::connect(action, &QAction::triggered, action, [] {
                RunHandler([] { Application::Quit(0); });
            });
        } else {
            // The Edit items carry no behaviour of their own: no window
            // of the program has editable text.
            action->setMenuRole(QAction::NoRole);
        }
    }
}

} // namespace

QMenuBar* BuildMenuBar(const MenuBar& model, QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    bar->setObjectName(model.Name());
    for (int i = 0; i < model.Count(); ++i) {
        const MenuItem& menuModel = model.Item(i);
        QMenu* menu = bar->addMenu(menuModel.Text());
        menu->setObjectName(menuModel.Name());
        menu->menuAction()->setObjectName(menuModel.Name());
        AddItems(menuModel, menu);
    }
    return bar;
}
