// The main window: its make-up from the form resource, start, caption,
// closing question, user data, help and tip of the day.
#include "app/Strombau.h"
#include "common/TestSupport.h"
#include "platform/CurrencyEdit.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/SpeedBar.h"
#include "platform/TipOfDay.h"
#include "support/FileCipher.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

class MainFormTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void writeValueFile(const QByteArray& text) { folder.write(QStringLiteral("SBWert.Dat"), text); }

    // Creates the window; without a value file the start reports it.
    void make()
    {
        if (!QFile::exists(folder.file(QStringLiteral("SBWert.Dat"))))
            answerer().expectMessage(QStringLiteral("Zetawerte nicht vorhanden"));
        form = std::make_unique<TMainForm>();
        answerer().verifyDone();
    }

    void addSection(const QString& name)
    {
        auto* node = new QTreeWidgetItem(form->TSTreeView, QStringList{name});
        new QTreeWidgetItem(node, QStringList{QStringLiteral("Zubehör")});
        new QTreeWidgetItem(node, QStringList{QStringLiteral("Formstücke")});
        form->CountSections();
        form->Projekt.ResizeSections(form->Projekt.TSAnzahl);
    }

    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
    }
};

// ---- make-up -----------------------------------------------------------------

TEST_F(MainFormTest, ToolBarButtonsCarryHintsAndStartStates)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    const struct {
        TSpeedItem* button;
        const char* hint;
        bool enabled;
    } expected[] = {
        {form->FormCloseBtn, "Programm beenden", true},
        {form->ProjektNewBtn, "Projekt neu", true},
        {form->ProjektOpenBtn, "Projekt öffnen", true},
        {form->ProjektCloseBtn, "Projekt schliessen", false},
        {form->ProjektSaveBtn, "Projekt speichern", false},
        {form->ProjektSaveAsBtn, "Projekt speichern unter ...", false},
        {form->PreviewBtn, "Druckvorschau", false},
        {form->PrintBtn, "Drucken", false},
        {form->BerechnenTSBtn, "Teilstrecke berechnen", false},
        {form->BerechnenGesamtBtn, "Gesamtleitung berechnen", false},
    };
    std::vector<QImage> glyphs;
    for (const auto& e : expected) {
        SCOPED_TRACE(e.button->objectName().toStdString());
        EXPECT_EQ(e.button->toolTip(), QString::fromUtf8(e.hint));
        EXPECT_EQ(e.button->isEnabled(), e.enabled);
        EXPECT_EQ(e.button->size(), QSize(24, 23));
        EXPECT_EQ(e.button->parentWidget(), form->SpeedBar1);
        EXPECT_FALSE(e.button->icon().isNull());
        // A glyph of its own: 16 x 16, drawn on a transparent ground, greyed
        // when the button is disabled.
        const QImage normal = e.button->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage greyed =
            e.button->icon().pixmap(16, 16, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(normal.size(), QSize(16, 16));
        int clear = 0, opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) (qAlpha(normal.pixel(x, y)) == 0 ? clear : opaque)++;
        EXPECT_GT(clear, 16);
        EXPECT_GT(opaque, 16);
        EXPECT_NE(normal, greyed);
        for (const QImage& other : glyphs) EXPECT_NE(normal, other);
        glyphs.push_back(normal);
    }
    EXPECT_EQ(form->FormCloseBtn->SectionName(), QStringLiteral("Datei"));
    EXPECT_EQ(form->BerechnenGesamtBtn->SectionName(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(form->SpeedbarSection2->Caption(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(form->LogoImage->size(), QSize(87, 27));
    EXPECT_TRUE(form->LogoImage->Stretch());
    EXPECT_TRUE(form->UnconnectedEvents.isEmpty()) << form->UnconnectedEvents.join(QLatin1Char(' ')).toStdString();
}

TEST_F(MainFormTest, MenusCarryCaptionsShortcutsAndStartStates)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    EXPECT_EQ(form->Datei1->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(form->mProjektNeu->text(), QStringLiteral("Projekt &neu"));
    EXPECT_EQ(form->mProjektNeu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(form->mProjektOpen->text(), QStringLiteral("Pr&ojekt öffnen"));
    EXPECT_EQ(form->mProjektOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(form->mProjektschliessen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(form->mProjektschliessen->isEnabled());
    EXPECT_EQ(form->mProjektSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(form->mProjektSave->isEnabled());
    EXPECT_FALSE(form->mProjektSaveAs->isEnabled());
    EXPECT_FALSE(form->mPrint->isEnabled());
    EXPECT_FALSE(form->mPreview->isEnabled());
    EXPECT_TRUE(form->N1->isSeparator());
    EXPECT_EQ(form->mBeenden->text(), QStringLiteral("B&eenden"));
    EXPECT_TRUE(form->mBeenden->isEnabled());

    EXPECT_FALSE(form->mBearbeiten->menuAction()->isEnabled());
    EXPECT_EQ(form->Berechnen1->title(), QStringLiteral("Be&rechnen"));
    EXPECT_EQ(form->mAlleTS->text(), QStringLiteral("alle Teilstrecken"));
    EXPECT_EQ(form->mAktuelleTS->text(), QStringLiteral("aktuelle Teilstrecke"));

    // The resource hides "techn. Daten" and its separator; the start shows them.
    EXPECT_EQ(form->mTechnik->text(), QStringLiteral("techn. Daten"));
    EXPECT_TRUE(form->mTechnik->isVisible());
    EXPECT_TRUE(form->N4->isVisible());
    EXPECT_EQ(form->Benutzereinstellungen1->text(), QStringLiteral("Benutzereinstellungen"));

    EXPECT_EQ(form->Hilfe1->title(), QStringLiteral("?"));
    EXPECT_EQ(form->mHilfe->text(), QStringLiteral("Hilfe"));
    EXPECT_EQ(form->mHilfe->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->mAbout->text(), QStringLiteral("Über ..."));

    const QList<QAction*> top = form->RxMainMenu1->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0], form->Datei1->menuAction());
    EXPECT_EQ(top[3], form->Hilfe1->menuAction());
    EXPECT_EQ(form->Datei1->actions().size(), 11);

    EXPECT_EQ(form->mTSInsert->text(), QStringLiteral("Teilstrecke einfügen"));
    EXPECT_EQ(form->mTSDelete->text(), QStringLiteral("Teilstrecke löschen"));
    EXPECT_EQ(form->mTSNameChange->text(), QStringLiteral("TS-Name ändern"));
    EXPECT_EQ(form->TSTreeView->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(MainFormTest, MessageListsHoldEveryItemAtItsIndex)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    EXPECT_EQ(form->MessStrHolder1->count(), 42);
    EXPECT_EQ(form->MessStrHolder1->item(0), QString());
    EXPECT_EQ(form->MessStrHolder1->item(5), QString());
    EXPECT_EQ(form->MessStrHolder1->item(3), QStringLiteral("Fehler beim Löschen der Datei:"));
    EXPECT_EQ(form->MessStrHolder1->item(8), QStringLiteral("Zetawerte nicht vorhanden"));
    EXPECT_EQ(form->MessStrHolder1->item(18), QStringLiteral("Abzweig, 90°"));
    EXPECT_EQ(form->MessStrHolder1->item(25), QStringLiteral("Verschlußklappe"));
    EXPECT_EQ(form->MessStrHolder1->item(41), QStringLiteral("ovaler Rechteckkanal"));
    EXPECT_EQ(form->MessStrHolder2->count(), 41);
    EXPECT_EQ(form->MessStrHolder2->item(19),
              QStringLiteral("Alle Angaben sind unverbindlich und können ohne vorherige Nachricht geändert werden."));
    EXPECT_EQ(form->MessStrHolder2->item(20), QStringLiteral("Seite %d"));
    EXPECT_EQ(form->MessStrHolder2->item(40), QStringLiteral("erf. Wellenleistung:"));
    EXPECT_EQ(form->MessStrHolder3->count(), 17);
    EXPECT_EQ(form->MessStrHolder3->item(1), QString());
    EXPECT_EQ(form->MessStrHolder3->item(8), QStringLiteral("Es müssen mindestens folgende Felder größer \"0\" sein:"));
    EXPECT_EQ(form->MessStrHolder3->item(11), QString());
    EXPECT_EQ(form->MessStrHolder3->item(13), QStringLiteral("<unbenannt>"));
    EXPECT_EQ(form->MessStrHolder3->item(14), QString());
    EXPECT_EQ(form->MessStrHolder3->item(16), QStringLiteral("Geben Sie die neue Teilstreckenbezeichnung ein:"));
    EXPECT_EQ(form->GridStrHolder->count(), 14);
    EXPECT_EQ(form->GridStrHolder->item(12), QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!"));
    EXPECT_EQ(form->GridStrHolder->item(13), QStringLiteral("Wollen Sie die Änderungen jetzt speichern?"));
    EXPECT_EQ(form->TipStrHld->count(), 9);
    EXPECT_EQ(form->TipStrHld->item(4), QStringLiteral("&Weiter"));
    EXPECT_TRUE(form->TipStrHld->item(5).startsWith(QStringLiteral("Eine Berechnung durchzuführen,ist")));
}

TEST_F(MainFormTest, WindowTreeAndTabsHaveTheirGeometryAndHelpContexts)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    EXPECT_EQ(form->ClientArea->size(), QSize(703, 380));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <unbenannt>"));
    EXPECT_EQ(form->TSTreeView->geometry(), QRect(0, 31, 145, 349));
    EXPECT_EQ(form->AuslegungPageCtrl->geometry(), QRect(145, 31, 558, 349));
    EXPECT_EQ(form->SpeedBar1->geometry(), QRect(0, 0, 703, 31));
    EXPECT_EQ(form->TSTreeView->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form->TSTreeView->font().pixelSize(), 12);
    EXPECT_EQ(form->TSTreeView->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(form->font().family(), QStringLiteral("Arial"));

    EXPECT_FALSE(form->AuslegungPageCtrl->isEnabled());
    ASSERT_EQ(form->AuslegungPageCtrl->count(), 3);
    EXPECT_EQ(form->AuslegungPageCtrl->tabText(0), QStringLiteral("Vorgaben und Ergebnisse"));
    EXPECT_EQ(form->AuslegungPageCtrl->tabText(1), QStringLiteral("Zubehör"));
    EXPECT_EQ(form->AuslegungPageCtrl->tabText(2), QStringLiteral("Formstücke"));
    EXPECT_EQ(form->FormstueckPageCtrl->tabText(3), QStringLiteral("Sonstige Einbauten o. Formstücke"));

    EXPECT_EQ(TMainForm::HelpContextOf(form.get()), 260);
    EXPECT_EQ(TMainForm::HelpContextOf(form->TSTreeView), 210);
    EXPECT_EQ(TMainForm::HelpContextOf(form->AuslegungPageCtrl), 260);
    EXPECT_EQ(TMainForm::HelpContextOf(form->DatenTab), 220);
    EXPECT_EQ(TMainForm::HelpContextOf(form->ZubehoerTab), 230);
    EXPECT_EQ(TMainForm::HelpContextOf(form->FormstueckTab), 240);
    // A control without a context of its own answers with its page's.
    EXPECT_EQ(TMainForm::HelpContextOf(form->VpVorgabeEdit), 220);
    EXPECT_EQ(TMainForm::HelpContextOf(form->ZetaAbzweigGrid), 240);
    EXPECT_EQ(TMainForm::HelpContextOf(form->FormCloseBtn), 260);
}

TEST_F(MainFormTest, InputTabsCarryTheirFieldsAndStates)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    EXPECT_EQ(form->VpVorgabeEdit->DisplayFormat(), QStringLiteral(",0"));
    EXPECT_EQ(form->TSLaengeEdit->DisplayFormat(), QStringLiteral(",0.00"));
    ASSERT_EQ(form->KanalartCombo->count(), 6);
    EXPECT_EQ(form->KanalartCombo->itemText(0), QStringLiteral("Blechkanal gefalzt"));
    EXPECT_EQ(form->KanalartCombo->itemText(5), QStringLiteral("Gemauerter Kanal"));
    EXPECT_EQ(form->KanalartCombo->currentIndex(), 0);
    EXPECT_TRUE(form->RohrartCB->isChecked());
    EXPECT_FALSE(form->KanalartCB->isChecked());
    EXPECT_FALSE(form->ovalCB->isEnabled());
    EXPECT_EQ(form->DNRohrLbl->text(), QStringLiteral("Rohr-Durchmesser"));
    EXPECT_TRUE(form->KanalHoeheEdit->isHidden());
    EXPECT_TRUE(form->KanalHoeheLbl->isHidden());
    EXPECT_TRUE(form->KanalHoeheLbl2->isHidden());
    EXPECT_TRUE(form->GeschwEdit->font().bold());
    for (TCurrencyEdit* result : {form->HydrDurchmEdit, form->FlaecheEdit, form->DpRohrEdit, form->DpFormstueckEdit,
                                  form->DpGesamtEdit, form->VpLeitungGesEdit, form->dpLeitungGesEdit,
                                  form->WellenleistungEdit}) {
        SCOPED_TRACE(result->objectName().toStdString());
        EXPECT_TRUE(result->isReadOnly());
        EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus);
    }
    // The colours of the fields once a project makes them take input.
    form->AuslegungPageCtrl->setEnabled(true);
    EXPECT_NE(form->HydrDurchmEdit->palette().color(QPalette::Base), form->VpVorgabeEdit->palette().color(QPalette::Base));
    EXPECT_EQ(form->VpVorgabeEdit->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(form->VpLeitungGesEdit->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(form->dpLeitungGesEdit->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(form->WellenleistungEdit->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(form->TSCaptionLbl1->palette().color(QPalette::WindowText), QColor(128, 0, 0));

    for (int i = 1; i <= 12; ++i) EXPECT_EQ(form->EinbautenEditNr(i)->objectName(), QStringLiteral("EinbautenEdit%1").arg(i));
    const QList<QLabel*> label10 = form->ZubehoerTab->findChildren<QLabel*>();
    QStringList texts;
    for (QLabel* l : label10) texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Rohrschalldämfper")));
    EXPECT_TRUE(texts.contains(QStringLiteral("selbsttätige Verschlußklappe ")));
}

TEST_F(MainFormTest, CountGridsComeWithTheirHeadingsAndCounts)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    TCellGrid* glatt = form->ZetaBogenGlattGrid;
    EXPECT_EQ(glatt->ColCount(), 7);
    EXPECT_EQ(glatt->RowCount(), 2);
    EXPECT_EQ(glatt->Cells(0, 0), QStringLiteral("R / D"));
    EXPECT_EQ(glatt->Cells(1, 0), QStringLiteral("0,5"));
    EXPECT_EQ(glatt->Cells(6, 0), QStringLiteral("4"));
    EXPECT_EQ(glatt->Cells(3, 1), QStringLiteral("0"));
    EXPECT_EQ(glatt->AlignCell(1, 1), alCenter);

    TCellGrid* segment = form->ZetaBogenSegmentGrid;
    EXPECT_EQ(segment->Cells(6, 0), QString());
    EXPECT_EQ(segment->Cells(0, 2), QStringLiteral("5 Seg."));
    EXPECT_FALSE(segment->EditCell(6, 1));
    EXPECT_FALSE(segment->EditCell(6, 2));
    EXPECT_TRUE(segment->EditCell(5, 1));

    for (TCellGrid* flach : {form->ZetaBogenFlachGrid, form->ZetaBogenFlachVertGrid}) {
        EXPECT_EQ(flach->FixedRows(), 2);
        EXPECT_EQ(flach->Cells(0, 1), QStringLiteral("R / b"));
        EXPECT_EQ(flach->Cells(4, 1), QStringLiteral("2,0"));
        EXPECT_FALSE(flach->EditCell(5, 2));
        EXPECT_TRUE(flach->EditCell(4, 2));
    }
    EXPECT_EQ(form->ZetaBogenFlachGrid->Cells(3, 0), QStringLiteral("0,5"));
    EXPECT_EQ(form->ZetaBogenFlachVertGrid->Cells(3, 0), QStringLiteral("0,50"));

    EXPECT_EQ(form->ZetaAbzweigGrid->ColCount(), 8);
    EXPECT_EQ(form->ZetaAbzweigGrid->RowCount(), 4);
    EXPECT_EQ(form->ZetaAbzweigGrid->Cells(7, 0), QStringLiteral("3,0"));
    EXPECT_EQ(form->ZetaAbzweigGrid->Cells(0, 3), QStringLiteral("45 °"));
    EXPECT_EQ(form->ZetaRedKonWeitGrid->Cells(6, 0), QStringLiteral(">30°"));
    EXPECT_EQ(form->ZetaRedKonWeitGrid->Cells(0, 2), QStringLiteral("f= 0,33"));
    EXPECT_EQ(form->ZetaRedScharfEngGrid->Cells(1, 0), QStringLiteral("0"));

    TCellGrid* fremd = form->FremdEinbGrid;
    EXPECT_EQ(fremd->ColCount(), 3);
    EXPECT_EQ(fremd->RowCount(), 21);
    EXPECT_EQ(fremd->FixedCols(), 0);
    EXPECT_EQ(fremd->ColWidths(0), 60);
    EXPECT_EQ(fremd->ColWidths(1), 280);
    EXPECT_EQ(fremd->ColWidths(2), 52);
    EXPECT_EQ(fremd->Cells(1, 0), QStringLiteral("Beschreibung"));
    EXPECT_EQ(fremd->Cells(0, 20), QStringLiteral("0"));
    EXPECT_EQ(fremd->Cells(1, 20), QString());
    EXPECT_EQ(fremd->Cells(2, 20), QStringLiteral("0"));
}

TEST_F(MainFormTest, GridHeadingsFollowTheGridList)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    QStringList list = form->GridStrHolder->Strings();
    list[0] = QStringLiteral("R / D (en)");
    list[1] = QStringLiteral("pcs.");
    list[10] = QStringLiteral("Description");
    form->GridStrHolder->SetStrings(list);
    form->Gitter_beschriften();
    EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(0, 0), QStringLiteral("R / D (en)"));
    EXPECT_EQ(form->ZetaBogenFlachGrid->Cells(0, 2), QStringLiteral("pcs."));
    EXPECT_EQ(form->ZetaRedKonEngGrid->Cells(0, 1), QStringLiteral("pcs."));
    EXPECT_EQ(form->FremdEinbGrid->Cells(1, 0), QStringLiteral("Description"));
    // Headings of the parameter values stay as the form has them.
    EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(1, 0), QStringLiteral("0,5"));
}

TEST_F(MainFormTest, NonVisualComponentsHoldTheirProperties)
{
    writeValueFile("[Userdaten]\r\nSprache=English\r\n");
    make();
    EXPECT_EQ(form->FileCipher->IntKey(), 38027154);
    EXPECT_EQ(form->OpenDlg->DefaultExt(), QStringLiteral("STB"));
    EXPECT_EQ(form->OpenDlg->Filter(), QStringLiteral("Projektdateien (*.STB)|*.STB"));
    EXPECT_EQ(form->OpenDlg->Title(), QStringLiteral("Projektdatei öffnen"));
    EXPECT_EQ(form->SaveDlg->Title(), QStringLiteral("Projektdatei speichern"));
    EXPECT_EQ(form->OpenDlg->InitialDir(), folder.path());
    EXPECT_EQ(form->SaveDlg->Request().kind, FileDialogRequest::Save);
    EXPECT_EQ(form->PasswordDlg->Caption(), QStringLiteral("Technikdaten ändern"));
    EXPECT_TRUE(form->PasswordDlg->AllowEmptyPassword());
    EXPECT_TRUE(form->OneInstance->SwitchToPrevious());
    EXPECT_TRUE(form->OneInstance->Terminate());
    EXPECT_TRUE(form->TranslationManager->TranslateResourceStrings());
    EXPECT_EQ(form->FormTranslator->Manager(), form->TranslationManager);
    // The start points the translation at the program folder; a language
    // without a file there is not chosen.
    EXPECT_EQ(form->TranslationManager->LangsDir(), folder.path());
    EXPECT_EQ(form->TranslationManager->CurrentLang(), QString());
    EXPECT_EQ(form->TranslationManager->LangsCount(), 1);
    EXPECT_EQ(form->TranslationManager->Langs(0), QStringLiteral("Deutsch"));
    EXPECT_TRUE(form->TipOfDayDlg->ShowWhenFormShown());
    EXPECT_EQ(form->HelpFile(), folder.file(QStringLiteral("Strombaurechner.hlp")));
}

TEST_F(MainFormTest, OpenDialogComponentFeedsTheFileDialog)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    answerer().expectFileDialog(folder.file(QStringLiteral("a.STB")));
    ASSERT_TRUE(form->OpenDlg->Execute());
    EXPECT_EQ(form->OpenDlg->FileName(), folder.file(QStringLiteral("a.STB")));
    answerer().expectFileDialog(QString());
    EXPECT_FALSE(form->SaveDlg->Execute());
    // A cancelled dialog leaves the last name alone.
    EXPECT_EQ(form->SaveDlg->FileName(), QString());
}

// ---- start -----------------------------------------------------------------

TEST_F(MainFormTest, StartWithoutValueFilesReportsAndLeavesUserDataEmpty)
{
    make();  // expects "Zetawerte nicht vorhanden"
    EXPECT_TRUE(form->Userdaten.Firma.isEmpty());
    EXPECT_TRUE(form->Userdaten.Sprache.isEmpty());
    EXPECT_TRUE(form->Userdaten.HL.isEmpty());
    EXPECT_EQ(form->Projekt.TSAnzahl, 0);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("SBWert.Dat"))));
    ASSERT_EQ(answerer().asked().size(), 1u);
    EXPECT_EQ(answerer().asked()[0].type, mtInformation);
}

TEST_F(MainFormTest, ReadUserDataCutsEveryFieldToItsWidth)
{
    const QByteArray longText(60, 'x');
    writeValueFile("[Userdaten]\r\nFirma=" + longText + "\r\nNutzer=" + longText + "\r\nStrasse=" + longText +
                   "\r\nPLZ=1234567\r\nOrt=" + longText + "\r\nTelefon=" + longText + "\r\nFax=" + longText +
                   "\r\nEMail=" + longText + "\r\nVortext=" + longText + longText + "\r\nSprache=Deutsch\r\n"
                   "[HL]\r\nHL=Fusszeile " + longText + "\r\n");
    make();
    const TUserdaten& u = form->Userdaten;
    EXPECT_EQ(u.Firma.length(), 30);
    EXPECT_EQ(u.Nutzer.length(), 30);
    EXPECT_EQ(u.Strasse.length(), 30);
    EXPECT_EQ(u.PLZ.str(), QStringLiteral("12345"));
    EXPECT_EQ(u.Ort.length(), 30);
    EXPECT_EQ(u.Telefon.length(), 30);
    EXPECT_EQ(u.Fax.length(), 30);
    EXPECT_EQ(u.EMail.length(), 50);
    EXPECT_EQ(u.Vortext.size(), 120);
    EXPECT_EQ(u.Sprache, QStringLiteral("Deutsch"));
    EXPECT_EQ(u.HL, QStringLiteral("Fusszeile ") + QString::fromLatin1(longText));

    // Read again after the file changed.
    writeValueFile("[Userdaten]\r\nFirma=Neu\r\n");
    form->ReadUserData();
    EXPECT_EQ(form->Userdaten.Firma.str(), QStringLiteral("Neu"));
    EXPECT_TRUE(form->Userdaten.HL.isEmpty());
}

TEST_F(MainFormTest, StartDeciphersTheValueFileAndCloseEnciphersIt)
{
    // An enciphered file made with the window's own key.
    const QString plain = folder.file(QStringLiteral("plain.txt"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Userdaten]\r\nFirma=Lufttechnik\r\n");
    }
    {
        TFileCipher cipher;
        cipher.SetIntKey(38027154);
        cipher.SetPassword(QStringLiteral("QM47"));
        cipher.SetInfile(plain);
        cipher.SetOutfile(folder.file(QStringLiteral("SBWert.dec")));
        ASSERT_TRUE(cipher.Encrypt());
    }
    QFile::remove(plain);
    form = std::make_unique<TMainForm>();
    EXPECT_EQ(form->Userdaten.Firma.str(), QStringLiteral("Lufttechnik"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("SBWert.dat"))) ||
                QFile::exists(folder.file(QStringLiteral("SBWert.Dat"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("SBWert.dec"))));

    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("SBWert.dec"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("SBWert.dat"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("SBWert.Dat"))));
    EXPECT_TRUE(form->Projekt.Teilstrecken.empty());
}

