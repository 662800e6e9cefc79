// Damaged project files and refused saves: a failed read returns nothing, a
// failed save leaves the file as it was.
#include "test_projektdatei_hilfen.h"
#include <QDir>
#include <QFile>

using namespace projektdatei_test;

namespace {

QByteArray Datei(const QString& text)
{
    QString t = text;
    t.replace("\n", "\r\n");
    return t.toLatin1();
}

// A valid one-section file whose index list of `gruppe` is `liste`.
QByteArray MitListe(const QString& gruppe, const QString& liste)
{
    QString s = "[Projektdaten]\nName1=Bauamt\n[Projekt]\nTS-Anzahl=1\nTS-Namen=A;\n"
                "[TS1-Einbauten]\nBogen3=13;0,21;2;\n";
    for (const QString g : {"Bogen", "Abzweige", "Reduktionen", "FremdEinbauten", "Einbauten"})
        if (g != gruppe || !liste.isNull())
            s += QString("[TS1_EB_%1]\n%1=%2\n").arg(g, g == gruppe ? liste : (g == "Bogen" ? "1;;3;" : "0;;"));
    return Datei(s);
}

// Reading must fail with a message holding `reason`.
void ExpectLadefehler(const QString& path, const QString& reason)
{
    try {
        (void)ReadProjectFile(path);
        ADD_FAILURE() << "read succeeded, expected: " << reason.toStdString();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(reason, Qt::CaseInsensitive))
            << e.Message().toStdString() << " / expected: " << reason.toStdString();
    }
}

}  // namespace

TEST(ProjektDateiLadefehler, TheBaseFileOfTheseCasesLoads)
{
    TempProgramFolder dir;
    dir.write("p.stb", MitListe("Bogen", "1;;3;"));
    const TProjektInhalt q = ReadProjectFile(dir.file("p.stb"));
    EXPECT_EQ(q.TSAnzahl, 1);
    EXPECT_EQ(q.Teilstrecken[1].Einbauten(3).Zeta.str(), "0,21");
}

TEST(ProjektDateiLadefehler, SectionCount)
{
    TempProgramFolder dir;
    const struct { const char* wert; const char* grund; } faelle[] = {
        {nullptr, "TS-Anzahl"}, {"", "fehlt"}, {"x", "keine ganze Zahl"}, {"2,5", "keine ganze Zahl"},
        {"0", "nicht zwischen 1 und 9999"}, {"-3", "nicht zwischen 1 und 9999"},
        {"10000", "nicht zwischen 1 und 9999"}, {"99999999999", "keine ganze Zahl"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wert ? f.wert : "(missing)");
        QString s = "[Projektdaten]\nName1=Bauamt\n[Projekt]\nTS-Namen=A;\n";
        if (f.wert) s += QString("TS-Anzahl=%1\n").arg(f.wert);
        dir.write("p.stb", Datei(s));
        ExpectLadefehler(dir.file("p.stb"), f.grund);
    }
}

TEST(ProjektDateiLadefehler, MissingEmptyOrForeignFile)
{
    TempProgramFolder dir;
    ExpectLadefehler(dir.file("gibtsnicht.stb"), "TS-Anzahl");
    dir.write("leer.stb", "");
    ExpectLadefehler(dir.file("leer.stb"), "TS-Anzahl");
    dir.write("fremd.stb", "\x00\x01\xFF binary junk\r\n=== ;;;\r\n[");
    ExpectLadefehler(dir.file("fremd.stb"), "TS-Anzahl");
}

TEST(ProjektDateiLadefehler, DamagedIndexLists)
{
    TempProgramFolder dir;
    const struct { const char* gruppe; const char* liste; const char* grund; } faelle[] = {
        {"Abzweige", nullptr, "fehlt"},
        {"Abzweige", "", "fehlt"},
        {"Bogen", "x;;3;", "keine ganze Zahl"},
        {"Bogen", "1", "keine ganze Zahl"},          // count without ";"
        {"Bogen", "2;;3;", "nennt nicht 2"},         // fewer numbers than the count
        {"Bogen", "2;;3;5", "nennt nicht 2"},        // the last one has no ";"
        {"Bogen", "1;;y;", "nennt nicht 1"},
        {"Bogen", "-1;;", "nicht zwischen 0 und 99"},
        {"Bogen", "100;;", "nicht zwischen 0 und 99"},
        {"Bogen", "1;;0;", "nicht zwischen 1 und 99"},
        {"Einbauten", "1;;100;", "nicht zwischen 1 und 99"},
        {"FremdEinbauten", "1;;21;", "nicht zwischen 1 und 20"},
        {"FremdEinbauten", "21;;", "nicht zwischen 0 und 20"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.gruppe) + "=" + (f.liste ? f.liste : "(missing)"));
        dir.write("p.stb", MitListe(f.gruppe, f.liste ? QString(f.liste) : QString()));
        ExpectLadefehler(dir.file("p.stb"), f.grund);
        ExpectLadefehler(dir.file("p.stb"), QString("TS1_EB_") + f.gruppe);
    }
}

