// The file cipher: any contents with any password and integer key
// encipher and decipher back to the same bytes; any file deciphers or is
// refused ("Bad password !") without touching the output.
#include "FuzzSupport.h"
#include "support/FileCipher.h"
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5) return 0;
    // Byte 0 gives the password's length (0..4); the password takes the
    // bytes after it, the integer key the 4 after those, the rest is the file.
    const int pwLen = data[0] % 5;
    if (size < size_t(1 + pwLen + 4)) return 0;
    QString password;
    for (int i = 0; i < pwLen; ++i) password += QChar(char16_t(data[1 + i] ? data[1 + i] : 'x'));
    int32_t key = 0;
    std::memcpy(&key, data + 1 + pwLen, 4);
    if (key == 0 || key == -1) key = TFileCipher::DefaultIntKey;
    const size_t start = size_t(1 + pwLen + 4);
    const QByteArray plain(reinterpret_cast<const char*>(data + start), qsizetype(size - start));

    const QString in = fuzz::ScratchFile("klar");
    const QString enc = fuzz::ScratchFile("verschl");
    const QString out = fuzz::ScratchFile("zurueck");
    fuzz::Put(in, plain);
    QFile::remove(enc);
    QFile::remove(out);

    TFileCipher cipher;
    cipher.SetPassword(password);
    cipher.SetIntKey(key);
    cipher.SetInfile(in);
    cipher.SetOutfile(enc);
    FUZZ_CHECK(cipher.Encrypt());
    FUZZ_CHECK(fuzz::Get(enc).size() == plain.size() + 4);
    cipher.SetInfile(enc);
    cipher.SetOutfile(out);
    FUZZ_CHECK(cipher.Decrypt());
    FUZZ_CHECK(fuzz::Get(out) == plain);

    // The plain bytes taken as an enciphered file: deciphered or refused,
    // and a refusal leaves the output as it was.
    cipher.SetInfile(in);
    const bool ok = cipher.Decrypt();  // the answerer says Yes to replacing
    if (ok) FUZZ_CHECK(fuzz::Get(out).size() == qMax<qsizetype>(0, plain.size() - 4));
    else FUZZ_CHECK(fuzz::Get(out) == plain);
    return 0;
}
