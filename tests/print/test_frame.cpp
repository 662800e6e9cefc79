// The report's page frame geometry as recorded on the fixed 96-dpi
// measuring surface, against inches computed by hand:
// A4 at 96 dpi is 797 x 1123 pixels; margins 10 mm left and top are 38 px.
#include "print/PrintTestUtil.h"

#include "common/TestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr double mm = 25.4;

TPicture logo()
{
    QImage img(400, 130, QImage::Format_RGB32);
    img.fill(qRgb(20, 60, 160));
    return TPicture(img);
}

struct FrameJob {
    TPrintObject po;
    FrameJob()
    {
        po.SetPreview(true);  // no preview window: EndReport prints nothing
        po.SetMeasurement(mtMM);
        po.setObjectName(QStringLiteral("Strombau_Prn"));
        po.SetOrientation(0);
        po.SetPaperSize(PAPER_A4);
        po.SetUseLargeFontAdjust(false);
        po.Start();
    }
    void frame()
    {
        po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
        po.DrawGraphic(logo(), double(qRound(po.GetPageWidth())) / 2 - 30, 0.0, 40.0, 13.0);
        po.SetFontName(QStringLiteral("Arial"));
        po.SetFontSize(10);
        po.SetFontStyle(0);
        po.DrawLine(1, 0.0, 266.5, 192.0, 266.5);
        po.DrawLine(1, 0.0, 60.0, 192.0, 60.0);
        po.SetDetail(80.0, 276.0);
        po.StartPageBody();
        const double cols[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
        for (int c = 0; c < 7; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
    }
};

}  // namespace

TEST(ReportFrame, MarginsDetailColumnsRulesAndLogo)
{
    FrameJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(po.PrintingStarted());
    job.frame();

    // Margins: recorded as left, top, right, bottom positions in inches.
    const auto margins = CommandsOf<TPrnMargins>(po, 1, PrnKind::Margins);
    ASSERT_EQ(margins.size(), 2u);  // the job's own and the frame's
    const TPrnMargins* m = margins.back();
    EXPECT_NEAR(m->X1, 10.0 / mm, 1e-12);
    EXPECT_NEAR(m->Y1, 10.0 / mm, 1e-12);
    EXPECT_NEAR(m->X2, 797.0 / 96 - 8.0 / mm, 1e-12);
    EXPECT_NEAR(m->Y2, 1123.0 / 96 - 10.0 / mm, 1e-12);
    EXPECT_EQ(po.LeftMargin(), 38);
    EXPECT_EQ(po.TopMargin(), 38);
    EXPECT_EQ(po.RightMargin(), 767);
    EXPECT_EQ(po.BottomMargin(), 1085);

    // The logo: 75,5 mm from the left, at the top, 40 wide and 13 high.
    const auto pictures = CommandsOf<TPrnGraphic>(po, 1, PrnKind::Graphic);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_NEAR(pictures[0]->X, 75.5 / mm, 1e-12);
    EXPECT_NEAR(pictures[0]->Y, 0.0, 1e-12);
    EXPECT_NEAR(pictures[0]->Width, 40.0 / mm, 1e-12);
    EXPECT_NEAR(pictures[0]->Height, 13.0 / mm, 1e-12);
    EXPECT_EQ(pictures[0]->ImageType, 1);
    EXPECT_EQ(pictures[0]->Picture.size(), QSize(400, 130));

    // Rules: the margin offset (38 px) is added before recording.
    const auto lines = CommandsOf<TPrnLine>(po, 1, PrnKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    const double off = 38.0 / 96;
    EXPECT_NEAR(lines[0]->X1, off, 1e-12);
    EXPECT_NEAR(lines[0]->Y1, 266.5 / mm + off, 1e-12);
    EXPECT_NEAR(lines[0]->X2, 192.0 / mm + off, 1e-12);
    EXPECT_NEAR(lines[0]->Y2, 266.5 / mm + off, 1e-12);
    EXPECT_EQ(lines[0]->LineWidth, 1);
    EXPECT_NEAR(lines[1]->Y1, 60.0 / mm + off, 1e-12);

    // Body: detail top and bottom without the margin, print line with it.
    const auto details = CommandsOf<TPrnDetail>(po, 1, PrnKind::Detail);
    ASSERT_FALSE(details.empty());
    EXPECT_NEAR(details.back()->X, 80.0 / mm, 1e-12);
    EXPECT_NEAR(details.back()->Y, 276.0 / mm, 1e-12);
    EXPECT_NEAR(po.CurrentY(), 80.0 / mm + off, 1e-12);
    EXPECT_NEAR(po.GetY(), 80.0, 1e-9);

    // Columns in inches, no margin offset.
    const auto cols = CommandsOf<TPrnColumn>(po, 1, PrnKind::Column);
    ASSERT_EQ(cols.size(), 7u);
    const double expected[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(cols[size_t(c)]->Number, c + 1);
        EXPECT_NEAR(cols[size_t(c)]->XPosition, expected[c][0] / mm, 1e-12);
        EXPECT_NEAR(cols[size_t(c)]->Length, expected[c][1] / mm, 1e-12);
    }
    EXPECT_NEAR(po.GetColumnRight(6), 189.0, 1e-9);

    // Arial 10 on the measuring surface: 15 pixels, the same on any screen.
    EXPECT_DOUBLE_EQ(po.GetLineHeight(), 15.0 / 96 * mm);
    const auto fonts = CommandsOf<TPrnFont>(po, 1, PrnKind::Font);
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts.back()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(fonts.back()->Size(), 10);
    // Lines left in the body: (276 - 80 - 10.05) mm of 3.97 mm lines.
    EXPECT_EQ(po.GetLinesLeft(), qRound((276.0 / mm - (80.0 / mm + off)) / (15.0 / 96)));
    po.EndReport();
}

TEST(ReportFrame, DrawnTwiceRecordsTheSameGeometry)
{
    FrameJob job;
    job.frame();
    const int first = job.po.Pages()->GetPage(1)->Count();
    const double y = job.po.CurrentY();
    job.frame();
    EXPECT_DOUBLE_EQ(job.po.CurrentY(), y);
    EXPECT_EQ(job.po.LeftMargin(), 38);
    const auto margins = CommandsOf<TPrnMargins>(job.po, 1, PrnKind::Margins);
    EXPECT_DOUBLE_EQ(margins[1]->X2, margins[2]->X2);
    EXPECT_GT(job.po.Pages()->GetPage(1)->Count(), first);
    EXPECT_EQ(job.po.Pages()->PictureCount(), 1);
}

TEST(ReportFrame, ColumnNumbersOutsideTheTableAreRefused)
{
    ScriptedAnswerer& answers = ScriptedAnswerer::instance();
    FrameJob job;
    TPrintObject& po = job.po;
    po.SetColumn(1, 20.0, 30.0);
    EXPECT_NEAR(po.GetColumnRight(1), 50.0, 1e-9);
    EXPECT_NEAR(po.GetColumnLeft(1), 20.0, 1e-9);
    EXPECT_NEAR(po.GetColumnWidth(1), 30.0, 1e-9);
    const int before = CountKind(po, 1, PrnKind::Column);
    answers.expectMessage(QStringLiteral("Column value must be between 1 and 50."));
    po.SetColumn(0, 5.0, 5.0);
    answers.expectMessage(QStringLiteral("Column value must be between 1 and 50."));
    po.SetColumn(51, 5.0, 5.0);
    ASSERT_EQ(answers.asked().size(), 2u);
    EXPECT_EQ(answers.asked()[0].text, QStringLiteral("Column value must be between 1 and 50."));
    EXPECT_EQ(answers.asked()[0].type, mtInformation);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Column), before);
    EXPECT_DOUBLE_EQ(po.GetColumnLeft(0), 0.0);
    EXPECT_DOUBLE_EQ(po.GetColumnRight(51), 0.0);
    po.SetColumn(50, 100.0, 12.5);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Column), before + 1);
    EXPECT_NEAR(po.GetColumnRight(50), 112.5, 1e-9);
    EXPECT_NEAR(po.GetColumnRight(1), 50.0, 1e-9);  // unchanged
    po.EndReport();
}
