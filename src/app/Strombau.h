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
#include "app/Placeholders.h"
#include "app/Projekt.h"
#include "app/Projektdaten.h"
#include "platform/Dialogs.h"
#include "platform/FormComponent.h"
#include "platform/StrHolder.h"
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
class TCurrencyEdit;
class TFileCipher;
class TImage;
class TSpeedBar;
class TSpeedItem;
class TSpeedbarSection;
class TTipOfDay;
class TDruckkopfDlg;

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
    // (FormCreate).  Throws EFormResourceError when the resource is damaged.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- Window life cycle ----------------------------------------------
    void FormCreate();
    // Every activation of the window (also the return from a dialog).
    void FormActivate();
    // False in CanClose keeps the window open.
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

    // ---- Project state ---------------------------------------------------
    TProjekt Projekt;
    TUserdaten Userdaten;
    // The child counts of every tree node, as the section count wants them.
    std::vector<int> TreeChildCounts() const;
    void CountSections();

    // The project header dialog, made by the program start after this window.
    TDruckkopfDlg* DruckkopfDlg = nullptr;

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
    QAction* mProjektOeffnen = nullptr;
    QAction* mProjektSchliessen = nullptr;
    QAction* N1 = nullptr;
    QAction* mProjektSpeichern = nullptr;
    QAction* mProjektSpeichernUnter = nullptr;
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
