// Columns, lines, shapes, pictures, and the drawing attributes (font,
// colours, pen, brush, line width).
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <algorithm>

// Device coordinate of a Measurement X (margin offset already applied):
// pixels, large-font factor, less the printable offset.
int TPrintObject::devX(double measureX) const
{
    double v = toPixels(1, measureX);
    if (s_largeFont) v *= kLargeFontFactor;
    v -= m_printableOffsetX;
    return int(Round(v));
}

int TPrintObject::devY(double measureY) const
{
    double v = toPixels(0, measureY);
    if (s_largeFont) v *= kLargeFontFactor;
    v -= m_printableOffsetY;
    return int(Round(v));
}

// ------------------------------------------------------------- columns

void TPrintObject::SetColumn(quint16 column, double left, double width)
{
    if (!m_printingStarted) return;
    if (column < 1 || column > 50) {
        MessageDlg(QStringLiteral("Column value must be between 1 and ") + QStringLiteral("50") + QStringLiteral("."),
                   mtInformation, mbOK);
        return;
    }
    double l = toInches(1, left);
    double w = toInches(1, width);
    if (m_recording && m_pages) m_pages->AddColumn(column, l, w);
    if (s_largeFont) {
        l *= kLargeFontFactor;
        w *= kLargeFontFactor;
    }
    m_columns[column].Left = l;
    m_columns[column].Width = w;
}

double TPrintObject::GetColumnLeft(quint16 column) const
{
    if (column < 1 || column > 50) return 0.0;
    return ConvertUnits(mtInches, m_measurement, 1, m_columns[column].Left);
}

double TPrintObject::GetColumnWidth(quint16 column) const
{
    if (column < 1 || column > 50) return 0.0;
    return ConvertUnits(mtInches, m_measurement, 1, m_columns[column].Width);
}

double TPrintObject::GetColumnRight(quint16 column) const
{
    if (column < 1 || column > 50) return 0.0;
    return ConvertUnits(mtInches, m_measurement, 1, m_columns[column].Left + m_columns[column].Width);
}

// ------------------------------------------------------ lines and shapes

void TPrintObject::DrawLine(quint16 penWidth, double x1, double y1, double x2, double y2)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x1, y1);
    AddMarginOffset(x2, y2);
    if (m_recording && m_pages)
        m_pages->AddLine(toInches(1, x1), toInches(0, y1), toInches(1, x2), toInches(0, y2), penWidth);
    auto dev = [this](quint16 axis, double v) {
        double d = toPixels(axis, v);
        if (s_largeFont) d *= kLargeFontFactor;
        d -= axis == 1 ? m_printableOffsetX : m_printableOffsetY;
        return int(Trunc(d));
    };
    const int dx1 = dev(1, x1), dy1 = dev(0, y1), dx2 = dev(1, x2), dy2 = dev(0, y2);
    if (!m_canvas) return;
    const int kept = m_canvas->Pen().Width();
    m_canvas->Pen().SetWidth(int(Round(penWidth * m_scale)));
    m_canvas->MoveTo(dx1, dy1);
    if (m_drawingEnabled)
        m_canvas->LineTo(dx2, dy2);
    else
        m_canvas->MoveTo(dx2, dy2);
    m_canvas->Pen().SetWidth(kept);
}

void TPrintObject::MoveTo(double x, double y)
{
    if (!m_printingStarted) return;
    if (m_recording && m_pages) m_pages->AddMoveTo(toInches(1, x), toInches(0, y));
    m_linePos = QPointF(x, y);
    if (m_canvas) m_canvas->MoveTo(devX(x), devY(y));
}

void TPrintObject::LineTo(double x, double y)
{
    if (!m_printingStarted || !m_canvas) return;
    // Drawn from the point the caller gave last, in the caller's terms, so
    // that margins and offsets are applied once.
    const QPointF from = m_linePos;
    m_linePos = QPointF(x, y);
    DrawLine(quint16(qMax(0, m_canvas->Pen().Width())), from.x(), from.y(), x, y);
}

void TPrintObject::Ellipse(double x1, double y1, double x2, double y2)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x1, y1);
    AddMarginOffset(x2, y2);
    if (m_recording && m_pages)
        m_pages->AddEllipse(toInches(1, x1), toInches(0, y1), toInches(1, x2), toInches(0, y2));
    if (m_drawingEnabled && m_canvas) m_canvas->Ellipse(devX(x1), devY(y1), devX(x2), devY(y2));
}

