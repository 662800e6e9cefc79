// The pressure-loss report on its recorded pages: the frame, the body rows
// of each duct shape, the fitting lists, paging, the totals and the logo.
#include "test_bericht_hilfen.h"

#include "common/TestSupport.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include <QFile>
#include <QImage>

using namespace bericht_test;

namespace {

// The paper position of a report coordinate: margins 10 mm left and top
// (kTop).
constexpr double kLeft = 10.0;
// Column texts start 4 pixels (96 dpi) inside their column.
constexpr double kInset = 4 * 25.4 / 96;
// Positions are whole pixels of the 96-dpi recording surface.
constexpr double kPx = 25.4 / 96 + 0.01;
// "Vorgaben" as its 15 mm column shows it.
QString Vorgaben() { return Clip(QStringLiteral("Vorgaben"), FrameFont(), 15.0); }

// Positions of the frame on paper that do not depend on the font.
TEST(BerichtRahmen, FrameOfThePageAtItsPlaces)
{
    ReportRun r(Projekt({Strecke(QStringLiteral("Zuluft"), "1")}));
    ASSERT_TRUE(r.run());
    ASSERT_EQ(r.rec.pages.size(), 1u);
    const Page& p = r.rec.pages[0];

    const Text* tel = p.find(QStringLiteral("Tel:"));
    ASSERT_TRUE(tel);
    EXPECT_NEAR(tel->x, kLeft + kInset, kPx);
    EXPECT_NEAR(tel->y, kTop + 23.0, 0.3);
    EXPECT_EQ(tel->font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(tel->font.Size(), 10);
    // The project's telephone beside it, column 2 at 15 mm.
    const Text* telNr = p.find(QStringLiteral("0221 4711"));
    ASSERT_TRUE(telNr);
    EXPECT_NEAR(telNr->x, kLeft + 15.0 + kInset, kPx);
    EXPECT_NEAR(telNr->y, tel->y, 0.01);

    const double lh = tel->height();
    const Text* an = p.find(QStringLiteral("An:"));
    ASSERT_TRUE(an);
    EXPECT_NEAR(an->y, tel->y + 3 * lh, 0.1);
    EXPECT_NEAR(an->y, 45.0, 0.3);
    const Text* datum = p.find(QStringLiteral("Datum:"));
    ASSERT_TRUE(datum);
    EXPECT_NEAR(datum->x, kLeft + 122.0 + kInset, kPx);
    const Text* tag = p.find(QStringLiteral("09.03.2026"));
    ASSERT_TRUE(tag);
    EXPECT_NEAR(tag->x, kLeft + 136.0 + kInset, kPx);
    EXPECT_NEAR(tag->y, an->y, 0.01);
    EXPECT_TRUE(p.find(QStringLiteral("Bauamt Köln")));

    const Text* projekt = p.find(QStringLiteral("Projekt:"));
    ASSERT_TRUE(projekt);
    EXPECT_NEAR(projekt->y, an->y + 6 * lh, 0.1);
    EXPECT_NEAR(projekt->y, 68.8, 0.3);
    const Text* vorgaben = p.find(Vorgaben());
    const Text* ergebnisse = p.find(QStringLiteral("Ergebnisse"));
    ASSERT_TRUE(vorgaben && ergebnisse);
    EXPECT_NEAR(vorgaben->y, projekt->y + 2 * lh, 0.1);
    EXPECT_NEAR(ergebnisse->x, kLeft + 80.0 + kInset, kPx);
    // The rule above the headings, the rule below them.
    bool above = false, below = false;
    for (const Line& l : p.lines) {
        if (std::abs(l.y1 - (vorgaben->y - 1.0)) < kPx && std::abs(l.x2 - l.x1 - 192.0) < 0.05) above = true;
        if (std::abs(l.y1 - (vorgaben->y + 5.0)) < kPx && std::abs(l.x2 - l.x1 - 192.0) < 0.05) below = true;
    }
    EXPECT_TRUE(above);
    EXPECT_TRUE(below);

    // Title centred in the header band at 13 mm, Arial 16 bold.
    const Text* titel = p.find(QStringLiteral("Strombauberechnung"));
    ASSERT_TRUE(titel);
    EXPECT_NEAR(titel->y, kTop + 13.0, 0.3);
    EXPECT_NEAR(titel->x + titel->width() / 2, kLeft + 96.0, 0.3);
    EXPECT_EQ(titel->font.Size(), 16);
    EXPECT_TRUE(titel->font.Style() & fsBold);

    // Footer: the user's address at 267 mm, the rule at 266,5 mm.
    const Text* fuss = p.find(QStringLiteral("Planungsbüro Muster, Hauptstraße 1, Düsseldorf"));
    ASSERT_TRUE(fuss);
    EXPECT_NEAR(fuss->y, kTop + 267.0, 0.3);
    EXPECT_NEAR(fuss->x, kLeft, kPx);
    EXPECT_EQ(fuss->font.Size(), 8);
    bool rule = false;
    for (const Line& l : p.lines)
        if (std::abs(l.y1 - (kTop + 266.5)) < kPx && std::abs(l.y2 - l.y1) < 0.01) rule = true;
    EXPECT_TRUE(rule);

    // The body begins at 80 mm.
    const Text* name = p.find(QStringLiteral("Zuluft"));
    ASSERT_TRUE(name);
    EXPECT_NEAR(name->y, kTop + 80.0, 0.3);
    EXPECT_TRUE(name->font.Style() & fsUnderline);

    // Page 1's frame is recorded once.
    EXPECT_EQ(p.count(QStringLiteral("Tel:")), 2);  // the project's and the sender's
    EXPECT_EQ(p.count(QStringLiteral("An:")), 1);
    EXPECT_EQ(p.count(QStringLiteral("Strombauberechnung")), 1);
}

TEST(BerichtRahmen, AddresseeLinesWithAndWithoutSecondName)
{
    for (bool name2 : {false, true}) {
        SCOPED_TRACE(name2);
        TProjekt pr = Projekt({Strecke(QStringLiteral("Zuluft"), "1")});
        if (name2) pr.Projektdaten.Name2 = "Hochbau";
        ReportRun r(pr);
        ASSERT_TRUE(r.run());
        const Page& p = r.rec.pages[0];
        const Text* an = p.find(QStringLiteral("An:"));
        const Text* von = p.find(QStringLiteral("von:"));
        ASSERT_TRUE(an && von);
        const double lh = an->height();
        EXPECT_NEAR(von->y, an->y + lh, 0.05);
        EXPECT_NEAR(von->x, kLeft + 122.0 + kInset, kPx);
        // Sender values in column 4, each on its line.
        const QString sender[4] = {QStringLiteral("Hans Muster"), QStringLiteral("0211 123"),
                                   QStringLiteral("0211 124"), QStringLiteral("info@muster.de")};
        const QString labels[4] = {QStringLiteral("von:"), QStringLiteral("Tel:"), QStringLiteral("Fax:"),
                                   QStringLiteral("eMail:")};
        for (int i = 0; i < 4; ++i) {
            const Text* s = p.find(sender[i]);
            ASSERT_TRUE(s) << sender[i].toStdString();
            EXPECT_NEAR(s->y, an->y + (i + 1) * lh, 0.05);
            EXPECT_NEAR(s->x, kLeft + 136.0 + kInset, kPx);
            const std::vector<const Text*> row = p.row(s->y);
            bool label = false;
            for (const Text* t : row) label = label || t->text == labels[i];
            EXPECT_TRUE(label) << labels[i].toStdString();
        }
        // The addressee lines in column 2.
        const QStringList left = name2 ? QStringList{QStringLiteral("Hochbau"), QStringLiteral("Frau Weber"),
                                                     QStringLiteral("Domstraße 7"), QStringLiteral("50667 Köln")}
                                       : QStringList{QStringLiteral("Frau Weber"), QStringLiteral("Domstraße 7"),
                                                     QStringLiteral("50667 Köln")};
        for (int i = 0; i < left.size(); ++i) {
            const Text* t = p.find(left[i]);
            ASSERT_TRUE(t) << left[i].toStdString();
            EXPECT_NEAR(t->y, an->y + (i + 1) * lh, 0.05);
            EXPECT_NEAR(t->x, kLeft + 15.0 + kInset, kPx);
        }
        // Without Name2 the e-mail line holds nothing in column 2.
        const Text* mail = p.find(QStringLiteral("info@muster.de"));
        int inColumn2 = 0;
        for (const Text* t : p.row(mail->y))
            if (std::abs(t->x - (kLeft + 15.0 + kInset)) < kPx && !t->text.isEmpty()) ++inColumn2;
        EXPECT_EQ(inColumn2, name2 ? 1 : 0);
    }
}

TEST(BerichtRahmen, FooterSentenceOrTheUsersText)
{
    const QString disclaimer =
        QStringLiteral("Alle Angaben sind unverbindlich und können ohne vorherige Nachricht geändert werden.");
    for (const QString& hl : {QString(), QStringLiteral("Muster GmbH - Lüftung und Klima")}) {
        ReportRun r(Projekt({Strecke(QStringLiteral("Zuluft"), "1")}));
        r.user.HL = hl;
        ASSERT_TRUE(r.run());
        const Page& p = r.rec.pages[0];
        const QString expected = hl.isEmpty() ? QStringLiteral("Berechnet mit dem Strombaurechner. ") + disclaimer
                                              : hl + QLatin1Char(' ') + disclaimer;
        const Text* line2 = p.find(expected);
        ASSERT_TRUE(line2) << expected.toStdString();
        EXPECT_EQ(line2->font.Size(), 6);
        EXPECT_NEAR(line2->x, kLeft, kPx);
        // 277 mm less the line height of the 10-point print font.
        const Text* tel = p.find(QStringLiteral("Tel:"));
        EXPECT_NEAR(line2->y, kTop + 277.0 - tel->height(), 0.3);
    }
}

TEST(BerichtRahmen, FooterJoinsOnlyTheAddressPartsThatAreThere)
{
    const struct {
        const char *firma, *strasse, *ort, *line;
    } cases[] = {{"Muster", "Hauptstraße 1", "Köln", "Muster, Hauptstraße 1, Köln"},
                 {"", "", "", ""},
                 {"Muster", "", "", "Muster"},
                 {"", "Hauptstraße 1", "Köln", "Hauptstraße 1, Köln"},
                 {"Muster", " ", "Köln", "Muster, Köln"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ReportRun r(Projekt({Strecke(QStringLiteral("Zuluft"), "1")}));
        r.user.Firma = QString::fromUtf8(c.firma);
        r.user.Strasse = QString::fromUtf8(c.strasse);
        r.user.Ort = QString::fromUtf8(c.ort);
        ASSERT_TRUE(r.run());
        const Page& p = r.rec.pages[0];
        QStringList footer;
        for (const Text& t : p.texts)
            if (std::abs(t.y - (kTop + 267.0)) < 0.3 && t.font.Size() == 8 && !t.text.isEmpty()) footer << t.text;
        EXPECT_EQ(footer, *c.line ? QStringList{QString::fromUtf8(c.line)} : QStringList{});
    }
}

TEST(BerichtRahmen, PageNumbersWithTheTotalOnEveryPage)
{
    std::vector<TTeilstrecke> viele;
    for (int k = 1; k <= 30; ++k) viele.push_back(Strecke(QStringLiteral("TS %1").arg(k), "2"));
    ReportRun r(Projekt(viele));
    ASSERT_TRUE(r.run());
    const int n = int(r.rec.pages.size());
    ASSERT_GE(n, 3);
    EXPECT_EQ(r.pages, n);
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i + 1);
        const Page& p = r.rec.pages[size_t(i)];
        // The page number is recorded with the page's number; the replay
        // puts the total in.
        int numbers = 0;
        for (const Text& t : p.texts)
            if (t.text.startsWith(QStringLiteral("Seite "))) {
                ++numbers;
                EXPECT_EQ(t.font.Size(), 8);
                EXPECT_NEAR(t.x + t.width() / 2, kLeft + (797.0 / 96 * 25.4 - 18.0) / 2, 0.5);
            }
        EXPECT_EQ(numbers, 1);
        // Every page has its frame exactly once and one logo-free header.
        EXPECT_EQ(p.count(QStringLiteral("An:")), 1);
        EXPECT_EQ(p.count(QStringLiteral("Strombauberechnung")), 1);
        EXPECT_EQ(p.count(Vorgaben()), 1);
        EXPECT_TRUE(p.pictures.empty());
        // Body lines end by 276 mm on paper, above the footer rule.
        for (const Text& t : p.texts) {
            if (t.y > kTop + 266.0) continue;  // footer and page number
            if (t.y < kTop + 80.0) continue;   // frame
            EXPECT_LE(t.y + t.height(), 276.0 + 0.01) << t.text.toStdString();
        }
    }
}

TEST(BerichtRahmen, PrintObjectSetUp)
{
    ReportRun r(Projekt({Strecke(QStringLiteral("Zuluft"), "1")}));
    bool checked = false;
    ASSERT_TRUE(r.run([&](TStrombauBericht& b) {
        b.NachSetup = [&](TPrintObject& po) {
            checked = true;
            EXPECT_EQ(po.objectName(), QStringLiteral("Strombau_Prn"));
            EXPECT_EQ(po.Measurement(), mtMM);
            EXPECT_EQ(po.Orientation(), 0);
            EXPECT_EQ(po.PaperSize(), PAPER_A4);
            EXPECT_TRUE(po.Preview());  // the preview command
            EXPECT_TRUE(po.PrintPageNumbers());
            EXPECT_TRUE(po.ShowTotalPages());
            EXPECT_TRUE(po.ClipColumns());
            EXPECT_FALSE(po.Transparent());
            EXPECT_TRUE(po.ShowPrintDialog());
            EXPECT_FALSE(po.ShowProgress());
            EXPECT_FALSE(po.UseLargeFontAdjust());
            EXPECT_TRUE(po.AutomaticPaging());
            EXPECT_EQ(po.Title(), QStringLiteral("Druckverlustberechnungen drucken"));
            EXPECT_TRUE(bool(po.OnNewPage));
        };
    }));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(r.rec.shown);
    // The user data were read once for the run.
    EXPECT_EQ(r.userReads, 1);
}

// ---- body ------------------------------------------------------------------------

TEST(BerichtRumpf, RowsOfEachDuctShape)
{
    TTeilstrecke rund = Strecke(QStringLiteral("Rund"), "1", "0");
    TTeilstrecke eckig = Strecke(QStringLiteral("Eckig"), "2", "3");
    TTeilstrecke oval = Strecke(QStringLiteral("Oval"), "3", "5");
    ReportRun r(Projekt({rund, eckig, oval}));
    ASSERT_TRUE(r.run());
    ASSERT_EQ(r.rec.pages.size(), 1u);
    const Page& p = r.rec.pages[0];

    using V = QStringList;
    // Column 3 is 7 mm wide.
    const QString m3h = Clip(QStringLiteral("m³/h"), BodyFont(), 7.0);
    EXPECT_EQ(RowOf(p, QStringLiteral("Volumenstrom")),
              (V{"Volumenstrom", "1250", m3h, "Strömungsgeschwindigkeit", "7,07", "m/s"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Teilstreckenlänge")),
              (V{"Teilstreckenlänge", "12,5", "m", "hydr. Durchmesser", "0,25", "m"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Materiallart")),
              (V{"Materiallart", "Blechkanal gefalzt", "Querschnittsfläche", "0,05", "m²"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Kanalform")), (V{"Kanalform", "Rundrohr", "", "Druckverl. Rohr", "27,13", "Pa"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Durchmesser")),
              (V{"Durchmesser", "250", "mm", "Druckverl. Einb./Formst.", "12,40", "Pa"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Druckverl. Teilstr. gesamt")), (V{"Druckverl. Teilstr. gesamt", "39,53", "Pa"}));
    // Only the round section has a diameter row; the other two width and height.
    EXPECT_EQ(p.count(QStringLiteral("Durchmesser")), 1);
    EXPECT_EQ(p.count(QStringLiteral("Kanal-Breite")), 2);
    EXPECT_EQ(p.count(QStringLiteral("Kanal-Höhe")), 2);
    for (int n = 0; n < 2; ++n)
        EXPECT_EQ(RowOf(p, QStringLiteral("Kanal-Höhe"), n),
                  (V{"Kanal-Höhe", "150", "mm", "Druckverl. Teilstr. gesamt", "39,53", "Pa"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Materiallart"), 1)[1], QStringLiteral("Holzkanal"));
    EXPECT_EQ(RowOf(p, QStringLiteral("Materiallart"), 2)[1], QStringLiteral("Gemauerter Kanal"));
    EXPECT_EQ(RowOf(p, QStringLiteral("Kanalform"), 1)[1], QStringLiteral("Rechteckkanal"));
    // "ovaler Rechteckkanal" is wider than the 30 mm column: it prints whole,
    // ending where the values end, and takes the room left of the column.
    ASSERT_LT(Clip(QStringLiteral("ovaler Rechteckkanal"), BodyFont(), 30.0).size(), 20);
    EXPECT_EQ(RowOf(p, QStringLiteral("Kanalform"), 2)[1], QStringLiteral("ovaler Rechteckkanal"));
    const Text* ovalName = p.find(QStringLiteral("ovaler Rechteckkanal"));
    const Text* ovalCaption = p.find(QStringLiteral("Kanalform"), 2);
    ASSERT_TRUE(ovalName && ovalCaption);
    EXPECT_NEAR(ovalName->right(), kLeft + 83.0 - kInset, 0.3);
    EXPECT_LT(ovalName->x, kLeft + 53.0);
    EXPECT_GT(ovalName->x, ovalCaption->right());
    // The other names end there too.
    for (const char* name : {"Rundrohr", "Rechteckkanal", "Blechkanal gefalzt", "Gemauerter Kanal"})
        EXPECT_NEAR(p.find(QString::fromUtf8(name))->right(), kLeft + 83.0 - kInset, 0.3) << name;

    // Columns: captions at 0 and 96 mm, values ending at the right edges of
    // 53+30 and 149+30 mm, units at 86 and 182 mm.
    const Text* vp = p.find(QStringLiteral("1250"));
    EXPECT_NEAR(vp->right(), kLeft + 83.0 - kInset, 0.3);
    const Text* geschw = p.find(QStringLiteral("7,07"));
    EXPECT_NEAR(geschw->right(), kLeft + 179.0 - kInset, 0.3);
    EXPECT_NEAR(p.find(m3h)->x, kLeft + 86.0 + kInset, kPx);
    EXPECT_NEAR(p.find(QStringLiteral("m/s"))->x, kLeft + 182.0 + kInset, kPx);
    EXPECT_NEAR(p.find(QStringLiteral("Strömungsgeschwindigkeit"))->x, kLeft + 96.0 + kInset, kPx);
    // "m³/h" is 26 px (6,88 mm) and fits its 7 mm column whole: three rows and the totals.
    EXPECT_EQ(m3h, QStringLiteral("m³/h"));
    EXPECT_EQ(p.count(m3h), 4);

    // Fonts: the total bold, the rows plain.
    EXPECT_TRUE(p.find(QStringLiteral("Druckverl. Teilstr. gesamt"))->font.Style() & fsBold);
    EXPECT_TRUE(p.find(QStringLiteral("39,53"))->font.Style() & fsBold);
    EXPECT_EQ(p.find(QStringLiteral("Volumenstrom"))->font.Style(), 0);
    EXPECT_EQ(p.find(QStringLiteral("Kanal-Höhe"))->font.Style(), 0);
    // The body font is the face of a new font object, 10 points.
    EXPECT_EQ(p.find(QStringLiteral("Volumenstrom"))->font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(p.find(QStringLiteral("Volumenstrom"))->font.Size(), 10);

    // No fitting has a count: no list.
    EXPECT_EQ(p.count(QStringLiteral("Liste der Einbauten und Formstücke:")), 0);
    // A double rule closes each section.
    const Text* eckigName = p.find(QStringLiteral("Eckig"));
    int rules = 0;
    for (const Line& l : p.lines)
        if (l.y1 < eckigName->y && l.y1 > eckigName->y - 8.0 && std::abs(l.x2 - l.x1 - 192.0) < 0.05) ++rules;
    EXPECT_EQ(rules, 2);
}

TEST(BerichtRumpf, FittingListOnlyWithPositiveCounts)
{
    TTeilstrecke t = Strecke(QStringLiteral("Zuluft"), "1");
    t.Einbauten(1).Anzahl = "2";    // code 13 "Bogen rund, glatt"
    t.Einbauten(2).Anzahl = "0";
    t.Einbauten(3).Anzahl = "";
    t.Einbauten(90).Anzahl = "1";   // a built-in component
    t.Einbauten(90).Zeta = "1,8";
    t.FremdEinbauten(1) = {"Brandschutzklappe", "15", "3"};
    t.FremdEinbauten(2) = {"Nicht gezählt", "7", "0"};
    t.FremdEinbauten(3) = {"Leer gezählt", "7", ""};
    TTeilstrecke nurFremd = Strecke(QStringLiteral("Abluft"), "2");
    nurFremd.FremdEinbauten(5) = {"Volumenstromregler", "40", "1"};
    TTeilstrecke ohne = Strecke(QStringLiteral("Ohne"), "1");
    ReportRun r(Projekt({t, nurFremd, ohne}));
    ASSERT_TRUE(r.run());
    const Page& p = r.rec.pages[0];

    EXPECT_EQ(p.count(QStringLiteral("Liste der Einbauten und Formstücke:")), 2);
    EXPECT_EQ(p.count(QStringLiteral("Einbau/Formstück")), 2);
    const Text* heading = p.find(QStringLiteral("Liste der Einbauten und Formstücke:"));
    EXPECT_TRUE(heading->font.Style() & fsUnderline);
    EXPECT_FALSE(heading->font.Style() & fsItalic);
    const Text* cols = p.find(QStringLiteral("Einbau/Formstück"));
    EXPECT_EQ(cols->font.Style(), fsItalic | fsUnderline);
    EXPECT_NEAR(cols->y, heading->y + heading->height(), 0.05);
    // "Anzahl" is cut to its 7 mm column.
    const QString anzahl = Clip(QStringLiteral("Anzahl"), BodyFont(fsItalic | fsUnderline), 7.0);
    EXPECT_LT(anzahl.size(), 6);
    EXPECT_EQ(RowOf(p, QStringLiteral("Einbau/Formstück")), (QStringList{"Einbau/Formstück", "Zeta", anzahl}));

    using V = QStringList;
    EXPECT_EQ(RowOf(p, QStringLiteral("Bogen rund, glatt")), (V{"Bogen rund, glatt", "0,25", "2"}));
    const QString name90 = QStringLiteral("Luftfilterbox Rohr");  // code of slot 90
    EXPECT_EQ(SlotInfo(90).code, 27);
    EXPECT_EQ(RowOf(p, name90), (V{name90, "1,8", "1"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Brandschutzklappe")), (V{"Brandschutzklappe", "15 Pa", "3"}));
    EXPECT_EQ(RowOf(p, QStringLiteral("Volumenstromregler")), (V{"Volumenstromregler", "40 Pa", "1"}));
    // Counts "0" and empty are not listed.
    EXPECT_EQ(p.count(QStringLiteral("Bogen rund, 3 Segmente")), 0);
    EXPECT_EQ(p.count(QStringLiteral("Nicht gezählt")), 0);
    EXPECT_EQ(p.count(QStringLiteral("Leer gezählt")), 0);
    // Order: the slots, then the further components.
    EXPECT_LT(p.find(name90)->y, p.find(QStringLiteral("Brandschutzklappe"))->y);
    EXPECT_LT(p.find(QStringLiteral("Bogen rund, glatt"))->y, p.find(name90)->y);
    // The section with further components only: heading and component lines.
    const Text* abluft = p.find(QStringLiteral("Abluft"));
    const Text* second = p.find(QStringLiteral("Liste der Einbauten und Formstücke:"), 1);
    EXPECT_GT(second->y, abluft->y);
    EXPECT_LT(second->y, p.find(QStringLiteral("Volumenstromregler"))->y);
    // The section without: its rule follows its rows directly.
    EXPECT_LT(second->y, p.find(QStringLiteral("Ohne"))->y);
}

TEST(BerichtRumpf, TextsBeforeAndAfterTheResults)
{
    TProjekt pr = Projekt({Strecke(QStringLiteral("Zuluft"), "1")});
    pr.Projektdaten.Vortext = QStringLiteral("Erste Zeile\r\nZweite Zeile");
    pr.Projektdaten.Nachtext = QStringLiteral("Schlussbemerkung");
    ReportRun r(pr);
    r.user.Vortext = QStringLiteral("Vortext des Benutzers");
    ASSERT_TRUE(r.run());
    const Page& p = r.rec.pages[0];
    const Text* v1 = p.find(QStringLiteral("Erste Zeile"));
    const Text* v2 = p.find(QStringLiteral("Zweite Zeile"));
    ASSERT_TRUE(v1 && v2);
    EXPECT_NEAR(v1->y, kTop + 80.0, 0.3);
    EXPECT_TRUE(v1->font.Style() & fsBold);
    EXPECT_NEAR(v2->y, v1->y + v1->height(), 0.05);
    EXPECT_EQ(p.count(QStringLiteral("Vortext des Benutzers")), 0);
    // Two lines down from the last line of the text: the first section.
    EXPECT_NEAR(p.find(QStringLiteral("Zuluft"))->y, v2->y + 2 * v1->height(), 0.05);
    const Text* nach = p.find(QStringLiteral("Schlussbemerkung"));
    ASSERT_TRUE(nach);
    EXPECT_GT(nach->y, p.find(QStringLiteral("Druckverl. Teilstr. gesamt"))->y);

    // Without the project's text the user's; without both the first section
    // starts at the top of the body.
    TProjekt ohne = Projekt({Strecke(QStringLiteral("Zuluft"), "1")});
    ReportRun r2(ohne);
    r2.user.Vortext = QStringLiteral("Vortext des Benutzers");
    ASSERT_TRUE(r2.run());
    ASSERT_TRUE(r2.rec.pages[0].find(QStringLiteral("Vortext des Benutzers")));
    ReportRun r3(ohne);
    ASSERT_TRUE(r3.run());
    EXPECT_NEAR(r3.rec.pages[0].find(QStringLiteral("Zuluft"))->y, kTop + 80.0, 0.3);
}

TEST(BerichtRumpf, SectionWithItsListMovesWholeWhenItDoesNotFit)
{
    // Sections without fittings fill the page; the last one's block (name,
    // rows, list) stands on one page: where it does not fit below the
    // fillers, it starts the next page.
    bool moved = false, stayed = false;
    for (int filler = 2; filler <= 5; ++filler) {
        SCOPED_TRACE(filler);
        TProjekt pr = Projekt({});
        std::vector<TTeilstrecke> s;
        for (int k = 0; k < filler; ++k) s.push_back(Strecke(QStringLiteral("Füll %1").arg(k), "1"));
        TTeilstrecke mit = Strecke(QStringLiteral("Mit Liste"), "1");
        mit.Einbauten(1).Anzahl = "1";
        s.push_back(mit);
        pr = Projekt(s);
        ReportRun r(pr);
        ASSERT_TRUE(r.run());
        // Where is the list heading, and on which page is its section?
        int sectionPage = -1, listPage = -1;
        double sectionEnd = 0;
        for (size_t i = 0; i < r.rec.pages.size(); ++i) {
            const Page& p = r.rec.pages[i];
            if (const Text* t = p.find(QStringLiteral("Mit Liste"))) {
                sectionPage = int(i);
                sectionEnd = t->y + 7 * t->height();  // name, 6 rows, the empty line
            }
            if (p.find(QStringLiteral("Liste der Einbauten und Formstücke:"))) listPage = int(i);
        }
        ASSERT_GE(sectionPage, 0);
        ASSERT_EQ(listPage, sectionPage);
        const Page& page = r.rec.pages[size_t(sectionPage)];
        const Text* name = page.find(QStringLiteral("Mit Liste"));
        const double lh = name->height();
        // The list's one entry and the rule line still fit below the rows.
        EXPECT_LE(sectionEnd + 5 * lh, 276.0 + 0.01);
        EXPECT_NEAR(page.find(QStringLiteral("Bogen rund, glatt"))->y, page.find(QStringLiteral("Einbau/Formstück"))->y + lh,
                    0.05);
        if (sectionPage == 0) {
            stayed = true;
            continue;
        }
        moved = true;
        // Moved: it starts the body of the new page, and would not have fit
        // below the last filler (its rows, the empty line, the rule line).
        EXPECT_NEAR(name->y, kTop + 80.0, 0.3);
        const Page& before = r.rec.pages[size_t(sectionPage - 1)];
        const Text* lastFiller = nullptr;
        for (const Text& t : before.texts)
            if (t.text == QStringLiteral("Druckverl. Teilstr. gesamt") && (!lastFiller || t.y > lastFiller->y))
                lastFiller = &t;
        ASSERT_TRUE(lastFiller);
        EXPECT_GT(lastFiller->y + 3 * lh + 12 * lh, 276.0 + 0.01);
    }
    EXPECT_TRUE(moved);
    EXPECT_TRUE(stayed);
}

// ---- mends -------------------------------------------------------------------------

TEST(BerichtRumpf, NamesBelongToTheirSectionAlone)
{
    TTeilstrecke erste = Strecke(QStringLiteral("Erste"), "2", "4");
    TTeilstrecke neu = Strecke(QStringLiteral("Neu"), "0", "1");  // never stored: shape "0"
    TTeilstrecke fremd = Strecke(QStringLiteral("Fremd"), "7", "9");
    fremd.Einbauten(1).Anzahl = "1";
    fremd.Einbauten(1).Code = "40";  // no fitting
    fremd.Einbauten(2).Anzahl = "1";
    fremd.Einbauten(2).Code = "x";
    ReportRun r(Projekt({erste, neu, fremd}));
    ASSERT_TRUE(r.run());
    const Page& p = r.rec.pages[0];
    EXPECT_EQ(RowOf(p, QStringLiteral("Kanalform"), 0)[1], QStringLiteral("Rechteckkanal"));
    EXPECT_EQ(RowOf(p, QStringLiteral("Materiallart"), 0)[1], QStringLiteral("Betonkanal"));
    // The new section: its own material, no shape name, no shape rows.
    EXPECT_EQ(RowOf(p, QStringLiteral("Materiallart"), 1)[1], QStringLiteral("Flexibler Schlauch"));
    EXPECT_EQ(RowOf(p, QStringLiteral("Kanalform"), 1)[1], QString());
    // Unknown material and shape: empty names, nothing of the section before.
    EXPECT_EQ(RowOf(p, QStringLiteral("Materiallart"), 2)[1], QString());
    EXPECT_EQ(RowOf(p, QStringLiteral("Kanalform"), 2)[1], QString());
    EXPECT_EQ(p.count(QStringLiteral("Rechteckkanal")), 1);
    EXPECT_EQ(p.count(QStringLiteral("Kanal-Breite")), 1);
    // Fitting codes outside 13..36 print no name, but their lines stand.
    const Text* cols = p.find(QStringLiteral("Einbau/Formstück"));
    ASSERT_TRUE(cols);
    int unnamed = 0;
    for (const Text& t : p.texts)
        if (t.y > cols->y + 1.0 && t.y < cols->y + 3 * cols->height() && t.text.isEmpty()) ++unnamed;
    EXPECT_EQ(unnamed, 2);

    const TProjekt leer;
    TUserdaten u;
    const TResourceMessageTexts texte;
    TStrombauBericht b(leer, u, texte);
    EXPECT_EQ(b.GetFittingName(12), QString());
    EXPECT_EQ(b.GetFittingName(13), QStringLiteral("Bogen rund, glatt"));
    EXPECT_EQ(b.GetFittingName(36), QStringLiteral("Kanal-Schalldämpfer"));
    EXPECT_EQ(b.GetFittingName(37), QString());
}

// The totals block: the rows, where they stand, and the page they go to.
struct Totals {
    const Page* page = nullptr;
    const Text* caption = nullptr;
    const Text* rows[3] = {};
    double upperRule = 0;
};

Totals FindTotals(const Recording& rec)
{
    Totals t;
    for (const Page& p : rec.pages)
        if (const Text* c = p.find(QStringLiteral("Gesamtergebnis:"))) {
            t.page = &p;
            t.caption = c;
            t.rows[0] = p.find(QStringLiteral("Volumenstrom gesamt:"));
            t.rows[1] = p.find(QStringLiteral("Druckverlust gesamt:"));
            t.rows[2] = p.find(QStringLiteral("erf. Wellenleistung:"));
            t.upperRule = 1e9;
            for (const Line& l : p.lines)
                if (l.y1 < c->y && l.y1 > c->y - 3.0) t.upperRule = std::min(t.upperRule, l.y1);
        }
    return t;
}

TEST(BerichtSumme, TotalsAboveTheFooterOnTheLastPage)
{
    ReportRun r(Projekt({Strecke(QStringLiteral("Zuluft"), "1")}));
    ASSERT_TRUE(r.run());
    const Totals t = FindTotals(r.rec);
    ASSERT_TRUE(t.page && t.rows[0] && t.rows[1] && t.rows[2]);
    EXPECT_EQ(t.page, &r.rec.pages.back());
    const double lh = t.rows[0]->height();
    // Three rows one line apart, the caption on the first row's line.
    EXPECT_NEAR(t.caption->y, t.rows[0]->y, 0.01);
    EXPECT_NEAR(t.rows[1]->y - t.rows[0]->y, lh, 0.05);
    EXPECT_NEAR(t.rows[2]->y - t.rows[1]->y, lh, 0.05);
    // Raised so that the last row ends above the footer's first line.
    const double shift = std::max(0.0, 277.0 - 2 * lh - 266.0);
    EXPECT_NEAR(t.rows[0]->y, kTop + 277.0 - 5 * lh - shift, 0.3);
    EXPECT_LE(t.rows[2]->y + lh, kTop + 266.0 + 0.3);
    EXPECT_NEAR(t.upperRule, t.rows[0]->y - 2.0, 0.3);
    // Bold and underlined caption, bold rows, 12 points.
    EXPECT_EQ(t.caption->font.Style(), fsBold | fsUnderline);
    EXPECT_EQ(t.rows[0]->font.Style(), fsBold);
    EXPECT_EQ(t.rows[0]->font.Size(), 12);
    using V = QStringList;
    EXPECT_EQ(RowOf(*t.page, QStringLiteral("Druckverlust gesamt:")), (V{"Druckverlust gesamt:", "118,59", "Pa"}));
    EXPECT_EQ(RowOf(*t.page, QStringLiteral("erf. Wellenleistung:")), (V{"erf. Wellenleistung:", "0,37", "kW"}));
    const QStringList first = RowOf(*t.page, QStringLiteral("Gesamtergebnis:"));
    EXPECT_EQ(first, (V{"Gesamtergebnis:", "Volumenstrom gesamt:", "1250", "m³/h"}));
    EXPECT_NEAR(t.rows[0]->x, kLeft + 95.0 + kInset, kPx);
    EXPECT_NEAR(t.page->find(QStringLiteral("1250"), 1)->right(), kLeft + 173.0 - kInset, 0.3);
}

TEST(BerichtSumme, TextAfterTheResultsNeverRunsUnderTheTotals)
{
    // Texts after the results of growing length: wherever the text ends,
    // the totals stand below it, on a new page when needed.
    for (int lines = 20; lines <= 44; lines += 4) {
        SCOPED_TRACE(lines);
        TProjekt pr = Projekt({Strecke(QStringLiteral("A"), "1"), Strecke(QStringLiteral("B"), "2")});
        QStringList text;
        for (int i = 1; i <= lines; ++i) text << QStringLiteral("Bemerkung %1").arg(i);
        pr.Projektdaten.Nachtext = text.join(QStringLiteral("\r\n"));
        ReportRun r(pr);
        ASSERT_TRUE(r.run());
        const Totals t = FindTotals(r.rec);
        ASSERT_TRUE(t.page);
        EXPECT_EQ(t.page, &r.rec.pages.back());
        double lowest = 0;
        for (const Text& x : t.page->texts)
            if (x.text.startsWith(QStringLiteral("Bemerkung"))) lowest = std::max(lowest, x.y + x.height());
        EXPECT_LE(lowest, t.upperRule + 0.01);
        // The block's own columns, also on a page of its own.
        EXPECT_NEAR(t.caption->x, kLeft + kInset, kPx);
        EXPECT_NEAR(t.rows[0]->x, kLeft + 95.0 + kInset, kPx);
        EXPECT_EQ(RowOf(*t.page, QStringLiteral("erf. Wellenleistung:")),
                  (QStringList{"erf. Wellenleistung:", "0,37", "kW"}));
        // The text reached its end.
        bool last = false;
        for (const Page& p : r.rec.pages) last = last || p.find(QStringLiteral("Bemerkung %1").arg(lines));
        EXPECT_TRUE(last);
    }
}

// ---- logo --------------------------------------------------------------------------

TEST(BerichtLogo, FoundWithoutRegardToCaseAndDrawnOnEveryPage)
{
    TempProgramFolder folder;
    QImage logo(160, 52, QImage::Format_RGB32);
    logo.fill(qRgb(20, 60, 160));
    ASSERT_TRUE(logo.save(folder.file(QStringLiteral("LOGO.BMP")), "BMP"));
    std::vector<TTeilstrecke> viele;
    for (int k = 1; k <= 12; ++k) viele.push_back(Strecke(QStringLiteral("TS %1").arg(k), "3"));
    ReportRun r(Projekt(viele));
    ASSERT_TRUE(r.run());
    ASSERT_GE(r.rec.pages.size(), 2u);
    for (const Page& p : r.rec.pages) {
        ASSERT_EQ(p.pictures.size(), 1u);
        const Picture& pic = p.pictures[0];
        // In report coordinates: the replay adds the margins.
        EXPECT_NEAR(pic.x, 75.5, 0.05);
        EXPECT_NEAR(pic.y, 0.0, 0.05);
        EXPECT_NEAR(pic.w, 40.0, 0.05);
        EXPECT_NEAR(pic.h, 13.0, 0.05);
        EXPECT_EQ(pic.image.size(), QSize(160, 52));
    }
    // Loaded once: the store holds one copy.
    EXPECT_EQ(r.rec.pictureCopies, 1);
}

TEST(BerichtLogo, DamagedLogoIsLeftOut)
{
    TempProgramFolder folder;
    folder.write(QStringLiteral("Logo.bmp"), QByteArray("BM this is no picture"));
    ReportRun r(Projekt({Strecke(QStringLiteral("Zuluft"), "1")}));
    ASSERT_TRUE(r.run());
    ASSERT_EQ(r.rec.pages.size(), 1u);
    EXPECT_TRUE(r.rec.pages[0].pictures.empty());
    EXPECT_TRUE(r.rec.pages[0].find(QStringLiteral("Strombauberechnung")));
}

// ---- failure -------------------------------------------------------------------------

TEST(BerichtFehler, CountThatIsNoNumberEndsTheRunAndReleasesThePages)
{
    TTeilstrecke gut = Strecke(QStringLiteral("Gut"), "1");
    TTeilstrecke schlecht = Strecke(QStringLiteral("Schlecht"), "1");
    schlecht.Einbauten(4).Anzahl = "x";
    ReportRun r(Projekt({gut, schlecht}));
    bool released = false;
    int pagesAtRelease = -1;
    EXPECT_FALSE(r.run([&](TStrombauBericht& b) {
        b.NachSetup = [&](TPrintObject& po) {
            po.PrintDone = [&](QObject*) {
                released = true;
                pagesAtRelease = po.Pages() ? po.Pages()->PageCount() : 0;
            };
        };
    }));
    // The job was ended, its pages freed, and nothing was shown.
    EXPECT_TRUE(released);
    EXPECT_EQ(pagesAtRelease, 0);
    EXPECT_FALSE(r.rec.shown);
}

}  // namespace
