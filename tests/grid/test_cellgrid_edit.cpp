// The in-place editor's life cycle and the order of the edit events.
#include "GridTestUtil.h"
#include "GridWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

class EditTrace : public GridWindowTest {
protected:
    void SetUp() override
    {
        makeGrid(true);
        grid->Font().SetName(QStringLiteral("Arial"));
        grid->SetColCount(7);
        grid->SetRowCount(4);
        grid->SetOptions(grid->Options() | goEditing);
        for (int c = 1; c < 7; ++c)
            for (int r = 1; r < 4; ++r) grid->SetCells(c, r, QStringLiteral("0"));
        record(grid, QStringLiteral(""));
        showGrid(400, 200);
        ASSERT_TRUE(grid->IsActiveControl());
        trace.clear();
    }

    void record(TCellGrid* g, const QString& tag)
    {
        g->OnBeforeEdit = [this, tag](QObject*, int c, int r) { trace << tag + QStringLiteral("Before %1,%2").arg(c).arg(r); };
        g->OnGetEditText = [this, tag](QObject*, int c, int r, QString&) { trace << tag + QStringLiteral("Get %1,%2").arg(c).arg(r); };
        g->OnSetEditText = [this, tag](QObject*, int c, int r, const QString& v) {
            trace << tag + QStringLiteral("Set %1,%2=%3").arg(c).arg(r).arg(v);
        };
        g->OnValidateEdit = [this, tag](QObject*, int c, int r, bool& ok) {
            trace << tag + QStringLiteral("Validate %1,%2").arg(c).arg(r);
            if (failValidations > 0) {
                --failValidations;
                ok = false;
            }
        };
        g->OnAfterEdit = [this, tag](QObject*, int c, int r) { trace << tag + QStringLiteral("After %1,%2").arg(c).arg(r); };
        g->OnCancelEdit = [this, tag](QObject*, int c, int r) { trace << tag + QStringLiteral("Cancel %1,%2").arg(c).arg(r); };
    }

    void run() { QCoreApplication::processEvents(); }

    int failValidations = 0;
};

}  // namespace

TEST_F(EditTrace, TypingThenEnterCommitsAndValidatesAfterwards)
{
    QTest::keyClick(grid, Qt::Key_2);
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->text(), "2");  // the typed character replaced the selected text
    EXPECT_EQ(grid->Cells(1, 1), "0");              // not stored while typing
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 1), "2");
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=2"}));  // end of edit still posted
    run();
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=2", "Validate 1,1", "After 1,1"}));

    // Enter opens the editor again, with a new before-edit
    trace.clear();
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1"}));
}

TEST_F(EditTrace, EscapeRestoresTextAndCancels)
{
    QTest::keyClicks(grid, "57");
    EXPECT_EQ(grid->InplaceEditor()->text(), "57");
    QTest::keyClick(grid, Qt::Key_Escape);
    run();
    EXPECT_EQ(grid->Cells(1, 1), "0");
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=0", "Cancel 1,1"}));
}

TEST_F(EditTrace, ArrowKeyEndsEditOfTheCellLeft)
{
    QTest::keyClick(grid, Qt::Key_3);
    QTest::keyClick(grid, Qt::Key_Right);  // stays in the editor (caret movement)
    EXPECT_EQ(grid->Col(), 1);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(grid->EditorVisible());
    run();
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=3", "Validate 1,1", "After 1,1"}));
    EXPECT_EQ(grid->Cells(1, 1), "3");
}

TEST_F(EditTrace, FailedValidationAfterTabKeepsTheCellInEditing)
{
    grid->SetOptions(grid->Options() | goTabs);
    failValidations = 1;
    QTest::keyClick(grid, Qt::Key_7);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 2);
    run();
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_TRUE(grid->EditInProgress());
    EXPECT_EQ(QApplication::focusWidget(), grid->InplaceEditor());
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=7", "Validate 1,1", "Before 1,1", "Get 1,1"}));
    EXPECT_EQ(grid->InplaceEditor()->text(), "7");
}

