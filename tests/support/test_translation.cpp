// Translation of forms from language files: paths, refused properties,
// language list and folder, switching back to German, resource strings.
#include "common/TestSupport.h"
#include "platform/Exceptions.h"
#include "platform/ResourceStrings.h"
#include "platform/StrHolder.h"
#include "support/FileCipher.h"
#include "support/Translation.h"
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A form with one component of each kind a language file meets.
class TSampleForm : public QDialog {
    Q_OBJECT
public:
    explicit TSampleForm(TTranslationManager* manager, QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName("SampleForm");
        setWindowTitle("Beispiel");
        Label1 = add<QLabel>("Label1");
        Label1->setText("Breite");
        Button1 = add<QPushButton>("Button1");
        Button1->setText("Schliessen");
        Button1->setToolTip("Fenster schliessen");
        Button1->resize(75, 25);
        Button1->setProperty("HelpContext", 280);
        Combo = add<QComboBox>("KanalartCombo");
        Combo->addItems({"Blechkanal gefalzt", "Flexibler Schlauch", "Holzkanal"});
        Combo->setCurrentIndex(2);
        Memo1 = add<QPlainTextEdit>("Memo1");
        Memo1->setPlainText("erste Zeile\nzweite Zeile");
        StatusBar1 = add<QWidget>("StatusBar1");
        StatusBar1->setProperty("Panels", QVariantList{QVariantMap{{"Text", "Bereit"}}, QVariantMap{{"Text", "-"}}});
        StatusBar1->setProperty("Tag", 7);
        Menu = add<QMenu>("mDatei");
        Menu->setTitle("&Datei");
        mNeu = new QAction("Projekt &neu", Menu);
        mNeu->setObjectName("mNeu");
        mNeu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
        Menu->addAction(mNeu);
        Holder = new TStrHolder(this, "MessStrHolder1");
        Holder->SetStrings({"", "Strombaurechner", "Teilstrecke"});
        FileCipher = new TFileCipher(this);
        FileCipher->setObjectName("FileCipher");
        FileCipher->SetIntKey(38027154);
        Translator = new TFormTranslator(this);
        Translator->setObjectName("FormTranslator");
        Translator->SetManager(manager);
    }

    // Every text a language may change, for comparing whole forms.
    QStringList Texts() const
    {
        QStringList t{windowTitle(), Label1->text(), Button1->text(), Button1->toolTip(), Memo1->toPlainText(),
                      Menu->title(), mNeu->text(), QString::number(Button1->width())};
        for (int i = 0; i < Combo->count(); ++i) t << Combo->itemText(i);
        t << Holder->Strings();
        t << StatusBar1->property("Panels").toList().at(0).toMap().value("Text").toString();
        return t;
    }

    QLabel* Label1;
    QPushButton* Button1;
    QComboBox* Combo;
    QPlainTextEdit* Memo1;
    QWidget* StatusBar1;
    QMenu* Menu;
    QAction* mNeu;
    TStrHolder* Holder;
    TFileCipher* FileCipher;
    TFormTranslator* Translator;

private:
    template <class T>
    T* add(const char* name)
    {
        T* w = new T(this);
        w->setObjectName(name);
        return w;
    }
};

// A second kind of form, for the order of translation.
class TOtherForm : public QDialog {
    Q_OBJECT
public:
    explicit TOtherForm(TTranslationManager* manager)
    {
        Label1 = new QLabel("Name", this);
        Label1->setObjectName("Label1");
        Translator = new TFormTranslator(this);
        Translator->SetManager(manager);
    }
    QLabel* Label1;
    TFormTranslator* Translator;
};

const char* const kEnglish =
    "[TSampleForm]\r\n"
    "Caption='Sample'\r\n"
    "Label1.Caption='Width'\r\n"
    "Button1.Caption='Close'\r\n"
    "Button1.Hint='Close the window'\r\n"
    "Button1.Width=120\r\n"
    "KanalartCombo.Items.Strings='Sheet metal','Flexible hose','Wooden duct'\r\n"
    "Memo1.Lines.Strings='first line','second line'\r\n"
    "mDatei.Caption='&File'\r\n"
    "mNeu.Caption='&New project'\r\n"
    "MessStrHolder1.Strings.Strings='','Duct Calculator','Section'\r\n"
    "StatusBar1.Panels.Items(0).Text='Ready'\r\n"
    "[TOtherForm]\r\n"
    "Label1.Caption='Name (en)'\r\n"
    "[ResourceStrings]\r\n"
    "65170_SMsgDlgYes='&Yes'\r\n"
    "1014_SPreviewOf='of'\r\n";

class TranslationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core = std::make_unique<TTranslationCore>();
        manager = std::make_unique<TTranslationManager>();
        manager->AfterAllTranslate = [this](QObject*) { ++translations; };
        form = std::make_unique<TSampleForm>(manager.get());
        german = form->Texts();
    }
    void TearDown() override
    {
        form.reset();
        manager.reset();
        core.reset();
        ScriptedAnswerer::instance().verifyDone();
    }
    void write(const QString& name, const QByteArray& bytes) { folder.write(name, bytes); }
    // The language folder is the program folder, as the program sets it.
    void useProgramFolder() { manager->SetLangsDir(folder.path()); }
    QStringList langs() const
    {
        QStringList l;
        for (int i = 0; i < manager->LangsCount(); ++i) l << manager->Langs(i);
        return l;
    }
    QStringList skippedKeys() const
    {
        QStringList keys;
        for (const auto& s : core->SkippedKeys()) keys << s.key;
        return keys;
    }

    TempProgramFolder folder;
    std::unique_ptr<TTranslationCore> core;
    std::unique_ptr<TTranslationManager> manager;
    std::unique_ptr<TSampleForm> form;
    QStringList german;
    int translations = 0;
};

TEST(TranslationCoreTest, OneCorePerProcessAndManagersNeedIt)
{
    EXPECT_EQ(TTranslationCore::GetTranslationCore(), nullptr);
    TTranslationManager orphan;
    try {
        orphan.SetCurrentLang("English");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Core multi lang is not assigned");
    }
    try {
        (void)orphan.LangsCount();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Core translation is not assigned.");
    }
    {
        TTranslationCore core;
        EXPECT_EQ(TTranslationCore::GetTranslationCore(), &core);
        try {
            TTranslationCore second;
            ADD_FAILURE() << "a second core was made";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith("Core Multi Lang is single instance class."));
        }
        EXPECT_EQ(TTranslationCore::GetTranslationCore(), &core);
        // Managers made before the core are not registered with it.
        EXPECT_TRUE(core.Managers().isEmpty());
    }
    EXPECT_EQ(TTranslationCore::GetTranslationCore(), nullptr);
}

TEST_F(TranslationTest, PathsOfTheFileSetTextsListsAndItems)
{
    write("English.lng", kEnglish);
    useProgramFolder();
    manager->SetCurrentLang("English");
    EXPECT_EQ(manager->CurrentLang(), "English");
    EXPECT_EQ(translations, 1);
    EXPECT_EQ(form->windowTitle(), "Sample");
    EXPECT_EQ(form->Label1->text(), "Width");
    EXPECT_EQ(form->Button1->text(), "Close");
    EXPECT_EQ(form->Button1->toolTip(), "Close the window");
    EXPECT_EQ(form->Button1->width(), 120);
    EXPECT_EQ(form->Memo1->toPlainText(), "first line\nsecond line");
    EXPECT_EQ(form->Combo->itemText(1), "Flexible hose");
    EXPECT_EQ(form->Combo->currentIndex(), 2);  // the chosen material stays chosen
    EXPECT_EQ(form->Menu->title(), "&File");
    EXPECT_EQ(form->mNeu->text(), "&New project");
    EXPECT_EQ(form->Holder->item(1), "Duct Calculator");
    EXPECT_EQ(form->StatusBar1->property("Panels").toList().at(0).toMap().value("Text").toString(), "Ready");
    EXPECT_EQ(form->StatusBar1->property("Panels").toList().at(1).toMap().value("Text").toString(), "-");
    EXPECT_TRUE(core->SkippedKeys().isEmpty());
}

