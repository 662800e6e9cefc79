// TCellGrid: moving on to the next cell, inserting, moving, exchanging and
// sorting rows and columns with everything they carry, the clipboard, the
// clicks on fixed cells and stretching the last column.
#include "grid/CellGrid.h"
#include "grid/MapKeys.h"
#include "grid/GridClipboard.h"
#include "platform/Cp1252.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <array>

namespace {

using Key = std::pair<int, int>;

using gridmaps::remapKeys;
using gridmaps::swapEntries;

T_nextcell reversed(T_nextcell d)
{
    switch (d) {
    case nc_rightdown: return nc_leftup;
    case nc_leftup: return nc_rightdown;
    case nc_downright: return nc_upleft;
    case nc_upleft: return nc_downright;
    case nc_leftdown: return nc_rightup;
    case nc_rightup: return nc_leftdown;
    case nc_downleft: return nc_upright;
    case nc_upright: return nc_downleft;
    }
    return d;
}

// The rank of a character in the grid's own order.
struct CharRanks {
    std::array<quint8, 0x2200> bmp{};  // 0 = outside the code page (rank 0 is only U+0000)
    CharRanks()
    {
        for (int b = 1; b < 256; ++b) {
            const char byte = char(b);
            const QString ch = DecodeCp1252(&byte, 1);
            if (ch.size() == 1 && ch.at(0).unicode() < bmp.size()) bmp[ch.at(0).unicode()] = quint8(b);
        }
    }
    quint32 rank(char32_t cp) const
    {
        if (cp == 0) return 0;
        if (cp < bmp.size() && bmp[cp] != 0) return bmp[cp];
        return 256 + cp;
    }
};

const CharRanks& ranks()
{
    static const CharRanks r;
    return r;
}

}  // namespace

// ------------------------------------------------------------- next cell

void TCellGrid::NextCell(T_nextcell direction, T_lastcell afterLast, int& col, int& row)
{
    const int C = ColCount(), R = RowCount(), FC = FixedCols(), FR = FixedRows();
    if (col < FC || col >= C || row < FR || row >= R) {
        col = row = -1;
        return;
    }
    int c = col, r = row;
    bool out = false;
    switch (direction) {
    case nc_rightdown: if (++c >= C) { c = FC; out = ++r >= R; } break;
    case nc_downright: if (++r >= R) { r = FR; out = ++c >= C; } break;
    case nc_leftdown: if (--c < FC) { c = C - 1; out = ++r >= R; } break;
    case nc_downleft: if (++r >= R) { r = FR; out = --c < FC; } break;
    case nc_leftup: if (--c < FC) { c = C - 1; out = --r < FR; } break;
    case nc_upleft: if (--r < FR) { r = R - 1; out = --c < FC; } break;
    case nc_rightup: if (++c >= C) { c = FC; out = --r < FR; } break;
    case nc_upright: if (--r < FR) { r = R - 1; out = ++c >= C; } break;
    }
    if (!out) {
        col = c;
        row = r;
        return;
    }
    col = row = -1;
    switch (afterLast) {
    case lc_newcolrow:
        // At the grid's largest size nothing is inserted: the walk stops.
        switch (direction) {
        case nc_rightdown: if (InsertRow(R)) { col = FC; row = R; } break;
        case nc_downright: if (InsertCol(C)) { col = C; row = FR; } break;
        case nc_leftdown: if (InsertRow(R)) { col = C - 1; row = R; } break;
        case nc_downleft: if (InsertCol(FC)) { col = FC; row = FR; } break;
        case nc_leftup: if (InsertRow(FR)) { col = C - 1; row = FR; } break;
        case nc_upleft: if (InsertCol(FC)) { col = FC; row = R - 1; } break;
        case nc_rightup: if (InsertRow(FR)) { col = FC; row = FR; } break;
        case nc_upright: if (InsertCol(C)) { col = C; row = R - 1; } break;
        }
        break;
    case lc_stop:
        break;
    case lc_first:
        switch (direction) {
        case nc_rightdown: case nc_downright: col = FC; row = FR; break;
        case nc_leftdown: case nc_downleft: col = C - 1; row = FR; break;
        case nc_leftup: case nc_upleft: col = C - 1; row = R - 1; break;
        case nc_rightup: case nc_upright: col = FC; row = R - 1; break;
        }
        break;
    case lc_exit:
        SelectNextControl();
        break;
    }
}

