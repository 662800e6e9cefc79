// Cut, copy and paste through the clipboard, clicks on fixed cells, column
// sizing with the last column stretched, and scroll-bar tracking.
#include "GridTestUtil.h"
#include "GridWindow.h"
#include "grid/GridClipboard.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

QByteArray streamOf(const TCellGrid& g, const TGridRect& range)
{
    QBuffer b;
    b.open(QIODevice::ReadWrite);
    g.GridToStream(&b, QLatin1Char('\t'), range);
    return b.data();
}

void pasteText(TCellGrid& g, const QString& text, const TGridRect& range)
{
    QBuffer b;
    b.open(QIODevice::ReadWrite);
    b.write(text.toUtf8());
    g.StreamToGrid(&b, QLatin1Char('\t'), range);
}

class ClipGrid : public GridWindowTest {
protected:
    void SetUp() override
    {
        makeGrid();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetOptions(grid->Options() | goEditing);
        grid->OnGetEditText = [this](QObject*, int c, int r, QString&) { trace << QStringLiteral("Get %1,%2").arg(c).arg(r); };
        grid->OnSetEditText = [this](QObject*, int c, int r, const QString& v) {
            trace << QStringLiteral("Set %1,%2=%3").arg(c).arg(r).arg(v);
        };
        showGrid(300, 200);
        QGuiApplication::clipboard()->clear();
    }

    void select(int left, int top, int right, int bottom) { grid->SetSelection(TGridRect{left, top, right, bottom}); }

};

}  // namespace

TEST_F(ClipGrid, CopyWritesTabsAfterEveryTextCrLfPerRowAndOneZero)
{
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "b");
    grid->SetCells(1, 2, "c");
    EXPECT_EQ(streamOf(*grid, {1, 1, 2, 2}), QByteArray("a\tb\t\r\nc\t\t\r\n\0", 12));

    select(1, 1, 2, 2);
    QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\tb\t\r\nc\t\t\r\n");
    grid->copy();  // the same through the slot
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\tb\t\r\nc\t\t\r\n");
    EXPECT_TRUE(trace.isEmpty());  // copying changes nothing

    // Any character survives the round trip.
    grid->SetCells(1, 1, QString::fromUtf8("ä€Ω😀"));
    select(1, 1, 1, 1);
    grid->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("ä€Ω😀\t\r\n"));
}

TEST_F(ClipGrid, PasteFillsAtMostTheSelectionEachCellAsATypedEdit)
{
    grid->SetCells(2, 2, "keep");
    QGuiApplication::clipboard()->setText("x\ty\r\nz");
    select(1, 1, 2, 2);
    QTest::keyClick(grid, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(1, 1), "x");
    EXPECT_EQ(grid->Cells(2, 1), "y");
    EXPECT_EQ(grid->Cells(1, 2), "z");
    EXPECT_EQ(grid->Cells(2, 2), "keep");
    EXPECT_EQ(trace, (QStringList{"Get 1,1", "Set 1,1=x", "Get 2,1", "Set 2,1=y", "Get 1,2", "Set 1,2=z"}));

    // Only (1, 1) selected: only (1, 1) is set.
    QGuiApplication::clipboard()->setText("p\tq\r\nr");
    select(1, 1, 1, 1);
    trace.clear();
    grid->paste();
    EXPECT_EQ(grid->Cells(1, 1), "p");
    EXPECT_EQ(grid->Cells(2, 1), "y");
    EXPECT_EQ(grid->Cells(1, 2), "z");
    EXPECT_EQ(trace, (QStringList{"Get 1,1", "Set 1,1=p"}));
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(ClipGrid, OpenRangeGrowsTheGridUpToItsLargestSize)
{
    pasteText(*grid, "x\ty", {3, 5, -1, -1});
    EXPECT_EQ(grid->Cells(3, 5), "x");
    EXPECT_EQ(grid->Cells(4, 5), "y");
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->RowCount(), 6);

    // A final line end makes no extra line.
    pasteText(*grid, "1\r\n2\r\n", {1, 6, -1, -1});
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Cells(1, 7), "2");

    // Open downwards at the last possible row: the rest of the text is dropped.
    pasteText(*grid, "a\nb\nc", {1, MaxGridCount - 1, 1, -1});
    EXPECT_EQ(grid->RowCount(), MaxGridCount);
    EXPECT_EQ(grid->Cells(1, MaxGridCount - 1), "a");
}

