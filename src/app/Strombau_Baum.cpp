// The section tree of the main window and its commands: new project,
// inserting, deleting and renaming a section, what happens when the tree's
// selection moves, how the tabs and the tree follow each other, the tree's
// pop-up menu and which commands are enabled.
//
// The tree holds one top-level node per section, each with exactly the two
// children "Zubehör" and "Formstücke".  Leaving a node stores the shown
// section into its record; an invalid section refuses the move, so the old
// node stays current and selected and nothing is entered.
#include "app/DruckKopfForm.h"
#include "app/ProjektDatei.h"
#include "app/Strombau.h"
#include "platform/Cp1252Fields.h"
#include "platform/Dialogs.h"
#include "platform/PropertyPath.h"
#include "platform/SpeedBar.h"
#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace {

// The tree's selection model.  Every move of the current node asks first
// and is dropped when refused; the selection always rests on the current
// row, so a refused move leaves the old node current and selected.
class TTreeSelectionModel : public QItemSelectionModel {
public:
    TTreeSelectionModel(QAbstractItemModel* model, QObject* parent, std::function<bool(const QModelIndex&)> mayChange)
        : QItemSelectionModel(model, parent), m_mayChange(std::move(mayChange))
    {
    }

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override
    {
        if (index != currentIndex()) {
            if (m_mayChange && !m_mayChange(index)) return;
            // The selection goes with the current node, whatever asked for the move.
            if (index.isValid()) command = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        }
        ++m_passing;
        try {
            QItemSelectionModel::setCurrentIndex(index, command);
        } catch (...) {
            --m_passing;
            throw;
        }
        --m_passing;
    }

    void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override
    {
        select(QItemSelection(index, index), command);
    }

    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override
    {
        // Outside a move of the current node only clearing and selecting the
        // current row again pass; anything else would move the selection
        // without asking.
        if (m_passing == 0 && !selection.isEmpty() && !selectsCurrentRowOnly(selection, command)) return;
        QItemSelectionModel::select(selection, command);
    }

private:
    bool selectsCurrentRowOnly(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) const
    {
        if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) return false;
        const QModelIndex current = currentIndex();
        if (!current.isValid()) return false;
        const QModelIndexList indexes = selection.indexes();
        for (const QModelIndex& i : indexes)
            if (i.row() != current.row() || i.parent() != current.parent()) return false;
        return true;
    }

    std::function<bool(const QModelIndex&)> m_mayChange;
    int m_passing = 0;
};

