#include "app/ProjektDatei.h"
#include "app/Eingaben.h"
#include "app/Projekt.h"
#include "platform/Cp1252.h"
#include "platform/FileReplace.h"
#include "platform/IniFile.h"
#include "platform/Numbers.h"
#include "platform/ResourceStrings.h"
#include <QDir>
#include <QFileInfo>
#include <charconv>
#include <string_view>
#include <unordered_map>

namespace {

const QString kProjektdaten = QStringLiteral("Projektdaten");
const QString kTeilstrecken = QStringLiteral("Teilstrecken");
const QString kProjekt = QStringLiteral("Projekt");
const QString kTSAnzahl = QStringLiteral("TS-Anzahl");
const QString kTSNamen = QStringLiteral("TS-Namen");

// The five groups in which a section's slots and rows are stored, in the
// order they are written and read.
struct Gruppe {
    QString wort;
    int erster, letzter;  // slots (or rows) the writer puts into this group
    bool fremd;           // further component rows instead of fitting slots
};

const std::vector<Gruppe>& Gruppen()
{
    static const std::vector<Gruppe> g = {
        {QStringLiteral("Bogen"), 1, 24, false},
        {QStringLiteral("Abzweige"), 25, 44, false},
        {QStringLiteral("Reduktionen"), 45, 87, false},
        {QStringLiteral("FremdEinbauten"), 1, FremdEinbautenAnzahl, true},
        {QStringLiteral("Einbauten"), 88, EinbautenAnzahl, false},
    };
    return g;
}


QString Quoted(const QString& text) { return QStringLiteral("\"") + text + QStringLiteral("\""); }

// ---- checks before writing ------------------------------------------------

// The value of a text that is one digit, else -1: most counts and codes
// of a project are, and need no general conversion.
int digitOf(QStringView text)
{
    if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))
        return text.at(0).unicode() - '0';
    return -1;
}

// The count of an entry: empty text is an empty number, that is 0.
// `where` names the entry for a message; it is built only when needed.
template <class Where>
int CountOf(const QString& anzahl, Where where)
{
    if (const int digit = digitOf(anzahl); digit >= 0) return digit;
    const QString t = anzahl.trimmed();
    if (t.isEmpty()) return 0;
    int v = 0;
    if (!TryStrToInt(t, v))
        throw EConvertError(where() + QStringLiteral(": ") +
                            FmtLoadResString(SInvalidInteger, {anzahl}));
    return v;
}

// A text that goes into the file as (part of) one value.  `imListe` marks a
// field of a ";"-joined value, which must not hold a ";" itself: on reading
// it would split the field and shift every field after it.
template <class Where>
void CheckText(const QString& text, Where where, bool imListe)
{
    if (CanEncodeCp1252(text) && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) &&
        !(imListe && text.contains(QLatin1Char(';'))))
        return;
    qsizetype bad = -1;
    QByteArray dummy;
    if (!TryEncodeCp1252(text, dummy, &bad))
        throw EProjektDatei(where() + QStringLiteral(": Das Zeichen ") + DescribeCharacter(text, bad) +
                            QStringLiteral(" kann in der Projektdatei nicht gespeichert werden."));
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        throw EProjektDatei(where() + QStringLiteral(": Der Text ") + Quoted(text) +
                            QStringLiteral(" enthält einen Zeilenumbruch."));
    if (imListe && text.contains(QLatin1Char(';')))
        throw EProjektDatei(where() + QStringLiteral(": Der Text ") + Quoted(text) +
                            QStringLiteral(" enthält ein Semikolon, das in der Projektdatei "
                                           "die Felder trennt."));
}

// Joins the fields, each followed by ";", after checking them.  A field is
// named by its label.
template <class Where>
QString JoinFields(std::initializer_list<std::pair<const QString*, const QString*>> fields, Where where)
{
    qsizetype size = 0;
    for (const auto& field : fields) size += field.second->size() + 1;
    QString out;
    out.reserve(size);
    for (const auto& [name, value] : fields) {
        CheckText(*value, [&, name = name] { return where() + QStringLiteral(", ") + *name; }, true);
        out += *value;
        out += QLatin1Char(';');
    }
    return out;
}

QString SectionWhere(int n) { return QStringLiteral("Teilstrecke ") + QString::number(n); }

