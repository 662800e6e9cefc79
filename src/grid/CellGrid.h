#pragma once
// TCellGrid: a string grid whose cells, columns, rows, fixed columns and
// fixed rows carry their own alignment, word wrap, editability, brush and
// font (and a brush and font used while selected).  A cell without a value
// of its own takes it from its column, then its row, then the grid.
//
// Events follow the style of TStringGrid (std::function members):
//
//   grid->OnValidateEdit = [](QObject* Sender, int col, int row, bool& result) { ... };
//   grid->OnAfterEdit    = [](QObject* Sender, int col, int row) { ... };
//
// The end of an edit is reported through events the grid posts to itself,
// so OnValidateEdit, OnAfterEdit and OnCancelEdit run after the key or
// focus change that ended the edit (call QCoreApplication::processEvents
// or commitEdit() to have them run).
#include "grid/StringGrid.h"

#include <QEvent>
#include <QIODevice>
#include <QPlainTextEdit>
#include <memory>

class TCellGrid;
class QHelpEvent;

enum TMyAlign { alRight = 0, alLeft = 1, alCenter = 2, alDefault = 3 };
enum T_Wordwrap { ww_none = 0, ww_wordwrap = 1, ww_ellipsis = 2, ww_default = 3 };
enum T_nextcell { nc_rightdown, nc_downright, nc_leftdown, nc_downleft, nc_leftup, nc_upleft, nc_rightup, nc_upright };
enum T_lastcell { lc_newcolrow, lc_stop, lc_first, lc_exit };
enum t_relation { rel_smaller = 0, rel_equal = 1, rel_greater = 2 };

class TMyFont : public TFont {
public:
    TMyFont() = default;
    TMyFont(const TFont& other) : TFont(other) {}
};

class TMyBrush : public TBrush {
public:
    TMyBrush() = default;
    TMyBrush(const TBrush& other) : TBrush(other) {}
};

// What the platform hands to a hint request and takes back.
struct THintInfo {
    QPoint HintPos;       // screen position of the hint window
    QRect CursorRect;     // the hint stays while the mouse is inside
    int HintMaxWidth = 0;
};

using TCellEvent = std::function<void(QObject* Sender, int col, int row)>;
using TCellEventBool = std::function<void(QObject* Sender, int col, int row, bool& result)>;
using TShowHintCellProc = std::function<void(QObject* Sender, int col, int row, QString& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using TCompareFunction = std::function<t_relation(QObject* Sender, int colrow, int compare1, int compare2)>;
using TColEvent = std::function<void(QObject* Sender, int col)>;
using TRowEvent = std::function<void(QObject* Sender, int row)>;
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TCellTextEvent = std::function<void(QObject* Sender, int col, int row, QString& text)>;

// Optional presentation values of one cell, column, row, fixed column or
// fixed row.  A brush or font that is null is not set.
class TCellProperties {
public:
    explicit TCellProperties(TCellGrid* grid) : m_grid(grid) {}
    virtual ~TCellProperties() = default;
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;

    // The set items as the form entries store them (tag 0 not included).
    virtual void WriteProperties(QList<DfmValue>& out) const;
    // Reads the item that `tag` names from `values` at `pos`; false when the
    // item could not be read (then `pos` is left where reading stopped).
    virtual bool ReadProperty(int tag, const QList<DfmValue>& values, int& pos);
    // Copies everything from `source`; null resets everything.
    virtual void Assign(const TCellProperties* source);
    virtual bool IsEmpty() const;
    virtual std::unique_ptr<TCellProperties> Clone() const;

    TCellGrid* Grid() const { return m_grid; }
    TMyBrush* Brush() const { return m_brush.get(); }
    TMyBrush* SelectedBrush() const { return m_selectedBrush.get(); }
    TMyFont* Font() const { return m_font.get(); }
    TMyFont* SelectedFont() const { return m_selectedFont.get(); }
    // null frees the held object; otherwise it is made when missing and
    // takes every attribute of `value`.
    void SetBrush(const TBrush* value) { setBrush(m_brush, value); }
    void SetSelectedBrush(const TBrush* value) { setBrush(m_selectedBrush, value); }
    void SetFont(const TFont* value) { setFont(m_font, value); }
    void SetSelectedFont(const TFont* value) { setFont(m_selectedFont, value); }

    TMyAlign Align = alDefault;
    T_Wordwrap Wordwrap = ww_default;
    quint8 Editable = 0;  // 0 not set, 1 not editable, 2 editable

private:
    void setBrush(std::unique_ptr<TMyBrush>& slot, const TBrush* value);
    void setFont(std::unique_ptr<TMyFont>& slot, const TFont* value);
    TCellGrid* m_grid;
    std::unique_ptr<TMyBrush> m_brush;
    std::unique_ptr<TMyBrush> m_selectedBrush;
    std::unique_ptr<TMyFont> m_font;
    std::unique_ptr<TMyFont> m_selectedFont;
};

class TNewInplaceEdit;

// The edit window of a multi-line editor: laid over its edit line, whose
// text (line breaks as CR LF) and selection it keeps in step both ways, so
// that the grid goes on working with the edit line alone.
class TInplaceMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TInplaceMemo(TNewInplaceEdit* owner);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class TNewInplaceEdit;
    TNewInplaceEdit* m_owner;
    // The key event this window has just left ignored, on its way up to the edit line.
    const QEvent* m_passedKey = nullptr;
};

