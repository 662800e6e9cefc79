#include "common/TestSupport.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include "support/AngleLabels.h"
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QTransform>
#include <gtest/gtest.h>
#include <cmath>

namespace {

using L = TCustomAngleLabel;

// ---------------------------------------------------------------- properties

TEST(AngleLabelProperties, AngleIsReducedIntoOneTurn)
{
    TAngleLabel label;
    const struct { int in, out; } cases[] = {{-90, 270}, {720, 0}, {-450, 270}, {359, 359}, {360, 0}, {-1, 359}, {45, 45}};
    for (const auto& c : cases) {
        label.SetAngle(c.in);
        EXPECT_EQ(label.Angle(), c.out) << c.in;
    }
}

TEST(AngleLabelProperties, AngleAndOffsetsSwitchAutoSizeOff)
{
    TAngleLabel a;
    EXPECT_TRUE(a.AutoSize());
    a.SetAngle(360);  // still no angle
    EXPECT_TRUE(a.AutoSize());
    a.SetAngle(30);
    EXPECT_FALSE(a.AutoSize());

    TAngleLabel b;
    b.SetOffsetX(-3);  // only 1 or more
    EXPECT_TRUE(b.AutoSize());
    b.SetOffsetX(1);
    EXPECT_FALSE(b.AutoSize());

    TAngleLabel c;
    c.SetOffsetY(0);
    EXPECT_TRUE(c.AutoSize());
    c.SetOffsetY(2);
    EXPECT_FALSE(c.AutoSize());
}

TEST(AngleLabelProperties, AutoSizeFitsTheCaption)
{
    TAngleLabel label;
    label.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    label.setGeometry(10, 10, 5, 5);
    label.SetCaption(QStringLiteral("Ein Text"));
    const QFontMetrics fm(label.font());
    EXPECT_EQ(label.pos(), QPoint(10, 10));
    EXPECT_GE(label.width(), fm.horizontalAdvance(QStringLiteral("Ein Text")) - 1);
    EXPECT_LE(label.width(), fm.horizontalAdvance(QStringLiteral("Ein Text")) + 2);
    EXPECT_EQ(label.height(), fm.height());

    // Without AutoSize the size stays.
    label.SetAutoSize(false);
    label.resize(40, 30);
    label.SetCaption(QStringLiteral("Ein viel längerer Text"));
    EXPECT_EQ(label.size(), QSize(40, 30));
}

TEST(AngleLabelProperties, EachShadowStyleSetsItsPreset)
{
    struct Row {
        L::TShadowStyle style;
        L::TDirection hDir;
        int hDepth;
        L::TDirection sDir;
        int sDepth, sSize;
        bool faceColoured;
    };
    const Row rows[] = {
        {L::ssRaised, L::drUpLeft, 1, L::drNone, 0, 0, false},
        {L::ssRaisedColor, L::drUpLeft, 1, L::drDownRight, 1, 1, true},
        {L::ssRaisedShadow, L::drUpLeft, 1, L::drDownRight, 1, 1, false},
        {L::ssRaisedThickShadow, L::drUpLeft, 1, L::drDownRight, 1, 4, false},
        {L::ssRecessed, L::drDownRight, 1, L::drNone, 0, 0, false},
        {L::ssRecessedColor, L::drDownRight, 1, L::drUpLeft, 1, 1, true},
        {L::ssRecessedShadow, L::drDownRight, 1, L::drUpLeft, 1, 1, false},
        {L::ssShadow, L::drNone, 0, L::drDownRight, 2, 1, false},
        {L::ssThickShadow, L::drNone, 0, L::drDownRight, 1, 4, false},
        {L::ssNone, L::drNone, 0, L::drNone, 0, 0, false},
    };
    for (const Row& r : rows) {
        TAngleLabel label;
        label.SetFontColor(clMaroon);
        // Values that every preset must overwrite.
        label.SetHighlightDirection(L::drLeft);
        label.SetHighlightDepth(3);
        label.SetHighlightColor(clYellow);
        label.SetShadowDirection(L::drUp);
        label.SetShadowDepth(5);
        label.SetShadowSize(5);
        label.SetShadowColor(clLime);
        ASSERT_EQ(label.ShadowStyle(), L::ssCustom);

        label.SetShadowStyle(r.style);
        SCOPED_TRACE(r.style);
        EXPECT_EQ(label.ShadowStyle(), r.style);
        EXPECT_EQ(label.HighlightDirection(), r.hDir);
        EXPECT_EQ(label.HighlightDepth(), r.hDepth);
        EXPECT_EQ(label.ShadowDirection(), r.sDir);
        EXPECT_EQ(label.ShadowDepth(), r.sDepth);
        EXPECT_EQ(label.ShadowSize(), r.sSize);
        EXPECT_EQ(label.HighlightColor(), clBtnHighlight);
        EXPECT_EQ(label.ShadowColor(), clBtnShadow);
        EXPECT_EQ(label.FontColor(), r.faceColoured ? clBtnFace : clMaroon);
    }
}

TEST(AngleLabelProperties, ChangingOneValueMakesTheStyleCustom)
{
    TAngleLabel label;
    label.SetShadowStyle(L::ssRaised);
    label.SetShadowDepth(0);  // unchanged value: nothing happens
    EXPECT_EQ(label.ShadowStyle(), L::ssRaised);
    label.SetShadowDepth(2);
    EXPECT_EQ(label.ShadowStyle(), L::ssCustom);

    // ssCustom keeps every value as it is.
    label.SetShadowStyle(L::ssCustom);
    EXPECT_EQ(label.ShadowDepth(), 2);
    EXPECT_EQ(label.HighlightDirection(), L::drUpLeft);

    for (auto change : std::initializer_list<std::function<void(TAngleLabel&)>>{
             [](TAngleLabel& l) { l.SetHighlightColor(clRed); }, [](TAngleLabel& l) { l.SetShadowSize(3); },
             [](TAngleLabel& l) { l.SetShadowDirection(L::drLeft); }, [](TAngleLabel& l) { l.SetHighlightDepth(2); }}) {
        TAngleLabel l;
        l.SetShadowStyle(L::ssShadow);
        change(l);
        EXPECT_EQ(l.ShadowStyle(), L::ssCustom);
    }
}

TEST(AngleLabelProperties, ShadowDepthAndSizeOutsideZeroToFiveAreRefused)
{
    TAngleLabel label;
    label.SetShadowStyle(L::ssThickShadow);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("Value not allowed"));
    label.SetShadowSize(100000);
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("Value not allowed"));
    label.SetShadowDepth(-1);
    ScriptedAnswerer::instance().verifyDone();
    EXPECT_EQ(label.ShadowSize(), 4);
    EXPECT_EQ(label.ShadowDepth(), 1);
    EXPECT_EQ(label.ShadowStyle(), L::ssThickShadow);
    label.SetShadowSize(5);
    EXPECT_EQ(label.ShadowSize(), 5);
}

