#include "common/TestSupport.h"
#include "platform/ProgramFolder.h"
#include <gtest/gtest-spi.h>
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

TEST(DialogSeamTest, UnexpectedWrongOrUnaskedQuestionsFailTheTest)
{
    ScriptedAnswerer& a = ScriptedAnswerer::instance();
    // A question nobody expected fails and is refused (cancel, never Yes).
    int result = mrYes;
    EXPECT_NONFATAL_FAILURE(result = MessageDlg("Wirklich löschen?", mtConfirmation, mbYesNo),
                            "unexpected message box: Wirklich");
    EXPECT_EQ(result, mrCancel);
    QString value = "alt";
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(InputQuery("T", "Name:", value)), "unexpected input box");
    EXPECT_EQ(value, "alt");

    // A message other than the expected one, or a question of another kind.
    a.expectMessage("speichern");
    EXPECT_NONFATAL_FAILURE(MessageDlg("Fehler beim Laden!", mtError, mbOK), "but got: Fehler beim Laden!");
    a.expectInput("Anzahl", "3");
    EXPECT_NONFATAL_FAILURE(MessageDlg("Anzahl?", mtWarning, mbOK), "expected input box but got message box");

    // An expected question that never came.
    a.expectMessage("Zetawerte nicht vorhanden");
    EXPECT_NONFATAL_FAILURE(a.verifyDone(), "was never shown: Zetawerte nicht vorhanden");
    a.verifyDone();  // the leftover was dropped: nothing leaks into the next test
}
