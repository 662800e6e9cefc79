#pragma once
// A string grid with frozen fixed rows and columns, painted by itself,
// with one in-place editor that follows the current cell while editor
// mode is on.
//
// Events are plain std::function members named as the forms name them;
// the owner assigns them, for example
//
//   grid->OnSetEditText = [this](QObject* sender, int ACol, int ARow, const QString& Value) { ... };
//
// Unassigned events are simply not called.
#include "platform/FormComponent.h"
#include "platform/Graphics.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPointer>
#include <QRect>
#include <functional>
#include <map>
#include <utility>

class QPainter;
class TStringGrid;

enum TGridOption : quint32 {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = quint32;
// The largest number of columns or rows a grid takes.
constexpr int MaxGridCount = 100000;
constexpr TGridOptions DefaultGridOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
// Set notation of the forms ("goEditing" ...); unknown names are reported false.
bool GridOptionFromName(const QString& name, TGridOption& option);
QStringList GridOptionNames(TGridOptions options);

// Where index `i` lands when the row (column) at `from` moves to `to`.
inline int MovedIndex(int i, int from, int to)
{
    if (i == from) return to;
    if (from < to && i > from && i <= to) return i - 1;
    if (from > to && i >= to && i < from) return i + 1;
    return i;
}

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TGridDrawStateFlag { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = int;

struct TGridCoord {
    int X = -1;
    int Y = -1;
    bool operator==(const TGridCoord&) const = default;
};

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool contains(int c, int r) const { return c >= Left && c <= Right && r >= Top && r <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

// What a cell is drawn with while painting: the current font and brush
// and the painter they end up in.
class TGridCanvas {
public:
    TFont Font;
    TBrush Brush;
    bool TransparentText = false;

    QPainter* Painter() const { return m_painter; }
    const QPalette* Palette() const { return m_palette; }
    void FillRect(const QRect& rect);

private:
    friend class TStringGrid;
    QPainter* m_painter = nullptr;
    const QPalette* m_palette = nullptr;
};

// The in-place editor: a single edit line laid over the current cell.
class TInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(TStringGrid* grid);
    TStringGrid* Grid() const { return m_grid; }

    // Fetches the current cell's text through the grid.
    virtual void UpdateContents();
    // Places the editor on `rect` and shows it (focus follows when the
    // grid is the active control).
    void Move(const QRect& rect);
    void Deselect();  // caret to the end, nothing selected
    // A key the grid received while the editor is open: the editor handles
    // it or leaves it ignored; it is never handed back to the grid.
    void TakeKey(QKeyEvent* event);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Keys handed to the grid for navigation; true when taken.
    virtual bool KeyDownHook(QKeyEvent* event);
    // Character keys (Enter = '\r', Escape = 27, Tab = 9); a key set to 0 is dropped.
    virtual void KeyPress(QChar& key);
    // A key press for the edit window: the default is this edit line.
    virtual bool EditKeyEvent(QEvent* event) { return QLineEdit::event(event); }
    // The editor's key handling (KeyDownHook, then KeyPress) in front of
    // `edit`, the edit window's own handling of what is left.
    void HandleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& edit);

private:
    TStringGrid* m_grid;
};

class TStringGrid : public QAbstractScrollArea, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(int Col READ Col WRITE SetCol)
    Q_PROPERTY(int Row READ Row WRITE SetRow)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol)

public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    // ----- dimensions
    int ColCount() const { return m_colCount; }
    void SetColCount(int value);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int value);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int value);  // must stay below ColCount; otherwise ignored
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int value);
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int value);  // resets every column width
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    int GridLineWidth() const { return m_gridLineWidth; }
    virtual void SetGridLineWidth(int value);
    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool value);

    // ----- appearance
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    TColor Color() const { return m_brush.Color(); }
    void SetColor(TColor value);
    // The control's background brush (colour = Color).
    const TBrush& Brush() const { return m_brush; }

    // ----- contents
    QString Cells(int c, int r) const;
    void SetCells(int c, int r, const QString& value);
    QObject* Objects(int c, int r) const;  // not owned
    void SetObjects(int c, int r, QObject* value);

    // ----- current cell, selection, scrolling
    int Col() const { return m_current.X; }
    void SetCol(int value);
    int Row() const { return m_current.Y; }
    void SetRow(int value);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    int TopRow() const { return m_topRow; }
    void SetTopRow(int value);
    int LeftCol() const { return m_leftCol; }
    void SetLeftCol(int value);
    int VisibleColCount() const;  // scrolling columns fully visible
    int VisibleRowCount() const;
    // Viewport rectangle of a cell without its grid lines; empty when not visible.
    QRect CellRect(int c, int r) const;
    // Cell under a viewport point; (-1, -1) outside all cells.
    TGridCoord MouseCoord(int x, int y) const;
    void MouseToCell(int x, int y, int& ACol, int& ARow) const;
    bool IsFixedCell(int c, int r) const { return c < m_fixedCols || r < m_fixedRows; }

    // Moves a row or column to another index; texts, objects and the row's
    // height (the column's width and tab stop) go with it, and so do the
    // current cell, the selection and the cell being edited.  Indexes
    // outside the grid change nothing.
    void MoveRow(int fromIndex, int toIndex);
    void MoveColumn(int fromIndex, int toIndex);
    // Whether Tab may stop in a column (all on by default).
    bool TabStops(int c) const;
    void SetTabStops(int c, bool value);

    // ----- editor
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool value);
    void ShowEditor();
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return m_inplaceEdit; }
    bool EditorVisible() const;
    // True when the grid or its editor holds the window's focus.
    bool IsActiveControl() const;

    void InvalidateGrid();
    void InvalidateCell(int c, int r);

    // The canvas of the cell being painted (valid inside DrawCell and OnDrawCell).
    TGridCanvas& Canvas() { return m_canvas; }

    // ----- form entries
    bool ReadFormProperty(const QString& name, const DfmValue& value) override;
    QList<DfmProperty> WriteFormProperties() const override;
    void Loaded() override;

    // ----- events
    std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State)> OnDrawCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnGetEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)> OnSetEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
    std::function<void(QObject* Sender)> OnTopLeftChanged;
    std::function<void(QObject* Sender)> OnClick;

    // Called by the editor.
    virtual QString GetEditText(int c, int r);
    virtual void SetEditText(int c, int r, const QString& value);
    // Navigation keys; true when the key was taken.
    virtual bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    virtual void KeyPress(QChar& key);

