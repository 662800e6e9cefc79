#include "app/Teilstrecke.h"
#include <QStringList>
#include <stdexcept>

namespace {

struct Family {
    int firstSlot, count, code;
    const char* grid;
    int row, firstCol;
    const char* section;
    const char* keyPrefix;
    int firstKey;
};

// Slots in order; a family fills `count` slots from `firstSlot`, one grid
// column each, keys numbered from `firstKey`.
constexpr Family kFamilies[] = {
    {1, 6, 13, "ZetaBogenGlattGrid", 1, 1, "Zeta-Bogen", "ZBog", 1},
    {7, 6, 14, "ZetaBogenSegmentGrid", 1, 1, "Zeta-Bogen", "ZSeg3_", 1},
    {13, 6, 15, "ZetaBogenSegmentGrid", 2, 1, "Zeta-Bogen", "ZSeg5_", 1},
    {19, 6, 16, "ZetaBogenFlachGrid", 2, 1, "Zeta-Flach-horizontal", "ZFlachH", 1},
    {25, 6, 17, "ZetaBogenFlachVertGrid", 2, 1, "Zeta-Flach-vertikal", "ZFlachV", 1},
    {31, 7, 18, "ZetaAbzweigGrid", 1, 1, "Zeta-Abzweig", "ZAbzw90", 1},
    {38, 7, 19, "ZetaAbzweigGrid", 2, 1, "Zeta-Abzweig", "ZAbzw60", 1},
    {45, 7, 20, "ZetaAbzweigGrid", 3, 1, "Zeta-Abzweig", "ZAbzw45", 1},
    {52, 6, 21, "ZetaRedScharfWeitGrid", 1, 1, "Zeta-Red-scharfk", "ZRedErwS", 1},
    {58, 6, 22, "ZetaRedScharfEngGrid", 1, 1, "Zeta-Red-scharfk", "ZRedEngS", 1},
    {64, 6, 23, "ZetaRedKonWeitGrid", 1, 1, "Zeta-Red-Konisch", "ZRedErwK", 1},
    {70, 6, 23, "ZetaRedKonWeitGrid", 2, 1, "Zeta-Red-Konisch", "ZRedErwK", 7},
    {76, 6, 23, "ZetaRedKonWeitGrid", 3, 1, "Zeta-Red-Konisch", "ZRedErwK", 13},
    {82, 6, 24, "ZetaRedKonEngGrid", 1, 1, "Zeta-Red-Konisch", "ZRedEngK", 1},
};

const char* const kEinbautenFields[12] = {
    "EinbautenEdit1", "EinbautenEdit2", "EinbautenEdit3", "EinbautenEdit4",
    "EinbautenEdit5", "EinbautenEdit6", "EinbautenEdit7", "EinbautenEdit8",
    "EinbautenEdit9", "EinbautenEdit10", "EinbautenEdit11", "EinbautenEdit12"};

struct KeyStore {
    // Keys are built once and kept for the life of the program, so the
    // table can hand out plain character pointers.
    std::array<QByteArray, EinbautenAnzahl> keys;
    std::array<TSlotInfo, EinbautenAnzahl> table{};

    KeyStore()
    {
        for (const Family& f : kFamilies) {
            for (int i = 0; i < f.count; ++i) {
                const int slot = f.firstSlot + i;
                keys[slot - 1] = QByteArray(f.keyPrefix) + QByteArray::number(f.firstKey + i);
                table[slot - 1] = TSlotInfo{slot, f.code, f.grid, f.row, f.firstCol + i, nullptr,
                                            f.section, keys[slot - 1].constData()};
            }
        }
        for (int k = 1; k <= 12; ++k) {
            const int slot = 87 + k;
            keys[slot - 1] = "zEinbauten" + QByteArray::number(k);
            table[slot - 1] = TSlotInfo{slot, 24 + k, nullptr, 0, 0, kEinbautenFields[k - 1],
                                        "Zeta-Einbauten", keys[slot - 1].constData()};
        }
    }
};

const KeyStore& store()
{
    static const KeyStore s;
    return s;
}

}  // namespace

const std::array<TSlotInfo, EinbautenAnzahl>& SlotTable() { return store().table; }

const TSlotInfo& SlotInfo(int slot)
{
    if (slot < 1 || slot > EinbautenAnzahl) throw std::out_of_range("fitting slot out of range");
    return store().table[slot - 1];
}