TEST(AngleLabelProperties, FormResourceSetsEveryPropertyByName)
{
    QWidget form;
    form.setObjectName("AboutBox");
    auto* label = new TAngleLabel(&form);
    label->setObjectName("Titel");
    ApplyFormResource(&form, ParseFormResource(QString::fromUtf8(R"(object AboutBox: TAboutBox
  object Titel: TAngleLabel
    Caption = 'Strombaurechner'
    Alignment = taCenter
    Layout = tlBottom
    Angle = 15
    OffsetX = 2
    ShadowStyle = ssRaisedShadow
    ShadowColor = clRed
    HighlightColor = -2147483633
    WordWrap = True
  end
end
)"), "about.dfm"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Strombaurechner"));
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(label->VerticalAlignment(), L::vaBottom);
    EXPECT_EQ(label->Angle(), 15);
    EXPECT_EQ(label->OffsetX(), 2);
    EXPECT_EQ(label->ShadowColor(), clRed);
    EXPECT_EQ(label->HighlightColor(), clBtnFace);
    EXPECT_EQ(label->ShadowStyle(), L::ssCustom);  // the colours came after the style
    EXPECT_TRUE(label->wordWrap());
}

TEST(AngleLabelProperties, EnterAndLeaveAreReported)
{
    TAngleLabel label;
    int entered = 0, left = 0;
    QObject::connect(&label, &TCustomAngleLabel::OnMouseEnter, [&] { ++entered; });
    QObject::connect(&label, &TCustomAngleLabel::OnMouseLeave, [&] { ++left; });
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}

// ---------------------------------------------------------------- drawing

const QRgb Black = qRgb(0, 0, 0), Red = qRgb(255, 0, 0), Blue = qRgb(0, 0, 255), White = qRgb(255, 255, 255);

QFont testFont(int pixels)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Black text on white, red shadows, blue highlights.
void plainColours(QWidget& w)
{
    QPalette pal = w.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::WindowText, Qt::black);
        pal.setColor(group, QPalette::Text, Qt::black);
        pal.setColor(group, QPalette::Window, Qt::white);
        pal.setColor(group, QPalette::Light, Qt::blue);  // button highlight
        pal.setColor(group, QPalette::Dark, Qt::red);    // button shadow
    }
    w.setPalette(pal);
}

