#include "platform/Exceptions.h"
#include "platform/FormComponent.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include "platform/StrHolder.h"
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A component with form entries of its own, like a grid.
class FakeGrid : public QWidget, public TFormComponent {
public:
    explicit FakeGrid(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }
    bool ReadFormProperty(const QString& name, const DfmValue& value) override
    {
        if (name.compare("Cells", Qt::CaseInsensitive) != 0) return false;
        cells = value;
        return true;
    }
    void Loaded() override { ++loaded; }
    DfmValue cells;
    int loaded = 0;
};

// A component with properties of its own.
class Translator : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* Manager READ manager WRITE setManager)
    Q_PROPERTY(Mode Mode READ mode WRITE setMode)
    Q_PROPERTY(QString LangsDir READ langsDir WRITE setLangsDir)

public:
    enum Mode { tmNone, tmAll };
    Q_ENUM(Mode)
    using QObject::QObject;
    QObject* manager() const { return m_manager; }
    void setManager(QObject* m) { m_manager = m; }
    Mode mode() const { return m_mode; }
    void setMode(Mode m) { m_mode = m; }
    QString langsDir() const { return m_dir; }
    void setLangsDir(const QString& d) { m_dir = d; }

private:
    QObject* m_manager = nullptr;
    Mode m_mode = tmNone;
    QString m_dir;
};

// A button that keeps its caption for itself and shows only its glyph.
class GlyphButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    using QToolButton::QToolButton;
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& c) { m_caption = c; }

private:
    QString m_caption;
};

// A non-visual component that declares its translated texts.
class TitledDialog : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TranslatedProperties", "Title")
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)

public:
    using QObject::QObject;
    QString Title() const { return m_title; }
    void SetTitle(const QString& t) { m_title = t; }
    QString InitialDir() const { return m_dir; }
    void SetInitialDir(const QString& d) { m_dir = d; }

private:
    QString m_title, m_dir;
};

// A label that opens a link.
class LinkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)

public:
    using QLabel::QLabel;
    QString URL() const { return m_url; }
    void SetURL(const QString& u) { m_url = u; }

private:
    QString m_url;
};

DfmValue str(const char* s) { return DfmValue::fromString(QString::fromUtf8(s)); }
DfmValue ident(const char* s) { return DfmValue::fromIdent(QString::fromUtf8(s)); }
DfmValue strings(const QStringList& list)
{
    DfmValue v = DfmValue::emptyList();
    for (const QString& s : list) v.items.append(DfmValue::fromString(s));
    return v;
}

// A small window with one of each kind of component.
struct TestForm {
    QDialog form;
    QLabel* label;
    QGroupBox* group;
    QTabWidget* tabs;
    QWidget* page;
    QComboBox* combo;
    QPlainTextEdit* memo;
    QLineEdit* edit;
    QPushButton* button;
    QMenu* menu;
    QAction* action;
    TStrHolder* holder;
    FakeGrid* grid;
    FakeGrid* innerGrid;
    Translator* translator;
    QObject* openDlg;
    class TitledDialog* titled;
    class LinkLabel* link;

    TestForm()
    {
        form.setObjectName("MainForm");
        label = new QLabel(&form);
        label->setObjectName("TSCaptionLbl1");
        group = new QGroupBox(&form);
        group->setObjectName("KanalGroup");
        tabs = new QTabWidget(&form);
        tabs->setObjectName("AuslegungPageCtrl");
        page = new QWidget;
        page->setObjectName("ZubehoerTab");
        tabs->addTab(page, "x");
        combo = new QComboBox(page);
        combo->setObjectName("KanalartCombo");
        memo = new QPlainTextEdit(page);
        memo->setObjectName("VortextMemo");
        edit = new QLineEdit(group);
        edit->setObjectName("TSLaengeEdit");
        button = new QPushButton(&form);
        button->setObjectName("FormCloseBtn");
        menu = new QMenu(&form);
        menu->setObjectName("mDatei");
        action = new QAction(menu);
        action->setObjectName("mNeu");
        menu->addAction(action);
        holder = new TStrHolder(&form, "MessStrHolder1");
        grid = new FakeGrid(&form, "ZetaBogenGlattGrid");
        innerGrid = new FakeGrid(page, "ZetaFlachGrid");
        translator = new Translator(&form);
        translator->setObjectName("FormTranslator");
        openDlg = new QObject(&form);
        openDlg->setObjectName("OpenDlg");
        titled = new TitledDialog(&form);
        titled->setObjectName("TitledDlg");
        link = new LinkLabel(&form);
        link->setObjectName("HomeLink");
        link->setText("www.example.com");
        auto* mainMenu = new QObject(&form);
        mainMenu->setObjectName("RxMainMenu1");
    }
};