// An event filter that hands the events of the watched objects to a function.
class TEventHook : public QObject {
public:
    TEventHook(QObject* parent, std::function<bool(QObject*, QEvent*)> hook) : QObject(parent), m_hook(std::move(hook)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return m_hook(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> m_hook;
};

// The longest name a section record keeps: the rename box takes no more,
// so that what the user sees is what is kept.
constexpr int kSectionNameWidth = decltype(TTeilstrecke::Bezeichnung)::Width;

// Runs the program's own changes of the tree or the tabs without the steps
// that a change by the user runs.
class TCounterScope {
public:
    explicit TCounterScope(int& counter) : m_counter(counter) { ++m_counter; }
    ~TCounterScope() { --m_counter; }
    TCounterScope(const TCounterScope&) = delete;
    TCounterScope& operator=(const TCounterScope&) = delete;

private:
    int& m_counter;
};

}  // namespace

// The pictures of the tree's nodes by index.  Image 0 would be the section
// nodes' and stays empty; image 1 marks "Formstücke", image 2 "Zubehör".
// The pictures are made when the first node asks for one, not at start.
class TTreeImageList : public QObject {
public:
    TTreeImageList(QObject* owner, std::function<QList<QIcon>()> make) : QObject(owner), m_make(std::move(make)) {}
    QIcon Image(int index) const
    {
        if (m_make) {
            m_images = m_make();
            m_make = nullptr;
        }
        return index >= 0 && index < m_images.size() ? m_images.at(index) : QIcon();
    }

private:
    mutable std::function<QList<QIcon>()> m_make;
    mutable QList<QIcon> m_images;
};

// ---- wiring --------------------------------------------------------------------

void TMainForm::connectTreeEvents()
{
    // The tree is never edited in place; renaming goes through an input box.
    TSTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TSTreeView->setSelectionMode(QAbstractItemView::SingleSelection);

    QItemSelectionModel* old = TSTreeView->selectionModel();
    auto* selection = new TTreeSelectionModel(TSTreeView->model(), TSTreeView, [this](const QModelIndex& index) {
        return TreeSelectionMayChange(TSTreeView->itemFromIndex(index));
    });
    TSTreeView->setSelectionModel(selection);
    delete old;
    // Some Qt versions keep the tree widget's own bookkeeping (the items'
    // selected state, currentItemChanged) tied to the first selection model.
    const QMetaObject* tree = TSTreeView->metaObject();
    if (tree->indexOfSlot("_q_selectionChanged(QItemSelection,QItemSelection)") >= 0)
        connect(selection, SIGNAL(selectionChanged(QItemSelection,QItemSelection)), TSTreeView,
                SLOT(_q_selectionChanged(QItemSelection,QItemSelection)), Qt::UniqueConnection);
    if (tree->indexOfSlot("_q_emitCurrentItemChanged(QModelIndex,QModelIndex)") >= 0)
        connect(selection, SIGNAL(currentChanged(QModelIndex,QModelIndex)), TSTreeView,
                SLOT(_q_emitCurrentItemChanged(QModelIndex,QModelIndex)), Qt::UniqueConnection);
    connect(selection, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current, const QModelIndex&) {
        if (m_treeUpdating > 0 || !current.isValid()) return;
        TSTreeViewChange(TSTreeView->itemFromIndex(current));
    });
    connect(TSTreeView, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (m_treeUpdating > 0 || column != 0) return;
        TSTreeViewEdited(item, item->text(0));
    });

    // A right press opens the pop-up menu but never moves the selection.
    TSTreeView->viewport()->installEventFilter(new TEventHook(this, [this](QObject*, QEvent* e) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* me = static_cast<QMouseEvent*>(e);
            return TSTreeViewMouseDown(me->button(), me->position().toPoint());
        }
        case QEvent::MouseButtonRelease:
            return static_cast<QMouseEvent*>(e)->button() == Qt::RightButton;
        case QEvent::MouseMove:
            return (static_cast<QMouseEvent*>(e)->buttons() & Qt::RightButton) != 0;
        default:
            return false;
        }
    }));
    connect(TreeViewPopUp, &QMenu::aboutToShow, this, &TMainForm::TreeViewPopUpPopup);

    // Only a tab that the user picks moves the tree; the program switches
    // tabs itself (activation, closing, entering a node) without that.
    connect(AuslegungPageCtrl, &QTabWidget::tabBarClicked, this, [this](int index) { m_pendingTabClick = index; });
    auto* keys = new TEventHook(this, [this](QObject* watched, QEvent* e) {
        if (e->type() == QEvent::KeyPress) {
            const auto* ke = static_cast<QKeyEvent*>(e);
            if (watched == AuslegungPageCtrl->tabBar() || (ke->modifiers() & Qt::ControlModifier)) m_tabKeyDown = true;
        } else if (e->type() == QEvent::KeyRelease || e->type() == QEvent::FocusOut) {
            m_tabKeyDown = false;
        }
        return false;
    });
    AuslegungPageCtrl->installEventFilter(keys);
    AuslegungPageCtrl->tabBar()->installEventFilter(keys);
    connect(AuslegungPageCtrl, &QTabWidget::currentChanged, this, [this](int index) {
        const bool byUser = index == m_pendingTabClick || m_tabKeyDown;
        m_pendingTabClick = -1;
        if (byUser && m_tabsFollowing == 0) AuslegungPageCtrlChange();
    });

    // The tree's pictures come from the image list that its resource entry
    // "Images" names.
    auto* images = new TTreeImageList(this, [this]() -> QList<QIcon> {
        return {QIcon(), style()->standardIcon(QStyle::SP_FileDialogListView),
                style()->standardIcon(QStyle::SP_FileDialogInfoView)};
    });
    images->setObjectName(QStringLiteral("BaumlistImages"));
    m_treeImages = dynamic_cast<TTreeImageList*>(FindComponentByName(this, TSTreeView->property("Images").toString()));
}

void TMainForm::WireDruckkopfDlg()
{
    if (!DruckkopfDlg) return;
    connect(DruckkopfDlg, &TDruckkopfDlg::ProjektdatenGeaendert, this, &TMainForm::DruckkopfDlgGeaendert,
            Qt::UniqueConnection);
    connect(DruckkopfDlg, &TDruckkopfDlg::HilfeAngefordert, this, &TMainForm::ShowControlHelp, Qt::UniqueConnection);
}

