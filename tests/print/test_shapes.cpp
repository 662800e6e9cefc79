// Lines, shapes, gradients and pictures: what is recorded and what reaches
// the surface.
#include "print/PrintTestUtil.h"

#include <gtest/gtest.h>

namespace {

constexpr double mm = 25.4;

TPicture picture(int w, int h, TPicture::Kind kind = TPicture::Bitmap)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(200, 10, 10));
    return TPicture(img, kind);
}

}  // namespace

TEST(Shapes, LineMarkerStaysInDeviceSpace)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetUseMarginOffset(false);
    po.DrawLine(1, 10.0, 10.0, -1.0, 10.0);
    const auto lines = CommandsOf<TPrnLine>(po, 1, PrnKind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0]->X2, -1.0);
    EXPECT_DOUBLE_EQ(lines[0]->X1, 10.0 / mm);
    ASSERT_EQ(job.canvas.log.size(), 1);
    EXPECT_EQ(job.canvas.log[0], QStringLiteral("Line 38,38--1,38 w1"));
}

TEST(Shapes, LineWithDrawingDisabledOnlyMovesThePen)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetUseMarginOffset(false);
    po.SetDrawingEnabled(false);
    po.DrawLine(3, 0.0, 0.0, 10.0, 20.0);
    EXPECT_TRUE(job.canvas.log.isEmpty());
    EXPECT_EQ(job.canvas.PenPos(), QPoint(38, 76));
    EXPECT_EQ(CountKind(po, 1, PrnKind::Line), 1);  // still recorded
}

TEST(Shapes, MarginOffsetAndPrintableOffset)
{
    FakeJob job;
    job.canvas.offset = QPoint(12, 20);
    TPrintObject& po = job.po;
    po.SetPrintDirect(true);  // measured and drawn on the surface as it is
    po.SetDrawingCanvas(&job.canvas);
    ASSERT_TRUE(job.start());
    EXPECT_EQ(po.LeftMargin(), 12);
    EXPECT_EQ(po.TopMargin(), 20);
    po.Ellipse(10.0, 10.0, 20.0, 20.0);
    // 10 mm = 38 px, plus the margin, less the printable offset.
    ASSERT_EQ(job.canvas.log.size(), 1);
    EXPECT_EQ(job.canvas.log[0], QStringLiteral("Ellipse 38,38,76,76"));
    EXPECT_EQ(po.Pages()->GetPage(1)->Count(), 0);  // a direct job records nothing
    po.EndReport();
}

TEST(Shapes, BoxLinesNeverThinnerThanOne)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetScale(0.4);
    po.DrawBoxLines(1, 0.0, 0.0, 10.0, 10.0);
    const auto lines = CommandsOf<TPrnLine>(po, 1, PrnKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    for (const TPrnLine* l : lines) EXPECT_EQ(l->LineWidth, 1);
    // Top, right, bottom, left.
    EXPECT_DOUBLE_EQ(lines[0]->Y1, lines[0]->Y2);
    EXPECT_DOUBLE_EQ(lines[1]->X1, lines[1]->X2);
    EXPECT_GT(lines[1]->X1, lines[0]->X1);
    EXPECT_DOUBLE_EQ(lines[2]->Y1, lines[2]->Y2);
    EXPECT_GT(lines[2]->Y1, lines[0]->Y1);
    EXPECT_DOUBLE_EQ(lines[3]->X1, lines[0]->X1);
}

TEST(Shapes, BoxesKeepTheBrush)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetBrushColor(clYellow);
    po.SetPenColor(clNavy);
    po.DrawFilledBox(1, clSilver, 0.0, 0.0, 10.0, 10.0);
    EXPECT_EQ(po.Canvas()->Brush().Color(), clYellow);
    const auto brush = CommandsOf<TPrnBColor>(po, 1, PrnKind::BColor);
    ASSERT_EQ(brush.size(), 4u);
    EXPECT_EQ(brush[1]->Color, clSilver);
    EXPECT_EQ(brush[2]->Color, clNavy);
    EXPECT_EQ(brush[3]->Color, clYellow);
    EXPECT_EQ(CountKind(po, 1, PrnKind::FillRect), 1);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Line), 4);
    // Line width 0: the fill only.
    po.DrawFilledBox(0, clSilver, 0.0, 0.0, 10.0, 10.0);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Line), 4);
    EXPECT_EQ(CountKind(po, 1, PrnKind::FillRect), 2);
}

