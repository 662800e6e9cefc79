#include "platform/PasteMenu.h"
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>

QMenu* ContextMenuPastingThrough(QLineEdit* edit, std::function<void(const QString&)> paste)
{
    QMenu* menu = edit->createStandardContextMenu();
    if (!menu) return nullptr;
    // The item bound to the field's own paste.
    for (QAction* action : menu->actions()) {
        const bool boundToPaste = QObject::disconnect(action, &QAction::triggered, edit, &QLineEdit::paste)
                                  | QObject::disconnect(action, SIGNAL(triggered()), edit, SLOT(paste()));
        if (!boundToPaste) continue;
        QObject::connect(action, &QAction::triggered, edit,
                         [paste] { paste(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    return menu;
}

bool PasteSelectionOnMiddleClick(QLineEdit* edit, QMouseEvent* event, const std::function<void(const QString&)>& paste)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection() || edit->isReadOnly()) return false;
    // The selection's text goes in at the cursor the press has set.
    edit->deselect();
    paste(clipboard->text(QClipboard::Selection));
    event->accept();
    return true;
}

bool PasteDroppedText(QLineEdit* edit, QDropEvent* event, const std::function<void(const QString&)>& paste)
{
    // Text moved within the field is the field's own; text from elsewhere
    // is pasted.
    if (event->source() == edit || edit->isReadOnly() || !event->mimeData()->hasText()) return false;
    edit->setCursorPosition(edit->cursorPositionAt(event->position().toPoint()));
    paste(event->mimeData()->text());
    event->acceptProposedAction();
    return true;
}