bool TMainForm::ExecuteDruckkopfDlg()
{
    if (!DruckkopfDlg) return false;
    WireDruckkopfDlg();
    return DruckkopfDlg->Execute(Projekt.Projektdaten, Userdaten);
}

void TMainForm::DruckkopfDlgGeaendert()
{
    Projekt.ProjektGespeichert = false;
    UpdateMainCaption();
}

// ---- tree helpers ------------------------------------------------------------------

QTreeWidgetItem* TMainForm::SectionNodeOf(QTreeWidgetItem* node)
{
    if (!node) return nullptr;
    return node->parent() ? node->parent() : node;
}

int TMainForm::SectionIndexOf(QTreeWidgetItem* node) const
{
    QTreeWidgetItem* section = SectionNodeOf(node);
    if (!section) return 0;
    return NodeToSectionIndex(TSTreeView->indexOfTopLevelItem(section), node != section);
}

QTreeWidgetItem* TMainForm::SelectedNode() const
{
    return TSTreeView->currentItem();
}

QTreeWidgetItem* TMainForm::addSectionNode(int index, const QString& caption)
{
    auto* node = new QTreeWidgetItem(QStringList{caption});
    auto* zubehoer = new QTreeWidgetItem(node, QStringList{MessStrHolder1->item(9)});
    auto* formstuecke = new QTreeWidgetItem(node, QStringList{MessStrHolder1->item(10)});
    if (m_treeImages) {
        zubehoer->setIcon(0, m_treeImages->Image(2));
        formstuecke->setIcon(0, m_treeImages->Image(1));
    }
    if (index < 0 || index >= TSTreeView->topLevelItemCount()) TSTreeView->addTopLevelItem(node);
    else TSTreeView->insertTopLevelItem(index, node);
    return node;
}

bool TMainForm::IsNumberedSectionName(const QString& name) const
{
    // "Teilstrecke 3", also as the German list has it after a change of
    // language, and the still unnumbered "Teilstrecke " of a new node.
    const QString german = DefaultMessageTexts().MessageText(TMessageList::MessStrHolder1, 6);
    for (const QString& word : {MessStrHolder1->item(6), german}) {
        if (word.isEmpty() || !name.startsWith(word + QLatin1Char(' '))) continue;
        const QString number = name.mid(word.size() + 1);
        const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
        if (std::all_of(number.begin(), number.end(), digit)) return true;
    }
    return false;
}

QStringList TMainForm::SectionNames() const
{
    QStringList names;
    for (int i = 0; i < TSTreeView->topLevelItemCount(); ++i) names << TSTreeView->topLevelItem(i)->text(0);
    return names;
}

void TMainForm::renumberSections(const QStringList& names)
{
    {
        TCounterScope quiet(m_treeUpdating);
        // The column fits its widest caption: measured once after all
        // captions are set, not once per caption over the whole tree.
        QHeaderView* header = TSTreeView->header();
        header->setSectionResizeMode(0, QHeaderView::Interactive);
        const auto fitAfterwards = qScopeGuard([header] { header->setSectionResizeMode(0, QHeaderView::ResizeToContents); });
        for (int i = 0; i < TSTreeView->topLevelItemCount(); ++i) {
            const QString name = i < names.size() ? names.at(i) : QString();
            TSTreeView->topLevelItem(i)->setText(
                0, IsNumberedSectionName(name) || name.isEmpty()
                       ? MessStrHolder1->item(6) + QLatin1Char(' ') + QString::number(i + 1)
                       : name);
        }
    }
    tieRecordsToNodes();
}

void TMainForm::tieRecordsToNodes()
{
    const int n = std::min({Projekt.TSAnzahl, int(Projekt.Teilstrecken.size()) - 1, TSTreeView->topLevelItemCount()});
    for (int k = 1; k <= n; ++k) {
        TTeilstrecke& r = Projekt.Section(k);
        r.Bezeichnung = TSTreeView->topLevelItem(k - 1)->text(0);
        if (!r.Nummer.isEmpty()) {
            r.Nummer = QString::number(k);
        } else {
            // Never stored (its number stays empty): loading it leaves the
            // tabs as cleared, which show the first material and a round
            // pipe.  The report and the project file take the record, so it
            // says the same.
            r.Materialart = QStringLiteral("0");
            r.Kanalform = QStringLiteral("1");
        }
    }
}

void TMainForm::setSectionCaptions(const QString& caption)
{
    TSCaptionLbl1->setText(caption);
    TSCaptionLbl2->setText(caption);
    TSCaptionLbl3->setText(caption);
}

