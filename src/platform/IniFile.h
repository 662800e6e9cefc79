#pragma once
// Profile (INI) file access with the semantics the program's files rely on.
//
// The file is parsed once when the object is made.  Section and key names
// match without regard to ASCII case; of duplicated sections or keys the
// first wins.  Writes stay in memory until UpdateFile(), which replaces the
// file atomically; every line the writes do not touch survives byte for
// byte.  Files are Windows-1252 with CRLF lines (LF is read too).
#include <QString>
#include <QStringList>
#include <memory>

class TIniFile {
public:
    explicit TIniFile(const QString& fileName);
    // Writes pending changes unless an exception is unwinding; never throws
    // (call UpdateFile to learn of a failed save).
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const QString& FileName() const;

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // The text ReadString gives (empty for a missing key) without copying
    // it; it stays valid until this object changes or goes.
    QStringView ValueView(QStringView section, QStringView key) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    QStringList ReadSection(const QString& section) const;  // key names in file order
    QStringList ReadSections() const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    // Throws EIniFileException when the text holds a character that
    // Windows-1252 cannot store, or a line break; and, as the classic
    // profile calls did, when the file cannot be written (missing folder,
    // read-only file: "In <file> kann nicht geschrieben werden").  A refused
    // write changes nothing.  Writing the value a key already has is no change.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

    // Writes pending changes as one atomic replacement.  Throws
    // EIniFileException (missing folder, read-only file, disk error); the
    // file is then as it was.
    void UpdateFile();
    bool Modified() const;
    // Drops pending changes.
    void Discard();

    // The whole file as it would be written now (Windows-1252, CRLF).
    QByteArray Contents() const;

private:
    void checkWrite(const QString& section, const QString& key, const QString& sec, const QString& k,
                    const QString& value) const;
    void writeChecked(const QString& sec, const QString& k, const QString& value);
    struct Impl;
    std::unique_ptr<Impl> d;
    int m_uncaught;
};
