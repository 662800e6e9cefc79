// Text output on the logging surface: 254 pixels per inch (10 pixels a
// millimetre), every character 7 pixels wide, a line 50 pixels (5 mm).
// Margins 10 mm from every edge, so the left margin lies at 100 pixels.
#include "common/TestSupport.h"
#include "print/PrintTestUtil.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPpi = 254;

struct TextJob : ::testing::Test {
    FakeJob job{kPpi, 50};
    TPrintObject& po = job.po;

    void SetUp() override
    {
        ASSERT_TRUE(job.start());
        po.SetMarginsFromEdges(10.0, 10.0, 10.0, 10.0);
        po.SetDetail(20.0, 200.0);
        po.StartPageBody();
    }
    // Recorded texts of a page: text and position in device pixels.
    struct Placed {
        QString text;
        int x, y;
        bool operator==(const Placed&) const = default;
    };
    std::vector<Placed> texts(int page = 1)
    {
        std::vector<Placed> out;
        for (const TPrnText* t : CommandsOf<TPrnText>(po, page, PrnKind::Text))
            out.push_back({t->Text, int(qRound(t->X * kPpi)), int(qRound(t->Y * kPpi))});
        return out;
    }
    Placed last(int page = 1) { return texts(page).back(); }
    int currentYmm() { return int(qRound(po.CurrentY() * 25.4)); }
};

void PrintTo(const TextJob::Placed& p, std::ostream* os)
{
    *os << p.text.toStdString() << " @" << p.x << "," << p.y;
}

}  // namespace

TEST_F(TextJob, MarkersWriteAfterThePreviousTextOnTheNextLine)
{
    EXPECT_EQ(po.LeftMargin(), 100);
    EXPECT_EQ(po.RightMargin(), 2108 - 100);
    po.WriteText(QStringLiteral("abc"), 5.0, 40.0);
    EXPECT_EQ(last(), (Placed{"abc", 150, 500}));  // margins added
    po.WriteText(QStringLiteral("de"), -1.0, -1.0);
    EXPECT_EQ(last(), (Placed{"de", 150 + 21, 550}));
    po.WriteText(QStringLiteral("f"), -1.0, -2.0);  // same line, after "de"
    EXPECT_EQ(last(), (Placed{"f", 150 + 21 + 14, 550}));
    EXPECT_EQ(CountKind(po, 1, PrnKind::Text), 3);
}

TEST_F(TextJob, PositionsAreClampedToTheMargins)
{
    po.WriteText(QStringLiteral("a"), -5.0, 40.0);  // other negative X: the left margin
    EXPECT_EQ(last().x, 100);
    po.WriteText(QStringLiteral("b"), 300.0, 40.0);  // beyond the right margin
    EXPECT_EQ(last().x, 2008);
    po.SetUseMarginOffset(false);
    po.WriteText(QStringLiteral("c"), 2.0, 40.0);  // left of the left margin
    EXPECT_EQ(last().x, 100);
    EXPECT_EQ(last().y, 400);
    po.WriteText(QStringLiteral("d"), 0.0, 500.0);  // below the page: its bottom
    EXPECT_EQ(last().y, 2972);
}

TEST_F(TextJob, MinusThreeWritesAtThePageTopAndKeepsTheLine)
{
    po.WriteText(QStringLiteral("a"), 5.0, 40.0);
    const double y = po.CurrentY();
    po.WriteText(QStringLiteral("b"), 5.0, -3.0);
    EXPECT_EQ(last().y, 0);
    EXPECT_DOUBLE_EQ(po.CurrentY(), y);
}

TEST_F(TextJob, NextLinePastTheBodyOpensAPage)
{
    po.SetDetail(20.0, 60.0);
    po.StartPageBody();  // 20 mm plus the 10 mm top margin
    EXPECT_EQ(currentYmm(), 30);
    for (int i = 0; i < 7; ++i) po.WriteText(QStringLiteral("z%1").arg(i), 0.0, -1.0);
    // 35 .. 60 mm fit (a line ending on the bottom fits); the seventh line
    // opens page 2 and is its first line.
    ASSERT_EQ(po.Pages()->PageCount(), 2);
    const auto page1 = texts(1);
    ASSERT_EQ(page1.size(), 6u);
    EXPECT_EQ(page1.front().y, 350);
    EXPECT_EQ(page1.back().y, 600);
    EXPECT_EQ(texts(2).front(), (Placed{"z6", 100, 300}));
}

