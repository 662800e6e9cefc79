// Escape, or the close button of the box, on "Die Änderungen wurden noch
// nicht gespeichert!!" / "Wollen Sie die Änderungen jetzt speichern?"
// cancels the command that asked: the project (or the dialog) stays as it
// was, nothing is saved and nothing is thrown away.  Yes and No keep doing
// what they did.
#include "test_projektbefehle_hilfen.h"
#include "app/GrundlagenDLG.h"
#include "app/UserForm.h"
#include "grid/CellGrid.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace projektbefehle_test;

namespace {

const QString kFrage = QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!\rWollen Sie die Änderungen jetzt speichern?");

class FrageEscapeTest : public ProjektBefehleTest {
protected:
    QString datei;
    QByteArray dateiVorher;
    Zustand zustandVorher{};
    QString titelVorher;

    // The example project opened, the window shown and active, and a length
    // typed into the data tab: a changed project with a file.
    void geoeffnetUndGeaendert()
    {
        ohneTipp();
        datei = beispielDatei();
        answerer().expectFileDialog(datei);
        form->mProjektOpen->trigger();
        answerer().verifyDone();
        ASSERT_TRUE(ShowActive(form.get()));
        form->TSLaengeEdit->setFocus();
        form->TSLaengeEdit->selectAll();
        QTest::keyClicks(form->TSLaengeEdit, QStringLiteral("25"));
        ASSERT_EQ(form->TSLaengeEdit->text(), QStringLiteral("25"));
        ASSERT_FALSE(P().ProjektGespeichert);
        dateiVorher = ReadBytes(datei);
        zustandVorher = zustand();
        titelVorher = form->windowTitle();
    }

    // The project is open as it was before the command.
    void unveraendert(const char* befehl)
    {
        SCOPED_TRACE(befehl);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(zustand(), zustandVorher);
        EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 2);
        EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("25"));
        EXPECT_EQ(ReadBytes(datei), dateiVorher);
        EXPECT_EQ(form->windowTitle(), titelVorher);
    }
};

// The real question box through the real main window: a real Escape key.
TEST_F(FrageEscapeTest, EscapeOnTheRealBoxCancelsClosingTheProjectAndTheProgram)
{
    geoeffnetUndGeaendert();
    ASSERT_EQ(form->TSTreeView->topLevelItemCount(), 2);
    {
        RealMessageBoxes boxes;
        boxes.pressKey(Qt::Key_Escape);
        taste(Qt::Key_W, Qt::ControlModifier);  // Projekt schließen
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, MessageDlgText(kFrage));
        EXPECT_EQ(boxes.shown()[0].buttons, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
    }
    unveraendert("Ctrl+W, Escape");
    {
        RealMessageBoxes boxes;
        boxes.pressKey(Qt::Key_Escape);
        form->mBeenden->trigger();
        EXPECT_EQ(boxes.shown().size(), 1u);
    }
    unveraendert("Beenden, Escape");
    {
        // The window's close button, then the box's close button.
        RealMessageBoxes boxes;
        boxes.closeBox();
        form->windowHandle()->close();
        EXPECT_EQ(boxes.shown().size(), 1u);
    }
    unveraendert("close button of the window, close button of the box");

    // The buttons still answer: No closes the project without saving.
    {
        RealMessageBoxes boxes;
        boxes.clickButton(QStringLiteral("&Nein"));
        taste(Qt::Key_W, Qt::ControlModifier);
        EXPECT_EQ(boxes.shown().size(), 1u);
    }
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);
    EXPECT_EQ(ReadBytes(datei), dateiVorher);
}

// Every command of the main window that asks the question: Escape leaves the
// project as it was, and nothing after the question comes (no input box, no
// file dialog, no save).
TEST_F(FrageEscapeTest, EscapeCancelsEveryCommandThatAsks)
{
    geoeffnetUndGeaendert();
    const struct {
        const char* befehl;
        std::function<void()> tun;
    } befehle[] = {
        {"Projekt schliessen", [this] { form->mProjektschliessen->trigger(); }},
        {"Projekt schliessen (speed bar)", [this] { form->ProjektCloseBtn->click(); }},
        {"Beenden", [this] { form->mBeenden->trigger(); }},
        {"Programm beenden (speed bar)", [this] { form->FormCloseBtn->click(); }},
        {"close button of the window", [this] { EXPECT_FALSE(form->close()); }},
        {"Projekt neu", [this] { form->mProjektNeu->trigger(); }},
        {"Projekt neu (speed bar)", [this] { form->ProjektNewBtn->click(); }},
        {"Projekt öffnen", [this] { form->mProjektOpen->trigger(); }},
        {"Projekt öffnen (speed bar)", [this] { form->ProjektOpenBtn->click(); }},
    };
    for (const auto& b : befehle) {
        answerer().expectEscape(kFrage);
        b.tun();
        answerer().verifyDone();
        ASSERT_FALSE(answerer().asked().empty());
        EXPECT_EQ(answerer().asked().back().buttons, mbYesNo | mbEscapeCancels) << b.befehl;
        unveraendert(b.befehl);
    }
    // The closing question's Yes still keeps the window for the save, and
    // No still ends the program.
    answerer().expectMessage(kFrage, mrYes);
    EXPECT_FALSE(form->close());
    unveraendert("close button of the window, Yes");
    answerer().expectMessage(kFrage, mrNo);
    EXPECT_TRUE(form->close());
    answerer().verifyDone();
    EXPECT_EQ(ReadBytes(datei), dateiVorher);
}

