// The technical-data dialog: which key lands in which field, numbers that
// fit five characters, the changed flag and closing, and its access gate.
#include "app/GrundlagenDLG.h"
#include "app/Strombau.h"
#include "common/TestSupport.h"
#include "grid/CellGrid.h"
#include "platform/CurrencyEdit.h"
#include "platform/IniFile.h"
#include "support/PasswordDialogs.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

// A value of at most five characters, different for every key index.
QString distinct(int i, int lead = 0) { return QStringLiteral("%1,%2").arg(lead).arg(i + 1, 3, 10, QLatin1Char('0')); }

// The technical sections with value(i) for key i, and lines the dialog
// does not own around them.
QByteArray valueFile(const std::function<QString(int)>& value)
{
    QByteArray out = "; Werte zur Berechnung\r\n[Userdaten]\r\nFirma=Lueftung GmbH\r\nTip=0\r\n\r\n";
    const TTechnikDaten keys;
    QString section;
    for (int i = 0; i < keys.Count(); ++i) {
        if (keys.Section(i) != section) {
            section = keys.Section(i);
            out += "[" + section.toLatin1() + "]\r\n";
            if (i == 0) out += "; Rauhigkeit in mm\r\n";
        }
        out += keys.Key(i).toLatin1() + "=" + value(i).toLatin1() + "\r\n";
    }
    out += "[HL]\r\nHL=Kopfzeile\r\n";
    return out;
}

// `file` with the value of every technical key replaced by value(i).
QByteArray withValues(const QByteArray& file, const std::function<QString(int)>& value)
{
    const TTechnikDaten keys;
    QList<QByteArray> lines = file.split('\n');
    QString section;
    for (QByteArray& line : lines) {
        if (line.startsWith('[')) section = QString::fromLatin1(line.mid(1, line.indexOf(']') - 1));
        const int eq = line.indexOf('=');
        if (eq < 0) continue;
        const QString key = QString::fromLatin1(line.left(eq));
        for (int i = 0; i < keys.Count(); ++i)
            if (keys.Key(i) == key && keys.Section(i) == section) line = key.toLatin1() + "=" + value(i).toLatin1() + "\r";
    }
    return lines.join('\n');
}

class GrundlagenTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TGrundlagenForm> dlg = std::make_unique<TGrundlagenForm>();

    void TearDown() override
    {
        dlg.reset();
        answerer().verifyDone();
    }

    QString dat() const { return folder.file(QStringLiteral("SBWert.Dat")); }
    QByteArray fileBytes() const { return QFile::exists(dat()) ? folder.read(QStringLiteral("SBWert.Dat")) : QByteArray(); }

    // Shows the dialog as the menu command does; `body` runs while it is up
    // and is expected to close it.
    void open(const std::function<void(TGrundlagenForm*)>& body, const QStringList& atOpening = {})
    {
        answerer().expectForm([&](QWidget* w) {
            auto* d = qobject_cast<TGrundlagenForm*>(w);
            EXPECT_EQ(d, dlg.get());
            if (!d) return int(mrCancel);
            EXPECT_TRUE(ShowActive(d));
            body(d);
            EXPECT_FALSE(d->isVisible()) << "the dialog did not close";
            return d->result();
        });
        for (const QString& m : atOpening) answerer().expectMessage(m);
        ShowModalForm(dlg.get());
        answerer().verifyDone();
    }

    // Types `text` into cell (col, row) of `grid` through its editor.
    static void typeIntoCell(TCellGrid* grid, int col, int row, const QString& text)
    {
        auto* pages = grid->window()->findChild<QTabWidget*>(QStringLiteral("VorgabenPageControl"));
        pages->setCurrentWidget(grid->parentWidget());
        grid->setFocus();
        QApplication::processEvents();
        grid->SetCol(col);
        grid->SetRow(row);
        for (const QChar ch : text) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QTest::keyClick(target, ch.toLatin1());
        }
        ASSERT_TRUE(grid->EditorVisible()) << grid->objectName().toStdString();
    }

    static void altS(QWidget* d) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d, Qt::Key_S, Qt::AltModifier); }
};

