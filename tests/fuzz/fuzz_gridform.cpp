// Grid form data: any entries of a cell grid's form object are taken or
// skipped, the grid still paints, and what it writes back reads the same.
#include "FuzzSupport.h"
#include "grid/CellGrid.h"
#include "platform/Exceptions.h"
#include "platform/FormResource.h"
#include <QImage>
#include <QPainter>

namespace {

QString entriesText(const QList<DfmProperty>& props)
{
    DfmObject o;
    o.name = QStringLiteral("G");
    o.className = QStringLiteral("TCellGrid");
    // An empty list and a missing entry say the same.
    for (const DfmProperty& p : props)
        if (!(p.value.kind == DfmValue::List && p.value.items.isEmpty())) o.properties.append(p);
    return WriteFormResource(o);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DfmObject obj;
    if (!fuzz::ParseForm(data, size, QStringLiteral("grid.dfm"), obj)) return 0;
    TCellGrid grid;
    grid.resize(300, 120);
    for (const DfmProperty& p : obj.properties) {
        if (p.name.compare(QLatin1String("Width"), Qt::CaseInsensitive) == 0
            || p.name.compare(QLatin1String("Height"), Qt::CaseInsensitive) == 0)
            continue;  // the size stays small, so painting stays quick
        grid.ReadFormProperty(p.name, p.value);
    }
    grid.Loaded();

    QImage image(300, 120, QImage::Format_ARGB32);
    grid.render(&image);

    // What the grid writes, read into a fresh grid, is written the same.
    const QList<DfmProperty> written = grid.WriteFormProperties();
    TCellGrid second;
    for (const DfmProperty& p : written) second.ReadFormProperty(p.name, p.value);
    second.Loaded();
    const QString first = entriesText(written);
    const QString again = entriesText(second.WriteFormProperties());
    if (first != again) std::fprintf(stderr, "written:\n%s\nread back and written:\n%s\n", qPrintable(first), qPrintable(again));
    FUZZ_CHECK(again == first);
    return 0;
}
