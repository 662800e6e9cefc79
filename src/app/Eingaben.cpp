#include "app/Eingaben.h"
#include "platform/Cp1252Fields.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <stdexcept>

// ---- message texts -----------------------------------------------------------

QString TDefaultMessageTexts::MessageText(TMessageList list, int index) const
{
    switch (list) {
    case TMessageList::MessStrHolder1:
        switch (index) {
        case 6: return QStringLiteral("Teilstrecke");
        case 8: return QStringLiteral("Zetawerte nicht vorhanden");
        case 9: return QStringLiteral("Zubehör");
        case 10: return QStringLiteral("Formstücke");
        case 13: return QStringLiteral("Bogen rund, glatt");
        case 14: return QStringLiteral("Bogen rund, 3 Segmente");
        case 15: return QStringLiteral("Bogen rund, 5 Segmente");
        case 16: return QStringLiteral("Bogen flach, horizontal");
        case 17: return QStringLiteral("Bogen flach, vertikal");
        case 18: return QStringLiteral("Abzweig, 90°");
        case 19: return QStringLiteral("Abzweig, 60°");
        case 20: return QStringLiteral("Abzweig, 45°");
        case 21: return QStringLiteral("Erweiterung, scharfkantig");
        case 22: return QStringLiteral("Reduzierung, scharfkantig");
        case 23: return QStringLiteral("Erweiterung, konisch");
        case 24: return QStringLiteral("Reduzierung, konisch");
        case 38: return QStringLiteral("Rohr-Durchmesser");
        case 39: return QStringLiteral("Kanal-Breite");
        case 40: return QStringLiteral("oval");
        default: break;
        }
        break;
    case TMessageList::MessStrHolder3:
        switch (index) {
        case 8: return QStringLiteral("Es müssen mindestens folgende Felder größer \"0\" sein:");
        case 9: return QStringLiteral("Volumenstrom, Teilstreckenlänge und");
        case 10: return QStringLiteral("Rohrdurchmesser oder Strömungsgeschwindigkeit!!");
        default: break;
        }
        break;
    case TMessageList::GridStrHolder:
        switch (index) {
        case 9: return QStringLiteral("Menge");
        case 10: return QStringLiteral("Beschreibung");
        case 11: return QStringLiteral("Dp (Pa)");
        default: break;
        }
        break;
    default:
        break;
    }
    return QString();
}

namespace {

// The fields of the tabs that messages name, the label beside each on the
// form, and its German text.
struct TFieldLabelEntry {
    const char* control;
    const char* label;
    const char* text;
};
constexpr TFieldLabelEntry kFieldLabels[] = {
    {"VpVorgabeEdit", "Label1", "Volumenstrom"},
    {"TSLaengeEdit", "Label3", "Teilstreckenlänge"},
    {"KanalHoeheEdit", "KanalHoeheLbl", "Kanal-Höhe"},
    {"GeschwEdit", "Label7", "Strömungsgeschwindigkeit"},
    {"HydrDurchmEdit", "Label9", "Hydraulischer Durchmeser"},
    {"FlaecheEdit", "Label11", "Querschnittsfläche"},
    {"DpRohrEdit", "Label13", "Druckverlust Rohr"},
    {"DpFormstueckEdit", "Label15", "Druckverlust Formstücke"},
    {"DpGesamtEdit", "Label17", "Druckverlust gesamt"},
    {"EinbautenEdit1", "Label25", "selbsttätige Verschlußklappe"},
    {"EinbautenEdit2", "Label27", "Wetterschutzgitter"},
    {"EinbautenEdit3", "Label29", "Filterbox"},
    {"EinbautenEdit4", "Label31", "Kanalfilter"},
    {"EinbautenEdit5", "Label33", "Luftfilter"},
    {"EinbautenEdit6", "Label35", "E - Heizregister Rohr"},
    {"EinbautenEdit7", "Label37", "E - Heizregister Kanal"},
    {"EinbautenEdit8", "Label39", "WW - Heizregister Rohr"},
    {"EinbautenEdit9", "Label41", "WW - Heizregister Kanal"},
    {"EinbautenEdit10", "Label43", "Rohrschalldämfper"},
    {"EinbautenEdit11", "Label45", "flex. Rohrschalldämpfer"},
    {"EinbautenEdit12", "Label47", "Kanalschalldämpfer"},
};

const TFieldLabelEntry* fieldLabelEntry(const QString& control)
{
    for (const TFieldLabelEntry& e : kFieldLabels)
        if (control == QLatin1String(e.control)) return &e;
    return nullptr;
}

}  // namespace