bool TCellGrid::NextEditableCell(int& c, int& r)
{
    const int c0 = c, r0 = r;
    // Each cell is visited at most once.
    for (qint64 budget = qint64(ColCount()) * RowCount(); budget > 0; --budget) {
        const int cols = ColCount(), rows = RowCount();
        NextCell(m_nextCellEdit, m_afterLastCellEdit, c, r);
        if (c < 0 || r < 0) return false;
        if (ColCount() != cols || RowCount() != rows) return true;  // the new cell is taken as it is
        if (c == c0 && r == r0) return true;
        if (cellEditable(c, r)) return true;
    }
    c = c0;
    r = r0;
    return true;
}

void TCellGrid::TabKey(bool backward)
{
    const T_nextcell direction = backward ? reversed(m_nextCellTab) : m_nextCellTab;
    T_lastcell rule = m_afterLastCellTab;
    int c = Col(), r = Row();
    bool found = false;
    for (qint64 budget = qint64(ColCount()) * RowCount(); budget > 0; --budget) {
        const int cols = ColCount(), rows = RowCount();
        NextCell(direction, rule, c, r);
        if (c < 0 || r < 0) break;
        if (ColCount() != cols || RowCount() != rows) rule = lc_stop;  // one new row or column per key
        if (c == Col() && r == Row()) break;  // around once: the current cell stays
        if (TabStops(c)) {
            found = true;
            break;
        }
    }
    if (found) FocusCell(c, r, true);
}

bool TCellGrid::cellEditable(int c, int r) const
{
    return (Options() & goEditing) && !IsFixedCell(c, r) && EditCell(c, r);
}

// ------------------------------------------------------------- keys

bool TCellGrid::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers m = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    bool done = false;
    // Ctrl+V, Ctrl+C and Ctrl+X, the keys of this desktop, do what the
    // Insert and Delete keys do.
    if ((key == Qt::Key_Insert && m == Qt::ShiftModifier) || (key == Qt::Key_V && m == Qt::ControlModifier)) {
        paste();
        done = true;
    } else if ((key == Qt::Key_Insert || key == Qt::Key_C) && m == Qt::ControlModifier) {
        copy();
        done = true;
    } else if ((key == Qt::Key_Delete && m == Qt::ShiftModifier) || (key == Qt::Key_X && m == Qt::ControlModifier)) {
        cut();
        done = true;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (modifiers & Qt::AltModifier)) return done;
    return TStringGrid::KeyDown(key, modifiers) || done;
}

// ------------------------------------------------------------- insert, move, exchange

bool TCellGrid::InsertCol(int index)
{
    if (index > ColCount() || ColCount() >= MaxGridCount) return false;
    index = qMax(index, FixedCols());  // a negative index too: the first scrolling column
    const EditSuspension edit = SuspendEdit();
    SetColCount(ColCount() + 1);
    auto shift = [index](int c) { return c >= index ? c + 1 : c; };
    remapColData(shift);  // texts, objects, current cell, selection
    remapColRecords(shift);
    ResumeEdit(edit);
    InvalidateGrid();
    return true;
}

bool TCellGrid::InsertRow(int index)
{
    if (index > RowCount() || RowCount() >= MaxGridCount) return false;
    index = qMax(index, FixedRows());  // a negative index too: the first scrolling row
    const EditSuspension edit = SuspendEdit();
    SetRowCount(RowCount() + 1);
    auto shift = [index](int r) { return r >= index ? r + 1 : r; };
    remapRowData(shift);
    remapRowRecords(shift);
    ResumeEdit(edit);
    InvalidateGrid();
    return true;
}

