// The pressure-loss report of a large project: the 1000 sections of the
// project benchmark (5 fittings and a further component each), calculated,
// recorded and written to a PDF file without any dialog.  Targets: under
// 2 s for the whole, under 300 MB peak memory.  Prints the page count and
// the time of each phase (best of three runs); a figure over its target
// prints "SLOW" and the benchmark exits with 2.
#include "BenchProjekt.h"
#include "app/Berechnung.h"
#include "app/Bericht.h"
#include "app/ProjektDatei.h"
#include "platform/Printer.h"
#include "platform/ProgramFolder.h"
#include "print/PrintObject.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

// The project of the project benchmark.
TProjekt bigProject()
{
    constexpr int kSections = 1000;
    TProjekt p;
    FillBenchProject(p, kSections);
    return p;
}

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

double msSince(const QElapsedTimer& t, qint64 from = 0) { return double(t.nsecsElapsed() - from) / 1e6; }

struct Phases {
    double calc = 0, record = 0, pdf = 0, total = 0;
    int pages = 0;
    qint64 pdfBytes = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    // A program folder with a logo, so that the logo is part of the run.
    SetProgramFolder(dir.path() + QLatin1Char('/'));
    QImage logo(300, 98, QImage::Format_RGB32);
    logo.fill(qRgb(0, 0, 255));
    logo.save(dir.filePath("Logo.bmp"), "BMP");

    const BenchValues werte;
    const TResourceMessageTexts texte;
    const QString pdf = dir.filePath("bericht.pdf");

    Phases best;
    best.total = 1e12;
    for (int run = 0; run < 3; ++run) {
        Phases ph;
        TProjekt p = bigProject();
        TUserdaten user;
        QElapsedTimer t;
        t.start();
        TSectionInputs shown;
        if (!CalculateAllSectionsCommand(p, shown, 0, werte)) {
            std::printf("calculation refused\n");
            return 1;
        }
        ph.calc = msSince(t);
        const qint64 recordStart = t.nsecsElapsed();
        qint64 recordEnd = 0;

        TStrombauBericht bericht(p, user, texte);
        bericht.Vorschau = false;
        bericht.UserdatenLesen = [](TUserdaten& u) {
            u.Firma = "Planungsbüro Muster";
            u.Strasse = "Hauptstraße 1";
            u.Ort = "Düsseldorf";
            u.Nutzer = "Hans Muster";
        };
        bericht.NachSetup = [&](TPrintObject& po) {
            // No print dialog: straight into the PDF file.
            po.SetShowPrintDialog(false);
            po.Printer()->SetPrinterName(TPrinter::PdfPrinterName());
            po.Printer()->SetPdfFileName(pdf);
            po.OnLastPage = [&](QObject*) { recordEnd = t.nsecsElapsed(); };
        };
        bericht.Run();
        ph.total = msSince(t);
        ph.record = double(recordEnd - recordStart) / 1e6;
        ph.pdf = ph.total - ph.calc - ph.record;
        ph.pages = bericht.RecordedPages();
        ph.pdfBytes = QFileInfo(pdf).size();
        if (ph.total < best.total) best = ph;
    }

    const double peakMb = double(peakKb()) / 1024.0;
    const bool slowTime = best.total >= 2000.0;
    const bool slowMem = peakMb >= 300.0;
    std::printf("report of 1000 sections: %d pages, PDF %.1f MB\n", best.pages, double(best.pdfBytes) / 1e6);
    std::printf("  calculate   %8.1f ms\n", best.calc);
    std::printf("  record      %8.1f ms\n", best.record);
    std::printf("  write PDF   %8.1f ms\n", best.pdf);
    std::printf("  total       %8.1f ms  (target < 2000 ms)  %s\n", best.total, slowTime ? "SLOW" : "ok");
    std::printf("  peak memory %8.1f MB  (target < 300 MB)   %s\n", peakMb, slowMem ? "SLOW" : "ok");
    return slowTime || slowMem ? 2 : 0;
}
