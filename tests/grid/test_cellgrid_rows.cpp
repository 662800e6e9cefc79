// Inserting, moving and exchanging rows and columns: texts, objects,
// records, hints, extents, the current cell and the cell being edited all
// go along exactly once.
#include "GridTestUtil.h"
#include "GridWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

class RowsGrid : public GridWindowTest {
protected:
    void SetUp() override
    {
        makeGrid();
        nameCells(5, 6);
        grid->SetOptions(grid->Options() | goEditing);
        for (int i = 0; i < 6; ++i) {
            objects.push_back(std::make_unique<QObject>());
            objects.back()->setObjectName(QStringLiteral("o%1").arg(i));
        }
        // Row i carries object o<i> in column 1; column i carries o<i> in row 1.
        for (int r = 1; r < 6; ++r) grid->SetObjects(1, r, objects[size_t(r)].get());
        for (int c = 2; c < 5; ++c) grid->SetObjects(c, 1, objects[size_t(c)].get());
        // Records: row 2 centred, row 4 right-aligned, column 3 centred, a yellow cell (2, 3).
        grid->SetAlignRow(2, alCenter);
        grid->SetAlignRow(4, alRight);
        grid->SetAlignCol(3, alCenter);
        grid->SetColorCell(2, 3, clYellow);
        DfmValue hints = DfmValue::emptyList();
        hints.items << DfmValue::fromInt(1) << DfmValue::fromInt(2) << DfmValue::fromString("h2")
                    << DfmValue::fromInt(1) << DfmValue::fromInt(4) << DfmValue::fromString("h4")
                    << DfmValue::fromInt(3) << DfmValue::fromInt(1) << DfmValue::fromString("hc3");
        grid->ReadFormProperty("HintCell", hints);
        grid->SetRowHeights(3, 30);
        grid->SetColWidths(2, 55);

        grid->OnValidateEdit = [this](QObject*, int c, int r, bool&) { trace << QStringLiteral("Validate %1,%2").arg(c).arg(r); };
        grid->OnAfterEdit = [this](QObject*, int c, int r) { trace << QStringLiteral("After %1,%2").arg(c).arg(r); };
        showGrid(400, 300);
    }

    // Opens the editor on (c, r) and types "x" there (not yet stored).
    void editAt(int c, int r)
    {
        grid->SetCol(c);
        grid->SetRow(r);
        QTest::keyClick(grid, Qt::Key_X);
        ASSERT_TRUE(grid->EditorVisible());
        ASSERT_EQ(grid->EditedCell(), (TGridCoord{c, r}));
        QCoreApplication::processEvents();
        trace.clear();
    }

    // Enter ends the edit; the trace names the cell that was edited.
    void finishEdit()
    {
        ASSERT_TRUE(grid->EditorVisible());
        QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    QString rowObject(int r) const { return grid->Objects(1, r) ? grid->Objects(1, r)->objectName() : QString(); }
    QString colObject(int c) const { return grid->Objects(c, 1) ? grid->Objects(c, 1)->objectName() : QString(); }

    // Every text of the grid, row by row.
    QString texts() const
    {
        QStringList out;
        for (int r = 0; r < grid->RowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < grid->ColCount(); ++c) row << grid->Cells(c, r);
            out << row.join(QLatin1Char('|'));
        }
        return out.join(QLatin1Char('/'));
    }

    std::vector<std::unique_ptr<QObject>> objects;
};

}  // namespace

