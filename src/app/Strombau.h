#pragma once
// The main window: section tree, the three tabs of one section's inputs and
// results, tool bar, menus, and the components the whole program shares
// (message lists, file dialogs, cipher, translation, tip of the day).
//
// The window builds its components under their names and then applies its
// form resource ":/forms/MainForm.dfm", which holds every caption, hint,
// geometry, shortcut, help context and list text.  The methods are spread
// over several files by concern:
//   Strombau.cpp           creation, resource, start, activation, closing,
//                          caption, user data, help, tip of the day
//   Strombau_Eingaben.cpp  the tabs' field and grid handlers
//   Strombau_Baum.cpp      the section tree and its commands
//   Strombau_Projekt.cpp   new, open, save, close, print
#include "app/Eingaben.h"  // section inputs (Strombau_Eingaben.cpp)
#include "support/PasswordDialogs.h"
#include "app/Projekt.h"
#include "app/Projektdaten.h"
#include "platform/Dialogs.h"
#include "platform/FormComponent.h"
#include "platform/StrHolder.h"
#include "support/OneInstance.h"
#include "support/Translation.h"
#include <QMainWindow>
#include <QObject>
#include <QStringList>
#include <array>

#include "grid/CellGrid.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;  // section tree (Strombau_Baum.cpp)
class TTreeImageList;  // section tree (Strombau_Baum.cpp)
class TCurrencyEdit;
class TFileCipher;
class TImage;
class TSpeedBar;
class TSpeedItem;
class TSpeedbarSection;
class TTipOfDay;
class TDruckkopfDlg;
class TGrundlagenForm;
class TAppDialog;

// A file dialog as a component: its resource properties feed ExecuteFileDialog.
class TFileDialogComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QStringList Options READ Options WRITE SetOptions)
public:
    TFileDialogComponent(FileDialogRequest::Kind kind, QObject* owner);
    QString DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const QString& v) { m_defaultExt = v; }
    QString Filter() const { return m_filter; }
    void SetFilter(const QString& v) { m_filter = v; }
    QString Title() const { return m_title; }
    void SetTitle(const QString& v) { m_title = v; }
    QString InitialDir() const { return m_initialDir; }
    void SetInitialDir(const QString& v) { m_initialDir = v; }
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& v) { m_fileName = v; }
    // "ofOverwritePrompt", "ofFileMustExist", ...
    QStringList Options() const { return m_options; }
    void SetOptions(const QStringList& v) { m_options = v; }

    // The request this component makes.
    FileDialogRequest Request() const;
    // Asks; on OK FileName holds the chosen path.  False when cancelled.
    bool Execute();

private:
    FileDialogRequest::Kind m_kind;
    QString m_defaultExt, m_filter, m_title, m_initialDir, m_fileName;
    QStringList m_options;
};

class TOpenDialog : public TFileDialogComponent {
    Q_OBJECT
public:
    explicit TOpenDialog(QObject* owner = nullptr) : TFileDialogComponent(FileDialogRequest::Open, owner) {}
};

class TSaveDialog : public TFileDialogComponent {
    Q_OBJECT
public:
    explicit TSaveDialog(QObject* owner = nullptr) : TFileDialogComponent(FileDialogRequest::Save, owner) {}
};

class TMainForm : public QMainWindow, public TFormComponent {
    Q_OBJECT
public:
    // Builds the window from its form resource and runs the start steps
    // (FormCreate), unless the single-instance guard found another copy
    // running (OneInstance->TerminateRequested()): then the window is left
    // as loaded, for the program to end.  Throws EFormResourceError when the
    // resource is damaged.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- Window life cycle ----------------------------------------------
    void FormCreate();
    // Every activation of the window (also the return from a dialog).
    void FormActivate();
    // Takes what is still open in a cell editor, then asks about unsaved
    // changes.  False in CanClose keeps the window open.
    void FormCloseQuery(bool& CanClose);
    void FormClose();
    void UpdateMainCaption();

