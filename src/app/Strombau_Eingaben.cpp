// The main window's tabs of one section: the field and grid handlers, the
// moves between the tabs and the section record, and the two calculation
// commands.  The checks, the record and the calculation themselves live in
// Eingaben.* and Berechnung.*; this file reads the controls into a
// TSectionInputs, calls them, and shows the answer.
#include "app/Berechnung.h"
#include "app/SBWert.h"
#include "app/Strombau.h"
#include "platform/Cp1252Fields.h"
#include "platform/CurrencyEdit.h"
#include "platform/Graphics.h"
#include "platform/Numbers.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <cmath>

namespace {

// The program fills the tabs: no input of the user.
class TFillGuard {
public:
    explicit TFillGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~TFillGuard() { --m_depth; }
    TFillGuard(const TFillGuard&) = delete;
    TFillGuard& operator=(const TFillGuard&) = delete;

private:
    int& m_depth;
};

// The field's colour while it is enabled; disabled it looks disabled.
void setFieldColor(QWidget* w, TColor color)
{
    QPalette pal = w->palette();
    const QColor c = ColorToQColor(color);
    pal.setColor(QPalette::Active, QPalette::Base, c);
    pal.setColor(QPalette::Inactive, QPalette::Base, c);
    w->setPalette(pal);
    w->update();
}

// A field's text for the snapshot: the plain number with a comma; a text
// that is no number is passed on as typed, so the store can name it.
QString fieldText(const TCurrencyEdit* e)
{
    QString t = e->text().trimmed();
    if (t.isEmpty()) return QStringLiteral("0");
    QString plain = t;
    plain.remove(QLatin1Char('.'));
    double v = 0;
    if (TryStrToFloat(plain, v) && std::isfinite(v)) return FloatToStr(v);
    return t;
}

void setFieldText(TCurrencyEdit* e, const QString& text)
{
    const QString t = text.trimmed().isEmpty() ? QStringLiteral("0") : text;
    if (e->text() != t) e->setText(t);
    e->update();
}

// The count grid of that name.
TCellGrid* countGrid(const TMainForm& form, const char* name)
{
    // The names the grids are made with, in the order of CountGrids: the
    // grid is found by its place and only its own name is compared.
    static constexpr const char* kNames[9] = {
        "ZetaBogenGlattGrid",    "ZetaBogenSegmentGrid", "ZetaBogenFlachGrid",
        "ZetaBogenFlachVertGrid", "ZetaAbzweigGrid",      "ZetaRedScharfWeitGrid",
        "ZetaRedScharfEngGrid",  "ZetaRedKonWeitGrid",   "ZetaRedKonEngGrid"};
    const std::array<TCellGrid*, 9> grids = form.CountGrids();
    for (size_t i = 0; i < grids.size(); ++i)
        if (qstrcmp(kNames[i], name) == 0 && grids[i] && grids[i]->objectName() == QLatin1String(name))
            return grids[i];
    for (TCellGrid* grid : grids)
        if (grid && grid->objectName() == QLatin1String(name)) return grid;
    return nullptr;
}

}  // namespace

// ---- wiring ----------------------------------------------------------------