TEST_F(RowsGrid, InsertRowShiftsEverythingAtAndBelowOnce)
{
    editAt(2, 3);
    ASSERT_TRUE(grid->InsertRow(3));
    EXPECT_EQ(grid->RowCount(), 7);
    // The new row is empty, everything from row 3 on one further down.
    for (int c = 0; c < 5; ++c) EXPECT_EQ(grid->Cells(c, 3), QString()) << c;
    EXPECT_EQ(grid->Cells(0, 2), "0,2");
    EXPECT_EQ(grid->Cells(0, 4), "0,3");
    EXPECT_EQ(grid->Cells(4, 6), "4,5");
    EXPECT_EQ(grid->Cells(2, 4), "x");  // the open edit went with its cell
    EXPECT_EQ(rowObject(3), QString());
    EXPECT_EQ(rowObject(4), "o3");
    EXPECT_EQ(rowObject(2), "o2");
    EXPECT_EQ(grid->AlignCell(1, 2), alCenter);
    EXPECT_EQ(grid->AlignCell(1, 4), alLeft);
    EXPECT_EQ(grid->AlignCell(2, 5), alRight);  // once, not twice
    EXPECT_EQ(grid->AlignCell(1, 6), alLeft);
    EXPECT_EQ(grid->GetColorCell(2, 4), clYellow);
    EXPECT_EQ(grid->GetColorCell(2, 3), clWindow);
    EXPECT_EQ(grid->HintCell(1, 2), "h2");
    EXPECT_EQ(grid->HintCell(1, 4), QString());
    EXPECT_EQ(grid->HintCell(1, 5), "h4");
    EXPECT_EQ(grid->HintCell(3, 1), "hc3");
    EXPECT_EQ(grid->RowHeights(3), 30);  // heights stay with their places
    // Current and edited cell moved down with their row; the edit goes on there.
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->EditedCell(), (TGridCoord{2, 4}));
    EXPECT_TRUE(grid->EditorVisible());
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Y);
    finishEdit();
    EXPECT_EQ(grid->Cells(2, 4), "xy");
    EXPECT_EQ(trace, (QStringList{"Validate 2,4", "After 2,4"}));

    // Below the current cell nothing of it moves; at the fixed rows the
    // insert goes to the first scrolling row.
    grid->SetRow(2);
    ASSERT_TRUE(grid->InsertRow(5));
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(2, 4), "xy");
    EXPECT_EQ(grid->Cells(2, 5), QString());
    ASSERT_TRUE(grid->InsertRow(0));
    EXPECT_EQ(grid->Cells(0, 0), "0,0");
    EXPECT_EQ(grid->Cells(0, 1), QString());
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(RowsGrid, InsertColShiftsEverythingAtAndRightOnce)
{
    editAt(3, 2);
    ASSERT_TRUE(grid->InsertCol(2));
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->Cells(2, 2), QString());
    EXPECT_EQ(grid->Cells(3, 2), "2,2");
    EXPECT_EQ(grid->Cells(4, 2), "x");
    EXPECT_EQ(grid->Cells(1, 2), "1,2");
    EXPECT_EQ(colObject(3), "o2");
    EXPECT_EQ(colObject(2), QString());
    EXPECT_EQ(grid->AlignCell(4, 1), alCenter);  // column 3's record is column 4's now
    EXPECT_EQ(grid->AlignCell(3, 1), alLeft);
    EXPECT_EQ(grid->GetColorCell(3, 3), clYellow);
    EXPECT_EQ(grid->HintCell(4, 1), "hc3");
    EXPECT_EQ(grid->HintCell(1, 2), "h2");
    EXPECT_EQ(grid->ColWidths(2), 55);  // widths stay with their places
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->EditedCell(), (TGridCoord{4, 2}));
    finishEdit();
    EXPECT_EQ(trace, (QStringList{"Validate 4,2", "After 4,2"}));
}

TEST_F(RowsGrid, NegativeIndexInsertsAtTheFirstScrollingRowOrColumn)
{
    grid->SetFixedRows(2);
    grid->SetFixedCols(2);
    ASSERT_TRUE(grid->InsertRow(-1));
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Cells(0, 1), "0,1");  // the fixed rows stay
    EXPECT_EQ(grid->Cells(0, 2), QString());
    EXPECT_EQ(grid->Cells(0, 3), "0,2");
    EXPECT_EQ(grid->HintCell(1, 5), "h4");
    EXPECT_EQ(grid->AlignCell(2, 5), alRight);
    ASSERT_TRUE(grid->InsertCol(-7));
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->Cells(1, 0), "1,0");
    EXPECT_EQ(grid->Cells(2, 0), QString());
    EXPECT_EQ(grid->Cells(3, 0), "2,0");
    EXPECT_EQ(grid->Cells(5, 6), "4,5");
    EXPECT_EQ(grid->AlignCell(4, 3), alCenter);  // column 3's record moved to 4
    EXPECT_EQ(colObject(3), "o2");
}

TEST_F(RowsGrid, MoveRowDownAndUpRemapsEveryRowBetween)
{
    // F < T: row 2 goes to 4, rows 3 and 4 move up by one.
    editAt(2, 3);
    grid->MoveRow(2, 4);
    EXPECT_EQ(grid->Cells(0, 2), "0,3");
    EXPECT_EQ(grid->Cells(0, 3), "0,4");
    EXPECT_EQ(grid->Cells(0, 4), "0,2");
    EXPECT_EQ(grid->Cells(0, 5), "0,5");
    EXPECT_EQ(grid->Cells(2, 2), "x");
    EXPECT_EQ(rowObject(4), "o2");
    EXPECT_EQ(rowObject(2), "o3");
    EXPECT_EQ(grid->AlignCell(1, 4), alCenter);
    EXPECT_EQ(grid->AlignCell(1, 3), alRight);
    EXPECT_EQ(grid->AlignCell(1, 2), alLeft);
    EXPECT_EQ(grid->GetColorCell(2, 2), clYellow);
    EXPECT_EQ(grid->HintCell(1, 4), "h2");
    EXPECT_EQ(grid->HintCell(1, 3), "h4");
    EXPECT_EQ(grid->RowHeights(2), 30);  // the height goes with its row
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->EditedCell(), (TGridCoord{2, 2}));
    finishEdit();
    EXPECT_EQ(trace, (QStringList{"Validate 2,2", "After 2,2"}));

    // F > T: back again; everything is where it began.
    grid->MoveRow(4, 2);
    EXPECT_EQ(grid->Cells(0, 2), "0,2");
    EXPECT_EQ(grid->Cells(0, 3), "0,3");
    EXPECT_EQ(grid->Cells(0, 4), "0,4");
    EXPECT_EQ(grid->Cells(2, 3), "x");
    EXPECT_EQ(rowObject(2), "o2");
    EXPECT_EQ(grid->AlignCell(1, 2), alCenter);
    EXPECT_EQ(grid->AlignCell(1, 4), alRight);
    EXPECT_EQ(grid->HintCell(1, 2), "h2");
    EXPECT_EQ(grid->HintCell(1, 4), "h4");
    EXPECT_EQ(grid->RowHeights(3), 30);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(RowsGrid, MoveColumnWithWidthTabStopAndEditedCell)
{
    grid->SetTabStops(2, false);
    editAt(3, 2);
    grid->MoveColumn(3, 1);  // F > T
    EXPECT_EQ(grid->Cells(1, 0), "3,0");
    EXPECT_EQ(grid->Cells(2, 0), "1,0");
    EXPECT_EQ(grid->Cells(3, 0), "2,0");
    EXPECT_EQ(grid->Cells(1, 2), "x");
    EXPECT_EQ(colObject(1), "o3");
    EXPECT_EQ(grid->AlignCell(1, 1), alCenter);
    EXPECT_EQ(grid->HintCell(1, 1), "hc3");
    EXPECT_EQ(grid->HintCell(2, 2), "h2");
    EXPECT_EQ(grid->ColWidths(3), 55);
    EXPECT_FALSE(grid->TabStops(3));
    EXPECT_TRUE(grid->TabStops(2));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->EditedCell(), (TGridCoord{1, 2}));
    finishEdit();
    EXPECT_EQ(trace, (QStringList{"Validate 1,2", "After 1,2"}));
}