TEST(Shapes, PolygonClosesWithOnePolylineCommand)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetUseMarginOffset(false);
    po.Polygon({10.5, 10.25, 30.75, 10.25, 20.125, 25.5});
    const auto polys = CommandsOf<TPrnPolygon>(po, 1, PrnKind::Polyline);
    ASSERT_EQ(polys.size(), 1u);
    ASSERT_EQ(polys[0]->PointCount(), 4);
    EXPECT_DOUBLE_EQ(polys[0]->Points[0].x(), 10.5 / mm);  // fractions kept
    EXPECT_DOUBLE_EQ(polys[0]->Points[2].y(), 25.5 / mm);
    EXPECT_EQ(polys[0]->Points[3], polys[0]->Points[0]);
    EXPECT_EQ(CountKind(po, 1, PrnKind::Polygon), 0);
    ASSERT_EQ(job.canvas.log.size(), 1);
    // Truncated pixels: 10.5 mm = 39.68 -> Round 40 ... the conversion rounds, the result is truncated.
    EXPECT_TRUE(job.canvas.log[0].startsWith(QStringLiteral("Polyline 40,39,116,39,76,96,40,39")))
        << job.canvas.log[0].toStdString();

    std::vector<double> many;
    for (int i = 0; i < 150; ++i) {
        many.push_back(i * 1.0);
        many.push_back(i * 0.5);
    }
    po.Polyline(many);
    const auto all = CommandsOf<TPrnPolygon>(po, 1, PrnKind::Polyline);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1]->PointCount(), 150);
    EXPECT_DOUBLE_EQ(all[1]->Points[149].x(), 149.0 / mm);
}

TEST(Shapes, GradientOfExactlyHundredBands)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetUseMarginOffset(false);
    po.GradientFill(clBlack, RGBToColor(200, 100, 0), 0.0, 0.0, 50.0, 100.0, 0);
    const auto pens = CommandsOf<TPrnPColor>(po, 1, PrnKind::PColor);
    ASSERT_EQ(pens.size(), 100u);
    EXPECT_EQ(pens.front()->Color, RGBToColor(2, 1, 0));
    EXPECT_EQ(pens[49]->Color, RGBToColor(100, 50, 0));
    EXPECT_EQ(pens.back()->Color, RGBToColor(200, 100, 0));
    const auto fills = CommandsOf<TPrnFillRect>(po, 1, PrnKind::FillRect);
    ASSERT_EQ(fills.size(), 100u);
    EXPECT_DOUBLE_EQ(fills.front()->Y1, 0.0);
    EXPECT_NEAR(fills[1]->Y1, 1.0 / mm, 1e-12);
    EXPECT_NEAR(fills.back()->Y2, 100.0 / mm, 1e-12);  // no band beyond the end
    EXPECT_NEAR(fills.back()->Y1, 99.0 / mm, 1e-12);
    // Left to right, one colour.
    po.GradientFill(clRed, clRed, 0.0, 0.0, 40.0, 10.0, 2);
    const auto pens2 = CommandsOf<TPrnPColor>(po, 1, PrnKind::PColor);
    ASSERT_EQ(pens2.size(), 200u);
    for (size_t i = 100; i < 200; ++i) EXPECT_EQ(pens2[i]->Color, clRed);
    const auto fills2 = CommandsOf<TPrnFillRect>(po, 1, PrnKind::FillRect);
    EXPECT_NEAR(fills2[150]->X1, 20.0 / mm, 1e-12);
    EXPECT_DOUBLE_EQ(fills2[150]->Y2, 10.0 / mm);
    // Upside down, or an unknown direction: nothing.
    const int count = po.Pages()->GetPage(1)->Count();
    po.GradientFill(clBlack, clWhite, 0.0, 50.0, 10.0, 20.0, 0);
    po.GradientFill(clBlack, clWhite, 0.0, 0.0, 10.0, 20.0, 7);
    EXPECT_EQ(po.Pages()->GetPage(1)->Count(), count);
}