void TMainForm::selectNodeQuietly(QTreeWidgetItem* node)
{
    TCounterScope quiet(m_treeUpdating);
    TSTreeView->setCurrentItem(node);
}

void TMainForm::showTabOfNode(QTreeWidgetItem* node)
{
    QTreeWidgetItem* section = SectionNodeOf(node);
    if (!section) return;
    TCounterScope quiet(m_tabsFollowing);
    if (node == section) AuslegungPageCtrl->setCurrentWidget(DatenTab);
    else if (section->indexOfChild(node) == 0) AuslegungPageCtrl->setCurrentWidget(ZubehoerTab);
    else AuslegungPageCtrl->setCurrentWidget(FormstueckTab);
}

void TMainForm::BuildTree(const QStringList& sectionNames)
{
    QTreeWidgetItem* first = nullptr;
    {
        TCounterScope quiet(m_treeUpdating);
        TSTreeView->clear();
        for (const QString& name : sectionNames) {
            QTreeWidgetItem* node = addSectionNode(-1, name);
            if (!first) first = node;
        }
        TSTreeView->expandAll();
    }
    tieRecordsToNodes();
    // Nothing is current after the clear, so selecting runs only the
    // entering step.
    if (first) TSTreeView->setCurrentItem(first);
    WireDruckkopfDlg();
}

// ---- enabled commands ------------------------------------------------------------------

void TMainForm::EnableSectionCommands(bool on)
{
    BerechnenTSBtn->setEnabled(on);
    BerechnenGesamtBtn->setEnabled(on);
    mAlleTS->setEnabled(on);
    mAktuelleTS->setEnabled(on);
}

void TMainForm::EnableProjectCommands(bool on)
{
    for (QAction* a : {mProjektschliessen, mProjektSave, mProjektSaveAs, mPrint, mPreview})
        a->setEnabled(on);
    mBearbeiten->menuAction()->setEnabled(on);
    for (TSpeedItem* b : {ProjektCloseBtn, ProjektSaveBtn, ProjektSaveAsBtn, PrintBtn, PreviewBtn, BerechnenTSBtn,
                          BerechnenGesamtBtn})
        b->setEnabled(on);
}

// ---- new project -------------------------------------------------------------------------

namespace {

// The limit of the new-project command, for `anzahl` sections asked for.
QString sectionCountMessage(const QString& anzahl)
{
    return QStringLiteral("\"%1\" ist keine gültige Anzahl von Teilstrecken.\rBitte geben Sie eine ganze "
                          "Zahl von 1 bis %2 ein.")
        .arg(anzahl)
        .arg(MaxTSAnzahl);
}

}  // namespace

void TMainForm::ProjektNewBtnClick()
{
    // An open project with unsaved changes is not dropped without the
    // window's closing question (which first takes a count still open in a
    // cell editor); Yes keeps it so that the user can save.
    bool mayDrop = true;
    FormCloseQuery(mayDrop);
    if (!mayDrop) return;

    QString answer = QStringLiteral("1");
    if (!InputQuery(MessStrHolder3->item(0), MessStrHolder3->item(2), answer)) return;
    bool ok = false;
    const int n = answer.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > MaxTSAnzahl) {
        MessageDlg(sectionCountMessage(answer), mtError, mbOK);
        return;
    }

    // The open project goes; nothing of what its tabs show is stored.
    ClearSectionInputs();
    Projekt.StartNewProject(n);  // records, cleared header, flags of a new project
    QStringList names;
    names.reserve(n);
    for (int k = 1; k <= n; ++k) names << MessStrHolder1->item(6) + QLatin1Char(' ') + QString::number(k);
    BuildTree(names);
    CountSections();
    AuslegungPageCtrl->setEnabled(true);
    EnableProjectCommands(true);
    UpdateMainCaption();
}

// ---- insert, delete, rename ------------------------------------------------------------------