void TCellGrid::remapRowRecords(const std::function<int(int)>& map)
{
    remapKeys(m_rows, map);
    remapKeys(m_cellProps, [&map](const Key& k) { return Key(k.first, map(k.second)); });
    remapKeys(m_hints, [&map](const Key& k) { return Key(k.first, map(k.second)); });
    if (TNewInplaceEdit* ed = editor(); ed && ed->EditRow >= 0) ed->EditRow = map(ed->EditRow);
}

void TCellGrid::remapColRecords(const std::function<int(int)>& map)
{
    remapKeys(m_cols, map);
    remapKeys(m_cellProps, [&map](const Key& k) { return Key(map(k.first), k.second); });
    remapKeys(m_hints, [&map](const Key& k) { return Key(map(k.first), k.second); });
    if (TNewInplaceEdit* ed = editor(); ed && ed->EditCol >= 0) ed->EditCol = map(ed->EditCol);
}

void TCellGrid::RowMoved(int fromIndex, int toIndex)
{
    // The texts have moved already; the records follow them once.
    remapRowRecords([fromIndex, toIndex](int r) { return MovedIndex(r, fromIndex, toIndex); });
    TStringGrid::RowMoved(fromIndex, toIndex);
}

void TCellGrid::ColumnMoved(int fromIndex, int toIndex)
{
    remapColRecords([fromIndex, toIndex](int c) { return MovedIndex(c, fromIndex, toIndex); });
    TStringGrid::ColumnMoved(fromIndex, toIndex);
}

void TCellGrid::swapRows(int r1, int r2)
{
    exchangeRowData(r1, r2);
    swapEntries(m_rows, r1, r2);
    if (!m_cellProps.empty())
        for (int c = 0; c < ColCount(); ++c) swapEntries(m_cellProps, Key(c, r1), Key(c, r2));
    if (!m_hints.empty())
        for (int c = 0; c < ColCount(); ++c) swapEntries(m_hints, Key(c, r1), Key(c, r2));
    if (TNewInplaceEdit* ed = editor()) {
        if (ed->EditRow == r1) ed->EditRow = r2;
        else if (ed->EditRow == r2) ed->EditRow = r1;
    }
}

void TCellGrid::swapCols(int c1, int c2)
{
    exchangeColData(c1, c2);
    swapEntries(m_cols, c1, c2);
    if (!m_cellProps.empty())
        for (int r = 0; r < RowCount(); ++r) swapEntries(m_cellProps, Key(c1, r), Key(c2, r));
    if (!m_hints.empty())
        for (int r = 0; r < RowCount(); ++r) swapEntries(m_hints, Key(c1, r), Key(c2, r));
    if (TNewInplaceEdit* ed = editor()) {
        if (ed->EditCol == c1) ed->EditCol = c2;
        else if (ed->EditCol == c2) ed->EditCol = c1;
    }
}

void TCellGrid::ExchangeRows(int r1, int r2)
{
    if (r1 == r2 || r1 < 0 || r2 < 0 || r1 >= RowCount() || r2 >= RowCount()) return;
    const EditSuspension edit = SuspendEdit();
    swapRows(r1, r2);
    ResumeEdit(edit);
    InvalidateGrid();
}

void TCellGrid::ExchangeCols(int c1, int c2)
{
    if (c1 == c2 || c1 < 0 || c2 < 0 || c1 >= ColCount() || c2 >= ColCount()) return;
    const EditSuspension edit = SuspendEdit();
    swapCols(c1, c2);
    ResumeEdit(edit);
    InvalidateGrid();
}

// ------------------------------------------------------------- sorting

