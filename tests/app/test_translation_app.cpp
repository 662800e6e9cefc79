// The real main window and header dialog in another language: chosen by
// the user data at start, switched back to German within the run.  The
// English language file of the support tests is a full translation.
#include "app/DruckKopfForm.h"
#include "app/Strombau.h"
#include "common/TestSupport.h"
#include "grid/CellGrid.h"
#include "platform/SpeedBar.h"
#include "support/FileCipher.h"
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

// Every text of a window that a language may change, in a fixed order.
QStringList Texts(QWidget* window)
{
    QStringList t{window->windowTitle()};
    for (QObject* o : window->findChildren<QObject*>()) {
        const QString n = o->objectName() + QLatin1Char(':');
        if (auto* x = qobject_cast<QLabel*>(o)) t << n + x->text();
        if (auto* x = qobject_cast<QAbstractButton*>(o)) t << n + x->text();
        if (auto* x = qobject_cast<QWidget*>(o); x && !x->toolTip().isEmpty()) t << n + x->toolTip();
        if (auto* x = qobject_cast<QMenu*>(o)) t << n + x->title();
        if (auto* x = qobject_cast<QAction*>(o)) t << n + x->text() + QLatin1Char('|') + x->toolTip();
        if (auto* x = qobject_cast<QComboBox*>(o))
            for (int i = 0; i < x->count(); ++i) t << n + x->itemText(i);
        if (auto* x = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < x->count(); ++i) t << n + x->tabText(i);
        if (auto* x = qobject_cast<TStrHolder*>(o)) t << n + x->Strings().join(QLatin1Char('|'));
        if (auto* x = qobject_cast<TSpeedbarSection*>(o)) t << n + x->Caption();
        if (auto* x = qobject_cast<TFileDialogComponent*>(o)) t << n + x->Title() + QLatin1Char('|') + x->Filter();
        if (auto* x = qobject_cast<TCellGrid*>(o)) t << n + x->Cells(0, 0) + QLatin1Char('|') + x->Cells(0, 1);
    }
    return t;
}

class TranslatedMainFormTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/support/data/English.lng"),
                                folder.file(QStringLiteral("English.lng"))));
    }
    void TearDown() override
    {
        form.reset();
        // The core lives on for the other tests: no language, no folder.
        TTranslationCore::GetTranslationCore()->SetLangsDir(QString());
        answerer().verifyDone();
    }
    // Starts as the program does: main window, then the header dialog.
    void start(const char* sprache)
    {
        folder.write(QStringLiteral("SBWert.Dat"), QByteArray("[Userdaten]\r\nSprache=") + sprache + "\r\n");
        form = std::make_unique<TMainForm>();
        form->DruckkopfDlg = new TDruckkopfDlg(form.get());
        form->FormActivate();
    }
    void grab(QWidget* w, const QString& name)
    {
        const QString file = QStringLiteral("/tmp/strombau_%1.png").arg(name);
        EXPECT_TRUE(w->grab().save(file)) << file.toStdString();
    }
};

