// Reader and writer of the Delphi text notation of form resources.
#include "platform/FormResource.h"
#include "platform/Exceptions.h"
#include <QFile>
#include <QStringDecoder>

namespace {

// Objects, lists and collections inside one another; far beyond any real
// form, far below what the stack can take.
constexpr int MaxNesting = 200;

class Parser {
public:
    Parser(const QString& text, const QString& fileName) : m_s(text), m_file(fileName) {}

    DfmObject parseDocument()
    {
        if (m_pos < m_s.size() && m_s.at(m_pos) == QChar(0xFEFF)) ++m_pos;
        skipBlanks();
        if (atEnd()) fail(m_line, QStringLiteral("the form resource is empty"));
        const int line = m_line;
        const QString keyword = readIdent(false);
        if (!isObjectKeyword(keyword))
            fail(line, QStringLiteral("'object' expected but %1 found")
                           .arg(keyword.isEmpty() ? found() : QStringLiteral("'%1'").arg(keyword)));
        DfmObject root = parseObject(keyword, line);
        root.fileName = m_file;
        skipBlanks();
        if (!atEnd()) fail(m_line, QStringLiteral("text after the final 'end'"));
        return root;
    }

private:
    const QString& m_s;
    QString m_file;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_depth = 0;

    [[noreturn]] void fail(int line, const QString& reason) const
    {
        throw EFormResourceError(QStringLiteral("%1(%2): %3").arg(m_file).arg(line).arg(reason));
    }

    bool atEnd() const { return m_pos >= m_s.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_s.at(m_pos); }

    static bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
    static bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
    static bool isObjectKeyword(const QString& w)
    {
        return w.compare(u"object", Qt::CaseInsensitive) == 0
               || w.compare(u"inherited", Qt::CaseInsensitive) == 0
               || w.compare(u"inline", Qt::CaseInsensitive) == 0;
    }

    QString found() const
    {
        if (atEnd()) return QStringLiteral("end of text");
        return QStringLiteral("'%1'").arg(peek());
    }

    void skipBlanks()
    {
        while (!atEnd()) {
            const QChar c = m_s.at(m_pos);
            if (c == u'\n') {
                ++m_line;
            } else if (!c.isSpace() && c != QChar(0)) {
                return;
            }
            ++m_pos;
        }
    }

    // Blanks within one line only.
    void skipSpacesOnLine()
    {
        while (!atEnd() && m_s.at(m_pos) != u'\n' && m_s.at(m_pos).isSpace()) ++m_pos;
    }

    void enter(int line)
    {
        if (++m_depth > MaxNesting) fail(line, QStringLiteral("nesting too deep"));
    }
    void leave() { --m_depth; }

    // An identifier; with `dotted`, a dotted name such as Font.Style.
    QString readIdent(bool dotted)
    {
        const qsizetype start = m_pos;
        if (atEnd() || !isIdentStart(peek())) return {};
        while (!atEnd()) {
            const QChar c = peek();
            if (isIdentChar(c)) {
                ++m_pos;
            } else if (dotted && c == u'.' && m_pos + 1 < m_s.size() && isIdentStart(m_s.at(m_pos + 1))) {
                ++m_pos;
            } else {
                break;
            }
        }
        return m_s.mid(start, m_pos - start);
    }

    void expect(QChar c, const char* what)
    {
        skipBlanks();
        if (peek() != c) fail(m_line, QStringLiteral("%1 expected but %2 found").arg(QLatin1String(what), found()));
        ++m_pos;
    }

    DfmObject parseObject(const QString& keyword, int line)
    {
        enter(line);
        DfmObject obj;
        obj.line = line;
        obj.inherited = keyword.compare(u"inherited", Qt::CaseInsensitive) == 0;
        obj.isInline = keyword.compare(u"inline", Qt::CaseInsensitive) == 0;
        skipBlanks();
        QString first = readIdent(false);
        if (first.isEmpty()) fail(m_line, QStringLiteral("component name expected but %1 found").arg(found()));
        skipBlanks();
        if (peek() == u':') {
            ++m_pos;
            skipBlanks();
            obj.name = first;
            obj.className = readIdent(true);
            if (obj.className.isEmpty())
                fail(m_line, QStringLiteral("class name expected but %1 found").arg(found()));
        } else {
            obj.className = first;  // an unnamed component
        }
        skipSpacesOnLine();
        if (peek() == u'[') {
            ++m_pos;
            skipBlanks();
            const DfmValue v = parseNumber();
            if (v.kind != DfmValue::Integer || v.integer < 0 || v.integer > INT_MAX)
                fail(v.line, QStringLiteral("invalid component index"));
            obj.index = int(v.integer);
            expect(u']', "']'");
        }
        parseBody(obj.properties, &obj.children, obj.name.isEmpty() ? obj.className : obj.name, line);
        leave();
        return obj;
    }

