#include "app/Berechnung.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kPiViertel = std::numbers::pi / 4.0;

struct MaterialInfo {
    const char* key;
    const char* name;
};
constexpr std::array<MaterialInfo, 6> kMaterials = {{
    {"EBlech", "Blechkanal gefalzt"},
    {"EFlex", "Flexibler Schlauch"},
    {"EFaserzement", "Faserzement"},
    {"EHolz", "Holzkanal"},
    {"EBeton", "Betonkanal"},
    {"EEGemauert", "Gemauerter Kanal"},
}};

const QString kWertDatei = QStringLiteral("SBWert.Dat");

// A field's name for a message, looked up only when there is a message to
// give: the names come from the form, and a calculation reads hundreds of
// fields per section.
auto labelOf(const IMessageTexts& texte, const char* control)
{
    return [&texte, control] { return texte.FieldLabel(QLatin1String(control)); };
}

// The number in a record text; an empty text is 0.  `label()` names the
// field as the form shows it.
template <class Label>
double recordNumber(const QString& text, const Label& label)
{
    if (text.trimmed().isEmpty()) return 0.0;
    double v = 0;
    if (!TryStrToFloat(text, v) || !std::isfinite(v))
        throw ECalcError(QStringLiteral("Das Feld „%1“ enthält keine Zahl („%2“).").arg(label(), text));
    return v;
}

// A number read from the value file: must be present and numeric.
double valueFileNumber(const IValueSource& werte, const QString& section, const QString& key,
                       const QString& what)
{
    const QString text = werte.Available() ? werte.ReadValue(section, key) : QString();
    double v = 0;
    if (text.trimmed().isEmpty() || !TryStrToFloat(text, v) || !std::isfinite(v))
        throw ECalcError(QStringLiteral("Der Wert „%1“ (%2) in %3 fehlt oder ist keine Zahl.")
                             .arg(key, what, kWertDatei));
    if (v <= 0)
        throw ECalcError(QStringLiteral("Der Wert „%1“ (%2) in %3 muss größer als 0 sein.")
                             .arg(key, what, kWertDatei));
    return v;
}

void reportMissingValueFile(const IValueSource& werte, const IMessageTexts& texte)
{
    if (!werte.Available())
        MessageDlg(texte.MessageText(TMessageList::MessStrHolder1, 8), mtInformation, mbOK);
}

// A result text for the field `label()` names, with the field named when
// it cannot be made.
template <class Label>
QString resultFor(double x, const Label& label)
{
    try {
        return ResultText(x);
    } catch (const ECalcError& e) {
        throw ECalcError(QStringLiteral("%1 (%2)").arg(e.Message(), label()));
    }
}

// A derived dimension as general text.
QString dimensionText(double x)
{
    const QString t = FloatToStr(x);
    if (!std::isfinite(x) || t.size() > 10)
        throw ECalcError(QStringLiteral("Die berechnete Abmessung %1 mm passt nicht in das Feld.").arg(t));
    return t;
}

void sumFittingLosses(TTeilstrecke& r, const IMessageTexts& texte)
{
    double zeta = 0;
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        const TEinbauEintrag& e = r.Einbauten(i);
        if (e.Anzahl.str() == QLatin1String("0")) continue;  // the usual case, no conversion needed
        const double n = recordNumber(e.Anzahl, [&texte, i] { return SlotLabel(texte, i); });
        if (!(n > 0)) continue;
        double z = 0;
        if (e.Zeta.str().trimmed().isEmpty() || !TryStrToFloat(e.Zeta, z) || !std::isfinite(z)) {
            const TSlotInfo& s = SlotInfo(i);
            throw ECalcError(QStringLiteral("Der Zetawert „%1“ (%2) in %3 fehlt oder ist keine Zahl "
                                            "(„%4“); die Teilstrecke muss danach neu gespeichert werden.")
                                 .arg(QString::fromLatin1(s.key), QString::fromLatin1(s.section),
                                      kWertDatei, e.Zeta.str()));
        }
        zeta += z * n;
    }
    double fremd = 0;
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const TFremdEinbauEintrag& f = r.FremdEinbauten(j);
        const double n = recordNumber(f.Anzahl, [&texte, j] { return FremdFieldLabel(texte, 0, j); });
        if (!(n > 0)) continue;
        fremd += recordNumber(f.Dp, [&texte, j] { return FremdFieldLabel(texte, 2, j); }) * n;
    }
    // Both sums go into the fittings' pressure loss.
    r.ZetaSumme = resultFor(zeta, labelOf(texte, "DpFormstueckEdit"));
    r.FremdSumme = resultFor(fremd, labelOf(texte, "DpFormstueckEdit"));
}

