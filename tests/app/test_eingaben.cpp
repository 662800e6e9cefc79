// Input check, store of the shown section into its record, load back, and
// what the count cells and fields accept.
#include "app/Eingaben.h"
#include "common/TestSupport.h"
#include "test_berechnung_werte.h"
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using berechnung_test::TTabellenWerte;

namespace {

TSectionInputs roundPipe(const QString& V, const QString& L, const QString& D, const QString& w)
{
    TSectionInputs in;
    in.VpVorgabe = V;
    in.TSLaenge = L;
    in.DNRohr = D;
    in.Geschw = w;
    in.SectionCaption = "Teilstrecke 1";
    return in;
}

TSectionInputs duct(const QString& V, const QString& L, const QString& D, const QString& H, const QString& w)
{
    TSectionInputs in = roundPipe(V, L, D, w);
    in.RohrartChecked = false;
    in.KanalartChecked = true;
    in.OvalEnabled = true;
    in.KanalHoehe = H;
    return in;
}

const TSlotInfo& slotAt(const char* grid, int row, int col)
{
    for (const TSlotInfo& s : SlotTable())
        if (s.grid && QLatin1String(s.grid) == QLatin1String(grid) && s.row == row && s.col == col) return s;
    throw std::logic_error("no such cell");
}

const QString kInputMessage = QStringLiteral(
    "Es müssen mindestens folgende Felder größer \"0\" sein:\r"
    "Volumenstrom, Teilstreckenlänge und\r"
    "Rohrdurchmesser oder Strömungsgeschwindigkeit!!");

class EingabenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        projekt.ResizeSections(3);
        werte = TTabellenWerte::Voll();
    }
    void TearDown() override { ScriptedAnswerer::instance().verifyDone(); }

    TProjekt projekt;
    TTabellenWerte werte;
};

}  // namespace