TEST_F(TranslationTest, RefusedAndUnfitKeysAreSkippedAndChangeNothing)
{
    write("Evil.lng",
          "[TSampleForm]\r\n"
          "FileCipher.IntKey=12345\r\n"
          "FileCipher.Outfile='/tmp/x'\r\n"
          "FormTranslator.Manager=nil\r\n"
          "Button1.Enabled=False\r\n"
          "Button1.Visible=False\r\n"
          "Button1.HelpContext=1\r\n"
          "Button1.Color=clRed\r\n"
          "mNeu.ShortCut=0\r\n"
          "mNeu.Enabled=False\r\n"
          "StatusBar1.Tag=9\r\n"
          "Label1.Font.Style=[fsBold]\r\n"
          "Button1.Height=abc\r\n"
          "Label1.Alignment=taNowhere\r\n"
          "Nobody.Caption='x'\r\n"
          "StatusBar1.Panels.Items(5).Text='x'\r\n"
          "Label1.Caption='Still translated'\r\n");
    useProgramFolder();
    manager->SetCurrentLang("Evil");
    EXPECT_EQ(form->FileCipher->IntKey(), 38027154);
    EXPECT_EQ(form->FileCipher->Outfile(), "");
    EXPECT_EQ(form->Translator->Manager(), manager.get());
    EXPECT_TRUE(form->Button1->isEnabled());
    EXPECT_FALSE(form->Button1->isHidden());
    EXPECT_EQ(form->Button1->property("HelpContext").toInt(), 280);
    EXPECT_EQ(form->mNeu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_TRUE(form->mNeu->isEnabled());
    EXPECT_EQ(form->StatusBar1->property("Tag").toInt(), 7);
    EXPECT_FALSE(form->Label1->font().bold());
    EXPECT_EQ(form->Button1->height(), 25);  // never 0
    EXPECT_TRUE(form->Label1->alignment() & Qt::AlignLeft);
    EXPECT_EQ(form->Label1->text(), "Still translated");
    EXPECT_EQ(skippedKeys(), QStringList({"FileCipher.IntKey", "FileCipher.Outfile", "FormTranslator.Manager",
                                          "Button1.Enabled", "Button1.Visible", "Button1.HelpContext",
                                          "Button1.Color", "mNeu.ShortCut", "mNeu.Enabled", "StatusBar1.Tag",
                                          "Label1.Font.Style", "Button1.Height", "Label1.Alignment",
                                          "Nobody.Caption", "StatusBar1.Panels.Items(5).Text"}));
    for (const auto& s : core->SkippedKeys()) {
        EXPECT_EQ(s.section, "TSampleForm");
        EXPECT_FALSE(s.reason.isEmpty()) << s.key.toStdString();
    }
}

TEST_F(TranslationTest, UnknownOrSameLanguageAndCancelChangeNothing)
{
    write("English.lng", kEnglish);
    useProgramFolder();
    manager->SetCurrentLang("Klingonisch");
    EXPECT_EQ(manager->CurrentLang(), "");
    EXPECT_EQ(translations, 0);
    EXPECT_EQ(form->Texts(), german);

    manager->SetCurrentLang("english");  // any case; the list's spelling counts
    EXPECT_EQ(manager->CurrentLang(), "English");
    EXPECT_EQ(translations, 1);
    manager->SetCurrentLang("English");
    manager->SetCurrentLang("Klingonisch");
    EXPECT_EQ(translations, 1);
    EXPECT_EQ(manager->CurrentLang(), "English");

    QString asked;
    manager->CurrentLangChanging = [&](QObject* sender, const QString& from, const QString& to, bool& cancel) {
        EXPECT_EQ(sender, manager.get());
        asked = from + "->" + to;
        cancel = true;
    };
    manager->SetCurrentLang("Deutsch");
    EXPECT_EQ(asked, "English->Deutsch");
    EXPECT_EQ(manager->CurrentLang(), "English");
    EXPECT_EQ(form->Label1->text(), "Width");

    manager->LangsDirChanging = [&](QObject*, const QString& from, const QString& to, bool& cancel) {
        asked = from + "->" + to;
        cancel = true;
    };
    manager->SetLangsDir("/elsewhere");
    EXPECT_EQ(asked, folder.path() + "->/elsewhere");
    EXPECT_EQ(manager->LangsDir(), folder.path());
    EXPECT_EQ(manager->LangsCount(), 2);
}

TEST_F(TranslationTest, LanguageListAndFolderRules)
{
    write("Zulu.lng", "");
    write("english.LNG", kEnglish);
    write("Deutsch.lng", "");
    write("aachen.lng", "");
    write(".lng", "");
    write("notes.txt", "");
    write("Dutch.lng.bak", "");
    ASSERT_TRUE(QDir(folder.path()).mkdir("Folder.lng"));
    useProgramFolder();
    EXPECT_EQ(langs(), QStringList({"Deutsch", "aachen", "english", "Zulu"}));
    // The file opened is the one the scan found.
    manager->SetCurrentLang("English");
    EXPECT_EQ(manager->CurrentLang(), "english");
    EXPECT_EQ(form->Label1->text(), "Width");

    // The same folder in other letters is no change: no rescan.
    write("Late.lng", "");
    QString upper = folder.path();
    manager->SetLangsDir(upper.toUpper() == upper ? upper : upper.toUpper());
    EXPECT_EQ(manager->LangsDir(), folder.path());
    EXPECT_FALSE(langs().contains("Late"));

    // Backslashes are separators; the trailing one is added.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Language"));
    QFile::copy(folder.file("english.LNG"), folder.file("Language/english.lng"));
    QString dos = folder.path() + "Language";
    dos.replace('/', '\\');
    manager->SetLangsDir(dos);
    EXPECT_EQ(manager->LangsDir(), folder.path() + "Language/");
    EXPECT_EQ(langs(), QStringList({"Deutsch", "english"}));
    // The language has a file in the new folder: it stays.
    EXPECT_EQ(manager->CurrentLang(), "english");
    EXPECT_EQ(form->Label1->text(), "Width");

    // A relative folder lies in the program folder, whatever the working folder.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    manager->SetLangsDir(".\\Nowhere\\");
    QDir::setCurrent(cwd);
    EXPECT_EQ(core->LangsFolder(), folder.path() + "Nowhere/");
    EXPECT_EQ(langs(), QStringList({"Deutsch"}));
    // The language is gone: the form is German again.
    EXPECT_EQ(manager->CurrentLang(), "");
    EXPECT_EQ(form->Texts(), german);

    manager->SetLangsDir("Language");
    EXPECT_EQ(core->LangsFolder(), folder.path() + "Language/");
    EXPECT_EQ(langs(), QStringList({"Deutsch", "english"}));
    EXPECT_EQ(manager->CurrentLang(), "");  // no language the user did not choose

    // An empty folder lists nothing.
    manager->SetLangsDir("");
    EXPECT_EQ(manager->LangsDir(), "");
    EXPECT_EQ(manager->LangsCount(), 0);
}

TEST_F(TranslationTest, EnglishThenPartialThenDeutschGivesEveryGermanTextBack)
{
    write("English.lng", kEnglish);
    write("Partial.lng", "[TSampleForm]\nLabel1.Caption='Breite (teilweise)'\nKanalartCombo.Items.Strings='Blech'\n");
    useProgramFolder();
    manager->SetCurrentLang("English");
    const QStringList english = form->Texts();
    EXPECT_NE(english, german);

    manager->SetCurrentLang("Partial");
    QStringList expected = german;
    expected[1] = "Breite (teilweise)";
    expected[8] = "Blech";
    EXPECT_EQ(form->Texts(), expected);

    manager->SetCurrentLang("Deutsch");
    EXPECT_EQ(form->Texts(), german);
    manager->SetCurrentLang("English");
    EXPECT_EQ(form->Texts(), english);
    manager->SetCurrentLang("");
    EXPECT_EQ(form->Texts(), german);

    // A Deutsch.lng is applied over the forms' own texts.
    write("Deutsch.lng", "[TSampleForm]\nButton1.Caption='Schließen'\n");
    manager->SetLangsDir(folder.path() + "x/..");
    manager->SetCurrentLang("Deutsch");
    EXPECT_EQ(form->Button1->text(), QString::fromUtf8("Schließen"));
}

TEST_F(TranslationTest, FontsComeBackExactly)
{
    QFont pixels(QStringLiteral("Liberation Sans"));
    pixels.setPixelSize(11);
    form->Label1->setFont(pixels);
    QFont points(QStringLiteral("Liberation Serif"));
    points.setPointSize(9);
    form->Button1->setFont(points);
    write("Fonts.lng", "[TSampleForm]\nLabel1.Font.Size=14\nLabel1.Font.Name='DejaVu Sans'\n"
                       "Button1.Font.Height=-20\nButton1.Font.Style=[fsBold]\n");
    useProgramFolder();
    manager->SetCurrentLang("Fonts");
    EXPECT_EQ(form->Label1->font().pointSize(), 14);
    EXPECT_EQ(form->Label1->font().family(), "DejaVu Sans");
    EXPECT_EQ(form->Button1->font().pixelSize(), 20);
    EXPECT_FALSE(form->Button1->font().bold());
    manager->SetCurrentLang("Deutsch");
    EXPECT_EQ(form->Label1->font().pixelSize(), 11);
    EXPECT_EQ(form->Label1->font().family(), "Liberation Sans");
    EXPECT_EQ(form->Button1->font().pixelSize(), 12);  // 9 points at 96 dots per inch
}

TEST_F(TranslationTest, ListsKeepTheirNumberOfItems)
{
    write("Short.lng", "[TSampleForm]\nKanalartCombo.Items.Strings='Sheet'\nMessStrHolder1.Strings.Strings=''\n");
    write("Long.lng", "[TSampleForm]\nKanalartCombo.Items.Strings=a,b,c,d,e\nMemo1.Lines.Strings='1','2','3'\n");
    useProgramFolder();
    manager->SetCurrentLang("Short");
    EXPECT_EQ(form->Combo->count(), 3);
    EXPECT_EQ(form->Combo->itemText(0), "Sheet");
    EXPECT_EQ(form->Combo->itemText(1), "Flexibler Schlauch");
    EXPECT_EQ(form->Holder->Strings(), QStringList({"", "Strombaurechner", "Teilstrecke"}));
    manager->SetCurrentLang("Long");
    EXPECT_EQ(form->Combo->count(), 3);
    EXPECT_EQ(form->Combo->itemText(0), "a");
    EXPECT_EQ(form->Combo->itemText(2), "c");
    EXPECT_EQ(form->Combo->currentIndex(), 2);
    EXPECT_EQ(form->Memo1->toPlainText(), "1\n2");
}

TEST_F(TranslationTest, Utf8WithMarkAndWindows1252Files)
{
    // "#128" to "#159" name the code page's characters in a Windows-1252
    // file (texts and resource strings), the Unicode code points in one that
    // shows itself as UTF-8; list items are split as they stand.
    const QByteArray keys = "Button1.Caption='10 '#150' 20 '#128\r\n"
                            "KanalartCombo.Items.Strings='Blech #150',Holz\r\n"
                            "[ResourceStrings]\r\n"
                            "1014_SPreviewOf=#132'of'#147\r\n";
    write("Bom.lng", "\xEF\xBB\xBF[TSampleForm]\r\nLabel1.Caption='L\xC3\xA4nge'\r\n" + keys);
    write("Ansi.lng", "[TSampleForm]\r\nLabel1.Caption='L\xE4nge '#8364\r\n" + keys);
    write("Ascii.lng", "[TSampleForm]\r\nLabel1.Caption='L'#228'nge'\r\n" + keys);
    useProgramFolder();
    manager->SetCurrentLang("Bom");
    EXPECT_EQ(form->Label1->text(), QString::fromUtf8("Länge"));
    EXPECT_EQ(form->Button1->text(), QString::fromUtf8("10 \u0096 20 \u0080"));
    EXPECT_EQ(form->Combo->itemText(0), QStringLiteral("Blech #150"));
    EXPECT_EQ(LoadStr(1014), QString::fromUtf8("\u0084of\u0093"));
    manager->SetCurrentLang("Ansi");
    EXPECT_EQ(form->Label1->text(), QString::fromUtf8("Länge €"));
    EXPECT_EQ(form->Button1->text(), QString::fromUtf8("10 – 20 €"));
    EXPECT_EQ(form->Combo->itemText(0), QStringLiteral("Blech #150"));
    EXPECT_EQ(form->Combo->itemText(1), QStringLiteral("Holz"));
    EXPECT_EQ(LoadStr(1014), QString::fromUtf8("„of“"));
    // A file of plain ASCII, the usual one to write "#nnn" in, is the code
    // page's as well.
    manager->SetCurrentLang("Ascii");
    EXPECT_EQ(form->Label1->text(), QString::fromUtf8("Länge"));
    EXPECT_EQ(form->Button1->text(), QString::fromUtf8("10 – 20 €"));
    EXPECT_EQ(LoadStr(1014), QString::fromUtf8("„of“"));
    manager->SetCurrentLang("Deutsch");
    EXPECT_EQ(form->Texts(), german);
}

TEST_F(TranslationTest, ResourceStringsByIdentifier)
{
    write("English.lng",
          "[ResourceStrings]\n"
          "12345_SLonger='longer'\n"
          " 1234 _SShort='short'\n"
          "1234_SAgain='ignored'\n"
          "65170_SMsgDlgYes='&Yes'\n"
          "1014_SPreviewOf='of'\n"
          "abc_SNoNumber='x'\n");
    useProgramFolder();
    QString text;
    EXPECT_FALSE(core->FindResourceString(1234, text));  // no language yet
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Ja");
    manager->SetCurrentLang("English");
    ASSERT_TRUE(core->FindResourceString(1234, text));
    EXPECT_EQ(text, "short");
    ASSERT_TRUE(core->FindResourceString(12345, text));
    EXPECT_EQ(text, "longer");
    EXPECT_FALSE(core->FindResourceString(123, text));
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Yes");
    EXPECT_EQ(LoadResString(SMsgDlgNo), "&Nein");  // not in the file
    EXPECT_EQ(LoadStr(1014), "of");
    EXPECT_EQ(MessageDlgButtons(mbYes).at(0).text, "&Yes");

    // Switched off, the built-in texts answer.
    manager->SetTranslateResourceStrings(false);
    EXPECT_FALSE(manager->TranslateResourceStrings());
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Ja");
    EXPECT_EQ(LoadStr(1014), "von");
    manager->SetTranslateResourceStrings(true);
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Yes");
    manager->SetCurrentLang("Deutsch");
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Ja");

    // Without a core, nothing is redirected.
    manager->SetCurrentLang("English");
    form.reset();
    manager.reset();
    core.reset();
    EXPECT_EQ(LoadResString(SMsgDlgYes), "&Ja");
}

TEST_F(TranslationTest, UnreadableLanguageFileIsNamedOnce)
{
    write("English.lng", kEnglish);
    useProgramFolder();
    // The file turns into something that cannot be read after the scan.
    ASSERT_TRUE(QFile::remove(folder.file("English.lng")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("English.lng"));
    ScriptedAnswerer::instance().expectMessage("English.lng kann nicht gelesen werden");
    manager->SetCurrentLang("English");
    ScriptedAnswerer::instance().verifyDone();
    EXPECT_EQ(manager->CurrentLang(), "English");
    EXPECT_EQ(form->Texts(), german);
}

TEST_F(TranslationTest, TranslatorsFollowTheirManagerInOrder)
{
    write("English.lng", kEnglish);
    useProgramFolder();
    QStringList log;
    form->Translator->BeforeTranslate = [&](QObject*) { log << "before sample"; };
    form->Translator->AfterTranslate = [&](QObject*) { log << "after sample"; };
    auto other = std::make_unique<TOtherForm>(manager.get());
    other->Translator->AfterTranslate = [&](QObject*) { log << "after other"; };
    manager->BeforeAllTranslate = [&](QObject*) { log << "all before"; };
    manager->AfterAllTranslate = [&](QObject*) { log << "all after"; };
    EXPECT_EQ(manager->Translators(), QList<TFormTranslator*>({form->Translator, other->Translator}));
    manager->SetCurrentLang("English");
    EXPECT_EQ(log, QStringList({"all before", "before sample", "after sample", "after other", "all after"}));
    EXPECT_EQ(other->Label1->text(), "Name (en)");

    // A form loaded while a language is current comes up translated.
    TOtherForm late(nullptr);
    late.Translator->SetManager(manager.get());
    EXPECT_EQ(late.Label1->text(), "Name");
    late.Translator->Loaded();
    EXPECT_EQ(late.Label1->text(), "Name (en)");

    // A translator that goes unregisters; a manager that goes releases its translators.
    other.reset();
    EXPECT_EQ(manager->Translators().size(), 2);
    form->Translator->SetManager(manager.get());  // unchanged: no second registration
    EXPECT_EQ(manager->Translators().size(), 2);
    EXPECT_EQ(core->Managers(), QList<TTranslationManager*>({manager.get()}));
    manager.reset();
    EXPECT_EQ(form->Translator->Manager(), nullptr);
    EXPECT_EQ(late.Translator->Manager(), nullptr);
    EXPECT_TRUE(core->Managers().isEmpty());
    // Without a manager nothing is translated, but the events still fire.
    log.clear();
    form->Translator->Translate();
    EXPECT_EQ(log, QStringList({"before sample", "after sample"}));
}

}  // namespace

#include "test_translation.moc"
