#include "app/Strombau.h"
#include "app/FormBau.h"
#include "app/SvgBild.h"
#include "app/SBWert.h"
#include "platform/CurrencyEdit.h"
#include "platform/Exceptions.h"
#include "platform/FormResource.h"
#include "platform/Help.h"
#include "platform/ProgramFolder.h"
#include "platform/PropertyPath.h"
#include "platform/SpeedBar.h"
#include "platform/TipOfDay.h"
#include "support/FileCipher.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace {

const char* const kFormResource = ":/forms/MainForm.dfm";
// How far a tree indents each level when its resource does not say.
constexpr int kTreeIndent = 19;

using formbau::make;

QAction* makeAction(QMenu* menu, const char* name, bool separator = false)
{
    auto* a = new QAction(menu);
    a->setObjectName(QLatin1String(name));
    a->setSeparator(separator);
    menu->addAction(a);
    return a;
}

// A menu of the menu bar, or a submenu of a menu.
template <class Parent>
QMenu* makeMenu(Parent* parent, const char* name)
{
    QMenu* m = parent->addMenu(QString());
    m->setObjectName(QLatin1String(name));
    return m;
}

using formbau::makeTab;

bool isFalse(const QVariant& v)
{
    if (!v.isValid()) return false;
    if (v.typeId() == QMetaType::Bool) return !v.toBool();
    return v.toString().compare(QLatin1String("False"), Qt::CaseInsensitive) == 0;
}

}  // namespace

// ---- message lists --------------------------------------------------------

TFormMessageTexts::TFormMessageTexts(const TMainForm& form) : m_form(form)
{
}

QString TFormMessageTexts::MessageText(TMessageList list, int index) const
{
    const TStrHolder* holder = nullptr;
    switch (list) {
    case TMessageList::MessStrHolder1: holder = m_form.MessStrHolder1; break;
    case TMessageList::MessStrHolder2: holder = m_form.MessStrHolder2; break;
    case TMessageList::MessStrHolder3: holder = m_form.MessStrHolder3; break;
    case TMessageList::GridStrHolder: holder = m_form.GridStrHolder; break;
    }
    const QString text = holder ? holder->item(index) : QString();
    return text.isEmpty() ? DefaultMessageTexts().MessageText(list, index) : text;
}

QString TFormMessageTexts::FieldLabel(const QString& control) const
{
    const QString name = FieldLabelName(control);
    const auto* label = name.isEmpty() ? nullptr : m_form.findChild<QLabel*>(name);
    const QString text = label ? label->text().trimmed() : QString();
    return text.isEmpty() ? IMessageTexts::FieldLabel(control) : text;
}

// ---- file dialog components ------------------------------------------------

TFileDialogComponent::TFileDialogComponent(FileDialogRequest::Kind kind, QObject* owner) : QObject(owner), m_kind(kind)
{
}

FileDialogRequest TFileDialogComponent::Request() const
{
    FileDialogRequest r;
    r.kind = m_kind;
    r.title = m_title;
    r.filter = m_filter;
    r.defaultExt = m_defaultExt;
    r.initialDir = m_initialDir;
    r.fileName = m_fileName;
    r.overwritePrompt = m_options.contains(QStringLiteral("ofOverwritePrompt"), Qt::CaseInsensitive);
    r.fileMustExist = m_options.contains(QStringLiteral("ofFileMustExist"), Qt::CaseInsensitive);
    return r;
}

bool TFileDialogComponent::Execute()
{
    FileDialogRequest r = Request();
    if (!ExecuteFileDialog(r)) return false;
    m_fileName = r.fileName;
    return true;
}

// ---- creation ------------------------------------------------------------

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    createComponents();
    loadFormResource();
    // Another copy runs: this one ends without starting.
    if (OneInstance->TerminateRequested()) return;
    // ---- Section inputs and calculation (Strombau_Eingaben.cpp)
    setupSectionInputs();
    // ----
    connectEvents();
    connectPopupMenus();
    connectTreeEvents();  // section tree, its pop-up and the tabs (Strombau_Baum.cpp)
    setButtonGlyphs();
    qApp->installEventFilter(this);
    FormCreate();
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    SetWertDateiMessageTexts({});
    // The children outlive this part of the window while they are torn down
    // (hiding moves the focus and fires their change signals): none of that
    // may reach the window's handlers any more.
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
        child->blockSignals(true);
    }
}

