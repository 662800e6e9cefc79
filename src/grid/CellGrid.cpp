#include "grid/CellGrid.h"
#include "platform/PasteMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

namespace {

// Indexes in stored form data are 16-bit.
int index16(qint64 v) { return int(quint64(v) & 0xFFFFu); }

bool takeInt(const QList<DfmValue>& v, int& pos, qint64& out)
{
    if (pos >= v.size() || v[pos].kind != DfmValue::Integer) return false;
    out = v[pos++].integer;
    return true;
}

bool takeString(const QList<DfmValue>& v, int& pos, QString& out)
{
    if (pos >= v.size() || v[pos].kind != DfmValue::String) return false;
    out = v[pos++].text;
    return true;
}

// colour height name pitch style; false when the values are missing or wrong.
bool takeFont(const QList<DfmValue>& v, int& pos, TFont& font, bool& usable)
{
    qint64 color, height, pitch, style;
    QString name;
    if (!takeInt(v, pos, color) || !takeInt(v, pos, height) || !takeString(v, pos, name)
        || !takeInt(v, pos, pitch) || !takeInt(v, pos, style))
        return false;
    usable = pitch >= fpDefault && pitch <= fpFixed && height >= INT_MIN && height <= INT_MAX;
    if (!usable) return true;
    font.SetColor(FormIntToColor(color));
    font.SetHeight(int(height));
    font.SetName(name);
    font.SetPitch(TFontPitch(pitch));
    font.SetStyle(TFontStyles(quint64(style) % 256));
    return true;
}

// colour style
bool takeBrush(const QList<DfmValue>& v, int& pos, TBrush& brush, bool& usable)
{
    qint64 color, style;
    if (!takeInt(v, pos, color) || !takeInt(v, pos, style)) return false;
    usable = style >= bsSolid && style <= bsDiagCross;
    if (!usable) return true;
    brush.SetColor(FormIntToColor(color));
    brush.SetStyle(TBrushStyle(style));
    return true;
}

void putFont(QList<DfmValue>& out, const TFont& f)
{
    out << DfmValue::fromInt(ColorToFormInt(f.Color())) << DfmValue::fromInt(f.Height())
        << DfmValue::fromString(f.Name()) << DfmValue::fromInt(f.Pitch()) << DfmValue::fromInt(f.Style());
}

void putBrush(QList<DfmValue>& out, const TBrush& b)
{
    out << DfmValue::fromInt(ColorToFormInt(b.Color())) << DfmValue::fromInt(b.Style());
}

bool sameName(const QString& a, const char* b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

template <typename E>
bool identOrdinal(const DfmValue& v, std::initializer_list<const char*> names, E& out)
{
    int i = 0;
    for (const char* n : names) {
        if (v.kind == DfmValue::Identifier && sameName(v.text, n)) {
            out = E(i);
            return true;
        }
        ++i;
    }
    return false;
}

bool colorValue(const DfmValue& v, TColor& out)
{
    if (v.kind == DfmValue::Identifier) return IdentToColor(v.text, out);
    if (v.kind == DfmValue::Integer) {
        out = FormIntToColor(v.integer);
        return true;
    }
    return false;
}

class TGridEditEvent : public QEvent {
public:
    TGridEditEvent(TCellGrid::EditMessage msg, int c, int r) : QEvent(QEvent::Type(msg)), col(c), row(r) {}
    int col;
    int row;
};

// Set while a grid validates on losing the focus, so that a second grid
// losing the focus to the first one does not take it back again.
bool s_exitValidating = false;

}  // namespace

// -------------------------------------------------------- TCellProperties

void TCellProperties::setBrush(std::unique_ptr<TMyBrush>& slot, const TBrush* value)
{
    if (!value) {
        slot.reset();
        return;
    }
    if (!slot) slot = std::make_unique<TMyBrush>();
    slot->Assign(*value);
    if (m_grid) m_grid->watch(*slot);
}

void TCellProperties::setFont(std::unique_ptr<TMyFont>& slot, const TFont* value)
{
    if (!value) {
        slot.reset();
        return;
    }
    if (!slot) slot = std::make_unique<TMyFont>();
    slot->Assign(*value);
    if (m_grid) m_grid->watch(*slot);
}

void TCellProperties::WriteProperties(QList<DfmValue>& out) const
{
    if (Align != alDefault) out << DfmValue::fromInt(1) << DfmValue::fromInt(Align);
    if (Wordwrap != ww_default) out << DfmValue::fromInt(2) << DfmValue::fromInt(Wordwrap);
    if (Editable != 0) out << DfmValue::fromInt(3) << DfmValue::fromInt(Editable);
    if (m_brush) { out << DfmValue::fromInt(4); putBrush(out, *m_brush); }
    if (m_selectedBrush) { out << DfmValue::fromInt(5); putBrush(out, *m_selectedBrush); }
    if (m_font) { out << DfmValue::fromInt(6); putFont(out, *m_font); }
    if (m_selectedFont) { out << DfmValue::fromInt(7); putFont(out, *m_selectedFont); }
}

bool TCellProperties::ReadProperty(int tag, const QList<DfmValue>& values, int& pos)
{
    qint64 v = 0;
    bool usable = false;
    switch (tag) {
    case 1:
        if (!takeInt(values, pos, v)) return false;
        if (v >= alRight && v <= alDefault) Align = TMyAlign(v);
        return true;
    case 2:
        if (!takeInt(values, pos, v)) return false;
        if (v >= ww_none && v <= ww_default) Wordwrap = T_Wordwrap(v);
        return true;
    case 3:
        if (!takeInt(values, pos, v)) return false;
        if (v >= 0 && v <= 2) Editable = quint8(v);
        return true;
    case 4:
    case 5: {
        TBrush b;
        if (!takeBrush(values, pos, b, usable)) return false;
        if (usable) setBrush(tag == 4 ? m_brush : m_selectedBrush, &b);
        return true;
    }
    case 6:
    case 7: {
        TFont f;
        if (!takeFont(values, pos, f, usable)) return false;
        if (usable) setFont(tag == 6 ? m_font : m_selectedFont, &f);
        return true;
    }
    default:
        return true;  // unknown tags stand alone
    }
}

void TCellProperties::Assign(const TCellProperties* source)
{
    if (source == this) return;
    if (!source) {
        Align = alDefault;
        Wordwrap = ww_default;
        Editable = 0;
        m_brush.reset();
        m_selectedBrush.reset();
        m_font.reset();
        m_selectedFont.reset();
        return;
    }
    Align = source->Align;
    Wordwrap = source->Wordwrap;
    SetBrush(source->Brush());
    SetSelectedBrush(source->SelectedBrush());
    SetFont(source->Font());
    SetSelectedFont(source->SelectedFont());
    Editable = source->Editable;
}

bool TCellProperties::IsEmpty() const
{
    return Align == alDefault && Wordwrap == ww_default && !m_brush && !m_selectedBrush && !m_font
        && !m_selectedFont && Editable == 0;
}

std::unique_ptr<TCellProperties> TCellProperties::Clone() const
{
    auto copy = std::make_unique<TCellProperties>(m_grid);
    copy->Assign(this);
    return copy;
}

// -------------------------------------------------------- TNewInplaceEdit

// Positions in the edit line's text, where a line break is CR LF, and in
// the multi-line edit window, where every line break is one character.
static bool crLfAt(const QString& t, int i)
{
    return t[i] == QLatin1Char('\r') && i + 1 < t.size() && t[i + 1] == QLatin1Char('\n');
}

static int memoPosition(const QString& lineText, int pos)
{
    int m = 0;
    for (int i = 0; i < pos && i < lineText.size(); ++i, ++m)
        if (crLfAt(lineText, i)) ++i;
    return m;
}

static int linePosition(const QString& lineText, int memoPos)
{
    int i = 0;
    for (int m = 0; m < memoPos && i < lineText.size(); ++m) i += crLfAt(lineText, i) ? 2 : 1;
    return i;
}

// The multi-line edit window's text as the edit line holds it.
static QString lineTextOf(const QPlainTextEdit* memo)
{
    QString t = memo->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    t.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return t;
}

TInplaceMemo::TInplaceMemo(TNewInplaceEdit* owner)
    : QPlainTextEdit(owner), m_owner(owner)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document()->setDocumentMargin(2);  // where the cell draws its text
    hide();
}

