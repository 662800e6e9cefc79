// Writing and reading project files: the example project byte for byte,
// round trips, and what reading rebuilds.
#include "test_projektdatei_hilfen.h"
#include "app/Projekt.h"
#include "platform/IniFile.h"
#include <QFile>

using namespace projektdatei_test;

namespace {

// The record as a read gives it back: entries with a count of 0 or less
// come cleared.
TTeilstrecke WieGelesen(const TTeilstrecke& t)
{
    TTeilstrecke r = t;
    const TTeilstrecke leer = GeleerteTeilstrecke();
    for (int i = 1; i <= EinbautenAnzahl; ++i)
        if (t.Einbauten(i).Anzahl.str().toInt() <= 0) r.Einbauten(i) = leer.Einbauten(i);
    for (int i = 1; i <= FremdEinbautenAnzahl; ++i)
        if (t.FremdEinbauten(i).Anzahl.str().toInt() <= 0) r.FremdEinbauten(i) = leer.FremdEinbauten(i);
    return r;
}

void ExpectRundlauf(const TProjektInhalt& p, const TProjektInhalt& q)
{
    ExpectGleich(p.Projektdaten, q.Projektdaten);
    ASSERT_EQ(q.TSAnzahl, p.TSAnzahl);
    ASSERT_EQ(q.Teilstrecken.size(), size_t(p.TSAnzahl) + 1);
    for (int n = 1; n <= p.TSAnzahl; ++n) ExpectGleich(WieGelesen(p.Teilstrecken[n]), q.Teilstrecken[n], n);
}

}  // namespace

// ---- the example project -----------------------------------------------------

TEST(ProjektDateiBeispiel, WritesTheExampleByteForByte)
{
    TempProgramFolder dir;
    const QString path = dir.file("Beispiel.STB");
    WriteProjectFile(path, BeispielProjekt());
    const QByteArray golden = ReadBytes(GoldenPath("projekt_beispiel.stb"));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(ReadBytes(path), golden);
    EXPECT_TRUE(ReadBytes(path).contains("Projekt=L\xFC" "ftung Halle 2\r\n"));  // Windows-1252
}

TEST(ProjektDateiBeispiel, ReadsTheExample)
{
    for (const char* name : {"projekt_beispiel.stb", "projekt_beispiel_windows.stb"}) {
        SCOPED_TRACE(name);
        const TProjektInhalt q = ReadProjectFile(GoldenPath(name));
        const TProjektInhalt p = BeispielProjekt();
        ExpectRundlauf(p, q);
        EXPECT_EQ(q.Projektdaten.Projekt.str(), QString("Lüftung Halle 2"));
        EXPECT_EQ(q.TSNamenListe, "Zuluft EG;Teilstrecke 2;");
        EXPECT_EQ(q.Namen, QStringList({"Zuluft EG", "Teilstrecke 2"}));
        EXPECT_EQ(q.Teilstrecken[1].Einbauten(3).Code.str(), "13");
        EXPECT_EQ(q.Teilstrecken[1].FremdEinbauten(1).Beschreibung.str(), "Brandschutzklappe");
        // The sums are not stored: the calculation after opening fills them.
        EXPECT_TRUE(q.Teilstrecken[1].ZetaSumme.isEmpty());
        EXPECT_TRUE(q.Teilstrecken[1].FremdSumme.isEmpty());
    }
}

TEST(ProjektDateiBeispiel, ReadingAndWritingAgainGivesTheSameFile)
{
    TempProgramFolder dir;
    const TProjektInhalt q = ReadProjectFile(GoldenPath("projekt_beispiel_windows.stb"));
    WriteProjectFile(dir.file("neu.stb"), q);
    EXPECT_EQ(ReadBytes(dir.file("neu.stb")), ReadBytes(GoldenPath("projekt_beispiel.stb")));
}

