#include "platform/IniFile.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"
#include "platform/FileReplace.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include "platform/ResourceStrings.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QtGlobal>
#include <cstring>
#include <exception>
#include <memory>
#include <string_view>
#include <vector>

// The file is kept as its lines.  Every line keeps its text and its own
// line end, so lines that no write touches are written back exactly as
// they were read (the Windows-1252 decoding maps all 256 bytes one to one).

namespace {

enum Eol : quint8 { EolNone, EolLf, EolCrLf };

// A line without its end.  A line as read points into the file's text; a
// line that was written holds its own text.  (A moved QString keeps its
// characters where they are, so lines may move.)
struct Line {
    QStringView text;
    QString own;
    int eq = -1;  // position of '=' in a key line, else -1
    Eol eol = EolCrLf;

    Line() = default;
    Line(Line&&) = default;
    Line& operator=(Line&&) = default;
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;
    void setText(QString t)
    {
        own = std::move(t);
        text = own;
    }
};

bool sameName(QStringView a, QStringView b);

// Positions by name (without regard to case): an open hash table that holds
// the position of the first line or section of every name; the names
// themselves stay where they are.
class NameIndex {
public:
    void clear()
    {
        m_slots.clear();
        m_count = 0;
    }
    void reserve(size_t n)
    {
        size_t cap = 16;
        while (cap < 2 * n) cap *= 2;
        if (cap > m_slots.size()) rehash(cap);
    }
    // The position of `name`, -1 when it is not indexed; `nameAt(pos)` is
    // the name at an indexed position.
    template <class NameAt>
    int find(QStringView name, size_t hash, NameAt nameAt) const
    {
        if (m_slots.empty()) return -1;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.pos < 0) return -1;
            if (slot.hash == hash && sameName(nameAt(slot.pos), name)) return slot.pos;
        }
    }
    // Adds a name that is not indexed yet.
    void add(size_t hash, int pos)
    {
        if (2 * (m_count + 1) > m_slots.size()) rehash(m_slots.empty() ? 16 : 2 * m_slots.size());
        place(hash, pos);
        ++m_count;
    }

private:
    struct Slot {
        size_t hash = 0;
        int pos = -1;
    };
    void place(size_t hash, int pos)
    {
        const size_t mask = m_slots.size() - 1;
        size_t i = hash & mask;
        while (m_slots[i].pos >= 0) i = (i + 1) & mask;
        m_slots[i] = Slot{hash, pos};
    }
    void rehash(size_t cap)
    {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(cap, Slot{});
        for (const Slot& slot : old)
            if (slot.pos >= 0) place(slot.hash, slot.pos);
    }
    std::vector<Slot> m_slots;
    size_t m_count = 0;
};

struct Section {
    QStringView name;  // as written in the header, trimmed (within the header's text)
    Line header;
    std::vector<Line> body;
    // Short sections are searched line by line; long ones get an index of
    // their keys when first searched.
    mutable std::unique_ptr<NameIndex> keyIndex;
};

constexpr size_t kLinearKeys = 16;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b))) ++b;
    while (e > b && isBlank(s.at(e - 1))) --e;
    return s.mid(b, e - b);
}

char16_t foldChar(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// Names match without regard to ASCII case.  They are mostly written as
// they are asked for: equal bytes settle it at once.
bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size()) return false;
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    if (std::memcmp(pa, pb, size_t(a.size()) * sizeof(char16_t)) == 0) return true;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (pa[i] != pb[i] && foldChar(pa[i]) != foldChar(pb[i])) return false;
    return true;
}

// A hash that ignores ASCII case: setting the 0x20 bit of every character
// makes "A".."Z" equal to "a".."z" (it makes other characters meet too,
// which only costs a comparison).  Four characters are mixed at a time.
size_t nameHash(QStringView s)
{
    constexpr uint64_t kFold = 0x0020002000200020ull;
    const char16_t* p = s.utf16();
    const qsizetype n = s.size();
    uint64_t h = 1469598103934665603ull ^ uint64_t(n);
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        uint64_t w;
        std::memcpy(&w, p + i, sizeof w);
        h = (h ^ (w | kFold)) * 0x9e3779b97f4a7c15ull;
        h ^= h >> 32;
    }
    for (; i < n; ++i) h = (h ^ (p[i] | 0x20u)) * 1099511628211ull;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    return size_t(h ^ (h >> 33));
}

