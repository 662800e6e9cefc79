// The page store: pages, counters, commands and shared pictures.
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage logoImage(int seed = 0)
{
    QImage img(40, 13, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, y * 19, 128));
    return img;
}

}  // namespace

TEST(PrnPages, OnePageJobCountersAndPageLookup)
{
    TPrintObject po;
    po.SetPreview(true);  // no preview window: EndReport prints nothing
    ASSERT_TRUE(po.Start());
    TPrnPages* pages = po.Pages();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->PageCounter, 1);
    EXPECT_EQ(pages->PrintFrom, 1);
    EXPECT_EQ(pages->PrintTo, 1);
    EXPECT_EQ(pages->GetPage(0), nullptr);
    EXPECT_NE(pages->GetPage(1), nullptr);
    EXPECT_EQ(pages->GetPage(2), nullptr);
    EXPECT_EQ(pages->GetPage(-3), nullptr);
    po.EndReport();
    EXPECT_EQ(po.Pages(), nullptr);
}

TEST(PrnPages, KindTwoOpensPageAndStoresNothing)
{
    TPrnPages pages;
    pages.NewPage();
    pages.AddSimple(PrnKind::NewLine);
    pages.AddSimple(PrnKind::PageBreak);
    ASSERT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.PagesCreated, 2);
    EXPECT_EQ(pages.GetPage(1)->Count(), 1);
    EXPECT_EQ(pages.GetPage(1)->GetCommand(1)->Kind, PrnKind::NewLine);
    EXPECT_EQ(pages.GetPage(2)->Count(), 0);
    EXPECT_EQ(pages.GetPage(1)->GetCommand(2), nullptr);
    EXPECT_EQ(pages.GetPage(1)->GetCommand(0), nullptr);
}

TEST(PrnPages, CommandWithoutPageIsDropped)
{
    TPrnPages pages;
    pages.AddLine(0, 0, 1, 1, 1);
    pages.AddSimple(PrnKind::StartPageBody);
    pages.AddGraphic(TPicture(logoImage()), 0, 0, 1, 1);
    EXPECT_EQ(pages.PageCount(), 0);
    EXPECT_EQ(pages.PictureCount(), 0);
}

TEST(PrnPages, ZoomTable)
{
    TPrnPages pages;
    EXPECT_DOUBLE_EQ(pages.ZoomScale(0), 0.52);
    EXPECT_DOUBLE_EQ(pages.ZoomScale(4), 1.00);
    EXPECT_DOUBLE_EQ(pages.ZoomScale(6), 1.36);
}

TEST(PrnPages, ClearResetsCounters)
{
    TPrnPages pages;
    pages.NewPage();
    pages.NewPage();
    pages.PrintFrom = pages.PrintTo = pages.PageCounter = 2;
    pages.Clear();
    EXPECT_EQ(pages.PageCount(), 0);
    EXPECT_EQ(pages.PagesCreated, 0);
    EXPECT_EQ(pages.PrintFrom, 0);
    EXPECT_EQ(pages.PrintTo, 0);
    EXPECT_EQ(pages.PageCounter, 0);
}

TEST(PrnPages, PictureKindsAndPrivateCopy)
{
    TPrnPages pages;
    pages.NewPage();
    QImage img = logoImage();
    pages.AddGraphic(TPicture(img, TPicture::Bitmap), 1, 2, 3, 4);
    pages.AddGraphic(TPicture(logoImage(5), TPicture::Icon), 1, 2, 3, 4);
    // The caller changing its picture afterwards does not reach the page.
    img.setPixel(0, 0, qRgb(1, 2, 3));
    const auto* bmp = static_cast<const TPrnGraphic*>(pages.GetPage(1)->GetCommand(1));
    const auto* ico = static_cast<const TPrnGraphic*>(pages.GetPage(1)->GetCommand(2));
    EXPECT_EQ(bmp->ImageType, 1);
    EXPECT_EQ(ico->ImageType, 2);
    EXPECT_EQ(bmp->Picture.pixel(0, 0), logoImage().pixel(0, 0));
    EXPECT_EQ(bmp->X, 1);
    EXPECT_EQ(bmp->Y, 2);
    EXPECT_EQ(bmp->Width, 3);
    EXPECT_EQ(bmp->Height, 4);
    EXPECT_EQ(pages.PictureCount(), 2);
}

TEST(PrnPages, LogoLoadedForEachOfThousandPagesIsHeldOnce)
{
    TPrnPages pages;
    for (int p = 0; p < 1000; ++p) {
        pages.NewPage();
        // A fresh image object with the same pixels, as loading the file
        // anew for every page gives.
        pages.AddGraphic(TPicture(logoImage().copy()), 0, 0, 1, 1);
    }
    EXPECT_EQ(pages.PictureCount(), 1);
    const auto* first = static_cast<const TPrnGraphic*>(pages.GetPage(1)->GetCommand(1));
    const auto* last = static_cast<const TPrnGraphic*>(pages.GetPage(1000)->GetCommand(1));
    EXPECT_EQ(first->Picture.constBits(), last->Picture.constBits());
    // Same size and format but one pixel different: a second picture.
    QImage other = logoImage();
    other.setPixel(39, 12, qRgb(0, 0, 0));
    pages.AddGraphic(TPicture(other), 0, 0, 1, 1);
    EXPECT_EQ(pages.PictureCount(), 2);
}

TEST(PrnPages, PolylineKeepsEveryPointAsDouble)
{
    TPrnPages pages;
    pages.NewPage();
    std::vector<QPointF> pts;
    for (int i = 0; i < 150; ++i) pts.emplace_back(i * 0.25, i * 0.125);
    pages.AddPolyline(pts);
    const auto* cmd = static_cast<const TPrnPolygon*>(pages.GetPage(1)->GetCommand(1));
    EXPECT_EQ(cmd->Kind, PrnKind::Polyline);
    ASSERT_EQ(cmd->PointCount(), 150);
    EXPECT_DOUBLE_EQ(cmd->Points[149].x(), 149 * 0.25);
    EXPECT_DOUBLE_EQ(cmd->Points[3].y(), 0.375);
}
