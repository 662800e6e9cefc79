// What the fields of the real main window take: points in whole-number and
// decimal fields, typed and pasted; fields named by their labels in the
// messages; characters the project file cannot store, refused where they
// are typed or pasted and named by the writer; the limit of the section
// count when a section is inserted.
#include "test_projektbefehle_hilfen.h"
#include "app/ProjektDatei.h"
#include "platform/PrintQString.h"
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTest>

using namespace projektbefehle_test;

namespace {

// Types `text` into `w` character by character, also characters that no
// key of the test keyboard has.
void tippeZeichen(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

class EingabenFelder : public ProjektBefehleTest {
protected:
    void SetUp() override
    {
        ProjektBefehleTest::SetUp();
        ohneTipp();
        neuesProjekt(2);
        form->show();
        QApplication::processEvents();
    }

    // Types `text` into `field` over what it holds, then leaves it.
    void tippe(TCurrencyEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        verlasse(field);
    }

    // Pastes `text` over what `field` holds with Ctrl+V (or Shift+Insert), then leaves it.
    void fuegeEin(TCurrencyEdit* field, const QString& text, bool shiftInsert = false)
    {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        field->selectAll();
        if (shiftInsert) QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        else QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        verlasse(field);
    }

    // The focus goes elsewhere, as a Tab would take it.
    void verlasse(TCurrencyEdit* field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
};

// ---- points in number fields -----------------------------------------------------

TEST_F(EingabenFelder, AWholeNumberFieldTakesATypedPointAsThousandsSeparator)
{
    tippe(form->VpVorgabeEdit, QStringLiteral("1.500"));
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 1500.0);
    EXPECT_EQ(form->VpVorgabeEdit->DisplayText(), QStringLiteral("1.500"));
    tippe(form->DNRohrEdit, QStringLiteral("1.250"));
    EXPECT_EQ(form->DNRohrEdit->Value(), 1250.0);
    // A decimal field keeps taking a typed point as the decimal comma.
    tippe(form->TSLaengeEdit, QStringLiteral("2.5"));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 2.5);
    EXPECT_EQ(form->TSLaengeEdit->DisplayText(), QStringLiteral("2,50"));

    form->mAktuelleTSClick();
    answerer().verifyDone();
    EXPECT_EQ(P().Section(1).Volumenstrom.str(), QStringLiteral("1500"));
    EXPECT_EQ(P().Section(1).DNRohr.str(), QStringLiteral("1250"));
    EXPECT_EQ(P().Section(1).Laenge.str(), QStringLiteral("2,5"));
}

TEST_F(EingabenFelder, ALetterWithAltThatNoCommandTakesStaysOutOfANumberField)
{
    form->TSLaengeEdit->setFocus();
    form->TSLaengeEdit->selectAll();
    QTest::keyClicks(form->TSLaengeEdit, QStringLiteral("12"));
    QTest::keyClick(form->TSLaengeEdit, Qt::Key_Y, Qt::AltModifier);
    QTest::keyClick(form->TSLaengeEdit, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("123"));
}

TEST_F(EingabenFelder, PastedTextTakesItsPointAsDecimalPointUnlessACommaOrMorePointsMakeThemThousands)
{
    fuegeEin(form->TSLaengeEdit, QStringLiteral("2.5"));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 2.5);
    EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("2,5"));
    fuegeEin(form->TSLaengeEdit, QStringLiteral("1.234,5"));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 1234.5);
    fuegeEin(form->TSLaengeEdit, QStringLiteral("1.234.567"));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 1234567.0);
    // With a comma and a point the last one separates the decimals.
    fuegeEin(form->TSLaengeEdit, QStringLiteral("1,234.5"));
    EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("1234,5"));
    fuegeEin(form->TSLaengeEdit, QStringLiteral("1,234,567.5"));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 1234567.5);
    fuegeEin(form->TSLaengeEdit, QStringLiteral("1.234.567,5"));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 1234567.5);
    fuegeEin(form->TSLaengeEdit, QStringLiteral(" 12,75 "));
    EXPECT_EQ(form->TSLaengeEdit->Value(), 12.75);
    // Shift+Insert pastes the same way.
    fuegeEin(form->TSLaengeEdit, QStringLiteral("0.75"), true);
    EXPECT_EQ(form->TSLaengeEdit->Value(), 0.75);
    // The context menu's "Paste" the same way.
    {
        std::unique_ptr<QMenu> menu(form->TSLaengeEdit->ContextMenu());
        ASSERT_NE(menu, nullptr);
        QAction* paste = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QStringLiteral("&Paste"))) paste = a;
        ASSERT_NE(paste, nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("3.25"));
        form->TSLaengeEdit->selectAll();
        paste->trigger();
        EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("3,25"));
        QGuiApplication::clipboard()->setText(QStringLiteral("1,003.25"));
        form->TSLaengeEdit->selectAll();
        paste->trigger();
        EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("1003,25"));
    }
    fuegeEin(form->TSLaengeEdit, QStringLiteral("0.75"), true);
    // A whole-number field takes every pasted point as thousands separator.
    fuegeEin(form->VpVorgabeEdit, QStringLiteral("1.500"));
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 1500.0);
    fuegeEin(form->DNRohrEdit, QStringLiteral("160"));

    form->mAktuelleTSClick();
    answerer().verifyDone();
    EXPECT_EQ(P().Section(1).Laenge.str(), QStringLiteral("0,75"));
    EXPECT_EQ(P().Section(1).Volumenstrom.str(), QStringLiteral("1500"));

    // Pasted text that would be no number is refused; the field keeps its number.
    answerer().expectMessage(QStringLiteral("'15a' ist kein gültiger Integerwert"));
    fuegeEin(form->VpVorgabeEdit, QStringLiteral("15a"));
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 1500.0);
    answerer().expectMessage(QStringLiteral("'2.5 m' ist kein gültiger Gleitkommawert"));
    fuegeEin(form->TSLaengeEdit, QStringLiteral("2.5 m"));
    answerer().verifyDone();
    EXPECT_EQ(form->TSLaengeEdit->Value(), 0.75);
    answerer().expectMessage(QStringLiteral("'1,2.3,4' ist kein gültiger Gleitkommawert"));
    fuegeEin(form->TSLaengeEdit, QStringLiteral("1,2.3,4"));
    answerer().verifyDone();
    EXPECT_EQ(form->TSLaengeEdit->Value(), 0.75);
}

