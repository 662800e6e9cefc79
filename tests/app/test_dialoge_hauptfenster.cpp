// The three dialogs of the menus "Einstellungen" and "?" in the real main
// window, on a program folder with the delivered value file.  With
// SB_GRAB_DIR set, every tab and box is saved there as PNG to look at.
#include "app/About.h"
#include "app/GrundlagenDLG.h"
#include "app/Strombau.h"
#include "app/UserForm.h"
#include "common/TestSupport.h"
#include "grid/CellGrid.h"
#include "platform/CurrencyEdit.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/SpeedBar.h"
#include "support/PasswordDialogs.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

// The grab of `w`; saved as `name`.png when SB_GRAB_DIR names a folder.
QImage grabbed(QWidget* w, const QString& name)
{
    QApplication::processEvents();
    const QImage image = w->grab().toImage();
    const QString dir = qEnvironmentVariable("SB_GRAB_DIR");
    if (!dir.isEmpty() && QDir().mkpath(dir)) image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}

// How many different colours a picture holds (a blank one holds one).
int colours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

class DialogeHauptfenster : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;
    HelpOpener previousHelp;
    QStringList helpContexts;  // the help pages opened, by context

    // F1 on `w` as the user presses it; returns the context opened.
    QString f1(QWidget* w)
    {
        const qsizetype before = helpContexts.size();
        QTest::keyClick(w, Qt::Key_F1);
        return helpContexts.size() == before + 1 ? helpContexts.last() : QStringLiteral("<keine Hilfe>");
    }

    void SetUp() override
    {
        folder.write(QStringLiteral("Strombaurechner.html"), "<html></html>");
        previousHelp = SetHelpOpener([this](const QUrl& url) {
            helpContexts << url.fragment();
            return true;
        });
        TUserDlg::ResetRunState();
        ASSERT_TRUE(folder.installValueFile(true));  // no tip when the window shows
        form = std::make_unique<TMainForm>();
        form->GrundlagenForm = new TGrundlagenForm(form.get());
        ASSERT_TRUE(ShowActive(form.get()));
    }
    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
        TUserDlg::ResetRunState();
        SetHelpOpener(previousHelp);
    }
    QString value(const char* section, const char* key) const
    {
        return TIniFile(folder.file(QStringLiteral("SBWert.Dat")))
            .ReadString(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<fehlt>"));
    }
};

