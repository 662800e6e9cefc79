// A report-like job printed to PDF through the print dialog, read back with
// the poppler tools: pages, title, where the texts and the pictures landed.
#include "common/PdfWords.h"
#include "common/ReportPages.h"
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
using namespace reportpages;

}  // namespace

TEST(PdfOutput, TwelvePagesThroughThePrintDialog)
{
    for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages", "pdftoppm"})
        ASSERT_FALSE(RunTool(QStringLiteral("which"), {QString::fromLatin1(tool)}).isEmpty()) << tool << " is missing";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));

    TPrintObject po;
    SetUpJob(po);
    po.SetOrientation(0);
    po.SetPreview(false);
    po.SetShowPrintDialog(true);
    ScriptedAnswerer::instance().expectPrintDialog([&](PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, 12);
        EXPECT_EQ(r.paperCode, 9);
        r.printerName = TPrinter::PdfPrinterName();
        r.pdfFileName = pdf;
        r.printRange = false;
        return true;
    });

    ASSERT_TRUE(po.Start());
    StartPage(po);
    TFont body = StartBody(po);
    Sections(po, body, 12);
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
            if (w->text == QLatin1String("Strombauberechnung")) {
                EXPECT_NEAR(w->yMin, 23.0, 0.5);
            }
            // The body ends at 276 mm; the footer starts below it.
            if (w->yMin < 276.5) {
                EXPECT_LE(w->yMax, 276.3) << w->text.toStdString();
            }
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
    const QImage last = PageImage(pdf, 12, 100, dir.filePath(QStringLiteral("last")));
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