bool set(QObject* root, const char* path, const DfmValue& v, PropertyPolicy policy = PropertyPolicy::FormResource,
         QString* error = nullptr)
{
    return SetPropertyPath(root, QString::fromUtf8(path), v, policy, error);
}

DfmValue get(QObject* root, const char* path)
{
    DfmValue v;
    EXPECT_TRUE(GetPropertyPath(root, QString::fromUtf8(path), v)) << path;
    return v;
}

}  // namespace

TEST(StrHolderTest, FetchOutsideTheListGivesEmptyText)
{
    TStrHolder holder(nullptr, "GridStrHolder");
    EXPECT_EQ(holder.objectName(), "GridStrHolder");
    EXPECT_EQ(holder.item(0), "");
    holder.SetStrings({"R / D", "Stck."});
    EXPECT_EQ(holder.item(1), "Stck.");
    EXPECT_EQ(holder.item(2), "");
    EXPECT_EQ(holder.item(-1), "");
    EXPECT_EQ(holder.count(), 2);
}

TEST(PropertyPathTest, CaptionGoesWhereEachWidgetShowsIt)
{
    TestForm f;
    EXPECT_TRUE(set(&f.form, "Caption", str("Strombaurechner <unbenannt>")));
    EXPECT_EQ(f.form.windowTitle(), "Strombaurechner <unbenannt>");
    EXPECT_TRUE(set(&f.form, "tscaptionlbl1.CAPTION", str("Teilstrecke 1")));
    EXPECT_EQ(f.label->text(), "Teilstrecke 1");
    EXPECT_TRUE(set(&f.form, "KanalGroup.Caption", str("Kanal")));
    EXPECT_EQ(f.group->title(), "Kanal");
    EXPECT_TRUE(set(&f.form, "ZubehoerTab.Caption", str("Zubehör")));
    EXPECT_EQ(f.tabs->tabText(0), QString::fromUtf8("Zubehör"));
    EXPECT_TRUE(set(&f.form, "mNeu.Caption", str("Projekt &neu")));
    EXPECT_EQ(f.action->text(), "Projekt &neu");
    EXPECT_TRUE(set(&f.form, "mDatei.Caption", str("&Datei")));
    EXPECT_EQ(f.menu->title(), "&Datei");
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Caption", str("Ende")));
    EXPECT_EQ(f.button->text(), "Ende");
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Hint", str("Programm beenden")));
    EXPECT_EQ(f.button->toolTip(), "Programm beenden");
    EXPECT_EQ(f.button->statusTip(), "Programm beenden");

    EXPECT_EQ(get(&f.form, "ZubehoerTab.Caption").text, QString::fromUtf8("Zubehör"));
    EXPECT_EQ(get(&f.form, "Caption").text, "Strombaurechner <unbenannt>");
    EXPECT_EQ(get(&f.form, "mDatei.Caption").text, "&Datei");
}