bool TInplaceMemo::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QPlainTextEdit::event(event);
    m_passedKey = nullptr;
    QPointer<TInplaceMemo> self(this);
    const bool result = QPlainTextEdit::event(event);
    if (self && !event->isAccepted()) m_passedKey = event;
    return result;
}

void TInplaceMemo::keyPressEvent(QKeyEvent* event)
{
    m_owner->HandleKey(event, [this](QKeyEvent* key) { QPlainTextEdit::keyPressEvent(key); });
}

bool TInplaceMemo::focusNextPrevChild(bool next)
{
    // Not the text window's own Tab: the edit line below decides, as it
    // does for one line (the grid's navigation or the next control).
    return QWidget::focusNextPrevChild(next);
}

TNewInplaceEdit::TNewInplaceEdit(TCellGrid* grid)
    : TInplaceEdit(grid)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        // the cell keeps its text until the editor closes
        if (EditCol >= 0 && EditRow >= 0) RestoreText = Grid()->Cells(EditCol, EditRow);
    });
    connect(this, &QLineEdit::textChanged, this, &TNewInplaceEdit::textToMemo);
    connect(this, &QLineEdit::cursorPositionChanged, this, &TNewInplaceEdit::selectionToMemo);
    connect(this, &QLineEdit::selectionChanged, this, &TNewInplaceEdit::selectionToMemo);
}

void TNewInplaceEdit::setMultiLine(bool on)
{
    MultiLine = on;
    if (!on) {
        if (m_memo && !m_memo->isHidden()) {
            const bool focused = hasFocus();
            setFocusProxy(nullptr);
            m_memo->hide();
            if (focused) setFocus();
        }
        return;
    }
    if (!m_memo) {
        m_memo = new TInplaceMemo(this);
        connect(m_memo, &QPlainTextEdit::textChanged, this, &TNewInplaceEdit::memoToLine);
        connect(m_memo, &QPlainTextEdit::cursorPositionChanged, this, &TNewInplaceEdit::memoToLine);
        connect(m_memo, &QPlainTextEdit::selectionChanged, this, &TNewInplaceEdit::memoToLine);
    }
    QTextOption option = m_memo->document()->defaultTextOption();
    option.setAlignment(alignment() & Qt::AlignHorizontal_Mask);
    m_memo->document()->setDefaultTextOption(option);
    textToMemo();
    if (m_memo->isHidden()) {
        const bool focused = hasFocus();
        m_memo->setGeometry(rect());
        setFocusProxy(m_memo);
        m_memo->show();
        if (focused) m_memo->setFocus();
    }
}

void TNewInplaceEdit::textToMemo()
{
    if (!m_memo || !MultiLine || m_syncing) return;
    m_syncing = true;
    const QString now = text();
    if (lineTextOf(m_memo) != now) m_memo->setPlainText(now);
    m_syncing = false;
    selectionToMemo();
}

void TNewInplaceEdit::selectionToMemo()
{
    if (!m_memo || !MultiLine || m_syncing) return;
    m_syncing = true;
    const QString t = text();
    int anchor = cursorPosition();
    const int pos = anchor;
    if (hasSelectedText()) {
        const int start = selectionStart();
        anchor = pos == start ? start + selectionLength() : start;
    }
    const int last = m_memo->document()->characterCount() - 1;
    QTextCursor cursor = m_memo->textCursor();
    cursor.setPosition(qMin(memoPosition(t, anchor), last));
    cursor.setPosition(qMin(memoPosition(t, pos), last), QTextCursor::KeepAnchor);
    m_memo->setTextCursor(cursor);
    m_syncing = false;
}

void TNewInplaceEdit::memoToLine()
{
    if (!m_memo || !MultiLine || m_syncing) return;
    m_syncing = true;
    const QString t = lineTextOf(m_memo);
    const bool edited = t != text();
    if (edited) setText(t);
    const QTextCursor cursor = m_memo->textCursor();
    const int anchor = linePosition(t, cursor.anchor());
    const int pos = linePosition(t, cursor.position());
    if (anchor == pos) setCursorPosition(pos);
    else setSelection(anchor, pos - anchor);
    m_syncing = false;
    if (edited) emit textEdited(t);
}

bool TNewInplaceEdit::EditKeyEvent(QEvent* event)
{
    if (!MultiLine || !m_memo) return TInplaceEdit::EditKeyEvent(event);
    if (event == m_memo->m_passedKey) {
        // the edit window had it and left it: on to the grid, unhandled
        m_memo->m_passedKey = nullptr;
        event->ignore();
        return false;
    }
    QPointer<TInplaceMemo> memo(m_memo);
    const bool result = static_cast<QObject*>(m_memo)->event(event);
    if (memo) memo->m_passedKey = nullptr;
    return result;
}

void TNewInplaceEdit::resizeEvent(QResizeEvent* event)
{
    TInplaceEdit::resizeEvent(event);
    if (m_memo) m_memo->setGeometry(rect());
}

TCellGrid* TNewInplaceEdit::cellGrid() const
{
    return static_cast<TCellGrid*>(Grid());
}