TEST(EingabenCheck, RoundPipe)
{
    EXPECT_EQ(CheckSectionInputs(roundPipe("500", "10", "0", "4")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(roundPipe("500", "10", "160", "0")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(roundPipe("500", "10", "160", "4")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(roundPipe("500", "10", "0", "0")), TInputState::Invalid);
    EXPECT_EQ(CheckSectionInputs(roundPipe("0", "10", "160", "0")), TInputState::Invalid);
    EXPECT_EQ(CheckSectionInputs(roundPipe("500", "0", "160", "0")), TInputState::Invalid);
    EXPECT_EQ(CheckSectionInputs(roundPipe("0", "0", "0", "0")), TInputState::Empty);
    EXPECT_EQ(CheckSectionInputs(roundPipe("", "", "", "")), TInputState::Empty);
    EXPECT_EQ(CheckSectionInputs(roundPipe("-5", "0", "0", "0")), TInputState::Empty);
    // A text that is no number counts neither as given nor as empty.
    EXPECT_EQ(CheckSectionInputs(roundPipe("abc", "0", "0", "0")), TInputState::Invalid);
}

TEST(EingabenCheck, RectangularDuct)
{
    EXPECT_EQ(CheckSectionInputs(duct("500", "10", "200", "0", "0")), TInputState::Invalid);
    EXPECT_EQ(CheckSectionInputs(duct("500", "10", "200", "0", "3")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(duct("500", "10", "0", "100", "3")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(duct("500", "10", "200", "100", "0")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(duct("500", "10", "200", "100", "3")), TInputState::Valid);
    EXPECT_EQ(CheckSectionInputs(duct("500", "10", "0", "0", "3")), TInputState::Invalid);
    EXPECT_EQ(CheckSectionInputs(duct("0", "0", "0", "0", "0")), TInputState::Empty);
    EXPECT_EQ(CheckSectionInputs(duct("0", "0", "0", "5", "0")), TInputState::Invalid);
}

TEST_F(EingabenTest, InvalidInputsShowTheThreeLinesAndStoreNothing)
{
    projekt.Section(1).Volumenstrom = "111";
    ScriptedAnswerer::instance().expectMessage(kInputMessage);
    EXPECT_FALSE(StoreSectionFromInputs(projekt, 1, roundPipe("500", "10", "0", "0"), werte));
    ASSERT_EQ(ScriptedAnswerer::instance().asked().size(), 1u);
    EXPECT_EQ(ScriptedAnswerer::instance().asked()[0].text, kInputMessage);
    EXPECT_EQ(ScriptedAnswerer::instance().asked()[0].type, mtError);
    EXPECT_EQ(projekt.Section(1).Volumenstrom.str(), "111");
    EXPECT_TRUE(projekt.Section(1).Nummer.isEmpty());
    EXPECT_FALSE(projekt.TSLeer);
}

TEST_F(EingabenTest, EmptyInputsKeepTheDataFieldsAndStoreTheCounts)
{
    TTeilstrecke& r = projekt.Section(2);
    r.Volumenstrom = "700";
    r.Laenge = "7";
    r.Kanalform = "2";
    r.Materialart = "4";
    r.Bezeichnung = "Abluft";
    r.Einbauten(4).Anzahl = "3";
    r.FremdEinbauten(2) = TFremdEinbauEintrag{"alt", "3", "1"};
    TSectionInputs in = roundPipe("0", "0", "0", "0");
    in.SectionCaption = "Teilstrecke 2";
    in.MaterialIndex = 1;
    in.SlotAnzahl[4] = "9";
    in.SlotAnzahl[3] = "2";
    in.EinbautenAnzahl[1] = "1";
    in.Fremd[1] = TFremdZeile{"2", "Brandschutzklappe", "15"};
    EXPECT_TRUE(StoreSectionFromInputs(projekt, 2, in, werte));
    EXPECT_TRUE(projekt.TSLeer);
    // The data tab's fields, the name and the (empty) number are kept.
    EXPECT_EQ(r.Volumenstrom.str(), "700");
    EXPECT_EQ(r.Laenge.str(), "7");
    EXPECT_EQ(r.Kanalform.str(), "2");
    EXPECT_EQ(r.Materialart.str(), "4");
    EXPECT_EQ(r.Bezeichnung.str(), "Abluft");
    EXPECT_TRUE(r.Nummer.isEmpty());
    // The counts are stored as with valid inputs, with code and zeta.
    EXPECT_EQ(r.Einbauten(4).Anzahl.str(), "9");
    EXPECT_EQ(r.Einbauten(3).Anzahl.str(), "2");
    EXPECT_EQ(r.Einbauten(3).Code.str(), "13");
    EXPECT_EQ(r.Einbauten(3).Zeta.str(), werte.ReadValues({{"Zeta-Bogen", "ZBog3"}}).value(0));
    EXPECT_FALSE(r.Einbauten(3).Zeta.isEmpty());
    EXPECT_EQ(r.Einbauten(88).Anzahl.str(), "1");
    EXPECT_EQ(r.Einbauten(5).Anzahl.str(), "0");
    EXPECT_EQ(r.FremdEinbauten(1).Beschreibung.str(), "Brandschutzklappe");
    EXPECT_EQ(r.FremdEinbauten(1).Dp.str(), "15");
    EXPECT_EQ(r.FremdEinbauten(1).Anzahl.str(), "2");
    EXPECT_EQ(r.FremdEinbauten(2).Anzahl.str(), "0");

    // A count the record cannot hold is refused here too, and nothing changes.
    in.SlotAnzahl[4] = "1000";
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("1000"));
    EXPECT_FALSE(StoreSectionFromInputs(projekt, 2, in, werte));
    ScriptedAnswerer::instance().verifyDone();
    EXPECT_EQ(r.Einbauten(4).Anzahl.str(), "9");

    // Empty data fields the record could not hold are not looked at: they
    // are not stored.
    in.SlotAnzahl[4] = "4";
    in.TSLaenge = "-1234567890123";
    EXPECT_TRUE(StoreSectionFromInputs(projekt, 2, in, werte));
    EXPECT_EQ(r.Einbauten(4).Anzahl.str(), "4");
    EXPECT_EQ(r.Laenge.str(), "7");

    // With no node selected nothing is stored.
    in.NodeSelected = false;
    in.SlotAnzahl[4] = "5";
    EXPECT_TRUE(StoreSectionFromInputs(projekt, 2, in, werte));
    EXPECT_EQ(r.Einbauten(4).Anzahl.str(), "4");
}

TEST_F(EingabenTest, StoreWritesEveryFieldInItsTextForm)
{
    TSectionInputs in = duct("500,9", "12,5", "200,7", "100,2", "0");
    in.OvalChecked = true;
    in.MaterialIndex = 3;
    in.SectionCaption = "Zuluft Erdgeschoss links";
    in.Fremd[1] = TFremdZeile{"2", QString(60, QLatin1Char('d')), "12,5"};
    in.Fremd[20] = TFremdZeile{"", "leer", ""};
    in.EinbautenAnzahl[1] = "2,7";
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 2, in, werte));
    const TTeilstrecke& r = projekt.Section(2);
    EXPECT_EQ(r.Nummer.str(), "2");
    EXPECT_EQ(r.Bezeichnung.str(), "Zuluft Erdgesch");
    EXPECT_EQ(r.Materialart.str(), "3");
    EXPECT_EQ(r.Kanalform.str(), "3");
    EXPECT_EQ(r.DNRohr.str(), "200");
    EXPECT_EQ(r.KanalHoehe.str(), "100");
    EXPECT_EQ(r.Volumenstrom.str(), "500");
    EXPECT_EQ(r.Laenge.str(), "12,5");
    EXPECT_EQ(r.Geschw.str(), "0");
    EXPECT_EQ(r.Einbauten(88).Anzahl.str(), "2");
    EXPECT_EQ(r.FremdEinbauten(1).Beschreibung.length(), 50);
    EXPECT_EQ(r.FremdEinbauten(1).Dp.str(), "12,5");
    EXPECT_EQ(r.FremdEinbauten(1).Anzahl.str(), "2");
    EXPECT_EQ(r.FremdEinbauten(20).Anzahl.str(), "0");
    EXPECT_EQ(r.FremdEinbauten(20).Dp.str(), "0");
    EXPECT_EQ(projekt.StueckSumme, 4);

    in.OvalChecked = false;
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 2, in, werte));
    EXPECT_EQ(projekt.Section(2).Kanalform.str(), "2");
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 2, roundPipe("500", "10", "0", "4,25"), werte));
    EXPECT_EQ(projekt.Section(2).Kanalform.str(), "1");
    EXPECT_EQ(projekt.Section(2).Geschw.str(), "4,25");
    // Decimals beyond the field are cut off; the number stays what was typed.
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 2, roundPipe("500", "0,00012345678", "0", "4,123456789"), werte));
    EXPECT_EQ(projekt.Section(2).Geschw.str(), "4,12345678");
    EXPECT_EQ(projekt.Section(2).Laenge.str(), "0,00012345");
}

