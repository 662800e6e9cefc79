#pragma once
// The print object: the report writes its pages through it in a unit of
// its choice (millimetres by default).  A recording job keeps every page as
// a list of commands in its page store and draws them after EndReport, on
// the printer or in the preview.
//
// Inside, positions that must survive a change of device (current X and Y,
// detail area, columns, saved Y values) are kept in inches; margins, the
// printable offsets and the page size in device pixels of the current
// drawing surface.  Values of -0.01 and less are never converted: -1.0 and
// -2.0 are markers of the text calls.
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "print/PrintTypes.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class TPrnPages;
class TPrnPageList;
class TPrnPrintCommand;
class TPrnDisplayPanel;
class TPrinter;
class TPreviewWindow;
class QObject;
class QProgressBar;
class QWidget;

class TPrintObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutomaticPaging READ AutomaticPaging WRITE SetAutomaticPaging)
    Q_PROPERTY(bool AutoPageFeed READ AutoPageFeed WRITE SetAutoPageFeed)
    Q_PROPERTY(bool ClipColumns READ ClipColumns WRITE SetClipColumns)
    Q_PROPERTY(int Copies READ Copies WRITE SetCopies)
    Q_PROPERTY(int LineSpacing READ LineSpacing WRITE SetLineSpacing)
    Q_PROPERTY(PrintTypes::MeasureType Measurement READ Measurement WRITE SetMeasurement)
    Q_PROPERTY(int Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(PrintTypes::PaperSizes PaperSize READ PaperSize WRITE SetPaperSize)
    Q_PROPERTY(QString PaperSizeArea READ PaperSizeArea WRITE SetPaperSizeArea)
    Q_PROPERTY(bool Preview READ Preview WRITE SetPreview)
    Q_PROPERTY(bool PrintDirect READ PrintDirect WRITE SetPrintDirect)
    Q_PROPERTY(bool PrintPageNumbers READ PrintPageNumbers WRITE SetPrintPageNumbers)
    Q_PROPERTY(PrintTypes::PrintQualities PrintQuality READ PrintQuality WRITE SetPrintQuality)
    Q_PROPERTY(int ProgressBarInc READ ProgressBarInc WRITE SetProgressBarInc)
    Q_PROPERTY(int ProgressBarMax READ ProgressBarMax WRITE SetProgressBarMax)
    Q_PROPERTY(int ProgressBarMin READ ProgressBarMin WRITE SetProgressBarMin)
    Q_PROPERTY(bool PromptOnCancel READ PromptOnCancel WRITE SetPromptOnCancel)
    Q_PROPERTY(bool ShowDisplayProgress READ ShowDisplayProgress WRITE SetShowDisplayProgress)
    Q_PROPERTY(bool ShowDisplayProgressPercent READ ShowDisplayProgressPercent WRITE SetShowDisplayProgressPercent)
    Q_PROPERTY(bool ShowPrintDialog READ ShowPrintDialog WRITE SetShowPrintDialog)
    Q_PROPERTY(bool ShowProgress READ ShowProgress WRITE SetShowProgress)
    Q_PROPERTY(bool ShowProgressPercent READ ShowProgressPercent WRITE SetShowProgressPercent)
    Q_PROPERTY(bool ShowTotalPages READ ShowTotalPages WRITE SetShowTotalPages)
    Q_PROPERTY(PrintTypes::Percentages StartPercent READ StartPercent WRITE SetStartPercent)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool UseDisplayPanel READ UseDisplayPanel WRITE SetUseDisplayPanel)
    Q_PROPERTY(bool UseLargeFontAdjust READ UseLargeFontAdjust WRITE SetUseLargeFontAdjust)
    Q_PROPERTY(bool UseMarginOffset READ UseMarginOffset WRITE SetUseMarginOffset)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    explicit TPrintObject(QObject* owner = nullptr);
    ~TPrintObject() override;

    // ---------------------------------------------------------- properties
    bool AutomaticPaging() const { return m_automaticPaging; }
    // Records the switch (kind 25 on, 26 off) while recording.
    void SetAutomaticPaging(bool value);
    bool AutoPageFeed() const { return m_autoPageFeed; }
    void SetAutoPageFeed(bool value) { m_autoPageFeed = value; }
    bool ClipColumns() const { return m_clipColumns; }
    void SetClipColumns(bool value) { m_clipColumns = value; }
    int Copies() const { return m_copies; }
    void SetCopies(int value) { m_copies = value; }
    int LineSpacing() const { return m_lineSpacing; }
    void SetLineSpacing(int value) { m_lineSpacing = qint16(value); }
    MeasureType Measurement() const { return m_measurement; }
    // Records a unit command (kind 43) while recording; recomputes PaperSizeArea.
    void SetMeasurement(MeasureType value);
    int Orientation() const { return m_orientation; }
    void SetOrientation(int value);
    PaperSizes PaperSize() const { return m_paperSize; }
    void SetPaperSize(PaperSizes value);
    QString PaperSizeArea() const { return m_paperSizeArea; }
    void SetPaperSizeArea(const QString&) {}  // read-only
    bool Preview() const { return m_preview; }
    void SetPreview(bool value) { m_preview = value; }
    bool PrintDirect() const { return m_printDirect; }
    void SetPrintDirect(bool value) { m_printDirect = value; }
    bool PrintPageNumbers() const { return m_printPageNumbers; }
    void SetPrintPageNumbers(bool value) { m_printPageNumbers = value; }
    PrintQualities PrintQuality() const { return m_printQuality; }
    void SetPrintQuality(PrintQualities value) { m_printQuality = value; }
    int ProgressBarInc() const { return m_progressBarInc; }
    void SetProgressBarInc(int value) { m_progressBarInc = value; }
    int ProgressBarMax() const { return m_progressBarMax; }
    void SetProgressBarMax(int value) { m_progressBarMax = value; }
    int ProgressBarMin() const { return m_progressBarMin; }
    void SetProgressBarMin(int value) { m_progressBarMin = value; }
    bool PromptOnCancel() const { return m_promptOnCancel; }
    void SetPromptOnCancel(bool value) { m_promptOnCancel = value; }
    // Kept in the display panel as its ShowProgress and ShowProgressPercent.
    bool ShowDisplayProgress() const;
    void SetShowDisplayProgress(bool value);
    bool ShowDisplayProgressPercent() const;
    void SetShowDisplayProgressPercent(bool value);
    bool ShowPrintDialog() const { return m_showPrintDialog; }
    void SetShowPrintDialog(bool value) { m_showPrintDialog = value; }
    bool ShowProgress() const { return m_showProgress; }
    void SetShowProgress(bool value) { m_showProgress = value; }
    bool ShowProgressPercent() const { return m_showProgressPercent; }
    void SetShowProgressPercent(bool value) { m_showProgressPercent = value; }
    bool ShowTotalPages() const { return m_showTotalPages; }
    void SetShowTotalPages(bool value) { m_showTotalPages = value; }
    Percentages StartPercent() const { return m_startPercent; }
    void SetStartPercent(Percentages value) { m_startPercent = value; }
    QString Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    bool Transparent() const { return m_transparent; }
    // Always stores; records kind 50 while recording.
    void SetTransparent(bool value);
    bool UseDisplayPanel() const { return m_useDisplayPanel; }
    void SetUseDisplayPanel(bool value) { m_useDisplayPanel = value; }
    bool UseLargeFontAdjust() const { return m_useLargeFontAdjust; }
    void SetUseLargeFontAdjust(bool value) { m_useLargeFontAdjust = value; }
    bool UseMarginOffset() const { return m_useMarginOffset; }
    void SetUseMarginOffset(bool value) { m_useMarginOffset = value; }
    QString Version() const { return m_version; }
    void SetVersion(const QString&) {}  // read-only
    TPrnDisplayPanel* DisplayPanel() const { return m_displayPanel; }

    // -------------------------------------------------------------- events
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnFirstPage;
    TNotifyEvent OnNewPage;
    TNotifyEvent AfterNewPage;
    TNotifyEvent OnLastPage;
    TPrintCallBack OnPrintPage;
    TNotifyEvent BeforePrint;
    TNotifyEvent AfterPrint;
    TNotifyEvent OnCancel;
    TNotifyEvent PrintDone;

    // Fires OnCreate once the object has been set up from a form resource;
    // a failing handler goes to the application's handler.
    void Loaded();

    // ----------------------------------------- object, units and paper
    // Cancels, then ends the job (releasing its pages unprinted).
    void Quit();
    // Asks "Abort printing?" first when PromptOnCancel is set.
    void CancelPrint();
    // Axis 1 horizontal, 0 vertical.
    double ConvertUnits(MeasureType from, MeasureType to, quint16 axis, double value) const;
    // Width of `text` in the surface's current font, in Measurement units.
    double GetTextWidth(const QString& text);
    double GetScale() const { return m_scale; }
    void ReadDeviceMetrics();
    // Adds the left and top margins (Measurement units) when the job takes
    // coordinates relative to the margins.
    void AddMarginOffset(double& x, double& y) const;
    void UpdateProgress(int step);
    void FireFirstPage();
    void FireLastPage();
    void ResetState();
    // The process-wide large-font mode.
    static bool LargeFontMode() { return s_largeFont; }

    // ------------------------------------------------------------ page flow
    void NewLine();
    void NewLines(quint16 count);
    void NewPage();
    virtual void DoNewPage();
    virtual void DoAfterNewPage();
    double GetY() const;
    // Millimetres, whatever the unit.
    double GetLineHeight() const;
    int GetLinesLeft() const;
    double GetPageWidth() const;
    double GetPageHeight() const;
    int GetPageNumber() const;

    // ------------------------------------- columns, lines, shapes, pictures
    void SetColumn(quint16 column, double left, double width);
    double GetColumnLeft(quint16 column) const;
    double GetColumnWidth(quint16 column) const;
    double GetColumnRight(quint16 column) const;
    void DrawLine(quint16 penWidth, double x1, double y1, double x2, double y2);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Ellipse(double x1, double y1, double x2, double y2);
    void FloodFill(double x, double y, TColor color, TFillStyle fillStyle);
    void FillRect(double x1, double y1, double x2, double y2);
    void FrameRect(double x1, double y1, double x2, double y2);
    void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    void Pie(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    // X at even, Y at odd positions.
    void Polyline(const std::vector<double>& points);
    void Polygon(const std::vector<double>& points);
    void RoundRect(double x1, double y1, double x2, double y2, double x3, double y3);
    void GradientFill(TColor fromColor, TColor toColor, double x1, double y1, double x2, double y2, int direction);
    // -1.0 for X or Y centres on the paper, for Width or Height takes the
    // holder's screen size.
    void DrawGraphic(const TPicture& image, double x, double y, double width, double height);
    void DrawBitmapScaled(const TPicture& bitmap, int x, int y, int width, int height);
    void DrawBox(quint16 lineWidth, double x1, double y1, double x2, double y2);
    void DrawFilledBox(quint16 lineWidth, TColor color, double x1, double y1, double x2, double y2);
    void DrawBoxLines(quint16 lineWidth, double x1, double y1, double x2, double y2);

    // ----------------------------------------------------- job start and end
    // False only when the job cannot start.
    bool Start();
    void EndReport();
    void ShowPreview();
    void SetScale(double scale);

    // ------------------------------------------------- text output, columns
    void WriteText(const QString& text, double x, double y);
    void WriteAligned(const QString& text, quint16 align, double y, double x);
    void WriteCenter(const QString& text, double y);
    void WriteRight(const QString& text, double y);
    void WriteCenterToX(const QString& text, double x, double y);
    void WriteRightToX(const QString& text, double x, double y);
    void WriteAtDecimal(const QString& text, double x, double y);
    void WriteColumn(quint16 column, const QString& text, double y, quint16 align, double offset);
    void WriteColumnLeft(quint16 column, const QString& text, double y);
    void WriteColumnCenter(quint16 column, const QString& text, double y);
    void WriteColumnRight(quint16 column, const QString& text, double y);
    void WriteColumnDecimal(quint16 column, const QString& text, double offset, double y);
    void WriteColumnText(quint16 column, const QString& text, double y, bool saveRestoreY, bool keepTogether,
                         quint16 align);
    void BreakTextToLines(const QString& text, QStringList& lines, double left, double right);
    void SetY(double y);
    void SetTab(double tab);
    void SetIndent(double indent);
    void SetFontAngle(int angle);

    // ------------------------------ bands, page numbers, fonts and margins
    void SetDetail(double top, double bottom);
    void StartPageBody();
    void SetMargins(double top, double bottom, double left, double right);
    void SetMarginsFromEdges(double left, double top, double right, double bottom);
    void SetHeaderDim(quint8 box, quint16 lineWidth, double left, double top, double right, double bottom, int color);
    void SetFooterDim(quint8 box, quint16 lineWidth, double left, double top, double right, double bottom, int color);
    void SetHeaderInf(int line, const QString& text, double y, quint16 align, const TFont& font);
    void SetFooterInf(int line, const QString& text, double y, quint16 align, const TFont& font);
    void SetPageNumber(const QString& format, quint16 align, double y, bool showTotal, const TFont& font);
    void PrintHeaderBand();
    void PrintFooterBand();
    void PrintPageNumber();
    void SetFont(const TFont& font);
    void SetFontName(const QString& name);
    void SetFontSize(quint16 size);
    void SetFontStyle(TFontStyles style);
    void SetFontColor(TColor color);
    void SetBrushColor(TColor color);
    void SetBrushStyle(TBrushStyle style);
    void SetPenColor(TColor color);
    void SetPenStyle(TPenStyle style);
    void SetPenMode(TPenMode mode);
    void SetLineWidth(quint16 width);
    void SaveY();
    void RestoreY();
    void SaveFont();
    void RestoreFont();

    // ----------------------------------------------------------------- replay
    void PrintAllPages();
    void ReplayPage(TPrnPageList* page, int pageNo, bool enabled);
    // The print dialog over the recorded pages; false when cancelled.
    bool PrintDialogForPages();
    // The page-number text of page `pageNo`, with the total when asked;
    // false when the format cannot be filled.
    bool FormatPageNumber(int pageNo, QString& text) const;
    // Pages whose replay state is kept (all pages once EndReport has
    // prepared them for the preview or the printer).
    int SnapshotCount() const { return int(m_snapshots.size()); }

    // ------------------------------------------------- printer and preview
    TPrinter* Printer();
    // Replaces the printer (tests hand in one of their own).
    void SetPrinter(std::unique_ptr<TPrinter> printer);
    TPreviewWindow* PreviewWindow() const { return m_previewWindow.get(); }
    void ReadPrinterDefaults();
    void ApplyPrinterSettings(bool restore);
    void SetPreviewMode(bool on);
    // Copies the settings of `panel` into the object's own panel.
    void SetDisplayPanel(const TPrnDisplayPanel& panel);
    // An attached progress bar and status text (not owned).
    void SetProgressBar(QProgressBar* bar);
    void SetStatusText(QWidget* status);
    QProgressBar* ProgressBar() const;

    // ------------------------------------------------- surface and state
    // The surface drawing calls measure and draw on (not owned).
    TCanvas* Canvas() const { return m_canvas; }
    // Makes `canvas` the drawing surface (null: the measuring surface).
    void SetDrawingCanvas(TCanvas* canvas);
    // The surface a recording job measures on; null restores the object's
    // own fixed 96-dpi measuring surface.
    void SetRecordingCanvas(TCanvas* canvas);
    TPrnPages* Pages() const { return m_pages.get(); }

    bool Recording() const { return m_recording; }
    bool PrintingStarted() const { return m_printingStarted; }
    bool DrawingEnabled() const { return m_drawingEnabled; }
    void SetDrawingEnabled(bool value) { m_drawingEnabled = value; }
    bool PageOpen() const { return m_pageOpen; }
    bool PreviewMode() const { return m_previewMode; }
    double CurrentX() const { return m_currentX; }  // inches
    double CurrentY() const { return m_currentY; }  // inches
    double DetailTop() const { return m_detailTop; }        // inches
    double DetailBottom() const { return m_detailBottom; }  // inches
    int TopMargin() const { return m_topMargin; }           // device pixels
    int BottomMargin() const { return m_bottomMargin; }
    int LeftMargin() const { return m_leftMargin; }
    int RightMargin() const { return m_rightMargin; }
    int PixelsPerInchX() const { return m_ppiX; }
    int PixelsPerInchY() const { return m_ppiY; }
    int PageWidthPixels() const { return m_pageWidthPx; }
    int PageHeightPixels() const { return m_pageHeightPx; }
    double PageWidthInches() const { return m_pageWidthIn; }
    double PageHeightInches() const { return m_pageHeightIn; }
    // Line height in device pixels (16-bit as the paging arithmetic has it).
    qint16 LineHeightPixels() const;
    double LineHeightInches() const;
    int SavedYDepth() const { return m_yDepth; }
    int SavedFontDepth() const { return m_fontDepth; }

protected:
    // Large-font mode draws everything this much larger.
    static constexpr float kLargeFontFactor = 1.25f;
    // Resolution of the screen the report's widths and pictures were sized on.
    static constexpr int kScreenPixelsPerInch = 96;
    // A line that ends exactly on the body's bottom still fits; this keeps
    // rounding in the inch arithmetic from deciding otherwise.
    static constexpr double kFitTolerance = 1e-9;

    // A header or footer band and its lines.
    struct TBandDim {
        double Left = 0, Top = 0, Right = 0, Bottom = 0;  // Measurement units as given
        quint8 Box = 0;
        int Color = 0;
        quint16 LineWidth = 0;
    };
    struct TBandLine {
        QString Text;
        double Y = 0;
        quint16 Align = 0;
        std::optional<TFont> Font;
    };
    struct TColumn {
        double Left = 0;   // inches
        double Width = 0;  // inches
    };

    // Coordinate helpers of the drawing calls.
    double toInches(quint16 axis, double value) const;     // from Measurement, markers kept
    double toPixels(quint16 axis, double value) const;     // from Measurement, markers kept
    double fromPixels(quint16 axis, double value) const;   // into Measurement
    void recomputePaperSizeArea();
    void clearBandsAndLines();
    // The recording surface or the one set for drawing.
    TCanvas* measuringCanvas();
    // Sets the surface's font and reads the metrics again.
    void applyFont(const TFont& font, bool readMetrics);
    // Fires `event` unless `fired` says it has been, with automatic paging
    // held off (and not recorded) while it runs.
    void fireOnce(bool& fired, const TNotifyEvent& event);
    // Common tail of the shape calls: convert, scale, offset, round.
    int devX(double measureX) const;
    int devY(double measureY) const;

    // Job state.
    bool m_printingStarted = false;
    bool m_drawingEnabled = false;
    bool m_recording = false;
    bool m_previewMode = true;
    bool m_pageOpen = false;
    bool m_printingToPrinter = false;
    bool m_firstPageFired = false;
    bool m_lastPageFired = false;

    // Published values.
    QString m_version;
    QString m_title;
    bool m_automaticPaging = true;
    bool m_autoPageFeed = true;
    bool m_clipColumns = false;
    int m_copies = 1;
    qint16 m_lineSpacing = 1;
    MeasureType m_measurement = mtMM;
    int m_orientation = 0;
    PaperSizes m_paperSize = PAPER_LETTER;
    QString m_paperSizeArea;
    bool m_preview = false;
    bool m_printDirect = false;
    bool m_printPageNumbers = false;
    PrintQualities m_printQuality = pqHIGH;
    int m_progressBarInc = 1;
    int m_progressBarMax = 100;
    int m_progressBarMin = 0;
    bool m_promptOnCancel = false;
    bool m_showPrintDialog = true;
    bool m_showProgress = false;
    bool m_showProgressPercent = false;
    bool m_showTotalPages = true;
    Percentages m_startPercent = P6_Full;
    bool m_transparent = false;
    bool m_useDisplayPanel = false;
    bool m_useLargeFontAdjust = true;
    bool m_useMarginOffset = true;

    // Columns 1..50 (index 0 unused).
    std::array<TColumn, 51> m_columns{};
    // Font stack and saved-Y stack, 10 deep each (slot 0 unused).
    int m_fontDepth = 0;
    std::array<std::optional<TFont>, 11> m_savedFonts;
    int m_yDepth = 0;
    std::array<double, 11> m_savedY{};
    double m_tab = 0;     // inches
    double m_indent = 0;  // inches
    int m_fontAngle = 0;

    // Bands, band lines and page number (lines 1..10, index 0 unused).
    TBandDim m_headerDim, m_footerDim;
    std::array<TBandLine, 11> m_headerLines, m_footerLines;
    QString m_pageNumberFormat;
    double m_pageNumberY = 0;
    quint16 m_pageNumberAlign = 0;
    std::optional<TFont> m_pageNumberFont;

    // Device.
    int m_ppiX = 96, m_ppiY = 96;
    int m_printableOffsetX = 0, m_printableOffsetY = 0;
    int m_unprintableRight = 0, m_unprintableBottom = 0;
    double m_pageWidthIn = 0, m_pageHeightIn = 0;
    int m_pageWidthPx = 0, m_pageHeightPx = 0;
    TTextMetric m_textMetric;
    double m_scale = 1.0;

    // Print head, body and margins.
    double m_currentX = 0, m_currentY = 0;  // inches
    QPointF m_linePos;  // last MoveTo/LineTo point, Measurement units as given
    double m_detailTop = 0, m_detailBottom = 0;  // inches
    int m_topMargin = 0, m_bottomMargin = 0, m_leftMargin = 0, m_rightMargin = 0;  // device pixels

    std::unique_ptr<TPrnPages> m_pages;
    TPrnDisplayPanel* m_displayPanel = nullptr;
    QObject* m_owner = nullptr;

    // Surfaces.
    TCanvas* m_canvas = nullptr;
    TMeasureCanvas m_measureCanvas;
    TCanvas* m_recordingCanvas = nullptr;

    static bool s_largeFont;

    // ------------------------------ text, bands, replay and printing state
    // Text widths in device pixels of the surface's current font, cached
    // per surface and font.
    int textWidthPixels(const QString& text);
    // The same, as large-font mode draws it.
    int drawnWidthPixels(const QString& text);
    // Column left, width and right in device pixels.
    int columnLeftPixels(quint16 column) const;
    int columnWidthPixels(quint16 column) const;
    // The text cut to the column's width when ClipColumns is set.
    QString clipToColumn(quint16 column, const QString& text);
    // Runs WriteText with the tab offset held at 0.
    void writeTextNoTab(const QString& text, double x, double y);
    // The text centred on or ending at X (Measurement units).
    void writeTextToX(const QString& text, double x, double y, bool centred);
    void printBandBox(const TBandDim& band);
    // A header or footer line takes its text (cut to the band's width), place and font.
    static void setBandLine(TBandLine& l, const QString& text, double y, quint16 align, const TFont& font);
    // Kind 4 at replay: the page number into the text command that
    // follows; returns how many commands the main loop passes over.
    int replayPageNumber(const TPrnPageList* page, int index, int pageNo);
    // One command at replay; throws what the operation throws.
    void replayCommand(const TPrnPrintCommand* command);

    // The state a page's replay starts from (positions in inches).
    struct TReplayState {
        TFont font;
        TPen pen;
        TBrush brush;
        double currentX = 0, currentY = 0;
        QPointF linePos;
        int yDepth = 0;
        std::array<double, 11> savedY{};
        int fontDepth = 0;
        std::array<std::optional<TFont>, 11> savedFonts;
        bool automaticPaging = false;
        std::array<TColumn, 51> columns{};
        std::array<double, 4> marginInches{};  // left, top, right, bottom
        double detailTop = 0, detailBottom = 0;
        TBandDim headerDim, footerDim;
        std::array<TBandLine, 11> headerLines, footerLines;
        QString pageNumberFormat;
        double pageNumberY = 0;
        quint16 pageNumberAlign = 0;
        std::optional<TFont> pageNumberFont;
        bool showTotalPages = true;
        double tab = 0, indent = 0;
        bool transparent = false;
        int fontAngle = 0;
    };
    void captureState(TReplayState& state) const;
    void restoreState(const TReplayState& state);
    void buildSnapshots();
    void showReplayFailures();
    void hideProgress();
    std::array<double, 4> currentMarginInches() const;

    std::unique_ptr<TPrinter> m_printer;
    std::unique_ptr<TPreviewWindow> m_previewWindow;
    short m_savedPaperCode = 0;
    short m_savedOrientation = 0;
    bool m_savedPrinterValid = false;
    // This job has asked for the printer's own settings / given it its own.
    bool m_printerDefaultsTried = false;
    bool m_printerSettingsApplied = false;
    QPointer<QWidget> m_progressBar;  // a QProgressBar
    QPointer<QWidget> m_statusText;
    std::vector<TReplayState> m_snapshots;
    // The state right after Start, where the first page's replay begins.
    TReplayState m_startState;
    bool m_haveStartState = false;
    bool m_buildingSnapshots = false;
    int m_replayDepth = 0;
    QStringList m_replayFailures;
    bool m_pageNumberErrorShown = false;
    // Margins as the last margin command gave them (inches: left, top,
    // right, bottom), to set them again on another surface.
    std::array<double, 4> m_marginInches{};
    bool m_marginInchesSet = false;
    // Widths of texts in the current font, for one surface and font.
    struct TWidthCache {
        const TCanvas* canvas = nullptr;
        int dpi = 0;
        QString name;
        int height = 0;
        TFontStyles style = 0;
        bool cacheable = false;
        QHash<QString, int>* widths = nullptr;
        std::map<QString, QHash<QString, int>> tables;
        // The text measured last: the same string is often measured two
        // or three times in a row (cut to the column, aligned, written).
        QString lastText;
        int lastWidth = -1;
    };
    TWidthCache m_widthCache;
};
