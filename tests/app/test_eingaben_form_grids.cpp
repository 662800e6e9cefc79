// The count grids and count fields of the real main window: where each
// count is stored, how counts are coloured, and which texts are refused.
#include "test_eingaben_form_hilfen.h"
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>

using namespace eingaben_form_test;

namespace {

// The colour a cell is painted with, read from a picture of the grid.
QColor paintedColour(TCellGrid* grid, int col, int row)
{
    const QRect cell = grid->CellRect(col, row);
    EXPECT_FALSE(cell.isEmpty());
    const QImage image = grid->viewport()->grab().toImage();
    return image.pixelColor(cell.left() + 3, cell.bottom() - 2);
}

}  // namespace

// ---- where the counts go ---------------------------------------------------------

TEST_F(EingabenForm, EveryGridRowAndCountFieldIsStoredInItsSlotWithCodeAndZeta)
{
    make();
    const struct {
        TCellGrid* TMainForm::*grid;
        int col, row;
        const char* count;
        int slot;
        const char* code;
        const char* zeta;  // as the delivered value file holds it
    } cells[] = {
        {&TMainForm::ZetaBogenGlattGrid, 3, 1, "1", 3, "13", "0,22"},        // ZBog3
        {&TMainForm::ZetaBogenSegmentGrid, 2, 1, "2", 8, "14", "0,54"},      // ZSeg3_2
        {&TMainForm::ZetaBogenSegmentGrid, 5, 2, "3", 17, "15", "0,19"},     // ZSeg5_5
        {&TMainForm::ZetaBogenFlachGrid, 4, 2, "4", 22, "16", "0,18"},       // ZFlachH4
        {&TMainForm::ZetaBogenFlachVertGrid, 1, 2, "5", 25, "17", "0,39"},   // ZFlachV1
        {&TMainForm::ZetaAbzweigGrid, 7, 1, "6", 37, "18", "1,11"},          // ZAbzw907
        {&TMainForm::ZetaAbzweigGrid, 1, 2, "7", 38, "19", "4,83"},          // ZAbzw601
        {&TMainForm::ZetaAbzweigGrid, 4, 3, "8", 48, "20", "0,52"},          // ZAbzw454
        {&TMainForm::ZetaRedScharfWeitGrid, 2, 1, "9", 53, "21", "0,64"},    // ZRedErwS2
        {&TMainForm::ZetaRedScharfEngGrid, 6, 1, "10", 63, "22", "0"},       // ZRedEngS6
        {&TMainForm::ZetaRedKonWeitGrid, 1, 1, "11", 64, "23", "0,07"},      // ZRedErwK1
        {&TMainForm::ZetaRedKonWeitGrid, 3, 2, "12", 72, "23", "0,09"},      // ZRedErwK9
        {&TMainForm::ZetaRedKonWeitGrid, 6, 3, "13", 81, "23", "0,62"},      // ZRedErwK18
        {&TMainForm::ZetaRedKonEngGrid, 2, 1, "999", 83, "24", "0,11"},      // ZRedEngK2
    };
    const char* einbautenZeta[12] = {"0,5", "8", "10", "10", "10", "4", "4", "4", "4", "0,5", "1", "2"};

    // The round bends while the round pipe is chosen, the flat ones for the duct.
    for (const auto& c : cells)
        if (((*form).*c.grid)->isEnabled()) typeCell((*form).*c.grid, c.col, c.row, QLatin1String(c.count));
    form->KanalartCB->click();
    for (const auto& c : cells)
        if (c.slot >= 19 && c.slot <= 30) typeCell((*form).*c.grid, c.col, c.row, QLatin1String(c.count));
    for (int i = 1; i <= 12; ++i) type(form->EinbautenEditNr(i), QString::number(20 + i));
    typeCell(form->FremdEinbGrid, 0, 3, QStringLiteral("2"));
    typeCell(form->FremdEinbGrid, 1, 3, QStringLiteral("Brandschutzklappe"));
    typeCell(form->FremdEinbGrid, 2, 3, QStringLiteral("15,5"));

    type(form->VpVorgabeEdit, QStringLiteral("1000"));
    type(form->TSLaengeEdit, QStringLiteral("4"));
    type(form->DNRohrEdit, QStringLiteral("300"));
    type(form->KanalHoeheEdit, QStringLiteral("200"));
    ASSERT_TRUE(form->StoreCurrentSection());

    const TTeilstrecke& r = form->Projekt.Section(1);
    EXPECT_EQ(r.Kanalform.str(), QStringLiteral("2"));
    for (const auto& c : cells) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(r.Einbauten(c.slot).Anzahl.str(), QLatin1String(c.count));
        EXPECT_EQ(r.Einbauten(c.slot).Code.str(), QLatin1String(c.code));
        EXPECT_EQ(r.Einbauten(c.slot).Zeta.str(), QLatin1String(c.zeta));
    }
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(87 + i);
        EXPECT_EQ(r.Einbauten(87 + i).Anzahl.str(), QString::number(20 + i));
        EXPECT_EQ(r.Einbauten(87 + i).Code.str(), QString::number(24 + i));
        EXPECT_EQ(r.Einbauten(87 + i).Zeta.str(), QLatin1String(einbautenZeta[i - 1]));
    }
    // Every other slot holds 0 pieces, with its code.
    int counted = 0;
    for (int slot = 1; slot <= 99; ++slot)
        if (r.Einbauten(slot).Anzahl.str() != QLatin1String("0")) ++counted;
    EXPECT_EQ(counted, 14 + 12);
    EXPECT_EQ(r.Einbauten(1).Code.str(), QStringLiteral("13"));
    EXPECT_EQ(r.Einbauten(1).Zeta.str(), QStringLiteral("0,71"));
    EXPECT_EQ(r.FremdEinbauten(3).Anzahl.str(), QStringLiteral("2"));
    EXPECT_EQ(r.FremdEinbauten(3).Beschreibung.str(), QStringLiteral("Brandschutzklappe"));
    EXPECT_EQ(r.FremdEinbauten(3).Dp.str(), QStringLiteral("15,5"));
    EXPECT_EQ(form->Projekt.StueckSumme, (1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11 + 12 + 13 + 999) +
                                             (21 + 22 + 23 + 24 + 25 + 26 + 27 + 28 + 29 + 30 + 31 + 32) + 2);
}

