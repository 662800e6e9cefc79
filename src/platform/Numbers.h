#pragma once
// Decimal text with a comma, independent of the process locale, with the
// runtime's names and rules.
#include <QString>

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// The decimal separator of all number text in the program.
constexpr QChar DecimalSeparator = QLatin1Char(',');

// ffFixed: `digits` decimals.  The value is cut to 15 significant digits
// first, so that a decimal half whose double lies just below it counts as
// the half (2021,2349999999997 prints "2021,24"), then rounded once to at
// most `precision` significant digits and `digits` decimals, halves away
// from zero; a value merely close to a half stays on its side (2021,2346
// prints "2021,23").  Exponent form when more than `precision` digits stand
// before the separator.  A negative zero prints without sign.  ffNumber and
// ffCurrency round alike.  ffGeneral: shortest text of `precision` digits.
QString FloatToStrF(double value, TFloatFormat format, int precision, int digits);
// Shortest general text of up to 15 significant digits ("210", "2,5");
// exponent form below 0,00001 and from 1E15 ("1E-6", "1E15").
QString FloatToStr(double value);
// Display formats such as ",0", ",0.00", "##0.0", "0.00".
QString FormatFloat(const QString& format, double value);

// Blanks around the number are allowed; a comma is the only separator.
// Throws EConvertError ("'2.5' ist kein gültiger Gleitkommawert").
double StrToFloat(const QString& text);
bool TryStrToFloat(const QString& text, double& value);
// Throws EConvertError ("'x' ist kein gültiger Integerwert").
int StrToInt(const QString& text);
bool TryStrToInt(const QString& text, int& value);
int StrToIntDef(const QString& text, int fallback);
// Number text pasted from elsewhere, written the way this program reads it:
// when a comma and a point both occur, the one that comes last separates
// the decimals and the other groups thousands and is dropped ("1,234.5"
// and "1.234,5" give "1234,5"); a point alone is the decimal point
// ("2.5" gives "2,5") unless there are several ("1.234.567"); commas alone
// stay as they are.  Blanks around the text go; anything else is left for
// the conversion to judge.
QString PastedDecimalText(const QString& text);
QString IntToStr(long long value);

// Rounds halves to even (12,5 -> 12; 13,5 -> 14).
long long Round(double value);
// Cuts towards zero.
long long Trunc(double value);