// Escape on the dialog's close question, or its box closed, in every way
// the user may do it: `offen` checks after each that the dialog is still
// open with what was typed, and the value file is still `vorher`.
template <class Dialog>
void escapeLaesstOffen(Dialog* d, const std::function<void(const char*)>& offen, const std::function<QByteArray()>& datei,
                       const QByteArray& vorher)
{
    answerer().expectEscape(QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!\rWollen Sie"));
    d->CloseBtn->click();
    answerer().verifyDone();
    offen("Schließen, Escape");
    EXPECT_EQ(answerer().asked().back().buttons, mbYesNo | mbEscapeCancels);

    answerer().expectEscape(QStringLiteral("Wollen Sie"));
    QTest::keyClick(d->windowHandle(), Qt::Key_Escape);  // Escape on the dialog asks
    answerer().verifyDone();
    offen("Escape on the dialog, Escape");

    // The real box: Escape, then its close button.
    {
        RealMessageBoxes boxes;
        boxes.pressKey(Qt::Key_Escape);
        boxes.closeBox();
        d->CloseBtn->click();
        d->close();
        EXPECT_EQ(boxes.shown().size(), 2u);
    }
    offen("the real box, Escape and its close button");
    EXPECT_EQ(datei(), vorher);
}

// ---- the technical-data dialog -------------------------------------------------------

class GrundlagenFrageTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TGrundlagenForm> dlg;

    void SetUp() override
    {
        ASSERT_TRUE(folder.installValueFile(true));
        dlg = std::make_unique<TGrundlagenForm>();
    }
    void TearDown() override
    {
        dlg.reset();
        answerer().verifyDone();
    }
    QByteArray datei() const { return folder.read(QStringLiteral("SBWert.Dat")); }

    // Shows the dialog as the menu command does and types 4,5 into a zeta
    // cell; `body` runs while it is up and is expected to close it.
    void mitAenderung(const std::function<void(TGrundlagenForm*)>& body)
    {
        answerer().expectForm([&](QWidget* w) {
            auto* d = qobject_cast<TGrundlagenForm*>(w);
            EXPECT_EQ(d, dlg.get());
            if (!d) return int(mrCancel);
            EXPECT_TRUE(ShowActive(d));
            TCellGrid* grid = d->ZetaAbzweigGrid;
            d->findChild<QTabWidget*>(QStringLiteral("VorgabenPageControl"))->setCurrentWidget(grid->parentWidget());
            grid->setFocus();
            QApplication::processEvents();
            grid->SetCol(7);
            grid->SetRow(1);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4,5"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QApplication::processEvents();
            EXPECT_TRUE(d->Geaendert());
            body(d);
            EXPECT_FALSE(d->isVisible()) << "the dialog did not close";
            return d->result();
        });
        ShowModalForm(dlg.get());
        answerer().verifyDone();
    }

    static void offenMitWert(TGrundlagenForm* d, const char* wie)
    {
        SCOPED_TRACE(wie);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), QStringLiteral("4,5"));
        EXPECT_TRUE(d->Geaendert());
        EXPECT_TRUE(d->SaveBtn->isEnabled());
    }
};

TEST_F(GrundlagenFrageTest, EscapeOnTheQuestionKeepsTheDialogOpenWithItsValues)
{
    const QByteArray vorher = datei();
    mitAenderung([&](TGrundlagenForm* d) {
        escapeLaesstOffen(d, [d](const char* wie) { offenMitWert(d, wie); }, [this] { return datei(); }, vorher);

        // No still closes without saving.
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrNo);
        d->CloseBtn->click();
    });
    EXPECT_EQ(datei(), vorher);
}

// ---- the user settings dialog -------------------------------------------------------

class BenutzerFrageTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        TUserDlg::ResetRunState();
        ASSERT_TRUE(folder.installValueFile(true));
        form = std::make_unique<TMainForm>();
    }
    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
        TUserDlg::ResetRunState();
    }
    QByteArray datei() const { return folder.read(QStringLiteral("SBWert.Dat")); }
};

TEST_F(BenutzerFrageTest, EscapeOnTheQuestionKeepsTheDialogOpenWithItsValues)
{
    const QByteArray vorher = datei();
    auto offen = [](TUserDlg* d, const char* wie) {
        SCOPED_TRACE(wie);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->FirmaEdit->text(), QStringLiteral("Klima Nord"));
        EXPECT_TRUE(TUserDlg::Geaendert());
        EXPECT_TRUE(d->SaveBtn->isEnabled());
    };
    answerer().expectForm([&](QWidget* w) {
        auto* d = qobject_cast<TUserDlg*>(w);
        EXPECT_NE(d, nullptr);
        if (!d) return int(mrCancel);
        EXPECT_TRUE(ShowActive(d));
        d->FirmaEdit->setFocus();
        QTest::keyClicks(d->FirmaEdit, QStringLiteral("Klima Nord"));

        escapeLaesstOffen(d, [&](const char* wie) { offen(d, wie); }, [this] { return datei(); }, vorher);

        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrNo);
        d->CloseBtn->click();
        EXPECT_FALSE(d->isVisible());
        return d->result();
    });
    form->Benutzereinstellungen1->trigger();
    answerer().verifyDone();
    EXPECT_EQ(datei(), vorher);
}

}  // namespace
