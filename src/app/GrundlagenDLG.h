#pragma once
// The technical-data dialog: the roughness of the duct materials, the fan
// efficiency and every zeta value of the engineering value file.  It is
// made once at program start and lives hidden for the whole run, so its
// constant texts and its changed flag survive from one opening to the next.
#include "app/DialogForm.h"
#include "app/SBWert.h"
#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <map>
#include <vector>

class QPushButton;
class QTabWidget;
class QWidget;
class TCellGrid;
class TCurrencyEdit;
class TFormTranslator;
class TImage;
class TStrHolder;

class TGrundlagenForm : public TAppDialog {
    Q_OBJECT

public:
    // Builds the controls and applies the form resource; throws
    // EFormResourceError when the resource is damaged.
    explicit TGrundlagenForm(QWidget* parent = nullptr);

    // Where a technical key is shown: one of the seven edits, or a cell.
    struct TFeld {
        TCurrencyEdit* edit = nullptr;
        TCellGrid* grid = nullptr;
        int col = -1;
        int row = -1;
    };
    // The field of `key` (without regard to case); empty for no key.
    TFeld FeldVon(const QString& key) const;
    // What a message calls the field of `key`: the edit's label, or the
    // grid's label with the cell's row and column headings.
    QString FeldName(const QString& key) const;

    // ---- steps -------------------------------------------------------------
    // Loads the value file into the controls (once per opening).
    void FormActivate();
    // A change of the user: the flag is set and SaveBtn enabled.
    void SpeichernMoeglich();
    void ZetaBogenGlattGridSetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    // Saves; true when the file was written (the flag is then clear).
    bool SaveBtnClick();
    // False in CanClose keeps the dialog open.
    void FormCloseQuery(bool& CanClose);

    bool ReadConstantsFile();
    // Returns the keys of "Material" whose text is no number (their edits show 0).
    QStringList ConstantsToDialog();
    void FillZubehoerGridNames();
    // Controls into `daten`; false (with a message naming the field) when a
    // value does not fit, and then `daten` is not to be written.
    bool DialogToConstants(TTechnikDaten& daten);
    bool WriteConstantsFile();
    // Closes every grid's open editor; false when a cell refused its text.
    bool CommitGridEdits();

    // A text that a field or the file may hold: empty, or a decimal number
    // with a comma whose value fits five characters whole.  `written`
    // receives the text as it is written: as typed, or, when that is
    // longer, without the zeros that change nothing ("1,50000" -> "1,5").
    enum class TPruefung { Ok, KeineZahl, ZuLang };
    static TPruefung PruefeWert(const QString& text, QString* written = nullptr);

    bool Geaendert() const { return m_geaendert; }
    const TTechnikDaten& Konstanten() const { return m_konstanten; }

    // ---- components -----------------------------------------------------------
    QTabWidget* VorgabenPageControl = nullptr;
    QWidget* VorgabenTab = nullptr;
    QWidget* ZetaBogenTab = nullptr;
    QWidget* ZetaFlachTab = nullptr;
    QWidget* ZetaAbzweigTab = nullptr;
    QWidget* ZetaRedScharfTab = nullptr;
    QWidget* ZetaRedKonTab = nullptr;
    QWidget* EinbautenTab = nullptr;
    TCurrencyEdit* BlechGefalztEdit = nullptr;
    TCurrencyEdit* FlexrohrEdit = nullptr;
    TCurrencyEdit* GemauertEdit = nullptr;
    TCurrencyEdit* HolzkanalEdit = nullptr;
    TCurrencyEdit* BetonkanalEdit = nullptr;
    TCurrencyEdit* FaserzementEdit = nullptr;
    TCurrencyEdit* EtaVentilatorEdit = nullptr;
    TCellGrid* ZetaBogenGlattGrid = nullptr;
    TCellGrid* ZetaBogenSegmentGrid = nullptr;
    TCellGrid* ZetaBogenFlachGrid = nullptr;
    TCellGrid* ZetaBogenFlachVertGrid = nullptr;
    TCellGrid* ZetaAbzweigGrid = nullptr;
    TCellGrid* ZetaRedScharfWeitGrid = nullptr;
    TCellGrid* ZetaRedScharfEngGrid = nullptr;
    TCellGrid* ZetaRedKonWeitGrid = nullptr;
    TCellGrid* ZetaRedKonEngGrid = nullptr;
    TCellGrid* ZubehoerGrid = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    TStrHolder* ZetaStrHolder = nullptr;
    TFormTranslator* FormTranslator = nullptr;

    std::array<TCurrencyEdit*, 7> Edits() const;
    std::array<TCellGrid*, 10> Grids() const;
    // The resource path of the picture named `image` (BogenGlattImage ...).
    static QString Bild(const QString& image);

public slots:
    // Every way of closing (button, close box, Escape) asks first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void validateCell(QObject* Sender, int ACol, int ARow, bool& Result);
    // The edit is left: its value is taken, or refused and the one before
    // it comes back.
    void editVerlassen(TCurrencyEdit* edit);
    // Refuses what `edit` holds with the message for `p`; the value it had
    // before comes back.
    void refuseEdit(TCurrencyEdit* edit, TPruefung p, const QString& key);
    void setPictures();
    QString text(int index) const;
    // The message that refuses `value` of the field with technical key `key`.
    QString refusal(TPruefung p, const QString& key, const QString& value) const;

    TTechnikDaten m_konstanten;
    QHash<QString, TFeld> m_felder;                   // lower-case key -> field
    std::map<std::pair<const QObject*, int>, QString> m_keyOfCell;  // (grid, col * 100 + row) -> key
    std::map<const QObject*, std::pair<std::pair<int, int>, QString>> m_editStart;
    QSet<const QObject*> m_watchedEditors;
    QHash<const TCurrencyEdit*, QString> m_bisher;  // each edit's last text taken
    bool m_geaendert = false;
    bool m_geladen = false;
    int m_laden = 0;  // > 0 while the program fills the controls
};
