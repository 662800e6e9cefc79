#include "print/PrintObject.h"

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"
#include "print/PrnPages.h"
#include "platform/Printer.h"
#include "print/DisplayPanel.h"
#include "print/PreviewWindow.h"

#include <cmath>

bool TPrintObject::s_largeFont = false;

namespace {

const TPaperSize kPaper[PaperSizeCount] = {
    {1, 8.5, 11.0},   {2, 8.5, 11.0},   {3, 11.0, 17.0},  {4, 17.0, 11.0},  {5, 8.5, 14.0},
    {6, 5.5, 8.5},    {7, 7.5, 10.5},   {8, 11.7, 16.5},  {9, 8.3, 11.7},   {10, 0, 0},
    {11, 5.9, 8.3},   {12, 9.9, 14.0},  {13, 7.2, 10.1},  {14, 8.5, 13.0},  {15, 8.5, 10.8},
    {16, 10.0, 14.0}, {17, 11.0, 17.0}, {18, 8.5, 11.0},  {19, 3.875, 8.9}, {20, 4.1, 9.5},
    {21, 4.5, 10.4},  {22, 4.1, 9.5},   {23, 5.0, 11.5},  {24, 0, 0},       {25, 0, 0},
    {26, 0, 0},       {27, 4.3, 8.7},   {29, 12.8, 18.0}, {30, 9.0, 12.0},  {28, 6.4, 9.0},
    {31, 4.5, 6.4},   {32, 4.5, 9.0},   {33, 9.8, 14.0},  {34, 7.0, 9.8},   {35, 7.0, 5.0},
    {36, 4.3, 9.1},   {37, 3.9, 7.5},   {38, 3.6, 6.5},
};
const TPaperSize kNoPaper = {0, 0, 0};

}  // namespace

const TPaperSize& PaperSizeRow(int ordinal)
{
    if (ordinal < 0 || ordinal >= PaperSizeCount) return kNoPaper;
    return kPaper[ordinal];
}

int PaperSizeOfCode(int code)
{
    for (int i = 0; i < PaperSizeCount; ++i)
        if (kPaper[i].Code == code) return i;
    return -1;
}

// ---------------------------------------------------------- life cycle

TPrintObject::TPrintObject(QObject* owner) : QObject(owner)
{
    m_version = QStringLiteral("Version 4.2");
    m_scale = 1.0;
    m_automaticPaging = true;
    m_showProgress = false;
    m_showPrintDialog = true;
    m_progressBarMax = 100;
    m_progressBarInc = 1;
    m_progressBarMin = 0;
    m_autoPageFeed = true;
    m_printPageNumbers = false;
    m_transparent = false;
    m_showTotalPages = true;
    m_startPercent = P6_Full;
    m_useLargeFontAdjust = true;
    m_fontDepth = 0;
    m_yDepth = 0;
    m_copies = 1;
    m_measurement = mtMM;
    m_printingStarted = false;
    s_largeFont = false;
    m_useMarginOffset = true;
    m_clipColumns = false;
    m_printDirect = false;
    m_promptOnCancel = false;
    m_lineSpacing = 1;
    m_printQuality = pqHIGH;
    m_owner = owner;
    m_useDisplayPanel = false;
    m_previewMode = true;
    m_pageOpen = false;
    m_ppiX = 96;
    m_ppiY = 96;
    m_canvas = &m_measureCanvas;
    if (PreviewFactory()) m_previewWindow = PreviewFactory()();
    m_displayPanel = new TPrnDisplayPanel(this);
    recomputePaperSizeArea();
}

TPrintObject::~TPrintObject()
{
    if (OnDestroy) OnDestroy(this);
    ResetState();
    m_pages.reset();
    OnNewPage = nullptr;
    AfterNewPage = nullptr;
    OnCancel = nullptr;
    BeforePrint = nullptr;
    AfterPrint = nullptr;
    OnFirstPage = nullptr;
    OnLastPage = nullptr;
}

void TPrintObject::Loaded()
{
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleUnknownException();
    }
}

void TPrintObject::Quit()
{
    CancelPrint();
    if (!m_printingStarted) EndReport();
}

void TPrintObject::CancelPrint()
{
    if (!m_printingStarted) return;
    if (m_promptOnCancel && MessageDlg(QStringLiteral("Abort printing?"), mtConfirmation, mbYesNo) != mrYes)
        return;
    m_printingStarted = false;
    if (OnCancel) OnCancel(this);
}

