#include "support/TransStrUtils.h"
#include "platform/Cp1252.h"

namespace {

bool isBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 32; }

// Appends the character `code`; nothing when it is no Unicode character.
void appendCode(QString& out, qint64 code, CharCodes codes)
{
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return;
    if (codes == CharCodes::Windows1252 && code < 256) {
        const char byte = char(code);
        out += DecodeCp1252(&byte, 1);
        return;
    }
    const char32_t c = char32_t(code);
    out += QString::fromUcs4(&c, 1);
}

}  // namespace

QString DecodeQuotedLiteral(const QString& value, CharCodes codes)
{
    const qsizetype n = value.size();
    if (n < 2) return QString();
    const QChar quote = QLatin1Char('\'');
    QString out;
    out.reserve(n);
    bool inQuotes = false;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = value.at(i);
        if (!inQuotes) {
            if (c == quote) {
                // An empty piece after the first character adds nothing.
                if (i > 0 && i + 1 < n && value.at(i + 1) == quote) {
                    i += 2;
                    continue;
                }
                inQuotes = true;
                ++i;
            } else if (c == QLatin1Char('#')) {
                ++i;
                if (i >= n || value.at(i).unicode() < '0' || value.at(i).unicode() > '9') {
                    appendCode(out, 255, codes);
                    continue;
                }
                qint64 code = 0;
                while (i < n && value.at(i).unicode() >= '0' && value.at(i).unicode() <= '9') {
                    if (code <= 0x10FFFF) code = code * 10 + (value.at(i).unicode() - '0');
                    ++i;
                }
                appendCode(out, code, codes);
            } else {
                out += c;
                ++i;
            }
        } else {
            if (c == quote) {
                if (i + 1 < n && value.at(i + 1) == quote) {
                    out += quote;
                    i += 2;
                    continue;
                }
                // A closing quote ends the value or is followed by a character code.
                if (i + 1 < n && value.at(i + 1) != QLatin1Char('#')) return QString();
                inQuotes = false;
                ++i;
            } else {
                out += c;
                ++i;
            }
        }
    }
    if (inQuotes) return QString();
    return out;
}

QStringList SplitDelimitedText(const QString& text, QChar delimiter, QChar quote)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text.at(i))) ++i;
    while (i < n) {
        QString item;
        if (text.at(i) == quote) {
            ++i;
            while (i < n) {
                if (text.at(i) == quote) {
                    if (i + 1 < n && text.at(i + 1) == quote) {
                        item += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text.at(i);
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text.at(i)) && text.at(i) != delimiter ) ++i;
            item = text.mid(start, i - start);
        }
        items.append(item);
        while (i < n && isBlank(text.at(i))) ++i;
        if (i < n && text.at(i) == delimiter) {
            if (i + 1 == n) items.append(QString());
            ++i;
            while (i < n && isBlank(text.at(i))) ++i;
        }
    }
    return items;
}