TEST(Shapes, RecordedShapeCommands)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.SetUseMarginOffset(false);
    po.Arc(0, 0, 25.4, 25.4, 25.4, 12.7, 12.7, 0);
    po.Pie(0, 0, 25.4, 25.4, 25.4, 12.7, 12.7, 0);
    po.RoundRect(0, 0, 25.4, 50.8, 5.08, 5.08);
    po.FillRect(0, 0, 25.4, 25.4);
    po.FloodFill(12.7, 12.7, clBlack, fsBorder);
    po.MoveTo(25.4, 0);
    const auto kinds = KindsOf(po, 1);
    const std::vector<int> tail(kinds.end() - 6, kinds.end());
    EXPECT_EQ(tail, (std::vector<int>{PrnKind::Arc, PrnKind::Pie, PrnKind::RoundRect, PrnKind::FillRect,
                                      PrnKind::FloodFill, PrnKind::MoveTo}));
    const auto arcs = CommandsOf<TPrnPieArc>(po, 1, PrnKind::Arc);
    EXPECT_DOUBLE_EQ(arcs[0]->X3, 1.0);
    EXPECT_DOUBLE_EQ(arcs[0]->Y3, 0.5);
    const auto rr = CommandsOf<TPrnRoundRect>(po, 1, PrnKind::RoundRect);
    EXPECT_DOUBLE_EQ(rr[0]->X3, 0.2);
    const auto ff = CommandsOf<TPrnFloodFill>(po, 1, PrnKind::FloodFill);
    EXPECT_EQ(ff[0]->FillStyle, quint8(fsBorder));
    EXPECT_EQ(job.canvas.log[0], QStringLiteral("Arc 0,0,96,96,96,48,48,0"));
    EXPECT_EQ(job.canvas.log[2], QStringLiteral("RoundRect 0,0,96,192,19,19"));
    EXPECT_EQ(job.canvas.log[3], QStringLiteral("FillRect 0,0,96,96"));
}

TEST(Shapes, LineToDrawsFromTheCallersPoint)
{
    FakeJob job;
    job.canvas.offset = QPoint(5, 5);
    TPrintObject& po = job.po;
    po.SetPrintDirect(true);
    po.SetDrawingCanvas(&job.canvas);
    ASSERT_TRUE(job.start());
    po.SetUseMarginOffset(false);
    po.MoveTo(10.0, 10.0);
    po.LineTo(20.0, 10.0);
    po.LineTo(20.0, 20.0);
    ASSERT_EQ(job.canvas.log.size(), 2);
    // 10 mm = 38 px, 20 mm = 76 px, less the printable offset once.
    EXPECT_EQ(job.canvas.log[0], QStringLiteral("Line 33,33-71,33 w1"));
    EXPECT_EQ(job.canvas.log[1], QStringLiteral("Line 71,33-71,71 w1"));
    po.EndReport();
}

TEST(Shapes, PictureRecordedNotDrawn)
{
    FakeJob job;
    TPrintObject& po = job.po;
    ASSERT_TRUE(job.start());
    po.DrawGraphic(picture(100, 50), 10.0, 20.0, 40.0, -1.0);
    EXPECT_TRUE(job.canvas.log.isEmpty());
    const auto pics = CommandsOf<TPrnGraphic>(po, 1, PrnKind::Graphic);
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_DOUBLE_EQ(pics[0]->Width, 40.0 / mm);
    EXPECT_DOUBLE_EQ(pics[0]->Height, -1.0);
    po.DrawGraphic(picture(16, 16, TPicture::Icon), 0.0, 0.0, 5.0, 5.0);
    EXPECT_EQ(CommandsOf<TPrnGraphic>(po, 1, PrnKind::Graphic)[1]->ImageType, 2);
}