TEST_F(EingabenTest, EveryCountReachesItsSlotWithCodeAndZeta)
{
    TSectionInputs in = roundPipe("500", "10", "160", "0");
    for (int slot = 1; slot <= EinbautenAnzahl; ++slot) in.CountOfSlot(slot) = QString::number(slot);
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 1, in, werte));
    EXPECT_EQ(werte.batches, 1);  // the value file is read once per store
    EXPECT_EQ(werte.reads, EinbautenAnzahl);
    const TTeilstrecke& r = projekt.Section(1);
    int expectedSum = 0;
    for (const TSlotInfo& s : SlotTable()) {
        const TEinbauEintrag& e = r.Einbauten(s.slot);
        EXPECT_EQ(e.Anzahl.str(), QString::number(s.slot)) << s.slot;
        EXPECT_EQ(e.Code.str(), QString::number(s.code)) << s.slot;
        EXPECT_EQ(e.Zeta.str(), QString::number(s.slot) + ",5") << s.key;
        expectedSum += s.slot;
    }
    EXPECT_EQ(projekt.StueckSumme, expectedSum);
}

TEST(EingabenSlots, CellsAndFieldsMapToTheirSlots)
{
    struct Case { const char* grid; int row, col, slot, code; const char* section; const char* key; };
    const Case cases[] = {
        {"ZetaBogenGlattGrid", 1, 3, 3, 13, "Zeta-Bogen", "ZBog3"},  // "R / D" 1,0
        {"ZetaBogenSegmentGrid", 1, 1, 7, 14, "Zeta-Bogen", "ZSeg3_1"},
        {"ZetaBogenSegmentGrid", 2, 6, 18, 15, "Zeta-Bogen", "ZSeg5_6"},
        {"ZetaBogenFlachGrid", 2, 6, 24, 16, "Zeta-Flach-horizontal", "ZFlachH6"},
        {"ZetaBogenFlachVertGrid", 2, 1, 25, 17, "Zeta-Flach-vertikal", "ZFlachV1"},
        {"ZetaAbzweigGrid", 1, 7, 37, 18, "Zeta-Abzweig", "ZAbzw907"},
        {"ZetaAbzweigGrid", 2, 1, 38, 19, "Zeta-Abzweig", "ZAbzw601"},
        {"ZetaAbzweigGrid", 3, 7, 51, 20, "Zeta-Abzweig", "ZAbzw457"},
        {"ZetaRedScharfWeitGrid", 1, 6, 57, 21, "Zeta-Red-scharfk", "ZRedErwS6"},
        {"ZetaRedScharfEngGrid", 1, 1, 58, 22, "Zeta-Red-scharfk", "ZRedEngS1"},
        {"ZetaRedKonWeitGrid", 1, 1, 64, 23, "Zeta-Red-Konisch", "ZRedErwK1"},
        {"ZetaRedKonWeitGrid", 2, 1, 70, 23, "Zeta-Red-Konisch", "ZRedErwK7"},
        {"ZetaRedKonWeitGrid", 3, 6, 81, 23, "Zeta-Red-Konisch", "ZRedErwK18"},
        {"ZetaRedKonEngGrid", 1, 6, 87, 24, "Zeta-Red-Konisch", "ZRedEngK6"},
    };
    for (const Case& c : cases) {
        const TSlotInfo& s = slotAt(c.grid, c.row, c.col);
        EXPECT_EQ(s.slot, c.slot) << c.key;
        EXPECT_EQ(s.code, c.code) << c.key;
        EXPECT_STREQ(s.section, c.section);
        EXPECT_STREQ(s.key, c.key);
    }
    for (int i = 1; i <= 12; ++i) {
        const TSlotInfo& s = SlotInfo(87 + i);
        EXPECT_EQ(s.grid, nullptr);
        EXPECT_EQ(QString::fromLatin1(s.field), "EinbautenEdit" + QString::number(i));
        EXPECT_EQ(s.code, 24 + i);
        EXPECT_EQ(QString::fromLatin1(s.key), "zEinbauten" + QString::number(i));
        EXPECT_STREQ(s.section, "Zeta-Einbauten");
    }
    // Each grid cell feeds exactly one slot.
    QSet<QString> cells;
    for (const TSlotInfo& s : SlotTable())
        if (s.grid) cells.insert(QString("%1/%2/%3").arg(s.grid).arg(s.row).arg(s.col));
    EXPECT_EQ(cells.size(), 87);
}

