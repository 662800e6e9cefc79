#include "platform/Exceptions.h"
#include "platform/FormResource.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

DfmObject parse(const QString& text) { return ParseFormResource(text, QStringLiteral("Test.dfm")); }

// The message of the error that parsing `text` throws; empty when none.
QString parseError(const QString& text)
{
    try {
        parse(text);
    } catch (const EFormResourceError& e) {
        return e.Message();
    }
    return QString();
}

const char* const MainFormText = R"(object MainForm: TMainForm
  Left = -8
  Top = $1F
  BorderStyle = bsSingle
  Caption = 'Strombaurechner '#60'unbenannt'#62
  ClientHeight = 380
  Font.Style = [fsBold, fsItalic]
  Font.Height = -11
  Scale = 1.5
  HelpContext = 260
  OldCreateOrder = False
  object TSTreeView: TTreeView
    Hint = 'It''s a tree'
    Font.Color = clBlue
    ReadOnly = True
  end
  object SpeedBar1: TSpeedBar
    Sections = <
      item
        Caption = 'Datei'
      end
      item
        Caption = 'Bearbeiten'
      end>
    object LogoImage: TImage
      Picture.Data = {
        0A0B0C
        0D0E0F}
    end
  end
  object ZetaBogenGlattGrid: TCellGrid
    Cells = (
      0
      0
      'R / D'
      1
      0
      '0,5')
    PropFixedCol = ()
  end
  object MessStrHolder1: TStrHolder
    Strings.Strings = (
      'Zeile eins, lang ' +
        'und fortgesetzt'
      'Zweite'#13#10'Zeile'
      '')
  end
end
)";

}  // namespace

TEST(FormResourceParseTest, ReadsEveryValueKind)
{
    const DfmObject form = parse(QString::fromUtf8(MainFormText));
    EXPECT_EQ(form.name, "MainForm");
    EXPECT_EQ(form.className, "TMainForm");
    EXPECT_EQ(form.fileName, "Test.dfm");
    EXPECT_EQ(form.line, 1);
    ASSERT_EQ(form.children.size(), 4);

    EXPECT_EQ(form.property("left")->value.integer, -8);
    EXPECT_EQ(form.property("Top")->value.integer, 31);
    EXPECT_EQ(form.property("BorderStyle")->value.kind, DfmValue::Identifier);
    EXPECT_EQ(form.property("BorderStyle")->value.text, "bsSingle");
    EXPECT_EQ(form.property("Caption")->value.text, "Strombaurechner <unbenannt>");
    EXPECT_EQ(form.property("Caption")->line, 5);
    const DfmValue& style = form.property("Font.Style")->value;
    EXPECT_EQ(style.kind, DfmValue::Set);
    EXPECT_EQ(style.setItems, QStringList({"fsBold", "fsItalic"}));
    EXPECT_EQ(form.property("Font.Height")->value.integer, -11);
    EXPECT_EQ(form.property("Scale")->value.kind, DfmValue::Float);
    EXPECT_DOUBLE_EQ(form.property("Scale")->value.number, 1.5);
    EXPECT_EQ(form.property("nothing"), nullptr);

    const DfmObject& tree = form.children[0];
    EXPECT_EQ(tree.line, 12);
    EXPECT_EQ(tree.property("Hint")->value.text, "It's a tree");

    const DfmObject* speedBar = form.findChild("speedbar1");
    ASSERT_NE(speedBar, nullptr);
    const DfmValue& sections = speedBar->property("Sections")->value;
    ASSERT_EQ(sections.kind, DfmValue::Collection);
    ASSERT_EQ(sections.collection.size(), 2);
    EXPECT_EQ(sections.collection[1][0].name, "Caption");
    EXPECT_EQ(sections.collection[1][0].value.text, "Bearbeiten");

    // Found at depth two.
    const DfmObject* logo = form.findChild("LogoImage");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->property("Picture.Data")->value.bytes, QByteArray::fromHex("0A0B0C0D0E0F"));

    const DfmValue& cells = form.findChild("ZetaBogenGlattGrid")->property("Cells")->value;
    ASSERT_EQ(cells.kind, DfmValue::List);
    ASSERT_EQ(cells.items.size(), 6);
    EXPECT_EQ(cells.items[0].kind, DfmValue::Integer);
    EXPECT_EQ(cells.items[2].kind, DfmValue::String);
    EXPECT_EQ(cells.items[2].text, "R / D");
    EXPECT_EQ(cells.items[3].integer, 1);
    EXPECT_EQ(cells.items[5].text, "0,5");
    EXPECT_TRUE(form.findChild("ZetaBogenGlattGrid")->property("PropFixedCol")->value.items.isEmpty());

    const DfmValue& strings = form.findChild("MessStrHolder1")->property("Strings.Strings")->value;
    ASSERT_EQ(strings.items.size(), 3);
    EXPECT_EQ(strings.items[0].text, "Zeile eins, lang und fortgesetzt");
    EXPECT_EQ(strings.items[1].text, "Zweite\r\nZeile");
    EXPECT_EQ(strings.items[2].text, "");
}

