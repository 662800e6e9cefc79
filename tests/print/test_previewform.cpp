#include "common/TestSupport.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "print/GlowButtons.h"
#include "print/PreviewForm.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Print objects made while this lives show their pages in the real preview window.
struct RealPreview {
    TPreviewFactory previous = SetPreviewFactory([] { return std::make_unique<TPreviewForm>(); });
    ~RealPreview() { SetPreviewFactory(previous); }
};

TFont BigFont()
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(72);
    f.SetStyle(fsBold);
    return f;
}

// Records `pages` pages, each with its number in large type.
void Record(TPrintObject& po, int pages)
{
    po.SetMeasurement(mtMM);
    po.SetPreview(true);
    po.SetStartPercent(P2_Sixty);
    po.SetPaperSize(PAPER_A4);
    po.SetUseLargeFontAdjust(false);
    po.SetTitle(QStringLiteral("Bericht"));
    ASSERT_TRUE(po.Start());
    po.SetMarginsFromEdges(10.0, 10.0, 10.0, 10.0);
    po.SetDetail(20.0, 270.0);
    po.StartPageBody();
    po.SetFont(BigFont());
    for (int p = 1; p <= pages; ++p) {
        if (p > 1) po.NewPage();
        po.WriteText(QString::number(p), 60.0, 80.0 + 5.0 * p);
    }
}

// Page `page` drawn afresh at the window's picture size.
QImage Fresh(TPreviewForm& f, TPrintObject& po, int page)
{
    const TPrnPages* pages = po.Pages();
    TImageCanvas canvas(QSize(qRound(pages->PaperWidth * 96), qRound(pages->PaperHeight * 96)),
                        f.PictureWidth() / (pages->PaperWidth * 96));
    po.SetDrawingCanvas(&canvas);
    po.ReplayPage(pages->GetPage(page), page, true);
    po.SetDrawingCanvas(nullptr);
    QImage img = canvas.Image();
    if (img.size() != QSize(f.PictureWidth(), f.PictureHeight()))
        img = img.scaled(f.PictureWidth(), f.PictureHeight(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img.convertToFormat(QImage::Format_RGB32);
}

// Every visible picture shows the page it stands for, at the place of that page in the column.
void ExpectConsistent(TPreviewForm& f, TPrintObject& po, const char* where)
{
    const int d = f.PictureHeight() + 5;
    const int pos = f.ScrollBox->VertPosition();
    int visible = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        const int page = f.SlotPage(slot);
        if (page == 0) continue;
        ++visible;
        EXPECT_EQ(f.SlotImage(slot).convertToFormat(QImage::Format_RGB32), Fresh(f, po, page))
            << where << ": slot " << slot << " page " << page;
        EXPECT_EQ(f.SlotLabel(slot)->y(), 10 + (page - 1) * d - pos) << where << ": slot " << slot;
    }
    EXPECT_GT(visible, 0) << where;
    // The page at the top of the view has a picture.
    const int top = qMin(po.Pages()->PageCount(), pos / d + 1);
    bool found = false;
    for (int slot = 1; slot <= 5; ++slot) found = found || f.SlotPage(slot) == top;
    EXPECT_TRUE(found) << where << ": page " << top << " at the top has no picture";
}

// A key as the keyboard delivers it: to the window's focus control.
void Key(QWidget* window, Qt::Key key, const QString& text = QString())
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

int Page(TPreviewForm& f) { return f.PgNumb->text().toInt(); }

// The screen's pixels per inch (96 offscreen, 144 in the high-resolution run).
int ScreenPpi() { return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()); }
// A4 (8,3 x 11,7 inches) at zoom `z` on this screen: 414 x 584 at "60 %", 797 x 1123 at "100 %" on 96 dpi.
QSize A4At(double z) { return QSize(qRound(ScreenPpi() * 8.3 * z), qRound(ScreenPpi() * 11.7 * z)); }

