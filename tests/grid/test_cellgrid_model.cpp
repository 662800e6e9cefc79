// Property records, the cascade and the form entries of TCellGrid.
#include "GridTestUtil.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>

// ------------------------------------------------------------ cascade

TEST(CellGridCascade, NoRecordsGivesGridWideValues)
{
    TCellGrid g;
    EXPECT_EQ(g.AlignCell(2, 2), alLeft);
    EXPECT_EQ(g.WordwrapCell(2, 2), ww_none);
    EXPECT_TRUE(g.EditCell(2, 2));
    EXPECT_TRUE(g.EffectiveFont(2, 2).sameAttributes(g.Font()));
    EXPECT_EQ(g.GetColorCell(2, 2), clWindow);
    // fixed cells: the fixed-cell font and FixedColor
    EXPECT_EQ(g.GetColorCell(0, 2), clBtnFace);
    EXPECT_EQ(g.GetColorCell(2, 0), clBtnFace);
    EXPECT_EQ(&g.EffectiveFont(0, 0), &g.FixedFont());
    EXPECT_EQ(g.SelectedColorCell(2, 2), clActiveCaption);
    EXPECT_EQ(g.SelectedFontColorCell(2, 2), clWhite);
}

TEST(CellGridCascade, ColumnBeatsRowCellBeatsBoth)
{
    TCellGrid g;
    g.SetAlignCol(2, alCenter);
    g.SetAlignRow(1, alRight);
    EXPECT_EQ(g.AlignCell(2, 1), alCenter);
    EXPECT_EQ(g.AlignCell(3, 1), alRight);
    EXPECT_EQ(g.AlignCell(3, 2), alLeft);
    g.SetAlignCell(2, 1, alRight);
    EXPECT_EQ(g.AlignCell(2, 1), alRight);

    g.SetEditRow(3, false);
    g.SetEditCol(4, true);
    EXPECT_FALSE(g.EditCell(2, 3));
    EXPECT_TRUE(g.EditCell(4, 3));  // column first
    g.SetEditCell(4, 3, false);
    EXPECT_FALSE(g.EditCell(4, 3));
}

TEST(CellGridCascade, FixedCellsUseOnlyFixedListsExceptSelectedColours)
{
    TCellGrid g;
    g.SetAlignCol(0, alRight);  // plain column list, index of a fixed column
    EXPECT_EQ(g.AlignCell(0, 2), alLeft);
    g.SetFixedAlignCol(0, alCenter);
    EXPECT_EQ(g.AlignCell(0, 2), alCenter);
    EXPECT_EQ(g.AlignCell(0, 0), alCenter);
    g.SetFixedAlignRow(0, alRight);
    EXPECT_EQ(g.AlignCell(2, 0), alRight);
    EXPECT_EQ(g.AlignCell(2, 2), alLeft);  // the fixed-row list does not reach plain cells

    g.BrushCol(0)->SetColor(clRed);
    EXPECT_EQ(g.GetColorCell(0, 2), clBtnFace);
    g.BrushFixedCol(0)->SetColor(clLime);
    EXPECT_EQ(g.GetColorCell(0, 2), clLime);

    g.SetSelectedColorCol(0, clNavy);
    EXPECT_EQ(g.SelectedColorCell(0, 2), clNavy);  // plain lists count for fixed cells here
    g.SetSelectedColorRow(2, clMaroon);
    EXPECT_EQ(g.SelectedColorCell(0, 2), clNavy);  // column before row
    EXPECT_EQ(g.SelectedColorCell(3, 2), clMaroon);
}

TEST(CellGridCascade, DefaultValuesOfGridFallBackToLeftAndNone)
{
    TCellGrid g;
    g.SetAlignment(alDefault);
    g.SetWordwrap(ww_default);
    EXPECT_EQ(g.AlignCell(1, 1), alLeft);
    EXPECT_EQ(g.WordwrapCell(1, 1), ww_none);
    g.SetAlignment(alCenter);
    EXPECT_EQ(g.AlignCell(1, 1), alCenter);
    g.SetEditable(false);
    EXPECT_FALSE(g.EditCell(1, 1));
}