    // Properties (and, for objects, child objects) up to the closing 'end'.
    void parseBody(QList<DfmProperty>& props, QList<DfmObject>* children, const QString& owner, int ownerLine)
    {
        for (;;) {
            skipBlanks();
            if (atEnd())
                fail(m_line, QStringLiteral("'end' of '%1' (line %2) missing").arg(owner).arg(ownerLine));
            const int line = m_line;
            const QString word = readIdent(true);
            if (word.isEmpty()) fail(line, QStringLiteral("property name expected but %1 found").arg(found()));
            if (word.compare(u"end", Qt::CaseInsensitive) == 0) return;
            if (isObjectKeyword(word)) {
                if (!children) fail(line, QStringLiteral("a component cannot stand inside a collection item"));
                children->append(parseObject(word, line));
                continue;
            }
            expect(u'=', "'='");
            DfmProperty p;
            p.name = word;
            p.line = line;
            p.value = parseValue();
            props.append(p);
        }
    }

    DfmValue parseValue()
    {
        skipBlanks();
        const int line = m_line;
        if (atEnd()) fail(line, QStringLiteral("property value expected but end of text found"));
        const QChar c = peek();
        DfmValue v;
        if (c == u'\'' || c == u'#') {
            v = parseString();
        } else if (c.isDigit() || c == u'-' || c == u'+' || c == u'$') {
            v = parseNumber();
        } else if (isIdentStart(c)) {
            v.kind = DfmValue::Identifier;
            v.text = readIdent(true);
        } else if (c == u'[') {
            v = parseSet();
        } else if (c == u'(') {
            v = parseList();
        } else if (c == u'<') {
            v = parseCollection();
        } else if (c == u'{') {
            v = parseBinary();
        } else {
            fail(line, QStringLiteral("invalid property value %1").arg(found()));
        }
        v.line = line;
        return v;
    }

    DfmValue parseString()
    {
        DfmValue v;
        v.kind = DfmValue::String;
        v.line = m_line;
        for (;;) {
            // Adjacent pieces: 'a'#13'b'
            while (!atEnd() && (peek() == u'\'' || peek() == u'#')) {
                if (peek() == u'\'') readQuoted(v.text);
                else readCharCode(v.text);
            }
            // A '+' continues the text, also on the next line.
            const qsizetype savePos = m_pos;
            const int saveLine = m_line;
            skipBlanks();
            if (peek() == u'+') {
                ++m_pos;
                skipBlanks();
                if (peek() != u'\'' && peek() != u'#')
                    fail(m_line, QStringLiteral("string expected after '+' but %1 found").arg(found()));
                continue;
            }
            m_pos = savePos;
            m_line = saveLine;
            return v;
        }
    }

    void readQuoted(QString& out)
    {
        const int line = m_line;
        ++m_pos;  // opening quote
        for (;;) {
            if (atEnd() || peek() == u'\n' || peek() == u'\r')
                fail(line, QStringLiteral("unterminated string"));
            const QChar c = m_s.at(m_pos++);
            if (c == u'\'') {
                if (peek() == u'\'') {
                    out += u'\'';
                    ++m_pos;
                    continue;
                }
                return;
            }
            out += c;
        }
    }

