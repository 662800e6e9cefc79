#pragma once
// The drawing surface of the print engine, with the conventions its callers
// were written against:
//  - coordinates are whole device pixels, (0,0) the top-left of the surface;
//  - rectangles and ellipses exclude their right and bottom edge;
//  - LineTo leaves out its end pixel; a pen of width 0 draws one pixel;
//  - TextOut's Y is the top of the text cell; an opaque text (brush not
//    bsClear) first fills its cell with the brush;
//  - arcs and pies run counter-clockwise from the ray through the start
//    point to the ray through the end point.
//
// Fonts are made the same way on every surface: from the point size,
// pixel size = points x pixels-per-inch / 72 (unrounded), hinting off, and
// the face mapped to what is installed (Arial, MS Sans Serif and unknown
// faces to Liberation Sans, Times New Roman to Liberation Serif).  Texts
// are measured and drawn with the face's own kerned advances at that exact
// size (a raw font: the usual font machinery rounds the pixel size), so a
// text is as wide on a 96-dpi page as on paper.  Widths are rounded to
// whole pixels, heights are ascent + descent rounded.
//
// Back ends: TMeasureCanvas (measures, draws nothing), TImageCanvas (a
// 96-dpi page painted onto a QImage at a zoom).  TPainterCanvas is the
// shared painter-based drawing for surfaces backed by a QPaintDevice.
#include "platform/Graphics.h"

#include <QRawFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <vector>

class QPainter;
class QPaintDevice;

enum TFillStyle { fsSurface, fsBorder };

// What the text-metric query of the surface's current font gives.
struct TTextMetric {
    int Height = 0;       // ascent + descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
};

// A picture holder: a raster picture (bitmap) or an icon, and the size the
// holder has on the screen (by default the picture's own size).
class TPicture {
public:
    enum Kind { None, Bitmap, Icon };

    TPicture() = default;
    explicit TPicture(const QImage& image, Kind kind = Bitmap);
    // Reads a picture file; an .ico file gives an icon.  False (and an
    // empty picture) when the file cannot be read as a picture.
    bool LoadFromFile(const QString& path);

    bool IsEmpty() const { return m_kind == None || m_image.isNull(); }
    Kind kind() const { return m_kind; }
    const QImage& Image() const { return m_image; }
    // The holder's size in screen pixels.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetSize(int width, int height) { m_width = width; m_height = height; }

private:
    QImage m_image;
    Kind m_kind = None;
    int m_width = 0;
    int m_height = 0;
};

class TCanvas {
public:
    TCanvas();
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Device description.
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    // The whole sheet in device pixels.
    virtual QSize PageSize() const = 0;
    // Where the printable area starts and how large it is (device pixels).
    virtual QPoint PrintableOffset() const { return QPoint(0, 0); }
    virtual QSize PrintableSize() const { return PageSize(); }

    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    TPen& Pen() { return m_pen; }
    const TPen& Pen() const { return m_pen; }
    TBrush& Brush() { return m_brush; }
    const TBrush& Brush() const { return m_brush; }
    // Rotation of text in tenths of degrees, counter-clockwise.
    int FontEscapement() const { return m_escapement; }
    void SetFontEscapement(int tenths) { m_escapement = tenths; }

    // Measuring in the current font (device pixels).
    virtual int TextWidth(const QString& text) const;
    virtual int TextHeight(const QString& text) const;
    virtual TTextMetric TextMetrics() const;

    QPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    virtual void Rectangle(int x1, int y1, int x2, int y2) {}
    virtual void FillRect(const QRect& rect) {}
    virtual void FrameRect(const QRect& rect) {}
    virtual void Ellipse(int x1, int y1, int x2, int y2) {}
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {}
    virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {}
    virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {}
    virtual void Polyline(const QVector<QPoint>& points) {}
    virtual void Polygon(const QVector<QPoint>& points) {}
    virtual void FloodFill(int x, int y, TColor color, TFillStyle style) {}
    virtual void TextOut(int x, int y, const QString& text) {}
    // The picture stretched into `rect`.
    virtual void StretchDraw(const QRect& rect, const TPicture& picture) {}