TEST_F(EingabenTest, CountInOneCellStoresOnlyThatSlot)
{
    TSectionInputs in = roundPipe("500", "10", "160", "0");
    in.SlotAnzahl[slotAt("ZetaBogenGlattGrid", 1, 3).slot] = "2";
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 1, in, werte));
    const TTeilstrecke& r = projekt.Section(1);
    EXPECT_EQ(r.Einbauten(3).Anzahl.str(), "2");
    EXPECT_EQ(r.Einbauten(3).Code.str(), "13");
    EXPECT_EQ(r.Einbauten(3).Zeta.str(), "3,5");
    for (int slot = 1; slot <= EinbautenAnzahl; ++slot)
        if (slot != 3) {
            EXPECT_EQ(r.Einbauten(slot).Anzahl.str(), "0") << slot;
        }
    EXPECT_EQ(projekt.StueckSumme, 2);
}

TEST_F(EingabenTest, MissingValueFileIsReportedAndZetasStayEmpty)
{
    werte.available = false;
    ScriptedAnswerer::instance().expectMessage("Zetawerte nicht vorhanden");
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 1, roundPipe("500", "10", "160", "0"), werte));
    EXPECT_EQ(ScriptedAnswerer::instance().asked().at(0).type, mtInformation);
    EXPECT_TRUE(projekt.Section(1).Einbauten(1).Zeta.isEmpty());
    EXPECT_EQ(projekt.Section(1).Einbauten(1).Code.str(), "13");
    EXPECT_EQ(projekt.Section(1).Volumenstrom.str(), "500");

    // A single missing key gives an empty zeta, the rest is read.
    werte.available = true;
    werte.remove("Zeta-Abzweig", "ZAbzw452");
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 1, roundPipe("500", "10", "160", "0"), werte));
    EXPECT_TRUE(projekt.Section(1).Einbauten(46).Zeta.isEmpty());
    EXPECT_EQ(projekt.Section(1).Einbauten(45).Zeta.str(), "45,5");
}

