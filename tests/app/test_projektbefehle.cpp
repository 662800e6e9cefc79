// The project commands on the main window: open, close, save and save as
// over whole command sequences, their dialogs and the round trip of a
// project through its file.
#include "test_projektbefehle_hilfen.h"

using namespace projektbefehle_test;

namespace {

const QString kOhneName = QStringLiteral("Strombaurechner <unbenannt>");

// ---- the dialogs ------------------------------------------------------------------

TEST_F(ProjektBefehleTest, FileDialogsCarryTitleFilterExtensionAndProgramFolder)
{
    RequestRecorder recorder;
    answerer().expectFileDialog(QString());  // open, cancelled
    form->mProjektOpenClick();
    neuesProjekt(1);
    answerer().expectFileDialog(QString());  // save as, cancelled
    form->mProjektSaveAsClick();
    answerer().verifyDone();

    ASSERT_EQ(recorder.requests.size(), 2u);
    const FileDialogRequest& open = recorder.requests[0];
    EXPECT_EQ(open.kind, FileDialogRequest::Open);
    EXPECT_EQ(open.title, QStringLiteral("Projektdatei öffnen"));
    EXPECT_EQ(open.filter, QStringLiteral("Projektdateien (*.STB)|*.STB"));
    EXPECT_EQ(open.defaultExt, QStringLiteral("STB"));
    EXPECT_EQ(open.initialDir, folder.path());
    const FileDialogRequest& save = recorder.requests[1];
    EXPECT_EQ(save.kind, FileDialogRequest::Save);
    EXPECT_EQ(save.title, QStringLiteral("Projektdatei speichern"));
    EXPECT_EQ(save.filter, QStringLiteral("Projektdateien (*.STB)|*.STB"));
    EXPECT_EQ(save.defaultExt, QStringLiteral("STB"));
    EXPECT_EQ(save.initialDir, folder.path());
    // The save dialog asks before it replaces a file; the command asks nothing more.
    EXPECT_TRUE(save.overwritePrompt);

    // Cancelling changed nothing.
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, true, 1}));
    EXPECT_EQ(form->windowTitle(), kOhneName);
}

TEST_F(ProjektBefehleTest, SaveOverAnExistingFileAsksNoQuestionOfItsOwn)
{
    const QString path = folder.file(QStringLiteral("alt.STB"));
    WriteBytes(path, "[Fremd]\r\nSchluessel=bleibt\r\n");
    neuesProjekt(1);
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Halle"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();  // no message box between dialog and header dialog
    EXPECT_EQ(P().Projektdateiname, path);
    EXPECT_TRUE(P().ProjektGespeichert);
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.contains("TS-Anzahl=1"));
    EXPECT_TRUE(bytes.contains("Schluessel=bleibt"));  // keys the save does not write stay
}

TEST_F(ProjektBefehleTest, ChosenNameWithoutExtensionGetsTheDefaultExtension)
{
    neuesProjekt(1);
    answerer().expectFileDialog(folder.file(QStringLiteral("halle")));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->mProjektSaveAsClick();
    EXPECT_EQ(P().Projektdateiname, folder.file(QStringLiteral("halle.STB")));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("halle.STB"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("halle"))));

    // A name with its own extension, also in small letters, is kept.
    answerer().expectFileDialog(folder.file(QStringLiteral("klein.stb")));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->mProjektSaveAsClick();
    EXPECT_EQ(P().Projektdateiname, folder.file(QStringLiteral("klein.stb")));
}

// ---- the command sequences of the state table ---------------------------------------