TEST(ProjektDateiBeispiel, SavingOverAnOriginalFileKeepsItsLayout)
{
    // Unchanged values stay as they are; a changed one is replaced in place.
    TempProgramFolder dir;
    const QByteArray original = ReadBytes(GoldenPath("projekt_beispiel_windows.stb"));
    dir.write("alt.stb", original);
    TProjektInhalt p = BeispielProjekt();
    WriteProjectFile(dir.file("alt.stb"), p);
    EXPECT_EQ(dir.read("alt.stb"), original);
    p.Projektdaten.Ort = "Altstadt";
    WriteProjectFile(dir.file("alt.stb"), p);
    QByteArray expected = original;
    expected.replace("Ort=Neustadt\r\n", "Ort=Altstadt\r\n");
    EXPECT_EQ(dir.read("alt.stb"), expected);
}

// ---- round trips -----------------------------------------------------------

TEST(ProjektDateiRundlauf, EveryGroupAndItsBoundarySlots)
{
    TProjektInhalt p;
    p.Projektdaten.Name1 = "Bauherr";
    p.Projektdaten.Name2 = "Zweiter Name";
    p.Projektdaten.Strasse = "Weg 1";
    p.Projektdaten.PLZ = "12345";
    p.Projektdaten.Ort = "Ort";
    p.Projektdaten.Ansprechp = "Frau Müller";
    p.Projektdaten.Projekt = QString(100, QChar('P'));
    p.Projektdaten.Telefon = "0123/456";
    p.Projektdaten.Fax = "0123/457";
    p.Projektdaten.Email = "a@b.de";
    p.Projektdaten.Vortext = "Vorbemerkung";
    p.Projektdaten.Nachtext = "Schluss";
    p.TSAnzahl = 3;
    p.Teilstrecken.assign(4, GeleerteTeilstrecke());
    const int kSlots[] = {1, 24, 25, 44, 45, 87, 88, 99, 50, 60};
    for (int n = 1; n <= 3; ++n) {
        TTeilstrecke& t = p.Teilstrecken[n];
        SetzeFelder(t, QString("%1;2;250;150;3,5;1200;3;4,44;0,18;0,04;1,10;2,20;3,30").arg(n));
        t.Bezeichnung = QString("Strecke %1").arg(n);
        for (int s : kSlots) t.Einbauten(s) = {QString::number(13 + s % 20), "0,5", QString::number(n + s % 7)};
        t.FremdEinbauten(1) = {"Klappe", "12,5", "2"};
        t.FremdEinbauten(20) = {QString(50, QChar('k')), "3", "999"};
        // Count 0 or less: not stored, read back cleared.
        t.Einbauten(2) = {"13", "0,3", "0"};
        t.Einbauten(90) = {"27", "0,3", "-1"};
        t.FremdEinbauten(5) = {"Gitter", "7", "0"};
        // An empty count is an empty number, that is 0.
        t.Einbauten(3) = {"13", "0,3", ""};
    }
    TempProgramFolder dir;
    WriteProjectFile(dir.file("p.stb"), p);
    const QByteArray bytes = dir.read("p.stb");
    EXPECT_TRUE(bytes.contains("[TS2_EB_Bogen]\r\nBogen=2;;1;24;\r\n"));
    EXPECT_TRUE(bytes.contains("[TS2_EB_Abzweige]\r\nAbzweige=2;;25;44;\r\n"));
    EXPECT_TRUE(bytes.contains("[TS2_EB_Reduktionen]\r\nReduktionen=4;;45;50;60;87;\r\n"));
    EXPECT_TRUE(bytes.contains("[TS2_EB_FremdEinbauten]\r\nFremdEinbauten=2;;1;20;\r\n"));
    EXPECT_TRUE(bytes.contains("[TS2_EB_Einbauten]\r\nEinbauten=2;;88;99;\r\n"));
    EXPECT_TRUE(bytes.contains("Einbauten99=32;0,5;3;\r\n"));
    EXPECT_FALSE(bytes.contains("Bogen2="));
    EXPECT_FALSE(bytes.contains("Einbauten90="));
    EXPECT_FALSE(bytes.contains("FremdEinbauten5="));
    EXPECT_TRUE(bytes.contains("TS-Namen=Strecke 1;Strecke 2;Strecke 3;\r\n"));

    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"));
    ExpectRundlauf(p, q);
    EXPECT_EQ(q.Teilstrecken[3].FremdEinbauten(20).Anzahl.str(), "999");
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(2).Code.str(), "");
    EXPECT_EQ(q.Teilstrecken[1].FremdEinbauten(5).Dp.str(), "0");
}