using RoughnessFn = std::function<double(const QString&)>;

// Calculates a copy of record k and puts it in place only when every step
// went through.
void calculateSection(TProjekt& projekt, int k, const RoughnessFn& roughness, const IMessageTexts& texte)
{
    TTeilstrecke r = projekt.Section(k);
    try {
        const auto geschw = labelOf(texte, "GeschwEdit");
        const double V = recordNumber(r.Volumenstrom, labelOf(texte, "VpVorgabeEdit"));
        if (!(V > 0)) return;
        const int shape = ShapeOf(r.Kanalform);
        const double w0 = recordNumber(r.Geschw, geschw);
        double a = recordNumber(r.DNRohr, [&texte, shape] { return DNRohrLabel(texte, shape == KanalformRund); });
        double b = recordNumber(r.KanalHoehe, labelOf(texte, "KanalHoeheEdit"));

        bool derived = false;
        if (shape == KanalformRund) {
            if (a > 0) {
                r.Geschw = resultFor(VelocityFromFlow(shape, V, a, b), geschw);
            } else if (w0 > 0) {
                a = RoundToTens(DimensionFromFlow(shape, V, 0, w0));
                r.DNRohr = dimensionText(a);
                derived = true;
            }
        } else if (shape == KanalformRechteck || shape == KanalformOval) {
            if (a > 0 && b > 0) {
                r.Geschw = resultFor(VelocityFromFlow(shape, V, a, b), geschw);
            } else if (a > 0 && w0 > 0) {
                b = RoundToTens(DimensionFromFlow(shape, V, a, w0, TGegebeneSeite::Breite));
                r.KanalHoehe = dimensionText(b);
                derived = true;
            } else if (b > 0 && w0 > 0) {
                a = RoundToTens(DimensionFromFlow(shape, V, b, w0, TGegebeneSeite::Hoehe));
                r.DNRohr = dimensionText(a);
                derived = true;
            }
        } else {
            throw ECalcError(QStringLiteral("Die Kanalform „%1“ ist unbekannt.").arg(r.Kanalform.str()));
        }
        // The rounded dimension is the duct that gets built: its velocity,
        // not the one typed, goes into the losses, so calculating the section
        // again gives the same results.  A dimension rounded down to nothing
        // leaves the velocity for the diameter check below to refuse.
        if (derived && CrossSectionArea(shape, a, b) > 0)
            r.Geschw = resultFor(VelocityFromFlow(shape, V, a, b), geschw);

        const auto hydr = labelOf(texte, "HydrDurchmEdit");
        r.HydrDurchm = resultFor(HydraulicDiameter(shape, a, b), hydr);
        r.Flaeche = resultFor(CrossSectionArea(shape, a, b), labelOf(texte, "FlaecheEdit"));
        sumFittingLosses(r, texte);

        const double dh = recordNumber(r.HydrDurchm, hydr);
        const double w = recordNumber(r.Geschw, geschw);
        if (!(dh > 0))
            throw ECalcError(QStringLiteral("Der hydraulische Durchmesser ist %1 m; für Kanäle unter 5 mm "
                                            "oder ohne Abmessungen kann kein Reibungsdruckverlust "
                                            "berechnet werden.")
                                 .arg(r.HydrDurchm.str()));
        const double kr = roughness(r.Materialart);
        const double R = FrictionGradient(dh, w, kr);

        const double P1 = recordNumber(r.Laenge, labelOf(texte, "TSLaengeEdit")) * R;
        r.DpRohr = resultFor(P1, labelOf(texte, "DpRohrEdit"));
        const auto formstuecke = labelOf(texte, "DpFormstueckEdit");
        const double P2 = recordNumber(r.FremdSumme, formstuecke)
                          + recordNumber(r.ZetaSumme, formstuecke) * 0.6 * w * w;
        r.DpFormstueck = resultFor(P2, formstuecke);
        r.DpGesamt = resultFor(P1 + P2, labelOf(texte, "DpGesamtEdit"));
    } catch (const ECalcError& e) {
        const QString name = r.Bezeichnung.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(r.Bezeichnung.str());
        throw ECalcError(QStringLiteral("Teilstrecke %1%2: %3").arg(k).arg(name, e.Message()));
    }
    projekt.Section(k) = r;
}

