#pragma once
// The page store of a print job: every drawing call and every change of
// drawing state is kept as a command on the page it belongs to, to be
// replayed later on the printer or in the preview.
//
// Positions and lengths in commands are in inches; values of -0.01 and less
// are markers of the text calls (-1.0 next line / current X, -2.0 current
// line) and are kept as they are.
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "print/PrintTypes.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <array>
#include <memory>
#include <vector>

// Command kinds.
namespace PrnKind {
constexpr quint8 Line = 0;
constexpr quint8 NewLine = 1;
constexpr quint8 PageBreak = 2;  // never stored: opens a new page instead
constexpr quint8 Graphic = 3;
constexpr quint8 PageNumberText = 4;
constexpr quint8 Detail = 5;
constexpr quint8 Font = 6;
constexpr quint8 FooterDim = 7;
constexpr quint8 FooterInf = 8;
constexpr quint8 HeaderDim = 10;
constexpr quint8 HeaderInf = 11;
constexpr quint8 LineWidth = 12;
constexpr quint8 Margins = 13;
constexpr quint8 Orient = 14;
constexpr quint8 PageNumber = 15;
constexpr quint8 Tab = 16;
constexpr quint8 StartPageBody = 17;
constexpr quint8 SetY = 18;
constexpr quint8 Text = 19;
constexpr quint8 Column = 20;
constexpr quint8 AutoPagingOn = 25;
constexpr quint8 AutoPagingOff = 26;
constexpr quint8 SaveY = 27;
constexpr quint8 RestoreY = 28;
constexpr quint8 FColor = 29;
constexpr quint8 BColor = 30;
constexpr quint8 PColor = 31;
constexpr quint8 MoveTo = 32;
constexpr quint8 LineTo = 33;
constexpr quint8 Ellipse = 34;
constexpr quint8 BrushStyle = 35;
constexpr quint8 FloodFill = 36;
constexpr quint8 FillRect = 37;
constexpr quint8 FrameRect = 38;
constexpr quint8 Arc = 39;
constexpr quint8 Pie = 40;
constexpr quint8 Polyline = 41;
constexpr quint8 Polygon = 42;
constexpr quint8 Measure = 43;
constexpr quint8 PStyle = 44;
constexpr quint8 PMode = 45;
constexpr quint8 FontAngle = 46;
constexpr quint8 ColRight = 47;
constexpr quint8 WriteRight = 48;
constexpr quint8 Indent = 49;
constexpr quint8 Transparent = 50;
constexpr quint8 RoundRect = 51;
constexpr quint8 RightToX = 52;
constexpr quint8 CenterToX = 53;
constexpr quint8 Gradient = 54;
}  // namespace PrnKind

class TPrnPrintCommand {
public:
    explicit TPrnPrintCommand(quint8 kind) : Kind(kind) {}
    virtual ~TPrnPrintCommand() = default;
    TPrnPrintCommand(const TPrnPrintCommand&) = delete;
    TPrnPrintCommand& operator=(const TPrnPrintCommand&) = delete;

    const quint8 Kind;
};

class TPrnLine : public TPrnPrintCommand {
public:
    TPrnLine(double x1, double y1, double x2, double y2, quint16 lineWidth)
        : TPrnPrintCommand(PrnKind::Line), X1(x1), Y1(y1), X2(x2), Y2(y2), LineWidth(lineWidth) {}
    double X1, Y1, X2, Y2;
    quint16 LineWidth;
};

// A picture: its four placement values in DrawGraphic's terms, and the
// picture itself (shared with every other command of the store that shows
// the same picture).  Image type 1 is a bitmap, 2 an icon.
class TPrnGraphic : public TPrnPrintCommand {
public:
    TPrnGraphic(const QImage& picture, int imageType, double x, double y, double width, double height)
        : TPrnPrintCommand(PrnKind::Graphic), X(x), Y(y), Height(height), Width(width), Picture(picture),
          ImageType(imageType) {}
    double X, Y, Height, Width;
    QImage Picture;
    int ImageType;
    // A holder for the picture, sized to it, as the replay draws it.
    TPicture Holder() const
    {
        return TPicture(Picture, ImageType == 2 ? TPicture::Icon : TPicture::Bitmap);
    }
};