TEST(FormResourceParseTest, ReadsInheritedInlineAndUnnamedObjects)
{
    const DfmObject form = parse(
        "inherited Dlg: TDlg\n"
        "  inline Frame1: TFrame1 [2]\n"
        "  end\n"
        "  object TLabel\n"
        "  end\n"
        "end");
    EXPECT_TRUE(form.inherited);
    ASSERT_EQ(form.children.size(), 2);
    EXPECT_TRUE(form.children[0].isInline);
    EXPECT_EQ(form.children[0].index, 2);
    EXPECT_EQ(form.children[1].name, "");
    EXPECT_EQ(form.children[1].className, "TLabel");
}

TEST(FormResourceParseTest, ReadsCharacterCodesAndUnicode)
{
    const DfmObject form = parse(
        "object F: TF\n"
        "  A = #$41'b'#228\n"
        "  B = 'Zubehör'\n"
        "  C = #8364\n"
        "  D = ''\n"
        "  E = 1.5E3\n"
        "  F = -$10\n"
        "end\n");
    EXPECT_EQ(form.property("A")->value.text, QString::fromUtf8("Abä"));
    EXPECT_EQ(form.property("B")->value.text, QString::fromUtf8("Zubehör"));
    EXPECT_EQ(form.property("C")->value.text, QString::fromUtf8("€"));
    EXPECT_EQ(form.property("D")->value.kind, DfmValue::String);
    EXPECT_TRUE(form.property("D")->value.text.isEmpty());
    EXPECT_DOUBLE_EQ(form.property("E")->value.number, 1500.0);
    EXPECT_EQ(form.property("F")->value.integer, -16);
}

TEST(FormResourceParseTest, DamagedTextNamesFileLineAndReason)
{
    struct Case {
        const char* text;
        const char* expected;  // start of the message
    };
    const Case cases[] = {
        {"", "Test.dfm(1): "},
        {"   \n\n", "Test.dfm(3): "},
        {"object F: TF\n  Caption = 'open\nend\n", "Test.dfm(2): unterminated string"},
        {"object F: TF\n  Caption = 'a'\n", "Test.dfm(3): 'end' of 'F' (line 1) missing"},
        {"object F: TF\n  A = 1\n  Caption = #\nend", "Test.dfm(3): invalid character code"},
        {"object F: TF\n  Caption = #99999999\nend", "Test.dfm(2): invalid character code"},
        {"object F: TF\n  Data = {\n  0A0\n  }\nend", "Test.dfm(2): odd number of hex digits"},
        {"object F: TF\n  Data = { 0G }\nend", "Test.dfm(2): invalid binary data"},
        {"object F: TF\n  Caption 'x'\nend", "Test.dfm(2): '=' expected"},
        {"object F: TF\n  A = 12ab\nend", "Test.dfm(2): invalid number"},
        {"object F: TF\n  A = 99999999999999999999\nend", "Test.dfm(2): number out of range"},
        {"object F: TF\n  A = (1 2\nend", "Test.dfm(3): ')' of the list of line 2 missing"},
        {"object F: TF\n  A = <\n    thing\n  end>\nend", "Test.dfm(3): 'item' expected"},
        {"object F: TF\n  A = [fsBold fsItalic]\nend", "Test.dfm(2): ',' or ']' expected"},
        {"object F: TF\n  A = 'x' +\nend", "Test.dfm(3): string expected after '+'"},
        {"object F: TF\nend\nend", "Test.dfm(3): text after the final 'end'"},
        {"thing F: TF\nend", "Test.dfm(1): 'object' expected"},
        {"object F: TF\n  A = ?\nend", "Test.dfm(2): invalid property value"},
    };
    for (const Case& c : cases) {
        const QString message = parseError(QString::fromUtf8(c.text));
        EXPECT_TRUE(message.startsWith(QString::fromUtf8(c.expected))) << c.text << " -> " << message.toStdString();
    }
}

TEST(FormResourceParseTest, DeepNestingIsRefusedNotCrashing)
{
    const QString lists = "object F: TF\n  A = " + QString(100000, u'(') + "\nend";
    EXPECT_TRUE(parseError(lists).contains("nesting too deep"));

    QString objects;
    for (int i = 0; i < 5000; ++i) objects += QStringLiteral("object O%1: T\n").arg(i);
    EXPECT_TRUE(parseError(objects).contains("nesting too deep"));

    // Real forms nest far less, and parse.
    QString fine = "object F: TF\n  A = " + QString(50, u'(') + QString(50, u')') + "\nend";
    EXPECT_TRUE(parseError(fine).isEmpty());
}