void TMainForm::setupSectionInputs()
{
    connect(DNRohrEdit, &TCurrencyEdit::Change, this, [this] {
        DNRohrEditChange();
        sectionInputChanged();
    });
    connect(KanalHoeheEdit, &TCurrencyEdit::Change, this, [this] {
        KanalHoeheEditChange();
        sectionInputChanged();
    });
    for (TCurrencyEdit* e : {VpVorgabeEdit, TSLaengeEdit, GeschwEdit})
        connect(e, &TCurrencyEdit::Change, this, [this] { sectionInputChanged(); });
    connect(RohrartCB, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        RohrartCBClick();
        sectionInputChanged();
    });
    connect(KanalartCB, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        KanalartCBClick();
        sectionInputChanged();
    });
    connect(ovalCB, &QCheckBox::toggled, this, [this] { sectionInputChanged(); });
    connect(KanalartCombo, &QComboBox::currentIndexChanged, this, [this] { KanalartComboChange(); });

    for (int i = 1; i <= 12; ++i) {
        m_lastEinbautenText[size_t(i - 1)] = EinbautenEditNr(i)->text();
        connect(EinbautenEditNr(i), &TCurrencyEdit::Change, this, &TMainForm::EinbautenEdit1Change);
    }

    for (TCellGrid* grid : CountGrids()) {
        grid->OnSetEditText = [this](QObject* s, int c, int r, const QString& v) { ZetaBogenGlattGridSetEditText(s, c, r, v); };
        grid->OnGetEditText = [this](QObject* s, int c, int r, QString& v) { ZetaBogenGlattGridGetEditText(s, c, r, v); };
        grid->OnValidateEdit = [this](QObject* s, int c, int r, bool& ok) { ZetaBogenGlattGridValidateEdit(s, c, r, ok); };
    }
    FremdEinbGrid->OnSetEditText = [this](QObject* s, int c, int r, const QString& v) { FremdEinbGridSetEditText(s, c, r, v); };
    FremdEinbGrid->OnValidateEdit = [this](QObject* s, int c, int r, bool& ok) { FremdEinbGridValidateEdit(s, c, r, ok); };
    FremdEinbGrid->OnGetEditText = [this](QObject* s, int c, int r, QString& v) {
        // A refused description opened again keeps the text before the edit.
        if (m_refusedDescription.col != c || m_refusedDescription.row != r) m_editStart[s] = TCellEditStart{c, r, v};
        // What the project file cannot store is refused as it is typed,
        // under the heading of the cell's column.  The message's box takes
        // the focus and so ends the edit with the text that was kept; the
        // cell is edited on from there.
        RefuseNonCp1252(
            FremdEinbGrid->InplaceEditor(), [this] { return FremdEinbGrid->Cells(FremdEinbGrid->Col(), 0); },
            [this] {
                FremdEinbGrid->setFocus();
                FremdEinbGrid->ShowEditor();
            });
    };
    FremdEinbGrid->OnCancelEdit = [this](QObject* s, int c, int r) { FremdEinbGridCancelEdit(s, c, r); };
    // A pressure loss pasted in another writing of numbers is taken in the program's.
    FremdEinbGrid->OnPasteText = [](QObject*, int c, int, QString& text) {
        if (c == 2) text = PastedDecimalText(text);
    };

    setVelocityComputed(false);
    UpdateZetaGridsByShape();
}

void TMainForm::sectionInputChanged()
{
    if (FillingSectionInputs()) return;
    Projekt.ProjektGespeichert = false;
    Projekt.AlleBerechnet = false;
}

// ---- data tab ----------------------------------------------------------------

void TMainForm::setVelocityComputed(bool computed)
{
    GeschwEdit->SetValue(0);
    GeschwEdit->setReadOnly(computed);
    GeschwEdit->setFocusPolicy(computed ? Qt::ClickFocus : Qt::StrongFocus);
    GeschwEdit->setProperty("TabStop", !computed);
    setFieldColor(GeschwEdit, computed ? clScrollBar : clWindow);
}

void TMainForm::DNRohrEditChange()
{
    const double a = DNRohrEdit->Value();
    const double b = KanalHoeheEdit->Value();
    if (KanalartCB->isChecked()) {
        if (a > 0 && b > 0) setVelocityComputed(true);
        else if ((a > 0 && b == 0) || (a == 0 && b > 0)) setVelocityComputed(false);
    } else if (RohrartCB->isChecked()) {
        setVelocityComputed(a > 0 && b == 0);
    }
}

void TMainForm::KanalHoeheEditChange()
{
    if (!KanalartCB->isChecked()) return;
    const double a = DNRohrEdit->Value();
    const double b = KanalHoeheEdit->Value();
    // Only the velocity field follows the height: clearing the dimensions
    // here would erase a height typed while the width is still 0.
    if (a > 0 && b > 0) setVelocityComputed(true);
    else if ((a == 0 && b > 0) || (a > 0 && b == 0)) setVelocityComputed(false);
}

