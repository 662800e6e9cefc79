// A print job from Start to EndReport: the printer check, the printer's
// settings, a direct job's document, the last page, the preview or the
// print, and the clean-up that always runs.
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/Printer.h"
#include "platform/ResourceStrings.h"
#include "print/DisplayPanel.h"
#include "print/PreviewWindow.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QWidget>

namespace {

void ShowInfo(const QString& text)
{
    MessageDlg(text, mtInformation, mbOK);
}

QString ExceptionText(const std::exception& e)
{
    if (auto* ex = dynamic_cast<const Exception*>(&e)) return ex->Message();
    return QString::fromLocal8Bit(e.what());
}

constexpr int kSettingsTries = 5;

}  // namespace

// ------------------------------------------------------------ printer

TPrinter* TPrintObject::Printer()
{
    if (!m_printer) m_printer = std::make_unique<TPrinter>();
    return m_printer.get();
}

void TPrintObject::SetPrinter(std::unique_ptr<TPrinter> printer)
{
    m_printer = std::move(printer);
}

void TPrintObject::ReadPrinterDefaults()
{
    if (!m_printingStarted) return;
    m_printerDefaultsTried = true;
    TPrinterSettings s;
    for (int i = 0; i < kSettingsTries; ++i) {
        if (Printer()->GetSettings(s)) {
            m_savedPaperCode = s.paperCode;
            m_savedOrientation = s.orientation;
            m_savedPrinterValid = true;
            return;
        }
    }
    ShowInfo(QStringLiteral("Error reading default printer properties."));
}

void TPrintObject::ApplyPrinterSettings(bool restore)
{
    if (!m_printingStarted && !restore) return;
    TPrinter* printer = Printer();
    TPrinterSettings s;
    if (!printer->GetSettings(s)) return;
    if (restore) {
        // The printer's own paper and orientation, if they could be read.
        if (m_savedPrinterValid) {
            s.paperCode = m_savedPaperCode;
            s.orientation = m_savedOrientation;
        }
        s.copies = 1;
        s.quality = DMRES_HIGH;
    } else {
        m_printerSettingsApplied = true;
        const int code = PaperSizeRow(m_paperSize).Code;
        if (code > 0) s.paperCode = short(code);
        s.orientation = m_orientation == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        s.copies = short(qBound(1, m_copies, 32767));
        switch (m_printQuality) {
        case pqHIGH: s.quality = DMRES_HIGH; break;
        case pqMEDIUM: s.quality = DMRES_MEDIUM; break;
        case pqLOW: s.quality = DMRES_LOW; break;
        case pqDRAFT: s.quality = DMRES_DRAFT; break;
        }
    }
    printer->SetSettings(s);
}

// ----------------------------------------------------- preview, progress

void TPrintObject::SetPreviewMode(bool on)
{
    if (!m_printingStarted) return;
    if (on && m_previewWindow) {
        m_previewWindow->SetOrientation(m_orientation);
        m_previewWindow->SetPrintObject(this);
    }
    m_previewMode = on;
}

void TPrintObject::ShowPreview()
{
    if (!m_printingStarted || !m_previewMode || !m_previewWindow) return;
    m_previewWindow->ShowModal(int(m_startPercent));
    m_canvas = measuringCanvas();
}

void TPrintObject::SetDisplayPanel(const TPrnDisplayPanel& panel)
{
    if (m_displayPanel) m_displayPanel->Assign(panel);
}

bool TPrintObject::ShowDisplayProgress() const
{
    return m_displayPanel && m_displayPanel->ShowProgress();
}

void TPrintObject::SetShowDisplayProgress(bool value)
{
    if (m_displayPanel) m_displayPanel->SetShowProgress(value);
}

bool TPrintObject::ShowDisplayProgressPercent() const
{
    return m_displayPanel && m_displayPanel->ShowProgressPercent();
}

