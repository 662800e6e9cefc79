#pragma once
// The project file (*.STB): an INI text file holding the project header, the
// sections with their inputs, results, fittings and further components, and
// the section names.
//
// Layout (names matched without regard to case):
//   [Projektdaten]  Name1, Mame2 (the second name), Ansprechp, Strasse, PLZ,
//                   Ort, Telefon, Fax, Email, Projekt, Vortext, Nachtext
//   [Teilstrecken]  TS<n> = the 14 fields of section n, each followed by ";"
//   [TS<n>-Einbauten]  <group><i> = Code;Zeta;Anzahl;  (fitting slot i) or
//                      Beschreibung;Dp;Anzahl;        (further component i),
//                      only entries whose count is greater than 0
//   [TS<n>_EB_<group>] <group> = k;;i1;i2;...;  the numbers written above
//   [Projekt]       TS-Anzahl = number of sections, TS-Namen = names, each
//                   followed by ";"
// Groups, in this order: Bogen (slots 1-24), Abzweige (25-44), Reduktionen
// (45-87), FremdEinbauten (rows 1-20), Einbauten (88-99).
//
// Reading and writing work on plain data.  A read builds a complete new
// TProjektInhalt and throws before returning anything when the file is
// damaged; a write checks everything first, builds the new file in memory on
// top of the existing one (keys it does not write survive) and replaces the
// file in one step, so a failed save leaves the file as it was.
#include "app/Projektdaten.h"
#include "app/Teilstrecke.h"
#include "platform/Exceptions.h"
#include <QString>
#include <QStringList>
#include <vector>

class TProjekt;

// A project file that cannot be read back or a project that cannot be
// stored; the message names the place and the reason.
class EProjektDatei : public Exception { using Exception::Exception; };

// Everything a project file holds.
struct TProjektInhalt {
    TProjektdaten Projektdaten;
    std::vector<TTeilstrecke> Teilstrecken;  // TSAnzahl + 1 records, index 0 unused
    int TSAnzahl = 0;
    QString TSNamenListe;                    // "TS-Namen" as stored: every name followed by ";"
    QStringList Namen;                       // tree node texts of sections 1..TSAnzahl (at k - 1)
};

// Limits of what a project file may hold.
constexpr int MaxTSAnzahl = 9999;

// Writes the project into `path` (created when missing).  Throws EConvertError
// for a count that is no whole number, EProjektDatei for text the file cannot
// hold, EIniFileException when the file cannot be written (read-only file,
// missing folder); in every case the file is untouched.
// `teilstrecken` holds at least tsAnzahl + 1 records, index 0 unused.
void WriteProjectFile(const QString& path, const TProjektdaten& projektdaten,
                      const std::vector<TTeilstrecke>& teilstrecken, int tsAnzahl);
void WriteProjectFile(const QString& path, const TProjektInhalt& inhalt);
// The open project's header and sections 1..TSAnzahl; flags stay untouched.
void WriteProjectFile(const QString& path, const TProjekt& projekt);

// Reads the project file `path`.  `teilstreckeText` is the word of the
// default section name ("Teilstrecke" + " " + n).  Throws (EProjektDatei,
// EConvertError, EIniFileException) when the file is missing, is no project
// file or is damaged; nothing is returned then.
TProjektInhalt ReadProjectFile(const QString& path,
                               const QString& teilstreckeText = QStringLiteral("Teilstrecke"));

// A section record as reading sets it up before its values are read in:
// Nummer and Bezeichnung empty, Materialart and Kanalform "1", the numbers
// "0", every slot and further component empty with "0" for zeta, pressure
// loss and count.  The two sums are left empty.
TTeilstrecke GeleerteTeilstrecke();

// ---- field readers for the ";"-joined values ---------------------------
// Each takes the rest of a value and leaves in it what follows the field it
// consumed.  The field is the text before the first ";" and the rest loses
// everything up to and including that ";"; without a ";" the field is empty
// and the rest stays as it is.
QString SplitFirstField(QString& rest);
// Fills the 14 fields of `ts` from a section line; a line with nothing after
// field 13 gives `defaultName` as Bezeichnung.
void ParseSectionLine(const QString& line, TTeilstrecke& ts, const QString& defaultName);
// The count of an index list (consumes the count and the empty field after
// it).  Throws EConvertError when the count is no integer.
int ParseEntryCount(QString& rest);
// The next number of an index list.  Throws EConvertError when it is no integer.
int ParseEntryIndex(QString& rest);
void ParseFittingEntry(const QString& value, TEinbauEintrag& slot);
void ParseForeignEntry(const QString& value, TFremdEinbauEintrag& row);

// ---- multi-line texts in one INI value ----------------------------------
// A value is one line, so the texts before and after the results (and the
// user's default text in the value file) carry their line breaks escaped:
//   CR -> "¤r", LF -> "¤n", and a "¤" that stands before "r", "n", "¤", CR
//   or LF -> "¤¤".
// Any other "¤" stays as it is, so a one-line text is written unchanged
// unless it holds one of the pairs "¤r", "¤n", "¤¤"; unescaping turns exactly
// those three pairs back and leaves everything else alone, so values written
// without escapes read as they always did.
QString EscapeLineBreaks(const QString& text);
QString UnescapeLineBreaks(const QString& value);
