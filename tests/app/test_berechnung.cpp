// The pressure-loss calculation: formulas, text forms, rounding, totals,
// the two commands and the values the calculation refuses.
#include "app/Berechnung.h"
#include "common/TestSupport.h"
#include "platform/Numbers.h"
#include "test_berechnung_werte.h"
#include <cmath>
#include <numbers>
#include <gtest/gtest.h>

using berechnung_test::TTabellenWerte;

namespace {

// A stored round pipe section: V, a (mm), L, material 0 (roughness 0,15).
void roundSection(TTeilstrecke& r, int k, const QString& V, const QString& a, const QString& L,
                  const QString& w = "0")
{
    r.Nummer = QString::number(k);
    r.Bezeichnung = "Teilstrecke " + QString::number(k);
    r.Materialart = "0";
    r.Kanalform = "1";
    r.Volumenstrom = V;
    r.DNRohr = a;
    r.KanalHoehe = "0";
    r.Laenge = L;
    r.Geschw = w;
}

class BerechnungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        projekt.ResizeSections(3);
        werte = TTabellenWerte::Voll();
    }
    void TearDown() override { ScriptedAnswerer::instance().verifyDone(); }

    // The round pipe of the worked example with two pieces of zeta 0,3.
    void example(int k)
    {
        TTeilstrecke& r = projekt.Section(k);
        roundSection(r, k, "500", "160", "10");
        r.Einbauten(1).Code = "13";
        r.Einbauten(1).Zeta = "0,3";
        r.Einbauten(1).Anzahl = "2";
    }

    TProjekt projekt;
    TTabellenWerte werte;
};

// The result texts of a record that a calculation writes.
QStringList Ergebnisse(const TTeilstrecke& r)
{
    return {r.DNRohr.str(), r.KanalHoehe.str(), r.Geschw.str(), r.HydrDurchm.str(),
            r.Flaeche.str(), r.DpRohr.str(), r.DpFormstueck.str(), r.DpGesamt.str()};
}

}  // namespace

TEST_F(BerechnungTest, RoundPipeExample)
{
    example(1);
    CalculateSection(projekt, 1, werte);
    const TTeilstrecke& r = projekt.Section(1);
    EXPECT_EQ(r.Geschw.str(), "6,91");
    EXPECT_EQ(r.HydrDurchm.str(), "0,16");
    EXPECT_EQ(r.Flaeche.str(), "0,02");
    EXPECT_EQ(r.ZetaSumme.str(), "0,60");
    EXPECT_EQ(r.FremdSumme.str(), "0,00");
    EXPECT_EQ(r.DpRohr.str(), "37,57");
    EXPECT_EQ(r.DpFormstueck.str(), "17,19");
    EXPECT_EQ(r.DpGesamt.str(), "54,76");
    EXPECT_EQ(r.DNRohr.str(), "160");
}

TEST(BerechnungFormeln, FrictionUsesTheRoundedTexts)
{
    // dh and w as read back from their two-decimal texts.
    EXPECT_NEAR(FrictionGradient(0.16, 6.91, 0.15), 3.7566, 5e-5);
    // With the unrounded velocity the gradient would differ.
    EXPECT_GT(std::fabs(FrictionGradient(0.16, 6.907766, 0.15) - 3.7566), 1e-3);
}

TEST(BerechnungFormeln, AreasAndDiameters)
{
    EXPECT_DOUBLE_EQ(CrossSectionArea(KanalformRund, 160, 0), 0.0256 * std::numbers::pi / 4);
    EXPECT_DOUBLE_EQ(CrossSectionArea(KanalformRechteck, 200, 100), 0.02);
    // 0,785 is a value of its own, not pi/4.
    EXPECT_DOUBLE_EQ(CrossSectionArea(KanalformOval, 100, 100), 0.00785);
    EXPECT_DOUBLE_EQ(HydraulicDiameter(KanalformRund, 160, 0), 0.16);
    EXPECT_DOUBLE_EQ(HydraulicDiameter(KanalformRechteck, 500, 200), 2.0 * 500 * 200 / 700 / 1000);
    EXPECT_DOUBLE_EQ(HydraulicDiameter(KanalformOval, 300, 100),
                     4.0 * (100 * 100 * 0.785 + 200 * 100) / (400 + std::numbers::pi * 100) / 1000);
    EXPECT_DOUBLE_EQ(VelocityFromFlow(KanalformRechteck, 720, 200, 100), 10.0);
    EXPECT_EQ(CrossSectionArea(0, 100, 100), 0.0);
}