// Reads each material's roughness at most once per command.
class RoughnessCache {
public:
    RoughnessCache(const IValueSource& werte, const IMessageTexts& texte) : m_werte(werte), m_texte(texte) {}
    double operator()(const QString& material)
    {
        const int i = StrToIntDef(material, -1);
        if (i < 0 || i >= int(kMaterials.size()) || material.trimmed() != QString::number(i))
            return RoughnessByMaterial(material, m_werte, m_texte);  // reports the unknown material
        if (!m_values[std::size_t(i)]) m_values[std::size_t(i)] = RoughnessByMaterial(material, m_werte, m_texte);
        return *m_values[std::size_t(i)];
    }

private:
    const IValueSource& m_werte;
    const IMessageTexts& m_texte;
    std::array<std::optional<double>, 6> m_values;
};

}  // namespace

int ShapeOf(const QString& kanalform)
{
    if (kanalform == QLatin1String("1")) return KanalformRund;
    if (kanalform == QLatin1String("2")) return KanalformRechteck;
    if (kanalform == QLatin1String("3")) return KanalformOval;
    return 0;
}

double CrossSectionArea(int shape, double a, double b)
{
    switch (shape) {
    case KanalformRund: return (a / 1000.0) * (a / 1000.0) * kPiViertel;
    case KanalformRechteck: return a * b / 1e6;
    case KanalformOval: return (b * b * OvalFaktor + (a - b) * b) / 1e6;
    default: return 0.0;
    }
}

double VelocityFromFlow(int shape, double V, double a, double b)
{
    return V / (CrossSectionArea(shape, a, b) * 3600.0);
}

double DimensionFromFlow(int shape, double V, double side, double w, TGegebeneSeite gegeben)
{
    const double A = V / (w * 3600.0);  // m²
    double result = 0;
    switch (shape) {
    case KanalformRund:
        result = std::sqrt(A / kPiViertel) * 1000.0;
        break;
    case KanalformRechteck:
        result = A * 1e6 / side;
        break;
    case KanalformOval: {
        const double Amm = A * 1e6;
        if (gegeben == TGegebeneSeite::Hoehe) {
            result = Amm / side + (1.0 - OvalFaktor) * side;
        } else {
            // (0,785 - 1) b² + a b - A = 0, i.e. c b² - a b + A = 0 with c = 1 - 0,785.
            const double c = 1.0 - OvalFaktor;
            const double disc = side * side - 4.0 * c * Amm;
            if (!(disc >= 0))
                throw ECalcError(QStringLiteral("Für einen ovalen Kanal von %1 mm Breite gibt es bei dieser "
                                                "Strömungsgeschwindigkeit keine passende Höhe.")
                                     .arg(FloatToStr(side)));
            // The smaller root, written so that it does not cancel out.
            result = 2.0 * Amm / (side + std::sqrt(disc));
        }
        break;
    }
    default:
        throw ECalcError(QStringLiteral("Die Kanalform %1 ist unbekannt.").arg(shape));
    }
    if (!std::isfinite(result) || !(result > 0))
        throw ECalcError(QStringLiteral("Aus Volumenstrom und Strömungsgeschwindigkeit lässt sich keine "
                                        "Abmessung berechnen."));
    return result;
}

double HydraulicDiameter(int shape, double a, double b)
{
    switch (shape) {
    case KanalformRund: return a / 1000.0;
    case KanalformRechteck: return 2.0 * a * b / (a + b) / 1000.0;
    case KanalformOval: return 4.0 * (b * b * OvalFaktor + (a - b) * b) / ((a - b) * 2.0 + kPi * b) / 1000.0;
    default: return 0.0;
    }
}

double FrictionGradient(double dh, double w, double k)
{
    if (!(dh > 0))
        throw ECalcError(QStringLiteral("Der hydraulische Durchmesser muss größer als 0 sein."));
    if (!(k > 0))
        throw ECalcError(QStringLiteral("Die Rauigkeit muss größer als 0 sein."));
    const double lg = std::log10(k / 1000.0 / dh);
    if (lg == 0.0 || !std::isfinite(lg))
        throw ECalcError(QStringLiteral("Die Rauigkeit (%1 mm) ist so groß wie der hydraulische Durchmesser; "
                                        "der Reibungsdruckverlust kann nicht berechnet werden.")
                             .arg(FloatToStr(k)));
    const double f = 1.0 / (2.28 * lg);
    const double R = f * f * (1.0 / dh) * 0.6 * w * w;
    if (!std::isfinite(R))
        throw ECalcError(QStringLiteral("Der Reibungsdruckverlust ist keine endliche Zahl."));
    return R;
}

