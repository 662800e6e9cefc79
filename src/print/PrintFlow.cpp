// Page flow: lines and pages, the page body, margins, the print line and
// the two stacks (saved Y positions and saved fonts).
#include "platform/Numbers.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"
#include "platform/Printer.h"
#include "print/PreviewWindow.h"

#include <cmath>

namespace {

// Runs `handler` with automatic paging held off through the setter, so that
// a recording job records the switch off and back on around it.
template <typename F>
void withPagingHeldOff(TPrintObject& po, F&& handler)
{
    const bool kept = po.AutomaticPaging();
    po.SetAutomaticPaging(false);
    try {
        handler();
    } catch (...) {
        po.SetAutomaticPaging(kept);
        throw;
    }
    po.SetAutomaticPaging(kept);
}

}  // namespace

// ------------------------------------------------------------ page flow

void TPrintObject::NewLine()
{
    if (!m_printingStarted) return;
    const double lh = LineHeightInches();
    m_currentY += lh;
    if (m_recording && m_automaticPaging && m_currentY + lh > m_detailBottom / m_scale + kFitTolerance)
        NewPage();
    else if (m_recording && m_pages)
        m_pages->AddSimple(PrnKind::NewLine);
    m_currentX = m_ppiX > 0 ? double(m_leftMargin) / m_ppiX : 0.0;
}

void TPrintObject::NewLines(quint16 count)
{
    if (!m_printingStarted) return;
    while (count > 0) {
        NewLine();
        if (std::fabs(m_currentY - m_detailBottom) < 0.001) break;
        --count;
    }
}

void TPrintObject::NewPage()
{
    if (!m_printingStarted) return;
    m_pageOpen = false;
    const double keptY = m_currentY;
    SaveFont();
    PrintHeaderBand();
    PrintFooterBand();
    PrintPageNumber();
    DoNewPage();
    const double leftInches = m_ppiX > 0 ? double(m_leftMargin) / m_ppiX : 0.0;
    if (m_recording) {
        if (m_pages) {
            m_pages->NewPage();
            m_pages->PageCounter += 1;
        }
        m_currentY = m_detailTop - LineHeightInches();
        m_currentX = leftInches;
    } else if (!m_previewMode && m_autoPageFeed) {
        if (m_printer) m_printer->NewPage();
        m_currentY = m_detailTop - LineHeightInches();
        m_currentX = leftInches;
    }
    if (m_recording || m_automaticPaging)
        StartPageBody();
    else
        SetY(ConvertUnits(mtInches, m_measurement, 0, keptY));
    DoAfterNewPage();
    RestoreFont();
    m_pageOpen = true;
}

void TPrintObject::DoNewPage()
{
    if (!m_printingStarted) return;
    withPagingHeldOff(*this, [this] {
        if (OnNewPage) OnNewPage(this);
    });
}

void TPrintObject::DoAfterNewPage()
{
    withPagingHeldOff(*this, [this] {
        if (AfterNewPage) AfterNewPage(this);
    });
}

double TPrintObject::GetY() const
{
    double y = m_currentY;
    switch (m_measurement) {
    case mtMM: y = m_currentY * 25.4; break;
    case mtPixels: y = double(Round(m_ppiY * m_currentY * m_scale)); break;
    case mtInches: break;
    }
    if (m_useMarginOffset) y -= fromPixels(0, m_topMargin);
    return y;
}

double TPrintObject::GetLineHeight() const
{
    return m_ppiY > 0 ? double(LineHeightPixels()) / m_ppiY * 25.4 : 0.0;
}

int TPrintObject::GetLinesLeft() const
{
    if (m_currentY > m_detailBottom) return 0;
    const double lh = LineHeightInches();
    if (lh <= 0) return 0;  // no line fits a font without height
    return int(Round((m_detailBottom - m_currentY) / lh));
}

double TPrintObject::GetPageWidth() const
{
    return fromPixels(1, m_pageWidthPx);
}

double TPrintObject::GetPageHeight() const
{
    return fromPixels(0, m_pageHeightPx);
}

int TPrintObject::GetPageNumber() const
{
    if (m_recording) return m_pages ? m_pages->PageCounter : 0;
    if (m_previewMode && m_previewWindow) return m_previewWindow->CurrentPage();
    if (!m_previewMode && m_printer && m_printer->Printing()) return m_printer->PageNumber();
    return m_pages ? m_pages->CurrentPage : 0;
}

// ------------------------------------------------- body, margins, print line

void TPrintObject::SetDetail(double top, double bottom)
{
    if (!m_printingStarted) return;
    const double t = toInches(0, top);
    const double b = toInches(0, bottom);
    m_detailTop = t;
    m_detailBottom = b;
    m_currentY = t - LineHeightInches();
    if (m_recording && m_pages) m_pages->AddDetail(t, b);
}

