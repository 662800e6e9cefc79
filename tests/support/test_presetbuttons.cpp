#include "common/TestSupport.h"
#include "platform/FormResource.h"
#include "platform/Help.h"
#include "platform/PropertyPath.h"
#include "support/AngleLabels.h"
#include <QDialog>
#include <QLineEdit>
#include <QMetaEnum>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using B = TPresetButton;

TEST(PresetButtonKinds, TheListHoldsAllKindsInOrder)
{
    const QMetaEnum e = QMetaEnum::fromType<B::TPresetButtonKind>();
    ASSERT_EQ(e.keyCount(), 223);
    EXPECT_STREQ(e.key(0), "pbkCustom");
    EXPECT_STREQ(e.key(1), "pbkOk");
    EXPECT_STREQ(e.key(2), "pbkCancel");
    EXPECT_STREQ(e.key(8), "pbkCancelGer");
    EXPECT_STREQ(e.key(18), "pbkCancelChn");
    EXPECT_STREQ(e.key(19), "pbkHelp");
    EXPECT_STREQ(e.key(222), "pbkFinishChn");
    for (int i = 0; i < e.keyCount(); ++i) EXPECT_EQ(e.value(i), i) << e.key(i);
    EXPECT_EQ(B::KindOf(B::pgHelp, 6), B::pbkHelpGer);
    EXPECT_EQ(B::KindOf(B::pgNo, 0), B::pbkNo);
}

TEST(PresetButtonKinds, EveryKindHasACaptionAndTheGroupsRoles)
{
    struct Group {
        B::TPresetButtonKind english;
        const char* caption;
        int result;
        bool isDefault, isCancel;
    };
    const Group groups[] = {
        {B::pbkCancel, "Cancel", mrCancel, false, true},   {B::pbkHelp, "&Help", mrNone, false, false},
        {B::pbkYes, "&Yes", mrYes, true, false},           {B::pbkNo, "&No", mrNo, false, true},
        {B::pbkClose, "&Close", mrNone, false, false},     {B::pbkAbort, "Abort", mrAbort, false, false},
        {B::pbkRetry, "&Retry", mrRetry, false, false},    {B::pbkIgnore, "&Ignore", mrIgnore, false, false},
        {B::pbkAll, "&All", mrAll, false, false},          {B::pbkDone, "&Done", mrNoToAll, true, false},
        {B::pbkPrev, "< &Back", mrNone, false, false},     {B::pbkNext, "&Next >", mrNone, true, false},
        {B::pbkFinish, "&Finish", mrYesToAll, true, false},
    };
    for (const Group& g : groups) {
        EXPECT_EQ(B::KindCaption(g.english), QString::fromUtf8(g.caption));
        QSet<QString> captions;
        for (int lang = 0; lang < B::LanguageCount; ++lang) {
            const auto kind = B::TPresetButtonKind(g.english + lang);
            SCOPED_TRACE(QMetaEnum::fromType<B::TPresetButtonKind>().valueToKey(kind));
            B b;
            b.SetKind(kind);
            EXPECT_FALSE(b.text().isEmpty());
            EXPECT_EQ(b.ModalResult(), g.result);
            EXPECT_EQ(b.Default(), g.isDefault);
            EXPECT_EQ(b.Cancel(), g.isCancel);
            EXPECT_EQ(b.Kind(), kind);
            captions.insert(b.text());
        }
        // Not every language borrowed the English word.
        EXPECT_GE(captions.size(), 10);
    }
    B ok;
    ok.SetKind(B::pbkOk);
    EXPECT_EQ(ok.text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok.Default());
    EXPECT_FALSE(ok.Cancel());
    EXPECT_EQ(ok.ModalResult(), int(mrOk));
    EXPECT_EQ(B::KindCaption(B::pbkCancelGer), QStringLiteral("Abbrechen"));
    EXPECT_EQ(B::KindCaption(B::pbkHelpGer), QStringLiteral("&Hilfe"));
}