double RoughnessByMaterial(const QString& material, const IValueSource& werte, const IMessageTexts& texte)
{
    reportMissingValueFile(werte, texte);
    int i = -1;
    if (!TryStrToInt(material, i) || i < 0 || i >= int(kMaterials.size()))
        throw ECalcError(QStringLiteral("Die Materialart „%1“ ist unbekannt.").arg(material));
    const MaterialInfo& m = kMaterials[std::size_t(i)];
    return valueFileNumber(werte, QStringLiteral("Material"), QString::fromLatin1(m.key),
                           QString::fromUtf8(m.name));
}

double RoundToTens(double x)
{
    return double(Round(x / 10.0)) * 10.0;
}

QString ResultText(double x)
{
    if (!std::isfinite(x)) throw ECalcError(QStringLiteral("Das Ergebnis ist keine endliche Zahl."));
    const QString t = FloatToStrF(x, ffFixed, 7, 2);
    // A value of more than 7 digits comes in exponent form; it must still fit
    // the field and read back as the number it stands for.
    double back = 0;
    if (t.size() > 10 || !TryStrToFloat(t, back) || std::fabs(back - x) > 1e-6 * std::fabs(x) + 0.005)
        throw ECalcError(QStringLiteral("Das Ergebnis %1 ist zu groß für das Feld.").arg(t));
    return t;
}

double ShaftPower(double vpMax, double dpSum, double eta)
{
    const double x = vpMax / 3600.0 * dpSum / eta / 1000.0;
    if (!std::isfinite(x)) throw ECalcError(QStringLiteral("Die Wellenleistung ist keine endliche Zahl."));
    return std::trunc(x * 100.0 + 0.5) / 100.0;
}

void SumFittingLosses(TProjekt& projekt, int k)
{
    TTeilstrecke r = projekt.Section(k);
    try {
        sumFittingLosses(r, DefaultMessageTexts());
    } catch (const ECalcError& e) {
        throw ECalcError(QStringLiteral("Teilstrecke %1: %2").arg(k).arg(e.Message()));
    }
    projekt.Section(k) = r;
}

void CalculateSection(TProjekt& projekt, int k, const IValueSource& werte, const IMessageTexts& texte)
{
    calculateSection(projekt, k, [&](const QString& m) { return RoughnessByMaterial(m, werte, texte); }, texte);
}

namespace {

double sumTotalPressureLoss(const TProjekt& projekt, const IMessageTexts& texte)
{
    double sum = 0;
    for (int k = 1; k <= projekt.TSAnzahl; ++k) {
        try {
            sum += recordNumber(projekt.Section(k).DpGesamt, labelOf(texte, "DpGesamtEdit"));
        } catch (const ECalcError& e) {
            throw ECalcError(QStringLiteral("Teilstrecke %1: %2").arg(k).arg(e.Message()));
        }
    }
    return sum;
}

}  // namespace

void SumTotalPressureLoss(TProjekt& projekt)
{
    projekt.DpLeitungGes = sumTotalPressureLoss(projekt, DefaultMessageTexts());
}

void CalculateTotals(TProjekt& projekt, const IValueSource& werte, const IMessageTexts& texte)
{
    reportMissingValueFile(werte, texte);
    if (projekt.TSAnzahl < 1) {
        projekt.VpLeitungGes = projekt.DpLeitungGes = projekt.Wellenleistung = 0;
        return;
    }
    double vp = 0;
    for (int k = 1; k <= projekt.TSAnzahl; ++k) {
        double v = 0;
        try {
            v = recordNumber(projekt.Section(k).Volumenstrom, labelOf(texte, "VpVorgabeEdit"));
        } catch (const ECalcError& e) {
            throw ECalcError(QStringLiteral("Teilstrecke %1: %2").arg(k).arg(e.Message()));
        }
        if (k == 1 || v > vp) vp = v;
    }
    const double eta = valueFileNumber(werte, QStringLiteral("Material"), QStringLiteral("EtaVentilator"),
                                       QStringLiteral("Wirkungsgrad des Ventilators"));
    const double dp = sumTotalPressureLoss(projekt, texte);
    const double p = ShaftPower(vp, dp, eta);
    projekt.VpLeitungGes = vp;
    projekt.DpLeitungGes = dp;
    projekt.Wellenleistung = p;
}

