#include "common/TestSupport.h"
#include "platform/FileReplace.h"
#include "support/FileCipher.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

class FileCipherTest : public ::testing::Test {
protected:
    void TearDown() override { ScriptedAnswerer::instance().verifyDone(); }

    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const { dir.put(name, bytes); }
    QByteArray get(const QString& name) const { return dir.get(name); }
    bool exists(const QString& name) const { return QFileInfo::exists(path(name)); }
    // Only the named files remain in the folder (no temporary left behind).
    QStringList files() const { return dir.files(QDir::Files | QDir::Hidden, QDir::Name); }

    bool run(bool enc, const QString& from, const QString& to, const QString& password, int intKey)
    {
        cipher.SetInfile(path(from));
        cipher.SetOutfile(path(to));
        cipher.SetPassword(password);
        cipher.SetIntKey(intKey);
        return enc ? cipher.Encrypt() : cipher.Decrypt();
    }
    bool encipher(const QString& from, const QString& to, const QString& password, int intKey)
    {
        return run(true, from, to, password, intKey);
    }
    bool decipher(const QString& from, const QString& to, const QString& password, int intKey)
    {
        return run(false, from, to, password, intKey);
    }

    TempFolder dir;
    TFileCipher cipher;
    ScriptedAnswerer& answers = ScriptedAnswerer::instance();
};

QByteArray pattern(int n)
{
    QByteArray b(n, '\0');
    uint32_t x = 12345;
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = char(x >> 24);
    }
    return b;
}

}  // namespace

TEST(CipherRandom, DrawsBelowTenFromPasswordSeed)
{
    // "QM47" as a key: 0x37344D51.
    TCipherRandom r(TFileCipher::MakeKey(QStringLiteral("QM47")));
    const int expected[] = {9, 1, 7, 4, 3, 1, 7, 2};
    for (int e : expected) EXPECT_EQ(r.Draw(10), e);
}

TEST(CipherRandom, StateWrapsModulo32Bits)
{
    TCipherRandom r(0xFFFFFFFFu);
    r.Draw(10);
    EXPECT_EQ(r.State(), uint32_t(0xFFFFFFFFu * 134775813u + 1u));
    for (int i = 0; i < 1000; ++i) {
        const int d = r.Draw(10);
        ASSERT_GE(d, 0);
        ASSERT_LE(d, 9);
    }
}

TEST(CipherKey, PasswordBytesLittleEndian)
{
    EXPECT_EQ(TFileCipher::MakeKey(QString()), 0u);
    EXPECT_EQ(TFileCipher::MakeKey(QStringLiteral("QM47")), 0x37344D51u);
    EXPECT_EQ(TFileCipher::MakeKey(QStringLiteral("AB")), 0x4241u);
    // Characters count as their Windows-1252 byte.
    EXPECT_EQ(TFileCipher::MakeKey(QString::fromUtf8("\xc3\xa4")), 0xE4u);
    EXPECT_EQ(TFileCipher::MakeKey(QString::fromUtf8("\xe2\x82\xac")), 0x80u);
}

TEST_F(FileCipherTest, KnownVectors)
{
    put("abc", "ABC");
    ASSERT_TRUE(encipher("abc", "abc.dec", "QM47", 38027154));
    EXPECT_EQ(get("abc.dec"), hex("e38c78394a434a"));

    put("ff", QByteArray(8, char(0xFF)));
    ASSERT_TRUE(encipher("ff", "ff.dec", "QM47", 38027154));
    EXPECT_EQ(get("ff.dec"), hex("e38c7839") + hex("0800060302000601"));

    // Empty password, default integer key: the header is the key alone.
    TFileCipher fresh;
    EXPECT_EQ(fresh.IntKey(), 64093817);
    EXPECT_TRUE(fresh.Password().isEmpty());
    put("empty", QByteArray());
    fresh.SetInfile(path("empty"));
    fresh.SetOutfile(path("empty.dec"));
    ASSERT_TRUE(fresh.Encrypt());
    EXPECT_EQ(get("empty.dec"), hex("79fed103"));
    EXPECT_EQ(files(), QStringList({"abc", "abc.dec", "empty", "empty.dec", "ff", "ff.dec"}));
}

TEST_F(FileCipherTest, RoundTripsAcrossBlockBoundaries)
{
    for (int n : {0, 1, 16383, 16384, 16385, 32768, 40000}) {
        SCOPED_TRACE(n);
        const QByteArray plain = pattern(n);
        put("plain", plain);
        QFile::remove(path("plain.dec"));
        QFile::remove(path("back"));
        ASSERT_TRUE(encipher("plain", "plain.dec", "QM47", 38027154));
        const QByteArray enc = get("plain.dec");
        ASSERT_EQ(enc.size(), n + 4);
        if (n >= 1024) {
            EXPECT_NE(enc.mid(4), plain);
        }
        ASSERT_TRUE(decipher("plain.dec", "back", "QM47", 38027154));
        EXPECT_EQ(get("back"), plain);
    }
}

