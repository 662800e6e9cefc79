#include "PrintQString.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"
#include "platform/ResourceStrings.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

struct FixedCase { double value; int precision; int digits; const char* text; };

TEST(FloatToStrFTest, FixedTwoDecimalsRoundsDecimalTiesAwayFromZero)
{
    const FixedCase cases[] = {
        {0.125, 7, 2, "0,13"},        // exact binary tie
        {2.675, 7, 2, "2,68"},        // 2.67499999... in binary, 2,675 as decimal text
        {1.005, 7, 2, "1,01"},
        {6.9078, 7, 2, "6,91"},
        {-0.125, 7, 2, "-0,13"},
        {37.5662, 7, 2, "37,57"},
        {0.0, 7, 2, "0,00"},
        {-0.0, 7, 2, "0,00"},         // negative zero without sign
        {-0.001, 7, 2, "0,00"},       // rounds to zero: no sign
        {-0.005, 7, 2, "-0,01"},
        {-6.9078, 7, 2, "-6,91"},
        {-2.675, 7, 2, "-2,68"},
        {0.995, 7, 2, "1,00"},        // carry into the integer part
        {9.999, 7, 2, "10,00"},
        {99999.995, 7, 2, "100000,00"},  // 7 significant digits, padded to 2 decimals
        {1.23456789, 3, 5, "1,23000"},
        {1234567.0, 7, 2, "1234567,00"},
        {1234567.4, 7, 2, "1234567,00"},
        {210.26, 7, 0, "210"},
        {0.5, 7, 0, "1"},
        {1.5, 15, 3, "1,500"},
        {54.76, 7, 2, "54,76"},
        {0.1 + 0.2, 7, 2, "0,30"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, ffFixed, c.precision, c.digits), QString::fromUtf8(c.text))
            << "value " << c.value << " precision " << c.precision << " digits " << c.digits;
}

TEST(FloatToStrFTest, FixedRoundsDecimalHalvesAwayFromZero)
{
    // Products whose decimal value ends in a half but whose binary value
    // lies just below it round up, as a hand calculation does.
    const double fitting = 24.40 * 0.6 * 11.75 * 11.75;  // 2021,2349999999997
    EXPECT_LT(fitting, 2021.235);
    EXPECT_EQ(FloatToStrF(fitting, ffFixed, 7, 2), "2021,24");
    EXPECT_EQ(FloatToStrF(-fitting, ffFixed, 7, 2), "-2021,24");
    EXPECT_EQ(FloatToStrF(fitting, ffFixed, 18, 2), "2021,24");
    EXPECT_EQ(FloatToStrF(fitting, ffNumber, 7, 2), "2.021,24");
    const std::pair<double, const char*> zetaHalf[] = {{4.5, "6,08"}, {6.5, "12,68"}, {8.5, "21,68"}, {10.5, "33,08"}};
    for (const auto& [w, text] : zetaHalf)
        EXPECT_EQ(FloatToStrF(0.5 * 0.6 * w * w, ffFixed, 7, 2), text) << "velocity " << w;
    // Only a half decides: values on one side of it, however close, stay
    // on that side, also where seven significant digits would make a half
    // of them.
    EXPECT_EQ(FloatToStrF(2021.2346, ffFixed, 7, 2), "2021,23");
    EXPECT_EQ(FloatToStrF(2021.2344, ffFixed, 7, 2), "2021,23");
    EXPECT_EQ(FloatToStrF(2021.236, ffFixed, 7, 2), "2021,24");
    EXPECT_EQ(FloatToStrF(6.0749, ffFixed, 7, 2), "6,07");
    EXPECT_EQ(FloatToStrF(0.0049999999, ffFixed, 7, 2), "0,00");
    EXPECT_EQ(FloatToStrF(0.004999999999999999, ffFixed, 7, 2), "0,01");
    // The precision still limits the digits: a rounding that carries into
    // a new digit.
    EXPECT_EQ(FloatToStrF(99.99999951, ffFixed, 7, 2), "100,00");
    EXPECT_EQ(FloatToStrF(99.9949, ffFixed, 7, 2), "99,99");
}

TEST(FloatToStrFTest, FixedSwitchesToExponentBeyondPrecision)
{
    EXPECT_EQ(FloatToStrF(12345678.0, ffFixed, 7, 2), "1,234568E7");
    EXPECT_EQ(FloatToStrF(123456789.0, ffFixed, 7, 2), "1,234568E8");
    EXPECT_EQ(FloatToStrF(-1e10, ffFixed, 7, 2), "-1E10");
    EXPECT_EQ(FloatToStrF(-12345678.0, ffFixed, 7, 2), "-1,234568E7");
    EXPECT_EQ(FloatToStrF(9999999.7, ffFixed, 7, 2), "1E7");  // rounding adds a digit
    EXPECT_EQ(FloatToStrF(9999999.4, ffFixed, 7, 2), "9999999,00");
}