// ---- colours ---------------------------------------------------------------------------

TEST_F(EingabenForm, CountCellsArePaintedYellowFromOnePieceAndWhiteAtZero)
{
    make();
    TCellGrid* grid = form->ZetaBogenGlattGrid;
    typeCell(grid, 2, 1, QStringLiteral("2"));
    grid->SetCol(5);  // the selection moves away from the cell looked at
    EXPECT_EQ(grid->GetColorCell(2, 1), clYellow);
    EXPECT_EQ(paintedColour(grid, 2, 1), QColor(255, 255, 0));
    EXPECT_EQ(paintedColour(grid, 3, 1), QApplication::palette().color(QPalette::Base));

    // Deleting the text puts 0 back, in the window colour.
    typeCell(grid, 2, 1, QString());
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("0"));
    grid->SetCol(5);
    EXPECT_EQ(grid->GetColorCell(2, 1), clWindow);
    EXPECT_EQ(paintedColour(grid, 2, 1), QApplication::palette().color(QPalette::Base));

    // The same rule in another grid kind.
    typeCell(form->ZetaAbzweigGrid, 5, 3, QStringLiteral("1"));
    form->ZetaAbzweigGrid->SetCol(1);
    EXPECT_EQ(paintedColour(form->ZetaAbzweigGrid, 5, 3), QColor(255, 255, 0));
}

TEST_F(EingabenForm, CountFieldsTurnAquaAboveZeroAndWhiteAtZero)
{
    make();
    TCurrencyEdit* field = form->EinbautenEditNr(4);
    type(field, QStringLiteral("3"));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0, 255, 255));
    type(field, QStringLiteral("0"));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(form->EinbautenEditNr(5)->palette().color(QPalette::Base), QColor(255, 255, 255));
}

// ---- refused input ------------------------------------------------------------------------