TEST(ProjektDateiRundlauf, AllCountsZeroWritesNoEntrySection)
{
    TProjektInhalt p = BeispielProjekt();
    p.Teilstrecken[1].Einbauten(3).Anzahl = "0";
    p.Teilstrecken[1].Einbauten(88).Anzahl = "0";
    p.Teilstrecken[1].FremdEinbauten(1).Anzahl = "0";
    TempProgramFolder dir;
    WriteProjectFile(dir.file("p.stb"), p);
    const QByteArray bytes = dir.read("p.stb");
    EXPECT_FALSE(bytes.contains("-Einbauten]"));
    EXPECT_EQ(bytes.count("=0;;\r\n"), 10);
    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"));
    ExpectRundlauf(p, q);
    EXPECT_EQ(q.Teilstrecken[1].FremdEinbauten(1).Beschreibung.str(), "");
}

TEST(ProjektDateiRundlauf, LongNameListsAndTextsLoadWhole)
{
    TProjektInhalt p;
    p.TSAnzahl = 400;
    p.Teilstrecken.assign(401, GeleerteTeilstrecke());
    for (int n = 1; n <= p.TSAnzahl; ++n) p.Teilstrecken[n].Bezeichnung = QString("Abschnitt %1xyz").arg(n, 4, 10, QChar('0'));
    p.Projektdaten.Vortext = QString(6000, QChar('v')) + "Ende";
    p.Projektdaten.Nachtext = QString(3000, QChar('n'));
    TempProgramFolder dir;
    WriteProjectFile(dir.file("lang.stb"), p);
    const TProjektInhalt q = ReadProjectFile(dir.file("lang.stb"));
    EXPECT_GT(q.TSNamenListe.size(), 6000);
    ASSERT_EQ(q.Namen.size(), 400);
    EXPECT_EQ(q.Namen.at(399), "Abschnitt 0400x");
    EXPECT_EQ(q.Teilstrecken[400].Bezeichnung.str(), "Abschnitt 0400x");
    EXPECT_EQ(q.Projektdaten.Vortext, p.Projektdaten.Vortext);
    EXPECT_EQ(q.Projektdaten.Nachtext, p.Projektdaten.Nachtext);
}

TEST(ProjektDateiRundlauf, TextsWithLineBreaksStayInTheirValue)
{
    TProjektInhalt p = BeispielProjekt();
    p.Projektdaten.Vortext = "Zeile 1\r\nZeile 2\r\n[Projekt]\r\nTS-Anzahl=99\r\n";
    p.Projektdaten.Nachtext = QStringLiteral("Preis: 5 \u00A4\r\nnur \u00A4n und \u00A4\u00A4 als Text\n");
    TempProgramFolder dir;
    WriteProjectFile(dir.file("p.stb"), p);
    const QByteArray bytes = dir.read("p.stb");
    EXPECT_EQ(bytes.count("\r\n[Projekt]\r\n"), 1);  // only the real section line
    EXPECT_TRUE(bytes.contains("Vortext=Zeile 1\xA4r\xA4nZeile 2\xA4r\xA4n[Projekt]"));
    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"));
    EXPECT_EQ(q.TSAnzahl, 2);
    EXPECT_EQ(q.Projektdaten.Vortext, p.Projektdaten.Vortext);
    EXPECT_EQ(q.Projektdaten.Nachtext, p.Projektdaten.Nachtext);

    // One-line texts go into the file as they are.
    p.Projektdaten.Vortext = QStringLiteral("Preis 5 \u00A4, [x]=y; C:\\neu");
    p.Projektdaten.Nachtext = "Mit freundlichen Gr\u00FC\u00DFen";
    WriteProjectFile(dir.file("p.stb"), p);
    const QByteArray einzeilig = dir.read("p.stb");
    EXPECT_TRUE(einzeilig.contains("\r\nVortext=Preis 5 \xA4, [x]=y; C:\\neu\r\n"));
    EXPECT_TRUE(einzeilig.contains("\r\nNachtext=Mit freundlichen Gr\xFC\xDF" "en\r\n"));
    EXPECT_EQ(ReadProjectFile(dir.file("p.stb")).Projektdaten.Vortext, p.Projektdaten.Vortext);
}