// Every command from the states it can meet: each step scripts the questions
// it must ask (any other question fails the test) and gives the state after
// it: file name, the three flags, the thirteen controls and the caption.
TEST_F(ProjektBefehleTest, StateTableOverCommandSequences)
{
    const QString a = folder.file(QStringLiteral("a.STB"));
    const QString b = beispielDatei();
    const QString c = folder.file(QStringLiteral("c.STB"));
    const QString kaputt = folder.file(QStringLiteral("kaputt.STB"));
    WriteBytes(kaputt, "[Projektdaten]\r\nName1=Kaputt\r\n[Projekt]\r\nTS-Anzahl=x\r\n");
    const QString halle = QStringLiteral("Strombaurechner <Bauamt/Halle>");
    const QString beispiel = QStringLiteral("Strombaurechner <Bauamt/Lüftung Halle 2>");
    const QString kopie = QStringLiteral("Strombaurechner <Neu/Halle 3>");

    auto oeffnen = [this](const QString& path) {
        answerer().expectFileDialog(path);
        form->mProjektOpenClick();
    };
    auto rechnen = [this] {
        form->mAlleTSClick();
        form->UpdateMainCaption();
    };
    auto fehlschlagendesOeffnen = [this, kaputt] {
        answerer().expectFileDialog(kaputt);
        answerer().expectMessage(kFehlerLaden);
        form->mProjektOpenClick();
    };

    const struct Schritt {
        const char* was;
        std::function<void()> tun;
        Zustand danach;
        QString titel;
    } schritte[] = {
        {"program start", [] {}, {QString(), false, false, false, 0}, kOhneName},
        {"disabled commands do nothing",
         [this] {
             for (QAction* act : {form->mProjektSave, form->mProjektSaveAs, form->mProjektschliessen})
                 act->trigger();
             for (TSpeedItem* btn : {form->ProjektSaveBtn, form->ProjektSaveAsBtn, form->ProjektCloseBtn})
                 btn->click();
         },
         {QString(), false, false, false, 0}, kOhneName},
        {"open cancelled", [oeffnen] { oeffnen(QString()); }, {QString(), false, false, false, 0}, kOhneName},
        {"failed open without a project", fehlschlagendesOeffnen, {QString(), false, false, false, 0}, kOhneName},
        {"new project",
         [this] {
             neuesProjekt(1);
             eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
         },
         {QString(), false, false, true, 1}, kOhneName},
        {"save as cancelled",
         [this] {
             answerer().expectFileDialog(QString());
             form->mProjektSaveAsClick();
         },
         {QString(), false, false, true, 1}, kOhneName},
        {"save of an unnamed project",
         [this, a] {
             answerer().expectFileDialog(a);
             erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Halle"));
             form->ProjektSaveBtnClick();
         },
         {a, true, false, true, 1}, halle},
        // Calculating the saved project as it is changes nothing.
        {"calculation without a change", rechnen, {a, true, false, true, 1}, halle},
        // A project saved once keeps its name in the caption after a change.
        {"calculation after a change",
         [this, rechnen] {
             eingeben(QStringLiteral("650"), QStringLiteral("12,5"), QStringLiteral("200"));
             rechnen();
         },
         {a, false, false, true, 1}, halle},
        {"save of a named project", [this] { form->ProjektSaveBtnClick(); }, {a, true, false, true, 1}, halle},
        {"close of a saved project", [this] { form->mProjektschliessenClick(); },
         {QString(), false, false, false, 0}, kOhneName},
        // Opening (and the calculation that comes with it) is no change.
        {"open", [oeffnen, b] { oeffnen(b); }, {b, true, true, false, 1}, beispiel},
        {"failed open over an opened project", fehlschlagendesOeffnen, {b, true, true, false, 1}, beispiel},
        {"save of an opened project", [this] { form->ProjektSaveBtnClick(); }, {b, true, true, false, 1}, beispiel},
        {"save as of an opened project",
         [this, c] {
             answerer().expectFileDialog(c);
             erwarteKopfdaten(QStringLiteral("Neu"), QStringLiteral("Halle 3"));
             form->mProjektSaveAsClick();
         },
         {c, true, true, false, 1}, kopie},
        {"calculation of an opened project after a change",
         [this, rechnen] {
             eingeben(QStringLiteral("700"), QStringLiteral("12,5"), QStringLiteral("200"));
             rechnen();
         },
         {c, false, true, false, 1}, kopie},
        {"new over an unsaved project",
         [this] {
             answerer().expectMessage(kUngespeichert, mrNo);
             neuesProjekt(1);
         },
         {QString(), false, false, true, 1}, kOhneName},
        {"open over an unsaved project, Yes and the save cancelled",
         [oeffnen] {
             answerer().expectMessage(kUngespeichert, mrYes);
             oeffnen(QString());  // the save dialog, cancelled: no open dialog follows
         },
         {QString(), false, false, true, 1}, kOhneName},
        {"open over an unsaved project, No",
         [oeffnen, c] {
             answerer().expectMessage(kUngespeichert, mrNo);
             oeffnen(c);
         },
         {c, true, true, false, 1}, kopie},
        {"close of an unsaved opened project, Yes saves into its file",
         [this] {
             eingeben(QStringLiteral("750"), QStringLiteral("12,5"), QStringLiteral("200"));
             answerer().expectMessage(kUngespeichert, mrYes);
             form->mProjektschliessenClick();
         },
         {QString(), false, false, false, 0}, kOhneName},
    };

    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.was);
        const QByteArray vorher = ReadBytes(c);
        s.tun();
        answerer().verifyDone();
        EXPECT_EQ(zustand(), s.danach);
        EXPECT_EQ(form->windowTitle().toStdString(), s.titel.toStdString());
        const bool offen = s.danach.befehle == 1;
        EXPECT_EQ(form->AuslegungPageCtrl->isEnabled(), offen);
        EXPECT_EQ(form->TSTreeView->topLevelItemCount() > 0, offen);
        if (QString(s.was).startsWith("close of an unsaved")) {
            EXPECT_NE(ReadBytes(c), vorher);
        }
    }
}

