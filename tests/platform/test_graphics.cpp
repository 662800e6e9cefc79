#include "platform/Graphics.h"
#include "platform/Exceptions.h"
#include "platform/FormResource.h"
#include <QFont>
#include <climits>
#include <gtest/gtest.h>

namespace {

// Sizes and heights out of any sane range (a damaged form resource, grid
// form data) are brought into range when they are set; nothing overflows.
TEST(FontTest, ExtremeSizesAndHeightsAreClampedWithoutOverflow)
{
    TFont f;
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    EXPECT_EQ(f.Size(), 10);
    f.SetSize(-10);
    EXPECT_EQ(f.Height(), 13);

    f.SetSize(30000000);  // times 96 would overflow
    EXPECT_EQ(f.Height(), -TFont::MaxHeight);
    EXPECT_GT(f.toQFont().pixelSize(), 0);
    f.SetSize(INT_MIN);
    EXPECT_EQ(f.Height(), TFont::MaxHeight);
    EXPECT_GT(f.Size(), -TFont::MaxHeight);

    f.SetHeight(INT_MIN);  // negating it would overflow
    EXPECT_EQ(f.Height(), -TFont::MaxHeight);
    EXPECT_EQ(f.toQFont().pixelSize(), TFont::MaxHeight);
    f.SetHeight(INT_MAX);  // times 7 would overflow
    EXPECT_EQ(f.Height(), TFont::MaxHeight);
    EXPECT_EQ(f.toQFont().pixelSize(), (TFont::MaxHeight * 7 + 4) / 8);

    // Ordinary heights stay as they are.
    f.SetHeight(-11);
    EXPECT_EQ(f.toQFont().pixelSize(), 11);
    f.SetHeight(16);
    EXPECT_EQ(f.toQFont().pixelSize(), 14);
    TFont g(f);
    EXPECT_EQ(g.Height(), 16);
}

TEST(FormNumberTest, HexadecimalExtremesParseWithoutOverflow)
{
    const DfmObject o = ParseFormResource(QStringLiteral("object A: TForm\n"
                                                         "  Min = -$8000000000000000\n"
                                                         "  Max = $7FFFFFFFFFFFFFFF\n"
                                                         "  All = -$FFFFFFFFFFFFFFFF\n"
                                                         "  Low = -9223372036854775808\n"
                                                         "end\n"),
                                          QStringLiteral("test.dfm"));
    EXPECT_EQ(o.property(QStringLiteral("Min"))->value.integer, LLONG_MIN);
    EXPECT_EQ(o.property(QStringLiteral("Max"))->value.integer, LLONG_MAX);
    EXPECT_EQ(o.property(QStringLiteral("All"))->value.integer, 1);
    EXPECT_EQ(o.property(QStringLiteral("Low"))->value.integer, LLONG_MIN);
    EXPECT_THROW(ParseFormResource(QStringLiteral("object A: TForm\n  X = -9223372036854775809\nend\n"),
                                   QStringLiteral("test.dfm")),
                 EFormResourceError);
    EXPECT_THROW(ParseFormResource(QStringLiteral("object A: TForm\n  X = $10000000000000000\nend\n"),
                                   QStringLiteral("test.dfm")),
                 EFormResourceError);
}

}  // namespace
