// What the grid really paints: colours and text placement measured on a
// grab of the widget.
#include "GridTestUtil.h"
#include "common/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QTest>

namespace {

struct Ink {
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    bool any() const { return right >= 0; }
};

// Dark pixels inside `r` (the text; lines and edges lie outside `r`).
Ink InkIn(const QImage& img, const QRect& r)
{
    Ink ink;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 110) {
                ink.left = qMin(ink.left, x);
                ink.right = qMax(ink.right, x);
                ink.top = qMin(ink.top, y);
                ink.bottom = qMax(ink.bottom, y);
            }
    return ink;
}

// Text lines inside `r`: bands of rows with dark pixels, one above the other.
int InkLines(const QImage& img, const QRect& r)
{
    int lines = 0;
    bool inLine = false;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        bool ink = false;
        for (int x = r.left(); x <= r.right() && !ink; ++x) ink = qGray(img.pixel(x, y)) < 110;
        if (ink && !inLine) ++lines;
        inLine = ink;
    }
    return lines;
}

QImage Grab(TCellGrid& g)
{
    return g.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class GridPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadGridFromForm(grid, ZetaBogenGlattGridForm());
        grid.FontFixedCol(0)->SetName(QStringLiteral("Arial"));
        grid.FontFixedRow(0)->SetName(QStringLiteral("Arial"));
        grid.resize(7 * 41 + 4, 2 * 19 + 4);
    }
    QColor at(const QImage& img, int c, int r) const
    {
        const QRect rect = grid.CellRect(c, r);
        return img.pixelColor(rect.left() + 2, rect.bottom() - 1);  // below the text
    }
    TCellGrid grid;
};

}  // namespace

TEST_F(GridPaint, YellowCountCellAndFixedCells)
{
    grid.SetColorCell(3, 1, clYellow);
    const QImage img = Grab(grid);
    EXPECT_EQ(at(img, 3, 1), QColor(255, 255, 0));
    EXPECT_EQ(at(img, 4, 1), ColorToQColor(clWindow, &grid.palette()));
    EXPECT_EQ(at(img, 0, 1), ColorToQColor(clBtnFace, &grid.palette()));
    EXPECT_EQ(at(img, 5, 0), ColorToQColor(clBtnFace, &grid.palette()));
    grid.SetFixedColor(clAqua);
    EXPECT_EQ(at(Grab(grid), 0, 1), QColor(0, 255, 255));
    grid.SetColorCell(3, 1, clWindow);
    EXPECT_EQ(at(Grab(grid), 3, 1), ColorToQColor(clWindow, &grid.palette()));
}

TEST_F(GridPaint, CentredTextStartsAtTheTop)
{
    const QImage img = Grab(grid);
    const QRect rect = grid.CellRect(0, 1);  // "Stck.", centred through its column and row
    const Ink ink = InkIn(img, rect.adjusted(1, 1, -1, -1));
    ASSERT_TRUE(ink.any());
    const int leftGap = ink.left - rect.left();
    const int rightGap = rect.right() - ink.right;
    EXPECT_LE(qAbs(leftGap - rightGap), 2) << leftGap << " " << rightGap;
    EXPECT_GT(leftGap, 4);
    EXPECT_GE(ink.top - rect.top(), 2);
    EXPECT_LE(ink.top - rect.top(), 6);
}

TEST_F(GridPaint, RightAndLeftAlignedText)
{
    grid.SetCells(2, 1, "12");
    grid.SetAlignCell(2, 1, alRight);
    grid.SetCells(4, 1, "12");
    grid.SetAlignCell(4, 1, alLeft);
    const QImage img = Grab(grid);
    const QRect r2 = grid.CellRect(2, 1);
    const Ink right = InkIn(img, r2);
    ASSERT_TRUE(right.any());
    EXPECT_NEAR(r2.right() - right.right, 2, 2);
    EXPECT_GT(right.left - r2.left(), 12);
    const QRect r4 = grid.CellRect(4, 1);
    const Ink left = InkIn(img, r4);
    ASSERT_TRUE(left.any());
    EXPECT_NEAR(left.left - r4.left(), 2, 2);
    EXPECT_GT(r4.right() - left.right, 12);
}

TEST_F(GridPaint, LineBreakDrawsTwoLinesWithoutWordWrap)
{
    grid.SetRowHeights(1, 40);
    grid.resize(grid.width(), 70);
    grid.SetCells(3, 1, "1");
    const Ink one = InkIn(Grab(grid), grid.CellRect(3, 1));
    grid.SetCells(3, 1, "1\n1");
    const Ink two = InkIn(Grab(grid), grid.CellRect(3, 1));
    ASSERT_TRUE(one.any() && two.any());
    EXPECT_GT(two.bottom - two.top, 2 * (one.bottom - one.top));
    EXPECT_EQ(two.left, one.left);  // both lines centred alike
}

TEST_F(GridPaint, WordWrapBreaksLinesAtTheCellsEdgeBesideItsOwnLineBreaks)
{
    grid.SetRowHeights(1, 70);
    grid.resize(grid.width(), 100);
    const QRect cell = grid.CellRect(3, 1);
    grid.SetCells(3, 1, QStringLiteral("Stck. Stck.\r\nStck."));
    ASSERT_EQ(grid.WordwrapCell(3, 1), ww_none);
    EXPECT_EQ(InkLines(Grab(grid), cell), 2);
    grid.SetWordwrap(ww_wordwrap);
    ASSERT_EQ(grid.WordwrapCell(3, 1), ww_wordwrap);
    const QImage img = Grab(grid);
    EXPECT_EQ(InkLines(img, cell), 3);
    // every wrapped line stays inside the cell
    const Ink ink = InkIn(img, cell);
    EXPECT_GE(ink.left, cell.left() + 2);
    EXPECT_LE(ink.right, cell.right() - 2);
}

