// The user settings dialog and the program information box, opened from
// the main window's menu as the user does.
#include "app/About.h"
#include "app/DruckKopfForm.h"
#include "app/Strombau.h"
#include "app/UserForm.h"
#include "common/TestSupport.h"
#include "grid/CellGrid.h"
#include "platform/IniFile.h"
#include "support/UrlLabels.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

const QByteArray kUserFile =
    "[Material]\r\nEBlech=0,15\r\n[Userdaten]\r\nFirma=Lueftungsbau Nord\r\nNutzer=Anna Berg\r\nStrasse=Hafenweg 3\r\n"
    "PLZ=24103\r\nOrt=Kiel\r\nTelefon=0431 1234\r\nFax=0431 1235\r\nEMail=anna@lueftungsbau.example\r\n"
    "Vortext=Erste Zeile\r\nSprache=Deutsch\r\nTip=1\r\n[HL]\r\nHL=Fusszeile\r\n";

class BenutzerTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override { TUserDlg::ResetRunState(); }
    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
        TUserDlg::ResetRunState();
    }

    QString dat() const { return folder.file(QStringLiteral("SBWert.Dat")); }
    QString value(const char* key) const
    {
        return TIniFile(dat()).ReadString(QStringLiteral("Userdaten"), QString::fromLatin1(key), QStringLiteral("<fehlt>"));
    }

    void make(const QByteArray& file, bool english = false)
    {
        if (!file.isEmpty()) folder.write(QStringLiteral("SBWert.Dat"), file);
        if (english)
            folder.write(QStringLiteral("English.lng"),
                         "[TUserDlg]\r\nCaption='User data'\r\nLabel1.Caption='Company'\r\n"
                         "UserFormStrHolder.Strings.Strings='File missing:','The changes have not been saved yet!!',"
                         "'Save the changes now?','The language can only change while no project is open!'\r\n"
                         "[TMainForm]\r\nGridStrHolder.Strings.Strings='R / D','pcs.'\r\n");
        if (file.isEmpty()) answerer().expectMessage(QStringLiteral("Zetawerte nicht vorhanden"));
        form = std::make_unique<TMainForm>();
        answerer().verifyDone();
    }

    void addSection()
    {
        auto* node = new QTreeWidgetItem(form->TSTreeView, QStringList{QStringLiteral("Teilstrecke 1")});
        new QTreeWidgetItem(node, QStringList{QStringLiteral("Zubehör")});
        new QTreeWidgetItem(node, QStringList{QStringLiteral("Formstücke")});
    }

    // Opens the settings from the menu; `body` runs while the dialog is up
    // and closes it.  `atOpening` are the messages its coming up shows.
    void openSettings(const std::function<void(TUserDlg*)>& body, const QStringList& atOpening = {})
    {
        int result = -1;
        answerer().expectForm([&](QWidget* w) {
            auto* d = qobject_cast<TUserDlg*>(w);
            EXPECT_NE(d, nullptr);
            if (!d) return int(mrCancel);
            EXPECT_TRUE(ShowActive(d));
            body(d);
            EXPECT_FALSE(d->isVisible()) << "the dialog did not close";
            result = d->result();
            return result;
        });
        for (const QString& m : atOpening) answerer().expectMessage(m);
        form->Benutzereinstellungen1->trigger();
        answerer().verifyDone();
        EXPECT_EQ(result, int(QDialog::Accepted));
    }
};