    // ---- User data and value file ----------------------------------------
    // Fills Userdaten from the value file; "Zetawerte nicht vorhanden" when
    // it is missing (the record is then emptied).
    void ReadUserData();
    // Mode 0: decipher "SBWert.dec" into the plain file; mode 1: encipher
    // the plain file back.
    void SBWerte_ent_und_verschluesseln(int mode);

    // ---- Help ----------------------------------------------------------
    QString HelpFile() const { return m_helpFile; }
    // The help context of a control: its own, else that of the nearest
    // parent that has one.
    static int HelpContextOf(const QWidget* control);
    // F1 on `control`: opens the help file at its context.
    void ShowControlHelp(const QWidget* control);

    // ---- Tip of the day ------------------------------------------------
    void TipOfDayDlgCanShow(bool& CanShow);
    void TipOfDayDlgAfterExecute();
    void LoadTipTexts();

    // ---- Grid headings and tab inputs (handlers: Strombau_Eingaben.cpp) ----
    void Gitter_beschriften();
    // Shows the first material; at start and when the inputs are cleared.
    void SelectFirstMaterial();

    // ---- Section inputs and calculation (Strombau_Eingaben.cpp) ----------
    // The input check of the data tab; sets Projekt.TSLeer.
    bool ValidateSectionInputs();
    // Checks the tabs and stores them into record k; the name comes from
    // the caption of section node k.  True when valid (stored or empty).
    bool StoreSectionFromForm(int k);
    // Stores the section of the selected node (a child stores its parent's
    // section).  True when nothing is selected.
    bool StoreCurrentSection();
    // Shows record k on the three tabs.  Not an input change.
    void LoadSectionToForm(int k);
    // Resets every input of the three tabs.  Not an input change.
    void ClearSectionInputs();
    // Resets dimensions, velocity, results and totals; AlleBerechnet := false.
    void ClearResultEdits();
    // Closes every grid's open cell editor, storing what was typed.  False
    // when a cell refused its text (its message was shown; a description's
    // editor is open on the text again, a count or loss holds its value
    // from before the edit): the command that asked stops there.
    bool CommitGridEdits();
    // Round pipe: the round bend grids enabled, the flat ones disabled;
    // rectangular: the reverse.
    void UpdateZetaGridsByShape();
    // Record k's velocity, dimensions and results into their fields.
    void ShowSectionResults(int k);
    // The three network totals into their fields.
    void ShowTotals();
    // What the tabs show, and showing it back.
    TSectionInputs SectionInputsFromForm() const;
    void ShowSectionInputs(const TSectionInputs& in);
    // The section number of the selected node, 0 when none is selected.
    int SelectedSectionIndex() const;
    // Count cell colour: yellow for a count of 1 or more, else the window colour.
    static void ColorCountCell(TCellGrid* grid, int col, int row);
    // Grid events of the count grids and the further components.
    void ZetaBogenGlattGridSetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    void ZetaBogenGlattGridGetEditText(QObject* Sender, int ACol, int ARow, QString& Value);
    void ZetaBogenGlattGridValidateEdit(QObject* Sender, int ACol, int ARow, bool& Result);
    void FremdEinbGridSetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    void FremdEinbGridValidateEdit(QObject* Sender, int ACol, int ARow, bool& Result);
    void FremdEinbGridCancelEdit(QObject* Sender, int ACol, int ARow);
    // True while the tabs are filled by the program (load, clear, results):
    // such changes are no input of the user.
    bool FillingSectionInputs() const { return m_fillingInputs > 0; }

public slots:
    void mAlleTSClick();
    void mAktuelleTSClick();
    void DNRohrEditChange();
    void KanalHoeheEditChange();
    void RohrartCBClick();
    void KanalartCBClick();
    void KanalartComboChange();
    void EinbautenEdit1Change();

private:
    // Wires the tabs' fields and grids to their handlers (from the constructor).
    void setupSectionInputs();
    // An input of the user changed: the project is neither saved nor calculated.
    void sectionInputChanged();
    void setVelocityComputed(bool computed);
    // The five result fields and the three totals := 0; AlleBerechnet := false.
    void clearCalculatedResults();
    void applyShape(bool round, bool oval);
    // The focus left `field`: when it is a count field of the accessory
    // tab, what it holds now is the count that a refused edit returns to.
    void countFieldLeft(QObject* field);
    // A key or a mouse button was pressed: a new action of the user begins.
    void userActs();
    // Shows a command's calculation error; false.
    bool showCalcError(const QString& message);
    // "Gesamtleitung berechnen": stores the shown section and calculates
    // every section and the totals; false when the inputs or a section were
    // refused (the message has been shown).
    bool calculateAllSections();
    // The text a grid cell held when its editor opened, to go back to when
    // the edit is refused.
    struct TCellEditStart {
        int col = -1;
        int row = -1;
        QString text;
    };
    QString editStartText(const QObject* grid, int col, int row) const;
    // A description of the further components refused at the end of its
    // edit: the cell and its editor keep the typed text until it is
    // corrected, or Escape brings back the text before the edit.
    struct TRefusedEdit {
        int col = -1;
        int row = -1;
        QString before;
        QString typed;
        bool reported = false;
    };
    TRefusedEdit m_refusedDescription;
    // Counts every cell text refused at the end of its edit (the cell went
    // back to what it held before, and the message was shown), so that a
    // command committing the open editors knows that one refused.
    int m_cellRefusals = 0;
    int m_fillingInputs = 0;
    std::array<QString, 12> m_lastEinbautenText;
    std::map<const QObject*, TCellEditStart> m_editStart;

public:
    // ---- end of section inputs and calculation ---------------------------

