// The section tree: new project, inserting, deleting and renaming sections.
#include "test_baum_hilfen.h"
#include <QAction>
#include <QMenu>

using namespace baum_test;

namespace {

// ---- new project -----------------------------------------------------------------

TEST_F(BaumForm, NewProjectWithOneSectionShowsItSelectedOnTheDataTab)
{
    newProject(1);
    ASSERT_EQ(form->TSTreeView->topLevelItemCount(), 1);
    EXPECT_EQ(node(1)->text(0), QStringLiteral("Teilstrecke 1"));
    ASSERT_EQ(node(1)->childCount(), 2);
    EXPECT_EQ(child(1, 0)->text(0), QStringLiteral("Zubehör"));
    EXPECT_EQ(child(1, 1)->text(0), QStringLiteral("Formstücke"));
    EXPECT_TRUE(node(1)->isExpanded());
    EXPECT_EQ(current(), node(1));
    EXPECT_TRUE(node(1)->isSelected());
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
    EXPECT_TRUE(form->AuslegungPageCtrl->isEnabled());
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Teilstrecke 1"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <unbenannt>"));
    EXPECT_EQ(form->Projekt.TSAnzahl, 1);
    EXPECT_TRUE(form->Projekt.ProjektNeu);
    EXPECT_FALSE(form->Projekt.ProjektGeladen);
    EXPECT_FALSE(form->Projekt.ProjektGespeichert);
    // The record of the new section says what the tabs show for it.
    EXPECT_TRUE(form->Projekt.Section(1).Nummer.isEmpty());
    EXPECT_EQ(form->Projekt.Section(1).Bezeichnung.str(), QStringLiteral("Teilstrecke 1"));
    EXPECT_EQ(form->Projekt.Section(1).Materialart.str(), QStringLiteral("0"));
    EXPECT_EQ(form->Projekt.Section(1).Kanalform.str(), QStringLiteral("1"));
    EXPECT_TRUE(form->mProjektschliessen->isEnabled());
    EXPECT_TRUE(form->mBearbeiten->menuAction()->isEnabled());
    EXPECT_TRUE(form->ProjektSaveBtn->isEnabled());
    EXPECT_TRUE(form->BerechnenGesamtBtn->isEnabled());
}

TEST_F(BaumForm, TheChildrenCarryThePicturesOfTheTreesImageList)
{
    ASSERT_NE(form->findChild<QObject*>(form->TSTreeView->property("Images").toString()), nullptr)
        << "the image list that the tree's resource entry names";
    newProject(1);
    form->mTSInsertClick();
    ASSERT_EQ(form->TSTreeView->topLevelItemCount(), 2);
    const qint64 zubehoer = child(1, 0)->icon(0).cacheKey();
    const qint64 formstuecke = child(1, 1)->icon(0).cacheKey();
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(node(k)->icon(0).isNull());
        EXPECT_FALSE(child(k, 0)->icon(0).isNull());
        EXPECT_FALSE(child(k, 1)->icon(0).isNull());
        EXPECT_EQ(child(k, 0)->icon(0).cacheKey(), zubehoer);
        EXPECT_EQ(child(k, 1)->icon(0).cacheKey(), formstuecke);
    }
    EXPECT_NE(zubehoer, formstuecke);
}

TEST_F(BaumForm, NewProjectRefusesEveryAnswerButAWholeNumberFrom1To9999)
{
    for (const char* bad : {"0", "-1", "abc", "2,5", "10000", ""}) {
        SCOPED_TRACE(bad);
        answerer().expectInput(kCountPrompt, QString::fromLatin1(bad));
        answerer().expectMessage(QStringLiteral("keine gültige Anzahl von Teilstrecken"));
        form->ProjektNewBtnClick();
        answerer().verifyDone();
        EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);
        EXPECT_FALSE(form->AuslegungPageCtrl->isEnabled());
        EXPECT_FALSE(form->mProjektSave->isEnabled());
        EXPECT_FALSE(form->Projekt.ProjektNeu);
    }
    const auto& asked = answerer().asked();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().type, mtError);

    // Cancelling creates nothing and says nothing.
    answerer().expectInput(kCountPrompt, QString(), true);
    form->ProjektNewBtnClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);

    newProject(2);
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("Teilstrecke 1"), QStringLiteral("Teilstrecke 2")}));
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);
}

