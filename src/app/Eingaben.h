#pragma once
// The inputs of one section as the three tabs of the main window show them,
// and the moves between them and the section record: the input check, the
// store (with the zeta value of every fitting from the value file), the load
// and the clearing of the inputs.  The main window fills a TSectionInputs
// from its controls, calls these routines, and shows the snapshot back.
#include "app/Projekt.h"
#include "app/WertQuelle.h"
#include <QString>
#include <array>

// The message lists of the main window, fetched by list and index.
enum class TMessageList { MessStrHolder1, MessStrHolder2, MessStrHolder3, GridStrHolder };

class IMessageTexts {
public:
    virtual ~IMessageTexts() = default;
    virtual QString MessageText(TMessageList list, int index) const = 0;
    // The label of an input or result field of the tabs, by the field's
    // control name ("VpVorgabeEdit", "EinbautenEdit3"); messages name fields
    // by it.  Here the German label of the form; empty for an unknown name.
    virtual QString FieldLabel(const QString& control) const;
};

// The label that stands beside `control` on the main window's form
// ("Label1" for "VpVorgabeEdit"); empty for an unknown name.
QString FieldLabelName(const QString& control);
// The label of the diameter or width field: "Rohr-Durchmesser" for a round
// pipe, "Kanal-Breite" for a duct.
QString DNRohrLabel(const IMessageTexts& texte, bool rund);
// The name of a fitting slot 1..99 for messages: the built-in components
// by their field's label, the fittings by the name of their kind
// ("Bogen rund, glatt").
QString SlotLabel(const IMessageTexts& texte, int slot);
// A field of further component row j: "Beschreibung (Sonstige Einbauten,
// Zeile 2)"; `column` 0 count, 1 description, 2 pressure loss.
QString FremdFieldLabel(const IMessageTexts& texte, int column, int row);

// The German texts of the items used here; empty for any other item.
class TDefaultMessageTexts : public IMessageTexts {
public:
    QString MessageText(TMessageList list, int index) const override;
};
const IMessageTexts& DefaultMessageTexts();

// One row of the further components' grid.
struct TFremdZeile {
    QString Anzahl = QStringLiteral("0");  // column 0 "Menge"
    QString Beschreibung;                  // column 1
    QString Dp = QStringLiteral("0");      // column 2 "Dp (Pa)"
};

// Everything the tabs show for one section.  Numeric fields are held as
// decimal text with a comma and no thousands separators ("2,5"); an empty
// text counts as 0.
struct TSectionInputs {
    // Shape: round pipe (RohrartCB) or rectangular duct (KanalartCB),
    // flat-oval when OvalChecked as well.
    bool RohrartChecked = true;
    bool KanalartChecked = false;
    bool OvalChecked = false;
    bool OvalEnabled = false;
    int MaterialIndex = 0;  // item index of KanalartCombo, -1 when none

    QString VpVorgabe = QStringLiteral("0");   // volume flow, m³/h
    QString TSLaenge = QStringLiteral("0");    // section length, m
    QString DNRohr = QStringLiteral("0");      // diameter or width, mm
    QString KanalHoehe = QStringLiteral("0");  // height, mm
    QString Geschw = QStringLiteral("0");      // velocity, m/s

    // Result fields.
    QString HydrDurchm = QStringLiteral("0");
    QString Flaeche = QStringLiteral("0");
    QString DpRohr = QStringLiteral("0");
    QString DpFormstueck = QStringLiteral("0");
    QString DpGesamt = QStringLiteral("0");
    // Network totals.
    QString VpLeitungGes = QStringLiteral("0");
    QString DpLeitungGes = QStringLiteral("0");
    QString Wellenleistung = QStringLiteral("0");

    // Count cell of the count grids by slot 1..87 (see SlotTable for the cell
    // of each slot); index 0 unused.
    std::array<QString, 88> SlotAnzahl;
    // EinbautenEdit1..12 (slots 88..99); index 0 unused.
    std::array<QString, 13> EinbautenAnzahl;
    // FremdEinbGrid rows 1..20; index 0 unused.
    std::array<TFremdZeile, FremdEinbautenAnzahl + 1> Fremd;

    // Caption of the section node of the shown section (the node itself or
    // the parent of the selected child), and whether a node is selected.
    QString SectionCaption;
    bool NodeSelected = true;

    TSectionInputs();

    // The count text of slot 1..99, wherever it is entered.
    QString& CountOfSlot(int slot);
    const QString& CountOfSlot(int slot) const;
};

// Result of the input check.
enum class TInputState { Valid, Empty, Invalid };

// The check of the data tab; sets projekt.TSLeer.
TInputState CheckSectionInputs(const TSectionInputs& in);
bool ValidateSectionInputs(TProjekt& projekt, const TSectionInputs& in);

// Stores the snapshot into record k (1..TSAnzahl).  Missing value file:
// "Zetawerte nicht vorhanden" (information) and the zeta texts stay empty.
// Invalid inputs: the three-line message (error), false, nothing stored.
// Empty inputs (nothing given on the data tab): true; the data tab's
// fields are not stored (the record keeps them, and its Nummer), but the
// fitting counts, built-in components and further components are.  No node
// selected: nothing stored, counts summed (valid inputs only), true.  A
// count, loss or description the record cannot hold (see the validators
// below), or (valid inputs) a length or velocity whose text its
// 10-character field would change: a message naming it, false, nothing
// stored.
bool StoreSectionFromInputs(TProjekt& projekt, int k, const TSectionInputs& in,
                            const IValueSource& werte,
                            const IMessageTexts& texte = DefaultMessageTexts());

// Shows record k in the snapshot.  The record's results are set to "0" when
// its velocity is "0" or empty.  The shape, material, dimensions, velocity
// and results are set only for a record that was stored before (Nummer not
// empty); returns whether they were.  Counts and further components are
// always set.  Sums the counts (SumFittingCounts).
bool LoadSectionToInputs(TProjekt& projekt, int k, TSectionInputs& out);

// Resets every input of the snapshot; the oval check box stays as it is.
void ClearSectionInputs(TSectionInputs& in);

// A count cell is marked (yellow) when its count is 1 or more.
bool CountIsMarked(const QString& countText);

// ---- what the count cells and fields accept -------------------------------
// Each returns an empty text when `text` is acceptable and else the message
// to show; the form then refuses the text and keeps the old one.
// Counts: a whole number 0..999 (an empty text stands for 0).
QString CheckCountText(const QString& text);
// Pressure loss of a further component: a decimal number >= 0 with a comma
// as separator, at most 10 characters (an empty text stands for 0).
QString CheckDpText(const QString& text);
// Description of a further component: no ";" (it separates list entries in
// the project file) and only characters the file can store (Windows-1252);
// `field` names the field in the message.
QString CheckDescriptionText(const QString& text, const QString& field = QStringLiteral("Beschreibung"));
// Name of a section: no ";" either (the file lists the names with it), and
// only characters the file can store.
QString CheckSectionNameText(const QString& text);
// What the messages call the name of a section.
QString SectionNameField();