// The labels under which messages name the fields of a section and of its
// entries: those of the main window's fields where the user types them.
struct FieldLabels {
    QString nummer = QStringLiteral("Nummer");
    QString materialart = QStringLiteral("Materialart");
    QString durchmesser = DNRohrLabel(DefaultMessageTexts(), true);
    QString breite = DNRohrLabel(DefaultMessageTexts(), false);
    QString hoehe = DefaultMessageTexts().FieldLabel(QStringLiteral("KanalHoeheEdit"));
    QString laenge = DefaultMessageTexts().FieldLabel(QStringLiteral("TSLaengeEdit"));
    QString volumenstrom = DefaultMessageTexts().FieldLabel(QStringLiteral("VpVorgabeEdit"));
    QString kanalform = QStringLiteral("Kanalform");
    QString geschw = DefaultMessageTexts().FieldLabel(QStringLiteral("GeschwEdit"));
    QString hydr = DefaultMessageTexts().FieldLabel(QStringLiteral("HydrDurchmEdit"));
    QString flaeche = DefaultMessageTexts().FieldLabel(QStringLiteral("FlaecheEdit"));
    QString dpRohr = DefaultMessageTexts().FieldLabel(QStringLiteral("DpRohrEdit"));
    QString dpFormstueck = DefaultMessageTexts().FieldLabel(QStringLiteral("DpFormstueckEdit"));
    QString dpGesamt = DefaultMessageTexts().FieldLabel(QStringLiteral("DpGesamtEdit"));
    QString bezeichnung = SectionNameField();
    QString code = QStringLiteral("Code");
    QString zeta = QStringLiteral("Zeta");
    QString anzahl = QStringLiteral("Anzahl");
    QString beschreibung = DefaultMessageTexts().MessageText(TMessageList::GridStrHolder, 10);
    QString dp = DefaultMessageTexts().MessageText(TMessageList::GridStrHolder, 11);
    QString menge = DefaultMessageTexts().MessageText(TMessageList::GridStrHolder, 9);
};

const FieldLabels& Labels()
{
    static const FieldLabels labels;
    return labels;
}

// ---- reading helpers -----------------------------------------------------

[[noreturn]] void Damaged(const QString& where, const QString& reason)
{
    throw EProjektDatei(where + QStringLiteral(": ") + reason);
}

}  // namespace

// ---- field readers ---------------------------------------------------------

namespace {

// Appends the decimal digits of `v` without making a text of its own.
void appendNumber(QString& out, int v)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    out.append(QLatin1StringView(digits, end - digits));
}

// The names under which the file keeps section n, for writing and reading
// alike.  Each is built into a buffer that keeps its room.
// "TS<n>": the key of its line in [Teilstrecken].
void setSectionKey(QString& out, int n)
{
    out.resize(0);
    out += QStringLiteral("TS");
    appendNumber(out, n);
}
// "TS<n>-Einbauten": the section of its entries.
void setEntrySection(QString& out, int n)
{
    setSectionKey(out, n);
    out += QStringLiteral("-Einbauten");
}
// "TS<n>_EB_<group>": the section of a group's index list.
void setListSection(QString& out, int n, const Gruppe& g)
{
    setSectionKey(out, n);
    out += QStringLiteral("_EB_");
    out += g.wort;
}
// "<group><i>": the key of entry i of a group.
void setEntryKey(QString& out, const Gruppe& g, int i)
{
    out.resize(0);
    out += g.wort;
    appendNumber(out, i);
}

// SplitFirstField on a view: no text is copied.
// Fields are short: a plain scan beats the general search.
QStringView nextField(QStringView& rest)
{
    const char16_t* const begin = rest.utf16();
    const qsizetype n = rest.size();
    for (qsizetype p = 0; p < n; ++p) {
        if (begin[p] == u';') {
            const QStringView field(begin, p);
            rest = QStringView(begin + p + 1, n - p - 1);
            return field;
        }
    }
    return QStringView();
}

// The texts of the fields of one read.  A project repeats its values
// (sizes, zeta values, counts, descriptions): each distinct text is made
// once and shared by every field that holds it, and the one-digit texts are
// shared literals.  The views kept as keys point into the text being read,
// which outlives the pool.
class FieldTexts {
public:
    QString operator()(QStringView field)
    {
        static const QString digits[10] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                           QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                           QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                                           QStringLiteral("9")};
        if (const int digit = digitOf(field); digit >= 0) return digits[digit];
        if (field.isEmpty()) return field.toString();
        QString& text = m_seen[std::u16string_view(field.utf16(), size_t(field.size()))];
        if (text.isNull()) text = field.toString();
        return text;
    }

