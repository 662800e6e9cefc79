// A report-like job printed to PDF through the print dialog, read back with
// the poppler tools: pages, title, where the texts and the pictures landed.
#include "common/PdfWords.h"
#include "common/TestSupport.h"
#include "platform/Printer.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace pdftest;

TPicture Logo()
{
    QImage img(400, 130, QImage::Format_RGB32);
    img.fill(qRgb(20, 60, 160));
    for (int y = 20; y < 110; ++y)
        for (int x = 30; x < 370; x += 40) img.setPixel(x, y, qRgb(255, 255, 255));
    return TPicture(img);
}

TFont Arial(int size, TFontStyles style = 0)
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(size);
    f.SetStyle(style);
    return f;
}

// The report's page frame, as the report draws it on every page.
void Frame(TPrintObject& po)
{
    po.SetMeasurement(mtMM);
    po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    po.SetHeaderDim(0, 1, 0.0, 0.0, 192.0, 20.0, int(RGBToColor(235, 235, 235)));
    po.SetDetail(23.0, 265.0);
    po.StartPageBody();
    // The logo is loaded anew for every page.
    po.DrawGraphic(Logo(), double(qRound(po.GetPageWidth())) / 2 - 30, 0.0, 40.0, 13.0);
    po.SetHeaderInf(1, QStringLiteral("Strombauberechnung"), 13.0, 1, Arial(16, fsBold));
    po.SetFontName(QStringLiteral("Arial"));
    po.SetFontSize(10);
    po.SetFontStyle(0);
    po.SetColumn(1, 0.0, 15.0);
    po.SetColumn(2, po.GetColumnRight(1), 60.0);
    po.WriteColumn(1, QStringLiteral("Tel:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("0221 4711"), -2.0, 0, 0.0);
    po.NewLine();
    po.WriteColumn(1, QStringLiteral("Fax:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("0221 4712"), -2.0, 0, 0.0);
    po.NewLines(2);
    po.WriteColumn(1, QStringLiteral("Projekt:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("Lüftung Halle 3"), -2.0, 0, 0.0);
    po.NewLines(2);
    double y = po.GetY();
    po.DrawLine(1, 0.0, y - 1.0, 192.0, y - 1.0);
    po.SetColumn(5, 80.0, 96.0);
    po.WriteColumn(1, QStringLiteral("Vorgaben"), -2.0, 0, 0.0);
    po.WriteColumn(5, QStringLiteral("Ergebnisse"), -2.0, 0, 0.0);
    y = po.GetY();
    po.DrawLine(1, 0.0, y + 5.0, 192.0, y + 5.0);
    po.NewLines(1);
    po.SetFooterDim(0, 0, 0.0, 267.0, 192.0, 277.0, int(RGBToColor(230, 235, 235)));
    TFont footer = Arial(8);
    po.SetFooterInf(1, QStringLiteral("Planungsbüro Muster, Hauptstraße 1, Köln"), 267.0, 0, footer);
    footer.SetSize(6);
    po.SetFooterInf(2, QStringLiteral("Alle Angaben sind unverbindlich."), 277.0 - po.GetLineHeight(), 0, footer);
    po.DrawLine(1, 0.0, 266.5, 192.0, 266.5);
    footer.SetSize(8);
    po.SetPageNumber(QStringLiteral("Seite %d"), 1, 277.0 - (po.GetLineHeight() - 5.0), true, footer);
    po.SetDetail(80.0, 276.0);
    po.StartPageBody();
}

void ReportColumns(TPrintObject& po)
{
    const double cols[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
    for (int c = 0; c < 7; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
}

// One section block: a name and rows of captions, values and units.
void Section(TPrintObject& po, int k)
{
    po.SetFontStyle(fsUnderline);
    po.WriteColumnLeft(1, QStringLiteral("Teilstrecke %1").arg(k), -2.0);
    po.SetFontStyle(0);
    po.NewLines(1);
    for (int row = 0; row < 4; ++row) {
        po.WriteColumn(1, QStringLiteral("Eingabe %1").arg(row + 1), -2.0, 0, 0.0);
        po.WriteColumn(2, QStringLiteral("%1,%2").arg(100 + k * 7 + row).arg(row * 11 % 100, 2, 10, QLatin1Char('0')),
                       -2.0, 2, 0.0);
        po.WriteColumn(3, QStringLiteral("m"), -2.0, 0, 0.0);
        po.WriteColumn(4, QStringLiteral("Ergebnis %1").arg(row + 1), -2.0, 0, 0.0);
        po.WriteColumn(5, QStringLiteral("%1,5").arg(k * 13 + row), -2.0, 2, 0.0);
        po.WriteColumn(6, QStringLiteral("Pa"), -2.0, 0, 0.0);
        po.NewLines(1);
    }
    const double y = po.GetY();
    po.DrawLine(1, 0.0, y + 2.0, 192.0, y + 2.0);
    po.NewLines(1);
    if (po.GetLinesLeft() < 5) po.NewPage();
}

}  // namespace

TEST(PdfOutput, TwelvePagesThroughThePrintDialog)
{
    for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages", "pdftoppm"})
        ASSERT_FALSE(RunTool(QStringLiteral("which"), {QString::fromLatin1(tool)}).isEmpty()) << tool << " is missing";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));

    TPrintObject po;
    po.SetMeasurement(mtMM);
    po.SetOrientation(0);
    po.SetPaperSize(PAPER_A4);
    po.SetPreview(false);
    po.SetPrintPageNumbers(true);
    po.SetShowTotalPages(true);
    po.SetClipColumns(true);
    po.SetShowPrintDialog(true);
    po.SetUseLargeFontAdjust(false);
    po.SetTitle(QStringLiteral("Druckverlustberechnungen drucken"));
    po.OnNewPage = [&](QObject*) {
        if (po.GetPageNumber() < 1) return;
        Frame(po);
        ReportColumns(po);
        po.StartPageBody();
    };
    ScriptedAnswerer::instance().expectPrintDialog([&](PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, 12);
        EXPECT_EQ(r.paperCode, 9);
        r.printerName = TPrinter::PdfPrinterName();
        r.pdfFileName = pdf;
        r.printRange = false;
        return true;
    });

    ASSERT_TRUE(po.Start());
    Frame(po);
    ReportColumns(po);
    po.StartPageBody();
    po.SetFont(Arial(10, fsBold));
    po.SetFontStyle(0);
    for (int k = 1; po.GetPageNumber() < 12 || po.GetLinesLeft() > 20; ++k) Section(po, k);
    // The logo once more, centred on the paper.
    po.DrawGraphic(Logo(), -1.0, 150.0, 40.0, 13.0);
    po.EndReport();

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+12\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Druckverlustberechnungen drucken"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    const std::vector<Word> words = Words(pdf);
    ASSERT_FALSE(words.empty());
    // The margins as recorded: 10 mm in, and 8 mm short of the measured
    // paper width (8.3 inches at 96 dpi).
    const double left = 10.0, right = 797.0 / 96 * 25.4 - 8.0;
    for (int page = 1; page <= 12; ++page) {
        SCOPED_TRACE(page);
        std::vector<const Word*> onPage;
        for (const Word& w : words)
            if (w.page == page) onPage.push_back(&w);
        // "Seite n von 12" exactly once, centred between the margins.
        int found = 0;
        for (size_t i = 0; i + 3 < onPage.size(); ++i) {
            if (onPage[i]->text != QLatin1String("Seite") || onPage[i + 1]->text != QString::number(page)
                || onPage[i + 2]->text != QLatin1String("von") || onPage[i + 3]->text != QLatin1String("12"))
                continue;
            ++found;
            const double centre = (onPage[i]->xMin + onPage[i + 3]->xMax) / 2;
            EXPECT_NEAR(centre, (left + right) / 2, 0.5);
        }
        EXPECT_EQ(found, 1);
        for (const Word* w : onPage) {
            if (w->text == QLatin1String("Strombauberechnung")) EXPECT_NEAR(w->yMin, 23.0, 0.5);
            // The body ends at 276 mm; the footer starts below it.
            if (w->yMin < 276.5) EXPECT_LE(w->yMax, 276.3) << w->text.toStdString();
            // Values end 4 pixels (at 96 dpi) before their column's edge.
            static const QRegularExpression value(QStringLiteral("^\\d+,\\d+$"));
            if (value.match(w->text).hasMatch() && w->yMin > 85.0) {
                const double edge = w->xMax > 150 ? left + 179.0 : left + 83.0;
                EXPECT_NEAR(w->xMax, edge - 4 * 25.4 / 96, 0.3) << w->text.toStdString();
            }
        }
    }

    // One picture object however often the logo was drawn, as many dots
    // per inch across as down.
    const QStringList images =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n')).mid(2);
    QSet<QString> objects;
    int uses = 0;
    for (const QString& line : images) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() < 14 || f[2] != QLatin1String("image")) continue;
        ++uses;
        objects.insert(f[10]);
        EXPECT_EQ(f[12], f[13]) << line.toStdString();
        EXPECT_NEAR(f[12].toDouble(), 254.0, 1.0);
    }
    EXPECT_EQ(uses, 12 + 1 + 1);  // every page, page 1 framed twice, the centred one
    EXPECT_EQ(objects.size(), 1);

    // The centred logo on the last page: its middle is the paper's middle.
    const QString png = dir.filePath(QStringLiteral("last"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                                      QStringLiteral("12"), QStringLiteral("-l"), QStringLiteral("12"),
                                      QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
    QImage last(png + QStringLiteral(".png"));
    ASSERT_FALSE(last.isNull());
    const double pxPerMm = 100 / 25.4;
    const int row = int((160.0 + 3.0) * pxPerMm);
    int first = -1, lastX = -1;
    for (int x = 0; x < last.width(); ++x) {
        const QColor c = last.pixelColor(x, row);
        if (c.blue() > 120 && c.red() < 60) {
            if (first < 0) first = x;
            lastX = x;
        }
    }
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + lastX + 1) / 2.0 / pxPerMm, 210.0 / 2, 0.5);
    EXPECT_NEAR((lastX + 1 - first) / pxPerMm, 40.0, 0.5);
    if (!qEnvironmentVariableIsEmpty("SB_GRAB_DIR")) QFile::copy(pdf, qEnvironmentVariable("SB_GRAB_DIR") + "/bericht.pdf");
}
