// The data tab of the real main window: the velocity field's states, the
// shape choice, storing and loading a section, the calculation commands and
// the project flags that follow the inputs.
#include "test_eingaben_form_hilfen.h"
#include "platform/SpeedBar.h"
#include <QAction>
#include <QMenu>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

using namespace eingaben_form_test;

namespace {

bool isGrey(const TCurrencyEdit* e)
{
    return e->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}
bool isWindowColour(const TCurrencyEdit* e)
{
    return e->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base);
}

// Whether the velocity field is in its computed state (grey, read-only, no tab stop).
void expectVelocityComputed(const TMainForm& f, bool computed)
{
    EXPECT_EQ(f.GeschwEdit->isReadOnly(), computed);
    EXPECT_EQ(f.GeschwEdit->focusPolicy() == Qt::StrongFocus, !computed);
    if (computed) EXPECT_TRUE(isGrey(f.GeschwEdit));
    else EXPECT_TRUE(isWindowColour(f.GeschwEdit));
}

}  // namespace

// ---- velocity field and shape ----------------------------------------------------

TEST_F(EingabenForm, RoundPipeDiameterMakesTheVelocityComputedAndClearingItAnInputAgain)
{
    make();
    expectVelocityComputed(*form, false);
    type(form->DNRohrEdit, QStringLiteral("160"));
    expectVelocityComputed(*form, true);
    EXPECT_EQ(form->GeschwEdit->text(), QStringLiteral("0"));
    type(form->DNRohrEdit, QString());
    expectVelocityComputed(*form, false);
    type(form->GeschwEdit, QStringLiteral("4"));
    EXPECT_EQ(form->GeschwEdit->text(), QStringLiteral("4"));
}

TEST_F(EingabenForm, RectangularDuctVelocityFollowsWidthAndHeightAndKeepsTheWidth)
{
    make();
    form->KanalartCB->click();
    EXPECT_TRUE(form->KanalartCB->isChecked());
    EXPECT_FALSE(form->KanalHoeheEdit->isHidden());
    EXPECT_TRUE(form->ovalCB->isEnabled());
    EXPECT_EQ(form->DNRohrLbl->text(), QStringLiteral("Kanal-Breite"));

    type(form->DNRohrEdit, QStringLiteral("200"));
    expectVelocityComputed(*form, false);
    type(form->KanalHoeheEdit, QStringLiteral("100"));
    expectVelocityComputed(*form, true);
    form->ovalCB->click();
    ASSERT_TRUE(form->ovalCB->isChecked());
    type(form->KanalHoeheEdit, QString());
    expectVelocityComputed(*form, false);
    // Only the velocity field follows the height: the width and the shape stay.
    EXPECT_EQ(form->DNRohrEdit->text(), QStringLiteral("200"));
    EXPECT_TRUE(form->ovalCB->isChecked());
}

TEST_F(EingabenForm, HeightTypedWhileTheWidthIsZeroStaysAndHeightAndVelocityGiveTheWidth)
{
    make();
    form->KanalartCB->click();
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->KanalHoeheEdit, QStringLiteral("150"));
    EXPECT_EQ(form->KanalHoeheEdit->text(), QStringLiteral("150"));
    expectVelocityComputed(*form, false);
    type(form->GeschwEdit, QStringLiteral("3"));
    form->mAktuelleTSClick();
    // A = 500 / (3 x 3600) m² = 46296 mm², / 150 mm = 308,6 mm -> 310 mm.
    EXPECT_EQ(form->DNRohrEdit->text(), QStringLiteral("310"));
    EXPECT_EQ(form->KanalHoeheEdit->text(), QStringLiteral("150"));
    EXPECT_EQ(form->Projekt.Section(1).DNRohr.str(), QStringLiteral("310"));
    EXPECT_EQ(form->Projekt.Section(1).KanalHoehe.str(), QStringLiteral("150"));
}