static Qt::Alignment editAlignment(TMyAlign a)
{
    switch (a) {
    case alLeft: return Qt::AlignLeft | Qt::AlignTop;
    case alCenter: return Qt::AlignHCenter | Qt::AlignTop;
    case alRight:
    case alDefault:
    default: return Qt::AlignRight | Qt::AlignTop;
    }
}

void TNewInplaceEdit::UpdateContents()
{
    TInplaceEdit::UpdateContents();
    TCellGrid* g = cellGrid();
    EditCol = g->Col();
    EditRow = g->Row();
    const TMyAlign a = g->AlignCell(EditCol, EditRow);
    if (a != Alignment || alignment() != editAlignment(a)) {
        const int start = selectionStart();
        const int length = selectionLength();
        const int cursor = cursorPosition();
        Alignment = a;
        setAlignment(editAlignment(a));
        if (start >= 0) setSelection(start, length);
        else setCursorPosition(cursor);
        const QRect r = g->CellRect(EditCol, EditRow);
        if (!r.isEmpty()) setGeometry(r);
    }
    const TFont& font = g->EffectiveFont(EditCol, EditRow);
    setFont(font.toQFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQColor(g->GetColorCell(EditCol, EditRow)));
    pal.setColor(QPalette::Text, ColorToQColor(font.Color()));
    setPalette(pal);
    setMultiLine(g->EditMultiline());
}

void TNewInplaceEdit::PasteText(QString text)
{
    if (isReadOnly()) return;
    TCellGrid* g = cellGrid();
    if (g->OnPasteText && EditCol >= 0 && EditRow >= 0) g->OnPasteText(g, EditCol, EditRow, text);
    if (MultiLine && m_memo) m_memo->insertPlainText(text);
    else insert(text);
}

void TNewInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    if (!(MultiLine && m_memo) && event->matches(QKeySequence::Paste)) {
        PasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        event->accept();
        return;
    }
    TInplaceEdit::keyPressEvent(event);
}

void TNewInplaceEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = ContextMenuPastingThrough(this, [this](const QString& text) { PasteText(text); });
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TNewInplaceEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (!PasteSelectionOnMiddleClick(this, event, [this](const QString& text) { PasteText(text); }))
        TInplaceEdit::mouseReleaseEvent(event);
}

void TNewInplaceEdit::dropEvent(QDropEvent* event)
{
    if (!PasteDroppedText(this, event, [this](const QString& text) { PasteText(text); }))
        TInplaceEdit::dropEvent(event);
}

void TNewInplaceEdit::focusInEvent(QFocusEvent* event)
{
    SelectionSaved = false;
    TInplaceEdit::focusInEvent(event);
}

void TNewInplaceEdit::focusOutEvent(QFocusEvent* event)
{
    SelectionSaved = true;
    SavedSelStart = hasSelectedText() ? selectionStart() : cursorPosition();
    SavedSelLength = hasSelectedText() ? selectionLength() : 0;
    TInplaceEdit::focusOutEvent(event);
}

bool TNewInplaceEdit::KeyDownHook(QKeyEvent* event)
{
    if (MultiLine) {
        switch (event->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return false;  // they move the caret
        default:
            break;
        }
    }
    return TInplaceEdit::KeyDownHook(event);
}

void TNewInplaceEdit::KeyPress(QChar& key)
{
    TCellGrid* g = cellGrid();
    if (EditCol < 0 || EditRow < 0) {
        key = QChar(0);
        return;
    }
    if (key == QChar('\r')) {
        if (!MultiLine) {
            g->postEditMessage(TCellGrid::msgEnterEdit, EditCol, EditRow);
        } else if (!g->EditCell(EditCol, EditRow)) {
            key = QChar(0);
        } else {
            // a new line in the text; the grid leaves Enter alone here
            if (m_memo) m_memo->insertPlainText(QStringLiteral("\n"));
            key = QChar(0);
        }
    } else if (key == QChar(27) && !MultiLine) {
        setText(RestoreText);
        g->postEditMessage(TCellGrid::msgCancelEdit, EditCol, EditRow);
        key = QChar('\r');
    } else if (key == QChar(9)) {
        key = QChar(0);
    }
    if (key.isNull()) return;
    TInplaceEdit::KeyPress(key);
}

// -------------------------------------------------------------- TCellGrid

TCellGrid::TCellGrid(QWidget* parent)
    : TStringGrid(parent)
{
    m_editable = true;
    m_hintsLoaded = false;
    m_cellsLoaded = false;
    m_restoreEditor = false;
    InitValues();
    UpdateThumbTracking();
}

TCellGrid::~TCellGrid() = default;

void TCellGrid::InitValues()
{
    m_cols.clear();
    m_rows.clear();
    m_fixedColsP.clear();
    m_fixedRowsP.clear();
    m_cellProps.clear();
    m_hints.clear();
    m_loadedCells = std::make_unique<std::map<Key, QString>>();
    m_alignment = alLeft;
    m_wordwrap = ww_none;
    m_editable = true;
    m_fixedColor = clBtnFace;
    m_selectedCellColor = clActiveCaption;
    m_selectedFontColor = clWhite;
    m_showCellHints = true;
    m_selectEditText = true;
    m_editMultiline = false;
    m_autoEditNextCell = false;
    m_nextCellEdit = nc_rightdown;
    m_nextCellTab = nc_rightdown;
    m_afterLastCellEdit = lc_newcolrow;
    m_afterLastCellTab = lc_first;
    m_drawSelection = true;
    m_autoAdjustLastCol = false;
    m_redrawWhileScroll = false;
    SetGridLineWidth(1);
    m_hintCell = {-1, -1};
    m_fixedBrush.SetColor(m_fixedColor);
    m_fixedBrush.SetStyle(bsSolid);
    m_fixedFont.Assign(TFont());
    watch(m_fixedBrush);
    watch(m_fixedFont);
    OnCompareCol = OwnCompare{this, true};
    OnCompareRow = OwnCompare{this, false};
}

void TCellGrid::watch(TFont& font)
{
    font.OnChange = [this] { repaintRequest(); };
}

void TCellGrid::watch(TBrush& brush)
{
    brush.OnChange = [this] { repaintRequest(); };
}

// ----- grid-wide values

void TCellGrid::SetAlignment(TMyAlign value)
{
    m_alignment = value;
    InvalidateGrid();
}

void TCellGrid::SetWordwrap(T_Wordwrap value)
{
    m_wordwrap = value;
    InvalidateGrid();
}

void TCellGrid::SetFixedColor(TColor value)
{
    m_fixedColor = value;
    m_fixedBrush.SetColor(value);
    InvalidateGrid();
}

void TCellGrid::SetSelectedCellColor(TColor value)
{
    m_selectedCellColor = value;
    InvalidateGrid();
}

void TCellGrid::SetSelectedFontColor(TColor value)
{
    m_selectedFontColor = value;
    InvalidateGrid();
}

