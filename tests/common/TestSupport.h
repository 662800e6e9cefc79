#pragma once
// Shared test helpers: scripted answers for every modal question, and a
// temporary program folder.
#include "platform/Dialogs.h"
#include <QDir>
#include <QString>
#include <QStringList>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>

// Answers the program's questions from a script.  Any question that the
// script does not expect fails the running test, and so does an expected
// one left unasked when the test ends.  Installed for the whole test run by
// the test main; tests push their expectations onto it.
class ScriptedAnswerer : public DialogAnswerer {
public:
    struct Asked {
        enum What { Message, Input, File, Print, Form } what;
        QString text;  // message text, input prompt, file dialog title, form class name
        TMsgDlgType type = mtCustom;
        TMsgDlgButtons buttons = 0;
    };

    // The next message box must contain `textPart`; it is answered `result`.
    void expectMessage(const QString& textPart, int result = mrOk);
    // The next input box (prompt containing `promptPart`) is answered with
    // `answer`, or cancelled when `cancel` is set.
    void expectInput(const QString& promptPart, const QString& answer, bool cancel = false);
    // The next input box (prompt containing `promptPart`), set up but not
    // shown, is handed to `answer`, which may show it and type into its
    // field; it returns true for OK.
    void expectInputBox(const QString& promptPart, std::function<bool(QInputDialog&)> answer);
    // The next file dialog is answered with `path` (empty: cancelled).
    void expectFileDialog(const QString& path);
    void expectPrintDialog(std::function<bool(PrintDialogRequest&)> answer);
    // The next modal form is handed to `answer`, which returns its modal result.
    void expectForm(std::function<int(QWidget*)> answer);

    // The next message box must contain `textPart`; it is answered as
    // Escape or its close button answers it (MessageDlgEscapeResult).
    void expectEscape(const QString& textPart);

    // Every question asked so far, in order.
    const std::vector<Asked>& asked() const { return m_asked; }
    void clearAsked() { m_asked.clear(); }
    // Fails the test if expectations are left over, and drops them.
    void verifyDone();

    int message(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    bool input(const QString& caption, const QString& prompt, QString& value) override;
    bool inputBox(QInputDialog& box) override;
    bool fileDialog(FileDialogRequest& request) override;
    bool printDialog(PrintDialogRequest& request) override;
    int modalForm(QWidget* form) override;

    static ScriptedAnswerer& instance();

private:
    struct Expect {
        Asked::What what;
        QString part;
        int result = mrOk;
        QString answer;
        bool cancel = false;
        bool escape = false;
        std::function<bool(PrintDialogRequest&)> print;
        std::function<int(QWidget*)> form;
        std::function<bool(QInputDialog&)> box;
    };
    Expect take(Asked::What what, const QString& text);
    std::deque<Expect> m_expected;
    std::vector<Asked> m_asked;
};

// While it lives, the program's message boxes are the real ones (no
// answerer), and each is answered in turn by the next step, as a user
// answers it: a key pressed in the box, a click on one of its buttons, or
// its window's close button.  A box that is still up a few seconds after
// its step, a box without a step, and any other modal window that comes up
// fail the test and are closed, so that no test can hang on a window.  A
// modal window already up when it is made (the dialog whose questions are
// tested) is left alone.
class RealMessageBoxes {
public:
    struct Shown {
        QString text;
        QStringList buttons;  // the buttons' texts, in the box's order
    };

    RealMessageBoxes();
    // Gives the answerer back; steps left over fail the test.
    ~RealMessageBoxes();
    RealMessageBoxes(const RealMessageBoxes&) = delete;
    RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;

    void pressKey(int key);                  // e.g. Qt::Key_Escape
    void clickButton(const QString& text);  // e.g. "&Nein"
    void closeBox();

    // The boxes shown so far, in order.
    const std::vector<Shown>& shown() const { return m_shown; }

private:
    struct Step {
        enum Kind { Key, Click, Close } kind;
        int key = 0;
        QString button;
    };
    void tick();
    void forceClose(QWidget* modal);

    DialogAnswerer* m_previous = nullptr;
    QPointer<QWidget> m_alreadyUp;
    QTimer m_timer;
    std::deque<Step> m_steps;
    std::vector<Shown> m_shown;
    QPointer<QWidget> m_answered;  // the box the last step went to
    QElapsedTimer m_sinceAnswer;
};

// A fresh temporary folder and its files by name.
class TempFolder : public QTemporaryDir {
public:
    // Writes `bytes` as the file `name` (fails the test when it cannot).
    void put(const QString& name, const QByteArray& bytes) const;
    // The file `name` whole, or "<missing>" when it cannot be read.
    QByteArray get(const QString& name) const;
    // The names of the files in the folder.
    QStringList files(QDir::Filters filters = QDir::Files | QDir::Hidden, QDir::SortFlags sort = QDir::NoSort) const;
};

// A fresh temporary folder installed as the program folder while it lives.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const;  // with trailing '/'
    QString file(const QString& name) const { return path() + name; }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // Puts the delivered value file into the folder, writable; `tipOff`
    // also switches the tip of the day off, so showing the main window asks
    // nothing.  False (and a test failure) when the delivered file is missing.
    bool installValueFile(bool tipOff = false) const;

private:
    QTemporaryDir m_dir;
};

// The test sources' data folder.
QString SourceDir();

// Shows `w` and makes it the active window; false when it does not become active.
bool ShowActive(QWidget* w);
