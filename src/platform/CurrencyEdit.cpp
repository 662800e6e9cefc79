#include "platform/CurrencyEdit.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/PasteMenu.h"
#include "platform/ResourceStrings.h"
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

TCurrencyEdit::TCurrencyEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

double TCurrencyEdit::Value() const
{
    QString t = text().trimmed();
    t.remove(QLatin1Char('.'));  // thousands separators ("1.500")
    double v = 0.0;
    if (t.isEmpty() || !TryStrToFloat(t, v) || !std::isfinite(v)) return 0.0;
    return v;
}

void TCurrencyEdit::SetValue(double value)
{
    if (!std::isfinite(value)) value = 0.0;
    const double scale = std::pow(10.0, m_decimals);
    const double rounded = std::round(value * scale) / scale;
    if (std::isfinite(rounded)) value = rounded;
    if (value == 0.0) value = 0.0;  // no "-0"
    const QString t = FloatToStr(value);
    if (t != text()) setText(t);
    update();
}

void TCurrencyEdit::SetDisplayFormat(const QString& format)
{
    m_displayFormat = format;
    update();
}

void TCurrencyEdit::SetDecimalPlaces(int places)
{
    m_decimals = qBound(0, places, 15);
}

QString TCurrencyEdit::DisplayText() const
{
    if (m_displayFormat.isEmpty()) return FloatToStr(Value());
    return FormatFloat(m_displayFormat, Value());
}

bool TCurrencyEdit::WholeNumbers() const
{
    if (m_displayFormat.isEmpty()) return m_decimals == 0;
    return !m_displayFormat.contains(QLatin1Char('.'));
}

QString TCurrencyEdit::PastedNumber(const QString& text) const
{
    // A whole-number field takes every point as a thousands separator, as
    // Value() does.
    if (WholeNumbers()) return text.trimmed();
    return PastedDecimalText(text);
}

void TCurrencyEdit::PasteText(const QString& text)
{
    if (isReadOnly()) return;
    const QString t = PastedNumber(text);
    if (t.isEmpty() && !hasSelectedText()) return;
    // The field takes no text that would not be a number; it keeps what it
    // held and says why.
    QString result = this->text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    result.replace(start, hasSelectedText() ? selectedText().size() : 0, t);
    result.remove(QLatin1Char('.'));
    result = result.trimmed();
    double v = 0;
    if (!result.isEmpty() && result != QLatin1String("-") && !TryStrToFloat(result, v)) {
        MessageDlg(FmtLoadResString(WholeNumbers() ? SInvalidInteger : SInvalidFloat, {text.trimmed()}), mtError,
                   mbOK);
        return;
    }
    insert(t);
}

QMenu* TCurrencyEdit::ContextMenu()
{
    return ContextMenuPastingThrough(this, [this](const QString& text) { PasteText(text); });
}

void TCurrencyEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (QMenu* menu = ContextMenu()) {
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }
}

void TCurrencyEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (!PasteSelectionOnMiddleClick(this, event, [this](const QString& text) { PasteText(text); }))
        QLineEdit::mouseReleaseEvent(event);
}

void TCurrencyEdit::dropEvent(QDropEvent* event)
{
    if (!PasteDroppedText(this, event, [this](const QString& text) { PasteText(text); })) QLineEdit::dropEvent(event);
}

void TCurrencyEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Leaving the field settles the typed text into a clean number.
    if (!isReadOnly()) SetValue(Value());
}

void TCurrencyEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) PasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        event->accept();
        return;
    }
    const QString t = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!isReadOnly() && plain && t == QLatin1String(".") && WholeNumbers()) {
        insert(t);  // a thousands separator
        return;
    }
    if (!isReadOnly() && plain && (t == QLatin1String(".") || t == QLatin1String(","))) {
        if (!text().contains(DecimalSeparator) || selectedText().contains(DecimalSeparator))
            insert(QString(DecimalSeparator));
        return;
    }
    // No other character goes in, also not with Alt, which the desktop may
    // hand on with its letter when no command takes it.
    if (!t.isEmpty() && t.at(0).isPrint()) {
        const QChar c = t.at(0);
        if (!c.isDigit() && c != QLatin1Char('-')) return;
    }
    QLineEdit::keyPressEvent(event);
}

void TCurrencyEdit::paintEvent(QPaintEvent* event)
{
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &p, this);
    QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
    r.adjust(2, 0, -2, 0);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.setFont(font());
    p.drawText(r, int(alignment()), DisplayText());
}