TEST_F(EingabenForm, SwitchingShapeResetsDimensionsResultsAndTotalsAndSwapsTheBendGrids)
{
    make();
    EXPECT_TRUE(form->ZetaBogenGlattGrid->isEnabled());
    EXPECT_TRUE(form->ZetaBogenSegmentGrid->isEnabled());
    EXPECT_FALSE(form->ZetaBogenFlachGrid->isEnabled());
    EXPECT_FALSE(form->ZetaBogenFlachVertGrid->isEnabled());
    type(form->DNRohrEdit, QStringLiteral("160"));
    const std::initializer_list<TCurrencyEdit*> calculated = {
        form->GeschwEdit,      form->HydrDurchmEdit,   form->FlaecheEdit,      form->DpRohrEdit,
        form->DpFormstueckEdit, form->DpGesamtEdit,    form->VpLeitungGesEdit, form->dpLeitungGesEdit,
        form->WellenleistungEdit};
    for (TCurrencyEdit* e : calculated) e->setText(QStringLiteral("12,34"));
    form->Projekt.AlleBerechnet = true;

    form->KanalartCB->click();
    EXPECT_EQ(form->DNRohrEdit->text(), QStringLiteral("0"));
    for (TCurrencyEdit* e : calculated) EXPECT_EQ(e->Value(), 0.0) << e->objectName().toStdString();
    EXPECT_FALSE(form->Projekt.AlleBerechnet);
    expectVelocityComputed(*form, false);
    EXPECT_FALSE(form->ZetaBogenGlattGrid->isEnabled());
    EXPECT_TRUE(form->ZetaBogenFlachGrid->isEnabled());
    EXPECT_TRUE(form->ZetaBogenFlachVertGrid->isEnabled());

    type(form->KanalHoeheEdit, QStringLiteral("100"));
    form->ovalCB->click();
    form->RohrartCB->click();
    EXPECT_EQ(form->KanalHoeheEdit->text(), QStringLiteral("0"));
    EXPECT_TRUE(form->KanalHoeheEdit->isHidden());
    EXPECT_FALSE(form->ovalCB->isChecked());
    EXPECT_FALSE(form->ovalCB->isEnabled());
    EXPECT_EQ(form->DNRohrLbl->text(), QStringLiteral("Rohr-Durchmesser"));
    EXPECT_TRUE(form->ZetaBogenGlattGrid->isEnabled());
    EXPECT_FALSE(form->ZetaBogenFlachVertGrid->isEnabled());
}

TEST_F(EingabenForm, AnotherMaterialClearsResultsAndTotalsButKeepsDimensionsAndVelocity)
{
    make();
    auto calculated = [this] {
        for (TCurrencyEdit* e : {form->HydrDurchmEdit, form->FlaecheEdit, form->DpRohrEdit, form->DpFormstueckEdit,
                                 form->DpGesamtEdit, form->VpLeitungGesEdit, form->dpLeitungGesEdit,
                                 form->WellenleistungEdit})
            e->setText(QStringLiteral("12,34"));
        form->Projekt.AlleBerechnet = true;
        form->Projekt.ProjektGespeichert = true;
    };
    auto expectResultsCleared = [this](const char* what) {
        SCOPED_TRACE(what);
        for (TCurrencyEdit* e : {form->HydrDurchmEdit, form->FlaecheEdit, form->DpRohrEdit, form->DpFormstueckEdit,
                                 form->DpGesamtEdit, form->VpLeitungGesEdit, form->dpLeitungGesEdit,
                                 form->WellenleistungEdit})
            EXPECT_EQ(e->Value(), 0.0) << e->objectName().toStdString();
        EXPECT_FALSE(form->Projekt.AlleBerechnet);
        EXPECT_FALSE(form->Projekt.ProjektGespeichert);
    };

    // Rectangular duct, width and velocity typed, the height to be found.
    form->KanalartCB->click();
    type(form->VpVorgabeEdit, QStringLiteral("1000"));
    type(form->TSLaengeEdit, QStringLiteral("4"));
    type(form->DNRohrEdit, QStringLiteral("300"));
    type(form->GeschwEdit, QStringLiteral("4"));
    calculated();
    form->KanalartCombo->setCurrentIndex(3);
    expectResultsCleared("width and velocity");
    EXPECT_EQ(form->DNRohrEdit->Value(), 300.0);
    EXPECT_EQ(form->KanalHoeheEdit->Value(), 0.0);
    EXPECT_EQ(form->GeschwEdit->Value(), 4.0);
    expectVelocityComputed(*form, false);
    EXPECT_TRUE(form->KanalartCB->isChecked());
    ASSERT_TRUE(form->StoreCurrentSection());
    const TTeilstrecke& r = form->Projekt.Section(1);
    EXPECT_EQ(r.Materialart.str(), QStringLiteral("3"));
    EXPECT_EQ(r.DNRohr.str(), QStringLiteral("300"));
    EXPECT_EQ(r.Geschw.str(), QStringLiteral("4"));

    // Width and height given: the velocity stays a result to be computed.
    type(form->KanalHoeheEdit, QStringLiteral("200"));
    calculated();
    form->KanalartCombo->setCurrentIndex(1);
    expectResultsCleared("width and height");
    EXPECT_EQ(form->DNRohrEdit->Value(), 300.0);
    EXPECT_EQ(form->KanalHoeheEdit->Value(), 200.0);
    expectVelocityComputed(*form, true);

    // Round pipe with its diameter.
    form->RohrartCB->click();
    type(form->DNRohrEdit, QStringLiteral("160"));
    calculated();
    form->KanalartCombo->setCurrentIndex(2);
    expectResultsCleared("diameter");
    EXPECT_EQ(form->DNRohrEdit->Value(), 160.0);
    EXPECT_EQ(form->VpVorgabeEdit->Value(), 1000.0);
    EXPECT_EQ(form->TSLaengeEdit->Value(), 4.0);
    EXPECT_TRUE(form->RohrartCB->isChecked());
    expectVelocityComputed(*form, true);
}

