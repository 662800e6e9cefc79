#include "PrintQString.h"
#include "common/TestSupport.h"
#include "platform/Dialogs.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The patterns of one name filter, "Text (*.a *.b)", as the file dialog
// takes them from between the brackets.
QStringList Patterns(const QString& nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) return {};
    return nameFilter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Whether a file name passes the filter with case-sensitive matching, as
// the file dialog does on this platform.
bool Passes(const QString& nameFilter, const QString& fileName)
{
    for (const QString& p : Patterns(nameFilter))
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(fileName).hasMatch())
            return true;
    return false;
}

}  // namespace

TEST(FileDialogNameFiltersTest, ProjectFilterMatchesCapitalAndSmallExtensions)
{
    const QString f = FileDialogNameFilters(QStringLiteral("Projektdateien (*.STB)|*.STB"));
    EXPECT_EQ(f, QStringLiteral("Projektdateien (*.STB *.stb)"));
    for (const char* name : {"halle.STB", "halle.stb", "Halle 2.STB"}) EXPECT_TRUE(Passes(f, name)) << name;
    for (const char* name : {"halle.txt", "halle.STB.bak", "STB"}) EXPECT_FALSE(Passes(f, name)) << name;

    // A pattern written in small letters gets its capital twin as well.
    const QString klein = FileDialogNameFilters(QStringLiteral("Texte (*.txt)|*.txt"));
    EXPECT_TRUE(Passes(klein, QStringLiteral("a.TXT")));
    EXPECT_TRUE(Passes(klein, QStringLiteral("a.txt")));
}

TEST(FileDialogNameFiltersTest, SeveralEntriesAndPatterns)
{
    EXPECT_EQ(FileDialogNameFilters(QStringLiteral("Bilder (*.bmp;*.ico)|*.bmp;*.ico|Alle (*.*)|*.*")),
              QStringLiteral("Bilder (*.bmp *.BMP *.ico *.ICO);;Alle (*.*)"));
    EXPECT_EQ(FileDialogNameFilters(QString()), QString());
}

// The real message box: Escape and the close button of a question whose
// buttons are Yes and No answer No, unless the question says that they
// cancel; the buttons themselves answer what they say.
TEST(RealMessageBoxTest, EscapeAndTheCloseButtonCancelOnlyWhereTheQuestionSaysSo)
{
    const QString frage = QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!\rWollen Sie die Änderungen jetzt speichern?");
    RealMessageBoxes boxes;
    boxes.pressKey(Qt::Key_Escape);
    EXPECT_EQ(MessageDlg(frage, mtWarning, mbYesNo | mbEscapeCancels), mrCancel);
    boxes.closeBox();
    EXPECT_EQ(MessageDlg(frage, mtWarning, mbYesNo | mbEscapeCancels), mrCancel);
    boxes.clickButton(QStringLiteral("&Nein"));
    EXPECT_EQ(MessageDlg(frage, mtWarning, mbYesNo | mbEscapeCancels), mrNo);
    boxes.clickButton(QStringLiteral("&Ja"));
    EXPECT_EQ(MessageDlg(frage, mtWarning, mbYesNo | mbEscapeCancels), mrYes);
    boxes.pressKey(Qt::Key_Return);  // the default button
    EXPECT_EQ(MessageDlg(frage, mtWarning, mbYesNo | mbEscapeCancels), mrYes);
    // Other questions keep Escape as No.
    boxes.pressKey(Qt::Key_Escape);
    EXPECT_EQ(MessageDlg(QStringLiteral("Wirklich löschen??"), mtWarning, mbYesNo), mrNo);
    boxes.closeBox();
    EXPECT_EQ(MessageDlg(QStringLiteral("Wirklich löschen??"), mtWarning, mbYesNo), mrNo);

    ASSERT_EQ(boxes.shown().size(), 7u);
    for (const RealMessageBoxes::Shown& s : boxes.shown())
        EXPECT_EQ(s.buttons, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nein")})) << s.text.toStdString();
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!\nWollen Sie die Änderungen jetzt speichern?"));
}
