#pragma once
// Form resources in the Delphi text notation:
//
//   object MainForm: TMainForm
//     Left = 10
//     Caption = 'Strombaurechner '#60'unbenannt>'
//     Font.Style = [fsBold]
//     Items.Strings = (
//       'a'
//       'b')
//     object Child: TLabel ... end
//   end
//
// Values: integers, floats, strings ('..' with '' and #nn), identifiers,
// sets [ ], lists ( ), collections < item ... end >, binary { hex }.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct DfmProperty;

struct DfmValue {
    enum Kind { Integer, Float, String, Identifier, Set, List, Collection, Binary };
    Kind kind = Integer;
    qint64 integer = 0;
    double number = 0.0;
    QString text;                          // String and Identifier
    QStringList setItems;                  // Set
    QList<DfmValue> items;                 // List
    QList<QList<DfmProperty>> collection;  // Collection: one property list per item
    QByteArray bytes;                      // Binary
    int line = 0;                          // where the value starts

    static DfmValue fromInt(qint64 v) { DfmValue x; x.kind = Integer; x.integer = v; return x; }
    static DfmValue fromString(const QString& s) { DfmValue x; x.kind = String; x.text = s; return x; }
    static DfmValue fromIdent(const QString& s) { DfmValue x; x.kind = Identifier; x.text = s; return x; }
    static DfmValue emptyList() { DfmValue x; x.kind = List; return x; }
};

struct DfmProperty {
    QString name;  // dotted path such as "Font.Style"
    DfmValue value;
    int line = 0;
};

struct DfmObject {
    QString name;
    QString className;
    bool inherited = false;
    bool isInline = false;   // "inline" (a frame placed on the form)
    int index = -1;          // "[n]" after the class name, -1 when absent
    QString fileName;        // outermost object only: the file it was read from
    QList<DfmProperty> properties;
    QList<DfmObject> children;
    int line = 0;

    const DfmProperty* property(const QString& name) const;  // case-insensitive
    const DfmObject* findChild(const QString& name) const;   // depth-first, case-insensitive
};

// Throws EFormResourceError with "<file>(<line>): <reason>".
DfmObject ParseFormResource(const QString& text, const QString& fileName);
// Loads an embedded resource (":/forms/<name>.dfm"); throws EFormResourceError.
DfmObject LoadFormResource(const QString& resourcePath);
// Writes the text notation back; parsing the result gives the same tree.
QString WriteFormResource(const DfmObject& object);
QString WriteFormValue(const DfmValue& value);

// Structural equality; line numbers are not compared.
bool SameFormValue(const DfmValue& a, const DfmValue& b);
bool SameFormTree(const DfmObject& a, const DfmObject& b);