// ---- store and load ---------------------------------------------------------------------

TEST_F(EingabenForm, StoringWithAChildSelectedNamesTheRecordAfterItsSectionNode)
{
    make(3);
    form->TSTreeView->topLevelItem(1)->setText(0, QStringLiteral("Zuluft"));
    select(2, 0);  // "Zubehör" of section 2
    form->KanalartCombo->setCurrentIndex(3);
    type(form->VpVorgabeEdit, QStringLiteral("1500"));
    type(form->TSLaengeEdit, QStringLiteral("2,5"));
    type(form->DNRohrEdit, QStringLiteral("250"));
    // Shown with thousands separators, stored as the plain number.
    EXPECT_EQ(form->VpVorgabeEdit->DisplayText(), QStringLiteral("1.500"));
    EXPECT_EQ(form->TSLaengeEdit->DisplayText(), QStringLiteral("2,50"));
    ASSERT_TRUE(form->StoreCurrentSection());
    const TTeilstrecke& r = form->Projekt.Section(2);
    EXPECT_EQ(r.Bezeichnung.str(), QStringLiteral("Zuluft"));
    EXPECT_EQ(r.Nummer.str(), QStringLiteral("2"));
    EXPECT_EQ(r.Materialart.str(), QStringLiteral("3"));
    EXPECT_EQ(r.Kanalform.str(), QStringLiteral("1"));
    EXPECT_EQ(r.Volumenstrom.str(), QStringLiteral("1500"));
    EXPECT_EQ(r.Laenge.str(), QStringLiteral("2,5"));
    EXPECT_EQ(r.DNRohr.str(), QStringLiteral("250"));
    // The other records are untouched.
    EXPECT_TRUE(form->Projekt.Section(1).Nummer.isEmpty());
    EXPECT_TRUE(form->Projekt.Section(3).Nummer.isEmpty());

    // Storing a section by number takes that section's own node caption.
    ASSERT_TRUE(form->StoreSectionFromForm(3));
    EXPECT_EQ(form->Projekt.Section(3).Bezeichnung.str(), QStringLiteral("Teilstrecke 3"));
}

TEST_F(EingabenForm, InvalidInputsAreReportedOnThreeLinesAndNothingIsStored)
{
    make();
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    answerer().expectMessage(QStringLiteral("Es müssen mindestens folgende Felder größer \"0\" sein:\r"
                                            "Volumenstrom, Teilstreckenlänge und\r"
                                            "Rohrdurchmesser oder Strömungsgeschwindigkeit!!"));
    EXPECT_FALSE(form->StoreSectionFromForm(1));
    answerer().verifyDone();
    EXPECT_TRUE(form->Projekt.Section(1).Nummer.isEmpty());
    EXPECT_FALSE(form->ValidateSectionInputs());

    // All inputs 0: valid and empty, the record keeps what it held.
    form->ClearSectionInputs();
    form->Projekt.Section(1).Volumenstrom = "123";
    EXPECT_TRUE(form->StoreSectionFromForm(1));
    EXPECT_TRUE(form->Projekt.TSLeer);
    EXPECT_EQ(form->Projekt.Section(1).Volumenstrom.str(), QStringLiteral("123"));
}

