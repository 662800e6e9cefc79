#pragma once
// The printer of a print job: which printer prints (an installed one or PDF
// output), its device settings as the print object knows them (paper code,
// orientation, copies, quality), and the printed document with its sheets.
// One QPrinter lies underneath, created when first needed.
//
// The device settings are a record of their own: reading them never asks
// the system, writing them changes only this object, so the system's
// printer setup stays as it is.  They reach the QPrinter when a document
// begins.
#include "platform/Canvas.h"

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QPainter;

// Orientation and quality codes of the device settings record.
constexpr short DMORIENT_PORTRAIT = 1;
constexpr short DMORIENT_LANDSCAPE = 2;
constexpr short DMRES_DRAFT = -1;
constexpr short DMRES_LOW = -2;
constexpr short DMRES_MEDIUM = -3;
constexpr short DMRES_HIGH = -4;

struct TPrinterSettings {
    short paperCode = 9;                    // Windows paper code (9 = A4)
    short orientation = DMORIENT_PORTRAIT;  // DMORIENT_*
    short copies = 1;
    short quality = DMRES_HIGH;             // DMRES_* or dots per inch
    bool operator==(const TPrinterSettings&) const = default;
};

// Dots per inch of a quality code: high is the printer's own resolution
// (`highResolution`), medium 300, low 150, draft 75; a positive code is
// the resolution itself.
int QualityResolution(short quality, int highResolution);

// The surface of an open printer document: device pixels of the printer,
// the origin at the corner of the printable area (PDF output has no
// unprintable edges).  A vector device has no pixels to flood-fill.
//
// An opaque text fills its cell with the brush first.  On paper a white
// cell only shows where something was drawn before, so the sheet keeps
// where it has ink and leaves out the white cells that would cover none:
// the page looks the same and the document stays small.
class TPrinterCanvas : public TPainterCanvas {
public:
    TPrinterCanvas(QPrinter* printer, QPainter* painter);
    ~TPrinterCanvas() override;

    int PixelsPerInchX() const override { return m_ppiX; }
    int PixelsPerInchY() const override { return m_ppiY; }
    QSize PageSize() const override { return m_page; }
    QPoint PrintableOffset() const override { return m_printable.topLeft(); }
    QSize PrintableSize() const override { return m_printable.size(); }

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const QRect& rect) override;
    void FrameRect(const QRect& rect) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
    void Polyline(const QVector<QPoint>& points) override;
    void Polygon(const QVector<QPoint>& points) override;
    void TextOut(int x, int y, const QString& text) override;
    void StretchDraw(const QRect& rect, const TPicture& picture) override;

    // A fresh sheet: nothing drawn on it yet.
    void NewSheet();

protected:
    QPainter* BeginPaint() override { return m_painter; }
    void EndPaint(QPainter*) override {}
    void DrawLineSegment(QPoint from, QPoint to) override;

private:
    class TInkMap;
    // Marks `r` (grown by the pen) as drawn on.
    void ink(const QRectF& r);
    QPainter* m_painter;
    int m_ppiX, m_ppiY;
    QSize m_page;
    QRect m_printable;
    std::unique_ptr<TInkMap> m_ink;
};

class TPrinter {
public:
    TPrinter();
    virtual ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The name under which PDF output is offered beside the printers.
    static QString PdfPrinterName();

    // What a job can print on: the installed printers, then PDF output.
    // Empty when there is neither.
    virtual QStringList Printers() const;

    // The printer that prints; the system's default printer at first, PDF
    // output when none is installed.
    QString PrinterName() const;
    void SetPrinterName(const QString& name) { m_printerName = name; }
    bool IsPdf() const { return PrinterName() == PdfPrinterName(); }
    // Where PDF output goes; by default the title in the documents folder.
    QString PdfFileName() const;
    void SetPdfFileName(const QString& fileName) { m_pdfFileName = fileName; }

    // The device settings record; false when it cannot be had.
    virtual bool GetSettings(TPrinterSettings& settings);
    virtual void SetSettings(const TPrinterSettings& settings);

    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // Begins the document; false (and ErrorText) when it cannot begin,
    // for instance a PDF file that cannot be written.
    virtual bool BeginDoc();
    // Starts a new sheet.
    virtual void NewPage();
    virtual void EndDoc();
    // The document is open: between BeginDoc and EndDoc.
    bool Printing() const { return m_printing; }
    // Sheet number in the open document, from 1.
    int PageNumber() const { return m_pageNumber; }
    // The surface of the open document; null while no document is open.
    virtual TCanvas* Canvas();
    QString ErrorText() const { return m_errorText; }

    // The QPrinter underneath (created on first use).
    QPrinter* Device();

protected:
    // For printers that stand in for the real one.
    void setPrinting(bool on) { m_printing = on; if (on) m_pageNumber = 1; }
    void countSheet() { ++m_pageNumber; }
    void setErrorText(const QString& text) { m_errorText = text; }
    TPrinterSettings m_settings;

private:
    void configure();
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<TPrinterCanvas> m_canvas;
    QString m_printerName;
    QString m_pdfFileName;
    QString m_title;
    QString m_errorText;
    bool m_printing = false;
    int m_pageNumber = 0;
};
