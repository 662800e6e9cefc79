#include "print/PrnPages.h"

#include <cstdint>
#include <cstring>

namespace {

// A quick key for a picture's pixels: every eighth 32-byte block and the
// last bytes, mixed in 64-bit words.  Pictures with equal keys are always
// compared in full, so the key only has to tell most pictures apart fast.
size_t pixelHash(const uchar* data, size_t n, size_t seed)
{
    constexpr uint64_t k = 0x9E3779B97F4A7C15ull;
    uint64_t h = (uint64_t(seed) ^ uint64_t(n)) * k;
    for (size_t i = 0; i + 32 <= n; i += 256) {
        uint64_t w[4];
        std::memcpy(w, data + i, 32);
        h = (h ^ w[0]) * k;
        h = (h ^ w[1]) * k;
        h = (h ^ w[2]) * k;
        h = (h ^ w[3]) * k;
        h ^= h >> 31;
    }
    const size_t tail = n < 64 ? n : 64;
    for (size_t j = n - tail; j < n; ++j) h = (h ^ data[j]) * k;
    return size_t(h ^ (h >> 29));
}

}  // namespace

TFont MakePrnFont(const QString& name, int size, TFontStyles style, TColor color)
{
    TFont f;
    f.SetName(name);
    f.SetSize(size);
    f.SetStyle(style);
    f.SetColor(color);
    return f;
}

// --------------------------------------------------------- TPrnPageList

void TPrnPageList::Add(std::unique_ptr<TPrnPrintCommand> command)
{
    if (command) m_commands.push_back(std::move(command));
}

const TPrnPrintCommand* TPrnPageList::GetCommand(int number) const
{
    if (number < 1 || number > int(m_commands.size())) return nullptr;
    return m_commands[size_t(number - 1)].get();
}

// ------------------------------------------------------------ TPrnPages

TPrnPages::TPrnPages() : ZoomPercentages{52, 64, 78, 94, 100, 118, 136} {}

TPrnPages::~TPrnPages() = default;

double TPrnPages::ZoomScale(int entry) const
{
    if (entry < 0 || entry >= int(ZoomPercentages.size())) return 1.0;
    return ZoomPercentages[size_t(entry)] / 100.0;
}

void TPrnPages::NewPage()
{
    m_pages.push_back(std::make_unique<TPrnPageList>());
    ++PagesCreated;
}

void TPrnPages::AddCommand(std::unique_ptr<TPrnPrintCommand> command)
{
    if (m_pages.empty() || !command) return;  // dropped: there is no page to hold it
    m_pages.back()->Add(std::move(command));
}

void TPrnPages::AddSimple(quint8 kind)
{
    if (kind == PrnKind::PageBreak) {
        NewPage();
        return;
    }
    AddCommand(std::make_unique<TPrnPrintCommand>(kind));
}

TPrnPageList* TPrnPages::GetPage(int number) const
{
    if (number < 1 || number > int(m_pages.size())) return nullptr;
    return m_pages[size_t(number - 1)].get();
}

void TPrnPages::Clear()
{
    while (!m_pages.empty()) m_pages.pop_back();
    m_pictures.clear();
    PagesCreated = 0;
    PrintFrom = 0;
    PrintTo = 0;
    PageCounter = 0;
    CurrentPage = 0;
}

QImage TPrnPages::sharedPicture(const QImage& image)
{
    // The same image object again: no need to look at its pixels.
    for (const PoolEntry& e : m_pictures)
        if (e.image.cacheKey() == image.cacheKey()) return e.image;
    const size_t hash = pixelHash(image.constBits(), size_t(image.sizeInBytes()), size_t(image.width()));
    for (const PoolEntry& e : m_pictures) {
        if (e.hash != hash || e.image.size() != image.size() || e.image.format() != image.format()
            || e.image.sizeInBytes() != image.sizeInBytes())
            continue;
        if (std::memcmp(e.image.constBits(), image.constBits(), size_t(image.sizeInBytes())) == 0) return e.image;
    }
    // A copy of our own: later changes of the caller's picture do not reach it.
    QImage own = image.copy();
    m_pictures.push_back({hash, own});
    return own;
}

void TPrnPages::AddLine(double x1, double y1, double x2, double y2, quint16 lineWidth)
{
    AddCommand(std::make_unique<TPrnLine>(x1, y1, x2, y2, lineWidth));
}

void TPrnPages::AddGraphic(const TPicture& picture, double x, double y, double width, double height)
{
    if (m_pages.empty() || picture.IsEmpty()) return;
    const int type = picture.kind() == TPicture::Icon ? 2 : 1;
    AddCommand(std::make_unique<TPrnGraphic>(sharedPicture(picture.Image()), type, x, y, width, height));
}

void TPrnPages::AddDetail(double top, double bottom)
{
    AddCommand(std::make_unique<TPrnDetail>(top, bottom));
}

void TPrnPages::AddFont(const TFont& font)
{
    AddCommand(std::make_unique<TPrnFont>(font));
}