TEST(PropertyPathTest, ShortCutsDecodeTheStoredNumber)
{
    TestForm f;
    EXPECT_TRUE(set(&f.form, "mNeu.ShortCut", DfmValue::fromInt(16462)));
    EXPECT_EQ(f.action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(get(&f.form, "mNeu.ShortCut").integer, 16462);
    EXPECT_TRUE(set(&f.form, "mNeu.ShortCut", DfmValue::fromInt(112)));
    EXPECT_EQ(f.action->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(set(&f.form, "mNeu.ShortCut", DfmValue::fromInt(0x2000 | 0x8000 | 0x2E)));
    EXPECT_EQ(f.action->shortcut(), QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Delete));
    EXPECT_EQ(get(&f.form, "mNeu.ShortCut").integer, 0x2000 | 0x8000 | 0x2E);
    EXPECT_TRUE(set(&f.form, "mNeu.ShortCut", DfmValue::fromInt(0)));
    EXPECT_TRUE(f.action->shortcut().isEmpty());
}

TEST(PropertyPathTest, FontPartsAndColours)
{
    TestForm f;
    DfmValue style;
    style.kind = DfmValue::Set;
    style.setItems = {"fsBold", "fsUnderline"};
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Font.Style", style));
    EXPECT_TRUE(f.label->font().bold());
    EXPECT_TRUE(f.label->font().underline());
    EXPECT_FALSE(f.label->font().italic());
    EXPECT_EQ(get(&f.form, "TSCaptionLbl1.Font.Style").setItems, QStringList({"fsBold", "fsUnderline"}));

    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Font.Name", str("Arial")));
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Font.Height", DfmValue::fromInt(-12)));
    EXPECT_EQ(f.label->font().family(), "Arial");
    EXPECT_EQ(f.label->font().pixelSize(), 12);
    EXPECT_EQ(get(&f.form, "TSCaptionLbl1.Font.Height").integer, -12);
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Font.Size", DfmValue::fromInt(10)));
    EXPECT_EQ(f.edit->font().pointSize(), 10);

    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Font.Color", ident("clMaroon")));
    EXPECT_EQ(f.label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Font.Color", DfmValue::fromInt(0xFF0000)));  // blue
    EXPECT_EQ(f.label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Color", ident("clWindow")));
    EXPECT_EQ(f.edit->palette().color(QPalette::Base), QColor(255, 255, 255));
    // Read-only fields in clScrollBar stand apart from input fields, whatever the theme.
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Color", ident("clScrollBar")));
    EXPECT_NE(f.edit->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(get(&f.form, "TSLaengeEdit.Color").integer, qint32(0x80000000));
    // Colours stored as numbers, system colours negative.
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Color", DfmValue::fromInt(-2147483643)));  // clWindow
    EXPECT_EQ(f.edit->palette().color(QPalette::Base), QColor(255, 255, 255));

    QString error;
    style.setItems = {"fsBold", "fsFancy"};
    EXPECT_FALSE(set(&f.form, "TSCaptionLbl1.Font.Style", style, PropertyPolicy::FormResource, &error));
    EXPECT_TRUE(error.contains("Font.Style"));
    EXPECT_FALSE(set(&f.form, "TSCaptionLbl1.Font.Color", ident("clNoSuchColour")));
}

TEST(PropertyPathTest, StringListsFillTheirWidgets)
{
    TestForm f;
    EXPECT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"Blechkanal gefalzt", "Faserzement"})));
    ASSERT_EQ(f.combo->count(), 2);
    EXPECT_EQ(f.combo->itemText(1), "Faserzement");
    EXPECT_TRUE(set(&f.form, "KanalartCombo.ItemIndex", DfmValue::fromInt(1)));
    EXPECT_EQ(f.combo->currentIndex(), 1);
    // New items keep the selection where it still exists.
    EXPECT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"Sheet metal", "Fibre cement"})));
    EXPECT_EQ(f.combo->currentText(), "Fibre cement");
    EXPECT_EQ(get(&f.form, "KanalartCombo.Items.Strings").items.size(), 2);

    EXPECT_TRUE(set(&f.form, "VortextMemo.Lines.Strings", strings({"Zeile 1", "Zeile 2"})));
    EXPECT_EQ(f.memo->toPlainText(), "Zeile 1\nZeile 2");

    EXPECT_TRUE(set(&f.form, "MessStrHolder1.Strings.Strings", strings({"a", "b", "c"})));
    EXPECT_EQ(f.holder->item(2), "c");
    EXPECT_EQ(f.holder->item(3), "");
    EXPECT_EQ(get(&f.form, "MessStrHolder1.Strings.Strings").items[1].text, "b");

    // A list holding something other than texts does not fit.
    DfmValue bad = DfmValue::emptyList();
    bad.items.append(DfmValue::emptyList());
    EXPECT_FALSE(set(&f.form, "MessStrHolder1.Strings.Strings", bad));
    EXPECT_EQ(f.holder->count(), 3);
}