TEST_F(FileCipherTest, DrawsRunOnAcrossBlocks)
{
    // Byte i of the plain data takes draw i + 1 after seeding, also past
    // the first 16384-byte block.
    put("zeros", QByteArray(TFileCipher::BufferSize + 10, '\0'));
    ASSERT_TRUE(encipher("zeros", "zeros.dec", "AB", 77));
    const QByteArray enc = get("zeros.dec");
    ASSERT_EQ(enc.size(), TFileCipher::BufferSize + 14);
    uint32_t s = 0x4241u;
    for (int i = 0; i < TFileCipher::BufferSize + 10; ++i) {
        s = s * 134775813u + 1u;
        const int draw = int((uint64_t(s) * 10u) >> 32);
        ASSERT_EQ(uint8_t(enc[4 + i]), draw) << "byte " << i;
    }
    EXPECT_EQ(enc.left(4), hex("8e420000"));  // 0x4241 + 77
}

TEST_F(FileCipherTest, WrongPasswordOrKeyLeavesEverythingAlone)
{
    put("plain", "Zetawerte");
    ASSERT_TRUE(encipher("plain", "plain.dec", "QM47", 38027154));
    const QByteArray enc = get("plain.dec");

    answers.expectMessage("Bad password !");
    EXPECT_FALSE(decipher("plain.dec", "out", "QM48", 38027154));
    answers.verifyDone();
    EXPECT_FALSE(exists("out"));

    // An existing output survives a wrong integer key, even after Yes to the
    // overwrite question.
    put("out", "alter Inhalt");
    answers.expectMessage("gibt es schon.", mrYes);
    answers.expectMessage("Bad password !");
    EXPECT_FALSE(decipher("plain.dec", "out", "QM47", 38027155));
    answers.verifyDone();
    EXPECT_EQ(get("out"), "alter Inhalt");
    EXPECT_EQ(get("plain.dec"), enc);

    // A file too short to hold a header.
    put("short", "ab");
    answers.expectMessage("Bad password !");
    EXPECT_FALSE(decipher("short", "out2", "QM47", 38027154));
    EXPECT_FALSE(exists("out2"));
    EXPECT_EQ(files(), QStringList({"out", "plain", "plain.dec", "short"}));
}

TEST_F(FileCipherTest, OverwriteQuestion)
{
    put("plain", "neu");
    put("target", "ein viel längerer alter Inhalt");

    answers.expectMessage("Die zu speichernde Datei : target\rgibt es schon.\rAlle Daten gehen verloren.\r\r"
                          "Trotzdem fortsetzen ?",
                          mrNo);
    EXPECT_FALSE(encipher("plain", "target", "QM47", 38027154));
    answers.verifyDone();
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].type, mtWarning);
    EXPECT_EQ(answers.asked()[0].buttons, mbYes | mbNo);
    EXPECT_EQ(get("target"), QByteArray("ein viel längerer alter Inhalt"));

    answers.expectMessage("gibt es schon.", mrYes);
    EXPECT_TRUE(encipher("plain", "target", "QM47", 38027154));
    EXPECT_EQ(get("target").size(), 7);  // the old, longer contents are gone
    EXPECT_EQ(files(), QStringList({"plain", "target"}));
}

TEST_F(FileCipherTest, SameFileRewritesInPlace)
{
    const QByteArray plain = pattern(20000);
    put("wert", plain);
    put(TFileCipher::TempName, "Rest eines frueheren Laufs");

    // Two spellings of one path are one file: no question, in-place rewrite.
    cipher.SetInfile(path("wert"));
    cipher.SetOutfile(dir.path() + QStringLiteral("/./sub/../wert"));
    cipher.SetPassword(QStringLiteral("QM47"));
    cipher.SetIntKey(38027154);
    ASSERT_TRUE(cipher.Encrypt());
    EXPECT_EQ(cipher.Outfile(), dir.path() + QStringLiteral("/./sub/../wert"));
    EXPECT_EQ(get("wert").size(), plain.size() + 4);
    EXPECT_EQ(files(), QStringList({"wert"}));

    // Each run decides afresh: a later run to another file is not in place.
    ASSERT_TRUE(decipher("wert", "other", "QM47", 38027154));
    EXPECT_EQ(get("other"), plain);
    ASSERT_TRUE(decipher("wert", "wert", "QM47", 38027154));
    EXPECT_EQ(get("wert"), plain);
    EXPECT_EQ(files(), QStringList({"other", "wert"}));

    // A wrong password in place leaves the file as it was.
    ASSERT_TRUE(encipher("wert", "wert", "QM47", 38027154));
    const QByteArray enc = get("wert");
    answers.expectMessage("Bad password !");
    EXPECT_FALSE(decipher("wert", "wert", "XX", 38027154));
    EXPECT_EQ(get("wert"), enc);
    EXPECT_EQ(files(), QStringList({"other", "wert"}));
}