TEST(CellGridCascade, SetColorCellCopiesGridBrushAndChangesOnlyColour)
{
    TCellGrid g;
    g.SetColor(clAqua);
    EXPECT_EQ(g.CellProperties(3, 3), nullptr);
    g.SetColorCell(3, 3, clYellow);
    ASSERT_NE(g.CellProperties(3, 3), nullptr);
    ASSERT_NE(g.CellProperties(3, 3)->Brush(), nullptr);
    EXPECT_EQ(g.CellProperties(3, 3)->Brush()->Style(), bsSolid);
    EXPECT_EQ(g.GetColorCell(3, 3), clYellow);
    g.SetColorCell(3, 3, clWindow);
    EXPECT_EQ(g.GetColorCell(3, 3), clWindow);
    // a font made on demand is a copy of the grid's font
    g.Font().SetName(QStringLiteral("Arial"));
    TMyFont* f = g.FontCell(1, 2);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Name(), QStringLiteral("Arial"));
    f->SetColor(clRed);
    EXPECT_EQ(g.EffectiveFont(1, 2).Color(), clRed);
    EXPECT_EQ(g.Font().Color(), clWindowText);
}

TEST(CellGridCascade, ReadsBeyondAllListsCreateNothing)
{
    TCellGrid g;
    EXPECT_EQ(g.AlignCell(500, 70000), alLeft);
    EXPECT_TRUE(g.EditCell(-1, -5));
    EXPECT_EQ(g.GetColorCell(99, 99), clWindow);
    EXPECT_EQ(g.HintCell(1, 1), QString());
    EXPECT_EQ(g.CellProperties(500, 70000), nullptr);
    EXPECT_EQ(g.ColProperties(500), nullptr);
    EXPECT_EQ(g.RowProperties(70000), nullptr);
    EXPECT_EQ(EntryText(g, "PropCell"), QStringLiteral("()"));
}

TEST(CellGridCascade, ChangingAReturnedBrushRequestsRepaint)
{
    TCellGrid g;
    g.resize(200, 100);
    TMyBrush* b = g.BrushCell(1, 1);
    ASSERT_TRUE(b->OnChange);  // pointed at the grid
    TMyFont* f = g.FontRow(1);
    ASSERT_TRUE(f->OnChange);
}

TEST(CellProperties, AssignCloneAndEmpty)
{
    TCellGrid g;
    TCellProperties a(&g);
    EXPECT_TRUE(a.IsEmpty());
    a.Align = alCenter;
    TBrush br;
    br.SetColor(clYellow);
    a.SetBrush(&br);
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    a.SetSelectedFont(&f);
    a.Editable = 1;
    auto b = a.Clone();
    EXPECT_EQ(b->Grid(), &g);
    EXPECT_EQ(b->Align, alCenter);
    ASSERT_NE(b->Brush(), nullptr);
    EXPECT_NE(b->Brush(), a.Brush());  // own copy
    EXPECT_EQ(b->Brush()->Color(), clYellow);
    ASSERT_NE(b->SelectedFont(), nullptr);
    EXPECT_EQ(b->SelectedFont()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(b->Font(), nullptr);
    EXPECT_EQ(b->Editable, 1);
    b->Assign(nullptr);
    EXPECT_TRUE(b->IsEmpty());
    a.SetBrush(nullptr);
    EXPECT_EQ(a.Brush(), nullptr);
}

// ---------------------------------------------------------- form entries

TEST(CellGridForm, ZetaBogenGlattGridLoadsAsDesigned)
{
    TCellGrid g;
    LoadGridFromForm(g, ZetaBogenGlattGridForm());
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.ColWidths(3), 40);
    EXPECT_EQ(g.RowHeights(1), 18);
    EXPECT_TRUE(g.Options() & goEditing);
    EXPECT_FALSE(g.Options() & goRangeSelect);
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("R / D"));
    EXPECT_EQ(g.Cells(2, 0), QStringLiteral("0,75"));
    EXPECT_EQ(g.Cells(6, 1), QStringLiteral("0"));
    EXPECT_EQ(g.AlignCell(0, 0), alCenter);
    EXPECT_EQ(g.AlignCell(1, 1), alCenter);  // through its row
    EXPECT_EQ(g.AlignCell(0, 1), alCenter);
    EXPECT_EQ(g.ColProperties(0)->Align, alCenter);
    EXPECT_EQ(g.RowProperties(1)->Align, alCenter);
}