TEST_F(EditTrace, LetterOnLockedCellGoesToKeyPress)
{
    grid->SetEditCell(1, 1, false);
    QStringList keys;
    grid->OnKeyPress = [&keys](QObject*, QChar& k) { keys << QString(k); };
    QTest::keyClick(grid, Qt::Key_A);
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(keys, QStringList{"a"});
    EXPECT_TRUE(trace.isEmpty());
}

TEST_F(EditTrace, AnyPrintableCharacterOpensTheEditor)
{
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("€"));
    QApplication::sendEvent(grid, &euro);
    ASSERT_TRUE(grid->EditorVisible());
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QString::fromUtf8("€"));
}

TEST_F(EditTrace, F2OpensWithoutReplacing)
{
    grid->SetSelectEditText(false);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(grid->EditorVisible());
    QTest::keyClick(grid, Qt::Key_5);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "05");
}

TEST_F(EditTrace, CommitEditRunsEverythingAtOnce)
{
    QTest::keyClick(grid, Qt::Key_6);
    EXPECT_TRUE(grid->commitEdit());
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 1), "6");
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=6", "Validate 1,1", "After 1,1"}));
    run();  // nothing left over
    QTest::keyClick(grid, Qt::Key_Down);
    run();
    EXPECT_EQ(trace.size(), 5);

    // a commit with the Enter message still queued runs it once
    trace.clear();
    QTest::keyClick(grid, Qt::Key_8);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(grid->commitEdit());
    run();
    EXPECT_EQ(trace, (QStringList{"Before 1,2", "Get 1,2", "Set 1,2=8", "Validate 1,2", "After 1,2"}));
}

TEST_F(EditTrace, CommitEditReportsFailedValidation)
{
    failValidations = 1;
    QTest::keyClick(grid, Qt::Key_6);
    EXPECT_FALSE(grid->commitEdit());
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 1), "6");
}

TEST_F(EditTrace, EndOfEditForVanishedCellIsDropped)
{
    grid->SetRow(3);
    trace.clear();
    QTest::keyClick(grid, Qt::Key_9);
    QTest::keyClick(grid, Qt::Key_Return);
    grid->SetRowCount(2);
    run();
    EXPECT_EQ(trace, (QStringList{"Before 1,3", "Get 1,3", "Set 1,3=9"}));
}

TEST_F(EditTrace, FocusLossCommitsAndValidatesAtOnce)
{
    QTest::keyClick(grid, Qt::Key_4);
    field->setFocus();
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=4", "Validate 1,1", "After 1,1"}));
    EXPECT_FALSE(grid->EditorMode());
    run();
    EXPECT_EQ(trace.size(), 5);
    EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(EditTrace, FailedValidationOnFocusLossTakesFocusBack)
{
    failValidations = 1;
    QTest::keyClick(grid, Qt::Key_4);
    field->setFocus();
    run();
    EXPECT_TRUE(grid->IsActiveControl());
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 1), "4");
}

TEST_F(EditTrace, TwoGridsFailingOnFocusLossDoNotPingPong)
{
    auto* second = new TCellGrid(window.get());
    window->layout()->addWidget(second);
    second->SetOptions(second->Options() | goEditing | goAlwaysShowEditor);
    second->SetCells(1, 1, "0");
    second->show();
    record(second, QStringLiteral("B "));
    failValidations = 100;
    QTest::keyClick(grid, Qt::Key_1);
    second->setFocus();
    run();
    EXPECT_LT(failValidations, 100);
    EXPECT_GT(failValidations, 90);  // a handful of validations, not an endless exchange
    EXPECT_TRUE(grid->IsActiveControl());
    EXPECT_EQ(grid->Cells(1, 1), "1");
}

