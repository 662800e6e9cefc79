// The project commands when things go wrong: a target that cannot be
// written, a damaged or missing file to open, invalid inputs on the tabs.
// Nothing that was open or on disk may be lost.
#include "test_projektbefehle_hilfen.h"
#include "platform/FileReplace.h"
#include <QDir>

using namespace projektbefehle_test;

namespace {

class ProjektBefehleFehlerTest : public ProjektBefehleTest {
protected:
    // A saved two-section project "Alt" in alt.STB, section 1 with inputs.
    QString altesProjekt()
    {
        neuesProjekt(2);
        eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
        const QString path = folder.file(QStringLiteral("alt.STB"));
        answerer().expectFileDialog(path);
        erwarteKopfdaten(QStringLiteral("Alt"), QStringLiteral("Projekt"));
        form->mProjektSaveAsClick();
        answerer().verifyDone();
        EXPECT_TRUE(P().ProjektGespeichert);
        return path;
    }
};

// ---- saving ---------------------------------------------------------------------

TEST_F(ProjektBefehleFehlerTest, SaveAsIntoAReadOnlyFileFailsAndChangesNothing)
{
    neuesProjekt(1);
    const QString path = folder.file(QStringLiteral("gesperrt.STB"));
    const QByteArray vorher("[Projektdaten]\r\nName1=Fremd\r\n");
    WriteBytes(path, vorher);
    MakeReadOnly(path);

    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerSpeichern);
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_EQ(answerer().asked().back().buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, true, 1}));
    EXPECT_EQ(ReadBytes(path), vorher);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <unbenannt>"));
}

TEST_F(ProjektBefehleFehlerTest, SaveAsOfANamedProjectIntoAReadOnlyFileKeepsTheOldName)
{
    const QString alt = altesProjekt();
    form->VpVorgabeEdit->setText(QStringLiteral("700"));
    const QString path = folder.file(QStringLiteral("gesperrt.STB"));
    WriteBytes(path, "x");
    MakeReadOnly(path);
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Alt"), QStringLiteral("Projekt"));
    answerer().expectMessage(kFehlerSpeichern);
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{alt, false, false, true, 1}));
    EXPECT_EQ(ReadBytes(path), QByteArray("x"));
}

TEST_F(ProjektBefehleFehlerTest, SaveOfANamedProjectIntoAFileMadeReadOnlyShowsTheWriteError)
{
    const QString path = beispielDatei();
    answerer().expectFileDialog(path);
    form->mProjektOpenClick();
    answerer().verifyDone();
    const QByteArray vorher = ReadBytes(path);
    MakeReadOnly(path);

    form->VpVorgabeEdit->setText(QStringLiteral("700"));
    answerer().expectMessage(kFehlerSpeichern);
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    // The same message as the first save shows: its line, then the writer's.
    EXPECT_EQ(answerer().asked().back().text,
              kFehlerSpeichern + QStringLiteral("\rIn %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_EQ(answerer().asked().back().buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(zustand(), (Zustand{path, false, true, false, 1}));
    EXPECT_EQ(ReadBytes(path), vorher);
}

// Every failed save shows one message: "Fehler beim Speichern!", then what
// the writer found.
TEST_F(ProjektBefehleFehlerTest, EveryFailedSaveShowsTheSameMessage)
{
    const QString alt = altesProjekt();
    MakeReadOnly(alt);
    const QString gesperrt = folder.file(QStringLiteral("gesperrt.STB"));
    WriteBytes(gesperrt, "x");
    MakeReadOnly(gesperrt);
    const auto meldung = [](const QString& path) {
        return kFehlerSpeichern + QStringLiteral("\rIn %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path));
    };
    form->VpVorgabeEdit->setText(QStringLiteral("700"));

    answerer().expectMessage(kFehlerSpeichern);
    form->ProjektSaveBtnClick();  // into its own file
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().text, meldung(alt));

    answerer().expectFileDialog(gesperrt);
    erwarteKopfdaten(QStringLiteral("Alt"), QStringLiteral("Projekt"));
    answerer().expectMessage(kFehlerSpeichern);
    form->mProjektSaveAsClick();  // under a new name
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().text, meldung(gesperrt));

    // A new project's first save.
    answerer().expectMessage(kUngespeichert, mrNo);
    neuesProjekt(1);
    eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
    answerer().expectFileDialog(gesperrt);
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerSpeichern);
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().text, meldung(gesperrt));

    for (const ScriptedAnswerer::Asked& a : answerer().asked()) {
        if (!a.text.startsWith(kFehlerSpeichern)) continue;
        EXPECT_EQ(a.type, mtError);
        EXPECT_EQ(a.buttons, TMsgDlgButtons(mbOK));
    }
    EXPECT_EQ(ReadBytes(gesperrt), QByteArray("x"));
}

TEST_F(ProjektBefehleFehlerTest, SaveIntoAMissingFolderFails)
{
    neuesProjekt(1);
    answerer().expectFileDialog(folder.file(QStringLiteral("fehlt/p.STB")));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerSpeichern);
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, true, 1}));
}