TEST_F(ProjektBefehleTest, NewSaveAsModifyCloseAsksAndNoClosesWithoutWriting)
{
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));  // program start

    neuesProjekt(1);
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, true, 1}));
    EXPECT_TRUE(form->AuslegungPageCtrl->isEnabled());

    eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
    const QString path = folder.file(QStringLiteral("projekt.STB"));
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Halle 2"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{path, true, false, true, 1}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <Bauamt/Halle 2>"));
    EXPECT_FALSE(P().AlleBerechnet) << "save as does not calculate";
    const QByteArray written = ReadBytes(path);
    EXPECT_TRUE(written.contains("Name1=Bauamt"));
    EXPECT_TRUE(written.contains(";12,5;600;")) << written.constData();

    // A change after the save: closing asks, No closes without writing.
    form->VpVorgabeEdit->setText(QStringLiteral("700"));
    EXPECT_FALSE(P().ProjektGespeichert);
    answerer().expectMessage(kUngespeichert, mrNo);
    form->mProjektschliessenClick();
    answerer().verifyDone();
    ASSERT_FALSE(answerer().asked().empty());
    EXPECT_EQ(answerer().asked().back().type, mtWarning);
    EXPECT_EQ(answerer().asked().back().buttons, mbYesNo | mbEscapeCancels);
    EXPECT_TRUE(answerer().asked().back().text.contains(QStringLiteral("\rWollen Sie die Änderungen jetzt speichern?")));

    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 0);
    EXPECT_EQ(P().TSAnzahl, 0);
    EXPECT_FALSE(P().AlleBerechnet);
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Teilstrecke"));
    EXPECT_EQ(form->AuslegungPageCtrl->currentWidget(), form->DatenTab);
    EXPECT_FALSE(form->AuslegungPageCtrl->isEnabled());
    EXPECT_EQ(form->windowTitle(), kOhneName);
    EXPECT_EQ(ReadBytes(path), written);
}

TEST_F(ProjektBefehleTest, CloseOfAChangedNamedProjectAsksAndYesWritesIntoItsFile)
{
    neuesProjekt(1);
    eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
    const QString path = folder.file(QStringLiteral("projekt.STB"));
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Halle"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();

    form->VpVorgabeEdit->setText(QStringLiteral("700"));
    answerer().clearAsked();
    answerer().expectMessage(kUngespeichert, mrYes);  // no save dialog, no header dialog
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    EXPECT_TRUE(ReadBytes(path).contains(";12,5;700;"));
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
}

TEST_F(ProjektBefehleTest, CloseOfASavedProjectAsksNothing)
{
    neuesProjekt(1);
    answerer().expectFileDialog(folder.file(QStringLiteral("p.STB")));
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->ProjektSaveBtnClick();  // unnamed: save shows the dialogs
    answerer().verifyDone();
    EXPECT_TRUE(P().ProjektGespeichert);
    form->mProjektschliessenClick();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
}