void TCellGrid::SetDrawSelection(bool value)
{
    m_drawSelection = value;
    InvalidateGrid();
}

// ----- records

const TCellProperties* TCellGrid::find(const RecordList& list, int i)
{
    auto it = list.find(i);
    return it == list.end() ? nullptr : it->second.get();
}

const TCellProperties* TCellGrid::CellProperties(int c, int r) const
{
    auto it = m_cellProps.find({c, r});
    return it == m_cellProps.end() ? nullptr : it->second.get();
}

TCellProperties* TCellGrid::record(RecordList& list, int i)
{
    if (i < 0) return nullptr;
    auto& slot = list[i];
    if (!slot) slot = std::make_unique<TCellProperties>(this);
    return slot.get();
}

TCellProperties* TCellGrid::cellRecord(int c, int r)
{
    if (c < 0 || r < 0) return nullptr;
    auto& slot = m_cellProps[{c, r}];
    if (!slot) slot = std::make_unique<TCellProperties>(this);
    return slot.get();
}

void TCellGrid::cascade(int c, int r, const TCellProperties* out[3]) const
{
    const bool fixed = IsFixedCell(c, r);
    out[0] = CellProperties(c, r);
    out[1] = find(fixed ? m_fixedColsP : m_cols, c);
    out[2] = find(fixed ? m_fixedRowsP : m_rows, r);
}

TMyAlign TCellGrid::AlignCell(int c, int r) const
{
    const TCellProperties* recs[3];
    cascade(c, r, recs);
    for (const TCellProperties* p : recs)
        if (p && p->Align != alDefault) return p->Align;
    return m_alignment == alDefault ? alLeft : m_alignment;
}

T_Wordwrap TCellGrid::WordwrapCell(int c, int r) const
{
    const TCellProperties* recs[3];
    cascade(c, r, recs);
    for (const TCellProperties* p : recs)
        if (p && p->Wordwrap != ww_default) return p->Wordwrap;
    return m_wordwrap == ww_default ? ww_none : m_wordwrap;
}

bool TCellGrid::EditCell(int c, int r) const
{
    const TCellProperties* recs[3];
    cascade(c, r, recs);
    for (const TCellProperties* p : recs)
        if (p && p->Editable != 0) return p->Editable == 2;
    return m_editable;
}

const TFont& TCellGrid::EffectiveFont(int c, int r) const
{
    const TCellProperties* recs[3];
    cascade(c, r, recs);
    for (const TCellProperties* p : recs)
        if (p && p->Font()) return *p->Font();
    if (IsFixedCell(c, r)) return m_fixedFont;
    return Font();
}

const TBrush& TCellGrid::EffectiveBrush(int c, int r) const
{
    const TCellProperties* recs[3];
    cascade(c, r, recs);
    for (const TCellProperties* p : recs)
        if (p && p->Brush()) return *p->Brush();
    if (IsFixedCell(c, r)) return m_fixedBrush;
    return Brush();
}

TColor TCellGrid::SelectedColorCell(int c, int r) const
{
    const TCellProperties* recs[3] = {CellProperties(c, r), find(m_cols, c), find(m_rows, r)};
    for (const TCellProperties* p : recs)
        if (p && p->SelectedBrush()) return p->SelectedBrush()->Color();
    return m_selectedCellColor;
}

TColor TCellGrid::SelectedFontColorCell(int c, int r) const
{
    const TCellProperties* recs[3] = {CellProperties(c, r), find(m_cols, c), find(m_rows, r)};
    for (const TCellProperties* p : recs)
        if (p && p->SelectedFont()) return p->SelectedFont()->Color();
    return m_selectedFontColor;
}

TColor TCellGrid::GetColorCell(int c, int r) const
{
    return EffectiveBrush(c, r).Color();
}

QString TCellGrid::HintCell(int c, int r) const
{
    auto it = m_hints.find({c, r});
    return it == m_hints.end() ? QString() : it->second;
}

void TCellGrid::SetAlignCell(int c, int r, TMyAlign value)
{
    if (TCellProperties* p = cellRecord(c, r)) p->Align = value;
    InvalidateGrid();
}

void TCellGrid::SetAlignCol(int i, TMyAlign value)
{
    if (TCellProperties* p = record(m_cols, i)) p->Align = value;
    InvalidateGrid();
}

void TCellGrid::SetFixedAlignCol(int i, TMyAlign value)
{
    if (TCellProperties* p = record(m_fixedColsP, i)) p->Align = value;
    InvalidateGrid();
}

void TCellGrid::SetAlignRow(int i, TMyAlign value)
{
    if (TCellProperties* p = record(m_rows, i)) p->Align = value;
    InvalidateGrid();
}

void TCellGrid::SetFixedAlignRow(int i, TMyAlign value)
{
    if (TCellProperties* p = record(m_fixedRowsP, i)) p->Align = value;
    InvalidateGrid();
}

void TCellGrid::SetEditCell(int c, int r, bool value)
{
    if (TCellProperties* p = cellRecord(c, r)) p->Editable = value ? 2 : 1;
}

void TCellGrid::SetEditCol(int i, bool value)
{
    if (TCellProperties* p = record(m_cols, i)) p->Editable = value ? 2 : 1;
}

void TCellGrid::SetEditRow(int i, bool value)
{
    if (TCellProperties* p = record(m_rows, i)) p->Editable = value ? 2 : 1;
}

namespace {
template <typename Rec>
TMyFont* fontOf(Rec* p, const TFont& from)
{
    if (!p) return nullptr;
    if (!p->Font()) p->SetFont(&from);
    return p->Font();
}
template <typename Rec>
TMyBrush* brushOf(Rec* p, const TBrush& from)
{
    if (!p) return nullptr;
    if (!p->Brush()) p->SetBrush(&from);
    return p->Brush();
}
}  // namespace

TMyFont* TCellGrid::FontCell(int c, int r) { return fontOf(cellRecord(c, r), Font()); }
TMyFont* TCellGrid::FontCol(int i) { return fontOf(record(m_cols, i), Font()); }
TMyFont* TCellGrid::FontFixedCol(int i) { return fontOf(record(m_fixedColsP, i), Font()); }
TMyFont* TCellGrid::FontRow(int i) { return fontOf(record(m_rows, i), Font()); }
TMyFont* TCellGrid::FontFixedRow(int i) { return fontOf(record(m_fixedRowsP, i), Font()); }
TMyBrush* TCellGrid::BrushCell(int c, int r) { return brushOf(cellRecord(c, r), Brush()); }
TMyBrush* TCellGrid::BrushCol(int i) { return brushOf(record(m_cols, i), Brush()); }
TMyBrush* TCellGrid::BrushFixedCol(int i) { return brushOf(record(m_fixedColsP, i), Brush()); }
TMyBrush* TCellGrid::BrushRow(int i) { return brushOf(record(m_rows, i), Brush()); }
TMyBrush* TCellGrid::BrushFixedRow(int i) { return brushOf(record(m_fixedRowsP, i), Brush()); }

