// Delphi property names onto Qt objects; shared by the form loader and
// the language files.
#include "platform/PropertyPath.h"
#include "platform/Exceptions.h"
#include "platform/FormComponent.h"
#include "platform/Graphics.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>
#include <iterator>

namespace {

// Controls that show a field of their own (edits, memos, lists, trees,
// grids, combo boxes), as opposed to faces (forms, panels, labels, buttons).
bool isInputControl(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// ---- colours ---------------------------------------------------------------

constexpr quint32 ClBtnFace = clBtnFace;

bool colorFromValue(const DfmValue& v, quint32& out)
{
    TColor c = 0;
    if (v.kind == DfmValue::Integer) c = FormIntToColor(v.integer);
    else if (v.kind != DfmValue::Identifier || !IdentToColor(v.text, c)) return false;
    out = c;
    return true;
}

// The system colours of a classic desktop (0x00BBGGRR), so that a form
// looks as designed whatever the desktop theme: read-only fields in
// clScrollBar stay apart from input fields in clWindow.
constexpr quint32 SystemColors[] = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
};

// An invalid colour for clNone and clDefault: nothing to change then.
QColor toQColor(quint32 tcolor)
{
    if (tcolor == clNone || tcolor == clDefault) return QColor();
    if (IsSystemColor(tcolor)) {
        const quint32 index = tcolor & 0xFF;
        tcolor = index < std::size(SystemColors) ? SystemColors[index] : 0;
    }
    return ColorToQColor(tcolor);
}

quint32 fromQColor(const QColor& c) { return QColorToColor(c); }

// ---- short cuts --------------------------------------------------------------

constexpr int scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

int keyFromVirtualKey(int vk)
{
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= 0x70 && vk <= 0x87) return Qt::Key_F1 + (vk - 0x70);
    if (vk >= 0x60 && vk <= 0x69) return Qt::Key_0 + (vk - 0x60);
    switch (vk) {
    case 0x08: return Qt::Key_Backspace;
    case 0x09: return Qt::Key_Tab;
    case 0x0D: return Qt::Key_Return;
    case 0x1B: return Qt::Key_Escape;
    case 0x20: return Qt::Key_Space;
    case 0x21: return Qt::Key_PageUp;
    case 0x22: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case 0x25: return Qt::Key_Left;
    case 0x26: return Qt::Key_Up;
    case 0x27: return Qt::Key_Right;
    case 0x28: return Qt::Key_Down;
    case 0x2D: return Qt::Key_Insert;
    case 0x2E: return Qt::Key_Delete;
    case 0x6A: return Qt::Key_Asterisk;
    case 0x6B: return Qt::Key_Plus;
    case 0x6D: return Qt::Key_Minus;
    case 0x6E: return Qt::Key_Period;
    case 0x6F: return Qt::Key_Slash;
    }
    return 0;
}

int virtualKeyFromKey(int key)
{
    for (int vk = 1; vk < 256; ++vk)
        if (keyFromVirtualKey(vk) == key) return vk;
    return 0;
}

QKeySequence shortCutToKeySequence(qint64 code)
{
    const int key = keyFromVirtualKey(int(code & 0xFF));
    if (key == 0) return QKeySequence();
    Qt::KeyboardModifiers mods;
    if (code & scShift) mods |= Qt::ShiftModifier;
    if (code & scCtrl) mods |= Qt::ControlModifier;
    if (code & scAlt) mods |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(mods, Qt::Key(key)));
}

qint64 keySequenceToShortCut(const QKeySequence& seq)
{
    if (seq.isEmpty()) return 0;
    const QKeyCombination k = seq[0];
    const int vk = virtualKeyFromKey(int(k.key()));
    if (vk == 0) return 0;
    qint64 code = vk;
    if (k.keyboardModifiers() & Qt::ShiftModifier) code |= scShift;
    if (k.keyboardModifiers() & Qt::ControlModifier) code |= scCtrl;
    if (k.keyboardModifiers() & Qt::AltModifier) code |= scAlt;
    return code;
}

// ---- value helpers -----------------------------------------------------------

bool boolFromValue(const DfmValue& v, bool& out)
{
    if (v.kind == DfmValue::Identifier) {
        if (v.text.compare(u"True", Qt::CaseInsensitive) == 0) { out = true; return true; }
        if (v.text.compare(u"False", Qt::CaseInsensitive) == 0) { out = false; return true; }
    }
    if (v.kind == DfmValue::Integer) { out = v.integer != 0; return true; }
    return false;
}

bool intFromValue(const DfmValue& v, qint64& out)
{
    if (v.kind == DfmValue::Integer) { out = v.integer; return true; }
    return false;
}

bool textFromValue(const DfmValue& v, QString& out)
{
    if (v.kind == DfmValue::String) { out = v.text; return true; }
    return false;
}

bool stringsFromValue(const DfmValue& v, QStringList& out)
{
    if (v.kind != DfmValue::List) return false;
    out.clear();
    for (const DfmValue& item : v.items) {
        if (item.kind == DfmValue::String || item.kind == DfmValue::Identifier) out.append(item.text);
        else if (item.kind == DfmValue::Integer) out.append(QString::number(item.integer));
        else return false;
    }
    return true;
}

DfmValue boolValue(bool b) { return DfmValue::fromIdent(b ? QStringLiteral("True") : QStringLiteral("False")); }

DfmValue stringsValue(const QStringList& list)
{
    DfmValue v = DfmValue::emptyList();
    for (const QString& s : list) v.items.append(DfmValue::fromString(s));
    return v;
}

QVariant variantFromValue(const DfmValue& v)
{
    switch (v.kind) {
    case DfmValue::Integer:
        if (v.integer >= INT_MIN && v.integer <= INT_MAX) return QVariant(int(v.integer));
        return QVariant(qlonglong(v.integer));
    case DfmValue::Float: return QVariant(v.number);
    case DfmValue::String: return QVariant(v.text);
    case DfmValue::Identifier: {
        bool b = false;
        if (boolFromValue(v, b)) return QVariant(b);
        return QVariant(v.text);
    }
    case DfmValue::Set: return QVariant(v.setItems);
    case DfmValue::List: {
        QStringList strings;
        if (stringsFromValue(v, strings)) return QVariant(strings);
        QVariantList list;
        for (const DfmValue& item : v.items) list.append(variantFromValue(item));
        return QVariant(list);
    }
    case DfmValue::Collection: {
        QVariantList list;
        for (const QList<DfmProperty>& item : v.collection) {
            QVariantMap map;
            for (const DfmProperty& p : item) map.insert(p.name, variantFromValue(p.value));
            list.append(map);
        }
        return QVariant(list);
    }
    case DfmValue::Binary: return QVariant(v.bytes);
    }
    return {};
}

