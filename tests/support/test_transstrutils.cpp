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