TEST(CellGridForm, ZetaBogenGlattGridWritesBackUnchanged)
{
    TCellGrid g;
    LoadGridFromForm(g, ZetaBogenGlattGridForm());
    EXPECT_EQ(EntryText(g, "Cells"),
              QStringLiteral("(0 0 'R / D' 0 1 'Stck.' 1 0 '0,5' 1 1 '0' 2 0 '0,75' 2 1 '0' 3 0 '1,0' 3 1 '0' "
                             "4 0 '2' 4 1 '0' 5 0 '3' 5 1 '0' 6 0 '4' 6 1 '0')")
                  .simplified());
    EXPECT_EQ(EntryText(g, "PropCell"),
              QStringLiteral("(0 0 1 2 0 0 1 1 2 0 1 0 1 2 0 2 0 1 2 0 3 0 1 2 0 4 0 1 2 0 5 0 1 2 0 6 0 1 2 0)"));
    EXPECT_EQ(EntryText(g, "PropCol"), QStringLiteral("(0 1 2 0)"));
    EXPECT_EQ(EntryText(g, "PropRow"), QStringLiteral("(0 1 2 0 1 1 2 0)"));
    EXPECT_EQ(EntryText(g, "PropFixedCol"), QStringLiteral("()"));
    EXPECT_EQ(EntryText(g, "PropFixedRow"), QStringLiteral("()"));
    EXPECT_EQ(EntryText(g, "HintCell"), QStringLiteral("<missing>"));

    // the entries come in their fixed order after the string grid's own
    QStringList names;
    for (const DfmProperty& p : g.WriteFormProperties()) names << p.name;
    const int cells = names.indexOf("Cells");
    ASSERT_GE(cells, 0);
    EXPECT_EQ(names.mid(cells), (QStringList{"Cells", "PropCell", "PropCol", "PropRow", "PropFixedCol", "PropFixedRow"}));
    EXPECT_LT(names.indexOf("ColCount"), cells);
}

