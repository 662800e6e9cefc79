// Results whose decimal value ends in a half at the third decimal: the
// calculation's texts round them up, as a hand calculation does, although
// the binary product lies just below the half.
#include "app/Berechnung.h"
#include "test_berechnung_werte.h"
#include <gtest/gtest.h>

namespace {

// A rectangular duct of 500 x 200 mm (0,1 m², velocity V / 360 m/s) with
// one fitting of the given zeta.
TProjekt RectangularWithOneFitting(const QString& V, const QString& zeta)
{
    TProjekt p;
    p.ResizeSections(1);
    TTeilstrecke& r = p.Section(1);
    r.Nummer = "1";
    r.Bezeichnung = "Teilstrecke 1";
    r.Materialart = "0";
    r.Kanalform = "2";
    r.Volumenstrom = V;
    r.DNRohr = "500";
    r.KanalHoehe = "200";
    r.Laenge = "10";
    r.Geschw = "0";
    r.Einbauten(1).Code = "13";
    r.Einbauten(1).Zeta = zeta;
    r.Einbauten(1).Anzahl = "1";
    return p;
}

TEST(BerechnungRundung, FittingLossesEndingInAHalfRoundUp)
{
    const berechnung_test::TTabellenWerte werte = berechnung_test::TTabellenWerte::Voll();
    const struct {
        const char* V;
        const char* zeta;
        const char* geschw;
        const char* dp;
    } cases[] = {
        {"1620", "0,5", "4,50", "6,08"},     // 0,5 x 0,6 x 4,5² = 6,075
        {"2340", "0,5", "6,50", "12,68"},    // 12,675
        {"3060", "0,5", "8,50", "21,68"},    // 21,675
        {"3780", "0,5", "10,50", "33,08"},   // 33,075
        {"4230", "24,40", "11,75", "2021,24"},  // 2021,235
        {"1440", "0,5", "4,00", "4,80"},     // no half: unchanged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.V);
        TProjekt p = RectangularWithOneFitting(QString::fromLatin1(c.V), QString::fromUtf8(c.zeta));
        CalculateSection(p, 1, werte);
        EXPECT_EQ(p.Section(1).Geschw.str(), QString::fromLatin1(c.geschw));
        EXPECT_EQ(p.Section(1).DpFormstueck.str(), QString::fromLatin1(c.dp));
    }
}

}  // namespace
