// Saving and opening a large project: 1000 sections with 5 fittings and a
// further component each.  Target: under 100 ms for each.
#include "app/ProjektDatei.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kSections = 1000;
    constexpr int kRuns = 5;

    TProjektInhalt p;
    p.Projektdaten.Name1 = "Bauamt";
    p.Projektdaten.Projekt = "Großprojekt";
    p.Projektdaten.Vortext = "Vorbemerkung\r\nzweite Zeile";
    p.TSAnzahl = kSections;
    p.Teilstrecken.assign(kSections + 1, GeleerteTeilstrecke());
    const int kSlots[] = {3, 31, 52, 88, 95};
    for (int n = 1; n <= kSections; ++n) {
        TTeilstrecke& t = p.Teilstrecken[size_t(n)];
        t.Nummer = QString::number(n);
        t.Materialart = "0";
        t.DNRohr = "200";
        t.Laenge = "12,5";
        t.Volumenstrom = "600";
        t.Geschw = "5,31";
        t.DpGesamt = "66,46";
        t.Bezeichnung = QString("Strecke %1").arg(n);
        for (int slot : kSlots) t.Einbauten(slot) = {"13", "0,21", "2"};
        t.FremdEinbauten(1) = {"Brandschutzklappe", "15", "1"};
    }

    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    const QString path = dir.filePath("gross.stb");

    double bestWrite = 1e9, bestRead = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        QFile::remove(path);  // a new file each time, as for "save as"
        QElapsedTimer t;
        t.start();
        WriteProjectFile(path, p);
        bestWrite = std::min(bestWrite, t.nsecsElapsed() / 1e6);

        t.restart();
        const TProjektInhalt q = ReadProjectFile(path);
        bestRead = std::min(bestRead, t.nsecsElapsed() / 1e6);
        if (q.TSAnzahl != kSections || q.Teilstrecken[kSections].FremdEinbauten(1).Dp.str() != "15" ||
            q.Teilstrecken[kSections].Einbauten(95).Anzahl.str() != "2") {
            std::fprintf(stderr, "read back wrong\n");
            return 1;
        }
    }
    // Saving over the existing file (the ordinary "save").
    QElapsedTimer t;
    t.start();
    WriteProjectFile(path, p);
    const double over = t.nsecsElapsed() / 1e6;

    const qint64 size = QFileInfo(path).size();
    std::printf("project file: %d sections, 5 fittings and 1 further component each, %lld bytes\n", kSections, (long long)size);
    std::printf("save (new file):      %8.2f ms  (target < 100 ms) %s\n", bestWrite, bestWrite < 100 ? "ok" : "SLOW");
    std::printf("save (over existing): %8.2f ms  (target < 100 ms) %s\n", over, over < 100 ? "ok" : "SLOW");
    std::printf("open:                 %8.2f ms  (target < 100 ms) %s\n", bestRead, bestRead < 100 ? "ok" : "SLOW");
    return (bestWrite < 100 && bestRead < 100 && over < 100) ? 0 : 2;
}
