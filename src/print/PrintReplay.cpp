// Replay: recorded pages drawn on the printer or on a page image.  Every
// page starts from the state kept for it, so pages can be drawn alone and
// in any order.
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>

namespace {

QString FailureMessage(quint8 kind)
{
    switch (kind) {
    case PrnKind::Line: return QStringLiteral("Error in Line Drawing command.");
    case PrnKind::NewLine: return QStringLiteral("Error in Next Line command.");
    case PrnKind::Graphic: return QStringLiteral("Error in Graphics Drawing routine.");
    case PrnKind::PageNumberText: return QStringLiteral("Error writing page number information.");
    case PrnKind::Detail: return QStringLiteral("Error in Setting Detail Top/Bottom settings.");
    case PrnKind::Font: return QStringLiteral("Error in Changing Font information");
    case PrnKind::FooterDim: return QStringLiteral("Error in Setting Footer Dimensions.");
    case PrnKind::FooterInf: return QStringLiteral("Error in Setting Footer Information.");
    case PrnKind::HeaderDim: return QStringLiteral("Error in Setting Header Dimensions.");
    case PrnKind::HeaderInf: return QStringLiteral("Error in Setting Header Information.");
    case PrnKind::LineWidth: return QStringLiteral("Error in Setting Line Width.");
    case PrnKind::Margins: return QStringLiteral("Error in Setting Margins.");
    case PrnKind::Orient: return QStringLiteral("Error in Setting Page Orientation.");
    case PrnKind::PageNumber: return QStringLiteral("Error Setting Page Number Information.");
    case PrnKind::Tab: return QStringLiteral("Error Setting Tab.");
    case PrnKind::StartPageBody: return QStringLiteral("Error Setting Top of Page.");
    case PrnKind::SetY: return QStringLiteral("Error Setting Vertical Position.");
    case PrnKind::Text: return QStringLiteral("Error Writing Line of Text.");
    case PrnKind::Column: return QStringLiteral("Error Creating Column Setting.");
    case PrnKind::FColor: return QStringLiteral("Error in Font Color change.");
    case PrnKind::BColor: return QStringLiteral("Error in Brush Color change.");
    case PrnKind::PColor: return QStringLiteral("Error in Pen Color change.");
    case PrnKind::MoveTo: return QStringLiteral("Error in MoveTo command.");
    case PrnKind::LineTo: return QStringLiteral("Error in LineTo command.");
    case PrnKind::Ellipse: return QStringLiteral("Error in Ellipse command.");
    case PrnKind::BrushStyle: return QStringLiteral("Error Setting Brush Style.");
    case PrnKind::FloodFill: return QStringLiteral("Error in FloodFill command.");
    case PrnKind::FillRect: return QStringLiteral("Error in FillRect command.");
    case PrnKind::FrameRect: return QStringLiteral("Error in FrameRect command.");
    case PrnKind::Arc: return QStringLiteral("Error in Arc command.");
    case PrnKind::Pie: return QStringLiteral("Error in Pie command.");
    case PrnKind::Polyline: return QStringLiteral("Error in PolyLine command.");
    case PrnKind::Polygon: return QStringLiteral("Error in Polygon command.");
    case PrnKind::PStyle: return QStringLiteral("Error setting pen style.");
    case PrnKind::PMode: return QStringLiteral("Error setting pen mode.");
    case PrnKind::FontAngle: return QStringLiteral("Error setting font angle.");
    case PrnKind::ColRight: return QStringLiteral("Error writing right justified column text.");
    case PrnKind::WriteRight: return QStringLiteral("Error writing right justified text.");
    case PrnKind::Indent: return QStringLiteral("Error setting indent value.");
    case PrnKind::Transparent: return QStringLiteral("Error setting transparent mode.");
    case PrnKind::RoundRect: return QStringLiteral("Error in RoundRect command.");
    case PrnKind::RightToX: return QStringLiteral("Error writing right justified text.");
    case PrnKind::CenterToX: return QStringLiteral("Error writing center justified text.");
    case PrnKind::Gradient: return QStringLiteral("Error drawing gradient.");
    default: return QString();
    }
}

// Kinds replayed without a guard of their own: they only move state.
bool Unguarded(quint8 kind)
{
    return kind == PrnKind::PageBreak || kind == 9 || (kind >= 21 && kind <= 28) || kind == PrnKind::Measure;
}

std::vector<double> PointList(const TPrnPolygon& c)
{
    std::vector<double> v;
    v.reserve(c.Points.size() * 2);
    for (const QPointF& p : c.Points) {
        v.push_back(p.x());
        v.push_back(p.y());
    }
    return v;
}

}  // namespace

