// Moving on to the next cell: the step table, what comes after the last
// cell, Enter with automatic editing of the next cell, and Tab.
#include "GridTestUtil.h"
#include "GridWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A grid in a window with a field after it (the next control).
class NavGrid : public GridWindowTest {
protected:
    void SetUp() override
    {
        makeGrid(true);
        nameCells(4, 4);
        showGrid(400, 300);
    }

    void at(int c, int r)
    {
        grid->SetCol(c);
        grid->SetRow(r);
        ASSERT_EQ(grid->Col(), c);
        ASSERT_EQ(grid->Row(), r);
    }

    void run() { QCoreApplication::processEvents(); }

};

struct Pos {
    int c, r;
    bool operator==(const Pos&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Pos& p) { return os << "(" << p.c << ", " << p.r << ")"; }

}  // namespace

TEST_F(NavGrid, OneStepInEachDirectionAndItsWrap)
{
    const struct {
        T_nextcell d;
        Pos step, wrapFrom, wrapTo;
    } cases[] = {
        {nc_rightdown, {3, 2}, {3, 1}, {1, 2}}, {nc_downright, {2, 3}, {1, 3}, {2, 1}},
        {nc_leftdown, {1, 2}, {1, 1}, {3, 2}},  {nc_downleft, {2, 3}, {3, 3}, {2, 1}},
        {nc_leftup, {1, 2}, {1, 3}, {3, 2}},    {nc_upleft, {2, 1}, {3, 1}, {2, 3}},
        {nc_rightup, {3, 2}, {3, 3}, {1, 2}},   {nc_upright, {2, 1}, {1, 1}, {2, 3}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(int(k.d));
        int c = 2, r = 2;
        grid->NextCell(k.d, lc_stop, c, r);
        EXPECT_EQ((Pos{c, r}), k.step);
        c = k.wrapFrom.c;
        r = k.wrapFrom.r;
        grid->NextCell(k.d, lc_stop, c, r);
        EXPECT_EQ((Pos{c, r}), k.wrapTo);
    }
}

TEST_F(NavGrid, AfterTheLastCellEveryRuleInEveryDirection)
{
    // From the last cell of each direction on a 4 x 4 grid (one fixed row and column).
    const struct {
        T_nextcell d;
        Pos last;
        Pos newPos;
        int cols, rows;  // after the insert
        Pos empty;       // a cell of the inserted row or column
        Pos first;       // lc_first
    } cases[] = {
        {nc_rightdown, {3, 3}, {1, 4}, 4, 5, {2, 4}, {1, 1}},
        {nc_downright, {3, 3}, {4, 1}, 5, 4, {4, 2}, {1, 1}},
        {nc_leftdown, {1, 3}, {3, 4}, 4, 5, {1, 4}, {3, 1}},
        {nc_downleft, {1, 3}, {1, 1}, 5, 4, {1, 2}, {3, 1}},
        {nc_leftup, {1, 1}, {3, 1}, 4, 5, {2, 1}, {3, 3}},
        {nc_upleft, {1, 1}, {1, 3}, 5, 4, {1, 2}, {3, 3}},
        {nc_rightup, {3, 1}, {1, 1}, 4, 5, {2, 1}, {1, 3}},
        {nc_upright, {3, 1}, {4, 3}, 5, 4, {4, 1}, {1, 3}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(int(k.d));
        nameCells(4, 4);
        for (int c = 0; c < 5; ++c) grid->SetCells(c, 4, QString());
        for (int r = 0; r < 5; ++r) grid->SetCells(4, r, QString());

        int c = k.last.c, r = k.last.r;
        grid->NextCell(k.d, lc_stop, c, r);
        EXPECT_EQ((Pos{c, r}), (Pos{-1, -1}));
        EXPECT_EQ(grid->RowCount(), 4);

        c = k.last.c, r = k.last.r;
        grid->NextCell(k.d, lc_first, c, r);
        EXPECT_EQ((Pos{c, r}), k.first);

        field->clearFocus();
        grid->setFocus();
        c = k.last.c, r = k.last.r;
        grid->NextCell(k.d, lc_exit, c, r);
        EXPECT_EQ((Pos{c, r}), (Pos{-1, -1}));
        EXPECT_EQ(QApplication::focusWidget(), field);
        grid->setFocus();

        c = k.last.c, r = k.last.r;
        grid->NextCell(k.d, lc_newcolrow, c, r);
        EXPECT_EQ((Pos{c, r}), k.newPos);
        EXPECT_EQ(grid->ColCount(), k.cols);
        EXPECT_EQ(grid->RowCount(), k.rows);
        EXPECT_EQ(grid->Cells(k.empty.c, k.empty.r), QString());
        EXPECT_EQ(grid->Cells(0, 0), "0,0");  // fixed cells stay
        grid->SetColCount(4);
        grid->SetRowCount(4);
    }
}

TEST_F(NavGrid, NewRowOrColumnAtTheLargestSizeActsAsStop)
{
    grid->SetRowCount(MaxGridCount);
    int c = 3, r = MaxGridCount - 1;
    grid->NextCell(nc_rightdown, lc_newcolrow, c, r);
    EXPECT_EQ((Pos{c, r}), (Pos{-1, -1}));
    EXPECT_EQ(grid->RowCount(), MaxGridCount);
    EXPECT_FALSE(grid->InsertRow(1));
}

TEST_F(NavGrid, EnterWithAutoEditMovesOnByTheAfterLastRule)
{
    const struct {
        T_lastcell rule;
        Pos editorAt;  // (-1, -1): no editor
        int rows;
        bool focusLeaves;
    } cases[] = {
        {lc_newcolrow, {1, 3}, 4, false},
        {lc_first, {1, 1}, 3, false},
        {lc_stop, {-1, -1}, 3, false},
        {lc_exit, {-1, -1}, 3, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(int(k.rule));
        nameCells(3, 3);
        grid->SetOptions(grid->Options() | goEditing);
        grid->SetAutoEditNextCell(true);
        grid->SetAfterLastCellEdit(k.rule);
        grid->setFocus();
        run();
        at(2, 2);
        QTest::keyClick(grid, Qt::Key_7);
        ASSERT_TRUE(grid->EditorVisible());
        QTest::keyClick(grid, Qt::Key_Return);
        run();
        EXPECT_EQ(grid->Cells(2, 2), "7");
        EXPECT_EQ(grid->RowCount(), k.rows);
        if (k.editorAt.c >= 0) {
            EXPECT_TRUE(grid->EditorVisible());
            EXPECT_EQ((Pos{grid->Col(), grid->Row()}), k.editorAt);
            EXPECT_EQ(grid->EditedCell(), (TGridCoord{k.editorAt.c, k.editorAt.r}));
        } else {
            EXPECT_FALSE(grid->EditorVisible());
            EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{2, 2}));
        }
        EXPECT_EQ(QApplication::focusWidget() == field, k.focusLeaves);
        grid->HideEditor();
        grid->SetRowCount(3);
    }
}

TEST_F(NavGrid, EnterSkipsCellsThatCannotBeEditedAndEndsWithoutAny)
{
    nameCells(4, 3);
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetAutoEditNextCell(true);
    grid->SetAfterLastCellEdit(lc_first);
    grid->SetEditCol(2, false);
    at(1, 1);
    QTest::keyClick(grid, Qt::Key_5);
    QTest::keyClick(grid, Qt::Key_Return);
    run();
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{3, 1}));  // column 2 skipped
    EXPECT_TRUE(grid->EditorVisible());
    grid->HideEditor();

    // Only the start cell can be edited: the walk comes back to it and ends.
    grid->SetEditCol(1, false);
    grid->SetEditCol(3, false);
    grid->SetEditCell(2, 2, true);
    at(2, 2);
    QTest::keyClick(grid, Qt::Key_6);
    QTest::keyClick(grid, Qt::Key_Return);
    run();
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{2, 2}));
    EXPECT_EQ(grid->Cells(2, 2), "6");
    EXPECT_EQ(grid->RowCount(), 3);
}