TEST(PropertyPathTest, StatesGeometryAndOwnProperties)
{
    TestForm f;
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Enabled", ident("False")));
    EXPECT_FALSE(f.edit->isEnabled());
    EXPECT_TRUE(set(&f.form, "mNeu.Visible", ident("False")));
    EXPECT_FALSE(f.action->isVisible());
    EXPECT_TRUE(set(&f.form, "mNeu.Checked", ident("True")));
    EXPECT_TRUE(f.action->isChecked());
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.ReadOnly", ident("True")));
    EXPECT_TRUE(f.edit->isReadOnly());
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.MaxLength", DfmValue::fromInt(0)));
    EXPECT_GE(f.edit->maxLength(), 32767);
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.MaxLength", DfmValue::fromInt(5)));
    EXPECT_EQ(f.edit->maxLength(), 5);
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Alignment", ident("taRightJustify")));
    EXPECT_TRUE(f.edit->alignment() & Qt::AlignRight);
    EXPECT_TRUE(set(&f.form, "TSLaengeEdit.Text", str("12,5")));
    EXPECT_EQ(f.edit->text(), "12,5");

    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Left", DfmValue::fromInt(8)));
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Top", DfmValue::fromInt(3)));
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Width", DfmValue::fromInt(24)));
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Height", DfmValue::fromInt(23)));
    EXPECT_EQ(f.button->geometry(), QRect(8, 3, 24, 23));
    EXPECT_TRUE(set(&f.form, "ClientWidth", DfmValue::fromInt(703)));
    EXPECT_TRUE(set(&f.form, "ClientHeight", DfmValue::fromInt(380)));
    EXPECT_EQ(f.form.size(), QSize(703, 380));

    EXPECT_TRUE(set(&f.form, "HelpContext", DfmValue::fromInt(260)));
    EXPECT_EQ(f.form.property("HelpContext").toInt(), 260);

    // Dialog descriptors without properties of their own keep them dynamically.
    EXPECT_TRUE(set(&f.form, "OpenDlg.Filter", str("Projektdateien (*.STB)|*.STB")));
    EXPECT_TRUE(set(&f.form, "OpenDlg.DefaultExt", str("STB")));
    EXPECT_EQ(f.openDlg->property("Filter").toString(), "Projektdateien (*.STB)|*.STB");
    EXPECT_EQ(get(&f.form, "opendlg.defaultext").text, "STB");

    // Q_PROPERTYs of a component: a component reference, an enumeration, a text.
    EXPECT_TRUE(set(&f.form, "FormTranslator.Manager", ident("MainForm.OpenDlg")));
    EXPECT_EQ(f.translator->manager(), f.openDlg);
    EXPECT_TRUE(set(&f.form, "FormTranslator.Mode", ident("tmAll")));
    EXPECT_EQ(f.translator->mode(), Translator::tmAll);
    EXPECT_TRUE(set(&f.form, "FormTranslator.langsdir", str(".\\Language\\")));
    EXPECT_EQ(f.translator->langsDir(), ".\\Language\\");
    EXPECT_EQ(get(&f.form, "FormTranslator.Mode").text, "tmAll");
    QString error;
    EXPECT_FALSE(set(&f.form, "FormTranslator.Manager", ident("Nobody"), PropertyPolicy::FormResource, &error));
    EXPECT_TRUE(error.contains("Nobody"));
    EXPECT_FALSE(set(&f.form, "FormTranslator.Mode", ident("tmSome")));
    EXPECT_FALSE(set(&f.form, "TSLaengeEdit.Enabled", str("yes")));
}

TEST(PropertyPathTest, PathsThatNameNothing)
{
    TestForm f;
    QString error;
    EXPECT_FALSE(set(&f.form, "Nobody.Caption", str("x"), PropertyPolicy::FormResource, &error));
    EXPECT_TRUE(error.contains("Nobody"));
    EXPECT_FALSE(set(&f.form, "", str("x")));
    EXPECT_FALSE(set(&f.form, "TSLaengeEdit.", str("x")));
    DfmValue v;
    EXPECT_FALSE(GetPropertyPath(&f.form, "Nobody.Caption", v));
    EXPECT_FALSE(GetPropertyPath(&f.form, "TSLaengeEdit.NoSuchThing", v));
    EXPECT_FALSE(SetPropertyPath(nullptr, "Caption", str("x"), PropertyPolicy::FormResource, &error));
}

