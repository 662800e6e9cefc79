// Text output: one line of text at the print head or at a position, the
// aligned and column writers, text broken into a column, and the position
// settings (tab, indent, transparency, font angle).
#include "platform/Numbers.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"
#include "print/TextLines.h"

#include <algorithm>

namespace {

// Room between a column's edge and its text, in device pixels.
constexpr int kColumnPad = 4;

bool OnlyBlanks(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

// Characters before the first ".", or the whole text without one.
qsizetype BeforeDecimal(const QString& text)
{
    const qsizetype n = text.indexOf(QLatin1Char('.'));
    return n < 0 ? text.size() : n;
}

}  // namespace

// ------------------------------------------------------------ measuring

int TPrintObject::textWidthPixels(const QString& text)
{
    if (text.isEmpty() || !m_canvas) return 0;
    const TFont& f = m_canvas->Font();
    TWidthCache& c = m_widthCache;
    const int dpi = m_canvas->PixelsPerInchY();
    if (c.canvas != m_canvas || c.dpi != dpi || c.height != f.Height() || c.style != f.Style()
        || c.name != f.Name()) {
        c.canvas = m_canvas;
        c.dpi = dpi;
        c.height = f.Height();
        c.style = f.Style();
        c.name = f.Name();
        c.lastWidth = -1;
        // Surfaces that measure with real fonts give the same width for the
        // same font, resolution and text every time; those are remembered,
        // shared by every such surface.
        c.cacheable = m_canvas == &m_measureCanvas || dynamic_cast<const TPainterCanvas*>(m_canvas);
        c.widths = nullptr;
        if (c.cacheable) {
            const QString key = QStringLiteral("%1|%2|%3|").arg(dpi).arg(f.Height()).arg(f.Style()) + f.Name();
            c.widths = &c.tables[key];
        }
    }
    if (!c.cacheable) return m_canvas->TextWidth(text);
    if (c.lastWidth >= 0 && text.constData() == c.lastText.constData() && text.size() == c.lastText.size())
        return c.lastWidth;
    int w;
    const auto it = c.widths->constFind(text);
    if (it != c.widths->constEnd()) {
        w = *it;
    } else {
        if (c.widths->size() > 100000) c.widths->clear();
        w = m_canvas->TextWidth(text);
        c.widths->insert(text, w);
    }
    c.lastText = text;
    c.lastWidth = w;
    return w;
}

int TPrintObject::drawnWidthPixels(const QString& text)
{
    const int w = textWidthPixels(text);
    return s_largeFont ? int(Round(w * kLargeFontFactor)) : w;
}

int TPrintObject::columnLeftPixels(quint16 column) const
{
    if (column < 1 || column > 50) return 0;
    return int(ConvertUnits(mtInches, mtPixels, 1, m_columns[column].Left));
}

int TPrintObject::columnWidthPixels(quint16 column) const
{
    if (column < 1 || column > 50) return 0;
    return int(ConvertUnits(mtInches, mtPixels, 1, m_columns[column].Width));
}

QString TPrintObject::clipToColumn(quint16 column, const QString& text)
{
    if (!m_clipColumns) return text;
    const double width = GetColumnWidth(column);
    QString t = text;
    while (!t.isEmpty() && GetTextWidth(t) > width) t.chop(1);
    return t;
}

void TPrintObject::writeTextNoTab(const QString& text, double x, double y)
{
    const double kept = m_tab;
    m_tab = 0.0;
    try {
        WriteText(text, x, y);
    } catch (...) {
        m_tab = kept;
        throw;
    }
    m_tab = kept;
}

// ----------------------------------------------------------- WriteText

void TPrintObject::WriteText(const QString& text, double x, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    if (!m_printingStarted || !m_canvas) return;

    // Where the text starts across the page.
    const double xi = toInches(1, x);
    const double yi = toInches(0, y);
    int px;
    if (xi >= 0.0) {
        px = int(ConvertUnits(mtInches, mtPixels, 1, xi));
        if (m_recording && m_useMarginOffset) px += m_leftMargin;
    } else if (xi == -1.0) {
        px = int(ConvertUnits(mtInches, mtPixels, 1, m_currentX));
    } else {
        px = m_leftMargin;
    }
    px = std::max({px, m_printableOffsetX, m_leftMargin});
    if (m_tab > 0.0) px += int(ConvertUnits(mtInches, mtPixels, 1, m_tab));
    const double rightMargin = m_scale > 1.0 ? m_rightMargin * m_scale * m_scale : m_rightMargin / m_scale;
    px = int(std::min({double(px), double(m_pageWidthPx - m_unprintableRight), rightMargin}));

    // Where it stands down the page.
    const bool paging = m_recording && m_automaticPaging && m_pageOpen;
    int py = 0;
    if (yi > -0.01) {
        py = int(ConvertUnits(mtInches, mtPixels, 0, yi));
        py = std::max(py, m_printableOffsetY);
        py = std::min(py, m_pageHeightPx - m_unprintableBottom);
        if (m_recording && m_useMarginOffset) py += m_topMargin;
        m_currentY = ConvertUnits(mtPixels, mtInches, 0, py);
    } else if (yi == -1.0) {
        if (paging && m_currentY + LineHeightInches() > m_detailBottom / m_scale + kFitTolerance) {
            NewPage();
            m_currentY -= LineHeightInches();
        }
        m_currentY += LineHeightInches();
        py = int(ConvertUnits(mtInches, mtPixels, 0, m_currentY));
    } else if (yi == -2.0) {
        if (paging && m_currentY > m_detailBottom / m_scale + kFitTolerance) NewPage();
        py = int(ConvertUnits(mtInches, mtPixels, 0, m_currentY));
    }
    if (m_recording && m_pageOpen) {
        const double s2 = m_scale * m_scale;
        m_currentY = std::max(m_detailTop / s2, std::min(m_currentY, m_detailBottom / s2));
    }
    if (!m_canvas) return;

    TBrush& brush = m_canvas->Brush();
    const TBrushStyle keptStyle = brush.Style();
    const TColor keptColor = brush.Color();
    brush.SetStyle(m_transparent ? bsClear : bsSolid);

    const bool rotated = m_fontAngle != 0;
    TFont keptFont;
    if (rotated) {
        // Turned text leaves the print head where it is.
        keptFont = m_canvas->Font();
        const int cell = int(Round(LineHeightPixels() * m_scale));
        m_canvas->Font().SetHeight(cell);
        m_canvas->SetFontEscapement(m_fontAngle * 10);
        ReadDeviceMetrics();
    } else {
        const int w = drawnWidthPixels(text);
        m_currentX = ConvertUnits(mtPixels, mtInches, 1, px / m_scale + w);
    }

    if (m_recording) {
        if (m_pages)
            m_pages->AddText(ConvertUnits(mtPixels, mtInches, 1, px), ConvertUnits(mtPixels, mtInches, 0, py), text,
                             keptColor);
    } else if (m_drawingEnabled) {
        m_canvas->TextOut(px - m_printableOffsetX, py - m_printableOffsetY, text);
    }

    if (rotated) {
        m_canvas->SetFontEscapement(0);
        m_canvas->Font().Assign(keptFont);
        ReadDeviceMetrics();
    }
    brush.SetStyle(keptStyle);
    brush.SetColor(keptColor);
}

// ------------------------------------------------------ aligned writers

void TPrintObject::WriteAligned(const QString& text, quint16 align, double y, double x)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    switch (align) {
    case 0: WriteText(text, 0.0, y); break;
    case 1: WriteCenter(text, y); break;
    case 2: WriteRight(text, y); break;
    case 3: WriteAtDecimal(text, x, y); break;
    case 4: WriteText(text, ConvertUnits(mtInches, m_measurement, 1, m_indent), y); break;
    case 5: WriteCenterToX(text, x, y); break;
    case 6: WriteRightToX(text, x, y); break;
    default: break;
    }
}

