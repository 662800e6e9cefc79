// The preview of a long report: 370 pages of report-like content (a frame,
// the logo and about 180 texts a page).  Page Down 100 times, Home, End and
// a zoom change, each timed; targets: under 20 ms each (median and worst).
// Memory must not grow with the number of pages: the window holds five
// page pictures however long the report is.
#include "common/TestSupport.h"
#include "platform/Dialogs.h"
#include "print/PreviewForm.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

QImage makeLogo()
{
    QImage img(400, 130, QImage::Format_RGB32);
    img.fill(qRgb(30, 90, 160));
    return img;
}

void recordReport(TPrintObject& po, int pages, const QImage& logo)
{
    po.SetMeasurement(mtMM);
    po.SetPreview(true);
    po.SetStartPercent(P2_Sixty);
    po.SetPaperSize(PAPER_A4);
    po.SetUseLargeFontAdjust(false);
    po.SetTitle(QStringLiteral("Druckverlustberechnungen"));
    po.Start();
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(10);
    for (int p = 1; p <= pages; ++p) {
        if (p > 1) po.NewPage();
        po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
        po.SetDetail(80.0, 276.0);
        po.DrawGraphic(TPicture(logo), 75.5, 0.0, 40.0, 13.0);
        po.DrawLine(2, 0.0, 25.0, 192.0, 25.0);
        po.SetFont(font);
        const double cols[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
        for (int c = 0; c < 7; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
        po.StartPageBody();
        for (int row = 0; row < 30; ++row) {
            const double y = 82.0 + row * 6.2;
            po.WriteColumnLeft(1, QStringLiteral("Volumenstrom %1").arg(row), y);
            po.WriteColumnRight(2, QStringLiteral("%1,00").arg(p * 31 + row), y);
            po.WriteColumnLeft(3, QStringLiteral("m³/h"), y);
            po.WriteColumnLeft(4, QStringLiteral("Druckverlust %1").arg(row), y);
            po.WriteColumnRight(5, QStringLiteral("%1,%2").arg(row * 7).arg(p % 100), y);
            po.WriteColumnLeft(6, QStringLiteral("Pa"), y);
        }
    }
}

struct Times {
    std::vector<double> ms;
    double median() const
    {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

void key(QWidget* w, Qt::Key k, const QString& text = QString())
{
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

struct Run {
    Times pageDown, homeEnd, zoom;
    long rssShownKb = 0;
    long rssRecordedKb = 0;
    int pages = 0;
};

Run runPreview(int pages, const QImage& logo, bool measure)
{
    Run run;
    TPrintObject po;
    ScriptedAnswerer::instance().expectForm([&](QWidget* w) {
        auto* f = qobject_cast<TPreviewForm*>(w);
        if (!f) return int(mrCancel);
        run.pages = f->PageCount();
        // Every picture in view drawn: the work a screen would do.
        auto drawVisible = [f] {
            const QRect view = f->ScrollBox->viewport()->rect();
            for (int slot = 1; slot <= 5; ++slot)
                if (f->SlotPage(slot) && f->SlotLabel(slot)->geometry().intersects(view)) f->SlotImage(slot);
        };
        auto timed = [&](auto action) {
            QElapsedTimer t;
            t.start();
            action();
            drawVisible();
            QCoreApplication::processEvents();
            return double(t.nsecsElapsed()) / 1e6;
        };
        drawVisible();
        run.rssRecordedKb = residentKb();
        if (measure) {
            for (int i = 0; i < 100; ++i) run.pageDown.ms.push_back(timed([&] { key(f, Qt::Key_PageDown); }));
            for (int i = 0; i < 10; ++i) {
                run.homeEnd.ms.push_back(timed([&] { key(f, Qt::Key_Home); }));
                run.homeEnd.ms.push_back(timed([&] { key(f, Qt::Key_End); }));
            }
            for (int i = 0; i < 10; ++i) {
                run.zoom.ms.push_back(timed([&] { key(f, Qt::Key_Plus, QStringLiteral("+")); }));
                run.zoom.ms.push_back(timed([&] { key(f, Qt::Key_Minus, QStringLiteral("-")); }));
            }
        }
        run.rssShownKb = residentKb();
        return int(mrCancel);
    });
    recordReport(po, pages, logo);
    po.EndReport();
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetDialogAnswerer(&ScriptedAnswerer::instance());
    RegisterPreviewForm();
    const QImage logo = makeLogo();

    runPreview(20, logo, false);  // fonts and caches warmed up
    const Run longRun = runPreview(370, logo, true);

    bool slow = false;
    auto report = [&](const char* what, const Times& t) {
        const bool over = t.median() >= 20.0 || t.worst() >= 20.0;
        slow = slow || over;
        std::printf("%-22s median %6.2f ms  worst %6.2f ms  (%zu times; target under 20 ms)%s\n", what, t.median(),
                    t.worst(), t.ms.size(), over ? "  SLOW" : "");
    };
    std::printf("preview of %d pages\n", longRun.pages);
    report("Page Down", longRun.pageDown);
    report("Home / End", longRun.homeEnd);
    report("zoom change (+ / -)", longRun.zoom);
    // Paging through the whole report keeps five pictures: no growth.
    std::printf("resident memory growth while paging through %d pages: %ld KB (shown at %ld KB)\n", longRun.pages,
                longRun.rssShownKb - longRun.rssRecordedKb, longRun.rssRecordedKb);
    return slow ? 1 : 0;
}