void TCellGrid::SetColorCell(int c, int r, TColor color)
{
    if (TMyBrush* b = BrushCell(c, r)) b->SetColor(color);
    InvalidateGrid();
}

static TBrush solid(TColor color)
{
    TBrush b;
    b.SetColor(color);
    b.SetStyle(bsSolid);
    return b;
}

void TCellGrid::SetSelectedColorCell(int c, int r, TColor color)
{
    const TBrush b = solid(color);
    if (TCellProperties* p = cellRecord(c, r)) p->SetSelectedBrush(&b);
    InvalidateGrid();
}

void TCellGrid::SetSelectedColorCol(int i, TColor color)
{
    const TBrush b = solid(color);
    if (TCellProperties* p = record(m_cols, i)) p->SetSelectedBrush(&b);
    InvalidateGrid();
}

void TCellGrid::SetSelectedColorRow(int i, TColor color)
{
    const TBrush b = solid(color);
    if (TCellProperties* p = record(m_rows, i)) p->SetSelectedBrush(&b);
    InvalidateGrid();
}

// ----- drawing

void TCellGrid::DrawCell(int c, int r, const QRect& rect, TGridDrawState state)
{
    QRect work = rect;
    DrawCellBackground(c, r, work, state);
    if (DefaultDrawing()) DrawCellText(c, r, work, state);
    if (OnDrawCell) OnDrawCell(this, c, r, work, state);
}

void TCellGrid::DrawCellBackground(int c, int r, QRect& rect, TGridDrawState state)
{
    TGridCanvas& canvas = Canvas();
    canvas.Font = EffectiveFont(c, r);
    canvas.Brush = EffectiveBrush(c, r);
    if (m_drawSelection && (state & gdSelected)) {
        const bool keepOwn = (state & gdFocused) && !(Options() & (goDrawFocusSelected | goRowSelect));
        if (!keepOwn) {
            canvas.Brush.SetColor(SelectedColorCell(c, r));
            canvas.Font.SetColor(SelectedFontColorCell(c, r));
        }
    }
    if (!DefaultDrawing()) return;
    canvas.FillRect(rect);
    const bool fixed = state & gdFixed;
    const TGridOptions o = Options();
    // Where no line is drawn the cell reaches over the line's place.
    if (!(o & (fixed ? goFixedVertLine : goVertLine))) rect.setBottom(rect.bottom() + GridLineWidth());
    if (!(o & (fixed ? goFixedHorzLine : goHorzLine))) rect.setRight(rect.right() + GridLineWidth());
    canvas.TransparentText = true;
}

void TCellGrid::DrawCellText(int c, int r, QRect& rect, TGridDrawState state)
{
    if (!DefaultDrawing()) return;
    rect.adjust(2, 2, -2, -2);  // OnDrawCell gets the text area
    const QRect area = rect;
    QPainter* p = Canvas().Painter();
    if (!p) return;
    QString text = Cells(c, r);
    if (text.isEmpty()) return;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    int flags = Qt::AlignTop;
    switch (AlignCell(c, r)) {
    case alRight: flags |= Qt::AlignRight; break;
    case alCenter: flags |= Qt::AlignHCenter; break;
    default: flags |= Qt::AlignLeft; break;
    }
    const QFont font = Canvas().Font.toQFont();
    p->setFont(font);
    p->setPen(ColorToQColor(Canvas().Font.Color(), Canvas().Palette()));
    switch (WordwrapCell(c, r)) {
    case ww_wordwrap:
        flags |= Qt::TextWordWrap;
        break;
    case ww_ellipsis: {
        const QFontMetrics fm(font);
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines) line = fm.elidedText(line, Qt::ElideRight, qMax(0, area.width()));
        text = lines.join(QLatin1Char('\n'));
        break;
    }
    default:
        break;
    }
    p->drawText(area, flags, text);
}

// ----- editor

TInplaceEdit* TCellGrid::CreateEditor()
{
    return new TNewInplaceEdit(this);
}

TNewInplaceEdit* TCellGrid::editor() const
{
    return static_cast<TNewInplaceEdit*>(InplaceEditor());
}

TGridCoord TCellGrid::EditedCell() const
{
    if (TNewInplaceEdit* e = editor()) return {e->EditCol, e->EditRow};
    return {-1, -1};
}

void TCellGrid::postEditMessage(EditMessage msg, int c, int r)
{
    QCoreApplication::postEvent(this, new TGridEditEvent(msg, c, r));
}

bool TCellGrid::CanEditShow()
{
    EnsureEditor();
    TNewInplaceEdit* ed = editor();
    if ((Options() & goAlwaysShowEditor) && !EditorMode()) {
        ShowEditor();
        if (EditorVisible()) ed->Deselect();
    }
    bool answer = TStringGrid::CanEditShow();
    if (ed->EditCol != Col() || ed->EditRow != Row()) {
        if (ed->EditCol >= 0 && ed->EditRow >= 0) postEditMessage(msgLeaveCell, ed->EditCol, ed->EditRow);
        ed->BeforeEditMark = false;
    }
    answer = answer && EditCell(Col(), Row());
    if (answer) {
        if (!ed->BeforeEditMark) {
            ed->BeforeEditMark = true;
            TGridEditEvent before(msgBeforeEdit, Col(), Row());
            QCoreApplication::sendEvent(this, &before);
            ed->RestoreText = Cells(Col(), Row());
        }
        if (!m_selectEditText) ed->Deselect();
    } else {
        ed->EditCol = -1;
        ed->EditRow = -1;
        if (EditorMode()) HideEditor();
    }
    return answer;
}

void TCellGrid::KeyPress(QChar& key)
{
    if (m_editMultiline && key == QChar('\r')) return;
    TStringGrid::KeyPress(key);
}

void TCellGrid::CharTyped(QChar ch)
{
    if ((Options() & goEditing) && (ch == QChar(8) || ch.isPrint())) {
        ShowEditorChar(ch);
        if (!EditorMode()) {
            QChar key = ch;
            KeyPress(key);
        }
        return;
    }
    TStringGrid::CharTyped(ch);
}

bool TCellGrid::endEdit(int c, int r)
{
    m_editInProgress = false;
    if (TNewInplaceEdit* ed = editor()) ed->BeforeEditMark = false;
    if (c < 0 || r < 0) return true;
    if (c >= ColCount() || r >= RowCount()) return true;  // the cell is gone
    bool valid = true;
    if (OnValidateEdit) OnValidateEdit(this, c, r, valid);
    if (valid) {
        if (OnAfterEdit) OnAfterEdit(this, c, r);
        return true;
    }
    FocusCell(c, r, true);
    ShowEditor();
    m_editInProgress = true;
    return false;
}

