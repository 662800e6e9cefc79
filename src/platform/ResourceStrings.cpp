#include "platform/ResourceStrings.h"
#include <QHash>
#include <QStringList>
#include <utility>

namespace {

struct Entry { int id; const char* text; };

const Entry kResStrings[] = {
    {SInvalidFloat, "'%s' ist kein gültiger Gleitkommawert"},
    {SInvalidInteger, "'%s' ist kein gültiger Integerwert"},
    {SInvalidOp, "Ungültige Gleitkommaoperation"},
    {SZeroDivide, "Gleitkommadivision durch Null"},
    {SOverflow, "Gleitkommaüberlauf"},
    {SUnknownException, "Unbekannter Fehler"},
    {SIniFileWriteError, "In %s kann nicht geschrieben werden"},
    {SIniFileBadChar, "Das Zeichen %s kann in %s nicht gespeichert werden"},
    {SIniFileLineBreak, "Ein Wert mit Zeilenumbruch kann in %s nicht gespeichert werden"},
    {SIniFileBadName, "Der Name '%s' kann in %s nicht gespeichert werden"},
    {SIniFileReadError, "%s kann nicht gelesen werden"},
    {SFieldBadChar, "Das Zeichen %s kann im Feld „%s“ nicht gespeichert werden."},
    {SHelpNotFound, "Die Hilfedatei %s wurde nicht gefunden."},
    {SHelpOpenFailed, "Die Hilfedatei %s konnte nicht geöffnet werden."},
    {SMsgDlgWarning, "Warnung"},
    {SMsgDlgError, "Fehler"},
    {SMsgDlgInformation, "Information"},
    {SMsgDlgConfirm, "Bestätigung"},
    {SMsgDlgYes, "&Ja"},
    {SMsgDlgNo, "&Nein"},
    {SMsgDlgOK, "OK"},
    {SMsgDlgCancel, "Abbrechen"},
    {SMsgDlgAbort, "&Abbrechen"},
    {SMsgDlgRetry, "&Wiederholen"},
    {SMsgDlgIgnore, "&Ignorieren"},
    {SMsgDlgAll, "&Alle"},
    {SMsgDlgHelp, "&Hilfe"},
    {SUrlNotOpened, "Die Adresse %s kann nicht geöffnet werden."},
    {SOneInstanceNoLock, "Ein zweiter Start des Programms kann nicht erkannt werden (%s)."},
};

// String table of the executable: the preview window's texts.
const Entry kStringTable[] = {
    {1001, "Druckvorschau"},
    {1003, "&Schliessen"},
    {1004, "Vorschau schliessen"},
    {1005, "&Drucken"},
    {1006, "Dokument drucken"},
    {1007, "Zoom"},
    {1008, "erste Seite"},
    {1009, "vorige Seite"},
    {1010, "nächste Seite"},
    {1011, "letzte Seite"},
    {1014, "von"},
    {1015, "Seite"},
    {1016, "Seiten"},
};

template <size_t N>
QHash<int, QString> makeTable(const Entry (&entries)[N])
{
    QHash<int, QString> t;
    for (const Entry& e : entries) t.insert(e.id, QString::fromUtf8(e.text));
    return t;
}

const QHash<int, QString>& resTable()
{
    static const QHash<int, QString> t = makeTable(kResStrings);
    return t;
}

const QHash<int, QString>& strTable()
{
    static const QHash<int, QString> t = makeTable(kStringTable);
    return t;
}

ResStringHook& hook()
{
    static ResStringHook h;
    return h;
}

}  // namespace

QString LoadResString(int id)
{
    if (hook()) {
        QString text;
        if (hook()(id, text)) return text;
    }
    return resTable().value(id);
}

QString FmtLoadResString(int id, const QStringList& args) { return FormatStr(LoadResString(id), args); }

ResStringHook SetResStringHook(ResStringHook h)
{
    return std::exchange(hook(), std::move(h));
}

QString LoadStr(int id)
{
    if (hook()) {
        QString text;
        if (hook()(id, text)) return text;
    }
    return strTable().value(id);
}

QString FormatStr(const QString& format, const QStringList& args)
{
    QString out;
    out.reserve(format.size() + 32);
    int next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar n = format.at(i + 1);
            if (n == QLatin1Char('s')) {
                if (next < args.size()) out += args.at(next);
                ++next;
                ++i;
                continue;
            }
            if (n == QLatin1Char('%')) {
                out += QLatin1Char('%');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
