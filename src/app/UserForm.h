#pragma once
// The user settings dialog: the user's own address block, the default text
// before the results, the interface language and the tip of the day, all in
// section "Userdaten" of the value file.  Made for each opening by the main
// window; its changed flag and the language it returns to are kept for the
// program's run.
#include "app/DialogForm.h"
#include "app/SBWert.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TFormTranslator;
class TMainForm;
class TStrHolder;

class TUserDlg : public TAppDialog {
    Q_OBJECT

public:
    // `owner` gives the translation manager, the section tree and the grid
    // captions.  Throws EFormResourceError when the resource is damaged.
    explicit TUserDlg(TMainForm* owner);

    void FormActivate();
    void FormCloseQuery(bool& CanClose);
    void FormClose();
    // Saves; true when the file was written (the flag is then clear).
    bool SaveBtnClick();
    void FirmaEditChange();
    // The user chose entry `index` of the language list.
    void SpracheCBChange(int index);
    void LoadUserData();
    bool SaveUserData();

    // The state kept for the program's run.
    static bool Geaendert();
    static int SprachIndex();
    // A fresh run (for tests).
    static void ResetRunState();

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLineEdit* FirmaEdit = nullptr;
    QLineEdit* UserEdit = nullptr;
    QLineEdit* StrasseEdit = nullptr;
    QLineEdit* PLZEdit = nullptr;
    QLineEdit* OrtEdit = nullptr;
    QLineEdit* TelefonEdit = nullptr;
    QLineEdit* FaxEdit = nullptr;
    QLineEdit* EMailEdit = nullptr;
    QPlainTextEdit* VortextMemo = nullptr;
    QComboBox* SpracheCB = nullptr;
    QCheckBox* TipCB = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    TStrHolder* UserFormStrHolder = nullptr;
    TFormTranslator* FormTranslator = nullptr;

public slots:
    // Every way of closing asks first; the result is OK.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text(int index) const;
    bool projektOffen() const;

    TMainForm* m_owner;
    TUserEingaben m_gelesen;  // what the file held when the dialog came up
    bool m_geladen = false;
    bool m_laden = false;     // the inputs are being filled from the file
};
