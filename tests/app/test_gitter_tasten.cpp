// Keys pressed while a cell of the main window's grids is being edited:
// Shift, Ctrl, Alt, Ctrl+C, Ctrl+A and capitals reach the cell or pass it
// by, and Ctrl+S stores the open cell and saves the project.  On a selected
// cell the clipboard keys work in both spellings of this desktop.
#include "test_projektbefehle_hilfen.h"
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

using namespace projektbefehle_test;

namespace {

// Makes every tab page on the way to `w` the current one, outermost first
// (showing the fittings tab turns its own tabs back to the first page).
void bringIntoView(QWidget* w)
{
    QList<QPair<QTabWidget*, QWidget*>> pages;
    for (QWidget* child = w; child && child->parentWidget(); child = child->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget());
        if (!stack) continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) pages.prepend({tabs, child});
    }
    for (const auto& [tabs, page] : pages) tabs->setCurrentWidget(page);
    QApplication::processEvents();
}

// Types `text` into the focused widget as on a keyboard: Shift is pressed
// for each capital.
void typeLikeUser(const QString& text)
{
    for (const QChar ch : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        const char c = ch.toLatin1();
        QTest::keyClick(target, c, ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

class GitterTasten : public ProjektBefehleTest {
protected:
    QString path;

    void SetUp() override
    {
        ProjektBefehleTest::SetUp();
        path = beispielDatei();
        ohneTipp();
        answerer().expectFileDialog(path);
        form->mProjektOpenClick();
        answerer().verifyDone();
        ASSERT_TRUE(ShowActive(form.get()));
    }

    // Opens the editor on (col, row) of `grid` by typing `first` there.
    void openCell(TCellGrid* grid, int col, int row, const QString& first)
    {
        bringIntoView(grid);
        ASSERT_TRUE(grid->isEnabled()) << grid->objectName().toStdString();
        grid->setFocus();
        QApplication::processEvents();
        grid->SetCol(col);
        grid->SetRow(row);
        typeLikeUser(first);
        ASSERT_TRUE(grid->EditorVisible()) << grid->objectName().toStdString();
        ASSERT_EQ(QApplication::focusWidget(), grid->InplaceEditor());
    }

    // The value stored under `key` in section `section` of the saved file.
    QString savedValue(const QString& section, const QString& key) const
    {
        const QString text = QString::fromLatin1(ReadBytes(path));
        const QRegularExpression re(QStringLiteral("\\[%1\\]\\r?\\n(?:[^\\[].*\\r?\\n)*?%2=([^\\r\\n]*)")
                                        .arg(QRegularExpression::escape(section), QRegularExpression::escape(key)));
        const QRegularExpressionMatch m = re.match(text);
        return m.hasMatch() ? m.captured(1) : QStringLiteral("<missing>");
    }
};

QString slotKey(int slot)
{
    if (slot <= 24) return QStringLiteral("Bogen%1").arg(slot);
    if (slot <= 44) return QStringLiteral("Abzweige%1").arg(slot);
    return QStringLiteral("Reduktionen%1").arg(slot);
}

}  // namespace

TEST_F(GitterTasten, ModifierKeysInEveryCountGridThenCtrlSSavesTheOpenCell)
{
    // One cell of each count grid; the flat bends belong to the duct of
    // section 2, the round ones to the pipe of section 1.
    const struct {
        TCellGrid* TMainForm::*grid;
        int section, col, row, slot;
    } cells[] = {
        {&TMainForm::ZetaBogenGlattGrid, 1, 3, 1, 3},     {&TMainForm::ZetaBogenSegmentGrid, 1, 2, 1, 8},
        {&TMainForm::ZetaBogenFlachGrid, 2, 4, 2, 22},    {&TMainForm::ZetaBogenFlachVertGrid, 2, 1, 2, 25},
        {&TMainForm::ZetaAbzweigGrid, 1, 7, 1, 37},       {&TMainForm::ZetaRedScharfWeitGrid, 1, 2, 1, 53},
        {&TMainForm::ZetaRedScharfEngGrid, 2, 6, 1, 63},  {&TMainForm::ZetaRedKonWeitGrid, 1, 1, 1, 64},
        {&TMainForm::ZetaRedKonEngGrid, 2, 2, 1, 83},
    };
    int count = 20;
    for (const auto& c : cells) {
        TCellGrid* grid = (*form).*c.grid;
        SCOPED_TRACE(grid->objectName().toStdString());
        ++count;
        waehleTeilstrecke(c.section);
        openCell(grid, c.col, c.row, QString::number(count / 10));
        QLineEdit* editor = grid->InplaceEditor();
        press(Qt::Key_Shift);
        press(Qt::Key_Control);
        press(Qt::Key_Alt);
        EXPECT_EQ(QApplication::focusWidget(), form->RxMainMenu1);  // Alt alone: the menu's keyboard mode ...
        press(Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), editor);  // ... and back into the open cell
        press(Qt::Key_C, Qt::ControlModifier);  // copies the editor's text
        press(Qt::Key_A, Qt::ControlModifier);  // selects it
        EXPECT_EQ(editor->selectedText(), QString::number(count / 10));
        press(Qt::Key_End);
        typeLikeUser(QStringLiteral("Q"));  // a capital reaches the editor ...
        EXPECT_EQ(editor->text(), QString::number(count / 10) + QLatin1Char('Q'));
        press(Qt::Key_Backspace);           // ... and is taken back
        typeLikeUser(QString::number(count % 10));
        EXPECT_EQ(editor->text(), QString::number(count));
        EXPECT_TRUE(grid->EditorVisible());

        press(Qt::Key_S, Qt::ControlModifier);
        answerer().verifyDone();
        EXPECT_FALSE(grid->EditorVisible());
        EXPECT_EQ(grid->Cells(c.col, c.row), QString::number(count));
        EXPECT_TRUE(P().ProjektGespeichert);
        const QString saved = savedValue(QStringLiteral("TS%1-Einbauten").arg(c.section), slotKey(c.slot));
        EXPECT_TRUE(saved.endsWith(QStringLiteral(";%1;").arg(count))) << saved.toStdString();
    }
}

TEST_F(GitterTasten, FurtherComponentTypedWithShiftIsSavedByCtrlS)
{
    waehleTeilstrecke(1);
    TCellGrid* grid = form->FremdEinbGrid;
    openCell(grid, 0, 2, QStringLiteral("3"));  // count and pressure loss first
    press(Qt::Key_Return);
    openCell(grid, 2, 2, QStringLiteral("12"));
    press(Qt::Key_Return);
    QApplication::processEvents();
    openCell(grid, 1, 2, QStringLiteral("B"));
    typeLikeUser(QStringLiteral("randschutzklappe K2"));
    press(Qt::Key_Shift);
    press(Qt::Key_Alt);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(grid->InplaceEditor()->text(), QStringLiteral("Brandschutzklappe K2"));
    const QByteArray before = ReadBytes(path);

    press(Qt::Key_S, Qt::ControlModifier);
    answerer().verifyDone();
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("Brandschutzklappe K2"));
    EXPECT_TRUE(P().ProjektGespeichert);
    EXPECT_NE(ReadBytes(path), before);
    EXPECT_EQ(savedValue(QStringLiteral("TS1-Einbauten"), QStringLiteral("FremdEinbauten2")),
              QStringLiteral("Brandschutzklappe K2;12;3;"));
    // The component typed before stays as it was.
    EXPECT_EQ(savedValue(QStringLiteral("TS1-Einbauten"), QStringLiteral("FremdEinbauten1")),
              QStringLiteral("Brandschutzklappe;15;1;"));
}

