#include "support/LangIniFile.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/FileReplace.h"
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The bytes as text: UTF-8 when they are valid UTF-8, else Windows-1252.
// `utf8Marked` tells whether anything shows the file as UTF-8: the mark
// or characters beyond ASCII.
QString decode(QByteArray bytes, bool& ansi, bool& utf8Marked)
{
    utf8Marked = bytes.startsWith("\xEF\xBB\xBF");
    if (utf8Marked) bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    ansi = utf8.hasError();
    if (ansi) return DecodeCp1252(bytes);
    utf8Marked = utf8Marked || std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; });
    return text;
}

}  // namespace

TLangIniFile::TLangIniFile(const QString& fileName) : m_fileName(fileName)
{
    QFile file(fileName);
    if (!file.exists()) return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_readFailed = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_readFailed = true;
        return;
    }
    parse(decode(bytes, m_ansi, m_utf8Marked));
}

TLangIniFile::~TLangIniFile()
{
    if (m_readFailed) return;
    const QFileInfo info(m_fileName);
    if (info.exists()) {
        if (!m_modified) return;
        if (LacksWritePermission(info)) {
            ShowMessage(QStringLiteral("File \"%1\" is read-only").arg(m_fileName));
            return;
        }
        UpdateFile();
    } else if (!m_sections.isEmpty()) {
        UpdateFile();
    }
}

void TLangIniFile::parse(const QString& text)
{
    Section* current = nullptr;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (QStringView raw : lines) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || line.front() == u';') continue;
        if (line.front() == u'[' && line.back() == u']') {
            const QString name = line.mid(1, line.size() - 2).trimmed().toString();
            current = findSection(name);
            if (!current) {
                m_sections.append(Section{name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq <= 0) continue;
        const QString key = line.left(eq).trimmed().toString();
        if (key.isEmpty()) continue;
        bool known = false;
        for (const TKeyValue& kv : current->keys)
            if (sameName(kv.first, key)) { known = true; break; }
        if (!known) current->keys.append({key, line.mid(eq + 1).trimmed().toString()});
    }
}

TLangIniFile::Section* TLangIniFile::findSection(const QString& name)
{
    for (Section& s : m_sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

const TLangIniFile::Section* TLangIniFile::findSection(const QString& name) const
{
    for (const Section& s : m_sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

QStringList TLangIniFile::ReadSections() const
{
    QStringList names;
    for (const Section& s : m_sections) names.append(s.name);
    return names;
}

QStringList TLangIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    if (const Section* s = findSection(section))
        for (const TKeyValue& kv : s->keys) keys.append(kv.first);
    return keys;
}

QList<TLangIniFile::TKeyValue> TLangIniFile::SectionValues(const QString& section) const
{
    const Section* s = findSection(section);
    return s ? s->keys : QList<TKeyValue>();
}

bool TLangIniFile::SectionExists(const QString& section) const { return findSection(section) != nullptr; }

bool TLangIniFile::ValueExists(const QString& section, const QString& key) const
{
    if (const Section* s = findSection(section))
        for (const TKeyValue& kv : s->keys)
            if (sameName(kv.first, key)) return true;
    return false;
}

QString TLangIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    if (const Section* s = findSection(section))
        for (const TKeyValue& kv : s->keys)
            if (sameName(kv.first, key)) return kv.second;
    return def;
}

void TLangIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section* s = findSection(section);
    if (!s) {
        m_sections.append(Section{section.trimmed(), {}});
        s = &m_sections.last();
    }
    m_modified = true;
    for (TKeyValue& kv : s->keys)
        if (sameName(kv.first, key)) {
            kv.second = value;
            return;
        }
    s->keys.append({key.trimmed(), value});
}

void TLangIniFile::EraseSection(const QString& section)
{
    m_modified = true;
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (sameName(m_sections.at(i).name, section)) {
            m_sections.removeAt(i);
            return;
        }
}

void TLangIniFile::DeleteKey(const QString& section, const QString& key)
{
    m_modified = true;
    if (Section* s = findSection(section))
        for (qsizetype i = 0; i < s->keys.size(); ++i)
            if (sameName(s->keys.at(i).first, key)) {
                s->keys.removeAt(i);
                return;
            }
}

QString TLangIniFile::Text() const
{
    QString out;
    for (const Section& s : m_sections) {
        if (!out.isEmpty()) out += QLatin1String("\r\n");
        out += QLatin1Char('[') + s.name + QLatin1String("]\r\n");
        for (const TKeyValue& kv : s.keys) out += kv.first + QLatin1Char('=') + kv.second + QLatin1String("\r\n");
    }
    return out;
}

bool TLangIniFile::UpdateFile()
{
    if (m_readFailed) return false;
    const QString text = Text();
    QByteArray bytes;
    if (!m_ansi || !TryEncodeCp1252(text, bytes)) bytes = text.toUtf8();
    if (!ReplaceFileContents(m_fileName, bytes)) return false;  // the file is as it was
    m_modified = false;
    return true;
}