bool valueFromVariant(const QVariant& var, DfmValue& out)
{
    switch (var.typeId()) {
    case QMetaType::Bool: out = boolValue(var.toBool()); return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: out = DfmValue::fromInt(var.toLongLong()); return true;
    case QMetaType::Double:
    case QMetaType::Float:
        out = DfmValue();
        out.kind = DfmValue::Float;
        out.number = var.toDouble();
        return true;
    case QMetaType::QString: out = DfmValue::fromString(var.toString()); return true;
    case QMetaType::QStringList: out = stringsValue(var.toStringList()); return true;
    case QMetaType::QByteArray:
        out = DfmValue();
        out.kind = DfmValue::Binary;
        out.bytes = var.toByteArray();
        return true;
    case QMetaType::QColor: out = DfmValue::fromInt(fromQColor(var.value<QColor>())); return true;
    default: return false;
    }
}

// ---- names -------------------------------------------------------------------

// Properties that only the form designer uses.
const QStringList& designerOnlyProperties()
{
    static const QStringList names = {
        "PixelsPerInch", "TextHeight", "OldCreateOrder", "DesignSize", "ExplicitLeft", "ExplicitTop",
        "ExplicitWidth", "ExplicitHeight", "Font.Charset", "Font.Pitch", "ParentFont", "ParentColor",
        "ParentShowHint", "ParentBiDiMode", "ParentCtl3D", "Ctl3D", "Scaled", "DesignInfo", "IsControl",
        "ParentBackground", "ParentDoubleBuffered",
    };
    return names;
}

bool isDesignerOnly(const QString& name)
{
    return designerOnlyProperties().contains(name, Qt::CaseInsensitive);
}

// Names the mapping knows as properties of any component.
const QStringList& mappedHeads()
{
    static const QStringList names = {
        "Caption", "Hint", "Text", "Lines", "Items", "Strings", "Font", "Color", "Left", "Top", "Width",
        "Height", "ClientWidth", "ClientHeight", "Enabled", "Visible", "HelpContext", "ShortCut", "TabOrder",
        "Checked", "ReadOnly", "MaxLength", "Alignment", "Layout", "ItemIndex", "Filter", "DefaultExt",
        "Title", "InitialDir", "ActivePage",
    };
    return names;
}

// A class's properties by name without regard to case, made the first time
// the class is asked (the first of two that differ only in case wins).
// Classes do not change while the program runs.
QMetaProperty findMetaProperty(const QObject* obj, const QString& name)
{
    static QHash<const QMetaObject*, QHash<QString, int>> byClass;
    const QMetaObject* mo = obj->metaObject();
    auto it = byClass.constFind(mo);
    if (it == byClass.constEnd()) {
        QHash<QString, int> names;
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QString key = QString::fromLatin1(mo->property(i).name()).toLower();
            if (!names.contains(key)) names.insert(key, i);
        }
        it = byClass.insert(mo, names);
    }
    const int i = it->value(name.toLower(), -1);
    return i < 0 ? QMetaProperty() : mo->property(i);
}

QByteArray findDynamicProperty(const QObject* obj, const QString& name)
{
    for (const QByteArray& n : obj->dynamicPropertyNames())
        if (name.compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0) return n;
    return QByteArray();
}

QObject* topOf(QObject* obj)
{
    while (obj->parent()) obj = obj->parent();
    return obj;
}

QTabWidget* tabWidgetOf(QWidget* page, int* index)
{
    for (QWidget* p = page->parentWidget(); p; p = p->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
            *index = tabs->indexOf(page);
            return *index >= 0 ? tabs : nullptr;
        }
    }
    return nullptr;
}

// "Items(3).Caption": one item of a collection kept as a list of property maps.
bool splitItemPath(const QString& rest, int& index, QString& itemProperty)
{
    static const QRegularExpression re(QStringLiteral(R"(^[A-Za-z_]\w*\((\d{1,9})\)\.(.+)$)"));
    const QRegularExpressionMatch m = re.match(rest);
    if (!m.hasMatch()) return false;
    index = m.captured(1).toInt();
    itemProperty = m.captured(2);
    return true;
}

// The list behind a collection property, Q_PROPERTY or dynamic; sets `name`
// to the property's own spelling.
bool readCollection(const QObject* obj, const QString& head, QByteArray& name, QVariantList& list)
{
    const QMetaProperty mp = findMetaProperty(obj, head);
    name = mp.isValid() ? QByteArray(mp.name()) : findDynamicProperty(obj, head);
    if (name.isEmpty()) return false;
    const QVariant var = obj->property(name.constData());
    if (var.typeId() != QMetaType::QVariantList) return false;
    list = var.toList();
    return true;
}

QString findKey(const QVariantMap& map, const QString& key)
{
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.key();
    return QString();
}

// A property that a component of this program declares under its Delphi
// name ("Caption", Qt's own are spelt "enabled", "text") is the
// component's own business and goes before the general mapping.
bool hasOwnProperty(const QObject* obj, const QString& name)
{
    return obj->metaObject()->indexOfProperty(name.toLatin1().constData()) >= 0 && !name.isEmpty()
           && name.at(0).isUpper();
}

// ---- what a language file may set -------------------------------------------------

// Texts that non-visual components offer to translation, by class (the
// class itself or a base class); a component may also declare its own with
// Q_CLASSINFO("TranslatedProperties", "Title,Filter").
const QHash<QString, QStringList>& translatedByClass()
{
    static const QHash<QString, QStringList> table = {
        {QStringLiteral("TFileDialogComponent"), {QStringLiteral("Title"), QStringLiteral("Filter")}},
        {QStringLiteral("TOpenDialog"), {QStringLiteral("Title"), QStringLiteral("Filter")}},
        {QStringLiteral("TSaveDialog"), {QStringLiteral("Title"), QStringLiteral("Filter")}},
        {QStringLiteral("TPasswordDialog"), {QStringLiteral("Caption"), QStringLiteral("Language")}},
        {QStringLiteral("TStrHolder"), {QStringLiteral("Strings.Strings")}},
        {QStringLiteral("TSpeedbarSection"), {QStringLiteral("Caption")}},
    };
    return table;
}