TEST(Shapes, PictureCentredOnThePaperAndSizedAsOnScreen)
{
    FakeJob job(192);
    job.canvas.offset = QPoint(20, 30);
    TPrintObject& po = job.po;
    po.SetPrintDirect(true);
    po.SetDrawingCanvas(&job.canvas);
    ASSERT_TRUE(job.start());
    EXPECT_EQ(po.TopMargin(), 30);
    // 100 x 50 screen pixels are 200 x 100 at 192 dpi; centred on the
    // 1594-pixel paper, no margin added, less the printable offset.
    po.DrawGraphic(picture(100, 50), -1.0, 10.0, -1.0, -1.0);
    ASSERT_EQ(job.canvas.log.size(), 1);
    EXPECT_EQ(job.canvas.log[0], QStringLiteral("StretchDraw %1,%2,200,100").arg((1594 - 200) / 2 - 20).arg(76));
    po.DrawGraphic(picture(100, 50, TPicture::Icon), -1.0, -1.0, 100.0, 25.4);
    ASSERT_EQ(job.canvas.log.size(), 2);
    const int w = qRound(192 * 100 / 25.4), h = 192;
    EXPECT_EQ(job.canvas.log[1], QStringLiteral("StretchDrawIcon %1,%2,%3,%4")
                                     .arg((1594 - w) / 2 - 20)
                                     .arg((2246 - h) / 2 - 30)
                                     .arg(w)
                                     .arg(h));
    po.EndReport();
}

TEST(Shapes, DrawnOnThePreviewImage)
{
    TImageCanvas image(QSize(797, 1123));
    TPrintObject po;
    po.SetPaperSize(PAPER_A4);
    po.SetPrintDirect(true);
    po.SetPrinter(std::make_unique<TFakePrinter>(&image));  // the direct job's sheet
    po.SetDrawingCanvas(&image);
    po.SetMeasurement(mtPixels);
    ASSERT_TRUE(po.Start());
    po.SetUseMarginOffset(false);
    po.SetBrushColor(clBlack);
    po.FillRect(10, 10, 20, 20);
    const QImage& img = image.Image();
    EXPECT_EQ(img.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(19, 19), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(20, 19), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(19, 20), qRgb(255, 255, 255));
    // A closed outline and a flood fill inside it.
    po.SetBrushColor(clLime);
    po.Polygon({100, 100, 200, 100, 150, 180});
    po.FloodFill(150, 130, clBlack, fsBorder);
    EXPECT_EQ(img.pixel(150, 130), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(150, 90), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(100, 100), qRgb(0, 0, 0));
    po.EndReport();
}

TEST(Shapes, MarginsDefaultToThePrintableArea)
{
    FakeJob job;
    job.canvas.offset = QPoint(20, 30);
    job.canvas.printable = QSize(797 - 20 - 25, 1123 - 30 - 35);
    TPrintObject& po = job.po;
    po.SetPrintDirect(true);
    po.SetDrawingCanvas(&job.canvas);
    po.SetMeasurement(mtPixels);
    ASSERT_TRUE(job.start());
    po.SetMargins(0, 0, 0, 0);
    EXPECT_EQ(po.TopMargin(), 30);
    EXPECT_EQ(po.LeftMargin(), 20);
    EXPECT_EQ(po.RightMargin(), 797 - 25);
    EXPECT_EQ(po.BottomMargin(), 1123 - 35);
    po.SetMargins(100, 5000, 50, 9000);  // beyond the page: the printable edge
    EXPECT_EQ(po.TopMargin(), 100);
    EXPECT_EQ(po.LeftMargin(), 50);
    EXPECT_EQ(po.RightMargin(), 797 - 25);
    EXPECT_EQ(po.BottomMargin(), 1123 - 35);
    po.SetMargins(5, 900, 5, 700);  // inside the unprintable edge: clamped
    EXPECT_EQ(po.TopMargin(), 30);
    EXPECT_EQ(po.LeftMargin(), 20);
    EXPECT_EQ(po.BottomMargin(), 900);
    EXPECT_EQ(po.RightMargin(), 700);
    po.EndReport();
}
