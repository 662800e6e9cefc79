// A count cell that refuses what is typed into it stops the command that
// closed its editor: the refusal message comes, the cell holds its count
// from before the edit, and the command does nothing (no file written, no
// section inserted, no other node selected).
#include "test_projektbefehle_hilfen.h"
#include "grid/CellGrid.h"
#include <QApplication>
#include <QTest>

using namespace projektbefehle_test;

namespace {

const QString kVerweigert = QStringLiteral("Die Stückzahl „5000“ ist keine ganze Zahl von 0 bis 999.");

class ZelleVerweigertTest : public ProjektBefehleTest {
protected:
    QString datei;
    QByteArray dateiVorher;

    // A saved two-section project in p.STB, its window shown and active,
    // with section 1's fittings on screen and 5000 typed into the open
    // editor of the cell "90°" (column 4, row 1) of the first bend grid.
    void gespeichertMitOffenerZelle()
    {
        ohneTipp();
        neuesProjekt(2);
        eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
        datei = folder.file(QStringLiteral("p.STB"));
        answerer().expectFileDialog(datei);
        erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Halle"));
        form->mProjektSaveAs->trigger();
        answerer().verifyDone();
        ASSERT_TRUE(P().ProjektGespeichert);
        dateiVorher = ReadBytes(datei);
        ASSERT_FALSE(dateiVorher.isEmpty());
        // A changed volume flow: a save now would write another file.
        form->VpVorgabeEdit->setText(QStringLiteral("700"));
        ASSERT_FALSE(P().ProjektGespeichert);
        ASSERT_TRUE(ShowActive(form.get()));

        form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(0)->child(1));  // "Formstücke"
        ASSERT_EQ(form->AuslegungPageCtrl->currentWidget(), form->FormstueckTab);
        form->FormstueckPageCtrl->setCurrentWidget(form->BogenTab);
        TCellGrid* g = grid();
        g->setFocus();
        QApplication::processEvents();
        g->SetCol(4);
        g->SetRow(1);
        QTest::keyClicks(g, QStringLiteral("5000"));
        ASSERT_TRUE(g->EditorMode() && g->InplaceEditor() && g->InplaceEditor()->isVisible());
        ASSERT_EQ(g->Cells(4, 1), QStringLiteral("0"));  // still in the editor
    }

    TCellGrid* grid() const { return form->ZetaBogenGlattGrid; }

    // The refusal has been shown and the cell holds its count from before.
    void verweigert(const char* befehl)
    {
        SCOPED_TRACE(befehl);
        ASSERT_FALSE(answerer().asked().empty());
        EXPECT_EQ(answerer().asked().back().text, kVerweigert);
        EXPECT_EQ(grid()->Cells(4, 1), QStringLiteral("0"));
        EXPECT_EQ(ReadBytes(datei), dateiVorher);
    }

};

TEST_F(ZelleVerweigertTest, CtrlSWithARefusedCountWritesNothing)
{
    gespeichertMitOffenerZelle();
    answerer().expectMessage(kVerweigert);
    taste(Qt::Key_S, Qt::ControlModifier);
    answerer().verifyDone();
    verweigert("Ctrl+S");
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_EQ(form->TSTreeView->currentItem(), form->TSTreeView->topLevelItem(0)->child(1));

    // The next save goes through.
    taste(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(P().ProjektGespeichert);
    EXPECT_NE(ReadBytes(datei), dateiVorher);
}

TEST_F(ZelleVerweigertTest, SaveAsWithARefusedCountAsksForNoFile)
{
    gespeichertMitOffenerZelle();
    answerer().expectMessage(kVerweigert);  // and no file dialog
    form->mProjektSaveAs->trigger();
    answerer().verifyDone();
    verweigert("Projekt speichern unter");
    EXPECT_EQ(P().Projektdateiname, datei);
    EXPECT_FALSE(P().ProjektGespeichert);
}

TEST_F(ZelleVerweigertTest, ARefusedCountKeepsTheNodeSelected)
{
    gespeichertMitOffenerZelle();
    QTreeWidgetItem* formstuecke = form->TSTreeView->topLevelItem(0)->child(1);
    // Another node chosen while the editor is open: the tree refuses the
    // change as it does for invalid inputs.
    answerer().expectMessage(kVerweigert);
    form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(1));
    answerer().verifyDone();
    verweigert("another node");
    EXPECT_EQ(form->TSTreeView->currentItem(), formstuecke);
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->FormstueckTab);
    // The next choice goes through.
    form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(1));
    EXPECT_EQ(form->TSTreeView->currentItem(), form->TSTreeView->topLevelItem(1));
}

TEST_F(ZelleVerweigertTest, InsertAndRenameStopAtARefusedCount)
{
    gespeichertMitOffenerZelle();
    // The section's node selected while the cell's editor is still open
    // (the tree's own change handling would close it).
    {
        const QSignalBlocker b1(form->TSTreeView), b2(form->TSTreeView->selectionModel());
        form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(0));
    }
    ASSERT_TRUE(grid()->EditorMode());
    answerer().expectMessage(kVerweigert);  // and nothing inserted
    form->mTSInsert->trigger();
    answerer().verifyDone();
    verweigert("Teilstrecke einfügen");
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 2);
    EXPECT_EQ(P().TSAnzahl, 2);

    QTest::keyClicks(grid(), QStringLiteral("5000"));
    ASSERT_TRUE(grid()->EditorMode());
    answerer().expectMessage(kVerweigert);  // and no input box
    form->mTSNameChange->trigger();
    answerer().verifyDone();
    verweigert("TS-Name ändern");
    EXPECT_EQ(form->TSTreeView->topLevelItem(0)->text(0), QStringLiteral("Teilstrecke 1"));
}

}  // namespace

namespace {

// The further components' loss per piece refuses the same way.
TEST_F(ZelleVerweigertTest, ARefusedLossStopsTheSaveAsWell)
{
    gespeichertMitOffenerZelle();
    answerer().expectMessage(kVerweigert);  // the count's refusal is not this test's
    grid()->commitEdit();
    answerer().verifyDone();
    answerer().clearAsked();
    form->FormstueckPageCtrl->setCurrentWidget(form->FremdEinbGrid->parentWidget());
    TCellGrid* fremd = form->FremdEinbGrid;
    fremd->setFocus();
    QApplication::processEvents();
    fremd->SetCol(2);
    fremd->SetRow(1);
    QTest::keyClicks(fremd, QStringLiteral("1,2,3"));
    ASSERT_TRUE(fremd->EditorMode());
    answerer().expectMessage(QStringLiteral("Der Druckverlust „1,2,3“ ist keine Dezimalzahl"));
    taste(Qt::Key_S, Qt::ControlModifier);
    answerer().verifyDone();
    EXPECT_EQ(ReadBytes(datei), dateiVorher);
    EXPECT_FALSE(P().ProjektGespeichert);
}

}  // namespace
