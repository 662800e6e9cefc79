// The drawing surfaces: fonts measured alike everywhere, and the pixel
// conventions of the image surface.
#include "platform/Canvas.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TFont font(const QString& name, int points, TFontStyles style = 0)
{
    TFont f;
    f.SetName(name);
    f.SetSize(points);
    f.SetStyle(style);
    return f;
}

bool isInk(const QImage& img, int x, int y)
{
    return img.pixel(x, y) != qRgb(255, 255, 255);
}

}  // namespace

TEST(Canvas, MeasureCanvasPageFromPaper)
{
    TMeasureCanvas c;
    c.SetPaper(8.3, 11.7, false);
    EXPECT_EQ(c.PageSize(), QSize(797, 1123));
    c.SetPaper(8.3, 11.7, true);
    EXPECT_EQ(c.PageSize(), QSize(1123, 797));
    EXPECT_EQ(c.PixelsPerInchX(), 96);
    EXPECT_EQ(c.PixelsPerInchY(), 96);
    EXPECT_EQ(c.PrintableOffset(), QPoint(0, 0));
}

TEST(Canvas, FontsMeasureTheSameOnEverySurface)
{
    TMeasureCanvas m;
    m.Font() = font(QStringLiteral("Arial"), 10);
    EXPECT_EQ(m.TextHeight(QStringLiteral("A")), 15);
    TImageCanvas img(QSize(797, 1123), 0.52);
    img.Font() = font(QStringLiteral("Arial"), 10);
    const QString text = QStringLiteral("Druckverlustberechnungen 123,45 Pa");
    EXPECT_EQ(img.TextWidth(text), m.TextWidth(text));
    EXPECT_EQ(img.TextHeight(text), m.TextHeight(text));
    EXPECT_GT(m.TextWidth(text), 150);
    EXPECT_EQ(m.TextWidth(QString()), 0);
    // MS Sans Serif and a face that is not installed measure as Arial.
    TMeasureCanvas ms;
    ms.Font() = font(QStringLiteral("MS Sans Serif"), 10);
    EXPECT_EQ(ms.TextWidth(text), m.TextWidth(text));
    ms.Font() = font(QStringLiteral("No Such Face"), 10);
    EXPECT_EQ(ms.TextWidth(text), m.TextWidth(text));
    // Times New Roman is a face of its own, and bold is wider.
    ms.Font() = font(QStringLiteral("Times New Roman"), 10);
    EXPECT_NE(ms.TextWidth(text), m.TextWidth(text));
    ms.Font() = font(QStringLiteral("Arial"), 10, fsBold);
    EXPECT_GT(ms.TextWidth(text), m.TextWidth(text));
    EXPECT_EQ(TCanvas::MapFace(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(TCanvas::MapFace(QStringLiteral("arial")), QStringLiteral("Liberation Sans"));
}

TEST(Canvas, RectangleExcludesRightAndBottomEdge)
{
    TImageCanvas c(QSize(100, 100));
    c.Brush().SetColor(clBlack);
    c.FillRect(QRect(QPoint(10, 10), QPoint(19, 19)));
    const QImage& img = c.Image();
    EXPECT_TRUE(isInk(img, 10, 10));
    EXPECT_TRUE(isInk(img, 19, 19));
    EXPECT_FALSE(isInk(img, 20, 15));
    EXPECT_FALSE(isInk(img, 15, 20));
    EXPECT_FALSE(isInk(img, 9, 15));

    TImageCanvas r(QSize(100, 100));
    r.Brush().SetColor(clRed);
    r.Rectangle(10, 10, 20, 20);
    EXPECT_TRUE(isInk(r.Image(), 10, 10));
    EXPECT_TRUE(isInk(r.Image(), 19, 19));
    EXPECT_FALSE(isInk(r.Image(), 20, 20));
    EXPECT_FALSE(isInk(r.Image(), 20, 10));
    EXPECT_EQ(r.Image().pixel(19, 15), qRgb(0, 0, 0));  // the outline in the pen colour
    EXPECT_EQ(r.Image().pixel(15, 15), qRgb(255, 0, 0));
}

TEST(Canvas, LineToLeavesOutItsEndPixel)
{
    TImageCanvas c(QSize(50, 50));
    c.Pen().SetWidth(0);
    c.MoveTo(5, 10);
    c.LineTo(15, 10);
    EXPECT_EQ(c.PenPos(), QPoint(15, 10));
    EXPECT_TRUE(isInk(c.Image(), 5, 10));
    EXPECT_TRUE(isInk(c.Image(), 14, 10));
    EXPECT_FALSE(isInk(c.Image(), 15, 10));
    EXPECT_FALSE(isInk(c.Image(), 10, 11));
    c.MoveTo(30, 5);
    c.LineTo(30, 20);
    EXPECT_TRUE(isInk(c.Image(), 30, 5));
    EXPECT_TRUE(isInk(c.Image(), 30, 19));
    EXPECT_FALSE(isInk(c.Image(), 30, 20));
}

TEST(Canvas, QuarterArcStaysInItsQuadrant)
{
    TImageCanvas c(QSize(100, 100));
    // Counter-clockwise from the ray to the right to the ray upwards: the
    // upper right quarter of the circle.
    c.Arc(20, 20, 80, 80, 90, 50, 50, 10);
    const QImage& img = c.Image();
    int inQuadrant = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (isInk(img, x, y)) (x >= 49 && y <= 51 ? inQuadrant : outside)++;
    EXPECT_GT(inQuadrant, 30);
    EXPECT_EQ(outside, 0);
}

TEST(Canvas, TextCellTopAtY)
{
    TImageCanvas c(QSize(200, 100));
    c.Font() = font(QStringLiteral("Arial"), 10);
    c.Brush().SetColor(clYellow);
    c.TextOut(10, 40, QStringLiteral("Hg"));
    const QImage& img = c.Image();
    const int h = c.TextHeight(QStringLiteral("Hg"));
    // The opaque cell starts at Y and is one text height tall.
    EXPECT_EQ(img.pixel(10, 40), qRgb(255, 255, 0));
    EXPECT_FALSE(isInk(img, 10, 39));
    EXPECT_FALSE(isInk(img, 10, 40 + h));
    // Ink of the letters lies inside the cell.
    int top = 1000, bottom = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            const QRgb p = img.pixel(x, y);
            if (p != qRgb(255, 255, 255) && p != qRgb(255, 255, 0)) {
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    EXPECT_GE(top, 40);
    EXPECT_LE(top, 44);
    EXPECT_LT(bottom, 40 + h);
}

TEST(Canvas, TransparentTextLeavesBackground)
{
    TImageCanvas c(QSize(200, 100));
    c.Font() = font(QStringLiteral("Arial"), 10);
    c.Brush().SetColor(clYellow);
    c.Brush().SetStyle(bsClear);
    c.TextOut(10, 40, QStringLiteral("Hg"));
    EXPECT_EQ(c.Image().pixel(10, 40), qRgb(255, 255, 255));
}

TEST(Canvas, ZoomScalesThePage)
{
    TImageCanvas c(QSize(200, 100), 0.5);
    EXPECT_EQ(c.Image().size(), QSize(100, 50));
    c.Brush().SetColor(clBlack);
    c.FillRect(QRect(QPoint(100, 40), QPoint(139, 59)));
    EXPECT_TRUE(isInk(c.Image(), 50, 20));
    EXPECT_TRUE(isInk(c.Image(), 69, 29));
    EXPECT_FALSE(isInk(c.Image(), 70, 30));
    EXPECT_FALSE(isInk(c.Image(), 49, 25));
}

TEST(Canvas, FloodFillBoundedByBorderOrReplacingSurface)
{
    TImageCanvas c(QSize(60, 60));
    c.Brush().SetStyle(bsClear);
    c.Rectangle(10, 10, 30, 30);  // black outline only
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clRed);
    c.FloodFill(20, 20, clBlack, fsBorder);
    EXPECT_EQ(c.Image().pixel(20, 20), qRgb(255, 0, 0));
    EXPECT_EQ(c.Image().pixel(11, 11), qRgb(255, 0, 0));
    EXPECT_EQ(c.Image().pixel(10, 20), qRgb(0, 0, 0));
    EXPECT_EQ(c.Image().pixel(40, 40), qRgb(255, 255, 255));
    c.Brush().SetColor(clBlue);
    c.FloodFill(45, 45, clWhite, fsSurface);
    EXPECT_EQ(c.Image().pixel(45, 45), qRgb(0, 0, 255));
    EXPECT_EQ(c.Image().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(c.Image().pixel(20, 20), qRgb(255, 0, 0));
}

#include <QRawFont>

// The font file itself, at points x 96 / 72 pixels, gives the widths the
// measuring surface reports (each advance in whole pixels), whatever the
// screen's resolution.
TEST(Canvas, WidthsComeFromTheFaceAtTheUnroundedPixelSize)
{
    const QString path = QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    QRawFont raw(path, 10 * 96 / 72.0, QFont::PreferNoHinting);
    ASSERT_TRUE(raw.isValid());
    TMeasureCanvas m;
    m.Font() = font(QStringLiteral("Arial"), 10);
    for (const QString& text : {QStringLiteral("Strombauberechnung"), QStringLiteral("Druckverlust 123,45 Pa"),
                                QStringLiteral("WWWWiiii")}) {
        const QList<quint32> glyphs = raw.glyphIndexesForString(text);
        const QList<QPointF> adv = raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
        double w = 0;
        for (const QPointF& a : adv) w += std::round(a.x());
        EXPECT_EQ(m.TextWidth(text), qRound(w)) << text.toStdString();
    }
    // Each advance in whole pixels: 11 + 4 + 4 + 7, where the exact sum would round to 27.
    EXPECT_EQ(m.TextWidth(QStringLiteral("m³/h")), 26);
    EXPECT_EQ(m.TextHeight(QStringLiteral("A")), qRound(raw.ascent() + raw.descent()));
}

TEST(Canvas, UnderlineStaysInTheTextCell)
{
    TImageCanvas c(QSize(300, 120));
    c.Font() = font(QStringLiteral("Arial"), 16, fsBold | fsUnderline);
    c.Brush().SetStyle(bsClear);
    c.TextOut(10, 40, QStringLiteral("Seite 3 von 7"));
    const int w = c.TextWidth(QStringLiteral("Seite 3 von 7"));
    const int h = c.TextHeight(QStringLiteral("Seite 3 von 7"));
    int left = 1000, right = -1, top = 1000, bottom = -1;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x)
            if (isInk(c.Image(), x, y)) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    EXPECT_GE(left, 10);
    EXPECT_LE(right, 10 + w);
    EXPECT_GE(top, 40);
    EXPECT_LT(bottom, 40 + h);
    // The bar runs under the whole text, below the baseline.
    const int ascent = c.TextMetrics().Ascent;
    int barRow = -1;
    for (int y = 40 + ascent; y < 40 + h && barRow < 0; ++y)
        if (isInk(c.Image(), 10 + w / 2, y) && isInk(c.Image(), 11, y) && isInk(c.Image(), 10 + w - 2, y)) barRow = y;
    EXPECT_GE(barRow, 40 + ascent);
}

#include <QTemporaryDir>

TEST(Canvas, PictureFromFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage img(40, 13, QImage::Format_RGB32);
    img.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(img.save(dir.filePath(QStringLiteral("Logo.bmp")), "BMP"));
    TPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(dir.filePath(QStringLiteral("Logo.bmp"))));
    EXPECT_EQ(pic.kind(), TPicture::Bitmap);
    EXPECT_EQ(pic.Width(), 40);
    EXPECT_EQ(pic.Height(), 13);
    EXPECT_EQ(pic.Image().pixel(3, 3), qRgb(10, 20, 30));
    pic.SetSize(80, 26);  // the holder on the screen, not the picture
    EXPECT_EQ(pic.Image().size(), QSize(40, 13));
    if (img.save(dir.filePath(QStringLiteral("Main.ico")), "ICO")) {
        TPicture icon;
        ASSERT_TRUE(icon.LoadFromFile(dir.filePath(QStringLiteral("Main.ico"))));
        EXPECT_EQ(icon.kind(), TPicture::Icon);
    }
    // A missing or damaged file leaves an empty picture.
    EXPECT_FALSE(pic.LoadFromFile(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_TRUE(pic.IsEmpty());
    QFile bad(dir.filePath(QStringLiteral("bad.bmp")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM not really a picture");
    bad.close();
    EXPECT_FALSE(pic.LoadFromFile(bad.fileName()));
    EXPECT_TRUE(pic.IsEmpty());
}