QLabel* TMainForm::label(QWidget* parent, const char* name)
{
    return make<QLabel>(parent, name);
}

void TMainForm::createComponents()
{
    ClientArea = new QWidget(this);
    setCentralWidget(ClientArea);

    // Tool bar
    SpeedBar1 = make<TSpeedBar>(ClientArea, "SpeedBar1");
    LogoImage = make<TImage>(SpeedBar1, "LogoImage");
    SpeedbarSection1 = make<TSpeedbarSection>(SpeedBar1, "SpeedbarSection1");
    SpeedbarSection2 = make<TSpeedbarSection>(SpeedBar1, "SpeedbarSection2");
    FormCloseBtn = make<TSpeedItem>(SpeedBar1, "FormCloseBtn");
    ProjektNewBtn = make<TSpeedItem>(SpeedBar1, "ProjektNewBtn");
    ProjektOpenBtn = make<TSpeedItem>(SpeedBar1, "ProjektOpenBtn");
    ProjektCloseBtn = make<TSpeedItem>(SpeedBar1, "ProjektCloseBtn");
    ProjektSaveBtn = make<TSpeedItem>(SpeedBar1, "ProjektSaveBtn");
    ProjektSaveAsBtn = make<TSpeedItem>(SpeedBar1, "ProjektSaveAsBtn");
    PreviewBtn = make<TSpeedItem>(SpeedBar1, "PreviewBtn");
    PrintBtn = make<TSpeedItem>(SpeedBar1, "PrintBtn");
    BerechnenTSBtn = make<TSpeedItem>(SpeedBar1, "BerechnenTSBtn");
    BerechnenGesamtBtn = make<TSpeedItem>(SpeedBar1, "BerechnenGesamtBtn");

    // Section tree
    TSTreeView = make<QTreeWidget>(ClientArea, "TSTreeView");
    TSTreeView->setHeaderHidden(true);
    TSTreeView->setColumnCount(1);

    // Tabs
    AuslegungPageCtrl = make<QTabWidget>(ClientArea, "AuslegungPageCtrl");
    DatenTab = makeTab(AuslegungPageCtrl, "DatenTab");
    ZubehoerTab = makeTab(AuslegungPageCtrl, "ZubehoerTab");
    FormstueckTab = makeTab(AuslegungPageCtrl, "FormstueckTab");
    createDatenTab();
    createZubehoerTab();
    createFormstueckTab();

    createMenus();

    // Non-visual components
    OpenDlg = make<TOpenDialog>(this, "OpenDlg");
    SaveDlg = make<TSaveDialog>(this, "SaveDlg");
    FileCipher = make<TFileCipher>(this, "FileCipher");
    TranslationManager = make<TTranslationManager>(this, "TranslationManager");
    FormTranslator = make<TFormTranslator>(this, "FormTranslator");
    OneInstance = make<TOneInstance>(this, "OneInstance");
    PasswordDlg = make<TPasswordDialog>(this, "PasswordDlg");
    TipOfDayDlg = make<TTipOfDay>(this, "TipOfDayDlg");
    TipOfDayDlg->OnCanShow = [this](bool& canShow) { TipOfDayDlgCanShow(canShow); };
    TipOfDayDlg->OnAfterExecute = [this] { TipOfDayDlgAfterExecute(); };
    MessStrHolder1 = make<TStrHolder>(this, "MessStrHolder1");
    MessStrHolder2 = make<TStrHolder>(this, "MessStrHolder2");
    MessStrHolder3 = make<TStrHolder>(this, "MessStrHolder3");
    GridStrHolder = make<TStrHolder>(this, "GridStrHolder");
    TipStrHld = make<TStrHolder>(this, "TipStrHld");
}