TEST_F(EingabenTest, NameComesFromTheSectionNodeCaption)
{
    // A child node is selected; the snapshot carries its parent's caption.
    TSectionInputs in = roundPipe("500", "10", "160", "0");
    in.SectionCaption = "Abluft Küche";
    ASSERT_TRUE(StoreSectionFromInputs(projekt, NodeToSectionIndex(2, true), in, werte));
    EXPECT_EQ(projekt.Section(3).Bezeichnung.str(), "Abluft Küche");
}

TEST_F(EingabenTest, NoNodeSelectedStoresNothing)
{
    projekt.Section(1).Einbauten(2).Anzahl = "4";
    TSectionInputs in = roundPipe("500", "10", "160", "0");
    in.NodeSelected = false;
    EXPECT_TRUE(StoreSectionFromInputs(projekt, 1, in, werte));
    EXPECT_TRUE(projekt.Section(1).Nummer.isEmpty());
    EXPECT_EQ(projekt.StueckSumme, 4);
}

TEST_F(EingabenTest, UnstorableCountsAndTextsAreRefusedWithoutStoring)
{
    struct Bad { std::function<void(TSectionInputs&)> set; const char* hint; };
    const Bad bad[] = {
        {[](TSectionInputs& in) { in.SlotAnzahl[10] = "abc"; }, "(Bogen rund, 3 Segmente, Zeile 1, Spalte 4)"},
        {[](TSectionInputs& in) { in.SlotAnzahl[1] = "1000"; }, "1000"},
        {[](TSectionInputs& in) { in.EinbautenAnzahl[5] = "-1"; }, "„-1“ im Feld „Luftfilter“"},
        {[](TSectionInputs& in) { in.Fremd[3].Dp = "12.5"; }, "Zeile 3"},
        {[](TSectionInputs& in) { in.Fremd[4].Beschreibung = "Klappe;DN 100"; }, ";"},
        {[](TSectionInputs& in) { in.Fremd[6].Beschreibung = "Δp-Klappe"; },
         "Das Zeichen 'Δ' (U+0394) kann im Feld „Beschreibung“ nicht gespeichert werden. (Sonstige Einbauten, Zeile 6)"},
        {[](TSectionInputs& in) { in.Fremd[5].Anzahl = "2,5"; }, "Zeile 5"},
        {[](TSectionInputs& in) { in.KanalHoehe = "x"; }, "Kanal-Höhe"},
        {[](TSectionInputs& in) { in.TSLaenge = "1234567890"; }, "Teilstreckenlänge"},
        // Its 10-character field would cut the exponent off.
        {[](TSectionInputs& in) { in.TSLaenge = "0,00000123456789"; }, "zu viele Stellen"},
        {[](TSectionInputs& in) { in.Geschw = "0,00000987654321"; }, "Strömungsgeschwindigkeit"},
    };
    for (const Bad& b : bad) {
        TSectionInputs in = roundPipe("500", "10", "160", "0");
        b.set(in);
        ScriptedAnswerer::instance().expectMessage(QString::fromUtf8(b.hint));
        EXPECT_FALSE(StoreSectionFromInputs(projekt, 1, in, werte)) << b.hint;
        EXPECT_TRUE(projekt.Section(1).Nummer.isEmpty()) << b.hint;
        EXPECT_EQ(projekt.Section(1).Volumenstrom.str(), "0") << b.hint;
    }
}