// ---------------------------------------------------------- one command

void TPrintObject::replayCommand(const TPrnPrintCommand* command)
{
    switch (command->Kind) {
    case PrnKind::Line: {
        auto c = static_cast<const TPrnLine*>(command);
        DrawLine(c->LineWidth, c->X1, c->Y1, c->X2, c->Y2);
        break;
    }
    case PrnKind::NewLine: NewLine(); break;
    case PrnKind::Graphic: {
        auto c = static_cast<const TPrnGraphic*>(command);
        if (c->ImageType == 1 || c->ImageType == 2) {
            TPicture holder = c->Holder();
            DrawGraphic(holder, c->X, c->Y, c->Width, c->Height);
        }
        break;
    }
    case PrnKind::Detail: {
        auto c = static_cast<const TPrnDetail*>(command);
        SetDetail(c->X, c->Y);
        break;
    }
    case PrnKind::Font: SetFont(static_cast<const TPrnFont*>(command)->Font); break;
    case PrnKind::FooterDim: {
        auto c = static_cast<const TPrnBandDim*>(command);
        SetFooterDim(c->Boxed, c->LineWidth, c->X1, c->Y1, c->X2, c->Y2, int(c->Shading));
        break;
    }
    case PrnKind::HeaderDim: {
        auto c = static_cast<const TPrnBandDim*>(command);
        SetHeaderDim(c->Boxed, c->LineWidth, c->X1, c->Y1, c->X2, c->Y2, int(c->Shading));
        break;
    }
    case PrnKind::FooterInf: {
        auto c = static_cast<const TPrnBandInf*>(command);
        SetFooterInf(c->Line, c->Text, c->yPosition, c->Alignment, c->Font);
        break;
    }
    case PrnKind::HeaderInf: {
        auto c = static_cast<const TPrnBandInf*>(command);
        SetHeaderInf(c->Line, c->Text, c->yPosition, c->Alignment, c->Font);
        break;
    }
    case PrnKind::LineWidth: SetLineWidth(static_cast<const TPrnLineWidth*>(command)->LineWidth); break;
    case PrnKind::Margins: {
        auto c = static_cast<const TPrnMargins*>(command);
        m_marginInches = {c->X1, c->Y1, c->X2, c->Y2};
        m_marginInchesSet = true;
        SetMargins(c->Y1, c->Y2, c->X1, c->X2);
        break;
    }
    case PrnKind::Orient: m_orientation = static_cast<const TPrnOrient*>(command)->Orientation; break;
    case PrnKind::PageNumber: {
        auto c = static_cast<const TPrnPageNumber*>(command);
        SetPageNumber(c->Text, c->Alignment, c->yPosition, c->IncludeTotal, c->Font);
        break;
    }
    case PrnKind::Tab: SetTab(static_cast<const TPrnTab*>(command)->Tab); break;
    case PrnKind::StartPageBody: StartPageBody(); break;
    case PrnKind::SetY: SetY(static_cast<const TPrnSetY*>(command)->yPosition); break;
    case PrnKind::Text: {
        auto c = static_cast<const TPrnText*>(command);
        if (!m_canvas) break;
        const TColor kept = m_canvas->Brush().Color();
        m_canvas->Brush().SetColor(c->BrushColor);
        try {
            WriteText(c->Text, c->X, c->Y);
        } catch (...) {
            if (m_canvas) m_canvas->Brush().SetColor(kept);
            throw;
        }
        if (m_canvas) m_canvas->Brush().SetColor(kept);
        break;
    }
    case PrnKind::Column: {
        auto c = static_cast<const TPrnColumn*>(command);
        SetColumn(c->Number, c->XPosition, c->Length);
        break;
    }
    case PrnKind::AutoPagingOn: SetAutomaticPaging(true); break;
    case PrnKind::AutoPagingOff: SetAutomaticPaging(false); break;
    case PrnKind::SaveY: SaveY(); break;
    case PrnKind::RestoreY: RestoreY(); break;
    case PrnKind::FColor: SetFontColor(static_cast<const TPrnColorCommand*>(command)->Color); break;
    case PrnKind::BColor: SetBrushColor(static_cast<const TPrnColorCommand*>(command)->Color); break;
    case PrnKind::PColor: SetPenColor(static_cast<const TPrnColorCommand*>(command)->Color); break;
    case PrnKind::MoveTo: {
        auto c = static_cast<const TPrnGraphicPoint*>(command);
        MoveTo(c->X1, c->Y1);
        break;
    }
    case PrnKind::LineTo: {
        auto c = static_cast<const TPrnGraphicPoint*>(command);
        LineTo(c->X1, c->Y1);
        break;
    }
    case PrnKind::Ellipse: {
        auto c = static_cast<const TPrnRectCommand*>(command);
        Ellipse(c->X1, c->Y1, c->X2, c->Y2);
        break;
    }
    case PrnKind::BrushStyle: SetBrushStyle(static_cast<const TPrnBrushStyle*>(command)->Style); break;
    case PrnKind::FloodFill: {
        auto c = static_cast<const TPrnFloodFill*>(command);
        FloodFill(c->X, c->Y, c->Color, TFillStyle(c->FillStyle));
        break;
    }
    case PrnKind::FillRect: {
        auto c = static_cast<const TPrnRectCommand*>(command);
        FillRect(c->X1, c->Y1, c->X2, c->Y2);
        break;
    }
    case PrnKind::FrameRect: {
        auto c = static_cast<const TPrnRectCommand*>(command);
        FrameRect(c->X1, c->Y1, c->X2, c->Y2);
        break;
    }
    case PrnKind::Arc:
    case PrnKind::Pie: {
        auto c = static_cast<const TPrnPieArc*>(command);
        if (command->Kind == PrnKind::Arc)
            Arc(c->X1, c->Y1, c->X2, c->Y2, c->X3, c->Y3, c->X4, c->Y4);
        else
            Pie(c->X1, c->Y1, c->X2, c->Y2, c->X3, c->Y3, c->X4, c->Y4);
        break;
    }
    case PrnKind::Polyline: Polyline(PointList(*static_cast<const TPrnPolygon*>(command))); break;
    case PrnKind::Polygon: Polygon(PointList(*static_cast<const TPrnPolygon*>(command))); break;
    case PrnKind::PStyle: SetPenStyle(static_cast<const TPrnPStyle*>(command)->Style); break;
    case PrnKind::PMode: SetPenMode(static_cast<const TPrnPMode*>(command)->Mode); break;
    case PrnKind::FontAngle: SetFontAngle(static_cast<const TPrnFontAngle*>(command)->Angle); break;
    case PrnKind::ColRight: {
        auto c = static_cast<const TPrnColRight*>(command);
        WriteColumnRight(quint16(c->ColumnNumber), c->Text, c->Y);
        break;
    }
    case PrnKind::WriteRight: {
        auto c = static_cast<const TPrnWriteRight*>(command);
        WriteRight(c->Text, c->Y);
        break;
    }
    case PrnKind::Indent: SetIndent(static_cast<const TPrnIndent*>(command)->Indent); break;
    case PrnKind::Transparent: SetTransparent(static_cast<const TPrnTransparent*>(command)->Transparent); break;
    case PrnKind::RoundRect: {
        auto c = static_cast<const TPrnRoundRect*>(command);
        RoundRect(c->X1, c->Y1, c->X2, c->Y2, c->X3, c->Y3);
        break;
    }
    case PrnKind::RightToX: {
        auto c = static_cast<const TPrnTextToX*>(command);
        WriteRightToX(c->Text, c->X, c->Y);
        break;
    }
    case PrnKind::CenterToX: {
        auto c = static_cast<const TPrnTextToX*>(command);
        WriteCenterToX(c->Text, c->X, c->Y);
        break;
    }
    case PrnKind::Gradient: {
        auto c = static_cast<const TPrnGradient*>(command);
        GradientFill(c->begColor, c->endColor, c->X1, c->Y1, c->X2, c->Y2, c->Direction);
        break;
    }
    default: break;  // 2, 9, 21-24, 43 and unknown kinds draw nothing
    }
}

