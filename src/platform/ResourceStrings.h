#pragma once
// Numbered texts of the runtime and of the program's string table.
//
// Resource strings (the runtime's own messages, dialog captions and button
// texts) are fetched with LoadResString, string-table texts (loaded by
// number, such as the preview window's captions) with LoadStr.  A hook
// installed with SetResStringHook is asked first by both, so that a
// translation layer can answer from a language file.
#include <QString>
#include <QStringList>
#include <functional>

// Identifiers of the resource strings.
enum TResStringId : int {
    // Conversions and arithmetic
    SInvalidFloat = 65100,   // "'%s' ist kein gültiger Gleitkommawert"
    SInvalidInteger = 65101, // "'%s' ist kein gültiger Integerwert"
    SInvalidOp = 65102,      // "Ungültige Gleitkommaoperation"
    SZeroDivide = 65103,     // "Gleitkommadivision durch Null"
    SOverflow = 65104,       // "Gleitkommaüberlauf"
    SUnknownException = 65105,

    // INI files
    SIniFileWriteError = 65120,   // "In %s kann nicht geschrieben werden"
    SIniFileBadChar = 65121,      // character Windows-1252 cannot hold
    SIniFileLineBreak = 65122,    // value with a line break
    SIniFileBadName = 65123,      // section or key name that cannot be stored
    SIniFileReadError = 65124,    // existing file that cannot be read
    SFieldBadChar = 65125,        // character Windows-1252 cannot hold, typed into a field

    // Help
    SHelpNotFound = 65140,   // "Die Hilfedatei %s wurde nicht gefunden."
    SHelpOpenFailed = 65141, // "Die Hilfedatei %s konnte nicht geöffnet werden."

    // Message box captions
    SMsgDlgWarning = 65160,
    SMsgDlgError = 65161,
    SMsgDlgInformation = 65162,
    SMsgDlgConfirm = 65163,
    // Message box buttons
    SMsgDlgYes = 65170,
    SMsgDlgNo = 65171,
    SMsgDlgOK = 65172,
    SMsgDlgCancel = 65173,
    SMsgDlgAbort = 65174,
    SMsgDlgRetry = 65175,
    SMsgDlgIgnore = 65176,
    SMsgDlgAll = 65177,
    SMsgDlgHelp = 65178,

    // Hyperlinks
    SUrlNotOpened = 65190,   // "Die Adresse %s kann nicht geöffnet werden."

    // Single-instance guard
    SOneInstanceNoLock = 65200,  // the guard cannot work: a second start goes unnoticed
};

// The text of resource string `id`: the hook's answer when a hook is
// installed and answers, else the built-in text; empty for an unknown id.
QString LoadResString(int id);
// LoadResString with every "%s" replaced, in order, by the arguments.
QString FmtLoadResString(int id, const QStringList& args);

// Installs the lookup asked first by LoadResString (an empty function
// removes it).  The hook returns true when it supplied the text.
// Returns the previous hook.
using ResStringHook = std::function<bool(int id, QString& text)>;
ResStringHook SetResStringHook(ResStringHook hook);

// The program's string table by number (preview texts 1001 to 1016): the
// hook's answer when it answers, else the built-in text; empty for an
// unknown number.
QString LoadStr(int id);

// Replaces each "%s" of `format` in turn by the next argument; "%%" is a
// single "%".  Arguments are inserted literally (a "%s" inside an argument
// stays as it is).
QString FormatStr(const QString& format, const QStringList& args);