TEST_F(EditTrace, AlwaysShowEditorRestoresEditorAndSelectionOnReturn)
{
    grid->SetOptions(grid->Options() | goAlwaysShowEditor);
    grid->Loaded();  // (a grid loaded without "Cells" is empty afterwards)
    EXPECT_FALSE(grid->EditorVisible());  // the end of loading hides it
    EXPECT_EQ(grid->Cells(1, 1), "");
    grid->SetCells(1, 1, "123");
    grid->SetCol(2);
    grid->SetCol(1);
    ASSERT_TRUE(grid->EditorVisible());  // shown again on the current cell by itself
    grid->InplaceEditor()->setSelection(1, 1);
    field->setFocus();
    EXPECT_FALSE(grid->EditorVisible());
    grid->setFocus();
    run();
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->selectedText(), "2");
}

TEST_F(EditTrace, ClickSelectsTheCellUnderTheMouseToItsEdges)
{
    const QRect cell = grid->CellRect(3, 2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.topLeft());
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    grid->SetCol(1);
    grid->SetRow(1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.bottomRight());
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    // a click on the current cell opens the editor there
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(trace, (QStringList{"Before 3,2", "Get 3,2"}));
}

TEST_F(EditTrace, FailedValidationOnFocusLossKeepsTheFocusAgainstAnotherFailingGrid)
{
    // The second grid shows its editor all the time and fails every
    // validation too; its focus handling must neither validate endlessly
    // nor win the focus.
    auto* second = new TCellGrid(window.get());
    window->layout()->addWidget(second);
    second->SetOptions(second->Options() | goEditing | goAlwaysShowEditor);
    second->SetCells(1, 1, "0");
    second->show();
    int secondValidations = 0;
    bool secondFails = false;
    second->OnValidateEdit = [&](QObject*, int, int, bool& ok) {
        ++secondValidations;
        ok = !secondFails;
    };
    second->setFocus();  // its editor opens
    grid->setFocus();
    run();
    ASSERT_TRUE(grid->IsActiveControl());
    trace.clear();
    secondValidations = 0;
    secondFails = true;

    failValidations = 100;
    QTest::keyClick(grid, Qt::Key_1);
    second->setFocus();
    run();
    EXPECT_EQ(100 - failValidations, 1);
    EXPECT_LE(secondValidations, 1);
    EXPECT_TRUE(grid->IsActiveControl());
    EXPECT_FALSE(second->IsActiveControl());
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 1), "1");

    // the grid still owns the focus: leaving for the edit line validates it once more
    secondValidations = 0;
    field->setFocus();
    run();
    EXPECT_EQ(100 - failValidations, 2);
    EXPECT_EQ(secondValidations, 0);
    EXPECT_TRUE(grid->IsActiveControl());
}

// A hint window goes after a short delay.
static bool HintGone()
{
    for (int i = 0; i < 100 && QToolTip::isVisible(); ++i) QTest::qWait(10);
    return !QToolTip::isVisible();
}

