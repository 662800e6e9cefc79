// The numeric edit field and the tip-of-the-day component of the main window.
#include "common/TestSupport.h"
#include "platform/CurrencyEdit.h"
#include "platform/TipOfDay.h"
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

// ---- numeric edit ------------------------------------------------------------

TEST(CurrencyEdit, ShowsTheValueThroughItsDisplayFormat)
{
    TCurrencyEdit e;
    e.SetDisplayFormat(QStringLiteral(",0.00"));
    e.SetValue(1234.5);
    EXPECT_EQ(e.text(), QStringLiteral("1234,5"));
    EXPECT_EQ(e.DisplayText(), QStringLiteral("1.234,50"));
    EXPECT_DOUBLE_EQ(e.Value(), 1234.5);

    e.SetDisplayFormat(QStringLiteral(",0"));
    e.SetValue(2.6);
    EXPECT_EQ(e.DisplayText(), QStringLiteral("3"));
    // The value is kept; only the display rounds.
    EXPECT_DOUBLE_EQ(e.Value(), 2.6);
}

TEST(CurrencyEdit, ValueRoundsToItsDecimalPlacesAndNeverShowsMinusZero)
{
    TCurrencyEdit e;
    e.SetDecimalPlaces(2);
    e.SetValue(0.125000001);
    EXPECT_EQ(e.text(), QStringLiteral("0,13"));
    e.SetDecimalPlaces(0);
    e.SetValue(-0.2);
    EXPECT_EQ(e.text(), QStringLiteral("0"));
    e.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(e.text(), QStringLiteral("0"));
}

TEST(CurrencyEdit, TextThatIsNoNumberCountsAsZero)
{
    TCurrencyEdit e;
    e.setText(QString());
    EXPECT_DOUBLE_EQ(e.Value(), 0.0);
    e.setText(QStringLiteral("2.5x"));
    EXPECT_DOUBLE_EQ(e.Value(), 0.0);
    // A shown value pasted back keeps its thousands separators out.
    e.setText(QStringLiteral("1.234,50"));
    EXPECT_DOUBLE_EQ(e.Value(), 1234.5);
}

TEST(CurrencyEdit, TypingTakesDigitsAndTurnsAPointIntoTheDecimalComma)
{
    TCurrencyEdit e;
    e.setText(QString());
    QSignalSpy changes(&e, &TCurrencyEdit::Change);
    QTest::keyClicks(&e, QStringLiteral("12a.5"));
    EXPECT_EQ(e.text(), QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(e.Value(), 12.5);
    // A second separator is not taken.
    QTest::keyClicks(&e, QStringLiteral(",3"));
    EXPECT_EQ(e.text(), QStringLiteral("12,53"));
    EXPECT_EQ(changes.count(), 5);
}

TEST(CurrencyEdit, ReadOnlyFieldTakesNoTyping)
{
    TCurrencyEdit e;
    e.setReadOnly(true);
    e.SetValue(7);
    QTest::keyClicks(&e, QStringLiteral("12,"));
    EXPECT_EQ(e.text(), QStringLiteral("7"));
}

// ---- tip of the day ------------------------------------------------------------

TEST(TipOfDay, CanShowDecidesAndAfterExecuteSeesTheCheckBox)
{
    TTipOfDay tip;
    tip.SetTitle(QStringLiteral("Titel"));
    tip.SetTips({QStringLiteral("eins"), QStringLiteral("zwei")});
    bool canShow = false;
    int after = 0;
    tip.OnCanShow = [&](bool& c) { c = canShow; };
    tip.OnAfterExecute = [&] { ++after; };

    EXPECT_FALSE(tip.Execute());
    EXPECT_EQ(after, 0);

    canShow = true;
    tip.SetChecked(false);
    QStringList seen;
    answerer().expectForm([&](QWidget* w) {
        auto* label = w->findChild<QLabel*>(QStringLiteral("TipLabel"));
        auto* next = w->findChild<QPushButton*>(QStringLiteral("NextBtn"));
        seen << w->windowTitle() << label->text();
        next->click();
        seen << label->text();
        next->click();  // wraps round
        seen << label->text();
        w->findChild<QCheckBox*>(QStringLiteral("TipCheckBox"))->setChecked(true);
        return int(mrOk);
    });
    EXPECT_TRUE(tip.Execute());
    answerer().verifyDone();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Titel"), QStringLiteral("eins"), QStringLiteral("zwei"),
                                 QStringLiteral("eins")}));
    EXPECT_TRUE(tip.Checked());
    EXPECT_EQ(after, 1);
}

TEST(TipOfDay, WithoutTipsTheDialogStillOpensAndNextIsOff)
{
    TTipOfDay tip;
    bool nextEnabled = true;
    QString text = QStringLiteral("x");
    answerer().expectForm([&](QWidget* w) {
        nextEnabled = w->findChild<QPushButton*>(QStringLiteral("NextBtn"))->isEnabled();
        text = w->findChild<QLabel*>(QStringLiteral("TipLabel"))->text();
        return int(mrOk);
    });
    EXPECT_TRUE(tip.Execute());
    answerer().verifyDone();
    EXPECT_FALSE(nextEnabled);
    EXPECT_TRUE(text.isEmpty());
}

TEST(TipOfDay, ButtonCaptionsComeFromTheirResourceEntries)
{
    TTipOfDay tip;
    EXPECT_TRUE(tip.ReadFormProperty(QStringLiteral("ButtonNext.Caption"), DfmValue::fromString(QStringLiteral("&Weiter"))));
    EXPECT_TRUE(tip.ReadFormProperty(QStringLiteral("buttonclose.caption"), DfmValue::fromString(QStringLiteral("&Zu"))));
    EXPECT_FALSE(tip.ReadFormProperty(QStringLiteral("ButtonNext.Caption"), DfmValue::fromInt(3)));
    EXPECT_FALSE(tip.ReadFormProperty(QStringLiteral("Title"), DfmValue::fromString(QStringLiteral("t"))));
    EXPECT_EQ(tip.ButtonNextCaption(), QStringLiteral("&Weiter"));
    EXPECT_EQ(tip.ButtonCloseCaption(), QStringLiteral("&Zu"));
}

}  // namespace
