#include "common/TestSupport.h"
#include "print/GlowButtons.h"
#include "platform/Dialogs.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include <QBuffer>
#include <QDialog>
#include <QtEndian>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb Fuchsia = qRgb(255, 0, 255);

// A solid square of `ink` whose bottom-left pixel (the transparent colour) is `transparent`.
QImage solidGlyph(QRgb ink, QRgb transparent = Fuchsia, int size = 16)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(ink);
    img.setPixel(0, size - 1, transparent);
    return img;
}

// Bounding box of the pixels of colour `c`.
QRect boxOf(const QImage& img, QRgb c)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
    return box;
}

QImage grabOf(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRgb rgbOf(TColor c, const QWidget& w) { return ColorToQColor(c, &w.palette()).rgb(); }

}  // namespace

TEST(GlowButton, DefaultsAndAccelerator)
{
    TGlowButton owned(nullptr);
    EXPECT_EQ(owned.Caption(), "GlowBtn");
    EXPECT_EQ(owned.size(), QSize(75, 25));
    QWidget parent;
    TGlowButton b(&parent);
    EXPECT_TRUE(b.Caption().isEmpty());
    EXPECT_EQ(b.ButtonType(), TGlowButton::btnAny);
    EXPECT_EQ(b.CaptionOnFont().Color(), clBlack);
    EXPECT_TRUE(b.CaptionOffFont().Style() & fsBold);

    const struct { const char* caption; QChar letter; } cases[] = {
        {"&Drucken", u'D'}, {"&&", QChar()}, {"Fish && &chips", u'C'}, {"Ende&", QChar()}, {"x&&y", QChar()},
    };
    for (const auto& c : cases) {
        b.SetCaption(QString::fromUtf8(c.caption));
        EXPECT_EQ(b.Accelerator(), c.letter) << c.caption;
    }
}

TEST(GlowButton, SingleGlyphGetsEmbossedDisabledImage)
{
    QWidget parent;
    TGlowButton b(&parent);
    // A black cross on white with fuchsia as the transparent colour.
    QImage g(16, 16, QImage::Format_RGB32);
    g.fill(Fuchsia);
    for (int i = 4; i < 12; ++i) { g.setPixel(i, 8, qRgb(0, 0, 0)); g.setPixel(8, i, qRgb(0, 0, 0)); }
    g.setPixel(2, 2, qRgb(255, 255, 255));
    b.SetGlyph(g);
    ASSERT_EQ(b.NumGlyphs(), 2);
    ASSERT_EQ(b.Glyph().size(), QSize(32, 16));
    const QImage& s = b.Glyph();
    const QRgb face = rgbOf(clBtnFace, b), shadow = rgbOf(clBtnShadow, b), light = rgbOf(clBtnHighlight, b);
    EXPECT_EQ(s.pixel(16 + 8, 8), shadow);       // ink in shadow colour
    EXPECT_EQ(s.pixel(16 + 12, 9), light);       // highlight one pixel right and below the ink's end
    EXPECT_EQ(s.pixel(16 + 0, 0), face);         // the transparent colour is background, not ink
    EXPECT_EQ(s.pixel(16 + 2, 2), face);         // and so is white
    EXPECT_EQ(s.pixel(8, 8), qRgb(0, 0, 0));     // the normal image is untouched

    // A strip of two images is taken as it is.
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(qRgb(10, 20, 30));
    b.SetGlyph(strip);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph().pixel(20, 5), qRgb(10, 20, 30));
    b.SetGlyph(QImage());
    EXPECT_EQ(b.NumGlyphs(), 0);
}

TEST(GlowButton, GlyphPlaceForEveryLayout)
{
    QWidget parent;
    parent.resize(200, 100);
    TGlowButton b(&parent);
    b.resize(75, 25);
    const QRgb red = qRgb(255, 0, 0);
    b.SetGlyph(solidGlyph(red));
    struct Case { TGlowButton::TButtonLayout layout; bool caption; QPoint at; };
    // 75 x 25 throughout: the layout switch to top/bottom makes the button 45 high.
    const Case cases[] = {
        {TGlowButton::blGlyphLeft, true, {4, 4}},     {TGlowButton::blGlyphLeft, false, {29, 4}},
        {TGlowButton::blGlyphRight, true, {55, 4}},   {TGlowButton::blGlyphRight, false, {29, 4}},
        {TGlowButton::blGlyphTop, true, {29, 4}},     {TGlowButton::blGlyphTop, false, {29, 14}},
        {TGlowButton::blGlyphBottom, true, {29, 25}}, {TGlowButton::blGlyphBottom, false, {29, 14}},
    };
    for (const Case& c : cases) {
        b.SetLayout(c.layout);
        b.SetCaption(c.caption ? QStringLiteral("Ab") : QString());
        const QImage img = grabOf(b);
        const QRect box = boxOf(img, red);
        // The transparent corner pixel shows the background, so the box still spans 16 x 16.
        EXPECT_EQ(box.topLeft(), c.at) << int(c.layout) << " caption " << c.caption;
        EXPECT_EQ(box.size(), QSize(16, 16));
    }
    b.SetLayout(TGlowButton::blGlyphLeft);
    EXPECT_EQ(b.height(), 25);
    b.SetLayout(TGlowButton::blGlyphTop);
    EXPECT_EQ(b.height(), 45);
}

