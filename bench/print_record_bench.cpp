// Recording a long report: 1,000 pages of about 300 graphic and state
// commands each (lines, columns, fonts, new lines, the logo handed in as a
// fresh picture on every page).  Targets: under 0.2 s, peak memory under
// 100 MB; the logo is held once.
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

QImage makeLogo()
{
    QImage img(400, 130, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(x & 0xFF, (x + y) & 0xFF, 160));
    return img;
}

struct Result {
    double ms = 0;
    int pages = 0;
    long commands = 0;
    int pictures = 0;
};

Result recordOnce(const QImage& logo)
{
    constexpr int kPages = 1000;
    constexpr int kRows = 48;
    TPrintObject po;
    po.SetMeasurement(mtMM);
    po.SetPaperSize(PAPER_A4);
    po.SetUseLargeFontAdjust(false);
    po.Start();
    po.SetAutomaticPaging(false);
    QElapsedTimer t;
    t.start();
    for (int p = 0; p < kPages; ++p) {
        po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
        // A picture object of its own on every page, as loading the file
        // for each page gives.
        po.DrawGraphic(TPicture(logo.copy()), 75.5, 0.0, 40.0, 13.0);
        po.SetFontName(QStringLiteral("Arial"));
        po.SetFontSize(10);
        po.SetFontStyle(0);
        const double cols[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
        for (int c = 0; c < 7; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
        po.SetDetail(80.0, 276.0);
        po.StartPageBody();
        for (int r = 0; r < kRows; ++r) {
            po.NewLine();
            const double y = po.GetY();
            po.DrawLine(1, 0.0, y - 1.0, 192.0, y - 1.0);
            po.SetFontStyle(r % 3 == 0 ? fsBold : 0);
            po.SetBrushColor(r % 2 ? clWhite : RGBToColor(235, 235, 235));
            po.SetLineWidth(1);
            po.SetPenColor(clBlack);
        }
        if (p + 1 < kPages) po.NewPage();
    }
    Result res;
    res.ms = t.nsecsElapsed() / 1e6;
    res.pages = po.Pages()->PageCount();
    for (int p = 1; p <= res.pages; ++p) res.commands += po.Pages()->GetPage(p)->Count();
    res.pictures = po.Pages()->PictureCount();
    po.Quit();
    return res;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage logo = makeLogo();
    const long before = peakKb();
    double best = 1e9;
    Result r;
    for (int run = 0; run < 5; ++run) {
        r = recordOnce(logo);
        best = std::min(best, r.ms);
    }
    const double peakMb = peakKb() / 1024.0;
    std::printf("recorded %d pages, %ld commands (%.0f per page)\n", r.pages, r.commands,
                double(r.commands) / std::max(1, r.pages));
    std::printf("record:        %8.1f ms  (target < 200 ms) %s\n", best, best < 200 ? "ok" : "SLOW");
    std::printf("peak memory:   %8.1f MB  (target < 100 MB; %.1f MB before recording) %s\n", peakMb,
                before / 1024.0, peakMb < 100 ? "ok" : "TOO MUCH");
    std::printf("pictures held: %d\n", r.pictures);
    return (best < 200 && peakMb < 100 && r.pictures == 1) ? 0 : 2;
}
