#include "PrintQString.h"
#include "common/TestSupport.h"
#include "platform/Exceptions.h"
#include "platform/FileReplace.h"
#include "platform/IniFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FileReplaceTest : public ::testing::Test {
protected:
    TempFolder dir;
    void TearDown() override { SetFailingFileWrite(0); }
    QString path(const QString& name = QStringLiteral("f.dat")) const { return dir.filePath(name); }
    void put(const QByteArray& bytes, const QString& name = QStringLiteral("f.dat")) const { dir.put(name, bytes); }
    QByteArray get(const QString& name = QStringLiteral("f.dat")) const { return dir.get(name); }
    QStringList files() const { return dir.files(QDir::Files | QDir::Hidden | QDir::System); }
};

TEST_F(FileReplaceTest, ReplacesOrCreatesWholeAndLeavesNothingElse)
{
    EXPECT_TRUE(ReplaceFileContents(path(), "neu"));
    EXPECT_EQ(get(), "neu");
    put("alter, laengerer Inhalt");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_TRUE(ReplaceFileContents(path(), QByteArray("\0\r\n", 3)));
    EXPECT_EQ(get(), QByteArray("\0\r\n", 3));
    EXPECT_TRUE(ReplaceFileContents(path(), QByteArray()));
    EXPECT_EQ(get(), QByteArray());
    EXPECT_EQ(files(), QStringList({"f.dat"}));
    const QFile::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                   | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                                   | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(path()).permissions() & all, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

TEST_F(FileReplaceTest, EveryFailingWriteStepKeepsTheOldFileByteForByte)
{
    const QByteArray before("[Projekt]\r\nTS-Anzahl=2\r\nletzte Zeile ohne Ende");
    // Step 1 is the write, step 2 the flush before the rename.
    for (int n = 1; n <= 2; ++n) {
        put(before);
        SetFailingFileWrite(n);
        EXPECT_FALSE(ReplaceFileContents(path(), QByteArray(5000, 'x'))) << n;
        EXPECT_EQ(get(), before) << n;
        EXPECT_EQ(files(), QStringList({"f.dat"})) << n;
    }
    // The fault strikes once: the next save goes through.
    EXPECT_TRUE(ReplaceFileContents(path(), "danach"));
    EXPECT_EQ(get(), "danach");

    // A file that did not exist is not created by a failed save.
    SetFailingFileWrite(1);
    EXPECT_FALSE(ReplaceFileContents(path("neu.dat"), "abc"));
    EXPECT_FALSE(QFileInfo::exists(path("neu.dat")));
    EXPECT_EQ(files(), QStringList({"f.dat"}));
}

TEST_F(FileReplaceTest, MissingFolderFailsAndAnAbandonedReplacementLeavesNoTrace)
{
    EXPECT_FALSE(ReplaceFileContents(path("fehlt/f.dat"), "abc"));
    EXPECT_FALSE(QFileInfo::exists(path("fehlt")));

    put("alt");
    {
        TFileReplacer r(path());
        ASSERT_TRUE(r.Open());
        EXPECT_TRUE(r.Write("neu", 3));
        EXPECT_TRUE(QFileInfo::exists(r.TempPath()));
        EXPECT_EQ(QFileInfo(r.TempPath()).absolutePath(), QFileInfo(path()).absolutePath());
    }
    EXPECT_EQ(get(), "alt");
    EXPECT_EQ(files(), QStringList({"f.dat"}));

    // After a failed write nothing more is written or committed.
    TFileReplacer r(path());
    ASSERT_TRUE(r.Open());
    SetFailingFileWrite(1);
    EXPECT_FALSE(r.Write("abcdef", 6));
    EXPECT_FALSE(r.Write("abcdef", 6));
    EXPECT_FALSE(r.Commit());
    EXPECT_EQ(get(), "alt");
    EXPECT_EQ(files(), QStringList({"f.dat"}));
}

TEST_F(FileReplaceTest, ANamedTemporaryFileIsTruncatedAndRenamed)
{
    put("alt");
    put("Rest eines frueheren Laufs, laenger", QStringLiteral("tmp"));
    TFileReplacer r(path(), path(QStringLiteral("tmp")));
    ASSERT_TRUE(r.Open());
    EXPECT_TRUE(r.Write("neu", 3));
    EXPECT_TRUE(r.Commit());
    EXPECT_EQ(get(), "neu");
    EXPECT_EQ(files(), QStringList({"f.dat"}));
}

TEST_F(FileReplaceTest, ALinkIsFollowedNotReplaced)
{
    put("ziel", QStringLiteral("ziel.dat"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("ziel.dat")), path(QStringLiteral("link.dat"))));
    EXPECT_TRUE(ReplaceFileContents(path(QStringLiteral("link.dat")), "neu"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("link.dat"))).isSymLink());
    EXPECT_EQ(get(QStringLiteral("ziel.dat")), "neu");
}

// The profile file: a save that fails on the way (a full disk) reports the
// write error, keeps the old file and the pending changes.
TEST_F(FileReplaceTest, IniFileSaveOnAFullDiskKeepsTheOldFile)
{
    const QByteArray before("[Projekt]\r\nTS-Anzahl=2\r\n[Teilstrecken]\r\nTS1=1;2;3\r\n");
    for (int n = 1; n <= 2; ++n) {
        put(before, QStringLiteral("p.STB"));
        TIniFile ini(path(QStringLiteral("p.STB")));
        ini.WriteString("Projekt", "TS-Anzahl", "3");
        ini.WriteString("Teilstrecken", "TS2", QString(4000, QLatin1Char('y')));
        SetFailingFileWrite(n);
        try {
            ini.UpdateFile();
            ADD_FAILURE() << "no failure reported at step " << n;
        } catch (const EIniFileException& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("kann nicht geschrieben werden"))) << e.what();
            EXPECT_TRUE(e.Message().contains(QStringLiteral("p.STB"))) << e.what();
        }
        EXPECT_TRUE(ini.Modified());
        EXPECT_EQ(get(QStringLiteral("p.STB")), before);
        EXPECT_EQ(files(), QStringList({"p.STB"}));
        ini.Discard();
    }
    TIniFile ini(path(QStringLiteral("p.STB")));
    ini.WriteString("Projekt", "TS-Anzahl", "3");
    ini.UpdateFile();
    EXPECT_EQ(get(QStringLiteral("p.STB")), QByteArray("[Projekt]\r\nTS-Anzahl=3\r\n[Teilstrecken]\r\nTS1=1;2;3\r\n"));
}

}  // namespace