TEST_F(EingabenForm, AVolumeFlowTooLargeForItsFieldNamesTheLimit)
{
    make();
    type(form->VpVorgabeEdit, QStringLiteral("12345678901"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->DNRohrEdit, QStringLiteral("160"));
    answerer().expectMessage(QStringLiteral("Die Eingabe „12345678901“ im Feld „Volumenstrom“ ist zu groß: "
                                            "das Feld nimmt höchstens 999.999.999 auf."));
    form->mAktuelleTSClick();
    answerer().verifyDone();
    EXPECT_TRUE(form->Projekt.Section(1).Nummer.isEmpty());
    EXPECT_EQ(form->VpVorgabeEdit->text(), QStringLiteral("12345678901"));
}

TEST_F(EingabenForm, LoadShowsShapeDimensionsCountsAndTheVelocityState)
{
    make(2);
    TTeilstrecke& r = form->Projekt.Section(2);
    r.Nummer = "2";
    r.Materialart = "4";
    r.Kanalform = "3";
    r.DNRohr = "400";
    r.KanalHoehe = "200";
    r.Laenge = "7,5";
    r.Volumenstrom = "1200";
    r.Geschw = "4,17";
    r.HydrDurchm = "0,25";
    r.DpGesamt = "12,34";
    r.Einbauten(20).Anzahl = "3";
    r.Einbauten(90).Anzahl = "2";
    r.FremdEinbauten(4).Beschreibung = "Klappe";
    r.FremdEinbauten(4).Dp = "12,5";
    r.FremdEinbauten(4).Anzahl = "1";

    form->LoadSectionToForm(2);
    EXPECT_TRUE(form->KanalartCB->isChecked());
    EXPECT_TRUE(form->ovalCB->isChecked());
    EXPECT_TRUE(form->ovalCB->isEnabled());
    EXPECT_FALSE(form->KanalHoeheEdit->isHidden());
    EXPECT_EQ(form->DNRohrLbl->text(), QStringLiteral("Kanal-Breite"));
    EXPECT_EQ(form->KanalartCombo->currentIndex(), 4);
    EXPECT_EQ(form->DNRohrEdit->text(), QStringLiteral("400"));
    EXPECT_EQ(form->KanalHoeheEdit->text(), QStringLiteral("200"));
    EXPECT_EQ(form->TSLaengeEdit->text(), QStringLiteral("7,5"));
    EXPECT_EQ(form->VpVorgabeEdit->text(), QStringLiteral("1200"));
    EXPECT_EQ(form->VpVorgabeEdit->DisplayText(), QStringLiteral("1.200"));
    EXPECT_EQ(form->GeschwEdit->text(), QStringLiteral("4,17"));
    EXPECT_EQ(form->HydrDurchmEdit->text(), QStringLiteral("0,25"));
    EXPECT_EQ(form->DpGesamtEdit->text(), QStringLiteral("12,34"));
    expectVelocityComputed(*form, true);
    // Slot 20: flat horizontal bend, column 2 of the count row.
    EXPECT_EQ(form->ZetaBogenFlachGrid->Cells(2, 2), QStringLiteral("3"));
    EXPECT_EQ(form->ZetaBogenFlachGrid->GetColorCell(2, 2), clYellow);
    EXPECT_EQ(form->ZetaBogenFlachGrid->GetColorCell(1, 2), clWindow);
    EXPECT_EQ(form->EinbautenEditNr(3)->text(), QStringLiteral("2"));
    EXPECT_EQ(form->FremdEinbGrid->Cells(1, 4), QStringLiteral("Klappe"));
    EXPECT_EQ(form->FremdEinbGrid->Cells(2, 4), QStringLiteral("12,5"));

    // A record whose velocity is 0 shows all results as 0.
    TTeilstrecke& r1 = form->Projekt.Section(1);
    r1.Nummer = "1";
    r1.Kanalform = "1";
    r1.Materialart = "0";
    r1.DNRohr = "160";
    r1.Geschw = "0";
    r1.DpRohr = "37,57";
    r1.DpGesamt = "54,76";
    form->LoadSectionToForm(1);
    EXPECT_TRUE(form->RohrartCB->isChecked());
    EXPECT_FALSE(form->ovalCB->isChecked());
    EXPECT_TRUE(form->KanalHoeheEdit->isHidden());
    EXPECT_EQ(form->DpRohrEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->DpGesamtEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->ZetaBogenFlachGrid->Cells(2, 2), QStringLiteral("0"));
    EXPECT_EQ(form->ZetaBogenFlachGrid->GetColorCell(2, 2), clWindow);
    EXPECT_EQ(form->FremdEinbGrid->Cells(1, 4), QString());
}

TEST_F(EingabenForm, ClearingTheInputsResetsEveryFieldAndSelectsTheFirstMaterial)
{
    make();
    form->KanalartCB->click();
    form->KanalartCombo->setCurrentIndex(2);
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->EinbautenEditNr(5), QStringLiteral("4"));
    typeCell(form->ZetaAbzweigGrid, 3, 2, QStringLiteral("6"));
    form->VpLeitungGesEdit->setText(QStringLiteral("500"));

    form->ClearSectionInputs();
    EXPECT_TRUE(form->RohrartCB->isChecked());
    EXPECT_EQ(form->KanalartCombo->currentIndex(), 0);
    EXPECT_EQ(form->VpVorgabeEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->VpLeitungGesEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->EinbautenEditNr(5)->text(), QStringLiteral("0"));
    EXPECT_EQ(form->ZetaAbzweigGrid->Cells(3, 2), QStringLiteral("0"));
    expectVelocityComputed(*form, false);
}