TEST_F(EditTrace, CellHintsShowBelowTheCellAndGoWhenTheMouseLeavesIt)
{
    DfmValue hints = DfmValue::emptyList();
    hints.items << DfmValue::fromInt(2) << DfmValue::fromInt(1) << DfmValue::fromString("Bogen 90");
    grid->ReadFormProperty("HintCell", hints);
    struct Shown { int c, r; QString text; QPoint pos; };
    QList<Shown> shown;
    bool allow = true;
    grid->OnShowHintCell = [&](QObject*, int c, int r, QString& text, bool& canShow, THintInfo& info) {
        EXPECT_TRUE(canShow);  // starts True
        shown << Shown{c, r, text, info.HintPos};
        canShow = allow;
        info.CursorRect = QRect();  // so only the grid itself takes the hint away
    };
    auto ask = [this](const QPoint& at) {
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
    };
    const QRect cell = grid->CellRect(2, 1);
    ask(cell.center());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].c, 2);
    EXPECT_EQ(shown[0].r, 1);
    EXPECT_EQ(shown[0].text, "Bogen 90");
    EXPECT_EQ(shown[0].pos, grid->viewport()->mapToGlobal(QPoint(cell.left(), cell.top() + cell.height() + 6)));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Bogen 90");

    // moving inside the cell keeps the hint; the first pixel of the next cell ends it
    QTest::mouseMove(grid->viewport(), cell.bottomRight());
    EXPECT_TRUE(QToolTip::isVisible());
    QTest::mouseMove(grid->viewport(), QPoint(grid->CellRect(3, 1).left(), cell.center().y()));
    EXPECT_TRUE(HintGone());

    // a cell without a hint text shows nothing; CanShow False suppresses a hint
    ask(grid->CellRect(3, 1).center());
    EXPECT_EQ(shown.last().text, "");
    EXPECT_TRUE(HintGone());
    allow = false;
    ask(cell.center());
    EXPECT_TRUE(HintGone());

    // without ShowCellHints the grid does not take part
    grid->SetShowCellHints(false);
    ask(cell.center());
    EXPECT_EQ(shown.size(), 3);
}

namespace {

// Counts the key presses that reach a widget, by key and modifiers.
class KeyCounter : public QObject {
public:
    explicit KeyCounter(QWidget* target) { target->installEventFilter(this); }
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            switch (k->key()) {  // a modifier key is counted by its name alone
            case Qt::Key_Shift: seen << QStringLiteral("Shift"); break;
            case Qt::Key_Control: seen << QStringLiteral("Ctrl"); break;
            case Qt::Key_Alt: seen << QStringLiteral("Alt"); break;
            default: seen << QKeySequence(k->keyCombination()).toString(); break;
            }
        }
        return false;
    }
};

}  // namespace

TEST_F(EditTrace, KeysTheEditorLeavesGoOnToTheWindowOnce)
{
    KeyCounter atWindow(window.get());
    QTest::keyClick(grid, Qt::Key_4);
    ASSERT_TRUE(grid->EditorVisible());
    QLineEdit* editor = grid->InplaceEditor();
    ASSERT_EQ(QApplication::focusWidget(), editor);

    // Where the user types: the editor holds the focus.  Modifiers alone,
    // Ctrl+S, Alt+X and F12 are none of the editor's business.
    QTest::keyClick(editor, Qt::Key_Shift);
    QTest::keyClick(editor, Qt::Key_Control);
    QTest::keyClick(editor, Qt::Key_Alt);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(editor, Qt::Key_F12);
    QTest::keyClick(editor, 'B', Qt::ShiftModifier);  // a capital letter is typed
    EXPECT_EQ(editor->text(), "4B");
    EXPECT_TRUE(grid->EditorVisible());
    // Each left key passes the window once (QTest presses Ctrl before Ctrl+S).
    EXPECT_EQ(atWindow.seen.count("Shift"), 2);  // alone and before the capital
    EXPECT_EQ(atWindow.seen.count("Ctrl"), 2);
    EXPECT_EQ(atWindow.seen.count("Alt"), 2);
    EXPECT_EQ(atWindow.seen.count("Ctrl+S"), 1);
    EXPECT_EQ(atWindow.seen.count("Alt+X"), 1);
    EXPECT_EQ(atWindow.seen.count("F12"), 1);
    EXPECT_FALSE(atWindow.seen.contains("B")) << atWindow.seen.join(' ').toStdString();

    // The same keys sent to the grid itself while its editor is open.
    atWindow.seen.clear();
    QTest::keyClick(grid, Qt::Key_Shift);
    QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(grid, 'C', Qt::ShiftModifier);
    EXPECT_EQ(editor->text(), "4BC");
    EXPECT_EQ(atWindow.seen.count("Shift"), 2);
    EXPECT_EQ(atWindow.seen.count("Ctrl+S"), 1);
    EXPECT_EQ(atWindow.seen.count("Alt+X"), 1);

    // Ctrl+C and Ctrl+A are the editor's own: they copy and select its text.
    atWindow.seen.clear();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor->selectedText(), "4BC");
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(atWindow.seen.contains("Ctrl+A"));
    EXPECT_FALSE(atWindow.seen.contains("Ctrl+C"));

    QTest::keyClick(editor, Qt::Key_Return);
    run();
    EXPECT_EQ(grid->Cells(1, 1), "4BC");
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=4BC", "Validate 1,1", "After 1,1"}));
}

