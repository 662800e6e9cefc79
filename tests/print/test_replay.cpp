// Replay: every command kind reaches its operation, the page number is
// put into the text after its marker, pages draw alike in any order, and
// failures are gathered into one message.
#include "print/PreviewTestUtil.h"
#include "common/TestSupport.h"
#include "print/PrintTestUtil.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Logs the brush colour and the text angle with every text.
class TTextLogCanvas : public TLogCanvas {
public:
    void TextOut(int x, int y, const QString& text) override
    {
        log << QStringLiteral("brush %1 angle %2").arg(Brush().Color(), 6, 16, QLatin1Char('0')).arg(FontEscapement());
        TLogCanvas::TextOut(x, y, text);
    }
};

// A surface whose ellipses fail.
class TFailingCanvas : public TLogCanvas {
public:
    void Ellipse(int, int, int, int) override { throw std::runtime_error("no ellipse"); }
};

using Commands = std::vector<std::unique_ptr<TPrnPrintCommand>>;

template <typename T, typename... A>
void Add(Commands& c, A&&... args)
{
    c.push_back(std::make_unique<T>(std::forward<A>(args)...));
}

TFont Font(const QString& name, int size, TFontStyles style = 0)
{
    TFont f;
    f.SetName(name);
    f.SetSize(size);
    f.SetStyle(style);
    return f;
}

// Replays `commands` as page `pageNo` onto `surface` while the job's
// preview is open; `check` runs right after.
struct ReplayCase {
    const char* name;
    std::function<void(Commands&)> build;
    std::function<void(TPrintObject&, TTextLogCanvas&)> check;
};

}  // namespace