TEST_F(GridPaint, SelectionColoursFollowTheRule)
{
    // unfocused grid: the current cell is selected but not focused
    grid.SetSelectedCellColor(clYellow);
    grid.SetCells(1, 1, "88");
    QImage img = Grab(grid);
    EXPECT_EQ(at(img, 1, 1), QColor(255, 255, 0));
    const Ink white = InkIn(img, grid.CellRect(1, 1));
    EXPECT_FALSE(white.any());  // the text is drawn in SelectedFontColor (white)

    grid.SetSelectedColorCell(1, 1, clLime);  // the cell's own selected brush wins
    EXPECT_EQ(at(Grab(grid), 1, 1), QColor(0, 255, 0));

    grid.SetDrawSelection(false);
    img = Grab(grid);
    EXPECT_EQ(at(img, 1, 1), ColorToQColor(clWindow, &grid.palette()));
    EXPECT_TRUE(InkIn(img, grid.CellRect(1, 1)).any());
}

TEST_F(GridPaint, FocusedCellKeepsOwnColoursUnlessOptionsSayOtherwise)
{
    QWidget window;
    grid.setParent(&window);
    grid.SetSelectedCellColor(clRed);
    window.resize(400, 100);
    ASSERT_TRUE(ShowActive(&window));
    grid.setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(grid.IsActiveControl());
    EXPECT_EQ(at(Grab(grid), 1, 1), ColorToQColor(clWindow, &grid.palette()));
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    EXPECT_EQ(at(Grab(grid), 1, 1), QColor(255, 0, 0));
    grid.SetOptions((grid.Options() & ~goDrawFocusSelected) | goRowSelect);
    const QImage img = Grab(grid);
    EXPECT_EQ(at(img, 1, 1), QColor(255, 0, 0));
    EXPECT_EQ(at(img, 4, 1), QColor(255, 0, 0));  // the whole row is selected
    grid.setParent(nullptr);
}

TEST_F(GridPaint, ZetaGridPicture)
{
    grid.SetColorCell(2, 1, clYellow);
    grid.SetCells(2, 1, "2");
    const QImage img = Grab(grid);
    const QString path = QDir::tempPath() + QStringLiteral("/zeta_bogen_glatt_grid.png");
    ASSERT_TRUE(img.save(path));
    EXPECT_EQ(img.size(), grid.viewport()->size());
}

TEST_F(GridPaint, OnDrawCellGetsTheRectangleAsTheDrawingStepsLeftIt)
{
    QRect got;
    grid.OnDrawCell = [&got](QObject*, int c, int r, const QRect& rect, TGridDrawState) {
        if (c == 3 && r == 1) got = rect;
    };
    const QRect cell = grid.CellRect(3, 1);
    Grab(grid);
    EXPECT_EQ(got, cell.adjusted(2, 2, -2, -2));  // the text area, 2 pixels in

    // without the lines of plain cells the cell first reaches over their place
    grid.SetOptions(grid.Options() & ~(goVertLine | goHorzLine));
    grid.SetGridLineWidth(3);
    const QRect wide = grid.CellRect(3, 1);
    got = QRect();
    Grab(grid);
    EXPECT_EQ(got, wide.adjusted(2, 2, 3 - 2, 3 - 2));

    // an empty cell is no different
    grid.SetCells(3, 1, QString());
    got = QRect();
    Grab(grid);
    EXPECT_EQ(got, wide.adjusted(2, 2, 1, 1));

    // without default drawing the handler gets the cell as it is
    grid.SetDefaultDrawing(false);
    got = QRect();
    Grab(grid);
    EXPECT_EQ(got, wide);
}

TEST(GridFonts, ClassicDialogFontFallsBackToANarrowSans)
{
    // The fixed-cell font is the platform default ("MS Sans Serif"); where
    // that is missing, the general fallback is so much wider that the row
    // headings of the cone reduction grid ("f= 0,33" in 40 pixels) are cut.
    const QStringList narrow{"Arial", "Liberation Sans", "Nimbus Sans"};
    const QStringList families = QFontDatabase::families();
    if (families.contains("MS Sans Serif")) GTEST_SKIP() << "the font itself is installed";
    bool any = false;
    for (const QString& f : narrow) any |= families.contains(f);
    if (!any) GTEST_SKIP() << "no narrow sans installed";
    TCellGrid g;
    ASSERT_EQ(g.FixedFont().Name(), "MS Sans Serif");
    const QFont font = g.FixedFont().toQFont();
    EXPECT_TRUE(narrow.contains(QFontInfo(font).family())) << qPrintable(QFontInfo(font).family());
    EXPECT_EQ(QFontInfo(font).pixelSize(), 11);
    TFont shell;
    shell.SetName("MS Shell Dlg 2");
    EXPECT_TRUE(narrow.contains(QFontInfo(shell.toQFont()).family()));
    TFont other;  // named fonts are left to the platform
    other.SetName("DejaVu Serif");
    EXPECT_EQ(QFontInfo(other.toQFont()).family(), "DejaVu Serif");
}
