#pragma once
// The section record and its entries.  Every value is a short text; numbers
// are decimal text with a comma.
#include "platform/ShortStr.h"
#include <QString>
#include <array>

constexpr int EinbautenAnzahl = 99;       // fitting slots per section
constexpr int FremdEinbautenAnzahl = 20;  // further component rows per section

struct TEinbauEintrag {
    ShortStr<30> Code;    // index of the fitting kind's name in MessStrHolder1, "13".."36"
    ShortStr<10> Zeta;    // loss coefficient, copied from the value file on store
    ShortStr<3> Anzahl;   // number of pieces
};

struct TFremdEinbauEintrag {
    ShortStr<50> Beschreibung;
    ShortStr<10> Dp;      // pressure loss per piece, Pa
    ShortStr<3> Anzahl;
};

struct TTeilstrecke {
    ShortStr<15> Nummer;
    ShortStr<25> Materialart;
    ShortStr<10> DNRohr;
    ShortStr<10> KanalHoehe;
    ShortStr<10> Laenge;
    ShortStr<10> Volumenstrom;
    ShortStr<15> Kanalform;
    ShortStr<10> ZetaSumme;
    ShortStr<10> FremdSumme;
    std::array<TEinbauEintrag, EinbautenAnzahl + 1> EinbautenArr;             // index 0 unused
    std::array<TFremdEinbauEintrag, FremdEinbautenAnzahl + 1> FremdEinbautenArr;  // index 0 unused
    ShortStr<10> Geschw;
    ShortStr<10> HydrDurchm;
    ShortStr<10> Flaeche;
    ShortStr<10> DpRohr;
    ShortStr<10> DpFormstueck;
    ShortStr<10> DpGesamt;
    ShortStr<15> Bezeichnung;

    // 1-based access, as the record's arrays are numbered.
    TEinbauEintrag& Einbauten(int slot) { return EinbautenArr.at(slot); }
    const TEinbauEintrag& Einbauten(int slot) const { return EinbautenArr.at(slot); }
    TFremdEinbauEintrag& FremdEinbauten(int row) { return FremdEinbautenArr.at(row); }
    const TFremdEinbauEintrag& FremdEinbauten(int row) const { return FremdEinbautenArr.at(row); }
};

// One fitting slot: where its count is entered and where its zeta value
// lives in the value file.
struct TSlotInfo {
    int slot;             // 1..99
    int code;             // index of the kind's name in MessStrHolder1, 13..36
    const char* grid;     // count grid of the main window, or nullptr for a count field
    int row, col;         // cell of the count in that grid
    const char* field;    // count field of the main window (built-in components), or nullptr
    const char* section;  // value-file section of the zeta value
    const char* key;      // value-file key of the zeta value
};

// All 99 slots, in slot order (SlotTable()[i].slot == i + 1); this is also
// the order in which a section store reads the zeta keys.
const std::array<TSlotInfo, EinbautenAnzahl>& SlotTable();
const TSlotInfo& SlotInfo(int slot);  // 1..99