TEST_F(ClipGrid, SpreadsheetTextWithBareLineFeedsAndBackInTheOwnLayout)
{
    grid->SetCells(2, 2, "old");
    pasteText(*grid, QString::fromUtf8("1\t2\n3\t\nä€\tx"), {1, 1, 2, 3});
    EXPECT_EQ(grid->Cells(1, 1), "1");
    EXPECT_EQ(grid->Cells(2, 1), "2");
    EXPECT_EQ(grid->Cells(1, 2), "3");
    EXPECT_EQ(grid->Cells(2, 2), "old");  // an empty last field is not pasted
    EXPECT_EQ(grid->Cells(1, 3), QString::fromUtf8("ä€"));
    EXPECT_EQ(grid->Cells(2, 3), "x");
    EXPECT_EQ(streamOf(*grid, {1, 1, 2, 3}),
              QByteArray("1\t2\t\r\n3\told\t\r\n") + QString::fromUtf8("ä€").toUtf8() + QByteArray("\tx\t\r\n\0", 6));

    // CR alone ends a line too; a zero ends the text.
    pasteText(*grid, QString::fromUtf8("k\rl\0m\tn", 7), {1, 1, 2, 3});
    EXPECT_EQ(grid->Cells(1, 1), "k");
    EXPECT_EQ(grid->Cells(1, 2), "l");
    EXPECT_EQ(grid->Cells(2, 2), "old");
    EXPECT_EQ(grid->Cells(1, 3), QString::fromUtf8("ä€"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("s\0t", 3));
    select(3, 3, 3, 3);
    grid->paste();
    EXPECT_EQ(grid->Cells(3, 3), "s");
}

TEST_F(ClipGrid, CopyFromOneGridPasteIntoAnotherGivesEqualCells)
{
    for (int c = 1; c < 4; ++c)
        for (int r = 1; r < 4; ++r) grid->SetCells(c, r, c == 2 && r == 2 ? QString() : QStringLiteral("v%1%2 \"q\"").arg(c).arg(r));
    select(1, 1, 3, 3);
    grid->copy();

    TCellGrid other(window.get());
    other.SetColCount(4);
    other.SetRowCount(4);
    other.SetOptions(other.Options() | goEditing);
    other.SetSelection({1, 1, 3, 3});
    other.paste();
    for (int c = 1; c < 4; ++c)
        for (int r = 1; r < 4; ++r) EXPECT_EQ(other.Cells(c, r), grid->Cells(c, r)) << c << "," << r;
}

TEST_F(ClipGrid, CutAndPasteChangeOnlyCellsTheUserCouldType)
{
    for (int c = 1; c < 4; ++c)
        for (int r = 1; r < 4; ++r) grid->SetCells(c, r, QStringLiteral("%1%2").arg(c).arg(r));
    grid->SetEditCol(2, false);
    select(1, 1, 3, 1);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "11\t21\t31\t\r\n");
    EXPECT_EQ(grid->Cells(1, 1), QString());
    EXPECT_EQ(grid->Cells(2, 1), "21");  // locked: kept
    EXPECT_EQ(grid->Cells(3, 1), QString());
    EXPECT_EQ(trace, (QStringList{"Get 1,1", "Set 1,1=", "Get 3,1", "Set 3,1="}));

    QGuiApplication::clipboard()->setText("a\tb\tc");
    select(1, 2, 3, 2);
    grid->paste();
    EXPECT_EQ(grid->Cells(1, 2), "a");
    EXPECT_EQ(grid->Cells(2, 2), "22");
    EXPECT_EQ(grid->Cells(3, 2), "c");

    // Without the editing option nothing is cut or pasted, but copying works.
    grid->SetOptions(grid->Options() & ~goEditing);
    select(1, 3, 3, 3);
    grid->cut();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "13\t23\t33\t\r\n");
    EXPECT_EQ(grid->Cells(1, 3), "13");
    grid->paste();
    EXPECT_EQ(grid->Cells(2, 3), "23");
}