// ---- calculation --------------------------------------------------------------------------

TEST_F(EingabenForm, RoundPipeExampleTypedAndCalculatedShowsItsResults)
{
    setValue("Zeta-Bogen", "ZBog1", "0,3");
    setValue("Material", "EBlech", "0,15");
    make();
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->DNRohrEdit, QStringLiteral("160"));
    typeCell(form->ZetaBogenGlattGrid, 1, 1, QStringLiteral("2"));
    showTab(form->DatenTab);

    // The tool button is wired through the form resource.
    form->BerechnenTSBtn->setEnabled(true);
    form->Projekt.ProjektGespeichert = true;
    form->BerechnenTSBtn->click();
    // The typed inputs were the change; calculating them is none of its own.
    EXPECT_TRUE(form->Projekt.ProjektGespeichert);
    EXPECT_EQ(form->GeschwEdit->text(), QStringLiteral("6,91"));
    EXPECT_EQ(form->DNRohrEdit->text(), QStringLiteral("160"));
    EXPECT_EQ(form->HydrDurchmEdit->text(), QStringLiteral("0,16"));
    EXPECT_EQ(form->FlaecheEdit->text(), QStringLiteral("0,02"));
    EXPECT_EQ(form->DpRohrEdit->text(), QStringLiteral("37,57"));
    EXPECT_EQ(form->DpFormstueckEdit->text(), QStringLiteral("17,19"));
    EXPECT_EQ(form->DpGesamtEdit->text(), QStringLiteral("54,76"));
    EXPECT_EQ(form->GeschwEdit->DisplayText(), QStringLiteral("6,91"));
    const TTeilstrecke& r = form->Projekt.Section(1);
    EXPECT_EQ(r.ZetaSumme.str(), QStringLiteral("0,60"));
    EXPECT_EQ(r.Einbauten(1).Zeta.str(), QStringLiteral("0,3"));
    EXPECT_EQ(r.DpGesamt.str(), QStringLiteral("54,76"));
    EXPECT_FALSE(form->Projekt.AlleBerechnet);

    // All sections: the totals (shaft power 500 / 3600 x 54,76 / 0,55 / 1000 = 0,0138 kW).
    form->BerechnenGesamtBtn->setEnabled(true);
    form->BerechnenGesamtBtn->click();
    EXPECT_TRUE(form->Projekt.AlleBerechnet);
    EXPECT_EQ(form->VpLeitungGesEdit->text(), QStringLiteral("500"));
    EXPECT_EQ(form->dpLeitungGesEdit->text(), QStringLiteral("54,76"));
    EXPECT_EQ(form->WellenleistungEdit->text(), QStringLiteral("0,01"));
    EXPECT_EQ(form->GeschwEdit->text(), QStringLiteral("6,91"));

}

