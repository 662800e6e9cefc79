// The main window's dialogs of the menu "Einstellungen" and "?": the access
// gate of the technical-data dialog, the user settings, the program
// information.
#include "app/About.h"
#include "app/GrundlagenDLG.h"
#include "app/SBWert.h"
#include "app/UserForm.h"
#include "app/Strombau.h"
#include "platform/Dialogs.h"
#include <memory>

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

void TMainForm::Benutzereinstellungen1Click()
{
    auto dlg = std::make_unique<TUserDlg>(this);
    showInStoredLanguage(dlg.get());
    dlg.reset();
    // What was saved reaches the report and the header dialog's default text.
    ReadUserdaten(Userdaten, false);
}

void TMainForm::mAboutClick()
{
    auto box = std::make_unique<TAboutBox>(this);
    showInStoredLanguage(box.get());
}

void TMainForm::showInStoredLanguage(TAppDialog* dlg)
{
    connect(dlg, &TAppDialog::HilfeAngefordert, this, &TMainForm::ShowControlHelp);
    ReadUserData();
    // The dialog opens in the stored language.
    TranslationManager->SetCurrentLang(Userdaten.Sprache);
    ShowModalForm(dlg);
}
