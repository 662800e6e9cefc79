// Page flow on the logging surface with a 5 mm line (254 pixels per inch,
// text 50 pixels high).
#include "print/PrintTestUtil.h"

#include "common/TestSupport.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

namespace {

struct FiveMillimetreJob : FakeJob {
    FiveMillimetreJob() : FakeJob(254, 50) {}
};

}  // namespace

TEST(PageFlow, LineThatEndsOnTheBottomFitsTheNextBreaksThePage)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    EXPECT_DOUBLE_EQ(po.GetLineHeight(), 5.0);
    po.SetDetail(20.0, 270.0);
    po.SetY(260.0);
    po.NewLine();
    EXPECT_NEAR(po.CurrentY() * 25.4, 265.0, 1e-9);
    EXPECT_EQ(po.Pages()->PageCount(), 1);
    EXPECT_EQ(KindsOf(po, 1).back(), PrnKind::NewLine);
    const int newLines = CountKind(po, 1, PrnKind::NewLine);
    po.NewLine();  // 270 + 5 > 270
    EXPECT_EQ(po.Pages()->PageCount(), 2);
    EXPECT_EQ(CountKind(po, 1, PrnKind::NewLine), newLines);  // no new line for the breaking one
    // The new body starts at its top (no top margin on this surface).
    EXPECT_NEAR(po.CurrentY() * 25.4, 20.0, 1e-9);
    EXPECT_EQ(po.GetPageNumber(), 2);
}

TEST(PageFlow, SetDetailPutsTheLineAboveTheTop)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetDetail(30.0, 100.0);
    EXPECT_NEAR(po.CurrentY() * 25.4, 25.0, 1e-9);
    po.NewLine();
    EXPECT_NEAR(po.CurrentY() * 25.4, 30.0, 1e-9);
    EXPECT_DOUBLE_EQ(po.CurrentX(), po.LeftMargin() / 254.0);
    const auto details = CommandsOf<TPrnDetail>(po, 1, PrnKind::Detail);
    ASSERT_FALSE(details.empty());
    EXPECT_DOUBLE_EQ(details.back()->X, 30.0 / 25.4);
    EXPECT_DOUBLE_EQ(details.back()->Y, 100.0 / 25.4);
}

TEST(PageFlow, NewLinesStopsAtTheBottom)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetDetail(20.0, 270.0);
    po.SetY(100.0);
    const auto before = KindsOf(po, 1);
    po.NewLines(0);
    EXPECT_EQ(KindsOf(po, 1), before);
    EXPECT_NEAR(po.CurrentY() * 25.4, 100.0, 1e-9);

    po.SetAutomaticPaging(false);
    po.SetY(265.0);
    po.NewLines(5);
    EXPECT_EQ(CountKind(po, 1, PrnKind::NewLine), 1);
    EXPECT_NEAR(po.CurrentY() * 25.4, 270.0, 1e-9);
    EXPECT_EQ(po.Pages()->PageCount(), 1);

    // With paging on, the lines go on on the next page.
    po.SetAutomaticPaging(true);
    po.SetY(255.0);
    po.NewLines(4);  // 260, 265, the break, then the first body line
    EXPECT_EQ(po.Pages()->PageCount(), 2);
    EXPECT_EQ(CountKind(po, 1, PrnKind::NewLine), 3);
    EXPECT_EQ(CountKind(po, 2, PrnKind::NewLine), 1);
    EXPECT_NEAR(po.CurrentY() * 25.4, 25.0, 1e-9);
}

TEST(PageFlow, WithoutAutomaticPagingTheBodyRunsOn)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetDetail(20.0, 100.0);
    po.SetAutomaticPaging(false);
    EXPECT_EQ(KindsOf(po, 1).back(), PrnKind::AutoPagingOff);
    for (int i = 0; i < 100; ++i) po.NewLine();
    EXPECT_EQ(po.Pages()->PageCount(), 1);
    EXPECT_GT(po.CurrentY() * 25.4, 500.0);
    po.NewPage();
    EXPECT_EQ(po.Pages()->PageCount(), 2);
}

