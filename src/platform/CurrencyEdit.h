#pragma once
// A numeric edit field.  Its text is the plain number with a decimal comma
// ("1234,5"); while the field has no focus it is shown through its display
// format (",0" integer with thousands separators, ",0.00" two decimals,
// "1.234,50").  In a whole-number field (a display format without
// decimals) a typed point is a thousands separator, as the field shows it;
// in a decimal field a typed point or comma becomes the decimal comma.
// Pasted text into a decimal field follows the usual writing of numbers
// (PastedDecimalText): with both a comma and a point in it, the last one
// is the decimal separator and the other groups thousands ("1,234.5",
// "1.234,5"); a single point alone is the decimal point ("2.5"), more than
// one are thousands separators.  Other characters than digits and the sign
// are not typed.
#include <QLineEdit>
#include <QString>

class QMenu;

class TCurrencyEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE SetDisplayFormat)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE SetDecimalPlaces)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);

    // The number of the text; 0 when the text is empty or no number.
    double Value() const;
    // Rounds to DecimalPlaces and puts the plain number into the text.
    void SetValue(double value);
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& format);
    int DecimalPlaces() const { return m_decimals; }
    void SetDecimalPlaces(int places);

    // The text as it is shown while the field has no focus.
    QString DisplayText() const;
    // True when the display format shows no decimals (",0").
    bool WholeNumbers() const;
    // `text` as the field takes it when pasted (see above).
    QString PastedNumber(const QString& text) const;
    // Inserts pasted `text` at the cursor, over the selection.  Text that
    // would leave no number in the field is refused with the conversion
    // message, and the field keeps what it held.
    void PasteText(const QString& text);
    // The field's context menu, whose "Paste" goes through PasteText.
    QMenu* ContextMenu();

signals:
    // Every change of the text, typed or set (the field's change event).
    void Change();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString m_displayFormat;
    int m_decimals = 2;
};