t_relation TCellGrid::CompareTexts(const QString& a, const QString& b)
{
    const CharRanks& rk = ranks();
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    const qsizetype na = a.size(), nb = b.size();
    qsizetype i = 0, j = 0;
    auto next = [](const QChar* p, qsizetype n, qsizetype& k) -> char32_t {
        const QChar ch = p[k++];
        if (ch.isHighSurrogate() && k < n && p[k].isLowSurrogate()) return QChar::surrogateToUcs4(ch, p[k++]);
        return ch.unicode();
    };
    while (i < na && j < nb) {
        const char32_t ca = next(pa, na, i);
        const char32_t cb = next(pb, nb, j);
        if (ca == cb) continue;
        return rk.rank(ca) < rk.rank(cb) ? rel_smaller : rel_greater;
    }
    if (i < na) return rel_greater;
    if (j < nb) return rel_smaller;
    return rel_equal;
}

t_relation TCellGrid::OwnCompare::operator()(QObject*, int colrow, int a, int b) const
{
    return byCol ? CompareTexts(grid->CellText(colrow, a), grid->CellText(colrow, b))
                 : CompareTexts(grid->CellText(a, colrow), grid->CellText(b, colrow));
}

void TCellGrid::SortColRow(int colrow, int first, int last, bool byCol, bool descending)
{
    const int count = byCol ? RowCount() : ColCount();
    first = qMax(first, 0);
    last = qMin(last, count - 1);
    if (last - first < 1) return;
    const t_relation target = descending ? rel_greater : rel_smaller;
    TCompareFunction event = byCol ? OnCompareCol : OnCompareRow;
    // With the grid's own order nobody looks at the grid while it sorts: the
    // items are sorted as a list of positions, and everything is moved once
    // at the end.  A handler of the form's own sees every exchange at once.
    const bool own = !event || event.target<OwnCompare>();
    std::vector<int> order;         // order[position - first] = the item's old position - first
    std::vector<const QString*> key;  // by old position - first
    std::function<t_relation(int, int)> compare;
    std::function<void(int, int)> exchange;
    if (own) {
        order.resize(size_t(last - first + 1));
        key.resize(order.size());
        for (int i = first; i <= last; ++i) {
            order[size_t(i - first)] = i - first;
            key[size_t(i - first)] = byCol ? &CellText(colrow, i) : &CellText(i, colrow);
        }
        compare = [&order, &key, first](int a, int b) {
            return CompareTexts(*key[size_t(order[size_t(a - first)])], *key[size_t(order[size_t(b - first)])]);
        };
        exchange = [&order, first](int a, int b) { std::swap(order[size_t(a - first)], order[size_t(b - first)]); };
    } else {
        compare = [this, event, colrow](int a, int b) { return event(this, colrow, a, b); };
        exchange = [this, byCol](int a, int b) {
            if (a == b) return;
            if (byCol) swapRows(a, b);
            else swapCols(a, b);
        };
    }
    // The pivot is the middle item, moved to hi; both scans stay in lo..hi.
    auto partition = [&](int lo, int hi) {
        exchange(lo + (hi - lo) / 2, hi);
        int i = lo, j = hi - 1;
        for (;;) {
            while (i < hi && compare(i, hi) == target) ++i;
            while (j > lo && compare(hi, j) == target) --j;
            if (j <= i) break;
            exchange(i, j);
            ++i;
            --j;
        }
        exchange(i, hi);
        return i;
    };
    const EditSuspension edit = SuspendEdit();
    // Recursion into the smaller part only, a loop over the larger one.
    std::function<void(int, int)> quicksort = [&](int lo, int hi) {
        while (hi - lo > 0) {
            const int p = partition(lo, hi);
            if (p - lo < hi - p) {
                quicksort(lo, p - 1);
                lo = p + 1;
            } else {
                quicksort(p + 1, hi);
                hi = p - 1;
            }
        }
    };
    quicksort(first, last);
    if (own) {
        std::vector<int> newPosition(order.size());
        for (size_t p = 0; p < order.size(); ++p) newPosition[size_t(order[p])] = int(p);
        auto map = [&newPosition, first, last](int i) { return i < first || i > last ? i : first + newPosition[size_t(i - first)]; };
        if (byCol) {
            remapRowData(map);
            remapRowRecords(map);
        } else {
            remapColData(map);
            remapColRecords(map);
        }
    }
    ResumeEdit(edit);
    InvalidateGrid();
}

