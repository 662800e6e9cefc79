#include "support/FileCipher.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/FileReplace.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace {

// The path a file is known by, for telling whether two names mean one file.
QString identity(const QString& path)
{
    const QString cleaned = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QFileInfo info(cleaned);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) return canonical;
    // A file that does not exist yet: resolve its folder, keep its name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty()) return QDir(folder).filePath(info.fileName());
    return cleaned;
}

void cannotRead(const QString& path)
{
    MessageDlg(QStringLiteral("Die Datei kann nicht gelesen werden: ") + QDir::toNativeSeparators(path), mtError, mbOK);
}

void cannotWrite(const QString& path)
{
    MessageDlg(QStringLiteral("Die Datei kann nicht geschrieben werden: ") + QDir::toNativeSeparators(path), mtError,
               mbOK);
}

void putLE(char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = char((v >> (8 * i)) & 0xFF);
}

uint32_t getLE(const char* p)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | uint8_t(p[i]);
    return v;
}

}  // namespace

TFileCipher::TFileCipher(QObject* owner) : QObject(owner) {}

void TFileCipher::SetPassword(const QString& value)
{
    if (value.size() < 5) {
        m_password = value;
        return;
    }
    MessageDlg(QStringLiteral("Max. length 4 characters"), mtCustom, mbOK);
}

void TFileCipher::SetIntKey(int value)
{
    if (value != 0 && value != -1) {
        m_intKey = value;
        return;
    }
    MessageDlg(QStringLiteral("Value not allowed"), mtCustom, mbOK);
}

uint32_t TFileCipher::MakeKey(const QString& password)
{
    // One byte per character, as the runtime's ANSI strings hold them.
    const QByteArray bytes = EncodeCp1252Lossy(password);
    uint32_t key = 0;
    for (int i = 0; i < bytes.size() && i < 4; ++i) key |= uint32_t(uint8_t(bytes[i])) << (8 * i);
    return key;
}

bool TFileCipher::Encrypt() { return run(true); }
bool TFileCipher::Decrypt() { return run(false); }

bool TFileCipher::run(bool encipher)
{
    if (m_infile.isEmpty()) {
        cannotRead(m_infile);
        return false;
    }
    if (m_outfile.isEmpty()) {
        cannotWrite(m_outfile);
        return false;
    }

    // Everything below is the state of this one run; the properties stay as set.
    const QString input = identity(m_infile);
    const bool sameFile = input == identity(m_outfile);
    const QString target = sameFile ? input : QFileInfo(m_outfile).absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    QString temp = QDir(folder).filePath(QString::fromLatin1(TempName));
    while (identity(temp) == input || identity(temp) == identity(target)) temp += QLatin1Char('~');

    QFile in(input);
    if (!QFileInfo(input).isFile() || !in.open(QIODevice::ReadOnly)) {
        cannotRead(m_infile);
        return false;
    }

    if (!sameFile && QFileInfo::exists(target)) {
        const QString cr(QLatin1Char('\r'));
        const QString question = QStringLiteral("Die zu speichernde Datei : ") + QFileInfo(target).fileName() + cr +
                                 QStringLiteral("gibt es schon.") + cr + QStringLiteral("Alle Daten gehen verloren.") +
                                 cr + cr + QStringLiteral("Trotzdem fortsetzen ?");
        if (MessageDlg(question, mtWarning, mbYes | mbNo) != mrYes) return false;
    }

    const uint32_t key = MakeKey(m_password);
    TCipherRandom random(key);
    char header[4];
    if (encipher) {
        putLE(header, key + uint32_t(m_intKey));
    } else {
        // The header is checked before anything is written.
        if (in.read(header, 4) != 4 || getLE(header) - uint32_t(m_intKey) != key) {
            MessageDlg(QStringLiteral("Bad password !"), mtCustom, mbOK);
            return false;
        }
    }

    TFileReplacer out(target, temp);
    if (!out.Open()) {
        cannotWrite(target);
        return false;
    }
    auto fail = [&](bool readFault) {
        out.Cancel();
        if (readFault) cannotRead(m_infile);
        else cannotWrite(target);
        return false;
    };

    if (encipher && !out.Write(header, 4)) return fail(false);

    std::vector<char> buffer(BufferSize);
    for (;;) {
        const qint64 got = in.read(buffer.data(), BufferSize);
        if (got < 0) return fail(true);
        if (got == 0) break;
        if (encipher) {
            for (qint64 i = 0; i < got; ++i) buffer[i] = char(uint8_t(buffer[i]) + random.Draw(10));
        } else {
            for (qint64 i = 0; i < got; ++i) buffer[i] = char(uint8_t(buffer[i]) - random.Draw(10));
        }
        if (!out.Write(buffer.data(), got)) return fail(false);
    }
    in.close();
    if (!out.Commit()) return fail(false);
    return true;
}

bool TFileCipher::ReadFormProperty(const QString& name, const DfmValue& value)
{
    const auto is = [&](const char* n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    if (is("IntKey") && value.kind == DfmValue::Integer) {
        SetIntKey(int(value.integer));
        return true;
    }
    if (value.kind != DfmValue::String) return false;
    if (is("Password")) SetPassword(value.text);
    else if (is("Infile")) SetInfile(value.text);
    else if (is("Outfile")) SetOutfile(value.text);
    else return false;
    return true;
}

QList<DfmProperty> TFileCipher::WriteFormProperties() const
{
    QList<DfmProperty> props;
    if (!m_infile.isEmpty()) props.append({QStringLiteral("Infile"), DfmValue::fromString(m_infile)});
    if (!m_outfile.isEmpty()) props.append({QStringLiteral("Outfile"), DfmValue::fromString(m_outfile)});
    if (!m_password.isEmpty()) props.append({QStringLiteral("Password"), DfmValue::fromString(m_password)});
    if (m_intKey != DefaultIntKey) props.append({QStringLiteral("IntKey"), DfmValue::fromInt(m_intKey)});
    return props;
}