    // ---- Project commands (Strombau_Projekt.cpp) ----------------------------
    // Open: reads the chosen file into new structures and calculates it; the
    // open project is replaced only when all of that succeeded.
    void OpenProject();
    // Empties the tree, drops the sections and the file name, clears the
    // tabs and disables the project commands.
    void CloseProject();
    // Before the open project is dropped: takes what is still open in a
    // cell editor, then, when the project has unsaved changes, asks whether
    // to save them.  mrNone when there is nothing to ask (no project, or
    // nothing unsaved); mrCancel when a cell refused its text, or for
    // Escape and the box's close button; else mrYes or mrNo.
    int AskBeforeDropping();
    // Close and open: AskBeforeDropping, and Yes saves.  True when the
    // project may be dropped (nothing unsaved, No, or saved), false when a
    // cell refused its text or the save was cancelled or failed.
    bool AskToSaveChanges();
    // Save (saveAs false: into the project's file, asking for a name only
    // when it has none) or save as.  Stores and checks the shown section
    // first.  True when the file was written.
    bool SaveProject(bool saveAs);
    // The default extension of the save dialog added to a name without one.
    QString WithDefaultExt(const QString& path) const;

public slots:
    void mProjektOpenClick();
    void mProjektschliessenClick();
    void ProjektSaveBtnClick();
    void mProjektSaveAsClick();

public:
    // ---- Report (Strombau_Bericht.cpp) ---------------------------------------
    // Runs one report of the open project: on the printer, or in the
    // preview window when the preview command started it.
    void PrintOrPreview();

public slots:
    // "Drucken" and "Druckvorschau" (menu items and tool buttons): store
    // the shown section and calculate every section, show the header
    // dialog, run the report; a failure of the report ends in "Fehler beim
    // Drucken!" / "Fehler bei der Druckvorschau!".
    void mPrintClick();
    void mPreviewClick();

private:
    void runReportCommand(bool preview);
    // The command that started the report: true for the preview.
    bool m_reportPreview = false;

public:
    // ---- end of project commands -----------------------------------------