TEST(ProjektDateiLadefehler, ASecondSectionWithoutListsFailsTheWholeRead)
{
    TempProgramFolder dir;
    QByteArray bytes = MitListe("Bogen", "1;;3;");
    bytes.replace("TS-Anzahl=1", "TS-Anzahl=2");
    dir.write("p.stb", bytes);
    ExpectLadefehler(dir.file("p.stb"), "TS2_EB_Bogen");
}

// ---- refused saves ---------------------------------------------------------------

namespace {

// Saving `p` into `path` must throw E with a message holding `reason`, and
// leave the file's bytes as they were (or the file absent).
template <class E>
void ExpectSpeicherfehler(const QString& path, const TProjektInhalt& p, const QString& reason)
{
    const bool existed = QFile::exists(path);
    const QByteArray before = ReadBytes(path);
    try {
        WriteProjectFile(path, p);
        ADD_FAILURE() << "save succeeded, expected: " << reason.toStdString();
    } catch (const E& e) {
        EXPECT_TRUE(e.Message().contains(reason)) << e.Message().toStdString();
    } catch (const Exception& e) {
        ADD_FAILURE() << "wrong exception: " << e.Message().toStdString();
    }
    EXPECT_EQ(QFile::exists(path), existed);
    EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace

TEST(ProjektDateiSpeicherfehler, BadContentChangesNothing)
{
    TempProgramFolder dir;
    const QString alt = dir.file("alt.stb");
    WriteProjectFile(alt, BeispielProjekt());
    const QString neu = dir.file("neu.stb");

    TProjektInhalt p = BeispielProjekt();
    p.Teilstrecken[2].Einbauten(99) = {"36", "0,1", "x"};
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EConvertError>(path, p, "'x'");

    p = BeispielProjekt();
    p.Teilstrecken[2].Bezeichnung = QStringLiteral("Zuluft \u2713");
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EProjektDatei>(path, p, "Teilstrecke 2, Teilstreckenbezeichnung: Das Zeichen '✓' (U+2713)");

    p = BeispielProjekt();
    p.Teilstrecken[1].FremdEinbauten(1).Beschreibung = "Klappe; rund";
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EProjektDatei>(path, p, "Semikolon");

    p = BeispielProjekt();
    p.Projektdaten.Ort = "Neu\nstadt";
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EProjektDatei>(path, p, "Zeilenumbruch");

    p = BeispielProjekt();
    p.Projektdaten.Nachtext = QStringLiteral("Gr\u00FC\u00DFe \u03A9");
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EProjektDatei>(path, p, "Projekt-Kopfdaten, Schlußbemerkungen: Das Zeichen 'Ω'");

    p = BeispielProjekt();
    p.TSAnzahl = 0;
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EProjektDatei>(path, p, "0 Teilstrecken");
    p = BeispielProjekt();
    p.TSAnzahl = 3;  // the array holds only two
    for (const QString& path : {alt, neu}) ExpectSpeicherfehler<EProjektDatei>(path, p, "2 von 3");

    // The euro sign is a Windows-1252 character and is stored.
    p = BeispielProjekt();
    p.Projektdaten.Vortext = QStringLiteral("Kosten 5 \u20AC");
    WriteProjectFile(neu, p);
    EXPECT_TRUE(ReadBytes(neu).contains("Vortext=Kosten 5 \x80\r\n"));
    EXPECT_EQ(ReadProjectFile(neu).Projektdaten.Vortext, p.Projektdaten.Vortext);
}

TEST(ProjektDateiSpeicherfehler, ReadOnlyFileAndMissingFolder)
{
    TempProgramFolder dir;
    const QString path = dir.file("schreibgeschuetzt.stb");
    WriteProjectFile(path, BeispielProjekt());
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    TProjektInhalt p = BeispielProjekt();
    p.Projektdaten.Ort = "Altstadt";
    ExpectSpeicherfehler<EIniFileException>(path, p, "kann nicht geschrieben werden");
    // Also when the save would change nothing.
    ExpectSpeicherfehler<EIniFileException>(path, BeispielProjekt(), "schreibgeschuetzt.stb");

    ExpectSpeicherfehler<EIniFileException>(dir.file("fehlt/p.stb"), p, "kann nicht geschrieben werden");
    EXPECT_FALSE(QDir(dir.file("fehlt")).exists());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}