TEST_F(EingabenForm, CalculatingAllWithInvalidInputsAsksOnceAndFormsNoTotals)
{
    make(3);
    // Section 2 was stored before with valid inputs.
    TTeilstrecke& r2 = form->Projekt.Section(2);
    r2.Nummer = "2";
    r2.Kanalform = "1";
    r2.Materialart = "0";
    r2.Volumenstrom = "800";
    r2.Laenge = "5";
    r2.DNRohr = "200";
    r2.Geschw = "0";
    type(form->VpVorgabeEdit, QStringLiteral("500"));  // no length, no diameter
    form->Projekt.AlleBerechnet = false;

    answerer().expectMessage(QStringLiteral("Es müssen mindestens"));
    form->mAlleTS->setEnabled(true);
    form->mBearbeiten->setEnabled(true);
    form->mAlleTS->trigger();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    EXPECT_FALSE(form->Projekt.AlleBerechnet);
    EXPECT_EQ(form->VpLeitungGesEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->dpLeitungGesEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Projekt.Section(2).DpGesamt.str(), QStringLiteral("0"));
    EXPECT_EQ(form->Projekt.Section(2).Geschw.str(), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(form->Projekt.VpLeitungGes, 0.0);
}

TEST_F(EingabenForm, ValuesTheCalculationCannotUseStopTheCommandWithAMessage)
{
    make(2);
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->DNRohrEdit, QStringLiteral("160"));

    // Roughness 0: the message names the entry; nothing is written.
    setValue("Material", "EBlech", "0");
    answerer().expectMessage(QStringLiteral("EBlech"));
    form->mAktuelleTSClick();
    answerer().verifyDone();
    EXPECT_EQ(form->Projekt.Section(1).DpRohr.str(), QStringLiteral("0"));
    EXPECT_EQ(form->Projekt.Section(1).Geschw.str(), QStringLiteral("0"));
    EXPECT_EQ(form->DpRohrEdit->text(), QStringLiteral("0"));

    // A missing roughness entry.
    removeValue("Material", "EBlech");
    answerer().expectMessage(QStringLiteral("EBlech"));
    form->mAlleTSClick();
    answerer().verifyDone();
    EXPECT_FALSE(form->Projekt.AlleBerechnet);

    // Fan efficiency 0: the sections are calculated, the totals are not.
    setValue("Material", "EBlech", "0,15");
    setValue("Material", "EtaVentilator", "0");
    answerer().expectMessage(QStringLiteral("EtaVentilator"));
    form->mAlleTSClick();
    answerer().verifyDone();
    EXPECT_FALSE(form->Projekt.AlleBerechnet);
    EXPECT_EQ(form->WellenleistungEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(form->dpLeitungGesEdit->text(), QStringLiteral("0"));
    for (TCurrencyEdit* e : {form->GeschwEdit, form->DpRohrEdit, form->DpGesamtEdit, form->WellenleistungEdit}) {
        EXPECT_FALSE(e->text().contains(QLatin1String("inf"), Qt::CaseInsensitive));
        EXPECT_FALSE(e->text().contains(QLatin1String("nan"), Qt::CaseInsensitive));
    }

    // A zeta entry missing from the value file, for a fitting that is counted.
    setValue("Material", "EtaVentilator", "0,55");
    removeValue("Zeta-Bogen", "ZBog2");
    const QString before = form->Projekt.Section(1).DpGesamt.str();
    EXPECT_EQ(before, QStringLiteral("37,57"));  // from the run that only the totals failed
    typeCell(form->ZetaBogenGlattGrid, 2, 1, QStringLiteral("1"));
    answerer().expectMessage(QStringLiteral("ZBog2"));
    form->mAktuelleTSClick();
    answerer().verifyDone();
    EXPECT_EQ(form->Projekt.Section(1).DpGesamt.str(), before);
    EXPECT_EQ(form->Projekt.Section(1).ZetaSumme.str(), QStringLiteral("0,00"));
}

TEST_F(EingabenForm, CalculatingWithAChildSelectedCalculatesItsSection)
{
    make(2);
    select(2, 1);  // "Formstücke" of section 2
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->GeschwEdit, QStringLiteral("4"));
    form->mAktuelleTSClick();
    EXPECT_EQ(form->Projekt.Section(2).DNRohr.str(), QStringLiteral("210"));
    EXPECT_EQ(form->DNRohrEdit->text(), QStringLiteral("210"));
    EXPECT_EQ(form->GeschwEdit->text(), QStringLiteral("4,01"));  // of the 210 mm pipe
    EXPECT_TRUE(form->Projekt.Section(1).Nummer.isEmpty());
}

