#include "app/SBWert.h"
#include "app/Teilstrecke.h"
#include "common/TestSupport.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/Numbers.h"
#include "support/FileCipher.h"
#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class SBWertTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        answers.verifyDone();
        SetWertDateiMessageTexts(nullptr);
        SetWertDateiEntferner(nullptr);
    }
    // The file's lines, without their CRLF.
    QStringList lines(const QString& name) const
    {
        return DecodeCp1252(folder.read(name)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }

    TempProgramFolder folder;
    ScriptedAnswerer& answers = ScriptedAnswerer::instance();
};

QStringList sectionOrder(const QStringList& lines)
{
    QStringList out;
    for (const QString& l : lines)
        if (l.startsWith(QLatin1Char('['))) out << l.mid(1, l.size() - 2);
    return out;
}

}  // namespace

// ---- the key table ------------------------------------------------------

TEST(SBWertKeys, TechnicalSectionsInFreshFileOrder)
{
    const auto& s = TechnischeSektionen();
    ASSERT_EQ(s.size(), 8u);
    const QStringList names = {"Material",         "Zeta-Bogen",       "Zeta-Flach-horizontal", "Zeta-Flach-vertikal",
                               "Zeta-Abzweig",     "Zeta-Red-scharfk", "Zeta-Red-konisch",      "Zeta-Einbauten"};
    const int counts[] = {7, 18, 6, 6, 21, 12, 24, 12};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(s[size_t(i)].name, names[i]);
        EXPECT_EQ(s[size_t(i)].keys.size(), counts[i]) << names[i].toStdString();
    }
    EXPECT_EQ(s[0].keys, QStringList({"EBlech", "EFlex", "EEGemauert", "EHolz", "EBeton", "EFaserzement",
                                      "EtaVentilator"}));
    EXPECT_EQ(s[1].keys.first(), "ZBog1");
    EXPECT_EQ(s[1].keys[6], "ZSeg3_1");
    EXPECT_EQ(s[1].keys[12], "ZSeg5_1");
    EXPECT_EQ(s[4].keys[0], "ZAbzw901");
    EXPECT_EQ(s[4].keys[6], "ZAbzw907");
    EXPECT_EQ(s[4].keys[7], "ZAbzw601");
    EXPECT_EQ(s[4].keys[14], "ZAbzw451");
    EXPECT_EQ(s[5].keys[5], "ZRedErwS6");
    EXPECT_EQ(s[5].keys[6], "ZRedEngS1");
    EXPECT_EQ(s[6].keys[17], "ZRedErwK18");
    EXPECT_EQ(s[6].keys[18], "ZRedEngK1");
    EXPECT_EQ(s[7].keys.last(), "zEinbauten12");
}

TEST(SBWertKeys, ZetaKeysAreTheSlotKeys)
{
    // Each slot's key lies in the technical section its slot names (the
    // calculation's "Zeta-Red-Konisch" being the dialog's "Zeta-Red-konisch").
    QSet<QString> seen;
    for (const TSlotInfo& slot : SlotTable()) {
        const QString key = QString::fromLatin1(slot.key);
        bool found = false;
        for (const TWertSektion& t : TechnischeSektionen())
            if (t.keys.contains(key)) {
                EXPECT_EQ(t.name.compare(QString::fromLatin1(slot.section), Qt::CaseInsensitive), 0) << slot.key;
                found = true;
            }
        EXPECT_TRUE(found) << slot.key;
        seen.insert(key.toLower());
    }
    EXPECT_EQ(seen.size(), 99);
    int zetaKeys = 0;
    for (size_t i = 1; i < TechnischeSektionen().size(); ++i) zetaKeys += TechnischeSektionen()[i].keys.size();
    EXPECT_EQ(zetaKeys, 99);
}