    // The font every back end paints and measures with, for a device of
    // `ppi` logical dots per inch.
    static QFont MakeFont(const TFont& font, int ppi);
    // The installed face that stands in for `name`.
    static QString MapFace(const QString& name);

protected:
    // The segment of a LineTo; the pen position is already the end point
    // afterwards.
    virtual void DrawLineSegment(QPoint from, QPoint to) {}
    // The logical resolution fonts are made for (vertical pixels per inch).
    virtual int FontDpi() const { return PixelsPerInchY(); }

    // The current font at the surface's resolution, made once per font.
    const QRawFont& rawFont() const;
    // Kerned advances of `text` in `font`, and their sum.  Each advance is
    // a whole number of pixels at 96 dpi (as a screen lays text out), taken
    // to this surface's resolution, so text lands where it was measured.
    double Advances(const QRawFont& font, const QString& text, QVector<quint32>* glyphs = nullptr,
                    QVector<QPointF>* advances = nullptr) const;

private:
    struct MetricsEntry {
        QString name;
        int height = 0;
        TFontStyles style = 0;
        int dpi = 0;
        QRawFont font;
    };
    // The last few fonts used, most recent first.
    mutable std::vector<MetricsEntry> m_metrics;
    TFont m_font;
    TPen m_pen;
    TBrush m_brush;
    int m_escapement = 0;
    QPoint m_penPos;
};

// Measures as a 96-dpi page of the given paper, the same on every machine;
// draws nothing.  Printable offsets and unprintable edges are 0.
class TMeasureCanvas : public TCanvas {
public:
    TMeasureCanvas();
    // Paper in inches (portrait); landscape swaps width and height.
    void SetPaper(double widthInches, double heightInches, bool landscape);

    int PixelsPerInchX() const override { return 96; }
    int PixelsPerInchY() const override { return 96; }
    QSize PageSize() const override { return m_page; }

private:
    QSize m_page;
};

// Painter-based drawing with the conventions above.  A subclass supplies
// the painter (BeginPaint/EndPaint) and may offer its pixels for flood fill.
class TPainterCanvas : public TCanvas {
public:
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const QRect& rect) override;
    void FrameRect(const QRect& rect) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
    void Polyline(const QVector<QPoint>& points) override;
    void Polygon(const QVector<QPoint>& points) override;
    void FloodFill(int x, int y, TColor color, TFillStyle style) override;
    void TextOut(int x, int y, const QString& text) override;
    void StretchDraw(const QRect& rect, const TPicture& picture) override;

protected:
    // A painter on the device with the surface's transformation set; the
    // canvas sets pen, brush and font itself.  Null: nothing can be drawn.
    virtual QPainter* BeginPaint() = 0;
    virtual void EndPaint(QPainter* painter) = 0;
    // Pixels a flood fill may change, and the device-to-image mapping is
    // the painter's transformation; null where the surface has none.
    virtual QImage* FloodImage() { return nullptr; }
    void DrawLineSegment(QPoint from, QPoint to) override;
    // The glyphs of a text whose cell has its top-left corner at `origin`,
    // placed by the measured `advances`, and its underline and strike-out
    // bars over `width`, all in the font's colour.
    void drawGlyphs(QPainter& p, const QRawFont& font, QPointF origin, const QVector<quint32>& glyphs,
                    const QVector<QPointF>& advances, double width) const;

private:
    void preparePen(QPainter& p) const;
    void prepareBrush(QPainter& p) const;
    // Begins painting with the pen and, for a filled shape, the brush (else
    // none), lets `draw` paint, and ends.
    template <typename Draw>
    void paintShape(bool filled, Draw&& draw);
    void arcAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int& start,
                   int& span) const;
};

// A page of `pageSize` pixels at 96 dpi, painted onto an image `zoom` times
// that size (white to begin with).  Flood fill works here.
class TImageCanvas : public TPainterCanvas {
public:
    TImageCanvas(QSize pageSize, double zoom = 1.0);
    ~TImageCanvas() override;

    int PixelsPerInchX() const override { return 96; }
    int PixelsPerInchY() const override { return 96; }
    QSize PageSize() const override { return m_page; }

    double Zoom() const { return m_zoom; }
    const QImage& Image() const { return m_image; }
    // Everything white again.
    void Clear();

protected:
    QPainter* BeginPaint() override;
    void EndPaint(QPainter* painter) override;
    QImage* FloodImage() override { return &m_image; }

private:
    QSize m_page;
    double m_zoom;
    QImage m_image;
};
