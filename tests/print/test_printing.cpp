// Printing recorded pages on a fake printer: page ranges, sheets, events,
// cancelling, the printer's own settings before and after, and jobs that
// cannot print.
#include "common/TestSupport.h"
#include "print/PreviewTestUtil.h"
#include "print/PrintTestUtil.h"
#include "print/DisplayPanel.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A five-page job recorded at 96 dpi and printed on a 300-dpi fake printer
// whose printable area starts 50 and 60 pixels in.
struct PrintJob {
    FakeJob job;
    TPrintObject& po = job.po;
    TLogCanvas* sheet = nullptr;
    TFakePrinter* printer = nullptr;
    std::vector<int> printedPages;
    QStringList events;

    PrintJob()
    {
        auto canvas = std::make_unique<TLogCanvas>();
        canvas->ppiX = canvas->ppiY = 300;
        canvas->page = QSize(2490, 3510);
        canvas->offset = QPoint(50, 60);
        canvas->printable = QSize(2490 - 100, 3510 - 120);
        sheet = canvas.get();
        auto p = std::make_unique<TFakePrinter>(std::move(canvas));
        printer = p.get();
        po.SetPrinter(std::move(p));
        po.SetPreview(false);
        po.OnPrintPage = [this](QObject*, TCanvas*, int page) { printedPages.push_back(page); };
        po.BeforePrint = [this](QObject*) { events << QStringLiteral("before"); };
        po.AfterPrint = [this](QObject*) { events << QStringLiteral("after"); };
        po.OnLastPage = [this](QObject*) { events << QStringLiteral("last"); };
    }
    // Records `pages` pages, one text each ("Seite n" one inch in).
    void record(int pages = 5)
    {
        ASSERT_TRUE(job.start());
        po.SetMeasurement(mtInches);
        for (int n = 1; n <= pages; ++n) {
            if (n > 1) po.NewPage();
            po.WriteText(QStringLiteral("Seite %1").arg(n), 1.0, 1.0);
        }
    }
    QStringList sheetTexts() const { return sheet->log.filter(QStringLiteral("TextOut")); }
    int sheets() const { return int(printer->log.filter(QStringLiteral("sheet")).size()); }
};

// Answers the print dialog with a page range (or all pages when from and
// to are 0).
void AnswerRange(int from, int to, bool range = true)
{
    ScriptedAnswerer::instance().expectPrintDialog([=](PrintDialogRequest& r) {
        EXPECT_EQ(r.minPage, 1);
        r.printRange = range;
        r.fromPage = from;
        r.toPage = to;
        return true;
    });
}

}  // namespace

TEST(Printing, RangeTwoToThreeOfFive)
{
    PrintJob j;
    ScriptedAnswerer::instance().expectPrintDialog([](PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, 5);
        EXPECT_EQ(r.fromPage, 1);
        EXPECT_EQ(r.toPage, 5);
        r.printRange = true;
        r.fromPage = 2;
        r.toPage = 3;
        return true;
    });
    j.record();
    j.po.EndReport();
    EXPECT_EQ(j.printedPages, (std::vector<int>{2, 3}));
    EXPECT_EQ(j.sheets(), 1);  // between pages 2 and 3 only
    // One inch at 300 dpi, less the printable offset.
    EXPECT_EQ(j.sheetTexts(), (QStringList{"TextOut 250,240 Seite 2", "TextOut 250,240 Seite 3"}));
    // The job's settings (at Start, before and after the dialog), the
    // document, the printer's own settings back.
    EXPECT_EQ(j.printer->log, (QStringList{"settings 9 1 1 -4", "settings 9 1 1 -4", "settings 9 1 1 -4", "begin ***",
                                           "sheet", "end", "settings 1 1 1 -4"}));
    EXPECT_EQ(j.events, (QStringList{"last", "before", "after"}));
}