void TCellGrid::handleEnter(int c, int r)
{
    endEdit(c, r);
    if (!m_autoEditNextCell || m_editInProgress || c < 0 || r < 0) return;
    int nc = c, nr = r;
    if (!NextEditableCell(nc, nr) || nc < 0 || nr < 0) return;
    if (TNewInplaceEdit* ed = editor()) {
        ed->EditCol = -1;
        ed->EditRow = -1;
    }
    FocusCell(nc, nr, true);
    ShowEditor();
    m_editInProgress = true;
}

bool TCellGrid::commitEdit()
{
    QCoreApplication::sendPostedEvents(this, 0);
    bool ok = true;
    TNewInplaceEdit* ed = editor();
    if (ed && EditorMode() && EditorVisible()) {
        const int c = Col(), r = Row();
        HideEditor();
        ed->EditCol = -1;
        ed->EditRow = -1;
        ok = endEdit(c, r);
    }
    QCoreApplication::sendPostedEvents(this, 0);
    return ok;
}

void TCellGrid::customEvent(QEvent* event)
{
    const int type = int(event->type());
    if (type < msgCancelEdit || type > msgRestoreEditor) {
        TStringGrid::customEvent(event);
        return;
    }
    auto* e = static_cast<TGridEditEvent*>(event);
    const int c = e->col, r = e->row;
    switch (type) {
    case msgCancelEdit:
        m_editInProgress = false;
        if (TNewInplaceEdit* ed = editor()) ed->BeforeEditMark = false;
        if (c >= 0 && r >= 0 && c < ColCount() && r < RowCount() && OnCancelEdit) OnCancelEdit(this, c, r);
        break;
    case msgEnterEdit:
        handleEnter(c, r);
        break;
    case msgLeaveCell:
        endEdit(c, r);
        break;
    case msgBeforeEdit:
        if (c >= 0 && r >= 0 && OnBeforeEdit) OnBeforeEdit(this, c, r);
        m_editInProgress = true;
        break;
    case msgRestoreEditor:
        ShowEditor();
        if (TNewInplaceEdit* ed = editor(); ed && EditorVisible()) {
            if (m_savedSelLength == -1) ed->selectAll();
            else ed->setSelection(m_savedSelStart, m_savedSelLength);
        }
        break;
    }
}

void TCellGrid::DoEnter()
{
    if (m_restoreEditor && (Options() & goAlwaysShowEditor))
        postEditMessage(msgRestoreEditor, Col(), Row());
}

void TCellGrid::DoExit()
{
    TNewInplaceEdit* ed = editor();
    if (!ed || !EditorMode()) return;
    m_restoreEditor = true;
    if (ed->SelectionSaved) {
        m_savedSelStart = ed->SavedSelStart;
        m_savedSelLength = ed->SavedSelLength;
    } else {
        m_savedSelStart = ed->hasSelectedText() ? ed->selectionStart() : ed->cursorPosition();
        m_savedSelLength = ed->hasSelectedText() ? ed->selectionLength() : 0;
    }
    m_editInProgress = false;
    if (EditorVisible()) {
        const int c = Col(), r = Row();
        HideEdit();
        ed->EditCol = -1;  // this edit ends here, not again on the next move
        ed->EditRow = -1;
        // A grid that takes the focus back makes the grid that had just
        // got it lose it again; that one's failed validation must not
        // take the focus once more.
        const bool nested = s_exitValidating;
        s_exitValidating = true;
        const bool valid = endEdit(c, r);
        if (!valid && !nested) {
            // the cell stays in editing: back into the grid with its editor
            setFocus(Qt::OtherFocusReason);
            ShowEditor();
            m_editInProgress = true;
            s_exitValidating = nested;
            return;
        }
        s_exitValidating = nested;
        m_editInProgress = false;
    }
    HideEditor();
}

void TCellGrid::FontChanged()
{
    TStringGrid::FontChanged();
    if (TNewInplaceEdit* ed = editor()) {
        ed->setFont(EffectiveFont(Col(), Row()).toQFont());
        ed->setTextMargins(0, 0, 0, 0);
        ed->end(false);
    }
}

// ----- hints

bool TCellGrid::showHint(QHelpEvent* event)
{
    const TGridCoord cell = MouseCoord(event->pos().x(), event->pos().y());
    m_hintCell = cell;
    const QRect rect = CellRect(cell.X, cell.Y);
    THintInfo info;
    info.CursorRect = rect;
    info.HintPos = viewport()->mapToGlobal(QPoint(rect.left(), rect.bottom() + 1 + 6));
    QString text = HintCell(cell.X, cell.Y);
    bool canShow = true;
    if (OnShowHintCell) OnShowHintCell(this, cell.X, cell.Y, text, canShow, info);
    if (canShow && !text.isEmpty()) QToolTip::showText(info.HintPos, text, viewport(), info.CursorRect);
    else QToolTip::hideText();
    return true;
}

bool TCellGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_showCellHints) return showHint(static_cast<QHelpEvent*>(event));
    return TStringGrid::viewportEvent(event);
}

void TCellGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (m_hintCell.X >= 0 || m_hintCell.Y >= 0) {
        const QPoint pos = MousePos(event);
        if (MouseCoord(pos.x(), pos.y()) != m_hintCell) {
            QToolTip::hideText();
            m_hintCell = {-1, -1};
        }
    }
    TStringGrid::mouseMoveEvent(event);
}

// ----- form entries

bool TCellGrid::readPropList(const DfmValue& value, int keys, std::function<void(int, int, std::unique_ptr<TCellProperties>)> put)
{
    if (value.kind != DfmValue::List) return true;
    const QList<DfmValue>& items = value.items;
    int pos = 0;
    while (pos < items.size()) {
        qint64 a = 0, b = 0;
        if (!takeInt(items, pos, a)) break;
        if (keys == 2 && !takeInt(items, pos, b)) break;
        auto rec = std::make_unique<TCellProperties>(this);
        bool broken = false;
        for (;;) {
            qint64 tag = 0;
            if (pos >= items.size()) break;  // the group ends with the list
            if (!takeInt(items, pos, tag)) { broken = true; break; }
            if (tag == 0) break;
            if (tag < 1 || tag > 7) continue;
            if (!rec->ReadProperty(int(tag), items, pos)) { broken = true; break; }
        }
        put(index16(a), index16(b), std::move(rec));
        if (broken) break;
    }
    InvalidateGrid();
    return true;
}

