// Units, device metrics, paper, properties and cancelling.
#include "print/PrintTestUtil.h"

#include "common/TestSupport.h"

#include <gtest/gtest.h>

TEST(PrintUnits, ConversionCases)
{
    FakeJob job(600);
    ASSERT_TRUE(job.start());
    TPrintObject& po = job.po;
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtMM, mtInches, 1, 25.4), 1.0);
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtInches, mtMM, 0, 2.0), 50.8);
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtInches, mtPixels, 1, 1.0), 600.0);
    po.SetScale(0.5);
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtInches, mtPixels, 1, 1.0), 300.0);
    // Out of pixels the scale plays no part.
    const double atHalf = po.ConvertUnits(mtPixels, mtMM, 0, 300.0);
    po.SetScale(2.0);
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtPixels, mtMM, 0, 300.0), atHalf);
    EXPECT_DOUBLE_EQ(atHalf, 12.7);
    // Unknown axis and same unit: unchanged.
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtMM, mtPixels, 2, 10.0), 10.0);
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtMM, mtMM, 1, 10.0), 10.0);
}

TEST(PrintUnits, TenMillimetresAtNinetySixDpi)
{
    TPrintObject po;  // 96 pixels per inch until a job measures otherwise
    po.SetPreview(true);  // no preview window: EndReport prints nothing
    EXPECT_DOUBLE_EQ(po.ConvertUnits(mtMM, mtPixels, 1, 10.0), 38.0);
    EXPECT_NEAR(po.ConvertUnits(mtPixels, mtMM, 1, 38.0), 10.0541666, 1e-6);
    // Halves round to the even neighbour: 0.5 inch at 5 ppi is 2.5 pixels.
    FakeJob job(5);
    ASSERT_TRUE(job.start());
    EXPECT_DOUBLE_EQ(job.po.ConvertUnits(mtInches, mtPixels, 1, 0.5), 2.0);
    EXPECT_DOUBLE_EQ(job.po.ConvertUnits(mtInches, mtPixels, 1, 0.7), 4.0);  // 3.5 -> 4
}

TEST(PrintUnits, LargeFontModeFromTheSurfaceResolution)
{
    {
        FakeJob job(120, 15, true);
        ASSERT_TRUE(job.start());
        EXPECT_TRUE(TPrintObject::LargeFontMode());
        EXPECT_EQ(job.po.PixelsPerInchX(), 96);
        EXPECT_EQ(job.po.PixelsPerInchY(), 96);
        EXPECT_NEAR(job.po.PageWidthInches(), 8.3, 0.01);
        job.po.SetUseMarginOffset(false);
        job.po.DrawLine(1, 0.0, 0.0, 10.0, 0.0);  // 38 pixels, drawn 1.25 times as far
        ASSERT_EQ(job.canvas.log.size(), 1);
        EXPECT_EQ(job.canvas.log[0], QStringLiteral("Line 0,0-47,0 w1"));
        // Columns carry the factor.
        job.po.SetColumn(1, 20.0, 30.0);
        EXPECT_NEAR(job.po.GetColumnRight(1), 62.5, 1e-9);
        job.po.EndReport();
    }
    {
        FakeJob job(96, 15, true);
        ASSERT_TRUE(job.start());
        EXPECT_FALSE(TPrintObject::LargeFontMode());
        job.po.SetUseMarginOffset(false);
        job.po.DrawLine(1, 0.0, 0.0, 10.0, 0.0);
        ASSERT_EQ(job.canvas.log.size(), 1);
        EXPECT_EQ(job.canvas.log[0], QStringLiteral("Line 0,0-38,0 w1"));
    }
    {
        // Not allowed: 120 dpi is taken as it is.
        FakeJob job(120, 15, false);
        ASSERT_TRUE(job.start());
        EXPECT_FALSE(TPrintObject::LargeFontMode());
        EXPECT_EQ(job.po.PixelsPerInchX(), 120);
    }
}

TEST(PrintUnits, TextWidthInTheUnit)
{
    FakeJob job(96);
    job.canvas.charWidth = 8;
    ASSERT_TRUE(job.start());
    EXPECT_DOUBLE_EQ(job.po.GetTextWidth(QString()), 0.0);
    EXPECT_NEAR(job.po.GetTextWidth(QStringLiteral("abc")), 24.0 / 96 * 25.4, 1e-12);
    job.po.SetMeasurement(mtPixels);
    EXPECT_DOUBLE_EQ(job.po.GetTextWidth(QStringLiteral("abc")), 24.0);
    job.po.SetMeasurement(mtInches);
    EXPECT_DOUBLE_EQ(job.po.GetTextWidth(QStringLiteral("abcd")), 32.0 / 96);
    // The unit switches are recorded.
    EXPECT_EQ(CountKind(job.po, 1, PrnKind::Measure), 2);
}