TEST(Replay, EveryKindReachesItsOperation)
{
    PreviewRegistration registration;
    FakeJob job;  // 96 pixels per inch, characters 7 pixels, lines 15
    TPrintObject& po = job.po;
    const std::vector<ReplayCase> cases = {
        {"line", [](Commands& c) { Add<TPrnLine>(c, 1.0, 1.0, 2.0, 1.0, quint16(3)); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"Line 96,96-192,96 w3"}); }},
        {"new line", [](Commands& c) { Add<TPrnSetY>(c, 1.0); Add<TPrnPrintCommand>(c, PrnKind::NewLine); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_DOUBLE_EQ(po.CurrentY(), 1.0 + 15.0 / 96); }},
        {"picture",
         [](Commands& c) {
             QImage img(10, 10, QImage::Format_RGB32);
             img.fill(Qt::red);
             Add<TPrnGraphic>(c, img, 1, 1.0, 0.5, 0.5, 0.25);
         },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"StretchDraw 96,48,48,24"}); }},
        {"detail", [](Commands& c) { Add<TPrnDetail>(c, 1.0, 5.0); },
         [](TPrintObject& po, TTextLogCanvas&) {
             EXPECT_DOUBLE_EQ(po.DetailTop(), 1.0);
             EXPECT_DOUBLE_EQ(po.DetailBottom(), 5.0);
         }},
        {"font", [](Commands& c) { Add<TPrnFont>(c, Font("Arial", 14, fsBold)); },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_EQ(s.Font().Size(), 14);
             EXPECT_EQ(s.Font().Style(), fsBold);
         }},
        {"header band",
         [](Commands& c) {
             Add<TPrnHeaderDim>(c, 1.0, 0.25, 3.0, 0.75, quint8(1), quint16(1), TColor(0));
             Add<TPrnHeaderInf>(c, 1, QStringLiteral("Kopf"), 0.5, quint16(0), QStringLiteral("Arial"), 10, 0, clBlack);
         },
         [](TPrintObject& po, TTextLogCanvas& s) {
             s.log.clear();
             po.PrintHeaderBand();
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 96,48 Kopf"))) << s.log.join('|').toStdString();
             EXPECT_TRUE(s.log.contains(QStringLiteral("Line 96,24-288,24 w1")));
         }},
        {"footer band",
         [](Commands& c) {
             Add<TPrnFooterDim>(c, 0.0, 9.0, 8.0, 10.0, quint8(0), quint16(0), TColor(0));
             Add<TPrnFooterInf>(c, 2, QStringLiteral("Fuss"), 10.0, quint16(0), QStringLiteral("Arial"), 8, 0, clBlack);
         },
         [](TPrintObject& po, TTextLogCanvas& s) {
             s.log.clear();
             po.PrintFooterBand();
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 0,960 Fuss"))) << s.log.join('|').toStdString();
         }},
        {"line width", [](Commands& c) { Add<TPrnLineWidth>(c, quint16(4)); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.Pen().Width(), 4); }},
        {"margins", [](Commands& c) { Add<TPrnMargins>(c, 1.0, 0.5, 7.0, 10.0); },
         [](TPrintObject& po, TTextLogCanvas&) {
             EXPECT_EQ(po.LeftMargin(), 96);
             EXPECT_EQ(po.TopMargin(), 48);
             EXPECT_EQ(po.RightMargin(), 672);
             EXPECT_EQ(po.BottomMargin(), 960);
         }},
        {"orientation", [](Commands& c) { Add<TPrnOrient>(c, 1); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_EQ(po.Orientation(), 1); }},
        {"page number settings",
         [](Commands& c) {
             Add<TPrnPageNumber>(c, 10.5, QStringLiteral("S. %d"), quint16(1), QStringLiteral("Arial"), 8, 0, clBlack,
                                 false);
         },
         [](TPrintObject& po, TTextLogCanvas&) {
             QString t;
             ASSERT_TRUE(po.FormatPageNumber(2, t));
             EXPECT_EQ(t, QStringLiteral("S. 2"));
         }},
        {"tab", [](Commands& c) { Add<TPrnTab>(c, 0.5); Add<TPrnText>(c, 1.0, 1.0, QStringLiteral("t"), clWhite); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 144,96 t"))); }},
        {"start of body",
         [](Commands& c) { Add<TPrnDetail>(c, 2.0, 5.0); Add<TPrnPrintCommand>(c, PrnKind::StartPageBody); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_DOUBLE_EQ(po.CurrentY(), 2.0); }},
        {"set y", [](Commands& c) { Add<TPrnSetY>(c, 2.5); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_DOUBLE_EQ(po.CurrentY(), 2.5); }},
        {"text with its brush", [](Commands& c) { Add<TPrnText>(c, 1.0, 2.0, QStringLiteral("Hallo"), clRed); },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_EQ(s.log, (QStringList{"brush 0000ff angle 0", "TextOut 96,192 Hallo"}));
             EXPECT_EQ(s.Brush().Color(), clWhite);
         }},
        {"column", [](Commands& c) { Add<TPrnColumn>(c, quint16(3), 1.0, 2.0); },
         [](TPrintObject& po, TTextLogCanvas&) {
             EXPECT_DOUBLE_EQ(po.GetColumnLeft(3), 1.0);
             EXPECT_DOUBLE_EQ(po.GetColumnRight(3), 3.0);
         }},
        {"paging off and on",
         [](Commands& c) { Add<TPrnPrintCommand>(c, PrnKind::AutoPagingOff); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_FALSE(po.AutomaticPaging()); }},
        {"paging on", [](Commands& c) { Add<TPrnPrintCommand>(c, PrnKind::AutoPagingOn); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_TRUE(po.AutomaticPaging()); }},
        {"eleven saves and restores",
         [](Commands& c) {
             for (int i = 1; i <= 11; ++i) {
                 Add<TPrnSetY>(c, double(i));
                 Add<TPrnPrintCommand>(c, PrnKind::SaveY);
             }
             Add<TPrnSetY>(c, 50.0);
             Add<TPrnPrintCommand>(c, PrnKind::RestoreY);  // the eleventh kept nothing
             Add<TPrnText>(c, 0.0, -2.0, QStringLiteral("a"), clWhite);
             Add<TPrnPrintCommand>(c, PrnKind::RestoreY);
             Add<TPrnText>(c, 0.0, -2.0, QStringLiteral("b"), clWhite);
             for (int i = 0; i < 9; ++i) Add<TPrnPrintCommand>(c, PrnKind::RestoreY);
         },
         [](TPrintObject& po, TTextLogCanvas& s) {
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 0,4800 a")));
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 0,960 b")));
             EXPECT_DOUBLE_EQ(po.CurrentY(), 1.0);
             EXPECT_EQ(po.SavedYDepth(), 0);
         }},
        {"colours",
         [](Commands& c) {
             Add<TPrnFColor>(c, clGreen);
             Add<TPrnBColor>(c, clYellow);
             Add<TPrnPColor>(c, clBlue);
         },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_EQ(s.Font().Color(), clGreen);
             EXPECT_EQ(s.Brush().Color(), clYellow);
             EXPECT_EQ(s.Pen().Color(), clBlue);
         }},
        {"move and line to",
         [](Commands& c) {
             Add<TPrnGraphicPoint>(c, PrnKind::MoveTo, 1.0, 1.0);
             Add<TPrnGraphicPoint>(c, PrnKind::LineTo, 2.0, 1.5);
         },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"Line 96,96-192,144 w1"}); }},
        {"ellipse", [](Commands& c) { Add<TPrnEllipse>(c, 1.0, 1.0, 2.0, 2.0); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"Ellipse 96,96,192,192"}); }},
        {"brush style", [](Commands& c) { Add<TPrnBrushStyle>(c, bsCross); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.Brush().Style(), bsCross); }},
        {"flood fill", [](Commands& c) { Add<TPrnFloodFill>(c, 1.0, 1.0, clRed, quint8(fsBorder)); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"FloodFill 96,96,255,1"}); }},
        {"fill rect", [](Commands& c) { Add<TPrnFillRect>(c, 1.0, 1.0, 2.0, 2.0); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"FillRect 96,96,192,192"}); }},
        {"frame rect", [](Commands& c) { Add<TPrnFrameRect>(c, 1.0, 1.0, 2.0, 2.0); },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_EQ(s.log, (QStringList{"Line 96,96-192,96 w1", "Line 192,96-192,192 w1", "Line 192,192-96,192 w1",
                                           "Line 96,192-96,96 w1"}));
         }},
        {"arc", [](Commands& c) { Add<TPrnPieArc>(c, PrnKind::Arc, 1.0, 1.0, 2.0, 2.0, 2.0, 1.5, 1.5, 1.0); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"Arc 96,96,192,192,192,144,144,96"}); }},
        {"pie", [](Commands& c) { Add<TPrnPieArc>(c, PrnKind::Pie, 1.0, 1.0, 2.0, 2.0, 2.0, 1.5, 1.5, 1.0); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"Pie 96,96,192,192,192,144,144,96"}); }},
        {"polyline",
         [](Commands& c) {
             Add<TPrnPolygon>(c, PrnKind::Polyline, std::vector<QPointF>{{1.0, 1.0}, {2.0, 1.0}, {2.0, 2.0}});
         },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"Polyline 96,96,192,96,192,192"}); }},
        {"polygon",
         [](Commands& c) {
             Add<TPrnPolygon>(c, PrnKind::Polygon, std::vector<QPointF>{{1.0, 1.0}, {2.0, 1.0}, {2.0, 2.0}});
         },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_EQ(s.log, QStringList{"Polyline 96,96,192,96,192,192,96,96"});
         }},
        {"pen style and mode",
         [](Commands& c) {
             Add<TPrnPStyle>(c, psDash);
             Add<TPrnPMode>(c, pmXor);
         },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_EQ(s.Pen().Style(), psDash);
             EXPECT_EQ(s.Pen().Mode(), pmXor);
         }},
        {"font angle",
         [](Commands& c) {
             Add<TPrnFontAngle>(c, 90);
             Add<TPrnText>(c, 1.0, 1.0, QStringLiteral("hoch"), clWhite);
         },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_TRUE(s.log.contains(QStringLiteral("brush ffffff angle 900")));
             EXPECT_EQ(s.FontEscapement(), 0);
         }},
        {"column right",
         [](Commands& c) {
             Add<TPrnColumn>(c, quint16(3), 1.0, 2.0);
             Add<TPrnColRight>(c, 2.0, QStringLiteral("rechts"), 3);
         },
         [](TPrintObject&, TTextLogCanvas& s) {
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut %1,192 rechts").arg(288 - 4 - 42)));
         }},
        {"right", [](Commands& c) { Add<TPrnWriteRight>(c, 2.0, QStringLiteral("r")); },
         [](TPrintObject& po, TTextLogCanvas& s) {
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut %1,192 r").arg(po.RightMargin() - 8)));
         }},
        {"indent", [](Commands& c) { Add<TPrnIndent>(c, 1.0); },
         [](TPrintObject& po, TTextLogCanvas& s) {
             po.WriteAligned(QStringLiteral("i"), 4, 1.0, 0.0);
             EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 96,96 i")));
         }},
        {"transparent", [](Commands& c) { Add<TPrnTransparent>(c, true); },
         [](TPrintObject& po, TTextLogCanvas&) { EXPECT_TRUE(po.Transparent()); }},
        {"round rect", [](Commands& c) { Add<TPrnRoundRect>(c, 1.0, 1.0, 2.0, 2.0, 0.25, 0.25); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_EQ(s.log, QStringList{"RoundRect 96,96,192,192,24,24"}); }},
        {"right to x", [](Commands& c) { Add<TPrnRightToX>(c, 2.0, 1.0, QStringLiteral("ab")); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 178,96 ab"))); }},
        {"centre to x", [](Commands& c) { Add<TPrnCenterToX>(c, 2.0, 1.0, QStringLiteral("ab")); },
         [](TPrintObject&, TTextLogCanvas& s) { EXPECT_TRUE(s.log.contains(QStringLiteral("TextOut 185,96 ab"))); }},
        {"gradient", [](Commands& c) { Add<TPrnGradient>(c, 1.0, 1.0, 2.0, 2.0, clBlack, clWhite, 0); },
         [](TPrintObject&, TTextLogCanvas& s) {
             int fills = 0;
             for (const QString& l : s.log) fills += l.startsWith(QLatin1String("FillRect"));
             EXPECT_EQ(fills, 100);
         }},
        {"kinds that draw nothing",
         [](Commands& c) {
             for (quint8 k : {quint8(2), quint8(9), quint8(21), quint8(22), quint8(23), quint8(24)})
                 Add<TPrnPrintCommand>(c, k);
             Add<TPrnMeasure>(c, mtMM);
             Add<TPrnPrintCommand>(c, quint8(77));
         },
         [](TPrintObject& po, TTextLogCanvas& s) {
             EXPECT_TRUE(s.log.isEmpty());
             EXPECT_EQ(po.Measurement(), mtInches);
         }},
    };

    int replayed = 0;
    registration.last->onShow = [&](TPrintObject& p) {
        for (const ReplayCase& rc : cases) {
            SCOPED_TRACE(rc.name);
            TTextLogCanvas surface;
            surface.page = job.canvas.page;
            p.SetDrawingCanvas(&surface);
            TPrnPageList page;
            Commands commands;
            rc.build(commands);
            for (auto& c : commands) page.Add(std::move(c));
            p.ReplayPage(&page, 1, true);
            rc.check(p, surface);
            p.SetDrawingCanvas(nullptr);
            ++replayed;
        }
    };
    ASSERT_TRUE(job.start());
    po.WriteText(QStringLiteral("Seite eins"), 0.0, 1.0);
    po.EndReport();
    EXPECT_EQ(replayed, int(cases.size()));
}

