// Counts typed on the fittings and accessories tabs of a section whose data
// tab is still empty: they stay with the section when the selection moves,
// when other sections are inserted or deleted, and through save and open;
// such a section prints under its name with what its tabs show.
#include "test_baum_hilfen.h"
#include "test_bericht_hilfen.h"
#include "grid/CellGrid.h"
#include <QComboBox>
#include <QRadioButton>

using namespace baum_test;

namespace {

class LeereTeilstrecke : public BaumForm {
protected:
    // Types `text` into cell (col, row) of `grid` on the tab the user has
    // opened, and ends the edit with Enter.
    void typeCell(TCellGrid* grid, int col, int row, const QString& text)
    {
        ASSERT_TRUE(grid->isVisible());
        grid->setFocus();
        grid->SetCol(col);
        grid->SetRow(row);
        QTest::keyClicks(grid, text);
        QTest::keyClick(grid, Qt::Key_Return);
        QApplication::processEvents();
    }

    void typeField(TCurrencyEdit* field, const QString& text)
    {
        ASSERT_TRUE(field->isVisible());
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    // A click on the fittings' inner tab that holds `page`.
    void clickInnerTab(QWidget* page)
    {
        QTabWidget* tabs = form->FormstueckPageCtrl;
        const int index = tabs->indexOf(page);
        ASSERT_GE(index, 0);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
        QApplication::processEvents();
        ASSERT_EQ(tabs->currentWidget(), page);
    }

    // On section k, as the user does: two smooth round bends "R / D" 1,0 and
    // one further component on "Formstücke", one piece of the first
    // built-in component on "Zubehör".
    void typeCounts(int k)
    {
        click(child(k, 1));
        ASSERT_EQ(form->AuslegungPageCtrl->currentWidget(), form->FormstueckTab);
        typeCell(form->ZetaBogenGlattGrid, 3, 1, QStringLiteral("2"));
        clickInnerTab(form->SonstTab);
        typeCell(form->FremdEinbGrid, 0, 1, QStringLiteral("1"));
        typeCell(form->FremdEinbGrid, 1, 1, QStringLiteral("Brandschutzklappe"));
        typeCell(form->FremdEinbGrid, 2, 1, QStringLiteral("15"));
        click(child(k, 0));
        ASSERT_EQ(form->AuslegungPageCtrl->currentWidget(), form->ZubehoerTab);
        typeField(form->EinbautenEditNr(1), QStringLiteral("1"));
    }

    // What typeCounts typed, in record k, with the kinds' codes and the
    // delivered zeta values; the data tab's fields still those of a section
    // never stored.
    void expectCountsInRecord(int k)
    {
        SCOPED_TRACE(k);
        const TTeilstrecke& r = form->Projekt.Section(k);
        EXPECT_TRUE(r.Nummer.isEmpty());
        EXPECT_EQ(r.Volumenstrom.str(), QStringLiteral("0"));
        EXPECT_EQ(r.Einbauten(3).Anzahl.str(), QStringLiteral("2"));
        EXPECT_EQ(r.Einbauten(3).Code.str(), QStringLiteral("13"));
        EXPECT_EQ(r.Einbauten(3).Zeta.str(), QStringLiteral("0,22"));
        EXPECT_EQ(r.Einbauten(88).Anzahl.str(), QStringLiteral("1"));
        EXPECT_EQ(r.Einbauten(88).Code.str(), QStringLiteral("25"));
        EXPECT_EQ(r.Einbauten(88).Zeta.str(), QStringLiteral("0,5"));
        EXPECT_EQ(r.FremdEinbauten(1).Anzahl.str(), QStringLiteral("1"));
        EXPECT_EQ(r.FremdEinbauten(1).Beschreibung.str(), QStringLiteral("Brandschutzklappe"));
        EXPECT_EQ(r.FremdEinbauten(1).Dp.str(), QStringLiteral("15"));
        int counted = 0;
        for (int slot = 1; slot <= 99; ++slot)
            if (r.Einbauten(slot).Anzahl.str() != QLatin1String("0")) ++counted;
        EXPECT_EQ(counted, 2);
    }

    // The tabs of section k show what typeCounts typed.
    void expectCountsShown(int k)
    {
        SCOPED_TRACE(k);
        click(child(k, 1));
        EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(3, 1), QStringLiteral("2"));
        EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(2, 1), QStringLiteral("0"));
        clickInnerTab(form->SonstTab);
        EXPECT_EQ(form->FremdEinbGrid->Cells(0, 1), QStringLiteral("1"));
        EXPECT_EQ(form->FremdEinbGrid->Cells(1, 1), QStringLiteral("Brandschutzklappe"));
        EXPECT_EQ(form->FremdEinbGrid->Cells(2, 1), QStringLiteral("15"));
        click(child(k, 0));
        EXPECT_EQ(form->EinbautenEditNr(1)->Value(), 1.0);
        EXPECT_EQ(shownFlow(), 0.0);
    }