// ---- which key lands where -------------------------------------------------------

TEST_F(GrundlagenTest, EveryTechnicalKeyHasAFieldOfItsOwn)
{
    const TTechnikDaten keys;
    ASSERT_EQ(keys.Count(), 106);
    QSet<QString> fields;
    for (int i = 0; i < keys.Count(); ++i) {
        const TGrundlagenForm::TFeld f = dlg->FeldVon(keys.Key(i));
        ASSERT_TRUE(f.edit || f.grid) << keys.Key(i).toStdString();
        if (f.grid) {
            EXPECT_GE(f.col, f.grid->FixedCols()) << keys.Key(i).toStdString();
            EXPECT_GE(f.row, f.grid->FixedRows()) << keys.Key(i).toStdString();
            EXPECT_LT(f.col, f.grid->ColCount());
            EXPECT_LT(f.row, f.grid->RowCount());
        }
        fields.insert(f.edit ? f.edit->objectName()
                             : QStringLiteral("%1(%2,%3)").arg(f.grid->objectName()).arg(f.col).arg(f.row));
    }
    EXPECT_EQ(fields.size(), 106);
    // Keys of the calculation's spelling find the same fields.
    EXPECT_EQ(dlg->FeldVon(QStringLiteral("zabzw907")).grid, dlg->ZetaAbzweigGrid);
}

TEST_F(GrundlagenTest, LoadingShowsEveryKeyInItsFieldAndIsNoChange)
{
    folder.write(QStringLiteral("SBWert.Dat"), valueFile([](int i) { return distinct(i); }));
    open([&](TGrundlagenForm* d) {
        const TTechnikDaten keys;
        for (int i = 0; i < keys.Count(); ++i) {
            const TGrundlagenForm::TFeld f = d->FeldVon(keys.Key(i));
            if (f.edit)
                EXPECT_DOUBLE_EQ(f.edit->Value(), (i + 1) / 1000.0) << keys.Key(i).toStdString();
            else
                EXPECT_EQ(f.grid->Cells(f.col, f.row), distinct(i)) << keys.Key(i).toStdString();
        }
        // Two cells checked by their place on the form.
        const int abzw907 = keys.Key(0).isEmpty() ? -1 : [&] {
            for (int i = 0; i < keys.Count(); ++i)
                if (keys.Key(i) == QLatin1String("ZAbzw907")) return i;
            return -1;
        }();
        ASSERT_GE(abzw907, 0);
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), distinct(abzw907));
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 0), QStringLiteral("3,0"));
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(0, 1), QStringLiteral("90 °"));
        for (int i = 0; i < keys.Count(); ++i)
            if (keys.Key(i) == QLatin1String("ZRedErwK15")) {
                EXPECT_EQ(d->ZetaRedKonWeitGrid->Cells(3, 3), distinct(i));
            }
        EXPECT_EQ(d->ZetaRedKonWeitGrid->Cells(3, 0), QStringLiteral("10°"));
        EXPECT_EQ(d->ZetaRedKonWeitGrid->Cells(0, 3), QStringLiteral("f= 0,25"));
        // A roughness shows the value it has in the file.
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,001"));
        EXPECT_EQ(d->FlexrohrEdit->DisplayText(), QStringLiteral("0,002"));
        // Name cells, not editable.
        EXPECT_EQ(d->ZubehoerGrid->Cells(0, 0), QStringLiteral("Einbauteile"));
        EXPECT_EQ(d->ZubehoerGrid->Cells(0, 1), QStringLiteral("selbstt. Verschlussklappe(n)"));
        EXPECT_EQ(d->ZubehoerGrid->Cells(2, 3), QStringLiteral("WW-Heizregiser Kanal"));
        EXPECT_EQ(d->ZubehoerGrid->Cells(2, 6), QStringLiteral("Kanalschalldämpfer"));
        EXPECT_FALSE(d->ZubehoerGrid->EditCell(0, 2));
        EXPECT_FALSE(d->ZubehoerGrid->EditCell(2, 2));
        EXPECT_TRUE(d->ZubehoerGrid->EditCell(3, 2));
        EXPECT_EQ(d->VorgabenPageControl->currentWidget(), d->VorgabenTab);
        EXPECT_EQ(QApplication::focusWidget(), d->BlechGefalztEdit);
        // Loading changed nothing: no save button, no question.
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        EXPECT_FALSE(d->Geaendert());
        d->CloseBtn->click();
    });
}