TEST(ProjektDateiRundlauf, SavingTwoSectionsOverFourLeavesTheRestUnread)
{
    TProjektInhalt vier;
    vier.TSAnzahl = 4;
    vier.Teilstrecken.assign(5, GeleerteTeilstrecke());
    for (int n = 1; n <= 4; ++n) {
        vier.Teilstrecken[n].Bezeichnung = QString("Vier %1").arg(n);
        vier.Teilstrecken[n].Einbauten(10) = {"14", "0,4", "3"};
    }
    TempProgramFolder dir;
    const QString path = dir.file("p.stb");
    WriteProjectFile(path, vier);
    {
        TIniFile ini(path);
        ini.WriteString("Eigenes", "Notiz", "bleibt");
        ini.UpdateFile();
    }
    TProjektInhalt zwei = vier;
    zwei.TSAnzahl = 2;
    zwei.Teilstrecken.resize(3);
    zwei.Teilstrecken[1].Einbauten(10).Anzahl = "0";  // its old entry key stays, unread
    WriteProjectFile(path, zwei);

    const QByteArray bytes = dir.read("p.stb");
    EXPECT_TRUE(bytes.contains("TS3="));
    EXPECT_TRUE(bytes.contains("TS4="));
    EXPECT_TRUE(bytes.contains("[TS4_EB_Bogen]"));
    EXPECT_TRUE(bytes.contains("[TS1-Einbauten]\r\nBogen10=14;0,4;3;"));
    EXPECT_TRUE(bytes.contains("[TS1_EB_Bogen]\r\nBogen=0;;\r\n"));
    EXPECT_TRUE(bytes.contains("Notiz=bleibt"));
    EXPECT_TRUE(bytes.contains("TS-Anzahl=2\r\n"));

    const TProjektInhalt q = ReadProjectFile(path);
    ASSERT_EQ(q.TSAnzahl, 2);
    EXPECT_EQ(q.Teilstrecken.size(), 3u);
    EXPECT_EQ(q.Namen, QStringList({"Vier 1", "Vier 2"}));
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(10).Anzahl.str(), "0");
    EXPECT_EQ(q.Teilstrecken[2].Einbauten(10).Anzahl.str(), "3");
}

TEST(ProjektDateiRundlauf, WritesTheOpenProjectState)
{
    TProjekt projekt;
    projekt.StartNewProject(2);
    projekt.Projektdaten.Name1 = "Bauamt";
    projekt.Section(2).Bezeichnung = "Abluft";
    projekt.Section(2).Einbauten(31) = {"18", "1,1", "4"};
    TempProgramFolder dir;
    WriteProjectFile(dir.file("p.stb"), projekt);
    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"));
    EXPECT_EQ(q.TSAnzahl, 2);
    EXPECT_EQ(q.Projektdaten.Name1.str(), "Bauamt");
    EXPECT_EQ(q.Namen.at(1), "Abluft");
    EXPECT_EQ(q.Teilstrecken[2].Einbauten(31).Zeta.str(), "1,1");
    EXPECT_FALSE(projekt.ProjektGespeichert);  // the command sets the flags
}

// ---- what reading rebuilds ---------------------------------------------------

namespace {
QByteArray Datei(const QString& text)
{
    QString t = text;
    t.replace("\n", "\r\n");
    return t.toLatin1();
}

QString Listen(int n, const QString& reduktionen = "0;;")
{
    QString s;
    for (const char* g : {"Bogen", "Abzweige", "Reduktionen", "FremdEinbauten", "Einbauten"})
        s += QString("[TS%1_EB_%2]\n%2=%3\n").arg(n).arg(g).arg(QString(g) == "Reduktionen" ? reduktionen : "0;;");
    return s;
}
}  // namespace

