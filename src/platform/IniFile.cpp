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
#include <exception>
#include <memory>
#include <unordered_map>
#include <vector>

// The file is kept as its lines.  Every line keeps its text and its own
// line end, so lines that no write touches are written back exactly as
// they were read (the Windows-1252 decoding maps all 256 bytes one to one).

namespace {

enum Eol : quint8 { EolNone, EolLf, EolCrLf };

struct Line {
    QString text;  // without the line end
    int eq = -1;   // position of '=' in a key line, else -1
    Eol eol = EolCrLf;
};

// Positions by name: the hash of the name without regard to case -> the
// position of the first line or section of that name.
using NameIndex = std::unordered_multimap<size_t, int>;

struct Section {
    QString name;  // as written in the header, trimmed
    Line header;
    std::vector<Line> body;
    // Short sections are searched line by line; long ones get an index of
    // their keys when first searched.
    mutable std::unique_ptr<NameIndex> keyIndex;
};

constexpr size_t kLinearKeys = 16;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b))) ++b;
    while (e > b && isBlank(s.at(e - 1))) --e;
    return b == 0 && e == s.size() ? s : s.mid(b, e - b);
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b))) ++b;
    while (e > b && isBlank(s.at(e - 1))) --e;
    return s.mid(b, e - b);
}

char16_t foldChar(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// Names match without regard to ASCII case.
bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size()) return false;
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < a.size(); ++i)
        if (pa[i] != pb[i] && foldChar(pa[i]) != foldChar(pb[i])) return false;
    return true;
}

size_t nameHash(QStringView s)
{
    size_t h = 1469598103934665603ull;
    for (const QChar c : s) h = (h ^ foldChar(c.unicode())) * 1099511628211ull;
    return h;
}

QStringView keyView(const Line& l) { return trimBlanks(QStringView(l.text).left(l.eq)); }
QString keyOf(const Line& l) { return keyView(l).toString(); }
QString valueOf(const Line& l) { return trimBlanks(QStringView(l.text).mid(l.eq + 1)).toString(); }

bool isBlankLine(const Line& l)
{
    for (const QChar c : l.text)
        if (!isBlank(c)) return false;
    return true;
}

// Section header: "[name]" after optional blanks.  Returns false otherwise;
// a "[name" without its closing bracket opens no section, so the keys below
// it stay in the section before it, as the profile functions read them.
bool parseHeader(const QString& text, QString& name)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i))) ++i;
    if (i >= text.size() || text.at(i) != QLatin1Char('[')) return false;
    const qsizetype close = text.indexOf(QLatin1Char(']'), i + 1);
    if (close < 0) return false;
    name = trimBlanks(QStringView(text).mid(i + 1, close - i - 1)).toString();
    return true;
}

// Position of '=' of a key line, or -1 for comments and other lines.
int keyLineEq(const QString& text)
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

    void parse(const QByteArray& bytes);
    void reindexSections();
    int sectionOf(QStringView name) const;  // -1 for none
    static int keyOf(const Section& s, QStringView key);  // body index, -1 for none
    static void noteKey(const Section& s, int line);
    Section* find(const QString& section);
    const Section* find(const QString& section) const { return const_cast<Impl*>(this)->find(section); }
    const Line* findKey(const QString& section, const QString& key) const;
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
    const QString all = DecodeCp1252(bytes);
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
        line.text = all.mid(start, end - start);
        start = nl < 0 ? n : nl + 1;

        QString name;
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
        const QString& name = sections[size_t(i)].name;
        if (sectionOf(name) < 0) sectionIndex.emplace(nameHash(name), i);
    }
}

int TIniFile::Impl::sectionOf(QStringView name) const
{
    const auto [from, to] = sectionIndex.equal_range(nameHash(name));
    for (auto it = from; it != to; ++it)
        if (sameName(sections[size_t(it->second)].name, name)) return it->second;
    return -1;
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
    const auto [from, to] = s.keyIndex->equal_range(nameHash(key));
    for (auto it = from; it != to; ++it)
        if (sameName(keyView(s.body[size_t(it->second)]), key)) return it->second;
    return -1;
}

// Line `line` of `s` holds a key: indexed unless an earlier line has it.
void TIniFile::Impl::noteKey(const Section& s, int line)
{
    if (!s.keyIndex) return;
    const QStringView key = keyView(s.body[size_t(line)]);
    const auto [from, to] = s.keyIndex->equal_range(nameHash(key));
    for (auto it = from; it != to; ++it)
        if (sameName(keyView(s.body[size_t(it->second)]), key)) return;
    s.keyIndex->emplace(nameHash(key), line);
}

Section* TIniFile::Impl::find(const QString& section)
{
    const int i = sectionOf(trimBlanks(QStringView(section)));
    return i < 0 ? nullptr : &sections[size_t(i)];
}

const Line* TIniFile::Impl::findKey(const QString& section, const QString& key) const
{
    const Section* s = find(section);
    if (!s) return nullptr;
    const int i = keyOf(*s, trimBlanks(QStringView(key)));
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
        // A file without any write permission is read-only, also for an
        // administrator, whom the system would let write anyway.
        const QFile::Permissions w = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (!(fi.permissions() & w) || !fi.isWritable()) writeError();
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
        const QString& name = d->sections[size_t(i)].name;
        if (d->sectionOf(name) == i) out << name;
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
    const QString sec = trimBlanks(QStringView(section)).toString();
    const QString k = trimBlanks(QStringView(key)).toString();
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

    Section* s = d->find(sec);
    if (s) {
        const int i = Impl::keyOf(*s, k);
        if (i >= 0) {
            Line& l = s->body[size_t(i)];
            const QStringView old = QStringView(l.text).mid(l.eq + 1);
            if (old == value || (trimBlanks(old) == value && trimBlanks(QStringView(value)) == value)) return;  // unchanged
            if (!d->writableChecked) d->checkWritable();
            d->writableChecked = true;
            const QString name = keyOf(l);
            l.text = name + QLatin1Char('=') + value;
            l.eq = int(name.size());
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
    line.text = k + QLatin1Char('=') + value;
    line.eq = int(k.size());
    line.eol = d->newEol;
    if (!s) {
        terminate(d->lastLine());
        Section ns;
        ns.name = sec;
        ns.header.text = QLatin1Char('[') + sec + QLatin1Char(']');
        ns.header.eol = d->newEol;
        ns.body.push_back(std::move(line));
        d->sections.push_back(std::move(ns));
        d->sectionIndex.emplace(nameHash(sec), int(d->sections.size()) - 1);
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
