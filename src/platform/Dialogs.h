#pragma once
// Every modal question of the program goes through here, so that tests can
// install an answerer that gives scripted answers.
#include <QString>
#include <QList>
#include <QStringList>
#include <functional>

class QInputDialog;
class QLineEdit;
class QWidget;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3, mbAbort = 1u << 4,
    mbRetry = 1u << 5, mbIgnore = 1u << 6, mbAll = 1u << 7, mbHelp = 1u << 8,
    // No button: Escape and the box's close button answer mrCancel, so that
    // a question whose buttons all act (Yes and No) can still be left
    // without an answer.
    mbEscapeCancels = 1u << 9
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

enum TModalResult {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8,
    mrNoToAll = 9, mrYesToAll = 10
};

// A carriage return in `text` is a line break.  Returns a TModalResult.
int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const QString& text);
// Cancelling returns `def`.
QString InputBox(const QString& caption, const QString& prompt, const QString& def);
// Sets up the box's field before the box is shown, e.g. to refuse what is
// typed into it as it is typed.
using InputFieldSetup = std::function<void(QLineEdit*)>;
// False when cancelled; `value` holds the default on entry and the answer on
// return.  A `maxLength` above 0 is the most characters the box's field takes.
bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength = 0,
                const InputFieldSetup& setupField = {});

struct FileDialogRequest {
    enum Kind { Open, Save } kind = Open;
    QString title;
    QString filter;      // "Projektdateien (*.STB)|*.STB" form
    QString defaultExt;  // without dot
    QString initialDir;
    QString fileName;    // in: proposed name; out: chosen path
    bool overwritePrompt = false;
    bool fileMustExist = false;
};
bool ExecuteFileDialog(FileDialogRequest& request);
// A filter of the "Projektdateien (*.STB)|*.STB" form as the name filters of
// the file dialog: "Projektdateien (*.STB *.stb)".  Every pattern is offered
// as written, in capitals and in small letters, so that it matches without
// regard to case as on the original platform.
QString FileDialogNameFilters(const QString& filter);

struct PrintDialogRequest {
    int minPage = 1, maxPage = 1;
    int fromPage = 1, toPage = 1;
    bool pageRangeEnabled = true;
    bool printRange = false;  // out: the user chose a page range
    int copies = 1;
    QString printerName;      // in/out; TPrinter's PDF name for PDF output
    QString pdfFileName;      // in/out: where PDF output goes
    int paperCode = 0;        // in/out: Windows paper code (9 = A4); 0 unknown
    int orientation = 1;      // in/out: 1 portrait, 2 landscape
};
bool ExecutePrintDialog(PrintDialogRequest& request);

// Shows one of the program's own forms modally; returns its modal result.
int ShowModalForm(QWidget* form);

// The parts of a message box, for the real dialog and for tests.
struct MessageDlgButton {
    TMsgDlgBtn flag;
    QString text;  // "&Ja", "&Nein", "OK", "Abbrechen", ...
    int result;    // TModalResult
};
QString MessageDlgCaption(TMsgDlgType type);        // "Warnung", "Fehler", ...
QString MessageDlgText(const QString& text);        // carriage returns become line breaks
QList<MessageDlgButton> MessageDlgButtons(TMsgDlgButtons buttons);  // in display order
// The result of Escape or the close box: mrCancel with mbEscapeCancels or a
// Cancel button, else No, else OK, else the first button's.
int MessageDlgEscapeResult(TMsgDlgButtons buttons);
// The input box as InputQuery shows it: caption, prompt, default text, the
// buttons' texts, the length limit of its field (0: none) and the field's
// own setup.
void SetupInputDialog(QInputDialog& dlg, const QString& caption, const QString& prompt, const QString& value,
                      int maxLength, const InputFieldSetup& setupField = {});

class DialogAnswerer {
public:
    virtual ~DialogAnswerer() = default;
    virtual int message(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) = 0;
    virtual bool input(const QString& caption, const QString& prompt, QString& value) = 0;
    // The input box itself, set up as InputQuery shows it but not shown;
    // true for OK, and the box's text is the answer.  Answerers that type
    // into its field override this; by default input() answers, and its
    // answer is set into the field as the program would set it.
    virtual bool inputBox(QInputDialog& box);
    virtual bool fileDialog(FileDialogRequest& request) = 0;
    virtual bool printDialog(PrintDialogRequest& request) = 0;
    virtual int modalForm(QWidget* form) = 0;
};
// Installs an answerer (nullptr: the real dialogs).  Returns the previous one.
DialogAnswerer* SetDialogAnswerer(DialogAnswerer* answerer);
DialogAnswerer* CurrentDialogAnswerer();