TEST(GlowButton, BackgroundAndFrameByState)
{
    QWidget parent;
    TGlowButton b(&parent);
    b.SetCaption(QString());
    b.SetMouseOffColor(RGBToColor(200, 220, 240));
    b.SetFrameOffColor(RGBToColor(100, 60, 20));
    b.SetMouseOnColor(RGBToColor(250, 250, 200));
    b.SetFrameOnColor(RGBToColor(250, 250, 200));  // equal: no frame when lit
    QImage img = grabOf(b);
    EXPECT_EQ(img.pixel(0, 0), qRgb(100, 60, 20));
    EXPECT_EQ(img.pixel(10, 0), qRgb(100, 60, 20));
    EXPECT_EQ(img.pixel(74, 10), qRgb(50, 30, 10));  // the dark edge: halved
    EXPECT_EQ(img.pixel(73, 10), qRgb(50, 30, 10));
    EXPECT_EQ(img.pixel(10, 24), qRgb(50, 30, 10));
    EXPECT_EQ(img.pixel(30, 12), qRgb(200, 220, 240));

    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QTest::mouseMove(&b, QPoint(30, 12));
    img = grabOf(b);
    EXPECT_TRUE(b.MouseOn());
    EXPECT_EQ(img.pixel(0, 0), qRgb(250, 250, 200));
    EXPECT_EQ(img.pixel(74, 24), qRgb(250, 250, 200));

    b.setEnabled(false);
    b.SetDisableColor(RGBToColor(90, 90, 90));
    img = grabOf(b);
    EXPECT_EQ(img.pixel(30, 12), qRgb(90, 90, 90));
}

TEST(GlowButton, PressedMovesGlyphAndDarkensFrame)
{
    QWidget parent;
    TGlowButton b(&parent);
    b.SetCaption(QString());
    b.SetFrameOffColor(RGBToColor(100, 60, 20));
    b.SetFrameOnColor(RGBToColor(100, 60, 20));
    const QRgb red = qRgb(255, 0, 0);
    b.SetGlyph(solidGlyph(red));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(30, 12));
    ASSERT_TRUE(b.Pressed());
    const QImage img = grabOf(b);
    EXPECT_EQ(boxOf(img, red).topLeft(), QPoint(30, 5));
    EXPECT_EQ(img.pixel(0, 0), qRgb(50, 30, 10));
    EXPECT_EQ(img.pixel(1, 1), qRgb(50, 30, 10));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_FALSE(b.Pressed());
}

