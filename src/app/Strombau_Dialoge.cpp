// The main window's dialogs of the menu "Einstellungen" and "?": the access
// gate of the technical-data dialog, the user settings, the program
// information.
#include "app/GrundlagenDLG.h"
#include "app/Strombau.h"
#include "platform/Dialogs.h"

void TMainForm::mTechnikClick()
{
    if (!GrundlagenForm) return;
    connect(GrundlagenForm, &TAppDialog::HilfeAngefordert, this, &TMainForm::ShowControlHelp, Qt::UniqueConnection);
    for (;;) {
        PasswordDlg->SetPassword(QString());
        if (!PasswordDlg->Execute()) return;
        // Compared exactly, character by character.
        if (PasswordDlg->Password() == QLatin1String(TechnikZugangscode)) {
            ShowModalForm(GrundlagenForm);
            return;
        }
        MessageDlg(MessStrHolder3->item(5), mtInformation, mbOK);
    }
}
