#include "platform/PasteMenu.h"
#include <QAction>
#include <QClipboard>
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
