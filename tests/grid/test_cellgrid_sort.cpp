// Sorting rows and columns through the compare events.
#include "GridTestUtil.h"

#include <QRandomGenerator>

namespace {

QStringList column(const TCellGrid& g, int c, int from, int to)
{
    QStringList out;
    for (int r = from; r <= to; ++r) out << g.Cells(c, r);
    return out;
}

QStringList row(const TCellGrid& g, int r, int from, int to)
{
    QStringList out;
    for (int c = from; c <= to; ++c) out << g.Cells(c, r);
    return out;
}

}  // namespace

TEST(CellGridSort, RowsByAColumnCarryTheirTextsRecordsAndHints)
{
    TCellGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    const char* keys[] = {"b", "a", "d", "c"};
    for (int r = 1; r <= 4; ++r) {
        g.SetCells(0, r, QLatin1String(keys[r - 1]));
        g.SetCells(1, r, QStringLiteral("row %1").arg(r));
    }
    g.SetAlignRow(1, alCenter);   // the row of "b"
    g.SetColorCell(2, 3, clRed);  // the row of "d"
    DfmValue hints = DfmValue::emptyList();
    hints.items << DfmValue::fromInt(1) << DfmValue::fromInt(2) << DfmValue::fromString("hint of a");
    g.ReadFormProperty("HintCell", hints);

    ASSERT_TRUE(bool(g.OnCompareCol));  // the grid's own handlers are preset
    ASSERT_TRUE(bool(g.OnCompareRow));
    g.SortColRow(0, 1, 4, true, false);
    EXPECT_EQ(column(g, 0, 1, 4), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(column(g, 1, 1, 4), (QStringList{"row 2", "row 1", "row 4", "row 3"}));
    EXPECT_EQ(g.AlignCell(1, 2), alCenter);
    EXPECT_EQ(g.AlignCell(1, 1), alLeft);
    EXPECT_EQ(g.GetColorCell(2, 4), clRed);
    EXPECT_EQ(g.HintCell(1, 1), "hint of a");

    g.SortColRow(0, 1, 4, true, true);
    EXPECT_EQ(column(g, 0, 1, 4), (QStringList{"d", "c", "b", "a"}));
    EXPECT_EQ(g.AlignCell(1, 3), alCenter);
    EXPECT_EQ(g.HintCell(1, 4), "hint of a");

    // A handler of the form's own sees each exchange in the grid at once.
    int calls = 0;
    g.OnCompareCol = [&g, &calls](QObject* sender, int colrow, int a, int b) {
        EXPECT_EQ(sender, &g);
        ++calls;
        return TCellGrid::CompareTexts(g.Cells(colrow, a).toUpper(), g.Cells(colrow, b).toUpper());
    };
    g.SetCells(0, 2, "C");
    g.SortColRow(0, 1, 4, true, false);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(column(g, 0, 1, 4), (QStringList{"a", "b", "C", "d"}));
    EXPECT_EQ(column(g, 1, 1, 4), (QStringList{"row 2", "row 1", "row 4", "row 3"}));
    EXPECT_EQ(g.AlignCell(1, 2), alCenter);
    EXPECT_EQ(g.GetColorCell(2, 4), clRed);
    EXPECT_EQ(g.HintCell(1, 1), "hint of a");
}

TEST(CellGridSort, ColumnsByARowAndTheGridsOwnOrder)
{
    TCellGrid g;
    g.SetColCount(9);
    g.SetRowCount(3);
    // Byte order of Windows-1252, case-sensitive; others after, by code point.
    const QStringList texts = {QStringLiteral("a"), QStringLiteral("B"), QString::fromUtf8("ä"), QString::fromUtf8("€"),
                               QString::fromUtf8("Ω"), QString(), QStringLiteral("ab"), QString::fromUtf8("ÿ")};
    for (int c = 1; c <= 8; ++c) {
        g.SetCells(c, 1, texts[c - 1]);
        g.SetCells(c, 2, QString::number(c));
    }
    g.SortColRow(1, 1, 8, false, false);
    EXPECT_EQ(row(g, 1, 1, 8), (QStringList{QString(), "B", "a", "ab", QString::fromUtf8("€"), QString::fromUtf8("ä"),
                                            QString::fromUtf8("ÿ"), QString::fromUtf8("Ω")}));
    EXPECT_EQ(row(g, 2, 1, 8), (QStringList{"6", "2", "1", "7", "4", "3", "8", "5"}));

    EXPECT_EQ(TCellGrid::CompareTexts("B", "a"), rel_smaller);
    EXPECT_EQ(TCellGrid::CompareTexts(QString::fromUtf8("ä"), QString::fromUtf8("€")), rel_greater);
    EXPECT_EQ(TCellGrid::CompareTexts(QString::fromUtf8("😀"), QString::fromUtf8("Ω")), rel_greater);
    EXPECT_EQ(TCellGrid::CompareTexts("x", "x"), rel_equal);
}

TEST(CellGridSort, UnassignedEventUsesTheOwnOrderAndTheRangeIsClipped)
{
    TCellGrid g;
    g.SetColCount(2);
    g.SetRowCount(4);
    g.SetCells(1, 0, "heading");
    g.SetCells(1, 1, "z");
    g.SetCells(1, 2, "y");
    g.SetCells(1, 3, "x");
    g.OnCompareCol = nullptr;
    g.SortColRow(1, 1, 1000, true, false);
    EXPECT_EQ(column(g, 1, 0, 3), (QStringList{"heading", "x", "y", "z"}));
    g.SortColRow(1, -7, 2, true, true);  // rows 0..2
    EXPECT_EQ(column(g, 1, 0, 3), (QStringList{"y", "x", "heading", "z"}));
    g.SortColRow(1, 3, 2, true, false);  // nothing to sort
    EXPECT_EQ(column(g, 1, 0, 3), (QStringList{"y", "x", "heading", "z"}));
}

TEST(CellGridSort, HandlersThatNeverAnswerEqualOrAnswerAtRandomEnd)
{
    TCellGrid g;
    g.SetColCount(2);
    g.SetRowCount(201);
    QStringList before;
    for (int r = 1; r <= 200; ++r) {
        g.SetCells(1, r, QString::number(r % 17));
        before << g.Cells(1, r);
    }
    before.sort();
    auto sorted = [&g] {
        QStringList now = column(g, 1, 1, 200);
        now.sort();
        return now;
    };
    for (t_relation answer : {rel_smaller, rel_greater}) {
        g.OnCompareCol = [answer](QObject*, int, int, int) { return answer; };
        g.SortColRow(1, 1, 200, true, false);
        EXPECT_EQ(sorted(), before);  // every row is still there once
    }
    QRandomGenerator random(20);
    g.OnCompareCol = [&random](QObject*, int, int, int) { return t_relation(random.bounded(3)); };
    for (int round = 0; round < 20; ++round) g.SortColRow(1, 1, 200, true, round % 2);
    EXPECT_EQ(sorted(), before);
    // A handler that never answers "equal" for an item with itself still sorts.
    g.OnCompareCol = [&g](QObject*, int colrow, int a, int b) {
        const t_relation rel = TCellGrid::CompareTexts(g.Cells(colrow, a), g.Cells(colrow, b));
        return rel == rel_equal ? rel_greater : rel;
    };
    g.SortColRow(1, 1, 200, true, false);
    QStringList now = column(g, 1, 1, 200);
    EXPECT_EQ(now, before);
}

TEST(CellGridSort, SortedAndReversedRowsNeedFewCompares)
{
    TCellGrid g;
    const int n = 100000;
    g.SetColCount(2);
    g.SetRowCount(n);
    for (int r = 1; r < n; ++r) g.SetCells(1, r, QStringLiteral("%1").arg(r, 6, 10, QLatin1Char('0')));
    qint64 compares = 0;
    g.OnCompareCol = [&](QObject*, int colrow, int a, int b) {
        ++compares;
        return TCellGrid::CompareTexts(g.Cells(colrow, a), g.Cells(colrow, b));
    };
    g.SortColRow(1, 1, n - 1, true, false);
    // n log2 n is about 1.7 million; a pivot that splits badly needs billions.
    EXPECT_LT(compares, 4 * 1700000);
    EXPECT_EQ(g.Cells(1, 1), "000001");
    EXPECT_EQ(g.Cells(1, n - 1), QStringLiteral("%1").arg(n - 1, 6, 10, QLatin1Char('0')));
    compares = 0;
    g.SortColRow(1, 1, n - 1, true, true);
    EXPECT_LT(compares, 4 * 1700000);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("%1").arg(n - 1, 6, 10, QLatin1Char('0')));
    EXPECT_EQ(g.Cells(1, n - 1), "000001");
}
