#pragma once
// What the benchmarks share: the large project of `sections` sections, each
// with five fittings and one further component, and the values the
// calculation reads.
#include "app/Berechnung.h"
#include "app/ProjektDatei.h"
#include <QHash>
#include <QString>

// The values as a table: every material's roughness 0,15 and the fan's
// efficiency 0,7.
class BenchValues : public IValueSource {
public:
    BenchValues()
    {
        for (const char* key : {"EBlech", "EFlex", "EFaserzement", "EHolz", "EBeton", "EEGemauert"})
            values[QStringLiteral("material/%1").arg(key).toLower()] = "0,15";
        values["material/etaventilator"] = "0,7";
    }
    bool Available() const override { return true; }
    QString ReadValue(const QString& section, const QString& key) const override
    {
        return values.value((section + "/" + key).toLower());
    }

private:
    QHash<QString, QString> values;
};

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