    void readCharCode(QString& out)
    {
        const int line = m_line;
        ++m_pos;  // '#'
        bool hex = false;
        if (peek() == u'$') {
            hex = true;
            ++m_pos;
        }
        const qsizetype start = m_pos;
        while (!atEnd() && (hex ? isHexDigit(peek()) : peek().isDigit()) && m_pos - start < 9) ++m_pos;
        if (m_pos == start) fail(line, QStringLiteral("invalid character code after '#'"));
        bool ok = false;
        const uint code = m_s.mid(start, m_pos - start).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)
            || (!atEnd() && (hex ? isHexDigit(peek()) : peek().isDigit())))
            fail(line, QStringLiteral("invalid character code after '#'"));
        const char32_t ch = code;
        out += QString::fromUcs4(&ch, 1);
    }

    static bool isHexDigit(QChar c)
    {
        return c.isDigit() || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }

    bool atValueEnd() const
    {
        if (atEnd()) return true;
        const QChar c = peek();
        return c.isSpace() || c == u')' || c == u']' || c == u'>' || c == u',' || c == u'}' || c == QChar(0);
    }

    DfmValue parseNumber()
    {
        const int line = m_line;
        const qsizetype start = m_pos;
        DfmValue v;
        bool negative = false;
        if (peek() == u'-' || peek() == u'+') {
            negative = peek() == u'-';
            ++m_pos;
        }
        if (peek() == u'$') {
            ++m_pos;
            const qsizetype digits = m_pos;
            while (!atEnd() && isHexDigit(peek())) ++m_pos;
            bool ok = false;
            const quint64 u = m_s.mid(digits, m_pos - digits).toULongLong(&ok, 16);
            if (m_pos == digits || !ok || !atValueEnd() || m_pos - digits > 16)
                fail(line, QStringLiteral("invalid number '%1'").arg(m_s.mid(start, m_pos - start + 1)));
            v.kind = DfmValue::Integer;
            // A hexadecimal number is a bit pattern: "-$8000000000000000" is
            // the smallest integer, computed without signed overflow.
            v.integer = qint64(negative ? 0 - u : u);
            return v;
        }
        const qsizetype digits = m_pos;
        while (!atEnd() && peek().isDigit()) ++m_pos;
        if (m_pos == digits) fail(line, QStringLiteral("invalid number '%1'").arg(m_s.mid(start, m_pos - start + 1)));
        bool isFloat = false;
        if (peek() == u'.' && m_pos + 1 < m_s.size() && m_s.at(m_pos + 1).isDigit()) {
            isFloat = true;
            ++m_pos;
            while (!atEnd() && peek().isDigit()) ++m_pos;
        }
        if (peek() == u'e' || peek() == u'E') {
            qsizetype p = m_pos + 1;
            if (p < m_s.size() && (m_s.at(p) == u'+' || m_s.at(p) == u'-')) ++p;
            if (p < m_s.size() && m_s.at(p).isDigit()) {
                isFloat = true;
                m_pos = p;
                while (!atEnd() && peek().isDigit()) ++m_pos;
            }
        }
        const QString text = m_s.mid(start, m_pos - start);
        // Single, currency and date values carry a letter behind the number.
        if (isFloat && (peek() == u's' || peek() == u'S' || peek() == u'c' || peek() == u'C' || peek() == u'd'
                        || peek() == u'D'))
            ++m_pos;
        if (!atValueEnd()) fail(line, QStringLiteral("invalid number '%1'").arg(text + peek()));
        bool ok = false;
        if (isFloat) {
            v.kind = DfmValue::Float;
            v.number = text.toDouble(&ok);
        } else {
            v.kind = DfmValue::Integer;
            v.integer = text.toLongLong(&ok);
        }
        if (!ok) fail(line, QStringLiteral("number out of range '%1'").arg(text));
        return v;
    }

    DfmValue parseSet()
    {
        DfmValue v;
        v.kind = DfmValue::Set;
        ++m_pos;  // '['
        skipBlanks();
        if (peek() == u']') {
            ++m_pos;
            return v;
        }
        for (;;) {
            skipBlanks();
            const int line = m_line;
            QString item = readIdent(false);
            if (item.isEmpty()) {
                while (!atEnd() && peek().isDigit()) item += m_s.at(m_pos++);
            }
            if (item.isEmpty()) fail(line, QStringLiteral("set element expected but %1 found").arg(found()));
            v.setItems.append(item);
            skipBlanks();
            if (peek() == u',') {
                ++m_pos;
                continue;
            }
            if (peek() == u']') {
                ++m_pos;
                return v;
            }
            fail(m_line, QStringLiteral("',' or ']' expected but %1 found").arg(found()));
        }
    }

    DfmValue parseList()
    {
        const int line = m_line;
        DfmValue v;
        v.kind = DfmValue::List;
        enter(line);
        ++m_pos;  // '('
        for (;;) {
            skipBlanks();
            if (atEnd()) fail(m_line, QStringLiteral("')' of the list of line %1 missing").arg(line));
            if (peek() == u')') {
                ++m_pos;
                break;
            }
            v.items.append(parseValue());
        }
        leave();
        return v;
    }

    DfmValue parseCollection()
    {
        const int line = m_line;
        DfmValue v;
        v.kind = DfmValue::Collection;
        enter(line);
        ++m_pos;  // '<'
        for (;;) {
            skipBlanks();
            if (atEnd()) fail(m_line, QStringLiteral("'>' of the collection of line %1 missing").arg(line));
            if (peek() == u'>') {
                ++m_pos;
                break;
            }
            const int itemLine = m_line;
            const QString word = readIdent(false);
            if (word.compare(u"item", Qt::CaseInsensitive) != 0)
                fail(itemLine, QStringLiteral("'item' expected but %1 found")
                                   .arg(word.isEmpty() ? found() : QStringLiteral("'%1'").arg(word)));
            skipSpacesOnLine();
            if (peek() == u'[') {  // an item index, as older versions wrote it
                ++m_pos;
                skipBlanks();
                parseNumber();
                expect(u']', "']'");
            }
            QList<DfmProperty> props;
            enter(itemLine);
            parseBody(props, nullptr, QStringLiteral("item"), itemLine);
            leave();
            v.collection.append(props);
        }
        leave();
        return v;
    }

    DfmValue parseBinary()
    {
        const int line = m_line;
        DfmValue v;
        v.kind = DfmValue::Binary;
        ++m_pos;  // '{'
        QByteArray hex;
        for (;;) {
            skipBlanks();
            if (atEnd()) fail(line, QStringLiteral("'}' of the binary data missing"));
            const QChar c = m_s.at(m_pos);
            if (c == u'}') {
                ++m_pos;
                break;
            }
            if (!isHexDigit(c)) fail(m_line, QStringLiteral("invalid binary data '%1'").arg(c));
            hex.append(char(c.unicode()));
            ++m_pos;
        }
        if (hex.size() % 2 != 0) fail(line, QStringLiteral("odd number of hex digits in the binary data"));
        v.bytes = QByteArray::fromHex(hex);
        return v;
    }
};

