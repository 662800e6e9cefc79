#include "common/TestSupport.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
const char* whatName(ScriptedAnswerer::Asked::What w)
{
    switch (w) {
    case ScriptedAnswerer::Asked::Message: return "message box";
    case ScriptedAnswerer::Asked::Input: return "input box";
    case ScriptedAnswerer::Asked::File: return "file dialog";
    case ScriptedAnswerer::Asked::Print: return "print dialog";
    case ScriptedAnswerer::Asked::Form: return "modal form";
    }
    return "?";
}
}  // namespace

ScriptedAnswerer& ScriptedAnswerer::instance()
{
    static ScriptedAnswerer a;
    return a;
}

void ScriptedAnswerer::expectMessage(const QString& textPart, int result)
{
    Expect e{Asked::Message, textPart};
    e.result = result;
    m_expected.push_back(e);
}

void ScriptedAnswerer::expectEscape(const QString& textPart)
{
    Expect e{Asked::Message, textPart};
    e.escape = true;
    m_expected.push_back(e);
}

void ScriptedAnswerer::expectInput(const QString& promptPart, const QString& answer, bool cancel)
{
    Expect e{Asked::Input, promptPart};
    e.answer = answer;
    e.cancel = cancel;
    m_expected.push_back(e);
}

void ScriptedAnswerer::expectInputBox(const QString& promptPart, std::function<bool(QInputDialog&)> answer)
{
    Expect e{Asked::Input, promptPart};
    e.box = std::move(answer);
    m_expected.push_back(e);
}

void ScriptedAnswerer::expectFileDialog(const QString& path)
{
    Expect e{Asked::File, QString()};
    e.answer = path;
    e.cancel = path.isEmpty();
    m_expected.push_back(e);
}

void ScriptedAnswerer::expectPrintDialog(std::function<bool(PrintDialogRequest&)> answer)
{
    Expect e{Asked::Print, QString()};
    e.print = std::move(answer);
    m_expected.push_back(e);
}

void ScriptedAnswerer::expectForm(std::function<int(QWidget*)> answer)
{
    Expect e{Asked::Form, QString()};
    e.form = std::move(answer);
    m_expected.push_back(e);
}

void ScriptedAnswerer::verifyDone()
{
    for (const Expect& e : m_expected)
        ADD_FAILURE() << "expected " << whatName(e.what) << " was never shown: " << e.part.toStdString();
    m_expected.clear();
}

ScriptedAnswerer::Expect ScriptedAnswerer::take(Asked::What what, const QString& text)
{
    if (m_expected.empty()) {
        ADD_FAILURE() << "unexpected " << whatName(what) << ": " << text.toStdString();
        Expect none{what, QString()};
        none.result = mrCancel;
        none.cancel = true;
        return none;
    }
    Expect e = m_expected.front();
    m_expected.pop_front();
    if (e.what != what) {
        ADD_FAILURE() << "expected " << whatName(e.what) << " but got " << whatName(what) << ": " << text.toStdString();
    } else if (!e.part.isEmpty() && !text.contains(e.part)) {
        ADD_FAILURE() << "expected a " << whatName(what) << " with \"" << e.part.toStdString() << "\" but got: "
                      << text.toStdString();
    }
    return e;
}

int ScriptedAnswerer::message(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    m_asked.push_back({Asked::Message, text, type, buttons});
    const Expect e = take(Asked::Message, text);
    return e.escape ? MessageDlgEscapeResult(buttons) : e.result;
}

bool ScriptedAnswerer::input(const QString& caption, const QString& prompt, QString& value)
{
    m_asked.push_back({Asked::Input, prompt});
    Expect e = take(Asked::Input, prompt);
    if (e.box) ADD_FAILURE() << "the input box was answered without its field: " << prompt.toStdString();
    if (e.cancel || e.box) return false;
    value = e.answer;
    return true;
}

bool ScriptedAnswerer::inputBox(QInputDialog& box)
{
    if (m_expected.empty() || !m_expected.front().box) return DialogAnswerer::inputBox(box);
    m_asked.push_back({Asked::Input, box.labelText()});
    return take(Asked::Input, box.labelText()).box(box);
}

bool ScriptedAnswerer::fileDialog(FileDialogRequest& request)
{
    m_asked.push_back({Asked::File, request.title});
    Expect e = take(Asked::File, request.title);
    if (e.cancel) return false;
    request.fileName = e.answer;
    return true;
}

bool ScriptedAnswerer::printDialog(PrintDialogRequest& request)
{
    m_asked.push_back({Asked::Print, QString()});
    Expect e = take(Asked::Print, QString());
    return e.print ? e.print(request) : false;
}