void TPrintObject::StartPageBody()
{
    if (!m_printingStarted) return;
    m_currentY = m_detailTop;
    if (m_useMarginOffset && m_ppiY > 0) m_currentY += double(m_topMargin) / m_ppiY;
    m_currentX = m_ppiX > 0 ? double(m_leftMargin) / m_ppiX : 0.0;
    if (m_recording && m_pages) m_pages->AddSimple(PrnKind::StartPageBody);
}

void TPrintObject::SetMargins(double top, double bottom, double left, double right)
{
    if (!m_printingStarted) return;
    ReadDeviceMetrics();
    if (s_largeFont) {
        top *= kLargeFontFactor;
        bottom *= kLargeFontFactor;
        left *= kLargeFontFactor;
        right *= kLargeFontFactor;
    }
    top = toInches(0, top);
    bottom = toInches(0, bottom);
    left = toInches(1, left);
    right = toInches(1, right);
    if (m_recording && m_pages) m_pages->AddMargins(left, top, right, bottom);

    const double ppiX = m_ppiX > 0 ? m_ppiX : 96;
    const double ppiY = m_ppiY > 0 ? m_ppiY : 96;
    const double rightEdge = m_pageWidthIn - m_unprintableRight / ppiX;
    const double bottomEdge = m_pageHeightIn - m_unprintableBottom / ppiY;
    if (right >= m_pageWidthIn) right = rightEdge;
    if (left <= 0) left = m_printableOffsetX / ppiX;
    if (right <= 0) right = rightEdge;
    if (bottom >= m_pageHeightIn) bottom = bottomEdge;
    if (top <= 0) top = m_printableOffsetY / ppiY;
    if (bottom <= 0) bottom = bottomEdge;

    auto p = [this](double v, double ppi) { return double(Round(v * ppi * m_scale)); };
    m_topMargin = qMax(int(Round(p(top, ppiY) * m_scale)), m_printableOffsetY);
    m_bottomMargin = qMin(int(Round(p(bottom, ppiY) * m_scale)), m_pageHeightPx - m_unprintableBottom);
    m_leftMargin = qMax(int(Round(p(left, ppiX) * m_scale)), m_printableOffsetX);
    m_rightMargin = qMin(int(Round(p(right, ppiX) * m_scale)), m_pageWidthPx - m_unprintableRight);
}

void TPrintObject::SetMarginsFromEdges(double left, double top, double right, double bottom)
{
    if (!m_printingStarted) return;
    const double width = fromPixels(1, m_pageWidthPx);
    const double height = fromPixels(0, m_pageHeightPx);
    SetMargins(top, height - bottom, left, width - right);
}

void TPrintObject::SetY(double y)
{
    if (!m_printingStarted) return;
    const double v = toInches(0, y);
    if (m_recording && m_pages) m_pages->AddSetY(v);
    m_currentY = v;
}

// ------------------------------------------------------------- stacks

void TPrintObject::SaveY()
{
    if (!m_printingStarted) return;
    ++m_yDepth;
    if (m_yDepth >= 1 && m_yDepth <= 10) m_savedY[size_t(m_yDepth)] = m_currentY;
    if (m_recording && m_pages) m_pages->AddSimple(PrnKind::SaveY);
}

void TPrintObject::RestoreY()
{
    if (!m_printingStarted) return;
    if (m_yDepth >= 1 && m_yDepth <= 10) m_currentY = m_savedY[size_t(m_yDepth)];
    if (m_recording && m_pages) m_pages->AddSimple(PrnKind::RestoreY);
    if (m_yDepth > 0) --m_yDepth;
}

void TPrintObject::SaveFont()
{
    if (!m_printingStarted || !m_canvas) return;
    ++m_fontDepth;
    if (m_fontDepth >= 1 && m_fontDepth <= 10) {
        auto& slot = m_savedFonts[size_t(m_fontDepth)];
        if (!slot) slot.emplace();
        const TFont& cur = m_canvas->Font();
        slot->SetName(cur.Name());
        slot->SetHeight(cur.Height());
        slot->SetStyle(cur.Style());
        slot->SetColor(cur.Color());
    }
}

void TPrintObject::RestoreFont()
{
    if (!m_printingStarted) return;
    if (m_fontDepth >= 1 && m_fontDepth <= 10) {
        auto& slot = m_savedFonts[size_t(m_fontDepth)];
        if (slot) {
            const TFont font(*slot);
            slot.reset();
            SetFont(font);
        }
        --m_fontDepth;
    } else if (m_fontDepth > 10) {
        // Pushes beyond the tenth kept nothing; only the count goes back.
        --m_fontDepth;
    }
}