namespace {

// A four-page job whose preview replays a page made by the test.
struct PageNumberReplay {
    PreviewRegistration registration;
    FakeJob job;
    TTextLogCanvas surface;
    double yAfter = -1;
    QStringList run(std::function<void(Commands&)> build, int pageNo, bool showTotal = true)
    {
        registration.last->onShow = [&](TPrintObject& p) {
            surface.page = job.canvas.page;
            p.SetDrawingCanvas(&surface);
            TPrnPageList page;
            Commands c;
            Add<TPrnPageNumber>(c, 10.5, QStringLiteral("Seite %d"), quint16(0), QStringLiteral("Arial"), 8, 0,
                                clBlack, showTotal);
            build(c);
            for (auto& cmd : c) page.Add(std::move(cmd));
            p.ReplayPage(&page, pageNo, true);
            yAfter = p.CurrentY();
            p.SetDrawingCanvas(nullptr);
        };
        EXPECT_TRUE(job.start());
        for (int i = 0; i < 3; ++i) job.po.NewPage();
        job.po.EndReport();
        QStringList texts;
        for (const QString& l : surface.log)
            if (l.startsWith(QLatin1String("TextOut"))) texts << l;
        return texts;
    }
};

}  // namespace

TEST(ReplayPageNumber, TabAndYOnTheWayTakeEffectOnce)
{
    PageNumberReplay r;
    const QStringList texts = r.run(
        [](Commands& c) {
            Add<TPrnPrintCommand>(c, PrnKind::PageNumberText);
            Add<TPrnTab>(c, 0.5);
            Add<TPrnPrintCommand>(c, PrnKind::SaveY);  // looked at, not replayed
            Add<TPrnSetY>(c, 3.0);
            Add<TPrnText>(c, 1.0, 2.0, QStringLiteral("Seite 1 von 1"), clWhite);
            Add<TPrnText>(c, 1.0, -2.0, QStringLiteral("danach"), clWhite);
        },
        2);
    // The number at the recorded position, moved by the tab; the text after
    // it is replayed as usual on the line the number set.
    EXPECT_EQ(texts, (QStringList{"TextOut 144,192 Seite 2 von 4", "TextOut 144,192 danach"}));
    EXPECT_EQ(r.job.po.SavedYDepth(), 0);
}