// ---- fields named by their labels --------------------------------------------------

TEST_F(EingabenFelder, MessagesNameTheFieldsByTheLabelsTheFormShows)
{
    // The width of a duct is named as its label reads on the duct.
    form->KanalartCB->setChecked(true);
    tippe(form->VpVorgabeEdit, QStringLiteral("500"));
    tippe(form->TSLaengeEdit, QStringLiteral("10"));
    {
        const QSignalBlocker block(form->DNRohrEdit);
        form->DNRohrEdit->setText(QStringLiteral("1E400"));
    }
    tippe(form->KanalHoeheEdit, QStringLiteral("200"));
    tippe(form->GeschwEdit, QStringLiteral("4"));
    answerer().expectMessage(QStringLiteral("im Feld „Kanal-Breite“ ist zu groß"));
    form->mAktuelleTSClick();
    answerer().verifyDone();

    // A built-in component's count by the label beside it.
    tippe(form->DNRohrEdit, QStringLiteral("300"));
    {
        const QSignalBlocker block(form->EinbautenEditNr(2));
        form->EinbautenEditNr(2)->setText(QStringLiteral("1000"));
    }
    answerer().expectMessage(QStringLiteral("Die Stückzahl „1000“ im Feld „Wetterschutzgitter“ ist keine ganze Zahl"));
    form->mAktuelleTSClick();
    answerer().verifyDone();
    {
        const QSignalBlocker block(form->EinbautenEditNr(2));
        form->EinbautenEditNr(2)->setText(QStringLiteral("0"));
    }

    // A record the calculation cannot read (section 2, from a file): its
    // field by the label, in the language of the form.
    TTeilstrecke& r = P().Section(2);
    r.Nummer = "2";
    r.Kanalform = "1";
    r.Volumenstrom = "400";
    r.Laenge = "5";
    r.DNRohr = "x";
    answerer().expectMessage(QStringLiteral("Das Feld „Rohr-Durchmesser“ enthält keine Zahl („x“)."));
    form->mAlleTSClick();
    answerer().verifyDone();
    r.DNRohr = "160";
    r.Laenge = "fünf";
    form->findChild<QLabel*>(QStringLiteral("Label3"))->setText(QStringLiteral("Section length"));
    answerer().expectMessage(QStringLiteral("Das Feld „Section length“ enthält keine Zahl („fünf“)."));
    form->mAlleTSClick();
    answerer().verifyDone();
    r.Laenge = "5";
    r.FremdEinbauten(3).Anzahl = "2";
    r.FremdEinbauten(3).Dp = "zehn";
    answerer().expectMessage(QStringLiteral("Das Feld „Dp (Pa) (Sonstige Einbauten, Zeile 3)“ enthält keine Zahl"));
    form->mAlleTSClick();
    answerer().verifyDone();
    EXPECT_FALSE(P().AlleBerechnet);
}

