// The section tree's selection: leaving and entering nodes, the refused
// change, the tabs following the tree and the tree following the tabs, the
// right mouse button, the project header dialog and the enabled commands.
#include "test_baum_hilfen.h"
#include "platform/Help.h"
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace baum_test;

namespace {

TEST_F(BaumForm, InvalidInputsKeepTheSectionSelected)
{
    newProject(2);
    setInputs({"500", "0", "0"});
    form->Projekt.Section(1).Volumenstrom = QStringLiteral("77");

    answerer().expectMessage(kInvalidInputs);
    click(child(2, 1));  // "Formstücke" of section 2
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);

    EXPECT_EQ(current(), node(1));
    EXPECT_EQ(form->TSTreeView->selectedItems(), QList<QTreeWidgetItem*>{node(1)});
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Teilstrecke 1"));
    // Nothing was stored, cleared or entered.
    EXPECT_EQ(recordFlow(1), QStringLiteral("77"));
    EXPECT_EQ(shownFlow(), 500.0);

    // The keyboard is refused the same way.
    answerer().expectMessage(kInvalidInputs);
    form->TSTreeView->setFocus();
    QTest::keyClick(form->TSTreeView, Qt::Key_Down);
    answerer().verifyDone();
    EXPECT_EQ(current(), node(1));
    EXPECT_TRUE(node(1)->isSelected());

    // Once the inputs are complete the change goes through.
    form->TSLaengeEdit->setText(QStringLiteral("10"));
    form->DNRohrEdit->setText(QStringLiteral("200"));
    click(child(2, 1));
    EXPECT_EQ(current(), child(2, 1));
    EXPECT_EQ(recordFlow(1), QStringLiteral("500"));
}

TEST_F(BaumForm, ATabRefusedByInvalidInputsGoesBack)
{
    newProject(1);
    setInputs({"500", "0", "0"});
    answerer().expectMessage(kInvalidInputs);
    clickTab(form->ZubehoerTab);
    answerer().verifyDone();
    EXPECT_EQ(current(), node(1));
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
}

TEST_F(BaumForm, TheTabsFollowTheTree)
{
    newProject(2);
    setInputs({"100", "1", "100"});

    click(child(2, 0));
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->ZubehoerTab);
    EXPECT_EQ(form->TSCaptionLbl2->text(), QStringLiteral("Teilstrecke 2"));
    EXPECT_FALSE(form->BerechnenTSBtn->isEnabled());
    EXPECT_FALSE(form->mAlleTS->isEnabled());
    EXPECT_EQ(recordFlow(1), QStringLiteral("100"));  // leaving section 1 stored it
    EXPECT_EQ(shownFlow(), 0.0);                      // and section 2 is shown

    form->FormstueckPageCtrl->setCurrentIndex(2);
    click(child(2, 1));
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->FormstueckTab);
    EXPECT_EQ(form->FormstueckPageCtrl->currentWidget(), form->BogenTab);
    EXPECT_FALSE(form->BerechnenGesamtBtn->isEnabled());

    click(node(1));
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Teilstrecke 1"));
    EXPECT_TRUE(form->BerechnenTSBtn->isEnabled());
    EXPECT_TRUE(form->mAktuelleTS->isEnabled());
    EXPECT_EQ(shownFlow(), 100.0);
}

TEST_F(BaumForm, AnActivationKeepsTheTabOfTheSelectedNode)
{
    newProject(2);
    setInputs({"100", "10", "100"});
    auto activate = [this] {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &activation);
    };

    // A refused count on the accessory tab: the message box hands the
    // activation back to the window, and the tab stays.
    click(child(1, 0));
    ASSERT_EQ(form->AuslegungPageCtrl->currentWidget(), form->ZubehoerTab);
    TCurrencyEdit* field = form->EinbautenEditNr(1);
    field->setFocus();
    answerer().expectMessage(QStringLiteral("keine ganze Zahl"));
    QTest::keyClicks(field, QStringLiteral("5000"));
    answerer().verifyDone();
    activate();
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->ZubehoerTab);
    EXPECT_EQ(form->TSLaengeEdit->Value(), 10.0);

    form->FormstueckPageCtrl->setCurrentWidget(form->SonstTab);
    click(child(2, 1));
    form->FormstueckPageCtrl->setCurrentWidget(form->SonstTab);
    activate();
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->FormstueckTab);
    EXPECT_EQ(form->FormstueckPageCtrl->currentWidget(), form->SonstTab);

    click(node(2));
    activate();
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);

    // Without a selected node the data tab is shown.
    form->Projekt.ProjektGespeichert = true;
    form->mProjektschliessenClick();
    ASSERT_EQ(current(), nullptr);
    form->AuslegungPageCtrl->setCurrentWidget(form->ZubehoerTab);
    activate();
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
}