void TMainForm::applyShape(bool round, bool oval)
{
    {
        const QSignalBlocker b1(RohrartCB), b2(KanalartCB), b3(ovalCB);
        RohrartCB->setChecked(round);
        KanalartCB->setChecked(!round);
        ovalCB->setChecked(!round && oval);
    }
    if (round) {
        DNRohrLbl->setText(MessStrHolder1->item(38));
        KanalHoeheEdit->hide();
        KanalHoeheLbl->hide();
        KanalHoeheLbl2->hide();
        ovalCB->setEnabled(false);
    } else {
        DNRohrLbl->setText(MessStrHolder1->item(39));
        ovalCB->setText(MessStrHolder1->item(40));
        KanalHoeheEdit->show();
        KanalHoeheEdit->setEnabled(true);
        KanalHoeheEdit->setReadOnly(false);
        KanalHoeheLbl->show();
        KanalHoeheLbl2->show();
        ovalCB->setEnabled(true);
    }
    UpdateZetaGridsByShape();
}

void TMainForm::RohrartCBClick()
{
    applyShape(true, false);
    if (!FillingSectionInputs()) ClearResultEdits();
}

void TMainForm::KanalartCBClick()
{
    applyShape(false, ovalCB->isChecked());
    if (!FillingSectionInputs()) ClearResultEdits();
}

void TMainForm::KanalartComboChange()
{
    if (FillingSectionInputs()) return;
    // The material changes no dimension: what was typed stays, only what
    // was calculated with the old material goes.
    clearCalculatedResults();
    sectionInputChanged();
}

void TMainForm::UpdateZetaGridsByShape()
{
    const bool round = RohrartCB->isChecked();
    ZetaBogenGlattGrid->setEnabled(round);
    ZetaBogenSegmentGrid->setEnabled(round);
    ZetaBogenFlachGrid->setEnabled(!round);
    ZetaBogenFlachVertGrid->setEnabled(!round);
}

// ---- accessory tab -------------------------------------------------------------

void TMainForm::EinbautenEdit1Change()
{
    auto* field = qobject_cast<TCurrencyEdit*>(sender());
    if (!field) return;
    int i = 0;
    for (int n = 1; n <= 12; ++n)
        if (EinbautenEditNr(n) == field) i = n;
    if (i == 0) return;
    // The count the field held before the user began typing into it: a
    // refused count goes back to it, not to the keystroke before.
    QString& last = m_lastEinbautenText[size_t(i - 1)];
    const QString text = field->text().trimmed();
    const QString problem = CheckCountText(text);
    if (!problem.isEmpty() && !FillingSectionInputs()) {
        // Back to the count before this edit, before the message takes
        // the focus away.
        {
            const QSignalBlocker block(field);
            field->setText(last);
        }
        MessageDlg(problem, mtError, mbOK);
    } else {
        if (text != last) sectionInputChanged();
        if (FillingSectionInputs() || !field->hasFocus()) last = field->text();
    }
    setFieldColor(field, field->Value() > 0 ? clAqua : clWhite);
}

void TMainForm::userActs()
{
    m_refusedDescription.reported = false;
}

void TMainForm::countFieldLeft(QObject* field)
{
    for (int n = 1; n <= 12; ++n)
        if (EinbautenEditNr(n) == field) m_lastEinbautenText[size_t(n - 1)] = EinbautenEditNr(n)->text();
}

// ---- count grids ------------------------------------------------------------------

void TMainForm::ColorCountCell(TCellGrid* grid, int col, int row)
{
    grid->SetColorCell(col, row, CountIsMarked(grid->Cells(col, row)) ? clYellow : clWindow);
}

QString TMainForm::editStartText(const QObject* grid, int col, int row) const
{
    const auto it = m_editStart.find(grid);
    if (it != m_editStart.end() && it->second.col == col && it->second.row == row) return it->second.text;
    return QString();
}

void TMainForm::ZetaBogenGlattGridSetEditText(QObject* Sender, int ACol, int ARow, const QString& Value)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid) return;
    QString previous = editStartText(grid, ACol, ARow);
    if (previous.isEmpty() || !CheckCountText(previous).isEmpty()) previous = QStringLiteral("0");
    const QString typed = Value.trimmed();
    const QString problem = CheckCountText(typed);
    if (!problem.isEmpty()) {
        grid->SetCells(ACol, ARow, previous);
        ColorCountCell(grid, ACol, ARow);
        ++m_cellRefusals;
        MessageDlg(problem, mtError, mbOK);
        return;
    }
    grid->SetCells(ACol, ARow, typed.isEmpty() ? QStringLiteral("0") : typed);
    if (grid->Cells(ACol, ARow) != previous) sectionInputChanged();
    ColorCountCell(grid, ACol, ARow);
}