TEST_F(MainFormTest, LogoFromTheProgramFolderAndDamagedPicturesSkipped)
{
    writeValueFile("[Userdaten]\r\n");
    QImage logo(87, 27, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(folder.file(QStringLiteral("logo.BMP")), "BMP"));
    folder.write(QStringLiteral("Main.ico"), "no icon at all");
    make();
    EXPECT_TRUE(form->LogoImage->HasPicture());
    form.reset();

    folder.write(QStringLiteral("logo.BMP"), "damaged");
    make();
    EXPECT_FALSE(form->LogoImage->HasPicture());
    EXPECT_TRUE(answerer().asked().empty());
}

// ---- caption -----------------------------------------------------------------

TEST_F(MainFormTest, CaptionFollowsTheProjectFlags)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    TProjekt& p = form->Projekt;
    p.Projektdaten.Name1 = QStringLiteral("A");
    p.Projektdaten.Projekt = QStringLiteral("B");
    const QString named = QStringLiteral("Strombaurechner <A/B>");
    const QString unnamed = QStringLiteral("Strombaurechner <unbenannt>");
    const struct {
        bool saved, loaded, neu;
        QString caption;
    } cases[] = {
        {false, false, false, unnamed},  // no project
        {false, false, true, unnamed},   // new, not saved yet
        {true, false, true, named},      // new and saved
        {true, false, false, named},     // saved
        {false, true, false, named},     // loaded, changed since
        {true, true, false, named},      // loaded and saved
    };
    for (const auto& c : cases) {
        p.ProjektGespeichert = c.saved;
        p.ProjektGeladen = c.loaded;
        p.ProjektNeu = c.neu;
        form->UpdateMainCaption();
        EXPECT_EQ(form->windowTitle(), c.caption) << c.saved << c.loaded << c.neu;
    }
}

