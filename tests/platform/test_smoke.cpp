#include "common/TestSupport.h"
#include "platform/ProgramFolder.h"
#include <gtest/gtest.h>

TEST(ProgramFolderTest, FindsFilesWithoutRegardToCase)
{
    TempProgramFolder folder;
    folder.write("SBWert.Dat", "x");
    EXPECT_TRUE(FileExistsNoCase(ProgramFolder(), "sbwert.dat"));
    EXPECT_EQ(FindFileNoCase(ProgramFolder(), "SBWERT.DAT"), folder.file("SBWert.Dat"));
    EXPECT_FALSE(FileExistsNoCase(ProgramFolder(), "SBWert.dec"));
}

TEST(DialogSeamTest, ScriptedAnswersReachTheCaller)
{
    ScriptedAnswerer::instance().expectMessage("speichern", mrNo);
    EXPECT_EQ(MessageDlg("Wollen Sie speichern?", mtWarning, mbYesNo), mrNo);
    ScriptedAnswerer::instance().expectInput("Anzahl", "3");
    EXPECT_EQ(InputBox("T", "Anzahl:", "1"), "3");
    ScriptedAnswerer::instance().expectInput("Anzahl", "", true);
    EXPECT_EQ(InputBox("T", "Anzahl:", "1"), "1");
    ScriptedAnswerer::instance().verifyDone();
}
