// Section array, shifted restores, counts and tree numbering.
#include "app/Projekt.h"
#include "platform/Exceptions.h"
#include <gtest/gtest.h>

namespace {

// A section with recognisable inputs and results.
void fillSection(TProjekt& p, int k, const QString& tag)
{
    TTeilstrecke& r = p.Section(k);
    r.Nummer = QString::number(k);
    r.Bezeichnung = "Name " + tag;
    r.Materialart = "3";
    r.Kanalform = "2";
    r.DNRohr = tag + "00";
    r.KanalHoehe = tag + "0";
    r.Laenge = tag + ",5";
    r.Volumenstrom = tag + "50";
    r.Geschw = tag + ",25";
    r.HydrDurchm = "0,3" + tag;
    r.Flaeche = "0,1" + tag;
    r.DpRohr = tag + "1,00";
    r.DpFormstueck = tag + "2,00";
    r.DpGesamt = tag + "3,00";
    r.ZetaSumme = "1,00";
    r.Einbauten(5).Code = "13";
    r.Einbauten(5).Zeta = "0,3";
    r.Einbauten(5).Anzahl = tag;
    r.FremdEinbauten(2).Beschreibung = "Teil " + tag;
    r.FremdEinbauten(2).Dp = "12,5";
    r.FremdEinbauten(2).Anzahl = "1";
}

void expectInputsOf(const TTeilstrecke& r, const QString& tag)
{
    EXPECT_EQ(r.Materialart.str(), "3");
    EXPECT_EQ(r.Kanalform.str(), "2");
    EXPECT_EQ(r.DNRohr.str(), tag + "00");
    EXPECT_EQ(r.KanalHoehe.str(), tag + "0");
    EXPECT_EQ(r.Laenge.str(), tag + ",5");
    EXPECT_EQ(r.Volumenstrom.str(), tag + "50");
    EXPECT_EQ(r.Geschw.str(), tag + ",25");
    EXPECT_EQ(r.Einbauten(5).Anzahl.str(), tag);
    EXPECT_EQ(r.Einbauten(5).Code.str(), "13");
    EXPECT_EQ(r.FremdEinbauten(2).Beschreibung.str(), "Teil " + tag);
}

void expectResultsZero(const TTeilstrecke& r)
{
    EXPECT_EQ(r.HydrDurchm.str(), "0");
    EXPECT_EQ(r.Flaeche.str(), "0");
    EXPECT_EQ(r.DpRohr.str(), "0");
    EXPECT_EQ(r.DpFormstueck.str(), "0");
    EXPECT_EQ(r.DpGesamt.str(), "0");
}

void expectEmptySection(const TTeilstrecke& r)
{
    EXPECT_TRUE(r.Nummer.isEmpty());
    EXPECT_TRUE(r.Bezeichnung.isEmpty());
    EXPECT_EQ(r.Materialart.str(), "1");
    EXPECT_EQ(r.Kanalform.str(), "1");
    EXPECT_EQ(r.DNRohr.str(), "0");
    EXPECT_EQ(r.Volumenstrom.str(), "0");
    EXPECT_EQ(r.Geschw.str(), "0");
    expectResultsZero(r);
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        EXPECT_TRUE(r.Einbauten(i).Code.isEmpty());
        EXPECT_EQ(r.Einbauten(i).Zeta.str(), "0");
        EXPECT_EQ(r.Einbauten(i).Anzahl.str(), "0");
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        EXPECT_TRUE(r.FremdEinbauten(j).Beschreibung.isEmpty());
        EXPECT_EQ(r.FremdEinbauten(j).Dp.str(), "0");
        EXPECT_EQ(r.FremdEinbauten(j).Anzahl.str(), "0");
    }
}

TProjekt threeSections()
{
    TProjekt p;
    p.ResizeSections(3);
    fillSection(p, 1, "1");
    fillSection(p, 2, "2");
    fillSection(p, 3, "3");
    return p;
}

}  // namespace