// ---- characters the project file cannot store ---------------------------------------

TEST_F(EingabenFelder, HeaderFieldsRefuseTypedAndPastedCharactersOutsideTheCodePage)
{
    answerer().expectForm([](QWidget* w) {
        auto* d = qobject_cast<TDruckkopfDlg*>(w);
        EXPECT_NE(d, nullptr);
        if (!d) return int(mrCancel);
        d->show();
        QApplication::processEvents();
        // Typed: the character is refused and the typing goes on.
        tippeZeichen(d->ProjektEdit, QStringLiteral("Δp-Klappe"));
        EXPECT_EQ(d->ProjektEdit->text(), QStringLiteral("p-Klappe"));
        // Pasted over the selection: the field keeps what it held.
        d->Name1Edit->setText(QStringLiteral("Bauamt"));
        d->Name1Edit->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("Лифт"));
        QTest::keyClick(d->Name1Edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(d->Name1Edit->text(), QStringLiteral("Bauamt"));
        // Characters of the code page outside Latin-1 are taken.
        tippeZeichen(d->OrtEdit, QStringLiteral("€"));
        EXPECT_EQ(d->OrtEdit->text(), QStringLiteral("€"));
        // The memo, named by its label as one word.
        d->VortextMemo->setPlainText(QStringLiteral("Vorne"));
        d->VortextMemo->moveCursor(QTextCursor::End);
        tippeZeichen(d->VortextMemo, QStringLiteral("≥"));
        EXPECT_EQ(d->VortextMemo->toPlainText(), QStringLiteral("Vorne"));
        d->done(mrOk);
        return int(mrOk);
    });
    answerer().expectMessage(QStringLiteral("Das Zeichen 'Δ' (U+0394) kann im Feld „Projekt“ nicht gespeichert werden."));
    answerer().expectMessage(QStringLiteral("Das Zeichen 'Л' (U+041B) kann im Feld „Name“ nicht gespeichert werden."));
    answerer().expectMessage(QStringLiteral("Das Zeichen '≥' (U+2265) kann im Feld „Vorbemerkungen“"));
    form->ExecuteDruckkopfDlg();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_EQ(P().Projektdaten.Projekt, QStringLiteral("p-Klappe"));
    EXPECT_EQ(P().Projektdaten.Name1, QStringLiteral("Bauamt"));
    EXPECT_EQ(P().Projektdaten.Vortext, QStringLiteral("Vorne"));
}

