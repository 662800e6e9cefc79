// Profile file speed: parse a project-sized INI file once and read every
// key, and write every key with one atomic save, against the cost of the
// classic profile calls, which parse the whole file for every key.
#include "platform/IniFile.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

struct Key { QString section, key, value; };

std::vector<Key> projectKeys()
{
    std::vector<Key> keys;
    const int sections = 1000;
    for (int s = 1; s <= sections; ++s) {
        const QString sec = QStringLiteral("TS%1-Einbauten").arg(s);
        for (int k = 1; k <= 11; ++k)
            keys.push_back({sec, QStringLiteral("Bogen%1").arg(k),
                            QStringLiteral("Bogen rund, %1 Segmente;0,21;%2;").arg(k).arg(s % 7)});
    }
    return keys;
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath("Projekt.STB");
    const std::vector<Key> keys = projectKeys();

    // Writing: every key into a new file, one atomic save.
    QElapsedTimer t;
    t.start();
    double saveMs = 0;
    {
        TIniFile ini(file);
        for (const Key& k : keys) ini.WriteString(k.section, k.key, k.value);
        QElapsedTimer s;
        s.start();
        ini.UpdateFile();
        saveMs = ms(s);
    }
    const double writeMs = ms(t);
    const qint64 size = QFile(file).size();

    // Reading: one parse, every key.
    t.restart();
    qsizetype total = 0;
    {
        TIniFile ini(file);
        for (const Key& k : keys) total += ini.ReadString(k.section, k.key, QString()).size();
    }
    const double readMs = ms(t);

    // Baseline: a fresh parse for every key (sampled, then extrapolated).
    const size_t step = 100;
    size_t sampled = 0;
    t.restart();
    for (size_t i = 0; i < keys.size(); i += step, ++sampled) {
        TIniFile ini(file);
        total += ini.ReadString(keys[i].section, keys[i].key, QString()).size();
    }
    const double baseReadMs = ms(t) / double(sampled) * double(keys.size());

    // Baseline writing: parse, change one key, save, for every key (sampled).
    t.restart();
    sampled = 0;
    for (size_t i = 0; i < keys.size(); i += step * 5, ++sampled) {
        TIniFile ini(file);
        ini.WriteString(keys[i].section, keys[i].key, keys[i].value + QStringLiteral("x"));
        ini.UpdateFile();
    }
    const double baseWriteMs = ms(t) / double(sampled) * double(keys.size());

    std::printf("ini file: %zu keys in 1000 sections, %.2f MB\n", keys.size(), double(size) / 1e6);
    std::printf("ini read all keys: %.1f ms (baseline %.0f ms, ratio %.0fx)\n", readMs, baseReadMs,
                baseReadMs / readMs);
    std::printf("ini write all keys: %.1f ms, of which the atomic save %.1f ms (baseline %.0f ms, ratio %.0fx)\n",
                writeMs, saveMs, baseWriteMs, baseWriteMs / writeMs);
    std::printf("target: both under 30 ms: %s\n", readMs < 30 && writeMs < 30 ? "met" : "NOT met");
    return total > 0 ? 0 : 1;
}