void TMainForm::createDatenTab()
{
    TSCaptionLbl1 = label(DatenTab, "TSCaptionLbl1");
    VpVorgabeEdit = make<TCurrencyEdit>(DatenTab, "VpVorgabeEdit");
    TSLaengeEdit = make<TCurrencyEdit>(DatenTab, "TSLaengeEdit");
    KanalartCombo = make<QComboBox>(DatenTab, "KanalartCombo");
    RohrartCB = make<QRadioButton>(DatenTab, "RohrartCB");
    KanalartCB = make<QRadioButton>(DatenTab, "KanalartCB");
    ovalCB = make<QCheckBox>(DatenTab, "ovalCB");
    DNRohrLbl = label(DatenTab, "DNRohrLbl");
    DNRohrEdit = make<TCurrencyEdit>(DatenTab, "DNRohrEdit");
    KanalHoeheLbl = label(DatenTab, "KanalHoeheLbl");
    KanalHoeheEdit = make<TCurrencyEdit>(DatenTab, "KanalHoeheEdit");
    KanalHoeheLbl2 = label(DatenTab, "KanalHoeheLbl2");
    GeschwEdit = make<TCurrencyEdit>(DatenTab, "GeschwEdit");
    HydrDurchmEdit = make<TCurrencyEdit>(DatenTab, "HydrDurchmEdit");
    FlaecheEdit = make<TCurrencyEdit>(DatenTab, "FlaecheEdit");
    DpRohrEdit = make<TCurrencyEdit>(DatenTab, "DpRohrEdit");
    DpFormstueckEdit = make<TCurrencyEdit>(DatenTab, "DpFormstueckEdit");
    DpGesamtEdit = make<TCurrencyEdit>(DatenTab, "DpGesamtEdit");
    VpLeitungGesEdit = make<TCurrencyEdit>(DatenTab, "VpLeitungGesEdit");
    dpLeitungGesEdit = make<TCurrencyEdit>(DatenTab, "dpLeitungGesEdit");
    WellenleistungEdit = make<TCurrencyEdit>(DatenTab, "WellenleistungEdit");
}

void TMainForm::createZubehoerTab()
{
    TSCaptionLbl2 = label(ZubehoerTab, "TSCaptionLbl2");
    for (int i = 1; i <= 12; ++i) {
        auto* e = new TCurrencyEdit(ZubehoerTab);
        e->setObjectName(QStringLiteral("EinbautenEdit%1").arg(i));
        EinbautenEdit[size_t(i - 1)] = e;
        auto* picture = new TImage(ZubehoerTab);
        picture->setObjectName(QStringLiteral("EinbautenImage%1").arg(i));
        EinbautenImage[size_t(i - 1)] = picture;
    }
}

QString TMainForm::EinbautenPicture(int i)
{
    static const char* const names[12] = {
        "verschlussklappe",     "wetterschutzgitter",   "filterbox",          "kanalfilter",
        "luftfilter",           "e_heizregister_rohr",  "e_heizregister_kanal", "ww_heizregister_rohr",
        "ww_heizregister_kanal", "rohrschalldaempfer",  "flex_rohrschalldaempfer", "kanalschalldaempfer",
    };
    if (i < 1 || i > 12) return QString();
    return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(names[i - 1]));
}

void TMainForm::setAccessoryPictures()
{
    // Drawn for the screen's pixels, kept square in the middle of the
    // control, when their tab is first shown (see eventFilter): a start
    // that never shows the tab draws none of them.
    if (m_accessoryPicturesDrawn) return;
    m_accessoryPicturesDrawn = true;
    for (int i = 1; i <= 12; ++i) ShowSvgPicture(EinbautenImage[size_t(i - 1)], EinbautenPicture(i));
}

void TMainForm::createFormstueckTab()
{
    TSCaptionLbl3 = label(FormstueckTab, "TSCaptionLbl3");
    FormstueckPageCtrl = make<QTabWidget>(FormstueckTab, "FormstueckPageCtrl");
    BogenTab = makeTab(FormstueckPageCtrl, "BogenTab");
    AbzweigTab = makeTab(FormstueckPageCtrl, "AbzweigTab");
    ReduktionTab = makeTab(FormstueckPageCtrl, "ReduktionTab");
    SonstTab = makeTab(FormstueckPageCtrl, "SonstTab");
    ZetaBogenGlattGrid = make<TCellGrid>(BogenTab, "ZetaBogenGlattGrid");
    ZetaBogenSegmentGrid = make<TCellGrid>(BogenTab, "ZetaBogenSegmentGrid");
    ZetaBogenFlachGrid = make<TCellGrid>(BogenTab, "ZetaBogenFlachGrid");
    ZetaBogenFlachVertGrid = make<TCellGrid>(BogenTab, "ZetaBogenFlachVertGrid");
    ZetaAbzweigGrid = make<TCellGrid>(AbzweigTab, "ZetaAbzweigGrid");
    ZetaRedScharfWeitGrid = make<TCellGrid>(ReduktionTab, "ZetaRedScharfWeitGrid");
    ZetaRedScharfEngGrid = make<TCellGrid>(ReduktionTab, "ZetaRedScharfEngGrid");
    ZetaRedKonWeitGrid = make<TCellGrid>(ReduktionTab, "ZetaRedKonWeitGrid");
    ZetaRedKonEngGrid = make<TCellGrid>(ReduktionTab, "ZetaRedKonEngGrid");
    FremdEinbGrid = make<TCellGrid>(SonstTab, "FremdEinbGrid");
}