TEST_F(EingabenForm, AVelocityTypedGivesTheSameResultsAtEveryCalculation)
{
    setValue("Material", "EBlech", "0,15");
    make();
    type(form->VpVorgabeEdit, QStringLiteral("1000"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->GeschwEdit, QStringLiteral("5"));
    form->BerechnenTSBtn->setEnabled(true);
    // 1000 m³/h at 5 m/s: 266 mm -> 270 mm, in which the air flows at 4,85 m/s.
    const QStringList expected = {"270", "4,85", "0,27", "0,06", "9,49", "0,00", "9,49"};
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        form->BerechnenTSBtn->click();
        const QStringList shown = {form->DNRohrEdit->text(), form->GeschwEdit->text(),
                                   form->HydrDurchmEdit->text(), form->FlaecheEdit->text(),
                                   form->DpRohrEdit->text(), form->DpFormstueckEdit->text(),
                                   form->DpGesamtEdit->text()};
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(form->Projekt.Section(1).Geschw.str(), QStringLiteral("4,85"));
    }
}

// ---- project flags --------------------------------------------------------------------------

TEST_F(EingabenForm, EveryInputChangeClearsTheSavedAndCalculatedFlagsButLoadingDoesNot)
{
    make(2);
    auto arm = [this] {
        form->Projekt.ProjektGespeichert = true;
        form->Projekt.AlleBerechnet = true;
    };
    auto expectCleared = [this](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(form->Projekt.ProjektGespeichert);
        EXPECT_FALSE(form->Projekt.AlleBerechnet);
    };
    auto expectKept = [this](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(form->Projekt.ProjektGespeichert);
        EXPECT_TRUE(form->Projekt.AlleBerechnet);
    };

    TTeilstrecke& r = form->Projekt.Section(2);
    r.Nummer = "2";
    r.Kanalform = "2";
    r.Materialart = "1";
    r.DNRohr = "300";
    r.KanalHoehe = "200";
    r.Volumenstrom = "900";
    r.Laenge = "3";
    r.Geschw = "4,17";
    r.Einbauten(3).Anzahl = "2";
    r.Einbauten(99).Anzahl = "1";
    arm();
    form->LoadSectionToForm(2);
    expectKept("load");
    form->ShowSectionResults(2);
    expectKept("results shown");
    form->ClearSectionInputs();
    expectKept("inputs cleared");

    arm();
    type(form->TSLaengeEdit, QStringLiteral("4"));
    expectCleared("length");
    arm();
    type(form->EinbautenEditNr(7), QStringLiteral("1"));
    expectCleared("count field");
    arm();
    typeCell(form->ZetaRedKonEngGrid, 2, 1, QStringLiteral("5"));
    expectCleared("count cell");
    arm();
    typeCell(form->FremdEinbGrid, 1, 2, QStringLiteral("Schieber"));
    expectCleared("description");
    arm();
    form->KanalartCB->click();
    expectCleared("shape");
    arm();
    form->ovalCB->click();
    expectCleared("oval");
    arm();
    form->KanalartCombo->setCurrentIndex(5);
    expectCleared("material");

    // Opening and closing a cell editor without a change is no change.
    arm();
    typeCell(form->ZetaRedKonEngGrid, 2, 1, QStringLiteral("5"));
    expectKept("same count again");
}

TEST_F(EingabenForm, WithoutTheValueFileTheCommandReportsItAndWritesNoResult)
{
    make();
    type(form->VpVorgabeEdit, QStringLiteral("500"));
    type(form->TSLaengeEdit, QStringLiteral("10"));
    type(form->DNRohrEdit, QStringLiteral("160"));
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("SBWert.Dat"))));

    // The store reports the missing file and keeps the inputs; the
    // calculation reports it again and stops at the roughness.
    answerer().expectMessage(QStringLiteral("Zetawerte nicht vorhanden"));
    answerer().expectMessage(QStringLiteral("Zetawerte nicht vorhanden"));
    answerer().expectMessage(QStringLiteral("EBlech"));
    form->mAktuelleTSClick();
    answerer().verifyDone();
    const TTeilstrecke& r = form->Projekt.Section(1);
    EXPECT_EQ(r.Volumenstrom.str(), QStringLiteral("500"));
    EXPECT_EQ(r.Einbauten(1).Zeta.str(), QString());
    EXPECT_EQ(r.DpGesamt.str(), QStringLiteral("0"));
    EXPECT_EQ(form->DpGesamtEdit->text(), QStringLiteral("0"));
}