TEST(ProjektRecord, FieldsAreCutToTheirWidth)
{
    TTeilstrecke r;
    r.FremdEinbauten(1).Beschreibung = QString(60, QLatin1Char('x'));
    r.Einbauten(1).Anzahl = "1234";
    r.Bezeichnung = "Teilstrecke Nord-Ost 12";
    EXPECT_EQ(r.FremdEinbauten(1).Beschreibung.length(), 50);
    EXPECT_EQ(r.Einbauten(1).Anzahl.str(), "123");
    EXPECT_EQ(r.Bezeichnung.str(), "Teilstrecke Nor");
}

TEST(ProjektRecord, ClearSectionRecordLeavesTheSums)
{
    TProjekt p = threeSections();
    p.Section(2).FremdSumme = "25,00";
    p.ClearSectionRecord(2);
    expectEmptySection(p.Section(2));
    EXPECT_EQ(p.Section(2).ZetaSumme.str(), "1,00");
    EXPECT_EQ(p.Section(2).FremdSumme.str(), "25,00");
    EXPECT_THROW(p.ClearSectionRecord(4), std::out_of_range);
    EXPECT_THROW(p.ClearSectionRecord(-1), std::out_of_range);
}

TEST(ProjektRecord, ResizeKeepsExistingAndClearsNewRecords)
{
    TProjekt p = threeSections();
    p.ResizeSections(5);
    EXPECT_EQ(p.TSAnzahl, 5);
    ASSERT_EQ(p.Teilstrecken.size(), 6u);
    expectInputsOf(p.Section(3), "3");
    expectEmptySection(p.Section(4));
    expectEmptySection(p.Section(5));
    p.ResizeSections(1);
    EXPECT_EQ(p.TSAnzahl, 1);
    EXPECT_EQ(p.Teilstrecken.size(), 2u);
    expectInputsOf(p.Section(1), "1");
    p.ResizeSections(-3);
    EXPECT_EQ(p.TSAnzahl, 0);
    EXPECT_EQ(p.Teilstrecken.size(), 1u);
}

TEST(ProjektRecord, NewProjectRecordsHaveShapeZero)
{
    TProjekt p;
    p.ProjektGespeichert = true;
    p.ProjektGeladen = true;
    p.AlleBerechnet = true;
    p.Projektdateiname = "/tmp/x.STB";
    p.Projektdaten.Name1 = "Alt";
    p.StartNewProject(2);
    EXPECT_EQ(p.TSAnzahl, 2);
    EXPECT_EQ(p.Section(1).Kanalform.str(), "0");
    EXPECT_EQ(p.Section(2).Materialart.str(), "1");
    EXPECT_EQ(p.Section(2).DpGesamt.str(), "0");
    EXPECT_FALSE(p.ProjektGespeichert);
    EXPECT_FALSE(p.ProjektGeladen);
    EXPECT_TRUE(p.ProjektNeu);
    EXPECT_FALSE(p.AlleBerechnet);
    EXPECT_TRUE(p.Projektdateiname.isEmpty());
    EXPECT_TRUE(p.Projektdaten.Name1.isEmpty());

    p.CloseProject();
    EXPECT_EQ(p.TSAnzahl, 0);
    EXPECT_FALSE(p.ProjektNeu);
}

TEST(ProjektRestore, DeleteSecondOfThree)
{
    TProjekt p = threeSections();
    p.BackupSectionArray();
    ASSERT_EQ(p.TeilstreckenKopie.size(), 4u);
    p.ResizeSections(2);
    for (int k = 1; k <= 2; ++k) p.ClearSectionRecord(k);
    p.RestoreSectionArrayShifted(2, TRestoreMode::Delete);

    EXPECT_TRUE(p.TeilstreckenKopie.empty());
    expectInputsOf(p.Section(1), "1");
    expectInputsOf(p.Section(2), "3");
    EXPECT_EQ(p.Section(1).Bezeichnung.str(), "Name 1");
    EXPECT_EQ(p.Section(2).Bezeichnung.str(), "Name 3");
    EXPECT_EQ(p.Section(2).Nummer.str(), "3");  // renumbered by the next store
    expectResultsZero(p.Section(2));
}

