#pragma once
// The engineering value file beside the program: "SBWert.Dat" while the
// program runs, enciphered as "SBWert.dec" between runs.
//
// Every reader and writer here opens the file for its one operation and
// closes it before returning.  File, section and key names match without
// regard to case.
#include "app/Projektdaten.h"
#include "app/WertQuelle.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TFileCipher;
class TIniFile;

// ---- names -----------------------------------------------------------------

constexpr const char* WertDateiName = "SBWert.Dat";        // plain file, as readers spell it
constexpr const char* WertDateiNameCipher = "SBWert.dat";  // the same file, as the cipher steps spell it
constexpr const char* WertDateiNameDec = "SBWert.dec";     // enciphered file
constexpr const char* WertDateiPasswort = "QM47";
constexpr int WertDateiIntKey = 38027154;                  // the main window's cipher

// Paths in the program folder (an existing file under any case of its name).
QString WertDateiPfad();
QString WertDateiDecPfad();
bool WertDateiVorhanden();

// ---- message texts ---------------------------------------------------------

// Texts of the main window's first message list; the main window installs
// its own list here, so the texts follow the translation.  Without a
// provider (or for an empty answer) the German texts are used.
using TMessageTextProvider = std::function<QString(int index)>;
void SetWertDateiMessageTexts(TMessageTextProvider provider);
// Item 3 "Fehler beim Löschen der Datei:", item 8 "Zetawerte nicht vorhanden".
QString WertDateiMessageText(int index);
// "Zetawerte nicht vorhanden" (information, OK).
void MeldeZetawerteFehlen();

// ---- sections and keys ----------------------------------------------------

constexpr const char* SektionMaterial = "Material";
constexpr const char* SektionBogen = "Zeta-Bogen";
constexpr const char* SektionFlachH = "Zeta-Flach-horizontal";
constexpr const char* SektionFlachV = "Zeta-Flach-vertikal";
constexpr const char* SektionAbzweig = "Zeta-Abzweig";
constexpr const char* SektionRedScharf = "Zeta-Red-scharfk";
// The dialog writes "Zeta-Red-konisch", the calculation reads "Zeta-Red-Konisch":
// one section, since names match without regard to case.
constexpr const char* SektionRedKonisch = "Zeta-Red-konisch";
constexpr const char* SektionEinbauten = "Zeta-Einbauten";
constexpr const char* SektionUserdaten = "Userdaten";
constexpr const char* SektionHL = "HL";
constexpr const char* SchluesselHL = "HL";
constexpr const char* SchluesselTip = "Tip";
constexpr const char* SchluesselEta = "EtaVentilator";

struct TWertSektion {
    QString name;
    QStringList keys;  // in the order a fresh file receives them
};

// The eight technical sections in fresh-file order: "Material" first, then
// the zeta families; each section's keys in the order the dialog writes them.
const std::vector<TWertSektion>& TechnischeSektionen();
// "Firma" .. "Sprache", "Tip" (the order of a fresh "Userdaten" section).
const QStringList& UserdatenSchluessel();
// Roughness key of material index 0..5 ("EBlech", "EFlex", "EFaserzement",
// "EHolz", "EBeton", "EEGemauert"); empty for any other index.
QString MaterialSchluessel(int materialIndex);

// ---- value source for the calculation and the section store --------------

class TWertDatei : public IValueSource {
public:
    bool Available() const override;
    QString ReadValue(const QString& section, const QString& key) const override;
    QStringList ReadValues(const QList<QPair<QString, QString>>& sectionKeys) const override;
    // The zeta texts of the 99 fitting slots, in slot order, in one operation.
    QStringList ReadZetaWerte() const;
};

// The value file read once, as it stands when this is made, for the steps
// of one command (a calculation run, a section store, opening a project):
// every section of the run takes its values from the same reading.  Make a
// new one for every command, so that a changed file is always seen.
class TWertDateiStand : public IValueSource {
public:
    TWertDateiStand();
    ~TWertDateiStand() override;
    bool Available() const override { return m_available; }
    QString ReadValue(const QString& section, const QString& key) const override;
    QStringList ReadValues(const QList<QPair<QString, QString>>& sectionKeys) const override;

private:
    bool m_available = false;
    std::unique_ptr<TIniFile> m_ini;
};

