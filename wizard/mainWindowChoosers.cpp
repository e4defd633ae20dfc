// The location radio buttons and Browse buttons of the Destination page, the
// Office location page and the PowerPoint locations page.
//
// A chooser the user cancels records nothing where a folder is needed to go
// on: the Office location chooser then copies no add-in and stays on its
// page, and the templates and backgrounds choosers keep their earlier choice.
#include "mainWindow.h"
#include "Dialogs.h"
#include "Global.h"

namespace {

const QChar kLineFeed(10);

// One of the two Browse buttons of the PowerPoint locations page: the chosen
// folder when it exists; nil when the chooser was cancelled (nothing shown)
// or when the folder does not exist (label cleared, then the refusal shown).
FolderItem ChooseLocation(StaticText* pathLabel, const QString& refusal)
{
    FolderItem chosen = SelectFolder();
    if (chosen.IsNil())
        return {};
    if (chosen.Exists())
        return chosen;
    pathLabel->SetText(QString());
    MsgBox(refusal);
    return {};
}

// Copies every item of the CD's add-in folder into the start-up folder, the
// count read again before each item; an item already there is replaced.
// Returns the reasons of the items that could not be copied, each on a line
// of its own; empty when all were copied.
QString CopyAddIn(const FolderItem& addIn, const FolderItem& startUp)
{
    QString failures;
    for (int i = 1; i <= addIn.Count(); ++i) {
        FileResult copied = addIn.Item(i).CopyFileTo(startUp);
        if (!copied)
            failures += kLineFeed + copied.message;
    }
    return failures;
}

} // namespace

// Destination page: where the Keynote background images go.

void mainWindow::rbDefaultLoc_Action()
{
    BrowseButton->SetEnabled(false);
    instLocation = QStringLiteral("default");
}

void mainWindow::rbAltLoc_Action()
{
    BrowseButton->SetEnabled(true);
    instLocation = QStringLiteral("alternate");
}

// The choice is kept even when cancelled (nil): Continue then asks for a
// location again instead of using a folder the user turned away from.
void mainWindow::BrowseButton_Action()
{
    Global::alternatLoc = SelectFolder();
    if (Global::alternatLoc.IsNil() || !Global::alternatLoc.Exists())
        return;
    lblAltLocInfo->SetText(QStringLiteral("Lumora Backgrounds will be installed to") + kLineFeed
                           + Global::alternatLoc.AbsolutePath() + QStringLiteral("BrenwickBackgrounds"));
}

// Office location page: locates Microsoft Office, copies the add-in into
// PowerPoint's start-up folder (Office:StartUp:Powerpoint) and moves on to
// the PowerPoint locations page. A missing StartUp or Powerpoint folder is
// replaced by a folder the user chooses.
void mainWindow::LMBrowse_Action()
{
    FolderItem office = SelectFolder();
    MSOfficePath = false;
    if (office.IsNil()) {
        lblMicrosoftOfficeLocation->SetText(QStringLiteral("Select a Valid Path"));
        return;
    }
    if (!office.Exists()) {
        MsgBox(QStringLiteral("Enter a Valid path"));
        return;
    }
    lblMicrosoftOfficeLocation->SetText(office.AbsolutePath());

    Global::ppaFolder = office.Child(QStringLiteral("Office"));
    if (!Global::ppaFolder.Exists()) {
        MsgBox(QStringLiteral("Select Microsoft Office folder"));
        return;
    }
    for (const QString& name : {QStringLiteral("StartUp"), QStringLiteral("Powerpoint")}) {
        Global::ppaFolder = Global::ppaFolder.Child(name);
        if (Global::ppaFolder.Exists())
            continue;
        FolderItem instead = SelectFolder();
        if (instead.IsNil())
            return;
        Global::ppaFolder = instead;
    }

    if (Global::cdPPA.IsNil() || !Global::cdPPA.Directory()) {
        MsgBox(QStringLiteral("Enter a Valid path"));
        return;
    }
    const QString failures = CopyAddIn(Global::cdPPA, Global::ppaFolder);
    if (!failures.isEmpty()) {
        // Going on would end the installation promising a toolbar that is
        // not there; the user stays here and can choose again.
        MsgBox(QStringLiteral("The Lumora Toolbar could not be copied to ")
               + Global::ppaFolder.AbsolutePath() + failures);
        return;
    }
    MSOfficePath = Global::cdPPA.Count() > 0;
    Pages->SetValue(8);
}

// PowerPoint locations page: templates and backgrounds go to the default
// folders or to two chosen ones.

void mainWindow::rbdDefault_Action()
{
    if (!rbdDefault->Value())
        return;
    chkTemplate->SetVisible(false);
    chkBackgrounds->SetVisible(false);
    TemplateBrowse->SetVisible(false);
    BcgBrowse->SetVisible(false);
    lblBcgPath->SetText(QString());
    lblTemplatePath->SetText(QString());
    RctPath->SetVisible(false);
}

void mainWindow::rbdAlternateLocation_Action()
{
    const bool selected = rbdAlternateLocation->Value();
    chkTemplate->SetVisible(selected);
    chkBackgrounds->SetVisible(selected);
    TemplateBrowse->SetVisible(selected);
    BcgBrowse->SetVisible(selected);
    if (selected) {
        lblTemplatePath->SetText(QString());
        lblBcgPath->SetText(QString());
    } else {
        LMDefaultLocat->SetText(QString());
    }
}

// Accepting a templates folder hands Default on to the backgrounds button,
// the next one to use.
void mainWindow::TemplateBrowse_Action()
{
    FolderItem chosen = ChooseLocation(lblTemplatePath, QStringLiteral("Please select a valid path"));
    if (chosen.IsNil())
        return;
    Global::LMTemplatePath = chosen;
    LmTempPath = true;
    lblTemplatePath->SetText(QStringLiteral("Templates are installed to :") + chosen.AbsolutePath());
    BcgBrowse->SetDefault(true);
    TemplateBrowse->SetDefault(false);
    rbdDefault->SetValue(false);
}

void mainWindow::BcgBrowse_Action()
{
    FolderItem chosen = ChooseLocation(lblBcgPath, QStringLiteral("Enter a Valid Path"));
    if (chosen.IsNil())
        return;
    Global::LmBackgroundPath = chosen;
    LMBckPath = true;
    lblBcgPath->SetText(QStringLiteral("Backgrounds are installed to : ") + chosen.AbsolutePath());
    BcgBrowse->SetDefault(false);
    rbdDefault->SetValue(false);
}
