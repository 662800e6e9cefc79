#pragma once
// Text helpers of the language files: string constants in the form-file
// notation and comma-separated lists.
#include <QString>
#include <QStringList>

// Decodes a string constant of the form-file notation:
//   'Datei'                  -> Datei
//   'Zeile 1'#13#10'Zeile 2' -> two lines
//   'It''s'                  -> It's
//   Datei                    -> Datei (unquoted text passes unchanged)
//   #8364                    -> the euro sign (the number is the Unicode
//                               character; "#" without digits is U+00FF)
// A value shorter than two characters, a value that ends inside quotes and
// a closing quote followed by anything but "#" give the empty text.  A
// number that names no Unicode character appends nothing.
//
// `codes` tells what a number below 256 means: in a text read as
// Windows-1252 it is that code page's byte ("#128" the euro sign, "#150"
// the en dash); in a Unicode text the character of that code point.
// Numbers from 256 up are Unicode characters either way.
enum class CharCodes { Unicode, Windows1252 };
QString DecodeQuotedLiteral(const QString& value, CharCodes codes = CharCodes::Unicode);

// Splits delimited text into its items: items are separated by `delimiter`
// or by blanks outside quotes; an item that starts with `quote` runs to the
// closing quote and keeps delimiters and blanks, a doubled quote inside it
// standing for one.  A delimiter at the very end adds an empty item; empty
// text gives no item.  "'first line','second line'" gives two items.
QStringList SplitDelimitedText(const QString& text, QChar delimiter = QLatin1Char(','),
                               QChar quote = QLatin1Char('\''));
