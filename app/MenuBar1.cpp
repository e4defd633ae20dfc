// The shared menu bar: File with Quit, Edit with the standard editing items.
#include "MenuBar1.h"

namespace {

std::unique_ptr<MenuItem> NewItem(const char* name, const QString& text, const char* shortcut = "")
{
    return std::make_unique<MenuItem>(QString::fromLatin1(name), text, QString::fromLatin1(shortcut));
}

} // namespace

MenuBar1& MenuBar1::instance()
{
    static MenuBar1* bar = new MenuBar1;   // kept for the program's life
    return *bar;
}

MenuBar1::MenuBar1() : MenuBar(QStringLiteral("MenuBar1"))
{
    auto file = NewItem("FileMenu", QStringLiteral("&File"));
    file->Append(std::make_unique<QuitMenuItem>(QStringLiteral("FileQuit"), QStringLiteral("Quit"), QStringLiteral("Cmd+Q")));
    Append(std::move(file));

    auto edit = NewItem("EditMenu", QStringLiteral("&Edit"));
    edit->Append(NewItem("EditUndo", QStringLiteral("&Undo"), "Cmd+Z"));
    edit->Append(NewItem("UntitledMenu1", QStringLiteral("-")));
    edit->Append(NewItem("EditCut", QStringLiteral("Cu&t"), "Cmd+X"));
    edit->Append(NewItem("EditCopy", QStringLiteral("&Copy"), "Cmd+C"));
    edit->Append(NewItem("EditPaste", QStringLiteral("&Paste"), "Cmd+V"));
    edit->Append(NewItem("EditClear", QStringLiteral("Clear")));
    edit->Append(NewItem("UntitledMenu0", QStringLiteral("-")));
    edit->Append(NewItem("EditSelectAll", QStringLiteral("Select &All"), "Cmd+A"));
    Append(std::move(edit));
}