private:
    std::unordered_map<std::u16string_view, QString> m_seen;
};

// StrToInt of a field.
int intOf(QStringView field)
{
    if (const int digit = digitOf(field); digit >= 0) return digit;
    return StrToInt(field.toString());
}

template <class DefaultName>
void parseSectionLine(QStringView rest, TTeilstrecke& ts, DefaultName defaultName, FieldTexts& textOf)
{
    ts.Nummer = textOf(nextField(rest));
    ts.Materialart = textOf(nextField(rest));
    ts.DNRohr = textOf(nextField(rest));
    ts.KanalHoehe = textOf(nextField(rest));
    ts.Laenge = textOf(nextField(rest));
    ts.Volumenstrom = textOf(nextField(rest));
    ts.Kanalform = textOf(nextField(rest));
    ts.Geschw = textOf(nextField(rest));
    ts.HydrDurchm = textOf(nextField(rest));
    ts.Flaeche = textOf(nextField(rest));
    ts.DpRohr = textOf(nextField(rest));
    ts.DpFormstueck = textOf(nextField(rest));
    ts.DpGesamt = textOf(nextField(rest));
    if (rest.isEmpty())
        ts.Bezeichnung = defaultName();
    else
        ts.Bezeichnung = textOf(nextField(rest));
}

void parseFittingEntry(QStringView rest, TEinbauEintrag& slot, FieldTexts& textOf)
{
    slot.Code = textOf(nextField(rest));
    slot.Zeta = textOf(nextField(rest));
    slot.Anzahl = textOf(nextField(rest));
}

void parseForeignEntry(QStringView rest, TFremdEinbauEintrag& row, FieldTexts& textOf)
{
    row.Beschreibung = textOf(nextField(rest));
    row.Dp = textOf(nextField(rest));
    row.Anzahl = textOf(nextField(rest));
}

}  // namespace

QString SplitFirstField(QString& rest)
{
    QStringView view = rest;
    const QString field = nextField(view).toString();
    rest = view.toString();
    return field;
}

void ParseSectionLine(const QString& line, TTeilstrecke& ts, const QString& defaultName)
{
    FieldTexts texts;
    parseSectionLine(line, ts, [&defaultName] { return defaultName; }, texts);
}

int ParseEntryCount(QString& rest)
{
    const int k = ParseEntryIndex(rest);
    SplitFirstField(rest);  // the empty field after the count
    return k;
}

int ParseEntryIndex(QString& rest) { return intOf(SplitFirstField(rest)); }

void ParseFittingEntry(const QString& value, TEinbauEintrag& slot)
{
    FieldTexts texts;
    parseFittingEntry(value, slot, texts);
}

void ParseForeignEntry(const QString& value, TFremdEinbauEintrag& row)
{
    FieldTexts texts;
    parseForeignEntry(value, row, texts);
}

// ---- line breaks -------------------------------------------------------------

namespace {
constexpr QChar kEsc = QChar(0x00A4);  // "¤"
}

QString EscapeLineBreaks(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += kEsc;
            out += QLatin1Char('r');
        } else if (c == QLatin1Char('\n')) {
            out += kEsc;
            out += QLatin1Char('n');
        } else if (c == kEsc) {
            out += kEsc;
            if (i + 1 < text.size()) {
                const QChar next = text.at(i + 1);
                if (next == QLatin1Char('r') || next == QLatin1Char('n') || next == kEsc ||
                    next == QLatin1Char('\r') || next == QLatin1Char('\n'))
                    out += kEsc;
            }
        } else {
            out += c;
        }
    }
    return out;
}

QString UnescapeLineBreaks(const QString& value)
{
    if (!value.contains(kEsc)) return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == kEsc && i + 1 < value.size()) {
            const QChar next = value.at(i + 1);
            if (next == QLatin1Char('r')) { out += QLatin1Char('\r'); ++i; continue; }
            if (next == QLatin1Char('n')) { out += QLatin1Char('\n'); ++i; continue; }
            if (next == kEsc) { out += kEsc; ++i; continue; }
        }
        out += c;
    }
    return out;
}

// ---- records -----------------------------------------------------------------