TEST_F(EingabenFelder, DescriptionsAndSectionNamesRefuseCharactersOutsideTheCodePage)
{
    // A description typed into the further components' grid.
    form->AuslegungPageCtrl->setCurrentWidget(form->FormstueckTab);
    form->FormstueckPageCtrl->setCurrentWidget(form->SonstTab);
    QApplication::processEvents();
    TCellGrid* grid = form->FremdEinbGrid;
    grid->setFocus();
    grid->SetCol(1);
    grid->SetRow(1);
    answerer().expectMessage(QStringLiteral("Das Zeichen 'Δ' (U+0394) kann im Feld „Beschreibung“ nicht gespeichert werden."));
    tippeZeichen(grid, QStringLiteral("pΔ-Klappe"));
    answerer().verifyDone();
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->text(), QStringLiteral("p-Klappe"));
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("p-Klappe"));

    // A count cell names its own column.
    grid->SetCol(0);
    grid->SetRow(2);
    answerer().expectMessage(QStringLiteral("kann im Feld „Menge“ nicht gespeichert werden."));
    tippeZeichen(grid, QStringLiteral("Ж"));
    answerer().verifyDone();

    // A name given in the rename box keeps the old name.
    answerer().expectInput(QStringLiteral("Teilstreckenbezeichnung"), QStringLiteral("Zuluft Щ"));
    answerer().expectMessage(QStringLiteral("Das Zeichen 'Щ' (U+0429) kann im Feld „Teilstreckenbezeichnung“"));
    waehleTeilstrecke(1);
    const QString vorher = P().Section(1).Bezeichnung.str();
    form->mTSNameChangeClick();
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItem(0)->text(0), QStringLiteral("Teilstrecke 1"));
    EXPECT_EQ(P().Section(1).Bezeichnung.str(), vorher);

    // A name edited in the tree itself the same way.
    answerer().expectMessage(QStringLiteral("kann im Feld „Teilstreckenbezeichnung“"));
    form->TSTreeView->topLevelItem(1)->setText(0, QStringLiteral("Abluft Ω"));
    answerer().verifyDone();
    EXPECT_EQ(form->TSTreeView->topLevelItem(1)->text(0), QStringLiteral("Teilstrecke 2"));
    EXPECT_FALSE(P().Section(2).Bezeichnung.str().contains(QStringLiteral("Ω")));
}

// Answers messages as the real box does: while it is shown it is the
// active window and holds the focus.  After it a window manager gives the
// window that was active before the focus back; without one
// (`handBack` false) no window is active until the program asks.
class FocusTakingMessages : public DialogAnswerer {
public:
    explicit FocusTakingMessages(bool handBack = true) : m_handBack(handBack) { m_previous = SetDialogAnswerer(this); }
    ~FocusTakingMessages() override { SetDialogAnswerer(m_previous); }

    int message(const QString& t, TMsgDlgType ty, TMsgDlgButtons b) override
    {
        QWidget* owner = QApplication::activeWindow();
        EXPECT_NE(owner, nullptr);
        QWidget box;
        auto* field = new QLineEdit(&box);
        EXPECT_TRUE(ShowActive(&box));
        field->setFocus();
        QApplication::processEvents();
        const int answer = m_previous->message(t, ty, b);
        box.hide();
        if (owner && m_handBack) {
            EXPECT_TRUE(ShowActive(owner));
        }
        QApplication::processEvents();
        return answer;
    }
    bool input(const QString& c, const QString& p, QString& v) override { return m_previous->input(c, p, v); }
    bool inputBox(QInputDialog& box) override { return m_previous->inputBox(box); }
    bool fileDialog(FileDialogRequest& r) override { return m_previous->fileDialog(r); }
    bool printDialog(PrintDialogRequest& r) override { return m_previous->printDialog(r); }
    int modalForm(QWidget* f) override { return m_previous->modalForm(f); }

private:
    bool m_handBack;
    DialogAnswerer* m_previous = nullptr;
};