TEST_F(GrundlagenTest, SavingWritesEveryFieldUnderItsKeyAndLeavesTheOtherLines)
{
    const QByteArray original = valueFile([](int i) { return distinct(i); });
    folder.write(QStringLiteral("SBWert.Dat"), original);
    open([&](TGrundlagenForm* d) {
        const TTechnikDaten keys;
        for (int i = 0; i < keys.Count(); ++i) {
            const TGrundlagenForm::TFeld f = d->FeldVon(keys.Key(i));
            if (f.edit) f.edit->setText(distinct(i, 1));
            else f.grid->SetCells(f.col, f.row, distinct(i, 1));
        }
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        d->SaveBtn->click();
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();  // saved: no question
    });
    EXPECT_EQ(fileBytes(), withValues(original, [](int i) { return distinct(i, 1); }));
    // And the next opening shows what was saved.
    open([&](TGrundlagenForm* d) {
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), d->Konstanten().Value(QStringLiteral("ZAbzw907")));
        EXPECT_DOUBLE_EQ(d->EtaVentilatorEdit->Value(), 1.007);
        d->CloseBtn->click();
    });
}

// ---- numbers ------------------------------------------------------------------------

TEST_F(GrundlagenTest, NumbersAreTakenOnlyWhenTheirValueFitsFiveCharactersWhole)
{
    using P = TGrundlagenForm::TPruefung;
    const struct {
        const char* text;
        P result;
        const char* written;
    } cases[] = {
        {"0,015", P::Ok, "0,015"},  {"0,5", P::Ok, "0,5"},       {"2", P::Ok, "2"},
        {"", P::Ok, ""},            {"1E-5", P::Ok, "1E-5"},     {" 0,5 ", P::Ok, "0,5"},
        {"12345", P::Ok, "12345"},  {"-0,01", P::Ok, "-0,01"},   {"0,150", P::Ok, "0,150"},
        // zeros that change nothing may go
        {"1,50000", P::Ok, "1,5"},  {"0,15000", P::Ok, "0,15"},  {"0002,5", P::Ok, "2,5"},
        {"7,000", P::Ok, "7,000"},  {"7,0000", P::Ok, "7"},
        // a digit that counts may not
        {"0,1234", P::ZuLang, ""},  {"0,0015", P::ZuLang, ""},   {"12,345", P::ZuLang, ""},
        {"-0,015", P::ZuLang, ""},  {"123456", P::ZuLang, ""},   {"1,5E-6", P::ZuLang, ""},
        {"0,00001", P::ZuLang, ""}, {",1234", P::ZuLang, ""},    {"0,12340", P::ZuLang, ""},
        {"abc", P::KeineZahl, ""},  {"1.5", P::KeineZahl, ""},   {"0,1x", P::KeineZahl, ""},
    };
    for (const auto& c : cases) {
        QString cut;
        EXPECT_EQ(TGrundlagenForm::PruefeWert(QString::fromLatin1(c.text), &cut), c.result) << c.text;
        if (c.result == P::Ok) {
            EXPECT_EQ(cut, QString::fromLatin1(c.written)) << c.text;
        }
    }
}