bool TCellGrid::readOldBinary(const QString& name, const QByteArray& bytes)
{
    const bool cell = sameName(name, "AlignCell") || sameName(name, "EditCell");
    const bool edit = name.startsWith(QLatin1String("Edit"), Qt::CaseInsensitive);
    const int size = cell ? 5 : 3;
    auto u16 = [&bytes](int at) { return int(quint8(bytes[at])) | (int(quint8(bytes[at + 1])) << 8); };
    RecordList* list = nullptr;
    if (sameName(name, "AlignCol") || sameName(name, "EditCol")) list = &m_cols;
    else if (sameName(name, "FixedAlignCol")) list = &m_fixedColsP;
    else if (sameName(name, "AlignRow") || sameName(name, "EditRow")) list = &m_rows;
    else if (sameName(name, "FixedAlignRow")) list = &m_fixedRowsP;
    for (int at = 0; at + size <= bytes.size(); at += size) {  // a partial record at the end is ignored
        const int value = quint8(bytes[at + size - 1]);
        TCellProperties* p = cell ? cellRecord(u16(at), u16(at + 2)) : record(*list, u16(at));
        if (edit) {
            if (value <= 1) p->Editable = quint8(value + 1);
        } else if (value <= alDefault) {
            p->Align = TMyAlign(value);
        }
    }
    InvalidateGrid();
    return true;
}

bool TCellGrid::readOldList(const QString& name, const QList<DfmValue>& items)
{
    QString rest;
    enum { kFont, kBrush, kColor, kSelected } what;
    if (name.startsWith(QLatin1String("SelectedColor"), Qt::CaseInsensitive)) { what = kSelected; rest = name.mid(13); }
    else if (name.startsWith(QLatin1String("Font"), Qt::CaseInsensitive)) { what = kFont; rest = name.mid(4); }
    else if (name.startsWith(QLatin1String("Brush"), Qt::CaseInsensitive)) { what = kBrush; rest = name.mid(5); }
    else { what = kColor; rest = name.mid(5); }
    const bool cell = sameName(rest, "Cell");
    RecordList* list = sameName(rest, "Col") ? &m_cols
                     : sameName(rest, "FixedCol") ? &m_fixedColsP
                     : sameName(rest, "Row") ? &m_rows
                     : sameName(rest, "FixedRow") ? &m_fixedRowsP : nullptr;
    int pos = 0;
    while (pos < items.size()) {
        qint64 a = 0, b = 0;
        if (!takeInt(items, pos, a)) break;
        if (cell && !takeInt(items, pos, b)) break;
        TCellProperties* p = cell ? cellRecord(index16(a), index16(b)) : record(*list, index16(a));
        bool usable = false;
        if (what == kFont) {
            TFont f;
            if (!takeFont(items, pos, f, usable)) break;
            if (usable) p->SetFont(&f);
        } else if (what == kBrush) {
            TBrush br;
            if (!takeBrush(items, pos, br, usable)) break;
            if (usable) p->SetBrush(&br);
        } else {
            qint64 color = 0;
            if (!takeInt(items, pos, color)) break;
            if (what == kColor) {
                if (!p->Brush()) p->SetBrush(&Brush());
                p->Brush()->SetColor(FormIntToColor(color));
            } else {
                const TBrush sb = solid(FormIntToColor(color));
                p->SetSelectedBrush(&sb);
            }
        }
    }
    InvalidateGrid();
    return true;
}

bool TCellGrid::ReadFormProperty(const QString& name, const DfmValue& value)
{
    auto is = [&name](const char* n) { return sameName(name, n); };
    bool b = false;
    auto boolean = [&value, &b]() {
        if (value.kind != DfmValue::Identifier) return false;
        if (sameName(value.text, "True")) b = true;
        else if (sameName(value.text, "False")) b = false;
        else return false;
        return true;
    };
    if (is("Cells") || is("HintCell")) {
        if (value.kind != DfmValue::List) return true;
        const bool cells = is("Cells");
        if (cells && !m_loadedCells) m_loadedCells = std::make_unique<std::map<Key, QString>>();
        auto& target = cells ? *m_loadedCells : m_hints;
        int pos = 0;
        while (pos < value.items.size()) {
            qint64 c = 0, r = 0;
            QString text;
            if (!takeInt(value.items, pos, c) || !takeInt(value.items, pos, r) || !takeString(value.items, pos, text)) break;
            target[{index16(c), index16(r)}] = text;
            (cells ? m_cellsLoaded : m_hintsLoaded) = true;
        }
        return true;
    }
    if (is("PropCell"))
        return readPropList(value, 2, [this](int c, int r, std::unique_ptr<TCellProperties> p) { m_cellProps[{c, r}] = std::move(p); });
    if (is("PropCol") || is("PropRow") || is("PropFixedCol") || is("PropFixedRow")) {
        RecordList& list = is("PropCol") ? m_cols : is("PropRow") ? m_rows : is("PropFixedCol") ? m_fixedColsP : m_fixedRowsP;
        return readPropList(value, 1, [&list](int i, int, std::unique_ptr<TCellProperties> p) { list[i] = std::move(p); });
    }
    static const char* binaryEntries[] = {"AlignCell", "AlignCol", "FixedAlignCol", "AlignRow", "FixedAlignRow",
                                          "EditCell", "EditCol", "EditRow"};
    for (const char* n : binaryEntries) {
        if (!is(n)) continue;
        if (value.kind == DfmValue::Binary) readOldBinary(name, value.bytes);
        return true;
    }
    static const char* listEntries[] = {"FontCell", "FontCol", "FontFixedCol", "FontRow", "FontFixedRow",
                                        "BrushCell", "BrushCol", "BrushFixedCol", "BrushRow", "BrushFixedRow",
                                        "ColorCell", "ColorCol", "ColorFixedCol", "ColorRow", "ColorFixedRow",
                                        "SelectedColorCell", "SelectedColorCol", "SelectedColorRow"};
    for (const char* n : listEntries) {
        if (!is(n)) continue;
        if (value.kind == DfmValue::List) readOldList(name, value.items);
        return true;
    }
    // published properties
    TColor color;
    if (is("Alignment")) { TMyAlign a; if (identOrdinal(value, {"alRight", "alLeft", "alCenter", "alDefault"}, a)) SetAlignment(a); return true; }
    if (is("Wordwrap")) { T_Wordwrap w; if (identOrdinal(value, {"ww_none", "ww_wordwrap", "ww_ellipsis", "ww_default"}, w)) SetWordwrap(w); return true; }
    if (is("FixedColor")) { if (colorValue(value, color)) SetFixedColor(color); return true; }
    if (is("SelectedCellColor")) { if (colorValue(value, color)) SetSelectedCellColor(color); return true; }
    if (is("SelectedFontColor")) { if (colorValue(value, color)) SetSelectedFontColor(color); return true; }
    static const std::initializer_list<const char*> nextNames = {"nc_rightdown", "nc_downright", "nc_leftdown", "nc_downleft",
                                                                 "nc_leftup", "nc_upleft", "nc_rightup", "nc_upright"};
    static const std::initializer_list<const char*> lastNames = {"lc_newcolrow", "lc_stop", "lc_first", "lc_exit"};
    if (is("NextCellEdit")) { T_nextcell n; if (identOrdinal(value, nextNames, n)) m_nextCellEdit = n; return true; }
    if (is("NextCellTab")) { T_nextcell n; if (identOrdinal(value, nextNames, n)) m_nextCellTab = n; return true; }
    if (is("AfterLastCellEdit")) { T_lastcell l; if (identOrdinal(value, lastNames, l)) m_afterLastCellEdit = l; return true; }
    if (is("AfterLastCellTab")) { T_lastcell l; if (identOrdinal(value, lastNames, l)) m_afterLastCellTab = l; return true; }
    struct BoolProp { const char* name; bool TCellGrid::*field; };
    static const BoolProp bools[] = {
        {"Editable", &TCellGrid::m_editable}, {"ShowCellHints", &TCellGrid::m_showCellHints},
        {"SelectEditText", &TCellGrid::m_selectEditText}, {"EditMultiline", &TCellGrid::m_editMultiline},
        {"AutoEditNextCell", &TCellGrid::m_autoEditNextCell}, {"DrawSelection", &TCellGrid::m_drawSelection},
        {"AutoAdjustLastCol", &TCellGrid::m_autoAdjustLastCol}, {"RedrawWhileScroll", &TCellGrid::m_redrawWhileScroll},
    };
    for (const BoolProp& p : bools) {
        if (!is(p.name)) continue;
        if (boolean()) this->*p.field = b;
        if (p.field == &TCellGrid::m_autoAdjustLastCol && m_autoAdjustLastCol) AdjustLastCol();
        if (p.field == &TCellGrid::m_redrawWhileScroll) UpdateThumbTracking();
        InvalidateGrid();
        return true;
    }
    if (is("ImeMode") || is("ImeName")) return true;  // no input method settings here
    return TStringGrid::ReadFormProperty(name, value);
}