// ------------------------------------------------------- the page number

int TPrintObject::replayPageNumber(const TPrnPageList* page, int index, int pageNo)
{
    // The text command that carries the number; without one nothing is
    // passed over.
    int textIndex = 0;
    for (int j = index + 1; j <= page->Count(); ++j) {
        const quint8 kind = page->GetCommand(j)->Kind;
        if (kind == PrnKind::Text || kind == PrnKind::WriteRight) {
            textIndex = j;
            break;
        }
    }
    if (textIndex == 0) return 0;
    for (int j = index + 1; j < textIndex; ++j) {
        const TPrnPrintCommand* c = page->GetCommand(j);
        if (c->Kind == PrnKind::Tab)
            SetTab(static_cast<const TPrnTab*>(c)->Tab);
        else if (c->Kind == PrnKind::SetY)
            SetY(static_cast<const TPrnSetY*>(c)->yPosition);
    }
    const int skip = textIndex - index;
    QString text;
    if (!FormatPageNumber(pageNo, text)) {
        m_replayFailures << QStringLiteral("Error in page number formatting.");
        return skip;
    }
    const TPrnPrintCommand* found = page->GetCommand(textIndex);
    if (found->Kind == PrnKind::WriteRight) {
        WriteRight(text, static_cast<const TPrnWriteRight*>(found)->Y);
        return skip;
    }
    auto c = static_cast<const TPrnText*>(found);
    if (!m_canvas) return skip;
    // A centred or right-aligned number is placed by its final text.
    double x = c->X;
    const int w = textWidthPixels(text);
    if (m_pageNumberAlign == 1)
        x = ConvertUnits(mtPixels, mtInches, 1, m_leftMargin + (m_rightMargin - m_leftMargin - w) / 2);
    else if (m_pageNumberAlign == 2)
        x = ConvertUnits(mtPixels, mtInches, 1,
                         m_rightMargin - (w + std::max(m_ppiX, m_ppiY) / kScreenPixelsPerInch));
    const MeasureType keptMeasure = m_measurement;
    m_measurement = mtInches;
    const TColor keptBrush = m_canvas->Brush().Color();
    m_canvas->Brush().SetColor(c->BrushColor);
    try {
        WriteText(text, x, c->Y);
    } catch (...) {
        m_measurement = keptMeasure;
        if (m_canvas) m_canvas->Brush().SetColor(keptBrush);
        throw;
    }
    m_measurement = keptMeasure;
    if (m_canvas) m_canvas->Brush().SetColor(keptBrush);
    return skip;
}