TEST(BerechnungFormeln, DimensionFromFlow)
{
    EXPECT_NEAR(DimensionFromFlow(KanalformRund, 500, 0, 4), 210.261, 1e-3);
    EXPECT_DOUBLE_EQ(DimensionFromFlow(KanalformRechteck, 1440, 200, 4), 500.0);
    EXPECT_THROW(DimensionFromFlow(0, 500, 100, 4), ECalcError);
}

TEST(BerechnungFormeln, FlatOvalMissingSide)
{
    const double V = 2000, w = 5;
    const double A = V / (w * 3600);  // m²
    // Height given: the width.
    const double a = DimensionFromFlow(KanalformOval, V, 150, w, TGegebeneSeite::Hoehe);
    EXPECT_NEAR(a, A * 1e6 / 150 + 0.215 * 150, 1e-9);
    EXPECT_NEAR(CrossSectionArea(KanalformOval, a, 150), A, 1e-12);
    // Width given: the smaller positive height.
    const double b = DimensionFromFlow(KanalformOval, V, 500, w, TGegebeneSeite::Breite);
    EXPECT_NEAR(CrossSectionArea(KanalformOval, 500, b), A, 1e-12);
    EXPECT_GT(b, 0);
    const double other = (500 + std::sqrt(500.0 * 500 - 4 * 0.215 * A * 1e6)) / (2 * 0.215);
    EXPECT_LT(b, other);
    // A width too narrow for the flow has no height.
    EXPECT_THROW(DimensionFromFlow(KanalformOval, 20000, 100, 1, TGegebeneSeite::Breite), ECalcError);
}

TEST(BerechnungFormeln, RoundingAndTexts)
{
    EXPECT_EQ(RoundToTens(125), 120);
    EXPECT_EQ(RoundToTens(135), 140);
    EXPECT_EQ(RoundToTens(210.26), 210);
    EXPECT_EQ(RoundToTens(214.9), 210);
    EXPECT_EQ(RoundToTens(215.01), 220);

    EXPECT_EQ(ResultText(6.907766), "6,91");
    EXPECT_EQ(ResultText(0), "0,00");
    EXPECT_EQ(ResultText(-0.001), "0,00");
    EXPECT_EQ(ResultText(1234567.891), "1234568,00");  // 7 significant digits
    EXPECT_EQ(ResultText(9876.543), "9876,54");
    // Beyond 7 digits the text is either refused or reads back as the value.
    for (double big : {12345678.0, 1.5e12, 9.99e99}) {
        try {
            const QString t = ResultText(big);
            EXPECT_LE(t.size(), 10) << t.toStdString();
            EXPECT_NEAR(StrToFloat(t), big, big * 1e-6) << t.toStdString();
        } catch (const ECalcError&) {
        }
    }
    EXPECT_THROW(ResultText(std::nan("")), ECalcError);
    EXPECT_THROW(ResultText(HUGE_VAL), ECalcError);

    // Shaft power: halves upwards (an even rule would give 0,12).
    EXPECT_DOUBLE_EQ(ShaftPower(3600, 125, 1), 0.13);
    EXPECT_DOUBLE_EQ(ShaftPower(800, 69.48, 0.8), 0.02);  // 0,0193 kW
    EXPECT_DOUBLE_EQ(ShaftPower(800, 60, 0.8), 0.02);     // 0,01666 kW
}

TEST_F(BerechnungTest, DerivedDiameterIsRoundedToTens)
{
    roundSection(projekt.Section(1), 1, "500", "0", "10", "4");
    CalculateSection(projekt, 1, werte);
    EXPECT_EQ(projekt.Section(1).DNRohr.str(), "210");
    // 500 / (0,21² x pi/4 x 3600) = 4,0105 m/s in the 210 mm pipe.
    EXPECT_EQ(projekt.Section(1).Geschw.str(), "4,01");
    EXPECT_EQ(projekt.Section(1).HydrDurchm.str(), "0,21");
}