TEST_F(BaumForm, ARefusedAnswerKeepsTheOpenProject)
{
    newProject(2);
    fillSections({{"100", "1", "100"}, {"200", "2", "200"}}, 1);
    form->Projekt.Projektdaten.Name1 = QStringLiteral("Kunde");
    form->Projekt.ProjektGespeichert = true;  // saved: no closing question

    answerer().expectInput(kCountPrompt, QStringLiteral("abc"));
    answerer().expectMessage(QStringLiteral("keine gültige Anzahl"));
    form->ProjektNewBtnClick();
    answerer().verifyDone();
    answerer().expectInput(kCountPrompt, QString(), true);
    form->ProjektNewBtnClick();
    answerer().verifyDone();

    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 2);
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);
    EXPECT_EQ(recordFlow(2), QStringLiteral("200"));
    EXPECT_EQ(shownFlow(), 100.0);
    EXPECT_EQ(form->Projekt.Projektdaten.Name1.str(), QStringLiteral("Kunde"));
    EXPECT_TRUE(form->Projekt.ProjektGespeichert);
}

TEST_F(BaumForm, NewProjectAsksBeforeDroppingAnUnsavedProject)
{
    newProject(2);
    setInputs({"100", "1", "100"});

    // Yes keeps the project so that it can be saved.
    answerer().expectMessage(kUnsaved, mrYes);
    form->ProjektNewBtnClick();
    answerer().verifyDone();
    ASSERT_FALSE(answerer().asked().empty());
    const auto& question = answerer().asked().back();
    EXPECT_TRUE(question.text.contains(QStringLiteral("!!\rWollen Sie die Änderungen jetzt speichern?")));
    EXPECT_EQ(question.type, mtWarning);
    EXPECT_EQ(question.buttons, mbYesNo | mbEscapeCancels);
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 2);
    EXPECT_EQ(shownFlow(), 100.0);

    // No goes on to the new project, which starts empty.
    form->Projekt.Projektdaten.Projekt = QStringLiteral("Altbau");
    answerer().expectMessage(kUnsaved, mrNo);
    answerer().expectInput(kCountPrompt, QStringLiteral("3"));
    form->ProjektNewBtnClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 3);
    EXPECT_EQ(shownFlow(), 0.0);
    EXPECT_TRUE(form->Projekt.Projektdaten.Projekt.isEmpty());
    EXPECT_EQ(recordFlow(1), QStringLiteral("0"));

    // A saved project goes without a question.
    form->Projekt.ProjektGespeichert = true;
    newProject(1);
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 1);
}

// ---- delete ------------------------------------------------------------------------

TEST_F(BaumForm, DeletingTheMiddleSectionKeepsTheSuccessorsOwnInputs)
{
    newProject(3);
    fillSections({{"100", "1", "100"}, {"200", "2", "200"}, {"300", "3", "300"}}, 2);
    ASSERT_EQ(shownFlow(), 200.0);

    // No changes nothing.
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 2 wirklich löschen??"), mrNo);
    form->mTSDeleteClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 3);
    EXPECT_EQ(shownFlow(), 200.0);

    form->Projekt.ProjektGespeichert = true;
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 2 wirklich löschen??"), mrYes);
    form->mTSDeleteClick();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtWarning);

    EXPECT_EQ(captions(), (QStringList{QStringLiteral("Teilstrecke 1"), QStringLiteral("Teilstrecke 2")}));
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);
    EXPECT_EQ(current(), node(2));
    EXPECT_TRUE(node(2)->isSelected());
    // The form shows the former third section, and its record kept its own inputs.
    EXPECT_EQ(shownFlow(), 300.0);
    EXPECT_EQ(form->TSLaengeEdit->Value(), 3.0);
    EXPECT_EQ(recordFlow(1), QStringLiteral("100"));
    EXPECT_EQ(recordFlow(2), QStringLiteral("300"));
    EXPECT_EQ(form->Projekt.Section(2).DNRohr.str(), QStringLiteral("300"));
    // The records follow the tree's numbering.
    EXPECT_EQ(form->Projekt.Section(2).Bezeichnung.str(), QStringLiteral("Teilstrecke 2"));
    EXPECT_EQ(form->Projekt.Section(2).Nummer.str(), QStringLiteral("2"));
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Teilstrecke 2"));
    // Everything was calculated again.
    EXPECT_NE(form->Projekt.Section(1).DpGesamt.str(), QStringLiteral("0"));
    EXPECT_NE(form->Projekt.Section(2).DpGesamt.str(), QStringLiteral("0"));
    EXPECT_TRUE(form->Projekt.AlleBerechnet);
    EXPECT_FALSE(form->Projekt.ProjektGespeichert);
}