TEST_F(EingabenFelder, ADescriptionCellGoesOnBeingTypedAfterTheMessageHadTheFocus)
{
    ASSERT_TRUE(ShowActive(form.get()));
    form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(0)->child(1));  // "Formstücke"
    ASSERT_EQ(form->AuslegungPageCtrl->currentWidget(), form->FormstueckTab);
    form->FormstueckPageCtrl->setCurrentWidget(form->SonstTab);
    QApplication::processEvents();
    TCellGrid* grid = form->FremdEinbGrid;
    ASSERT_TRUE(grid->isVisible());
    grid->setFocus();
    grid->SetCol(1);
    grid->SetRow(1);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), grid);
    {
        FocusTakingMessages box;
        answerer().expectMessage(QStringLiteral("Das Zeichen 'Δ' (U+0394) kann im Feld „Beschreibung“"));
        tippeZeichen(QApplication::focusWidget(), QStringLiteral("p"));
        tippeZeichen(QApplication::focusWidget(), QStringLiteral("Δ"));
        answerer().verifyDone();
    }
    // The cell is in its editor again, with the caret behind what was kept.
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid->InplaceEditor());
    tippeZeichen(QApplication::focusWidget(), QStringLiteral("-Klappe"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("p-Klappe"));
}

TEST_F(EingabenFelder, TheRenameBoxRefusesTypedAndPastedCharactersAndTypingGoesOn)
{
    ASSERT_TRUE(ShowActive(form.get()));
    waehleTeilstrecke(1);
    QString shownFirst;
    {
        FocusTakingMessages messages(false);
        answerer().expectInputBox(QStringLiteral("Teilstreckenbezeichnung"), [&](QInputDialog& box) {
            auto* field = box.findChild<QLineEdit*>();
            EXPECT_NE(field, nullptr);
            if (!field) return false;
            shownFirst = field->text();
            EXPECT_TRUE(ShowActive(&box));
            field->setFocus();
            field->selectAll();
            // Each key goes where the focus is once the events before it
            // are done, as the user's keys would.
            const auto tippeDort = [field](const QString& text) {
                for (const QChar c : text) {
                    QApplication::processEvents();
                    EXPECT_EQ(QApplication::focusWidget(), field) << "before '" << QString(c).toStdString() << "'";
                    tippeZeichen(field, QString(c));
                }
                QApplication::processEvents();
            };
            tippeDort(QStringLiteral("Zuluft Δp"));
            EXPECT_EQ(field->text(), QStringLiteral("Zuluft p"));
            // The caret stays where it was: typing goes on before the "p".
            QTest::keyClick(field, Qt::Key_Left);
            tippeDort(QStringLiteral("Ж1"));
            EXPECT_EQ(field->text(), QStringLiteral("Zuluft 1p"));
            // Pasted: the field keeps what it held.
            QGuiApplication::clipboard()->setText(QStringLiteral("Лифт"));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QApplication::processEvents();
            EXPECT_EQ(QApplication::focusWidget(), field);
            EXPECT_EQ(field->text(), QStringLiteral("Zuluft 1p"));
            box.hide();
            return true;
        });
        answerer().expectMessage(QStringLiteral("Das Zeichen 'Δ' (U+0394) kann im Feld „Teilstreckenbezeichnung“ nicht gespeichert werden."));
        answerer().expectMessage(QStringLiteral("Das Zeichen 'Ж' (U+0416) kann im Feld „Teilstreckenbezeichnung“"));
        answerer().expectMessage(QStringLiteral("Das Zeichen 'Л' (U+041B) kann im Feld „Teilstreckenbezeichnung“"));
        form->mTSNameChangeClick();
        answerer().verifyDone();
    }
    EXPECT_EQ(shownFirst, QStringLiteral("Teilstrecke 1"));
    for (const ScriptedAnswerer::Asked& a : answerer().asked()) {
        if (a.what == ScriptedAnswerer::Asked::Message) {
            EXPECT_EQ(a.type, mtError) << a.text.toStdString();
        }
    }
    EXPECT_EQ(form->TSTreeView->topLevelItem(0)->text(0), QStringLiteral("Zuluft 1p"));
    EXPECT_EQ(P().Section(1).Bezeichnung.str(), QStringLiteral("Zuluft 1p"));
    EXPECT_FALSE(P().ProjektGespeichert);
}

