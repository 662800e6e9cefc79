#include "grid/StringGrid.h"
#include "grid/MapKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

struct OptionName {
    const char* name;
    TGridOption option;
};

const OptionName kOptionNames[] = {
    {"goFixedVertLine", goFixedVertLine}, {"goFixedHorzLine", goFixedHorzLine},
    {"goVertLine", goVertLine}, {"goHorzLine", goHorzLine}, {"goRangeSelect", goRangeSelect},
    {"goDrawFocusSelected", goDrawFocusSelected}, {"goRowSizing", goRowSizing},
    {"goColSizing", goColSizing}, {"goRowMoving", goRowMoving}, {"goColMoving", goColMoving},
    {"goEditing", goEditing}, {"goTabs", goTabs}, {"goRowSelect", goRowSelect},
    {"goAlwaysShowEditor", goAlwaysShowEditor}, {"goThumbTracking", goThumbTracking},
};

// Counts a damaged form may ask for are bounded; no real form comes near.
constexpr int MaxExtent = 100000;

bool intValue(const DfmValue& v, int& out)
{
    if (v.kind != DfmValue::Integer) return false;
    if (v.integer < INT_MIN || v.integer > INT_MAX) return false;
    out = int(v.integer);
    return true;
}

bool boolValue(const DfmValue& v, bool& out)
{
    if (v.kind != DfmValue::Identifier) return false;
    if (v.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) out = true;
    else if (v.text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) out = false;
    else return false;
    return true;
}

}  // namespace

bool GridOptionFromName(const QString& name, TGridOption& option)
{
    for (const OptionName& n : kOptionNames) {
        if (name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
            option = n.option;
            return true;
        }
    }
    return false;
}

QStringList GridOptionNames(TGridOptions options)
{
    QStringList out;
    for (const OptionName& n : kOptionNames)
        if (options & n.option) out << QString::fromLatin1(n.name);
    return out;
}

// ------------------------------------------------------------ TGridCanvas

void TGridCanvas::FillRect(const QRect& rect)
{
    if (!m_painter || Brush.Style() == bsClear) return;
    m_painter->fillRect(rect, Brush.toQBrush(m_palette));
}

// ----------------------------------------------------------- TInplaceEdit

// A key held with Ctrl or with Alt (not both, which some layouts use for
// their third level) is a command, never a typed character.
static bool isCommandKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers m = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return m == Qt::ControlModifier || m == Qt::AltModifier;
}

TInplaceEdit::TInplaceEdit(TStringGrid* grid)
    : QLineEdit(grid->viewport()), m_grid(grid)
{
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hide();
}

void TInplaceEdit::UpdateContents()
{
    setText(QString());
    setText(m_grid->GetEditText(m_grid->Col(), m_grid->Row()));
}

void TInplaceEdit::Move(const QRect& rect)
{
    if (rect.isEmpty()) {
        if (hasFocus()) m_grid->setFocus();
        hide();
        return;
    }
    setGeometry(rect);
    show();
    if (m_grid->IsActiveControl() && !hasFocus()) setFocus();
}

void TInplaceEdit::Deselect()
{
    deselect();
    setCursorPosition(text().size());
}

bool TInplaceEdit::focusNextPrevChild(bool next)
{
    if (m_grid->Options() & goTabs) return false;  // Tab goes to the grid's navigation
    return QLineEdit::focusNextPrevChild(next);
}

bool TInplaceEdit::KeyDownHook(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool forward = m_grid->Options() & goAlwaysShowEditor;
    const bool atStart = !hasSelectedText() && cursorPosition() == 0;
    const bool atEnd = !hasSelectedText() && cursorPosition() == text().size();
    bool send = false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        send = true;
        break;
    case Qt::Key_Left:
    case Qt::Key_Home:
        send = forward && (ctrl || atStart);
        break;
    case Qt::Key_Right:
    case Qt::Key_End:
        send = forward && (ctrl || atEnd);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        send = !(event->modifiers() & Qt::AltModifier);
        break;
    case Qt::Key_F2:
        Deselect();
        return true;
    default:
        break;
    }
    if (!send) return false;
    m_grid->KeyDown(event->key(), event->modifiers());
    return true;
}

void TInplaceEdit::KeyPress(QChar& key)
{
    m_grid->KeyPress(key);
    if (key == QChar(9) || key == QChar(27) || key == QChar('\r')) key = QChar(0);
}

bool TInplaceEdit::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QLineEdit::event(event);
    QPointer<TInplaceEdit> self(this);
    TStringGrid* grid = m_grid;
    grid->m_keyPassedByEditor = nullptr;
    const bool result = EditKeyEvent(event);
    // A key left ignored (a modifier alone, Ctrl+S, F1, ...) goes on to the
    // parents: the grid lets it pass to the window.
    if (self && !event->isAccepted()) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        grid->m_keyPassedByEditor = event;
        grid->m_keyPassedKey = key->key();
        grid->m_keyPassedTime = key->timestamp();
    }
    return result;
}

void TInplaceEdit::TakeKey(QKeyEvent* event)
{
    // Straight to the editor's own handling: a key it ignores must not
    // travel up through the grid a second time.
    event->accept();
    QPointer<TInplaceEdit> self(this);
    TStringGrid* grid = m_grid;
    static_cast<QObject*>(this)->event(event);
    if (self) grid->m_keyPassedByEditor = nullptr;
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    HandleKey(event, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); });
}

void TInplaceEdit::HandleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& edit)
{
    if (KeyDownHook(event)) return;
    QChar ch;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ch = QChar('\r'); break;
    case Qt::Key_Escape: ch = QChar(27); break;
    case Qt::Key_Tab: ch = QChar(9); break;
    default:
        if (!event->text().isEmpty() && !isCommandKey(event)) ch = event->text().at(0);
        break;
    }
    if (ch.isNull()) {
        if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::AltModifier &&
            !event->text().isEmpty() && event->text().at(0).isPrint()) {
            event->ignore();  // Alt with a letter belongs to the window's menu
            return;
        }
        edit(event);
        return;
    }
    QPointer<TInplaceEdit> self(this);
    QChar key = ch;
    KeyPress(key);
    if (!self || key.isNull()) return;
    if (key == ch) {
        edit(event);
    } else {
        QKeyEvent changed(QEvent::KeyPress, 0, event->modifiers(), QString(key));
        edit(&changed);
    }
}

// ------------------------------------------------------------ TStringGrid

