#pragma once
// The whole content of a project as one list of texts, for comparing a
// project with what a save and a new read give back.  A fitting or further
// component whose count is empty or not above 0 is not in the file at all:
// it stands as "-".  The node names are left out: a save writes them from
// the records' names, which a damaged file may give otherwise.  Texts are
// compared without blanks at their ends: the file's values are read
// trimmed, so a field cut to its width right after a blank loses it.
// Beside it, a project calculated whole.
#include "app/Berechnung.h"
#include "app/ProjektDatei.h"
#include "app/SBWert.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"
#include <QStringList>

namespace fuzz {

inline QStringList ProjectText(const TProjektInhalt& p)
{
    const TProjektdaten& d = p.Projektdaten;
    QStringList t{d.Name1.str(), d.Name2.str(), d.Strasse.str(), d.PLZ.str(), d.Ort.str(), d.Ansprechp.str(),
                  d.Projekt.str(), d.Telefon.str(), d.Fax.str(), d.Email.str(), d.Vortext, d.Nachtext,
                  QString::number(p.TSAnzahl)};
    for (int k = 1; k <= p.TSAnzahl && k < int(p.Teilstrecken.size()); ++k) {
        const TTeilstrecke& r = p.Teilstrecken[size_t(k)];
        t << r.Nummer.str() << r.Materialart.str() << r.DNRohr.str() << r.KanalHoehe.str() << r.Laenge.str()
          << r.Volumenstrom.str() << r.Kanalform.str() << r.Geschw.str() << r.HydrDurchm.str() << r.Flaeche.str()
          << r.DpRohr.str() << r.DpFormstueck.str() << r.DpGesamt.str() << r.Bezeichnung.str();
        const auto absent = [](const QString& anzahl) {
            int n = 0;
            return anzahl.trimmed().isEmpty() || (TryStrToInt(anzahl.trimmed(), n) && n <= 0);
        };
        for (int i = 1; i <= EinbautenAnzahl; ++i) {
            const TEinbauEintrag& e = r.Einbauten(i);
            if (absent(e.Anzahl.str())) t << QStringLiteral("-");
            else t << e.Code.str() << e.Zeta.str() << e.Anzahl.str();
        }
        for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
            const TFremdEinbauEintrag& e = r.FremdEinbauten(j);
            if (absent(e.Anzahl.str())) t << QStringLiteral("-");
            else t << e.Beschreibung.str() << e.Dp.str() << e.Anzahl.str();
        }
    }
    for (QString& text : t) text = text.trimmed();
    return t;
}

// The project `inhalt` calculated whole with the program's value file:
// it calculates or is refused with a message, never a crash.
inline void CalculateAll(const TProjektInhalt& inhalt, int mode)
{
    TProjekt projekt;
    projekt.Projektdaten = inhalt.Projektdaten;
    projekt.Teilstrecken = inhalt.Teilstrecken;
    projekt.TSAnzahl = inhalt.TSAnzahl;
    TSectionInputs shown;
    try {
        CalculateAllSectionsCommand(projekt, shown, mode, TWertDatei());
    } catch (const Exception&) {
    }
}

}  // namespace fuzz