TEST_F(NavGrid, TabAndShiftTabFollowNextCellTab)
{
    nameCells(4, 3);
    grid->SetOptions(grid->Options() | goTabs);
    at(1, 2);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{2, 2}));
    // Shift+Tab: to the left, and at the first column up to the end of the row above.
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{3, 1}));
    // lc_first (the default): from (FC, FR) backwards to (C - 1, R - 1).
    at(1, 1);
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{3, 2}));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{1, 1}));
    // Alt+Tab is not the grid's.
    QTest::keyClick(grid, Qt::Key_Tab, Qt::AltModifier);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{1, 1}));

    // Columns without a tab stop are passed over; editability plays no part.
    grid->SetTabStops(2, false);
    grid->SetEditCol(3, false);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{3, 1}));
}

TEST_F(NavGrid, TabWithoutAnyTabStopEndsAndKeepsTheCell)
{
    nameCells(4, 3);
    grid->SetOptions(grid->Options() | goTabs);
    for (int c = 0; c < 4; ++c) grid->SetTabStops(c, false);
    for (T_lastcell rule : {lc_first, lc_stop, lc_newcolrow}) {
        SCOPED_TRACE(int(rule));
        grid->SetAfterLastCellTab(rule);
        const int rows = grid->RowCount();
        // The current cell stays (a row inserted above it moves it down).
        at(2, 1);
        QTest::keyClick(grid, Qt::Key_Tab);
        EXPECT_EQ(grid->Cells(grid->Col(), grid->Row()), "2,1");
        EXPECT_LE(grid->RowCount(), rows + 1);  // at most one new row per key
        QTest::keyClick(grid, Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(grid->Cells(grid->Col(), grid->Row()), "2,1");
        EXPECT_LE(grid->RowCount(), rows + 2);
        nameCells(4, 3);
    }
    // A new row with a tab stop is taken.
    grid->SetTabStops(1, true);
    grid->SetRowCount(3);
    at(3, 2);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{1, 3}));
}

TEST_F(NavGrid, TabWithOpenEditorEndsTheEditAndMovesOn)
{
    nameCells(4, 3);
    grid->SetOptions(grid->Options() | goTabs | goEditing);
    QStringList trace;
    grid->OnAfterEdit = [&trace](QObject*, int c, int r) { trace << QStringLiteral("After %1,%2").arg(c).arg(r); };
    at(3, 1);
    QTest::keyClick(grid, Qt::Key_8);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Tab);
    run();
    EXPECT_EQ((Pos{grid->Col(), grid->Row()}), (Pos{1, 2}));
    EXPECT_EQ(grid->Cells(3, 1), "8");
    EXPECT_EQ(trace, QStringList{"After 3,1"});
}