    void expectNoCountsShown(int k)
    {
        SCOPED_TRACE(k);
        click(child(k, 1));
        EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(3, 1), QStringLiteral("0"));
        clickInnerTab(form->SonstTab);
        EXPECT_EQ(form->FremdEinbGrid->Cells(0, 1), QStringLiteral("0"));
        EXPECT_TRUE(form->FremdEinbGrid->Cells(1, 1).isEmpty());
        click(child(k, 0));
        EXPECT_EQ(form->EinbautenEditNr(1)->Value(), 0.0);
    }

    // Closes the saved project and opens its file `path` again.
    void closeAndOpen(const QString& path, int sections)
    {
        form->mProjektschliessenClick();
        answerer().verifyDone();
        ASSERT_EQ(form->Projekt.TSAnzahl, 0);
        answerer().expectFileDialog(path);
        form->mProjektOpenClick();
        answerer().verifyDone();
        ASSERT_EQ(form->Projekt.TSAnzahl, sections);
    }
};

TEST_F(LeereTeilstrecke, CountsStayWithTheirSectionWhenTheSelectionMoves)
{
    newProject(2);
    typeCounts(1);
    click(node(2));  // no question: an empty data tab is no error
    answerer().verifyDone();
    EXPECT_EQ(current(), node(2));
    expectCountsInRecord(1);
    expectNoCountsShown(2);
    expectCountsShown(1);

    // Back on the data tab of the section, it is still empty and not stored.
    click(node(1));
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
    EXPECT_EQ(shownFlow(), 0.0);
    EXPECT_TRUE(form->Projekt.Section(1).Nummer.isEmpty());

    // A count taken away on the empty section is taken away in the record.
    click(child(1, 1));
    typeCell(form->ZetaBogenGlattGrid, 3, 1, QStringLiteral("0"));
    click(node(2));
    EXPECT_EQ(form->Projekt.Section(1).Einbauten(3).Anzahl.str(), QStringLiteral("0"));
    EXPECT_EQ(form->Projekt.Section(1).Einbauten(88).Anzahl.str(), QStringLiteral("1"));
}

TEST_F(LeereTeilstrecke, CountsFollowTheirSectionOverInsertAndDelete)
{
    newProject(3);
    typeCounts(2);
    // Insert on the first section: the second moves to the third place.
    click(node(1));
    form->mTSInsertClick();
    ASSERT_EQ(form->Projekt.TSAnzahl, 4);
    expectCountsInRecord(3);
    expectNoCountsShown(2);
    expectCountsShown(3);

    // Delete the first section: it moves back to the second place.
    click(node(1));
    answerer().expectMessage(QStringLiteral("Wollen Sie die Teilstrecke 1 wirklich löschen??"), mrYes);
    form->mTSDeleteClick();
    answerer().verifyDone();
    ASSERT_EQ(form->Projekt.TSAnzahl, 3);
    expectCountsInRecord(2);
    expectCountsShown(2);
    expectNoCountsShown(1);
    expectNoCountsShown(3);
}

TEST_F(LeereTeilstrecke, CountsTypedBeforeAnInsertOnTheSameSectionStay)
{
    newProject(1);
    typeCounts(1);
    click(node(1));  // within the section: the tabs keep what they show
    form->mTSInsertClick();
    ASSERT_EQ(form->Projekt.TSAnzahl, 2);
    expectCountsInRecord(1);
    expectCountsShown(1);
    expectNoCountsShown(2);
}

TEST_F(LeereTeilstrecke, CountsOfAnEmptySectionAreSavedAndOpenedAgain)
{
    const QString path = folder.file(QStringLiteral("leer.STB"));
    newProject(2);
    // The second section is complete and has a count of its own.
    click(node(2));
    setInputs({"600", "12,5", "200"});
    click(child(2, 1));
    typeCell(form->ZetaBogenGlattGrid, 1, 1, QStringLiteral("3"));
    // The counts of the first are typed last: the save takes them from the
    // tabs.
    typeCounts(1);
    ASSERT_EQ(form->Projekt.Section(1).Einbauten(88).Anzahl.str(), QStringLiteral("0"));

    answerer().expectFileDialog(path);
    answerer().expectForm([](QWidget* w) {
        auto* d = qobject_cast<TDruckkopfDlg*>(w);
        EXPECT_NE(d, nullptr);
        if (!d) return int(mrCancel);
        d->show();
        d->Name1Edit->setText(QStringLiteral("Bauamt"));
        d->done(mrOk);
        return int(mrOk);
    });
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    ASSERT_TRUE(form->Projekt.ProjektGespeichert);

    // The empty section's line is that of a section never stored (no
    // number), with what its tabs showed: its name, the first material, a
    // round pipe; its entries are written as any section's.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("TS1=;0;0;0;0;0;1;0;0;0;0;0;0;Teilstrecke 1;\r\n")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("TS-Namen=Teilstrecke 1;Teilstrecke 2;\r\n"));
    EXPECT_TRUE(bytes.contains("TS2=2;0;200;0;12,5;600;1;")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("[TS1-Einbauten]\r\nBogen3=13;0,22;2;\r\nFremdEinbauten1=Brandschutzklappe;15;1;\r\n"
                               "Einbauten88=25;0,5;1;\r\n"))
        << bytes.constData();
    EXPECT_TRUE(bytes.contains("[TS1_EB_Bogen]\r\nBogen=1;;3;\r\n"));
    EXPECT_TRUE(bytes.contains("[TS2-Einbauten]\r\nBogen1=13;"));

    ASSERT_NO_FATAL_FAILURE(closeAndOpen(path, 2));
    expectCountsInRecord(1);
    expectCountsShown(1);
    // The complete section is opened and calculated as always.
    const TTeilstrecke& r2 = form->Projekt.Section(2);
    EXPECT_EQ(r2.Nummer.str(), QStringLiteral("2"));
    EXPECT_EQ(r2.Volumenstrom.str(), QStringLiteral("600"));
    EXPECT_EQ(r2.Einbauten(1).Anzahl.str(), QStringLiteral("3"));
    EXPECT_NE(r2.DpGesamt.str(), QStringLiteral("0"));
    click(node(2));
    EXPECT_EQ(shownFlow(), 600.0);
    // The empty section was left out of the calculation.
    EXPECT_EQ(form->Projekt.Section(1).DpGesamt.str(), QStringLiteral("0"));
}