TEST_F(MainFormTest, ActivationShowsTheDataTabAndKeepsTheShownMaterial)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    form->AuslegungPageCtrl->setCurrentWidget(form->FormstueckTab);
    form->KanalartCombo->setCurrentIndex(3);
    form->Projekt.ProjektGespeichert = true;
    form->Projekt.Projektdaten.Name1 = QStringLiteral("Kunde");
    form->Projekt.Projektdaten.Projekt = QStringLiteral("Halle");
    form->FormActivate();
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <Kunde/Halle>"));
    // Returning from a message box must not change the section's material.
    EXPECT_EQ(form->KanalartCombo->currentIndex(), 3);
    form->SelectFirstMaterial();
    EXPECT_EQ(form->KanalartCombo->currentIndex(), 0);
}

TEST_F(MainFormTest, TheWindowEndsWithoutQtWarnings)
{
    writeValueFile("[Userdaten]\r\n");
    static QStringList warnings;
    warnings.clear();
    make();
    addSection(QStringLiteral("Teilstrecke 1"));
    form->show();
    QApplication::processEvents();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg) warnings << text;
    });
    form.reset();
    QApplication::processEvents();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}

// ---- looks ------------------------------------------------------------------

namespace {

// The darkest lightness and the strongest colour in a part of a picture.
int darkest(const QImage& image, const QRect& part)
{
    int v = 255;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) v = std::min(v, image.pixelColor(x, y).lightness());
    return v;
}

