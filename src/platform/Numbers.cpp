#include "platform/Numbers.h"
#include "platform/Exceptions.h"
#include "platform/ResourceStrings.h"
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

// All conversions work on decimal digit strings, never on the C locale:
// a double is taken as its shortest round-trip decimal text, rounded in
// decimal (ties away from zero) and laid out with a comma.

namespace {

// value = (neg ? -1 : 1) * 0.d1d2d3... * 10^exp; no digits means zero.
struct Decimal {
    bool neg = false;
    std::string digits;
    int exp = 0;
    bool isZero() const { return digits.empty(); }
};

void stripTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exp = 0;
}

Decimal toDecimal(double x)
{
    Decimal d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    const std::string s(buf, res.ptr);
    size_t i = 0;
    if (i < s.size() && s[i] == '-') { d.neg = true; ++i; }
    std::string mant;
    for (; i < s.size() && s[i] != 'e'; ++i)
        if (s[i] != '.') mant += s[i];
    int e = 0;
    if (i < s.size()) e = std::stoi(s.substr(i + 1));
    size_t lead = 0;
    while (lead < mant.size() && mant[lead] == '0') ++lead;
    if (lead == mant.size()) return d;  // zero: keeps the sign only
    d.digits = mant.substr(lead);
    d.exp = e + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps `n` significant digits, an exact half rounding away from zero.
void roundDigits(Decimal& d, int n)
{
    if (d.isZero() || n >= int(d.digits.size())) return;
    if (n < 0) { d.digits.clear(); d.exp = 0; return; }
    const bool up = d.digits[size_t(n)] >= '5';
    d.digits.resize(size_t(n));
    if (up) {
        int i = n - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') d.digits[size_t(i--)] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exp += 1;
        } else {
            d.digits[size_t(i)] += 1;
        }
    }
    stripTrailingZeros(d);
}

// At most `precision` significant digits and at most `decimals` digits
// after the separator, in one rounding.
void roundToPrecision(Decimal& d, int precision, int decimals)
{
    if (d.isZero()) return;
    const long long n = std::min<long long>(precision, (long long)d.exp + decimals);
    roundDigits(d, int(std::max<long long>(n, -1)));
}

Decimal floatToDecimal(double x, int precision, int decimals)
{
    Decimal d = toDecimal(x);
    roundToPrecision(d, precision, decimals);
    return d;
}

// The fixed formats first cut the binary tail of a double at 15
// significant digits, so that a product whose decimal value ends in a half
// (2021,2349999999997 for 24,40 x 0,6 x 11,75²) rounds as a hand calculation
// does: 2021,24.  Then the one rounding of every other value.
Decimal fixedToDecimal(double x, int precision, int decimals)
{
    Decimal d = toDecimal(x);
    roundDigits(d, 15);
    roundToPrecision(d, precision, decimals);
    return d;
}

QString specialText(double x)
{
    if (std::isnan(x)) return QStringLiteral("NAN");
    return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString sign(const Decimal& d) { return d.neg && !d.isZero() ? QStringLiteral("-") : QString(); }

char digitAt(const Decimal& d, long long idx)
{
    return idx >= 0 && idx < (long long)d.digits.size() ? d.digits[size_t(idx)] : '0';
}

QString integerPart(const Decimal& d, int minDigits)
{
    QString s;
    for (long long i = 0; i < d.exp; ++i) s += QLatin1Char(digitAt(d, i));
    while (s.size() < minDigits) s.prepend(QLatin1Char('0'));
    return s;
}

QString fractionPart(const Decimal& d, int count)
{
    QString s;
    for (int i = 0; i < count; ++i) s += QLatin1Char(digitAt(d, (long long)d.exp + i));
    return s;
}

QString groupThousands(const QString& intDigits)
{
    QString out;
    const qsizetype n = intDigits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += QLatin1Char('.');
        out += intDigits.at(i);
    }
    return out;
}

QString exponentText(int e, bool plus, int minDigits)
{
    QString s = QString::number(std::abs(e));
    while (s.size() < minDigits) s.prepend(QLatin1Char('0'));
    if (e < 0) return QStringLiteral("E-") + s;
    return (plus ? QStringLiteral("E+") : QStringLiteral("E")) + s;
}

// Exponent form from 10^precision on and below 0,00001.
QString formatGeneral(const Decimal& d, int precision)
{
    if (d.isZero()) return QStringLiteral("0");
    QString out = sign(d);
    if (d.exp > precision || d.exp < -4) {
        out += QLatin1Char(d.digits[0]);
        if (d.digits.size() > 1) out += DecimalSeparator + QString::fromLatin1(d.digits.c_str() + 1);
        return out + exponentText(d.exp - 1, false, 0);
    }
    if (d.exp <= 0) {
        out += QStringLiteral("0") + DecimalSeparator + QString(-d.exp, QLatin1Char('0'))
               + QString::fromLatin1(d.digits.c_str());
        return out;
    }
    out += integerPart(d, 1);
    if ((long long)d.digits.size() > d.exp)
        out += DecimalSeparator + QString::fromLatin1(d.digits.c_str() + d.exp);
    return out;
}