TEST_F(BaumForm, TheTreeIndentsAsItsResourceSaysAndScrollsLongCaptions)
{
    newProject(2);
    QTreeWidget* tree = form->TSTreeView;
    EXPECT_EQ(tree->property("Indent").toInt(), 19);
    EXPECT_EQ(tree->indentation(), 19);
    const QRect parent = tree->visualItemRect(node(1));
    const QRect zubehoer = tree->visualItemRect(child(1, 0));
    EXPECT_EQ(zubehoer.left() - parent.left(), 19);

    // Nothing to scroll while every caption fits.
    QApplication::processEvents();
    EXPECT_EQ(tree->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(tree->textElideMode(), Qt::ElideNone);

    // A wide name of the longest length: the caption stays whole and the
    // tree scrolls sideways.
    const QString name = QStringLiteral("WMWMWMWMWMWMWMW");
    answerer().expectInput(kNamePrompt, name);
    form->mTSNameChangeClick();
    answerer().verifyDone();
    QApplication::processEvents();
    EXPECT_EQ(node(1)->text(0), name);
    EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0);
    EXPECT_GE(tree->columnWidth(0), tree->fontMetrics().horizontalAdvance(name));
}

TEST_F(BaumForm, ARefusedDescriptionKeepsItsSectionSelectedWithOneMessage)
{
    newProject(2);
    setInputs({"100", "1", "100"});
    click(child(1, 1));
    form->FormstueckPageCtrl->setCurrentWidget(form->SonstTab);
    QApplication::processEvents();
    TCellGrid* grid = form->FremdEinbGrid;
    grid->setFocus();
    grid->SetCol(1);
    grid->SetRow(1);
    const QString refused = QStringLiteral("Die Beschreibung darf kein „;“ enthalten.");
    answerer().expectMessage(refused);
    QTest::keyClicks(grid, QStringLiteral("klappe;k2"));
    QTest::keyClick(grid, Qt::Key_Return);
    QApplication::processEvents();
    answerer().verifyDone();

    // Leaving for another section: the message once more, and no second
    // one from the section's own check; the section stays selected.
    // (A click gives the tree the focus before it moves the selection.)
    answerer().expectMessage(refused);
    form->TSTreeView->setFocus();
    click(node(2));
    answerer().verifyDone();
    EXPECT_EQ(current(), child(1, 1));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("klappe;k2"));
    EXPECT_TRUE(form->Projekt.Section(1).FremdEinbauten(1).Beschreibung.isEmpty());
}

TEST_F(BaumForm, MovingWithinASectionKeepsWhatTheTabsShow)
{
    newProject(1);
    click(child(1, 0));
    setInputs({"120", "4", "160"});
    click(child(1, 1));
    EXPECT_EQ(current(), child(1, 1));
    EXPECT_EQ(recordFlow(1), QStringLiteral("120"));
    EXPECT_EQ(shownFlow(), 120.0);
}

TEST_F(BaumForm, TheTreeFollowsTheTabs)
{
    newProject(2);
    click(node(2));
    clickTab(form->ZubehoerTab);
    EXPECT_EQ(current(), child(2, 0));
    EXPECT_FALSE(form->BerechnenTSBtn->isEnabled());

    form->FormstueckPageCtrl->setCurrentIndex(3);
    clickTab(form->FormstueckTab);
    EXPECT_EQ(current(), child(2, 1));
    EXPECT_EQ(form->FormstueckPageCtrl->currentWidget(), form->BogenTab);

    clickTab(form->DatenTab);
    EXPECT_EQ(current(), node(2));
    EXPECT_TRUE(form->BerechnenTSBtn->isEnabled());

    // A tab that the program shows moves nothing.
    click(child(2, 0));
    form->AuslegungPageCtrl->setCurrentWidget(form->DatenTab);
    EXPECT_EQ(current(), child(2, 0));
}