TEST(PageFlow, NewPageOrderAndEventsWithPagingHeldOff)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetDetail(20.0, 100.0);
    TFont body;
    body.SetName(QStringLiteral("Arial"));
    body.SetSize(10);
    po.SetFont(body);
    int pagesDuringHandler = -1;
    bool pagingInHandler = true;
    po.OnNewPage = [&](QObject* sender) {
        EXPECT_EQ(sender, &po);
        pagingInHandler = po.AutomaticPaging();
        po.DrawLine(1, 0.0, 10.0, 50.0, 10.0);
        // Writing past the bottom inside the handler opens no page.
        po.SetY(99.0);
        po.NewLine();
        po.NewLine();
        pagesDuringHandler = po.Pages()->PageCount();
        // A font change in the handler does not outlive the page end.
        po.SetFontSize(6);
    };
    bool pagingAfter = true;
    po.AfterNewPage = [&](QObject*) {
        pagingAfter = po.AutomaticPaging();
        po.DrawLine(1, 0.0, 0.0, 10.0, 0.0);
    };
    const int page1Before = int(KindsOf(po, 1).size());
    po.NewPage();
    EXPECT_FALSE(pagingInHandler);
    EXPECT_FALSE(pagingAfter);
    EXPECT_TRUE(po.AutomaticPaging());
    EXPECT_EQ(pagesDuringHandler, 1);
    EXPECT_TRUE(po.PageOpen());

    const auto page1 = KindsOf(po, 1);
    const std::vector<int> tail(page1.begin() + page1Before, page1.end());
    // The header and footer bands give the font back (kind 6 each) before
    // the handler's commands.
    const std::vector<int> expectedTail = {PrnKind::Font,          PrnKind::Font,
                                           PrnKind::AutoPagingOff, PrnKind::Line,   PrnKind::SetY,
                                           PrnKind::NewLine,       PrnKind::NewLine, PrnKind::Font,
                                           PrnKind::AutoPagingOn};
    EXPECT_EQ(tail, expectedTail);
    const std::vector<int> expectedPage2 = {PrnKind::StartPageBody, PrnKind::AutoPagingOff, PrnKind::Line,
                                            PrnKind::AutoPagingOn, PrnKind::Font};
    EXPECT_EQ(KindsOf(po, 2), expectedPage2);
    // The font back is the one in use before the page end.
    const auto fonts = CommandsOf<TPrnFont>(po, 2, PrnKind::Font);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0]->Size(), 10);
    EXPECT_EQ(fonts[0]->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(po.Canvas()->Font().Size(), 10);
    EXPECT_EQ(po.SavedFontDepth(), 0);
}

TEST(PageFlow, PageNumberCountsNewPages)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    EXPECT_EQ(po.GetPageNumber(), 1);
    for (int i = 0; i < 3; ++i) po.NewPage();
    EXPECT_EQ(po.GetPageNumber(), 4);
    EXPECT_EQ(po.Pages()->PageCount(), 4);
    EXPECT_EQ(po.Pages()->PagesCreated, 4);
    po.EndReport();
    EXPECT_FALSE(po.PrintingStarted());
}

TEST(PageFlow, EndReportFinishesTheLastPage)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    int newPage = 0, last = 0;
    std::vector<int> order;
    po.OnNewPage = [&](QObject*) {
        ++newPage;
        order.push_back(1);
        EXPECT_FALSE(po.PageOpen());
    };
    po.OnLastPage = [&](QObject*) {
        ++last;
        order.push_back(2);
    };
    ASSERT_TRUE(job.start());
    po.NewPage();
    po.SetMeasurement(mtInches);
    po.EndReport();
    EXPECT_EQ(newPage, 2);
    EXPECT_EQ(last, 1);
    EXPECT_EQ((std::vector<int>{1, 1, 2}), order);
    EXPECT_EQ(po.Measurement(), mtInches);
    EXPECT_TRUE(po.AutomaticPaging());
    EXPECT_EQ(po.PixelsPerInchX(), 96);  // reset after the job
}

TEST(PageFlow, LinesLeftRoundsToTheNearestLine)
{
    // 100 pixels per inch and a 25-pixel line: a quarter inch.
    FakeJob job(100, 25);
    TPrintObject& po = job.po;
    po.SetMeasurement(mtInches);
    ASSERT_TRUE(job.start());
    po.SetDetail(1.0, 5.0);
    po.SetY(3.875);  // 4.5 lines left
    EXPECT_EQ(po.GetLinesLeft(), 4);
    po.SetY(3.625);  // 5.5 lines left
    EXPECT_EQ(po.GetLinesLeft(), 6);
    po.SetY(5.0);
    EXPECT_EQ(po.GetLinesLeft(), 0);
    po.SetY(5.25);  // below the bottom
    EXPECT_EQ(po.GetLinesLeft(), 0);
    // The line height is millimetres in any unit.
    EXPECT_DOUBLE_EQ(po.GetLineHeight(), 6.35);
    // A font without height leaves no line.
    job.canvas.textHeight = 0;
    po.SetY(2.0);
    EXPECT_EQ(po.GetLinesLeft(), 0);
}