QString formatFixed(const Decimal& d, int decimals, bool thousands)
{
    QString ip = integerPart(d, 1);
    if (thousands) ip = groupThousands(ip);
    QString out = sign(d) + ip;
    if (decimals > 0) out += DecimalSeparator + fractionPart(d, decimals);
    return out;
}

QString formatExponent(const Decimal& d, int precision, int expDigits)
{
    QString out = sign(d);
    out += QLatin1Char(d.isZero() ? '0' : d.digits[0]);
    if (precision > 1) {
        out += DecimalSeparator;
        for (int i = 1; i < precision; ++i) out += QLatin1Char(digitAt(d, i));
    }
    return out + exponentText(d.isZero() ? 0 : d.exp - 1, true, expDigits);
}

int clampPrecision(int p) { return std::clamp(p, 1, 18); }

[[noreturn]] void invalidFloat(const QString& text)
{
    throw EConvertError(FmtLoadResString(SInvalidFloat, {text}));
}

[[noreturn]] void invalidInteger(const QString& text)
{
    throw EConvertError(FmtLoadResString(SInvalidInteger, {text}));
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// --- FormatFloat ------------------------------------------------------------

struct FormatSection {
    QString prefix, suffix;
    int minInt = 0;      // '0' placeholders before the decimal point
    int minDec = 0;      // decimals always shown
    int maxDec = 0;      // decimals at most
    bool thousands = false;
    bool anyPlaceholder = false;
};

QStringList splitSections(const QString& format)
{
    QStringList out;
    QString cur;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            cur += c;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            cur += c;
        } else if (c == QLatin1Char(';')) {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

FormatSection parseSection(const QString& s)
{
    FormatSection f;
    bool afterPoint = false;
    bool seenPlaceholder = false;
    int intPlaceholders = 0, firstZeroInt = -1;  // position among integer placeholders
    int decPos = 0;
    QString* lit = &f.prefix;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = s.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? s.size() : end;
            *lit += s.mid(i + 1, stop - i - 1);
            i = stop;
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            seenPlaceholder = true;
            lit = &f.suffix;
            if (afterPoint) {
                ++decPos;
                f.maxDec = decPos;
                if (c == QLatin1Char('0')) f.minDec = decPos;
            } else {
                if (c == QLatin1Char('0') && firstZeroInt < 0) firstZeroInt = intPlaceholders;
                ++intPlaceholders;
            }
            continue;
        }
        if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            lit = &f.suffix;
            continue;
        }
        if (c == QLatin1Char(',') && !afterPoint) {
            f.thousands = true;
            continue;
        }
        *lit += c;
    }
    f.anyPlaceholder = seenPlaceholder;
    f.minInt = firstZeroInt < 0 ? 0 : intPlaceholders - firstZeroInt;
    return f;
}

QString applySection(const FormatSection& f, const Decimal& d, bool withSign)
{
    if (!f.anyPlaceholder) return f.prefix + f.suffix;
    QString ip = integerPart(d, f.minInt);
    if (d.exp <= 0 && f.minInt == 0) ip.clear();
    if (f.thousands) ip = groupThousands(ip);
    QString frac = fractionPart(d, f.maxDec);
    while (frac.size() > f.minDec && frac.endsWith(QLatin1Char('0'))) frac.chop(1);
    QString out = withSign ? sign(d) : QString();
    out += f.prefix + ip;
    if (!frac.isEmpty()) out += DecimalSeparator + frac;
    return out + f.suffix;
}

}  // namespace

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    if (!std::isfinite(value)) return specialText(value);
    precision = clampPrecision(precision);
    switch (format) {
    case ffGeneral:
        return formatGeneral(floatToDecimal(value, precision, 9999), precision);
    case ffExponent:
        return formatExponent(floatToDecimal(value, precision, 9999), precision, std::clamp(digits, 0, 4));
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        digits = std::clamp(digits, 0, 18);
        const Decimal d = fixedToDecimal(value, precision, digits);
        if (d.exp > precision) return formatGeneral(d, precision);
        QString s = formatFixed(d, digits, format != ffFixed);
        if (format == ffCurrency) s += QStringLiteral(" €");
        return s;
    }
    }
    return formatGeneral(floatToDecimal(value, precision, 9999), precision);
}

