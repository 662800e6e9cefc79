#include "common/TestSupport.h"
#include "support/UrlLabels.h"
#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class UrlLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        old = SetUrlOpener([this](const QUrl& url) { opened << url.toString(); return opens; });
        label.SetCaption("info@example.com");
        label.SetAutoSize(false);
        label.resize(120, 20);
        label.show();
    }
    void TearDown() override { SetUrlOpener(old); }

    TColor colour() const { return label.FontColor(); }
    void press(Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(&label, b, {}, QPoint(10, 10)); }
    void release(QPoint at = QPoint(10, 10), Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(&label, b, {}, at); }
    void enter()
    {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&label, &e);
    }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(&label, &e);
    }

    TUrlLabel label;
    UrlOpener old;
    QStringList opened;
    bool opens = true;
};

TEST_F(UrlLabelTest, StartsBlueUnderlinedWithTheHandCursor)
{
    EXPECT_EQ(colour(), clBlue);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.Cursor(), 15000);
    const HandCursorEntry& hand = HandCursorTable()[0];
    EXPECT_EQ(hand.number, 15000);
    EXPECT_STREQ(hand.resourceName, "CUR_HANDPOINT");
    EXPECT_EQ(label.cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(label.cursor().pixmap().isNull());
    EXPECT_EQ(label.cursor().hotSpot(), QPoint(hand.hotX, hand.hotY));
}

TEST(HandCursors, FiveCursorsFromTheirPictures)
{
    const char* names[] = {"CUR_HANDPOINT", "CUR_SMALLHANDPOINT", "CUR_GRABHAND", "CUR_GRABHANDARROW", "CUR_DRAGHAND"};
    for (int i = 0; i < HandCursorCount; ++i) {
        const HandCursorEntry& e = HandCursorTable()[i];
        EXPECT_EQ(e.number, 15000 + i);
        EXPECT_STREQ(e.resourceName, names[i]);
        const QCursor c = ScreenCursor(e.number);
        const QImage img = c.pixmap().toImage();
        ASSERT_FALSE(img.isNull()) << e.picture;
        EXPECT_EQ(c.hotSpot(), QPoint(e.hotX, e.hotY));
        // The hot spot lies on the drawing (the finger tip, the arrow's
        // point, inside the hand).
        EXPECT_EQ(qAlpha(img.pixel(e.hotX, e.hotY)), 255) << e.picture;
    }
    EXPECT_EQ(ScreenCursor(4711).shape(), Qt::ArrowCursor);
}

TEST_F(UrlLabelTest, PressTurnsRedAndAClickOpensTheCaption)
{
    press();
    EXPECT_EQ(colour(), clRed);
    EXPECT_TRUE(label.Pressed());
    EXPECT_TRUE(opened.isEmpty());
    release();
    EXPECT_EQ(opened, QStringList{"mailto:info@example.com"});
    EXPECT_EQ(colour(), clNavy);
    EXPECT_TRUE(label.Visited());
    EXPECT_FALSE(label.Pressed());
    // It stays navy when the mouse leaves.
    leave();
    EXPECT_EQ(colour(), clNavy);
}

TEST_F(UrlLabelTest, TheUrlGoesBeforeTheCaption)
{
    label.SetURL("https://example.com/kontakt");
    EXPECT_TRUE(label.CaptionTranslatable());
    press();
    release();
    EXPECT_EQ(opened, QStringList{"https://example.com/kontakt"});
}