class TNewInplaceEdit : public TInplaceEdit {
    Q_OBJECT
public:
    explicit TNewInplaceEdit(TCellGrid* grid);

    void UpdateContents() override;
    // Inserts pasted `text` at the caret, over the selection, after the
    // grid's OnPasteText has made it into what the edited cell takes.
    void PasteText(QString text);
    // The multi-line edit window; null until the editor was first filled
    // with the multi-line flag set, hidden while the flag is clear.
    TInplaceMemo* MultiLineEditor() const { return m_memo; }

    TMyAlign Alignment = alLeft;
    bool MultiLine = false;
    int EditCol = -1;  // the cell being edited, (-1, -1) for none
    int EditRow = -1;
    bool BeforeEditMark = false;
    QString RestoreText;

    // Selection when the editor last lost the focus (the edit line drops it).
    bool SelectionSaved = false;
    int SavedSelStart = 0;
    int SavedSelLength = 0;

protected:
    bool KeyDownHook(QKeyEvent* event) override;
    void KeyPress(QChar& key) override;
    bool EditKeyEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TInplaceMemo;
    TCellGrid* cellGrid() const;
    // Shows or hides the multi-line edit window over the edit line.
    void setMultiLine(bool on);
    void textToMemo();
    void selectionToMemo();
    void memoToLine();

    TInplaceMemo* m_memo = nullptr;
    bool m_syncing = false;
};

class TCellGrid : public TStringGrid {
    Q_OBJECT
    Q_PROPERTY(bool Editable READ Editable WRITE SetEditable)
    Q_PROPERTY(bool ShowCellHints READ ShowCellHints WRITE SetShowCellHints)
    Q_PROPERTY(bool SelectEditText READ SelectEditText WRITE SetSelectEditText)
    Q_PROPERTY(bool EditMultiline READ EditMultiline WRITE SetEditMultiline)
    Q_PROPERTY(bool AutoEditNextCell READ AutoEditNextCell WRITE SetAutoEditNextCell)
    Q_PROPERTY(bool DrawSelection READ DrawSelection WRITE SetDrawSelection)
    Q_PROPERTY(bool AutoAdjustLastCol READ AutoAdjustLastCol WRITE SetAutoAdjustLastCol)
    Q_PROPERTY(bool RedrawWhileScroll READ RedrawWhileScroll WRITE SetRedrawWhileScroll)

public:
    // Private edit messages the grid posts to itself.
    enum EditMessage {
        msgCancelEdit = QEvent::User + 2024,   // Escape in the editor
        msgEnterEdit = QEvent::User + 2025,    // Enter in the editor
        msgLeaveCell = QEvent::User + 2026,    // current cell changed while editing
        msgBeforeEdit = QEvent::User + 2027,   // editor about to show (sent at once)
        msgRestoreEditor = QEvent::User + 2028 // focus regained
    };