TEST_F(GrundlagenTest, TypedNumbersSurviveOrAreRefusedBeforeAnythingIsWritten)
{
    const QByteArray original = valueFile([](int i) { return distinct(i); });
    folder.write(QStringLiteral("SBWert.Dat"), original);
    open([&](TGrundlagenForm* d) {
        // Typed into the edits as a user does, each field left before saving.
        const struct {
            TCurrencyEdit* edit;
            const char* typed;
            const char* key;
            const char* written;
        } edits[] = {
            {d->BlechGefalztEdit, "0,015", "EBlech", "0,015"}, {d->FlexrohrEdit, "0,5", "EFlex", "0,5"},
            {d->GemauertEdit, "2", "EEGemauert", "2"},          {d->HolzkanalEdit, "1,50000", "EHolz", "1,5"},
        };
        for (const auto& e : edits) {
            e.edit->setFocus();
            e.edit->selectAll();
            QTest::keyClicks(e.edit, QString::fromLatin1(e.typed));
        }
        d->SaveBtn->setFocus();  // the last field is left too
        typeIntoCell(d->ZetaAbzweigGrid, 7, 1, QStringLiteral("12,3400"));
        d->SaveBtn->click();
        TIniFile ini(dat());
        for (const auto& e : edits)
            EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QString::fromLatin1(e.key), QString()),
                      QString::fromLatin1(e.written))
                << e.typed;
        EXPECT_EQ(ini.ReadString(QStringLiteral("Zeta-Abzweig"), QStringLiteral("ZAbzw907"), QString()),
                  QStringLiteral("12,34"));
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), QStringLiteral("12,34"));
        // The edits show what was written.
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,015"));
        EXPECT_EQ(d->HolzkanalEdit->DisplayText(), QStringLiteral("1,50"));

        // A value that does not fit: refused, naming the field; nothing
        // written, and the edit has its value back.
        const QByteArray saved = fileBytes();
        const QString beton = d->BetonkanalEdit->text();
        d->BetonkanalEdit->setText(QStringLiteral("123456"));
        d->ZetaBogenGlattGrid->SetCells(2, 1, QStringLiteral("0,7"));
        answerer().expectMessage(
            QStringLiteral("Das Feld „Betonkanäle roh“ nimmt höchstens fünf Zeichen auf: „123456“ wird nicht übernommen."),
            mrOk);
        d->SaveBtn->click();
        answerer().verifyDone();
        EXPECT_EQ(fileBytes(), saved);
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        EXPECT_EQ(d->BetonkanalEdit->text(), beton);
        d->BetonkanalEdit->setText(QStringLiteral("2"));

        // A cell whose text is no number (a paste, say) stops the save too.
        for (const char* bad : {"abc", "1.5"}) {
            d->ZetaRedKonWeitGrid->SetCells(3, 3, QString::fromLatin1(bad));
            answerer().expectMessage(QStringLiteral("Erweiterung konisch, f= 0,25 / 10°: \"%1\"").arg(QLatin1String(bad)));
            d->SaveBtn->click();
            answerer().verifyDone();
            EXPECT_EQ(fileBytes(), saved);
        }
        d->ZetaRedKonWeitGrid->SetCells(3, 3, QString());
        d->SaveBtn->click();
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();
    });
    TIniFile ini(dat());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Zeta-Bogen"), QStringLiteral("ZBog2"), QString()), QStringLiteral("0,7"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Zeta-Red-Konisch"), QStringLiteral("ZRedErwK15"), QString()), QString());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EBeton"), QString()), QStringLiteral("2"));
}

