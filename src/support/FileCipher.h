#pragma once
// Enciphers one file into another and back.  Every byte gets a number from
// 0 to 9 added, drawn from a linear congruential generator seeded from the
// password; a four-byte header (key + IntKey) lets deciphering recognise a
// wrong password or integer key.
//
// Enciphered file: 4 bytes header (little-endian), then the n plain bytes,
// each plus one draw (modulo 256).
//
// A run never leaves a half-written output behind: the output is written to
// "___.~--" in the output's folder and renamed into place once complete.
// Encrypt and Decrypt return whether the output was written whole; every
// failure has been reported to the user by then.
#include "platform/FormComponent.h"
#include <QObject>
#include <QString>
#include <cstdint>

// The runtime's random generator, as an object of its own: s := s * 134775813 + 1
// (mod 2^32); a draw below n is the upper half of the 64-bit product s * n.
class TCipherRandom {
public:
    explicit TCipherRandom(uint32_t seed = 0) : m_state(seed) {}
    void Seed(uint32_t seed) { m_state = seed; }
    uint32_t State() const { return m_state; }
    int Draw(uint32_t below)
    {
        m_state = m_state * 134775813u + 1u;
        return int((uint64_t(m_state) * below) >> 32);
    }

private:
    uint32_t m_state;
};

class TFileCipher : public QObject, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(QString Infile READ Infile WRITE SetInfile)
    Q_PROPERTY(QString Outfile READ Outfile WRITE SetOutfile)
    Q_PROPERTY(QString Password READ Password WRITE SetPassword)
    Q_PROPERTY(int IntKey READ IntKey WRITE SetIntKey)

public:
    static constexpr int BufferSize = 16384;
    static constexpr int DefaultIntKey = 64093817;
    static constexpr const char* TempName = "___.~--";

    explicit TFileCipher(QObject* owner = nullptr);

    const QString& Infile() const { return m_infile; }
    void SetInfile(const QString& value) { m_infile = value; }
    const QString& Outfile() const { return m_outfile; }
    void SetOutfile(const QString& value) { m_outfile = value; }
    const QString& Password() const { return m_password; }
    // More than 4 characters: "Max. length 4 characters", the old password stays.
    void SetPassword(const QString& value);
    int IntKey() const { return m_intKey; }
    // 0 and -1: "Value not allowed", the old key stays.
    void SetIntKey(int value);

    bool Encrypt();
    bool Decrypt();

    // The key the password gives: its characters (one byte each) as a
    // little-endian 32-bit number; 0 for an empty password.
    static uint32_t MakeKey(const QString& password);

    // Form entries "IntKey", "Password", "Infile", "Outfile".
    bool ReadFormProperty(const QString& name, const DfmValue& value) override;
    QList<DfmProperty> WriteFormProperties() const override;

private:
    bool run(bool encipher);

    QString m_infile;
    QString m_outfile;
    QString m_password;
    int m_intKey = DefaultIntKey;
};