// ------------------------------------------------------------ one page

void TPrintObject::ReplayPage(TPrnPageList* page, int pageNo, bool enabled)
{
    if (!page) return;
    ++m_replayDepth;
    const bool keptEnabled = m_drawingEnabled;
    m_drawingEnabled = enabled;
    try {
        if (!m_buildingSnapshots && pageNo >= 1 && pageNo <= int(m_snapshots.size()))
            restoreState(m_snapshots[size_t(pageNo - 1)]);
        else
            ReadDeviceMetrics();
        if (enabled && OnPrintPage) OnPrintPage(this, m_canvas, pageNo);
        if (m_autoPageFeed) StartPageBody();
        int skip = 0;
        for (int i = 1; i <= page->Count(); ++i) {
            if (skip > 0) {
                --skip;
                continue;
            }
            const TPrnPrintCommand* command = page->GetCommand(i);
            const quint8 kind = command->Kind;
            if (kind > PrnKind::Gradient) continue;
            if (Unguarded(kind)) {
                replayCommand(command);
                continue;
            }
            try {
                if (kind == PrnKind::PageNumberText)
                    skip = replayPageNumber(page, i, pageNo);
                else
                    replayCommand(command);
            } catch (...) {
                m_replayFailures << FailureMessage(kind);
            }
        }
    } catch (...) {
        m_drawingEnabled = keptEnabled;
        if (--m_replayDepth == 0) showReplayFailures();
        throw;
    }
    m_drawingEnabled = keptEnabled;
    if (--m_replayDepth == 0) showReplayFailures();
}

void TPrintObject::showReplayFailures()
{
    if (m_replayFailures.isEmpty()) return;
    QStringList messages = m_replayFailures;
    m_replayFailures.clear();
    if (m_buildingSnapshots) return;
    messages.removeDuplicates();
    MessageDlg(messages.join(QLatin1Char('\n')), mtInformation, mbOK);
}