TEST(Printing, AllPagesAndRangesBeyondTheEnd)
{
    {
        PrintJob j;
        AnswerRange(0, 0, false);  // "all pages"
        j.record();
        j.po.EndReport();
        EXPECT_EQ(j.printedPages, (std::vector<int>{1, 2, 3, 4, 5}));
        EXPECT_EQ(j.sheets(), 4);
    }
    {
        PrintJob j;
        AnswerRange(4, 99);
        j.record();
        j.po.EndReport();
        EXPECT_EQ(j.printedPages, (std::vector<int>{4, 5}));
        EXPECT_EQ(j.sheets(), 1);
    }
    {
        PrintJob j;
        AnswerRange(0, 0);  // a range of nothing is every page as well
        j.record();
        j.po.EndReport();
        EXPECT_EQ(j.printedPages.size(), 5u);
    }
}

TEST(Printing, WithoutAutoPageFeedAllPagesShareOneSheet)
{
    PrintJob j;
    j.po.SetShowPrintDialog(false);
    j.po.SetAutoPageFeed(false);
    j.record(3);
    j.po.EndReport();
    EXPECT_EQ(j.printedPages, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(j.sheets(), 0);
    EXPECT_EQ(j.sheetTexts().size(), 3);
}

TEST(Printing, CancelStopsAfterThePageInHand)
{
    PrintJob j;
    j.po.SetShowPrintDialog(false);
    j.po.OnPrintPage = [&](QObject*, TCanvas*, int page) {
        j.printedPages.push_back(page);
        if (page == 2) j.po.CancelPrint();
    };
    j.record();
    j.po.EndReport();
    EXPECT_EQ(j.printedPages, (std::vector<int>{1, 2}));
    EXPECT_EQ(j.sheetTexts(), QStringList{"TextOut 250,240 Seite 1"});
    EXPECT_TRUE(j.printer->log.contains(QStringLiteral("end")));  // the document is still ended
    EXPECT_TRUE(j.events.contains(QStringLiteral("after")));
}

TEST(Printing, CancelledDialogPrintsNothingAndFiresNothing)
{
    PrintJob j;
    ScriptedAnswerer::instance().expectPrintDialog([](PrintDialogRequest&) { return false; });
    j.record();
    j.po.EndReport();
    EXPECT_TRUE(j.printedPages.empty());
    EXPECT_EQ(j.printer->log.filter(QStringLiteral("begin")).size(), 0);
    EXPECT_EQ(j.events, QStringList{"last"});
}

TEST(Printing, NoPrinterAndNoPdf)
{
    {
        PrintJob j;
        j.printer->printers.clear();
        ScriptedAnswerer::instance().expectMessage(QStringLiteral("There are no printers installed."));
        EXPECT_FALSE(j.po.Start());
        EXPECT_FALSE(j.po.PrintingStarted());
        j.po.WriteText(QStringLiteral("x"), 1.0, 1.0);  // does nothing
        EXPECT_EQ(j.po.Pages(), nullptr);
    }
    {
        // A preview needs no printer.
        PrintJob j;
        j.printer->printers.clear();
        j.po.SetPreview(true);
        EXPECT_TRUE(j.po.Start());
        j.po.EndReport();
    }
    {
        // Direct printing does.
        PrintJob j;
        j.printer->printers.clear();
        j.po.SetPreview(true);
        j.po.SetPrintDirect(true);
        ScriptedAnswerer::instance().expectMessage(QStringLiteral("There are no printers installed."));
        EXPECT_FALSE(j.po.Start());
    }
}

TEST(Printing, PrinterGetsTheJobsPaperAndBackItsOwn)
{
    PrintJob j;
    j.po.SetPaperSize(PAPER_A4);
    j.po.SetOrientation(1);
    j.po.SetCopies(2);
    j.po.SetPrintQuality(pqLOW);
    j.po.SetShowPrintDialog(false);
    TPrinterSettings during;
    j.po.BeforePrint = [&](QObject*) { during = j.printer->settings(); };
    j.record(2);
    j.po.EndReport();
    EXPECT_EQ(during.paperCode, 9);
    EXPECT_EQ(during.orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(during.copies, 2);
    EXPECT_EQ(during.quality, DMRES_LOW);
    const TPrinterSettings after = j.printer->settings();
    EXPECT_EQ(after.paperCode, 1);  // the printer's own Letter
    EXPECT_EQ(after.orientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(after.copies, 1);
    EXPECT_EQ(after.quality, DMRES_HIGH);
}

TEST(Printing, UnreadableSettingsAreReportedAndTheJobGoesOn)
{
    PrintJob j;
    j.printer->settingsReadable = false;
    j.po.SetShowPrintDialog(false);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("Error reading default printer properties."));
    j.record(1);
    EXPECT_EQ(j.printer->settingsReads, 5 + 1);  // five tries, then the job's own settings
    j.po.EndReport();
    EXPECT_EQ(j.printedPages, std::vector<int>{1});
}

TEST(Printing, DialogChoicesReachTheJob)
{
    PrintJob j;
    j.po.SetPaperSize(PAPER_LETTER);
    ScriptedAnswerer::instance().expectPrintDialog([](PrintDialogRequest& r) {
        EXPECT_EQ(r.paperCode, 1);
        EXPECT_EQ(r.orientation, DMORIENT_PORTRAIT);
        EXPECT_EQ(r.printerName, QStringLiteral("Fake"));
        r.paperCode = 9;
        r.orientation = DMORIENT_LANDSCAPE;
        r.copies = 3;
        return true;
    });
    TPrinterSettings during;
    j.po.BeforePrint = [&](QObject*) { during = j.printer->settings(); };
    j.record(1);
    j.po.EndReport();
    EXPECT_EQ(j.po.PaperSize(), PAPER_A4);
    EXPECT_EQ(j.po.Orientation(), 1);
    EXPECT_EQ(j.po.Copies(), 3);
    EXPECT_EQ(during.paperCode, 9);
    EXPECT_EQ(during.orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(during.copies, 3);
}

TEST(Printing, DialogPaperWithoutARowKeepsThePaper)
{
    for (int code : {999, 10, 0}) {  // unknown, a row without size, none
        PrintJob j;
        j.po.SetPaperSize(PAPER_A5);
        ScriptedAnswerer::instance().expectPrintDialog([code](PrintDialogRequest& r) {
            r.paperCode = code;
            return true;
        });
        j.record(1);
        j.po.EndReport();
        EXPECT_EQ(j.po.PaperSize(), PAPER_A5) << code;
    }
    {
        // The envelope rows whose codes are not in table order.
        PrintJob j;
        ScriptedAnswerer::instance().expectPrintDialog([](PrintDialogRequest& r) {
            r.paperCode = 28;
            return true;
        });
        j.record(1);
        j.po.EndReport();
        EXPECT_EQ(j.po.PaperSize(), PAPER_ENV_C5);
    }
}

TEST(Printing, LastPageEventOncePerJob)
{
    PrintJob j;
    j.po.SetShowPrintDialog(false);
    j.record(2);
    j.po.FireLastPage();
    j.po.EndReport();
    EXPECT_EQ(j.events.count(QStringLiteral("last")), 1);
}

TEST(Printing, DocumentThatCannotBeginPrintsNothing)
{
    PrintJob j;
    j.printer->canBegin = false;
    j.po.SetShowPrintDialog(false);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("The fake printer cannot print."));
    j.record(2);
    j.po.EndReport();
    EXPECT_TRUE(j.printedPages.empty());
    EXPECT_EQ(j.events, QStringList{"last"});  // no BeforePrint, no AfterPrint
}

TEST(Printing, PrintingFromThePreviewThatCannotBeginLeavesThePreviewUsable)
{
    PreviewRegistration registration;
    PrintJob j;
    j.po.SetPreview(true);
    j.po.SetShowPrintDialog(false);
    j.printer->canBegin = false;
    QStringList drawn;
    registration.last->onShow = [&](TPrintObject& p) {
        ScriptedAnswerer::instance().expectMessage(QStringLiteral("cannot print"));
        p.PrintAllPages();
        // The preview draws its page as before.
        TLogCanvas image;
        p.SetDrawingCanvas(&image);
        p.ReplayPage(p.Pages()->GetPage(2), 2, true);
        p.SetDrawingCanvas(nullptr);
        drawn = image.log.filter(QStringLiteral("TextOut"));
        EXPECT_TRUE(p.PreviewMode());
    };
    j.record(2);
    j.po.EndReport();
    EXPECT_EQ(drawn, QStringList{"TextOut 96,96 Seite 2"});
    EXPECT_TRUE(j.events.filter(QStringLiteral("before")).isEmpty());
}

TEST(Printing, DirectJobDrawsOnThePrinter)
{
    PrintJob j;
    j.po.SetPrintDirect(true);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("The fake printer cannot print."));
    j.printer->canBegin = false;
    EXPECT_FALSE(j.po.Start());
    EXPECT_FALSE(j.po.PrintingStarted());

    j.printer->canBegin = true;
    j.printer->log.clear();
    j.po.SetTitle(QStringLiteral("Bericht"));
    ASSERT_TRUE(j.po.Start());
    EXPECT_EQ(j.printer->log.filter(QStringLiteral("begin")), QStringList{"begin Bericht"});
    EXPECT_EQ(j.po.Canvas(), j.sheet);
    j.po.SetMeasurement(mtInches);
    j.po.WriteText(QStringLiteral("sofort"), 1.0, 1.0);
    // One inch from the paper's edge, drawn relative to the printable area
    // (a direct job's text takes no margin offset).
    EXPECT_EQ(j.sheetTexts(), QStringList{"TextOut 250,240 sofort"});
    j.po.NewPage();
    EXPECT_EQ(j.sheets(), 1);
    j.po.EndReport();
    EXPECT_EQ(j.printer->log.last(), QStringLiteral("settings 1 1 1 -4"));
    EXPECT_TRUE(j.printer->log.contains(QStringLiteral("end")));
    EXPECT_TRUE(j.printedPages.empty());  // nothing recorded, nothing replayed
}

TEST(Printing, PreviewGetsItsTextsAndStartZoom)
{
    PreviewRegistration registration;
    PrintJob j;
    j.po.SetPreview(true);
    j.po.SetOrientation(1);
    j.po.SetStartPercent(P3_Seventy);
    j.record(1);
    TTestPreview* preview = registration.last;
    EXPECT_EQ(preview->printObject, &j.po);
    EXPECT_EQ(preview->orientation, 1);
    EXPECT_EQ(preview->texts.value(1001), QStringLiteral("Druckvorschau"));
    EXPECT_EQ(preview->texts.value(1010), QStringLiteral("nächste Seite"));
    EXPECT_EQ(preview->texts.value(1016), QStringLiteral("Seiten"));
    EXPECT_EQ(preview->shows, 0);  // recording touches neither printer nor preview
    EXPECT_TRUE(j.printer->log.isEmpty());
    EXPECT_EQ(j.printer->settingsReads, 0);
    j.po.EndReport();
    EXPECT_EQ(preview->shows, 1);
    EXPECT_EQ(preview->startZoom, 1);
    EXPECT_TRUE(j.printer->log.isEmpty());  // a preview that prints nothing needs no printer
}

TEST(Printing, DisplayPanelFromStartToEndReport)
{
    QWidget owner;
    owner.resize(640, 480);
    FakeJob job;
    TPrintObject po(&owner);
    po.SetPreview(true);
    po.SetRecordingCanvas(&job.canvas);
    po.SetUseDisplayPanel(true);
    po.SetProgressBarMax(10);
    po.SetProgressBarInc(2);
    TPrnDisplayPanel* panel = po.DisplayPanel();
    ASSERT_NE(panel, nullptr);
    // The print object's two display flags are the panel's own.
    po.SetShowDisplayProgress(true);
    EXPECT_TRUE(panel->ShowProgress());
    EXPECT_FALSE(panel->ShowProgressPercent());
    po.SetShowDisplayProgressPercent(true);
    EXPECT_TRUE(panel->ShowProgressPercent());
    panel->SetShowProgressPercent(false);
    EXPECT_FALSE(po.ShowDisplayProgressPercent());
    EXPECT_TRUE(po.ShowDisplayProgress());
    po.SetShowDisplayProgressPercent(true);
    panel->SetProgressPosition(30);  // before the job: the old range
    ASSERT_TRUE(po.Start());
    ASSERT_NE(panel->Panel(), nullptr);
    EXPECT_EQ(panel->Panel()->parentWidget(), &owner);
    EXPECT_EQ(panel->ProgressMax(), 10);
    EXPECT_EQ(panel->ProgressInc(), 2);
    EXPECT_EQ(panel->ProgressPosition(), 0);
    po.UpdateProgress(4);
    EXPECT_EQ(panel->ProgressPosition(), 4);
    EXPECT_GT(panel->LastBarEnd(), panel->BarTopLeft().x());
    // the percentage stands right of the bar
    const QImage& image = *panel->Image();
    int percentPixels = 0;
    for (int x = panel->BarBottomRight().x() + 5; x < image.width() - 6; ++x)
        for (int y = panel->BarTopLeft().y(); y < panel->BarBottomRight().y() + 6; ++y)
            if (image.pixel(x, y) != ColorToQColor(panel->PanelColor()).rgb()) ++percentPixels;
    EXPECT_GT(percentPixels, 0);
    po.UpdateProgress(40);  // stops at the maximum
    EXPECT_EQ(panel->ProgressPosition(), 10);
    EXPECT_EQ(panel->LastBarEnd(), panel->BarBottomRight().x() - 1);
    po.EndReport();
    EXPECT_EQ(panel->Panel(), nullptr);
    EXPECT_TRUE(owner.findChildren<QWidget*>().isEmpty());
    po.UpdateProgress(1);  // no job: nothing
    EXPECT_EQ(panel->ProgressPosition(), 10);

    // Assigning copies another panel's settings into the object's own.
    TPrnDisplayPanel other;
    other.SetPanelColor(clMaroon);
    other.SetDisplayMessage(QStringLiteral("anders"));
    po.SetDisplayPanel(other);
    EXPECT_EQ(panel->PanelColor(), clMaroon);
    EXPECT_FALSE(po.ShowDisplayProgress());  // taken over with the other panel's settings
    EXPECT_FALSE(po.ShowDisplayProgressPercent());
    EXPECT_EQ(panel->DisplayMessage(), QStringLiteral("Default Message Here"));
}

TEST(Printing, PageNumberDuringThePreviewIsThePreviewsPage)
{
    PreviewRegistration registration;
    PrintJob j;
    j.po.SetPreview(true);
    int during = -1;
    registration.last->onShow = [&](TPrintObject& p) { during = p.GetPageNumber(); };
    j.record(3);
    EXPECT_EQ(j.po.GetPageNumber(), 3);  // recording: the pages so far
    j.po.EndReport();
    EXPECT_EQ(during, registration.last->CurrentPage());
}

TEST(Printing, AttachedProgressBarAndStatusText)
{
    QWidget window;
    auto* bar = new QProgressBar(&window);
    auto* status = new QLabel(QStringLiteral("Drucke..."), &window);
    bar->setRange(0, 20);
    bar->setValue(0);
    bar->hide();
    status->hide();
    PrintJob j;
    j.po.SetShowPrintDialog(false);
    j.po.SetShowProgress(true);
    j.po.SetProgressBar(bar);
    j.po.SetStatusText(status);
    j.record(2);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_FALSE(status->isHidden());
    j.po.UpdateProgress(3);
    EXPECT_EQ(bar->value(), 3);
    j.po.EndReport();
    EXPECT_EQ(bar->value(), 20);  // stepped to its end
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(status->isHidden());
    EXPECT_TRUE(status->text().isEmpty());  // printing ends with an empty status
    EXPECT_EQ(j.po.ProgressBar(), nullptr);  // the job lets go of them
    EXPECT_EQ(j.printedPages.size(), 2u);
}

TEST(Printing, PrintingFromThePreviewSetsAndRestoresThePrinter)
{
    PreviewRegistration registration;
    PrintJob j;
    j.po.SetPreview(true);
    j.po.SetShowPrintDialog(false);
    j.po.SetPaperSize(PAPER_A4);
    registration.last->onShow = [&](TPrintObject& p) {
        p.PrintAllPages();
        EXPECT_EQ(j.printer->settings().paperCode, 9);
    };
    j.record(2);
    j.po.EndReport();
    EXPECT_EQ(j.printedPages, (std::vector<int>{1, 2}));
    EXPECT_EQ(j.printer->settings().paperCode, 1);  // the printer's own paper back
    EXPECT_EQ(j.printer->log.last(), QStringLiteral("settings 1 1 1 -4"));
}