TEST(SBWertKeys, MaterialKeyByIndex)
{
    EXPECT_EQ(MaterialSchluessel(0), "EBlech");
    EXPECT_EQ(MaterialSchluessel(1), "EFlex");
    EXPECT_EQ(MaterialSchluessel(2), "EFaserzement");
    EXPECT_EQ(MaterialSchluessel(3), "EHolz");
    EXPECT_EQ(MaterialSchluessel(4), "EBeton");
    EXPECT_EQ(MaterialSchluessel(5), "EEGemauert");
    EXPECT_TRUE(MaterialSchluessel(-1).isEmpty());
    EXPECT_TRUE(MaterialSchluessel(6).isEmpty());
}

// ---- technical data --------------------------------------------------------

TEST_F(SBWertTest, FreshTechnicalFileHasTheEightSectionsInOrder)
{
    TTechnikDaten d;
    ASSERT_EQ(d.Count(), 106);
    d.SetValue(QStringLiteral("EBlech"), QStringLiteral("0,0015"));
    d.SetValue(QStringLiteral("ehOLZ"), QStringLiteral("123456"));
    d.SetValue(QStringLiteral("ZAbzw907"), QStringLiteral("1,11"));
    EXPECT_FALSE(d.SetValue(QStringLiteral("Firma"), QStringLiteral("x")));
    EXPECT_EQ(d.Value(QStringLiteral("EBlech")), "0,001");
    EXPECT_EQ(d.Value(QStringLiteral("EHolz")), "12345");

    ASSERT_TRUE(WriteTechnikdaten(d));
    const QStringList l = lines(QStringLiteral("SBWert.Dat"));
    EXPECT_EQ(sectionOrder(l), QStringList({"Material", "Zeta-Bogen", "Zeta-Flach-horizontal", "Zeta-Flach-vertikal",
                                            "Zeta-Abzweig", "Zeta-Red-scharfk", "Zeta-Red-konisch",
                                            "Zeta-Einbauten"}));
    EXPECT_EQ(l.size(), 8 + 106);
    EXPECT_EQ(l[1], "EBlech=0,001");
    EXPECT_EQ(l[4], "EHolz=12345");
    // The key lines follow the table exactly.
    QStringList keys;
    for (const QString& line : l)
        if (!line.startsWith(QLatin1Char('['))) keys << line.section(QLatin1Char('='), 0, 0);
    QStringList expected;
    for (const TWertSektion& s : TechnischeSektionen()) expected << s.keys;
    EXPECT_EQ(keys, expected);

    TTechnikDaten back;
    ASSERT_TRUE(ReadTechnikdaten(back));
    for (int i = 0; i < d.Count(); ++i) EXPECT_EQ(back.Value(i), d.Value(i)) << d.Key(i).toStdString();
}

TEST_F(SBWertTest, ExistingFileKeepsItsOrderAndOtherSections)
{
    folder.write("SBWert.Dat", "[Userdaten]\r\nFirma=L\xfc" "ftung GmbH\r\n"
                               "[Zeta-Red-Konisch]\r\nZRedEngK1=0,9\r\nzredErwK2=0,8\r\n"
                               "[Material]\r\nEtaVentilator=0,4\r\n");
    TTechnikDaten d;
    ASSERT_TRUE(ReadTechnikdaten(d));
    EXPECT_EQ(d.Value(QStringLiteral("ZRedEngK1")), "0,9");
    EXPECT_EQ(d.Value(QStringLiteral("ZRedErwK2")), "0,8");
    EXPECT_EQ(d.Value(QStringLiteral("EtaVentilator")), "0,4");
    EXPECT_TRUE(d.Value(QStringLiteral("ZAbzw907")).isEmpty());  // missing key reads empty

    d.SetValue(QStringLiteral("ZRedEngK1"), QStringLiteral("0,25"));
    ASSERT_TRUE(WriteTechnikdaten(d));
    const QStringList l = lines(QStringLiteral("SBWert.Dat"));
    EXPECT_EQ(sectionOrder(l), QStringList({"Userdaten", "Zeta-Red-Konisch", "Material", "Zeta-Bogen",
                                            "Zeta-Flach-horizontal", "Zeta-Flach-vertikal", "Zeta-Abzweig",
                                            "Zeta-Red-scharfk", "Zeta-Einbauten"}));
    EXPECT_EQ(l[1], QString::fromUtf8("Firma=Lüftung GmbH"));
    EXPECT_EQ(l[3], "ZRedEngK1=0,25");  // replaced in place
    EXPECT_EQ(l[4], "zredErwK2=0,8");
    EXPECT_EQ(l[5], "ZRedErwK1=");       // added after the existing keys
    EXPECT_EQ(l.size(), 9 + 106 + 1);
}