TEST_F(EditTrace, KeysOnTheGridWithoutEditorAreNotLost)
{
    KeyCounter atWindow(window.get());
    QTest::keyClick(grid, Qt::Key_Shift);
    QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(atWindow.seen.count("Shift"), 1);
    EXPECT_EQ(atWindow.seen.count("Alt+X"), 1);
    EXPECT_EQ(atWindow.seen.count("Ctrl+S"), 1);
    // A capital letter opens the editor with that letter.
    QTest::keyClick(grid, 'K', Qt::ShiftModifier);
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->text(), "K");
}

// ----- the multi-line editor

namespace {

TInplaceMemo* MultiLineWindow(TCellGrid* grid)
{
    return static_cast<TNewInplaceEdit*>(grid->InplaceEditor())->MultiLineEditor();
}

}  // namespace

TEST_F(EditTrace, MultiLineEditorTakesLineBreaksAndMovesTheCaretInside)
{
    grid->SetEditMultiline(true);
    grid->SetRowHeights(1, 60);
    QStringList keys;
    grid->OnKeyPress = [&keys](QObject*, QChar& k) { keys << QString(k); };
    QTest::keyClick(grid, Qt::Key_Return);  // Enter on the grid neither opens nor closes
    EXPECT_FALSE(grid->EditorVisible());
    QTest::keyClick(grid, Qt::Key_A);
    ASSERT_TRUE(grid->EditorVisible());
    QLineEdit* line = grid->InplaceEditor();
    TInplaceMemo* memo = MultiLineWindow(grid);
    ASSERT_NE(memo, nullptr);
    // The multi-line window lies over the whole cell and takes the typing.
    EXPECT_TRUE(memo->isVisible());
    EXPECT_EQ(line->geometry(), grid->CellRect(1, 1));
    EXPECT_EQ(memo->geometry(), line->rect());
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_TRUE(grid->IsActiveControl());

    QTest::keyClick(grid, Qt::Key_B);  // keys sent to the grid reach it too
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_C);
    QTest::keyClick(memo, Qt::Key_Enter);  // the keypad's Enter alike
    QTest::keyClick(memo, Qt::Key_D);
    EXPECT_EQ(memo->blockCount(), 3);
    EXPECT_EQ(line->text(), QStringLiteral("ab\r\nc\r\nd"));

    // Up and Down move the caret from line to line, the grid keeps its cell.
    QTest::keyClick(memo, Qt::Key_Up);
    QTest::keyClick(memo, Qt::Key_Up);
    EXPECT_EQ(memo->textCursor().blockNumber(), 0);
    QTest::keyClick(memo, Qt::Key_X);  // in the column the caret came from: "axb"
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(memo->textCursor().blockNumber(), 1);
    QTest::keyClick(memo, Qt::Key_Home);
    QTest::keyClick(memo, Qt::Key_Y);
    QTest::keyClick(memo, Qt::Key_Left);
    QTest::keyClick(memo, Qt::Key_Left);  // over the line break to the end of line 1
    QTest::keyClick(memo, Qt::Key_Z);
    QTest::keyClick(memo, Qt::Key_PageDown);
    QTest::keyClick(memo, Qt::Key_End);
    QTest::keyClick(memo, Qt::Key_Right);  // at the very end: nothing to move
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(line->text(), QStringLiteral("axbz\r\nyc\r\nd"));
    // The edit line's caret follows the window's (line breaks count twice there).
    EXPECT_EQ(line->cursorPosition(), line->text().size());
    QTest::keyClick(memo, Qt::Key_Home);
    EXPECT_EQ(line->cursorPosition(), line->text().size() - 1);

    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_TRUE(grid->commitEdit());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("axbz\r\nyc\r\nd"));
    EXPECT_EQ(keys, (QStringList{"a", "b", "c", "d", "x", "y", "z"}));  // no Enter reached OnKeyPress
    EXPECT_EQ(trace, (QStringList{"Before 1,1", "Get 1,1", "Set 1,1=axbz\r\nyc\r\nd", "Validate 1,1", "After 1,1"}));
}