// ---- writer --------------------------------------------------------------

QString quoteString(const QString& s)
{
    if (s.isEmpty()) return QStringLiteral("''");
    QString out;
    bool inQuotes = false;
    for (QChar c : s) {
        const ushort u = c.unicode();
        if (u < 32 || u == 127) {
            if (inQuotes) {
                out += u'\'';
                inQuotes = false;
            }
            out += u'#' + QString::number(u);
        } else {
            if (!inQuotes) {
                out += u'\'';
                inQuotes = true;
            }
            if (c == u'\'') out += u'\'';
            out += c;
        }
    }
    if (inQuotes) out += u'\'';
    return out;
}

QString floatText(double d)
{
    QString t = QString::number(d, 'g', 17);
    if (!t.contains(u'.') && !t.contains(u'e') && !t.contains(u'E')) t += QStringLiteral(".0");
    return t;
}

void writeValue(QString& out, const DfmValue& v, const QString& indent);

void writeProperties(QString& out, const QList<DfmProperty>& props, const QString& indent)
{
    for (const DfmProperty& p : props) {
        out += indent + p.name + QStringLiteral(" = ");
        writeValue(out, p.value, indent);
        out += u'\n';
    }
}

void writeValue(QString& out, const DfmValue& v, const QString& indent)
{
    switch (v.kind) {
    case DfmValue::Integer: out += QString::number(v.integer); break;
    case DfmValue::Float: out += floatText(v.number); break;
    case DfmValue::String: out += quoteString(v.text); break;
    case DfmValue::Identifier: out += v.text; break;
    case DfmValue::Set: out += u'[' + v.setItems.join(QStringLiteral(", ")) + u']'; break;
    case DfmValue::List:
        out += u'(';
        for (const DfmValue& item : v.items) {
            out += u'\n' + indent + QStringLiteral("  ");
            writeValue(out, item, indent + QStringLiteral("  "));
        }
        out += u')';
        break;
    case DfmValue::Collection:
        out += u'<';
        for (const QList<DfmProperty>& item : v.collection) {
            out += u'\n' + indent + QStringLiteral("  item\n");
            writeProperties(out, item, indent + QStringLiteral("    "));
            out += indent + QStringLiteral("  end");
        }
        out += u'>';
        break;
    case DfmValue::Binary: {
        out += u'{';
        const QByteArray hex = v.bytes.toHex().toUpper();
        for (qsizetype i = 0; i < hex.size(); i += 64)
            out += u'\n' + indent + QStringLiteral("  ") + QString::fromLatin1(hex.mid(i, 64));
        out += u'}';
        break;
    }
    }
}