TEST(ProjektDateiLesen, DefaultNamesForMissingFieldsAndNames)
{
    TempProgramFolder dir;
    dir.write("p.stb", Datei("[Projektdaten]\nPLZ=1234567\nmame2=Zweit\n"
                             "[Teilstrecken]\n"
                             "TS1=1;0;200;0;12,5;600;1;5,31;0,20;0,03;24,10;42,36;66,46;\n"
                             "TS2=2;0;300;200;8;600;2;2,78;0,24;0,06;3,20;0,00;3,20;;\n"
                             "TS4=4;0;300;200;8;600;2;2,78;0,24;0,06;3,20;0,00;3,20;Ohne Semikolon\n"
                             "TS5=5;0;300;200;8;600;2;2,78;0,24;0,06;3,20;0,00;3,20;Sehr langer Name der Strecke;\n"
                             "[Projekt]\nTS-Anzahl= 5 \nTS-Namen=Erste;;Dritte;\n" +
                             Listen(1) + Listen(2) + Listen(3) + Listen(4) + Listen(5)));
    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"), "Teilstrecke");
    ASSERT_EQ(q.TSAnzahl, 5);
    EXPECT_EQ(q.Projektdaten.PLZ.str(), "12345");
    EXPECT_EQ(q.Projektdaten.Name2.str(), "Zweit");
    // Tree texts: from TS-Namen, the default for empty and missing names.
    EXPECT_EQ(q.Namen, QStringList({"Erste", "Teilstrecke 2", "Dritte", "Teilstrecke 4", "Teilstrecke 5"}));
    // Records: 13 fields only gives the default; an empty field 14 stays empty.
    EXPECT_EQ(q.Teilstrecken[1].Bezeichnung.str(), "Teilstrecke 1");
    EXPECT_EQ(q.Teilstrecken[1].Laenge.str(), "12,5");
    EXPECT_EQ(q.Teilstrecken[2].Bezeichnung.str(), "");
    // A missing line gives empty fields and the default name.
    EXPECT_EQ(q.Teilstrecken[3].Materialart.str(), "");
    EXPECT_EQ(q.Teilstrecken[3].DNRohr.str(), "");
    EXPECT_EQ(q.Teilstrecken[3].Bezeichnung.str(), "Teilstrecke 3");
    EXPECT_EQ(q.Teilstrecken[3].Einbauten(1).Zeta.str(), "0");
    // A trailing piece without ";" is never read.
    EXPECT_EQ(q.Teilstrecken[4].Bezeichnung.str(), "");
    EXPECT_EQ(q.Teilstrecken[5].Bezeichnung.str(), "Sehr langer Nam");
}

TEST(ProjektDateiLesen, ListedNumbersDecideTheSlotNotTheGroup)
{
    TempProgramFolder dir;
    dir.write("p.stb", Datei("[Projekt]\nTS-Anzahl=1\nTS-Namen=A;B;C;\n"
                             "[TS1-Einbauten]\nReduktionen3=13;0,21;2;\nReduktionen5=13;0,3;1;\n"
                             "Reduktionen6=13;0,3;1;\nBogen1=13;0,5;1;\n" +
                             Listen(1, "3;;3;5;7;")));
    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"));
    EXPECT_EQ(q.Namen, QStringList({"A"}));
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(3).Zeta.str(), "0,21");
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(5).Anzahl.str(), "1");
    // Listed but missing: three empty fields.
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(7).Zeta.str(), "");
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(7).Anzahl.str(), "");
    // Present but not listed: not read.
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(6).Anzahl.str(), "0");
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(1).Anzahl.str(), "0");
}

TEST(ProjektDateiLesen, FieldsAreCutToTheirWidths)
{
    // Section line: every field 30 characters of its own letter.
    const int breiten[14] = {15, 25, 10, 10, 10, 10, 15, 10, 10, 10, 10, 10, 10, 15};
    QString line;
    for (int f = 0; f < 14; ++f) line += QString(30, QChar('A' + f)) + ';';
    TTeilstrecke ts;
    ParseSectionLine(line, ts, "Vorgabe");
    const QString gelesen[14] = {ts.Nummer.str(), ts.Materialart.str(), ts.DNRohr.str(), ts.KanalHoehe.str(),
                                 ts.Laenge.str(), ts.Volumenstrom.str(), ts.Kanalform.str(), ts.Geschw.str(),
                                 ts.HydrDurchm.str(), ts.Flaeche.str(), ts.DpRohr.str(), ts.DpFormstueck.str(),
                                 ts.DpGesamt.str(), ts.Bezeichnung.str()};
    for (int f = 0; f < 14; ++f) EXPECT_EQ(gelesen[f], QString(breiten[f], QChar('A' + f))) << "field " << f + 1;

    TFremdEinbauEintrag row;
    ParseForeignEntry(QString(60, QChar('b')) + ";12345678901;1234;", row);
    EXPECT_EQ(row.Beschreibung.length(), 50);
    EXPECT_EQ(row.Dp.str(), "1234567890");
    EXPECT_EQ(row.Anzahl.str(), "123");
    TEinbauEintrag slot;
    ParseFittingEntry("13;0,5", slot);  // no ";" after the zeta: it is not read
    EXPECT_EQ(slot.Code.str(), "13");
    EXPECT_EQ(slot.Zeta.str(), "");
    EXPECT_EQ(slot.Anzahl.str(), "");
}

