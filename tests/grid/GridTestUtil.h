#pragma once
// Helpers for the grid tests: loading a grid from form text and reading
// entries back.
#include "grid/CellGrid.h"
#include "platform/FormResource.h"

#include <gtest/gtest.h>

// Applies every property of a form object text ("object G: TCellGrid ... end")
// through the grid's own entry reader, then ends loading.
inline void LoadGridFromForm(TCellGrid& grid, const QString& formText)
{
    const DfmObject obj = ParseFormResource(formText, QStringLiteral("grid.dfm"));
    for (const DfmProperty& p : obj.properties) grid.ReadFormProperty(p.name, p.value);
    grid.Loaded();
}

inline const DfmProperty* FindEntry(const QList<DfmProperty>& props, const QString& name)
{
    for (const DfmProperty& p : props)
        if (p.name == name) return &p;
    return nullptr;
}

// One-line text notation of a value: (1 2 'a').
inline QString Compact(const DfmValue& v)
{
    switch (v.kind) {
    case DfmValue::Integer: return QString::number(v.integer);
    case DfmValue::String: return QLatin1Char('\'') + v.text + QLatin1Char('\'');
    case DfmValue::Identifier: return v.text;
    case DfmValue::Set: return QLatin1Char('[') + v.setItems.join(QLatin1String(", ")) + QLatin1Char(']');
    case DfmValue::List: {
        QStringList parts;
        for (const DfmValue& item : v.items) parts << Compact(item);
        return QLatin1Char('(') + parts.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    default: return QStringLiteral("<other>");
    }
}

// The entry as written back, or "<missing>".
inline QString EntryText(const TCellGrid& grid, const QString& name)
{
    const QList<DfmProperty> props = grid.WriteFormProperties();
    const DfmProperty* p = FindEntry(props, name);
    return p ? Compact(p->value) : QStringLiteral("<missing>");
}

inline DfmValue IntList(std::initializer_list<qint64> values)
{
    DfmValue v = DfmValue::emptyList();
    for (qint64 x : values) v.items << DfmValue::fromInt(x);
    return v;
}

inline DfmValue Binary(const QByteArray& bytes)
{
    DfmValue v;
    v.kind = DfmValue::Binary;
    v.bytes = bytes;
    return v;
}

// The form of the main window's first count grid.
inline QString ZetaBogenGlattGridForm()
{
    return QStringLiteral(
        "object ZetaBogenGlattGrid: TCellGrid\n"
        "  Left = 8\n"
        "  Top = 24\n"
        "  Width = 290\n"
        "  Height = 42\n"
        "  ColCount = 7\n"
        "  DefaultColWidth = 40\n"
        "  DefaultRowHeight = 18\n"
        "  RowCount = 2\n"
        "  Font.Name = 'Arial'\n"
        "  Font.Height = -11\n"
        "  Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]\n"
        "  ScrollBars = ssNone\n"
        "  Cells = (\n"
        "    0 0 'R / D' 0 1 'Stck.' 1 0 '0,5' 1 1 '0' 2 0 '0,75' 2 1 '0' 3 0 '1,0' 3 1 '0'\n"
        "    4 0 '2' 4 1 '0' 5 0 '3' 5 1 '0' 6 0 '4' 6 1 '0')\n"
        "  PropCell = (\n"
        "    0 0 1 2 0 0 1 1 2 0 1 0 1 2 0 2 0 1 2 0 3 0 1 2 0 4 0 1 2 0 5 0 1 2 0 6 0 1 2 0)\n"
        "  PropCol = (0 1 2 0)\n"
        "  PropRow = (0 1 2 0 1 1 2 0)\n"
        "  PropFixedCol = ()\n"
        "  PropFixedRow = ()\n"
        "end\n");
}
