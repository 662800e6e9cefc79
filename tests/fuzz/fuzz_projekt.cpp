// Project files: any bytes are read or refused with a message, never a
// crash; what reads is saved and read back unchanged, and calculates or is
// refused by the calculation.
#include "FuzzSupport.h"
#include "ProjectText.h"
#include "app/Berechnung.h"
#include "app/ProjektDatei.h"
#include "app/SBWert.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    fuzz::ProgramFolderWithValueFile();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::ScratchFile("p.STB");
    const QString copy = fuzz::ScratchFile("kopie.STB");
    fuzz::Put(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    TProjektInhalt inhalt;
    try {
        inhalt = ReadProjectFile(path);
    } catch (const Exception&) {
        return 0;  // refused with a message
    }
    FUZZ_CHECK(inhalt.TSAnzahl >= 0 && int(inhalt.Teilstrecken.size()) == inhalt.TSAnzahl + 1);

    // A project that reads is saved whole and reads back the same.
    if (inhalt.TSAnzahl >= 1) {
        QFile::remove(copy);
        bool saved = true;
        try {
            WriteProjectFile(copy, inhalt);
        } catch (const Exception&) {
            saved = false;  // refused before anything was written
        }
        if (saved) {
            const TProjektInhalt zurueck = ReadProjectFile(copy);
            const QStringList a = fuzz::ProjectText(inhalt), b = fuzz::ProjectText(zurueck);
            for (int i = 0; i < qMin(a.size(), b.size()); ++i)
                if (a[i] != b[i])
                    std::fprintf(stderr, "text %d: read \"%s\", saved and read back \"%s\"\n", i, qPrintable(a[i]),
                                 qPrintable(b[i]));
            FUZZ_CHECK(a == b);
        } else {
            FUZZ_CHECK(!QFile::exists(copy));
        }
    }

    fuzz::CalculateAll(inhalt, 0);
    return 0;
}