TEST(ProjektDateiLesen, FieldSplitting)
{
    QString rest = "a;;b";
    EXPECT_EQ(SplitFirstField(rest), "a");
    EXPECT_EQ(rest, ";b");
    EXPECT_EQ(SplitFirstField(rest), "");
    EXPECT_EQ(rest, "b");
    EXPECT_EQ(SplitFirstField(rest), "");  // no ";": empty field, rest unchanged
    EXPECT_EQ(rest, "b");

    QString liste = "2;;3;5;";
    EXPECT_EQ(ParseEntryCount(liste), 2);
    EXPECT_EQ(ParseEntryIndex(liste), 3);
    EXPECT_EQ(ParseEntryIndex(liste), 5);
    EXPECT_TRUE(liste.isEmpty());
    QString kaputt = "2;;3";
    ParseEntryCount(kaputt);
    EXPECT_THROW(ParseEntryIndex(kaputt), EConvertError);
}

// ---- the line-break escape -----------------------------------------------------

TEST(ZeilenumbruchEscape, OneLineTextsStayAsTheyAre)
{
    for (const QString& t : {QString(), QString("Hallo Welt"), QString("C:\\neu\\rot"), QStringLiteral("5 \u00A4"),
                             QStringLiteral("\u00A4x \u00A4 \u00A4"), QString("100 % ; = [x]")}) {
        EXPECT_EQ(EscapeLineBreaks(t), t);
        EXPECT_EQ(UnescapeLineBreaks(t), t);
    }
}

TEST(ZeilenumbruchEscape, EscapesAndRoundTrips)
{
    EXPECT_EQ(EscapeLineBreaks("a\r\nb"), QStringLiteral("a\u00A4r\u00A4nb"));
    EXPECT_EQ(EscapeLineBreaks("a\nb"), QStringLiteral("a\u00A4nb"));
    EXPECT_EQ(EscapeLineBreaks(QStringLiteral("\u00A4n")), QStringLiteral("\u00A4\u00A4n"));
    EXPECT_EQ(EscapeLineBreaks(QStringLiteral("\u00A4\n")), QStringLiteral("\u00A4\u00A4\u00A4n"));
    EXPECT_EQ(UnescapeLineBreaks(QStringLiteral("x\u00A4r\u00A4ny")), "x\r\ny");
    EXPECT_EQ(UnescapeLineBreaks(QStringLiteral("\u00A4\u00A4\u00A4")), QStringLiteral("\u00A4\u00A4"));
    const QString tricky[] = {QStringLiteral("\u00A4"), QStringLiteral("\u00A4\u00A4"), QStringLiteral("\u00A4\u00A4\u00A4"), QStringLiteral("\u00A4r"), QStringLiteral("\u00A4\r"), QStringLiteral("\r\u00A4"), "\n\n",
                              QStringLiteral("\u00A4\u00A4n\u00A4"), QStringLiteral("Ende\u00A4"), QStringLiteral("\r\n\u00A4\u00A4r\r"), QStringLiteral("\u00A4nn\u00A4rr\u00A4\u00A4\u00A4\n")};
    for (const QString& t : tricky) {
        SCOPED_TRACE(t.toStdString());
        const QString e = EscapeLineBreaks(t);
        EXPECT_FALSE(e.contains('\r') || e.contains('\n'));
        EXPECT_EQ(UnescapeLineBreaks(e), t);
    }
}
