// The project commands of the main window: open, close, save, save as.
//
// The file itself is read and written by ProjektDatei; these commands decide
// when the dialogs appear, when the network is calculated, which question is
// asked before a project is dropped, and how the file name, the flags and the
// enabled state of the project commands change.
#include "app/Berechnung.h"
#include "app/ProjektDatei.h"
#include "app/SBWert.h"
#include "app/Strombau.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>

// ---- handlers ------------------------------------------------------------------

void TMainForm::mProjektOpenClick()
{
    OpenProject();
}

void TMainForm::mProjektschliessenClick()
{
    if (AskToSaveChanges()) CloseProject();
    UpdateMainCaption();
}

void TMainForm::ProjektSaveBtnClick()
{
    SaveProject(false);
}

void TMainForm::mProjektSaveAsClick()
{
    SaveProject(true);
}

// ---- the question before a project is dropped --------------------------------------

int TMainForm::AskBeforeDropping()
{
    if (TSTreeView->topLevelItemCount() == 0) return mrNone;
    // A count still open in a cell editor is input like any other: it is
    // taken before the question is decided.  A cell that refused its text
    // has said why; the project stays for the correction.
    if (!CommitGridEdits()) return mrCancel;
    if (Projekt.ProjektGespeichert) return mrNone;
    return MessageDlg(GridStrHolder->item(12) + QLatin1Char('\r') + GridStrHolder->item(13), mtWarning,
                      mbYesNo | mbEscapeCancels);
}

bool TMainForm::AskToSaveChanges()
{
    const int answer = AskBeforeDropping();
    if (answer == mrNone || answer == mrNo) return true;
    // Escape or the box's close button: the command is cancelled, the
    // project stays as it is.
    if (answer != mrYes) return false;
    return SaveProject(false);
}

// ---- open --------------------------------------------------------------------------

void TMainForm::OpenProject()
{
    if (!AskToSaveChanges()) {
        UpdateMainCaption();
        return;
    }
    if (!OpenDlg->Execute()) {
        UpdateMainCaption();
        return;
    }
    const QString path = OpenDlg->FileName();

    // Everything is read and calculated aside; the open project stays as it
    // is until the new one is complete.
    TProjekt neu;
    QStringList namen;
    // A section the calculation cannot solve does not keep the project
    // from opening: its inputs are loaded, it stays uncalculated, and the
    // calculation's message (naming the section) comes once it is open.
    QString rechenFehler;
    try {
        TProjektInhalt inhalt = ::ReadProjectFile(path, MessStrHolder1->item(6));
        if (inhalt.TSAnzahl < 1)
            throw EProjektDatei(QStringLiteral("%1: keine Teilstrecke").arg(path));
        neu.Projektdaten = inhalt.Projektdaten;
        neu.Teilstrecken = std::move(inhalt.Teilstrecken);
        neu.TSAnzahl = inhalt.TSAnzahl;
        namen = inhalt.Namen;
        TSectionInputs nichtsGezeigt;
        const TFormMessageTexts texte(*this);
        bool gespeichert = true;
        try {
            gespeichert = CalculateAllSectionsCommand(neu, nichtsGezeigt, 0, TWertDateiStand(), texte);
        } catch (const Exception& e) {
            neu.AlleBerechnet = false;
            rechenFehler = e.Message();
        }
        if (!gespeichert) throw ECalcError(path);
    } catch (const std::exception&) {
        UpdateMainCaption();
        MessageDlg(MessStrHolder2->item(1), mtError, mbOK);
        return;
    }

    neu.Projektdateiname = path;
    // The project is what its file holds: opening (and the calculation that
    // comes with it) is no change to be asked about.
    neu.ProjektGespeichert = true;
    neu.ProjektGeladen = true;
    neu.ProjektNeu = false;

    // The tabs are emptied before the tree changes, so that leaving the old
    // node stores nothing into the new project.
    ClearSectionInputs();
    Projekt = std::move(neu);
    BuildTree(namen);
    LoadSectionToForm(1);
    AuslegungPageCtrl->setEnabled(true);
    ShowTotals();
    EnableProjectCommands(true);
    UpdateMainCaption();
    if (!rechenFehler.isEmpty()) showCalcError(rechenFehler);
}

// ---- close ---------------------------------------------------------------------------

void TMainForm::CloseProject()
{
    // The tabs are emptied first: leaving the selected node while the tree
    // is emptied then has nothing to store.
    ClearSectionInputs();
    BuildTree(QStringList());
    Projekt.CloseProject();
    Projekt.Projektdateiname.clear();
    TSCaptionLbl1->setText(MessStrHolder1->item(6));
    AuslegungPageCtrl->setCurrentWidget(DatenTab);
    Projekt.ProjektGespeichert = false;
    Projekt.ProjektGeladen = false;
    Projekt.ProjektNeu = false;
    EnableProjectCommands(false);
    ClearSectionInputs();
    ClearResultEdits();
    AuslegungPageCtrl->setEnabled(false);
    UpdateMainCaption();
}

// ---- save ----------------------------------------------------------------------------

QString TMainForm::WithDefaultExt(const QString& path) const
{
    const QString ext = SaveDlg->DefaultExt();
    if (path.isEmpty() || ext.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + ext;
}

bool TMainForm::SaveProject(bool saveAs)
{
    // What the tabs show goes into its record first; a cell that refuses
    // its text and invalid inputs stop the save with their message.
    if (!CommitGridEdits() || !StoreCurrentSection()) {
        UpdateMainCaption();
        return false;
    }
    if (!saveAs && !Projekt.AlleBerechnet) {
        mAlleTSClick();
        if (!Projekt.AlleBerechnet) {  // the calculation has shown why
            UpdateMainCaption();
            return false;
        }
    }

    const bool named = !saveAs && !Projekt.Projektdateiname.isEmpty();
    QString path = Projekt.Projektdateiname;
    if (!named) {
        // The dialog itself asks once before an existing file is replaced.
        QStringList options = SaveDlg->Options();
        if (!options.contains(QStringLiteral("ofOverwritePrompt"), Qt::CaseInsensitive)) {
            options << QStringLiteral("ofOverwritePrompt");
            SaveDlg->SetOptions(options);
        }
        SaveDlg->SetFileName(Projekt.Projektdateiname);
        if (!SaveDlg->Execute()) {
            UpdateMainCaption();
            return false;
        }
        path = WithDefaultExt(SaveDlg->FileName());
        ExecuteDruckkopfDlg();  // its result is not examined: what it shows becomes the header
    }

    try {
        ::WriteProjectFile(path, Projekt);
    } catch (const std::exception& e) {
        // The file is as it was, and so are the flags and the file name.
        // Every failed save says so in the same words, then what the
        // writer found.
        MessageDlg(MessStrHolder2->item(0) + QLatin1Char('\r') + ExceptionMessage(e), mtError, mbOK);
        UpdateMainCaption();
        return false;
    }
    Projekt.Projektdateiname = path;
    Projekt.ProjektGespeichert = true;
    UpdateMainCaption();
    return true;
}