void writeObject(QString& out, const DfmObject& o, const QString& indent)
{
    out += indent;
    out += o.inherited ? QStringLiteral("inherited ") : o.isInline ? QStringLiteral("inline ") : QStringLiteral("object ");
    if (!o.name.isEmpty()) out += o.name + QStringLiteral(": ");
    out += o.className;
    if (o.index >= 0) out += QStringLiteral(" [%1]").arg(o.index);
    out += u'\n';
    writeProperties(out, o.properties, indent + QStringLiteral("  "));
    for (const DfmObject& c : o.children) writeObject(out, c, indent + QStringLiteral("  "));
    out += indent + QStringLiteral("end\n");
}

bool sameProperties(const QList<DfmProperty>& a, const QList<DfmProperty>& b)
{
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || !SameFormValue(a[i].value, b[i].value)) return false;
    return true;
}

}  // namespace

const DfmProperty* DfmObject::property(const QString& name) const
{
    for (const DfmProperty& p : properties)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
    return nullptr;
}

const DfmObject* DfmObject::findChild(const QString& name) const
{
    for (const DfmObject& c : children) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0) return &c;
        if (const DfmObject* found = c.findChild(name)) return found;
    }
    return nullptr;
}

DfmObject ParseFormResource(const QString& text, const QString& fileName)
{
    Parser parser(text, fileName);
    return parser.parseDocument();
}

DfmObject LoadFormResource(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw EFormResourceError(QStringLiteral("%1(0): form resource not found").arg(resourcePath));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        throw EFormResourceError(QStringLiteral("%1(0): the form resource is no UTF-8 text").arg(resourcePath));
    return ParseFormResource(text, resourcePath);
}

QString WriteFormResource(const DfmObject& object)
{
    QString out;
    writeObject(out, object, QString());
    return out;
}

QString WriteFormValue(const DfmValue& value)
{
    QString out;
    writeValue(out, value, QString());
    return out;
}

bool SameFormValue(const DfmValue& a, const DfmValue& b)
{
    if (a.kind != b.kind) return false;
    switch (a.kind) {
    case DfmValue::Integer: return a.integer == b.integer;
    case DfmValue::Float: return a.number == b.number;
    case DfmValue::String:
    case DfmValue::Identifier: return a.text == b.text;
    case DfmValue::Set: return a.setItems == b.setItems;
    case DfmValue::List:
        if (a.items.size() != b.items.size()) return false;
        for (qsizetype i = 0; i < a.items.size(); ++i)
            if (!SameFormValue(a.items[i], b.items[i])) return false;
        return true;
    case DfmValue::Collection:
        if (a.collection.size() != b.collection.size()) return false;
        for (qsizetype i = 0; i < a.collection.size(); ++i)
            if (!sameProperties(a.collection[i], b.collection[i])) return false;
        return true;
    case DfmValue::Binary: return a.bytes == b.bytes;
    }
    return false;
}

bool SameFormTree(const DfmObject& a, const DfmObject& b)
{
    if (a.name != b.name || a.className != b.className || a.inherited != b.inherited || a.isInline != b.isInline
        || a.index != b.index || !sameProperties(a.properties, b.properties) || a.children.size() != b.children.size())
        return false;
    for (qsizetype i = 0; i < a.children.size(); ++i)
        if (!SameFormTree(a.children[i], b.children[i])) return false;
    return true;
}