QString IMessageTexts::FieldLabel(const QString& control) const
{
    const TFieldLabelEntry* e = fieldLabelEntry(control);
    return e ? QString::fromUtf8(e->text) : QString();
}

QString FieldLabelName(const QString& control)
{
    const TFieldLabelEntry* e = fieldLabelEntry(control);
    return e ? QString::fromLatin1(e->label) : QString();
}

QString DNRohrLabel(const IMessageTexts& texte, bool rund)
{
    return texte.MessageText(TMessageList::MessStrHolder1, rund ? 38 : 39);
}

QString SlotLabel(const IMessageTexts& texte, int slot)
{
    const TSlotInfo& s = SlotInfo(slot);
    if (!s.grid) return texte.FieldLabel(QStringLiteral("EinbautenEdit%1").arg(slot - 87));
    return texte.MessageText(TMessageList::MessStrHolder1, s.code);
}

QString FremdFieldLabel(const IMessageTexts& texte, int column, int row)
{
    const int heading = column == 0 ? 9 : column == 1 ? 10 : 11;
    return QStringLiteral("%1 (Sonstige Einbauten, Zeile %2)")
        .arg(texte.MessageText(TMessageList::GridStrHolder, heading))
        .arg(row);
}

const IMessageTexts& DefaultMessageTexts()
{
    static const TDefaultMessageTexts texts;
    return texts;
}

// ---- snapshot ----------------------------------------------------------------

TSectionInputs::TSectionInputs()
{
    SlotAnzahl.fill(QStringLiteral("0"));
    EinbautenAnzahl.fill(QStringLiteral("0"));
}

QString& TSectionInputs::CountOfSlot(int slot)
{
    const TSlotInfo& info = SlotInfo(slot);
    return info.grid ? SlotAnzahl.at(std::size_t(slot)) : EinbautenAnzahl.at(std::size_t(slot - 87));
}

