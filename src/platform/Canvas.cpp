#include "platform/Canvas.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace {

QPainter::CompositionMode compositionFor(TPenMode mode)
{
    switch (mode) {
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceAndDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

// ------------------------------------------------------------- TPicture

TPicture::TPicture(const QImage& image, Kind kind)
    : m_image(image), m_kind(image.isNull() ? None : kind), m_width(image.width()), m_height(image.height())
{
}

bool TPicture::LoadFromFile(const QString& path)
{
    QImage img;
    if (!img.load(path)) {
        *this = TPicture();
        return false;
    }
    const bool icon = QFileInfo(path).suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0;
    *this = TPicture(img, icon ? Icon : Bitmap);
    return true;
}

// -------------------------------------------------------------- TCanvas

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

QString TCanvas::MapFace(const QString& name)
{
    static QHash<QString, QString> cache;
    const QString key = name.toLower();
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QString face;
    if (key == QLatin1String("times new roman") || key == QLatin1String("times"))
        face = QStringLiteral("Liberation Serif");
    else if (key == QLatin1String("courier new") || key == QLatin1String("courier"))
        face = QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")) ? QStringLiteral("Liberation Mono")
                                                                          : QStringLiteral("Liberation Sans");
    else if (key.isEmpty() || key == QLatin1String("arial") || key == QLatin1String("ms sans serif")
             || !QFontDatabase::hasFamily(name))
        face = QStringLiteral("Liberation Sans");
    else
        face = name;
    cache.insert(key, face);
    return face;
}

QFont TCanvas::MakeFont(const TFont& font, int ppi)
{
    Q_UNUSED(ppi);  // the paint device supplies the resolution
    QFont f(MapFace(font.Name()));
    f.setFamilies({MapFace(font.Name())});
    int points = font.Size();
    if (points <= 0) points = 1;
    f.setPointSizeF(points);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    const TFontStyles st = font.Style();
    f.setBold(st & fsBold);
    f.setItalic(st & fsItalic);
    f.setUnderline(st & fsUnderline);
    f.setStrikeOut(st & fsStrikeOut);
    return f;
}

const QRawFont& TCanvas::rawFont() const
{
    const int dpi = FontDpi() > 0 ? FontDpi() : 96;
    for (size_t i = 0; i < m_metrics.size(); ++i) {
        const MetricsEntry& e = m_metrics[i];
        if (e.dpi == dpi && e.height == m_font.Height() && e.style == m_font.Style() && e.name == m_font.Name()) {
            if (i != 0)
                std::rotate(m_metrics.begin(), m_metrics.begin() + std::ptrdiff_t(i),
                            m_metrics.begin() + std::ptrdiff_t(i) + 1);
            return m_metrics.front().font;
        }
    }
    constexpr size_t kKept = 8;
    if (m_metrics.size() >= kKept) m_metrics.pop_back();
    MetricsEntry e;
    e.name = m_font.Name();
    e.height = m_font.Height();
    e.style = m_font.Style();
    e.dpi = dpi;
    QFont face = MakeFont(m_font, dpi);
    face.setPixelSize(100);
    e.font = QRawFont::fromFont(face);
    int points = m_font.Size();
    if (points <= 0) points = 1;
    if (e.font.isValid()) e.font.setPixelSize(points * double(dpi) / 72.0);
    m_metrics.insert(m_metrics.begin(), std::move(e));
    return m_metrics.front().font;
}

double TCanvas::Advances(const QRawFont& font, const QString& text, QVector<quint32>* glyphs,
                         QVector<QPointF>* advances) const
{
    if (text.isEmpty() || !font.isValid()) return 0.0;
    const QList<quint32> g = font.glyphIndexesForString(text);
    QList<QPointF> a = font.advancesForGlyphIndexes(g, QRawFont::KernedAdvances);
    // Every glyph advances by whole pixels at 96 dpi, as a screen lays text
    // out: "m³/h" in Liberation Sans 10 pt is 26 pixels wide.
    const double unit = (FontDpi() > 0 ? FontDpi() : 96) / 96.0;
    double sum = 0;
    for (QPointF& p : a) {
        p.setX(std::round(p.x() / unit) * unit);
        sum += p.x();
    }
    if (glyphs) *glyphs = g;
    if (advances) *advances = a;
    return sum;
}

int TCanvas::TextWidth(const QString& text) const
{
    if (text.isEmpty()) return 0;
    return qRound(Advances(rawFont(), text));
}

int TCanvas::TextHeight(const QString& text) const
{
    const QRawFont& f = rawFont();
    return qRound(f.ascent() + f.descent());
}

TTextMetric TCanvas::TextMetrics() const
{
    const QRawFont& f = rawFont();
    TTextMetric tm;
    tm.Ascent = qRound(f.ascent());
    tm.Height = qRound(f.ascent() + f.descent());
    tm.Descent = tm.Height - tm.Ascent;
    tm.ExternalLeading = qMax(0, qRound(f.leading()));
    tm.InternalLeading = qMax(0, tm.Height - qRound(f.pixelSize()));
    tm.AveCharWidth = qRound(f.averageCharWidth());
    tm.MaxCharWidth = qRound(f.maxCharWidth());
    return tm;
}

void TCanvas::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = m_penPos;
    m_penPos = QPoint(x, y);
    DrawLineSegment(from, m_penPos);
}

// ------------------------------------------------------- TMeasureCanvas

TMeasureCanvas::TMeasureCanvas()
{
    SetPaper(8.5, 11.0, false);
}

void TMeasureCanvas::SetPaper(double widthInches, double heightInches, bool landscape)
{
    const int w = qRound(widthInches * 96.0);
    const int h = qRound(heightInches * 96.0);
    m_page = landscape ? QSize(h, w) : QSize(w, h);
}

// ------------------------------------------------------- TPainterCanvas

void TPainterCanvas::preparePen(QPainter& p) const
{
    p.setPen(Pen().toQPen());
    p.setCompositionMode(compositionFor(Pen().Mode()));
}

void TPainterCanvas::prepareBrush(QPainter& p) const
{
    p.setBrush(Brush().toQBrush());
}

template <typename Draw>
void TPainterCanvas::paintShape(bool filled, Draw&& draw)
{
    QPainter* p = BeginPaint();
    if (!p) return;
    preparePen(*p);
    if (filled)
        prepareBrush(*p);
    else
        p->setBrush(Qt::NoBrush);
    draw(*p);
    EndPaint(p);
}

void TPainterCanvas::DrawLineSegment(QPoint from, QPoint to)
{
    if (from == to) return;
    QPainter* p = BeginPaint();
    if (!p) return;
    preparePen(*p);
    QPen pen = p->pen();
    pen.setCapStyle(Qt::FlatCap);
    if (pen.width() == 0) pen.setWidth(1);
    p->setPen(pen);
    // Pixel centres lie at +0.5; the segment is pulled back half a pixel at
    // both ends so that the start pixel is drawn and the end pixel is not.
    const QPointF a(from.x() + 0.5, from.y() + 0.5);
    const QPointF b(to.x() + 0.5, to.y() + 0.5);
    const QPointF d = b - a;
    const double len = std::sqrt(d.x() * d.x() + d.y() * d.y());
    const QPointF half = d / len * 0.5;
    p->drawLine(QLineF(a - half, b - half));
    EndPaint(p);
}

void TPainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    QPainter* p = BeginPaint();
    if (!p) return;
    if (Brush().Style() != bsClear) p->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Brush().toQBrush());
    preparePen(*p);
    p->setBrush(Qt::NoBrush);
    if (p->pen().style() != Qt::NoPen) p->drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    EndPaint(p);
}

