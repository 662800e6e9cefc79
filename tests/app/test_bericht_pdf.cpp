// End to end: a three-section project opened in the real main window,
// printed through "Drucken" to a PDF file, read back with the poppler tools.
#include "common/PdfWords.h"
#include "test_bericht_hilfen.h"
#include "test_projektbefehle_hilfen.h"

#include "app/SBWert.h"
#include "platform/Printer.h"
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace projektbefehle_test;

namespace {

using namespace pdftest;

class BerichtPdfTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;
    PreviewRegistration preview;
    bericht_test::Recording rec;

    void SetUp() override
    {
        ASSERT_TRUE(folder.installValueFile());
        ASSERT_TRUE(WriteUserdaten(bericht_test::Benutzer(), false));
        // A one-colour logo.
        QImage logo(300, 98, QImage::Format_RGB32);
        logo.fill(qRgb(0, 0, 255));
        ASSERT_TRUE(logo.save(folder.file(QStringLiteral("Logo.bmp")), "BMP"));

        form = std::make_unique<TMainForm>();
        form->DruckkopfDlg = new TDruckkopfDlg(form.get());
        preview.onShow = [this](TPrintObject& po) { rec = bericht_test::Capture(po); };
        ScriptedAnswerer::instance().verifyDone();
    }
    void TearDown() override
    {
        form.reset();
        ScriptedAnswerer::instance().verifyDone();
    }

    static void headerDialogClosed()
    {
        ScriptedAnswerer::instance().expectForm([](QWidget* w) {
            w->show();
            return int(mrOk);
        });
    }
};