QStringView keyView(const Line& l) { return trimBlanks(l.text.left(l.eq)); }
QString keyOf(const Line& l) { return keyView(l).toString(); }
QString valueOf(const Line& l) { return trimBlanks(l.text.mid(l.eq + 1)).toString(); }

// True when `text` holds none of `special` and only characters that
// Windows-1252 stores.
bool plainText(const QString& text, std::u16string_view special)
{
    bool high = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80) high = true;
        else if (special.find(u) != std::u16string_view::npos) return false;
    }
    return !high || CanEncodeCp1252(text);
}

bool isBlankLine(const Line& l)
{
    for (const QChar c : l.text)
        if (!isBlank(c)) return false;
    return true;
}

// Section header: "[name]" after optional blanks.  Returns false otherwise;
// a "[name" without its closing bracket opens no section, so the keys below
// it stay in the section before it, as the profile functions read them.
bool parseHeader(QStringView text, QStringView& name)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i))) ++i;
    if (i >= text.size() || text.at(i) != QLatin1Char('[')) return false;
    const qsizetype close = text.indexOf(QLatin1Char(']'), i + 1);
    if (close < 0) return false;
    name = trimBlanks(text.mid(i + 1, close - i - 1));
    return true;
}

// Position of '=' of a key line, or -1 for comments and other lines.
int keyLineEq(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i))) ++i;
    if (i >= text.size() || text.at(i) == QLatin1Char(';')) return -1;
    const qsizetype eq = text.indexOf(QLatin1Char('='), i);
    if (eq < 0) return -1;
    qsizetype k = eq;
    while (k > i && isBlank(text.at(k - 1))) --k;
    return k > i ? int(eq) : -1;
}

}  // namespace

struct TIniFile::Impl {
    QString fileName;  // as given
    QString path;      // the file on disk
    std::vector<Line> preamble;  // lines before the first section
    std::vector<Section> sections;
    NameIndex sectionIndex;  // the first section of every name
    Eol newEol = EolCrLf;
    bool modified = false;
    bool unreadable = false;  // exists but could not be read: never overwrite it
    bool writableChecked = false;
    QByteArray original;
    QString all;  // the text of `original`, which the lines as read point into

    void parse(const QByteArray& bytes);
    void reindexSections();
    int sectionOf(QStringView name) const;  // -1 for none
    static int keyOf(const Section& s, QStringView key);  // body index, -1 for none
    static void noteKey(const Section& s, int line);
    Section* find(QStringView section);
    const Section* find(QStringView section) const { return const_cast<Impl*>(this)->find(section); }
    const Line* findKey(QStringView section, QStringView key) const;
    Line* lastLine();
    void checkWritable();
    [[noreturn]] void writeError() const
    {
        throw EIniFileException(FmtLoadResString(SIniFileWriteError, {QDir::toNativeSeparators(path)}));
    }
    void checkText(const QString& text) const;
    QByteArray contents() const;
};

void TIniFile::Impl::parse(const QByteArray& bytes)
{
    preamble.clear();
    sections.clear();
    sectionIndex.clear();
    newEol = EolCrLf;
    all = DecodeCp1252(bytes);
    const qsizetype n = all.size();
    bool eolKnown = false;
    std::vector<Line>* target = &preamble;
    qsizetype start = 0;
    while (start < n) {
        qsizetype nl = all.indexOf(QLatin1Char('\n'), start);
        Line line;
        qsizetype end;
        if (nl < 0) {
            end = n;
            line.eol = EolNone;
        } else if (nl > start && all.at(nl - 1) == QLatin1Char('\r')) {
            end = nl - 1;
            line.eol = EolCrLf;
        } else {
            end = nl;
            line.eol = EolLf;
        }
        if (!eolKnown && line.eol != EolNone) {
            newEol = line.eol;
            eolKnown = true;
        }
        line.text = QStringView(all).mid(start, end - start);
        start = nl < 0 ? n : nl + 1;

        QStringView name;
        if (parseHeader(line.text, name)) {
            Section s;
            s.name = name;
            s.header = std::move(line);
            sections.push_back(std::move(s));
            target = &sections.back().body;
            continue;
        }
        line.eq = keyLineEq(line.text);
        target->push_back(std::move(line));
    }
    reindexSections();
}

