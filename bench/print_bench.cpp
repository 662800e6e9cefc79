// A long report through the whole print engine: 1,000 pages of report-like
// content (the page frame with its logo, two to three section blocks with
// their rows and fitting lists, about 180 texts a page) recorded, prepared
// for replay, one page drawn into a 100 % image, and all pages printed to
// PDF; beside it a baseline that draws the same texts and lines with a
// plain QPainter into a PDF.
// Targets: record under 0.5 s, page states under 0.3 s, PDF under 3 s and
// at most 1.3 x the baseline, one page under 10 ms, peak memory under
// 200 MB.
#include "../tests/common/ReportPages.h"
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
    reportpages::SetUpJob(po);
    po.SetPreview(true);

    QElapsedTimer t;
    t.start();
    po.Start();
    reportpages::StartPage(po);
    TFont body = reportpages::StartBody(po);
    reportpages::Sections(po, body, 1000);
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
