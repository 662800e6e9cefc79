#include "platform/Printer.h"

#include <QDir>
#include <QPolygonF>
#include <QRawFont>
#include <cmath>
#include <unordered_map>
#include <vector>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

int QualityResolution(short quality, int highResolution)
{
    switch (quality) {
    case DMRES_MEDIUM: return 300;
    case DMRES_LOW: return 150;
    case DMRES_DRAFT: return 75;
    default: return quality > 0 ? quality : highResolution;
    }
}

// Where a sheet has been drawn on, kept in horizontal bands so that a text
// cell is tested against what lies near it only.
class TPrinterCanvas::TInkMap {
public:
    explicit TInkMap(int bandHeight) : m_band(qMax(1, bandHeight)) {}
    void add(const QRectF& r)
    {
        if (r.isEmpty()) return;
        const int first = band(r.top()), last = band(r.bottom());
        for (int b = first; b <= last; ++b) m_bands[b].push_back(r);
    }
    bool intersects(const QRectF& r) const
    {
        const int first = band(r.top()), last = band(r.bottom());
        for (int b = first; b <= last; ++b) {
            const auto it = m_bands.find(b);
            if (it == m_bands.end()) continue;
            for (const QRectF& q : it->second)
                if (q.intersects(r)) return true;
        }
        return false;
    }
    void clear() { m_bands.clear(); }

private:
    int band(double y) const { return int(std::floor(y / m_band)); }
    int m_band;
    std::unordered_map<int, std::vector<QRectF>> m_bands;
};

TPrinterCanvas::TPrinterCanvas(QPrinter* printer, QPainter* painter)
    : m_painter(painter), m_ppiX(printer->logicalDpiX()), m_ppiY(printer->logicalDpiY()),
      m_ink(std::make_unique<TInkMap>(printer->logicalDpiY() / 4))
{
    const QRect paper = printer->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer->pageRect(QPrinter::DevicePixel).toRect();
    m_page = paper.size();
    m_printable = QRect(page.topLeft() - paper.topLeft(), page.size());
}

TPrinterCanvas::~TPrinterCanvas() = default;

void TPrinterCanvas::NewSheet()
{
    m_ink->clear();
}

void TPrinterCanvas::ink(const QRectF& r)
{
    const double pen = qMax(1, Pen().Width());
    m_ink->add(r.normalized().adjusted(-pen, -pen, pen, pen));
}

void TPrinterCanvas::DrawLineSegment(QPoint from, QPoint to)
{
    ink(QRectF(from, to));
    TPainterCanvas::DrawLineSegment(from, to);
}

void TPrinterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    ink(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    TPainterCanvas::Rectangle(x1, y1, x2, y2);
}

void TPrinterCanvas::FillRect(const QRect& rect)
{
    ink(rect);
    TPainterCanvas::FillRect(rect);
}

void TPrinterCanvas::FrameRect(const QRect& rect)
{
    ink(rect);
    TPainterCanvas::FrameRect(rect);
}

void TPrinterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    ink(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    TPainterCanvas::Ellipse(x1, y1, x2, y2);
}

void TPrinterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    ink(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    TPainterCanvas::Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TPrinterCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    ink(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    TPainterCanvas::Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TPrinterCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    ink(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    TPainterCanvas::RoundRect(x1, y1, x2, y2, x3, y3);
}

void TPrinterCanvas::Polyline(const QVector<QPoint>& points)
{
    if (!points.isEmpty()) ink(QPolygonF(QPolygon(points)).boundingRect());
    TPainterCanvas::Polyline(points);
}

void TPrinterCanvas::Polygon(const QVector<QPoint>& points)
{
    if (!points.isEmpty()) ink(QPolygonF(QPolygon(points)).boundingRect());
    TPainterCanvas::Polygon(points);
}

void TPrinterCanvas::StretchDraw(const QRect& rect, const TPicture& picture)
{
    ink(rect);
    TPainterCanvas::StretchDraw(rect, picture);
}

void TPrinterCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    const QRawFont& font = rawFont();
    if (!font.isValid()) return;
    const double height = qRound(font.ascent() + font.descent());
    if (FontEscapement() != 0) {
        // Turned text: whatever it may cover around its start.
        const double reach = Advances(font, text) + height;
        ink(QRectF(x - reach, y - reach, 2 * reach, 2 * reach));
        TPainterCanvas::TextOut(x, y, text);
        return;
    }
    QVector<quint32> glyphs;
    QVector<QPointF> advances;
    const double width = Advances(font, text, &glyphs, &advances);
    const QRectF cell(x, y, qRound(width), height);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (Brush().Style() != bsClear) {
        const QColor back = ColorToQColor(Brush().Color());
        if (back.rgb() != qRgb(255, 255, 255) || m_ink->intersects(cell)) m_painter->fillRect(cell, back);
    }
    drawGlyphs(*m_painter, font, QPointF(x, y), glyphs, advances, width);
    m_ink->add(cell);
}

TPrinter::TPrinter() = default;

TPrinter::~TPrinter()
{
    if (m_printing) EndDoc();
}

QString TPrinter::PdfPrinterName()
{
    return QStringLiteral("PDF");
}

QStringList TPrinter::Printers() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(PdfPrinterName());
    return names;
}

