#pragma once
// Fields that take pasted text their own way offer it through their
// context menu too.
#include <QString>
#include <functional>

class QDropEvent;
class QLineEdit;
class QMenu;
class QMouseEvent;

// The standard context menu of `edit`, whose "Paste" hands the clipboard's
// text to `paste` instead of inserting it as it is.  Null when the field
// has no menu.
QMenu* ContextMenuPastingThrough(QLineEdit* edit, std::function<void(const QString&)> paste);

// A middle click that pastes the selection (where the system has one), and
// text dropped from elsewhere, handed to `paste` at the point they aim at.
// True when the event was taken so; false leaves it to the field.
bool PasteSelectionOnMiddleClick(QLineEdit* edit, QMouseEvent* event, const std::function<void(const QString&)>& paste);
bool PasteDroppedText(QLineEdit* edit, QDropEvent* event, const std::function<void(const QString&)>& paste);