void TMainForm::ZetaBogenGlattGridGetEditText(QObject* Sender, int ACol, int ARow, QString& Value)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid) return;
    if (Value.isEmpty()) {
        Value = QStringLiteral("0");
        grid->SetCells(ACol, ARow, Value);
    }
    m_editStart[grid] = TCellEditStart{ACol, ARow, Value};
    ColorCountCell(grid, ACol, ARow);
}

void TMainForm::ZetaBogenGlattGridValidateEdit(QObject* Sender, int ACol, int ARow, bool&)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid || ACol < 0 || ARow < 0) return;
    if (grid->Cells(ACol, ARow).isEmpty()) {
        grid->SetCells(ACol, ARow, QStringLiteral("0"));
        ColorCountCell(grid, ACol, ARow);
    }
}

void TMainForm::FremdEinbGridSetEditText(QObject* Sender, int ACol, int ARow, const QString& Value)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid || ARow < 1) return;
    // What each column takes: count, description, loss per piece.
    auto check = [ACol, grid](const QString& t) {
        if (ACol == 0) return CheckCountText(t.trimmed());
        if (ACol == 2) return CheckDpText(t.trimmed());
        return CheckDescriptionText(t, grid->Cells(ACol, 0));
    };
    QString previous = editStartText(grid, ACol, ARow);
    if (!check(previous).isEmpty()) previous = ACol == 1 ? QString() : QStringLiteral("0");
    const QString problem = check(Value);
    if (!problem.isEmpty() && ACol == 1) {
        // A description is a text worth keeping: the cell holds what was
        // typed until the end of the edit refuses it and opens the editor
        // on it again, so that only the wrong character has to go.
        // The same refused text again (the end of the edit runs more than
        // once in one action of the user): it has had its message.
        const TRefusedEdit& last = m_refusedDescription;
        const bool again = last.col == ACol && last.row == ARow && last.typed == Value;
        m_refusedDescription = TRefusedEdit{ACol, ARow, again ? last.before : previous, Value, again && last.reported};
        return;
    }
    if (m_refusedDescription.col == ACol && m_refusedDescription.row == ARow) m_refusedDescription = TRefusedEdit{};
    if (!problem.isEmpty()) {
        grid->SetCells(ACol, ARow, previous);
        ++m_cellRefusals;
        MessageDlg(problem, mtError, mbOK);
        return;
    }
    if (ACol != 1 && Value.trimmed() != Value) grid->SetCells(ACol, ARow, Value.trimmed());
    if (grid->Cells(ACol, ARow) != previous) sectionInputChanged();
}

void TMainForm::FremdEinbGridValidateEdit(QObject* Sender, int ACol, int ARow, bool& Result)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid || ARow < 1) return;
    TRefusedEdit& refused = m_refusedDescription;
    if (refused.col == ACol && refused.row == ARow && grid->Cells(ACol, ARow) == refused.typed) {
        // Refused: the editor opens on the typed text again.  One action of
        // the user (a key, a click) shows the message once, however often
        // it ends the edit (a save stores the section after committing).
        const QString problem = CheckDescriptionText(refused.typed, grid->Cells(ACol, 0));
        Result = false;
        if (!refused.reported) {
            refused.reported = true;
            MessageDlg(problem, mtError, mbOK);
        }
        return;
    }
    if (grid->Cells(0, ARow).isEmpty()) grid->SetCells(0, ARow, QStringLiteral("0"));
    if (grid->Cells(2, ARow).isEmpty()) grid->SetCells(2, ARow, QStringLiteral("0"));
}

void TMainForm::FremdEinbGridCancelEdit(QObject* Sender, int ACol, int ARow)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid || m_refusedDescription.col != ACol || m_refusedDescription.row != ARow) return;
    // Escape on a refused description: the text before the edit comes back.
    grid->SetCells(ACol, ARow, m_refusedDescription.before);
    m_refusedDescription = TRefusedEdit{};
}

