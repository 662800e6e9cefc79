#pragma once
// Helpers for the print object tests: a job recorded on the logging
// surface, and access to the recorded commands.
#include "print/PrintObject.h"
#include "print/PrnPages.h"
#include "print/FakeCanvas.h"
#include "print/FakePrinter.h"

#include <vector>

// The kinds of the commands on page `page`, in order.
inline std::vector<int> KindsOf(const TPrintObject& po, int page)
{
    std::vector<int> kinds;
    const TPrnPageList* p = po.Pages() ? po.Pages()->GetPage(page) : nullptr;
    if (!p) return kinds;
    for (int i = 1; i <= p->Count(); ++i) kinds.push_back(p->GetCommand(i)->Kind);
    return kinds;
}

// All commands of `kind` on page `page`, as their class.
template <typename T>
std::vector<const T*> CommandsOf(const TPrintObject& po, int page, int kind)
{
    std::vector<const T*> out;
    const TPrnPageList* p = po.Pages() ? po.Pages()->GetPage(page) : nullptr;
    if (!p) return out;
    for (int i = 1; i <= p->Count(); ++i)
        if (p->GetCommand(i)->Kind == kind) out.push_back(static_cast<const T*>(p->GetCommand(i)));
    return out;
}

inline int CountKind(const TPrintObject& po, int page, int kind)
{
    int n = 0;
    for (int k : KindsOf(po, page)) n += k == kind;
    return n;
}

// A recording job measured on `canvas` (ppi and text height as the test
// sets them), without the large-font adjustment unless asked.
struct FakeJob {
    TLogCanvas canvas;
    TPrintObject po;

    explicit FakeJob(int ppi = 96, int textHeight = 15, bool largeFontAdjust = false)
    {
        canvas.ppiX = canvas.ppiY = ppi;
        canvas.textHeight = textHeight;
        canvas.page = QSize(qRound(8.3 * ppi), qRound(11.7 * ppi));
        po.SetUseLargeFontAdjust(largeFontAdjust);
        po.SetPreview(true);  // no preview window is registered: EndReport shows and prints nothing
        po.SetPaperSize(PAPER_A4);
        po.SetRecordingCanvas(&canvas);
        // A direct job draws on the same logging surface.
        po.SetPrinter(std::make_unique<TFakePrinter>(&canvas));
    }
    bool start()
    {
        const bool ok = po.Start();
        canvas.log.clear();
        return ok;
    }
};