int mostColourful(const QImage& image, const QRect& part)
{
    int s = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            if (image.pixelColor(x, y).alpha() > 128) s = std::max(s, image.pixelColor(x, y).hsvSaturation());
    return s;
}

}  // namespace

TEST_F(MainFormTest, DisabledMenusTabsFieldsAndButtonsLookDisabled)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    form->show();
    QApplication::processEvents();

    // The menu "Bearbeiten" before a project exists: greyed, "Datei" black.
    QMenuBar* bar = form->RxMainMenu1;
    const QImage menus = bar->grab().toImage();
    EXPECT_GT(darkest(menus, bar->actionGeometry(form->mBearbeiten->menuAction())), 120);
    EXPECT_LT(darkest(menus, bar->actionGeometry(form->Datei1->menuAction())), 80);

    // Tabs and fields of the disabled page control.
    QTabBar* tabs = form->AuslegungPageCtrl->tabBar();
    TCurrencyEdit* field = form->VpVorgabeEdit;
    auto fieldFace = [field] { return field->grab().toImage().pixelColor(4, field->height() / 2); };
    const QImage disabledTabs = tabs->grab().toImage();
    EXPECT_GT(darkest(disabledTabs, tabs->tabRect(1).adjusted(4, 4, -4, -4)), 120);
    EXPECT_NE(fieldFace(), QColor(255, 255, 255));
    EXPECT_NE(form->dpLeitungGesEdit->palette().color(QPalette::Disabled, QPalette::Text), QColor(255, 0, 0));
    form->AuslegungPageCtrl->setEnabled(true);
    EXPECT_LT(darkest(tabs->grab().toImage(), tabs->tabRect(1).adjusted(4, 4, -4, -4)), 80);
    EXPECT_EQ(fieldFace(), QColor(255, 255, 255));

    // A disabled tool button shows its glyph without colour.
    TSpeedItem* save = form->ProjektSaveBtn;
    ASSERT_FALSE(save->isEnabled());
    const QImage off = save->grab().toImage();
    save->setEnabled(true);
    const QImage on = save->grab().toImage();
    EXPECT_NE(off, on);
    EXPECT_LT(mostColourful(off, off.rect()), mostColourful(on, on.rect()));
    EXPECT_LT(mostColourful(off, off.rect()), 40);
}