void TIniFile::Impl::reindexSections()
{
    sectionIndex.clear();
    sectionIndex.reserve(sections.size());
    for (int i = 0; i < int(sections.size()); ++i) {
        const QStringView name = sections[size_t(i)].name;
        if (sectionOf(name) < 0) sectionIndex.add(nameHash(name), i);
    }
}

int TIniFile::Impl::sectionOf(QStringView name) const
{
    return sectionIndex.find(name, nameHash(name), [this](int i) { return sections[size_t(i)].name; });
}

int TIniFile::Impl::keyOf(const Section& s, QStringView key)
{
    if (!s.keyIndex && s.body.size() <= kLinearKeys) {
        for (size_t i = 0; i < s.body.size(); ++i)
            if (s.body[i].eq >= 0 && sameName(keyView(s.body[i]), key)) return int(i);
        return -1;
    }
    if (!s.keyIndex) {
        s.keyIndex = std::make_unique<NameIndex>();
        s.keyIndex->reserve(s.body.size());
        for (size_t i = 0; i < s.body.size(); ++i)
            if (s.body[i].eq >= 0) noteKey(s, int(i));
    }
    return s.keyIndex->find(key, nameHash(key), [&s](int i) { return keyView(s.body[size_t(i)]); });
}

// Line `line` of `s` holds a key: indexed unless an earlier line has it.
void TIniFile::Impl::noteKey(const Section& s, int line)
{
    if (!s.keyIndex) return;
    const QStringView key = keyView(s.body[size_t(line)]);
    const size_t hash = nameHash(key);
    if (s.keyIndex->find(key, hash, [&s](int i) { return keyView(s.body[size_t(i)]); }) < 0)
        s.keyIndex->add(hash, line);
}

Section* TIniFile::Impl::find(QStringView section)
{
    const int i = sectionOf(trimBlanks(section));
    return i < 0 ? nullptr : &sections[size_t(i)];
}

const Line* TIniFile::Impl::findKey(QStringView section, QStringView key) const
{
    const Section* s = find(section);
    if (!s) return nullptr;
    const int i = keyOf(*s, trimBlanks(key));
    return i < 0 ? nullptr : &s->body[size_t(i)];
}

Line* TIniFile::Impl::lastLine()
{
    if (!sections.empty()) {
        Section& s = sections.back();
        return s.body.empty() ? &s.header : &s.body.back();
    }
    return preamble.empty() ? nullptr : &preamble.back();
}

// The original platform refused a write at once; so do we, before the
// change is made, instead of failing only when the file is saved.
void TIniFile::Impl::checkWritable()
{
    if (unreadable) writeError();
    const QFileInfo fi(path);
    const QFileInfo dir(fi.absolutePath());
    if (!dir.exists() || !dir.isDir() || !dir.isWritable()) writeError();
    if (fi.exists()) {
        if (!fi.isFile()) writeError();
        if (LacksWritePermission(fi) || !fi.isWritable()) writeError();
    }
}

void TIniFile::Impl::checkText(const QString& text) const
{
    if (CanEncodeCp1252(text)) return;
    QByteArray dummy;
    qsizetype bad = -1;
    if (!TryEncodeCp1252(text, dummy, &bad))
        throw EIniFileException(
            FmtLoadResString(SIniFileBadChar, {DescribeCharacter(text, bad), QDir::toNativeSeparators(path)}));
}