QStringList declaredTranslated(const QObject* obj)
{
    QStringList names;
    for (const QMetaObject* mo = obj->metaObject(); mo; mo = mo->superClass()) {
        names += translatedByClass().value(QLatin1String(mo->className()));
        const int info = mo->indexOfClassInfo("TranslatedProperties");
        if (info >= 0 && mo->classInfo(info).enclosingMetaObject() == mo)
            names += QString::fromLatin1(mo->classInfo(info).value()).split(u',', Qt::SkipEmptyParts);
    }
    for (QString& n : names) n = n.trimmed();
    return names;
}

// The properties of controls, menus, actions and tabs that a language may
// change: texts, geometry, alignment and the font's face and size.
const QStringList& translatedOnControls()
{
    static const QStringList names = {
        "Caption", "Hint", "Items.Strings", "Lines.Strings", "Left", "Top", "Width", "Height", "ClientWidth",
        "ClientHeight", "Alignment", "Layout", "WordWrap", "AutoSize", "Font.Name", "Font.Size", "Font.Height",
    };
    return names;
}

bool isCollectionItemPath(const QString& name)
{
    static const QRegularExpression re(QStringLiteral(R"(^[A-Za-z_]\w*\.[A-Za-z_]\w*\(\d{1,9}\)\.[A-Za-z_]\w*$)"));
    return re.match(name).hasMatch();
}

// Whether a language file may set `name` on `obj`; `why` says why not.
// Everything else is refused: component references, Enabled, Visible,
// ShortCut, HelpContext, colours, keys, file names, dynamic properties.
bool translatable(const QObject* obj, const QString& name, QString& why)
{
    why = QStringLiteral("'%1' cannot be translated").arg(name);
    const bool control = obj->isWidgetType() || qobject_cast<const QAction*>(obj);
    if (control) {
        if (isCollectionItemPath(name)) return true;  // item texts only, checked with the item
        if (!translatedOnControls().contains(name, Qt::CaseInsensitive)) return false;
        // A hyperlink label without a target opens its caption.
        if (name.compare(u"Caption", Qt::CaseInsensitive) == 0) {
            const QMetaProperty url = findMetaProperty(obj, QStringLiteral("URL"));
            if (url.isValid() && url.read(obj).toString().isEmpty()) {
                why = QStringLiteral("'Caption' is the target while 'URL' is empty");
                return false;
            }
        }
        return true;
    }
    return declaredTranslated(obj).contains(name, Qt::CaseInsensitive);
}

// ---- the setter ------------------------------------------------------------------

bool getProperty(QObject* obj, const QString& name, DfmValue& out);

// The form named `name` for a reference "Form.Component": the loading form
// or one of its owners, else any top-level window of the application.
QObject* findForm(QObject* form, const QString& name)
{
    for (QObject* o = form; o; o = o->parent())
        if (o->objectName().compare(name, Qt::CaseInsensitive) == 0) return o;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) return w;
    return nullptr;
}

struct Setter {
    QObject* obj;
    QObject* form;  // where component references are looked up
    PropertyPolicy policy;
    QString* error;

    bool fail(const QString& why)
    {
        if (error) *error = why;
        return false;
    }
    bool badValue(const QString& name, const DfmValue& v)
    {
        return fail(QStringLiteral("invalid value %1 for property '%2'").arg(WriteFormValue(v).left(60), name));
    }

    bool set(const QString& name, const DfmValue& v)
    {
        if (name.isEmpty()) return fail(QStringLiteral("property name missing"));
        const bool translation = policy == PropertyPolicy::Translation;
        if (translation) {
            if (v.kind == DfmValue::Set || v.kind == DfmValue::Binary || v.kind == DfmValue::Collection)
                return fail(QStringLiteral("'%1' cannot be translated").arg(name));
            if (v.kind == DfmValue::List && !name.endsWith(QLatin1String(".Strings"), Qt::CaseInsensitive))
                return fail(QStringLiteral("'%1' cannot be translated").arg(name));
            QString why;
            if (!translatable(obj, name, why)) return fail(why);
        } else if (auto* component = dynamic_cast<TFormComponent*>(obj)) {
            if (component->ReadFormProperty(name, v)) return true;
        }
        if (isDesignerOnly(name)) return true;

        const int dot = name.indexOf(u'.');
        const QString head = dot < 0 ? name : name.left(dot);
        const QString rest = dot < 0 ? QString() : name.mid(dot + 1);
        if (!rest.isEmpty()) {
            if (head.compare(u"Font", Qt::CaseInsensitive) == 0) {
                const int r = setFont(rest, v);
                if (r >= 0) return r == 1;
            }
            if (rest.compare(u"Strings", Qt::CaseInsensitive) == 0) {
                const int r = setStrings(head, v);
                if (r >= 0) return r == 1;
            }
            int index = 0;
            QString itemProperty;
            if (splitItemPath(rest, index, itemProperty)) return setCollectionItem(head, index, itemProperty, v);
            // A sub-object held by a component-valued property.
            const QMetaProperty mp = findMetaProperty(obj, head);
            if (mp.isValid() && (mp.metaType().flags() & QMetaType::PointerToQObject)) {
                QObject* sub = mp.read(obj).value<QObject*>();
                if (!sub) return fail(QStringLiteral("'%1' holds no object").arg(head));
                Setter inner{sub, form, policy, error};
                return inner.set(rest, v);
            }
        } else if (!hasOwnProperty(obj, name)) {
            const int r = setMapped(name, v);
            if (r >= 0) return r == 1;
        }
        return setGeneric(name, v);
    }