std::vector<TFieldText> SectionResultTexts(const TProjekt& projekt, int k)
{
    const TTeilstrecke& r = projekt.Section(k);
    return {
        {QStringLiteral("GeschwEdit"), r.Geschw},
        {QStringLiteral("DNRohrEdit"), r.DNRohr},
        {QStringLiteral("GeschwEdit"), r.Geschw},
        {QStringLiteral("DNRohrEdit"), r.DNRohr},
        {QStringLiteral("KanalHoeheEdit"), r.KanalHoehe},
        {QStringLiteral("GeschwEdit"), r.Geschw},
        {QStringLiteral("HydrDurchmEdit"), r.HydrDurchm},
        {QStringLiteral("FlaecheEdit"), r.Flaeche},
        {QStringLiteral("DpRohrEdit"), r.DpRohr},
        {QStringLiteral("DpFormstueckEdit"), r.DpFormstueck},
        {QStringLiteral("DpGesamtEdit"), r.DpGesamt},
    };
}

void ShowSectionResults(const TProjekt& projekt, int k, TSectionInputs& shown)
{
    for (const TFieldText& f : SectionResultTexts(projekt, k)) {
        if (f.Field == QLatin1String("GeschwEdit")) shown.Geschw = f.Text;
        else if (f.Field == QLatin1String("DNRohrEdit")) shown.DNRohr = f.Text;
        else if (f.Field == QLatin1String("KanalHoeheEdit")) shown.KanalHoehe = f.Text;
        else if (f.Field == QLatin1String("HydrDurchmEdit")) shown.HydrDurchm = f.Text;
        else if (f.Field == QLatin1String("FlaecheEdit")) shown.Flaeche = f.Text;
        else if (f.Field == QLatin1String("DpRohrEdit")) shown.DpRohr = f.Text;
        else if (f.Field == QLatin1String("DpFormstueckEdit")) shown.DpFormstueck = f.Text;
        else if (f.Field == QLatin1String("DpGesamtEdit")) shown.DpGesamt = f.Text;
    }
}

void ShowTotals(const TProjekt& projekt, TSectionInputs& shown)
{
    shown.VpLeitungGes = FloatToStr(projekt.VpLeitungGes);
    shown.DpLeitungGes = FloatToStrF(projekt.DpLeitungGes, ffFixed, 15, 2);
    shown.Wellenleistung = FloatToStrF(projekt.Wellenleistung, ffFixed, 15, 2);
}

namespace {

bool storeShown(TProjekt& projekt, const TSectionInputs& shown, int shownSection, const IValueSource& werte,
                const IMessageTexts& texte)
{
    if (shownSection < 1 || shownSection > projekt.TSAnzahl) return true;  // nothing shown to store
    return StoreSectionFromInputs(projekt, shownSection, shown, werte, texte);
}

}  // namespace

bool CalculateCurrentSectionCommand(TProjekt& projekt, TSectionInputs& shown, int shownSection,
                                    const IValueSource& werte, const IMessageTexts& texte)
{
    if (shownSection < 1 || shownSection > projekt.TSAnzahl) return false;
    if (!storeShown(projekt, shown, shownSection, werte, texte)) return false;
    CalculateSection(projekt, shownSection, werte, texte);
    ShowSectionResults(projekt, shownSection, shown);
    return true;
}

bool CalculateAllSectionsCommand(TProjekt& projekt, TSectionInputs& shown, int shownSection,
                                 const IValueSource& werte, const IMessageTexts& texte)
{
    if (!storeShown(projekt, shown, shownSection, werte, texte)) return false;
    projekt.AlleBerechnet = false;
    RoughnessCache roughness(werte, texte);
    for (int k = 1; k <= projekt.TSAnzahl; ++k) calculateSection(projekt, k, std::ref(roughness), texte);
    CalculateTotals(projekt, werte, texte);
    if (shownSection >= 1 && shownSection <= projekt.TSAnzahl) ShowSectionResults(projekt, shownSection, shown);
    ShowTotals(projekt, shown);
    projekt.AlleBerechnet = true;
    return true;
}