QByteArray TIniFile::Impl::contents() const
{
    qsizetype size = 0;
    auto measure = [&](const Line& l) { size += l.text.size() + 2; };
    for (const Line& l : preamble) measure(l);
    for (const Section& s : sections) {
        measure(s.header);
        for (const Line& l : s.body) measure(l);
    }
    QByteArray out(size, Qt::Uninitialized);
    char* o = out.data();
    auto put = [&](const Line& l) {
        o = EncodeCp1252Lossy(l.text, o);  // every text was checked, so nothing is lost
        if (l.eol == EolCrLf) {
            *o++ = '\r';
            *o++ = '\n';
        } else if (l.eol == EolLf) {
            *o++ = '\n';
        }
    };
    for (const Line& l : preamble) put(l);
    for (const Section& s : sections) {
        put(s.header);
        for (const Line& l : s.body) put(l);
    }
    out.truncate(o - out.constData());
    return out;
}

TIniFile::TIniFile(const QString& fileName) : d(std::make_unique<Impl>()), m_uncaught(std::uncaught_exceptions())
{
    d->fileName = fileName;
    QString p = fileName;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!p.isEmpty() && !QFileInfo::exists(p)) {
        const QFileInfo fi(p);
        p = FindFileNoCase(fi.path(), fi.fileName());
    }
    d->path = QFileInfo(p).absoluteFilePath();
    const QFileInfo fi(d->path);
    if (!fi.exists()) return;
    QFile f(d->path);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly)) {
        d->unreadable = true;
        return;
    }
    d->original = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        d->unreadable = true;
        d->original.clear();
        return;
    }
    d->parse(d->original);
}

TIniFile::~TIniFile()
{
    if (!d || !d->modified || std::uncaught_exceptions() > m_uncaught) return;
    try {
        UpdateFile();
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    } catch (...) {
    }
}

const QString& TIniFile::FileName() const { return d->fileName; }

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const Line* l = d->findKey(section, key);
    return l ? valueOf(*l) : def;
}

QStringView TIniFile::ValueView(QStringView section, QStringView key) const
{
    const Line* l = d->findKey(section, key);
    return l ? trimBlanks(l->text.mid(l->eq + 1)) : QStringView();
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const Line* l = d->findKey(section, key);
    return l ? StrToIntDef(valueOf(*l), def) : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    QStringList out;
    const Section* s = d->find(section);
    if (!s) return out;
    for (size_t i = 0; i < s->body.size(); ++i) {
        const Line& l = s->body[i];
        if (l.eq >= 0 && Impl::keyOf(*s, keyView(l)) == int(i)) out << keyOf(l);
    }
    return out;
}

QStringList TIniFile::ReadSections() const
{
    QStringList out;
    for (int i = 0; i < int(d->sections.size()); ++i) {
        const QStringView name = d->sections[size_t(i)].name;
        if (d->sectionOf(name) == i) out << name.toString();
    }
    return out;
}

bool TIniFile::SectionExists(const QString& section) const { return d->find(section) != nullptr; }

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return d->findKey(section, key) != nullptr;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    auto trimmed = [](const QString& name) {
        const QStringView t = trimBlanks(QStringView(name));
        return t.size() == name.size() ? name : t.toString();
    };
    const QString sec = trimmed(section);
    const QString k = trimmed(key);
    if (!plainText(value, u"\n\r") || sec.isEmpty() || !plainText(sec, u"]\n\r") || k.isEmpty() ||
        !plainText(k, u"=\n\r") || k.startsWith(QLatin1Char('[')) || k.startsWith(QLatin1Char(';')))
        checkWrite(section, key, sec, k, value);
    writeChecked(sec, k, value);
}

// The checks of WriteString, in the order they report.
void TIniFile::checkWrite(const QString& section, const QString& key, const QString& sec, const QString& k,
                          const QString& value) const
{
    auto native = [&] { return QDir::toNativeSeparators(d->path); };
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        throw EIniFileException(FmtLoadResString(SIniFileLineBreak, {native()}));
    auto badName = [&](const QString& name) {
        throw EIniFileException(FmtLoadResString(SIniFileBadName, {name, native()}));
    };
    if (sec.isEmpty() || sec.contains(QLatin1Char(']')) || sec.contains(QLatin1Char('\n'))
        || sec.contains(QLatin1Char('\r')))
        badName(section);
    if (k.isEmpty() || k.contains(QLatin1Char('=')) || k.contains(QLatin1Char('\n')) || k.contains(QLatin1Char('\r'))
        || k.startsWith(QLatin1Char('[')) || k.startsWith(QLatin1Char(';')))
        badName(key);
    d->checkText(sec);
    d->checkText(k);
    d->checkText(value);
}