TEST(CellGridForm, AllItemKindsRoundTrip)
{
    TCellGrid g;
    g.SetColCount(8);
    g.SetRowCount(4);
    DfmValue v = DfmValue::emptyList();
    // cell (6,1): not editable, word wrap, brush, selected brush, font, selected font
    v.items << DfmValue::fromInt(6) << DfmValue::fromInt(1) << DfmValue::fromInt(1) << DfmValue::fromInt(0)
            << DfmValue::fromInt(2) << DfmValue::fromInt(1) << DfmValue::fromInt(3) << DfmValue::fromInt(1)
            << DfmValue::fromInt(4) << DfmValue::fromInt(clYellow) << DfmValue::fromInt(bsSolid)
            << DfmValue::fromInt(5) << DfmValue::fromInt(-2147483646) << DfmValue::fromInt(bsClear)
            << DfmValue::fromInt(6) << DfmValue::fromInt(clRed) << DfmValue::fromInt(-13)
            << DfmValue::fromString("Arial") << DfmValue::fromInt(fpVariable) << DfmValue::fromInt(fsBold | fsItalic)
            << DfmValue::fromInt(7) << DfmValue::fromInt(clWhite) << DfmValue::fromInt(-11)
            << DfmValue::fromString("Courier New") << DfmValue::fromInt(fpFixed) << DfmValue::fromInt(fsUnderline)
            << DfmValue::fromInt(0);
    ASSERT_TRUE(g.ReadFormProperty("PropCell", v));
    const TCellProperties* p = g.CellProperties(6, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(g.EditCell(6, 1));
    EXPECT_EQ(g.AlignCell(6, 1), alRight);
    EXPECT_EQ(g.WordwrapCell(6, 1), ww_wordwrap);
    EXPECT_EQ(g.GetColorCell(6, 1), clYellow);
    EXPECT_EQ(g.SelectedColorCell(6, 1), clActiveCaption);  // -2147483646 = system colour 2
    EXPECT_EQ(p->SelectedBrush()->Style(), bsClear);
    EXPECT_EQ(p->Font()->Name(), "Arial");
    EXPECT_EQ(p->Font()->Height(), -13);
    EXPECT_EQ(p->Font()->Style(), fsBold | fsItalic);
    EXPECT_EQ(g.SelectedFontColorCell(6, 1), clWhite);
    EXPECT_EQ(p->SelectedFont()->Pitch(), fpFixed);
    EXPECT_EQ(Compact(g.WriteFormProperties().last().value), "()");
    const QList<DfmProperty> out = g.WriteFormProperties();
    const DfmProperty* written = FindEntry(out, "PropCell");
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(Compact(written->value), Compact(v));
}

TEST(CellGridForm, SegmentGridGroupMakesCellNotEditable)
{
    TCellGrid g;
    g.SetColCount(7);
    g.SetRowCount(3);
    g.ReadFormProperty("PropCell", IntList({6, 1, 3, 1, 0}));
    EXPECT_FALSE(g.EditCell(6, 1));
    EXPECT_TRUE(g.EditCell(5, 1));
}

TEST(CellGridForm, EmptyRecordsAreNotWritten)
{
    TCellGrid g;
    g.SetAlignCell(2, 2, alCenter);
    g.SetAlignCell(2, 2, alDefault);  // record stays, but holds nothing
    g.SetAlignCol(3, alDefault);
    EXPECT_NE(g.CellProperties(2, 2), nullptr);
    EXPECT_EQ(EntryText(g, "PropCell"), "()");
    EXPECT_EQ(EntryText(g, "PropCol"), "()");
    EXPECT_EQ(EntryText(g, "PropRow"), "()");
    EXPECT_EQ(EntryText(g, "Cells"), "<missing>");  // no "Cells" entry was read
    // records beyond the grid are not written either
    g.SetAlignCell(9, 1, alCenter);
    g.SetAlignRow(7, alCenter);
    EXPECT_EQ(EntryText(g, "PropCell"), "()");
    EXPECT_EQ(EntryText(g, "PropRow"), "()");
}

TEST(CellGridForm, CellsEntryReplacesAllTextsAtEndOfLoading)
{
    TCellGrid g;
    g.SetCells(1, 1, "alt");
    g.SetCells(2, 2, "alt");
    DfmValue cells = DfmValue::emptyList();
    cells.items << DfmValue::fromInt(2) << DfmValue::fromInt(2) << DfmValue::fromString("erst")
                << DfmValue::fromInt(2) << DfmValue::fromInt(2) << DfmValue::fromString("neu")
                << DfmValue::fromInt(3) << DfmValue::fromInt(1) << DfmValue::fromString("");
    g.ReadFormProperty("Cells", cells);
    EXPECT_EQ(g.Cells(2, 2), "alt");  // not before the end of loading
    g.Loaded();
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(2, 2), "neu");
    EXPECT_EQ(EntryText(g, "Cells"), "(2 2 'neu')");  // empty text not written
    // a second end of loading keeps what the program has put in since
    g.SetCells(1, 1, "x");
    g.Loaded();
    EXPECT_EQ(g.Cells(1, 1), "x");
}

TEST(CellGridForm, PropCellTwiceKeepsSecondRecord)
{
    TCellGrid g;
    g.ReadFormProperty("PropCell", IntList({1, 1, 1, 2, 2, 1, 0}));
    g.ReadFormProperty("PropCell", IntList({1, 1, 3, 1, 0}));
    EXPECT_EQ(g.AlignCell(1, 1), alLeft);
    EXPECT_EQ(g.WordwrapCell(1, 1), ww_none);
    EXPECT_FALSE(g.EditCell(1, 1));
}