    explicit TCellGrid(QWidget* parent = nullptr);
    ~TCellGrid() override;

    // ----- grid-wide values
    TMyAlign Alignment() const { return m_alignment; }
    void SetAlignment(TMyAlign value);
    T_Wordwrap Wordwrap() const { return m_wordwrap; }
    void SetWordwrap(T_Wordwrap value);
    bool Editable() const { return m_editable; }
    void SetEditable(bool value) { m_editable = value; }
    TColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(TColor value);
    TColor SelectedCellColor() const { return m_selectedCellColor; }
    void SetSelectedCellColor(TColor value);
    TColor SelectedFontColor() const { return m_selectedFontColor; }
    void SetSelectedFontColor(TColor value);
    bool ShowCellHints() const { return m_showCellHints; }
    void SetShowCellHints(bool value) { m_showCellHints = value; }
    bool SelectEditText() const { return m_selectEditText; }
    void SetSelectEditText(bool value) { m_selectEditText = value; }
    bool EditMultiline() const { return m_editMultiline; }
    void SetEditMultiline(bool value) { m_editMultiline = value; }
    bool AutoEditNextCell() const { return m_autoEditNextCell; }
    void SetAutoEditNextCell(bool value) { m_autoEditNextCell = value; }
    T_nextcell NextCellEdit() const { return m_nextCellEdit; }
    void SetNextCellEdit(T_nextcell value) { m_nextCellEdit = value; }
    T_nextcell NextCellTab() const { return m_nextCellTab; }
    void SetNextCellTab(T_nextcell value) { m_nextCellTab = value; }
    T_lastcell AfterLastCellEdit() const { return m_afterLastCellEdit; }
    void SetAfterLastCellEdit(T_lastcell value) { m_afterLastCellEdit = value; }
    T_lastcell AfterLastCellTab() const { return m_afterLastCellTab; }
    void SetAfterLastCellTab(T_lastcell value) { m_afterLastCellTab = value; }
    bool DrawSelection() const { return m_drawSelection; }
    void SetDrawSelection(bool value);
    bool AutoAdjustLastCol() const { return m_autoAdjustLastCol; }
    void SetAutoAdjustLastCol(bool value);
    bool RedrawWhileScroll() const { return m_redrawWhileScroll; }
    void SetRedrawWhileScroll(bool value);
    void SetGridLineWidth(int value) override;
    const TMyFont& FixedFont() const { return m_fixedFont; }
    const TMyBrush& FixedBrush() const { return m_fixedBrush; }

    // ----- per cell, column and row (reads never create records)
    TMyAlign AlignCell(int c, int r) const;
    void SetAlignCell(int c, int r, TMyAlign value);
    void SetAlignCol(int i, TMyAlign value);
    void SetFixedAlignCol(int i, TMyAlign value);
    void SetAlignRow(int i, TMyAlign value);
    void SetFixedAlignRow(int i, TMyAlign value);
    T_Wordwrap WordwrapCell(int c, int r) const;
    bool EditCell(int c, int r) const;
    void SetEditCell(int c, int r, bool value);
    void SetEditCol(int i, bool value);
    void SetEditRow(int i, bool value);
    // Created on demand; changing the returned object repaints the grid.
    TMyFont* FontCell(int c, int r);
    TMyFont* FontCol(int i);
    TMyFont* FontFixedCol(int i);
    TMyFont* FontRow(int i);
    TMyFont* FontFixedRow(int i);
    TMyBrush* BrushCell(int c, int r);
    TMyBrush* BrushCol(int i);
    TMyBrush* BrushFixedCol(int i);
    TMyBrush* BrushRow(int i);
    TMyBrush* BrushFixedRow(int i);
    TColor GetColorCell(int c, int r) const;
    void SetColorCell(int c, int r, TColor color);
    TColor SelectedColorCell(int c, int r) const;
    void SetSelectedColorCell(int c, int r, TColor color);
    void SetSelectedColorCol(int i, TColor color);
    void SetSelectedColorRow(int i, TColor color);
    TColor SelectedFontColorCell(int c, int r) const;
    QString HintCell(int c, int r) const;
    const TFont& EffectiveFont(int c, int r) const;
    const TBrush& EffectiveBrush(int c, int r) const;