void TMainForm::mTSInsertClick()
{
    QTreeWidgetItem* node = SelectedNode();
    if (!node || node->parent()) return;
    // A project file holds no more sections than a new project may have.
    if (TSTreeView->topLevelItemCount() >= MaxTSAnzahl) {
        MessageDlg(sectionCountMessage(QString::number(TSTreeView->topLevelItemCount() + 1)), mtError, mbOK);
        return;
    }
    const int p = TSTreeView->indexOfTopLevelItem(node) + 1;
    // What the tabs show must be kept; a cell that refuses its text or an
    // invalid section stops the insert (the message has been shown) and
    // nothing changes.
    if (!CommitGridEdits() || !StoreSectionFromForm(p)) return;

    // The names follow their sections: the new, empty section comes after
    // the selected one (record p + 1) and has no name of its own yet.
    QStringList names = SectionNames();
    names.insert(p, QString());
    Projekt.BackupSectionArray();
    {
        TCounterScope quiet(m_treeUpdating);
        addSectionNode(p - 1, MessStrHolder1->item(6) + QLatin1Char(' '));
        TSTreeView->expandAll();
    }
    CountSections();
    Projekt.ResizeSections(Projekt.TSAnzahl);
    for (int k = 1; k <= Projekt.TSAnzahl; ++k) Projekt.ClearSectionRecord(k);
    ClearSectionInputs();
    // The selected node moved to q and stands for the new, empty section.
    const int q = p + 1;
    Projekt.RestoreSectionArrayShifted(q, TRestoreMode::Insert);
    renumberSections(names);
    // The moved sections lost their results, and the network's totals no
    // longer hold: the new section is shown without them.
    Projekt.AlleBerechnet = false;
    setSectionCaptions(node->text(0));
    LoadSectionToForm(q);
    Projekt.ProjektGespeichert = false;
    UpdateMainCaption();
}

void TMainForm::mTSDeleteClick()
{
    QTreeWidgetItem* node = SelectedNode();
    if (!node || node->parent() || TSTreeView->topLevelItemCount() < 2) return;
    int p = TSTreeView->indexOfTopLevelItem(node) + 1;
    const QString question =
        MessStrHolder3->item(3) + QLatin1Char(' ') + QString::number(p) + QLatin1Char(' ') + MessStrHolder3->item(4);
    if (MessageDlg(question, mtWarning, mbYesNo) != mrYes) return;

    QStringList names = SectionNames();
    names.removeAt(p - 1);
    Projekt.BackupSectionArray();
    {
        TCounterScope quiet(m_treeUpdating);
        delete node;
    }
    CountSections();
    Projekt.ResizeSections(Projekt.TSAnzahl);
    for (int k = 1; k <= Projekt.TSAnzahl; ++k) Projekt.ClearSectionRecord(k);
    Projekt.RestoreSectionArrayShifted(p, TRestoreMode::Delete);
    renumberSections(names);
    if (p > Projekt.TSAnzahl) p = Projekt.TSAnzahl;
    // The network lost a section: its totals hold again only once every
    // section has been calculated anew.
    Projekt.AlleBerechnet = false;

    // The tabs still show the deleted section: they get the section that is
    // selected now before anything is stored or calculated.
    ClearSectionInputs();
    QTreeWidgetItem* successor = TSTreeView->topLevelItem(p - 1);
    selectNodeQuietly(successor);
    TSTreeViewChange(successor);
    Projekt.ProjektGespeichert = false;
    mAlleTSClick();
    LoadSectionToForm(p);
    UpdateMainCaption();
}

void TMainForm::mTSNameChangeClick()
{
    QTreeWidgetItem* node = SelectedNode();
    if (!node || node->parent()) return;
    // A cell that refuses its text stops the command before the box comes.
    if (!CommitGridEdits()) return;
    const int k = SectionIndexOf(node);
    QString name = node->text(0);
    // A character the project file cannot store is refused as it is typed
    // or pasted; the check after OK takes a ";" and whatever else reached
    // the name.
    const auto refuseUnstorable = [](QLineEdit* field) { RefuseNonCp1252(field, SectionNameField); };
    if (!InputQuery(MessStrHolder3->item(15), MessStrHolder3->item(16), name, kSectionNameWidth, refuseUnstorable))
        return;
    // The project file lists the names separated by ";".
    if (const QString problem = CheckSectionNameText(name); !problem.isEmpty()) {
        MessageDlg(problem, mtError, mbOK);
        return;
    }
    const bool changed = name != node->text(0);
    {
        TCounterScope quiet(m_treeUpdating);
        node->setText(0, name);
    }
    setSectionCaptions(name);
    // The name belongs to the record whatever its inputs hold.
    if (k >= 1 && k < int(Projekt.Teilstrecken.size())) Projekt.Section(k).Bezeichnung = name;
    StoreSectionFromForm(k);
    if (changed) {
        Projekt.ProjektGespeichert = false;
        UpdateMainCaption();
    }
}

