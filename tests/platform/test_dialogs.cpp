#include "PrintQString.h"
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