TEST(FloatToStrFTest, NumberExponentAndSpecialValues)
{
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
    EXPECT_EQ(FloatToStrF(-999.5, ffNumber, 15, 0), "-1.000");
    EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), "1,235E+03");
    EXPECT_EQ(FloatToStrF(0.00012, ffExponent, 3, 0), "1,20E-4");
    EXPECT_EQ(FloatToStrF(0.0, ffExponent, 3, 2), "0,00E+00");
    EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::quiet_NaN(), ffFixed, 7, 2), "NAN");
    EXPECT_EQ(FloatToStrF(-std::numeric_limits<double>::infinity(), ffFixed, 7, 2), "-INF");
}

TEST(FloatToStrTest, ShortestGeneralText)
{
    const std::pair<double, const char*> cases[] = {
        {210.0, "210"},
        {2.5, "2,5"},
        {0.15, "0,15"},
        {-0.0, "0"},
        {0.1 + 0.2, "0,3"},                 // 15 digits hide the binary noise
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1.5e20, "1,5E20"},
        {0.0001, "0,0001"},
        {0.00001, "0,00001"},
        {0.0000099, "9,9E-6"},
        {-0.00005, "-0,00005"},
        {0.000001, "1E-6"},
        {-1.25e-7, "-1,25E-7"},
        {123456.789, "123456,789"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(FloatToStr(v), QString::fromUtf8(text)) << v;
}

TEST(FormatFloatTest, DisplayFormats)
{
    struct C { const char* format; double value; const char* text; };
    const C cases[] = {
        {",0", 1234567.0, "1.234.567"},
        {",0", 999.5, "1.000"},
        {",0", 12.0, "12"},
        {",0", 0.4, "0"},
        {",0", -1234.0, "-1.234"},
        {",0", 2.5, "3"},                     // ties away from zero, unlike Round
        {",0", -2.5, "-3"},
        {",0", -0.4, "0"},                    // rounds to zero: no sign
        {",0", 1000000.0, "1.000.000"},
        {",0.00", 1234.565, "1.234,57"},
        {",0.00", -1234.565, "-1.234,57"},
        {",0.00", 0.005, "0,01"},
        {",0.00", 999999.995, "1.000.000,00"},
        {",0.00", 123.0, "123,00"},
        {",0.00;-,0.00", -1234.5, "-1.234,50"},
        {",0.00;-,0.00", 0.0, "0,00"},
        {",0.00", 0.0, "0,00"},
        {",0.00", -0.001, "0,00"},
        {"##0.0", 0.05, "0,1"},
        {"##0.0", 12345.67, "12345,7"},
        {"##0.0", 7.0, "7,0"},
        {"0.00", 6.9078, "6,91"},
        {"0.00", 0.125, "0,13"},
        {"0.##", 2.5, "2,5"},
        {"#.##", 0.5, ",5"},
        {"000", 7.0, "007"},
        {"0.00 'm/s'", 2.5, "2,50 m/s"},
        {"0.0;(0.0)", -2.5, "(2,5)"},
        {"0.0;-0.0;'null'", 0.0, "null"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.text))
            << c.format << " " << c.value;
}

TEST(StrToFloatTest, AcceptsCommaNumbersWithBlanksAndExponent)
{
    const std::pair<const char*, double> cases[] = {
        {"0,15", 0.15}, {"12,5", 12.5}, {" 2,5 ", 2.5}, {"  2,5  ", 2.5}, {"-3", -3.0}, {"+4,", 4.0},
        {"2,5e3", 2500.0}, {"-0", 0.0},
        {",5", 0.5}, {"1,5E3", 1500.0}, {"1,5e-3", 0.0015}, {"2E+2", 200.0}, {"007", 7.0},
        {"1E-400", 0.0},
    };
    for (const auto& [text, v] : cases) EXPECT_DOUBLE_EQ(StrToFloat(QString::fromUtf8(text)), v) << text;
}

TEST(StrToFloatTest, RejectsPointsJunkAndEmptyTextNamingTheText)
{
    const char* bad[] = {"2.5", "", "   ", "abc", "1,2,3", "1 000", "1E", "E5", ",", "-", "1,5x",
                         "1E400", "INF", "NAN", "0x10", "1.000,5", "\t1"};
    for (const char* text : bad) {
        double v = 42;
        EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(text), v)) << text;
        EXPECT_EQ(v, 42) << "a failed conversion must leave the value alone: " << text;
        try {
            StrToFloat(QString::fromUtf8(text));
            ADD_FAILURE() << "no error for " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(QString::fromUtf8(text)));
        }
    }
}