void TPrintObject::FloodFill(double x, double y, TColor color, TFillStyle fillStyle)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x, y);
    if (m_recording && m_pages) m_pages->AddFloodFill(toInches(1, x), toInches(0, y), color, quint8(fillStyle));
    if (m_drawingEnabled && m_canvas) m_canvas->FloodFill(devX(x), devY(y), color, fillStyle);
}

void TPrintObject::FillRect(double x1, double y1, double x2, double y2)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x1, y1);
    AddMarginOffset(x2, y2);
    if (m_recording && m_pages)
        m_pages->AddFillRect(toInches(1, x1), toInches(0, y1), toInches(1, x2), toInches(0, y2));
    if (m_drawingEnabled && m_canvas) {
        const int l = devX(x1), t = devY(y1), r = devX(x2), b = devY(y2);
        m_canvas->FillRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
    }
}

void TPrintObject::FrameRect(double x1, double y1, double x2, double y2)
{
    DrawBox(1, x1, y1, x2, y2);
}

void TPrintObject::Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x1, y1);
    AddMarginOffset(x2, y2);
    AddMarginOffset(x3, y3);
    AddMarginOffset(x4, y4);
    if (m_recording && m_pages)
        m_pages->AddArc(toInches(1, x1), toInches(0, y1), toInches(1, x2), toInches(0, y2), toInches(1, x3),
                        toInches(0, y3), toInches(1, x4), toInches(0, y4));
    if (m_drawingEnabled && m_canvas)
        m_canvas->Arc(devX(x1), devY(y1), devX(x2), devY(y2), devX(x3), devY(y3), devX(x4), devY(y4));
}

void TPrintObject::Pie(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x1, y1);
    AddMarginOffset(x2, y2);
    AddMarginOffset(x3, y3);
    AddMarginOffset(x4, y4);
    if (m_recording && m_pages)
        m_pages->AddPie(toInches(1, x1), toInches(0, y1), toInches(1, x2), toInches(0, y2), toInches(1, x3),
                        toInches(0, y3), toInches(1, x4), toInches(0, y4));
    if (m_drawingEnabled && m_canvas)
        m_canvas->Pie(devX(x1), devY(y1), devX(x2), devY(y2), devX(x3), devY(y3), devX(x4), devY(y4));
}

void TPrintObject::RoundRect(double x1, double y1, double x2, double y2, double x3, double y3)
{
    if (!m_printingStarted) return;
    AddMarginOffset(x1, y1);
    AddMarginOffset(x2, y2);
    if (m_recording && m_pages)
        m_pages->AddRoundRect(toInches(1, x1), toInches(0, y1), toInches(1, x2), toInches(0, y2), toInches(1, x3),
                              toInches(0, y3));
    if (m_drawingEnabled && m_canvas) {
        // The corner size is a size, not a position: no offsets.
        double cw = toPixels(1, x3), ch = toPixels(0, y3);
        if (s_largeFont) {
            cw *= kLargeFontFactor;
            ch *= kLargeFontFactor;
        }
        m_canvas->RoundRect(devX(x1), devY(y1), devX(x2), devY(y2), int(Round(cw)), int(Round(ch)));
    }
}

void TPrintObject::Polyline(const std::vector<double>& points)
{
    if (!m_printingStarted) return;
    const size_t n = points.size() / 2;
    if (n == 0) return;
    std::vector<double> v(points.begin(), points.begin() + std::ptrdiff_t(n * 2));
    for (size_t i = 0; i < n; ++i) AddMarginOffset(v[2 * i], v[2 * i + 1]);
    if (m_recording && m_pages) {
        std::vector<QPointF> inches;
        inches.reserve(n);
        for (size_t i = 0; i < n; ++i) inches.emplace_back(toInches(1, v[2 * i]), toInches(0, v[2 * i + 1]));
        m_pages->AddPolyline(inches);
    }
    const double offX = fromPixels(1, m_printableOffsetX);
    const double offY = fromPixels(0, m_printableOffsetY);
    QVector<QPoint> dev;
    dev.reserve(qsizetype(n));
    for (size_t i = 0; i < n; ++i) {
        double x = v[2 * i], y = v[2 * i + 1];
        if (s_largeFont) {
            x *= kLargeFontFactor;
            y *= kLargeFontFactor;
        }
        dev.append(QPoint(int(Trunc(toPixels(1, x - offX))), int(Trunc(toPixels(0, y - offY)))));
    }
    if (m_drawingEnabled && m_canvas) m_canvas->Polyline(dev);
}