TEST_F(BerechnungTest, DerivedDimensionGivesTheVelocityOfTheRoundedDuctAndTheSameResultsEveryTime)
{
    struct Fall {
        const char* what;
        const char* form;
        const char* V;
        const char* a;
        const char* b;
        const char* w;
        const char* aDanach;
        const char* bDanach;
        const char* geschw;  // V / (A x 3600) of the rounded duct, by hand
    };
    const Fall faelle[] = {
        // 1000 / (0,27² x pi/4 x 3600) = 4,852
        {"round, diameter missing", "1", "1000", "0", "0", "5", "270", "0", "4,85"},
        // 1440 / (3 x 3600) / 500 mm = 266,7 -> 270; 1440 / (0,5 x 0,27 x 3600) = 2,963
        {"rectangular, height missing", "2", "1440", "500", "0", "3", "500", "270", "2,96"},
        // 1440 / (3 x 3600) / 200 mm = 666,7 -> 670; 1440 / (0,67 x 0,2 x 3600) = 2,985
        {"rectangular, width missing", "2", "1440", "0", "200", "3", "670", "200", "2,99"},
        // b = 248,9 -> 250; A = 250² x 0,785 + 250 x 250 = 111562,5 mm²; 2000 / (0,1115625 x 3600) = 4,980
        {"flat-oval, height missing", "3", "2000", "500", "0", "5", "500", "250", "4,98"},
        // a = 111111 / 200 + 0,215 x 200 = 598,6 -> 600; A = 200² x 0,785 + 400 x 200 = 111400 mm²; 4,987
        {"flat-oval, width missing", "3", "2000", "0", "200", "5", "600", "200", "4,99"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.what);
        TTeilstrecke& r = projekt.Section(1);
        roundSection(r, 1, f.V, f.a, "10", f.w);
        r.Kanalform = f.form;
        r.KanalHoehe = f.b;
        r.Einbauten(1).Zeta = "0,5";
        r.Einbauten(1).Anzahl = "2";
        CalculateSection(projekt, 1, werte);
        EXPECT_EQ(r.DNRohr.str(), f.aDanach);
        EXPECT_EQ(r.KanalHoehe.str(), f.bDanach);
        EXPECT_EQ(r.Geschw.str(), f.geschw);
        const QStringList erste = Ergebnisse(r);

        // Calculating again without any change gives the same answer.
        CalculateSection(projekt, 1, werte);
        EXPECT_EQ(Ergebnisse(r), erste);

        // The losses are those of the duct as stored: typed with both
        // dimensions it gives the same results.
        TTeilstrecke& g = projekt.Section(2);
        g = r;
        g.Geschw = "0";
        g.DpRohr = g.DpFormstueck = g.DpGesamt = "0";
        CalculateSection(projekt, 2, werte);
        EXPECT_EQ(Ergebnisse(g), erste);
    }

    // The worked case: 1000 m³/h, 10 m, 5 m/s gives 270 mm, 4,85 m/s and
    // 10 x 0,949 = 9,49 Pa, not the 10,09 Pa of the typed 5 m/s.
    TTeilstrecke& r = projekt.Section(3);
    roundSection(r, 3, "1000", "0", "10", "5");
    CalculateSection(projekt, 3, werte);
    EXPECT_EQ(r.DpRohr.str(), "9,49");
    EXPECT_EQ(r.DpGesamt.str(), "9,49");
}

TEST_F(BerechnungTest, DerivedHeightOfExactlyHalfGoesToEven)
{
    TTeilstrecke& r = projekt.Section(1);
    roundSection(r, 1, "450", "1000", "10", "1");
    r.Kanalform = "2";
    // A = 0,125 m², width 1000 mm: the height is exactly 125 mm.
    CalculateSection(projekt, 1, werte);
    EXPECT_EQ(r.KanalHoehe.str(), "120");
    EXPECT_EQ(r.DNRohr.str(), "1000");
}

TEST_F(BerechnungTest, RectangularDuctWithTheWidthMissing)
{
    TTeilstrecke& r = projekt.Section(2);
    roundSection(r, 2, "1440", "0", "5", "4");
    r.Kanalform = "2";
    r.KanalHoehe = "200";
    CalculateSection(projekt, 2, werte);
    EXPECT_EQ(r.DNRohr.str(), "500");
    EXPECT_EQ(r.KanalHoehe.str(), "200");
    EXPECT_EQ(r.Geschw.str(), "4,00");  // 500 x 200 mm is exactly the area for 4 m/s
    EXPECT_EQ(r.HydrDurchm.str(), "0,29");
    EXPECT_EQ(r.Flaeche.str(), "0,10");
}

TEST_F(BerechnungTest, FlatOvalSectionWithTheHeightMissing)
{
    TTeilstrecke& r = projekt.Section(1);
    roundSection(r, 1, "2000", "500", "5", "5");
    r.Kanalform = "3";
    CalculateSection(projekt, 1, werte);
    const double b = DimensionFromFlow(KanalformOval, 2000, 500, 5, TGegebeneSeite::Breite);
    EXPECT_EQ(r.KanalHoehe.str(), FloatToStr(RoundToTens(b)));
    EXPECT_EQ(r.DNRohr.str(), "500");
}