TEST_F(EingabenForm, CountCellsRefuseTextsThatAreNoWholeNumberUpTo999)
{
    make();
    TCellGrid* grid = form->ZetaRedScharfWeitGrid;
    typeCell(grid, 3, 1, QStringLiteral("7"));
    ASSERT_EQ(grid->Cells(3, 1), QStringLiteral("7"));
    for (const char* bad : {"abc", "1000", "-1", "2,5"}) {
        SCOPED_TRACE(bad);
        answerer().expectMessage(QStringLiteral("keine ganze Zahl von 0 bis 999"));
        typeCell(grid, 3, 1, QLatin1String(bad));
        answerer().verifyDone();
        EXPECT_EQ(grid->Cells(3, 1), QStringLiteral("7"));
        EXPECT_EQ(grid->GetColorCell(3, 1), clYellow);
    }
    // A refused first edit of a cell leaves its 0.
    answerer().expectMessage(QStringLiteral("keine ganze Zahl"));
    typeCell(grid, 4, 1, QStringLiteral("x"));
    answerer().verifyDone();
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("0"));
    typeCell(grid, 4, 1, QStringLiteral("999"));
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("999"));

    // Cells without a geometry value take no count at all and keep their 0.
    typeCell(form->ZetaBogenSegmentGrid, 6, 2, QStringLiteral("5"));
    EXPECT_EQ(form->ZetaBogenSegmentGrid->Cells(6, 2), QStringLiteral("0"));
    typeCell(form->ZetaBogenSegmentGrid, 5, 2, QStringLiteral("5"));
    EXPECT_EQ(form->ZetaBogenSegmentGrid->Cells(5, 2), QStringLiteral("5"));
    form->KanalartCB->click();
    for (TCellGrid* flat : {form->ZetaBogenFlachGrid, form->ZetaBogenFlachVertGrid}) {
        for (int col : {5, 6}) {
            typeCell(flat, col, 2, QStringLiteral("4"));
            EXPECT_EQ(flat->Cells(col, 2), QStringLiteral("0")) << flat->objectName().toStdString() << col;
        }
        typeCell(flat, 4, 2, QStringLiteral("4"));
        EXPECT_EQ(flat->Cells(4, 2), QStringLiteral("4"));
    }
}

TEST_F(EingabenForm, FurtherComponentsRefuseAPointInTheLossAndACountAbove999)
{
    make();
    TCellGrid* grid = form->FremdEinbGrid;
    typeCell(grid, 2, 5, QStringLiteral("12,5"));
    ASSERT_EQ(grid->Cells(2, 5), QStringLiteral("12,5"));
    answerer().expectMessage(QStringLiteral("keine Dezimalzahl"));
    typeCell(grid, 2, 5, QStringLiteral("1.5"));
    answerer().verifyDone();
    EXPECT_EQ(grid->Cells(2, 5), QStringLiteral("12,5"));

    answerer().expectMessage(QStringLiteral("keine ganze Zahl"));
    typeCell(grid, 0, 5, QStringLiteral("1000"));
    answerer().verifyDone();
    EXPECT_EQ(grid->Cells(0, 5), QStringLiteral("0"));

    // An emptied count or loss becomes 0 again; the description may stay empty.
    typeCell(grid, 2, 5, QString());
    EXPECT_EQ(grid->Cells(2, 5), QStringLiteral("0"));
    typeCell(grid, 1, 5, QStringLiteral("Filter"));
    typeCell(grid, 1, 5, QString());
    EXPECT_EQ(grid->Cells(1, 5), QString());
}