TEST_F(FileCipherTest, UnreadableInputOrUnwritableOutput)
{
    put("plain", "Daten");
    put("target", "bleibt");

    answers.expectMessage("kann nicht gelesen werden");
    EXPECT_FALSE(encipher("missing", "target", "QM47", 38027154));
    answers.verifyDone();
    EXPECT_EQ(get("target"), "bleibt");

    // A folder below a regular file cannot be written.
    answers.expectMessage("kann nicht geschrieben werden");
    EXPECT_FALSE(encipher("plain", "plain/sub.dec", "QM47", 38027154));
    answers.verifyDone();
    EXPECT_EQ(get("plain"), "Daten");

    // The temporary name is taken by a folder: the output cannot be made.
    ASSERT_TRUE(QDir(dir.path()).mkdir(TFileCipher::TempName));
    answers.expectMessage("gibt es schon.", mrYes);
    answers.expectMessage("kann nicht geschrieben werden");
    EXPECT_FALSE(encipher("plain", "target", "QM47", 38027154));
    EXPECT_EQ(get("target"), "bleibt");
    EXPECT_EQ(get("plain"), "Daten");
}

TEST_F(FileCipherTest, PropertyChecks)
{
    cipher.SetPassword(QStringLiteral("abcd"));
    EXPECT_EQ(cipher.Password(), QStringLiteral("abcd"));
    answers.expectMessage("Max. length 4 characters");
    cipher.SetPassword(QStringLiteral("abcde"));
    answers.verifyDone();
    EXPECT_EQ(cipher.Password(), QStringLiteral("abcd"));

    cipher.SetIntKey(1);
    answers.expectMessage("Value not allowed");
    cipher.SetIntKey(0);
    answers.expectMessage("Value not allowed");
    cipher.SetIntKey(-1);
    answers.verifyDone();
    EXPECT_EQ(cipher.IntKey(), 1);
    cipher.SetIntKey(-2);
    EXPECT_EQ(cipher.IntKey(), -2);

    // The published properties are reachable by name, as the form loader sets them.
    EXPECT_TRUE(cipher.setProperty("IntKey", 38027154));
    EXPECT_EQ(cipher.IntKey(), 38027154);
    EXPECT_TRUE(cipher.setProperty("Password", QStringLiteral("QM47")));
    EXPECT_EQ(cipher.property("Password").toString(), QStringLiteral("QM47"));
}

TEST_F(FileCipherTest, IntKeyFromFormResource)
{
    // What the form loader hands over for "IntKey = 38027154".
    EXPECT_TRUE(cipher.ReadFormProperty(QStringLiteral("IntKey"), DfmValue::fromInt(38027154)));
    EXPECT_EQ(cipher.IntKey(), 38027154);
    EXPECT_FALSE(cipher.ReadFormProperty(QStringLiteral("Left"), DfmValue::fromInt(3)));
    answers.expectMessage("Value not allowed");
    EXPECT_TRUE(cipher.ReadFormProperty(QStringLiteral("intkey"), DfmValue::fromInt(0)));
    EXPECT_EQ(cipher.IntKey(), 38027154);

    const QList<DfmProperty> back = cipher.WriteFormProperties();
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].name, QStringLiteral("IntKey"));
    EXPECT_EQ(back[0].value.integer, 38027154);
}

namespace {

// A write that fails on the way (a full disk) in any block, or at the flush:
// the output stays as it was, no temporary file is left, the user is told.
TEST_F(FileCipherTest, AFailingWriteKeepsTheOldOutput)
{
    const QByteArray plain = pattern(3 * TFileCipher::BufferSize + 17);
    put("plain", plain);
    put("target", "alter Inhalt");
    // Steps: header, four blocks, flush.
    for (int n = 1; n <= 6; ++n) {
        answers.expectMessage("gibt es schon.", mrYes);
        answers.expectMessage("kann nicht geschrieben werden");
        SetFailingFileWrite(n);
        EXPECT_FALSE(encipher("plain", "target", "QM47", 38027154)) << n;
        answers.verifyDone();
        EXPECT_EQ(get("target"), "alter Inhalt") << n;
        EXPECT_EQ(files(), QStringList({"plain", "target"})) << n;
    }
    // In place: the file stays enciphered as it was.
    ASSERT_TRUE(encipher("plain", "plain", "QM47", 38027154));
    const QByteArray enc = get("plain");
    for (int n = 1; n <= 5; ++n) {
        answers.expectMessage("kann nicht geschrieben werden");
        SetFailingFileWrite(n);
        EXPECT_FALSE(decipher("plain", "plain", "QM47", 38027154)) << n;
        answers.verifyDone();
        EXPECT_EQ(get("plain"), enc) << n;
        EXPECT_EQ(files(), QStringList({"plain", "target"})) << n;
    }
    SetFailingFileWrite(0);
    ASSERT_TRUE(decipher("plain", "plain", "QM47", 38027154));
    EXPECT_EQ(get("plain"), plain);
}

}  // namespace