void TMainForm::createMenus()
{
    RxMainMenu1 = menuBar();
    RxMainMenu1->setObjectName(QStringLiteral("RxMainMenu1"));

    Datei1 = makeMenu(RxMainMenu1, "Datei1");
    mProjektNeu = makeAction(Datei1, "mProjektNeu");
    mProjektOpen = makeAction(Datei1, "mProjektOpen");
    mProjektschliessen = makeAction(Datei1, "mProjektschliessen");
    N1 = makeAction(Datei1, "N1", true);
    mProjektSave = makeAction(Datei1, "mProjektSave");
    mProjektSaveAs = makeAction(Datei1, "mProjektSaveAs");
    N2 = makeAction(Datei1, "N2", true);
    mPrint = makeAction(Datei1, "mPrint");
    mPreview = makeAction(Datei1, "mPreview");
    N3 = makeAction(Datei1, "N3", true);
    mBeenden = makeAction(Datei1, "mBeenden");

    mBearbeiten = makeMenu(RxMainMenu1, "mBearbeiten");
    Berechnen1 = makeMenu(mBearbeiten, "Berechnen1");
    mAlleTS = makeAction(Berechnen1, "mAlleTS");
    mAktuelleTS = makeAction(Berechnen1, "mAktuelleTS");

    Einstellungen1 = makeMenu(RxMainMenu1, "Einstellungen1");
    mTechnik = makeAction(Einstellungen1, "mTechnik");
    N4 = makeAction(Einstellungen1, "N4", true);
    Benutzereinstellungen1 = makeAction(Einstellungen1, "Benutzereinstellungen1");

    Hilfe1 = makeMenu(RxMainMenu1, "Hilfe1");
    mHilfe = makeAction(Hilfe1, "mHilfe");
    // F1 belongs to the control that has the focus (its help context);
    // the key is shown beside the menu item.
    mHilfe->setShortcutContext(Qt::WidgetShortcut);
    N5 = makeAction(Hilfe1, "N5", true);
    mAbout = makeAction(Hilfe1, "mAbout");

    TreeViewPopUp = make<QMenu>(this, "TreeViewPopUp");
    mTSInsert = makeAction(TreeViewPopUp, "mTSInsert");
    mTSDelete = makeAction(TreeViewPopUp, "mTSDelete");
    mTSNameChange = makeAction(TreeViewPopUp, "mTSNameChange");
}

void TMainForm::loadFormResource()
{
    const DfmObject form = LoadFormResource(QString::fromLatin1(kFormResource));
    TComponentIndex components(this);
    // Labels keep the alignment of those made in code (QLabel's own).
    formbau::createStaticControls(components, form, ClientArea, Qt::AlignLeft | Qt::AlignVCenter);
    ApplyFormResource(this, form);
}

