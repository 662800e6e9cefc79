// "Drucken" and "Druckvorschau" in the real main window: the header dialog,
// the preview window or the print dialog, storing the shown section and
// calculating every section first, the messages of a refused calculation,
// of a failed run and of a missing value file; a fitting list that ends at
// a page's foot.
#include "test_bericht_hilfen.h"
#include "test_projektbefehle_hilfen.h"

#include "app/ProjektDatei.h"
#include "platform/SpeedBar.h"
#include "print/PreviewForm.h"
#include <QAction>

using namespace projektbefehle_test;

namespace {

const QString kFehlerDrucken = QStringLiteral("Fehler beim Drucken!");
const QString kFehlerVorschau = QStringLiteral("Fehler bei der Druckvorschau!");
const QString kZetawerte = QStringLiteral("Zetawerte nicht vorhanden");

class BerichtBefehleTest : public ProjektBefehleTest {
protected:
    PreviewRegistration preview;
    bericht_test::Recording rec;
    int shows = 0;

    void SetUp() override
    {
        ProjektBefehleTest::SetUp();
        preview.onShow = [this](TPrintObject& po) {
            ++shows;
            rec = bericht_test::Capture(po);
        };
    }

    // An opened example project (calculated on opening).
    void oeffnen()
    {
        answerer().expectFileDialog(beispielDatei());
        form->mProjektOpenClick();
        answerer().verifyDone();
        ASSERT_EQ(P().TSAnzahl, 2);
    }
};

TEST_F(BerichtBefehleTest, PreviewCommandShowsTheHeaderDialogThenThePreviewWindow)
{
    oeffnen();
    EXPECT_TRUE(form->UnconnectedEvents.isEmpty()) << form->UnconnectedEvents.join(QLatin1Char(' ')).toStdString();
    ASSERT_TRUE(form->mPreview->isEnabled());
    erwarteKopfdaten(QStringLiteral("Stadtwerke"), QStringLiteral("Halle 7"));
    form->mPreview->trigger();
    answerer().verifyDone();
    // One preview window, shown once (it went with the run's print object).
    EXPECT_EQ(shows, 1);
    ASSERT_EQ(rec.pages.size(), 1u);
    // What the header dialog showed is the header of the report.
    EXPECT_TRUE(rec.pages[0].find(QStringLiteral("Stadtwerke")));
    EXPECT_TRUE(rec.pages[0].find(QStringLiteral("Halle 7")));
    EXPECT_TRUE(rec.pages[0].find(QStringLiteral("Zuluft EG")));
    EXPECT_TRUE(rec.pages[0].find(QStringLiteral("Brandschutzklappe")));
    EXPECT_EQ(P().Projektdaten.Name1, QStringLiteral("Stadtwerke"));
    // The value file holds no address of the user: the footer prints no
    // address line rather than its separators alone, and its sentence.
    for (const bericht_test::Text& t : rec.pages[0].texts) {
        EXPECT_FALSE(t.text.startsWith(QLatin1Char(','))) << t.text.toStdString();
        EXPECT_FALSE(t.text.contains(QStringLiteral(", ,"))) << t.text.toStdString();
    }
    bool sentence = false;
    for (const bericht_test::Text& t : rec.pages[0].texts)
        sentence = sentence || t.text.startsWith(TStrombauBericht::FooterSentence());
    EXPECT_TRUE(sentence);

    // The tool button runs the same command; a cancelled header dialog
    // does not stop the report.
    answerer().expectForm([](QWidget* w) {
        w->show();
        return int(mrCancel);
    });
    form->PreviewBtn->click();
    answerer().verifyDone();
    EXPECT_EQ(shows, 2);
}

TEST_F(BerichtBefehleTest, PreviewCommandOpensTheRealPreviewWindow)
{
    oeffnen();
    // The program's own preview window, as the program start registers it.
    const TPreviewFactory before = PreviewFactory();
    RegisterPreviewForm();
    erwarteKopfdaten(QStringLiteral("Stadtwerke"), QStringLiteral("Halle 7"));
    QString shownClass;
    int pageCount = 0;
    answerer().expectForm([&](QWidget* w) {
        shownClass = QString::fromLatin1(w->metaObject()->className());
        if (auto* f = qobject_cast<TPreviewForm*>(w)) pageCount = f->PageCount();
        return int(mrCancel);
    });
    form->mPreviewClick();
    answerer().verifyDone();
    SetPreviewFactory(before);
    EXPECT_EQ(shownClass, QStringLiteral("TPreviewForm"));
    EXPECT_EQ(pageCount, 1);
    EXPECT_EQ(shows, 0);  // not the test's window
}

TEST_F(BerichtBefehleTest, PrintCommandAsksThePrintDialog)
{
    oeffnen();
    for (int via = 0; via < 2; ++via) {
        erwarteKopfdaten(QStringLiteral("Stadtwerke"), QStringLiteral("Halle 7"));
        bool asked = false;
        answerer().expectPrintDialog([&](PrintDialogRequest& r) {
            asked = true;
            EXPECT_EQ(r.maxPage, 1);
            EXPECT_EQ(r.paperCode, 9);
            return false;  // cancelled: nothing printed
        });
        if (via == 0)
            form->mPrint->trigger();
        else
            form->PrintBtn->click();
        answerer().verifyDone();
        EXPECT_TRUE(asked);
        EXPECT_EQ(shows, 0);  // the preview window stays closed
    }
}

TEST_F(BerichtBefehleTest, AFailingReportGivesTheCommandsMessage)
{
    oeffnen();
    // Section 2 is not shown: its record goes to the report as it is.  A
    // count of 1,5 serves the calculation, but the report lists whole pieces.
    P().Section(2).FremdEinbauten(3) = {"Kaputt", "5", "1,5"};
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerDrucken);
    form->mPrintClick();
    answerer().verifyDone();
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerVorschau);
    form->mPreviewClick();
    answerer().verifyDone();
    // The recorded pages were released unshown; no print dialog came.
    EXPECT_EQ(shows, 0);
    const auto& asked = answerer().asked();
    EXPECT_EQ(std::count_if(asked.begin(), asked.end(),
                            [](const ScriptedAnswerer::Asked& a) { return a.what == ScriptedAnswerer::Asked::Print; }),
              0);
    // The error box is of type error.
    for (const auto& a : asked)
        if (a.what == ScriptedAnswerer::Asked::Message) {
            EXPECT_EQ(a.type, mtError);
        }
}