void TPrintObject::WriteCenter(const QString& text, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    const int w = drawnWidthPixels(text);
    int x = (m_rightMargin - m_leftMargin - w) / 2;
    if (!m_useMarginOffset) x += m_leftMargin;
    writeTextNoTab(text, fromPixels(1, x), y);
}

void TPrintObject::WriteRight(const QString& text, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    const int w = drawnWidthPixels(text);
    const int g = std::max(m_ppiX, m_ppiY) / kScreenPixelsPerInch;
    qint16 x = qint16(m_rightMargin - (w + g));
    if (m_useMarginOffset) x = qint16(x - m_leftMargin);
    writeTextNoTab(text, fromPixels(1, x), y);
}

void TPrintObject::writeTextToX(const QString& text, double x, double y, bool centred)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    double xv = x / m_scale;
    if (s_largeFont) xv /= kLargeFontFactor;
    const int w = drawnWidthPixels(text);
    const int xp = int(Round(toPixels(1, xv)));
    writeTextNoTab(text, fromPixels(1, xp - (centred ? w / 2 : w)), y);
}

void TPrintObject::WriteCenterToX(const QString& text, double x, double y)
{
    writeTextToX(text, x, y, true);
}

void TPrintObject::WriteRightToX(const QString& text, double x, double y)
{
    writeTextToX(text, x, y, false);
}

void TPrintObject::WriteAtDecimal(const QString& text, double x, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    writeTextNoTab(text, x - GetTextWidth(text.left(BeforeDecimal(text))), y);
}

