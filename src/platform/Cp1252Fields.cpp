#include "platform/Cp1252Fields.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/ResourceStrings.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

namespace {

const char* const kWatcherName = "Cp1252FieldWatcher";

// Remembers the last text of its field that could be stored.
class TFieldWatcher : public QObject {
public:
    TFieldWatcher(QObject* field, FieldNameFn name) : QObject(field), m_name(std::move(name))
    {
        setObjectName(QLatin1String(kWatcherName));
    }
    void SetName(FieldNameFn name) { m_name = std::move(name); }
    QString Name() const { return m_name ? m_name() : QString(); }

    QString lastText;
    int lastCursor = 0;
    bool restoring = false;
    std::function<void()> showAgain;

private:
    FieldNameFn m_name;
};

TFieldWatcher* existingWatcher(QObject* field)
{
    return field->findChild<TFieldWatcher*>(QLatin1String(kWatcherName), Qt::FindDirectChildrenOnly);
}

}  // namespace

QString Cp1252FieldMessage(const QString& text, const QString& field)
{
    if (CanEncodeCp1252(text)) return QString();
    qsizetype bad = -1;
    QByteArray unused;
    TryEncodeCp1252(text, unused, &bad);
    return FmtLoadResString(SFieldBadChar, {DescribeCharacter(text, bad), field});
}

void RefuseNonCp1252(QLineEdit* edit, FieldNameFn field, std::function<void()> showAgain)
{
    if (!edit) return;
    if (TFieldWatcher* w = existingWatcher(edit)) {
        w->SetName(std::move(field));
        w->showAgain = std::move(showAgain);
        return;
    }
    auto* w = new TFieldWatcher(edit, std::move(field));
    w->showAgain = std::move(showAgain);
    w->lastText = CanEncodeCp1252(edit->text()) ? edit->text() : QString();
    QObject::connect(edit, &QLineEdit::textChanged, w, [w, edit](const QString& text) {
        if (!w->restoring && CanEncodeCp1252(text)) {
            w->lastText = text;
            w->lastCursor = edit->cursorPosition();
        }
    });
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, w, [w, edit](int, int now) {
        if (!w->restoring && edit->text() == w->lastText) w->lastCursor = now;
    });
    // Typed, pasted or dropped by the user (not set by the program).
    QObject::connect(edit, &QLineEdit::textEdited, w, [w, edit](const QString& text) {
        const QString message = Cp1252FieldMessage(text, w->Name());
        if (message.isEmpty()) return;
        w->restoring = true;
        edit->setText(w->lastText);
        edit->setCursorPosition(w->lastCursor);
        w->restoring = false;
        const QString kept = w->lastText;
        const int caret = w->lastCursor;
        QPointer<QLineEdit> alive(edit);
        MessageDlg(message, mtError, mbOK);
        if (!alive) return;
        if (!alive->isVisible() && w->showAgain) w->showAgain();
        if (!alive->isVisible()) return;
        // The message's box was the active window; without a window
        // manager to hand the keyboard back, the field's window asks for it.
        if (!alive->isActiveWindow()) alive->activateWindow();
        alive->setFocus();
        if (alive->text() == kept) alive->setCursorPosition(caret);
    });
}

void RefuseNonCp1252(QPlainTextEdit* edit, FieldNameFn field)
{
    if (!edit) return;
    if (TFieldWatcher* w = existingWatcher(edit)) {
        w->SetName(std::move(field));
        return;
    }
    auto* w = new TFieldWatcher(edit, std::move(field));
    w->lastText = CanEncodeCp1252(edit->toPlainText()) ? edit->toPlainText() : QString();
    QObject::connect(edit, &QPlainTextEdit::cursorPositionChanged, w, [w, edit] {
        if (!w->restoring && edit->toPlainText() == w->lastText) w->lastCursor = edit->textCursor().position();
    });
    // The memo tells no typed change from a set one; the program only sets
    // texts that came from a file of the same code page.
    QObject::connect(edit, &QPlainTextEdit::textChanged, w, [w, edit] {
        if (w->restoring) return;
        const QString text = edit->toPlainText();
        const QString message = Cp1252FieldMessage(text, w->Name());
        if (message.isEmpty()) {
            w->lastText = text;
            w->lastCursor = edit->textCursor().position();
            return;
        }
        w->restoring = true;
        edit->setPlainText(w->lastText);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(qBound(0, w->lastCursor, int(w->lastText.size())));
        edit->setTextCursor(cursor);
        w->restoring = false;
        QPointer<QPlainTextEdit> alive(edit);
        MessageDlg(message, mtError, mbOK);
        if (alive && alive->isVisible()) alive->setFocus();
    });
}