TEST_F(EditTrace, MultiLineEditorShowsStoredLinesAndFollowsTheEditLine)
{
    grid->SetEditMultiline(true);
    grid->SetSelectEditText(false);
    grid->SetOptions(grid->Options() | goTabs);
    grid->SetRowHeights(1, 60);
    grid->SetColWidths(2, 60);
    grid->SetCells(2, 1, QStringLiteral("eins zwei drei vier\r\nfünf"));
    grid->SetAlignCell(2, 1, alCenter);
    grid->SetColorCell(2, 1, clYellow);
    grid->SetCol(2);
    QTest::keyClick(grid, Qt::Key_F2);  // opens without replacing, caret at the end
    ASSERT_TRUE(grid->EditorVisible());
    QLineEdit* line = grid->InplaceEditor();
    TInplaceMemo* memo = MultiLineWindow(grid);
    ASSERT_NE(memo, nullptr);
    if (!qEnvironmentVariableIsEmpty("SB_GRAB_DIR"))
        window->grab().save(qEnvironmentVariable("SB_GRAB_DIR") + "/grid-multiline-editor.png");
    // the cell's alignment and colour
    EXPECT_EQ(memo->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(memo->viewport()->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("eins zwei drei vier\nfünf"));
    EXPECT_EQ(memo->blockCount(), 2);
    // the long first line wraps at the cell's width
    EXPECT_GE(memo->document()->firstBlock().layout()->lineCount(), 2);
    EXPECT_FALSE(memo->textCursor().hasSelection());
    EXPECT_EQ(memo->textCursor().position(), 24);

    // A selection made on the edit line is the window's selection.
    line->setSelection(21, 4);
    EXPECT_EQ(memo->textCursor().selectedText(), QStringLiteral("fünf"));
    QTest::keyClick(memo, Qt::Key_5);
    EXPECT_EQ(line->text(), QStringLiteral("eins zwei drei vier\r\n5"));
    // Escape is no cancel here: the text stays and so does the editor.
    QTest::keyClick(memo, Qt::Key_Escape);
    run();
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(line->text(), QStringLiteral("eins zwei drei vier\r\n5"));
    // Cut and paste on the edit line go through the window as well.
    line->setSelection(0, 5);
    line->cut();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("zwei drei vier\n5"));
    // Enter on a cell that may not be changed adds no line.
    grid->SetEditCell(2, 1, false);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->blockCount(), 2);
    grid->SetEditCell(2, 1, true);
    // Leaving the cell stores the lines.
    QTest::keyClick(grid, Qt::Key_Tab);
    run();
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("zwei drei vier\r\n5"));
    if (!qEnvironmentVariableIsEmpty("SB_GRAB_DIR"))
        window->grab().save(qEnvironmentVariable("SB_GRAB_DIR") + "/grid-multiline-stored.png");
    EXPECT_FALSE(trace.contains(QStringLiteral("Cancel 2,1")));
    EXPECT_TRUE(trace.contains(QStringLiteral("After 2,1")));
}