TStringGrid::TStringGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    m_colWidths.fill(m_defaultColWidth, m_colCount);
    m_rowHeights.fill(m_defaultRowHeight, m_rowCount);
    m_brush.SetColor(clWindow);
    m_brush.OnChange = [this] { InvalidateGrid(); };
    m_font.OnChange = [this] { FontChanged(); };
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(qApp, &QApplication::focusChanged, this, &TStringGrid::focusWidgetChanged);
    m_tabStops.fill(true, m_colCount);
    UpdateThumbTracking();
    updateScrollBars();
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetColCount(int value)
{
    value = qBound(1, value, MaxGridCount);
    if (value == m_colCount) return;
    if (value <= m_fixedCols) m_fixedCols = value - 1;
    m_colWidths.resize(value);
    m_tabStops.resize(value);
    for (int i = m_colCount; i < value; ++i) {
        m_colWidths[i] = m_defaultColWidth;
        m_tabStops[i] = true;
    }
    m_colCount = value;
    if (m_current.X >= value) MoveCurrent(value - 1, m_current.Y, true, false);
    if (m_current.X < m_fixedCols) m_current.X = qMin(m_fixedCols, value - 1);
    if (m_anchor.X >= value || m_anchor.X < m_fixedCols) m_anchor.X = m_current.X;
    m_leftCol = qBound(m_fixedCols, m_leftCol, qMax(m_fixedCols, maxLeftCol()));
    updateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetRowCount(int value)
{
    value = qBound(1, value, MaxGridCount);
    if (value == m_rowCount) return;
    if (value <= m_fixedRows) m_fixedRows = value - 1;
    m_rowHeights.resize(value);
    for (int i = m_rowCount; i < value; ++i) m_rowHeights[i] = m_defaultRowHeight;
    m_rowCount = value;
    if (m_current.Y >= value) MoveCurrent(m_current.X, value - 1, true, false);
    if (m_current.Y < m_fixedRows) m_current.Y = qMin(m_fixedRows, value - 1);
    if (m_anchor.Y >= value || m_anchor.Y < m_fixedRows) m_anchor.Y = m_current.Y;
    m_topRow = qBound(m_fixedRows, m_topRow, qMax(m_fixedRows, maxTopRow()));
    updateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetFixedCols(int value)
{
    if (value < 0 || value >= m_colCount || value == m_fixedCols) return;
    HideEditor();
    m_fixedCols = value;
    m_current.X = qMax(m_current.X, value);
    m_anchor = m_current;
    m_leftCol = value;
    updateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetFixedRows(int value)
{
    if (value < 0 || value >= m_rowCount || value == m_fixedRows) return;
    HideEditor();
    m_fixedRows = value;
    m_current.Y = qMax(m_current.Y, value);
    m_anchor = m_current;
    m_topRow = value;
    updateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetDefaultColWidth(int value)
{
    value = qBound(0, value, MaxExtent);
    m_defaultColWidth = value;
    m_colWidths.fill(value, m_colCount);
    updateScrollBars();
    InvalidateGrid();
    ColWidthsChanged();
}

void TStringGrid::SetDefaultRowHeight(int value)
{
    value = qBound(0, value, MaxExtent);
    m_defaultRowHeight = value;
    m_rowHeights.fill(value, m_rowCount);
    updateScrollBars();
    InvalidateGrid();
    RowHeightsChanged();
}

int TStringGrid::ColWidths(int index) const
{
    return index >= 0 && index < m_colWidths.size() ? m_colWidths[index] : m_defaultColWidth;
}

void TStringGrid::SetColWidths(int index, int value)
{
    if (index < 0 || index >= m_colCount) return;
    value = qBound(0, value, MaxExtent);
    if (m_colWidths[index] == value) return;
    m_colWidths[index] = value;
    updateScrollBars();
    if (EditorVisible()) m_inplaceEdit->Move(CellRect(Col(), Row()));
    InvalidateGrid();
    ColWidthsChanged();
}

int TStringGrid::RowHeights(int index) const
{
    return index >= 0 && index < m_rowHeights.size() ? m_rowHeights[index] : m_defaultRowHeight;
}

void TStringGrid::SetRowHeights(int index, int value)
{
    if (index < 0 || index >= m_rowCount) return;
    value = qBound(0, value, MaxExtent);
    if (m_rowHeights[index] == value) return;
    m_rowHeights[index] = value;
    updateScrollBars();
    if (EditorVisible()) m_inplaceEdit->Move(CellRect(Col(), Row()));
    InvalidateGrid();
    RowHeightsChanged();
}

void TStringGrid::SetGridLineWidth(int value)
{
    value = qBound(0, value, 100);
    if (value == m_gridLineWidth) return;
    m_gridLineWidth = value;
    updateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetOptions(TGridOptions value)
{
    if (value == m_options) return;
    if (value & goRowSelect) value &= ~goAlwaysShowEditor;
    m_options = value;
    if (!EditingAllowed()) HideEditor();
    else if (value & goAlwaysShowEditor) SetEditorMode(true);
    if (value & goRowSelect) {
        m_anchor.X = m_colCount - 1;
        m_current.X = m_fixedCols;
    }
    UpdateThumbTracking();
    InvalidateGrid();
}

void TStringGrid::UpdateThumbTracking()
{
    horizontalScrollBar()->setTracking(ThumbTracking());
    verticalScrollBar()->setTracking(ThumbTracking());
}

void TStringGrid::ColWidthsChanged() {}
void TStringGrid::RowHeightsChanged() {}
void TStringGrid::RowMoved(int, int) {}
void TStringGrid::ColumnMoved(int, int) {}

bool TStringGrid::TabStops(int c) const
{
    return c >= 0 && c < m_tabStops.size() ? m_tabStops[c] : true;
}

void TStringGrid::SetTabStops(int c, bool value)
{
    if (c >= 0 && c < m_tabStops.size()) m_tabStops[c] = value;
}

void TStringGrid::SetScrollBars(TScrollStyle value)
{
    m_scrollBars = value;
    setHorizontalScrollBarPolicy(value == ssHorizontal || value == ssBoth ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(value == ssVertical || value == ssBoth ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    updateScrollBars();
}

void TStringGrid::SetDefaultDrawing(bool value)
{
    m_defaultDrawing = value;
    InvalidateGrid();
}

void TStringGrid::SetColor(TColor value)
{
    m_brush.SetColor(value);
}

QString TStringGrid::Cells(int c, int r) const
{
    auto it = m_cells.find({c, r});
    return it == m_cells.end() ? QString() : it->second;
}

void TStringGrid::SetCells(int c, int r, const QString& value)
{
    if (c < 0 || r < 0) return;
    if (value.isEmpty()) m_cells.erase({c, r});
    else m_cells[{c, r}] = value;
    InvalidateCell(c, r);
}

const QString& TStringGrid::CellText(int c, int r) const
{
    static const QString empty;
    auto it = m_cells.find({c, r});
    return it == m_cells.end() ? empty : it->second;
}

QObject* TStringGrid::Objects(int c, int r) const
{
    auto it = m_objects.find({c, r});
    return it == m_objects.end() ? nullptr : it->second.data();
}

void TStringGrid::SetObjects(int c, int r, QObject* value)
{
    if (c < 0 || r < 0) return;
    if (!value) m_objects.erase({c, r});
    else m_objects[{c, r}] = value;
}

// ---------------------------------------------------------- geometry

int TStringGrid::maxLeftCol() const
{
    int width = viewport()->width();
    for (int c = 0; c < m_fixedCols; ++c) width -= colExtent(c);
    int c = m_colCount - 1;
    while (c > m_fixedCols && width - colExtent(c) >= 0) {
        width -= colExtent(c);
        --c;
    }
    if (width - colExtent(c) >= 0) return c;
    return qMin(m_colCount - 1, c + 1);
}

int TStringGrid::maxTopRow() const
{
    int height = viewport()->height();
    for (int r = 0; r < m_fixedRows; ++r) height -= rowExtent(r);
    int r = m_rowCount - 1;
    while (r > m_fixedRows && height - rowExtent(r) >= 0) {
        height -= rowExtent(r);
        --r;
    }
    if (height - rowExtent(r) >= 0) return r;
    return qMin(m_rowCount - 1, r + 1);
}

void TStringGrid::updateScrollBars()
{
    m_updatingScroll = true;
    const int maxLeft = qMax(m_fixedCols, maxLeftCol());
    const int maxTop = qMax(m_fixedRows, maxTopRow());
    if (m_leftCol > maxLeft) m_leftCol = maxLeft;
    if (m_topRow > maxTop) m_topRow = maxTop;
    horizontalScrollBar()->setRange(0, maxLeft - m_fixedCols);
    horizontalScrollBar()->setPageStep(qMax(1, VisibleColCount()));
    horizontalScrollBar()->setValue(m_leftCol - m_fixedCols);
    verticalScrollBar()->setRange(0, maxTop - m_fixedRows);
    verticalScrollBar()->setPageStep(qMax(1, VisibleRowCount()));
    verticalScrollBar()->setValue(m_topRow - m_fixedRows);
    m_updatingScroll = false;
}

int TStringGrid::VisibleColCount() const
{
    int x = 0;
    for (int c = 0; c < m_fixedCols; ++c) x += colExtent(c);
    int n = 0;
    for (int c = m_leftCol; c < m_colCount; ++c) {
        x += colExtent(c);
        if (x > viewport()->width()) break;
        ++n;
    }
    return n;
}

int TStringGrid::VisibleRowCount() const
{
    int y = 0;
    for (int r = 0; r < m_fixedRows; ++r) y += rowExtent(r);
    int n = 0;
    for (int r = m_topRow; r < m_rowCount; ++r) {
        y += rowExtent(r);
        if (y > viewport()->height()) break;
        ++n;
    }
    return n;
}

int TStringGrid::colLeft(int c) const
{
    if (c < 0 || c >= m_colCount) return -1;
    int x = 0;
    if (c < m_fixedCols) {
        for (int i = 0; i < c; ++i) x += colExtent(i);
        return x;
    }
    if (c < m_leftCol) return -1;
    for (int i = 0; i < m_fixedCols; ++i) x += colExtent(i);
    const int w = viewport()->width();
    for (int i = m_leftCol; i < c; ++i) {
        x += colExtent(i);
        if (x > w) return -1;
    }
    return x;
}

int TStringGrid::rowTop(int r) const
{
    if (r < 0 || r >= m_rowCount) return -1;
    int y = 0;
    if (r < m_fixedRows) {
        for (int i = 0; i < r; ++i) y += rowExtent(i);
        return y;
    }
    if (r < m_topRow) return -1;
    for (int i = 0; i < m_fixedRows; ++i) y += rowExtent(i);
    const int h = viewport()->height();
    for (int i = m_topRow; i < r; ++i) {
        y += rowExtent(i);
        if (y > h) return -1;
    }
    return y;
}

QRect TStringGrid::CellRect(int c, int r) const
{
    const int x = colLeft(c);
    const int y = rowTop(r);
    if (x < 0 || y < 0) return QRect();
    return QRect(x, y, ColWidths(c), RowHeights(r));
}

TGridCoord TStringGrid::MouseCoord(int x, int y) const
{
    TGridCoord out;
    if (x < 0 || y < 0) return out;
    auto find = [](int pos, int count, int fixed, int first, auto extent) {
        int at = 0;
        for (int i = 0; i < fixed; ++i) {
            at += extent(i);
            if (pos < at) return i;
        }
        for (int i = first; i < count; ++i) {
            at += extent(i);
            if (pos < at) return i;
        }
        return -1;
    };
    out.X = find(x, m_colCount, m_fixedCols, m_leftCol, [this](int i) { return colExtent(i); });
    out.Y = find(y, m_rowCount, m_fixedRows, m_topRow, [this](int i) { return rowExtent(i); });
    if (out.X < 0 || out.Y < 0) out = TGridCoord{};
    return out;
}

void TStringGrid::MouseToCell(int x, int y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(x, y);
    ACol = c.X;
    ARow = c.Y;
}

// ------------------------------------------------------- current cell

TGridRect TStringGrid::Selection() const
{
    TGridRect r;
    r.Left = qMin(m_current.X, m_anchor.X);
    r.Right = qMax(m_current.X, m_anchor.X);
    r.Top = qMin(m_current.Y, m_anchor.Y);
    r.Bottom = qMax(m_current.Y, m_anchor.Y);
    if (m_options & goRowSelect) {
        r.Left = m_fixedCols;
        r.Right = m_colCount - 1;
    }
    return r;
}

void TStringGrid::SetSelection(const TGridRect& value)
{
    if (value.Left < m_fixedCols || value.Top < m_fixedRows || value.Right >= m_colCount
        || value.Bottom >= m_rowCount || value.Left > value.Right || value.Top > value.Bottom)
        return;
    MoveCurrent(value.Left, value.Top, true, true);
    if (m_current.X == value.Left && m_current.Y == value.Top) {
        m_anchor.X = (m_options & goRangeSelect) ? value.Right : value.Left;
        m_anchor.Y = (m_options & goRangeSelect) ? value.Bottom : value.Top;
    }
    UpdateEdit();
    InvalidateGrid();
}

void TStringGrid::SetCol(int value)
{
    if (value != m_current.X) FocusCell(value, m_current.Y, true);
}

void TStringGrid::SetRow(int value)
{
    if (value != m_current.Y) FocusCell(m_current.X, value, true);
}

void TStringGrid::SetTopRow(int value)
{
    value = qBound(m_fixedRows, value, qMax(m_fixedRows, maxTopRow()));
    if (value == m_topRow) return;
    m_topRow = value;
    updateScrollBars();
    TopLeftChanged();
    InvalidateGrid();
}

void TStringGrid::SetLeftCol(int value)
{
    value = qBound(m_fixedCols, value, qMax(m_fixedCols, maxLeftCol()));
    if (value == m_leftCol) return;
    m_leftCol = value;
    updateScrollBars();
    TopLeftChanged();
    InvalidateGrid();
}

void TStringGrid::TopLeftChanged()
{
    if (m_editorMode && m_inplaceEdit && m_inplaceEdit->isVisible())
        m_inplaceEdit->Move(CellRect(Col(), Row()));
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TStringGrid::scrollContentsBy(int, int)
{
    if (m_updatingScroll) return;
    const int left = m_fixedCols + horizontalScrollBar()->value();
    const int top = m_fixedRows + verticalScrollBar()->value();
    bool changed = false;
    if (left != m_leftCol) { m_leftCol = left; changed = true; }
    if (top != m_topRow) { m_topRow = top; changed = true; }
    if (changed) {
        TopLeftChanged();
        InvalidateGrid();
    }
}

void TStringGrid::ClampInView(int c, int r)
{
    if (c >= m_fixedCols) {
        if (c < m_leftCol) SetLeftCol(c);
        while (m_leftCol < c && (colLeft(c) < 0 || colLeft(c) + colExtent(c) > viewport()->width())) {
            const int before = m_leftCol;
            SetLeftCol(m_leftCol + 1);
            if (m_leftCol == before) break;
        }
    }
    if (r >= m_fixedRows) {
        if (r < m_topRow) SetTopRow(r);
        while (m_topRow < r && (rowTop(r) < 0 || rowTop(r) + rowExtent(r) > viewport()->height())) {
            const int before = m_topRow;
            SetTopRow(m_topRow + 1);
            if (m_topRow == before) break;
        }
    }
}

bool TStringGrid::SelectCell(int c, int r)
{
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, c, r, can);
    return can;
}

void TStringGrid::MoveCurrent(int c, int r, bool moveAnchor, bool show)
{
    if (c < 0 || r < 0 || c >= m_colCount || r >= m_rowCount) return;
    if (c < m_fixedCols || r < m_fixedRows) return;  // the current cell is never fixed
    if (!SelectCell(c, r)) return;
    m_current = {c, r};
    if (!(m_options & goAlwaysShowEditor)) HideEditor();
    if (moveAnchor || !(m_options & goRangeSelect)) {
        m_anchor = m_current;
        if (m_options & goRowSelect) m_anchor.X = m_colCount - 1;
    }
    if (m_options & goRowSelect) m_current.X = m_fixedCols;
    if (show) ClampInView(m_current.X, m_current.Y);
    InvalidateGrid();
}

void TStringGrid::FocusCell(int c, int r, bool moveAnchor)
{
    MoveCurrent(c, r, moveAnchor, true);
    UpdateEdit();
    if (OnClick) OnClick(this);
}

// ------------------------------------------- moving rows and columns

namespace {

using gridmaps::remapKeys;
using gridmaps::swapEntries;

}  // namespace

void TStringGrid::remapRowData(const std::function<int(int)>& map)
{
    auto key = [&map](const std::pair<int, int>& k) { return std::make_pair(k.first, map(k.second)); };
    remapKeys(m_cells, key);
    remapKeys(m_objects, key);
    m_current.Y = qMax(m_fixedRows, map(m_current.Y));
    m_anchor.Y = qMax(m_fixedRows, map(m_anchor.Y));
    if (m_inplaceRow >= 0) m_inplaceRow = map(m_inplaceRow);
}

void TStringGrid::remapColData(const std::function<int(int)>& map)
{
    auto key = [&map](const std::pair<int, int>& k) { return std::make_pair(map(k.first), k.second); };
    remapKeys(m_cells, key);
    remapKeys(m_objects, key);
    m_current.X = qMax(m_fixedCols, map(m_current.X));
    m_anchor.X = qMax(m_fixedCols, map(m_anchor.X));
    if (m_inplaceCol >= 0) m_inplaceCol = map(m_inplaceCol);
}

void TStringGrid::exchangeRowData(int r1, int r2)
{
    for (int c = 0; c < m_colCount; ++c) swapEntries(m_cells, {c, r1}, {c, r2});
    if (!m_objects.empty())
        for (int c = 0; c < m_colCount; ++c) swapEntries(m_objects, {c, r1}, {c, r2});
    auto swapped = [r1, r2](int r) { return r == r1 ? r2 : r == r2 ? r1 : r; };
    m_current.Y = swapped(m_current.Y);
    m_anchor.Y = swapped(m_anchor.Y);
    if (m_inplaceRow >= 0) m_inplaceRow = swapped(m_inplaceRow);
}

void TStringGrid::exchangeColData(int c1, int c2)
{
    for (int r = 0; r < m_rowCount; ++r) swapEntries(m_cells, {c1, r}, {c2, r});
    if (!m_objects.empty())
        for (int r = 0; r < m_rowCount; ++r) swapEntries(m_objects, {c1, r}, {c2, r});
    auto swapped = [c1, c2](int c) { return c == c1 ? c2 : c == c2 ? c1 : c; };
    m_current.X = swapped(m_current.X);
    m_anchor.X = swapped(m_anchor.X);
    if (m_inplaceCol >= 0) m_inplaceCol = swapped(m_inplaceCol);
}

TStringGrid::EditSuspension TStringGrid::SuspendEdit()
{
    EditSuspension state;
    if (!EditorVisible()) return state;
    state.shown = true;
    state.selStart = m_inplaceEdit->selectionStart();
    state.selLength = m_inplaceEdit->selectionLength();
    state.cursor = m_inplaceEdit->cursorPosition();
    HideEdit();
    return state;
}

void TStringGrid::ResumeEdit(const EditSuspension& state)
{
    if (!state.shown) return;
    UpdateEdit();
    if (!EditorVisible()) return;
    if (state.selStart >= 0 && state.selLength > 0) m_inplaceEdit->setSelection(state.selStart, state.selLength);
    else m_inplaceEdit->setCursorPosition(state.cursor);
}

void TStringGrid::MoveRow(int fromIndex, int toIndex)
{
    if (fromIndex < 0 || toIndex < 0 || fromIndex >= m_rowCount || toIndex >= m_rowCount || fromIndex == toIndex) return;
    const EditSuspension edit = SuspendEdit();
    const int height = m_rowHeights[fromIndex];
    m_rowHeights.remove(fromIndex);
    m_rowHeights.insert(toIndex, height);
    remapRowData([fromIndex, toIndex](int i) { return MovedIndex(i, fromIndex, toIndex); });
    RowMoved(fromIndex, toIndex);
    updateScrollBars();
    ResumeEdit(edit);
    InvalidateGrid();
}

void TStringGrid::MoveColumn(int fromIndex, int toIndex)
{
    if (fromIndex < 0 || toIndex < 0 || fromIndex >= m_colCount || toIndex >= m_colCount || fromIndex == toIndex) return;
    const EditSuspension edit = SuspendEdit();
    const int width = m_colWidths[fromIndex];
    m_colWidths.remove(fromIndex);
    m_colWidths.insert(toIndex, width);
    const bool stop = m_tabStops[fromIndex];
    m_tabStops.remove(fromIndex);
    m_tabStops.insert(toIndex, stop);
    remapColData([fromIndex, toIndex](int i) { return MovedIndex(i, fromIndex, toIndex); });
    ColumnMoved(fromIndex, toIndex);
    updateScrollBars();
    ResumeEdit(edit);
    InvalidateGrid();
}

void TStringGrid::SelectNextControl()
{
    QWidget* w = this;
    for (int guard = 0; guard < 10000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == this) return;
        if (isAncestorOf(w) || w->window() != window()) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// ------------------------------------------------------------ editor

bool TStringGrid::EditorVisible() const
{
    return m_inplaceEdit && m_inplaceEdit->isVisible();
}

bool TStringGrid::IsActiveControl() const
{
    const QWidget* fw = window()->focusWidget();
    return hasFocus() || (m_inplaceEdit && (fw == m_inplaceEdit || m_inplaceEdit->hasFocus())) || fw == this;
}

TInplaceEdit* TStringGrid::CreateEditor()
{
    return new TInplaceEdit(this);
}

bool TStringGrid::CanEditShow()
{
    return EditingAllowed() && m_editorMode && ((m_options & goAlwaysShowEditor) || IsActiveControl());
}

void TStringGrid::SetEditorMode(bool value)
{
    if (value) ShowEditor();
    else HideEditor();
}

void TStringGrid::ShowEditor()
{
    m_editorMode = true;
    UpdateEdit();
}

void TStringGrid::HideEditor()
{
    m_editorMode = false;
    HideEdit();
}

void TStringGrid::UpdateText()
{
    if (m_inplaceCol != -1 && m_inplaceRow != -1)
        SetEditText(m_inplaceCol, m_inplaceRow, m_inplaceEdit->text());
}

void TStringGrid::HideEdit()
{
    if (!m_inplaceEdit) return;
    // Keep the focus inside the grid while the editor goes away.
    const bool hadFocus = m_inplaceEdit->hasFocus();
    QPointer<TInplaceEdit> edit(m_inplaceEdit);
    const int c = m_inplaceCol, r = m_inplaceRow;
    m_inplaceCol = -1;
    m_inplaceRow = -1;
    if (hadFocus) setFocus();
    edit->hide();
    if (c != -1 && r != -1) SetEditText(c, r, edit->text());
}

void TStringGrid::EnsureEditor()
{
    if (m_inplaceEdit) return;
    m_inplaceEdit = CreateEditor();
    m_inplaceEdit->setFont(m_font.toQFont());
    m_inplaceEdit->hide();
}

void TStringGrid::DiscardEdit()
{
    m_inplaceCol = -1;
    m_inplaceRow = -1;
    if (!m_inplaceEdit) return;
    if (m_inplaceEdit->hasFocus()) setFocus();
    m_inplaceEdit->hide();
}

void TStringGrid::UpdateEdit()
{
    auto updateEditor = [this] {
        m_inplaceCol = Col();
        m_inplaceRow = Row();
        m_inplaceEdit->UpdateContents();
        m_inplaceEdit->selectAll();
    };
    if (!CanEditShow()) return;
    if (!m_inplaceEdit) {
        m_inplaceEdit = CreateEditor();
        m_inplaceEdit->setFont(m_font.toQFont());
        updateEditor();
    } else if (Col() != m_inplaceCol || Row() != m_inplaceRow) {
        HideEdit();
        updateEditor();
    }
    if (CanEditShow()) m_inplaceEdit->Move(CellRect(Col(), Row()));
}

QString TStringGrid::GetEditText(int c, int r)
{
    QString value = Cells(c, r);
    if (OnGetEditText) OnGetEditText(this, c, r, value);
    return value;
}

void TStringGrid::SetEditText(int c, int r, const QString& value)
{
    if (value != Cells(c, r)) SetCells(c, r, value);
    if (OnSetEditText) OnSetEditText(this, c, r, value);
}

void TStringGrid::ShowEditorChar(QChar ch)
{
    ShowEditor();
    if (!EditorVisible()) return;
    const int key = ch == QChar(8) ? int(Qt::Key_Backspace) : 0;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(m_inplaceEdit, &event);
}

void TStringGrid::FontChanged()
{
    if (m_inplaceEdit) m_inplaceEdit->setFont(m_font.toQFont());
    InvalidateGrid();
}

void TStringGrid::InvalidateGrid()
{
    viewport()->update();
}

void TStringGrid::InvalidateCell(int c, int r)
{
    const QRect rect = CellRect(c, r);
    if (!rect.isEmpty()) viewport()->update(rect.adjusted(0, 0, m_gridLineWidth, m_gridLineWidth));
}

// ---------------------------------------------------------- keyboard

bool TStringGrid::focusNextPrevChild(bool next)
{
    if (m_options & goTabs) return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TStringGrid::TabKey(bool backward)
{
    int c = Col(), r = Row();
    if (backward) {
        if (--c < m_fixedCols) {
            c = m_colCount - 1;
            if (--r < m_fixedRows) r = m_rowCount - 1;
        }
    } else {
        if (++c >= m_colCount) {
            c = m_fixedCols;
            if (++r >= m_rowCount) r = m_fixedRows;
        }
    }
    FocusCell(c, r, true);
}

bool TStringGrid::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (OnKeyDown) {
        OnKeyDown(this, key, modifiers);
        if (key == 0) return true;
    }
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool rowSelect = m_options & goRowSelect;
    // With Shift and range selection the anchor stays and the current cell moves.
    int c = m_current.X, r = m_current.Y;
    const int page = qMax(1, VisibleRowCount());
    switch (key) {
    case Qt::Key_Up: r = qMax(m_fixedRows, r - 1); break;
    case Qt::Key_Down: r = qMin(m_rowCount - 1, r + 1); break;
    case Qt::Key_Left:
        if (rowSelect) { SetLeftCol(m_leftCol - 1); return true; }
        c = qMax(m_fixedCols, c - 1);
        break;
    case Qt::Key_Right:
        if (rowSelect) { SetLeftCol(m_leftCol + 1); return true; }
        c = qMin(m_colCount - 1, c + 1);
        break;
    case Qt::Key_PageUp: r = qMax(m_fixedRows, r - page); break;
    case Qt::Key_PageDown: r = qMin(m_rowCount - 1, r + page); break;
    case Qt::Key_Home:
        if (ctrl) r = m_fixedRows;
        if (!rowSelect) c = m_fixedCols;
        break;
    case Qt::Key_End:
        if (ctrl) r = m_rowCount - 1;
        if (!rowSelect) c = m_colCount - 1;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(m_options & goTabs)) return false;
        TabKey(key == Qt::Key_Backtab || shift);
        return true;
    case Qt::Key_F2:
        if (EditingAllowed()) SetEditorMode(true);
        return true;
    default:
        return false;
    }
    if (c != m_current.X || r != m_current.Y) FocusCell(c, r, !(shift && (m_options & goRangeSelect)));
    return true;
}

void TStringGrid::KeyPress(QChar& key)
{
    if (OnKeyPress) OnKeyPress(this, key);
    if (!(m_options & goAlwaysShowEditor) && key == QChar('\r')) {
        if (m_editorMode) HideEditor();
        else ShowEditor();
        key = QChar(0);
    }
}

void TStringGrid::CharTyped(QChar ch)
{
    if ((m_options & goEditing) && (ch == QChar(8) || ch.isPrint())) {
        ShowEditorChar(ch);
    } else {
        QChar key = ch;
        KeyPress(key);
    }
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    // A key is handled once: by the editor or by the grid.
    if (event == m_keyPassedByEditor && event->key() == m_keyPassedKey && event->timestamp() == m_keyPassedTime) {
        // the editor had it and left it
        m_keyPassedByEditor = nullptr;
        event->ignore();
        return;
    }
    if (EditorVisible()) {  // keys sent to the grid while its editor is open belong there
        m_inplaceEdit->TakeKey(event);
        return;
    }
    if (KeyDown(event->key(), event->modifiers())) return;
    QChar ch;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ch = QChar('\r'); break;
    case Qt::Key_Escape: ch = QChar(27); break;
    case Qt::Key_Backspace: ch = QChar(8); break;
    default:
        if (!event->text().isEmpty() && !isCommandKey(event)) ch = event->text().at(0);
        break;
    }
    if (ch.isNull()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    CharTyped(ch);
}

// -------------------------------------------------------------- mouse

QPoint TStringGrid::MousePos(const QMouseEvent* event) const
{
    // Mouse events reach the handlers from the viewport and from the frame
    // around it; the screen position means the same in both.
    return viewport()->mapFromGlobal(event->globalPosition().toPoint());
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (!IsActiveControl()) setFocus(Qt::MouseFocusReason);
    const QPoint pos = MousePos(event);
    const TGridCoord cell = MouseCoord(pos.x(), pos.y());
    m_drag = Drag::None;
    if ((m_options & goColSizing) && (m_dragIndex = sizingColAt(pos)) >= 0) {
        m_drag = Drag::ColSizing;
        m_dragOrigin = pos.x() - ColWidths(m_dragIndex);
        return;
    }
    if ((m_options & goRowSizing) && (m_dragIndex = sizingRowAt(pos)) >= 0) {
        m_drag = Drag::RowSizing;
        m_dragOrigin = pos.y() - RowHeights(m_dragIndex);
        return;
    }
    if (cell.X >= 0 && IsFixedCell(cell.X, cell.Y)) {
        // A heading cell dragged elsewhere moves its column or row.
        if (cell.Y < m_fixedRows && cell.X >= m_fixedCols && (m_options & goColMoving)) {
            m_drag = Drag::ColMoving;
            m_dragIndex = cell.X;
        } else if (cell.X < m_fixedCols && cell.Y >= m_fixedRows && (m_options & goRowMoving)) {
            m_drag = Drag::RowMoving;
            m_dragIndex = cell.Y;
        }
        return;
    }
    if (cell.X < 0) return;
    if (cell == m_current && EditingAllowed() && !m_editorMode) {
        ShowEditor();
        return;
    }
    const bool extend = (event->modifiers() & Qt::ShiftModifier) && (m_options & goRangeSelect);
    FocusCell(cell.X, cell.Y, !extend);
}

int TStringGrid::sizingColAt(const QPoint& pos) const
{
    int fixedHeight = 0;
    for (int r = 0; r < m_fixedRows; ++r) fixedHeight += rowExtent(r);
    if (pos.y() < 0 || pos.y() >= fixedHeight) return -1;
    int found = -1;
    for (int c = 0; c < m_colCount; ++c) {
        const int left = colLeft(c);
        if (left < 0) continue;
        const int line = left + ColWidths(c);
        if (pos.x() >= line - 2 && pos.x() <= line + m_gridLineWidth + 1) found = c;
        if (left > pos.x() + 4) break;
    }
    return found;
}

int TStringGrid::sizingRowAt(const QPoint& pos) const
{
    int fixedWidth = 0;
    for (int c = 0; c < m_fixedCols; ++c) fixedWidth += colExtent(c);
    if (pos.x() < 0 || pos.x() >= fixedWidth) return -1;
    int found = -1;
    for (int r = 0; r < m_rowCount; ++r) {
        const int top = rowTop(r);
        if (top < 0) continue;
        const int line = top + RowHeights(r);
        if (pos.y() >= line - 2 && pos.y() <= line + m_gridLineWidth + 1) found = r;
        if (top > pos.y() + 4) break;
    }
    return found;
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const Drag drag = m_drag;
    m_drag = Drag::None;
    const QPoint pos = MousePos(event);
    const TGridCoord cell = MouseCoord(pos.x(), pos.y());
    if (drag == Drag::ColMoving && cell.X >= m_fixedCols) MoveColumn(m_dragIndex, cell.X);
    else if (drag == Drag::RowMoving && cell.Y >= m_fixedRows) MoveRow(m_dragIndex, cell.Y);
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = MousePos(event);
    if (m_drag == Drag::ColSizing) {
        SetColWidths(m_dragIndex, qMax(0, pos.x() - m_dragOrigin));
        return;
    }
    if (m_drag == Drag::RowSizing) {
        SetRowHeights(m_dragIndex, qMax(0, pos.y() - m_dragOrigin));
        return;
    }
    if (m_drag != Drag::None) return;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The sizing cursor over a line that can be dragged.
        if ((m_options & goColSizing) && sizingColAt(pos) >= 0) viewport()->setCursor(Qt::SplitHCursor);
        else if ((m_options & goRowSizing) && sizingRowAt(pos) >= 0) viewport()->setCursor(Qt::SplitVCursor);
        else viewport()->unsetCursor();
        return;
    }
    if (!(m_options & goRangeSelect)) return;
    const TGridCoord cell = MouseCoord(pos.x(), pos.y());
    if (cell.X < m_fixedCols || cell.Y < m_fixedRows) return;
    if (cell != m_current) MoveCurrent(cell.X, cell.Y, false, true);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = MousePos(event);
    const TGridCoord cell = MouseCoord(pos.x(), pos.y());
    if (cell == m_current && EditingAllowed()) ShowEditor();
}

bool TStringGrid::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mousePressEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        mouseDoubleClickEvent(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

// -------------------------------------------------------------- focus

// The menu bar in keyboard mode (Alt alone) and open menus hold the focus
// only while a command is chosen; Escape gives it back to where it was.
static bool menuFocus(QWidget* w)
{
    return qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w) || (w->window()->windowType() == Qt::Popup);
}

void TStringGrid::focusWidgetChanged(QWidget* old, QWidget* now)
{
    // A receiver of this same change may have moved the focus on already
    // (a grid taking it back after a failed validation); then only where
    // the focus is now counts, and the newer change has been reported.
    if (now && now != QApplication::focusWidget()) now = QApplication::focusWidget();
    auto inside = [this](QWidget* w) {
        return w && (w == this || w == viewport() || (m_inplaceEdit && (w == m_inplaceEdit || m_inplaceEdit->isAncestorOf(w))));
    };
    if (inside(now)) {
        if (!m_focusWithin) {
            m_focusWithin = true;
            UpdateEdit();
            DoEnter();
        }
        InvalidateGrid();
    } else if (now && m_focusWithin && !menuFocus(now)) {  // focus went to another control (not just another window)
        m_focusWithin = false;
        DoExit();
        InvalidateGrid();
    }
}

// ------------------------------------------------------------ painting

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (EditorVisible()) m_inplaceEdit->Move(CellRect(Col(), Row()));
}

void TStringGrid::DrawCell(int c, int r, const QRect& rect, TGridDrawState state)
{
    if (m_defaultDrawing) {
        m_canvas.FillRect(rect);
        if (QPainter* p = m_canvas.Painter()) {
            p->setPen(ColorToQColor(m_canvas.Font.Color(), m_canvas.Palette()));
            p->setFont(m_canvas.Font.toQFont());
            p->drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, Cells(c, r));
        }
    }
    if (OnDrawCell) OnDrawCell(this, c, r, rect, state);
}

void TStringGrid::paintLines(QPainter& p, int c, int r, const QRect& rect)
{
    if (m_gridLineWidth <= 0) return;
    const bool fixed = IsFixedCell(c, r);
    const bool vert = m_options & (fixed ? goFixedVertLine : goVertLine);
    const bool horz = m_options & (fixed ? goFixedHorzLine : goHorzLine);
    const QColor lineColor = fixed ? QColor(Qt::black) : ColorToQColor(clSilver);
    if (vert) p.fillRect(QRect(rect.right() + 1, rect.top(), m_gridLineWidth, rect.height() + m_gridLineWidth), lineColor);
    if (horz) p.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width() + m_gridLineWidth, m_gridLineWidth), lineColor);
    if (fixed && (m_options & goFixedVertLine) && (m_options & goFixedHorzLine)) {
        // raised edge of the heading cells
        const QPalette& pal = palette();
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(rect.topLeft(), rect.topRight());
        p.drawLine(rect.topLeft(), rect.bottomLeft());
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(rect.bottomLeft(), rect.bottomRight());
        p.drawLine(rect.topRight(), rect.bottomRight());
    }
}

void TStringGrid::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QPalette pal = palette();
    p.fillRect(viewport()->rect(), ColorToQColor(Color(), &pal));
    m_canvas.m_painter = &p;
    m_canvas.m_palette = &pal;
    const TGridRect sel = Selection();
    const bool focused = IsActiveControl();
    const int w = viewport()->width(), h = viewport()->height();

    auto paintRow = [&](int r, int y) {
        auto paintCol = [&](int c, int x) {
            const QRect rect(x, y, ColWidths(c), RowHeights(r));
            TGridDrawState state = 0;
            if (IsFixedCell(c, r)) state |= gdFixed;
            else {
                if (sel.contains(c, r)) state |= gdSelected;
                if (focused && c == m_current.X && r == m_current.Y) state |= gdFocused;
            }
            p.save();
            p.setClipRect(rect);
            m_canvas.Font = m_font;
            m_canvas.Brush = m_brush;
            m_canvas.TransparentText = false;
            DrawCell(c, r, rect, state);
            p.restore();
            paintLines(p, c, r, rect);
            if ((state & gdFocused) && !(m_options & goRowSelect) && !EditorVisible()) {
                QPen pen(ColorToQColor(clWindowText, &pal));
                pen.setStyle(Qt::DotLine);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(rect.adjusted(0, 0, -1, -1));
            }
        };
        int x = 0;
        for (int c = 0; c < m_fixedCols && x < w; ++c) {
            paintCol(c, x);
            x += colExtent(c);
        }
        for (int c = m_leftCol; c < m_colCount && x < w; ++c) {
            paintCol(c, x);
            x += colExtent(c);
        }
    };
    int y = 0;
    for (int r = 0; r < m_fixedRows && y < h; ++r) {
        paintRow(r, y);
        y += rowExtent(r);
    }
    for (int r = m_topRow; r < m_rowCount && y < h; ++r) {
        paintRow(r, y);
        y += rowExtent(r);
    }
    m_canvas.m_painter = nullptr;
    m_canvas.m_palette = nullptr;
}

// --------------------------------------------------------- form entries

bool TStringGrid::ReadFormProperty(const QString& name, const DfmValue& value)
{
    auto is = [&name](const char* n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    int i = 0;
    bool b = false;
    if (is("ColCount")) { if (intValue(value, i)) SetColCount(i); return true; }
    if (is("RowCount")) { if (intValue(value, i)) SetRowCount(i); return true; }
    if (is("FixedCols")) { if (intValue(value, i)) SetFixedCols(i); return true; }
    if (is("FixedRows")) { if (intValue(value, i)) SetFixedRows(i); return true; }
    if (is("DefaultColWidth")) { if (intValue(value, i)) SetDefaultColWidth(i); return true; }
    if (is("DefaultRowHeight")) { if (intValue(value, i)) SetDefaultRowHeight(i); return true; }
    if (is("GridLineWidth")) { if (intValue(value, i)) SetGridLineWidth(i); return true; }
    if (is("DefaultDrawing")) { if (boolValue(value, b)) SetDefaultDrawing(b); return true; }
    if (is("Options")) {
        if (value.kind != DfmValue::Set) return true;
        TGridOptions opts = 0;
        for (const QString& item : value.setItems) {
            TGridOption o;
            if (GridOptionFromName(item, o)) opts |= o;
        }
        SetOptions(opts);
        return true;
    }
    if (is("ScrollBars")) {
        if (value.kind != DfmValue::Identifier) return true;
        static const char* names[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
        for (int k = 0; k < 4; ++k)
            if (value.text.compare(QLatin1String(names[k]), Qt::CaseInsensitive) == 0) SetScrollBars(TScrollStyle(k));
        return true;
    }
    if (is("ColWidths") || is("RowHeights")) {
        if (value.kind != DfmValue::List) return true;
        const bool cols = is("ColWidths");
        for (int k = 0; k < value.items.size(); ++k) {
            if (!intValue(value.items[k], i)) break;
            if (cols) SetColWidths(k, i);
            else SetRowHeights(k, i);
        }
        return true;
    }
    if (is("Color")) {
        TColor c;
        if ((value.kind == DfmValue::Identifier && IdentToColor(value.text, c))
            || (value.kind == DfmValue::Integer && (c = FormIntToColor(value.integer), true)))
            SetColor(c);
        return true;
    }
    if (name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)) {
        const QString part = name.mid(5);
        auto isPart = [&part](const char* n) { return part.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
        if (isPart("Color")) {
            TColor c;
            if ((value.kind == DfmValue::Identifier && IdentToColor(value.text, c))
                || (value.kind == DfmValue::Integer && (c = FormIntToColor(value.integer), true)))
                m_font.SetColor(c);
        } else if (isPart("Height")) {
            if (intValue(value, i)) m_font.SetHeight(i);
        } else if (isPart("Size")) {
            if (intValue(value, i)) m_font.SetSize(i);
        } else if (isPart("Name")) {
            if (value.kind == DfmValue::String) m_font.SetName(value.text);
        } else if (isPart("Pitch")) {
            if (value.kind == DfmValue::Identifier) {
                if (value.text.compare(QLatin1String("fpVariable"), Qt::CaseInsensitive) == 0) m_font.SetPitch(fpVariable);
                else if (value.text.compare(QLatin1String("fpFixed"), Qt::CaseInsensitive) == 0) m_font.SetPitch(fpFixed);
                else m_font.SetPitch(fpDefault);
            }
        } else if (isPart("Style")) {
            if (value.kind == DfmValue::Set) {
                TFontStyles s = 0;
                for (const QString& item : value.setItems) {
                    if (item.compare(QLatin1String("fsBold"), Qt::CaseInsensitive) == 0) s |= fsBold;
                    else if (item.compare(QLatin1String("fsItalic"), Qt::CaseInsensitive) == 0) s |= fsItalic;
                    else if (item.compare(QLatin1String("fsUnderline"), Qt::CaseInsensitive) == 0) s |= fsUnderline;
                    else if (item.compare(QLatin1String("fsStrikeOut"), Qt::CaseInsensitive) == 0) s |= fsStrikeOut;
                }
                m_font.SetStyle(s);
            }
        } else if (!isPart("Charset")) {
            return false;
        }
        return true;
    }
    return false;
}

QList<DfmProperty> TStringGrid::WriteFormProperties() const
{
    QList<DfmProperty> out;
    auto put = [&out](const char* name, const DfmValue& v) { out.append(DfmProperty{QString::fromLatin1(name), v, 0}); };
    if (m_colCount != 5) put("ColCount", DfmValue::fromInt(m_colCount));
    if (m_defaultColWidth != 64) put("DefaultColWidth", DfmValue::fromInt(m_defaultColWidth));
    if (m_defaultRowHeight != 24) put("DefaultRowHeight", DfmValue::fromInt(m_defaultRowHeight));
    if (m_fixedCols != 1) put("FixedCols", DfmValue::fromInt(m_fixedCols));
    if (m_rowCount != 5) put("RowCount", DfmValue::fromInt(m_rowCount));
    if (m_fixedRows != 1) put("FixedRows", DfmValue::fromInt(m_fixedRows));
    if (m_gridLineWidth != 1) put("GridLineWidth", DfmValue::fromInt(m_gridLineWidth));
    if (m_options != DefaultGridOptions) {
        DfmValue v;
        v.kind = DfmValue::Set;
        v.setItems = GridOptionNames(m_options);
        put("Options", v);
    }
    if (m_scrollBars != ssBoth) {
        static const char* names[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
        put("ScrollBars", DfmValue::fromIdent(QString::fromLatin1(names[m_scrollBars])));
    }
    auto sizes = [&](const char* name, const QVector<int>& list, int def) {
        bool custom = false;
        for (int v : list) custom |= v != def;
        if (!custom) return;
        DfmValue v = DfmValue::emptyList();
        for (int s : list) v.items.append(DfmValue::fromInt(s));
        put(name, v);
    };
    sizes("ColWidths", m_colWidths, m_defaultColWidth);
    sizes("RowHeights", m_rowHeights, m_defaultRowHeight);
    return out;
}

void TStringGrid::Loaded()
{
    updateScrollBars();
    InvalidateGrid();
}
