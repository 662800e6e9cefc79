#include "platform/CurrencyEdit.h"
#include "platform/Numbers.h"
#include <QKeyEvent>
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
    t.remove(QLatin1Char('.'));  // thousands separators pasted from a shown value
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

void TCurrencyEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Leaving the field settles the typed text into a clean number.
    if (!isReadOnly()) SetValue(Value());
}

void TCurrencyEdit::keyPressEvent(QKeyEvent* event)
{
    const QString t = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!isReadOnly() && plain && (t == QLatin1String(".") || t == QLatin1String(","))) {
        if (!text().contains(DecimalSeparator) || selectedText().contains(DecimalSeparator))
            insert(QString(DecimalSeparator));
        return;
    }
    if (plain && !t.isEmpty() && t.at(0).isPrint()) {
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