TEST(ReplayPageNumber, WithoutTotal)
{
    PageNumberReplay r;
    const QStringList texts = r.run(
        [](Commands& c) {
            Add<TPrnPrintCommand>(c, PrnKind::PageNumberText);
            Add<TPrnText>(c, 1.0, 2.0, QStringLiteral("Seite 1"), clWhite);
        },
        3, false);
    EXPECT_EQ(texts, QStringList{"TextOut 96,192 Seite 3"});
}

TEST(ReplayPageNumber, NoTextAfterTheMarkerPassesOverNothing)
{
    PageNumberReplay r;
    const QStringList texts = r.run(
        [](Commands& c) {
            Add<TPrnPrintCommand>(c, PrnKind::PageNumberText);
            Add<TPrnSetY>(c, 3.0);
            Add<TPrnPrintCommand>(c, PrnKind::NewLine);
        },
        2);
    EXPECT_TRUE(texts.isEmpty());
    // Nothing was passed over: the Y and the new line after the marker
    // both took effect.
    EXPECT_DOUBLE_EQ(r.yAfter, 3.0 + 15.0 / 96);
}

TEST(ReplayPageNumber, LookAheadStopsAtThePageEndAndKeepsTheUnit)
{
    PreviewRegistration registration;
    FakeJob job;
    double yAfter = -1;
    MeasureType unitAfter = mtPixels;
    registration.last->onShow = [&](TPrintObject& p) {
        TTextLogCanvas surface;
        surface.page = job.canvas.page;
        p.SetDrawingCanvas(&surface);
        TPrnPageList page;
        page.Add(std::make_unique<TPrnPrintCommand>(PrnKind::PageNumberText));
        page.Add(std::make_unique<TPrnMeasure>(mtMM));
        page.Add(std::make_unique<TPrnSetY>(3.0));
        page.Add(std::make_unique<TPrnPrintCommand>(PrnKind::NewLine));
        p.ReplayPage(&page, 1, true);
        yAfter = p.CurrentY();
        unitAfter = p.Measurement();
        // The next page's text is not taken for this page's number.
        TPrnPageList next;
        next.Add(std::make_unique<TPrnText>(1.0, 1.0, QStringLiteral("zwei"), clWhite));
        p.ReplayPage(&next, 2, true);
        EXPECT_EQ(surface.log.filter(QStringLiteral("TextOut")), QStringList{"TextOut 96,96 zwei"});
        p.SetDrawingCanvas(nullptr);
    };
    ASSERT_TRUE(job.start());
    job.po.NewPage();
    job.po.EndReport();
    // Nothing was passed over: the Y and the new line both took effect.
    EXPECT_DOUBLE_EQ(yAfter, 3.0 + 15.0 / 96);
    EXPECT_EQ(unitAfter, mtInches);
}