TEST_F(RowsGrid, ExchangeRowsAndColsSwapEverythingTheyCarry)
{
    editAt(2, 2);
    grid->ExchangeRows(2, 4);
    EXPECT_EQ(grid->Cells(0, 2), "0,4");
    EXPECT_EQ(grid->Cells(0, 4), "0,2");
    EXPECT_EQ(grid->Cells(2, 4), "x");
    EXPECT_EQ(rowObject(2), "o4");
    EXPECT_EQ(rowObject(4), "o2");
    EXPECT_EQ(grid->AlignCell(1, 2), alRight);
    EXPECT_EQ(grid->AlignCell(1, 4), alCenter);
    EXPECT_EQ(grid->HintCell(1, 2), "h4");
    EXPECT_EQ(grid->HintCell(1, 4), "h2");
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->EditedCell(), (TGridCoord{2, 4}));
    finishEdit();
    EXPECT_EQ(trace, (QStringList{"Validate 2,4", "After 2,4"}));

    trace.clear();
    editAt(3, 3);
    grid->ExchangeCols(3, 1);
    EXPECT_EQ(grid->Cells(1, 0), "3,0");
    EXPECT_EQ(grid->Cells(3, 0), "1,0");
    EXPECT_EQ(grid->Cells(1, 3), "x");
    EXPECT_EQ(colObject(1), "o3");
    EXPECT_EQ(grid->AlignCell(1, 1), alCenter);
    EXPECT_EQ(grid->HintCell(1, 1), "hc3");
    EXPECT_EQ(grid->HintCell(3, 2), "h4");  // hint (1, 2) was h4 after the row exchange
    EXPECT_EQ(grid->Col(), 1);
    finishEdit();
    EXPECT_EQ(trace, (QStringList{"Validate 1,3", "After 1,3"}));
}

TEST_F(RowsGrid, IndexesOutsideTheGridChangeNothing)
{
    const QString before = texts();
    grid->MoveRow(-1, 2);
    grid->MoveRow(2, 6);
    grid->MoveRow(3, 3);
    grid->MoveColumn(5, 1);
    grid->ExchangeRows(0, 6);
    grid->ExchangeCols(-2, 1);
    EXPECT_FALSE(grid->InsertRow(7));
    EXPECT_FALSE(grid->InsertCol(6));
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->AlignCell(1, 2), alCenter);
    EXPECT_EQ(grid->HintCell(1, 4), "h4");
}

TEST_F(RowsGrid, DraggingAHeadingMovesItsRowAndColumn)
{
    grid->SetOptions(grid->Options() | goRowMoving | goColMoving);
    auto drag = [this](QPoint from, QPoint to) { DragOn(grid->viewport(), from, to); };
    // The fixed cell of row 2 dropped on row 4.
    drag(grid->CellRect(0, 2).center(), grid->CellRect(0, 4).center());
    EXPECT_EQ(grid->Cells(0, 4), "0,2");
    EXPECT_EQ(grid->AlignCell(1, 4), alCenter);
    // The heading of column 3 dropped on column 1.
    drag(grid->CellRect(3, 0).center(), grid->CellRect(1, 0).center());
    EXPECT_EQ(grid->Cells(1, 0), "3,0");
    EXPECT_EQ(grid->AlignCell(1, 1), alCenter);
    // Without the options the same drag moves nothing.
    grid->SetOptions(grid->Options() & ~(goRowMoving | goColMoving));
    drag(grid->CellRect(0, 2).center(), grid->CellRect(0, 4).center());
    EXPECT_EQ(grid->Cells(0, 4), "0,2");
}