TEST_F(ClipGrid, CtrlCVXOnTheSelectionAreTheInsertAndDeleteKeys)
{
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "b");
    select(1, 1, 2, 1);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\tb\t\r\n");
    EXPECT_TRUE(trace.isEmpty());

    select(1, 2, 2, 2);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->Cells(1, 2), "a");
    EXPECT_EQ(grid->Cells(2, 2), "b");
    EXPECT_EQ(trace, (QStringList{"Get 1,2", "Set 1,2=a", "Get 2,2", "Set 2,2=b"}));

    trace.clear();
    select(1, 1, 1, 1);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\t\r\n");
    EXPECT_EQ(grid->Cells(1, 1), QString());
    EXPECT_EQ(trace, (QStringList{"Get 1,1", "Set 1,1="}));
    EXPECT_FALSE(grid->EditorVisible());

    // With Shift or Alt as well they are no clipboard keys.
    QGuiApplication::clipboard()->setText("z");
    select(2, 1, 2, 1);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(grid->Cells(2, 1), "b");
}

TEST_F(ClipGrid, KeysWhileTheEditorIsOpenWorkOnItsText)
{
    grid->SetCells(1, 1, "cell");
    QGuiApplication::clipboard()->setText("clip");
    grid->SetCol(1);
    grid->SetRow(1);
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* ed = grid->InplaceEditor();
    ASSERT_TRUE(grid->EditorVisible());
    ed->selectAll();
    QTest::keyClick(ed, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "cell");
    QTest::keyClick(ed, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(ed->text(), QString());
    QTest::keyClick(ed, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(ed, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(ed->text(), "cellcell");
    EXPECT_EQ(grid->Cells(1, 1), "cell");  // the cell itself waits for the end of the edit
    EXPECT_EQ(grid->Cells(2, 1), QString());
}

TEST_F(ClipGrid, ToolRoutinesStopAtZeroAndLeaveNothingBehind)
{
    QBuffer in;
    in.open(QIODevice::ReadWrite);
    in.write(QByteArray("one\0two", 7));
    StreamToClipboard(&in);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "one");

    QBuffer out;
    out.open(QIODevice::ReadWrite);
    out.write("a much longer text than the clipboard's");
    ClipboardToStream(&out);
    EXPECT_EQ(out.data(), "one");
    QGuiApplication::clipboard()->clear();
    ClipboardToStream(&out);
    EXPECT_EQ(out.data(), QByteArray());
}

TEST_F(ClipGrid, ClicksOnFixedCellsNameTheirColumnOrRow)
{
    QStringList clicks;
    grid->OnFixedColClick = [&clicks](QObject*, int c) { clicks << QStringLiteral("col %1").arg(c); };
    grid->OnFixedRowClick = [&clicks](QObject*, int r) { clicks << QStringLiteral("row %1").arg(r); };
    ClickAt(grid->viewport(), grid->CellRect(2, 0).center());
    ClickAt(grid->viewport(), grid->CellRect(0, 3).center());
    ClickAt(grid->viewport(), grid->CellRect(0, 0).center());
    ClickAt(grid->viewport(), grid->CellRect(2, 2).center());
    EXPECT_EQ(clicks, (QStringList{"col 2", "row 3"}));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(ClipGrid, LastColumnFillsTheWidthAfterADraggedColumn)
{
    grid->SetOptions(grid->Options() | goColSizing);
    int widthEvents = 0;
    grid->OnColWidthsChanged = [&widthEvents](QObject*) { ++widthEvents; };
    const int client = grid->viewport()->width();
    grid->SetAutoAdjustLastCol(true);
    auto filled = [this] {
        int sum = 0;
        for (int c = 0; c < grid->ColCount(); ++c) sum += grid->ColWidths(c) + grid->GridLineWidth();
        return sum;
    };
    EXPECT_EQ(filled(), client);
    EXPECT_EQ(grid->ColWidths(3), client - 3 * 40 - 4);
    EXPECT_EQ(widthEvents, 1);

    // Drag the line after column 1 in the heading row 25 pixels to the right.
    QWidget* vp = grid->viewport();
    const QRect h = grid->CellRect(1, 0);
    const QPoint from(h.right() + 1, h.center().y());
    DragOn(vp, from, from + QPoint(25, 0));
    EXPECT_EQ(grid->ColWidths(1), 65);
    EXPECT_EQ(grid->ColWidths(3), client - 3 * 40 - 25 - 4);
    EXPECT_EQ(filled(), client);
    EXPECT_EQ(grid->Col(), 1);  // the drag did not select a cell
    EXPECT_GE(widthEvents, 3);

    // The picture: the last column's line is the last pixel of the grid.
    QTemporaryDir dir;
    const QImage image = vp->grab().toImage();
    ASSERT_TRUE(image.save(dir.filePath("lastcol.png")));
    const int y = grid->CellRect(1, 2).center().y();
    EXPECT_EQ(image.pixelColor(client - 1, y), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(client - 2, y), image.pixelColor(grid->CellRect(3, 2).left() + 2, y));

    // A wider line width is taken into account.
    grid->SetGridLineWidth(2);
    EXPECT_EQ(filled(), client);
    const int events = widthEvents;
    grid->SetGridLineWidth(2);
    EXPECT_EQ(widthEvents, events);

    // Nothing left for the last column: its width stays.
    grid->SetColWidths(0, client);
    const int last = grid->ColWidths(3);
    grid->AdjustLastCol();
    EXPECT_EQ(grid->ColWidths(3), last);
}

TEST_F(ClipGrid, ThumbTrackingFollowsRedrawWhileScroll)
{
    EXPECT_FALSE(grid->horizontalScrollBar()->hasTracking());
    grid->SetRedrawWhileScroll(true);
    EXPECT_TRUE(grid->horizontalScrollBar()->hasTracking());
    EXPECT_TRUE(grid->verticalScrollBar()->hasTracking());
    grid->SetRedrawWhileScroll(false);
    EXPECT_FALSE(grid->verticalScrollBar()->hasTracking());
    grid->SetOptions(grid->Options() | goThumbTracking);
    EXPECT_TRUE(grid->verticalScrollBar()->hasTracking());
}

TEST_F(ClipGrid, RowLinesInTheFixedColumnSizeRowsOnlyWithTheOption)
{
    int heightEvents = 0;
    grid->OnRowHeightsChanged = [&heightEvents](QObject*) { ++heightEvents; };
    QWidget* vp = grid->viewport();
    auto dragLine = [vp](QPoint from, QPoint to) { DragOn(vp, from, to); };
    const QRect cell = grid->CellRect(0, 2);
    const QPoint line(cell.center().x(), cell.bottom() + 1);
    dragLine(line, line + QPoint(0, 12));
    EXPECT_EQ(grid->RowHeights(2), 18);  // without goRowSizing: no sizing
    EXPECT_EQ(heightEvents, 0);
    grid->SetOptions(grid->Options() | goRowSizing);
    dragLine(line, line + QPoint(0, 12));
    EXPECT_EQ(grid->RowHeights(2), 30);
    EXPECT_GE(heightEvents, 1);
    // A line between scrolling cells is no handle.
    const QRect inner = grid->CellRect(2, 2);
    dragLine(QPoint(inner.center().x(), inner.bottom() + 1), QPoint(inner.center().x(), inner.bottom() + 20));
    EXPECT_EQ(grid->RowHeights(2), 30);
}