protected:
    virtual void DrawCell(int c, int r, const QRect& rect, TGridDrawState state);
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual bool SelectCell(int c, int r);
    // A character typed on the grid itself (Enter = '\r', Escape = 27).
    virtual void CharTyped(QChar ch);
    // Focus moved into the grid (or its editor) from elsewhere, or out of it.
    virtual void DoEnter() {}
    virtual void DoExit() {}
    virtual void FontChanged();
    virtual void TopLeftChanged();
    // One step of Tab navigation.
    virtual void TabKey(bool backward);
    // After a row or column moved (texts, objects and extents have moved).
    virtual void RowMoved(int fromIndex, int toIndex);
    virtual void ColumnMoved(int fromIndex, int toIndex);
    // After column widths or row heights changed.
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // Whether dragging a scroll bar's thumb scrolls at once.
    virtual bool ThumbTracking() const { return m_options & goThumbTracking; }
    void UpdateThumbTracking();
    // Focus to the next control of the window after the grid.
    void SelectNextControl();

    // Moves the texts, objects, current cell, selection and edited cell of
    // rows (columns) to the index `map` gives; extents stay where they are.
    void remapRowData(const std::function<int(int)>& map);
    void remapColData(const std::function<int(int)>& map);
    // Swaps texts and objects of two rows (columns); the current cell,
    // selection and edited cell follow.
    void exchangeRowData(int r1, int r2);
    void exchangeColData(int c1, int c2);
    // The stored text of a cell without a copy (an empty text when none).
    const QString& CellText(int c, int r) const;
    // Around a change that moves cells: the open editor is closed (its text
    // stored) and opened again on its moved cell with caret and selection
    // as they were.
    struct EditSuspension {
        bool shown = false;
        int selStart = -1, selLength = 0, cursor = 0;
    };
    EditSuspension SuspendEdit();
    void ResumeEdit(const EditSuspension& state);

    void UpdateEdit();
    void HideEdit();
    // Makes the editor (hidden) when there is none yet.
    void EnsureEditor();
    // Hides the editor without storing its text.
    void DiscardEdit();
    void UpdateText();
    void ShowEditorChar(QChar ch);
    void FocusCell(int c, int r, bool moveAnchor);
    void MoveCurrent(int c, int r, bool moveAnchor, bool show);
    void ClampInView(int c, int r);
    bool EditingAllowed() const { return (m_options & (goEditing | goRowSelect)) == goEditing; }
    // Called after every change of the focus widget of the application.
    void focusWidgetChanged(QWidget* old, QWidget* now);
    // Viewport position of a mouse event, whichever widget received it.
    QPoint MousePos(const QMouseEvent* event) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    bool viewportEvent(QEvent* event) override;

    int m_inplaceCol = -1;
    int m_inplaceRow = -1;

private:
    friend class TInplaceEdit;
    void updateScrollBars();
    int maxLeftCol() const;
    int maxTopRow() const;
    int colExtent(int c) const { return ColWidths(c) + m_gridLineWidth; }
    int rowExtent(int r) const { return RowHeights(r) + m_gridLineWidth; }
    int colLeft(int c) const;  // viewport x of a visible column, -1 when hidden
    int rowTop(int r) const;
    void paintLines(QPainter& p, int c, int r, const QRect& rect);

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_gridLineWidth = 1;
    TGridOptions m_options = DefaultGridOptions;
    TScrollStyle m_scrollBars = ssBoth;
    bool m_defaultDrawing = true;
    QVector<int> m_colWidths;
    QVector<int> m_rowHeights;
    std::map<std::pair<int, int>, QString> m_cells;
    std::map<std::pair<int, int>, QPointer<QObject>> m_objects;
    TGridCoord m_current{1, 1};
    TGridCoord m_anchor{1, 1};
    int m_topRow = 1;
    int m_leftCol = 1;
    bool m_editorMode = false;
    bool m_focusWithin = false;
    bool m_updatingScroll = false;
    TInplaceEdit* m_inplaceEdit = nullptr;
    QVector<bool> m_tabStops;
    // A drag that began in the fixed cells: sizing or moving a column or row.
    enum class Drag { None, ColSizing, RowSizing, ColMoving, RowMoving };
    Drag m_drag = Drag::None;
    int m_dragIndex = -1;
    int m_dragOrigin = 0;
    // The line of a column (row) to size under a viewport point in the fixed area, or -1.
    int sizingColAt(const QPoint& pos) const;
    int sizingRowAt(const QPoint& pos) const;
    // The key event the editor has just left ignored; on its way up to the
    // window it passes the grid, which must not hand it to the editor again.
    const QEvent* m_keyPassedByEditor = nullptr;
    int m_keyPassedKey = 0;
    quint64 m_keyPassedTime = 0;
    TFont m_font;
    TBrush m_brush;
    TGridCanvas m_canvas;

protected:
    // Texts of cells kept as the grid stores them (column, row).
    const std::map<std::pair<int, int>, QString>& cellTexts() const { return m_cells; }
};