    // ---- Section tree and section commands (Strombau_Baum.cpp) ------------
    // Replaces the tree by one section node per name, each with its two
    // children "Zubehör" and "Formstücke", all expanded, and selects the
    // first node.  The old selection is dropped without storing it; selecting
    // the first node shows its section when its record exists.  The records
    // follow their nodes (tieRecordsToNodes).  An empty list empties the tree.
    void BuildTree(const QStringList& sectionNames);
    // The project commands that exist only while a project is open: close,
    // save, save as, print, preview, the calculate menu and buttons.
    void EnableProjectCommands(bool on);
    // Shows the project header dialog on the open project's header; true
    // when the header was changed (the project then counts as unsaved).
    bool ExecuteDruckkopfDlg();
    // Lets a change of the header reach the project state (idempotent).
    void WireDruckkopfDlg();
    // The section node of `node` (the node itself or its parent), nullptr for none.
    static QTreeWidgetItem* SectionNodeOf(QTreeWidgetItem* node);
    // The section number of `node` (NodeToSectionIndex), 0 for none.
    int SectionIndexOf(QTreeWidgetItem* node) const;
    // The node that the tree's selection rests on, nullptr for none.
    QTreeWidgetItem* SelectedNode() const;
    // Leaving the selected node for `node`; false refuses the change.
    bool TreeSelectionMayChange(QTreeWidgetItem* node);
    // The captions of the section nodes in tree order.
    QStringList SectionNames() const;
    // True for a name the program numbers itself: "Teilstrecke" and a
    // space, followed by the section number or nothing.  The user's own
    // names are kept when sections are inserted or deleted.
    bool IsNumberedSectionName(const QString& name) const;

public slots:
    void ProjektNewBtnClick();
    void mTSInsertClick();
    void mTSDeleteClick();
    void mTSNameChangeClick();
    // Before the selection moves to `node`; AllowChange false keeps the old node.
    void TSTreeViewChanging(QTreeWidgetItem* node, bool& AllowChange);
    // After the selection moved to `node`.
    void TSTreeViewChange(QTreeWidgetItem* node);
    // A node's caption was edited in place.
    void TSTreeViewEdited(QTreeWidgetItem* node, const QString& S);
    // A mouse button went down on the tree; true when the press is taken
    // (a right press never moves the selection).
    bool TSTreeViewMouseDown(Qt::MouseButton Button, const QPoint& pos);
    void TreeViewPopUpPopup();
    void AuslegungPageCtrlChange();
    void EnableSectionCommands(bool on);
    // The header dialog reported a change.
    void DruckkopfDlgGeaendert();

private:
    // Tree signals, tab change, pop-up (from the constructor).
    void connectTreeEvents();
    // Appends (index -1) or inserts a section node with its two children.
    QTreeWidgetItem* addSectionNode(int index, const QString& caption);
    // Captions the section nodes in tree order from `names` (one per node):
    // a name the user gave stays, a numbered or empty one becomes
    // "Teilstrecke n" for its place n; the records follow (tieRecordsToNodes).
    void renumberSections(const QStringList& names);
    // Every record takes the caption of its node as its name and, once
    // stored, its place as its number.  A record never stored takes what
    // the tabs show for it: the first material and a round pipe.
    void tieRecordsToNodes();
    // The three tab captions := `caption`.
    void setSectionCaptions(const QString& caption);
    // Makes `node` current without the leaving and entering steps.
    void selectNodeQuietly(QTreeWidgetItem* node);
    // Shows the tab that belongs to `node` without moving the tree.
    void showTabOfNode(QTreeWidgetItem* node);
    int m_treeUpdating = 0;     // > 0: the program rebuilds the tree
    int m_tabsFollowing = 0;    // > 0: the program switches the tabs
    int m_pendingTabClick = -1; // tab index the user pressed on the tab bar
    bool m_tabKeyDown = false;  // a key is down on the tab bar or page control
    TTreeImageList* m_treeImages = nullptr;  // the image list that the tree's "Images" names

public:
    // ---- end of section tree and section commands --------------------------

    // ---- Project state ---------------------------------------------------
    TProjekt Projekt;
    TUserdaten Userdaten;
    // The child counts of every tree node, as the section count wants them.
    std::vector<int> TreeChildCounts() const;
    void CountSections();

    // The project header dialog, made by the program start after this window.
    TDruckkopfDlg* DruckkopfDlg = nullptr;
    // The technical-data dialog, made by the program start after this window
    // and before the header dialog; it lives for the whole run.
    TGrundlagenForm* GrundlagenForm = nullptr;
    // The access code of the technical-data dialog.
    static constexpr const char* TechnikZugangscode = "QZ-Planung";