// ------------------------------------------------------- column writers

void TPrintObject::WriteColumn(quint16 column, const QString& text, double y, quint16 align, double offset)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    switch (align) {
    case 0: WriteColumnLeft(column, text, y); break;
    case 1: WriteColumnCenter(column, text, y); break;
    case 2: WriteColumnRight(column, text, y); break;
    case 3:
        if (offset == 0.0) offset = GetTextWidth(QStringLiteral(".0000"));
        WriteColumnDecimal(column, text, GetColumnWidth(column) - offset, y);
        break;
    case 4:
        writeTextNoTab(clipToColumn(column, text),
                       GetColumnLeft(column) + ConvertUnits(mtInches, m_measurement, 1, m_indent), y);
        break;
    default: break;
    }
}

void TPrintObject::WriteColumnLeft(quint16 column, const QString& text, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    const QString t = clipToColumn(column, text);
    WriteText(t, GetColumnLeft(column) + fromPixels(1, kColumnPad), y);
}

void TPrintObject::WriteColumnCenter(quint16 column, const QString& text, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    const QString t = clipToColumn(column, text);
    const int x = (columnWidthPixels(column) - textWidthPixels(t)) / 2 + columnLeftPixels(column);
    writeTextNoTab(t, fromPixels(1, x), y);
}

void TPrintObject::WriteColumnRight(quint16 column, const QString& text, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    const QString t = clipToColumn(column, text);
    const int w = drawnWidthPixels(t) + kColumnPad;
    const double scale = s_largeFont ? m_scale / kLargeFontFactor : m_scale;
    double right = 0.0;
    if (column >= 1 && column <= 50)
        right = ConvertUnits(mtInches, mtPixels, 1, m_columns[column].Left + m_columns[column].Width);
    const int r = int(Round(right / scale));
    writeTextNoTab(t, fromPixels(1, r - w), y);
}

void TPrintObject::WriteColumnDecimal(quint16 column, const QString& text, double offset, double y)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    const QString t = clipToColumn(column, text);
    if (offset == -1.0) offset = GetColumnWidth(column) - GetTextWidth(QStringLiteral(".00"));
    const double x = GetColumnLeft(column) + offset - GetTextWidth(t.left(BeforeDecimal(t)));
    writeTextNoTab(t, x, y);
}

void TPrintObject::BreakTextToLines(const QString& text, QStringList& lines, double left, double right)
{
    if (!m_canvas) {
        lines = QStringList{text};
        return;
    }
    const double pad = m_ppiX > 0 ? double(kColumnPad) / m_ppiX : 0.0;
    const double l = toInches(1, left) + pad;
    const double r = toInches(1, right) - pad;
    lines = ::BreakTextToLines(text, r - l, [this](const QString& s) {
        return ConvertUnits(m_measurement, mtInches, 1, GetTextWidth(s));
    });
}

void TPrintObject::WriteColumnText(quint16 column, const QString& text, double y, bool saveRestoreY,
                                   bool keepTogether, quint16 align)
{
    if (!m_printingStarted) return;
    FireFirstPage();
    QStringList lines;
    BreakTextToLines(text, lines, GetColumnLeft(column), GetColumnRight(column));
    while (!lines.isEmpty() && OnlyBlanks(lines.last())) lines.removeLast();

    if (saveRestoreY) SaveY();
    if (y == -1.0)
        NewLine();
    else if (y != -2.0)
        SetY(y);
    if (keepTogether && lines.size() > GetLinesLeft()) {
        // The block moves whole to the next page; the saved Y moves with it.
        if (saveRestoreY) RestoreY();
        NewPage();
        if (saveRestoreY) SaveY();
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) NewLine();
        switch (align) {
        case 0: WriteColumnLeft(column, lines[i], -2.0); break;
        case 1: WriteColumnCenter(column, lines[i], -2.0); break;
        case 2: WriteColumnRight(column, lines[i], -2.0); break;
        default: break;
        }
    }
    if (saveRestoreY) RestoreY();
}

// ------------------------------------------------------ position settings

void TPrintObject::SetTab(double tab)
{
    if (!m_printingStarted) return;
    const double v = toInches(1, tab);
    if (m_recording && m_pages) m_pages->AddTab(v);
    m_tab = v;
}

void TPrintObject::SetIndent(double indent)
{
    const double v = toInches(1, indent);
    if (m_recording && m_pages) m_pages->AddIndent(v);
    m_indent = v;
}

void TPrintObject::SetFontAngle(int angle)
{
    if (!m_printingStarted) return;
    if (m_recording && m_pages) m_pages->AddFontAngle(angle);
    m_fontAngle = angle;
}