TEST_F(MainFormTest, EveryCountFieldOfTheAccessoryTabHasItsOwnPicture)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    addSection(QStringLiteral("Teilstrecke 1"));
    form->AuslegungPageCtrl->setEnabled(true);
    form->show();
    QApplication::processEvents();
    form->AuslegungPageCtrl->setCurrentWidget(form->ZubehoerTab);
    const QImage tab = form->ZubehoerTab->grab().toImage();
    std::vector<QImage> pictures;
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        TImage* picture = form->EinbautenImage[size_t(i - 1)];
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->objectName(), QStringLiteral("EinbautenImage%1").arg(i));
        EXPECT_TRUE(QFile::exists(TMainForm::EinbautenPicture(i)));
        ASSERT_TRUE(picture->HasPicture());
        EXPECT_TRUE(picture->isVisible());
        // Beside its own field, inside the tab, clear of every other control.
        const QRect r = picture->geometry();
        EXPECT_TRUE(form->ZubehoerTab->rect().contains(r));
        EXPECT_LE(std::abs(r.center().y() - form->EinbautenEditNr(i)->geometry().center().y()), 2);
        EXPECT_LT(r.right(), form->EinbautenEditNr(i)->geometry().left());
        for (QWidget* other : form->ZubehoerTab->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != picture && other->isVisible()) {
                EXPECT_FALSE(r.intersects(other->geometry())) << other->objectName().toStdString();
            }
        // Drawn on the tab: dark outlines and colour.
        EXPECT_LT(darkest(tab, r), 100);
        EXPECT_GT(mostColourful(tab, r), 50);
        pictures.push_back(picture->pixmap().toImage());
    }
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b) EXPECT_NE(pictures[a], pictures[b]) << a + 1 << " " << b + 1;
}