TEST(ReplayPageNumber, CentredNumberIsCentredWithItsFinalText)
{
    PreviewRegistration registration;
    FakeJob job;
    QStringList texts;
    int left = 0, right = 0;
    registration.last->onShow = [&](TPrintObject& p) {
        TTextLogCanvas surface;
        surface.page = job.canvas.page;
        p.SetDrawingCanvas(&surface);
        for (int n = 1; n <= 3; ++n) p.ReplayPage(p.Pages()->GetPage(n), n, true);
        left = p.LeftMargin();
        right = p.RightMargin();
        for (const QString& l : surface.log)
            if (l.startsWith(QLatin1String("TextOut"))) texts << l;
        p.SetDrawingCanvas(nullptr);
    };
    ASSERT_TRUE(job.start());
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(8);
    job.po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    job.po.SetPrintPageNumbers(true);
    job.po.SetPageNumber(QStringLiteral("Seite %d"), 1, 270.0, true, f);
    job.po.NewPage();
    job.po.NewPage();
    job.po.EndReport();
    ASSERT_EQ(texts.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        const QString text = QStringLiteral("Seite %1 von 3").arg(n);
        const int w = int(text.size()) * 7;
        const int x = left + (right - left - w) / 2;
        EXPECT_TRUE(texts[n - 1].startsWith(QStringLiteral("TextOut %1,").arg(x))) << texts[n - 1].toStdString();
        EXPECT_TRUE(texts[n - 1].endsWith(text));
    }
}

