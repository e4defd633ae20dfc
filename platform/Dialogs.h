#pragma once
// The modal folder chooser and message box. In the program they are real Qt
// dialogs; a DialogDriver installed with SetDialogDriver answers them instead
// (tests, the unattended mode), so nothing waits for a person.
#include "FolderItem.h"
#include <QString>
#include <deque>
#include <vector>

FolderItem SelectFolder();        // the chosen folder, or nil on cancel
void MsgBox(const QString& text); // returns when dismissed

class DialogDriver {
public:
    virtual ~DialogDriver() = default;
    virtual FolderItem SelectFolder() = 0;
    virtual void MsgBox(const QString& text) = 0;
};

// nullptr restores the real dialogs. The driver is not owned.
void SetDialogDriver(DialogDriver* driver);
DialogDriver* CurrentDialogDriver();

// Answers folder choosers from a queue (nil once it is empty, as a cancel
// would) and records every message box's text.
class ScriptedDialogs : public DialogDriver {
public:
    std::deque<FolderItem> folderAnswers;
    std::vector<QString> messages;
    int folderRequests = 0;

    FolderItem SelectFolder() override;
    void MsgBox(const QString& text) override;
};

// Installs a driver for the lifetime of the object and restores the previous one.
class ScopedDialogDriver {
public:
    explicit ScopedDialogDriver(DialogDriver& driver);
    ~ScopedDialogDriver();
    ScopedDialogDriver(const ScopedDialogDriver&) = delete;
    ScopedDialogDriver& operator=(const ScopedDialogDriver&) = delete;
private:
    DialogDriver* m_previous;
};
