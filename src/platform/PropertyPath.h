#pragma once
// Setting and reading component properties by name, for form resources and
// for language files alike.
//
// A property path is "Component.Property" (or "Component.Sub.Property",
// e.g. "Label1.Font.Name", "ComboBox1.Items.Strings") relative to a form,
// or just "Property" for the form itself.  Component and property names are
// compared without regard to case.  The Delphi names map onto the Qt
// widgets thus:
//
//   Caption    label/button text, top-level window title, group box title,
//              tab text of a page in a QTabWidget, action text, menu title
//   Hint       tool tip and status tip
//   Text       line edit, combo box, plain text edit, label
//   Lines.Strings, Items.Strings, Strings.Strings
//              text lines of an edit, items of a combo box or list widget,
//              a QStringList property named Lines/Items/Strings
//   Font.Name, Font.Size (points), Font.Height (negative: pixels),
//   Font.Style ([fsBold, fsItalic, fsUnderline, fsStrikeOut]), Font.Color
//   Color, Left, Top, Width, Height, ClientWidth, ClientHeight,
//   Enabled, Visible, Checked, ReadOnly, MaxLength, Alignment, Layout,
//   ItemIndex, ShortCut (action), HelpContext and TabOrder (kept as the
//   dynamic properties "HelpContext" and "TabOrder")
//
//   ActivePage (page control), X.Items(n).Prop (item n of a collection
//   the form resource stored as a list of property maps)
//
// A Q_PROPERTY that a component declares under the Delphi name itself
// ("Caption" on a glyph button) goes before this mapping.  Any other name
// is a Q_PROPERTY of that name (case-insensitive); a component-valued
// Q_PROPERTY takes the name of a component on the form.  Failing that, the
// form resource stores it as a dynamic property.
#include "platform/FormResource.h"
#include <QHash>
#include <QString>

class QObject;

enum class PropertyPolicy {
    // Everything a form resource may hold.
    FormResource,
    // What a language file may set.  On controls, menus, actions and tabs:
    // Caption, Hint, Items.Strings, Lines.Strings, Left, Top, Width,
    // Height, ClientWidth, ClientHeight, Alignment, Layout, WordWrap,
    // AutoSize, Font.Name, Font.Size, Font.Height and the texts of
    // collection items.  Non-visual components only the texts they declare
    // (file dialogs Title and Filter, password dialog Caption and Language,
    // string holders Strings.Strings, or Q_CLASSINFO("TranslatedProperties",
    // "A,B")).  A list keeps its number of items: missing items keep their
    // text, surplus ones are dropped.  Everything else is refused: component
    // references, Enabled, Visible, ShortCut, HelpContext, colours, sets,
    // dynamic properties, a hyperlink label's Caption while its URL is empty.
    Translation,
};

// Sets the property at `path` below `root`.  Returns false and says why in
// `error` when the path names nothing or the value does not fit.
bool SetPropertyPath(QObject* root, const QString& path, const DfmValue& value, PropertyPolicy policy,
                     QString* error = nullptr);

// The current value at `path`: Integer, Float, String, Identifier (True,
// False, taCenter ...), Set (Font.Style) or List of Strings (X.Strings).
// The kind tells a language file reader how to decode its text.  False when
// the path names nothing.
bool GetPropertyPath(QObject* root, const QString& path, DfmValue& out);

// The component named `name` (case-insensitive) anywhere below `root`, or
// nullptr.
QObject* FindComponentByName(QObject* root, const QString& name);

// The components below a form by name (case-insensitive), gathered once:
// the one to ask when a whole resource is matched against a form.  Where
// two carry one name, the first in FindComponentByName's order counts.
class TComponentIndex {
public:
    explicit TComponentIndex(QObject* root);
    QObject* Find(const QString& name) const;
    // A component made after the index: found from now on, unless an
    // earlier one has its name.
    void Add(QObject* component);

private:
    QHash<QString, QObject*> m_byName;
};

// Applies a parsed form resource to a form whose components exist already
// under their names.  The resource's own properties go to `form`, each
// nested object's properties to the component of that name.  Every
// property is offered first to a TFormComponent's ReadFormProperty; after
// the whole resource, Loaded() runs once on every TFormComponent of the
// form.  A component missing from the form or a value that does not fit
// throws EFormResourceError "<file>(<line>): <reason>".
void ApplyFormResource(QObject* form, const DfmObject& resource);