TEST(PropertyPathTest, TranslationSetsTextsAndRefusesTheRest)
{
    TestForm f;
    const auto tr = PropertyPolicy::Translation;
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Caption", str("Länge"), tr));
    EXPECT_EQ(f.label->text(), QString::fromUtf8("Länge"));
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Hint", str("Quit"), tr));
    f.holder->SetStrings({"eins", "zwei"});
    EXPECT_TRUE(set(&f.form, "MessStrHolder1.Strings.Strings", strings({"one", "two"}), tr));
    EXPECT_EQ(f.holder->item(1), "two");
    // Properties of non-visual components that declare no texts are refused.
    EXPECT_FALSE(set(&f.form, "FormTranslator.LangsDir", str("x"), tr));
    EXPECT_EQ(f.translator->langsDir(), "");

    // Sets, whole lists outside ".Strings", binary data and collections are refused.
    DfmValue style;
    style.kind = DfmValue::Set;
    style.setItems = {"fsBold"};
    QString error;
    EXPECT_FALSE(set(&f.form, "TSCaptionLbl1.Font.Style", style, tr, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(f.label->font().bold());
    DfmValue cells = DfmValue::emptyList();
    cells.items.append(DfmValue::fromInt(0));
    EXPECT_FALSE(set(&f.form, "ZetaBogenGlattGrid.Cells", cells, tr));
    EXPECT_EQ(f.grid->cells.items.size(), 0);

    // Names that are no property of the component create nothing.
    EXPECT_FALSE(set(&f.form, "TSLaengeEdit.OnChange", ident("TSLaengeEditChange"), tr));
    EXPECT_FALSE(f.edit->property("OnChange").isValid());
    EXPECT_FALSE(set(&f.form, "Nobody.Caption", str("x"), tr));

    // A text that a non-visual component declares may be translated, but
    // only with a value of its kind; a dynamic entry of the resource may not.
    EXPECT_TRUE(set(&f.form, "TitledDlg.Title", str("Open project file"), tr));
    EXPECT_EQ(f.titled->Title(), "Open project file");
    EXPECT_FALSE(set(&f.form, "TitledDlg.Title", DfmValue::fromInt(3), tr));
    EXPECT_FALSE(set(&f.form, "TitledDlg.InitialDir", str("/tmp"), tr));
    EXPECT_EQ(f.titled->InitialDir(), "");
    ASSERT_TRUE(set(&f.form, "OpenDlg.Title", str("Projektdatei öffnen")));
    EXPECT_FALSE(set(&f.form, "OpenDlg.Title", str("Open project file"), tr));
    EXPECT_EQ(f.openDlg->property("Title").toString(), QString::fromUtf8("Projektdatei öffnen"));

    // Geometry, alignment and the font's face and size are a language's business.
    EXPECT_TRUE(set(&f.form, "FormCloseBtn.Width", DfmValue::fromInt(40), tr));
    EXPECT_EQ(f.button->width(), 40);
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Alignment", ident("taRightJustify"), tr));
    EXPECT_TRUE(f.label->alignment() & Qt::AlignRight);
    EXPECT_EQ(get(&f.form, "TSCaptionLbl1.Alignment").text, "taRightJustify");
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.Font.Name", str("Liberation Serif"), tr));
    EXPECT_EQ(f.label->font().family(), "Liberation Serif");
    EXPECT_TRUE(set(&f.form, "TSCaptionLbl1.WordWrap", ident("True"), tr));
    EXPECT_TRUE(f.label->wordWrap());
}

TEST(PropertyPathTest, TranslationRefusesWhatIsNoText)
{
    TestForm f;
    const auto tr = PropertyPolicy::Translation;
    ASSERT_TRUE(set(&f.form, "FormCloseBtn.HelpContext", DfmValue::fromInt(260)));
    ASSERT_TRUE(set(&f.form, "mNeu.ShortCut", DfmValue::fromInt(0x4000 + 'N')));
    const struct {
        const char* path;
        DfmValue value;
    } refused[] = {
        {"FormCloseBtn.Enabled", ident("False")},
        {"FormCloseBtn.Visible", ident("False")},
        {"mNeu.Enabled", ident("False")},
        {"mNeu.ShortCut", DfmValue::fromInt(0)},
        {"FormCloseBtn.HelpContext", DfmValue::fromInt(1)},
        {"FormCloseBtn.Color", ident("clRed")},
        {"TSCaptionLbl1.Font.Color", ident("clRed")},
        {"FormTranslator.Manager", ident("FormCloseBtn")},
        {"FormTranslator.Mode", ident("tmAll")},
        {"TSLaengeEdit.Text", str("12")},
        {"TSLaengeEdit.MaxLength", DfmValue::fromInt(2)},
        {"FormCloseBtn.TabOrder", DfmValue::fromInt(3)},
    };
    for (const auto& r : refused) {
        QString error;
        EXPECT_FALSE(set(&f.form, r.path, r.value, tr, &error)) << r.path;
        EXPECT_FALSE(error.isEmpty()) << r.path;
    }
    EXPECT_TRUE(f.button->isEnabled());
    EXPECT_TRUE(f.action->isEnabled());
    EXPECT_EQ(f.action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(f.button->property("HelpContext").toInt(), 260);
    EXPECT_EQ(f.translator->manager(), nullptr);
    EXPECT_EQ(f.translator->mode(), Translator::tmNone);
    EXPECT_EQ(f.edit->text(), "");

    // A link label's caption is its target while it has no URL of its own.
    EXPECT_FALSE(set(&f.form, "HomeLink.Caption", str("https://example.org"), tr));
    EXPECT_EQ(f.link->text(), "www.example.com");
    f.link->SetURL("https://example.com");
    EXPECT_TRUE(set(&f.form, "HomeLink.Caption", str("Homepage"), tr));
    EXPECT_EQ(f.link->text(), "Homepage");
}

TEST(PropertyPathTest, TranslatedListsKeepTheirNumberOfItems)
{
    TestForm f;
    const auto tr = PropertyPolicy::Translation;
    ASSERT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"Blech", "Flex", "Holz"})));
    ASSERT_TRUE(set(&f.form, "KanalartCombo.ItemIndex", DfmValue::fromInt(2)));
    // Too few: the rest keep their text; the selection stays.
    EXPECT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"Sheet"}), tr));
    EXPECT_EQ(get(&f.form, "KanalartCombo.Items.Strings").items.size(), 3);
    EXPECT_EQ(f.combo->itemText(0), "Sheet");
    EXPECT_EQ(f.combo->itemText(2), "Holz");
    EXPECT_EQ(f.combo->currentIndex(), 2);
    // Too many: the surplus is dropped.
    EXPECT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"a", "b", "c", "d", "e"}), tr));
    EXPECT_EQ(f.combo->count(), 3);
    EXPECT_EQ(f.combo->itemText(2), "c");

    f.holder->SetStrings({"", "Information", "x"});
    EXPECT_TRUE(set(&f.form, "MessStrHolder1.Strings.Strings", strings({"", "Info"}), tr));
    EXPECT_EQ(f.holder->Strings(), QStringList({"", "Info", "x"}));
}