// Runs a preview of `pages` pages; `body` gets the shown window.
void WithPreview(int pages, const std::function<void(TPreviewForm&, TPrintObject&)>& body,
                 TPrintObject* reuse = nullptr)
{
    std::optional<RealPreview> real;
    if (!reuse) real.emplace();
    std::unique_ptr<TPrintObject> own;
    TPrintObject* po = reuse;
    if (!po) {
        own = std::make_unique<TPrintObject>();
        po = own.get();
    }
    bool ran = false;
    ScriptedAnswerer::instance().expectForm([&](QWidget* w) {
        auto* f = qobject_cast<TPreviewForm*>(w);
        EXPECT_NE(f, nullptr);
        if (!f) return int(mrCancel);
        EXPECT_TRUE(f->isVisible());
        body(*f, *po);
        ran = true;
        return int(mrCancel);
    });
    Record(*po, pages);
    po->EndReport();
    EXPECT_TRUE(ran);
}

}  // namespace

TEST(PreviewForm, GeometryCaptionAndButtonsOfTwelvePages)
{
    WithPreview(12, [](TPreviewForm& f, TPrintObject& po) {
        EXPECT_EQ(f.ZoomFactor->currentText(), "60 %");
        const QSize a4 = A4At(0.52);
        if (ScreenPpi() == 96) {
            EXPECT_EQ(a4, QSize(414, 584));
        }
        EXPECT_EQ(QSize(f.PictureWidth(), f.PictureHeight()), a4);
        EXPECT_EQ(f.ScrollBox->VertRange(), 12 * a4.height() + 11 * 5 + 20);
        EXPECT_EQ(f.windowTitle(), "Bericht [12 Seiten]");
        EXPECT_EQ(f.btnLast->toolTip(), "letzte Seite (12)");
        EXPECT_EQ(f.btnPrint->Caption(), "&Drucken");
        EXPECT_EQ(f.btnClose->Caption(), "&Schliessen");
        EXPECT_EQ(f.btnClose->ModalResult(), int(mrCancel));
        EXPECT_EQ(f.btnNext->ButtonType(), TGlowButton::btnNext);
        EXPECT_EQ(f.btnNext->NumGlyphs(), 2);
        EXPECT_EQ(Page(f), 1);
        EXPECT_FALSE(f.btnFirst->isEnabled());
        EXPECT_FALSE(f.btnPrevious->isEnabled());
        EXPECT_TRUE(f.btnNext->isEnabled());
        EXPECT_TRUE(f.btnLast->isEnabled());
        // Centred on the grey at "60 %".
        const int vw = f.ScrollBox->viewport()->width();
        EXPECT_EQ(f.SlotLabel(1)->x(), a4.width() < vw ? (vw - a4.width()) / 2 : 5);
        EXPECT_EQ(f.ScrollBox->viewport()->palette().color(QPalette::Window), QColor(128, 128, 128));
        ExpectConsistent(f, po, "start");

        Key(&f, Qt::Key_End);
        EXPECT_EQ(Page(f), 12);
        EXPECT_FALSE(f.btnNext->isEnabled());
        EXPECT_FALSE(f.btnLast->isEnabled());
        EXPECT_TRUE(f.btnFirst->isEnabled());
        ExpectConsistent(f, po, "End");
        Key(&f, Qt::Key_Home);
        EXPECT_EQ(Page(f), 1);
        ExpectConsistent(f, po, "Home");
        Key(&f, Qt::Key_PageDown);
        Key(&f, Qt::Key_PageDown);
        EXPECT_EQ(Page(f), 3);
        ExpectConsistent(f, po, "Page Down");
        Key(&f, Qt::Key_PageUp);
        EXPECT_EQ(Page(f), 2);
        ExpectConsistent(f, po, "Page Up");
        // The scroll bar dragged to the end shows the last page's number.
        f.ScrollBox->verticalScrollBar()->setValue(f.ScrollBox->verticalScrollBar()->maximum());
        EXPECT_EQ(Page(f), 12);
        ExpectConsistent(f, po, "bar at the end");
        f.ScrollBox->verticalScrollBar()->setValue(2000);
        ExpectConsistent(f, po, "bar in the middle");
        f.ScrollBox->verticalScrollBar()->setValue(100);
        ExpectConsistent(f, po, "bar back up");
    });
}