TEST_F(EingabenForm, ADescriptionWithASemicolonStaysInTheOpenEditorUntilCorrected)
{
    make();
    type(form->VpVorgabeEdit, QStringLiteral("1000"));
    type(form->TSLaengeEdit, QStringLiteral("4"));
    type(form->DNRohrEdit, QStringLiteral("300"));
    TCellGrid* grid = form->FremdEinbGrid;
    const QString refused = QStringLiteral("Die Beschreibung darf kein „;“ enthalten.");
    auto editor = [grid] { return qobject_cast<QLineEdit*>(grid->InplaceEditor()); };
    auto editorOpenOn = [&](int col, int row, const QString& text) {
        EXPECT_TRUE(grid->EditorMode());
        ASSERT_NE(editor(), nullptr);
        EXPECT_TRUE(editor()->isVisible());
        EXPECT_EQ(grid->EditedCell(), (TGridCoord{col, row}));
        EXPECT_EQ(editor()->text(), text);
    };
    typeCell(grid, 1, 5, QStringLiteral("Filter"));
    form->Projekt.ProjektGespeichert = true;

    // Enter: the message, and the typed text waits in the editor.
    answerer().expectMessage(refused);
    typeCell(grid, 1, 5, QStringLiteral("Filter; neu"));
    answerer().verifyDone();
    editorOpenOn(1, 5, QStringLiteral("Filter; neu"));

    // A save commits the grids and then stores the section: one message,
    // nothing stored, nothing written, the editor still open.
    const QString file = folder.file(QStringLiteral("p.stb"));
    form->Projekt.Projektdateiname = file;
    answerer().expectMessage(refused);
    QTest::keyPress(form->TSTreeView, Qt::Key_S, Qt::ControlModifier);  // Ctrl+S: the key, then its command
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    editorOpenOn(1, 5, QStringLiteral("Filter; neu"));
    EXPECT_TRUE(form->Projekt.Section(1).FremdEinbauten(5).Beschreibung.isEmpty());
    EXPECT_FALSE(QFile::exists(file));
    // Within that action the message is not repeated; the next says it again.
    EXPECT_FALSE(form->SaveProject(false));
    answerer().expectMessage(refused);
    QTest::keyPress(form->TSTreeView, Qt::Key_F5);  // a key the tree does not use
    EXPECT_FALSE(form->StoreSectionFromForm(1));
    answerer().verifyDone();

    // A click on another cell is refused with the message again.
    answerer().expectMessage(refused);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 5).center());
    QApplication::processEvents();
    answerer().verifyDone();
    editorOpenOn(1, 5, QStringLiteral("Filter; neu"));

    // Only the wrong character has to go.
    QTest::keyClick(editor(), Qt::Key_End);
    for (int i = 0; i < 5; ++i) QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClicks(editor(), QStringLiteral(" neu"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(1, 5), QStringLiteral("Filter neu"));
    EXPECT_FALSE(form->Projekt.ProjektGespeichert);
    EXPECT_TRUE(form->CommitGridEdits());
    ASSERT_TRUE(form->StoreSectionFromForm(1));
    EXPECT_EQ(form->Projekt.Section(1).FremdEinbauten(5).Beschreibung.str(), QStringLiteral("Filter neu"));

    // Escape on a refused text brings back the text before the edit.
    answerer().expectMessage(refused);
    typeCell(grid, 1, 5, QStringLiteral("a;b"));
    answerer().verifyDone();
    editorOpenOn(1, 5, QStringLiteral("a;b"));
    QTest::keyClick(editor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(grid->EditorMode() && editor()->isVisible());
    EXPECT_EQ(grid->Cells(1, 5), QStringLiteral("Filter neu"));
    EXPECT_TRUE(form->CommitGridEdits());
}

TEST_F(EingabenForm, ARefusedCountFieldGoesBackToTheCountBeforeTheEdit)
{
    make();
    type(form->VpVorgabeEdit, QStringLiteral("1000"));
    type(form->TSLaengeEdit, QStringLiteral("4"));
    type(form->DNRohrEdit, QStringLiteral("300"));
    TCurrencyEdit* field = form->EinbautenEditNr(2);
    type(field, QStringLiteral("7"));
    form->TSTreeView->setFocus();  // the field is left with 7
    ASSERT_FALSE(field->hasFocus());

    // 5000 is refused at its fourth digit: the field shows the 7 it held
    // before, not the 500 typed on the way.
    answerer().expectMessage(QStringLiteral("keine ganze Zahl von 0 bis 999"));
    type(field, QStringLiteral("5000"));
    answerer().verifyDone();
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0, 255, 255));

    answerer().expectMessage(QStringLiteral("keine ganze Zahl"));
    type(field, QStringLiteral("1,"));  // refused at the comma
    answerer().verifyDone();
    EXPECT_EQ(field->text(), QStringLiteral("7"));

    // A first count refused in a field that held 0 leaves 0 and white.
    TCurrencyEdit* other = form->EinbautenEditNr(11);
    answerer().expectMessage(QStringLiteral("keine ganze Zahl"));
    type(other, QStringLiteral("1000"));
    answerer().verifyDone();
    EXPECT_EQ(other->text(), QStringLiteral("0"));
    EXPECT_EQ(other->palette().color(QPalette::Base), QColor(255, 255, 255));

    // What is stored is the count before the refused edit.
    ASSERT_TRUE(form->StoreSectionFromForm(1));
    EXPECT_EQ(form->Projekt.Section(1).Einbauten(89).Anzahl.str(), QStringLiteral("7"));
}

