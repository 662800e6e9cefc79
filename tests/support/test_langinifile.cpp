// Reading and writing language files.
#include "common/TestSupport.h"
#include "platform/FileReplace.h"
#include "support/LangIniFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LangIniFileTest : public ::testing::Test {
protected:
    void TearDown() override { ScriptedAnswerer::instance().verifyDone(); }
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const { dir.put(name, bytes); }
    QByteArray get(const QString& name) const { return dir.get(name); }
    TempFolder dir;
};

TEST_F(LangIniFileTest, Utf8WithMarkAndWindows1252AreBothRead)
{
    put("utf8.lng", "\xEF\xBB\xBF[TMainForm]\r\nLabel1.Caption='L\xC3\xA4nge'\r\n");
    put("utf8-ohne-bom.lng", "[TMainForm]\r\nLabel1.Caption='L\xC3\xA4nge'\r\n");
    put("ansi.lng", "[TMainForm]\nLabel1.Caption='L\xE4nge'\n");
    for (const char* name : {"utf8.lng", "utf8-ohne-bom.lng", "ansi.lng"}) {
        TLangIniFile f(path(name));
        EXPECT_FALSE(f.ReadFailed());
        EXPECT_EQ(f.ReadSections(), QStringList({"TMainForm"})) << name;
        EXPECT_EQ(f.ReadString("tmainform", "LABEL1.caption", "-"), QString::fromUtf8("'Länge'")) << name;
        EXPECT_EQ(f.MarkedAsUtf8(), QByteArray(name) != "ansi.lng") << name;
    }
    // Plain ASCII shows nothing of UTF-8 unless it carries the mark.
    put("ascii.lng", "[TMainForm]\r\nLabel1.Caption='L'#228'nge'\r\n");
    put("ascii-bom.lng", "\xEF\xBB\xBF[TMainForm]\r\nLabel1.Caption='L'#228'nge'\r\n");
    EXPECT_FALSE(TLangIniFile(path("ascii.lng")).MarkedAsUtf8());
    EXPECT_TRUE(TLangIniFile(path("ascii-bom.lng")).MarkedAsUtf8());
}

TEST_F(LangIniFileTest, NamesAndValuesTrimmedCommentsAndRepeats)
{
    put("x.lng",
        "key=outside any section\r\n"
        "; a comment\r\n"
        "  [ TMainForm ]  \r\n"
        "  Caption  =  'Title'  \r\n"
        "no equals sign\r\n"
        "Caption='second'\r\n"
        "Empty=\r\n"
        "[Other]\r\n"
        "A=1\r\n"
        "[tmainform]\r\n"
        "Hint='more'\r\n");
    TLangIniFile f(path("x.lng"));
    EXPECT_EQ(f.ReadSections(), QStringList({"TMainForm", "Other"}));
    // A repeated section is one; of repeated keys the first wins.
    EXPECT_EQ(f.ReadSection("TMainForm"), QStringList({"Caption", "Empty", "Hint"}));
    EXPECT_EQ(f.ReadString("TMainForm", "Caption", "-"), "'Title'");
    EXPECT_EQ(f.ReadString("TMainForm", "Empty", "-"), "");
    EXPECT_EQ(f.ReadString("TMainForm", "Missing", "-"), "-");
    EXPECT_EQ(f.ReadString("Nowhere", "Caption", "-"), "-");
    EXPECT_TRUE(f.ValueExists("TMAINFORM", "hint"));
    EXPECT_FALSE(f.SectionExists("key"));
    ASSERT_EQ(f.SectionValues("Other").size(), 1);
    EXPECT_EQ(f.SectionValues("Other").at(0).second, "1");
    EXPECT_FALSE(f.Modified());
}

