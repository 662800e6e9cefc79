#pragma once
// Shared pieces of the fuzz targets: one application object (offscreen),
// an answerer that closes every question at once, a scratch folder in
// memory where there is one, and a check that stops the run on a broken
// promise (libFuzzer then keeps the input as a crash).
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/FormResource.h"
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {

// Every question is answered at once: messages with their first button
// (OK or Yes), inputs and dialogs cancelled, modal forms with Cancel.
class QuietAnswerer : public DialogAnswerer {
public:
    int message(const QString&, TMsgDlgType, TMsgDlgButtons buttons) override
    {
        if (buttons & mbYes) return mrYes;
        return mrOk;
    }
    bool input(const QString&, const QString&, QString&) override { return false; }
    bool fileDialog(FileDialogRequest&) override { return false; }
    bool printDialog(PrintDialogRequest&) override { return false; }
    int modalForm(QWidget*) override { return mrCancel; }
};

inline void Init(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int args = 1;
    static char name[] = "fuzz";
    static char* argvQt[] = {name, nullptr};
    // Left alive at exit: the run ends without tearing the GUI down (the
    // order of static destructors would otherwise decide what is left).
    new QApplication(args, argvQt);
    SetDialogAnswerer(new QuietAnswerer);
    (void)argc;
    (void)argv;
}

// A scratch folder for the whole run, in memory when /dev/shm exists.
inline const QString& Scratch()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        return std::make_unique<QTemporaryDir>(base + QStringLiteral("/sbfuzz-XXXXXX"));
    }();
    static const QString path = dir->path();
    return path;
}

inline QString ScratchFile(const char* name) { return Scratch() + QLatin1Char('/') + QLatin1String(name); }

inline void Put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    f.write(bytes);
}

inline QByteArray Get(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The input as form text (UTF-8), parsed into `form`; false when the parser
// refused it with its message.
inline bool ParseForm(const uint8_t* data, size_t size, const QString& fileName, DfmObject& form)
{
    try {
        form = ParseFormResource(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)), fileName);
    } catch (const EFormResourceError&) {
        return false;
    }
    return true;
}

// A promise of the code under test that the input broke.
#define FUZZ_CHECK(cond)                                                                   \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

}  // namespace fuzz

namespace fuzz {

// A program folder of its own, holding the shipped value file unless
// `withValueFile` is false.  Returns its path with a trailing '/'.
QString ProgramFolderWithValueFile(bool withValueFile = true);

}  // namespace fuzz
