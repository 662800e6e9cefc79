// Editing in the real main window: the menu "Bearbeiten", the names the
// user gives to sections, the network totals, and when the closing
// question is asked.
#include "test_baum_hilfen.h"
#include "print/PreviewForm.h"
#include "support/Translation.h"
#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using namespace baum_test;

namespace {

// ---- the menu "Bearbeiten" ---------------------------------------------------------

class BearbeitenMenu : public BaumForm {
protected:
    QMenuBar* bar() const { return form->RxMainMenu1; }

    // The drop-down that is open now, nullptr when none is.
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    static void closeMenus()
    {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            QApplication::processEvents();
        }
    }

    void key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(target, k, mods);
        QApplication::processEvents();
    }

    void TearDown() override
    {
        closeMenus();
        BaumForm::TearDown();
    }
};

TEST_F(BearbeitenMenu, OpensByKeyMouseAndFromTheFileMenuAndItsItemsCalculate)
{
    ASSERT_TRUE(ShowActive(form.get()));
    // Without a project the menu is offered greyed and does not open.
    EXPECT_FALSE(form->mBearbeiten->menuAction()->isEnabled());
    key(form.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_NE(openMenu(), form->mBearbeiten);
    closeMenus();

    newProject(2);
    fillSections({{"500", "10", "160"}, {"800", "5", "200"}}, 1);
    ASSERT_TRUE(ShowActive(form.get()));

    // Alt+B opens it; the submenu opens with Return, and Return on its
    // first item calculates every section.
    key(form.get(), Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(openMenu(), form->mBearbeiten);
    EXPECT_TRUE(form->mBearbeiten->isVisible());
    key(form->mBearbeiten, Qt::Key_Return);
    ASSERT_EQ(openMenu(), form->Berechnen1);
    EXPECT_EQ(form->Berechnen1->actions(), (QList<QAction*>{form->mAlleTS, form->mAktuelleTS}));
    EXPECT_EQ(form->Berechnen1->activeAction(), form->mAlleTS);
    ASSERT_FALSE(form->Projekt.AlleBerechnet);
    key(form->Berechnen1, Qt::Key_Return);
    EXPECT_EQ(openMenu(), nullptr);
    EXPECT_TRUE(form->Projekt.AlleBerechnet);
    EXPECT_EQ(form->VpLeitungGesEdit->Value(), 800.0);
    EXPECT_EQ(form->Projekt.Section(2).DNRohr.str(), QStringLiteral("200"));
    EXPECT_NE(form->Projekt.Section(2).DpGesamt.str(), QStringLiteral("0"));

    // A click on the title opens it as well.
    QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->actionGeometry(form->mBearbeiten->menuAction()).center());
    QApplication::processEvents();
    EXPECT_EQ(openMenu(), form->mBearbeiten);
    closeMenus();

    // Right from the open menu "Datei" moves on to "Bearbeiten".
    key(form.get(), Qt::Key_D, Qt::AltModifier);
    ASSERT_EQ(openMenu(), form->Datei1);
    key(form->Datei1, Qt::Key_Right);
    EXPECT_EQ(openMenu(), form->mBearbeiten);
    closeMenus();

    // "aktuelle Teilstrecke" calculates the shown section only.
    click(node(2));
    setInputs({"900", "5", "200"});
    key(form.get(), Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(openMenu(), form->mBearbeiten);
    key(form->mBearbeiten, Qt::Key_Return);
    ASSERT_EQ(openMenu(), form->Berechnen1);
    key(form->Berechnen1, Qt::Key_Down);
    ASSERT_EQ(form->Berechnen1->activeAction(), form->mAktuelleTS);
    key(form->Berechnen1, Qt::Key_Return);
    EXPECT_EQ(form->Projekt.Section(2).Volumenstrom.str(), QStringLiteral("900"));
    EXPECT_FALSE(form->Projekt.AlleBerechnet);
    EXPECT_NE(form->DpGesamtEdit->Value(), 0.0);

    // On a child node the items follow the tool buttons: disabled.
    click(child(1, 0));
    EXPECT_FALSE(form->mAlleTS->isEnabled());
    EXPECT_FALSE(form->mAktuelleTS->isEnabled());
    EXPECT_FALSE(form->BerechnenGesamtBtn->isEnabled());
    click(node(1));
    EXPECT_TRUE(form->mAlleTS->isEnabled());
    EXPECT_TRUE(form->mAktuelleTS->isEnabled());

    // Closing the project offers the menu greyed again.
    answerer().expectMessage(kUnsaved, mrNo);
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_FALSE(form->mBearbeiten->menuAction()->isEnabled());
}

// The same window in English: the menu is "&Edit" and opens with Alt+E.
TEST(BearbeitenMenuEnglish, OpensWithItsTranslatedShortcut)
{
    TempProgramFolder folder;
    ASSERT_TRUE(folder.installValueFile(true));
    ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/support/data/English.lng"),
                            folder.file(QStringLiteral("English.lng"))));
    {
        TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
        ini.WriteString(QStringLiteral("Userdaten"), QStringLiteral("Sprache"), QStringLiteral("English"));
        ini.UpdateFile();
    }
    {
        TMainForm form;
        ASSERT_TRUE(ShowActive(&form));
        ASSERT_EQ(form.mBearbeiten->title(), QStringLiteral("&Edit"));
        answerer().expectInput(QString(), QStringLiteral("1"));
        form.ProjektNewBtnClick();
        answerer().verifyDone();
        ASSERT_TRUE(ShowActive(&form));
        QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), form.mBearbeiten);
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            QApplication::processEvents();
        }
    }
    // The core lives on for the other tests: no language, no folder.
    TTranslationCore::GetTranslationCore()->SetLangsDir(QString());
    answerer().verifyDone();
}

