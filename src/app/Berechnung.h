#pragma once
// The pressure-loss calculation: per section the missing dimension or the
// velocity, area, hydraulic diameter, friction, fitting and section losses,
// written back into the record as text; for the network the largest volume
// flow, the total loss and the fan's shaft power.
//
// Units: volume flow V m³/h; dimensions a (diameter or width) and b (height)
// mm; length m; velocity m/s; area m²; hydraulic diameter m; roughness mm;
// pressure Pa; power kW.
#include "app/Eingaben.h"
#include "app/Projekt.h"
#include "app/WertQuelle.h"
#include "platform/Exceptions.h"
#include <QString>
#include <vector>

// A value the calculation cannot use (a missing or non-numeric value-file
// entry, a hydraulic diameter of 0, a roughness or fan efficiency of 0, a
// result that does not fit its field).  The message says what is wrong; the
// command that was running stops and shows it.
class ECalcError : public Exception { using Exception::Exception; };

// Duct shapes as the record's Kanalform holds them.
constexpr int KanalformRund = 1;
constexpr int KanalformRechteck = 2;
constexpr int KanalformOval = 3;

// The factor of the flat-oval duct's rounded ends (a value of its own).
constexpr double OvalFaktor = 0.785;

// The shape number of a Kanalform text, 0 for anything else.
int ShapeOf(const QString& kanalform);

// Cross-section area in m²; 0 for an unknown shape.
double CrossSectionArea(int shape, double a, double b);
// V / (A x 3600) in m/s.
double VelocityFromFlow(int shape, double V, double a, double b);

// Which side DimensionFromFlow is given (matters only for the flat-oval duct).
enum class TGegebeneSeite { Breite, Hoehe };
// The missing dimension in mm for flow V at velocity w: round: the diameter
// (`side` unused); rectangular: the other side; flat-oval: given the height
// b, the width A/b + (1 - 0,785) b; given the width a, the smaller positive
// height b of (0,785 - 1) b² + a b - A = 0 (A in mm²).  Throws ECalcError when
// no such dimension exists.
double DimensionFromFlow(int shape, double V, double side, double w,
                         TGegebeneSeite gegeben = TGegebeneSeite::Breite);
// Hydraulic diameter in m; 0 for an unknown shape.
double HydraulicDiameter(int shape, double a, double b);
// Friction gradient in Pa/m: (1 / (2,28 log10(k / 1000 / dh)))² / dh x 0,6 w².
// Throws ECalcError for dh <= 0, k <= 0, k / 1000 = dh or a result that is
// no finite number.
double FrictionGradient(double dh, double w, double k);

// Roughness in mm of material "0".."5" from section "Material" of the value
// file.  Missing value file: "Zetawerte nicht vorhanden" (information).
// Throws ECalcError for another material text and for a missing, non-numeric
// or non-positive entry.
double RoughnessByMaterial(const QString& material, const IValueSource& werte,
                           const IMessageTexts& texte = DefaultMessageTexts());

// round(x / 10) x 10, exact halves to the even multiple of ten.
double RoundToTens(double x);
// A result as the record keeps it: two decimals with a comma.  Throws
// ECalcError for a value that is no finite number or whose text does not fit
// the record's 10 characters.
QString ResultText(double x);
// Vp / 3600 x Dp / eta / 1000, rounded to two decimals with halves upwards.
double ShaftPower(double vpMax, double dpSum, double eta);

// ZetaSumme and FremdSumme of record k from the slots and further components
// with a count above 0.  Throws ECalcError for a zeta, count or loss text that
// is no number (the message names slot, key and value-file section).
void SumFittingLosses(TProjekt& projekt, int k);
// Calculates record k from its stored inputs (the shown section must have
// been stored before).  A missing dimension is derived from the velocity and
// rounded to tens; the velocity is then that of the rounded duct.  A section
// without volume flow stays as it is.  On ECalcError the record is left
// exactly as it was.
void CalculateSection(TProjekt& projekt, int k, const IValueSource& werte,
                      const IMessageTexts& texte = DefaultMessageTexts());
// DpLeitungGes := sum of the sections' DpGesamt.
void SumTotalPressureLoss(TProjekt& projekt);
// VpLeitungGes, DpLeitungGes, Wellenleistung (fan efficiency "EtaVentilator"
// of section "Material").  On ECalcError the totals are left as they were.
void CalculateTotals(TProjekt& projekt, const IValueSource& werte,
                     const IMessageTexts& texte = DefaultMessageTexts());

// One field the results are written into, in the order the form writes them.
struct TFieldText {
    QString Field;  // control name, "GeschwEdit" ...
    QString Text;
};
// GeschwEdit, DNRohrEdit, GeschwEdit, DNRohrEdit, KanalHoeheEdit, GeschwEdit,
// HydrDurchmEdit, FlaecheEdit, DpRohrEdit, DpFormstueckEdit, DpGesamtEdit.
// The velocity comes again after the dimensions because changing a
// dimension field resets the velocity field.
std::vector<TFieldText> SectionResultTexts(const TProjekt& projekt, int k);
// Puts those texts into the snapshot.
void ShowSectionResults(const TProjekt& projekt, int k, TSectionInputs& shown);
// The three network totals into the snapshot.
void ShowTotals(const TProjekt& projekt, TSectionInputs& shown);

// ---- the two calculation commands ------------------------------------------
// `shown` is what the tabs show, `shownSection` its section number (from
// NodeToSectionIndex of the selected node; 0 when no node is selected).
// Both store the shown section first; when that fails (the input message has
// been shown) they return false and change nothing else.  ECalcError reaches
// the caller, which shows its message.  A calculation is no change of the
// project of its own: ProjektGespeichert stays as it is (the input that made
// the results old has marked the project changed already).

// "Teilstrecke berechnen": calculates and shows the shown section.
bool CalculateCurrentSectionCommand(TProjekt& projekt, TSectionInputs& shown, int shownSection,
                                    const IValueSource& werte,
                                    const IMessageTexts& texte = DefaultMessageTexts());
// "Gesamtleitung berechnen": stores once, calculates every section in order,
// forms the totals, shows the shown section's results and the totals, and
// sets AlleBerechnet.  When a section fails, later sections and the totals
// are not calculated and AlleBerechnet stays false.
bool CalculateAllSectionsCommand(TProjekt& projekt, TSectionInputs& shown, int shownSection,
                                 const IValueSource& werte,
                                 const IMessageTexts& texte = DefaultMessageTexts());
