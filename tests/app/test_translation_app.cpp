// The real main window and header dialog in another language: chosen by
// the user data at start, switched back to German within the run.  The
// English language file of the support tests is a full translation.
#include "app/DruckKopfForm.h"
#include "app/Strombau.h"
#include "app/UserForm.h"
#include "common/TestSupport.h"
#include "grid/CellGrid.h"
#include "platform/PropertyPath.h"
#include "platform/SpeedBar.h"
#include "support/FileCipher.h"
#include "support/LangIniFile.h"
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
#include <string>
#include <vector>

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
        TUserDlg::ResetRunState();
        addLanguage("English");
    }
    void TearDown() override
    {
        form.reset();
        // The core lives on for the other tests: no language, no folder.
        TTranslationCore::GetTranslationCore()->SetLangsDir(QString());
        answerer().verifyDone();
        TUserDlg::ResetRunState();
    }
    // A language file of the support tests into the program folder.
    void addLanguage(const QString& name)
    {
        const QString file = name + QStringLiteral(".lng");
        ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/support/data/") + file, folder.file(file)));
    }
    // The language chosen as the user does: in the settings, then saved.
    void chooseInSettings(const QString& language)
    {
        answerer().expectForm([&](QWidget* w) {
            auto* d = qobject_cast<TUserDlg*>(w);
            EXPECT_NE(d, nullptr);
            if (!d) return int(mrCancel);
            EXPECT_TRUE(ShowActive(d));
            const int index = d->SpracheCB->findText(language);
            EXPECT_GE(index, 0) << language.toStdString();
            d->SpracheCB->setCurrentIndex(index);
            emit d->SpracheCB->activated(index);
            d->SaveBtn->click();
            d->CloseBtn->click();
            return d->result();
        });
        form->Benutzereinstellungen1->trigger();
        answerer().verifyDone();
        EXPECT_EQ(form->TranslationManager->CurrentLang(), language);
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

// Every path a language file sets on the main window and the header
// dialog, with the value it has there (in the form text notation).
std::vector<std::string> Touched(const QString& languageFile, TMainForm* main)
{
    std::vector<std::string> values;
    const TLangIniFile file(languageFile);
    const QList<QPair<const char*, QObject*>> forms{{"TMainForm", main}, {"TDruckkopfDlg", main->DruckkopfDlg}};
    for (const auto& [section, form] : forms)
        for (const QString& path : file.ReadSection(QLatin1String(section))) {
            DfmValue value;
            const bool found = GetPropertyPath(form, path, value);
            EXPECT_TRUE(found) << path.toStdString();
            values.push_back((QLatin1String(section) + QLatin1Char(' ') + path + QLatin1Char('=')
                              + (found ? WriteFormValue(value) : QString()))
                                 .toStdString());
        }
    return values;
}

QLabel* LabelOf(QObject* form, const char* name)
{
    return qobject_cast<QLabel*>(FindComponentByName(form, QLatin1String(name)));
}

TEST_F(TranslatedMainFormTest, TwoKeysChangingOneSizeComeBackGermanWhenDeutschIsChosen)
{
    // The last key of each pair decides: its width, its font in points (size)
    // or in pixels (height).
    const struct {
        const char* language;
        int width, headerWidth;
        QString font, headerFont;
    } cases[] = {
        {"SizesTwice", 240, 80, QStringLiteral("16pt"), QStringLiteral("14pt")},
        {"SizesTwiceReversed", 190, 60, QStringLiteral("20px"), QStringLiteral("18px")},
    };
    const auto fontOf = [](QLabel* l) {
        const QFont f = l->font();
        return f.pixelSize() > 0 ? QStringLiteral("%1px").arg(f.pixelSize()) : QStringLiteral("%1pt").arg(f.pointSize());
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const QString language = QLatin1String(c.language);
        addLanguage(language);
        start("");
        const QString file = folder.file(language + QStringLiteral(".lng"));
        const std::vector<std::string> german = Touched(file, form.get());
        ASSERT_EQ(german.size(), 8);
        form.reset();

        start(c.language);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_TRUE(TTranslationCore::GetTranslationCore()->SkippedKeys().isEmpty());
        QLabel* label = LabelOf(form.get(), "Label1");
        QLabel* headerLabel = LabelOf(form->DruckkopfDlg, "Label1");
        ASSERT_TRUE(label && headerLabel);
        EXPECT_EQ(label->width(), c.width);
        EXPECT_EQ(headerLabel->width(), c.headerWidth);
        EXPECT_EQ(fontOf(label), c.font);
        EXPECT_EQ(fontOf(headerLabel), c.headerFont);
        const std::vector<std::string> translated = Touched(file, form.get());
        ASSERT_EQ(translated.size(), german.size());
        for (size_t i = 0; i < german.size(); ++i) EXPECT_NE(translated.at(i), german.at(i));

        chooseInSettings(QStringLiteral("Deutsch"));
        EXPECT_EQ(Touched(file, form.get()), german);
        EXPECT_EQ(label->geometry(), QRect(8, 38, 150, 14));
        EXPECT_EQ(headerLabel->geometry(), QRect(8, 15, 32, 14));
        EXPECT_EQ(fontOf(label), QStringLiteral("11px"));
        EXPECT_EQ(fontOf(headerLabel), QStringLiteral("11px"));
        form.reset();
        TUserDlg::ResetRunState();
    }
}

TEST_F(TranslatedMainFormTest, AWindows1252FileMeansItsCodePageCharacters)
{
    addLanguage(QStringLiteral("Windows1252"));
    start("");
    const QStringList germanMain = Texts(form.get());
    const QStringList germanHeader = Texts(form->DruckkopfDlg);
    form.reset();

    start("Windows1252");
    EXPECT_EQ(LabelOf(form.get(), "Label1")->text(), QString::fromUtf8("Luftmenge – Vorgabe"));
    EXPECT_EQ(LabelOf(form.get(), "Label3")->text(), QString::fromUtf8("Länge"));
    EXPECT_EQ(form->TSCaptionLbl1->text(), QString::fromUtf8("„Teilstrecke“"));
    EXPECT_EQ(LabelOf(form->DruckkopfDlg, "Label1")->text(), QString::fromUtf8("Name – Firma"));
    EXPECT_EQ(LabelOf(form->DruckkopfDlg, "Label2")->text(), QString::fromUtf8("Kosten in €"));
    EXPECT_EQ(LoadStr(1014), QString::fromUtf8("–von–"));

    chooseInSettings(QStringLiteral("Deutsch"));
    EXPECT_EQ(Texts(form.get()), germanMain);
    EXPECT_EQ(Texts(form->DruckkopfDlg), germanHeader);
    EXPECT_EQ(LoadStr(1014), QStringLiteral("von"));
}

}  // namespace