TEST_F(LangIniFileTest, ChangesAreWrittenBackWhenTheObjectGoes)
{
    put("w.lng", "[A]\nx=1\n");
    {
        TLangIniFile f(path("w.lng"));
        f.WriteString("A", "y", "2");
        EXPECT_TRUE(f.Modified());
        f.DeleteKey("a", "X");
        f.WriteString("B", "z", QString::fromUtf8("Länge"));
    }
    EXPECT_EQ(get("w.lng"), QByteArray("[A]\r\ny=2\r\n\r\n[B]\r\nz=L\xC3\xA4nge\r\n"));
    {
        TLangIniFile f(path("w.lng"));
        f.EraseSection("A");
        EXPECT_TRUE(f.UpdateFile());
        EXPECT_FALSE(f.Modified());
    }
    EXPECT_EQ(get("w.lng"), QByteArray("[B]\r\nz=L\xC3\xA4nge\r\n"));

    // A file read as Windows-1252 stays so while its text fits.
    put("ansi.lng", "[A]\nx=L\xE4nge\n");
    { TLangIniFile(path("ansi.lng")).WriteString("A", "y", "1"); }
    EXPECT_EQ(get("ansi.lng"), QByteArray("[A]\r\nx=L\xE4nge\r\ny=1\r\n"));

    // Unchanged: the file is left as it was, byte for byte.
    put("same.lng", "[A]\nx = 1\n");
    { TLangIniFile f(path("same.lng")); }
    EXPECT_EQ(get("same.lng"), QByteArray("[A]\nx = 1\n"));
}

TEST_F(LangIniFileTest, NewFileIsCreatedOnlyWithContents)
{
    { TLangIniFile f(path("empty.lng")); }
    EXPECT_FALSE(QFile::exists(path("empty.lng")));
    {
        TLangIniFile f(path("new.lng"));
        f.WriteString("ResourceStrings", "65170_SMsgDlgYes", "'&Yes'");
    }
    EXPECT_EQ(get("new.lng"), QByteArray("[ResourceStrings]\r\n65170_SMsgDlgYes='&Yes'\r\n"));
}

TEST_F(LangIniFileTest, ReadOnlyFileIsNamedAndLeftAlone)
{
    put("ro.lng", "[A]\nx=1\n");
    QFile::setPermissions(path("ro.lng"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("File \"%1\" is read-only").arg(path("ro.lng")));
    {
        TLangIniFile f(path("ro.lng"));
        f.WriteString("A", "x", "2");
    }
    EXPECT_EQ(get("ro.lng"), QByteArray("[A]\nx=1\n"));
    // Unchanged: no message.
    { TLangIniFile f(path("ro.lng")); }
}

TEST_F(LangIniFileTest, UnreadableFileIsNeverWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.lng"));
    {
        TLangIniFile f(path("folder.lng"));
        EXPECT_TRUE(f.ReadFailed());
        EXPECT_TRUE(f.ReadSections().isEmpty());
        f.WriteString("A", "x", "1");
        EXPECT_FALSE(f.UpdateFile());
    }
    EXPECT_TRUE(QFileInfo(path("folder.lng")).isDir());
}

}  // namespace

namespace {

// A disk that fills up while a language file is saved: the save reports
// failure, the old file stays byte for byte, the changes stay pending.
TEST_F(LangIniFileTest, SaveOnAFullDiskKeepsTheOldFile)
{
    const QByteArray before("[TMainForm]\r\nCaption='Alt'\r\n");
    put("voll.lng", before);
    TLangIniFile f(path("voll.lng"));
    f.WriteString("TMainForm", "Caption", "'Neu'");
    for (int n = 1; n <= 2; ++n) {
        SetFailingFileWrite(n);
        EXPECT_FALSE(f.UpdateFile()) << n;
        EXPECT_TRUE(f.Modified());
        EXPECT_EQ(get("voll.lng"), before);
        EXPECT_EQ(dir.files(), QStringList({"voll.lng"}));
    }
    SetFailingFileWrite(0);
    EXPECT_TRUE(f.UpdateFile());
    EXPECT_EQ(get("voll.lng"), QByteArray("[TMainForm]\r\nCaption='Neu'\r\n"));
}

}  // namespace