// ---- names given by the user -----------------------------------------------------------

TEST_F(BaumForm, NamesGivenByTheUserStayWithTheirSectionsThroughInsertAndDelete)
{
    newProject(3);
    fillSections({{"100", "1", "100"}, {"200", "2", "200"}, {"300", "3", "300"}}, 2);
    answerer().expectInput(kNamePrompt, QStringLiteral("Zuluft Büro"));
    form->mTSNameChangeClick();
    answerer().verifyDone();

    auto expectNames = [this](const QStringList& names) {
        EXPECT_EQ(captions(), names);
        for (int k = 1; k <= names.size(); ++k)
            EXPECT_EQ(form->Projekt.Section(k).Bezeichnung.str(), names.at(k - 1)) << k;
    };
    const QString name = QStringLiteral("Zuluft Büro");
    auto ts = [](int k) { return QStringLiteral("Teilstrecke %1").arg(k); };

    // Insert before the named section: the new section and the one after
    // it are numbered, the name moves down with its section.
    click(node(1));
    form->mTSInsertClick();
    expectNames({ts(1), ts(2), name, ts(4)});
    EXPECT_EQ(recordFlow(3), QStringLiteral("200"));
    click(node(3));
    EXPECT_EQ(form->TSCaptionLbl1->text(), name);
    EXPECT_EQ(shownFlow(), 200.0);

    // Insert on the named section itself: the new, empty section follows it.
    form->mTSInsertClick();
    expectNames({ts(1), ts(2), name, ts(4), ts(5)});
    EXPECT_EQ(recordFlow(3), QStringLiteral("200"));
    EXPECT_EQ(recordFlow(4), QStringLiteral("0"));
    EXPECT_EQ(form->TSCaptionLbl1->text(), ts(4));  // the selection now stands for the new section

    // Deleting a section before it moves the name up with its section.
    click(node(2));
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 2 wirklich löschen??"), mrYes);
    form->mTSDeleteClick();
    answerer().verifyDone();
    expectNames({ts(1), name, ts(3), ts(4)});
    EXPECT_EQ(recordFlow(2), QStringLiteral("200"));
    EXPECT_EQ(form->TSCaptionLbl1->text(), name);

    // The names reach the file and come back from it.
    const QString path = folder.file(QStringLiteral("namen.STB"));
    answerer().expectFileDialog(path);
    answerer().expectForm([](QWidget* w) { return int(mrOk); });
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    answerer().expectFileDialog(path);
    form->mProjektOpenClick();
    answerer().verifyDone();
    expectNames({ts(1), name, ts(3), ts(4)});

    // Deleting the named section takes its name along.
    click(node(2));
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 2 wirklich löschen??"), mrYes);
    form->mTSDeleteClick();
    answerer().verifyDone();
    expectNames({ts(1), ts(2), ts(3)});
    EXPECT_EQ(recordFlow(2), QStringLiteral("0"));
}

