#include "platform/Printer.h"

#include <QDir>
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

TPrinterCanvas::TPrinterCanvas(QPrinter* printer, QPainter* painter)
    : m_painter(painter), m_ppiX(printer->logicalDpiX()), m_ppiY(printer->logicalDpiY())
{
    const QRect paper = printer->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer->pageRect(QPrinter::DevicePixel).toRect();
    m_page = paper.size();
    m_printable = QRect(page.topLeft() - paper.topLeft(), page.size());
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
