#pragma once
// Menus as a model the windows draw: a MenuBar holds menus, a menu holds
// items. "Cmd" in a shortcut is the platform's command key (Ctrl outside
// macOS); "&" marks an access key; the text "-" is a separator.
#include <QString>
#include <memory>
#include <vector>

class MenuItem {
public:
    MenuItem(QString name, QString text, QString shortcut = {});
    virtual ~MenuItem() = default;
    const QString& Name() const { return m_name; }
    const QString& Text() const { return m_text; }
    const QString& KeyboardShortcut() const { return m_shortcut; }
    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool on) { m_autoEnable = on; }
    void Append(std::unique_ptr<MenuItem> item);
    int Count() const { return int(m_items.size()); }
    MenuItem& Item(int index) const;       // 0-based; throws NilObjectException outside
    MenuItem* Child(const QString& name) const;  // nullptr when absent
    virtual bool IsQuitItem() const { return false; }
private:
    QString m_name, m_text, m_shortcut;
    bool m_autoEnable = true;
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

// Choosing it quits the application with exit status 0.
class QuitMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
    bool IsQuitItem() const override { return true; }
};

class MenuBar : public MenuItem {
public:
    explicit MenuBar(QString name) : MenuItem(std::move(name), {}) {}
};