TEST_F(SBWertTest, TechnicalDataWithoutFileOrUnwritable)
{
    TTechnikDaten d;
    d.SetValue(QStringLiteral("EBlech"), QStringLiteral("0,15"));
    EXPECT_FALSE(ReadTechnikdaten(d));  // the dialog shows its own message
    EXPECT_EQ(d.Value(QStringLiteral("EBlech")), "0,15");

    folder.write("SBWert.Dat", "[Material]\r\nEBlech=0,2\r\n");
    QFile::setPermissions(folder.file("SBWert.Dat"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    answers.expectMessage("SBWert.Dat");
    EXPECT_FALSE(WriteTechnikdaten(d));
    answers.verifyDone();
    EXPECT_EQ(folder.read("SBWert.Dat"), QByteArray("[Material]\r\nEBlech=0,2\r\n"));
}

// ---- value source ------------------------------------------------------------

TEST_F(SBWertTest, ValueSourceReadsOneOperation)
{
    TWertDatei werte;
    EXPECT_FALSE(werte.Available());
    EXPECT_TRUE(werte.ReadValue(QStringLiteral("Material"), QStringLiteral("EBlech")).isEmpty());
    EXPECT_EQ(werte.ReadZetaWerte().size(), 99);

    // Another case of the file name, and the dialog's section spelling.
    folder.write("sbwert.dat", "[Zeta-Bogen]\r\nZBog1=0,71\r\n[Zeta-Red-konisch]\r\nZRedEngK6=0,05\r\n"
                               "[zeta-einbauten]\r\nZEINBAUTEN12=2\r\n[Material]\r\nEFlex=3,0\r\n");
    EXPECT_TRUE(werte.Available());
    EXPECT_EQ(werte.ReadValue(QStringLiteral("material"), MaterialSchluessel(1)), "3,0");
    const QStringList z = werte.ReadZetaWerte();
    ASSERT_EQ(z.size(), 99);
    EXPECT_EQ(z[0], "0,71");
    EXPECT_EQ(z[86], "0,05");  // slot 87
    EXPECT_EQ(z[98], "2");     // slot 99
    EXPECT_TRUE(z[36].isEmpty());
    const QStringList two = werte.ReadValues({{"Zeta-Bogen", "ZBog1"}, {"Material", "EBeton"}});
    EXPECT_EQ(two, QStringList({"0,71", ""}));
}

// One reading serves a whole command; the next command reads the file anew.
TEST_F(SBWertTest, OneReadingPerCommandSeesTheFileAsItStood)
{
    {
        const TWertDateiStand ohne;
        EXPECT_FALSE(ohne.Available());
        EXPECT_TRUE(ohne.ReadValue(QStringLiteral("Material"), QStringLiteral("EBlech")).isEmpty());
        EXPECT_EQ(ohne.ReadValues({{"Material", "EBlech"}, {"HL", "HL"}}), QStringList({"", ""}));
    }
    folder.write("sbwert.dat", "[Material]\r\nEBlech=0,15\r\n[zeta-bogen]\r\nzbog2=0,33\r\n");
    const TWertDateiStand erste;
    ASSERT_TRUE(erste.Available());
    EXPECT_EQ(erste.ReadValue(QStringLiteral("MATERIAL"), QStringLiteral("eblech")), "0,15");
    EXPECT_EQ(erste.ReadValues({{"Zeta-Bogen", "ZBog2"}, {"Material", "EBeton"}}), QStringList({"0,33", ""}));

    // The file changes between two commands: the running one keeps its
    // reading, the next one sees the change; a removed file is missing again.
    folder.write("sbwert.dat", "[Material]\r\nEBlech=0,2\r\n");
    EXPECT_EQ(erste.ReadValue(QStringLiteral("Material"), QStringLiteral("EBlech")), "0,15");
    EXPECT_EQ(TWertDateiStand().ReadValue(QStringLiteral("Material"), QStringLiteral("EBlech")), "0,2");
    ASSERT_TRUE(QFile::remove(folder.file("sbwert.dat")));
    EXPECT_FALSE(TWertDateiStand().Available());
    EXPECT_FALSE(folder.read("sbwert.dat").size() > 0);  // reading never writes the file back
}

// ---- user data ------------------------------------------------------------

TEST_F(SBWertTest, UserDataWidthsAndMissingFile)
{
    TUserdaten u;
    u.Firma = "alt";
    answers.expectMessage("Zetawerte nicht vorhanden");
    EXPECT_FALSE(ReadUserdaten(u));
    answers.verifyDone();
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].type, mtInformation);
    EXPECT_EQ(answers.asked()[0].buttons, TMsgDlgButtons(mbOK));
    EXPECT_TRUE(u.Firma.isEmpty());

    // The main window's translated list supplies the text.
    SetWertDateiMessageTexts([](int i) { return i == 8 ? QStringLiteral("Zeta values missing") : QString(); });
    answers.expectMessage("Zeta values missing");
    bool tip = true;
    EXPECT_FALSE(ReadTip(tip));
    EXPECT_FALSE(tip);
    EXPECT_EQ(WertDateiMessageText(3), QString::fromUtf8("Fehler beim Löschen der Datei:"));

    const QByteArray longText(60, 'x');
    folder.write("SBWert.Dat", "[Userdaten]\r\nFirma=" + longText + "\r\nPLZ=123456\r\nEMail=" + longText +
                                   "\r\nVortext=" + longText + longText + "\r\nSprache=English\r\n"
                                   "Ort=M\xfcnchen\r\n[HL]\r\nHL=Fu\xdfzeile\r\n");
    ASSERT_TRUE(ReadUserdaten(u));
    EXPECT_EQ(u.Firma.length(), 30);
    EXPECT_EQ(u.PLZ, "12345");
    EXPECT_EQ(u.EMail.length(), 50);
    EXPECT_EQ(u.Vortext.size(), 120);
    EXPECT_EQ(u.Sprache, "English");
    EXPECT_EQ(u.Ort, QString::fromUtf8("München"));
    EXPECT_EQ(u.HL, QString::fromUtf8("Fußzeile"));
    EXPECT_TRUE(u.Nutzer.isEmpty());
}