    // ---- Components (named as in the form resource) ------------------------
    QWidget* ClientArea = nullptr;  // the client area below the menu

    TSpeedBar* SpeedBar1 = nullptr;
    TSpeedbarSection* SpeedbarSection1 = nullptr;
    TSpeedbarSection* SpeedbarSection2 = nullptr;
    TImage* LogoImage = nullptr;
    TSpeedItem* FormCloseBtn = nullptr;
    TSpeedItem* ProjektNewBtn = nullptr;
    TSpeedItem* ProjektOpenBtn = nullptr;
    TSpeedItem* ProjektCloseBtn = nullptr;
    TSpeedItem* ProjektSaveBtn = nullptr;
    TSpeedItem* ProjektSaveAsBtn = nullptr;
    TSpeedItem* PreviewBtn = nullptr;
    TSpeedItem* PrintBtn = nullptr;
    TSpeedItem* BerechnenTSBtn = nullptr;
    TSpeedItem* BerechnenGesamtBtn = nullptr;

    QTreeWidget* TSTreeView = nullptr;

    QTabWidget* AuslegungPageCtrl = nullptr;
    QWidget* DatenTab = nullptr;
    QWidget* ZubehoerTab = nullptr;
    QWidget* FormstueckTab = nullptr;
    QLabel* TSCaptionLbl1 = nullptr;
    QLabel* TSCaptionLbl2 = nullptr;
    QLabel* TSCaptionLbl3 = nullptr;

    // DatenTab
    TCurrencyEdit* VpVorgabeEdit = nullptr;
    TCurrencyEdit* TSLaengeEdit = nullptr;
    QComboBox* KanalartCombo = nullptr;
    QRadioButton* RohrartCB = nullptr;
    QRadioButton* KanalartCB = nullptr;
    QCheckBox* ovalCB = nullptr;
    QLabel* DNRohrLbl = nullptr;
    TCurrencyEdit* DNRohrEdit = nullptr;
    QLabel* KanalHoeheLbl = nullptr;
    QLabel* KanalHoeheLbl2 = nullptr;
    TCurrencyEdit* KanalHoeheEdit = nullptr;
    TCurrencyEdit* GeschwEdit = nullptr;
    TCurrencyEdit* HydrDurchmEdit = nullptr;
    TCurrencyEdit* FlaecheEdit = nullptr;
    TCurrencyEdit* DpRohrEdit = nullptr;
    TCurrencyEdit* DpFormstueckEdit = nullptr;
    TCurrencyEdit* DpGesamtEdit = nullptr;
    TCurrencyEdit* VpLeitungGesEdit = nullptr;
    TCurrencyEdit* dpLeitungGesEdit = nullptr;
    TCurrencyEdit* WellenleistungEdit = nullptr;

    // ZubehoerTab: built-in component i (1..12) is EinbautenEdit[i - 1]
    std::array<TCurrencyEdit*, 12> EinbautenEdit{};
    TCurrencyEdit* EinbautenEditNr(int i) const { return EinbautenEdit.at(size_t(i - 1)); }
    // The picture beside count field i is EinbautenImage[i - 1].
    std::array<TImage*, 12> EinbautenImage{};
    // The resource path of the picture of built-in component i (1..12).
    static QString EinbautenPicture(int i);

    // FormstueckTab
    QTabWidget* FormstueckPageCtrl = nullptr;
    QWidget* BogenTab = nullptr;
    QWidget* AbzweigTab = nullptr;
    QWidget* ReduktionTab = nullptr;
    QWidget* SonstTab = nullptr;
    TCellGrid* ZetaBogenGlattGrid = nullptr;
    TCellGrid* ZetaBogenSegmentGrid = nullptr;
    TCellGrid* ZetaBogenFlachGrid = nullptr;
    TCellGrid* ZetaBogenFlachVertGrid = nullptr;
    TCellGrid* ZetaAbzweigGrid = nullptr;
    TCellGrid* ZetaRedScharfWeitGrid = nullptr;
    TCellGrid* ZetaRedScharfEngGrid = nullptr;
    TCellGrid* ZetaRedKonWeitGrid = nullptr;
    TCellGrid* ZetaRedKonEngGrid = nullptr;
    TCellGrid* FremdEinbGrid = nullptr;
    // The nine count grids in slot order.
    std::array<TCellGrid*, 9> CountGrids() const;

