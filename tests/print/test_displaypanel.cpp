// The progress panel: its settings, the bar and the percentage.
#include "print/DisplayPanel.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor c)
{
    return ColorToQColor(c).rgb();
}

struct PanelFixture : ::testing::Test {
    QWidget owner;
    TPrnDisplayPanel panel;
    void SetUp() override
    {
        owner.resize(800, 600);
        panel.SetShowProgress(true);
        panel.SetProgressStartColor(RGBToColor(0, 0, 0));
        panel.SetProgressStopColor(RGBToColor(200, 100, 50));
    }
    const QImage& image() { return *panel.Image(); }
    int left() { return panel.BarTopLeft().x(); }
    int right() { return panel.BarBottomRight().x(); }
    int midY() { return (panel.BarTopLeft().y() + panel.BarBottomRight().y()) / 2; }
    // Columns of the bar carrying a gradient colour (not the track).
    int paintedUpTo()
    {
        int last = -1;
        for (int x = left(); x <= right(); ++x)
            if (image().pixel(x, midY()) != Rgb(panel.ProgressColor())) last = x;
        return last;
    }
};

TEST(DisplayPanel, Defaults)
{
    TPrnDisplayPanel p;
    EXPECT_EQ(p.BevelInner(), bvLowered);
    EXPECT_EQ(p.BevelOuter(), bvRaised);
    EXPECT_EQ(p.BevelWidth(), 3);
    EXPECT_EQ(p.DisplayMessage(), QStringLiteral("Default Message Here"));
    EXPECT_EQ(p.LetterFont().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(p.LetterFont().Size(), 18);
    EXPECT_EQ(p.LetterFont().Color(), clYellow);
    EXPECT_EQ(p.LetterFont().Style(), fsBold);
    EXPECT_EQ(p.MinPanelHeight(), 100);
    EXPECT_EQ(p.MinPanelWidth(), 300);
    EXPECT_EQ(p.PanelColor(), RGBToColor(0, 0, 128));
    EXPECT_EQ(p.ProgressColor(), clWhite);
    EXPECT_EQ(p.ProgressInc(), 1);
    EXPECT_EQ(p.ProgressMax(), 100);
    EXPECT_EQ(p.ProgressMin(), 0);
    EXPECT_EQ(p.ProgressPosition(), 0);
    EXPECT_EQ(p.ProgressStartColor(), RGBToColor(128, 128, 128));
    EXPECT_EQ(p.ProgressStopColor(), RGBToColor(128, 128, 128));
    EXPECT_FALSE(p.ShowProgress());
    EXPECT_FALSE(p.ShowProgressPercent());
    EXPECT_EQ(p.Panel(), nullptr);
    EXPECT_EQ(p.Image(), nullptr);
}

TEST(DisplayPanel, PositionClampsWithoutPanel)
{
    TPrnDisplayPanel p;
    p.SetShowProgress(true);
    p.SetProgressPosition(40);
    EXPECT_EQ(p.ProgressPosition(), 40);
    p.SetProgressPosition(150);  // beyond the maximum: ignored
    EXPECT_EQ(p.ProgressPosition(), 40);
    p.SetProgressPosition(-1);
    EXPECT_EQ(p.ProgressPosition(), 40);
    p.StepBy(30);
    EXPECT_EQ(p.ProgressPosition(), 70);
    p.StepBy(50);  // stops at the maximum
    EXPECT_EQ(p.ProgressPosition(), 100);
    EXPECT_EQ(p.LastBarEnd(), 0);  // nothing to draw on yet
}

TEST(DisplayPanel, AssignKeepsTheMessage)
{
    TPrnDisplayPanel a, b;
    a.SetDisplayMessage(QStringLiteral("Drucke..."));
    a.SetBevelWidth(5);
    a.SetBevelInner(bvNone);
    a.SetProgressMax(250);
    a.SetProgressMin(10);
    a.SetProgressInc(4);
    a.SetPanelColor(clMaroon);
    a.SetProgressStartColor(clRed);
    a.LetterFont().SetSize(11);
    a.SetBarRect(QPoint(1, 2), QPoint(30, 40));
    a.SetMinPanelWidth(420);
    a.SetShowProgressPercent(true);
    b.SetDisplayMessage(QStringLiteral("eigene"));
    b.Assign(a);
    EXPECT_EQ(b.DisplayMessage(), QStringLiteral("eigene"));
    EXPECT_EQ(b.BevelWidth(), 5);
    EXPECT_EQ(b.BevelInner(), bvNone);
    EXPECT_EQ(b.ProgressMax(), 250);
    EXPECT_EQ(b.ProgressMin(), 10);
    EXPECT_EQ(b.ProgressInc(), 4);
    EXPECT_EQ(b.PanelColor(), clMaroon);
    EXPECT_EQ(b.ProgressStartColor(), clRed);
    EXPECT_EQ(b.LetterFont().Size(), 11);
    EXPECT_EQ(b.BarTopLeft(), QPoint(1, 2));
    EXPECT_EQ(b.BarBottomRight(), QPoint(30, 40));
    EXPECT_EQ(b.MinPanelWidth(), 420);
    EXPECT_TRUE(b.ShowProgressPercent());
}

TEST_F(PanelFixture, BuiltCentredOnItsOwner)
{
    panel.BuildPanel(&owner);
    ASSERT_NE(panel.Panel(), nullptr);
    EXPECT_EQ(panel.Panel()->parentWidget(), &owner);
    EXPECT_EQ(panel.Panel()->geometry(), QRect(250, 250, 300, 100));
    ASSERT_NE(panel.Image(), nullptr);
    EXPECT_EQ(image().size(), QSize(300, 100));
    EXPECT_EQ(image().pixel(150, 8), Rgb(panel.PanelColor()));
    EXPECT_LT(left(), right());
    EXPECT_EQ(paintedUpTo(), -1);  // an empty track
    // The message stands above the bar in the letter font's colour.
    int yellow = 0;
    for (int y = 0; y < panel.BarTopLeft().y(); ++y)
        for (int x = 0; x < image().width(); ++x) yellow += image().pixel(x, y) == Rgb(clYellow);
    EXPECT_GT(yellow, 50);
    const QImage grab = panel.Panel()->grab().toImage();
    EXPECT_EQ(grab.size(), QSize(300, 100));
    if (!qEnvironmentVariableIsEmpty("SB_GRAB_DIR")) grab.save(qEnvironmentVariable("SB_GRAB_DIR") + "/panel.png");
    panel.FreePanel();
    EXPECT_EQ(panel.Panel(), nullptr);
    EXPECT_EQ(owner.findChildren<QWidget*>().size(), 0);
}

TEST_F(PanelFixture, BarGrowsAndEndsOneBeforeItsRightEdge)
{
    panel.BuildPanel(&owner);
    panel.SetProgressPosition(50);
    const int half = int(std::lround(0.5 * (right() - left()))) + left();
    EXPECT_EQ(panel.LastBarEnd(), half);
    EXPECT_EQ(paintedUpTo(), half);
    EXPECT_EQ(image().pixel(left() + 1, midY()), Rgb(panel.ProgressStartColor()));
    panel.SetProgressPosition(100);
    EXPECT_EQ(panel.LastBarEnd(), right() - 1);
    EXPECT_EQ(paintedUpTo(), right() - 1);
    const QColor last = image().pixelColor(right() - 1, midY());
    const double t = double(right() - 1 - (left() + 1)) / (right() - (left() + 1));
    EXPECT_EQ(last.red(), int(std::lround(200 * t)));
    EXPECT_EQ(last.green(), int(std::lround(100 * t)));
    EXPECT_EQ(last.blue(), int(std::lround(50 * t)));
    // A lower position paints nothing and erases nothing.
    panel.SetProgressPosition(10);
    EXPECT_EQ(paintedUpTo(), right() - 1);
}

TEST_F(PanelFixture, PositionCountsFromTheMinimum)
{
    panel.SetProgressMin(50);
    panel.SetProgressMax(150);
    panel.BuildPanel(&owner);
    panel.SetProgressPosition(100);
    EXPECT_EQ(panel.LastBarEnd(), int(std::lround(0.5 * (right() - left()))) + left());
}

TEST_F(PanelFixture, EmptyRangeDrawsNothing)
{
    panel.SetProgressMin(20);
    panel.SetProgressMax(20);
    panel.BuildPanel(&owner);
    const QImage before = image();
    panel.SetProgressPosition(20);
    panel.DrawProgress();
    EXPECT_EQ(image(), before);
    EXPECT_EQ(panel.LastBarEnd(), 0);
}

TEST_F(PanelFixture, OnePixelBarTakesTheStartColour)
{
    panel.BuildPanel(&owner);
    panel.SetBarRect(QPoint(20, 60), QPoint(21, 70));
    panel.SetProgressPosition(100);
    EXPECT_EQ(panel.LastBarEnd(), 20);
    panel.SetBarRect(QPoint(20, 60), QPoint(22, 70));
    panel.SetProgressPosition(99);
    EXPECT_EQ(image().pixel(21, 65), Rgb(panel.ProgressStartColor()));
}

TEST_F(PanelFixture, PercentRightOfTheBar)
{
    panel.SetShowProgressPercent(true);
    panel.BuildPanel(&owner);
    panel.SetProgressPosition(50);
    // The text's columns: right of the bar, in the letter colour.
    const int inner = image().width() - 6;  // inside the bevels
    int first = -1, lastX = -1;
    for (int x = right() + 1; x < inner; ++x)
        for (int y = panel.BarTopLeft().y(); y < panel.BarBottomRight().y() + 6; ++y)
            if (image().pixel(x, y) != Rgb(panel.PanelColor())) {
                if (first < 0) first = x;
                lastX = x;
            }
    ASSERT_GE(first, right() + 5);
    TFont f(panel.LetterFont());
    f.SetSize(8);
    f.SetStyle(0);
    const int expected = QFontMetrics(f.toQFont()).horizontalAdvance(QStringLiteral("50 %"));
    EXPECT_NEAR(lastX - first + 1, expected, 3);
    // At 100 the text is wider by one digit.
    panel.SetProgressPosition(100);
    int lastAt100 = -1;
    for (int x = right() + 1; x < inner; ++x)
        for (int y = panel.BarTopLeft().y(); y < panel.BarBottomRight().y() + 6; ++y)
            if (image().pixel(x, y) != Rgb(panel.PanelColor())) lastAt100 = x;
    EXPECT_GT(lastAt100, lastX);
    if (!qEnvironmentVariableIsEmpty("SB_GRAB_DIR"))
        panel.Panel()->grab().save(qEnvironmentVariable("SB_GRAB_DIR") + "/panel-progress.png");
}

}  // namespace
