// The report commands of the main window: print and preview.
//
// The report itself (TStrombauBericht, Bericht.cpp) reads the project and
// the user data and writes through its own print object; these commands
// store what the tabs show, calculate every section, ask for the project
// header and report a failure.
#include "app/Bericht.h"
#include "app/Strombau.h"
#include "platform/Dialogs.h"

void TMainForm::mPrintClick()
{
    runReportCommand(false);
}

void TMainForm::mPreviewClick()
{
    runReportCommand(true);
}

void TMainForm::runReportCommand(bool preview)
{
    m_reportPreview = preview;
    // The report prints the records with their results: what the shown
    // section holds goes into its record, and every section is calculated,
    // as opening a project does, so that no printed result belongs to other
    // inputs.  Invalid inputs or a section the calculation refuses have
    // shown their message (naming the section); there is no report then.
    if (!calculateAllSections()) {
        UpdateMainCaption();
        return;
    }
    try {
        // However the header dialog closes, what it shows is the header.
        ExecuteDruckkopfDlg();
        PrintOrPreview();
    } catch (...) {
        MessageDlg(MessStrHolder3->item(preview ? 7 : 6), mtError, mbOK);
    }
    UpdateMainCaption();
}

void TMainForm::PrintOrPreview()
{
    const TFormMessageTexts texte(*this);
    TStrombauBericht bericht(Projekt, Userdaten, texte);
    bericht.Vorschau = m_reportPreview;
    bericht.Run();
}