const QString& TSectionInputs::CountOfSlot(int slot) const
{
    return const_cast<TSectionInputs*>(this)->CountOfSlot(slot);
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The number in a field text; empty is 0, a text that is no number is NaN
// (which counts neither as given nor as 0).
double fieldNumber(const QString& text)
{
    if (text.trimmed().isEmpty()) return 0.0;
    double v = 0;
    if (!TryStrToFloat(text, v) || !std::isfinite(v)) return kNaN;
    return v;
}

bool given(double v) { return v > 0; }
bool notGiven(double v) { return v <= 0; }

const QRegularExpression& countPattern()
{
    static const QRegularExpression re(QStringLiteral("^[0-9]{1,3}$"));
    return re;
}

const QRegularExpression& dpPattern()
{
    static const QRegularExpression re(QStringLiteral("^[0-9]+(,[0-9]+)?$"));
    return re;
}

// The largest number a numeric field of the record holds (nine digits).
constexpr double kFieldLimit = 999999999.0;

// A numeric input the record can hold: a number of less than 10^9 either
// way.  A number beyond that is named as such, with the field's limit.
QString checkNumberField(const QString& text, const QString& label)
{
    double v = fieldNumber(text);
    if (std::isnan(v)) {
        // Written as a number but beyond any floating-point value ("1E400"):
        // still a number, only too large.
        static const QRegularExpression number(QStringLiteral("^ *([+-]?)[0-9]*(,[0-9]*)?[eE][+]?[0-9]+ *$"));
        const QRegularExpressionMatch m = number.match(text);
        if (m.hasMatch() && text.contains(QRegularExpression(QStringLiteral("[0-9].*[eE]"))))
            v = m.captured(1) == QLatin1String("-") ? -HUGE_VAL : HUGE_VAL;
    }
    if (std::isnan(v))
        return QStringLiteral("Die Eingabe „%1“ im Feld „%2“ ist keine gültige Zahl.").arg(text, label);
    if (v >= kFieldLimit + 1)
        return QStringLiteral("Die Eingabe „%1“ im Feld „%2“ ist zu groß: das Feld nimmt höchstens %3 auf.")
            .arg(text.trimmed(), label, FormatFloat(QStringLiteral(",0"), kFieldLimit));
    if (v <= -(kFieldLimit + 1))
        return QStringLiteral("Die Eingabe „%1“ im Feld „%2“ ist zu klein: das Feld nimmt mindestens %3 auf.")
            .arg(text.trimmed(), label, FormatFloat(QStringLiteral(",0"), -kFieldLimit));
    return QString();
}

// A decimal input the record keeps as general text in a 10-character
// field: the text cut to the field may lose decimals but must still be the
// number typed (a long exponent form such as "1,23456789E-6" would lose its
// exponent).
QString checkDecimalField(const QString& text, const QString& label)
{
    QString m = checkNumberField(text, label);
    if (!m.isEmpty()) return m;
    const double v = fieldNumber(text);
    const QString kept = FloatToStr(v).left(10);
    double back = 0;
    if (!TryStrToFloat(kept, back) || std::fabs(back - v) > 1e-3 * std::fabs(v))
        return QStringLiteral("Die Eingabe „%1“ im Feld „%2“ hat zu viele Stellen.").arg(text, label);
    return QString();
}

QString orZero(const QString& text) { return text.trimmed().isEmpty() ? QStringLiteral("0") : text; }

// Everything the record must be able to hold; empty when all is well.
// Fields are named by their labels.  Without `withDaten` only the counts
// and further components are checked (the data tab's fields are not stored).
QString checkStorable(const TSectionInputs& in, const IMessageTexts& texte, bool withDaten)
{
    const auto label = [&texte](const char* control) { return texte.FieldLabel(QLatin1String(control)); };
    QString m;
    if (withDaten) {
        if (!(m = checkNumberField(in.VpVorgabe, label("VpVorgabeEdit"))).isEmpty()) return m;
        if (!(m = checkDecimalField(in.TSLaenge, label("TSLaengeEdit"))).isEmpty()) return m;
        if (!(m = checkNumberField(in.DNRohr, DNRohrLabel(texte, in.RohrartChecked))).isEmpty()) return m;
        if (!(m = checkNumberField(in.KanalHoehe, label("KanalHoeheEdit"))).isEmpty()) return m;
        if (!(m = checkDecimalField(in.Geschw, label("GeschwEdit"))).isEmpty()) return m;
    }
    for (int slot = 1; slot <= 87; ++slot) {
        const QString e = CheckCountText(in.SlotAnzahl[std::size_t(slot)]);
        if (!e.isEmpty()) {
            const TSlotInfo& s = SlotInfo(slot);
            return QStringLiteral("%1 (%2, Zeile %3, Spalte %4)")
                .arg(e, SlotLabel(texte, slot)).arg(s.row).arg(s.col);
        }
    }
    for (int i = 1; i <= 12; ++i) {
        const double v = fieldNumber(in.EinbautenAnzahl[std::size_t(i)]);
        if (std::isnan(v) || v < 0 || v >= 1000)
            return QStringLiteral("Die Stückzahl „%1“ im Feld „%2“ ist keine ganze Zahl von 0 bis 999.")
                .arg(in.EinbautenAnzahl[std::size_t(i)], SlotLabel(texte, 87 + i));
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const TFremdZeile& z = in.Fremd[std::size_t(j)];
        QString e = CheckCountText(z.Anzahl);
        if (e.isEmpty()) e = CheckDpText(z.Dp);
        if (e.isEmpty()) e = CheckDescriptionText(z.Beschreibung, texte.MessageText(TMessageList::GridStrHolder, 10));
        if (!e.isEmpty()) return QStringLiteral("%1 (Sonstige Einbauten, Zeile %2)").arg(e).arg(j);
    }
    return QString();
}

}  // namespace

// ---- input check -------------------------------------------------------------

TInputState CheckSectionInputs(const TSectionInputs& in)
{
    const double V = fieldNumber(in.VpVorgabe);
    const double L = fieldNumber(in.TSLaenge);
    const double D = fieldNumber(in.DNRohr);
    const double H = fieldNumber(in.KanalHoehe);
    const double w = fieldNumber(in.Geschw);
    if (in.RohrartChecked) {
        if (given(V) && given(L) && (given(D) || given(w))) return TInputState::Valid;
        if (notGiven(V) && notGiven(L) && notGiven(D) && notGiven(w)) return TInputState::Empty;
        return TInputState::Invalid;
    }
    if (in.KanalartChecked) {
        if (given(V) && given(L)
            && ((given(D) && given(H)) || (given(D) != given(H) && given(w))))
            return TInputState::Valid;
        if (notGiven(V) && notGiven(L) && notGiven(D) && notGiven(H) && notGiven(w))
            return TInputState::Empty;
        return TInputState::Invalid;
    }
    // Neither shape chosen: nothing that could be stored.
    return TInputState::Invalid;
}