void TCellGrid::writePropList(QList<DfmProperty>& out, const QString& name, const RecordList& list, int count) const
{
    DfmValue v = DfmValue::emptyList();
    for (const auto& [i, rec] : list) {
        if (i >= count) break;
        if (!rec || rec->IsEmpty()) continue;
        v.items << DfmValue::fromInt(i);
        rec->WriteProperties(v.items);
        v.items << DfmValue::fromInt(0);
    }
    out.append(DfmProperty{name, v, 0});
}

QList<DfmProperty> TCellGrid::WriteFormProperties() const
{
    QList<DfmProperty> out = TStringGrid::WriteFormProperties();
    auto put = [&out](const char* n, const DfmValue& v) { out.append(DfmProperty{QString::fromLatin1(n), v, 0}); };
    static const char* alignNames[] = {"alRight", "alLeft", "alCenter", "alDefault"};
    static const char* wrapNames[] = {"ww_none", "ww_wordwrap", "ww_ellipsis", "ww_default"};
    auto colorValueOf = [](TColor c) {
        const QString ident = ColorToIdent(c);
        return ident.isEmpty() ? DfmValue::fromInt(ColorToFormInt(c)) : DfmValue::fromIdent(ident);
    };
    auto boolIdent = [](bool v) { return DfmValue::fromIdent(v ? QStringLiteral("True") : QStringLiteral("False")); };
    if (m_alignment != alLeft) put("Alignment", DfmValue::fromIdent(QString::fromLatin1(alignNames[m_alignment])));
    if (m_wordwrap != ww_none) put("Wordwrap", DfmValue::fromIdent(QString::fromLatin1(wrapNames[m_wordwrap])));
    if (!m_editable) put("Editable", boolIdent(false));
    if (m_fixedColor != clBtnFace) put("FixedColor", colorValueOf(m_fixedColor));
    if (m_selectedCellColor != clActiveCaption) put("SelectedCellColor", colorValueOf(m_selectedCellColor));
    if (m_selectedFontColor != clWhite) put("SelectedFontColor", colorValueOf(m_selectedFontColor));
    if (!m_showCellHints) put("ShowCellHints", boolIdent(false));
    if (!m_selectEditText) put("SelectEditText", boolIdent(false));
    if (m_editMultiline) put("EditMultiline", boolIdent(true));
    if (m_autoEditNextCell) put("AutoEditNextCell", boolIdent(true));
    if (!m_drawSelection) put("DrawSelection", boolIdent(false));
    if (m_autoAdjustLastCol) put("AutoAdjustLastCol", boolIdent(true));
    if (m_redrawWhileScroll) put("RedrawWhileScroll", boolIdent(true));

    auto triples = [this](const std::map<Key, QString>& texts) {
        DfmValue v = DfmValue::emptyList();
        for (const auto& [key, text] : texts) {
            if (key.first >= ColCount() || key.second >= RowCount() || text.isEmpty()) continue;
            v.items << DfmValue::fromInt(key.first) << DfmValue::fromInt(key.second) << DfmValue::fromString(text);
        }
        return v;
    };
    if (m_hintsLoaded) put("HintCell", triples(m_hints));
    if (m_cellsLoaded) put("Cells", triples(cellTexts()));
    DfmValue cells = DfmValue::emptyList();
    for (const auto& [key, rec] : m_cellProps) {
        if (key.first >= ColCount() || key.second >= RowCount() || !rec || rec->IsEmpty()) continue;
        cells.items << DfmValue::fromInt(key.first) << DfmValue::fromInt(key.second);
        rec->WriteProperties(cells.items);
        cells.items << DfmValue::fromInt(0);
    }
    put("PropCell", cells);
    writePropList(out, QStringLiteral("PropCol"), m_cols, ColCount());
    writePropList(out, QStringLiteral("PropRow"), m_rows, RowCount());
    writePropList(out, QStringLiteral("PropFixedCol"), m_fixedColsP, ColCount());
    writePropList(out, QStringLiteral("PropFixedRow"), m_fixedRowsP, RowCount());
    return out;
}

void TCellGrid::Loaded()
{
    TStringGrid::Loaded();
    if (m_loadedCells) {
        std::vector<Key> old;
        for (const auto& [key, text] : cellTexts())
            if (key.first < ColCount() && key.second < RowCount()) old.push_back(key);
        for (const Key& k : old) SetCells(k.first, k.second, QString());
        for (const auto& [key, text] : *m_loadedCells)
            if (key.first < ColCount() && key.second < RowCount()) SetCells(key.first, key.second, text);
        m_loadedCells.reset();
    }
    m_restoreEditor = Options() & goAlwaysShowEditor;
    if (m_restoreEditor && m_selectEditText) m_savedSelLength = -1;
    DiscardEdit();
}