    // The record of a cell, column, row, fixed column or fixed row, or null.
    const TCellProperties* CellProperties(int c, int r) const;
    const TCellProperties* ColProperties(int i) const { return find(m_cols, i); }
    const TCellProperties* RowProperties(int i) const { return find(m_rows, i); }
    const TCellProperties* FixedColProperties(int i) const { return find(m_fixedColsP, i); }
    const TCellProperties* FixedRowProperties(int i) const { return find(m_fixedRowsP, i); }

    // Closes an open editor at once, storing its text (OnSetEditText) and
    // running the end of the edit (OnValidateEdit, OnAfterEdit) now rather
    // than later.  Commands that do not take the focus call this before
    // they read the cells.  False when validation failed (the editor is
    // open again on the cell).
    bool commitEdit();
    // The cell the editor belongs to, (-1, -1) for none.
    TGridCoord EditedCell() const;
    bool EditInProgress() const { return m_editInProgress; }

    // ----- navigation
    // One step from (col, row) in `direction`; past the last cell `afterLast`
    // decides: a new row or column, (-1, -1), the first cell, or (-1, -1)
    // with the focus on the window's next control.
    void NextCell(T_nextcell direction, T_lastcell afterLast, int& col, int& row);

    // ----- rows and columns (their texts, objects, records and hints)
    // Insert an empty column or row; an index in the fixed part or below 0
    // inserts at the first scrolling one.  False when nothing was inserted
    // (an index past the end, or the grid at its largest size).
    bool InsertCol(int index);
    bool InsertRow(int index);
    void ExchangeCols(int c1, int c2);
    void ExchangeRows(int r1, int r2);
    // Sorts the rows first..last by the texts of column `colrow` (byCol) or
    // the columns first..last by the texts of row `colrow`.
    void SortColRow(int colrow, int first, int last, bool byCol, bool descending);
    // The grid's own order: by Windows-1252 byte value, case-sensitive;
    // characters outside that code page come after, by code point.
    static t_relation CompareTexts(const QString& a, const QString& b);

    // ----- clipboard: tab-separated text, CR LF per row, one zero byte at the end
    void GridToStream(QIODevice* stream, QChar separator, TGridRect range) const;
    // Pastes into the editable cells of the range, each through the edit
    // text events like a typed edit.  A right edge left of the left edge or
    // a bottom above the top leaves the range open (the grid grows).
    void StreamToGrid(QIODevice* stream, QChar separator, TGridRect range);
    void CopyToClipboard(QChar separator, const TGridRect& range) const;
    void PasteFromClipboard(QChar separator, const TGridRect& range);
    // The selection as cut, copy and paste take it.
    TGridRect ClipboardRange() const;

    // Stretches the last column to the client width.
    void AdjustLastCol();

    // ----- form entries
    bool ReadFormProperty(const QString& name, const DfmValue& value) override;
    QList<DfmProperty> WriteFormProperties() const override;
    void Loaded() override;

    // ----- events
    TShowHintCellProc OnShowHintCell;
    TCellEvent OnAfterEdit;
    TCellEvent OnCancelEdit;
    TCellEvent OnBeforeEdit;
    TCellEventBool OnValidateEdit;
    TCompareFunction OnCompareRow;
    TCompareFunction OnCompareCol;
    TNotifyEvent OnColWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;
    TColEvent OnFixedColClick;
    TRowEvent OnFixedRowClick;
    // Text pasted into a cell, through the clipboard or into the cell's
    // editor, before the cell or the editor takes it; the handler may
    // rewrite it (number text into the program's own writing, say).
    TCellTextEvent OnPasteText;

    void KeyPress(QChar& key) override;
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers) override;

public slots:
    // On the selection; while the editor is open, on the editor's text.
    void cut();
    void copy();
    void paste();