bool ValidateSectionInputs(TProjekt& projekt, const TSectionInputs& in)
{
    const TInputState s = CheckSectionInputs(in);
    projekt.TSLeer = s == TInputState::Empty;
    return s != TInputState::Invalid;
}

// ---- store -------------------------------------------------------------------

bool StoreSectionFromInputs(TProjekt& projekt, int k, const TSectionInputs& in,
                            const IValueSource& werte, const IMessageTexts& texte)
{
    const bool haveValues = werte.Available();
    if (!haveValues)
        MessageDlg(texte.MessageText(TMessageList::MessStrHolder1, 8), mtInformation, mbOK);

    if (!ValidateSectionInputs(projekt, in)) {
        MessageDlg(texte.MessageText(TMessageList::MessStrHolder3, 8) + QLatin1Char('\r')
                       + texte.MessageText(TMessageList::MessStrHolder3, 9) + QLatin1Char('\r')
                       + texte.MessageText(TMessageList::MessStrHolder3, 10),
                   mtError, mbOK);
        return false;
    }
    // Empty data tab: its fields are not stored (the record keeps what it
    // held, and a section never stored keeps its empty number), but the
    // counts and further components typed on the other tabs are.
    const bool leer = projekt.TSLeer;

    if (k < 1) throw std::out_of_range("section number out of range");
    TTeilstrecke& target = projekt.Section(k);  // throws for a k beyond the array

    if (!in.NodeSelected) {
        if (!leer) projekt.SumFittingCounts(k);
        return true;
    }

    const QString problem = checkStorable(in, texte, !leer);
    if (!problem.isEmpty()) {
        MessageDlg(problem, mtError, mbOK);
        return false;
    }

    // Everything is known to fit: build the record, then put it in place.
    TTeilstrecke r = target;
    if (!leer) {
        r.Bezeichnung = in.SectionCaption;
        r.Nummer = IntToStr(k);
        r.Materialart = IntToStr(in.MaterialIndex);
        if (in.RohrartChecked)
            r.Kanalform = "1";
        else
            r.Kanalform = in.OvalChecked ? "3" : "2";
        r.DNRohr = IntToStr(Trunc(fieldNumber(in.DNRohr)));
        r.KanalHoehe = IntToStr(Trunc(fieldNumber(in.KanalHoehe)));
        r.Volumenstrom = IntToStr(Trunc(fieldNumber(in.VpVorgabe)));
        r.Laenge = FloatToStr(fieldNumber(in.TSLaenge));
        r.Geschw = FloatToStr(fieldNumber(in.Geschw));
    }

    // All 99 zeta values in one read of the value file.
    QStringList zetas;
    if (haveValues) {
        QList<QPair<QString, QString>> keys;
        keys.reserve(EinbautenAnzahl);
        for (const TSlotInfo& s : SlotTable())
            keys.append({QString::fromLatin1(s.section), QString::fromLatin1(s.key)});
        zetas = werte.ReadValues(keys);
    }
    for (const TSlotInfo& s : SlotTable()) {
        TEinbauEintrag& e = r.Einbauten(s.slot);
        e.Code = IntToStr(s.code);
        e.Zeta = zetas.value(s.slot - 1);
        if (s.grid)
            e.Anzahl = orZero(in.SlotAnzahl[std::size_t(s.slot)]);
        else
            e.Anzahl = IntToStr(Trunc(fieldNumber(in.EinbautenAnzahl[std::size_t(s.slot - 87)])));
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const TFremdZeile& z = in.Fremd[std::size_t(j)];
        TFremdEinbauEintrag& f = r.FremdEinbauten(j);
        f.Beschreibung = z.Beschreibung;
        f.Dp = orZero(z.Dp);
        f.Anzahl = orZero(z.Anzahl);
    }
    target = r;
    projekt.SumFittingCounts(k);
    return true;
}

// ---- load --------------------------------------------------------------------