TEST_F(ProjektBefehleFehlerTest, InvalidInputsOnTheTabsStopTheSaveBeforeAnyDialog)
{
    const QString alt = altesProjekt();
    const QByteArray vorher = ReadBytes(alt);
    // A volume flow without a length and a diameter is no valid section.
    form->VpVorgabeEdit->setText(QStringLiteral("800"));
    form->TSLaengeEdit->setText(QStringLiteral("0"));
    form->DNRohrEdit->setText(QStringLiteral("0"));

    answerer().expectMessage(QStringLiteral("Volumenstrom, Teilstreckenlänge und"));
    form->mProjektSaveAsClick();  // no save dialog
    answerer().verifyDone();
    answerer().expectMessage(QStringLiteral("Volumenstrom, Teilstreckenlänge und"));
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_EQ(P().Projektdateiname, alt);
    EXPECT_EQ(ReadBytes(alt), vorher);

    // Closing with Yes runs the same save: it fails, so the project stays.
    answerer().expectMessage(kUngespeichert, mrYes);
    answerer().expectMessage(QStringLiteral("Volumenstrom, Teilstreckenlänge und"));
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(knoten().size(), 2);
}

TEST_F(ProjektBefehleFehlerTest, SaveStoresTheShownSectionFirst)
{
    const QString alt = altesProjekt();
    // Typed after the save, never left: the save has to take it along.
    form->VpVorgabeEdit->setText(QStringLiteral("750"));
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_TRUE(ReadBytes(alt).contains(";12,5;750;"));
    EXPECT_TRUE(P().ProjektGespeichert);
}

// ---- opening ----------------------------------------------------------------------

TEST_F(ProjektBefehleFehlerTest, DamagedFileLeavesTheOpenProjectHeaderAndTreeAsTheyWere)
{
    const QString alt = altesProjekt();
    const QStringList knotenVorher = knoten();
    const TTeilstrecke ts1 = P().Section(1);

    const struct {
        const char* name;
        QByteArray inhalt;
    } faelle[] = {
        {"count x", "[Projektdaten]\r\nName1=Neu\r\n[Projekt]\r\nTS-Anzahl=x\r\nTS-Namen=A;\r\n"},
        {"count missing", "[Projektdaten]\r\nName1=Neu\r\nProjekt=Anders\r\n[Projekt]\r\nTS-Namen=A;B;\r\n"},
        {"list count x",
         "[Projektdaten]\r\nName1=Neu\r\n[Projekt]\r\nTS-Anzahl=1\r\nTS-Namen=A;\r\n[Teilstrecken]\r\n"
         "TS1=1;0;200;0;12,5;600;1;0;0;0;0;0;0;A;\r\n[TS1_EB_Bogen]\r\nBogen=x;;\r\n"},
        {"no section", "[Projektdaten]\r\nName1=Neu\r\n[Projekt]\r\nTS-Anzahl=0\r\n"},
        {"empty file", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString path = folder.file(QStringLiteral("kaputt.STB"));
        WriteBytes(path, f.inhalt);
        answerer().expectFileDialog(path);
        answerer().expectMessage(kFehlerLaden);
        form->mProjektOpenClick();
        answerer().verifyDone();
        ASSERT_FALSE(answerer().asked().empty());
        EXPECT_EQ(answerer().asked().back().type, mtError);

        EXPECT_EQ(zustand(), (Zustand{alt, true, false, true, 1}));
        EXPECT_EQ(knoten(), knotenVorher);
        EXPECT_EQ(P().TSAnzahl, 2);
        EXPECT_EQ(P().Section(1).Volumenstrom, ts1.Volumenstrom);
        EXPECT_EQ(P().Projektdaten.Name1.str(), QStringLiteral("Alt"));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <Alt/Projekt>"));
        EXPECT_TRUE(form->AuslegungPageCtrl->isEnabled());
    }
}

TEST_F(ProjektBefehleFehlerTest, MissingFileFailsToLoadAndKeepsTheProject)
{
    const QString alt = altesProjekt();
    answerer().expectFileDialog(folder.file(QStringLiteral("gibtsnicht.STB")));
    answerer().expectMessage(kFehlerLaden);
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{alt, true, false, true, 1}));
    EXPECT_EQ(knoten().size(), 2);
}

TEST_F(ProjektBefehleFehlerTest, FailedOpenWithoutAnOpenProjectLeavesTheEmptyState)
{
    const QString path = folder.file(QStringLiteral("kaputt.STB"));
    WriteBytes(path, "[Projekt]\r\nTS-Anzahl=zwei\r\n");
    answerer().expectFileDialog(path);
    answerer().expectMessage(kFehlerLaden);
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);
    EXPECT_FALSE(form->AuslegungPageCtrl->isEnabled());
}