TEST_F(GrundlagenTest, ACellRefusesWhatIsNoNumberWhenItsEditEnds)
{
    folder.write(QStringLiteral("SBWert.Dat"), valueFile([](int i) { return distinct(i); }));
    open([&](TGrundlagenForm* d) {
        const QString before = d->ZetaBogenSegmentGrid->Cells(6, 2);
        for (const char* typed : {"abc", "1.5", "123456", "0,1234"}) {
            typeIntoCell(d->ZetaBogenSegmentGrid, 6, 2, QString::fromLatin1(typed));
            answerer().expectMessage(QStringLiteral("Segmentbogen gefalzt, 5 Seg."));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QApplication::processEvents();
            answerer().verifyDone();
            EXPECT_EQ(d->ZetaBogenSegmentGrid->Cells(6, 2), before) << typed;
            d->ZetaBogenSegmentGrid->commitEdit();
        }
        // A good value is taken.
        typeIntoCell(d->ZetaBogenSegmentGrid, 6, 2, QStringLiteral("0,25"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(d->ZetaBogenSegmentGrid->Cells(6, 2), QStringLiteral("0,25"));
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Wollen Sie die Änderungen jetzt speichern?"), mrNo);
        d->CloseBtn->click();
    });
}

TEST_F(GrundlagenTest, AValueThatDoesNotFitIsRefusedWhereItIsLeftAndTheFieldKeepsItsValue)
{
    const QByteArray original = valueFile([](int i) { return distinct(i); });
    folder.write(QStringLiteral("SBWert.Dat"), original);
    auto refusal = [](const QString& field, const QString& value) {
        return QStringLiteral("Das Feld „%1“ nimmt höchstens fünf Zeichen auf: „%2“ wird nicht übernommen.").arg(field, value);
    };
    auto typeInto = [](TCurrencyEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    // Alt+S clicks the button after a short show of the press.
    auto altSAndWait = [&](TGrundlagenForm* d, const std::function<bool()>& done) {
        altS(d);
        for (int i = 0; i < 100 && !done(); ++i) QTest::qWait(10);
    };
    open([&](TGrundlagenForm* d) {
        // Left with Tab: refused, the old value stays.
        typeInto(d->BlechGefalztEdit, QStringLiteral("0,1234"));
        answerer().expectMessage(refusal(QStringLiteral("Blechkanäle gefalzt"), QStringLiteral("0,1234")));
        QTest::keyClick(d->BlechGefalztEdit, Qt::Key_Tab);
        answerer().verifyDone();
        EXPECT_EQ(answerer().asked().back().type, mtError);
        EXPECT_NE(QApplication::focusWidget(), d->BlechGefalztEdit);
        EXPECT_EQ(d->BlechGefalztEdit->text(), QStringLiteral("0,001"));
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,001"));
        // Alt+S with the focus still inside: refused; the file keeps its value.
        typeInto(d->EtaVentilatorEdit, QStringLiteral("0,5555"));
        answerer().expectMessage(refusal(QStringLiteral("Wirkungsgrad Ventilator η"), QStringLiteral("0,5555")));
        const size_t asked = answerer().asked().size();
        altSAndWait(d, [&] { return answerer().asked().size() > asked; });
        answerer().verifyDone();
        EXPECT_EQ(fileBytes(), original);
        EXPECT_EQ(d->EtaVentilatorEdit->text(), QStringLiteral("0,007"));
        EXPECT_TRUE(d->SaveBtn->isEnabled());

        // A value that fits is shown and written as it is.
        typeInto(d->BlechGefalztEdit, QStringLiteral("0,015"));
        QTest::keyClick(d->BlechGefalztEdit, Qt::Key_Tab);
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,015"));
        // A zeta cell: refused when its editor closes, a good value kept.
        const QString zeta = d->ZetaAbzweigGrid->Cells(7, 1);
        typeIntoCell(d->ZetaAbzweigGrid, 7, 1, QStringLiteral("0,1234"));
        answerer().expectMessage(refusal(QStringLiteral("Abzweig Luftstrom-Trennung, 90 ° / 3,0"), QStringLiteral("0,1234")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        answerer().verifyDone();
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), zeta);
        d->ZetaAbzweigGrid->commitEdit();
        typeIntoCell(d->ZetaAbzweigGrid, 7, 1, QStringLiteral("0,15"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), QStringLiteral("0,15"));
        altSAndWait(d, [&] { return !d->SaveBtn->isEnabled(); });
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();
    });
    TIniFile ini(dat());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EBlech"), QString()), QStringLiteral("0,015"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EtaVentilator"), QString()), QStringLiteral("0,007"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Zeta-Abzweig"), QStringLiteral("ZAbzw907"), QString()), QStringLiteral("0,15"));
    // Opened again, the edit shows the value as it was written.
    open([&](TGrundlagenForm* d) {
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,015"));
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), QStringLiteral("0,15"));
        d->CloseBtn->click();
    });
}