TEST(CellGridForm, HintEntriesRoundTrip)
{
    TCellGrid g;
    DfmValue hints = DfmValue::emptyList();
    hints.items << DfmValue::fromInt(2) << DfmValue::fromInt(1) << DfmValue::fromString("Tipp")
                << DfmValue::fromInt(1) << DfmValue::fromInt(3) << DfmValue::fromString("Zwei");
    g.ReadFormProperty("HintCell", hints);
    EXPECT_EQ(g.HintCell(2, 1), "Tipp");
    EXPECT_EQ(EntryText(g, "HintCell"), "(1 3 'Zwei' 2 1 'Tipp')");
}

TEST(CellGridForm, OldAlignAndEditBinaryEntries)
{
    TCellGrid g;
    // two 3-byte records: column 1 centred, column 258 right-aligned
    g.ReadFormProperty("AlignCol", Binary(QByteArray::fromHex("010002" "020100")));
    EXPECT_EQ(g.ColProperties(1)->Align, alCenter);
    EXPECT_EQ(g.ColProperties(258)->Align, alRight);
    g.ReadFormProperty("AlignCell", Binary(QByteArray::fromHex("0300040002")));
    EXPECT_EQ(g.AlignCell(3, 4), alCenter);
    g.ReadFormProperty("EditCell", Binary(QByteArray::fromHex("0200020000")));
    EXPECT_FALSE(g.EditCell(2, 2));
    g.ReadFormProperty("EditRow", Binary(QByteArray::fromHex("030001")));
    EXPECT_EQ(g.RowProperties(3)->Editable, 2);
    g.ReadFormProperty("FixedAlignRow", Binary(QByteArray::fromHex("000000")));
    EXPECT_EQ(g.AlignCell(2, 0), alRight);
    // written again in the new layout
    EXPECT_EQ(EntryText(g, "PropCol"), "(1 1 2 0)");  // column 258 lies beyond the grid
    EXPECT_EQ(EntryText(g, "PropCell"), "(2 2 3 1 0 3 4 1 2 0)");
}

TEST(CellGridForm, OldListEntries)
{
    TCellGrid g;
    DfmValue font = DfmValue::emptyList();
    font.items << DfmValue::fromInt(1) << DfmValue::fromInt(2) << DfmValue::fromInt(clBlue) << DfmValue::fromInt(-12)
               << DfmValue::fromString("Arial") << DfmValue::fromInt(0) << DfmValue::fromInt(1);
    g.ReadFormProperty("FontCell", font);
    EXPECT_EQ(g.EffectiveFont(1, 2).Color(), clBlue);
    EXPECT_EQ(g.EffectiveFont(1, 2).Style(), fsBold);
    g.ReadFormProperty("BrushRow", IntList({3, clLime, bsSolid}));
    EXPECT_EQ(g.GetColorCell(2, 3), clLime);
    g.ReadFormProperty("ColorCol", IntList({2, clYellow, 4, clRed}));
    EXPECT_EQ(g.GetColorCell(2, 3), clYellow);
    EXPECT_EQ(g.GetColorCell(4, 1), clRed);
    g.ReadFormProperty("ColorFixedCol", IntList({0, clAqua}));
    EXPECT_EQ(g.GetColorCell(0, 3), clAqua);
    g.ReadFormProperty("SelectedColorCell", IntList({3, 3, clFuchsia}));
    EXPECT_EQ(g.SelectedColorCell(3, 3), clFuchsia);
    g.ReadFormProperty("SelectedColorRow", IntList({4, clNavy}));
    EXPECT_EQ(g.SelectedColorCell(1, 4), clNavy);
}