namespace {

// Types `text` into cell (col, row) of a count grid on the tab "Bogen" and
// leaves its editor open.
void typeIntoOpenCell(TMainForm& form, TCellGrid* grid, int col, int row, const QString& text)
{
    form.AuslegungPageCtrl->setCurrentWidget(form.FormstueckTab);
    form.FormstueckPageCtrl->setCurrentWidget(form.BogenTab);
    grid->setFocus();
    grid->SetCol(col);
    grid->SetRow(row);
    QTest::keyClicks(grid, text);
    ASSERT_TRUE(grid->EditorMode());
    ASSERT_EQ(grid->Cells(col, row), QStringLiteral("0"));  // still in the editor
}

}  // namespace

TEST_F(EingabenForm, ToolCommandsTakeTheCountStillOpenInACellEditor)
{
    make();
    TCellGrid* grid = form->ZetaBogenGlattGrid;
    typeIntoOpenCell(*form, grid, 4, 1, QStringLiteral("3"));
    form->CommitGridEdits();
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("3"));
    EXPECT_EQ(grid->GetColorCell(4, 1), clYellow);
}

TEST_F(EingabenForm, EveryCommandThatDropsTheProjectFirstTakesTheCountStillOpenInACellEditor)
{
    make(2);
    const QString unsaved = QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!");
    TCellGrid* grid = form->ZetaBogenSegmentGrid;
    // A project with a file that has been saved: only the typed count makes
    // it a changed one.
    form->Projekt.Projektdateiname = folder.file(QStringLiteral("p.STB"));
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->DNRohrEdit, QStringLiteral("160"));
    auto saved = [this] { form->Projekt.ProjektGespeichert = true; };

    // Closing the window: the question comes, Yes keeps the window and the count.
    saved();
    typeIntoOpenCell(*form, grid, 2, 1, QStringLiteral("3"));
    answerer().expectMessage(unsaved, mrYes);
    EXPECT_FALSE(form->close());
    answerer().verifyDone();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("3"));
    EXPECT_EQ(grid->GetColorCell(2, 1), clYellow);
    ASSERT_TRUE(form->StoreCurrentSection());
    EXPECT_EQ(form->Projekt.Section(1).Einbauten(8).Anzahl.str(), QStringLiteral("3"));

    // "Beenden" goes the same way.
    saved();
    typeIntoOpenCell(*form, grid, 3, 2, QStringLiteral("4"));
    answerer().expectMessage(unsaved, mrYes);
    form->mBeenden->trigger();
    answerer().verifyDone();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(grid->Cells(3, 2), QStringLiteral("4"));

    // A new project: Yes keeps the open one, so that it can be saved.
    saved();
    typeIntoOpenCell(*form, grid, 1, 1, QStringLiteral("5"));
    answerer().expectMessage(unsaved, mrYes);
    form->ProjektNewBtnClick();
    answerer().verifyDone();
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("5"));

    // Open: Yes saves first; that save is cancelled, so nothing is opened.
    saved();
    form->Projekt.Projektdateiname.clear();
    typeIntoOpenCell(*form, grid, 4, 1, QStringLiteral("6"));
    answerer().expectMessage(unsaved, mrYes);
    answerer().expectFileDialog(QString());
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("6"));
    EXPECT_EQ(form->Projekt.TSAnzahl, 2);

    // Close: the question comes; No drops the project.
    saved();
    typeIntoOpenCell(*form, grid, 5, 1, QStringLiteral("7"));
    answerer().expectMessage(unsaved, mrNo);
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);
    EXPECT_FALSE(grid->EditorMode());
}
