#include "PrintQString.h"
#include "common/TestSupport.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TempFolder dir;
    QString path(const QString& name = QStringLiteral("test.ini")) const { return dir.filePath(name); }
    void put(const QByteArray& bytes, const QString& name = QStringLiteral("test.ini")) const { dir.put(name, bytes); }
    QByteArray get(const QString& name = QStringLiteral("test.ini")) const { return dir.get(name); }
    QStringList files() const { return dir.files(); }
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsTheDefaultAndCreatesNothing)
{
    {
        TIniFile ini(path());
        EXPECT_EQ(ini.ReadString("Projekt", "TS-Anzahl", ""), "");
        EXPECT_EQ(ini.ReadString("Projekt", "TS-Anzahl", "dflt"), "dflt");
        EXPECT_EQ(ini.ReadInteger("Projekt", "TS-Anzahl", 7), 7);
        EXPECT_FALSE(ini.ReadBool("Userdaten", "Tip", false));
        EXPECT_TRUE(ini.ReadSections().isEmpty());
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_TRUE(files().isEmpty());

    put("[Material]\r\nEBlech=0,15\r\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("Userdaten", "Firma", ""), "");
    EXPECT_EQ(ini.ReadString("Material", "EFlex", "x"), "x");
    EXPECT_EQ(ini.ReadString("Material", "EBlech", ""), "0,15");
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCaseAndTheFirstDuplicateWins)
{
    put("[Zeta-Red-Konisch]\r\nZRedErwK1=0,1\r\nzrederwk1=0,2\r\n"
        "[Projektdaten]\r\nMAME2=Zweiter\r\n"
        "[zeta-red-konisch]\r\nZRedErwK1=0,3\r\nZRedEngK1=0,4\r\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("Zeta-Red-konisch", "ZREDERWK1", ""), "0,1");
    EXPECT_EQ(ini.ReadString("Projektdaten", "Mame2", ""), "Zweiter");
    // The second section of the same name is not read.
    EXPECT_EQ(ini.ReadString("Zeta-Red-konisch", "ZRedEngK1", ""), "");
    EXPECT_EQ(ini.ReadSections(), QStringList({"Zeta-Red-Konisch", "Projektdaten"}));
    EXPECT_EQ(ini.ReadSection("ZETA-RED-KONISCH"), QStringList({"ZRedErwK1"}));
    EXPECT_TRUE(ini.ValueExists("zeta-red-konisch", "zrederwk1"));
    EXPECT_FALSE(ini.ValueExists("Zeta-Red-konisch", "ZRedEngK1"));
    // Case folding covers ASCII only.
    EXPECT_EQ(ini.ReadString("PROJEKTDATEN", "mame2", ""), "Zweiter");

    // Replacing goes to the first of the duplicates; the others stay.  A key
    // that only the second one holds is new: it joins the end of the first.
    ini.WriteString("ZETA-RED-KONISCH", "ZRedErwK1", "0,9");
    ini.WriteString("Zeta-Red-konisch", "ZRedEngK1", "0,5");
    EXPECT_EQ(ini.ReadString("zeta-red-konisch", "zredengk1", ""), "0,5");
    ini.UpdateFile();
    EXPECT_EQ(get(), QByteArray("[Zeta-Red-Konisch]\r\nZRedErwK1=0,9\r\nzrederwk1=0,2\r\nZRedEngK1=0,5\r\n"
                                "[Projektdaten]\r\nMAME2=Zweiter\r\n"
                                "[zeta-red-konisch]\r\nZRedErwK1=0,3\r\nZRedEngK1=0,4\r\n"));
}

// Lookups are hashed on names with the case bit set, so names that differ
// only in that bit outside A-Z ("@" and "`", "Ä" and "ä") meet in the hash:
// they must still be told apart, in short sections and in long ones that
// are searched through their index.
TEST_F(IniFileTest, NamesThatDifferOutsideTheLettersStayApart)
{
    QByteArray text = "[Kurz]\r\nWert@1=a\r\nWert`1=b\r\n";
    text += "[Lang]\r\n";
    for (int i = 0; i < 30; ++i) text += "Schluessel" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    text += "Ma\xC4" "e=gross\r\nMa\xE4" "e=klein\r\nBreite_Abzweig@{x}=1\r\nBREITE_ABZWEIG`[X]=2\r\n";
    text += "[Lang@]\r\nK=3\r\n";
    put(text);
    TIniFile ini(path());
    const struct {
        const char *section, *key, *value;
    } reads[] = {
        {"Kurz", "wert@1", "a"},           {"KURZ", "Wert`1", "b"},
        {"Lang", "MaÄe", "gross"},         {"Lang", "Maäe", "klein"},
        {"Lang", "MAÄE", "gross"},         {"lang", "breite_abzweig@{X}", "1"},
        {"lang", "Breite_Abzweig`[x]", "2"}, {"Lang", "SCHLUESSEL29", "29"},
        {"Lang", "Schluessel3", "3"},      {"Lang`", "K", "-"},
        {"LANG@", "k", "3"},
    };
    for (const auto& r : reads)
        EXPECT_EQ(ini.ReadString(QString::fromUtf8(r.section), QString::fromUtf8(r.key), "-"), QString::fromUtf8(r.value))
            << r.section << " " << r.key;
    EXPECT_FALSE(ini.ValueExists("Lang", "Schluessel30"));
}

TEST_F(IniFileTest, ValuesAreTrimmedOneLinePlainTextOfAnyLength)
{
    const QByteArray longValue(5000, 'x');
    put("[S]\r\n  Key  =  a value  \r\nList=Zuluft EG;Teilstrecke 2;\r\nQ=\"quoted\"\r\n"
        "Eq=a=b\r\nLead==x\r\nEmpty=\r\n; Kommentar=1\r\nno equals sign\r\n=nokey\r\nLong=" + longValue + "\r\n"
        "  [Indented]  \r\nK=v\r\n[Open\r\nK=w\r\nL=w\r\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("S", "Key", ""), "a value");
    EXPECT_EQ(ini.ReadString("S", "List", ""), "Zuluft EG;Teilstrecke 2;");
    EXPECT_EQ(ini.ReadString("S", "Q", ""), "\"quoted\"");
    EXPECT_EQ(ini.ReadString("S", "Eq", ""), "a=b");
    EXPECT_EQ(ini.ReadString("S", "Lead", ""), "=x");
    EXPECT_EQ(ini.ReadString("S", "Empty", "d"), "");
    EXPECT_TRUE(ini.ValueExists("S", "Empty"));
    EXPECT_FALSE(ini.ValueExists("S", "; Kommentar"));
    EXPECT_FALSE(ini.ValueExists("S", "no equals sign"));
    EXPECT_EQ(ini.ReadString("S", "Long", "").size(), 5000);
    EXPECT_EQ(ini.ReadString("S", "no equals sign", "d"), "d");
    EXPECT_EQ(ini.ReadSection("S"), QStringList({"Key", "List", "Q", "Eq", "Lead", "Empty", "Long"}));
    EXPECT_EQ(ini.ReadString("Indented", "K", ""), "v");
    // "[Open" without its bracket opens no section: its keys stay in the one before.
    EXPECT_FALSE(ini.SectionExists("Open"));
    EXPECT_EQ(ini.ReadString("Open", "L", "d"), "d");
    EXPECT_EQ(ini.ReadString("Indented", "L", ""), "w");
    EXPECT_EQ(ini.ReadSections(), QStringList({"S", "Indented"}));

    // Values with a leading "=" survive writing; writing to "Open" makes a
    // proper section at the end and leaves the broken line alone.
    ini.WriteString("S", "Lead", "==y");
    ini.WriteString("Open", "K", "neu");
    const QByteArray written = ini.Contents();
    EXPECT_TRUE(written.contains("\r\nLead===y\r\n"));
    EXPECT_TRUE(written.endsWith("[Open\r\nK=w\r\nL=w\r\n[Open]\r\nK=neu\r\n"));
    EXPECT_EQ(ini.ReadString("S", "Lead", ""), "==y");
    EXPECT_EQ(ini.ReadString("Open", "K", ""), "neu");
}

TEST_F(IniFileTest, ReplacingInPlaceKeepsEveryOtherLineByteForByte)
{
    const QByteArray before = "; Wertedatei\r\n\r\n[Material]\r\nEBlech = 0,15\r\n"
                              "  ; Flex nicht ändern\r\nEFlex=1,5\r\nUnbekannt=;x;;\r\n\r\n"
                              "[HL]\r\nHL=Text\r\n";
    put(before);
    {
        TIniFile ini(path());
        ini.WriteString("material", "eblech", "0,2");
        ini.WriteString("Material", "EFlex", "1,5");  // same value: line untouched
    }
    QByteArray after = before;
    after.replace("EBlech = 0,15", "EBlech=0,2");
    EXPECT_EQ(get(), after);
}

TEST_F(IniFileTest, NewKeysGoAfterTheLastLineOfTheirSectionNewSectionsToTheEnd)
{
    put("[A]\r\nk1=1\r\n; note\r\n\r\n\r\n[B]\r\nb1=1\r\n");
    {
        TIniFile ini(path());
        ini.WriteString("A", "k2", "2");
        ini.WriteString("B", "b2", "2");
        ini.WriteString("C", "c1", "3");
        ini.WriteString("a", "k3", "4");
        ini.WriteString("C", "c2", "5");
        EXPECT_EQ(ini.ReadString("A", "K3", ""), "4");
        EXPECT_EQ(ini.ReadSections(), QStringList({"A", "B", "C"}));
    }
    EXPECT_EQ(get(), QByteArray("[A]\r\nk1=1\r\n; note\r\nk2=2\r\nk3=4\r\n\r\n\r\n[B]\r\nb1=1\r\nb2=2\r\n"
                                "[C]\r\nc1=3\r\nc2=5\r\n"));
}

TEST_F(IniFileTest, NewFileTakesSectionsInTheOrderOfTheirFirstWrite)
{
    {
        TIniFile ini(path());
        ini.WriteString("Projektdaten", "Name1", "Bauamt");
        ini.WriteString("Projektdaten", "Mame2", "");
        ini.WriteString("Teilstrecken", "TS1", "1;0;200;");
        ini.WriteString("TS1_EB_Bogen", "Bogen", "0;;");
        ini.WriteString("Teilstrecken", "TS2", "2;0;300;");
        ini.WriteInteger("Projekt", "TS-Anzahl", 2);
    }
    EXPECT_EQ(get(), QByteArray("[Projektdaten]\r\nName1=Bauamt\r\nMame2=\r\n[Teilstrecken]\r\nTS1=1;0;200;\r\n"
                                "TS2=2;0;300;\r\n[TS1_EB_Bogen]\r\nBogen=0;;\r\n[Projekt]\r\nTS-Anzahl=2\r\n"));
}

TEST_F(IniFileTest, LineFeedFilesAndAMissingLastLineEnd)
{
    put("[A]\nk=1\n[B]\nb=2");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("B", "b", ""), "2");
    ini.WriteString("B", "c", "3");
    ini.WriteString("A", "k2", "x");
    ini.UpdateFile();
    EXPECT_EQ(get(), QByteArray("[A]\nk=1\nk2=x\n[B]\nb=2\nc=3\n"));
}

TEST_F(IniFileTest, ABareCarriageReturnAtTheEndSurvivesAnAppendedKey)
{
    // First line ends in LF, the last one in a CR without LF.
    put("[A]\nk=1\n[B]\nlast=v\r");
    {
        TIniFile ini(path());
        EXPECT_EQ(ini.ReadString("B", "last", ""), "v\r");
        ini.WriteString("B", "neu", "2");
        ini.UpdateFile();
    }
    EXPECT_EQ(get(), QByteArray("[A]\nk=1\n[B]\nlast=v\r\r\nneu=2\n"));
    {
        TIniFile ini(path());
        EXPECT_EQ(ini.ReadString("B", "last", ""), "v\r");
        EXPECT_EQ(ini.ReadString("B", "neu", ""), "2");
    }

    // The same for a new section after it, and for a header as the last line.
    put("[A]\nk=1\r\n[B]\r");
    {
        TIniFile ini(path());
        ini.WriteString("C", "x", "3");
        ini.WriteString("A", "y", "4");
        ini.UpdateFile();
    }
    EXPECT_EQ(get(), QByteArray("[A]\nk=1\r\ny=4\n[B]\r\r\n[C]\nx=3\n"));
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadSections(), QStringList({"A", "B", "C"}));
}

TEST_F(IniFileTest, BooleansAndIntegers)
{
    put("[U]\r\nT1=1\r\nT2=2\r\nT3=-1\r\nT4=0\r\nT5=ja\r\nT6=\r\nH=0x1F\r\nN= 42\r\n");
    TIniFile ini(path());
    EXPECT_TRUE(ini.ReadBool("U", "T1", false));
    EXPECT_TRUE(ini.ReadBool("U", "T2", false));
    EXPECT_TRUE(ini.ReadBool("U", "T3", false));
    EXPECT_FALSE(ini.ReadBool("U", "T4", true));
    EXPECT_FALSE(ini.ReadBool("U", "T5", false));
    EXPECT_FALSE(ini.ReadBool("U", "T6", false));
    EXPECT_FALSE(ini.ReadBool("U", "missing", false));
    EXPECT_EQ(ini.ReadInteger("U", "H", 0), 31);
    EXPECT_EQ(ini.ReadInteger("U", "N", 0), 42);
    EXPECT_EQ(ini.ReadInteger("U", "T5", -5), -5);
    ini.WriteBool("U", "T1", false);
    ini.WriteBool("U", "New", true);
    ini.WriteInteger("U", "N", -7);
    EXPECT_EQ(ini.ReadString("U", "T1", ""), "0");
    EXPECT_EQ(ini.ReadString("U", "New", ""), "1");
    EXPECT_EQ(ini.ReadString("U", "N", ""), "-7");
}

TEST_F(IniFileTest, Windows1252RoundTrip)
{
    {
        TIniFile ini(path());
        ini.WriteString("Projektdaten", "Projekt", QStringLiteral("Lüftung Halle 2"));
        ini.WriteString("Material", "Hinweis", QStringLiteral("€ 5 – „Maß“ ½"));
    }
    const QByteArray bytes = get();
    EXPECT_TRUE(bytes.contains("Projekt=L\xFC" "ftung Halle 2\r\n"));
    EXPECT_TRUE(bytes.contains("Hinweis=\x80 5 \x96 \x84Ma\xDF\x93 \xBD\r\n"));
    TIniFile again(path());
    EXPECT_EQ(again.ReadString("projektdaten", "projekt", ""), QStringLiteral("Lüftung Halle 2"));
    EXPECT_EQ(again.ReadString("Material", "Hinweis", ""), QStringLiteral("€ 5 – „Maß“ ½"));
}

TEST_F(IniFileTest, EveryByteSurvivesAnUnrelatedWrite)
{
    QByteArray raw = "[Raw]\r\nAll=";
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') raw += char(b);
    raw += "\r\n";
    put(raw);
    {
        TIniFile ini(path());
        EXPECT_EQ(ini.ReadString("Raw", "All", "").size(), 253);  // from 0x01 to 0xFF, nothing to trim
        ini.WriteString("Other", "k", "v");
    }
    EXPECT_EQ(get(), raw + "[Other]\r\nk=v\r\n");
}

TEST_F(IniFileTest, TextWindows1252CannotHoldIsRefusedAndNothingChanges)
{
    const QByteArray before = "[S]\r\nk=alt\r\n";
    put(before);
    {
        TIniFile ini(path());
        try {
            ini.WriteString("S", "k", QStringLiteral("Ω-Zeichen"));
            ADD_FAILURE() << "no error";
        } catch (const EIniFileException& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("'Ω' (U+03A9)"))) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(QStringLiteral("test.ini"))) << e.Message().toStdString();
        }
        EXPECT_THROW(ini.WriteString("S", "k", QStringLiteral("Smiley \U0001F600")), EIniFileException);
        EXPECT_THROW(ini.WriteString(QStringLiteral("Säule✓"), "k", "v"), EIniFileException);
        // A C1 control character that is a defined Windows-1252 byte is not storable.
        EXPECT_THROW(ini.WriteString("S", "k", QString(QChar(0x80))), EIniFileException);
        EXPECT_THROW(ini.WriteString("S", "k", "zwei\r\nZeilen"), EIniFileException);
        EXPECT_THROW(ini.WriteString("S", "k", "zwei\nZeilen"), EIniFileException);
        EXPECT_THROW(ini.WriteString("S", "a=b", "v"), EIniFileException);
        EXPECT_THROW(ini.WriteString("S", "  ", "v"), EIniFileException);
        EXPECT_THROW(ini.WriteString("S]x", "k", "v"), EIniFileException);
        EXPECT_EQ(ini.ReadString("S", "k", ""), "alt");
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_EQ(get(), before);
}