TEST(CellGridForm, PublishedPropertiesFromForm)
{
    TCellGrid g;
    LoadGridFromForm(g, QStringLiteral("object G: TCellGrid\n"
                                       "  Alignment = alCenter\n"
                                       "  Wordwrap = ww_ellipsis\n"
                                       "  Editable = False\n"
                                       "  FixedColor = clYellow\n"
                                       "  SelectedCellColor = clRed\n"
                                       "  SelectedFontColor = 65280\n"
                                       "  DrawSelection = False\n"
                                       "  SelectEditText = False\n"
                                       "  ColWidths = (60 280 52)\n"
                                       "  ColCount = 3\n"
                                       "  FixedCols = 0\n"
                                       "  NextCellTab = nc_downleft\n"
                                       "end\n"));
    EXPECT_EQ(g.Alignment(), alCenter);
    EXPECT_EQ(g.Wordwrap(), ww_ellipsis);
    EXPECT_FALSE(g.Editable());
    EXPECT_EQ(g.FixedColor(), clYellow);
    EXPECT_EQ(g.GetColorCell(1, 0), clYellow);
    EXPECT_EQ(g.SelectedCellColor(), clRed);
    EXPECT_EQ(g.SelectedFontColor(), clLime);
    EXPECT_FALSE(g.DrawSelection());
    EXPECT_FALSE(g.SelectEditText());
    EXPECT_EQ(g.ColWidths(1), 280);
    EXPECT_EQ(g.FixedCols(), 0);
    EXPECT_EQ(g.NextCellTab(), nc_downleft);
}

// ------------------------------------------------------ damaged form data

TEST(CellGridFormDamaged, IndexesAreTakenModulo65536)
{
    TCellGrid g;
    g.ReadFormProperty("PropCell", IntList({65536 + 2, -65536 + 3, 1, 2, 0}));
    EXPECT_EQ(g.AlignCell(2, 3), alCenter);
    g.ReadFormProperty("ColorCell", IntList({4294967295LL, 1, clRed}));
    EXPECT_EQ(g.GetColorCell(65535, 1), clRed);
    g.ReadFormProperty("PropCol", IntList({2147483647LL, 1, 0, 0}));
    EXPECT_EQ(g.ColProperties(65535)->Align, alRight);
    DfmValue cells = DfmValue::emptyList();
    cells.items << DfmValue::fromInt(65537) << DfmValue::fromInt(65538) << DfmValue::fromString("x");
    g.ReadFormProperty("Cells", cells);
    g.Loaded();
    EXPECT_EQ(g.Cells(1, 2), "x");
}

TEST(CellGridFormDamaged, OutOfRangeOrdinalsAreIgnored)
{
    TCellGrid g;
    g.ReadFormProperty("PropCell", IntList({1, 1, 1, 9, 2, 200, 3, 7, 4, clRed, 99, 0}));
    ASSERT_NE(g.CellProperties(1, 1), nullptr);
    EXPECT_TRUE(g.CellProperties(1, 1)->IsEmpty());
    EXPECT_EQ(EntryText(g, "PropCell"), "()");
    g.ReadFormProperty("AlignCell", Binary(QByteArray::fromHex("0100010007")));
    EXPECT_EQ(g.AlignCell(1, 1), alLeft);
    g.ReadFormProperty("EditCol", Binary(QByteArray::fromHex("020005")));
    EXPECT_TRUE(g.EditCell(2, 1));
}

TEST(CellGridFormDamaged, UnknownTagsStandAloneAndGroupMayEndWithList)
{
    TCellGrid g;
    // tag 9 is skipped by itself, tag 1 follows; the last group lacks its 0
    g.ReadFormProperty("PropCell", IntList({1, 1, 9, 1, 2, 0, 2, 2, 3, 1}));
    EXPECT_EQ(g.AlignCell(1, 1), alCenter);
    EXPECT_FALSE(g.EditCell(2, 2));
}

TEST(CellGridFormDamaged, PartialBinaryRecordIsIgnored)
{
    TCellGrid g;
    g.ReadFormProperty("AlignCol", Binary(QByteArray::fromHex("0100020200")));
    EXPECT_EQ(g.ColProperties(1)->Align, alCenter);
    EXPECT_EQ(g.ColProperties(2), nullptr);
    g.ReadFormProperty("AlignCell", Binary(QByteArray::fromHex("0100")));
    EXPECT_EQ(g.CellProperties(1, 0), nullptr);
}