class TPrnDetail : public TPrnPrintCommand {
public:
    TPrnDetail(double x, double y) : TPrnPrintCommand(PrnKind::Detail), X(x), Y(y) {}
    double X, Y;  // top and bottom of the detail area
};

class TPrnFont : public TPrnPrintCommand {
public:
    explicit TPrnFont(const TFont& font) : TPrnPrintCommand(PrnKind::Font), Font(font) {}
    TFont Font;
    QString Name() const { return Font.Name(); }
    int Size() const { return Font.Size(); }
    TFontStyles Style() const { return Font.Style(); }
    TColor Color() const { return Font.Color(); }
};

// Band rectangle of the header (kind 10) or footer (kind 7).
class TPrnBandDim : public TPrnPrintCommand {
public:
    TPrnBandDim(quint8 kind, double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth,
                TColor shading)
        : TPrnPrintCommand(kind), X1(x1), Y1(y1), X2(x2), Y2(y2), Boxed(boxed), LineWidth(lineWidth),
          Shading(shading) {}
    double X1, Y1, X2, Y2;
    quint8 Boxed;
    quint16 LineWidth;
    TColor Shading;
};
class TPrnFooterDim : public TPrnBandDim {
public:
    TPrnFooterDim(double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth, TColor shading)
        : TPrnBandDim(PrnKind::FooterDim, x1, y1, x2, y2, boxed, lineWidth, shading) {}
};
class TPrnHeaderDim : public TPrnBandDim {
public:
    TPrnHeaderDim(double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth, TColor shading)
        : TPrnBandDim(PrnKind::HeaderDim, x1, y1, x2, y2, boxed, lineWidth, shading) {}
};

// Font made from its parts, as the band lines and the page number keep it.
TFont MakePrnFont(const QString& name, int size, TFontStyles style, TColor color);

// A header (kind 11) or footer (kind 8) line.
class TPrnBandInf : public TPrnPrintCommand {
public:
    TPrnBandInf(quint8 kind, int line, const QString& text, double y, quint16 alignment, const QString& fontName,
                int size, TFontStyles style, TColor color)
        : TPrnPrintCommand(kind), Line(line), yPosition(y), Text(text), Alignment(alignment),
          Font(MakePrnFont(fontName, size, style, color)) {}
    int Line;
    double yPosition;
    QString Text;
    quint16 Alignment;
    TFont Font;
    QString FontName() const { return Font.Name(); }
    int Size() const { return Font.Size(); }
    TFontStyles Style() const { return Font.Style(); }
    TColor Color() const { return Font.Color(); }
};
class TPrnFooterInf : public TPrnBandInf {
public:
    TPrnFooterInf(int line, const QString& text, double y, quint16 alignment, const QString& fontName, int size,
                  TFontStyles style, TColor color)
        : TPrnBandInf(PrnKind::FooterInf, line, text, y, alignment, fontName, size, style, color) {}
};
class TPrnHeaderInf : public TPrnBandInf {
public:
    TPrnHeaderInf(int line, const QString& text, double y, quint16 alignment, const QString& fontName, int size,
                  TFontStyles style, TColor color)
        : TPrnBandInf(PrnKind::HeaderInf, line, text, y, alignment, fontName, size, style, color) {}
};

class TPrnLineWidth : public TPrnPrintCommand {
public:
    explicit TPrnLineWidth(quint16 width) : TPrnPrintCommand(PrnKind::LineWidth), LineWidth(width) {}
    quint16 LineWidth;
};

class TPrnMargins : public TPrnPrintCommand {
public:
    TPrnMargins(double left, double top, double right, double bottom)
        : TPrnPrintCommand(PrnKind::Margins), X1(left), Y1(top), X2(right), Y2(bottom) {}
    double X1, Y1, X2, Y2;  // left, top, right, bottom margin positions
};

class TPrnOrient : public TPrnPrintCommand {
public:
    explicit TPrnOrient(int orientation) : TPrnPrintCommand(PrnKind::Orient), Orientation(orientation) {}
    int Orientation;
};