TEST_F(SBWertTest, TipFlag)
{
    bool tip = true;
    folder.write("SBWert.Dat", "[Userdaten]\r\nFirma=A\r\n");
    ASSERT_TRUE(ReadTip(tip));
    EXPECT_FALSE(tip);  // missing key: no tip
    for (const auto& [text, expected] : std::vector<std::pair<QByteArray, bool>>{
             {"1", true}, {"2", true}, {"-1", true}, {"0", false}, {"ja", false}, {"", false}}) {
        folder.write("SBWert.Dat", "[Userdaten]\r\nTip=" + text + "\r\n");
        ASSERT_TRUE(ReadTip(tip));
        EXPECT_EQ(tip, expected) << text.constData();
    }
    ASSERT_TRUE(WriteTip(true));
    EXPECT_EQ(folder.read("SBWert.Dat"), QByteArray("[Userdaten]\r\nTip=1\r\n"));
    ASSERT_TRUE(WriteTip(false));
    EXPECT_EQ(folder.read("SBWert.Dat"), QByteArray("[Userdaten]\r\nTip=0\r\n"));
}

TEST_F(SBWertTest, UserDataRoundTripAndRefusedText)
{
    // Without a file the save creates it with "Userdaten" alone, keys in order.
    TUserdaten u;
    ASSERT_TRUE(WriteUserdaten(u, true));
    QStringList fresh = {"[Userdaten]"};
    for (const QString& key : UserdatenSchluessel()) fresh << key + (key == "Tip" ? "=1" : "=");
    EXPECT_EQ(lines(QStringLiteral("SBWert.Dat")), fresh);

    folder.write("SBWert.Dat", "[Material]\r\nEBlech=0,15\r\n[HL]\r\nHL=Kopf\r\n");
    u.Firma = QString::fromUtf8("Müller Lüftung");
    u.PLZ = "80331";
    u.EMail = "info@example.de";
    u.Vortext = "Vorbemerkung";
    u.Sprache = "English";
    ASSERT_TRUE(WriteUserdaten(u, true));
    TUserdaten back;
    ASSERT_TRUE(ReadUserdaten(back));
    EXPECT_EQ(back.Firma, u.Firma);
    EXPECT_EQ(back.PLZ, "80331");
    EXPECT_EQ(back.EMail, u.EMail);
    EXPECT_EQ(back.Vortext, u.Vortext);
    EXPECT_EQ(back.Sprache, "English");
    EXPECT_EQ(back.HL, "Kopf");
    bool tip = false;
    ASSERT_TRUE(ReadTip(tip));
    EXPECT_TRUE(tip);
    EXPECT_EQ(lines("SBWert.Dat")[0], "[Material]");

    // A text the file cannot hold: message, and the file is as it was.
    const QByteArray before = folder.read("SBWert.Dat");
    u.Nutzer = QString::fromUtf8("Łukasz");
    answers.expectMessage("");
    EXPECT_FALSE(WriteUserdaten(u, false));
    answers.verifyDone();
    EXPECT_EQ(folder.read("SBWert.Dat"), before);
}

