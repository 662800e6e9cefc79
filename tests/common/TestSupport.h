#pragma once
// Shared test helpers: scripted answers for every modal question, and a
// temporary program folder.
#include "platform/Dialogs.h"
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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
        std::function<bool(PrintDialogRequest&)> print;
        std::function<int(QWidget*)> form;
        std::function<bool(QInputDialog&)> box;
    };
    Expect take(Asked::What what, const QString& text);
    std::deque<Expect> m_expected;
    std::vector<Asked> m_asked;
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
