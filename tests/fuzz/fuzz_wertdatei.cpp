// The value file: any bytes give the user data, the technical data and
// the zeta values, and a calculation of the example project with them
// either works or is refused with a message.
#include "FuzzSupport.h"
#include "ProjectText.h"
#include "app/Berechnung.h"
#include "app/ProjektDatei.h"
#include "app/SBWert.h"

namespace {
TProjektInhalt beispiel;
QString wertDatei;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    wertDatei = fuzz::ProgramFolderWithValueFile(false) + QStringLiteral("SBWert.Dat");
    beispiel = ReadProjectFile(QStringLiteral(SB_SOURCE_DIR "/tests/app/data/projekt_beispiel.stb"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Put(wertDatei, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    TUserdaten u;
    FUZZ_CHECK(ReadUserdaten(u, false));
    bool tip = false;
    FUZZ_CHECK(ReadTip(tip, false));
    TTechnikDaten technik;
    ReadTechnikdaten(technik);
    const QStringList zeta = TWertDatei().ReadZetaWerte();
    FUZZ_CHECK(zeta.size() == EinbautenAnzahl);

    fuzz::CalculateAll(beispiel, 1);
    return 0;
}