TEST(GlowButton, ClickSetsModalResultThenRunsOnClick)
{
    QDialog dlg;
    TGlowButton b(&dlg);
    b.SetModalResult(mrCancel);
    int clicks = 0, resultSeen = -1;
    b.OnClick = [&](QObject*) { ++clicks; resultSeen = dlg.result(); };
    dlg.show();
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(resultSeen, mrCancel);
    EXPECT_FALSE(dlg.isVisible());

    // Right button, a release outside, a disabled button: no click.
    dlg.show();
    QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(200, 10));
    b.setEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST(GlowButton, AltLetterClicksOnlyAnEnabledVisibleButton)
{
    QDialog dlg;
    dlg.resize(200, 60);
    TGlowButton b(&dlg);
    b.SetCaption(QStringLiteral("&Drucken"));
    int clicks = 0;
    b.OnClick = [&](QObject*) { ++clicks; };
    ASSERT_TRUE(ShowActive(&dlg));
    QTest::keyClick(&dlg, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    b.setEnabled(false);
    QTest::keyClick(&dlg, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    b.setEnabled(true);
    b.hide();
    QTest::keyClick(&dlg, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    b.show();
    // A caption set by the type brings its own letter: Alt+D no longer clicks.
    b.SetButtonType(TGlowButton::btnPrint);
    EXPECT_EQ(b.Caption(), "Print");
    EXPECT_TRUE(b.Accelerator().isNull());
    QTest::keyClick(&dlg, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    b.SetCaption(QStringLiteral("&Nochmal"));
    QTest::keyClick(&dlg, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
}

TEST(GlowButton, ButtonTypeGlyphAndModalResultKeepEachOther)
{
    QWidget parent;
    TGlowButton b(&parent);
    b.SetButtonType(TGlowButton::btnClose);
    EXPECT_EQ(b.ButtonType(), TGlowButton::btnClose);
    EXPECT_EQ(b.ModalResult(), mrCancel);
    EXPECT_EQ(b.Caption(), "Close");
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph().size(), QSize(32, 16));

    b.SetButtonType(TGlowButton::btnOK);
    EXPECT_EQ(b.ModalResult(), mrOk);
    b.SetButtonType(TGlowButton::btnNext);
    EXPECT_EQ(b.ModalResult(), mrNone);
    EXPECT_EQ(b.Caption(), "Next");

    // Setting the result makes the type btnAny and keeps the result.
    b.SetButtonType(TGlowButton::btnCancel);
    b.SetModalResult(mrYes);
    EXPECT_EQ(b.ButtonType(), TGlowButton::btnAny);
    EXPECT_EQ(b.ModalResult(), mrYes);

    // A glyph from outside makes the type btnAny too.
    b.SetButtonType(TGlowButton::btnPrint);
    b.SetGlyph(solidGlyph(qRgb(1, 2, 3)));
    EXPECT_EQ(b.ButtonType(), TGlowButton::btnAny);

    // Every type has its own picture.
    for (int t = TGlowButton::btnClose; t <= TGlowButton::btnHelp; ++t) {
        const QImage g = TGlowButton::TypeGlyph(TGlowButton::TGlowButtonType(t));
        EXPECT_EQ(g.size(), QSize(16, 16)) << t;
    }
}

TEST(GlowButton, ParentColorFollowsTheParent)
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(parent.backgroundRole(), QColor(12, 34, 56));
    parent.setPalette(pal);
    TGlowButton b(&parent);
    b.SetParentColor(true);
    EXPECT_EQ(b.MouseOffColor(), RGBToColor(12, 34, 56));
    b.SetMouseOffColor(clRed);  // ignored while the parent's colour is taken
    EXPECT_EQ(b.MouseOffColor(), RGBToColor(12, 34, 56));
    pal.setColor(parent.backgroundRole(), QColor(1, 2, 3));
    parent.setPalette(pal);
    EXPECT_EQ(b.MouseOffColor(), RGBToColor(1, 2, 3));
}

TEST(GlowButton, FlatTakesTheBackgroundAsFrame)
{
    QWidget parent;
    TGlowButton b(&parent);
    b.SetMouseOffColor(RGBToColor(1, 2, 3));
    b.SetFlat(true);
    EXPECT_EQ(b.FrameOffColor(), RGBToColor(1, 2, 3));
    b.SetFrameOffColor(clRed);
    EXPECT_EQ(b.FrameOffColor(), RGBToColor(1, 2, 3));
    b.SetMouseOffColor(RGBToColor(4, 5, 6));
    EXPECT_EQ(b.FrameOffColor(), RGBToColor(4, 5, 6));
}

TEST(GlowButton, LoadsFromFormResource)
{
    // The glyph as a form stores it: the bitmap file's length in four bytes, then the file.
    QImage g(16, 16, QImage::Format_RGB32);
    g.fill(Fuchsia);
    g.setPixel(5, 5, qRgb(0, 0, 255));
    QByteArray bmp;
    {
        QBuffer buf(&bmp);
        buf.open(QIODevice::WriteOnly);
        g.save(&buf, "BMP");
    }
    QByteArray data(4, '\0');
    qToLittleEndian<quint32>(quint32(bmp.size()), data.data());
    data += bmp;

    const QString text = QStringLiteral(
        "object F: TForm\n"
        "  object PrintBtn: TGlowButton\n"
        "    Left = 8\n"
        "    Top = 4\n"
        "    Width = 80\n"
        "    Height = 25\n"
        "    ButtonType = btnPrint\n"
        "    Caption = '&Drucken'\n"
        "    CaptionOnFont.Color = clRed\n"
        "    CaptionOnFont.Style = [fsBold, fsUnderline]\n"
        "    MouseOnColor = clWhite\n"
        "    Glyph.Data = {%1}\n"
        "  end\n"
        "end\n").arg(QString::fromLatin1(data.toHex().toUpper()));
    QWidget form;
    form.setObjectName("F");
    auto* b = new TGlowButton(&form);
    b->setObjectName("PrintBtn");
    ApplyFormResource(&form, ParseFormResource(text, "test.dfm"));
    EXPECT_EQ(b->ButtonType(), TGlowButton::btnPrint);
    EXPECT_EQ(b->Caption(), "&Drucken");  // the stored caption, not the type's
    EXPECT_EQ(b->Accelerator(), u'D');
    EXPECT_EQ(b->ModalResult(), 0);
    EXPECT_EQ(b->geometry(), QRect(8, 4, 80, 25));
    EXPECT_EQ(b->CaptionOnFont().Color(), clRed);
    EXPECT_EQ(b->CaptionOnFont().Style(), fsBold | fsUnderline);
    EXPECT_EQ(b->MouseOnColor(), clWhite);
    ASSERT_EQ(b->NumGlyphs(), 2);
    EXPECT_EQ(b->Glyph().pixel(5, 5), qRgb(0, 0, 255));
}