TEST_F(TextJob, AlignedWriters)
{
    const QString t = QStringLiteral("abcd");  // 28 pixels
    po.WriteCenter(t, 40.0);
    EXPECT_EQ(last().x, 100 + (2008 - 100 - 28) / 2);
    po.WriteRight(t, 40.0);
    EXPECT_EQ(last().x, 2008 - 28 - 2);  // ends 254 div 96 = 2 pixels before the margin
    po.WriteCenterToX(t, 50.0, 40.0);
    EXPECT_EQ(last().x, 100 + 500 - 14);
    po.WriteRightToX(t, 50.0, 40.0);
    EXPECT_EQ(last().x, 100 + 500 - 28);
    po.WriteAtDecimal(QStringLiteral("12.50"), 50.0, 40.0);  // the point at X
    EXPECT_EQ(last().x, 100 + 500 - 14);
    po.WriteAtDecimal(QStringLiteral("12,50"), 50.0, 40.0);  // no point: ends at X
    EXPECT_EQ(last().x + 35, 600);

    // The tab moves plain text; the aligned writers hold it at 0.
    po.SetTab(10.0);
    po.WriteText(t, 5.0, 40.0);
    EXPECT_EQ(last().x, 100 + 50 + 100);
    po.WriteCenter(t, 40.0);
    EXPECT_EQ(last().x, 100 + (2008 - 100 - 28) / 2);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Tab), 1);
    po.SetTab(0.0);

    po.SetIndent(7.0);
    const size_t before = texts().size();
    for (quint16 align = 0; align <= 7; ++align) po.WriteAligned(t, align, 40.0, 50.0);
    const auto all = texts();
    ASSERT_EQ(all.size(), before + 7);  // alignment 7 writes nothing
    const std::vector<int> xs = {100, 100 + (2008 - 100 - 28) / 2, 2008 - 30, 100 + 500 - 28, 170, 586, 572};
    for (size_t i = 0; i < xs.size(); ++i) EXPECT_EQ(all[before + i].x, xs[i]) << "alignment " << i;
}

TEST_F(TextJob, ColumnWriters)
{
    po.SetColumn(2, 50.0, 30.0);  // 500 .. 800 pixels, plus the margin when written
    const QString t = QStringLiteral("abcd");
    po.WriteColumnLeft(2, t, 40.0);
    EXPECT_EQ(last().x, 100 + 500 + 4);
    po.WriteColumnCenter(2, t, 40.0);
    EXPECT_EQ(last().x, 100 + 500 + (300 - 28) / 2);
    po.WriteColumnRight(2, t, 40.0);
    EXPECT_EQ(last().x + 28, 100 + 800 - 4);
    po.WriteColumnDecimal(2, QStringLiteral("12.5"), -1.0, 40.0);  // point ".00" before the edge
    EXPECT_EQ(last().x + 14, 100 + 800 - 21);
    // A decimal comma: the text ends the width of ".0000" before the edge.
    po.WriteColumn(2, QStringLiteral("12,50"), 40.0, 3, 0.0);
    EXPECT_EQ(last().x + 35, 100 + 800 - 35);
    po.SetIndent(7.0);
    po.WriteColumn(2, t, 40.0, 4, 0.0);
    EXPECT_EQ(last().x, 100 + 500 + 70);
    const size_t before = texts().size();
    po.WriteColumn(2, t, 40.0, 5, 0.0);
    EXPECT_EQ(texts().size(), before);
    // A column outside 1..50 stands at 0 with width 0.
    po.WriteColumnLeft(51, t, 40.0);
    EXPECT_EQ(last().x, 100 + 4);
}

