#pragma once
// Text fields whose text goes into a Windows-1252 file: a character the
// code page cannot store is refused where it is typed or pasted, with a
// message that names the character and the field, and the field keeps the
// text it had before.
#include <QString>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

// The field's name for the message, asked when the message is shown so
// that it follows the language of the form.
using FieldNameFn = std::function<QString()>;

// Empty when `text` can be stored; else "Das Zeichen 'Δ' (U+0394) kann im
// Feld „<field>“ nicht gespeichert werden."
QString Cp1252FieldMessage(const QString& text, const QString& field);

// Watches `edit` (idempotent: a second call only replaces the name and
// `showAgain`).  A field that the message's taking of the focus has hidden
// (a grid's cell editor ends its edit) is handed to `showAgain`; shown
// again, it gets the focus back with the caret where it was.
void RefuseNonCp1252(QLineEdit* edit, FieldNameFn field, std::function<void()> showAgain = {});
void RefuseNonCp1252(QPlainTextEdit* edit, FieldNameFn field);