void TPrintObject::ResetState()
{
    for (int i = 1; i <= 10; ++i) {
        m_headerLines[size_t(i)].Text.clear();
        m_headerLines[size_t(i)].Font.reset();
        m_footerLines[size_t(i)].Text.clear();
        m_footerLines[size_t(i)].Font.reset();
        m_savedFonts[size_t(i)].reset();
    }
    m_fontDepth = 0;
    for (TColumn& c : m_columns) c = TColumn();
    m_pageNumberFormat.clear();
    m_pageNumberFont.reset();
    SetTab(0.0);
    m_progressBar.clear();
    m_statusText.clear();
    if (m_displayPanel) m_displayPanel->FreePanel();
    m_ppiX = 96;
    m_ppiY = 96;
}

// ---------------------------------------------------------- properties

void TPrintObject::SetAutomaticPaging(bool value)
{
    m_automaticPaging = value;
    if (m_recording && m_pages) m_pages->AddSimple(value ? PrnKind::AutoPagingOn : PrnKind::AutoPagingOff);
}

void TPrintObject::SetMeasurement(MeasureType value)
{
    if (m_recording && m_pages) m_pages->AddMeasure(value);
    m_measurement = value;
    recomputePaperSizeArea();
}

void TPrintObject::SetOrientation(int value)
{
    m_orientation = value;
    recomputePaperSizeArea();
}

void TPrintObject::SetPaperSize(PaperSizes value)
{
    m_paperSize = value;
    recomputePaperSizeArea();
}

void TPrintObject::SetTransparent(bool value)
{
    m_transparent = value;
    if (m_recording && m_pages) m_pages->AddTransparent(value);
}

void TPrintObject::recomputePaperSizeArea()
{
    const TPaperSize& row = PaperSizeRow(m_paperSize);
    double w = row.Width, h = row.Height;
    if (m_orientation == 1) std::swap(w, h);
    auto text = [this](double inches, quint16 axis) {
        switch (m_measurement) {
        case mtInches: return FormatFloat(QStringLiteral("##0.0"), inches);
        case mtMM: return FormatFloat(QStringLiteral("#####0"), double(Trunc(inches * 25.4)));
        case mtPixels:
        default:
            return FormatFloat(QStringLiteral("#####0"),
                               double(Trunc(ConvertUnits(mtInches, mtPixels, axis, inches))));
        }
    };
    m_paperSizeArea = QStringLiteral("(") + text(w, 1) + QStringLiteral(" X ") + text(h, 0) + QStringLiteral(")");
}

// ------------------------------------------------------ units, metrics

double TPrintObject::ConvertUnits(MeasureType from, MeasureType to, quint16 axis, double value) const
{
    if (from == to || axis > 1) return value;
    const double ppi = axis == 1 ? m_ppiX : m_ppiY;
    constexpr double mm = 25.4;
    switch (from) {
    case mtInches:
        if (to == mtMM) return value * mm;
        if (to == mtPixels) return double(Round(ppi * value * m_scale));
        break;
    case mtMM:
        if (to == mtInches) return value / mm;
        if (to == mtPixels) return double(Round(ppi * (value / mm) * m_scale));
        break;
    case mtPixels:
        if (ppi == 0) return value;
        if (to == mtInches) return value / ppi;
        if (to == mtMM) return (value / ppi) * mm;
        break;
    }
    return value;
}

double TPrintObject::toInches(quint16 axis, double value) const
{
    return value > -0.01 ? ConvertUnits(m_measurement, mtInches, axis, value) : value;
}

double TPrintObject::toPixels(quint16 axis, double value) const
{
    return value > -0.01 ? ConvertUnits(m_measurement, mtPixels, axis, value) : value;
}

double TPrintObject::fromPixels(quint16 axis, double value) const
{
    return ConvertUnits(mtPixels, m_measurement, axis, value);
}

double TPrintObject::GetTextWidth(const QString& text)
{
    if (text.isEmpty() || !m_canvas) return 0.0;
    long long px = Round(textWidthPixels(text) / m_scale);
    if (s_largeFont) px = Round(px / kLargeFontFactor);
    return fromPixels(1, double(px));
}

void TPrintObject::AddMarginOffset(double& x, double& y) const
{
    if (!m_useMarginOffset || !(m_recording || m_printDirect)) return;
    x += fromPixels(1, m_leftMargin);
    y += fromPixels(0, m_topMargin);
}