TEST_F(EditTrace, MultiLineEditorLeavesOtherKeysToTheWindowOnceAndGivesWayToTheEditLine)
{
    KeyCounter atWindow(window.get());
    grid->SetEditMultiline(true);
    grid->SetRow(2);
    QTest::keyClick(grid, Qt::Key_7);
    TInplaceMemo* memo = MultiLineWindow(grid);
    ASSERT_NE(memo, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), memo);
    QTest::keyClick(memo, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_F12);
    QTest::keyClick(grid, Qt::Key_F12);
    QTest::keyClick(memo, Qt::Key_Up);  // on the first line: no move of the grid either
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(atWindow.seen.count("Ctrl+S"), 1);
    EXPECT_EQ(atWindow.seen.count("F12"), 2);
    EXPECT_FALSE(atWindow.seen.contains("7"));
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->text(), QStringLiteral("7"));
    EXPECT_TRUE(grid->commitEdit());
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("7"));

    // Back to one line: the edit line takes the typing again and Up moves the grid.
    grid->SetEditMultiline(false);
    QTest::keyClick(grid, Qt::Key_8);
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid->InplaceEditor());
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Up);
    run();
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("8"));
}

TEST_F(EditTrace, MultiLineEditorAndEditLineAgreeThroughUndoSelectionAndCode)
{
    grid->SetEditMultiline(true);
    grid->SetRowHeights(1, 60);
    QTest::keyClick(grid, Qt::Key_A);
    QLineEdit* line = grid->InplaceEditor();
    TInplaceMemo* memo = MultiLineWindow(grid);
    ASSERT_NE(memo, nullptr);
    // The edit line holds the window's text with CR LF breaks, and the same
    // selection with the caret on the same side.
    const auto inStep = [&](const char* step) {
        SCOPED_TRACE(step);
        QString shown = memo->toPlainText();
        shown.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        EXPECT_EQ(line->text(), shown);
        const QTextCursor c = memo->textCursor();
        const auto toLine = [&](int memoPos) { return memoPos + memo->toPlainText().left(memoPos).count(QLatin1Char('\n')); };
        EXPECT_EQ(line->cursorPosition(), toLine(c.position()));
        EXPECT_EQ(line->hasSelectedText(), c.hasSelection());
        if (c.hasSelection()) {
            EXPECT_EQ(line->selectionStart(), toLine(c.selectionStart()));
            EXPECT_EQ(line->selectionEnd(), toLine(c.selectionEnd()));
        }
    };
    QTest::keyClicks(memo, "bc");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "de");
    inStep("typed");
    EXPECT_EQ(line->text(), QStringLiteral("abc\r\nde"));

    // A selection over the line break, made with Shift and the arrows.
    QTest::keyClick(memo, Qt::Key_Left);
    QTest::keyClick(memo, Qt::Key_Up, Qt::ShiftModifier);
    inStep("selected upwards");
    EXPECT_EQ(line->selectedText(), QStringLiteral("bc\r\nd"));  // up to the column the caret came from
    QTest::keyClick(memo, Qt::Key_X);
    inStep("selection replaced");
    EXPECT_EQ(line->text(), QStringLiteral("axe"));

    // Undo and redo in the window reach the edit line.
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    inStep("undone");
    EXPECT_EQ(line->text(), QStringLiteral("abc\r\nde"));
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    inStep("redone");
    EXPECT_EQ(line->text(), QStringLiteral("axe"));

    // Backspace over a line break joins the lines.
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Backspace);
    inStep("break removed");
    EXPECT_EQ(line->text(), QStringLiteral("axe"));

    // Text and selection the grid sets on the edit line.
    line->setText(QStringLiteral("eins\r\nzwei\r\ndrei"));
    line->setSelection(10, -6);  // "zwei" and the break before it, caret at its start
    inStep("set by code");
    EXPECT_EQ(memo->textCursor().selectedText(), QStringLiteral("\u2029zwei"));
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    inStep("all selected");
    QTest::keyClick(memo, Qt::Key_Q);
    inStep("all replaced");
    EXPECT_TRUE(grid->commitEdit());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("q"));
}
