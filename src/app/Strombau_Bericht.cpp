// The report commands of the main window: print and preview.
//
// The report itself (TStrombauBericht, Bericht.cpp) reads the project and
// the user data and writes through its own print object; these commands
// store what the tabs show, ask for the project header and report a
// failure.
#include "app/Bericht.h"
#include "app/SBWert.h"
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
    // The report prints the records: what the shown section holds since it
    // was last stored goes into its record first, as saving does.  Invalid
    // inputs have shown their message; there is no report then.
    const int shown = SelectedSectionIndex();
    m_reportValueFileReported = shown >= 1 && shown <= Projekt.TSAnzahl && !WertDateiVorhanden();
    CommitGridEdits();
    if (!StoreCurrentSection()) {
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
    bericht.MeldungGezeigt = m_reportValueFileReported;
    bericht.Run();
}
