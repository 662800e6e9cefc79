// Breaking a text into the lines of a column, with every character one unit
// wide.
#include "print/TextLines.h"

#include <gtest/gtest.h>

namespace {

QStringList Break(const QString& text, double available)
{
    return BreakTextToLines(text, available, [](const QString& s) { return double(s.size()); });
}

struct BreakCase {
    const char* name;
    QString text;
    double available;
    QStringList lines;
};

TEST(BreakTextToLines, Table)
{
    const BreakCase cases[] = {
        {"fits", "abc def", 10, {"abc def"}},
        {"breaks after the last blank", "abc def ghi", 7, {"abc def", "ghi"}},
        {"blank at the break dropped", "abc def", 4, {"abc", "def"}},
        {"CR LF", "ab\r\ncd", 10, {"ab", "cd"}},
        {"lone CR", "ab\rcd", 10, {"ab", "cd"}},
        {"LF", "ab\ncd", 10, {"ab", "cd"}},
        {"two LF give an empty line", "ab\n\ncd", 10, {"ab", "", "cd"}},
        {"CR LF twice", "ab\r\n\r\ncd", 10, {"ab", "", "cd"}},
        {"tab is two blanks", "a\tb", 10, {"a  b"}},
        {"tab counts two wide", "ab\tcd", 4, {"ab ", "cd"}},
        {"trailing line ends dropped", "ab\r\n", 10, {"ab"}},
        {"trailing blanks stay a line", "ab\r\n  ", 10, {"ab", "  "}},
        {"empty text", "", 10, {""}},
        {"word wider than the column", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"long word after a short one", "ab cdefghij", 4, {"ab", "cdef", "ghij"}},
        {"character wider than the column", "ab", 0.5, {"a", "b"}},
    };
    for (const BreakCase& c : cases) EXPECT_EQ(Break(c.text, c.available), c.lines) << c.name;
}

TEST(BreakTextToLines, PiecesOfALongWordGiveTheWord)
{
    const QString word = QStringLiteral("Druckverlustberechnungsergebnisse");
    for (double available : {1.0, 3.0, 5.0, 7.5, 32.0}) {
        const QStringList lines = Break(word, available);
        EXPECT_EQ(lines.join(QString()), word) << available;
        for (const QString& l : lines) EXPECT_LE(l.size(), qMax(1.0, available)) << available;
    }
}

TEST(BreakTextToLines, MeasuresTheLineWithItsBlank)
{
    // The width test sees the growing line including a blank just typed,
    // so a line exactly as wide as the column still fits.
    QStringList measured;
    const QStringList lines = BreakTextToLines(QStringLiteral("ab cd"), 5, [&](const QString& s) {
        measured << s;
        return double(s.size());
    });
    EXPECT_EQ(lines, QStringList{"ab cd"});
    EXPECT_EQ(measured, (QStringList{"a", "ab", "ab ", "ab c", "ab cd"}));
}

}  // namespace