TEST(PreviewForm, PageNumberEntry)
{
    WithPreview(12, [](TPreviewForm& f, TPrintObject& po) {
        f.PgNumb->setFocus();
        auto type = [&](const QString& text) {
            f.PgNumb->setFocus();
            f.PgNumb->clear();
            for (QChar c : text) QTest::keyClick(f.PgNumb, c.toLatin1());
        };
        type("0");
        f.PgNumbExit();
        EXPECT_EQ(Page(f), 1);
        type("99");
        f.PgNumbExit();
        EXPECT_EQ(Page(f), 12);
        ExpectConsistent(f, po, "99");
        type("7");
        QTest::keyClick(f.PgNumb, Qt::Key_Return);  // Enter moves on and takes the number
        EXPECT_EQ(Page(f), 7);
        ExpectConsistent(f, po, "7 and Enter");
        f.PgNumb->setText("5");
        f.PgNumb->setFocus();
        QTest::keyClick(f.PgNumb, Qt::Key_A);
        QTest::keyClick(f.PgNumb, Qt::Key_Backspace);
        QTest::keyClick(f.PgNumb, Qt::Key_Period);
        EXPECT_EQ(f.PgNumb->text(), "5");
        f.PgNumb->setText("");
        f.PgNumbExit();
        EXPECT_EQ(Page(f), 1);
    });
}

TEST(PreviewForm, ZoomKeysAndList)
{
    WithPreview(12, [](TPreviewForm& f, TPrintObject& po) {
        Key(&f, Qt::Key_Minus, "-");  // at "60 %" nothing changes
        EXPECT_EQ(f.ZoomFactor->currentIndex(), 0);
        f.PgNumb->setText("4");
        f.PgNumbExit();
        for (int i = 0; i < 4; ++i) Key(&f, Qt::Key_Plus, "+");
        EXPECT_EQ(f.ZoomFactor->currentText(), "100 %");
        EXPECT_EQ(QSize(f.PictureWidth(), f.PictureHeight()), A4At(1.0));
        if (ScreenPpi() == 96) {
            EXPECT_EQ(A4At(1.0), QSize(797, 1123));
        }
        EXPECT_EQ(Page(f), 4);  // back at the page it showed
        ExpectConsistent(f, po, "100 %");
        Key(&f, Qt::Key_Plus, "+");
        EXPECT_EQ(f.ZoomFactor->currentIndex(), 4);

        // A choice from the list at page 7 returns to page 7 too.
        f.PgNumb->setText("7");
        f.PgNumbExit();
        f.ZoomFactor->setCurrentIndex(2);
        emit f.ZoomFactor->activated(2);
        EXPECT_EQ(Page(f), 7);
        EXPECT_EQ(f.PictureWidth(), A4At(0.78).width());
        ExpectConsistent(f, po, "80 % from the list");
        EXPECT_EQ(f.ScrollBox->VertPosition(), 6 * (f.PictureHeight() + 5));
    });
}