TEST(PropertyPathTest, ReferenceIntoAnotherForm)
{
    QDialog mainForm;
    mainForm.setObjectName("MainForm");
    auto* manager = new QObject(&mainForm);
    manager->setObjectName("TranslationManager");
    auto* dialog = new QDialog(&mainForm);
    dialog->setObjectName("DruckkopfDlg");
    auto* translator = new Translator(dialog);
    translator->setObjectName("FormTranslator");
    EXPECT_TRUE(set(dialog, "FormTranslator.Manager", ident("MainForm.TranslationManager")));
    EXPECT_EQ(translator->manager(), manager);
    // A component missing from a form that exists is an error ...
    EXPECT_FALSE(set(dialog, "FormTranslator.Manager", ident("MainForm.Nobody")));
    // ... a form that does not exist leaves the reference empty.
    QDialog alone;
    auto* lonely = new Translator(&alone);
    lonely->setObjectName("FormTranslator");
    lonely->setManager(&alone);
    EXPECT_TRUE(set(&alone, "FormTranslator.Manager", ident("OtherForm.TranslationManager")));
    EXPECT_EQ(lonely->manager(), nullptr);
}

TEST(ApplyFormResourceTest, AppliesEveryObjectByName)
{
    TestForm f;
    const DfmObject res = ParseFormResource(QString::fromUtf8(R"(object MainForm: TMainForm
  Caption = 'Strombaurechner <unbenannt>'
  ClientHeight = 380
  ClientWidth = 703
  PixelsPerInch = 96
  TextHeight = 13
  OldCreateOrder = False
  HelpContext = 260
  object AuslegungPageCtrl: TPageControl
    Enabled = False
    object ZUBEHOERTAB: TTabSheet
      Caption = 'Zubehör'
      object zetaflachgrid: TCellGrid
        Cells = (0 0 'h / b')
      end
    end
  end
  object ZetaBogenGlattGrid: TCellGrid
    Cells = (
      0 0 'R / D'
      0 1 'Stck.')
    Font.Charset = DEFAULT_CHARSET
    Hint = 'Bögen'
  end
  object MessStrHolder1: TStrHolder
    Strings.Strings = (
      ''
      ''
      ''
      'Fehler beim L'#246'schen der Datei:'
      'Strombaurechner')
  end
  object RxMainMenu1: TRxMainMenu
    Left = 8
    Top = 8
    object mDatei: TMenuItem
      Caption = '&Datei'
      object mNeu: TMenuItem
        Caption = 'Projekt &neu'
        ShortCut = 16462
        OnClick = ProjektNewBtnClick
      end
    end
  end
end
)"),
                                            "Strombau.dfm");
    ApplyFormResource(&f.form, res);

    EXPECT_EQ(f.form.windowTitle(), "Strombaurechner <unbenannt>");
    EXPECT_EQ(f.form.size(), QSize(703, 380));
    EXPECT_EQ(f.form.property("HelpContext").toInt(), 260);
    EXPECT_FALSE(f.form.property("PixelsPerInch").isValid());
    EXPECT_FALSE(f.tabs->isEnabled());
    EXPECT_EQ(f.tabs->tabText(0), QString::fromUtf8("Zubehör"));
    EXPECT_EQ(f.holder->item(3), QString::fromUtf8("Fehler beim Löschen der Datei:"));
    EXPECT_EQ(f.holder->item(4), "Strombaurechner");
    EXPECT_EQ(f.holder->item(5), "");
    EXPECT_EQ(f.action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(f.menu->title(), "&Datei");
    EXPECT_EQ(f.grid->toolTip(), QString::fromUtf8("Bögen"));
    EXPECT_FALSE(f.grid->property("Font.Charset").isValid());

    // Each grid received its own entry, and was told once that loading ended.
    ASSERT_EQ(f.grid->cells.items.size(), 6);
    EXPECT_EQ(f.grid->cells.items[5].text, "Stck.");
    EXPECT_EQ(f.innerGrid->cells.items.size(), 3);
    EXPECT_EQ(f.grid->loaded, 1);
    EXPECT_EQ(f.innerGrid->loaded, 1);
}

TEST(ApplyFormResourceTest, MissingComponentOrBadValueNamesFileAndLine)
{
    TestForm f;
    auto messageOf = [&](const char* text) {
        try {
            ApplyFormResource(&f.form, ParseFormResource(QString::fromUtf8(text), "Strombau.dfm"));
        } catch (const EFormResourceError& e) {
            return e.Message();
        }
        return QString();
    };
    const QString missing = messageOf("object MainForm: TMainForm\n  Caption = 'x'\n\n  object Ghost: TLabel\n  end\nend");
    EXPECT_TRUE(missing.startsWith("Strombau.dfm(4): ")) << missing.toStdString();
    EXPECT_TRUE(missing.contains("Ghost"));

    const QString bad = messageOf("object MainForm: TMainForm\n  object TSLaengeEdit: TEdit\n    Enabled = 7.5\n  end\nend");
    EXPECT_TRUE(bad.startsWith("Strombau.dfm(3): ")) << bad.toStdString();
    EXPECT_TRUE(bad.contains("Enabled"));

    // Nothing to do is fine, and still tells the components once.
    EXPECT_TRUE(messageOf("object MainForm: TMainForm\nend").isEmpty());
    EXPECT_EQ(f.grid->loaded, 1);
}

TEST(PropertyPathTest, ComponentsOwnPropertiesGoFirst)
{
    TestForm f;
    auto* glyph = new GlyphButton(&f.form);
    glyph->setObjectName("ProjektNewBtn");
    EXPECT_TRUE(set(&f.form, "ProjektNewBtn.Caption", str("Projekt neu")));
    EXPECT_EQ(glyph->Caption(), "Projekt neu");
    EXPECT_TRUE(glyph->text().isEmpty());
    EXPECT_EQ(get(&f.form, "ProjektNewBtn.Caption").text, "Projekt neu");
    // Qt's own properties still go through the mapping.
    EXPECT_TRUE(set(&f.form, "ProjektNewBtn.Enabled", ident("False")));
    EXPECT_FALSE(glyph->isEnabled());

    auto* second = new QWidget;
    second->setObjectName("DatenTab");
    f.tabs->addTab(second, "y");
    EXPECT_TRUE(set(&f.form, "AuslegungPageCtrl.ActivePage", ident("DatenTab")));
    EXPECT_EQ(f.tabs->currentWidget(), second);
    EXPECT_FALSE(set(&f.form, "AuslegungPageCtrl.ActivePage", ident("TSLaengeEdit")));
}

TEST(PropertyPathTest, CollectionItemsByIndex)
{
    TestForm f;
    auto* speedBar = new QWidget(&f.form);
    speedBar->setObjectName("SpeedBar1");
    const DfmObject res = ParseFormResource(
        "object MainForm: TMainForm\n"
        "  object SpeedBar1: TSpeedBar\n"
        "    Sections = <\n"
        "      item\n"
        "        Caption = 'Datei'\n"
        "      end\n"
        "      item\n"
        "        Caption = 'Bearbeiten'\n"
        "      end>\n"
        "  end\n"
        "end\n",
        "Strombau.dfm");
    ApplyFormResource(&f.form, res);
    EXPECT_EQ(get(&f.form, "SpeedBar1.Sections.Items(1).Caption").text, "Bearbeiten");

    const auto tr = PropertyPolicy::Translation;
    EXPECT_TRUE(set(&f.form, "SpeedBar1.Sections.Items(1).Caption", str("Edit"), tr));
    EXPECT_EQ(get(&f.form, "SpeedBar1.Sections.Items(1).Caption").text, "Edit");
    EXPECT_EQ(get(&f.form, "SpeedBar1.Sections.Items(0).Caption").text, "Datei");
    // Only the number counts, and it must name an item.
    EXPECT_TRUE(set(&f.form, "SpeedBar1.Sections.Whatever(0).caption", str("File"), tr));
    EXPECT_EQ(get(&f.form, "SpeedBar1.Sections.Items(0).Caption").text, "File");
    EXPECT_FALSE(set(&f.form, "SpeedBar1.Sections.Items(2).Caption", str("x"), tr));
    EXPECT_FALSE(set(&f.form, "SpeedBar1.Sections.Items(0).Width", DfmValue::fromInt(3), tr));
    EXPECT_FALSE(set(&f.form, "SpeedBar1.Sections.Items(x).Caption", str("x"), tr));
}

TEST(PropertyPathTest, MenuSeparatorsAndQuietItemChanges)
{
    TestForm f;
    EXPECT_TRUE(set(&f.form, "mNeu.Caption", str("-")));
    EXPECT_TRUE(f.action->isSeparator());
    EXPECT_TRUE(set(&f.form, "mNeu.Caption", str("Projekt &neu")));
    EXPECT_FALSE(f.action->isSeparator());

    // Filling the items selects nothing by itself, as the designer stores it.
    ASSERT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"a", "b"})));
    EXPECT_EQ(f.combo->currentIndex(), -1);
    ASSERT_TRUE(set(&f.form, "KanalartCombo.ItemIndex", DfmValue::fromInt(0)));
    int changes = 0;
    QObject::connect(f.combo, &QComboBox::currentIndexChanged, [&] { ++changes; });
    ASSERT_TRUE(set(&f.form, "KanalartCombo.Items.Strings", strings({"A", "B", "C"})));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(f.combo->currentText(), "A");
}