// ---- enciphering at start and close ---------------------------------------------

namespace {

class SBWertCipherTest : public SBWertTest {
protected:
    void SetUp() override { cipher.SetIntKey(WertDateiIntKey); }
    QByteArray enciphered(const QByteArray& plain, int intKey = WertDateiIntKey)
    {
        QTemporaryDir tmp;
        QFile in(tmp.filePath("p"));
        EXPECT_TRUE(in.open(QIODevice::WriteOnly));
        in.write(plain);
        in.close();
        TFileCipher c;
        c.SetIntKey(intKey);
        c.SetPassword(QStringLiteral("QM47"));
        c.SetInfile(tmp.filePath("p"));
        c.SetOutfile(tmp.filePath("e"));
        EXPECT_TRUE(c.Encrypt());
        QFile out(tmp.filePath("e"));
        EXPECT_TRUE(out.open(QIODevice::ReadOnly));
        return out.readAll();
    }
    TFileCipher cipher;
    const QByteArray plain = "[Material]\r\nEBlech=0,15\r\n[Userdaten]\r\nFirma=Lufttechnik\r\n";
};

}  // namespace

TEST_F(SBWertCipherTest, StartWithOnlyTheEncipheredFile)
{
    folder.write("SBWert.dec", enciphered(plain));
    SBWerteBeimStart(cipher, false);
    EXPECT_EQ(files(), QStringList({"SBWert.dat"}));
    EXPECT_EQ(folder.read("SBWert.dat"), plain);
    EXPECT_EQ(cipher.Password(), "QM47");
    EXPECT_EQ(cipher.IntKey(), WertDateiIntKey);
    TUserdaten u;
    ASSERT_TRUE(ReadUserdaten(u));  // read from the new plain file
    EXPECT_EQ(u.Firma, "Lufttechnik");
}

TEST_F(SBWertCipherTest, PlainFileOnlyIsUsedAndEncipheredAtClose)
{
    folder.write("SBWert.Dat", plain);
    SBWerteBeimStart(cipher, false);
    EXPECT_EQ(folder.read("SBWert.Dat"), plain);
    SBWerteBeimEnde(cipher);
    EXPECT_EQ(files(), QStringList({"SBWert.dec"}));
    EXPECT_EQ(folder.read("SBWert.dec"), enciphered(plain));
    // And the next start brings it back.
    SBWerteBeimStart(cipher, false);
    EXPECT_EQ(folder.read("SBWert.dat"), plain);
    EXPECT_EQ(files(), QStringList({"SBWert.dat"}));
}