TEST_F(BerichtBefehleTest, EverySectionIsCalculatedBeforeTheReport)
{
    // Section 1 typed and never calculated; section 2 left empty.
    neuesProjekt(2);
    eingeben(QStringLiteral("500"), QStringLiteral("10"), QStringLiteral("160"));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->mPreviewClick();
    answerer().verifyDone();
    ASSERT_EQ(shows, 1);
    {
        const bericht_test::Page& p = rec.pages.at(0);
        // 500 m³/h in a 160 mm pipe: 6,91 m/s, 10 m x 3,7566 Pa/m = 37,57 Pa.
        EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Strömungsgeschwindigkeit")).contains(QStringLiteral("6,91")));
        EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Druckverl. Rohr")).contains(QStringLiteral("37,57")));
        EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Volumenstrom gesamt:")).contains(QStringLiteral("500")));
        EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Druckverlust gesamt:")).contains(QStringLiteral("37,57")));
        // A section without volume flow is not calculated, and no reason to
        // refuse the report: it is printed as it is.
        EXPECT_EQ(p.count(QStringLiteral("Druckverl. Rohr")), 2);
    }
    EXPECT_TRUE(P().AlleBerechnet);
    EXPECT_EQ(form->DpRohrEdit->text(), QStringLiteral("37,57"));
    EXPECT_EQ(form->dpLeitungGesEdit->text(), QStringLiteral("37,57"));

    // The length changed after the calculation: the report prints the loss
    // of 20 m, not that of the 10 m calculated before.
    form->TSLaengeEdit->setText(QStringLiteral("20"));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->mPreviewClick();
    answerer().verifyDone();
    ASSERT_EQ(shows, 2);
    const bericht_test::Page& p = rec.pages.at(0);
    EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Teilstreckenlänge")).contains(QStringLiteral("20")));
    // 20 m x 3,7566 Pa/m = 75,13 Pa
    EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Druckverl. Rohr")).contains(QStringLiteral("75,13")));
    EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Druckverl. Teilstr. gesamt")).contains(QStringLiteral("75,13")));
    EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Druckverlust gesamt:")).contains(QStringLiteral("75,13")));
    EXPECT_EQ(p.count(QStringLiteral("37,57")), 0);
    EXPECT_EQ(form->DpRohrEdit->text(), QStringLiteral("75,13"));
}

