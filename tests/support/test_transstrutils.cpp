// String constants and comma-separated lists of the language files.
#include "support/TransStrUtils.h"
#include <gtest/gtest.h>

namespace {

QString decode(const char* s) { return DecodeQuotedLiteral(QString::fromUtf8(s)); }

TEST(DecodeQuotedLiteralTest, FormFileNotation)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"'Datei'", "Datei"},
        {"'Zeile 1'#13#10'Zeile 2'", "Zeile 1\r\nZeile 2"},
        {"'It''s'", "It's"},
        {"Datei", "Datei"},                       // unquoted text passes unchanged
        {"''", ""},
        {"''''", "'"},
        {"'L'#228'nge'", "Länge"},
        {"#8364", "€"},                           // the number is the Unicode character
        {"'Preis: '#8364", "Preis: €"},
        {"'a'#", "aÿ"},                           // no digits: character 255
        {"#65#66", "AB"},
        {"'x'#13''", "x\r"},                      // an empty piece after a code adds nothing
        {"a#66c", "aBc"},
        {"'a#b'", "a#b"},                         // inside quotes "#" is a character
        {"'Länge'", "Länge"},
    };
    for (const auto& c : cases) EXPECT_EQ(decode(c.in), QString::fromUtf8(c.out)) << c.in;
}

TEST(DecodeQuotedLiteralTest, MalformedValuesGiveEmptyText)
{
    EXPECT_EQ(decode(""), "");
    EXPECT_EQ(decode("x"), "");          // shorter than two characters
    EXPECT_EQ(decode("'abc'def"), "");   // text after a closing quote
    EXPECT_EQ(decode("'abc' "), "");
    EXPECT_EQ(decode("'abc"), "");       // ends inside quotes
    EXPECT_EQ(decode("'a'#13'b"), "");
    // A number that is no character appends nothing.
    EXPECT_EQ(decode("'a'#55296'b'"), "ab");             // a lone surrogate
    EXPECT_EQ(decode("'a'#99999999999999999999'b'"), "ab");
    EXPECT_EQ(decode("'a'#1114111'b'").size(), 4);       // U+10FFFF is the last one
}

TEST(DecodeQuotedLiteralTest, NumbersBelow256OfAWindows1252TextAreThatCodePage)
{
    const auto ansi = [](const char* s) { return DecodeQuotedLiteral(QString::fromUtf8(s), CharCodes::Windows1252); };
    const struct {
        const char* in;
        const char* ansi;
        const char* unicode;
    } cases[] = {
        {"#128", "€", "\u0080"},
        {"'10 '#150' 20'", "10 – 20", "10 \u0096 20"},
        {"#132'Zitat'#147", "„Zitat“", "\u0084Zitat\u0093"},
        {"#159#140#156", "ŸŒœ", "\u009F\u008C\u009C"},
        {"'m'#179'/h'", "m³/h", "m³/h"},            // from 160 up the two agree
        {"'L'#228'nge'", "Länge", "Länge"},
        {"#65#13#10", "A\r\n", "A\r\n"},
        {"'a'#", "aÿ", "aÿ"},                       // no digits: 255 either way
        {"#8364", "€", "€"},                        // from 256 up the Unicode character
        {"#338", "Œ", "Œ"},
        {"'a#150'", "a#150", "a#150"},              // inside quotes "#" is a character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ansi(c.in), QString::fromUtf8(c.ansi)) << c.in;
        EXPECT_EQ(decode(c.in), QString::fromUtf8(c.unicode)) << c.in;
    }
    // The undefined bytes stay the control characters the file reader gives them.
    EXPECT_EQ(ansi("#129#141"), QString(QChar(0x81)) + QChar(0x8D));
    // Malformed stays malformed.
    EXPECT_EQ(ansi("'abc'x#150"), QString());
    EXPECT_EQ(ansi("'abc"), QString());
    EXPECT_EQ(ansi("'a'#55296'b'"), QStringLiteral("ab"));
}

TEST(SplitDelimitedTextTest, ItemsQuotesAndBlanks)
{
    const struct {
        const char* in;
        QStringList out;
    } cases[] = {
        {"'first line','second line'", {"first line", "second line"}},
        {"a,b,c", {"a", "b", "c"}},
        {"a b", {"a", "b"}},                         // an unquoted blank separates
        {"'a, b' c", {"a, b", "c"}},
        {"'It''s','x'", {"It's", "x"}},
        {"", {}},
        {"   ", {}},
        {"a,", {"a", ""}},                           // a delimiter at the end adds an empty item
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {" 'a' , 'b' ", {"a", "b"}},
        {"'',''", {"", ""}},
        {"'open", {"open"}},                         // an unterminated quote runs to the end
        {"'abc'def", {"abc", "def"}},
        {"'Branch, 90°'", {"Branch, 90°"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitDelimitedText(QString::fromUtf8(c.in)), c.out) << c.in;
    EXPECT_EQ(SplitDelimitedText("a;b c", ';', '"'), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitDelimitedText("\"a;b\";c", ';', '"'), QStringList({"a;b", "c"}));
}

}  // namespace
