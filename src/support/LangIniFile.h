#pragma once
// The reader of language files: an INI text held in memory.
//
// The file is read whole when the object is made: UTF-8 when the bytes are
// valid UTF-8 (a byte order mark is skipped), else Windows-1252; lines end
// in CR LF or LF.  Section and key names are matched without regard to
// case, names and values are trimmed, lines starting with ";" are comments.
// A section named twice is one section; of keys named twice the first wins.
//
// Changes stay in memory and set Modified; UpdateFile writes them (as UTF-8
// unless the file was read as Windows-1252 and the text still fits it).
// When the object goes: a modified file that exists and is read-only shows
// "File "<name>" is read-only" and is left alone; a modified writable file
// is written back; a file that does not exist is created when the contents
// hold at least one section.  A file that could not be read is never
// written.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class TLangIniFile {
public:
    using TKeyValue = QPair<QString, QString>;

    explicit TLangIniFile(const QString& fileName);
    ~TLangIniFile();
    TLangIniFile(const TLangIniFile&) = delete;
    TLangIniFile& operator=(const TLangIniFile&) = delete;

    const QString& FileName() const { return m_fileName; }
    // True when the file exists but could not be read.
    bool ReadFailed() const { return m_readFailed; }
    // True when the file shows itself as UTF-8: it starts with the byte-order
    // mark, or it holds characters beyond ASCII in valid UTF-8.  A file
    // that does neither was written in the code page (plain ASCII is
    // Windows-1252 too).
    bool MarkedAsUtf8() const { return m_utf8Marked; }

    QStringList ReadSections() const;
    // Key names in file order.
    QStringList ReadSection(const QString& section) const;
    // Keys and values in file order.
    QList<TKeyValue> SectionValues(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

    bool Modified() const { return m_modified; }
    // Writes the contents; clears Modified.  False when the file cannot be
    // written (it is then unchanged).
    bool UpdateFile();
    // The contents as they would be written (CR LF lines).
    QString Text() const;

private:
    struct Section {
        QString name;
        QList<TKeyValue> keys;
    };
    void parse(const QString& text);
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    QString m_fileName;
    QList<Section> m_sections;
    bool m_modified = false;
    bool m_readFailed = false;
    bool m_ansi = false;  // read as Windows-1252
    bool m_utf8Marked = false;
};