TEST_F(BerichtBefehleTest, ASectionTheCalculationRefusesStartsNoReport)
{
    // Section 2 holds a volume flow and a length but no dimension and no
    // velocity, as a project file may; opening it says so already.
    const QString path = folder.file(QStringLiteral("ohne.STB"));
    QByteArray datei = "[Projektdaten]\r\nName1=Bauamt\r\n[Teilstrecken]\r\n"
                       "TS1=1;0;160;0;10;500;1;0;0;0;0;0;0;Zuluft;\r\nTS2=2;0;0;0;8;600;1;0;0;0;0;0;0;Flur;\r\n";
    for (const char* k : {"1", "2"})
        for (const char* liste : {"Bogen", "Abzweige", "Reduktionen", "FremdEinbauten", "Einbauten"})
            datei += QByteArray("[TS") + k + "_EB_" + liste + "]\r\n" + liste + "=0;;\r\n";
    datei += "[Projekt]\r\nTS-Anzahl=2\r\nTS-Namen=Zuluft;Flur;\r\n";
    WriteBytes(path, datei);
    const QString refused = QStringLiteral("Teilstrecke 2 (Flur): Der hydraulische Durchmesser ist 0,00 m");
    answerer().expectFileDialog(path);
    answerer().expectMessage(refused);
    form->mProjektOpenClick();
    answerer().verifyDone();
    ASSERT_EQ(P().TSAnzahl, 2);
    const QByteArray vorher = ReadBytes(path);

    for (int via = 0; via < 4; ++via) {
        SCOPED_TRACE(via);
        answerer().clearAsked();
        // The calculation's message naming the section, then nothing: no
        // header dialog, no print dialog, no preview.
        answerer().expectMessage(refused);
        switch (via) {
        case 0: form->mPrint->trigger(); break;
        case 1: form->PrintBtn->click(); break;
        case 2: form->mPreview->trigger(); break;
        default: form->PreviewBtn->click(); break;
        }
        answerer().verifyDone();
        ASSERT_EQ(answerer().asked().size(), 1u);
        EXPECT_EQ(answerer().asked()[0].type, mtError);
        EXPECT_EQ(shows, 0);
    }
    // Nothing was lost: the inputs stay, the file is untouched.
    EXPECT_EQ(P().Section(2).Volumenstrom.str(), QStringLiteral("600"));
    EXPECT_EQ(P().Section(2).Laenge.str(), QStringLiteral("8"));
    EXPECT_EQ(P().Section(1).DNRohr.str(), QStringLiteral("160"));
    EXPECT_FALSE(P().AlleBerechnet);
    EXPECT_EQ(ReadBytes(path), vorher);
}

TEST_F(BerichtBefehleTest, WithoutTheValueFileThereIsNothingToCalculateAndNoReport)
{
    oeffnen();
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("SBWert.Dat"))));
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        if (run == 1) {
            // Leaving the shown section stores it, which says it too.
            answerer().expectMessage(kZetawerte);
            form->TSTreeView->setCurrentItem(nullptr);
            answerer().verifyDone();
            ASSERT_EQ(form->SelectedSectionIndex(), 0);
        }
        answerer().clearAsked();
        // Storing the shown section says it first (not when none is shown),
        // then the calculation refuses the first section: it has no zeta
        // values and no roughness.
        if (run == 0) answerer().expectMessage(kZetawerte);
        answerer().expectMessage(QStringLiteral("Teilstrecke 1 (Zuluft EG): "));
        form->mPreviewClick();
        answerer().verifyDone();
        EXPECT_EQ(answerer().asked().back().type, mtError);
        EXPECT_EQ(shows, 0);
    }
}