// --------------------------------------------------------- page states

std::array<double, 4> TPrintObject::currentMarginInches() const
{
    if (m_marginInchesSet) return m_marginInches;
    const double px = m_ppiX > 0 ? m_ppiX : 96, py = m_ppiY > 0 ? m_ppiY : 96;
    return {m_leftMargin / px, m_topMargin / py, m_rightMargin / px, m_bottomMargin / py};
}

void TPrintObject::captureState(TReplayState& s) const
{
    if (m_canvas) {
        s.font = m_canvas->Font();
        s.pen = m_canvas->Pen();
        s.brush = m_canvas->Brush();
    }
    s.currentX = m_currentX;
    s.currentY = m_currentY;
    s.linePos = m_linePos;
    s.yDepth = m_yDepth;
    s.savedY = m_savedY;
    s.fontDepth = m_fontDepth;
    s.savedFonts = m_savedFonts;
    s.automaticPaging = m_automaticPaging;
    s.columns = m_columns;
    s.marginInches = currentMarginInches();
    s.detailTop = m_detailTop;
    s.detailBottom = m_detailBottom;
    s.headerDim = m_headerDim;
    s.footerDim = m_footerDim;
    s.headerLines = m_headerLines;
    s.footerLines = m_footerLines;
    s.pageNumberFormat = m_pageNumberFormat;
    s.pageNumberY = m_pageNumberY;
    s.pageNumberAlign = m_pageNumberAlign;
    s.pageNumberFont = m_pageNumberFont;
    s.showTotalPages = m_showTotalPages;
    s.tab = m_tab;
    s.indent = m_indent;
    s.transparent = m_transparent;
    s.fontAngle = m_fontAngle;
}

void TPrintObject::restoreState(const TReplayState& s)
{
    m_currentX = s.currentX;
    m_currentY = s.currentY;
    m_linePos = s.linePos;
    m_yDepth = s.yDepth;
    m_savedY = s.savedY;
    m_fontDepth = s.fontDepth;
    m_savedFonts = s.savedFonts;
    m_automaticPaging = s.automaticPaging;
    m_columns = s.columns;
    m_detailTop = s.detailTop;
    m_detailBottom = s.detailBottom;
    m_headerDim = s.headerDim;
    m_footerDim = s.footerDim;
    m_headerLines = s.headerLines;
    m_footerLines = s.footerLines;
    m_pageNumberFormat = s.pageNumberFormat;
    m_pageNumberY = s.pageNumberY;
    m_pageNumberAlign = s.pageNumberAlign;
    m_pageNumberFont = s.pageNumberFont;
    m_showTotalPages = s.showTotalPages;
    m_tab = s.tab;
    m_indent = s.indent;
    m_transparent = s.transparent;
    m_fontAngle = s.fontAngle;
    if (m_canvas) {
        applyFont(s.font, false);
        m_canvas->Pen() = s.pen;
        m_canvas->Brush() = s.brush;
    }
    // The surface's own metrics, then the margins as this surface has them.
    ReadDeviceMetrics();
    m_marginInches = s.marginInches;
    m_marginInchesSet = true;
    const MeasureType keptMeasure = m_measurement;
    m_measurement = mtInches;
    SetMargins(s.marginInches[1], s.marginInches[3], s.marginInches[0], s.marginInches[2]);
    m_measurement = keptMeasure;
}

void TPrintObject::buildSnapshots()
{
    m_snapshots.clear();
    if (!m_pages) return;
    const int count = m_pages->PageCount();
    TCanvas* keptCanvas = m_canvas;
    const bool keptEnabled = m_drawingEnabled;
    m_canvas = measuringCanvas();
    m_buildingSnapshots = true;
    m_marginInchesSet = false;
    try {
        if (m_haveStartState)
            restoreState(m_startState);
        else
            ReadDeviceMetrics();
        m_snapshots.resize(size_t(count));
        for (int p = 1; p <= count; ++p) {
            captureState(m_snapshots[size_t(p - 1)]);
            ReplayPage(m_pages->GetPage(p), p, false);
        }
    } catch (...) {
        m_buildingSnapshots = false;
        m_snapshots.clear();
        m_canvas = keptCanvas;
        m_drawingEnabled = keptEnabled;
        throw;
    }
    m_buildingSnapshots = false;
    m_canvas = keptCanvas;
    m_drawingEnabled = keptEnabled;
    if (!m_snapshots.empty()) restoreState(m_snapshots.front());
}

