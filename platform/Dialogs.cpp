#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>

namespace {

DialogDriver* installedDriver = nullptr;

// Real dialogs need a widget application; without one there is no person to ask.
bool canShowDialogs()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

FolderItem chooseFolder()
{
    if (!canShowDialogs())
        return FolderItem();
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
#ifndef Q_OS_MACOS
    // Qt's own dialog lets a whole path be typed and confirmed with Return.
    options |= QFileDialog::DontUseNativeDialog;
#endif
    const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(),
                                                             QString(), options);
    if (chosen.isEmpty())
        return FolderItem();
    return FolderItem(std::filesystem::path(chosen.toStdString()));
}

void showMessage(const QString& text)
{
    if (!canShowDialogs()) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace

FolderItem SelectFolder()
{
    return installedDriver ? installedDriver->SelectFolder() : chooseFolder();
}

void MsgBox(const QString& text)
{
    if (installedDriver)
        installedDriver->MsgBox(text);
    else
        showMessage(text);
}

void SetDialogDriver(DialogDriver* driver)
{
    installedDriver = driver;
}

DialogDriver* CurrentDialogDriver()
{
    return installedDriver;
}

FolderItem ScriptedDialogs::SelectFolder()
{
    ++folderRequests;
    if (folderAnswers.empty())
        return FolderItem();
    FolderItem answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::MsgBox(const QString& text)
{
    messages.push_back(text);
}

ScopedDialogDriver::ScopedDialogDriver(DialogDriver& driver) : m_previous(CurrentDialogDriver())
{
    SetDialogDriver(&driver);
}

ScopedDialogDriver::~ScopedDialogDriver()
{
    SetDialogDriver(m_previous);
}