TEST_F(MainFormTest, MenuSeparatorsAreLinesWithoutText)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    for (QAction* separator : {form->N1, form->N2, form->N3, form->N4, form->N5}) {
        EXPECT_TRUE(separator->isSeparator());
        EXPECT_TRUE(separator->text().isEmpty()) << separator->objectName().toStdString();
    }
    // Nothing dark left of where the line begins in the drawn menu.
    form->Datei1->ensurePolished();
    form->Datei1->adjustSize();
    const QImage menu = form->Datei1->grab().toImage();
    const QRect line = form->Datei1->actionGeometry(form->N1);
    ASSERT_FALSE(line.isEmpty());
    EXPECT_GT(darkest(menu, QRect(line.left() + 2, line.top(), 24, line.height())), 100);
}

TEST_F(MainFormTest, TheWindowsMessageListsServeTheCalculationWithFallbacks)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    const TFormMessageTexts texts(*form);
    EXPECT_EQ(texts.MessageText(TMessageList::MessStrHolder2, 0), QStringLiteral("Fehler beim Speichern!"));
    form->MessStrHolder3->SetStrings({QStringLiteral("Anzahl")});
    EXPECT_EQ(texts.MessageText(TMessageList::MessStrHolder3, 0), QStringLiteral("Anzahl"));
    // An item the (translated) list lacks comes in German.
    EXPECT_EQ(texts.MessageText(TMessageList::MessStrHolder3, 9), QStringLiteral("Volumenstrom, Teilstreckenlänge und"));
}