bool TMainForm::CommitGridEdits()
{
    // A count or loss refused as its editor closes here goes back to its
    // old value; the command that closed it stops all the same.
    const int refusalsBefore = m_cellRefusals;
    bool ok = true;
    for (TCellGrid* grid : CountGrids())
        if (grid && !grid->commitEdit()) ok = false;
    if (FremdEinbGrid) {
        const TRefusedEdit& refused = m_refusedDescription;
        auto* editor = qobject_cast<QLineEdit*>(FremdEinbGrid->InplaceEditor());
        const bool unchanged = refused.reported && FremdEinbGrid->EditorMode() && editor && editor->isVisible() &&
                               FremdEinbGrid->EditedCell().X == refused.col && FremdEinbGrid->EditedCell().Y == refused.row &&
                               editor->text() == refused.typed;
        // A refused description still open unchanged has had its message
        // in this action of the user.
        if (unchanged || !FremdEinbGrid->commitEdit()) ok = false;
        // Refused (also at the end of an edit that a focus change had
        // ended before) and not corrected yet: nothing may take the cells.
        if (refused.row >= 1 && FremdEinbGrid->Cells(refused.col, refused.row) == refused.typed) ok = false;
    }
    if (m_cellRefusals != refusalsBefore) ok = false;
    return ok;
}

// ---- the tabs and the snapshot -------------------------------------------------------

TSectionInputs TMainForm::SectionInputsFromForm() const
{
    TSectionInputs in;
    in.RohrartChecked = RohrartCB->isChecked();
    in.KanalartChecked = KanalartCB->isChecked();
    in.OvalChecked = ovalCB->isChecked();
    in.OvalEnabled = ovalCB->isEnabled();
    in.MaterialIndex = KanalartCombo->currentIndex();
    in.VpVorgabe = fieldText(VpVorgabeEdit);
    in.TSLaenge = fieldText(TSLaengeEdit);
    in.DNRohr = fieldText(DNRohrEdit);
    in.KanalHoehe = fieldText(KanalHoeheEdit);
    in.Geschw = fieldText(GeschwEdit);
    in.HydrDurchm = fieldText(HydrDurchmEdit);
    in.Flaeche = fieldText(FlaecheEdit);
    in.DpRohr = fieldText(DpRohrEdit);
    in.DpFormstueck = fieldText(DpFormstueckEdit);
    in.DpGesamt = fieldText(DpGesamtEdit);
    in.VpLeitungGes = fieldText(VpLeitungGesEdit);
    in.DpLeitungGes = fieldText(dpLeitungGesEdit);
    in.Wellenleistung = fieldText(WellenleistungEdit);
    for (const TSlotInfo& s : SlotTable()) {
        if (s.grid) {
            const TCellGrid* grid = countGrid(*this, s.grid);
            in.SlotAnzahl[size_t(s.slot)] = grid ? grid->Cells(s.col, s.row).trimmed() : QStringLiteral("0");
        }
    }
    for (int i = 1; i <= 12; ++i) {
        const QString t = EinbautenEditNr(i)->text().trimmed();
        in.EinbautenAnzahl[size_t(i)] = t.isEmpty() ? QStringLiteral("0") : t;
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        TFremdZeile& z = in.Fremd[size_t(j)];
        z.Anzahl = FremdEinbGrid->Cells(0, j).trimmed();
        z.Beschreibung = FremdEinbGrid->Cells(1, j);
        z.Dp = FremdEinbGrid->Cells(2, j).trimmed();
    }
    in.NodeSelected = TSTreeView->currentItem() != nullptr;
    const int k = SelectedSectionIndex();
    if (QTreeWidgetItem* node = TSTreeView->topLevelItem(k - 1)) in.SectionCaption = node->text(0);
    return in;
}