TEST_F(BerechnungTest, FittingAndFurtherComponentSums)
{
    example(1);
    TTeilstrecke& r = projekt.Section(1);
    r.Einbauten(90).Zeta = "1,5";
    r.Einbauten(90).Anzahl = "1";
    r.Einbauten(91).Zeta = "";  // not counted: no zeta needed
    r.Einbauten(91).Anzahl = "0";
    r.FremdEinbauten(3).Dp = "12,5";
    r.FremdEinbauten(3).Anzahl = "2";
    r.FremdEinbauten(4).Dp = "100";
    r.FremdEinbauten(4).Anzahl = "-1";  // not counted
    SumFittingLosses(projekt, 1);
    EXPECT_EQ(r.ZetaSumme.str(), "2,10");
    EXPECT_EQ(r.FremdSumme.str(), "25,00");
}

TEST_F(BerechnungTest, SectionWithoutFlowKeepsItsResults)
{
    TTeilstrecke& r = projekt.Section(2);
    roundSection(r, 2, "0", "160", "10");
    r.DpGesamt = "12,34";
    r.HydrDurchm = "0,99";
    CalculateSection(projekt, 2, werte);
    EXPECT_EQ(r.DpGesamt.str(), "12,34");
    EXPECT_EQ(r.HydrDurchm.str(), "0,99");
}

TEST_F(BerechnungTest, TotalsOfThreeSections)
{
    roundSection(projekt.Section(1), 1, "500", "160", "10");
    roundSection(projekt.Section(2), 2, "800", "160", "10");
    roundSection(projekt.Section(3), 3, "800", "160", "10");
    projekt.Section(1).DpGesamt = "20,00";
    projekt.Section(2).DpGesamt = "30,00";
    projekt.Section(3).DpGesamt = "19,48";
    CalculateTotals(projekt, werte);
    EXPECT_DOUBLE_EQ(projekt.VpLeitungGes, 800);
    EXPECT_NEAR(projekt.DpLeitungGes, 69.48, 1e-9);
    EXPECT_DOUBLE_EQ(projekt.Wellenleistung, 0.02);

    SumTotalPressureLoss(projekt);
    EXPECT_NEAR(projekt.DpLeitungGes, 69.48, 1e-9);

    TSectionInputs shown;
    ShowTotals(projekt, shown);
    EXPECT_EQ(shown.VpLeitungGes, "800");
    EXPECT_EQ(shown.DpLeitungGes, "69,48");
    EXPECT_EQ(shown.Wellenleistung, "0,02");
}

TEST_F(BerechnungTest, ResultsAreShownInTheFormOrder)
{
    example(1);
    CalculateSection(projekt, 1, werte);
    const auto texts = SectionResultTexts(projekt, 1);
    QStringList fields;
    for (const TFieldText& f : texts) fields << f.Field;
    EXPECT_EQ(fields, QStringList({"GeschwEdit", "DNRohrEdit", "GeschwEdit", "DNRohrEdit", "KanalHoeheEdit",
                                   "GeschwEdit", "HydrDurchmEdit", "FlaecheEdit", "DpRohrEdit",
                                   "DpFormstueckEdit", "DpGesamtEdit"}));
    EXPECT_EQ(texts.back().Text, "54,76");
    EXPECT_EQ(texts.front().Text, "6,91");
    TSectionInputs shown;
    ShowSectionResults(projekt, 1, shown);
    EXPECT_EQ(shown.Geschw, "6,91");
    EXPECT_EQ(shown.DNRohr, "160");
    EXPECT_EQ(shown.DpRohr, "37,57");
    EXPECT_EQ(shown.DpGesamt, "54,76");
}

// ---- values the calculation cannot use ---------------------------------------