TEST_F(SBWertCipherTest, NeitherFile)
{
    SBWerteBeimStart(cipher, false);
    SBWerteBeimEnde(cipher);  // no message at close
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(answers.asked().empty());

    // Called directly, the step reports the missing input as an error.
    answers.expectMessage("Zetawerte nicht vorhanden");
    EXPECT_FALSE(SBWerte_ent_und_verschluesseln(cipher, 0));
    answers.expectMessage("Zetawerte nicht vorhanden");
    EXPECT_FALSE(SBWerte_ent_und_verschluesseln(cipher, 1));
    answers.verifyDone();
    ASSERT_EQ(answers.asked().size(), 2u);
    EXPECT_EQ(answers.asked()[1].type, mtError);
}

TEST_F(SBWertCipherTest, WrongKeyKeepsTheEncipheredFile)
{
    const QByteArray enc = enciphered(plain, 64093817);
    folder.write("SBWert.dec", enc);
    answers.expectMessage("Bad password !");
    SBWerteBeimStart(cipher, false);
    answers.verifyDone();
    EXPECT_EQ(files(), QStringList({"SBWert.dec"}));
    EXPECT_EQ(folder.read("SBWert.dec"), enc);
    // The run goes on without values; the close finds nothing to encipher.
    answers.expectMessage("Zetawerte nicht vorhanden");
    TUserdaten u;
    EXPECT_FALSE(ReadUserdaten(u));
    SBWerteBeimEnde(cipher);
    EXPECT_EQ(folder.read("SBWert.dec"), enc);
}

TEST_F(SBWertCipherTest, SecondInstanceTouchesNothing)
{
    folder.write("SBWert.dec", enciphered(plain));
    SBWerteBeimStart(cipher, true);
    EXPECT_EQ(files(), QStringList({"SBWert.dec"}));
    folder.write("SBWert.Dat", "laufende Instanz");
    SBWerteBeimStart(cipher, true);
    EXPECT_EQ(folder.read("SBWert.Dat"), "laufende Instanz");
    EXPECT_TRUE(answers.asked().empty());
}

TEST_F(SBWertCipherTest, UnwritableFolderLosesNothing)
{
    // The temporary output cannot be created.
    ASSERT_TRUE(QDir(folder.path()).mkdir(TFileCipher::TempName));
    const QByteArray enc = enciphered(plain);
    folder.write("SBWert.dec", enc);
    answers.expectMessage("kann nicht geschrieben werden");
    SBWerteBeimStart(cipher, false);
    answers.verifyDone();
    EXPECT_EQ(files(), QStringList({"SBWert.dec"}));
    EXPECT_EQ(folder.read("SBWert.dec"), enc);

    QFile::remove(folder.file("SBWert.dec"));
    folder.write("SBWert.Dat", plain);
    answers.expectMessage("kann nicht geschrieben werden");
    SBWerteBeimEnde(cipher);
    answers.verifyDone();
    EXPECT_EQ(files(), QStringList({"SBWert.Dat"}));
    EXPECT_EQ(folder.read("SBWert.Dat"), plain);
}

TEST_F(SBWertCipherTest, BothFilesAskBeforeReplacing)
{
    const QByteArray enc = enciphered(plain);
    folder.write("SBWert.dec", enc);
    folder.write("SBWert.Dat", "neuer");
    answers.expectMessage("Die zu speichernde Datei : SBWert.Dat", mrNo);
    SBWerteBeimStart(cipher, false);
    answers.verifyDone();
    EXPECT_EQ(folder.read("SBWert.dec"), enc);
    EXPECT_EQ(folder.read("SBWert.Dat"), "neuer");

    answers.expectMessage("gibt es schon.", mrYes);
    SBWerteBeimStart(cipher, false);
    answers.verifyDone();
    EXPECT_EQ(files(), QStringList({"SBWert.Dat"}));
    EXPECT_EQ(folder.read("SBWert.Dat"), plain);
}