// A number too large for its field is named as such, with the field's
// limit, rather than refused as no number at all.
TEST_F(EingabenTest, NumbersBeyondTheFieldLimitNameTheLimit)
{
    struct Big { std::function<void(TSectionInputs&)> set; const char* field; const char* limit; };
    const Big big[] = {
        {[](TSectionInputs& in) { in.VpVorgabe = "12345678901"; }, "„12345678901“ im Feld „Volumenstrom“ ist zu groß",
         "höchstens 999.999.999"},
        {[](TSectionInputs& in) { in.VpVorgabe = "1000000000"; }, "Volumenstrom", "höchstens 999.999.999"},
        {[](TSectionInputs& in) { in.TSLaenge = "1E12"; }, "Teilstreckenlänge", "höchstens 999.999.999"},
        {[](TSectionInputs& in) { in.DNRohr = "99999999999999999999"; }, "im Feld „Rohr-Durchmesser“ ist zu groß",
         "höchstens 999.999.999"},
        {[](TSectionInputs& in) { in.KanalHoehe = "-5000000000"; }, "Kanal-Höhe", "mindestens -999.999.999"},
        {[](TSectionInputs& in) { in.Geschw = "1E400"; }, "Strömungsgeschwindigkeit", "höchstens 999.999.999"},
    };
    for (const Big& b : big) {
        TSectionInputs in = roundPipe("500", "10", "160", "0");
        b.set(in);
        ScriptedAnswerer::instance().expectMessage(QString::fromUtf8(b.field));
        EXPECT_FALSE(StoreSectionFromInputs(projekt, 1, in, werte)) << b.field;
        const auto& asked = ScriptedAnswerer::instance().asked();
        ASSERT_FALSE(asked.empty());
        EXPECT_TRUE(asked.back().text.contains(QString::fromUtf8(b.limit))) << asked.back().text.toStdString();
        EXPECT_FALSE(asked.back().text.contains(QStringLiteral("keine gültige Zahl"))) << b.field;
        EXPECT_TRUE(projekt.Section(1).Nummer.isEmpty()) << b.field;
    }
    // The limit itself is taken.
    TSectionInputs in = roundPipe("999999999", "10", "160", "0");
    EXPECT_TRUE(StoreSectionFromInputs(projekt, 1, in, werte));
    EXPECT_EQ(projekt.Section(1).Volumenstrom.str(), "999999999");
}

TEST_F(EingabenTest, LoadShowsAStoredSectionAgain)
{
    TSectionInputs in = duct("800", "7,5", "300", "0", "3,5");
    in.OvalChecked = true;
    in.MaterialIndex = 4;
    in.SlotAnzahl[40] = "3";
    in.EinbautenAnzahl[12] = "1";
    in.Fremd[7] = TFremdZeile{"2", "Brandschutzklappe", "15,5"};
    ASSERT_TRUE(StoreSectionFromInputs(projekt, 2, in, werte));
    projekt.Section(2).HydrDurchm = "0,20";

    TSectionInputs out;
    ClearSectionInputs(out);
    EXPECT_TRUE(LoadSectionToInputs(projekt, 2, out));
    EXPECT_FALSE(out.RohrartChecked);
    EXPECT_TRUE(out.KanalartChecked);
    EXPECT_TRUE(out.OvalChecked);
    EXPECT_TRUE(out.OvalEnabled);
    EXPECT_EQ(out.MaterialIndex, 4);
    EXPECT_EQ(out.VpVorgabe, "800");
    EXPECT_EQ(out.TSLaenge, "7,5");
    EXPECT_EQ(out.DNRohr, "300");
    EXPECT_EQ(out.KanalHoehe, "0");
    EXPECT_EQ(out.Geschw, "3,5");
    EXPECT_EQ(out.HydrDurchm, "0,20");
    EXPECT_EQ(out.SlotAnzahl[40], "3");
    EXPECT_EQ(out.EinbautenAnzahl[12], "1");
    EXPECT_EQ(out.Fremd[7].Beschreibung, "Brandschutzklappe");
    EXPECT_EQ(out.Fremd[7].Dp, "15,5");
    EXPECT_EQ(out.Fremd[7].Anzahl, "2");
    EXPECT_EQ(projekt.StueckSumme, 6);
    EXPECT_TRUE(CountIsMarked(out.SlotAnzahl[40]));
    EXPECT_FALSE(CountIsMarked(out.SlotAnzahl[41]));
}