TEST_F(IniFileTest, MissingFolderIsAFailureNamingTheFile)
{
    const QString missing = dir.filePath("gibtsnicht/Projekt.STB");
    TIniFile ini(missing);
    EXPECT_EQ(ini.ReadString("Projekt", "TS-Anzahl", ""), "");
    try {
        ini.WriteString("Projekt", "TS-Anzahl", "1");
        ADD_FAILURE() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("In %1 kann nicht geschrieben werden").arg(missing));
    }
    EXPECT_FALSE(ini.Modified());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("gibtsnicht")));

    put("kein Ordner", "datei");
    TIniFile underFile(dir.filePath("datei/x.ini"));
    EXPECT_THROW(underFile.WriteString("A", "b", "c"), EIniFileException);
}

TEST_F(IniFileTest, ReadOnlyFileIsAFailureAndStaysAsItWas)
{
    const QByteArray before = "[Projekt]\r\nTS-Anzahl=2\r\n";
    put(before);
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        TIniFile ini(path());
        EXPECT_EQ(ini.ReadInteger("Projekt", "TS-Anzahl", 0), 2);
        EXPECT_THROW(ini.WriteString("Projekt", "TS-Anzahl", "3"), EIniFileException);
        EXPECT_THROW(ini.WriteString("Projekt", "Neu", "3"), EIniFileException);
        EXPECT_THROW(ini.EraseSection("Projekt"), EIniFileException);
        // Writing what the file already holds changes nothing and is no failure.
        EXPECT_NO_THROW(ini.WriteString("Projekt", "TS-Anzahl", "2"));
        EXPECT_NO_THROW(ini.UpdateFile());
    }
    EXPECT_EQ(get(), before);

    // Made read-only after the first write: saving fails, the file stays.
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    TIniFile ini(path());
    ini.WriteString("Projekt", "TS-Anzahl", "3");
    QFile::setPermissions(path(), QFile::ReadOwner);
    EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(get(), before);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(IniFileTest, SavingKeepsPermissionsAndLeavesNoTemporaryFile)
{
    put("[A]\r\nk=1\r\n");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    {
        TIniFile ini(path());
        ini.WriteString("A", "k", "2");
        ini.UpdateFile();
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_EQ(get(), QByteArray("[A]\r\nk=2\r\n"));
    EXPECT_EQ(files(), QStringList({"test.ini"}));
    EXPECT_EQ(QFileInfo(path()).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                  | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

TEST_F(IniFileTest, AnAbandonedOperationLeavesTheFileAsItWas)
{
    const QByteArray before = "[Projekt]\r\nTS-Anzahl=2\r\n";
    put(before);
    try {
        TIniFile ini(path());
        ini.WriteString("Projekt", "TS-Anzahl", "5");
        ini.WriteString("Teilstrecken", "TS1", "x;");
        throw std::runtime_error("Abbruch");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(get(), before);

    TIniFile ini(path());
    ini.WriteString("Projekt", "TS-Anzahl", "5");
    ini.Discard();
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.ReadString("Projekt", "TS-Anzahl", ""), "2");
}

TEST_F(IniFileTest, AnObjectMadeDuringUnwindingStillSaves)
{
    struct Saver {
        QString file;
        ~Saver()
        {
            TIniFile ini(file);
            ini.WriteString("A", "b", "c");
        }
    };
    try {
        Saver s{path()};
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(get(), QByteArray("[A]\r\nb=c\r\n"));
}

TEST_F(IniFileTest, AnUnchangedFileIsNotRewritten)
{
    put("[A]\r\nk = 1\r\nl=2\r\n");
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    {
        TIniFile ini(path());
        ini.WriteString("A", "k", "1");
        ini.WriteString("a", "L", "2");
        EXPECT_FALSE(ini.Modified());
        ini.UpdateFile();
    }
    EXPECT_EQ(QFileInfo(path()).lastModified().toUTC().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_EQ(get(), QByteArray("[A]\r\nk = 1\r\nl=2\r\n"));
}

TEST_F(IniFileTest, FileNameMatchesWithoutRegardToCase)
{
    put("[Material]\r\nEBlech=0,15\r\n", "SBWert.dat");
    {
        TIniFile ini(path("SBWert.Dat"));
        EXPECT_EQ(ini.FileName(), path("SBWert.Dat"));
        EXPECT_EQ(ini.ReadString("Material", "EBlech", ""), "0,15");
        ini.WriteString("Material", "EFlex", "1,5");
    }
    EXPECT_EQ(files(), QStringList({"SBWert.dat"}));
    EXPECT_EQ(get("SBWert.dat"), QByteArray("[Material]\r\nEBlech=0,15\r\nEFlex=1,5\r\n"));
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.ini"));
    TIniFile ini(path("ordner.ini"));
    EXPECT_EQ(ini.ReadString("A", "b", "d"), "d");
    EXPECT_THROW(ini.WriteString("A", "b", "c"), EIniFileException);
    EXPECT_TRUE(QFileInfo(path("ordner.ini")).isDir());
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey)
{
    put("[A]\r\nk=1\r\nk=2\r\nm=3\r\n[B]\r\nb=1\r\n[a]\r\nz=9\r\n");
    TIniFile ini(path());
    ini.DeleteKey("A", "K");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "2");  // the duplicate now comes first
    ini.DeleteKey("A", "missing");
    ini.EraseSection("b");
    EXPECT_FALSE(ini.SectionExists("B"));
    ini.EraseSection("A");
    EXPECT_EQ(ini.ReadString("A", "z", ""), "9");  // the second [a] now answers
    ini.EraseSection("nothing");
    EXPECT_EQ(ini.Contents(), QByteArray("[a]\r\nz=9\r\n"));
}

// Long sections and many sections are searched through an index: the same
// answers as for short ones, also while keys are added and removed.
TEST_F(IniFileTest, LongSectionsAndManySectionsAnswerAsShortOnes)
{
    QByteArray text = "[Lang]\r\n";
    for (int i = 1; i <= 40; ++i) {
        text += "Key" + QByteArray::number(i) + " = " + QByteArray::number(i * 10) + "\r\n";
        if (i == 30) text += "KEY5=doppelt\r\n; Key7=Kommentar\r\n";
    }
    for (int n = 1; n <= 300; ++n) text += "[S" + QByteArray::number(n) + "]\r\nv=" + QByteArray::number(n) + "\r\n";
    text += "[s150]\r\nv=zweite\r\nw=nur hier\r\n[LANG]\r\nKey1=zweite\r\n";
    put(text);
    TIniFile ini(path());

    EXPECT_EQ(ini.ReadString("lang", "key5", ""), "50");  // the first of the duplicates
    EXPECT_EQ(ini.ReadString("Lang", " Key40 ", ""), "400");
    EXPECT_EQ(ini.ValueView(u"LANG", u"key1"), u"10");
    EXPECT_TRUE(ini.ValueView(u"Lang", u"Key41").isEmpty());
    EXPECT_TRUE(ini.ValueView(u"Fehlt", u"Key1").isEmpty());
    EXPECT_FALSE(ini.ValueExists("Lang", "; Key7"));
    const QStringList keys = ini.ReadSection("Lang");
    ASSERT_EQ(keys.size(), 40);  // the duplicate once, the comment not at all
    EXPECT_EQ(keys.first(), "Key1");
    EXPECT_EQ(keys.last(), "Key40");
    EXPECT_EQ(ini.ReadString("S150", "v", ""), "150");
    EXPECT_EQ(ini.ReadString("s150", "w", ""), "");  // the second [s150] is not read
    EXPECT_EQ(ini.ReadString("s300", "V", ""), "300");
    EXPECT_EQ(ini.ReadSections().size(), 301);

    // Written keys are found at once, in long and in new sections.
    ini.WriteString("Lang", "Neu", "n");
    ini.WriteString("lang", "key20", "zwanzig");
    for (int n = 301; n <= 340; ++n) ini.WriteString(QStringLiteral("S%1").arg(n), "v", QString::number(n));
    EXPECT_EQ(ini.ReadString("LANG", "NEU", ""), "n");
    EXPECT_EQ(ini.ValueView(u"Lang", u"Key20"), u"zwanzig");
    EXPECT_EQ(ini.ReadString("s340", "v", ""), "340");
    EXPECT_EQ(ini.ReadString("S1", "v", ""), "1");

    // Deleting the first duplicate lets the second answer; erasing the
    // first [s150] lets the second one answer.
    ini.DeleteKey("Lang", "Key5");
    EXPECT_EQ(ini.ReadString("Lang", "key5", ""), "doppelt");
    EXPECT_EQ(ini.ReadString("Lang", "Key31", ""), "310");
    ini.EraseSection("S150");
    EXPECT_EQ(ini.ReadString("S150", "w", ""), "nur hier");
    EXPECT_EQ(ini.ReadString("S151", "v", ""), "151");

    ini.UpdateFile();
    const QByteArray saved = get();
    EXPECT_TRUE(saved.contains("Key19 = 190\r\nKey20=zwanzig\r\nKey21 = 210\r\n"));
    EXPECT_TRUE(saved.contains("Key40 = 400\r\nNeu=n\r\n[S1]\r\n"));
    EXPECT_TRUE(saved.endsWith("[S340]\r\nv=340\r\n"));
    EXPECT_FALSE(saved.contains("[S150]"));
    EXPECT_EQ(TIniFile(path()).ReadString("s150", "v", ""), "zweite");
}

}  // namespace
