#include "platform/Cp1252.h"
#include <array>

namespace {

// 0x80..0x9F; a zero entry is one of the undefined bytes (kept as itself).
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

struct Tables {
    std::array<char16_t, 256> decode{};
    Tables()
    {
        for (int b = 0; b < 256; ++b) decode[size_t(b)] = char16_t(b);
        for (int i = 0; i < 32; ++i)
            if (kHigh[i]) decode[size_t(0x80 + i)] = kHigh[i];
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

// The byte of `c`, or -1 when the code page has none.
int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    if (c <= 0x9F) {
        // Control characters 0x80..0x9F exist only where the byte is undefined.
        return kHigh[c - 0x80] == 0 ? c : -1;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

QString DecodeCp1252(const char* data, qsizetype size)
{
    const auto& t = tables().decode;
    QString out(size, Qt::Uninitialized);
    QChar* o = out.data();
    for (qsizetype i = 0; i < size; ++i) o[i] = QChar(t[static_cast<unsigned char>(data[i])]);
    return out;
}

QString DecodeCp1252(const QByteArray& bytes) { return DecodeCp1252(bytes.constData(), bytes.size()); }

bool TryEncodeCp1252(const QString& text, QByteArray& out, qsizetype* badIndex)
{
    out.resize(text.size());
    char* o = out.data();
    const QChar* in = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = in[i].unicode();
        int b = c < 0x80 ? int(c) : encodeChar(c);
        if (b < 0) {
            if (badIndex) *badIndex = i;
            out.clear();
            return false;
        }
        o[i] = char(b);
    }
    return true;
}

bool CanEncodeCp1252(const QString& text)
{
    const QChar* in = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (in[i].unicode() >= 0x80 && encodeChar(in[i].unicode()) < 0) return false;
    return true;
}

char* EncodeCp1252Lossy(QStringView text, char* o)
{
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        if (c < 0x80) { *o++ = char(c); continue; }
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) ++i;
        const int b = encodeChar(c);
        *o++ = b < 0 ? '?' : char(b);
    }
    return o;
}

QByteArray EncodeCp1252Lossy(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(EncodeCp1252Lossy(QStringView(text), out.data()) - out.constData());
    return out;
}

QString DescribeCharacter(const QString& text, qsizetype index)
{
    if (index < 0 || index >= text.size()) return QString();
    char32_t code = text.at(index).unicode();
    qsizetype len = 1;
    if (text.at(index).isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text.at(index), text.at(index + 1));
        len = 2;
    }
    const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    const QString shown = QChar::isPrint(code) ? text.mid(index, len) : QString();
    return QStringLiteral("'%1' (U+%2)").arg(shown, hex);
}