void TPainterCanvas::FillRect(const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    QPainter* p = BeginPaint();
    if (!p) return;
    p->fillRect(rect, Brush().toQBrush());
    EndPaint(p);
}

void TPainterCanvas::FrameRect(const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    QPainter* p = BeginPaint();
    if (!p) return;
    const QBrush b = Brush().toQBrush();
    const QRect r = rect;
    p->fillRect(QRect(r.left(), r.top(), r.width(), 1), b);
    p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), b);
    p->fillRect(QRect(r.left(), r.top(), 1, r.height()), b);
    p->fillRect(QRect(r.right(), r.top(), 1, r.height()), b);
    EndPaint(p);
}

void TPainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    paintShape(true, [&](QPainter& p) { p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1)); });
}

void TPainterCanvas::arcAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int& start,
                               int& span) const
{
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    // Screen Y runs down; angles count counter-clockwise with Y up.
    const double a3 = qRadiansToDegrees(std::atan2(-(y3 - cy), x3 - cx));
    const double a4 = qRadiansToDegrees(std::atan2(-(y4 - cy), x4 - cx));
    double s = a4 - a3;
    while (s <= 0) s += 360.0;
    start = qRound(a3 * 16);
    span = qRound(s * 16);
}

void TPainterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (x2 <= x1 || y2 <= y1) return;
    int start = 0, span = 0;
    arcAngles(x1, y1, x2, y2, x3, y3, x4, y4, start, span);
    paintShape(false, [&](QPainter& p) { p.drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), start, span); });
}

void TPainterCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (x2 <= x1 || y2 <= y1) return;
    int start = 0, span = 0;
    arcAngles(x1, y1, x2, y2, x3, y3, x4, y4, start, span);
    paintShape(true, [&](QPainter& p) { p.drawPie(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), start, span); });
}

void TPainterCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    if (x2 <= x1 || y2 <= y1) return;
    paintShape(true, [&](QPainter& p) {
        p.drawRoundedRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), x3 / 2.0, y3 / 2.0, Qt::AbsoluteSize);
    });
}

void TPainterCanvas::Polyline(const QVector<QPoint>& points)
{
    if (points.size() < 2) return;
    paintShape(false, [&](QPainter& p) { p.drawPolyline(points.constData(), int(points.size())); });
}

void TPainterCanvas::Polygon(const QVector<QPoint>& points)
{
    if (points.size() < 2) return;
    paintShape(true, [&](QPainter& p) { p.drawPolygon(points.constData(), int(points.size()), Qt::OddEvenFill); });
}

void TPainterCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    QImage* img = FloodImage();
    if (!img || img->isNull()) return;
    QPainter* p = BeginPaint();
    if (!p) return;
    const QTransform t = p->transform();
    EndPaint(p);
    const QPoint start = t.map(QPointF(x + 0.5, y + 0.5)).toPoint();
    if (!img->rect().contains(start)) return;
    if (img->format() != QImage::Format_RGB32 && img->format() != QImage::Format_ARGB32)
        *img = img->convertToFormat(QImage::Format_RGB32);
    const QRgb fill = ColorToQColor(Brush().Color()).rgb() | 0xFF000000u;
    const QRgb key = ColorToQColor(color).rgb() | 0xFF000000u;
    auto px = [img](int xx, int yy) -> QRgb& {
        return reinterpret_cast<QRgb*>(img->scanLine(yy))[xx];
    };
    auto inside = [&](int xx, int yy) {
        const QRgb c = px(xx, yy) | 0xFF000000u;
        return style == fsBorder ? (c != key && c != fill) : (c == key && c != fill);
    };
    if (!inside(start.x(), start.y())) return;
    const int w = img->width(), h = img->height();
    std::vector<QPoint> stack{start};
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        int xl = s.x();
        const int yy = s.y();
        if (!inside(xl, yy)) continue;
        while (xl > 0 && inside(xl - 1, yy)) --xl;
        int xr = s.x();
        while (xr < w - 1 && inside(xr + 1, yy)) ++xr;
        for (int xx = xl; xx <= xr; ++xx) px(xx, yy) = fill;
        for (int ny : {yy - 1, yy + 1}) {
            if (ny < 0 || ny >= h) continue;
            bool run = false;
            for (int xx = xl; xx <= xr; ++xx) {
                const bool in = inside(xx, ny);
                if (in && !run) stack.emplace_back(xx, ny);
                run = in;
            }
        }
    }
}

void TPainterCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    const QRawFont& font = rawFont();
    if (!font.isValid()) return;
    QVector<quint32> glyphs;
    QVector<QPointF> advances;
    const double width = Advances(font, text, &glyphs, &advances);
    QPainter* p = BeginPaint();
    if (!p) return;
    p->save();
    p->translate(x, y);
    if (FontEscapement() != 0) p->rotate(-FontEscapement() / 10.0);
    if (Brush().Style() != bsClear)
        p->fillRect(QRectF(0, 0, qRound(width), qRound(font.ascent() + font.descent())),
                    ColorToQColor(Brush().Color()));
    drawGlyphs(*p, font, QPointF(0, 0), glyphs, advances, width);
    p->restore();
    EndPaint(p);
}

void TPainterCanvas::drawGlyphs(QPainter& p, const QRawFont& font, QPointF origin, const QVector<quint32>& glyphs,
                                const QVector<QPointF>& advances, double width) const
{
    // Glyphs on the baseline one ascent below the cell's top, each at the
    // position the measuring gave it.
    QVector<QPointF> positions;
    positions.reserve(glyphs.size());
    double pen = origin.x();
    const double baseline = origin.y() + font.ascent();
    for (const QPointF& a : advances) {
        positions.append(QPointF(pen, baseline));
        pen += a.x();
    }
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    const QColor ink = ColorToQColor(Font().Color());
    p.setPen(ink);
    p.drawGlyphRun(QPointF(0, 0), run);
    // Underline and strike-out as bars of the face's line thickness.
    const double thick = qMax(1.0, font.lineThickness());
    if (Font().Style() & fsUnderline)
        p.fillRect(QRectF(origin.x(), baseline + qMax(1.0, font.underlinePosition()) - thick / 2, width, thick), ink);
    if (Font().Style() & fsStrikeOut)
        p.fillRect(QRectF(origin.x(), baseline - font.xHeight() / 2 - thick / 2, width, thick), ink);
}

void TPainterCanvas::StretchDraw(const QRect& rect, const TPicture& picture)
{
    if (picture.IsEmpty() || rect.width() <= 0 || rect.height() <= 0) return;
    QPainter* p = BeginPaint();
    if (!p) return;
    p->setRenderHint(QPainter::SmoothPixmapTransform, true);
    p->drawImage(rect, picture.Image());
    EndPaint(p);
}

// --------------------------------------------------------- TImageCanvas

TImageCanvas::TImageCanvas(QSize pageSize, double zoom) : m_page(pageSize), m_zoom(zoom > 0 ? zoom : 1.0)
{
    const QSize px(qMax(1, qRound(pageSize.width() * m_zoom)), qMax(1, qRound(pageSize.height() * m_zoom)));
    m_image = QImage(px, QImage::Format_RGB32);
    const int dpm = qRound(96 / 0.0254);
    m_image.setDotsPerMeterX(dpm);
    m_image.setDotsPerMeterY(dpm);
    Clear();
}

TImageCanvas::~TImageCanvas() = default;

void TImageCanvas::Clear()
{
    m_image.fill(Qt::white);
}

QPainter* TImageCanvas::BeginPaint()
{
    auto* p = new QPainter(&m_image);
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->scale(m_zoom, m_zoom);
    return p;
}

void TImageCanvas::EndPaint(QPainter* painter)
{
    delete painter;
}