void TIniFile::writeChecked(const QString& sec, const QString& k, const QString& value)
{
    Section* s = d->find(sec);
    if (s) {
        const int i = Impl::keyOf(*s, k);
        if (i >= 0) {
            Line& l = s->body[size_t(i)];
            const QStringView old = l.text.mid(l.eq + 1);
            if (old == value || (trimBlanks(old) == value && trimBlanks(QStringView(value)) == value)) return;  // unchanged
            if (!d->writableChecked) d->checkWritable();
            d->writableChecked = true;
            const QStringView name = keyView(l);
            QString text;
            text.reserve(name.size() + 1 + value.size());
            text += name;
            text += QLatin1Char('=');
            text += value;
            l.eq = int(name.size());
            l.setText(std::move(text));
            d->modified = true;
            return;
        }
    }
    if (!d->writableChecked) d->checkWritable();
    d->writableChecked = true;

    // The line before a new one must end, also when it was the file's last.
    // A bare CR at its end stays part of its text: a LF alone would make
    // the two one CRLF line end and take the CR from its value.
    auto terminate = [&](Line* before) {
        if (!before || before->eol != EolNone) return;
        before->eol = before->text.endsWith(QLatin1Char('\r')) ? EolCrLf : d->newEol;
    };
    Line line;
    QString text;
    text.reserve(k.size() + 1 + value.size());
    text += k;
    text += QLatin1Char('=');
    text += value;
    line.setText(std::move(text));
    line.eq = int(k.size());
    line.eol = d->newEol;
    if (!s) {
        terminate(d->lastLine());
        Section ns;
        QString header;
        header.reserve(sec.size() + 2);
        header += QLatin1Char('[');
        header += sec;
        header += QLatin1Char(']');
        ns.header.setText(std::move(header));
        ns.name = ns.header.text.mid(1, sec.size());
        ns.header.eol = d->newEol;
        ns.body.push_back(std::move(line));
        d->sections.push_back(std::move(ns));
        d->sectionIndex.add(nameHash(sec), int(d->sections.size()) - 1);
    } else {
        // After the section's last line that is not blank (comments count).
        int pos = int(s->body.size());
        while (pos > 0 && isBlankLine(s->body[size_t(pos - 1)])) --pos;
        Line* before = pos > 0 ? &s->body[size_t(pos - 1)] : &s->header;
        terminate(before);
        s->body.insert(s->body.begin() + pos, std::move(line));
        Impl::noteKey(*s, pos);  // only blank lines follow, so no indexed line moves
    }
    d->modified = true;
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString& section)
{
    const int i = d->sectionOf(trimBlanks(QStringView(section)));
    if (i < 0) return;
    if (!d->writableChecked) d->checkWritable();
    d->writableChecked = true;
    d->sections.erase(d->sections.begin() + i);
    d->reindexSections();
    d->modified = true;
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    Section* s = d->find(section);
    if (!s) return;
    const int i = Impl::keyOf(*s, trimBlanks(QStringView(key)));
    if (i < 0) return;
    if (!d->writableChecked) d->checkWritable();
    d->writableChecked = true;
    s->body.erase(s->body.begin() + i);
    s->keyIndex.reset();
    d->modified = true;
}

void TIniFile::UpdateFile()
{
    if (!d->modified) return;
    d->checkWritable();
    const QByteArray bytes = d->contents();
    if (bytes == d->original && QFileInfo::exists(d->path)) {
        d->modified = false;
        return;
    }
    if (!ReplaceFileContents(d->path, bytes)) d->writeError();
    d->original = bytes;
    d->modified = false;
}

bool TIniFile::Modified() const { return d->modified; }

void TIniFile::Discard()
{
    d->parse(d->original);
    d->modified = false;
}

QByteArray TIniFile::Contents() const { return d->contents(); }