TEST(CellGridFormDamaged, WrongValueKindsAreIgnored)
{
    TCellGrid g;
    DfmValue bad = DfmValue::emptyList();
    bad.items << DfmValue::fromInt(1) << DfmValue::fromInt(1) << DfmValue::fromInt(1) << DfmValue::fromInt(2)
              << DfmValue::fromInt(0) << DfmValue::fromString("2") << DfmValue::fromInt(2) << DfmValue::fromInt(1)
              << DfmValue::fromInt(2) << DfmValue::fromInt(0);
    EXPECT_TRUE(g.ReadFormProperty("PropCell", bad));
    EXPECT_EQ(g.AlignCell(1, 1), alCenter);  // read before the damage
    EXPECT_EQ(g.CellProperties(2, 2), nullptr);

    // a font whose name is a number
    g.ReadFormProperty("PropCell", IntList({3, 3, 6, clRed, -11, 12, 0, 0, 0}));
    EXPECT_EQ(g.EffectiveFont(3, 3).Color(), g.Font().Color());
    // an entry of the wrong kind altogether
    EXPECT_TRUE(g.ReadFormProperty("PropCol", DfmValue::fromString("x")));
    EXPECT_TRUE(g.ReadFormProperty("AlignCol", IntList({1, 2})));
    EXPECT_TRUE(g.ReadFormProperty("Cells", DfmValue::fromInt(3)));
    DfmValue cells = DfmValue::emptyList();
    cells.items << DfmValue::fromInt(1) << DfmValue::fromString("1") << DfmValue::fromString("x");
    EXPECT_TRUE(g.ReadFormProperty("Cells", cells));
    EXPECT_TRUE(g.ReadFormProperty("ColCount", DfmValue::fromString("7")));
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_TRUE(g.ReadFormProperty("Options", DfmValue::fromInt(3)));
    EXPECT_EQ(g.Options(), DefaultGridOptions);
}

TEST(CellGridFormDamaged, HugeCountsAndFixedCountsStayBounded)
{
    TCellGrid g;
    g.ReadFormProperty("ColCount", DfmValue::fromInt(2000000000));
    EXPECT_LE(g.ColCount(), 100000);
    g.ReadFormProperty("RowCount", DfmValue::fromInt(-4));
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.FixedRows(), 0);
    g.ReadFormProperty("FixedRows", DfmValue::fromInt(3));  // not below RowCount: refused
    EXPECT_EQ(g.FixedRows(), 0);
    g.ReadFormProperty("PropCell", IntList({70000, 70000, 1, 2, 0}));
    g.Loaded();
    EXPECT_EQ(EntryText(g, "PropCell"), "()");
}

// ----------------------------------------------------- random form data

namespace {

// Resident memory of the test process in kilobytes (0 where unknown).
long ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * 4 : 0;
}

class RandomForm {
public:
    explicit RandomForm(quint32 seed) : m_rng(seed) {}

    int pick(int n) { return int(m_rng() % quint32(n)); }

    qint64 integer()
    {
        static const qint64 edges[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 255, 256, 65535, 65536, 65537, -1, -65536,
                                       2147483647LL, -2147483647LL - 1, 4294967295LL, 0x80000005LL};
        switch (pick(4)) {
        case 0: return edges[pick(int(std::size(edges)))];
        case 1: return pick(10);  // tags and ordinals
        case 2: return qint64(m_rng()) - 0x80000000LL;
        default: return pick(20);  // small indexes
        }
    }

    DfmValue value(int depth)
    {
        switch (pick(depth > 0 ? 12 : 11)) {
        case 0: return DfmValue::fromString(pick(2) ? QStringLiteral("Arial") : QString(pick(40), QChar('x')));
        case 1: return DfmValue::fromIdent(QStringLiteral("clRed"));
        case 2: {
            DfmValue b;
            b.kind = DfmValue::Binary;
            for (int i = pick(12); i > 0; --i) b.bytes.append(char(m_rng()));
            return b;
        }
        case 11: return list(depth - 1, 6);
        default: return DfmValue::fromInt(integer());
        }
    }

    DfmValue list(int depth, int maxLength)
    {
        DfmValue v = DfmValue::emptyList();
        for (int i = pick(maxLength + 1); i > 0; --i) v.items << value(depth);
        return v;
    }