TEST_F(BaumForm, DeletingTheLastSectionShowsTheOneBeforeIt)
{
    newProject(3);
    fillSections({{"100", "1", "100"}, {"200", "2", "200"}, {"300", "3", "300"}}, 3);
    answerer().expectMessage(QStringLiteral("Teilstrecke 3 wirklich löschen??"), mrYes);
    form->mTSDeleteClick();
    answerer().verifyDone();
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);
    EXPECT_EQ(current(), node(2));
    EXPECT_EQ(shownFlow(), 200.0);
    EXPECT_EQ(recordFlow(2), QStringLiteral("200"));
}

TEST_F(BaumForm, TheOnlySectionCannotBeDeleted)
{
    newProject(1);
    setInputs({"100", "1", "100"});
    emit form->TreeViewPopUp->aboutToShow();
    EXPECT_FALSE(form->mTSDelete->isEnabled());
    EXPECT_TRUE(form->mTSInsert->isEnabled());
    form->mTSDeleteClick();  // asks nothing, changes nothing
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 1);
    EXPECT_EQ(form->Projekt.TSAnzahl, 1);
    EXPECT_EQ(shownFlow(), 100.0);
}

// ---- insert ------------------------------------------------------------------------

TEST_F(BaumForm, InsertingOnTheSecondOfThreeSectionsAddsAnEmptyOneAfterIt)
{
    newProject(3);
    fillSections({{"100", "1", "100"}, {"200", "2", "200"}, {"300", "3", "300"}}, 2);
    QTreeWidgetItem* selected = node(2);
    setInputs({"250", "2", "200"});  // typed, not yet stored
    form->Projekt.ProjektGespeichert = true;

    form->mTSInsertClick();

    EXPECT_EQ(captions(), (QStringList{QStringLiteral("Teilstrecke 1"), QStringLiteral("Teilstrecke 2"),
                                       QStringLiteral("Teilstrecke 3"), QStringLiteral("Teilstrecke 4")}));
    EXPECT_EQ(form->Projekt.TSAnzahl, 4);
    EXPECT_EQ(current(), selected);
    EXPECT_EQ(selected->text(0), QStringLiteral("Teilstrecke 3"));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(node(k)->childCount(), 2) << k;
    // The selected node stands for the new, empty section.
    EXPECT_EQ(shownFlow(), 0.0);
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Teilstrecke 3"));
    EXPECT_EQ(recordFlow(1), QStringLiteral("100"));
    EXPECT_EQ(recordFlow(2), QStringLiteral("250"));  // what was typed was stored first
    EXPECT_EQ(recordFlow(3), QStringLiteral("0"));
    EXPECT_TRUE(form->Projekt.Section(3).Nummer.isEmpty());
    EXPECT_EQ(form->Projekt.Section(3).Bezeichnung.str(), QStringLiteral("Teilstrecke 3"));
    EXPECT_EQ(form->Projekt.Section(3).Materialart.str(), QStringLiteral("0"));
    EXPECT_EQ(form->Projekt.Section(3).Kanalform.str(), QStringLiteral("1"));
    EXPECT_EQ(recordFlow(4), QStringLiteral("300"));
    EXPECT_EQ(form->Projekt.Section(4).Bezeichnung.str(), QStringLiteral("Teilstrecke 4"));
    EXPECT_EQ(form->Projekt.Section(4).Nummer.str(), QStringLiteral("4"));
    EXPECT_EQ(form->Projekt.Section(4).DpGesamt.str(), QStringLiteral("0"));
    EXPECT_FALSE(form->Projekt.AlleBerechnet);
    EXPECT_FALSE(form->Projekt.ProjektGespeichert);

    // Section 4 (the former third) still shows its own inputs.
    click(node(4));
    EXPECT_EQ(shownFlow(), 300.0);
}