void TMainForm::ShowSectionInputs(const TSectionInputs& in)
{
    TFillGuard guard(m_fillingInputs);
    if (in.MaterialIndex >= 0 && in.MaterialIndex < KanalartCombo->count()) {
        const QSignalBlocker block(KanalartCombo);
        KanalartCombo->setCurrentIndex(in.MaterialIndex);
    }
    applyShape(in.RohrartChecked || !in.KanalartChecked, in.OvalChecked);

    setFieldText(DNRohrEdit, in.DNRohr);
    setFieldText(KanalHoeheEdit, in.KanalHoehe);
    setFieldText(TSLaengeEdit, in.TSLaenge);
    setFieldText(VpVorgabeEdit, in.VpVorgabe);
    // The velocity field's state follows the dimensions shown; the velocity
    // itself comes after it, since setting the state resets the value.
    const double a = DNRohrEdit->Value();
    const double b = KanalHoeheEdit->Value();
    setVelocityComputed(RohrartCB->isChecked() ? (a > 0 && b == 0) : (a > 0 && b > 0));
    setFieldText(GeschwEdit, in.Geschw);
    setFieldText(HydrDurchmEdit, in.HydrDurchm);
    setFieldText(FlaecheEdit, in.Flaeche);
    setFieldText(DpRohrEdit, in.DpRohr);
    setFieldText(DpFormstueckEdit, in.DpFormstueck);
    setFieldText(DpGesamtEdit, in.DpGesamt);
    setFieldText(VpLeitungGesEdit, in.VpLeitungGes);
    setFieldText(dpLeitungGesEdit, in.DpLeitungGes);
    setFieldText(WellenleistungEdit, in.Wellenleistung);

    for (const TSlotInfo& s : SlotTable()) {
        if (!s.grid) continue;
        TCellGrid* grid = countGrid(*this, s.grid);
        if (!grid) continue;
        const QString& count = in.SlotAnzahl[size_t(s.slot)];
        grid->SetCells(s.col, s.row, count.isEmpty() ? QStringLiteral("0") : count);
        ColorCountCell(grid, s.col, s.row);
    }
    for (int i = 1; i <= 12; ++i) setFieldText(EinbautenEditNr(i), in.EinbautenAnzahl[size_t(i)]);
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const TFremdZeile& z = in.Fremd[size_t(j)];
        FremdEinbGrid->SetCells(0, j, z.Anzahl);
        FremdEinbGrid->SetCells(1, j, z.Beschreibung);
        FremdEinbGrid->SetCells(2, j, z.Dp);
    }
}

int TMainForm::SelectedSectionIndex() const
{
    QTreeWidgetItem* item = TSTreeView->currentItem();
    if (!item) return 0;
    QTreeWidgetItem* top = item;
    while (top->parent()) top = top->parent();
    return NodeToSectionIndex(TSTreeView->indexOfTopLevelItem(top), item->parent() != nullptr);
}

// ---- input check, store, load, clear ---------------------------------------------------

bool TMainForm::ValidateSectionInputs()
{
    return ::ValidateSectionInputs(Projekt, SectionInputsFromForm());
}

bool TMainForm::StoreSectionFromForm(int k)
{
    // An open cell whose text was refused has said why and is open again.
    if (!CommitGridEdits()) return false;
    TSectionInputs in = SectionInputsFromForm();
    // The record takes the name of its own section node, whichever node
    // (the section or one of its children) is selected.
    QTreeWidgetItem* node = TSTreeView->topLevelItem(k - 1);
    in.SectionCaption = node ? node->text(0) : QString();
    if (k < 1 || k > Projekt.TSAnzahl) {
        // No record to write: only the input check and its message.
        if (::ValidateSectionInputs(Projekt, in)) return true;
        const TFormMessageTexts texte(*this);
        MessageDlg(texte.MessageText(TMessageList::MessStrHolder3, 8) + QLatin1Char('\r') +
                       texte.MessageText(TMessageList::MessStrHolder3, 9) + QLatin1Char('\r') +
                       texte.MessageText(TMessageList::MessStrHolder3, 10),
                   mtError, mbOK);
        return false;
    }
    const TWertDateiStand werte;
    const TFormMessageTexts texte(*this);
    try {
        return StoreSectionFromInputs(Projekt, k, in, werte, texte);
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, mbOK);
        return false;
    }
}

bool TMainForm::StoreCurrentSection()
{
    const int k = SelectedSectionIndex();
    if (k < 1) return true;
    return StoreSectionFromForm(k);
}