TEST_F(GrundlagenTest, AnEditThatHoldsNoNumberIsRefusedAndKeepsItsValue)
{
    const QByteArray original = valueFile([](int i) { return distinct(i); });
    folder.write(QStringLiteral("SBWert.Dat"), original);
    const QString notANumber = QStringLiteral("ist kein gültiger Wert");
    open([&](TGrundlagenForm* d) {
        const QString flex = d->FlexrohrEdit->text();
        ASSERT_NE(flex, QStringLiteral("0,00"));
        // A stray minus typed over the value and the field left with Tab.
        d->FlexrohrEdit->setFocus();
        d->FlexrohrEdit->selectAll();
        QTest::keyClicks(d->FlexrohrEdit, QStringLiteral("5-"));
        EXPECT_EQ(d->FlexrohrEdit->text(), QStringLiteral("5-"));
        answerer().expectMessage(QStringLiteral("Flex-Schläuche"));
        QTest::keyClick(d->FlexrohrEdit, Qt::Key_Tab);
        answerer().verifyDone();
        EXPECT_TRUE(answerer().asked().back().text.contains(notANumber)) << answerer().asked().back().text.toStdString();
        EXPECT_EQ(d->FlexrohrEdit->text(), flex);
        // Saving with such a text still in the edit writes nothing.
        d->HolzkanalEdit->setText(QStringLiteral("x1"));
        answerer().expectMessage(notANumber);
        EXPECT_FALSE(d->SaveBtnClick());
        answerer().verifyDone();
        EXPECT_EQ(fileBytes(), original);
        d->HolzkanalEdit->setText(QStringLiteral("0,5"));
        // An empty edit stands for 0.
        d->GemauertEdit->setText(QString());
        EXPECT_TRUE(d->SaveBtnClick());
        TIniFile ini(dat());
        EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EFlex"), QString()), flex);
        EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EHolz"), QString()), QStringLiteral("0,5"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EEGemauert"), QString()), QStringLiteral("0"));
        d->CloseBtn->click();
    });
}