TEST(ProjektRestore, DeleteFirstAndLast)
{
    TProjekt p = threeSections();
    p.BackupSectionArray();
    p.ResizeSections(2);
    for (int k = 1; k <= 2; ++k) p.ClearSectionRecord(k);
    p.RestoreSectionArrayShifted(3, TRestoreMode::Delete);
    expectInputsOf(p.Section(1), "1");
    expectInputsOf(p.Section(2), "2");

    TProjekt q = threeSections();
    q.BackupSectionArray();
    q.ResizeSections(2);
    for (int k = 1; k <= 2; ++k) q.ClearSectionRecord(k);
    q.RestoreSectionArrayShifted(1, TRestoreMode::Delete);
    expectInputsOf(q.Section(1), "2");
    expectInputsOf(q.Section(2), "3");
}

TEST(ProjektRestore, InsertAtSecondOfThree)
{
    TProjekt p = threeSections();
    p.BackupSectionArray();
    p.ResizeSections(4);
    for (int k = 1; k <= 4; ++k) p.ClearSectionRecord(k);
    p.RestoreSectionArrayShifted(2, TRestoreMode::Insert);

    EXPECT_TRUE(p.TeilstreckenKopie.empty());
    expectInputsOf(p.Section(1), "1");
    expectEmptySection(p.Section(2));
    expectInputsOf(p.Section(3), "2");
    expectInputsOf(p.Section(4), "3");
    for (int k : {1, 3, 4}) {
        expectResultsZero(p.Section(k));
        EXPECT_TRUE(p.Section(k).Bezeichnung.isEmpty()) << k;  // names come from the tree
    }
}

TEST(ProjektRestore, InsertAfterTheLastSection)
{
    TProjekt p = threeSections();
    p.BackupSectionArray();
    p.ResizeSections(4);
    for (int k = 1; k <= 4; ++k) p.ClearSectionRecord(k);
    p.RestoreSectionArrayShifted(4, TRestoreMode::Insert);
    expectInputsOf(p.Section(1), "1");
    expectInputsOf(p.Section(2), "2");
    expectInputsOf(p.Section(3), "3");
    expectEmptySection(p.Section(4));
}

TEST(ProjektRestore, BackupCarriesInputsOnly)
{
    TProjekt p = threeSections();
    p.BackupSectionArray();
    const TTeilstrecke& c = p.TeilstreckenKopie.at(2);
    EXPECT_EQ(c.Bezeichnung.str(), "Name 2");
    EXPECT_EQ(c.Geschw.str(), "2,25");
    EXPECT_TRUE(c.DpGesamt.isEmpty());
    EXPECT_TRUE(c.ZetaSumme.isEmpty());
}

TEST(ProjektTree, NodeToSectionIndex)
{
    // The child "Formstücke" of the third section node.
    EXPECT_EQ(NodeToSectionIndex(2, true), 3);
    EXPECT_EQ(NodeToSectionIndex(TTreeNodeRef{2, false}), 3);
    EXPECT_EQ(NodeToSectionIndex(0, false), 1);
    EXPECT_EQ(NodeToSectionIndex(-1, false), 0);  // no node
}

TEST(ProjektTree, CountSectionsCountsNodesWithChildren)
{
    TProjekt p;
    // Three sections, each followed by its two children.
    EXPECT_EQ(p.CountSections({2, 0, 0, 2, 0, 0, 2, 0, 0}), 3);
    EXPECT_EQ(p.TSAnzahl, 3);
    EXPECT_EQ(p.Teilstrecken.size(), 1u);  // the caller re-allocates
    EXPECT_EQ(p.CountSections({}), 0);
}

TEST(ProjektCounts, SumFittingCounts)
{
    TProjekt p;
    p.ResizeSections(1);
    TTeilstrecke& r = p.Section(1);
    r.Einbauten(1).Anzahl = "2";
    r.Einbauten(99).Anzahl = "10";
    r.Einbauten(50).Anzahl = "-4";  // not counted
    r.Einbauten(51).Anzahl = "";    // an empty count is 0
    r.FremdEinbauten(20).Anzahl = "3";
    EXPECT_EQ(p.SumFittingCounts(1), 15);
    EXPECT_EQ(p.StueckSumme, 15);

    r.FremdEinbauten(1).Anzahl = "x";
    EXPECT_THROW(p.SumFittingCounts(1), EConvertError);
}