TEST(FormResourceWriteTest, RoundTripGivesTheSameTree)
{
    const DfmObject form = parse(QString::fromUtf8(MainFormText));
    const QString written = WriteFormResource(form);
    const DfmObject again = parse(written);
    EXPECT_TRUE(SameFormTree(form, again)) << written.toStdString();
    // Writing twice is stable.
    EXPECT_EQ(WriteFormResource(again), written);
}

TEST(FormResourceWriteTest, RoundTripOfAwkwardValues)
{
    DfmObject root;
    root.name = "F";
    root.className = "TF";
    root.index = 3;
    auto add = [&](const QString& name, const DfmValue& v) { root.properties.append(DfmProperty{name, v, 0}); };
    add("Quotes", DfmValue::fromString("it's ''quoted'' #13"));
    add("Controls", DfmValue::fromString(QString("a\r\nb\tc") + QChar(0) + "d"));
    add("Umlaut", DfmValue::fromString(QString::fromUtf8("Größe € 😀")));
    add("Empty", DfmValue::fromString(QString()));
    add("Big", DfmValue::fromInt(-9223372036854775807LL));
    DfmValue f;
    f.kind = DfmValue::Float;
    f.number = 0.1;
    add("Float", f);
    f.number = 1e20;
    add("Whole", f);
    DfmValue set;
    set.kind = DfmValue::Set;
    add("NoSet", set);
    DfmValue nested = DfmValue::emptyList();
    nested.items.append(DfmValue::emptyList());
    nested.items.append(DfmValue::fromIdent("clRed"));
    add("Nested", nested);
    DfmValue bin;
    bin.kind = DfmValue::Binary;
    bin.bytes = QByteArray(100, '\xAB');
    add("Bin", bin);
    DfmValue coll;
    coll.kind = DfmValue::Collection;
    coll.collection.append(QList<DfmProperty>());
    coll.collection.append({DfmProperty{"Inner", nested, 0}});
    add("Coll", coll);

    const QString written = WriteFormResource(root);
    const DfmObject again = parse(written);
    EXPECT_TRUE(SameFormTree(root, again)) << written.toStdString();
    EXPECT_EQ(again.property("Umlaut")->value.text, QString::fromUtf8("Größe € 😀"));
    EXPECT_EQ(again.property("Controls")->value.text.size(), 8);
    EXPECT_EQ(again.property("Float")->value.number, 0.1);
    EXPECT_EQ(again.property("Whole")->value.kind, DfmValue::Float);
}

TEST(FormResourceWriteTest, SameFormTreeSeesDifferences)
{
    const DfmObject a = parse("object F: TF\n  A = 1\n  object G: TG\n    B = 'x'\n  end\nend");
    EXPECT_TRUE(SameFormTree(a, parse("object F: TF\n\n  A = 1\n  object G: TG\n    B = 'x'\n  end\nend")));
    EXPECT_FALSE(SameFormTree(a, parse("object F: TF\n  A = 2\n  object G: TG\n    B = 'x'\n  end\nend")));
    EXPECT_FALSE(SameFormTree(a, parse("object F: TF\n  A = 1\n  object G: TG\n    B = 'y'\n  end\nend")));
    EXPECT_FALSE(SameFormTree(a, parse("object F: TF\n  A = '1'\n  object G: TG\n    B = 'x'\n  end\nend")));
    EXPECT_FALSE(SameFormTree(a, parse("object F: TF\n  A = 1\nend")));
}

TEST(FormResourceLoadTest, MissingOrBrokenResourceIsAnError)
{
    try {
        LoadFormResource(":/forms/DoesNotExist.dfm");
        ADD_FAILURE() << "no error";
    } catch (const EFormResourceError& e) {
        EXPECT_TRUE(e.Message().contains("DoesNotExist.dfm"));
    }
}

TEST(FormResourceLoadTest, ReadsUtf8TextFromAFile)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("Good.dfm");
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("object F: TF\n  Caption = 'Zubeh\xC3\xB6r'\nend\n");
    f.close();
    EXPECT_EQ(LoadFormResource(good).property("Caption")->value.text, QString::fromUtf8("Zubehör"));
    EXPECT_EQ(LoadFormResource(good).fileName, good);

    const QString bad = dir.filePath("Bad.dfm");
    QFile b(bad);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write("object F: TF\n  Caption = 'Zubeh\xF6r'\nend\n");
    b.close();
    EXPECT_THROW(LoadFormResource(bad), EFormResourceError);
}
