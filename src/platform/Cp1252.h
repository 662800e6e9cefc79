#pragma once
// Windows-1252 ("ANSI") text, the encoding of the program's INI files.
//
// Every byte decodes to one character; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control character
// of the same number and encode back, so any file survives a round trip
// byte for byte.
#include <QByteArray>
#include <QString>

QString DecodeCp1252(const QByteArray& bytes);
QString DecodeCp1252(const char* data, qsizetype size);

// False when `text` holds a character Windows-1252 cannot store; then
// `badIndex` (if given) receives its position in `text`.
bool TryEncodeCp1252(const QString& text, QByteArray& out, qsizetype* badIndex = nullptr);
bool CanEncodeCp1252(const QString& text);
// Characters that cannot be stored become '?' (for display only; files
// use TryEncodeCp1252 and refuse such text).
QByteArray EncodeCp1252Lossy(const QString& text);
// The same into `out`, which has room for text.size() bytes; returns the end.
char* EncodeCp1252Lossy(QStringView text, char* out);

// The character at `index` for a message, such as '€' (U+20AC); a surrogate pair
// counts as one character.
QString DescribeCharacter(const QString& text, qsizetype index);