QString FloatToStr(double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

QString FormatFloat(const QString& format, double value)
{
    if (!std::isfinite(value)) return specialText(value);
    if (format.isEmpty()) return FloatToStr(value);
    const QStringList sections = splitSections(format);
    FormatSection f = parseSection(sections.at(0));
    Decimal d = floatToDecimal(value, 18, f.maxDec);
    if (d.isZero() && sections.size() >= 3 && !sections.at(2).isEmpty())
        return applySection(parseSection(sections.at(2)), d, false);
    if (d.neg && !d.isZero() && sections.size() >= 2 && !sections.at(1).isEmpty()) {
        f = parseSection(sections.at(1));
        d = floatToDecimal(value, 18, f.maxDec);
        return applySection(f, d, false);
    }
    if (d.exp > 18) return FloatToStr(value);
    return applySection(f, d, true);
}

QString PastedDecimalText(const QString& text)
{
    QString t = text.trimmed();
    const QChar point = QLatin1Char('.');
    const qsizetype lastComma = t.lastIndexOf(DecimalSeparator);
    const qsizetype lastPoint = t.lastIndexOf(point);
    if (lastPoint < 0) return t;
    if (lastComma >= 0) t.remove(lastComma > lastPoint ? point : DecimalSeparator);
    else if (t.count(point) > 1) t.remove(point);
    t.replace(point, DecimalSeparator);
    return t;
}

bool TryStrToFloat(const QString& text, double& value)
{
    qsizetype i = 0, n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' ')) ++i;
    while (n > i && text.at(n - 1) == QLatin1Char(' ')) --n;
    std::string s;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        if (text.at(i) == QLatin1Char('-')) s += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && isDigit(text.at(i))) { s += char(text.at(i).unicode()); ++i; ++mantissaDigits; }
    if (i < n && text.at(i) == DecimalSeparator) {
        s += '.';
        ++i;
        while (i < n && isDigit(text.at(i))) { s += char(text.at(i).unicode()); ++i; ++mantissaDigits; }
    }
    if (mantissaDigits == 0) return false;
    if (i < n && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
        s += 'e';
        ++i;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            s += char(text.at(i).unicode());
            ++i;
        }
        int expDigits = 0;
        while (i < n && isDigit(text.at(i))) { s += char(text.at(i).unicode()); ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    double v = 0;
    const char* first = s.data();
    const auto res = std::from_chars(first, first + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow gives zero; overflow is no valid number.
        if (std::string(s).find("e-") == std::string::npos) return false;
        v = s[0] == '-' ? -0.0 : 0.0;
    } else if (res.ec != std::errc() || res.ptr != first + s.size()) {
        return false;
    }
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

double StrToFloat(const QString& text)
{
    double v = 0;
    if (!TryStrToFloat(text, v)) invalidFloat(text);
    return v;
}

bool TryStrToInt(const QString& text, int& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' ')) ++i;
    bool neg = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        neg = text.at(i) == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= n) return false;
    unsigned long long acc = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        else return false;
        acc = acc * (hex ? 16 : 10) + unsigned(digit);
        if (acc > 0xFFFFFFFFull) return false;
    }
    long long v;
    if (hex) {
        v = (long long)(qint32)quint32(acc);  // hexadecimal covers the full 32 bits
        if (neg) v = -v;
        if (v > INT_MAX) return false;  // -$80000000
    } else {
        v = neg ? -(long long)acc : (long long)acc;
        if (v < INT_MIN || v > INT_MAX) return false;
    }
    value = int(v);
    return true;
}

int StrToInt(const QString& text)
{
    int v = 0;
    if (!TryStrToInt(text, v)) invalidInteger(text);
    return v;
}

int StrToIntDef(const QString& text, int fallback)
{
    int v = 0;
    return TryStrToInt(text, v) ? v : fallback;
}

QString IntToStr(long long value) { return QString::number(value); }

namespace {
void checkIntegralRange(double value)
{
    // 2^63 is the first double that no long long holds.
    if (!std::isfinite(value) || value >= 9223372036854775808.0 || value < -9223372036854775808.0)
        throw EInvalidOp(LoadResString(SInvalidOp));
}
}  // namespace

long long Round(double value)
{
    if (!std::isfinite(value)) throw EInvalidOp(LoadResString(SInvalidOp));
    const double fl = std::floor(value);
    const double diff = value - fl;  // exact for doubles
    double r = fl;
    if (diff > 0.5) r = fl + 1.0;
    else if (diff == 0.5) r = std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1.0;
    checkIntegralRange(r);
    return (long long)r;
}

long long Trunc(double value)
{
    const double t = std::trunc(value);
    checkIntegralRange(t);
    return (long long)t;
}