TEST(PrintPaper, TableAndPaperSizes)
{
    EXPECT_EQ(PaperSizeRow(PAPER_A4).Code, 9);
    EXPECT_DOUBLE_EQ(PaperSizeRow(PAPER_A4).Width, 8.3);
    EXPECT_DOUBLE_EQ(PaperSizeRow(PAPER_A4).Height, 11.7);
    EXPECT_EQ(PaperSizeRow(PAPER_ENV_C3).Code, 29);
    EXPECT_EQ(PaperSizeRow(PAPER_ENV_C4).Code, 30);
    EXPECT_EQ(PaperSizeRow(PAPER_ENV_C5).Code, 28);
    EXPECT_EQ(PaperSizeRow(PAPER_ENV_PERSONAL).Code, 38);
    EXPECT_DOUBLE_EQ(PaperSizeRow(TBA3).Width, 0.0);
    EXPECT_EQ(PaperSizeRow(38).Code, 0);
    EXPECT_EQ(PaperSizeOfCode(9), int(PAPER_A4));
    EXPECT_EQ(PaperSizeOfCode(28), int(PAPER_ENV_C5));
    EXPECT_EQ(PaperSizeOfCode(99), -1);

    TPrintObject po;

    po.SetPreview(true);  // no preview window: EndReport prints nothing
    po.SetPaperSize(PAPER_A4);
    ASSERT_TRUE(po.Start());
    EXPECT_DOUBLE_EQ(po.PageWidthInches(), 797.0 / 96);
    EXPECT_DOUBLE_EQ(po.PageHeightInches(), 1123.0 / 96);
    EXPECT_EQ(po.PageWidthPixels(), 797);
    EXPECT_DOUBLE_EQ(po.Pages()->PaperWidth, 8.3);
    EXPECT_DOUBLE_EQ(po.Pages()->PaperHeight, 11.7);
    po.EndReport();
    po.SetOrientation(1);
    ASSERT_TRUE(po.Start());
    EXPECT_EQ(po.PageWidthPixels(), 1123);
    EXPECT_EQ(po.PageHeightPixels(), 797);
    EXPECT_DOUBLE_EQ(po.PageWidthInches(), 1123.0 / 96);
    po.EndReport();
}

TEST(PrintPaper, PaperSizeArea)
{
    TPrintObject po;
    po.SetPreview(true);  // no preview window: EndReport prints nothing
    EXPECT_EQ(po.PaperSizeArea(), QStringLiteral("(215 X 279)"));  // Letter, millimetres
    po.SetPaperSize(PAPER_A4);
    EXPECT_EQ(po.PaperSizeArea(), QStringLiteral("(210 X 297)"));
    po.SetOrientation(1);
    EXPECT_EQ(po.PaperSizeArea(), QStringLiteral("(297 X 210)"));
    po.SetOrientation(0);
    po.SetMeasurement(mtInches);
    EXPECT_EQ(po.PaperSizeArea(), QStringLiteral("(8,3 X 11,7)"));
    po.SetMeasurement(mtPixels);
    EXPECT_EQ(po.PaperSizeArea(), QStringLiteral("(797 X 1123)"));
    po.setProperty("PaperSizeArea", QStringLiteral("x"));
    po.setProperty("Version", QStringLiteral("x"));
    EXPECT_EQ(po.PaperSizeArea(), QStringLiteral("(797 X 1123)"));
    EXPECT_EQ(po.Version(), QStringLiteral("Version 4.2"));
}