bool TMainForm::ReadFormProperty(const QString& name, const DfmValue& value)
{
    auto is = [&name](const char* n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    if (is("ClientWidth") || is("ClientHeight")) {
        if (value.kind != DfmValue::Integer || value.integer < 0 || value.integer > 10000)
            throw EFormResourceError(QStringLiteral("%1(%2): %3 out of range").arg(QLatin1String(kFormResource)).arg(value.line).arg(name));
        (is("ClientWidth") ? m_clientWidth : m_clientHeight) = int(value.integer);
        return true;
    }
    if (is("BorderStyle")) {
        m_fixedBorder = value.kind == DfmValue::Identifier &&
                        (value.text.compare(QLatin1String("bsSingle"), Qt::CaseInsensitive) == 0 ||
                         value.text.compare(QLatin1String("bsDialog"), Qt::CaseInsensitive) == 0);
        return true;
    }
    return false;
}

void TMainForm::Loaded()
{
    // The client area has the designed size; a fixed border keeps it.
    if (m_clientWidth > 0 && m_clientHeight > 0) {
        ClientArea->setFixedSize(m_clientWidth, m_clientHeight);
        if (layout()) layout()->activate();
        const QSize frame(m_clientWidth, m_clientHeight + RxMainMenu1->sizeHint().height());
        if (m_fixedBorder) setFixedSize(frame);
        else resize(frame);
    }

    // The tree indents each level as far as its resource says and scrolls
    // sideways when a caption is wider than the tree, rather than cutting it.
    bool indentGiven = false;
    const int indent = TSTreeView->property("Indent").toInt(&indentGiven);
    TSTreeView->setIndentation(indentGiven && indent >= 0 && indent <= 1000 ? indent : kTreeIndent);
    TSTreeView->setTextElideMode(Qt::ElideNone);
    TSTreeView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TSTreeView->header()->setStretchLastSection(false);
    TSTreeView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        // Controls that the tab key passes by are still reached by a click.
        if (isFalse(w->property("TabStop"))) w->setFocusPolicy(Qt::ClickFocus);
        // The page shown first.
        if (auto* pages = qobject_cast<QTabWidget*>(w)) {
            const QString active = pages->property("ActivePage").toString();
            if (!active.isEmpty())
                if (auto* page = qobject_cast<QWidget*>(FindComponentByName(pages, active))) pages->setCurrentWidget(page);
        }
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (w->property("WordWrap").toBool()) l->setWordWrap(true);
        }
    }
}

void TMainForm::connectEvents()
{
    UnconnectedEvents.clear();
    QList<QObject*> objects = findChildren<QObject*>();
    for (QObject* o : objects) {
        const QString handler = o->property("OnClick").toString();
        if (handler.isEmpty()) continue;
        const QByteArray signature = QMetaObject::normalizedSignature((handler + QStringLiteral("()")).toLatin1().constData());
        const int index = metaObject()->indexOfMethod(signature.constData());
        if (index < 0) {
            UnconnectedEvents << o->objectName() + QStringLiteral(".OnClick = ") + handler;
            continue;
        }
        const QMetaMethod method = metaObject()->method(index);
        auto call = [this, method] { method.invoke(this, Qt::DirectConnection); };
        if (auto* a = qobject_cast<QAction*>(o))
            connect(a, &QAction::triggered, this, call);
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            connect(b, &QAbstractButton::clicked, this, call);
        else
            UnconnectedEvents << o->objectName() + QStringLiteral(".OnClick = ") + handler;
    }
}

void TMainForm::connectPopupMenus()
{
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QString name = w->property("PopupMenu").toString();
        if (name.isEmpty()) continue;
        auto* menu = qobject_cast<QMenu*>(FindComponentByName(this, name));
        if (!menu) continue;
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        QWidget* target = w;
        if (auto* view = qobject_cast<QAbstractScrollArea*>(w)) target = view->viewport();
        connect(w, &QWidget::customContextMenuRequested, menu,
                [menu, target](const QPoint& pos) { menu->popup(target->mapToGlobal(pos)); });
    }
}

void TMainForm::setButtonGlyphs()
{
    // The tool bar's glyphs are 16 x 16 pictures of this program's own.
    const struct {
        TSpeedItem* button;
        const char* picture;
    } glyphs[] = {
        {FormCloseBtn, "programm_beenden"},
        {ProjektNewBtn, "projekt_neu"},
        {ProjektOpenBtn, "projekt_oeffnen"},
        {ProjektCloseBtn, "projekt_schliessen"},
        {ProjektSaveBtn, "projekt_speichern"},
        {ProjektSaveAsBtn, "projekt_speichern_unter"},
        {PreviewBtn, "druckvorschau"},
        {PrintBtn, "drucken"},
        {BerechnenTSBtn, "teilstrecke_berechnen"},
        {BerechnenGesamtBtn, "gesamtleitung_berechnen"},
    };
    for (const auto& g : glyphs) {
        g.button->setIcon(QIcon(QPixmap(QStringLiteral(":/pictures/toolbar/%1.xpm").arg(QLatin1String(g.picture)))));
        g.button->setIconSize(QSize(16, 16));
    }
}

std::array<TCellGrid*, 9> TMainForm::CountGrids() const
{
    return {ZetaBogenGlattGrid, ZetaBogenSegmentGrid, ZetaBogenFlachGrid, ZetaBogenFlachVertGrid, ZetaAbzweigGrid,
            ZetaRedScharfWeitGrid, ZetaRedScharfEngGrid, ZetaRedKonWeitGrid, ZetaRedKonEngGrid};
}