void TMainForm::LoadSectionToForm(int k)
{
    if (k < 1 || k > Projekt.TSAnzahl) return;
    // No editor stays open over the values loaded.  The commands that load
    // have committed before they changed anything; what a cell refuses here
    // is replaced by the section's value anyway.
    CommitGridEdits();
    TSectionInputs in = SectionInputsFromForm();
    try {
        LoadSectionToInputs(Projekt, k, in);
    } catch (const Exception& e) {
        // A count in the record that is no number: shown as it is.
        MessageDlg(e.Message(), mtError, mbOK);
    }
    // The totals are the network's, not the section's: they stay while
    // they hold for every section.
    if (Projekt.AlleBerechnet) ::ShowTotals(Projekt, in);
    ShowSectionInputs(in);
}

void TMainForm::ClearSectionInputs()
{
    TSectionInputs in = SectionInputsFromForm();
    ::ClearSectionInputs(in);
    ShowSectionInputs(in);
    TFillGuard guard(m_fillingInputs);
    const QSignalBlocker block(KanalartCombo);
    SelectFirstMaterial();
}

void TMainForm::ClearResultEdits()
{
    TFillGuard guard(m_fillingInputs);
    for (TCurrencyEdit* e : {DNRohrEdit, KanalHoeheEdit, GeschwEdit}) setFieldText(e, QStringLiteral("0"));
    // Without dimensions the velocity is an input.
    setVelocityComputed(false);
    clearCalculatedResults();
}

void TMainForm::clearCalculatedResults()
{
    TFillGuard guard(m_fillingInputs);
    for (TCurrencyEdit* e : {HydrDurchmEdit, FlaecheEdit, DpRohrEdit, DpFormstueckEdit, DpGesamtEdit, VpLeitungGesEdit,
                             dpLeitungGesEdit, WellenleistungEdit})
        setFieldText(e, QStringLiteral("0"));
    Projekt.AlleBerechnet = false;
}

// ---- results and the calculation commands ------------------------------------------------

void TMainForm::ShowSectionResults(int k)
{
    if (k < 1 || k > Projekt.TSAnzahl) return;
    TFillGuard guard(m_fillingInputs);
    for (const TFieldText& f : SectionResultTexts(Projekt, k))
        if (auto* e = findChild<TCurrencyEdit*>(f.Field)) setFieldText(e, f.Text);
}

void TMainForm::ShowTotals()
{
    TFillGuard guard(m_fillingInputs);
    TSectionInputs in;
    ::ShowTotals(Projekt, in);
    setFieldText(VpLeitungGesEdit, in.VpLeitungGes);
    setFieldText(dpLeitungGesEdit, in.DpLeitungGes);
    setFieldText(WellenleistungEdit, in.Wellenleistung);
}

bool TMainForm::showCalcError(const QString& message)
{
    MessageDlg(message, mtError, mbOK);
    return false;
}

void TMainForm::mAktuelleTSClick()
{
    if (!CommitGridEdits()) return;
    const int k = SelectedSectionIndex();
    if (k < 1 || k > Projekt.TSAnzahl) return;
    TSectionInputs in = SectionInputsFromForm();
    const TWertDateiStand werte;
    const TFormMessageTexts texte(*this);
    try {
        if (!CalculateCurrentSectionCommand(Projekt, in, k, werte, texte)) return;
    } catch (const Exception& e) {
        showCalcError(e.Message());
        return;
    }
    ShowSectionResults(k);
}

void TMainForm::mAlleTSClick()
{
    calculateAllSections();
}

bool TMainForm::calculateAllSections()
{
    if (!CommitGridEdits()) return false;
    const int k = SelectedSectionIndex();
    TSectionInputs in = SectionInputsFromForm();
    const TWertDateiStand werte;
    const TFormMessageTexts texte(*this);
    try {
        if (!CalculateAllSectionsCommand(Projekt, in, k, werte, texte)) return false;
    } catch (const Exception& e) {
        Projekt.AlleBerechnet = false;
        showCalcError(e.Message());
        return false;
    }
    ShowSectionResults(k);
    ShowTotals();
    Projekt.AlleBerechnet = true;
    return true;
}
