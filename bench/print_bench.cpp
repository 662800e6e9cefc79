// A long report through the whole print engine: 1,000 pages of report-like
// content (the page frame with its logo, two to three section blocks with
// their rows and fitting lists, about 180 texts a page) recorded, prepared
// for replay, one page drawn into a 100 % image, and all pages printed to
// PDF; beside it a baseline that draws the same texts and lines with a
// plain QPainter into a PDF.
// Targets: record under 0.5 s, page states under 0.3 s, PDF under 3 s and
// at most 1.3 x the baseline, one page under 10 ms, peak memory under
// 200 MB.
#include "platform/Printer.h"
#include "print/PreviewWindow.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

long PeakMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

QImage LogoImage()
{
    QImage img(400, 130, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(20 + x % 40, 60, 160 + y % 60));
    return img;
}

TFont Arial(int size, TFontStyles style = 0)
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(size);
    f.SetStyle(style);
    return f;
}

const QImage& Logo()
{
    static const QImage logo = LogoImage();
    return logo;
}

// The page frame of the report, drawn for every page.
void Frame(TPrintObject& po)
{
    po.SetMeasurement(mtMM);
    po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    po.SetHeaderDim(0, 1, 0.0, 0.0, 192.0, 20.0, int(RGBToColor(235, 235, 235)));
    po.SetDetail(23.0, 265.0);
    po.StartPageBody();
    // Loaded anew for every page, as the report does.
    po.DrawGraphic(TPicture(Logo().copy()), 75.0, 0.0, 40.0, 13.0);
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
    const double cols[5][2] = {{0, 15}, {15, 107}, {122, 14}, {136, 55}, {80, 96}};
    for (int c = 0; c < 5; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
    const char* lines[5][3] = {{"Ingenieurbüro Nord", "Datum:", "09.12.2026"},
                               {"Herr Beispiel", "von:", "Planungsbüro Muster"},
                               {"Hafenstraße 12", "Tel:", "0221 4711"},
                               {"20457 Hamburg", "Fax:", "0221 4712"},
                               {"", "eMail:", "info@example.com"}};
    po.WriteColumn(1, QStringLiteral("An:"), -2.0, 0, 0.0);
    for (const auto& l : lines) {
        po.WriteColumn(2, QString::fromUtf8(l[0]), -2.0, 0, 0.0);
        po.WriteColumn(3, QString::fromUtf8(l[1]), -2.0, 0, 0.0);
        po.WriteColumn(4, QString::fromUtf8(l[2]), -2.0, 0, 0.0);
        po.NewLine();
    }
    po.NewLines(1);
    po.WriteColumn(1, QStringLiteral("Projekt:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("Lüftung Halle 3"), -2.0, 0, 0.0);
    po.NewLines(2);
    double y = po.GetY();
    po.DrawLine(1, 0.0, y - 1.0, 192.0, y - 1.0);
    po.WriteColumn(1, QStringLiteral("Vorgaben"), -2.0, 0, 0.0);
    po.WriteColumn(5, QStringLiteral("Ergebnisse"), -2.0, 0, 0.0);
    y = po.GetY();
    po.DrawLine(1, 0.0, y + 5.0, 192.0, y + 5.0);
    po.NewLines(1);
    po.SetFooterDim(0, 0, 0.0, 267.0, 192.0, 277.0, int(RGBToColor(230, 235, 235)));
    TFont footer = Arial(8);
    po.SetFooterInf(1, QStringLiteral("Planungsbüro Muster, Hauptstraße 1, Köln"), 267.0, 0, footer);
    footer.SetSize(6);
    po.SetFooterInf(2, QStringLiteral("Alle Angaben sind unverbindlich und können ohne vorherige Nachricht geändert werden."),
                    277.0 - po.GetLineHeight(), 0, footer);
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

// A section block: its name, six rows of inputs and results, the total in
// bold, and the list of its fittings.
void Section(TPrintObject& po, TFont& body, int k)
{
    body.SetStyle(fsUnderline);
    po.SetFont(body);
    po.WriteColumnLeft(1, QStringLiteral("Teilstrecke %1").arg(k), -2.0);
    body.SetStyle(0);
    po.SetFont(body);
    po.NewLines(1);
    static const char* in[6] = {"Volumenstrom", "Teilstreckenlänge", "Materialart", "Kanalform", "Durchmesser", ""};
    static const char* out[6] = {"Strömungsgeschwindigkeit", "hydr. Durchmesser", "Querschnittsfläche",
                                 "Druckverl. Rohr", "Druckverl. Einb./Formst.", "Druckverl. Teilstr. gesamt"};
    static const char* units[6] = {"m/s", "m", "m²", "Pa", "Pa", "Pa"};
    for (int row = 0; row < 6; ++row) {
        if (row == 5) {
            body.SetStyle(fsBold);
            po.SetFont(body);
        }
        if (*in[row]) {
            po.WriteColumn(1, QString::fromUtf8(in[row]), -2.0, 0, 0.0);
            po.WriteColumn(2, QStringLiteral("%1,%2").arg(100 + k % 900).arg(row * 17 % 100, 2, 10, QLatin1Char('0')),
                           -2.0, 2, 0.0);
            po.WriteColumn(3, QStringLiteral("mm"), -2.0, 0, 0.0);
        }
        po.WriteColumn(4, QString::fromUtf8(out[row]), -2.0, 0, 0.0);
        po.WriteColumn(5, QStringLiteral("%1,%2").arg(k % 97 + row).arg(k % 100, 2, 10, QLatin1Char('0')), -2.0, 2, 0.0);
        po.WriteColumn(6, QString::fromUtf8(units[row]), -2.0, 0, 0.0);
        po.NewLines(1);
    }
    body.SetStyle(0);
    po.SetFont(body);
    po.NewLines(1);
    if (po.GetLinesLeft() < 5) po.NewPage();
    body.SetStyle(fsUnderline);
    po.SetFont(body);
    po.WriteColumn(7, QStringLiteral("Liste der Einbauten und Formstücke:"), -2.0, 0, 0.0);
    body.SetStyle(fsItalic | fsUnderline);
    po.SetFont(body);
    po.NewLines(1);
    po.WriteColumn(1, QStringLiteral("Einbau/Formstück"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("Zeta"), -2.0, 2, 0.0);
    po.WriteColumn(3, QStringLiteral("Anzahl"), -2.0, 2, 0.0);
    body.SetStyle(0);
    po.SetFont(body);
    po.NewLines(1);
    static const char* fittings[6] = {"Bogen rund, glatt", "Bogen segmentiert", "Abzweig 90°",
                                      "Reduzierung, konisch", "Verschlußklappe", "Kanal-Schalldämpfer"};
    for (int i = 0; i < 12; ++i) {
        po.WriteColumn(1, QString::fromUtf8(fittings[(i + k) % 6]), -2.0, 0, 0.0);
        po.WriteColumn(2, QStringLiteral("0,%1").arg((i * 7 + k) % 90 + 10), -2.0, 2, 0.0);
        po.WriteColumn(3, QString::number(i % 4 + 1), -2.0, 2, 0.0);
        po.NewLines(1);
    }
    const double y = po.GetY();
    po.DrawLine(1, 0.0, y + 2.0, 192.0, y + 2.0);
    po.DrawLine(1, 0.0, y + 3.0, 192.0, y + 3.0);
    po.NewLines(1);
    if (po.GetLinesLeft() < 5) po.NewPage();
}

// Times what happens when the preview would open: one page into an image,
// and the whole job to PDF, and the plain-painter baseline.
class BenchPreview : public TPreviewWindow {
public:
    QElapsedTimer* sinceEnd = nullptr;
    double prepareMs = 0, imageMs = 0, imageMaxMs = 0, pdfMs = 0, baselineMs = 0, baselineAllMs = 0;
    long texts = 0;
    QString pdfFile, baselineFile, baselineAllFile;
    TPrintObject* po = nullptr;

    void SetPrintObject(TPrintObject* p) override { po = p; }
    void SetOrientation(int) override {}
    void SetTexts(const QHash<int, QString>&) override {}
    int CurrentPage() const override { return 1; }
    void ShowModal(int) override
    {
        prepareMs = sinceEnd->nsecsElapsed() / 1e6;
        TPrnPages* pages = po->Pages();
        const QSize size(qRound(pages->PaperWidth * 96), qRound(pages->PaperHeight * 96));
        // One page into a 100 % image, several pages in turn.
        for (int n : {500, 1, 999, 250, 750, 2, 501, 1000}) {
            TImageCanvas canvas(size, 1.0);
            QElapsedTimer t;
            t.start();
            po->SetDrawingCanvas(&canvas);
            po->ReplayPage(pages->GetPage(n), n, true);
            po->SetDrawingCanvas(nullptr);
            const double ms = t.nsecsElapsed() / 1e6;
            imageMs += ms;
            imageMaxMs = std::max(imageMaxMs, ms);
        }
        imageMs /= 8;

        po->SetShowPrintDialog(false);
        po->Printer()->SetPrinterName(TPrinter::PdfPrinterName());
        po->Printer()->SetPdfFileName(pdfFile);
        QElapsedTimer t;
        t.start();
        po->PrintAllPages();
        pdfMs = t.nsecsElapsed() / 1e6;

        baselineMs = baseline(false, baselineFile);
        baselineAllMs = baseline(true, baselineAllFile);
    }

    // The recorded texts (and, with `all`, the lines and the logo) drawn
    // with a plain painter at the printer's resolution.
    double baseline(bool all, const QString& file)
    {
        TPrnPages* pages = po->Pages();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QElapsedTimer t;
        t.start();
        QPainter p(&printer);
        const double dpi = printer.resolution();
        texts = 0;
        for (int n = 1; n <= pages->PageCount(); ++n) {
            if (n > 1) printer.newPage();
            const TPrnPageList* page = pages->GetPage(n);
            for (int i = 1; i <= page->Count(); ++i) {
                const TPrnPrintCommand* c = page->GetCommand(i);
                if (c->Kind == PrnKind::Font) {
                    p.setFont(TCanvas::MakeFont(static_cast<const TPrnFont*>(c)->Font, int(dpi)));
                } else if (c->Kind == PrnKind::Text) {
                    auto tx = static_cast<const TPrnText*>(c);
                    p.drawText(QPointF(tx->X * dpi, tx->Y * dpi + p.fontMetrics().ascent()), tx->Text);
                    ++texts;
                } else if (all && c->Kind == PrnKind::Line) {
                    auto l = static_cast<const TPrnLine*>(c);
                    p.drawLine(QPointF(l->X1 * dpi, l->Y1 * dpi), QPointF(l->X2 * dpi, l->Y2 * dpi));
                } else if (all && c->Kind == PrnKind::Graphic) {
                    auto g = static_cast<const TPrnGraphic*>(c);
                    p.drawImage(QRectF(g->X * dpi, g->Y * dpi, g->Width * dpi, g->Height * dpi), g->Picture);
                }
            }
        }
        p.end();
        return t.nsecsElapsed() / 1e6;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QElapsedTimer sinceEnd;
    BenchPreview* preview = nullptr;
    SetPreviewFactory([&] {
        auto p = std::make_unique<BenchPreview>();
        preview = p.get();
        p->sinceEnd = &sinceEnd;
        p->pdfFile = dir.filePath(QStringLiteral("report.pdf"));
        p->baselineFile = dir.filePath(QStringLiteral("baseline.pdf"));
        p->baselineAllFile = dir.filePath(QStringLiteral("baseline-all.pdf"));
        return p;
    });

    TPrintObject po;
    po.SetMeasurement(mtMM);
    po.SetPaperSize(PAPER_A4);
    po.SetPreview(true);
    po.SetPrintPageNumbers(true);
    po.SetShowTotalPages(true);
    po.SetClipColumns(true);
    po.SetUseLargeFontAdjust(false);
    po.SetTitle(QStringLiteral("Druckverlustberechnungen drucken"));
    po.OnNewPage = [&](QObject*) {
        if (po.GetPageNumber() < 1) return;
        Frame(po);
        ReportColumns(po);
        po.StartPageBody();
    };

    QElapsedTimer t;
    t.start();
    po.Start();
    Frame(po);
    ReportColumns(po);
    po.StartPageBody();
    TFont body;
    body.SetSize(10);
    body.SetStyle(fsBold);
    po.SetFont(body);
    for (int k = 1; po.GetPageNumber() < 1000 || po.GetLinesLeft() > 40; ++k) Section(po, body, k);
    const double recordMs = t.nsecsElapsed() / 1e6;
    const int pages = po.Pages()->PageCount();
    long commands = 0;
    for (int n = 1; n <= pages; ++n) commands += po.Pages()->GetPage(n)->Count();

    if (argc > 1 && QByteArray(argv[1]) == "--record-only") {
        std::printf("record %.1f ms\n", recordMs);
        po.Quit();
        return 0;
    }
    sinceEnd.start();
    po.EndReport();

    std::printf("pages %d, commands %ld, texts %ld (%.0f a page), pictures held once\n", pages, commands,
                preview->texts, double(preview->texts) / pages);
    std::printf("record            %8.1f ms   (target < 500)\n", recordMs);
    std::printf("page states       %8.1f ms   (target < 300; last page and states before the preview)\n",
                preview->prepareMs);
    std::printf("one page, 100 %%   %8.2f ms   (max %.2f; target < 10)\n", preview->imageMs, preview->imageMaxMs);
    std::printf("PDF               %8.1f ms   (target < 3000), %lld KB\n", preview->pdfMs,
                QFileInfo(preview->pdfFile).size() / 1024);
    std::printf("baseline texts    %8.1f ms   ratio %.2f (target <= 1.30)\n", preview->baselineMs,
                preview->pdfMs / preview->baselineMs);
    std::printf("baseline all      %8.1f ms   ratio %.2f (texts, lines and the logo)\n", preview->baselineAllMs,
                preview->pdfMs / preview->baselineAllMs);
    std::printf("peak memory       %8ld MB   (target < 200)\n", PeakMb());
    SetPreviewFactory({});
    return 0;
}