TEST_F(TextJob, ClipColumnsKeepsTheLeadingCharactersThatFit)
{
    po.SetColumn(3, 10.0, 2.0);  // 20 pixels: two characters
    po.WriteColumnLeft(3, QStringLiteral("abcdef"), 40.0);
    EXPECT_EQ(last().text, QStringLiteral("abcdef"));
    po.SetClipColumns(true);
    po.WriteColumnLeft(3, QStringLiteral("abcdef"), 40.0);
    EXPECT_EQ(last().text, QStringLiteral("ab"));
    po.WriteColumnRight(3, QStringLiteral("xyz"), 40.0);
    EXPECT_EQ(last().text, QStringLiteral("xy"));
    po.WriteColumnLeft(3, QStringLiteral("ok"), 40.0);
    EXPECT_EQ(last().text, QStringLiteral("ok"));
}

TEST_F(TextJob, ColumnTextBreaksIntoLines)
{
    po.SetColumn(7, 0.0, 30.0);  // 292 pixels for text: 41 characters
    po.SetY(50.0);
    po.WriteColumnText(7, QStringLiteral("eins\r\nzwei"), -2.0, false, false, 0);
    auto all = texts();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (Placed{"eins", 104, 500}));
    EXPECT_EQ(all[1], (Placed{"zwei", 104, 550}));
    // Trailing line ends and blanks give no empty last line.
    po.WriteColumnText(7, QStringLiteral("drei\r\n  \r\n"), -1.0, false, false, 0);
    all = texts();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[2], (Placed{"drei", 104, 600}));
    // Right-aligned lines end 4 pixels before the column's edge.
    po.WriteColumnText(7, QStringLiteral("ab cd"), -1.0, false, false, 2);
    EXPECT_EQ(last().x + 35, 300 + 100 - 4);
}

TEST_F(TextJob, KeepTogetherMovesTheBlockToTheNextPage)
{
    po.SetColumn(7, 0.0, 30.0);
    po.SetDetail(20.0, 60.0);
    po.SetY(50.0);  // two lines left
    ASSERT_EQ(po.GetLinesLeft(), 2);
    po.WriteColumnText(7, QStringLiteral("a\nb\nc"), -2.0, false, true, 0);
    ASSERT_EQ(po.Pages()->PageCount(), 2);
    EXPECT_TRUE(texts(1).empty());
    const auto p2 = texts(2);
    ASSERT_EQ(p2.size(), 3u);
    EXPECT_EQ(p2[0].y, 300);  // the body's top (20 mm and the 10 mm margin)
    EXPECT_EQ(p2[2].y, 400);
}

TEST_F(TextJob, KeepTogetherWithoutSaveRestoreLeavesTheStackAlone)
{
    po.SetColumn(7, 0.0, 30.0);
    po.SetDetail(20.0, 60.0);
    po.SetY(45.0);
    po.SaveY();  // the caller's own saved line
    po.SetY(50.0);
    po.WriteColumnText(7, QStringLiteral("a\nb\nc"), -2.0, false, true, 0);
    EXPECT_EQ(po.Pages()->PageCount(), 2);
    EXPECT_EQ(po.SavedYDepth(), 1);
    po.RestoreY();
    EXPECT_EQ(currentYmm(), 45);
}

TEST_F(TextJob, KeepTogetherWithSaveRestoreReturnsToTheBlocksFirstLine)
{
    po.SetColumn(7, 0.0, 30.0);
    po.SetDetail(20.0, 60.0);
    po.SetY(50.0);
    po.WriteColumnText(7, QStringLiteral("a\nb\nc"), -2.0, true, true, 0);
    EXPECT_EQ(po.Pages()->PageCount(), 2);
    EXPECT_EQ(po.SavedYDepth(), 0);
    EXPECT_EQ(currentYmm(), 30);  // where the block began, on the new page
    // Without the need to move, the caller continues on the block's line.
    po.SetY(35.0);
    po.WriteColumnText(7, QStringLiteral("x\ny"), -2.0, true, true, 0);
    EXPECT_EQ(po.Pages()->PageCount(), 2);
    EXPECT_EQ(currentYmm(), 35);
}