void TPrintObject::Polygon(const std::vector<double>& points)
{
    if (points.size() < 2) return;
    std::vector<double> closed(points.begin(), points.begin() + std::ptrdiff_t(points.size() / 2 * 2));
    closed.push_back(points[0]);
    closed.push_back(points[1]);
    Polyline(closed);
}

void TPrintObject::GradientFill(TColor fromColor, TColor toColor, double x1, double y1, double x2, double y2,
                               int direction)
{
    if (!m_printingStarted) return;
    const bool vertical = direction == 0 || direction == 1;
    const bool horizontal = direction == 2 || direction == 3;
    if (!vertical && !horizontal) return;
    const double from = vertical ? y1 : x1;
    const double to = vertical ? y2 : x2;
    if (!(to > from)) return;
    const double step = (to - from) / 100.0;
    const int r0 = int(fromColor & 0xFF), g0 = int((fromColor >> 8) & 0xFF), b0 = int((fromColor >> 16) & 0xFF);
    const int r1 = int(toColor & 0xFF), g1 = int((toColor >> 8) & 0xFF), b1 = int((toColor >> 16) & 0xFF);
    auto part = [](int a, int b, int i) {
        const double v = a + (b - a) * (i + 1) / 100.0;
        return int(Round(std::clamp(v, 0.0, 255.0)));
    };
    // Exactly 100 bands; band i starts i steps on and carries i + 1
    // hundredths of the change, so the last band is in the end colour.
    for (int i = 0; i < 100; ++i) {
        const TColor c = RGBToColor(part(r0, r1, i), part(g0, g1, i), part(b0, b1, i));
        const double a = from + i * step;
        const double b = i == 99 ? to : from + (i + 1) * step;
        SetPenColor(c);
        if (!m_drawingEnabled) continue;
        if (vertical)
            DrawFilledBox(1, c, x1, a, x2, b);
        else
            DrawFilledBox(1, c, a, y1, b, y2);
    }
}

// ---------------------------------------------------------------- boxes

void TPrintObject::DrawBox(quint16 lineWidth, double x1, double y1, double x2, double y2)
{
    if (!m_printingStarted || !m_canvas) return;
    const TColor kept = m_canvas->Brush().Color();
    SetBrushColor(m_canvas->Pen().Color());
    if (lineWidth > 0) DrawBoxLines(lineWidth, x1, y1, x2, y2);
    SetBrushColor(kept);
}

void TPrintObject::DrawFilledBox(quint16 lineWidth, TColor color, double x1, double y1, double x2, double y2)
{
    if (!m_printingStarted || !m_canvas) return;
    const TColor kept = m_canvas->Brush().Color();
    SetBrushColor(color);
    FillRect(x1, y1, x2, y2);
    SetBrushColor(m_canvas->Pen().Color());
    if (lineWidth > 0) DrawBoxLines(lineWidth, x1, y1, x2, y2);
    SetBrushColor(kept);
}

void TPrintObject::DrawBoxLines(quint16 lineWidth, double x1, double y1, double x2, double y2)
{
    if (!m_printingStarted) return;
    const quint16 w = quint16(qMax<long long>(1, Round(lineWidth * m_scale)));
    if (!m_drawingEnabled) return;
    DrawLine(w, x1, y1, x2, y1);
    DrawLine(w, x2, y1, x2, y2);
    DrawLine(w, x2, y2, x1, y2);
    DrawLine(w, x1, y2, x1, y1);
}

// ------------------------------------------------------------- pictures