// ---- closing -----------------------------------------------------------------

TEST_F(MainFormTest, ClosingWithAnEmptyTreeNeverAsks)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    form->Projekt.ProjektGespeichert = false;
    bool canClose = false;
    form->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(answerer().asked().empty());
}

TEST_F(MainFormTest, ClosingAnUnsavedProjectAsksAndYesKeepsTheWindowOpen)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    addSection(QStringLiteral("Teilstrecke 1"));
    form->Projekt.ProjektGespeichert = false;
    form->show();

    answerer().expectMessage(QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!"), mrYes);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(answerer().asked().size(), 1u);
    EXPECT_EQ(answerer().asked()[0].text,
              QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!\rWollen Sie die Änderungen jetzt speichern?"));
    EXPECT_EQ(answerer().asked()[0].type, mtWarning);
    EXPECT_EQ(answerer().asked()[0].buttons, mbYesNo | mbEscapeCancels);
    // The records are still there for saving.
    EXPECT_EQ(form->Projekt.Teilstrecken.size(), 2u);
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("SBWert.Dat"))));

    answerer().expectMessage(QStringLiteral("Wollen Sie die Änderungen jetzt speichern?"), mrNo);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Projekt.Teilstrecken.empty());
}

TEST_F(MainFormTest, ClosingASavedProjectDoesNotAsk)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    addSection(QStringLiteral("Teilstrecke 1"));
    form->Projekt.ProjektGespeichert = true;
    bool canClose = false;
    form->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(answerer().asked().empty());
}

TEST_F(MainFormTest, CloseButtonAndMenuCloseTheWindow)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    form->show();
    form->FormCloseBtn->click();
    EXPECT_FALSE(form->isVisible());
    form->show();
    form->mBeenden->trigger();
    EXPECT_FALSE(form->isVisible());
}

// ---- help ----------------------------------------------------------------------

class HelpCapture {
public:
    HelpCapture()
    {
        m_previous = SetHelpOpener([this](const QUrl& url) {
            urls << url;
            return true;
        });
    }
    ~HelpCapture() { SetHelpOpener(m_previous); }
    QList<QUrl> urls;

private:
    HelpOpener m_previous;
};

