// The printer layer: the printers offered, the device settings, the PDF
// document, and the printer canvas's opaque text cells.
#include "common/PdfWords.h"
#include "platform/Printer.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pdftest;

TEST(Printer, QualityResolutions)
{
    EXPECT_EQ(QualityResolution(DMRES_HIGH, 1200), 1200);
    EXPECT_EQ(QualityResolution(DMRES_MEDIUM, 1200), 300);
    EXPECT_EQ(QualityResolution(DMRES_LOW, 1200), 150);
    EXPECT_EQ(QualityResolution(DMRES_DRAFT, 1200), 75);
    EXPECT_EQ(QualityResolution(600, 1200), 600);
}

TEST(Printer, PdfIsAlwaysOfferedAndSettingsStayInTheObject)
{
    TPrinter printer;
    const QStringList printers = printer.Printers();
    ASSERT_FALSE(printers.isEmpty());
    EXPECT_EQ(printers.last(), TPrinter::PdfPrinterName());
    EXPECT_FALSE(printer.PrinterName().isEmpty());
    TPrinterSettings s;
    ASSERT_TRUE(printer.GetSettings(s));
    s.paperCode = 11;  // A5
    s.orientation = DMORIENT_LANDSCAPE;
    s.copies = 2;
    s.quality = DMRES_DRAFT;
    printer.SetSettings(s);
    TPrinterSettings back;
    ASSERT_TRUE(printer.GetSettings(back));
    EXPECT_EQ(back, s);
    TPrinter other;  // the system's setup is untouched
    TPrinterSettings fresh;
    ASSERT_TRUE(other.GetSettings(fresh));
    EXPECT_NE(fresh.paperCode, 11);
    printer.SetTitle(QStringLiteral("Bericht/1"));
    EXPECT_TRUE(printer.PdfFileName().endsWith(QStringLiteral("Bericht_1.pdf")));
}

TEST(Printer, UnwritablePdfCannotBegin)
{
    TPrinter printer;
    printer.SetPrinterName(TPrinter::PdfPrinterName());
    printer.SetPdfFileName(QStringLiteral("/no/such/folder/x.pdf"));
    EXPECT_FALSE(printer.BeginDoc());
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.Canvas(), nullptr);
    EXPECT_TRUE(printer.ErrorText().contains(QStringLiteral("/no/such/folder/x.pdf")));
}

TEST(Printer, PdfDocumentWithPaperOrientationAndSheets)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    TPrinter printer;
    printer.SetPrinterName(TPrinter::PdfPrinterName());
    printer.SetPdfFileName(pdf);
    printer.SetTitle(QStringLiteral("Probe"));
    TPrinterSettings s;
    printer.GetSettings(s);
    s.paperCode = 11;  // A5
    s.orientation = DMORIENT_LANDSCAPE;
    s.quality = DMRES_MEDIUM;
    printer.SetSettings(s);
    ASSERT_TRUE(printer.BeginDoc());
    EXPECT_EQ(printer.PageNumber(), 1);
    TCanvas* c = printer.Canvas();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->PixelsPerInchX(), 300);
    // A5 landscape, no unprintable edges.
    EXPECT_NEAR(c->PageSize().width(), 210 / 25.4 * 300, 3);
    EXPECT_NEAR(c->PageSize().height(), 148 / 25.4 * 300, 3);
    EXPECT_EQ(c->PrintableOffset(), QPoint(0, 0));
    EXPECT_EQ(c->PrintableSize(), c->PageSize());
    printer.NewPage();
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 3);
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    const QString out = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Probe")));
    EXPECT_TRUE(out.contains(QStringLiteral("(A5)"))) << out.toStdString();
}

TEST(Printer, OpaqueTextCellsCoverWhatLiesBeneath)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cells.pdf"));
    TPrinter printer;
    printer.SetPrinterName(TPrinter::PdfPrinterName());
    printer.SetPdfFileName(pdf);
    TPrinterSettings s;
    printer.GetSettings(s);
    s.paperCode = 9;
    s.quality = DMRES_MEDIUM;  // 300 dpi: one device pixel a point at 300 / 72
    printer.SetSettings(s);
    ASSERT_TRUE(printer.BeginDoc());
    TCanvas* c = printer.Canvas();
    c->Font().SetName(QStringLiteral("Arial"));
    c->Font().SetSize(24);
    c->Brush().SetStyle(bsSolid);
    // A black bar, then a white opaque text over its left part: the cell
    // turns the bar white around the glyphs.
    c->Brush().SetColor(clBlack);
    c->FillRect(QRect(300, 300, 1200, 200));
    c->Brush().SetColor(clWhite);
    c->TextOut(300, 300, QStringLiteral("...."));
    // A white text where nothing lies, and a grey one that always shows.
    c->TextOut(300, 900, QStringLiteral("...."));
    c->Brush().SetColor(RGBToColor(128, 128, 128));
    c->TextOut(300, 1300, QStringLiteral("...."));
    printer.NewPage();
    // A new sheet starts clean: the bar of the first sheet is not there.
    c = printer.Canvas();
    c->Brush().SetColor(clWhite);
    c->TextOut(300, 300, QStringLiteral("...."));
    printer.EndDoc();

    const QImage p1 = PageImage(pdf, 1, 300, dir.filePath(QStringLiteral("page")));
    ASSERT_FALSE(p1.isNull());
    // Top of the cell (above the dots): white where the bar was.
    EXPECT_EQ(p1.pixelColor(310, 310).lightness(), 255);
    EXPECT_EQ(p1.pixelColor(1400, 310).lightness(), 0);  // the bar beyond the cell
    EXPECT_EQ(p1.pixelColor(310, 910).lightness(), 255);
    EXPECT_NEAR(p1.pixelColor(310, 1310).lightness(), 128, 3);
    const QImage p2 = PageImage(pdf, 2, 300, dir.filePath(QStringLiteral("page")));
    ASSERT_FALSE(p2.isNull());
    EXPECT_EQ(p2.pixelColor(310, 310).lightness(), 255);
    EXPECT_EQ(p2.pixelColor(1400, 310).lightness(), 255);
}