TEST_F(GitterTasten, CountCellCopiedWithCtrlInsertAndPastedWithShiftInsert)
{
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    ASSERT_TRUE(P().ProjektGespeichert);
    waehleTeilstrecke(1);
    TCellGrid* grid = form->ZetaBogenGlattGrid;
    bringIntoView(grid);
    grid->setFocus();
    QApplication::processEvents();
    grid->SetCol(3);  // two bends of R/D 1,0 in the example
    grid->SetRow(1);
    ASSERT_EQ(grid->Cells(3, 1), QStringLiteral("2"));
    press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2\t\r\n"));
    EXPECT_TRUE(P().ProjektGespeichert);  // copying changes nothing

    grid->SetCol(5);
    ASSERT_EQ(grid->GetColorCell(5, 1), clWindow);
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(5, 1), QStringLiteral("2"));
    EXPECT_EQ(grid->GetColorCell(5, 1), clYellow);
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_FALSE(grid->EditorVisible());

    // A pasted text that is no count is refused with the count message.
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    grid->SetCol(6);
    answerer().expectMessage(QStringLiteral("„x“ ist keine ganze Zahl"));
    press(Qt::Key_Insert, Qt::ShiftModifier);
    answerer().verifyDone();
    EXPECT_EQ(grid->Cells(6, 1), QStringLiteral("0"));
    EXPECT_EQ(grid->GetColorCell(6, 1), clWindow);

    // Cut takes the count out as if the user had emptied the cell.
    grid->SetCol(5);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2\t\r\n"));
    EXPECT_EQ(grid->Cells(5, 1), QStringLiteral("0"));
    EXPECT_EQ(grid->GetColorCell(5, 1), clWindow);
    // The fixed heading row cannot be cut.
    EXPECT_EQ(grid->Cells(5, 0), QStringLiteral("3"));
}