TEST(PastedDecimalTextTest, TheLastOfCommaAndPointSeparatesTheDecimals)
{
    const std::pair<const char*, const char*> cases[] = {
        // both: the last one is the decimal separator, the other is dropped
        {"1,234.5", "1234,5"}, {"1.234,5", "1234,5"}, {"1,234,567.5", "1234567,5"}, {"1.234.567,5", "1234567,5"},
        {"-1,234.25", "-1234,25"}, {" 1.234,5 ", "1234,5"},
        // a point alone is the decimal point, several are thousands separators
        {"2.5", "2,5"}, {".5", ",5"}, {"1.234.567", "1234567"},
        // commas alone stay as they are
        {"1,5", "1,5"}, {"1,234,567", "1,234,567"}, {"12", "12"}, {"", ""},
    };
    for (const auto& [pasted, taken] : cases) EXPECT_EQ(PastedDecimalText(QString::fromUtf8(pasted)), QString::fromUtf8(taken)) << pasted;
    // What is no number stays no number for the conversion to refuse.
    for (const char* bad : {"1,2.3,4", "1.2,3.4", "2.5 m", "1,2,3.4.5", "abc"}) {
        double v = 0;
        EXPECT_FALSE(TryStrToFloat(PastedDecimalText(QString::fromUtf8(bad)), v)) << bad;
    }
}

TEST(StrToIntTest, DecimalHexSignsAndRange)
{
    const std::pair<const char*, int> good[] = {
        {"0", 0}, {"42", 42}, {"-17", -17}, {"+5", 5}, {"  12", 12}, {"$1F", 31}, {"0x1f", 31},
        {"-$10", -16}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"$FFFFFFFF", -1},
        {"0010", 10},
    };
    for (const auto& [text, v] : good) EXPECT_EQ(StrToInt(QString::fromUtf8(text)), v) << text;

    const char* bad[] = {"", " ", "12 ", "1,5", "x", "2147483648", "-2147483649", "$", "$1G", "--1", "1e3",
                         "$100000000"};
    for (const char* text : bad) {
        EXPECT_EQ(StrToIntDef(QString::fromUtf8(text), -99), -99) << text;
        try {
            StrToInt(QString::fromUtf8(text));
            ADD_FAILURE() << "no error for " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(QString::fromUtf8(text)));
        }
    }
    EXPECT_EQ(IntToStr(-1234567890123LL), "-1234567890123");
}

TEST(RoundTest, HalvesGoToEvenTruncCuts)
{
    const std::pair<double, long long> rounds[] = {
        {12.5, 12}, {13.5, 14}, {-12.5, -12}, {-13.5, -14}, {0.5, 0}, {1.5, 2}, {2.4999, 2},
        {2.5000001, 3}, {-0.4, 0}, {21.026, 21}, {4503599627370497.0, 4503599627370497LL},
    };
    for (const auto& [v, r] : rounds) EXPECT_EQ(Round(v), r) << v;
    EXPECT_EQ(Round(125.0 / 10) * 10, 120);
    EXPECT_EQ(Round(135.0 / 10) * 10, 140);

    EXPECT_EQ(Trunc(2.99), 2);
    EXPECT_EQ(Trunc(-2.99), -2);
    EXPECT_EQ(Trunc(0.0193 * 100 + 0.5), 2);
    EXPECT_THROW(Round(std::nan("")), EInvalidOp);
    EXPECT_THROW(Trunc(1e19), EInvalidOp);
    EXPECT_THROW(Round(-std::numeric_limits<double>::infinity()), EMathError);
}

TEST(NumberMessagesTest, ConversionMessagesFollowTheResourceStringHook)
{
    ResStringHook old = SetResStringHook([](int id, QString& text) {
        if (id != SInvalidFloat) return false;
        text = QStringLiteral("'%s' is not a valid floating point value");
        return true;
    });
    try {
        StrToFloat("x");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x' is not a valid floating point value");
    }
    SetResStringHook(old);
    EXPECT_THROW(StrToInt("x"), EConvertError);
    try {
        StrToFloat("y");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'y' ist kein gültiger Gleitkommawert");
    }
}

}  // namespace
