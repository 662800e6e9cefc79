#pragma once
// Fields that take pasted text their own way offer it through their
// context menu too.
#include <QString>
#include <functional>

class QLineEdit;
class QMenu;

// The standard context menu of `edit`, whose "Paste" hands the clipboard's
// text to `paste` instead of inserting it as it is.  Null when the field
// has no menu.
QMenu* ContextMenuPastingThrough(QLineEdit* edit, std::function<void(const QString&)> paste);