void TPrintObject::SetShowDisplayProgressPercent(bool value)
{
    if (m_displayPanel) m_displayPanel->SetShowProgressPercent(value);
}

void TPrintObject::SetProgressBar(QProgressBar* bar)
{
    m_progressBar = bar;
}

void TPrintObject::SetStatusText(QWidget* status)
{
    m_statusText = status;
}

QProgressBar* TPrintObject::ProgressBar() const
{
    return qobject_cast<QProgressBar*>(m_progressBar.data());
}

void TPrintObject::UpdateProgress(int step)
{
    if (!m_printingStarted) return;
    if (QProgressBar* bar = ProgressBar()) bar->setValue(bar->value() + step);
    if (m_useDisplayPanel && m_displayPanel) m_displayPanel->StepBy(step);
}

void TPrintObject::hideProgress()
{
    if (!m_showProgress) return;
    if (QProgressBar* bar = ProgressBar()) bar->hide();
    if (m_statusText) m_statusText->hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ------------------------------------------------------------- start

bool TPrintObject::Start()
{
    m_firstPageFired = false;
    m_lastPageFired = false;
    m_pageNumberErrorShown = false;
    const bool recording = !m_printDirect;

    // Recording and the preview need no printer; a job that prints needs
    // an installed printer or PDF output.
    if ((!m_preview || m_printDirect) && Printer()->Printers().isEmpty()) {
        ShowInfo(QStringLiteral("There are no printers installed."));
        return false;
    }

    if (m_useDisplayPanel && m_displayPanel) {
        m_displayPanel->SetProgressMax(m_progressBarMax);
        m_displayPanel->SetProgressInc(m_progressBarInc);
        m_displayPanel->SetProgressMin(m_progressBarMin);
        m_displayPanel->SetProgressPosition(0);
        m_displayPanel->BuildPanel(qobject_cast<QWidget*>(m_owner));
    }

    m_drawingEnabled = true;
    m_printingStarted = true;
    m_pageOpen = true;

    // Recording for the preview needs no printer: its settings are read
    // and set when the job prints.
    m_savedPrinterValid = false;
    m_printerDefaultsTried = false;
    m_printerSettingsApplied = false;
    if (!m_preview || m_printDirect) {
        ReadPrinterDefaults();
        ApplyPrinterSettings(false);
    }

    if (recording && m_previewWindow) {
        QHash<int, QString> texts;
        for (int id : {1001, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1015, 1016})
            texts.insert(id, LoadStr(id));
        m_previewWindow->SetTexts(texts);
    }
    SetPreviewMode(recording);
    if (recording) {
        const TPaperSize& row = PaperSizeRow(m_paperSize);
        m_measureCanvas.SetPaper(row.Width, row.Height, m_orientation == 1);
        m_canvas = measuringCanvas();
    }

    m_pages = std::make_unique<TPrnPages>();
    m_pages->NewPage();
    m_pages->CurrentPage = 1;
    m_pages->PrintFrom = 1;
    m_pages->PrintTo = 1;
    m_pages->PageCounter = 1;
    m_pages->PaperHeight = PaperSizeRow(m_paperSize).Height;
    m_pages->PaperWidth = PaperSizeRow(m_paperSize).Width;

    m_recording = recording;
    m_scale = 1.0;
    if (m_showProgress) {
        if (QProgressBar* bar = ProgressBar()) bar->show();
        if (m_statusText) m_statusText->show();
    }

    if (!recording) {
        TPrinter* printer = Printer();
        printer->SetTitle(m_title.isEmpty() ? QStringLiteral("***") : m_title);
        if (!printer->BeginDoc()) {
            ShowInfo(printer->ErrorText());
            m_printingStarted = false;
            m_drawingEnabled = false;
            m_pageOpen = false;
            m_recording = false;
            m_pages.reset();
            if (m_displayPanel) m_displayPanel->FreePanel();
            if (m_printerSettingsApplied) ApplyPrinterSettings(true);
            return false;
        }
        m_canvas = printer->Canvas();
    }

    ReadDeviceMetrics();
    m_pageNumberFormat.clear();

    SetMarginsFromEdges(fromPixels(1, m_printableOffsetX), fromPixels(0, m_printableOffsetY),
                        fromPixels(1, m_unprintableRight), fromPixels(0, m_unprintableBottom));
    SetDetail(fromPixels(0, m_printableOffsetY), fromPixels(0, m_pageHeightPx - m_unprintableBottom));

    clearBandsAndLines();
    m_tab = 0.0;
    m_currentY = 0.0;
    m_currentX = 0.0;

    SetAutomaticPaging(m_automaticPaging);
    SetOrientation(m_orientation);
    SetPaperSize(m_paperSize);
    // The first page is replayed from the state it was recorded from, not
    // from whatever the last page left.
    m_haveStartState = recording;
    if (recording) captureState(m_startState);
    return true;
}

void TPrintObject::clearBandsAndLines()
{
    for (int i = 1; i <= 10; ++i) {
        m_headerLines[size_t(i)].Text.clear();
        m_footerLines[size_t(i)].Text.clear();
    }
    m_headerDim.Box = 0;
    m_headerDim.Color = 0;
    m_footerDim.Box = 0;
    m_footerDim.Color = 0;
}

// --------------------------------------------------------------- end

void TPrintObject::EndReport()
{
    if (m_showProgress) {
        if (QProgressBar* bar = ProgressBar()) UpdateProgress(bar->maximum() - bar->value());
    }
    if (m_displayPanel) m_displayPanel->FreePanel();

    if (m_printingStarted) {
        m_pageOpen = false;
        try {
            PrintHeaderBand();
            PrintFooterBand();
            PrintPageNumber();
            DoNewPage();
            FireLastPage();
        } catch (...) {
            ShowInfo(QStringLiteral("Error in completing last page."));
        }
        try {
            hideProgress();
            if (m_pages) {
                m_pages->CurrentPage = 1;
                m_pages->PageCounter = m_pages->PageCount();
                m_pages->PrintFrom = 1;
                m_pages->PrintTo = m_pages->PageCount();
            }
        } catch (...) {
            ShowInfo(QStringLiteral("Error preparing final report."));
        }
        if (m_recording) {
            m_recording = false;
            const bool keptPaging = m_automaticPaging;
            m_automaticPaging = false;
            m_fontAngle = 0;
            const MeasureType keptMeasure = m_measurement;
            m_measurement = mtInches;
            m_pageOpen = false;
            try {
                // Every page's starting state, so that each can be drawn alone.
                buildSnapshots();
                if (m_preview)
                    ShowPreview();
                else
                    PrintAllPages();
            } catch (...) {
                ShowInfo(QStringLiteral("Error showing/printing final report."));
            }
            m_canvas = measuringCanvas();
            m_measurement = keptMeasure;
            m_automaticPaging = keptPaging;
        } else {
            Printer()->EndDoc();
            m_canvas = measuringCanvas();
        }
    } else {
        hideProgress();
        if (m_printDirect && m_printer) m_printer->EndDoc();
        m_canvas = measuringCanvas();
    }
    try {
        ResetState();
        m_snapshots.clear();
        m_haveStartState = false;
        m_startState = TReplayState();
        m_widthCache = TWidthCache();
        m_pages.reset();
    } catch (const std::exception& e) {
        ShowInfo(QStringLiteral("Error cleaning up report pages.") + QLatin1Char('\n') + ExceptionText(e));
    } catch (...) {
        ShowInfo(QStringLiteral("Error cleaning up report pages.") + QLatin1Char('\n'));
    }
    m_printingStarted = false;
    m_drawingEnabled = false;
    m_recording = false;
    if (m_printerSettingsApplied) ApplyPrinterSettings(true);
    if (PrintDone) PrintDone(this);
}
