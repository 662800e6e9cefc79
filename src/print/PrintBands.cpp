// The bands drawn at every page end: header band, footer band and the
// page number.
#include "platform/Dialogs.h"
#include "platform/ResourceStrings.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

namespace {

constexpr int kMaxBandText = 240;

// The page-number format filled with `number`: "%d" (either case) takes
// the number, "%%" is a percent sign; any other directive is an error.
bool FillPageNumber(const QString& format, int number, QString& text)
{
    text.clear();
    const QString n = QString::number(number);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            text += c;
            continue;
        }
        if (i + 1 >= format.size()) return false;
        const QChar d = format.at(++i);
        if (d == QLatin1Char('d') || d == QLatin1Char('D'))
            text += n;
        else if (d == QLatin1Char('%'))
            text += QLatin1Char('%');
        else
            return false;
    }
    return true;
}

}  // namespace

bool TPrintObject::FormatPageNumber(int pageNo, QString& text) const
{
    if (!FillPageNumber(m_pageNumberFormat, pageNo, text)) return false;
    if (m_showTotalPages)
        text += QLatin1Char(' ') + LoadStr(1014) + QLatin1Char(' ')
                + QString::number(m_pages ? m_pages->PageCounter : 0);
    return true;
}

// ------------------------------------------------------------- settings

void TPrintObject::SetHeaderDim(quint8 box, quint16 lineWidth, double left, double top, double right, double bottom,
                                int color)
{
    if (!m_printingStarted) return;
    m_headerDim = TBandDim{left, top, right, bottom, box, color, lineWidth};
    if (m_recording && m_pages)
        m_pages->AddHeaderDim(toInches(1, left), toInches(0, top), toInches(1, right), toInches(0, bottom), box,
                              lineWidth, TColor(color));
}

void TPrintObject::SetFooterDim(quint8 box, quint16 lineWidth, double left, double top, double right, double bottom,
                                int color)
{
    if (!m_printingStarted) return;
    m_footerDim = TBandDim{left, top, right, bottom, box, color, lineWidth};
    if (m_recording && m_pages)
        m_pages->AddFooterDim(toInches(1, left), toInches(0, top), toInches(1, right), toInches(0, bottom), box,
                              lineWidth, TColor(color));
}

void TPrintObject::setBandLine(TBandLine& l, const QString& text, double y, quint16 align, const TFont& font)
{
    l.Text = text.left(kMaxBandText);
    l.Y = y;
    l.Align = align;
    if (!l.Font) l.Font.emplace();
    l.Font->Assign(font);
}

void TPrintObject::SetHeaderInf(int line, const QString& text, double y, quint16 align, const TFont& font)
{
    if (!m_printingStarted || line < 1 || line > 10) return;
    TBandLine& l = m_headerLines[size_t(line)];
    setBandLine(l, text, y, align, font);
    if (m_recording && m_pages)
        m_pages->AddHeaderInf(line, l.Text, toInches(0, y), align, font.Name(), font.Size(), font.Style(),
                              font.Color());
}

void TPrintObject::SetFooterInf(int line, const QString& text, double y, quint16 align, const TFont& font)
{
    if (!m_printingStarted || line < 1 || line > 10) return;
    TBandLine& l = m_footerLines[size_t(line)];
    setBandLine(l, text, y, align, font);
    if (m_recording && m_pages)
        m_pages->AddFooterInf(line, l.Text, toInches(0, y), align, font.Name(), font.Size(), font.Style(),
                              font.Color());
}

void TPrintObject::SetPageNumber(const QString& format, quint16 align, double y, bool showTotal, const TFont& font)
{
    if (!m_printingStarted) return;
    if (!format.toLower().contains(QLatin1String("%d"))) return;
    m_pageNumberFormat = format.left(kMaxBandText);
    m_pageNumberY = y;
    m_pageNumberAlign = align;
    if (!m_pageNumberFont) m_pageNumberFont.emplace();
    m_pageNumberFont->Assign(font);
    m_showTotalPages = showTotal;
    if (m_recording && m_pages)
        m_pages->AddPageNumber(toInches(0, y), m_pageNumberFormat, align, font.Name(), font.Size(), font.Style(),
                               font.Color(), showTotal);
}

// ----------------------------------------------------------- page end

void TPrintObject::printBandBox(const TBandDim& band)
{
    if (band.Box != 1) return;
    if (band.Color > 0)
        DrawFilledBox(band.LineWidth, TColor(band.Color), band.Left, band.Top, band.Right, band.Bottom);
    else if (band.LineWidth != 0)
        DrawBox(band.LineWidth, band.Left, band.Top, band.Right, band.Bottom);
}

void TPrintObject::PrintHeaderBand()
{
    if (!m_printingStarted) return;
    printBandBox(m_headerDim);
    SaveFont();
    for (int i = 1; i <= 10; ++i) {
        const TBandLine& l = m_headerLines[size_t(i)];
        if (l.Text.isEmpty()) continue;
        if (l.Font) SetFont(*l.Font);
        switch (l.Align) {
        case 0: WriteText(l.Text, m_headerDim.Left, l.Y); break;
        case 1:
            WriteCenterToX(l.Text, m_headerDim.Left + (m_headerDim.Right - m_headerDim.Left) / 2, l.Y);
            break;
        case 2: WriteRightToX(l.Text, m_headerDim.Right, l.Y); break;
        default: break;
        }
    }
    RestoreFont();
}

void TPrintObject::PrintFooterBand()
{
    if (!m_printingStarted) return;
    SaveFont();
    const bool keptPaging = m_automaticPaging;
    m_automaticPaging = false;
    try {
        printBandBox(m_footerDim);
        for (int i = 1; i <= 10; ++i) {
            const TBandLine& l = m_footerLines[size_t(i)];
            if (l.Text.isEmpty()) continue;
            if (l.Font) SetFont(*l.Font);
            WriteAligned(l.Text, l.Align, l.Y, 0.0);
        }
    } catch (...) {
        m_automaticPaging = keptPaging;
        throw;
    }
    RestoreFont();
    m_automaticPaging = keptPaging;
}

void TPrintObject::PrintPageNumber()
{
    FireFirstPage();
    if (!m_printingStarted || !m_printPageNumbers || m_pageNumberFormat.isEmpty()) return;
    QString text;
    if (!FormatPageNumber(GetPageNumber(), text)) {
        // The format is the same on every page: one message per job.
        if (!m_pageNumberErrorShown) {
            m_pageNumberErrorShown = true;
            MessageDlg(QStringLiteral("Error in page number formatting."), mtInformation, mbOK);
        }
        return;
    }
    SaveFont();
    if (m_pageNumberFont) SetFont(*m_pageNumberFont);
    const bool keptPaging = m_automaticPaging;
    SetAutomaticPaging(false);
    if (m_recording && m_pages) m_pages->AddSimple(PrnKind::PageNumberText);
    const double keptTab = ConvertUnits(mtInches, m_measurement, 1, m_tab);
    SetTab(0.0);
    switch (m_pageNumberAlign) {
    case 0: WriteText(text, 0.0, m_pageNumberY); break;
    case 1: WriteCenter(text, m_pageNumberY); break;
    case 2: WriteRight(text, m_pageNumberY); break;
    default: break;
    }
    SetAutomaticPaging(keptPaging);
    RestoreFont();
    SetTab(keptTab);
}