// ------------------------------------------------------------- clipboard

TGridRect TCellGrid::ClipboardRange() const
{
    TGridRect r = Selection();
    if (r.Right < r.Left || r.Right < 0) r.Right = ColCount() - 1;
    if (r.Bottom < r.Top || r.Bottom < 0) r.Bottom = RowCount() - 1;
    r.Left = qMax(r.Left, 0);
    r.Top = qMax(r.Top, 0);
    return r;
}

void TCellGrid::GridToStream(QIODevice* stream, QChar separator, TGridRect range) const
{
    if (!stream) return;
    range.Left = qMax(range.Left, 0);
    range.Top = qMax(range.Top, 0);
    range.Right = qMin(range.Right, ColCount() - 1);
    range.Bottom = qMin(range.Bottom, RowCount() - 1);
    const QByteArray sep = QString(separator).toUtf8();
    QByteArray out;
    for (int r = range.Top; r <= range.Bottom; ++r) {
        for (int c = range.Left; c <= range.Right; ++c) {
            out += CellText(c, r).toUtf8();
            out += sep;
        }
        out += "\r\n";
    }
    out += '\0';
    stream->write(out);
}

void TCellGrid::StreamToGrid(QIODevice* stream, QChar separator, TGridRect range)
{
    if (!stream) return;
    range.Top = qMax(range.Top, 0);
    range.Left = qMax(range.Left, 0);
    const int bottom = range.Bottom < range.Top ? MaxGridCount - 1 : qMin(range.Bottom, MaxGridCount - 1);
    const int right = range.Right < range.Left ? MaxGridCount - 1 : qMin(range.Right, MaxGridCount - 1);
    const QString text = QString::fromUtf8(StreamText(stream));
    if (text.isEmpty()) return;
    if (EditorVisible()) commitEdit();  // the open edit ends first; the pasted texts are not typed over

    qsizetype at = 0;
    for (int r = range.Top; r <= bottom && at < text.size(); ++r) {
        // One line: up to CR LF, LF or CR; a line end at the very end opens no further line.
        qsizetype end = at;
        while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n')) ++end;
        QString line = text.mid(at, end - at);
        at = end;
        if (at < text.size() && text.at(at) == QLatin1Char('\r')) {
            ++at;
            if (at < text.size() && text.at(at) == QLatin1Char('\n')) ++at;
        } else if (at < text.size()) {
            ++at;  // LF
        }
        if (r >= RowCount()) SetRowCount(r + 1);
        line += separator;
        qsizetype from = 0;
        for (int c = range.Left; c <= right; ++c) {
            if (line.size() - from <= 1) break;  // an empty last field is not pasted
            if (c >= ColCount()) SetColCount(c + 1);
            const qsizetype sep = line.indexOf(separator, from);
            QString field = line.mid(from, sep - from);
            from = sep + 1;
            if (!cellEditable(c, r)) continue;
            if (OnPasteText) OnPasteText(this, c, r, field);
            GetEditText(c, r);  // as a typed edit: the cell's edit text is asked first
            SetEditText(c, r, field);
        }
    }
    InvalidateGrid();
}

void TCellGrid::CopyToClipboard(QChar separator, const TGridRect& range) const
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    GridToStream(&buffer, separator, range);
    StreamToClipboard(&buffer);
}

void TCellGrid::PasteFromClipboard(QChar separator, const TGridRect& range)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ClipboardToStream(&buffer);
    StreamToGrid(&buffer, separator, range);
}