// ---- start -----------------------------------------------------------------

void TMainForm::FormCreate()
{
    // Number text is written and read with a decimal comma throughout
    // (platform/Numbers.h), whatever the locale of the desktop says.

    const QString folder = ProgramFolder();
    // The message texts of the value file follow this window's list.
    SetWertDateiMessageTexts([this](int index) { return MessStrHolder1->item(index); });

    if (const QString ico = ExistingFileNoCase(folder, QStringLiteral("Main.ico")); !ico.isEmpty()) {
        const QIcon icon(ico);
        if (!icon.isNull()) qApp->setWindowIcon(icon);
    }
    if (const QString logo = ExistingFileNoCase(folder, QStringLiteral("Logo.bmp")); !logo.isEmpty())
        LogoImage->LoadFromFile(logo);

    m_helpFile = folder + QStringLiteral("Strombaurechner.hlp");
    SetApplicationHelpFile(m_helpFile);
    OpenDlg->SetInitialDir(folder);
    SaveDlg->SetInitialDir(folder);

    SBWerteBeimStart(*FileCipher, false);
    ReadUserData();

    QString langs = folder;
    while (langs.size() > 1 && (langs.endsWith(QLatin1Char('/')) || langs.endsWith(QLatin1Char('\\')))) langs.chop(1);
    TranslationManager->SetLangsDir(langs);
    TranslationManager->SetCurrentLang(Userdaten.Sprache);

    CountSections();
    mTechnik->setVisible(true);
    N4->setVisible(true);

    SelectFirstMaterial();
}

void TMainForm::ReadUserData()
{
    ReadUserdaten(Userdaten, true);
}

void TMainForm::SBWerte_ent_und_verschluesseln(int mode)
{
    ::SBWerte_ent_und_verschluesseln(*FileCipher, mode);
}

std::vector<int> TMainForm::TreeChildCounts() const
{
    std::vector<int> counts;
    std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        counts.push_back(item->childCount());
        for (int i = 0; i < item->childCount(); ++i) walk(item->child(i));
    };
    for (int i = 0; i < TSTreeView->topLevelItemCount(); ++i) walk(TSTreeView->topLevelItem(i));
    return counts;
}

void TMainForm::CountSections()
{
    Projekt.CountSections(TreeChildCounts());
}

// ---- activation --------------------------------------------------------------

void TMainForm::FormActivate()
{
    UpdateMainCaption();
    Gitter_beschriften();
    // The tabs follow the tree: an activation (also the return from a
    // message box) keeps the tab of the selected node, so that what is typed
    // next lands where the user was.
    if (QTreeWidgetItem* node = SelectedNode()) showTabOfNode(node);
    else AuslegungPageCtrl->setCurrentWidget(DatenTab);
    // The material is not reset here: an activation also follows every
    // message box, and the shown section's material has to survive it.
}

void TMainForm::SelectFirstMaterial()
{
    if (KanalartCombo->count() > 0) KanalartCombo->setCurrentIndex(0);
}

void TMainForm::Gitter_beschriften()
{
    auto g = [this](int i) { return GridStrHolder->item(i); };
    ZetaBogenGlattGrid->SetCells(0, 0, g(0));
    ZetaBogenGlattGrid->SetCells(0, 1, g(1));
    ZetaBogenSegmentGrid->SetCells(0, 0, g(0));
    ZetaBogenSegmentGrid->SetCells(0, 1, g(2));
    ZetaBogenSegmentGrid->SetCells(0, 2, g(3));
    for (TCellGrid* grid : {ZetaBogenFlachGrid, ZetaBogenFlachVertGrid}) {
        grid->SetCells(0, 0, g(4));
        grid->SetCells(0, 1, g(5));
        grid->SetCells(0, 2, g(1));
    }
    ZetaAbzweigGrid->SetCells(0, 0, g(6));
    for (TCellGrid* grid : {ZetaRedScharfWeitGrid, ZetaRedScharfEngGrid}) {
        grid->SetCells(0, 0, g(7));
        grid->SetCells(0, 1, g(1));
    }
    ZetaRedKonWeitGrid->SetCells(0, 0, g(8));
    ZetaRedKonEngGrid->SetCells(0, 0, g(7));
    ZetaRedKonEngGrid->SetCells(0, 1, g(1));
    FremdEinbGrid->SetCells(0, 0, g(9));
    FremdEinbGrid->SetCells(1, 0, g(10));
    FremdEinbGrid->SetCells(2, 0, g(11));
}