// -------------------------------------------------------- printing

bool TPrintObject::PrintDialogForPages()
{
    if (!m_pages) return false;
    const int count = m_pages->PageCount();
    TPrinter* printer = Printer();
    PrintDialogRequest r;
    r.minPage = 1;
    r.maxPage = count;
    r.fromPage = 1;
    r.toPage = count;
    r.pageRangeEnabled = true;
    r.copies = m_copies;
    r.printerName = printer->PrinterName();
    if (printer->IsPdf()) r.pdfFileName = printer->PdfFileName();
    r.paperCode = PaperSizeRow(m_paperSize).Code;
    r.orientation = m_orientation == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (!ExecutePrintDialog(r)) return false;

    int from = r.fromPage, to = r.toPage;
    if (!r.printRange || (from == 0 && to == 0)) {
        from = 1;
        to = count;
    }
    from = qBound(1, from, count);
    to = qBound(from, to, count);
    m_pages->PrintFrom = from;
    m_pages->PrintTo = to;
    SetOrientation(r.orientation == DMORIENT_LANDSCAPE ? 1 : 0);
    const int ordinal = PaperSizeOfCode(r.paperCode);
    if (ordinal >= 0 && PaperSizeRow(ordinal).Width > 0 && PaperSizeRow(ordinal).Height > 0)
        SetPaperSize(PaperSizes(ordinal));
    m_copies = qMax(1, r.copies);
    if (!r.printerName.isEmpty()) printer->SetPrinterName(r.printerName);
    if (printer->IsPdf() && !r.pdfFileName.isEmpty()) printer->SetPdfFileName(r.pdfFileName);
    return true;
}

void TPrintObject::PrintAllPages()
{
    if (!m_pages) return;
    m_automaticPaging = false;
    if (!m_printerDefaultsTried) ReadPrinterDefaults();
    ApplyPrinterSettings(false);
    if (Printer()->Printers().isEmpty()) {
        MessageDlg(QStringLiteral("There are no printers installed."), mtInformation, mbOK);
        return;
    }
    if (m_showPrintDialog) {
        if (!PrintDialogForPages()) return;
        // The dialog's printer, paper and orientation reach the printer.
        ApplyPrinterSettings(false);
    }
    TPrinter* printer = Printer();
    printer->SetTitle(m_title.isEmpty() ? QStringLiteral("***") : m_title);
    // A document that cannot begin prints nothing and fires nothing.
    if (!printer->BeginDoc()) {
        MessageDlg(printer->ErrorText(), mtInformation, mbOK);
        return;
    }
    m_previewMode = false;
    m_printingToPrinter = true;
    TCanvas* keptCanvas = m_canvas;
    auto finish = [&] {
        if (printer->Printing()) printer->EndDoc();
        m_canvas = keptCanvas;
        m_previewMode = true;
        m_printingToPrinter = false;
        m_drawingEnabled = true;
    };
    try {
        if (BeforePrint) BeforePrint(this);
        m_canvas = printer->Canvas();
        ReadDeviceMetrics();
        const int from = m_pages->PrintFrom, to = qMin(m_pages->PrintTo, m_pages->PageCount());
        ++m_replayDepth;
        try {
            for (int p = 1; p <= to; ++p) {
                const bool enabled = p >= from && p <= to;
                ReplayPage(m_pages->GetPage(p), p, enabled);
                if (p != to && m_autoPageFeed && enabled) {
                    printer->NewPage();
                    StartPageBody();
                }
                // Paint and cancel requests, but no clicks or keys: nothing
                // may switch the surface or start a second print now.
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                if (!m_printingStarted) break;
            }
        } catch (...) {
            --m_replayDepth;
            throw;
        }
        --m_replayDepth;
        showReplayFailures();
        SetFontAngle(0);
        printer->EndDoc();
        if (AfterPrint) AfterPrint(this);
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (m_statusText) {
        if (auto* label = qobject_cast<QLabel*>(m_statusText.data()))
            label->clear();
        else if (auto* edit = qobject_cast<QLineEdit*>(m_statusText.data()))
            edit->clear();
    }
}