TTeilstrecke GeleerteTeilstrecke()
{
    // Literal texts are shared without being copied: copies of this record
    // allocate nothing for them.
    const QString null = QStringLiteral("0");
    const QString eins = QStringLiteral("1");
    TTeilstrecke t;
    t.Materialart = eins;
    t.Kanalform = eins;
    for (ShortStr<10>* f : {&t.DNRohr, &t.KanalHoehe, &t.Laenge, &t.Volumenstrom, &t.Geschw,
                            &t.HydrDurchm, &t.Flaeche, &t.DpRohr, &t.DpFormstueck, &t.DpGesamt})
        *f = null;
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        t.Einbauten(i).Zeta = null;
        t.Einbauten(i).Anzahl = null;
    }
    for (int i = 1; i <= FremdEinbautenAnzahl; ++i) {
        t.FremdEinbauten(i).Dp = null;
        t.FremdEinbauten(i).Anzahl = null;
    }
    return t;
}

// ---- writing -------------------------------------------------------------------

void WriteProjectFile(const QString& path, const TProjektdaten& pd,
                      const std::vector<TTeilstrecke>& teilstrecken, int tsAnzahl)
{
    if (tsAnzahl < 1 || tsAnzahl > MaxTSAnzahl)
        throw EProjektDatei(QStringLiteral("Ein Projekt mit %1 Teilstrecken kann nicht gespeichert werden.")
                                .arg(tsAnzahl));
    if (teilstrecken.size() < size_t(tsAnzahl) + 1)
        throw EProjektDatei(QStringLiteral("Das Projekt hält nur %1 von %2 Teilstrecken.")
                                .arg(qMax<qsizetype>(0, qsizetype(teilstrecken.size()) - 1))
                                .arg(tsAnzahl));

    // A read-only file is refused even when the save would change nothing in it.
    const QFileInfo fi(path);
    if (fi.exists()) {
        if (!fi.isFile() || LacksWritePermission(fi) || !fi.isWritable())
            throw EIniFileException(FmtLoadResString(SIniFileWriteError, {QDir::toNativeSeparators(path)}));
    }

    TIniFile ini(path);
    try {
        // 1. The header, its fields named by the labels of the header dialog.
        struct HeaderField {
            const char* key;
            const char* label;
            QString value;
        };
        const HeaderField header[] = {
            {"Name1", "Name", pd.Name1}, {"Mame2", "Name (2. Zeile)", pd.Name2},
            {"Ansprechp", "Ansprechp.", pd.Ansprechp}, {"Strasse", "Strasse", pd.Strasse},
            {"PLZ", "PLZ", pd.PLZ}, {"Ort", "Ort", pd.Ort},
            {"Telefon", "Telefon", pd.Telefon}, {"Fax", "Fax", pd.Fax},
            {"Email", "E-Mail", pd.Email}, {"Projekt", "Projekt", pd.Projekt},
            {"Vortext", "Vorbemerkungen", EscapeLineBreaks(pd.Vortext)},
            {"Nachtext", "Schlußbemerkungen", EscapeLineBreaks(pd.Nachtext)},
        };
        for (const HeaderField& f : header) {
            CheckText(f.value, [&] { return QStringLiteral("Projekt-Kopfdaten, ") + QString::fromUtf8(f.label); },
                      false);
            ini.WriteString(kProjektdaten, QLatin1String(f.key), f.value);
        }

        // 2. The sections.  Names are built in buffers that keep their room.
        QString namen, sectionName, listSection, keyName, liste;
        for (int n = 1; n <= tsAnzahl; ++n) {
            const TTeilstrecke& ts = teilstrecken[size_t(n)];
            auto where = [n] { return SectionWhere(n); };
            const FieldLabels& l = Labels();
            const bool rund = ts.Kanalform.str() == QLatin1String("1");
            const QString line = JoinFields({{&l.nummer, &ts.Nummer.str()},
                                             {&l.materialart, &ts.Materialart.str()},
                                             {rund ? &l.durchmesser : &l.breite, &ts.DNRohr.str()},
                                             {&l.hoehe, &ts.KanalHoehe.str()},
                                             {&l.laenge, &ts.Laenge.str()},
                                             {&l.volumenstrom, &ts.Volumenstrom.str()},
                                             {&l.kanalform, &ts.Kanalform.str()},
                                             {&l.geschw, &ts.Geschw.str()},
                                             {&l.hydr, &ts.HydrDurchm.str()},
                                             {&l.flaeche, &ts.Flaeche.str()},
                                             {&l.dpRohr, &ts.DpRohr.str()},
                                             {&l.dpFormstueck, &ts.DpFormstueck.str()},
                                             {&l.dpGesamt, &ts.DpGesamt.str()},
                                             {&l.bezeichnung, &ts.Bezeichnung.str()}},
                                            where);
            setSectionKey(sectionName, n);
            ini.WriteString(kTeilstrecken, sectionName, line);
            namen += ts.Bezeichnung.str();
            namen += QLatin1Char(';');

            setEntrySection(sectionName, n);
            for (const Gruppe& g : Gruppen()) {
                int k = 0;
                liste.resize(0);
                for (int i = g.erster; i <= g.letzter; ++i) {
                    // An entry is named as the tabs show it: the fitting's
                    // kind or component, or the row of the further components.
                    auto entryWhere = [&] {
                        return where() + QStringLiteral(", ") +
                               (g.fremd ? QStringLiteral("Sonstige Einbauten, Zeile %1").arg(i)
                                        : SlotLabel(DefaultMessageTexts(), i));
                    };
                    QString value;
                    if (g.fremd) {
                        const TFremdEinbauEintrag& e = ts.FremdEinbauten(i);
                        if (CountOf(e.Anzahl, entryWhere) <= 0) continue;
                        value = JoinFields({{&l.beschreibung, &e.Beschreibung.str()},
                                            {&l.dp, &e.Dp.str()},
                                            {&l.menge, &e.Anzahl.str()}},
                                           entryWhere);
                    } else {
                        const TEinbauEintrag& e = ts.Einbauten(i);
                        if (CountOf(e.Anzahl, entryWhere) <= 0) continue;
                        value = JoinFields({{&l.code, &e.Code.str()}, {&l.zeta, &e.Zeta.str()}, {&l.anzahl, &e.Anzahl.str()}},
                                           entryWhere);
                    }
                    setEntryKey(keyName, g, i);
                    ini.WriteString(sectionName, keyName, value);
                    ++k;
                    appendNumber(liste, i);
                    liste += QLatin1Char(';');
                }
                setListSection(listSection, n, g);
                QString listValue = QString::number(k);
                listValue.reserve(listValue.size() + 2 + liste.size());
                listValue += QStringLiteral(";;");
                listValue += liste;
                ini.WriteString(listSection, g.wort, listValue);
            }
        }

        // 3. The count and the names.
        ini.WriteString(kProjekt, kTSAnzahl, QString::number(tsAnzahl));
        ini.WriteString(kProjekt, kTSNamen, namen);

        ini.UpdateFile();
    } catch (...) {
        ini.Discard();
        throw;
    }
}