TEST_F(BaumForm, AnInsertOverInvalidInputsChangesNothing)
{
    newProject(2);
    setInputs({"100", "0", "100"});  // no length
    answerer().expectMessage(kInvalidInputs);
    form->mTSInsertClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 2);
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);
    EXPECT_EQ(shownFlow(), 100.0);  // what was typed is still there
    EXPECT_EQ(current(), node(1));
}

// ---- rename --------------------------------------------------------------------------

TEST_F(BaumForm, RenamingReachesTheRecordAlsoWithEmptyInputs)
{
    newProject(2);
    form->Projekt.ProjektGespeichert = true;
    answerer().expectInput(kNamePrompt, QStringLiteral("Abluft Küche"));
    form->mTSNameChangeClick();
    answerer().verifyDone();
    EXPECT_EQ(node(1)->text(0), QStringLiteral("Abluft Küche"));
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Abluft Küche"));
    EXPECT_EQ(form->TSCaptionLbl2->text(), QStringLiteral("Abluft Küche"));
    EXPECT_EQ(form->TSCaptionLbl3->text(), QStringLiteral("Abluft Küche"));
    EXPECT_EQ(form->Projekt.Section(1).Bezeichnung.str(), QStringLiteral("Abluft Küche"));
    EXPECT_FALSE(form->Projekt.ProjektGespeichert);
}

TEST_F(BaumForm, ACancelledOrRefusedRenameChangesNothing)
{
    newProject(1);
    form->Projekt.ProjektGespeichert = true;
    answerer().expectInput(kNamePrompt, QString(), true);
    form->mTSNameChangeClick();
    answerer().verifyDone();
    answerer().expectInput(kNamePrompt, QStringLiteral("A;B"));
    answerer().expectMessage(QStringLiteral("Die Teilstreckenbezeichnung darf kein „;“ enthalten."));
    form->mTSNameChangeClick();
    answerer().verifyDone();
    EXPECT_EQ(node(1)->text(0), QStringLiteral("Teilstrecke 1"));
    EXPECT_EQ(form->Projekt.Section(1).Bezeichnung.str(), QStringLiteral("Teilstrecke 1"));
    EXPECT_TRUE(form->Projekt.ProjektGespeichert);
}

TEST_F(BaumForm, SectionCommandsAskNothingOnAChildNode)
{
    newProject(2);
    click(child(1, 0));
    ASSERT_EQ(current(), child(1, 0));
    emit form->TreeViewPopUp->aboutToShow();
    EXPECT_FALSE(form->mTSInsert->isEnabled());
    EXPECT_FALSE(form->mTSDelete->isEnabled());
    EXPECT_FALSE(form->mTSNameChange->isEnabled());
    form->mTSInsertClick();
    form->mTSDeleteClick();
    form->mTSNameChangeClick();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 2);

    click(node(2));
    emit form->TreeViewPopUp->aboutToShow();
    EXPECT_TRUE(form->mTSInsert->isEnabled());
    EXPECT_TRUE(form->mTSDelete->isEnabled());
    EXPECT_TRUE(form->mTSNameChange->isEnabled());
}

TEST_F(BaumForm, EveryCommandReachesItsHandlerExactlyOnce)
{
    // A handler that ran twice would ask a question too many.
    answerer().clearAsked();
    answerer().expectInput(kCountPrompt, QStringLiteral("2"));
    form->ProjektNewBtn->click();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    ASSERT_EQ(form->TSTreeView->topLevelItemCount(), 2);

    form->Projekt.ProjektGespeichert = true;
    answerer().clearAsked();
    answerer().expectInput(kCountPrompt, QStringLiteral("3"));
    form->mProjektNeu->trigger();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    ASSERT_EQ(form->TSTreeView->topLevelItemCount(), 3);

    form->mTSInsert->trigger();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 4);
    answerer().clearAsked();
    answerer().expectMessage(QStringLiteral("wirklich löschen??"), mrYes);
    form->mTSDelete->trigger();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 3);
    answerer().clearAsked();
    answerer().expectInput(kNamePrompt, QStringLiteral("X"));
    form->mTSNameChange->trigger();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    EXPECT_EQ(current()->text(0), QStringLiteral("X"));
}

}  // namespace