QPrinter* TPrinter::Device()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_printerName.isEmpty()) m_printerName = PrinterName();
        // The device settings start as the default printer's own.
        const QPageLayout layout = m_printer->pageLayout();
        const int code = layout.pageSize().windowsId();
        if (code > 0) m_settings.paperCode = short(code);
        m_settings.orientation =
            layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    }
    return m_printer.get();
}

QString TPrinter::PrinterName() const
{
    if (!m_printerName.isEmpty()) return m_printerName;
    const QString def = QPrinterInfo::defaultPrinterName();
    return def.isEmpty() ? PdfPrinterName() : def;
}

QString TPrinter::PdfFileName() const
{
    if (!m_pdfFileName.isEmpty()) return m_pdfFileName;
    QString base = m_title.isEmpty() ? QStringLiteral("Druck") : m_title;
    for (QChar& c : base)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
            c = '_';
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::homePath();
    return QDir(dir).filePath(base + QStringLiteral(".pdf"));
}

bool TPrinter::GetSettings(TPrinterSettings& settings)
{
    Device();
    settings = m_settings;
    return true;
}

void TPrinter::SetSettings(const TPrinterSettings& settings)
{
    Device();
    m_settings = settings;
}

void TPrinter::configure()
{
    QPrinter* p = Device();
    m_printerName = PrinterName();
    if (IsPdf()) {
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(PdfFileName());
    } else {
        p->setOutputFormat(QPrinter::NativeFormat);
        p->setPrinterName(m_printerName);
    }
    const int highResolution = p->resolution();
    const QPageSize::PageSizeId id = QPageSize::id(int(m_settings.paperCode));
    if (id != QPageSize::Custom) p->setPageSize(QPageSize(id));
    p->setPageOrientation(m_settings.orientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    p->setCopyCount(qMax(1, int(m_settings.copies)));
    p->setResolution(QualityResolution(m_settings.quality, highResolution));
    p->setDocName(m_title);
    p->setCreator(QStringLiteral("Strombaurechner"));
    // The painter's origin is the corner of the printable area.
    p->setFullPage(false);
    if (IsPdf()) p->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool TPrinter::BeginDoc()
{
    if (m_printing) return true;
    m_errorText.clear();
    configure();
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_errorText = IsPdf() ? QStringLiteral("The PDF file \"%1\" cannot be written.").arg(PdfFileName())
                              : QStringLiteral("The printer \"%1\" cannot print.").arg(m_printerName);
        return false;
    }
    m_canvas = std::make_unique<TPrinterCanvas>(m_printer.get(), m_painter.get());
    setPrinting(true);
    return true;
}

void TPrinter::NewPage()
{
    if (!m_printing) return;
    if (m_printer) m_printer->newPage();
    if (m_canvas) m_canvas->NewSheet();
    countSheet();
}

void TPrinter::EndDoc()
{
    if (!m_printing) return;
    m_canvas.reset();
    if (m_painter) m_painter->end();
    m_painter.reset();
    m_printing = false;
}

TCanvas* TPrinter::Canvas()
{
    return m_canvas.get();
}