    // 1 done, 0 failed, -1 not handled by the mapping.
    int setMapped(const QString& name, const DfmValue& v)
    {
        auto is = [&](const char* n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
        QWidget* w = qobject_cast<QWidget*>(obj);
        QAction* action = qobject_cast<QAction*>(obj);
        const bool translation = policy == PropertyPolicy::Translation;

        if (is("Caption")) {
            QString s;
            if (!textFromValue(v, s)) return badValue(name, v);
            if (auto* x = qobject_cast<QLabel*>(obj)) { x->setText(s); return 1; }
            if (auto* x = qobject_cast<QAbstractButton*>(obj)) { x->setText(s); return 1; }
            if (auto* x = qobject_cast<QGroupBox*>(obj)) { x->setTitle(s); return 1; }
            if (auto* x = qobject_cast<QMenu*>(obj)) { x->setTitle(s); return 1; }
            if (action) {
                // A menu item captioned "-" is a separator; it is drawn as a
                // line only (a separator's text would stand at its left end).
                const bool separator = s == u"-";
                action->setSeparator(separator);
                action->setText(separator ? QString() : s);
                return 1;
            }
            if (w) {
                int index = -1;
                if (QTabWidget* tabs = tabWidgetOf(w, &index)) {
                    tabs->setTabText(index, s);
                    w->setWindowTitle(s);
                    return 1;
                }
                if (findMetaProperty(obj, name).isValid()) return -1;
                w->setWindowTitle(s);
                return 1;
            }
            return -1;
        }
        if (is("Hint")) {
            QString s;
            if (!textFromValue(v, s)) return badValue(name, v);
            if (w) { w->setToolTip(s); w->setStatusTip(s); return 1; }
            if (action) { action->setToolTip(s); action->setStatusTip(s); return 1; }
            return -1;
        }
        if (is("Text")) {
            QString s;
            if (!textFromValue(v, s)) return badValue(name, v);
            if (auto* x = qobject_cast<QLineEdit*>(obj)) { x->setText(s); return 1; }
            if (auto* x = qobject_cast<QPlainTextEdit*>(obj)) { x->setPlainText(s); return 1; }
            if (auto* x = qobject_cast<QTextEdit*>(obj)) { x->setPlainText(s); return 1; }
            if (auto* x = qobject_cast<QComboBox*>(obj)) {
                if (x->isEditable()) x->setEditText(s);
                else x->setCurrentIndex(x->findText(s));
                return 1;
            }
            if (auto* x = qobject_cast<QLabel*>(obj)) { x->setText(s); return 1; }
            return -1;
        }
        if (w && (is("Left") || is("Top") || is("Width") || is("Height") || is("ClientWidth") || is("ClientHeight"))) {
            qint64 n = 0;
            if (!intFromValue(v, n) || n < INT_MIN / 2 || n > INT_MAX / 2) return badValue(name, v);
            const int i = int(n);
            if (is("Left")) w->move(i, w->y());
            else if (is("Top")) w->move(w->x(), i);
            else if (is("Width") || is("ClientWidth")) w->resize(qMax(0, i), w->height());
            else w->resize(w->width(), qMax(0, i));
            return 1;
        }
        if (!w && (is("Left") || is("Top"))) return 1;  // where the designer showed a non-visual component
        if (is("Color") && w) {
            quint32 c = 0;
            if (!colorFromValue(v, c)) return badValue(name, v);
            const QColor qc = toQColor(c);
            if (!qc.isValid()) return 1;
            // A form's or a panel's colour is its face, which its input
            // controls do not take over (they keep the window colour); an
            // input control's colour is the colour of its field.  Disabled,
            // a field takes the desktop's disabled look.
            QPalette pal = w->palette();
            pal.setColor(QPalette::Window, qc);
            if (isInputControl(w)) {
                pal.setColor(QPalette::Active, QPalette::Base, qc);
                pal.setColor(QPalette::Inactive, QPalette::Base, qc);
            }
            w->setPalette(pal);
            if (!w->isWindow() && c != ClBtnFace) w->setAutoFillBackground(true);
            w->setProperty("Color", ColorToFormInt(c));
            return 1;
        }
        if (is("Visible")) {
            bool b = false;
            if (!boolFromValue(v, b)) return badValue(name, v);
            if (auto* x = qobject_cast<QMenu*>(obj)) { x->menuAction()->setVisible(b); return 1; }
            if (action) { action->setVisible(b); return 1; }
            if (w) {
                // A form shows itself when the program asks for it.
                if (w->isWindow()) w->setProperty("Visible", b);
                else w->setVisible(b);
                return 1;
            }
            return -1;
        }
        if (is("Enabled")) {
            bool b = false;
            if (!boolFromValue(v, b)) return badValue(name, v);
            if (auto* x = qobject_cast<QMenu*>(obj)) {
                // A menu is offered or not through its entry in the menu
                // above it; the drop-down itself stays able to open once
                // that entry is enabled.
                x->menuAction()->setEnabled(b);
                return 1;
            }
            if (action) { action->setEnabled(b); return 1; }
            if (w) { w->setEnabled(b); return 1; }
            return -1;
        }
        if (is("Checked")) {
            bool b = false;
            if (!boolFromValue(v, b)) return badValue(name, v);
            if (auto* x = qobject_cast<QAbstractButton*>(obj)) { if (b) x->setCheckable(true); x->setChecked(b); return 1; }
            if (action) { if (b) action->setCheckable(true); action->setChecked(b); return 1; }
            return -1;
        }
        if (is("ShortCut")) {
            qint64 n = 0;
            if (!intFromValue(v, n)) return badValue(name, v);
            if (auto* x = qobject_cast<QMenu*>(obj)) { x->menuAction()->setShortcut(shortCutToKeySequence(n)); return 1; }
            if (action) { action->setShortcut(shortCutToKeySequence(n)); return 1; }
            if (auto* x = qobject_cast<QAbstractButton*>(obj)) { x->setShortcut(shortCutToKeySequence(n)); return 1; }
            return -1;
        }
        if (is("HelpContext") || is("TabOrder")) {
            qint64 n = 0;
            if (!intFromValue(v, n)) return badValue(name, v);
            obj->setProperty(is("HelpContext") ? "HelpContext" : "TabOrder", int(n));
            return 1;
        }
        if (is("ReadOnly")) {
            bool b = false;
            if (!boolFromValue(v, b)) return badValue(name, v);
            if (auto* x = qobject_cast<QAbstractItemView*>(obj)) {
                if (b) x->setEditTriggers(QAbstractItemView::NoEditTriggers);
                x->setProperty("ReadOnly", b);
                return 1;
            }
            return -1;
        }
        if (is("MaxLength")) {
            qint64 n = 0;
            if (!intFromValue(v, n) || n < 0) return badValue(name, v);
            if (auto* x = qobject_cast<QLineEdit*>(obj)) {
                // Zero means no limit.
                x->setMaxLength(n == 0 || n > 32767 ? 32767 : int(n));
                return 1;
            }
            return -1;
        }
        if (is("Alignment") || is("Layout")) {
            if (v.kind != DfmValue::Identifier) return translation ? -1 : badValue(name, v);
            const QString id = v.text.toLower();
            Qt::Alignment part;
            if (id == u"taleftjustify") part = Qt::AlignLeft;
            else if (id == u"tacenter") part = Qt::AlignHCenter;
            else if (id == u"tarightjustify") part = Qt::AlignRight;
            else if (id == u"tltop") part = Qt::AlignTop;
            else if (id == u"tlcenter") part = Qt::AlignVCenter;
            else if (id == u"tlbottom") part = Qt::AlignBottom;
            else return -1;
            const bool horizontal = is("Alignment");
            const Qt::Alignment mask = horizontal ? Qt::AlignHorizontal_Mask : Qt::AlignVertical_Mask;
            if (auto* x = qobject_cast<QLabel*>(obj)) { x->setAlignment((x->alignment() & ~mask) | part); return 1; }
            if (auto* x = qobject_cast<QLineEdit*>(obj)) { x->setAlignment((x->alignment() & ~mask) | part); return 1; }
            return -1;
        }
        if (is("ActivePage")) {
            auto* tabs = qobject_cast<QTabWidget*>(obj);
            if (!tabs) return -1;
            QWidget* page = v.kind == DfmValue::Identifier ? qobject_cast<QWidget*>(FindComponentByName(tabs, v.text)) : nullptr;
            if (!page || tabs->indexOf(page) < 0) return badValue(name, v);
            tabs->setCurrentWidget(page);
            return 1;
        }
        if (is("ItemIndex")) {
            qint64 n = 0;
            if (!intFromValue(v, n)) return badValue(name, v);
            if (auto* x = qobject_cast<QComboBox*>(obj)) { x->setCurrentIndex(n < x->count() ? int(n) : -1); return 1; }
            if (auto* x = qobject_cast<QListWidget*>(obj)) { x->setCurrentRow(n < x->count() ? int(n) : -1); return 1; }
            return -1;
        }
        return -1;
    }

    // Font.Name, Font.Size, Font.Height, Font.Style, Font.Color.
    int setFont(const QString& sub, const DfmValue& v)
    {
        auto is = [&](const char* n) { return sub.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
        if (isDesignerOnly(QStringLiteral("Font.") + sub)) return 1;
        const QMetaProperty fp = findMetaProperty(obj, QStringLiteral("font"));
        if (!fp.isValid() || fp.metaType().id() != QMetaType::QFont) return -1;
        if (is("Color")) {
            QWidget* w = qobject_cast<QWidget*>(obj);
            if (!w) return -1;
            quint32 c = 0;
            if (!colorFromValue(v, c)) return badValue(QStringLiteral("Font.Color"), v);
            const QColor qc = toQColor(c);
            if (!qc.isValid()) return 1;
            // The text colour of an enabled control; a disabled one shows
            // the desktop's greyed text, whatever its own colour.
            QPalette pal = w->palette();
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                    pal.setColor(group, role, qc);
            w->setPalette(pal);
            w->setProperty("Font.Color", ColorToFormInt(c));
            return 1;
        }
        QFont f = fp.read(obj).value<QFont>();
        if (is("Name")) {
            QString s;
            if (!textFromValue(v, s)) return badValue(QStringLiteral("Font.Name"), v);
            f.setFamilies({s});
        } else if (is("Size")) {
            qint64 n = 0;
            if (!intFromValue(v, n) || n <= 0 || n > 1000) return badValue(QStringLiteral("Font.Size"), v);
            f.setPointSize(int(n));
        } else if (is("Height")) {
            qint64 n = 0;
            if (!intFromValue(v, n) || n == 0 || n < -1000 || n > 1000) return badValue(QStringLiteral("Font.Height"), v);
            f.setPixelSize(int(n < 0 ? -n : n));
        } else if (is("Style")) {
            if (v.kind != DfmValue::Set) return badValue(QStringLiteral("Font.Style"), v);
            bool bold = false, italic = false, underline = false, strike = false;
            for (const QString& item : v.setItems) {
                const QString s = item.toLower();
                if (s == u"fsbold") bold = true;
                else if (s == u"fsitalic") italic = true;
                else if (s == u"fsunderline") underline = true;
                else if (s == u"fsstrikeout") strike = true;
                else return badValue(QStringLiteral("Font.Style"), v);
            }
            f.setBold(bold);
            f.setItalic(italic);
            f.setUnderline(underline);
            f.setStrikeOut(strike);
        } else {
            return -1;
        }
        fp.write(obj, f);
        return 1;
    }

    // Lines.Strings, Items.Strings, Strings.Strings and any string list property.
    int setStrings(const QString& head, const DfmValue& v)
    {
        auto is = [&](const char* n) { return head.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
        QStringList list;
        if (!stringsFromValue(v, list)) return badValue(head + QStringLiteral(".Strings"), v);
        if (policy == PropertyPolicy::Translation) {
            // Lists are fetched by index: a language replaces texts, never
            // the number of items.  Missing items keep their text, surplus
            // ones are dropped.
            DfmValue current;
            QStringList old;
            if (!getProperty(obj, head + QStringLiteral(".Strings"), current) || !stringsFromValue(current, old))
                return fail(QStringLiteral("'%1.Strings' names no list").arg(head));
            for (qsizetype i = 0; i < old.size() && i < list.size(); ++i) old[i] = list.at(i);
            list = old;
        }
        if (is("Items") || is("Lines")) {
            // Replacing the items is no choice of the user: no change signals.
            if (auto* x = qobject_cast<QComboBox*>(obj)) {
                const QSignalBlocker quiet(x);
                const int index = x->currentIndex();
                x->clear();
                x->addItems(list);
                x->setCurrentIndex(index < x->count() ? index : -1);
                return 1;
            }
            if (auto* x = qobject_cast<QListWidget*>(obj)) {
                const QSignalBlocker quiet(x);
                const int row = x->currentRow();
                x->clear();
                x->addItems(list);
                if (row < x->count()) x->setCurrentRow(row);
                return 1;
            }
            if (auto* x = qobject_cast<QPlainTextEdit*>(obj)) { x->setPlainText(list.join(u'\n')); return 1; }
            if (auto* x = qobject_cast<QTextEdit*>(obj)) { x->setPlainText(list.join(u'\n')); return 1; }
        }
        const QMetaProperty mp = findMetaProperty(obj, head);
        if (mp.isValid() && mp.metaType().id() == QMetaType::QStringList) {
            if (!mp.isWritable() || !mp.write(obj, list)) return fail(QStringLiteral("'%1' cannot be set").arg(head));
            return 1;
        }
        return -1;
    }

    bool setCollectionItem(const QString& head, int index, const QString& itemProperty, const DfmValue& v)
    {
        QByteArray listName;
        QVariantList list;
        if (!readCollection(obj, head, listName, list))
            return fail(QStringLiteral("'%1' names no collection of '%2'").arg(head, obj->objectName()));
        if (index < 0 || index >= list.size() || list.at(index).typeId() != QMetaType::QVariantMap)
            return fail(QStringLiteral("'%1' has no item %2").arg(head).arg(index));
        QVariantMap item = list.at(index).toMap();
        QString key = findKey(item, itemProperty);
        if (policy == PropertyPolicy::Translation) {
            DfmValue current;
            if (key.isEmpty() || !valueFromVariant(item.value(key), current) || current.kind != v.kind
                || v.kind != DfmValue::String)
                return fail(QStringLiteral("'%1' cannot be translated").arg(itemProperty));
        }
        if (key.isEmpty()) key = itemProperty;
        item.insert(key, variantFromValue(v));
        list[index] = item;
        obj->setProperty(listName.constData(), list);
        return true;
    }

    bool setGeneric(const QString& name, const DfmValue& v)
    {
        const QMetaProperty mp = findMetaProperty(obj, name);
        if (mp.isValid()) {
            if (!mp.isWritable()) return fail(QStringLiteral("'%1' cannot be set").arg(name));
            QVariant var;
            if (!convertFor(mp, name, v, var)) return false;
            if (!mp.write(obj, var)) return badValue(name, v);
            return true;
        }
        const QByteArray dyn = findDynamicProperty(obj, name);
        if (policy == PropertyPolicy::Translation) {
            // Only what the form resource gave the component, of the same kind.
            if (dyn.isEmpty()) return fail(QStringLiteral("'%1' names no property of '%2'").arg(name, obj->objectName()));
            DfmValue current;
            if (!valueFromVariant(obj->property(dyn.constData()), current) || current.kind != v.kind)
                return fail(QStringLiteral("'%1' cannot be translated").arg(name));
        }
        obj->setProperty(dyn.isEmpty() ? name.toUtf8().constData() : dyn.constData(), variantFromValue(v));
        return true;
    }

    bool convertFor(const QMetaProperty& mp, const QString& name, const DfmValue& v, QVariant& out)
    {
        const QMetaType type = mp.metaType();
        if (mp.isEnumType()) {
            const QMetaEnum e = mp.enumerator();
            if (v.kind == DfmValue::Integer) { out = int(v.integer); return true; }
            if (v.kind == DfmValue::Identifier) {
                bool ok = false;
                const int n = e.keyToValue(v.text.toUtf8().constData(), &ok);
                if (!ok) {
                    for (int i = 0; i < e.keyCount(); ++i)
                        if (v.text.compare(QLatin1String(e.key(i)), Qt::CaseInsensitive) == 0) {
                            ok = true;
                            out = e.value(i);
                            return true;
                        }
                    return badValue(name, v);
                }
                out = n;
                return true;
            }
            if (v.kind == DfmValue::Set && e.isFlag()) {
                int n = 0;
                for (const QString& item : v.setItems) {
                    bool ok = false;
                    n |= e.keyToValue(item.toUtf8().constData(), &ok);
                    if (!ok) return badValue(name, v);
                }
                out = n;
                return true;
            }
            return badValue(name, v);
        }
        if (type.flags() & QMetaType::PointerToQObject) {
            if (v.kind != DfmValue::Identifier) return badValue(name, v);
            if (v.text.compare(u"nil", Qt::CaseInsensitive) == 0) { out = QVariant::fromValue<QObject*>(nullptr); }
            else {
                // "Form.Component" or "Component"
                const QString target = v.text.section(u'.', -1);
                QObject* scope = form;
                if (v.text.contains(u'.')) scope = findForm(form, v.text.section(u'.', 0, 0));
                // A reference into a form that does not exist (yet) stays empty.
                QObject* found = scope ? FindComponentByName(scope, target) : nullptr;
                if (!found && scope) return fail(QStringLiteral("no component '%1' for property '%2'").arg(v.text, name));
                out = QVariant::fromValue(found);
            }
            if (!out.value<QObject*>()) {
                out = QVariant(type);  // an empty reference of the property's own type
                return true;
            }
            if (!out.convert(type)) {
                // The component is of another class than the property wants.
                return fail(QStringLiteral("component '%1' does not fit property '%2'").arg(v.text, name));
            }
            return true;
        }
        switch (type.id()) {
        case QMetaType::Bool: {
            bool b = false;
            if (!boolFromValue(v, b)) return badValue(name, v);
            out = b;
            return true;
        }
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort: {
            if (v.kind != DfmValue::Integer) return badValue(name, v);
            out = qlonglong(v.integer);
            break;
        }
        case QMetaType::Double:
        case QMetaType::Float:
            if (v.kind == DfmValue::Float) out = v.number;
            else if (v.kind == DfmValue::Integer) out = double(v.integer);
            else return badValue(name, v);
            break;
        case QMetaType::QString:
            if (v.kind != DfmValue::String && v.kind != DfmValue::Identifier) return badValue(name, v);
            out = v.text;
            return true;
        case QMetaType::QStringList: {
            QStringList list;
            if (v.kind == DfmValue::Set) list = v.setItems;
            else if (!stringsFromValue(v, list)) return badValue(name, v);
            out = list;
            return true;
        }
        case QMetaType::QColor: {
            quint32 c = 0;
            if (!colorFromValue(v, c)) return badValue(name, v);
            out = toQColor(c);
            return true;
        }
        case QMetaType::QByteArray:
            if (v.kind == DfmValue::Binary) out = v.bytes;
            else if (v.kind == DfmValue::String) out = v.text.toUtf8();
            else return badValue(name, v);
            return true;
        case QMetaType::QVariant: out = variantFromValue(v); return true;
        default: out = variantFromValue(v); break;
        }
        if (!out.convert(type)) return badValue(name, v);
        return true;
    }
};

// ---- the getter -------------------------------------------------------------------

bool getProperty(QObject* obj, const QString& name, DfmValue& out)
{
    auto is = [&](const char* n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    QWidget* w = qobject_cast<QWidget*>(obj);
    QAction* action = qobject_cast<QAction*>(obj);

    if (hasOwnProperty(obj, name)) {
        // the component's own property, below
    } else if (is("Caption")) {
        if (auto* x = qobject_cast<QLabel*>(obj)) { out = DfmValue::fromString(x->text()); return true; }
        if (auto* x = qobject_cast<QAbstractButton*>(obj)) { out = DfmValue::fromString(x->text()); return true; }
        if (auto* x = qobject_cast<QGroupBox*>(obj)) { out = DfmValue::fromString(x->title()); return true; }
        if (auto* x = qobject_cast<QMenu*>(obj)) { out = DfmValue::fromString(x->title()); return true; }
        if (action) {
            out = DfmValue::fromString(action->isSeparator() && action->text().isEmpty() ? QStringLiteral("-") : action->text());
            return true;
        }
        if (w) {
            int index = -1;
            if (QTabWidget* tabs = tabWidgetOf(w, &index)) { out = DfmValue::fromString(tabs->tabText(index)); return true; }
            if (!findMetaProperty(obj, name).isValid()) { out = DfmValue::fromString(w->windowTitle()); return true; }
        }
    } else if (is("Hint")) {
        if (w) { out = DfmValue::fromString(w->toolTip()); return true; }
        if (action) { out = DfmValue::fromString(action->toolTip()); return true; }
    } else if (is("Text")) {
        if (auto* x = qobject_cast<QLineEdit*>(obj)) { out = DfmValue::fromString(x->text()); return true; }
        if (auto* x = qobject_cast<QPlainTextEdit*>(obj)) { out = DfmValue::fromString(x->toPlainText()); return true; }
        if (auto* x = qobject_cast<QTextEdit*>(obj)) { out = DfmValue::fromString(x->toPlainText()); return true; }
        if (auto* x = qobject_cast<QComboBox*>(obj)) { out = DfmValue::fromString(x->currentText()); return true; }
        if (auto* x = qobject_cast<QLabel*>(obj)) { out = DfmValue::fromString(x->text()); return true; }
    } else if (w && (is("Left") || is("Top") || is("Width") || is("Height") || is("ClientWidth") || is("ClientHeight"))) {
        const int n = is("Left") ? w->x() : is("Top") ? w->y() : (is("Width") || is("ClientWidth")) ? w->width() : w->height();
        out = DfmValue::fromInt(n);
        return true;
    } else if (is("Enabled")) {
        if (auto* x = qobject_cast<QMenu*>(obj)) { out = boolValue(x->menuAction()->isEnabled()); return true; }
        if (action) { out = boolValue(action->isEnabled()); return true; }
        if (w) { out = boolValue(w->isEnabled()); return true; }
    } else if (is("Visible")) {
        if (auto* x = qobject_cast<QMenu*>(obj)) { out = boolValue(x->menuAction()->isVisible()); return true; }
        if (action) { out = boolValue(action->isVisible()); return true; }
        if (w && !w->isWindow()) { out = boolValue(!w->isHidden()); return true; }
    } else if (is("Checked")) {
        if (auto* x = qobject_cast<QAbstractButton*>(obj)) { out = boolValue(x->isChecked()); return true; }
        if (action) { out = boolValue(action->isChecked()); return true; }
    } else if (is("ShortCut")) {
        if (auto* x = qobject_cast<QMenu*>(obj)) { out = DfmValue::fromInt(keySequenceToShortCut(x->menuAction()->shortcut())); return true; }
        if (action) { out = DfmValue::fromInt(keySequenceToShortCut(action->shortcut())); return true; }
    } else if (is("ItemIndex")) {
        if (auto* x = qobject_cast<QComboBox*>(obj)) { out = DfmValue::fromInt(x->currentIndex()); return true; }
        if (auto* x = qobject_cast<QListWidget*>(obj)) { out = DfmValue::fromInt(x->currentRow()); return true; }
    } else if (is("Alignment") || is("Layout")) {
        Qt::Alignment a;
        bool found = true;
        if (auto* x = qobject_cast<QLabel*>(obj)) a = x->alignment();
        else if (auto* x = qobject_cast<QLineEdit*>(obj)) a = x->alignment();
        else found = false;
        if (found) {
            const char* id = nullptr;
            if (is("Alignment")) id = (a & Qt::AlignHCenter) ? "taCenter" : (a & Qt::AlignRight) ? "taRightJustify" : "taLeftJustify";
            else id = (a & Qt::AlignVCenter) ? "tlCenter" : (a & Qt::AlignBottom) ? "tlBottom" : "tlTop";
            out = DfmValue::fromIdent(QLatin1String(id));
            return true;
        }
    } else if (is("MaxLength")) {
        if (auto* x = qobject_cast<QLineEdit*>(obj)) { out = DfmValue::fromInt(x->maxLength() >= 32767 ? 0 : x->maxLength()); return true; }
    }

    const int dot = name.indexOf(u'.');
    if (dot > 0) {
        const QString head = name.left(dot), rest = name.mid(dot + 1);
        if (head.compare(u"Font", Qt::CaseInsensitive) == 0) {
            const QMetaProperty fp = findMetaProperty(obj, QStringLiteral("font"));
            if (fp.isValid() && fp.metaType().id() == QMetaType::QFont) {
                const QFont f = fp.read(obj).value<QFont>();
                auto sub = [&](const char* n) { return rest.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
                if (sub("Name")) { out = DfmValue::fromString(f.family()); return true; }
                if (sub("Size")) {
                    out = DfmValue::fromInt(f.pointSize() > 0 ? f.pointSize() : qRound(f.pixelSize() * 72.0 / 96.0));
                    return true;
                }
                if (sub("Height")) {
                    out = DfmValue::fromInt(f.pixelSize() > 0 ? -f.pixelSize() : -qRound(f.pointSizeF() * 96.0 / 72.0));
                    return true;
                }
                if (sub("Style")) {
                    out = DfmValue();
                    out.kind = DfmValue::Set;
                    if (f.bold()) out.setItems << QStringLiteral("fsBold");
                    if (f.italic()) out.setItems << QStringLiteral("fsItalic");
                    if (f.underline()) out.setItems << QStringLiteral("fsUnderline");
                    if (f.strikeOut()) out.setItems << QStringLiteral("fsStrikeOut");
                    return true;
                }
            }
        }
        if (rest.compare(u"Strings", Qt::CaseInsensitive) == 0) {
            if (head.compare(u"Items", Qt::CaseInsensitive) == 0 || head.compare(u"Lines", Qt::CaseInsensitive) == 0) {
                QStringList list;
                bool found = true;
                if (auto* x = qobject_cast<QComboBox*>(obj)) { for (int i = 0; i < x->count(); ++i) list << x->itemText(i); }
                else if (auto* x = qobject_cast<QListWidget*>(obj)) { for (int i = 0; i < x->count(); ++i) list << x->item(i)->text(); }
                else if (auto* x = qobject_cast<QPlainTextEdit*>(obj)) list = x->toPlainText().split(u'\n');
                else if (auto* x = qobject_cast<QTextEdit*>(obj)) list = x->toPlainText().split(u'\n');
                else found = false;
                if (found) { out = stringsValue(list); return true; }
            }
            const QMetaProperty mp = findMetaProperty(obj, head);
            if (mp.isValid() && mp.metaType().id() == QMetaType::QStringList) {
                out = stringsValue(mp.read(obj).toStringList());
                return true;
            }
        }
        int index = 0;
        QString itemProperty;
        QByteArray listName;
        QVariantList list;
        if (splitItemPath(rest, index, itemProperty) && readCollection(obj, head, listName, list)) {
            if (index < 0 || index >= list.size()) return false;
            const QVariantMap item = list.at(index).toMap();
            const QString key = findKey(item, itemProperty);
            return !key.isEmpty() && valueFromVariant(item.value(key), out);
        }
        const QMetaProperty mp = findMetaProperty(obj, head);
        if (mp.isValid() && (mp.metaType().flags() & QMetaType::PointerToQObject)) {
            if (QObject* sub = mp.read(obj).value<QObject*>()) return getProperty(sub, rest, out);
            return false;
        }
    }

    const QMetaProperty mp = findMetaProperty(obj, name);
    if (mp.isValid() && mp.isReadable()) {
        const QVariant var = mp.read(obj);
        if (mp.isEnumType()) {
            const QByteArray key = mp.enumerator().valueToKey(var.toInt());
            if (!key.isEmpty()) { out = DfmValue::fromIdent(QString::fromLatin1(key)); return true; }
            out = DfmValue::fromInt(var.toInt());
            return true;
        }
        if (valueFromVariant(var, out)) return true;
    }
    const QByteArray dyn = findDynamicProperty(obj, name);
    if (!dyn.isEmpty()) return valueFromVariant(obj->property(dyn.constData()), out);
    return false;
}

// Splits "Component.Sub.Property" into the component and the property path.
QObject* resolve(QObject* root, const QString& path, QString& propertyPath, QString* error)
{
    QObject* obj = root;
    QString rest = path;
    for (;;) {
        const int dot = rest.indexOf(u'.');
        const QString head = dot < 0 ? rest : rest.left(dot);
        if (head.isEmpty()) {
            if (error) *error = QStringLiteral("empty name in '%1'").arg(path);
            return nullptr;
        }
        if (mappedHeads().contains(head, Qt::CaseInsensitive) || findMetaProperty(obj, head).isValid()
            || !findDynamicProperty(obj, head).isEmpty() || dot < 0) {
            propertyPath = rest;
            return obj;
        }
        QObject* child = FindComponentByName(obj, head);
        if (!child) {
            if (error) *error = QStringLiteral("no component '%1' in '%2'").arg(head, path);
            return nullptr;
        }
        obj = child;
        rest = rest.mid(dot + 1);
    }
}

void applyObject(QObject* form, QObject* target, const DfmObject& res, const TComponentIndex& byName,
                 const QString& fileName)
{
    for (const DfmProperty& p : res.properties) {
        QString error;
        Setter setter{target, form, PropertyPolicy::FormResource, &error};
        if (!setter.set(p.name, p.value))
            throw EFormResourceError(QStringLiteral("%1(%2): %3.%4: %5")
                                         .arg(fileName)
                                         .arg(p.line)
                                         .arg(res.name.isEmpty() ? res.className : res.name, p.name, error));
    }
    for (const DfmObject& child : res.children) {
        QObject* component = byName.Find(child.name);
        if (child.name.isEmpty() || !component)
            throw EFormResourceError(QStringLiteral("%1(%2): the form has no component '%3'")
                                         .arg(fileName)
                                         .arg(child.line)
                                         .arg(child.name.isEmpty() ? child.className : child.name));
        applyObject(form, component, child, byName, fileName);
    }
}

}  // namespace

namespace {
// The first descendant of `parent` named `name`, depth first, each object
// before its own children (the order of findChildren), without building the
// list of all of them.
QObject* findNamed(const QObject* parent, const QString& name)
{
    for (QObject* o : parent->children()) {
        const QString n = o->objectName();
        if (n.size() == name.size() && n.compare(name, Qt::CaseInsensitive) == 0) return o;
        if (QObject* found = findNamed(o, name)) return found;
    }
    return nullptr;
}
}  // namespace

QObject* FindComponentByName(QObject* root, const QString& name)
{
    if (!root || name.isEmpty()) return nullptr;
    return findNamed(root, name);
}

TComponentIndex::TComponentIndex(QObject* root)
{
    if (!root) return;
    for (QObject* o : root->findChildren<QObject*>()) Add(o);
}

QObject* TComponentIndex::Find(const QString& name) const
{
    return name.isEmpty() ? nullptr : m_byName.value(name.toLower());
}

void TComponentIndex::Add(QObject* component)
{
    const QString key = component ? component->objectName().toLower() : QString();
    if (!key.isEmpty() && !m_byName.contains(key)) m_byName.insert(key, component);
}

bool SetPropertyPath(QObject* root, const QString& path, const DfmValue& value, PropertyPolicy policy, QString* error)
{
    if (!root) {
        if (error) *error = QStringLiteral("no object");
        return false;
    }
    QString propertyPath;
    QObject* obj = resolve(root, path, propertyPath, error);
    if (!obj) return false;
    Setter setter{obj, topOf(root), policy, error};
    return setter.set(propertyPath, value);
}

bool GetPropertyPath(QObject* root, const QString& path, DfmValue& out)
{
    if (!root) return false;
    QString propertyPath;
    QObject* obj = resolve(root, path, propertyPath, nullptr);
    if (!obj) return false;
    return getProperty(obj, propertyPath, out);
}

void ApplyFormResource(QObject* form, const DfmObject& resource)
{
    const QString fileName = resource.fileName.isEmpty() ? resource.className : resource.fileName;
    if (!form) throw EFormResourceError(QStringLiteral("%1(%2): no form").arg(fileName).arg(resource.line));
    if (form->objectName().isEmpty()) form->setObjectName(resource.name);
    const TComponentIndex byName(form);
    applyObject(form, form, resource, byName, fileName);

    QList<QObject*> all = form->findChildren<QObject*>();
    all.prepend(form);
    for (QObject* o : all)
        if (auto* component = dynamic_cast<TFormComponent*>(o)) component->Loaded();
}