TEST(PreviewForm, OnePageAndEscape)
{
    WithPreview(1, [](TPreviewForm& f, TPrintObject& po) {
        EXPECT_EQ(f.windowTitle(), "Bericht [1 Seite]");
        for (TGlowButton* b : {f.btnFirst, f.btnPrevious, f.btnNext, f.btnLast}) EXPECT_FALSE(b->isEnabled());
        EXPECT_EQ(f.SlotPage(1), 1);
        for (int slot = 2; slot <= 5; ++slot) EXPECT_EQ(f.SlotPage(slot), 0) << slot;
        ExpectConsistent(f, po, "one page");
        Key(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(f.result(), int(mrCancel));
    });
}

TEST(PreviewForm, SecondJobOfTheSamePrintObject)
{
    RealPreview real;
    TPrintObject po;
    WithPreview(3, [](TPreviewForm& f, TPrintObject& p) {
        Key(&f, Qt::Key_End);
        ExpectConsistent(f, p, "first job");
        Key(&f, Qt::Key_Escape);
    }, &po);
    WithPreview(6, [](TPreviewForm& f, TPrintObject& p) {
        EXPECT_EQ(Page(f), 1);
        EXPECT_EQ(f.windowTitle(), "Bericht [6 Seiten]");
        ExpectConsistent(f, p, "second job");
        Key(&f, Qt::Key_End);
        ExpectConsistent(f, p, "second job, End");
    }, &po);
}

TEST(PreviewForm, PrintButtonPrintsARangeAndComesBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("vorschau.pdf");
    WithPreview(5, [&](TPreviewForm& f, TPrintObject& po) {
        po.SetShowPrintDialog(true);
        Key(&f, Qt::Key_Plus, "+");
        f.PgNumb->setText("4");
        f.PgNumbExit();
        const int pos = f.ScrollBox->VertPosition();
        ScriptedAnswerer::instance().expectPrintDialog([&](PrintDialogRequest& r) {
            EXPECT_EQ(r.minPage, 1);
            EXPECT_EQ(r.maxPage, 5);
            r.printerName = TPrinter::PdfPrinterName();
            r.pdfFileName = pdf;
            r.printRange = true;
            r.fromPage = 2;
            r.toPage = 3;
            return true;
        });
        f.btnPrint->Click();
        EXPECT_EQ(f.ZoomFactor->currentText(), "70 %");
        EXPECT_EQ(f.ScrollBox->VertPosition(), pos);
        EXPECT_EQ(Page(f), 4);
        ExpectConsistent(f, po, "after printing");
    });
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+2\\n")));
}

TEST(PreviewForm, WindowGrabsShowWhitePagesOnGrey)
{
    WithPreview(3, [](TPreviewForm& f, TPrintObject&) {
        f.resize(900, 700);
        QCoreApplication::processEvents();
        for (const char* zoom : {"60 %", "100 %"}) {
            const int entry = f.ZoomFactor->findText(QLatin1String(zoom));
            f.ZoomFactor->setCurrentIndex(entry);
            emit f.ZoomFactor->activated(entry);
            const QImage img = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
            img.save(QDir::temp().filePath(QStringLiteral("strombau-preview-%1.png").arg(QString::fromLatin1(zoom).remove(u' ').remove(u'%'))));
            const QRect page = f.SlotLabel(1)->geometry().translated(f.ScrollBox->geometry().topLeft());
            // Grey beside and above the page, white inside it, the number's ink on it.
            EXPECT_EQ(img.pixelColor(page.left() - 3, page.top() + 40), QColor(128, 128, 128)) << zoom;
            EXPECT_EQ(img.pixelColor(page.left() + 3, page.top() - 4), QColor(128, 128, 128)) << zoom;
            EXPECT_EQ(img.pixelColor(page.left() + 5, page.top() + 5), QColor(Qt::white)) << zoom;
            if (QLatin1String(zoom) == QLatin1String("60 %")) {
                const int vw = f.ScrollBox->viewport()->width();
                EXPECT_EQ(f.SlotLabel(1)->x(), (vw - f.PictureWidth()) / 2);
            }
            int ink = 0;
            for (int y = page.top(); y < qMin(page.bottom(), img.height()); ++y)
                for (int x = page.left(); x < qMin(page.right(), img.width()); ++x) ink += img.pixelColor(x, y).lightness() < 100;
            EXPECT_GT(ink, 100) << zoom;
        }
    });
}