TEST(Replay, FailuresAreGatheredIntoOneMessage)
{
    PreviewRegistration registration;
    FakeJob job;
    QStringList texts;
    registration.last->onShow = [&](TPrintObject& p) {
        TFailingCanvas surface;
        surface.page = job.canvas.page;
        p.SetDrawingCanvas(&surface);
        ScriptedAnswerer::instance().expectMessage(QStringLiteral("Error in Ellipse command."));
        p.ReplayPage(p.Pages()->GetPage(1), 1, true);
        texts = surface.log.filter(QStringLiteral("TextOut"));
        p.SetDrawingCanvas(nullptr);
    };
    ASSERT_TRUE(job.start());
    job.po.Ellipse(10, 10, 20, 20);
    job.po.Ellipse(30, 30, 40, 40);
    job.po.WriteText(QStringLiteral("weiter"), 10.0, 50.0);
    job.po.EndReport();
    // The page went on after both failures.
    EXPECT_EQ(texts.size(), 1);
    const auto& asked = ScriptedAnswerer::instance().asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text.count(QStringLiteral("Error in Ellipse command.")), 1);
}

namespace {

// A three-page job on real fonts whose pages change fonts, colours,
// columns and the print line, each page going on from the one before.
void RecordThreePages(TPrintObject& po)
{
    po.SetPaperSize(PAPER_A4);
    ASSERT_TRUE(po.Start());
    po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    po.SetDetail(20.0, 250.0);
    po.StartPageBody();
    po.SetColumn(1, 0.0, 40.0);
    po.SetColumn(2, 45.0, 30.0);
    TFont f = Font(QStringLiteral("Arial"), 12, fsBold);
    po.SetFont(f);
    for (int i = 0; i < 40; ++i) {
        if (i == 15 || i == 30) po.NewPage();
        if (i == 12) {
            po.SetFontColor(clRed);
            po.SetFontStyle(fsItalic);
            po.SetBrushColor(RGBToColor(220, 230, 255));
        }
        if (i == 25) {
            po.SetFontSize(9);
            po.SetColumn(2, 60.0, 50.0);
            po.SetTransparent(true);
        }
        po.WriteColumnLeft(1, QStringLiteral("Zeile %1").arg(i), -1.0);
        po.WriteColumnRight(2, QStringLiteral("%1,00").arg(i * 37), -2.0);
        if (i % 7 == 3) po.DrawLine(1, 0.0, po.GetY() + 4.5, 150.0, po.GetY() + 4.5);
    }
}

}  // namespace

TEST(Replay, PagesDrawnInAnyOrderAreTheSamePictures)
{
    PreviewRegistration registration;
    TPrintObject po;
    po.SetPreview(true);
    std::vector<QImage> inOrder(3), shuffled(3);
    registration.last->onShow = [&](TPrintObject& p) {
        ASSERT_EQ(p.Pages()->PageCount(), 3);
        ASSERT_EQ(p.SnapshotCount(), 3);
        const QSize size(qRound(p.Pages()->PaperWidth * 96), qRound(p.Pages()->PaperHeight * 96));
        auto draw = [&](int n) {
            TImageCanvas canvas(size);
            p.SetDrawingCanvas(&canvas);
            p.ReplayPage(p.Pages()->GetPage(n), n, true);
            p.SetDrawingCanvas(nullptr);
            return canvas.Image();
        };
        for (int n : {1, 2, 3}) inOrder[size_t(n - 1)] = draw(n);
        for (int n : {3, 1, 2}) shuffled[size_t(n - 1)] = draw(n);
        // Page 2 drawn twice in a row is still the same picture.
        EXPECT_EQ(draw(2), inOrder[1]);
    };
    RecordThreePages(po);
    po.EndReport();
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_FALSE(inOrder[i].isNull());
        EXPECT_EQ(inOrder[i], shuffled[i]) << "page " << i + 1;
    }
    // The pages differ from each other (they do carry their own content).
    EXPECT_NE(inOrder[0], inOrder[1]);
    EXPECT_NE(inOrder[1], inOrder[2]);
    // Page 2 writes opaque on the brush colour page 1 set; the job turned
    // transparent only later, which page 1 does not start from.
    auto cells = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == qRgb(220, 230, 255);
        return n;
    };
    EXPECT_GT(cells(inOrder[0]), 100);
    EXPECT_GT(cells(inOrder[1]), 100);
    EXPECT_EQ(cells(inOrder[2]), 0);
    if (!qEnvironmentVariableIsEmpty("SB_GRAB_DIR")) inOrder[1].save(qEnvironmentVariable("SB_GRAB_DIR") + "/page2.png");
}