TEST_F(BaumForm, BothNameEditorsTakeAtMostFifteenCharacters)
{
    newProject(1);
    setInputs({"500", "10", "200"});
    const QString typed = QStringLiteral("Zuluft Büro 1.OG Nord");
    const QString kept = QStringLiteral("Zuluft Büro 1.O");
    answerer().expectInput(kNamePrompt, typed);
    form->mTSNameChangeClick();
    answerer().verifyDone();
    // What the tree and the tabs show is what the record keeps.
    EXPECT_EQ(node(1)->text(0), kept);
    EXPECT_EQ(form->TSCaptionLbl1->text(), kept);
    EXPECT_EQ(form->Projekt.Section(1).Bezeichnung.str(), kept);
    EXPECT_EQ(recordFlow(1), QStringLiteral("500"));

    // The rename box itself: its field stops at 15 characters.
    QInputDialog box;
    SetupInputDialog(box, QStringLiteral("Text ändern"), kNamePrompt, QStringLiteral("Teilstrecke 1"), 15);
    auto* field = box.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->maxLength(), 15);
    EXPECT_EQ(box.textValue(), QStringLiteral("Teilstrecke 1"));
    field->clear();
    QTest::keyClicks(field, QStringLiteral("Zuluft Buero 1.OG Nord"));
    EXPECT_EQ(box.textValue(), QStringLiteral("Zuluft Buero 1."));
    // Without a limit (the number of sections) the box takes what is typed.
    QInputDialog countBox;
    SetupInputDialog(countBox, QStringLiteral("Teilstrecken Anzahl"), kCountPrompt, typed, 0);
    EXPECT_EQ(countBox.textValue(), typed);

}

// ---- the network totals ------------------------------------------------------------------

TEST_F(BaumForm, NetworkTotalsStayShownWhileEverySectionIsCalculated)
{
    newProject(3);
    fillSections({{"500", "10", "160"}, {"800", "5", "200"}, {"300", "3", "125"}}, 1);
    form->BerechnenGesamtBtn->click();
    ASSERT_TRUE(form->Projekt.AlleBerechnet);
    const QString flow = form->VpLeitungGesEdit->text();
    const QString loss = form->dpLeitungGesEdit->text();
    const QString power = form->WellenleistungEdit->text();
    ASSERT_EQ(form->VpLeitungGesEdit->Value(), 800.0);
    ASSERT_GT(form->dpLeitungGesEdit->Value(), 0.0);

    auto expectTotals = [&](const char* where) {
        SCOPED_TRACE(where);
        EXPECT_EQ(form->VpLeitungGesEdit->text(), flow);
        EXPECT_EQ(form->dpLeitungGesEdit->text(), loss);
        EXPECT_EQ(form->WellenleistungEdit->text(), power);
    };
    click(node(2));
    expectTotals("another section");
    EXPECT_EQ(shownFlow(), 800.0);
    click(child(3, 1));
    expectTotals("a child of a third section");
    clickTab(form->DatenTab);
    expectTotals("its data tab");
    click(node(1));
    expectTotals("back to the first");

    auto expectNoTotals = [this](const char* where) {
        SCOPED_TRACE(where);
        EXPECT_FALSE(form->Projekt.AlleBerechnet);
        EXPECT_EQ(form->VpLeitungGesEdit->Value(), 0.0);
        EXPECT_EQ(form->dpLeitungGesEdit->Value(), 0.0);
        EXPECT_EQ(form->WellenleistungEdit->Value(), 0.0);
    };
    // An input change: the totals no longer hold for the network.
    setInputs({"600", "10", "160"});
    click(node(2));
    expectNoTotals("after an input change");

    // Calculated again, then a section deleted whose successor cannot be
    // calculated: the totals of the network before the deletion are gone.
    form->BerechnenGesamtBtn->click();
    ASSERT_TRUE(form->Projekt.AlleBerechnet);
    TTeilstrecke& third = form->Projekt.Section(3);
    third.Laenge = "0";  // a volume flow without a length
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 2 wirklich löschen??"), mrYes);
    answerer().expectMessage(kInvalidInputs);
    form->mTSDeleteClick();
    answerer().verifyDone();
    expectNoTotals("after a deletion that could not be calculated");

    // An inserted section has not been calculated: the totals go with the insert.
    setInputs({"300", "3", "125"});
    form->BerechnenGesamtBtn->click();
    ASSERT_TRUE(form->Projekt.AlleBerechnet);
    ASSERT_EQ(form->VpLeitungGesEdit->Value(), 600.0);
    form->mTSInsertClick();
    expectNoTotals("right after an insert");
}