TEST_F(LeereTeilstrecke, SectionsNeverStoredPrintUnderTheirNamesWithWhatTheirTabsShow)
{
    bericht_test::Recording rec;
    PreviewRegistration preview;
    preview.onShow = [&rec](TPrintObject& po) { rec = bericht_test::Capture(po); };
    const auto report = [&rec, this] {
        rec = bericht_test::Recording();
        answerer().expectForm([](QWidget* w) {
            w->show();
            return int(mrOk);
        });
        form->mPreviewClick();
        answerer().verifyDone();
    };

    // Only the first section filled; counts typed on the third, whose data
    // tab stays empty; the second never touched.
    newProject(3);
    setInputs({"500", "10", "160"});
    click(node(2));
    const QString material = form->KanalartCombo->currentText();
    ASSERT_FALSE(material.isEmpty());
    ASSERT_TRUE(form->RohrartCB->isChecked());
    typeCounts(3);
    const QStringList names = captions();
    ASSERT_EQ(names, (QStringList{QStringLiteral("Teilstrecke 1"), QStringLiteral("Teilstrecke 2"),
                                  QStringLiteral("Teilstrecke 3")}));

    const auto expectAsShown = [&] {
        ASSERT_EQ(rec.pages.size(), 1u);
        const bericht_test::Page& p = rec.pages[0];
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(k);
            // The block of section k, under the name its node shows.
            const bericht_test::Text* heading = p.find(names[k - 1]);
            ASSERT_NE(heading, nullptr);
            EXPECT_TRUE(heading->font.Style() & fsUnderline);
            EXPECT_EQ(p.count(names[k - 1]), 1);
            // Its material and shape as the tabs show them.
            const bericht_test::Text* caption = p.find(QStringLiteral("Materiallart"), k - 1);
            ASSERT_NE(caption, nullptr);
            EXPECT_GT(caption->y, heading->y);
            const QStringList row = bericht_test::RowOf(p, caption->text, k - 1);
            EXPECT_TRUE(row.contains(material)) << row.join(QLatin1Char('|')).toStdString();
            EXPECT_TRUE(bericht_test::RowOf(p, QStringLiteral("Kanalform"), k - 1).contains(QStringLiteral("Rundrohr")));
        }
        // No heading without a name.
        for (const bericht_test::Text& t : p.texts)
            EXPECT_FALSE(t.text.trimmed().isEmpty() && (t.font.Style() & fsUnderline)) << t.y;
        EXPECT_EQ(p.count(QStringLiteral("Flexibler Schlauch")), 0);
        // The third section's list stands under its name, after the second
        // section's block.
        const bericht_test::Text* liste = p.find(QStringLiteral("Liste der Einbauten und Formstücke:"));
        ASSERT_NE(liste, nullptr);
        EXPECT_EQ(p.count(liste->text), 1);
        EXPECT_GT(liste->y, p.find(names[2])->y);
        const bericht_test::Text* klappe = p.find(QStringLiteral("Brandschutzklappe"));
        ASSERT_NE(klappe, nullptr);
        EXPECT_GT(klappe->y, liste->y);
    };
    report();
    expectAsShown();

    // Saved and opened again: the same names in the tree, the same report.
    const QString path = folder.file(QStringLiteral("drei.STB"));
    answerer().expectFileDialog(path);
    answerer().expectForm([](QWidget* w) {
        w->show();
        return int(mrOk);
    });
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    ASSERT_TRUE(form->Projekt.ProjektGespeichert);
    ASSERT_NO_FATAL_FAILURE(closeAndOpen(path, 3));
    EXPECT_EQ(captions(), names);
    report();
    expectAsShown();
}

}  // namespace