TEST(PresetButtonKinds, CustomKindChangesNothingElse)
{
    B b;
    b.SetKind(B::pbkCancelGer);
    b.SetKind(B::pbkCustom);
    EXPECT_EQ(b.text(), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(b.Cancel());
    EXPECT_EQ(b.ModalResult(), int(mrCancel));
    EXPECT_EQ(b.Kind(), B::pbkCustom);
}

TEST(PresetButtonKinds, AKindWhosePresetWasChangedReadsBackAsCustom)
{
    B yes;
    yes.SetKind(B::pbkYes);
    yes.SetModalResult(mrOk);
    EXPECT_EQ(yes.Kind(), B::pbkCustom);
    yes.SetModalResult(mrYes);  // the kind stays custom once it was read so
    EXPECT_EQ(yes.Kind(), B::pbkCustom);

    B cancel;
    cancel.SetKind(B::pbkCancel);
    cancel.SetDefault(true);
    EXPECT_EQ(cancel.Kind(), B::pbkCustom);

    B no;
    no.SetKind(B::pbkNo);
    no.SetCancel(false);
    EXPECT_EQ(no.property("Kind").toInt(), int(B::pbkCustom));

    B caption;  // the caption is no part of the preset
    caption.SetKind(B::pbkHelpGer);
    caption.setText("Hilfe!");
    EXPECT_EQ(caption.Kind(), B::pbkHelpGer);
}

QString entries(const B& b)
{
    QStringList out;
    for (const DfmProperty& p : b.WriteFormProperties()) out << p.name + " = " + WriteFormValue(p.value);
    return out.join("; ");
}

TEST(PresetButtonStoring, CaptionOnlyWhenItDiffersDefaultAndCancelOnlyForCustom)
{
    B b;
    b.SetKind(B::pbkCancelGer);
    EXPECT_EQ(entries(b), QStringLiteral("Kind = pbkCancelGer"));
    b.setText("Stopp");
    EXPECT_EQ(entries(b), QStringLiteral("Kind = pbkCancelGer; Caption = 'Stopp'"));

    B c;
    c.setText("Los");
    c.SetDefault(true);
    c.SetModalResult(mrOk);
    EXPECT_EQ(entries(c), QStringLiteral("Caption = 'Los'; Default = True; Cancel = False; ModalResult = 1"));
}

TEST(PresetButtonStoring, LoadingKeepsAStoredCaption)
{
    QWidget form;
    form.setObjectName("Dlg");
    auto* stored = new B(&form);
    stored->setObjectName("StopBtn");
    auto* plain = new B(&form);
    plain->setObjectName("HelpBtn");
    ApplyFormResource(&form, ParseFormResource(QString::fromUtf8(R"(object Dlg: TDlg
  object StopBtn: TPresetButton
    Caption = 'Stopp'
    Kind = pbkCancelGer
  end
  object HelpBtn: TPresetButton
    Kind = pbkHelpGer
  end
end
)"), "dlg.dfm"));
    EXPECT_EQ(stored->text(), QStringLiteral("Stopp"));
    EXPECT_EQ(stored->Kind(), B::pbkCancelGer);
    EXPECT_TRUE(stored->Cancel());
    EXPECT_EQ(plain->text(), QStringLiteral("&Hilfe"));
    // After loading, a new kind brings its caption again.
    stored->SetKind(B::pbkNo);
    EXPECT_EQ(stored->text(), QStringLiteral("&No"));
}

// A dialog with an edit and the given buttons, shown (off screen).
struct TestDialog {
    QDialog dlg;
    QLineEdit* edit = new QLineEdit(&dlg);
    explicit TestDialog(std::initializer_list<B::TPresetButtonKind> kinds)
    {
        int x = 0;
        for (auto k : kinds) {
            auto* b = new B(&dlg);
            b->SetKind(k);
            b->setGeometry(x, 40, 80, 24);
            x += 90;
            buttons.push_back(b);
        }
        dlg.resize(400, 80);
        dlg.show();
        edit->setFocus();
    }
    std::vector<B*> buttons;
};

TEST(PresetButtonClick, EscapeClicksTheCancelButtonWithItsResult)
{
    TestDialog t{B::pbkYes, B::pbkNo};
    QTest::keyClick(t.edit, Qt::Key_Escape);
    EXPECT_FALSE(t.dlg.isVisible());
    EXPECT_EQ(t.dlg.result(), int(mrNo));

    TestDialog c{B::pbkOk, B::pbkCancelGer};
    QTest::keyClick(c.edit, Qt::Key_Escape);
    EXPECT_EQ(c.dlg.result(), int(mrCancel));
}

TEST(PresetButtonClick, EnterClicksTheDefaultButton)
{
    TestDialog t{B::pbkCancel, B::pbkFinish};
    QTest::keyClick(t.edit, Qt::Key_Return);
    EXPECT_FALSE(t.dlg.isVisible());
    EXPECT_EQ(t.dlg.result(), int(mrYesToAll));

    TestDialog d{B::pbkDone};
    QTest::mouseClick(d.buttons[0], Qt::LeftButton);
    EXPECT_EQ(d.dlg.result(), int(mrNoToAll));
}

TEST(PresetButtonClick, EnterOnAFocusedButtonClicksThatButton)
{
    TestDialog t{B::pbkOk, B::pbkCancel};
    t.buttons[1]->setFocus();
    EXPECT_EQ(t.buttons[1]->Kind(), B::pbkCancel);  // focus makes it default for Qt only
    EXPECT_FALSE(t.buttons[1]->Default());
    QTest::keyClick(t.buttons[1], Qt::Key_Return);
    EXPECT_EQ(t.dlg.result(), int(mrCancel));
    EXPECT_EQ(t.buttons[0]->Kind(), B::pbkOk);
}

TEST(PresetButtonClick, ButtonsWithoutResultLeaveTheDialogOpen)
{
    TestDialog t{B::pbkNext, B::pbkPrev};
    QTest::mouseClick(t.buttons[0], Qt::LeftButton);
    QTest::mouseClick(t.buttons[1], Qt::LeftButton);
    EXPECT_TRUE(t.dlg.isVisible());
}

TEST(PresetButtonClick, CloseClosesItsWindow)
{
    QWidget window;
    auto* b = new B(&window);
    b->SetKind(B::pbkCloseGer);
    window.show();
    ASSERT_TRUE(window.isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(PresetButtonClick, HelpOpensTheNearestHelpContext)
{
    TempProgramFolder folder;
    folder.write("Strombaurechner.html", "<html></html>");
    const QString oldFile = ApplicationHelpFile();
    SetApplicationHelpFile(folder.file("Strombaurechner.hlp"));
    QList<QUrl> opened;
    const HelpOpener old = SetHelpOpener([&](const QUrl& url) { opened << url; return true; });

    TestDialog t{B::pbkHelpGer};
    t.dlg.setProperty("HelpContext", 40);
    QTest::mouseClick(t.buttons[0], Qt::LeftButton);
    t.buttons[0]->setProperty("HelpContext", 7);  // the button's own goes first
    QTest::mouseClick(t.buttons[0], Qt::LeftButton);
    EXPECT_TRUE(t.dlg.isVisible());

    SetHelpOpener(old);
    SetApplicationHelpFile(oldFile);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].fragment(), QStringLiteral("40"));
    EXPECT_EQ(opened[1].fragment(), QStringLiteral("7"));
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("Strombaurechner.html"));
}

}  // namespace