TEST(PageFlow, GetYIsWhatTheDrawingCallsTake)
{
    TPrintObject po;
    po.SetPreview(true);  // no preview window: EndReport prints nothing
    po.SetPaperSize(PAPER_A4);
    ASSERT_TRUE(po.Start());
    po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    po.SetDetail(80.0, 276.0);
    po.StartPageBody();
    EXPECT_NEAR(po.GetY(), 80.0, 1e-9);
    po.SetMeasurement(mtInches);
    EXPECT_NEAR(po.GetY(), 80.0 / 25.4, 1e-9);
    po.SetMeasurement(mtPixels);
    EXPECT_DOUBLE_EQ(po.GetY(), double(qRound(96 * (80.0 / 25.4 + 38.0 / 96)) - 38));
    po.SetUseMarginOffset(false);
    po.SetMeasurement(mtMM);
    EXPECT_NEAR(po.GetY(), 80.0 + 38.0 / 96 * 25.4, 1e-9);
    po.EndReport();
}

TEST(PageFlow, StacksOfYAndFonts)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    for (int i = 1; i <= 11; ++i) {
        po.SetY(i * 10.0);
        po.SaveY();
    }
    EXPECT_EQ(po.SavedYDepth(), 11);
    po.SetY(500.0);
    po.RestoreY();  // the eleventh push kept nothing
    EXPECT_NEAR(po.CurrentY() * 25.4, 500.0, 1e-9);
    po.RestoreY();
    EXPECT_NEAR(po.CurrentY() * 25.4, 100.0, 1e-9);
    for (int i = 0; i < 9; ++i) po.RestoreY();
    EXPECT_NEAR(po.CurrentY() * 25.4, 10.0, 1e-9);
    EXPECT_EQ(po.SavedYDepth(), 0);
    po.RestoreY();  // empty: nothing
    EXPECT_EQ(po.SavedYDepth(), 0);
    EXPECT_EQ(CountKind(po, 1, PrnKind::SaveY), 11);
    EXPECT_EQ(CountKind(po, 1, PrnKind::RestoreY), 12);

    po.SetFontSize(9);
    for (int i = 0; i < 11; ++i) po.SaveFont();
    po.SetFontSize(20);
    po.RestoreFont();  // beyond the tenth: only the count goes back
    EXPECT_EQ(po.Canvas()->Font().Size(), 20);
    po.RestoreFont();
    EXPECT_EQ(po.Canvas()->Font().Size(), 9);
    EXPECT_EQ(po.SavedFontDepth(), 9);
}

TEST(PageFlow, FailingPageEventAtTheEndStillFreesTheJob)
{
    ScriptedAnswerer& answers = ScriptedAnswerer::instance();
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    int done = 0, last = 0;
    po.OnNewPage = [&](QObject*) { throw Exception(QStringLiteral("frame failed")); };
    po.OnLastPage = [&](QObject*) { ++last; };
    po.PrintDone = [&](QObject*) { ++done; };
    ASSERT_TRUE(job.start());
    // Inside the job the failure reaches the caller; paging is back on.
    EXPECT_THROW(po.NewPage(), Exception);
    EXPECT_TRUE(po.AutomaticPaging());
    answers.expectMessage(QStringLiteral("Error in completing last page."));
    po.EndReport();
    EXPECT_EQ(last, 0);  // the last-page event comes after the failing one
    EXPECT_EQ(done, 1);
    EXPECT_EQ(po.Pages(), nullptr);
    EXPECT_FALSE(po.PrintingStarted());
    EXPECT_TRUE(po.AutomaticPaging());
}

TEST(PageFlow, OnlyAPositiveScaleIsTaken)
{
    FiveMillimetreJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetScale(0.0);
    po.SetScale(-1.0);
    EXPECT_DOUBLE_EQ(po.GetScale(), 1.0);
    po.SetScale(0.5);
    EXPECT_DOUBLE_EQ(po.GetScale(), 0.5);
    EXPECT_EQ(po.PageWidthPixels(), qRound(8.3 * 254) / 2);
}