TEST_F(SBWertCipherTest, FailedDeleteIsReportedAndBothFilesStay)
{
    // Whatever the deletion is asked to remove stays in place.
    QStringList asked;
    SetWertDateiEntferner([&](const QString& p) {
        asked << p;
        return false;
    });
    const QByteArray enc = enciphered(plain);
    folder.write("sbwert.DEC", enc);  // any case of the name is the enciphered file
    const QString decPath = folder.file(QStringLiteral("sbwert.DEC"));
    answers.expectMessage(QString::fromUtf8("Fehler beim Löschen der Datei:") + decPath);
    SBWerteBeimStart(cipher, false);
    answers.verifyDone();
    EXPECT_EQ(asked, QStringList({decPath}));
    ASSERT_EQ(answers.asked().size(), 1u);
    // The message text is followed directly by the path.
    EXPECT_EQ(answers.asked()[0].text, QString::fromUtf8("Fehler beim Löschen der Datei:") + decPath);
    EXPECT_EQ(answers.asked()[0].type, mtError);
    EXPECT_EQ(answers.asked()[0].buttons, TMsgDlgButtons(mbOK));
    // The run goes on: the values are there, the enciphered file is untouched.
    EXPECT_EQ(folder.read("SBWert.dat"), plain);
    EXPECT_EQ(folder.read("sbwert.DEC"), enc);

    // The close: the existing enciphered file is replaced on Yes, the plain one stays.
    answers.clearAsked();
    answers.expectMessage("gibt es schon.", mrYes);
    answers.expectMessage(QString::fromUtf8("Fehler beim Löschen der Datei:") + folder.file("SBWert.dat"));
    SBWerteBeimEnde(cipher);
    answers.verifyDone();
    EXPECT_EQ(files(), QStringList({"SBWert.dat", "sbwert.DEC"}));
    EXPECT_EQ(folder.read("sbwert.DEC"), enc);
    EXPECT_EQ(folder.read("SBWert.dat"), plain);
}

// ---- the delivered file ------------------------------------------------------

TEST(SBWertDelivered, HoldsEveryKeyWithShortNumbers)
{
    const QString path = SourceDir() + QStringLiteral("/data/SBWert.Dat");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    ASSERT_TRUE(raw.endsWith("\r\n"));
    EXPECT_EQ(raw.count('\n'), raw.count("\r\n"));  // CRLF only
    QByteArray check;
    EXPECT_TRUE(TryEncodeCp1252(DecodeCp1252(raw), check));

    const TIniFile ini(path);
    QStringList expectedSections;
    for (const TWertSektion& s : TechnischeSektionen()) {
        expectedSections << s.name;
        EXPECT_EQ(ini.ReadSection(s.name), s.keys) << s.name.toStdString();
        for (const QString& key : s.keys) {
            SCOPED_TRACE(key.toStdString());
            const QString v = ini.ReadString(s.name, key, QStringLiteral("<missing>"));
            EXPECT_LE(v.size(), 5);
            double x = -1;
            EXPECT_TRUE(TryStrToFloat(v, x)) << v.toStdString();
            EXPECT_GE(x, 0.0);
        }
    }
    expectedSections << "Userdaten" << "HL";
    EXPECT_EQ(ini.ReadSections(), expectedSections);
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Userdaten")), UserdatenSchluessel());
    for (const QString& key : UserdatenSchluessel())
        EXPECT_EQ(ini.ReadString("Userdaten", key, "<missing>"), key == "Tip" ? "1" : "") << key.toStdString();
    EXPECT_TRUE(ini.ValueExists("HL", "HL"));
    EXPECT_TRUE(ini.ReadString("HL", "HL", "<missing>").isEmpty());

    const double eta = StrToFloat(ini.ReadString("Material", "EtaVentilator", ""));
    EXPECT_GT(eta, 0.0);
    EXPECT_LE(eta, 1.0);
    // The calculation's spelling of the conical section reads the same values.
    EXPECT_EQ(ini.ReadString("Zeta-Red-Konisch", "ZRedErwK15", ""), "0,11");
}