void TPrnPages::AddFooterDim(double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth,
                             TColor shading)
{
    AddCommand(std::make_unique<TPrnFooterDim>(x1, y1, x2, y2, boxed, lineWidth, shading));
}

void TPrnPages::AddHeaderDim(double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth,
                             TColor shading)
{
    AddCommand(std::make_unique<TPrnHeaderDim>(x1, y1, x2, y2, boxed, lineWidth, shading));
}

void TPrnPages::AddFooterInf(int line, const QString& text, double y, quint16 alignment, const QString& fontName,
                             int size, TFontStyles style, TColor color)
{
    AddCommand(std::make_unique<TPrnFooterInf>(line, text, y, alignment, fontName, size, style, color));
}

void TPrnPages::AddHeaderInf(int line, const QString& text, double y, quint16 alignment, const QString& fontName,
                             int size, TFontStyles style, TColor color)
{
    AddCommand(std::make_unique<TPrnHeaderInf>(line, text, y, alignment, fontName, size, style, color));
}

void TPrnPages::AddLineWidth(quint16 width)
{
    AddCommand(std::make_unique<TPrnLineWidth>(width));
}

void TPrnPages::AddMargins(double left, double top, double right, double bottom)
{
    AddCommand(std::make_unique<TPrnMargins>(left, top, right, bottom));
}

void TPrnPages::AddPageNumber(double y, const QString& format, quint16 alignment, const QString& fontName, int size,
                              TFontStyles style, TColor color, bool includeTotal)
{
    AddCommand(std::make_unique<TPrnPageNumber>(y, format, alignment, fontName, size, style, color, includeTotal));
}

void TPrnPages::AddTab(double tab) { AddCommand(std::make_unique<TPrnTab>(tab)); }
void TPrnPages::AddSetY(double y) { AddCommand(std::make_unique<TPrnSetY>(y)); }
void TPrnPages::AddIndent(double indent) { AddCommand(std::make_unique<TPrnIndent>(indent)); }

void TPrnPages::AddText(double x, double y, const QString& text, TColor brushColor)
{
    AddCommand(std::make_unique<TPrnText>(x, y, text, brushColor));
}

void TPrnPages::AddColumn(quint16 number, double left, double width)
{
    AddCommand(std::make_unique<TPrnColumn>(number, left, width));
}

void TPrnPages::AddFColor(TColor color) { AddCommand(std::make_unique<TPrnFColor>(color)); }
void TPrnPages::AddBColor(TColor color) { AddCommand(std::make_unique<TPrnBColor>(color)); }
void TPrnPages::AddPColor(TColor color) { AddCommand(std::make_unique<TPrnPColor>(color)); }
void TPrnPages::AddBrushStyle(TBrushStyle style) { AddCommand(std::make_unique<TPrnBrushStyle>(style)); }
void TPrnPages::AddPStyle(TPenStyle style) { AddCommand(std::make_unique<TPrnPStyle>(style)); }
void TPrnPages::AddPMode(TPenMode mode) { AddCommand(std::make_unique<TPrnPMode>(mode)); }

void TPrnPages::AddMoveTo(double x, double y)
{
    AddCommand(std::make_unique<TPrnGraphicPoint>(PrnKind::MoveTo, x, y));
}

void TPrnPages::AddEllipse(double x1, double y1, double x2, double y2)
{
    AddCommand(std::make_unique<TPrnEllipse>(x1, y1, x2, y2));
}

void TPrnPages::AddFillRect(double x1, double y1, double x2, double y2)
{
    AddCommand(std::make_unique<TPrnFillRect>(x1, y1, x2, y2));
}

void TPrnPages::AddFloodFill(double x, double y, TColor color, quint8 fillStyle)
{
    AddCommand(std::make_unique<TPrnFloodFill>(x, y, color, fillStyle));
}

void TPrnPages::AddRoundRect(double x1, double y1, double x2, double y2, double x3, double y3)
{
    AddCommand(std::make_unique<TPrnRoundRect>(x1, y1, x2, y2, x3, y3));
}

void TPrnPages::AddArc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    AddCommand(std::make_unique<TPrnPieArc>(PrnKind::Arc, x1, y1, x2, y2, x3, y3, x4, y4));
}

void TPrnPages::AddPie(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    AddCommand(std::make_unique<TPrnPieArc>(PrnKind::Pie, x1, y1, x2, y2, x3, y3, x4, y4));
}

void TPrnPages::AddPolyline(const std::vector<QPointF>& points)
{
    AddCommand(std::make_unique<TPrnPolygon>(PrnKind::Polyline, points));
}

void TPrnPages::AddMeasure(MeasureType measure) { AddCommand(std::make_unique<TPrnMeasure>(measure)); }
void TPrnPages::AddFontAngle(int angle) { AddCommand(std::make_unique<TPrnFontAngle>(angle)); }
void TPrnPages::AddTransparent(bool on) { AddCommand(std::make_unique<TPrnTransparent>(on)); }