TEST_F(ProjektBefehleTest, CloseOfANewProjectYesSavesUnderANewNameThenCloses)
{
    neuesProjekt(2);
    const QString path = folder.file(QStringLiteral("neu.STB"));
    answerer().expectMessage(kUngespeichert, mrYes);
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Halle"));
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_TRUE(ReadBytes(path).contains("TS-Anzahl=2"));
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
}

TEST_F(ProjektBefehleTest, CloseWhoseSaveIsCancelledOrFailsKeepsTheProjectOpen)
{
    neuesProjekt(2);
    eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));

    // Save dialog cancelled.
    answerer().expectMessage(kUngespeichert, mrYes);
    answerer().expectFileDialog(QString());
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, true, 1}));
    EXPECT_EQ(knoten().size(), 2);
    EXPECT_EQ(form->VpVorgabeEdit->text(), QStringLiteral("600"));

    // Writing refused.
    const QString path = folder.file(QStringLiteral("gesperrt.STB"));
    WriteBytes(path, "[Projekt]\r\nTS-Anzahl=9\r\n");
    MakeReadOnly(path);
    answerer().expectMessage(kUngespeichert, mrYes);
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    answerer().expectMessage(kFehlerSpeichern);
    form->mProjektschliessenClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, true, 1}));
    EXPECT_EQ(knoten().size(), 2);
    EXPECT_EQ(ReadBytes(path), QByteArray("[Projekt]\r\nTS-Anzahl=9\r\n"));
    EXPECT_TRUE(form->AuslegungPageCtrl->isEnabled());
}

TEST_F(ProjektBefehleTest, OpenThenSaveWritesIntoTheOpenedFileWithoutDialogs)
{
    const QString path = beispielDatei();
    answerer().expectFileDialog(path);
    form->mProjektOpenClick();
    answerer().verifyDone();

    EXPECT_EQ(zustand(), (Zustand{path, true, true, false, 1}));
    EXPECT_TRUE(P().AlleBerechnet);
    EXPECT_EQ(P().TSAnzahl, 2);
    EXPECT_EQ(knoten(), (QStringList{QStringLiteral("Zuluft EG"), QStringLiteral("Teilstrecke 2")}));
    EXPECT_EQ(form->TSTreeView->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(form->TSTreeView->currentItem(), form->TSTreeView->topLevelItem(0));
    EXPECT_TRUE(form->AuslegungPageCtrl->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <Bauamt/Lüftung Halle 2>"));
    // Section 1 is shown, and the totals of the calculation.
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 600.0);
    EXPECT_EQ(form->DNRohrEdit->Value(), 200.0);
    EXPECT_GT(form->dpLeitungGesEdit->Value(), 0.0);
    EXPECT_EQ(form->VpLeitungGesEdit->Value(), 600.0);

    form->ProjektSaveBtnClick();  // no dialog expected
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{path, true, true, false, 1}));
    EXPECT_TRUE(ReadBytes(path).contains("Name1=Bauamt"));

    // Save as on the opened project asks for a name, shows the header and
    // later saves go to the new name.
    const QString neu = folder.file(QStringLiteral("kopie.STB"));
    answerer().expectFileDialog(neu);
    erwarteKopfdaten(QStringLiteral("Neues Amt"), QStringLiteral("Halle 3"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{neu, true, true, false, 1}));
    form->VpVorgabeEdit->setText(QStringLiteral("650"));
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_TRUE(ReadBytes(neu).contains("Name1=Neues Amt"));
    EXPECT_TRUE(ReadBytes(neu).contains(";650;"));
    EXPECT_FALSE(ReadBytes(path).contains(";650;"));
}

TEST_F(ProjektBefehleTest, SaveCalculatesFirstWhenNotAllSectionsAreCalculated)
{
    neuesProjekt(1);
    eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
    ASSERT_FALSE(P().AlleBerechnet);
    const QString path = folder.file(QStringLiteral("p.STB"));
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("A"), QStringLiteral("B"));
    form->ProjektSaveBtnClick();
    answerer().verifyDone();
    EXPECT_TRUE(P().AlleBerechnet);
    EXPECT_TRUE(P().ProjektGespeichert);
    // The results reached the file: velocity 600 / 3600 / (pi 0,1²) = 5,31.
    EXPECT_TRUE(ReadBytes(path).contains(";12,5;600;1;5,31;")) << ReadBytes(path).constData();
    EXPECT_EQ(P().Section(1).Geschw, QStringLiteral("5,31"));
}