class TPrnPageNumber : public TPrnPrintCommand {
public:
    TPrnPageNumber(double y, const QString& text, quint16 alignment, const QString& fontName, int size,
                   TFontStyles style, TColor color, bool includeTotal)
        : TPrnPrintCommand(PrnKind::PageNumber), yPosition(y), Text(text), Alignment(alignment),
          Font(MakePrnFont(fontName, size, style, color)), IncludeTotal(includeTotal) {}
    double yPosition;
    QString Text;  // the page-number format
    quint16 Alignment;
    TFont Font;
    bool IncludeTotal;
    QString FontName() const { return Font.Name(); }
    int Size() const { return Font.Size(); }
    TFontStyles Style() const { return Font.Style(); }
    TColor Color() const { return Font.Color(); }
};

class TPrnTab : public TPrnPrintCommand {
public:
    explicit TPrnTab(double tab) : TPrnPrintCommand(PrnKind::Tab), Tab(tab) {}
    double Tab;
};

class TPrnSetY : public TPrnPrintCommand {
public:
    explicit TPrnSetY(double y) : TPrnPrintCommand(PrnKind::SetY), yPosition(y) {}
    double yPosition;
};

class TPrnText : public TPrnPrintCommand {
public:
    TPrnText(double x, double y, const QString& text, TColor brushColor)
        : TPrnPrintCommand(PrnKind::Text), X(x), Y(y), Text(text), BrushColor(brushColor) {}
    double X, Y;
    QString Text;
    TColor BrushColor;
};

class TPrnColumn : public TPrnPrintCommand {
public:
    TPrnColumn(quint16 number, double left, double width)
        : TPrnPrintCommand(PrnKind::Column), Number(number), XPosition(left), Length(width) {}
    quint16 Number;
    double XPosition;
    double Length;
};

class TPrnColorCommand : public TPrnPrintCommand {
public:
    TPrnColorCommand(quint8 kind, TColor color) : TPrnPrintCommand(kind), Color(color) {}
    TColor Color;
};
class TPrnFColor : public TPrnColorCommand {
public:
    explicit TPrnFColor(TColor c) : TPrnColorCommand(PrnKind::FColor, c) {}
};
class TPrnBColor : public TPrnColorCommand {
public:
    explicit TPrnBColor(TColor c) : TPrnColorCommand(PrnKind::BColor, c) {}
};
class TPrnPColor : public TPrnColorCommand {
public:
    explicit TPrnPColor(TColor c) : TPrnColorCommand(PrnKind::PColor, c) {}
};

class TPrnGraphicPoint : public TPrnPrintCommand {
public:
    TPrnGraphicPoint(quint8 kind, double x, double y) : TPrnPrintCommand(kind), X1(x), Y1(y) {}
    double X1, Y1;
};

// Commands of one rectangle: ellipse (34), fill (37), frame (38).
class TPrnRectCommand : public TPrnPrintCommand {
public:
    TPrnRectCommand(quint8 kind, double x1, double y1, double x2, double y2)
        : TPrnPrintCommand(kind), X1(x1), Y1(y1), X2(x2), Y2(y2) {}
    double X1, Y1, X2, Y2;
};
class TPrnEllipse : public TPrnRectCommand {
public:
    TPrnEllipse(double x1, double y1, double x2, double y2) : TPrnRectCommand(PrnKind::Ellipse, x1, y1, x2, y2) {}
};
class TPrnFillRect : public TPrnRectCommand {
public:
    TPrnFillRect(double x1, double y1, double x2, double y2) : TPrnRectCommand(PrnKind::FillRect, x1, y1, x2, y2) {}
};
class TPrnFrameRect : public TPrnRectCommand {
public:
    TPrnFrameRect(double x1, double y1, double x2, double y2)
        : TPrnRectCommand(PrnKind::FrameRect, x1, y1, x2, y2) {}
};

class TPrnBrushStyle : public TPrnPrintCommand {
public:
    explicit TPrnBrushStyle(TBrushStyle style) : TPrnPrintCommand(PrnKind::BrushStyle), Style(style) {}
    TBrushStyle Style;
};

class TPrnFloodFill : public TPrnPrintCommand {
public:
    TPrnFloodFill(double x, double y, TColor color, quint8 fillStyle)
        : TPrnPrintCommand(PrnKind::FloodFill), X(x), Y(y), Color(color), FillStyle(fillStyle) {}
    double X, Y;
    TColor Color;
    quint8 FillStyle;  // TFillStyle
};