TEST_F(BerichtBefehleTest, InputsTypedSinceTheLastStoreArePrinted)
{
    neuesProjekt(1);
    eingeben(QStringLiteral("1500"), QStringLiteral("7,5"), QStringLiteral("315"));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->mPreviewClick();
    answerer().verifyDone();
    ASSERT_EQ(shows, 1);
    const bericht_test::Page& p = rec.pages[0];
    EXPECT_TRUE(p.find(QStringLiteral("1500")));
    EXPECT_TRUE(p.find(QStringLiteral("7,5")));
    EXPECT_TRUE(p.find(QStringLiteral("315")));
    EXPECT_TRUE(p.find(QStringLiteral("Rundrohr")));
    EXPECT_EQ(P().Section(1).Volumenstrom, QStringLiteral("1500"));

    // Invalid inputs: the input message, no header dialog, no report.
    form->TSLaengeEdit->setText(QStringLiteral("0"));
    answerer().expectMessage(QStringLiteral("Es müssen mindestens folgende Felder"));
    form->mPrintClick();
    answerer().verifyDone();
    EXPECT_EQ(shows, 1);
}

TEST_F(BerichtBefehleTest, TheClosingRuleOfAListOverAPageEndStaysWithItsLastLine)
{
    // A section whose fitting list goes on over a page end, and a section
    // after it.  One of the lengths tried ends the list on the last line of
    // a page.
    const QString path = folder.file(QStringLiteral("lang.STB"));
    const QString name = QStringLiteral("Lange Liste");
    const QString letzte = QStringLiteral("Letztes Teil");
    int startsAPage = 0;
    for (int n = 20; n <= EinbautenAnzahl; ++n) {
        SCOPED_TRACE(n);
        TProjektInhalt inhalt;
        inhalt.TSAnzahl = 2;
        inhalt.Teilstrecken = {TTeilstrecke(), bericht_test::Strecke(name, "1"),
                               bericht_test::Strecke(QStringLiteral("Danach"), "1")};
        inhalt.Namen = QStringList{name, QStringLiteral("Danach")};
        inhalt.Teilstrecken[2].Nummer = "2";
        TTeilstrecke& lang = inhalt.Teilstrecken[1];
        for (int i = 1; i <= n; ++i) lang.Einbauten(i).Anzahl = "1";
        lang.FremdEinbauten(1) = {letzte, "5", "1"};
        WriteProjectFile(path, inhalt);
        answerer().expectFileDialog(path);
        form->mProjektOpenClick();
        answerer().verifyDone();
        ASSERT_EQ(P().TSAnzahl, 2);
        // The header dialog closed as it came: the next open asks nothing.
        answerer().expectForm([](QWidget* w) {
            w->show();
            return int(mrOk);
        });
        form->mPreviewClick();
        answerer().verifyDone();

        // No page's body starts with a rule: every rule between the frame
        // and the totals' own rules lies below the page's first line of text.
        int page = -1;
        const bericht_test::Text* last = nullptr;
        for (size_t i = 0; i < rec.pages.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const bericht_test::Page& p = rec.pages[i];
            const auto body = bericht_test::BodyTexts(p);
            ASSERT_FALSE(body.empty());
            const bericht_test::Text* first = body.front();
            const bericht_test::Text* totals = p.find(QStringLiteral("Gesamtergebnis:"));
            const double foot = totals ? totals->y - 3.0 : bericht_test::kFooter - 1.0;
            for (const bericht_test::Line& l : p.lines) {
                if (l.y1 < bericht_test::kBodyTop - 0.3 || l.y1 > foot) continue;
                EXPECT_GT(l.y1, first->y + first->height()) << first->text.toStdString();
            }
            if (const bericht_test::Text* t = p.find(letzte)) {
                page = int(i);
                last = t;
            }
        }
        ASSERT_NE(last, nullptr);
        // The last line of the list, its section's name above it and the
        // closing double rule right below it share a page.
        const bericht_test::Page& p = rec.pages[size_t(page)];
        const bericht_test::Text* heading = p.find(name);
        ASSERT_NE(heading, nullptr);
        EXPECT_LT(heading->y, last->y);
        const double lh = last->height();
        int rules = 0;
        for (const bericht_test::Line& l : p.lines) rules += l.y1 > last->y + 0.01 && l.y1 < last->y + 2 * lh;
        EXPECT_EQ(rules, 2);
        if (page > 0 && std::abs(heading->y - bericht_test::kBodyTop) < 0.3 && std::abs(last->y - heading->y - lh) < 0.3)
            ++startsAPage;
    }
    // Some lengths put the last line at the top of a page that goes on
    // with the list, right under the repeated name.
    EXPECT_GE(startsAPage, 1);
}

}  // namespace