void WriteProjectFile(const QString& path, const TProjektInhalt& inhalt)
{
    WriteProjectFile(path, inhalt.Projektdaten, inhalt.Teilstrecken, inhalt.TSAnzahl);
}

void WriteProjectFile(const QString& path, const TProjekt& projekt)
{
    WriteProjectFile(path, projekt.Projektdaten, projekt.Teilstrecken, projekt.TSAnzahl);
}

// ---- reading -------------------------------------------------------------------

TProjektInhalt ReadProjectFile(const QString& path, const QString& teilstreckeText)
{
    TIniFile ini(path);
    auto read = [&ini](const QString& section, const QString& key) {
        return ini.ReadString(section, key, QString());
    };

    TProjektInhalt r;

    // 1. The header; the short fields cut themselves to their widths.
    TProjektdaten& pd = r.Projektdaten;
    pd.Name1 = read(kProjektdaten, QStringLiteral("Name1"));
    pd.Name2 = read(kProjektdaten, QStringLiteral("Mame2"));
    pd.Ansprechp = read(kProjektdaten, QStringLiteral("Ansprechp"));
    pd.Strasse = read(kProjektdaten, QStringLiteral("Strasse"));
    pd.PLZ = read(kProjektdaten, QStringLiteral("PLZ"));
    pd.Ort = read(kProjektdaten, QStringLiteral("Ort"));
    pd.Telefon = read(kProjektdaten, QStringLiteral("Telefon"));
    pd.Fax = read(kProjektdaten, QStringLiteral("Fax"));
    pd.Email = read(kProjektdaten, QStringLiteral("Email"));
    pd.Projekt = read(kProjektdaten, QStringLiteral("Projekt"));
    pd.Vortext = UnescapeLineBreaks(read(kProjektdaten, QStringLiteral("Vortext")));
    pd.Nachtext = UnescapeLineBreaks(read(kProjektdaten, QStringLiteral("Nachtext")));

    // 2. Count and names.
    const QString anzahlText = read(kProjekt, kTSAnzahl);
    const QString anzahlWhere = QStringLiteral("[Projekt] TS-Anzahl");
    if (anzahlText.trimmed().isEmpty())
        Damaged(anzahlWhere, QStringLiteral("fehlt; die Datei ist keine Projektdatei."));
    int tsAnzahl = 0;
    if (!TryStrToInt(anzahlText, tsAnzahl))
        Damaged(anzahlWhere, Quoted(anzahlText) + QStringLiteral(" ist keine ganze Zahl."));
    if (tsAnzahl < 1 || tsAnzahl > MaxTSAnzahl)
        Damaged(anzahlWhere, QStringLiteral("%1 liegt nicht zwischen 1 und %2.").arg(tsAnzahl).arg(MaxTSAnzahl));
    r.TSAnzahl = tsAnzahl;
    r.TSNamenListe = read(kProjekt, kTSNamen);

    auto defaultName = [&teilstreckeText](int k) {
        return teilstreckeText + QLatin1Char(' ') + QString::number(k);
    };

    // 3. Tree texts and cleared records.
    QStringView work = r.TSNamenListe;
    r.Namen.reserve(tsAnzahl);
    for (int k = 1; k <= tsAnzahl; ++k) {
        const QStringView name = nextField(work);
        r.Namen << (name.isEmpty() ? defaultName(k) : name.toString());
    }
    r.Teilstrecken.assign(size_t(tsAnzahl) + 1, GeleerteTeilstrecke());

    // 4. The sections.  Section and key names are built in buffers that
    // keep their room, and values are read in place.
    QString sectionName, listSection, keyName;
    FieldTexts texts;
    for (int n = 1; n <= tsAnzahl; ++n) {
        TTeilstrecke& ts = r.Teilstrecken[size_t(n)];
        setSectionKey(sectionName, n);
        parseSectionLine(ini.ValueView(kTeilstrecken, sectionName), ts, [&] { return defaultName(n); }, texts);

        setEntrySection(sectionName, n);
        for (const Gruppe& g : Gruppen()) {
            setListSection(listSection, n, g);
            const QStringView liste = ini.ValueView(listSection, g.wort);
            auto where = [&] { return QStringLiteral("[") + listSection + QStringLiteral("] ") + g.wort; };
            QStringView rest = liste;
            int k = 0;
            try {
                k = intOf(nextField(rest));
                nextField(rest);  // the empty field after the count
            } catch (const EConvertError&) {
                if (liste.isEmpty()) Damaged(where(), QStringLiteral("Die Liste der Einträge fehlt."));
                Damaged(where(), QStringLiteral("Die Anzahl in ") + Quoted(liste.toString()) +
                                     QStringLiteral(" ist keine ganze Zahl."));
            }
            const int hoechste = g.fremd ? FremdEinbautenAnzahl : EinbautenAnzahl;
            if (k < 0 || k > hoechste)
                Damaged(where(), QStringLiteral("Die Anzahl %1 in ").arg(k) + Quoted(liste.toString()) +
                                     QStringLiteral(" liegt nicht zwischen 0 und %1.").arg(hoechste));
            for (int j = 0; j < k; ++j) {
                int i = 0;
                try {
                    i = intOf(nextField(rest));
                } catch (const EConvertError&) {
                    Damaged(where(), Quoted(liste.toString()) + QStringLiteral(" nennt nicht %1 ganze Zahlen.").arg(k));
                }
                if (i < 1 || i > hoechste)
                    Damaged(where(), QStringLiteral("Die Nummer %1 in ").arg(i) + Quoted(liste.toString()) +
                                         QStringLiteral(" liegt nicht zwischen 1 und %1.").arg(hoechste));
                setEntryKey(keyName, g, i);
                const QStringView value = ini.ValueView(sectionName, keyName);
                if (g.fremd)
                    parseForeignEntry(value, ts.FremdEinbauten(i), texts);
                else
                    parseFittingEntry(value, ts.Einbauten(i), texts);
            }
        }
    }
    return r;
}