TEST_F(DialogeHauptfenster, TechnicalDataFromTheMenu)
{
    answerer().expectForm([](QWidget* w) {
        auto* p = qobject_cast<TPasswordForm*>(w);
        EXPECT_NE(p, nullptr);
        if (!p) return int(mrCancel);
        EXPECT_EQ(p->windowTitle(), QStringLiteral("Technikdaten ändern"));
        p->PasswordEdit->setText(QStringLiteral("QZ-Planung"));
        return int(mrOk);
    });
    answerer().expectForm([&](QWidget* w) {
        auto* d = qobject_cast<TGrundlagenForm*>(w);
        EXPECT_NE(d, nullptr);
        if (!d) return int(mrCancel);
        d->setWindowModality(Qt::ApplicationModal);  // as its modal showing
        EXPECT_TRUE(ShowActive(d));
        QApplication::processEvents();
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Vorgabewerte zur Berechnung"));
        EXPECT_EQ(d->property("HelpContext").toInt(), 250);
        EXPECT_EQ(d->VorgabenPageControl->count(), 7);
        EXPECT_EQ(d->VorgabenPageControl->tabText(1), QStringLiteral("Zeta  Bogen (rund)"));
        EXPECT_EQ(d->BlechGefalztEdit->DisplayText(), QStringLiteral("0,15"));
        EXPECT_EQ(d->ZetaAbzweigGrid->Cells(1, 1), QStringLiteral("7,25"));
        EXPECT_EQ(d->ZetaRedKonWeitGrid->Cells(6, 3), QStringLiteral("0,62"));
        for (int i = 0; i < d->VorgabenPageControl->count(); ++i) {
            d->VorgabenPageControl->setCurrentIndex(i);
            const QImage image = grabbed(d, QStringLiteral("technik_%1").arg(i));
            EXPECT_EQ(image.size(), d->size() * d->devicePixelRatio());
            EXPECT_GT(colours(image), 8) << "tab " << i;
        }
        // Every fitting picture is drawn.
        for (TImage* picture : d->findChildren<TImage*>()) {
            EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
            EXPECT_GT(colours(picture->pixmap().toImage()), 3) << picture->objectName().toStdString();
        }
        EXPECT_EQ(d->findChildren<TImage*>().size(), 9);
        EXPECT_EQ(f1(d->FlexrohrEdit), QStringLiteral("250"));
        // Edit and save as a user does.
        d->VorgabenPageControl->setCurrentIndex(0);
        d->EtaVentilatorEdit->setFocus();
        d->EtaVentilatorEdit->selectAll();
        QTest::keyClicks(d->EtaVentilatorEdit, QStringLiteral("0,6"));
        d->VorgabenPageControl->setCurrentIndex(3);
        d->ZetaAbzweigGrid->setFocus();
        d->ZetaAbzweigGrid->SetCol(7);
        d->ZetaAbzweigGrid->SetRow(1);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1,2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        for (int i = 0; i < 100 && d->SaveBtn->isEnabled(); ++i) QTest::qWait(10);
        EXPECT_FALSE(d->SaveBtn->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(d->isVisible());
        return d->result();
    });
    form->mTechnik->trigger();
    answerer().verifyDone();
    EXPECT_EQ(value("Material", "EtaVentilator"), QStringLiteral("0,6"));
    EXPECT_EQ(value("Zeta-Abzweig", "ZAbzw907"), QStringLiteral("1,2"));
    EXPECT_EQ(value("Zeta-Abzweig", "ZAbzw906"), QStringLiteral("1,25"));
}

TEST_F(DialogeHauptfenster, UserSettingsAndInformationFromTheMenu)
{
    answerer().expectForm([&](QWidget* w) {
        auto* d = qobject_cast<TUserDlg*>(w);
        EXPECT_NE(d, nullptr);
        if (!d) return int(mrCancel);
        d->setWindowModality(Qt::ApplicationModal);  // as its modal showing
        EXPECT_TRUE(ShowActive(d));
        EXPECT_EQ(d->property("HelpContext").toInt(), 270);
        QApplication::processEvents();
        d->FirmaEdit->setFocus();
        QTest::keyClicks(d->FirmaEdit, QStringLiteral("Planungsbuero Sued"));
        EXPECT_EQ(f1(d->FirmaEdit), QStringLiteral("270"));
        QTest::keyClick(d->FirmaEdit, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d->UserEdit) << "Tab goes on to the next input";
        QTest::keyClicks(d->UserEdit, QStringLiteral("Jan Ost"));
        d->VortextMemo->setFocus();
        QTest::keyClicks(d->VortextMemo, QStringLiteral("Zeile A"));
        QTest::keyClick(d->VortextMemo, Qt::Key_Return);
        QTest::keyClicks(d->VortextMemo, QStringLiteral("Zeile B"));
        grabbed(d, QStringLiteral("benutzer"));
        EXPECT_TRUE(d->SaveBtn->isEnabled());
        d->SaveBtn->click();
        QTest::keyClick(d, Qt::Key_Escape);
        return d->result();
    });
    form->Benutzereinstellungen1->trigger();
    answerer().verifyDone();
    EXPECT_EQ(value("Userdaten", "Firma"), QStringLiteral("Planungsbuero Sued"));
    EXPECT_EQ(value("Userdaten", "Nutzer"), QStringLiteral("Jan Ost"));
    EXPECT_EQ(value("Userdaten", "Vortext"), QStringLiteral("Zeile A¤nZeile B"));
    EXPECT_EQ(form->Userdaten.Vortext, QStringLiteral("Zeile A\nZeile B"));

    answerer().expectForm([&](QWidget* w) {
        auto* box = qobject_cast<TAboutBox*>(w);
        EXPECT_NE(box, nullptr);
        if (!box) return int(mrCancel);
        box->show();
        const QImage image = grabbed(box, QStringLiteral("info"));
        EXPECT_GT(colours(image), 8);
        EXPECT_EQ(f1(box->OKButton), QStringLiteral("260"));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(box->isVisible());
        return box->result();
    });
    form->mAbout->trigger();
    answerer().verifyDone();
}

}  // namespace