int ScriptedAnswerer::modalForm(QWidget* form)
{
    const QString name = form ? QString::fromLatin1(form->metaObject()->className()) : QString();
    m_asked.push_back({Asked::Form, name});
    Expect e = take(Asked::Form, name);
    return e.form ? e.form(form) : mrCancel;
}

void TempFolder::put(const QString& name, const QByteArray& bytes) const
{
    QFile f(filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    f.write(bytes);
}

QByteArray TempFolder::get(const QString& name) const
{
    QFile f(filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList TempFolder::files(QDir::Filters filters, QDir::SortFlags sort) const
{
    return QDir(path()).entryList(filters, sort);
}

TempProgramFolder::TempProgramFolder()
{
    SetProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    SetProgramFolder(QString());
}

QString TempProgramFolder::path() const { return m_dir.path() + QLatin1Char('/'); }

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly)) ADD_FAILURE() << "cannot write " << name.toStdString();
    f.write(bytes);
}

QByteArray TempProgramFolder::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

bool TempProgramFolder::installValueFile(bool tipOff) const
{
    QFile delivered(SourceDir() + QStringLiteral("/data/SBWert.Dat"));
    if (!delivered.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no delivered value file";
        return false;
    }
    write(QStringLiteral("SBWert.Dat"), delivered.readAll());
    if (tipOff) {
        TIniFile ini(file(QStringLiteral("SBWert.Dat")));
        ini.WriteString(QStringLiteral("Userdaten"), QStringLiteral("Tip"), QStringLiteral("0"));
        ini.UpdateFile();
    }
    return true;
}

QString SourceDir() { return QStringLiteral(SB_SOURCE_DIR); }

bool ShowActive(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// ---- real message boxes ---------------------------------------------------------

namespace {
// How long a box may stay up after its step before the test gives up on it.
constexpr qint64 kBoxPatienceMs = 3000;
}  // namespace

RealMessageBoxes::RealMessageBoxes()
{
    m_previous = SetDialogAnswerer(nullptr);
    m_alreadyUp = QApplication::activeModalWidget();
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    m_timer.start();
}

RealMessageBoxes::~RealMessageBoxes()
{
    m_timer.stop();
    SetDialogAnswerer(m_previous);
    for (size_t i = 0; i < m_steps.size(); ++i) ADD_FAILURE() << "a real message box was expected but never shown";
}

void RealMessageBoxes::pressKey(int key) { m_steps.push_back({Step::Key, key, QString()}); }

void RealMessageBoxes::clickButton(const QString& text) { m_steps.push_back({Step::Click, 0, text}); }

void RealMessageBoxes::closeBox() { m_steps.push_back({Step::Close, 0, QString()}); }

void RealMessageBoxes::forceClose(QWidget* modal)
{
    if (auto* dlg = qobject_cast<QDialog*>(modal)) dlg->done(QDialog::Rejected);
    else modal->close();
}

void RealMessageBoxes::tick()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_alreadyUp) return;
    if (modal == m_answered) {
        if (m_sinceAnswer.elapsed() > kBoxPatienceMs) {
            ADD_FAILURE() << "the message box is still up after its answer: "
                          << qobject_cast<QMessageBox*>(modal)->text().toStdString();
            m_answered = nullptr;
            forceClose(modal);
        }
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || m_steps.empty()) {
        ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className() << ": "
                      << (box ? box->text() : modal->windowTitle()).toStdString();
        forceClose(modal);
        return;
    }
    Shown shown{box->text(), {}};
    for (QAbstractButton* b : box->buttons()) shown.buttons << b->text();
    m_shown.push_back(shown);
    const Step step = m_steps.front();
    m_steps.pop_front();
    m_answered = box;
    m_sinceAnswer.start();
    switch (step.kind) {
    case Step::Key:
        // Through the box's window, as the keyboard delivers it: to the
        // widget that has the focus in the box.
        if (QWindow* window = box->windowHandle()) QTest::keyClick(window, Qt::Key(step.key));
        else QTest::keyClick(box, Qt::Key(step.key));
        break;
    case Step::Click: {
        QAbstractButton* target = nullptr;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == step.button) target = b;
        if (!target) {
            ADD_FAILURE() << "the message box has no button " << step.button.toStdString();
            forceClose(box);
            break;
        }
        QTest::mouseClick(target, Qt::LeftButton);
        break;
    }
    case Step::Close:
        // The window's close button, as the window system reports it.
        if (QWindow* window = box->windowHandle()) window->close();
        else box->close();
        break;
    }
}