    DfmValue binary(int maxLength)
    {
        DfmValue b;
        b.kind = DfmValue::Binary;
        for (int i = pick(maxLength + 1); i > 0; --i) b.bytes.append(char(pick(3) ? pick(8) : int(m_rng())));
        return b;
    }

private:
    std::mt19937 m_rng;
};

const char* const kEntryNames[] = {
    "HintCell", "Cells", "PropCell", "PropCol", "PropRow", "PropFixedCol", "PropFixedRow",
    "AlignCell", "AlignCol", "FixedAlignCol", "AlignRow", "FixedAlignRow", "EditCell", "EditCol", "EditRow",
    "FontCell", "FontCol", "FontFixedCol", "FontRow", "FontFixedRow",
    "BrushCell", "BrushCol", "BrushFixedCol", "BrushRow", "BrushFixedRow",
    "ColorCell", "ColorCol", "ColorFixedCol", "ColorRow", "ColorFixedRow",
    "SelectedColorCell", "SelectedColorCol", "SelectedColorRow"};

QStringList WrittenEntries(const TCellGrid& g)
{
    QStringList out;
    for (const DfmProperty& p : g.WriteFormProperties()) {
        // an empty text list is written only by a grid that read texts
        if ((p.name == "Cells" || p.name == "HintCell") && p.value.items.isEmpty()) continue;
        out << p.name + QLatin1Char('=') + Compact(p.value);
    }
    return out;
}

}  // namespace

TEST(CellGridFormDamaged, RandomEntriesNeitherCrashNorGrowWithoutBound)
{
    RandomForm random(20240611u);
    const long before = ResidentKb();
    int kept = 0;  // rounds in which some record survived
    for (int round = 0; round < 400; ++round) {
        TCellGrid g;
        g.SetColCount(1 + random.pick(9));
        g.SetRowCount(1 + random.pick(9));
        g.resize(300, 200);
        for (int k = 0; k < 6; ++k) {
            const char* name = kEntryNames[random.pick(int(std::size(kEntryNames)))];
            const bool binaryEntry = QByteArray(name).contains("Align") || QByteArray(name).startsWith("Edit");
            // mostly the kind the entry expects, sometimes anything
            const DfmValue v = random.pick(8) == 0 ? random.value(2)
                             : binaryEntry       ? random.binary(40)
                                                 : random.list(1, 300);
            EXPECT_TRUE(g.ReadFormProperty(QString::fromLatin1(name), v)) << name;
        }
        g.Loaded();
        for (int k = 0; k < 20; ++k) {  // reads anywhere answer without trouble
            const int c = int(random.integer()), r = int(random.integer());
            g.AlignCell(c, r);
            g.WordwrapCell(c, r);
            g.EditCell(c, r);
            g.EffectiveFont(c, r).toQFont();
            g.SelectedColorCell(c, r);
            g.SelectedFontColorCell(c, r);
            g.HintCell(c, r);
        }
        g.viewport()->grab();

        // what was kept writes out in the current layout and reads back the same
        const QStringList written = WrittenEntries(g);
        for (const QString& e : written)
            if (e.startsWith(QLatin1String("Prop")) && !e.endsWith(QLatin1String("=()"))) {
                ++kept;
                break;
            }
        TCellGrid copy;
        copy.SetColCount(g.ColCount());
        copy.SetRowCount(g.RowCount());
        for (const DfmProperty& p : g.WriteFormProperties()) copy.ReadFormProperty(p.name, p.value);
        copy.Loaded();
        ASSERT_EQ(WrittenEntries(copy).join('\n').toStdString(), written.join('\n').toStdString()) << "round " << round;
    }
    EXPECT_GT(kept, 40);  // the data was not all thrown away
    const long after = ResidentKb();
#if !defined(__SANITIZE_ADDRESS__)
    // (AddressSanitizer keeps freed memory in quarantine, so the resident
    // size says nothing there.)
    if (before > 0 && after > 0) {
        EXPECT_LT(after - before, 64 * 1024) << "kB grown";
    }
#else
    (void)before;
    (void)after;
#endif
}
