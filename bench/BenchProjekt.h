#pragma once
// The large project the benchmarks share: `sections` sections, each with five
// fittings and one further component.
#include "app/ProjektDatei.h"
#include <QString>

template <class Project>
void FillBenchProject(Project& p, int sections)
{
    p.Projektdaten.Name1 = "Bauamt";
    p.Projektdaten.Projekt = "Großprojekt";
    p.Projektdaten.Vortext = "Vorbemerkung\r\nzweite Zeile";
    p.TSAnzahl = sections;
    p.Teilstrecken.assign(size_t(sections) + 1, GeleerteTeilstrecke());
    const int kSlots[] = {3, 31, 52, 88, 95};
    for (int n = 1; n <= sections; ++n) {
        TTeilstrecke& t = p.Teilstrecken[size_t(n)];
        t.Nummer = QString::number(n);
        t.Materialart = "0";
        t.DNRohr = "200";
        t.Laenge = "12,5";
        t.Volumenstrom = "600";
        t.Geschw = "5,31";
        t.DpGesamt = "66,46";
        t.Bezeichnung = QString("Strecke %1").arg(n);
        for (int slot : kSlots) t.Einbauten(slot) = {"13", "0,21", "2"};
        t.FremdEinbauten(1) = {"Brandschutzklappe", "15", "1"};
    }
}