#include "test_propertypath.moc"

// The index a resource is matched through finds what the name search finds,
// also where names repeat (the first in depth-first order) or differ in case.
TEST(ComponentIndexTest, AgreesWithTheNameSearch)
{
    QWidget form;
    auto* page = new QWidget(&form);
    page->setObjectName("DatenTab");
    auto* deep = new QLabel(page);
    deep->setObjectName("Titel");
    auto* later = new QLabel(&form);
    later->setObjectName("TITEL");
    auto* edit = new QLineEdit(page);
    edit->setObjectName("TSLaengeEdit");
    new QLabel(&form);  // no name

    TComponentIndex index(&form);
    for (const char* name : {"DatenTab", "titel", "Titel", "tslaengeedit", "Nobody", ""})
        EXPECT_EQ(index.Find(name), FindComponentByName(&form, name)) << name;
    EXPECT_EQ(index.Find("TITEL"), deep);

    auto* made = new QLabel(page);
    made->setObjectName("NeuLbl");
    EXPECT_EQ(index.Find("NeuLbl"), nullptr);
    index.Add(made);
    EXPECT_EQ(index.Find("neulbl"), made);
    // A later component of a known name does not displace the first.
    auto* twin = new QLabel(&form);
    twin->setObjectName("DATENTAB");
    index.Add(twin);
    EXPECT_EQ(index.Find("DatenTab"), page);
    index.Add(nullptr);
}