TEST_F(GitterTasten, CtrlCVXOnASelectedCellDoWhatTheInsertAndDeleteKeysDo)
{
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    waehleTeilstrecke(1);
    TCellGrid* grid = form->ZetaBogenGlattGrid;
    bringIntoView(grid);
    grid->setFocus();
    QApplication::processEvents();
    grid->SetCol(3);
    grid->SetRow(1);
    ASSERT_EQ(grid->Cells(3, 1), QStringLiteral("2"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2\t\r\n"));
    EXPECT_TRUE(P().ProjektGespeichert);
    EXPECT_FALSE(grid->EditorVisible());

    grid->SetCol(5);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->Cells(5, 1), QStringLiteral("2"));
    EXPECT_EQ(grid->GetColorCell(5, 1), clYellow);
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_FALSE(grid->EditorVisible());

    grid->SetCol(3);
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2\t\r\n"));
    EXPECT_EQ(grid->Cells(3, 1), QStringLiteral("0"));
    EXPECT_EQ(grid->GetColorCell(3, 1), clWindow);

    // The further components' grid offers them too.
    TCellGrid* fremd = form->FremdEinbGrid;
    bringIntoView(fremd);
    fremd->setFocus();
    QApplication::processEvents();
    fremd->SetCells(1, 5, QStringLiteral("Klappe"));
    fremd->SetCol(1);
    fremd->SetRow(5);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Klappe\t\r\n"));
    fremd->SetRow(6);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(fremd->Cells(1, 6), QStringLiteral("Klappe"));
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(fremd->Cells(1, 6), QString());

    // Inside an open editor they are the editor's: the cells stay.
    openCell(grid, 5, 1, QStringLiteral("7"));
    QLineEdit* editor = grid->InplaceEditor();
    editor->selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("77"));
    editor->selectAll();
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QString());
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(5, 1), QStringLiteral("2"));
    EXPECT_EQ(grid->Cells(6, 1), QStringLiteral("0"));
}

TEST_F(GitterTasten, APressureLossPastedWithThousandsSeparatorsKeepsItsDecimals)
{
    waehleTeilstrecke(1);
    TCellGrid* grid = form->FremdEinbGrid;
    bringIntoView(grid);
    grid->setFocus();
    QApplication::processEvents();
    // Pasted on the selected cell ...
    const struct {
        const char* pasted;
        const char* taken;
    } cases[] = {{"1,234.5", "1234,5"}, {"1.234,5", "1234,5"}, {"2.5", "2,5"}, {"1,234,567.5", "1234567,5"}};
    for (const auto& c : cases) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        grid->SetCol(2);
        grid->SetRow(4);
        press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(grid->Cells(2, 4), QString::fromLatin1(c.taken)) << c.pasted;
    }
    EXPECT_FALSE(P().ProjektGespeichert);
    // ... and into the open editor, with Shift+Insert.
    openCell(grid, 0, 5, QStringLiteral("2"));
    press(Qt::Key_Return);
    QApplication::processEvents();
    openCell(grid, 2, 5, QStringLiteral("1"));
    QGuiApplication::clipboard()->setText(QStringLiteral("0,250.5"));
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->InplaceEditor()->text(), QStringLiteral("10250,5"));
    press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(2, 5), QStringLiteral("10250,5"));
    // ... and dropped into the open editor from elsewhere.
    openCell(grid, 0, 6, QStringLiteral("1"));
    press(Qt::Key_Return);
    QApplication::processEvents();
    openCell(grid, 2, 6, QStringLiteral("1"));
    grid->InplaceEditor()->clear();
    QMimeData dragged;
    dragged.setText(QStringLiteral("1.234,5"));
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->InplaceEditor(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->InplaceEditor(), &drop);
    EXPECT_EQ(grid->InplaceEditor()->text(), QStringLiteral("1234,5"));
    press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(2, 6), QStringLiteral("1234,5"));
    // A description keeps its points and commas as pasted.
    QGuiApplication::clipboard()->setText(QStringLiteral("Klappe 1.2, Typ B"));
    grid->SetCol(1);
    grid->SetRow(4);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("Klappe 1.2, Typ B"));
    // What is no number stays refused with the cell's message.
    QGuiApplication::clipboard()->setText(QStringLiteral("1,2.3,4"));
    grid->SetCol(2);
    answerer().expectMessage(QStringLiteral("ist keine Dezimalzahl"));
    press(Qt::Key_V, Qt::ControlModifier);
    answerer().verifyDone();
    EXPECT_EQ(grid->Cells(2, 4), QStringLiteral("1234567,5"));

    press(Qt::Key_S, Qt::ControlModifier);
    answerer().verifyDone();
    EXPECT_EQ(savedValue(QStringLiteral("TS1-Einbauten"), QStringLiteral("FremdEinbauten5")), QStringLiteral(";10250,5;2;"));
}
