// Continue and Go Back. They only choose the next page; what entering a page
// implies (checks, headings, the installations) runs inside the assignment
// of Pages->SetValue, so every test of the current page below reads it anew.
#include "mainWindow.h"
#include "Application.h"
#include "Dialogs.h"
#include "Global.h"
#include "messageWindow.h"
#include "mainWindowSupport.h"


using namespace wizard;

void mainWindow::continueButton_Action()
{
    // A press that arrives while a progress page copies (the engine lets
    // events through between files) must not report or change anything.
    if (passRunning)
        return;

    movingForward = true;

    const QString caption = continueButton->Caption();
    if (SameText(caption, QStringLiteral("Close")) || SameText(caption, QStringLiteral("Finish"))) {
        Close();
        return;
    }

    if (Pages->Value() < PowerPointProgress) {
        switch (Pages->Value()) {
        case Welcome:
            Pages->SetValue(ProgramChoice);
            return;

        case ProgramChoice:
            if (rbdKeyNote->Value()) {
                Pages->SetValue(KeynoteOptions);
                SetTitle(QStringLiteral("Install for Keynote"));
                txtinform->SetText(QString());
            } else if (rbdLumora->Value()) {
                Pages->SetValue(PowerPointIntro);
                SetTitle(QStringLiteral("Install for PowerPoint"));
                txtinform->SetText(QString());
            } else {
                txtinform->SetText(QStringLiteral("Select an option to continue."));
                Pages->SetValue(ProgramChoice);
            }
            backButton->SetCaption(QStringLiteral("Go Back"));
            return;

        case KeynoteOptions: {
            QString missing;
            if (rbInstall->Value() && !instTheme && !instBg)
                missing = QStringLiteral("Select items to Install.");
            else if (rbUninstall->Value() && !uninstTheme && !uninstBg)
                missing = QStringLiteral("Select items to uninstall.");
            if (!missing.isEmpty()) {
                messageWindow::instance().lblMessage->SetText(missing);
                messageWindow::instance().ShowModalWithin(*this);
                return;
            }
            break;
        }

        case Destination:
            if (SameText(instLocation, QStringLiteral("alternate"))) {
                if (!Present(Global::alternatLoc)) {
                    MsgBox(QStringLiteral("Select a location for Lumora Backgrounds"));
                    return;
                }
                Global::bgInstallFolder = Global::alternatLoc.Child(QStringLiteral("BrenwickBackgrounds"));
            } else {
                // Without a system volume there is no default destination.
                if (!Present(Global::osVolume)) {
                    MsgBox(kNoVolumeMessage);
                    return;
                }
                Global::bgInstallFolder = MakeFolders(Global::osVolume,
                    {QStringLiteral("Applications"), QStringLiteral("Lumora"), QStringLiteral("Backgrounds")});
            }
            break;

        default:
            break;
        }

        // Advance. Only background images use the Destination page, so an
        // uninstall or an install without them goes straight to the pass.
        const int page = Pages->Value();
        if (page == KeynoteOptions && (SameText(instType, QStringLiteral("uninstall")) || !instBg))
            Pages->SetValue(page + 2);
        else if (rbdKeyNote->Value())
            Pages->SetValue(page + 1);
    }

    if (Pages->Value() == PowerPointIntro)
        Pages->SetValue(OfficeLocation);

    // The Office location page is left forward only by its Browse button.
    if (Pages->Value() == OfficeLocation && !MSOfficePath)
        Pages->SetValue(OfficeLocation);

    if (Pages->Value() == PowerPointLocations) {
        if (LmTempPath && LMBckPath) {
            Pages->SetValue(PowerPointProgress);
            backButton->SetEnabled(false);
        } else if (rbdDefault->Value()) {
            Pages->SetValue(PowerPointProgress);
        } else {
            Pages->SetValue(PowerPointLocations);
        }
    }

    // Selecting page 9 above ran the PowerPoint pass; a pass that failed has
    // put up its own error heading, which must stay.
    if (Pages->Value() == PowerPointProgress) {
        if (!SameText(instStatus, QStringLiteral("Error")))
            mainHeading->SetText(QStringLiteral("Installation completed sucessfully"));
        backButton->SetEnabled(false);
    }
}

void mainWindow::backButton_Action()
{
    if (passRunning)
        return;

    movingForward = false;

    if (Pages->Value() == Welcome)
        Application::Quit(0);
    else if (Pages->Value() != ProgramChoice)
        Pages->SetValue(Pages->Value() - 1);

    // The Program choice page is passed on the way back: its previous page is
    // the Welcome page.
    if (Pages->Value() == ProgramChoice)
        Pages->SetValue(Welcome);
}