// ---- user data ------------------------------------------------------------

// Start, user settings and information box, page frame: "Userdaten" "Firma"
// to "Sprache" and "HL" "HL", each cut to its field's width.  Without a file
// `u` is emptied, "Zetawerte nicht vorhanden" is shown (when `melden`) and
// false is returned.
bool ReadUserdaten(TUserdaten& u, bool melden = true);
// "Userdaten" "Tip"; false (and no tip) without a file, with the message when `melden`.
bool ReadTip(bool& tip, bool melden = true);
// Writes "Userdaten" "Tip" ("1" or "0").  A failure is shown; false then.
bool WriteTip(bool tip);
// The user settings dialog's save: "Firma" to "Sprache" and "Tip".  The file
// is created when missing.  A failure is shown and nothing is written.
bool WriteUserdaten(const TUserdaten& u, bool tip);

// The user settings dialog's inputs, whole (no field width), with the
// stored language and the tip setting.  "Vortext" keeps its line breaks in
// the file as EscapeLineBreaks writes them.
struct TUserEingaben {
    QString Firma, Nutzer, Strasse, PLZ, Ort, Telefon, Fax, EMail, Vortext, Sprache;
    bool Tip = false;
};
// False (and `e` emptied) without a file; nothing is shown then.
bool ReadUserEingaben(TUserEingaben& e);
// "Firma" to "Sprache" and "Tip" in one operation; the file is created when
// missing.  A failure is shown and nothing is written.
bool WriteUserEingaben(const TUserEingaben& e);

// ---- technical data --------------------------------------------------------

// The constant texts of the technical-data dialog: one text of at most five
// characters for every key of the eight technical sections.
class TTechnikDaten {
public:
    static constexpr int Breite = 5;

    TTechnikDaten();
    int Count() const { return int(m_values.size()); }
    const QString& Section(int i) const { return m_sections.at(i); }
    const QString& Key(int i) const { return m_keys.at(i); }
    const QString& Value(int i) const { return m_values.at(i); }
    void SetValue(int i, const QString& text) { m_values[i] = text.left(Breite); }
    // By key name (without regard to case); an unknown key reads empty and
    // is not stored (SetValue returns false).
    QString Value(const QString& key) const;
    bool SetValue(const QString& key, const QString& text);
    void Clear();

private:
    QStringList m_sections, m_keys, m_values;
    QHash<QString, int> m_index;
};

// Every technical key, cut to five characters.  False without a file (the
// dialog shows its own message); then `daten` is left as it was.
bool ReadTechnikdaten(TTechnikDaten& daten);
// Writes every technical key in table order: an existing file keeps its
// order and its other sections, a missing one is created with the eight
// technical sections.  A failure is shown and nothing is written.
bool WriteTechnikdaten(const TTechnikDaten& daten);

// ---- enciphering at rest ------------------------------------------------------

// Mode 0: "SBWert.dec" is deciphered into "SBWert.dat"; mode 1: "SBWert.dat"
// is enciphered into "SBWert.dec".  The password is set to "QM47" for the
// run; the integer key stays as the cipher holds it.  The input is deleted
// only after the cipher wrote its output whole.  Returns whether the output
// was written.
bool SBWerte_ent_und_verschluesseln(TFileCipher& cipher, int mode);
// What deletes a cipher step's input once its output stands whole (by
// default QFile::remove); returns whether the file is gone.  An empty
// function restores the default; the previous one is returned.
using TWertDateiEntferner = std::function<bool(const QString& path)>;
TWertDateiEntferner SetWertDateiEntferner(TWertDateiEntferner remove);
// The main window's start step: deciphers when "SBWert.dec" exists.  A start
// that another running instance will end touches nothing.
void SBWerteBeimStart(TFileCipher& cipher, bool andereInstanzLaeuft);
// The main window's close step: enciphers when the plain file exists;
// without it nothing happens and nothing is shown.
void SBWerteBeimEnde(TFileCipher& cipher);