protected:
    virtual void InitValues();
    virtual void DrawCellBackground(int c, int r, QRect& rect, TGridDrawState state);
    virtual void DrawCellText(int c, int r, QRect& rect, TGridDrawState state);
    // Moves (c, r) to the next cell that can be edited after an Enter;
    // false when there is none.
    virtual bool NextEditableCell(int& c, int& r);

    void DrawCell(int c, int r, const QRect& rect, TGridDrawState state) override;
    TInplaceEdit* CreateEditor() override;
    bool CanEditShow() override;
    void CharTyped(QChar ch) override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;
    void customEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void TabKey(bool backward) override;
    void RowMoved(int fromIndex, int toIndex) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    bool ThumbTracking() const override;

private:
    // Swaps two rows (columns) with everything they carry, without
    // repainting or touching the editor.
    void swapRows(int r1, int r2);
    void swapCols(int c1, int c2);
    bool cellEditable(int c, int r) const;
    // Records, hints and the editor's edited row (column) to the index `map` gives.
    void remapRowRecords(const std::function<int(int)>& map);
    void remapColRecords(const std::function<int(int)>& map);
    // The preset compare handlers: the grid's own order of the texts.
    struct OwnCompare {
        TCellGrid* grid;
        bool byCol;
        t_relation operator()(QObject*, int colrow, int a, int b) const;
    };
    friend class TCellProperties;
    friend class TNewInplaceEdit;
    using Key = std::pair<int, int>;
    using RecordList = std::map<int, std::unique_ptr<TCellProperties>>;
    using CellRecords = std::map<Key, std::unique_ptr<TCellProperties>>;

    static const TCellProperties* find(const RecordList& list, int i);
    TCellProperties* record(RecordList& list, int i);  // created on demand
    TCellProperties* cellRecord(int c, int r);         // created on demand
    // The records the cascade consults for (c, r), cell first.
    void cascade(int c, int r, const TCellProperties* out[3]) const;
    void repaintRequest() { InvalidateGrid(); }
    void watch(TFont& font);
    void watch(TBrush& brush);
    TNewInplaceEdit* editor() const;
    void postEditMessage(EditMessage msg, int c, int r);
    // Steps of the end of an edit: validation and OnAfterEdit; false when
    // validation failed and the editor was opened on the cell again.
    bool endEdit(int c, int r);
    void handleEnter(int c, int r);
    bool showHint(QHelpEvent* event);

    bool readPropList(const DfmValue& value, int keys, std::function<void(int, int, std::unique_ptr<TCellProperties>)> put);
    bool readOldBinary(const QString& name, const QByteArray& bytes);
    bool readOldList(const QString& name, const QList<DfmValue>& items);
    void writePropList(QList<DfmProperty>& out, const QString& name, const RecordList& list, int count) const;

    TMyAlign m_alignment = alLeft;
    T_Wordwrap m_wordwrap = ww_none;
    bool m_editable = true;
    TColor m_fixedColor = clBtnFace;
    TColor m_selectedCellColor = clActiveCaption;
    TColor m_selectedFontColor = clWhite;
    bool m_showCellHints = true;
    bool m_selectEditText = true;
    bool m_editMultiline = false;
    bool m_autoEditNextCell = false;
    T_nextcell m_nextCellEdit = nc_rightdown;
    T_nextcell m_nextCellTab = nc_rightdown;
    T_lastcell m_afterLastCellEdit = lc_newcolrow;
    T_lastcell m_afterLastCellTab = lc_first;
    bool m_drawSelection = true;
    bool m_autoAdjustLastCol = false;
    bool m_redrawWhileScroll = false;

    RecordList m_cols, m_rows, m_fixedColsP, m_fixedRowsP;
    CellRecords m_cellProps;
    std::map<Key, QString> m_hints;
    std::unique_ptr<std::map<Key, QString>> m_loadedCells;
    TMyFont m_fixedFont;
    TMyBrush m_fixedBrush;
    TGridCoord m_hintCell{-1, -1};
    bool m_hintsLoaded = false;
    bool m_cellsLoaded = false;
    bool m_editInProgress = false;
    bool m_restoreEditor = false;
    int m_savedSelStart = 0;
    int m_savedSelLength = 0;
    bool m_adjustingLastCol = false;
};