class TPrnPieArc : public TPrnPrintCommand {
public:
    TPrnPieArc(quint8 kind, double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
        : TPrnPrintCommand(kind), X1(x1), Y1(y1), X2(x2), Y2(y2), X3(x3), Y3(y3), X4(x4), Y4(y4) {}
    double X1, Y1, X2, Y2, X3, Y3, X4, Y4;
};

// An open (41) or closed (42) line through any number of points, in inches.
class TPrnPolygon : public TPrnPrintCommand {
public:
    TPrnPolygon(quint8 kind, std::vector<QPointF> points) : TPrnPrintCommand(kind), Points(std::move(points)) {}
    std::vector<QPointF> Points;
    int PointCount() const { return int(Points.size()); }
};

class TPrnMeasure : public TPrnPrintCommand {
public:
    explicit TPrnMeasure(MeasureType measure) : TPrnPrintCommand(PrnKind::Measure), Measure(measure) {}
    MeasureType Measure;
};

class TPrnPStyle : public TPrnPrintCommand {
public:
    explicit TPrnPStyle(TPenStyle style) : TPrnPrintCommand(PrnKind::PStyle), Style(style) {}
    TPenStyle Style;
};

class TPrnPMode : public TPrnPrintCommand {
public:
    explicit TPrnPMode(TPenMode mode) : TPrnPrintCommand(PrnKind::PMode), Mode(mode) {}
    TPenMode Mode;
};

class TPrnFontAngle : public TPrnPrintCommand {
public:
    explicit TPrnFontAngle(int angle) : TPrnPrintCommand(PrnKind::FontAngle), Angle(angle) {}
    int Angle;
};

class TPrnColRight : public TPrnPrintCommand {
public:
    TPrnColRight(double y, const QString& text, int column)
        : TPrnPrintCommand(PrnKind::ColRight), Y(y), Text(text), ColumnNumber(column) {}
    double Y;
    QString Text;
    int ColumnNumber;
};

class TPrnWriteRight : public TPrnPrintCommand {
public:
    TPrnWriteRight(double y, const QString& text) : TPrnPrintCommand(PrnKind::WriteRight), Y(y), Text(text) {}
    double Y;
    QString Text;
};

class TPrnIndent : public TPrnPrintCommand {
public:
    explicit TPrnIndent(double indent) : TPrnPrintCommand(PrnKind::Indent), Indent(indent) {}
    double Indent;
};

class TPrnTransparent : public TPrnPrintCommand {
public:
    explicit TPrnTransparent(bool on) : TPrnPrintCommand(PrnKind::Transparent), Transparent(on) {}
    bool Transparent;
};

class TPrnRoundRect : public TPrnPrintCommand {
public:
    TPrnRoundRect(double x1, double y1, double x2, double y2, double x3, double y3)
        : TPrnPrintCommand(PrnKind::RoundRect), X1(x1), Y1(y1), X2(x2), Y2(y2), X3(x3), Y3(y3) {}
    double X1, Y1, X2, Y2, X3, Y3;
};

// Text ending at (52) or centred on (53) an X.
class TPrnTextToX : public TPrnPrintCommand {
public:
    TPrnTextToX(quint8 kind, double x, double y, const QString& text)
        : TPrnPrintCommand(kind), X(x), Y(y), Text(text) {}
    double X, Y;
    QString Text;
};
class TPrnRightToX : public TPrnTextToX {
public:
    TPrnRightToX(double x, double y, const QString& text) : TPrnTextToX(PrnKind::RightToX, x, y, text) {}
};
class TPrnCenterToX : public TPrnTextToX {
public:
    TPrnCenterToX(double x, double y, const QString& text) : TPrnTextToX(PrnKind::CenterToX, x, y, text) {}
};

class TPrnGradient : public TPrnPrintCommand {
public:
    TPrnGradient(double x1, double y1, double x2, double y2, TColor begColor, TColor endColor, int direction)
        : TPrnPrintCommand(PrnKind::Gradient), X1(x1), Y1(y1), X2(x2), Y2(y2), begColor(begColor),
          endColor(endColor), Direction(direction) {}
    double X1, Y1, X2, Y2;
    TColor begColor, endColor;
    int Direction;
};

// One recorded page: its commands, numbered from 1 in recording order.
class TPrnPageList {
public:
    TPrnPageList() = default;
    TPrnPageList(const TPrnPageList&) = delete;
    TPrnPageList& operator=(const TPrnPageList&) = delete;