TEST_F(GrundlagenTest, NumbersPastedIntoACellTakeTheLastSeparatorAsDecimal)
{
    folder.write(QStringLiteral("SBWert.Dat"), valueFile([](int i) { return distinct(i); }));
    open([&](TGrundlagenForm* d) {
        TCellGrid* grid = d->ZetaRedKonWeitGrid;
        // On the selected cell ...
        d->VorgabenPageControl->setCurrentWidget(grid->parentWidget());
        grid->setFocus();
        QApplication::processEvents();
        grid->SetCol(2);
        grid->SetRow(2);
        QGuiApplication::clipboard()->setText(QStringLiteral("0.25"));
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("0,25"));
        // ... and into the open editor.
        typeIntoCell(grid, 3, 2, QStringLiteral("1"));
        QGuiApplication::clipboard()->setText(QStringLiteral(",001.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(grid->InplaceEditor()->text(), QStringLiteral("1001,5"));
        grid->InplaceEditor()->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("1.2,5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(grid->Cells(3, 2), QStringLiteral("12,5"));
        // A pasted roughness the same way.
        QGuiApplication::clipboard()->setText(QStringLiteral("0.015"));
        d->VorgabenPageControl->setCurrentWidget(d->VorgabenTab);
        d->FlexrohrEdit->setFocus();
        d->FlexrohrEdit->selectAll();
        QTest::keyClick(d->FlexrohrEdit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(d->FlexrohrEdit->text(), QStringLiteral("0,015"));
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrNo);
        d->CloseBtn->click();
    });
}

// ---- flag and closing ------------------------------------------------------------------

TEST_F(GrundlagenTest, ClosingAfterTypingAsksUntilSaved)
{
    const QByteArray original = valueFile([](int i) { return distinct(i); });
    folder.write(QStringLiteral("SBWert.Dat"), original);
    open([&](TGrundlagenForm* d) {
        typeIntoCell(d->ZetaAbzweigGrid, 7, 1, QStringLiteral("4,5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        answerer().expectMessage(QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!"), mrNo);
        d->CloseBtn->click();
    });
    EXPECT_EQ(fileBytes(), original);
    EXPECT_TRUE(dlg->Geaendert());
    // The next opening: the file's value again, the button at once, and the question again.
    open([&](TGrundlagenForm* d) {
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(7, 1), d->Konstanten().Value(QStringLiteral("ZAbzw907")));
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrNo);
        QTest::keyClick(d->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
    });
    EXPECT_EQ(fileBytes(), original);
    // Yes writes.
    open([&](TGrundlagenForm* d) {
        d->FlexrohrEdit->setText(QStringLiteral("3,5"));
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        d->close();
    });
    EXPECT_FALSE(dlg->Geaendert());
    EXPECT_EQ(TIniFile(dat()).ReadString(QStringLiteral("Material"), QStringLiteral("EFlex"), QString()),
              QStringLiteral("3,5"));
}

TEST_F(GrundlagenTest, AValueLeftInAnOpenCellEditorIsSavedByAltS)
{
    folder.write(QStringLiteral("SBWert.Dat"), valueFile([](int i) { return distinct(i); }));
    open([&](TGrundlagenForm* d) {
        typeIntoCell(d->ZubehoerGrid, 3, 6, QStringLiteral("2,5"));
        EXPECT_TRUE(d->SaveBtn->isEnabled()) << "typing is a change";
        altS(d);
        // The button's shortcut clicks it after a short show of the press.
        for (int i = 0; i < 100 && d->SaveBtn->isEnabled(); ++i) QTest::qWait(10);
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        d->CloseBtn->click();
    });
    EXPECT_EQ(TIniFile(dat()).ReadString(QStringLiteral("Zeta-Einbauten"), QStringLiteral("zEinbauten12"), QString()),
              QStringLiteral("2,5"));
    // And one left open at closing is saved by Yes.
    open([&](TGrundlagenForm* d) {
        typeIntoCell(d->ZubehoerGrid, 1, 1, QStringLiteral("0,75"));
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        d->CloseBtn->click();
    });
    EXPECT_EQ(TIniFile(dat()).ReadString(QStringLiteral("Zeta-Einbauten"), QStringLiteral("zEinbauten1"), QString()),
              QStringLiteral("0,75"));
}

TEST_F(GrundlagenTest, AFailedWriteKeepsFlagButtonAndDialog)
{
    const QByteArray original = valueFile([](int i) { return distinct(i); });
    folder.write(QStringLiteral("SBWert.Dat"), original);
    QFile::setPermissions(dat(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    open([&](TGrundlagenForm* d) {
        d->EtaVentilatorEdit->setText(QStringLiteral("0,6"));
        answerer().expectMessage(QStringLiteral("kann nicht geschrieben werden"));
        d->SaveBtn->click();
        answerer().verifyDone();
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        EXPECT_TRUE(d->Geaendert());
        // Yes at closing with the same failure: the dialog stays with the value.
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        answerer().expectMessage(QStringLiteral("kann nicht geschrieben werden"));
        d->CloseBtn->click();
        answerer().verifyDone();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->EtaVentilatorEdit->text(), QStringLiteral("0,6"));
        // Writable again: the save goes through.
        QFile::setPermissions(dat(), QFile::ReadOwner | QFile::WriteOwner);
        answerer().expectMessage(QStringLiteral("Wollen Sie"), mrYes);
        d->CloseBtn->click();
    });
    EXPECT_EQ(TIniFile(dat()).ReadString(QStringLiteral("Material"), QStringLiteral("EtaVentilator"), QString()),
              QStringLiteral("0,6"));
}

TEST_F(GrundlagenTest, WithoutValueFileOneMessagePerOpeningAndSavingCreatesTheFile)
{
    open([&](TGrundlagenForm* d) {
        answerer().verifyDone();
        // Activating the dialog again repeats nothing.
        d->activateWindow();
        QApplication::processEvents();
        QWidget other;
        other.show();
        other.activateWindow();
        QApplication::processEvents();
        d->activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(answerer().asked().size(), 2u);  // the form and the one message
        EXPECT_EQ(d->ZubehoerGrid->Cells(0, 1), QStringLiteral("selbstt. Verschlussklappe(n)"));
        EXPECT_EQ(d->VorgabenPageControl->currentWidget(), d->VorgabenTab);
        d->BlechGefalztEdit->setText(QStringLiteral("0,15"));
        d->SaveBtn->click();
        d->CloseBtn->click();
    }, {QStringLiteral("Datei für Konstante nicht vorhanden")});
    TIniFile ini(dat());
    EXPECT_EQ(ini.ReadSections(),
              (QStringList{"Material", "Zeta-Bogen", "Zeta-Flach-horizontal", "Zeta-Flach-vertikal", "Zeta-Abzweig",
                           "Zeta-Red-scharfk", "Zeta-Red-konisch", "Zeta-Einbauten"}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Material"), QStringLiteral("EBlech"), QString()), QStringLiteral("0,15"));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Zeta-Red-konisch")).size(), 24);
}

TEST_F(GrundlagenTest, BadMaterialValuesAreNamedInOneMessageAndEverythingElseIsShown)
{
    folder.write(QStringLiteral("SBWert.Dat"), valueFile([](int i) {
                     if (i == 0) return QStringLiteral("x");
                     if (i == 3) return QString();
                     return distinct(i);
                 }));
    open([&](TGrundlagenForm* d) {
        EXPECT_EQ(d->BlechGefalztEdit->Value(), 0.0);
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,00"));
        EXPECT_DOUBLE_EQ(d->FlexrohrEdit->Value(), 0.002);
        EXPECT_DOUBLE_EQ(d->EtaVentilatorEdit->Value(), 0.007);
        EXPECT_EQ(d->ZetaBogenGlattGrid->Cells(1, 1), distinct(7));
        EXPECT_EQ(d->ZubehoerGrid->Cells(2, 6), QStringLiteral("Kanalschalldämpfer"));
        EXPECT_EQ(d->VorgabenPageControl->currentWidget(), d->VorgabenTab);
        d->CloseBtn->click();
    }, {QStringLiteral("EBlech = \"x\"\rEHolz = \"\"")});
}

// ---- the access gate ------------------------------------------------------------------

class GrundlagenGateTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        folder.write(QStringLiteral("SBWert.Dat"), valueFile([](int i) { return distinct(i); }));
        form = std::make_unique<TMainForm>();
        form->GrundlagenForm = new TGrundlagenForm(form.get());
    }
    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
    }

    // The password dialog is answered with `typed` (OK), or cancelled.
    void password(const QString& typed, bool ok = true)
    {
        answerer().expectForm([typed, ok](QWidget* w) {
            auto* p = qobject_cast<TPasswordForm*>(w);
            EXPECT_NE(p, nullptr);
            if (!p) return int(mrCancel);
            EXPECT_TRUE(p->PasswordEdit->text().isEmpty()) << "the code is asked afresh";
            p->PasswordEdit->setText(typed);
            return int(ok ? mrOk : mrCancel);
        });
    }
};