void TMainForm::TSTreeViewEdited(QTreeWidgetItem* node, const QString& S)
{
    const int k = SectionIndexOf(node);
    if (k < 1 || k >= int(Projekt.Teilstrecken.size())) return;
    if (!node->parent()) {
        // A name the project file cannot hold: the node keeps its name.
        if (const QString problem = CheckSectionNameText(S); !problem.isEmpty()) {
            QString before = Projekt.Section(k).Bezeichnung;
            if (before.isEmpty()) before = MessStrHolder1->item(6) + QLatin1Char(' ') + QString::number(k);
            {
                TCounterScope quiet(m_treeUpdating);
                node->setText(0, before);
            }
            MessageDlg(problem, mtError, mbOK);
            return;
        }
        Projekt.Section(k).Bezeichnung = S;
    }
    // The tabs show the selected node's section only.
    if (k == SectionIndexOf(SelectedNode())) StoreSectionFromForm(k);
    Projekt.ProjektGespeichert = false;
    UpdateMainCaption();
}

// ---- selection changes ------------------------------------------------------------------------

bool TMainForm::TreeSelectionMayChange(QTreeWidgetItem* node)
{
    // The program's own moves, and moves made with the tree's signals
    // blocked, skip the leaving step as they skip the entering step.
    if (m_treeUpdating > 0 || TSTreeView->signalsBlocked() || TSTreeView->selectionModel()->signalsBlocked())
        return true;
    bool allow = true;
    TSTreeViewChanging(node, allow);
    return allow;
}

void TMainForm::TSTreeViewChanging(QTreeWidgetItem* node, bool& AllowChange)
{
    AllowChange = true;
    QTreeWidgetItem* old = SelectedNode();
    if (!old || old == node) return;
    const int k = SectionIndexOf(old);
    if (k < 1 || k >= int(Projekt.Teilstrecken.size())) return;
    // A cell that refuses its text keeps the node selected, as invalid
    // inputs do.
    if (!CommitGridEdits() || !StoreSectionFromForm(k)) {
        AllowChange = false;
        return;
    }
    // Within one section the tabs keep what they show.
    const bool sameSection = old->parent() && SectionNodeOf(node) == SectionNodeOf(old);
    if (!sameSection) ClearSectionInputs();
}

void TMainForm::TSTreeViewChange(QTreeWidgetItem* node)
{
    QTreeWidgetItem* section = SectionNodeOf(node);
    if (!section) return;
    setSectionCaptions(section->text(0));
    const int k = SectionIndexOf(node);
    if (k >= 1 && k <= Projekt.TSAnzahl && k < int(Projekt.Teilstrecken.size())) LoadSectionToForm(k);
    showTabOfNode(node);
    if (node == section) {
        EnableSectionCommands(true);
    } else {
        EnableSectionCommands(false);
        if (section->indexOfChild(node) != 0) FormstueckPageCtrl->setCurrentWidget(BogenTab);
    }
}

void TMainForm::AuslegungPageCtrlChange()
{
    QTreeWidgetItem* node = SelectedNode();
    QTreeWidgetItem* section = SectionNodeOf(node);
    if (!section) return;
    QWidget* page = AuslegungPageCtrl->currentWidget();
    QTreeWidgetItem* target = section;
    if (page == ZubehoerTab && section->childCount() > 0) target = section->child(0);
    else if (page == FormstueckTab && section->childCount() > 1) target = section->child(1);

    if (target != node) TSTreeView->setCurrentItem(target);
    if (SelectedNode() != target) {
        // Refused: the tabs go back to the node that stays selected.
        showTabOfNode(SelectedNode());
        return;
    }
    EnableSectionCommands(page == DatenTab);
    if (page == FormstueckTab) FormstueckPageCtrl->setCurrentWidget(BogenTab);
}

// ---- mouse and pop-up menu -------------------------------------------------------------------------

bool TMainForm::TSTreeViewMouseDown(Qt::MouseButton Button, const QPoint&)
{
    if (Button != Qt::RightButton) return false;
    // The pop-up menu opens only over a tree that has nodes; it acts on the
    // selected node, so the press itself is taken.
    TSTreeView->setContextMenuPolicy(TSTreeView->topLevelItemCount() > 0 ? Qt::CustomContextMenu
                                                                          : Qt::PreventContextMenu);
    return true;
}

void TMainForm::TreeViewPopUpPopup()
{
    QTreeWidgetItem* node = SelectedNode();
    const bool onSection = node && !node->parent();
    mTSInsert->setEnabled(onSection);
    mTSDelete->setEnabled(onSection && TSTreeView->topLevelItemCount() > 1);
    mTSNameChange->setEnabled(onSection);
}