    void Add(std::unique_ptr<TPrnPrintCommand> command);
    // Null beyond the count (and below 1).
    const TPrnPrintCommand* GetCommand(int number) const;
    int Count() const { return int(m_commands.size()); }

private:
    std::vector<std::unique_ptr<TPrnPrintCommand>> m_commands;
};

class TPrnPages {
public:
    TPrnPages();
    ~TPrnPages();
    TPrnPages(const TPrnPages&) = delete;
    TPrnPages& operator=(const TPrnPages&) = delete;

    // Counters of the job.
    int PagesCreated = 0;  // pages opened by NewPage
    int PrintFrom = 0;     // first page to print
    int PrintTo = 0;       // last page to print
    int PageCounter = 0;   // pages of the job as the print object counts them
    int CurrentPage = 0;   // page in hand (replay and preview)
    std::array<int, 7> ZoomPercentages{};
    double PaperHeight = 0.0;  // inches
    double PaperWidth = 0.0;   // inches

    // Zoom list entry `entry` (0-based) as a scale (entry 4: 1.00).
    double ZoomScale(int entry) const;

    void NewPage();
    // Appends to the last page; with no page the command is dropped.
    void AddCommand(std::unique_ptr<TPrnPrintCommand> command);
    // Kind 2 opens a new page; any other kind records a bare command.
    void AddSimple(quint8 kind);
    // Page `number` (1-based); null when there is no such page.
    TPrnPageList* GetPage(int number) const;
    int PageCount() const { return int(m_pages.size()); }
    void Clear();

    // Recording operations: each builds its command and adds it.
    void AddLine(double x1, double y1, double x2, double y2, quint16 lineWidth);
    void AddGraphic(const TPicture& picture, double x, double y, double width, double height);
    void AddDetail(double top, double bottom);
    void AddFont(const TFont& font);
    void AddFooterDim(double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth, TColor shading);
    void AddHeaderDim(double x1, double y1, double x2, double y2, quint8 boxed, quint16 lineWidth, TColor shading);
    void AddFooterInf(int line, const QString& text, double y, quint16 alignment, const QString& fontName, int size,
                      TFontStyles style, TColor color);
    void AddHeaderInf(int line, const QString& text, double y, quint16 alignment, const QString& fontName, int size,
                      TFontStyles style, TColor color);
    void AddLineWidth(quint16 width);
    void AddMargins(double left, double top, double right, double bottom);
    void AddPageNumber(double y, const QString& format, quint16 alignment, const QString& fontName, int size,
                       TFontStyles style, TColor color, bool includeTotal);
    void AddTab(double tab);
    void AddSetY(double y);
    void AddIndent(double indent);
    void AddText(double x, double y, const QString& text, TColor brushColor);
    void AddColumn(quint16 number, double left, double width);
    void AddFColor(TColor color);
    void AddBColor(TColor color);
    void AddPColor(TColor color);
    void AddBrushStyle(TBrushStyle style);
    void AddPStyle(TPenStyle style);
    void AddPMode(TPenMode mode);
    void AddMoveTo(double x, double y);
    void AddEllipse(double x1, double y1, double x2, double y2);
    void AddFillRect(double x1, double y1, double x2, double y2);
    void AddFloodFill(double x, double y, TColor color, quint8 fillStyle);
    void AddRoundRect(double x1, double y1, double x2, double y2, double x3, double y3);
    void AddArc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    void AddPie(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    // Points as X, Y pairs in inches.
    void AddPolyline(const std::vector<QPointF>& points);
    void AddMeasure(MeasureType measure);
    void AddFontAngle(int angle);
    void AddTransparent(bool on);

    // Distinct pictures held (each kept once however often it is recorded).
    int PictureCount() const { return int(m_pictures.size()); }

private:
    // The store's one copy of `image`.
    QImage sharedPicture(const QImage& image);

    std::vector<std::unique_ptr<TPrnPageList>> m_pages;
    struct PoolEntry {
        size_t hash;
        QImage image;
    };
    std::vector<PoolEntry> m_pictures;
};