TEST_F(BerechnungTest, MissingRoughnessStopsAndNamesTheMaterial)
{
    example(1);
    projekt.Section(1).Materialart = "3";
    werte.remove("Material", "EHolz");
    const TTeilstrecke before = projekt.Section(1);
    try {
        CalculateSection(projekt, 1, werte);
        FAIL() << "no error";
    } catch (const ECalcError& e) {
        EXPECT_TRUE(e.Message().contains("„EHolz“ (Holzkanal)")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("SBWert.Dat"));
        EXPECT_TRUE(e.Message().startsWith("Teilstrecke 1"));
    }
    // Nothing of the failed calculation reached the record.
    EXPECT_EQ(projekt.Section(1).Geschw.str(), before.Geschw.str());
    EXPECT_EQ(projekt.Section(1).HydrDurchm.str(), before.HydrDurchm.str());
    EXPECT_EQ(projekt.Section(1).ZetaSumme.str(), before.ZetaSumme.str());

    werte.set("Material", "EHolz", "grob");
    EXPECT_THROW(CalculateSection(projekt, 1, werte), ECalcError);
    werte.set("Material", "EHolz", "0");
    EXPECT_THROW(CalculateSection(projekt, 1, werte), ECalcError);
    projekt.Section(1).Materialart = "7";
    EXPECT_THROW(CalculateSection(projekt, 1, werte), ECalcError);
}

TEST_F(BerechnungTest, MissingValueFileIsReportedThenStops)
{
    example(1);
    werte.available = false;
    ScriptedAnswerer::instance().expectMessage("Zetawerte nicht vorhanden");
    EXPECT_THROW(CalculateSection(projekt, 1, werte), ECalcError);
    EXPECT_EQ(projekt.Section(1).DpGesamt.str(), "0");
}

TEST_F(BerechnungTest, TinyDuctStopsWithoutWritingInfinity)
{
    roundSection(projekt.Section(1), 1, "5", "4", "10");  // dh text 0,00
    projekt.Section(1).DpGesamt = "1,00";
    try {
        CalculateSection(projekt, 1, werte);
        FAIL() << "no error";
    } catch (const ECalcError& e) {
        EXPECT_TRUE(e.Message().contains("hydraulische Durchmesser"));
    }
    EXPECT_EQ(projekt.Section(1).DpGesamt.str(), "1,00");
    EXPECT_EQ(projekt.Section(1).Geschw.str(), "0");

    // A round pipe without any dimension or velocity.
    roundSection(projekt.Section(2), 2, "500", "0", "10", "0");
    EXPECT_THROW(CalculateSection(projekt, 2, werte), ECalcError);
}

TEST(BerechnungFehler, FrictionRefusesUnusableNumbers)
{
    EXPECT_THROW(FrictionGradient(0, 5, 0.15), ECalcError);
    EXPECT_THROW(FrictionGradient(0.16, 5, 0), ECalcError);
    EXPECT_THROW(FrictionGradient(0.16, 5, -1), ECalcError);
    EXPECT_THROW(FrictionGradient(0.2, 5, 200), ECalcError);  // log10(1) = 0
}

TEST_F(BerechnungTest, CountedSlotWithoutZetaNamesKeyAndSection)
{
    example(1);
    projekt.Section(1).Einbauten(46).Zeta = "";
    projekt.Section(1).Einbauten(46).Anzahl = "1";
    try {
        CalculateSection(projekt, 1, werte);
        FAIL() << "no error";
    } catch (const ECalcError& e) {
        EXPECT_TRUE(e.Message().contains("ZAbzw452")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("Zeta-Abzweig"));
    }
}

TEST_F(BerechnungTest, RecordTextsThatAreNoNumbers)
{
    example(1);
    projekt.Section(1).Laenge = "zehn";
    EXPECT_THROW(CalculateSection(projekt, 1, werte), ECalcError);
    example(1);
    projekt.Section(1).Kanalform = "0";
    EXPECT_THROW(CalculateSection(projekt, 1, werte), ECalcError);
}

TEST_F(BerechnungTest, FanEfficiencyOfZeroStopsTheTotals)
{
    roundSection(projekt.Section(1), 1, "500", "160", "10");
    projekt.Section(1).DpGesamt = "20,00";
    projekt.VpLeitungGes = 1;
    projekt.DpLeitungGes = 2;
    projekt.Wellenleistung = 3;
    for (const char* eta : {"0", "", "hoch"}) {
        werte.set("Material", "EtaVentilator", eta);
        try {
            CalculateTotals(projekt, werte);
            FAIL() << eta;
        } catch (const ECalcError& e) {
            EXPECT_TRUE(e.Message().contains("EtaVentilator"));
        }
        EXPECT_EQ(projekt.VpLeitungGes, 1);
        EXPECT_EQ(projekt.DpLeitungGes, 2);
        EXPECT_EQ(projekt.Wellenleistung, 3);
    }
}

// ---- the commands --------------------------------------------------------------