TEST_F(UrlLabelTest, ReleasedOutsideOpensNothing)
{
    for (QPoint outside : {QPoint(-3, 5), QPoint(5, -1), QPoint(121, 5), QPoint(5, 21)}) {
        press();
        release(outside);
        EXPECT_EQ(colour(), clBlue);
        EXPECT_FALSE(label.Pressed());
    }
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(label.Visited());

    // After a use, released outside it goes back to the visited colour.
    press();
    release();
    press();
    release(QPoint(200, 5));
    EXPECT_EQ(colour(), clNavy);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(UrlLabelTest, RightButtonChangesNothing)
{
    press(Qt::RightButton);
    EXPECT_EQ(colour(), clBlue);
    EXPECT_FALSE(label.Pressed());
    release(QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(colour(), clBlue);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(label.Visited());
}

TEST_F(UrlLabelTest, HoverUnderlinesAndColours)
{
    label.SetCanHover(true);
    EXPECT_FALSE(label.font().underline());
    enter();
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(colour(), clWhite);
    leave();
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(colour(), clBlue);

    enter();
    press();
    release();
    EXPECT_EQ(colour(), clWhite);  // used and still hovered
    leave();
    EXPECT_EQ(colour(), clNavy);

    label.SetCanHover(false);
    EXPECT_TRUE(label.font().underline());
    enter();
    EXPECT_EQ(colour(), clNavy);  // no hover effect
}

TEST_F(UrlLabelTest, ColourSettersAreKeptAlsoWhileHovering)
{
    label.SetCanHover(true);
    label.SetUnvisitedColor(clGreen);
    label.SetVisitedColor(clPurple);
    EXPECT_EQ(label.UnvisitedColor(), clGreen);
    EXPECT_EQ(label.VisitedColor(), clPurple);
    enter();
    leave();
    EXPECT_EQ(colour(), clGreen);
    press();
    release();
    leave();
    EXPECT_EQ(colour(), clPurple);
    label.SetVisitedColor(clTeal);
    EXPECT_EQ(colour(), clTeal);
    label.SetUnvisitedColor(clMaroon);  // visited: only stored
    EXPECT_EQ(colour(), clTeal);
    EXPECT_EQ(label.UnvisitedColor(), clMaroon);
}

TEST_F(UrlLabelTest, AFontColourGivenByTheFormBecomesTheUnvisitedColour)
{
    label.SetFontColor(clGreen);
    EXPECT_EQ(label.UnvisitedColor(), clGreen);
    press();
    release();
    label.SetFontColor(clOlive);
    EXPECT_EQ(label.VisitedColor(), clOlive);
    EXPECT_EQ(label.UnvisitedColor(), clGreen);
}

TEST_F(UrlLabelTest, UnsafeTargetsAreRefusedWithAMessage)
{
    label.SetCaption("x");
    EXPECT_FALSE(label.CaptionTranslatable());
    for (const char* target : {"file:///etc/passwd", "javascript:alert(1)", "smb://server/share", "/usr/bin/xterm",
                               "C:\\Windows\\notepad.exe", "ftp://example.com", "mailto:", "http://"}) {
        label.SetURL(QString::fromLatin1(target));
        ScriptedAnswerer::instance().expectMessage(QStringLiteral("Die Adresse %1 kann nicht geöffnet werden.").arg(target), mrOk);
        press();
        release();
        ScriptedAnswerer::instance().verifyDone();
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(UrlLabelTest, AFailedOpenIsReported)
{
    opens = false;
    label.SetURL("www.example.com");
    ScriptedAnswerer::instance().expectMessage(QStringLiteral("www.example.com"), mrOk);
    press();
    release();
    EXPECT_EQ(opened, QStringList{"http://www.example.com"});
}

TEST(OpenUrlTargets, SchemesAreGivenAndOnlyWebAndMailOpen)
{
    EXPECT_EQ(UrlForTarget("www.example.com").toString(), QStringLiteral("http://www.example.com"));
    EXPECT_EQ(UrlForTarget("WWW.Example.com/a?b=1").toString(), QStringLiteral("http://www.example.com/a?b=1"));
    EXPECT_EQ(UrlForTarget("info@example.com").toString(), QStringLiteral("mailto:info@example.com"));
    EXPECT_EQ(UrlForTarget("HTTPS://example.com").scheme(), QStringLiteral("https"));
    EXPECT_EQ(UrlForTarget("mailto:a@b.de").toString(), QStringLiteral("mailto:a@b.de"));
    EXPECT_FALSE(UrlForTarget("info @example.com").isValid());  // a blank: no address
    EXPECT_FALSE(UrlForTarget("a@b/../etc").isValid());
    EXPECT_FALSE(UrlForTarget("").isValid());
    // An empty target is no question at all.
    EXPECT_FALSE(OpenUrl(QString()));
}

}  // namespace