    // Main menu
    QMenuBar* RxMainMenu1 = nullptr;
    QMenu* Datei1 = nullptr;
    QAction* mProjektNeu = nullptr;
    QAction* mProjektOpen = nullptr;
    QAction* mProjektschliessen = nullptr;
    QAction* N1 = nullptr;
    QAction* mProjektSave = nullptr;
    QAction* mProjektSaveAs = nullptr;
    QAction* N2 = nullptr;
    QAction* mPrint = nullptr;
    QAction* mPreview = nullptr;
    QAction* N3 = nullptr;
    QAction* mBeenden = nullptr;
    QMenu* mBearbeiten = nullptr;
    QMenu* Berechnen1 = nullptr;
    QAction* mAlleTS = nullptr;
    QAction* mAktuelleTS = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QAction* mTechnik = nullptr;
    QAction* N4 = nullptr;
    QAction* Benutzereinstellungen1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* mHilfe = nullptr;
    QAction* N5 = nullptr;
    QAction* mAbout = nullptr;

    // Pop-up menu of the tree
    QMenu* TreeViewPopUp = nullptr;
    QAction* mTSInsert = nullptr;
    QAction* mTSDelete = nullptr;
    QAction* mTSNameChange = nullptr;

    // Non-visual components
    TOpenDialog* OpenDlg = nullptr;
    TSaveDialog* SaveDlg = nullptr;
    TFileCipher* FileCipher = nullptr;
    TTranslationManager* TranslationManager = nullptr;
    TFormTranslator* FormTranslator = nullptr;
    TOneInstance* OneInstance = nullptr;
    TPasswordDialog* PasswordDlg = nullptr;
    TTipOfDay* TipOfDayDlg = nullptr;
    TStrHolder* MessStrHolder1 = nullptr;
    TStrHolder* MessStrHolder2 = nullptr;
    TStrHolder* MessStrHolder3 = nullptr;
    TStrHolder* GridStrHolder = nullptr;
    TStrHolder* TipStrHld = nullptr;

    // The form's own resource entries (client size, border).
    bool ReadFormProperty(const QString& name, const DfmValue& value) override;
    void Loaded() override;

public slots:
    void FormCloseBtnClick();
    void mHilfeClick();
    // The access gate: the password dialog until the code is right (then the
    // technical-data dialog) or the password dialog is cancelled.
    void mTechnikClick();
    // The user settings dialog and the program information box.
    void Benutzereinstellungen1Click();
    void mAboutClick();
    // Shows a settings dialog modally in the stored language, its F1 going
    // to the help.
    void showInStoredLanguage(TAppDialog* dlg);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void createMenus();
    void createDatenTab();
    void createZubehoerTab();
    void createFormstueckTab();
    void loadFormResource();
    // Connects the resource's "OnClick" entries to the handlers of that name.
    void connectEvents();
    void connectPopupMenus();
    void setButtonGlyphs();
    // Draws each built-in component's picture at the size of its control.
    void setAccessoryPictures();
    bool m_accessoryPicturesDrawn = false;
    QLabel* label(QWidget* parent, const char* name);

    QString m_helpFile;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_fixedBorder = false;
    bool m_tipOffered = false;
    bool m_closing = false;

public:
    // Resource event entries that name a handler the window does not have
    // (empty when every "OnClick" of the resource is connected).
    QStringList UnconnectedEvents;
};

// The window's message lists as the widget-free code asks for them; an item
// that the list does not have falls back to the German text.
class TFormMessageTexts : public IMessageTexts {
public:
    explicit TFormMessageTexts(const TMainForm& form);
    QString MessageText(TMessageList list, int index) const override;
    // The text of the label beside the field on the form, as translated.
    QString FieldLabel(const QString& control) const override;

private:
    const TMainForm& m_form;
};
