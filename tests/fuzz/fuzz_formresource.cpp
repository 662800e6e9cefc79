// Form resources: any text parses or is refused with a message naming the
// line; what parses is written back to text that parses to the same tree,
// and applying it to a real dialog works or is refused, never a crash.
#include "FuzzSupport.h"
#include "app/DruckKopfForm.h"
#include "platform/Exceptions.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DfmObject form;
    if (!fuzz::ParseForm(data, size, QStringLiteral("fuzz.dfm"), form)) return 0;
    const QString written = WriteFormResource(form);
    DfmObject again;
    try {
        again = ParseFormResource(written, QStringLiteral("fuzz.dfm"));
    } catch (const EFormResourceError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(!"the written text parses");
    }
    FUZZ_CHECK(SameFormTree(form, again));

    if (form.className.compare(QLatin1String("TDruckkopfDlg"), Qt::CaseInsensitive) == 0) {
        TDruckkopfDlg dlg;
        try {
            ApplyFormResource(&dlg, form);
        } catch (const Exception&) {
        }
        dlg.grab();
    }
    return 0;
}