void TMainForm::UpdateMainCaption()
{
    const bool saved = Projekt.ProjektGespeichert;
    const bool loaded = Projekt.ProjektGeladen;
    const bool neu = Projekt.ProjektNeu;
    // A project that has a file (opened, or saved at least once) keeps its
    // name in the caption whatever changed since; only a new project not
    // saved yet, and no project, are "<unbenannt>".
    const bool hasFile = !Projekt.Projektdateiname.isEmpty();
    QString caption;
    if (((saved || loaded) && !neu) || (neu && saved && !loaded) || hasFile)
        caption = MessStrHolder1->item(4) + QStringLiteral(" <") + Projekt.Projektdaten.Name1.str() + QLatin1Char('/') +
                  Projekt.Projektdaten.Projekt.str() + QLatin1Char('>');
    else
        caption = MessStrHolder1->item(4) + QLatin1Char(' ') + MessStrHolder3->item(13);
    setWindowTitle(caption);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_tipOffered) return;
    m_tipOffered = true;
    if (property("Position").toString().compare(QLatin1String("poDesktopCenter"), Qt::CaseInsensitive) == 0 && screen()) {
        const QRect desk = screen()->availableGeometry();
        move(desk.center() - QPoint(width() / 2, height() / 2));
    }
    // The tip comes once the window itself is on the screen.
    if (TipOfDayDlg->ShowWhenFormShown())
        QMetaObject::invokeMethod(this, [this] { TipOfDayDlg->Execute(this); }, Qt::QueuedConnection);
}

// ---- closing -------------------------------------------------------------------

void TMainForm::FormCloseBtnClick()
{
    close();
}

void TMainForm::FormCloseQuery(bool& CanClose)
{
    // Only a plain No gives the unsaved project up; Yes keeps it for the
    // save.
    const int answer = AskBeforeDropping();
    CanClose = answer == mrNone || answer == mrNo;
}

void TMainForm::FormClose()
{
    if (m_closing) return;
    m_closing = true;
    SBWerteBeimEnde(*FileCipher);
    Projekt.Teilstrecken.clear();
    Projekt.TeilstreckenKopie.clear();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

// ---- help ------------------------------------------------------------------------

void TMainForm::mHilfeClick()
{
    ShowHelpContext(m_helpFile, 10);
}

int TMainForm::HelpContextOf(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        const int context = w->property("HelpContext").toInt();
        if (context != 0) return context;
        if (w->isWindow()) break;
    }
    return 0;
}

void TMainForm::ShowControlHelp(const QWidget* control)
{
    const int context = HelpContextOf(control ? control : this);
    if (context != 0) ShowHelpContext(m_helpFile, context);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == ZubehoerTab) setAccessoryPictures();
    if (event->type() == QEvent::FocusOut) countFieldLeft(watched);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) userActs();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && w && w->window() == this) {
            ShowControlHelp(w);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- tip of the day ---------------------------------------------------------------

void TMainForm::TipOfDayDlgCanShow(bool& CanShow)
{
    bool tip = false;
    if (!ReadTip(tip, true)) {
        CanShow = false;
        return;
    }
    CanShow = tip;
    TipOfDayDlg->SetChecked(!tip);
    LoadTipTexts();
}

void TMainForm::LoadTipTexts()
{
    TipOfDayDlg->SetTitle(TipStrHld->item(0));
    TipOfDayDlg->SetHeaderText(TipStrHld->item(1));
    TipOfDayDlg->SetCheckBoxText(TipStrHld->item(2));
    TipOfDayDlg->SetButtonCloseCaption(TipStrHld->item(3));
    TipOfDayDlg->SetButtonNextCaption(TipStrHld->item(4));
    // The tips themselves live in the list only, so loading them again
    // never shows a tip twice.
    TipOfDayDlg->SetTips({TipStrHld->item(5), TipStrHld->item(6), TipStrHld->item(7), TipStrHld->item(8)});
}

void TMainForm::TipOfDayDlgAfterExecute()
{
    WriteTip(!TipOfDayDlg->Checked());
}
