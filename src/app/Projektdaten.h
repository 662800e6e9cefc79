#pragma once
// The project header and the user's own data.
#include "platform/ShortStr.h"
#include <QString>

// The project header, edited in the header dialog and kept in the project file.
struct TProjektdaten {
    ShortStr<30> Name1;
    ShortStr<30> Name2;
    ShortStr<30> Strasse;
    ShortStr<5> PLZ;
    ShortStr<30> Ort;
    ShortStr<30> Ansprechp;
    ShortStr<100> Projekt;
    ShortStr<30> Telefon;
    ShortStr<30> Fax;
    ShortStr<50> Email;
    QString Vortext;
    QString Nachtext;
};

// The user's own data, read from the value file's "Userdaten" and "HL".
struct TUserdaten {
    ShortStr<30> Firma;
    ShortStr<30> Nutzer;
    ShortStr<30> Strasse;
    ShortStr<5> PLZ;
    ShortStr<30> Ort;
    ShortStr<30> Telefon;
    ShortStr<30> Fax;
    ShortStr<50> EMail;
    QString Vortext;
    QString Sprache;
    QString HL;
};
