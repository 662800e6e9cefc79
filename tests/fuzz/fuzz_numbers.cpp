// Number texts: any text converts or is refused; what converts prints and
// reads back; every number formats without a crash.
#include "FuzzSupport.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Up to the first NUL: the text; after it: a display format.
    const char* p = reinterpret_cast<const char*>(data);
    const void* nul = std::memchr(p, 0, size);
    const size_t textLen = nul ? size_t(static_cast<const char*>(nul) - p) : size;
    const QString text = QString::fromLatin1(p, qsizetype(textLen));
    const QString format = nul ? QString::fromLatin1(p + textLen + 1, qsizetype(size - textLen - 1)) : QString();

    int i = 0;
    if (TryStrToInt(text, i)) {
        FUZZ_CHECK(StrToInt(IntToStr(i)) == i);
        FUZZ_CHECK(StrToIntDef(text, 17) == i);
    } else {
        FUZZ_CHECK(StrToIntDef(text, 17) == 17);
    }

    double v = 0;
    QList<double> values;
    if (TryStrToFloat(text, v)) {
        FUZZ_CHECK(std::isfinite(v));
        values << v;
        // The shortest text of 15 digits reads back to the number within them.
        double back = 0;
        FUZZ_CHECK(TryStrToFloat(FloatToStr(v), back));
        FUZZ_CHECK(back == v || std::fabs(back - v) <= 1e-14 * std::fabs(v));
    }
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, 8);
        values << raw;
    }
    for (const double x : values) {
        FloatToStr(x);
        FloatToStrF(x, ffFixed, 15, 2);
        FloatToStrF(x, ffGeneral, 15, 0);
        FloatToStrF(x, ffNumber, 18, 4);
        FormatFloat(QStringLiteral(",0.00"), x);
        if (!format.isEmpty()) FormatFloat(format, x);
        try {
            Round(x);
            Trunc(x);
        } catch (const Exception&) {
        }
    }
    return 0;
}