// ---- the closing question -----------------------------------------------------------------

class Schliessfrage : public BaumForm {
protected:
    // A copy of the example project of the test data.
    QString beispiel(const QString& name)
    {
        const QString path = folder.file(name);
        EXPECT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/app/data/projekt_beispiel.stb"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return path;
    }
    void open(const QString& path)
    {
        answerer().expectFileDialog(path);
        form->mProjektOpenClick();
        answerer().verifyDone();
        ASSERT_EQ(form->Projekt.Projektdateiname, path);
    }
};

TEST_F(Schliessfrage, OnlyAChangeSinceOpeningOrSavingIsAskedAbout)
{
    const QString a = beispiel(QStringLiteral("a.STB"));
    const QString b = beispiel(QStringLiteral("b.STB"));
    const QByteArray original = folder.read(QStringLiteral("a.STB"));

    // Opened, looked at, calculated, previewed, closed: nothing to ask.
    open(a);
    click(node(2));
    click(child(1, 1));
    click(node(1));
    form->BerechnenGesamtBtn->click();
    form->BerechnenTSBtn->click();
    const TPreviewFactory before = PreviewFactory();
    RegisterPreviewForm();
    answerer().expectForm([](QWidget*) { return int(mrOk); });      // the header, as it is
    answerer().expectForm([](QWidget*) { return int(mrCancel); });  // the preview window
    form->mPreviewClick();
    answerer().verifyDone();
    SetPreviewFactory(before);
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);

    // Opened and another one opened over it; saved and closed.
    open(a);
    open(b);
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(folder.read(QStringLiteral("a.STB")), original);

    // A typed input is asked about.
    open(a);
    setInputs({"650", "12,5", "200"});
    answerer().expectMessage(kUnsaved, mrYes);  // saves into its file
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_NE(folder.read(QStringLiteral("a.STB")), original);

    // A rename is a change, and so is an insert.
    open(b);
    answerer().expectInput(kNamePrompt, QStringLiteral("Abluft"));
    form->mTSNameChangeClick();
    answerer().expectMessage(kUnsaved, mrNo);
    answerer().expectFileDialog(b);
    form->mProjektOpenClick();
    answerer().verifyDone();
    form->mTSInsertClick();
    answerer().expectMessage(kUnsaved, mrNo);
    form->mProjektschliessenClick();
    answerer().verifyDone();

    // Opened and the window closed at once: it goes without a question.
    open(b);
    EXPECT_TRUE(form->close());
    answerer().verifyDone();
}

}  // namespace