TEST_F(EingabenTest, LoadWithoutVelocityShowsZeroResults)
{
    TTeilstrecke& r = projekt.Section(1);
    r.Nummer = "1";
    r.Kanalform = "1";
    r.Geschw = "";
    r.DpGesamt = "54,76";
    r.Flaeche = "0,02";
    TSectionInputs out;
    out.DpGesamt = "99";
    EXPECT_TRUE(LoadSectionToInputs(projekt, 1, out));
    EXPECT_EQ(r.DpGesamt.str(), "0");
    EXPECT_EQ(r.Geschw.str(), "0");
    EXPECT_EQ(out.DpGesamt, "0");
    EXPECT_EQ(out.Flaeche, "0");
}

TEST_F(EingabenTest, LoadOfANeverStoredSectionLeavesShapeAndFields)
{
    projekt.Section(3).Einbauten(2).Anzahl = "5";
    TSectionInputs out;
    out.RohrartChecked = false;
    out.KanalartChecked = true;
    out.VpVorgabe = "123";
    EXPECT_FALSE(LoadSectionToInputs(projekt, 3, out));
    EXPECT_TRUE(out.KanalartChecked);
    EXPECT_EQ(out.VpVorgabe, "123");
    EXPECT_EQ(out.SlotAnzahl[2], "5");
}

TEST_F(EingabenTest, ClearingTheInputs)
{
    TSectionInputs in = duct("800", "7,5", "300", "200", "3,5");
    in.OvalChecked = true;
    in.SlotAnzahl[9] = "4";
    in.Fremd[2] = TFremdZeile{"1", "x", "3"};
    in.DpGesamt = "12,00";
    in.Wellenleistung = "0,02";
    ClearSectionInputs(in);
    EXPECT_TRUE(in.RohrartChecked);
    EXPECT_FALSE(in.KanalartChecked);
    EXPECT_TRUE(in.OvalChecked);  // left as it was
    EXPECT_EQ(in.VpVorgabe, "0");
    EXPECT_EQ(in.SlotAnzahl[9], "0");
    EXPECT_TRUE(in.Fremd[2].Beschreibung.isEmpty());
    EXPECT_EQ(in.Fremd[2].Dp, "0");
    EXPECT_EQ(in.DpGesamt, "0");
    EXPECT_EQ(in.Wellenleistung, "0");
}

TEST(EingabenValidators, Counts)
{
    for (const char* ok : {"", "0", "7", "999", "007"}) EXPECT_TRUE(CheckCountText(ok).isEmpty()) << ok;
    for (const char* bad : {"1000", "-1", "1,5", " 1", "abc", "1e2", "+3"}) {
        const QString m = CheckCountText(bad);
        EXPECT_FALSE(m.isEmpty()) << bad;
        EXPECT_TRUE(m.contains(QString::fromLatin1(bad))) << bad;
    }
}

TEST(EingabenValidators, PressureLossAndDescription)
{
    for (const char* ok : {"", "0", "12,5", "1234567,89", "0,001"}) EXPECT_TRUE(CheckDpText(ok).isEmpty()) << ok;
    for (const char* bad : {"12.5", "-3", ",5", "12,", "1e3", "12345678901", "1,2,3", "abc"})
        EXPECT_FALSE(CheckDpText(bad).isEmpty()) << bad;
    EXPECT_TRUE(CheckDescriptionText("Klappe DN 100").isEmpty());
    EXPECT_TRUE(CheckDescriptionText("").isEmpty());
    EXPECT_FALSE(CheckDescriptionText("Klappe;DN 100").isEmpty());
}