TEST_F(MainFormTest, HelpOpensTheContextOfTheCommandOrTheFocusedControl)
{
    writeValueFile("[Userdaten]\r\n");
    folder.write(QStringLiteral("Strombaurechner.html"), "<html></html>");
    make();
    HelpCapture help;
    form->mHilfe->trigger();
    ASSERT_EQ(help.urls.size(), 1);
    EXPECT_EQ(help.urls[0].fragment(), QStringLiteral("10"));

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(form->TSTreeView, &f1);
    ASSERT_EQ(help.urls.size(), 2);
    EXPECT_EQ(help.urls[1].fragment(), QStringLiteral("210"));

    QKeyEvent f1b(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(form->EinbautenEditNr(4), &f1b);
    ASSERT_EQ(help.urls.size(), 3);
    EXPECT_EQ(help.urls[2].fragment(), QStringLiteral("230"));

    // Other keys pass.
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(form->TSTreeView, &f2);
    EXPECT_EQ(help.urls.size(), 3);
}

// ---- tip of the day --------------------------------------------------------------

TEST_F(MainFormTest, TipIsShownOnFirstShowingWhenTipIsTrue)
{
    writeValueFile("[Userdaten]\r\nTip=1\r\n");
    make();
    QString title, header, tip, check, next, close;
    bool checkedAtStart = true;
    QString secondTip;
    answerer().expectForm([&](QWidget* w) {
        title = w->windowTitle();
        header = w->findChild<QLabel*>(QStringLiteral("HeaderLabel"))->text();
        tip = w->findChild<QLabel*>(QStringLiteral("TipLabel"))->text();
        auto* box = w->findChild<QCheckBox*>(QStringLiteral("TipCheckBox"));
        check = box->text();
        checkedAtStart = box->isChecked();
        auto* nextBtn = w->findChild<QPushButton*>(QStringLiteral("NextBtn"));
        next = nextBtn->text();
        close = w->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->text();
        nextBtn->click();
        secondTip = w->findChild<QLabel*>(QStringLiteral("TipLabel"))->text();
        box->setChecked(true);  // "Dialog nicht mehr zeigen"
        return int(mrOk);
    });
    form->show();
    QCoreApplication::processEvents();  // the tip comes after the window is up
    answerer().verifyDone();
    EXPECT_EQ(title, QStringLiteral("Tips und Tricks"));
    EXPECT_EQ(header, QStringLiteral("Wie kann man ..."));
    EXPECT_EQ(check, QStringLiteral("Dialog nicht mehr zeigen"));
    EXPECT_EQ(close, QStringLiteral("&Schliessen"));
    EXPECT_EQ(next, QStringLiteral("&Weiter"));
    EXPECT_FALSE(checkedAtStart);
    EXPECT_EQ(tip, form->TipStrHld->item(5));
    EXPECT_EQ(secondTip, form->TipStrHld->item(6));
    EXPECT_EQ(form->TipOfDayDlg->Tips().size(), 4);
    form->LoadTipTexts();  // loading again never doubles the tips
    EXPECT_EQ(form->TipOfDayDlg->Tips().size(), 4);

    // The ticked box switches the tips off for the next start.
    TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("Userdaten"), QStringLiteral("Tip"), true));

    // Only the first showing offers the tip.
    form->hide();
    form->show();
    QCoreApplication::processEvents();  // the tip comes after the window is up
}

TEST_F(MainFormTest, TipLeftOnKeepsTipOn)
{
    writeValueFile("[Userdaten]\r\nTip=1\r\n");
    make();
    answerer().expectForm([](QWidget*) { return int(mrOk); });
    form->show();
    QCoreApplication::processEvents();  // the tip comes after the window is up
    answerer().verifyDone();
    TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Userdaten"), QStringLiteral("Tip"), false));
}

TEST_F(MainFormTest, NoTipWhenTipIsMissingOrFalse)
{
    writeValueFile("[Userdaten]\r\nFirma=X\r\n");
    make();
    form->show();  // an unexpected form would fail the test
    QCoreApplication::processEvents();  // the tip comes after the window is up
    EXPECT_TRUE(answerer().asked().empty());
    form.reset();

    writeValueFile("[Userdaten]\r\nTip=0\r\n");
    make();
    form->show();
    QCoreApplication::processEvents();  // the tip comes after the window is up
    EXPECT_TRUE(answerer().asked().empty());
    // Nothing was written back.
    TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Userdaten"), QStringLiteral("Tip"), QString()), QStringLiteral("0"));
}

TEST_F(MainFormTest, NoTipAndOneMessageWithoutValueFile)
{
    make();
    answerer().expectMessage(QStringLiteral("Zetawerte nicht vorhanden"));
    form->show();
    QCoreApplication::processEvents();  // the tip comes after the window is up
    answerer().verifyDone();
}

// ---- picture of the window ----------------------------------------------------------

TEST_F(MainFormTest, WindowGrabShowsTheDesignedLayout)
{
    writeValueFile("[Userdaten]\r\n");
    make();
    addSection(QStringLiteral("Teilstrecke 1"));
    form->TSTreeView->expandAll();
    form->AuslegungPageCtrl->setEnabled(true);
    form->show();
    const QImage image = form->grab().toImage();
    EXPECT_GE(image.width(), 703);
    EXPECT_GE(image.height(), 380);
    EXPECT_TRUE(image.save(QStringLiteral("/tmp/mainform.png")));
    form->AuslegungPageCtrl->setCurrentWidget(form->FormstueckTab);
    form->grab().save(QStringLiteral("/tmp/mainform_formstuecke.png"));
    form->AuslegungPageCtrl->setCurrentWidget(form->ZubehoerTab);
    form->grab().save(QStringLiteral("/tmp/mainform_zubehoer.png"));
}

}  // namespace