TEST_F(BaumForm, ARightClickLeavesTheSelectionWhereItIs)
{
    // On an empty tree the pop-up menu stays shut.
    QTest::mousePress(form->TSTreeView->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(form->TSTreeView->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(form->TSTreeView->contextMenuPolicy(), Qt::PreventContextMenu);

    newProject(3);
    const QRect r = form->TSTreeView->visualItemRect(node(3));
    QTest::mousePress(form->TSTreeView->viewport(), Qt::RightButton, {}, r.center());
    QTest::mouseRelease(form->TSTreeView->viewport(), Qt::RightButton, {}, r.center());
    QApplication::processEvents();
    form->TreeViewPopUp->hide();
    EXPECT_EQ(current(), node(1));
    EXPECT_FALSE(node(3)->isSelected());
    EXPECT_EQ(form->TSTreeView->contextMenuPolicy(), Qt::CustomContextMenu);

    // The pop-up acts on the selected node.
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 1 wirklich löschen??"), mrNo);
    form->mTSDelete->trigger();
    answerer().verifyDone();
}

TEST_F(BaumForm, ProjectCommandsAreSwitchedTogether)
{
    QList<QObject*> all = {form->mProjektschliessen, form->mProjektSave, form->mProjektSaveAs,
                           form->mPrint,            form->mPreview,          form->mBearbeiten->menuAction(),
                           form->ProjektCloseBtn,   form->ProjektSaveBtn,    form->ProjektSaveAsBtn,
                           form->PrintBtn,          form->PreviewBtn,        form->BerechnenTSBtn,
                           form->BerechnenGesamtBtn};
    auto enabled = [](QObject* o) {
        if (auto* a = qobject_cast<QAction*>(o)) return a->isEnabled();
        return qobject_cast<QWidget*>(o)->isEnabled();
    };
    for (bool on : {true, false, true}) {
        form->EnableProjectCommands(on);
        for (QObject* o : all) EXPECT_EQ(enabled(o), on) << o->objectName().toStdString();
    }
    EXPECT_TRUE(form->ProjektNewBtn->isEnabled());
    EXPECT_TRUE(form->mProjektOpen->isEnabled());
}

TEST_F(BaumForm, TheHeaderDialogReachesTheProjectStateAndTheHelp)
{
    newProject(1);
    form->Projekt.Projektdaten.Name1 = QStringLiteral("Alt");
    form->Projekt.ProjektGespeichert = true;

    // Closing without a change keeps the project saved.
    answerer().expectForm([](QWidget* w) {
        w->show();
        static_cast<TDruckkopfDlg*>(w)->done(mrOk);
        return int(mrOk);
    });
    EXPECT_FALSE(form->ExecuteDruckkopfDlg());
    answerer().verifyDone();
    EXPECT_TRUE(form->Projekt.ProjektGespeichert);

    // The dialog called directly reports its change as well.
    answerer().expectForm([](QWidget* w) {
        auto* d = static_cast<TDruckkopfDlg*>(w);
        d->show();
        d->Name1Edit->setText(QStringLiteral("Neu"));
        d->done(mrOk);
        return int(mrOk);
    });
    form->DruckkopfDlg->Execute(form->Projekt.Projektdaten, form->Userdaten);
    answerer().verifyDone();
    EXPECT_EQ(form->Projekt.Projektdaten.Name1.str(), QStringLiteral("Neu"));
    EXPECT_FALSE(form->Projekt.ProjektGespeichert);

    // F1 anywhere in the dialog opens the help at the dialog's context.
    folder.write(QStringLiteral("Strombaurechner.html"), "<html></html>");
    QList<QUrl> opened;
    const HelpOpener previous = SetHelpOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    answerer().expectForm([](QWidget* w) {
        auto* d = static_cast<TDruckkopfDlg*>(w);
        d->show();
        QTest::keyClick(d->Name1Edit, Qt::Key_F1);
        QTest::keyClick(d->VortextMemo, Qt::Key_F1);
        d->done(mrOk);
        return int(mrOk);
    });
    form->ExecuteDruckkopfDlg();
    SetHelpOpener(previous);
    answerer().verifyDone();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].fragment(), QStringLiteral("280"));
    EXPECT_EQ(opened[1].fragment(), QStringLiteral("280"));
}

TEST_F(BaumForm, NewProjectClearsTheHeader)
{
    form->Projekt.Projektdaten.Name1 = QStringLiteral("Kunde");
    form->Projekt.Projektdaten.Vortext = QStringLiteral("Vorher");
    newProject(1);
    EXPECT_TRUE(form->Projekt.Projektdaten.Name1.isEmpty());
    EXPECT_TRUE(form->Projekt.Projektdaten.Vortext.isEmpty());
}

TEST_F(BaumForm, BuildTreeGivesEveryNameItsChildrenAndSelectsTheFirst)
{
    form->Projekt.StartNewProject(2);
    form->Projekt.Section(1).Nummer = QStringLiteral("1");
    form->Projekt.Section(1).Kanalform = QStringLiteral("1");
    form->Projekt.Section(1).Volumenstrom = QStringLiteral("440");
    form->BuildTree({QStringLiteral("Zuluft"), QStringLiteral("Abluft")});
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("Zuluft"), QStringLiteral("Abluft")}));
    EXPECT_EQ(child(2, 1)->text(0), QStringLiteral("Formstücke"));
    EXPECT_TRUE(node(2)->isExpanded());
    EXPECT_EQ(current(), node(1));
    EXPECT_EQ(shownFlow(), 440.0);
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Zuluft"));

    form->BuildTree({});
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);
    EXPECT_EQ(current(), nullptr);
}

TEST_F(BaumForm, GrabOfAThreeSectionProject)
{
    newProject(3);
    fillSections({{"1000", "12", "250"}, {"600", "8", "200"}, {"300", "5", "160"}}, 2);
    answerer().expectInput(kNamePrompt, QStringLiteral("Abluft Bad"));
    form->mTSNameChangeClick();
    answerer().verifyDone();
    form->mAlleTSClick();
    QApplication::processEvents();
    const QImage image = form->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(QStringLiteral("/tmp/baum.png")));
}

}  // namespace