// A section the calculation cannot solve does not keep the project out of
// reach: every input is loaded, the calculation's message names the
// section, that section stays uncalculated and the project is open.
TEST_F(ProjektBefehleFehlerTest, FileWithASectionThatCannotBeCalculatedOpensWithTheMessage)
{
    altesProjekt();
    // A flat-oval duct of 100 mm width for 600 m³/h at 1 m/s has no height.
    const QString path = folder.file(QStringLiteral("oval.STB"));
    ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/app/data/projekt_oval_ohne_hoehe.stb"), path));
    const QByteArray vorher = ReadBytes(path);
    answerer().expectFileDialog(path);
    answerer().expectMessage(QStringLiteral("Teilstrecke 2 (Oval Flur): Für einen ovalen Kanal von 100 mm Breite"));
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_FALSE(answerer().asked().back().text.contains(kFehlerLaden));

    EXPECT_EQ(zustand(), (Zustand{path, true, true, false, 1}));
    EXPECT_FALSE(P().AlleBerechnet);
    EXPECT_EQ(knoten(), QStringList({"Zuluft EG", "Oval Flur", "Abluft"}));
    EXPECT_EQ(P().Projektdaten.Projekt.str(), QStringLiteral("Ovaler Kanal"));
    EXPECT_TRUE(form->AuslegungPageCtrl->isEnabled());
    // The section before it is calculated, the failing one keeps its inputs uncalculated.
    EXPECT_NE(P().Section(1).Geschw.str(), QStringLiteral("0"));
    EXPECT_EQ(P().Section(2).DNRohr.str(), QStringLiteral("100"));
    EXPECT_EQ(P().Section(2).KanalHoehe.str(), QStringLiteral("0"));
    EXPECT_EQ(P().Section(2).Geschw.str(), QStringLiteral("1"));
    EXPECT_EQ(P().Section(2).Volumenstrom.str(), QStringLiteral("600"));
    EXPECT_EQ(P().Section(2).Kanalform.str(), QStringLiteral("3"));
    EXPECT_EQ(P().Section(3).Volumenstrom.str(), QStringLiteral("400"));
    EXPECT_EQ(ReadBytes(path), vorher);

    // Nothing of it is lost: save as writes the section's inputs back.
    const QString kopie = folder.file(QStringLiteral("kopie.STB"));
    answerer().expectFileDialog(kopie);
    erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Ovaler Kanal"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    EXPECT_TRUE(ReadBytes(kopie).contains("TS2=2;0;100;0;8;600;3;1;")) << ReadBytes(kopie).constData();

    // Material 9 has no roughness in the value file: the same, for section 1.
    const QString material = folder.file(QStringLiteral("material.STB"));
    WriteBytes(material,
               "[Projektdaten]\r\nName1=Neu\r\n[Teilstrecken]\r\nTS1=1;9;200;0;12,5;600;1;0;0;0;0;0;0;A;\r\n"
               "[TS1_EB_Bogen]\r\nBogen=0;;\r\n[TS1_EB_Abzweige]\r\nAbzweige=0;;\r\n[TS1_EB_Reduktionen]\r\n"
               "Reduktionen=0;;\r\n[TS1_EB_FremdEinbauten]\r\nFremdEinbauten=0;;\r\n[TS1_EB_Einbauten]\r\n"
               "Einbauten=0;;\r\n[Projekt]\r\nTS-Anzahl=1\r\nTS-Namen=A;\r\n");
    answerer().expectFileDialog(material);
    answerer().expectMessage(QStringLiteral("Teilstrecke 1 (A)"));
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{material, true, true, false, 1}));
    EXPECT_EQ(P().Projektdaten.Name1.str(), QStringLiteral("Neu"));
    EXPECT_EQ(knoten(), QStringList({"A"}));
}

}  // namespace

namespace {

// A disk that fills up while the project is written: the message comes, the
// old file stays byte for byte, and the project stays unsaved.
TEST_F(ProjektBefehleFehlerTest, SaveOnAFullDiskKeepsTheOldFileAndSaysSo)
{
    const QString alt = altesProjekt();
    const QByteArray vorher = ReadBytes(alt);
    ASSERT_FALSE(vorher.isEmpty());

    // Save as over the old file (the overwrite question is the dialog's).
    form->VpVorgabeEdit->setText(QStringLiteral("700"));
    answerer().expectFileDialog(alt);
    erwarteKopfdaten(QStringLiteral("Neu"), QStringLiteral("Projekt"));
    answerer().expectMessage(kFehlerSpeichern);
    SetFailingFileWrite(1);
    form->mProjektSaveAsClick();
    SetFailingFileWrite(0);
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_EQ(ReadBytes(alt), vorher);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase),
              QStringList({"alt.STB", "SBWert.Dat"}));

    // Save of the named project: the same message, and the write error
    // names the file.
    answerer().expectMessage(kFehlerSpeichern + QStringLiteral("\r"));
    SetFailingFileWrite(2);
    form->ProjektSaveBtnClick();
    SetFailingFileWrite(0);
    answerer().verifyDone();
    EXPECT_TRUE(answerer().asked().back().text.contains(QStringLiteral("alt.STB")));
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_EQ(ReadBytes(alt), vorher);

    // Once there is room again the save goes through.
    form->ProjektSaveBtnClick();
    EXPECT_TRUE(P().ProjektGespeichert);
    EXPECT_NE(ReadBytes(alt), vorher);
}

}  // namespace