TEST_F(TranslatedMainFormTest, EmptyLanguageStartsGermanBesideALanguageFile)
{
    start("");
    EXPECT_EQ(form->TranslationManager->CurrentLang(), QString());
    EXPECT_EQ(form->TranslationManager->LangsCount(), 2);
    EXPECT_EQ(form->TranslationManager->Langs(1), QStringLiteral("English"));
    EXPECT_EQ(form->Datei1->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(form->AuslegungPageCtrl->tabText(0), QStringLiteral("Vorgaben und Ergebnisse"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Strombaurechner <unbenannt>"));
    EXPECT_EQ(form->DruckkopfDlg->windowTitle(), QStringLiteral("Projekt-Kopfdaten"));
    EXPECT_EQ(MessageDlgCaption(mtWarning), QStringLiteral("Warnung"));
}

TEST_F(TranslatedMainFormTest, EnglishAtStartThenDeutschGivesTheGermanWindowsBack)
{
    start("");
    const QStringList germanMain = Texts(form.get());
    const QStringList germanHeader = Texts(form->DruckkopfDlg);
    form.reset();

    start("English");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->FormActivate();
    EXPECT_EQ(form->TranslationManager->CurrentLang(), QStringLiteral("English"));
    // The file is a full translation: every key found its property.
    for (const auto& s : TTranslationCore::GetTranslationCore()->SkippedKeys())
        ADD_FAILURE() << s.section.toStdString() << ": " << s.key.toStdString() << ": " << s.reason.toStdString();

    // Menus, tabs, hints, labels, lists, grid headings, the window caption.
    EXPECT_EQ(form->Datei1->title(), QStringLiteral("&File"));
    EXPECT_EQ(form->mProjektNeu->text(), QStringLiteral("&New project"));
    EXPECT_EQ(form->mTSInsert->text(), QStringLiteral("Insert section"));
    EXPECT_EQ(form->AuslegungPageCtrl->tabText(0), QStringLiteral("Inputs and results"));
    EXPECT_EQ(form->FormstueckPageCtrl->tabText(0), QStringLiteral("Bends"));
    EXPECT_EQ(form->FormCloseBtn->toolTip(), QStringLiteral("Exit the program"));
    EXPECT_EQ(form->SpeedbarSection1->Caption(), QStringLiteral("File"));
    EXPECT_EQ(form->TSCaptionLbl1->text(), QStringLiteral("Section"));
    EXPECT_EQ(form->KanalartCombo->itemText(0), QStringLiteral("Folded sheet metal duct"));
    EXPECT_EQ(form->KanalartCombo->count(), 6);
    EXPECT_EQ(form->KanalartCombo->currentIndex(), 0);
    EXPECT_EQ(form->ZetaBogenGlattGrid->Cells(0, 1), QStringLiteral("pcs."));
    EXPECT_EQ(form->FremdEinbGrid->Cells(1, 0), QStringLiteral("Description"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Duct Calculator <untitled>"));
    EXPECT_EQ(form->MessStrHolder1->item(8), QStringLiteral("Zeta values missing"));
    EXPECT_EQ(form->OpenDlg->Title(), QStringLiteral("Open project file"));
    EXPECT_EQ(form->PasswordDlg->Caption(), QStringLiteral("Change technical data"));
    // What no language may touch.
    EXPECT_EQ(form->FileCipher->IntKey(), 38027154);
    EXPECT_FALSE(form->mProjektSave->isEnabled());
    EXPECT_EQ(form->mProjektNeu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    // Messages and their buttons.
    EXPECT_EQ(MessageDlgCaption(mtWarning), QStringLiteral("Warning"));
    const QList<MessageDlgButton> buttons = MessageDlgButtons(mbYesNo);
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons.at(0).text, QStringLiteral("&Yes"));
    EXPECT_EQ(buttons.at(1).text, QStringLiteral("&No"));
    EXPECT_EQ(LoadStr(1014), QStringLiteral("of"));
    // The header dialog, made after the language was chosen.
    TDruckkopfDlg* header = form->DruckkopfDlg;
    EXPECT_EQ(header->windowTitle(), QStringLiteral("Project header"));
    EXPECT_EQ(header->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Street"));
    EXPECT_EQ(header->findChild<QLabel*>(QStringLiteral("Label10"))->text(), QStringLiteral("Closing remarks"));
    grab(form.get(), QStringLiteral("mainform_english"));
    header->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(header));
    grab(header, QStringLiteral("druckkopf_english"));
    header->hide();

    // Back to German within the run.
    form->TranslationManager->SetCurrentLang(QStringLiteral("Deutsch"));
    form->FormActivate();
    EXPECT_EQ(Texts(form.get()), germanMain);
    EXPECT_EQ(Texts(header), germanHeader);
    EXPECT_EQ(MessageDlgCaption(mtWarning), QStringLiteral("Warnung"));
    EXPECT_EQ(LoadStr(1014), QStringLiteral("von"));
    grab(form.get(), QStringLiteral("mainform_deutsch"));
}

}  // namespace