TEST_F(BerechnungTest, AllSectionsWithInvalidInputsAsksOnceAndCalculatesNothing)
{
    example(1);
    example(2);
    projekt.Section(1).DpGesamt = "1,00";
    projekt.VpLeitungGes = 7;
    TSectionInputs shown;  // round pipe, volume flow given but no length
    shown.VpVorgabe = "500";
    ScriptedAnswerer::instance().expectMessage("Es müssen mindestens");
    EXPECT_FALSE(CalculateAllSectionsCommand(projekt, shown, 1, werte));
    EXPECT_EQ(ScriptedAnswerer::instance().asked().size(), 1u);
    EXPECT_FALSE(projekt.AlleBerechnet);
    EXPECT_EQ(projekt.VpLeitungGes, 7);
    EXPECT_EQ(projekt.Section(1).DpGesamt.str(), "1,00");
    EXPECT_EQ(projekt.Section(2).DpGesamt.str(), "0");
}

TEST_F(BerechnungTest, AllSectionsCalculatesStoresAndShows)
{
    example(1);
    roundSection(projekt.Section(2), 2, "800", "200", "5");
    roundSection(projekt.Section(3), 3, "0", "0", "0");
    projekt.Section(3).DpGesamt = "0";
    projekt.ProjektGespeichert = true;
    // Section 2 is shown; its inputs on the form differ from the record.
    TSectionInputs shown;
    shown.VpVorgabe = "500";
    shown.TSLaenge = "10";
    shown.DNRohr = "160";
    shown.SectionCaption = "Teilstrecke 2";
    shown.SlotAnzahl[1] = "2";
    werte.set("Zeta-Bogen", "ZBog1", "0,3");
    ASSERT_TRUE(CalculateAllSectionsCommand(projekt, shown, 2, werte));
    EXPECT_TRUE(projekt.AlleBerechnet);
    // The calculation itself is no change; typing the inputs marked one.
    EXPECT_TRUE(projekt.ProjektGespeichert);
    EXPECT_EQ(projekt.Section(1).DpGesamt.str(), "54,76");
    EXPECT_EQ(projekt.Section(2).DpGesamt.str(), "54,76");  // stored from the form first
    EXPECT_EQ(projekt.Section(2).Volumenstrom.str(), "500");
    EXPECT_DOUBLE_EQ(projekt.VpLeitungGes, 500);
    EXPECT_NEAR(projekt.DpLeitungGes, 109.52, 1e-9);
    EXPECT_EQ(shown.DpGesamt, "54,76");
    EXPECT_EQ(shown.Geschw, "6,91");
    EXPECT_EQ(shown.DpLeitungGes, "109,52");
    // 500 / 3600 x 109,52 / 0,8 / 1000 = 0,019 -> 0,02
    EXPECT_EQ(shown.Wellenleistung, "0,02");
}

TEST_F(BerechnungTest, AllSectionsStopsAtTheFirstFailingSection)
{
    example(1);
    example(2);
    example(3);
    projekt.Section(2).Materialart = "3";
    werte.remove("Material", "EHolz");
    TSectionInputs shown;
    EXPECT_THROW(CalculateAllSectionsCommand(projekt, shown, 0, werte), ECalcError);
    EXPECT_EQ(projekt.Section(1).DpGesamt.str(), "54,76");
    EXPECT_EQ(projekt.Section(2).DpGesamt.str(), "0");
    EXPECT_EQ(projekt.Section(3).DpGesamt.str(), "0");
    EXPECT_FALSE(projekt.AlleBerechnet);
    EXPECT_EQ(projekt.VpLeitungGes, 0);
}

TEST_F(BerechnungTest, CurrentSectionOfAChildNodeCalculatesTheParent)
{
    example(2);
    TSectionInputs shown;
    ASSERT_TRUE(LoadSectionToInputs(projekt, 2, shown));
    shown.SectionCaption = "Teilstrecke 2";
    shown.SlotAnzahl[1] = "2";
    werte.set("Zeta-Bogen", "ZBog1", "0,3");
    projekt.ProjektGespeichert = true;
    ASSERT_TRUE(CalculateCurrentSectionCommand(projekt, shown, NodeToSectionIndex(1, true), werte));
    EXPECT_EQ(projekt.Section(2).DpGesamt.str(), "54,76");
    EXPECT_EQ(shown.DpGesamt, "54,76");
    EXPECT_TRUE(projekt.ProjektGespeichert);
    EXPECT_FALSE(projekt.AlleBerechnet);
    EXPECT_EQ(projekt.Section(1).DpGesamt.str(), "0");
}