bool LoadSectionToInputs(TProjekt& projekt, int k, TSectionInputs& out)
{
    TTeilstrecke& r = projekt.Section(k);
    if (r.Geschw == "0" || r.Geschw.isEmpty()) {
        r.Geschw = "0";
        r.HydrDurchm = "0";
        r.Flaeche = "0";
        r.DpRohr = "0";
        r.DpFormstueck = "0";
        r.DpGesamt = "0";
    }
    const bool stored = !r.Nummer.isEmpty();
    if (stored) {
        out.MaterialIndex = StrToIntDef(r.Materialart, -1);
        if (r.Kanalform == "1") {
            out.RohrartChecked = true;
            out.KanalartChecked = false;
            out.OvalChecked = false;
            out.OvalEnabled = false;
        } else if (r.Kanalform == "2" || r.Kanalform == "3") {
            out.RohrartChecked = false;
            out.KanalartChecked = true;
            out.OvalEnabled = true;
            out.OvalChecked = r.Kanalform == "3";
        }
        out.DNRohr = r.DNRohr;
        out.KanalHoehe = r.KanalHoehe;
        out.TSLaenge = r.Laenge;
        out.VpVorgabe = r.Volumenstrom;
        out.Geschw = r.Geschw;
        out.HydrDurchm = r.HydrDurchm;
        out.Flaeche = r.Flaeche;
        out.DpRohr = r.DpRohr;
        out.DpFormstueck = r.DpFormstueck;
        out.DpGesamt = r.DpGesamt;
    }
    for (int slot = 1; slot <= EinbautenAnzahl; ++slot) out.CountOfSlot(slot) = r.Einbauten(slot).Anzahl;
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const TFremdEinbauEintrag& f = r.FremdEinbauten(j);
        out.Fremd[std::size_t(j)] = TFremdZeile{f.Anzahl, f.Beschreibung, f.Dp};
    }
    projekt.SumFittingCounts(k);
    return stored;
}

void ClearSectionInputs(TSectionInputs& in)
{
    in.RohrartChecked = true;
    in.KanalartChecked = false;
    const QString zero = QStringLiteral("0");
    in.DNRohr = in.KanalHoehe = in.TSLaenge = in.VpVorgabe = in.Geschw = zero;
    in.HydrDurchm = in.Flaeche = in.DpRohr = in.DpFormstueck = in.DpGesamt = zero;
    in.VpLeitungGes = in.DpLeitungGes = in.Wellenleistung = zero;
    in.SlotAnzahl.fill(zero);
    in.EinbautenAnzahl.fill(zero);
    for (TFremdZeile& z : in.Fremd) z = TFremdZeile();
}

bool CountIsMarked(const QString& countText)
{
    int n = 0;
    return TryStrToInt(countText, n) && n >= 1;
}

// ---- validators --------------------------------------------------------------

QString CheckCountText(const QString& text)
{
    if (text.isEmpty() || countPattern().match(text).hasMatch()) return QString();
    return QStringLiteral("Die Stückzahl „%1“ ist keine ganze Zahl von 0 bis 999.").arg(text);
}

QString CheckDpText(const QString& text)
{
    if (text.isEmpty()) return QString();
    if (text.size() > 10)
        return QStringLiteral("Der Druckverlust „%1“ ist zu lang (höchstens 10 Zeichen).").arg(text);
    if (!dpPattern().match(text).hasMatch())
        return QStringLiteral("Der Druckverlust „%1“ ist keine Dezimalzahl (zum Beispiel 12,5).").arg(text);
    return QString();
}

namespace {
// Both texts that the project file joins with ";" refuse it in one wording.
QString checkNoSemicolon(const QString& text, const QString& what)
{
    if (text.contains(QLatin1Char(';'))) return QStringLiteral("%1 darf kein „;“ enthalten.").arg(what);
    return QString();
}
}  // namespace

QString CheckDescriptionText(const QString& text, const QString& field)
{
    const QString m = checkNoSemicolon(text, QStringLiteral("Die Beschreibung"));
    return m.isEmpty() ? Cp1252FieldMessage(text, field) : m;
}

QString CheckSectionNameText(const QString& text)
{
    const QString m = checkNoSemicolon(text, QStringLiteral("Die Teilstreckenbezeichnung"));
    return m.isEmpty() ? Cp1252FieldMessage(text, SectionNameField()) : m;
}

QString SectionNameField() { return QStringLiteral("Teilstreckenbezeichnung"); }