TEST_F(TextJob, PositionSettingsRecordTheirValue)
{
    po.SetTab(12.7);
    po.SetIndent(25.4);
    po.SetTransparent(true);
    po.SetFontAngle(90);
    const auto tabs = CommandsOf<TPrnTab>(po, 1, PrnKind::Tab);
    ASSERT_EQ(tabs.size(), 1u);
    EXPECT_DOUBLE_EQ(tabs[0]->Tab, 0.5);
    const auto indents = CommandsOf<TPrnIndent>(po, 1, PrnKind::Indent);
    ASSERT_EQ(indents.size(), 1u);
    EXPECT_DOUBLE_EQ(indents[0]->Indent, 1.0);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Transparent), 1);
    EXPECT_EQ(CountKind(po, 1, PrnKind::FontAngle), 1);
    // Turned text leaves the print head where it was.
    const double x = po.CurrentX();
    po.WriteText(QStringLiteral("turned"), 5.0, 40.0);
    EXPECT_DOUBLE_EQ(po.CurrentX(), x);
    EXPECT_EQ(po.Canvas()->FontEscapement(), 0);
}

TEST(TextSettings, IndentAndTransparentAreKeptBeforeAJob)
{
    TPrintObject po;
    po.SetIndent(25.4);
    po.SetTransparent(true);
    EXPECT_TRUE(po.Transparent());
    po.SetTab(10.0);  // acts only in a job
    FakeJob job(kPpi, 50);
    job.po.SetIndent(25.4);
    ASSERT_TRUE(job.start());
    job.po.SetColumn(1, 0.0, 50.0);
    job.po.WriteColumn(1, QStringLiteral("x"), 40.0, 4, 0.0);
    const auto t = CommandsOf<TPrnText>(job.po, 1, PrnKind::Text);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(qRound(t[0]->X * kPpi), 254);  // one inch of indent, no margin here
}

TEST_F(TextJob, PageNumberFormats)
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(8);
    po.SetPageNumber(QStringLiteral("Seite"), 1, 270.0, true, f);  // no %d: ignored
    EXPECT_EQ(CountKind(po, 1, PrnKind::PageNumber), 0);
    po.SetPrintPageNumbers(true);
    po.SetPageNumber(QStringLiteral("Seite %D"), 1, 270.0, false, f);
    EXPECT_EQ(CountKind(po, 1, PrnKind::PageNumber), 1);
    EXPECT_FALSE(po.ShowTotalPages());
    QString text;
    ASSERT_TRUE(po.FormatPageNumber(3, text));
    EXPECT_EQ(text, QStringLiteral("Seite 3"));
    po.SetPageNumber(QStringLiteral("%d%% von %d"), 1, 270.0, true, f);
    ASSERT_TRUE(po.FormatPageNumber(4, text));
    EXPECT_EQ(text, QStringLiteral("4% von 4 von 1"));
    po.NewPage();
    po.NewPage();
    ASSERT_TRUE(po.FormatPageNumber(2, text));
    EXPECT_EQ(text, QStringLiteral("2% von 2 von 3"));
    // Page 1 and 2 were finished with a page-number marker and the number
    // as a text after it.
    const auto kinds = KindsOf(po, 1);
    const auto marker = std::find(kinds.begin(), kinds.end(), PrnKind::PageNumberText);
    ASSERT_NE(marker, kinds.end());
    EXPECT_NE(std::find(marker, kinds.end(), PrnKind::Text), kinds.end());
}

TEST_F(TextJob, BadPageNumberFormatIsReportedOncePerJob)
{
    TFont f;
    po.SetPrintPageNumbers(true);
    po.SetPageNumber(QStringLiteral("Seite %d von %s"), 1, 270.0, false, f);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("Error in page number formatting."));
    po.NewPage();
    po.NewPage();  // no second message
    EXPECT_EQ(CountKind(po, 1, PrnKind::PageNumberText), 0);
    EXPECT_EQ(CountKind(po, 2, PrnKind::PageNumberText), 0);
}