TEST_F(BenutzerTest, EveryInputIsLoadedAndSavedWhole)
{
    make(kUserFile);
    openSettings([&](TUserDlg* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Benutzer-Daten"));
        EXPECT_EQ(d->FirmaEdit->text(), QStringLiteral("Lueftungsbau Nord"));
        EXPECT_EQ(d->UserEdit->text(), QStringLiteral("Anna Berg"));
        EXPECT_EQ(d->StrasseEdit->text(), QStringLiteral("Hafenweg 3"));
        EXPECT_EQ(d->PLZEdit->text(), QStringLiteral("24103"));
        EXPECT_EQ(d->OrtEdit->text(), QStringLiteral("Kiel"));
        EXPECT_EQ(d->TelefonEdit->text(), QStringLiteral("0431 1234"));
        EXPECT_EQ(d->FaxEdit->text(), QStringLiteral("0431 1235"));
        EXPECT_EQ(d->EMailEdit->text(), QStringLiteral("anna@lueftungsbau.example"));
        EXPECT_EQ(d->VortextMemo->toPlainText(), QStringLiteral("Erste Zeile"));
        EXPECT_TRUE(d->TipCB->isChecked());
        EXPECT_EQ(d->PLZEdit->maxLength(), 5);
        EXPECT_EQ(QApplication::focusWidget(), d->FirmaEdit);
        // What the file holds is no change.
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        EXPECT_FALSE(TUserDlg::Geaendert());
        // Longer than the record keeps: the file gets it whole.
        d->FirmaEdit->setText(QStringLiteral("Lüftungs- und Klimatechnik Nord GmbH & Co. KG"));
        d->EMailEdit->setText(QStringLiteral("anna.berg@lueftungs-und-klimatechnik-nord.example"));
        d->VortextMemo->setPlainText(QStringLiteral("Zeile eins\nZeile zwei\nZeile drei"));
        d->TipCB->setChecked(false);
        d->SaveBtn->click();
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();  // saved: no question
    });
    EXPECT_EQ(value("Firma"), QStringLiteral("Lüftungs- und Klimatechnik Nord GmbH & Co. KG"));
    EXPECT_EQ(value("EMail"), QStringLiteral("anna.berg@lueftungs-und-klimatechnik-nord.example"));
    EXPECT_EQ(value("Tip"), QStringLiteral("0"));
    EXPECT_EQ(value("Nutzer"), QStringLiteral("Anna Berg"));
    // The main window read the data again: cut to its fields, the remark whole.
    EXPECT_EQ(form->Userdaten.Firma.str(), QStringLiteral("Lüftungs- und Klimatechnik Nor"));
    EXPECT_EQ(form->Userdaten.Vortext, QStringLiteral("Zeile eins\nZeile zwei\nZeile drei"));
    EXPECT_EQ(form->Userdaten.HL, QStringLiteral("Fusszeile"));
    // The next opening shows the three lines and the tip box again.
    openSettings([&](TUserDlg* d) {
        EXPECT_EQ(d->VortextMemo->toPlainText(), QStringLiteral("Zeile eins\nZeile zwei\nZeile drei"));
        EXPECT_EQ(d->FirmaEdit->text(), QStringLiteral("Lüftungs- und Klimatechnik Nord GmbH & Co. KG"));
        EXPECT_FALSE(d->TipCB->isChecked());
        d->TipCB->setChecked(true);
        d->SaveBtn->click();
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Tip"), QStringLiteral("1"));
}

TEST_F(BenutzerTest, AThreeLineRemarkIsTheHeaderDialogsDefaultText)
{
    make(kUserFile);
    form->DruckkopfDlg = new TDruckkopfDlg(form.get());
    openSettings([&](TUserDlg* d) {
        d->VortextMemo->setPlainText(QStringLiteral("Vorbemerkung 1\nVorbemerkung 2\nVorbemerkung 3"));
        answerer().expectMessage(QStringLiteral("Wollen Sie die Änderungen jetzt speichern?"), mrYes);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(value("Vortext"), QStringLiteral("Vorbemerkung 1¤nVorbemerkung 2¤nVorbemerkung 3"));
    QString shown;
    answerer().expectForm([&](QWidget* w) {
        auto* h = qobject_cast<TDruckkopfDlg*>(w);
        EXPECT_NE(h, nullptr);
        if (!h) return int(mrCancel);
        h->show();
        shown = h->VortextMemo->toPlainText();
        h->CloseBtn->click();
        return int(mrOk);
    });
    TProjektdaten projekt;
    form->DruckkopfDlg->Execute(projekt, form->Userdaten);
    answerer().verifyDone();
    EXPECT_EQ(shown, QStringLiteral("Vorbemerkung 1\nVorbemerkung 2\nVorbemerkung 3"));
}

TEST_F(BenutzerTest, TheTipBoxAloneEnablesSaveAndNoLeavesTheFile)
{
    const QByteArray empty = "[Userdaten]\r\nTip=0\r\n";
    make(empty);
    openSettings([&](TUserDlg* d) {
        EXPECT_FALSE(d->SaveBtn->isEnabled()) << "nothing loaded differs from the empty inputs";
        d->TipCB->click();
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!"), mrNo);
        d->CloseBtn->click();
    });
    EXPECT_EQ(folder.read(QStringLiteral("SBWert.Dat")), empty);
    // The flag outlives the dialog: the next one starts with the button and asks again.
    EXPECT_TRUE(TUserDlg::Geaendert());
    openSettings([&](TUserDlg* d) {
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Tip"), QStringLiteral("0"));
    EXPECT_EQ(value("Firma"), QString());
    EXPECT_FALSE(TUserDlg::Geaendert());
}

TEST_F(BenutzerTest, TheLanguageChangesOnlyWithoutAProjectAndOnlyWhenSaved)
{
    make("[Userdaten]\r\nSprache=Deutsch\r\nTip=0\r\n", true);
    ASSERT_EQ(form->TranslationManager->LangsCount(), 2);
    // With a project open: refused, the selection goes back, the flag stays as it was.
    addSection();
    openSettings([&](TUserDlg* d) {
        ASSERT_EQ(d->SpracheCB->count(), 2);
        EXPECT_EQ(d->SpracheCB->currentText(), QStringLiteral("Deutsch"));
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Die Sprache kann nur gewechselt werden, wenn kein Projekt aktiv ist!"));
        d->SpracheCB->setCurrentIndex(1);
        emit d->SpracheCB->activated(1);
        answerer().verifyDone();
        EXPECT_EQ(d->SpracheCB->currentIndex(), 0);
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        // After an edit, a refused change keeps the edit's flag.
        d->OrtEdit->setText(QStringLiteral("Lübeck"));
        answerer().expectMessage(QStringLiteral("kein Projekt aktiv"));
        d->SpracheCB->setCurrentIndex(1);
        emit d->SpracheCB->activated(1);
        answerer().verifyDone();
        EXPECT_EQ(d->SpracheCB->currentIndex(), 0);
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        d->SaveBtn->click();
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Ort"), QStringLiteral("Lübeck"));
    EXPECT_EQ(value("Sprache"), QStringLiteral("Deutsch"));
    EXPECT_EQ(form->TranslationManager->CurrentLang(), QStringLiteral("Deutsch"));

    // Without a project: the choice is a change; closing with No keeps the language.
    form->TSTreeView->clear();
    openSettings([&](TUserDlg* d) {
        d->SpracheCB->setCurrentIndex(1);
        emit d->SpracheCB->activated(1);
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrNo);
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Sprache"), QStringLiteral("Deutsch"));
    EXPECT_EQ(form->TranslationManager->CurrentLang(), QStringLiteral("Deutsch"));
    // Saved: the interface and the grid captions switch.
    openSettings([&](TUserDlg* d) {
        d->SpracheCB->setCurrentIndex(1);
        emit d->SpracheCB->activated(1);
        d->SaveBtn->click();
        EXPECT_EQ(d->windowTitle(), QStringLiteral("User data"));
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Sprache"), QStringLiteral("English"));
    EXPECT_EQ(form->TranslationManager->CurrentLang(), QStringLiteral("English"));
    EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(0, 1), QStringLiteral("pcs."));
    // The dialog opens in the stored language.
    ASSERT_FALSE(TUserDlg::Geaendert());
    openSettings([&](TUserDlg* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("User data"));
        EXPECT_EQ(d->SpracheCB->currentText(), QStringLiteral("English"));
        // A changed town: the question comes in English.
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->OrtEdit->setText(QStringLiteral("Kiel"));
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Save the changes now?"), mrNo);
        d->CloseBtn->click();
    });
}

TEST_F(BenutzerTest, AStoredLanguageWithoutItsFileIsKept)
{
    make("[Userdaten]\r\nSprache=Klingonisch\r\nTip=0\r\n");
    openSettings([&](TUserDlg* d) {
        EXPECT_EQ(d->SpracheCB->currentIndex(), -1);
        d->FaxEdit->setText(QStringLiteral("040 99"));
        d->SaveBtn->click();
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Sprache"), QStringLiteral("Klingonisch"));
    EXPECT_EQ(value("Fax"), QStringLiteral("040 99"));
}

TEST_F(BenutzerTest, WithoutValueFileTheMessageAndSavingCreatesIt)
{
    make(QByteArray());
    answerer().expectMessage(QStringLiteral("Zetawerte nicht vorhanden"));
    openSettings([&](TUserDlg* d) {
        EXPECT_EQ(d->FirmaEdit->text(), QString());
        EXPECT_GE(d->SpracheCB->count(), 1) << "the language list is still filled";
        d->FirmaEdit->setText(QStringLiteral("Neu GmbH"));
        d->SaveBtn->click();
        d->CloseBtn->click();
    }, {QStringLiteral("Datei nicht vorhanden: \"SBWert.Dat\"")});
    ASSERT_TRUE(QFile::exists(dat()));
    EXPECT_EQ(value("Firma"), QStringLiteral("Neu GmbH"));
    EXPECT_EQ(form->Userdaten.Firma.str(), QStringLiteral("Neu GmbH"));
}

TEST_F(BenutzerTest, AFailedSaveKeepsFlagButtonAndDialog)
{
    make(kUserFile);
    QFile::setPermissions(dat(), QFile::ReadOwner);
    openSettings([&](TUserDlg* d) {
        d->UserEdit->setText(QStringLiteral("Ben Kurz"));
        answerer().expectMessage(QStringLiteral("kann nicht geschrieben werden"));
        d->SaveBtn->click();
        answerer().verifyDone();
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        answerer().expectMessage(QStringLiteral("kann nicht geschrieben werden"));
        d->CloseBtn->click();
        answerer().verifyDone();
        EXPECT_TRUE(d->isVisible());
        QFile::setPermissions(dat(), QFile::ReadOwner | QFile::WriteOwner);
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        d->CloseBtn->click();
    });
    EXPECT_EQ(value("Nutzer"), QStringLiteral("Ben Kurz"));
}

TEST_F(BenutzerTest, TheInformationBoxShowsNameVersionAndTheProjectsAddress)
{
    make(kUserFile);
    QUrl opened;
    const UrlOpener previous = SetUrlOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    answerer().expectForm([&](QWidget* w) {
        auto* box = qobject_cast<TAboutBox*>(w);
        EXPECT_NE(box, nullptr);
        if (!box) return int(mrCancel);
        box->show();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Strombaurechner"));
        EXPECT_EQ(box->Version->text(), QStringLiteral("2.20"));
        EXPECT_EQ(box->ProductName->text(), QStringLiteral("Strombaurechner"));
        EXPECT_EQ(box->property("HelpContext").toInt(), 260);
        EXPECT_TRUE(box->OKButton->isDefault());
        QTest::mouseClick(box->UrlLabel, Qt::LeftButton, {}, box->UrlLabel->rect().center());
        box->OKButton->click();
        EXPECT_FALSE(box->isVisible());
        return box->result();
    });
    form->mAbout->trigger();
    answerer().verifyDone();
    SetUrlOpener(previous);
    EXPECT_EQ(opened.scheme(), QStringLiteral("mailto"));
}

}  // namespace

// "Sprache": the list opened and left with Escape keeps the choice, and a
// dialog that was only looked at closes without the question.
TEST_F(BenutzerTest, EscapeInTheLanguageListKeepsTheChoiceAndALookAsksNothing)
{
    // The delivered value file: no language stored, tips on, no user data.
    ASSERT_TRUE(folder.installValueFile());
    const QByteArray delivered = folder.read(QStringLiteral("SBWert.Dat"));
    form = std::make_unique<TMainForm>();
    ASSERT_EQ(form->TranslationManager->CurrentLang(), QString());
    auto escapeInTheList = [](TUserDlg* d, bool moveDown) {
        d->SpracheCB->setFocus();
        d->SpracheCB->showPopup();
        QApplication::processEvents();
        QAbstractItemView* view = d->SpracheCB->view();
        ASSERT_TRUE(view->isVisible());
        if (moveDown) QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(view->isVisible());
        EXPECT_TRUE(d->isVisible());
    };
    openSettings([&](TUserDlg* d) {
        // The program speaks its own German: the box says so.
        EXPECT_EQ(d->SpracheCB->currentText(), QStringLiteral("Deutsch"));
        EXPECT_TRUE(d->TipCB->isChecked());
        EXPECT_FALSE(d->SaveBtn->isEnabled()) << "what the file holds is no change";
        escapeInTheList(d, false);
        EXPECT_EQ(d->SpracheCB->currentText(), QStringLiteral("Deutsch"));
        EXPECT_FALSE(TUserDlg::Geaendert());
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();  // no question
    });
    EXPECT_EQ(folder.read(QStringLiteral("SBWert.Dat")), delivered);

    // With a second language, an entry highlighted in the list and left
    // with Escape is no choice either.
    form.reset();
    make("[Userdaten]\r\nSprache=Deutsch\r\nTip=0\r\n", true);
    openSettings([&](TUserDlg* d) {
        ASSERT_EQ(d->SpracheCB->count(), 2);
        escapeInTheList(d, true);
        EXPECT_EQ(d->SpracheCB->currentText(), QStringLiteral("Deutsch"));
        EXPECT_FALSE(TUserDlg::Geaendert());
        QTest::keyClick(d->windowHandle(), Qt::Key_Escape);  // closes, no question
    });
    EXPECT_EQ(value("Sprache"), QStringLiteral("Deutsch"));

    // Stored user data, only looked at: no question either.
    form.reset();
    make(kUserFile);
    openSettings([&](TUserDlg* d) {
        EXPECT_EQ(d->FirmaEdit->text(), QStringLiteral("Lueftungsbau Nord"));
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();
    });
    EXPECT_EQ(folder.read(QStringLiteral("SBWert.Dat")), kUserFile);
}