void TPrintObject::ReadDeviceMetrics()
{
    if (!m_canvas) return;
    m_textMetric = m_canvas->TextMetrics();
    const int rawY = m_canvas->PixelsPerInchY();
    const int rawX = m_canvas->PixelsPerInchX();
    s_largeFont = m_useLargeFontAdjust && (m_recording || m_previewMode) && rawX > 96;
    m_ppiY = rawY;
    m_ppiX = rawX;
    if (s_largeFont) {
        m_ppiY = int(Round(rawY / kLargeFontFactor));
        m_ppiX = int(Round(rawX / kLargeFontFactor));
    }
    if (m_previewMode) {
        m_printableOffsetX = 0;
        m_printableOffsetY = 0;
    } else {
        m_printableOffsetX = m_canvas->PrintableOffset().x();
        m_printableOffsetY = m_canvas->PrintableOffset().y();
    }
    int w = m_canvas->PageSize().width();
    int h = m_canvas->PageSize().height();
    if (m_previewMode && s_largeFont) {
        w = int(Round(w / kLargeFontFactor));
        h = int(Round(h / kLargeFontFactor));
    }
    m_pageWidthPx = int(Trunc(w * m_scale));
    m_pageHeightPx = int(Trunc(h * m_scale));
    const double divX = s_largeFont ? rawX / kLargeFontFactor : rawX;
    const double divY = s_largeFont ? rawY / kLargeFontFactor : rawY;
    m_pageWidthIn = divX > 0 ? w / divX : 0.0;
    m_pageHeightIn = divY > 0 ? h / divY : 0.0;
    if (m_previewMode) {
        m_unprintableRight = 0;
        m_unprintableBottom = 0;
    } else {
        m_unprintableRight = m_pageWidthPx - m_printableOffsetX - m_canvas->PrintableSize().width();
        m_unprintableBottom = m_pageHeightPx - m_printableOffsetY - m_canvas->PrintableSize().height();
    }
    m_topMargin = qMax(m_topMargin, m_printableOffsetY);
    m_bottomMargin = qMin(m_bottomMargin, m_pageHeightPx - m_unprintableBottom);
    m_leftMargin = qMax(m_leftMargin, m_printableOffsetX);
    m_rightMargin = qMin(m_rightMargin, m_pageWidthPx - m_unprintableRight);
}

qint16 TPrintObject::LineHeightPixels() const
{
    if (!m_canvas) return 0;
    const int h = m_canvas->TextHeight(QStringLiteral("A"));
    long long v = Round(h / m_scale);
    if (s_largeFont) v = Round(v / kLargeFontFactor);
    return qint16(v * m_lineSpacing);
}

double TPrintObject::LineHeightInches() const
{
    return m_ppiY > 0 ? double(LineHeightPixels()) / m_ppiY : 0.0;
}

void TPrintObject::fireOnce(bool& fired, const TNotifyEvent& event)
{
    if (fired) return;
    fired = true;
    const bool kept = m_automaticPaging;
    m_automaticPaging = false;
    try {
        if (event) event(this);
    } catch (...) {
        m_automaticPaging = kept;
        throw;
    }
    m_automaticPaging = kept;
}

void TPrintObject::FireFirstPage()
{
    fireOnce(m_firstPageFired, OnFirstPage);
}

void TPrintObject::FireLastPage()
{
    fireOnce(m_lastPageFired, OnLastPage);
}

// ----------------------------------------------------------- surfaces

TCanvas* TPrintObject::measuringCanvas()
{
    return m_recordingCanvas ? m_recordingCanvas : &m_measureCanvas;
}

void TPrintObject::SetDrawingCanvas(TCanvas* canvas)
{
    m_canvas = canvas ? canvas : measuringCanvas();
}

void TPrintObject::SetRecordingCanvas(TCanvas* canvas)
{
    const bool wasCurrent = m_canvas == measuringCanvas();
    m_recordingCanvas = canvas;
    if (wasCurrent) m_canvas = measuringCanvas();
}

void TPrintObject::SetScale(double scale)
{
    // Every conversion multiplies or divides by the scale: none but a
    // positive one is taken.
    if (!(scale > 0.0)) return;
    m_scale = scale;
    ReadDeviceMetrics();
}

// Job start and end are in PrintJob.cpp.
