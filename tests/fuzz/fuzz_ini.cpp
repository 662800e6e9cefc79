// Profile files: any bytes read; written back unchanged when nothing was
// written; an appended section or a replaced value leaves every other value
// as it read before.
#include "FuzzSupport.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include <QHash>

namespace {

using Values = QHash<QString, QString>;  // "section\nkey" as read -> value

Values readAll(const TIniFile& ini)
{
    Values v;
    for (const QString& s : ini.ReadSections())
        for (const QString& k : ini.ReadSection(s))
            v.insert(s + QLatin1Char('\n') + k, ini.ReadString(s, k, QStringLiteral("<none>")));
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = fuzz::ScratchFile("f.ini");
    fuzz::Put(path, bytes);

    Values before;
    QString firstSection, firstKey;
    {
        TIniFile ini(path);
        FUZZ_CHECK(ini.Contents() == bytes);
        before = readAll(ini);
        const QStringList sections = ini.ReadSections();
        for (const QString& s : sections) {
            const QStringList keys = ini.ReadSection(s);
            if (!keys.isEmpty()) {
                firstSection = s;
                firstKey = keys.first();
                break;
            }
        }
        ini.ReadInteger(QStringLiteral("a"), QStringLiteral("b"), 7);
        if (ini.SectionExists(QStringLiteral("FuzzNeu"))) return 0;
        try {
            ini.WriteString(QStringLiteral("FuzzNeu"), QStringLiteral("Schluessel"), QStringLiteral("Wert"));
        } catch (const EIniFileException&) {
            return 0;
        }
        // Appending keeps every byte there was.
        FUZZ_CHECK(ini.Contents().startsWith(bytes));
        ini.UpdateFile();
    }
    {
        TIniFile ini(path);
        Values after = readAll(ini);
        FUZZ_CHECK(after.take(QStringLiteral("FuzzNeu\nSchluessel")) == QStringLiteral("Wert"));
        FUZZ_CHECK(after == before);
        if (firstSection.isEmpty()) return 0;
        try {
            ini.WriteString(firstSection, firstKey, QStringLiteral("neu"));
        } catch (const EIniFileException&) {
            return 0;  // a name the profile calls could not have written
        }
        ini.UpdateFile();
    }
    {
        TIniFile ini(path);
        Values after = readAll(ini);
        FUZZ_CHECK(after.take(firstSection + QLatin1Char('\n') + firstKey) == QStringLiteral("neu"));
        before.remove(firstSection + QLatin1Char('\n') + firstKey);
        after.remove(QStringLiteral("FuzzNeu\nSchluessel"));
        FUZZ_CHECK(after == before);
    }
    return 0;
}