TEST_F(GrundlagenGateTest, WrongCodesAskAgainUntilTheRightOneShowsTheDialogOnce)
{
    for (const char* wrong : {"falsch", "", "qz-planung", "QZ-Planung "}) {
        password(QString::fromLatin1(wrong));
        answerer().expectMessage(QStringLiteral("Das Passwort ist falsch!!"));
    }
    password(QStringLiteral("QZ-Planung"));
    int shown = 0;
    answerer().expectForm([&](QWidget* w) {
        EXPECT_EQ(w, form->GrundlagenForm);
        ++shown;
        return int(mrOk);
    });
    form->mTechnik->trigger();
    answerer().verifyDone();
    EXPECT_EQ(shown, 1);
    const auto& asked = answerer().asked();
    ASSERT_EQ(asked.size(), 10u);
    EXPECT_EQ(asked[1].type, mtInformation);
    EXPECT_EQ(asked[9].text, QStringLiteral("TGrundlagenForm"));
}

TEST_F(GrundlagenGateTest, CancellingThePasswordShowsNothing)
{
    password(QStringLiteral("QZ-Planung"), false);
    form->mTechnik->trigger();
    answerer().verifyDone();
    EXPECT_EQ(answerer().asked().size(), 1u);
    EXPECT_FALSE(form->GrundlagenForm->isVisible());
}

}  // namespace