TEST(PrintObjectProps, DefaultsAndPublishedProperties)
{
    TPrintObject po;
    po.setObjectName(QStringLiteral("Strombau_Prn"));
    EXPECT_TRUE(po.AutomaticPaging());
    EXPECT_TRUE(po.AutoPageFeed());
    EXPECT_FALSE(po.ClipColumns());
    EXPECT_EQ(po.Copies(), 1);
    EXPECT_EQ(po.LineSpacing(), 1);
    EXPECT_EQ(po.Measurement(), mtMM);
    EXPECT_EQ(po.Orientation(), 0);
    EXPECT_EQ(po.PaperSize(), PAPER_LETTER);
    EXPECT_FALSE(po.Preview());
    EXPECT_FALSE(po.PrintDirect());
    EXPECT_FALSE(po.PrintPageNumbers());
    EXPECT_EQ(po.PrintQuality(), pqHIGH);
    EXPECT_EQ(po.ProgressBarInc(), 1);
    EXPECT_EQ(po.ProgressBarMax(), 100);
    EXPECT_EQ(po.ProgressBarMin(), 0);
    EXPECT_FALSE(po.PromptOnCancel());
    EXPECT_TRUE(po.ShowPrintDialog());
    EXPECT_FALSE(po.ShowProgress());
    EXPECT_TRUE(po.ShowTotalPages());
    EXPECT_EQ(po.StartPercent(), P6_Full);
    EXPECT_TRUE(po.Title().isEmpty());
    EXPECT_FALSE(po.Transparent());
    EXPECT_FALSE(po.UseDisplayPanel());
    EXPECT_TRUE(po.UseLargeFontAdjust());
    EXPECT_TRUE(po.UseMarginOffset());
    EXPECT_DOUBLE_EQ(po.GetScale(), 1.0);
    EXPECT_EQ(po.PixelsPerInchX(), 96);
    EXPECT_TRUE(po.PreviewMode());
    EXPECT_FALSE(po.PageOpen());
    // Published: reachable by name, as the form loader sets them.
    EXPECT_TRUE(po.setProperty("Measurement", QVariant::fromValue(PrintTypes::mtInches)));
    EXPECT_EQ(po.Measurement(), mtInches);
    EXPECT_TRUE(po.setProperty("ClipColumns", true));
    EXPECT_TRUE(po.ClipColumns());
    EXPECT_EQ(po.property("PaperSize").value<PrintTypes::PaperSizes>(), PAPER_LETTER);
}

TEST(PrintObjectCancel, CancelAsksAndStops)
{
    ScriptedAnswerer& answers = ScriptedAnswerer::instance();
    TPrintObject po;
    po.SetPreview(true);  // no preview window: EndReport prints nothing
    int cancelled = 0;
    po.OnCancel = [&](QObject* sender) {
        EXPECT_EQ(sender, &po);
        ++cancelled;
    };
    po.CancelPrint();  // before Start: nothing, no question
    EXPECT_EQ(cancelled, 0);

    po.SetPromptOnCancel(true);
    ASSERT_TRUE(po.Start());
    answers.expectMessage(QStringLiteral("Abort printing?"), mrNo);
    po.CancelPrint();
    EXPECT_TRUE(po.PrintingStarted());
    EXPECT_EQ(cancelled, 0);
    answers.expectMessage(QStringLiteral("Abort printing?"), mrYes);
    po.CancelPrint();
    EXPECT_FALSE(po.PrintingStarted());
    EXPECT_EQ(cancelled, 1);
    // Every drawing call is ignored from now on.
    const int before = po.Pages()->GetPage(1)->Count();
    po.NewLine();
    po.DrawLine(1, 0, 0, 10, 10);
    po.SetColumn(0, 0, 0);  // not even the column message
    po.NewPage();
    EXPECT_EQ(po.Pages()->GetPage(1)->Count(), before);
    EXPECT_EQ(po.Pages()->PageCount(), 1);
    po.EndReport();
    EXPECT_EQ(po.Pages(), nullptr);
}

TEST(PrintObjectCancel, QuitEndsTheJobAndTheObjectRunsAnother)
{
    TPrintObject po;
    po.SetPreview(true);  // no preview window: EndReport prints nothing
    int done = 0;
    po.PrintDone = [&](QObject*) { ++done; };
    ASSERT_TRUE(po.Start());
    po.NewLine();
    po.Quit();
    EXPECT_FALSE(po.PrintingStarted());
    EXPECT_EQ(po.Pages(), nullptr);
    EXPECT_EQ(done, 1);
    ASSERT_TRUE(po.Start());
    EXPECT_EQ(po.Pages()->PageCount(), 1);
    po.EndReport();
    EXPECT_EQ(done, 2);
}

TEST(PrintObjectEvents, DestroyAndLastPageOnce)
{
    int destroyed = 0, last = 0, created = 0;
    {
        TPrintObject po;
        po.SetPreview(true);  // no preview window: EndReport prints nothing
        po.OnDestroy = [&](QObject*) { ++destroyed; };
        po.OnCreate = [&](QObject*) { ++created; };
        po.Loaded();
        po.OnLastPage = [&](QObject*) {
            EXPECT_FALSE(po.AutomaticPaging());
            ++last;
        };
        ASSERT_TRUE(po.Start());
        po.FireLastPage();
        po.EndReport();
        EXPECT_TRUE(po.AutomaticPaging());
    }
    EXPECT_EQ(created, 1);
    EXPECT_EQ(last, 1);
    EXPECT_EQ(destroyed, 1);
}