TEST_F(EingabenFelder, ACharacterThatStillReachesTheWriterIsNamedWithSectionAndField)
{
    eingeben(QStringLiteral("500"), QStringLiteral("10"), QStringLiteral("160"));
    form->mAlleTSClick();
    P().Section(2).FremdEinbauten(4) = TFremdEinbauEintrag{QStringLiteral("Δp-Klappe"), QStringLiteral("15"),
                                                           QStringLiteral("1")};
    const QString path = folder.file(QStringLiteral("neu.STB"));
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerSpeichern + QStringLiteral("\rTeilstrecke 2, Sonstige Einbauten, Zeile 4, "
                                                               "Beschreibung: Das Zeichen 'Δ' (U+0394) kann in der "
                                                               "Projektdatei nicht gespeichert werden."));
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(P().ProjektGespeichert);

    // A section name and a header field likewise.
    P().Section(2).FremdEinbauten(4) = TFremdEinbauEintrag{QString(), QStringLiteral("0"), QStringLiteral("0")};
    P().Section(2).Bezeichnung = QStringLiteral("Zuluft Ж");
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(QStringLiteral("Teilstrecke 2, Teilstreckenbezeichnung: Das Zeichen 'Ж' (U+0416)"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    EXPECT_FALSE(QFile::exists(path));
    P().Section(2).Bezeichnung = QStringLiteral("Zuluft");
    P().Projektdaten.Ort = QStringLiteral("Київ");
    EXPECT_THROW(
        {
            try {
                ::WriteProjectFile(path, P());
            } catch (const EProjektDatei& e) {
                EXPECT_EQ(e.Message(), QStringLiteral("Projekt-Kopfdaten, Ort: Das Zeichen 'К' (U+041A) kann in "
                                                      "der Projektdatei nicht gespeichert werden."));
                throw;
            }
        },
        EProjektDatei);
    EXPECT_FALSE(QFile::exists(path));
}

// ---- the section count ---------------------------------------------------------------

TEST_F(EingabenFelder, InsertingBeyondTheLargestSectionCountIsRefusedWithTheNewProjectMessage)
{
    answerer().expectMessage(kUngespeichert, mrNo);
    answerer().expectInput(QStringLiteral("Anzahl der Teilstrecken"), QString::number(MaxTSAnzahl));
    form->ProjektNewBtnClick();
    answerer().verifyDone();
    ASSERT_EQ(P().TSAnzahl, MaxTSAnzahl);
    QTreeWidgetItem* node = form->TSTreeView->topLevelItem(4);
    waehleTeilstrecke(5);
    tippe(form->VpVorgabeEdit, QStringLiteral("800"));

    answerer().expectMessage(QStringLiteral("\"10000\" ist keine gültige Anzahl von Teilstrecken.\r"
                                            "Bitte geben Sie eine ganze Zahl von 1 bis 9999 ein."));
    form->mTSInsertClick();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().back().type, mtError);
    EXPECT_EQ(P().TSAnzahl, MaxTSAnzahl);
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), MaxTSAnzahl);
    EXPECT_EQ(form->TSTreeView->currentItem(), node);
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 800.0);  // what was typed stays on the tab
}

}  // namespace