TEST_F(BerichtPdfTest, ThreeSectionProjectPrintedToPdf)
{
    for (const char* tool : {"pdfinfo", "pdftotext", "pdffonts", "pdftoppm"})
        ASSERT_FALSE(RunTool(QStringLiteral("which"), {QString::fromLatin1(tool)}).isEmpty()) << tool << " is missing";
    auto& answerer = ScriptedAnswerer::instance();
    const QString project = folder.file(QStringLiteral("drei.STB"));
    ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/app/data/bericht_drei_strecken.stb"), project));
    answerer.expectFileDialog(project);
    form->mProjektOpenClick();
    answerer.verifyDone();
    ASSERT_EQ(form->Projekt.TSAnzahl, 3);
    ASSERT_TRUE(form->Projekt.AlleBerechnet);

    // The pages as recorded, through the preview.
    headerDialogClosed();
    form->mPreviewClick();
    answerer.verifyDone();
    const int recorded = int(rec.pages.size());
    ASSERT_GE(recorded, 2);
    // The text after the results reaches the totals' height: the totals
    // stand alone on the last page.
    const bericht_test::Page& last = rec.pages.back();
    ASSERT_TRUE(last.find(QStringLiteral("Gesamtergebnis:")));
    for (const bericht_test::Text& t : last.texts) EXPECT_FALSE(t.text.startsWith(QStringLiteral("Anmerkung")));
    EXPECT_TRUE(last.find(QStringLiteral("Volumenstrom gesamt:")));
    EXPECT_TRUE(last.find(QStringLiteral("erf. Wellenleistung:")));

    // Printed: the print dialog answered with PDF output.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    headerDialogClosed();
    answerer.expectPrintDialog([&](PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, recorded);
        EXPECT_EQ(r.paperCode, 9);
        r.printerName = TPrinter::PdfPrinterName();
        r.pdfFileName = pdf;
        r.printRange = false;
        return true;
    });
    form->mPrintClick();
    answerer.verifyDone();
    ASSERT_TRUE(QFile::exists(pdf));

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(recorded)))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Druckverlustberechnungen drucken\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    // Liberation Sans faces only.
    const QStringList fonts = RunTool(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n')).mid(2);
    int faces = 0;
    for (const QString& line : fonts) {
        if (line.trimmed().isEmpty()) continue;
        ++faces;
        EXPECT_TRUE(line.contains(QStringLiteral("LiberationSans"))) << line.toStdString();
    }
    EXPECT_GE(faces, 2);  // regular and bold at least

    const std::vector<Word> words = Words(pdf);
    ASSERT_FALSE(words.empty());
    const double left = 10.0, right = 797.0 / 96 * 25.4 - 8.0;
    const auto near = [](double a, double b) { return std::abs(a - b) <= 0.5; };
    for (int page = 1; page <= recorded; ++page) {
        SCOPED_TRACE(page);
        std::vector<const Word*> on;
        for (const Word& w : words)
            if (w.page == page) on.push_back(&w);
        ASSERT_FALSE(on.empty());
        // "Seite n von N", centred, at 288,1 mm.
        int found = 0;
        std::vector<const Word*> numberWords;
        for (size_t i = 0; i + 3 < on.size(); ++i) {
            if (on[i]->text != QLatin1String("Seite") || on[i + 1]->text != QString::number(page)
                || on[i + 2]->text != QLatin1String("von") || on[i + 3]->text != QString::number(recorded))
                continue;
            ++found;
            EXPECT_NEAR((on[i]->xMin + on[i + 3]->xMax) / 2, (left + right) / 2, 0.5);
            EXPECT_NEAR(on[i]->yMin, 288.1, 0.5);
            for (size_t k = i; k < i + 4; ++k) numberWords.push_back(on[k]);
        }
        EXPECT_EQ(found, 1);
        // No two words overlap.
        for (size_t i = 0; i < on.size(); ++i)
            for (size_t j = i + 1; j < on.size(); ++j) {
                const Word& a = *on[i];
                const Word& b = *on[j];
                const double ox = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
                const double oy = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
                EXPECT_FALSE(ox > 0.05 && oy > 0.05) << a.text.toStdString() << " / " << b.text.toStdString();
            }
        // Everything but the footer lines and the page number ends above
        // the footer rule.
        for (const Word* w : on) {
            if (w->yMin >= 276.9) continue;  // footer lines and page number
            EXPECT_LE(w->yMax, 276.5) << w->text.toStdString();
        }
        // The frame.
        bool title = false, tel = false, an = false, datum = false, date = false, projekt = false, vorgaben = false,
             ergebnisse = false, footer1 = false, footer2 = false;
        double firstBody = 1e9;
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        for (const Word* w : on) {
            const QString& t = w->text;
            if (t == QLatin1String("Strombauberechnung"))
                title = near((w->xMin + w->xMax) / 2, 106.1) && near(w->yMin, 23.0);
            if (t == QLatin1String("Tel:") && w->xMin < 20) tel = near(w->xMin, 11.1) && near(w->yMin, 33.1);
            if (t == QLatin1String("An:")) an = near(w->yMin, 45.0);
            if (t == QLatin1String("Datum:")) datum = near(w->xMin, 133.1);
            if (t == today) date = near(w->xMin, 147.1);
            if (t == QLatin1String("Projekt:")) projekt = near(w->yMin, 68.8);
            if (t.startsWith(QLatin1String("Vorgabe"))) vorgaben = near(w->yMin, 76.7);
            if (t == QLatin1String("Ergebnisse")) ergebnisse = near(w->xMin, 91.0);
            if (t.startsWith(QLatin1String("Planungsb"))) footer1 = near(w->xMin, 10.1) && near(w->yMin, 277.0);
            if (t == QLatin1String("Berechnet")) footer2 = near(w->yMin, 283.1);
            if (w->yMin > 85.0 && w->yMin < 276.0) firstBody = std::min(firstBody, w->yMin);
        }
        EXPECT_TRUE(title);
        EXPECT_TRUE(tel);
        EXPECT_TRUE(an);
        EXPECT_TRUE(datum);
        EXPECT_TRUE(date);
        EXPECT_TRUE(projekt);
        EXPECT_TRUE(vorgaben);
        EXPECT_TRUE(ergebnisse);
        EXPECT_TRUE(footer1);
        EXPECT_TRUE(footer2);
        // The flat-oval section's shape name prints whole.
        for (size_t i = 0; i + 1 < on.size(); ++i)
            if (on[i]->text == QLatin1String("ovaler")) {
                EXPECT_EQ(on[i + 1]->text, QStringLiteral("Rechteckkanal"));
                EXPECT_NEAR(on[i + 1]->yMin, on[i]->yMin, 0.1);
            }
        // The body of page 1 begins with the text before the results.
        if (page == 1) {
            EXPECT_NEAR(firstBody, 90.0, 0.5);
        }
    }

    int ovalNames = 0;
    for (const Word& w : words) ovalNames += w.text == QLatin1String("ovaler");
    EXPECT_EQ(ovalNames, 1);

    // Every page rendered; the logo on page 1 at its place.
    const QString base = dir.filePath(QStringLiteral("seite"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"), pdf, base});
    for (int page = 1; page <= recorded; ++page) {
        const QString png =
            recorded >= 10 ? QStringLiteral("%1-%2.png").arg(base).arg(page, 2, 10, QLatin1Char('0'))
                           : QStringLiteral("%1-%2.png").arg(base).arg(page);
        QImage img(png);
        ASSERT_FALSE(img.isNull()) << png.toStdString();
        // The logo's blue, and nothing else of it.
        int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
            }
        ASSERT_GE(x1, 0) << "no logo on page " << page;
        const double px = 25.4 / 100;
        EXPECT_NEAR(x0 * px, 85.5, 0.5);
        EXPECT_NEAR((x1 + 1) * px, 125.5, 0.5);
        EXPECT_NEAR(y0 * px, 10.1, 0.5);
        EXPECT_NEAR((y1 + 1) * px, 23.1, 0.5);
    }
}

}  // namespace