void prepare(TAngleLabel& label, const QString& text, QSize size, int pixels = 40)
{
    label.SetAutoSize(false);
    label.setFont(testFont(pixels));
    plainColours(label);
    label.resize(size);
    label.SetCaption(text);
}

QImage grabOf(QWidget& w, const QString& name)
{
    const QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = QDir::tempPath() + QStringLiteral("/strombau-label-grabs");
    QDir().mkpath(dir);
    img.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    return img;
}

QRect boxOf(const QImage& img, QRgb colour)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

int countOf(const QImage& img, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == colour;
    return n;
}

TEST(AngleLabelDrawing, RaisedThickShadowDrawsFourShadowsOneHighlightAndTheText)
{
    TAngleLabel plain;
    prepare(plain, "I", {60, 60});
    plain.SetOffsetX(10);
    plain.SetOffsetY(5);
    const QRect ink = boxOf(grabOf(plain, "plain_I"), Black);
    ASSERT_FALSE(ink.isEmpty());
    ASSERT_EQ(countOf(grabOf(plain, "plain_I"), Red), 0);

    TAngleLabel label;
    prepare(label, "I", {60, 60});
    label.SetOffsetX(10);
    label.SetOffsetY(5);
    label.SetShadowStyle(L::ssRaisedThickShadow);
    const QImage img = grabOf(label, "raised_thick_shadow_I");
    EXPECT_EQ(boxOf(img, Black), ink);  // the text on top, where it was
    const int midY = ink.center().y(), midX = ink.center().x();
    for (int d = 1; d <= 4; ++d) {
        EXPECT_EQ(img.pixel(ink.right() + d, midY), Red) << "right " << d;
        EXPECT_EQ(img.pixel(ink.left() + d, ink.bottom() + d), Red) << "below " << d;
    }
    EXPECT_EQ(img.pixel(ink.right() + 5, midY), White);
    EXPECT_EQ(img.pixel(midX, ink.bottom() + 5), White);
    EXPECT_EQ(img.pixel(ink.left(), ink.bottom() + 1), White);
    EXPECT_EQ(img.pixel(ink.left() - 1, ink.top() - 1), Blue);
    EXPECT_EQ(img.pixel(ink.left() - 1, midY), Blue);
    EXPECT_EQ(img.pixel(ink.left() - 2, midY), White);
    EXPECT_EQ(boxOf(img, Red), ink.translated(4, 4) | ink.translated(1, 1));
}

TEST(AngleLabelDrawing, DisabledLabelIsEngravedWhateverItsStyle)
{
    TAngleLabel plain;
    prepare(plain, "I", {60, 60});
    plain.SetOffsetX(10);
    const QRect ink = boxOf(grabOf(plain, "plain_I_x10"), Black);
    ASSERT_FALSE(ink.isEmpty());

    for (auto style : {L::ssNone, L::ssRaisedThickShadow, L::ssRecessedColor}) {
        TAngleLabel label;
        prepare(label, "I", {60, 60});
        label.SetOffsetX(10);
        label.SetShadowStyle(style);
        label.setEnabled(false);
        const QImage img = grabOf(label, QStringLiteral("disabled_%1").arg(style));
        SCOPED_TRACE(style);
        EXPECT_EQ(countOf(img, Black), 0);
        EXPECT_EQ(boxOf(img, Red), ink);                       // button shadow at the text's place
        EXPECT_EQ(boxOf(img, Blue), ink.translated(1, 1));     // button highlight at +1,+1 below it
        EXPECT_EQ(img.pixel(ink.right() + 1, ink.center().y()), Blue);
        EXPECT_EQ(img.pixel(ink.right() + 2, ink.center().y()), White);
    }
}

TEST(AngleLabelDrawing, OffsetMovesTheInk)
{
    TAngleLabel a, b;
    prepare(a, "Wg", {120, 60});
    prepare(b, "Wg", {120, 60});
    b.SetOffsetX(5);
    b.SetOffsetY(-2);
    const QRect inkA = boxOf(grabOf(a, "offset_0"), Black);
    const QRect inkB = boxOf(grabOf(b, "offset_5"), Black);
    ASSERT_FALSE(inkA.isEmpty());
    EXPECT_EQ(inkB, inkA.translated(5, -2));
}

