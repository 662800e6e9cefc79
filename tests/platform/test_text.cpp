#include "PrintQString.h"
#include "platform/Cp1252.h"
#include "platform/ResourceStrings.h"
#include "platform/ShortStr.h"
#include <gtest/gtest.h>

namespace {

TEST(Cp1252Test, DecodesTheSpecialRangeAndLatin1)
{
    EXPECT_EQ(DecodeCp1252(QByteArray("L\xFC" "ftung")), QStringLiteral("Lüftung"));
    EXPECT_EQ(DecodeCp1252(QByteArray("\x80\x84\x93\x96\x9F\xA0\xDF\xFF")), QStringLiteral("€„“–Ÿ\u00A0ßÿ"));
    // The undefined bytes stay the control characters of the same number.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(DecodeCp1252(QByteArray(1, char(b))), QString(QChar(b))) << int(b);
}

TEST(Cp1252Test, AllBytesRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const QString text = DecodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    QByteArray back;
    ASSERT_TRUE(TryEncodeCp1252(text, back));
    EXPECT_EQ(back, all);
}

TEST(Cp1252Test, RefusesCharactersItCannotHold)
{
    QByteArray out;
    qsizetype bad = -1;
    EXPECT_FALSE(TryEncodeCp1252(QStringLiteral("Maß Ω"), out, &bad));
    EXPECT_EQ(bad, 4);
    EXPECT_FALSE(CanEncodeCp1252(QString(QChar(0x80))));  // C1 control whose byte means '€'
    EXPECT_TRUE(CanEncodeCp1252(QString(QChar(0x81))));
    EXPECT_FALSE(CanEncodeCp1252(QStringLiteral("\U0001F600")));
    EXPECT_TRUE(CanEncodeCp1252(QStringLiteral("Šœž€")));
    EXPECT_EQ(EncodeCp1252Lossy(QStringLiteral("a\U0001F600bΩ")), QByteArray("a?b?"));
    EXPECT_EQ(DescribeCharacter(QStringLiteral("xΩ"), 1), QStringLiteral("'Ω' (U+03A9)"));
    EXPECT_EQ(DescribeCharacter(QStringLiteral("\U0001F600"), 0), QStringLiteral("'\U0001F600' (U+1F600)"));
}

TEST(ShortStrTest, CutsToItsWidth)
{
    ShortStr<5> plz = "1234567";
    EXPECT_EQ(plz.str(), "12345");
    EXPECT_EQ(plz.length(), 5);
    plz = QStringLiteral("Äö");
    EXPECT_EQ(plz.str(), QStringLiteral("Äö"));
    ShortStr<10> zeta = QStringLiteral("0,123456789012");
    EXPECT_EQ(zeta.str(), "0,12345678");
    ShortStr<3> count = zeta;  // between widths
    EXPECT_EQ(count.str(), "0,1");
    ShortStr<15> empty;
    EXPECT_TRUE(empty.isEmpty());
    // A surrogate pair is never cut in half.
    ShortStr<3> emoji = QStringLiteral("ab\U0001F600");
    EXPECT_EQ(emoji.str(), "ab");
    ShortStr<4> emoji4 = QStringLiteral("ab\U0001F600c");
    EXPECT_EQ(emoji4.str(), QStringLiteral("ab\U0001F600"));
}

TEST(ResourceStringsTest, BuiltInTextsHookAndFormatting)
{
    EXPECT_EQ(LoadResString(SMsgDlgWarning), "Warnung");
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Ja");
    EXPECT_EQ(LoadResString(123456), "");
    EXPECT_EQ(FmtLoadResString(SIniFileWriteError, {"C:/x.STB"}), "In C:/x.STB kann nicht geschrieben werden");

    ResStringHook old = SetResStringHook([](int id, QString& text) {
        if (id == SMsgDlgWarning) { text = "Warning"; return true; }
        if (id == 1014) { text = "of"; return true; }
        return false;
    });
    EXPECT_EQ(LoadResString(SMsgDlgWarning), "Warning");
    EXPECT_EQ(LoadResString(SMsgDlgError), "Fehler");  // hook declined
    EXPECT_EQ(LoadStr(1014), "of");                    // the string table asks the hook too
    EXPECT_EQ(LoadStr(1015), "Seite");
    SetResStringHook(old);
    EXPECT_EQ(LoadResString(SMsgDlgWarning), "Warnung");
    EXPECT_EQ(LoadStr(1014), "von");

    EXPECT_EQ(LoadStr(1001), "Druckvorschau");
    EXPECT_EQ(LoadStr(1010), QStringLiteral("nächste Seite"));
    EXPECT_EQ(LoadStr(1002), "");

    EXPECT_EQ(FormatStr("%s und %s, 100%%", {"a", "%s"}), "a und %s, 100%");
    EXPECT_EQ(FormatStr("%s-%s", {"nur"}), "nur-");
    EXPECT_EQ(FormatStr("ohne", {"x"}), "ohne");
}

}  // namespace
