// Enciphers and deciphers a file of 8 MiB and reports the throughput.
#include "support/FileCipher.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const qint64 size = 8 << 20;
    QByteArray data(size, '\0');
    for (qint64 i = 0; i < size; ++i) data[i] = char((i * 31) ^ (i >> 7));
    QFile f(dir.filePath("plain"));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != size) return 1;
    f.close();

    TFileCipher cipher;
    cipher.SetPassword(QStringLiteral("QM47"));
    cipher.SetIntKey(38027154);
    cipher.SetInfile(dir.filePath("plain"));
    cipher.SetOutfile(dir.filePath("enc"));
    QElapsedTimer t;
    t.start();
    if (!cipher.Encrypt()) return 1;
    const qint64 encMs = t.restart();
    cipher.SetInfile(dir.filePath("enc"));
    cipher.SetOutfile(dir.filePath("back"));
    if (!cipher.Decrypt()) return 1;
    const qint64 decMs = t.elapsed();

    QFile b(dir.filePath("back"));
    if (!b.open(QIODevice::ReadOnly) || b.readAll() != data) return 1;
    std::printf("encipher 8 MiB: %lld ms, decipher 8 MiB: %lld ms\n", (long long)encMs, (long long)decMs);
    return 0;
}
