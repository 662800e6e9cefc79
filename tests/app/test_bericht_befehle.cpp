// "Drucken" and "Druckvorschau" in the real main window: the header dialog,
// the preview window or the print dialog, storing the shown section first,
// the messages of a failed run and of a missing value file.
#include "test_bericht_hilfen.h"
#include "test_projektbefehle_hilfen.h"

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

TEST_F(BerichtBefehleTest, CountThatIsNoNumberGivesTheCommandsMessage)
{
    oeffnen();
    // Section 2 is not shown: its record goes to the report as it is.
    P().Section(2).FremdEinbauten(3) = {"Kaputt", "5", "x"};
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

TEST_F(BerichtBefehleTest, MissingValueFileIsReportedOncePerRun)
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
        if (run == 0) {
            // Storing the shown section says it first; the report says it no more.
            answerer().expectMessage(kZetawerte);
            erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
        } else {
            // No section shown: the report itself says it, once.
            erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
            answerer().expectMessage(kZetawerte);
        }
        form->mPreviewClick();
        answerer().verifyDone();
        int messages = 0;
        for (const auto& a : answerer().asked()) messages += a.what == ScriptedAnswerer::Asked::Message;
        EXPECT_EQ(messages, 1);
        EXPECT_EQ(shows, run + 1);
    }
    // Without the file the user's data are empty in the frame: the footer
    // holds no address and no lone separators.
    for (const bericht_test::Text& t : rec.pages[0].texts) {
        EXPECT_FALSE(t.text.startsWith(QStringLiteral(", "))) << t.text.toStdString();
        EXPECT_FALSE(t.text.contains(QStringLiteral(", ,"))) << t.text.toStdString();
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

}  // namespace