void TCellGrid::copy()
{
    if (EditorVisible()) {
        InplaceEditor()->copy();
        return;
    }
    CopyToClipboard(QLatin1Char('\t'), ClipboardRange());
}

void TCellGrid::cut()
{
    if (EditorVisible()) {
        InplaceEditor()->cut();
        return;
    }
    const TGridRect range = ClipboardRange();
    CopyToClipboard(QLatin1Char('\t'), range);
    // Only what the user could type back is emptied.
    for (int r = range.Top; r <= range.Bottom && r < RowCount(); ++r)
        for (int c = range.Left; c <= range.Right && c < ColCount(); ++c) {
            if (!cellEditable(c, r)) continue;
            GetEditText(c, r);
            SetEditText(c, r, QString());
        }
    InvalidateGrid();
}

void TCellGrid::paste()
{
    if (EditorVisible()) {
        editor()->PasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        return;
    }
    PasteFromClipboard(QLatin1Char('\t'), ClipboardRange());
}

// ------------------------------------------------------------- mouse, sizes, scrolling

void TCellGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = MousePos(event);
        if (pos.x() >= 0 || pos.y() >= 0) {
            const TGridCoord cell = MouseCoord(pos.x(), pos.y());
            if (cell.X >= 0 && (cell.X >= FixedCols() || cell.Y >= FixedRows())) {
                if (cell.X < FixedCols()) {
                    if (OnFixedRowClick) OnFixedRowClick(this, cell.Y);
                } else if (cell.Y < FixedRows()) {
                    if (OnFixedColClick) OnFixedColClick(this, cell.X);
                }
            }
        }
    }
    TStringGrid::mousePressEvent(event);
}

void TCellGrid::mouseReleaseEvent(QMouseEvent* event)
{
    TStringGrid::mouseReleaseEvent(event);
    if (m_autoAdjustLastCol) AdjustLastCol();
}

void TCellGrid::resizeEvent(QResizeEvent* event)
{
    TStringGrid::resizeEvent(event);
    if (m_autoAdjustLastCol) AdjustLastCol();
}

void TCellGrid::ColWidthsChanged()
{
    TStringGrid::ColWidthsChanged();
    if (OnColWidthsChanged) OnColWidthsChanged(this);
}

void TCellGrid::RowHeightsChanged()
{
    TStringGrid::RowHeightsChanged();
    if (OnRowHeightsChanged) OnRowHeightsChanged(this);
}

void TCellGrid::AdjustLastCol()
{
    // A scroll bar that comes or goes because of the new width resizes the
    // grid again; that does not run this once more from within itself.
    if (m_adjustingLastCol || ColCount() < 1) return;
    m_adjustingLastCol = true;
    const int last = ColCount() - 1;
    qint64 sum = 0;
    for (int c = 0; c < last; ++c) sum += ColWidths(c);
    // Every column reserves the place of its grid line, drawn or not.
    const qint64 lines = qint64(ColCount()) * GridLineWidth();
    const qint64 client = viewport()->width();
    if (sum < client) {
        const qint64 rest = client - sum - lines;
        if (rest > 0) SetColWidths(last, int(rest));  // nothing left: the width stays as it is
    }
    m_adjustingLastCol = false;
}

void TCellGrid::SetAutoAdjustLastCol(bool value)
{
    m_autoAdjustLastCol = value;
    if (value) AdjustLastCol();
}

void TCellGrid::SetGridLineWidth(int value)
{
    if (value == GridLineWidth()) return;
    TStringGrid::SetGridLineWidth(value);
    if (m_autoAdjustLastCol) AdjustLastCol();
}

void TCellGrid::SetRedrawWhileScroll(bool value)
{
    m_redrawWhileScroll = value;
    UpdateThumbTracking();
}

bool TCellGrid::ThumbTracking() const
{
    return m_redrawWhileScroll || TStringGrid::ThumbTracking();
}
