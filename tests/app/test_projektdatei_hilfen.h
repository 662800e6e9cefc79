#pragma once
// Shared pieces of the project file tests.
#include "app/ProjektDatei.h"
#include "common/TestSupport.h"
#include <QFile>
#include <gtest/gtest.h>

namespace projektdatei_test {

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

inline QString GoldenPath(const QString& name) { return SourceDir() + "/tests/app/data/" + name; }

// Sets the 13 stored fields before the name from a ";"-joined text.
inline void SetzeFelder(TTeilstrecke& t, const QString& felder)
{
    const QStringList f = felder.split(';');
    t.Nummer = f.value(0);
    t.Materialart = f.value(1);
    t.DNRohr = f.value(2);
    t.KanalHoehe = f.value(3);
    t.Laenge = f.value(4);
    t.Volumenstrom = f.value(5);
    t.Kanalform = f.value(6);
    t.Geschw = f.value(7);
    t.HydrDurchm = f.value(8);
    t.Flaeche = f.value(9);
    t.DpRohr = f.value(10);
    t.DpFormstueck = f.value(11);
    t.DpGesamt = f.value(12);
}

// A small two-section project (a bend, a built-in component and a further
// component in section 1), as the file projekt_beispiel.stb holds it.
inline TProjektInhalt BeispielProjekt()
{
    TProjektInhalt p;
    p.Projektdaten.Name1 = "Bauamt";
    p.Projektdaten.Ansprechp = "Bauleitung";
    p.Projektdaten.Strasse = "Ringstr. 4";
    p.Projektdaten.Ort = "Neustadt";
    p.Projektdaten.Projekt = "Lüftung Halle 2";
    p.TSAnzahl = 2;
    p.Teilstrecken.assign(3, GeleerteTeilstrecke());
    TTeilstrecke& a = p.Teilstrecken[1];
    SetzeFelder(a, "1;0;200;0;12,5;600;1;5,31;0,20;0,03;24,10;42,36;66,46");
    a.Bezeichnung = "Zuluft EG";
    a.ZetaSumme = "1,62";  // not stored
    a.FremdSumme = "15,00";
    a.Einbauten(3) = {"13", "0,21", "2"};
    a.Einbauten(88) = {"25", "1,2", "1"};
    a.FremdEinbauten(1) = {"Brandschutzklappe", "15", "1"};
    TTeilstrecke& b = p.Teilstrecken[2];
    SetzeFelder(b, "2;0;300;200;8;600;2;2,78;0,24;0,06;3,20;0,00;3,20");
    b.Bezeichnung = "Teilstrecke 2";
    return p;
}

// Compares everything a project file gives back.
inline void ExpectGleich(const TTeilstrecke& a, const TTeilstrecke& b, int n)
{
    SCOPED_TRACE(QString("Teilstrecke %1").arg(n).toStdString());
    EXPECT_EQ(a.Nummer.str(), b.Nummer.str());
    EXPECT_EQ(a.Materialart.str(), b.Materialart.str());
    EXPECT_EQ(a.DNRohr.str(), b.DNRohr.str());
    EXPECT_EQ(a.KanalHoehe.str(), b.KanalHoehe.str());
    EXPECT_EQ(a.Laenge.str(), b.Laenge.str());
    EXPECT_EQ(a.Volumenstrom.str(), b.Volumenstrom.str());
    EXPECT_EQ(a.Kanalform.str(), b.Kanalform.str());
    EXPECT_EQ(a.Geschw.str(), b.Geschw.str());
    EXPECT_EQ(a.HydrDurchm.str(), b.HydrDurchm.str());
    EXPECT_EQ(a.Flaeche.str(), b.Flaeche.str());
    EXPECT_EQ(a.DpRohr.str(), b.DpRohr.str());
    EXPECT_EQ(a.DpFormstueck.str(), b.DpFormstueck.str());
    EXPECT_EQ(a.DpGesamt.str(), b.DpGesamt.str());
    EXPECT_EQ(a.Bezeichnung.str(), b.Bezeichnung.str());
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.Einbauten(i).Code.str(), b.Einbauten(i).Code.str());
        EXPECT_EQ(a.Einbauten(i).Zeta.str(), b.Einbauten(i).Zeta.str());
        EXPECT_EQ(a.Einbauten(i).Anzahl.str(), b.Einbauten(i).Anzahl.str());
    }
    for (int i = 1; i <= FremdEinbautenAnzahl; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.FremdEinbauten(i).Beschreibung.str(), b.FremdEinbauten(i).Beschreibung.str());
        EXPECT_EQ(a.FremdEinbauten(i).Dp.str(), b.FremdEinbauten(i).Dp.str());
        EXPECT_EQ(a.FremdEinbauten(i).Anzahl.str(), b.FremdEinbauten(i).Anzahl.str());
    }
}

inline void ExpectGleich(const TProjektdaten& a, const TProjektdaten& b)
{
    EXPECT_EQ(a.Name1.str(), b.Name1.str());
    EXPECT_EQ(a.Name2.str(), b.Name2.str());
    EXPECT_EQ(a.Strasse.str(), b.Strasse.str());
    EXPECT_EQ(a.PLZ.str(), b.PLZ.str());
    EXPECT_EQ(a.Ort.str(), b.Ort.str());
    EXPECT_EQ(a.Ansprechp.str(), b.Ansprechp.str());
    EXPECT_EQ(a.Projekt.str(), b.Projekt.str());
    EXPECT_EQ(a.Telefon.str(), b.Telefon.str());
    EXPECT_EQ(a.Fax.str(), b.Fax.str());
    EXPECT_EQ(a.Email.str(), b.Email.str());
    EXPECT_EQ(a.Vortext, b.Vortext);
    EXPECT_EQ(a.Nachtext, b.Nachtext);
}

}  // namespace projektdatei_test