TEST_F(ProjektBefehleTest, OpenWhileAnUnsavedProjectIsOpenAsksFirst)
{
    const QString path = beispielDatei();
    neuesProjekt(3);

    // Yes and a cancelled save dialog: nothing is opened.
    answerer().expectMessage(kUngespeichert, mrYes);
    answerer().expectFileDialog(QString());
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(knoten().size(), 3);
    EXPECT_TRUE(P().ProjektNeu);

    // No: the open dialog follows and the file replaces the project.
    answerer().expectMessage(kUngespeichert, mrNo);
    answerer().expectFileDialog(path);
    form->mProjektOpenClick();
    answerer().verifyDone();
    EXPECT_EQ(knoten().size(), 2);
    EXPECT_EQ(zustand(), (Zustand{path, true, true, false, 1}));
}

TEST_F(ProjektBefehleTest, MenuAndToolBarRunTheSameCommands)
{
    answerer().expectFileDialog(QString());
    form->mProjektOpen->trigger();
    answerer().verifyDone();
    answerer().expectFileDialog(QString());
    form->ProjektOpenBtn->click();
    answerer().verifyDone();

    neuesProjekt(1);
    answerer().expectFileDialog(QString());
    form->mProjektSaveAs->trigger();
    answerer().verifyDone();
    answerer().expectFileDialog(QString());
    form->ProjektSaveAsBtn->click();
    answerer().verifyDone();
    answerer().expectFileDialog(QString());
    form->mProjektSave->trigger();
    answerer().verifyDone();
    answerer().expectFileDialog(QString());
    form->ProjektSaveBtn->click();
    answerer().verifyDone();

    answerer().expectMessage(kUngespeichert, mrNo);
    form->ProjektCloseBtn->click();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
    neuesProjekt(1);
    answerer().expectMessage(kUngespeichert, mrNo);
    form->mProjektschliessen->trigger();
    answerer().verifyDone();
    EXPECT_EQ(zustand(), (Zustand{QString(), false, false, false, 0}));
    EXPECT_TRUE(form->UnconnectedEvents.isEmpty()) << form->UnconnectedEvents.join(QLatin1Char(' ')).toStdString();
}

// ---- round trip -----------------------------------------------------------------

TEST_F(ProjektBefehleTest, SavedInputsComeBackAfterCloseAndOpen)
{
    neuesProjekt(2);
    eingeben(QStringLiteral("600"), QStringLiteral("12,5"), QStringLiteral("200"));
    waehleTeilstrecke(2);
    form->KanalartCB->click();
    form->VpVorgabeEdit->setText(QStringLiteral("450"));
    form->TSLaengeEdit->setText(QStringLiteral("8"));
    form->DNRohrEdit->setText(QStringLiteral("300"));
    form->KanalHoeheEdit->setText(QStringLiteral("200"));

    const QString path = folder.file(QStringLiteral("runde.STB"));
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Bauamt"), QStringLiteral("Rundreise"));
    form->mProjektSaveAsClick();
    answerer().verifyDone();
    form->mProjektschliessenClick();  // saved: no question
    ASSERT_EQ(form->TSTreeView->topLevelItemCount(), 0);
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 0.0);

    answerer().expectFileDialog(path);
    form->mProjektOpenClick();
    answerer().verifyDone();
    ASSERT_EQ(knoten().size(), 2);
    EXPECT_EQ(P().Projektdaten.Name1.str(), QStringLiteral("Bauamt"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <Bauamt/Rundreise>"));
    EXPECT_TRUE(form->RohrartCB->isChecked());
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 600.0);
    EXPECT_EQ(form->TSLaengeEdit->Value(), 12.5);
    EXPECT_EQ(form->DNRohrEdit->Value(), 200.0);

    waehleTeilstrecke(2);
    EXPECT_TRUE(form->KanalartCB->isChecked());
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 450.0);
    EXPECT_EQ(form->TSLaengeEdit->Value(), 8.0);
    EXPECT_EQ(form->DNRohrEdit->Value(), 300.0);
    EXPECT_EQ(form->KanalHoeheEdit->Value(), 200.0);
}

}  // namespace