void TPrintObject::DrawGraphic(const TPicture& image, double x, double y, double width, double height)
{
    if (!m_printingStarted) return;
    if (m_recording) {
        if (m_pages)
            m_pages->AddGraphic(image, toInches(1, x), toInches(0, y), toInches(1, width), toInches(0, height));
        return;
    }
    if (image.IsEmpty()) return;
    const bool centreX = x == -1.0;
    const bool centreY = y == -1.0;
    double px = toPixels(1, x), py = toPixels(0, y);
    double pw = toPixels(1, width), ph = toPixels(0, height);
    const double k = double(qMax(m_ppiX, m_ppiY)) / kScreenPixelsPerInch;
    if (width == -1.0) pw = double(Round(k * image.Width()));
    if (height == -1.0) ph = double(Round(k * image.Height()));
    // A centred axis centres what is drawn on the paper; margins do not
    // move it.
    if (centreX) px = double((m_pageWidthPx - int(Round(pw))) / 2);
    if (centreY) py = double((m_pageHeightPx - int(Round(ph))) / 2);
    if (m_useMarginOffset) {
        if (!centreX) px += m_leftMargin;
        if (!centreY) py += m_topMargin;
    }
    if (s_largeFont) {
        px *= kLargeFontFactor;
        py *= kLargeFontFactor;
    }
    px -= m_printableOffsetX;
    py -= m_printableOffsetY;
    if (!m_drawingEnabled || !m_canvas) return;
    const int ix = int(Trunc(px)), iy = int(Trunc(py)), iw = int(Trunc(pw)), ih = int(Trunc(ph));
    if (image.kind() == TPicture::Icon)
        m_canvas->StretchDraw(QRect(ix, iy, iw, ih), image);
    else if (image.kind() == TPicture::Bitmap)
        DrawBitmapScaled(image, ix, iy, iw, ih);
}

void TPrintObject::DrawBitmapScaled(const TPicture& bitmap, int x, int y, int width, int height)
{
    if (!m_canvas || bitmap.IsEmpty()) return;
    m_canvas->StretchDraw(QRect(x, y, width, height), bitmap);
}

// -------------------------------------------------- drawing attributes

void TPrintObject::applyFont(const TFont& font, bool readMetrics)
{
    if (!m_canvas) return;
    TFont& f = m_canvas->Font();
    f.SetName(font.Name());
    f.SetHeight(font.Height());
    f.SetStyle(font.Style());
    f.SetColor(font.Color());
    f.SetPitch(font.Pitch());
    if (readMetrics) ReadDeviceMetrics();
}

void TPrintObject::SetFont(const TFont& font)
{
    if (!m_printingStarted) return;
    applyFont(font, false);
    if (m_recording && m_pages) m_pages->AddFont(font);
    ReadDeviceMetrics();
}

void TPrintObject::SetFontName(const QString& name)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Font().SetName(name);
    if (m_recording && m_pages) m_pages->AddFont(m_canvas->Font());
}

void TPrintObject::SetFontSize(quint16 size)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Font().SetSize(size);
    if (m_recording && m_pages) m_pages->AddFont(m_canvas->Font());
}

void TPrintObject::SetFontStyle(TFontStyles style)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Font().SetStyle(style);
    if (m_recording && m_pages) m_pages->AddFont(m_canvas->Font());
}

void TPrintObject::SetFontColor(TColor color)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Font().SetColor(color);
    if (m_recording && m_pages) m_pages->AddFColor(color);
}

void TPrintObject::SetBrushColor(TColor color)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Brush().SetColor(color);
    if (m_recording && m_pages) m_pages->AddBColor(color);
}

void TPrintObject::SetBrushStyle(TBrushStyle style)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Brush().SetStyle(style);
    if (m_recording && m_pages) m_pages->AddBrushStyle(style);
}

void TPrintObject::SetPenColor(TColor color)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Pen().SetColor(color);
    if (m_recording && m_pages) m_pages->AddPColor(color);
}

void TPrintObject::SetPenStyle(TPenStyle style)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Pen().SetStyle(style);
    if (m_recording && m_pages) m_pages->AddPStyle(style);
}

void TPrintObject::SetPenMode(TPenMode mode)
{
    if (!m_printingStarted || !m_canvas) return;
    m_canvas->Pen().SetMode(mode);
    if (m_recording && m_pages) m_pages->AddPMode(mode);
}

void TPrintObject::SetLineWidth(quint16 width)
{
    if (!m_printingStarted || !m_canvas) return;
    if (m_recording && m_pages) m_pages->AddLineWidth(width);
    const bool documentOpen = m_printingToPrinter || (m_printDirect && !m_recording);
    const int deviceWidth = m_canvas->PageSize().width();
    if (documentOpen && deviceWidth > 0)
        m_canvas->Pen().SetWidth(int(Round(width * double(m_pageWidthPx) / deviceWidth * m_scale)));
    else
        m_canvas->Pen().SetWidth(width);
}