TEST(AngleLabelDrawing, VerticalAlignmentPlacesTheLine)
{
    const int height = 100;
    TAngleLabel top, centre, bottom;
    for (TAngleLabel* l : {&top, &centre, &bottom}) prepare(*l, "Hg", {120, height});
    centre.SetVerticalAlignment(L::vaCenter);
    bottom.setProperty("Layout", int(L::tlBottom));
    const int lineHeight = QFontMetrics(testFont(40)).height();
    const QRect t = boxOf(grabOf(top, "va_top"), Black);
    const QRect c = boxOf(grabOf(centre, "va_center"), Black);
    const QRect b = boxOf(grabOf(bottom, "va_bottom"), Black);
    ASSERT_FALSE(t.isEmpty());
    EXPECT_EQ(c, t.translated(0, (height - lineHeight) / 2));
    EXPECT_EQ(b, t.translated(0, height - lineHeight));
    EXPECT_EQ(bottom.VerticalAlignment(), L::vaBottom);
}

TEST(AngleLabelDrawing, CentredAlignmentCentresTheInk)
{
    for (int angle : {0, 180, 90}) {
        TAngleLabel label;
        prepare(label, "Mittig", {300, 300});
        label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label.SetVerticalAlignment(L::vaCenter);
        label.SetAngle(angle);
        const QRect ink = boxOf(grabOf(label, QStringLiteral("centred_%1").arg(angle)), Black);
        ASSERT_FALSE(ink.isEmpty());
        // Along the line the ink is centred; across it, the line's box is.
        const bool upright = angle != 90;
        const int before = upright ? ink.left() : ink.top();
        const int after = upright ? label.width() - 1 - ink.right() : label.height() - 1 - ink.bottom();
        EXPECT_LE(std::abs(before - after), 4) << angle << ": " << before << " / " << after;
    }
}

// The share of the ink of `turned` that lies on the ink of `upright` turned
// counter-clockwise by `angle` degrees, the two aligned at their ink boxes.
double sharedInk(const QImage& upright, const QImage& turned, int angle, QSize* expectedBox)
{
    const QTransform rot = QTransform().rotate(-angle);
    QRectF mapped;
    for (int y = 0; y < upright.height(); ++y)
        for (int x = 0; x < upright.width(); ++x)
            if (upright.pixel(x, y) == Black) mapped |= rot.mapRect(QRectF(x, y, 1, 1));
    if (expectedBox) *expectedBox = mapped.size().toSize();
    const QRect dst = boxOf(turned, Black);
    const QTransform back = rot.inverted();
    int hit = 0, all = 0;
    for (int y = dst.top(); y <= dst.bottom(); ++y)
        for (int x = dst.left(); x <= dst.right(); ++x) {
            if (turned.pixel(x, y) != Black) continue;
            ++all;
            const QPointF p = back.map(QPointF(x + 0.5 - dst.left() + mapped.left(), y + 0.5 - dst.top() + mapped.top()));
            const QPoint q(int(std::floor(p.x())), int(std::floor(p.y())));
            if (upright.rect().contains(q) && upright.pixel(q) == Black) ++hit;
        }
    return all ? double(hit) / all : 0.0;
}

TEST(AngleLabelDrawing, TurnedTextMatchesTheUprightTextTurned)
{
    TAngleLabel upright;
    prepare(upright, "Winkel", {400, 400});
    const QImage base = grabOf(upright, "angle_0");
    ASSERT_GT(countOf(base, Black), 100);
    for (int angle : {45, 90, 135, 180, 225, 270, 315}) {
        TAngleLabel label;
        prepare(label, "Winkel", {400, 400});
        label.SetAngle(angle);
        const QImage img = grabOf(label, QStringLiteral("angle_%1").arg(angle));
        SCOPED_TRACE(angle);
        const QRect ink = boxOf(img, Black);
        ASSERT_FALSE(ink.isEmpty());
        // The ink lies in the box of the turned line, which starts at the
        // client origin.
        const QFontMetrics fm(testFont(40));
        const QSizeF line = QTransform().rotate(-angle).mapRect(QRectF(0, 0, fm.horizontalAdvance("Winkel"), fm.height())).size();
        EXPECT_TRUE(QRect(0, 0, int(line.width()) + 2, int(line.height()) + 2).contains(ink)) << ink.x() << "," << ink.y();
        QSize expected;
        const double right = sharedInk(base, img, angle, &expected);
        EXPECT_LE(std::abs(ink.width() - expected.width()), 2);
        EXPECT_LE(std::abs(ink.height() - expected.height()), 2);
        EXPECT_GT(right, 0.8);
        // Turned the other way round, the same ink would not match.
        const double wrong = sharedInk(base, img, angle == 180 ? 0 : -angle, nullptr);
        EXPECT_LT(wrong, 0.6);
    }
}

}  // namespace
